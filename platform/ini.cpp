// The private-profile functions on the files themselves: the cache of parsed
// files (ini_document) checked against each file's identity, size and time,
// and the save of each changed file, this process's writes made again on the
// file as it stands, under its lock, whole through a spare of this process's
// own (or in place, where the spare may not take the file's place).
#include "platform/ini.h"

#include <dirent.h>
#include <fcntl.h>
#include <limits.h>
#include <stdlib.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <mutex>
#include <string_view>
#include <thread>
#include <unordered_map>
#include <utility>
#include <vector>

#include "platform/files.h"
#include "platform/ini_document.h"
#include "platform/paths.h"

namespace platform {

using ini::Apply;
using ini::Blanks;
using ini::Document;
using ini::Edit;
using ini::Encoding;
using ini::EncodingOf;
using ini::FindKey;
using ini::GrowthBound;
using ini::KeyPlace;
using ini::NamesAcceptable;
using ini::OnlyRemovals;
using ini::ParseFile;
using ini::SerializeFile;
using ini::ValueOf;

namespace {

// ---- Files and the cache -------------------------------------------------------

// What identifies one version of a file on disk.
struct Stamp {
  dev_t device = 0;
  ino_t inode = 0;
  off_t size = 0;
  int64_t modifiedNs = 0;
  mode_t permissions = 0;
  bool operator==(const Stamp&) const = default;
};

int64_t Nanoseconds(const timespec& time) { return int64_t{time.tv_sec} * 1000000000 + time.tv_nsec; }

Stamp StampOf(const struct stat& info) {
  return {info.st_dev, info.st_ino, info.st_size, Nanoseconds(info.st_mtim), info.st_mode & 07777};
}

int64_t NowNs() {
  timespec now {};
  clock_gettime(CLOCK_REALTIME, &now);
  return Nanoseconds(now);
}

// File systems keep modification times in coarse ticks, so a change made within
// one tick of the copy we hold could leave size and time alike. While the file's
// time is that close to when we took our copy, the bytes are compared as well.
// Local file systems tick at most every 10 ms (newer kernels give each change
// its own time); twice that is the margin. Some keep whole seconds only (ext2
// with small inodes, ext3) or even two (FAT): there a change within the same
// second keeps the time, and the size too where a save swaps the value of a
// key for one as long (and even the inode, where a save in place or the
// trade of places with a spare brings back a file we hold a stamp of). A
// time without nanoseconds is taken for such a file system's, whose step is
// the FAT's two seconds at most.
constexpr int64_t kTimestampTickNs = 20'000'000;
constexpr int64_t kCoarseTimestampStepNs = 2'000'000'000;

int64_t TimestampStepNs(const Stamp& stamp) {
  return stamp.modifiedNs % 1'000'000'000 == 0 ? kCoarseTimestampStepNs : kTimestampTickNs;
}

// A save under way, readied by the first write of a service call and kept
// until the file is saved: the file itself, opened for writing (and for its
// lock, see LockFile), and this process's spare file the new text goes into
// (none when the file must be written in place). Not while saves are held:
// their save is readied as it is made.
struct PendingSave {
  bool prepared = false;
  pid_t process = 0;           // that readied it: a child of a fork readies its own
  int fileFd = -1;             // the file as it was at the write; none for a file not on disk yet
  int spareFd = -1;
  uint64_t reservedBytes = 0;  // disk space taken for the new text
  uint64_t sizeBound = 0;      // the new file is at most this long
};

struct CachedFile {
  Stamp stamp;
  bool onDisk = true;       // false for a file a write created that is not saved yet
  std::vector<Edit> edits;  // this process's writes since the file was last saved
  int64_t takenNs = 0;      // when `bytes` was known to match the file
  std::string bytes;        // the file as it is on disk
  Document doc;             // `bytes` parsed, with `edits` made
  uint64_t lastUse = 0;
  PendingSave save;
  bool saveFailed = false;  // its last save failed, and its edits wait for the next
};

// A spare file this process made (exclusively, so no other process writes
// into it) beside one INI file, and which process that is: a child of a fork
// inherits the list but neither removes nor writes its parent's spares. The
// spare is held open with its mark, a lock (see Mark), while its file is
// cached (Forget removes it), so that a spare no process holds is known for
// a killed run's, which the next save of its file removes.
struct Spare {
  std::string name;
  pid_t process = 0;
  int fd = -1;  // the spare, for reading and writing, with its mark
};

constexpr size_t kCacheCapacity = 16;

// A failure noted for IniSaveFailures. A save's stands while the file's
// edits wait for a later save, and goes once one makes them; a refused
// write's stays (that write is not made).
struct NotedFailure {
  IniSaveFailure failure;
  bool ofASave = false;
};

struct IniState;
bool SaveChangedFiles(IniState& state, bool lastSave);
std::vector<NotedFailure> SaveLast(IniState& state);
void RemoveSpares(IniState& state);

struct IniState {
  // At exit the changes of the last call are saved like any other, and so
  // are those still waiting after a failed save: this save is the last, and
  // what it cannot save is lost, and said. Nothing is saved while saves are
  // held.
  ~IniState() {
    for (const NotedFailure& noted : SaveLast(*this)) {
      std::fprintf(stderr, "ini: cannot save %s: %s; this run's changes to it are lost\n", noted.failure.file.c_str(),
                   noted.failure.reason.c_str());
    }
    RemoveSpares(*this);
  }
  std::mutex mutex;
  std::unordered_map<std::string, CachedFile> cache;
  uint64_t useCounter = 0;
  int savesToFail = 0;
  int lockWaitMs = kIniLockWaitMs;
  std::unordered_map<std::string, Spare> spares;  // by the INI file each is beside
  // Module paths already mapped onto this machine, by working folder and path.
  std::unordered_map<std::string, std::string> resolvedPaths;
  IniStats stats;
  std::vector<NotedFailure> failures;
  bool held = false;                      // writes wait as edits of the cache only, and nothing is saved
  std::atomic<bool> savesPending{false};  // some file has edits to save
};

IniState& State() {
  static IniState state;
  return state;
}

void NoteFailure(IniState& state, const std::string& file, const std::string& reason, bool ofASave = false) {
  for (NotedFailure& known : state.failures) {
    if (known.failure.file == file && known.failure.reason == reason && known.ofASave == ofASave) {
      ++known.failure.times;
      return;
    }
  }
  state.failures.push_back({{file, reason, 1}, ofASave});
}

// A save made what the failed ones before it could not: they are no longer news.
void ForgetSaveFailures(IniState& state, const std::string& file) {
  std::erase_if(state.failures, [&file](const NotedFailure& noted) { return noted.ofASave && noted.failure.file == file; });
}

// Reads to the end, starting with a buffer of the size the file had.
bool ReadWhole(int fd, off_t expectedSize, std::string& bytes) {
  bytes.resize(static_cast<size_t>(std::max<off_t>(expectedSize, 0)) + 1);
  size_t done = 0;
  for (;;) {
    if (done == bytes.size()) bytes.resize(bytes.size() * 2);
    const ssize_t got = read(fd, bytes.data() + done, bytes.size() - done);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) return false;
    if (got == 0) break;
    done += static_cast<size_t>(got);
  }
  bytes.resize(done);
  return true;
}

// Reads the file and its stamp together (the stamp of the descriptor read).
// False with the reason when it cannot be read.
bool ReadFile(const std::string& path, std::string& bytes, Stamp& stamp, std::string& reason) {
  const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) {
    reason = std::strerror(errno);
    return false;
  }
  struct stat info {};
  bool ok = fstat(fd, &info) == 0;
  if (ok && !S_ISREG(info.st_mode)) {
    reason = S_ISDIR(info.st_mode) ? "a folder is in the way" : "not a file";
    ok = false;
  } else if (!ok || !ReadWhole(fd, info.st_size, bytes)) {
    reason = std::strerror(errno);
    ok = false;
  }
  close(fd);
  if (ok) stamp = StampOf(info);
  return ok;
}

