// The test bed: one cockpit in a fresh simulator folder, driven exactly as the
// headless simulator drives it. Tests set tokens, click, run ticks, and then
// read key events, the lifecycle trace, switch records, INI values and sounds.
//
//   Cockpit cockpit;
//   cockpit.set(Token::OnGround, 1).runSeconds(2);
//   EXPECT_EQ(cockpit.keyEvents(kKeyEventMinuteTick).size(), 1u);
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

#include "core/panel_services.h"
#include "platform/simulator.h"
#include "platform/sound_device.h"
#include "simhost/sim_host.h"

namespace halcyon::test {

// A sound slot the cockpit started, from the sound log.
struct PlayedSound {
  double tick18 = 0.0;
  int slot = -1;
  bool loop = false;
  int32_t volume = 0;
};

struct CockpitOptions {
  bool start = true;            // install the panel at once
  double initialTick18 = 0.0;
  int framesPerTick = 2;
};

class Cockpit {
 public:
  explicit Cockpit(CockpitOptions options = {});
  ~Cockpit();
  Cockpit(const Cockpit&) = delete;
  Cockpit& operator=(const Cockpit&) = delete;

  // Services 2, 3 and 4, as the simulator installs the panel.
  Cockpit& start();
  Cockpit& runTicks(int ticks);
  Cockpit& runSeconds(double seconds);
  // Service 12 and DLLStop.
  Cockpit& shutdown();

  Cockpit& set(Token token, double value);
  Cockpit& set(uint32_t token, double value);
  double token(Token token) const;
  Cockpit& freezeClock(bool frozen);
  Cockpit& clockBack(double ticks);

  // The simulator folder, and a file below it (Windows-style path allowed).
  const std::string& root() const;
  std::string path(const std::string& relative) const;
  void writeFile(const std::string& relative, const std::string& content) const;
  std::string readFile(const std::string& relative) const;

  // A value of the aircraft's INI file (or of another file below the root)
  // as it stands on disk now; "<missing>" when the key is not there.
  std::string ini(const std::string& section, const std::string& key,
                  const std::string& file = kAircraftIniFile) const;
  static constexpr const char* kAircraftIniFile = "SimObjects/Airplanes/QZ Halcyon Pro/HalcyonPro.ini";
  static constexpr const char* kAircraftCfgFile = "SimObjects/Airplanes/QZ Halcyon Pro/Aircraft.cfg";

  // A user option as the options page sets it.
  Cockpit& setOption(uint32_t option, bool on);
  // An input of a system not built yet (see systems/placeholders.h).
  Cockpit& setPlaceholder(const std::string& name, double value);

  // Sounds. Tests place short tones as the WAV files of the slots they need
  // (the whole pack is spoken by a tool and not made here).
  Cockpit& addSounds(std::initializer_list<int> slots, uint32_t ms = 200, double hz = 440.0);
  // The sound log of the whole run; the entries of one slot (optionally of
  // one operation only); the slots started, in order.
  const std::vector<platform::sound::SoundLogEntry>& soundLog() const;
  std::vector<platform::sound::SoundLogEntry> sounds(int slot) const;
  std::vector<platform::sound::SoundLogEntry> sounds(int slot, platform::sound::SoundOp op) const;
  std::vector<PlayedSound> played() const;
  std::vector<PlayedSound> played(int slot) const;
  // The slot whose WAV file a log entry names; -1 for none.
  static int SlotOf(const std::string& source);
  // The slot's file below the root, as the cockpit names it.
  static std::string SoundFile(int slot);

  // Key events the cockpit sent, all or of one event number.
  std::vector<platform::sim::KeyEventRecord> keyEvents(uint32_t event = 0) const;
  // The lifecycle steps traced in one phase, in order.
  std::vector<std::string> trace(simhost::Phase phase) const;
  // The steps of the tick list run on one TICK18 value.
  std::vector<std::string> tickTrace(double tick18) const;

  double tick18() const { return host_.Tick18(); }
  simhost::SimHost& host() { return host_; }

 private:
  std::string folder_;
  simhost::SimHost host_;
};

}  // namespace halcyon::test
