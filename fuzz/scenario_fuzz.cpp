// Scenario files are typed by users: whatever bytes a file holds, reading it
// gives steps or line-numbered errors, never a crash.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "simhost/scenario.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  simhost::Scenario scenario;
  std::vector<std::string> errors;
  const bool parsed = scenario.Parse(std::string(reinterpret_cast<const char*>(data), size), "fuzz.scn", &errors);
  if (parsed != errors.empty()) __builtin_trap();
  for (const simhost::ScenarioStep& step : scenario.Steps()) {
    if (step.atSeconds < 0.0 || step.atSeconds > scenario.EndSeconds()) __builtin_trap();
  }
  double seconds = 0.0;
  simhost::ParseScenarioTime(std::string(reinterpret_cast<const char*>(data), size), &seconds);
  return 0;
}
