// The simulator program as a user runs it: what it makes of a simulator
// folder left damaged by an earlier run, a save that fails, and the files it
// writes into the output folder.
#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/stat.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "simhost/module_loader.h"
#include "simhost/sim_root.h"

namespace halcyon::test {
namespace {

constexpr const char* kAircraft = "/root/SimObjects/Airplanes/QZ Halcyon Pro";

struct ProgramRun {
  int status = -1;
  std::string output;
};

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
  ProgramRun Run(const std::string& scenario) const {
    const std::string file = folder_ + "/flight.scn";
    std::ofstream(file, std::ios::binary) << scenario;
    const std::string program = simhost::DefaultModulePath().substr(0, simhost::DefaultModulePath().rfind('/')) + "/simhost";
    const std::string command = program + " --quiet --scenario '" + file + "' --root '" + folder_ + "/root' --out '" +
                                folder_ + "/out' 2>&1";
    ProgramRun run;
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) return run;
    char buffer[512];
    while (fgets(buffer, sizeof(buffer), pipe) != nullptr) run.output += buffer;
    run.status = pclose(pipe);
    return run;
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

}  // namespace
}  // namespace halcyon::test
