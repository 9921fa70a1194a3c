// The headless simulator: owns the simulator folder and the loaded module,
// sends the panel services in the simulator's order, advances TICK18 at 18
// ticks per simulated second and the simulation clock (seconds)
// by 1/18 s a tick while the simulation runs,
// feeds the token table, and applies the effects of the key events the
// cockpit reads back. The program and the test bed both drive the cockpit
// through this one class.
#pragma once

#include <csignal>
#include <cstdint>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "simhost/engine_model.h"
#include "simhost/flight_model.h"
#include "simhost/ground_handling.h"
#include "simhost/magnetic_variation.h"
#include "simhost/module_loader.h"
#include "simhost/panel.h"
#include "simhost/pictures.h"
#include "simhost/radio_nav.h"
#include "simhost/sim_root.h"
#include "simhost/sim_tokens.h"
#include "simhost/typist.h"
#include "simhost/weather_field.h"

namespace simhost {

struct HostOptions {
  std::string root;                    // the simulator folder (made if missing)
  std::string modulePath;              // empty: libhalcyon.so beside the program
  int framesPerTick = 2;               // the simulator draws faster than it ticks
  bool drawClosedWindows = false;      // every gauge drawn each frame, closed windows too (tests)
  bool keepTrace = false;              // keep every traced step (tests)
  double initialTick18 = 0.0;          // TICK18 when the panel is installed
  bool flightModel = false;            // the flight model moves the aircraft (see flight_model.h)
  std::string picturesFolder;          // where snapshots of the displays go; empty: nowhere
  std::vector<WindowPlacement> furtherPlacements;  // gauges placed beyond our panel configuration (tests)
};

enum class Phase { Loaded, Startup, Ticking, Shutdown, Unloaded };

struct TraceEntry {
  Phase phase;
  double tick18;
  std::string text;
};

// A sound the cockpit started: its file, looped or once, at which volume;
// `unreadable` when its file could not be read, so that nothing played.
struct SoundPlayed {
  double tick18;
  std::string source;
  bool loop;
  int32_t volume;
  bool unreadable = false;
};

class SimHost {
 public:
  explicit SimHost(HostOptions options);
  ~SimHost();
  SimHost(const SimHost&) = delete;
  SimHost& operator=(const SimHost&) = delete;

  // Lays out the root, makes it the working folder and loads the module.
  bool Load(std::string* error);
  // What laying out the root made (LayOutSimulatorRoot), for a run refused
  // at its start to take back.
  const MadePaths& LaidOut() const { return laidOut_; }
  // Until a run is sure to fly, the host may hold the cockpit's saves: what
  // the cockpit writes waits in the INI layer (which the cockpit reads back
  // from, and which touches none of its files meanwhile), saved by
  // KeepHeldSaves or forgotten by DropHeldSaves, so that a run refused at its
  // start has written none of the cockpit's files. The cockpit writes no file
  // of its own but through the INI layer as it loads, starts and shuts down
  // (the departure card waits for a click).
  void HoldSaves();
  void KeepHeldSaves();
  void DropHeldSaves();
  // Services 2 and 3 to every gauge, then 4 to every gauge; DLLStart before.
  void Start();
  void RunTicks(int ticks);
  void RunSeconds(double seconds);
  // Service 12 to every gauge, then DLLStop.
  void Shutdown();
  void Unload();

  // One service to one gauge or to every gauge, as the simulator would send it.
  void SendService(uint32_t serviceId);
  void SendService(platform::GAUGEHDR* gauge, uint32_t serviceId);
  // Service 16 to the gauges of each window of our panel configuration that
  // opened since the last call, 17 to those of each window that closed. The
  // simulator sends them as a frame begins.
  void SendWindowServices();
  // Service 10 to the gauges on screen (the virtual cockpit's and those of
  // the windows open as the last frame began; every gauge with the option
  // drawClosedWindows), as the simulator draws a frame; or, with `onScreen`
  // false, to the others, those the last frame left as they were, so that a
  // picture taken of a closed window shows the cockpit as it is.
  void SendPreDraw(bool onScreen);

