// The mouse-rectangle tables of the twenty gauges whose rectangles carry a
// tooltip with live numbers. Each table is: parent (the whole gauge), the
// tooltip, the gauge's controls in a fixed order, end of parent, end of list.
// Rectangles are in the gauge's design pixels, relative to the parent, whose
// box is zero: the parent stands for the whole gauge at its origin.
#pragma once

#include "platform/gauge.h"

namespace halcyon {

extern const platform::MOUSERECT kAirspeedMouseRects[];
extern const platform::MOUSERECT kAltimeterMouseRects[];
extern const platform::MOUSERECT kClockMouseRects[];
extern const platform::MOUSERECT kBrakePressureMouseRects[];
extern const platform::MOUSERECT kFmaMouseRects[];
extern const platform::MOUSERECT kEngineFireMouseRects[];
extern const platform::MOUSERECT kStandbyAttitudeMouseRects[];
extern const platform::MOUSERECT kStandbyCombiMouseRects[];
extern const platform::MOUSERECT kTrpMouseRects[];
extern const platform::MOUSERECT kCabinPressureIndicatorMouseRects[];
extern const platform::MOUSERECT kCabinClimbMouseRects[];
extern const platform::MOUSERECT kAudioPanelMouseRects[];
extern const platform::MOUSERECT kBrakeTemperatureMouseRects[];
extern const platform::MOUSERECT kTasSatMouseRects[];
extern const platform::MOUSERECT kMenuMouseRects[];
extern const platform::MOUSERECT kEfisPfdMouseRects[];
extern const platform::MOUSERECT kEfisNdMouseRects[];
extern const platform::MOUSERECT kFmsMouseRects[];
extern const platform::MOUSERECT kTcasMouseRects[];
extern const platform::MOUSERECT kTcasDisplayMouseRects[];

// Tables without a tooltip: parent, the controls, end of parent, end of list.
extern const platform::MOUSERECT kFgcpLightsMouseRects[];
extern const platform::MOUSERECT kDfgsMouseRects[];
extern const platform::MOUSERECT kNavMouseRects[];
extern const platform::MOUSERECT kElectricalMouseRects[];
extern const platform::MOUSERECT kEngineStarterMouseRects[];
extern const platform::MOUSERECT kFuelPumpsMouseRects[];
extern const platform::MOUSERECT kApuMouseRects[];
extern const platform::MOUSERECT kSideSwitchesMouseRects[];
extern const platform::MOUSERECT kSideSwitches2MouseRects[];

// The crew-aid pages. The dispatch page's table is not constant: its
// pre-draw sets the cursors of the minus and plus buttons by the view.
extern platform::MOUSERECT g_centerDispatchMouseRects[];
extern const platform::MOUSERECT kCenterOptionsMouseRects[];
extern const platform::MOUSERECT kCenterUpdatedMouseRects[];
extern const platform::MOUSERECT kPushbackMouseRects[];

}  // namespace halcyon
