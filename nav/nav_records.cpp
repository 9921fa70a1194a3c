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

CAirport::~CAirport() { FreeChainAfter(this); }

CAirport::CAirport(const CAirport& other)
    : ident_(other.ident_),
      position_(other.position_),
      elevationFt_(other.elevationFt_),
      name_(other.name_),
      runways_(other.runways_),
      selected_(other.selected_) {}

CAirport& CAirport::operator=(const CAirport& other) {
  ident_ = other.ident_;
  position_ = other.position_;
  elevationFt_ = other.elevationFt_;
  name_ = other.name_;
  runways_ = other.runways_;
  selected_ = other.selected_;
  return *this;
}

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

CNavPoint::~CNavPoint() { FreeChainAfter(this); }

CNavPoint::CNavPoint(const CNavPoint& other)
    : ident_(other.ident_),
      type_(other.type_),
      position_(other.position_),
      frequency_(other.frequency_),
      elevationFt_(other.elevationFt_),
      name_(other.name_) {}

CNavPoint& CNavPoint::operator=(const CNavPoint& other) {
  ident_ = other.ident_;
  type_ = other.type_;
  position_ = other.position_;
  frequency_ = other.frequency_;
  elevationFt_ = other.elevationFt_;
  name_ = other.name_;
  return *this;
}

// ---- CFix ----------------------------------------------------------------------

CFix::CFix(const char* ident, const CLatLon& position) : ident_(ident), position_(position) {}

CFix::~CFix() { FreeChainAfter(this); }

CFix::CFix(const CFix& other) : ident_(other.ident_), position_(other.position_) {}

CFix& CFix::operator=(const CFix& other) {
  ident_ = other.ident_;
  position_ = other.position_;
  return *this;
}

}  // namespace halcyon
