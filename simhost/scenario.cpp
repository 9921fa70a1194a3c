// Scenario parsing and playback.
#include "simhost/scenario.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cmath>
#include <memory>
#include <optional>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string_view>

#include "platform/keyboard_device.h"
#include "platform/paths.h"
#include "platform/simconnect.h"
#include "platform/simulator.h"
#include "platform/system.h"
#include "simhost/run_log.h"
#include "simhost/scenario_names.h"
#include "simhost/sim_host.h"
#include "simhost/token_names.h"
#include "simhost/typist.h"

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

// A flight of a year is more than any scenario needs and keeps tick counts exact.
constexpr double kMaxSeconds = 366.0 * 24 * 3600;
// Bounds on what is read: a scenario is a text a person writes.
constexpr size_t kMaxScenarioBytes = 16u << 20;
constexpr size_t kMaxLineBytes = 4096;
constexpr size_t kMaxErrorsShown = 20;
constexpr size_t kExcerptBytes = 40;

using platform::Escaped;

// A word of the line, quoted in a message: a short, escaped excerpt.
std::string Quote(const std::string& word) { return "'" + Escaped(word, kExcerptBytes) + "'"; }

// ---- Commands ----------------------------------------------------------------
// Each command checks its arguments when the file is read and acts when the
// flight reaches its time. Adding a command is one row of kCommands.

struct TraceSampler;

struct RunContext {
  SimHost& host;
  RunLog& log;
  std::shared_ptr<TraceSampler> tracer;
  bool tracing = false;
  bool stopped = false;
};

using CheckFn = std::string (*)(const std::vector<std::string>& args);
using RunFn = std::string (*)(RunContext& context, const ScenarioStep& step);
// Checks the names a line gives against the loaded cockpit (gauges, controls)
// before the flight starts, so that a typo near the end of a long flight is
// found at once.
using NamesFn = std::string (*)(const SimHost& host, const std::vector<std::string>& args);

struct Command {
  const char* name;
  size_t minArgs;
  size_t maxArgs;  // 99: the rest of the line is text
  const char* usage;
  CheckFn check;
  RunFn run;
  NamesFn names = nullptr;
};

std::string CheckNothing(const std::vector<std::string>&) { return ""; }

std::string UnknownToken(const std::string& name) {
  const std::vector<std::string> closest = ClosestTokenNames(name);
  if (closest.empty()) return "unknown token " + Quote(name) + " (a number 0..1023 or a name: simhost --list tokens)";
  std::string names;
  for (const std::string& near : closest) names += (names.empty() ? "'" : ", '") + near + "'";
  return "unknown token " + Quote(name) + " (closest: " + names + "; simhost --list tokens names them all)";
}

std::string CheckToken(const std::string& name) { return FindToken(name) ? "" : UnknownToken(name); }

std::string CheckNumbers(const std::vector<std::string>& args, size_t first) {
  for (size_t i = first; i < args.size(); ++i) {
    double value = 0.0;
    if (!ParseNumber(args[i], &value)) return Quote(args[i]) + " is not a number";
  }
  return "";
}

// A number from 0 to `max`: times, tick counts and idents the host turns
// into integers, so a value past what they hold is refused here.
std::string FormatLimit(double max) {
  char text[32];
  std::snprintf(text, sizeof(text), "%.0f", max);
  return text;
}

std::string CheckInRange(const std::string& text, const char* what, double max) {
  double value = 0.0;
  if (!ParseNumber(text, &value) || value < 0.0 || value > max) {
    return std::string(what) + " " + Quote(text) + " is not a number from 0 to " + FormatLimit(max);
  }
  return "";
}

double Number(const std::string& text) { return std::strtod(text.c_str(), nullptr); }

std::string FormatValue(double value) {
  char text[32];
  std::snprintf(text, sizeof(text), "%.10g", value);
  return text;
}

// The units of quantities that have no negative: a speed, a Mach number, an
// engine's or the APU's speed in percent, fuel, a flag, a frequency in BCD.
constexpr std::string_view kUnitsFromZero[] = {"kt", "Mach", "%", "gal", "lb", "lb/h", "lb/gal", "flag", "BCD"};

// Whether the token, named or by its number, counts a quantity that has no
// negative.
bool TokenFromZero(const TokenName& token) {
  const std::optional<TokenName> named = token.name[0] != '\0' ? FindToken(token.name) : std::nullopt;
  return named && std::ranges::find(kUnitsFromZero, std::string_view(named->unit)) != std::end(kUnitsFromZero);
}

// What a token can hold: the simulator keeps a token in 32 bits, signed or
// not; a quantity with no negative starts at 0, and a position on the earth
// is a latitude to 90 degrees and a longitude to 180.
std::string CheckTokenValue(const std::string& name, const std::string& text) {
  const TokenName token = *FindToken(name);
  double lowest = TokenFromZero(token) ? 0.0 : -2147483648.0 / token.scale;
  double highest = 4294967295.0 / token.scale;
  if (token.token == halcyon::TokenNumber(Token::Latitude)) lowest = -(highest = 90.0);
  if (token.token == halcyon::TokenNumber(Token::Longitude)) lowest = -(highest = 180.0);
  const double value = Number(text);
  if (value >= lowest && value <= highest) return "";
  return Quote(text) + " is beyond what token " + Quote(name) + " holds (" + FormatValue(lowest) + " to " +
         FormatValue(highest) + " " + token.unit + ")";
}

std::string CheckSet(const std::vector<std::string>& args) {
  std::string error = CheckToken(args[0]);
  if (error.empty()) error = CheckNumbers(args, 1);
  return error.empty() ? CheckTokenValue(args[0], args[1]) : error;
}

std::string RunSet(RunContext& context, const ScenarioStep& step) {
  const TokenName token = *FindToken(step.args[0]);
  context.host.SetToken(token.token, Number(step.args[1]) * token.scale);
  return "";
}

std::string CheckRamp(const std::vector<std::string>& args) {
  std::string error = CheckSet(args);
  return error.empty() ? CheckInRange(args[2], "ramp time", kMaxSeconds) : error;
}

