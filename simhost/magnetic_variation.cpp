// The magnetic variation token from the variation grid.
#include "simhost/magnetic_variation.h"

#include <cstdio>

#include "nav/nav_text.h"
#include "simhost/sim_root.h"
#include "simhost/sim_tokens.h"

namespace simhost {

void MagneticVariation::Load(const std::string& root) {
  source_ = std::string(kNavDataFolder) + "/magvar.txt";
  std::string text;
  if (!halcyon::ReadNavFile(RootPath(root, source_), &text)) {
    problem_ = "not found: " + TokenLabel(Token::MagneticVariationDeg) + " stays 0";
    return;
  }
  halcyon::NavLoadReport report;
  if (!grid_.Parse(source_, text, &report)) {
    problem_ = "not usable (" + (report.problems.empty() ? std::string("empty") : report.problems.back().what) +
               "): " + TokenLabel(Token::MagneticVariationDeg) + " stays 0";
  }
}

void MagneticVariation::Update() {
  if (!grid_.IsLoaded()) return;
  Sample sample;
  sample.taken = true;
  sample.latDeg = GetScaledToken(Token::Latitude);
  sample.lonEastDeg = GetScaledToken(Token::Longitude);
  sample.variationDeg = grid_.AtLatLonWest(sample.latDeg, -sample.lonEastDeg);
  SetToken(Token::MagneticVariationDeg, sample.variationDeg);
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
  if (first_.taken) text += "at the start: " + Describe(first_) + "\n";
  if (last_.taken) text += "at the end:   " + Describe(last_) + "\n";
  return text;
}

}  // namespace simhost
