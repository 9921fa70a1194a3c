// Scenario parsing and playback.
#include "simhost/scenario.h"

#include <cmath>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "platform/gauge.h"
#include "platform/simulator.h"
#include "platform/system.h"
#include "simhost/run_log.h"
#include "simhost/sim_host.h"
#include "simhost/token_names.h"

namespace simhost {
namespace {

bool ParseNumber(const std::string& text, double* value) {
  if (text.empty()) return false;
  char* end = nullptr;
  const double number = std::strtod(text.c_str(), &end);
  if (*end != '\0' || !std::isfinite(number)) return false;
  *value = number;
  return true;
}

std::string JoinFrom(const std::vector<std::string>& args, size_t first) {
  std::string text;
  for (size_t i = first; i < args.size(); ++i) text += (i > first ? " " : "") + args[i];
  return text;
}

// ---- Commands ----------------------------------------------------------------
// Each command checks its arguments when the file is read and acts when the
// flight reaches its time. Adding a command is one row of kCommands.

struct RunContext {
  SimHost& host;
  RunLog& log;
  bool stopped = false;
};

using CheckFn = std::string (*)(const std::vector<std::string>& args);
using RunFn = std::string (*)(RunContext& context, const ScenarioStep& step);

struct Command {
  const char* name;
  size_t minArgs;
  size_t maxArgs;  // 99: the rest of the line is text
  const char* usage;
  CheckFn check;
  RunFn run;
};

std::string CheckNothing(const std::vector<std::string>&) { return ""; }

std::string CheckToken(const std::string& name) {
  return FindToken(name) ? "" : "unknown token '" + name + "' (a number 0..1023 or a name from the README)";
}

std::string CheckNumbers(const std::vector<std::string>& args, size_t first) {
  for (size_t i = first; i < args.size(); ++i) {
    double value = 0.0;
    if (!ParseNumber(args[i], &value)) return "'" + args[i] + "' is not a number";
  }
  return "";
}

std::string CheckNonNegative(const std::string& text, const char* what) {
  double value = 0.0;
  if (!ParseNumber(text, &value) || value < 0.0) return std::string(what) + " '" + text + "' is not a number of 0 or more";
  return "";
}

double Number(const std::string& text) { return std::strtod(text.c_str(), nullptr); }

std::string CheckSet(const std::vector<std::string>& args) {
  std::string error = CheckToken(args[0]);
  return error.empty() ? CheckNumbers(args, 1) : error;
}

std::string RunSet(RunContext& context, const ScenarioStep& step) {
  const TokenName token = *FindToken(step.args[0]);
  context.host.SetToken(token.token, Number(step.args[1]) * token.scale);
  return "";
}

std::string CheckRamp(const std::vector<std::string>& args) {
  std::string error = CheckSet(args);
  return error.empty() ? CheckNonNegative(args[2], "ramp time") : error;
}

std::string RunRamp(RunContext& context, const ScenarioStep& step) {
  const TokenName token = *FindToken(step.args[0]);
  context.host.RampToken(token.token, Number(step.args[1]) * token.scale, Number(step.args[2]));
  return "";
}

std::string CheckRun(const std::vector<std::string>& args) { return CheckNonNegative(args[0], "run time"); }

std::string RunRun(RunContext& context, const ScenarioStep& step) {
  context.host.RunSeconds(Number(step.args[0]));
  return "";
}

std::string RunFreeze(RunContext& context, const ScenarioStep&) {
  context.host.FreezeSimulationClock(true);
  return "";
}

std::string RunResume(RunContext& context, const ScenarioStep&) {
  context.host.FreezeSimulationClock(false);
  return "";
}

std::string CheckClockBack(const std::vector<std::string>& args) { return CheckNonNegative(args[0], "tick count"); }

std::string RunClockBack(RunContext& context, const ScenarioStep& step) {
  context.host.SetTick18Back(Number(step.args[0]));
  return "";
}

std::string CheckWindow(const std::vector<std::string>& args) {
  if (args[0] != "open" && args[0] != "close") return "window takes 'open' or 'close', not '" + args[0] + "'";
  return CheckNonNegative(args[1], "window ident");
}

std::string RunWindow(RunContext&, const ScenarioStep& step) {
  platform::sim::SetWindowVisible(static_cast<uint32_t>(Number(step.args[1])), step.args[0] == "open");
  return "";
}

std::string RunAtcId(RunContext&, const ScenarioStep& step) {
  platform::sim::SetAtcId(JoinFrom(step.args, 0));
  return "";
}

std::string CheckClick(const std::vector<std::string>& args) { return CheckNumbers(args, 1); }

// A left click at a point of a gauge, in its design pixels, as the simulator
// delivers it to the mouse rectangle under the point.
std::string RunClick(RunContext& context, const ScenarioStep& step) {
  platform::GAUGEHDR* gauge = context.host.Module().FindGauge(step.args[0]);
  if (gauge == nullptr) return "no gauge named '" + step.args[0] + "'";
  const int32_t x = static_cast<int32_t>(Number(step.args[1]));
  const int32_t y = static_cast<int32_t>(Number(step.args[2]));
  for (const platform::MOUSERECT* rect = gauge->mouseRects; rect != nullptr && rect->type != platform::kMouseRectEnd;
       ++rect) {
    const bool inside = x >= rect->x && x < rect->x + rect->width && y >= rect->y && y < rect->y + rect->height;
    if (rect->type == platform::kMouseRectChild && rect->function != nullptr && inside) {
      rect->function({x, y}, platform::kMouseLeftSingle);
      return "";
    }
  }
  return "no control of '" + step.args[0] + "' at " + step.args[1] + "," + step.args[2];
}

// Inputs the cockpit takes from systems not built yet (see
// systems/placeholders.h and displays/placeholders.h); a row goes when its
// system lands.
constexpr const char* kPlaceholderInputs[] = {
    "ground_spoilers_deployed", "starter_left", "starter_right", "gear_wheels_lamp", "speed_bug_1",
    "speed_bug_2",              "speed_bug_3",  "speed_bug_4",   "speed_bug_5",      "ground_crew_sequence",
    "decision_height",          "decision_height_alert",
};

std::string CheckPlaceholder(const std::vector<std::string>& args) {
  for (const char* name : kPlaceholderInputs) {
    if (args[0] == name) return CheckNumbers(args, 1);
  }
  return "unknown placeholder input '" + args[0] + "' (see the README)";
}

std::string RunPlaceholder(RunContext&, const ScenarioStep& step) {
  platform::SetPlaceholderInput(step.args[0], Number(step.args[1]));
  return "";
}

std::string RunNote(RunContext& context, const ScenarioStep& step) {
  context.log.Note(context.host.SimSeconds(), JoinFrom(step.args, 0));
  return "";
}

std::string RunStop(RunContext& context, const ScenarioStep&) {
  context.stopped = true;
  return "";
}

constexpr Command kCommands[] = {
    {"set", 2, 2, "set <token> <value>", CheckSet, RunSet},
    {"ramp", 3, 3, "ramp <token> <value> <seconds>", CheckRamp, RunRamp},
    {"run", 1, 1, "run <seconds>", CheckRun, RunRun},
    {"freeze-clock", 0, 0, "freeze-clock", CheckNothing, RunFreeze},
    {"resume-clock", 0, 0, "resume-clock", CheckNothing, RunResume},
    {"clock-back", 1, 1, "clock-back <ticks>", CheckClockBack, RunClockBack},
    {"window", 2, 2, "window open|close <ident>", CheckWindow, RunWindow},
    {"atc-id", 1, 99, "atc-id <text>", CheckNothing, RunAtcId},
    {"click", 3, 3, "click <gauge> <x> <y>", CheckClick, RunClick},
    {"placeholder", 2, 2, "placeholder <input> <value>", CheckPlaceholder, RunPlaceholder},
    {"note", 1, 99, "note <text>", CheckNothing, RunNote},
    {"stop", 0, 0, "stop", CheckNothing, RunStop},
};

const Command* FindCommand(const std::string& name) {
  for (const Command& command : kCommands) {
    if (name == command.name) return &command;
  }
  return nullptr;
}

// Words of a line; "double quotes" keep blanks together (gauge names have them).
bool SplitWords(const std::string& line, std::vector<std::string>* words, std::string* error) {
  words->clear();
  size_t i = 0;
  while (i < line.size()) {
    if (line[i] == ' ' || line[i] == '\t' || line[i] == '\r') {
      ++i;
      continue;
    }
    if (line[i] == '#') break;
    std::string word;
    if (line[i] == '"') {
      const size_t close = line.find('"', i + 1);
      if (close == std::string::npos) {
        *error = "a quote is not closed";
        return false;
      }
      word = line.substr(i + 1, close - i - 1);
      i = close + 1;
    } else {
      while (i < line.size() && line[i] != ' ' && line[i] != '\t' && line[i] != '\r' && line[i] != '#') word += line[i++];
    }
    words->push_back(word);
  }
  return true;
}

}  // namespace

bool ParseScenarioTime(const std::string& text, double* seconds) {
  double total = 0.0;
  size_t start = 0;
  int fields = 0;
  while (true) {
    const size_t colon = text.find(':', start);
    const std::string field = text.substr(start, colon == std::string::npos ? std::string::npos : colon - start);
    double value = 0.0;
    if (!ParseNumber(field, &value) || value < 0.0 || ++fields > 3) return false;
    if (colon != std::string::npos && value != std::floor(value)) return false;
    if (fields > 1 && value >= 60.0) return false;
    total = total * 60.0 + value;
    if (colon == std::string::npos) break;
    start = colon + 1;
  }
  *seconds = total;
  return true;
}

bool Scenario::Parse(const std::string& text, const std::string& fileName, std::vector<std::string>* errors) {
  const size_t errorsBefore = errors->size();
  std::istringstream lines(text);
  std::string line;
  int lineNumber = 0;
  double cursor = endSeconds_;
  while (std::getline(lines, line)) {
    ++lineNumber;
    auto fail = [&](const std::string& message) {
      errors->push_back(fileName + ":" + std::to_string(lineNumber) + ": " + message);
    };
    std::vector<std::string> words;
    std::string error;
    if (!SplitWords(line, &words, &error)) {
      fail(error);
      continue;
    }
    if (words.empty()) continue;
    double at = cursor;
    if (words[0] == "at") {
      if (words.size() < 3) {
        fail("'at' needs a time and a command");
        continue;
      }
      if (!ParseScenarioTime(words[1], &at)) {
        fail("'" + words[1] + "' is not a time (seconds, m:ss or h:mm:ss)");
        continue;
      }
      if (at < cursor) {
        fail("time " + words[1] + " is earlier than the line before (" + FormatSimTime(cursor) + ")");
        continue;
      }
      words.erase(words.begin(), words.begin() + 2);
    }
    const Command* command = FindCommand(words[0]);
    if (command == nullptr) {
      fail("unknown command '" + words[0] + "'");
      continue;
    }
    std::vector<std::string> args(words.begin() + 1, words.end());
    if (args.size() < command->minArgs || (command->maxArgs != 99 && args.size() > command->maxArgs)) {
      fail(std::string("usage: ") + command->usage);
      continue;
    }
    error = command->check(args);
    if (!error.empty()) {
      fail(error);
      continue;
    }
    cursor = at;
    if (words[0] == "run") cursor += Number(args[0]);
    steps_.push_back({fileName, lineNumber, at, words[0], std::move(args)});
  }
  endSeconds_ = cursor;
  return errors->size() == errorsBefore;
}

bool Scenario::LoadFile(const std::string& path, std::vector<std::string>* errors) {
  std::ifstream file(path, std::ios::binary);
  if (!file) {
    errors->push_back(path + ": cannot read the scenario file");
    return false;
  }
  std::stringstream text;
  text << file.rdbuf();
  return Parse(text.str(), path, errors);
}

bool RunScenario(SimHost& host, const Scenario& scenario, RunLog& log, std::string* error,
                 const ProgressReport& progress) {
  RunContext context{host, log};
  const double start = host.SimSeconds();
  const double total = scenario.EndSeconds();
  if (progress) {
    host.AddTickHook([progress, start, total](SimHost& running) {
      if (running.TicksRun() % 180 == 0) progress(running.SimSeconds() - start, total);
    });
  }
  for (const ScenarioStep& step : scenario.Steps()) {
    host.RunSeconds(start + step.atSeconds - host.SimSeconds());
    const std::string failure = FindCommand(step.command)->run(context, step);
    if (!failure.empty()) {
      *error = step.file + ":" + std::to_string(step.line) + ": " + failure;
      return false;
    }
    if (context.stopped) break;
  }
  if (progress) progress(host.SimSeconds() - start, total);
  return true;
}

}  // namespace simhost
