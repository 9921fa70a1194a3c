// The simulator program as a user runs it: what it makes of a simulator
// folder left damaged by an earlier run, a save that fails, and the files it
// writes into the output folder.
#include <gtest/gtest.h>
#include <signal.h>
#include <stdlib.h>
#include <linux/fs.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "simhost/module_loader.h"
#include "simhost/sim_root.h"
#include "tests/cockpit.h"

namespace halcyon::test {
namespace {

constexpr const char* kAircraft = "/root/SimObjects/Airplanes/QZ Halcyon Pro";

// simhost with these arguments (and --quiet): its exit status and what it said.
ProgramRun RunQuiet(const std::string& arguments) { return RunSimhostProgram("--quiet " + arguments); }

class SimhostProgram : public testing::Test {
 protected:
  void SetUp() override {
    char pattern[] = "/tmp/halcyon-program-XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    folder_ = pattern;
  }
  void TearDown() override {
    std::error_code ignored;
    std::filesystem::remove_all(folder_, ignored);
  }

  // Runs simhost on a scenario text with the root and output below the folder.
  ProgramRun Run(const std::string& scenario, const std::string& more = "") const {
    const std::string file = folder_ + "/flight.scn";
    std::ofstream(file, std::ios::binary) << scenario;
    return RunQuiet("--scenario '" + file + "' --root '" + folder_ + "/root' --out '" + folder_ + "/out' " + more);
  }

