// The registry of saved cockpit controls.
#include "core/controls.h"

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

void RegisterControl(const wchar_t* section, const wchar_t* key, CSwitch* record, ControlMover mover) {
  if (Control* known = Find(section, key)) {
    *known = {section, key, record, mover};
    return;
  }
  Controls().push_back({section, key, record, mover});
}

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

}  // namespace halcyon

int32_t HalcyonMoveControl(const char* section, const char* key, int32_t position) {
  if (section == nullptr || key == nullptr) return 0;
  return halcyon::MoveControl(platform::Widen(section).c_str(), platform::Widen(key).c_str(), position) ? 1 : 0;
}
