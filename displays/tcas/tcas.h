// The TCAS computer's object and its lists: one record per intruder, built
// from the simulator's AI traffic by the SimConnect client, aged at each
// traffic request and purged once an intruder stops answering; a copy of
// that list for the TCAS display; the display's dimmer and brightness
// ([TCAS] DimmerSwitch of HalcyonPro.ini), the sensitivity level, the
// resolution advisory's threat and state, the own position and the no-TCAS
// flag of the TCAS panel's push button. Positions are in degrees, longitude
// east-positive as the simulator gives it.
#pragma once

#include <cstdint>

#include "nav/latlon.h"

namespace halcyon {

enum TcasThreatClass : int32_t {
  kTcasOtherTraffic = 0,
  kTcasTrafficAdvisory = 1,
  kTcasPreventiveAdvisory = 2,
  kTcasCorrectiveAdvisory = 3,
};

// What the display's vertical-speed bands show (tcas_logic.cpp chooses it).
enum TcasAdvisoryState : int32_t {
  kTcasAdvisoryNone = 0,
  kTcasAdvisoryUpward = 1,          // red below +1500 ft/min, green +1500..+2000
  kTcasAdvisoryNoClimb = 2,         // red on every climb, green 0..-300
  kTcasAdvisoryDownward = 3,        // red above -1500 ft/min, green -1500..-2000
  kTcasAdvisoryNoDescent = 4,       // red on every descent, green 0..+300
  kTcasAdvisorySelfTest = 5,
};

// Countdown a traffic answer starts; each request takes one off.
constexpr int32_t kTcasSeenCountdown = 5;

// One intruder and one node of a list; each record owns the next.
class CTcasTarget {
 public:
  CTcasTarget() = default;
  ~CTcasTarget();
  CTcasTarget(const CTcasTarget&) = delete;
  CTcasTarget& operator=(const CTcasTarget&) = delete;

  // A display copy: what the picture needs, with a fresh countdown and no
  // range sample; the height above ground and tau stay behind.
  void CopyFrom(const CTcasTarget& source);
  // Back to an empty record; the records after it are deleted.
  void Reset();

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
  // True when the class differs from the one held before.
  bool SetThreatClass(int32_t threatClass);
  int32_t GetThreatClass() const { return threatClass_; }
  void ComputeRange(const CLatLon& own, const CLatLon& intruder);
  void SetRange(double nm) { rangeNm_ = nm; }
  double GetRange() const { return rangeNm_; }
  void ComputeBearing(const CLatLon& own, const CLatLon& intruder);
  void SetBearing(double deg) { bearingDeg_ = deg; }
  double GetBearing() const { return bearingDeg_; }
  // A range sample at a TICK18 value: the first only starts the measurement;
  // from the second on, closure rate (NM/s, positive closing) and tau (s).
  void UpdateClosure(double tick18);
  double GetClosureRate() const { return closureNmPerSec_; }
  double GetTau() const { return tauSec_; }
  // Seen: the countdown starts again; not seen: it goes down by one.
  void SetSeen(bool seen);
  bool IsSeen() const { return seenCountdown_ > 0; }
  int32_t GetSeenCountdown() const { return seenCountdown_; }

  CTcasTarget* GetNext() const { return next_; }
  // Links without deleting or copying.
  void SetNext(CTcasTarget* next) { next_ = next; }
  // Deletes the records after this one and links a new empty record.
  CTcasTarget* AppendNew();

 private:
  char id_[256] = {};
  CLatLon position_;
  double altitudeFt_ = kUnsetValue;
  double heightAboveGroundFt_ = kUnsetValue;
  double verticalSpeedFpm_ = kUnsetValue;
  int32_t threatClass_ = kTcasOtherTraffic;
  int32_t seenCountdown_ = 0;
  double rangeNm_ = kUnsetValue;
  double bearingDeg_ = kUnsetValue;
  double closureNmPerSec_ = kUnsetValue;
  double lastSampleTick18_ = kUnsetValue;
  double lastSampleRangeNm_ = kUnsetValue;
  double tauSec_ = kUnsetValue;
  CTcasTarget* next_ = nullptr;
};

class CTcas {
 public:
  // Reads the dimmer from [TCAS] DimmerSwitch; the destructor writes it back.
  CTcas();
  ~CTcas();
  CTcas(const CTcas&) = delete;
  CTcas& operator=(const CTcas&) = delete;

  // Dimmer 0..1: a value outside is ignored; the steps stop at the ends.
  void SetDimmer(double value);
  double GetDimmer() const { return dimmer_; }
  void DimmerUp();
  void DimmerDown();
  void SetBrightness(double value);
  double GetBrightness() const { return brightness_; }
  void SetSensitivityLevel(int32_t level) { sensitivityLevel_ = level; }
  int32_t GetSensitivityLevel() const { return sensitivityLevel_; }

  // The first record of each list: a lone empty record while there is no traffic.
  CTcasTarget* GetTrafficList() const { return traffic_; }
  CTcasTarget* GetDisplayList() const { return display_; }
  void AppendTarget(const char* id, const CLatLon& position, double altitudeFt, double heightAboveGroundFt,
                    double verticalSpeedFpm, double tick18);
  CTcasTarget* FindTarget(const char* id) const;
  // Unlinks and deletes a traffic record other than a lone one.
  void RemoveTarget(CTcasTarget* record);
  void AgeTargets();
  void PurgeUnseenTargets();
  void CopyTrafficToDisplay();

  // The traffic record that holds the resolution advisory; null when none.
  // A record that leaves the list takes the advisory with it.
  void SetThreat(CTcasTarget* record) { threat_ = record; }
  CTcasTarget* GetThreat() const { return threat_; }
  void ClearThreat() { threat_ = nullptr; }
  void SetAdvisoryState(int32_t state) { advisoryState_ = state; }
  int32_t GetAdvisoryState() const { return advisoryState_; }

  void SetOwnPosition(const CLatLon& position) { ownPosition_.Set(position); }
  void SetOwnLatLon(double latitudeDeg, double longitudeDeg) { ownPosition_.SetLatLon(latitudeDeg, longitudeDeg); }
  const CLatLon* GetOwnPosition() const { return &ownPosition_; }

  void SetNoTcas(bool set) { noTcas_ = set; }
  bool IsNoTcas() const { return noTcas_; }
  void ToggleNoTcas() { noTcas_ = !noTcas_; }

 private:
  // Deletes one unlinked record; the advisory it held ends with it.
  void DeleteRecord(CTcasTarget* record);

  double dimmer_ = 0.0;
  double brightness_ = 0.0;
  CTcasTarget* traffic_;
  CTcasTarget* display_;
  int32_t sensitivityLevel_ = 0;
  CTcasTarget* threat_ = nullptr;
  int32_t advisoryState_ = kTcasAdvisoryNone;
  CLatLon ownPosition_{0.0, 0.0};
  bool noTcas_ = false;
};

// Null until the start-up step creates it, and again after shut-down.
extern CTcas* g_tcas;

void CreateTcas();
void DestroyTcas();
// Every tick, at the end of the TCAS step: the displayed brightness follows
// the dimmer 0.01 a tick while the panel has normal power, and is 0 without.
void UpdateTcasBrightness();

}  // namespace halcyon
