// simhost: runs the cockpit module headless, as the simulator would, through
// a scripted flight, and writes what it produced to an output folder.
#include <signal.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "platform/ini.h"
#include "simhost/options.h"
#include "simhost/run_log.h"
#include "simhost/scenario.h"
#include "simhost/scenario_names.h"
#include "simhost/sim_host.h"
#include "simhost/sim_root.h"

namespace {

// The path made whole before the run makes or notes anything: absolute, the
// part of it that exists taken through its links as the system takes it
// (so "link/../x" is the x beside the link's target, as ls shows it), the
// rest, not there yet, as text with its "." and ".." taken out (so that
// "new/../mine" is mine, which no folder the run makes can be mistaken
// for), and no slash at its end.
std::string WholePath(const std::string& path) {
  std::error_code failed;
  std::filesystem::path whole = std::filesystem::absolute(path, failed);
  if (failed) whole = path;
  const std::filesystem::path resolved = std::filesystem::weakly_canonical(whole, failed);
  std::string text = (failed ? whole.lexically_normal() : resolved).string();
  while (text.size() > 1 && text.back() == '/') text.pop_back();
  return text;
}

// The first Ctrl-C (or SIGTERM) ends the flight at the next tick, as closing
// the simulator would: the cockpit shuts down and saves, and the log,
// pictures and sound are written. A second one ends the program at once.
volatile std::sig_atomic_t g_stopSignal = 0;

void OnStopSignal(int signalNumber) {
  if (g_stopSignal != 0) {
    signal(signalNumber, SIG_DFL);
    raise(signalNumber);
    return;
  }
  g_stopSignal = signalNumber;
}

// Caught from the program's first step on, so a stop that comes while the
// run is starting is said too; a stop held back by whatever started the
// program is let through.
void CatchStopSignals() {
  struct sigaction action {};
  action.sa_handler = OnStopSignal;
  sigemptyset(&action.sa_mask);
  sigaction(SIGINT, &action, nullptr);
  sigaction(SIGTERM, &action, nullptr);
  sigset_t stops;
  sigemptyset(&stops);
  sigaddset(&stops, SIGINT);
  sigaddset(&stops, SIGTERM);
  sigprocmask(SIG_UNBLOCK, &stops, nullptr);
}

int Fail(const std::string& message) {
  std::fprintf(stderr, "simhost: %s\n", message.c_str());
  return 1;
}

// What a run holds and has made as it starts. A run that did not start
// flying leaves its folders as it found them: it writes nothing into the
// output folder (what the run before left there stays), what it made goes
// again (not a folder another run holds), and once the module has loaded,
// the module is unloaded and what the cockpit wrote is dropped unsaved (the
// host held its saves). What it could not take back is said after why it
// stopped.
struct Starting {
  simhost::StartRecord made;

  std::vector<std::string> TakeBack() const { return made.Undo(); }
  std::vector<std::string> TakeBack(simhost::SimHost& host) const {
    host.Unload();
    host.DropHeldSaves();
    return TakeBack();
  }
};

int Refuse(const std::string& message, const std::vector<std::string>& notTakenBack, int status = 1) {
  Fail(message);
  for (const std::string& line : notTakenBack) Fail(line);
  return status;
}

int RefuseStart(const Starting& starting, const std::string& message) { return Refuse(message, starting.TakeBack()); }

int RefuseStart(simhost::SimHost& host, const Starting& starting, const std::string& message) {
  return Refuse(message, starting.TakeBack(host));
}

// The same once the cockpit has started: it is shut down first.
int RefuseStarted(simhost::SimHost& host, const Starting& starting, const std::string& message) {
  host.Shutdown();
  return RefuseStart(host, starting, message);
}

// What a run stopped before its flight left of its output folder, said once
// it has taken back what it made.
std::string UntouchedOutput(const Starting& starting, const std::string& outFolder) {
  struct stat info {};
  if (starting.made.Made(outFolder) && stat(outFolder.c_str(), &info) != 0) {
    return "nothing was written, and " + outFolder + ", which this run made, is gone again";
  }
  if (simhost::HoldsAnEarlierRun(outFolder)) {
    return "nothing was written into " + outFolder + ", which holds what the run before left there";
  }
  return "nothing was written into " + outFolder;
}

// The names a scenario may use. Gauges and controls are the loaded
// cockpit's, so the module is started in a scratch simulator folder that
// goes again afterwards.
int List(const simhost::ProgramOptions& program) {
  if (program.list == "tokens") {
    for (const std::string& line : simhost::ListNames(nullptr, "tokens")) std::printf("%s\n", line.c_str());
    return 0;
  }
  char scratch[] = "/tmp/simhost-list-XXXXXX";
  if (mkdtemp(scratch) == nullptr) return Fail("cannot make a scratch folder in /tmp");
  int status = 0;
  {
    simhost::HostOptions options;
    options.root = std::string(scratch) + "/root";
    options.modulePath = program.modulePath.empty() ? "" : WholePath(program.modulePath);
    simhost::SimHost host(options);
    std::string error;
    if (host.Load(&error)) {
      host.Start();
      for (const std::string& line : simhost::ListNames(&host, program.list)) std::printf("%s\n", line.c_str());
    } else {
      status = Fail(error);
    }
  }
  std::error_code ignored;
  std::filesystem::remove_all(scratch, ignored);
  return status;
}

}  // namespace

