// The simulator's two NAV receivers and their DMEs. Each receiver is tuned by
// its frequency token (nav1, nav2: a BCD word of the four digits after the
// leading 1: 0x1080 is 110.80 MHz), which the NAV key events of the
// cockpit's gauges step, and listens to the nearest station on that
// frequency: a VOR, VOR/DME or DME of the navigation data ("navaids.txt" and
// any other file of the data folder with @NAV records), or an ILS that a
// scenario put at a runway end (`AddIls`). What it receives, within the
// station's range only, goes into the tokens the cockpit reads (by their
// scenario names; core/tokens.h has their numbers):
//
//   course_needle, course_needle2
//           course needle of NAV 1, NAV 2, -127..127: positive when the
//           course lies to the right (fly right). Full scale 10 degrees off a
//           VOR radial, 2.5 degrees off a localizer centreline; 0 without
//           a signal.
//   glideslope_needle
//           glide-slope needle of NAV 1, -119..119: positive below the glide
//           path (fly up); full scale 0.7 degrees; 0 without a signal.
//   nav1_flags
//           NAV 1 glide-slope flag word: 4 when the glide slope is not usable.
//   nav_signal, nav2_signal
//           TO/FROM of NAV 1, NAV 2 against the selected course (nav1_course,
//           nav2_course): 0 none, 1 TO, 2 FROM (a localizer reads TO).
//   rising_runway
//           1 while a localizer is received (the PFD's rising runway).
//   nav1_code, nav2_code
//           station flags of NAV 1, NAV 2: 0x80 localizer, 0x40 with a glide
//           slope, 0x08 no usable signal; 0 when nothing is on the frequency.
//   dme1, dme2
//           DME 1, DME 2 slant distance in NM; -1 without one.
// A receiver whose frequency token holds no NAV frequency (108.00 to 117.95
// in BCD; 0 before it is tuned) leaves its tokens as the scenario sets them.
//
// Ranges: a VOR or DME as far as the radio horizon reaches, at most 130 NM;
// a localizer 18 NM within 10 degrees of its centreline and 10 NM within
// 35 degrees; a glide slope 10 NM within 8 degrees of the centreline and
// between 0.45 and 1.75 times its angle above the ground.
//
// Runways come from "airports.txt". An ILS's localizer stands 1000 ft past
// the far end of its runway on the centreline, its glide-slope antenna 1000
// ft past the threshold (so the path crosses the threshold about 50 ft up at
// 3 degrees).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace simhost {

class MagneticVariation;

class RadioNav {
 public:
  // What a receiver gets this tick, in the units the host's autopilot flies by.
  struct Reception {
    bool signal = false;           // a usable course signal
    bool localizer = false;
    double needle = 0.0;           // token units, as above
    double flyRightM = 0.0;        // distance to the course line, positive when it lies to the right
    double courseTrueDeg = 0.0;    // the course line's direction, true
    double radialMagDeg = 0.0;     // VOR: the radial the aircraft is on
    int toFrom = 0;                // 0 none, 1 TO, 2 FROM
    bool glideSlope = false;       // a usable glide-slope signal
    double glideSlopeNeedle = 0.0;
    double aboveGlidePathFt = 0.0; // height above the glide path here
    double glideSlopeDeg = 0.0;
    double dmeNm = -1.0;
  };

  // Reads the stations of the navigation data folder below `root`; what was
  // not usable is said in `Summary`.
  void Load(const std::string& root, const MagneticVariation* variation);
  // An ILS on a runway end of an airport of airports.txt: empty, or what is
  // wrong (no such airport or runway, a frequency outside 108.10..111.95 or a
  // slope outside 1..8 degrees).
  std::string AddIls(const std::string& airport, const std::string& runway, double frequencyMhz,
                     double glideSlopeDeg = 3.0);
  // What AddIls would say, without adding it.
  std::string CheckIls(const std::string& airport, const std::string& runway, double frequencyMhz,
                       double glideSlopeDeg = 3.0) const;
  // The NAV frequency events (65640..65647); false for any other event.
  static bool ApplyKeyEvent(uint32_t event);
  // One tick: both receivers from the position, and their tokens.
  void Update();
  const Reception& Receiver(int n) const { return reception_[n == 2 ? 1 : 0]; }
  std::string Summary() const;

  // A receiver's frequency word in MHz, and back (0 for a word that is not BCD).
  static double MhzFromBcd(double word);
  static uint32_t BcdFromMhz(double mhz);

 private:
  enum class Kind { Vor, VorDme, Dme, Ils };
  struct Station {
    std::string ident;
    Kind kind = Kind::Vor;
    double latDeg = 0.0;
    double lonDeg = 0.0;  // east
    double elevationFt = 0.0;
    double frequencyMhz = 0.0;
    double variationDeg = 0.0;
    // ILS: the centreline's true direction towards the runway, the
    // localizer and the glide-slope antenna.
    double courseTrueDeg = 0.0;
    double glideSlopeDeg = 0.0;
    double gsLatDeg = 0.0;
    double gsLonDeg = 0.0;
  };
  struct Tuning {
    double word = -1.0;
    std::vector<size_t> stations;  // those on the frequency
  };

  std::string MakeIls(const std::string& airport, const std::string& runway, double frequencyMhz, double glideSlopeDeg,
                      Station* made) const;
  void Tune(int receiver, double word);
  void Receive(int receiver, double latDeg, double lonDeg, double altitudeFt);
  void ReadNavaids(const std::string& file, const std::string& text);

  std::string root_;
  const MagneticVariation* variation_ = nullptr;
  std::vector<Station> stations_;
  std::vector<std::string> problems_;
  size_t navaidFiles_ = 0;
  Tuning tuning_[2];
  Reception reception_[2];
};

}  // namespace simhost
