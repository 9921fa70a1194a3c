// The twenty tooltip-carrying mouse tables, as data. The rectangles point at
// the gauges' mouse functions and the tooltips at their value callbacks. The
// tables are constant-initialised, so they are complete before the simulator
// reads a gauge header.

#include "crewaids/dispatch/center_dispatch.h"
#include "crewaids/options/center_options.h"
#include "crewaids/options/pushback.h"
#include "crewaids/training/center_gauges.h"
#include "crewaids/training/guide_gauges.h"
#include "gauges/air_condition_panel.h"
#include "gauges/airspeed.h"
#include "gauges/altimeter.h"
#include "gauges/apu_panel.h"
#include "gauges/audio_panel.h"
#include "gauges/cabin_pressure.h"
#include "gauges/cards.h"
#include "gauges/clock.h"
#include "gauges/dfgs.h"
#include "gauges/efis_controls.h"
#include "gauges/efis_displays.h"
#include "gauges/electrical.h"
#include "gauges/engine_display.h"
#include "gauges/engine_fire.h"
#include "gauges/engine_start_panels.h"
#include "gauges/eoap.h"
#include "gauges/fma.h"
#include "gauges/fms.h"
#include "gauges/forward_panel.h"
#include "gauges/fuel_quantity.h"
#include "gauges/gear_gauges.h"
#include "gauges/hotspots.h"
#include "gauges/hydraulic_brakes.h"
#include "gauges/ice_rain_panels.h"
#include "gauges/irs_fdc.h"
#include "gauges/mentor_editor.h"
#include "gauges/mouse_tables.h"
#include "gauges/nav.h"
#include "gauges/pedestal.h"
#include "gauges/pedestal_lights.h"
#include "gauges/radar_panel.h"
#include "gauges/radio_heads.h"
#include "gauges/second_overhead.h"
#include "gauges/side_gauges.h"
#include "gauges/side_switches.h"
#include "gauges/standby_instruments.h"
#include "gauges/start_pages.h"
#include "gauges/thrust_rating_panel.h"
#include "gauges/tooltips.h"
#include "gauges/trims.h"
#include "gauges/various_panels.h"
#include "gauges/view_menu.h"
#include "gauges/warning_lamps.h"
#include <cstddef>

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

// ---- Popup cards, hotspots and close boxes (no tooltip) ----
// A gauge with a single control: its whole table on one line.
#define SingleControlTable(table, x, y, width, height, cursor, flags, function) \
  constinit const MOUSERECT table[] = {Parent(), Rect(x, y, width, height, cursor, flags, function), EndParent(), End()}

// Checklist (302 wide): the left half pages back, the right half on, the
// strip at the bottom steps to the next item.
constinit const MOUSERECT kChecklistMouseRects[] = {
    Parent(),
    Rect(0, 70, 151, 420, kCursorDownArrow, kClick, ChecklistMouseChecklistDec),
    Rect(151, 70, 151, 420, kCursorUpArrow, kClick, ChecklistMouseChecklistInc),
    Rect(274, 6, 17, 17, kCursorHand, kClick, ChecklistMouseClose),
    Rect(41, 557, 220, 28, kCursorHand, kClick, ChecklistMouseNextItem),
    EndParent(),
    End(),
};

// Speed Cards (170 wide): close, card type, the weight steppers, the two bug buttons.
constinit const MOUSERECT kSpeedCardsMouseRects[] = {
    Parent(),
    Rect(143, 6, 19, 19, kCursorHand, kClick, SpeedCardsMouseClose),
    Rect(0, 15, 140, 35, kCursorHand, kClick, SpeedCardsMouseType),
    Rect(0, 265, 85, 30, kCursorDownArrow, kClickRepeat, SpeedCardsMouseWeightDec),
    Rect(85, 265, 85, 30, kCursorUpArrow, kClickRepeat, SpeedCardsMouseWeightInc),
    Rect(0, 300, 85, 30, kCursorHand, kClick, SpeedCardsMouseSetAsiBugs1),
    Rect(85, 300, 85, 30, kCursorHand, kClick, SpeedCardsMouseSetAsiBugs2),
    EndParent(),
    End(),
};

// Start Flying (960 wide): the start-up check box, the close box, previous and next.
constinit const MOUSERECT kStartFlyingMouseRects[] = {
    Parent(),
    Rect(12, 673, 25, 25, kCursorHand, kClick, StartFlyingMouseCheckBox),
    Rect(922, 13, 25, 25, kCursorHand, kClick, StartFlyingMouseClose),
    Rect(620, 574, 100, 90, kCursorHand, kClick, StartFlyingMousePrev),
    Rect(743, 574, 100, 90, kCursorHand, kClick, StartFlyingMouseNext),
    EndParent(),
    End(),
};

SingleControlTable(kSplashMouseRects, 0, 0, 1280, 960, kCursorHand, kClick, SplashMouseClick);

SingleControlTable(kHotspot1MouseRects, 0, 0, 139, 55, kCursorHand, kClick, Hotspot1MouseClick);
SingleControlTable(kHotspot2MouseRects, 0, 0, 170, 70, kCursorHand, kClick, Hotspot2MouseClick);
// The lower pedestal's area reaches into the second CDU area; the first that
// holds a point wins, so the CDU is reached from 534 on.
constinit const MOUSERECT kHotspot3MouseRects[] = {
    Parent(),
    Rect(0, 0, 199, 105, kCursorHand, kClick, Hotspot3MouseCdu),
    Rect(200, 0, 110, 105, kCursorUpArrow, kClick, Hotspot3MouseUpperPedestal),
    Rect(310, 0, 224, 105, kCursorDownArrow, kClick, Hotspot3MouseLowerPedestal),
    Rect(424, 0, 192, 105, kCursorHand, kClick, Hotspot3MouseCdu2),
    EndParent(),
    End(),
};
SingleControlTable(kHotspot4MouseRects, 0, 0, 98, 40, kCursorHand, kClick, Hotspot4MouseClick);
SingleControlTable(kHotspot5MouseRects, 0, 0, 132, 57, kCursorHand, kClick, Hotspot5MouseClick);
SingleControlTable(kHotspot8MouseRects, 0, 0, 104, 115, kCursorHand, kClick, Hotspot8MouseClick);
constinit const MOUSERECT kHotspot9MouseRects[] = {
    Parent(),
    Rect(0, 0, 172, 122, kCursorHand, kClick, Hotspot9MouseUpper),
    Rect(0, 123, 172, 185, kCursorHand, kClick, Hotspot9MouseLower),
    EndParent(),
    End(),
};
SingleControlTable(kHotspot10MouseRects, 0, 0, 211, 55, kCursorHand, kClick, Hotspot10MouseClick);
SingleControlTable(kHotspot11MouseRects, 0, 0, 38, 148, kCursorHand, kClick, Hotspot11MouseClick);
constinit const MOUSERECT kHotspot12MouseRects[] = {
    Parent(),
    Rect(0, 0, 67, 31, kCursorHand, kClick, Hotspot12MouseCdu),
    Rect(68, 0, 131, 31, kCursorUpArrow, kClick, Hotspot12MouseUpperPedestal),
    Rect(199, 0, 131, 31, kCursorDownArrow, kClick, Hotspot12MouseLowerPedestal),
    EndParent(),
    End(),
};
constinit const MOUSERECT kHotspot13MouseRects[] = {
    Parent(),
    Rect(0, 0, 194, 391, kCursorHand, kClick, Hotspot13MouseUpper),
    Rect(0, 392, 194, 471, kCursorHand, kClick, Hotspot13MouseLower),
    EndParent(),
    End(),
};
SingleControlTable(kHotspot14MouseRects, 0, 0, 230, 367, kCursorHand, kClick, Hotspot14MouseClick);
constinit const MOUSERECT kHotspot15MouseRects[] = {
    Parent(),
    Rect(0, 0, 194, 393, kCursorHand, kClick, Hotspot15MouseUpper),
    Rect(0, 393, 194, 477, kCursorHand, kClick, Hotspot15MouseLower),
    EndParent(),
    End(),
};
constinit const MOUSERECT kHotspot16MouseRects[] = {
    Parent(),
    Rect(0, 0, 242, 396, kCursorHand, kClick, Hotspot16MouseUpper),
    Rect(0, 397, 242, 442, kCursorHand, kClick, Hotspot16MouseLower),
    EndParent(),
    End(),
};
SingleControlTable(kHotspot20MouseRects, 0, 0, 110, 136, kCursorHand, kClick, Hotspot20MouseClick);
SingleControlTable(kHotspot21MouseRects, 0, 0, 70, 108, kCursorHand, kClick, Hotspot21MouseClick);
SingleControlTable(kHotspot22MouseRects, 0, 0, 123, 39, kCursorHand, kClick, Hotspot22MouseClick);
SingleControlTable(kHotspot23MouseRects, 0, 0, 459, 31, kCursorHand, kClick, Hotspot23MouseClick);
SingleControlTable(kHotspot24MouseRects, 0, 0, 193, 42, kCursorHand, kClick, Hotspot24MouseClick);
constinit const MOUSERECT kHotspot25MouseRects[] = {
    Parent(),
    Rect(0, 0, 53, 114, kCursorHand, kClick, Hotspot25MouseCdu),
    Rect(53, 0, 99, 114, kCursorUpArrow, kClick, Hotspot25MouseUpperPedestal),
    Rect(152, 0, 98, 114, kCursorDownArrow, kClick, Hotspot25MouseLowerPedestal),
    Rect(250, 0, 52, 114, kCursorHand, kClick, Hotspot25MouseCdu2),
    EndParent(),
    End(),
};
SingleControlTable(kHotspot28MouseRects, 0, 0, 321, 34, kCursorHand, kClick, Hotspot28MouseClick);
SingleControlTable(kHotspot30MouseRects, 0, 0, 84, 75, kCursorHand, kClick, Hotspot30MouseClick);
SingleControlTable(kHotspot31MouseRects, 0, 0, 118, 73, kCursorHand, kClick, Hotspot31MouseClick);

