// The take-off figures of the load plan and the load sheet's lines.
#include "crewaids/dispatch/load_sheet.h"

#include <algorithm>
#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <cwchar>

#include "core/helpers.h"
#include "core/panel_services.h"
#include "crewaids/dispatch/dispatch_model.h"
#include "platform/system.h"
#include "systems/unit_system.h"

namespace halcyon {

namespace {

// The thrust tables are flat above 5000 ft of field elevation (plus 1000).
constexpr double kAltitudeTermMaxFt = 6000.0;
constexpr double kHotDegF = 90.0;

// The take-off speeds grow from their value at 90000 lb by k knots a pound.
struct SpeedLaw {
  double ktPerLb;
  double ktAt90000Lb;
};
constexpr SpeedLaw kSpeedLaws[6] = {
    {0.000671428, 99},   // V1
    {0.0005, 115},       // VR
    {0.000414285, 126},  // V2
    {0.000742857, 142},  // flap extension
    {0.000742857, 157},  // flap retraction
    {0.000342857, 194},  // clean
};

wchar_t g_lines[kLoadSheetLines][kLoadSheetLineChars] = {};

// A simulator value the figures use, in its everyday unit; one that is no
// number counts as 0, with a line in the trace.
double FiniteToken(Token token, const char* name) {
  const double value = ReadScaledToken(token);
  if (std::isfinite(value)) return value;
  char line[100];
  std::snprintf(line, sizeof line, "Load sheet: %s is no number; 0 is taken", name);
  platform::Trace(line);
  return 0.0;
}

int32_t W(double pounds) { return TruncateSaturated<int32_t>(ToDisplayWeight(pounds)); }

// Room for every line whole, even with the largest numbers a double prints.
constexpr size_t kFormatChars = 2048;

}  // namespace

std::wstring FormatLine(const wchar_t* format, ...) {
  wchar_t text[kFormatChars];
  va_list args;
  va_start(args, format);
  const int length = std::vswprintf(text, kFormatChars, format, args);
  va_end(args);
  return length < 0 ? std::wstring() : std::wstring(text, static_cast<size_t>(length));
}

namespace {

double N1(double base, double t2, double altitudeFt) {
  return base + t2 * (9.7 - 0.8 * altitudeFt / kAltitudeTermMaxFt) / 100.0 +
         altitudeFt * (0.8 * t2 / 100.0 + 7.1) / kAltitudeTermMaxFt;
}

// Thousands and hundreds of a weight, as "%3d,%d00" prints them.
void Split(int64_t weight, int32_t out[2]) {
  out[0] = static_cast<int32_t>(weight / 1000);
  out[1] = static_cast<int32_t>((weight % 1000) / 100);
}

}  // namespace

TakeoffFigures ComputeTakeoffFigures() {
  TakeoffFigures f;
  f.rampWeightLb = GetTakeoffWeight();
  f.tempDegC = FiniteToken(Token::AmbientTemp, "the outside air temperature");
  f.tempDegF = f.tempDegC * 1.8 + 32.0;
  const double altitudeFt =
      std::min(FiniteToken(Token::AltitudeM, "the altitude") * kFeetPerMetre + 1000.0, kAltitudeTermMaxFt);
  const double tf = f.tempDegF;
  if (tf >= kHotDegF) {
    f.eprRsv = 1.94 - 0.0044 * std::max(tf - 90.0, 0.0);
    f.eprMax = 1.88 - 0.004 * std::max(tf - 90.0, 0.0);
  } else {
    f.eprRsv = 1.94 + altitudeFt * (0.13 - 0.0033333333 * std::max(tf - 60.0, 0.0)) / kAltitudeTermMaxFt;
    f.eprMax = 1.88 + altitudeFt * (0.16 - 0.004 * std::max(tf - 60.0, 0.0)) / kAltitudeTermMaxFt;
  }
  const double t2 = std::min(tf + 40.0, 100.0);
  f.n1Rsv = N1(81.0, t2, altitudeFt);
  f.n1Max = N1(78.8, t2, altitudeFt);
  f.eprStd = f.eprMax - 0.08;
  f.n1Std = f.n1Max - 3.3;
  for (int i = 0; i < 6; ++i) {
    f.speedsKt[i] =
        TruncateSaturated<int32_t>((f.rampWeightLb - 90000.0) * kSpeedLaws[i].ktPerLb + kSpeedLaws[i].ktAt90000Lb);
  }
  f.cg = ComputeTakeoffData();
  f.stab = std::min((35.0 - f.cg) * 0.2696969 + 1.0, 9.9);
  const int64_t t = f.rampWeightLb;
  if (IsMetricUnits() == 0) {
    Split(t, f.ptow);
    Split(t + 2000, f.atow);
  } else {
    const double kg = ToDisplayWeight(t);
    const int64_t wholeKg = TruncateSaturated<int32_t>(kg);
    f.ptow[0] = TruncateSaturated<int32_t>(kg / 1000.0);
    f.ptow[1] = static_cast<int32_t>((wholeKg % 1000) / 100);
    f.atow[0] = TruncateSaturated<int32_t>((kg + 1000.0) / 1000.0);
    f.atow[1] = static_cast<int32_t>(((wholeKg + 2000) % 1000) / 100);
  }
  return f;
}

std::wstring FormatLoadSheetLine(const TakeoffFigures& f, int32_t n) {
  const int32_t* v = f.speedsKt;
  const int32_t fuelLb = GetFuelQuantity(3);
  const int32_t zfwLb = GetZeroFuelWeight();
  switch (n) {
    case 1:
      return FormatLine(L"PTOW  %3d,%d00   ATOW  %3d,%d00", f.ptow[0], f.ptow[1], f.atow[0], f.atow[1]);
    case 2:
      return L" *** DC-9-83 JT8D-217 ENG ***           0/  0/  MM  MAX";
    case 3:
      return L"                 EPR   N1   V1  VR  V2  EXT RET SPD TMP  AT";
    case 4:
      return FormatLine(L"         -RSV-  %4.2f  %4.1f  %3d %3d %3d %3d %3d %3d STD", f.eprRsv, f.n1Rsv, v[0], v[1], v[2],
                    v[3], v[4], v[5]);
    case 5:
      return FormatLine(L"         -MAX-  %4.2f  %4.1f  %3d %3d %3d %3d %3d %3d PWR", f.eprMax, f.n1Max, v[0], v[1], v[2],
                    v[3], v[4], v[5]);
    case 6:
      return FormatLine(L"         -STD-  %4.2f  %4.1f  %3d %3d %3d %3d %3d %3d  98F 43C", f.eprStd, f.n1Std, v[0], v[1],
                    v[2], v[3], v[4], v[5]);
    case 7:
      return FormatLine(L"  TOW CG %4.1f     FUEL %5d    ZFW %6d         STAB %3.1f", f.cg, W(fuelLb), W(zfwLb), f.stab);
    case 8:
      return L"------LOAD----------TOTALS--------LIMITS----CMPT MAX--AS LDED--";
    case 9:
      return FormatLine(L"EOW       %5d  ZFW  %6d  MZFW %6d   F1  %4d    %4d", W(kEmptyOperatingWeightLb), W(zfwLb),
                    W(kMaxZeroFuelWeightLb), W(kHoldLimitLb[0]), W(GetDispatchWeight(0)));
    case 10:
      return FormatLine(L"PSGR WT   %5d  FUEL  %5d  *** TOT ***   F2  %4d    %4d", W(GetPassengerWeight()), W(fuelLb),
                    W(kHoldLimitLb[1]), W(GetDispatchWeight(1)));
    case 11:
      return FormatLine(L"CGO WT    %5d  RMP  %6d  MRMP %6d   MB  %4d       0", W(GetDispatchWeight(3)),
                    W(f.rampWeightLb), W(kMaxRampWeightLb), W(kCompartmentMbLimitLb));
    case 12:
      return FormatLine(L"BALLAST       0  TXI     %3d                A1  %4d    %4d", W(kTaxiFuelLb), W(kHoldLimitLb[2]),
                    W(GetDispatchWeight(2)));
    case 13:
      return FormatLine(L"                 TOW  %6d  MTOW %6d",
                    TruncateSaturated<int32_t>(static_cast<double>(W(f.rampWeightLb)) - W(kTaxiFuelLb)),
                    W(kMaxTakeoffWeightLb));
    case 14:
      return FormatLine(L"FLAPS  15        TOW CG %4.1f  CNFIG F 12 P  0 C  0 Y136", f.cg);
    case 15: {
      const bool metric = IsMetricUnits() != 0;
      return FormatLine(metric ? L"TEMP %3dC        STAB    %3.1f  PSGRS F 12 P  0 C  0 Y%3d W-0"
                           : L"TEMP %3dF        STAB    %3.1f  PSGRS F 12 P  0 C  0 Y%3d W-0",
                    TruncateSaturated<int32_t>(metric ? f.tempDegC : f.tempDegF), f.stab, GetPassengerCount());
    }
    default:
      return {};
  }
}

void BuildLoadSheet() {
  const TakeoffFigures figures = ComputeTakeoffFigures();
  for (int32_t n = 1; n <= kLoadSheetLines; ++n) {
    const std::wstring text = FormatLoadSheetLine(figures, n);
    std::wcsncpy(g_lines[n - 1], text.c_str(), kLoadSheetLineChars - 1);
    g_lines[n - 1][kLoadSheetLineChars - 1] = L'\0';
  }
}

const wchar_t* GetLoadSheetLine(int32_t n) {
  if (n < 1 || n > kLoadSheetLines) return L"";
  return g_lines[n - 1];
}

}  // namespace halcyon