std::string RunRamp(RunContext& context, const ScenarioStep& step) {
  const TokenName token = *FindToken(step.args[0]);
  context.host.RampToken(token.token, Number(step.args[1]) * token.scale, Number(step.args[2]));
  return "";
}

// A length of time as `at` takes it: seconds, m:ss or h:mm:ss.
double Seconds(const std::string& text) {
  double seconds = 0.0;
  ParseScenarioTime(text, &seconds);
  return seconds;
}

// The flight moves on in whole ticks of 1/18 s.
constexpr double kTickSeconds = 1.0 / 18.0;

std::string CheckRun(const std::vector<std::string>& args) {
  double seconds = 0.0;
  if (!ParseScenarioTime(args[0], &seconds)) {
    return "run time " + Quote(args[0]) + " is not a time (seconds, m:ss or h:mm:ss, up to " + FormatLimit(kMaxSeconds) +
           " s)";
  }
  if (seconds < kTickSeconds) return "run time " + Quote(args[0]) + " is shorter than a tick (1/18 s, 0.0556 s)";
  return "";
}

std::string RunRun(RunContext& context, const ScenarioStep& step) {
  context.host.RunSeconds(Seconds(step.args[0]));
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

std::string CheckClockBack(const std::vector<std::string>& args) { return CheckInRange(args[0], "tick count", kMaxSeconds * 18.0); }

std::string RunClockBack(RunContext& context, const ScenarioStep& step) {
  context.host.SetTick18Back(Number(step.args[0]));
  return "";
}

std::string CheckWindow(const std::vector<std::string>& args) {
  if (args[0] != "open" && args[0] != "close") return "window takes 'open' or 'close', not " + Quote(args[0]);
  return CheckInRange(args[1], "window ident", 4294967295.0);
}

std::string RunWindow(RunContext&, const ScenarioStep& step) {
  platform::sim::SetWindowVisible(static_cast<uint32_t>(Number(step.args[1])), step.args[0] == "open");
  return "";
}

std::string RunAtcId(RunContext&, const ScenarioStep& step) {
  platform::sim::SetAtcId(JoinFrom(step.args, 0));
  return "";
}

// Pixel coordinates: whole or not, they must fit a gauge's 32-bit point.
// A number the host turns into a 32-bit integer (whole or not); `what` names it.
std::string CheckFitsInt32(const std::string& text, const char* what) {
  double value = 0.0;
  if (!ParseNumber(text, &value) || std::fabs(value) > 1e9) return Quote(text) + " is not " + what;
  return "";
}

std::string CheckClick(const std::vector<std::string>& args) {
  std::string error = CheckFitsInt32(args[1], "a pixel coordinate");
  return error.empty() ? CheckFitsInt32(args[2], "a pixel coordinate") : error;
}

std::string ClickNames(const SimHost& host, const std::vector<std::string>& args) {
  if (host.Module().FindGauge(args[0]) == nullptr) return NoGaugeMessage(host, args[0]);
  return host.CheckClick(args[0], static_cast<int32_t>(Number(args[1])), static_cast<int32_t>(Number(args[2])));
}

std::string RunClick(RunContext& context, const ScenarioStep& step) {
  return context.host.Click(step.args[0], static_cast<int32_t>(Number(step.args[1])),
                            static_cast<int32_t>(Number(step.args[2])));
}

// The mouse events a scenario names, as the simulator's mouse flags.
struct MouseEventName {
  const char* name;
  uint32_t flags;
};
constexpr MouseEventName kMouseEvents[] = {
    {"click", platform::kMouseLeftSingle},  {"release", platform::kMouseLeftRelease},
    {"repeat", platform::kMouseDownRepeat}, {"move", platform::kMouseMove},
    {"right", platform::kMouseRightSingle}, {"drag", platform::kMouseLeftDrag},
};

std::optional<uint32_t> MouseEventFlags(const std::string& name) {
  for (const MouseEventName& event : kMouseEvents) {
    if (name == event.name) return event.flags;
  }
  return std::nullopt;
}

std::string CheckMouseEvent(const std::string& name) {
  return MouseEventFlags(name) ? "" : Quote(name) + " is not click, release, repeat, move, right or drag";
}

// mouse GAUGE X Y EVENT
std::string CheckMouse(const std::vector<std::string>& args) {
  if (std::string error = CheckClick(args); !error.empty()) return error;
  return CheckMouseEvent(args[3]);
}

std::string RunMouse(RunContext& context, const ScenarioStep& step) {
  return context.host.Mouse(step.args[0], static_cast<int32_t>(Number(step.args[1])),
                            static_cast<int32_t>(Number(step.args[2])), *MouseEventFlags(step.args[3]));
}

// call GAUGE FUNCTION [EVENT]: a control by its mouse function's name.
std::string CheckCall(const std::vector<std::string>& args) {
  return args.size() == 3 ? CheckMouseEvent(args[2]) : "";
}

std::string CallNames(const SimHost& host, const std::vector<std::string>& args) {
  return host.CheckCallControl(args[0], args[1]);
}

std::string RunCall(RunContext& context, const ScenarioStep& step) {
  const uint32_t flags = step.args.size() == 3 ? *MouseEventFlags(step.args[2]) : platform::kMouseLeftSingle;
  return context.host.CallControl(step.args[0], step.args[1], flags);
}

std::string TooltipNames(const SimHost& host, const std::vector<std::string>& args) {
  return host.Module().FindGauge(args[0]) != nullptr ? "" : "no gauge named " + Quote(args[0]);
}

// tooltip GAUGE: the gauge's tooltip as a hover shows it, into the log.
std::string RunTooltip(RunContext& context, const ScenarioStep& step) {
  std::string text = context.host.Tooltip(step.args[0]);
  std::replace(text.begin(), text.end(), '\n', ' ');
  context.log.Note(context.host.SimSeconds(), "tooltip of \"" + step.args[0] + "\": " + text);
  return "";
}

// A position is a whole number that fits the control's 32-bit record (a
// knob in tenths takes 35 for 3.5): a fraction would be cut off unseen.
std::string CheckControl(const std::vector<std::string>& args) {
  if (std::string error = CheckFitsInt32(args[2], "a position code"); !error.empty()) return error;
  if (std::trunc(Number(args[2])) == Number(args[2])) return "";
  return "position " + Quote(args[2]) + " is not a whole number (a knob in tenths takes 35 for 3.5)";
}

std::string ControlNamed(const SimHost& host, const std::string& section, const std::string& key) {
  return host.Module().HasControl(section, key) ? "" : NoControlMessage(host, section, key);
}

// The position must be one the control takes (a wheel's digit, a knob's
// stops, the switch codes); a light or a count its system sets takes none,
// nor a handle a position between its detents.
std::string ControlNames(const SimHost& host, const std::vector<std::string>& args) {
  if (std::string error = ControlNamed(host, args[0], args[1]); !error.empty()) return error;
  const double position = Number(args[2]);
  const std::string refusal = host.Module().ControlRefusal(args[0], args[1], static_cast<int32_t>(position));
  if (!refusal.empty()) return "[" + args[0] + "] " + args[1] + " " + refusal;
  int32_t lowest = 0;
  int32_t highest = 0;
  if (!host.Module().ControlRange(args[0], args[1], &lowest, &highest)) return "";
  if (position >= lowest && position <= highest) return "";
  return "[" + args[0] + "] " + args[1] + " takes a position from " + std::to_string(lowest) + " to " +
         std::to_string(highest) + ", not " + Quote(args[2]);
}

// Moves a cockpit control by its INI section and key, as its gauge would.
std::string RunControl(RunContext& context, const ScenarioStep& step) {
  const int32_t position = static_cast<int32_t>(Number(step.args[2]));
  if (context.host.MoveControl(step.args[0], step.args[1], position)) return "";
  return ControlNamed(context.host, step.args[0], step.args[1]);
}

std::string CheckType(const std::vector<std::string>& args) { return CheckTypable(JoinFrom(args, 0)); }

std::string RunType(RunContext& context, const ScenarioStep& step) { return context.host.TypeText(JoinFrom(step.args, 0)); }

std::string CheckKey(const std::vector<std::string>& args) {
  uint8_t key = 0;
  return platform::keyboard::FindKey(args[0], &key) ? "" : "unknown key " + Quote(args[0]) + " (a name from the README or a scan code)";
}

uint8_t Key(const std::string& name) {
  uint8_t key = 0;
  platform::keyboard::FindKey(name, &key);
  return key;
}

std::string RunKeyDown(RunContext&, const ScenarioStep& step) {
  platform::keyboard::KeyDown(Key(step.args[0]));
  return "";
}

std::string RunKeyUp(RunContext&, const ScenarioStep& step) {
  platform::keyboard::KeyUp(Key(step.args[0]));
  return "";
}

// A keyboard combination as the pilot presses it; one that no keyboard
// command has does nothing in the simulator either, so it is only noted.
std::string RunKey(RunContext& context, const ScenarioStep& step) {
  if (!context.host.PressCombo(step.args[0])) {
    context.log.Note(context.host.SimSeconds(), "key " + step.args[0] + ": no keyboard command has it");
  }
  return "";
}

std::string CheckTraffic(const std::vector<std::string>& args) {
  if (args.size() == 6) return "traffic takes a heading only with a ground speed";
  std::string error = CheckNumbers(args, 1);
  if (!error.empty()) return error;
  if (std::fabs(Number(args[1])) > 90.0 || std::fabs(Number(args[2])) > 180.0) return "traffic position out of range";
  return args.size() == 7 ? CheckInRange(args[6], "ground speed", 2000.0) : "";
}

std::string RunTraffic(RunContext& context, const ScenarioStep& step) {
  SimHost::AiTraffic aircraft;
  aircraft.atcId = step.args[0];
  aircraft.latitudeDeg = Number(step.args[1]);
  aircraft.longitudeDeg = Number(step.args[2]);
  aircraft.altitudeFt = Number(step.args[3]);
  aircraft.verticalSpeedFpm = Number(step.args[4]);
  if (step.args.size() == 7) {
    aircraft.headingDeg = Number(step.args[5]);
    aircraft.groundSpeedKt = Number(step.args[6]);
  }
  context.host.PlaceTraffic(aircraft);
  return "";
}

std::string CheckEncounter(const std::vector<std::string>& args) {
  std::string error = CheckNumbers(args, 1);
  if (!error.empty()) return error;
  if (!(Number(args[1]) > 0.0) || Number(args[1]) > 3600.0) return "encounter time " + Quote(args[1]) + " is not 0..3600 s";
  return args.size() >= 5 ? CheckInRange(args[4], "encounter speed", 2000.0) : "";
}

std::string RunEncounter(RunContext& context, const ScenarioStep& step) {
  SimHost::Encounter encounter;
  encounter.atcId = step.args[0];
  encounter.seconds = Number(step.args[1]);
  const size_t n = step.args.size();
  if (n > 2) encounter.bearingDeg = Number(step.args[2]);
  if (n > 3) encounter.altitudeOffsetFt = Number(step.args[3]);
  if (n > 4) encounter.speedKt = Number(step.args[4]);
  if (n > 5) encounter.verticalSpeedFpm = Number(step.args[5]);
  return context.host.PlaceEncounter(encounter);
}

std::string CheckGroundElevation(const std::vector<std::string>& args) { return CheckNumbers(args, 0); }

std::string RunGroundElevation(RunContext& context, const ScenarioStep& step) {
  context.host.SetGroundElevation(Number(step.args[0]));
  return "";
}

std::string CheckOnOff(const std::vector<std::string>& args) {
  return args[0] == "on" || args[0] == "off" ? "" : "'" + args[0] + "' is not on or off";
}

std::string RunFlightModel(RunContext& context, const ScenarioStep& step) {
  context.host.SetFlightModel(step.args[0] == "on");
  return "";
}

std::string RunTrimEcho(RunContext& context, const ScenarioStep& step) {
  context.host.SetTrimEcho(step.args[0] == "on");
  return "";
}

std::string RunTrafficRemove(RunContext& context, const ScenarioStep& step) {
  return context.host.RemoveTraffic(step.args[0]) ? "" : "no AI aircraft " + Quote(step.args[0]);
}

std::string CheckClouds(const std::vector<std::string>& args) {
  double density = 0.0;
  if (!ParseNumber(args[0], &density) || density < 0.0 || density > 255.0 || density != std::floor(density)) {
    return "cloud density " + Quote(args[0]) + " is not a whole number 0..255";
  }
  return "";
}

std::string RunClouds(RunContext& context, const ScenarioStep& step) {
  context.host.SetCloudDensity(static_cast<uint8_t>(Number(step.args[0])));
  return "";
}

// A storm cell: where, how wide, how dense at its core, from what base to what top.
constexpr double kLargestCellNm = 200.0;
constexpr double kHighestCloudFt = 99999.0;

std::string CheckWeatherCell(const std::vector<std::string>& args) {
  if (args.size() == 5) return "weather-cell takes a base only with a top";
  std::string error = CheckNumbers(args, 0);
  if (!error.empty()) return error;
  if (std::fabs(Number(args[0])) > 90.0 || std::fabs(Number(args[1])) > 180.0) return "weather cell position out of range";
  if (!(Number(args[2]) > 0.0 && Number(args[2]) <= kLargestCellNm)) {
    return "weather cell radius " + Quote(args[2]) + " is not above 0 and at most " + FormatLimit(kLargestCellNm) + " NM";
  }
  const double density = Number(args[3]);
  if (density < 1.0 || density > 255.0 || density != std::floor(density)) {
    return "weather cell density " + Quote(args[3]) + " is not a whole number 1..255";
  }
  if (args.size() == 6) {
    error = CheckInRange(args[4], "weather cell base", kHighestCloudFt);
    if (error.empty()) error = CheckInRange(args[5], "weather cell top", kHighestCloudFt);
    if (error.empty() && Number(args[4]) >= Number(args[5])) error = "weather cell base is not below its top";
  }
  return error;
}

std::string RunWeatherCell(RunContext& context, const ScenarioStep& step) {
  StormCell cell;
  cell.latitudeDeg = Number(step.args[0]);
  cell.longitudeDeg = Number(step.args[1]);
  cell.radiusNm = Number(step.args[2]);
  cell.density = static_cast<uint8_t>(Number(step.args[3]));
  if (step.args.size() == 6) {
    cell.baseFt = Number(step.args[4]);
    cell.topFt = Number(step.args[5]);
  }
  context.host.Weather().AddCell(cell);
  return "";
}

std::string RunWeatherClear(RunContext& context, const ScenarioStep&) {
  context.host.Weather().ClearCells();
  return "";
}

std::string RunSimQuit(RunContext&, const ScenarioStep&) {
  platform::simconnect::QueueQuit();
  return "";
}

// One of the simulator's own events that the cockpit watches ("BRAKES").
std::string RunSimEvent(RunContext&, const ScenarioStep& step) {
  return platform::simconnect::QueueSimEvent(step.args[0]) ? "" : "the cockpit does not watch " + Quote(step.args[0]);
}

std::string RunSimException(RunContext&, const ScenarioStep&) {
  platform::simconnect::QueueException(1);
  return "";
}

// ---- expect and trace ----------------------------------------------------------
// A value the scenario names: a token (in the unit of its name) or a control's
// position, by "SECTION KEY" in expect and "SECTION/KEY" in trace.

struct Watched {
  std::string label;
  std::optional<TokenName> token;
  std::string section;
  std::string key;
};

std::optional<double> ValueOf(const SimHost& host, const Watched& watched) {
  if (watched.token) return host.GetToken(watched.token->token) / watched.token->scale;
  int32_t position = 0;
  if (!host.Module().ControlPosition(watched.section, watched.key, &position)) return std::nullopt;
  return position;
}

constexpr const char* kComparisons[] = {"==", "!=", "<", "<=", ">", ">="};

bool Compare(double seen, const std::string& op, double wanted) {
  // Equal within what a token's unit conversion leaves behind.
  const bool equal = std::fabs(seen - wanted) <= 1e-9 * std::max(1.0, std::fabs(wanted));
  if (op == "==") return equal;
  if (op == "!=") return !equal;
  if (op == "<") return seen < wanted && !equal;
  if (op == "<=") return seen < wanted || equal;
  if (op == ">") return seen > wanted && !equal;
  return seen > wanted || equal;
}

// expect TOKEN OP VALUE, or expect SECTION KEY OP VALUE.
Watched ExpectWatched(const std::vector<std::string>& args) {
  if (args.size() == 3) return {args[0], FindToken(args[0]), "", ""};
  return {"[" + args[0] + "] " + args[1], std::nullopt, args[0], args[1]};
}

std::string CheckExpect(const std::vector<std::string>& args) {
  const std::string& op = args[args.size() - 2];
  if (std::find(std::begin(kComparisons), std::end(kComparisons), op) == std::end(kComparisons)) {
    return "expect compares with ==, !=, <, <=, > or >=, not " + Quote(op);
  }
  if (args.size() == 3) {
    if (std::string error = CheckToken(args[0]); !error.empty()) return error;
  }
  return CheckNumbers(args, args.size() - 1);
}

// A control without a position, said with what moving it is (a button's
// press, a knob's turn, a cockpit situation being set).
std::string NoPosition(const SimHost& host, const std::string& section, const std::string& key) {
  const std::string action = host.Module().ControlAction(section, key);
  return "[" + section + "] " + key + " has no position to compare (" + (action.empty() ? "moving it" : action) +
         " is an action, not a position)";
}

// A control that is compared or traced must have a position to read.
std::string PositionNamed(const SimHost& host, const std::string& section, const std::string& key) {
  if (std::string error = ControlNamed(host, section, key); !error.empty()) return error;
  int32_t position = 0;
  return host.Module().ControlPosition(section, key, &position) ? "" : NoPosition(host, section, key);
}

std::string ExpectNames(const SimHost& host, const std::vector<std::string>& args) {
  return args.size() == 4 ? PositionNamed(host, args[0], args[1]) : "";
}

std::string RunExpect(RunContext& context, const ScenarioStep& step) {
  const Watched watched = ExpectWatched(step.args);
  const std::string& op = step.args[step.args.size() - 2];
  const std::string& wanted = step.args.back();
  const std::optional<double> seen = ValueOf(context.host, watched);
  if (!seen) return NoPosition(context.host, watched.section, watched.key);
  if (Compare(*seen, op, Number(wanted))) return "";
  return "expected " + watched.label + " " + op + " " + wanted + ", saw " + FormatValue(*seen);
}

// trace NAME...: a token name or number, or a control as SECTION KEY (as
// --list controls prints it and expect takes it) or SECTION/KEY; a control's
// column is headed SECTION/KEY. The line is read once, by ReadTrace, as it is
// checked when the file is read (no cockpit at hand: any two words may name
// a control), before the flight (two words are a control when the cockpit
// has it) and as it is traced, so a line has one reading and one message.
class TraceReader {
 public:
  TraceReader(const std::vector<std::string>& args, const SimHost* host) : args_(args), host_(host) {
    // From the end: whether the words from i on read as tokens and controls.
    readableFrom_.assign(args.size() + 2, false);
    readableFrom_[args.size()] = true;
    for (size_t i = args.size(); i-- > 0;) {
      readableFrom_[i] = (Alone(i) && readableFrom_[i + 1]) || (Pair(i) && readableFrom_[i + 2]);
    }
  }

  std::vector<Watched> Read() const {
    std::vector<Watched> watched;
    for (size_t i = 0; i < args_.size();) {
      const std::string& name = args_[i];
      if (const size_t slash = name.find('/'); slash != std::string::npos) {
        watched.push_back({name, std::nullopt, name.substr(0, slash), name.substr(slash + 1)});
        ++i;
      } else if (TakesPair(i)) {
        watched.push_back({name + "/" + args_[i + 1], std::nullopt, name, args_[i + 1]});
        i += 2;
      } else {
        // A token, or a word that names nothing (no token, no section).
        watched.push_back({name, FindToken(name), "", ""});
        ++i;
      }
    }
    return watched;
  }

 private:
  bool Plain(size_t i) const { return i < args_.size() && args_[i].find('/') == std::string::npos; }
  bool Token(size_t i) const { return FindToken(args_[i]).has_value(); }
  bool Alone(size_t i) const { return !Plain(i) || Token(i); }
  bool Pair(size_t i) const {
    return Plain(i) && Plain(i + 1) && (host_ == nullptr || host_->Module().HasControl(args_[i], args_[i + 1]));
  }

  // Whether the word at i begins a control of two words: so it does in the
  // reading that makes every name a token or a control, a control first.
  // Where there is none, the fault is put on the right word: a word alone
  // before words that read (a token, or one that names nothing), else a
  // control the cockpit has (the fault is further on), else a token, else
  // the two words as a control the cockpit does not have.
  bool TakesPair(size_t i) const {
    if (Pair(i) && readableFrom_[i + 2]) return true;
    if (readableFrom_[i + 1]) return false;
    return Pair(i) || (!Token(i) && Plain(i + 1));
  }

  const std::vector<std::string>& args_;
  const SimHost* host_;
  std::vector<bool> readableFrom_;
};

std::vector<Watched> ReadTrace(const std::vector<std::string>& args, const SimHost* host) {
  return TraceReader(args, host).Read();
}

const char* const kTracedControl = "; a control is traced as SECTION KEY or SECTION/KEY";

// What is wrong with a trace line as ReadTrace reads it: a word that names
// nothing, and with the cockpit at hand a control it does not have or one
// with no position.
std::string TraceError(const std::vector<Watched>& reading, const SimHost* host) {
  for (const Watched& watched : reading) {
    if (watched.token) continue;
    if (watched.section.empty()) return CheckToken(watched.label) + kTracedControl;
    if (host == nullptr) continue;
    std::string error = PositionNamed(*host, watched.section, watched.key);
    if (error.empty()) continue;
    // A slip in a token's name reads as a section that does not exist.
    if (!IsSection(*host, watched.section) && !ClosestTokenNames(watched.section).empty()) {
      return UnknownToken(watched.section);
    }
    return error;
  }
  return "";
}

std::string CheckTrace(const std::vector<std::string>& args) { return TraceError(ReadTrace(args, nullptr), nullptr); }

std::string TraceNames(const SimHost& host, const std::vector<std::string>& args) {
  return TraceError(ReadTrace(args, &host), &host);
}

// The values traced, sampled each simulated second into the log's series.
struct TraceSampler {
  std::shared_ptr<TraceSeries> series;
  std::vector<Watched> watched;
};

std::string RunTrace(RunContext& context, const ScenarioStep& step) {
  TraceSeries& series = context.log.Series();
  for (const Watched& watched : ReadTrace(step.args, &context.host)) {
    if (std::find(series.columns.begin(), series.columns.end(), watched.label) != series.columns.end()) continue;
    series.columns.push_back(watched.label);
    context.tracer->watched.push_back(watched);
  }
  if (context.tracing) return "";
  context.tracing = true;
  context.host.AddTickHook([sampler = context.tracer](SimHost& host) {
    if (host.TicksRun() % 18 != 0) return;
    std::vector<std::string> row{FormatValue(host.SimSeconds())};
    for (const Watched& watched : sampler->watched) {
      const std::optional<double> value = ValueOf(host, watched);
      row.push_back(value ? FormatValue(*value) : "");
    }
    sampler->series->rows.push_back(std::move(row));
  });
  return "";
}

std::string RunNote(RunContext& context, const ScenarioStep& step) {
  context.log.Note(context.host.SimSeconds(), JoinFrom(step.args, 0));
  return "";
}

// A display not drawn yet (not built, or dark from the start) writes nothing;
// the log says so when it was asked for by name. A gauge of the virtual
// cockpit without a screen has nothing to picture: refused before the flight.
std::string SnapshotNames(const SimHost& host, const std::vector<std::string>& args) {
  if (args.empty()) return "";
  if (host.Module().FindGauge(args[0]) == nullptr) return NoGaugeMessage(host, args[0]);
  return host.CheckSnapshot(args[0]);
}

std::string RunSnapshot(RunContext& context, const ScenarioStep& step) {
  const std::string gauge = step.args.empty() ? "" : step.args[0];
  const size_t before = context.host.Pictures().Written().size();
  const std::string failure = context.host.Snapshot(gauge);
  if (failure.empty() && !gauge.empty() && context.host.Pictures().Written().size() == before) {
    context.log.Note(context.host.SimSeconds(), "snapshot: \"" + gauge + "\" has drawn no picture");
  }
  return failure;
}

// ils AIRPORT RUNWAY FREQUENCY [GLIDESLOPE_DEG]
std::string CheckIlsLine(const std::vector<std::string>& args) { return CheckNumbers(args, 2); }

double IlsSlope(const std::vector<std::string>& args) { return args.size() > 3 ? Number(args[3]) : 3.0; }

std::string IlsNames(const SimHost& host, const std::vector<std::string>& args) {
  return host.Radios().CheckIls(args[0], args[1], Number(args[2]), IlsSlope(args));
}

std::string RunIls(RunContext& context, const ScenarioStep& step) {
  return context.host.Radios().AddIls(step.args[0], step.args[1], Number(step.args[2]), IlsSlope(step.args));
}

// The dispatch page's two cards, into the output folder beside the pictures.
std::string RunDispatch(RunContext& context, const ScenarioStep&) {
  if (context.host.PicturesFolder().empty()) return "dispatch needs an output folder";
  std::string sheet;
  if (!context.host.DispatchCards(&sheet)) return "the departure plan could not be written (see the trace)";
  const std::filesystem::path out = std::filesystem::path(context.host.PicturesFolder()).parent_path();
  const std::filesystem::path plan =
      std::filesystem::path(platform::ResolvePath(L".\\SimObjects\\Airplanes\\QZ Halcyon Pro\\Departure plan.txt"));
  std::error_code error;
  std::filesystem::copy_file(plan, out / "Departure plan.txt", std::filesystem::copy_options::overwrite_existing, error);
  std::FILE* file = error ? nullptr : std::fopen((out / "Load sheet.txt").string().c_str(), "wb");
  const bool written = file != nullptr && std::fwrite(sheet.data(), 1, sheet.size(), file) == sheet.size();
  if (file != nullptr && std::fclose(file) != 0) return "the load sheet could not be written into " + out.string();
  if (!written) return "the dispatch cards could not be written into " + out.string();
  context.log.Note(context.host.SimSeconds(), "dispatch: \"Departure plan.txt\" and \"Load sheet.txt\" written");
  return "";
}

// lesson list CATEGORY | open CATEGORY N | next | previous | first
std::string CheckLesson(const std::vector<std::string>& args) {
  const std::string& action = args[0];
  const size_t wanted = action == "list" ? 2 : action == "open" ? 3 : 1;
  if (action != "list" && action != "open" && action != "next" && action != "previous" && action != "first") {
    return "lesson takes 'list', 'open', 'next', 'previous' or 'first', not " + Quote(action);
  }
  if (args.size() != wanted) return "lesson " + action + " takes " + std::to_string(wanted - 1) + " numbers";
  if (wanted > 1) {
    const std::string category = CheckInRange(args[1], "lesson category", 4);
    if (!category.empty()) return category;
  }
  return wanted > 2 ? CheckInRange(args[2], "lesson number", 200) : "";
}

std::string RunLesson(RunContext& context, const ScenarioStep& step) {
  const int32_t category = step.args.size() > 1 ? static_cast<int32_t>(Number(step.args[1])) : 0;
  const int32_t n = step.args.size() > 2 ? static_cast<int32_t>(Number(step.args[2])) : 0;
  int32_t result = 0;
  std::string text;
  if (!context.host.Lesson(step.args[0], category, n, &result, &text)) return "the cockpit has no lessons";
  if (step.args[0] == "list") {
    context.log.Note(context.host.SimSeconds(),
                     "lesson list: category " + step.args[1] + ", " + std::to_string(result) + " lessons");
    for (size_t start = 0; start < text.size();) {
      const size_t end = text.find('\n', start);
      context.log.Note(context.host.SimSeconds(), "   " + text.substr(start, end - start));
      start = end == std::string::npos ? text.size() : end + 1;
    }
    return "";
  }
  if (step.args[0] == "open" && result == 0) {
    return "lesson " + step.args[2] + " of category " + step.args[1] + " has no step 1 (or there is no such lesson)";
  }
  context.log.Note(context.host.SimSeconds(), "lesson " + step.args[0] + ": " + text);
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
    {"click", 3, 3, "click <gauge> <x> <y>", CheckClick, RunClick, ClickNames},
    {"mouse", 4, 4, "mouse <gauge> <x> <y> click|release|repeat|move|right|drag", CheckMouse, RunMouse},
    {"call", 2, 3, "call <gauge> <function> [click|release|repeat|move|right|drag]", CheckCall, RunCall, CallNames},
    {"tooltip", 1, 1, "tooltip <gauge>", CheckNothing, RunTooltip, TooltipNames},
    {"control", 3, 3, "control <section> <key> <position>", CheckControl, RunControl, ControlNames},
    {"type", 1, 99, "type <text>", CheckType, RunType},
    {"keydown", 1, 1, "keydown <key>", CheckKey, RunKeyDown},
    {"keyup", 1, 1, "keyup <key>", CheckKey, RunKeyUp},
    {"key", 1, 1, "key <combination>", CheckNothing, RunKey},
    {"traffic", 5, 7, "traffic <atc-id> <lat> <lon> <alt-ft> <vs-fpm> [<heading> <speed-kt>]", CheckTraffic,
     RunTraffic},
    {"encounter", 2, 6, "encounter <atc-id> <seconds> [<bearing> [<alt-offset-ft> [<speed-kt> [<vs-fpm>]]]]",
     CheckEncounter, RunEncounter},
    {"ground-elevation", 1, 1, "ground-elevation <feet>", CheckGroundElevation, RunGroundElevation},
    {"flight-model", 1, 1, "flight-model on|off", CheckOnOff, RunFlightModel},
    {"trim-echo", 1, 1, "trim-echo on|off", CheckOnOff, RunTrimEcho},
    {"traffic-remove", 1, 1, "traffic-remove <atc-id>", CheckNothing, RunTrafficRemove},
    {"clouds", 1, 1, "clouds <density 0..255>", CheckClouds, RunClouds},
    {"weather-cell", 4, 6, "weather-cell <lat> <lon> <radius-nm> <density 1..255> [<base-ft> <top-ft>]",
     CheckWeatherCell, RunWeatherCell},
    {"weather-clear", 0, 0, "weather-clear", CheckNothing, RunWeatherClear},
    {"sim-quit", 0, 0, "sim-quit", CheckNothing, RunSimQuit},
    {"sim-exception", 0, 0, "sim-exception", CheckNothing, RunSimException},
    {"sim-event", 1, 1, "sim-event <name>", CheckNothing, RunSimEvent},
    {"snapshot", 0, 1, "snapshot [<gauge>]", CheckNothing, RunSnapshot, SnapshotNames},
    {"expect", 3, 4, "expect <token>|<section> <key> ==|!=|<|<=|>|>= <value>", CheckExpect, RunExpect, ExpectNames},
    {"trace", 1, 99, "trace <token>|<section>/<key> ...", CheckTrace, RunTrace, TraceNames},
    {"note", 1, 99, "note <text>", CheckNothing, RunNote},
    {"stop", 0, 0, "stop", CheckNothing, RunStop},
    {"ils", 3, 4, "ils <airport> <runway> <frequency-mhz> [<glide-slope-deg>]", CheckIlsLine, RunIls, IlsNames},
    {"dispatch", 0, 0, "dispatch", CheckNothing, RunDispatch},
    {"lesson", 1, 3, "lesson list <category> | open <category> <n> | next | previous | first", CheckLesson, RunLesson},
};

const Command* FindCommand(const std::string& name) {
  for (const Command& command : kCommands) {
    if (name == command.name) return &command;
  }
  return nullptr;
}

// The commands that begin with a name (a section, a gauge), and how many
// words come after it.
struct NamedCommand {
  const char* name;
  size_t wordsAfterName;
  bool section;  // a control's section; otherwise a gauge
};
constexpr NamedCommand kNamedCommands[] = {
    {"control", 2, true}, {"expect", 3, true}, {"click", 2, false},
    {"mouse", 3, false},  {"tooltip", 0, false}, {"snapshot", 0, false},
};

const NamedCommand* FindNamedCommand(const std::string& name) {
  for (const NamedCommand& command : kNamedCommands) {
    if (name == command.name) return &command;
  }
  return nullptr;
}

std::string UsageOf(const Command& command) {
  return std::string("usage: ") + command.usage +
         (FindNamedCommand(command.name) != nullptr ? " (a name with blanks is written in double quotes)" : "");
}

// Too many words for a command that begins with a name: the words before
// those that follow the name are taken as one name.
bool JoinUnquotedName(const Command& command, std::vector<std::string>* args) {
  const NamedCommand* named = FindNamedCommand(command.name);
  if (named == nullptr || args->size() < named->wordsAfterName + 2 || args->size() <= command.maxArgs) return false;
  const size_t nameWords = args->size() - named->wordsAfterName;
  std::vector<std::string> joined{(*args)[0]};
  for (size_t i = 1; i < nameWords; ++i) joined[0] += " " + (*args)[i];
  joined.insert(joined.end(), args->begin() + static_cast<std::ptrdiff_t>(nameWords), args->end());
  if (joined.size() < command.minArgs || joined.size() > command.maxArgs) return false;
  *args = std::move(joined);
  return true;
}

// What a line whose name lost its quotes gets told, the cockpit at hand.
std::string UnquotedNameMessage(const SimHost& host, const ScenarioStep& step) {
  const NamedCommand& named = *FindNamedCommand(step.command);
  const std::string& name = step.args[0];
  const bool known = named.section ? IsSection(host, name) : host.Module().FindGauge(name) != nullptr;
  if (!known) return UsageOf(*FindCommand(step.command));
  std::string line = step.command + " \"" + name + "\"";
  for (size_t i = 1; i < step.args.size(); ++i) line += " " + step.args[i];
  return "a name with blanks is written in double quotes: " + line;
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
  if (total > kMaxSeconds) return false;
  *seconds = total;
  return true;
}

bool Scenario::Parse(const std::string& text, const std::string& fileName, std::vector<std::string>* errors) {
  size_t errorCount = 0;
  int lineNumber = 0;
  auto fail = [&](const std::string& message) {
    if (++errorCount <= kMaxErrorsShown) {
      errors->push_back(fileName + ":" + std::to_string(lineNumber) + ": " + Escaped(message, 2 * kMaxLineBytes));
    }
  };
  std::string_view rest = text;
  // A byte-order mark, as some editors save UTF-8, is no command.
  if (rest.substr(0, 3) == "\xEF\xBB\xBF") rest.remove_prefix(3);
  double cursor = endSeconds_;
  while (!rest.empty()) {
    const size_t newline = rest.find('\n');
    const std::string_view lineView = rest.substr(0, newline);
    rest.remove_prefix(newline == std::string_view::npos ? rest.size() : newline + 1);
    ++lineNumber;
    if (lineView.size() > kMaxLineBytes) {
      fail("the line is longer than " + std::to_string(kMaxLineBytes) + " bytes");
      continue;
    }
    const std::string line(lineView);
    if (line.find('\0') != std::string::npos) {
      fail("the line holds a NUL byte");
      continue;
    }
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
        fail(Quote(words[1]) + " is not a time (seconds, m:ss or h:mm:ss)");
        continue;
      }
      if (at < cursor) {
        fail("time " + Escaped(words[1], kExcerptBytes) + " is earlier than the line before (" + FormatSimTime(cursor) + ")");
        continue;
      }
      words.erase(words.begin(), words.begin() + 2);
    }
    const Command* command = FindCommand(words[0]);
    if (command == nullptr) {
      fail("unknown command " + Quote(words[0]));
      continue;
    }
    std::vector<std::string> args(words.begin() + 1, words.end());
    bool unquoted = false;
    if (args.size() < command->minArgs || (command->maxArgs != 99 && args.size() > command->maxArgs)) {
      // A name with blanks whose quotes were forgotten: checked against the
      // cockpit before the flight, which offers it quoted.
      unquoted = JoinUnquotedName(*command, &args) && command->check(args).empty();
      if (!unquoted) {
        fail(UsageOf(*command));
        continue;
      }
    }
    error = command->check(args);
    if (!error.empty()) {
      fail(error);
      continue;
    }
    cursor = at;
    if (words[0] == "run") cursor += Seconds(args[0]);
    steps_.push_back({fileName, lineNumber, at, words[0], std::move(args), unquoted});
  }
  if (errorCount > kMaxErrorsShown) {
    errors->push_back(fileName + ": and " + std::to_string(errorCount - kMaxErrorsShown) + " more errors");
  }
  endSeconds_ = cursor;
  return errorCount == 0;
}

