// What a scenario may name (gauges, controls, tokens), as `simhost --list`
// prints it, and the closest names offered when a scenario names one that
// the cockpit does not have.
#pragma once

#include <string>
#include <vector>

namespace simhost {

class SimHost;

// Up to `count` of the candidates nearest to `word` (by edit distance, case
// ignored), nearest first; only those near enough to be a slip of the finger.
std::vector<std::string> ClosestNames(const std::string& word, const std::vector<std::string>& candidates,
                                      size_t count = 3);

// Whether some control of the cockpit is in the section (case ignored).
bool IsSection(const SimHost& host, const std::string& section);
// The token names closest to a word that names none.
std::vector<std::string> ClosestTokenNames(const std::string& word);
// "no gauge named 'Nope'", with the closest gauge names when there are any.
std::string NoGaugeMessage(const SimHost& host, const std::string& gauge);
// "no control [APU] 'mastr'", with the closest keys of the section, or all of
// them when none is close, or the closest sections when the section is unknown.
std::string NoControlMessage(const SimHost& host, const std::string& section, const std::string& key);

// One line a name, as a scenario writes it: `"Engine Fire"`, `APU battery`,
// `ias  61  kt`. `kind` is "gauges", "controls" or "tokens" (which needs no
// host: it may be null).
std::vector<std::string> ListNames(const SimHost* host, const std::string& kind);

}  // namespace simhost
