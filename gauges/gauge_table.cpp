// The gauge table exported through Linkage: one header per gauge with its
// name, its elements and, where it has them, its mouse table and callback.
// The panel configuration finds gauges by name; the order keeps "Airspeed",
// "NAV" and "Altimeter" first, the crew-aid pages at 116 to 124 and "MagTrue"
// last, and groups the rest by panel.
#include "gauges/gauge_table.h"

#include <iterator>
#include <utility>

#include "crewaids/dispatch/center_dispatch.h"
#include "crewaids/options/center_options.h"
#include "crewaids/options/pushback.h"
#include "crewaids/training/center_gauges.h"
#include "crewaids/training/guide_gauges.h"
#include "displays/radar/radar_display.h"
#include "gauges/airspeed.h"
#include "gauges/altimeter.h"
#include "gauges/apu_panel.h"
#include "gauges/audio_panel.h"
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
#include "gauges/glass_screens.h"
#include "gauges/hotspots.h"
#include "gauges/mentor_editor.h"
#include "gauges/mouse_tables.h"
#include "gauges/nav.h"
#include "gauges/radio_heads.h"
#include "gauges/side_switches.h"
#include "gauges/air_condition_panel.h"
#include "gauges/cabin_pressure.h"
#include "gauges/hydraulic_brakes.h"
#include "gauges/ice_rain_panels.h"
#include "gauges/irs_fdc.h"
#include "gauges/pedestal.h"
#include "gauges/pedestal_lights.h"
#include "gauges/radar_panel.h"
#include "gauges/second_overhead.h"
#include "gauges/side_gauges.h"
#include "gauges/standby_instruments.h"
#include "gauges/start_pages.h"
#include "gauges/system_display.h"
#include "gauges/thrust_rating_panel.h"
#include "gauges/trims.h"
#include "gauges/various_panels.h"
#include "gauges/view_menu.h"
#include "gauges/warning_lamps.h"
#include "systems/longitudinal_trim.h"