int main(int argc, char** argv) {
  simhost::ProgramOptions program;
  std::string error;
  if (!simhost::ParseProgramOptions(std::vector<std::string>(argv + 1, argv + argc), &program, &error)) {
    std::fprintf(stderr, "simhost: %s\n%s", error.c_str(), simhost::kUsage);
    return 2;
  }
  if (program.help) {
    std::fputs(simhost::kUsage, stdout);
    return 0;
  }
  if (!program.list.empty()) return List(program);
  CatchStopSignals();

  simhost::Scenario scenario;
  std::vector<std::string> errors;
  if (!scenario.LoadFile(program.scenarioPath, &errors)) {
    for (const std::string& line : errors) std::fprintf(stderr, "simhost: %s\n", line.c_str());
    return 1;
  }

  // Every folder the run writes into is proved writable before the first
  // tick, and the output folder and the simulator folder are this run's
  // alone until it ends. The output folder is made and locked first, then
  // the simulator folder: a run refused because another holds either has
  // made nothing that run flies with (the default simulator folder and
  // pictures/ lie in the output folder). A run refused before its first
  // tick takes back what it made.
  const std::string outFolder = WholePath(program.outFolder);
  simhost::HostOptions options;
  options.root = program.root.empty() ? outFolder + "/root" : WholePath(program.root);
  options.modulePath = program.modulePath.empty() ? "" : WholePath(program.modulePath);
  options.flightModel = true;  // a scenario switches it off with "flight-model off"
  options.picturesFolder = outFolder + "/pictures";
  Starting starting;
  if (!starting.made.HoldFolder(outFolder, "output folder", "--out", &error) ||
      !starting.made.HoldFolder(options.root, "simulator folder", "--root", &error) ||
      !starting.made.PrepareFolder(options.picturesFolder, "pictures folder", &error)) {
    return RefuseStart(starting, error);
  }

  simhost::SimHost host(options);
  host.HoldSaves();
  const bool loaded = host.Load(&error);
  starting.made.Note(host.LaidOut());
  if (!loaded || !simhost::ProveCockpitFilesWritable(options.root, &error)) return RefuseStart(host, starting, error);
  host.Start();
  // The earlier run's outputs are cleared only once this run is sure to fly:
  // its folders proved writable, the module loaded and started, every name
  // the scenario uses known to it, and no stop asked for.
  std::vector<std::string> nameErrors;
  if (!simhost::CheckScenarioNames(host, scenario, &nameErrors)) {
    std::string names;
    for (const std::string& line : nameErrors) names += (names.empty() ? "" : "\n") + line;
    return RefuseStarted(host, starting, names);
  }
  if (g_stopSignal != 0) {
    host.Shutdown();
    const std::vector<std::string> notTakenBack = starting.TakeBack(host);
    return Refuse("interrupted before the flight began: " + UntouchedOutput(starting, outFolder), notTakenBack,
                  128 + g_stopSignal);
  }
  // What the output folder holds after the run is what this run made.
  if (!simhost::ClearEarlierOutputs(outFolder, options.picturesFolder, options.root, &error)) {
    return RefuseStarted(host, starting, error);
  }
  host.KeepHeldSaves();
  host.WatchStopFlag(&g_stopSignal);
  simhost::RunLog log;
  const std::string soundFolder = simhost::RootPath(options.root, simhost::kSoundFolder);
  if (simhost::CountSoundPackFiles(options.root) == 0) {
    const std::string warning = "the sound pack is missing from " + soundFolder +
                                ": cockpit.wav will be silent (make the pack with tools/make_sound_pack.sh '" +
                                soundFolder + "', as make demo does)";
    std::fprintf(stderr, "simhost: %s\n", warning.c_str());
    log.Warn(warning);
  }

  const bool tty = isatty(STDERR_FILENO) != 0;
  auto progress = [quiet = program.quiet, tty, last = std::make_shared<std::string>()](double done, double total) {
    if (quiet || total <= 0.0) return;
    // The last tick may end a rounding past the scenario's end.
    done = std::min(done, total);
    char line[96];
    std::snprintf(line, sizeof(line), "[simhost] %s of %s simulated (%d%%)", simhost::FormatSimTime(done).c_str(),
                  simhost::FormatSimTime(total).c_str(), static_cast<int>(std::min(100.0, 100.0 * done / total)));
    // A flight that ends on a progress tick reports that moment once.
    if (*last == line) return;
    *last = line;
    std::fprintf(stderr, "%s%s%s", tty ? "\r" : "", line, tty ? "\x1b[K" : "\n");
  };
  if (program.picturesEverySeconds > 0.0) {
    const auto everyTicks = static_cast<uint64_t>(std::max(1.0, std::round(program.picturesEverySeconds * 18.0)));
    host.AddTickHook([everyTicks](simhost::SimHost& running) {
      if (running.TicksRun() % everyTicks != 0) return;
      const std::string failure = running.Snapshot();
      if (!failure.empty()) std::fprintf(stderr, "simhost: %s\n", failure.c_str());
    });
  }
  const bool played = simhost::RunScenario(host, scenario, log, &error, progress);
  if (tty && !program.quiet) std::fputs("\n", stderr);
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
  const simhost::ExpectCount& expects = log.Expects();
  if (!program.quiet && expects.passed + expects.failed + expects.notReached > 0) {
    std::fprintf(stderr, "[simhost] %s\n", simhost::DescribeExpects(expects).c_str());
  }
  if (!played) return Fail(error);
  if (!written) return Fail(writeError);
  if (!failedSaves.empty()) return Fail("the cockpit's saved state was not written whole (see log.txt)");
  if (!lastPictures.empty()) return Fail(lastPictures);
  if (g_stopSignal != 0) {
    if (!program.quiet) std::fprintf(stderr, "[simhost] interrupted: %s/log.txt\n", outFolder.c_str());
    return 128 + g_stopSignal;
  }
  if (!program.quiet) std::fprintf(stderr, "[simhost] done: %s/log.txt\n", outFolder.c_str());
  return 0;
}
