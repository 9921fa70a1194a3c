// The MAG/TRUE heading reference.
#include "systems/mag_true.h"

#include "core/ini_values.h"

namespace halcyon {
namespace {

constexpr const wchar_t* kSection = L"MAG TRUE";
constexpr const wchar_t* kKey = L"toggle_switch";

uint32_t g_magTrueMode = kHeadingMagnetic;

}  // namespace

void LoadMagTrue() {
  g_magTrueMode = ReadIniInt(kSection, kKey, L"0", kIniSwitchBuffer) != 0 ? kHeadingTrue : kHeadingMagnetic;
}

void SaveMagTrue() { WriteIniInt(kSection, kKey, static_cast<int32_t>(g_magTrueMode)); }

void SetMagTrueMode(uint32_t mode) {
  if (mode == kHeadingMagnetic || mode == kHeadingTrue) g_magTrueMode = mode;
}

uint32_t GetMagTrueMode() { return g_magTrueMode; }

void ToggleMagTrueMode() { g_magTrueMode = g_magTrueMode == kHeadingTrue ? kHeadingMagnetic : kHeadingTrue; }

}  // namespace halcyon
