// What every panel gauge shares: element lists written as data, the show and
// hide of overlays, the night-lighting redraw of the lit instruments (kept per
// placed gauge), the lamp, digit-window and needle values, and the mouse
// idioms (toggle, momentary, guarded switch, knob steps, key events, clicks).
// Reads panel power, the lamp test, the options and TICK18; drives element
// flags, switch records, key events and the click sounds.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

#include "core/switch.h"
#include "core/tokens.h"
#include "host/sound_system.h"
#include "platform/gauge.h"

namespace halcyon {

// ---- Elements as data ---------------------------------------------------------
// Each gauge lists its elements in chain order, one line each; ElementChain
// links them (element n+1 is element n's first child).
constexpr uint32_t kLit = platform::kImageLuminous;  // drawn lit at night until relit
// An element bound to no token variable.
constexpr Token kNoToken = Token{0};

constexpr platform::ELEMENT_HEADER StaticImage(const char* name, int32_t x = 0, int32_t y = 0, uint32_t flags = 0) {
  return {.kind = platform::ElementKind::Static, .x = x, .y = y, .imageFlags = flags, .name = name};
}

// A static picture of a known size (a frame drawn over the gauge).
constexpr platform::ELEMENT_HEADER StaticFrame(const char* name, int32_t x, int32_t y, int32_t width, int32_t height) {
  return {.kind = platform::ElementKind::Static, .x = x, .y = y, .imageWidth = width, .imageHeight = height,
          .name = name};
}

// A static image that a display draws into: the simulator gives it a pixel
// surface of its design size when the panel is installed.
constexpr platform::ELEMENT_HEADER DrawingSurface(const char* name, int32_t x, int32_t y, int32_t width,
                                                  int32_t height) {
  return {.kind = platform::ElementKind::Static, .x = x, .y = y, .imageFlags = platform::kImageDrawingSurface,
          .imageWidth = width, .imageHeight = height, .name = name};
}

constexpr platform::ELEMENT_HEADER Icon(const char* name, int32_t x, int32_t y, int32_t frames,
                                        platform::ElementCallback callback, uint32_t flags = 0,
                                        Token token = kNoToken) {
  return {.kind = platform::ElementKind::Icon, .x = x, .y = y, .imageFlags = flags, .callback = callback,
          .name = name, .token = TokenNumber(token), .frameCount = frames};
}

// A needle turning about (pivotX, pivotY): on a scale of rows, or without one
// by an angle in degrees (270 up).
constexpr platform::ELEMENT_HEADER Needle(const char* name, platform::ElementCallback callback, int32_t pivotX,
                                          int32_t pivotY, uint32_t flags = 0,
                                          std::span<const platform::NeedlePoint> scale = {}, Token token = kNoToken) {
  return {.kind = platform::ElementKind::Needle, .imageFlags = flags, .callback = callback, .name = name,
          .token = TokenNumber(token), .pivotX = pivotX, .pivotY = pivotY, .scale = scale.data(),
          .scalePoints = static_cast<uint32_t>(scale.size())};
}

// A drum or strip at (x, y) shifted between the values at its ends.
constexpr platform::ELEMENT_HEADER MovingImage(const char* name, int32_t x, int32_t y, double minValue,
                                               double maxValue, platform::ElementCallback callback,
                                               uint32_t flags = 0, Token token = kNoToken) {
  return {.kind = platform::ElementKind::MovingImage, .x = x, .y = y, .imageFlags = flags, .callback = callback,
          .name = name, .token = TokenNumber(token), .minValue = minValue, .maxValue = maxValue};
}

// An element list put together from parts (see JoinElements).
template <size_t N>
struct JoinedElements {
  constexpr explicit JoinedElements(const std::array<platform::ELEMENT_HEADER, N>& parts) : elements(parts) {}
  std::array<platform::ELEMENT_HEADER, N> elements;
};

// A needle drawn as a sprite at (x, y), turned by the value in degrees.
constexpr platform::ELEMENT_HEADER Sprite(const char* name, int32_t x, int32_t y, platform::ElementCallback callback,
                                          uint32_t flags = 0) {
  return {.kind = platform::ElementKind::Sprite, .x = x, .y = y, .imageFlags = flags, .callback = callback,
          .name = name};
}

// A sprite turned by one value and shifted by another, each times its scale
// (platform/gauge.h says which way), in a picture of width x height whose
// centre it turns about.
constexpr platform::ELEMENT_HEADER TurnedShiftedSprite(const char* name, int32_t x, int32_t y, int32_t width,
                                                       int32_t height, platform::ElementCallback turn,
                                                       double turnScale, platform::ElementCallback shift,
                                                       double shiftScale, uint32_t flags = 0) {
  return {.kind = platform::ElementKind::Sprite, .x = x, .y = y, .imageFlags = flags, .callback = turn,
          .imageWidth = width, .imageHeight = height, .name = name, .yCallback = shift, .turnScale = turnScale,
          .shiftScale = shiftScale};
}

// An icon that reads a bound token: the simulator refreshes the element's
// tokenValue before the callback.
constexpr platform::ELEMENT_HEADER TokenIcon(const char* name, int32_t x, int32_t y, int32_t frames,
                                             platform::ElementCallback callback, Token token,
                                             uint32_t flags = 0) {
  return {.kind = platform::ElementKind::Icon, .x = x, .y = y, .imageFlags = flags, .callback = callback,
          .name = name, .token = TokenNumber(token), .frameCount = frames};
}

// A slider at (x, y) moved across by one callback and down by the other.
constexpr platform::ELEMENT_HEADER Slider(const char* name, int32_t x, int32_t y, platform::ElementCallback xCallback,
                                          platform::ElementCallback yCallback, Token token = kNoToken) {
  return {.kind = platform::ElementKind::Slider, .x = x, .y = y, .callback = xCallback, .name = name,
          .token = TokenNumber(token), .yCallback = yCallback};
}

// A string element whose callback writes its text, drawn in a box of
// width x height at (x, y), in the typeface and weight given (none: the
// simulator's own).
constexpr platform::ELEMENT_HEADER TextElement(const char* name, int32_t x, int32_t y, int32_t width, int32_t height,
                                               platform::ElementCallback callback, const char* fontFace = nullptr,
                                               int32_t fontWeight = 0) {
  return {.kind = platform::ElementKind::String, .x = x, .y = y, .callback = callback, .imageWidth = width,
          .imageHeight = height, .name = name, .fontFace = fontFace, .fontWeight = fontWeight};
}

// A string element's text colour and the box behind it (0xRRGGBB).
constexpr platform::ELEMENT_HEADER InColors(platform::ELEMENT_HEADER element, uint32_t text,
                                            uint32_t background = platform::kNoColor) {
  element.textColor = text;
  element.backgroundColor = background;
  return element;
}

// A needle that the simulator turns at most `degreesPerSecond`, however far
// its value jumps.
constexpr platform::ELEMENT_HEADER TurningAtMost(platform::ELEMENT_HEADER needle, double degreesPerSecond) {
  needle.maxDegreesPerSecond = degreesPerSecond;
  return needle;
}
// The overhead meters' needle speeds: the electrical, APU and cabin pressure
// needles turn quickly, the air meters' slowly.
constexpr double kQuickNeedleDegPerSec = 60.0;
constexpr double kSlowNeedleDegPerSec = 1.0;

// An element whose picture has a known size (a highlight or frame the
// simulator's dumps and pictures can outline).
constexpr platform::ELEMENT_HEADER WithImageSize(platform::ELEMENT_HEADER element, int32_t width, int32_t height) {
  element.imageWidth = width;
  element.imageHeight = height;
  return element;
}

// An element that reads a token variable: the simulator puts its value into
// the element before the element's callback is called.
constexpr platform::ELEMENT_HEADER BoundTo(platform::ELEMENT_HEADER element, Token token) {
  element.token = TokenNumber(token);
  return element;
}

template <size_t N>
class ElementChain {
 public:
  constexpr explicit ElementChain(const platform::ELEMENT_HEADER (&definitions)[N]) { Link(definitions); }
  constexpr explicit ElementChain(const JoinedElements<N>& joined) { Link(joined.elements); }
  ElementChain(const ElementChain&) = delete;
  ElementChain& operator=(const ElementChain&) = delete;