namespace halcyon {
namespace {

platform::GAUGEHDR g_gauges[] = {
    // forward instruments
    {"Airspeed", 400.0, AirspeedElements(), kAirspeedMouseRects, AirspeedGaugeCallback},  // 1: drives the lifecycle
    {"NAV", 175.0, NavElements(), kNavMouseRects, NavGaugeCallback},
    {"Altimeter", 400.0, AltimeterElements(), kAltimeterMouseRects, AltimeterGaugeCallback},
    // glass displays and CDU
    {"EFIS PFD", 300.0, g_efisPfdScreen.Elements(), kEfisPfdMouseRects, EfisPfdGaugeCallback},
    {"EFIS ND", 300.0, g_efisNdScreen.Elements(), kEfisNdMouseRects, EfisNdGaugeCallback},
    {"TCAS Display", 250.0, g_tcasDisplayScreen.Elements(), kTcasDisplayMouseRects, TcasDisplayGaugeCallback},
    {"FMS", 402.0, FmsElements(), kFmsMouseRects, FmsGaugeCallback},
    {"FMS Display 2", 136.0, FmsDisplay2Elements(), nullptr, FmsDisplay2GaugeCallback},
    {"FMS Display 3", 151.0, FmsDisplay3Elements(), nullptr, FmsDisplay3GaugeCallback},
    {"EFIS MCP", 197.0, EfisMcpElements(), kEfisMcpMouseRects, EfisMcpGaugeCallback},
    {"EFIS MCP2", 300.0, EfisMcp2Elements(), kEfisMcp2MouseRects, EfisMcp2GaugeCallback},
    {"TCAS", 300.0, TcasElements(), kTcasMouseRects, TcasGaugeCallback},
    // glareshield and forward panel
    {"FMA", 216.0, FmaElements(), kFmaMouseRects, FmaGaugeCallback},
    {"Clock", 300.0, ClockElements(), kClockMouseRects, ClockGaugeCallback},
    {"FGCP Lights", 74.0, FgcpLightsElements(), kFgcpLightsMouseRects, FgcpLightsGaugeCallback},
    {"Brake_Pressure", 300.0, BrakePressureElements(), kBrakePressureMouseRects, BrakePressureGaugeCallback},
    // view menu and popup cards
    {"Menu", 712.0, MenuElements(), kMenuMouseRects, MenuGaugeCallback},
    {"Checklist", 302.0, ChecklistElements(), kChecklistMouseRects, ChecklistGaugeCallback},
    {"Speed Cards", 170.0, SpeedCardsElements(), kSpeedCardsMouseRects, SpeedCardsGaugeCallback},
    {"Start Flying", 960.0, StartFlyingElements(), kStartFlyingMouseRects, StartFlyingGaugeCallback},
    {"Splash", 1280.0, SplashElements(), kSplashMouseRects, nullptr},
    // hotspots and window-close boxes
    {"Hotspot 1", 139.0, HotspotElements(1), kHotspot1MouseRects, nullptr},
    {"Hotspot 2", 170.0, HotspotElements(2), kHotspot2MouseRects, nullptr},
    {"Hotspot 3", 616.0, HotspotElements(3), kHotspot3MouseRects, nullptr},
    {"Hotspot 4", 98.0, HotspotElements(4), kHotspot4MouseRects, nullptr},
    {"Hotspot 5", 132.0, HotspotElements(5), kHotspot5MouseRects, nullptr},
    {"Hotspot 8", 104.0, HotspotElements(8), kHotspot8MouseRects, nullptr},
    {"Hotspot 9", 172.0, HotspotElements(9), kHotspot9MouseRects, nullptr},
    {"Hotspot 10", 211.0, HotspotElements(10), kHotspot10MouseRects, nullptr},
    {"Hotspot 11", 38.0, HotspotElements(11), kHotspot11MouseRects, nullptr},
    {"Hotspot 12", 330.0, HotspotElements(12), kHotspot12MouseRects, nullptr},
    {"Hotspot 13", 194.0, HotspotElements(13), kHotspot13MouseRects, nullptr},
    {"Hotspot 14", 230.0, HotspotElements(14), kHotspot14MouseRects, nullptr},
    {"Hotspot 15", 194.0, HotspotElements(15), kHotspot15MouseRects, nullptr},
    {"Hotspot 16", 242.0, HotspotElements(16), kHotspot16MouseRects, nullptr},
    {"Hotspot 17", 100.0, HotspotElements(17), nullptr, nullptr},
    {"Hotspot 20", 110.0, HotspotElements(20), kHotspot20MouseRects, nullptr},
    {"Hotspot 21", 70.0, HotspotElements(21), kHotspot21MouseRects, nullptr},
    {"Hotspot 22", 123.0, HotspotElements(22), kHotspot22MouseRects, nullptr},
    {"Hotspot 23", 459.0, HotspotElements(23), kHotspot23MouseRects, nullptr},
    {"Hotspot 24", 193.0, HotspotElements(24), kHotspot24MouseRects, nullptr},
    {"Hotspot 25", 302.0, HotspotElements(25), kHotspot25MouseRects, nullptr},
    {"Hotspot 28", 321.0, HotspotElements(28), kHotspot28MouseRects, nullptr},
    {"Hotspot 30", 84.0, HotspotElements(30), kHotspot30MouseRects, nullptr},
    {"Hotspot 31", 118.0, HotspotElements(31), kHotspot31MouseRects, nullptr},
    {"Window Close 1", 15.0, WindowCloseElements(1), kWindowClose1MouseRects, WindowCloseGaugeCallback},
    {"Window Close 2", 15.0, WindowCloseElements(2), kWindowClose2MouseRects, WindowCloseGaugeCallback},
    {"Window Close 3", 15.0, WindowCloseElements(3), kWindowClose3MouseRects, WindowCloseGaugeCallback},
    {"Window Close 4", 15.0, WindowCloseElements(4), kWindowClose4MouseRects, WindowCloseGaugeCallback},
    {"Window Close 5", 15.0, WindowCloseElements(5), kWindowClose5MouseRects, WindowCloseGaugeCallback},
    {"Window Close 6", 15.0, WindowCloseElements(6), kWindowClose6MouseRects, WindowCloseGaugeCallback},
    {"Window Close 8", 15.0, WindowCloseElements(8), kWindowClose8MouseRects, WindowCloseGaugeCallback},
    {"Window Close 9", 15.0, WindowCloseElements(9), kWindowClose9MouseRects, WindowCloseGaugeCallback},
    // flight guidance, engine and centre panel
    {"DFGS", 535.0, DfgsElements(), kDfgsMouseRects, DfgsGaugeCallback},
    {"EDP", 168.0, EdpElements(), kEdpMouseRects, EdpGaugeCallback},
    {"Fuel_Quantity", 130.0, FuelQuantityElements(), kFuelQuantityMouseRects, FuelQuantityGaugeCallback},
    {"Engine Fire", 240.0, EngineFireElements(), kEngineFireMouseRects, EngineFireGaugeCallback},
    {"Warning Lights", 280.0, WarningLightsElements(), kWarningLightsMouseRects, WarningLightsGaugeCallback},
    {"Pellams Warning Lights", 280.0, PellamsWarningLightsElements(), kPellamsWarningLightsMouseRects,
     WarningLightsGaugeCallback},
    {"ART Annunciator", 40.0, ArtAnnunciatorElements(), nullptr, nullptr},
    {"Annunciator Digital Lights Test", 32.0, AnnunciatorDigitalLightsTestElements(),
     kAnnunciatorDigitalLightsTestMouseRects, nullptr},
    {"GPWS", 52.0, GpwsElements(), kGpwsMouseRects, GpwsGaugeCallback},
    {"Gear_Handle", 66.0, GearHandleElements(), kGearHandleMouseRects, GearHandleGaugeCallback},
    {"Gear_Indicators", 124.0, GearIndicatorsElements(), kGearIndicatorsMouseRects, GearIndicatorsGaugeCallback},
    {"Altitude_Alert", 40.0, AltitudeAlertElements(), nullptr, nullptr},
    {"Standby Attitude", 256.0, StandbyAttitudeElements(), kStandbyAttitudeMouseRects, StandbyAttitudeGaugeCallback},
    {"Standby Combi", 400.0, StandbyCombiElements(), kStandbyCombiMouseRects, StandbyCombiGaugeCallback},
    {"RDI", 356.0, RdiElements(), kRdiMouseRects, RdiGaugeCallback},
    {"DME", 85.0, DmeElements(), nullptr, nullptr},
    {"External Lights", 150.0, ExternalLightsElements(), kExternalLightsMouseRects, ExternalLightsGaugeCallback},
    {"FDCADC", 30.0, FdcadcElements(), nullptr, nullptr},
    {"TOGA Button", 40.0, TogaButtonElements(), kTogaButtonMouseRects, TogaButtonGaugeCallback},
    {"EFIS Dimmer", 50.0, EfisDimmerElements(), kEfisDimmerMouseRects, EfisDimmerGaugeCallback},
    {"EFIS Control", 72.0, EfisControlElements(), kEfisControlMouseRects, EfisControlGaugeCallback},
    {"Wheels", 40.0, WheelsElements(), nullptr, nullptr},
    // overhead panel
    {"Electrical", 410.0, ElectricalElements(), kElectricalMouseRects, ElectricalGaugeCallback},
    {"Electrical_CSD1_Temperature", 300.0, ElectricalCsd1TemperatureElements(), nullptr, ElectricalMeterGaugeCallback},
    {"Electrical_CSD2_Temperature", 300.0, ElectricalCsd2TemperatureElements(), nullptr, ElectricalMeterGaugeCallback},
    {"Electrical_AC_Load_1", 44.0, ElectricalAcLoad1Elements(), nullptr, ElectricalMeterGaugeCallback},
    {"Electrical_AC_Load_2", 44.0, ElectricalAcLoad2Elements(), nullptr, ElectricalMeterGaugeCallback},
    {"Electrical_AC_Load_APU", 44.0, ElectricalAcLoadApuElements(), nullptr, ElectricalMeterGaugeCallback},
    {"Electrical_DC_Load_1", 300.0, ElectricalDcLoad1Elements(), nullptr, ElectricalDcLoadGaugeCallback},
    {"Electrical_DC_Load_2", 300.0, ElectricalDcLoad2Elements(), nullptr, ElectricalDcLoadGaugeCallback},
    {"Electrical_AC_Volts", 44.0, ElectricalAcVoltsElements(), nullptr, ElectricalMeterGaugeCallback},
    {"Electrical_DC_Volts_Amps", 44.0, ElectricalDcVoltsAmpsElements(), nullptr, ElectricalMeterGaugeCallback},
    {"Electrical_Frequency", 44.0, ElectricalFrequencyElements(), nullptr, ElectricalMeterGaugeCallback},
    {"Engine_Starter", 210.0, EngineStarterElements(), kEngineStarterMouseRects, EngineStarterGaugeCallback},
    {"Fuel_Pumps", 172.0, FuelPumpsElements(), kFuelPumpsMouseRects, FuelPumpsGaugeCallback},
    {"SDP", 0.0, SdpElements(), nullptr, SdpGaugeCallback},
    {"TRP", 0.0, TrpElements(), kTrpMouseRects, TrpGaugeCallback},
    {"Slip", 0.0, SlipElements(), nullptr, SlipGaugeCallback},
    {"APU", 200.0, ApuElements(), kApuMouseRects, ApuGaugeCallback},
    {"APU_EGT", 300.0, ApuEgtElements(), nullptr, ApuEgtGaugeCallback},
    {"APU_RPM", 300.0, ApuRpmElements(), nullptr, ApuRpmGaugeCallback},
    {"Cabin_Pressure", 165.0, CabinPressureElements(), kCabinPressureMouseRects, CabinPressureGaugeCallback},
    {"Cabin_Pressure_Indicator", 400.0, CabinPressureIndicatorElements(), kCabinPressureIndicatorMouseRects,
     CabinPressureIndicatorGaugeCallback},
    {"Cabin_Climb", 300.0, CabinClimbElements(), kCabinClimbMouseRects, CabinClimbGaugeCallback},
    {"Air_Condition", 365.0, AirConditionElements(), kAirConditionMouseRects, AirConditionGaugeCallback},
    {"Air_Condition_L_Valve", 200.0, AirConditionLeftValveElements(), nullptr, AirConditionMeterGaugeCallback},
    {"Air_Condition_R_Valve", 200.0, AirConditionRightValveElements(), nullptr, AirConditionMeterGaugeCallback},
    {"Air_Condition_L_Pressure", 200.0, AirConditionLeftPressureElements(), nullptr, AirConditionMeterGaugeCallback},
    {"Air_Condition_R_Pressure", 200.0, AirConditionRightPressureElements(), nullptr, AirConditionMeterGaugeCallback},
    {"Air_Condition_Temperature", 300.0, AirConditionTemperatureElements(), nullptr,
     AirConditionTemperatureGaugeCallback},
    {"Ice_Protection", 465.0, IceProtectionElements(), kIceProtectionMouseRects, IceProtectionGaugeCallback},
    {"Rain", 375.0, RainElements(), kRainMouseRects, RainGaugeCallback},
    {"OCL", 180.0, OclElements(), kOclMouseRects, OclGaugeCallback},
    {"IRS", 180.0, IrsElements(), kIrsMouseRects, IrsGaugeCallback},
    {"FDC", 225.0, FdcElements(), kFdcMouseRects, FdcGaugeCallback},
    {"Various", 360.0, VariousElements(), kVariousMouseRects, VariousGaugeCallback},
    {"Various2", 110.0, Various2Elements(), kVarious2MouseRects, Various2GaugeCallback},
    {"Cockpit_Lights", 130.0, CockpitLightsElements(), kCockpitLightsMouseRects, CockpitLightsGaugeCallback},
    {"Pneumatic Pressure", 200.0, PneumaticPressureElements(), nullptr, SecondOverheadMeterGaugeCallback},
    {"Recirculation Fan", 65.0, RecirculationFanElements(), kRecirculationFanMouseRects, RecirculationFanGaugeCallback},
    {"Heater Current", 44.0, HeaterCurrentElements(), nullptr, SecondOverheadMeterGaugeCallback},
    {"Voice Recorder", 50.0, VoiceRecorderElements(), kVoiceRecorderMouseRects, VoiceRecorderGaugeCallback},
    // crew aids: training centre, dispatch, options, pushback (116 to 124)
    {"Center", 960.0, CenterElements(), kCenterMouseRects, CenterGaugeCallback},
    {"Center Training", 700.0, CenterTrainingElements(), kCenterTrainingMouseRects, CenterTrainingGaugeCallback},
    {"Center Dispatch", 820.0, CenterDispatchElements(), g_centerDispatchMouseRects, CenterDispatchGaugeCallback},
    {"Center Options", 650.0, CenterOptionsElements(), kCenterOptionsMouseRects, nullptr},
    {"Training Pointers", 1460.0, TrainingPointersElements(), nullptr, TrainingPointersGaugeCallback},
    {"Training Guide", 400.0, TrainingGuideElements(), kTrainingGuideMouseRects, TrainingGuideGaugeCallback},
    {"Mentor VA Editor", 300.0, MentorEditorElements(), kMentorEditorMouseRects, nullptr},  // no callback: nothing to do on a service
    {"Center Updated", 400.0, CenterUpdatedElements(), kCenterUpdatedMouseRects, nullptr},
    {"Pushback", 600.0, PushbackElements(), kPushbackMouseRects, nullptr},
    // overhead panel, continued
    {"Voice Recorder Meter", 60.0, VoiceRecorderMeterElements(), nullptr, SecondOverheadMeterGaugeCallback},
    {"GSEP", 220.0, GsepElements(), kGsepMouseRects, GsepGaugeCallback},
    {"EFDS", 195.0, EfdsElements(), kEfdsMouseRects, EfdsGaugeCallback},
    {"Oxygen Regulator", 210.0, OxygenRegulatorElements(), kOxygenRegulatorMouseRects, OxygenRegulatorGaugeCallback},
    {"Oxygen Pressure", 44.0, OxygenPressureElements(), nullptr, SecondOverheadMeterGaugeCallback},
    {"Flight Recorder", 195.0, FlightRecorderElements(), kFlightRecorderMouseRects, FlightRecorderGaugeCallback},
    {"EOAP", 537.0, EoapElements(), kEoapMouseRects, nullptr},
    {"EOAP Zoom", 802.0, EoapZoomElements(), kEoapZoomMouseRects, nullptr},
    {"EOAP Display 1", 260.0, EoapDisplay1Elements(), kEoapDisplay1MouseRects, nullptr},
    {"EOAP Display 2", 260.0, EoapDisplay2Elements(), kEoapDisplay2MouseRects, nullptr},
    // radios and pedestal
    {"ADF", 266.0, AdfElements(), kAdfMouseRects, AdfGaugeCallback},
    {"COMM1", 267.0, Comm1Elements(), kComm1MouseRects, Comm1GaugeCallback},
    {"COMM2", 267.0, Comm2Elements(), kComm2MouseRects, Comm2GaugeCallback},
    {"Transponder", 263.0, TransponderElements(), kTransponderMouseRects, TransponderGaugeCallback},
    {"Throttlebox", 360.0, ThrottleboxElements(), kThrottleboxMouseRects, ThrottleboxGaugeCallback},
    {"Flapsbox", 210.0, FlapsboxElements(), kFlapsboxMouseRects, FlapsboxGaugeCallback},
    {"Longitude Trim", 200.0, LongitudeTrimElements(), kLongitudeTrimMouseRects, LongitudeTrimGaugeCallback},
    {"Stabilizer Trim", 44.0, StabilizerTrimElements(), kStabilizerTrimMouseRects, StabilizerTrimGaugeCallback},
    {"Rudder Trim", 200.0, RudderTrimElements(), kRudderTrimMouseRects, RudderTrimGaugeCallback},
    {"Aileron Trim", 130.0, AileronTrimElements(), kAileronTrimMouseRects, AileronTrimGaugeCallback},
    {"CPL", 210.0, CplElements(), kCplMouseRects, CplGaugeCallback},
    {"Auto Brake", 75.0, AutoBrakeElements(), kAutoBrakeMouseRects, AutoBrakeGaugeCallback},
    {"Pneumatic XFeed", 300.0, PneumaticXFeedElements(), kPneumaticXFeedMouseRects, PneumaticXFeedGaugeCallback},
    {"Gear Lock Indicator", 30.0, GearLockIndicatorElements(), nullptr, nullptr},
    {"Alternate Gear", 70.0, AlternateGearElements(), kAlternateGearMouseRects, AlternateGearGaugeCallback},
    {"Gear Horn VC", 30.0, GearHornVcElements(), kGearHornVcMouseRects, GearHornVcGaugeCallback},
    {"Radar", 280.0, RadarElements(), kRadarMouseRects, RadarGaugeCallback},
    {"Radar Display", 0.0, g_radarDisplayScreen.Elements(), nullptr, RadarDisplayGaugeCallback},
    {"Radar Display 2", 300.0, RadarDisplay2Elements(), nullptr, RadarDisplay2GaugeCallback},
    {"Audio Panel", 0.0, AudioPanelElements(), kAudioPanelMouseRects, AudioPanelGaugeCallback},
    {"SELCAL", 0.0, SelcalElements(), nullptr, SelcalGaugeCallback},
    {"Hydraulic Pumps", 72.0, HydraulicPumpsElements(), kHydraulicPumpsMouseRects, HydraulicPumpsGaugeCallback},
    // side panels and the first officer's side
    {"Brake Temperature", 200.0, BrakeTemperatureElements(), kBrakeTemperatureMouseRects, BrakeTemperatureGaugeCallback},
    {"Brake Temperature Controls", 56.0, BrakeTemperatureControlsElements(), kBrakeTemperatureControlsMouseRects,
     BrakeTemperatureControlsGaugeCallback},
    {"Side Switches", 240.0, SideSwitchesElements(), kSideSwitchesMouseRects, SideSwitchesGaugeCallback},
    {"Side Switches2", 185.0, SideSwitches2Elements(), kSideSwitches2MouseRects, SideSwitches2GaugeCallback},
    {"ART", 30.0, ArtElements(), kArtMouseRects, ArtGaugeCallback},
    {"External Lights FO", 170.0, ExternalLightsFoElements(), kExternalLightsFoMouseRects, ExternalLightsFoGaugeCallback},
    {"Stearing Wheel", 280.0, StearingWheelElements(), kStearingWheelMouseRects, StearingWheelGaugeCallback},
    {"TAS SAT", 50.0, TasSatElements(), kTasSatMouseRects, TasSatGaugeCallback},
    {"Wiper", 300.0, WiperElements(), nullptr, nullptr},
    {"MagTrue", 21.0, MagTrueElements(), kMagTrueMouseRects, MagTrueGaugeCallback},
};
static_assert(std::size(g_gauges) == kGaugeCount);

template <size_t... I>
constexpr std::array<platform::GAUGEHDR*, kGaugeCount + 1> PointersToGauges(std::index_sequence<I...>) {
  return {&g_gauges[I]..., nullptr};
}

}  // namespace

constinit std::array<platform::GAUGEHDR*, kGaugeCount + 1> g_gaugeTable =
    PointersToGauges(std::make_index_sequence<kGaugeCount>());

namespace {

// The gauges whose pictures change with the ticks, not with the draws.
constexpr void (*kTickPictures[])() = {
    KeepRadarPicture,      // the radar's screen, once a second
    KeepRadarDisplay2,     // the picture beside it, once a second
    KeepFmsDisplays,       // the other CDUs' lit screens, once a second
    KeepFireHandleLights,  // the fire handles' blink
    KeepMenuPictures,      // the view menu
    KeepAlignLampBlink,    // the IRS ALIGN lamps' blink
    UpdateTrimSelectorKnob,  // the trim handle's return
};

}  // namespace

void UpdateGaugePictures() {
  for (void (*update)() : kTickPictures) update();
}

}  // namespace halcyon
