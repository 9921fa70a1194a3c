// The departure plan card, written as 8-bit text with CR LF line breaks.
#include "crewaids/dispatch/departure_plan.h"

#include <cmath>
#include <cstdio>
#include <cstring>

#include "core/helpers.h"
#include "core/ini_values.h"
#include "core/panel_services.h"
#include "crewaids/dispatch/dispatch_model.h"
#include "crewaids/dispatch/load_sheet.h"
#include "fmc/fms.h"
#include "platform/ini.h"
#include "platform/paths.h"
#include "platform/system.h"
#include "systems/unit_system.h"

namespace halcyon {

namespace {

constexpr const wchar_t* kDefaultFlightNumber = L"SK313";
constexpr uint32_t kFlightNumberChars = 100;
// No value of an INI file holds a line break, so this default marks a missing key.
constexpr const wchar_t* kMissing = L"\n";

constexpr const char* kBoxBlank = "*                                                             *";
constexpr const char* kBoxEdge = "***************************************************************";

constexpr const char* kLoadCloseoutBox[] = {
    "********************** LOAD CLOSEOUT DATA *********************",
    kBoxBlank,
    "* TOW   ......... FOB ......... ZFW .......... STAB ........  *",
    kBoxBlank,
    "* FLAPS ......... CG  ......... PSGRS ........ W..... X.....  *",
    kBoxBlank,
    "* A/C ........... WINDS ....... BALLAST FUEL ...............  *",
    kBoxBlank,
    "* NOTES:                                                      *",
    kBoxBlank,
    kBoxBlank,
    kBoxEdge,
    "",
    "",
    "",
};

constexpr const char* kLandingBox[] = {
    kBoxEdge,
    "*              ---------- LANDING ----------                  *",
    kBoxBlank,
    "* ALT SET......MSL  PRESS ALT......FT  CONV......AFL  TEMP....*",
    kBoxBlank,
    "* GATE.....  LANDING WGT..........  G/A EPR........           *",
    kBoxBlank,
    "* STA........  ELEV........   ATIS........................... *",
    kBoxBlank,
    "* ........................................................... *",
    kBoxBlank,
    "* ........................................................... *",
    kBoxEdge,
};

// The lines of the card, joined with CR LF as the file is written.
class Card {
 public:
  void Add(const std::string& line) {
    if (!first_) text_ += "\r\n";
    first_ = false;
    text_ += line;
  }
  void Add(const std::wstring& line) { Add(platform::Narrow(line)); }
  template <size_t N>
  void Add(const char* const (&lines)[N]) {
    for (const char* line : lines) Add(std::string(line));
  }
  std::string Take() { return std::move(text_); }

 private:
  std::string text_;
  bool first_ = true;
};

double FiniteToken(Token token) {
  const double value = ReadToken(token);
  return std::isfinite(value) ? value : 0.0;
}

// The flight number of [FLIGHT]; a missing key is created with the default.
// A present value is left as the user wrote it.
std::wstring FlightNumber() {
  std::wstring number = platform::ReadIniString(L"FLIGHT", L"flight_number", kMissing, kFlightNumberChars, kAircraftIni);
  if (number != kMissing) return number;
  platform::WritePrivateProfileString(L"FLIGHT", L"flight_number", kDefaultFlightNumber, kAircraftIni);
  return kDefaultFlightNumber;
}

std::wstring StationLine(const std::string& originIdent) {
  ZuluDate date{};
  GetZuluDate(date);
  // The hour is the clock's plus the zulu hour, as the card has always printed it.
  int32_t hour = TruncateSaturated<int32_t>(FiniteToken(Token::ClockHour) + FiniteToken(Token::ZuluHour));
  if (hour >= 24) hour -= 24;
  const int32_t minute = TruncateSaturated<int32_t>(FiniteToken(Token::ClockMinute));
  return FormatLine(L"%4ls  %ls  909      15       %02d/%02d%02dZ", platform::Widen(originIdent).c_str(),
                    FlightNumber().c_str(), static_cast<int>(date.day), hour, minute);
}

std::wstring WeatherLine(const TakeoffFigures& figures) {
  const bool metric = IsMetricUnits() != 0;
  return FormatLine(metric ? L"TEMP %3dC    FP %5.2f PA %d" : L"TEMP %3dF    FP %5.2f PA %d",
                    TruncateSaturated<int32_t>(metric ? figures.tempDegC : figures.tempDegF),
                    ReadToken(Token::AltimeterInHg), TruncateSaturated<int32_t>(ReadToken(Token::AltimeterMb)));
}

}  // namespace

std::string ComposeDeparturePlan(const std::string& originIdent) {
  const TakeoffFigures figures = ComputeTakeoffFigures();
  Card card;
  card.Add(std::string("  DEPARTURE PLAN"));
  card.Add(std::string("STA  FLT     A/C      FLAP    DATE/TIME"));
  if (!originIdent.empty()) card.Add(StationLine(originIdent));
  card.Add(WeatherLine(figures));
  // Take-off data: the load sheet's lines 1 to 7.
  for (int32_t n = 1; n <= 7; ++n) {
    card.Add(FormatLoadSheetLine(figures, n));
    if (n == 1 || n == 6 || n == 7) card.Add(std::string());
  }
  card.Add(kLoadCloseoutBox);
  // Load summary: the load sheet's lines 8 to 15.
  for (int32_t n = 8; n <= 15; ++n) {
    card.Add(FormatLoadSheetLine(figures, n));
    if (n == 13) card.Add(std::string());
  }
  card.Add(std::string("CRT ADDRESS L007    AGENT ORVEN             PHONE 555-4321"));
  for (int i = 0; i < 4; ++i) card.Add(std::string());
  card.Add(kLandingBox);
  return card.Take();
}

// The file is opened before the card is made: a card that cannot be
// written leaves everything else as it was, the flight number in the INI too.
bool WriteDeparturePlan(const std::string& originIdent) {
  const std::string path = platform::ResolvePath(kDeparturePlanPath);
  std::FILE* file = std::fopen(path.c_str(), "wb");
  bool written = false;
  if (file != nullptr) {
    const std::string text = ComposeDeparturePlan(originIdent);
    written = std::fwrite(text.data(), 1, text.size(), file) == text.size();
    written = std::fclose(file) == 0 && written;
  }
  if (!written) {
    const std::string line = "Departure plan: " + path + " could not be written; no card";
    platform::Trace(line.c_str());
  }
  return written;
}

bool WriteDeparturePlan() { return WriteDeparturePlan(g_fms.GetActiveRouteOrigin()); }

}  // namespace halcyon

extern "C" int32_t HalcyonDispatchCards(char* text, int32_t size) {
  using namespace halcyon;
  BuildLoadSheet();
  std::string sheet;
  for (int32_t n = 1; n <= kLoadSheetLines; ++n) {
    if (n > 1) sheet += "\r\n";
    sheet += platform::Narrow(GetLoadSheetLine(n));
  }
  if (text == nullptr || size <= 0 || sheet.size() >= static_cast<size_t>(size)) return 0;
  std::memcpy(text, sheet.c_str(), sheet.size() + 1);
  return WriteDeparturePlan() ? 1 : 2;
}
