// The test bed over the headless simulator.
#include "tests/cockpit.h"

#include <cairo.h>
#include <gtest/gtest.h>
#include <stdio.h>
#include <fcntl.h>
#include <linux/fs.h>
#include <signal.h>
#include <spawn.h>
#include <stdlib.h>
#include <strings.h>
#include <sys/ioctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <unordered_map>

#include "core/controls.h"
#include "core/options.h"
#include "core/tick_scheduler.h"
#include "fmc/fms.h"
#include "host/sound_slots.h"
#include "systems/alert_list.h"
#include "systems/electric.h"
#include "systems/irs.h"
#include "platform/ini.h"
#include "platform/keyboard_device.h"
#include "platform/paths.h"
#include "platform/simconnect.h"
#include "platform/system.h"
#include "tests/sound_test_support.h"

namespace halcyon::test {
namespace {

std::string MakeTempFolder() {
  char folder[] = "/tmp/halcyon-cockpit-XXXXXX";
  return mkdtemp(folder) != nullptr ? std::string(folder) : std::string("/tmp/halcyon-cockpit");
}

uint8_t KeyOf(const std::string& name) {
  uint8_t key = 0;
  if (!platform::keyboard::FindKey(name, &key)) ADD_FAILURE() << "no key named '" << name << "'";
  return key;
}

simhost::HostOptions MakeHostOptions(const std::string& folder, const CockpitOptions& options) {
  simhost::HostOptions host;
  host.root = folder + "/root";
  host.picturesFolder = folder + "/pictures";
  host.keepTrace = true;
  host.initialTick18 = options.initialTick18;
  host.framesPerTick = options.framesPerTick;
  host.flightModel = options.flightModel;
  host.drawClosedWindows = options.drawClosedWindows;
  host.furtherPlacements = options.furtherPlacements;
  return host;
}

}  // namespace

Cockpit::Cockpit(CockpitOptions options) : folder_(MakeTempFolder()), host_(MakeHostOptions(folder_, options)) {
  std::string error;
  if (!host_.Load(&error)) ADD_FAILURE() << "the cockpit did not load: " << error;
  if (options.start) start();
}

Cockpit::~Cockpit() {
  host_.Unload();
  std::error_code ignored;
  std::filesystem::remove_all(folder_, ignored);
}

platform::gfx::Surface* Cockpit::surface(const std::string& gauge, uint32_t window) const {
  const simhost::Panel::Instance* instance = host_.PanelGauges().Find(gauge, window);
  for (const platform::ELEMENT_HEADER* element = instance != nullptr ? instance->header->elements : nullptr;
       element != nullptr; element = element->nextElement != nullptr ? element->nextElement[0] : nullptr) {
    if ((element->imageFlags & platform::kImageDrawingSurface) != 0) return element->surface;
  }
  return nullptr;
}

Cockpit& Cockpit::snapshot(const std::string& gauge) {
  const std::string failure = host_.Snapshot(gauge);
  if (!failure.empty()) ADD_FAILURE() << "snapshot: " << failure;
  return *this;
}

std::string Cockpit::picturesFolder() const { return folder_ + "/pictures"; }

Cockpit& Cockpit::start() {
  host_.Start();
  return *this;
}

Cockpit& Cockpit::runTicks(int ticks) {
  host_.RunTicks(ticks);
  return *this;
}

Cockpit& Cockpit::runSeconds(double seconds) {
  host_.RunSeconds(seconds);
  return *this;
}

Cockpit& Cockpit::runUntil(const std::function<bool()>& done, double maxSeconds) {
  const uint64_t lastTick = host_.TicksRun() + static_cast<uint64_t>(maxSeconds * 18.0);
  while (!done() && host_.TicksRun() < lastTick) host_.RunTicks(1);
  return *this;
}

Cockpit& Cockpit::setSwitch(CSwitch* record, int32_t position) {
  SetSwitch(record, position);
  return *this;
}

Cockpit& Cockpit::control(const std::string& section, const std::string& key, int32_t position) {
  if (!host_.MoveControl(section, key, position)) {
    ADD_FAILURE() << "no control [" << section << "] " << key;
  }
  return *this;
}

Cockpit& Cockpit::powerUp() {
  control("APU", "battery", kSwitchOn);
  runUntil([] { return IsPanelPowered() != 0; }, 5);
  if (IsPanelPowered() == 0) ADD_FAILURE() << "the battery did not power the panel";
  return *this;
}

Cockpit& Cockpit::guidanceReady() {
  irsInNav();
  set(Token::OnGround, 0).set(Token::Engine1Combustion, 1).set(Token::Engine2Combustion, 1);
  return powerUp();
}

Cockpit& Cockpit::shutdown() {
  host_.Shutdown();
  return *this;
}

Cockpit& Cockpit::set(Token token, double value) {
  host_.SetToken(TokenNumber(token), value);
  return *this;
}

double Cockpit::token(Token token) const { return host_.GetToken(TokenNumber(token)); }

Cockpit& Cockpit::setScaled(Token token, double value) { return set(token, value * TokenScale(token)); }

double Cockpit::scaled(Token which) const { return token(which) / TokenScale(which); }

Cockpit& Cockpit::ramp(Token token, double target, double seconds) {
  host_.RampToken(TokenNumber(token), target, seconds);
  return *this;
}

Cockpit& Cockpit::freezeClock(bool frozen) {
  host_.FreezeSimulationClock(frozen);
  return *this;
}

Cockpit& Cockpit::click(const std::string& gauge, int32_t x, int32_t y) {
  const std::string error = host_.Click(gauge, x, y);
  if (!error.empty()) ADD_FAILURE() << error;
  return *this;
}

Cockpit& Cockpit::clockBack(double ticks) {
  host_.SetTick18Back(ticks);
  return *this;
}

Cockpit& Cockpit::typeKeys(const std::string& text) {
  const std::string error = host_.TypeText(text);
  if (!error.empty()) ADD_FAILURE() << error;
  return *this;
}

Cockpit& Cockpit::keyDown(const std::string& key) {
  platform::keyboard::KeyDown(KeyOf(key));
  return *this;
}

Cockpit& Cockpit::keyUp(const std::string& key) {
  platform::keyboard::KeyUp(KeyOf(key));
  return *this;
}

Cockpit& Cockpit::finishTyping() {
  while (host_.IsTyping()) host_.RunTicks(1);
  return runTicks(1);
}

const std::vector<uint32_t>& Cockpit::fmsKeys() const { return g_fms.KeysPressed(); }

namespace {

struct CduKeyRow {
  const char* name;
  int32_t x, y;  // the key's centre on the gauge
};
// The keys with a name of their own; characters are found by their grid.
constexpr CduKeyRow kCduNamedKeys[] = {
    {"INIT_REF", 52, 289}, {"DIR_INTC", 89, 289}, {"RTE", 126, 289},  {"LEGS", 163, 289}, {"CLB", 200, 289},
    {"CRZ", 237, 289},     {"DES", 274, 289},     {"PREV", 52, 321},  {"NEXT", 89, 321},  {"MENU", 126, 321},
    {"FIX", 163, 321},     {"DEP_ARR", 200, 321}, {"HOLD", 237, 321}, {"PROG", 274, 321}, {"EXEC", 312, 321},
    {"SP", 235, 497},      {"DEL", 274, 497},     {"/", 312, 497},    {"CLR", 350, 497},  {".", 56, 475},
    {"0", 91, 475},        {"+/-", 126, 475},
};
constexpr int32_t kLetterColumns[] = {160, 196, 235, 274, 312, 350};
constexpr int32_t kLetterRows[] = {355, 390, 426, 462, 497};
constexpr int32_t kDigitColumns[] = {56, 91, 126};
constexpr int32_t kDigitRows[] = {366, 402, 438};

}  // namespace

std::pair<int32_t, int32_t> Cockpit::CduKeyPoint(const std::string& key) {
  for (const CduKeyRow& row : kCduNamedKeys) {
    if (key == row.name) return {row.x, row.y};
  }
  if (key.size() == 2 && key[0] >= '1' && key[0] <= '6' && (key[1] == 'L' || key[1] == 'R')) {
    return {key[1] == 'L' ? 22 : 378, 66 + 32 * (key[0] - '1')};
  }
  if (key.size() == 1 && key[0] >= 'A' && key[0] <= 'Z') {
    const int i = key[0] - 'A';
    return {kLetterColumns[i % 6], kLetterRows[i / 6]};
  }
  if (key.size() == 1 && key[0] >= '1' && key[0] <= '9') {
    const int i = key[0] - '1';
    return {kDigitColumns[i % 3], kDigitRows[i / 3]};
  }
  ADD_FAILURE() << "no CDU key " << key;
  return {-1, -1};
}

Cockpit& Cockpit::cdu(const std::string& keys) {
  std::istringstream names(keys);
  std::string key;
  while (names >> key) {
    const auto [x, y] = CduKeyPoint(key);
    click("FMS", x, y);
  }
  return *this;
}

Cockpit& Cockpit::cduType(const std::string& text) {
  for (char c : text) {
    if (c == ' ') {
      cdu("SP");
    } else if (c == '-') {
      cdu("+/-");
    } else {
      cdu(std::string(1, c));
    }
  }
  return *this;
}

std::string Cockpit::cduLine(int line) const {
  std::string text;
  for (wchar_t c : g_fms.Screen().LineText(line)) {
    if (c == L'\u00B0') {
      text += "\xC2\xB0";
    } else {
      text += c < 128 ? static_cast<char>(c) : '?';
    }
  }
  return text;
}

Cockpit& Cockpit::setPosition(double latitudeDeg, double longitudeDegEast) {
  return setScaled(Token::Latitude, latitudeDeg).setScaled(Token::Longitude, longitudeDegEast);
}

double Cockpit::latitudeDeg() const { return scaled(Token::Latitude); }

double Cockpit::longitudeDegEast() const { return scaled(Token::Longitude); }

Cockpit& Cockpit::everyTick(simhost::SimHost::TickHook hook) {
  host_.AddTickHook(std::move(hook));
  return *this;
}

Cockpit& Cockpit::watchChannel(uint32_t channel) {
  dueTicks_[channel];
  // A hook runs before the cockpit's update: what is due now was due on the tick before.
  return everyTick([this, channel](simhost::SimHost& host) {
    if (IsTickDue(channel) == 1) dueTicks_[channel].insert(host.Tick18() - 1);
  });
}

const std::set<double>& Cockpit::dueTicks(uint32_t channel) const { return dueTicks_.at(channel); }

const std::string& Cockpit::root() const { return host_.Root(); }

std::string Cockpit::path(const std::string& relative) const { return platform::ResolvePath(root() + "/" + relative); }

void Cockpit::writeFile(const std::string& relative, const std::string& content) const {
  std::ofstream file(path(relative), std::ios::binary);
  file << content;
}

std::string Cockpit::readFile(const std::string& relative) const {
  std::ifstream file(path(relative), std::ios::binary);
  std::stringstream text;
  text << file.rdbuf();
  return text.str();
}

std::string Cockpit::ini(const std::string& section, const std::string& key, const std::string& file) const {
  const std::wstring value =
      platform::ReadIniString(platform::Widen(section).c_str(), platform::Widen(key).c_str(), L"<missing>", 4096,
                              platform::Widen(path(file)).c_str());
  return platform::Narrow(value);
}

Cockpit& Cockpit::setOption(uint32_t option, bool on) {
  on ? SetOptionOn(option) : SetOptionOff(option);
  return *this;
}

Cockpit& Cockpit::irsInNav(int unit) {
  const struct {
    CSwitch* selector;
    CSwitch* state;
  } units[] = {{&g_irs1Selector, &g_irs1State}, {&g_irs2Selector, &g_irs2State}};
  for (int i = 0; i < 2; ++i) {
    if (unit != 0 && unit != i + 1) continue;
    SetSwitch(units[i].selector, kIrsNav);
    SetSwitch(units[i].state, kIrsNav);
  }
  return *this;
}

Cockpit& Cockpit::fmsAnswers(const CFms::Guidance& guidance) {
  g_fms.SetGuidance(guidance);
  return *this;
}

std::string Cockpit::SoundFile(int slot) {
  if (slot < 0 || slot >= static_cast<int>(kSoundSlotCount) || kSoundSlotNames[slot][0] == L'\0') return "";
  const std::string name = platform::Narrow(kSoundSlotNames[slot]);
  return "Sound\\HalcyonPro\\VXMD80" + std::string(name[0] == '-' ? "" : " ") + name + ".wav";
}

int Cockpit::SlotOf(const std::string& source) {
  // Looked up for every sound of the log each time a test reads it: the
  // files are named once (the first slot of a file wins).
  static const std::unordered_map<std::string, int> kSlots = [] {
    std::unordered_map<std::string, int> slots;
    for (int slot = 0; slot < static_cast<int>(kSoundSlotCount); ++slot) {
      const std::string file = SoundFile(slot);
      if (!file.empty()) slots.emplace(file, slot);
    }
    return slots;
  }();
  const auto found = kSlots.find(source);
  return found != kSlots.end() ? found->second : -1;
}

Cockpit& Cockpit::addSounds(std::initializer_list<int> slots, uint32_t ms, double hz) {
  for (int slot : slots) {
    const std::string file = SoundFile(slot);
    if (file.empty()) continue;
    const std::string local = root() + "/Sound/HalcyonPro/" + file.substr(file.rfind('\\') + 1);
    testsupport::WriteBytes(local, testsupport::SimpleWav({1, 1, 22050, 16}, testsupport::Tone16(22050, ms, hz)));
  }
  return *this;
}

const std::vector<platform::sound::SoundLogEntry>& Cockpit::soundLog() const { return platform::sound::SoundLog(); }

std::vector<platform::sound::SoundLogEntry> Cockpit::sounds(int slot) const {
  std::vector<platform::sound::SoundLogEntry> entries;
  for (const auto& entry : soundLog()) {
    if (SlotOf(entry.source) == slot) entries.push_back(entry);
  }
  return entries;
}

std::vector<platform::sound::SoundLogEntry> Cockpit::sounds(int slot, platform::sound::SoundOp op) const {
  std::vector<platform::sound::SoundLogEntry> entries = sounds(slot);
  std::erase_if(entries, [op](const auto& entry) { return entry.op != op; });
  return entries;
}

std::vector<PlayedSound> Cockpit::played() const {
  std::vector<PlayedSound> started;
  for (const auto& entry : soundLog()) {
    if (entry.op == platform::sound::SoundOp::Play) {
      started.push_back({entry.tick18, SlotOf(entry.source), entry.loop, entry.volume});
    }
  }
  return started;
}

std::vector<PlayedSound> Cockpit::played(int slot) const {
  std::vector<PlayedSound> started = played();
  std::erase_if(started, [slot](const PlayedSound& sound) { return sound.slot != slot; });
  return started;
}

const platform::GAUGEHDR* Cockpit::gauge(const std::string& name) const { return host_.Module().FindGauge(name); }


std::vector<std::string> Cockpit::iniKeys(const std::string& section, const std::string& file) const {
  std::istringstream text(readFile(file));
  std::vector<std::string> keys;
  bool inSection = false;
  for (std::string line; std::getline(text, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (!line.empty() && line.front() == '[') {
      inSection = strcasecmp(line.substr(1, line.find(']') - 1).c_str(), section.c_str()) == 0;
    } else if (inSection && line.find('=') != std::string::npos) {
      keys.push_back(line.substr(0, line.find('=')));
    }
  }
  return keys;
}

Cockpit& Cockpit::pressCombo(const std::string& text) {
  EXPECT_TRUE(host_.PressCombo(text)) << "no keyboard command has the combination " << text;
  return *this;
}

Cockpit& Cockpit::simEvent(const std::string& name) {
  EXPECT_TRUE(platform::simconnect::QueueSimEvent(name)) << "the cockpit does not watch " << name;
  return *this;
}

Cockpit& Cockpit::traffic(const std::string& atcId, double latitudeDeg, double longitudeDeg, double altitudeFt,
                          double verticalSpeedFpm) {
  simhost::SimHost::AiTraffic aircraft;
  aircraft.atcId = atcId;
  aircraft.latitudeDeg = latitudeDeg;
  aircraft.longitudeDeg = longitudeDeg;
  aircraft.altitudeFt = altitudeFt;
  aircraft.verticalSpeedFpm = verticalSpeedFpm;
  host_.PlaceTraffic(aircraft);
  return *this;
}

Cockpit& Cockpit::removeTraffic(const std::string& atcId) {
  EXPECT_TRUE(host_.RemoveTraffic(atcId)) << "no AI aircraft " << atcId;
  return *this;
}

Cockpit& Cockpit::clouds(uint8_t density) {
  host_.SetCloudDensity(density);
  return *this;
}

Cockpit& Cockpit::position(double latitudeDeg, double longitudeDeg, double altitudeFt) {
  return setPosition(latitudeDeg, longitudeDeg).set(Token::AltitudeM, altitudeFt / kFeetPerMetre);
}

std::vector<platform::sim::KeyEventRecord> Cockpit::keyEvents(uint32_t event) const {
  std::vector<platform::sim::KeyEventRecord> events;
  for (const auto& record : platform::sim::KeyEvents()) {
    if (event == 0 || record.event == event) events.push_back(record);
  }
  return events;
}

Cockpit& Cockpit::clearKeyEvents() {
  platform::sim::ClearKeyEvents();
  return *this;
}

std::vector<std::string> Cockpit::windowEvents() const {
  std::vector<std::string> events;
  for (const auto& record : platform::sim::KeyEvents()) {
    if (record.event == kKeyEventTogglePanelWindow) events.push_back("toggle " + std::to_string(record.value));
    if (record.event == kKeyEventOpenPanelWindow) events.push_back("open " + std::to_string(record.value));
    if (record.event == kKeyEventClosePanelWindow) events.push_back("close " + std::to_string(record.value));
  }
  return events;
}

std::vector<uint32_t> Cockpit::visibleWindows() const { return platform::sim::VisibleWindows(); }

bool Cockpit::isWindowVisible(uint32_t ident) const { return platform::sim::IsWindowVisible(ident); }

Cockpit& Cockpit::setWindowVisible(uint32_t ident, bool visible) {
  platform::sim::SetWindowVisible(ident, visible);
  return *this;
}

std::vector<std::string> Cockpit::trace(simhost::Phase phase) const {
  std::vector<std::string> names;
  for (const simhost::TraceEntry& entry : host_.Trace()) {
    if (entry.phase == phase) names.push_back(entry.text);
  }
  return names;
}

std::vector<std::string> Cockpit::tickTrace(double tick18) const {
  std::vector<std::string> names;
  for (const simhost::TraceEntry& entry : host_.Trace()) {
    if (entry.phase == simhost::Phase::Ticking && entry.tick18 == tick18) names.push_back(entry.text);
  }
  return names;
}

Cockpit& Cockpit::draw() {
  host_.SendWindowServices();
  host_.SendService(platform::kServicePreDraw);
  host_.PanelGauges().PollAll();
  return *this;
}

const platform::ELEMENT_HEADER& Cockpit::element(const std::string& gauge, uint32_t index, uint32_t window) const {
  static const platform::ELEMENT_HEADER kNone{};
  const simhost::Panel::Instance* instance = host_.PanelGauges().Find(gauge, window);
  if (instance == nullptr) {
    ADD_FAILURE() << "no gauge '" << gauge << "' in window " << window;
    return kNone;
  }
  const platform::ELEMENT_HEADER* element = instance->header->elements;
  for (uint32_t n = 0; n < index && element != nullptr; ++n) {
    element = element->nextElement != nullptr ? element->nextElement[0] : nullptr;
  }
  if (element == nullptr) {
    ADD_FAILURE() << "'" << gauge << "' has no element " << index;
    return kNone;
  }
  return *element;
}

double Cockpit::elementValue(const std::string& gauge, uint32_t index, uint32_t window) const {
  return element(gauge, index, window).value;
}

bool Cockpit::elementVisible(const std::string& gauge, uint32_t index, uint32_t window) const {
  return (element(gauge, index, window).imageFlags & platform::kImageHidden) == 0;
}

bool Cockpit::elementLit(const std::string& gauge, uint32_t index, uint32_t window) const {
  return (element(gauge, index, window).imageFlags & platform::kImageLuminous) != 0;
}

std::string Cockpit::elementText(const std::string& gauge, uint32_t index, uint32_t window) const {
  const char* text = element(gauge, index, window).text;
  return text != nullptr ? text : "";
}

Cockpit& Cockpit::mouse(const std::string& gauge, int32_t x, int32_t y, uint32_t event) {
  const std::string error = host_.Mouse(gauge, x, y, event);
  if (!error.empty()) ADD_FAILURE() << error;
  return *this;
}

Cockpit& Cockpit::callControl(const std::string& gauge, const std::string& function, uint32_t event) {
  const std::string error = host_.CallControl(gauge, function, event);
  if (!error.empty()) ADD_FAILURE() << error;
  return *this;
}

ProgramRun RunProgram(const std::string& program, const std::string& arguments) {
  ProgramRun run;
  FILE* pipe = popen((program + " " + arguments + " 2>&1").c_str(), "r");
  if (pipe == nullptr) return run;
  char buffer[256];
  while (fgets(buffer, sizeof(buffer), pipe) != nullptr) run.output += buffer;
  run.status = pclose(pipe);
  return run;
}

Picture ReadPicture(const std::string& path) {
  Picture picture;
  cairo_surface_t* image = cairo_image_surface_create_from_png(path.c_str());
  if (cairo_surface_status(image) == CAIRO_STATUS_SUCCESS) {
    cairo_surface_flush(image);
    picture.width = cairo_image_surface_get_width(image);
    picture.height = cairo_image_surface_get_height(image);
    const unsigned char* data = cairo_image_surface_get_data(image);
    const int stride = cairo_image_surface_get_stride(image);
    for (int y = 0; y < picture.height; ++y) {
      const auto* row = reinterpret_cast<const uint32_t*>(data + static_cast<ptrdiff_t>(y) * stride);
      for (int x = 0; x < picture.width; ++x) {
        picture.pixels.push_back({static_cast<uint8_t>(row[x] >> 16), static_cast<uint8_t>(row[x] >> 8),
                                  static_cast<uint8_t>(row[x])});
      }
    }
  }
  cairo_surface_destroy(image);
  return picture;
}

std::string InFreshProcess(const std::function<std::string()>& run) {
  int channel[2];
  if (pipe(channel) != 0) return "";
  std::fflush(nullptr);
  const pid_t child = fork();
  if (child == 0) {
    close(channel[0]);
    const std::string text = run();
    for (size_t sent = 0; sent < text.size();) {
      const ssize_t n = write(channel[1], text.data() + sent, text.size() - sent);
      if (n <= 0) _exit(1);
      sent += static_cast<size_t>(n);
    }
    _exit(0);
  }
  close(channel[1]);
  std::string text;
  char buffer[65536];
  for (ssize_t n; child > 0 && (n = read(channel[0], buffer, sizeof(buffer))) > 0;) text.append(buffer, n);
  close(channel[0]);
  int status = 0;
  if (child > 0) waitpid(child, &status, 0);
  if (child < 0 || !WIFEXITED(status) || WEXITSTATUS(status) != 0) ADD_FAILURE() << "the child process failed";
  return text;
}

ProgramRun RunSimhostProgram(const std::string& arguments) {
  const std::string modulePath = simhost::DefaultModulePath();
  return RunProgram(modulePath.substr(0, modulePath.rfind('/')) + "/simhost", arguments);
}

BackgroundSimhost::BackgroundSimhost(std::vector<std::string> arguments, const std::vector<std::string>& environment) {
  char output[] = "/tmp/halcyon-simhost-said-XXXXXX";
  const int outputFd = mkstemp(output);
  if (outputFd < 0) return;
  outputPath_ = output;
  const std::string modulePath = simhost::DefaultModulePath();
  arguments.insert(arguments.begin(), modulePath.substr(0, modulePath.rfind('/')) + "/simhost");
  std::vector<char*> argv;
  for (std::string& word : arguments) argv.push_back(word.data());
  argv.push_back(nullptr);
  std::vector<std::string> variables = environment;
  for (char** variable = environ; *variable != nullptr; ++variable) {
    const std::string name = std::string(*variable).substr(0, std::string(*variable).find('=') + 1);
    const bool replaced = std::any_of(environment.begin(), environment.end(),
                                      [&name](const std::string& added) { return added.rfind(name, 0) == 0; });
    if (!replaced) variables.push_back(*variable);
  }
  std::vector<char*> envp;
  for (std::string& variable : variables) envp.push_back(variable.data());
  envp.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, outputFd, STDOUT_FILENO);
  posix_spawn_file_actions_adddup2(&actions, outputFd, STDERR_FILENO);
  pid_t child = -1;
  if (posix_spawn(&child, argv[0], &actions, nullptr, argv.data(), envp.data()) == 0) pid_ = child;
  posix_spawn_file_actions_destroy(&actions);
  close(outputFd);
}

BackgroundSimhost::~BackgroundSimhost() {
  if (pid_ > 0 && !Ended()) {
    kill(pid_, SIGKILL);
    waitpid(pid_, &status_, 0);
  }
  if (!outputPath_.empty()) unlink(outputPath_.c_str());
}

bool BackgroundSimhost::Ended() {
  if (pid_ <= 0 || status_ != -1) return true;
  return waitpid(pid_, &status_, WNOHANG) == pid_;
}

std::string BackgroundSimhost::Said() const {
  std::ifstream in(outputPath_, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

bool BackgroundSimhost::WaitToSay(const std::string& text) {
  for (int waitedMs = 0; waitedMs < kLongestWaitMs; ++waitedMs) {
    if (Said().find(text) != std::string::npos) return true;
    if (Ended()) return Said().find(text) != std::string::npos;
    usleep(1000);
  }
  return false;
}

ProgramRun BackgroundSimhost::Finish() {
  if (pid_ > 0 && status_ == -1) waitpid(pid_, &status_, 0);
  return {status_, Said()};
}

std::map<std::string, std::string> FilesBelow(const std::string& folder) {
  std::map<std::string, std::string> files;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
    if (!entry.is_regular_file()) continue;
    std::ifstream in(entry.path(), std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    files[entry.path().lexically_relative(folder).string()] = bytes.str();
  }
  return files;
}

bool SetFileFlag(const std::string& path, int flag, bool on) {
  const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return false;
  int flags = 0;
  bool ok = ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
  if (ok) {
    flags = on ? flags | flag : flags & ~flag;
    ok = ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
  }
  close(fd);
  return ok;
}

namespace {

// The character each frame of the alert display's character image shows.
char AlertGlyphCharacter(double frame) {
  constexpr const char* kFrames = " 1234567890ABCDEFGHIJKLMNOPQRSTUVWXYZ./+-[]#?()?:*&";
  const int index = static_cast<int>(frame);
  return index >= 0 && index <= 50 ? kFrames[index] : '?';
}

std::string TrimmedAlertText(const wchar_t* text) {
  std::string line;
  for (int i = 0; i < kAlertTextLength && text[i] != L'\0'; ++i) line += static_cast<char>(text[i]);
  return line.substr(0, line.find_last_not_of(' ') + 1);
}

}  // namespace

std::vector<std::string> Cockpit::alertLines() const {
  std::vector<std::string> lines;
  for (uint32_t line = 1; line <= kAlertVisibleLines; ++line) {
    const wchar_t* text = GetEoapMessageText(GetEoapLineMessage(static_cast<int32_t>(GetEoapLineIndex(line))));
    std::string shown;
    for (uint32_t pos = 1; pos <= kAlertTextLength; ++pos) shown += AlertGlyphCharacter(GetEoapGlyph(text, pos));
    lines.push_back(shown.substr(0, shown.find_last_not_of(' ') + 1));
  }
  return lines;
}

std::vector<std::string> Cockpit::alertLinesShown() const {
  std::vector<std::string> lines = alertLines();
  std::erase(lines, std::string());
  return lines;
}

std::vector<std::string> Cockpit::alertList() const {
  std::vector<std::string> list;
  for (int32_t i = 0; i < GetEoapMessageCount(); ++i) list.push_back(TrimmedAlertText(GetEoapMessageText(GetEoapMessageAt(i))));
  return list;
}

std::vector<std::string> Cockpit::alertDoors() const {
  std::vector<std::string> list;
  for (int32_t i = 0; i < GetEoapDoorCount(); ++i) list.push_back(TrimmedAlertText(GetEoapMessageText(GetEoapDoorAt(i))));
  return list;
}

std::vector<std::string> Cockpit::alertDisplay() const {
  constexpr uint32_t kRowsPerGauge = 6;
  constexpr uint32_t kCellsPerGauge = kRowsPerGauge * kAlertTextLength;
  std::vector<std::string> lines;
  for (uint32_t line = 1; line <= kAlertVisibleLines; ++line) {
    const char* gauge = line <= kRowsPerGauge ? "EOAP Display 1" : "EOAP Display 2";
    const uint32_t row = (line - 1) % kRowsPerGauge;
    std::string shown;
    // The chain runs from the last cell back to the first, after the background.
    for (uint32_t column = 0; column < kAlertTextLength; ++column) {
      shown += AlertGlyphCharacter(elementValue(gauge, kCellsPerGauge - (row * kAlertTextLength + column)));
    }
    lines.push_back(shown.substr(0, shown.find_last_not_of(' ') + 1));
  }
  return lines;
}

}  // namespace halcyon::test
