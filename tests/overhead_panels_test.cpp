// The overhead panel's gauges as the simulator drives them: each control
// through its rectangle and its keyboard command, the pictures following the
// records, the lamps' power and lamp-test rules, the meters and their
// relighting by the overhead panel light.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <cwchar>
#include <map>
#include <numbers>
#include <string>
#include <vector>

#include "core/helpers.h"
#include "core/options.h"
#include "gauges/gauge_kit.h"
#include "host/keyboard_combos.h"
#include "host/voice_queue.h"
#include "systems/air_condition.h"
#include "systems/annunciator_lamps.h"
#include "systems/apu.h"
#include "systems/autobrake.h"
#include "systems/cabin_press.h"
#include "systems/dfgs.h"
#include "systems/fire_protection.h"
#include "systems/ground_service.h"
#include "systems/ice_protection.h"
#include "systems/irs.h"
#include "systems/kept_controls.h"
#include "systems/pneumatics.h"
#include "systems/rain.h"
#include "systems/unit_system.h"
#include "systems/various.h"
#include "systems/electric.h"
#include "systems/engine_start.h"
#include "systems/fuel_pumps.h"
#include "systems/lights.h"
#include "tests/cockpit.h"
#include "tests/element_places.h"
#include "tests/picture_frames.h"

namespace halcyon::test {
namespace {

constexpr uint32_t kClick = platform::kMouseLeftSingle;
constexpr uint32_t kRelease = platform::kMouseLeftRelease;
constexpr int32_t kStray = 7;  // a position no control of these panels uses

// One control: the function its rectangle calls, the record it moves, the
// element that shows the record, and the positions it takes in order.
struct Control {
  const char* function;
  CSwitch* record;
  int32_t element;  // -1: shown by no element of the panel
  std::vector<int32_t> positions;
};

std::vector<Control> ElectricalControls() {
  return {
      {"ElectricalMouseCsd1Inc", &g_csdDisconnectGuard1, 19, {43, 125, 123}},
      {"ElectricalMouseCsd1Dec", &g_csdDisconnectGuard1, 19, {43, 125, 123}},
      {"ElectricalMouseCsd2Inc", &g_csdDisconnectGuard2, 18, {43, 125, 123}},
      {"ElectricalMouseCsd2Dec", &g_csdDisconnectGuard2, 18, {43, 125, 123}},
      {"ElectricalMouseCsdRise", &g_csdTempDisplaySwitch, -1, {41, 120}},
      {"ElectricalMouseGen1Inc", &g_gen1Switch, 17, {41, 120, 121}},
      {"ElectricalMouseGen1Dec", &g_gen1Switch, 17, {41, 120, 121}},
      {"ElectricalMouseGen2Inc", &g_gen2Switch, 16, {41, 120, 121}},
      {"ElectricalMouseGen2Dec", &g_gen2Switch, 16, {41, 120, 121}},
      {"ElectricalMouseApuGen", &g_apuGenSwitch, 15, {43, 121}},
      {"ElectricalMouseApuBus1", &g_apuBus1Switch, 13, {41, 120}},
      {"ElectricalMouseApuBus2", &g_apuBus2Switch, 12, {41, 120}},
      {"ElectricalMouseExtBus1", &g_externalBus1Switch, 8, {41, 120}},
      {"ElectricalMouseExtBus2", &g_externalBus2Switch, 7, {41, 120}},
      {"ElectricalMouseAcBusCrossTie", &g_acBusTieSwitch, 4, {42, 44}},
      {"ElectricalMouseDcBusCrossTie", &g_dcBusTieSwitch, 3, {42, 122}},
      {"ElectricalMouseGalley", &g_galleyPowerSwitch, 2, {41, 120}},
      {"ElectricalMouseExtPowerAvailable", &g_externalPowerSwitch, 9, {45, 120}},
      {"ElectricalMouseIndicatorSelectorDec", &g_meterSelector, 20, {1, 2, 3, 4, 5, 6}},
      {"ElectricalMouseIndicatorSelectorInc", &g_meterSelector, 20, {1, 2, 3, 4, 5, 6}},
      {"ElectricalMouseCsdReset", nullptr, -1, {}},
  };
}

// What a control did: every record of the panel, and the click sounds played.
struct Observed {
  std::vector<int32_t> records;
  std::vector<int> sounds;
  size_t keyEvents;
  bool operator==(const Observed&) const = default;
};

std::vector<Control> EngineStarterControls() {
  return {
      {"EngineStarterMouseStartPump", &g_startPumpSwitch, 7, {41, 120}},
      {"EngineStarterMouseIgnitionInc", &g_ignitionSwitch, 6, {49, 120, 50}},
      {"EngineStarterMouseIgnitionDec", &g_ignitionSwitch, 6, {49, 120, 50}},
      {"EngineStarterMouseFuelHeatLeft", &g_fuelHeatLeftSwitch, 5, {41, 120}},
      {"EngineStarterMouseFuelHeatRight", &g_fuelHeatRightSwitch, 4, {41, 120}},
      {"EngineStarterMouseStarterLeftInc", &g_starterLeftSwitch, 3, {51, 120, 125, 52}},
      {"EngineStarterMouseStarterLeftDec", &g_starterLeftSwitch, 3, {51, 120, 125, 52}},
      {"EngineStarterMouseStarterRightInc", &g_starterRightSwitch, 2, {51, 120, 125, 52}},
      {"EngineStarterMouseStarterRightDec", &g_starterRightSwitch, 2, {51, 120, 125, 52}},
  };
}

std::vector<Control> FuelPumpControls() {
  return {
      {"FuelPumpsMouseFwdLeft", &g_fuelPumpSwitches[kPumpFwdLeft], 7, {41, 120}},
      {"FuelPumpsMouseFwdCenter", &g_fuelPumpSwitches[kPumpFwdCenter], 6, {41, 120}},
      {"FuelPumpsMouseFwdRight", &g_fuelPumpSwitches[kPumpFwdRight], 5, {41, 120}},
      {"FuelPumpsMouseAftLeft", &g_fuelPumpSwitches[kPumpAftLeft], 4, {41, 120}},
      {"FuelPumpsMouseAftCenter", &g_fuelPumpSwitches[kPumpAftCenter], 3, {41, 120}},
      {"FuelPumpsMouseAftRight", &g_fuelPumpSwitches[kPumpAftRight], 2, {41, 120}},
  };
}

std::vector<Control> ApuControls() {
  return {
      {"ApuMouseFireAgent1", &g_apuFireAgent1Switch, 9, {120, 126}},
      {"ApuMouseFireAgent2", &g_apuFireAgent2Switch, 8, {120, 126}},
      {"ApuMouseAirSwitchInc", &g_apuAirSwitch, 7, {46, 41, 120}},
      {"ApuMouseAirSwitchDec", &g_apuAirSwitch, 7, {46, 41, 120}},
      {"ApuMouseDoorsGuard", &g_apuDoorsSwitch, 5, {120, 44, 125, 42}},
      {"ApuMouseDoorsAutoInc", &g_apuDoorsSwitch, 5, {120, 44, 125, 42}},
      {"ApuMouseDoorsAutoDec", &g_apuDoorsSwitch, 5, {120, 44, 125, 42}},
      {"ApuMouseFireControl", &g_apuFireControlSwitch, 10, {43, 120}},
      {"ApuMouseMasterInc", &g_apuMasterSwitch, 6, {120, 48, 47}},
      {"ApuMouseMasterDec", &g_apuMasterSwitch, 6, {120, 48, 47}},
      {"ApuMouseEmergencyPower", &g_emergencyPowerSwitch, 4, {41, 120}},
      {"ApuMouseBattery", &g_batterySwitch, 2, {41, 120}},
  };
}

std::vector<Control> SideControls(const std::string& prefix) {
  static std::vector<std::string> names;
  names = {prefix + "MousePanelLights", prefix + "MouseDigitalLights", prefix + "MouseFloodLights",
           prefix + "MouseAlternateStatic"};
  return {
      {names[0].c_str(), &g_sidePanelLight, 4, {41, 120}},
      {names[1].c_str(), &g_sideDigitalLight, 3, {41, 120}},
      {names[2].c_str(), nullptr, -1, {}},
      {names[3].c_str(), &g_altStaticSwitch, 5, {43, 69}},
  };
}

// The overhead systems panels and the pedestal's light panels.
std::vector<Control> IrsControls() {
  return {
      {"IrsMouseSwitch1Dec", &g_irs1Selector, 4, {120, 113, 115, 116}},
      {"IrsMouseSwitch1Inc", &g_irs1Selector, 4, {120, 113, 115, 116}},
      {"IrsMouseSwitch2Dec", &g_irs2Selector, 2, {120, 113, 115, 116}},
      {"IrsMouseSwitch2Inc", &g_irs2Selector, 2, {120, 113, 115, 116}},
  };
}
std::vector<Control> FdcControls() {
  return {
      {"FdcMouseCadcInc", &g_cadcSwitch, 4, {53, 43, 54}},
      {"FdcMouseCadcDec", &g_cadcSwitch, 4, {53, 43, 54}},
      {"FdcMouseFdCmdInc", &g_fdCommandSwitch, 3, {53, 43, 54}},
      {"FdcMouseFdCmdDec", &g_fdCommandSwitch, 3, {53, 43, 54}},
      {"FdcMouseVertGyroInc", &g_verticalGyroSwitch, 2, {55, 43, 56}},
      {"FdcMouseVertGyroDec", &g_verticalGyroSwitch, 2, {55, 43, 56}},
  };
}
std::vector<Control> CabinPressureControls() {
  return {
      {"CabinPressureMouseSystemSelector", &g_cabinSystemSelector, 7, {58, 59}},
      {"CabinPressureMouseLandingAltCoarseDec", nullptr, -1, {}},
      {"CabinPressureMouseLandingAltCoarseInc", nullptr, -1, {}},
      {"CabinPressureMouseLandingAltFineDec", nullptr, -1, {}},
      {"CabinPressureMouseLandingAltFineInc", nullptr, -1, {}},
      {"CabinPressureMouseLandingBaroDec", nullptr, -1, {}},
      {"CabinPressureMouseLandingBaroInc", nullptr, -1, {}},
      {"CabinPressureMouseFlowLightTest", &g_cabinPanelObject, -1, {41, 120}},
      {"CabinPressureMouseRateLimitDec", &g_cabinRateLimitKnob, 5, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13}},
      {"CabinPressureMouseRateLimitInc", &g_cabinRateLimitKnob, 5, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13}},
  };
}
std::vector<Control> AirConditionControls() {
  return {
      {"AirConditionMouseCockpitTempCold", &g_cockpitTempSwitch, 7, {1, 2, 3, 4}},
      {"AirConditionMouseCockpitTempHot", &g_cockpitTempSwitch, 7, {1, 2, 3, 4}},
      {"AirConditionMouseCockpitTempAuto", &g_cockpitTempSwitch, 7, {1, 2, 3, 4}},
      {"AirConditionMouseCabinTempCold", &g_cabinTempSwitch, 6, {1, 2, 3, 4}},
      {"AirConditionMouseCabinTempHot", &g_cabinTempSwitch, 6, {1, 2, 3, 4}},
      {"AirConditionMouseCabinTempAuto", &g_cabinTempSwitch, 6, {1, 2, 3, 4}},
      {"AirConditionMouseSupplyLeftInc", &g_airSupplyLeftSwitch, 5, {120, 129, 44}},
      {"AirConditionMouseSupplyLeftDec", &g_airSupplyLeftSwitch, 5, {120, 129, 44}},
      {"AirConditionMouseSupplyRightInc", &g_airSupplyRightSwitch, 4, {120, 129, 44}},
      {"AirConditionMouseSupplyRightDec", &g_airSupplyRightSwitch, 4, {120, 129, 44}},
      {"AirConditionMouseTempSelect", &g_tempSelectSwitch, 3, {60, 61}},
      {"AirConditionMouseRadioRackVenturi", &g_radioRackVenturiSwitch, 2, {62, 63}},
  };
}
std::vector<Control> IceProtectionControls() {
  return {
      {"IceProtectionMouseEmergencyLightsInc", &g_emergencyLightsSwitch, 10, {120, 127, 41}},
      {"IceProtectionMouseEmergencyLightsDec", &g_emergencyLightsSwitch, 10, {120, 127, 41}},
      {"IceProtectionMouseNoSmokingInc", &g_noSmokingSwitch, 9, {44, 120, 41}},
      {"IceProtectionMouseNoSmokingDec", &g_noSmokingSwitch, 9, {44, 120, 41}},
      {"IceProtectionMouseSeatbeltInc", &g_seatbeltSwitch, 8, {44, 120, 41}},
      {"IceProtectionMouseSeatbeltDec", &g_seatbeltSwitch, 8, {44, 120, 41}},
      {"IceProtectionMouseMeterSelectorInc", &g_pitotMeterSelector, 7, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}},
      {"IceProtectionMouseMeterSelectorDec", &g_pitotMeterSelector, 7, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}},
      {"IceProtectionMouseAirfoil", &g_airfoilHeatSwitch, 6, {41, 120}},
      {"IceProtectionMouseTail", nullptr, -1, {}},
      {"IceProtectionMouseWindowsAntiFog", &g_windshieldAntiFog, 5, {41, 120}},
      {"IceProtectionMouseWindowsAntiIce", &g_windshieldAntiIce, 4, {41, 120}},
      {"IceProtectionMouseEngineLeft", &g_engineAntiIceLeft, 3, {41, 120}},
      {"IceProtectionMouseEngineRight", &g_engineAntiIceRight, 2, {41, 120}},
  };
}
std::vector<Control> RainControls() {
  return {
      {"RainMouseRepellentSource", &g_repellentSourceButton, 6, {43, 57}},
      {"RainMouseRepellentDischargeLeft", &g_repellentDischargeLeft, -1, {41, 120}},
      {"RainMouseRepellentDischargeRight", &g_repellentDischargeRight, -1, {41, 120}},
      {"RainMouseWiperDec", &g_rainWiperSwitch, 5, {1, 2, 3, 4}},
      {"RainMouseWiperInc", &g_rainWiperSwitch, 5, {1, 2, 3, 4}},
      {"RainMouseAnnunciatorLightsDim", &g_annunciatorLightsDimmer, 4, {41, 120}},
      {"RainMouseAirCondShutoffOverride", &g_airConditionShutoffOverride, 3, {44, 120}},
      {"RainMouseRamAir", &g_ramAirSwitch, 2, {41, 120}},
  };
}
std::vector<Control> OclControls() {
  return {
      {"OclMousePanelLight", &g_oclPanelLight, 3, {41, 120}},
      {"OclMouseFloodLight", nullptr, -1, {}},
  };
}
std::vector<Control> VariousControls() {
  return {
      {"VariousMousePaLight", &g_paLightSwitch, 10, {41, 120}},
      {"VariousMouseAttendantCall", &g_attendantLightSwitch, 9, {41, 120}},
      {"VariousMouseAttendantCallLight", &g_attendantLightSwitch, 9, {41, 120}},
      {"VariousMouseAntiSkid", &g_antiSkidSwitch, 8, {120, 127}},
      {"VariousMouseAntiSkidTest", &g_antiSkidTestSwitch, 7, {64, 120}},
      {"VariousMouseStallTest1", &g_annunciatorTestSwitch, 5, {65, 41, 66}},
      {"VariousMouseStallTest2", &g_annunciatorTestSwitch, 5, {65, 41, 66}},
      {"VariousMouseYawDampInc", &g_yawDampSwitch, 6, {120, 41, 49}},
      {"VariousMouseYawDampDec", &g_yawDampSwitch, 6, {120, 41, 49}},
      {"VariousMouseMaxSpeedWarnTestInc", &g_maxSpeedWarnTestSwitch, 4, {65, 120, 66}},
      {"VariousMouseMaxSpeedWarnTestDec", &g_maxSpeedWarnTestSwitch, 4, {65, 120, 66}},
      {"VariousMouseMachTrimComp", &g_machTrimCompSwitch, 3, {43, 49}},
      {"VariousMouseKeyEventButton", nullptr, -1, {}},
  };
}
std::vector<Control> Various2Controls() {
  return {
      {"Various2MouseSyncDec", &g_syncSwitch, 3, {70, 120, 71}},
      {"Various2MouseSyncInc", &g_syncSwitch, 3, {70, 120, 71}},
      {"Various2MouseGpwsUp", &g_gpwsSwitch, 2, {49, 125, 43, 64}},
      {"Various2MouseGpwsDown", &g_gpwsSwitch, 2, {49, 125, 43, 64}},
  };
}
std::vector<Control> CockpitLightsControls() {
  return {
      {"CockpitLightsMouseCircuitBreakerInc", &g_circuitBreakerLight, 5, {120, 67, 68}},
      {"CockpitLightsMouseCircuitBreakerDec", &g_circuitBreakerLight, 5, {120, 67, 68}},
      {"CockpitLightsMouseStandbyCompassInc", &g_standbyCompassLight, 4, {120, 67, 68}},
      {"CockpitLightsMouseStandbyCompassDec", &g_standbyCompassLight, 4, {120, 67, 68}},
      {"CockpitLightsMouseThunderstorm", &g_thunderstormLight, 3, {41, 120}},
      {"CockpitLightsMouseFloodInc", &g_floodLight, 2, {120, 41, 69}},
      {"CockpitLightsMouseFloodDec", &g_floodLight, 2, {120, 41, 69}},
  };
}
// Every panel of the overhead and pedestal built so far, by gauge, with the
// section of its keyboard commands.
struct PanelControls {
  const char* gauge;
  const wchar_t* section;
  std::vector<Control> controls;
};