SingleControlTable(kWindowClose1MouseRects, 0, 0, 20, 20, kCursorHand, kClick, WindowClose1MouseClick);
SingleControlTable(kWindowClose2MouseRects, 0, 0, 20, 20, kCursorHand, kClick, WindowClose2MouseClick);
SingleControlTable(kWindowClose3MouseRects, 0, 0, 20, 20, kCursorHand, kClick, WindowClose3MouseClick);
SingleControlTable(kWindowClose4MouseRects, 0, 0, 20, 20, kCursorHand, kClick, WindowClose4MouseClick);
SingleControlTable(kWindowClose5MouseRects, 0, 0, 20, 20, kCursorHand, kClick, WindowClose5MouseClick);
SingleControlTable(kWindowClose6MouseRects, 0, 0, 20, 20, kCursorHand, kClick, WindowClose6MouseClick);
SingleControlTable(kWindowClose8MouseRects, 0, 0, 20, 20, kCursorHand, kClick, WindowClose8MouseClick);
SingleControlTable(kWindowClose9MouseRects, 0, 0, 20, 20, kCursorHand, kClick, WindowClose9MouseClick);
#undef SingleControlTable

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

// ---- The centre panel: engine display, fuel quantity, warning lamps, gear ----

// EDP (168 x 290): each MAN EPR knob's decrease half, pull and increase half,
// then the fuel-used display and reset buttons.
constinit const MOUSERECT kEdpMouseRects[] = {
    Parent(),
    Rect(0, 268, 16, 32, kCursorDownArrow, kClickRepeat, EdpMouseEprManual1Dec),
    Rect(16, 268, 10, 32, kCursorHand, kClick, EdpMouseEprManual1Toggle),
    Rect(26, 268, 16, 32, kCursorUpArrow, kClickRepeat, EdpMouseEprManual1Inc),
    Rect(132, 268, 16, 32, kCursorDownArrow, kClickRepeat, EdpMouseEprManual2Dec),
    Rect(148, 268, 10, 32, kCursorHand, kClick, EdpMouseEprManual2Toggle),
    Rect(158, 268, 16, 32, kCursorUpArrow, kClickRepeat, EdpMouseEprManual2Inc),
    Rect(75, 268, 20, 20, kCursorHand, kClick, EdpMouseFuelUsedDisplay),
    Rect(107, 268, 10, 20, kCursorHand, kClickRelease, EdpMouseFuelUsedReset),
    EndParent(),
    End(),
};

// Fuel_Quantity: the test button, the coarse (100 lb) and fine (25 lb) payload rings.
constinit const MOUSERECT kFuelQuantityMouseRects[] = {
    Parent(),
    Rect(4, 94, 30, 30, kCursorHand, kClickRelease, FuelQuantityMouseTest),
    Rect(95, 94, 15, 30, kCursorDownArrow, kClickRepeat, FuelQuantityMousePayloadDec100),
    Rect(110, 94, 15, 30, kCursorUpArrow, kClickRepeat, FuelQuantityMousePayloadInc100),
    Rect(35, 90, 25, 20, kCursorDownArrow, kClickRepeat, FuelQuantityMousePayloadDec25),
    Rect(61, 90, 25, 20, kCursorUpArrow, kClickRepeat, FuelQuantityMousePayloadInc25),
    EndParent(),
    End(),
};

// Warning Lights and Pellams Warning Lights: the same rectangles, although
// the second artwork mirrors its lamps.
constinit const MOUSERECT kWarningLightsMouseRects[] = {
    Parent(),
    Rect(0, 54, 30, 30, kCursorHand, kClickRelease, WarningLightsMouseAbs),
    Rect(240, 0, 39, 40, kCursorHand, kClick, WarningLightsMouseStickPusher),
    Rect(31, 41, 51, 39, kCursorHand, kClick, WarningLightsMouseWarning),
    Rect(82, 23, 51, 39, kCursorHand, kClick, WarningLightsMouseCaution),
    EndParent(),
    End(),
};
constinit const MOUSERECT kPellamsWarningLightsMouseRects[] = {
    Parent(),
    Rect(0, 54, 30, 30, kCursorHand, kClickRelease, PellamsWarningLightsMouseAbs),
    Rect(240, 0, 39, 40, kCursorHand, kClick, PellamsWarningLightsMouseStickPusher),
    Rect(31, 41, 51, 39, kCursorHand, kClick, PellamsWarningLightsMouseWarning),
    Rect(82, 23, 51, 39, kCursorHand, kClick, PellamsWarningLightsMouseCaution),
    EndParent(),
    End(),
};

// The lamp test button: a left click for the timed test, a right click to latch it.
constinit const MOUSERECT kAnnunciatorDigitalLightsTestMouseRects[] = {
    Parent(),
    Rect(0, 0, 32, 33, kCursorHand, kClick | platform::kMouseRightSingle, AnnunciatorDigitalLightsTestMouseTest),
    EndParent(),
    End(),
};

// GPWS: the BELOW G/S lamp-button, then the GPWS test.
constinit const MOUSERECT kGpwsMouseRects[] = {
    Parent(),
    Rect(0, 0, 26, 24, kCursorHand, kClick, GpwsMouseInhibitBelowGs),
    Rect(27, 0, 25, 24, kCursorHand, kClickRelease, GpwsMouseTest),
    EndParent(),
    End(),
};

constinit const MOUSERECT kGearHandleMouseRects[] = {
    Parent(),
    Rect(0, 0, 66, 276, kCursorHand, kClick, GearHandleMouseClick),
    EndParent(),
    End(),
};

