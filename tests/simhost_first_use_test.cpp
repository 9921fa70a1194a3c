// The simulator program as a new user meets it: the command line, folders it
// cannot use, a folder another run holds, checks that say what they saw, the
// names it offers for a typo, the simulator's own values, and the tools
// around it (a fresh demo folder, fuzz crashes kept).
#include <fcntl.h>
#include <gtest/gtest.h>
#include <linux/fs.h>
#include <sys/wait.h>
#include <sys/file.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "core/controls.h"
#include "core/panel_services.h"
#include "platform/paths.h"
#include "simhost/module_loader.h"
#include "simhost/key_event_names.h"
#include "simhost/options.h"
#include "simhost/run_log.h"
#include "simhost/scenario.h"
#include "simhost/scenario_names.h"
#include "simhost/sim_root.h"
#include "tests/cockpit.h"

namespace halcyon::test {
namespace {

std::string Slurp(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

bool Exists(const std::string& path) {
  std::error_code ignored;
  return std::filesystem::exists(path, ignored);
}

struct Shell {
  int status = -1;
  std::string output;
};

Shell RunShell(const std::string& command) {
  Shell run;
  FILE* pipe = popen((command + " 2>&1").c_str(), "r");
  if (pipe == nullptr) return run;
  char buffer[512];
  while (fgets(buffer, sizeof(buffer), pipe) != nullptr) run.output += buffer;
  run.status = pclose(pipe);
  return run;
}

class FirstUse : public testing::Test {
 protected:
  void SetUp() override {
    char pattern[] = "/tmp/halcyon-first-use-XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    folder_ = pattern;
  }
  void TearDown() override {
    std::error_code ignored;
    std::filesystem::remove_all(folder_, ignored);
  }

  std::string Scenario(const std::string& text) const {
    const std::string file = folder_ + "/flight.scn";
    std::ofstream(file, std::ios::binary) << text;
    return file;
  }
  // simhost on a scenario text, its root and output below the folder.
  ProgramRun Fly(const std::string& text, const std::string& more = "") const {
    return RunSimhostProgram("--quiet --scenario '" + Scenario(text) + "' --root '" + folder_ + "/root' --out '" +
                             folder_ + "/out' " + more);
  }

  std::string folder_;
};

simhost::ProgramOptions Parse(std::vector<std::string> args, std::string* error) {
  simhost::ProgramOptions options;
  if (!simhost::ParseProgramOptions(args, &options, error)) options.scenarioPath = "<refused>";
  return options;
}

// ---- The command line ----

TEST(ProgramOptions, EachBadArgumentIsNamed) {
  std::string error;
  EXPECT_EQ(Parse({"--scenario", "a.scn", "--bogus"}, &error).scenarioPath, "<refused>");
  EXPECT_EQ(error, "unknown option '--bogus'");
  Parse({"a.scn"}, &error);
  EXPECT_EQ(error, "'a.scn' is not an option (a scenario is given with --scenario FILE)");
  Parse({"--scenario", "a.scn", "--out"}, &error);
  EXPECT_EQ(error, "--out needs a value");
  Parse({"--list", "sounds"}, &error);
  EXPECT_EQ(error, "--list takes gauges, controls or tokens, not 'sounds'");
  Parse({"--scenario", "a.scn", "--pictures", "0"}, &error);
  EXPECT_NE(error.find("--pictures takes a number of seconds above 0"), std::string::npos);
  Parse({"--quiet"}, &error);
  EXPECT_EQ(error, "no scenario given (--scenario FILE; scenarios/default.scn is the demo flight)");

  error.clear();
  const auto options = Parse({"--scenario", "a.scn", "--out", "o", "--root", "r", "--pictures", "2.5", "--quiet"}, &error);
  EXPECT_EQ(error, "");
  EXPECT_EQ(options.scenarioPath, "a.scn");
  EXPECT_EQ(options.outFolder, "o");
  EXPECT_EQ(options.root, "r");
  EXPECT_EQ(options.picturesEverySeconds, 2.5);
  EXPECT_TRUE(options.quiet);
  EXPECT_TRUE(Parse({"--help"}, &error).help);
  EXPECT_EQ(Parse({"--list", "tokens"}, &error).list, "tokens");
}

// No scenario: the usage and a non-zero exit, and no ./out written over.
TEST_F(FirstUse, WithoutAScenarioTheProgramSaysHowAndWritesNothing) {
  const std::string program = simhost::DefaultModulePath().substr(0, simhost::DefaultModulePath().rfind('/')) + "/simhost";
  const Shell bare = RunShell("cd '" + folder_ + "' && '" + program + "'");
  EXPECT_EQ(WEXITSTATUS(bare.status), 2);
  EXPECT_NE(bare.output.find("simhost: no scenario given"), std::string::npos) << bare.output;
  EXPECT_NE(bare.output.find("usage: simhost --scenario FILE"), std::string::npos);
  EXPECT_FALSE(Exists(folder_ + "/out"));

  const Shell bogus = RunShell("cd '" + folder_ + "' && '" + program + "' --bogus --scenario x.scn");
  EXPECT_EQ(WEXITSTATUS(bogus.status), 2);
  EXPECT_EQ(bogus.output.rfind("simhost: unknown option '--bogus'\nusage:", 0), 0u) << bogus.output;
  EXPECT_FALSE(Exists(folder_ + "/out"));

  // --help: the usage on standard output, and success.
  const Shell help = RunShell("('" + program + "' --help 2>/dev/null)");
  EXPECT_EQ(help.status, 0);
  EXPECT_NE(help.output.find("--list      what a scenario may name"), std::string::npos) << help.output;
}

// ---- Folders ----

// A folder that cannot be written ends the run before the first tick: the
// module never flies (nothing is saved) however long the flight.
TEST_F(FirstUse, FoldersThatCannotBeWrittenAreFoundBeforeTheFirstTick) {
  const std::string longFlight = "control APU battery 41\nrun 10:00:00\n";
  // /proc takes no files, whoever asks. Its file system makes no unnamed
  // file for the proof, so the system is asked, which lets root write
  // anywhere: root learns it as the run makes its first folder there.
  const bool root = geteuid() == 0;
  const struct {
    std::string folders;
    std::string refusal;
  } proc[] = {
      {"--out /proc --root '" + folder_ + "/root'",
       root ? "cannot make the pictures folder /proc/pictures: " : "cannot write into the output folder /proc: "},
      {"--out '" + folder_ + "/out' --root /proc",
       root ? "cannot make the folder /proc/SimObjects: " : "cannot write into the simulator folder /proc: "},
  };
  ProgramRun run;
  for (const auto& [folders, refusal] : proc) {
    run = RunSimhostProgram("--quiet --scenario '" + Scenario(longFlight) + "' " + folders);
    EXPECT_EQ(run.output.rfind("simhost: " + refusal, 0), 0u) << run.output;
    EXPECT_NE(run.status, 0);
  }

  // A file where the pictures go: found now, not when the first picture is due.
  std::filesystem::remove_all(folder_ + "/out");
  std::filesystem::create_directories(folder_ + "/out");
  std::ofstream(folder_ + "/out/pictures") << "in the way";
  run = Fly(longFlight, "--pictures 600");
  EXPECT_NE(run.status, 0);
  EXPECT_EQ(run.output.rfind("simhost: cannot make the pictures folder " + folder_ + "/out/pictures: ", 0), 0u)
      << run.output;
  EXPECT_FALSE(Exists(folder_ + "/out/log.txt"));
  EXPECT_FALSE(Exists(folder_ + "/root/SimObjects/Airplanes/QZ Halcyon Pro/HalcyonPro.ini"));

  // An immutable output folder or simulator folder takes no file, root's
  // neither: found before the first tick.
  std::filesystem::remove(folder_ + "/out/pictures");
  for (const auto& [folder, what] : {std::pair{folder_ + "/out", "output folder"}, {folder_ + "/root", "simulator folder"}}) {
    if (!SetFileFlag(folder, FS_IMMUTABLE_FL, true)) continue;  // root and a file system that keeps the flag
    run = Fly(longFlight);
    SetFileFlag(folder, FS_IMMUTABLE_FL, false);
    EXPECT_EQ(run.output, "simhost: cannot write into the " + std::string(what) + " " + folder + ": " +
                              std::strerror(EPERM) + "\n");
  }
}

// One simulator folder, one run: a second program stops at once and says
// why, the first one's files are left as they were, and the output folder
// it made goes again.
TEST_F(FirstUse, ASecondRunOnTheSameSimulatorFolderStopsAtOnce) {
  std::filesystem::create_directories(folder_ + "/root");
  const int held = open((folder_ + "/root").c_str(), O_RDONLY | O_DIRECTORY);
  ASSERT_GE(held, 0);
  ASSERT_EQ(flock(held, LOCK_EX | LOCK_NB), 0);
  const ProgramRun second = Fly("control APU battery 41\nrun 2\n");
  EXPECT_NE(second.status, 0);
  EXPECT_EQ(second.output, "simhost: another simhost is starting or flying in the simulator folder " + folder_ +
                               "/root; one run at a time uses a folder (wait for it, or give this run its own --root)\n");
  EXPECT_FALSE(Exists(folder_ + "/root/SimObjects"));
  EXPECT_FALSE(Exists(folder_ + "/out"));
  close(held);

  const ProgramRun later = Fly("control APU battery 41\nrun 2\n");
  EXPECT_EQ(later.status, 0) << later.output;
}

// The environment that preloads tests/hold_lock.cpp into simhost, with
// `variables` of its own ("NAME=value").
std::vector<std::string> Preloaded(std::vector<std::string> variables = {}) {
  const char* asan = std::getenv("ASAN_OPTIONS");
  variables.push_back(std::string("LD_PRELOAD=") + HALCYON_HOLD_LOCK_LIBRARY);
  // Under AddressSanitizer its runtime comes second, after the preloaded one.
  variables.push_back("ASAN_OPTIONS=" + (asan != nullptr ? std::string(asan) + ":" : std::string()) +
                      "verify_asan_link_order=0");
  return variables;
}

// The environment that holds simhost at a point of its start: `when` is one
// of the shim's HALCYON_HOLD_* points, `gate` a folder where it makes "held"
// and waits for "go", `folder` the folder whose making or lock it holds at.
std::vector<std::string> HeldAt(const std::string& when, const std::string& gate, const std::string& folder = "") {
  std::filesystem::create_directories(gate);
  return Preloaded({when + "=" + gate, "HALCYON_HOLD_FOLDER=" + folder});
}

// Waits (kLongestWaitMs at most) until the file is there.
bool Appears(const std::string& path) {
  for (int waitedMs = 0; waitedMs < kLongestWaitMs && !Exists(path); ++waitedMs) usleep(1000);
  return Exists(path);
}

void Open(const std::string& gate) { std::ofstream(gate + "/go") << "go"; }

// Every folder and file below a folder.
std::set<std::string> EntriesBelow(const std::string& folder) {
  std::set<std::string> entries;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) entries.insert(entry.path().string());
  return entries;
}

// Two runs started together on one new output folder: one takes its lock
// and flies, the other is refused and takes back nothing the first flies
// with (the output folder, the simulator folder in it), so a third run
// there is refused while the first flies. Tried many times, the first held
// once it holds its simulator folder too. And two runs on one simulator
// folder, each with its own output folder: the refused one, held between
// the simulator folder it made and its lock while the other takes it,
// leaves that folder to the other.
TEST_F(FirstUse, OfTwoRunsStartedTogetherTheRefusedOneTakesBackNothingTheOtherFliesWith) {
  const std::string flight = Scenario("run 1\n");
  const auto arguments = [&flight](const std::string& out, const std::string& root = "") {
    std::vector<std::string> words{"--quiet", "--scenario", flight, "--out", out};
    if (!root.empty()) words.insert(words.end(), {"--root", root});
    return words;
  };
  const auto flownWithItsOutputs = [](BackgroundSimhost& flying, const std::string& out) {
    EXPECT_EQ(flying.Finish().status, 0);
    EXPECT_TRUE(Exists(out + "/log.txt"));
    EXPECT_TRUE(Exists(out + "/pictures"));
  };
  for (int pair = 0; pair < 12; ++pair) {
    SCOPED_TRACE(pair);
    const std::string out = folder_ + "/together" + std::to_string(pair);
    const std::string gate = folder_ + "/gate" + std::to_string(pair);
    BackgroundSimhost first(arguments(out), HeldAt("HALCYON_HOLD_WITH_LOCK", gate, out + "/root"));
    BackgroundSimhost second(arguments(out), HeldAt("HALCYON_HOLD_WITH_LOCK", gate, out + "/root"));
    ASSERT_TRUE(Appears(gate + "/held"));
    for (int waitedMs = 0; waitedMs < kLongestWaitMs && !first.Ended() && !second.Ended(); ++waitedMs) usleep(1000);
    const bool firstRefused = first.Ended();
    const ProgramRun refused = (firstRefused ? first : second).Finish();
    EXPECT_NE(refused.output.find("another simhost is starting or flying in the output folder " + out + ";"),
              std::string::npos)
        << refused.output;
    EXPECT_TRUE(Exists(out + "/root"));
    const ProgramRun third = RunSimhostProgram("--quiet --scenario '" + flight + "' --out '" + out + "'");
    EXPECT_NE(third.output.find("another simhost is starting or flying"), std::string::npos) << third.output;
    Open(gate);
    flownWithItsOutputs(firstRefused ? second : first, out);
  }

  const std::string root = folder_ + "/shared";
  BackgroundSimhost refused(arguments(folder_ + "/refused", root), HeldAt("HALCYON_HOLD_BEFORE_LOCK", folder_ + "/before", root));
  ASSERT_TRUE(Appears(folder_ + "/before/held"));
  BackgroundSimhost flying(arguments(folder_ + "/flying", root), HeldAt("HALCYON_HOLD_WITH_LOCK", folder_ + "/with", root));
  ASSERT_TRUE(Appears(folder_ + "/with/held"));
  const std::set<std::string> before = EntriesBelow(root);
  Open(folder_ + "/before");
  const ProgramRun run = refused.Finish();
  EXPECT_EQ(run.output, "simhost: another simhost is starting or flying in the simulator folder " + root +
                            "; one run at a time uses a folder (wait for it, or give this run its own --root)\n");
  EXPECT_EQ(EntriesBelow(root), before);
  EXPECT_FALSE(Exists(folder_ + "/refused"));
  Open(folder_ + "/with");
  flownWithItsOutputs(flying, folder_ + "/flying");
}

// Two runs on one output folder, each with its own simulator folder: the
// second is refused before it makes anything (not even its simulator
// folder), and the first flies and writes its outputs there.
TEST_F(FirstUse, ASecondRunIntoAnOutputFolderAnotherHoldsIsRefusedBeforeItMakesAnything) {
  const std::string out = folder_ + "/out";
  BackgroundSimhost first({"--quiet", "--scenario", Scenario("run 1\n"), "--out", out, "--root", folder_ + "/first"},
                          HeldAt("HALCYON_HOLD_WITH_LOCK", folder_ + "/gate", out));
  ASSERT_TRUE(Appears(folder_ + "/gate/held"));
  const ProgramRun second = RunSimhostProgram("--quiet --scenario '" + Scenario("run 1\n") + "' --out '" + out +
                                              "' --root '" + folder_ + "/second'");
  EXPECT_NE(second.status, 0);
  EXPECT_EQ(second.output, "simhost: another simhost is starting or flying in the output folder " + out +
                               "; one run at a time uses a folder (wait for it, or give this run its own --out)\n");
  EXPECT_FALSE(Exists(folder_ + "/second"));
  Open(folder_ + "/gate");
  EXPECT_EQ(first.Finish().status, 0);
  EXPECT_TRUE(Exists(out + "/log.txt"));
  EXPECT_TRUE(Exists(folder_ + "/first/SimObjects"));

  // A run whose simulator folder is its output folder holds it once.
  const ProgramRun both = RunSimhostProgram("--quiet --scenario '" + Scenario("run 1\n") + "' --out '" + out +
                                            "' --root '" + out + "'");
  EXPECT_EQ(both.status, 0) << both.output;
}

// A run refused at its start takes back the simulator folder it made; one
// whose folder went just after its mkdir made or found it, or between its
// opening and its lock, does not fly in a folder no longer there: it is
// refused too, told to start again, and makes it no more.
TEST_F(FirstUse, ARunWhoseSimulatorFolderWentAsItStartedIsToldToStartAgain) {
  for (const std::string when : {"HALCYON_HOLD_AFTER_MAKING", "HALCYON_HOLD_BEFORE_LOCK"}) {
    SCOPED_TRACE(when);
    const std::string out = folder_ + "/" + when;
    const std::string gate = folder_ + "/gate-" + when;
    BackgroundSimhost late({"--quiet", "--scenario", Scenario("run 1\n"), "--out", out}, HeldAt(when, gate, out + "/root"));
    ASSERT_TRUE(Appears(gate + "/held"));
    ASSERT_TRUE(std::filesystem::remove(out + "/root"));
    Open(gate);
    const ProgramRun run = late.Finish();
    EXPECT_NE(run.status, 0);
    EXPECT_EQ(run.output, "simhost: the simulator folder " + out +
                              "/root went as this run started (a run refused at its start took back the folder it had "
                              "made); start this run again\n");
    EXPECT_FALSE(Exists(out));
  }
}

// Two simulator folders, "one" and "two" in the test's folder, that share
// one aircraft folder (the one returned, with its Mentor folder) through a
// link.
std::string ShareAnAircraftFolder(const std::string& folder) {
  const std::string shared = folder + "/shared";
  std::filesystem::create_directories(shared + "/Mentor");
  for (const char* root : {"/one", "/two"}) {
    std::filesystem::create_directories(folder + root + "/SimObjects/Airplanes");
    std::filesystem::create_directory_symlink(shared, folder + root + "/SimObjects/Airplanes/QZ Halcyon Pro");
  }
  return shared;
}

// Two simulator folders share one aircraft folder through a link, its
// Aircraft.cfg and lessons not there yet. A run refused at its start lays
// them out in it, and the other flies meanwhile and saves its flap tuning
// into Aircraft.cfg. The refused run takes back files only from folders it
// made: what it laid into the aircraft folder it found stays, as the other
// run left it.
TEST_F(FirstUse, ARefusedRunLeavesWhatItLaidIntoAnAircraftFolderItFound) {
  const std::string shared = ShareAnAircraftFolder(folder_);
  std::ofstream(shared + "/HalcyonPro.ini", std::ios::binary) << "[OPTIONS]\r\nfd_mod=5\r\nfd_mod_enable=1\r\n";
  const std::string refusedFlight = folder_ + "/refused.scn";
  std::ofstream(refusedFlight) << "control APU mastr 41\nrun 1\n";
  BackgroundSimhost refused({"--quiet", "--scenario", refusedFlight, "--out", folder_ + "/out1", "--root", folder_ + "/one"},
                            HeldAt("HALCYON_HOLD_AT_MODULE", folder_ + "/gate"));
  ASSERT_TRUE(Appears(folder_ + "/gate/held"));
  const std::map<std::string, std::string> laidOut = FilesBelow(shared);
  ASSERT_EQ(laidOut.count("Aircraft.cfg"), 1u);
  const ProgramRun flown = RunSimhostProgram("--quiet --scenario '" + Scenario("run 1\n") + "' --out '" + folder_ +
                                             "/out2' --root '" + folder_ + "/two'");
  ASSERT_EQ(flown.status, 0) << flown.output;
  const std::map<std::string, std::string> saved = FilesBelow(shared);
  EXPECT_NE(saved.at("Aircraft.cfg"), laidOut.at("Aircraft.cfg")) << "the other run's flap tuning";
  Open(folder_ + "/gate");
  const ProgramRun run = refused.Finish();
  EXPECT_NE(run.output.find("no control [APU] 'mastr'"), std::string::npos) << run.output;
  EXPECT_TRUE(FilesBelow(shared) == saved);
  EXPECT_GE(saved.size(), 4u) << "Aircraft.cfg and the lessons beside the cockpit's files";
}

// Two first starts lay out one aircraft folder (shared through a link) at
// once: the one that finds the other's Aircraft.cfg in its place as it
// places its own keeps the other's, drops its own and flies.
TEST_F(FirstUse, TwoFirstStartsLayingOutOneAircraftFolderBothFly) {
  const std::string shared = ShareAnAircraftFolder(folder_);
  const std::string flight = Scenario("run 1\n");
  BackgroundSimhost first({"--quiet", "--scenario", flight, "--out", folder_ + "/out1", "--root", folder_ + "/one"},
                          HeldAt("HALCYON_HOLD_AT_WRITE", folder_ + "/gate", shared));
  ASSERT_TRUE(Appears(folder_ + "/gate/held"));
  EXPECT_FALSE(Exists(shared + "/Aircraft.cfg"));
  const ProgramRun other = RunSimhostProgram("--quiet --scenario '" + flight + "' --out '" + folder_ + "/out2' --root '" +
                                             folder_ + "/two'");
  EXPECT_EQ(other.status, 0) << other.output;
  struct stat placed {};
  ASSERT_EQ(stat((shared + "/Aircraft.cfg").c_str(), &placed), 0);
  Open(folder_ + "/gate");
  const ProgramRun run = first.Finish();
  EXPECT_EQ(run.status, 0) << run.output;
  struct stat kept {};
  ASSERT_EQ(stat((shared + "/Aircraft.cfg").c_str(), &kept), 0);
  EXPECT_EQ(kept.st_ino, placed.st_ino) << "the other run's file";
  for (const auto& [name, bytes] : FilesBelow(shared)) EXPECT_FALSE(name.ends_with(".laying-out")) << name;
}

// Each file a first start lays out, by its path below the simulator folder,
// with its bytes.
std::map<std::string, std::string> LaidOutFiles(const std::string& scratch) {
  std::string error;
  EXPECT_TRUE(simhost::LayOutSimulatorRoot(scratch, &error)) << error;
  return FilesBelow(scratch);
}

// Every file below a folder (none where there is no folder).
std::map<std::string, std::string> FilesIfAny(const std::string& folder) {
  return Exists(folder) ? FilesBelow(folder) : std::map<std::string, std::string>{};
}

// Whether every file below the folder is one of `laidOut` with its bytes, or
// a spare one was written into ("<file>.<pid>.laying-out").
void ExpectWholeOrAbsent(const std::string& root, const std::map<std::string, std::string>& laidOut) {
  for (const auto& [name, bytes] : FilesIfAny(root)) {
    if (name.ends_with(".laying-out")) continue;
    ASSERT_EQ(laidOut.count(name), 1u) << name << " is no laid-out file";
    EXPECT_TRUE(bytes == laidOut.at(name)) << name << " is part written";
  }
}

// A first start killed at any write into a file (each laid-out file's, each
// folder's proof) leaves each file it lays out (the navigation data, the
// lessons, Aircraft.cfg) whole or absent, and no other file. The next run
// lays out what is missing and flies; a killed run's spare is never taken
// for its file nor written into, and tools/fresh_root.sh removes it.
TEST_F(FirstUse, AFirstStartKilledAtAnyWriteLeavesEachLaidOutFileWholeOrAbsent) {
  const std::map<std::string, std::string> laidOut = LaidOutFiles(folder_ + "/scratch");
  ASSERT_GE(laidOut.size(), 8u);
  const std::string root = folder_ + "/root";
  const std::string flight = Scenario("run 1\n");
  int killedBeforeTheLayoutEnded = 0;
  int leavingASpare = 0;
  for (int write = 1; write <= 40; ++write) {
    SCOPED_TRACE(write);
    std::filesystem::remove_all(root);
    std::filesystem::remove_all(folder_ + "/out");
    BackgroundSimhost run({"--quiet", "--scenario", flight, "--root", root, "--out", folder_ + "/out"},
                          Preloaded({"HALCYON_KILL_AT_WRITE=" + std::to_string(write)}));
    const ProgramRun killed = run.Finish();
    ASSERT_TRUE(WIFSIGNALED(killed.status)) << killed.output;
    const std::map<std::string, std::string> left = FilesIfAny(root);
    if (std::all_of(laidOut.begin(), laidOut.end(), [&left](const auto& file) { return left.count(file.first) > 0; })) {
      break;
    }
    ++killedBeforeTheLayoutEnded;
    ExpectWholeOrAbsent(root, laidOut);
    EXPECT_TRUE(FilesIfAny(folder_ + "/out").empty()) << "no file of the folder's proofs";
    const bool spare = std::any_of(left.begin(), left.end(), [](const auto& file) { return file.first.ends_with(".laying-out"); });
    if (spare && leavingASpare == 0) leavingASpare = write;
  }
  EXPECT_GT(killedBeforeTheLayoutEnded, static_cast<int>(laidOut.size())) << "a kill at each file's write";
  ASSERT_GT(leavingASpare, 0);

  std::filesystem::remove_all(root);
  BackgroundSimhost killed({"--quiet", "--scenario", flight, "--root", root, "--out", folder_ + "/out"},
                           Preloaded({"HALCYON_KILL_AT_WRITE=" + std::to_string(leavingASpare)}));
  killed.Finish();
  // The next run's own spare is made anew, also where a killed run of its
  // number left one.
  BackgroundSimhost next({"--quiet", "--scenario", flight, "--root", root, "--out", folder_ + "/out"},
                         HeldAt("HALCYON_HOLD_BEFORE_LOCK", folder_ + "/gate", folder_ + "/out"));
  ASSERT_TRUE(Appears(folder_ + "/gate/held"));
  const std::string ofItsNumber = root + "/Navigraph/NavData/airports.txt." + std::to_string(next.pid()) + ".laying-out";
  std::ofstream(ofItsNumber) << std::string(2 << 20, '#');
  Open(folder_ + "/gate");
  const ProgramRun flown = next.Finish();
  EXPECT_EQ(flown.status, 0) << flown.output;
  EXPECT_EQ(Slurp(ofItsNumber), std::string(2 << 20, '#'));
  std::map<std::string, std::string> after = FilesBelow(root);
  for (const auto& [name, bytes] : laidOut) EXPECT_TRUE(after[name] == bytes) << name;
  const Shell fresh = RunShell("'" + std::string(HALCYON_SOURCE_DIR) + "/tools/fresh_root.sh' '" + root + "'");
  EXPECT_EQ(fresh.status, 0) << fresh.output;
  for (const auto& [name, bytes] : FilesBelow(root)) EXPECT_FALSE(name.ends_with(".laying-out")) << name;
  EXPECT_TRUE(std::any_of(after.begin(), after.end(), [](const auto& file) { return file.first.ends_with(".laying-out"); }))
      << "the killed run's spare stayed until fresh_root.sh";
}

// Where renameat2 refuses its flags and no unnamed file can be made (as on
// NFS), a first run still lays out the simulator folder, each file put in
// its place whole, proves its folders writable, and flies.
TEST_F(FirstUse, AFirstRunFliesOnAFileSystemWithoutRenameFlagsOrUnnamedFiles) {
  const std::map<std::string, std::string> laidOut = LaidOutFiles(folder_ + "/scratch");
  BackgroundSimhost run({"--quiet", "--scenario", Scenario("control APU battery 41\nrun 1\n"), "--root", folder_ + "/root",
                         "--out", folder_ + "/out"},
                        Preloaded({"HALCYON_AS_ON_NFS=1"}));
  const ProgramRun flown = run.Finish();
  EXPECT_EQ(flown.status, 0) << flown.output;
  const std::map<std::string, std::string> root = FilesBelow(folder_ + "/root");
  for (const auto& [name, bytes] : laidOut) EXPECT_TRUE(root.count(name) > 0 && root.at(name) == bytes) << name;
  for (const auto& [name, bytes] : root) EXPECT_FALSE(name.ends_with(".laying-out")) << name;
  EXPECT_NE(Slurp(folder_ + "/out/HalcyonPro.ini").find("battery=41"), std::string::npos);
  // There the system answers whether a folder takes files: an immutable
  // output folder does not, root's neither.
  if (!SetFileFlag(folder_ + "/out", FS_IMMUTABLE_FL, true)) return;
  BackgroundSimhost refused({"--quiet", "--scenario", Scenario("run 1\n"), "--root", folder_ + "/root", "--out",
                             folder_ + "/out"},
                            Preloaded({"HALCYON_AS_ON_NFS=1"}));
  const ProgramRun said = refused.Finish();
  SetFileFlag(folder_ + "/out", FS_IMMUTABLE_FL, false);
  EXPECT_EQ(said.output, "simhost: cannot write into the output folder " + folder_ + "/out: " + std::strerror(EPERM) + "\n");
}

// In an append-only folder a file can be made but not removed: a run, flown
// or refused, leaves no file of its proof that the folder takes files, and
// a refused run whose folder cannot be taken back says so.
TEST_F(FirstUse, AppendOnlyFoldersKeepNoProofAndATakeBackRefusedIsSaid) {
  ASSERT_EQ(Fly("run 1\n").status, 0);
  const std::string aircraft = folder_ + "/root/SimObjects/Airplanes/QZ Halcyon Pro";
  const std::string parent = folder_ + "/append-only";
  std::filesystem::create_directories(parent);
  if (!SetFileFlag(aircraft, FS_APPEND_FL, true) || !SetFileFlag(parent, FS_APPEND_FL, true)) {
    SetFileFlag(aircraft, FS_APPEND_FL, false);
    GTEST_SKIP() << "no append-only folders here (root and a file system that keeps the flag): " << std::strerror(errno);
  }
  const std::set<std::string> before = EntriesBelow(aircraft);
  const ProgramRun flown = Fly("control APU battery 41\nrun 1\n");
  const std::set<std::string> afterFlown = EntriesBelow(aircraft);
  const ProgramRun refused = Fly("control APU mastr 41\nrun 1\n");
  const std::set<std::string> afterRefused = EntriesBelow(aircraft);
  const ProgramRun kept = RunSimhostProgram("--quiet --scenario '" + folder_ + "/flight.scn' --root '" + folder_ +
                                            "/root' --out '" + parent + "/new'");
  SetFileFlag(aircraft, FS_APPEND_FL, false);
  SetFileFlag(parent, FS_APPEND_FL, false);
  EXPECT_EQ(flown.status, 0) << flown.output;
  EXPECT_EQ(afterFlown, before);
  EXPECT_NE(refused.output.find("no control [APU] 'mastr'"), std::string::npos) << refused.output;
  EXPECT_EQ(afterRefused, before);
  EXPECT_NE(kept.output.find("no control [APU] 'mastr'"), std::string::npos) << kept.output;
  EXPECT_TRUE(kept.output.ends_with("\nsimhost: cannot take back the folder " + parent + "/new, which this run made: " +
                                    std::strerror(EPERM) + "\n"))
      << kept.output;
}

// A path through a link is taken as the system takes it: --out link/../x
// writes where `ls link/../x` shows, beside the link's target.
TEST_F(FirstUse, AnOutputPathThroughALinkGoesWhereTheSystemTakesIt) {
  std::filesystem::create_directories(folder_ + "/far/target");
  std::filesystem::create_directory_symlink(folder_ + "/far/target", folder_ + "/link");
  const ProgramRun run = RunSimhostProgram("--quiet --scenario '" + Scenario("run 1\n") + "' --root '" + folder_ +
                                           "/root' --out '" + folder_ + "/link/../x'");
  EXPECT_EQ(run.status, 0) << run.output;
  EXPECT_TRUE(Exists(folder_ + "/far/x/log.txt"));
  EXPECT_FALSE(Exists(folder_ + "/x"));
}

// ---- Saying what happened ----

TEST_F(FirstUse, AFailedExpectIsInTheLogAtItsTimeAndInTheHeaderWithTheCounts) {
  const ProgramRun failed = Fly("control APU battery 41\n"
                                "run 1\n"
                                "expect APU battery == 41\n"
                                "set ias 95.5\n"
                                "run 1:01.5\n"
                                "expect ias >= 95\n"
                                "expect ias >= 100\n"
                                "expect on_ground == 0\n"
                                "run 5\n"
                                "expect ias > 1\n");
  EXPECT_NE(failed.status, 0);
  const std::string log = Slurp(folder_ + "/out/log.txt");
  const std::string failure = "flight.scn:7: expected ias >= 100, saw 95.5";
  const size_t firstLineEnd = log.find('\n');
  EXPECT_EQ(log.substr(firstLineEnd + 1, log.find('\n', firstLineEnd + 1) - firstLineEnd - 1),
            "FAILED at 01:02.5: " + folder_ + "/" + failure);
  EXPECT_NE(log.find("01:02.5  FAILED: " + folder_ + "/" + failure + "\n\n== Key events"), std::string::npos) << log;
  EXPECT_NE(log.find("== Checks ==\nexpect: 2 passed, 1 failed, 2 not reached\n"), std::string::npos) << log;

  const ProgramRun passed = Fly("set ias 120\nrun 2\nexpect ias == 120\nexpect on_ground == 0\n");
  EXPECT_EQ(passed.status, 0) << passed.output;
  const std::string passedLog = Slurp(folder_ + "/out/log.txt");
  EXPECT_EQ(passedLog.find("FAILED"), std::string::npos);
  EXPECT_NE(passedLog.find("== Checks ==\nexpect: 2 passed\n"), std::string::npos) << passedLog;
}

// The counts said at the end of a run on the terminal (without --quiet).
TEST(ExpectCounts, TheyReadAsAUserCountsThem) {
  EXPECT_EQ(simhost::DescribeExpects({}), "expect: 0 passed");
  EXPECT_EQ(simhost::DescribeExpects({.passed = 3, .failed = 1}), "expect: 3 passed, 1 failed");
  EXPECT_EQ(simhost::DescribeExpects({.passed = 3, .failed = 0, .notReached = 4}), "expect: 3 passed, 4 not reached");
}

// Without a sound pack in the simulator folder the mix is silent: the run
// says so, on the terminal and in the log, with the command that makes it.
TEST_F(FirstUse, AMissingSoundPackIsSaidWithTheCommandThatMakesIt) {
  const std::string pack = folder_ + "/root/Sound/HalcyonPro";
  const ProgramRun bare = Fly("run 1\n");
  EXPECT_EQ(bare.status, 0) << bare.output;
  const std::string warning = "the sound pack is missing from " + pack +
                              ": cockpit.wav will be silent (make the pack with tools/make_sound_pack.sh '" + pack +
                              "', as make demo does)";
  EXPECT_EQ(bare.output, "simhost: " + warning + "\n");
  EXPECT_NE(Slurp(folder_ + "/out/log.txt").find("\nWarning: " + warning + "\n"), std::string::npos);

  std::ofstream(pack + "/VXMD80 Stall Warning.WAV") << "RIFF";
  const ProgramRun withPack = Fly("run 1\n");
  EXPECT_EQ(withPack.output, "");
  EXPECT_EQ(Slurp(folder_ + "/out/log.txt").find("Warning:"), std::string::npos);
}

// ---- Names ----

TEST(ClosestNames, ASlipOfTheFingerIsOfferedAndAStrangerIsNot) {
  const std::vector<std::string> keys{"master", "battery", "air_switch", "fire_cont", "mast"};
  EXPECT_EQ(simhost::ClosestNames("mastr", keys), (std::vector<std::string>{"master", "mast"}));
  EXPECT_EQ(simhost::ClosestNames("MASTER", keys), (std::vector<std::string>{"master", "mast"}));
  EXPECT_EQ(simhost::ClosestNames("mastr", keys, 1), std::vector<std::string>{"master"});
  // Two letters wrong in a short word is still a slip; three is not.
  EXPECT_EQ(simhost::ClosestNames("bxttxry", keys), std::vector<std::string>{"battery"});
  EXPECT_TRUE(simhost::ClosestNames("bxxtxry", keys).empty());
  EXPECT_EQ(simhost::ClosestNames("msat", keys), std::vector<std::string>{"mast"}) << "two in four letters";
  // A long name allows a third of its letters.
  EXPECT_EQ(simhost::ClosestNames("ar_swtchx", keys), std::vector<std::string>{"air_switch"});
  EXPECT_TRUE(simhost::ClosestNames("zzzzzzzzz", keys).empty());
}

TEST(ScenarioNames, AnUnknownControlGetsItsSectionsKeysOrTheClosestSections) {
  Cockpit cockpit;
  EXPECT_EQ(simhost::NoControlMessage(cockpit.host(), "apu", "xyzzyq"),
            "no control [apu] 'xyzzyq' ([apu] has fire_agent_1, fire_agent_2, air_switch, doors_auto, fire_cont, "
            "master, battery, emergency_power)");
  EXPECT_EQ(simhost::NoControlMessage(cockpit.host(), "FGCP PANL", "altitude_value"),
            "no control [FGCP PANL] 'altitude_value' (no section [FGCP PANL]; closest: [FGCP PANEL])");
  EXPECT_EQ(simhost::NoControlMessage(cockpit.host(), "QQQQQQQ", "x"),
            "no control [QQQQQQQ] 'x' (no section [QQQQQQQ]; simhost --list controls names them all)");
  EXPECT_EQ(simhost::NoGaugeMessage(cockpit.host(), "Airspeeed"), "no gauge named 'Airspeeed' (closest: 'Airspeed')");
}

TEST(ScenarioNames, TheProgramListsWhatAScenarioMayName) {
  const ProgramRun gauges = RunSimhostProgram("--list gauges");
  EXPECT_EQ(gauges.status, 0);
  EXPECT_EQ(gauges.output.rfind("Airspeed\n", 0), 0u) << "the first gauge first";
  EXPECT_NE(gauges.output.find("\n\"Engine Fire\"\n"), std::string::npos) << "a name with blanks as a scenario writes it";
  const ProgramRun controls = RunSimhostProgram("--list controls");
  EXPECT_EQ(controls.status, 0);
  for (const char* line : {"\nAPU battery\n", "\n\"FGCP PANEL\" altitude_value\n", "\nDFGS dfgs.ap_heading_select\n",
                           "\n\"FUEL PUMPS\" fwd_center\n"}) {
    EXPECT_NE(controls.output.find(line), std::string::npos) << line;
  }
  const ProgramRun tokens = RunSimhostProgram("--list tokens");
  EXPECT_EQ(tokens.status, 0);
  EXPECT_NE(tokens.output.find("\nias                        61  kt\n"), std::string::npos) << tokens.output;
  EXPECT_NE(tokens.output.find("\napu_rpm                   975  %\n"), std::string::npos);
}

// ---- The simulator's own values ----

TEST(HostDefaults, TheTypesSpeedLimitsAreTheSimulatorsUntilAScenarioSetsOthers) {
  constexpr int kSlotOverspeed = 226;
  Cockpit cockpit({.start = false});
  cockpit.addSounds({kSlotOverspeed}, 300).start();
  EXPECT_EQ(cockpit.scaled(Token::MaxOperatingSpeed), 340.0);
  EXPECT_DOUBLE_EQ(cockpit.token(Token::MaxOperatingMach), 0.84);
  // The overspeed voice goes by it: quiet at 340 kt, heard past it.
  cockpit.set(Token::IndicatedAirspeedKt, 340).runSeconds(3);
  EXPECT_TRUE(cockpit.played(kSlotOverspeed).empty());
  cockpit.set(Token::IndicatedAirspeedKt, 341).runSeconds(1.1);
  EXPECT_EQ(cockpit.played(kSlotOverspeed).size(), 1u);
}

TEST(HostDefaults, TheLogShowsASignedEventValueSigned) {
  Cockpit cockpit;
  TriggerKeyEvent(66036, static_cast<uint32_t>(-700));
  TriggerKeyEvent(65820, static_cast<uint32_t>(-4096));
  TriggerKeyEvent(66037, 250);
  TriggerKeyEvent(65714, static_cast<uint32_t>(-1));  // a frequency is not signed
  cockpit.runTicks(1).shutdown();
  const std::string folder = cockpit.path("out");
  std::filesystem::create_directories(folder);
  simhost::RunLog log;
  std::string error;
  ASSERT_TRUE(log.WriteOutput(cockpit.host(), folder, &error)) << error;
  const std::string text = Slurp(folder + "/log.txt");
  EXPECT_NE(text.find("  66036  -700  autopilot vertical speed set\n"), std::string::npos) << text;
  EXPECT_NE(text.find("  65820  -4096  throttle 1 set\n"), std::string::npos);
  EXPECT_NE(text.find("  66037  250  autopilot airspeed set\n"), std::string::npos);
  EXPECT_NE(text.find("  65714  4294967295  ADF frequency set\n"), std::string::npos);
  EXPECT_FALSE(simhost::KeyEventTakesSignedValue(66241));
}

// What a scenario sets on the panel it can read back, and the saved keys of
// the flight guidance are controls too.
TEST(ReadBack, PanelValuesReadBackAsTheyWereSet) {
  Cockpit cockpit;
  simhost::Scenario scenario;
  std::vector<std::string> errors;
  ASSERT_TRUE(scenario.Parse("control APU battery 41\n"
                             "run 2\n"
                             "control \"FGCP PANEL\" altitude_value 8000\n"
                             "control \"FGCP PANEL\" heading_value 275\n"
                             "control \"FGCP PANEL\" speed_value 230\n"
                             "control \"EFIS DIMMER\" pfd_dim 7\n"
                             "control \"EFIS DIMMER\" decision_height 200\n"
                             "control ADF adf2_010 4\n"
                             "run 1\n"
                             "expect \"FGCP PANEL\" altitude_value == 8000\n"
                             "expect \"FGCP PANEL\" altitude_knob == 8000\n"
                             "expect DFGS dfgs.ap_altitude_preselect == 8000\n"
                             "expect \"FGCP PANEL\" heading_value == 275\n"
                             "expect DFGS dfgs.ap_heading_select == 275\n"
                             "expect \"FGCP PANEL\" speed_value == 230\n"
                             "expect \"EFIS DIMMER\" pfd_dim == 7\n"
                             "expect \"EFIS DIMMER\" nd_dim == 0\n"
                             "expect \"EFIS DIMMER\" decision_height == 200\n"
                             "expect ADF adf2_010 == 4\n"
                             "expect ADF adf1_010 == 3\n"
                             "control DFGS dfgs.ap_heading_select 90\n"
                             "control DFGS dfgs.ap_altitude_preselect 12000\n"
                             "control DFGS dfgc 1\n"
                             "run 1\n"
                             "expect \"FGCP PANEL\" heading_value == 90\n"
                             "expect \"FGCP PANEL\" altitude_value == 12000\n"
                             "expect DFGS dfgc == 1\n"
                             "trace \"FGCP PANEL/altitude_value\" \"EFIS DIMMER/pfd_dim\"\n"
                             "run 1\n",
                             "flight.scn", &errors))
      << errors.front();
  simhost::RunLog log;
  std::string error;
  EXPECT_TRUE(simhost::RunScenario(cockpit.host(), scenario, log, &error)) << error;
  EXPECT_EQ(log.Expects().passed, 14);
  ASSERT_FALSE(log.Series().rows.empty());
  EXPECT_EQ(log.Series().rows.back()[1], "12000");
  EXPECT_EQ(log.Series().rows.back()[2], "7");
  cockpit.shutdown();
  EXPECT_EQ(cockpit.ini("DFGS", "dfgs.ap_heading_select"), "90");
  EXPECT_EQ(cockpit.ini("DFGS", "dfgc"), "1");
}

// Every key the cockpit saves is a control a scenario can move and read,
// or the README says why not.
TEST(ReadBack, EverySavedKeyIsAControlOrTheReadmeSaysWhyNot) {
  const std::string readme = Slurp(std::string(HALCYON_SOURCE_DIR) + "/README.md");
  const size_t start = readme.find("Saved values that are not controls:");
  ASSERT_NE(start, std::string::npos);
  std::string why = readme.substr(start, readme.find("\n\n", start) - start);
  for (char& c : why) c = c == '\n' ? ' ' : c;
  Cockpit cockpit;
  cockpit.runSeconds(1).shutdown();
  std::istringstream ini(cockpit.readFile(Cockpit::kAircraftIniFile));
  std::string section;
  int controls = 0;
  for (std::string line; std::getline(ini, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.size() > 2 && line.front() == '[') {
      section = line.substr(1, line.size() - 2);
      continue;
    }
    const size_t equals = line.find('=');
    if (equals == std::string::npos) continue;
    const std::string key = line.substr(0, equals);
    if (HasControl(platform::Widen(section).c_str(), platform::Widen(key).c_str())) {
      ++controls;
      continue;
    }
    const bool said = why.find("`[" + section + "] " + key + "`") != std::string::npos ||
                      why.find("`[" + section + "]` (") != std::string::npos;
    EXPECT_TRUE(said) << "[" << section << "] " << key << " is neither a control nor in the README";
  }
  EXPECT_GT(controls, 100);
}

// ---- Time ----

TEST(ScenarioTime, RunTakesTheSameFormsAsAt) {
  simhost::Scenario scenario;
  std::vector<std::string> errors;
  ASSERT_TRUE(scenario.Parse("run 1:30\nrun 0:00:02.5\nrun 12\nat 2:00 note x\nrun 1:00:00\n", "f.scn", &errors))
      << errors.front();
  EXPECT_EQ(scenario.Steps()[3].atSeconds, 120.0);
  EXPECT_EQ(scenario.EndSeconds(), 3720.0);
  simhost::Scenario bad;
  EXPECT_FALSE(bad.Parse("run 1:75\nrun -1\nrun 1:2:3:4\nrun 1.5:00\n", "f.scn", &errors));
  ASSERT_EQ(errors.size(), 4u);
  EXPECT_EQ(errors[0], "f.scn:1: run time '1:75' is not a time (seconds, m:ss or h:mm:ss, up to 31622400 s)");
  EXPECT_NE(errors[1].find("f.scn:2: run time '-1'"), std::string::npos);

  // Flown: 1:30 is ninety seconds of ticks.
  Cockpit cockpit;
  simhost::Scenario flight;
  ASSERT_TRUE(flight.Parse("run 0:01.5\n", "f.scn", &errors));
  simhost::RunLog log;
  std::string error;
  ASSERT_TRUE(simhost::RunScenario(cockpit.host(), flight, log, &error)) << error;
  EXPECT_EQ(cockpit.host().TicksRun(), 27u);
}

// ---- The README's worked examples ----

std::string SourceFile(const std::string& name) {
  std::string path = HALCYON_SOURCE_DIR;
  path += '/';
  path += name;
  return path;
}

// The log of a flight that ended well with every `expect` met, at least
// `atLeast` of them.
void ExpectEveryCheckMet(const std::string& log, int atLeast) {
  const size_t checks = log.find("== Checks ==\nexpect: ");
  ASSERT_NE(checks, std::string::npos) << log;
  EXPECT_EQ(log.find(" failed", checks), std::string::npos) << log.substr(0, log.find("\n\n"));
  EXPECT_EQ(log.find(" not reached", checks), std::string::npos);
  EXPECT_GE(std::stoi(log.substr(checks + 21)), atLeast);
}

// The README names the scenario and shows its `control` and `expect` lines
// as it has them, from the line `from` on (all when empty).
void ExpectReadmeShows(const std::string& scenario, const std::string& from = "") {
  const std::string readme = Slurp(SourceFile("README.md"));
  EXPECT_NE(readme.find(scenario), std::string::npos);
  const std::string text = Slurp(SourceFile(scenario));
  ASSERT_NE(text.find(from), std::string::npos) << from;
  std::istringstream lines(text.substr(text.find(from)));
  int shown = 0;
  for (std::string line; std::getline(lines, line);) {
    if (line.rfind("control ", 0) == 0 || line.rfind("expect ", 0) == 0) {
      EXPECT_NE(readme.find("    " + line + "\n"), std::string::npos) << "the README lacks: " << line;
      ++shown;
    }
  }
  EXPECT_GT(shown, 10);
}

// Flies a worked scenario twice into one output folder, as a reader who
// runs the README's command twice does: the second flight goes on from the
// cockpit the first saved in <out>/root. `check` reads each flight's log.
void FlyTwice(const std::string& folder, const std::string& scenario,
              const std::function<void(const std::string& log)>& check) {
  for (const char* flight : {"the first flight, cold and dark", "the second flight, from the saved cockpit"}) {
    SCOPED_TRACE(flight);
    const ProgramRun run =
        RunSimhostProgram("--quiet --scenario '" + SourceFile(scenario) + "' --out '" + folder + "/out'");
    ASSERT_EQ(run.status, 0) << run.output;
    check(Slurp(folder + "/out/log.txt"));
  }
}

TEST_F(FirstUse, TheFirstFlightOfTheReadmeStartsBothEnginesWithEveryExpectMetTwice) {
  FlyTwice(folder_, "scenarios/first_flight.scn", [](const std::string& log) { ExpectEveryCheckMet(log, 15); });
  // The README copies it whole.
  ExpectReadmeShows("scenarios/first_flight.scn");
}

// The second worked example: the route typed into the CDU, a take-off, the
// autopilot's climb captured at 5000 ft and held there, on NAV past the
// first waypoint; the displays pictured lit, with the main panel's window.
// Flown again from the cockpit it saved, it does all of it again.
TEST_F(FirstUse, TheAutopilotFlightOfTheReadmeLevelsAt5000FtWithEveryExpectMetTwice) {
  FlyTwice(folder_, "scenarios/autopilot_flight.scn", [this](const std::string& log) {
    ExpectEveryCheckMet(log, 45);
    // The annunciator: vertical speed, the capture, the hold.
    const size_t vertical = log.find("|VERT/ 250|ALT|TRK|SPD");
    const size_t capture = log.find("|ALT / 250|ALT|TRK|CAP");
    ASSERT_NE(vertical, std::string::npos) << log;
    ASSERT_NE(capture, std::string::npos);
    EXPECT_LT(vertical, capture);
    EXPECT_LT(capture, log.find("|ALT / 250|   |TRK|HLD"));
    EXPECT_NE(log.find("FMS: ELMOS passed"), std::string::npos);
    // Lit screens: a dark one compresses to a few hundred bytes.
    int lit = 0;
    bool panel = false;
    for (const auto& entry : std::filesystem::directory_iterator(folder_ + "/out/pictures")) {
      const std::string name = entry.path().filename().string();
      if (name.ends_with("_EFIS_PFD.png") || name.ends_with("_EFIS_ND.png")) {
        EXPECT_GT(entry.file_size(), 4000u) << name << " is dark";
        ++lit;
      }
      panel = panel || name.ends_with("_window_10010.png");
      EXPECT_FALSE(name.ends_with("_window_10230.txt")) << "the Start Flying window was closed";
    }
    EXPECT_EQ(lit, 4);
    EXPECT_TRUE(panel);
  });
  // The README shows it from the autopilot's engagement on.
  ExpectReadmeShows("scenarios/autopilot_flight.scn", "control \"FGCP PANEL\" autopilot 1");
}

// ---- Tools ----

// `make demo` flies from a fresh simulator folder every time: the script
// removes, file by file, what the cockpit and simhost saved there (the INI
// files, Aircraft.cfg, the departure card, spare files of a save cut short)
// and leaves every other file byte for byte: other aircraft, scenery,
// sounds, programs, and the sound pack, navigation data, lessons and
// keyboard commands a user may have edited. The same flight then starts
// cold and dark and writes the same saved files as the first time.
TEST_F(FirstUse, EveryDemoStartsFromAFreshSimulatorFolder) {
  const std::string source = HALCYON_SOURCE_DIR;
  const Shell plan = RunShell("make -n -C '" + source + "' demo");
  ASSERT_EQ(plan.status, 0) << plan.output;
  const size_t fresh = plan.output.find("tools/fresh_root.sh out/root\n");
  ASSERT_NE(fresh, std::string::npos) << plan.output;
  EXPECT_LT(fresh, plan.output.find("build/bin/simhost --scenario"));

  const std::string root = folder_ + "/root";
  const std::string aircraft = "SimObjects/Airplanes/QZ Halcyon Pro";
  std::filesystem::create_directories(root + "/Sound/HalcyonPro");
  std::ofstream(root + "/Sound/HalcyonPro/VXMD80 Stall Warning.wav") << "RIFF";
  const std::string flight = "run 1\nexpect ELECTRIC apu_bus_1_sw == 120\ncontrol APU battery 41\n"
                             "control ELECTRIC apu_bus_1_sw 41\ndispatch\nrun 1\n";
  ASSERT_EQ(Fly(flight).status, 0);
  const std::map<std::string, std::string> firstOutputs = FilesBelow(folder_ + "/out");
  ASSERT_NE(Slurp(root + "/" + aircraft + "/HalcyonPro.ini").find("apu_bus_1_sw=41"), std::string::npos);

  std::vector<std::string> saved = {
      // Left by a run killed at the wrong moment: the spare files of a save
      // (each process's own, by its number; a second one where a killed run
      // of that number left the first; without, as earlier runs named them)
      // and of simhost's laying out (the navigation data and lessons too),
      // the probes of earlier runs, the leak report.
      aircraft + "/HalcyonPro.ini.4242.saving", aircraft + "/FMS.ini.4242-1.saving",
      aircraft + "/Mentor/Engine start.mentor.77.saving", aircraft + "/HalcyonPro.ini.saving",
      aircraft + "/aircraft.cfg.laying-out", aircraft + "/Aircraft.cfg.4242.laying-out",
      aircraft + "/Mentor/Engine start.mentor.77-1.laying-out", "Navigraph/NavData/airports.txt.4242.laying-out",
      ".simhost-can-write-42", aircraft + "/.simhost-can-write-43",
      "Gauges/HalcyonMemleak.ini"};
  for (const char* name : simhost::kCockpitSavedFiles) saved.push_back(aircraft + "/" + name);
  for (const std::string& file : saved) {
    if (!Exists(root + "/" + file)) std::ofstream(root + "/" + file) << "[A]\nb=1\n";
  }
  const std::vector<std::string> others = {
      "SimObjects/Airplanes/Other Jet/aircraft.cfg", "SimObjects/Airplanes/Other Jet/HalcyonPro.ini",
      "SimObjects/Airplanes/Other Jet/panel/panel.cfg", "Scenery/BASE/Scenery/magdec.bgl", "Sound/Other.wav",
      "Sound/Other Pack/engine.wav", "Gauges/Other.gau", "Gauges/Other.ini", "fsx.exe",
      aircraft + "/Saved plan.txt", aircraft + "/Notes.ini", aircraft + "/Route.FMSQ", aircraft + "/TestData.ini",
      aircraft + "/panel/HalcyonPro.ini",
      // A folder of a saved file's name is not the cockpit's, nor a spare's
      // name with something else than a process number.
      "Gauges/HalcyonMemleak.ini.saving/kept.txt", aircraft + "/HalcyonPro.ini.old.saving",
      aircraft + "/FMS.ini.42.43.saving", "Navigraph/NavData/mine.txt.4242.laying-out"};
  for (const std::string& file : others) {
    std::filesystem::create_directories(std::filesystem::path(root + "/" + file).parent_path());
    std::ofstream(root + "/" + file) << "not the cockpit's: " << file;
  }
  for (const std::string& edited : {std::string("Navigraph/NavData/navaids.txt"), aircraft + "/Mentor/Engine start.mentor",
                                    aircraft + "/KeyboardInput.ini"}) {
    ASSERT_TRUE(Exists(root + "/" + edited)) << edited;
    std::ofstream(root + "/" + edited, std::ios::app) << "# mine\n";
  }
  std::map<std::string, std::string> kept = FilesBelow(root);
  for (const std::string& file : saved) ASSERT_EQ(kept.erase(file), 1u) << file;

  const Shell emptied = RunShell("'" + source + "/tools/fresh_root.sh' '" + root + "'");
  ASSERT_EQ(emptied.status, 0) << emptied.output;
  EXPECT_EQ(emptied.output, "");
  EXPECT_TRUE(FilesBelow(root) == kept) << "only the saved cockpit goes";

  const ProgramRun again = Fly(flight);
  EXPECT_EQ(again.status, 0) << again.output;
  EXPECT_EQ(again.output, "") << "the pack kept: no warning";
  const std::map<std::string, std::string> secondOutputs = FilesBelow(folder_ + "/out");
  for (const char* file : {"HalcyonPro.ini", "FMS.ini", "Aircraft.cfg", "Departure plan.txt", "Load sheet.txt"}) {
    EXPECT_EQ(secondOutputs.at(file), firstOutputs.at(file)) << file << " as after the first flight";
  }

  EXPECT_NE(RunShell("'" + source + "/tools/fresh_root.sh' /").status, 0);
  // The output folder around it is refused, with the folder it may have meant.
  const Shell outFolder = RunShell("'" + source + "/tools/fresh_root.sh' '" + folder_ + "'");
  EXPECT_EQ(WEXITSTATUS(outFolder.status), 1);
  EXPECT_TRUE(outFolder.output.ends_with("(the simulator folder in it is " + folder_ + "/root)\n")) << outFolder.output;
}

// fresh_root.sh cleans only a simulator folder: a checkout, a slip of the
// argument (the output folder, a folder of other files, a file, the home
// folder) or none at all is refused with a message, and every file stays.
TEST_F(FirstUse, FreshRootRefusesWhatIsNoSimulatorFolder) {
  const std::string tool = std::string(HALCYON_SOURCE_DIR) + "/tools/fresh_root.sh";
  std::filesystem::create_directories(folder_ + "/checkout/.git");
  std::ofstream(folder_ + "/checkout/README.md") << "mine";
  std::filesystem::create_directories(folder_ + "/out/root/Sound/HalcyonPro");
  std::ofstream(folder_ + "/out/log.txt") << "Halcyon cockpit run: 00:01.0 simulated";
  std::filesystem::create_directories(folder_ + "/photos");
  std::ofstream(folder_ + "/photos/beach.png") << "PNG";

  const Shell bare = RunShell("'" + tool + "'");
  EXPECT_EQ(WEXITSTATUS(bare.status), 2);
  EXPECT_EQ(bare.output.rfind("usage: " + tool + " <simulator folder>\n", 0), 0u) << bare.output;
  const Shell empty = RunShell("'" + tool + "' ''");
  EXPECT_EQ(WEXITSTATUS(empty.status), 2);
  EXPECT_NE(empty.output.find("usage:"), std::string::npos) << empty.output;

  const Shell checkout = RunShell("cd '" + folder_ + "/checkout' && '" + tool + "' .");
  EXPECT_EQ(WEXITSTATUS(checkout.status), 1);
  EXPECT_EQ(checkout.output, "fresh_root: refusing to clean " + folder_ +
                                 "/checkout: it holds .git (a checkout, not a simulator folder); nothing was removed\n");
  for (const char* other : {"/out", "/photos"}) {
    const Shell refused = RunShell("'" + tool + "' '" + folder_ + other + "'");
    EXPECT_EQ(WEXITSTATUS(refused.status), 1) << other;
    EXPECT_EQ(refused.output, "fresh_root: refusing to clean " + folder_ + other +
                                  ": it is not a simulator folder (no SimObjects/Airplanes/QZ Halcyon Pro in it); "
                                  "nothing was removed\n");
  }
  EXPECT_EQ(Slurp(folder_ + "/checkout/README.md"), "mine");
  EXPECT_TRUE(Exists(folder_ + "/checkout/.git"));
  EXPECT_TRUE(Exists(folder_ + "/out/log.txt"));
  EXPECT_TRUE(Exists(folder_ + "/out/root/Sound/HalcyonPro"));
  EXPECT_EQ(Slurp(folder_ + "/photos/beach.png"), "PNG");

  // A path that does not exist is said, not taken for a fresh folder.
  const Shell none = RunShell("'" + tool + "' '" + folder_ + "/none'");
  EXPECT_EQ(WEXITSTATUS(none.status), 1);
  EXPECT_EQ(none.output.rfind("fresh_root: " + folder_ + "/none does not exist; nothing was removed", 0), 0u)
      << none.output;
  // An empty folder, or one holding a sound pack only, holds no saved cockpit.
  std::filesystem::create_directories(folder_ + "/bare");
  EXPECT_EQ(RunShell("'" + tool + "' '" + folder_ + "/bare'").status, 0);
  EXPECT_EQ(RunShell("'" + tool + "' '" + folder_ + "/out/root'").status, 0);
  EXPECT_TRUE(Exists(folder_ + "/out/root/Sound/HalcyonPro"));
  // A file, and the home folder even with the aircraft folder in it.
  const Shell file = RunShell("'" + tool + "' '" + folder_ + "/photos/beach.png'");
  EXPECT_EQ(WEXITSTATUS(file.status), 1);
  EXPECT_NE(file.output.find(": it is not a folder; nothing was removed"), std::string::npos) << file.output;
  std::filesystem::create_directories(folder_ + "/home/SimObjects/Airplanes/QZ Halcyon Pro");
  std::ofstream(folder_ + "/home/SimObjects/Airplanes/QZ Halcyon Pro/HalcyonPro.ini") << "[APU]\nbattery=41\n";
  const Shell home = RunShell("HOME='" + folder_ + "/home' '" + tool + "' '" + folder_ + "/home'");
  EXPECT_EQ(WEXITSTATUS(home.status), 1);
  EXPECT_NE(home.output.find(": it is / or the home folder; nothing was removed"), std::string::npos) << home.output;
  EXPECT_TRUE(Exists(folder_ + "/home/SimObjects/Airplanes/QZ Halcyon Pro/HalcyonPro.ini"));
}

// make bench builds the benchmark program (and the module it loads), not
// every test first.
TEST(MakeTargets, BenchBuildsOnlyTheBenchmarks) {
  const Shell plan = RunShell("make -n -C '" + std::string(HALCYON_SOURCE_DIR) + "' bench JOBS=2");
  ASSERT_EQ(plan.status, 0) << plan.output;
  const size_t build = plan.output.find("ninja -C build -j 2 halcyon_bench\n");
  EXPECT_NE(build, std::string::npos) << plan.output;
  EXPECT_EQ(plan.output.find("ninja -C build -j 2\n"), std::string::npos) << plan.output;
  EXPECT_LT(build, plan.output.find("build/bin/halcyon_bench\n"));
}

// A crash found by a fuzz target keeps its input, and the log names its path
// and shows its bytes.
TEST_F(FirstUse, AFuzzCrashKeepsItsInputAndTheLogShowsIt) {
  const std::string target = folder_ + "/fuzz_fake";
  std::ofstream(target) << "#!/bin/sh\n"
                           "for a in \"$@\"; do case \"$a\" in -artifact_prefix=*) p=\"${a#-artifact_prefix=}\";; esac; done\n"
                           "printf 'A\\000\\377\\\\z' > \"${p}crash-1234\"\n"
                           "echo '==1== ERROR: deadly signal'\n"
                           "exit 1\n";
  std::filesystem::permissions(target, std::filesystem::perms::owner_all);
  const Shell run = RunShell("FUZZ_TARGETS='" + target + "' FUZZ_ARTIFACTS='" + folder_ + "/artifacts' '" +
                             HALCYON_SOURCE_DIR + "/tools/run_fuzz.sh' 1");
  EXPECT_NE(run.status, 0);
  const std::string kept = folder_ + "/artifacts/fuzz_fake/crash-1234";
  EXPECT_NE(run.output.find("fuzz: fuzz_fake FAILED\n"), std::string::npos) << run.output;
  EXPECT_NE(run.output.find("fuzz: fuzz_fake input kept: " + kept + " (5 bytes)\n"), std::string::npos) << run.output;
  EXPECT_NE(run.output.find("fuzz: bytes: A\\x00\\xFF\\x5Cz\n"), std::string::npos) << run.output;
  EXPECT_EQ(Slurp(kept), std::string("A\0\xFF\\z", 5));
}

}  // namespace
}  // namespace halcyon::test
