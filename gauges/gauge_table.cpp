// The gauge table exported through Linkage: one header per gauge with its
// name and, where the gauge has one yet, its mouse table and callback. The
// panel configuration finds gauges by name; the order keeps "Airspeed",
// "NAV" and "Altimeter" first, the crew-aid pages at 116 to 124 and "MagTrue"
// last, and groups the rest by panel.
#include "gauges/gauge_table.h"

#include <iterator>
#include <utility>

#include "crewaids/dispatch/center_dispatch.h"
#include "crewaids/options/center_options.h"
#include "crewaids/options/pushback.h"
#include "displays/nd/nav_display.h"
#include "displays/pfd/pfd_display.h"
#include "displays/radar/radar_display.h"
#include "displays/tcas/tcas_display.h"
#include "gauges/airspeed.h"
#include "gauges/altimeter.h"
#include "gauges/apu_panel.h"
#include "gauges/clock.h"
#include "gauges/dfgs.h"
#include "gauges/electrical.h"
#include "gauges/engine_start_panels.h"
#include "gauges/fma.h"
#include "gauges/fms.h"
#include "gauges/glass_screens.h"
#include "gauges/mouse_tables.h"
#include "gauges/nav.h"
#include "gauges/side_switches.h"

namespace halcyon {
namespace {

constexpr platform::GAUGEHDR Gauge(const char* name, const platform::MOUSERECT* mouseRects = nullptr,
                                   platform::ELEMENT_HEADER* elements = nullptr) {
  return {name, 0.0, elements, mouseRects, nullptr};
}

platform::GAUGEHDR g_gauges[] = {
    // forward instruments
    {"Airspeed", 400.0, AirspeedElements(), kAirspeedMouseRects, AirspeedGaugeCallback},  // 1: drives the lifecycle
    {"NAV", 175.0, NavElements(), kNavMouseRects, NavGaugeCallback},
    {"Altimeter", 400.0, AltimeterElements(), kAltimeterMouseRects, AltimeterGaugeCallback},
    // glass displays and CDU
    {"EFIS PFD", 0.0, g_efisPfdScreen.Elements(), kEfisPfdMouseRects, EfisPfdGaugeCallback},
    {"EFIS ND", 0.0, g_efisNdScreen.Elements(), kEfisNdMouseRects, NavDisplayGaugeCallback},
    {"TCAS Display", 0.0, g_tcasDisplayScreen.Elements(), kTcasDisplayMouseRects, TcasDisplayGaugeCallback},
    {"FMS", 0.0, g_fmsScreen.Elements(), kFmsMouseRects, FmsGaugeCallback},
    Gauge("FMS Display 2"),
    Gauge("FMS Display 3"),
    Gauge("EFIS MCP"),
    Gauge("EFIS MCP2"),
    Gauge("TCAS", kTcasMouseRects),
    // glareshield and forward panel
    {"FMA", 216.0, FmaElements(), kFmaMouseRects, FmaGaugeCallback},
    {"Clock", 300.0, ClockElements(), kClockMouseRects, ClockGaugeCallback},
    {"FGCP Lights", 74.0, FgcpLightsElements(), kFgcpLightsMouseRects, FgcpLightsGaugeCallback},
    {"Brake_Pressure", 300.0, BrakePressureElements(), kBrakePressureMouseRects, BrakePressureGaugeCallback},
    // view menu and popup cards
    Gauge("Menu", kMenuMouseRects),
    Gauge("Checklist"),
    Gauge("Speed Cards"),
    Gauge("Start Flying"),
    Gauge("Splash"),
    // hotspots and window-close boxes
    Gauge("Hotspot 1"),
    Gauge("Hotspot 2"),
    Gauge("Hotspot 3"),
    Gauge("Hotspot 4"),
    Gauge("Hotspot 5"),
    Gauge("Hotspot 8"),
    Gauge("Hotspot 9"),
    Gauge("Hotspot 10"),
    Gauge("Hotspot 11"),
    Gauge("Hotspot 12"),
    Gauge("Hotspot 13"),
    Gauge("Hotspot 14"),
    Gauge("Hotspot 15"),
    Gauge("Hotspot 16"),
    Gauge("Hotspot 17"),
    Gauge("Hotspot 20"),
    Gauge("Hotspot 21"),
    Gauge("Hotspot 22"),
    Gauge("Hotspot 23"),
    Gauge("Hotspot 24"),
    Gauge("Hotspot 25"),
    Gauge("Hotspot 28"),
    Gauge("Hotspot 30"),
    Gauge("Hotspot 31"),
    Gauge("Window Close 1"),
    Gauge("Window Close 2"),
    Gauge("Window Close 3"),
    Gauge("Window Close 4"),
    Gauge("Window Close 5"),
    Gauge("Window Close 6"),
    Gauge("Window Close 8"),
    Gauge("Window Close 9"),
    // flight guidance, engine and centre panel
    {"DFGS", 535.0, DfgsElements(), kDfgsMouseRects, DfgsGaugeCallback},
    Gauge("EDP"),
    Gauge("Fuel_Quantity"),
    Gauge("Engine Fire", kEngineFireMouseRects),
    Gauge("Warning Lights"),
    Gauge("Pellams Warning Lights"),
    Gauge("ART Annunciator"),
    Gauge("Annunciator Digital Lights Test"),
    Gauge("GPWS"),
    Gauge("Gear_Handle"),
    Gauge("Gear_Indicators"),
    Gauge("Altitude_Alert"),
    Gauge("Standby Attitude", kStandbyAttitudeMouseRects),
    Gauge("Standby Combi", kStandbyCombiMouseRects),
    Gauge("RDI"),
    Gauge("DME"),
    Gauge("External Lights"),
    Gauge("FDCADC"),
    Gauge("TOGA Button"),
    Gauge("EFIS Dimmer"),
    Gauge("EFIS Control"),
    Gauge("Wheels"),
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
    Gauge("SDP"),
    Gauge("TRP", kTrpMouseRects),
    Gauge("Slip"),
    {"APU", 200.0, ApuElements(), kApuMouseRects, ApuGaugeCallback},
    {"APU_EGT", 300.0, ApuEgtElements(), nullptr, ApuEgtGaugeCallback},
    {"APU_RPM", 300.0, ApuRpmElements(), nullptr, ApuRpmGaugeCallback},
    Gauge("Cabin_Pressure"),
    Gauge("Cabin_Pressure_Indicator", kCabinPressureIndicatorMouseRects),
    Gauge("Cabin_Climb", kCabinClimbMouseRects),
    Gauge("Air_Condition"),
    Gauge("Air_Condition_L_Valve"),
    Gauge("Air_Condition_R_Valve"),
    Gauge("Air_Condition_L_Pressure"),
    Gauge("Air_Condition_R_Pressure"),
    Gauge("Air_Condition_Temperature"),
    Gauge("Ice_Protection"),
    Gauge("Rain"),
    Gauge("OCL"),
    Gauge("IRS"),
    Gauge("FDC"),
    Gauge("Various"),
    Gauge("Various2"),
    Gauge("Cockpit_Lights"),
    Gauge("Pneumatic Pressure"),
    Gauge("Recirculation Fan"),
    Gauge("Heater Current"),
    Gauge("Voice Recorder"),
    // crew aids: training centre, dispatch, options, pushback (116 to 124)
    Gauge("Center"),
    Gauge("Center Training"),
    {"Center Dispatch", 820.0, CenterDispatchElements(), g_centerDispatchMouseRects, CenterDispatchGaugeCallback},
    {"Center Options", 650.0, CenterOptionsElements(), kCenterOptionsMouseRects, nullptr},
    Gauge("Training Pointers"),
    Gauge("Training Guide"),
    Gauge("Mentor VA Editor"),
    {"Center Updated", 400.0, CenterUpdatedElements(), kCenterUpdatedMouseRects, nullptr},
    {"Pushback", 600.0, PushbackElements(), kPushbackMouseRects, nullptr},
    // overhead panel, continued
    Gauge("Voice Recorder Meter"),
    Gauge("GSEP"),
    Gauge("EFDS"),
    Gauge("Oxygen Regulator"),
    Gauge("Oxygen Pressure"),
    Gauge("Flight Recorder"),
    Gauge("EOAP"),
    Gauge("EOAP Zoom"),
    Gauge("EOAP Display 1"),
    Gauge("EOAP Display 2"),
    // radios and pedestal
    Gauge("ADF"),
    Gauge("COMM1"),
    Gauge("COMM2"),
    Gauge("Transponder"),
    Gauge("Throttlebox"),
    Gauge("Flapsbox"),
    Gauge("Longitude Trim"),
    Gauge("Stabilizer Trim"),
    Gauge("Rudder Trim"),
    Gauge("Aileron Trim"),
    Gauge("CPL"),
    Gauge("Auto Brake"),
    Gauge("Pneumatic XFeed"),
    Gauge("Gear Lock Indicator"),
    Gauge("Alternate Gear"),
    Gauge("Gear Horn VC"),
    Gauge("Radar"),
    {"Radar Display", 0.0, g_radarDisplayScreen.Elements(), nullptr, RadarDisplayGaugeCallback},
    Gauge("Radar Display 2"),
    Gauge("Audio Panel", kAudioPanelMouseRects),
    Gauge("SELCAL"),
    Gauge("Hydraulic Pumps"),
    // side panels and the first officer's side
    Gauge("Brake Temperature", kBrakeTemperatureMouseRects),
    Gauge("Brake Temperature Controls"),
    {"Side Switches", 240.0, SideSwitchesElements(), kSideSwitchesMouseRects, SideSwitchesGaugeCallback},
    {"Side Switches2", 185.0, SideSwitches2Elements(), kSideSwitches2MouseRects, SideSwitches2GaugeCallback},
    Gauge("ART"),
    Gauge("External Lights FO"),
    Gauge("Stearing Wheel"),
    Gauge("TAS SAT", kTasSatMouseRects),
    Gauge("Wiper"),
    Gauge("MagTrue"),
};
static_assert(std::size(g_gauges) == kGaugeCount);

template <size_t... I>
constexpr std::array<platform::GAUGEHDR*, kGaugeCount + 1> PointersToGauges(std::index_sequence<I...>) {
  return {&g_gauges[I]..., nullptr};
}

}  // namespace

constinit std::array<platform::GAUGEHDR*, kGaugeCount + 1> g_gaugeTable =
    PointersToGauges(std::make_index_sequence<kGaugeCount>());

}  // namespace halcyon
