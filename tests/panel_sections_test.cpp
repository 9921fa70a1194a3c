// The saved sections of the lights, ice protection, radios, audio panel,
// heading reference, checklist, recorder, oxygen, trim knobs and fan: a
// prepared file comes back unchanged after a flight, a fresh file gives the
// defaults, and a position out of range loads as off.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "systems/kept_controls.h"
#include "systems/lights.h"
#include "systems/mag_true.h"
#include "systems/radios.h"
#include "tests/cockpit.h"

namespace halcyon::test {
namespace {

struct Saved {
  std::string section;
  std::string key;
  std::string value;
};

// Every key of these sections, each away from its default.
const std::vector<Saved> kPrepared = {
    {"COCKPIT LIGHTS", "circuit_breaker", "41"}, {"COCKPIT LIGHTS", "standby_compass", "41"},
    {"COCKPIT LIGHTS", "thunderstorm", "43"},    {"COCKPIT LIGHTS", "flood", "41"},
    {"CPL", "panel_light", "41"},                {"CPL", "digital_light", "43"},
    {"OCL", "panel_light", "44"},                {"RDI", "switch_left", "2"},
    {"RDI", "switch_right", "3"},                {"SIDE SWITCHES", "paneL", "41"},
    {"SIDE SWITCHES", "digitaL", "41"},          {"SIDE SWITCHES", "alt_static", "44"},
    {"EXTERNAL LIGHTS", "landing_lights", "2"},  {"EXTERNAL LIGHTS", "taxi_lights", "41"},
    {"EXTERNAL LIGHTS", "ground_flood_lights_1", "41"}, {"EXTERNAL LIGHTS", "ground_flood_lights_2", "41"},
    {"EXTERNAL LIGHTS", "pos_strobe_lights", "97"},
    {"ICE PROTECTION", "emergency_lights", "41"}, {"ICE PROTECTION", "no_smoking", "41"},
    {"ICE PROTECTION", "seatbelt", "41"},         {"ICE PROTECTION", "meter_selector", "2"},
    {"ICE PROTECTION", "air_foiL", "41"},         {"ICE PROTECTION", "ws_anti_fog", "41"},
    {"ICE PROTECTION", "ws_anti_ice", "41"},      {"ICE PROTECTION", "engine_left", "41"},
    {"ICE PROTECTION", "engine_right", "41"},
    {"CHECKLIST", "current_checklist", "4"},      {"FDR", "test_switch", "64"},
    {"OXYGEN", "supply_regulator_switch", "2"},   {"OXYGEN", "master_switch", "2"},
    {"RECIRCULATION FAN", "fan_switch", "44"},    {"RUDDERTRIM", "trim", "4"},
    {"AILERONTRIM", "trim_knob", "6"},
    {"ADF", "adf1_100", "2"}, {"ADF", "adf1_010", "7"}, {"ADF", "adf1_001", "5"}, {"ADF", "adf1_ext", "5"},
    {"ADF", "adf2_100", "4"}, {"ADF", "adf2_010", "1"}, {"ADF", "adf2_001", "9"}, {"ADF", "adf2_ext", "2"},
    {"ADF", "tfr_switch", "75"}, {"ADF", "a1_switch", "78"}, {"ADF", "ant_switch", "77"},
    {"COMM1", "tfr_switch", "80"}, {"COMM1", "squelch", "41"},
    {"COMM2", "tfr_switch", "82"}, {"COMM2", "squelch", "120"},
    {"NAV", "active_nav_unit", "1"},
    {"TRANSPONDER", "transfer", "84"}, {"TRANSPONDER", "above_below", "112"},
    {"TRANSPONDER", "mode", "89"},     {"TRANSPONDER", "ident", "41"},
    {"TRANSPONDER", "tcas_range", "100"},
    {"AUDIO PANEL", "radio_int", "41"},   {"AUDIO PANEL", "ident", "41"},
    {"AUDIO PANEL", "volume_vhf1", "120"}, {"AUDIO PANEL", "volume_vhf2", "120"},
    {"AUDIO PANEL", "volume_vhf3", "41"},  {"AUDIO PANEL", "volume_pa", "41"},
    {"AUDIO PANEL", "volume_int", "41"},   {"AUDIO PANEL", "volume_nav1", "41"},
    {"AUDIO PANEL", "volume_nav2", "41"},  {"AUDIO PANEL", "volume_mkr", "120"},
    {"AUDIO PANEL", "volume_adf1", "41"},  {"AUDIO PANEL", "volume_adf2", "41"},
    {"MAG TRUE", "toggle_switch", "1"},
};

// What a file without these sections gives back at shut-down.
const std::vector<Saved> kDefaults = {
    {"COCKPIT LIGHTS", "flood", "120"},        {"CPL", "digital_light", "120"},
    {"RDI", "switch_right", "1"},              {"SIDE SWITCHES", "alt_static", "43"},
    {"EXTERNAL LIGHTS", "landing_lights", "1"}, {"EXTERNAL LIGHTS", "pos_strobe_lights", "120"},
    {"ICE PROTECTION", "meter_selector", "1"}, {"ICE PROTECTION", "engine_right", "120"},
    {"CHECKLIST", "current_checklist", "11"},  {"FDR", "test_switch", "43"},
    {"OXYGEN", "supply_regulator_switch", "1"}, {"OXYGEN", "master_switch", "1"},
    {"RECIRCULATION FAN", "fan_switch", "0"},  {"RUDDERTRIM", "trim", "1"},
    {"AILERONTRIM", "trim_knob", "1"},
    {"ADF", "adf1_100", "3"}, {"ADF", "adf1_010", "3"}, {"ADF", "adf1_001", "6"}, {"ADF", "adf1_ext", "0"},
    {"ADF", "adf2_001", "6"}, {"ADF", "tfr_switch", "74"}, {"ADF", "a1_switch", "43"},
    {"ADF", "ant_switch", "76"},
    {"COMM1", "tfr_switch", "79"}, {"COMM1", "squelch", "43"}, {"COMM2", "tfr_switch", "81"},
    {"COMM2", "squelch", "43"},    {"NAV", "active_nav_unit", "0"},
    {"TRANSPONDER", "transfer", "83"}, {"TRANSPONDER", "above_below", "43"}, {"TRANSPONDER", "mode", "87"},
    {"TRANSPONDER", "ident", "120"},   {"TRANSPONDER", "tcas_range", "102"},
    {"AUDIO PANEL", "radio_int", "120"}, {"AUDIO PANEL", "volume_vhf1", "41"},
    {"AUDIO PANEL", "volume_vhf2", "41"}, {"AUDIO PANEL", "volume_mkr", "41"},
    {"AUDIO PANEL", "volume_adf2", "120"},
    {"MAG TRUE", "toggle_switch", "0"},
};

std::string IniText(const std::vector<Saved>& values) {
  std::string text;
  std::string section;
  for (const Saved& saved : values) {
    if (saved.section != section) text += "[" + saved.section + "]\r\n";
    section = saved.section;
    text += saved.key + "=" + saved.value + "\r\n";
  }
  return text;
}

void ExpectSaved(const Cockpit& cockpit, const std::vector<Saved>& values) {
  for (const Saved& saved : values) {
    EXPECT_EQ(cockpit.ini(saved.section, saved.key), saved.value) << "[" << saved.section << "] " << saved.key;
  }
}

TEST(PanelSections, APreparedFileComesBackUnchangedAfterAFlight) {
  Cockpit cockpit({.start = false});
  cockpit.writeFile(Cockpit::kAircraftIniFile, IniText(kPrepared));
  cockpit.start();
  EXPECT_EQ(GetMagTrueMode(), 1u);
  EXPECT_EQ(IsNavUnit1Active(), 1u);
  EXPECT_EQ(GetAdfDigit(1), 7u);
  EXPECT_EQ(GetSwitch(&g_currentChecklistSwitch), 4);
  cockpit.runTicks(100).shutdown();
  ExpectSaved(cockpit, kPrepared);
}

TEST(PanelSections, AFreshFileGivesTheDefaults) {
  Cockpit cockpit;
  EXPECT_EQ(GetSwitch(&g_currentChecklistSwitch), 11);
  EXPECT_EQ(GetSwitch(&g_recirculationFanSwitch), 0) << "a position no click gives";
  cockpit.runTicks(100).shutdown();
  ExpectSaved(cockpit, kDefaults);
}

TEST(PanelSections, OutOfRangePositionsLoadAsOffAndAnyHeadingReferenceAsTrue) {
  Cockpit cockpit({.start = false});
  cockpit.writeFile(Cockpit::kAircraftIniFile,
                    "[FDR]\r\ntest_switch=200\r\n[RUDDERTRIM]\r\ntrim=7\r\n[AILERONTRIM]\r\ntrim_knob=0000005\r\n"
                    "[OXYGEN]\r\nmaster_switch=-1\r\n[MAG TRUE]\r\ntoggle_switch=7\r\n"
                    "[NAV]\r\nactive_nav_unit=2\r\n[CPL]\r\npanel_light=abc\r\n[OCL]\r\npanel_light=139\r\n");
  cockpit.start();
  EXPECT_EQ(GetSwitch(&g_fdrTestSwitch), 120);
  EXPECT_EQ(GetSwitch(&g_rudderTrimKnob), 7) << "a frame out of the knob's range but in the record's stays";
  EXPECT_EQ(GetSwitch(&g_aileronTrimKnob), 5) << "the aileron knob is read through a wider buffer";
  EXPECT_EQ(GetSwitch(&g_oxygenMasterSwitch), 120);
  EXPECT_EQ(GetSwitch(&g_oclPanelLight), 120);
  EXPECT_EQ(GetMagTrueMode(), 1u);
  EXPECT_EQ(IsNavUnit1Active(), 0u) << "only 1 selects NAV 1";
  cockpit.shutdown();
  EXPECT_EQ(cockpit.ini("FDR", "test_switch"), "120");
  EXPECT_EQ(cockpit.ini("RUDDERTRIM", "trim"), "7");
  EXPECT_EQ(cockpit.ini("MAG TRUE", "toggle_switch"), "1");
  EXPECT_EQ(cockpit.ini("NAV", "active_nav_unit"), "0");
  EXPECT_EQ(cockpit.ini("CPL", "panel_light"), "0") << "text with no number reads as 0";
}

TEST(PanelSections, HeadingReferenceAndNavUnitSetters) {
  Cockpit cockpit;
  SetMagTrueMode(1);
  SetMagTrueMode(2);
  EXPECT_EQ(GetMagTrueMode(), 1u) << "2 is ignored";
  ToggleMagTrueMode();
  EXPECT_EQ(GetMagTrueMode(), 0u);
  ToggleActiveNavUnit();
  EXPECT_EQ(IsNavUnit1Active(), 1u);
  ToggleActiveNavUnit();
  EXPECT_EQ(IsNavUnit1Active(), 0u);
  g_checklistItem = 5;
  ResetChecklistItem();
  EXPECT_EQ(g_checklistItem, 0);
}

}  // namespace
}  // namespace halcyon::test
