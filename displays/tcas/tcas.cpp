// The TCAS lists: append, find, age, purge and the display copy; range
// samples; the dimmer, its INI key and the brightness ramp.
#include "displays/tcas/tcas.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <new>

#include "core/controls.h"
#include "core/ini_values.h"
#include "nav/great_circle.h"
#include "systems/electric.h"

namespace halcyon {

CTcas* g_tcas = nullptr;

namespace {

constexpr const wchar_t* kTcasSection = L"TCAS";
constexpr const wchar_t* kDimmerKey = L"DimmerSwitch";
constexpr double kDimmerStep = 0.1;
constexpr double kBrightnessStepPerTick = 0.01;
constexpr double kTicksPerSecond = 18.0;

// The crew aids' situations and the scenarios set the dimmer by its key, and
// read it back, in tenths (0 before the TCAS is made).
void MoveDimmer(int32_t tenths) {
  if (g_tcas != nullptr) g_tcas->SetDimmer(tenths / 10.0);
}
int32_t ReadDimmer() { return g_tcas != nullptr ? static_cast<int32_t>(std::lround(g_tcas->GetDimmer() * 10.0)) : 0; }
struct RegisterDimmer {
  RegisterDimmer() { RegisterControl(kTcasSection, kDimmerKey, nullptr, MoveDimmer, ReadDimmer, ControlRange{0, 10}); }
};
const RegisterDimmer kRegisterDimmer;

}  // namespace

// ---- CTcasTarget ----

CTcasTarget::~CTcasTarget() {
  // Deleting a long list record by record keeps the stack flat.
  CTcasTarget* next = next_;
  while (next != nullptr) {
    CTcasTarget* after = next->next_;
    next->next_ = nullptr;
    delete next;
    next = after;
  }
}

void CTcasTarget::CopyFrom(const CTcasTarget& source) {
  SetId(source.id_);
  position_.Set(source.position_);
  altitudeFt_ = source.altitudeFt_;
  verticalSpeedFpm_ = source.verticalSpeedFpm_;
  threatClass_ = source.threatClass_;
  rangeNm_ = source.rangeNm_;
  bearingDeg_ = source.bearingDeg_;
  closureNmPerSec_ = source.closureNmPerSec_;
  seenCountdown_ = 0;
  lastSampleTick18_ = kUnsetValue;
  lastSampleRangeNm_ = kUnsetValue;
  delete next_;
  next_ = nullptr;
}

void CTcasTarget::Reset() {
  delete next_;
  next_ = nullptr;
  id_[0] = '\0';
  position_ = CLatLon();
  altitudeFt_ = kUnsetValue;
  verticalSpeedFpm_ = kUnsetValue;
  rangeNm_ = kUnsetValue;
  threatClass_ = kTcasOtherTraffic;
  seenCountdown_ = 0;
}

void CTcasTarget::SetId(const char* id) { std::snprintf(id_, sizeof(id_), "%s", id != nullptr ? id : ""); }

bool CTcasTarget::SetThreatClass(int32_t threatClass) {
  const bool changed = threatClass != threatClass_;
  threatClass_ = threatClass;
  return changed;
}

void CTcasTarget::ComputeRange(const CLatLon& own, const CLatLon& intruder) {
  rangeNm_ = GreatCircleDistanceNm(own.GetLat(), own.GetLon(), intruder.GetLat(), intruder.GetLon());
}

// On the east-positive longitudes as they stand; nothing reads the bearing
// (the picture projects the positions themselves).
void CTcasTarget::ComputeBearing(const CLatLon& own, const CLatLon& intruder) {
  bearingDeg_ = InitialBearing(own.GetLat(), own.GetLon(), intruder.GetLat(), intruder.GetLon());
}

void CTcasTarget::UpdateClosure(double tick18) {
  if (lastSampleTick18_ == kUnsetValue) {
    lastSampleTick18_ = tick18;
    lastSampleRangeNm_ = rangeNm_;
    return;
  }
  // A second sample on the same tick (or a clock set back) has no time to
  // divide by: the rate measured before stands.
  const double dtSec = (tick18 - lastSampleTick18_) / kTicksPerSecond;
  if (!(dtSec > 0.0)) return;
  closureNmPerSec_ = (lastSampleRangeNm_ - rangeNm_) / dtSec;
  tauSec_ = closureNmPerSec_ != 0.0 ? rangeNm_ / closureNmPerSec_ : kUnsetValue;
  lastSampleTick18_ = tick18;
  lastSampleRangeNm_ = rangeNm_;
}

void CTcasTarget::SetSeen(bool seen) { seenCountdown_ = seen ? kTcasSeenCountdown : seenCountdown_ - 1; }

CTcasTarget* CTcasTarget::AppendNew() {
  delete next_;
  next_ = new CTcasTarget();
  return next_;
}

// ---- CTcas ----

CTcas::CTcas() : traffic_(new CTcasTarget()), display_(new CTcasTarget()) {
  // Read through four characters as every TCAS key; a value beyond the knob's
  // travel is held at its end.
  dimmer_ = ReadIniRealWithin(kTcasSection, kDimmerKey, L"0.0", 0.0, 1.0);
  brightness_ = dimmer_;
}

CTcas::~CTcas() {
  WriteIniReal(kTcasSection, kDimmerKey, L"%f", dimmer_);
  threat_ = nullptr;
  delete traffic_;
  delete display_;
}

void CTcas::SetDimmer(double value) {
  if (value >= 0.0 && value <= 1.0) dimmer_ = value;
}

// The steps land on the tenths, so ten steps down reach a dark 0 exactly.
void CTcas::DimmerUp() { dimmer_ = std::min(1.0, std::round((dimmer_ + kDimmerStep) * 10.0) / 10.0); }
void CTcas::DimmerDown() { dimmer_ = std::max(0.0, std::round((dimmer_ - kDimmerStep) * 10.0) / 10.0); }

void CTcas::SetBrightness(double value) {
  if (value >= 0.0 && value <= 1.0) brightness_ = value;
}

void CTcas::AppendTarget(const char* id, const CLatLon& position, double altitudeFt, double heightAboveGroundFt,
                         double verticalSpeedFpm, double) {
  CTcasTarget* last = traffic_;
  while (last->GetNext() != nullptr) last = last->GetNext();
  CTcasTarget* record = (last != traffic_ || traffic_->HasId()) ? last->AppendNew() : traffic_;
  record->SetId(id);
  record->SetPosition(position);
  record->SetAltitude(altitudeFt);
  record->SetHeightAboveGround(heightAboveGroundFt);
  record->SetVerticalSpeed(verticalSpeedFpm);
  record->ComputeRange(ownPosition_, position);
  record->ComputeBearing(ownPosition_, position);
  record->SetSeen(true);
}

CTcasTarget* CTcas::FindTarget(const char* id) const {
  for (CTcasTarget* record = traffic_; record != nullptr; record = record->GetNext()) {
    if (std::strcmp(record->GetId(), id) == 0) return record;
  }
  return nullptr;
}

void CTcas::DeleteRecord(CTcasTarget* record) {
  // The advisory of an aircraft that is gone has nothing left to resolve; the
  // record must not be reached through the threat once it is deleted.
  if (record == threat_) {
    threat_ = nullptr;
    if (advisoryState_ != kTcasAdvisorySelfTest) advisoryState_ = kTcasAdvisoryNone;
  }
  record->SetNext(nullptr);
  delete record;
}

void CTcas::RemoveTarget(CTcasTarget* record) {
  if (record == nullptr || (record == traffic_ && traffic_->GetNext() == nullptr)) return;
  CTcasTarget* previous = nullptr;
  for (CTcasTarget* at = traffic_; at != nullptr; previous = at, at = at->GetNext()) {
    if (at != record) continue;
    if (previous == nullptr) {
      traffic_ = at->GetNext();
    } else {
      previous->SetNext(at->GetNext());
    }
    DeleteRecord(at);
    return;
  }
}

void CTcas::AgeTargets() {
  for (CTcasTarget* record = traffic_; record != nullptr; record = record->GetNext()) record->SetSeen(false);
}

void CTcas::PurgeUnseenTargets() {
  CTcasTarget* previous = nullptr;
  CTcasTarget* record = traffic_;
  while (record != nullptr) {
    CTcasTarget* next = record->GetNext();
    if (record->IsSeen()) {
      previous = record;
    } else {
      if (previous == nullptr) {
        traffic_ = next;
      } else {
        previous->SetNext(next);
      }
      DeleteRecord(record);
    }
    record = next;
  }
  if (traffic_ == nullptr) traffic_ = new CTcasTarget();
}

void CTcas::CopyTrafficToDisplay() {
  display_->Reset();
  CTcasTarget* copy = display_;
  for (const CTcasTarget* record = traffic_; record != nullptr; record = record->GetNext()) {
    copy->CopyFrom(*record);
    if (record->GetNext() != nullptr) copy = copy->AppendNew();
  }
}

// ---- Life cycle ----

void CreateTcas() {
  if (g_tcas == nullptr) g_tcas = new (std::nothrow) CTcas();
}

void DestroyTcas() {
  delete g_tcas;
  g_tcas = nullptr;
}

void UpdateTcasBrightness() {
  if (g_tcas == nullptr) return;
  const double dimmer = g_tcas->GetDimmer();
  double level = g_tcas->GetBrightness();
  if (IsPowerState(kPowerNormal) == 0) {
    level = 0.0;
  } else if (dimmer > level) {
    level = level + kBrightnessStepPerTick > dimmer ? dimmer : level + kBrightnessStepPerTick;
  } else if (dimmer < level) {
    level = level - kBrightnessStepPerTick < dimmer ? dimmer : level - kBrightnessStepPerTick;
  }
  g_tcas->SetBrightness(level);
}

}  // namespace halcyon
