// The readable record of a run, written to the output folder as log.txt: the
// scenario's notes, every key event the cockpit sent, the message boxes it
// showed, the sounds it started and the lifecycle trace; beside it
// cockpit.wav, everything the cockpit played, mixed.
#pragma once

#include <memory>
#include <string>
#include <vector>

namespace simhost {

class SimHost;

// What a scenario's `trace` lines follow, one row a simulated second (the
// time, then a cell per column known then), for trace.csv.
struct TraceSeries {
  std::vector<std::string> columns;
  std::vector<std::vector<std::string>> rows;
};

// How the scenario's `expect` lines fared.
struct ExpectCount {
  int passed = 0;
  int failed = 0;
  int notReached = 0;
};

// "mm:ss.s" for a log line.
std::string FormatSimTime(double seconds);

// Clears what an earlier run left in the output folder, so that it holds only
// what this run makes: log.txt, trace.csv, cockpit.wav, the dispatch cards,
// the pictures in `picturesFolder` and, when log.txt shows an earlier run, the
// INI and .cfg copies. Nothing else goes, and nothing below `root` (the
// simulator folder may lie inside the output folder). False with a message
// when a file cannot be removed.
bool ClearEarlierOutputs(const std::string& outFolder, const std::string& picturesFolder, const std::string& root,
                         std::string* error);

// Whether the output folder holds an earlier run's outputs: its log.txt is a
// run's.
bool HoldsAnEarlierRun(const std::string& outFolder);

class RunLog {
 public:
  void Note(double seconds, const std::string& text);
  const std::vector<std::string>& Notes() const { return notes_; }
  // Something the user should know before reading on (a silent sound pack),
  // under the log's first line.
  void Warn(const std::string& text) { warnings_.push_back(text); }
  // What ended the run early (a failed expect, a step that could not be
  // carried out): after the notes, at its time, and under the first line.
  void Failed(double seconds, const std::string& text);
  const std::string& Failure() const { return failure_; }
  // A stop signal ended the flight before its end: said under the first line.
  void Interrupted(double seconds) { interruptedAt_ = FormatSimTime(seconds); }
  ExpectCount& Expects() { return expects_; }
  const ExpectCount& Expects() const { return expects_; }
  TraceSeries& Series() { return *series_; }
  std::shared_ptr<TraceSeries> SharedSeries() const { return series_; }

  // Writes log.txt, trace.csv (when something was traced) and cockpit.wav
  // and copies the INI files the cockpit saved into `folder`.
  bool WriteOutput(const SimHost& host, const std::string& folder, std::string* error) const;

 private:
  std::vector<std::string> notes_;
  std::vector<std::string> warnings_;
  std::string failureTime_;
  std::string failure_;
  std::string interruptedAt_;
  ExpectCount expects_;
  std::shared_ptr<TraceSeries> series_ = std::make_shared<TraceSeries>();
};

// "expect: 3 passed, 1 failed, 2 not reached" (the last two only when not 0).
std::string DescribeExpects(const ExpectCount& count);

}  // namespace simhost
