// The gauge table the simulator reads, the twenty tooltip mouse tables, their
// tooltip values, clicks through the host, and the element helpers.
#include <dlfcn.h>
#include <gtest/gtest.h>

#include <iterator>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "core/switch.h"
#include "gauges/element_helpers.h"
#include "gauges/fms.h"
#include "simhost/mouse_rects.h"
#include "simhost/run_log.h"
#include "simhost/scenario.h"
#include "systems/brake_temperature.h"
#include "systems/cabin_press.h"
#include "systems/fire_protection.h"
#include "systems/menu_state.h"
#include "systems/speed_bugs.h"
#include "systems/tas_sat.h"
#include "tests/cockpit.h"

namespace halcyon::test {
namespace {

using platform::MOUSERECT;

std::vector<MOUSERECT> EntriesBeforeEnd(const MOUSERECT* rects) {
  std::vector<MOUSERECT> entries;
  for (const MOUSERECT* rect = rects; rect->type != platform::kMouseRectEnd; ++rect) entries.push_back(*rect);
  return entries;
}

struct TableShape {
  const char* gauge;
  size_t entries;    // parent, tooltip, controls, end of parent
  uint32_t tooltipArgs;
  const char* tooltipText;
};

constexpr TableShape kTables[] = {
    {"Airspeed", 14, 2, "Airspeed Indicator.\nAirspeed: %1!3d! KIAS\nMach: %2!5.3f!\nClick to toggle Speed Cards."},
    {"Altimeter", 9, 3, "Altitude Indicator.\nAltitude: %1!d! feet\nMillibar: %2!d!\nIn Hg: %3!5.2f!"},
    {"Clock", 5, 2, "Clock.\nTime: %1!02d!:%2!02d!"},
    {"Brake_Pressure", 3, 1, "Brake Pressure."},
    {"FMA", 6, 1, "Flight Mode Annunciator."},
    {"Engine Fire", 9, 2, "Engine Fire Handles.\nAgent 1: %1!d!%%\nAgent 2: %2!d!%%"},
    {"Standby Attitude", 3, 1, "Standby Attitude Indicator."},
    {"Standby Combi", 5, 4,
     "Standby ALT/IAS Indicator.\nAltitude: %1!d! feet\nMillibar: %2!d!\nIn Hg: %3!5.2f!\nAirspeed: %4!d!"},
    {"TRP", 12, 1, "Thrust Rating Panel (TRP).\nSelects thrust rating mode.\nSets EPR bug."},
    {"Cabin_Pressure_Indicator", 3, 2,
     "Cabin Pressurization.\nCabin Altitude: %1!d! Feet\nPressure Differential: %2!.2f! PSI"},
    {"Cabin_Climb", 3, 1, "Cabin Climb Indicator.\nVS: %1!d! feet/minute"},
    {"Audio Panel", 21, 1, "Audio Panel.\n(switch up = ON)"},
    {"Brake Temperature", 3, 1, "Brake Temperature:\nTemperature: %1!d!\xC2\xB0"},
    {"TAS SAT", 4, 3, "TAS/SAT/TAT.\nTAS: %1!d!kts\nSAT: %2!d!C\nTAT: %3!d!C"},
    {"Menu", 18, 1, "View Menu\nClick to select a new view."},
    {"EFIS PFD", 4, 1, "Primary Flight Display."},
    {"EFIS ND", 8, 1, "Navigation Display."},
    {"FMS", 76, 1, "Flight Management System."},
    {"TCAS", 8, 1, "Traffic Alert and Collision Avoidance System."},
    {"TCAS Display", 4, 1, "Traffic Alert and Collision Avoidance System."},
};

TEST(GaugeTable, LinkageListsThe166GaugesInPanelOrder) {
  Cockpit cockpit({.start = false});
  const auto& gauges = cockpit.host().Module().Gauges();
  ASSERT_EQ(gauges.size(), 166u);
  EXPECT_STREQ(gauges.front()->name, "Airspeed");
  EXPECT_STREQ(gauges[1]->name, "NAV");
  EXPECT_STREQ(gauges[2]->name, "Altimeter");
  EXPECT_STREQ(gauges[115]->name, "Center");  // the crew-aid pages are 116 to 124
  EXPECT_STREQ(gauges[123]->name, "Pushback");
  EXPECT_STREQ(gauges.back()->name, "MagTrue");

  std::set<std::string> names;
  std::set<std::string> withTables;
  for (const platform::GAUGEHDR* gauge : gauges) {
    names.insert(gauge->name);
    if (gauge->mouseRects != nullptr) withTables.insert(gauge->name);
    // The gauges built so far act on panel services; "Airspeed" also drives the lifecycle, the displays draw their screens.
    const std::string name = gauge->name;
    const std::set<std::string> withCallbacks = {"Airspeed", "Altimeter", "Clock", "FGCP Lights", "Brake_Pressure",
                                                 "Radar Display", "TCAS Display", "FMS", "EFIS PFD", "EFIS ND",
                                                 "DFGS", "FMA", "NAV"};
    const std::set<std::string> systemsPanels = {
        "Cabin_Pressure", "Cabin_Pressure_Indicator", "Cabin_Climb", "Air_Condition", "Air_Condition_L_Valve",
        "Air_Condition_R_Valve", "Air_Condition_L_Pressure", "Air_Condition_R_Pressure", "Air_Condition_Temperature",
        "Ice_Protection", "Rain", "OCL", "IRS", "FDC", "Various", "Various2", "Cockpit_Lights", "Pneumatic Pressure",
        "Recirculation Fan", "Heater Current", "Voice Recorder", "Voice Recorder Meter", "GSEP", "EFDS",
        "Oxygen Regulator", "Oxygen Pressure", "Flight Recorder", "CPL", "Auto Brake", "Pneumatic XFeed"};
    const bool overheadBuilt = name.starts_with("Electrical") || name == "Engine_Starter" || name == "Fuel_Pumps" ||
                               name.starts_with("APU") || name.starts_with("Side Switches") ||
                               systemsPanels.contains(name);
    const std::set<std::string> centreWithCallbacks = {"EDP", "Fuel_Quantity", "Engine Fire", "Warning Lights",
                                                       "Pellams Warning Lights", "GPWS", "Gear_Handle",
                                                       "Gear_Indicators"};
    const std::set<std::string> forwardBuilt = {"FMS Display 2", "FMS Display 3", "EFIS MCP", "EFIS MCP2", "TCAS",
                                                "MagTrue", "Standby Attitude", "Standby Combi", "RDI",
                                                "External Lights", "TOGA Button", "EFIS Dimmer", "EFIS Control"};
    const bool popupBuilt = name == "Menu" || name == "Checklist" || name == "Speed Cards" ||
                            name == "Start Flying" || name.starts_with("Window Close");
    const std::set<std::string> pedestalBuilt = {
        "Throttlebox", "Flapsbox",        "Longitude Trim",    "Stabilizer Trim",  "Rudder Trim",
        "Aileron Trim", "Alternate Gear", "Gear Horn VC",      "Radar",            "Radar Display 2",
        "Hydraulic Pumps", "Brake Temperature", "Brake Temperature Controls", "ART", "External Lights FO",
        "Stearing Wheel", "TAS SAT", "SDP", "TRP", "Slip", "ADF", "COMM1", "COMM2", "Transponder", "Audio Panel",
        "SELCAL"};
    const std::set<std::string> trainingCentre = {"Center", "Center Training", "Training Guide", "Training Pointers"};
    EXPECT_EQ(gauge->callback != nullptr, withCallbacks.contains(name) || overheadBuilt ||
                                              centreWithCallbacks.contains(name) || forwardBuilt.contains(name) ||
                                              popupBuilt || pedestalBuilt.contains(name) || name == "Center Dispatch" ||
                                              trainingCentre.contains(name))
        << name;
  }
  EXPECT_EQ(names.size(), 166u) << "gauge names are unique";
  std::set<std::string> expected = {"FGCP Lights", "DFGS", "NAV"};  // tables without a tooltip
  expected.insert({"Electrical", "Engine_Starter", "Fuel_Pumps", "APU", "Side Switches", "Side Switches2"});
  expected.insert({"EDP", "Fuel_Quantity", "Warning Lights", "Pellams Warning Lights", "Annunciator Digital Lights Test",
                   "GPWS", "Gear_Handle", "Gear_Indicators"});
  expected.insert({"Cabin_Pressure", "Air_Condition", "Ice_Protection", "Rain", "OCL", "IRS", "FDC", "Various",
                   "Various2", "Cockpit_Lights", "Recirculation Fan", "Voice Recorder", "GSEP", "EFDS",
                   "Oxygen Regulator", "Flight Recorder", "CPL", "Auto Brake", "Pneumatic XFeed"});
  expected.insert({"EFIS MCP", "EFIS MCP2", "MagTrue", "External Lights", "TOGA Button", "EFIS Dimmer",
                   "EFIS Control", "RDI"});
  expected.insert({"Checklist", "Speed Cards", "Start Flying", "Splash"});
  for (int n : {1, 2, 3, 4, 5, 8, 9, 10, 11, 12, 13, 14, 15, 16, 20, 21, 22, 23, 24, 25, 28, 30, 31}) {
    expected.insert("Hotspot " + std::to_string(n));  // "Hotspot 17" is a frame without a control
  }
  for (int n : {1, 2, 3, 4, 5, 6, 8, 9}) expected.insert("Window Close " + std::to_string(n));
  expected.insert({"Throttlebox", "Flapsbox", "Longitude Trim", "Stabilizer Trim", "Rudder Trim", "Aileron Trim",
                   "Alternate Gear", "Gear Horn VC", "Radar", "Hydraulic Pumps", "Brake Temperature Controls", "ART",
                   "External Lights FO", "Stearing Wheel"});
  expected.insert({"EOAP", "EOAP Zoom", "EOAP Display 1", "EOAP Display 2", "ADF", "COMM1", "COMM2", "Transponder"});
  expected.insert({"Center Dispatch", "Center Options", "Center Updated", "Pushback"});
  for (const TableShape& table : kTables) expected.insert(table.gauge);
  expected.insert("Mentor VA Editor");
  expected.insert({"Center", "Center Training", "Training Guide"});  // the pointer overlay takes no clicks
  EXPECT_EQ(withTables, expected);
}

// The width in millimetres each gauge is designed at, from which the
// simulator scales it into its box: the families alike (the window-close
// boxes, the two alert displays, the two warning-light panels) and gauges of
// the glareshield, the popups, the centre, forward and overhead panels.
TEST(GaugeTable, EachGaugeIsDesignedAtItsWidth) {
  Cockpit cockpit({.start = false});
  int closeBoxes = 0;
  for (const platform::GAUGEHDR* gauge : cockpit.host().Module().Gauges()) {
    if (!std::string(gauge->name).starts_with("Window Close ")) continue;
    ++closeBoxes;
    EXPECT_EQ(gauge->widthMm, 15.0) << gauge->name;
  }
  EXPECT_EQ(closeBoxes, 8);
  struct Width {
    const char* gauge;
    double mm;
  };
  for (const Width& w : {Width{"FMA", 216.0}, {"Speed Cards", 170.0}, {"Warning Lights", 280.0},
                         {"Pellams Warning Lights", 280.0}, {"Standby Attitude", 256.0}, {"DME", 85.0},
                         {"EOAP Display 1", 260.0}, {"EOAP Display 2", 260.0}, {"APU", 200.0}}) {
    EXPECT_EQ(cockpit.gauge(w.gauge)->widthMm, w.mm) << w.gauge;
  }
}

// Each gauge draws its own elements and answers its own clicks: no two
// gauges of the table share an element list or a mouse table.
TEST(GaugeTable, EveryGaugeHasItsOwnElementsAndMouseTable) {
  Cockpit cockpit({.start = false});
  std::set<const platform::ELEMENT_HEADER*> elements;
  std::set<const MOUSERECT*> tables;
  for (const platform::GAUGEHDR* gauge : cockpit.host().Module().Gauges()) {
    if (gauge->elements != nullptr) {
      EXPECT_TRUE(elements.insert(gauge->elements).second) << gauge->name;
    }
    if (gauge->mouseRects != nullptr) {
      EXPECT_TRUE(tables.insert(gauge->mouseRects).second) << gauge->name;
    }
  }
}

TEST(MouseTables, TwentyTablesHaveTheirCountsShapesAndTooltips) {
  Cockpit cockpit({.start = false});
  for (const TableShape& table : kTables) {
    SCOPED_TRACE(table.gauge);
    const platform::GAUGEHDR* gauge = cockpit.gauge(table.gauge);
    ASSERT_NE(gauge, nullptr);
    const std::vector<MOUSERECT> entries = EntriesBeforeEnd(gauge->mouseRects);
    ASSERT_EQ(entries.size(), table.entries);

    const MOUSERECT& parent = entries.front();
    EXPECT_EQ(parent.type, platform::kMouseRectParent);
    EXPECT_EQ(parent.x | parent.y | parent.width | parent.height, 0);
    EXPECT_EQ(parent.cursor, platform::kCursorNone);

    const MOUSERECT& tooltip = entries[1];
    EXPECT_EQ(tooltip.type, platform::kMouseRectTooltip);
    EXPECT_EQ(tooltip.x | tooltip.y | tooltip.width | tooltip.height, 0);
    EXPECT_EQ(tooltip.cursor, platform::kCursorNone);
    EXPECT_EQ(tooltip.helpId, 0u);
    EXPECT_EQ(tooltip.mouseFlags, 0u);
    EXPECT_EQ(tooltip.eventId, table.tooltipArgs);
    EXPECT_STREQ(tooltip.tooltipText, table.tooltipText);
    ASSERT_NE(tooltip.tooltipArgs, nullptr);
    const bool plain = std::string(table.tooltipText).find("%1") == std::string::npos;
    for (uint32_t i = 0; i < table.tooltipArgs; ++i) EXPECT_EQ(tooltip.tooltipArgs[i].value == nullptr, plain);

    for (size_t i = 2; i + 1 < entries.size(); ++i) {
      EXPECT_EQ(entries[i].type, platform::kMouseRectChild) << "entry " << i;
      EXPECT_NE(entries[i].function, nullptr) << "entry " << i;
      EXPECT_NE(entries[i].mouseFlags, 0u) << "entry " << i;
      EXPECT_GT(entries[i].width, 0) << "entry " << i;
      EXPECT_GT(entries[i].height, 0) << "entry " << i;
    }
    EXPECT_EQ(entries.back().type, platform::kMouseRectEndParent);
  }
}

// What the tables must do for the pilot: every control can be clicked, at
// least at the centre of its box (no earlier control covers it whole), and a
// knob's arrows point the way they turn it.
TEST(MouseTables, EveryControlIsReachableAndItsArrowPointsItsWay) {
  Cockpit cockpit({.start = false});
  using enum platform::MouseCursor;
  for (const TableShape& table : kTables) {
    SCOPED_TRACE(table.gauge);
    const MOUSERECT* rects = cockpit.gauge(table.gauge)->mouseRects;
    const std::vector<MOUSERECT> entries = EntriesBeforeEnd(rects);
    for (size_t i = 2; i + 1 < entries.size(); ++i) {
      const MOUSERECT& rect = entries[i];
      const int32_t x = rect.x + rect.width / 2;
      const int32_t y = rect.y + rect.height / 2;
      EXPECT_EQ(simhost::FindMouseRect(rects, x, y, rect.mouseFlags), &rects[i]) << "control " << i << " is covered";

      Dl_info info{};
      ASSERT_NE(dladdr(reinterpret_cast<void*>(rect.function), &info), 0);
      ASSERT_NE(info.dli_sname, nullptr);
      const std::string function = info.dli_sname;
      if (function.find("DecE") != std::string::npos) {
        EXPECT_TRUE(rect.cursor == kCursorDownArrow || rect.cursor == kCursorLeftArrow) << function;
      }
      if (function.find("IncE") != std::string::npos) {
        EXPECT_TRUE(rect.cursor == kCursorUpArrow || rect.cursor == kCursorRightArrow) << function;
      }
    }
  }
}

// A knob's two halves meet edge to edge: the area that turns it down starts
// where the one that turns it up ends, the same size, side by side or one
// above the other, so that no click between them is lost and neither half
// reaches into the other. A few panels' pictures leave a gap or an overlap
// of their own between the halves.
TEST(MouseTables, EachKnobsUpAndDownHalvesMeetEdgeToEdge) {
  Cockpit cockpit({.start = false});
  const std::set<std::string> apart = {
      "ApuMouseMasterInc",       "EdpMouseEprManual1Inc",       "EdpMouseEprManual2Inc",
      "EfdsMouseApuInc",         "AileronTrimMouseTrimInc",     "AlternateGearMouseHandleInc",
      "BrakeTemperatureControlsMouseTempSelectorInc", "ArtMouseSwitchInc", "TransponderMouseTcasRangeInc"};
  int pairs = 0;
  for (const platform::GAUGEHDR* gauge : cockpit.host().Module().Gauges()) {
    if (gauge->mouseRects == nullptr) continue;
    std::map<std::string, std::vector<MOUSERECT>> byName;
    for (const MOUSERECT& rect : EntriesBeforeEnd(gauge->mouseRects)) {
      if (rect.type == platform::kMouseRectChild && rect.functionName != nullptr) byName[rect.functionName].push_back(rect);
    }
    for (const auto& [name, ups] : byName) {
      if (!name.ends_with("Inc") || apart.contains(name)) continue;
      const auto downs = byName.find(name.substr(0, name.size() - 3) + "Dec");
      if (downs == byName.end() || ups.size() != 1 || downs->second.size() != 1) continue;
      ++pairs;
      const MOUSERECT& a = ups.front();
      const MOUSERECT& b = downs->second.front();
      const bool stacked = a.x == b.x && a.width == b.width && (a.y + a.height == b.y || b.y + b.height == a.y);
      const bool sideBySide = a.y == b.y && a.height == b.height && (a.x + a.width == b.x || b.x + b.width == a.x);
      EXPECT_TRUE(stacked || sideBySide) << gauge->name << " " << name;
    }
  }
  EXPECT_EQ(pairs, 113);
}

double Arg(const Cockpit& cockpit, const char* gauge, int index) {
  return cockpit.gauge(gauge)->mouseRects[1].tooltipArgs[index].value();
}

TEST(Tooltips, ShowTheTokensAndTheSystemsValues) {
  Cockpit cockpit;
  cockpit.set(Token::IndicatedAirspeedKt, 250)
      .setScaled(Token::Mach, 0.78)
      .set(Token::AltitudeFt, 12345)
      .set(Token::AltimeterMb, 1013)
      .set(Token::AltimeterInHg, 29.92)
      .set(Token::ClockHour, 14)
      .set(Token::ClockMinute, 30)
      .runTicks(1);

  EXPECT_EQ(Arg(cockpit, "Airspeed", 0), 250.0);
  EXPECT_DOUBLE_EQ(Arg(cockpit, "Airspeed", 1), 0.78);
  EXPECT_EQ(Arg(cockpit, "Altimeter", 0), 12345.0);
  EXPECT_EQ(Arg(cockpit, "Altimeter", 1), 1013.0);
  EXPECT_EQ(Arg(cockpit, "Altimeter", 2), 29.92);
  EXPECT_EQ(Arg(cockpit, "Standby Combi", 0), 12345.0);
  EXPECT_EQ(Arg(cockpit, "Standby Combi", 1), 1013.0);
  EXPECT_EQ(Arg(cockpit, "Standby Combi", 2), 29.92);
  EXPECT_EQ(Arg(cockpit, "Standby Combi", 3), 250.0);
  EXPECT_EQ(Arg(cockpit, "Clock", 0), 14.0);
  EXPECT_EQ(Arg(cockpit, "Clock", 1), 30.0);

  // Agent 1 discharged, agent 2 full; a bottle still discharging counts as full.
  SetSwitch(&g_fireAgent1, kSwitchOn);
  SetSwitch(&g_fireAgent2, 126);
  EXPECT_EQ(Arg(cockpit, "Engine Fire", 0), 0.0);
  EXPECT_EQ(Arg(cockpit, "Engine Fire", 1), 100.0);
  SetSwitch(&g_fireAgent2, kSwitchOn);
  EXPECT_EQ(Arg(cockpit, "Engine Fire", 1), 0.0);

  // The cabin on the ground stands at the aircraft's altitude (sea level
  // here); the brake temperature dial reads the temperature its selector picks.
  EXPECT_EQ(Arg(cockpit, "Cabin_Pressure_Indicator", 0), GetCabinAltitude());
  EXPECT_EQ(Arg(cockpit, "Cabin_Pressure_Indicator", 1), GetCabinDiffPressure());
  EXPECT_EQ(Arg(cockpit, "Cabin_Climb", 0), GetCabinRate() * 60.0) << "feet a minute";
  SetSwitch(&g_brakeTempTestButton, kSwitchOn);
  EXPECT_EQ(Arg(cockpit, "Brake Temperature", 0), GetSelectedBrakeTemperature());

  // Each temperature under its own label: the static air temperature (here
  // in degrees C) on the SAT line, the simulator's total one on the TAT line.
  cockpit.set(Token::UnitsOfMeasure, 2).set(Token::TotalAirTempDegC, 7).setScaled(Token::AmbientTemp, -12.0);
  cockpit.runSeconds(1);
  EXPECT_EQ(Arg(cockpit, "TAS SAT", 0), GetTrueAirspeed());
  const std::string tasSat = cockpit.tooltip("TAS SAT");
  EXPECT_NE(tasSat.find("\nSAT: -12C\nTAT: 7C"), std::string::npos) << tasSat;
}

// The climb indicator's tooltip gives the cabin's rate in feet a minute (the
// pressurisation works in feet a second), climbing at each limit of the knob.
TEST(Tooltips, TheCabinClimbRateInFeetAMinute) {
  Cockpit cockpit({.start = false});
  cockpit.set(Token::OnGround, 0).set(Token::AltitudeFt, 2000);
  cockpit.writeFile(Cockpit::kAircraftIniFile, "[CABIN PRESS]\r\nrate_limit=1\r\n");
  cockpit.start();
  for (const auto& [knob, feetPerMinute] : std::vector<std::pair<int32_t, double>>{{1, 100.0}, {8, 920.0}}) {
    cockpit.control("CABIN PRESS", "rate_limit", knob).set(Token::AltitudeFt, 45000).runSeconds(1.1);
    EXPECT_NEAR(Arg(cockpit, "Cabin_Climb", 0), feetPerMinute, 1e-9) << "knob at " << knob;
    EXPECT_EQ(cockpit.tooltip("Cabin_Climb"), "Cabin Climb Indicator.\nVS: " +
                                                  std::to_string(static_cast<int>(GetCabinRate() * 60.0)) +
                                                  " feet/minute");
  }
}

TEST(GaugeClicks, TheScenarioClickAndTheTestBedReachTheControlUnderThePoint) {
  Cockpit cockpit;
  simhost::Scenario scenario;
  std::vector<std::string> errors;
  ASSERT_TRUE(scenario.Parse("run 1\n"
                             "click Airspeed 10 10\n"             // bug 1, decrease half
                             "click FMS 150 350\n"                // the A key
                             "click \"Engine Fire\" 130 60\n",    // fire test button
                             "flight.scn", &errors));
  simhost::RunLog log;
  std::string error;
  const double bug1Kt = GetSpeedBug(1);
  ASSERT_TRUE(simhost::RunScenario(cockpit.host(), scenario, log, &error)) << error;
  EXPECT_EQ(GetSpeedBug(1), bug1Kt - 1.0);
  EXPECT_EQ(cockpit.fmsKeys(), std::vector<uint32_t>{39}) << "the A key";
  EXPECT_EQ(IsFireTestPressed(), 1u) << "the fire test button, held";

  cockpit.click("Menu", 50, 100).click("Airspeed", 200, 200).click("TAS SAT", 20, 60);
  EXPECT_EQ(cockpit.keyEvents(kKeyEventOpenPanelWindow).back().value, 10100u) << "the menu's first entry";
  EXPECT_EQ(cockpit.keyEvents(kKeyEventTogglePanelWindow).back().value, 10160u);

  // The menu tab listens to mouse movement only; a gauge without a table has no controls.
  EXPECT_EQ(cockpit.host().Click("Menu", 5, 160), "no control of 'Menu' at 5,160");
  EXPECT_EQ(GetMenuItem(0), 0) << "the menu stays folded";
  EXPECT_EQ(cockpit.host().Click("NAV", 5, 5), "no control of 'NAV' at 5,5");
  EXPECT_EQ(cockpit.host().Click("Airspeed", 400, 399), "no control of 'Airspeed' at 400,399");

  // A point must fit the gauge's 32-bit pixel coordinates.
  simhost::Scenario far;
  ASSERT_FALSE(far.Parse("click Airspeed 1e20 5\n", "far.scn", &errors));
  EXPECT_EQ(errors.back(), "far.scn:1: '1e20' is not a pixel coordinate");
}

// Every control of every gauge reports each event it listens to as handled,
// whatever it does with it.
TEST(GaugeClicks, EveryControlReportsEachOfItsEventsHandled) {
  Cockpit cockpit;
  constexpr uint32_t kEvents[] = {platform::kMouseLeftSingle, platform::kMouseLeftRelease, platform::kMouseDownRepeat,
                                  platform::kMouseMove,       platform::kMouseLeftDrag,    platform::kMouseRightSingle};
  int controls = 0;
  for (const platform::GAUGEHDR* gauge : cockpit.host().Module().Gauges()) {
    if (gauge->mouseRects == nullptr) continue;
    for (const MOUSERECT* rect = gauge->mouseRects; rect->type != platform::kMouseRectEnd; ++rect) {
      if (rect->function == nullptr) continue;
      ++controls;
      for (uint32_t event : kEvents) {
        if ((rect->mouseFlags & event) == 0) continue;
        EXPECT_EQ(rect->function({0, 0}, event), 1) << gauge->name << " " << rect->functionName << " " << event;
      }
    }
  }
  EXPECT_GT(controls, 500);
}

TEST(GaugeClicks, ChildrenArePlacedRelativeToTheirParent) {
  const auto function = [](platform::PixelPoint, uint32_t) -> int32_t { return 1; };
  const MOUSERECT rects[] = {
      {platform::kMouseRectParent, 100, 50, 0, 0, platform::kCursorNone, 0, 0, 0, nullptr, nullptr, nullptr},
      {platform::kMouseRectChild, 10, 10, 20, 20, platform::kCursorHand, 0, platform::kMouseLeftSingle, 0, function,
       nullptr, nullptr},
      {platform::kMouseRectEndParent, 0, 0, 0, 0, platform::kCursorNone, 0, 0, 0, nullptr, nullptr, nullptr},
      {platform::kMouseRectChild, 0, 0, 20, 20, platform::kCursorHand, 0, platform::kMouseLeftSingle, 0, function,
       nullptr, nullptr},
      {},
  };
  EXPECT_EQ(simhost::FindMouseRect(rects, 115, 65, platform::kMouseLeftSingle), &rects[1]);
  EXPECT_EQ(simhost::FindMouseRect(rects, 15, 15, platform::kMouseLeftSingle), &rects[3]);
  EXPECT_EQ(simhost::FindMouseRect(rects, 115, 65, platform::kMouseMove), nullptr);
  EXPECT_EQ(simhost::FindMouseRect(rects, 130, 80, platform::kMouseLeftSingle), nullptr);
  EXPECT_EQ(simhost::FindMouseRect(nullptr, 0, 0, platform::kMouseLeftSingle), nullptr);
}

TEST(ElementHelpers, WalkTheChainAndLeaveMissingElementsAlone) {
  platform::ELEMENT_HEADER third{.imageFlags = platform::kImageLuminous};
  platform::ELEMENT_HEADER* thirdLink[] = {&third};
  platform::ELEMENT_HEADER second{.imageFlags = 0, .nextElement = thirdLink};
  platform::ELEMENT_HEADER* secondLink[] = {&second};
  platform::ELEMENT_HEADER first{.imageFlags = 0x1, .nextElement = secondLink};

  EXPECT_EQ(GetNthElement(&first, 0), &first);
  EXPECT_EQ(GetNthElement(&first, 1), &second);
  EXPECT_EQ(GetNthElement(&first, 2), &third);
  EXPECT_EQ(GetNthElement(&first, 3), nullptr);
  EXPECT_EQ(GetNthElement(&first, 0xFFFFFFFF), nullptr);
  EXPECT_EQ(GetNthElement(nullptr, 0), nullptr);
  platform::ELEMENT_HEADER* emptyLink[] = {nullptr};
  platform::ELEMENT_HEADER dangling{.nextElement = emptyLink};
  EXPECT_EQ(GetNthElement(&dangling, 1), nullptr);

  SetElementFlags(&first, 1, platform::kImageHidden);
  EXPECT_EQ(second.imageFlags, platform::kImageHidden);
  ClearElementFlags(&first, 1, platform::kImageHidden);
  EXPECT_EQ(second.imageFlags, 0u);
  // Clearing "hidden" on a visible element changes nothing.
  ClearElementFlags(&first, 0, platform::kImageHidden);
  EXPECT_EQ(first.imageFlags, 0x1u);
  ClearElementFlags(&first, 2, platform::kImageLuminous);
  SetElementFlags(&first, 2, platform::kImageHidden);
  EXPECT_EQ(third.imageFlags, platform::kImageHidden);
  // Past the end of the chain, and on no chain at all, nothing happens.
  SetElementFlags(&first, 3, platform::kImageHidden);
  ClearElementFlags(&first, 3, platform::kImageHidden);
  SetElementFlags(nullptr, 0, platform::kImageHidden);
  ClearElementFlags(nullptr, 0, platform::kImageHidden);
  EXPECT_EQ(first.imageFlags, 0x1u);
  EXPECT_EQ(second.imageFlags, 0u);
  EXPECT_EQ(third.imageFlags, platform::kImageHidden);
}

}  // namespace
}  // namespace halcyon::test
