// The twenty tooltip-carrying mouse tables, as data. The rectangles point at
// the gauges' mouse functions and the tooltips at their value callbacks. The
// tables are constant-initialised, so they are complete before the simulator
// reads a gauge header.
#include "gauges/mouse_tables.h"

#include <cstddef>

#include "crewaids/dispatch/center_dispatch.h"
#include "crewaids/options/center_options.h"
#include "crewaids/options/pushback.h"
#include "gauges/airspeed.h"
#include "gauges/altimeter.h"
#include "gauges/apu_panel.h"
#include "gauges/clock.h"
#include "gauges/dfgs.h"
#include "gauges/electrical.h"
#include "gauges/engine_start_panels.h"
#include "gauges/fma.h"
#include "gauges/fms.h"
#include "gauges/nav.h"
#include "gauges/placeholders.h"
#include "gauges/side_switches.h"
#include "gauges/tooltips.h"

namespace halcyon {
namespace {

using platform::MOUSERECT;
using platform::MouseCursor;
using platform::MouseFunction;
using platform::TooltipArg;
using enum platform::MouseCursor;

constexpr uint32_t kClick = platform::kMouseLeftSingle;
constexpr uint32_t kClickRepeat = platform::kMouseLeftSingle | platform::kMouseDownRepeat;    // held: called again
constexpr uint32_t kClickRelease = platform::kMouseLeftSingle | platform::kMouseLeftRelease;  // press and release
constexpr uint32_t kMove = platform::kMouseMove;

constexpr MOUSERECT Parent() {
  return {platform::kMouseRectParent, 0, 0, 0, 0, kCursorNone, 0, 0, 0, nullptr, nullptr, nullptr};
}

// The tooltip entry carries the number of argument records in its event word.
template <size_t N>
constexpr MOUSERECT Tooltip(const char* text, const TooltipArg (&args)[N]) {
  return {platform::kMouseRectTooltip, 0, 0, 0, 0, kCursorNone, 0, 0, static_cast<uint32_t>(N), nullptr, text, args};
}

constexpr MOUSERECT MakeRect(int32_t x, int32_t y, int32_t width, int32_t height, MouseCursor cursor, uint32_t flags,
                             MouseFunction function, const char* functionName) {
  return {platform::kMouseRectChild, x, y, width, height, cursor, 0, flags, 0, function, nullptr, nullptr,
          functionName};
}

// A control's rectangle; the function's own name goes with it, so that the
// simulator's host can reach the control by name as well as by point.
#define Rect(x, y, width, height, cursor, flags, function) \
  MakeRect(x, y, width, height, cursor, flags, function, #function)

constexpr MOUSERECT EndParent() {
  return {platform::kMouseRectEndParent, 0, 0, 0, 0, kCursorNone, 0, 0, 0, nullptr, nullptr, nullptr};
}

constexpr MOUSERECT End() { return {}; }

// A tooltip without numbers still carries one argument record, with no callback.
constexpr TooltipArg kPlainTooltip[] = {{nullptr}};

constexpr TooltipArg kAirspeedTooltip[] = {{AirspeedTooltipIas}, {AirspeedTooltipMach}};
constexpr TooltipArg kAltimeterTooltip[] = {{AltimeterTooltipAltitude}, {AltimeterTooltipMillibar}, {AltimeterTooltipInHg}};
constexpr TooltipArg kClockTooltip[] = {{ClockTooltipHour}, {ClockTooltipMinute}};
constexpr TooltipArg kEngineFireTooltip[] = {{EngineFireTooltipAgent1}, {EngineFireTooltipAgent2}};
constexpr TooltipArg kStandbyCombiTooltip[] = {{StandbyCombiTooltipAltitude}, {StandbyCombiTooltipMillibar},
                                               {StandbyCombiTooltipInHg}, {StandbyCombiTooltipAirspeed}};
constexpr TooltipArg kCabinPressureIndicatorTooltip[] = {{CabinPressureIndicatorTooltipAltitude},
                                                         {CabinPressureIndicatorTooltipDiffPressure}};
constexpr TooltipArg kCabinClimbTooltip[] = {{CabinClimbTooltipRate}};
constexpr TooltipArg kBrakeTemperatureTooltip[] = {{BrakeTemperatureTooltipTemperature}};
constexpr TooltipArg kTasSatTooltip[] = {{TasSatTooltipTas}, {TasSatTooltipSat}, {TasSatTooltipTat}};

}  // namespace

// Airspeed (400 x 400): the speed-cards area across the middle, then the five
// bug knobs at the corners and the top, each a decrease and an increase half.
constinit const MOUSERECT kAirspeedMouseRects[] = {
    Parent(),
    Tooltip("Airspeed Indicator.\nAirspeed: %1!3d! KIAS\nMach: %2!5.3f!\nClick to toggle Speed Cards.", kAirspeedTooltip),
    Rect(0, 80, 400, 240, kCursorHand, kClick, AirspeedMouseSpeedCards),
    Rect(0, 0, 47, 80, kCursorDownArrow, kClickRepeat, AirspeedMouseBug1Dec),
    Rect(47, 0, 47, 80, kCursorUpArrow, kClickRepeat, AirspeedMouseBug1Inc),
    Rect(306, 0, 47, 80, kCursorDownArrow, kClickRepeat, AirspeedMouseBug2Dec),
    Rect(353, 0, 47, 80, kCursorUpArrow, kClickRepeat, AirspeedMouseBug2Inc),
    Rect(306, 320, 47, 80, kCursorDownArrow, kClickRepeat, AirspeedMouseBug3Dec),
    Rect(353, 320, 47, 80, kCursorUpArrow, kClickRepeat, AirspeedMouseBug3Inc),
    Rect(0, 320, 47, 80, kCursorDownArrow, kClickRepeat, AirspeedMouseBug4Dec),
    Rect(47, 320, 47, 80, kCursorUpArrow, kClickRepeat, AirspeedMouseBug4Inc),
    Rect(153, 0, 47, 80, kCursorDownArrow, kClickRepeat, AirspeedMouseBug5Dec),
    Rect(200, 0, 47, 80, kCursorUpArrow, kClickRepeat, AirspeedMouseBug5Inc),
    EndParent(),
    End(),
};

// Altimeter: the baro knob, reached from two places (lower left and beside the
// windows), then the reference index knob.
constinit const MOUSERECT kAltimeterMouseRects[] = {
    Parent(),
    Tooltip("Altitude Indicator.\nAltitude: %1!d! feet\nMillibar: %2!d!\nIn Hg: %3!5.2f!", kAltimeterTooltip),
    Rect(0, 300, 70, 100, kCursorDownArrow, kClickRepeat, AltimeterMouseBaroDec),
    Rect(105, 220, 95, 60, kCursorDownArrow, kClickRepeat, AltimeterMouseBaroDec),
    Rect(70, 300, 70, 100, kCursorUpArrow, kClickRepeat, AltimeterMouseBaroInc),
    Rect(200, 220, 95, 60, kCursorUpArrow, kClickRepeat, AltimeterMouseBaroInc),
    Rect(280, 300, 70, 100, kCursorDownArrow, kClickRepeat, AltimeterMouseRefIndexDec),
    Rect(350, 300, 70, 100, kCursorUpArrow, kClickRepeat, AltimeterMouseRefIndexInc),
    EndParent(),
    End(),
};

constinit const MOUSERECT kClockMouseRects[] = {
    Parent(),
    Tooltip("Clock.\nTime: %1!02d!:%2!02d!", kClockTooltip),
    Rect(0, 0, 150, 300, kCursorDownArrow, kClick, ClockMouseLeft),
    Rect(150, 0, 150, 300, kCursorUpArrow, kClick, ClockMouseRight),
    EndParent(),
    End(),
};

constinit const MOUSERECT kBrakePressureMouseRects[] = {
    Parent(),
    Tooltip("Brake Pressure.", kPlainTooltip),
    EndParent(),
    End(),
};

// FGCP Lights (74 x 18): the backlight and digital lighting buttons; no tooltip.
constinit const MOUSERECT kFgcpLightsMouseRects[] = {
    Parent(),
    Rect(0, 0, 35, 18, kCursorHand, kClick, FgcpLightsMouseBacklight),
    Rect(39, 0, 35, 18, kCursorHand, kClick, FgcpLightsMouseDigital),
    EndParent(),
    End(),
};

// NAV (175 wide): frequency whole and fraction, course, the receiver button; no tooltip.
constinit const MOUSERECT kNavMouseRects[] = {
    Parent(),
    Rect(9, 9, 19, 25, kCursorDownArrow, kClickRepeat, NavMouseWholeDec),
    Rect(28, 9, 19, 25, kCursorUpArrow, kClickRepeat, NavMouseWholeInc),
    Rect(47, 9, 19, 25, kCursorDownArrow, kClickRepeat, NavMouseFractDec),
    Rect(66, 9, 19, 25, kCursorUpArrow, kClickRepeat, NavMouseFractInc),
    Rect(119, 9, 27, 38, kCursorDownArrow, kClickRepeat, NavMouseCourseDec),
    Rect(146, 9, 27, 38, kCursorUpArrow, kClickRepeat, NavMouseCourseInc),
    Rect(10, 64, 25, 30, kCursorHand, kClick, NavMouseToggleActive),
    EndParent(),
    End(),
};

// Electrical (410 x 460): the overhead AC and DC power panel.
constinit const MOUSERECT kElectricalMouseRects[] = {
    Parent(),
    Rect(40, 0, 40, 40, kCursorUpArrow, kClickRelease, ElectricalMouseCsd1Inc),
    Rect(40, 40, 40, 40, kCursorDownArrow, kClick, ElectricalMouseCsd1Dec),
    Rect(240, 0, 40, 40, kCursorUpArrow, kClickRelease, ElectricalMouseCsd2Inc),
    Rect(240, 40, 40, 40, kCursorDownArrow, kClick, ElectricalMouseCsd2Dec),
    Rect(145, 75, 30, 25, kCursorHand, kClickRelease, ElectricalMouseCsdRise),
    Rect(40, 120, 40, 25, kCursorUpArrow, kClickRelease, ElectricalMouseGen1Inc),
    Rect(40, 145, 40, 25, kCursorDownArrow, kClick, ElectricalMouseGen1Dec),
    Rect(240, 120, 40, 25, kCursorUpArrow, kClickRelease, ElectricalMouseGen2Inc),
    Rect(240, 145, 40, 25, kCursorDownArrow, kClick, ElectricalMouseGen2Dec),
    Rect(145, 125, 40, 40, kCursorHand, kClickRelease, ElectricalMouseApuGen),
    Rect(105, 265, 40, 40, kCursorHand, kClick, ElectricalMouseApuBus1),
    Rect(185, 265, 40, 40, kCursorHand, kClick, ElectricalMouseApuBus2),
    Rect(105, 315, 40, 40, kCursorHand, kClick, ElectricalMouseExtBus1),
    Rect(185, 315, 40, 40, kCursorHand, kClick, ElectricalMouseExtBus2),
    Rect(147, 360, 40, 40, kCursorHand, kClick, ElectricalMouseAcBusCrossTie),
    Rect(147, 415, 40, 40, kCursorHand, kClick, ElectricalMouseDcBusCrossTie),
    Rect(20, 345, 40, 40, kCursorHand, kClick, ElectricalMouseGalley),
    Rect(150, 325, 30, 30, kCursorHand, kClick, ElectricalMouseExtPowerAvailable),
    Rect(325, 130, 40, 60, kCursorDownArrow, kClick, ElectricalMouseIndicatorSelectorDec),
    Rect(365, 130, 40, 60, kCursorUpArrow, kClick, ElectricalMouseIndicatorSelectorInc),
    Rect(144, 3, 30, 25, kCursorHand, kClick, ElectricalMouseCsdReset),
    EndParent(),
    End(),
};

// DFGS (535 x 97): the glareshield control panel; no tooltip.
constinit const MOUSERECT kDfgsMouseRects[] = {
    Parent(),
    Rect(103, 9, 30, 32, kCursorUpArrow, kClickRepeat, DfgsMouseSpeedInc),
    Rect(73, 9, 30, 32, kCursorDownArrow, kClickRepeat, DfgsMouseSpeedDec),
    Rect(75, 50, 45, 40, kCursorHand, kClick, DfgsMouseSpeedView),
    Rect(125, 50, 38, 45, kCursorHand, kClick, DfgsMouseAutothrottleSwitch),
    Rect(5, 10, 30, 40, kCursorHand, kClick, DfgsMouseFlightDirector),
    Rect(496, 15, 30, 30, kCursorHand, kClick, DfgsMouseFlightDirector),
    Rect(380, 55, 45, 30, kCursorHand, kClick, DfgsMouseApMaster),
    Rect(375, 85, 45, 10, kCursorHand, kClick, DfgsMouseDfgsSelect),
    Rect(201, 9, 25, 30, kCursorDownArrow, kClickRepeat, DfgsMouseHeadingDec),
    Rect(226, 9, 25, 30, kCursorUpArrow, kClickRepeat, DfgsMouseHeadingInc),
    Rect(217, 43, 40, 20, kCursorUpArrow, kClickRelease | kMove | platform::kMouseRightSingle, DfgsMouseHeadingSwitchIn),
    Rect(217, 63, 40, 30, kCursorDownArrow, kClickRelease | kMove | platform::kMouseRightSingle, DfgsMouseHeadingSwitchOut),
    Rect(294, 37, 47, 30, kCursorDownArrow, kClickRepeat, DfgsMouseVsDec),
    Rect(294, 67, 47, 30, kCursorUpArrow, kClickRepeat, DfgsMouseVsInc),
    Rect(260, 10, 35, 24, kCursorDownArrow, kClickRepeat, DfgsMouseVsDec),
    Rect(295, 10, 35, 24, kCursorUpArrow, kClickRepeat, DfgsMouseVsInc),
    Rect(447, 48, 60, 40, kCursorHand, kClickRelease, DfgsMouseAltitudePreselect),
    Rect(409, 12, 40, 30, kCursorDownArrow, kClickRepeat, DfgsMouseAltitudeDec),
    Rect(449, 12, 40, 30, kCursorUpArrow, kClickRepeat, DfgsMouseAltitudeInc),
    Rect(7, 63, 28, 28, kCursorHand, kClick, DfgsMouseFmsOverride),
    Rect(41, 6, 28, 28, kCursorHand, kClick, DfgsMouseSpeedSelect),
    Rect(41, 36, 28, 28, kCursorHand, kClick, DfgsMouseMachSelect),
    Rect(41, 66, 28, 28, kCursorHand, kClick, DfgsMouseEprLim),
    Rect(135, 6, 28, 28, kCursorHand, kClick, DfgsMouseLnav),
    Rect(166, 6, 28, 28, kCursorHand, kClick, DfgsMouseVor),
    Rect(166, 36, 28, 28, kCursorHand, kClick, DfgsMouseIls),
    Rect(166, 66, 28, 28, kCursorHand, kClick, DfgsMouseAutoland),
    Rect(340, 6, 28, 28, kCursorHand, kClick, DfgsMouseVs),
    Rect(340, 36, 28, 28, kCursorHand, kClick, DfgsMouseIasMach),
    Rect(340, 66, 28, 28, kCursorHand, kClick, DfgsMouseVnav),
    Rect(371, 6, 28, 28, kCursorHand, kClick, DfgsMouseAltitudeHold),
    Rect(505, 61, 20, 28, kCursorHand, kClick, DfgsMouseTurbulence),
    EndParent(),
    End(),
};

// Engine_Starter (210 x 115).
constinit const MOUSERECT kEngineStarterMouseRects[] = {
    Parent(),
    Rect(4, 21, 40, 40, kCursorHand, kClick, EngineStarterMouseStartPump),
    Rect(50, 21, 40, 20, kCursorUpArrow, kClick, EngineStarterMouseIgnitionInc),
    Rect(50, 41, 40, 20, kCursorDownArrow, kClick, EngineStarterMouseIgnitionDec),
    Rect(7, 74, 40, 40, kCursorHand, kClickRelease, EngineStarterMouseFuelHeatLeft),
    Rect(44, 74, 40, 40, kCursorHand, kClickRelease, EngineStarterMouseFuelHeatRight),
    Rect(130, 25, 40, 30, kCursorUpArrow, kClick, EngineStarterMouseStarterLeftInc),
    Rect(130, 55, 40, 30, kCursorDownArrow, kClick, EngineStarterMouseStarterLeftDec),
    Rect(170, 25, 40, 30, kCursorUpArrow, kClick, EngineStarterMouseStarterRightInc),
    Rect(170, 55, 40, 30, kCursorDownArrow, kClick, EngineStarterMouseStarterRightDec),
    EndParent(),
    End(),
};

// Fuel_Pumps (172 x 115).
constinit const MOUSERECT kFuelPumpsMouseRects[] = {
    Parent(),
    Rect(-2, 17, 40, 40, kCursorHand, kClick, FuelPumpsMouseFwdLeft),
    Rect(64, 17, 40, 40, kCursorHand, kClick, FuelPumpsMouseFwdCenter),
    Rect(132, 17, 40, 40, kCursorHand, kClick, FuelPumpsMouseFwdRight),
    Rect(-2, 75, 40, 40, kCursorHand, kClick, FuelPumpsMouseAftLeft),
    Rect(64, 75, 40, 40, kCursorHand, kClick, FuelPumpsMouseAftCenter),
    Rect(132, 75, 40, 40, kCursorHand, kClick, FuelPumpsMouseAftRight),
    EndParent(),
    End(),
};

// APU (200 x 190).
constinit const MOUSERECT kApuMouseRects[] = {
    Parent(),
    Rect(10, 10, 25, 35, kCursorHand, kClick, ApuMouseFireAgent1),
    Rect(53, 10, 25, 35, kCursorHand, kClick, ApuMouseFireAgent2),
    Rect(97, 10, 25, 18, kCursorUpArrow, kClick, ApuMouseAirSwitchInc),
    Rect(97, 28, 25, 18, kCursorDownArrow, kClick, ApuMouseAirSwitchDec),
    Rect(172, 41, 20, 62, kCursorHand, kClick, ApuMouseDoorsGuard),
    Rect(141, 41, 31, 31, kCursorUpArrow, kClick, ApuMouseDoorsAutoInc),
    Rect(141, 72, 31, 31, kCursorDownArrow, kClick, ApuMouseDoorsAutoDec),
    Rect(11, 59, 40, 40, kCursorHand, kClick, ApuMouseFireControl),
    Rect(74, 55, 40, 25, kCursorUpArrow, kClick, ApuMouseMasterInc),
    Rect(74, 85, 40, 25, kCursorDownArrow, kClickRelease, ApuMouseMasterDec),
    Rect(17, 125, 61, 61, kCursorHand, kClick, ApuMouseEmergencyPower),
    Rect(96, 143, 40, 40, kCursorHand, kClick, ApuMouseBattery),
    EndParent(),
    End(),
};

// Side Switches (240 x 145) and Side Switches2 (185 x 145): one console drawn twice.
constinit const MOUSERECT kSideSwitchesMouseRects[] = {
    Parent(),
    Rect(55, 90, 55, 55, kCursorHand, kClick, SideSwitchesMousePanelLights),
    Rect(115, 90, 55, 55, kCursorHand, kClick, SideSwitchesMouseDigitalLights),
    Rect(180, 90, 55, 55, kCursorHand, kClick, SideSwitchesMouseFloodLights),
    Rect(170, 0, 70, 70, kCursorHand, kClick, SideSwitchesMouseAlternateStatic),
    EndParent(),
    End(),
};
constinit const MOUSERECT kSideSwitches2MouseRects[] = {
    Parent(),
    Rect(28, 103, 40, 40, kCursorHand, kClick, SideSwitches2MousePanelLights),
    Rect(76, 103, 40, 40, kCursorHand, kClick, SideSwitches2MouseDigitalLights),
    Rect(123, 103, 40, 40, kCursorHand, kClick, SideSwitches2MouseFloodLights),
    Rect(123, 18, 60, 60, kCursorHand, kClick, SideSwitches2MouseAlternateStatic),
    EndParent(),
    End(),
};

constinit const MOUSERECT kFmaMouseRects[] = {
    Parent(),
    Tooltip("Flight Mode Annunciator.", kPlainTooltip),
    Rect(50, 0, 45, 20, kCursorHand, kClick, FmaMouseAts),
    Rect(100, 0, 45, 20, kCursorHand, kClick, FmaMouseAp),
    Rect(154, 5, 20, 20, kCursorHand, kClick, FmaMouseReset),
    EndParent(),
    End(),
};

// Engine Fire: each handle has a half that turns it toward agent 1 and one
// toward agent 2; then FIRE BELL OFF and the fire test button.
constinit const MOUSERECT kEngineFireMouseRects[] = {
    Parent(),
    Tooltip("Engine Fire Handles.\nAgent 1: %1!d!%%\nAgent 2: %2!d!%%", kEngineFireTooltip),
    Rect(35, 10, 20, 102, kCursorDownArrow, kClick, EngineFireMouseHandleLeft1),
    Rect(55, 10, 20, 102, kCursorUpArrow, kClick, EngineFireMouseHandleLeft2),
    Rect(169, 10, 20, 102, kCursorDownArrow, kClick, EngineFireMouseHandleRight1),
    Rect(189, 10, 20, 102, kCursorUpArrow, kClick, EngineFireMouseHandleRight2),
    Rect(90, 57, 20, 20, kCursorHand, kClick, EngineFireMouseBellOff),
    Rect(127, 57, 20, 20, kCursorHand, kClickRelease, EngineFireMouseTest),
    EndParent(),
    End(),
};

constinit const MOUSERECT kStandbyAttitudeMouseRects[] = {
    Parent(),
    Tooltip("Standby Attitude Indicator.", kPlainTooltip),
    EndParent(),
    End(),
};

constinit const MOUSERECT kStandbyCombiMouseRects[] = {
    Parent(),
    Tooltip("Standby ALT/IAS Indicator.\nAltitude: %1!d! feet\nMillibar: %2!d!\nIn Hg: %3!5.2f!\nAirspeed: %4!d!",
            kStandbyCombiTooltip),
    Rect(0, 320, 30, 60, kCursorLeftArrow, kClickRepeat, StandbyCombiMouseBaroDec),
    Rect(30, 320, 30, 60, kCursorRightArrow, kClickRepeat, StandbyCombiMouseBaroInc),
    EndParent(),
    End(),
};

// TRP: the six rating buttons, the test button, the assumed-temperature knob.
constinit const MOUSERECT kTrpMouseRects[] = {
    Parent(),
    Tooltip("Thrust Rating Panel (TRP).\nSelects thrust rating mode.\nSets EPR bug.", kPlainTooltip),
    Rect(20, 60, 15, 16, kCursorHand, kClick, TrpMouseModeTo),
    Rect(40, 60, 15, 16, kCursorHand, kClick, TrpMouseModeToFlx),
    Rect(60, 60, 15, 16, kCursorHand, kClick, TrpMouseModeGa),
    Rect(20, 80, 15, 16, kCursorHand, kClick, TrpMouseModeMct),
    Rect(40, 80, 15, 16, kCursorHand, kClick, TrpMouseModeCl),
    Rect(60, 80, 15, 16, kCursorHand, kClick, TrpMouseModeCr),
    Rect(70, 98, 15, 15, kCursorHand, kClickRelease, TrpMouseTest),
    Rect(69, 8, 10, 20, kCursorDownArrow, kClickRepeat, TrpMouseTempDec),
    Rect(79, 8, 10, 20, kCursorUpArrow, kClickRepeat, TrpMouseTempInc),
    EndParent(),
    End(),
};

constinit const MOUSERECT kCabinPressureIndicatorMouseRects[] = {
    Parent(),
    Tooltip("Cabin Pressurization.\nCabin Altitude: %1!d! Feet\nPressure Differential: %2!.2f! PSI",
            kCabinPressureIndicatorTooltip),
    EndParent(),
    End(),
};

constinit const MOUSERECT kCabinClimbMouseRects[] = {
    Parent(),
    Tooltip("Cabin Climb Indicator.\nVS: %1!d! feet/minute", kCabinClimbTooltip),
    EndParent(),
    End(),
};

// Audio Panel: the RADIO/INT switch halves and IDENT, the ten receiver
// switches, the five microphone selector buttons.
constinit const MOUSERECT kAudioPanelMouseRects[] = {
    Parent(),
    Tooltip("Audio Panel.\n(switch up = ON)", kPlainTooltip),
    Rect(74, 48, 30, 20, kCursorUpArrow, kClick, AudioPanelMouseRadioIntInc),
    Rect(74, 68, 30, 20, kCursorDownArrow, kClickRelease, AudioPanelMouseRadioIntDec),
    Rect(74, 94, 30, 30, kCursorHand, kClick, AudioPanelMouseIdent),
    Rect(8, 36, 20, 40, kCursorHand, kClick, AudioPanelMouseVolumeVhf1),
    Rect(32, 36, 20, 40, kCursorHand, kClick, AudioPanelMouseVolumeVhf2),
    Rect(56, 36, 20, 38, kCursorHand, kClick, AudioPanelMouseVolumeVhf3),
    Rect(104, 36, 20, 40, kCursorHand, kClick, AudioPanelMouseVolumeInt),
    Rect(8, 89, 20, 40, kCursorHand, kClick, AudioPanelMouseVolumeNav1),
    Rect(32, 89, 20, 40, kCursorHand, kClick, AudioPanelMouseVolumeNav2),
    Rect(56, 89, 20, 38, kCursorHand, kClick, AudioPanelMouseVolumeMkr),
    Rect(104, 89, 20, 40, kCursorHand, kClick, AudioPanelMouseVolumePa),
    Rect(124, 89, 20, 40, kCursorHand, kClick, AudioPanelMouseVolumeAdf1),
    Rect(147, 89, 20, 40, kCursorHand, kClick, AudioPanelMouseVolumeAdf2),
    Rect(13, 12, 14, 14, kCursorHand, kClick, AudioPanelMouseMicVhf1),
    Rect(37, 12, 14, 14, kCursorHand, kClick, AudioPanelMouseMicVhf2),
    Rect(61, 12, 14, 14, kCursorHand, kClick, AudioPanelMouseMicVhf3),
    Rect(82, 12, 14, 14, kCursorHand, kClick, AudioPanelMouseMicPa),
    Rect(103, 12, 14, 14, kCursorHand, kClick, AudioPanelMouseMicInt),
    EndParent(),
    End(),
};

constinit const MOUSERECT kBrakeTemperatureMouseRects[] = {
    Parent(),
    Tooltip("Brake Temperature:\nTemperature: %1!d!\xC2\xB0", kBrakeTemperatureTooltip),  // UTF-8 degree sign
    EndParent(),
    End(),
};

constinit const MOUSERECT kTasSatMouseRects[] = {
    Parent(),
    Tooltip("TAS/SAT/TAT.\nTAS: %1!d!kts\nSAT: %2!d!C\nTAT: %3!d!C", kTasSatTooltip),
    Rect(9, 50, 30, 30, kCursorHand, kClickRelease, TasSatMouseToggle),
    EndParent(),
    End(),
};

// Menu: moving onto the tab unfolds the menu, moving beside it folds it; then
// the thirteen picture entries.
constinit const MOUSERECT kMenuMouseRects[] = {
    Parent(),
    Tooltip("View Menu\nClick to select a new view.", kPlainTooltip),
    Rect(0, 157, 30, 20, kCursorNone, kMove, MenuMouseOpen),
    Rect(100, 157, 30, 20, kCursorNone, kMove, MenuMouseClose),
    Rect(2, 80, 100, 76, kCursorHand, kClick, MenuMouseItem1),
    Rect(204, 2, 100, 76, kCursorHand, kClick, MenuMouseItem2),
    Rect(305, 2, 100, 50, kCursorHand, kClick, MenuMouseItem3),
    Rect(305, 53, 100, 106, kCursorHand, kClick, MenuMouseItem4),
    Rect(406, 2, 100, 76, kCursorHand, kClick, MenuMouseItem5),
    Rect(406, 80, 100, 76, kCursorHand, kClick, MenuMouseItem6),
    Rect(610, 2, 54, 154, kCursorHand, kClick, MenuMouseItem7),
    Rect(666, 2, 34, 154, kCursorHand, kClick, MenuMouseItem8),
    Rect(507, 2, 100, 154, kCursorHand, kClick, MenuMouseItem9),
    Rect(103, 2, 100, 76, kCursorHand, kClick, MenuMouseItem10),
    Rect(103, 80, 100, 76, kCursorHand, kClick, MenuMouseItem11),
    Rect(2, 2, 100, 76, kCursorHand, kClick, MenuMouseItem12),
    Rect(204, 80, 100, 76, kCursorHand, kClick, MenuMouseItem13),
    EndParent(),
    End(),
};

constinit const MOUSERECT kEfisPfdMouseRects[] = {
    Parent(),
    Tooltip("Primary Flight Display.", kPlainTooltip),
    Rect(0, 0, 300, 250, kCursorHand, kClick, EfisPfdMouseToggleWindow),
    EndParent(),
    End(),
};

// EFIS ND: the screen, then the mode and range steppers under it.
constinit const MOUSERECT kEfisNdMouseRects[] = {
    Parent(),
    Tooltip("Navigation Display.", kPlainTooltip),
    Rect(0, 0, 300, 200, kCursorHand, kClick, EfisNdMouseToggleWindow),
    Rect(0, 200, 75, 50, kCursorDownArrow, kClick, EfisNdMouseModeDec),
    Rect(75, 200, 75, 50, kCursorUpArrow, kClick, EfisNdMouseModeInc),
    Rect(150, 200, 75, 50, kCursorDownArrow, kClick, EfisNdMouseRangeDec),
    Rect(225, 200, 75, 50, kCursorUpArrow, kClick, EfisNdMouseRangeInc),
    EndParent(),
    End(),
};

// FMS: the CDU keys in key-code order (line-select keys, page and function
// keys, digits, letters, space, DEL, slash, CLR), then the screen, the
// brightness rocker and the keyboard-entry button.
constinit const MOUSERECT kFmsMouseRects[] = {
    Parent(),
    Tooltip("Flight Management System.", kPlainTooltip),
    Rect(0, 51, 45, 31, kCursorHand, kClick, FmsMouseLsk1L),
    Rect(0, 83, 45, 31, kCursorHand, kClick, FmsMouseLsk2L),
    Rect(0, 115, 45, 31, kCursorHand, kClick, FmsMouseLsk3L),
    Rect(0, 147, 45, 31, kCursorHand, kClick, FmsMouseLsk4L),
    Rect(0, 179, 45, 31, kCursorHand, kClick, FmsMouseLsk5L),
    Rect(0, 211, 45, 31, kCursorHand, kClick, FmsMouseLsk6L),
    Rect(356, 51, 45, 31, kCursorHand, kClick, FmsMouseLsk1R),
    Rect(356, 83, 45, 31, kCursorHand, kClick, FmsMouseLsk2R),
    Rect(356, 115, 45, 31, kCursorHand, kClick, FmsMouseLsk3R),
    Rect(356, 147, 45, 31, kCursorHand, kClick, FmsMouseLsk4R),
    Rect(356, 179, 45, 31, kCursorHand, kClick, FmsMouseLsk5R),
    Rect(356, 211, 45, 31, kCursorHand, kClick, FmsMouseLsk6R),
    Rect(34, 274, 36, 31, kCursorHand, kClick, FmsMouseKeyInitRef),
    Rect(71, 274, 36, 31, kCursorHand, kClick, FmsMouseKeyDirIntc),
    Rect(108, 274, 36, 31, kCursorHand, kClick, FmsMouseKeyRte),
    Rect(145, 274, 36, 31, kCursorHand, kClick, FmsMouseKeyLegs),
    Rect(182, 274, 36, 31, kCursorHand, kClick, FmsMouseKeyClb),
    Rect(219, 274, 36, 31, kCursorHand, kClick, FmsMouseKeyCrz),
    Rect(256, 274, 36, 31, kCursorHand, kClick, FmsMouseKeyDes),
    Rect(34, 306, 36, 31, kCursorHand, kClick, FmsMouseKeyPrevPage),
    Rect(71, 306, 36, 31, kCursorHand, kClick, FmsMouseKeyNextPage),
    Rect(108, 306, 36, 31, kCursorHand, kClick, FmsMouseKeyMenu),
    Rect(145, 306, 36, 31, kCursorHand, kClick, FmsMouseKeyFix),
    Rect(182, 306, 36, 31, kCursorHand, kClick, FmsMouseKeyDepArr),
    Rect(219, 306, 36, 31, kCursorHand, kClick, FmsMouseKeyHold),
    Rect(256, 306, 36, 31, kCursorHand, kClick, FmsMouseKeyProg),
    Rect(294, 306, 36, 31, kCursorHand, kClick, FmsMouseKeyExec),
    Rect(39, 349, 34, 35, kCursorHand, kClick, FmsMouseKey1),
    Rect(74, 349, 34, 35, kCursorHand, kClick, FmsMouseKey2),
    Rect(109, 349, 34, 35, kCursorHand, kClick, FmsMouseKey3),
    Rect(39, 385, 34, 35, kCursorHand, kClick, FmsMouseKey4),
    Rect(74, 385, 34, 35, kCursorHand, kClick, FmsMouseKey5),
    Rect(109, 385, 34, 35, kCursorHand, kClick, FmsMouseKey6),
    Rect(39, 421, 34, 35, kCursorHand, kClick, FmsMouseKey7),
    Rect(74, 421, 34, 35, kCursorHand, kClick, FmsMouseKey8),
    Rect(109, 421, 34, 35, kCursorHand, kClick, FmsMouseKey9),
    Rect(39, 458, 34, 35, kCursorHand, kClick, FmsMouseKeyDot),
    Rect(74, 458, 34, 35, kCursorHand, kClick, FmsMouseKey0),
    Rect(109, 458, 34, 35, kCursorHand, kClick, FmsMouseKeyPlusMinus),
    Rect(143, 338, 35, 35, kCursorHand, kClick, FmsMouseKeyA),
    Rect(179, 338, 35, 35, kCursorHand, kClick, FmsMouseKeyB),
    Rect(217, 338, 37, 35, kCursorHand, kClick, FmsMouseKeyC),
    Rect(256, 338, 37, 35, kCursorHand, kClick, FmsMouseKeyD),
    Rect(294, 338, 37, 35, kCursorHand, kClick, FmsMouseKeyE),
    Rect(332, 338, 37, 35, kCursorHand, kClick, FmsMouseKeyF),
    Rect(143, 373, 35, 35, kCursorHand, kClick, FmsMouseKeyG),
    Rect(179, 373, 35, 35, kCursorHand, kClick, FmsMouseKeyH),
    Rect(217, 373, 37, 35, kCursorHand, kClick, FmsMouseKeyI),
    Rect(256, 373, 37, 35, kCursorHand, kClick, FmsMouseKeyJ),
    Rect(294, 373, 37, 35, kCursorHand, kClick, FmsMouseKeyK),
    Rect(332, 373, 37, 35, kCursorHand, kClick, FmsMouseKeyL),
    Rect(143, 409, 35, 35, kCursorHand, kClick, FmsMouseKeyM),
    Rect(179, 409, 35, 35, kCursorHand, kClick, FmsMouseKeyN),
    Rect(217, 409, 37, 35, kCursorHand, kClick, FmsMouseKeyO),
    Rect(256, 409, 37, 35, kCursorHand, kClick, FmsMouseKeyP),
    Rect(294, 409, 37, 35, kCursorHand, kClick, FmsMouseKeyQ),
    Rect(332, 409, 37, 35, kCursorHand, kClick, FmsMouseKeyR),
    Rect(143, 445, 35, 35, kCursorHand, kClick, FmsMouseKeyS),
    Rect(179, 445, 35, 35, kCursorHand, kClick, FmsMouseKeyT),
    Rect(217, 445, 37, 35, kCursorHand, kClick, FmsMouseKeyU),
    Rect(256, 445, 37, 35, kCursorHand, kClick, FmsMouseKeyV),
    Rect(294, 445, 37, 35, kCursorHand, kClick, FmsMouseKeyW),
    Rect(332, 445, 37, 35, kCursorHand, kClick, FmsMouseKeyX),
    Rect(143, 480, 35, 35, kCursorHand, kClick, FmsMouseKeyY),
    Rect(179, 480, 35, 35, kCursorHand, kClick, FmsMouseKeyZ),
    Rect(217, 480, 37, 35, kCursorHand, kClick, FmsMouseKeySpace),
    Rect(256, 480, 37, 35, kCursorHand, kClick, FmsMouseKeyDel),
    Rect(294, 480, 37, 35, kCursorHand, kClick, FmsMouseKeySlash),
    Rect(332, 480, 37, 35, kCursorHand, kClickRepeat, FmsMouseKeyClr),
    Rect(56, 35, 290, 210, kCursorHand, kClick, FmsMouseToggleWindow),
    Rect(330, 261, 25, 45, kCursorDownArrow, kClickRepeat, FmsMouseBrightnessDec),
    Rect(355, 261, 25, 45, kCursorUpArrow, kClickRepeat, FmsMouseBrightnessInc),
    Rect(294, 274, 36, 31, kCursorHand, kClick, FmsMouseKeyboardInputToggle),
    EndParent(),
    End(),
};

// TCAS control head: the display button, the dimmer knob, the range knob.
constinit const MOUSERECT kTcasMouseRects[] = {
    Parent(),
    Tooltip("Traffic Alert and Collision Avoidance System.", kPlainTooltip),
    Rect(260, 30, 40, 50, kCursorHand, kClick, TcasMouseButton),
    Rect(220, 250, 40, 50, kCursorDownArrow, kClickRepeat, TcasMouseDimmerDec),
    Rect(260, 250, 40, 50, kCursorUpArrow, kClickRepeat, TcasMouseDimmerInc),
    Rect(0, 250, 50, 50, kCursorDownArrow, kClickRepeat, TcasMouseRangeDec),
    Rect(50, 250, 50, 50, kCursorUpArrow, kClickRepeat, TcasMouseRangeInc),
    EndParent(),
    End(),
};

constinit const MOUSERECT kTcasDisplayMouseRects[] = {
    Parent(),
    Tooltip("Traffic Alert and Collision Avoidance System.", kPlainTooltip),
    Rect(0, 30, 250, 220, kCursorHand, kClick, TcasDisplayMouseToggleWindow),
    EndParent(),
    End(),
};

// ---- Crew-aid pages ----

constexpr uint32_t kDrag = platform::kMouseLeftDrag;
constexpr uint32_t kDragRelease = platform::kMouseLeftDrag | platform::kMouseLeftRelease;

// The dispatch page: the cabin's and the fuel's buttons, the view toggles,
// the three actions along the bottom, the minus and plus pairs (minus left).
constinit MOUSERECT g_centerDispatchMouseRects[] = {
    Parent(),
    Rect(640, 21, 30, 19, kCursorUpArrow, kClickRepeat, CenterDispatchMouseAddRandomPassenger),
    Rect(640, 40, 30, 14, kCursorDownArrow, kClickRepeat, CenterDispatchMouseRemoveRandomPassenger),
    Rect(640, 54, 30, 15, kCursorHand, kClick, CenterDispatchMouseClearPayload),
    Rect(640, 69, 30, 15, kCursorHand, kClick, CenterDispatchMouseFillPayload),
    Rect(640, 84, 30, 17, kCursorHand, kClick, CenterDispatchMouseRandomPayload),
    Rect(616, 2, 24, 24, kCursorHand, kClick, CenterDispatchMousePayloadView),
    Rect(640, 161, 170, 19, kCursorUpArrow, kClickRepeat, CenterDispatchMouseAddFuel),
    Rect(640, 180, 170, 14, kCursorDownArrow, kClickRepeat, CenterDispatchMouseRemoveFuel),
    Rect(640, 194, 170, 15, kCursorHand, kClick, CenterDispatchMouseClearFuel),
    Rect(640, 209, 88, 15, kCursorHand, kClick, CenterDispatchMouseFillFuel),
    Rect(640, 224, 88, 17, kCursorHand, kClick, CenterDispatchMouseRandomFuel),
    Rect(616, 142, 24, 24, kCursorHand, kClick, CenterDispatchMouseFuelView),
    Rect(431, 521, 100, 30, kCursorHand, kClick, CenterDispatchMouseDeparturePlan),
    Rect(551, 521, 100, 30, kCursorHand, kClick, CenterDispatchMouseLoad),
    Rect(334, 19, 20, 20, kCursorNormal, kClickRepeat, CenterDispatchMouseMaleDec),
    Rect(354, 19, 20, 20, kCursorNormal, kClickRepeat, CenterDispatchMouseMaleInc),
    Rect(334, 47, 20, 20, kCursorNormal, kClickRepeat, CenterDispatchMouseFemaleDec),
    Rect(354, 47, 20, 20, kCursorNormal, kClickRepeat, CenterDispatchMouseFemaleInc),
    Rect(334, 75, 20, 20, kCursorNormal, kClickRepeat, CenterDispatchMouseChildDec),
    Rect(354, 75, 20, 20, kCursorNormal, kClickRepeat, CenterDispatchMouseChildInc),
    Rect(562, 19, 20, 20, kCursorNormal, kClickRepeat, CenterDispatchMouseF1Dec),
    Rect(582, 19, 20, 20, kCursorNormal, kClickRepeat, CenterDispatchMouseF1Inc),
    Rect(562, 47, 20, 20, kCursorNormal, kClickRepeat, CenterDispatchMouseF2Dec),
    Rect(582, 47, 20, 20, kCursorNormal, kClickRepeat, CenterDispatchMouseF2Inc),
    Rect(562, 75, 20, 20, kCursorNormal, kClickRepeat, CenterDispatchMouseA1Dec),
    Rect(582, 75, 20, 20, kCursorNormal, kClickRepeat, CenterDispatchMouseA1Inc),
    Rect(334, 159, 20, 20, kCursorNormal, kClickRepeat, CenterDispatchMouseLeftTankDec),
    Rect(354, 159, 20, 20, kCursorNormal, kClickRepeat, CenterDispatchMouseLeftTankInc),
    Rect(334, 187, 20, 20, kCursorNormal, kClickRepeat, CenterDispatchMouseRightTankDec),
    Rect(354, 187, 20, 20, kCursorNormal, kClickRepeat, CenterDispatchMouseRightTankInc),
    Rect(334, 215, 20, 20, kCursorNormal, kClickRepeat, CenterDispatchMouseCenterTankDec),
    Rect(354, 215, 20, 20, kCursorNormal, kClickRepeat, CenterDispatchMouseCenterTankInc),
    Rect(310, 521, 100, 30, kCursorHand, kClick, CenterDispatchMouseFms),
    EndParent(),
    End(),
};

// A check box's rectangle, 30 x 18, named after its option's key.
constexpr MOUSERECT CheckBox(int32_t x, int32_t y, MouseFunction function, const char* name) {
  return MakeRect(x, y, 30, 18, kCursorHand, kClick, function, name);
}

// The options page: the check boxes in screen order, then the volumes and fd_mod.
constinit const MOUSERECT kCenterOptionsMouseRects[] = {
    Parent(),
    CheckBox(15, 16, CenterOptionsMouseToggle<8>, "CenterOptionsMouseFmaFl"),
    CheckBox(15, 40, CenterOptionsMouseToggle<0>, "CenterOptionsMouseSpacebar"),
    CheckBox(15, 64, CenterOptionsMouseToggle<1>, "CenterOptionsMouseSound"),
    CheckBox(15, 87, CenterOptionsMouseToggle<3>, "CenterOptionsMouseCenterStartup"),
    CheckBox(15, 112, CenterOptionsMouseToggle<4>, "CenterOptionsMousePopupAnnunciator"),
    CheckBox(15, 136, CenterOptionsMouseToggle<5>, "CenterOptionsMouseHotspots"),
    CheckBox(15, 160, CenterOptionsMouseToggle<6>, "CenterOptionsMouseClickAreas"),
    CheckBox(15, 183, CenterOptionsMouseToggle<7>, "CenterOptionsMousePreloadWindows"),
    CheckBox(15, 208, CenterOptionsMouseToggle<12>, "CenterOptionsMouseIrsFastStartRealign"),
    CheckBox(15, 232, CenterOptionsMouseToggle<13>, "CenterOptionsMouseTurnOffFoCallouts"),
    CheckBox(15, 256, CenterOptionsMouseToggle<9>, "CenterOptionsMouseAltTrainingFont"),
    CheckBox(15, 280, CenterOptionsMouseToggle<10>, "CenterOptionsMouseOneNavIls"),
    CheckBox(15, 304, CenterOptionsMouseToggle<11>, "CenterOptionsMouseDropMenu"),
    CheckBox(15, 328, CenterOptionsMouseToggle<15>, "CenterOptionsMouseFdVBar"),
    CheckBox(15, 352, CenterOptionsMouseToggle<16>, "CenterOptionsMouseNoSwitchClickSounds"),
    CheckBox(372, 16, CenterOptionsMouseToggle<17>, "CenterOptionsMouseFdModEnable"),
    CheckBox(372, 136, CenterOptionsMouseToggle<18>, "CenterOptionsMouseFmsAutoSetAltPresel"),
    Rect(20, 430, 22, 18, kCursorDownArrow, kClickRepeat, CenterOptionsMouseVolumeFoDown),
    Rect(339, 430, 22, 18, kCursorUpArrow, kClickRepeat, CenterOptionsMouseVolumeFoUp),
    Rect(42, 430, 295, 18, kCursorGrab, kDrag, CenterOptionsMouseVolumeFoSlider),
    Rect(20, 475, 22, 18, kCursorDownArrow, kClickRepeat, CenterOptionsMouseVolumePanelDown),
    Rect(339, 475, 22, 18, kCursorUpArrow, kClickRepeat, CenterOptionsMouseVolumePanelUp),
    Rect(42, 475, 295, 18, kCursorGrab, kDrag, CenterOptionsMouseVolumePanelSlider),
    Rect(377, 60, 22, 18, kCursorDownArrow, kClickRepeat, CenterOptionsMouseFdModDown),
    Rect(619, 60, 22, 18, kCursorUpArrow, kClickRepeat, CenterOptionsMouseFdModUp),
    Rect(399, 60, 220, 18, kCursorGrab, kDragRelease, CenterOptionsMouseFdModSlider),
    EndParent(),
    End(),
};

constinit const MOUSERECT kCenterUpdatedMouseRects[] = {
    Parent(),
    Rect(8, 222, 20, 20, kCursorHand, kClick, CenterUpdatedMouseNoShow),
    Rect(350, 0, 50, 40, kCursorHand, kClick, CenterUpdatedMouseClose),
    EndParent(),
    End(),
};

constinit const MOUSERECT kPushbackMouseRects[] = {
    Parent(),
    Rect(30, 110, 210, 110, kCursorHand, kClick, PushbackMouseFirst),
    Rect(280, 110, 210, 110, kCursorHand, kClick, PushbackMouseSecond),
    Rect(30, 260, 460, 110, kCursorHand, kClick, PushbackMouseBoth),
    Rect(563, 4, 30, 30, kCursorHand, kClick, PushbackMouseClose),
    EndParent(),
    End(),
};

}  // namespace halcyon