// Gear_Indicators: the GEAR DOOR OPEN lamp pressed to test.
constinit const MOUSERECT kGearIndicatorsMouseRects[] = {
    Parent(),
    Rect(94, 3, 30, 30, kCursorHand, kClickRelease, GearIndicatorsMouseDoorTest),
    EndParent(),
    End(),
};

// ---- The overhead systems panels and the pedestal's lights ----

constinit const MOUSERECT kCabinPressureMouseRects[] = {
    Parent(),
    Rect(-3, 29, 40, 40, kCursorHand, kClick, CabinPressureMouseSystemSelector),
    Rect(39, 60, 20, 30, kCursorDownArrow, kClickRepeat, CabinPressureMouseLandingAltCoarseDec),
    Rect(59, 60, 20, 30, kCursorUpArrow, kClickRepeat, CabinPressureMouseLandingAltCoarseInc),
    Rect(39, 0, 40, 29, kCursorUpArrow, kClickRepeat, CabinPressureMouseLandingAltFineInc),
    Rect(39, 29, 40, 29, kCursorDownArrow, kClickRepeat, CabinPressureMouseLandingAltFineDec),
    Rect(89, 60, 20, 30, kCursorDownArrow, kClickRepeat, CabinPressureMouseLandingBaroDec),
    Rect(109, 60, 20, 30, kCursorUpArrow, kClickRepeat, CabinPressureMouseLandingBaroInc),
    Rect(136, 5, 25, 22, kCursorHand, kClickRelease, CabinPressureMouseFlowLightTest),
    Rect(131, 34, 17, 40, kCursorDownArrow, kClickRepeat, CabinPressureMouseRateLimitDec),
    Rect(148, 34, 17, 40, kCursorUpArrow, kClickRepeat, CabinPressureMouseRateLimitInc),
    EndParent(),
    End(),
};

// Air_Condition: the cold and hot halves act on the press, while held and on the release.
constexpr uint32_t kClickRepeatRelease = kClickRepeat | platform::kMouseLeftRelease;
constinit const MOUSERECT kAirConditionMouseRects[] = {
    Parent(),
    Rect(10, 110, 25, 30, kCursorDownArrow, kClickRepeatRelease, AirConditionMouseCockpitTempCold),
    Rect(35, 110, 25, 30, kCursorUpArrow, kClickRepeatRelease, AirConditionMouseCockpitTempHot),
    Rect(10, 75, 50, 35, kCursorHand, kClick, AirConditionMouseCockpitTempAuto),
    Rect(185, 110, 25, 30, kCursorDownArrow, kClickRepeatRelease, AirConditionMouseCabinTempCold),
    Rect(210, 110, 25, 30, kCursorUpArrow, kClickRepeatRelease, AirConditionMouseCabinTempHot),
    Rect(185, 75, 50, 35, kCursorHand, kClick, AirConditionMouseCabinTempAuto),
    Rect(74, 84, 40, 20, kCursorUpArrow, kClick, AirConditionMouseSupplyLeftInc),
    Rect(74, 104, 40, 20, kCursorDownArrow, kClick, AirConditionMouseSupplyLeftDec),
    Rect(128, 84, 40, 20, kCursorUpArrow, kClick, AirConditionMouseSupplyRightInc),
    Rect(128, 104, 40, 20, kCursorDownArrow, kClick, AirConditionMouseSupplyRightDec),
    Rect(263, 15, 40, 40, kCursorHand, kClick, AirConditionMouseTempSelect),
    Rect(322, 20, 40, 40, kCursorHand, kClick, AirConditionMouseRadioRackVenturi),
    EndParent(),
    End(),
};

constinit const MOUSERECT kIceProtectionMouseRects[] = {
    Parent(),
    Rect(23, 12, 40, 20, kCursorUpArrow, kClick, IceProtectionMouseEmergencyLightsInc),
    Rect(23, 32, 40, 20, kCursorDownArrow, kClick, IceProtectionMouseEmergencyLightsDec),
    Rect(4, 73, 38, 20, kCursorUpArrow, kClick, IceProtectionMouseNoSmokingInc),
    Rect(4, 93, 38, 20, kCursorDownArrow, kClick, IceProtectionMouseNoSmokingDec),
    Rect(49, 73, 38, 20, kCursorUpArrow, kClick, IceProtectionMouseSeatbeltInc),
    Rect(49, 93, 38, 20, kCursorDownArrow, kClick, IceProtectionMouseSeatbeltDec),
    Rect(176, 43, 30, 70, kCursorUpArrow, kClick, IceProtectionMouseMeterSelectorInc),
    Rect(206, 43, 30, 70, kCursorDownArrow, kClick, IceProtectionMouseMeterSelectorDec),
    Rect(283, 10, 40, 40, kCursorHand, kClick, IceProtectionMouseAirfoil),
    Rect(285, 68, 40, 40, kCursorHand, kClick, IceProtectionMouseTail),
    Rect(359, 10, 40, 40, kCursorHand, kClick, IceProtectionMouseWindowsAntiFog),
    Rect(405, 10, 40, 40, kCursorHand, kClick, IceProtectionMouseWindowsAntiIce),
    Rect(346, 67, 40, 40, kCursorHand, kClick, IceProtectionMouseEngineLeft),
    Rect(419, 67, 40, 40, kCursorHand, kClick, IceProtectionMouseEngineRight),
    EndParent(),
    End(),
};

constinit const MOUSERECT kRainMouseRects[] = {
    Parent(),
    Rect(29, 132, 40, 40, kCursorHand, kClickRelease, RainMouseRepellentSource),
    Rect(-2, 173, 40, 40, kCursorHand, kClick, RainMouseRepellentDischargeLeft),
    Rect(60, 173, 40, 40, kCursorHand, kClick, RainMouseRepellentDischargeRight),
    Rect(112, 143, 30, 60, kCursorDownArrow, kClickRelease, RainMouseWiperDec),
    Rect(142, 143, 30, 60, kCursorUpArrow, kClick, RainMouseWiperInc),
    Rect(298, 178, 40, 40, kCursorHand, kClick, RainMouseAnnunciatorLightsDim),
    Rect(332, 9, 40, 40, kCursorHand, kClick, RainMouseAirCondShutoffOverride),
    Rect(332, 77, 40, 40, kCursorHand, kClick, RainMouseRamAir),
    EndParent(),
    End(),
};

constinit const MOUSERECT kOclMouseRects[] = {
    Parent(),
    Rect(30, 20, 40, 40, kCursorHand, kClick, OclMousePanelLight),
    Rect(130, 20, 40, 40, kCursorHand, kClick, OclMouseFloodLight),
    EndParent(),
    End(),
};

constinit const MOUSERECT kIrsMouseRects[] = {
    Parent(),
    Rect(0, 0, 20, 44, kCursorDownArrow, kClick, IrsMouseSwitch1Dec),
    Rect(20, 0, 20, 44, kCursorUpArrow, kClick, IrsMouseSwitch1Inc),
    Rect(140, 0, 20, 44, kCursorDownArrow, kClick, IrsMouseSwitch2Dec),
    Rect(160, 0, 20, 44, kCursorUpArrow, kClick, IrsMouseSwitch2Inc),
    EndParent(),
    End(),
};

constinit const MOUSERECT kFdcMouseRects[] = {
    Parent(),
    Rect(21, 40, 30, 60, kCursorUpArrow, kClick, FdcMouseCadcInc),
    Rect(51, 40, 30, 60, kCursorDownArrow, kClick, FdcMouseCadcDec),
    Rect(89, 10, 30, 60, kCursorUpArrow, kClick, FdcMouseFdCmdInc),
    Rect(119, 10, 30, 60, kCursorDownArrow, kClick, FdcMouseFdCmdDec),
    Rect(160, 40, 30, 60, kCursorUpArrow, kClick, FdcMouseVertGyroInc),
    Rect(190, 40, 30, 60, kCursorDownArrow, kClick, FdcMouseVertGyroDec),
    EndParent(),
    End(),
};

