// Our text format for navigation data, one record a line:
//   # a comment                   (blank lines are skipped too)
//   @APT|ident|lat|lon|elev_ft     a header: the columns of the records tagged APT
//   APT|LSZH|47.4647|8.5492|1416  a record: its tag, then the fields
// Fields are separated by '|' and trimmed of blanks. Columns are found by
// their names in the header, so their order is free and columns a reader
// does not know are ignored. A reader names the tags and columns it wants;
// records of other tags that have a header are skipped, a record whose tag
// has no header is a bad line. Bad lines are counted and kept with their
// file and line number for the report.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace halcyon {

struct NavLoadProblem {
  std::string file;
  uint32_t line = 0;
  std::string what;
};

// What went wrong while loading, kept for the log and the tests.
struct NavLoadReport {
  static constexpr size_t kProblemsKept = 100;
  uint64_t badLines = 0;
  std::vector<NavLoadProblem> problems;  // the first kProblemsKept bad lines
  std::vector<std::string> missingFiles;
  void AddProblem(const std::string& file, uint32_t line, std::string what);
};

class NavTextReader {
 public:
  static constexpr size_t kMaxFields = 32;

  NavTextReader(std::string fileName, std::string_view text, NavLoadReport* report);

  // Asks for the records of `tag`, with these columns in this order; returns
  // the number Next() gives for them.
  int Want(std::string_view tag, std::vector<std::string_view> columns);
  // Moves to the next record of a wanted tag; its number, or -1 at the end.
  int Next();
  // The field of the current record in the wanted column `column`; empty
  // when the header had no such column or the line stops short.
  std::string_view Field(size_t column) const;
  // Counts the current line as bad, with the reason.
  void Reject(std::string what);
  uint32_t LineNumber() const { return lineNumber_; }
  const std::string& FileName() const { return fileName_; }

 private:
  struct Tag {
    std::string name;
    std::vector<std::string> wanted;
    std::vector<int> fieldOfColumn;  // per wanted column: its field index, or -1
    bool hasHeader = false;
  };
  Tag* FindTag(std::string_view name);
  void ReadHeader(std::string_view line);
  size_t Split(std::string_view line);

  std::string fileName_;
  std::string_view text_;
  size_t offset_ = 0;
  uint32_t lineNumber_ = 0;
  NavLoadReport* report_;
  std::vector<Tag> tags_;
  const Tag* current_ = nullptr;
  std::string_view fields_[kMaxFields];
  size_t fieldCount_ = 0;
};

// A whole decimal number, finite; false for anything else.
bool ParseNavNumber(std::string_view text, double* value);
// The whole file, or false when it cannot be opened or is no file (a folder).
bool ReadNavFile(const std::string& path, std::string* text);

}  // namespace halcyon
