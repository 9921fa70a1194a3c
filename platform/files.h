// The file-system steps that the INI layer and the host share where a file
// is put in its place whole: one file known by two names, and a new file
// written beside its place that takes its name only while no file has it.
#pragma once

#include <sys/stat.h>

#include <cstdint>
#include <string>

namespace platform {

// Whether two stats are of one file (the same device and inode).
inline bool SameFile(const struct stat& a, const struct stat& b) {
  return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

// renameat2 with its flags, where the file system takes them (NFS refuses
// them: -1 with errno EINVAL).
int RenameWithFlags(const std::string& from, const std::string& to, unsigned flags);

// Tests: renameat2's flags are refused as NFS refuses them.
void RefuseRenameFlags(bool refused);

enum class Placement : uint8_t { Placed, NameTaken, Failed };

// Gives the written file `spare` the name `path` only while no file has
// that name, so a file another process made meanwhile is never replaced
// (NameTaken; the spare stays for the caller). renameat2 with
// RENAME_NOREPLACE or, where its flags are refused, a hard link, which fails
// where the name is taken too, and the spare's own name removed; a file
// system that has neither keeps the plain rename. Failed with errno set.
Placement PlaceNewFile(const std::string& spare, const std::string& path);

}  // namespace platform
