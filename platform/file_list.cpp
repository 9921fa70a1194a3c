// Folder listing over the POSIX directory calls.
#include "platform/file_list.h"

#include <dirent.h>
#include <strings.h>
#include <sys/stat.h>

#include <algorithm>

#include "platform/paths.h"

namespace platform {

std::vector<std::wstring> ListFiles(const std::wstring& windowsFolder, const std::wstring& extension) {
  const std::string folder = ResolvePath(windowsFolder.c_str());
  const std::string suffix = "." + Narrow(extension);
  std::vector<std::string> names;
  DIR* dir = opendir(folder.empty() ? "." : folder.c_str());
  if (dir == nullptr) return {};
  while (const dirent* entry = readdir(dir)) {
    const std::string name = entry->d_name;
    if (name.size() <= suffix.size()) continue;
    if (strcasecmp(name.c_str() + name.size() - suffix.size(), suffix.c_str()) != 0) continue;
    struct stat info {};
    if (stat((folder + "/" + name).c_str(), &info) != 0 || !S_ISREG(info.st_mode)) continue;
    names.push_back(name);
  }
  closedir(dir);
  std::sort(names.begin(), names.end());
  std::vector<std::wstring> wide;
  wide.reserve(names.size());
  for (const std::string& name : names) wide.push_back(Widen(name));
  return wide;
}

}  // namespace platform
