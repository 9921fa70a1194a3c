// The attitude picture shared by the primary flight display and the composite
// display that replaces a dark EFIS screen: what both read once per frame,
// their palette, and the blocks they both draw (roll scale, sphere and
// ladder, aircraft symbol, flight director, fast/slow scale, decision height,
// radio-altitude tape, source labels), each with the composite's differences
// as a style. Every block draws in the 300 x 250 design space.
#pragma once

#include <cstdint>

#include "platform/gfx.h"

namespace halcyon::pfd {

namespace gfx = platform::gfx;

constexpr double kDesignWidth = 300.0;
constexpr double kDesignHeight = 250.0;
constexpr gfx::PointF kAttitudeCentre(150.0f, 123.0f);
constexpr gfx::PointF kTapeOrigin(255.0f, 53.0f);

// The attitude (here and on the standby instrument) rests level at or below
// this ground speed (m/s, the simulator's own unit for it).
constexpr double kAttitudeLevelBelowGroundSpeedMps = 10.0;

// Receiver flag words: NAV 1's station code and its flags (glideslope).
constexpr uint32_t kStationLocalizer = 0x80;
constexpr uint32_t kStationGlideslope = 0x40;
constexpr uint32_t kStationNoSignal = 0x08;
constexpr uint32_t kGlideslopeFlagged = 0x04;

// Everything one frame reads, taken once at the start of the drawing call.
struct Inputs {
  bool powered = false;   // the panel in normal power
  double pitchDeg = 0.0;  // positive nose down; 0 at low ground speed
  double bankDeg = 0.0;   // positive turns the picture clockwise; 0 at low ground speed
  double radioHeightFt = 3000.0;
  double groundSpeedMps = 0.0;
  bool fdOn = false;
  double fdPitchDeg = 0.0;
  double fdBankDeg = 0.0;
  double nav1DeviationDots = 0.0;  // the course needle, needle units
  double glideslopeDeviation = 0.0;  // the glide-slope needle
  uint32_t glideslopeFlags = 0;      // NAV 1's flags
  uint32_t nav1Station = 0;          // NAV 1's station code
  bool risingRunway = false;
  int32_t marker = 0;                // the marker beacon, truncated
  bool attitudeValid = false;
  bool navValid = false;             // the IRS in navigation
  bool test = false;                 // the EFIS test button
  double speedErrorKt = 0.0;
  double crossTrackNm = 0.0;
  bool fmsLateral = false;           // roll mode 3 to 5
  bool vnav = false;
  uint32_t efisMode = 0;
  double decisionHeightFt = -1.0;
  bool cduMessage = false;
  int32_t efisSource = 43;
  int32_t vertGyro = 43;
  bool hotspots = false;
  bool fdVBar = false;
  double fdThickness = 4.0;
  // The composite's heading and navigation block.
  bool nav2Active = false;           // the NAV selector on receiver 2
  uint32_t toFrom1 = 0, toFrom2 = 0;         // each receiver's 0 off, 2 from, other to
  double course1Deg = 0.0, course2Deg = 0.0;
  double nav2DeviationDots = 0.0;            // NAV 2's course needle
  double headingMagDeg = 0.0;
  double dme1Nm = -1.0, dme2Nm = -1.0;
  double selectedHeadingDeg = 0.0;
  bool activeNavSignal = false;

  // The attitude is shown: a valid source and no EFIS test.
  bool AttitudeAvailable() const { return attitudeValid && !test; }
};

// Reads the tokens and the systems. The attitude is level at 10 m/s or less.
Inputs ReadInputs();

struct Palette {
  gfx::Color background, sky, ground, white, green, amber, grey, blue, yellow, red, chevronRed, magenta, course,
      symbolFill;
};
Palette PaletteAt(double brightness);

// How the composite differs from the PFD where both draw the same block.
struct Style {
  bool composite = false;
  float fdPenWidth = 4.0f;
  float chevronPenWidth = 3.0f;
};

// The plain design space of a canvas, and a block's origin in it.
gfx::Matrix DesignScale(const gfx::Canvas& canvas);
gfx::Matrix At(const gfx::Canvas& canvas, gfx::PointF origin);

// The blocks both pictures draw.
void DrawRollScale(gfx::Canvas& canvas, const Palette& palette);
void DrawFastSlow(gfx::Canvas& canvas, const Palette& palette, const Inputs& in);
// The decision-height layer writes the flash sequencer; in the test the PFD
// idles it, the composite leaves it. The sequencer's rule alone also runs
// where the picture is black at brightness 0 (the composite's): it starts the
// sequencer at an alert, idles it otherwise, and says what the layer shows.
enum class DecisionHeightCue { None, Readout, Alert };
DecisionHeightCue StepDecisionHeightFlash(const Inputs& in, const Style& style);
void DrawDecisionHeight(gfx::Canvas& canvas, const Palette& palette, const Inputs& in, const Style& style);
void SetAttitudeClip(gfx::Canvas& canvas, const Style& style);
void DrawSphere(gfx::Canvas& canvas, const Palette& palette, const Inputs& in, const Style& style);
void DrawAircraftSymbol(gfx::Canvas& canvas, const Palette& palette, bool vBar);
void DrawRollPointer(gfx::Canvas& canvas, const Palette& palette, const Inputs& in);
void DrawFlightDirector(gfx::Canvas& canvas, const Palette& palette, const Inputs& in, const Style& style);
void DrawRadioAltitude(gfx::Canvas& canvas, const Palette& palette, const Inputs& in);
void DrawGlideslopeScale(gfx::Canvas& canvas, const Palette& palette, double deviation);
void DrawVerticalFlag(gfx::Canvas& canvas, const Palette& palette, const wchar_t* letters, float x);
void DrawSourceLabels(gfx::Canvas& canvas, const Palette& palette, const Inputs& in);

// Text in the displays' bold typeface.
void Text(gfx::Canvas& canvas, const wchar_t* text, int count, float sizePt, gfx::PointF at, gfx::Align align,
          gfx::Color color);

// Horizon and ladder offsets in design units for a pitch.
constexpr double kUnitsPerPitchDeg = 4.0;
constexpr double kSkyPitchLimitDeg = 22.0;

}  // namespace halcyon::pfd
