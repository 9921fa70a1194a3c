// The departure plan: a printable card in the aircraft folder with the
// flight's heading, the weather at the field, the load sheet's take-off data
// and load summary, and the load closeout and landing boxes for the crew to
// fill in. Reads the load plan, the FMS's active route origin, [FLIGHT] of
// the aircraft INI file, the zulu date and the clock and weather tokens.
#pragma once

#include <cstdint>
#include <string>

namespace halcyon {

inline constexpr const wchar_t* kDeparturePlanPath = L".\\SimObjects\\Airplanes\\QZ Halcyon Pro\\Departure plan.txt";

// The card's text, lines joined by CR LF, with no line break after the last.
// The station line is written only with an origin (it then creates
// [FLIGHT] flight_number when missing).
std::string ComposeDeparturePlan(const std::string& originIdent);

// Replaces "Departure plan.txt" with the card for the FMS's active route;
// false (with a line in the trace) when the file cannot be written.
bool WriteDeparturePlan();
bool WriteDeparturePlan(const std::string& originIdent);

}  // namespace halcyon

// For the headless host: rebuilds the load sheet, writes the departure plan
// and copies the sheet's 15 lines, joined by CR LF, into `text` (UTF-8,
// terminated). 0 when the text does not fit; else 1 with the card written,
// 2 without it.
extern "C" int32_t HalcyonDispatchCards(char* text, int32_t size);
