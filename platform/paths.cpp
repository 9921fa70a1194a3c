// Windows path mapping onto the local file system, and wide/narrow text.
#include "platform/paths.h"

#include <dirent.h>
#include <strings.h>
#include <sys/stat.h>

#include <cstdio>
#include <vector>

namespace platform {
namespace {

bool Exists(const std::string& path) {
  struct stat info {};
  return stat(path.c_str(), &info) == 0;
}

// The entry of `folder` whose name equals `name` without regard to ASCII case;
// the exact spelling wins when both exist.
std::string MatchComponent(const std::string& folder, const std::string& name) {
  const std::string base = folder.empty() ? "." : folder;
  if (Exists(base + "/" + name)) return name;
  DIR* dir = opendir(base.c_str());
  if (dir == nullptr) return name;
  std::string found = name;
  while (dirent* entry = readdir(dir)) {
    if (strcasecmp(entry->d_name, name.c_str()) == 0) {
      found = entry->d_name;
      break;
    }
  }
  closedir(dir);
  return found;
}

}  // namespace

std::string ResolvePath(const std::string& windowsPath) {
  const bool absolute = !windowsPath.empty() && windowsPath[0] == '/';
  std::string result = absolute ? "/" : "";
  std::string component;
  auto append = [&result](const std::string& part) {
    if (part.empty() || part == ".") return;
    const std::string name = part == ".." ? part : MatchComponent(result, part);
    if (!result.empty() && result.back() != '/') result += '/';
    result += name;
  };
  for (char c : windowsPath) {
    if (c == '\\' || c == '/') {
      append(component);
      component.clear();
    } else {
      component += c;
    }
  }
  append(component);
  return result.empty() ? "." : result;
}

std::string ResolvePath(const wchar_t* windowsPath) {
  return ResolvePath(Narrow(windowsPath == nullptr ? L"" : windowsPath));
}

std::string Escaped(std::string_view text, size_t limit) {
  std::string shown;
  for (const char c : text) {
    if (shown.size() >= limit) return shown + "...";
    const auto byte = static_cast<unsigned char>(c);
    if (byte >= 0x20 && byte < 0x7F) {
      shown += c;
    } else {
      char code[8];
      std::snprintf(code, sizeof(code), "\\x%02X", byte);
      shown += code;
    }
  }
  return shown;
}

std::string Narrow(const std::wstring& text) {
  std::string out;
  out.reserve(text.size());
  for (wchar_t wc : text) {
    auto c = static_cast<uint32_t>(wc);
    if (c < 0x80) {
      out += static_cast<char>(c);
    } else if (c < 0x800) {
      out += static_cast<char>(0xC0 | (c >> 6));
      out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
      out += static_cast<char>(0xE0 | (c >> 12));
      out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x110000) {
      out += static_cast<char>(0xF0 | (c >> 18));
      out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
      out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
      out += '?';
    }
  }
  return out;
}

std::wstring Widen(const std::string& text) {
  std::wstring out;
  out.reserve(text.size());
  const auto* bytes = reinterpret_cast<const unsigned char*>(text.data());
  const size_t size = text.size();
  for (size_t i = 0; i < size;) {
    const unsigned char lead = bytes[i];
    int length = lead < 0x80 ? 1 : (lead >> 5) == 0x6 ? 2 : (lead >> 4) == 0xE ? 3 : (lead >> 3) == 0x1E ? 4 : 0;
    bool valid = length > 0 && i + length <= size;
    uint32_t code = length == 1 ? lead : length == 2 ? (lead & 0x1F) : length == 3 ? (lead & 0x0F) : (lead & 0x07);
    for (int k = 1; valid && k < length; ++k) {
      if ((bytes[i + k] & 0xC0) != 0x80) valid = false;
      code = (code << 6) | (bytes[i + k] & 0x3F);
    }
    if (valid && length > 1 && (code < 0x80 || code > 0x10FFFF)) valid = false;
    if (!valid) {
      out += static_cast<wchar_t>(lead);  // Latin-1 fallback keeps every byte
      ++i;
      continue;
    }
    out += static_cast<wchar_t>(code);
    i += static_cast<size_t>(length);
  }
  return out;
}

}  // namespace platform
