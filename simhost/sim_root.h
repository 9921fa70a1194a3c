// The simulator folder the module runs in: the aircraft folder with its INI
// files and Aircraft.cfg, Gauges, the sound folder and the navigation data.
#pragma once

#include <string>
#include <utility>
#include <vector>

namespace simhost {

constexpr const char* kAircraftFolder = "SimObjects/Airplanes/QZ Halcyon Pro";
constexpr const char* kAircraftIniFile = "SimObjects/Airplanes/QZ Halcyon Pro/HalcyonPro.ini";
constexpr const char* kGaugesFolder = "Gauges";
constexpr const char* kSoundFolder = "Sound/HalcyonPro";
constexpr const char* kNavDataFolder = "Navigraph/NavData";
constexpr const char* kLessonFolder = "SimObjects/Airplanes/QZ Halcyon Pro/Mentor";

// The cockpit's saved files in the aircraft folder (tools/fresh_root.sh
// removes each of them; a test holds it to this list).
inline constexpr const char* kCockpitSavedFiles[] = {"HalcyonPro.ini", "FMS.ini", "Aircraft.cfg", "Departure plan.txt"};

// Creates whatever is missing of the folder tree and the aircraft's
// Aircraft.cfg (each file in one step, so it is never found half written);
// keeps every file that is already there, except an empty Aircraft.cfg,
// which is laid out anew. False with a message when a folder or file cannot
// be made.
bool LayOutSimulatorRoot(const std::string& root, std::string* error);

// Makes the folder (and those above it) when missing and proves that files
// can be written into it, so that a folder the run cannot use is found before
// the first tick. False with "cannot ... <what> <path>: <reason>".
bool PrepareWritableFolder(const std::string& path, const char* what, std::string* error);

// Proves the aircraft folder and the cockpit's saved files in it writable
// before the first tick, as PrepareWritableFolder proves a folder: the folder
// takes a new file, and each saved file there (kCockpitSavedFiles) opens for
// writing and is not read-only, so a run that could not save its cockpit is
// refused at its start, not at its end. False with "cannot write ... <path>:
// <reason>".
bool ProveCockpitFilesWritable(const std::string& root, std::string* error);

// What a run adds to its folders as it starts, so that a run refused before
// its first tick leaves them as it found them: each folder it made goes again
// (when nothing else has come into it), each file it made goes, and each
// file of the cockpit's it found gets its bytes back (the cockpit's
// shut-down saves them even so).
class StartRecord {
 public:
  // Notes which of the folder and those above it are missing, before the run
  // makes them.
  void NoteFolder(const std::string& path);
  // Notes the simulator folder's layout folders and the files the layout and
  // the cockpit write there, before the host lays it out.
  void NoteRoot(const std::string& root);
  // Puts back what was noted.
  void Undo() const;

 private:
  std::string root_;
  std::vector<std::string> madeFolders_;  // missing when noted
  std::vector<std::string> madeFiles_;    // below root_, missing when noted
  std::vector<std::pair<std::string, std::string>> foundFiles_;  // below root_, and their bytes
};

// One simulator folder serves one flight at a time: the lock is held on the
// folder itself until the object goes (or the process ends, however it ends).
class RootLock {
 public:
  RootLock() = default;
  ~RootLock();
  RootLock(const RootLock&) = delete;
  RootLock& operator=(const RootLock&) = delete;
  // False with a message when another process holds the folder or it cannot
  // be opened.
  bool Take(const std::string& root, std::string* error);

 private:
  int fd_ = -1;
};

// The WAV files of the cockpit's sound pack in the root's sound folder.
size_t CountSoundPackFiles(const std::string& root);

// The folder the running program lies in (the module and the shipped
// navigation data are beside it).
std::string ProgramFolder();

// The path on this machine of a folder or file below the root, its components
// matched without regard to case as Windows would.
std::string RootPath(const std::string& root, const std::string& relative);

}  // namespace simhost
