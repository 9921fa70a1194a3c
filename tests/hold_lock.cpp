// Built for the tests only and preloaded into simhost (LD_PRELOAD): holds the
// program at its lock of the simulator folder (its first flock of a folder),
// so that a test can start another run while this one stands between its
// folders and its lock, or holds the lock. Each variable names a folder: at
// that point the program makes `held` in it and waits until `go` is there
// (ten seconds at most).
//   HALCYON_HOLD_BEFORE_LOCK  before the lock is asked for
//   HALCYON_HOLD_WITH_LOCK    once it is taken
#include <dlfcn.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <string>
#include <utility>

namespace {

bool IsFolder(int fd) {
  struct stat info {};
  return fstat(fd, &info) == 0 && S_ISDIR(info.st_mode);
}

void HoldAt(const char* variable) {
  const char* folder = std::getenv(variable);
  if (folder == nullptr) return;
  close(open((std::string(folder) + "/held").c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0644));
  const std::string go = std::string(folder) + "/go";
  for (int waitedMs = 0; waitedMs < 10000 && access(go.c_str(), F_OK) != 0; ++waitedMs) usleep(1000);
}

}  // namespace

extern "C" int flock(int fd, int operation) {
  using Flock = int (*)(int, int);
  static const auto real = reinterpret_cast<Flock>(dlsym(RTLD_NEXT, "flock"));
  static bool first = true;
  if (!IsFolder(fd) || !std::exchange(first, false)) return real(fd, operation);
  HoldAt("HALCYON_HOLD_BEFORE_LOCK");
  const int result = real(fd, operation);
  if (result == 0) HoldAt("HALCYON_HOLD_WITH_LOCK");
  return result;
}