// The second overhead panel's small gauges.
std::vector<PanelControls> SecondOverheadPanels() {
  return {
      {"Recirculation Fan", L"MISC",
       {{"RecirculationFanMouseSwitchInc", &g_recirculationFanSwitch, 2, {120, 41, 44}},
        {"RecirculationFanMouseSwitchDec", &g_recirculationFanSwitch, 2, {120, 41, 44}}}},
      {"Voice Recorder", L"VOICE RECORDER", {{"VoiceRecorderMouseTest", nullptr, -1, {}}}},
      {"GSEP", L"GROUND SERVICE ELECTRIC POWER",
       {{"GsepMouseApu", &g_gsepApuSwitch, 4, {41, 120}},
        {"GsepMouseExternal", &g_gsepExternalSwitch, 5, {41, 120}},
        {"GsepMouseMaintenancePhone", &g_gsepMaintPhone, 8, {41, 120}}}},
      {"EFDS", L"ENGINE FIRE DETECTION SYSTEM",
       {{"EfdsMouseApuInc", &g_efdsApuSwitch, 8, {98, 97, 99}},
        {"EfdsMouseApuDec", &g_efdsApuSwitch, 8, {98, 97, 99}},
        {"EfdsMouseEngine1Inc", &g_efdsEngineLeftSwitch, 9, {98, 97, 99}},
        {"EfdsMouseEngine1Dec", &g_efdsEngineLeftSwitch, 9, {98, 97, 99}},
        {"EfdsMouseEngine2Inc", &g_efdsEngineRightSwitch, 10, {98, 97, 99}},
        {"EfdsMouseEngine2Dec", &g_efdsEngineRightSwitch, 10, {98, 97, 99}}}},
      {"Oxygen Regulator", L"OXYGEN",
       {{"OxygenRegulatorMouseSupplyRegulator", &g_oxygenSupplyRegulator, 2, {1, 2}},
        {"OxygenRegulatorMouseMaster", &g_oxygenMasterSwitch, 3, {1, 2}}}},
      {"Flight Recorder", L"FLIGHT DATA RECORDER",
       {{"FlightRecorderMouseTestInc", &g_fdrTestSwitch, 2, {43, 125, 64}},
        {"FlightRecorderMouseTestDec", &g_fdrTestSwitch, 2, {43, 125, 64}}}},
  };
}
std::vector<Control> CplControls() {
  return {
      {"CplMousePanel", &g_cplPanelLight, 4, {41, 120}},
      {"CplMouseDigital", &g_cplDigitalLight, 3, {41, 120}},
      {"CplMouseFlood", nullptr, -1, {}},
  };
}
std::vector<Control> AutoBrakeControls() {
  return {
      {"AutoBrakeMouseArm", &g_autobrakeArmSwitch, 3, {127, 128}},
      {"AutoBrakeMouseModeDec", &g_autobrakeModeSelector, 2, {1, 2, 3, 4, 5}},
      {"AutoBrakeMouseModeInc", &g_autobrakeModeSelector, 2, {1, 2, 3, 4, 5}},
  };
}
std::vector<Control> PneumaticXFeedControls() {
  return {
      {"PneumaticXFeedMouseLeftValve", &g_pneumaticXFeedLeft, 2, {1, 10}},
      {"PneumaticXFeedMouseRightValve", &g_pneumaticXFeedRight, 1, {1, 10}},
  };
}

std::vector<PanelControls> AllPanels() {
  std::vector<PanelControls> panels = {
      {"Electrical", L"ELECTRICAL", ElectricalControls()},
      {"Engine_Starter", L"APU", EngineStarterControls()},
      {"Fuel_Pumps", L"FUEL PUMPS", FuelPumpControls()},
      {"APU", L"APU", ApuControls()},
      {"Side Switches", L"SIDE SWITCHES", SideControls("SideSwitches")},
      {"IRS", L"IRS", IrsControls()},
      {"FDC", L"FDC", FdcControls()},
      {"Cabin_Pressure", L"CABIN PRESSURE", CabinPressureControls()},
      {"Air_Condition", L"AIR CONDITION", AirConditionControls()},
      {"Ice_Protection", L"ICE PROTECTION", IceProtectionControls()},
      {"Rain", L"RAIN", RainControls()},
      {"OCL", L"OCL", OclControls()},
      {"Various", L"MISC", VariousControls()},
      {"Various2", L"MISC", Various2Controls()},
      {"Cockpit_Lights", L"COCKPIT LIGHTS", CockpitLightsControls()},
      {"CPL", L"CENTER INSTRUMENT & PEDESTAL LIGHTS", CplControls()},
      {"Auto Brake", L"AUTO BRAKE SYSTEM", AutoBrakeControls()},
      {"Pneumatic XFeed", L"PNEUMATIC X-FEED", PneumaticXFeedControls()},
  };
  for (const PanelControls& panel : SecondOverheadPanels()) panels.push_back(panel);
  return panels;
}

std::vector<CSwitch*> PanelRecords() {
  static std::vector<CSwitch*> records;
  if (!records.empty()) return records;
  for (const PanelControls& panel : AllPanels()) {
    for (const Control& control : panel.controls) {
      if (control.record != nullptr) records.push_back(control.record);
    }
  }
  // Moved beside the selectors they follow.
  records.push_back(&g_irs1State);
  records.push_back(&g_irs2State);
  return records;
}

std::vector<int32_t> Positions() {
  std::vector<int32_t> positions;
  for (CSwitch* record : PanelRecords()) positions.push_back(GetSwitch(record));
  return positions;
}

void Restore(Cockpit& cockpit, const std::vector<int32_t>& positions) {
  const std::vector<CSwitch*> records = PanelRecords();
  for (size_t i = 0; i < records.size(); ++i) {
    if (GetSwitch(records[i]) != positions[i]) cockpit.setSwitch(records[i], positions[i]);
  }
}

std::vector<int> SoundSlots(const Cockpit& cockpit, size_t from) {
  std::vector<int> slots;
  const std::vector<PlayedSound> played = cockpit.played();
  for (size_t i = from; i < played.size(); ++i) slots.push_back(played[i].slot);
  return slots;
}

constexpr int kCabinCall = 201;
constexpr int kCabinChime = 202;

Cockpit& WithClickSounds(Cockpit& cockpit) {
  return cockpit.addSounds({kClickToggle1, kClickToggle2, kClickGuarded1, kClickGuarded2, kClickButton1,
                            kClickButton2, kClickKnob, kClickRotary1, kClickRotary2, kCabinCall, kCabinChime});
}

// A control clicked from a position of its record (none: as it is) and the
// sounds the click plays, in order.
struct ClickSound {
  const char* gauge;
  int32_t x;
  int32_t y;
  CSwitch* record;
  int32_t from;
  std::vector<int> sounds;
};
void ExpectClickSounds(Cockpit& cockpit, const std::vector<ClickSound>& controls) {
  for (const ClickSound& control : controls) {
    if (control.record != nullptr) cockpit.setSwitch(control.record, control.from);
    const size_t mark = cockpit.played().size();
    cockpit.click(control.gauge, control.x, control.y);
    EXPECT_EQ(SoundSlots(cockpit, mark), control.sounds)
        << control.gauge << " at " << control.x << "," << control.y << " from " << control.from;
  }
}

// ---- Every control ----

// Each keyboard command of a panel does what a click on the centre of its
// rectangle does, from every position of its record; returns the commands.
int SweepKeyboard(Cockpit& cockpit, const char* gaugeName, const wchar_t* wanted, const std::vector<Control>& controls) {
  const platform::GAUGEHDR* gauge = cockpit.gauge(gaugeName);
  int slots = 0;
  for (uint32_t slot = 0; slot < kKeyboardSlotCount; ++slot) {
    const wchar_t* section = KeyboardCommandSection(slot);
    const platform::MouseFunction function = KeyboardCommandControl(slot);
    if (section == nullptr || function == nullptr || std::wcscmp(section, wanted) != 0) continue;
    const platform::MOUSERECT* rect = nullptr;
    for (const platform::MOUSERECT* r = gauge->mouseRects; r->type != platform::kMouseRectEnd; ++r) {
      if (r->function == function) rect = r;
    }
    if (rect == nullptr) continue;  // a control of another panel of the same section
    ++slots;
    EXPECT_NE(rect->mouseFlags & kClick, 0u) << rect->functionName;
    for (const Control& control : controls) {
      if (std::strcmp(control.function, rect->functionName) != 0) continue;
      std::vector<int32_t> starts = control.positions;
      starts.push_back(kStray);
      for (int32_t start : starts) {
        const std::vector<int32_t> before = Positions();
        if (control.record != nullptr) cockpit.setSwitch(control.record, start);
        const std::vector<int32_t> from = Positions();
        size_t mark = cockpit.played().size();
        size_t events = cockpit.keyEvents().size();
        cockpit.click(gaugeName, rect->x + rect->width / 2, rect->y + rect->height / 2);
        const Observed byClick{Positions(), SoundSlots(cockpit, mark), cockpit.keyEvents().size() - events};
        Restore(cockpit, from);
        mark = cockpit.played().size();
        events = cockpit.keyEvents().size();
        function({0, 0}, kClick);
        const Observed byKey{Positions(), SoundSlots(cockpit, mark), cockpit.keyEvents().size() - events};
        EXPECT_EQ(byClick, byKey) << rect->functionName << " from " << start;
        Restore(cockpit, before);
      }
    }
  }
  return slots;
}

// The picture of each switch changes exactly when its record does and its
// positions show pairwise different whole frames of its strip. Unless the
// panel has pictures with spare frames or levers that move over time, every
// frame shows a position and each control moves its own record at once.
enum class Pictures { kWholeStrips, kSpareFramesOrRunningLevers };

void CheckPicturesFollowRecords(Cockpit& cockpit, const char* gauge, const std::vector<Control>& controls,
                                Pictures pictures = Pictures::kWholeStrips) {
  const bool whole = pictures == Pictures::kWholeStrips;
  for (const Control& control : controls) {
    if (control.element < 0) continue;
    std::map<double, int32_t> frames;
    const int32_t strip = cockpit.element(gauge, control.element).frameCount;
    for (int32_t position : control.positions) {
      cockpit.setSwitch(control.record, position).draw();
      const double frame = cockpit.elementValue(gauge, control.element);
      EXPECT_FALSE(frames.contains(frame)) << control.function << " shows " << position << " as " << frames[frame];
      EXPECT_TRUE(frame >= 0 && frame < strip && frame == std::trunc(frame)) << control.function << " at " << position;
      frames[frame] = position;
    }
    if (whole) {
      EXPECT_EQ(frames.size(), static_cast<size_t>(strip)) << control.function << ": a frame that no position shows";
    }
    bool movesItsRecord = false;
    for (int32_t start : control.positions) {
      cockpit.setSwitch(control.record, start).draw();
      const double frameBefore = cockpit.elementValue(gauge, control.element);
      cockpit.callControl(gauge, control.function, kClick).draw();
      const bool moved = GetSwitch(control.record) != start;
      movesItsRecord = movesItsRecord || moved;
      EXPECT_EQ(cockpit.elementValue(gauge, control.element) != frameBefore, moved)
          << control.function << " from " << start;
    }
    if (whole) {
      EXPECT_TRUE(movesItsRecord) << control.function << " never moves its record";
    }
  }
}

// One click of a control from a position of its record, and the one click
// sound it plays.
struct FunctionClick {
  const char* function;
  CSwitch* record;
  int32_t from;
  SoundId sound;
};

void CheckClickSounds(Cockpit& cockpit, const char* gauge, const std::vector<FunctionClick>& clicks) {
  WithClickSounds(cockpit);
  for (const FunctionClick& click : clicks) {
    cockpit.setSwitch(click.record, click.from);
    const size_t mark = cockpit.played().size();
    cockpit.callControl(gauge, click.function, kClick);
    EXPECT_EQ(SoundSlots(cockpit, mark), std::vector<int>{click.sound}) << click.function << " from " << click.from;
  }
}

TEST(ElectricalPanel, EveryKeyboardCommandActsLikeAClickOnItsRectangle) {
  Cockpit cockpit;
  WithClickSounds(cockpit).runTicks(2);
  EXPECT_EQ(SweepKeyboard(cockpit, "Electrical", L"ELECTRICAL", ElectricalControls()), 21);
}

TEST(ElectricalPanel, EverySwitchPictureFollowsItsRecord) {
  Cockpit cockpit;
  cockpit.powerUp().set(Token::OnGround, 1).runTicks(1);
  CheckPicturesFollowRecords(cockpit, "Electrical", ElectricalControls());
}

// Two-position switches: each click moves between the two with its sound;
// from a stray position one click brings it back without a sound.
TEST(ElectricalPanel, TogglesAlternateWithASoundAndReturnFromAStrayPositionSilently) {
  struct Toggle {
    const char* function;
    CSwitch* record;
    int32_t a, b, fallback;
    SoundId sound;
  };
  const Toggle toggles[] = {
      {"ElectricalMouseApuBus1", &g_apuBus1Switch, 41, 120, 120, kClickGuarded1},
      {"ElectricalMouseApuBus2", &g_apuBus2Switch, 41, 120, 120, kClickGuarded2},
      {"ElectricalMouseExtBus1", &g_externalBus1Switch, 41, 120, 120, kClickGuarded2},
      {"ElectricalMouseExtBus2", &g_externalBus2Switch, 41, 120, 120, kClickGuarded2},
      {"ElectricalMouseAcBusCrossTie", &g_acBusTieSwitch, 42, 44, 44, kClickGuarded1},
      {"ElectricalMouseDcBusCrossTie", &g_dcBusTieSwitch, 42, 122, 42, kClickGuarded2},
      {"ElectricalMouseGalley", &g_galleyPowerSwitch, 41, 120, 120, kClickGuarded1},
  };
  for (const Toggle& toggle : toggles) {
    Cockpit cockpit;
    WithClickSounds(cockpit).runTicks(1).setSwitch(toggle.record, toggle.a);
    const size_t mark = cockpit.played().size();
    cockpit.callControl("Electrical", toggle.function, kClick);
    EXPECT_EQ(GetSwitch(toggle.record), toggle.b) << toggle.function;
    cockpit.callControl("Electrical", toggle.function, kClick);
    EXPECT_EQ(GetSwitch(toggle.record), toggle.a) << toggle.function;
    EXPECT_EQ(SoundSlots(cockpit, mark), std::vector<int>(2, toggle.sound)) << toggle.function;
    cockpit.setSwitch(toggle.record, kStray).callControl("Electrical", toggle.function, kClick);
    EXPECT_EQ(GetSwitch(toggle.record), toggle.fallback) << toggle.function;
    EXPECT_EQ(SoundSlots(cockpit, mark).size(), 2u) << toggle.function << ": silent";
  }
}

// ---- The irregular controls ----

TEST(ElectricalPanel, TheGuardedCsdSwitchOpensThenDisconnectsAndSpringsBackToGuardOpen) {
  Cockpit cockpit;
  WithClickSounds(cockpit).powerUp().set(Token::OnGround, 1).setSwitch(&g_csdDisconnectGuard2, kGuardClosed);
  const size_t mark = cockpit.played().size();
  cockpit.mouse("Electrical", 260, 10, kClick);
  EXPECT_EQ(GetSwitch(&g_csdDisconnectGuard2), kGuardOpen);
  EXPECT_NE(IsCsdConnected(1), 0u) << "opening the guard disconnects nothing";
  cockpit.mouse("Electrical", 260, 10, kClick);
  EXPECT_EQ(GetSwitch(&g_csdDisconnectGuard2), kGuardedActuated);
  EXPECT_EQ(IsCsdConnected(1), 0u);
  EXPECT_NE(IsCsdConnected(0), 0u) << "the other side stays";
  cockpit.mouse("Electrical", 260, 10, kRelease);
  EXPECT_EQ(GetSwitch(&g_csdDisconnectGuard2), kGuardOpen);
  EXPECT_EQ(SoundSlots(cockpit, mark), std::vector<int>(3, kClickGuarded2));
  // The reset reconnects on the ground only.
  cockpit.set(Token::OnGround, 0).click("Electrical", 150, 10);
  EXPECT_EQ(IsCsdConnected(1), 0u);
  cockpit.set(Token::OnGround, 1).click("Electrical", 150, 10);
  EXPECT_NE(IsCsdConnected(1), 0u);
}

TEST(ElectricalPanel, GeneratorAndApuGeneratorSpringBackOnRelease) {
  Cockpit cockpit;
  WithClickSounds(cockpit).runTicks(1);
  const size_t mark = cockpit.played().size();
  cockpit.setSwitch(&g_gen1Switch, 41).mouse("Electrical", 50, 125, kClick);
  EXPECT_EQ(GetSwitch(&g_gen1Switch), 120);
  cockpit.mouse("Electrical", 50, 125, kRelease);
  EXPECT_EQ(GetSwitch(&g_gen1Switch), 120) << "a release at the centre does nothing";
  EXPECT_EQ(SoundSlots(cockpit, mark).size(), 1u) << "and sounds nothing";
  cockpit.mouse("Electrical", 50, 125, kClick);
  EXPECT_EQ(GetSwitch(&g_gen1Switch), 121);
  cockpit.mouse("Electrical", 50, 125, kRelease);
  EXPECT_EQ(GetSwitch(&g_gen1Switch), 120);
  cockpit.mouse("Electrical", 50, 150, kClick);
  EXPECT_EQ(GetSwitch(&g_gen1Switch), 41);
  EXPECT_EQ(SoundSlots(cockpit, mark), std::vector<int>(4, kClickGuarded1));

  cockpit.mouse("Electrical", 160, 140, kClick);
  EXPECT_EQ(GetSwitch(&g_apuGenSwitch), 121);
  cockpit.mouse("Electrical", 160, 140, kRelease);
  EXPECT_EQ(GetSwitch(&g_apuGenSwitch), 43);
  cockpit.setSwitch(&g_apuGenSwitch, kStray).mouse("Electrical", 160, 140, kClick);
  EXPECT_EQ(GetSwitch(&g_apuGenSwitch), 43);
  EXPECT_EQ(SoundSlots(cockpit, mark), (std::vector<int>{kClickGuarded1, kClickGuarded1, kClickGuarded1,
                                                         kClickGuarded1, kClickToggle2, kClickToggle2}))
      << "the stray press is silent";
}

// The controls beside the toggles, each with its own click.
TEST(ElectricalPanel, EveryOtherControlClicksWithItsOwnSound) {
  Cockpit cockpit;
  cockpit.runTicks(1);
  CheckClickSounds(cockpit, "Electrical",
                   {{"ElectricalMouseCsd1Inc", &g_csdDisconnectGuard1, kGuardClosed, kClickGuarded1},
                    {"ElectricalMouseCsd1Dec", &g_csdDisconnectGuard1, kGuardOpen, kClickGuarded1},
                    {"ElectricalMouseCsd2Inc", &g_csdDisconnectGuard2, kGuardClosed, kClickGuarded2},
                    {"ElectricalMouseCsd2Dec", &g_csdDisconnectGuard2, kGuardOpen, kClickGuarded2},
                    {"ElectricalMouseCsdRise", &g_csdTempDisplaySwitch, kSwitchOff, kClickButton1},
                    {"ElectricalMouseGen1Dec", &g_gen1Switch, kSwitchOff, kClickGuarded1},
                    {"ElectricalMouseGen2Inc", &g_gen2Switch, kSwitchOn, kClickGuarded1},
                    {"ElectricalMouseGen2Dec", &g_gen2Switch, kSwitchOff, kClickGuarded1},
                    {"ElectricalMouseIndicatorSelectorDec", &g_meterSelector, 3, kClickRotary2},
                    {"ElectricalMouseIndicatorSelectorInc", &g_meterSelector, 3, kClickRotary2}});
}

