// The digital flight guidance system: the autopilot, autothrottle and flight
// director modes, the values selected on the flight guidance control panel,
// and the operations the panel's controls call. Reads the simulator's
// autopilot, air data and radio tokens; drives the simulator's autopilot and
// throttles with key events. The per-tick mode, speed and thrust laws are in
// dfgs_logic.cpp.
#pragma once

#include <cstdint>

#include "core/switch.h"

namespace halcyon {

// Pitch modes (0..19 are stored).
enum DfgsPitchMode : int32_t {
  kPitchNone = 0,
  kPitchVerticalSpeed = 1,
  kPitchIasOnPitch = 2,
  kPitchMachOnPitch = 3,
  kPitchAltitudeHold = 4,
  kPitchTurbulence = 5,
  kPitchTakeoff = 6,
  kPitchGlideslopeCapture = 7,
  kPitchGlideslopeTrack = 8,
  kPitchIlsNoFlare = 9,    // 9 and 10 alternate below 100 ft in an ILS approach
  kPitchIlsNoFlareB = 10,
  kPitchAutolandGlideslope = 11,
  kPitchFlare = 12,
  kPitchRollout = 13,
  kPitchGoAround = 14,
};
constexpr int32_t kPitchModeMax = 19;

// Roll modes (0..16 are stored).
enum DfgsRollMode : int32_t {
  kRollNone = 0,
  kRollHeadingHold = 1,
  kRollHeadingSelect = 2,
  kRollLnavFar = 3,  // cross-track error beyond 5 NM
  kRollLnavTrack = 4,
  kRollLnav5 = 5,
  kRollTurbulence = 6,
  kRollTakeoff = 7,
  kRollLocalizerCapture = 8,
  kRollLocalizerTrack = 9,
  kRollVorCapture = 10,
  kRollVorTrack = 11,
  kRollVorOverStation = 12,
  kRollAutolandLocalizer = 13,
  kRollAlign = 14,
  kRollRollout = 15,
  kRollGoAround = 16,
};
constexpr int32_t kRollModeMax = 16;

// Thrust modes (1..12 and 14 are stored, anything else is 0).
enum DfgsThrustMode : int32_t {
  kThrustOff = 0,
  kThrustIas = 1,
  kThrustIasVmoLimit = 2,
  kThrustMach = 3,
  kThrustMachMmoLimit = 4,
  kThrustEprLimit = 5,
  kThrustAccepted6 = 6,
  kThrustTakeoffClamp = 7,
  kThrustIasMachButton = 8,
  kThrustAutolandRetard = 9,
  kThrustFlapLimit = 10,
  kThrustVnavNoAutothrottle = 11,
  kThrustRetard = 12,
  kThrustPathDescent = 14,
};

enum DfgsAltPreselectArm : int32_t { kAltArmOff = 0, kAltArmArmed = 1, kAltArmCapturing = 2 };
// Lateral arm and autoland status ("mode E"), 0..7.
enum DfgsModeE : int32_t {
  kModeENone = 0,
  kModeELocalizerArmed = 1,
  kModeEVorArmed = 2,
  kModeEIlsApproach = 3,
  kModeEAutolandApproach = 4,
  kModeEAutolandAutopilot = 5,
  kModeEAutolandFlightDirector = 6,
  kModeEAutolandNeither = 7,
};
enum DfgsApproachMode : int32_t { kApproachNone = 0, kApproachIls = 1, kApproachAutoland = 2 };
enum DfgsVnavPhase : int32_t {
  kVnavNone = 0,
  kVnavClimb = 1,
  kVnavCruise = 2,
  kVnavDescent = 3,
  kVnavLevel = 4,
};
// Selected values of the panel, by index.
enum DfgsSelected : int32_t {
  kSelAltitude = 0,  // feet, a multiple of 100 within 0..50000
  kSelSpeed = 1,     // knots, 0..450
  kSelMach = 2,      // 0..0.9
  kSelHeading = 3,   // degrees, 0..359
};

// Altitudes at or above this are flown in Mach.
constexpr double kDfgsMachAltitudeFt = 27000.0;
// The simulator's "climb free" autopilot altitude.
constexpr uint32_t kDfgsClimbFreeAltitudeFt = 69900;

// Key events of the simulator's autopilot and throttles.
constexpr uint32_t kKeyEventAltitudeHoldEngage = 65799;
constexpr uint32_t kKeyEventApproachKey = 65806;
constexpr uint32_t kKeyEventAltitudeHold = 65808;
constexpr uint32_t kKeyEventNavHoldOn = 65811;
constexpr uint32_t kKeyEventHoldRelease1 = 65812;
constexpr uint32_t kKeyEventHoldRelease2 = 65813;
constexpr uint32_t kKeyEventApproachHoldRelease = 65814;
constexpr uint32_t kKeyEventHoldRelease3 = 65815;
constexpr uint32_t kKeyEventHoldRelease4 = 65816;
constexpr uint32_t kKeyEventHoldRelease5 = 65817;
constexpr uint32_t kKeyEventHoldRelease6 = 65818;
constexpr uint32_t kKeyEventNavHoldOff = 65819;
constexpr uint32_t kKeyEventThrottle1Set = 65820;
constexpr uint32_t kKeyEventThrottle2Set = 65821;
constexpr uint32_t kKeyEventAutothrottleArmToggle = 65860;
constexpr uint32_t kKeyEventTogaPowerToggle = 65861;
constexpr uint32_t kKeyEventVerticalSpeedSet = 66036;
constexpr uint32_t kKeyEventAirspeedSet = 66037;
constexpr uint32_t kKeyEventMachSet = 66038;  // Mach x 100
constexpr uint32_t kKeyEventHeadingBugSet = 66042;
constexpr uint32_t kKeyEventYawDamperOn = 66069;
constexpr uint32_t kKeyEventYawDamperOff = 66070;
constexpr uint32_t kKeyEventBeforeSpeedCapture = 66097;
constexpr uint32_t kKeyEventVerticalSpeedHold = 66103;
constexpr uint32_t kKeyEventHeadingHold = 66106;
constexpr uint32_t kKeyEventMachHold = 66109;
constexpr uint32_t kKeyEventAirspeedHold = 66112;
constexpr uint32_t kKeyEventAirspeedHoldOff = 66113;
constexpr uint32_t kKeyEventAutopilotAltitudeSet = 66124;
constexpr uint32_t kKeyEventFlightDirectorToggle = 66288;
constexpr uint32_t kKeyEventToken848 = 66375;

// ---- Lifecycle ----
void LoadDfgs();
void UpdateDfgs();
void SaveDfgs();
void LoadFdc();
void SaveFdc();
void LoadFgcp();
void SaveFgcp();

// ---- Records ----
extern CSwitch g_autothrottleSwitch;      // [DFGS] "dfgs.at_switch": 120 off, 41 on
extern CSwitch g_dfgsTestSwitch;          // 1 during the 144-tick self-test
extern CSwitch g_headingKnobActivity;     // 41 for 18 ticks after the heading switch moves
extern CSwitch g_autolandGroundArm;       // 64 for 180 ticks after Autoland on the ground
extern CSwitch g_vnavAutothrottleWarning; // 133 for 90 ticks after A/T off in VNAV
extern CSwitch g_touchdownDisconnect;     // 41 after touchdown, 121 when its 144 ticks pass
extern CSwitch g_cadcSwitch;              // [FDC] "cadc", default 43
extern CSwitch g_fdCommandSwitch;         // [FDC] "fd_cmd", default 43
extern CSwitch g_verticalGyroSwitch;      // [FDC] "vert_gyro", default 43
extern CSwitch g_fgcpBacklightSwitch;     // [FGCP] "backlight", default 120
extern CSwitch g_fgcpDigitalSwitch;       // [FGCP] "digitaL", default 120
// Flight mode annunciator lamps the approach logic lights when it cancels an
// approach (41 lit); the annunciator reads and resets them.
extern CSwitch g_fmaAutolandNavLamp;
extern CSwitch g_fmaIlsGlideslopeLamp;

enum DfgsRecordPosition : int32_t {
  kAutolandGroundArmShown = 64,
  kTouchdownDisconnectDue = 121,
  kVnavWarningShowing = 133,
  kVnavWarningDone = 123,
};

// ---- Mode variables; each setter stores 0 for a value out of its range ----
void SetDfgsPitchMode(int32_t mode);
int32_t GetDfgsPitchMode();
void SetDfgsRollMode(int32_t mode);
int32_t GetDfgsRollMode();
// Copies the mode held into the previous thrust mode first.
void SetDfgsThrustMode(int32_t mode);
int32_t GetDfgsThrustMode();
int32_t GetDfgsPreviousThrustMode();
void SetDfgsAltPreselectArm(int32_t arm);
int32_t GetDfgsAltPreselectArm();
void SetDfgsModeE(int32_t mode);
int32_t GetDfgsModeE();
void SetDfgsApproachMode(int32_t mode);
int32_t GetDfgsApproachMode();
void SetDfgsSpeedView(int32_t view);  // 0 IAS, 1 Mach
int32_t GetDfgsSpeedView();
void ToggleDfgsSpeedView();
void SetDfgc(int32_t dfgc);
int32_t GetDfgc();
void ToggleDfgc();

// ---- Targets and selected values ----
void IncDfgsIasTarget();
void DecDfgsIasTarget();
void SetDfgsIasTarget(double knots);  // stored only within 0..999
double GetDfgsIasTarget();
void IncDfgsMachTarget();
void DecDfgsMachTarget();
void SetDfgsMachTarget(double mach);  // stored only within 0..3.2, to three decimals down
double GetDfgsMachTarget();
void SetDfgsSelectedValue(int32_t index, double value);
double GetDfgsSelectedValue(int32_t index);  // -1.0 for an unknown index
void IncDfgsSelectedValue(int32_t index);
void DecDfgsSelectedValue(int32_t index);

// ---- VNAV ----
void ClearDfgsVnav();
uint8_t IsDfgsVnav();
int32_t GetDfgsVnavPhase();
// Couples the DFGS to the FMS's next vertical phase.
void UpdateDfgsVnav();
uint8_t IsDfgsFmsOverride();
void ToggleDfgsFmsOverride();

// ---- Vertical-speed wheel, -10..10 steps of 600 ft/min; each change sends 66036 ----
void SetDfgsVsWheel(int32_t position);
void IncDfgsVsWheel();
void DecDfgsVsWheel();
int32_t GetDfgsVsWheel();

// ---- Autothrottle ----
void DisengageAutothrottle();
uint32_t IsAutothrottleDisconnect();
void ClearAutothrottleDisconnect();

// ---- Queries ----
uint32_t IsDfgsRollMode3To5();
uint32_t IsDfgsCaptureCondition();
void ComputeDfgsMinimumSpeed();
double GetDfgsMinimumSpeed();
double GetFlapPlacardSpeed();  // knots; 100000 with the flaps up
uint32_t IsNavPairMatched();
uint32_t IsGlideslopeAvailable();
void PressToga();
uint32_t IsTogaRequested();
uint32_t IsDfgsTestActive();
uint32_t IsDfgsIrsValid();
uint32_t IsLandingFlapsSet();
uint32_t IsFgcpLightOn();

}  // namespace halcyon
