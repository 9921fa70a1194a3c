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

// Whether something has the name (a dangling link too: it is kept).
bool Found(const std::string& path) {
  struct stat info {};
  return lstat(path.c_str(), &info) == 0;
}

// The spare a laid-out file is written into beside its place: this
// process's own, its number in the name and made exclusively (a further
// number where a killed run of the same number left one), so that no other
// process writes into it. One a killed run left stays under a name nothing
// reads.
int OpenLayingOutSpare(const std::string& path, std::string& spare) {
  for (int further = 0; further < 100; ++further) {
    spare = path + "." + std::to_string(getpid()) + (further > 0 ? "-" + std::to_string(further) : "") + ".laying-out";
    const int fd = open(spare.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  return -1;
}

bool WriteAll(int fd, const std::string& bytes) {
  for (size_t done = 0; done < bytes.size();) {
    const ssize_t put = write(fd, bytes.data() + done, bytes.size() - done);
    if (put < 0 && errno == EINTR) continue;
    if (put <= 0) return false;
    done += static_cast<size_t>(put);
  }
  return true;
}

// Lays out a missing file: the bytes go into a spare of this process's own
// beside it, which then takes the file's name only while no file has it
// (platform::PlaceNewFile), so a run killed at any moment leaves the file
// whole or absent, and a file another process made meanwhile stays. The
// file counts as made only when this call placed it.
bool LayOutFile(const std::string& path, const std::string& bytes, std::string* error, MadePaths* made) {
  std::string spare;
  const int fd = OpenLayingOutSpare(path, spare);
  bool written = fd >= 0 && WriteAll(fd, bytes);
  if (fd >= 0) written = close(fd) == 0 && written;
  const platform::Placement placement = written ? platform::PlaceNewFile(spare, path) : platform::Placement::Failed;
  const int reason = errno;
  if (placement == platform::Placement::Placed) {
    if (made != nullptr) made->files.push_back(path);
    return true;
  }
  if (fd >= 0) unlink(spare.c_str());
  if (placement == platform::Placement::NameTaken) return true;
  *error = "cannot write " + path + ": " + std::strerror(reason);
  return false;
}

// The navigation data that comes with the program (beside it, in NavData):
// real airports and magnetic variation, sample navaids and fixes.
constexpr const char* kShippedNavDataFiles[] = {"airports.txt", "navaids.txt", "waypoints.txt", "magvar.txt",
                                                "LICENSE-airports.txt"};

// A file of the user's own stays (the copy is laid out only where no file
// is); a shipped file that is not there is skipped (the cockpit reports the
// missing data itself).
bool CopyIfMissing(const std::string& source, const std::string& target, std::string* error, MadePaths* made) {
  if (Found(target)) return true;
  const int fd = open(source.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return true;
  std::string bytes;
  char buffer[1 << 16];
  ssize_t got = 0;
  while ((got = read(fd, buffer, sizeof buffer)) > 0 || (got < 0 && errno == EINTR)) {
    if (got > 0) bytes.append(buffer, static_cast<size_t>(got));
  }
  const int reason = errno;
  close(fd);
  if (got < 0) {
    *error = "cannot read " + source + ": " + std::strerror(reason);
    return false;
  }
  return LayOutFile(target, bytes, error, made);
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

// Whether a take-back that failed with this errno found nothing of the
// run's own to take back: gone already, something else come into the
// folder, or something else under the name.
bool NothingToTakeBack(int reason) {
  return reason == ENOENT || reason == ENOTEMPTY || reason == EEXIST || reason == ENOTDIR || reason == ELOOP;
}

// Adds "cannot take back ..." to `said` when a removal was refused.
void SayRefused(const std::string& what, const std::string& path, std::vector<std::string>& said) {
  const int reason = errno;
  if (NothingToTakeBack(reason)) return;
  said.push_back("cannot take back the " + what + " " + path + ", which this run made: " + std::strerror(reason));
}

// Removes a folder this run made unless another run holds it (as its
// output or simulator folder): under the folder's own lock, so that a run
// that opened it meanwhile finds it gone once it has the lock
// (FolderLock::Take) and does not fly in a folder that is no longer there.
void RemoveFolderNoOtherRunHolds(const std::string& path, std::vector<std::string>& said) {
  const int fd = open(path.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
  if (fd < 0) {
    SayRefused("folder", path, said);
    return;
  }
  if (flock(fd, LOCK_EX | LOCK_NB) == 0 && rmdir(path.c_str()) != 0) SayRefused("folder", path, said);
  close(fd);
}

// A folder that went between this run's look and its lock.
std::string Went(const std::string& path, const char* what) {
  return std::string("the ") + what + " " + path +
         " went as this run started (a run refused at its start took back the folder it had made); start this run "
         "again";
}

// Why the folder at a path that mkdir found or made is not there to use.
std::string NotAFolder(const std::string& path, const char* what) {
  struct stat info {};
  if (lstat(path.c_str(), &info) != 0 && errno == ENOENT) return Went(path, what);
  return std::string("cannot make the ") + what + " " + path + ": a file is in the way";
}

// Whether this process can make a file in the folder: 0, or the errno of
// the refusal. The file it makes has no name (O_TMPFILE) and goes with its
// descriptor, so no run leaves it, however it ends, in any folder (an
// append-only one too). Where the file system makes no such files (NFS),
// the system answers for this process's effective ids.
int RefusalToWriteInto(const std::string& folder) {
  const int fd = open(folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0600);
  if (fd < 0 && (errno == EOPNOTSUPP || errno == EISDIR)) {
    return faccessat(AT_FDCWD, folder.c_str(), W_OK | X_OK, AT_EACCESS) == 0 ? 0 : errno;
  }
  if (fd < 0) return errno;
  const int refusal = write(fd, "x", 1) == 1 ? 0 : errno;
  close(fd);
  return refusal;
}

// The folder proved writable; false with "cannot write into ...".
bool ProveWritable(const std::string& path, const char* what, std::string* error) {
  const int refusal = RefusalToWriteInto(path);
  if (refusal != 0) *error = std::string("cannot write into the ") + what + " " + path + ": " + std::strerror(refusal);
  return refusal == 0;
}

bool MakeFolder(const std::string& path, const char* what, std::string* error, MadePaths* made) {
  std::string reason;
  if (MakeFolders(path, &reason, made)) return true;
  *error = std::string("cannot make the ") + what + " " + path + ": " + reason.substr(reason.rfind(": ") + 2);
  return false;
}

}  // namespace

bool PrepareWritableFolder(const std::string& path, const char* what, std::string* error, MadePaths* made) {
  if (!MakeFolder(path, what, error, made)) return false;
  struct stat info {};
  if (stat(path.c_str(), &info) != 0 || !S_ISDIR(info.st_mode)) {
    *error = NotAFolder(path, what);
    return false;
  }
  return ProveWritable(path, what, error);
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

bool StartRecord::HoldFolder(const std::string& path, const char* what, const char* option, std::string* error) {
  for (const FolderLock& lock : held_) {
    if (lock.Holds(path)) return true;
  }
  return MakeFolder(path, what, error, &made_) && held_.emplace_back().Take(path, what, option, error) &&
         ProveWritable(path, what, error);
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

std::vector<std::string> StartRecord::Undo() const {
  std::vector<std::string> said;
  for (const std::string& file : made_.files) {
    if (Made(file.substr(0, file.rfind('/'))) && unlink(file.c_str()) != 0) SayRefused("file", file, said);
  }
  for (auto folder = made_.folders.rbegin(); folder != made_.folders.rend(); ++folder) {
    const bool held = std::any_of(held_.begin(), held_.end(), [&](const FolderLock& lock) { return lock.Holds(*folder); });
    if (!held) {
      RemoveFolderNoOtherRunHolds(*folder, said);
    } else if (rmdir(folder->c_str()) != 0) {
      SayRefused("folder", *folder, said);
    }
  }
  return said;
}

FolderLock::~FolderLock() {
  if (fd_ >= 0) close(fd_);
}

bool FolderLock::Take(const std::string& path, const char* what, const char* option, std::string* error) {
  fd_ = open(path.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd_ < 0) {
    *error = errno == ENOENT || errno == ENOTDIR ? NotAFolder(path, what)
                                                 : std::string("cannot open the ") + what + " " + path + ": " +
                                                       std::strerror(errno);
    return false;
  }
  if (flock(fd_, LOCK_EX | LOCK_NB) == 0) {
    if (Holds(path)) return true;
    *error = Went(path, what);
  } else {
    *error = errno == EWOULDBLOCK ? std::string("another simhost is starting or flying in the ") + what + " " + path +
                                        "; one run at a time uses a folder (wait for it, or give this run its own " +
                                        option + ")"
                                  : std::string("cannot lock the ") + what + " " + path + ": " + std::strerror(errno);
  }
  close(fd_);
  fd_ = -1;
  return false;
}

bool FolderLock::Holds(const std::string& path) const {
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
  const std::string aircraftCfg = RootPath(root, std::string(kAircraftFolder) + "/Aircraft.cfg");
  return Found(aircraftCfg) || LayOutFile(aircraftCfg, kDefaultAircraftCfg, error, made);
}

}  // namespace simhost
