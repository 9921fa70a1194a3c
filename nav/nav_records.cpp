// Navigation data records and their chains.
#include "nav/nav_records.h"

#include <utility>

namespace halcyon {

CRunway::CRunway(const char* ident, const CLatLon& threshold, double headingMagDeg, double lengthFt, double elevationFt)
    : ident_(ident), position_(threshold), headingMagDeg_(headingMagDeg), lengthFt_(lengthFt), elevationFt_(elevationFt) {}

// ---- CAirport ------------------------------------------------------------------

CAirport::CAirport() : ident_(kAirportPlaceholder) {}

CAirport::CAirport(const char* ident, const CLatLon& position, double elevationFt, std::string name)
    : ident_(ident), position_(position), elevationFt_(elevationFt), name_(std::move(name)) {}

bool CAirport::SelectRunway(const char* ident) {
  for (const CRunway& runway : runways_) {
    if (std::strcmp(runway.GetIdent(), ident) == 0) {
      selected_ = runway;
      return true;
    }
  }
  return false;
}

// ---- CNavPoint -----------------------------------------------------------------

CNavPoint::CNavPoint() : ident_(kNavaidPlaceholder) {}

CNavPoint::CNavPoint(const char* ident, NavaidType type, const CLatLon& position, double frequency, double elevationFt,
                     std::string name)
    : ident_(ident),
      type_(type),
      position_(position),
      frequency_(frequency),
      elevationFt_(elevationFt),
      name_(std::move(name)) {}

// ---- CFix ----------------------------------------------------------------------

CFix::CFix(const char* ident, const CLatLon& position) : ident_(ident), position_(position) {}

}  // namespace halcyon