  constexpr platform::ELEMENT_HEADER* Head() { return &elements_[0]; }

 private:
  template <typename Definitions>
  constexpr void Link(const Definitions& definitions) {
    for (size_t i = 0; i < N; ++i) {
      elements_[i] = definitions[i];
      links_[i][0] = i + 1 < N ? &elements_[i + 1] : nullptr;
      links_[i][1] = nullptr;
      elements_[i].nextElement = links_[i];
    }
  }

  platform::ELEMENT_HEADER elements_[N];
  platform::ELEMENT_HEADER* links_[N][2];
};

// The parts of an element list in chain order, as one list: for gauges that
// repeat a group of elements (one group an engine or a side).
template <size_t... Sizes>
constexpr JoinedElements<(Sizes + ...)> JoinElements(const std::array<platform::ELEMENT_HEADER, Sizes>&... parts) {
  std::array<platform::ELEMENT_HEADER, (Sizes + ...)> all{};
  size_t next = 0;
  const auto append = [&all, &next](const auto& part) {
    for (const platform::ELEMENT_HEADER& element : part) all[next++] = element;
  };
  (append(parts), ...);
  return JoinedElements<(Sizes + ...)>(all);
}

// ---- Pre-draw ---------------------------------------------------------------------
// Shows element n of the gauge when `shown`, hides it otherwise, every frame.
void ShowElement(platform::GAUGEHDR* gauge, uint32_t n, bool shown);
// The click-area overlay: shown while option 6 is set.
void ShowClickAreas(platform::GAUGEHDR* gauge, uint32_t n);

// The night-lighting redraw of a lit instrument. When its light source goes
// on or off, the elements first..end-1 are hidden, their luminous bit follows
// the light, and they come back once the gauge's relight timer has run one
// TICK18 tick. Each placed gauge (each header the simulator passes) keeps its
// own timer and lit flag, so two placements of one instrument both come back.
struct RelightRange {
  uint32_t first;
  uint32_t end;                // exclusive
  uint32_t alsoClear = 0;      // further flag bits cleared as the elements come back
};
// True on the first pre-draw of a placed gauge in each tick, whether the
// simulator draws once or several times a tick: a blink stepped there keeps
// its rate, and a screen drawn there is drawn once a tick in every window
// that places it.
bool FirstDrawOfTick(const platform::GAUGEHDR* gauge);
// True on a placed gauge's first pre-draw since the scheduler's pass `pass`
// (TickSchedulerPasses): a screen whose picture was worked out on that pass
// paints it once in each window that places it, on the window's next draw
// however late (a window opened later, or pictured while closed).
bool FirstDrawSince(const platform::GAUGEHDR* gauge, uint64_t pass);

// A picture shown by a condition looked at only on the ticks a channel is
// due. The look is taken after each tick's work (UpdateGaugePictures,
// gauge_table.h), whether or not a window showing the picture is drawn, and
// every placement shows the last look whenever it is drawn: as it would had
// it been drawn on every due tick.
class DueTickLook {
 public:
  constexpr DueTickLook(uint32_t channel, bool (*condition)()) : channel_(channel), condition_(condition) {}
  void Take();
  bool Shown() const { return shown_; }

