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
extern const platform::MOUSERECT kEdpMouseRects[];
extern const platform::MOUSERECT kFuelQuantityMouseRects[];
extern const platform::MOUSERECT kWarningLightsMouseRects[];
extern const platform::MOUSERECT kPellamsWarningLightsMouseRects[];
extern const platform::MOUSERECT kAnnunciatorDigitalLightsTestMouseRects[];
extern const platform::MOUSERECT kGpwsMouseRects[];
extern const platform::MOUSERECT kGearHandleMouseRects[];
extern const platform::MOUSERECT kGearIndicatorsMouseRects[];
extern const platform::MOUSERECT kCabinPressureMouseRects[];
extern const platform::MOUSERECT kAirConditionMouseRects[];
extern const platform::MOUSERECT kIceProtectionMouseRects[];
extern const platform::MOUSERECT kRainMouseRects[];
extern const platform::MOUSERECT kOclMouseRects[];
extern const platform::MOUSERECT kIrsMouseRects[];
extern const platform::MOUSERECT kFdcMouseRects[];
extern const platform::MOUSERECT kVariousMouseRects[];
extern const platform::MOUSERECT kVarious2MouseRects[];
extern const platform::MOUSERECT kCockpitLightsMouseRects[];
extern const platform::MOUSERECT kRecirculationFanMouseRects[];
extern const platform::MOUSERECT kVoiceRecorderMouseRects[];
extern const platform::MOUSERECT kGsepMouseRects[];
extern const platform::MOUSERECT kEfdsMouseRects[];
extern const platform::MOUSERECT kOxygenRegulatorMouseRects[];
extern const platform::MOUSERECT kFlightRecorderMouseRects[];
extern const platform::MOUSERECT kCplMouseRects[];
extern const platform::MOUSERECT kAutoBrakeMouseRects[];
extern const platform::MOUSERECT kPneumaticXFeedMouseRects[];
extern const platform::MOUSERECT kEfisMcpMouseRects[];
extern const platform::MOUSERECT kEfisMcp2MouseRects[];
extern const platform::MOUSERECT kMagTrueMouseRects[];
extern const platform::MOUSERECT kExternalLightsMouseRects[];
extern const platform::MOUSERECT kTogaButtonMouseRects[];
extern const platform::MOUSERECT kEfisDimmerMouseRects[];
extern const platform::MOUSERECT kEfisControlMouseRects[];
extern const platform::MOUSERECT kRdiMouseRects[];

// The popup cards, the hotspots and the window-close boxes, without tooltips.
extern const platform::MOUSERECT kChecklistMouseRects[];
extern const platform::MOUSERECT kSpeedCardsMouseRects[];
extern const platform::MOUSERECT kStartFlyingMouseRects[];
extern const platform::MOUSERECT kSplashMouseRects[];
extern const platform::MOUSERECT kHotspot1MouseRects[];
extern const platform::MOUSERECT kHotspot2MouseRects[];
extern const platform::MOUSERECT kHotspot3MouseRects[];
extern const platform::MOUSERECT kHotspot4MouseRects[];
extern const platform::MOUSERECT kHotspot5MouseRects[];
extern const platform::MOUSERECT kHotspot8MouseRects[];
extern const platform::MOUSERECT kHotspot9MouseRects[];
extern const platform::MOUSERECT kHotspot10MouseRects[];
extern const platform::MOUSERECT kHotspot11MouseRects[];
extern const platform::MOUSERECT kHotspot12MouseRects[];
extern const platform::MOUSERECT kHotspot13MouseRects[];
extern const platform::MOUSERECT kHotspot14MouseRects[];
extern const platform::MOUSERECT kHotspot15MouseRects[];
extern const platform::MOUSERECT kHotspot16MouseRects[];
extern const platform::MOUSERECT kHotspot20MouseRects[];
extern const platform::MOUSERECT kHotspot21MouseRects[];
extern const platform::MOUSERECT kHotspot22MouseRects[];
extern const platform::MOUSERECT kHotspot23MouseRects[];
extern const platform::MOUSERECT kHotspot24MouseRects[];
extern const platform::MOUSERECT kHotspot25MouseRects[];
extern const platform::MOUSERECT kHotspot28MouseRects[];
extern const platform::MOUSERECT kHotspot30MouseRects[];
extern const platform::MOUSERECT kHotspot31MouseRects[];
extern const platform::MOUSERECT kWindowClose1MouseRects[];
extern const platform::MOUSERECT kWindowClose2MouseRects[];
extern const platform::MOUSERECT kWindowClose3MouseRects[];
extern const platform::MOUSERECT kWindowClose4MouseRects[];
extern const platform::MOUSERECT kWindowClose5MouseRects[];
extern const platform::MOUSERECT kWindowClose6MouseRects[];
extern const platform::MOUSERECT kWindowClose8MouseRects[];
extern const platform::MOUSERECT kWindowClose9MouseRects[];
extern const platform::MOUSERECT kThrottleboxMouseRects[];
extern const platform::MOUSERECT kFlapsboxMouseRects[];
extern const platform::MOUSERECT kLongitudeTrimMouseRects[];
extern const platform::MOUSERECT kStabilizerTrimMouseRects[];
extern const platform::MOUSERECT kRudderTrimMouseRects[];
extern const platform::MOUSERECT kAileronTrimMouseRects[];
extern const platform::MOUSERECT kAlternateGearMouseRects[];
extern const platform::MOUSERECT kGearHornVcMouseRects[];
extern const platform::MOUSERECT kRadarMouseRects[];
extern const platform::MOUSERECT kHydraulicPumpsMouseRects[];
extern const platform::MOUSERECT kBrakeTemperatureControlsMouseRects[];
extern const platform::MOUSERECT kArtMouseRects[];
extern const platform::MOUSERECT kExternalLightsFoMouseRects[];
extern const platform::MOUSERECT kStearingWheelMouseRects[];
extern const platform::MOUSERECT kMentorEditorMouseRects[];
extern const platform::MOUSERECT kEoapMouseRects[];
extern const platform::MOUSERECT kEoapZoomMouseRects[];
extern const platform::MOUSERECT kEoapDisplay1MouseRects[];
extern const platform::MOUSERECT kEoapDisplay2MouseRects[];
extern const platform::MOUSERECT kAdfMouseRects[];
extern const platform::MOUSERECT kComm1MouseRects[];
extern const platform::MOUSERECT kComm2MouseRects[];
extern const platform::MOUSERECT kTransponderMouseRects[];

// The crew-aid pages. The dispatch page's table is not constant: its
// pre-draw sets the cursors of the minus and plus buttons by the view.
extern platform::MOUSERECT g_centerDispatchMouseRects[];
extern const platform::MOUSERECT kCenterOptionsMouseRects[];
extern const platform::MOUSERECT kCenterUpdatedMouseRects[];
extern const platform::MOUSERECT kPushbackMouseRects[];
// The training centre's frame, its training list and the Training Guide.
extern const platform::MOUSERECT kCenterMouseRects[];
extern const platform::MOUSERECT kCenterTrainingMouseRects[];
extern const platform::MOUSERECT kTrainingGuideMouseRects[];

}  // namespace halcyon