constinit const MOUSERECT kVariousMouseRects[] = {
    Parent(),
    Rect(17, 7, 40, 40, kCursorHand, kClickRelease, VariousMousePaLight),
    Rect(72, 14, 40, 40, kCursorHand, kClick, VariousMouseAttendantCall),
    Rect(72, 70, 40, 40, kCursorHand, kClick, VariousMouseAttendantCallLight),
    Rect(137, 9, 40, 40, kCursorHand, kClick, VariousMouseAntiSkid),
    Rect(137, 65, 40, 40, kCursorHand, kClickRelease, VariousMouseAntiSkidTest),
    Rect(209, 9, 40, 20, kCursorUpArrow, kClickRelease, VariousMouseStallTest1),
    Rect(209, 29, 40, 20, kCursorDownArrow, kClickRelease, VariousMouseStallTest2),
    Rect(209, 65, 40, 18, kCursorUpArrow, kClick, VariousMouseYawDampInc),
    Rect(209, 83, 40, 17, kCursorDownArrow, kClick, VariousMouseYawDampDec),
    Rect(268, 9, 40, 20, kCursorUpArrow, kClickRelease, VariousMouseMaxSpeedWarnTestInc),
    Rect(268, 29, 40, 20, kCursorDownArrow, kClickRelease, VariousMouseMaxSpeedWarnTestDec),
    Rect(279, 58, 40, 40, kCursorHand, kClick, VariousMouseMachTrimComp),
    Rect(315, 9, 40, 40, kCursorHand, kClick, VariousMouseKeyEventButton),
    EndParent(),
    End(),
};

constinit const MOUSERECT kVarious2MouseRects[] = {
    Parent(),
    Rect(44, 10, 30, 60, kCursorDownArrow, kClick, Various2MouseSyncDec),
    Rect(74, 10, 30, 60, kCursorUpArrow, kClick, Various2MouseSyncInc),
    Rect(19, 80, 40, 36, kCursorUpArrow, kClick, Various2MouseGpwsUp),
    Rect(19, 116, 40, 36, kCursorDownArrow, kClick, Various2MouseGpwsDown),
    EndParent(),
    End(),
};

constinit const MOUSERECT kCockpitLightsMouseRects[] = {
    Parent(),
    Rect(35, 20, 40, 20, kCursorUpArrow, kClick, CockpitLightsMouseCircuitBreakerInc),
    Rect(35, 40, 40, 20, kCursorDownArrow, kClick, CockpitLightsMouseCircuitBreakerDec),
    Rect(81, 20, 40, 20, kCursorUpArrow, kClick, CockpitLightsMouseStandbyCompassInc),
    Rect(81, 40, 40, 20, kCursorDownArrow, kClick, CockpitLightsMouseStandbyCompassDec),
    Rect(11, 97, 40, 40, kCursorHand, kClick, CockpitLightsMouseThunderstorm),
    Rect(61, 97, 40, 20, kCursorUpArrow, kClick, CockpitLightsMouseFloodInc),
    Rect(61, 117, 40, 20, kCursorDownArrow, kClick, CockpitLightsMouseFloodDec),
    EndParent(),
    End(),
};

constinit const MOUSERECT kRecirculationFanMouseRects[] = {
    Parent(),
    Rect(21, 18, 24, 25, kCursorUpArrow, kClick, RecirculationFanMouseSwitchInc),
    Rect(21, 43, 24, 25, kCursorDownArrow, kClick, RecirculationFanMouseSwitchDec),
    EndParent(),
    End(),
};

constinit const MOUSERECT kVoiceRecorderMouseRects[] = {
    Parent(),
    Rect(10, 0, 30, 30, kCursorHand, kClick, VoiceRecorderMouseTest),
    EndParent(),
    End(),
};

constinit const MOUSERECT kGsepMouseRects[] = {
    Parent(),
    Rect(74, 16, 40, 40, kCursorHand, kClick, GsepMouseApu),
    Rect(74, 74, 40, 40, kCursorHand, kClick, GsepMouseExternal),
    Rect(176, 59, 40, 40, kCursorHand, kClick, GsepMouseMaintenancePhone),
    EndParent(),
    End(),
};

constinit const MOUSERECT kEfdsMouseRects[] = {
    Parent(),
    Rect(80, 58, 40, 30, kCursorUpArrow, kClick, EfdsMouseApuInc),
    Rect(100, 88, 40, 30, kCursorDownArrow, kClick, EfdsMouseApuDec),
    Rect(11, 117, 40, 30, kCursorUpArrow, kClick, EfdsMouseEngine1Inc),
    Rect(11, 147, 40, 30, kCursorDownArrow, kClick, EfdsMouseEngine1Dec),
    Rect(144, 117, 40, 30, kCursorUpArrow, kClick, EfdsMouseEngine2Inc),
    Rect(144, 147, 40, 30, kCursorDownArrow, kClick, EfdsMouseEngine2Dec),
    EndParent(),
    End(),
};

constinit const MOUSERECT kOxygenRegulatorMouseRects[] = {
    Parent(),
    Rect(102, 57, 30, 80, kCursorHand, kClick, OxygenRegulatorMouseSupplyRegulator),
    Rect(171, 57, 30, 80, kCursorHand, kClick, OxygenRegulatorMouseMaster),
    EndParent(),
    End(),
};

constinit const MOUSERECT kFlightRecorderMouseRects[] = {
    Parent(),
    Rect(150, 0, 40, 40, kCursorUpArrow, kClick, FlightRecorderMouseTestInc),
    Rect(150, 40, 40, 40, kCursorDownArrow, kClick, FlightRecorderMouseTestDec),
    EndParent(),
    End(),
};

constinit const MOUSERECT kCplMouseRects[] = {
    Parent(),
    Rect(23, 25, 50, 50, kCursorHand, kClick, CplMousePanel),
    Rect(91, 25, 50, 50, kCursorHand, kClick, CplMouseDigital),
    Rect(156, 25, 50, 50, kCursorHand, kClick, CplMouseFlood),
    EndParent(),
    End(),
};

constinit const MOUSERECT kAutoBrakeMouseRects[] = {
    Parent(),
    Rect(12, 0, 40, 45, kCursorHand, kClick, AutoBrakeMouseArm),
    Rect(18, 45, 25, 50, kCursorDownArrow, kClick, AutoBrakeMouseModeDec),
    Rect(43, 45, 25, 50, kCursorUpArrow, kClick, AutoBrakeMouseModeInc),
    EndParent(),
    End(),
};

constinit const MOUSERECT kPneumaticXFeedMouseRects[] = {
    Parent(),
    Rect(0, 0, 50, 130, kCursorHand, kClick, PneumaticXFeedMouseLeftValve),
    Rect(250, 0, 50, 130, kCursorHand, kClick, PneumaticXFeedMouseRightValve),
    EndParent(),
    End(),
};

