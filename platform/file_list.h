// File enumeration as the module asks Windows for it: the files of a folder
// with one extension ("<folder>*.<ext>"), for the lesson list.
#pragma once

#include <string>
#include <vector>

namespace platform {

// The names of the regular files (and links to them) in a module folder
// (".\A\B\", mapped as ResolvePath maps it) whose extension is `extension`
// without regard to case, as Windows matches "*.mentor". The names come sorted
// by their UTF-8 bytes, so every run lists them in one order. A missing or
// unreadable folder gives no names.
std::vector<std::wstring> ListFiles(const std::wstring& windowsFolder, const std::wstring& extension);

}  // namespace platform
