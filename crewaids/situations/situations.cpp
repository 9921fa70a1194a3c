// Cockpit situations. Each phase of flight is data: the positions of the
// saved controls by INI section and key (found through the control registry),
// the few records that are not saved, the system settings, and the simulator
// key events with the token each one depends on.

#include "crewaids/situations/situations.h"

#include <array>
#include <cmath>
#include <span>

#include "core/controls.h"
#include "core/helpers.h"
#include "core/panel_services.h"
#include "core/switch.h"
#include "crewaids/dispatch/dispatch_model.h"
#include "displays/efis/efis_dimmer.h"
#include "displays/radar/radar.h"
#include "displays/tcas/tcas.h"
#include "fmc/fms.h"
#include "systems/air_condition.h"
#include "systems/apu.h"
#include "systems/audio_panel.h"
#include "systems/dfgs.h"
#include "systems/electric.h"
#include "systems/epr.h"
#include "systems/fire_protection.h"
#include "systems/fma.h"
#include "systems/fuel_flow.h"
#include "systems/fuel_quantity.h"
#include "systems/ice_protection.h"
#include "systems/irs.h"
#include "systems/levers.h"
#include "systems/lights.h"
#include "systems/longitudinal_trim.h"
#include "systems/mag_true.h"
#include "systems/rain.h"
#include "systems/reserve_thrust.h"
#include "systems/speed_bugs.h"
#include "systems/speed_cards.h"
#include "systems/thrust_rating.h"
#include "systems/brake_temperature.h"
#include "systems/various.h"