// EFIS MCP (197 wide) and EFIS MCP2 (300 wide): one panel in two artworks;
// mode, ADF 1, range, then the four display-control buttons.
constinit const MOUSERECT kEfisMcpMouseRects[] = {
    Parent(),
    Rect(13, 51, 20, 40, kCursorDownArrow, kClick, EfisMcpMouseModeDec),
    Rect(33, 51, 20, 40, kCursorUpArrow, kClick, EfisMcpMouseModeInc),
    Rect(84, 35, 40, 40, kCursorDownArrow, kClick, EfisMcpMouseAdf1),
    Rect(149, 11, 20, 40, kCursorDownArrow, kClick, EfisMcpMouseRangeDec),
    Rect(169, 11, 20, 40, kCursorUpArrow, kClick, EfisMcpMouseRangeInc),
    Rect(29, 108, 30, 30, kCursorHand, kClick, EfisMcpMouseDeclutterNaid),
    Rect(66, 96, 30, 30, kCursorHand, kClick, EfisMcpMouseDeclutterArpt),
    Rect(104, 83, 30, 30, kCursorHand, kClick, EfisMcpMouseDeclutterData),
    Rect(140, 64, 30, 30, kCursorHand, kClick, EfisMcpMouseDeclutterWpt),
    EndParent(),
    End(),
};
constinit const MOUSERECT kEfisMcp2MouseRects[] = {
    Parent(),
    Rect(11, 13, 30, 60, kCursorDownArrow, kClick, EfisMcp2MouseModeDec),
    Rect(41, 13, 30, 60, kCursorUpArrow, kClick, EfisMcp2MouseModeInc),
    Rect(117, 20, 60, 60, kCursorDownArrow, kClick, EfisMcp2MouseAdf1),
    Rect(221, 12, 30, 60, kCursorDownArrow, kClick, EfisMcp2MouseRangeDec),
    Rect(251, 12, 30, 60, kCursorUpArrow, kClick, EfisMcp2MouseRangeInc),
    Rect(8, 95, 52, 41, kCursorHand, kClick, EfisMcp2MouseDeclutterNaid),
    Rect(66, 95, 52, 41, kCursorHand, kClick, EfisMcp2MouseDeclutterArpt),
    Rect(125, 95, 52, 41, kCursorHand, kClick, EfisMcp2MouseDeclutterData),
    Rect(184, 95, 52, 41, kCursorHand, kClick, EfisMcp2MouseDeclutterWpt),
    EndParent(),
    End(),
};

constinit const MOUSERECT kMagTrueMouseRects[] = {
    Parent(),
    Rect(0, 0, 21, 20, kCursorUpArrow, kClick, MagTrueMouseToggle),
    EndParent(),
    End(),
};

// External Lights: the landing-light switch's halves, the nose-light switch.
constinit const MOUSERECT kExternalLightsMouseRects[] = {
    Parent(),
    Rect(5, 15, 80, 30, kCursorUpArrow, kClick, ExternalLightsMouseLandingLightsUp),
    Rect(5, 45, 80, 30, kCursorDownArrow, kClick, ExternalLightsMouseLandingLightsDown),
    Rect(104, 12, 44, 55, kCursorHand, kClick, ExternalLightsMouseNoseLights),
    EndParent(),
    End(),
};

constinit const MOUSERECT kTogaButtonMouseRects[] = {
    Parent(),
    Rect(0, 0, 40, 32, kCursorHand, kClick, TogaButtonMousePress),
    EndParent(),
    End(),
};

// EFIS Dimmer: the test button, the decision-height knob, the PFD, ND and
// weather dimmer knobs.
constinit const MOUSERECT kEfisDimmerMouseRects[] = {
    Parent(),
    Rect(3, 0, 16, 16, kCursorHand, kClickRelease, EfisDimmerMouseTest),
    Rect(22, 0, 13, 25, kCursorDownArrow, kClickRepeat, EfisDimmerMouseDhDec),
    Rect(35, 0, 13, 25, kCursorUpArrow, kClickRepeat, EfisDimmerMouseDhInc),
    Rect(12, 30, 13, 25, kCursorDownArrow, kClickRepeat, EfisDimmerMousePfdDec),
    Rect(25, 30, 13, 25, kCursorUpArrow, kClickRepeat, EfisDimmerMousePfdInc),
    Rect(3, 60, 23, 16, kCursorDownArrow, kClickRepeat, EfisDimmerMouseNdDec),
    Rect(26, 60, 23, 16, kCursorUpArrow, kClickRepeat, EfisDimmerMouseNdInc),
    Rect(3, 72, 23, 16, kCursorDownArrow, kClickRepeat, EfisDimmerMouseWxDec),
    Rect(26, 72, 23, 16, kCursorUpArrow, kClickRepeat, EfisDimmerMouseWxInc),
    EndParent(),
    End(),
};

constinit const MOUSERECT kEfisControlMouseRects[] = {
    Parent(),
    Rect(0, 20, 36, 50, kCursorDownArrow, kClick, EfisControlMouseSwitchDec),
    Rect(36, 20, 36, 50, kCursorUpArrow, kClick, EfisControlMouseSwitchInc),
    EndParent(),
    End(),
};

// RDI: the left (single pointer) and right (double pointer) selector knobs.
constinit const MOUSERECT kRdiMouseRects[] = {
    Parent(),
    Rect(0, 255, 100, 100, kCursorHand, kClick, RdiMouseSelectLeft),
    Rect(255, 255, 100, 100, kCursorHand, kClick, RdiMouseSelectRight),
    EndParent(),
    End(),
};

// ---- The pedestal's levers, trims, gear and radar, and the side gauges ----
// The thrust levers and the speed brake are dragged (their functions read
// the row inside their rectangles); the speed brake's right click arms it.
constexpr uint32_t kDrag = platform::kMouseLeftDrag;
constexpr uint32_t kClickReleaseRepeat = kClickRelease | platform::kMouseDownRepeat;

// Throttlebox (360 x 620): the two thrust levers and the middle that moves
// both, the hydraulic lever, the gear-horn cut-out, the fuel levers, the
// speed brake along the left edge, the fuel cross-feed lever.
constinit const MOUSERECT kThrottleboxMouseRects[] = {
    Parent(),
    Rect(135, 37, 40, 405, kCursorGrab, kDrag, ThrottleboxMouseThrottle1),
    Rect(175, 37, 60, 405, kCursorGrab, kDrag, ThrottleboxMouseThrottleBoth),
    Rect(235, 37, 40, 405, kCursorGrab, kDrag, ThrottleboxMouseThrottle2),
    Rect(85, 72, 50, 250, kCursorHand, kClick, ThrottleboxMouseHydraulic),
    Rect(80, 500, 40, 40, kCursorHand, kClickRelease, ThrottleboxMouseGearHorn),
    Rect(120, 440, 50, 180, kCursorHand, kClick, ThrottleboxMouseFuelShutoffLeft),
    Rect(242, 440, 50, 180, kCursorHand, kClick, ThrottleboxMouseFuelShutoffRight),
    Rect(0, 0, 80, 600, kCursorGrab, kDrag | platform::kMouseRightSingle, ThrottleboxMouseSpeedBrake),
    Rect(289, 60, 50, 310, kCursorHand, kClick, ThrottleboxMouseFuelXFeed),
    EndParent(),
    End(),
};

// Flapsbox: the flap handle's upper part (flaps up) comes first where the
// two parts overlap; then the manual cabin-pressure lever and rate wheel.
constinit const MOUSERECT kFlapsboxMouseRects[] = {
    Parent(),
    Rect(103, 64, 100, 255, kCursorDownArrow, kClick, FlapsboxMouseFlapsUp),
    Rect(103, 259, 100, 255, kCursorUpArrow, kClick, FlapsboxMouseFlapsDown),
    Rect(33, 310, 20, 300, kCursorHand, kClick, FlapsboxMouseManualCabinPressure),
    Rect(63, 290, 40, 165, kCursorUpArrow, kClickRepeat, FlapsboxMouseCabinPressureRateInc),
    Rect(63, 455, 40, 165, kCursorDownArrow, kClickRepeat, FlapsboxMouseCabinPressureRateDec),
    EndParent(),
    End(),
};

