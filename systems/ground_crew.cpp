// The ground crew's two call sequences and the pushback.
#include "systems/ground_crew.h"

#include <iterator>

#include "core/controls.h"
#include "core/panel_services.h"
#include "host/sound_system.h"

namespace halcyon {
namespace {

enum class WaitFor { Nothing, BrakeReleased, BrakeSet };
enum class Push { None, Start, Stop };

// One step: what it waits for besides its time, the call it plays (-1 none),
// the pushback event it sends and the wait before the next step.
struct GroundComStep {
  WaitFor waitFor;
  SoundId call;
  Push push;
  double nextAfterTicks;
};

constexpr GroundComStep kFirstSequence[] = {
    {WaitFor::Nothing, 185, Push::None, 36},
    {WaitFor::Nothing, 186, Push::None, 39},
    {WaitFor::Nothing, 187, Push::None, 36},
    {WaitFor::Nothing, 188, Push::None, 86},
    {WaitFor::BrakeReleased, 189, Push::None, 32},
    {WaitFor::Nothing, 190, Push::Start, kPushbackTicks},
    {WaitFor::Nothing, -1, Push::Stop, 70},
    {WaitFor::Nothing, 191, Push::None, 75},
    {WaitFor::BrakeSet, 192, Push::None, 0},
};
constexpr GroundComStep kSecondSequence[] = {
    {WaitFor::Nothing, 193, Push::None, 66},
    {WaitFor::Nothing, 194, Push::None, 73},
    {WaitFor::Nothing, 195, Push::None, 93},
    {WaitFor::Nothing, 196, Push::None, 0},
};

struct Sequence {
  uint32_t active;
  int32_t step;  // 1-based
  double dueTick18;
};
Sequence g_first{};
Sequence g_second{};
uint32_t g_secondFollows = 0;
double g_lastTick18 = 0.0;  // TICK18 on the last update

void Start(Sequence& sequence, double dueTick18) { sequence = {1, 1, dueTick18}; }

bool Waited(WaitFor waitFor) {
  const bool brakeSet = ReadToken(Token::ParkingBrake) != 0.0;
  switch (waitFor) {
    case WaitFor::BrakeReleased: return !brakeSet;
    case WaitFor::BrakeSet: return brakeSet;
    default: return true;
  }
}

// A clock set back (a reloaded flight) takes both due times back with it, so
// each wait keeps the time it had left: the tug pushes for its full time
// however far the clock went, neither stopping at once nor minutes late. The
// update that sees the clock back is still one tick on from the last.
void FollowClockBack(double now) {
  if (now < g_lastTick18) {
    const double backTicks = g_lastTick18 + 1.0 - now;
    g_first.dueTick18 -= backTicks;
    g_second.dueTick18 -= backTicks;
  }
  g_lastTick18 = now;
}

// Runs the sequence's step when it is due; true when that was its last.
template <size_t N>
bool Step(Sequence& sequence, const GroundComStep (&steps)[N]) {
  const double now = CurrentTick18();
  if (sequence.active == 0 || !(now > sequence.dueTick18)) return false;
  if (sequence.step < 1 || sequence.step > static_cast<int32_t>(N)) {
    sequence.active = 0;
    return false;
  }
  const GroundComStep& step = steps[sequence.step - 1];
  if (!Waited(step.waitFor)) return false;
  if (step.call >= 0) PlaySound(step.call, 0);
  if (step.push != Push::None) TriggerKeyEvent(kKeyEventPushback, step.push == Push::Start ? 1 : 0);
  if (sequence.step == static_cast<int32_t>(N)) {
    sequence.active = 0;
    return true;
  }
  ++sequence.step;
  sequence.dueTick18 = now + step.nextAfterTicks;
  return false;
}

// The Pushback gauge's three controls, known by name to the host and tests.
const bool kRegistered = [] {
  RegisterControl(L"Pushback", L"first", nullptr, [](int32_t) { StartGroundComFirst(); });
  RegisterControl(L"Pushback", L"both", nullptr, [](int32_t) { StartGroundComBoth(); });
  RegisterControl(L"Pushback", L"second", nullptr, [](int32_t) { StartGroundComSecond(); });
  return true;
}();

}  // namespace

void StartGroundComFirst() { Start(g_first, CurrentTick18()); }

void StartGroundComBoth() {
  StartGroundComFirst();
  g_secondFollows = 1;
}

void StartGroundComSecond() { Start(g_second, CurrentTick18()); }

void UpdateGroundCom() {
  FollowClockBack(CurrentTick18());
  if (Step(g_first, kFirstSequence) && g_secondFollows != 0) {
    g_secondFollows = 0;
    Start(g_second, CurrentTick18() + kGroundComFollowTicks);
  }
  Step(g_second, kSecondSequence);
}

bool IsGroundCrewSequenceStarted() { return g_first.active != 0 || g_second.active != 0 || g_secondFollows != 0; }

int32_t GetGroundComStep(int32_t sequence) {
  const Sequence& s = sequence == 1 ? g_first : g_second;
  return (sequence == 1 || sequence == 2) && s.active != 0 ? s.step : 0;
}

}  // namespace halcyon