// Each ON BUS lamp, a strip of two pictures (dark and lit), stands 15 pixels
// above its bus switch; bus 2's lamp and switch 80 pixels right of bus 1's.
TEST(ElectricalPanel, EachOnBusLampStandsAboveItsSwitchAndBus2RightOfBus1) {
  Cockpit cockpit;
  struct Source {
    uint32_t bus2Lamp, bus1Lamp, bus2Switch, bus1Switch;
  };
  for (const Source source : {Source{5, 6, 7, 8}, Source{10, 11, 12, 13}}) {
    const auto& bus2Lamp = cockpit.element("Electrical", source.bus2Lamp);
    const auto& bus1Lamp = cockpit.element("Electrical", source.bus1Lamp);
    const auto& bus2Switch = cockpit.element("Electrical", source.bus2Switch);
    const auto& bus1Switch = cockpit.element("Electrical", source.bus1Switch);
    for (const auto& [lamp, toggle] : {std::pair{&bus2Lamp, &bus2Switch}, std::pair{&bus1Lamp, &bus1Switch}}) {
      EXPECT_EQ(lamp->frameCount, 2) << lamp->name;
      EXPECT_EQ(lamp->x, toggle->x) << lamp->name;
      EXPECT_EQ(toggle->y - lamp->y, 15) << lamp->name;
    }
    EXPECT_EQ(bus2Lamp.x - bus1Lamp.x, 80) << bus1Lamp.name;
    EXPECT_EQ(bus2Lamp.y, bus1Lamp.y) << bus1Lamp.name;
  }
}

TEST(ElectricalPanel, ExternalPowerComesOnOnlyOnTheGround) {
  Cockpit cockpit;
  cockpit.setSwitch(&g_externalPowerSwitch, 120).set(Token::OnGround, 0).click("Electrical", 160, 335);
  EXPECT_EQ(GetSwitch(&g_externalPowerSwitch), 120);
  cockpit.set(Token::OnGround, 1).click("Electrical", 160, 335);
  EXPECT_EQ(GetSwitch(&g_externalPowerSwitch), 45);
  cockpit.set(Token::OnGround, 0).click("Electrical", 160, 335);
  EXPECT_EQ(GetSwitch(&g_externalPowerSwitch), 120) << "taken away in the air too";
}

TEST(ElectricalPanel, TheMeterSelectorStopsAtItsEnds) {
  Cockpit cockpit;
  cockpit.setSwitch(&g_meterSelector, 2).click("Electrical", 330, 150).click("Electrical", 330, 150);
  EXPECT_EQ(GetSwitch(&g_meterSelector), 1);
  cockpit.setSwitch(&g_meterSelector, 5).click("Electrical", 380, 150).click("Electrical", 380, 150);
  EXPECT_EQ(GetSwitch(&g_meterSelector), 6);
  cockpit.setSwitch(&g_meterSelector, 0).click("Electrical", 330, 150);
  EXPECT_EQ(GetSwitch(&g_meterSelector), 1);
  cockpit.setSwitch(&g_meterSelector, 9).click("Electrical", 380, 150);
  EXPECT_EQ(GetSwitch(&g_meterSelector), 6);
  cockpit.setSwitch(&g_meterSelector, 0).click("Electrical", 380, 150);
  EXPECT_EQ(GetSwitch(&g_meterSelector), 6);
}

// ---- Lamps ----

TEST(ElectricalPanel, ADarkPanelShowsNoLampInTheTestButTheTwoSourceLamps) {
  Cockpit cockpit;
  cockpit.setSwitch(&g_externalPowerSwitch, 120).setSwitch(&g_lampTestSwitch, kSwitchOn).draw();
  ASSERT_EQ(IsPanelPowered(), 0u);
  for (uint32_t lamp : {5u, 6u, 10u, 11u, 14u}) EXPECT_EQ(cockpit.elementValue("Electrical", lamp), 0.0) << lamp;
  EXPECT_EQ(cockpit.elementValue("Electrical", 9), 1.0) << "the external power lamp needs no panel power";
  cockpit.setSwitch(&g_lampTestSwitch, kSwitchOff).setSwitch(&g_apuGeneratorAvailable, 45).draw();
  EXPECT_EQ(cockpit.elementValue("Electrical", 14), 1.0) << "APU power available lights on its own";
  EXPECT_EQ(cockpit.elementValue("Electrical", 9), 0.0);
  cockpit.setSwitch(&g_apuGeneratorAvailable, 120).powerUp().setSwitch(&g_lampTestSwitch, kSwitchOn).draw();
  for (uint32_t lamp : {5u, 6u, 9u, 10u, 11u, 14u}) EXPECT_EQ(cockpit.elementValue("Electrical", lamp), 1.0) << lamp;
}

// ---- Meters ----

TEST(ElectricalMeters, CsdTemperaturesReadEachSideAndTheRiseTest) {
  Cockpit cockpit;
  cockpit.draw();
  EXPECT_EQ(cockpit.elementValue("Electrical_CSD1_Temperature", 1), 0.0) << "no power";
  cockpit.powerUp().draw();
  EXPECT_EQ(cockpit.elementValue("Electrical_CSD1_Temperature", 1), GetCsdTemperature(0));
  EXPECT_EQ(cockpit.elementValue("Electrical_CSD2_Temperature", 1), GetCsdTemperature(1));
  cockpit.mouse("Electrical", 160, 85, kClick).draw();
  EXPECT_EQ(cockpit.elementValue("Electrical_CSD2_Temperature", 1), 85.0);
  cockpit.mouse("Electrical", 160, 85, kRelease).draw();
  EXPECT_EQ(cockpit.elementValue("Electrical_CSD2_Temperature", 1), GetCsdTemperature(1));
}

// However far a meter's value jumps, its needle turns no faster than its
// speed, at the host's frame times (two frames a tick, a tick 55 or 56 ms of
// the clock), and comes to rest on the value: a quick needle (60 degrees a
// second) and a slow one (1 degree a second) that turns the long way round,
// over its scale. Angles clockwise from pointing right.
TEST(MeterNeedles, TurnAtMostTheirSpeedAndComeToRestOnTheValue) {
  Cockpit cockpit;
  cockpit.powerUp().runSeconds(5);
  const auto angle = [&cockpit](const char* gauge) { return cockpit.element(gauge, 1).drawnAngle; };
  const auto turnedInATick = [](double degreesPerSecond, double turned) {
    EXPECT_GE(turned, degreesPerSecond * 0.055 - 1e-9);
    EXPECT_LE(turned, degreesPerSecond * 0.056 + 1e-9);
  };

  // The CSD rise test: 85 degrees C at once, a quarter of the way from the
  // 80 mark (93,66) to the 100 mark (150,48) about the pivot 150,150.
  const char* csd = "Electrical_CSD1_Temperature";
  const double csdFrom = angle(csd);
  const double csdTo = 360.0 + std::atan2(61.5 - 150.0, 107.25 - 150.0) * 180.0 / 3.14159265358979323846;
  ASSERT_GT(csdTo - csdFrom, 60.0) << "a step of more than a second's turn";
  cockpit.mouse("Electrical", 160, 85, kClick).runTicks(1);
  EXPECT_EQ(cockpit.elementValue(csd, 1), 85.0) << "the value jumps";
  turnedInATick(60.0, angle(csd) - csdFrom);
  cockpit.runTicks(17);
  EXPECT_NEAR(angle(csd) - csdFrom, 60.0, 1e-9) << "a second: 60 degrees";
  cockpit.runTicks(18);
  EXPECT_NEAR(angle(csd), csdTo, 1e-9) << "at rest on 85";

  // The cabin climb needle following the aircraft: 0 (at 17,150) to the
  // full 2000 ft/min (at 265,100), 156.5 degrees clockwise over the climb
  // side of the dial, not 203.5 back round over the descent side.
  const char* climb = "Cabin_Climb";
  EXPECT_EQ(angle(climb), 180.0);
  cockpit.set(Token::DoorsOpen, 1).setScaled(Token::VerticalSpeed, 2000.0).runTicks(1);
  EXPECT_EQ(cockpit.elementValue(climb, 1), 2000.0);
  turnedInATick(1.0, angle(climb) - 180.0);
  cockpit.runTicks(17);
  EXPECT_NEAR(angle(climb), 181.0, 1e-9);
  cockpit.runSeconds(155);
  EXPECT_NEAR(angle(climb), 336.0, 1e-9) << "still turning after 156 s";
  cockpit.runSeconds(1);
  EXPECT_NEAR(angle(climb), 360.0 + std::atan2(-50.0, 115.0) * 180.0 / 3.14159265358979323846, 1e-9) << "at rest";
}

// The overhead meters whose needles turn at a limited speed, each needle
// at its own; every other needle of the cockpit follows its value at once.
TEST(MeterNeedles, EachMeterNeedleHasItsSpeedAndNoOtherNeedleIsSlowed) {
  Cockpit cockpit;
  const std::map<std::string, std::vector<double>> limited = {
      {"Electrical_CSD1_Temperature", {60}}, {"Electrical_CSD2_Temperature", {60}},
      {"Electrical_DC_Load_1", {60, 60}},    {"Electrical_DC_Load_2", {60, 60}},
      {"APU_EGT", {60}},                     {"APU_RPM", {60, 60}},
      {"Cabin_Pressure_Indicator", {60, 60}}, {"Cabin_Climb", {1}},
      {"Air_Condition_L_Valve", {1}},        {"Air_Condition_R_Valve", {1}},
      {"Air_Condition_L_Pressure", {1}},     {"Air_Condition_R_Pressure", {1}},
      {"Air_Condition_Temperature", {1, 1}}, {"Pneumatic Pressure", {1}},
  };
  std::map<std::string, std::vector<double>> seen;
  for (const platform::GAUGEHDR* gauge : cockpit.host().Module().Gauges()) {
    for (const platform::ELEMENT_HEADER* element = gauge->elements; element != nullptr;
         element = element->nextElement != nullptr ? element->nextElement[0] : nullptr) {
      if (element->kind != platform::ElementKind::Needle) continue;
      if (limited.contains(gauge->name) || element->maxDegreesPerSecond != 0.0) {
        seen[gauge->name].push_back(element->maxDegreesPerSecond);
      }
    }
  }
  EXPECT_EQ(seen, limited);
}

TEST(ElectricalMeters, SelectorMetersReadTheSourceItPicks) {
  Cockpit cockpit;
  cockpit.powerUp().setSwitch(&g_externalPowerSwitch, 45).set(Token::Engine2Combustion, 1).runTicks(2);
  const auto read = [&](int32_t position, const char* gauge) {
    cockpit.setSwitch(&g_meterSelector, position).draw();
    return cockpit.elementValue(gauge, 1);
  };
  EXPECT_EQ(read(2, "Electrical_AC_Volts"), -25.0);
  EXPECT_EQ(read(2, "Electrical_Frequency"), 4.0);
  EXPECT_EQ(read(1, "Electrical_AC_Volts"), 55.0) << "APU not running";
  EXPECT_EQ(read(1, "Electrical_Frequency"), 55.0);
  EXPECT_EQ(read(3, "Electrical_AC_Volts"), 55.0) << "engine 1 stopped";
  EXPECT_EQ(read(4, "Electrical_AC_Volts"), IsEngineRunning(2) != 0 ? -22.0 : 55.0);
  EXPECT_EQ(read(5, "Electrical_DC_Volts_Amps"), GetBatteryCharge() / 100.0 - 60.0);
  EXPECT_EQ(read(0, "Electrical_DC_Volts_Amps"), -4.0);
  ASSERT_EQ(GetBatteryChargeState(), kBatteryDischarging);
  EXPECT_EQ(read(6, "Electrical_DC_Volts_Amps"), 30.0) << "battery amps, discharging";
  cockpit.setSwitch(&g_externalPowerSwitch, 120);
  EXPECT_EQ(read(2, "Electrical_AC_Volts"), 55.0);
  EXPECT_EQ(read(2, "Electrical_Frequency"), 55.0);
}

TEST(ElectricalMeters, LoadsFollowTheBusSources) {
  Cockpit cockpit;
  cockpit.draw();
  EXPECT_EQ(cockpit.elementValue("Electrical_AC_Load_1", 1), 50.0);
  EXPECT_EQ(cockpit.elementValue("Electrical_AC_Load_APU", 1), 50.0);
  EXPECT_EQ(cockpit.elementValue("Electrical_DC_Load_1", 1), 40.0);
  EXPECT_EQ(cockpit.elementValue("Electrical_DC_Load_1", 2), 140.0);
  // External power on bus 1 only.
  cockpit.powerUp().setSwitch(&g_externalPowerSwitch, 45).setSwitch(&g_acBusTieSwitch, 42);
  cockpit.setSwitch(&g_externalBus1Switch, 41).runSeconds(6).draw();
  ASSERT_NE(IsAcBusPowered(0), 0u);
  EXPECT_EQ(cockpit.elementValue("Electrical_DC_Load_1", 1), 15.0);
  EXPECT_EQ(cockpit.elementValue("Electrical_DC_Load_1", 2), 165.0);
  EXPECT_EQ(cockpit.elementValue("Electrical_DC_Load_2", 1), IsAcBusPowered(1) != 0 ? 15.0 : 40.0);
  EXPECT_EQ(cockpit.elementValue("Electrical", 6), 1.0) << "EXT on bus 1";
  EXPECT_EQ(cockpit.elementValue("Electrical", 5), IsExternalOnBusLampOn(1) != 0 ? 1.0 : 0.0);
}

// Engine 1's generator on line, engine 2 stopped: the loads, the source lamps
// and the DC volts differ by side.
TEST(ElectricalMeters, OneGeneratorOnLineLoadsLampsAndDcVoltsBySide) {
  Cockpit cockpit;
  cockpit.powerUp().set(Token::Engine1Combustion, 1).set(Token::Engine2Combustion, 0);
  cockpit.setSwitch(&g_gen1Switch, 41).setSwitch(&g_acBusTieSwitch, 42).setSwitch(&g_externalPowerSwitch, 45);
  cockpit.setSwitch(&g_externalBus1Switch, 41).setSwitch(&g_externalBus2Switch, 41);
  cockpit.setSwitch(&g_apuGeneratorAvailable, 45).setSwitch(&g_apuGenSwitch, 43);
  cockpit.setSwitch(&g_apuBus1Switch, 41).setSwitch(&g_apuBus2Switch, 120).runSeconds(6).draw();
  ASSERT_NE(IsGeneratorOnline(0), 0u);
  ASSERT_EQ(IsGeneratorOnline(1), 0u);
  EXPECT_EQ(cockpit.elementValue("Electrical", 11), 0.0) << "the generator feeds bus 1, not the APU";
  EXPECT_EQ(cockpit.elementValue("Electrical", 6), 0.0) << "nor external power";
  EXPECT_EQ(cockpit.elementValue("Electrical", 5), 1.0) << "external power feeds bus 2";
  EXPECT_EQ(cockpit.elementValue("Electrical_AC_Load_1", 1), 30.0) << "bus 2 has its own source";
  EXPECT_EQ(cockpit.elementValue("Electrical_AC_Load_2", 1), 50.0);
  EXPECT_EQ(cockpit.elementValue("Electrical_AC_Load_APU", 1), 50.0) << "no APU lamp lit";
  cockpit.setSwitch(&g_apuBus2Switch, 41).runTicks(2).draw();
  EXPECT_EQ(cockpit.elementValue("Electrical", 10), 1.0) << "the APU feeds bus 2 before external power";
  EXPECT_EQ(cockpit.elementValue("Electrical", 5), 0.0);
  EXPECT_EQ(cockpit.elementValue("Electrical_AC_Load_APU", 1), 30.0) << "one bus";
  // Bus 2 on generator 1 through the tie alone.
  cockpit.setSwitch(&g_apuBus2Switch, 120).setSwitch(&g_externalBus2Switch, 120).setSwitch(&g_acBusTieSwitch, 44);
  cockpit.runTicks(2).draw();
  ASSERT_NE(IsAcBusPowered(1), 0u);
  EXPECT_EQ(cockpit.elementValue("Electrical_AC_Load_1", 1), 0.0) << "generator 1 carries both buses";
  // DC volts: bus 2 dead with the ties open, fed through the DC tie.
  cockpit.setSwitch(&g_acBusTieSwitch, 42).setSwitch(&g_dcBusTieSwitch, 42).runTicks(2);
  ASSERT_EQ(IsAcBusPowered(1), 0u);
  ASSERT_NE(IsAcBusPowered(0), 0u) << IsGeneratorOnline(0) << IsCsdConnected(0) << IsEngineRunning(1);
  cockpit.setSwitch(&g_meterSelector, 3).draw();
  EXPECT_EQ(cockpit.elementValue("Electrical_DC_Volts_Amps", 1), 36.0);
  cockpit.setSwitch(&g_meterSelector, 4).draw();
  EXPECT_EQ(cockpit.elementValue("Electrical_DC_Volts_Amps", 1), -4.0);
  cockpit.setSwitch(&g_dcBusTieSwitch, 122).draw();
  EXPECT_EQ(cockpit.elementValue("Electrical_DC_Volts_Amps", 1), 32.0);
  EXPECT_EQ(cockpit.elementValue("Electrical_DC_Load_1", 1), 15.0);
  EXPECT_EQ(cockpit.elementValue("Electrical_DC_Load_2", 1), 40.0) << "the DC load reads its AC bus";
}

TEST(ElectricalMeters, TheOverheadLightRelightsEachMeterOverItsDialAndNeedles) {
  Cockpit cockpit({.drawClosedWindows = true});
  cockpit.powerUp().runTicks(3);
  cockpit.setSwitch(&g_oclPanelLight, kSwitchOn).runTicks(1);
  EXPECT_FALSE(cockpit.elementVisible("Electrical_DC_Load_2", 2));
  EXPECT_FALSE(cockpit.elementVisible("Electrical_Frequency", 1));
  EXPECT_TRUE(cockpit.elementVisible("Electrical", 1)) << "the panel's light overlay";
  cockpit.runTicks(2);
  for (const char* meter : {"Electrical_CSD1_Temperature", "Electrical_AC_Load_APU", "Electrical_Frequency"}) {
    EXPECT_TRUE(cockpit.elementVisible(meter, 1) && cockpit.elementLit(meter, 1)) << meter;
  }
  EXPECT_TRUE(cockpit.elementVisible("Electrical_DC_Load_1", 2) && cockpit.elementLit("Electrical_DC_Load_1", 2));
  cockpit.setSwitch(&g_oclPanelLight, kSwitchOff).runTicks(3);
  EXPECT_FALSE(cockpit.elementVisible("Electrical", 1));
  EXPECT_FALSE(cockpit.elementLit("Electrical_DC_Load_1", 2));
  cockpit.setOption(kOptionClickAreas, true).draw();
  EXPECT_TRUE(cockpit.elementVisible("Electrical", 21));
}