bool Scenario::LoadFile(const std::string& path, std::vector<std::string>* errors) {
  // A folder opens like a file on Linux and reads as nothing: it would play an
  // empty flight and report success.
  std::error_code ignored;
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (file == nullptr || std::filesystem::is_directory(path, ignored)) {
    const std::string reason = file != nullptr ? "it is a folder" : std::strerror(errno);
    if (file != nullptr) std::fclose(file);
    errors->push_back(path + ": cannot read the scenario file: " + reason);
    return false;
  }
  // Read no further than the bound (a device such as /dev/zero never ends).
  std::string text;
  char buffer[65536];
  size_t got = 0;
  while (text.size() <= kMaxScenarioBytes && (got = std::fread(buffer, 1, sizeof(buffer), file)) > 0) {
    text.append(buffer, got);
  }
  const bool readError = std::ferror(file) != 0;
  const int readErrno = errno;
  std::fclose(file);
  if (readError) {
    errors->push_back(path + ": cannot read the scenario file: " + std::strerror(readErrno));
    return false;
  }
  if (text.size() > kMaxScenarioBytes) {
    errors->push_back(path + ": the scenario is larger than " + std::to_string(kMaxScenarioBytes >> 20) + " MiB");
    return false;
  }
  return Parse(text, path, errors);
}

