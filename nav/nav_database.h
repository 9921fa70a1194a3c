// The navigation database: the airports with their runways, the radio
// navaids and the named fixes of the navigation data folder, and the
// magnetic variation grid. It answers lookups by ident (the nearest of
// several records with one ident) and the map display's searches for what
// lies inside a box around the map centre.
//
// Files (our text format, see nav_text.h; latitudes north and longitudes
// EAST positive, as an atlas gives them, turned west positive on load):
//   airports.txt   @APT|ident|lat|lon|elev_ft|name
//                  @RWY|airport|ident|lat|lon|heading_mag|length_ft|elev_ft
//   navaids.txt    @NAV|ident|type|lat|lon|freq|elev_ft|name   type VOR, VORDME, NDB or DME
//   waypoints.txt  @FIX|ident|lat|lon
//   magvar.txt     the variation grid (magvar_grid.h)
// Columns after lon are optional. A missing file is reported in a message
// box and the database goes on without it.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "nav/magvar_grid.h"
#include "nav/nav_records.h"
#include "nav/nav_text.h"

namespace halcyon {

// The navigation data folder, relative to the simulator folder.
constexpr const wchar_t* kNavDataFolder = L".\\Navigraph\\NavData\\";

class CNavDatabase {
 public:
  CNavDatabase() = default;
  CNavDatabase(const CNavDatabase&) = delete;
  CNavDatabase& operator=(const CNavDatabase&) = delete;

  // Reads the four files of a folder (a simulator-relative Windows path such
  // as kNavDataFolder), replacing what was loaded. Bad lines are counted in
  // the report and traced with their file and line.
  void Load(const std::wstring& folder = kNavDataFolder);
  // One file's text, as Load reads it; `fileName` is only for the report.
  void LoadAirports(const std::string& fileName, std::string_view text);
  void LoadNavaids(const std::string& fileName, std::string_view text);
  void LoadFixes(const std::string& fileName, std::string_view text);
  void LoadMagVar(const std::string& fileName, std::string_view text);
  // (Each adds the records of one file to those already loaded.)
  const NavLoadReport& Report() const { return report_; }

  const std::vector<CAirport>& Airports() const { return airports_; }
  const std::vector<CNavPoint>& Navaids() const { return navaids_; }
  const std::vector<CFix>& Fixes() const { return fixes_; }

  // ---- Lookup by ident ----
  // The record with this ident nearest to `near` (great-circle distance);
  // with `near` unset, the first in file order. Null when there is none.
  const CAirport* FindAirport(std::string_view ident, const CLatLon& near = CLatLon()) const;
  const CNavPoint* FindNavaid(std::string_view ident, const CLatLon& near = CLatLon()) const;
  const CFix* FindFix(std::string_view ident, const CLatLon& near = CLatLon()) const;
  // A waypoint a pilot types: the nearest fix, navaid or airport of that ident.
  enum class WaypointKind { None, Fix, Navaid, Airport };
  struct Waypoint {
    WaypointKind kind = WaypointKind::None;
    std::string ident;
    CLatLon position;
  };
  Waypoint FindWaypoint(std::string_view ident, const CLatLon& near = CLatLon()) const;

  // ---- The map display's searches ----
  // Each empties the chain that starts at `head`, then copies into it, in
  // database order, every record whose latitude lies strictly between the
  // centre's latitude -/+ dLatDeg and whose longitude strictly between its
  // longitude -/+ dLonDeg (no wrap at 180 degrees), and ends the chain with
  // one record that is not set. Returns how many records it copied.
  // Navaids: VOR, VOR/DME and DME only (no NDB). The end record has the
  // navaid placeholder ident.
  int FindNavaidsInBox(CNavPoint* head, const CLatLon& centre, double dLatDeg, double dLonDeg) const;
  // Airports (ident and position). The end record has the airport placeholder.
  int FindAirportsInBox(CAirport* head, const CLatLon& centre, double dLatDeg, double dLonDeg) const;
  // Fixes. The end record has an empty ident and an unset position.
  int FindFixesInBox(CFix* head, const CLatLon& centre, double dLatDeg, double dLonDeg) const;

  // Degrees east positive from the variation grid; 0.0 for a position that
  // is not valid or without a grid.
  double MagVarAtPosition(const CLatLon& position) const { return magVar_.At(position); }
  const CMagVarGrid& MagVarGrid() const { return magVar_; }

  // A search box with strict bounds, west-positive longitudes.
  struct Box {
    double latLow, latHigh, lonLow, lonHigh;  // strict bounds
    bool Holds(const CLatLon& p) const {
      return p.GetLat() > latLow && p.GetLat() < latHigh && p.GetLon() > lonLow && p.GetLon() < lonHigh;
    }
  };

  // A coarse grid over the world, one cell a degree, holding the indexes of
  // the records in each cell in database order; a search looks only at the
  // cells its box touches and sorts what it finds back into database order.
  // Short lists are not indexed but scanned whole.
  class CellIndex {
   public:
    void Build(const std::vector<CLatLon>& positions);
    // Indexes of the positions inside the box, ascending.
    void Search(const Box& box, const std::vector<CLatLon>& positions, std::vector<uint32_t>* found) const;

   private:
    std::vector<uint32_t> cellStart_;  // kCells + 1 offsets into members_
    std::vector<uint32_t> members_;
  };

 private:
  size_t NearestAirportIndex(std::string_view ident, const CLatLon& near) const;
  void IndexAirports();
  void IndexNavaids();
  void IndexFixes();

  std::vector<CAirport> airports_;
  std::vector<CNavPoint> navaids_;
  std::vector<CFix> fixes_;
  // Positions copied out of the records, for searches that touch little memory.
  std::vector<CLatLon> airportPositions_;
  std::vector<CLatLon> navaidPositions_;
  std::vector<CLatLon> fixPositions_;
  CellIndex airportCells_;
  CellIndex navaidCells_;
  CellIndex fixCells_;
  // Record indexes sorted by ident (then file order), for the lookups.
  std::vector<uint32_t> airportsByIdent_;
  std::vector<uint32_t> navaidsByIdent_;
  std::vector<uint32_t> fixesByIdent_;
  CMagVarGrid magVar_;
  NavLoadReport report_;
};

}  // namespace halcyon
