// Windows-style paths of the simulator folder, as the module names them
// (".\SimObjects\Airplanes\...\HalcyonPro.ini"), mapped onto this machine's
// file system: backslashes become slashes, a leading ".\" goes, and each
// component is matched without regard to case, as Windows does.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace platform {

// The path on this machine for a module path relative to the working folder
// (the simulator folder). Components that do not exist yet keep their spelling,
// so a file about to be created lands where Windows would put it.
std::string ResolvePath(const wchar_t* windowsPath);
std::string ResolvePath(const std::string& windowsPath);

// UTF-8 and wide text, for file names and logs. Invalid bytes come through as
// their Latin-1 characters, so nothing read from a file is lost.
std::string Narrow(const std::wstring& text);
std::wstring Widen(const std::string& text);

// Text read from a file as a message or a log line shows it: printable ASCII
// as it is, every other byte as \xNN, cut to `limit` bytes with "..." after,
// so that a long line or terminal escapes in a bad file stay harmless.
std::string Escaped(std::string_view text, size_t limit);

}  // namespace platform