bool CheckScenarioNames(const SimHost& host, const Scenario& scenario, std::vector<std::string>* errors) {
  size_t errorCount = 0;
  for (const ScenarioStep& step : scenario.Steps()) {
    const Command* command = FindCommand(step.command);
    if (command->names == nullptr && !step.unquotedName) continue;
    const std::string error = step.unquotedName ? UnquotedNameMessage(host, step) : command->names(host, step.args);
    if (error.empty() || ++errorCount > kMaxErrorsShown) continue;
    errors->push_back(step.file + ":" + std::to_string(step.line) + ": " + Escaped(error, 2 * kMaxLineBytes));
  }
  if (errorCount > kMaxErrorsShown) {
    errors->push_back("and " + std::to_string(errorCount - kMaxErrorsShown) + " more errors");
  }
  return errorCount == 0;
}

bool RunScenario(SimHost& host, const Scenario& scenario, RunLog& log, std::string* error,
                 const ProgressReport& progress) {
  ExpectCount& expects = log.Expects();
  for (const ScenarioStep& step : scenario.Steps()) expects.notReached += step.command == "expect" ? 1 : 0;
  std::vector<std::string> nameErrors;
  if (!CheckScenarioNames(host, scenario, &nameErrors)) {
    error->clear();
    for (const std::string& line : nameErrors) *error += (error->empty() ? "" : "\n") + line;
    log.Failed(host.SimSeconds(), nameErrors.front() + (nameErrors.size() > 1 ? " (and more: see the terminal)" : ""));
    return false;
  }
  RunContext context{host, log, std::make_shared<TraceSampler>(TraceSampler{log.SharedSeries(), {}})};
  const double start = host.SimSeconds();
  const double total = scenario.EndSeconds();
  if (progress) {
    host.AddTickHook([progress, start, total](SimHost& running) {
      if (running.TicksRun() % 180 == 0) progress(running.SimSeconds() - start, total);
    });
  }
  for (const ScenarioStep& step : scenario.Steps()) {
    host.RunSeconds(start + step.atSeconds - host.SimSeconds());
    if (host.StopRequested()) break;
    const std::string failure = FindCommand(step.command)->run(context, step);
    // A command cut short by the stop proves nothing either way.
    if (host.StopRequested()) break;
    if (step.command == "expect") {
      --expects.notReached;
      ++(failure.empty() ? expects.passed : expects.failed);
    }
    if (!failure.empty()) {
      *error = step.file + ":" + std::to_string(step.line) + ": " + failure;
      // A plain run goes on from the cockpit its simulator folder saved: a
      // check written for a cold and dark start may fail for that alone.
      if (step.command == "expect" && host.HeldSavedCockpit()) {
        *error += " (the flight went on from the cockpit saved in " + host.Root() + "; tools/fresh_root.sh '" +
                  host.Root() + "' starts it cold and dark)";
      }
      log.Failed(host.SimSeconds(), *error);
      return false;
    }
    if (context.stopped) break;
  }
  if (host.StopRequested()) {
    log.Note(host.SimSeconds(), "interrupted: the flight ends here and the cockpit shuts down");
    log.Interrupted(host.SimSeconds());
  }
  if (progress) progress(host.SimSeconds() - start, total);
  return true;
}

}  // namespace simhost
