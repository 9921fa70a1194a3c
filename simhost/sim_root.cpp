// Simulator folder layout.
#include "simhost/sim_root.h"

#include <dirent.h>
#include <fcntl.h>
#include <limits.h>
#include <strings.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>

#include "platform/files.h"
#include "platform/paths.h"

namespace simhost {
namespace {

// The aircraft configuration the simulator ships with the aircraft; the
// cockpit reads its payload stations and may rewrite its flap tuning.
constexpr const char* kDefaultAircraftCfg =
    "[fltsim.0]\r\n"
    "title=QZ Halcyon Pro\r\n"
    "sim=HalcyonPro\r\n"
    "panel=\r\n"
    "\r\n"
    "[WEIGHT_AND_BALANCE]\r\n"
    "max_gross_weight=149500\r\n"
    "empty_weight=78150\r\n"
    "station_load.0=170, 40.0, -1.5, 3.5 ; Captain\r\n"
    "station_load.1=170, 40.0, 1.5, 3.5 ; First officer\r\n"
    "station_load.2=0, 10.0, 0.0, 2.0 ; Forward cabin\r\n"
    "station_load.3=0, -30.0, 0.0, 2.0 ; Aft cabin\r\n"
    "\r\n"
    "[flaps.0]\r\n"
    "type=1\r\n"
    "span-outboard=0.9\r\n"
    "extending-time=60.000000\r\n"
    "system_type=1\r\n"
    "damaging-speed=250\r\n"
    "blowout-speed=300\r\n"
    "lift_scalar=1.0\r\n"
    "drag_scalar=1.0\r\n"
    "pitch_scalar=0.600000\r\n"
    "flaps-position.0=0, 0\r\n"
    "\r\n"
    "[flaps.1]\r\n"
    "type=2\r\n"
    "span-outboard=0.9\r\n"
    "extending-time=60.000000\r\n"
    "pitch_scalar=0.600000\r\n"
    "\r\n"
    "[flaps.2]\r\n"
    "type=1\r\n"
    "extending-time=60.000000\r\n"
    "flaps-position.0=0\r\n"
    "flaps-position.1=0.497811\r\n"
    "flaps-position.2=0.655552\r\n"
    "flaps-position.3=0.731905\r\n"
    "flaps-position.4=0.903426\r\n"
    "flaps-position.5=1.000000\r\n"
    "lift_scalar=1.000000\r\n";

bool MakeFolders(const std::string& path, std::string* error, MadePaths* made) {
  for (size_t slash = path.find('/', 1);; slash = path.find('/', slash + 1)) {
    const std::string prefix = path.substr(0, slash);
    if (mkdir(prefix.c_str(), 0755) == 0) {
      if (made != nullptr) made->folders.push_back(prefix);
    } else if (errno != EEXIST) {
      *error = "cannot make the folder " + prefix + ": " + std::strerror(errno);
      return false;
    }
    if (slash == std::string::npos) return true;
  }
}

// Gives the spare the name of a missing file, unless another process made
// the file meanwhile: that one stays, and the file counts as made only when
// this call made it.
bool PlaceMissing(const std::string& spare, const std::string& path, MadePaths* made) {
  switch (platform::PlaceNewFile(spare, path)) {
    case platform::Placement::Placed:
      if (made != nullptr) made->files.push_back(path);
      return true;
    case platform::Placement::NameTaken:
      std::remove(spare.c_str());
      return true;
    case platform::Placement::Failed:
      break;
  }
  return false;
}

// Writes the file in one step: the text goes into a file of its own beside
// it, which then takes the name, so a run killed at any moment leaves the
// file whole or absent. An empty file (left by a run killed before this was
// so) counts as missing and is replaced; any other file is kept.
bool WriteIfMissing(const std::string& path, const char* text, std::string* error, MadePaths* made) {
  struct stat info {};
  const bool found = stat(path.c_str(), &info) == 0;
  if (found && info.st_size > 0) return true;
  const std::string spare = path + ".laying-out";
  std::FILE* file = std::fopen(spare.c_str(), "wb");
  bool ok = file != nullptr && std::fputs(text, file) >= 0;
  ok = file != nullptr && std::fclose(file) == 0 && ok;
  ok = ok && (found ? std::rename(spare.c_str(), path.c_str()) == 0 : PlaceMissing(spare, path, made));
  if (!ok) {
    *error = "cannot write " + path + ": " + std::strerror(errno);
    std::remove(spare.c_str());
  }
  return ok;
}

// The navigation data that comes with the program (beside it, in NavData):
// real airports and magnetic variation, sample navaids and fixes.
constexpr const char* kShippedNavDataFiles[] = {"airports.txt", "navaids.txt", "waypoints.txt", "magvar.txt",
                                                "LICENSE-airports.txt"};

// A file of the user's own stays (the copy is made only where no file is,
// exclusively); a shipped file that is not there is skipped (the cockpit
// reports the missing data itself).
bool CopyIfMissing(const std::string& source, const std::string& target, std::string* error, MadePaths* made) {
  std::FILE* in = std::fopen(source.c_str(), "rb");
  if (in == nullptr) return true;
  const int fd = open(target.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
  if (fd < 0 && errno == EEXIST) {
    std::fclose(in);
    return true;
  }
  if (fd >= 0 && made != nullptr) made->files.push_back(target);
  std::FILE* out = fd >= 0 ? fdopen(fd, "wb") : nullptr;
  if (fd >= 0 && out == nullptr) close(fd);
  bool ok = out != nullptr;
  char buffer[1 << 16];
  for (size_t got; ok && (got = std::fread(buffer, 1, sizeof(buffer), in)) > 0;) ok = std::fwrite(buffer, 1, got, out) == got;
  std::fclose(in);
  if (out != nullptr && std::fclose(out) != 0) ok = false;
  if (!ok) *error = "cannot write " + target + ": " + std::strerror(errno);
  return ok;
}

// The aircraft's own Mentor lessons (beside the program, in Mentor).
std::vector<std::string> ShippedLessons() {
  std::vector<std::string> names;
  DIR* dir = opendir((ProgramFolder() + "/Mentor").c_str());
  if (dir == nullptr) return names;
  while (const dirent* entry = readdir(dir)) {
    const std::string name = entry->d_name;
    if (name.size() >= 8 && strcasecmp(name.c_str() + name.size() - 7, ".mentor") == 0) names.push_back(name);
  }
  closedir(dir);
  return names;
}

// Copied into the lesson folder when missing; a lesson the user changed stays.
bool CopyShippedLessons(const std::string& root, std::string* error, MadePaths* made) {
  for (const std::string& name : ShippedLessons()) {
    const std::string target = RootPath(root, std::string(kLessonFolder) + "/" + name);
    if (!CopyIfMissing(ProgramFolder() + "/Mentor/" + name, target, error, made)) return false;
  }
  return true;
}

// The folders the host lays out below the simulator folder.
constexpr const char* kLayoutFolders[] = {kAircraftFolder, kGaugesFolder,  kSoundFolder,
                                          kNavDataFolder,  kLessonFolder, "Navigraph/NavData/Proc"};

// Removes a folder this run made unless another run holds it (as its
// simulator folder): under the folder's own lock, so that a run that opened
// it meanwhile finds it gone once it has the lock (RootLock::Take) and does
// not fly in a folder that is no longer there.
void RemoveFolderNoOtherRunHolds(const std::string& path) {
  const int fd = open(path.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
  if (fd < 0) return;
  if (flock(fd, LOCK_EX | LOCK_NB) == 0) rmdir(path.c_str());
  close(fd);
}

}  // namespace

bool PrepareWritableFolder(const std::string& path, const char* what, std::string* error, MadePaths* made) {
  std::string reason;
  if (!MakeFolders(path, &reason, made)) {
    *error = std::string("cannot make the ") + what + " " + path + ": " + reason.substr(reason.rfind(": ") + 2);
    return false;
  }
  struct stat info {};
  if (stat(path.c_str(), &info) != 0 || !S_ISDIR(info.st_mode)) {
    *error = std::string("cannot make the ") + what + " " + path + ": a file is in the way";
    return false;
  }
  const std::string probe = path + "/.simhost-can-write-" + std::to_string(getpid());
  const int fd = open(probe.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
  const bool written = fd >= 0 && write(fd, "x", 1) == 1;
  const int writeErrno = errno;
  if (fd >= 0) close(fd);
  unlink(probe.c_str());
  if (!written) {
    *error = std::string("cannot write into the ") + what + " " + path + ": " + std::strerror(writeErrno);
    return false;
  }
  return true;
}

bool ProveCockpitFilesWritable(const std::string& root, std::string* error) {
  if (!PrepareWritableFolder(RootPath(root, kAircraftFolder), "aircraft folder", error)) return false;
  for (const char* name : kCockpitSavedFiles) {
    const std::string path = RootPath(root, std::string(kAircraftFolder) + "/" + name);
    // A file not there yet is made in the folder just proved; anything but a
    // file (a folder in the way) fails its save as the cockpit makes it.
    struct stat info {};
    if (stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) continue;
    // Read-only bits stop the cockpit's writes whoever runs the program, as
    // a read-only file stops them in Windows; an immutable or append-only
    // file does not open for writing.
    std::string reason = (info.st_mode & 0222) == 0 ? "the file is read-only" : "";
    if (reason.empty()) {
      const int fd = open(path.c_str(), O_WRONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
      if (fd < 0) reason = std::strerror(errno);
      if (fd >= 0) close(fd);
    }
    if (!reason.empty()) {
      *error = "cannot write the cockpit's saved file " + path + ": " + reason;
      return false;
    }
  }
  return true;
}

bool StartRecord::PrepareFolder(const std::string& path, const char* what, std::string* error) {
  return PrepareWritableFolder(path, what, error, &made_);
}

void StartRecord::Note(const MadePaths& made) {
  made_.folders.insert(made_.folders.end(), made.folders.begin(), made.folders.end());
  made_.files.insert(made_.files.end(), made.files.begin(), made.files.end());
}

bool StartRecord::Made(const std::string& path) const {
  return std::find(made_.folders.begin(), made_.folders.end(), path) != made_.folders.end();
}

void StartRecord::Undo(const RootLock& lock) const {
  for (const std::string& file : made_.files) unlink(file.c_str());
  for (auto folder = made_.folders.rbegin(); folder != made_.folders.rend(); ++folder) {
    if (lock.Holds(*folder)) {
      rmdir(folder->c_str());
    } else {
      RemoveFolderNoOtherRunHolds(*folder);
    }
  }
}

RootLock::~RootLock() {
  if (fd_ >= 0) close(fd_);
}

bool RootLock::Take(const std::string& root, std::string* error) {
  fd_ = open(root.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd_ < 0) {
    *error = "cannot open the simulator folder " + root + ": " + std::strerror(errno);
    return false;
  }
  if (flock(fd_, LOCK_EX | LOCK_NB) == 0) {
    if (Holds(root)) return true;
    *error = "the simulator folder " + root +
             " went as this run started (a run refused at its start took back the folder it had made); start this "
             "run again";
  } else {
    *error = errno == EWOULDBLOCK
                 ? "another simhost is flying in the simulator folder " + root +
                       "; one run at a time uses a folder (wait for it, or give this run its own --root)"
                 : "cannot lock the simulator folder " + root + ": " + std::strerror(errno);
  }
  close(fd_);
  fd_ = -1;
  return false;
}

bool RootLock::Holds(const std::string& path) const {
  struct stat held {};
  struct stat named {};
  return fd_ >= 0 && fstat(fd_, &held) == 0 && stat(path.c_str(), &named) == 0 && platform::SameFile(held, named);
}

size_t CountSoundPackFiles(const std::string& root) {
  DIR* dir = opendir(RootPath(root, kSoundFolder).c_str());
  if (dir == nullptr) return 0;
  size_t count = 0;
  while (const dirent* entry = readdir(dir)) {
    const size_t length = std::strlen(entry->d_name);
    if (length > 4 && strcasecmp(entry->d_name + length - 4, ".wav") == 0) ++count;
  }
  closedir(dir);
  return count;
}

std::string ProgramFolder() {
  char self[PATH_MAX] = {};
  const ssize_t length = readlink("/proc/self/exe", self, sizeof(self) - 1);
  const std::string path = length > 0 ? std::string(self, static_cast<size_t>(length)) : std::string("./program");
  return path.substr(0, path.rfind('/'));
}

std::string RootPath(const std::string& root, const std::string& relative) {
  return platform::ResolvePath(root + "/" + relative);
}

bool LayOutSimulatorRoot(const std::string& root, std::string* error, MadePaths* made) {
  if (!MakeFolders(root, error, made)) return false;
  for (const char* folder : kLayoutFolders) {
    if (!MakeFolders(RootPath(root, folder), error, made)) return false;
  }
  for (const char* file : kShippedNavDataFiles) {
    const std::string target = RootPath(root, std::string(kNavDataFolder) + "/" + file);
    if (!CopyIfMissing(ProgramFolder() + "/NavData/" + file, target, error, made)) return false;
  }
  if (!CopyShippedLessons(root, error, made)) return false;
  return WriteIfMissing(RootPath(root, std::string(kAircraftFolder) + "/Aircraft.cfg"), kDefaultAircraftCfg, error,
                        made);
}

}  // namespace simhost
