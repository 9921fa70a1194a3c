// The test bed over the headless simulator.
#include "tests/cockpit.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "core/options.h"
#include "host/sound_slots.h"
#include "platform/ini.h"
#include "platform/paths.h"
#include "platform/system.h"
#include "tests/sound_test_support.h"

namespace halcyon::test {
namespace {

std::string MakeTempFolder() {
  char folder[] = "/tmp/halcyon-cockpit-XXXXXX";
  return mkdtemp(folder) != nullptr ? std::string(folder) : std::string("/tmp/halcyon-cockpit");
}

simhost::HostOptions MakeHostOptions(const std::string& folder, const CockpitOptions& options) {
  simhost::HostOptions host;
  host.root = folder + "/root";
  host.keepTrace = true;
  host.initialTick18 = options.initialTick18;
  host.framesPerTick = options.framesPerTick;
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

Cockpit& Cockpit::shutdown() {
  host_.Shutdown();
  return *this;
}

Cockpit& Cockpit::set(Token token, double value) { return set(static_cast<uint32_t>(token), value); }

Cockpit& Cockpit::set(uint32_t token, double value) {
  host_.SetToken(token, value);
  return *this;
}

double Cockpit::token(Token token) const { return host_.GetToken(static_cast<uint32_t>(token)); }

Cockpit& Cockpit::freezeClock(bool frozen) {
  host_.FreezeSimulationClock(frozen);
  return *this;
}

Cockpit& Cockpit::clockBack(double ticks) {
  host_.SetTick18Back(ticks);
  return *this;
}

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

Cockpit& Cockpit::setPlaceholder(const std::string& name, double value) {
  platform::SetPlaceholderInput(name, value);
  return *this;
}

std::string Cockpit::SoundFile(int slot) {
  if (slot < 0 || slot >= static_cast<int>(kSoundSlotCount) || kSoundSlotNames[slot][0] == L'\0') return "";
  const std::string name = platform::Narrow(kSoundSlotNames[slot]);
  return "Sound\\HalcyonPro\\VXMD80" + std::string(name[0] == '-' ? "" : " ") + name + ".wav";
}

int Cockpit::SlotOf(const std::string& source) {
  for (int slot = 0; slot < static_cast<int>(kSoundSlotCount); ++slot) {
    if (!source.empty() && SoundFile(slot) == source) return slot;
  }
  return -1;
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

std::vector<platform::sim::KeyEventRecord> Cockpit::keyEvents(uint32_t event) const {
  std::vector<platform::sim::KeyEventRecord> events;
  for (const auto& record : platform::sim::KeyEvents()) {
    if (event == 0 || record.event == event) events.push_back(record);
  }
  return events;
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

}  // namespace halcyon::test
