// Command-line options of simhost.
#include "simhost/options.h"

#include <cstdlib>

namespace simhost {

const char* const kUsage =
    "usage: simhost --scenario FILE [--out FOLDER] [--root FOLDER] [--module FILE] [--pictures SECONDS] [--quiet]\n"
    "       simhost --list gauges|controls|tokens\n"
    "       simhost --help\n"
    "  --scenario  the flight to play (scenarios/default.scn is the demo flight)\n"
    "  --out       where log.txt and the saved files go (default: out)\n"
    "  --root      the simulator folder (default: <out>/root; made when missing, kept between runs;\n"
    "              one simhost at a time flies in it)\n"
    "  --module    the cockpit module (default: libhalcyon.so beside simhost)\n"
    "  --pictures  also a picture of every display drawn, every SECONDS of simulated time\n"
    "              (the last frame of each is written at the end of every run)\n"
    "  --quiet     no progress lines and no closing line; warnings and errors are still said\n"
    "  --list      what a scenario may name: the gauges (click, snapshot), the controls\n"
    "              (control, expect, trace) or the token names (set, ramp, expect, trace)\n";

namespace {

constexpr const char* kValueOptions[] = {"--scenario", "--out", "--root", "--module", "--pictures", "--list"};

bool TakesValue(const std::string& arg) {
  for (const char* option : kValueOptions) {
    if (arg == option) return true;
  }
  return false;
}

bool ReadPicturesInterval(const std::string& value, double* seconds, std::string* error) {
  char* end = nullptr;
  *seconds = std::strtod(value.c_str(), &end);
  if (end == value.c_str() || *end != '\0' || !(*seconds > 0.0) || *seconds > 86400.0) {
    *error = "--pictures takes a number of seconds above 0 and up to 86400, not '" + value + "'";
    return false;
  }
  return true;
}

}  // namespace

bool ParseProgramOptions(const std::vector<std::string>& args, ProgramOptions* options, std::string* error) {
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg == "--help" || arg == "-h") {
      options->help = true;
      continue;
    }
    if (arg == "--quiet") {
      options->quiet = true;
      continue;
    }
    if (!TakesValue(arg)) {
      *error = arg.rfind("-", 0) == 0 ? "unknown option '" + arg + "'"
                                      : "'" + arg + "' is not an option (a scenario is given with --scenario FILE)";
      return false;
    }
    if (i + 1 >= args.size()) {
      *error = arg + " needs a value";
      return false;
    }
    const std::string& value = args[++i];
    if (arg == "--scenario") {
      options->scenarioPath = value;
    } else if (arg == "--out") {
      options->outFolder = value;
    } else if (arg == "--root") {
      options->root = value;
    } else if (arg == "--module") {
      options->modulePath = value;
    } else if (arg == "--pictures") {
      if (!ReadPicturesInterval(value, &options->picturesEverySeconds, error)) return false;
    } else if (value == "gauges" || value == "controls" || value == "tokens") {
      options->list = value;
    } else {
      *error = "--list takes gauges, controls or tokens, not '" + value + "'";
      return false;
    }
  }
  if (options->help || !options->list.empty() || !options->scenarioPath.empty()) return true;
  *error = "no scenario given (--scenario FILE; scenarios/default.scn is the demo flight)";
  return false;
}

}  // namespace simhost
