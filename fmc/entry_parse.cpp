// Scratchpad entries and their screen forms.
#include "fmc/entry_parse.h"

#include <cmath>
#include <cwchar>

namespace halcyon {
namespace {

constexpr double kHighestAltitudeFt = 45000.0;
// Constraints at or above it are shown as flight levels.
constexpr double kFlightLevelFromFt = 18000.0;

bool IsDigit(wchar_t c) { return c >= L'0' && c <= L'9'; }
bool IsLetter(wchar_t c) { return c >= L'A' && c <= L'Z'; }

// Exactly `count` digits at text[*at]; their value.
bool TakeDigits(const std::wstring& text, size_t* at, size_t count, int* value) {
  *value = 0;
  for (size_t i = 0; i < count; ++i, ++*at) {
    if (*at >= text.size() || !IsDigit(text[*at])) return false;
    *value = *value * 10 + (text[*at] - L'0');
  }
  return true;
}

// Minutes: two digits, then an optional point and one digit; below 60.
bool TakeMinutes(const std::wstring& text, size_t* at, double* minutes) {
  int whole = 0;
  if (!TakeDigits(text, at, 2, &whole)) return false;
  *minutes = whole;
  if (*at < text.size() && text[*at] == L'.') {
    ++*at;
    int tenth = 0;
    if (!TakeDigits(text, at, 1, &tenth)) return false;
    *minutes += tenth / 10.0;
  }
  return *minutes < 60.0;
}

bool TakeCoordinate(const std::wstring& text, size_t* at, wchar_t positive, wchar_t negative, size_t degreeDigits,
                    double limitDeg, double* value) {
  if (*at >= text.size() || (text[*at] != positive && text[*at] != negative)) return false;
  const double sign = text[(*at)++] == positive ? 1.0 : -1.0;
  int degrees = 0;
  double minutes = 0.0;
  if (!TakeDigits(text, at, degreeDigits, &degrees) || !TakeMinutes(text, at, &minutes)) return false;
  const double magnitude = degrees + minutes / 60.0;
  if (magnitude > limitDeg) return false;
  *value = sign * magnitude;
  return true;
}

}  // namespace

bool ParseIdent(const std::wstring& text, size_t maxLength, std::string* ident) {
  if (text.empty() || text.size() > maxLength) return false;
  ident->clear();
  for (wchar_t c : text) {
    if (!IsDigit(c) && !IsLetter(c)) return false;
    *ident += static_cast<char>(c);
  }
  return true;
}

bool ParseLatLon(const std::wstring& text, CLatLon* position) {
  size_t at = 0;
  double lat = 0.0;
  double lonWest = 0.0;
  if (!TakeCoordinate(text, &at, L'N', L'S', 2, 90.0, &lat)) return false;
  if (!TakeCoordinate(text, &at, L'W', L'E', 3, 180.0, &lonWest)) return false;
  if (at != text.size()) return false;
  position->SetLatLon(lat, lonWest);
  return position->IsValid();
}

bool ParseAltitudeConstraint(const std::wstring& text, double* altitudeFt, AltConstraintType* type) {
  std::wstring body = text;
  *type = AltConstraintType::At;
  if (!body.empty() && (body.back() == L'A' || body.back() == L'B')) {
    *type = body.back() == L'A' ? AltConstraintType::AtOrAbove : AltConstraintType::AtOrBelow;
    body.pop_back();
  }
  bool flightLevel = body.size() > 2 && body[0] == L'F' && body[1] == L'L';
  if (flightLevel) body.erase(0, 2);
  if (body.empty() || body.size() > 5) return false;
  double value = 0.0;
  for (wchar_t c : body) {
    if (!IsDigit(c)) return false;
    value = value * 10.0 + (c - L'0');
  }
  if (flightLevel && body.size() > 3) return false;
  if (flightLevel || body.size() <= 3) value *= 100.0;
  if (value > kHighestAltitudeFt) return false;
  *altitudeFt = value;
  return true;
}

bool ParseCourse(const std::wstring& text, double* courseDeg) {
  if (text.empty() || text.size() > 3) return false;
  int value = 0;
  for (wchar_t c : text) {
    if (!IsDigit(c)) return false;
    value = value * 10 + (c - L'0');
  }
  if (value > 360) return false;
  *courseDeg = value;
  return true;
}

namespace {

// Latitude and longitude in tenths of a minute, rounded once so 59.96' carries
// into the degree, laid out by a format of six fields.
std::wstring FormatTenths(const CLatLon& position, const wchar_t* format) {
  const double lat = position.GetLat();
  const double lonEast = -position.GetLon();
  const long latTenths = std::lround(std::fabs(lat) * 600.0);
  const long lonTenths = std::lround(std::fabs(lonEast) * 600.0);
  wchar_t text[32];
  std::swprintf(text, 32, format, lat < 0 ? L'S' : L'N', latTenths / 600, (latTenths % 600) / 10, latTenths % 10,
                lonEast < 0 ? L'W' : L'E', lonTenths / 600, (lonTenths % 600) / 10, lonTenths % 10);
  return text;
}

}  // namespace

std::wstring FormatLatLon(const CLatLon& position) {
  if (!position.IsValid()) return L"---°--.- ----°--.-";
  return FormatTenths(position, L"%lc%02ld°%02ld.%ld %lc%03ld°%02ld.%ld");
}

std::wstring FormatLatLonEntry(const CLatLon& position) {
  if (!position.IsValid()) return L"";
  return FormatTenths(position, L"%lc%02ld%02ld.%ld%lc%03ld%02ld.%ld");
}

std::wstring FormatAltitudeConstraint(double altitudeFt, int32_t type) {
  if (type == static_cast<int32_t>(AltConstraintType::None) || altitudeFt == kUnsetValue) return L"-----";
  wchar_t text[16];
  const long feet = std::lround(altitudeFt);
  if (altitudeFt >= kFlightLevelFromFt) {
    std::swprintf(text, 16, L"FL%03ld", feet / 100);
  } else {
    std::swprintf(text, 16, L"%ld", feet);
  }
  std::wstring shown = text;
  if (type == static_cast<int32_t>(AltConstraintType::AtOrAbove)) shown += L'A';
  if (type == static_cast<int32_t>(AltConstraintType::AtOrBelow)) shown += L'B';
  return shown;
}

std::wstring Widen(const std::string& text) { return std::wstring(text.begin(), text.end()); }

}  // namespace halcyon