// Every control's record is saved where the system loads it from.
TEST(ElectricalPanel, EveryControlIsSavedInTheAircraftIni) {
  Cockpit cockpit;
  cockpit.set(Token::OnGround, 1).click("Electrical", 120, 280).click("Electrical", 200, 330);
  cockpit.click("Electrical", 30, 360).click("Electrical", 160, 430).click("Electrical", 380, 150);
  cockpit.mouse("Electrical", 50, 10, kClick).mouse("Electrical", 250, 150, kClick);
  cockpit.shutdown();
  EXPECT_EQ(cockpit.ini("ELECTRIC", "apu_bus_1_sw"), "41");
  EXPECT_EQ(cockpit.ini("ELECTRIC", "ext_bus_2_sw"), "41");
  EXPECT_EQ(cockpit.ini("ELECTRIC", "galley_pwr"), "41");
  EXPECT_EQ(cockpit.ini("ELECTRIC", "dc_bus_x_tie"), "122");
  EXPECT_EQ(cockpit.ini("ELECTRIC", "indicator_selector"), "2");
  EXPECT_EQ(cockpit.ini("ELECTRIC", "csd_disc_1"), "125");
  EXPECT_EQ(cockpit.ini("ELECTRIC", "gen_2"), "120");
}

// ---- Engine start and fuel pumps ----

TEST(EngineStartPanels, EveryKeyboardCommandActsLikeAClickOnItsRectangle) {
  Cockpit cockpit;
  WithClickSounds(cockpit).runTicks(2);
  EXPECT_EQ(SweepKeyboard(cockpit, "Engine_Starter", L"APU", EngineStarterControls()), 9);
  EXPECT_EQ(SweepKeyboard(cockpit, "Fuel_Pumps", L"FUEL PUMPS", FuelPumpControls()), 6);
}

TEST(EngineStartPanels, EverySwitchPictureFollowsItsRecord) {
  Cockpit cockpit;
  cockpit.powerUp().runTicks(1);
  CheckPicturesFollowRecords(cockpit, "Engine_Starter", EngineStarterControls());
  CheckPicturesFollowRecords(cockpit, "Fuel_Pumps", FuelPumpControls());
}

TEST(EngineStartPanels, TheStartSwitchStepsThroughReleasedToGroundStartAndBack) {
  Cockpit cockpit;
  WithClickSounds(cockpit).runTicks(1).setSwitch(&g_starterRightSwitch, 120);
  const size_t mark = cockpit.played().size();
  cockpit.click("Engine_Starter", 180, 70);
  EXPECT_EQ(GetSwitch(&g_starterRightSwitch), 125) << "the first step stops at released";
  cockpit.click("Engine_Starter", 180, 70);
  EXPECT_EQ(GetSwitch(&g_starterRightSwitch), 52);
  cockpit.click("Engine_Starter", 180, 70);
  EXPECT_EQ(GetSwitch(&g_starterRightSwitch), 52) << "stays at the bottom";
  cockpit.click("Engine_Starter", 180, 30);
  EXPECT_EQ(GetSwitch(&g_starterRightSwitch), 125);
  cockpit.click("Engine_Starter", 180, 30).click("Engine_Starter", 180, 30);
  EXPECT_EQ(GetSwitch(&g_starterRightSwitch), 51);
  EXPECT_EQ(GetSwitch(&g_starterLeftSwitch), 120) << "the other side stays";
  // Five steps sounded; the press at the bottom went nowhere, silently.
  EXPECT_EQ(SoundSlots(cockpit, mark), std::vector<int>(5, kClickToggle2));
}

TEST(EngineStartPanels, FuelHeatIsHeldWhilePressedAndAStrayPositionReturnsSilently) {
  Cockpit cockpit;
  WithClickSounds(cockpit).runTicks(1).setSwitch(&g_fuelHeatLeftSwitch, 120);
  const size_t mark = cockpit.played().size();
  cockpit.mouse("Engine_Starter", 20, 90, kClick);
  EXPECT_EQ(GetSwitch(&g_fuelHeatLeftSwitch), 41);
  cockpit.mouse("Engine_Starter", 20, 90, kRelease);
  EXPECT_EQ(GetSwitch(&g_fuelHeatLeftSwitch), 120);
  EXPECT_EQ(SoundSlots(cockpit, mark), std::vector<int>(2, kClickToggle1));
  cockpit.setSwitch(&g_fuelHeatLeftSwitch, kStray).mouse("Engine_Starter", 20, 90, kClick);
  EXPECT_EQ(GetSwitch(&g_fuelHeatLeftSwitch), 120);
  cockpit.mouse("Engine_Starter", 20, 90, kRelease);
  EXPECT_EQ(GetSwitch(&g_fuelHeatLeftSwitch), 120);
  EXPECT_EQ(SoundSlots(cockpit, mark).size(), 2u) << "neither the stray press nor its release sounds";
}

TEST(EngineStartPanels, OverlaysFollowTheOverheadLightAndTheClickAreaOption) {
  Cockpit cockpit;
  cockpit.powerUp().setSwitch(&g_oclPanelLight, kSwitchOn).draw();
  EXPECT_TRUE(cockpit.elementVisible("Engine_Starter", 1));
  EXPECT_TRUE(cockpit.elementVisible("Fuel_Pumps", 1));
  EXPECT_FALSE(cockpit.elementVisible("Fuel_Pumps", 8));
  cockpit.setSwitch(&g_oclPanelLight, kSwitchOff).setOption(kOptionClickAreas, true).draw();
  EXPECT_FALSE(cockpit.elementVisible("Engine_Starter", 1));
  EXPECT_TRUE(cockpit.elementVisible("Engine_Starter", 8));
  EXPECT_TRUE(cockpit.elementVisible("Fuel_Pumps", 8));
}

// ---- APU ----

TEST(ApuPanel, EveryKeyboardCommandActsLikeAClickOnItsRectangle) {
  Cockpit cockpit;
  WithClickSounds(cockpit).runTicks(2);
  EXPECT_EQ(SweepKeyboard(cockpit, "APU", L"APU", ApuControls()), 12);
}

TEST(ApuPanel, EverySwitchPictureFollowsItsRecord) {
  Cockpit cockpit;
  cockpit.powerUp().runTicks(1);
  CheckPicturesFollowRecords(cockpit, "APU", ApuControls());
}

TEST(ApuPanel, EachFireAgentClickSendsTheAgentEvent) {
  Cockpit cockpit;
  cockpit.runTicks(1).clearKeyEvents().click("APU", 20, 20).click("APU", 60, 20).click("APU", 60, 20);
  EXPECT_EQ(cockpit.keyEvents(66826).size(), 3u);
  EXPECT_EQ(GetSwitch(&g_apuFireAgent1Switch), 126);
  EXPECT_EQ(GetSwitch(&g_apuFireAgent2Switch), 120);
}

TEST(ApuPanel, TheDoorsSwitchStaysWhileGuardedAndTheGuardOpensItAtOneEnd) {
  Cockpit cockpit;
  cockpit.setSwitch(&g_apuDoorsSwitch, 120).click("APU", 150, 50).click("APU", 150, 90);
  EXPECT_EQ(GetSwitch(&g_apuDoorsSwitch), 120);
  cockpit.click("APU", 180, 70);
  EXPECT_EQ(GetSwitch(&g_apuDoorsSwitch), 44);
  cockpit.click("APU", 150, 50);
  EXPECT_EQ(GetSwitch(&g_apuDoorsSwitch), 44) << "already at the upper end";
  cockpit.click("APU", 150, 90);
  EXPECT_EQ(GetSwitch(&g_apuDoorsSwitch), 125) << "one step at a time";
  cockpit.click("APU", 150, 90);
  EXPECT_EQ(GetSwitch(&g_apuDoorsSwitch), 42);
  cockpit.click("APU", 180, 70);
  EXPECT_EQ(GetSwitch(&g_apuDoorsSwitch), 120);
}

// Cold and dark to the APU feeding both buses, by clicks only.
TEST(ApuPanel, ColdAndDarkToApuPowerByClicks) {
  Cockpit cockpit;
  cockpit.set(Token::OnGround, 1).setSwitch(&g_externalPowerSwitch, 120).runTicks(2);
  ASSERT_EQ(IsPanelPowered(), 0u);
  cockpit.click("APU", 110, 160).click("Engine_Starter", 20, 40).runSeconds(2);
  EXPECT_EQ(GetSwitch(&g_batterySwitch), 41);
  EXPECT_EQ(GetSwitch(&g_startPumpSwitch), 41);
  cockpit.click("APU", 90, 95);  // off to run
  cockpit.setSwitch(&g_apuFireControlSwitch, 120).mouse("APU", 90, 95, kClick);
  EXPECT_EQ(GetSwitch(&g_apuMasterSwitch), 47);
  EXPECT_EQ(GetApuState(), kApuOff) << "no start with the fire control pulled";
  cockpit.mouse("APU", 90, 95, kRelease);
  EXPECT_EQ(GetSwitch(&g_apuMasterSwitch), 48) << "springs back to run";
  cockpit.click("APU", 30, 80).mouse("APU", 90, 95, kClick).mouse("APU", 90, 95, kRelease);
  EXPECT_EQ(GetApuState(), kApuStarting);
  cockpit.runUntil([] { return GetApuRpm() > 20.0; }, 120).draw();
  const double rpm = cockpit.elementValue("APU_RPM", 1);
  EXPECT_GT(rpm, 20.0) << "the needle climbs";
  EXPECT_EQ(cockpit.elementValue("APU_RPM", 2), rpm * 36 + 270);
  cockpit.runUntil([] { return GetApuState() == kApuRunning; }, 120).draw();
  EXPECT_EQ(cockpit.elementValue("Electrical", 14), 1.0) << "APU power available";
  EXPECT_GT(cockpit.elementValue("APU_EGT", 1), 0.0);
  cockpit.click("Electrical", 120, 280).click("Electrical", 200, 280).runSeconds(6).draw();
  EXPECT_NE(IsAcBusPowered(0), 0u);
  EXPECT_NE(IsAcBusPowered(1), 0u);
  EXPECT_EQ(cockpit.elementValue("Electrical", 10), 1.0);
  EXPECT_EQ(cockpit.elementValue("Electrical", 11), 1.0);
  EXPECT_EQ(cockpit.elementValue("Electrical_AC_Load_APU", 1), 0.0) << "the APU carries both buses";
  EXPECT_EQ(cockpit.elementValue("Electrical_DC_Load_2", 2), 165.0);
  EXPECT_NE(IsPanelPowered(), 0u);
  // Run to off stops it.
  cockpit.click("APU", 90, 65);
  EXPECT_EQ(GetSwitch(&g_apuMasterSwitch), 120);
  EXPECT_EQ(GetApuState(), kApuShuttingDown);
}

TEST(ApuPanel, PullingTheFireControlStopsTheApu) {
  Cockpit cockpit;
  cockpit.set(Token::OnGround, 1).click("APU", 110, 160).click("Engine_Starter", 20, 40).runSeconds(2);
  cockpit.click("APU", 90, 95).mouse("APU", 90, 95, kClick).mouse("APU", 90, 95, kRelease);
  cockpit.runUntil([] { return GetApuState() == kApuRunning; }, 180);
  ASSERT_EQ(GetApuState(), kApuRunning);
  cockpit.click("APU", 30, 80);
  EXPECT_EQ(GetSwitch(&g_apuFireControlSwitch), 120);
  EXPECT_EQ(GetApuState(), kApuShuttingDown);
}

TEST(ApuPanel, TheEmergencyPowerLampNeedsPanelPower) {
  Cockpit cockpit;
  cockpit.setSwitch(&g_batterySwitch, 120).click("APU", 40, 150).draw();
  EXPECT_EQ(GetSwitch(&g_emergencyPowerSwitch), 41);
  EXPECT_EQ(cockpit.elementValue("APU", 3), IsPanelPowered() != 0 ? 1.0 : 0.0);
  cockpit.powerUp().draw();
  EXPECT_EQ(cockpit.elementValue("APU", 3), 1.0);
  cockpit.click("APU", 40, 150).draw();
  EXPECT_EQ(cockpit.elementValue("APU", 3), 0.0);
  cockpit.setSwitch(&g_lampTestSwitch, kSwitchOn).draw();
  EXPECT_EQ(cockpit.elementValue("APU", 3), 1.0);
}

TEST(ApuPanel, EachControlClicksWithItsOwnSound) {
  Cockpit cockpit;
  cockpit.runTicks(1);
  CheckClickSounds(cockpit, "APU",
                   {{"ApuMouseFireAgent1", &g_apuFireAgent1Switch, 120, kClickToggle2},
                    {"ApuMouseFireAgent2", &g_apuFireAgent2Switch, 126, kClickToggle2},
                    {"ApuMouseAirSwitchInc", &g_apuAirSwitch, 46, kClickGuarded1},
                    {"ApuMouseAirSwitchDec", &g_apuAirSwitch, 120, kClickGuarded1},
                    {"ApuMouseDoorsGuard", &g_apuDoorsSwitch, 120, kClickToggle1},
                    {"ApuMouseDoorsAutoInc", &g_apuDoorsSwitch, 42, kClickGuarded1},
                    {"ApuMouseDoorsAutoDec", &g_apuDoorsSwitch, 44, kClickGuarded1},
                    {"ApuMouseFireControl", &g_apuFireControlSwitch, 120, kClickGuarded2},
                    {"ApuMouseMasterInc", &g_apuMasterSwitch, 47, kClickToggle2},
                    {"ApuMouseMasterDec", &g_apuMasterSwitch, 120, kClickToggle2},
                    {"ApuMouseEmergencyPower", &g_emergencyPowerSwitch, 120, kClickRotary2},
                    {"ApuMouseBattery", &g_batterySwitch, 120, kClickGuarded2}});
}

// ---- Side switches ----

// Both pictures of the console: each switch sits on its place, with the
// frames of its strip, and the overlays over them.
TEST(SideSwitches, EachPictureSitsOnItsPlace) {
  Cockpit cockpit;
  cockpit.draw();
  ExpectElementPlaces(cockpit, {{"Side Switches", 1, 52, -20},
                                {"Side Switches", 2, 188, 93, 4},
                                {"Side Switches", 3, 129, 94, 4},
                                {"Side Switches", 4, 66, 95, 2},
                                {"Side Switches", 5, 174, 0, 2},
                                {"Side Switches", 6, 54, 0},
                                {"Side Switches2", 1, 23, 10},
                                {"Side Switches2", 2, 129, 105, 4},
                                {"Side Switches2", 3, 95, 107, 4},
                                {"Side Switches2", 4, 33, 107, 2},
                                {"Side Switches2", 5, 105, 27, 2}});
}

TEST(SideSwitches, EveryKeyboardCommandActsLikeAClickOnItsRectangle) {
  Cockpit cockpit;
  WithClickSounds(cockpit).runTicks(2);
  EXPECT_EQ(SweepKeyboard(cockpit, "Side Switches", L"SIDE SWITCHES", SideControls("SideSwitches")), 4);
}

TEST(SideSwitches, BothPicturesFollowTheSameRecords) {
  Cockpit cockpit;
  cockpit.powerUp().runTicks(1);
  // The digital light switch shows two of its four frames.
  CheckPicturesFollowRecords(cockpit, "Side Switches", SideControls("SideSwitches"),
                             Pictures::kSpareFramesOrRunningLevers);
  CheckPicturesFollowRecords(cockpit, "Side Switches2", SideControls("SideSwitches2"),
                             Pictures::kSpareFramesOrRunningLevers);
  // A click on one picture shows on the other.
  cockpit.setSwitch(&g_altStaticSwitch, 43).click("Side Switches2", 150, 40).draw();
  EXPECT_EQ(cockpit.elementValue("Side Switches", 5), 1.0);
  cockpit.click("Side Switches", 200, 30).draw();
  EXPECT_EQ(cockpit.elementValue("Side Switches2", 5), 0.0);
  cockpit.setSwitch(&g_altStaticSwitch, kStray).click("Side Switches", 200, 30);
  EXPECT_EQ(GetSwitch(&g_altStaticSwitch), 43);
}

TEST(SideSwitches, ThePanelLightLightsBothOverlaysOnlyWithPowerAndLeavesTheSimulatorsLightsAlone) {
  Cockpit cockpit;
  cockpit.setSwitch(&g_sidePanelLight, 120)
      .set(Token::PanelLights, 0)
      .clearKeyEvents()
      .click("Side Switches", 80, 110)
      .draw();
  EXPECT_EQ(GetSwitch(&g_sidePanelLight), 41);
  EXPECT_EQ(cockpit.keyEvents(65750).size(), 2u);
  EXPECT_EQ(cockpit.token(Token::PanelLights), 0.0) << "toggled twice";
  EXPECT_FALSE(cockpit.elementVisible("Side Switches", 1)) << "no panel power";
  cockpit.powerUp().draw();
  EXPECT_TRUE(cockpit.elementVisible("Side Switches", 1));
  EXPECT_TRUE(cockpit.elementVisible("Side Switches2", 1));
  cockpit.click("Side Switches2", 40, 120).draw();
  EXPECT_EQ(GetSwitch(&g_sidePanelLight), 120);
  EXPECT_FALSE(cockpit.elementVisible("Side Switches", 1));
  EXPECT_FALSE(cockpit.elementVisible("Side Switches2", 1));
}

// On both pictures each control clicks its own sound on every click, also
// from a stray position.
TEST(SideSwitches, EachControlClicksOnEveryClickOnBothPictures) {
  Cockpit cockpit;
  WithClickSounds(cockpit).runTicks(1);
  std::vector<ClickSound> controls;
  for (const int32_t from : std::initializer_list<int32_t>{kSwitchOff, kStray}) {
    controls.insert(controls.end(), {{"Side Switches", 80, 110, &g_sidePanelLight, from, {kClickRotary2}},
                                     {"Side Switches", 140, 110, &g_sideDigitalLight, from, {kClickRotary2}},
                                     {"Side Switches", 200, 110, nullptr, from, {kClickRotary1}},
                                     {"Side Switches", 200, 30, &g_altStaticSwitch, from, {kClickRotary2}},
                                     {"Side Switches2", 40, 120, &g_sidePanelLight, from, {kClickRotary2}},
                                     {"Side Switches2", 90, 120, &g_sideDigitalLight, from, {kClickRotary2}},
                                     {"Side Switches2", 140, 120, nullptr, from, {kClickRotary1}},
                                     {"Side Switches2", 150, 40, &g_altStaticSwitch, from, {kClickRotary2}}});
  }
  ExpectClickSounds(cockpit, controls);
}

TEST(SideSwitches, TheFloodControlTogglesTheSimulatorsPanelLights) {
  Cockpit cockpit;
  WithClickSounds(cockpit).set(Token::PanelLights, 0).runTicks(1);
  const size_t mark = cockpit.played().size();
  cockpit.click("Side Switches", 200, 110).draw();
  EXPECT_NE(cockpit.token(Token::PanelLights), 0.0);
  EXPECT_EQ(cockpit.elementValue("Side Switches", 2), 1.0);
  EXPECT_EQ(cockpit.elementValue("Side Switches2", 2), 1.0);
  cockpit.click("Side Switches2", 140, 120).draw();
  EXPECT_EQ(cockpit.token(Token::PanelLights), 0.0);
  EXPECT_EQ(cockpit.elementValue("Side Switches", 2), 0.0);
  EXPECT_EQ(SoundSlots(cockpit, mark), std::vector<int>(2, kClickRotary1));
  cockpit.setOption(kOptionClickAreas, true).draw();
  EXPECT_TRUE(cockpit.elementVisible("Side Switches", 6));
}

