// The command line of the simulator program: what a run flies, where it
// writes, and the lists of what a scenario may name.
#pragma once

#include <string>
#include <vector>

namespace simhost {

struct ProgramOptions {
  std::string scenarioPath;         // required unless a list or the usage is asked for
  std::string outFolder = "out";
  std::string root;                 // empty: <out>/root
  std::string modulePath;           // empty: libhalcyon.so beside the program
  double picturesEverySeconds = 0.0;
  bool quiet = false;
  bool help = false;
  std::string list;                 // "gauges", "controls" or "tokens"; empty: fly
};

extern const char* const kUsage;

// Reads the arguments (without the program's name); false with a message
// that names the argument at fault.
bool ParseProgramOptions(const std::vector<std::string>& args, ProgramOptions* options, std::string* error);

}  // namespace simhost
