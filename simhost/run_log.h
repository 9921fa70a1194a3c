// The readable record of a run, written to the output folder as log.txt: the
// scenario's notes, every key event the cockpit sent, the message boxes it
// showed, the sounds it started, the lifecycle trace and the steps not built
// yet; beside it cockpit.wav, everything the cockpit played, mixed.
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

class RunLog {
 public:
  void Note(double seconds, const std::string& text);
  const std::vector<std::string>& Notes() const { return notes_; }
  TraceSeries& Series() { return *series_; }
  std::shared_ptr<TraceSeries> SharedSeries() const { return series_; }

  // Writes log.txt, trace.csv (when something was traced) and cockpit.wav
  // and copies the INI files the cockpit saved into `folder`.
  bool WriteOutput(const SimHost& host, const std::string& folder, std::string* error) const;

 private:
  std::vector<std::string> notes_;
  std::shared_ptr<TraceSeries> series_ = std::make_shared<TraceSeries>();
};

// "mm:ss.s" for a log line.
std::string FormatSimTime(double seconds);

}  // namespace simhost