// ---- The overhead systems panels and the pedestal's lights: every control ----

// The panels built after the electrical, engine start, APU and side panels.
std::vector<PanelControls> SystemsPanels() {
  std::vector<PanelControls> panels = AllPanels();
  panels.erase(panels.begin(), panels.begin() + 5);
  return panels;
}

// Sweeps the panels whose gauge names are listed; the keyboard commands each
// panel's sweep found, by section.
std::map<std::wstring, int> SweepPanels(std::initializer_list<std::string> gauges) {
  Cockpit cockpit;
  WithClickSounds(cockpit).runTicks(2);
  std::map<std::wstring, int> slotsBySection;
  for (const PanelControls& panel : SystemsPanels()) {
    if (std::find(gauges.begin(), gauges.end(), panel.gauge) == gauges.end()) continue;
    const int slots = SweepKeyboard(cockpit, panel.gauge, panel.section, panel.controls);
    slotsBySection[panel.section] += slots;
    // Every control but the key-event button has a keyboard command.
    const size_t unnamed = std::string(panel.gauge) == "Various" ? 1 : 0;
    EXPECT_EQ(static_cast<size_t>(slots), panel.controls.size() - unnamed) << panel.gauge;
  }
  return slotsBySection;
}

TEST(OverheadSystemsPanels, EveryKeyboardCommandActsLikeAClickOnItsRectangleIrsToAirCondition) {
  SweepPanels({"IRS", "FDC", "Cabin_Pressure", "Air_Condition"});
}
TEST(OverheadSystemsPanels, EveryKeyboardCommandActsLikeAClickOnItsRectangleIceRainLights) {
  const auto slots = SweepPanels({"Ice_Protection", "Rain", "OCL", "CPL", "Auto Brake", "Pneumatic XFeed"});
  EXPECT_EQ(slots.at(L"RAIN"), 8) << "the annunciator lights test command runs nothing";
}
TEST(OverheadSystemsPanels, EveryKeyboardCommandActsLikeAClickOnItsRectangleVariousAndSecondOverhead) {
  const auto slots = SweepPanels({"Various", "Various2", "Cockpit_Lights", "Recirculation Fan", "Voice Recorder",
                                  "GSEP", "EFDS", "Oxygen Regulator", "Flight Recorder"});
  EXPECT_EQ(slots.at(L"MISC"), 12 + 4 + 2) << "Various, Various2 and the recirculation fan";
}

TEST(OverheadSystemsPanels, EverySwitchPictureFollowsItsRecord) {
  Cockpit cockpit;
  cockpit.powerUp().runTicks(1);
  for (const PanelControls& panel : SystemsPanels()) {
    // The cross-feed levers run between their ends over the ticks after a click.
    const bool running = std::string(panel.gauge) == "Pneumatic XFeed";
    CheckPicturesFollowRecords(cockpit, panel.gauge, panel.controls,
                               running ? Pictures::kSpareFramesOrRunningLevers : Pictures::kWholeStrips);
  }
}

// Each control's record, away from its default, is saved under its key and
// read back at the next start-up.
// On these panels each switch's picture stands where its click area begins;
// their lamps have none.
TEST(OverheadSystemsPanels, EachSwitchPictureStandsAtTheCornerOfItsClickArea) {
  Cockpit cockpit;
  struct Panel {
    const char* gauge;
    std::vector<std::string> lamps;
  };
  const Panel panels[] = {
      {"APU", {}},
      {"Engine_Starter", {}},
      {"Fuel_Pumps", {}},
      {"Cabin_Pressure", {"selector lamp"}},
      {"Electrical",
       {"EXT on bus 2", "EXT on bus 1", "APU on bus 2", "APU on bus 1", "APU power available"}},
  };
  for (const Panel& panel : panels) {
    const platform::GAUGEHDR* gauge = cockpit.gauge(panel.gauge);
    int switches = 0;
    for (const platform::ELEMENT_HEADER* e = gauge->elements; e != nullptr;
         e = e->nextElement != nullptr ? e->nextElement[0] : nullptr) {
      if (e->kind != platform::ElementKind::Icon || std::ranges::count(panel.lamps, std::string(e->name)) != 0) {
        continue;
      }
      ++switches;
      bool cornered = false;
      for (const platform::MOUSERECT* rect = gauge->mouseRects; rect->type != platform::kMouseRectEnd; ++rect) {
        cornered = cornered || (rect->type == platform::kMouseRectChild && rect->x == e->x && rect->y == e->y);
      }
      EXPECT_TRUE(cornered) << panel.gauge << " " << e->name << " at " << e->x << "," << e->y;
    }
    EXPECT_GE(switches, 3) << panel.gauge;
  }
}

TEST(OverheadSystemsPanels, EveryControlIsSavedAndLoadedBack) {
  struct Saved {
    const char* section;
    const char* key;
    CSwitch* record;
    int32_t position;
  };
  const Saved saved[] = {
      {"IRS", "switch1", &g_irs1Selector, 115},
      {"IRS", "switch2", &g_irs2Selector, 116},
      {"FDC", "cadc", &g_cadcSwitch, 53},
      {"FDC", "fd_cmd", &g_fdCommandSwitch, 54},
      {"FDC", "vert_gyro", &g_verticalGyroSwitch, 56},
      {"CABIN PRESS", "system_selector", &g_cabinSystemSelector, 58},
      {"CABIN PRESS", "rate_limit", &g_cabinRateLimitKnob, 3},
      {"AIR CONDITION", "cockpit_temp", &g_cockpitTempSwitch, 3},
      {"AIR CONDITION", "cabin_temp", &g_cabinTempSwitch, 3},
      {"AIR CONDITION", "supply_left", &g_airSupplyLeftSwitch, 129},
      {"AIR CONDITION", "supply_right", &g_airSupplyRightSwitch, 44},
      {"AIR CONDITION", "temp_select", &g_tempSelectSwitch, 60},
      {"AIR CONDITION", "radio_rack_venturi", &g_radioRackVenturiSwitch, 63},
      {"ICE PROTECTION", "emergency_lights", &g_emergencyLightsSwitch, 127},
      {"ICE PROTECTION", "no_smoking", &g_noSmokingSwitch, 44},
      {"ICE PROTECTION", "seatbelt", &g_seatbeltSwitch, 41},
      {"ICE PROTECTION", "meter_selector", &g_pitotMeterSelector, 7},
      {"ICE PROTECTION", "air_foiL", &g_airfoilHeatSwitch, 41},
      {"ICE PROTECTION", "ws_anti_fog", &g_windshieldAntiFog, 41},
      {"ICE PROTECTION", "ws_anti_ice", &g_windshieldAntiIce, 41},
      {"ICE PROTECTION", "engine_left", &g_engineAntiIceLeft, 41},
      {"ICE PROTECTION", "engine_right", &g_engineAntiIceRight, 41},
      {"RAIN", "repellent_discharge_left", &g_repellentDischargeLeft, 41},
      {"RAIN", "repellent_discharge_right", &g_repellentDischargeRight, 41},
      {"RAIN", "wiper", &g_rainWiperSwitch, 3},
      {"RAIN", "annunciator_lights_dimmer", &g_annunciatorLightsDimmer, 41},
      {"RAIN", "air_condition_shutoff_override", &g_airConditionShutoffOverride, 44},
      {"RAIN", "ram_air", &g_ramAirSwitch, 41},
      {"OCL", "panel_light", &g_oclPanelLight, 41},
      {"VARIOUS", "attendant_light", &g_attendantLightSwitch, 41},
      {"VARIOUS", "anti_skid", &g_antiSkidSwitch, 127},
      {"VARIOUS", "yaw_damp", &g_yawDampSwitch, 49},
      {"VARIOUS", "mach_trim_comp", &g_machTrimCompSwitch, 49},
      {"VARIOUS", "sync", &g_syncSwitch, 71},
      {"VARIOUS", "gpws", &g_gpwsSwitch, 125},
      {"COCKPIT LIGHTS", "circuit_breaker", &g_circuitBreakerLight, 67},
      {"COCKPIT LIGHTS", "standby_compass", &g_standbyCompassLight, 68},
      {"COCKPIT LIGHTS", "thunderstorm", &g_thunderstormLight, 41},
      {"COCKPIT LIGHTS", "flood", &g_floodLight, 69},
      {"RECIRCULATION FAN", "fan_switch", &g_recirculationFanSwitch, 44},
      {"GSEP", "apu_switch", &g_gsepApuSwitch, 41},
      {"GSEP", "ext_switch", &g_gsepExternalSwitch, 41},
      {"GSEP", "maint_phone", &g_gsepMaintPhone, 41},
      {"EFDS", "apu_switch", &g_efdsApuSwitch, 98},
      {"EFDS", "engine_switch_left", &g_efdsEngineLeftSwitch, 99},
      {"EFDS", "engine_switch_right", &g_efdsEngineRightSwitch, 98},
      {"OXYGEN", "supply_regulator_switch", &g_oxygenSupplyRegulator, 2},
      {"OXYGEN", "master_switch", &g_oxygenMasterSwitch, 2},
      {"FDR", "test_switch", &g_fdrTestSwitch, 125},
      {"CPL", "panel_light", &g_cplPanelLight, 41},
      {"CPL", "digital_light", &g_cplDigitalLight, 41},
      {"AUTOBRAKE", "arm", &g_autobrakeArmSwitch, 127},
      {"AUTOBRAKE", "mode", &g_autobrakeModeSelector, 4},
      {"PNEUMATIC X-FEED", "left", &g_pneumaticXFeedLeft, 1},
      {"PNEUMATIC X-FEED", "right", &g_pneumaticXFeedRight, 1},
  };
  std::string file;
  {
    Cockpit cockpit;
    cockpit.runTicks(1);
    for (const Saved& s : saved) cockpit.setSwitch(s.record, s.position);
    cockpit.shutdown();
    for (const Saved& s : saved) {
      EXPECT_EQ(cockpit.ini(s.section, s.key), std::to_string(s.position)) << s.section << " " << s.key;
    }
    file = cockpit.readFile(Cockpit::kAircraftIniFile);
  }
  Cockpit cockpit({.start = false});
  cockpit.writeFile(Cockpit::kAircraftIniFile, file);
  cockpit.start();
  for (const Saved& s : saved) EXPECT_EQ(GetSwitch(s.record), s.position) << s.section << " " << s.key;
}

// The lamps of these panels: dark without panel power even in the lamp test,
// all lit by the test with power.
TEST(OverheadSystemsPanels, TheLampTestLightsEveryLampOnlyWithPanelPower) {
  const std::vector<std::pair<const char*, std::vector<uint32_t>>> lamps = {
      {"IRS", {6, 7, 8, 9, 10, 11, 12, 13}}, {"Cabin_Pressure", {6, 8}},  {"Various", {9, 10}},
      {"GSEP", {2, 3, 6, 7}},                {"EFDS", {2, 3, 4, 5, 6, 7}},
  };
  Cockpit cockpit;
  cockpit.setSwitch(&g_externalPowerSwitch, 120).setSwitch(&g_lampTestSwitch, kSwitchOn).draw();
  ASSERT_EQ(IsPanelPowered(), 0u);
  for (const auto& [gauge, elements] : lamps) {
    for (uint32_t n : elements) EXPECT_EQ(cockpit.elementValue(gauge, n), 0.0) << gauge << " " << n << " dark";
  }
  cockpit.powerUp().draw();
  for (const auto& [gauge, elements] : lamps) {
    for (uint32_t n : elements) EXPECT_EQ(cockpit.elementValue(gauge, n), 1.0) << gauge << " " << n << " lit";
  }
  cockpit.setSwitch(&g_lampTestSwitch, kSwitchOff).draw();
  for (uint32_t n : {8u, 9u, 12u, 13u}) EXPECT_EQ(cockpit.elementValue("IRS", n), 0.0) << "test-only lamp " << n;
}

// The overhead light shows every overhead panel's light overlay and relights
// the meters: hidden on the next frame, back lit a tick later; the pedestal
// light does the same for its panels. Option 6 shows every click-area overlay.
TEST(OverheadSystemsPanels, LightSwitchesShowTheOverlaysAndRelightTheMeters) {
  const char* oclPanels[] = {"IRS", "FDC", "OCL", "Cabin_Pressure", "Air_Condition", "Ice_Protection", "Rain",
                             "Various", "Various2", "Cockpit_Lights", "Recirculation Fan", "Voice Recorder", "GSEP",
                             "EFDS", "Oxygen Regulator", "Flight Recorder"};
  const std::pair<const char*, uint32_t> meters[] = {
      {"Cabin_Pressure_Indicator", 2}, {"Cabin_Climb", 1},        {"Air_Condition_L_Valve", 1},
      {"Air_Condition_R_Pressure", 1}, {"Pneumatic Pressure", 1}, {"Heater Current", 1},
      {"Voice Recorder Meter", 1},     {"Oxygen Pressure", 1},    {"Cabin_Pressure", 4}};
  Cockpit cockpit({.drawClosedWindows = true});
  cockpit.powerUp().runTicks(3);
  for (const char* gauge : oclPanels) EXPECT_FALSE(cockpit.elementVisible(gauge, 1)) << gauge;
  cockpit.click("OCL", 50, 40).runTicks(1);
  for (const auto& [meter, n] : meters) EXPECT_FALSE(cockpit.elementVisible(meter, n)) << meter << " relighting";
  cockpit.runTicks(2);
  for (const char* gauge : oclPanels) EXPECT_TRUE(cockpit.elementVisible(gauge, 1)) << gauge;
  for (const auto& [meter, n] : meters) {
    EXPECT_TRUE(cockpit.elementVisible(meter, n) && cockpit.elementLit(meter, n)) << meter << " lit";
  }
  cockpit.click("OCL", 50, 40).runTicks(3);
  for (const char* gauge : oclPanels) EXPECT_FALSE(cockpit.elementVisible(gauge, 1)) << gauge;
  for (const auto& [meter, n] : meters) {
    EXPECT_TRUE(cockpit.elementVisible(meter, n) && !cockpit.elementLit(meter, n)) << meter << " unlit";
  }
  // The pedestal light.
  cockpit.click("CPL", 40, 50).draw();
  EXPECT_TRUE(cockpit.elementVisible("CPL", 1));
  EXPECT_TRUE(cockpit.elementVisible("Auto Brake", 1));
  EXPECT_FALSE(cockpit.elementVisible("IRS", 1)) << "not an overhead light";
  cockpit.setOption(kOptionClickAreas, true).draw();
  for (const PanelControls& panel : SystemsPanels()) {
    const platform::ELEMENT_HEADER* last = cockpit.gauge(panel.gauge)->elements;
    uint32_t n = 0;
    while (last->nextElement != nullptr && last->nextElement[0] != nullptr) {
      last = last->nextElement[0];
      ++n;
    }
    if (std::string(panel.gauge) == "IRS") continue;  // its last element is the front, always shown
    EXPECT_TRUE(cockpit.elementVisible(panel.gauge, n)) << panel.gauge << " click areas";
  }
}

// ---- IRS and FDC ----

TEST(IrsPanel, SelfTestThenAlignLampThenItBlinksWhileWaitingForThePosition) {
  Cockpit cockpit;
  cockpit.powerUp().set(Token::OnGround, 1).setWindowVisible(10170, true).runTicks(1);
  cockpit.click("IRS", 30, 20).draw();  // OFF to ALIGN
  EXPECT_EQ(GetSwitch(&g_irs1Selector), kIrsAlign);
  cockpit.runUntil([] { return GetIrsStatusPosition(1) != kIrsOff; }, 2);
  ASSERT_EQ(GetIrsStatusPosition(1), kIrsSelfTest);
  EXPECT_EQ(cockpit.elementValue("IRS", 7), 1.0) << "ON BAT lit in the self-test";
  EXPECT_EQ(cockpit.elementValue("IRS", 6), 0.0);
  EXPECT_EQ(cockpit.elementValue("IRS", 11), 0.0) << "unit 2 is off";
  cockpit.runUntil([] { return GetIrsStatusPosition(1) == kIrsAlign; }, 20);
  EXPECT_EQ(cockpit.elementValue("IRS", 6), 1.0) << "ALIGN steady";
  EXPECT_EQ(cockpit.elementValue("IRS", 7), 0.0);
  // Aligned and waiting: the lamp changes on each tick of its once-a-second
  // channel, so it blinks with a period of two seconds.
  cockpit.setSwitch(&g_irs1State, kIrsAligned).runTicks(40).watchChannel(10);
  std::vector<double> changes;
  double lamp = cockpit.elementValue("IRS", 6);
  const double first = cockpit.tick18();
  for (int tick = 0; tick < 72; ++tick) {
    cockpit.runTicks(1);
    if (cockpit.elementValue("IRS", 6) == lamp) continue;
    lamp = cockpit.elementValue("IRS", 6);
    changes.push_back(cockpit.tick18());
  }
  cockpit.runTicks(1);
  std::vector<double> due;
  for (double tick : cockpit.dueTicks(10)) {
    if (tick > first && tick <= first + 72) due.push_back(tick);
  }
  EXPECT_EQ(changes, due);
  EXPECT_EQ(changes.size(), 4u);
  // Stepping back from ALIGN switches the unit off.
  cockpit.click("IRS", 10, 20);
  EXPECT_EQ(GetSwitch(&g_irs1Selector), kIrsOff);
  EXPECT_EQ(GetIrsStatusPosition(1), kIrsOff);
}

TEST(IrsPanel, OnBatteryLampInNavOnlyOnBatteryPower) {
  Cockpit cockpit;
  cockpit.powerUp().irsInNav().runTicks(2).draw();
  ASSERT_EQ(GetPowerSourceIndication(0), kSourceBattery);
  EXPECT_EQ(cockpit.elementValue("IRS", 7), 1.0);
  EXPECT_EQ(cockpit.elementValue("IRS", 11), 1.0) << "side 0 for both units";
  cockpit.setSwitch(&g_externalPowerSwitch, 45).setSwitch(&g_externalBus1Switch, 41).runSeconds(3).draw();
  ASSERT_NE(GetPowerSourceIndication(0), kSourceBattery);
  EXPECT_EQ(cockpit.elementValue("IRS", 7), 0.0);
  EXPECT_EQ(cockpit.elementValue("IRS", 11), 0.0);
}

