// The registry of saved cockpit controls.
#include "core/controls.h"

#include <algorithm>
#include <cwctype>
#include <string>
#include <vector>

#include "platform/paths.h"

namespace halcyon {
namespace {

struct Control {
  const wchar_t* section;
  const wchar_t* key;
  CSwitch* record;
  ControlMover mover;
  ControlReader reader;
  std::optional<ControlRange> range;
  ControlRefusal refusal = nullptr;
  const char* action = nullptr;
};

std::vector<Control>& Controls() {
  static std::vector<Control> controls;
  return controls;
}

bool SameName(const wchar_t* a, const wchar_t* b) {
  for (; *a != L'\0' && *b != L'\0'; ++a, ++b) {
    if (std::towlower(static_cast<wint_t>(*a)) != std::towlower(static_cast<wint_t>(*b))) return false;
  }
  return *a == *b;
}

Control* Find(const wchar_t* section, const wchar_t* key) {
  if (section == nullptr || key == nullptr) return nullptr;
  for (Control& control : Controls()) {
    if (SameName(control.section, section) && SameName(control.key, key)) return &control;
  }
  return nullptr;
}

}  // namespace

SavedControls::SavedControls(const wchar_t* section, std::span<const SwitchKey> keys) {
  for (const SwitchKey& key : keys) RegisterControl(section, key.key, key.record);
}

void RegisterControl(const wchar_t* section, const wchar_t* key, CSwitch* record, ControlMover mover,
                     ControlReader reader, std::optional<ControlRange> range) {
  if (Control* known = Find(section, key)) {
    known->record = record;
    if (mover != nullptr) known->mover = mover;
    if (reader != nullptr) known->reader = reader;
    if (range) known->range = range;
    return;
  }
  Controls().push_back({section, key, record, mover, reader, range});
}

void RefuseControlPositions(const wchar_t* section, const wchar_t* key, ControlRefusal refusal) {
  if (Control* control = Find(section, key)) control->refusal = refusal;
}

void DescribeControlAction(const wchar_t* section, const wchar_t* key, const char* action) {
  if (Control* control = Find(section, key)) control->action = action;
}

bool HasControl(const wchar_t* section, const wchar_t* key) { return Find(section, key) != nullptr; }

const CSwitch* FindControlRecord(const wchar_t* section, const wchar_t* key) {
  const Control* control = Find(section, key);
  return control == nullptr ? nullptr : control->record;
}

std::vector<std::pair<std::wstring, std::wstring>>& NotRegistered() {
  static std::vector<std::pair<std::wstring, std::wstring>> controls;
  return controls;
}

void NoteSavedControl(const wchar_t* section, const wchar_t* key) {
  if (HasControl(section, key)) return;
  for (const auto& [knownSection, knownKey] : NotRegistered()) {
    if (knownSection == section && knownKey == key) return;
  }
  NotRegistered().emplace_back(section, key);
}

const std::vector<std::pair<std::wstring, std::wstring>>& SavedControlsNotRegistered() { return NotRegistered(); }

bool MoveControl(const wchar_t* section, const wchar_t* key, int32_t position) {
  const Control* control = Find(section, key);
  if (control == nullptr) return false;
  if (control->mover != nullptr) {
    control->mover(position);
  } else {
    SetSwitch(control->record, position);
  }
  return true;
}

bool SetControlRecord(const wchar_t* section, const wchar_t* key, int32_t position) {
  const Control* control = Find(section, key);
  if (control == nullptr || control->record == nullptr) return false;
  SetSwitch(control->record, position);
  return true;
}

bool ReadControl(const wchar_t* section, const wchar_t* key, int32_t* position) {
  const Control* control = Find(section, key);
  if (control == nullptr) return false;
  if (control->reader != nullptr) {
    *position = control->reader();
    return true;
  }
  if (control->record == nullptr) return false;
  *position = GetSwitch(control->record);
  return true;
}

bool ControlPositions(const wchar_t* section, const wchar_t* key, ControlRange* range) {
  const Control* control = Find(section, key);
  if (control == nullptr) return false;
  if (control->range) {
    *range = *control->range;
  } else {
    *range = control->record != nullptr ? ControlRange{0, kSwitchPositionMax} : kAnyPosition;
  }
  return true;
}

const char* ControlRefusalAt(const wchar_t* section, const wchar_t* key, int32_t position) {
  const Control* control = Find(section, key);
  return control == nullptr || control->refusal == nullptr ? nullptr : control->refusal(position);
}

const char* ControlAction(const wchar_t* section, const wchar_t* key) {
  const Control* control = Find(section, key);
  if (control == nullptr || control->reader != nullptr || control->record != nullptr) return nullptr;
  return control->action != nullptr ? control->action : kButtonPress;
}

}  // namespace halcyon