  std::string Read(const std::string& relative) const {
    std::ifstream in(folder_ + "/" + relative, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
  }

  void Write(const std::string& relative, const std::string& bytes) const {
    std::filesystem::create_directories(std::filesystem::path(folder_ + "/" + relative).parent_path());
    std::ofstream(folder_ + "/" + relative, std::ios::binary) << bytes;
  }

  std::string folder_;
};

TEST_F(SimhostProgram, ASaveThatFailsIsLoggedWithTheFileAndWhyAndTheRunFails) {
  // A folder where the aircraft's INI file should be: nothing can replace it.
  std::filesystem::create_directories(folder_ + kAircraft + "/HalcyonPro.ini");
  const ProgramRun run = Run("control APU battery 41\nrun 2\n");
  EXPECT_NE(run.status, 0);
  EXPECT_NE(run.output.find("HalcyonPro.ini: a folder is in the way"), std::string::npos) << run.output;
  const std::string log = Read("out/log.txt");
  const size_t section = log.find("== Saves that failed ==\n");
  ASSERT_NE(section, std::string::npos);
  EXPECT_NE(log.find("HalcyonPro.ini: a folder is in the way", section), std::string::npos) << log;
  // What could be saved is still copied out.
  EXPECT_NE(Read("out/Aircraft.cfg").find("[fltsim.0]"), std::string::npos);
}

// Another program keeps the aircraft's INI file locked for the whole flight:
// each save keeps the cockpit's writes for the next, and what the last save,
// at the shutdown, cannot make is named in log.txt as lost. Nothing saves it
// behind that word as the program ends.
TEST_F(SimhostProgram, WhatTheLastSaveCannotMakeIsLoggedLostAndNeverSavedAfter) {
  const std::string ini = folder_ + kAircraft + "/HalcyonPro.ini";
  ASSERT_EQ(Run("run 1\n").status, 0);
  const std::string before = Read(std::string(kAircraft).substr(1) + "/HalcyonPro.ini");
  const int locked = open(ini.c_str(), O_RDONLY | O_CLOEXEC);
  ASSERT_EQ(flock(locked, LOCK_EX), 0);
  const ProgramRun run = Run("control APU battery 41\nrun 1\nexpect APU battery == 41\n");
  close(locked);
  EXPECT_NE(run.status, 0);
  const size_t said = run.output.find("HalcyonPro.ini: another program kept the file locked");
  EXPECT_NE(said, std::string::npos) << run.output;
  EXPECT_EQ(run.output.find("HalcyonPro.ini", said + 1), std::string::npos) << "said once, then left: " << run.output;
  const std::string log = Read("out/log.txt");
  EXPECT_NE(log.find("HalcyonPro.ini: another program kept the file locked", log.find("== Saves that failed ==")),
            std::string::npos)
      << log;
  EXPECT_NE(log.find("expect: 1 passed"), std::string::npos) << "the write was kept while its saves failed";
  EXPECT_EQ(Read(std::string(kAircraft).substr(1) + "/HalcyonPro.ini"), before);
}

// An earlier run killed at the wrong moment, or a user, left empty files:
// the run goes on and copies them. An empty Aircraft.cfg stays as it is: a
// file is laid out only where none is, never over one (another run may
// have just written it).
TEST_F(SimhostProgram, EmptyFilesInTheSimulatorFolderAreNoObstacle) {
  Write(std::string(kAircraft).substr(1) + "/Aircraft.cfg", "");
  Write(std::string(kAircraft).substr(1) + "/Notes.ini", "");
  Write("root/Gauges/Empty.ini", "");
  const ProgramRun run = Run("run 1\n");
  EXPECT_EQ(run.status, 0) << run.output;
  EXPECT_EQ(Read(std::string(kAircraft).substr(1) + "/Aircraft.cfg"), "");
  struct stat info {};
  ASSERT_EQ(stat((folder_ + "/out/Notes.ini").c_str(), &info), 0);
  EXPECT_EQ(info.st_size, 0);
  EXPECT_EQ(stat((folder_ + "/out/Empty.ini").c_str(), &info), 0);
  EXPECT_EQ(stat((folder_ + "/out/Aircraft.cfg").c_str(), &info), 0);
}

TEST_F(SimhostProgram, AnEndlessScenarioIsRefusedAtItsBound) {
  const ProgramRun run = RunQuiet("--scenario /dev/zero --out '" + folder_ + "/out'");
  EXPECT_NE(run.status, 0);
  EXPECT_EQ(run.output, "simhost: /dev/zero: the scenario is larger than 16 MiB\n");
}

// What lands in the output folder: every key event named (the flap lever's
// as the flap handle's, not the auto-slat's that share their numbers), a
// traffic line with a long ATC id whole, the traced values once a second.
TEST_F(SimhostProgram, TheLogNamesKeyEventsKeepsLongLinesAndTheTraceIsWritten) {
  const std::string atcId(300, 'Q');
  const ProgramRun run = Run("trace ias \"APU/battery\" on_ground\n"
                             "traffic " + atcId + " 47.5 8.5 3000 0\n"
                             "set ias 20\n"
                             "run 1\n"
                             "control APU battery 41\n"
                             "control FLAPS lever 10\n"
                             "run 1\n"
                             "control FLAPS lever 0\n"
                             "run 1\n"
                             "trace tick18\n"
                             "run 1\n");
  ASSERT_EQ(run.status, 0) << run.output;
  const std::string log = Read("out/log.txt");
  EXPECT_NE(log.find("66241  0  battery master toggle\n"), std::string::npos) << log;
  EXPECT_NE(log.find("65758  0  flap handle a detent down\n"), std::string::npos);
  EXPECT_NE(log.find("65759  0  flap handle a detent up\n"), std::string::npos);
  EXPECT_EQ(log.find("auto-slat"), std::string::npos);
  EXPECT_NE(log.find("AI aircraft " + atcId + " at the end: 47.5000 8.5000, 3000 ft\n"), std::string::npos);
  EXPECT_EQ(Read("out/trace.csv"),
            "seconds,ias,APU/battery,on_ground,tick18\n"
            "1,20,120,0,\n"
            "2,20,41,0,\n"
            "3,20,41,0,\n"
            "4,20,41,0,72\n");
}

TEST_F(SimhostProgram, AFailedExpectationEndsTheRunWithTheLineAndTheValueSeen) {
  const ProgramRun run = Run("control APU battery 41\n"
                             "run 1\n"
                             "expect APU battery == 41\n"
                             "expect ias < 1\n"
                             "set ias 95.5\n"
                             "run 1\n"
                             "expect ias >= 100\n"
                             "expect on_ground == 0\n");
  EXPECT_NE(run.status, 0);
  EXPECT_NE(run.output.find("flight.scn:7: expected ias >= 100, saw 95.5\n"), std::string::npos) << run.output;
  // The saved state and the log are still written.
  EXPECT_EQ(Read("out/HalcyonPro.ini").find("battery=41") != std::string::npos, true);
}

// The sound file cannot be written (here a folder is in its way): the run
// says so and fails, but the saved files are copied out all the same.
TEST_F(SimhostProgram, ASoundFileThatCannotBeWrittenCostsNoSavedState) {
  std::filesystem::create_directories(folder_ + "/out/cockpit.wav");
  const ProgramRun run = Run("control APU battery 41\nrun 1\n");
  EXPECT_NE(run.status, 0);
  EXPECT_NE(run.output.find("cannot write " + folder_ + "/out/cockpit.wav"), std::string::npos) << run.output;
  EXPECT_NE(Read("out/HalcyonPro.ini").find("battery=41"), std::string::npos);
  EXPECT_NE(Read("out/Aircraft.cfg").find("[fltsim.0]"), std::string::npos);
  EXPECT_NE(Read("out/log.txt").find("== Key events"), std::string::npos);
}

// The fire handles cut the fuel (65919, 65920): the log names the events,
// and the ILS a flight sets up with the radio stations it read.
TEST_F(SimhostProgram, TheLogNamesTheMixtureCutsAndListsTheIls) {
  const ProgramRun run = Run("ils LSZH 14 110.30\n"
                             "control APU battery 41\n"
                             "set mixture1 16384\n"
                             "set mixture2 16384\n"
                             "run 2\n"
                             "control \"Engine Fire\" handle_left 1\n"
                             "control \"Engine Fire\" handle_right 1\n"
                             "run 1\n");
  ASSERT_EQ(run.status, 0) << run.output;
  const std::string log = Read("out/log.txt");
  EXPECT_NE(log.find("65919  0  engine 1 mixture cut off\n"), std::string::npos) << log;
  EXPECT_NE(log.find("65920  0  engine 2 mixture cut off\n"), std::string::npos);
  EXPECT_NE(log.find("ILS LSZH 14 110.30 MHz"), std::string::npos);
  EXPECT_NE(log.find("radio stations: 8 VOR and DME from 1 file(s), 1 ILS"), std::string::npos);
}

TEST_F(SimhostProgram, AnIlsWhereTheDataHasNoRunwayStopsTheFlightBeforeItStarts) {
  const ProgramRun run = Run("run 1\nils LSZH 15 110.30\n");
  EXPECT_NE(run.status, 0);
  EXPECT_NE(run.output.find("flight.scn:2: no runway 15 at LSZH in airports.txt"), std::string::npos) << run.output;
}

// Ctrl-C part-way through a long flight ends it as closing the simulator
// would: the cockpit shuts down and saves, the log and pictures are written,
// and the program says it was interrupted (128 + the signal).
TEST_F(SimhostProgram, AStopSignalEndsTheFlightWithItsLogAndSavedState) {
  for (const int stopSignal : {SIGINT, SIGTERM}) {
    SCOPED_TRACE(stopSignal);
    const std::string file = folder_ + "/long.scn";
    std::ofstream(file, std::ios::binary) << "control APU battery 41\nrun 36000\n";
    const std::string root = folder_ + "/root" + std::to_string(stopSignal);
    const std::string out = folder_ + "/out" + std::to_string(stopSignal);
    BackgroundSimhost flight({"--scenario", file, "--root", root, "--out", out});
    // The first progress line says the flight is under way.
    ASSERT_TRUE(flight.WaitToSay("simulated"));
    kill(flight.pid(), stopSignal);
    const ProgramRun run = flight.Finish();
    ASSERT_TRUE(WIFEXITED(run.status)) << run.output;
    EXPECT_EQ(WEXITSTATUS(run.status), 128 + stopSignal) << run.output;
    EXPECT_NE(run.output.find("interrupted"), std::string::npos) << run.output;
    std::ifstream logFile(out + "/log.txt");
    std::ostringstream log;
    log << logFile.rdbuf();
    EXPECT_NE(log.str().find("interrupted: the flight ends here"), std::string::npos) << log.str();
    // On the first lines, as a failed expect is.
    const size_t secondLine = log.str().find('\n') + 1;
    EXPECT_EQ(log.str().compare(secondLine, 16, "INTERRUPTED at 0"), 0) << log.str();
    std::ifstream saved(root + "/SimObjects/Airplanes/QZ Halcyon Pro/HalcyonPro.ini");
    std::ostringstream savedText;
    savedText << saved.rdbuf();
    EXPECT_FALSE(savedText.str().empty()) << "the shut-down saves the cockpit";
    EXPECT_TRUE(std::filesystem::exists(out + "/cockpit.wav"));
  }
}

// simhost with a stop signal (Ctrl-C) already waiting as it starts: sent to
// the child before it runs the program, while held back.
ProgramRun RunStoppedAsItStarts(std::vector<std::string> words) {
  const std::string program = simhost::DefaultModulePath().substr(0, simhost::DefaultModulePath().rfind('/')) + "/simhost";
  words.insert(words.begin(), {program, "--quiet"});
  std::vector<char*> argv;
  for (std::string& word : words) argv.push_back(word.data());
  argv.push_back(nullptr);
  ProgramRun run;
  int pipeEnds[2];
  if (pipe(pipeEnds) != 0) return run;
  const pid_t child = fork();
  if (child == 0) {
    sigset_t stop;
    sigemptyset(&stop);
    sigaddset(&stop, SIGINT);
    sigprocmask(SIG_BLOCK, &stop, nullptr);
    kill(getpid(), SIGINT);
    dup2(pipeEnds[1], STDERR_FILENO);
    close(pipeEnds[0]);
    execv(program.c_str(), argv.data());
    _exit(127);
  }
  close(pipeEnds[1]);
  char buffer[512];
  for (ssize_t got; (got = read(pipeEnds[0], buffer, sizeof buffer)) > 0;) run.output.append(buffer, static_cast<size_t>(got));
  close(pipeEnds[0]);
  waitpid(child, &run.status, 0);
  return run;
}

// The earlier run's outputs are cleared only once a run is sure to fly: one
// refused as it starts (the simulator folder cannot be laid out, the module
// does not load, the scenario names a control the cockpit lacks, a stop
// before the first tick) leaves its log, trace, sound, pictures and saved
// files as they were, and says why.
TEST_F(SimhostProgram, ARunRefusedAtItsStartLeavesThePreviousRunsOutputs) {
  ASSERT_EQ(Run("trace ias\ncontrol APU battery 41\nrun 2\n", "--pictures 1").status, 0);
  const std::map<std::string, std::string> before = FilesBelow(folder_ + "/out");
  for (const char* made : {"log.txt", "trace.csv", "cockpit.wav", "HalcyonPro.ini", "pictures/00-00-01.0_EFIS_PFD.png"}) {
    ASSERT_EQ(before.count(made), 1u) << made;
  }
  Write("bad/SimObjects/Airplanes", "a file where the aircraft folder goes");
  const std::string flight = "control APU battery 41\nrun 2\n";
  const struct {
    ProgramRun run;
    std::string said;
  } refused[] = {
      {Run(flight, "--root '" + folder_ + "/bad'"), "cannot make the folder " + folder_ + "/bad/SimObjects/Airplanes"},
      {Run(flight, "--module '" + folder_ + "/none.so'"), "cannot load the module"},
      {Run("control APU mastr 41\nrun 2\n"), "flight.scn:1: no control [APU] 'mastr'"},
  };
  for (const auto& [run, said] : refused) {
    EXPECT_NE(run.status, 0) << said;
    EXPECT_NE(run.output.find(said), std::string::npos) << run.output;
    EXPECT_TRUE(FilesBelow(folder_ + "/out") == before) << said;
  }

  std::ofstream(folder_ + "/flight.scn", std::ios::binary) << flight;
  const ProgramRun stopped = RunStoppedAsItStarts({"--scenario", folder_ + "/flight.scn", "--root", folder_ + "/root",
                                                   "--out", folder_ + "/out"});
  ASSERT_TRUE(WIFEXITED(stopped.status)) << stopped.output;
  EXPECT_EQ(WEXITSTATUS(stopped.status), 128 + SIGINT) << stopped.output;
  EXPECT_EQ(stopped.output, "simhost: interrupted before the flight began: nothing was written into " + folder_ +
                                "/out, which holds what the run before left there\n");
  EXPECT_TRUE(FilesBelow(folder_ + "/out") == before);
}

// The aircraft folder and the cockpit's saved files in it are proved
// writable before the first tick, as the output and simulator folders are:
// a run that could not save its cockpit is refused at its start, not after
// its flight, and the earlier run's outputs stay.
TEST_F(SimhostProgram, ACockpitThatCouldNotBeSavedIsRefusedAtTheStart) {
  ASSERT_EQ(Run("control APU battery 41\nrun 2\n").status, 0);
  const std::map<std::string, std::string> before = FilesBelow(folder_ + "/out");
  const std::string aircraft = folder_ + kAircraft;
  const std::string flight = "control APU battery 120\nrun 2\n";

  ASSERT_EQ(chmod((aircraft + "/FMS.ini").c_str(), 0444), 0);
  ProgramRun run = Run(flight);
  ASSERT_EQ(chmod((aircraft + "/FMS.ini").c_str(), 0644), 0);
  EXPECT_NE(run.status, 0);
  EXPECT_EQ(run.output, "simhost: cannot write the cockpit's saved file " + aircraft + "/FMS.ini: the file is read-only\n");
  EXPECT_TRUE(FilesBelow(folder_ + "/out") == before);

  const struct {
    std::string path;
    std::string said;
  } immutable[] = {
      {aircraft, "cannot write into the aircraft folder " + aircraft},
      {aircraft + "/HalcyonPro.ini", "cannot write the cockpit's saved file " + aircraft + "/HalcyonPro.ini"},
  };
  for (const auto& [path, said] : immutable) {
    if (!SetFileFlag(path, FS_IMMUTABLE_FL, true)) {
      GTEST_SKIP() << "no immutable files here (root and a file system that keeps the flag): " << std::strerror(errno);
    }
    run = Run(flight);
    ASSERT_TRUE(SetFileFlag(path, FS_IMMUTABLE_FL, false));
    EXPECT_NE(run.status, 0);
    EXPECT_EQ(run.output, "simhost: " + said + ": " + std::strerror(EPERM) + "\n");
    EXPECT_TRUE(FilesBelow(folder_ + "/out") == before) << said;
  }
}

// The inode, modification time and bytes of each file below a folder: a file
// written in any way (in place, or a new one under its name) is told apart.
std::map<std::string, std::string> FilesAsTheyLie(const std::string& folder) {
  std::map<std::string, std::string> files = FilesBelow(folder);
  for (auto& [name, bytes] : files) {
    struct stat info {};
    stat((folder + "/" + name).c_str(), &info);
    bytes = std::to_string(info.st_ino) + " " + std::to_string(info.st_mtim.tv_sec) + "." +
            std::to_string(info.st_mtim.tv_nsec) + " " + bytes;
  }
  return files;
}

// A run refused at its start leaves the simulator folder as it found it:
// made in a new --out, it goes again, so the next run there starts cold and
// dark (a stop before the flight says so); in one that holds a cockpit, the
// folders and files the run made go, and the cockpit's files are not written
// at all, nor touched (one with a second name, a hard link, too): its saves
// wait until the run is sure to fly, and a refused run drops them. A path
// with ".." is taken as a shell's cd takes it: the empty folder it names is
// not one the run made.
TEST_F(SimhostProgram, ARunRefusedAtItsStartLeavesTheSimulatorFolderAsItFoundIt) {
  const std::string refused = "control APU mastr 41\nrun 2\n";
  std::ofstream(folder_ + "/refused.scn", std::ios::binary) << refused;
  std::ofstream(folder_ + "/short.scn", std::ios::binary) << "run 1\n";
  ProgramRun run = RunQuiet("--scenario '" + folder_ + "/refused.scn' --out '" + folder_ + "/new'");
  EXPECT_NE(run.output.find("no control [APU] 'mastr'"), std::string::npos) << run.output;
  EXPECT_FALSE(std::filesystem::exists(folder_ + "/new"));
  const ProgramRun stopped = RunStoppedAsItStarts({"--scenario", folder_ + "/short.scn", "--out", folder_ + "/new"});
  EXPECT_EQ(stopped.output, "simhost: interrupted before the flight began: nothing was written, and " + folder_ +
                                "/new, which this run made, is gone again\n");
  EXPECT_FALSE(std::filesystem::exists(folder_ + "/new"));

  std::filesystem::create_directories(folder_ + "/myempty");
  const std::string dotted = folder_ + "/newdir/../myempty";
  run = RunQuiet("--scenario '" + folder_ + "/refused.scn' --out '" + dotted + "'");
  EXPECT_NE(run.output.find("no control [APU] 'mastr'"), std::string::npos) << run.output;
  const ProgramRun stoppedDotted = RunStoppedAsItStarts({"--scenario", folder_ + "/short.scn", "--out", dotted});
  EXPECT_EQ(stoppedDotted.output,
            "simhost: interrupted before the flight began: nothing was written into " + folder_ + "/myempty\n");
  EXPECT_TRUE(std::filesystem::is_empty(folder_ + "/myempty"));
  EXPECT_FALSE(std::filesystem::exists(folder_ + "/newdir"));

  Write(std::string(kAircraft).substr(1) + "/HalcyonPro.ini", "[APU]\r\nbattery=41\r\n");
  Write("root/Scenery/mine.bgl", "mine");
  const std::map<std::string, std::string> found = FilesBelow(folder_ + "/root");
  run = Run(refused);
  EXPECT_NE(run.status, 0);
  // The default Aircraft.cfg it laid into the aircraft folder it found stays.
  std::map<std::string, std::string> left = FilesBelow(folder_ + "/root");
  EXPECT_EQ(left.erase("SimObjects/Airplanes/QZ Halcyon Pro/Aircraft.cfg"), 1u);
  EXPECT_TRUE(left == found);
  for (const char* made : {"Gauges", "Sound", "Navigraph", "SimObjects/Airplanes/QZ Halcyon Pro/Mentor"}) {
    EXPECT_FALSE(std::filesystem::exists(folder_ + "/root/" + made)) << made;
  }

  // Every file the cockpit writes there: its saved files, the departure
  // card, its keyboard commands, and a leak report (written where the
  // module tracks its allocations).
  ASSERT_EQ(Run("control APU battery 41\ndispatch\nrun 1\n").status, 0);
  Write("root/Gauges/HalcyonMemleak.ini", "[MEMORY NOT DEALLOCATED]\r\ntotal=0 bytes\r\n");
  // One with a second name (a hard link), which a save writes in place.
  ASSERT_EQ(link((folder_ + kAircraft + "/HalcyonPro.ini").c_str(), (folder_ + "/HalcyonPro.ini").c_str()), 0);
  const std::map<std::string, std::string> flown = FilesAsTheyLie(folder_ + "/root");
  for (const char* file : {"HalcyonPro.ini", "FMS.ini", "Aircraft.cfg", "Departure plan.txt", "KeyboardInput.ini"}) {
    ASSERT_EQ(flown.count(std::string(kAircraft).substr(6) + "/" + file), 1u) << file;
  }
  run = Run(refused);
  EXPECT_NE(run.status, 0);
  EXPECT_TRUE(FilesAsTheyLie(folder_ + "/root") == flown);
  const ProgramRun stoppedFlown = RunStoppedAsItStarts(
      {"--scenario", folder_ + "/short.scn", "--root", folder_ + "/root", "--out", folder_ + "/out"});
  EXPECT_EQ(WEXITSTATUS(stoppedFlown.status), 128 + SIGINT) << stoppedFlown.output;
  EXPECT_TRUE(FilesAsTheyLie(folder_ + "/root") == flown);
}

// A plain run goes on from the cockpit its simulator folder saved; a check
// that fails there says so, with the command that starts cold and dark.
TEST_F(SimhostProgram, AFailedExpectInASavedCockpitSaysTheFlightWentOnFromIt) {
  ASSERT_EQ(Run("control APU battery 41\nrun 2\n").status, 0);
  const ProgramRun again = Run("run 1\nexpect APU battery == 120\n");
  EXPECT_NE(again.status, 0);
  const std::string root = folder_ + "/root";
  const std::string failure = "flight.scn:2: expected [APU] battery == 120, saw 41 (the flight went on from the "
                              "cockpit saved in " + root + "; tools/fresh_root.sh '" + root +
                              "' starts it cold and dark)";
  EXPECT_NE(again.output.find(failure + "\n"), std::string::npos) << again.output;
  EXPECT_NE(Read("out/log.txt").find("\nFAILED at 00:01.0: " + folder_ + "/" + failure + "\n"), std::string::npos)
      << Read("out/log.txt");
  // The README says it beside the command a user runs after the demo.
  std::ifstream readmeFile(std::string(HALCYON_SOURCE_DIR) + "/README.md");
  std::ostringstream readme;
  readme << readmeFile.rdbuf();
  const size_t command = readme.str().find("    build/bin/simhost --scenario FILE");
  ASSERT_NE(command, std::string::npos);
  const size_t fresh = readme.str().find("tools/fresh_root.sh out/root", command);
  EXPECT_LT(fresh, readme.str().find("| option |", command)) << "said next to the command";
}

// What a run writes into --out is what it made: the pictures, trace and log
// of an earlier run into the same folder go as it starts; files it never
// makes and the simulator folder inside --out stay.
TEST_F(SimhostProgram, ASecondRunIntoOneOutputFolderLeavesOnlyItsOwnOutputs) {
  ASSERT_EQ(Run("trace ias\ncontrol APU battery 41\nrun 3\n", "--pictures 1").status, 0);
  ASSERT_TRUE(std::filesystem::exists(folder_ + "/out/trace.csv"));
  ASSERT_TRUE(std::filesystem::exists(folder_ + "/out/pictures/00-00-02.0_EFIS_PFD.png"));
  Write("out/notes.txt", "mine");
  Write("out/pictures/mine.png", "mine");
  Write("out/Stale.ini", "[A]\nb=1\n");

  const ProgramRun second = Run("run 1\n");
  ASSERT_EQ(second.status, 0) << second.output;
  EXPECT_FALSE(std::filesystem::exists(folder_ + "/out/trace.csv"));
  EXPECT_FALSE(std::filesystem::exists(folder_ + "/out/Stale.ini")) << "an INI file copied by an earlier run";
  EXPECT_EQ(Read("out/notes.txt"), "mine");
  EXPECT_EQ(Read("out/pictures/mine.png"), "mine");
  EXPECT_NE(Read(std::string(kAircraft).substr(1) + "/HalcyonPro.ini").find("battery=41"), std::string::npos);
  // Every picture left is listed in this run's log, and it made them at 1 s.
  const std::string log = Read("out/log.txt");
  size_t pictures = 0;
  for (const auto& entry : std::filesystem::directory_iterator(folder_ + "/out/pictures")) {
    const std::string name = entry.path().filename().string();
    if (name == "mine.png") continue;
    ++pictures;
    EXPECT_EQ(name.rfind("00-00-01.0_", 0), 0u) << name;
    EXPECT_NE(log.find("\n   " + name + "\n"), std::string::npos) << name;
  }
  EXPECT_GE(pictures, 2u);
}

// An --out that holds no earlier run (its log.txt, if any, is no run's) is
// a person's own folder: the run adds its files, and every file of theirs
// stays as it was, INI and .cfg files and pictures included.
TEST_F(SimhostProgram, AnOutputFolderWithoutAnEarlierRunKeepsThePersonsOwnFiles) {
  const std::map<std::string, std::string> mine = {
      {"Settings.ini", "[A]\nb=1\n"},
      {"Other jet.cfg", "[fltsim.0]\ntitle=Other\n"},
      {"notes.txt", "mine"},
      {"pictures/holiday.png", "PNG"},
  };
  for (const auto& [name, bytes] : mine) Write("out/" + name, bytes);
  Write("out/log.txt", "what I did today\n");
  const ProgramRun run = Run("control APU battery 41\nrun 1\n");
  ASSERT_EQ(run.status, 0) << run.output;
  for (const auto& [name, bytes] : mine) EXPECT_EQ(Read("out/" + name), bytes) << name;
  EXPECT_NE(Read("out/HalcyonPro.ini").find("battery=41"), std::string::npos) << "the run's own copy beside them";
}

// Without the sound pack nothing is heard, but the log lists what the cockpit
// asked to play, each missing or unreadable file marked.
TEST_F(SimhostProgram, TheSoundsAskedForAreLoggedWhenTheirFilesAreMissing) {
  // The SPD/MACH knob clicks as it is pushed.
  const std::string flight = "run 1\ncontrol \"FGCP PANEL\" speed_view 1\nrun 1\n";
  ASSERT_EQ(Run(flight).status, 0);
  const std::string click = "  Sound\\HalcyonPro\\VXMD80 Switch PB1.wav  once  ";
  std::string log = Read("out/log.txt");
  const size_t section = log.find("== Sounds started");
  ASSERT_NE(section, std::string::npos);
  const size_t line = log.find(click, section);
  ASSERT_NE(line, std::string::npos) << log.substr(section, 2000);
  EXPECT_LT(line, log.find("\n== ", section + 1));
  const std::string rest = log.substr(line, log.find('\n', line) - line);
  EXPECT_EQ(rest.substr(rest.size() - 19), "  (missing: silent)") << rest;

  Write("root/Sound/HalcyonPro/VXMD80 Switch PB1.wav", "");
  ASSERT_EQ(Run(flight).status, 0);
  log = Read("out/log.txt");
  const size_t again = log.find(click, log.find("== Sounds started"));
  ASSERT_NE(again, std::string::npos) << log;
  EXPECT_NE(log.substr(again, log.find('\n', again) - again).find("  (unreadable: silent)"), std::string::npos);
}

// The progress line counts to the scenario's end and no further, however the
// runs round to whole ticks (ten runs of 0.09 s take two ticks each).
TEST_F(SimhostProgram, TheProgressLineNeverShowsMoreThanTheTotal) {
  const std::string file = folder_ + "/flight.scn";
  std::string flight;
  for (int i = 0; i < 10; ++i) flight += "run 0.09\n";
  std::ofstream(file, std::ios::binary) << flight;
  const std::string program = simhost::DefaultModulePath().substr(0, simhost::DefaultModulePath().rfind('/')) + "/simhost";
  FILE* pipe = popen((program + " --scenario '" + file + "' --out '" + folder_ + "/out' 2>&1").c_str(), "r");
  ASSERT_NE(pipe, nullptr);
  std::string output;
  char buffer[512];
  while (fgets(buffer, sizeof(buffer), pipe) != nullptr) output += buffer;
  EXPECT_EQ(pclose(pipe), 0) << output;
  EXPECT_NE(output.find("[simhost] 00:00.9 of 00:00.9 simulated (100%)\n"), std::string::npos) << output;
  EXPECT_EQ(output.find("00:01.1 of"), std::string::npos) << output;

  // A flight that ends on a progress tick (every 10 s) says its end once.
  std::ofstream(file, std::ios::binary) << "run 10\n";
  pipe = popen((program + " --scenario '" + file + "' --out '" + folder_ + "/out' 2>&1").c_str(), "r");
  ASSERT_NE(pipe, nullptr);
  output.clear();
  while (fgets(buffer, sizeof(buffer), pipe) != nullptr) output += buffer;
  EXPECT_EQ(pclose(pipe), 0) << output;
  const std::string end = "[simhost] 00:10.0 of 00:10.0 simulated (100%)\n";
  const size_t first = output.find(end);
  ASSERT_NE(first, std::string::npos) << output;
  EXPECT_EQ(output.find(end, first + 1), std::string::npos) << output;
}

}  // namespace
}  // namespace halcyon::test