// The selector steps one position a click, with unit 2 clicking the other
// rotary sound; a click past either end turns the unit off, silently.
TEST(IrsPanel, SelectorsStepOnePositionAndGoOffPastEitherEnd) {
  Cockpit cockpit;
  WithClickSounds(cockpit).runTicks(1);
  const size_t mark = cockpit.played().size();
  for (int i = 0; i < 3; ++i) cockpit.click("IRS", 170, 20);
  EXPECT_EQ(GetSwitch(&g_irs2Selector), kIrsAtt);
  EXPECT_EQ(GetSwitch(&g_irs1Selector), kIrsOff);
  cockpit.click("IRS", 150, 20);
  EXPECT_EQ(GetSwitch(&g_irs2Selector), kIrsNav);
  EXPECT_EQ(SoundSlots(cockpit, mark), std::vector<int>(4, kClickRotary2));
  cockpit.click("IRS", 30, 20).click("IRS", 10, 20).click("IRS", 10, 20);
  EXPECT_EQ(GetSwitch(&g_irs1Selector), kIrsOff) << "left of OFF stays off";
  EXPECT_EQ(SoundSlots(cockpit, mark).size(), 6u) << "silently";
  cockpit.setSwitch(&g_irs1Selector, kStray).click("IRS", 30, 20);
  EXPECT_EQ(GetSwitch(&g_irs1Selector), kIrsOff) << "a stray position goes off, silently";
  EXPECT_EQ(SoundSlots(cockpit, mark).size(), 6u);

  // Right of ATT: a running unit goes off, its ON BAT lamp dark.
  cockpit.powerUp().irsInNav().runTicks(2).click("IRS", 170, 20).runSeconds(2).draw();
  EXPECT_EQ(cockpit.elementValue("IRS", 2), 3.0) << "ATT";
  EXPECT_EQ(cockpit.elementValue("IRS", 11), 1.0);
  cockpit.click("IRS", 170, 20).draw();
  EXPECT_EQ(cockpit.elementValue("IRS", 2), 0.0) << "a click past ATT turns the unit off";
  EXPECT_EQ(cockpit.elementValue("IRS", 11), 0.0);
  EXPECT_EQ(GetIrsStatusPosition(2), kIrsOff);
  EXPECT_EQ(SoundSlots(cockpit, mark).size(), 7u) << "only the step to ATT clicked";
}

// The IRS selectors with their lit twins at the panel's ends, the four lamps
// of each unit in a column between them; the three FDC selectors with their
// three pictures.
TEST(IrsPanel, SelectorsAndLampsStandAtTheirPlacesWithTheirPictures) {
  Cockpit cockpit;
  ExpectElementPlaces(cockpit, "IRS",
                      {{1, -14, -17}, {2, 142, 1, 4}, {3, 142, 1, 4}, {4, 0, 1, 4}, {5, 0, 1, 4}, {6, 61, 0, 2},
                       {7, 58, 15, 2}, {8, 57, 30, 2}, {9, 62, 45, 2}, {10, 96, 0, 2}, {11, 94, 15, 2},
                       {12, 92, 30, 2}, {13, 97, 45, 2}});
  ExpectElementPlaces(cockpit, "FDC", {{2, 164, 35, 3}, {3, 98, 17, 3}, {4, 25, 50, 3}, {5, 20, 9}});
}

TEST(FdcPanel, SelectorsPassTheCentreBeforeTheOtherSide) {
  Cockpit cockpit;
  cockpit.runTicks(1).setSwitch(&g_fdCommandSwitch, 43);
  cockpit.click("FDC", 100, 40);
  EXPECT_EQ(GetSwitch(&g_fdCommandSwitch), 53);
  cockpit.click("FDC", 130, 40);
  EXPECT_EQ(GetSwitch(&g_fdCommandSwitch), 43) << "back to the centre first";
  cockpit.click("FDC", 130, 40);
  EXPECT_EQ(GetSwitch(&g_fdCommandSwitch), 54);
  cockpit.click("FDC", 130, 40);
  EXPECT_EQ(GetSwitch(&g_fdCommandSwitch), 54) << "stays at its side";
  cockpit.setSwitch(&g_verticalGyroSwitch, 43).click("FDC", 200, 60);
  EXPECT_EQ(GetSwitch(&g_verticalGyroSwitch), 56);
  cockpit.click("FDC", 170, 60);
  EXPECT_EQ(GetSwitch(&g_verticalGyroSwitch), 43);
  EXPECT_EQ(GetSwitch(&g_cadcSwitch), 43) << "the others stay";
}

// ---- Cabin pressure ----

TEST(CabinPressurePanel, LandingAltitudeStepsWithFastClicksAndStopsAtItsLimits) {
  Cockpit cockpit;
  cockpit.runTicks(10);
  const double start = GetLandingAltitude();
  cockpit.click("Cabin_Pressure", 70, 70);
  EXPECT_EQ(GetLandingAltitude(), start + 100.0) << "a slow click";
  cockpit.click("Cabin_Pressure", 70, 70);
  EXPECT_EQ(GetLandingAltitude(), start + 100.0 + 100.0 * GetFastClickMultiplier()) << "a fast click";
  cockpit.runTicks(10).click("Cabin_Pressure", 60, 40);
  EXPECT_EQ(GetLandingAltitude(), start + 100.0 + 100.0 * GetFastClickMultiplier() - 10.0)
      << "fine, slow: 10 ft after the fast one";
  for (int i = 0; i < 40; ++i) cockpit.click("Cabin_Pressure", 70, 70);
  EXPECT_EQ(GetLandingAltitude(), 14000.0);
  cockpit.draw();
  EXPECT_EQ(cockpit.elementValue("Cabin_Pressure", 4), 0.0) << "the tape at its top";
  for (int i = 0; i < 40; ++i) cockpit.click("Cabin_Pressure", 45, 70);
  EXPECT_EQ(GetLandingAltitude(), -1500.0);
  cockpit.draw();
  EXPECT_EQ(cockpit.elementValue("Cabin_Pressure", 4), 15500.0);
}

TEST(CabinPressurePanel, RateLimitStopsAtOneAndThirteenAndTheBaroKnobSendsTheSimulatorsEvents) {
  Cockpit cockpit;
  WithClickSounds(cockpit).runTicks(1).setSwitch(&g_cabinRateLimitKnob, 12);
  const size_t mark = cockpit.played().size();
  cockpit.click("Cabin_Pressure", 155, 50).click("Cabin_Pressure", 155, 50);
  EXPECT_EQ(GetSwitch(&g_cabinRateLimitKnob), 13);
  EXPECT_EQ(SoundSlots(cockpit, mark).size(), 1u) << "silent at the stop";
  cockpit.setSwitch(&g_cabinRateLimitKnob, 2).click("Cabin_Pressure", 135, 50).click("Cabin_Pressure", 135, 50);
  EXPECT_EQ(GetSwitch(&g_cabinRateLimitKnob), 1);
  cockpit.setSwitch(&g_cabinRateLimitKnob, 0).click("Cabin_Pressure", 155, 50);
  EXPECT_EQ(GetSwitch(&g_cabinRateLimitKnob), 13);
  cockpit.draw();
  EXPECT_EQ(cockpit.elementValue("Cabin_Pressure", 5), 12.0);
  cockpit.clearKeyEvents().click("Cabin_Pressure", 95, 70).click("Cabin_Pressure", 115, 70);
  EXPECT_EQ(cockpit.keyEvents(65884).size(), 1u);
  EXPECT_EQ(cockpit.keyEvents(65883).size(), 1u);
}

// The climb needle shows the cabin's rate unless the simulator flags it to
// follow the aircraft, or the cabin descends at or above the aircraft.
TEST(CabinPressurePanel, TheClimbNeedleRule) {
  Cockpit cockpit;
  cockpit.runTicks(1).setScaled(Token::VerticalSpeed, 1000.0).set(Token::AltitudeFt, 0.0).set(Token::DoorsOpen, 0.0);
  // On the ground the cabin rests: rate 0 shows 0.
  cockpit.draw();
  EXPECT_EQ(cockpit.elementValue("Cabin_Climb", 1), GetCabinRate() * 60.0);
  cockpit.set(Token::DoorsOpen, 1.0).draw();
  EXPECT_EQ(cockpit.elementValue("Cabin_Climb", 1), 1000.0) << "the aircraft's rate";
  EXPECT_EQ(cockpit.tooltip("Cabin_Climb"), "Cabin Climb Indicator.\nVS: " +
                                                std::to_string(static_cast<int>(GetCabinRate() * 60.0)) +
                                                " feet/minute");
  EXPECT_NE(cockpit.tooltip("Cabin_Pressure_Indicator").find("Cabin Altitude: "), std::string::npos);
}

// The cabin's own rate while it climbs, or descends below the aircraft; level
// with the aircraft or above it a descending cabin shows the aircraft's rate;
// either way within the dial's 2000 ft/min.
TEST(CabinPressureMeters, TheClimbNeedleFollowsTheCabinBelowTheAircraftWithinTheDial) {
  Cockpit cockpit({.start = false});
  cockpit.set(Token::OnGround, 0).set(Token::AltitudeFt, 2000);
  cockpit.writeFile(Cockpit::kAircraftIniFile, "[CABIN PRESS]\r\nrate_limit=1\r\n");
  cockpit.start().setScaled(Token::VerticalSpeed, -700.0).set(Token::DoorsOpen, 0.0);
  const auto climb = [&cockpit] { return cockpit.draw().elementValue("Cabin_Climb", 1); };
  cockpit.set(Token::AltitudeFt, 45000).runSeconds(1.1);
  ASSERT_NEAR(GetCabinRate(), 100.0 / 60.0, 1e-12);
  EXPECT_NEAR(climb(), 100.0, 1e-9) << "climbing: the cabin's rate in feet a minute";
  cockpit.set(Token::AltitudeFt, 2000).runSeconds(1.05);
  ASSERT_NEAR(GetCabinRate(), -40.0 / 60.0, 1e-12);
  ASSERT_LT(GetCabinAltitude(), 2000.0);
  EXPECT_NEAR(climb(), -40.0, 1e-9) << "descending below the aircraft";
  cockpit.set(Token::AltitudeFt, GetCabinAltitude());
  EXPECT_NEAR(climb(), -700.0, 1e-9) << "level with the aircraft: the aircraft's rate";
  cockpit.set(Token::AltitudeFt, GetCabinAltitude() + 1.0);
  EXPECT_NEAR(climb(), -40.0, 1e-9);
  cockpit.set(Token::DoorsOpen, 1.0).setScaled(Token::VerticalSpeed, 2000.5);
  EXPECT_EQ(climb(), 2000.0);
  cockpit.setScaled(Token::VerticalSpeed, -2000.5);
  EXPECT_EQ(climb(), -2000.0);
}

// Each tape's strip ends where its range ends: 1088 and 952 mb, 32 and 28
// in Hg, a landing altitude of 14000 and -1500 ft.
TEST(CabinPressurePanel, EachTapeReadsItsStripsEndsAtTheEndsOfItsRange) {
  Cockpit cockpit;
  const auto ends = [&cockpit](uint32_t tape) {
    cockpit.draw();
    const platform::ELEMENT_HEADER& e = cockpit.element("Cabin_Pressure", tape);
    return std::pair{e.value == e.minValue, e.value == e.maxValue};
  };
  cockpit.set(Token::UnitsOfMeasure, 2).runTicks(20);
  cockpit.set(Token::AltimeterMb, 1013);
  EXPECT_EQ(ends(2), std::pair(false, false));
  cockpit.set(Token::AltimeterMb, 1088);
  EXPECT_EQ(ends(2), std::pair(true, false));
  cockpit.set(Token::AltimeterMb, 952);
  EXPECT_EQ(ends(2), std::pair(false, true));
  cockpit.set(Token::UnitsOfMeasure, 0).runTicks(20);
  cockpit.set(Token::AltimeterInHg, 32);
  EXPECT_EQ(ends(3), std::pair(true, false));
  cockpit.set(Token::AltimeterInHg, 28);
  EXPECT_EQ(ends(3), std::pair(false, true));
  for (int i = 0; i < 40; ++i) cockpit.click("Cabin_Pressure", 70, 70);
  ASSERT_EQ(GetLandingAltitude(), 14000.0);
  EXPECT_EQ(ends(4), std::pair(true, false));
  for (int i = 0; i < 40; ++i) cockpit.click("Cabin_Pressure", 45, 70);
  ASSERT_EQ(GetLandingAltitude(), -1500.0);
  EXPECT_EQ(ends(4), std::pair(false, true));
}

TEST(CabinPressurePanel, TheTapeOfTheUnitsInUseOnlyAndNeverBothWhileRelighting) {
  Cockpit cockpit({.drawClosedWindows = true});
  cockpit.powerUp().set(Token::UnitsOfMeasure, 0).runTicks(20).draw();
  ASSERT_EQ(IsMetricUnits(), 0);
  EXPECT_FALSE(cockpit.elementVisible("Cabin_Pressure", 2));
  EXPECT_TRUE(cockpit.elementVisible("Cabin_Pressure", 3));
  cockpit.set(Token::AltimeterInHg, 29.92).draw();
  EXPECT_NEAR(cockpit.elementValue("Cabin_Pressure", 3), 60.0 - 29.92, 1e-9);
  cockpit.setSwitch(&g_oclPanelLight, kSwitchOn).draw();
  EXPECT_FALSE(cockpit.elementVisible("Cabin_Pressure", 3)) << "hidden while relit";
  for (int frame = 0; frame < 60; ++frame) {
    cockpit.runTicks(1);
    EXPECT_FALSE(cockpit.elementVisible("Cabin_Pressure", 2)) << "the millibar tape never flashes";
  }
  EXPECT_TRUE(cockpit.elementVisible("Cabin_Pressure", 3) && cockpit.elementLit("Cabin_Pressure", 3));
  cockpit.set(Token::UnitsOfMeasure, 2).runTicks(20);
  ASSERT_NE(IsMetricUnits(), 0);
  EXPECT_TRUE(cockpit.elementVisible("Cabin_Pressure", 2));
  EXPECT_FALSE(cockpit.elementVisible("Cabin_Pressure", 3));
  cockpit.set(Token::AltimeterMb, 1013.0).draw();
  EXPECT_EQ(cockpit.elementValue("Cabin_Pressure", 2), 2032.0 - 1013.0);
  cockpit.setSwitch(&g_oclPanelLight, kSwitchOff).draw();
  EXPECT_FALSE(cockpit.elementVisible("Cabin_Pressure", 2)) << "the millibar tape waits for the relight too";
  cockpit.runTicks(3);
  EXPECT_TRUE(cockpit.elementVisible("Cabin_Pressure", 2));
}

// The cabin altitude marks from 2000 to 8000 ft mirror each other about the
// 5000 ft mark at three o'clock.
TEST(CabinPressureMeters, TheAltitudeMarksMirrorAboutFiveThousandFeet) {
  Cockpit cockpit;
  const platform::ELEMENT_HEADER& needle = cockpit.element("Cabin_Pressure_Indicator", 1);
  ASSERT_GE(needle.scalePoints, 9u);
  ASSERT_EQ(needle.scale[5].value, 5000.0);
  EXPECT_EQ(needle.scale[5].y, needle.pivotY);
  for (uint32_t k = 1; k <= 3; ++k) {
    const platform::NeedlePoint& below = needle.scale[5 - k];
    const platform::NeedlePoint& above = needle.scale[5 + k];
    EXPECT_EQ(below.x, above.x) << below.value << " and " << above.value;
    EXPECT_EQ(below.y + above.y, 2.0 * needle.pivotY) << below.value << " and " << above.value;
  }
}

TEST(CabinPressureMeters, DifferentialPressureHeldWithinTheDial) {
  Cockpit cockpit;
  cockpit.runTicks(1).draw();
  const double psi = GetCabinDiffPressure();
  EXPECT_EQ(cockpit.elementValue("Cabin_Pressure_Indicator", 2), psi < 0 ? 0.0 : psi > 9 ? 9.0 : psi);
  EXPECT_EQ(cockpit.elementValue("Cabin_Pressure_Indicator", 1), GetCabinAltitude());
}

// ---- Air conditioning ----

TEST(AirConditionPanel, HoldingColdStepsTheValvePerRepeatUntilZeroAndTheReleaseLeavesManual) {
  Cockpit cockpit;
  WithClickSounds(cockpit).runTicks(1);
  SetAirconValveTemp(0, 0.3);
  SetAirconValveTemp(1, 2.0);
  const size_t mark = cockpit.played().size();
  cockpit.mouse("Air_Condition", 20, 120, platform::kMouseLeftSingle);
  EXPECT_EQ(GetSwitch(&g_cockpitTempSwitch), 4);
  EXPECT_NEAR(GetAirconValveTemp(0), 0.2, 1e-9);
  cockpit.mouse("Air_Condition", 20, 120, platform::kMouseDownRepeat);
  EXPECT_NEAR(GetAirconValveTemp(0), 0.1, 1e-9);
  for (int i = 0; i < 5; ++i) cockpit.mouse("Air_Condition", 20, 120, platform::kMouseDownRepeat);
  EXPECT_NEAR(GetAirconValveTemp(0), 0.0, 1e-9) << "stops at 0";
  cockpit.mouse("Air_Condition", 20, 120, kRelease);
  EXPECT_EQ(GetSwitch(&g_cockpitTempSwitch), 3) << "manual";
  EXPECT_EQ(GetAirconValveTemp(1), 2.0) << "the cabin valve stays";
  EXPECT_EQ(SoundSlots(cockpit, mark), std::vector<int>(7, kClickRotary1)) << "press and repeats, not the release";
  // The cabin's hot half moves the right valve up.
  cockpit.mouse("Air_Condition", 220, 120, kClick).draw();
  EXPECT_EQ(GetSwitch(&g_cabinTempSwitch), 2);
  EXPECT_NEAR(GetAirconValveTemp(1), 2.1, 1e-9);
  EXPECT_NEAR(cockpit.elementValue("Air_Condition_R_Valve", 1), 2.1, 1e-9);
  EXPECT_EQ(cockpit.elementValue("Air_Condition", 6), 1.0);
  cockpit.click("Air_Condition", 200, 90);
  EXPECT_EQ(GetSwitch(&g_cabinTempSwitch), 1);
}

TEST(AirConditionPanel, EachControlClicksWithItsOwnSound) {
  Cockpit cockpit;
  cockpit.runTicks(1);
  CheckClickSounds(cockpit, "Air_Condition",
                   {{"AirConditionMouseCockpitTempCold", &g_cockpitTempSwitch, 1, kClickRotary1},
                    {"AirConditionMouseCockpitTempHot", &g_cockpitTempSwitch, 1, kClickRotary1},
                    {"AirConditionMouseCockpitTempAuto", &g_cockpitTempSwitch, 3, kClickRotary1},
                    {"AirConditionMouseCabinTempCold", &g_cabinTempSwitch, 1, kClickRotary1},
                    {"AirConditionMouseCabinTempHot", &g_cabinTempSwitch, 1, kClickRotary1},
                    {"AirConditionMouseCabinTempAuto", &g_cabinTempSwitch, 3, kClickRotary2},
                    {"AirConditionMouseSupplyLeftInc", &g_airSupplyLeftSwitch, 44, kClickGuarded2},
                    {"AirConditionMouseSupplyLeftDec", &g_airSupplyLeftSwitch, 120, kClickGuarded2},
                    {"AirConditionMouseSupplyRightInc", &g_airSupplyRightSwitch, 44, kClickGuarded2},
                    {"AirConditionMouseSupplyRightDec", &g_airSupplyRightSwitch, 120, kClickGuarded2},
                    {"AirConditionMouseTempSelect", &g_tempSelectSwitch, 61, kClickRotary1},
                    {"AirConditionMouseRadioRackVenturi", &g_radioRackVenturiSwitch, 62, kClickToggle1}});
}

