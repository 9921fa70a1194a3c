// The TCAS traffic list: append, find, age and purge.
#include "displays/tcas.h"

#include <cstdio>
#include <cstring>
#include <new>

#include "nav/great_circle.h"

namespace halcyon {

CTcas* g_tcas = nullptr;

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

void CTcasTarget::SetId(const char* id) { std::snprintf(id_, sizeof(id_), "%s", id != nullptr ? id : ""); }

void CTcasTarget::ComputeRange(const CLatLon& own, const CLatLon& intruder) {
  rangeNm_ = GreatCircleDistanceNm(own.GetLat(), own.GetLon(), intruder.GetLat(), intruder.GetLon());
}

// On the east-positive longitudes as they stand, as the TCAS picture expects.
void CTcasTarget::ComputeBearing(const CLatLon& own, const CLatLon& intruder) {
  bearingDeg_ = InitialBearing(own.GetLat(), own.GetLon(), intruder.GetLat(), intruder.GetLon());
}

void CTcasTarget::SetSeen(bool seen) { seenCountdown_ = seen ? 5 : seenCountdown_ - 1; }

CTcasTarget* CTcasTarget::AppendNew() {
  delete next_;
  next_ = new CTcasTarget();
  return next_;
}

CTcas::CTcas() : traffic_(new CTcasTarget()) {}

CTcas::~CTcas() { delete traffic_; }

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
      record->SetNext(nullptr);
      delete record;
    }
    record = next;
  }
  if (traffic_ == nullptr) traffic_ = new CTcasTarget();
}

void CreateTcas() {
  if (g_tcas == nullptr) g_tcas = new (std::nothrow) CTcas();
}

void DestroyTcas() {
  delete g_tcas;
  g_tcas = nullptr;
}

}  // namespace halcyon
