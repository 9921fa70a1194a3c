// Any bytes as a navigation data file: the first byte chooses airports,
// navaids, fixes or the variation grid, the rest is the file. Whatever the
// loader keeps must be a record a box search and a lookup can use, and the
// report never holds more problems than bad lines.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "nav/nav_database.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);
  halcyon::CNavDatabase db;
  switch (data[0] % 4) {
    case 0: db.LoadAirports("airports.txt", text); break;
    case 1: db.LoadNavaids("navaids.txt", text); break;
    case 2: db.LoadFixes("waypoints.txt", text); break;
    default: db.LoadMagVar("magvar.txt", text); break;
  }
  if (db.Report().problems.size() > db.Report().badLines) std::abort();
  for (const halcyon::CAirport& airport : db.Airports()) {
    if (!airport.GetPosition()->IsValid() || airport.GetIdent()[0] == '\0') std::abort();
    for (const halcyon::CRunway& runway : airport.GetRunways()) {
      if (!runway.IsSet()) std::abort();
    }
  }
  for (const halcyon::CNavPoint& navaid : db.Navaids()) {
    if (!navaid.GetPosition()->IsValid() || navaid.GetType() < 1 || navaid.GetType() > 4) std::abort();
  }
  const halcyon::CLatLon centre(db.Fixes().empty() ? 47.0 : db.Fixes()[0].GetPosition()->GetLat(), -8.0);
  halcyon::CFix fixes;
  halcyon::CNavPoint navaids;
  halcyon::CAirport airports;
  db.FindFixesInBox(&fixes, centre, 5.0, 10.0);
  db.FindNavaidsInBox(&navaids, centre, 90.0, 180.0);
  db.FindAirportsInBox(&airports, centre, 1e300, 1e300);
  if (!db.Fixes().empty()) db.FindWaypoint(db.Fixes()[0].GetIdent(), centre);
  const double variation = db.MagVarAtPosition(centre);
  if (variation != variation) std::abort();
  return 0;
}
