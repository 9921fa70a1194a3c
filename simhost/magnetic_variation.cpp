// Token 82 from the variation grid.
#include "simhost/magnetic_variation.h"

#include <cstdio>

#include "nav/nav_text.h"
#include "platform/simulator.h"
#include "simhost/sim_root.h"
#include "simhost/token_names.h"

namespace simhost {
namespace {

constexpr uint32_t kTokenMagneticVariation = 82;

// A position token in degrees, through the scenario's own unit for it.
double TokenDegrees(const TokenName& token) { return platform::sim::GetToken(token.token) / token.scale; }

}  // namespace

void MagneticVariation::Load(const std::string& root) {
  source_ = std::string(kNavDataFolder) + "/magvar.txt";
  std::string text;
  if (!halcyon::ReadNavFile(RootPath(root, source_), &text)) {
    problem_ = "not found: token 82 stays 0";
    return;
  }
  halcyon::NavLoadReport report;
  if (!grid_.Parse(source_, text, &report)) {
    problem_ = "not usable (" + (report.problems.empty() ? std::string("empty") : report.problems.back().what) +
               "): token 82 stays 0";
  }
}

void MagneticVariation::Update() {
  if (!grid_.IsLoaded()) return;
  Sample sample;
  sample.taken = true;
  static const TokenName latitude = *FindToken("latitude");
  static const TokenName longitude = *FindToken("longitude");
  sample.latDeg = TokenDegrees(latitude);
  sample.lonEastDeg = TokenDegrees(longitude);
  sample.variationDeg = grid_.AtLatLonWest(sample.latDeg, -sample.lonEastDeg);
  platform::sim::SetToken(kTokenMagneticVariation, sample.variationDeg);
  if (!first_.taken) first_ = sample;
  last_ = sample;
}

std::string MagneticVariation::Describe(const Sample& sample) {
  char line[120];
  std::snprintf(line, sizeof(line), "%.2f deg %s at %.4f %s %.4f %s", sample.variationDeg < 0 ? -sample.variationDeg
                                                                                              : sample.variationDeg,
                sample.variationDeg < 0 ? "W" : "E", sample.latDeg < 0 ? -sample.latDeg : sample.latDeg,
                sample.latDeg < 0 ? "S" : "N", sample.lonEastDeg < 0 ? -sample.lonEastDeg : sample.lonEastDeg,
                sample.lonEastDeg < 0 ? "W" : "E");
  return line;
}

std::string MagneticVariation::Summary() const {
  std::string text = "grid " + source_ + ": ";
  if (!problem_.empty()) return text + problem_ + "\n";
  text += "loaded\n";
  if (first_.taken) text += "token 82 at the start: " + Describe(first_) + "\n";
  if (last_.taken) text += "token 82 at the end:   " + Describe(last_) + "\n";
  return text;
}

}  // namespace simhost
