// Great-circle distance, initial bearing and destination point against the
// textbook formulas, on seeded random points; west-positive longitudes.
#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "nav/great_circle.h"
#include "tests/spherical_reference.h"

namespace halcyon::test {
namespace {

TEST(GreatCircle, TheSimpleCasesOfTheCompass) {
  EXPECT_NEAR(GreatCircleDistanceNm(0, 0, 0, 1), 60.0, 1e-9);
  EXPECT_NEAR(GreatCircleDistanceNm(0, 0, 1, 0), 60.0, 1e-9);
  // The arc cosine of the law of cosines resolves about a tenth of a metre.
  EXPECT_NEAR(GreatCircleDistanceNm(47, 8, 47, 8), 0.0, 1e-4);
  EXPECT_NEAR(InitialBearing(0, 0, 1, 0), 360.0, 1e-9) << "due north is 360, not 0";
  EXPECT_NEAR(InitialBearing(0, 0, -1, 0), 180.0, 1e-9);
  EXPECT_NEAR(InitialBearing(0, 0, 0, -1), 90.0, 1e-9) << "a negative longitude lies east";
  EXPECT_NEAR(InitialBearing(0, 0, 0, 1), 270.0, 1e-9);
  EXPECT_EQ(InitialBearing(0, 0, 0, 0), kUnsetValue);
  EXPECT_EQ(InitialBearing(51.47, 0.46, 51.47, 0.46), kUnsetValue);

  const GeoPointDeg east = DestinationPoint(0, 0, 90, 60);
  EXPECT_NEAR(east.latitudeDeg, 0.0, 1e-9);
  EXPECT_NEAR(east.longitudeDeg, -1.0, 1e-9);
}

TEST(GreatCircle, NoNumberIsLostAtTheEdgesOfTheArcCosine) {
  // Antipodes, and two points closer than the cosine can tell apart.
  EXPECT_NEAR(GreatCircleDistanceNm(10, 20, -10, -160), 10800.0, 1e-4);
  EXPECT_NEAR(GreatCircleDistanceNm(0, 0, 0, 180), 10800.0, 1e-4);
  // From a point to itself the cosine rounds above 1 for a few points in a hundred.
  std::mt19937_64 random(3);
  std::uniform_real_distribution<double> latitude(-85.0, 85.0);
  std::uniform_real_distribution<double> longitude(-180.0, 180.0);
  for (int i = 0; i < 1000; ++i) {
    const double lat = latitude(random);
    const double lon = longitude(random);
    const double distance = GreatCircleDistanceNm(lat, lon, lat, lon);
    ASSERT_TRUE(distance >= 0.0 && distance < 1e-4) << lat << "," << lon << ": " << distance;
  }
  const double nearDistance = GreatCircleDistanceNm(47.0, 8.0, 47.0 + 1e-12, 8.0 + 1e-12);
  EXPECT_FALSE(std::isnan(nearDistance));
  EXPECT_LT(nearDistance, 1e-3);
  const double nearCourse = InitialBearing(47.0, 8.0, 47.0 + 1e-12, 8.0 + 1e-12);
  EXPECT_TRUE(nearCourse == kUnsetValue || (nearCourse > 0.0 && nearCourse <= 360.0)) << nearCourse;
}

TEST(GreatCircle, DistanceAndBearingAgreeWithTheTextbookOnRandomPoints) {
  std::mt19937_64 random(20240611);
  std::uniform_real_distribution<double> latitude(-85.0, 85.0);
  std::uniform_real_distribution<double> longitude(-180.0, 180.0);
  std::uniform_real_distribution<double> nearby(-0.5, 0.5);
  for (int i = 0; i < 400; ++i) {
    const double lat1 = latitude(random);
    const double lon1 = longitude(random);  // west positive
    // Half the pairs anywhere on the globe, half within half a degree.
    const bool far = i % 2 == 0;
    const double lat2 = far ? latitude(random) : lat1 + nearby(random);
    const double lon2 = far ? longitude(random) : lon1 + nearby(random);

    const double distance = GreatCircleDistanceNm(lat1, lon1, lat2, lon2);
    EXPECT_NEAR(distance, HaversineDistanceNm(lat1, -lon1, lat2, -lon2), 1e-3) << i;

    const double course = InitialBearing(lat1, lon1, lat2, lon2);
    ASSERT_GT(course, 0.0) << i;
    ASSERT_LE(course, 360.0) << i;
    EXPECT_LT(CourseDifference(course, ReferenceCourse(lat1, -lon1, lat2, -lon2)), far ? 1e-5 : 1e-3)
        << i << ": " << lat1 << "," << lon1 << " -> " << lat2 << "," << lon2;
  }
}

TEST(GreatCircle, TheDestinationLiesAtTheDistanceAndOnTheBearingGiven) {
  std::mt19937_64 random(7);
  std::uniform_real_distribution<double> latitude(-80.0, 80.0);
  std::uniform_real_distribution<double> longitude(-180.0, 180.0);
  std::uniform_real_distribution<double> bearing(0.0, 360.0);
  std::uniform_real_distribution<double> distance(1.0, 5000.0);
  for (int i = 0; i < 300; ++i) {
    const double lat = latitude(random);
    const double lon = longitude(random);
    const double course = bearing(random);
    const double distNm = distance(random);
    const GeoPointDeg to = DestinationPoint(lat, lon, course, distNm);
    ASSERT_GE(to.longitudeDeg, -180.0) << i;
    ASSERT_LT(to.longitudeDeg, 180.0) << i;
    EXPECT_NEAR(HaversineDistanceNm(lat, -lon, to.latitudeDeg, -to.longitudeDeg), distNm, 1e-6 * distNm) << i;
    EXPECT_LT(CourseDifference(ReferenceCourse(lat, -lon, to.latitudeDeg, -to.longitudeDeg), course), 1e-6) << i;
  }
}

}  // namespace
}  // namespace halcyon::test
