// An INI file's text as the private-profile functions see it (ini.h has
// the layout rules): lines parsed into sections and keys, the module's
// writes made on them, and the text given back in the file's own encoding.
// Internal to the platform layer: ini.cpp keeps the files it comes from.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace platform::ini {

// A bare CR ends a line too, as some old editors save and as Windows reads.
enum class LineEnd : uint8_t { None, Lf, CrLf, Cr };

struct Line {
  std::string text;  // the bytes of the line without its line ending
  LineEnd end = LineEnd::None;
};

// A section: its header line (absent for the lines before the first header)
// and the lines under it. `firstKey` maps each folded key name to the index in
// `body` of its first line; `lastKey` is one past the last key line.
struct Section {
  bool hasHeader = false;
  Line header;
  std::vector<Line> body;
  std::unordered_map<std::wstring, size_t> firstKey;
  size_t lastKey = 0;
};

// How the file is stored: bytes (ANSI or UTF-8), or UTF-16 little-endian or
// big-endian with its byte-order mark, as Notepad saves "Unicode" and
// "Unicode big endian". A document always holds its text as bytes (UTF-16
// files as UTF-8) and goes back to the disk in the file's own encoding.
enum class Encoding : uint8_t { Bytes, Utf16Le, Utf16Be };

struct Document {
  std::vector<Section> sections;  // sections[0] holds the lines before any header
  std::unordered_map<std::wstring, std::vector<size_t>> sectionsByName;
  LineEnd newLineEnd = LineEnd::CrLf;
  Encoding encoding = Encoding::Bytes;
};

struct KeyPlace {
  Section* section = nullptr;
  size_t index = 0;
};

// One write of the module, kept until the file is saved: the save makes this
// process's writes again, in order, on the file as it stands then, so that
// what another program saved in the meantime stays, as it does on Windows,
// where each write goes to the file at once.
struct Edit {
  enum class Kind : uint8_t { SetKey, RemoveKey, RemoveSection };
  Kind kind = Kind::SetKey;
  std::wstring section;
  std::wstring key;
  std::string value;
};

// The parsed text of a file's bytes, UTF-16 ones (with their mark) included,
// and the bytes of a document in its file's encoding.
Document ParseFile(std::string_view bytes);
std::string SerializeFile(const Document& doc);

// The encoding of a file's bytes, by its byte-order mark.
Encoding EncodingOf(std::string_view bytes);

// `count` bytes that a reader takes for blanks in a file of this encoding.
std::string Blanks(Encoding encoding, size_t count);

// The first line of `key` in the sections named `section`, in file order;
// where there is none, `section` is null.
KeyPlace FindKey(Document& doc, std::wstring_view section, std::wstring_view key);

// The value of a key line as it is read.
std::string_view ValueOf(const Line& line);

// Makes one write on the document; returns whether anything changed.
bool Apply(Document& doc, const Edit& edit);

// Removals alone change nothing in a file that is not there: it is not made.
bool OnlyRemovals(const std::vector<Edit>& edits);

// Whether names and a value keep the layout: none holds a line break, the
// section has a name without ']', and a key a name without '=' that starts
// with neither ';' nor '['.
bool NamesAcceptable(const wchar_t* section, const wchar_t* key, const wchar_t* value);

// The most a write of these names and value can add to a file.
uint64_t GrowthBound(const wchar_t* section, const wchar_t* key, const wchar_t* value, Encoding encoding);

}  // namespace platform::ini
