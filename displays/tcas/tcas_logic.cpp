// TCAS surveillance, threat classification and resolution advisories.
#include "displays/tcas/tcas_logic.h"

#include <cstring>
#include <iterator>

#include "core/panel_services.h"
#include "core/switch.h"
#include "core/tick_scheduler.h"
#include "displays/tcas/tcas.h"
#include "systems/radios.h"

namespace halcyon {
namespace {

// No voice below this radio altitude; no advisory at or below the next.
constexpr double kVoiceInhibitFt = 500.0;
constexpr double kAdvisoryInhibitFt = 1000.0;
// Below these a descend (and an increase-descent) advisory is not given.
constexpr double kDescendInhibitFt = 1100.0;
constexpr double kIncreaseDescentInhibitFt = 1450.0;
// Own vertical speed: level between these, climbing or descending beyond.
constexpr double kLevelFpm = 200.0;
constexpr double kSteepFpm = 1500.0;
constexpr double kVerySteepFpm = 2000.0;
// Within this of the intruder's altitude, a steep crossing is kept up.
constexpr double kCrossingFt = 500.0;

constexpr double kNone = 0.0;
constexpr TcasSensitivity kNoAdvisories{false, kNone, kNone, kNone, kNone, false, kNone, kNone, kNone};
constexpr TcasSensitivity kSensitivity[] = {
    kNoAdvisories,                                                   // 0 not chosen
    kNoAdvisories,                                                   // 1 standby
    {false, kNone, kNone, kNone, kNone, true, 0.3, 20.0, 850.0},     // 2 below 1000 ft
    {true, 0.2, 15.0, 300.0, 600.0, true, 0.333, 25.0, 850.0},       // 3 to 2350 ft
    {true, 0.35, 20.0, 300.0, 600.0, true, 0.48, 30.0, 850.0},       // 4 to 5000 ft
    {true, 0.55, 25.0, 350.0, 600.0, true, 0.75, 40.0, 850.0},       // 5 to 10000 ft
    {true, 0.8, 30.0, 400.0, 600.0, true, 1.0, 45.0, 850.0},         // 6 to 20000 ft
    {true, 1.1, 35.0, 600.0, 700.0, true, 1.3, 48.0, 850.0},         // 7 above
};

// The radio-altitude bands of levels 2 to 6; above the last, level 7. An
// altitude on a boundary takes the upper level.
struct LevelBand {
  double belowFt;
  int32_t level;
};
constexpr LevelBand kLevelBands[] = {{1000.0, 2}, {2350.0, 3}, {5000.0, 4}, {10000.0, 5}, {20000.0, 6}};
constexpr int32_t kHighestLevel = 7;
constexpr int32_t kStandbyLevel = 1;

// The test of one class: within range or tau, within the altitude limit, closing.
bool Passes(const CTcasTarget& record, double relativeAltitudeFt, double rangeNm, double tauSec, double altitudeFt) {
  const double tau = record.GetTau();
  return (record.GetRange() < rangeNm || (tau > 0.0 && tau < tauSec)) && relativeAltitudeFt >= -altitudeFt &&
         relativeAltitudeFt <= altitudeFt && record.GetClosureRate() > 0.0;
}

struct Classification {
  int32_t threatClass;
  bool preventive;
  bool corrective;
};

Classification Classify(const CTcasTarget& record, double relativeAltitudeFt, const TcasSensitivity& level) {
  if (level.ra && Passes(record, relativeAltitudeFt, level.raRangeNm, level.raTauSec, level.correctiveFt)) {
    return {kTcasCorrectiveAdvisory, false, true};
  }
  if (level.ra && Passes(record, relativeAltitudeFt, level.raRangeNm, level.raTauSec, level.preventiveFt)) {
    return {kTcasPreventiveAdvisory, true, false};
  }
  if (level.ta && Passes(record, relativeAltitudeFt, level.taRangeNm, level.taTauSec, level.taAltitudeFt)) {
    return {kTcasTrafficAdvisory, false, false};
  }
  return {kTcasOtherTraffic, false, false};
}

bool IsAdvisoryClass(int32_t threatClass) { return threatClass >= kTcasPreventiveAdvisory; }

// A class change of one record: the traffic voice, and the start, change or
// end of the advisory when the record holds it (or none is held).
void OnClassChange(CTcas& tcas, CTcasTarget& record, int32_t oldClass, const Classification& now,
                   double radioAltitudeFt) {
  const bool voices = radioAltitudeFt > kVoiceInhibitFt;
  if (now.threatClass == kTcasTrafficAdvisory && voices) EnqueueVoiceMessage(kVoiceTcasTraffic);
  CTcasTarget* threat = tcas.GetThreat();
  if (threat == nullptr) {
    if (!IsAdvisoryClass(now.threatClass)) return;
    tcas.SetThreat(&record);
    EvaluateResolutionAdvisory(now.preventive, now.corrective, &record);
    return;
  }
  // One advisory at a time: another intruder waits until this one is resolved.
  if (std::strcmp(threat->GetId(), record.GetId()) != 0) return;
  if (IsAdvisoryClass(now.threatClass)) {
    EvaluateResolutionAdvisory(now.preventive, now.corrective, &record);
    if (GetSwitch(&g_tcasAbsAltitudeSwitch) == kSwitchOn) SetSwitch(&g_tcasAbsAltitudeSwitch, kSwitchOff);
    return;
  }
  tcas.ClearThreat();
  if (!IsAdvisoryClass(oldClass)) return;
  if (voices) EnqueueVoiceMessage(kVoiceTcasClearOfConflict);
  tcas.SetAdvisoryState(kTcasAdvisoryNone);
}

// Once a second: the own position, the display copy (with the classes and
// ranges before this second's samples) and a range sample of each intruder.
void SampleTraffic(CTcas& tcas) {
  tcas.SetOwnLatLon(ReadScaledToken(Token::Latitude), ReadScaledToken(Token::Longitude));
  tcas.CopyTrafficToDisplay();
  const double tick18 = CurrentTick18();
  for (CTcasTarget* record = tcas.GetTrafficList(); record != nullptr; record = record->GetNext()) {
    if (record->HasId()) record->UpdateClosure(tick18);
  }
}

// The self-test holds everything as it was; its end gives the test-OK message.
bool RunSelfTest(CTcas& tcas) {
  if (GetSwitch(&g_tcasTestSwitch) == kSwitchOn) {
    tcas.SetAdvisoryState(kTcasAdvisorySelfTest);
    return true;
  }
  if (tcas.GetAdvisoryState() == kTcasAdvisorySelfTest) {
    tcas.SetAdvisoryState(kTcasAdvisoryNone);
    EnqueueVoiceMessage(kVoiceTcasTestOk);
  }
  return false;
}

void ClassifyTraffic(CTcas& tcas) {
  const double radioAltitudeFt = ReadRadioAltitudeFt();
  tcas.SetSensitivityLevel(ChooseTcasSensitivityLevel(GetSwitch(&g_transponderMode), radioAltitudeFt));
  const TcasSensitivity& level = TcasSensitivityOf(tcas.GetSensitivityLevel());
  const double ownAltitudeFt = ReadToken(Token::AltitudeFt);
  for (CTcasTarget* record = tcas.GetTrafficList(); record != nullptr; record = record->GetNext()) {
    const Classification now = Classify(*record, record->GetAltitude() - ownAltitudeFt, level);
    const int32_t oldClass = record->GetThreatClass();
    if (record->SetThreatClass(now.threatClass)) OnClassChange(tcas, *record, oldClass, now, radioAltitudeFt);
  }
}

// ---- The advisory table ----

struct Advisory {
  VoiceMessageId voice;
  int32_t state;
};

// Near the ground no descent is commanded: below 1100 ft "maintain" with
// every climb in red; below 1450 ft no increase of descent.
Advisory DescendOrMaintain(double radioAltitudeFt) {
  if (radioAltitudeFt > kDescendInhibitFt) return {kVoiceTcasDescend, kTcasAdvisoryDownward};
  return {kVoiceTcasMaintainVerticalSpeed, kTcasAdvisoryNoClimb};
}
Advisory IncreaseDescentOrLess(double radioAltitudeFt) {
  if (radioAltitudeFt > kIncreaseDescentInhibitFt) return {kVoiceTcasIncreaseDescent, kTcasAdvisoryDownward};
  return DescendOrMaintain(radioAltitudeFt);
}

Advisory AgainstIntruderBelow(bool corrective, double ownFpm, double relativeAltitudeFt) {
  if (ownFpm > -kLevelFpm && ownFpm < kLevelFpm) {
    return corrective ? Advisory{kVoiceTcasClimb, kTcasAdvisoryUpward}
                      : Advisory{kVoiceTcasMaintainVerticalSpeed, kTcasAdvisoryNoDescent};
  }
  if (ownFpm >= kLevelFpm) {
    if (ownFpm > kVerySteepFpm) return {kVoiceTcasMonitorVerticalSpeed, kTcasAdvisoryUpward};
    if (ownFpm > kSteepFpm) return {kVoiceTcasMaintainVerticalSpeed, kTcasAdvisoryUpward};
    return corrective ? Advisory{kVoiceTcasIncreaseClimb, kTcasAdvisoryUpward}
                      : Advisory{kVoiceTcasAdjustVerticalSpeed, kTcasAdvisoryUpward};
  }
  if (ownFpm < -kSteepFpm) {
    if (relativeAltitudeFt >= -kCrossingFt) return {kVoiceTcasCrossingMaintain, kTcasAdvisoryDownward};
    return {kVoiceTcasClimb, kTcasAdvisoryUpward};
  }
  return corrective ? Advisory{kVoiceTcasIncreaseClimb, kTcasAdvisoryUpward}
                    : Advisory{kVoiceTcasClimb, kTcasAdvisoryUpward};
}

// Two rows paint bands that would steer against their own words, so they
// take the bands that agree: "maintain vertical speed" in level flight under
// an intruder forbids the climb toward it (not the descent away from it), and
// "crossing, maintain" while climbing through an intruder keeps the climb up.
Advisory AgainstIntruderAbove(bool corrective, double ownFpm, double relativeAltitudeFt, double radioAltitudeFt) {
  if (ownFpm > -kLevelFpm && ownFpm < kLevelFpm) {
    return corrective ? DescendOrMaintain(radioAltitudeFt)
                      : Advisory{kVoiceTcasMaintainVerticalSpeed, kTcasAdvisoryNoClimb};
  }
  if (ownFpm <= -kLevelFpm) {
    if (ownFpm < -kVerySteepFpm) return {kVoiceTcasMonitorVerticalSpeed, kTcasAdvisoryDownward};
    if (ownFpm < -kSteepFpm) return {kVoiceTcasMaintainVerticalSpeed, kTcasAdvisoryDownward};
    return corrective ? IncreaseDescentOrLess(radioAltitudeFt)
                      : Advisory{kVoiceTcasAdjustVerticalSpeed, kTcasAdvisoryDownward};
  }
  if (ownFpm > kSteepFpm) {
    if (relativeAltitudeFt <= kCrossingFt) return {kVoiceTcasCrossingMaintain, kTcasAdvisoryUpward};
    return DescendOrMaintain(radioAltitudeFt);
  }
  return corrective ? IncreaseDescentOrLess(radioAltitudeFt) : DescendOrMaintain(radioAltitudeFt);
}

}  // namespace

const TcasSensitivity& TcasSensitivityOf(int32_t level) {
  if (level < 0 || level >= static_cast<int32_t>(std::size(kSensitivity))) return kNoAdvisories;
  return kSensitivity[level];
}

int32_t ChooseTcasSensitivityLevel(int32_t transponderMode, double radioAltitudeFt) {
  if (transponderMode != kTransponderModeTaOnly && transponderMode != kTransponderModeTaRa) return kStandbyLevel;
  for (const LevelBand& band : kLevelBands) {
    if (radioAltitudeFt < band.belowFt) return band.level;
  }
  return kHighestLevel;
}

void UpdateTcas() {
  CreateTcas();
  if (g_tcas == nullptr) return;
  CTcas& tcas = *g_tcas;
  if (IsTickDue(kChannel1Hz) != 0) SampleTraffic(tcas);
  if (!RunSelfTest(tcas)) ClassifyTraffic(tcas);
  UpdateTcasBrightness();
}

void EvaluateResolutionAdvisory(bool preventive, bool corrective, const CTcasTarget* target) {
  if (g_tcas == nullptr || target == nullptr) return;
  const double ownFpm = ReadVerticalSpeedFpm();
  const double ownAltitudeFt = ReadToken(Token::AltitudeFt);
  const double radioAltitudeFt = ReadRadioAltitudeFt();
  if (radioAltitudeFt <= kAdvisoryInhibitFt) return;
  // The step sets exactly one of the two; the table reads the corrective one.
  static_cast<void>(preventive);
  const double relativeAltitudeFt = target->GetAltitude() - ownAltitudeFt;
  const Advisory advisory = target->GetAltitude() < ownAltitudeFt
                                ? AgainstIntruderBelow(corrective, ownFpm, relativeAltitudeFt)
                                : AgainstIntruderAbove(corrective, ownFpm, relativeAltitudeFt, radioAltitudeFt);
  EnqueueVoiceMessage(advisory.voice);
  g_tcas->SetAdvisoryState(advisory.state);
}

}  // namespace halcyon
