// Scenario files: a small text format that scripts a flight for the headless
// simulator. One command a line, optionally prefixed by "at <time>":
//
//   # comment                      blank lines and text after '#' are ignored
//   at 0:30 set on_ground 1        run the simulation to 30 s, then set a token
//   ramp ias 150 20                move a token to 150 over 20 s
//   run 60                         run 60 s of simulated time
//   stop                           end the flight here
//
// The README lists every command. Times are seconds ("90", "12.5") or
// minutes:seconds ("1:30") or h:mm:ss, counted from the start of the flight,
// and never go back. Every error names the file and line.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace simhost {

class SimHost;
class RunLog;

struct ScenarioStep {
  std::string file;
  int line = 0;
  double atSeconds = 0.0;  // when the step runs
  std::string command;
  std::vector<std::string> args;
  // The line's first name had blanks and no quotes (its words are joined in
  // args[0]): it is refused, with the quoted name offered, before the flight.
  bool unquotedName = false;
};

class Scenario {
 public:
  // Adds the steps of `text`; false with one message per bad line.
  bool Parse(const std::string& text, const std::string& fileName, std::vector<std::string>* errors);
  bool LoadFile(const std::string& path, std::vector<std::string>* errors);

  const std::vector<ScenarioStep>& Steps() const { return steps_; }
  // When the last step ends (a "run" counts its length).
  double EndSeconds() const { return endSeconds_; }

 private:
  std::vector<ScenarioStep> steps_;
  double endSeconds_ = 0.0;
};

// Progress of a long run: simulated seconds done and in all.
using ProgressReport = std::function<void(double doneSeconds, double totalSeconds)>;

// Checks the gauges and controls the scenario names against the loaded
// cockpit; false with "file:line: message" for each (the first 20 and a count).
bool CheckScenarioNames(const SimHost& host, const Scenario& scenario, std::vector<std::string>* errors);

// Plays the scenario on a started host, after CheckScenarioNames (its errors,
// one a line, in `error`). False with "file:line: message" when
// a step cannot be carried out (a gauge or control that does not exist).
bool RunScenario(SimHost& host, const Scenario& scenario, RunLog& log, std::string* error,
                 const ProgressReport& progress = nullptr);

// A time as the scenario writes it; false when it is not one.
bool ParseScenarioTime(const std::string& text, double* seconds);

}  // namespace simhost