constinit const MOUSERECT kLongitudeTrimMouseRects[] = {
    Parent(),
    Rect(90, 0, 100, 280, kCursorDownArrow, kClickReleaseRepeat, LongitudeTrimMouseTrimDown),
    Rect(90, 280, 100, 240, kCursorUpArrow, kClickReleaseRepeat, LongitudeTrimMouseTrimUp),
    Rect(0, 410, 30, 40, kCursorUpArrow, kClickRepeat, LongitudeTrimMouseMacInc),
    Rect(0, 450, 30, 40, kCursorDownArrow, kClickRepeat, LongitudeTrimMouseMacDec),
    Rect(50, 410, 30, 40, kCursorUpArrow, kClickRepeat, LongitudeTrimMouseToFlapsInc),
    Rect(50, 450, 30, 40, kCursorDownArrow, kClickRepeat, LongitudeTrimMouseToFlapsDec),
    Rect(12, 327, 30, 50, kCursorHand, kClick, LongitudeTrimMouseAutotrim),
    EndParent(),
    End(),
};

constinit const MOUSERECT kStabilizerTrimMouseRects[] = {
    Parent(),
    Rect(2, 7, 40, 40, kCursorUpArrow, kClick, StabilizerTrimMouseArmInc),
    Rect(2, 47, 40, 40, kCursorDownArrow, kClick, StabilizerTrimMouseArmDec),
    EndParent(),
    End(),
};

constinit const MOUSERECT kRudderTrimMouseRects[] = {
    Parent(),
    Rect(38, 50, 60, 130, kCursorDownArrow, kClickRepeat, RudderTrimMouseTrimDec),
    Rect(98, 50, 60, 130, kCursorUpArrow, kClickRepeat, RudderTrimMouseTrimInc),
    EndParent(),
    End(),
};

constinit const MOUSERECT kAileronTrimMouseRects[] = {
    Parent(),
    Rect(2, 45, 60, 70, kCursorDownArrow, kClickRepeat, AileronTrimMouseTrimDec),
    Rect(66, 45, 60, 70, kCursorUpArrow, kClickRepeat, AileronTrimMouseTrimInc),
    EndParent(),
    End(),
};

constinit const MOUSERECT kAlternateGearMouseRects[] = {
    Parent(),
    Rect(0, 0, 70, 167, kCursorUpArrow, kClick, AlternateGearMouseHandleInc),
    Rect(0, 168, 70, 167, kCursorDownArrow, kClick, AlternateGearMouseHandleDec),
    EndParent(),
    End(),
};

constinit const MOUSERECT kGearHornVcMouseRects[] = {
    Parent(),
    Rect(0, 0, 30, 30, kCursorHand, kClickRelease, GearHornVcMouseButton),
    EndParent(),
    End(),
};

// Radar control head: brightness, range, mode, gain, tilt, stabilizer.
constinit const MOUSERECT kRadarMouseRects[] = {
    Parent(),
    Rect(20, 40, 12, 30, kCursorDownArrow, kClickRepeat, RadarMouseBrightnessDec),
    Rect(32, 40, 12, 30, kCursorUpArrow, kClickRepeat, RadarMouseBrightnessInc),
    Rect(44, 11, 24, 60, kCursorDownArrow, kClick, RadarMouseRangeDec),
    Rect(68, 11, 30, 60, kCursorUpArrow, kClick, RadarMouseRangeInc),
    Rect(126, 11, 30, 60, kCursorDownArrow, kClick, RadarMouseModeDec),
    Rect(156, 11, 30, 60, kCursorUpArrow, kClick, RadarMouseModeInc),
    Rect(97, 40, 12, 30, kCursorDownArrow, kClickRepeat, RadarMouseGainDec),
    Rect(109, 40, 12, 30, kCursorUpArrow, kClickRepeat, RadarMouseGainInc),
    Rect(213, 11, 30, 60, kCursorDownArrow, kClick, RadarMouseTiltDec),
    Rect(243, 11, 30, 60, kCursorUpArrow, kClick, RadarMouseTiltInc),
    Rect(180, 50, 30, 20, kCursorHand, kClick, RadarMouseStabilizer),
    EndParent(),
    End(),
};

constinit const MOUSERECT kHydraulicPumpsMouseRects[] = {
    Parent(),
    Rect(2, 1, 30, 30, kCursorUpArrow, kClick, HydraulicPumpsMouseEngine1Inc),
    Rect(2, 31, 30, 23, kCursorDownArrow, kClick, HydraulicPumpsMouseEngine1Dec),
    Rect(40, 1, 30, 30, kCursorUpArrow, kClick, HydraulicPumpsMouseEngine2Inc),
    Rect(40, 31, 30, 24, kCursorDownArrow, kClick, HydraulicPumpsMouseEngine2Dec),
    Rect(40, 55, 30, 24, kCursorUpArrow, kClick, HydraulicPumpsMouseAuxInc),
    Rect(40, 79, 30, 30, kCursorDownArrow, kClick, HydraulicPumpsMouseAuxDec),
    Rect(2, 55, 30, 52, kCursorHand, kClick, HydraulicPumpsMouseTransfer),
    EndParent(),
    End(),
};

constinit const MOUSERECT kBrakeTemperatureControlsMouseRects[] = {
    Parent(),
    Rect(0, 28, 26, 32, kCursorUpArrow, kClick, BrakeTemperatureControlsMouseTempSelectorInc),
    Rect(27, 28, 26, 32, kCursorDownArrow, kClick, BrakeTemperatureControlsMouseTempSelectorDec),
    Rect(24, 0, 30, 27, kCursorHand, kClickRelease, BrakeTemperatureControlsMouseTest),
    EndParent(),
    End(),
};

constinit const MOUSERECT kArtMouseRects[] = {
    Parent(),
    Rect(0, 0, 30, 30, kCursorUpArrow, kClick, ArtMouseSwitchInc),
    Rect(0, 29, 30, 29, kCursorDownArrow, kClick, ArtMouseSwitchDec),
    EndParent(),
    End(),
};

constinit const MOUSERECT kExternalLightsFoMouseRects[] = {
    Parent(),
    Rect(5, 15, 40, 40, kCursorHand, kClick, ExternalLightsFoMouseFlood1),
    Rect(45, 9, 37, 40, kCursorHand, kClick, ExternalLightsFoMouseFlood2),
    Rect(5, 60, 40, 50, kCursorHand, kClick, ExternalLightsFoMouseLowerLight),
    Rect(85, 35, 34, 45, kCursorHand, kClick, ExternalLightsFoMouseCentreLight),
    Rect(120, 30, 45, 25, kCursorUpArrow, kClick, ExternalLightsFoMousePosStrobeInc),
    Rect(120, 55, 45, 25, kCursorDownArrow, kClick, ExternalLightsFoMousePosStrobeDec),
    EndParent(),
    End(),
};

// Stearing Wheel: the tiller is dragged across; its button below.
constinit const MOUSERECT kStearingWheelMouseRects[] = {
    Parent(),
    Rect(0, 0, 280, 100, kCursorGrab, kDrag, StearingWheelMouseTiller),
    Rect(116, 105, 62, 50, kCursorHand, kClick, StearingWheelMouseButton),
    EndParent(),
    End(),
};

}  // namespace halcyon

