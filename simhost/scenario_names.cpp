// Name lists and closest-name hints.
#include "simhost/scenario_names.h"

#include <algorithm>
#include <cctype>
#include <cstdio>

#include "simhost/sim_host.h"
#include "simhost/token_names.h"

namespace simhost {
namespace {

// Names longer than this are no slip of the finger; comparing only this much
// keeps a hint cheap whatever a scenario line holds.
constexpr size_t kComparedBytes = 64;
constexpr size_t kKeysShown = 16;
constexpr size_t kExcerptBytes = 40;

// A name from the scenario, quoted in a message: no more than a short excerpt.
std::string Excerpt(const std::string& name) {
  return name.size() <= kExcerptBytes ? name : name.substr(0, kExcerptBytes) + "...";
}

char Lower(char c) { return static_cast<char>(std::tolower(static_cast<unsigned char>(c))); }

size_t EditDistance(const std::string& a, const std::string& b) {
  const size_t n = std::min(a.size(), kComparedBytes);
  const size_t m = std::min(b.size(), kComparedBytes);
  std::vector<size_t> row(m + 1);
  for (size_t j = 0; j <= m; ++j) row[j] = j;
  for (size_t i = 1; i <= n; ++i) {
    size_t diagonal = row[0];
    row[0] = i;
    for (size_t j = 1; j <= m; ++j) {
      const size_t above = row[j];
      const size_t substitution = diagonal + (Lower(a[i - 1]) == Lower(b[j - 1]) ? 0 : 1);
      row[j] = std::min({above + 1, row[j - 1] + 1, substitution});
      diagonal = above;
    }
  }
  return row[m];
}

// A name as a scenario writes it: in double quotes when it holds a blank.
std::string AsWritten(const std::string& name) {
  return name.find_first_of(" \t") == std::string::npos ? name : "\"" + name + "\"";
}

std::string JoinQuoted(const std::vector<std::string>& names, const char* open, const char* close) {
  std::string text;
  for (const std::string& name : names) text += (text.empty() ? "" : ", ") + (open + name + close);
  return text;
}

bool SameNoCase(const std::string& a, const std::string& b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return Lower(x) == Lower(y); });
}

std::vector<std::string> GaugeNames(const SimHost& host) {
  std::vector<std::string> names;
  for (const platform::GAUGEHDR* gauge : host.Module().Gauges()) {
    if (gauge->name != nullptr) names.emplace_back(gauge->name);
  }
  return names;
}

}  // namespace

std::vector<std::string> ClosestNames(const std::string& word, const std::vector<std::string>& candidates,
                                      size_t count) {
  // A slip: a third of the word's letters wrong, at least two.
  const size_t limit = std::max<size_t>(2, std::min(word.size(), kComparedBytes) / 3);
  std::vector<std::pair<size_t, std::string>> near;
  for (const std::string& candidate : candidates) {
    const size_t distance = EditDistance(word, candidate);
    if (distance <= limit) near.emplace_back(distance, candidate);
  }
  std::stable_sort(near.begin(), near.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
  std::vector<std::string> names;
  for (const auto& [distance, name] : near) {
    if (names.size() == count) break;
    if (std::find(names.begin(), names.end(), name) == names.end()) names.push_back(name);
  }
  return names;
}

bool IsSection(const SimHost& host, const std::string& section) {
  for (const auto& [knownSection, knownKey] : host.Module().ControlNames()) {
    if (SameNoCase(knownSection, section)) return true;
  }
  return false;
}

std::vector<std::string> ClosestTokenNames(const std::string& word) {
  std::vector<std::string> names;
  for (const TokenName& token : TokenNames()) names.emplace_back(token.name);
  return ClosestNames(word, names);
}

std::string NoGaugeMessage(const SimHost& host, const std::string& gauge) {
  const std::vector<std::string> closest = ClosestNames(gauge, GaugeNames(host));
  const std::string message = "no gauge named '" + Excerpt(gauge) + "'";
  if (closest.empty()) return message + " (simhost --list gauges names them all)";
  return message + " (closest: " + JoinQuoted(closest, "'", "'") + ")";
}

std::string NoControlMessage(const SimHost& host, const std::string& section, const std::string& key) {
  const std::string message = "no control [" + Excerpt(section) + "] '" + Excerpt(key) + "'";
  std::vector<std::string> sections;
  std::vector<std::string> keys;
  for (const auto& [knownSection, knownKey] : host.Module().ControlNames()) {
    if (std::find(sections.begin(), sections.end(), knownSection) == sections.end()) sections.push_back(knownSection);
    if (SameNoCase(knownSection, section)) keys.push_back(knownKey);
  }
  if (keys.empty()) {
    const std::vector<std::string> closest = ClosestNames(section, sections);
    if (closest.empty()) return message + " (no section [" + Excerpt(section) + "]; simhost --list controls names them all)";
    return message + " (no section [" + Excerpt(section) + "]; closest: " + JoinQuoted(closest, "[", "]") + ")";
  }
  const std::vector<std::string> closest = ClosestNames(key, keys);
  if (!closest.empty()) return message + " (closest: " + JoinQuoted(closest, "'", "'") + ")";
  std::vector<std::string> shown(keys.begin(), keys.begin() + static_cast<std::ptrdiff_t>(std::min(keys.size(), kKeysShown)));
  return message + " ([" + Excerpt(section) + "] has " + JoinQuoted(shown, "", "") + (keys.size() > kKeysShown ? ", ..." : "") +
         ")";
}

std::vector<std::string> ListNames(const SimHost* host, const std::string& kind) {
  std::vector<std::string> lines;
  if (kind == "tokens") {
    for (const TokenName& token : TokenNames()) {
      char line[160];
      std::snprintf(line, sizeof(line), "%-24s %4u  %s", token.name, token.token, token.unit);
      lines.emplace_back(line);
    }
    return lines;
  }
  if (host == nullptr) return lines;
  if (kind == "gauges") {
    for (const std::string& name : GaugeNames(*host)) lines.push_back(AsWritten(name));
    return lines;
  }
  for (const auto& [section, key] : host->Module().ControlNames()) lines.push_back(AsWritten(section) + " " + AsWritten(key));
  std::sort(lines.begin(), lines.end());
  return lines;
}

}  // namespace simhost