namespace {

// UTF-8 text into a caller's buffer, cut short on a character boundary.
void CopyText(const std::string& text, char* buffer, int32_t bytes) {
  if (buffer == nullptr || bytes <= 0) return;
  size_t length = std::min(text.size(), static_cast<size_t>(bytes - 1));
  while (length > 0 && length < text.size() && (static_cast<unsigned char>(text[length]) & 0xC0) == 0x80) --length;
  text.copy(buffer, length);
  buffer[length] = '\0';
}

void CopyName(const wchar_t* name, char* buffer, int32_t bytes) { CopyText(platform::Narrow(name), buffer, bytes); }

// A control's text answer into the caller's buffer; 1 when it has one.
int32_t Answer(const char* answer, char* text, int32_t textBytes) {
  if (answer == nullptr) return 0;
  CopyText(answer, text, textBytes);
  return 1;
}

}  // namespace

int32_t HalcyonMoveControl(const char* section, const char* key, int32_t position) {
  if (section == nullptr || key == nullptr) return 0;
  return halcyon::MoveControl(platform::Widen(section).c_str(), platform::Widen(key).c_str(), position) ? 1 : 0;
}

int32_t HalcyonHasControl(const char* section, const char* key) {
  if (section == nullptr || key == nullptr) return 0;
  return halcyon::HasControl(platform::Widen(section).c_str(), platform::Widen(key).c_str()) ? 1 : 0;
}

int32_t HalcyonControlPosition(const char* section, const char* key, int32_t* position) {
  if (section == nullptr || key == nullptr || position == nullptr) return 0;
  return halcyon::ReadControl(platform::Widen(section).c_str(), platform::Widen(key).c_str(), position) ? 1 : 0;
}

int32_t HalcyonControlRange(const char* section, const char* key, int32_t* lowest, int32_t* highest) {
  if (section == nullptr || key == nullptr || lowest == nullptr || highest == nullptr) return 0;
  halcyon::ControlRange range{};
  if (!halcyon::ControlPositions(platform::Widen(section).c_str(), platform::Widen(key).c_str(), &range)) return 0;
  *lowest = range.lowest;
  *highest = range.highest;
  return 1;
}

int32_t HalcyonControlRefusal(const char* section, const char* key, int32_t position, char* text, int32_t textBytes) {
  if (section == nullptr || key == nullptr) return 0;
  return Answer(halcyon::ControlRefusalAt(platform::Widen(section).c_str(), platform::Widen(key).c_str(), position),
                text, textBytes);
}

int32_t HalcyonControlAction(const char* section, const char* key, char* text, int32_t textBytes) {
  if (section == nullptr || key == nullptr) return 0;
  return Answer(halcyon::ControlAction(platform::Widen(section).c_str(), platform::Widen(key).c_str()), text, textBytes);
}

int32_t HalcyonControlAt(int32_t index, char* section, int32_t sectionBytes, char* key, int32_t keyBytes) {
  const auto& controls = halcyon::Controls();
  if (index < 0 || static_cast<size_t>(index) >= controls.size()) return 0;
  CopyName(controls[static_cast<size_t>(index)].section, section, sectionBytes);
  CopyName(controls[static_cast<size_t>(index)].key, key, keyBytes);
  return 1;
}
