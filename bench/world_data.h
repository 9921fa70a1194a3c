// A made-up navigation database of world size for the benchmarks: 50,000
// airports with two runways each, 50,000 navaids and 150,000 fixes spread
// over the globe by a seeded generator, in the navigation data's text
// format, as three files' texts or written into a folder.
#pragma once

#include <string>

namespace bench {

constexpr int kWorldAirports = 50000;
constexpr int kWorldNavaids = 50000;
constexpr int kWorldFixes = 150000;

struct WorldText {
  std::string airports, navaids, fixes;
};
// The same records on every call.
WorldText GenerateWorldText();
// airports.txt, navaids.txt and waypoints.txt into `folder`; false when one cannot be written.
bool GenerateWorld(const std::string& folder);

}  // namespace bench
