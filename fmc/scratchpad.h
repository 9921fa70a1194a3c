// The CDU scratchpad and the message stack. The scratchpad holds what the
// crew types (at most one line), or "DELETE" after the DEL key. Messages
// stack up newest on top; the top one is shown on the scratchpad line in
// place of the text until CLR (or typing) removes it. The MSG lamp is lit
// while any message is left.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

namespace halcyon {

enum class CduMessage : uint8_t {
  InvalidEntry,
  NotInDataBase,
  InvalidDelete,
  NoPresentPosition,
};

const wchar_t* CduMessageText(CduMessage message);

class CScratchpad {
 public:
  static constexpr size_t kMaxLength = 24;
  static constexpr size_t kMaxMessages = 8;

  // A typed character; false (and nothing typed) when the line is full. A
  // message shown goes first; "DELETE" gives way to the character.
  bool Type(wchar_t ch);
  // DEL: "DELETE" into an empty scratchpad; false when text is there.
  bool Delete();
  // CLR: the message shown goes, else the last character (or "DELETE").
  void Clear();
  // CLR held: the text and the message shown go.
  void ClearAll();

  // What the scratchpad holds (the message shown is not part of it).
  const std::wstring& Text() const { return text_; }
  bool IsEmpty() const { return text_.empty() && !deleteShown_; }
  bool IsDelete() const { return deleteShown_; }
  // The entry is taken by a page: the scratchpad is empty again.
  void Take() {
    text_.clear();
    deleteShown_ = false;
  }
  // Puts text into the scratchpad (a line-select copy), replacing what was there.
  void Set(const std::wstring& text);

  void PostMessage(CduMessage message);
  bool HasMessage() const { return messageCount_ > 0; }
  size_t MessageCount() const { return messageCount_; }
  // What the scratchpad line shows: the top message, "DELETE" or the text.
  std::wstring Shown() const;

 private:
  void PopMessage();

  std::wstring text_;
  bool deleteShown_ = false;
  std::array<CduMessage, kMaxMessages> messages_{};
  size_t messageCount_ = 0;
};

}  // namespace halcyon
