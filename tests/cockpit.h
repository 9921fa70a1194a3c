// The test bed: one cockpit in a fresh simulator folder, driven exactly as the
// headless simulator drives it. Tests set tokens, click, run ticks, and then
// read key events, the lifecycle trace, switch records, INI values and sounds.
//
//   Cockpit cockpit;
//   cockpit.set(Token::OnGround, 1).runSeconds(2);
//   EXPECT_EQ(cockpit.keyEvents(kKeyEventMinuteTick).size(), 1u);
#pragma once

#include <cmath>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "core/panel_services.h"
#include "core/switch.h"
#include "fmc/fms.h"
#include "platform/gfx_surface.h"
#include "platform/simulator.h"
#include "platform/sound_device.h"
#include "simhost/sim_host.h"
#include "tests/test_wait.h"

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
  bool flightModel = false;     // the host's autopilot and flight model fly the aircraft
  // Every gauge drawn each frame, those of closed windows too, so that a
  // test reads a gauge's pictures and lamps without opening its window; as
  // simhost does, only the open windows are drawn.
  bool drawClosedWindows = false;
  // Gauges placed in further windows, beyond the host's panel configuration.
  std::vector<simhost::WindowPlacement> furtherPlacements = {};
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

  // Runs tick by tick until `done` holds (checked after each tick) or the
  // time is up; the test then checks what it waited for.
  Cockpit& runUntil(const std::function<bool()>& done, double maxSeconds);

  // Moves a control as its gauge's mouse function will: straight into its
  // record, or by its INI section and key through its system's mover (the
  // APU master moved to start also requests the start).
  Cockpit& setSwitch(CSwitch* record, int32_t position);
  Cockpit& control(const std::string& section, const std::string& key, int32_t position);

  // The battery switch on, then the ticks until the panel has power (the
  // electrical system's dark second for the change of source).
  Cockpit& powerUp();
  // Airborne with both engines running, the IRS in NAV and the panel
  // powered: what the flight guidance needs to keep its autopilot and
  // director engaged (engage them by Token::AutopilotEngaged or Token::FlightDirector after this).
  Cockpit& guidanceReady();

  Cockpit& set(Token token, double value);
  double token(Token token) const;
  // A token set or read in its everyday unit (ft/min, Mach, kt, deg C ...),
  // through the token list's scale: setScaled(Token::VerticalSpeed, -1500).
  Cockpit& setScaled(Token token, double value);
  double scaled(Token token) const;
  // The host moves a token evenly to target over the seconds that follow.
  Cockpit& ramp(Token token, double target, double seconds);
  // The aircraft's position in degrees, north and EAST positive, set or read
  // as the simulator's latitude and longitude tokens hold it.
  Cockpit& setPosition(double latitudeDeg, double longitudeDegEast);
  double latitudeDeg() const;
  double longitudeDegEast() const;
  // Scripted input, run on every tick before the panel services.
  Cockpit& everyTick(simhost::SimHost::TickHook hook);
  // Records from now on the ticks on which a tick channel is due, that is the
  // ticks whose update ran the channel's work; dueTicks gives them so far.
  Cockpit& watchChannel(uint32_t channel);
  const std::set<double>& dueTicks(uint32_t channel) const;
  Cockpit& freezeClock(bool frozen);
  // A left click at a point of a gauge (design pixels), as the scenario
  // command `click GAUGE X Y` delivers it; a missing gauge or control fails the test.
  Cockpit& click(const std::string& gauge, int32_t x, int32_t y);
  Cockpit& clockBack(double ticks);
  // The PC keyboard, as the scenario commands `type`, `keydown` and `keyup`
  // drive it. typeKeys queues the text; its keys go down over the next ticks,
  // one a tick with rollover. Keys are names ("A", "ENTER", "NUMPADENTER")
  // or scan codes; an unknown key or character fails the test.
  Cockpit& typeKeys(const std::string& text);
  Cockpit& keyDown(const std::string& key);
  Cockpit& keyUp(const std::string& key);
  // Runs ticks until the typed text is in, and one more for the last key.
  Cockpit& finishTyping();

  // The simulator folder, and a file below it (Windows-style path allowed).
  const std::string& root() const;
  std::string path(const std::string& relative) const;
  void writeFile(const std::string& relative, const std::string& content) const;
  std::string readFile(const std::string& relative) const;

  // A value of the aircraft's INI file (or of another file below the root)
  // as the cockpit reads it now (saved as each call into the module returns);
  // "<missing>" when the key is not there.
  std::string ini(const std::string& section, const std::string& key,
                  const std::string& file = kAircraftIniFile) const;
  // The keys of a section of the aircraft's INI file, in file order.
  std::vector<std::string> iniKeys(const std::string& section, const std::string& file = kAircraftIniFile) const;
  static constexpr const char* kAircraftIniFile = "SimObjects/Airplanes/QZ Halcyon Pro/HalcyonPro.ini";
  static constexpr const char* kAircraftCfgFile = "SimObjects/Airplanes/QZ Halcyon Pro/Aircraft.cfg";

  // A user option as the options page sets it.
  Cockpit& setOption(uint32_t option, bool on);
  // What the FMS answers the flight guidance until it computes its own guidance.
  Cockpit& fmsAnswers(const CFms::Guidance& guidance);
  // IRS 1 and 2 (unit 0: both) in NAV at once, selector and state, as a
  // cockpit saved aligned starts; after start().
  Cockpit& irsInNav(int unit = 0);

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
  Cockpit& clearKeyEvents();
  // The panel-window key events in the order sent: "open 10110", "close 10160", "toggle 10070".
  std::vector<std::string> windowEvents() const;
  // The panel windows the simulator shows now, and one of them.
  std::vector<uint32_t> visibleWindows() const;
  bool isWindowVisible(uint32_t ident) const;
  // Opens or closes a window as the pilot would.
  Cockpit& setWindowVisible(uint32_t ident, bool visible);
  // The lifecycle steps traced in one phase, in order.
  std::vector<std::string> trace(simhost::Phase phase) const;
  // The steps of the tick list run on one TICK18 value.
  std::vector<std::string> tickTrace(double tick18) const;

  // The CDU key codes the FMS computer received, oldest first.
  const std::vector<uint32_t>& fmsKeys() const;
  // CDU keys clicked on the "FMS" gauge, as the pilot presses them: names
  // separated by blanks ("RTE 1L EXEC"): "1L".."6L", "1R".."6R", the page
  // keys ("INIT_REF", "DIR_INTC", "RTE", "LEGS", "CLB", "CRZ", "DES",
  // "PREV", "NEXT", "MENU", "FIX", "DEP_ARR", "HOLD", "PROG", "EXEC"),
  // "DEL", "CLR", "SP", "+/-". cduType clicks the character keys of a text.
  Cockpit& cdu(const std::string& keys);
  Cockpit& cduType(const std::string& text);
  // The point of the "FMS" gauge inside a CDU key (as `click FMS X Y` takes it).
  static std::pair<int32_t, int32_t> CduKeyPoint(const std::string& key);
  // One line (0 title .. 13 scratchpad) of the CDU screen as the FMS wrote
  // it, 24 characters of UTF-8 ('[' is a box).
  std::string cduLine(int line) const;

  // A gauge header of the loaded module by name; null when there is none.
  const platform::GAUGEHDR* gauge(const std::string& name) const;
  // The simulator's client interface: a keyboard combination pressed (fails
  // the test when no command has it), a watched simulator event ("BRAKES"),
  // AI aircraft that the simulator reports, the cloud density it answers.
  Cockpit& pressCombo(const std::string& text);
  Cockpit& simEvent(const std::string& name);
  Cockpit& traffic(const std::string& atcId, double latitudeDeg, double longitudeDeg, double altitudeFt,
                   double verticalSpeedFpm = 0.0);
  Cockpit& removeTraffic(const std::string& atcId);
  Cockpit& clouds(uint8_t density);
  // Places the user aircraft (latitude, longitude and altitude tokens).
  Cockpit& position(double latitudeDeg, double longitudeDeg, double altitudeFt);

  // The glass displays: the pixel surface of a placed gauge's drawing
  // element (window 0: its first placement; null when it has none; from
  // start() on), and PNG snapshots of the displays drawn so far, as the
  // scenario command `snapshot` writes them, into picturesFolder().
  platform::gfx::Surface* surface(const std::string& gauge, uint32_t window = 0) const;
  Cockpit& snapshot(const std::string& gauge = "");
  std::string picturesFolder() const;
  const std::vector<std::string>& picturesWritten() const { return host_.Pictures().Written(); }

  // ---- Panel gauges ----
  // One frame without a tick: the pre-draw to every placed gauge, then every
  // element read as the simulator reads it before drawing.
  Cockpit& draw();
  // An element of a placed gauge (window 0: its first placement) as the last
  // frame left it: the value the simulator read, and its image flags.
  const platform::ELEMENT_HEADER& element(const std::string& gauge, uint32_t index, uint32_t window = 0) const;
  double elementValue(const std::string& gauge, uint32_t index, uint32_t window = 0) const;
  bool elementVisible(const std::string& gauge, uint32_t index, uint32_t window = 0) const;
  bool elementLit(const std::string& gauge, uint32_t index, uint32_t window = 0) const;
  // A string element's text as its callback last wrote it ("" before).
  std::string elementText(const std::string& gauge, uint32_t index, uint32_t window = 0) const;
  // A mouse event at a point of a gauge (see SimHost::Mouse), a control by
  // its function's name, and the gauge's tooltip as a hover shows it.
  Cockpit& mouse(const std::string& gauge, int32_t x, int32_t y, uint32_t event);
  Cockpit& callControl(const std::string& gauge, const std::string& function,
                       uint32_t event = platform::kMouseLeftSingle);
  std::string tooltip(const std::string& gauge) const { return host_.Tooltip(gauge); }

  // ---- The alert display of the overhead annunciator panel ----
  // Its 12 lines as the display shows them now (normal or recall view), read
  // back from the glyph frames of their 20 cells: blanks at the end cut, ""
  // for a blank or unpowered line, '#' for a cell lit whole (lamp test).
  std::vector<std::string> alertLines() const;
  // The lines that are not blank, in display order.
  std::vector<std::string> alertLinesShown() const;
  // Every active message in list order, and the door list, as texts.
  std::vector<std::string> alertList() const;
  std::vector<std::string> alertDoors() const;
  // The 12 lines as the gauges "EOAP Display 1" and "EOAP Display 2" showed
  // them on the last draw(), decoded from their cells' frames the same way.
  std::vector<std::string> alertDisplay() const;

  double tick18() const { return host_.Tick18(); }
  simhost::SimHost& host() { return host_; }

 private:
  std::string folder_;
  simhost::SimHost host_;
  std::map<uint32_t, std::set<double>> dueTicks_;
};

