// Fire protection: the fire bell's cadence, silence and re-arm, the agent
// discharge timing, the fire test button, [EFDS], and the engine display
// panel's reverser indications, each engine on its own lever.
#include <gtest/gtest.h>

#include <vector>

#include "host/voice_queue.h"
#include "systems/fire_protection.h"
#include "systems/levers.h"
#include "tests/cockpit.h"

namespace halcyon::test {
namespace {

constexpr int kSlotFireLeftEngine = 240;
constexpr int kSlotFireRightEngine = 239;

std::vector<double> Gaps(const std::vector<PlayedSound>& played) {
  std::vector<double> gaps;
  for (size_t i = 1; i < played.size(); ++i) gaps.push_back(played[i].tick18 - played[i - 1].tick18);
  return gaps;
}

// Engine 1 catches fire: the bell rings on the next tick (the fire step runs
// after the queue has played) and again each time its 43-tick hold has run
// out. Silenced (BELL OFF, as its gauge presses it: any ring waiting is
// taken off the queue), it stops after the ring already playing; the fire
// out, the silence re-arms for the next fire.
TEST(EngineFire, TheBellRingsAtItsCadenceUntilSilencedAndReArmsWhenTheFireIsOut) {
  Cockpit cockpit({.start = false});
  cockpit.set(Token::GearHandle, 16383);  // no gear horn in the queue
  cockpit.addSounds({kSlotFireLeftEngine, kSlotFireRightEngine}, 300).start();
  cockpit.runTicks(2);
  const double fireTick = cockpit.tick18() + 1;
  cockpit.set(Token::Engine1Fire, 1).runTicks(200);
  const std::vector<PlayedSound> rings = cockpit.played(kSlotFireLeftEngine);
  ASSERT_GE(rings.size(), 4u);
  EXPECT_EQ(rings[0].tick18, fireTick + 1);
  EXPECT_EQ(Gaps(rings), std::vector<double>(rings.size() - 1, 44.0));
  EXPECT_TRUE(cockpit.played(kSlotFireRightEngine).empty());

  // Only a press of BELL OFF silences it: moved to 120 (armed), it rings on.
  cockpit.control("Engine Fire", "bell_off", kSwitchOff).runTicks(88);
  const size_t ringing = cockpit.played(kSlotFireLeftEngine).size();
  EXPECT_EQ(ringing, rings.size() + 2) << "a move to 120 is no press";

  EnqueueVoiceMessage(kVoiceFireRightEngine);
  cockpit.control("Engine Fire", "bell_off", kFireBellSilenced);
  EXPECT_FALSE(IsVoiceMessageQueued(kVoiceFireLeftEngine)) << "as the gauge's press: off the queue";
  EXPECT_FALSE(IsVoiceMessageQueued(kVoiceFireRightEngine));
  cockpit.runSeconds(10);
  const size_t heard = cockpit.played(kSlotFireLeftEngine).size();
  EXPECT_LE(heard, ringing + 1) << "at most the ring already queued";
  cockpit.runSeconds(10);
  EXPECT_EQ(cockpit.played(kSlotFireLeftEngine).size(), heard) << "silenced";
  EXPECT_EQ(GetSwitch(&g_fireBellSilence), kFireBellSilenced);

  // Engine 2 catches fire while engine 1 still burns: the silence holds both.
  cockpit.set(Token::Engine2Fire, 1).runSeconds(5);
  EXPECT_TRUE(cockpit.played(kSlotFireRightEngine).empty());
  cockpit.set(Token::Engine1Fire, 0).runSeconds(5);
  EXPECT_EQ(GetSwitch(&g_fireBellSilence), kFireBellSilenced) << "engine 2 still burns";
  cockpit.set(Token::Engine2Fire, 0).runTicks(1);
  EXPECT_EQ(GetSwitch(&g_fireBellSilence), kSwitchOff) << "re-armed";
  cockpit.set(Token::Engine2Fire, 1).runTicks(3);
  EXPECT_EQ(cockpit.played(kSlotFireRightEngine).size(), 1u) << "the next fire rings at once";
}

TEST(EngineFire, FireQueriesAndTheTestButton) {
  Cockpit cockpit;
  EXPECT_EQ(IsEngineOnFire(1), 0u);
  cockpit.set(Token::Engine2Fire, 1).set(Token::ApuFire, 1);
  EXPECT_EQ(IsEngineOnFire(2), 1u);
  EXPECT_EQ(IsEngineOnFire(1), 0u);
  EXPECT_EQ(IsEngineOnFire(0), 0u);
  EXPECT_EQ(IsEngineOnFire(3), 0u);
  EXPECT_EQ(IsApuOnFire(), 1u);
  cockpit.control("Engine Fire", "test", kSwitchOn);
  EXPECT_EQ(IsFireTestPressed(), 1u);
  cockpit.runSeconds(2);
  EXPECT_EQ(IsFireTestPressed(), 1u) << "held";
  cockpit.control("Engine Fire", "test", kSwitchOff);
  EXPECT_EQ(IsFireTestPressed(), 0u);
  SetFireTestPressed(1);
  SetFireTestPressed(2);
  EXPECT_EQ(IsFireTestPressed(), 0u) << "only 1 presses it";
}

TEST(EngineFire, AnAgentDischargesThirtySixTicksAfterItsButtonAndTheHandlesStartStowed) {
  Cockpit cockpit;
  EXPECT_EQ(GetSwitch(&g_engine1FireHandle), kFireHandleStowed);
  EXPECT_EQ(GetSwitch(&g_fireAgent1), kSwitchOff);
  cockpit.control("Engine Fire", "handle_left", kFireHandleRotated).control("Engine Fire", "agent_left", kFireAgentDischarging);
  EXPECT_EQ(GetSwitch(&g_engine1FireHandle), kFireHandleRotated);
  cockpit.runTicks(1);
  const double seen = cockpit.tick18();
  cockpit.runUntil([] { return GetSwitch(&g_fireAgent1) != kFireAgentDischarging; }, 5);
  EXPECT_EQ(cockpit.tick18() - seen, 37.0) << "the first tick more than 36 after it was seen";
  EXPECT_EQ(GetSwitch(&g_fireAgent1), kSwitchOn);
  EXPECT_EQ(GetSwitch(&g_fireAgent2), kSwitchOff);
  cockpit.runSeconds(5);
  EXPECT_EQ(GetSwitch(&g_fireAgent1), kSwitchOn) << "discharged for good";
}

// A pulled handle cuts its engine's fuel: the levers send the cut-off event
// until the simulator's mixture reads 0, and the other engine keeps its fuel.
TEST(EngineFire, APulledHandleCutsItsEnginesFuelThroughTheSimulator) {
  Cockpit cockpit;
  cockpit.set(Token::Engine1Mixture, 16384).set(Token::Engine2Mixture, 16384).runSeconds(1);
  EXPECT_TRUE(cockpit.keyEvents(kKeyEventMixture1CutOff).empty());
  cockpit.control("Engine Fire", "handle_left", kFireHandlePulled).runTicks(2);
  EXPECT_EQ(cockpit.keyEvents(kKeyEventMixture1CutOff).size(), 1u);
  EXPECT_EQ(cockpit.token(Token::Engine1Mixture), 0.0);
  EXPECT_EQ(cockpit.token(Token::Engine2Mixture), 16384.0);
  cockpit.set(Token::Engine1Mixture, 16384).runTicks(2);
  EXPECT_EQ(cockpit.token(Token::Engine1Mixture), 0.0) << "cut again while the handle is out";
  cockpit.runSeconds(2);
  EXPECT_EQ(cockpit.keyEvents(kKeyEventMixture1CutOff).size(), 2u);
  EXPECT_TRUE(cockpit.keyEvents(kKeyEventMixture2CutOff).empty());
}

// The right side on its own: its handle cuts engine 2's fuel and its agent
// discharges, engine 1's fuel and agent left alone.
TEST(EngineFire, TheRightHandleAndAgentActOnEngine2Only) {
  Cockpit cockpit;
  cockpit.set(Token::Engine1Mixture, 16384).set(Token::Engine2Mixture, 12000).runSeconds(1);
  cockpit.control("Engine Fire", "handle_right", kFireHandlePulled).runTicks(2);
  EXPECT_EQ(cockpit.keyEvents(kKeyEventMixture2CutOff).size(), 1u);
  EXPECT_TRUE(cockpit.keyEvents(kKeyEventMixture1CutOff).empty());
  EXPECT_EQ(cockpit.token(Token::Engine2Mixture), 0.0);
  EXPECT_EQ(cockpit.token(Token::Engine1Mixture), 16384.0);

  cockpit.control("Engine Fire", "agent_right", kFireAgentDischarging).runTicks(1);
  const double seen = cockpit.tick18();
  cockpit.runUntil([] { return GetSwitch(&g_fireAgent2) != kFireAgentDischarging; }, 5);
  EXPECT_EQ(cockpit.tick18() - seen, 37.0);
  EXPECT_EQ(GetSwitch(&g_fireAgent2), kSwitchOn);
  EXPECT_EQ(GetSwitch(&g_fireAgent1), kSwitchOff);
}

TEST(Efds, LoopSwitchesRoundTrip) {
  Cockpit cockpit({.start = false});
  cockpit.writeFile(Cockpit::kAircraftIniFile, "[EFDS]\r\napu_switch=98\r\nengine_switch_right=300\r\n");
  cockpit.start();
  EXPECT_EQ(GetSwitch(&g_efdsApuSwitch), kEfdsLoopA);
  EXPECT_EQ(GetSwitch(&g_efdsEngineLeftSwitch), kEfdsBothLoops);
  EXPECT_EQ(GetSwitch(&g_efdsEngineRightSwitch), kSwitchOff) << "out of range";
  cockpit.control("EFDS", "engine_switch_left", kEfdsLoopB).shutdown();
  EXPECT_EQ(cockpit.ini("EFDS", "apu_switch"), "98");
  EXPECT_EQ(cockpit.ini("EFDS", "engine_switch_left"), "99");
  EXPECT_EQ(cockpit.ini("EFDS", "engine_switch_right"), "120");
}

// Each reverser indication takes 2 s each way, on its own engine's lever.
TEST(EdpIndication, ReverserTransitsOnEachEnginesOwnLever) {
  Cockpit cockpit({.drawClosedWindows = true});
  cockpit.set(Token::Engine1Throttle, -2000).runTicks(1);
  const double deployTick = cockpit.tick18();
  EXPECT_EQ(GetEdpIndication(1), kEdpDeploying);
  EXPECT_EQ(GetEdpIndication(2), kEdpStowed) << "engine 2 follows its own lever";
  EXPECT_EQ(GetEdpIndication(7), kEdpDeploying) << "any other number reads engine 1";
  cockpit.runUntil([] { return GetEdpIndication(1) != kEdpDeploying; }, 5);
  EXPECT_EQ(cockpit.tick18() - deployTick, 37.0);
  EXPECT_EQ(GetEdpIndication(1), kEdpDeployed);

  cockpit.set(Token::Engine1Throttle, -1000).runSeconds(3);
  EXPECT_EQ(GetEdpIndication(1), kEdpDeployed) << "at -1000 still in reverse";
  cockpit.set(Token::Engine1Throttle, -999).runTicks(1);
  const double stowTick = cockpit.tick18();
  EXPECT_EQ(GetEdpIndication(1), kEdpStowing);
  cockpit.set(Token::Engine1Throttle, -2000);
  cockpit.runUntil([] { return GetEdpIndication(1) != kEdpStowing; }, 5);
  EXPECT_EQ(cockpit.tick18() - stowTick, 37.0) << "a stow under way finishes";
  // The engine display steps the indication on each of its frames as well:
  // with the lever still in reverse it deploys again within that tick.
  EXPECT_EQ(GetEdpIndication(1), kEdpDeploying);

  cockpit.set(Token::Engine1Throttle, 0).runSeconds(5);
  EXPECT_EQ(GetEdpIndication(1), kEdpStowed);
  cockpit.set(Token::Engine2Throttle, -1).runTicks(1);
  EXPECT_EQ(GetEdpIndication(2), kEdpDeploying);
  EXPECT_EQ(GetEdpIndication(1), kEdpStowed);
}

}  // namespace
}  // namespace halcyon::test
