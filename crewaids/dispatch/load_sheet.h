// The load sheet: the take-off data card of the dispatch page, 15 lines of
// take-off weights, thrust settings, speeds, CG and trim and the load summary
// against the limits. Reads the dispatch load plan, the unit system and the
// outside air temperature (token 350) and ground altitude (token 73).
#pragma once

#include <cstdint>
#include <string>

namespace halcyon {

inline constexpr int32_t kLoadSheetLines = 15;
inline constexpr uint32_t kLoadSheetLineChars = 64;  // 63 and the terminator

// The figures the sheet and the departure plan print, from the load plan and
// the air at the field.
struct TakeoffFigures {
  int32_t rampWeightLb = 0;        // T: zero-fuel weight and all fuel
  double tempDegF = 0.0;           // TF
  double tempDegC = 0.0;
  double eprRsv = 0.0, n1Rsv = 0.0;
  double eprMax = 0.0, n1Max = 0.0;
  double eprStd = 0.0, n1Std = 0.0;
  int32_t speedsKt[6] = {};        // V1, VR, V2, flap extension, retraction, clean
  double cg = 0.0;                 // % MAC
  double stab = 0.0;               // units of stabilizer trim
  int32_t ptow[2] = {};            // thousands, hundreds
  int32_t atow[2] = {};
};
TakeoffFigures ComputeTakeoffFigures();

// Line n (1..15) of the sheet for these figures, whole (never cut).
std::wstring FormatLoadSheetLine(const TakeoffFigures& figures, int32_t n);

// printf-style formatting of one whole line of the card.
std::wstring FormatLine(const wchar_t* format, ...);

void BuildLoadSheet();
// The text of line n as last built (63 characters at most); "" for n outside 1..15.
const wchar_t* GetLoadSheetLine(int32_t n);

}  // namespace halcyon
