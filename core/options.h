// The user's options: 19 on/off flags and the flight-director tuning `fd_mod`,
// kept in [OPTIONS] of the aircraft INI file. Loaded at start-up, changed by
// the options pages, saved at shut-down; `fd_mod`, when enabled, also rewrites
// the flap tuning of Aircraft.cfg for the next aircraft load.
#pragma once

#include <cstdint>

namespace halcyon {

enum OptionIndex : uint32_t {
  kOptionSpacebar = 0,
  kOptionSoundOff = 1,          // "sound": set means no voices and no wind noise
  kOptionStartFlying = 2,
  kOptionCenterStartup = 3,
  kOptionPopupAnnunciator = 4,
  kOptionHotspots = 5,
  kOptionClickAreas = 6,
  kOptionPreloadWindows = 7,
  kOptionFmaFl = 8,
  kOptionAltTrainingFont = 9,
  kOptionOneNavIls = 10,
  kOptionDropMenu = 11,
  kOptionIrsFastStartRealign = 12,
  kOptionTurnOffFoCallouts = 13,
  kOptionUpdatedNoShow = 14,
  kOptionFdVBar = 15,
  kOptionNoSwitchClickSounds = 16,
  kOptionFdModEnable = 17,
  kOptionFmsAutoSetAltPresel = 18,
};
constexpr uint32_t kOptionCount = 19;

// The flight-director tuning, 0..10 (tenths of the full change); the options
// page steps it.
extern int32_t g_fdMod;

void LoadOptions();
void SaveOptions();
uint8_t GetOption(uint32_t index);
void SetOptionOn(uint32_t index);
void SetOptionOff(uint32_t index);
void WriteFlapTuningToAircraftCfg();

}  // namespace halcyon