  // A left click at a point of a gauge, in its design pixels, delivered to the
  // control under it as the simulator does. Empty, or what went wrong (no such
  // gauge, no control there).
  std::string Click(const std::string& gaugeName, int32_t x, int32_t y);
  // What Click would say, without clicking: empty when a control is there.
  std::string CheckClick(const std::string& gaugeName, int32_t x, int32_t y) const;
  // Any mouse event at a point of a gauge (platform::kMouseLeftSingle,
  // kMouseLeftRelease, kMouseDownRepeat, kMouseMove, kMouseLeftDrag,
  // kMouseRightSingle), delivered to the first control there that listens to
  // it, with the point relative to that control's rectangle (a lever dragged
  // reads the row inside its rectangle).
  std::string Mouse(const std::string& gaugeName, int32_t x, int32_t y, uint32_t event);
  // A control by its mouse function's name, called as a keyboard command
  // calls it: at the point (0,0), with the event given.
  std::string CallControl(const std::string& gaugeName, const std::string& functionName,
                          uint32_t event = platform::kMouseLeftSingle);
  std::string CheckCallControl(const std::string& gaugeName, const std::string& functionName) const;
  // The gauge's tooltip as the simulator shows it on hover; empty when it has none.
  std::string Tooltip(const std::string& gaugeName) const;
  // Moves a cockpit control by its INI section and key, as its gauge would;
  // false when the cockpit saves no such control.
  bool MoveControl(const std::string& section, const std::string& key, int32_t position);
  // The dispatch page's cards: the load sheet's text, and "Departure
  // plan.txt" written in the aircraft folder; false when it was not.
  bool DispatchCards(std::string* loadSheet);
  // The lesson list and steps, as the training centre and the Training
  // Guide drive them (see LoadedModule::Lesson).
  bool Lesson(const std::string& action, int32_t category, int32_t n, int32_t* result, std::string* text);
  const std::string& PicturesFolder() const { return options_.picturesFolder; }

  // ---- The simulator's clock ----
  double Tick18() const { return tick18_; }
  // A flag a signal handler sets to end the flight: while it is set, RunTicks
  // and RunSeconds run no further tick, and the caller ends the flight as the
  // simulator closing would.
  void WatchStopFlag(const volatile std::sig_atomic_t* flag) { stopFlag_ = flag; }
  bool StopRequested() const { return stopFlag_ != nullptr && *stopFlag_ != 0; }

  double SimSeconds() const { return ticksRun_ / 18.0; }
  uint64_t TicksRun() const { return ticksRun_; }
  // While frozen, the simulation clock stops growing: the cockpit sees a time jump.
  void FreezeSimulationClock(bool frozen) { clockFrozen_ = frozen; }
  // Sets TICK18 back, as a reloaded flight does.
  void SetTick18Back(double ticks);

  // ---- Tokens ----
  // By number (a scenario may name any token) or by the module's token list.
  void SetToken(uint32_t token, double value);
  double GetToken(uint32_t token) const;
  void SetToken(Token token, double value) { SetToken(halcyon::TokenNumber(token), value); }
  double GetToken(Token token) const { return GetToken(halcyon::TokenNumber(token)); }
  // In the everyday unit of the token's row (degrees, ft/min, Mach ...).
  void SetScaledToken(Token token, double value) { SetToken(token, value * halcyon::TokenScale(token)); }
  double GetScaledToken(Token token) const { return GetToken(token) / halcyon::TokenScale(token); }
  // Moves a token linearly from its present value to `target` over `seconds`.
  void RampToken(uint32_t token, double target, double seconds);
  void RampToken(Token token, double target, double seconds) { RampToken(halcyon::TokenNumber(token), target, seconds); }

  // Types a text at the PC keyboard over the next ticks, one key down a tick
  // (see Typist). Empty, or the character that cannot be typed.
  std::string TypeText(const std::string& text) { return typist_.Type(text); }
  bool IsTyping() const { return !typist_.Idle(); }

  // Called once per tick before the panel services, for scripted input.
  using TickHook = std::function<void(SimHost&)>;
  void AddTickHook(TickHook hook) { tickHooks_.push_back(std::move(hook)); }