void CloseSave(CachedFile& entry) {
  if (entry.save.fileFd >= 0) close(entry.save.fileFd);
  if (entry.save.spareFd >= 0) close(entry.save.spareFd);
  entry.save = PendingSave{};
}

// A save readied before a fork holds the parent's files: a child neither
// takes room in them nor saves through them, and readies its own.
void DropInheritedSave(CachedFile& entry) {
  if (entry.save.prepared && entry.save.process != getpid()) CloseSave(entry);
}

void DropSpare(IniState& state, const std::string& path);

// A file leaves the cache with what it holds open: its readied save and
// its spare (removed), so that what the layer holds open is bounded by the
// cache's capacity.
void Forget(IniState& state, const std::string& path) {
  const auto found = state.cache.find(path);
  if (found == state.cache.end()) return;
  CloseSave(found->second);
  state.cache.erase(found);
  DropSpare(state, path);
}

// Evicts the files least lately used until at most `keep` are cached.
// Changed files are never dropped: they wait for their save.
void EvictBeyond(IniState& state, size_t keep) {
  while (state.cache.size() > keep) {
    auto oldest = state.cache.end();
    for (auto it = state.cache.begin(); it != state.cache.end(); ++it) {
      if (!it->second.edits.empty()) continue;
      if (oldest == state.cache.end() || it->second.lastUse < oldest->second.lastUse) oldest = it;
    }
    if (oldest == state.cache.end()) return;
    Forget(state, std::string(oldest->first));
  }
}

void EvictIfFull(IniState& state) { EvictBeyond(state, kCacheCapacity - 1); }

bool StillCurrent(CachedFile& entry, const std::string& path, const Stamp& onDisk) {
  if (!(entry.stamp == onDisk)) return false;
  if (entry.takenNs - entry.stamp.modifiedNs >= TimestampStepNs(entry.stamp)) return true;
  const int64_t now = NowNs();
  std::string bytes;
  Stamp reread;
  std::string reason;
  if (!ReadFile(path, bytes, reread, reason) || !(reread == onDisk) || bytes != entry.bytes) return false;
  entry.takenNs = now;
  return true;
}

// The parsed file at `path`: the changed copy while it waits for its save,
// else the cached copy when it still matches the disk, else the file read
// anew. Null when the file does not exist (`missing` set) or cannot be read
// (`reason` says why).
CachedFile* Load(IniState& state, const std::string& path, bool& missing, std::string& reason) {
  missing = false;
  const auto found = state.cache.find(path);
  if (found != state.cache.end() && !found->second.edits.empty()) {
    found->second.lastUse = ++state.useCounter;
    return &found->second;
  }
  struct stat info {};
  if (stat(path.c_str(), &info) != 0) {
    missing = errno == ENOENT;
    reason = std::strerror(errno);
    Forget(state, path);
    return nullptr;
  }
  if (found != state.cache.end() && StillCurrent(found->second, path, StampOf(info))) {
    found->second.lastUse = ++state.useCounter;
    return &found->second;
  }
  CachedFile fresh;
  fresh.takenNs = NowNs();
  if (!ReadFile(path, fresh.bytes, fresh.stamp, reason)) {
    Forget(state, path);
    return nullptr;
  }
  fresh.doc = ParseFile(fresh.bytes);
  fresh.lastUse = ++state.useCounter;
  ++state.stats.parses;
  if (found == state.cache.end()) EvictIfFull(state);
  CachedFile& slot = state.cache[path];
  CloseSave(slot);
  slot = std::move(fresh);
  return &slot;
}

// The file a path names once every symbolic link on the way is followed, of
// its folders and of the file itself (which may not exist yet), so that
// a file reached by several names (a link and its target, a linked folder) is
// one file in the cache, saved once, and a linked file is updated where it
// lives while the link stays a link. A path whose folder is missing stays as
// it is (its write fails).
std::string WhereLinksLead(std::string path) {
  for (int hops = 0; hops < 40; ++hops) {
    const size_t slash = path.rfind('/');
    if (slash == std::string::npos) return path;
    char real[PATH_MAX];
    if (realpath(slash == 0 ? "/" : path.substr(0, slash).c_str(), real) == nullptr) return path;
    const std::string folder = std::strcmp(real, "/") == 0 ? "" : real;
    const std::string file = folder + path.substr(slash);
    char link[4096];
    const ssize_t length = readlink(file.c_str(), link, sizeof link);
    if (length <= 0 || static_cast<size_t>(length) >= sizeof link) return file;
    path = link[0] == '/' ? std::string(link, static_cast<size_t>(length))
                          : folder + "/" + std::string(link, static_cast<size_t>(length));
  }
  return path;
}

// The folder a file (an absolute path) lies in.
std::string FolderOf(const std::string& path) {
  const size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

// The spare beside an INI file that this process's saves are written into
// before it takes the INI file's place: the process number makes it this
// process's own, and a further number one that a killed process of the same
// number left (a process number comes again after a restart, in a container
// at once).
std::string SpareName(const std::string& path, pid_t process, int further) {
  std::string name = path + "." + std::to_string(process);
  if (further > 0) name += "-" + std::to_string(further);
  return name + ".saving";
}

// Writes `bytes` into a file at offset `at`.
bool WriteAt(int fd, std::string_view bytes, size_t at) {
  size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t put = pwrite(fd, bytes.data() + done, bytes.size() - done, static_cast<off_t>(at + done));
    if (put < 0 && errno == EINTR) continue;
    if (put <= 0) return false;
    done += static_cast<size_t>(put);
  }
  return true;
}

