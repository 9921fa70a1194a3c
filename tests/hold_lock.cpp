// Built for the tests only and preloaded into simhost (LD_PRELOAD): holds the
// program at a point of its start, so that a test can start another run, or
// change the folders, while this one stands there; or makes the file system
// behave as another does. Each HALCYON_HOLD_* variable names a gate folder:
// at that point the program makes `held` in it and waits until `go` is there
// (kLongestWaitMs at most).
//   HALCYON_HOLD_FOLDER          the folder (its whole path) of the four below
//   HALCYON_HOLD_AFTER_MAKING    once the program's mkdir of it has returned
//   HALCYON_HOLD_BEFORE_LOCK     before its lock (its first flock) is asked for
//   HALCYON_HOLD_WITH_LOCK       once that lock is taken
//   HALCYON_HOLD_AT_WRITE        before its first write into a file in it
//   HALCYON_HOLD_AT_MODULE       before the cockpit module is opened (dlopen)
//   HALCYON_AS_ON_NFS            as on NFS: renameat2 with flags fails with
//                                EINVAL, and an unnamed file (O_TMPFILE) with
//                                EOPNOTSUPP
//   HALCYON_KILL_AT_WRITE=N      killed (SIGKILL) half-way through its N-th
//                                write into a file
#include <dlfcn.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cstdarg>
#include <cerrno>
#include <cstdlib>
#include <string>
#include <utility>

#include "tests/test_wait.h"

namespace {

template <typename Function>
Function Real(const char* name) {
  return reinterpret_cast<Function>(dlsym(RTLD_NEXT, name));
}

void HoldAt(const char* variable) {
  const char* folder = std::getenv(variable);
  if (folder == nullptr) return;
  close(open((std::string(folder) + "/held").c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0644));
  const std::string go = std::string(folder) + "/go";
  for (int waitedMs = 0; waitedMs < halcyon::test::kLongestWaitMs && access(go.c_str(), F_OK) != 0; ++waitedMs) {
    usleep(1000);
  }
}

// Whether the descriptor is open on the folder HALCYON_HOLD_FOLDER names.
bool IsHeldFolder(int fd) {
  const char* folder = std::getenv("HALCYON_HOLD_FOLDER");
  struct stat opened {};
  struct stat named {};
  return folder != nullptr && fstat(fd, &opened) == 0 && S_ISDIR(opened.st_mode) && stat(folder, &named) == 0 &&
         opened.st_dev == named.st_dev && opened.st_ino == named.st_ino;
}

// Whether the descriptor is open on a file in the folder HALCYON_HOLD_FOLDER
// names.
bool InHeldFolder(int fd) {
  const char* folder = std::getenv("HALCYON_HOLD_FOLDER");
  char path[4096] = {};
  const ssize_t length = readlink(("/proc/self/fd/" + std::to_string(fd)).c_str(), path, sizeof(path) - 1);
  const std::string name(path, length > 0 ? static_cast<size_t>(length) : 0);
  return folder != nullptr && name.substr(0, name.rfind('/')) == folder;
}

}  // namespace

extern "C" int mkdir(const char* path, mode_t mode) {
  static const auto real = Real<int (*)(const char*, mode_t)>("mkdir");
  const int result = real(path, mode);
  const char* folder = std::getenv("HALCYON_HOLD_FOLDER");
  if (folder != nullptr && std::string(path) == folder) {
    const int made = errno;
    HoldAt("HALCYON_HOLD_AFTER_MAKING");
    errno = made;
  }
  return result;
}

extern "C" int flock(int fd, int operation) {
  static const auto real = Real<int (*)(int, int)>("flock");
  static bool first = true;
  if (!IsHeldFolder(fd) || !std::exchange(first, false)) return real(fd, operation);
  HoldAt("HALCYON_HOLD_BEFORE_LOCK");
  const int result = real(fd, operation);
  if (result == 0) HoldAt("HALCYON_HOLD_WITH_LOCK");
  return result;
}

extern "C" void* dlopen(const char* file, int mode) {
  static const auto real = Real<void* (*)(const char*, int)>("dlopen");
  static bool first = true;
  if (file != nullptr && std::exchange(first, false)) HoldAt("HALCYON_HOLD_AT_MODULE");
  return real(file, mode);
}

extern "C" int open(const char* path, int flags, ...) {
  static const auto real = Real<int (*)(const char*, int, ...)>("open");
  va_list more;
  va_start(more, flags);
  const mode_t mode = (flags & O_CREAT) != 0 || (flags & O_TMPFILE) == O_TMPFILE ? va_arg(more, mode_t) : 0;
  va_end(more);
  if ((flags & O_TMPFILE) == O_TMPFILE && std::getenv("HALCYON_AS_ON_NFS") != nullptr) {
    errno = EOPNOTSUPP;
    return -1;
  }
  return real(path, flags, mode);
}
// One call with open on this machine; the program may reach either name.
extern "C" int open64(const char* path, int flags, ...) __attribute__((alias("open")));

extern "C" int renameat2(int fromFolder, const char* from, int toFolder, const char* to, unsigned flags) {
  static const auto real = Real<int (*)(int, const char*, int, const char*, unsigned)>("renameat2");
  if (flags != 0 && std::getenv("HALCYON_AS_ON_NFS") != nullptr) {
    errno = EINVAL;
    return -1;
  }
  return real(fromFolder, from, toFolder, to, flags);
}

extern "C" ssize_t write(int fd, const void* bytes, size_t count) {
  static const auto real = Real<ssize_t (*)(int, const void*, size_t)>("write");
  static const char* const killAt = std::getenv("HALCYON_KILL_AT_WRITE");
  static const bool holdAtWrite = std::getenv("HALCYON_HOLD_AT_WRITE") != nullptr;
  static std::atomic<long> writes{0};
  static std::atomic<bool> held{false};
  struct stat info {};
  if ((killAt == nullptr && !holdAtWrite) || fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
    return real(fd, bytes, count);
  }
  if (holdAtWrite && InHeldFolder(fd) && !held.exchange(true)) HoldAt("HALCYON_HOLD_AT_WRITE");
  if (killAt != nullptr && ++writes == std::atol(killAt)) {
    real(fd, bytes, count / 2);
    raise(SIGKILL);
  }
  return real(fd, bytes, count);
}
