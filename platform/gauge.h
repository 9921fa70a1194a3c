// The records of the simulator's gauge interface as this module and our host
// use them: the module's exported linkage and import table, gauge headers,
// element records, mouse rectangles, the panel service table and the token
// variable record. Declared in our own words; only what the cockpit uses.
#pragma once

#include <cstdint>

namespace platform {

namespace gfx {
class Surface;
}

// ---- Panel service ids sent to a gauge callback ----------------------------
enum PanelService : uint32_t {
  kServicePreInstall = 2,
  kServicePostInstall = 3,      // the lifecycle starts the systems
  kServicePreInitialize = 4,
  kServicePreUpdate = 6,        // the lifecycle steps the systems
  kServicePreDraw = 10,
  kServicePreKill = 12,         // the lifecycle saves and frees
  kServiceWindowDisconnected = 15,
  kServicePanelOpened = 16,
  kServicePanelClosed = 17,
};

// ---- Element records --------------------------------------------------------
constexpr uint32_t kImageHidden = 0x40000000;
constexpr uint32_t kImageLuminous = 0x4000;
constexpr uint32_t kImageClockBit = 0x80000000;
// A static image that a display draws into: the simulator gives it a pixel
// surface of the element's image size when the panel is installed.
constexpr uint32_t kImageDrawingSurface = 0x20;
// A colour field that names no colour (a colour is 0xRRGGBB).
constexpr uint32_t kNoColor = 0xFF000000u;

enum class ElementKind : uint8_t { Static, Needle, MovingImage, Icon, String, Slider, Sprite };

struct ELEMENT_HEADER;
using ElementCallback = double (*)(ELEMENT_HEADER* element);

// One row of a needle's scale: the value at a pixel point of the gauge image;
// the simulator points the needle at the point interpolated between rows.
struct NeedlePoint {
  double x = 0.0;
  double y = 0.0;
  double value = 0.0;
};

struct ELEMENT_HEADER {
  ElementKind kind = ElementKind::Static;
  uint32_t resourceId = 0;
  int32_t x = 0;
  int32_t y = 0;
  uint32_t imageFlags = 0;
  // The element's children; the first entry is the next element of the chain.
  ELEMENT_HEADER** nextElement = nullptr;
  ElementCallback callback = nullptr;
  // The image's size in pixels, and for a drawing surface the surface itself
  // (the element's own drawing context): null until the panel is installed.
  int32_t imageWidth = 0;
  int32_t imageHeight = 0;
  gfx::Surface* surface = nullptr;
  // What the element shows, for the simulator's dumps and pictures.
  const char* name = nullptr;
  // A bound token variable (0: none): the simulator reads it into
  // tokenValue before it calls the callback.
  uint32_t token = 0;
  double tokenValue = 0.0;
  // Icon: the number of images in its strip.
  int32_t frameCount = 0;
  // Moving image: the strip's values at its two ends.
  double minValue = 0.0;
  double maxValue = 0.0;
  // Needle: its pivot, and its scale; a needle without a scale takes its
  // value as an angle in degrees, 270 pointing up.
  int32_t pivotX = 0;
  int32_t pivotY = 0;
  const NeedlePoint* scale = nullptr;
  uint32_t scalePoints = 0;
  // What the simulator read from the callback on its last poll.
  double value = 0.0;
  // Slider: `callback` gives its x position, this one its y position.
  // Sprite: `callback` gives its turn, this one (when set) its shift.
  ElementCallback yCallback = nullptr;
  double yValue = 0.0;
  // Slider: the pixels it moves for one unit of its x and y values.
  double xScale = 1.0;
  double yScale = 1.0;
  // A string element's text, 8-bit, which its callback writes into storage
  // of its own; null until then.
  const char* text = nullptr;
  // A string element's typeface and weight (400 regular, 700 bold); no
  // typeface: the simulator's own.
  const char* fontFace = nullptr;
  int32_t fontWeight = 0;
  // A string element's colours: its text (none: the simulator's own), and a
  // box of the element's size filled behind it (none: no box).
  uint32_t textColor = kNoColor;
  uint32_t backgroundColor = kNoColor;
  // Sprite: its picture turned about its centre by value x turnScale degrees
  // counter-clockwise, then moved up along its own turned vertical by
  // yValue x shiftScale pixels.
  double turnScale = 1.0;
  double shiftScale = 1.0;
  // Needle: the fastest it turns, in degrees a second (0: no limit). The
  // simulator turns a limited needle towards its value at most that far each
  // frame; drawnAngle is where it drew it (degrees from pointing right,
  // clockwise, counted on along the scale so a turn past 360 stays a turn).
  double maxDegreesPerSecond = 0.0;
  double drawnAngle = 0.0;
  bool angleDrawn = false;
};

// ---- Mouse rectangles -------------------------------------------------------
enum MouseRectType : uint32_t {
  kMouseRectEnd = 0,
  kMouseRectParent = 1,
  kMouseRectChild = 2,
  kMouseRectEndParent = 3,
  kMouseRectTooltip = 4,
};

enum MouseCursor : int32_t {
  kCursorNone = -1,
  kCursorNormal = 0,
  kCursorUpArrow = 1,
  kCursorDownArrow = 2,
  kCursorLeftArrow = 3,
  kCursorRightArrow = 4,
  kCursorHand = 5,
  kCursorGrab = 7,
};

constexpr uint32_t kMouseLeftSingle = 0x20000000;
constexpr uint32_t kMouseLeftRelease = 0x00020000;
constexpr uint32_t kMouseDownRepeat = 0x00200000;
constexpr uint32_t kMouseMove = 0x00400000;
constexpr uint32_t kMouseLeftDrag = 0x00800000;
constexpr uint32_t kMouseRightSingle = 0x80000000;

struct PixelPoint {
  int32_t x = 0;
  int32_t y = 0;
};

using MouseFunction = int32_t (*)(PixelPoint point, uint32_t mouseFlags);
using TooltipValueCallback = double (*)();

// A tooltip argument: every field but the value callback is zero.
struct TooltipArg {
  TooltipValueCallback value = nullptr;
};

struct MOUSERECT {
  MouseRectType type = kMouseRectEnd;
  int32_t x = 0;
  int32_t y = 0;
  int32_t width = 0;
  int32_t height = 0;
  MouseCursor cursor = kCursorNone;
  uint32_t helpId = 0;
  uint32_t mouseFlags = 0;
  uint32_t eventId = 0;               // for a tooltip: the number of arguments
  MouseFunction function = nullptr;
  // A tooltip's narrow format text: positional arguments %1, %2 ... with a
  // printf width and type between exclamation marks ("%1!3d!"), "%%" a percent sign.
  const char* tooltipText = nullptr;
  const TooltipArg* tooltipArgs = nullptr;
  // The mouse function's name, so that a host can call a control by name.
  const char* functionName = nullptr;
};

// ---- Gauge headers ----------------------------------------------------------
struct GAUGEHDR;
using GaugeCallback = void (*)(GAUGEHDR* gauge, uint32_t serviceId, uintptr_t extra);

struct GAUGEHDR {
  const char* name = nullptr;
  double widthMm = 0.0;
  ELEMENT_HEADER* elements = nullptr;
  const MOUSERECT* mouseRects = nullptr;
  GaugeCallback callback = nullptr;
};

// ---- Token variables and the panel service table ---------------------------
// One record per simulator variable the module reads. The lookup refreshes
// `value`; every caller reads it as a double.
struct MODULE_VAR {
  uint32_t token = 0;
  void* simReference = nullptr;
  uint32_t simType = 0;
  double value = 0.0;
  double previous = 0.0;
};

struct PANELS {
  void (*lookup_var)(MODULE_VAR* variable);
  int32_t (*trigger_key_event)(uint32_t event, uint32_t value);
  int32_t (*is_panel_window_visible_ident)(uint32_t ident);
  // Evaluates one calculator expression; the string result points at storage
  // the simulator keeps until the next call.
  int32_t (*execute_calculator_code)(const char* code, double* floatResult, int32_t* intResult,
                                     const char** stringResult);
};

// ---- What the module exports ------------------------------------------------
using ModuleRoutine = void (*)();

constexpr uint32_t kModuleId = 0x13;
constexpr uint32_t kModuleVersion = 0x900;
constexpr uint32_t kImportPanels = 0x0F;

struct ModuleLinkage {
  uint32_t moduleId = 0;
  ModuleRoutine init = nullptr;
  ModuleRoutine deinit = nullptr;
  uint32_t flags = 0;
  uint32_t status = 0;
  uint32_t version = 0;
  GAUGEHDR** gauges = nullptr;  // in gauge order, ended by a null pointer
};

struct ImportEntry {
  uint32_t id = 0;
  PANELS* table = nullptr;
};

struct ModuleImports {
  ImportEntry panels;  // id 0x0F: filled by the simulator at load
  ImportEntry end;     // all zero
};

}  // namespace platform
