// The simulator's NAV receivers, DMEs and the ILSs a scenario sets up.
#include "simhost/radio_nav.h"

#include <dirent.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>

#include "nav/nav_text.h"
#include "simhost/magnetic_variation.h"
#include "simhost/sim_root.h"
#include "simhost/sim_tokens.h"

namespace simhost {
namespace {

// ---- Tokens ----
struct ReceiverTokens {
  Token frequency;
  Token course;
  Token needle;
  Token toFrom;
  Token flags;
  Token dme;
  bool glideSlope;  // NAV 1 only: the glide slope, its flags and the rising runway
};
constexpr ReceiverTokens kReceivers[2] = {
    {Token::Nav1Frequency, Token::Nav1CourseDeg, Token::CourseNeedle, Token::Nav1ToFrom, Token::Nav1Code,
     Token::Dme1Nm, true},
    {Token::Nav2Frequency, Token::Nav2CourseDeg, Token::Nav2CourseNeedle, Token::Nav2ToFrom, Token::Nav2Code,
     Token::Dme2Nm, false},
};

// ---- Station flags ----
constexpr uint32_t kFlagLocalizer = 0x80;
constexpr uint32_t kFlagGlideSlope = 0x40;
constexpr uint32_t kFlagNoSignal = 0x08;
constexpr uint32_t kFlagDme = 0x01;
constexpr uint32_t kGlideSlopeFlagged = 4;

// ---- Needles ----
constexpr double kCourseFullScale = 127.0;
constexpr double kGlideSlopeFullScale = 119.0;
constexpr double kVorFullScaleDeg = 10.0;
constexpr double kLocalizerFullScaleDeg = 2.5;
constexpr double kGlideSlopeFullScaleDeg = 0.7;

// ---- Ranges ----
constexpr double kVorMaxRangeNm = 130.0;
constexpr double kStationAntennaFt = 50.0;
constexpr double kRadioHorizonNmPerSqrtFt = 1.23;
constexpr double kLocalizerNearDeg = 10.0;
constexpr double kLocalizerNearNm = 18.0;
constexpr double kLocalizerWideDeg = 35.0;
constexpr double kLocalizerWideNm = 10.0;
constexpr double kGlideSlopeSideDeg = 8.0;
constexpr double kGlideSlopeRangeNm = 10.0;
constexpr double kGlideSlopeLowShare = 0.45;
constexpr double kGlideSlopeHighShare = 1.75;

// ---- The ILS ----
constexpr double kLocalizerBeyondEndFt = 1000.0;
constexpr double kGlideSlopePastThresholdFt = 1000.0;
constexpr double kDefaultRunwayFt = 8000.0;
constexpr double kIlsLowestMhz = 108.10;
constexpr double kIlsHighestMhz = 111.95;
constexpr double kLowestSlopeDeg = 1.0;
constexpr double kHighestSlopeDeg = 8.0;

// ---- Frequencies ----
constexpr double kLowestNavMhz = 108.0;
constexpr int kLowestWholeMhz = 108;
constexpr int kHighestWholeMhz = 117;
constexpr int kChannelHundredths = 5;
constexpr double kSameFrequencyMhz = 0.005;

// ---- Units ----
constexpr double kPi = 3.14159265358979323846;
constexpr double kRad = kPi / 180.0;
constexpr double kEarthRadiusM = 6371000.0;
constexpr double kMPerNm = 1852.0;
constexpr double kMPerFt = 0.3048;

double Normalized180(double degrees) {
  degrees = std::fmod(degrees, 360.0);
  if (degrees > 180.0) degrees -= 360.0;
  if (degrees <= -180.0) degrees += 360.0;
  return degrees;
}

double DistanceM(double lat1, double lon1, double lat2, double lon2) {
  const double dLat = (lat2 - lat1) * kRad;
  const double dLon = (lon2 - lon1) * kRad;
  const double a = std::sin(dLat / 2) * std::sin(dLat / 2) +
                   std::cos(lat1 * kRad) * std::cos(lat2 * kRad) * std::sin(dLon / 2) * std::sin(dLon / 2);
  return 2.0 * kEarthRadiusM * std::asin(std::min(1.0, std::sqrt(a)));
}

// The initial great-circle direction from the first point to the second, true.
double BearingDeg(double lat1, double lon1, double lat2, double lon2) {
  const double dLon = (lon2 - lon1) * kRad;
  const double y = std::sin(dLon) * std::cos(lat2 * kRad);
  const double x = std::cos(lat1 * kRad) * std::sin(lat2 * kRad) - std::sin(lat1 * kRad) * std::cos(lat2 * kRad) * std::cos(dLon);
  return std::fmod(std::atan2(y, x) / kRad + 360.0, 360.0);
}

void Destination(double lat, double lon, double bearingDeg, double distanceM, double* outLat, double* outLon) {
  const double d = distanceM / kEarthRadiusM;
  const double b = bearingDeg * kRad;
  const double lat2 = std::asin(std::sin(lat * kRad) * std::cos(d) + std::cos(lat * kRad) * std::sin(d) * std::cos(b));
  const double lon2 =
      lon * kRad + std::atan2(std::sin(b) * std::sin(d) * std::cos(lat * kRad), std::cos(d) - std::sin(lat * kRad) * std::sin(lat2));
  *outLat = lat2 / kRad;
  *outLon = lon2 / kRad;
}

// How far a station's signal reaches an aircraft this high above it.
double RadioHorizonNm(double heightFt) {
  return kRadioHorizonNmPerSqrtFt * (std::sqrt(std::max(0.0, heightFt)) + std::sqrt(kStationAntennaFt));
}

double Needle(double deviationDeg, double fullScaleDeg, double fullScale) {
  return std::clamp(deviationDeg / fullScaleDeg * fullScale, -fullScale, fullScale);
}

std::string Upper(std::string text) {
  for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return text;
}

// The runway at the other end of the same strip: 14 for 32, 09L for 27R.
std::string Reciprocal(const std::string& runway) {
  size_t digits = 0;
  while (digits < runway.size() && std::isdigit(static_cast<unsigned char>(runway[digits]))) ++digits;
  if (digits == 0 || digits > 2) return "";
  int number = std::atoi(runway.substr(0, digits).c_str()) + 18;
  if (number > 36) number -= 36;
  char text[16];
  std::snprintf(text, sizeof(text), "%02d", number);
  std::string side = runway.substr(digits);
  if (side == "L") side = "R";
  else if (side == "R") side = "L";
  return text + side;
}

struct RunwayEnd {
  std::string ident;
  double latDeg = 0.0;
  double lonDeg = 0.0;
  double headingMagDeg = 0.0;
  double lengthFt = 0.0;
  double elevationFt = 0.0;
  bool hasElevation = false;
};

}  // namespace

// ---- Frequencies ----

double RadioNav::MhzFromBcd(double word) {
  if (!std::isfinite(word) || word < 0.0 || word > 0xFFFF) return 0.0;
  const uint32_t bcd = static_cast<uint32_t>(word);
  double mhz = 100.0;
  const double weights[4] = {10.0, 1.0, 0.1, 0.01};
  for (int i = 0; i < 4; ++i) {
    const uint32_t digit = (bcd >> (12 - 4 * i)) & 0xF;
    if (digit > 9) return 0.0;
    mhz += digit * weights[i];
  }
  return mhz;
}

uint32_t RadioNav::BcdFromMhz(double mhz) {
  const long hundredths = std::clamp(std::lround((mhz - 100.0) * 100.0), 0L, 9999L);
  uint32_t bcd = 0;
  long rest = hundredths;
  for (int shift = 0; shift < 16; shift += 4) {
    bcd |= static_cast<uint32_t>(rest % 10) << shift;
    rest /= 10;
  }
  return bcd;
}

bool RadioNav::ApplyKeyEvent(uint32_t event) {
  constexpr uint32_t kFirstEvent = 65640;  // NAV 1 whole down, whole up, fraction down, fraction up; then NAV 2
  if (event < kFirstEvent || event >= kFirstEvent + 8) return false;
  const Token token = kReceivers[(event - kFirstEvent) / 4].frequency;
  const uint32_t action = (event - kFirstEvent) % 4;
  double mhz = MhzFromBcd(GetToken(token));
  if (mhz < kLowestNavMhz) mhz = kLowestNavMhz;
  const long hundredths = std::lround(mhz * 100.0);
  int whole = static_cast<int>(hundredths / 100);
  int fraction = static_cast<int>(hundredths % 100);
  fraction -= fraction % kChannelHundredths;
  const int wholeSpan = kHighestWholeMhz - kLowestWholeMhz + 1;
  switch (action) {
    case 0: whole = kLowestWholeMhz + (whole - kLowestWholeMhz + wholeSpan - 1) % wholeSpan; break;
    case 1: whole = kLowestWholeMhz + (whole - kLowestWholeMhz + 1) % wholeSpan; break;
    case 2: fraction = (fraction + 100 - kChannelHundredths) % 100; break;
    default: fraction = (fraction + kChannelHundredths) % 100; break;
  }
  SetToken(token, BcdFromMhz(whole + fraction / 100.0));
  return true;
}

// ---- Stations ----

void RadioNav::ReadNavaids(const std::string& file, const std::string& text) {
  halcyon::NavLoadReport report;
  halcyon::NavTextReader reader(file, text, &report);
  reader.Want("NAV", {"ident", "type", "lat", "lon", "freq", "elev_ft"});
  while (reader.Next() >= 0) {
    const std::string type = Upper(std::string(reader.Field(1)));
    Station station;
    if (type == "VOR") station.kind = Kind::Vor;
    else if (type == "VORDME") station.kind = Kind::VorDme;
    else if (type == "DME") station.kind = Kind::Dme;
    else continue;  // an NDB is not on a NAV receiver's band
    double elevation = 0.0;
    if (!halcyon::ParseNavNumber(reader.Field(2), &station.latDeg) ||
        !halcyon::ParseNavNumber(reader.Field(3), &station.lonDeg) ||
        !halcyon::ParseNavNumber(reader.Field(4), &station.frequencyMhz) || std::fabs(station.latDeg) > 90.0 ||
        std::fabs(station.lonDeg) > 180.0) {
      reader.Reject("a station needs a position and a frequency");
      continue;
    }
    if (halcyon::ParseNavNumber(reader.Field(5), &elevation)) station.elevationFt = elevation;
    station.ident = std::string(reader.Field(0));
    station.variationDeg = variation_ != nullptr ? variation_->VariationAt(station.latDeg, station.lonDeg) : 0.0;
    stations_.push_back(station);
  }
  for (const halcyon::NavLoadProblem& problem : report.problems) {
    problems_.push_back(problem.file + ":" + std::to_string(problem.line) + ": " + problem.what);
  }
  ++navaidFiles_;
}

void RadioNav::Load(const std::string& root, const MagneticVariation* variation) {
  root_ = root;
  variation_ = variation;
  stations_.clear();
  problems_.clear();
  navaidFiles_ = 0;
  const std::string folder = RootPath(root, kNavDataFolder);
  // navaids.txt first, then the user's own files, in name order.
  std::vector<std::string> files{"navaids.txt"};
  std::vector<std::string> others;
  if (DIR* dir = opendir(folder.c_str()); dir != nullptr) {
    while (const dirent* entry = readdir(dir)) {
      const std::string name = entry->d_name;
      if (name.size() > 4 && name.compare(name.size() - 4, 4, ".txt") == 0 && name != "navaids.txt") {
        others.push_back(name);
      }
    }
    closedir(dir);
  }
  std::sort(others.begin(), others.end());
  files.insert(files.end(), others.begin(), others.end());
  for (const std::string& name : files) {
    std::string text;
    if (!halcyon::ReadNavFile(folder + "/" + name, &text)) {
      if (name == "navaids.txt") problems_.push_back("navaids.txt: not found, no VOR or DME stations");
      continue;
    }
    if (text.find("@NAV|") == std::string::npos) continue;
    ReadNavaids(name, text);
  }
  for (Tuning& tuning : tuning_) tuning.word = -1.0;
}

std::string RadioNav::AddIls(const std::string& airport, const std::string& runway, double frequencyMhz,
                             double glideSlopeDeg) {
  Station ils;
  if (std::string error = MakeIls(airport, runway, frequencyMhz, glideSlopeDeg, &ils); !error.empty()) return error;
  stations_.push_back(ils);
  for (Tuning& tuning : tuning_) tuning.word = -1.0;
  return "";
}

std::string RadioNav::CheckIls(const std::string& airport, const std::string& runway, double frequencyMhz,
                               double glideSlopeDeg) const {
  Station ils;
  return MakeIls(airport, runway, frequencyMhz, glideSlopeDeg, &ils);
}

std::string RadioNav::MakeIls(const std::string& airport, const std::string& runway, double frequencyMhz,
                              double glideSlopeDeg, Station* made) const {
  const long hundredths = std::lround(frequencyMhz * 100.0);
  if (!(frequencyMhz >= kIlsLowestMhz - 1e-6 && frequencyMhz <= kIlsHighestMhz + 1e-6) ||
      std::fabs(frequencyMhz * 100.0 - hundredths) > 1e-6 || (hundredths / 10) % 2 == 0) {
    return "an ILS frequency lies from 108.10 to 111.95 MHz with an odd tenth (108.10, 109.35, 110.30)";
  }
  if (!(glideSlopeDeg >= kLowestSlopeDeg && glideSlopeDeg <= kHighestSlopeDeg)) {
    return "a glide slope is 1 to 8 degrees";
  }
  std::string text;
  const std::string path = RootPath(root_, std::string(kNavDataFolder) + "/airports.txt");
  if (!halcyon::ReadNavFile(path, &text)) return "no airports.txt in the navigation data folder";
  halcyon::NavLoadReport report;
  halcyon::NavTextReader reader("airports.txt", text, &report);
  const int airportTag = reader.Want("APT", {"ident", "elev_ft"});
  reader.Want("RWY", {"airport", "ident", "lat", "lon", "heading_mag", "length_ft", "elev_ft"});
  const std::string wantedAirport = Upper(airport);
  bool airportFound = false;
  double airportElevationFt = 0.0;
  std::vector<RunwayEnd> ends;
  for (int tag; (tag = reader.Next()) >= 0;) {
    if (tag == airportTag) {
      if (Upper(std::string(reader.Field(0))) != wantedAirport) continue;
      airportFound = true;
      halcyon::ParseNavNumber(reader.Field(1), &airportElevationFt);
      continue;
    }
    if (Upper(std::string(reader.Field(0))) != wantedAirport) continue;
    RunwayEnd end;
    end.ident = Upper(std::string(reader.Field(1)));
    if (!halcyon::ParseNavNumber(reader.Field(2), &end.latDeg) || !halcyon::ParseNavNumber(reader.Field(3), &end.lonDeg)) {
      continue;
    }
    halcyon::ParseNavNumber(reader.Field(4), &end.headingMagDeg);
    halcyon::ParseNavNumber(reader.Field(5), &end.lengthFt);
    end.hasElevation = halcyon::ParseNavNumber(reader.Field(6), &end.elevationFt);
    ends.push_back(end);
  }
  if (!airportFound) return "no airport " + airport + " in airports.txt";
  const std::string wantedRunway = Upper(runway);
  const auto find = [&ends](const std::string& ident) {
    return std::find_if(ends.begin(), ends.end(), [&ident](const RunwayEnd& end) { return end.ident == ident; });
  };
  const auto threshold = find(wantedRunway);
  if (threshold == ends.end()) return "no runway " + runway + " at " + airport + " in airports.txt";
  const double variation = variation_ != nullptr ? variation_->VariationAt(threshold->latDeg, threshold->lonDeg) : 0.0;
  // The centreline from this threshold to the other one, where the file has it.
  double courseTrueDeg = std::fmod(threshold->headingMagDeg + variation + 360.0, 360.0);
  double lengthM = (threshold->lengthFt > 0.0 ? threshold->lengthFt : kDefaultRunwayFt) * kMPerFt;
  if (const auto other = find(Reciprocal(wantedRunway)); other != ends.end()) {
    courseTrueDeg = BearingDeg(threshold->latDeg, threshold->lonDeg, other->latDeg, other->lonDeg);
    lengthM = DistanceM(threshold->latDeg, threshold->lonDeg, other->latDeg, other->lonDeg);
  }
  Station& ils = *made;
  ils.ident = "ILS " + wantedAirport + " " + wantedRunway;
  ils.kind = Kind::Ils;
  ils.frequencyMhz = hundredths / 100.0;
  ils.elevationFt = threshold->hasElevation ? threshold->elevationFt : airportElevationFt;
  ils.variationDeg = variation;
  ils.courseTrueDeg = courseTrueDeg;
  ils.glideSlopeDeg = glideSlopeDeg;
  Destination(threshold->latDeg, threshold->lonDeg, courseTrueDeg, lengthM + kLocalizerBeyondEndFt * kMPerFt, &ils.latDeg,
              &ils.lonDeg);
  Destination(threshold->latDeg, threshold->lonDeg, courseTrueDeg, kGlideSlopePastThresholdFt * kMPerFt, &ils.gsLatDeg,
              &ils.gsLonDeg);
  return "";
}

// ---- Reception ----

void RadioNav::Tune(int receiver, double word) {
  Tuning& tuning = tuning_[receiver];
  tuning.word = word;
  tuning.stations.clear();
  const double mhz = MhzFromBcd(word);
  if (mhz == 0.0) return;
  for (size_t i = 0; i < stations_.size(); ++i) {
    if (std::fabs(stations_[i].frequencyMhz - mhz) < kSameFrequencyMhz) tuning.stations.push_back(i);
  }
}

void RadioNav::Receive(int receiver, double latDeg, double lonDeg, double altitudeFt) {
  Reception r;
  const ReceiverTokens& tokens = kReceivers[receiver];
  // The nearest station on the frequency gives the course, the nearest with
  // a DME the distance.
  const Station* course = nullptr;
  const Station* dme = nullptr;
  double courseM = 0.0;
  double dmeM = 0.0;
  for (size_t index : tuning_[receiver].stations) {
    const Station& station = stations_[index];
    const double d = DistanceM(station.latDeg, station.lonDeg, latDeg, lonDeg);
    if (station.kind != Kind::Dme && (course == nullptr || d < courseM)) {
      course = &station;
      courseM = d;
    }
    if ((station.kind == Kind::Dme || station.kind == Kind::VorDme) && (dme == nullptr || d < dmeM)) {
      dme = &station;
      dmeM = d;
    }
  }
  uint32_t flags = 0;
  if (dme != nullptr) {
    const double heightFt = altitudeFt - dme->elevationFt;
    if (dmeM / kMPerNm <= std::min(kVorMaxRangeNm, RadioHorizonNm(heightFt))) {
      r.dmeNm = std::hypot(dmeM, heightFt * kMPerFt) / kMPerNm;
      flags |= kFlagDme;
    }
  }
  const double selectedCourse = GetToken(tokens.course);
  if (course != nullptr && course->kind == Kind::Ils) {
    flags |= kFlagLocalizer | kFlagGlideSlope;
    const double heightFt = altitudeFt - course->elevationFt;
    const double az = Normalized180(BearingDeg(course->latDeg, course->lonDeg, latDeg, lonDeg) - course->courseTrueDeg - 180.0);
    const double nm = courseM / kMPerNm;
    const bool covered = (std::fabs(az) <= kLocalizerNearDeg && nm <= kLocalizerNearNm) ||
                         (std::fabs(az) <= kLocalizerWideDeg && nm <= kLocalizerWideNm);
    r.signal = covered && nm <= RadioHorizonNm(heightFt);
    r.localizer = true;
    r.courseTrueDeg = course->courseTrueDeg;
    if (r.signal) {
      r.needle = Needle(az, kLocalizerFullScaleDeg, kCourseFullScale);
      r.flyRightM = courseM * std::sin(az * kRad);
      r.toFrom = 1;
      const double gsM = DistanceM(course->gsLatDeg, course->gsLonDeg, latDeg, lonDeg);
      const double elevationDeg = std::atan2(heightFt * kMPerFt, gsM) / kRad;
      const double slope = course->glideSlopeDeg;
      r.glideSlopeDeg = slope;
      r.glideSlope = std::fabs(az) <= kGlideSlopeSideDeg && gsM / kMPerNm <= kGlideSlopeRangeNm &&
                     elevationDeg >= kGlideSlopeLowShare * slope && elevationDeg <= kGlideSlopeHighShare * slope;
      if (r.glideSlope) {
        r.glideSlopeNeedle = Needle(slope - elevationDeg, kGlideSlopeFullScaleDeg, kGlideSlopeFullScale);
        r.aboveGlidePathFt = heightFt - gsM / kMPerFt * std::tan(slope * kRad);
      }
    }
  } else if (course != nullptr) {
    const double heightFt = altitudeFt - course->elevationFt;
    r.signal = courseM / kMPerNm <= std::min(kVorMaxRangeNm, RadioHorizonNm(heightFt));
    if (r.signal) {
      r.radialMagDeg = std::fmod(BearingDeg(course->latDeg, course->lonDeg, latDeg, lonDeg) - course->variationDeg + 720.0, 360.0);
      const double fromDeviation = Normalized180(r.radialMagDeg - selectedCourse);
      const bool from = std::fabs(fromDeviation) < 90.0;
      // Off a FROM course the needle points away from the side of the radial
      // the aircraft is on; off a TO course towards it.
      const double deviation = from ? -fromDeviation : Normalized180(r.radialMagDeg - selectedCourse - 180.0);
      r.toFrom = from ? 2 : 1;
      r.needle = Needle(deviation, kVorFullScaleDeg, kCourseFullScale);
      r.flyRightM = courseM * std::sin(deviation * kRad);
      r.courseTrueDeg = std::fmod(selectedCourse + course->variationDeg + 360.0, 360.0);
    }
  }
  if (course == nullptr && dme != nullptr) flags |= kFlagNoSignal;  // a DME alone gives no course
  if (course != nullptr && !r.signal) flags |= kFlagNoSignal;
  reception_[receiver] = r;

  SetToken(tokens.needle, r.needle);
  SetToken(tokens.toFrom, r.toFrom);
  SetToken(tokens.flags, flags);
  SetToken(tokens.dme, r.dmeNm);
  if (tokens.glideSlope) {
    SetToken(Token::GlideSlopeNeedle, r.glideSlopeNeedle);
    SetToken(Token::Nav1Flags, r.localizer && !r.glideSlope ? kGlideSlopeFlagged : 0.0);
    SetToken(Token::RisingRunway, r.localizer && r.signal ? 1.0 : 0.0);
  }
}

void RadioNav::Update() {
  const double latDeg = GetScaledToken(Token::Latitude);
  const double lonDeg = GetScaledToken(Token::Longitude);
  const double altitudeFt = GetToken(Token::AltitudeFt);
  for (int receiver = 0; receiver < 2; ++receiver) {
    const double word = GetToken(kReceivers[receiver].frequency);
    const double mhz = MhzFromBcd(word);
    if (mhz < kLowestNavMhz || mhz >= kHighestWholeMhz + 1.0) {
      // Never tuned to a NAV frequency: its needles and flags are the scenario's.
      reception_[receiver] = Reception();
      continue;
    }
    if (word != tuning_[receiver].word) Tune(receiver, word);
    Receive(receiver, latDeg, lonDeg, altitudeFt);
  }
}

std::string RadioNav::Summary() const {
  size_t ils = 0;
  for (const Station& station : stations_) ils += station.kind == Kind::Ils ? 1 : 0;
  std::string text = "radio stations: " + std::to_string(stations_.size() - ils) + " VOR and DME from " +
                     std::to_string(navaidFiles_) + " file(s), " + std::to_string(ils) + " ILS\n";
  for (const Station& station : stations_) {
    if (station.kind != Kind::Ils) continue;
    char line[160];
    std::snprintf(line, sizeof(line), "%s %.2f MHz, localizer %.1f deg true, glide slope %.1f deg, threshold %.0f ft\n",
                  station.ident.c_str(), station.frequencyMhz, station.courseTrueDeg, station.glideSlopeDeg,
                  station.elevationFt);
    text += line;
  }
  for (const std::string& problem : problems_) text += problem + "\n";
  return text;
}

}  // namespace simhost
