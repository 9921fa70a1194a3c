// [EPR] of HalcyonPro.ini, the EPR bugs, the engine indications and the EPR
// throttle law.
#include "systems/epr.h"

#include <algorithm>
#include <cmath>

#include "core/helpers.h"
#include "core/ini_values.h"
#include "core/panel_services.h"
#include "systems/thrust_rating.h"

namespace halcyon {

EprBug g_eprBug1{};
EprBug g_eprBug2{};

namespace {

constexpr const wchar_t* kSection = L"EPR";
constexpr uint32_t kBugBuffer = 20;
constexpr uint32_t kModeBuffer = 5;
constexpr double kEprStep = 0.01;

struct EngineTokens {
  Token turbineSpeedPct;  // the EPR source
  Token sdpSource;
  Token edpSource;
};
constexpr EngineTokens kEngineTokens[2] = {
    {Token::Engine1N2Pct, Token::Engine1OilPressure, Token::Engine1Egt},
    {Token::Engine2N2Pct, Token::Engine2OilPressure, Token::Engine2Egt},
};

struct EprKeys {
  EprBug* record;
  const wchar_t* bugKey;
  const wchar_t* modeKey;
};
const EprKeys kKeys[2] = {
    {&g_eprBug1, L"eng1_epr_bug", L"eng1_epr_mode"},
    {&g_eprBug2, L"eng2_epr_bug", L"eng2_epr_mode"},
};

double LimitBug(double value) { return std::clamp(value, kEprBugMin, kEprBugMax); }

bool IsEngine(int32_t engine) { return engine == 1 || engine == 2; }

void LimitBoth(EprBug* record) {
  record->bug = LimitBug(record->bug);
  record->trpBug = LimitBug(record->trpBug);
}

}  // namespace

void SetEprBug(EprBug* record, double value) { record->bug = LimitBug(value); }
void SetEprTrpBug(EprBug* record, double value) { record->trpBug = LimitBug(value); }
double GetEprBug(const EprBug* record) { return record->bug; }
double GetEprTrpBug(const EprBug* record) { return record->trpBug; }
void SetEprBugMode(EprBug* record, int32_t value) { record->mode = value != 0 ? kEprBugTrp : kEprBugManual; }
int32_t GetEprBugMode(const EprBug* record) { return record->mode; }
void ToggleEprBugMode(EprBug* record) { record->mode = record->mode == kEprBugTrp ? kEprBugManual : kEprBugTrp; }

void IncEprBug(EprBug* record) {
  if (record->mode == kEprBugManual) {
    record->bug += kEprStep;
  } else if (record->mode == kEprBugTrp) {
    record->trpBug += kEprStep;
  } else {
    record->bug = kEprBugMax;
  }
  LimitBoth(record);
}

void DecEprBug(EprBug* record) {
  if (record->mode == kEprBugManual) {
    record->bug -= kEprStep;
  } else if (record->mode == kEprBugTrp) {
    record->trpBug -= kEprStep;
  } else {
    record->bug = kEprBugMin;
  }
  LimitBoth(record);
}

void LoadEpr() {
  for (const EprKeys& keys : kKeys) SetEprBug(keys.record, ReadIniReal(kSection, keys.bugKey, L"0", kBugBuffer));
  for (const EprKeys& keys : kKeys) SetEprBugMode(keys.record, ReadIniInt(kSection, keys.modeKey, L"1", kModeBuffer));
}

void UpdateEpr() {
  for (const EprKeys& keys : kKeys) {
    if (keys.record->mode == kEprBugTrp) SetEprTrpBug(keys.record, GetTrpTarget());
  }
}

void SaveEpr() {
  for (const EprKeys& keys : kKeys) WriteIniInt(kSection, keys.modeKey, keys.record->mode);
  for (const EprKeys& keys : kKeys) WriteIniReal(kSection, keys.bugKey, L"%f", keys.record->bug);
}

double GetEprDisplayValue(int32_t engine) {
  double e = -1.0;
  if (IsEngine(engine)) {
    const double v = ReadToken(kEngineTokens[engine - 1].turbineSpeedPct);
    if (v > 55.0) {
      e = (v - 55.0) / 45.92 + 1.0;
    } else if (v > 50.0) {
      e = 1.0 - (55.0 - v) * 0.01;
    } else if (v > 45.0) {
      e = 1.0 - (v - 45.0) * 0.01;
    } else {
      e = 1.0;
    }
  }
  const double altitudeFt = ReadToken(Token::AltitudeFt);
  if (altitudeFt > 11000.0) e += e * (altitudeFt - 11000.0) * 0.000001461538;
  return e;
}

double GetSdpValue(int32_t engine) {
  if (!IsEngine(engine)) return 0.0;
  const double v = ReadToken(kEngineTokens[engine - 1].sdpSource);
  return v >= 6500.0 ? (v - 6500.0) / 800.0 + 40.0 : v / 162.5;
}

double GetEdpValue(int32_t engine) {
  if (!IsEngine(engine)) return 0.0;
  const double v = ReadToken(kEngineTokens[engine - 1].edpSource);
  if (v < 2000.0) return v / 91.5995092849;
  if (v < 3600.0) return (v - 2000.0) / 5.91063534408 + 39.3015205879;
  return (v - 3600.0) / 14.375 + 310.0;
}

double RoundDownToMultiple(double x, uint32_t n) {
  const uint32_t u = TruncateSaturated<uint32_t>(x);
  if (n == 0) return u;
  return static_cast<double>(u - u % n);
}

int32_t EprToThrottlePosition(double target, double current) {
  int32_t p = TruncateSaturated<int32_t>((target - 1.0) * 16500.0);
  if (ReadToken(Token::OnGround) == 0.0) {
    p += std::clamp(TruncateSaturated<int32_t>((target - current) * 20000.0), -1000, 1000);
  }
  return p;
}

}  // namespace halcyon