// The dial follows the units on every frame, never both at once.
TEST(AirConditionMeters, TheTemperatureDialFollowsTheUnitsAndTheSelector) {
  Cockpit cockpit({.drawClosedWindows = true});
  cockpit.powerUp().set(Token::UnitsOfMeasure, 0).runTicks(20);
  SetAirconValveTemp(1, 5.0);
  cockpit.setSwitch(&g_tempSelectSwitch, 61).draw();
  EXPECT_FALSE(cockpit.elementVisible("Air_Condition_Temperature", 0));
  EXPECT_TRUE(cockpit.elementVisible("Air_Condition_Temperature", 1));
  EXPECT_FALSE(cockpit.elementVisible("Air_Condition_Temperature", 2));
  EXPECT_TRUE(cockpit.elementVisible("Air_Condition_Temperature", 3));
  EXPECT_EQ(cockpit.elementValue("Air_Condition_Temperature", 2), 5.0);
  EXPECT_EQ(cockpit.elementValue("Air_Condition_Temperature", 3), 5.0 * 1.8 + 32.0);
  cockpit.setSwitch(&g_tempSelectSwitch, 60).draw();
  EXPECT_EQ(cockpit.elementValue("Air_Condition_Temperature", 2), std::max(0.0, GetAirconIndicatedTemp()));
  cockpit.setSwitch(&g_tempSelectSwitch, kStray).draw();
  EXPECT_EQ(cockpit.elementValue("Air_Condition_Temperature", 2), 0.0);
  EXPECT_EQ(cockpit.elementValue("Air_Condition_Temperature", 3), 32.0);
  cockpit.set(Token::UnitsOfMeasure, 1).runTicks(18);
  EXPECT_TRUE(cockpit.elementVisible("Air_Condition_Temperature", 0)) << "within a second";
  EXPECT_FALSE(cockpit.elementVisible("Air_Condition_Temperature", 1));
  EXPECT_TRUE(cockpit.elementVisible("Air_Condition_Temperature", 2));
  EXPECT_FALSE(cockpit.elementVisible("Air_Condition_Temperature", 3));
  // A relight keeps the Fahrenheit dial hidden while it brings the range back.
  cockpit.setSwitch(&g_oclPanelLight, kSwitchOn);
  for (int tick = 0; tick < 4; ++tick) {
    cockpit.runTicks(1);
    EXPECT_FALSE(cockpit.elementVisible("Air_Condition_Temperature", 1)) << tick;
  }
  EXPECT_TRUE(cockpit.elementVisible("Air_Condition_Temperature", 0));
  // Back to Fahrenheit, then the light off: the Fahrenheit dial waits for the
  // relight like the rest, the Celsius dial stays away.
  cockpit.set(Token::UnitsOfMeasure, 0).runTicks(18);
  ASSERT_TRUE(cockpit.elementVisible("Air_Condition_Temperature", 1));
  cockpit.setSwitch(&g_oclPanelLight, kSwitchOff).draw();
  EXPECT_FALSE(cockpit.elementVisible("Air_Condition_Temperature", 1)) << "relighting";
  for (int tick = 0; tick < 4; ++tick) {
    cockpit.runTicks(1);
    EXPECT_FALSE(cockpit.elementVisible("Air_Condition_Temperature", 0)) << tick;
  }
  EXPECT_TRUE(cockpit.elementVisible("Air_Condition_Temperature", 1));
  EXPECT_FALSE(cockpit.elementLit("Air_Condition_Temperature", 1));
}

// Both temperature dials mark their scale every 45 degrees round a circle of
// 123 pixels about the needles' pivot, clockwise from the top.
TEST(AirConditionMeters, TheTemperatureMarksStandEvery45DegreesFromTheTop) {
  Cockpit cockpit;
  for (uint32_t n : {2u, 3u}) {
    const platform::ELEMENT_HEADER& needle = cockpit.element("Air_Condition_Temperature", n);
    ASSERT_EQ(needle.scalePoints, 7u);
    for (uint32_t i = 0; i < needle.scalePoints; ++i) {
      const double dx = needle.scale[i].x - needle.pivotX;
      const double dy = needle.scale[i].y - needle.pivotY;
      const double degrees = std::atan2(dy, dx) * 180.0 / std::numbers::pi;
      EXPECT_NEAR(std::remainder(degrees - (-90.0 + 45.0 * i), 360.0), 0.0, 1e-9) << "needle " << n << " mark " << i;
      EXPECT_NEAR(std::hypot(dx, dy), 123.0, 0.1) << "needle " << n << " mark " << i;
    }
  }
}

// The selectors and the supply switches stand in pairs on a row.
TEST(AirConditionPanel, TheSelectorsAndTheSupplySwitchesStandInPairsOnARow) {
  Cockpit cockpit;
  EXPECT_EQ(cockpit.element("Air_Condition", 4).y, cockpit.element("Air_Condition", 5).y) << "supply switches";
  EXPECT_EQ(cockpit.element("Air_Condition", 6).y, cockpit.element("Air_Condition", 7).y) << "temperature selectors";
}

TEST(AirConditionMeters, SupplyPressuresBySideAndSource) {
  Cockpit cockpit;
  cockpit.runTicks(1).set(Token::Engine1Combustion, 1).set(Token::Engine2Combustion, 1).runTicks(2);
  cockpit.setSwitch(&g_airSupplyLeftSwitch, 120).setSwitch(&g_airSupplyRightSwitch, 120).draw();
  EXPECT_EQ(cockpit.elementValue("Air_Condition_L_Pressure", 1), 0.0) << "supplies off";
  EXPECT_EQ(cockpit.elementValue("Air_Condition_R_Pressure", 1), 0.0);
  cockpit.setSwitch(&g_airSupplyLeftSwitch, 129).setSwitch(&g_airSupplyRightSwitch, 44).draw();
  EXPECT_EQ(cockpit.elementValue("Air_Condition_L_Pressure", 1), IsEngineRunning(1) != 0 ? 22.0 : 0.0);
  EXPECT_EQ(cockpit.elementValue("Air_Condition_R_Pressure", 1), IsEngineRunning(2) != 0 ? 24.0 : 0.0);
  cockpit.set(Token::Engine2Combustion, 0).runTicks(2).draw();
  ASSERT_EQ(IsEngineRunning(2), 0u);
  EXPECT_EQ(cockpit.elementValue("Air_Condition_L_Pressure", 1), IsEngineRunning(1) != 0 ? 22.0 : 0.0)
      << "each side its own engine";
  EXPECT_NE(cockpit.elementValue("Air_Condition_R_Pressure", 1), 24.0);
  cockpit.set(Token::Engine1Combustion, 0).set(Token::Engine2Combustion, 0).runTicks(2).draw();
  const bool apuAir = IsApuAirOn() != 0;
  EXPECT_EQ(cockpit.elementValue("Air_Condition_L_Pressure", 1), apuAir ? 18.0 : 0.0);
  EXPECT_EQ(cockpit.elementValue("Air_Condition_R_Pressure", 1), apuAir ? 20.0 : 0.0);
}

// ---- Various and cockpit lights ----

std::vector<uint32_t> QueuedVoices() {
  return std::vector<uint32_t>(g_voiceQueue, g_voiceQueue + g_voiceQueueCount);
}

// Each control of the Various, Various2 and Cockpit_Lights panels plays its
// own click when it moves (the test buttons on the press), and the test
// switch pictures show whole frames.
// The switch and lamp pictures of the various, GPWS/sync and cockpit light
// panels sit on their places, with the frames of their strips.
TEST(VariousPanels, EachPictureSitsOnItsPlace) {
  Cockpit cockpit;
  cockpit.draw();
  ExpectElementPlaces(cockpit, {{"Various", 2, 339, 3, 2},
                                {"Various", 3, 286, 51, 2},
                                {"Various", 4, 283, 3, 3},
                                {"Various", 5, 215, 8, 3},
                                {"Various", 6, 224, 63, 3},
                                {"Various", 7, 152, 62, 2},
                                {"Various", 8, 151, 5, 2},
                                {"Various", 9, 76, 75, 2},
                                {"Various", 10, 25, 14, 2},
                                {"Various2", 1, 28, 0},
                                {"Various2", 2, 22, 69, 4},
                                {"Various2", 3, 47, 12, 3},
                                {"Various2", 4, 17, 9},
                                {"Cockpit_Lights", 2, 72, 81, 3},
                                {"Cockpit_Lights", 3, 22, 77, 2},
                                {"Cockpit_Lights", 4, 93, 13, 3},
                                {"Cockpit_Lights", 5, 49, 14, 3},
                                {"Cockpit_Lights", 6, 10, 19}});
}

TEST(VariousPanels, EachControlPlaysItsOwnClickAndTheTestsShowWholeFrames) {
  Cockpit cockpit;
  WithClickSounds(cockpit).runTicks(1);
  ExpectClickSounds(cockpit, {
                                 {"Various", 37, 27, nullptr, 0, {kClickButton2}},
                                 {"Various", 92, 34, nullptr, 0, {kCabinCall, kClickButton1}},
                                 {"Various", 92, 90, nullptr, 0, {kClickButton2}},
                                 {"Various", 157, 29, &g_antiSkidSwitch, 120, {kClickToggle2}},
                                 {"Various", 157, 85, nullptr, 0, {kClickToggle1}},
                                 {"Various", 229, 19, nullptr, 0, {kClickGuarded1}},
                                 {"Various", 229, 39, nullptr, 0, {kClickGuarded1}},
                                 {"Various", 229, 74, &g_yawDampSwitch, 49, {kClickToggle2}},
                                 {"Various", 229, 91, &g_yawDampSwitch, 120, {kClickToggle2}},
                                 {"Various", 288, 19, nullptr, 0, {kClickToggle1}},
                                 {"Various", 288, 39, nullptr, 0, {kClickToggle1}},
                                 {"Various", 299, 78, &g_machTrimCompSwitch, 43, {kClickToggle2}},
                                 {"Various", 335, 29, nullptr, 0, {kClickToggle1}},
                                 {"Various2", 59, 40, &g_syncSwitch, 71, {kClickRotary2}},
                                 {"Various2", 89, 40, &g_syncSwitch, 70, {kClickRotary2}},
                                 {"Various2", 39, 98, &g_gpwsSwitch, 64, {kClickGuarded1}},
                                 {"Various2", 39, 134, &g_gpwsSwitch, 49, {kClickGuarded1}},
                                 {"Cockpit_Lights", 55, 30, &g_circuitBreakerLight, 68, {kClickToggle1}},
                                 {"Cockpit_Lights", 55, 50, &g_circuitBreakerLight, 120, {kClickToggle1}},
                                 {"Cockpit_Lights", 101, 30, &g_standbyCompassLight, 68, {kClickToggle2}},
                                 {"Cockpit_Lights", 101, 50, &g_standbyCompassLight, 120, {kClickToggle2}},
                                 {"Cockpit_Lights", 31, 117, &g_thunderstormLight, 120, {kClickGuarded2}},
                                 {"Cockpit_Lights", 81, 107, &g_floodLight, 69, {kClickGuarded1}},
                                 {"Cockpit_Lights", 81, 127, &g_floodLight, 120, {kClickGuarded1}},
                             });
  ExpectPictureFrames(cockpit, {{&g_maxSpeedWarnTestSwitch, 120, "Various", 4, 1},
                                {&g_maxSpeedWarnTestSwitch, 66, "Various", 4, 2},
                                {&g_annunciatorTestSwitch, 41, "Various", 5, 1},
                                {&g_annunciatorTestSwitch, 66, "Various", 5, 2},
                                {&g_annunciatorTestSwitch, 65, "Various", 5, 0},
                                {&g_yawDampSwitch, 49, "Various", 6, 2}});
}

TEST(VariousPanels, TheTestsSpeakTheirVoices) {
  Cockpit cockpit;
  WithClickSounds(cockpit).runTicks(1).setSwitch(&g_gpwsSwitch, 43);
  ClearVoiceQueue();
  cockpit.click("Various2", 30, 130);
  EXPECT_EQ(GetSwitch(&g_gpwsSwitch), 64);
  EXPECT_EQ(QueuedVoices(), (std::vector<uint32_t>{24, 18})) << "the GPWS test, in order";
  ClearVoiceQueue();
  cockpit.setSwitch(&g_gpwsSwitch, kStray).click("Various2", 30, 130);
  EXPECT_EQ(GetSwitch(&g_gpwsSwitch), 64);
  EXPECT_TRUE(QueuedVoices().empty()) << "only from normal";
  cockpit.mouse("Various", 220, 15, kClick);
  EXPECT_EQ(GetSwitch(&g_annunciatorTestSwitch), 65);
  EXPECT_NE(IsVariousSwitchOn(), 0u);
  EXPECT_EQ(QueuedVoices(), std::vector<uint32_t>{10}) << "stall";
  cockpit.mouse("Various", 220, 40, kRelease);
  EXPECT_EQ(GetSwitch(&g_annunciatorTestSwitch), 41) << "back to 41 whichever half";
  ClearVoiceQueue();
  cockpit.mouse("Various", 280, 40, kClick);
  EXPECT_EQ(GetSwitch(&g_maxSpeedWarnTestSwitch), 66);
  EXPECT_EQ(QueuedVoices(), std::vector<uint32_t>{8}) << "overspeed";
  cockpit.mouse("Various", 280, 40, kRelease);
  EXPECT_EQ(GetSwitch(&g_maxSpeedWarnTestSwitch), 120);
}

TEST(VariousPanels, TheAttendantCallAlwaysChimesAndLightsTheLamp) {
  Cockpit cockpit;
  WithClickSounds(cockpit).powerUp().setOption(kOptionNoSwitchClickSounds, true);
  const size_t mark = cockpit.played().size();
  cockpit.click("Various", 90, 30).click("Various", 90, 30).draw();
  EXPECT_EQ(SoundSlots(cockpit, mark), std::vector<int>(2, kCabinCall)) << "the call, not muted with the clicks";
  EXPECT_EQ(cockpit.elementValue("Various", 9), 1.0);
  cockpit.click("Various", 90, 90).draw();
  EXPECT_EQ(cockpit.elementValue("Various", 9), 0.0);
  cockpit.clearKeyEvents().click("Various", 330, 25);
  EXPECT_EQ(cockpit.keyEvents(66376).size(), 1u);
  cockpit.set(Token::KeyEventLamp, 1.0).draw();
  EXPECT_EQ(cockpit.elementValue("Various", 2), 1.0);
}

// ---- Second overhead ----

// Each control of the second overhead gauges plays its own click when it
// moves, and the switch pictures show whole frames.
TEST(SecondOverhead, EachControlPlaysItsOwnClickAndTheSwitchesShowWholeFrames) {
  Cockpit cockpit;
  WithClickSounds(cockpit).runTicks(1);
  ExpectClickSounds(cockpit, {
                                 {"Recirculation Fan", 33, 30, &g_recirculationFanSwitch, 41, {kClickToggle2}},
                                 {"Voice Recorder", 25, 15, nullptr, 0, {kClickButton1}},
                                 {"GSEP", 94, 36, &g_gsepApuSwitch, 120, {kClickToggle1}},
                                 {"GSEP", 94, 94, &g_gsepExternalSwitch, 120, {kClickToggle2}},
                                 {"GSEP", 196, 79, &g_gsepMaintPhone, 120, {kClickToggle1}},
                                 {"EFDS", 100, 73, &g_efdsApuSwitch, 97, {kClickToggle1}},
                                 {"EFDS", 120, 103, &g_efdsApuSwitch, 97, {kClickToggle1}},
                                 {"EFDS", 31, 132, &g_efdsEngineLeftSwitch, 97, {kClickToggle2}},
                                 {"EFDS", 31, 162, &g_efdsEngineLeftSwitch, 97, {kClickToggle2}},
                                 {"EFDS", 164, 132, &g_efdsEngineRightSwitch, 97, {kClickToggle1}},
                                 {"EFDS", 164, 162, &g_efdsEngineRightSwitch, 97, {kClickToggle1}},
                                 {"Oxygen Regulator", 117, 97, &g_oxygenSupplyRegulator, 1, {kClickGuarded1}},
                                 {"Oxygen Regulator", 186, 97, &g_oxygenMasterSwitch, 1, {kClickToggle2}},
                                 {"Flight Recorder", 170, 20, &g_fdrTestSwitch, 64, {kClickToggle1}},
                                 {"Flight Recorder", 170, 60, &g_fdrTestSwitch, 43, {kClickToggle1}},
                             });
  ExpectPictureFrames(cockpit, {{&g_recirculationFanSwitch, 44, "Recirculation Fan", 2, 2},
                                {&g_efdsEngineRightSwitch, 97, "EFDS", 10, 1},
                                {&g_efdsEngineRightSwitch, 99, "EFDS", 10, 2},
                                {&g_fdrTestSwitch, 125, "Flight Recorder", 2, 1},
                                {&g_fdrTestSwitch, 64, "Flight Recorder", 2, 2}});
}

// The switch and lamp pictures, the meters' needles and the click-area
// overlays sit on their places of each panel, with the frames of their strips.
TEST(SecondOverhead, EachPictureSitsOnItsPlace) {
  Cockpit cockpit;
  cockpit.draw();
  ExpectElementPlaces(cockpit, {{"Pneumatic Pressure", 0, 0, 0},
                                {"Heater Current", 0, 0, 0},
                                {"Heater Current", 1, 22, 22},
                                {"Voice Recorder Meter", 0, 0, 0},
                                {"Voice Recorder Meter", 1, 0, 12},
                                {"Oxygen Pressure", 0, 0, 0},
                                {"Oxygen Pressure", 1, 22, 22},
                                {"Recirculation Fan", 2, 29, 17, 3},
                                {"Recirculation Fan", 3, 20, 17},
                                {"Voice Recorder", 2, 10, 0},
                                {"GSEP", 2, 120, 21, 2},
                                {"GSEP", 3, 121, 79, 2},
                                {"GSEP", 4, 88, 13, 2},
                                {"GSEP", 5, 89, 71, 2},
                                {"GSEP", 6, 49, 23, 2},
                                {"GSEP", 7, 50, 81, 2},
                                {"GSEP", 8, 190, 56, 2},
                                {"GSEP", 9, 73, 15},
                                {"EFDS", 2, 90, 13, 2},
                                {"EFDS", 3, 88, 126, 2},
                                {"EFDS", 4, 21, 73, 2},
                                {"EFDS", 5, 20, 185, 2},
                                {"EFDS", 6, 154, 73, 2},
                                {"EFDS", 7, 153, 185, 2},
                                {"EFDS", 8, 96, 64, 3},
                                {"EFDS", 9, 28, 124, 3},
                                {"EFDS", 10, 161, 124, 3},
                                {"EFDS", 11, 10, 57},
                                {"Oxygen Regulator", 2, 117, 72, 2},
                                {"Oxygen Regulator", 3, 186, 71, 2},
                                {"Oxygen Regulator", 4, 101, 56},
                                {"Flight Recorder", 2, 150, 0, 3},
                                {"Flight Recorder", 3, 149, 0}});
}

