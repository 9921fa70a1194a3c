// The Various, Various2 and Cockpit_Lights overhead panels. The switches are
// the records of sections "VARIOUS" and "COCKPIT LIGHTS"; the stall,
// maximum-speed and GPWS tests queue their voices, and the stall tests turn
// on the VARIOUS test switch that the warning lamps read. Reads panel power,
// the lamp test and the simulator's key-event button lamp.
#include "gauges/various_panels.h"

#include "core/panel_services.h"
#include "gauges/gauge_kit.h"
#include "gauges/switch_moves.h"
#include "host/voice_queue.h"
#include "systems/annunciator_lamps.h"
#include "systems/electric.h"
#include "systems/lights.h"
#include "systems/various.h"

namespace halcyon {
namespace {

using platform::ELEMENT_HEADER;
using platform::PixelPoint;

constexpr SoundId kCabinCall = 201;
constexpr VoiceMessageId kVoiceMaxSpeedTest = 8;
constexpr VoiceMessageId kVoiceStallTest = 10;
constexpr VoiceMessageId kVoiceGpwsTestFirst = 24;
constexpr VoiceMessageId kVoiceGpwsTestSecond = 18;
constexpr uint32_t kKeyEventButton = 66376;
constexpr int32_t kAntiSkidOff = 120;
constexpr int32_t kMachTrimCompOther = 49;
constexpr int32_t kSyncLeft = 70;
constexpr int32_t kSyncRight = 71;
constexpr int32_t kGpwsGuardOpen = 125;
constexpr int32_t kGpwsOverride = 49;
constexpr int32_t kLightsDim = 67;
constexpr int32_t kLightsBright = 68;
constexpr int32_t kFloodBright = 69;

constexpr Move kAntiSkidMoves[] = {{kAntiSkidOff, kAntiSkidArmed}, {kAntiSkidArmed, kAntiSkidOff}};
constexpr Switching kAntiSkid{kAntiSkidMoves, kAntiSkidOff};
// Yaw damper, top to bottom: 120, 41, 49 (off).
constexpr Move kYawUpMoves[] = {{kYawDampOff, kSwitchOn}, {kSwitchOn, kSwitchOff}};
constexpr Switching kYawUp{kYawUpMoves, kSwitchOff};
constexpr Move kYawDownMoves[] = {{kSwitchOff, kSwitchOn}, {kSwitchOn, kYawDampOff}};
constexpr Switching kYawDown{kYawDownMoves, kYawDampOff};
constexpr Move kMachTrimMoves[] = {{kMachTrimCompNormal, kMachTrimCompOther}, {kMachTrimCompOther, kMachTrimCompNormal}};
constexpr Switching kMachTrim{kMachTrimMoves, kMachTrimCompNormal};
constexpr Move kSyncLeftMoves[] = {{kSyncRight, kSwitchOff}, {kSwitchOff, kSyncLeft}};
constexpr Switching kSyncLeftSwitching{kSyncLeftMoves, kSyncLeft};
constexpr Move kSyncRightMoves[] = {{kSyncLeft, kSwitchOff}, {kSwitchOff, kSyncRight}};
constexpr Switching kSyncRightSwitching{kSyncRightMoves, kSyncRight};
// GPWS, top to bottom: 49, 125, 43, 64 (test).
constexpr Move kGpwsUpMoves[] = {{kGpwsSwitchTest, kGpwsSwitchNormal}, {kGpwsSwitchNormal, kGpwsGuardOpen},
                                 {kGpwsGuardOpen, kGpwsOverride}};
constexpr Switching kGpwsUp{kGpwsUpMoves, kGpwsOverride};
constexpr Move kGpwsDownMoves[] = {{kGpwsOverride, kGpwsGuardOpen}, {kGpwsGuardOpen, kGpwsSwitchNormal},
                                   {kGpwsSwitchNormal, kGpwsSwitchTest}};
constexpr Switching kGpwsDown{kGpwsDownMoves, kGpwsSwitchTest};
// Circuit-breaker and standby compass lights, top to bottom: 120, 67, 68.
constexpr Move kDimmerUpMoves[] = {{kLightsBright, kLightsDim}, {kLightsDim, kSwitchOff}};
constexpr Switching kDimmerUp{kDimmerUpMoves, kSwitchOff};
constexpr Move kDimmerDownMoves[] = {{kSwitchOff, kLightsDim}, {kLightsDim, kLightsBright}};
constexpr Switching kDimmerDown{kDimmerDownMoves, kLightsBright};
// Flood lights, top to bottom: 120, 41, 69.
constexpr Move kFloodUpMoves[] = {{kFloodBright, kSwitchOn}, {kSwitchOn, kSwitchOff}};
constexpr Switching kFloodUp{kFloodUpMoves, kSwitchOff};
constexpr Move kFloodDownMoves[] = {{kSwitchOff, kSwitchOn}, {kSwitchOn, kFloodBright}};
constexpr Switching kFloodDown{kFloodDownMoves, kFloodBright};

bool Powered() { return IsPanelPowered() != 0; }
bool At(const CSwitch& record, int32_t position) { return GetSwitch(&record) == position; }
double Frame(bool on) { return on ? 1.0 : 0.0; }

// A picture of a few positions: position i of the list shows frame i + 1,
// any other frame 0.
double Pictured(const CSwitch& record, std::initializer_list<int32_t> positions) {
  double frame = 1.0;
  for (int32_t position : positions) {
    if (At(record, position)) return frame;
    frame += 1.0;
  }
  return 0.0;
}

double MaxSpeedTest() {
  const int32_t position = GetSwitch(&g_maxSpeedWarnTestSwitch);
  return position == kTestSwitchHeldRight ? 2.0 : position == kSwitchOff ? 1.0 : 0.0;
}
double StallTest() {
  const int32_t position = GetSwitch(&g_annunciatorTestSwitch);
  return position == kSwitchOn || position == kSwitchOff ? 1.0 : position == kTestSwitchHeldRight ? 2.0 : 0.0;
}

constinit ElementChain g_variousElements({
    StaticImage("panel"),
    StaticImage("panel light"),
    Icon("key-event lamp", 339, 3, 2, [](ELEMENT_HEADER*) { return PoweredNeedle(true, ReadToken(Token::KeyEventLamp), 0.0, 0.0, 1.0); }),
    Icon("Mach trim compensator", 286, 51, 2, [](ELEMENT_HEADER*) { return Frame(At(g_machTrimCompSwitch, kMachTrimCompOther)); }),
    Icon("max speed warning test", 283, 3, 3, [](ELEMENT_HEADER*) { return MaxSpeedTest(); }),
    Icon("stall test", 215, 8, 3, [](ELEMENT_HEADER*) { return StallTest(); }),
    Icon("yaw damper", 224, 63, 3, [](ELEMENT_HEADER*) { return Pictured(g_yawDampSwitch, {kSwitchOn, kYawDampOff}); }),
    Icon("anti-skid test", 152, 62, 2, [](ELEMENT_HEADER*) { return Frame(At(g_antiSkidTestSwitch, kAntiSkidTesting)); }),
    Icon("anti-skid", 151, 5, 2, [](ELEMENT_HEADER*) { return Frame(At(g_antiSkidSwitch, kAntiSkidArmed)); }),
    Icon("attendant lamp", 76, 75, 2, [](ELEMENT_HEADER*) { return Lamp(Powered(), At(g_attendantLightSwitch, kSwitchOn)); }),
    Icon("PA lamp", 25, 14, 2, [](ELEMENT_HEADER*) { return Lamp(Powered(), At(g_paLightSwitch, kSwitchOn)); }),
    StaticImage("click areas"),
});

constinit ElementChain g_various2Elements({
    StaticImage("panel"),
    StaticImage("panel light", 28, 0),
    Icon("GPWS", 22, 69, 4,
         [](ELEMENT_HEADER*) { return Pictured(g_gpwsSwitch, {kGpwsSwitchNormal, kGpwsGuardOpen, kGpwsOverride}); }),
    Icon("sync", 47, 12, 3, [](ELEMENT_HEADER*) { return Pictured(g_syncSwitch, {kSwitchOff, kSyncRight}); }),
    StaticImage("click areas", 17, 9),
});

constinit ElementChain g_cockpitLightsElements({
    StaticImage("panel"),
    StaticImage("panel light"),
    Icon("flood", 72, 81, 3, [](ELEMENT_HEADER*) { return Pictured(g_floodLight, {kSwitchOn, kFloodBright}); }),
    Icon("thunderstorm", 22, 77, 2, [](ELEMENT_HEADER*) { return Frame(At(g_thunderstormLight, kSwitchOn)); }),
    Icon("standby compass", 93, 13, 3, [](ELEMENT_HEADER*) { return Pictured(g_standbyCompassLight, {kLightsDim, kLightsBright}); }),
    Icon("circuit breaker", 49, 14, 3, [](ELEMENT_HEADER*) { return Pictured(g_circuitBreakerLight, {kLightsDim, kLightsBright}); }),
    StaticImage("click areas", 10, 19),
});

// A test button held down: the press moves it to `held` (and runs the test),
// the release lets it back to `rest` from either held position of the
// switch; the click sounds on both.
int32_t TestButton(CSwitch& record, uint32_t mouseFlags, int32_t held, int32_t rest, SoundId sound,
                   void (*test)(), int32_t otherHeld) {
  const int32_t position = GetSwitch(&record);
  if (IsRelease(mouseFlags)) {
    if (position == held || position == otherHeld) {
      SetSwitch(&record, rest);
      PlayClick(sound);
    }
    return 1;
  }
  SetSwitch(&record, held);
  PlayClick(sound);
  if (test != nullptr) test();
  return 1;
}

void StallTestRuns() {
  SetVariousSwitchOn();
  EnqueueVoiceMessage(kVoiceStallTest);
}
void MaxSpeedTestRuns() { EnqueueVoiceMessage(kVoiceMaxSpeedTest); }

}  // namespace

platform::ELEMENT_HEADER* VariousElements() { return g_variousElements.Head(); }
platform::ELEMENT_HEADER* Various2Elements() { return g_various2Elements.Head(); }
platform::ELEMENT_HEADER* CockpitLightsElements() { return g_cockpitLightsElements.Head(); }

void VariousGaugeCallback(platform::GAUGEHDR* gauge, uint32_t serviceId, uintptr_t) { OverheadPanelOverlays(gauge, serviceId, 11); }
void Various2GaugeCallback(platform::GAUGEHDR* gauge, uint32_t serviceId, uintptr_t) { OverheadPanelOverlays(gauge, serviceId, 4); }
void CockpitLightsGaugeCallback(platform::GAUGEHDR* gauge, uint32_t serviceId, uintptr_t) {
  OverheadPanelOverlays(gauge, serviceId, 6);
}

int32_t VariousMousePaLight(PixelPoint, uint32_t flags) { return MomentaryControl(g_paLightSwitch, flags, kClickButton2); }
// The call chimes and lights the lamp every time, lit or not.
int32_t VariousMouseAttendantCall(PixelPoint, uint32_t) {
  SetSwitch(&g_attendantLightSwitch, kSwitchOn);
  PlaySound(kCabinCall, 0);
  PlayClick(kClickButton1);
  return 1;
}
int32_t VariousMouseAttendantCallLight(PixelPoint, uint32_t) {
  SetSwitch(&g_attendantLightSwitch, kSwitchOff);
  PlayClick(kClickButton2);
  return 1;
}
int32_t VariousMouseAntiSkid(PixelPoint, uint32_t) { return Throw(g_antiSkidSwitch, kAntiSkid, kClickToggle2); }
int32_t VariousMouseAntiSkidTest(PixelPoint, uint32_t flags) {
  return TestButton(g_antiSkidTestSwitch, flags, kAntiSkidTesting, kSwitchOff, kClickToggle1, nullptr,
                    kAntiSkidTesting);
}
// Either half springs back to 41 on the release.
int32_t VariousMouseStallTest1(PixelPoint, uint32_t flags) {
  return TestButton(g_annunciatorTestSwitch, flags, kTestSwitchHeldLeft, kSwitchOn, kClickGuarded1, StallTestRuns,
                    kTestSwitchHeldRight);
}
int32_t VariousMouseStallTest2(PixelPoint, uint32_t flags) {
  return TestButton(g_annunciatorTestSwitch, flags, kTestSwitchHeldRight, kSwitchOn, kClickGuarded1, StallTestRuns,
                    kTestSwitchHeldLeft);
}
int32_t VariousMouseYawDampInc(PixelPoint, uint32_t) { return Throw(g_yawDampSwitch, kYawUp, kClickToggle2); }
int32_t VariousMouseYawDampDec(PixelPoint, uint32_t) { return Throw(g_yawDampSwitch, kYawDown, kClickToggle2); }
int32_t VariousMouseMaxSpeedWarnTestInc(PixelPoint, uint32_t flags) {
  return TestButton(g_maxSpeedWarnTestSwitch, flags, kTestSwitchHeldLeft, kSwitchOff, kClickToggle1, MaxSpeedTestRuns,
                    kTestSwitchHeldRight);
}
int32_t VariousMouseMaxSpeedWarnTestDec(PixelPoint, uint32_t flags) {
  return TestButton(g_maxSpeedWarnTestSwitch, flags, kTestSwitchHeldRight, kSwitchOff, kClickToggle1,
                    MaxSpeedTestRuns, kTestSwitchHeldLeft);
}
int32_t VariousMouseMachTrimComp(PixelPoint, uint32_t) { return Throw(g_machTrimCompSwitch, kMachTrim, kClickToggle2); }
int32_t VariousMouseKeyEventButton(PixelPoint, uint32_t) { return SendKeyControl(kKeyEventButton, 0, kClickToggle1); }

int32_t Various2MouseSyncDec(PixelPoint, uint32_t) { return Throw(g_syncSwitch, kSyncLeftSwitching, kClickRotary2); }
int32_t Various2MouseSyncInc(PixelPoint, uint32_t) { return Throw(g_syncSwitch, kSyncRightSwitching, kClickRotary2); }
int32_t Various2MouseGpwsUp(PixelPoint, uint32_t) { return Throw(g_gpwsSwitch, kGpwsUp, kClickGuarded1); }
// Only a move from normal into the test position speaks the test.
int32_t Various2MouseGpwsDown(PixelPoint, uint32_t) {
  const bool fromNormal = At(g_gpwsSwitch, kGpwsSwitchNormal);
  Throw(g_gpwsSwitch, kGpwsDown, kClickGuarded1);
  if (fromNormal) {
    EnqueueVoiceMessage(kVoiceGpwsTestFirst);
    EnqueueVoiceMessage(kVoiceGpwsTestSecond);
  }
  return 1;
}

int32_t CockpitLightsMouseCircuitBreakerInc(PixelPoint, uint32_t) {
  return Throw(g_circuitBreakerLight, kDimmerUp, kClickToggle1);
}
int32_t CockpitLightsMouseCircuitBreakerDec(PixelPoint, uint32_t) {
  return Throw(g_circuitBreakerLight, kDimmerDown, kClickToggle1);
}
int32_t CockpitLightsMouseStandbyCompassInc(PixelPoint, uint32_t) {
  return Throw(g_standbyCompassLight, kDimmerUp, kClickToggle2);
}
int32_t CockpitLightsMouseStandbyCompassDec(PixelPoint, uint32_t) {
  return Throw(g_standbyCompassLight, kDimmerDown, kClickToggle2);
}
int32_t CockpitLightsMouseThunderstorm(PixelPoint, uint32_t) { return Throw(g_thunderstormLight, kOnOff, kClickGuarded2); }
int32_t CockpitLightsMouseFloodInc(PixelPoint, uint32_t) { return Throw(g_floodLight, kFloodUp, kClickGuarded1); }
int32_t CockpitLightsMouseFloodDec(PixelPoint, uint32_t) { return Throw(g_floodLight, kFloodDown, kClickGuarded1); }

}  // namespace halcyon