namespace halcyon {

bool ParseDecimal(const std::wstring& text, double* value) {
  if (text.empty() || text.size() > 8) return false;
  int dots = 0;
  int digits = 0;
  for (wchar_t c : text) {
    if (c == L'.') {
      ++dots;
    } else if (c >= L'0' && c <= L'9') {
      ++digits;
    } else {
      return false;
    }
  }
  if (dots > 1 || digits == 0) return false;
  *value = std::wcstod(text.c_str(), nullptr);
  return true;
}

bool ParseSpeedEntry(const std::wstring& text, double* knots, double* mach) {
  *knots = 0.0;
  *mach = 0.0;
  const size_t slash = text.find(L'/');
  const std::wstring first = text.substr(0, slash);
  const std::wstring second = slash == std::wstring::npos ? L"" : text.substr(slash + 1);
  auto take = [&](const std::wstring& part) {
    double v = 0.0;
    if (!ParseDecimal(part, &v)) return false;
    if (part[0] == L'.') {
      if (v < 0.4 || v > 0.89 || *mach != 0.0) return false;
      *mach = v;
    } else {
      if (v < 100.0 || v > 400.0 || part.find(L'.') != std::wstring::npos || *knots != 0.0) return false;
      *knots = v;
    }
    return true;
  };
  if (!first.empty() && !take(first)) return false;
  if (slash != std::wstring::npos && (second.empty() || !take(second))) return false;
  return *knots != 0.0 || *mach != 0.0;
}

bool ParseRadialDistance(const std::wstring& text, double* radialDeg, double* distanceNm) {
  const size_t slash = text.find(L'/');
  if (slash == std::wstring::npos) return false;
  double radial = 0.0;
  double distance = 0.0;
  if (!ParseCourse(text.substr(0, slash), &radial) || !ParseDecimal(text.substr(slash + 1), &distance)) return false;
  if (distance < 0.1 || distance > 999.9) return false;
  *radialDeg = radial;
  *distanceNm = distance;
  return true;
}

}  // namespace halcyon
