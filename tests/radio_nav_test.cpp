// The host's NAV receivers: tuning by the NAV key events, a VOR's radial,
// TO/FROM and needle against the course set, the DME, the range of each
// signal, an ILS put at a runway end with its localizer and glide slope; and
// the coupled approach flown by the cockpit's flight guidance on them.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>

#include "core/panel_services.h"
#include "simhost/radio_nav.h"
#include "simhost/scenario.h"
#include "systems/dfgs.h"
#include "tests/cockpit.h"
#include "tests/spherical_reference.h"

namespace halcyon::test {
namespace {

using simhost::RadioNav;

constexpr double kPi = 3.14159265358979323846;
constexpr double kMPerNm = 1852.0;
constexpr double kMPerFt = 0.3048;

// The sample station east of Zurich: VOR/DME QZE, 110.05 MHz, 1730 ft.
constexpr double kQzeLat = 47.5920;
constexpr double kQzeLon = 8.8170;
// Zurich runway 14 and the other end of the strip, 32 (airports.txt).
constexpr double kRwy14Lat = 47.483101;
constexpr double kRwy14Lon = 8.534730;
constexpr double kRwy32Lat = 47.461300;
constexpr double kRwy32Lon = 8.564460;
constexpr double kRwy14ElevationFt = 1402.0;

// A point at a distance and true direction from another, and back: the
// textbook great-circle formulas on a sphere of 6371 km.
constexpr double kEarthRadiusM = 6371000.0;
struct Point {
  double lat;
  double lon;
};
double Rad(double degrees) { return degrees * kPi / 180.0; }
Point Offset(Point from, double bearingDeg, double distanceM) {
  const double d = distanceM / kEarthRadiusM;
  const double lat = std::asin(std::sin(Rad(from.lat)) * std::cos(d) +
                               std::cos(Rad(from.lat)) * std::sin(d) * std::cos(Rad(bearingDeg)));
  const double lon = Rad(from.lon) + std::atan2(std::sin(Rad(bearingDeg)) * std::sin(d) * std::cos(Rad(from.lat)),
                                                std::cos(d) - std::sin(Rad(from.lat)) * std::sin(lat));
  return {lat * 180.0 / kPi, lon * 180.0 / kPi};
}
double Bearing(Point a, Point b) { return ReferenceCourse(a.lat, a.lon, b.lat, b.lon); }
double Distance(Point a, Point b) {
  return HaversineDistanceNm(a.lat, a.lon, b.lat, b.lon) / kReferenceEarthRadiusNm * kEarthRadiusM;
}

void SendFromCockpit(uint32_t event) { TriggerKeyEvent(event, 0); }

// ---- Tuning ----

TEST(RadioNav, FrequencyWordsAreBcdOfTheDigitsAfterTheLeadingOne) {
  EXPECT_DOUBLE_EQ(RadioNav::MhzFromBcd(0x1080), 110.80);
  EXPECT_DOUBLE_EQ(RadioNav::MhzFromBcd(0x1795), 117.95);
  EXPECT_EQ(RadioNav::MhzFromBcd(0x10A0), 0.0) << "a nibble that is no digit";
  EXPECT_EQ(RadioNav::BcdFromMhz(109.35), 0x0935u);
  EXPECT_EQ(RadioNav::BcdFromMhz(110.30), 0x1030u);
}

TEST(RadioNav, TheNavKeyEventsStepEachReceiversFrequencyAndWrap) {
  Cockpit cockpit;
  cockpit.set(Token::Nav1Frequency, 0x1795).set(Token::Nav2Frequency, 0x0800);
  SendFromCockpit(65641);  // NAV 1 whole MHz up: 117 wraps to 108
  EXPECT_EQ(cockpit.token(Token::Nav1Frequency), 0x0895);
  SendFromCockpit(65643);  // fraction up: .95 wraps to .00 in the same MHz
  EXPECT_EQ(cockpit.token(Token::Nav1Frequency), 0x0800);
  SendFromCockpit(65642);  // fraction down
  EXPECT_EQ(cockpit.token(Token::Nav1Frequency), 0x0895);
  SendFromCockpit(65640);  // whole down: 108 wraps to 117
  EXPECT_EQ(cockpit.token(Token::Nav1Frequency), 0x1795);
  EXPECT_EQ(cockpit.token(Token::Nav2Frequency), 0x0800) << "NAV 2 untouched";
  SendFromCockpit(65645);
  SendFromCockpit(65647);
  EXPECT_EQ(cockpit.token(Token::Nav2Frequency), 0x0905);
  SendFromCockpit(65644);
  SendFromCockpit(65646);
  EXPECT_EQ(cockpit.token(Token::Nav2Frequency), 0x0800);
  EXPECT_EQ(cockpit.token(Token::Nav1Frequency), 0x1795);
}

// ---- A VOR/DME ----

// North of the station by 20 NM at 10000 ft.
Cockpit& NorthOfQze(Cockpit& cockpit, double distanceNm, double altitudeFt) {
  const Point at = Offset({kQzeLat, kQzeLon}, 0.0, distanceNm * kMPerNm);
  cockpit.setPosition(at.lat, at.lon).set(Token::AltitudeFt, altitudeFt);
  return cockpit;
}

TEST(RadioNav, AVorGivesItsRadialToFromAndNeedleAgainstTheCourseSet) {
  Cockpit cockpit;
  const double variation = cockpit.host().MagVar().VariationAt(kQzeLat, kQzeLon);
  ASSERT_GT(variation, 1.0) << "east variation around Zurich";
  const double radial = 360.0 - variation;  // due north of it, true 0
  NorthOfQze(cockpit, 20, 10000)
      .set(Token::Nav1Frequency, 0x1005)
      .set(Token::Nav1CourseDeg, std::round(radial))
      .runTicks(2);
  const RadioNav::Reception& r = cockpit.host().Radios().Receiver(1);
  EXPECT_NEAR(r.radialMagDeg, radial, 0.05);
  EXPECT_EQ(cockpit.token(Token::Nav1ToFrom), 2.0) << "on the course's radial: FROM";
  const double off = std::round(radial) - radial;  // degrees the course lies clockwise of the radial
  EXPECT_NEAR(cockpit.token(Token::CourseNeedle), off / 10.0 * 127.0, 0.2) << "full scale at 10 degrees";
  EXPECT_EQ(cockpit.token(Token::Nav1Code), 0x01) << "a VOR with its DME, a usable signal";
  EXPECT_NEAR(cockpit.token(Token::Dme1Nm), std::hypot(20.0, (10000 - 1730) * kMPerFt / kMPerNm), 0.02)
      << "slant distance";

  // Course 5 degrees clockwise, FROM: the course lies to the right.
  cockpit.set(Token::Nav1CourseDeg, radial + 5.0).runTicks(1);
  EXPECT_NEAR(cockpit.token(Token::CourseNeedle), 5.0 / 10.0 * 127.0, 0.2);
  // The course line the NAV hold flies, true: the course set plus the
  // station's east variation, past north here (true 5).
  EXPECT_NEAR(r.courseTrueDeg, std::fmod(cockpit.token(Token::Nav1CourseDeg) + variation, 360.0), 1e-9);
  EXPECT_LT(r.courseTrueDeg, 10.0);
  cockpit.set(Token::Nav1CourseDeg, radial - 20.0).runTicks(1);
  EXPECT_EQ(cockpit.token(Token::CourseNeedle), -127.0) << "beyond full scale the needle stops";
  // The reciprocal course, towards the station: TO, and the sides swap.
  cockpit.set(Token::Nav1CourseDeg, radial - 180.0 + 5.0).runTicks(1);
  EXPECT_EQ(cockpit.token(Token::Nav1ToFrom), 1.0);
  EXPECT_NEAR(cockpit.token(Token::CourseNeedle), -5.0 / 10.0 * 127.0, 0.2);
  EXPECT_NEAR(r.flyRightM, -20.0 * kMPerNm * std::sin(5.0 * kPi / 180.0), 5.0);
  // The same station on NAV 2, with its own course.
  cockpit.set(Token::Nav2Frequency, 0x1005).set(Token::Nav2CourseDeg, radial - 3.0).runTicks(1);
  EXPECT_NEAR(cockpit.token(Token::Nav2CourseNeedle), -3.0 / 10.0 * 127.0, 0.2) << "FROM, the course to the left";
  EXPECT_EQ(cockpit.token(Token::Nav2ToFrom), 2.0);
  EXPECT_NEAR(cockpit.token(Token::Dme2Nm), cockpit.token(Token::Dme1Nm), 1e-9);
  EXPECT_EQ(cockpit.token(Token::Nav2Code), 0x01);
  // Tuned away: nothing on 110.10.
  cockpit.set(Token::Nav1Frequency, 0x1010).runTicks(1);
  EXPECT_EQ(cockpit.token(Token::Nav1Code), 0.0);
  EXPECT_EQ(cockpit.token(Token::Nav1ToFrom), 0.0);
  EXPECT_EQ(cockpit.token(Token::Nav2Code), 0x01) << "NAV 2 still on the VOR";
}

// The radio horizon at 10000 ft, 8270 ft above the station: 1.23 x
// (sqrt(8270) + sqrt(50)) = 120.55 NM.
class VorRange : public testing::TestWithParam<double> {};

TEST_P(VorRange, EndsAtTheRadioHorizon) {
  Cockpit cockpit;
  NorthOfQze(cockpit, GetParam(), 10000).set(Token::Nav1Frequency, 0x1005).set(Token::Nav1CourseDeg, 0).runTicks(2);
  const bool inRange = GetParam() < 120.55;
  EXPECT_EQ(cockpit.token(Token::Nav1Code), inRange ? 0x01 : 0x08);
  EXPECT_EQ(cockpit.token(Token::Nav1ToFrom), inRange ? 2.0 : 0.0);
  EXPECT_EQ(cockpit.token(Token::Dme1Nm) > 0.0, inRange);
  if (!inRange) {
    EXPECT_EQ(cockpit.token(Token::Dme1Nm), -1.0);
  }
}

INSTANTIATE_TEST_SUITE_P(RadioNav, VorRange, testing::Values(120.3, 120.9));

TEST(RadioNav, NothingOnTheFrequencyAndAnUntunedReceiver) {
  Cockpit cockpit;
  NorthOfQze(cockpit, 20, 10000).set(Token::Nav1Frequency, 0x1010).set(Token::Nav2CourseNeedle, 55).runTicks(2);
  EXPECT_EQ(cockpit.token(Token::Nav1Code), 0.0) << "no station on 110.10";
  EXPECT_EQ(cockpit.token(Token::Dme1Nm), -1.0);
  EXPECT_EQ(cockpit.token(Token::Nav2CourseNeedle), 55.0) << "NAV 2 never tuned: its tokens are the scenario's";
}

// ---- An ILS ----

struct Ils {
  double courseTrue = Bearing({kRwy14Lat, kRwy14Lon}, {kRwy32Lat, kRwy32Lon});
  Point localizer = Offset({kRwy32Lat, kRwy32Lon}, courseTrue, 1000 * kMPerFt);
  Point glideSlope = Offset({kRwy14Lat, kRwy14Lon}, courseTrue, 1000 * kMPerFt);
  // On the approach, `nm` from the glide-slope antenna, `sideDeg` seen from
  // the localizer (positive: the pilot's left), `aboveDeg` over the path.
  void Place(Cockpit& cockpit, double nm, double sideDeg, double aboveDeg) const {
    const Point onCentreline = Offset(glideSlope, courseTrue + 180.0, nm * kMPerNm);
    const double fromLocalizerM = Distance(localizer, onCentreline);
    const Point at = Offset(localizer, courseTrue + 180.0 + sideDeg, fromLocalizerM);
    const double heightFt = Distance(glideSlope, at) * std::tan((3.0 + aboveDeg) * kPi / 180.0) / kMPerFt;
    cockpit.setPosition(at.lat, at.lon).set(Token::AltitudeFt, kRwy14ElevationFt + heightFt);
  }
};

Cockpit& TunedToIls14(Cockpit& cockpit) {
  EXPECT_EQ(cockpit.host().Radios().AddIls("lszh", "14", 110.30), "");
  cockpit.set(Token::Nav1Frequency, 0x1030).set(Token::Nav1CourseDeg, 134);
  return cockpit;
}

TEST(RadioNav, AnIlsLocalizerAndGlideSlopeOnTheRunwaysCentreline) {
  Cockpit cockpit;
  TunedToIls14(cockpit);
  const Ils ils;
  ils.Place(cockpit, 5, 0, 0);
  cockpit.runTicks(2);
  EXPECT_EQ(cockpit.token(Token::Nav1Code), 0xC0) << "localizer with a glide slope";
  EXPECT_NEAR(cockpit.token(Token::CourseNeedle), 0.0, 0.1);
  EXPECT_NEAR(cockpit.token(Token::GlideSlopeNeedle), 0.0, 0.1);
  EXPECT_EQ(cockpit.token(Token::Nav1ToFrom), 1.0);
  EXPECT_EQ(cockpit.token(Token::RisingRunway), 1.0);
  EXPECT_EQ(cockpit.token(Token::Nav1Flags), 0.0);
  EXPECT_EQ(cockpit.token(Token::Dme1Nm), -1.0) << "no DME on 110.30";

  // One degree left of the centreline: fly right, 127 / 2.5 a degree.
  ils.Place(cockpit, 5, 1.0, 0);
  cockpit.runTicks(1);
  EXPECT_NEAR(cockpit.token(Token::CourseNeedle), 127.0 / 2.5, 0.1);
  const RadioNav::Reception& r = cockpit.host().Radios().Receiver(1);
  EXPECT_GT(r.flyRightM, 0.0);
  ils.Place(cockpit, 5, -0.5, 0);
  cockpit.runTicks(1);
  EXPECT_NEAR(cockpit.token(Token::CourseNeedle), -127.0 / 5.0, 0.1);
  // 0.35 degrees above the path: fly down, half of full scale (119 at 0.7).
  ils.Place(cockpit, 5, 0, 0.35);
  cockpit.runTicks(1);
  EXPECT_NEAR(cockpit.token(Token::GlideSlopeNeedle), -59.5, 0.5);
  EXPECT_NEAR(r.aboveGlidePathFt, 5 * kMPerNm / kMPerFt * (std::tan(3.35 * kPi / 180) - std::tan(3.0 * kPi / 180)), 2.0);
  ils.Place(cockpit, 5, 0, -1.0);
  cockpit.runTicks(1);
  EXPECT_EQ(cockpit.token(Token::GlideSlopeNeedle), 119.0) << "below: fly up, stopped at full scale";
}

// The glide slope reaches 10 NM, the localizer 18 NM within 10 degrees and
// 10 NM within 35.
struct Coverage {
  double nm;
  double sideDeg;
  bool localizer;
  bool glideSlope;
  double aboveDeg = 0.0;
};
class IlsCoverage : public testing::TestWithParam<Coverage> {};

TEST_P(IlsCoverage, EachSignalWithinItsRange) {
  Cockpit cockpit;
  TunedToIls14(cockpit);
  const Coverage c = GetParam();
  Ils().Place(cockpit, c.nm, c.sideDeg, c.aboveDeg);
  cockpit.runTicks(2);
  EXPECT_EQ(cockpit.token(Token::Nav1Code), c.localizer ? 0xC0 : 0xC8);
  EXPECT_EQ(cockpit.token(Token::Nav1Flags), c.glideSlope ? 0.0 : 4.0);
  if (!c.glideSlope) {
    EXPECT_EQ(cockpit.token(Token::GlideSlopeNeedle), 0.0);
  }
  if (!c.localizer) {
    EXPECT_EQ(cockpit.token(Token::CourseNeedle), 0.0);
  }
}

INSTANTIATE_TEST_SUITE_P(RadioNav, IlsCoverage,
                         testing::Values(Coverage{9.9, 0, true, true}, Coverage{10.1, 0, true, false},
                                         Coverage{9.0, 7.5, true, true}, Coverage{9.0, 8.5, true, false},
                                         Coverage{15.5, 9.5, true, false}, Coverage{15.5, 10.5, false, false},
                                         Coverage{7.0, 30.0, true, false},
                                         // 0.45 to 1.75 times the 3 degrees up
                                         Coverage{6.0, 0, true, true, -1.6}, Coverage{6.0, 0, true, false, -1.7},
                                         Coverage{6.0, 0, true, true, 2.2}, Coverage{6.0, 0, true, false, 2.3},
                                         // just inside and outside 1.35 and 5.25 degrees
                                         Coverage{6.0, 0, true, true, -1.63}, Coverage{6.0, 0, true, false, -1.67},
                                         Coverage{6.0, 0, true, true, 2.23}, Coverage{6.0, 0, true, false, 2.27}));

TEST(RadioNav, AnIlsAskedForWhereThereIsNoneSaysWhy) {
  Cockpit cockpit;
  RadioNav& radios = cockpit.host().Radios();
  EXPECT_NE(radios.CheckIls("QQQQ", "14", 110.30).find("no airport"), std::string::npos);
  EXPECT_NE(radios.CheckIls("LSZH", "15", 110.30).find("no runway"), std::string::npos);
  EXPECT_NE(radios.CheckIls("LSZH", "14", 110.20).find("odd tenth"), std::string::npos);
  EXPECT_NE(radios.CheckIls("LSZH", "14", 112.10).find("108.10"), std::string::npos);
  EXPECT_NE(radios.CheckIls("LSZH", "14", 110.30, 9.0).find("1 to 8"), std::string::npos);
  EXPECT_NE(radios.CheckIls("LSZH", "14", 110.30, 0.9).find("1 to 8"), std::string::npos);
  EXPECT_EQ(radios.CheckIls("LSZH", "14", 110.30, 1.0), "") << "both ends of the glide slope's range";
  EXPECT_EQ(radios.CheckIls("LSZH", "14", 110.30, 8.0), "");
  EXPECT_EQ(radios.CheckIls("LSZH", "14", 108.10, 3.5), "");
  EXPECT_NE(radios.Summary().find("0 ILS"), std::string::npos) << "a check adds nothing";
  simhost::Scenario scenario;
  std::vector<std::string> errors;
  EXPECT_FALSE(scenario.Parse("ils LSZH 14 one\nils LSZH\n", "t.scn", &errors));
  EXPECT_EQ(errors.size(), 2u);
}

// ---- The coupled approach ----

// Ten miles out at 3000 ft on a 30-degree intercept of runway 14's localizer
// (1.2 NM left of it), 20 kt across it from the right, 150 kt with the flaps
// given and the gear down, autopilot and autothrottle on.
Cockpit& OnTheIntercept(Cockpit& cockpit, const Ils& ils, double flaps) {
  cockpit.set(Token::OnGround, 0);
  const Point start = Offset(Offset({kRwy14Lat, kRwy14Lon}, ils.courseTrue + 180.0, 10 * kMPerNm),
                             ils.courseTrue - 90.0, 1.2 * kMPerNm);
  cockpit.setPosition(start.lat, start.lon).set(Token::AltitudeFt, 3000).set(Token::IndicatedAirspeedKt, 150);
  cockpit.set(Token::HeadingDeg, ils.courseTrue + 30.0)
      .set(Token::Engine1Combustion, 1)
      .set(Token::Engine2Combustion, 1);
  cockpit.set(Token::Engine1Throttle, 6000)
      .set(Token::Engine2Throttle, 6000)
      .setScaled(Token::MaxOperatingSpeed, 340)
      .set(Token::MaxOperatingMach, 0.84);
  // The handles where the flaps and gear stand: the host moves both to their handle.
  cockpit.set(Token::FlapPosition, flaps).set(Token::FlapHandle, flaps).set(Token::AutopilotEngaged, 1);
  cockpit.set(Token::GearPosition, 16383).set(Token::GearHandle, 16383);
  cockpit.host().SetGroundElevation(kRwy14ElevationFt);
  // 20 kt across the localizer from the right: the autopilot corrects for the drift.
  cockpit.set(Token::WindSpeedKt, 20).set(Token::WindDirectionDeg, ils.courseTrue + 90.0);
  cockpit.start().irsInNav().control("APU", "battery", 41).runSeconds(1.5);
  TunedToIls14(cockpit).set(Token::Nav2CourseDeg, 134).set(Token::Nav2Frequency, 0x1030);
  cockpit.control("FGCP PANEL", "speed_value", 150).control("DFGS", "dfgs.at_switch", 41);
  return cockpit;
}

// On the intercept with approach flaps, the ILS button arms the approach.
TEST(RadioNav, TheAutopilotCapturesTheLocalizerThenTheGlideSlopeAndFliesThemDown) {
  Cockpit cockpit({.start = false, .flightModel = true});
  const Ils ils;
  OnTheIntercept(cockpit, ils, 8000).control("FGCP PANEL", "ils", 1).runSeconds(1.1);
  ASSERT_EQ(GetDfgsApproachMode(), kApproachIls);

  double localizerAtNm = 0.0;
  double glideSlopeAtNm = 0.0;
  const auto distanceNm = [&] {
    return Distance({cockpit.latitudeDeg(), cockpit.longitudeDegEast()}, {kRwy14Lat, kRwy14Lon}) / kMPerNm;
  };
  const auto heightFt = [&] { return cockpit.token(Token::AltitudeFt) - kRwy14ElevationFt; };
  // Armed, the needle on its stop: the heading set is flown, not the course;
  // the heading set is magnetic, as the compass reads.
  double headingOffWhilePegged = 0.0;
  const double headingSet = cockpit.token(Token::HeadingBugDeg);
  cockpit.runUntil(
      [&] {
        if (std::fabs(cockpit.token(Token::CourseNeedle)) >= 127.0) {
          headingOffWhilePegged =
              std::max(headingOffWhilePegged, std::fabs(cockpit.token(Token::MagneticHeadingDeg) - headingSet));
        }
        if (localizerAtNm == 0.0 && GetDfgsRollMode() == kRollLocalizerTrack) localizerAtNm = distanceNm();
        if (glideSlopeAtNm == 0.0 && GetDfgsPitchMode() == kPitchGlideslopeTrack) glideSlopeAtNm = distanceNm();
        return heightFt() < 200.0;
      },
      600);
  EXPECT_LT(headingOffWhilePegged, 0.6);
  EXPECT_GT(localizerAtNm, 0.0) << "LOC captured";
  EXPECT_GT(glideSlopeAtNm, 0.0) << "G/S captured";
  EXPECT_GT(localizerAtNm, glideSlopeAtNm) << "the localizer first";
  EXPECT_NEAR(glideSlopeAtNm, (3000 - kRwy14ElevationFt) / std::tan(3.0 * kPi / 180) * kMPerFt / kMPerNm, 1.0)
      << "where 3000 ft meets the slope";
  EXPECT_LT(heightFt(), 200.0);
  EXPECT_GT(heightFt(), 190.0);
  EXPECT_LT(std::fabs(cockpit.token(Token::CourseNeedle)), 127.0 / 2) << "within a dot of the localizer";
  EXPECT_LT(std::fabs(cockpit.token(Token::GlideSlopeNeedle)), 119.0 / 2) << "within a dot of the glide slope";
  EXPECT_LT(std::fabs(cockpit.token(Token::CourseNeedle)), 10.0) << "in fact close to it";
  EXPECT_LT(std::fabs(cockpit.token(Token::GlideSlopeNeedle)), 20.0);
  EXPECT_EQ(GetDfgsModeE(), kModeEIlsApproach);
  EXPECT_NEAR(cockpit.token(Token::IndicatedAirspeedKt), 150.0, 5.0) << "the autothrottle holds the speed";
  EXPECT_EQ(cockpit.token(Token::AutopilotEngaged), 1.0);
}

// With landing flaps the autoland button arms the autoland approach (both
// receivers on the ILS): the cockpit's cascades run down through align and
// flare to the touchdown, the rollout and the autopilot's disconnect.
TEST(RadioNav, AnAutolandFlaresTouchesDownAndRollsOut) {
  Cockpit cockpit({.start = false, .flightModel = true});
  const Ils ils;
  OnTheIntercept(cockpit, ils, 16383).control("FGCP PANEL", "speed_value", 140);
  cockpit.control("FGCP PANEL", "autoland", 1).runSeconds(1.1);
  ASSERT_EQ(GetDfgsApproachMode(), kApproachAutoland);
  bool autolandStatus = false;
  bool aligned = false;
  bool flared = false;
  bool retarded = false;
  double touchdownFpm = 0.0;
  cockpit.runUntil(
      [&] {
        autolandStatus = autolandStatus || GetDfgsModeE() == kModeEAutolandAutopilot;
        aligned = aligned || GetDfgsRollMode() == kRollAlign;
        flared = flared || GetDfgsPitchMode() == kPitchFlare;
        retarded = retarded || GetDfgsThrustMode() == kThrustAutolandRetard;
        if (cockpit.token(Token::OnGround) == 0.0) touchdownFpm = cockpit.scaled(Token::VerticalSpeed);
        return cockpit.token(Token::OnGround) != 0.0;
      },
      600);
  ASSERT_EQ(cockpit.token(Token::OnGround), 1.0) << "touched down";
  EXPECT_TRUE(autolandStatus);
  EXPECT_TRUE(aligned);
  EXPECT_TRUE(flared);
  EXPECT_TRUE(retarded);
  EXPECT_GT(touchdownFpm, -300.0) << "a flared touchdown";
  EXPECT_LT(std::fabs(cockpit.token(Token::CourseNeedle)), 10.0) << "on the centreline";
  const double beyondThresholdFt = Distance({cockpit.latitudeDeg(), cockpit.longitudeDegEast()}, {kRwy14Lat, kRwy14Lon}) / kMPerFt;
  EXPECT_LT(beyondThresholdFt, 10000.0) << "on the runway";
  cockpit.runSeconds(1);
  EXPECT_EQ(GetDfgsPitchMode(), kPitchRollout);
  EXPECT_EQ(GetDfgsRollMode(), kRollRollout);
  cockpit.runSeconds(9);
  EXPECT_EQ(cockpit.token(Token::AutopilotEngaged), 0.0) << "disconnected 8 s after the touchdown";
}

}  // namespace
}  // namespace halcyon::test
