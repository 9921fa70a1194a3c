// The shut-down save killed at random moments: every saved file must be
// found wholly as it was before the save or wholly as the save left it,
// never with some sections new and others old.
#include <gtest/gtest.h>
#include <signal.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <thread>

#include "simhost/sim_host.h"
#include "simhost/sim_root.h"

namespace {

constexpr const char* kIniFile = "SimObjects/Airplanes/QZ Halcyon Pro/HalcyonPro.ini";
constexpr const char* kCfgFile = "SimObjects/Airplanes/QZ Halcyon Pro/Aircraft.cfg";
// The tuning enabled, so the shut-down rewrites Aircraft.cfg's flaps as well.
constexpr const char* kOldIni = "[OPTIONS]\r\nfd_mod=5\r\nfd_mod_enable=1\r\n";

std::string Bytes(const std::string& file) {
  std::ifstream in(file, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

void PrepareOldState(const std::string& root) {
  std::error_code ignored;
  std::filesystem::remove_all(root, ignored);
  std::string error;
  ASSERT_TRUE(simhost::LayOutSimulatorRoot(root, &error)) << error;
  std::ofstream(simhost::RootPath(root, kIniFile), std::ios::binary) << kOldIni;
}

// The child: a flight in which the crew moves controls, then the shut-down.
// It reports 'r' just before the shut-down starts and 'd' when it is done.
[[noreturn]] void FlyAndShutDown(const std::string& root, int reportFd) {
  simhost::HostOptions options;
  options.root = root;
  simhost::SimHost host(options);
  std::string error;
  if (!host.Load(&error)) _exit(2);
  host.Start();
  host.RunSeconds(0.5);
  host.MoveControl("APU", "battery", 41);
  host.MoveControl("FUEL PUMPS", "fwd_center", 41);
  host.MoveControl("ELECTRIC", "galley_pwr", 41);
  host.RunSeconds(0.5);
  if (write(reportFd, "r", 1) != 1) _exit(3);
  host.Shutdown();
  if (write(reportFd, "d", 1) != 1) _exit(3);
  _exit(0);
}

struct Child {
  pid_t pid = -1;
  int reportFd = -1;
};

Child Launch(const std::string& root) {
  int fds[2];
  if (pipe(fds) != 0) return {};
  const pid_t pid = fork();
  if (pid == 0) {
    close(fds[0]);
    FlyAndShutDown(root, fds[1]);
  }
  close(fds[1]);
  return {pid, fds[0]};
}

bool Await(const Child& child, char expected) {
  char got = 0;
  return read(child.reportFd, &got, 1) == 1 && got == expected;
}

void Reap(Child& child) {
  int status = 0;
  waitpid(child.pid, &status, 0);
  close(child.reportFd);
}

TEST(SaveKill, EveryFileIsWhollyOldOrWhollyNewWhereverTheShutDownIsKilled) {
  char pattern[] = "/tmp/halcyon-kill-XXXXXX";
  ASSERT_NE(mkdtemp(pattern), nullptr);
  const std::string folder = pattern;
  const std::string root = folder + "/root";

  // One whole run gives the new files and how long the shut-down takes.
  PrepareOldState(root);
  const std::string oldIni = Bytes(simhost::RootPath(root, kIniFile));
  const std::string oldCfg = Bytes(simhost::RootPath(root, kCfgFile));
  Child reference = Launch(root);
  ASSERT_TRUE(Await(reference, 'r'));
  const auto started = std::chrono::steady_clock::now();
  ASSERT_TRUE(Await(reference, 'd'));
  const auto shutDownUs =
      std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - started).count();
  Reap(reference);
  const std::string newIni = Bytes(simhost::RootPath(root, kIniFile));
  const std::string newCfg = Bytes(simhost::RootPath(root, kCfgFile));
  ASSERT_NE(newIni, oldIni);
  ASSERT_NE(newCfg, oldCfg);

  // Kills spread over the shut-down and a little past it, bounded in number
  // and in time so that the sanitizer build stays quick.
  std::mt19937 random(2718);
  std::uniform_int_distribution<long> delayUs(0, std::max<long>(50, shutDownUs * 5 / 4));
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
  int kills = 0;
  int foundOld = 0;
  int foundNew = 0;
  while (kills < 80 && std::chrono::steady_clock::now() < deadline) {
    PrepareOldState(root);
    Child child = Launch(root);
    ASSERT_TRUE(Await(child, 'r'));
    std::this_thread::sleep_for(std::chrono::microseconds(delayUs(random)));
    kill(child.pid, SIGKILL);
    Reap(child);
    ++kills;
    const std::string ini = Bytes(simhost::RootPath(root, kIniFile));
    const std::string cfg = Bytes(simhost::RootPath(root, kCfgFile));
    ASSERT_TRUE(ini == oldIni || ini == newIni) << "kill " << kills << ": HalcyonPro.ini half saved:\n" << ini;
    ASSERT_TRUE(cfg == oldCfg || cfg == newCfg) << "kill " << kills << ": Aircraft.cfg half saved:\n" << cfg;
    foundOld += ini == oldIni ? 1 : 0;
    foundNew += ini == newIni ? 1 : 0;
  }
  RecordProperty("kills", kills);
  std::printf("%d kills over a shut-down of %ld us: %d files old, %d new\n", kills, static_cast<long>(shutDownUs),
              foundOld, foundNew);
  std::error_code ignored;
  std::filesystem::remove_all(folder, ignored);
}

}  // namespace
