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
#include <fstream>
#include <optional>
#include <sstream>

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

bool MakeFolders(const std::string& path, std::string* error) {
  for (size_t slash = path.find('/', 1);; slash = path.find('/', slash + 1)) {
    const std::string prefix = path.substr(0, slash);
    if (mkdir(prefix.c_str(), 0755) != 0 && errno != EEXIST) {
      *error = "cannot make the folder " + prefix + ": " + std::strerror(errno);
      return false;
    }
    if (slash == std::string::npos) return true;
  }
}

// Writes the file in one step: the text goes into a file of its own beside
// it, which then takes the name, so a run killed at any moment leaves the
// file whole or absent. An empty file (left by a run killed before this was
// so) counts as missing; any other file is kept.
bool WriteIfMissing(const std::string& path, const char* text, std::string* error) {
  struct stat info {};
  if (stat(path.c_str(), &info) == 0 && info.st_size > 0) return true;
  const std::string spare = path + ".laying-out";
  std::FILE* file = std::fopen(spare.c_str(), "wb");
  bool ok = file != nullptr && std::fputs(text, file) >= 0;
  ok = file != nullptr && std::fclose(file) == 0 && ok;
  ok = ok && std::rename(spare.c_str(), path.c_str()) == 0;
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

// A file of the user's own stays; a shipped file that is not there is
// skipped (the cockpit reports the missing data itself).
bool CopyIfMissing(const std::string& source, const std::string& target, std::string* error) {
  struct stat info {};
  if (stat(target.c_str(), &info) == 0) return true;
  std::FILE* in = std::fopen(source.c_str(), "rb");
  if (in == nullptr) return true;
  std::FILE* out = std::fopen(target.c_str(), "wb");
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
bool CopyShippedLessons(const std::string& root, std::string* error) {
  for (const std::string& name : ShippedLessons()) {
    const std::string target = RootPath(root, std::string(kLessonFolder) + "/" + name);
    if (!CopyIfMissing(ProgramFolder() + "/Mentor/" + name, target, error)) return false;
  }
  return true;
}

// The folders the host lays out below the simulator folder.
constexpr const char* kLayoutFolders[] = {kAircraftFolder, kGaugesFolder,  kSoundFolder,
                                          kNavDataFolder,  kLessonFolder, "Navigraph/NavData/Proc"};

std::optional<std::string> ReadWhole(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

}  // namespace

bool PrepareWritableFolder(const std::string& path, const char* what, std::string* error) {
  std::string reason;
  if (!MakeFolders(path, &reason)) {
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

void StartRecord::NoteFolder(const std::string& path) {
  struct stat info {};
  for (std::string folder = path; !folder.empty() && folder != "/" && stat(folder.c_str(), &info) != 0;
       folder = folder.substr(0, folder.rfind('/'))) {
    if (std::find(madeFolders_.begin(), madeFolders_.end(), folder) == madeFolders_.end()) {
      madeFolders_.push_back(folder);
    }
  }
}

void StartRecord::NoteRoot(const std::string& root) {
  root_ = root;
  NoteFolder(root);
  for (const char* folder : kLayoutFolders) NoteFolder(RootPath(root, folder));
  std::vector<std::string> copies;
  for (const char* file : kShippedNavDataFiles) copies.push_back(std::string(kNavDataFolder) + "/" + file);
  for (const std::string& lesson : ShippedLessons()) copies.push_back(std::string(kLessonFolder) + "/" + lesson);
  for (const std::string& relative : copies) {
    struct stat info {};
    if (lstat(RootPath(root, relative).c_str(), &info) != 0) madeFiles_.push_back(relative);
  }
  // What the cockpit writes between its start and its shut-down: its saved
  // files, the keyboard combinations when they are missing, its leak report.
  std::vector<std::string> cockpitFiles = {std::string(kAircraftFolder) + "/KeyboardInput.ini",
                                           std::string(kGaugesFolder) + "/HalcyonMemleak.ini"};
  for (const char* name : kCockpitSavedFiles) cockpitFiles.push_back(std::string(kAircraftFolder) + "/" + name);
  for (const std::string& relative : cockpitFiles) {
    const std::string path = RootPath(root, relative);
    struct stat info {};
    if (lstat(path.c_str(), &info) != 0) {
      madeFiles_.push_back(relative);
    } else if (stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode)) {
      if (std::optional<std::string> bytes = ReadWhole(path)) foundFiles_.emplace_back(relative, std::move(*bytes));
    }
  }
}

void StartRecord::Undo() const {
  for (const auto& [relative, bytes] : foundFiles_) {
    const std::string path = RootPath(root_, relative);
    if (ReadWhole(path) != bytes) std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
  }
  for (const std::string& relative : madeFiles_) unlink(RootPath(root_, relative).c_str());
  // The deepest first: a folder goes once the folders the run made in it have.
  std::vector<std::string> folders = madeFolders_;
  std::sort(folders.begin(), folders.end(), [](const std::string& a, const std::string& b) { return a.size() > b.size(); });
  for (const std::string& folder : folders) rmdir(folder.c_str());
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
  if (flock(fd_, LOCK_EX | LOCK_NB) == 0) return true;
  *error = errno == EWOULDBLOCK
               ? "another simhost is flying in the simulator folder " + root +
                     "; one run at a time uses a folder (wait for it, or give this run its own --root)"
               : "cannot lock the simulator folder " + root + ": " + std::strerror(errno);
  close(fd_);
  fd_ = -1;
  return false;
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

bool LayOutSimulatorRoot(const std::string& root, std::string* error) {
  if (!MakeFolders(root, error)) return false;
  for (const char* folder : kLayoutFolders) {
    if (!MakeFolders(RootPath(root, folder), error)) return false;
  }
  for (const char* file : kShippedNavDataFiles) {
    const std::string target = RootPath(root, std::string(kNavDataFolder) + "/" + file);
    if (!CopyIfMissing(ProgramFolder() + "/NavData/" + file, target, error)) return false;
  }
  if (!CopyShippedLessons(root, error)) return false;
  return WriteIfMissing(RootPath(root, std::string(kAircraftFolder) + "/Aircraft.cfg"), kDefaultAircraftCfg, error);
}

}  // namespace simhost