  // ---- The simulator's world, as the client interface reports it ----
  // An AI aircraft; it flies on at its vertical speed, heading and ground
  // speed. Its height above ground is its altitude above the host's ground
  // elevation (sea level unless set).
  struct AiTraffic {
    std::string atcId;
    double latitudeDeg = 0.0;
    double longitudeDeg = 0.0;  // east positive
    double altitudeFt = 0.0;
    double verticalSpeedFpm = 0.0;
    double headingDeg = 0.0;
    double groundSpeedKt = 0.0;
  };
  // Places an aircraft, or moves the one with the same ATC id.
  void PlaceTraffic(const AiTraffic& aircraft);
  // A scripted encounter: an aircraft placed (or moved) `bearingDeg` right
  // of the user aircraft's nose so that, flying straight at `speedKt` and
  // `verticalSpeedFpm`, it meets the user aircraft `seconds` from now
  // (wherever its movement over the last tick carries it), `altitudeOffsetFt`
  // above it then. Empty, or why the intruder cannot (too slow to catch up).
  struct Encounter {
    std::string atcId;
    double seconds = 60.0;
    double bearingDeg = 0.0;
    double altitudeOffsetFt = 0.0;
    double speedKt = 250.0;
    double verticalSpeedFpm = 0.0;
  };
  std::string PlaceEncounter(const Encounter& encounter);
  bool RemoveTraffic(const std::string& atcId);
  const std::vector<AiTraffic>& Traffic() const { return traffic_; }
  void SetGroundElevation(double feet) { groundElevationFt_ = feet; }
  // The simulator's flight model on or off; off, a scenario drives every
  // token by hand. The autopilot's key events act either way.
  void SetFlightModel(bool on) { flightModelOn_ = on; }
  bool IsFlightModelOn() const { return flightModelOn_; }
  // The simulator tells its clients of every elevator-trim event, the
  // cockpit's own too, as trim notifications (ELEV_TRIM_DN, ELEV_TRIM_UP).
  // Off by default: the cockpit hears only trimming it did not do itself.
  void SetTrimEcho(bool on) { trimEcho_ = on; }
  bool IsTrimEchoOn() const { return trimEcho_; }
  // Every cell of the cloud-state answers, under the storm cells.
  void SetCloudDensity(uint8_t density) { weather_.SetEvenDensity(density); }
  WeatherField& Weather() { return weather_; }
  // A keyboard combination pressed; false when no command has it.
  bool PressCombo(const std::string& text);
  uint64_t TrafficAnswers() const { return trafficAnswers_; }

  // ---- What the module did ----
  const std::vector<TraceEntry>& Trace() const { return trace_; }
  // What happened in flight as the module reported it (waypoints passed),
  // each with the simulated time.
  struct FlightEvent {
    double seconds;
    std::string text;
  };
  const std::vector<FlightEvent>& FlightEvents() const { return flightEvents_; }
  uint64_t TickListRuns() const { return tickListRuns_; }
  // The sounds started (and those asked for whose file could not be read),
  // the first kSoundsKept of them, and how many in all.
  // Without a full trace the sound card's own log is emptied every tick, so
  // a long run holds no more than this list and the mixer's record.
  static constexpr size_t kSoundsKept = 2000;
  const std::vector<SoundPlayed>& SoundsPlayed() const { return soundsPlayed_; }
  uint64_t SoundsPlayedCount() const { return soundsPlayedCount_; }
  const LoadedModule& Module() const { return module_; }
  const EngineModel& Engines() const { return engines_; }
  // The flight mode annunciator's text each time it changed (see
  // LoadedModule::FmaText), the first kFmaChangesKept of the run.
  struct FmaChange {
    double tick18;
    std::string text;
  };
  static constexpr size_t kFmaChangesKept = 1000;
  const std::vector<FmaChange>& FmaChanges() const { return fmaChanges_; }
  // Each alert message that appeared on the alert display ("+ TEXT") or left
  // it ("- TEXT"), the first kAlertChangesKept of the run.
  struct AlertChange {
    double tick18;
    std::string text;
  };
  static constexpr size_t kAlertChangesKept = 2000;
  const std::vector<AlertChange>& AlertChanges() const { return alertChanges_; }
  const GroundHandling& Ground() const { return ground_; }
  const MagneticVariation& MagVar() const { return magneticVariation_; }
  RadioNav& Radios() { return radios_; }
  const RadioNav& Radios() const { return radios_; }