// A program run with these arguments (through the shell, so they may be
// quoted); its exit status and what it wrote to stdout and stderr.
struct ProgramRun {
  int status = -1;
  std::string output;
};
ProgramRun RunProgram(const std::string& program, const std::string& arguments);
// The simulator program a user runs (beside the module).
ProgramRun RunSimhostProgram(const std::string& arguments);
// simhost started in the background with these arguments (each one word),
// the test's environment with `environment` ("NAME=value") added, what it
// says kept in a file of its own: a test can wait for a line, signal it and
// wait for its end. One not waited for is killed as the object goes.
class BackgroundSimhost {
 public:
  explicit BackgroundSimhost(std::vector<std::string> arguments, const std::vector<std::string>& environment = {});
  ~BackgroundSimhost();
  BackgroundSimhost(const BackgroundSimhost&) = delete;
  BackgroundSimhost& operator=(const BackgroundSimhost&) = delete;
  int pid() const { return pid_; }
  bool Ended();
  // Waits until what it said holds `text` (kLongestWaitMs at most, or until it
  // ends without saying it).
  bool WaitToSay(const std::string& text);
  // Waits for its end: its exit status and what it said.
  ProgramRun Finish();

 private:
  std::string Said() const;

  int pid_ = -1;
  int status_ = -1;
  std::string outputPath_;
};
// Every plain file below a folder (a link to one counts as the file), by its
// path there, with its bytes.
std::map<std::string, std::string> FilesBelow(const std::string& folder);
// Sets or clears an inode flag of a file or folder (FS_APPEND_FL, as chattr
// +a; FS_IMMUTABLE_FL, as chattr +i); false where the file system or this
// user's rights do not allow it.
bool SetFileFlag(const std::string& path, int flag, bool on);

// A PNG file the host wrote, read back: its pixels row by row (none when
// it cannot be read).
struct Picture {
  int width = 0;
  int height = 0;
  std::vector<platform::gfx::Color> pixels;
  platform::gfx::Color at(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
};
Picture ReadPicture(const std::string& path);

// What `run` returns, run in a child process of its own. The module keeps
// its state for the life of a process: a cockpit made there starts as fresh
// as a test's first, so one test can fly two cockpits side by side (before
// it makes any cockpit of its own).
std::string InFreshProcess(const std::function<std::string()>& run);

// The input near `guess` that `convert` turns into `target` exactly (NaN when
// none lies within 200 steps of a double), for a sample exactly on a limit
// that the module reaches through a unit conversion:
//   ExactInput(500.0 / kFeetPerMetre, 500.0, [](double m) { return m * kFeetPerMetre; })
template <typename Convert>
double ExactInput(double guess, double target, Convert convert) {
  double below = guess;
  double above = guess;
  for (int step = 0; step < 200; ++step) {
    if (convert(below) == target) return below;
    if (convert(above) == target) return above;
    below = std::nextafter(below, -HUGE_VAL);
    above = std::nextafter(above, HUGE_VAL);
  }
  return std::nan("");
}

}  // namespace halcyon::test
