// The headless simulator's frame loop.
#include "simhost/sim_host.h"

#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <filesystem>

#include "platform/ini.h"
#include "platform/simconnect.h"
#include "platform/simulator.h"
#include "platform/sound_device.h"
#include "platform/system.h"
#include "simhost/flight_control_effects.h"
#include "simhost/mouse_rects.h"
#include "simhost/panel_effects.h"
#include "simhost/sim_root.h"
#include "simhost/warning_effects.h"

namespace simhost {
namespace {

// What the simulator knows of this aircraft type from its flight model: the
// maximum operating speed (the barber pole) and Mach. A scenario may set others.
constexpr double kTypeVmoKt = 340.0;
constexpr double kTypeMmo = 0.84;
constexpr double kTicksPerSecond = 18.0;
constexpr double kMsPerTick = 1000.0 / kTicksPerSecond;
constexpr double kPi = 3.14159265358979323846;
constexpr double kDegToRad = kPi / 180.0;
constexpr double kEarthRadiusM = 6371000.0;

// What the simulator does with the key events whose result the cockpit reads
// back on a later tick; every other event is only logged.
struct KeyEventEffect {
  uint32_t event;
  void (*apply)(uint32_t value);
};

// The tank selector events are a base plus the selector value (1 all, 2 left,
// 3 right, 6 centre).
template <Token kSelectorToken, uint32_t kSelectorValue>
void SelectTank(uint32_t) {
  SetToken(kSelectorToken, kSelectorValue);
}

constexpr KeyEventEffect kKeyEventEffects[] = {
    {65580, [](uint32_t) { ToggleToken(Token::AutopilotEngaged); }},  // toggles at once
    {66241, [](uint32_t) { ToggleToken(Token::MasterBattery); }},
    {65750, [](uint32_t) { ToggleToken(Token::PanelLights); }},
    {66242, [](uint32_t) { ToggleToken(Token::MasterAlternator); }},
    {66293, [](uint32_t) { ToggleToken(Token::AvionicsMaster); }},
    // The simulator's APU runs up or down at once as far as the cockpit sees it.
    {66704, [](uint32_t) { SetToken(Token::ApuRpmFraction, 1.0); }},
    {66705, [](uint32_t) { SetToken(Token::ApuRpmFraction, 0.0); }},
    {66706, [](uint32_t) { ToggleToken(Token::ApuGeneratorSwitch); }},
    {65956, SelectTank<Token::Engine1FuelSelector, 1>},
    {65957, SelectTank<Token::Engine1FuelSelector, 2>},
    {65958, SelectTank<Token::Engine1FuelSelector, 3>},
    {65961, SelectTank<Token::Engine1FuelSelector, 6>},
    {66517, SelectTank<Token::Engine2FuelSelector, 1>},
    {66518, SelectTank<Token::Engine2FuelSelector, 2>},
    {66519, SelectTank<Token::Engine2FuelSelector, 3>},
    {66522, SelectTank<Token::Engine2FuelSelector, 6>},
    {66506, [](uint32_t ident) {
       platform::sim::SetWindowVisible(ident, !platform::sim::IsWindowVisible(ident));
     }},
    {66507, [](uint32_t ident) { platform::sim::SetWindowVisible(ident, true); }},
    {66508, [](uint32_t ident) { platform::sim::SetWindowVisible(ident, false); }},
};

void ApplyKeyEventEffect(uint32_t event, uint32_t value) {
  if (ApplyPanelEffect(event, value)) return;
  if (ApplyFlightControlEffect(event, value)) return;
  if (ApplyWarningKeyEvent(event, value)) return;
  for (const KeyEventEffect& effect : kKeyEventEffects) {
    if (effect.event == event) effect.apply(value);
  }
  EngineModel::ApplyKeyEvent(event, value);
}

double DistanceMeters(double lat1Deg, double lon1Deg, double lat2Deg, double lon2Deg) {
  const double dLat = (lat2Deg - lat1Deg) * kDegToRad;
  const double dLon = (lon2Deg - lon1Deg) * kDegToRad;
  const double a = std::sin(dLat / 2) * std::sin(dLat / 2) +
                   std::cos(lat1Deg * kDegToRad) * std::cos(lat2Deg * kDegToRad) * std::sin(dLon / 2) * std::sin(dLon / 2);
  return 2.0 * kEarthRadiusM * std::asin(std::min(1.0, std::sqrt(a)));
}

}  // namespace

SimHost::SimHost(HostOptions options)
    : options_(std::move(options)), tick18_(options_.initialTick18), flightModelOn_(options_.flightModel) {
  if (options_.modulePath.empty()) options_.modulePath = DefaultModulePath();
  if (!options_.root.empty() && options_.root[0] != '/') {
    char cwd[4096] = {};
    if (getcwd(cwd, sizeof(cwd)) != nullptr) options_.root = std::string(cwd) + "/" + options_.root;
  }
}

SimHost::~SimHost() {
  Unload();
  platform::simconnect::SetObjectAnswerer(nullptr);
  platform::simconnect::SetCloudAnswerer(nullptr);
  platform::SetTraceSink(nullptr);
  platform::SetEventSink(nullptr);
  platform::sim::SetKeyEventEffect(nullptr);
}

bool SimHost::Load(std::string* error) {
  std::error_code missing;
  const auto savedBytes = std::filesystem::file_size(RootPath(options_.root, kAircraftIniFile), missing);
  heldSavedCockpit_ = !missing && savedBytes > 0;
  if (!LayOutSimulatorRoot(options_.root, error, &laidOut_)) return false;
  if (chdir(options_.root.c_str()) != 0) {
    *error = "cannot enter the simulator folder " + options_.root;
    return false;
  }
  platform::sim::SetKeyEventEffect([this](uint32_t event, uint32_t value) {
    if (ground_.ApplyKeyEvent(*this, event, value)) return;
    ApplyKeyEventEffect(event, value);
    ApplyAutopilotKeyEvent(autopilot_, event, value);
    EchoTrimEvent(event);
    RadioNav::ApplyKeyEvent(event);
  });
  InstallSimConnectAnswers();
  magneticVariation_.Load(options_.root);
  radios_.Load(options_.root, &magneticVariation_);
  platform::SetTraceSink([this](const char* text) { OnTrace(text); });
  platform::SetEventSink([this](const char* text) {
    flightEvents_.push_back({simulationTicks_ / kTicksPerSecond, text});
  });
  if (!module_.Open(options_.modulePath, error)) return false;
  phase_ = Phase::Loaded;
  SetToken(Token::Tick18, tick18_);
  SetToken(Token::SimulationClock, simulationTicks_ / kTicksPerSecond);
  SetSecondsClock(simulationTicks_);
  SetScaledToken(Token::MaxOperatingSpeed, kTypeVmoKt);
  SetScaledToken(Token::MaxOperatingMach, kTypeMmo);
  return true;
}

void SimHost::EchoTrimEvent(uint32_t event) {
  if (!trimEcho_) return;
  if (const char* notification = TrimNotificationOf(event)) platform::simconnect::QueueSimEvent(notification);
}

// Every call into the module ends here: the INI writes it made are saved,
// each changed file once and whole, as the call returns (unless the saves
// are held).
void SimHost::ReturnedFromModule() { platform::SaveIniFiles(); }

void SimHost::HoldSaves() { platform::HoldIniSaves(); }

void SimHost::KeepHeldSaves() { platform::KeepHeldIniSaves(); }

void SimHost::DropHeldSaves() { platform::DropHeldIniSaves(); }

void SimHost::SendService(platform::GAUGEHDR* gauge, uint32_t serviceId) {
  if (gauge == nullptr || gauge->callback == nullptr) return;
  gauge->callback(gauge, serviceId, 0);
  ReturnedFromModule();
}

std::string SimHost::FindClickTarget(const std::string& gaugeName, int32_t x, int32_t y, uint32_t event,
                                     const platform::MOUSERECT** target, platform::PixelPoint* origin) const {
  const platform::GAUGEHDR* gauge = module_.FindGauge(gaugeName);
  if (gauge == nullptr) return "no gauge named '" + gaugeName + "'";
  *target = FindMouseRect(gauge->mouseRects, x, y, event, origin);
  if (*target == nullptr) return "no control of '" + gaugeName + "' at " + std::to_string(x) + "," + std::to_string(y);
  return "";
}

std::string SimHost::CheckClick(const std::string& gaugeName, int32_t x, int32_t y) const {
  const platform::MOUSERECT* rect = nullptr;
  return FindClickTarget(gaugeName, x, y, platform::kMouseLeftSingle, &rect);
}

std::string SimHost::Click(const std::string& gaugeName, int32_t x, int32_t y) {
  return Mouse(gaugeName, x, y, platform::kMouseLeftSingle);
}

std::string SimHost::Mouse(const std::string& gaugeName, int32_t x, int32_t y, uint32_t event) {
  const platform::MOUSERECT* rect = nullptr;
  platform::PixelPoint origin;
  if (std::string error = FindClickTarget(gaugeName, x, y, event, &rect, &origin); !error.empty()) return error;
  rect->function({x - origin.x, y - origin.y}, event);
  ReturnedFromModule();
  return "";
}

std::string SimHost::FindNamedControl(const std::string& gaugeName, const std::string& functionName,
                                      const platform::MOUSERECT** target) const {
  const platform::GAUGEHDR* gauge = module_.FindGauge(gaugeName);
  if (gauge == nullptr) return "no gauge named '" + gaugeName + "'";
  *target = FindNamedMouseRect(gauge->mouseRects, functionName);
  if (*target == nullptr) return "'" + gaugeName + "' has no control '" + functionName + "'";
  return "";
}

std::string SimHost::CheckCallControl(const std::string& gaugeName, const std::string& functionName) const {
  const platform::MOUSERECT* rect = nullptr;
  return FindNamedControl(gaugeName, functionName, &rect);
}

std::string SimHost::CallControl(const std::string& gaugeName, const std::string& functionName, uint32_t event) {
  const platform::MOUSERECT* rect = nullptr;
  if (std::string error = FindNamedControl(gaugeName, functionName, &rect); !error.empty()) return error;
  rect->function({0, 0}, event);
  ReturnedFromModule();
  return "";
}

std::string SimHost::Tooltip(const std::string& gaugeName) const {
  const platform::GAUGEHDR* gauge = module_.FindGauge(gaugeName);
  return gauge != nullptr ? TooltipText(gauge->mouseRects) : "";
}

bool SimHost::MoveControl(const std::string& section, const std::string& key, int32_t position) {
  const bool moved = module_.MoveControl(section, key, position);
  ReturnedFromModule();
  return moved;
}

bool SimHost::DispatchCards(std::string* loadSheet) {
  const bool written = module_.DispatchCards(loadSheet);
  ReturnedFromModule();
  return written;
}

bool SimHost::Lesson(const std::string& action, int32_t category, int32_t n, int32_t* result, std::string* text) {
  const bool done = module_.Lesson(action, category, n, result, text);
  ReturnedFromModule();
  return done;
}

void SimHost::SendWindowServices() {
  for (const PanelWindowLayout& window : PanelLayout()) {
    const bool open = platform::sim::IsWindowVisible(window.ident);
    if (open == (openWindows_.count(window.ident) != 0)) continue;
    if (open) {
      openWindows_.insert(window.ident);
    } else {
      openWindows_.erase(window.ident);
    }
    for (const Panel::Instance& instance : panel_.Instances()) {
      if (instance.window != window.ident) continue;
      SendService(instance.header, open ? platform::kServicePanelOpened : platform::kServicePanelClosed);
    }
  }
}

void SimHost::SendService(uint32_t serviceId) {
  for (const Panel::Instance& instance : panel_.Instances()) SendService(instance.header, serviceId);
}

void SimHost::SendPreDraw(bool onScreen) {
  for (const Panel::Instance& instance : panel_.Instances()) {
    const bool shown =
        options_.drawClosedWindows || instance.window == 0 || openWindows_.count(instance.window) != 0;
    if (shown == onScreen) SendService(instance.header, platform::kServicePreDraw);
  }
}

void SimHost::Start() {
  EngineModel::UpdateFuelWeight();
  module_.CallStart();
  ReturnedFromModule();
  phase_ = Phase::Startup;
  ShowWindowsAtLoad();
  // A panel built again (the module started once more) lets go of the
  // surfaces of the instances it is about to free.
  pictures_.Detach();
  panel_.Build(module_.Gauges(), options_.furtherPlacements);
  // The simulator makes the images that gauges draw into as it installs them.
  pictures_.Attach(panel_.Headers());
  for (const Panel::Instance& instance : panel_.Instances()) {
    SendService(instance.header, platform::kServicePreInstall);
    SendService(instance.header, platform::kServicePostInstall);
  }
  SendService(platform::kServicePreInitialize);
  phase_ = Phase::Ticking;
}

void SimHost::RunOneTick() {
  lastLatitudeDeg_ = GetScaledToken(Token::Latitude);
  lastLongitudeDeg_ = GetScaledToken(Token::Longitude);
  lastAltitudeFt_ = GetToken(Token::AltitudeFt);
  tick18_ += 1.0;
  ++ticksRun_;
  // The simulator's time is in seconds; counted in whole ticks, so it holds
  // no rounding that grows with the run.
  if (!clockFrozen_) simulationTicks_ += 1.0;
  SetToken(Token::Tick18, tick18_);
  SetToken(Token::SimulationClock, simulationTicks_ / kTicksPerSecond);
  SetSecondsClock(simulationTicks_);
  ApplyRamps();
  typist_.Step();
  MoveTraffic();
  // The variation where the tick starts: the flight model's magnetic
  // heading and heading bug agree with it, also just after a scenario moved
  // the aircraft.
  magneticVariation_.Update();
  if (flightModelOn_) flightModel_.Step(autopilot_, groundElevationFt_, radios_.Receiver(1));
  radios_.Update();
  ground_.Step();
  for (TickHook& hook : tickHooks_) hook(*this);
  MirrorOutsideAirTemp();
  engines_.Step(1.0 / 18.0);
  const int frames = std::max(1, options_.framesPerTick);
  // The milliseconds are counted from the first tick, so their rounding does
  // not add up: after N ticks the clock stands at N x 55.6 ms, give or take one.
  const double tickStartMs = static_cast<double>(ticksRun_ - 1) * kMsPerTick;
  for (int frame = 0; frame < frames; ++frame) {
    SendWindowServices();
    const auto frameMs = static_cast<uint64_t>(std::llround(tickStartMs + kMsPerTick * (frame + 1) / frames) -
                                               std::llround(tickStartMs + kMsPerTick * frame / frames));
    platform::AdvanceClockMs(frameMs);
    SendService(platform::kServicePreUpdate);
    SendPreDraw(true);
    panel_.PollAll(static_cast<double>(frameMs) / 1000.0);
  }
  KeepSoundsPlayed();
  RecordFma();
  RecordAlerts();
}

void SimHost::RecordAlerts() {
  std::vector<std::string> now;
  if (!module_.AlertMessages(&now) || now == alertsShown_) return;
  const auto note = [&](const char* sign, const std::string& text) {
    if (alertChanges_.size() < kAlertChangesKept) alertChanges_.push_back({tick18_, sign + text});
  };
  for (const std::string& text : alertsShown_) {
    if (std::find(now.begin(), now.end(), text) == now.end()) note("- ", text);
  }
  for (const std::string& text : now) {
    if (std::find(alertsShown_.begin(), alertsShown_.end(), text) == alertsShown_.end()) note("+ ", text);
  }
  alertsShown_ = std::move(now);
}

void SimHost::RecordFma() {
  std::string text;
  if (fmaChanges_.size() >= kFmaChangesKept || !module_.FmaText(&text)) return;
  if (!fmaChanges_.empty() && fmaChanges_.back().text == text) return;
  fmaChanges_.push_back({tick18_, text});
}

void SimHost::KeepSoundsPlayed() {
  const auto& log = platform::sound::SoundLog();
  for (size_t i = soundLogSeen_; i < log.size(); ++i) {
    const platform::sound::SoundLogEntry& entry = log[i];
    const bool unreadable = entry.op == platform::sound::SoundOp::Unreadable;
    if (entry.op != platform::sound::SoundOp::Play && !unreadable) continue;
    ++soundsPlayedCount_;
    if (soundsPlayed_.size() >= kSoundsKept) continue;
    soundsPlayed_.push_back({entry.tick18, entry.source, entry.loop, entry.volume, unreadable});
  }
  soundLogSeen_ = log.size();
  if (options_.keepTrace) return;
  platform::sound::ClearSoundLog();
  soundLogSeen_ = 0;
}

void SimHost::RunTicks(int ticks) {
  for (int i = 0; i < ticks && !StopRequested(); ++i) RunOneTick();
}

void SimHost::RunSeconds(double seconds) {
  const uint64_t target = static_cast<uint64_t>(std::llround((SimSeconds() + seconds) * 18.0));
  while (ticksRun_ < target && !StopRequested()) RunOneTick();
}

// The cockpit's last save is made here, before the log that names what it
// could not save is written.
void SimHost::Shutdown() {
  phase_ = Phase::Shutdown;
  SendService(platform::kServicePreKill);
  module_.CallStop();
  platform::FinishIniSaves();
}

void SimHost::Unload() {
  if (!module_.IsOpen()) return;
  pictures_.Detach();
  panel_.Clear();
  module_.Close();
  ReturnedFromModule();
  phase_ = Phase::Unloaded;
}

std::string SimHost::CheckSnapshot(const std::string& gauge) const {
  if (gauge.empty()) return "";
  if (module_.FindGauge(gauge) == nullptr) return "no gauge named '" + gauge + "'";
  const Panel::Instance* placed = panel_.Find(gauge);
  if (pictures_.HasScreen(gauge) || placed == nullptr || placed->placement != nullptr) return "";
  return "\"" + gauge + "\" has no screen and stands in no panel window: there is no picture of it to take";
}

std::string SimHost::Snapshot(const std::string& gauge) {
  if (std::string refused = CheckSnapshot(gauge); !refused.empty()) return refused;
  if (options_.picturesFolder.empty()) return "";
  SendPreDraw(false);
  panel_.PollAll(0.0);
  std::string error;
  if (!pictures_.Write(options_.picturesFolder, SimSeconds(), gauge, &error)) return error;
  if (gauge.empty()) return SnapshotWindows();
  return pictures_.HasScreen(gauge) ? "" : SnapshotGauge(gauge);
}

// A gauge without a screen: the schematic of its first placement.
std::string SimHost::SnapshotGauge(const std::string& gauge) {
  const std::string picture = PictureFileName(SimSeconds(), gauge);
  std::string error;
  if (!MakePicturesFolder(options_.picturesFolder, &error) ||
      !panel_.WriteSchematic(*panel_.Find(gauge), options_.picturesFolder + "/" + picture, &error)) {
    return error;
  }
  pictures_.NoteWritten(picture);
  return "";
}

// Each open window of our panel configuration: its elements as text and its
// schematic picture, named like the displays' pictures.
std::string SimHost::SnapshotWindows() {
  for (const PanelWindowLayout& window : PanelLayout()) {
    if (!platform::sim::IsWindowVisible(window.ident)) continue;
    const std::string picture = PictureFileName(SimSeconds(), "window " + std::to_string(window.ident));
    const std::string dump = picture.substr(0, picture.size() - 4) + ".txt";
    std::string error;
    if (!pictures_.WriteText(options_.picturesFolder, dump, panel_.Dump(window.ident), &error)) return error;
    if (!panel_.WriteSchematic(window.ident, options_.picturesFolder + "/" + picture, &error)) return error;
    pictures_.NoteWritten(picture);
  }
  return "";
}

void SimHost::SetTick18Back(double ticks) {
  tick18_ = std::max(0.0, tick18_ - ticks);
  SetToken(Token::Tick18, tick18_);
}

void SimHost::SetToken(uint32_t token, double value) {
  ramps_.erase(std::remove_if(ramps_.begin(), ramps_.end(), [token](const Ramp& r) { return r.token == token; }),
               ramps_.end());
  platform::sim::SetToken(token, value);
  if (token == halcyon::TokenNumber(Token::AmbientTemp)) MirrorOutsideAirTemp();
  ground_.TokenSet(*this, token, value);
}

// The simulator gives the outside air temperature twice: in its own scale and in degrees C.
void SimHost::MirrorOutsideAirTemp() {
  simhost::SetToken(Token::OutsideAirTempDegC, GetScaledToken(Token::AmbientTemp));
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

namespace simhost {

// The simulator answers each request as the module makes it: the AI aircraft
// within the radius of the user aircraft, and the weather field over the box asked for.
void SimHost::InstallSimConnectAnswers() {
  platform::simconnect::SetObjectAnswerer([this](const platform::simconnect::ObjectRequest& request) {
    std::vector<platform::simconnect::AiAircraft> answer;
    if (request.objectType != platform::kObjectTypeAircraft) return answer;
    const double ownLat = GetScaledToken(Token::Latitude);
    const double ownLon = GetScaledToken(Token::Longitude);
    for (const AiTraffic& aircraft : traffic_) {
      if (DistanceMeters(ownLat, ownLon, aircraft.latitudeDeg, aircraft.longitudeDeg) > request.radiusMeters) continue;
      answer.push_back({aircraft.atcId, "cruise", aircraft.latitudeDeg * kDegToRad, aircraft.longitudeDeg * kDegToRad,
                        aircraft.altitudeFt, aircraft.altitudeFt - groundElevationFt_, aircraft.verticalSpeedFpm / 60.0});
    }
    trafficAnswers_ += answer.size();
    return answer;
  });
  platform::simconnect::SetCloudAnswerer(
      [this](const platform::simconnect::CloudRequest& request) { return weather_.Answer(request); });
}

void SimHost::PlaceTraffic(const AiTraffic& aircraft) {
  for (AiTraffic& known : traffic_) {
    if (known.atcId == aircraft.atcId) {
      known = aircraft;
      return;
    }
  }
  traffic_.push_back(aircraft);
}

// Flat-earth steps in NM east and north, as the traffic flies. The user
// aircraft's velocity is its movement over the last tick; the intruder is
// placed on the line of sight at the bearing asked, at the range from which
// its speed brings it to the meeting point in time (a collision course keeps
// its bearing): with u the line of sight, v the user's velocity and s the
// intruder's speed, range / time r solves |v - r u| = s.
std::string SimHost::PlaceEncounter(const Encounter& encounter) {
  const double latitudeDeg = GetScaledToken(Token::Latitude);
  const double longitudeDeg = GetScaledToken(Token::Longitude);
  const double altitudeFt = GetToken(Token::AltitudeFt);
  const double nmPerDegEast = 60.0 * std::cos(latitudeDeg * kDegToRad);
  const double ownEast = (longitudeDeg - lastLongitudeDeg_) * nmPerDegEast * 18.0;  // NM/s
  const double ownNorth = (latitudeDeg - lastLatitudeDeg_) * 60.0 * 18.0;
  const double sightRad = (GetToken(Token::HeadingDeg) + encounter.bearingDeg) * kDegToRad;
  const double sightEast = std::sin(sightRad);
  const double sightNorth = std::cos(sightRad);
  const double speed = encounter.speedKt / 3600.0;
  const double along = ownEast * sightEast + ownNorth * sightNorth;
  const double discriminant = along * along - (ownEast * ownEast + ownNorth * ownNorth) + speed * speed;
  const double rate = discriminant >= 0.0 ? along + std::sqrt(discriminant) : -1.0;
  if (!(rate > 0.0)) {
    return encounter.atcId + " at " + std::to_string(static_cast<int>(encounter.speedKt)) +
           " kt cannot meet the aircraft from that bearing";
  }
  const double rangeNm = rate * encounter.seconds;
  AiTraffic aircraft;
  aircraft.atcId = encounter.atcId;
  aircraft.latitudeDeg = std::clamp(latitudeDeg + rangeNm * sightNorth / 60.0, -89.9, 89.9);
  aircraft.longitudeDeg = longitudeDeg + rangeNm * sightEast / nmPerDegEast;
  const double meetAltFt = altitudeFt + (altitudeFt - lastAltitudeFt_) * encounter.seconds * 18.0 +
                           encounter.altitudeOffsetFt;
  aircraft.altitudeFt = meetAltFt - encounter.verticalSpeedFpm * encounter.seconds / 60.0;
  aircraft.verticalSpeedFpm = encounter.verticalSpeedFpm;
  const double headingDeg = std::atan2(ownEast - rate * sightEast, ownNorth - rate * sightNorth) / kDegToRad;
  aircraft.headingDeg = headingDeg < 0.0 ? headingDeg + 360.0 : headingDeg;
  aircraft.groundSpeedKt = encounter.speedKt;
  PlaceTraffic(aircraft);
  return "";
}

bool SimHost::RemoveTraffic(const std::string& atcId) {
  const auto before = traffic_.size();
  traffic_.erase(std::remove_if(traffic_.begin(), traffic_.end(),
                                [&atcId](const AiTraffic& aircraft) { return aircraft.atcId == atcId; }),
                 traffic_.end());
  return traffic_.size() != before;
}

bool SimHost::PressCombo(const std::string& text) { return platform::simconnect::PressCombination(text); }

// One tick of flight for each AI aircraft (flat-earth steps are plenty for
// the few miles around an airport).
void SimHost::MoveTraffic() {
  constexpr double kHoursPerTick = 1.0 / (18.0 * 3600.0);
  for (AiTraffic& aircraft : traffic_) {
    const double distanceNm = aircraft.groundSpeedKt * kHoursPerTick;
    const double heading = aircraft.headingDeg * kDegToRad;
    aircraft.latitudeDeg = std::clamp(aircraft.latitudeDeg + distanceNm * std::cos(heading) / 60.0, -89.9, 89.9);
    aircraft.longitudeDeg += distanceNm * std::sin(heading) / 60.0 / std::cos(aircraft.latitudeDeg * kDegToRad);
    if (aircraft.longitudeDeg > 180.0) aircraft.longitudeDeg -= 360.0;
    if (aircraft.longitudeDeg < -180.0) aircraft.longitudeDeg += 360.0;
    aircraft.altitudeFt = std::max(groundElevationFt_, aircraft.altitudeFt + aircraft.verticalSpeedFpm / (60.0 * 18.0));
  }
}

}  // namespace simhost
