// The module's one path to the simulator: token-variable reads, key events,
// panel-window visibility and calculator code, all through the PANELS table
// that the simulator hands over in ImportTable. Every system uses these
// helpers and never the table directly.
#pragma once

#include <cstdint>

#include "platform/gauge.h"

namespace halcyon {

// The simulator's token variables the cockpit reads, by token number.
enum class Token : uint32_t {
  Tick18 = 1,
  ClockHour = 3,
  ClockMinute = 4,
  ClockSecond = 5,
  ZuluHour = 6,
  ZuluMinute = 7,
  ZuluDayOfYear = 8,
  ZuluYear = 9,
  CourseNeedle = 40,
  GlideSlopeNeedle = 41,
  NavSignal = 43,
  OnGround = 60,
  IndicatedAirspeedKt = 61,
  MaxOperatingSpeedKtBy128 = 63,
  MachTimes20480 = 64,
  StallWarning = 67,         // nonzero while the stall warning sounds
  VerticalSpeed = 65,        // value / 1.3 = ft/min
  Latitude = 71,             // value / 40007000 x 360 = degrees north
  Longitude = 72,            // value / 2^48 x 360 = degrees east
  AltitudeM = 73,
  AltitudeFt = 74,
  AltimeterMb = 75,
  AltimeterInHg = 76,
  MagneticVariationDeg = 82,  // east positive: true = magnetic + variation
  HeadingDeg = 86,
  AutopilotEngaged = 103,
  AutopilotAirspeedHold = 115,
  AutopilotAirspeedKt = 116,
  AutopilotMachHold = 117,
  AutopilotMach = 118,
  Engine1Throttle = 128,
  Engine1Mixture = 130,            // 0 cut off .. 16384
  Engine1Combustion = 131,
  Engine1FuelFlow = 138,
  Engine1Egt = 144,                // the engine display's EGT source
  Engine1OilPressure = 148,        // the secondary display's source
  Engine1HydraulicOutput = 150,    // value / 1569 = psi
  Engine2Throttle = 163,
  Engine2Mixture = 165,
  Engine2Combustion = 166,
  Engine2FuelFlow = 173,
  Engine2Egt = 179,
  Engine2OilPressure = 183,
  Engine2HydraulicOutput = 185,
  FuelRightGal = 303,
  FuelLeftGal = 304,
  FuelCenterGal = 305,
  FuelWeightLbPerGallon = 306,
  Engine1FuelSelector = 307,  // 1 all, 2 left, 3 right, 6 centre
  LeftBrakePedal = 320,      // 0..32767
  RightBrakePedal = 321,
  BrakeValue = 322,
  ParkingBrake = 323,
  FlapHandle = 328,
  FlapPosition = 329,        // 0..16383
  GearHandle = 331,
  GearPosition = 332,        // nose gear, 0 up .. 16383 down
  GearLeftPosition = 333,
  GearRightPosition = 334,
  UnitsOfMeasure = 335,      // 0 US, 1 metric with feet, 2 metric
  OutsideAirTempDegC = 341,
  WindSpeedKt = 343,
  WindDirectionDeg = 344,
  AmbientTempDegCBy256 = 350,  // value x 256 = degrees C
  MasterAlternator = 363,
  MasterBattery = 364,
  SimulatorClockSeconds = 557,
  Engine1Starter = 563,
  Engine2Starter = 573,
  SimulationClock = 604,     // seconds; grows every tick while the simulation runs
  RadioAltitudeM = 614,
  Engine1N2Pct = 625,
  Engine2N2Pct = 644,
  AvionicsMaster = 740,
  AutobrakeSetting = 743,    // the simulator's own setting, 0..5
  TotalFuelWeightLb = 791,
  TotalAirTempDegC = 800,
  GroundSpeedMps = 832,
  HeadingRad = 834,
  Engine2FuelSelector = 906,  // as Engine1FuelSelector
  MaxOperatingMach = 822,
  ApuRpmFraction = 975,       // 0..1
  ApuGeneratorSwitch = 978,
};

constexpr uint32_t kMaxTokenId = 1024;
constexpr double kFeetPerMetre = 3.28084;

// Key events, by the simulator's event number (0x10000 + n).
constexpr uint32_t kKeyEventMinuteTick = 65568;
constexpr uint32_t kKeyEventAutopilotMaster = 65580;
constexpr uint32_t kKeyEventTogglePanelWindow = 66506;
constexpr uint32_t kKeyEventOpenPanelWindow = 66507;
constexpr uint32_t kKeyEventClosePanelWindow = 66508;

// The panel service table the simulator filled in at load (null before).
platform::PANELS* Panels();

// Looks the token variable up and returns its value.
double ReadToken(Token token);
double ReadToken(uint32_t tokenId);
// The radio altimeter's height in feet (the simulator gives metres).
double ReadRadioAltitudeFt();
// TICK18, the 18 Hz clock every timer of the cockpit counts in.
double CurrentTick18();

void TriggerKeyEvent(uint32_t event, uint32_t value);
bool IsPanelWindowVisible(uint32_t ident);
// Evaluates a calculator expression with a string result; empty when the
// simulator gives none.
const char* ExecuteCalculatorString(const char* expression);

}  // namespace halcyon
