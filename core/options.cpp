// [OPTIONS] of HalcyonPro.ini, and the flap tuning of Aircraft.cfg.
#include "core/options.h"

#include <algorithm>
#include <array>

#include "core/ini_values.h"

namespace halcyon {

int32_t g_fdMod = 0;

namespace {

constexpr const wchar_t* kSection = L"OPTIONS";

// How a flag is read: "not 0" sets the first two, "1" and nothing else the rest.
enum class SetWhen { NotZero, One };

struct OptionKey {
  OptionIndex index;
  const wchar_t* key;
  const wchar_t* defaultText;
  SetWhen rule;
};

// In the order LoadOptions reads them.
constexpr OptionKey kLoadOrder[] = {
    {kOptionFmaFl, L"fma_fl", L"0", SetWhen::One},
    {kOptionSpacebar, L"spacebar", L"1", SetWhen::NotZero},
    {kOptionSoundOff, L"sound", L"0", SetWhen::NotZero},
    {kOptionCenterStartup, L"center_startup", L"0", SetWhen::One},
    {kOptionPopupAnnunciator, L"popup_annunciator", L"0", SetWhen::One},
    {kOptionHotspots, L"hotspots", L"0", SetWhen::One},
    {kOptionClickAreas, L"click_areas", L"0", SetWhen::One},
    {kOptionPreloadWindows, L"preload_windows", L"0", SetWhen::One},
    {kOptionAltTrainingFont, L"alt_training_font", L"0", SetWhen::One},
    {kOptionOneNavIls, L"one_nav_ils", L"0", SetWhen::One},
    {kOptionDropMenu, L"drop_menu", L"1", SetWhen::One},
    {kOptionIrsFastStartRealign, L"irs_fast_start_realign", L"0", SetWhen::One},
    {kOptionTurnOffFoCallouts, L"turn_off_fo_callouts", L"0", SetWhen::One},
    {kOptionStartFlying, L"start_flying", L"1", SetWhen::One},
    {kOptionUpdatedNoShow, L"updated_no_show", L"0", SetWhen::One},
    {kOptionFdVBar, L"fd_v_bar", L"0", SetWhen::One},
    // fd_mod is read here, between fd_v_bar and fd_mod_enable
    {kOptionFdModEnable, L"fd_mod_enable", L"0", SetWhen::One},
    {kOptionNoSwitchClickSounds, L"no_switch_click_sounds", L"0", SetWhen::One},
    {kOptionFmsAutoSetAltPresel, L"fms_auto_set_alt_presel", L"0", SetWhen::One},
};

constexpr const wchar_t* kFdModKey = L"fd_mod";

// In the order SaveOptions writes them; fd_mod and fd_mod_enable (and the
// Aircraft.cfg rewrite) come between the first sixteen and the last two.
constexpr std::array<std::pair<OptionIndex, const wchar_t*>, 16> kSaveFirst = {{
    {kOptionSpacebar, L"spacebar"},
    {kOptionSoundOff, L"sound"},
    {kOptionStartFlying, L"start_flying"},
    {kOptionCenterStartup, L"center_startup"},
    {kOptionPopupAnnunciator, L"popup_annunciator"},
    {kOptionHotspots, L"hotspots"},
    {kOptionClickAreas, L"click_areas"},
    {kOptionPreloadWindows, L"preload_windows"},
    {kOptionFmaFl, L"fma_fl"},
    {kOptionAltTrainingFont, L"alt_training_font"},
    {kOptionOneNavIls, L"one_nav_ils"},
    {kOptionDropMenu, L"drop_menu"},
    {kOptionIrsFastStartRealign, L"irs_fast_start_realign"},
    {kOptionTurnOffFoCallouts, L"turn_off_fo_callouts"},
    {kOptionUpdatedNoShow, L"updated_no_show"},
    {kOptionFdVBar, L"fd_v_bar"},
}};
constexpr std::array<std::pair<OptionIndex, const wchar_t*>, 2> kSaveLast = {{
    {kOptionNoSwitchClickSounds, L"no_switch_click_sounds"},
    {kOptionFmsAutoSetAltPresel, L"fms_auto_set_alt_presel"},
}};

// Each Aircraft.cfg value is base - fd_mod / 10 x delta.
struct FlapTuning {
  const wchar_t* section;
  const wchar_t* key;
  double base;
  double delta;
};

constexpr FlapTuning kFlapTuning[] = {
    {L"flaps.0", L"extending-time", 60.0, 30.0},
    {L"flaps.0", L"pitch_scalar", 0.6, 0.7},
    {L"flaps.1", L"extending-time", 60.0, 30.0},
    {L"flaps.1", L"pitch_scalar", 0.6, 0.6},
    {L"flaps.2", L"extending-time", 60.0, 30.0},
    {L"flaps.2", L"flaps-position.1", 0.497811369, 0.247811369},
    {L"flaps.2", L"flaps-position.2", 0.655552363, 0.205552363},
    {L"flaps.2", L"flaps-position.3", 0.731904688, 0.081904688},
    {L"flaps.2", L"flaps-position.4", 0.903425526, 0.083425526},
    {L"flaps.2", L"flaps-position.5", 1.0, 0.12},
    {L"flaps.2", L"lift_scalar", 1.0, 0.1},
};

std::array<uint8_t, kOptionCount> g_options{};

}  // namespace

void LoadOptions() {
  for (const OptionKey& option : kLoadOrder) {
    if (option.index == kOptionFdModEnable) g_fdMod = ReadIniInt(kSection, kFdModKey, L"0");
    const int32_t number = ReadIniInt(kSection, option.key, option.defaultText);
    const bool set = option.rule == SetWhen::NotZero ? number != 0 : number == 1;
    g_options[option.index] = set ? 1 : 0;
  }
}

void SaveOptions() {
  for (const auto& [index, key] : kSaveFirst) WriteIniInt(kSection, key, g_options[index]);
  WriteIniInt(kSection, kFdModKey, g_fdMod);
  WriteIniInt(kSection, L"fd_mod_enable", g_options[kOptionFdModEnable]);
  if (g_options[kOptionFdModEnable] != 0) WriteFlapTuningToAircraftCfg();
  for (const auto& [index, key] : kSaveLast) WriteIniInt(kSection, key, g_options[index]);
}

uint8_t GetOption(uint32_t index) { return index < kOptionCount ? g_options[index] : 0; }

void SetOptionOn(uint32_t index) {
  if (index < kOptionCount) g_options[index] = 1;
}

void SetOptionOff(uint32_t index) {
  if (index < kOptionCount) g_options[index] = 0;
}

// fd_mod comes from a file the user can edit: outside 0..10 it would write
// flight-model values no aircraft should fly with, so it is clamped first.
void WriteFlapTuningToAircraftCfg() {
  const double fraction = std::clamp(g_fdMod, 0, 10) / 10.0;
  for (const FlapTuning& value : kFlapTuning) {
    WriteIniReal(value.section, value.key, L"%f", value.base - fraction * value.delta, kAircraftCfg);
  }
}

}  // namespace halcyon
