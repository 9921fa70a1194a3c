// An INI file's text as the private-profile functions see it: its lines
// parsed into sections and keys, the module's writes made on them, and the
// text given back byte for byte in the file's own encoding.
#include "platform/ini_document.h"

#include <algorithm>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "platform/paths.h"

namespace platform::ini {
namespace {

std::string_view EndBytes(LineEnd end) {
  switch (end) {
    case LineEnd::Lf: return "\n";
    case LineEnd::CrLf: return "\r\n";
    case LineEnd::Cr: return "\r";
    case LineEnd::None: break;
  }
  return "";
}

// ---- Text helpers ------------------------------------------------------------

// Bytes of a line and wide names from the module trim alike. A DOS
// end-of-file mark (Ctrl+Z), which old editors and copies from CD-ROMs leave
// after the last value, is a blank too, as Windows reads it.
template <typename Char>
bool IsBlank(Char c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f' || c == '\x1a';
}

template <typename Char>
std::basic_string_view<Char> Trim(std::basic_string_view<Char> text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

// Lower case for the letters Windows folds in the code pages the files use:
// ASCII and the Latin-1 capitals.
std::wstring Fold(std::wstring_view name) {
  std::wstring folded(name);
  for (wchar_t& c : folded) {
    if ((c >= L'A' && c <= L'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7)) c = static_cast<wchar_t>(c + 0x20);
  }
  return folded;
}

std::wstring FoldBytes(std::string_view name) { return Fold(Widen(std::string(name))); }

// ---- Line classification ------------------------------------------------------

enum class LineKind { Other, Header, Key };

struct Classified {
  LineKind kind = LineKind::Other;
  std::string_view name;  // section or key name, trimmed
};

// A UTF-8 byte-order mark (normally only at the start of the file) is skipped.
Classified Classify(std::string_view text) {
  if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
  const std::string_view trimmed = Trim(text);
  if (trimmed.empty() || trimmed.front() == ';') return {};
  if (trimmed.front() == '[') {
    const size_t close = trimmed.find(']');
    if (close == std::string_view::npos) return {};
    return {LineKind::Header, Trim(trimmed.substr(1, close - 1))};
  }
  const size_t equals = trimmed.find('=');
  if (equals == std::string_view::npos) return {};
  const std::string_view name = Trim(trimmed.substr(0, equals));
  if (name.empty()) return {};
  return {LineKind::Key, name};
}

bool HasLineBreak(std::wstring_view text) { return text.find_first_of(L"\r\n") != std::wstring_view::npos; }

}  // namespace

// The value of a key line as it is read: everything after the first '=',
// trimmed, less one pair of matching single or double quotes around it.
std::string_view ValueOf(const Line& line) {
  const std::string_view text = line.text;
  std::string_view value = Trim(text.substr(text.find('=') + 1));
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front()) {
    value = value.substr(1, value.size() - 2);
  }
  return value;
}

namespace {

// ---- Document building and indexing -------------------------------------------

void IndexSection(Section& section) {
  section.firstKey.clear();
  section.lastKey = 0;
  for (size_t i = 0; i < section.body.size(); ++i) {
    const Classified line = Classify(section.body[i].text);
    if (line.kind != LineKind::Key) continue;
    section.firstKey.emplace(FoldBytes(line.name), i);
    section.lastKey = i + 1;
  }
}

void IndexSectionNames(Document& doc) {
  doc.sectionsByName.clear();
  for (size_t i = 1; i < doc.sections.size(); ++i) {
    const Classified header = Classify(doc.sections[i].header.text);
    doc.sectionsByName[FoldBytes(header.name)].push_back(i);
  }
}

Document Parse(std::string_view bytes) {
  Document doc;
  doc.sections.emplace_back();
  bool endChosen = false;
  size_t start = 0;
  while (start < bytes.size()) {
    const size_t breakAt = bytes.find_first_of("\r\n", start);
    Line line;
    if (breakAt == std::string_view::npos) {
      line.text = std::string(bytes.substr(start));
      start = bytes.size();
    } else {
      line.text = std::string(bytes.substr(start, breakAt - start));
      if (bytes[breakAt] == '\n') {
        line.end = LineEnd::Lf;
        start = breakAt + 1;
      } else if (breakAt + 1 < bytes.size() && bytes[breakAt + 1] == '\n') {
        line.end = LineEnd::CrLf;
        start = breakAt + 2;
      } else {
        line.end = LineEnd::Cr;
        start = breakAt + 1;
      }
      if (!endChosen) doc.newLineEnd = line.end;
      endChosen = true;
    }
    if (Classify(line.text).kind == LineKind::Header) {
      Section section;
      section.hasHeader = true;
      section.header = std::move(line);
      doc.sections.push_back(std::move(section));
    } else {
      doc.sections.back().body.push_back(std::move(line));
    }
  }
  for (Section& section : doc.sections) IndexSection(section);
  IndexSectionNames(doc);
  return doc;
}

std::string Serialize(const Document& doc) {
  size_t size = 0;
  for (const Section& section : doc.sections) {
    size += section.header.text.size() + 2;
    for (const Line& line : section.body) size += line.text.size() + 2;
  }
  std::string bytes;
  bytes.reserve(size);
  auto append = [&bytes](const Line& line) {
    bytes += line.text;
    bytes += EndBytes(line.end);
  };
  for (const Section& section : doc.sections) {
    if (section.hasHeader) append(section.header);
    for (const Line& line : section.body) append(line);
  }
  return bytes;
}

// ---- Encodings -----------------------------------------------------------------

constexpr std::string_view kUtf16LeMark = "\xFF\xFE";
constexpr std::string_view kUtf16BeMark = "\xFE\xFF";

// UTF-16 units to our text; a lone surrogate comes through as its own code,
// so a file goes back to the disk as it came.
std::string TextFromUtf16(std::string_view bytes, bool bigEndian) {
  std::wstring wide;
  wide.reserve(bytes.size() / 2);
  auto unitAt = [bytes, bigEndian](size_t i) {
    const auto first = static_cast<uint32_t>(static_cast<uint8_t>(bytes[i]));
    const auto second = static_cast<uint32_t>(static_cast<uint8_t>(bytes[i + 1]));
    return bigEndian ? (first << 8 | second) : (second << 8 | first);
  };
  for (size_t i = 0; i + 1 < bytes.size(); i += 2) {
    uint32_t code = unitAt(i);
    if (code >= 0xD800 && code < 0xDC00 && i + 3 < bytes.size()) {
      const uint32_t low = unitAt(i + 2);
      if (low >= 0xDC00 && low < 0xE000) {
        code = 0x10000 + ((code - 0xD800) << 10) + (low - 0xDC00);
        i += 2;
      }
    }
    wide += static_cast<wchar_t>(code);
  }
  return Narrow(wide);
}

std::string Utf16FromText(const std::string& text, bool bigEndian) {
  std::string bytes(bigEndian ? kUtf16BeMark : kUtf16LeMark);
  bytes.reserve(text.size() * 2 + 2);
  auto put = [&bytes, bigEndian](uint32_t unit) {
    const auto high = static_cast<char>(unit >> 8);
    const auto low = static_cast<char>(unit & 0xFF);
    bytes += bigEndian ? high : low;
    bytes += bigEndian ? low : high;
  };
  for (const wchar_t c : Widen(text)) {
    const auto code = static_cast<uint32_t>(c);
    if (code < 0x10000) {
      put(code);
    } else {
      put(0xD800 + ((code - 0x10000) >> 10));
      put(0xDC00 + (code & 0x3FF));
    }
  }
  return bytes;
}

}  // namespace

// The encoding of a file's bytes, by its byte-order mark.
Encoding EncodingOf(std::string_view bytes) {
  if (bytes.starts_with(kUtf16LeMark)) return Encoding::Utf16Le;
  if (bytes.starts_with(kUtf16BeMark)) return Encoding::Utf16Be;
  return Encoding::Bytes;
}

Document ParseFile(std::string_view bytes) {
  const Encoding encoding = EncodingOf(bytes);
  if (encoding == Encoding::Bytes) return Parse(bytes);
  const bool bigEndian = encoding == Encoding::Utf16Be;
  Document doc = Parse(TextFromUtf16(bytes.substr(kUtf16LeMark.size()), bigEndian));
  doc.encoding = encoding;
  return doc;
}

// `count` bytes that a reader takes for blanks in a file of this encoding:
// spaces, of two bytes in UTF-16 (from an even offset; a byte left over at
// the end is no character).
std::string Blanks(Encoding encoding, size_t count) {
  if (encoding == Encoding::Bytes) return std::string(count, ' ');
  const std::string_view space = encoding == Encoding::Utf16Le ? std::string_view(" \0", 2) : std::string_view("\0 ", 2);
  std::string blanks(count, '\0');
  for (size_t i = 0; i < count; ++i) blanks[i] = space[i % 2];
  return blanks;
}

std::string SerializeFile(const Document& doc) {
  if (doc.encoding == Encoding::Bytes) return Serialize(doc);
  return Utf16FromText(Serialize(doc), doc.encoding == Encoding::Utf16Be);
}

// ---- Lookup and edits ---------------------------------------------------------

namespace {

const std::vector<size_t>* SectionsNamed(Document& doc, std::wstring_view section) {
  const auto found = doc.sectionsByName.find(Fold(Trim(section)));
  return found == doc.sectionsByName.end() ? nullptr : &found->second;
}

// The last line of the document, which must end before anything is added after it.
Line* LastLine(Document& doc) {
  for (auto it = doc.sections.rbegin(); it != doc.sections.rend(); ++it) {
    if (!it->body.empty()) return &it->body.back();
    if (it->hasHeader) return &it->header;
  }
  return nullptr;
}

void EndLine(Line* line, LineEnd end) {
  if (line != nullptr && line->end == LineEnd::None) line->end = end;
}

// Keeps the key as written and the blanks after '='; only the value changes.
// Returns whether the line changed.
bool ReplaceValue(Line& line, const std::string& value) {
  size_t cut = line.text.find('=') + 1;
  while (cut < line.text.size() && (line.text[cut] == ' ' || line.text[cut] == '\t')) ++cut;
  if (std::string_view(line.text).substr(cut) == value) return false;
  line.text.resize(cut);
  line.text += value;
  return true;
}

// Returns whether anything changed.
bool SetKey(Document& doc, std::wstring_view section, std::wstring_view key, const std::string& value) {
  if (const KeyPlace place = FindKey(doc, section, key); place.section != nullptr) {
    return ReplaceValue(place.section->body[place.index], value);
  }
  const std::string keyBytes = Narrow(std::wstring(Trim(key)));
  const Line keyLine{keyBytes + "=" + value, doc.newLineEnd};
  if (const std::vector<size_t>* indexes = SectionsNamed(doc, section)) {
    Section& target = doc.sections[indexes->front()];
    const size_t at = target.lastKey;
    EndLine(at == 0 ? &target.header : &target.body[at - 1], doc.newLineEnd);
    target.body.insert(target.body.begin() + static_cast<std::ptrdiff_t>(at), keyLine);
    // Only blank lines and comments follow `at`, so no key index moves.
    target.firstKey.emplace(Fold(Trim(key)), at);
    target.lastKey = at + 1;
    return true;
  }
  EndLine(LastLine(doc), doc.newLineEnd);
  Section added;
  added.hasHeader = true;
  added.header = Line{"[" + Narrow(std::wstring(Trim(section))) + "]", doc.newLineEnd};
  added.body.push_back(keyLine);
  added.firstKey.emplace(Fold(Trim(key)), 0);
  added.lastKey = 1;
  doc.sections.push_back(std::move(added));
  doc.sectionsByName[Fold(Trim(section))].push_back(doc.sections.size() - 1);
  return true;
}

// Returns whether anything changed.
bool RemoveKey(Document& doc, std::wstring_view section, std::wstring_view key) {
  const KeyPlace place = FindKey(doc, section, key);
  if (place.section == nullptr) return false;
  place.section->body.erase(place.section->body.begin() + static_cast<std::ptrdiff_t>(place.index));
  IndexSection(*place.section);
  return true;
}

bool RemoveSection(Document& doc, std::wstring_view section) {
  const std::vector<size_t>* indexes = SectionsNamed(doc, section);
  if (indexes == nullptr) return false;
  const std::vector<size_t> doomed = *indexes;
  for (auto it = doomed.rbegin(); it != doomed.rend(); ++it) {
    doc.sections.erase(doc.sections.begin() + static_cast<std::ptrdiff_t>(*it));
  }
  IndexSectionNames(doc);
  return true;
}

}  // namespace

KeyPlace FindKey(Document& doc, std::wstring_view section, std::wstring_view key) {
  const std::vector<size_t>* indexes = SectionsNamed(doc, section);
  if (indexes == nullptr) return {};
  const std::wstring folded = Fold(Trim(key));
  for (size_t index : *indexes) {
    Section& candidate = doc.sections[index];
    const auto found = candidate.firstKey.find(folded);
    if (found != candidate.firstKey.end()) return {&candidate, found->second};
  }
  return {};
}

// Returns whether anything changed.
bool Apply(Document& doc, const Edit& edit) {
  switch (edit.kind) {
    case Edit::Kind::SetKey: return SetKey(doc, edit.section, edit.key, edit.value);
    case Edit::Kind::RemoveKey: return RemoveKey(doc, edit.section, edit.key);
    case Edit::Kind::RemoveSection: return RemoveSection(doc, edit.section);
  }
  return false;
}

// Removals alone change nothing in a file that is not there: it is not made.
bool OnlyRemovals(const std::vector<Edit>& edits) {
  return std::none_of(edits.begin(), edits.end(), [](const Edit& edit) { return edit.kind == Edit::Kind::SetKey; });
}

bool NamesAcceptable(const wchar_t* section, const wchar_t* key, const wchar_t* value) {
  if (HasLineBreak(section) || Trim(std::wstring_view(section)).empty()) return false;
  if (std::wstring_view(section).find(L']') != std::wstring_view::npos) return false;
  if (key != nullptr) {
    const std::wstring_view name = Trim(std::wstring_view(key));
    if (HasLineBreak(key) || name.empty() || name.front() == L';' || name.front() == L'[' ||
        name.find(L'=') != std::wstring_view::npos) {
      return false;
    }
  }
  return value == nullptr || !HasLineBreak(value);
}

// The most a write of these names and value can add to a file: a new
// section header and key line, and a line end for the line before them.
uint64_t GrowthBound(const wchar_t* section, const wchar_t* key, const wchar_t* value, Encoding encoding) {
  if (key == nullptr || value == nullptr) return 0;
  const uint64_t bytes = Narrow(section).size() + Narrow(key).size() + Narrow(value).size() + 9;
  return encoding == Encoding::Bytes ? bytes : 2 * bytes;
}

}  // namespace platform::ini