TEST(SecondOverhead, FireTestLampsByLoopSwitchAndRealFiresLightBoth) {
  Cockpit cockpit;
  cockpit.powerUp();
  cockpit.setSwitch(&g_efdsApuSwitch, 97).setSwitch(&g_efdsEngineLeftSwitch, 98).setSwitch(&g_efdsEngineRightSwitch, 99);
  SetFireTestPressed(1);
  cockpit.draw();
  const auto lamps = [&] {
    std::vector<double> values;
    for (uint32_t n = 2; n <= 7; ++n) values.push_back(cockpit.elementValue("EFDS", n));
    return values;
  };
  EXPECT_EQ(lamps(), (std::vector<double>{1, 1, 1, 0, 0, 1})) << "centre both; each side its own";
  SetFireTestPressed(0);
  cockpit.draw();
  EXPECT_EQ(lamps(), (std::vector<double>(6, 0.0)));
  cockpit.set(Token::Engine2Fire, 1.0).draw();
  EXPECT_EQ(lamps(), (std::vector<double>{0, 0, 0, 0, 1, 1})) << "engine 2 on fire, whatever its switch";
  cockpit.set(Token::Engine2Fire, 0.0).set(Token::ApuFire, 1.0).draw();
  EXPECT_EQ(lamps(), (std::vector<double>{1, 1, 0, 0, 0, 0})) << "the APU";
}

TEST(SecondOverhead, TheVoiceRecorderMeterWalksItsTestAndRestsUnpowered) {
  Cockpit cockpit;
  cockpit.click("Voice Recorder", 20, 10);
  for (int tick = 0; tick < 20; ++tick) {
    cockpit.runTicks(1);
    EXPECT_EQ(cockpit.elementValue("Voice Recorder Meter", 1), 45.0) << "no power";
  }
  cockpit.runSeconds(8).powerUp().click("Voice Recorder", 20, 10);
  std::vector<double> readings{cockpit.elementValue("Voice Recorder Meter", 1)};
  for (int tick = 0; tick < 140; ++tick) {
    cockpit.runTicks(1);
    const double value = cockpit.elementValue("Voice Recorder Meter", 1);
    if (readings.empty() || value != readings.back()) readings.push_back(value);
  }
  EXPECT_GE(readings.size(), 25u) << "the needle walks";
  ASSERT_GE(readings.size(), 2u);
  EXPECT_EQ(readings[0], 45.0) << "at rest before the test";
  EXPECT_EQ(readings[1], -10.0);
  EXPECT_EQ(readings.back(), 45.0) << "and comes back to rest";
}

TEST(SecondOverhead, HeaterCurrentBySelectorAndTheGroundForThePitotHeat) {
  const double expected[] = {0, 55, 55, 10, 15, 5, 0, 7, 4, 10, 5, 0};
  Cockpit cockpit;
  cockpit.set(Token::OnGround, 1).runTicks(1);
  for (int32_t position = 0; position <= 11; ++position) {
    cockpit.setSwitch(&g_pitotMeterSelector, position).draw();
    EXPECT_EQ(cockpit.elementValue("Heater Current", 1), expected[position]) << position;
  }
  cockpit.set(Token::OnGround, 0).setSwitch(&g_pitotMeterSelector, 1).draw();
  EXPECT_EQ(cockpit.elementValue("Heater Current", 1), -10.0) << "in the air";
  // The ice panel's selector turns round.
  cockpit.click("Ice_Protection", 190, 80);
  EXPECT_EQ(GetSwitch(&g_pitotMeterSelector), 10);
  cockpit.click("Ice_Protection", 220, 80);
  EXPECT_EQ(GetSwitch(&g_pitotMeterSelector), 1);
}

TEST(SecondOverhead, GsepLampsAndTheOxygenAndRecorderSwitches) {
  Cockpit cockpit;
  cockpit.powerUp().setSwitch(&g_apuGeneratorAvailable, 45).setSwitch(&g_externalPowerSwitch, 45);
  cockpit.setSwitch(&g_gsepApuSwitch, 41).setSwitch(&g_gsepExternalSwitch, 120).draw();
  EXPECT_EQ(cockpit.elementValue("GSEP", 6), 1.0) << "APU in use";
  EXPECT_EQ(cockpit.elementValue("GSEP", 7), 0.0);
  cockpit.click("GSEP", 90, 90).draw();
  EXPECT_EQ(cockpit.elementValue("GSEP", 6), 0.0) << "unless external power is in use";
  EXPECT_EQ(cockpit.elementValue("GSEP", 7), 1.0);
  cockpit.setSwitch(&g_externalPowerSwitch, 120).draw();
  EXPECT_EQ(cockpit.elementValue("GSEP", 6), 1.0);
  EXPECT_EQ(cockpit.elementValue("GSEP", 3), 0.0);
  cockpit.setSwitch(&g_oxygenMasterSwitch, 1).draw();
  EXPECT_EQ(cockpit.elementValue("Oxygen Pressure", 1), 55.0);
  cockpit.click("Oxygen Regulator", 185, 90).draw();
  EXPECT_EQ(cockpit.elementValue("Oxygen Pressure", 1), 0.0);
  // The recirculation fan clicks on every press; the recorder's upper half
  // does nothing at the top.
  WithClickSounds(cockpit).setSwitch(&g_recirculationFanSwitch, 44);
  size_t mark = cockpit.played().size();
  cockpit.click("Recirculation Fan", 30, 50);
  EXPECT_EQ(GetSwitch(&g_recirculationFanSwitch), 120);
  EXPECT_EQ(SoundSlots(cockpit, mark), std::vector<int>{kClickToggle2});
  cockpit.setSwitch(&g_fdrTestSwitch, 43);
  mark = cockpit.played().size();
  cockpit.click("Flight Recorder", 170, 20);
  EXPECT_EQ(GetSwitch(&g_fdrTestSwitch), 43);
  EXPECT_TRUE(SoundSlots(cockpit, mark).empty());
}

// ---- Ice protection, rain, overhead and pedestal lights ----

TEST(IceRainPanels, SignsChimeInTheirOrderUnlessTheSoundOptionIsSet) {
  Cockpit cockpit;
  WithClickSounds(cockpit).runTicks(1).setSwitch(&g_noSmokingSwitch, 120).setSwitch(&g_seatbeltSwitch, 120);
  size_t mark = cockpit.played().size();
  cockpit.click("Ice_Protection", 20, 80);   // no smoking up: click, then chime
  cockpit.click("Ice_Protection", 20, 100);  // down: chime, then click
  cockpit.click("Ice_Protection", 60, 80);   // seat belt up: chime, then click
  EXPECT_EQ(SoundSlots(cockpit, mark), (std::vector<int>{kClickToggle1, kCabinChime, kCabinChime, kClickToggle1,
                                                         kCabinChime, kClickToggle2}));
  EXPECT_EQ(GetSwitch(&g_noSmokingSwitch), 120);
  EXPECT_EQ(GetSwitch(&g_seatbeltSwitch), 44);
  cockpit.setSwitch(&g_seatbeltSwitch, kStray).click("Ice_Protection", 60, 100);
  EXPECT_EQ(GetSwitch(&g_seatbeltSwitch), 41);
  EXPECT_EQ(SoundSlots(cockpit, mark).size(), 6u) << "a stray position neither clicks nor chimes";
  cockpit.setOption(kOptionSoundOff, true);
  mark = cockpit.played().size();
  cockpit.click("Ice_Protection", 60, 80);
  EXPECT_EQ(SoundSlots(cockpit, mark), std::vector<int>{kClickToggle2});
}

// The ice panel's meter selector clicks on each step within 1..10 and turns
// round silently: left of 1 to 10, right of 10 to 1.
TEST(IceRainPanels, TheMeterSelectorClicksOnItsStepsAndTurnsRoundSilently) {
  Cockpit cockpit;
  WithClickSounds(cockpit).runTicks(1).setSwitch(&g_pitotMeterSelector, 2);
  const size_t mark = cockpit.played().size();
  const int32_t left[] = {1, 10, 9};
  for (int32_t position : left) {
    cockpit.click("Ice_Protection", 190, 80);
    EXPECT_EQ(GetSwitch(&g_pitotMeterSelector), position);
  }
  EXPECT_EQ(SoundSlots(cockpit, mark), std::vector<int>(2, kClickRotary2)) << "2 to 1 and 10 to 9";
  const int32_t right[] = {10, 1, 2};
  for (int32_t position : right) {
    cockpit.click("Ice_Protection", 220, 80);
    EXPECT_EQ(GetSwitch(&g_pitotMeterSelector), position);
  }
  EXPECT_EQ(SoundSlots(cockpit, mark), std::vector<int>(4, kClickRotary2)) << "9 to 10 and 1 to 2";
}

// Each switch, selector and lamp of the ice protection, rain and overhead
// light panels at its place, each with as many pictures as it shows: the
// sign switches three, the meter selector ten, the wiper selector four.
TEST(IceRainPanels, EachControlStandsAtItsPlaceWithItsPictures) {
  Cockpit cockpit;
  ExpectElementPlaces(cockpit, "Ice_Protection",
                      {{2, 435, 63, 2}, {3, 362, 65, 2}, {4, 420, 6, 2}, {5, 375, 6, 2}, {6, 297, 6, 2},
                       {7, 175, 42, 10}, {8, 61, 69, 3}, {9, 18, 68, 3}, {10, 34, 0, 3}});
  ExpectElementPlaces(cockpit, "Rain",
                      {{1, -3, -18}, {2, 345, 73, 2}, {3, 347, 5, 2}, {4, 306, 179, 2}, {5, 116, 142, 4},
                       {6, 42, 116, 2}});
  ExpectElementPlaces(cockpit, "OCL", {{2, 124, 2, 2}, {3, 17, 4, 2}, {4, 29, 19}});
}

// The meter and wiper selector pictures show their strip from its first
// shown to its last position only, whatever lies beyond; a switch picture's
// frames are whole.
TEST(IceRainPanels, SelectorPicturesOnEachSideOfTheirStripsEnds) {
  Cockpit cockpit;
  cockpit.runTicks(1);
  ExpectPictureFrames(cockpit, {
                                   {&g_pitotMeterSelector, 0, "Ice_Protection", 7, 0},
                                   {&g_pitotMeterSelector, 1, "Ice_Protection", 7, 0},
                                   {&g_pitotMeterSelector, 2, "Ice_Protection", 7, 1},
                                   {&g_pitotMeterSelector, 10, "Ice_Protection", 7, 9},
                                   {&g_pitotMeterSelector, 11, "Ice_Protection", 7, 0},
                                   {&g_rainWiperSwitch, 1, "Rain", 5, 0},
                                   {&g_rainWiperSwitch, 2, "Rain", 5, 1},
                                   {&g_rainWiperSwitch, 4, "Rain", 5, 3},
                                   {&g_rainWiperSwitch, 5, "Rain", 5, 0},
                                   {&g_engineAntiIceRight, kSwitchOn, "Ice_Protection", 2, 1},
                                   {&g_emergencyLightsSwitch, kSwitchOn, "Ice_Protection", 10, 2},
                                   {&g_oclPanelLight, kStray, "OCL", 3, 1},
                               });
}

TEST(IceRainPanels, TheWiperParkSpringsBackWithoutTellingTheWiper) {
  Cockpit cockpit;
  cockpit.runTicks(1).setSwitch(&g_rainWiperSwitch, 3);
  SetWiperSelector(kWiperLow);
  cockpit.mouse("Rain", 120, 160, kClick);
  EXPECT_EQ(GetSwitch(&g_rainWiperSwitch), 2);
  EXPECT_EQ(GetWiperSelector(), kWiperOff);
  cockpit.mouse("Rain", 120, 160, kRelease);
  EXPECT_EQ(GetSwitch(&g_rainWiperSwitch), 2) << "the release at 2 leaves it";
  cockpit.mouse("Rain", 120, 160, kClick);
  EXPECT_EQ(GetWiperSelector(), kWiperPark);
  cockpit.mouse("Rain", 120, 160, kRelease);
  EXPECT_EQ(GetSwitch(&g_rainWiperSwitch), 2);
  EXPECT_EQ(GetWiperSelector(), kWiperPark) << "the wiper keeps parking";
  cockpit.click("Rain", 150, 160).click("Rain", 150, 160).click("Rain", 150, 160);
  EXPECT_EQ(GetSwitch(&g_rainWiperSwitch), 4);
  EXPECT_EQ(GetWiperSelector(), kWiperHigh);
}

TEST(IceRainPanels, AirfoilSchedulesItsHeatAndTheRepellentButtonSetsTheRainFlag) {
  Cockpit cockpit;
  cockpit.runSeconds(3).setSwitch(&g_airfoilHeatSwitch, 120).click("Ice_Protection", 300, 30);
  EXPECT_EQ(GetSwitch(&g_airfoilHeatSwitch), 41);
  cockpit.runSeconds(3);
  EXPECT_NE(GetSwitch(&g_airfoilHeatCycle), kSwitchOn) << "switched on, the first heating waits a whole rest";
  cockpit.click("Ice_Protection", 300, 90);
  EXPECT_EQ(GetSwitch(&g_airfoilHeatCycle), kSwitchOn) << "the tail button heats at once";
  SetRainPanelFlag(0);
  cockpit.mouse("Rain", 40, 150, kClick);
  EXPECT_EQ(GetSwitch(&g_repellentSourceButton), 57);
  EXPECT_EQ(GetRainPanelFlag(), 1u);
  cockpit.mouse("Rain", 40, 150, kRelease);
  EXPECT_EQ(GetSwitch(&g_repellentSourceButton), 43);
}

TEST(PedestalLights, PanelLightLeavesTheSimulatorsLightsFloodTogglesThem) {
  Cockpit cockpit;
  cockpit.powerUp()
      .set(Token::PanelLights, 0)
      .clearKeyEvents()
      .setSwitch(&g_cplPanelLight, kStray)
      .click("CPL", 40, 50);
  EXPECT_EQ(GetSwitch(&g_cplPanelLight), 120) << "a stray position goes off";
  EXPECT_EQ(cockpit.keyEvents(65750).size(), 2u) << "sent in every case";
  cockpit.click("CPL", 170, 50).draw();
  EXPECT_NE(cockpit.token(Token::PanelLights), 0.0);
  EXPECT_EQ(cockpit.elementValue("CPL", 2), 1.0);
  cockpit.click("OCL", 150, 40).draw();
  EXPECT_EQ(cockpit.elementValue("OCL", 2), 0.0) << "the overhead flood toggles the same lights";
  EXPECT_EQ(cockpit.elementValue("CPL", 2), 0.0);
}

// Each control of the pedestal light and auto-brake panels plays its own
// click; the mode selector steps with it next to either of its ends.
TEST(PedestalLights, EachControlPlaysItsOwnClick) {
  Cockpit cockpit;
  WithClickSounds(cockpit).runTicks(1);
  ExpectClickSounds(cockpit, {{"CPL", 40, 50, &g_cplPanelLight, kSwitchOff, {kClickRotary1}},
                              {"CPL", 110, 50, &g_cplDigitalLight, kSwitchOff, {kClickRotary1}},
                              {"CPL", 170, 50, nullptr, 0, {kClickRotary2}},
                              {"Auto Brake", 30, 20, &g_autobrakeArmSwitch, kAutobrakeArmed, {kClickToggle1}},
                              {"Auto Brake", 30, 70, &g_autobrakeModeSelector, 2, {kClickRotary1}},
                              {"Auto Brake", 30, 70, &g_autobrakeModeSelector, 5, {kClickRotary1}},
                              {"Auto Brake", 50, 70, &g_autobrakeModeSelector, 4, {kClickRotary1}}});
}

// The switch pictures sit on their places of the panel artwork, each with
// the frames of its strip; the click-area overlay sits over the switches.
TEST(PedestalLights, EachPictureSitsOnItsPlace) {
  Cockpit cockpit;
  cockpit.draw();
  ExpectElementPlaces(cockpit, {{"CPL", 2, 154, 20, 2},
                                {"CPL", 3, 87, 20, 2},
                                {"CPL", 4, 19, 20, 2},
                                {"CPL", 5, 22, 24},
                                {"Auto Brake", 2, 9, 43, 5},
                                {"Auto Brake", 3, 28, -4, 2},
                                {"Pneumatic XFeed", 1, 254, 1, 10},
                                {"Pneumatic XFeed", 2, 1, 1, 10}});
}

TEST(PedestalLights, AutoBrakeModeStopsSilentlyAndTheCrossFeedLeversRun) {
  Cockpit cockpit;
  WithClickSounds(cockpit).runTicks(1).setSwitch(&g_autobrakeModeSelector, 1);
  const size_t mark = cockpit.played().size();
  cockpit.click("Auto Brake", 30, 70);
  EXPECT_EQ(GetSwitch(&g_autobrakeModeSelector), 1);
  EXPECT_TRUE(SoundSlots(cockpit, mark).empty());
  for (int i = 0; i < 5; ++i) cockpit.click("Auto Brake", 50, 70);
  EXPECT_EQ(GetSwitch(&g_autobrakeModeSelector), 5);
  EXPECT_EQ(SoundSlots(cockpit, mark).size(), 4u);
  cockpit.setSwitch(&g_pneumaticXFeedLeft, 10).click("Pneumatic XFeed", 20, 60).runSeconds(2).draw();
  EXPECT_EQ(GetSwitch(&g_pneumaticXFeedLeft), 1) << "run to the end that passes air";
  EXPECT_EQ(cockpit.elementValue("Pneumatic XFeed", 2), 0.0);
  EXPECT_EQ(GetSwitch(&g_pneumaticXFeedRight), 10) << "the other lever stays";
  cockpit.setSwitch(&g_pneumaticXFeedRight, 5).click("Pneumatic XFeed", 270, 60);
  EXPECT_EQ(GetSwitch(&g_pneumaticXFeedRight), 1) << "caught between its ends: back to 1";
}

}  // namespace
}  // namespace halcyon::test