namespace halcyon {
namespace {

constexpr int32_t kPhases = 10;  // situations 0..9 set the whole cockpit
using Column = std::array<int16_t, kPhases>;

// Cell values besides positions.
constexpr int16_t kNot = -1;    // not set in this situation
constexpr int16_t kNight = -2;  // 41 at night, else 120
constexpr int16_t kFuel = -3;   // 41 while the centre tank holds fuel, else 120

constexpr Column All(int16_t v) { return {v, v, v, v, v, v, v, v, v, v}; }

struct Control {
  const wchar_t* section;
  const wchar_t* key;
  Column position;
};

// The APU panel: set first (not in situation 9, which parks the APU last)
// and once more after every other panel, so that the APU request sees the new
// fuel-pump and electrical positions.
constexpr Control kApuPanel[] = {
    {L"APU", L"air_switch", {120, 41, 120, 120, 120, 120, 120, 120, 41, 120}},
    {L"APU", L"battery", {120, 41, 41, 41, 41, 41, 41, 41, 41, 120}},
    {L"APU", L"doors_auto", {120, 42, 120, 120, 120, 120, 120, 120, 42, 120}},
    {L"APU", L"master", {120, 48, 120, 120, 120, 120, 120, 120, 48, 120}},
    {L"APU", L"emergency_power", All(120)},
    {L"APU", L"fire_agent_1", All(120)},
    {L"APU", L"fire_agent_2", All(120)},
    {L"APU", L"fire_cont", All(43)},
};

// Every other panel, section by section in the order the cockpit sets them.
constexpr Control kPanels[] = {
    {L"ADF", L"a1_switch", All(43)},
    {L"ADF", L"ant_switch", All(76)},
    {L"ADF", L"tfr_switch", All(74)},
    {L"AIR CONDITION", L"cabin_temp", All(1)},
    {L"AIR CONDITION", L"cockpit_temp", All(1)},
    {L"AIR CONDITION", L"temp_select", All(61)},
    {L"AIR CONDITION", L"radio_rack_venturi", {62, 63, 63, 63, 63, 63, 63, 63, 63, 62}},
    {L"AIR CONDITION", L"supply_left", {120, 120, 44, 44, 44, 44, 44, 44, 44, 120}},
    {L"AIR CONDITION", L"supply_right", {120, 120, 44, 44, 44, 44, 44, 44, 44, 120}},
    {L"ART", L"art_switch", All(44)},
    {L"AUDIO PANEL", L"ident", All(41)},
    {L"AUDIO PANEL", L"volume_mkr", All(41)},
    {L"AUDIO PANEL", L"volume_vhf1", All(41)},
    {L"AUDIO PANEL", L"volume_vhf2", All(41)},
    {L"AUDIO PANEL", L"radio_int", All(120)},
    {L"AUDIO PANEL", L"volume_adf1", All(120)},
    {L"AUDIO PANEL", L"volume_adf2", All(120)},
    {L"AUDIO PANEL", L"volume_int", All(120)},
    {L"AUDIO PANEL", L"volume_nav1", All(120)},
    {L"AUDIO PANEL", L"volume_nav2", All(120)},
    {L"AUDIO PANEL", L"volume_pa", All(120)},
    {L"AUDIO PANEL", L"volume_vhf3", All(120)},
    {L"AUTOBRAKE", L"arm", {128, 128, 128, 127, 128, 128, 128, 127, 127, 128}},
    {L"AUTOBRAKE", L"mode", {2, 2, 2, 1, 2, 2, 2, 3, 3, 2}},
    {L"BRAKE TEMPERATURE", L"temp_selector", All(120)},
    {L"CABIN PRESS", L"manual_lever", All(22)},
    {L"CABIN PRESS", L"rate_limit", All(7)},
    {L"CABIN PRESS", L"system_selector", All(59)},
    {L"COCKPIT LIGHTS", L"circuit_breaker", All(120)},
    {L"COCKPIT LIGHTS", L"flood", All(120)},
    {L"COCKPIT LIGHTS", L"standby_compass", All(120)},
    {L"COCKPIT LIGHTS", L"thunderstorm", All(120)},
    {L"COMM1", L"squelch", All(43)},
    {L"COMM1", L"tfr_switch", All(79)},
    {L"COMM2", L"squelch", All(43)},
    {L"COMM2", L"tfr_switch", All(81)},
    {L"CPL", L"digital_light", {120, 41, 41, 41, 41, 41, 41, 41, 41, 120}},
    {L"CPL", L"panel_light", {120, kNight, kNight, kNight, kNight, kNight, kNight, kNight, kNight, 120}},
    {L"FGCP", L"backlight", {120, kNight, kNight, kNight, kNight, kNight, kNight, kNight, kNot, 120}},
    {L"FGCP", L"digitaL", {120, 41, 41, 41, 41, 41, 41, 41, kNot, 120}},
    {L"EFDS", L"apu_switch", All(97)},
    {L"EFDS", L"engine_switch_left", All(97)},
    {L"EFDS", L"engine_switch_right", All(97)},
    {L"ELECTRIC", L"gen_1", All(41)},
    {L"ELECTRIC", L"gen_2", All(41)},
    {L"ELECTRIC", L"apu_gen", All(43)},
    {L"ELECTRIC", L"csd_disc_1", All(43)},
    {L"ELECTRIC", L"csd_disc_2", All(43)},
    {L"ELECTRIC", L"ac_bus_x_tie", All(44)},
    {L"ELECTRIC", L"dc_bus_x_tie", All(42)},
    {L"ELECTRIC", L"ext_pwr_avaiL", All(120)},
    {L"ELECTRIC", L"ext_bus_1_sw", All(120)},
    {L"ELECTRIC", L"ext_bus_2_sw", All(120)},
    {L"ELECTRIC", L"indicator_selector", All(1)},
    {L"ELECTRIC", L"apu_bus_1_sw", {120, 41, 41, 41, 41, 41, 41, 41, 41, 120}},
    {L"ELECTRIC", L"apu_bus_2_sw", {120, 41, 41, 41, 41, 41, 41, 41, 41, 120}},
    {L"ELECTRIC", L"galley_pwr", {120, 120, 41, 41, 41, 41, 41, 41, 41, 120}},
    {L"ENGINE STARTER", L"fuel_heat_left", All(120)},
    {L"ENGINE STARTER", L"fuel_heat_right", All(120)},
    {L"ENGINE STARTER", L"start_pump", All(120)},
    {L"ENGINE STARTER", L"starter_left", All(120)},
    {L"ENGINE STARTER", L"starter_right", All(120)},
    {L"ENGINE STARTER", L"ignition", {120, 50, 50, 50, 120, 120, 50, 50, 50, 120}},
    {L"EXTERNAL LIGHTS", L"ground_flood_lights_1", All(120)},
    {L"EXTERNAL LIGHTS", L"ground_flood_lights_2", All(120)},
    {L"EXTERNAL LIGHTS", L"landing_lights", {1, 1, 1, 3, 1, 1, 3, 3, 1, 1}},
    {L"EXTERNAL LIGHTS", L"pos_strobe_lights", {120, 97, 97, 97, 97, 97, 97, 97, 97, 120}},
    {L"EXTERNAL LIGHTS", L"taxi_lights", {120, 120, 120, 41, 120, 120, 41, 41, kNight, 120}},
    {L"FDC", L"cadc", All(43)},
    {L"FDC", L"fd_cmd", All(43)},
    {L"FDC", L"vert_gyro", All(43)},
    {L"FDR", L"test_switch", All(43)},
    {L"FUEL PUMPS", L"fwd_left", {120, 41, 41, 41, 41, 41, 41, 41, 41, 120}},
    {L"FUEL PUMPS", L"fwd_right", {120, 41, 41, 41, 41, 41, 41, 41, 41, 120}},
    {L"FUEL PUMPS", L"aft_left", {120, 41, 41, 41, 41, 41, 41, 41, 41, 120}},
    {L"FUEL PUMPS", L"aft_right", {120, 41, 41, 41, 41, 41, 41, 41, 41, 120}},
    {L"FUEL PUMPS", L"fwd_center", {120, kFuel, kFuel, kFuel, kFuel, kFuel, kFuel, kFuel, kFuel, 120}},
    {L"FUEL PUMPS", L"aft_center", {120, kFuel, kFuel, kFuel, kFuel, kFuel, kFuel, kFuel, kFuel, 120}},
    {L"FUEL XFEED", L"lever", All(1)},
    {L"GEAR", L"alternate_gear_handle", All(1)},
    {L"GSEP", L"apu_switch", All(120)},
    {L"GSEP", L"ext_switch", All(120)},
    {L"GSEP", L"maint_phone", All(120)},
    {L"HYDRAULIC PUMPS", L"aux", {120, 41, 41, 41, 120, 120, 41, 41, 41, 120}},
    {L"HYDRAULIC PUMPS", L"engine1", {95, 95, 94, 94, 95, 95, 94, 94, 94, 95}},
    {L"HYDRAULIC PUMPS", L"engine2", {95, 95, 94, 94, 95, 95, 94, 94, 94, 95}},
    {L"HYDRAULIC PUMPS", L"transfer", {120, 120, 41, 41, 120, 120, 120, 120, 120, 120}},
    {L"HYDRAULIC", L"lever", All(1)},
    {L"ICE PROTECTION", L"air_foiL", All(120)},
    {L"ICE PROTECTION", L"engine_left", All(120)},
    {L"ICE PROTECTION", L"engine_right", All(120)},
    {L"ICE PROTECTION", L"ws_anti_fog", All(120)},
    {L"ICE PROTECTION", L"emergency_lights", {120, 127, 127, 127, 127, 127, 127, 127, 127, 120}},
    {L"ICE PROTECTION", L"meter_selector", {2, 3, 3, 3, 3, 3, 3, 3, 3, 2}},
    {L"ICE PROTECTION", L"no_smoking", {120, 41, 41, 41, 41, 41, 41, 41, 41, 120}},
    {L"ICE PROTECTION", L"ws_anti_ice", {120, 41, 41, 41, 41, 41, 41, 41, 41, 120}},
    {L"ICE PROTECTION", L"seatbelt", {120, 41, 41, 41, 41, 41, 41, 120, 120, 120}},
    {L"LONGITUDE TRIM", L"to_flaps", {135, kNot, kNot, 137, kNot, kNot, kNot, kNot, kNot, 135}},
    {L"OCL", L"panel_light", {120, 120, kNight, kNight, kNight, kNight, kNight, kNight, kNight, 120}},
    {L"OXYGEN", L"supply_regulator_switch", All(1)},
    {L"OXYGEN", L"master_switch", {1, 2, 2, 2, 2, 2, 2, 2, 2, 1}},
    {L"PNEUMATIC X-FEED", L"left", {10, 1, 1, 10, 10, 10, 10, 10, 10, 10}},
    {L"PNEUMATIC X-FEED", L"right", {10, 1, 1, 10, 10, 10, 10, 10, 10, 10}},
    {L"RAIN", L"annunciator_lights_dimmer", All(120)},
    {L"RAIN", L"annunciator_lights_test", All(120)},
    {L"RAIN", L"ram_air", All(120)},
    {L"RAIN", L"repellent_discharge_left", All(120)},
    {L"RAIN", L"repellent_discharge_right", All(120)},
    {L"RAIN", L"wiper", All(1)},
    {L"RAIN", L"air_condition_shutoff_override", {120, 44, 44, 44, 44, 44, 44, 44, 44, 120}},
    {L"RECIRCULATION FAN", L"fan_switch", {120, 41, 41, 41, 41, 41, 41, 41, 41, 120}},
    {L"RDI", L"switch_left", All(1)},
    {L"RDI", L"switch_right", All(1)},
    {L"SIDE SWITCHES", L"alt_static", All(43)},
    {L"SIDE SWITCHES", L"paneL", {120, kNight, kNight, kNight, kNight, kNight, kNight, kNight, kNight, 120}},
    {L"SIDE SWITCHES", L"digitaL", {120, 41, 41, 41, 41, 41, 41, 41, 41, 120}},
    {L"TRANSPONDER", L"above_below", All(43)},
    {L"TRANSPONDER", L"ident", All(120)},
    {L"TRANSPONDER", L"tcas_range", All(102)},
    {L"TRANSPONDER", L"transfer", All(83)},
    {L"TRANSPONDER", L"mode", {87, 87, 87, 90, 90, 90, 90, 90, 87, 87}},
    {L"VARIOUS", L"gpws", All(43)},
    {L"VARIOUS", L"mach_trim_comp", All(43)},
    {L"VARIOUS", L"anti_skid_test", All(120)},
    {L"VARIOUS", L"attendant_light", All(120)},
    {L"VARIOUS", L"max_speed_warn_test", All(120)},
    {L"VARIOUS", L"pa_light", All(120)},
    {L"VARIOUS", L"anti_skid", {120, 120, 120, 127, 127, 127, 127, 127, 120, 120}},
    {L"VARIOUS", L"sync", {120, 120, 120, 120, 120, 70, 120, 120, 120, 120}},
    {L"VARIOUS", L"yaw_damp", {120, 41, 41, 41, 41, 41, 41, 41, 41, 120}},
};

// The weather radar, set last with the radar's knobs (not when parking).
constexpr Control kRadarPanel[] = {
    {L"RADAR", L"mode_switch", {120, 120, 120, 109, 109, 109, 109, 109, 120, kNot}},
    {L"RADAR", L"stabilizer_switch", {120, 120, 120, 120, 120, 120, 120, 120, 120, kNot}},
};

// Records that are not saved: test buttons, handles and the companions the
// systems read.
struct Record {
  CSwitch* record;
  Column position;
};
const Record kRecords[] = {
    {&g_emergencyPowerShadow, All(120)},
    {&g_brakeTempTestButton, All(120)},
    {&g_csdTempDisplaySwitch, All(120)},
    {&g_repellentSourceButton, All(43)},
    {&g_variousTestSwitch, All(120)},
    {&g_airfoilHeatCycle, All(120)},  // the tail de-ice button's heating period ends
    {&g_engine1FireHandle, All(0)},
    {&g_engine2FireHandle, All(0)},
    {&g_fireAgent1, All(120)},
    {&g_fireAgent2, All(120)},
    {&g_fireBellSilence, All(41)},  // the warning-light reset: the fire bell silenced
    {&g_apuGeneratorAvailable, {120, kNot, 120, 120, 120, 120, 120, 120, kNot, 120}},
    {&g_fuelLever1, {1, 1, 16, 16, 16, 16, 16, 16, 16, 1}},
    {&g_fuelLever2, {1, 1, 16, 16, 16, 16, 16, 16, 16, 1}},
};

// A simulator key event: sent in the situations whose cell says so. Cells:
// 'x' always, '-' never, 'z' when the token reads zero, 'n' when it does not.
struct KeyEvent {
  uint32_t event;
  Token token;
  const char cells[kPhases + 1];
  uint32_t value = 0;
};
constexpr uint32_t kTrimEvent = 65706;
constexpr Token kNoToken{};  // for rows whose cells read none
constexpr KeyEvent kKeyEvents[] = {
    {65791, kNoToken, "xxxx----xx"}, {66288, Token::FlightDirector, "nnzzzzzznn"},
    {66389, Token::DoorsOpen, "nnnnnnnnnn"}, {kTrimEvent, kNoToken, "xxxx-----x"}, {66731, kNoToken, "xxxx-----x"},
    {66053, kNoToken, "x-------xx"}, {66052, kNoToken, "-xxxxxxx--"}, {66378, Token::LogoLights, "nnnnnnnnnn"},
    {66239, Token::BeaconLights, "nzzzzzzzzn"}, {66379, Token::NavLights, "nzzzzzzzzn"},
    {65595, kNoToken, "xxxxxxx-xx"}, {65919, kNoToken, "xx-------x"}, {65920, kNoToken, "xx-------x"},
    {66241, Token::MasterBattery, "nn-------n"}, {66242, Token::MasterAlternator, "nn-------n"},
    {66293, Token::AvionicsMaster, "nn-------n"}, {66080, kNoToken, "xxxx---xxx"},
    {65752, Token::ParkingBrake, "zznnnnnnnz"}, {65696, kNoToken, "xxxxxxxxxx"}, {66065, kNoToken, "xxxxxxxxxx"},
    {66067, kNoToken, "xxxxxxxxxx"}, {65967, kNoToken, "xxxx-----x"}, {65972, kNoToken, "xxxx-----x"},
    {66059, kNoToken, "---x--xx--"}, {65758, kNoToken, "---x------"}, {65758, kNoToken, "---x------"},
    {65758, kNoToken, "---x------"}, {66079, kNoToken, "----xxx---"}, {65603, kNoToken, "-------x--"},
    {66037, kNoToken, "xxxx-----x", 250},
};
constexpr uint32_t kKeyEventGoAround = 66224;      // beside the TOGA press
constexpr uint32_t kKeyEventPanelLightsOn = 66056;   // with the CPL panel light at night
constexpr uint32_t kKeyEventPanelLightsOff = 66057;  // and by day

// Per situation.
constexpr int32_t kTrpMode[kPhases] = {0, 1, 1, 1, 5, 6, 6, 3, 3, 0};
constexpr int32_t kApuRequest[kPhases] = {0, 4, 0, 0, 0, 0, 0, 0, 4, 0};
// 0 the four fixed bugs, else the speed-card kind from the gross weight.
constexpr int32_t kSpeedBugKind[kPhases] = {0, 0, 0, 3, 3, 0, 5, 5, 0, 0};
constexpr double kFixedBugsKt[4] = {50.0, 60.0, 65.0, 70.0};

constexpr int32_t kColdAndDark = 0;
constexpr int32_t kParked = 9;
constexpr int32_t kTakeoff = 3;
constexpr int32_t kStartApu = 10;
constexpr int32_t kGroundPower = 11;

constexpr const wchar_t* kNames[kSituationRows] = {
    L"COLD COCKPIT - ALL SYSTEMS OFF",
    L"READY FOR ENGINE START",
    L"ENGINES RUNNING - READY FOR PUSH'N'TAXI",
    L"CLEARED FOR TAKE-OFF",
    L"CLIMBOUT",
    L"CRUISING AT FL...",
    L"DESCENDING",
    L"CLEARED TO LAND",
    L"CLEANUP AFTER LANDING",
    L"PARKING IT FOR THE NIGHT",
    L"",
    L"START APU",
    L"CONNECT GROUND POWER UNIT",
    L"", L"", L"", L"", L"", L"", L"",
};

int32_t g_unresolved = 0;

bool IsNight() {
  const double hour = ReadToken(Token::ClockHour);
  return hour > 19.0 || hour < 7.0;
}

int32_t PositionOf(int16_t cell) {
  switch (cell) {
    case kNight:
      return IsNight() ? kSwitchOn : kSwitchOff;
    case kFuel:
      return GetFuelQuantityValue(kTankCenter) > 25.0 ? kSwitchOn : kSwitchOff;
    default:
      return cell;
  }
}

// A lever set here stands where the situation puts it: a run of its
// animation under way ends, or it would carry the lever on to its far end.
void Set(const wchar_t* section, const wchar_t* key, int32_t position) {
  if (!SetControlRecord(section, key, position)) {
    ++g_unresolved;
    return;
  }
  EndLeverRun(FindControlRecord(section, key));
}

void SetControls(std::span<const Control> controls, int32_t k) {
  for (const Control& control : controls) {
    if (control.position[k] != kNot) Set(control.section, control.key, PositionOf(control.position[k]));
  }
}

bool Sends(const KeyEvent& event, int32_t k) {
  switch (event.cells[k]) {
    case 'x':
      return true;
    case 'z':
      return ReadToken(event.token) == 0.0;
    case 'n':
      return ReadToken(event.token) != 0.0;
    default:
      return false;
  }
}

double DispatchPayload() {
  double pounds = 0.0;
  for (int32_t zone = 1; zone <= 4; ++zone) pounds += GetZoneWeight(zone);
  for (int32_t hold = 0; hold < kHoldCount; ++hold) pounds += GetDispatchWeight(hold);
  return pounds;
}

// Take-off trim: cold and parked reset the centre of gravity to 0 % MAC;
// the take-off situation trims for the dispatch load.
int32_t TakeoffTrim(int32_t k) {
  if (k == kTakeoff) {
    SetMacPercent(static_cast<int32_t>(std::trunc(ComputeTakeoffData())));
    ComputeTrimSetting();
    return TrimSettingToSimUnits(GetTrimSetting());
  }
  if (k == kColdAndDark || k == kParked) {
    SetMacPercent(0);
    ComputeTrimSetting();
  }
  return 0;
}

void SystemSettings(int32_t k) {
  SetAirconValveTemp(0, 0.0);
  SetAirconValveTemp(1, 0.0);
  SetArtState(0);
  SetAudioSelector(1);
  MoveControl(L"CABIN PRESS", L"landing_altitude", 0);
  SetBatteryCharge(kBatteryFullCharge);
  SetEprBugMode(&g_eprBug1, kEprBugTrp);
  SetEprBugMode(&g_eprBug2, kEprBugTrp);
  SetPayload(DispatchPayload());
  SetTrpMode(kTrpMode[k]);
  SetWiperSelector(0);
  if (k <= kTakeoff) ResetFuelUsed();
}

void SendKeyEvents(int32_t k, int32_t trimUnits) {
  for (const KeyEvent& event : kKeyEvents) {
    if (!Sends(event, k)) continue;
    TriggerKeyEvent(event.event, event.event == kTrimEvent ? static_cast<uint32_t>(trimUnits) : event.value);
  }
  if (k == 2 || k == kTakeoff) {
    PressToga();
    TriggerKeyEvent(kKeyEventGoAround, 0);
  }
}

void SetIrs(int32_t k) {
  const int32_t position = k == kColdAndDark || k == kParked ? int32_t{kSwitchOff} : int32_t{kIrsNav};
  for (CSwitch* record : {&g_irs1Selector, &g_irs1State, &g_irs2Selector, &g_irs2State}) SetSwitch(record, position);
}

void Displays(int32_t k) {
  const bool dark = k == kColdAndDark || k == kParked;
  if (dark) {
    for (int32_t n = 0; n < 3; ++n) SetEfisDimmer(n, 0.0);
    if (g_tcas != nullptr) g_tcas->SetDimmer(0.0);
  } else {
    if (GetEfisDimmer(0) < 0.3) SetEfisDimmer(0, 1.0);
    if (GetEfisDimmer(1) < 0.3) SetEfisDimmer(1, 1.0);
    if (GetEfisDimmer(2) < 0.2) SetEfisDimmer(2, 0.5);
    if (g_tcas != nullptr && g_tcas->GetDimmer() < 0.5) g_tcas->SetDimmer(1.0);
    if (g_fms.GetBrightness() < 0.5) g_fms.SetBrightness(1.0);
  }
  Set(L"EFIS SWITCHING", L"efis_switch", 43);
  if (!dark) g_fms.AlignToAircraftPosition();
  if (k == kParked) return;
  SetMagTrueMode(0);
  SetControls(kRadarPanel, k);
  g_radarRange = 2;
  g_radarTilt = 0.0;
  g_radarGain = 0.9;
  if (g_radarBrightness < 0.5) g_radarBrightness = 0.6;
}

void ApplyPhase(int32_t k) {
  if (k != kParked) SetControls(kApuPanel, k);
  SetControls(kPanels, k);
  for (const Record& record : kRecords) {
    if (record.position[k] == kNot) continue;
    SetSwitch(record.record, record.position[k]);
    EndLeverRun(record.record);
  }
  // The units start toward the switch unless already there or on their way.
  MoveLandingLightSwitch(GetSwitch(&g_landingLightSwitch));
  // The panel lights' key event goes with the CPL panel light where it
  // follows the time of day.
  if (k != kColdAndDark && k != kParked) {
    TriggerKeyEvent(IsNight() ? kKeyEventPanelLightsOn : kKeyEventPanelLightsOff, 0);
  }
  SystemSettings(k);
  SendKeyEvents(k, TakeoffTrim(k));

  SetControls(kApuPanel, k);
  SetSwitch(&g_emergencyPowerShadow, kSwitchOff);
  RequestApuState(kApuRequest[k]);
  if (kSpeedBugKind[k] == 0) {
    for (int32_t bug = 0; bug < 4; ++bug) SetSpeedBug(bug + 1, kFixedBugsKt[bug]);
  } else {
    SetSpeedBugsForWeight(kSpeedBugKind[k], static_cast<int32_t>(std::trunc(GetPanelGrossWeight())));
  }
  if (k != kParked) {
    ClearAutothrottleDisconnect();
    SetSwitch(&g_autopilotAlertSwitch, kSwitchOff);
  }
  SetIrs(k);
  Displays(k);
}

void StartApu() {
  SetSwitch(&g_batterySwitch, kSwitchOn);
  SetSwitch(&g_apuFireAgent1Switch, kSwitchOff);
  SetSwitch(&g_apuFireAgent2Switch, kSwitchOff);
  SetSwitch(&g_apuAirSwitch, kSwitchOn);
  SetSwitch(&g_apuDoorsSwitch, kSwitchOff);
  SetSwitch(&g_apuFireControlSwitch, 43);
  SetSwitch(&g_apuMasterSwitch, 48);
  SetSwitch(&g_emergencyPowerSwitch, kSwitchOff);
  SetSwitch(&g_emergencyPowerShadow, kSwitchOff);
  RequestApuState(4);
  SetSwitch(&g_apuBus1Switch, kSwitchOn);
  SetSwitch(&g_apuBus2Switch, kSwitchOn);
}

void ConnectGroundPower() {
  if (ReadToken(Token::OnGround) == 0.0) return;
  SetSwitch(&g_externalPowerSwitch, kExternalPowerAvailable);
  SetSwitch(&g_externalBus1Switch, kSwitchOn);
  SetSwitch(&g_externalBus2Switch, kSwitchOn);
}

// The host and the tests choose a situation by its row, as the training
// centre's list does.
const ControlsAtLoad kControlsAtLoad{[] {
  RegisterControl(L"Situations", L"row", nullptr, [](int32_t row) { ApplySituation(SituationOfRow(row)); }, nullptr,
                  ControlRange{1, kSituationRows});
  DescribeControlAction(L"Situations", L"row", "a cockpit situation being set");
}};

}  // namespace

const wchar_t* GetSituationName(int32_t row) {
  if (row < 1 || row > kSituationRows) return L"";
  return kNames[row - 1];
}

int32_t SituationOfRow(int32_t row) {
  if (row >= 1 && row <= kPhases) return row - 1;
  if (row == 12) return kStartApu;
  if (row == 13) return kGroundPower;
  return -1;
}

void ApplySituation(int32_t k) {
  if (k >= 0 && k < kPhases) {
    ApplyPhase(k);
  } else if (k == kStartApu) {
    StartApu();
  } else if (k == kGroundPower) {
    ConnectGroundPower();
  }
}

int32_t SituationControlsUnresolved() { return g_unresolved; }

}  // namespace halcyon
