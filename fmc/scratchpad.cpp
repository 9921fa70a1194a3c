// The scratchpad and its message stack.
#include "fmc/scratchpad.h"

namespace halcyon {

const wchar_t* CduMessageText(CduMessage message) {
  switch (message) {
    case CduMessage::InvalidEntry: return L"INVALID ENTRY";
    case CduMessage::NotInDataBase: return L"NOT IN DATA BASE";
    case CduMessage::InvalidDelete: return L"INVALID DELETE";
    case CduMessage::NoPresentPosition: return L"NO PRESENT POSITION";
  }
  return L"";
}

bool CScratchpad::Type(wchar_t ch) {
  if (HasMessage()) PopMessage();
  if (deleteShown_) deleteShown_ = false;
  if (text_.size() >= kMaxLength) return false;
  text_ += ch;
  return true;
}

bool CScratchpad::Delete() {
  if (HasMessage()) PopMessage();
  if (!text_.empty()) return false;
  deleteShown_ = true;
  return true;
}

void CScratchpad::Clear() {
  if (HasMessage()) {
    PopMessage();
  } else if (deleteShown_) {
    deleteShown_ = false;
  } else if (!text_.empty()) {
    text_.pop_back();
  }
}

void CScratchpad::ClearAll() {
  if (HasMessage()) PopMessage();
  Take();
}

void CScratchpad::Set(const std::wstring& text) {
  text_ = text.substr(0, kMaxLength);
  deleteShown_ = false;
}

void CScratchpad::PostMessage(CduMessage message) {
  // The same message twice on top shows once.
  if (HasMessage() && messages_[messageCount_ - 1] == message) return;
  if (messageCount_ == kMaxMessages) {
    // Full: the oldest message gives way.
    for (size_t i = 1; i < kMaxMessages; ++i) messages_[i - 1] = messages_[i];
    --messageCount_;
  }
  messages_[messageCount_++] = message;
}

void CScratchpad::PopMessage() {
  if (messageCount_ > 0) --messageCount_;
}

std::wstring CScratchpad::Shown() const {
  if (HasMessage()) return CduMessageText(messages_[messageCount_ - 1]);
  if (deleteShown_) return L"DELETE";
  return text_;
}

}  // namespace halcyon
