// Putting a new file in its place whole, never over another file.
#include "platform/files.h"

#include <fcntl.h>
#include <stdio.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>

namespace platform {
namespace {

std::atomic<bool> g_renameFlagsRefused{false};

}  // namespace

int RenameWithFlags(const std::string& from, const std::string& to, unsigned flags) {
  if (g_renameFlagsRefused) {
    errno = EINVAL;
    return -1;
  }
  return renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), flags);
}

void RefuseRenameFlags(bool refused) { g_renameFlagsRefused = refused; }

Placement PlaceNewFile(const std::string& spare, const std::string& path) {
  bool placed = RenameWithFlags(spare, path, RENAME_NOREPLACE) == 0;
  if (!placed && errno == EINVAL) {
    placed = link(spare.c_str(), path.c_str()) == 0;
    if (placed) {
      unlink(spare.c_str());
    } else if (errno == EPERM || errno == EOPNOTSUPP) {
      placed = rename(spare.c_str(), path.c_str()) == 0;
    }
  }
  if (placed) return Placement::Placed;
  return errno == EEXIST ? Placement::NameTaken : Placement::Failed;
}

}  // namespace platform
