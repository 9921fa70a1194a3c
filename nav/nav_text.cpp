// The navigation text reader.
#include "nav/nav_text.h"

#include <sys/stat.h>

#include <charconv>
#include <cmath>
#include <cstdio>
#include <utility>

#include "platform/paths.h"

namespace halcyon {
namespace {

// How much of a bad field a problem report quotes.
constexpr size_t kExcerptBytes = 40;

std::string_view Trim(std::string_view text) {
  size_t begin = 0;
  size_t end = text.size();
  while (begin < end && (text[begin] == ' ' || text[begin] == '\t')) ++begin;
  while (end > begin && (text[end - 1] == ' ' || text[end - 1] == '\t' || text[end - 1] == '\r')) --end;
  return text.substr(begin, end - begin);
}

}  // namespace

void NavLoadReport::AddProblem(const std::string& file, uint32_t line, std::string what) {
  ++badLines;
  if (problems.size() < kProblemsKept) problems.push_back({file, line, std::move(what)});
}

NavTextReader::NavTextReader(std::string fileName, std::string_view text, NavLoadReport* report)
    : fileName_(std::move(fileName)), text_(text), report_(report) {
  // A UTF-8 byte-order mark, as some editors write one.
  if (text_.substr(0, 3) == "\xEF\xBB\xBF") offset_ = 3;
}

int NavTextReader::Want(std::string_view tag, std::vector<std::string_view> columns) {
  Tag entry;
  entry.name = tag;
  for (std::string_view column : columns) entry.wanted.emplace_back(column);
  entry.fieldOfColumn.assign(columns.size(), -1);
  tags_.push_back(std::move(entry));
  return static_cast<int>(tags_.size()) - 1;
}

NavTextReader::Tag* NavTextReader::FindTag(std::string_view name) {
  for (Tag& tag : tags_) {
    if (tag.name == name) return &tag;
  }
  return nullptr;
}

size_t NavTextReader::Split(std::string_view line) {
  fieldCount_ = 0;
  size_t start = 0;
  while (fieldCount_ < kMaxFields) {
    const size_t bar = line.find('|', start);
    fields_[fieldCount_++] = Trim(line.substr(start, bar == std::string_view::npos ? std::string_view::npos : bar - start));
    if (bar == std::string_view::npos) break;
    start = bar + 1;
  }
  return fieldCount_;
}

void NavTextReader::ReadHeader(std::string_view line) {
  Split(line.substr(1));
  Tag* tag = FindTag(fields_[0]);
  if (tag == nullptr) {
    // A header of records this reader does not read: remember that the tag
    // is declared, so its records are skipped without complaint.
    Want(fields_[0], {});
    tag = &tags_.back();
  }
  tag->hasHeader = true;
  for (size_t column = 0; column < tag->wanted.size(); ++column) {
    tag->fieldOfColumn[column] = -1;
    for (size_t field = 1; field < fieldCount_; ++field) {
      if (fields_[field] == tag->wanted[column]) {
        tag->fieldOfColumn[column] = static_cast<int>(field);
        break;
      }
    }
  }
}

int NavTextReader::Next() {
  while (offset_ < text_.size()) {
    const size_t end = text_.find('\n', offset_);
    const std::string_view line =
        Trim(text_.substr(offset_, end == std::string_view::npos ? std::string_view::npos : end - offset_));
    offset_ = end == std::string_view::npos ? text_.size() : end + 1;
    ++lineNumber_;
    if (line.empty() || line[0] == '#') continue;
    if (line[0] == '@') {
      ReadHeader(line);
      continue;
    }
    Split(line);
    const Tag* tag = FindTag(fields_[0]);
    if (tag == nullptr || !tag->hasHeader) {
      Reject("a record of '" + platform::Escaped(fields_[0], kExcerptBytes) + "' before its header line");
      continue;
    }
    if (tag->wanted.empty()) continue;
    current_ = tag;
    return static_cast<int>(tag - tags_.data());
  }
  current_ = nullptr;
  return -1;
}

std::string_view NavTextReader::Field(size_t column) const {
  if (current_ == nullptr || column >= current_->fieldOfColumn.size()) return {};
  const int field = current_->fieldOfColumn[column];
  return field < 0 || static_cast<size_t>(field) >= fieldCount_ ? std::string_view() : fields_[field];
}

void NavTextReader::Reject(std::string what) {
  if (report_ != nullptr) report_->AddProblem(fileName_, lineNumber_, std::move(what));
}

bool ParseNavNumber(std::string_view text, double* value) {
  if (!text.empty() && text[0] == '+') {
    text.remove_prefix(1);
    if (!text.empty() && text[0] == '-') return false;
  }
  if (text.empty()) return false;
  const std::from_chars_result result = std::from_chars(text.data(), text.data() + text.size(), *value);
  return result.ec == std::errc() && result.ptr == text.data() + text.size() && std::isfinite(*value);
}

bool ReadNavFile(const std::string& path, std::string* text) {
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (file == nullptr) return false;
  // A folder (or a device) of that name is no file: it reads as missing.
  struct stat info {};
  if (fstat(fileno(file), &info) != 0 || !S_ISREG(info.st_mode)) {
    std::fclose(file);
    return false;
  }
  text->clear();
  char buffer[1 << 16];
  for (size_t got; (got = std::fread(buffer, 1, sizeof(buffer), file)) > 0;) text->append(buffer, got);
  std::fclose(file);
  return true;
}

}  // namespace halcyon
