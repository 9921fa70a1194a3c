// The headless simulator's frame loop.
#include "simhost/sim_host.h"

#include <unistd.h>

#include <algorithm>
#include <cmath>

#include "platform/simulator.h"
#include "platform/sound_device.h"
#include "platform/system.h"
#include "simhost/sim_root.h"

namespace simhost {
namespace {

constexpr uint32_t kTokenTick18 = 1;
constexpr uint32_t kTokenAutopilotEngaged = 103;
constexpr uint32_t kTokenSimulationClock = 604;
constexpr double kMsPerTick = 1000.0 / 18.0;

// What the simulator does with the key events whose result the cockpit reads
// back on a later tick; every other event is only logged.
struct KeyEventEffect {
  uint32_t event;
  void (*apply)(uint32_t value);
};

constexpr KeyEventEffect kKeyEventEffects[] = {
    {65580, [](uint32_t) {  // autopilot master toggles at once
       platform::sim::SetToken(kTokenAutopilotEngaged,
                               platform::sim::GetToken(kTokenAutopilotEngaged) != 0 ? 0.0 : 1.0);
     }},
    {66506, [](uint32_t ident) {
       platform::sim::SetWindowVisible(ident, !platform::sim::IsWindowVisible(ident));
     }},
    {66507, [](uint32_t ident) { platform::sim::SetWindowVisible(ident, true); }},
    {66508, [](uint32_t ident) { platform::sim::SetWindowVisible(ident, false); }},
};

void ApplyKeyEventEffect(uint32_t event, uint32_t value) {
  for (const KeyEventEffect& effect : kKeyEventEffects) {
    if (effect.event == event) effect.apply(value);
  }
}

}  // namespace

SimHost::SimHost(HostOptions options) : options_(std::move(options)), tick18_(options_.initialTick18) {
  if (options_.modulePath.empty()) options_.modulePath = DefaultModulePath();
  if (!options_.root.empty() && options_.root[0] != '/') {
    char cwd[4096] = {};
    if (getcwd(cwd, sizeof(cwd)) != nullptr) options_.root = std::string(cwd) + "/" + options_.root;
  }
}

SimHost::~SimHost() {
  Unload();
  platform::SetTraceSink(nullptr);
  platform::sim::SetKeyEventEffect(nullptr);
}

bool SimHost::Load(std::string* error) {
  if (!LayOutSimulatorRoot(options_.root, error)) return false;
  if (chdir(options_.root.c_str()) != 0) {
    *error = "cannot enter the simulator folder " + options_.root;
    return false;
  }
  platform::sim::SetKeyEventEffect(ApplyKeyEventEffect);
  platform::SetTraceSink([this](const char* text) { OnTrace(text); });
  if (!module_.Open(options_.modulePath, error)) return false;
  phase_ = Phase::Loaded;
  SetToken(kTokenTick18, tick18_);
  SetToken(kTokenSimulationClock, simulationClock_);
  return true;
}

void SimHost::SendService(platform::GAUGEHDR* gauge, uint32_t serviceId) {
  if (gauge != nullptr && gauge->callback != nullptr) gauge->callback(gauge, serviceId, 0);
}

void SimHost::SendService(uint32_t serviceId) {
  for (platform::GAUGEHDR* gauge : module_.Gauges()) SendService(gauge, serviceId);
}

void SimHost::Start() {
  module_.CallStart();
  phase_ = Phase::Startup;
  for (platform::GAUGEHDR* gauge : module_.Gauges()) {
    SendService(gauge, platform::kServicePreInstall);
    SendService(gauge, platform::kServicePostInstall);
  }
  SendService(platform::kServicePreInitialize);
  phase_ = Phase::Ticking;
}

void SimHost::RunOneTick() {
  tick18_ += 1.0;
  ++ticksRun_;
  if (!clockFrozen_) simulationClock_ += 1.0;
  SetToken(kTokenTick18, tick18_);
  SetToken(kTokenSimulationClock, simulationClock_);
  ApplyRamps();
  for (TickHook& hook : tickHooks_) hook(*this);
  const int frames = std::max(1, options_.framesPerTick);
  for (int frame = 0; frame < frames; ++frame) {
    platform::AdvanceClockMs(static_cast<uint64_t>(std::llround(kMsPerTick * (frame + 1) / frames) -
                                                   std::llround(kMsPerTick * frame / frames)));
    SendService(platform::kServicePreUpdate);
    SendService(platform::kServicePreDraw);
  }
  KeepSoundsPlayed();
}

void SimHost::KeepSoundsPlayed() {
  const auto& log = platform::sound::SoundLog();
  for (size_t i = soundLogSeen_; i < log.size(); ++i) {
    const platform::sound::SoundLogEntry& entry = log[i];
    if (entry.op != platform::sound::SoundOp::Play) continue;
    ++soundsPlayedCount_;
    if (soundsPlayed_.size() >= kSoundsKept) continue;
    soundsPlayed_.push_back({entry.tick18, entry.source, entry.loop, entry.volume});
  }
  soundLogSeen_ = log.size();
  if (options_.keepTrace) return;
  platform::sound::ClearSoundLog();
  soundLogSeen_ = 0;
}

void SimHost::RunTicks(int ticks) {
  for (int i = 0; i < ticks; ++i) RunOneTick();
}

void SimHost::RunSeconds(double seconds) {
  const uint64_t target = static_cast<uint64_t>(std::llround((SimSeconds() + seconds) * 18.0));
  while (ticksRun_ < target) RunOneTick();
}

void SimHost::Shutdown() {
  phase_ = Phase::Shutdown;
  SendService(platform::kServicePreKill);
  module_.CallStop();
}

void SimHost::Unload() {
  if (!module_.IsOpen()) return;
  module_.Close();
  phase_ = Phase::Unloaded;
}

void SimHost::SetTick18Back(double ticks) {
  tick18_ = std::max(0.0, tick18_ - ticks);
  SetToken(kTokenTick18, tick18_);
}

void SimHost::SetToken(uint32_t token, double value) {
  ramps_.erase(std::remove_if(ramps_.begin(), ramps_.end(), [token](const Ramp& r) { return r.token == token; }),
               ramps_.end());
  platform::sim::SetToken(token, value);
}

double SimHost::GetToken(uint32_t token) const { return platform::sim::GetToken(token); }

void SimHost::RampToken(uint32_t token, double target, double seconds) {
  const double from = GetToken(token);
  SetToken(token, from);
  if (seconds <= 0.0) {
    SetToken(token, target);
    return;
  }
  ramps_.push_back({token, from, target, static_cast<double>(ticksRun_), seconds * 18.0});
}

void SimHost::ApplyRamps() {
  for (auto it = ramps_.begin(); it != ramps_.end();) {
    const double fraction = std::min(1.0, (static_cast<double>(ticksRun_) - it->startTick) / it->ticks);
    platform::sim::SetToken(it->token, it->from + (it->to - it->from) * fraction);
    it = fraction >= 1.0 ? ramps_.erase(it) : it + 1;
  }
}

void SimHost::OnTrace(const char* text) {
  if (phase_ == Phase::Ticking) {
    if (!inTickRun_ || tick18_ != lastTracedTick18_) ++tickListRuns_;
    inTickRun_ = true;
    lastTracedTick18_ = tick18_;
    // Without a full trace, the tick list is kept once: it is the same every tick.
    if (!options_.keepTrace && tickListRuns_ > 1) return;
  } else {
    inTickRun_ = false;
  }
  trace_.push_back({phase_, tick18_, text});
}

}  // namespace simhost
