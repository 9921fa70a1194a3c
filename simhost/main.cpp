// simhost: runs the cockpit module headless, as the simulator would, through
// a scripted flight, and writes what it produced to an output folder.
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "platform/ini.h"
#include "simhost/run_log.h"
#include "simhost/scenario.h"
#include "simhost/sim_host.h"

namespace {

constexpr const char* kUsage =
    "usage: simhost [--scenario FILE] [--out FOLDER] [--root FOLDER] [--module FILE] [--pictures SECONDS] [--quiet]\n"
    "  --scenario  the flight to play (default: scenarios/default.scn)\n"
    "  --out       where log.txt and the saved files go (default: out)\n"
    "  --root      the simulator folder (default: <out>/root; made when missing)\n"
    "  --module    the cockpit module (default: libhalcyon.so beside simhost)\n"
    "  --pictures  also a picture of every display drawn, every SECONDS of simulated time\n"
    "              (the last frame of each is written at the end of every run)\n";

std::string Absolute(const std::string& path) {
  if (!path.empty() && path[0] == '/') return path;
  char cwd[4096] = {};
  return getcwd(cwd, sizeof(cwd)) != nullptr ? std::string(cwd) + "/" + path : path;
}

int Fail(const std::string& message) {
  std::fprintf(stderr, "simhost: %s\n", message.c_str());
  return 1;
}

}  // namespace

int main(int argc, char** argv) {
  std::string scenarioPath = "scenarios/default.scn";
  std::string outFolder = "out";
  std::string root;
  std::string modulePath;
  bool quiet = false;
  double picturesEverySeconds = 0.0;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    const bool hasValue = i + 1 < argc;
    if (arg == "--scenario" && hasValue) {
      scenarioPath = argv[++i];
    } else if (arg == "--out" && hasValue) {
      outFolder = argv[++i];
    } else if (arg == "--root" && hasValue) {
      root = argv[++i];
    } else if (arg == "--module" && hasValue) {
      modulePath = argv[++i];
    } else if (arg == "--pictures" && hasValue) {
      const std::string value = argv[++i];
      char* end = nullptr;
      picturesEverySeconds = std::strtod(value.c_str(), &end);
      if (end == value.c_str() || *end != '\0' || !(picturesEverySeconds > 0.0) || picturesEverySeconds > 86400.0) {
        return Fail("--pictures takes a number of seconds above 0 and up to 86400, not '" + value + "'");
      }
    } else if (arg == "--quiet") {
      quiet = true;
    } else {
      std::fputs(kUsage, stderr);
      return arg == "--help" ? 0 : 2;
    }
  }

  simhost::Scenario scenario;
  std::vector<std::string> errors;
  if (!scenario.LoadFile(scenarioPath, &errors)) {
    for (const std::string& error : errors) std::fprintf(stderr, "simhost: %s\n", error.c_str());
    return 1;
  }

  outFolder = Absolute(outFolder);
  if (mkdir(outFolder.c_str(), 0755) != 0 && errno != EEXIST) {
    return Fail("cannot make the output folder " + outFolder + ": " + std::strerror(errno));
  }
  simhost::HostOptions options;
  options.root = root.empty() ? outFolder + "/root" : root;  // SimHost makes it absolute
  options.modulePath = modulePath.empty() ? "" : Absolute(modulePath);
  options.flightModel = true;  // a scenario switches it off with "flight-model off"
  options.picturesFolder = outFolder + "/pictures";

  simhost::SimHost host(options);
  std::string error;
  if (!host.Load(&error)) return Fail(error);
  host.Start();

  simhost::RunLog log;
  const bool tty = isatty(STDERR_FILENO) != 0;
  auto progress = [quiet, tty](double done, double total) {
    if (quiet || total <= 0.0) return;
    std::fprintf(stderr, "%s[simhost] %s of %s simulated%s", tty ? "\r" : "", simhost::FormatSimTime(done).c_str(),
                 simhost::FormatSimTime(total).c_str(), tty ? "" : "\n");
  };
  if (picturesEverySeconds > 0.0) {
    const auto everyTicks = static_cast<uint64_t>(std::max(1.0, std::round(picturesEverySeconds * 18.0)));
    host.AddTickHook([everyTicks](simhost::SimHost& running) {
      if (running.TicksRun() % everyTicks != 0) return;
      const std::string failure = running.Snapshot();
      if (!failure.empty()) std::fprintf(stderr, "simhost: %s\n", failure.c_str());
    });
  }
  const bool played = simhost::RunScenario(host, scenario, log, &error, progress);
  if (tty && !quiet) std::fputs("\n", stderr);
  // The last frame of every display, as the flight left it.
  const std::string lastPictures = host.Snapshot();
  host.Shutdown();
  std::string writeError;
  const bool written = log.WriteOutput(host, outFolder, &writeError);
  host.Unload();
  const std::vector<platform::IniSaveFailure> failedSaves = platform::IniSaveFailures();
  for (const platform::IniSaveFailure& failure : failedSaves) {
    std::fprintf(stderr, "simhost: cannot save %s: %s\n", failure.file.c_str(), failure.reason.c_str());
  }
  if (!played) return Fail(error);
  if (!written) return Fail(writeError);
  if (!failedSaves.empty()) return Fail("the cockpit's saved state was not written whole (see log.txt)");
  if (!lastPictures.empty()) return Fail(lastPictures);
  if (!quiet) std::fprintf(stderr, "[simhost] done: %s/log.txt\n", outFolder.c_str());
  return 0;
}
