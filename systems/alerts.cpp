// What sets the overhead annunciator lamps and the alert messages: once a
// second every lamp and every message is tested against the state of the
// system that owns its condition, in a fixed order; a set or add may raise
// master warning or caution, and its clear or remove releases it. Reads
// nearly every system of the aircraft; drives the lamp table, the alert list
// and the master lights.
#include <array>

#include "core/panel_services.h"
#include "core/tick_scheduler.h"
#include "systems/alert_list.h"
#include "systems/annunciator_lamps.h"
#include "systems/apu.h"
#include "systems/cabin_press.h"
#include "systems/electric.h"
#include "systems/engine_start.h"
#include "systems/epr.h"
#include "systems/fire_protection.h"
#include "systems/fuel_pumps.h"
#include "systems/fuel_quantity.h"
#include "systems/ground_spoilers.h"
#include "systems/hydraulics.h"
#include "systems/ice_protection.h"
#include "systems/kept_controls.h"
#include "systems/levers.h"
#include "systems/rain.h"
#include "systems/reserve_thrust.h"
#include "systems/thrust_rating.h"
#include "systems/various.h"
#include "systems/warning_lights.h"

namespace halcyon {
namespace {

constexpr double kDegPerRad = 57.29577951308232;
constexpr double kLampAngleLimitDeg = -19.0;
constexpr double kLowSpeedLampSetKt = 144.0;
constexpr double kLowSpeedLampClearKt = 181.0;
constexpr double kCabinAltitudeLimitFt = 10000.0;
constexpr double kCabinDiffPressureLimitPsi = 8.0;
constexpr double kCenterPressureTankLb = 25.0;   // centre pumps run dry below this
constexpr double kCenterFeedTankLb = 10.0;       // centre pumps still feed above this
constexpr double kFuelLevelLowLb = 2500.0;
constexpr double kOilPressureLowPsi = 40.0;
constexpr double kHydraulicPressureLowPsi = 1350.0;
constexpr double kApuOilRpmLowPct = 10.0;
constexpr double kApuOilRpmHighPct = 90.0;
constexpr double kSpoilerDeployed = 1000.0;
constexpr double kFlapsExtendedForSpoilers = 4500.0;

// Positions the alerts test that their systems do not name.
constexpr int32_t kCrossTieLockout = 42;    // [ELECTRIC] ac_bus_x_tie, dc_bus_x_tie closed
constexpr int32_t kDcBusTieOpen = 122;
constexpr int32_t kPitotHeatOffSelector = 2;  // [ICE PROTECTION] meter_selector
constexpr int32_t kRudderManual = 9;          // [HYDRAULIC] lever
constexpr int32_t kRudderPowered = 1;
constexpr int32_t kFdrTest = 64;
constexpr int32_t kArtSwitchOff = kSwitchOff;

// What the evaluation reads, once, before it tests the rows.
struct AlertInputs {
  bool onGround;
  double airspeedKt;
  bool autopilot;
  bool parkingBrake;
  double spoilerHandle;
  double spoilerLeft;
  double spoilerRight;
  double flapPosition;
  bool gearHandleDown;
  double lampAngleDeg;
  bool doorsOpen;
  bool panelPowered;
  std::array<bool, 2> acBus;
  std::array<bool, 2> generator;
  bool apuGeneratorAvailable;
  bool apuOnBusLamp;
  bool emergencyPower;
  bool emergencyPowerOff;
  int32_t acBusTie;
  int32_t dcBusTie;
  bool batteryOn;
  std::array<bool, 7> pump;
  std::array<double, 3> tankLb;
  bool crossFeedOpen;
  std::array<double, 2> oilPressurePsi;
  std::array<double, 2> hydraulicPsi;
  std::array<int32_t, 2> starter;
  std::array<bool, 2> starterValve;
  double apuRpmPct;
  bool fireTest;
  bool apuFire;
  bool engineFire;
  bool artOn;
  int32_t trpMode;
  bool groundSpoilerDeployed;
  int32_t hydraulicLever;
  bool rainPanel;
  std::array<bool, 4> iceFlag;
  double cabinAltitudeFt;
  double cabinDiffPsi;
};

AlertInputs ReadAlertInputs() {
  AlertInputs in{};
  in.onGround = ReadToken(Token::OnGround) != 0.0;
  in.airspeedKt = ReadToken(Token::IndicatedAirspeedKt);
  in.autopilot = ReadToken(Token::AutopilotEngaged) != 0.0;
  in.parkingBrake = ReadToken(Token::ParkingBrake) != 0.0;
  in.spoilerHandle = ReadToken(Token::SpoilerHandle);
  in.spoilerLeft = ReadToken(Token::SpoilerLeft);
  in.spoilerRight = ReadToken(Token::SpoilerRight);
  in.flapPosition = ReadToken(Token::FlapPosition);
  in.gearHandleDown = ReadToken(Token::GearHandle) != 0.0;
  in.lampAngleDeg = ReadToken(Token::AlertLampAngleRad) * kDegPerRad;
  in.doorsOpen = ReadToken(Token::DoorsOpen) != 0.0;
  in.panelPowered = IsPanelPowered() != 0;
  for (int32_t side = 0; side < 2; ++side) {
    in.acBus[side] = IsAcBusPowered(side) != 0;
    in.generator[side] = IsGeneratorOnline(side) != 0;
    in.oilPressurePsi[side] = GetSdpValue(side + 1);
    in.hydraulicPsi[side] = GetHydraulicPressure(side + 1);
    in.starter[side] = GetStarterSwitchPosition(side + 1);
  }
  // An engine's start valve is open while the simulator's starter turns it.
  in.starterValve = {ReadToken(Token::Engine1Starter) != 0.0, ReadToken(Token::Engine2Starter) != 0.0};
  in.apuGeneratorAvailable = GetSwitch(&g_apuGeneratorAvailable) == kApuGeneratorIsAvailable;
  in.apuOnBusLamp = IsApuOnBusLampOn(0) != 0;
  in.emergencyPower = GetSwitch(&g_emergencyPowerSwitch) == kSwitchOn;
  in.emergencyPowerOff = GetSwitch(&g_emergencyPowerSwitch) == kSwitchOff;
  in.acBusTie = GetSwitch(&g_acBusTieSwitch);
  in.dcBusTie = GetSwitch(&g_dcBusTieSwitch);
  in.batteryOn = IsBatterySwitchOn() != 0;
  for (int32_t pump = 0; pump < 7; ++pump) in.pump[pump] = IsFuelPumpRunning(pump) != 0;
  for (int32_t tank = 0; tank < 3; ++tank) in.tankLb[tank] = GetFuelQuantityValue(tank);
  in.crossFeedOpen = GetSwitch(&g_fuelXFeedLever) == kFuelXFeedLeverOpen;
  in.apuRpmPct = GetApuRpm();
  in.fireTest = IsFireTestPressed() != 0;
  in.apuFire = IsApuOnFire() != 0;
  in.engineFire = IsEngineOnFire(1) != 0 || IsEngineOnFire(2) != 0;
  in.artOn = GetSwitch(&g_artSwitch) != kArtSwitchOff;
  in.trpMode = GetTrpMode();
  in.groundSpoilerDeployed = IsGroundSpoilerDeployed();
  in.hydraulicLever = GetSwitch(&g_hydraulicLever);
  in.rainPanel = GetRainPanelFlag() != 0;
  for (uint32_t flag = 0; flag < 4; ++flag) in.iceFlag[flag] = GetIceProtectionFlag(flag) != 0;
  in.cabinAltitudeFt = GetCabinAltitude();
  in.cabinDiffPsi = GetCabinDiffPressure();
  return in;
}

using Condition = bool (*)(const AlertInputs&);

// ---- Lamps ----

struct LampRow {
  int32_t panel;
  int32_t lamp;
  Condition setWhen;
  Condition clearWhen;
  LampMaster master;
};

bool NoAcPowerWithoutEmergency(const AlertInputs& in) { return !in.acBus[0] && !in.acBus[1] && in.emergencyPowerOff; }
bool AcOrEmergencyPower(const AlertInputs& in) { return in.acBus[0] || in.acBus[1] || in.emergencyPower; }

constexpr LampRow kLamps[] = {
    {1, 2, [](const AlertInputs& in) { return in.lampAngleDeg <= kLampAngleLimitDeg; },
     [](const AlertInputs& in) { return in.lampAngleDeg > kLampAngleLimitDeg; }, LampMaster::kNone},
    {1, 3, [](const AlertInputs& in) { return in.rainPanel; }, [](const AlertInputs& in) { return !in.rainPanel; },
     LampMaster::kNone},
    {1, 4, [](const AlertInputs& in) { return in.iceFlag[0]; }, [](const AlertInputs& in) { return !in.iceFlag[0]; },
     LampMaster::kNone},
    {1, 5, [](const AlertInputs& in) { return in.starterValve[0]; },
     [](const AlertInputs& in) { return !in.starterValve[0]; }, LampMaster::kNone},
    {1, 7, NoAcPowerWithoutEmergency, AcOrEmergencyPower, LampMaster::kWarning},
    {2, 4, [](const AlertInputs& in) { return in.iceFlag[2]; }, [](const AlertInputs& in) { return !in.iceFlag[2]; },
     LampMaster::kNone},
    {2, 5, [](const AlertInputs& in) { return in.iceFlag[3]; }, [](const AlertInputs& in) { return !in.iceFlag[3]; },
     LampMaster::kNone},
    {2, 7, [](const AlertInputs& in) { return in.fireTest || in.apuFire; },
     [](const AlertInputs& in) { return !in.fireTest && !in.apuFire; }, LampMaster::kWarning},
    {3, 2, [](const AlertInputs& in) { return in.airspeedKt < kLowSpeedLampSetKt; },
     [](const AlertInputs& in) { return in.airspeedKt > kLowSpeedLampClearKt; }, LampMaster::kNone},
    {3, 4, [](const AlertInputs& in) { return in.iceFlag[1]; }, [](const AlertInputs& in) { return !in.iceFlag[1]; },
     LampMaster::kNone},
    {3, 5, [](const AlertInputs& in) { return in.starterValve[1]; },
     [](const AlertInputs& in) { return !in.starterValve[1]; }, LampMaster::kNone},
    {3, 6,
     [](const AlertInputs& in) {
       return in.cabinAltitudeFt > kCabinAltitudeLimitFt || in.cabinDiffPsi > kCabinDiffPressureLimitPsi;
     },
     [](const AlertInputs& in) {
       return in.cabinAltitudeFt < kCabinAltitudeLimitFt && in.cabinDiffPsi < kCabinDiffPressureLimitPsi;
     },
     LampMaster::kWarning},
    {3, 7, NoAcPowerWithoutEmergency, AcOrEmergencyPower, LampMaster::kWarning},
};

// ---- Messages ----

enum class AlertMaster { kNone, kCaution };

struct MessageRow {
  int32_t id;
  Condition addWhen;
  Condition removeWhen;
  AlertMaster master;
};

// Whether a side's engine gets fuel: its own tank's pumps, the centre pumps
// while the centre tank holds fuel, or the other side's pumps through the
// open cross-feed.
bool IsLeftFed(const AlertInputs& in) {
  const bool center = in.tankLb[1] > kCenterFeedTankLb;
  return in.pump[kPumpFwdLeft] || (in.pump[kPumpFwdCenter] && center) || in.pump[kPumpAftLeft] ||
         (in.pump[kPumpAftCenter] && center) ||
         ((in.pump[kPumpFwdRight] || in.pump[kPumpAftRight]) && in.crossFeedOpen);
}
bool IsRightFed(const AlertInputs& in) {
  const bool center = in.tankLb[1] > kCenterFeedTankLb;
  return in.pump[kPumpFwdRight] || (in.pump[kPumpFwdCenter] && center) || in.pump[kPumpAftRight] ||
         (in.pump[kPumpAftCenter] && center) || in.pump[kStartPump] ||
         ((in.pump[kPumpFwdLeft] || in.pump[kPumpAftLeft]) && in.crossFeedOpen);
}

bool IsStarting(int32_t position) { return position == kStarterGroundStart || position == kStarterFlightStart; }

bool AntiSkidFault(const AlertInputs&) {
  return GetSwitch(&g_antiSkidTestSwitch) == kAntiSkidTesting || GetSwitch(&g_antiSkidSwitch) == kSwitchOff;
}
bool AntiSkidNormal(const AlertInputs&) {
  return GetSwitch(&g_antiSkidTestSwitch) == kSwitchOff && GetSwitch(&g_antiSkidSwitch) == kAntiSkidArmed;
}

bool YawDamperOff(const AlertInputs& in) {
  const int32_t yawDamp = GetSwitch(&g_yawDampSwitch);
  return (yawDamp == kSwitchOff && !in.autopilot) || yawDamp == kYawDampOff;
}

bool SpoilerDeployed(const AlertInputs& in) {
  return in.spoilerHandle == 0.0 && in.onGround &&
         (in.spoilerLeft >= kSpoilerDeployed || in.spoilerRight >= kSpoilerDeployed);
}

bool SpoilersWithFlapsInFlight(const AlertInputs& in) {
  return in.flapPosition > kFlapsExtendedForSpoilers && in.groundSpoilerDeployed && !in.onGround;
}

bool DcBusOff(const AlertInputs& in) {
  const bool tie = in.dcBusTie == kCrossTieLockout;
  return (!in.acBus[0] && !in.acBus[1]) || (!in.acBus[0] && tie) || (!in.acBus[1] && tie);
}
bool DcBusOn(const AlertInputs& in) {
  const bool open = in.dcBusTie == kDcBusTieOpen;
  return (in.acBus[0] && in.acBus[1]) || (in.acBus[0] && open) || (in.acBus[1] && open);
}

bool DoorsOpen(const AlertInputs& in) { return in.doorsOpen; }
bool DoorsClosed(const AlertInputs& in) { return !in.doorsOpen; }

bool FireLoop(const AlertInputs& in) { return in.fireTest || in.engineFire; }
bool NoFireLoop(const AlertInputs& in) { return !in.fireTest && !in.engineFire; }

// In the order of evaluation: "PARKING BRAKE ON" comes before the doors, so
// doors open at a parked aircraft go straight to the door list.
constexpr MessageRow kMessages[] = {
    {20, [](const AlertInputs& in) { return (in.pump[kPumpFwdCenter] || in.pump[kPumpAftCenter]) && in.tankLb[1] < kCenterPressureTankLb; },
     [](const AlertInputs& in) { return (!in.pump[kPumpFwdCenter] && !in.pump[kPumpAftCenter]) || in.tankLb[1] > kCenterPressureTankLb; },
     AlertMaster::kCaution},
    {1, [](const AlertInputs& in) { return in.tankLb[0] < kFuelLevelLowLb || in.tankLb[2] < kFuelLevelLowLb; },
     [](const AlertInputs& in) { return in.tankLb[0] > kFuelLevelLowLb && in.tankLb[2] > kFuelLevelLowLb; },
     AlertMaster::kNone},
    {2, [](const AlertInputs& in) { return in.apuGeneratorAvailable && !in.apuOnBusLamp; },
     [](const AlertInputs& in) { return !in.apuGeneratorAvailable || in.apuOnBusLamp; }, AlertMaster::kCaution},
    {3, [](const AlertInputs& in) { return !in.acBus[0]; }, [](const AlertInputs& in) { return in.acBus[0]; },
     AlertMaster::kCaution},
    {6, [](const AlertInputs& in) { return !in.generator[0]; }, [](const AlertInputs& in) { return in.generator[0]; },
     AlertMaster::kCaution},
    {9, [](const AlertInputs&) { return GetSwitch(&g_emergencyLightsSwitch) == kSwitchOff; },
     [](const AlertInputs&) { return GetSwitch(&g_emergencyLightsSwitch) != kSwitchOff; }, AlertMaster::kNone},
    {10, [](const AlertInputs& in) { return in.acBusTie == kCrossTieLockout; },
     [](const AlertInputs& in) { return in.acBusTie == kAcBusTieClosed; }, AlertMaster::kCaution},
    {11, [](const AlertInputs& in) { return in.panelPowered && !in.batteryOn; },
     [](const AlertInputs& in) { return in.panelPowered && in.batteryOn; }, AlertMaster::kNone},
    {4, [](const AlertInputs& in) { return !in.acBus[1]; }, [](const AlertInputs& in) { return in.acBus[1]; },
     AlertMaster::kCaution},
    {7, [](const AlertInputs& in) { return !in.generator[1]; }, [](const AlertInputs& in) { return in.generator[1]; },
     AlertMaster::kCaution},
    {12, DcBusOff, DcBusOn, AlertMaster::kCaution},
    {13, [](const AlertInputs&) { return GetSwitch(&g_pitotMeterSelector) == kPitotHeatOffSelector; },
     [](const AlertInputs&) { return GetSwitch(&g_pitotMeterSelector) != kPitotHeatOffSelector; },
     AlertMaster::kCaution},
    {14, [](const AlertInputs& in) { return GetSwitch(&g_syncSwitch) != kSwitchOff && in.gearHandleDown; },
     [](const AlertInputs& in) { return GetSwitch(&g_syncSwitch) == kSwitchOff || !in.gearHandleDown; },
     AlertMaster::kNone},
    {15, [](const AlertInputs& in) { return IsStarting(in.starter[0]); },
     [](const AlertInputs& in) { return !IsStarting(in.starter[0]); }, AlertMaster::kNone},
    {23, [](const AlertInputs& in) { return in.oilPressurePsi[0] < kOilPressureLowPsi; },
     [](const AlertInputs& in) { return in.oilPressurePsi[0] > kOilPressureLowPsi; }, AlertMaster::kCaution},
    {18, [](const AlertInputs& in) { return !IsLeftFed(in); }, IsLeftFed, AlertMaster::kCaution},
    {22, [](const AlertInputs& in) { return in.artOn && in.trpMode == kTrpFlexTakeoff; },
     [](const AlertInputs& in) { return !in.artOn || in.trpMode != kTrpFlexTakeoff; }, AlertMaster::kNone},
    {16, [](const AlertInputs& in) { return IsStarting(in.starter[1]); },
     [](const AlertInputs& in) { return !IsStarting(in.starter[1]); }, AlertMaster::kNone},
    {24, [](const AlertInputs& in) { return in.oilPressurePsi[1] < kOilPressureLowPsi; },
     [](const AlertInputs& in) { return in.oilPressurePsi[1] > kOilPressureLowPsi; }, AlertMaster::kCaution},
    // Without master caution, unlike its left twin: kept as the aircraft has it.
    {19, [](const AlertInputs& in) { return !IsRightFed(in); }, IsRightFed, AlertMaster::kNone},
    {44, [](const AlertInputs& in) { return in.parkingBrake && GetSwitch(&g_fdrTestSwitch) != kFdrTest; },
     [](const AlertInputs& in) { return !in.parkingBrake || GetSwitch(&g_fdrTestSwitch) == kFdrTest; },
     AlertMaster::kNone},
    {26, YawDamperOff, [](const AlertInputs& in) { return !YawDamperOff(in); }, AlertMaster::kNone},
    {27, [](const AlertInputs&) { return GetSwitch(&g_gpwsSwitch) == kGpwsSwitchTest; },
     [](const AlertInputs&) { return GetSwitch(&g_gpwsSwitch) != kGpwsSwitchTest; }, AlertMaster::kNone},
    {28, SpoilerDeployed,
     [](const AlertInputs& in) {
       return in.spoilerHandle != 0.0 || !in.onGround ||
              (in.spoilerLeft < kSpoilerDeployed && in.spoilerRight < kSpoilerDeployed);
     },
     AlertMaster::kNone},
    {29, [](const AlertInputs&) { return GetSwitch(&g_machTrimCompSwitch) != kMachTrimCompNormal; },
     [](const AlertInputs&) { return GetSwitch(&g_machTrimCompSwitch) == kMachTrimCompNormal; },
     AlertMaster::kNone},
    {30, [](const AlertInputs& in) { return in.fireTest; }, [](const AlertInputs& in) { return !in.fireTest; },
     AlertMaster::kNone},
    {31, [](const AlertInputs& in) { return in.apuRpmPct > kApuOilRpmLowPct && in.apuRpmPct < kApuOilRpmHighPct; },
     [](const AlertInputs& in) { return in.apuRpmPct < kApuOilRpmLowPct || in.apuRpmPct > kApuOilRpmHighPct; },
     AlertMaster::kNone},
    {32, [](const AlertInputs& in) { return in.parkingBrake; }, [](const AlertInputs& in) { return !in.parkingBrake; },
     AlertMaster::kNone},
    {33, [](const AlertInputs& in) { return in.hydraulicPsi[0] < kHydraulicPressureLowPsi; },
     [](const AlertInputs& in) { return in.hydraulicPsi[0] > kHydraulicPressureLowPsi; }, AlertMaster::kCaution},
    {36, AntiSkidFault, AntiSkidNormal, AlertMaster::kNone},
    {39, AntiSkidFault, AntiSkidNormal, AlertMaster::kNone},
    {42, SpoilersWithFlapsInFlight,
     [](const AlertInputs& in) {
       return in.flapPosition < kFlapsExtendedForSpoilers || !in.groundSpoilerDeployed || in.onGround;
     },
     AlertMaster::kCaution},
    {43, [](const AlertInputs& in) { return in.hydraulicLever == kRudderManual; },
     [](const AlertInputs& in) { return in.hydraulicLever == kRudderPowered; }, AlertMaster::kNone},
    {34, [](const AlertInputs& in) { return in.hydraulicPsi[1] < kHydraulicPressureLowPsi; },
     [](const AlertInputs& in) { return in.hydraulicPsi[1] > kHydraulicPressureLowPsi; }, AlertMaster::kCaution},
    {37, AntiSkidFault, AntiSkidNormal, AlertMaster::kNone},
    {40, AntiSkidFault, AntiSkidNormal, AlertMaster::kNone},
    {45, DoorsOpen, DoorsClosed, AlertMaster::kNone},
    {46, DoorsOpen, DoorsClosed, AlertMaster::kNone},
    {47, DoorsOpen, DoorsClosed, AlertMaster::kNone},
    {48, DoorsOpen, DoorsClosed, AlertMaster::kNone},
    {49, DoorsOpen, DoorsClosed, AlertMaster::kNone},
    {50, DoorsOpen, DoorsClosed, AlertMaster::kNone},
    {51, DoorsOpen, DoorsClosed, AlertMaster::kNone},
    {52, DoorsOpen, DoorsClosed, AlertMaster::kNone},
    {53, DoorsOpen, DoorsClosed, AlertMaster::kNone},
    {54, FireLoop, NoFireLoop, AlertMaster::kNone},
};

void EvaluateMessage(const MessageRow& row, const AlertInputs& in) {
  const bool listed = IsAlertShownFor(row.id);
  if (!listed && row.addWhen(in)) {
    AddEoapMessage(row.id);
    if (row.master == AlertMaster::kCaution) RaiseMasterCaution();
  } else if (listed && row.removeWhen(in)) {
    RemoveEoapMessage(row.id);
    if (row.master == AlertMaster::kCaution) ReleaseMasterCaution();
  }
}

void EvaluateAlerts() {
  const AlertInputs in = ReadAlertInputs();
  for (const LampRow& row : kLamps) {
    EvaluateAnnunciatorLamp(row.panel, row.lamp, row.setWhen(in), row.clearWhen(in), row.master);
  }
  for (const MessageRow& row : kMessages) EvaluateMessage(row, in);
}

}  // namespace

void UpdateAnnunciators() {
  StepAlertTimers();
  if (IsTickDue(kChannel1Hz) != 0) {
    if (IsPanelPowered() == 0) {
      // Masters are left as they are: caution goes out below once the list
      // is empty; a warning waits for the pilot's Clear.
      ClearAnnunciatorLamps();
      EmptyAlertLists();
    } else {
      EvaluateAlerts();
    }
  }
  StepAlertLights();
  if (IsEoapListEmpty() && IsMasterCautionOn() != 0) ClearMasterCaution();
}

}  // namespace halcyon
