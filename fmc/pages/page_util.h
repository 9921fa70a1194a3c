// What several pages do alike: take an entry from the scratchpad, look up an
// airport, and title a route page.
#pragma once

#include <cstddef>
#include <string>

#include "fmc/entry_parse.h"
#include "fmc/fms.h"

namespace halcyon {

// The scratchpad's text as an ident of at most maxLength characters; false
// with INVALID ENTRY posted when it is not one.
bool TakeIdentEntry(CFms& fms, size_t maxLength, std::string* ident);
// The airport of that ident nearest the aircraft; null with NOT IN DATA BASE posted.
const CAirport* FindAirportOrSay(CFms& fms, const std::string& ident);
// "ACT RTE 1", "MOD RTE 1" or "RTE 1", then the suffix (" LEGS").
std::wstring RouteTitle(const CFmsNav& nav, int32_t n, const wchar_t* suffix);
// "1/3": page x of y, at the title line's right.
void PutPageNumber(CCduScreen& screen, int page, int pages);
// The position a search starts from: the FMS position, else the aircraft's.
CLatLon SearchCentre(CFms& fms);

}  // namespace halcyon
