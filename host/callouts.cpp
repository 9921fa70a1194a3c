// The crew callouts. Reads tokens 40, 41, 43, 60, 61, 65, 74, 323, 328, 332,
// 614, 625 and 644, option 13, the starter switches, the gear wheels lamp,
// speed bugs 1 and 2, the ground-crew sequences and the decision height.
// Plays slots 150..180 and 182..184 on the first officer's channel.
#include "host/callouts.h"

#include <cmath>

#include "core/options.h"
#include "core/panel_services.h"
#include "core/tick_scheduler.h"
#include "displays/efis/efis_dimmer.h"
#include "host/sound_system.h"
#include "systems/engine_start.h"
#include "systems/gear.h"
#include "systems/ground_crew.h"
#include "systems/speed_bugs.h"

namespace halcyon {

uint32_t g_thousandFootCalloutFlag = 0;

namespace {

constexpr double kGearUp = 0.0;
constexpr double kGearDown = 16383.0;
constexpr double kGlideSlopeFullScale = NeedleFullScale(Token::GlideSlopeNeedle);
constexpr double kCourseFullScale = NeedleFullScale(Token::CourseNeedle);
constexpr double kSpeedBugV1Unset = 50.0;
constexpr double kSpeedBugV2Unset = 60.0;
constexpr int32_t kStarterOff = 120;
constexpr int32_t kStarterOn = 125;         // released after a ground start
constexpr int32_t kStarterGround = 52;
constexpr int32_t kStarterFlight = 51;
constexpr int32_t kWheelsLampLit = 41;

// The radio-altitude counts: slot 150 at the decision height, then 1000 ft
// down to 10 ft.
constexpr size_t kAltitudeCallCount = 12;
constexpr SoundId kFirstAltitudeCall = 150;
constexpr double kAltitudeCallFt[kAltitudeCallCount] = {0.0 /* decision height */, 1000, 500, 400, 300, 200,
                                                        100, 50, 40, 30, 20, 10};
constexpr double kAltitudeCallsArmFt = 1100.0;

// The flap calls, by the handle value of each detent.
struct FlapCall {
  double handle;
  SoundId slot;
};
constexpr FlapCall kFlapCalls[] = {
    {0.0, 166}, {3276.8, 167}, {6553.6, 168}, {9830.4, 169}, {13107.2, 170}, {16384.0, 171},
};

// Engine start: starter engaged, then N2 through 20 % and 40 %.
struct EngineCall {
  Token n2;
  SoundId starterSlot;
};
constexpr EngineCall kEngineCalls[2] = {{Token::Engine1N2Pct, 162}, {Token::Engine2N2Pct, 163}};
constexpr SoundId kN2Through20 = 164;
constexpr SoundId kN2Through40 = 165;

constexpr SoundId kPositiveRate = 172;
constexpr SoundId kGearUpCall = 173;
constexpr SoundId kGearDownCall = 174;
constexpr SoundId k80Knots = 175;
constexpr SoundId kV1 = 176;
constexpr SoundId kRotate = 177;
constexpr SoundId kV2 = 178;
constexpr SoundId kV2Plus10 = 179;
constexpr SoundId k60Knots = 180;
constexpr SoundId kGlideSlopeCapture = 182;
constexpr SoundId kLocalizerCapture = 183;
constexpr SoundId kParkBrakeSet = 184;

struct Callouts {
  bool altitude[kAltitudeCallCount] = {};
  bool engine[2][3] = {};  // starter, 20 %, 40 %
  double lastFlapHandle = 0.0;
  bool liftOffArmed = false;
  bool gearSeenDown = false;
  bool gearSeenUp = false;
  bool to80Knots = false;
  bool toV1 = false;
  bool toRotate = false;
  bool toV2 = false;
  bool toV2Plus10 = false;
  bool sixtyKnots = false;
  bool glideSlope = false;
  bool localizer = false;
  bool parkingBrake = false;
};
Callouts g_callouts;

// What the step reads, once per evaluation.
struct Inputs {
  double radioAltitudeFt;
  double airspeedKt;
  bool onGround;
  double gear;
  double verticalSpeedFpm;
};

// Said only while the first officer's callouts are on; the call is consumed
// either way, so turning them back on does not bring back stale calls.
void Say(SoundId slot) {
  if (GetOption(kOptionTurnOffFoCallouts) == 0) PlaySound(slot, 0);
}

// Says the call and disarms it when it is armed and its condition holds;
// true when it did.
bool SayOnce(bool& armed, bool condition, SoundId slot) {
  if (!armed || !condition) return false;
  Say(slot);
  armed = false;
  return true;
}

bool StarterAt(int32_t engine, int32_t a, int32_t b) {
  const int32_t position = GetStarterSwitchPosition(engine);
  return position == a || position == b;
}

void Arm(const Inputs& in) {
  if (in.radioAltitudeFt > kAltitudeCallsArmFt) {
    for (bool& flag : g_callouts.altitude) flag = true;
  }
  for (int32_t engine = 0; engine < 2; ++engine) {
    if (ReadToken(kEngineCalls[engine].n2) < 5.0 && StarterAt(engine + 1, kStarterOff, kStarterOn)) {
      for (bool& flag : g_callouts.engine[engine]) flag = true;
    }
  }
  if (in.gear == kGearDown) g_callouts.gearSeenDown = true;
  if (in.gear == kGearUp) g_callouts.gearSeenUp = true;
  if (in.onGround) g_callouts.liftOffArmed = true;
}

// Several counts may be passed between two evaluations: each is said.
void CallRadioAltitudes(const Inputs& in) {
  for (size_t i = 0; i < kAltitudeCallCount; ++i) {
    const double callFt = i == 0 ? GetDecisionHeight() : kAltitudeCallFt[i];
    SayOnce(g_callouts.altitude[i], in.radioAltitudeFt < callFt, kFirstAltitudeCall + static_cast<SoundId>(i));
  }
}

// A handle stopping between detents says nothing but becomes the last value.
void CallFlaps() {
  const double handle = ReadToken(Token::FlapHandle);
  if (handle == g_callouts.lastFlapHandle) return;
  for (const FlapCall& call : kFlapCalls) {
    if (handle == call.handle) Say(call.slot);
  }
  g_callouts.lastFlapHandle = handle;
}

void CallEngineStart() {
  for (int32_t engine = 0; engine < 2; ++engine) {
    bool* flags = g_callouts.engine[engine];
    const double n2 = ReadToken(kEngineCalls[engine].n2);
    SayOnce(flags[0], StarterAt(engine + 1, kStarterGround, kStarterFlight), kEngineCalls[engine].starterSlot);
    SayOnce(flags[1], n2 > 20.0, kN2Through20);
    SayOnce(flags[2], n2 > 40.0, kN2Through40);
  }
}

void CallGear(const Inputs& in) {
  const bool positiveRate = in.verticalSpeedFpm > 500.0 && GetGearWheelsLampPosition() == kWheelsLampLit;
  SayOnce(g_callouts.liftOffArmed, positiveRate && in.gear == kGearDown, kPositiveRate);
  SayOnce(g_callouts.gearSeenDown, in.gear == kGearUp, kGearUpCall);
  SayOnce(g_callouts.gearSeenUp, in.gear == kGearDown, kGearDownCall);
}

// 80 knots, V1, rotate, V2 and V2 + 10, each arming the next. A V1 bug still
// at 50 kt or a V2 bug at 60 kt (not set for this take-off) says nothing.
void CallTakeOff(const Inputs& in) {
  const double v1 = GetSpeedBug(1);
  const double v2 = GetSpeedBug(2);
  const bool v1Set = v1 != kSpeedBugV1Unset;
  const bool v2Set = v2 != kSpeedBugV2Unset;
  if (in.onGround && in.airspeedKt < 80.0) g_callouts.to80Knots = true;
  if (SayOnce(g_callouts.to80Knots, in.onGround && in.airspeedKt > 80.0, k80Knots)) g_callouts.toV1 = true;
  if (SayOnce(g_callouts.toV1, in.onGround && in.airspeedKt > v1 - 2.0 && v1Set, kV1)) g_callouts.toRotate = true;
  if (SayOnce(g_callouts.toRotate, in.onGround && in.airspeedKt > v2 - 9.0 && v2Set, kRotate)) g_callouts.toV2 = true;
  if (SayOnce(g_callouts.toV2, in.airspeedKt > v2 - 2.0 && v2Set, kV2)) g_callouts.toV2Plus10 = true;
  SayOnce(g_callouts.toV2Plus10, in.airspeedKt > v2 + 8.0 && v2Set, kV2Plus10);
}

void CallSixtyKnots(const Inputs& in) {
  if (!in.onGround) g_callouts.sixtyKnots = true;
  SayOnce(g_callouts.sixtyKnots, in.onGround && in.airspeedKt < 60.0, k60Knots);
}

// A needle that has been at full scale in flight and comes alive on a valid
// signal is a capture.
void CallCaptures(const Inputs& in) {
  const double glideSlope = ReadToken(Token::GlideSlopeNeedle);
  const double course = ReadToken(Token::CourseNeedle);
  const bool signalValid = ReadToken(Token::Nav1ToFrom) == 1.0;
  if (!in.onGround && std::fabs(glideSlope) >= kGlideSlopeFullScale) g_callouts.glideSlope = true;
  SayOnce(g_callouts.glideSlope, std::fabs(glideSlope) < kGlideSlopeFullScale && signalValid, kGlideSlopeCapture);
  if (!in.onGround && std::fabs(course) >= kCourseFullScale) g_callouts.localizer = true;
  SayOnce(g_callouts.localizer,
          std::fabs(course) < kCourseFullScale && signalValid && ReadToken(Token::AltitudeFt) < 10000.0,
          kLocalizerCapture);
}

// Setting the brake is called out, except when the ground crew asked for it.
void CallParkingBrake() {
  const bool brakeSet = ReadToken(Token::ParkingBrake) != 0.0;
  if (!brakeSet) g_callouts.parkingBrake = true;
  if (IsGroundCrewSequenceStarted()) g_callouts.parkingBrake = false;
  SayOnce(g_callouts.parkingBrake, brakeSet, kParkBrakeSet);
}

}  // namespace

void ResetCallouts() {
  g_callouts = Callouts{};
  g_callouts.lastFlapHandle = ReadToken(Token::FlapHandle);
  g_thousandFootCalloutFlag = 1;
}

void EvaluateCallouts() {
  if (IsTickDue(kChannel6Hz) != 1) return;
  const Inputs in{
      ReadRadioAltitudeFt(),
      ReadToken(Token::IndicatedAirspeedKt),
      ReadToken(Token::OnGround) != 0.0,
      ReadToken(Token::GearPosition),
      ReadVerticalSpeedFpm(),
  };
  Arm(in);
  CallRadioAltitudes(in);
  CallFlaps();
  CallEngineStart();
  CallGear(in);
  CallTakeOff(in);
  CallSixtyKnots(in);
  CallCaptures(in);
  CallParkingBrake();
}

}  // namespace halcyon