  // ---- The panel: windows, gauge instances, their elements ----
  const Panel& PanelGauges() const { return panel_; }

  // ---- The glass displays' pictures ----
  // Surfaces exist from Start to Unload, one per drawing-surface element.
  DisplayPictures& Pictures() { return pictures_; }
  const DisplayPictures& Pictures() const { return pictures_; }
  // Writes a PNG of every display drawn so far (or of the one gauge named:
  // its screen's, or for a gauge without a screen the schematic of its
  // first placement) into the pictures folder; for the whole panel also, for
  // each open panel window, a text dump of its gauges' elements and a
  // schematic PNG. Empty, or what went wrong (what CheckSnapshot says, a
  // file that cannot be written).
  std::string Snapshot(const std::string& gauge = "");
  // Empty when Snapshot can picture the gauge named (or the whole panel);
  // else why not: no such gauge, or one with no screen that stands in no
  // panel window (the virtual cockpit's).
  std::string CheckSnapshot(const std::string& gauge) const;
  const std::string& Root() const { return options_.root; }
  // Whether the simulator folder held a saved cockpit (the aircraft's INI
  // file, not empty) when the host loaded: the flight goes on from it.
  bool HeldSavedCockpit() const { return heldSavedCockpit_; }

 private:
  struct Ramp {
    uint32_t token;
    double from;
    double to;
    double startTick;
    double ticks;
  };

  void RunOneTick();
  void ReturnedFromModule();
  std::string FindClickTarget(const std::string& gaugeName, int32_t x, int32_t y, uint32_t event,
                              const platform::MOUSERECT** target, platform::PixelPoint* origin = nullptr) const;
  std::string FindNamedControl(const std::string& gaugeName, const std::string& functionName,
                               const platform::MOUSERECT** target) const;
  std::string SnapshotWindows();
  std::string SnapshotGauge(const std::string& gauge);
  void MoveTraffic();
  void InstallSimConnectAnswers();
  void ApplyRamps();
  void MirrorOutsideAirTemp();
  void OnTrace(const char* text);
  void KeepSoundsPlayed();
  void EchoTrimEvent(uint32_t event);
  void RecordFma();
  void RecordAlerts();

  HostOptions options_;
  MadePaths laidOut_;
  bool heldSavedCockpit_ = false;
  LoadedModule module_;
  Panel panel_;
  DisplayPictures pictures_;
  Phase phase_ = Phase::Unloaded;
  double tick18_ = 0.0;
  double simulationTicks_ = 1.0;  // ticks of the simulator's clock (Token::SimulationClock = this / 18 s)
  uint64_t ticksRun_ = 0;
  const volatile std::sig_atomic_t* stopFlag_ = nullptr;
  bool clockFrozen_ = false;
  std::vector<Ramp> ramps_;
  Typist typist_;
  std::vector<TickHook> tickHooks_;
  std::vector<TraceEntry> trace_;
  std::vector<FlightEvent> flightEvents_;
  uint64_t tickListRuns_ = 0;
  bool inTickRun_ = false;
  double lastTracedTick18_ = 0.0;
  std::vector<SoundPlayed> soundsPlayed_;
  uint64_t soundsPlayedCount_ = 0;
  size_t soundLogSeen_ = 0;
  std::vector<AiTraffic> traffic_;
  WeatherField weather_;
  // The user aircraft as the last tick began (degrees, east positive; feet).
  double lastLatitudeDeg_ = 0.0;
  double lastLongitudeDeg_ = 0.0;
  double lastAltitudeFt_ = 0.0;
  double groundElevationFt_ = 0.0;
  uint64_t trafficAnswers_ = 0;
  EngineModel engines_;
  SimAutopilot autopilot_;
  FlightModel flightModel_;
  bool flightModelOn_ = false;
  bool trimEcho_ = false;
  std::vector<FmaChange> fmaChanges_;
  std::vector<AlertChange> alertChanges_;
  std::vector<std::string> alertsShown_;
  std::set<uint32_t> openWindows_;  // as the last window services left them
  MagneticVariation magneticVariation_;
  RadioNav radios_;
  GroundHandling ground_;
};

}  // namespace simhost