namespace halcyon {

// Mentor VA Editor (window 10350): close, the three mode tabs, the type
// cycle, x and y by 1 and 10 (held: repeated), the pointer selection, clear
// and reset; no tooltip.
constinit const MOUSERECT kMentorEditorMouseRects[] = {
    Parent(),
    Rect(275, 6, 18, 18, kCursorHand, kClick, MentorEditorMouseClose),
    Rect(7, 9, 89, 40, kCursorHand, kClick, MentorEditorMouseArrows),
    Rect(96, 9, 87, 40, kCursorHand, kClick, MentorEditorMouseBoxes),
    Rect(185, 9, 87, 40, kCursorHand, kClick, MentorEditorMouseWindow),
    Rect(217, 59, 32, 32, kCursorDownArrow, kClick, MentorEditorMouseTypePrev),
    Rect(249, 59, 32, 32, kCursorUpArrow, kClick, MentorEditorMouseTypeNext),
    Rect(89, 99, 22, 16, kCursorDownArrow, kClickRepeat, MentorEditorMouseXDec1),
    Rect(119, 99, 22, 16, kCursorUpArrow, kClickRepeat, MentorEditorMouseXInc1),
    Rect(229, 99, 22, 16, kCursorDownArrow, kClickRepeat, MentorEditorMouseYDec1),
    Rect(259, 99, 22, 16, kCursorUpArrow, kClickRepeat, MentorEditorMouseYInc1),
    Rect(89, 115, 22, 16, kCursorDownArrow, kClickRepeat, MentorEditorMouseXDec10),
    Rect(119, 115, 22, 16, kCursorUpArrow, kClickRepeat, MentorEditorMouseXInc10),
    Rect(229, 115, 22, 16, kCursorDownArrow, kClickRepeat, MentorEditorMouseYDec10),
    Rect(259, 115, 22, 16, kCursorUpArrow, kClickRepeat, MentorEditorMouseYInc10),
    Rect(90, 149, 30, 32, kCursorDownArrow, kClick, MentorEditorMouseItemPrev),
    Rect(119, 149, 30, 32, kCursorUpArrow, kClick, MentorEditorMouseItemNext),
    Rect(169, 149, 46, 32, kCursorHand, kClick, MentorEditorMouseClear),
    Rect(232, 149, 46, 32, kCursorHand, kClick, MentorEditorMouseReset),
    EndParent(),
    End(),
};

// ---- The overhead annunciator panel and the radio heads ----

// EOAP and EOAP Zoom: the two scroll keys, then the category keys 1 to 8.
constinit const MOUSERECT kEoapMouseRects[] = {
    Parent(),
    Rect(360, 8, 20, 40, kCursorHand, kClick, EoapMouseScrollUp),
    Rect(360, 62, 20, 40, kCursorHand, kClick, EoapMouseScrollDown),
    Rect(14, 92, 28, 14, kCursorHand, kClick, EoapMouseElec),
    Rect(55, 92, 28, 14, kCursorHand, kClick, EoapMouseIce),
    Rect(96, 92, 28, 14, kCursorHand, kClick, EoapMouseEng),
    Rect(137, 92, 28, 14, kCursorHand, kClick, EoapMouseCtrl),
    Rect(190, 92, 28, 14, kCursorHand, kClick, EoapMouseMisc),
    Rect(231, 92, 28, 14, kCursorHand, kClick, EoapMouseHyd),
    Rect(272, 92, 28, 14, kCursorHand, kClick, EoapMouseMon),
    Rect(313, 92, 28, 14, kCursorHand, kClick, EoapMouseDoor),
    EndParent(),
    End(),
};

constinit const MOUSERECT kEoapZoomMouseRects[] = {
    Parent(),
    Rect(536, 17, 30, 50, kCursorHand, kClick, EoapZoomMouseScrollUp),
    Rect(536, 97, 30, 40, kCursorHand, kClick, EoapZoomMouseScrollDown),
    Rect(21, 137, 42, 20, kCursorHand, kClick, EoapZoomMouseElec),
    Rect(82, 137, 42, 20, kCursorHand, kClick, EoapZoomMouseIce),
    Rect(143, 137, 42, 20, kCursorHand, kClick, EoapZoomMouseEng),
    Rect(204, 137, 42, 20, kCursorHand, kClick, EoapZoomMouseCtrl),
    Rect(283, 137, 42, 20, kCursorHand, kClick, EoapZoomMouseMisc),
    Rect(344, 137, 42, 20, kCursorHand, kClick, EoapZoomMouseHyd),
    Rect(405, 137, 42, 20, kCursorHand, kClick, EoapZoomMouseMon),
    Rect(466, 137, 42, 20, kCursorHand, kClick, EoapZoomMouseDoor),
    EndParent(),
    End(),
};

// The alert display: a click anywhere toggles its popup window.
constinit const MOUSERECT kEoapDisplay1MouseRects[] = {
    Parent(),
    Rect(0, 0, 260, 132, kCursorHand, kClick, EoapDisplay1MouseToggleWindow),
    EndParent(),
    End(),
};

constinit const MOUSERECT kEoapDisplay2MouseRects[] = {
    Parent(),
    Rect(0, 0, 260, 132, kCursorHand, kClick, EoapDisplay2MouseToggleWindow),
    EndParent(),
    End(),
};

// ADF: each wheel's upper and lower half (ADF 1, then ADF 2), then the switches.
constinit const MOUSERECT kAdfMouseRects[] = {
    Parent(),
    Rect(34, 12, 15, 20, kCursorUpArrow, kClick, AdfMouseAdf1HundredsInc),
    Rect(34, 32, 15, 20, kCursorDownArrow, kClick, AdfMouseAdf1HundredsDec),
    Rect(49, 12, 15, 20, kCursorUpArrow, kClick, AdfMouseAdf1TensInc),
    Rect(49, 32, 15, 20, kCursorDownArrow, kClick, AdfMouseAdf1TensDec),
    Rect(64, 12, 15, 20, kCursorUpArrow, kClick, AdfMouseAdf1UnitsInc),
    Rect(64, 32, 15, 20, kCursorDownArrow, kClick, AdfMouseAdf1UnitsDec),
    Rect(85, 12, 15, 20, kCursorUpArrow, kClick, AdfMouseAdf1ExtInc),
    Rect(85, 32, 15, 20, kCursorDownArrow, kClick, AdfMouseAdf1ExtDec),
    Rect(164, 12, 15, 20, kCursorUpArrow, kClick, AdfMouseAdf2HundredsInc),
    Rect(164, 32, 15, 20, kCursorDownArrow, kClick, AdfMouseAdf2HundredsDec),
    Rect(179, 12, 15, 20, kCursorUpArrow, kClick, AdfMouseAdf2TensInc),
    Rect(179, 32, 15, 20, kCursorDownArrow, kClick, AdfMouseAdf2TensDec),
    Rect(194, 12, 15, 20, kCursorUpArrow, kClick, AdfMouseAdf2UnitsInc),
    Rect(194, 32, 15, 20, kCursorDownArrow, kClick, AdfMouseAdf2UnitsDec),
    Rect(215, 12, 15, 20, kCursorUpArrow, kClick, AdfMouseAdf2ExtInc),
    Rect(215, 32, 15, 20, kCursorDownArrow, kClick, AdfMouseAdf2ExtDec),
    Rect(112, 4, 40, 20, kCursorHand, kClick, AdfMouseTfrSwitch),
    Rect(105, 68, 20, 40, kCursorHand, kClick, AdfMouseA1Switch),
    Rect(139, 68, 20, 40, kCursorHand, kClick, AdfMouseAntSwitch),
    EndParent(),
    End(),
};

// COMM1 and COMM2: the knobs under the left and the right window (they repeat
// while held), the transfer and squelch switches.
constinit const MOUSERECT kComm1MouseRects[] = {
    Parent(),
    Rect(52, 11, 20, 40, kCursorUpArrow, kClickRepeat, Comm1MouseFreq1MhzInc),
    Rect(32, 11, 20, 40, kCursorDownArrow, kClickRepeat, Comm1MouseFreq1MhzDec),
    Rect(91, 11, 15, 40, kCursorUpArrow, kClickRepeat, Comm1MouseFreq1KhzInc),
    Rect(76, 11, 15, 40, kCursorDownArrow, kClickRepeat, Comm1MouseFreq1KhzDec),
    Rect(183, 11, 20, 40, kCursorUpArrow, kClickRepeat, Comm1MouseFreq2MhzInc),
    Rect(163, 11, 20, 40, kCursorDownArrow, kClickRepeat, Comm1MouseFreq2MhzDec),
    Rect(222, 11, 15, 40, kCursorUpArrow, kClickRepeat, Comm1MouseFreq2KhzInc),
    Rect(207, 11, 15, 40, kCursorDownArrow, kClickRepeat, Comm1MouseFreq2KhzDec),
    Rect(113, 2, 40, 20, kCursorHand, kClick, Comm1MouseTfrSwitch),
    Rect(124, 67, 20, 40, kCursorHand, kClick, Comm1MouseSquelchSwitch),
    EndParent(),
    End(),
};

constinit const MOUSERECT kComm2MouseRects[] = {
    Parent(),
    Rect(52, 11, 20, 40, kCursorUpArrow, kClickRepeat, Comm2MouseFreq1MhzInc),
    Rect(32, 11, 20, 40, kCursorDownArrow, kClickRepeat, Comm2MouseFreq1MhzDec),
    Rect(91, 11, 15, 40, kCursorUpArrow, kClickRepeat, Comm2MouseFreq1KhzInc),
    Rect(76, 11, 15, 40, kCursorDownArrow, kClickRepeat, Comm2MouseFreq1KhzDec),
    Rect(183, 11, 20, 40, kCursorUpArrow, kClickRepeat, Comm2MouseFreq2MhzInc),
    Rect(163, 11, 20, 40, kCursorDownArrow, kClickRepeat, Comm2MouseFreq2MhzDec),
    Rect(222, 11, 15, 40, kCursorUpArrow, kClickRepeat, Comm2MouseFreq2KhzInc),
    Rect(207, 11, 15, 40, kCursorDownArrow, kClickRepeat, Comm2MouseFreq2KhzDec),
    Rect(113, 2, 40, 20, kCursorHand, kClick, Comm2MouseTfrSwitch),
    Rect(124, 67, 20, 40, kCursorHand, kClick, Comm2MouseSquelchSwitch),
    EndParent(),
    End(),
};

// Transponder: the code digits' upper and lower halves, the switches and knobs.
constinit const MOUSERECT kTransponderMouseRects[] = {
    Parent(),
    Rect(101, 9, 16, 20, kCursorUpArrow, kClick, TransponderMouseCodeDigit1Inc),
    Rect(117, 9, 16, 20, kCursorUpArrow, kClick, TransponderMouseCodeDigit2Inc),
    Rect(133, 9, 16, 20, kCursorUpArrow, kClick, TransponderMouseCodeDigit3Inc),
    Rect(149, 9, 16, 20, kCursorUpArrow, kClick, TransponderMouseCodeDigit4Inc),
    Rect(101, 29, 16, 20, kCursorDownArrow, kClick, TransponderMouseCodeDigit1Dec),
    Rect(117, 29, 16, 20, kCursorDownArrow, kClick, TransponderMouseCodeDigit2Dec),
    Rect(133, 29, 16, 20, kCursorDownArrow, kClick, TransponderMouseCodeDigit3Dec),
    Rect(149, 29, 16, 20, kCursorDownArrow, kClick, TransponderMouseCodeDigit4Dec),
    Rect(40, 59, 20, 40, kCursorHand, kClick, TransponderMouseTransfer),
    Rect(200, 59, 20, 20, kCursorUpArrow, kClick, TransponderMouseAboveBelowInc),
    Rect(200, 79, 20, 20, kCursorDownArrow, kClick, TransponderMouseAboveBelowDec),
    Rect(185, 8, 20, 40, kCursorDownArrow, kClick, TransponderMouseTcasRangeDec),
    Rect(215, 8, 25, 40, kCursorUpArrow, kClick, TransponderMouseTcasRangeInc),
    Rect(205, 8, 10, 40, kCursorHand, kClick, TransponderMouseTcasTest),
    Rect(116, 57, 30, 40, kCursorHand, kClickRelease, TransponderMouseIdent),
    Rect(25, 8, 25, 40, kCursorDownArrow, kClick, TransponderMouseModeDec),
    Rect(50, 8, 25, 40, kCursorUpArrow, kClick, TransponderMouseModeInc),
    EndParent(),
    End(),
};

// ---- Crew-aid pages ----

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

// ---- The training centre ----

// The frame: its close box and the three page tabs.
constinit const MOUSERECT kCenterMouseRects[] = {
    Parent(),
    Rect(929, 9, 20, 20, kCursorHand, kClick, CenterMouseClose),
    Rect(0, 166, 195, 64, kCursorHand, kClick, CenterMousePage1),
    Rect(0, 247, 195, 64, kCursorHand, kClick, CenterMousePage2),
    Rect(0, 328, 195, 64, kCursorHand, kClick, CenterMousePage3),
    EndParent(),
    End(),
};

// A row of the training list: clicked, and hovered over.
template <int32_t kRow>
constexpr MOUSERECT TrainingRow(const char* name) {
  return MakeRect(330, 25 * kRow, 310, 25, kCursorHand, kClick | kMove, CenterTrainingMouseRowAt<kRow>, name);
}

// The training list: the four lesson categories and the situations, the
// page buttons, the 20 rows.
constinit const MOUSERECT kCenterTrainingMouseRects[] = {
    Parent(),
    Rect(0, 1, 240, 65, kCursorHand, kClick, CenterTrainingMouseCategory1),
    Rect(0, 82, 240, 65, kCursorHand, kClick, CenterTrainingMouseCategory2),
    Rect(0, 163, 240, 65, kCursorHand, kClick, CenterTrainingMouseCategory3),
    Rect(0, 243, 240, 65, kCursorHand, kClick, CenterTrainingMouseCategory4),
    Rect(0, 323, 240, 65, kCursorHand, kClick, CenterTrainingMouseSituations),
    Rect(642, 476, 41, 34, kCursorDownArrow, kClick, CenterTrainingMousePreviousPage),
    Rect(642, 511, 41, 34, kCursorUpArrow, kClick, CenterTrainingMouseNextPage),
    TrainingRow<1>("CenterTrainingMouseRow1"),
    TrainingRow<2>("CenterTrainingMouseRow2"),
    TrainingRow<3>("CenterTrainingMouseRow3"),
    TrainingRow<4>("CenterTrainingMouseRow4"),
    TrainingRow<5>("CenterTrainingMouseRow5"),
    TrainingRow<6>("CenterTrainingMouseRow6"),
    TrainingRow<7>("CenterTrainingMouseRow7"),
    TrainingRow<8>("CenterTrainingMouseRow8"),
    TrainingRow<9>("CenterTrainingMouseRow9"),
    TrainingRow<10>("CenterTrainingMouseRow10"),
    TrainingRow<11>("CenterTrainingMouseRow11"),
    TrainingRow<12>("CenterTrainingMouseRow12"),
    TrainingRow<13>("CenterTrainingMouseRow13"),
    TrainingRow<14>("CenterTrainingMouseRow14"),
    TrainingRow<15>("CenterTrainingMouseRow15"),
    TrainingRow<16>("CenterTrainingMouseRow16"),
    TrainingRow<17>("CenterTrainingMouseRow17"),
    TrainingRow<18>("CenterTrainingMouseRow18"),
    TrainingRow<19>("CenterTrainingMouseRow19"),
    TrainingRow<20>("CenterTrainingMouseRow20"),
    EndParent(),
    End(),
};

// The guide: close, back to the centre, first step, the editor, previous
// and next step.
constinit const MOUSERECT kTrainingGuideMouseRects[] = {
    Parent(),
    Rect(23, 218, 31, 30, kCursorHand, kClick, TrainingGuideMouseClose),
    Rect(54, 218, 31, 30, kCursorHand, kClick, TrainingGuideMouseCenter),
    Rect(85, 218, 31, 30, kCursorHand, kClick, TrainingGuideMouseFirst),
    Rect(116, 218, 31, 30, kCursorHand, kClick, TrainingGuideMouseEditor),
    Rect(280, 218, 49, 30, kCursorHand, kClick, TrainingGuideMousePrevious),
    Rect(329, 218, 49, 30, kCursorHand, kClick, TrainingGuideMouseNext),
    EndParent(),
    End(),
};

}  // namespace halcyon
