// The simulator folder the module runs in: the aircraft folder with its INI
// files and Aircraft.cfg, Gauges, the sound folder and the navigation data.
#pragma once

#include <list>
#include <string>
#include <vector>

namespace simhost {

constexpr const char* kAircraftFolder = "SimObjects/Airplanes/QZ Halcyon Pro";
constexpr const char* kAircraftIniFile = "SimObjects/Airplanes/QZ Halcyon Pro/HalcyonPro.ini";
constexpr const char* kGaugesFolder = "Gauges";
constexpr const char* kSoundFolder = "Sound/HalcyonPro";
constexpr const char* kNavDataFolder = "Navigraph/NavData";
constexpr const char* kLessonFolder = "SimObjects/Airplanes/QZ Halcyon Pro/Mentor";

// The folders and files a call made: its own mkdir or exclusive create
// succeeded (not merely "missing when looked at": another run may have made
// it since). Folders in the order made.
struct MadePaths {
  std::vector<std::string> folders;
  std::vector<std::string> files;
};

// The cockpit's saved files in the aircraft folder (tools/fresh_root.sh
// removes each of them; a test holds it to this list).
inline constexpr const char* kCockpitSavedFiles[] = {"HalcyonPro.ini", "FMS.ini", "Aircraft.cfg", "Departure plan.txt"};

// Creates whatever is missing of the folder tree and the files the host
// lays out (the navigation data, the Mentor lessons, Aircraft.cfg), each
// written into a spare of this process's own beside its place and put there
// whole, never over a file: a run killed at any moment leaves each file
// whole or absent (and perhaps its spare, "<file>.<pid>.laying-out", which
// is never read; tools/fresh_root.sh removes it). Every file already there
// is kept, an empty one too. False with a message when a folder or file
// cannot be made. What it made is added to `made`, when given.
bool LayOutSimulatorRoot(const std::string& root, std::string* error, MadePaths* made = nullptr);

// Makes the folder (and those above it) when missing and proves that files
// can be written into it, so that a folder the run cannot use is found before
// the first tick. False with "cannot ... <what> <path>: <reason>". The
// folders it made are added to `made`, when given. The proof leaves no file:
// an unnamed one, or where the file system has none, the system's answer
// whether this process may write there.
bool PrepareWritableFolder(const std::string& path, const char* what, std::string* error, MadePaths* made = nullptr);

// Proves the aircraft folder and the cockpit's saved files in it writable
// before the first tick, as PrepareWritableFolder proves a folder: the folder
// takes a new file, and each saved file there (kCockpitSavedFiles) opens for
// writing and is not read-only, so a run that could not save its cockpit is
// refused at its start, not at its end. False with "cannot write ... <path>:
// <reason>".
bool ProveCockpitFilesWritable(const std::string& root, std::string* error);

// One folder serves one run at a time (the output folder, the simulator
// folder): the lock is held on the folder itself until the object goes (or
// the process ends, however it ends).
class FolderLock {
 public:
  FolderLock() = default;
  ~FolderLock();
  FolderLock(const FolderLock&) = delete;
  FolderLock& operator=(const FolderLock&) = delete;
  // False with a message when another process holds the folder (`option`
  // names the command-line option that gives a run its own), it cannot be
  // opened, or it went before its lock (a run refused as it started took
  // back the folder it had made).
  bool Take(const std::string& path, const char* what, const char* option, std::string* error);
  // Whether the folder at `path` is the one this lock holds.
  bool Holds(const std::string& path) const;

 private:
  int fd_ = -1;
};

// What a run makes and holds as it starts, so that a run refused before its
// first tick takes back what it made: each folder its own mkdir made, and
// each file its own call placed, in a folder it made (a file laid into a
// folder that was there stays: another run may fly with it, or have saved
// over it meanwhile). Never one it found, nor one another run made
// meanwhile. The cockpit's files are not here: until the run is sure to fly
// the host holds the cockpit's saves (SimHost::HoldSaves), so a refused run
// has written none of them.
class StartRecord {
 public:
  // Makes the folder when missing, holds it for this run (FolderLock: a
  // second run on it is refused) and proves it writable. A folder this run
  // holds already (--root and --out the same) is held once.
  bool HoldFolder(const std::string& path, const char* what, const char* option, std::string* error);
  // PrepareWritableFolder, noting each folder it made.
  bool PrepareFolder(const std::string& path, const char* what, std::string* error);
  // Notes what the run made otherwise (the layout).
  void Note(const MadePaths& made);
  // Whether this run made the folder at `path`.
  bool Made(const std::string& path) const;
  // Removes what was noted: each file, then each folder, the last made
  // first, when nothing else has come into it. A folder another run holds
  // (one this run made before that run locked it) stays; those this run
  // holds go with the rest. What could not be removed is said, a line each.
  std::vector<std::string> Undo() const;

 private:
  MadePaths made_;
  std::list<FolderLock> held_;
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
