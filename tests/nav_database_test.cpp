// The navigation database: the loader's tolerance of hand-edited files, the
// map display's box searches (strict edges, no NDBs, database order, the end
// record) against a plain scan, lookups by ident, chains freed without
// recursion, and the magnetic variation grid.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cctype>
#include <cmath>
#include <cstdlib>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "nav/great_circle.h"
#include "nav/nav_database.h"
#include "platform/paths.h"
#include "platform/system.h"
#include "tests/cockpit.h"
#include "tests/small_stack.h"

namespace halcyon::test {
namespace {

// Three navaids of every kind around 47N 8E (file longitudes east positive),
// one of them on the box edge, and one ident used twice far apart.
constexpr const char* kNavaids =
    "# samples\n"
    "@NAV|ident|type|lat|lon|freq\n"
    "NAV|AAA|VOR|47.0|8.0|110.0\n"
    "NAV|BBB|NDB|47.1|8.1|350\n"
    "NAV|CCC|VORDME|47.2|8.2|112.0\n"
    "NAV|DDD|DME|46.9|7.9|113.0\n"
    "NAV|EDGE|VOR|48.0|8.0|114.0\n"
    "NAV|AAA|VOR|-33.0|151.0|115.0\n";

std::vector<std::string> Idents(const CNavPoint* head) {
  std::vector<std::string> idents;
  for (const CNavPoint* p = head; p != nullptr; p = p->GetNext()) idents.push_back(p->GetIdent());
  return idents;
}

std::vector<std::string> Idents(const CFix* head) {
  std::vector<std::string> idents;
  for (const CFix* p = head; p != nullptr; p = p->GetNext()) idents.push_back(p->GetIdent());
  return idents;
}

std::vector<std::string> Idents(const CAirport* head) {
  std::vector<std::string> idents;
  for (const CAirport* p = head; p != nullptr; p = p->GetNext()) idents.push_back(p->GetIdent());
  return idents;
}

// West-positive position from east-positive degrees, as the file holds them.
CLatLon East(double lat, double lonEast) { return CLatLon(lat, -lonEast); }

TEST(NavDatabaseLoader, ReadsColumnsByNameInAnyOrderAndIgnoresUnknownOnes) {
  CNavDatabase db;
  db.LoadFixes("waypoints.txt",
               "@FIX|lon|colour|ident|lat\n"
               "FIX|8.5|red|alpha|47.25\n"
               "  FIX | -122.25 | | BRAVO | 47.5  \r\n");
  ASSERT_EQ(db.Fixes().size(), 2u);
  EXPECT_STREQ(db.Fixes()[0].GetIdent(), "ALPHA") << "idents are upper case";
  EXPECT_DOUBLE_EQ(db.Fixes()[0].GetPosition()->GetLat(), 47.25);
  EXPECT_DOUBLE_EQ(db.Fixes()[0].GetPosition()->GetLon(), -8.5) << "east in the file, west positive inside";
  EXPECT_DOUBLE_EQ(db.Fixes()[1].GetPosition()->GetLon(), 122.25);
  EXPECT_EQ(db.Report().badLines, 0u);

  db.LoadAirports("airports.txt",
                  "@RWY|ident|airport|heading_mag|lat|lon\n"
                  "RWY|16|QXAA|163.5|47.46|8.55\n"  // before its airport
                  "@APT|name|ident|lat|lon\n"
                  "APT|North Field|QXAA|47.45|8.55\n");
  ASSERT_EQ(db.Airports().size(), 1u);
  ASSERT_EQ(db.Airports()[0].GetRunways().size(), 1u);
  EXPECT_DOUBLE_EQ(db.Airports()[0].GetRunways()[0].GetHeading(), 163.5);
  EXPECT_EQ(db.Airports()[0].GetName(), "North Field");
  EXPECT_EQ(db.Airports()[0].GetElevationFt(), kUnsetValue) << "an optional column left out";

  // A file that starts with a byte-order mark reads from its first header; a
  // header given again names the columns anew, dropping the ones it leaves out.
  db.LoadNavaids("navaids.txt",
                 "\xEF\xBB\xBF@NAV|ident|type|lat|lon|freq\n"
                 "NAV|ONE|VOR|47|8|110.5\n"
                 "@NAV|ident|type|lat|lon\n"
                 "NAV|TWO|VOR|47|8|111.5\n");
  ASSERT_EQ(db.Navaids().size(), 2u);
  EXPECT_EQ(db.Navaids()[0].GetFrequency(), 110.5);
  EXPECT_EQ(db.Navaids()[1].GetFrequency(), kUnsetValue) << "no freq column any more";
  EXPECT_EQ(db.Report().badLines, 0u);
}

TEST(NavDatabaseLoader, CountsBadLinesWithTheirNumbersAndKeepsTheGoodOnes) {
  CNavDatabase db;
  db.LoadNavaids("navaids.txt",
                 "NAV|EARLY|VOR|1|1\n"                 // 1: before the header
                 "@NAV|ident|type|lat|lon|freq\n"      // 2
                 "NAV|OK1|VOR|47|8|110.5\n"            // 3
                 "NAV|BAD|TACAN|47|8|110.5\n"          // 4: unknown type
                 "NAV|TOOLONG|VOR|47|8\n"              // 5: ident over 5
                 "NAV|LAT|VOR|91|8\n"                  // 6: beyond the pole
                 "NAV|NUM|VOR|4x7|8\n"                 // 7: not a number
                 "\n# fine\n"                          // 8, 9
                 "NAV|FREQ|VOR|47|8|abc\n"             // 10: optional, but not a number
                 "NAV|NAN|VOR|nan|8\n"                 // 11
                 "NAV||VOR|47|8\n"                     // 12: no ident
                 "NAV|OK2|NDB|47|8\n");                // 13
  ASSERT_EQ(db.Navaids().size(), 2u);
  EXPECT_STREQ(db.Navaids()[1].GetIdent(), "OK2");
  EXPECT_EQ(db.Navaids()[1].GetFrequency(), kUnsetValue);
  const std::vector<uint32_t> expected = {1, 4, 5, 6, 7, 10, 11, 12};
  ASSERT_EQ(db.Report().badLines, expected.size());
  for (size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(db.Report().problems[i].file, "navaids.txt");
    EXPECT_EQ(db.Report().problems[i].line, expected[i]) << db.Report().problems[i].what;
  }

  // A runway of an airport that is nowhere in the file is a bad line too.
  db.LoadAirports("airports.txt", "@APT|ident|lat|lon\n@RWY|airport|ident|lat|lon|heading_mag\nRWY|NONE|09|1|1|90\n");
  EXPECT_EQ(db.Report().problems.back().line, 3u);

  // A heading no runway has.
  db.LoadAirports("airports.txt",
                  "@APT|ident|lat|lon\nAPT|QXAA|47|8\n@RWY|airport|ident|lat|lon|heading_mag\n"
                  "RWY|QXAA|09|47|8|-90\nRWY|QXAA|27|47|8.1|360.5\nRWY|QXAA|36|47|8.1|360\n"
                  "RWY|QXAA|18|47|8.2|0\nRWY|QXAA|01|47|8.2|-0.01\n");
  ASSERT_EQ(db.Airports().size(), 1u);
  EXPECT_EQ(db.Airports()[0].GetRunways().size(), 2u) << "only the runways at 360 and at 0";
  EXPECT_EQ(db.Report().problems.back().what, "heading_mag outside 0 to 360");
}

TEST(NavDatabaseLoader, ARecordBeforeItsHeaderIsQuotedShortAndEscaped) {
  CNavDatabase db;
  const std::string longTag = "\x1b[31m" + std::string(100000, 'N');
  db.LoadNavaids("navaids.txt", longTag + "|X|VOR|1|1\n@NAV|ident|type|lat|lon\n");
  ASSERT_EQ(db.Report().problems.size(), 1u);
  const std::string& what = db.Report().problems[0].what;
  EXPECT_LT(what.size(), 120u) << "a short excerpt, not the whole field";
  EXPECT_EQ(what.find('\x1b'), std::string::npos) << "no terminal escape reaches the trace";
  EXPECT_NE(what.find("\\x1B[31mNNN"), std::string::npos) << what;
}

TEST(NavDatabaseLoader, AMissingFileLeavesItsPartEmptyAndSaysSo) {
  Cockpit cockpit;  // a fresh simulator folder with the shipped data, as the working folder
  platform::ClearMessageBoxes();
  std::remove(platform::ResolvePath(std::string(".\\Navigraph\\NavData\\airports.txt")).c_str());
  CNavDatabase db;
  db.Load();
  EXPECT_TRUE(db.Airports().empty());
  ASSERT_EQ(platform::MessageBoxes().size(), 1u);
  EXPECT_EQ(platform::MessageBoxes()[0].text, L"Airport NavData not found.");
  EXPECT_EQ(platform::MessageBoxes()[0].caption, L"LoadAirportData");
  EXPECT_EQ(db.Report().missingFiles, std::vector<std::string>{"airports.txt"});
  // The rest still loads, and the shipped files have no bad line.
  EXPECT_FALSE(db.Navaids().empty());
  EXPECT_FALSE(db.Fixes().empty());
  EXPECT_TRUE(db.MagVarGrid().IsLoaded());
  EXPECT_EQ(db.Report().badLines, 0u);

  // A folder where a file should be is no file: reported as missing.
  const std::string waypoints = platform::ResolvePath(std::string(".\\Navigraph\\NavData\\waypoints.txt"));
  std::remove(waypoints.c_str());
  ASSERT_EQ(mkdir(waypoints.c_str(), 0755), 0);
  CNavDatabase folder;
  folder.Load();
  EXPECT_EQ(folder.Report().missingFiles, (std::vector<std::string>{"airports.txt", "waypoints.txt"}));
  EXPECT_EQ(platform::MessageBoxes().size(), 3u);
  EXPECT_TRUE(folder.Fixes().empty());

  CNavDatabase none;
  none.Load(L".\\nowhere\\");
  EXPECT_EQ(none.Report().missingFiles.size(), 4u);
  EXPECT_EQ(platform::MessageBoxes().size(), 7u);
  EXPECT_EQ(none.MagVarAtPosition(East(47, 8)), 0.0);
}

// The source's errors stay out of the shipped airports: thresholds far from
// their airport (lat and lon swapped) and runway ends pointing against their
// designator (thresholds swapped).
TEST(NavDatabaseLoader, NoShippedRunwayEndIsFarFromItsAirportOrAgainstItsDesignator) {
  Cockpit cockpit;
  CNavDatabase db;
  db.Load();
  ASSERT_GT(db.Airports().size(), 9000u);
  size_t checked = 0;
  for (const CAirport& airport : db.Airports()) {
    for (const CRunway& runway : airport.GetRunways()) {
      const CLatLon* at = runway.GetPosition();
      EXPECT_LE(GreatCircleDistanceNm(airport.GetPosition()->GetLat(), airport.GetPosition()->GetLon(), at->GetLat(),
                                      at->GetLon()),
                5.0)
          << airport.GetIdent() << " " << runway.GetIdent();
      const std::string ident = runway.GetIdent();
      // Designators such as "06", "6R", "24L"; others ("N", "H1", "009") name no direction.
      size_t digits = 0;
      while (digits < ident.size() && std::isdigit(static_cast<unsigned char>(ident[digits]))) ++digits;
      const std::string letters = ident.substr(digits);
      if (digits == 0 || digits > 2 || letters.size() > 1 || letters.find_first_not_of("LRCT") != std::string::npos) {
        continue;
      }
      const int number = std::atoi(ident.c_str());
      if (number < 1 || number > 36) continue;
      const double off = std::fabs(std::remainder(runway.GetHeading() - number * 10.0, 360.0));
      EXPECT_LE(off, 90.0) << airport.GetIdent() << " " << ident << " " << runway.GetHeading();
      ++checked;
    }
  }
  EXPECT_GT(checked, 20000u);
}

TEST(NavDatabaseSearch, NavaidBoxIsStrictSkipsNdbsKeepsFileOrderAndEndsWithAnUnsetRecord) {
  CNavDatabase db;
  db.LoadNavaids("navaids.txt", kNavaids);
  CNavPoint head;
  // Centre 47.5N 8.0E: AAA at 47.0 and EDGE at 48.0 lie on the latitude edges.
  EXPECT_EQ(db.FindNavaidsInBox(&head, East(47.5, 8.0), 0.5 + 1e-9, 1.0), 3);
  EXPECT_EQ(Idents(&head), (std::vector<std::string>{"AAA", "CCC", "EDGE", "-----"})) << "no NDB, file order";
  EXPECT_EQ(db.FindNavaidsInBox(&head, East(47.5, 8.0), 0.5, 1.0), 1);
  EXPECT_EQ(Idents(&head), (std::vector<std::string>{"CCC", "-----"}));
  // Centre 7.0E: AAA and EDGE at 8.0E lie on the longitude edge.
  EXPECT_EQ(db.FindNavaidsInBox(&head, East(47.2, 7.0), 1.0, 1.0), 1);
  EXPECT_EQ(Idents(&head), (std::vector<std::string>{"DDD", "-----"}));
  // The same head used again: the old chain goes, nothing inside gives the
  // end record alone.
  EXPECT_EQ(db.FindNavaidsInBox(&head, East(0, 0), 1, 1), 0);
  EXPECT_FALSE(head.IsSet());
  EXPECT_EQ(head.GetNext(), nullptr);
  EXPECT_EQ(db.FindNavaidsInBox(&head, East(47.1, 8.1), 0.0, 5.0), 0) << "a box of no height holds nothing";
  EXPECT_EQ(db.FindNavaidsInBox(nullptr, East(47.5, 8.0), 1.0, 1.0), 0) << "no head: nothing found, nothing written";
}

TEST(NavDatabaseSearch, AirportAndFixBoxesCopyAndEndAsSpecified) {
  CNavDatabase db;
  db.LoadAirports("airports.txt",
                  "@APT|ident|lat|lon|elev_ft\n"
                  "APT|QXAA|47.4|8.5|1400\n"
                  "APT|QXBB|47.6|8.7|1500\n"
                  "APT|QXCC|50.0|8.5|100\n");
  db.LoadFixes("waypoints.txt",
               "@FIX|ident|lat|lon\n"
               "FIX|ONE|47.45|8.55\n"
               "FIX|TWO|47.55|8.45\n"
               "FIX|WEST|47.5|7.5\n");  // on the west edge
  CAirport airports;
  EXPECT_EQ(db.FindAirportsInBox(&airports, East(47.5, 8.5), 1.0, 1.0), 2);
  EXPECT_EQ(Idents(&airports), (std::vector<std::string>{"QXAA", "QXBB", "----"}));
  EXPECT_DOUBLE_EQ(airports.GetPosition()->GetLon(), -8.5);
  EXPECT_FALSE(airports.GetNext()->GetNext()->IsSet());

  CFix fixes;
  EXPECT_STREQ(fixes.GetIdent(), "") << "a fresh head reads as an empty list";
  EXPECT_EQ(db.FindFixesInBox(&fixes, East(47.5, 8.5), 1.0, 1.0), 2);
  EXPECT_EQ(Idents(&fixes), (std::vector<std::string>{"ONE", "TWO", ""}));
  EXPECT_EQ(db.FindFixesInBox(nullptr, East(47.5, 8.5), 1.0, 1.0), 0);
  EXPECT_EQ(db.FindAirportsInBox(nullptr, East(47.5, 8.5), 1.0, 1.0), 0);
  const CFix* end = fixes.GetNext()->GetNext();
  EXPECT_FALSE(end->GetPosition()->IsValid());
  EXPECT_EQ(end->GetNext(), nullptr);
}

// The searches give exactly what a scan of every record in file order gives,
// on random boxes over the shipped data.
template <typename Record, typename Search, typename Keep>
void ExpectSameAsScan(const std::vector<Record>& records, Search search, Keep keep, std::mt19937& random) {
  std::uniform_real_distribution<double> lat(-60, 70), lon(-180, 180), size(0.05, 6.0);
  for (int trial = 0; trial < 300; ++trial) {
    const CLatLon centre(lat(random), lon(random));
    const double dLat = size(random);
    const double dLon = dLat * 2;
    std::vector<std::string> scan;
    for (const Record& record : records) {
      const CLatLon& p = *record.GetPosition();
      if (keep(record) && p.GetLat() > centre.GetLat() - dLat && p.GetLat() < centre.GetLat() + dLat &&
          p.GetLon() > centre.GetLon() - dLon && p.GetLon() < centre.GetLon() + dLon) {
        scan.push_back(std::string(record.GetIdent()) + "@" + std::to_string(p.GetLat()));
      }
    }
    Record head;
    const int count = search(&head, centre, dLat, dLon);
    std::vector<std::string> found;
    for (const Record* r = &head; r->GetNext() != nullptr; r = r->GetNext()) {
      found.push_back(std::string(r->GetIdent()) + "@" + std::to_string(r->GetPosition()->GetLat()));
    }
    ASSERT_EQ(count, static_cast<int>(found.size()));
    ASSERT_EQ(found, scan) << "box " << centre.GetLat() << " " << centre.GetLon() << " " << dLat;
  }
}

TEST(NavDatabaseSearch, TheIndexAnswersAsAPlainScanOverTheShippedData) {
  Cockpit cockpit;
  CNavDatabase db;
  db.Load();
  ASSERT_GT(db.Airports().size(), 5000u);
  std::mt19937 random(17);
  ExpectSameAsScan(
      db.Airports(), [&db](CAirport* h, const CLatLon& c, double a, double b) { return db.FindAirportsInBox(h, c, a, b); },
      [](const CAirport&) { return true; }, random);
  ExpectSameAsScan(
      db.Navaids(), [&db](CNavPoint* h, const CLatLon& c, double a, double b) { return db.FindNavaidsInBox(h, c, a, b); },
      [](const CNavPoint& n) { return n.GetType() != 3; }, random);
  // Boxes round the sample navaids and fixes themselves.
  std::uniform_real_distribution<double> near(-1.5, 1.5);
  for (int trial = 0; trial < 50; ++trial) {
    const CLatLon& p = *db.Fixes()[trial % db.Fixes().size()].GetPosition();
    CFix head;
    const CLatLon centre(p.GetLat() + near(random), p.GetLon() + near(random));
    int scan = 0;
    for (const CFix& fix : db.Fixes()) {
      const CLatLon& q = *fix.GetPosition();
      scan += q.GetLat() > centre.GetLat() - 1 && q.GetLat() < centre.GetLat() + 1 && q.GetLon() > centre.GetLon() - 2 &&
              q.GetLon() < centre.GetLon() + 2;
    }
    EXPECT_EQ(db.FindFixesInBox(&head, centre, 1, 2), scan);
  }
}

TEST(NavDatabaseLookup, TheNearestOfSeveralWithOneIdent) {
  CNavDatabase db;
  db.LoadNavaids("navaids.txt", kNavaids);
  db.LoadFixes("waypoints.txt", "@FIX|ident|lat|lon\nFIX|CCC|47.3|8.3\n");
  EXPECT_DOUBLE_EQ(db.FindNavaid("AAA", East(-34, 150))->GetPosition()->GetLat(), -33.0);
  EXPECT_DOUBLE_EQ(db.FindNavaid("AAA", East(46, 9))->GetPosition()->GetLat(), 47.0);
  EXPECT_DOUBLE_EQ(db.FindNavaid("AAA")->GetPosition()->GetLat(), 47.0) << "no position: the first in the file";
  EXPECT_EQ(db.FindNavaid("ZZZ"), nullptr);
  EXPECT_EQ(db.FindNavaid("AA"), nullptr) << "whole idents only";
  // A fix and a navaid share CCC: the nearer is the waypoint.
  EXPECT_EQ(db.FindWaypoint("CCC", East(47.31, 8.31)).kind, CNavDatabase::WaypointKind::Fix);
  EXPECT_EQ(db.FindWaypoint("CCC", East(47.19, 8.19)).kind, CNavDatabase::WaypointKind::Navaid);
  EXPECT_EQ(db.FindWaypoint("QQQ").kind, CNavDatabase::WaypointKind::None);
}

TEST(NavRecords, AChainOfAHundredThousandRecordsIsFreedWithoutRecursion) {
  // Freed on a thread of half a megabyte of stack, where a recursive
  // destructor (a frame a record) overflows; AddressSanitizer in CI also
  // reports anything left behind.
  constexpr int kRecords = 100000;
  CFix* fixes = new CFix();
  CNavPoint* navaids = new CNavPoint();
  CAirport* airports = new CAirport();
  for (int i = 0; i < kRecords; ++i) {
    CFix* fix = new CFix("F", CLatLon(1, 1));
    fix->SetNext(fixes);
    fixes = fix;
    CNavPoint* navaid = new CNavPoint();
    navaid->SetNext(navaids);
    navaids = navaid;
    CAirport* airport = new CAirport();
    airport->SetNext(airports);
    airports = airport;
  }
  RunOnSmallStack([&] {
    delete fixes;
    delete navaids;
    delete airports;
  });
}

// ---- Magnetic variation grid ----

// A 3 x 4 grid of 90-degree cells over the whole world: the value is the
// column plus ten times the row, so each interpolation shows.
constexpr const char* kSmallGrid =
    "@GRID|lat_min|lat_step|rows|lon_min|lon_step|cols\n"
    "GRID|-90|90|3|-180|90|4\n"
    "@ROW|lat|values\n"
    "ROW|90|20 21 22 23\n"
    "ROW|-90|0 1 2 3\n"
    "ROW|0|10 11 12 13\n";

TEST(MagVarGrid, InterpolatesWrapsClampsAndAnswersZeroWhenUnset) {
  CMagVarGrid grid;
  NavLoadReport report;
  ASSERT_TRUE(grid.Parse("magvar.txt", kSmallGrid, &report));
  EXPECT_NEAR(grid.AtLatLonWest(0, 180), 10.0, 1e-6) << "the grid's corner cell, 180W";
  EXPECT_NEAR(grid.AtLatLonWest(45, 135), 15.5, 1e-6) << "half way on both axes";
  EXPECT_NEAR(grid.AtLatLonWest(0, -135), 13.0 + (10.0 - 13.0) * 0.5, 1e-6) << "past the last column: wraps to the first";
  EXPECT_NEAR(grid.AtLatLonWest(0, -180), grid.AtLatLonWest(0, 180), 1e-6) << "180E and 180W are one meridian";
  EXPECT_NEAR(grid.AtLatLonWest(90, 0), 22.0, 1e-6);
  EXPECT_NEAR(grid.AtLatLonWest(95, 0), 22.0, 1e-6) << "beyond the pole the edge row";
  EXPECT_EQ(grid.At(CLatLon()), 0.0) << "an unset position";

  // A world grid that starts at the prime meridian: west longitudes wrap to
  // its last columns.
  CMagVarGrid fromGreenwich;
  ASSERT_TRUE(fromGreenwich.Parse("magvar.txt",
                                  "@GRID|lat_min|lat_step|rows|lon_min|lon_step|cols\nGRID|-90|90|3|0|90|4\n"
                                  "@ROW|lat|values\nROW|-90|0 1 2 3\nROW|0|10 11 12 13\nROW|90|20 21 22 23\n",
                                  &report));
  EXPECT_NEAR(fromGreenwich.AtLatLonWest(0, 90), 13.0, 1e-6) << "90W is the column at 270E";
  EXPECT_NEAR(fromGreenwich.AtLatLonWest(0, 45), 11.5, 1e-6) << "45W: between 270E and 0E";
  EXPECT_EQ(grid.AtLatLonWest(NAN, 0), 0.0);

  CMagVarGrid shortRow;
  EXPECT_FALSE(shortRow.Parse("magvar.txt", "@GRID|lat_min|lat_step|rows|lon_min|lon_step|cols\nGRID|-90|90|3|-180|90|4\n"
                                            "@ROW|lat|values\nROW|-90|0 1 2\nROW|0|1 2 3 4\nROW|90|1 2 3 4\n",
                                &report));
  EXPECT_FALSE(shortRow.IsLoaded());
  EXPECT_EQ(shortRow.AtLatLonWest(0, 0), 0.0);
  EXPECT_GE(report.badLines, 2u) << "the short row and the grid left unused";
}

TEST(MagVarGrid, BlendsAcrossTheJumpAtPlusMinus180AndRefusesValuesBeyondIt) {
  // Near a magnetic pole the declination turns through a whole circle: a
  // cell with +170 on one side and -170 on the other is about 180 inside,
  // never about 0.
  CMagVarGrid pole;
  NavLoadReport report;
  ASSERT_TRUE(pole.Parse("magvar.txt",
                         "@GRID|lat_min|lat_step|rows|lon_min|lon_step|cols\nGRID|-90|90|3|-180|90|4\n"
                         "@ROW|lat|values\nROW|-90|170 -170 -170 170\nROW|0|170 -170 -90 10\nROW|90|0 0 0 0\n",
                         &report));
  EXPECT_NEAR(std::fabs(pole.AtLatLonWest(-90, 135)), 180.0, 1e-6) << "half way from +170 to -170";
  EXPECT_NEAR(pole.AtLatLonWest(-90, 157.5), 175.0, 1e-6);
  EXPECT_NEAR(pole.AtLatLonWest(-90, 112.5), -175.0, 1e-6);
  EXPECT_NEAR(pole.AtLatLonWest(-45, 45), (-170.0 + -130.0) / 2.0, 1e-6) << "cells without the jump as before";
  for (double lat = -90; lat <= 90; lat += 7.5) {
    for (double lon = -180; lon <= 180; lon += 7.5) {
      const double value = pole.AtLatLonWest(lat, lon);
      EXPECT_TRUE(value >= -180.0 && value <= 180.0) << lat << " " << lon << " " << value;
    }
  }

  // A row one step past the grid's last latitude is refused, never stored
  // past the end.
  CMagVarGrid past;
  NavLoadReport pastReport;
  EXPECT_TRUE(past.Parse("magvar.txt",
                         "@GRID|lat_min|lat_step|rows|lon_min|lon_step|cols\nGRID|-90|90|3|-180|90|4\n"
                         "@ROW|lat|values\nROW|-90|1 2 3 4\nROW|0|1 2 3 4\nROW|90|1 2 3 4\nROW|180|9 9 9 9\n",
                         &pastReport));
  EXPECT_EQ(pastReport.badLines, 1u);
  EXPECT_NEAR(past.AtLatLonWest(90, 0), 3.0, 1e-6);

  // A value no declination can have is a bad row, not a NaN between points.
  CMagVarGrid huge;
  NavLoadReport hugeReport;
  EXPECT_FALSE(huge.Parse("magvar.txt",
                          "@GRID|lat_min|lat_step|rows|lon_min|lon_step|cols\nGRID|-90|90|3|-180|90|4\n"
                          "@ROW|lat|values\nROW|-90|1e308 11 12 -1e308\nROW|0|1 2 3 4\nROW|90|1 2 3 4\n",
                          &hugeReport));
  EXPECT_GE(hugeReport.badLines, 1u);
  EXPECT_EQ(huge.AtLatLonWest(-45, 0), 0.0);
}

TEST(MagVarGrid, TheShippedGridMatchesTheWorldMagneticModel) {
  Cockpit cockpit;
  CNavDatabase db;
  db.Load();
  // The model's own declinations at these points at the grid's epoch, east
  // positive (tools/make_magvar_grid.js prints them), off the grid's nodes.
  struct Reference {
    double lat, lonEast, degrees;
  };
  const Reference references[] = {
      {47.4647, 8.5492, 3.68},    {47.4502, -122.3088, 14.81}, {40.6413, -73.7781, -12.54},
      {-33.9461, 151.1772, 12.85}, {35.5494, 139.7798, -7.89},  {64.13, -21.9406, -10.98},
      {-22.81, -43.2506, -23.01},  {1.3644, 103.9915, 0.25},
  };
  for (const Reference& r : references) {
    EXPECT_NEAR(db.MagVarAtPosition(East(r.lat, r.lonEast)), r.degrees, 0.25) << r.lat << " " << r.lonEast;
  }
  // Between the south magnetic pole and the geographic pole, where the
  // model gives about -179.9: never the +0.1 a blend across the jump gives.
  const double nearPole = db.MagVarAtPosition(East(-77.5, 142.5));
  EXPECT_LT(std::fabs(std::remainder(nearPole + 179.9, 360.0)), 2.0) << nearPole;
}

TEST(MagVarGrid, TheSimulatorsVariationComesFromTheSameGrid) {
  Cockpit cockpit;
  CNavDatabase db;
  db.Load();
  cockpit.setPosition(47.4647, 8.5492).runTicks(1);
  EXPECT_NEAR(cockpit.token(Token::MagneticVariationDeg), db.MagVarAtPosition(East(47.4647, 8.5492)), 1e-4);
  EXPECT_NEAR(cockpit.token(Token::MagneticVariationDeg), 3.68, 0.1) << "east at Zurich";
  cockpit.setPosition(40.6413, -73.7781).runTicks(1);
  EXPECT_NEAR(cockpit.token(Token::MagneticVariationDeg), -12.54, 0.1) << "west at New York";
  // The run log names the first and the last sample, each with its signs.
  const double westDeg = -cockpit.token(Token::MagneticVariationDeg);
  cockpit.setPosition(-33.5, 151.25).runTicks(1);
  const double eastDeg = cockpit.token(Token::MagneticVariationDeg);
  char start[80], end[80];
  std::snprintf(start, sizeof(start), "at the start: %.2f deg E at 47.4647 N 8.5492 E\n",
                db.MagVarAtPosition(East(47.4647, 8.5492)));
  std::snprintf(end, sizeof(end), "at the end:   %.2f deg %s at 33.5000 S 151.2500 E\n",
                std::fabs(eastDeg), eastDeg < 0 ? "W" : "E");
  const std::string summary = cockpit.host().MagVar().Summary();
  EXPECT_NE(summary.find(start), std::string::npos) << summary;
  EXPECT_NE(summary.find(end), std::string::npos) << summary;
  cockpit.setPosition(40.6413, -73.7781).runTicks(1);
  char newYork[80];
  std::snprintf(newYork, sizeof(newYork), "at the end:   %.2f deg W at 40.6413 N 73.7781 W\n", westDeg);
  EXPECT_NE(cockpit.host().MagVar().Summary().find(newYork), std::string::npos) << cockpit.host().MagVar().Summary();
  cockpit.setPosition(51.4779, 0.0).runTicks(1);
  EXPECT_NE(cockpit.host().MagVar().Summary().find(" at 51.4779 N 0.0000 E\n"), std::string::npos)
      << "Greenwich is east";
}

}  // namespace
}  // namespace halcyon::test
