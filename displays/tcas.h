// The TCAS computer's object and its traffic list: one record per intruder,
// built from the simulator's AI traffic by the SimConnect client, aged at
// each traffic request and purged once an intruder stops answering.
// Positions are in degrees, longitude east-positive as the simulator gives it.
// So far only the traffic list is built; surveillance, advisories, the
// display list and the dimmer come with the TCAS itself.
#pragma once

#include <cstdint>

#include "nav/latlon.h"

namespace halcyon {

// One intruder and one node of the traffic list; each record owns the next.
class CTcasTarget {
 public:
  CTcasTarget() = default;
  ~CTcasTarget();
  CTcasTarget(const CTcasTarget&) = delete;
  CTcasTarget& operator=(const CTcasTarget&) = delete;

  bool HasId() const { return id_[0] != '\0'; }
  void SetId(const char* id);
  const char* GetId() const { return id_; }
  void SetPosition(const CLatLon& position) { position_.Set(position); }
  const CLatLon* GetPositionObject() const { return &position_; }
  void SetAltitude(double feet) { altitudeFt_ = feet; }
  double GetAltitude() const { return altitudeFt_; }
  void SetHeightAboveGround(double feet) { heightAboveGroundFt_ = feet; }
  double GetHeightAboveGround() const { return heightAboveGroundFt_; }
  void SetVerticalSpeed(double feetPerMinute) { verticalSpeedFpm_ = feetPerMinute; }
  double GetVerticalSpeed() const { return verticalSpeedFpm_; }
  void ComputeRange(const CLatLon& own, const CLatLon& intruder);
  void ComputeBearing(const CLatLon& own, const CLatLon& intruder);
  double GetRange() const { return rangeNm_; }
  double GetBearing() const { return bearingDeg_; }
  // Seen: the countdown starts again at 5; not seen: it goes down by one.
  void SetSeen(bool seen);
  bool IsSeen() const { return seenCountdown_ > 0; }
  int32_t GetSeenCountdown() const { return seenCountdown_; }

  CTcasTarget* GetNext() const { return next_; }
  void SetNext(CTcasTarget* next) { next_ = next; }
  // Deletes the records after this one and links a new empty record.
  CTcasTarget* AppendNew();

 private:
  char id_[256] = {};
  CLatLon position_;
  double altitudeFt_ = kUnsetValue;
  double heightAboveGroundFt_ = kUnsetValue;
  double verticalSpeedFpm_ = kUnsetValue;
  int32_t seenCountdown_ = 0;
  double rangeNm_ = kUnsetValue;
  double bearingDeg_ = kUnsetValue;
  CTcasTarget* next_ = nullptr;
};

class CTcas {
 public:
  CTcas();
  ~CTcas();
  CTcas(const CTcas&) = delete;
  CTcas& operator=(const CTcas&) = delete;

  // The first record: a lone empty record while there is no traffic.
  CTcasTarget* GetTrafficList() const { return traffic_; }
  void AppendTarget(const char* id, const CLatLon& position, double altitudeFt, double heightAboveGroundFt,
                    double verticalSpeedFpm, double tick18);
  CTcasTarget* FindTarget(const char* id) const;
  void AgeTargets();
  void PurgeUnseenTargets();
  void SetOwnLatLon(double latitudeDeg, double longitudeDeg) { ownPosition_.SetLatLon(latitudeDeg, longitudeDeg); }
  const CLatLon* GetOwnPosition() const { return &ownPosition_; }

 private:
  CTcasTarget* traffic_;
  CLatLon ownPosition_{0.0, 0.0};
};

// Null until the start-up step creates it, and again after shut-down.
extern CTcas* g_tcas;

void CreateTcas();
void DestroyTcas();

}  // namespace halcyon
