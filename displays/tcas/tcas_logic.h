// The TCAS step: once a second the own position, the display copy and a
// range sample of every intruder; every tick the self-test, the sensitivity
// level (transponder mode knob and radio altitude), each intruder's threat
// class by range, tau and relative altitude, the traffic and clear-of-conflict
// voices, and the resolution advisory of one threat at a time: its voice and
// the advisory state the display paints as vertical-speed bands.
// Reads TICK18, the position, the vertical speed, the altitude, the radio
// altitude and the transponder panel's knob and timers; drives the TCAS
// object and the voice queue.
#pragma once

#include <cstdint>

#include "host/voice_queue.h"

namespace halcyon {

class CTcasTarget;

// The TCAS's voice messages (each plays one sound slot, 204..216).
constexpr VoiceMessageId kVoiceTcasTraffic = 25;
constexpr VoiceMessageId kVoiceTcasClearOfConflict = 26;
constexpr VoiceMessageId kVoiceTcasMonitorVerticalSpeed = 27;
constexpr VoiceMessageId kVoiceTcasMaintainVerticalSpeed = 28;
constexpr VoiceMessageId kVoiceTcasCrossingMaintain = 29;
constexpr VoiceMessageId kVoiceTcasAdjustVerticalSpeed = 30;
constexpr VoiceMessageId kVoiceTcasClimb = 31;
constexpr VoiceMessageId kVoiceTcasDescend = 33;
constexpr VoiceMessageId kVoiceTcasIncreaseClimb = 35;
constexpr VoiceMessageId kVoiceTcasIncreaseDescent = 36;
constexpr VoiceMessageId kVoiceTcasTestOk = 37;

// The transponder mode knob's TCAS positions.
constexpr int32_t kTransponderModeTaOnly = 89;
constexpr int32_t kTransponderModeTaRa = 90;

// Range, tau and relative-altitude limits of one sensitivity level: NM,
// seconds, feet. A level without resolution (or traffic) advisories has
// `ra` (or `ta`) false.
struct TcasSensitivity {
  bool ra;
  double raRangeNm, raTauSec, correctiveFt, preventiveFt;
  bool ta;
  double taRangeNm, taTauSec, taAltitudeFt;
};
// Levels 0 (not chosen yet) and 1 (standby) to 7; any other level has none.
const TcasSensitivity& TcasSensitivityOf(int32_t level);
// 1 unless the knob is at TA ONLY or TA/RA; then 2 to 7 by the radio altitude.
int32_t ChooseTcasSensitivityLevel(int32_t transponderMode, double radioAltitudeFt);

void UpdateTcas();
// The advisory against a threat that has just become (or changed between)
// preventive and corrective: one voice and one advisory state, none at a
// radio altitude of 1000 ft or less.
void EvaluateResolutionAdvisory(bool preventive, bool corrective, const CTcasTarget* target);

}  // namespace halcyon
