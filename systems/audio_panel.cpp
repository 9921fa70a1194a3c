// The audio control panel.
#include "systems/audio_panel.h"

#include <iterator>

#include "core/controls.h"
#include "core/ini_values.h"
#include "core/panel_services.h"
#include "core/tick_scheduler.h"

namespace halcyon {

CSwitch g_audioRadioInt{};
CSwitch g_audioIdent{};
CSwitch g_audioVolumeVhf1{};
CSwitch g_audioVolumeVhf2{};
CSwitch g_audioVolumeVhf3{};
CSwitch g_audioVolumePa{};
CSwitch g_audioVolumeInt{};
CSwitch g_audioVolumeNav1{};
CSwitch g_audioVolumeNav2{};
CSwitch g_audioVolumeMkr{};
CSwitch g_audioVolumeAdf1{};
CSwitch g_audioVolumeAdf2{};

namespace {

constexpr const wchar_t* kSection = L"AUDIO PANEL";
constexpr SwitchKey kKeys[] = {
    {&g_audioRadioInt, L"radio_int", L"120"},
    {&g_audioIdent, L"ident", L"120"},
    {&g_audioVolumeVhf1, L"volume_vhf1", L"41"},
    {&g_audioVolumeVhf2, L"volume_vhf2", L"41"},
    {&g_audioVolumeVhf3, L"volume_vhf3", L"120"},
    {&g_audioVolumePa, L"volume_pa", L"120"},
    {&g_audioVolumeInt, L"volume_int", L"120"},
    {&g_audioVolumeNav1, L"volume_nav1", L"120"},
    {&g_audioVolumeNav2, L"volume_nav2", L"120"},
    {&g_audioVolumeMkr, L"volume_mkr", L"41"},
    {&g_audioVolumeAdf1, L"volume_adf1", L"120"},
    {&g_audioVolumeAdf2, L"volume_adf2", L"120"},
};
const SavedControls kSavedControls{kSection, kKeys};

// One receiver's audio, switched on while the ident switch and its volume
// switch are both on, so the crew hears the station's ident.
struct ReceiverAudio {
  const CSwitch* volume;
  Token token;
  uint32_t onEvent;
  uint32_t onValue;
  uint32_t offEvent;
  uint32_t offValue;
};
constexpr ReceiverAudio kReceivers[] = {
    {&g_audioVolumeNav1, Token::Nav1Audio, 65837, 0, 65832, 0},
    {&g_audioVolumeNav2, Token::Nav2Audio, 65838, 0, 65833, 0},
    {&g_audioVolumeNav1, Token::Dme1Audio, 65839, 0, 65834, 0},
    {&g_audioVolumeNav2, Token::Dme2Audio, 65840, 0, 65835, 0},
    {&g_audioVolumeMkr, Token::MarkerAudio, kKeyEventMarkerAudioSet, 1, kKeyEventMarkerAudioSet, 0},
    {&g_audioVolumeAdf1, Token::AdfAudio, 65841, 0, 65836, 0},
};

int32_t g_audioSelector = 0;

bool IsAt(const CSwitch* record, int32_t position) { return GetSwitch(record) == position; }

}  // namespace

void LoadAudioPanel() {
  LoadSwitches(kSection, kKeys);
  const bool bothVhf = IsAt(&g_audioVolumeVhf1, kSwitchOn) && IsAt(&g_audioVolumeVhf2, kSwitchOn);
  TriggerKeyEvent(kKeyEventVhfBothReceive, bothVhf ? 1 : 0);
  // The simulator's transmitter: 0 chooses radio 2 at start-up, else radio 1.
  SetAudioSelector(ReadToken(Token::Transmitter) == 0.0 ? 2 : 1);
}

void UpdateAudioPanel() {
  if (IsTickDue(kChannel1HzC) == 0) return;
  bool on[std::size(kReceivers)];
  for (size_t row = 0; row < std::size(kReceivers); ++row) on[row] = ReadToken(kReceivers[row].token) != 0.0;
  for (size_t row = 0; row < std::size(kReceivers); ++row) {
    const ReceiverAudio& receiver = kReceivers[row];
    if (IsAt(&g_audioIdent, kSwitchOn) && IsAt(receiver.volume, kSwitchOn)) {
      if (!on[row]) TriggerKeyEvent(receiver.onEvent, receiver.onValue);
    } else if ((IsAt(&g_audioIdent, kSwitchOff) || IsAt(receiver.volume, kSwitchOff)) && on[row]) {
      TriggerKeyEvent(receiver.offEvent, receiver.offValue);
    }
  }
}

void SaveAudioPanel() { SaveSwitches(kSection, kKeys); }

void SetAudioSelector(int32_t n) { g_audioSelector = n >= 0 && n < kAudioSelectorCount ? n : 0; }
uint32_t GetAudioSelector() { return static_cast<uint32_t>(g_audioSelector); }

}  // namespace halcyon
