// The overhead panel's gauges as the simulator drives them: each control
// through its rectangle and its keyboard command, the pictures following the
// records, the lamps' power and lamp-test rules, the meters and their
// relighting by the overhead panel light.
#include <gtest/gtest.h>

#include <cstring>
#include <cwchar>
#include <map>
#include <string>
#include <vector>

#include "core/options.h"
#include "gauges/gauge_kit.h"
#include "host/keyboard_combos.h"
#include "systems/annunciator_lamps.h"
#include "systems/apu.h"
#include "systems/electric.h"
#include "systems/engine_start.h"
#include "systems/fuel_pumps.h"
#include "systems/lights.h"
#include "tests/cockpit.h"

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

std::vector<CSwitch*> PanelRecords() {
  std::vector<CSwitch*> records;
  std::vector<Control> all = ElectricalControls();
  for (const auto& more : {EngineStarterControls(), FuelPumpControls(), ApuControls(), SideControls("SideSwitches")}) all.insert(all.end(), more.begin(), more.end());
  for (const Control& control : all) {
    if (control.record != nullptr) records.push_back(control.record);
  }
  return records;
}

std::vector<int32_t> Positions() {
  std::vector<int32_t> positions;
  for (CSwitch* record : PanelRecords()) positions.push_back(GetSwitch(record));
  return positions;
}

void Restore(Cockpit& cockpit, const std::vector<int32_t>& positions) {
  const std::vector<CSwitch*> records = PanelRecords();
  for (size_t i = 0; i < records.size(); ++i) cockpit.setSwitch(records[i], positions[i]);
}

std::vector<int> SoundSlots(const Cockpit& cockpit, size_t from) {
  std::vector<int> slots;
  const std::vector<PlayedSound> played = cockpit.played();
  for (size_t i = from; i < played.size(); ++i) slots.push_back(played[i].slot);
  return slots;
}

Cockpit& WithClickSounds(Cockpit& cockpit) {
  return cockpit.addSounds({kClickToggle1, kClickToggle2, kClickGuarded1, kClickGuarded2, kClickButton1,
                            kClickButton2, kClickKnob, kClickRotary1, kClickRotary2});
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

// The picture of each switch changes exactly when its record does, and its
// positions show pairwise different frames.
void CheckPicturesFollowRecords(Cockpit& cockpit, const char* gauge, const std::vector<Control>& controls) {
  for (const Control& control : controls) {
    if (control.element < 0) continue;
    std::map<double, int32_t> frames;
    for (int32_t position : control.positions) {
      cockpit.setSwitch(control.record, position).draw();
      const double frame = cockpit.elementValue(gauge, control.element);
      EXPECT_FALSE(frames.contains(frame)) << control.function << " shows " << position << " as " << frames[frame];
      frames[frame] = position;
    }
    for (int32_t start : control.positions) {
      cockpit.setSwitch(control.record, start).draw();
      const double frameBefore = cockpit.elementValue(gauge, control.element);
      cockpit.callControl(gauge, control.function, kClick).draw();
      const bool moved = GetSwitch(control.record) != start;
      EXPECT_EQ(cockpit.elementValue(gauge, control.element) != frameBefore, moved)
          << control.function << " from " << start;
    }
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
  Cockpit cockpit;
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

// ---- Side switches ----

TEST(SideSwitches, EveryKeyboardCommandActsLikeAClickOnItsRectangle) {
  Cockpit cockpit;
  WithClickSounds(cockpit).runTicks(2);
  EXPECT_EQ(SweepKeyboard(cockpit, "Side Switches", L"SIDE SWITCHES", SideControls("SideSwitches")), 4);
}

TEST(SideSwitches, BothPicturesFollowTheSameRecords) {
  Cockpit cockpit;
  cockpit.powerUp().runTicks(1);
  CheckPicturesFollowRecords(cockpit, "Side Switches", SideControls("SideSwitches"));
  CheckPicturesFollowRecords(cockpit, "Side Switches2", SideControls("SideSwitches2"));
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
  cockpit.setSwitch(&g_sidePanelLight, 120).set(10u, 0).clearKeyEvents().click("Side Switches", 80, 110).draw();
  EXPECT_EQ(GetSwitch(&g_sidePanelLight), 41);
  EXPECT_EQ(cockpit.keyEvents(65750).size(), 2u);
  EXPECT_EQ(cockpit.token(10u), 0.0) << "toggled twice";
  EXPECT_FALSE(cockpit.elementVisible("Side Switches", 1)) << "no panel power";
  cockpit.powerUp().draw();
  EXPECT_TRUE(cockpit.elementVisible("Side Switches", 1));
  EXPECT_TRUE(cockpit.elementVisible("Side Switches2", 1));
  cockpit.click("Side Switches2", 40, 120).draw();
  EXPECT_EQ(GetSwitch(&g_sidePanelLight), 120);
  EXPECT_FALSE(cockpit.elementVisible("Side Switches", 1));
  EXPECT_FALSE(cockpit.elementVisible("Side Switches2", 1));
}

TEST(SideSwitches, TheFloodControlTogglesTheSimulatorsPanelLights) {
  Cockpit cockpit;
  WithClickSounds(cockpit).set(10u, 0).runTicks(1);
  const size_t mark = cockpit.played().size();
  cockpit.click("Side Switches", 200, 110).draw();
  EXPECT_NE(cockpit.token(10u), 0.0);
  EXPECT_EQ(cockpit.elementValue("Side Switches", 2), 1.0);
  EXPECT_EQ(cockpit.elementValue("Side Switches2", 2), 1.0);
  cockpit.click("Side Switches2", 140, 120).draw();
  EXPECT_EQ(cockpit.token(10u), 0.0);
  EXPECT_EQ(cockpit.elementValue("Side Switches", 2), 0.0);
  EXPECT_EQ(SoundSlots(cockpit, mark), std::vector<int>(2, kClickRotary1));
  cockpit.setOption(kOptionClickAreas, true).draw();
  EXPECT_TRUE(cockpit.elementVisible("Side Switches", 6));
}

}  // namespace
}  // namespace halcyon::test
