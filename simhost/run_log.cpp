// log.txt and the saved files of a run.
#include "simhost/run_log.h"

#include <dirent.h>
#include <strings.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>

#include "platform/ini.h"
#include "platform/paths.h"
#include "platform/simconnect.h"
#include "platform/simulator.h"
#include "platform/sound_device.h"
#include "platform/system.h"
#include "simhost/key_event_names.h"
#include "simhost/sim_host.h"
#include "simhost/sim_root.h"

namespace simhost {
namespace {

constexpr uint32_t kMixedWavRate = 22050;  // the rate the cockpit sets its sound card to


const char* PhaseName(Phase phase) {
  switch (phase) {
    case Phase::Startup: return "start-up";
    case Phase::Ticking: return "tick";
    case Phase::Shutdown: return "shut-down";
    default: return "load";
  }
}

bool EndsWithNoCase(const std::string& text, const char* suffix) {
  const size_t length = std::char_traits<char>::length(suffix);
  return text.size() >= length && strcasecmp(text.c_str() + text.size() - length, suffix) == 0;
}

// An empty file copies too (a stream copy of nothing reports failure).
bool CopyFile(const std::string& from, const std::string& to) {
  std::error_code error;
  std::filesystem::copy_file(from, to, std::filesystem::copy_options::overwrite_existing, error);
  return !error;
}

// Every INI and .cfg file of a folder of the simulator root.
bool CopySavedFiles(const std::string& folder, const std::string& outFolder, std::string* error) {
  DIR* dir = opendir(folder.c_str());
  if (dir == nullptr) return true;
  bool ok = true;
  while (dirent* entry = readdir(dir)) {
    const std::string name = entry->d_name;
    if (!EndsWithNoCase(name, ".ini") && !EndsWithNoCase(name, ".cfg")) continue;
    if (!CopyFile(folder + "/" + name, outFolder + "/" + name)) {
      *error = "cannot copy " + name + " into " + outFolder;
      ok = false;
    }
  }
  closedir(dir);
  return ok;
}

// A sound's file, as the cockpit names it below the simulator folder.
bool SoundFileExists(const std::string& root, std::string source) {
  std::replace(source.begin(), source.end(), '\\', '/');
  std::error_code ignored;
  return std::filesystem::is_regular_file(RootPath(root, source), ignored);
}

// One row a second: the time, then a cell per column (empty before the
// column was traced).
bool WriteTrace(const TraceSeries& series, const std::string& path) {
  std::ofstream csv(path);
  csv << "seconds";
  for (const std::string& column : series.columns) csv << "," << column;
  csv << "\n";
  for (const std::vector<std::string>& row : series.rows) {
    for (size_t i = 0; i <= series.columns.size(); ++i) csv << (i > 0 ? "," : "") << (i < row.size() ? row[i] : "");
    csv << "\n";
  }
  return static_cast<bool>(csv);
}

// What a run writes into its output folder besides the saved INI files.
constexpr const char* kRunFiles[] = {"log.txt", "trace.csv", "cockpit.wav", "Departure plan.txt", "Load sheet.txt"};
constexpr const char* kLogFirstWords = "Halcyon cockpit run: ";

bool IsDigits(const std::string& text, size_t from, size_t count) {
  if (from + count > text.size()) return false;
  for (size_t i = from; i < from + count; ++i) {
    if (text[i] < '0' || text[i] > '9') return false;
  }
  return true;
}

// A picture or window dump as the run names it: "00-01-30.5_EFIS_ND.png",
// "00-04-51.5_window_10010.txt" (the hours may run to more digits).
bool IsPictureName(const std::string& name) {
  const size_t dash = name.find('-');
  if (dash == std::string::npos || dash < 2 || !IsDigits(name, 0, dash)) return false;
  if (!IsDigits(name, dash + 1, 2) || name.compare(dash + 3, 1, "-") != 0 || !IsDigits(name, dash + 4, 2) ||
      name.compare(dash + 6, 1, ".") != 0 || !IsDigits(name, dash + 7, 1) || name.compare(dash + 8, 1, "_") != 0) {
    return false;
  }
  if (!EndsWithNoCase(name, ".png") && !EndsWithNoCase(name, ".txt")) return false;
  for (size_t i = dash + 9; i + 4 < name.size(); ++i) {
    const char c = name[i];
    if (!((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_')) return false;
  }
  return name.size() > dash + 13;
}

bool StartsWith(const std::string& text, const std::string& prefix) {
  return text.compare(0, prefix.size(), prefix) == 0;
}

// Removes the plain files of `folder` that `ours` picks, none below `root`.
bool RemoveFiles(const std::string& folder, const std::string& root, bool (*ours)(const std::string&, bool),
                 bool earlierRun, std::string* error) {
  namespace fs = std::filesystem;
  std::error_code failed;
  const std::string rootPrefix = fs::weakly_canonical(root, failed).string() + "/";
  if (failed || StartsWith(fs::weakly_canonical(folder, failed).string() + "/", rootPrefix)) return true;
  fs::directory_iterator entries(folder, failed);
  if (failed) return true;  // not made yet: nothing to clear
  for (const fs::directory_entry& entry : entries) {
    const std::string name = entry.path().filename().string();
    if (!entry.is_regular_file(failed) || entry.is_symlink(failed) || !ours(name, earlierRun)) continue;
    fs::remove(entry.path(), failed);
    if (failed) {
      *error = "cannot clear " + entry.path().string() + " of an earlier run: " + failed.message();
      return false;
    }
  }
  return true;
}

bool IsRunFile(const std::string& name, bool earlierRun) {
  for (const char* file : kRunFiles) {
    if (name == file) return true;
  }
  return earlierRun && (EndsWithNoCase(name, ".ini") || EndsWithNoCase(name, ".cfg"));
}

bool IsPicture(const std::string& name, bool) { return IsPictureName(name); }

}  // namespace

bool HoldsAnEarlierRun(const std::string& outFolder) {
  std::ifstream earlierLog(outFolder + "/log.txt");
  std::string firstLine;
  std::getline(earlierLog, firstLine);
  return StartsWith(firstLine, kLogFirstWords);
}

bool ClearEarlierOutputs(const std::string& outFolder, const std::string& picturesFolder, const std::string& root,
                         std::string* error) {
  const bool earlierRun = HoldsAnEarlierRun(outFolder);
  return RemoveFiles(outFolder, root, IsRunFile, earlierRun, error) &&
         RemoveFiles(picturesFolder, root, IsPicture, false, error);
}

std::string FormatSimTime(double seconds) {
  char text[32];
  const int minutes = static_cast<int>(seconds / 60.0);
  std::snprintf(text, sizeof(text), "%02d:%04.1f", minutes, seconds - minutes * 60.0);
  return text;
}

void RunLog::Note(double seconds, const std::string& text) { notes_.push_back(FormatSimTime(seconds) + "  " + text); }

void RunLog::Failed(double seconds, const std::string& text) {
  failureTime_ = FormatSimTime(seconds);
  failure_ = text;
}

std::string DescribeExpects(const ExpectCount& count) {
  std::string text = "expect: " + std::to_string(count.passed) + " passed";
  if (count.failed > 0) text += ", " + std::to_string(count.failed) + " failed";
  if (count.notReached > 0) text += ", " + std::to_string(count.notReached) + " not reached";
  return text;
}

bool RunLog::WriteOutput(const SimHost& host, const std::string& folder, std::string* error) const {
  const std::string path = folder + "/log.txt";
  std::ofstream log(path);
  if (!log) {
    *error = "cannot write " + path;
    return false;
  }
  log << kLogFirstWords << FormatSimTime(host.SimSeconds()) << " simulated, " << host.TicksRun()
      << " ticks, tick list ran " << host.TickListRuns() << " times\n";
  if (!interruptedAt_.empty()) {
    log << "INTERRUPTED at " << interruptedAt_
        << ": a stop signal (Ctrl-C or SIGTERM) ended the flight before its end; the cockpit shut down and saved\n";
  }
  if (!failure_.empty()) log << "FAILED at " << failureTime_ << ": " << failure_ << "\n";
  for (const std::string& warning : warnings_) log << "Warning: " << warning << "\n";

  log << "\n== Scenario notes ==\n";
  for (const std::string& note : notes_) log << note << "\n";
  // The run ended there: nothing comes after it.
  if (!failure_.empty()) log << failureTime_ << "  FAILED: " << failure_ << "\n";

  log << "\n== Key events (time, TICK18, event, value, what it does) ==\n";
  for (const platform::sim::KeyEventRecord& event : platform::sim::KeyEvents()) {
    log << FormatSimTime(event.tick18 / 18.0) << "  " << static_cast<uint64_t>(event.tick18) << "  " << event.event << "  ";
    if (KeyEventTakesSignedValue(event.event)) {
      log << static_cast<int32_t>(event.value);
    } else {
      log << event.value;
    }
    log << "  " << DescribeKeyEvent(event.event) << "\n";
  }

  log << "\n== Sounds started (time, TICK18, file, loop, volume; a file that could not be read is marked) ==\n";
  for (const SoundPlayed& sound : host.SoundsPlayed()) {
    log << FormatSimTime(sound.tick18 / 18.0) << "  " << static_cast<uint64_t>(sound.tick18) << "  " << sound.source
        << (sound.loop ? "  looped  " : "  once  ") << sound.volume;
    if (sound.unreadable) {
      log << (SoundFileExists(host.Root(), sound.source) ? "  (unreadable: silent)" : "  (missing: silent)");
    }
    log << "\n";
  }
  if (host.SoundsPlayedCount() > host.SoundsPlayed().size()) {
    log << "   ... and " << host.SoundsPlayedCount() - host.SoundsPlayed().size() << " more\n";
  }

  log << "\n== Flight mode annunciator (time, TICK18, windows 1 to 4: upper lines / lower lines) ==\n";
  for (const SimHost::FmaChange& change : host.FmaChanges()) {
    log << FormatSimTime(change.tick18 / 18.0) << "  " << static_cast<uint64_t>(change.tick18) << "  " << change.text
        << "\n";
  }

  log << "\n== Alert display (time, TICK18, + a message appears, - it goes) ==\n";
  for (const SimHost::AlertChange& change : host.AlertChanges()) {
    log << FormatSimTime(change.tick18 / 18.0) << "  " << static_cast<uint64_t>(change.tick18) << "  " << change.text
        << "\n";
  }

  const platform::simconnect::Counters counters = platform::simconnect::GetCounters();
  const platform::simconnect::Registrations& registered = platform::simconnect::Log();
  log << "\n== SimConnect ==\n"
      << "connections opened " << counters.opens << " of " << counters.openAttempts << " attempts, closed "
      << counters.closes << "\n"
      << "keyboard commands registered " << registered.inputMappings.size() << ", client events "
      << registered.clientEvents.size() << ", data fields " << registered.dataFields.size() << "\n"
      << "traffic requests " << registered.objectRequests.size() << " (aircraft answered " << host.TrafficAnswers()
      << "), cloud-state requests " << registered.cloudRequests.size() << ", data writes "
      << registered.dataWrites.size() << "\n"
      << "messages read " << counters.messagesRead << "\n";
  for (const auto& aircraft : host.Traffic()) {
    char position[96];
    std::snprintf(position, sizeof(position), "%.4f %.4f, %.0f ft", aircraft.latitudeDeg, aircraft.longitudeDeg,
                  aircraft.altitudeFt);
    log << "AI aircraft " << aircraft.atcId << " at the end: " << position << "\n";
  }

  log << "\n== Magnetic variation, " << TokenLabel(Token::MagneticVariationDeg) << " ==\n" << host.MagVar().Summary();
  log << "\n== Radio navigation ==\n" << host.Radios().Summary();

  log << "\n== Pictures of the displays (in pictures/) ==\n";
  for (const std::string& name : host.Pictures().Written()) log << "   " << name << "\n";

  log << "\n== Message boxes ==\n";
  for (const platform::MessageBoxRecord& box : platform::MessageBoxes()) {
    log << "[" << platform::Narrow(box.caption) << "] " << platform::Narrow(box.text) << "\n";
  }

  log << "\n== Programs the cockpit asked to open (recorded, not started) ==\n";
  for (const platform::ShellRequest& request : platform::ShellRequests()) {
    log << platform::Narrow(request.verb) << " " << platform::Narrow(request.program) << " \""
        << platform::Narrow(request.parameters) << "\"\n";
  }

  log << "\n== Flight events (the FMS's waypoints passed) ==\n";
  for (const SimHost::FlightEvent& event : host.FlightEvents()) {
    log << FormatSimTime(event.seconds) << "  " << event.text << "\n";
  }

  log << "\n== Lifecycle trace (the tick list once) ==\n";
  Phase phase = Phase::Loaded;
  for (const TraceEntry& entry : host.Trace()) {
    if (entry.phase != phase) {
      phase = entry.phase;
      log << "-- " << PhaseName(phase) << " (TICK18 " << static_cast<uint64_t>(entry.tick18) << ")\n";
    }
    log << "   " << entry.text << "\n";
  }

  log << "\n== Saves that failed ==\n";
  for (const platform::IniSaveFailure& failure : platform::IniSaveFailures()) {
    log << failure.file << ": " << failure.reason << (failure.times > 1 ? " (" + std::to_string(failure.times) + " times)" : "")
        << "\n";
  }

  log << "\n== Checks ==\n" << DescribeExpects(expects_) << "\n";
  log.close();

  if (!series_->columns.empty() && !WriteTrace(*series_, folder + "/trace.csv")) {
    *error = "cannot write " + folder + "/trace.csv";
    return false;
  }

  // The saved state first: a sound file that cannot be written costs nothing else.
  bool ok = CopySavedFiles(RootPath(host.Root(), kAircraftFolder), folder, error);
  ok = CopySavedFiles(RootPath(host.Root(), kGaugesFolder), folder, error) && ok;

  // Everything the cockpit played, mixed as the loudspeaker would have sounded.
  const std::string wav = folder + "/cockpit.wav";
  if (!platform::sound::WriteMixedWav(wav, kMixedWavRate)) {
    *error = "cannot write " + wav;
    return false;
  }
  return ok;
}

}  // namespace simhost