// Writes `bytes` over a file from its start and cuts it to length.
// The spare is rewritten rather than created anew or emptied: on ext4, both a
// new file per save and a file truncated to nothing make the save start disk
// writes at once, and a shut-down save of some 700 keys then took 70 to 140 ms
// instead of about 10.
bool Rewrite(int fd, const std::string& bytes, size_t count) {
  return WriteAt(fd, std::string_view(bytes).substr(0, count), 0) && ftruncate(fd, static_cast<off_t>(count)) == 0;
}

// Lengthens a file to `length` bytes with zeros written past its end, which
// touch none of its bytes: the disk space taken where fallocate is not
// supported (ext2). False with errno set when the disk has no room for them.
bool Lengthen(int fd, uint64_t length) {
  static constexpr char kZeros[65536] = {};
  struct stat info {};
  if (fstat(fd, &info) != 0) return false;
  for (auto at = static_cast<uint64_t>(info.st_size); at < length;) {
    const ssize_t put = pwrite(fd, kZeros, std::min<uint64_t>(sizeof kZeros, length - at), static_cast<off_t>(at));
    if (put < 0 && errno == EINTR) continue;
    if (put <= 0) return false;
    at += static_cast<uint64_t>(put);
  }
  return true;
}

// Marks a spare as a living process's: a read lock on the whole file, held
// by the open file (F_OFD_SETLK), so that it goes when the last descriptor
// of it is closed, at the process's end too, a killed one's included. It is
// not a lock flock sees, so it never holds up a save of the INI file, even
// while the spare, after its save, is that file. False when another
// process's save holds the spare to remove it (RemoveKilledRunsSpares).
// Where the file system keeps no such locks, spares stay unmarked, and no
// save there removes another's.
bool Mark(int fd) {
  struct flock lock {};
  lock.l_type = F_RDLCK;
  lock.l_whence = SEEK_SET;
  return fcntl(fd, F_OFD_SETLK, &lock) == 0 || (errno != EAGAIN && errno != EACCES);
}

// Takes the mark off this process's own spare, also where a child of a fork
// still holds the same open file.
void Unmark(int fd) {
  struct flock lock {};
  lock.l_type = F_UNLCK;
  lock.l_whence = SEEK_SET;
  fcntl(fd, F_OFD_SETLK, &lock);
}

// Whether `name` leads to the file open as `fd` (`open` its status then).
bool NameLeadsTo(const std::string& name, int fd, struct stat& open) {
  struct stat named {};
  return fstat(fd, &open) == 0 && lstat(name.c_str(), &named) == 0 && SameFile(open, named);
}

// Forgets a spare: this process's own is removed, where its name still leads
// to it, and its mark taken off; a parent's is only closed, marked as it is.
void LetGoOf(const Spare& spare) {
  if (spare.process == getpid()) {
    struct stat open {};
    if (NameLeadsTo(spare.name, spare.fd, open)) unlink(spare.name.c_str());
    Unmark(spare.fd);
  }
  close(spare.fd);
}