 private:
  uint32_t channel_;
  bool (*condition_)();
  bool shown_ = false;
};

// Service 4: arms the placed gauge's relight timer.
void ArmRelight(const platform::GAUGEHDR* gauge);
// Service 10, after the overlays. True while the range is held hidden, so
// that a gauge showing one of two pictures by the units keeps both hidden.
bool Relight(platform::GAUGEHDR* gauge, const RelightRange& range, bool lightOn);

// The overhead panels: the light overlay (element 1) by the overhead panel
// light and the click areas on pre-draw; the overhead meters relight their
// elements 0..relitEnd-1 by it.
void OverheadPanelOverlays(platform::GAUGEHDR* gauge, uint32_t serviceId, uint32_t clickAreas);
void OverheadMeter(platform::GAUGEHDR* gauge, uint32_t serviceId, uint32_t relitEnd);

// ---- Element values -----------------------------------------------------------------
// A lamp: 1 when it has power and either the lamp test is on or its condition
// holds; dark without power even in the lamp test.
double Lamp(bool powered, bool condition);
// A digit window: the blank frame when unlit, 8 in the lamp test, else the digit.
double DigitWindow(bool lit, int32_t digit, double blankFrame);
// A needle with a power test: its resting value without power, else the value
// held within [low, high]; a value that is not a number rests too.
double PoweredNeedle(bool powered, double value, double resting, double low, double high);
// The digit `place` (1 units, 10 tens, ...) of a non-negative count, through
// a small tolerance so that 1.58 stored as 1.5799999 reads 8; 0 for negatives.
int32_t DigitOf(double value, int64_t place);

// ---- Mouse idioms (each returns 1, the click handled) ---------------------------------
// A switch click, unless option 16 mutes the switch clicks.
void PlayClick(SoundId sound);
// Toggle: 120 becomes 41, 41 becomes 120, anything else 120; then the sound.
int32_t ToggleControl(CSwitch& record, SoundId sound);
// Momentary button: 41 while pressed, 120 on the release; the sound on both.
int32_t MomentaryControl(CSwitch& record, uint32_t mouseFlags, SoundId sound);
// Guarded spring-loaded switch. The switch: 43 opens the guard (125), 125
// actuates (123, then `action`), a release at 123 lets it spring back to 125.
// The guard: 123 and 125 close towards 43 one step a click.
int32_t GuardedSwitchControl(CSwitch& record, uint32_t mouseFlags, SoundId sound, void (*action)());
int32_t GuardControl(CSwitch& record, SoundId sound);
// A simulator key event, then the sound when there is one.
constexpr SoundId kNoClick = -1;
int32_t SendKeyControl(uint32_t event, uint32_t value, SoundId sound = kNoClick);

enum SwitchGuardPosition : int32_t { kGuardClosed = 43, kGuardOpen = 125, kGuardedActuated = 123 };
constexpr int32_t kRelightDone = 121;

// The click families of the switch sounds.
constexpr SoundId kClickToggle1 = 241;
constexpr SoundId kClickToggle2 = 242;
constexpr SoundId kClickGuarded1 = 243;
constexpr SoundId kClickGuarded2 = 244;
constexpr SoundId kClickButton1 = 245;
constexpr SoundId kClickButton2 = 246;
constexpr SoundId kClickKnob = 247;
constexpr SoundId kClickRotary1 = 248;
constexpr SoundId kClickRotary2 = 249;

}  // namespace halcyon
