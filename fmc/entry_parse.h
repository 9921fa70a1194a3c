// What the crew types into the scratchpad, taken apart: idents, positions,
// altitude constraints and courses; and the same values written back for the
// screen. Each parser refuses anything it does not fully understand, so a
// page can answer INVALID ENTRY.
#pragma once

#include <cstddef>
#include <string>

#include "nav/latlon.h"
#include "nav/route_leg.h"

namespace halcyon {

// 1..maxLength letters and digits.
bool ParseIdent(const std::wstring& text, size_t maxLength, std::string* ident);
// "N4727.9E00832.9": hemisphere, degrees (2 and 3 digits) and minutes with an
// optional tenth, for latitude then longitude. West positive, as every
// position of the FMS.
bool ParseLatLon(const std::wstring& text, CLatLon* position);
// "5000", "FL100", "350" (a flight level), each with an optional A (at or
// above) or B (at or below); 0 to 45000 ft.
bool ParseAltitudeConstraint(const std::wstring& text, double* altitudeFt, AltConstraintType* type);
// A course of 1 to 3 digits, 0 to 360 degrees.
bool ParseCourse(const std::wstring& text, double* courseDeg);

// "N47°27.9 E008°32.9"; dashes when the position is not valid.
std::wstring FormatLatLon(const CLatLon& position);
// The same as an entry ParseLatLon takes: "N4727.9E00832.9"; empty when not valid.
std::wstring FormatLatLonEntry(const CLatLon& position);
// "5000A", "FL180B", "12000"; dashes for no constraint.
std::wstring FormatAltitudeConstraint(double altitudeFt, int32_t type);
std::wstring Widen(const std::string& text);

}  // namespace halcyon

namespace halcyon {

// A plain decimal number, "95", "95.5" or ".5"; at most 8 characters.
bool ParseDecimal(const std::wstring& text, double* value);
// A target speed: "280" (knots, 100..400), ".76" (Mach, .40 to .89) or "280/.76".
// What was not entered is left 0.
bool ParseSpeedEntry(const std::wstring& text, double* knots, double* mach);
// A radial and distance, "090/12.5": the course 0..360, the distance 0.1..999.9 NM.
bool ParseRadialDistance(const std::wstring& text, double* radialDeg, double* distanceNm);

}  // namespace halcyon