// This process's spare for an INI file, a descriptor of its own for writing.
// After a save it is the previous file; when that file has other names too
// (hard links), it is left to them and a new spare is made (so too when its
// name has gone), so a save never writes into a file someone else still
// names. A new spare is always created, never found: another process's spare
// is never written. It is marked at once; should another process's save have
// taken it meanwhile for a killed run's (it was not marked yet), another is
// made.
int OpenSpare(IniState& state, const std::string& path, std::string& name) {
  const pid_t process = getpid();
  if (const auto known = state.spares.find(path); known != state.spares.end()) {
    const Spare& spare = known->second;
    struct stat open {};
    if (spare.process == process && NameLeadsTo(spare.name, spare.fd, open) && open.st_nlink == 1) {
      name = spare.name;
      return fcntl(spare.fd, F_DUPFD_CLOEXEC, 0);
    }
    LetGoOf(spare);
    state.spares.erase(known);
  }
  for (int further = 0; further < 100; ++further) {
    name = SpareName(path, process, further);
    const int fd = open(name.c_str(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (fd < 0 && errno != EEXIST) return -1;
    if (fd < 0) continue;
    struct stat info {};
    if (!Mark(fd) || fstat(fd, &info) != 0 || info.st_nlink == 0) {
      close(fd);
      continue;
    }
    state.spares[path] = {name, process, fd};
    return fcntl(fd, F_DUPFD_CLOEXEC, 0);
  }
  return -1;
}

// Whether `name` is that of a spare of the INI file named `file` (in the
// same folder): "<file>.<process number>.saving", or with a further number,
// "-<digits>", after the process number (SpareName).
bool IsSpareOf(std::string_view name, std::string_view file) {
  constexpr std::string_view kEnd = ".saving";
  if (name.size() <= file.size() + 1 + kEnd.size() || name.substr(0, file.size()) != file || name[file.size()] != '.' ||
      name.substr(name.size() - kEnd.size()) != kEnd) {
    return false;
  }
  const std::string_view numbers = name.substr(file.size() + 1, name.size() - file.size() - 1 - kEnd.size());
  const size_t dash = numbers.find('-');
  auto digits = [](std::string_view text) {
    return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
  };
  return digits(numbers.substr(0, dash)) && (dash == std::string_view::npos || digits(numbers.substr(dash + 1)));
}

// Removes a spare (`name` in the folder `folderFd`) that no living process
// holds marked: a killed run's. Holding it locked for writing keeps its
// process, should it be alive after all and only now marking it, from
// taking it on (OpenSpare makes another then).
void RemoveIfKilledRuns(int folderFd, const char* name) {
  struct stat named {};
  if (fstatat(folderFd, name, &named, AT_SYMLINK_NOFOLLOW) != 0 || !S_ISREG(named.st_mode)) return;
  const int fd = openat(folderFd, name, O_RDWR | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return;
  struct flock lock {};
  lock.l_type = F_WRLCK;
  lock.l_whence = SEEK_SET;
  struct stat open {};
  if (fcntl(fd, F_OFD_SETLK, &lock) == 0 && fstat(fd, &open) == 0 &&
      fstatat(folderFd, name, &named, AT_SYMLINK_NOFOLLOW) == 0 && SameFile(open, named)) {
    unlinkat(folderFd, name, 0);
  }
  close(fd);
}

// Removes the spares of an INI file that killed runs left (see Spare), each a
// whole copy of the file that would stay there for good. Called under the
// file's lock, which every save of it holds, so that no save of the file is
// under way meanwhile; a spare this process or another living one holds is
// left alone, whatever its process number (one comes again after a restart,
// or in another container).
void RemoveKilledRunsSpares(const std::string& path) {
  DIR* folder = opendir(FolderOf(path).c_str());
  if (folder == nullptr) return;
  const std::string_view file = std::string_view(path).substr(path.rfind('/') + 1);
  while (const dirent* entry = readdir(folder)) {
    if (IsSpareOf(entry->d_name, file)) RemoveIfKilledRuns(dirfd(folder), entry->d_name);
  }
  closedir(folder);
}

// Removes this process's spare of an INI file, if it has one.
void DropSpare(IniState& state, const std::string& path) {
  const auto known = state.spares.find(path);
  if (known == state.spares.end()) return;
  LetGoOf(known->second);
  state.spares.erase(known);
}

// Whether a spare beside the file (`fd`, or -1 for a file not there yet) may
// take its place. Not in a folder that is append-only or immutable (chattr
// +a, +i), where no name may be taken away, so that the spare would stay
// there for good. Not when the file is a mount point (a file bound over
// itself, as containers bind single files), nor when it has other names
// (hard links), which would keep the old file while this name led to the new
// one, where Windows keeps one file; nor when it is another user's and this
// user is not root: the new file would be this user's, where Windows keeps
// the owner of a file it writes (and in a folder with the sticky bit, as
// /tmp, the spare could not even take the file's place). Rules this cannot
// see (a folder this user may not write, a group this user is not in, an
// access-control list the spare cannot take, a withheld capability) are met
// as the spare is made and takes on the file's owner and list, or at the
// save, which then writes the file in place.
bool SpareMayTakeThePlaceOf(const std::string& path, int fd) {
  struct statx folder {};
  if (statx(AT_FDCWD, FolderOf(path).c_str(), 0, STATX_TYPE, &folder) == 0 &&
      (folder.stx_attributes & (STATX_ATTR_APPEND | STATX_ATTR_IMMUTABLE)) != 0) {
    return false;
  }
  if (fd < 0) return true;
  struct statx file {};
  if (statx(fd, "", AT_EMPTY_PATH, STATX_UID | STATX_NLINK, &file) != 0) return true;
  if ((file.stx_attributes & STATX_ATTR_MOUNT_ROOT) != 0 || file.stx_nlink > 1) return false;
  const uid_t user = geteuid();
  return user == 0 || file.stx_uid == user;
}

// A spare could not be made, or could not take the file's place: the file
// may still be written in place.
bool PlaceRefused(int error) { return error == EPERM || error == EACCES || error == EBUSY || error == EXDEV; }

constexpr const char* kAccessList = "system.posix_acl_access";
constexpr std::string_view kUserAttribute = "user.";

// Fills `bytes` through `get(buffer, size)` (fgetxattr, flistxattr), asking
// for the size first where a first guess is too small. False with errno set.
template <typename Get>
bool GetSized(std::string& bytes, Get get) {
  bytes.resize(256);
  ssize_t size = get(bytes.data(), bytes.size());
  if (size < 0 && errno == ERANGE) {
    size = get(nullptr, 0);
    if (size > 0) {
      bytes.resize(static_cast<size_t>(size));
      size = get(bytes.data(), bytes.size());
    }
  }
  if (size < 0) return false;
  bytes.resize(static_cast<size_t>(size));
  return true;
}

// The names of a file's user attributes (user.*), the notes programs keep on
// a file (where it came from, a tag).
std::vector<std::string> UserAttributeNames(int fd) {
  std::string list;
  if (!GetSized(list, [fd](char* buffer, size_t size) { return flistxattr(fd, buffer, size); })) return {};
  std::vector<std::string> names;
  for (size_t at = 0; at < list.size();) {
    const size_t end = std::min(list.find('\0', at), list.size());
    const std::string_view name(list.data() + at, end - at);
    if (name.starts_with(kUserAttribute)) names.emplace_back(name);
    at = end + 1;
  }
  return names;
}

// Gives the spare the file's extended attribute `name`, or takes the spare's
// away where the file has none (the spare may hold one of its own: its
// folder's default access-control list, or the previous file's attributes
// after a save). False when that cannot be done.
bool CopyAttribute(int fileFd, int spareFd, const std::string& name) {
  std::string value;
  const auto get = [fileFd, &name](char* buffer, size_t size) { return fgetxattr(fileFd, name.c_str(), buffer, size); };
  if (GetSized(value, get)) return fsetxattr(spareFd, name.c_str(), value.data(), value.size(), 0) == 0;
  if (errno == ENODATA) return fremovexattr(spareFd, name.c_str()) == 0 || errno == ENODATA || errno == EOPNOTSUPP;
  return errno == EOPNOTSUPP;
}

// Gives the spare the owner, access-control list, user attributes and
// permissions of the file whose place it takes, as Windows keeps them when it
// writes a file. False when one of them cannot be given (another user's file,
// or a group this user is not in, for all but root): the file is then
// written in place.
bool TakeOnTheFile(int spareFd, int fileFd) {
  struct stat file {};
  struct stat spare {};
  if (fstat(fileFd, &file) != 0 || fstat(spareFd, &spare) != 0) return false;
  if ((spare.st_uid != file.st_uid || spare.st_gid != file.st_gid) && fchown(spareFd, file.st_uid, file.st_gid) != 0) {
    return false;
  }
  std::vector<std::string> names = UserAttributeNames(fileFd);
  const std::vector<std::string> sparesOwn = UserAttributeNames(spareFd);
  names.insert(names.end(), sparesOwn.begin(), sparesOwn.end());
  names.emplace_back(kAccessList);
  std::sort(names.begin(), names.end());
  names.erase(std::unique(names.begin(), names.end()), names.end());
  for (const std::string& name : names) {
    if (!CopyAttribute(fileFd, spareFd, name)) return false;
  }
  return fchmod(spareFd, file.st_mode & 07777) == 0;
}

// Opens what the save of a file writes into: the file itself, for reading
// and writing, and this process's spare beside it unless the spare could not
// take the file's place or cannot be made (a folder this user may not
// write): the file is then written in place. Opening the file asks its own
// permission, as Windows does, so a file this user may not write (one of
// root's in the user's folder, where the spare alone could take its place)
// is refused here, and so is an append-only or immutable one.
bool OpenSaveFiles(IniState& state, CachedFile& entry, const std::string& path) {
  PendingSave& save = entry.save;
  save.process = getpid();
  if (entry.onDisk) {
    save.fileFd = open(path.c_str(), O_RDWR | O_CLOEXEC);
    if (save.fileFd < 0) {
      NoteFailure(state, path, "cannot write " + path + ": " + std::strerror(errno));
      return false;
    }
  }
  if (!SpareMayTakeThePlaceOf(path, save.fileFd)) return true;
  std::string spare;
  save.spareFd = OpenSpare(state, path, spare);
  if (save.spareFd < 0) {
    if (entry.onDisk && PlaceRefused(errno)) return true;
    NoteFailure(state, path, "cannot write " + spare + ": " + std::strerror(errno));
    return false;
  }
  if (entry.onDisk && !TakeOnTheFile(save.spareFd, save.fileFd)) {
    close(std::exchange(save.spareFd, -1));
    DropSpare(state, path);
  }
  return true;
}

// Takes the disk space for `bytes` of new text. The spare is this process's
// own and is lengthened to it at once; a file written in place keeps its
// length until it is saved, as others read it. Where fallocate is not
// supported (ext2), the spare is lengthened with zeros, and for a file
// written in place the free space is looked at, since zeros past its end
// would stay in it until the save (for good, were the run killed): its save
// lengthens it before writing over it (WriteInPlace).
bool TakeRoom(const PendingSave& save, uint64_t bytes) {
  const bool inPlace = save.spareFd < 0;
  const int fd = inPlace ? save.fileFd : save.spareFd;
  if (fd < 0) return true;  // a file made in place at its save: nothing yet to take room in
  if (fallocate(fd, inPlace ? FALLOC_FL_KEEP_SIZE : 0, 0, static_cast<off_t>(bytes)) == 0) return true;
  if (errno != EOPNOTSUPP) return false;
  if (!inPlace) return Lengthen(fd, bytes);
  struct stat file {};
  struct statvfs disk {};
  if (fstat(fd, &file) != 0 || fstatvfs(fd, &disk) != 0) return false;
  const uint64_t held = static_cast<uint64_t>(file.st_blocks) * 512;
  const uint64_t free = (geteuid() == 0 ? disk.f_bfree : disk.f_bavail) * disk.f_frsize;
  if (bytes <= held + free) return true;
  errno = ENOSPC;
  return false;
}

// Readies the save of a file about to grow by at most `growthBytes`: opens
// what it writes into and takes the disk space the new text needs, so that a
// full disk, a missing folder or a folder without write permission fails the
// write that meets it, as on Windows, and never the save that follows (the
// keys another program adds to the file meanwhile excepted: there is no room
// taken for those).
bool PrepareSave(IniState& state, CachedFile& entry, const std::string& path, uint64_t growthBytes) {
  DropInheritedSave(entry);
  PendingSave& save = entry.save;
  if (!save.prepared) {
    if (!OpenSaveFiles(state, entry, path)) {
      CloseSave(entry);
      return false;
    }
    save.prepared = true;
    save.sizeBound = entry.onDisk ? entry.bytes.size() : 0;
    // The spare is the previous text of the file, and the file its own: the
    // blocks they hold can be written over without taking more room.
    struct stat info {};
    if (fstat(save.spareFd >= 0 ? save.spareFd : save.fileFd, &info) == 0) {
      save.reservedBytes = static_cast<uint64_t>(info.st_blocks) * 512;
    }
  }
  if (save.sizeBound + growthBytes <= save.reservedBytes) {
    save.sizeBound += growthBytes;
    return true;
  }
  const uint64_t wanted = save.sizeBound + growthBytes + 4096;
  if (!TakeRoom(save, wanted)) {
    NoteFailure(state, path, std::string("no room for the new text: ") + std::strerror(errno));
    return false;
  }
  save.reservedBytes = wanted;
  save.sizeBound += growthBytes;
  return true;
}

// Writes the new text over the file itself, having made sure first that it
// needs no more disk space, so that a full disk leaves the file as it was:
// the room is taken with fallocate or, where that is not supported (ext2),
// by lengthening the file with zeros past its end, which the new text then
// covers. An emptied file needs no room (and fallocate refuses a length of
// 0). Unlike a save through the spare this is not all or nothing: a run
// killed in the middle of it can leave the file part new, part old, as on
// Windows, which writes every INI file so. What is left of the old text
// past the new is blanked before the file is cut to its new length, so that
// a run killed at the cut leaves the new text followed by blanks, not the
// old text's tail (a line cut anywhere, and keys the save took out). With
// `stopBeforeCut` (FailNextIniSaves) the save stops there.
bool WriteInPlace(int fd, const std::string& bytes, struct stat& info, bool stopBeforeCut = false) {
  if (fstat(fd, &info) != 0) return false;
  const auto oldSize = static_cast<size_t>(info.st_size);
  if (!bytes.empty() && fallocate(fd, FALLOC_FL_KEEP_SIZE, 0, static_cast<off_t>(bytes.size())) != 0) {
    if (errno != EOPNOTSUPP) return false;
    if (!Lengthen(fd, bytes.size())) {
      const int error = errno;
      if (ftruncate(fd, info.st_size) == 0) errno = error;
      return false;
    }
  }
  if (!WriteAt(fd, bytes, 0)) return false;
  if (oldSize > bytes.size() && !WriteAt(fd, Blanks(EncodingOf(bytes), oldSize - bytes.size()), bytes.size())) {
    return false;
  }
  if (stopBeforeCut) {
    errno = ENOSPC;
    return false;
  }
  return ftruncate(fd, static_cast<off_t>(bytes.size())) == 0 && fstat(fd, &info) == 0;
}

// Whether this save is one FailNextIniSaves asked to fail.
bool FailThisSave(IniState& state) {
  if (state.savesToFail <= 0) return false;
  --state.savesToFail;
  return true;
}

enum class Outcome : uint8_t { Saved, Failed, Again };

// Puts the written spare in the place of the file (`fileFd`): they trade
// places in one step, and the old file is this process's spare from then on,
// marked as such before the trade, since another save may go on as soon as
// the new file has the name (and would take an unmarked spare for a killed
// run's). The mark is made through a descriptor of its own, opened anew:
// where flock is made of record locks (NFS), a mark through the file's own
// descriptor would change the file's lock. That lock, held on the old file,
// is let go of at once after the trade: the saves waiting for it look at the
// name again and lock the new file. Where the file system cannot trade
// places, the spare is renamed over the file, and the spare's name is gone
// with the old file. `Again` when the name no longer leads to the file (a
// program that takes no lock replaced it); failed with errno set.
Outcome TradePlaces(IniState& state, const std::string& path, int fileFd) {
  Spare& spare = state.spares.at(path);
  const int mark = open(path.c_str(), O_RDWR | O_CLOEXEC);
  if (mark < 0) return Outcome::Failed;
  struct stat file {};
  struct stat marked {};
  if (fstat(fileFd, &file) != 0 || fstat(mark, &marked) != 0 || !SameFile(file, marked)) {
    close(mark);
    return Outcome::Again;
  }
  Mark(mark);
  if (RenameWithFlags(spare.name, path, RENAME_EXCHANGE) == 0) {
    flock(fileFd, LOCK_UN);
    Unmark(spare.fd);
    close(std::exchange(spare.fd, mark));
    return Outcome::Saved;
  }
  Unmark(mark);
  close(mark);
  if (rename(spare.name.c_str(), path.c_str()) != 0) return Outcome::Failed;
  DropSpare(state, path);
  return Outcome::Saved;
}

// Puts the written spare where no file is yet, only while there still is
// none (PlaceNewFile). A file another process made meanwhile is saved
// `Again`, with this process's edits made on it. Failed with errno set.
Outcome TakeFreePlace(IniState& state, const std::string& path) {
  switch (PlaceNewFile(state.spares.at(path).name, path)) {
    case Placement::Placed:
      DropSpare(state, path);
      return Outcome::Saved;
    case Placement::NameTaken:
      return Outcome::Again;
    case Placement::Failed:
      break;
  }
  return Outcome::Failed;
}

// Saves the file through this process's spare, all or nothing: the new text
// goes into the spare, which then takes the file's place in one step
// (TradePlaces, or TakeFreePlace where there is no file, `fileFd` -1). The
// name always holds the old or the new file whole; the spare keeps the
// previous text until the next save or until the cache is cleared. The new
// file has the owner, access-control list, user attributes and permissions of
// the one it replaces (a new file: 0666 less the umask). Should the spare still be
// refused the file's place, the file is written in place. Failed with errno
// set.
Outcome SaveThroughSpare(IniState& state, const std::string& path, int fd, int fileFd, const std::string& bytes,
                         struct stat& info) {
  bool ok = fstat(fd, &info) == 0;
  if (ok && FailThisSave(state)) {
    Rewrite(fd, bytes, bytes.size() / 2);
    errno = ENOSPC;
    ok = false;
  }
  ok = ok && Rewrite(fd, bytes, bytes.size());
  ok = ok && fstat(fd, &info) == 0;
  int error = ok ? 0 : errno;
  if (close(fd) != 0 && ok) {
    error = errno;
    ok = false;
  }
  if (ok) {
    const Outcome placed = fileFd >= 0 ? TradePlaces(state, path, fileFd) : TakeFreePlace(state, path);
    if (placed != Outcome::Failed) return placed;
    error = errno;
  }
  DropSpare(state, path);
  if (fileFd >= 0 && PlaceRefused(error)) return WriteInPlace(fileFd, bytes, info) ? Outcome::Saved : Outcome::Failed;
  errno = error;
  return Outcome::Failed;
}

// Takes the file's lock (flock), waiting while another process holds it,
// for its save, until `deadline`: false with errno EWOULDBLOCK when it was
// still held then. Where the file system keeps no locks, the save goes on
// without one. Windows never waits here, so the wait is bounded: a program
// that keeps the file locked fails the save rather than stalls the cockpit.
bool WaitForLock(int fd, std::chrono::steady_clock::time_point deadline) {
  auto pause = std::chrono::microseconds(20);
  for (;;) {
    if (flock(fd, LOCK_EX | LOCK_NB) == 0) return true;
    if (errno == EINTR) continue;
    if (errno != EWOULDBLOCK) return true;
    if (std::chrono::steady_clock::now() >= deadline) return false;
    std::this_thread::sleep_for(pause);
    pause = std::min<std::chrono::microseconds>(2 * pause, std::chrono::milliseconds(1));
  }
}

// Saves the file in place (`fd`); one that is not there yet (-1; its folder
// takes no spare) is made, only while it still is not: when another process
// made it meanwhile, the save is made `Again`, on that file. Failed with
// errno set.
Outcome SaveInPlace(IniState& state, const std::string& path, int fd, const std::string& bytes, struct stat& info) {
  if (fd >= 0) return WriteInPlace(fd, bytes, info, FailThisSave(state)) ? Outcome::Saved : Outcome::Failed;
  const int made = open(path.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
  if (made < 0) return errno == EEXIST ? Outcome::Again : Outcome::Failed;
  const bool ok = WriteInPlace(made, bytes, info);
  const int error = errno;
  close(made);
  errno = error;
  return ok ? Outcome::Saved : Outcome::Failed;
}

// The file at `path` (`fd`, already open, or -1), locked against the saves of
// other processes, or -1: `missing` when there is no file, errno EWOULDBLOCK
// when another process held the lock until `deadline`. A save through a spare
// puts a new file in the old one's place, so the file locked after a wait may
// have lost its name meanwhile: the name is looked at again under the lock,
// and the file it leads to now is locked instead.
int LockFile(const std::string& path, int fd, std::chrono::steady_clock::time_point deadline, bool& missing) {
  missing = false;
  for (int attempt = 0; attempt < 1000; ++attempt) {
    if (fd < 0) fd = open(path.c_str(), O_RDWR | O_CLOEXEC);
    if (fd < 0) {
      missing = errno == ENOENT;
      return -1;
    }
    if (!WaitForLock(fd, deadline)) {
      close(fd);
      errno = EWOULDBLOCK;
      return -1;
    }
    struct stat locked {};
    struct stat named {};
    if (fstat(fd, &locked) == 0 && stat(path.c_str(), &named) == 0 && SameFile(locked, named)) {
      return fd;
    }
    close(std::exchange(fd, -1));
  }
  if (fd >= 0) close(fd);
  errno = EBUSY;
  return -1;
}

// Brings the cached copy of a file to the file as it stands under the lock
// (`fd`, or -1 for none), with this process's edits made on it. The copy is
// kept when no one else has saved the file since it was read; else the file
// is read and parsed again (a parse in the stats) and the edits made anew.
// False with errno set when the file cannot be read.
bool CatchUp(IniState& state, CachedFile& entry, const std::string& path, int fd) {
  struct stat info {};
  if (fd < 0) {
    if (!entry.onDisk) return true;
    entry.bytes.clear();
  } else {
    if (fstat(fd, &info) != 0) return false;
    if (entry.onDisk && StillCurrent(entry, path, StampOf(info))) return true;
    if (lseek(fd, 0, SEEK_SET) != 0 || !ReadWhole(fd, info.st_size, entry.bytes)) return false;
    ++state.stats.parses;
  }
  entry.doc = ParseFile(entry.bytes);
  for (const Edit& edit : entry.edits) Apply(entry.doc, edit);
  entry.onDisk = fd >= 0;
  entry.stamp = StampOf(info);
  entry.takenNs = NowNs();
  return true;
}

// Saves one file, locked, as it stands at the save with this process's
// edits made on it (`fd` the file, or -1 where there is none): through the
// spare, or in place where the spare may not take the file's place. Nothing
// is written when the edits leave the file as it is.
Outcome SaveLocked(IniState& state, CachedFile& entry, const std::string& path, int fd, PendingSave& save,
                   std::string& reason) {
  if (!CatchUp(state, entry, path, fd)) {
    reason = std::strerror(errno);
    return Outcome::Failed;
  }
  std::string bytes = SerializeFile(entry.doc);
  if (entry.onDisk ? bytes == entry.bytes : OnlyRemovals(entry.edits)) {
    entry.edits.clear();
    return Outcome::Saved;
  }
  if (fd >= 0) RemoveKilledRunsSpares(path);
  int spareFd = std::exchange(save.spareFd, -1);
  if (!SpareMayTakeThePlaceOf(path, fd)) {
    if (spareFd >= 0) close(std::exchange(spareFd, -1));
  } else if (spareFd < 0) {
    std::string spare;
    spareFd = OpenSpare(state, path, spare);
    if (spareFd < 0 && !(fd >= 0 && PlaceRefused(errno))) {
      reason = "cannot write " + spare + ": " + std::strerror(errno);
      return Outcome::Failed;
    }
  }
  if (spareFd >= 0 && fd >= 0 && !TakeOnTheFile(spareFd, fd)) {
    close(std::exchange(spareFd, -1));
    DropSpare(state, path);
  }
  struct stat info {};
  const Outcome outcome =
      spareFd >= 0 ? SaveThroughSpare(state, path, spareFd, fd, bytes, info) : SaveInPlace(state, path, fd, bytes, info);
  if (outcome == Outcome::Failed) reason = std::strerror(errno);
  if (outcome != Outcome::Saved) return outcome;
  entry.bytes = std::move(bytes);
  entry.stamp = StampOf(info);
  entry.takenNs = NowNs();
  entry.onDisk = true;
  entry.edits.clear();
  ++state.stats.writes;
  return Outcome::Saved;
}

// Saves this process's edits of one file, under the file's lock, on the file
// as it stands then, so that two programs (or two runs) writing different
// keys of one file both keep theirs. False, with the reason, when it cannot
// be saved: the file keeps its text.
bool SaveFile(IniState& state, CachedFile& entry, const std::string& path,
              std::chrono::steady_clock::time_point deadline, std::string& reason) {
  DropInheritedSave(entry);
  PendingSave save = std::exchange(entry.save, PendingSave{});
  Outcome outcome = Outcome::Again;
  for (int attempt = 0; attempt < 100 && outcome == Outcome::Again; ++attempt) {
    bool missing = false;
    const int fd = LockFile(path, std::exchange(save.fileFd, -1), deadline, missing);
    if (fd < 0 && !missing) {
      reason = errno == EWOULDBLOCK ? "another program kept the file locked" : std::strerror(errno);
      outcome = Outcome::Failed;
      break;
    }
    outcome = SaveLocked(state, entry, path, fd, save, reason);
    if (fd >= 0) close(fd);
  }
  if (save.spareFd >= 0) close(save.spareFd);
  if (outcome == Outcome::Again) reason = "the file keeps being made anew by another program";
  return outcome == Outcome::Saved;
}

// Each changed file saved once. A file that cannot be saved keeps its text
// on disk and this process's edits, which reads still see and the next save
// makes again (the failure noted until then); only what the last save, at
// exit, cannot save is lost. The wait for other programs' locks is bounded
// once for the whole call, and a file whose save failed is tried again
// without waiting, unless it was written since or this is the last save: a
// lock kept for good does not stall every call into the module. The cache
// is brought back to its capacity as the saves go, letting go of spares.
bool SaveChangedFiles(IniState& state, bool lastSave) {
  if (state.held || !state.savesPending) return true;
  const auto now = std::chrono::steady_clock::now();
  const auto deadline = now + std::chrono::milliseconds(state.lockWaitMs);
  std::vector<std::string> changed;
  for (auto& [path, entry] : state.cache) {
    if (!entry.edits.empty()) changed.push_back(path);
  }
  bool ok = true;
  for (const std::string& path : changed) {
    CachedFile& entry = state.cache.at(path);  // only unchanged files are evicted
    std::string reason;
    if (SaveFile(state, entry, path, entry.saveFailed && !lastSave ? now : deadline, reason)) {
      entry.saveFailed = false;
      ForgetSaveFailures(state, path);
    } else {
      NoteFailure(state, path, reason, true);
      entry.saveFailed = true;
      ok = false;
    }
    EvictBeyond(state, kCacheCapacity);
  }
  state.savesPending = !ok;
  return ok;
}

// The process's last save: what it cannot make is lost, its changes
// forgotten (reads give the file again), so that no later save makes them
// after their loss was said. The failures of the files lost, which stay
// noted.
std::vector<NotedFailure> SaveLast(IniState& state) {
  if (SaveChangedFiles(state, true)) return {};
  std::vector<std::string> lost;
  for (const auto& [path, entry] : state.cache) {
    if (entry.saveFailed) lost.push_back(path);
  }
  std::vector<NotedFailure> said;
  for (const std::string& path : lost) {
    Forget(state, path);
    for (const NotedFailure& noted : state.failures) {
      if (noted.ofASave && noted.failure.file == path) said.push_back(noted);
    }
  }
  state.savesPending = false;
  return said;
}

// How many files have a save readied (each holds the file and its spare
// open until it is saved).
size_t ReadiedSaves(const IniState& state) {
  return static_cast<size_t>(std::count_if(state.cache.begin(), state.cache.end(),
                                           [](const auto& cached) { return cached.second.save.prepared; }));
}

// Removes the spares this process made, and no other's.
void RemoveSpares(IniState& state) {
  for (const auto& [path, spare] : state.spares) LetGoOf(spare);
  state.spares.clear();
}

// Back to the start: nothing cached, held, waiting or noted, and no spare.
void Clear(IniState& state) {
  for (auto& [path, entry] : state.cache) CloseSave(entry);
  state.cache.clear();
  state.failures.clear();
  state.held = false;
  state.savesPending = false;
  RemoveSpares(state);
}

// The file on this machine, as an absolute path with its symbolic links
// followed (WhereLinksLead), so that the cache and the spare files still name
// the same files if the working folder changes, whatever name reached them.
// Mapping a path looks at every folder on the way (for the letter case), so a
// mapping is remembered; `Open` maps again when the remembered file is gone
// (a link led elsewhere since is followed then).
std::string ResolveAbsolute(IniState& state, const wchar_t* path, bool fresh) {
  char folder[4096];
  const bool relative = path[0] != L'/';
  const std::string cwd = relative && getcwd(folder, sizeof folder) != nullptr ? folder : "";
  std::string key = cwd;
  key += '\0';
  key += Narrow(path);
  if (!fresh) {
    if (const auto found = state.resolvedPaths.find(key); found != state.resolvedPaths.end()) return found->second;
  }
  std::string resolved = ResolvePath(path);
  if (resolved.front() != '/' && !cwd.empty()) resolved = cwd + "/" + resolved;
  resolved = WhereLinksLead(resolved);
  if (state.resolvedPaths.size() >= 4 * kCacheCapacity) state.resolvedPaths.clear();
  state.resolvedPaths[key] = resolved;
  return resolved;
}

// The parsed file for a module path (see Load), and its path on this machine.
CachedFile* Open(IniState& state, const wchar_t* path, std::string& resolved, bool& missing, std::string& reason) {
  resolved = ResolveAbsolute(state, path, false);
  CachedFile* file = Load(state, resolved, missing, reason);
  if (file != nullptr || !missing) return file;
  resolved = ResolveAbsolute(state, path, true);
  return Load(state, resolved, missing, reason);
}

uint32_t CopyOut(std::wstring_view text, wchar_t* out, uint32_t outSize) {
  if (out == nullptr || outSize == 0) return 0;
  const size_t count = std::min<size_t>(text.size(), outSize - 1);
  std::copy_n(text.data(), count, out);
  out[count] = L'\0';
  return static_cast<uint32_t>(count);
}

}  // namespace

uint32_t GetPrivateProfileString(const wchar_t* section, const wchar_t* key, const wchar_t* defaultValue,
                                 wchar_t* out, uint32_t outSize, const wchar_t* path) {
  const std::wstring_view fallback = defaultValue == nullptr ? L"" : defaultValue;
  if (out == nullptr || outSize == 0) return 0;
  if (section == nullptr || key == nullptr || path == nullptr) return CopyOut(fallback, out, outSize);

  IniState& state = State();
  std::lock_guard lock(state.mutex);
  std::string resolved;
  bool missing = false;
  std::string reason;
  CachedFile* file = Open(state, path, resolved, missing, reason);
  if (file == nullptr) return CopyOut(fallback, out, outSize);
  const KeyPlace place = FindKey(file->doc, section, key);
  if (place.section == nullptr) return CopyOut(fallback, out, outSize);
  const std::wstring value = Widen(std::string(ValueOf(place.section->body[place.index])));
  return CopyOut(value, out, outSize);
}

bool WritePrivateProfileString(const wchar_t* section, const wchar_t* key, const wchar_t* value,
                               const wchar_t* path) {
  if (path == nullptr) return false;
  if (section == nullptr) return key == nullptr && value == nullptr;
  if (!NamesAcceptable(section, key, value)) return false;

  IniState& state = State();
  std::lock_guard lock(state.mutex);
  // Saves readied hold files open until they are made: when as many wait as
  // the cache holds, they are made first (Windows writes each at once).
  if (!state.held && ReadiedSaves(state) >= kCacheCapacity) SaveChangedFiles(state, false);
  std::string resolved;
  bool missing = false;
  std::string reason;
  CachedFile* file = Open(state, path, resolved, missing, reason);
  if (file == nullptr && !missing) {
    NoteFailure(state, resolved, reason);
    return false;
  }
  // A file without write permission is left alone, as Windows leaves a
  // read-only file, whoever runs the program (root included). The bits are
  // those of the file a symbolic link leads to.
  if (file != nullptr && file->onDisk && (file->stamp.permissions & 0222) == 0) {
    NoteFailure(state, resolved, "the file is read-only");
    return false;
  }
  if (file == nullptr) {
    EvictIfFull(state);
    file = &state.cache[resolved];
    file->onDisk = false;
    file->doc = ParseFile("");
  }
  // While saves are held nothing is readied: the file is not touched.
  if (!state.held && !PrepareSave(state, *file, resolved, GrowthBound(section, key, value, file->doc.encoding))) {
    if (!file->onDisk && file->edits.empty()) Forget(state, resolved);
    return false;
  }
  Edit edit{Edit::Kind::SetKey, section, key == nullptr ? L"" : key, value == nullptr ? "" : Narrow(value)};
  if (key == nullptr) {
    edit.kind = Edit::Kind::RemoveSection;
  } else if (value == nullptr) {
    edit.kind = Edit::Kind::RemoveKey;
  }
  // Kept even when it changes nothing in our copy: another program may have
  // written the key since, and by call this write is the later one. The save
  // makes it again; it writes nothing where the file already says so.
  Apply(file->doc, edit);
  file->edits.push_back(std::move(edit));
  file->lastUse = ++state.useCounter;
  file->saveFailed = false;
  state.savesPending = true;
  return true;
}

std::wstring ReadIniString(const wchar_t* section, const wchar_t* key, const wchar_t* defaultValue,
                           uint32_t bufferSize, const wchar_t* path) {
  if (bufferSize == 0) return L"";
  std::vector<wchar_t> buffer(bufferSize, L'\0');
  const uint32_t length = GetPrivateProfileString(section, key, defaultValue, buffer.data(), bufferSize, path);
  return std::wstring(buffer.data(), length);
}

bool SaveIniFiles() {
  IniState& state = State();
  if (!state.savesPending) return true;
  std::lock_guard lock(state.mutex);
  return SaveChangedFiles(state, false);
}

bool FinishIniSaves() {
  IniState& state = State();
  std::lock_guard lock(state.mutex);
  return SaveLast(state).empty();
}

std::vector<IniSaveFailure> IniSaveFailures() {
  IniState& state = State();
  std::lock_guard lock(state.mutex);
  std::vector<IniSaveFailure> failures;
  for (const NotedFailure& noted : state.failures) failures.push_back(noted.failure);
  return failures;
}

void ClearIniCache() {
  IniState& state = State();
  std::lock_guard lock(state.mutex);
  Clear(state);
}

void HoldIniSaves() {
  IniState& state = State();
  std::lock_guard lock(state.mutex);
  state.held = true;
}

bool KeepHeldIniSaves() {
  IniState& state = State();
  std::lock_guard lock(state.mutex);
  state.held = false;
  return SaveChangedFiles(state, false);
}

void DropHeldIniSaves() {
  IniState& state = State();
  std::lock_guard lock(state.mutex);
  if (state.held) Clear(state);
}

void FailNextIniSaves(int count) {
  IniState& state = State();
  std::lock_guard lock(state.mutex);
  state.savesToFail = std::max(count, 0);
}

void SetIniLockWait(int milliseconds) {
  IniState& state = State();
  std::lock_guard lock(state.mutex);
  state.lockWaitMs = std::max(milliseconds, 0);
}

IniStats GetIniStats() {
  IniState& state = State();
  std::lock_guard lock(state.mutex);
  return state.stats;
}

}  // namespace platform
