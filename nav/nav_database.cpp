// Navigation database: loading, lookups and the box searches.
#include "nav/nav_database.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstring>
#include <new>
#include <utility>

#include "nav/great_circle.h"
#include "platform/paths.h"
#include "platform/system.h"

namespace halcyon {
namespace {

constexpr uint32_t kStopIconBox = 16;
constexpr size_t kProblemsTraced = 20;
constexpr size_t kNotFound = static_cast<size_t>(-1);

// The index covers the world in cells of one degree.
constexpr int kCellRows = 180;
constexpr int kCellCols = 360;
constexpr size_t kIndexedRecordsMin = 512;

// What each file is, and how its absence is reported.
struct NavFile {
  const wchar_t* name;
  const wchar_t* missingText;
  const wchar_t* caption;
};
constexpr NavFile kAirportsFile = {L"airports.txt", L"Airport NavData not found.", L"LoadAirportData"};
constexpr NavFile kNavaidsFile = {L"navaids.txt", L"Navaid NavData not found.", L"LoadNavaidData"};
constexpr NavFile kFixesFile = {L"waypoints.txt", L"Waypoint NavData not found.", L"LoadWaypointData"};
constexpr NavFile kMagVarFile = {L"magvar.txt", L"Magnetic variation NavData not found.", L"LoadMagVarData"};

struct NavaidTypeName {
  const char* name;
  NavaidType type;
};
constexpr NavaidTypeName kNavaidTypes[] = {
    {"VOR", NavaidType::Vor},
    {"VORDME", NavaidType::VorDme},
    {"VOR/DME", NavaidType::VorDme},
    {"NDB", NavaidType::Ndb},
    {"DME", NavaidType::Dme},
};

// Checks an ident field and gives it in upper case; false (with the reason
// rejected) when it is empty, too long or holds more than letters and digits.
template <size_t kMax>
bool ReadIdent(NavTextReader& reader, std::string_view field, const char* what, char (&out)[kMax + 1]) {
  if (field.empty() || field.size() > kMax) {
    reader.Reject(std::string(what) + (field.empty() ? " missing" : " longer than " + std::to_string(kMax)));
    return false;
  }
  for (size_t i = 0; i < field.size(); ++i) {
    const unsigned char c = static_cast<unsigned char>(field[i]);
    if (!std::isalnum(c)) {
      reader.Reject(std::string(what) + " with a character other than letters and digits");
      return false;
    }
    out[i] = static_cast<char>(std::toupper(c));
  }
  out[field.size()] = '\0';
  return true;
}

// A required number (false and rejected when missing or not a number) or an
// optional one (kUnsetValue when the field is empty).
bool ReadNumber(NavTextReader& reader, std::string_view field, const char* what, bool required, double* value) {
  if (field.empty() && !required) {
    *value = kUnsetValue;
    return true;
  }
  if (ParseNavNumber(field, value)) return true;
  reader.Reject(std::string(what) + (field.empty() ? " missing" : " is not a number"));
  return false;
}

// Latitude and longitude as the files give them (east positive), turned
// into a west-positive position.
bool ReadPosition(NavTextReader& reader, std::string_view latField, std::string_view lonField, CLatLon* position) {
  double lat = 0.0;
  double lonEast = 0.0;
  if (!ReadNumber(reader, latField, "lat", true, &lat) || !ReadNumber(reader, lonField, "lon", true, &lonEast)) {
    return false;
  }
  position->SetLatLon(lat, -lonEast);
  if (position->IsValid()) return true;
  reader.Reject("a position outside -90..90, -180..180");
  return false;
}

void TraceNewProblems(const NavLoadReport& report, size_t firstProblem, uint64_t badLinesBefore, const std::string& file) {
  for (size_t i = firstProblem; i < report.problems.size() && i < kProblemsTraced; ++i) {
    const NavLoadProblem& problem = report.problems[i];
    platform::Trace((problem.file + ":" + std::to_string(problem.line) + ": " + problem.what).c_str());
  }
  const uint64_t bad = report.badLines - badLinesBefore;
  if (bad > 0) platform::Trace((file + ": " + std::to_string(bad) + " bad lines skipped").c_str());
}

template <typename Record>
void SortByIdent(const std::vector<Record>& records, std::vector<uint32_t>* order) {
  order->resize(records.size());
  for (uint32_t i = 0; i < records.size(); ++i) (*order)[i] = i;
  std::stable_sort(order->begin(), order->end(), [&records](uint32_t a, uint32_t b) {
    return std::strcmp(records[a].GetIdent(), records[b].GetIdent()) < 0;
  });
}

template <typename Record>
std::vector<CLatLon> PositionsOf(const std::vector<Record>& records) {
  std::vector<CLatLon> positions;
  positions.reserve(records.size());
  for (const Record& record : records) positions.push_back(*record.GetPosition());
  return positions;
}

// The index of the record with `ident` nearest to `near`; with `near` unset
// the first in file order.
template <typename Record>
size_t NearestByIdent(const std::vector<Record>& records, const std::vector<uint32_t>& byIdent, std::string_view ident,
                      const CLatLon& near) {
  const auto less = [&records](uint32_t index, std::string_view key) {
    return std::string_view(records[index].GetIdent()) < key;
  };
  auto it = std::lower_bound(byIdent.begin(), byIdent.end(), ident, less);
  size_t best = kNotFound;
  double bestNm = 0.0;
  for (; it != byIdent.end() && std::string_view(records[*it].GetIdent()) == ident; ++it) {
    if (!near.IsValid()) return *it;
    const CLatLon& p = *records[*it].GetPosition();
    const double nm = GreatCircleDistanceNm(near.GetLat(), near.GetLon(), p.GetLat(), p.GetLon());
    if (best == kNotFound || nm < bestNm) {
      best = *it;
      bestNm = nm;
    }
  }
  return best;
}

// Empties the chain at `head` and fills it with copies of the records the
// filter keeps inside the box; the last record of the chain is `end`.
template <typename Record, typename Keep>
int FillChain(Record* head, const std::vector<Record>& records, const std::vector<CLatLon>& positions,
              const CNavDatabase::CellIndex& cells, const CNavDatabase::Box& box, const Record& end, Keep keep) {
  head->FreeRest();
  thread_local std::vector<uint32_t> found;
  cells.Search(box, positions, &found);
  Record* tail = head;
  int count = 0;
  for (const uint32_t index : found) {
    if (!keep(records[index])) continue;
    Record* next = new (std::nothrow) Record(end);
    if (next == nullptr) break;  // out of memory: the list ends early
    *tail = records[index];
    tail->SetNext(next);
    tail = next;
    ++count;
  }
  *tail = end;
  return count;
}

CNavDatabase::Box BoxAround(const CLatLon& centre, double dLatDeg, double dLonDeg) {
  return {centre.GetLat() - dLatDeg, centre.GetLat() + dLatDeg, centre.GetLon() - dLonDeg, centre.GetLon() + dLonDeg};
}

// The cell range [low, high] a bound pair touches, clamped to the world.
void CellRange(double low, double high, double origin, int cells, int* first, int* last) {
  *first = static_cast<int>(std::clamp(std::floor(low - origin), 0.0, cells - 1.0));
  *last = static_cast<int>(std::clamp(std::floor(high - origin), 0.0, cells - 1.0));
}

int CellOf(const CLatLon& p) {
  int row = 0;
  int col = 0;
  CellRange(p.GetLat(), p.GetLat(), -90.0, kCellRows, &row, &row);
  CellRange(p.GetLon(), p.GetLon(), -180.0, kCellCols, &col, &col);
  return row * kCellCols + col;
}

}  // namespace

// ---- The cell index ------------------------------------------------------------

void CNavDatabase::CellIndex::Build(const std::vector<CLatLon>& positions) {
  cellStart_.clear();
  members_.clear();
  // A short list is scanned whole: cheaper than keeping a world of cells.
  if (positions.size() < kIndexedRecordsMin) return;
  cellStart_.assign(kCellRows * kCellCols + 1, 0);
  for (const CLatLon& p : positions) ++cellStart_[CellOf(p) + 1];
  for (size_t cell = 1; cell < cellStart_.size(); ++cell) cellStart_[cell] += cellStart_[cell - 1];
  members_.resize(positions.size());
  std::vector<uint32_t> fill(cellStart_.begin(), cellStart_.end() - 1);
  for (uint32_t i = 0; i < positions.size(); ++i) members_[fill[CellOf(positions[i])]++] = i;
}

void CNavDatabase::CellIndex::Search(const Box& box, const std::vector<CLatLon>& positions,
                                     std::vector<uint32_t>* found) const {
  found->clear();
  // Nothing lies strictly inside an empty or inverted box (NaN bounds too).
  if (!(box.latLow < box.latHigh) || !(box.lonLow < box.lonHigh)) return;
  if (cellStart_.empty()) {
    for (uint32_t i = 0; i < positions.size(); ++i) {
      if (box.Holds(positions[i])) found->push_back(i);
    }
    return;
  }
  int rowFirst = 0, rowLast = 0, colFirst = 0, colLast = 0;
  CellRange(box.latLow, box.latHigh, -90.0, kCellRows, &rowFirst, &rowLast);
  CellRange(box.lonLow, box.lonHigh, -180.0, kCellCols, &colFirst, &colLast);
  for (int row = rowFirst; row <= rowLast; ++row) {
    const uint32_t begin = cellStart_[row * kCellCols + colFirst];
    const uint32_t end = cellStart_[row * kCellCols + colLast + 1];
    for (uint32_t m = begin; m < end; ++m) {
      if (box.Holds(positions[members_[m]])) found->push_back(members_[m]);
    }
  }
  std::sort(found->begin(), found->end());
}

// ---- Loading -------------------------------------------------------------------

namespace {

// Reads one file of the folder and hands its text to `parse`; a missing file
// is reported in a message box and the rest of the data goes on without it.
template <typename Parse>
void LoadFile(const std::wstring& folder, const NavFile& file, NavLoadReport* report, Parse parse) {
  std::string text;
  if (!ReadNavFile(platform::ResolvePath((folder + file.name).c_str()), &text)) {
    report->missingFiles.push_back(platform::Narrow(file.name));
    platform::Trace((platform::Narrow(file.name) + ": not found").c_str());
    platform::ShowMessageBox(platform::FindWindowByClass(L"FS98MAIN"), file.missingText, file.caption, kStopIconBox);
    return;
  }
  const size_t firstProblem = report->problems.size();
  const uint64_t badBefore = report->badLines;
  parse(platform::Narrow(file.name), std::string_view(text));
  TraceNewProblems(*report, firstProblem, badBefore, platform::Narrow(file.name));
}

}  // namespace

void CNavDatabase::Load(const std::wstring& folder) {
  airports_.clear();
  navaids_.clear();
  fixes_.clear();
  IndexAirports();
  IndexNavaids();
  IndexFixes();
  magVar_ = CMagVarGrid();
  report_ = NavLoadReport();
  auto bind = [this](void (CNavDatabase::*parse)(const std::string&, std::string_view)) {
    return [this, parse](const std::string& name, std::string_view text) { (this->*parse)(name, text); };
  };
  LoadFile(folder, kAirportsFile, &report_, bind(&CNavDatabase::LoadAirports));
  LoadFile(folder, kNavaidsFile, &report_, bind(&CNavDatabase::LoadNavaids));
  LoadFile(folder, kFixesFile, &report_, bind(&CNavDatabase::LoadFixes));
  LoadFile(folder, kMagVarFile, &report_, bind(&CNavDatabase::LoadMagVar));
}

void CNavDatabase::LoadAirports(const std::string& fileName, std::string_view text) {
  NavTextReader reader(fileName, text, &report_);
  enum { kIdent, kLat, kLon, kElev, kName };
  const int airportTag = reader.Want("APT", {"ident", "lat", "lon", "elev_ft", "name"});
  enum { kRwyAirport, kRwyIdent, kRwyLat, kRwyLon, kRwyHeading, kRwyLength, kRwyElev };
  reader.Want("RWY", {"airport", "ident", "lat", "lon", "heading_mag", "length_ft", "elev_ft"});
  // Runways name their airport by ident, so they may come before it: they
  // are attached once every airport is in.
  struct PendingRunway {
    char airport[kAirportIdentMax + 1];
    CRunway runway;
    uint32_t line;
  };
  std::vector<PendingRunway> runways;
  for (int tag; (tag = reader.Next()) >= 0;) {
    if (tag == airportTag) {
      char ident[kAirportIdentMax + 1];
      CLatLon position;
      double elevationFt = 0.0;
      if (!ReadIdent<kAirportIdentMax>(reader, reader.Field(kIdent), "ident", ident) ||
          !ReadPosition(reader, reader.Field(kLat), reader.Field(kLon), &position) ||
          !ReadNumber(reader, reader.Field(kElev), "elev_ft", false, &elevationFt)) {
        continue;
      }
      airports_.emplace_back(ident, position, elevationFt, std::string(reader.Field(kName)));
      continue;
    }
    PendingRunway pending{};
    char ident[kRunwayIdentMax + 1];
    CLatLon threshold;
    double headingDeg = 0.0;
    double lengthFt = 0.0;
    double elevationFt = 0.0;
    if (!ReadIdent<kAirportIdentMax>(reader, reader.Field(kRwyAirport), "airport", pending.airport) ||
        !ReadIdent<kRunwayIdentMax>(reader, reader.Field(kRwyIdent), "ident", ident) ||
        !ReadPosition(reader, reader.Field(kRwyLat), reader.Field(kRwyLon), &threshold) ||
        !ReadNumber(reader, reader.Field(kRwyHeading), "heading_mag", true, &headingDeg) ||
        !ReadNumber(reader, reader.Field(kRwyLength), "length_ft", false, &lengthFt) ||
        !ReadNumber(reader, reader.Field(kRwyElev), "elev_ft", false, &elevationFt)) {
      continue;
    }
    if (headingDeg < 0.0 || headingDeg > 360.0) {
      reader.Reject("heading_mag outside 0 to 360");
      continue;
    }
    pending.runway = CRunway(ident, threshold, headingDeg, lengthFt, elevationFt);
    pending.line = reader.LineNumber();
    runways.push_back(pending);
  }
  IndexAirports();
  for (const PendingRunway& pending : runways) {
    // Of several airports with one ident, the runway belongs to the nearest.
    const size_t index = NearestAirportIndex(pending.airport, *pending.runway.GetPosition());
    if (index == kNotFound) {
      report_.AddProblem(fileName, pending.line, std::string("a runway of the unknown airport ") + pending.airport);
      continue;
    }
    airports_[index].AddRunway(pending.runway);
  }
}

void CNavDatabase::LoadNavaids(const std::string& fileName, std::string_view text) {
  NavTextReader reader(fileName, text, &report_);
  enum { kIdent, kType, kLat, kLon, kFreq, kElev, kName };
  reader.Want("NAV", {"ident", "type", "lat", "lon", "freq", "elev_ft", "name"});
  while (reader.Next() >= 0) {
    char ident[kNavaidIdentMax + 1];
    CLatLon position;
    double frequency = 0.0;
    double elevationFt = 0.0;
    if (!ReadIdent<kNavaidIdentMax>(reader, reader.Field(kIdent), "ident", ident)) continue;
    const std::string_view typeName = reader.Field(kType);
    const auto type = std::find_if(std::begin(kNavaidTypes), std::end(kNavaidTypes),
                                   [typeName](const NavaidTypeName& entry) { return typeName == entry.name; });
    if (type == std::end(kNavaidTypes)) {
      reader.Reject("type '" + std::string(typeName) + "' is not VOR, VORDME, NDB or DME");
      continue;
    }
    if (!ReadPosition(reader, reader.Field(kLat), reader.Field(kLon), &position) ||
        !ReadNumber(reader, reader.Field(kFreq), "freq", false, &frequency) ||
        !ReadNumber(reader, reader.Field(kElev), "elev_ft", false, &elevationFt)) {
      continue;
    }
    navaids_.emplace_back(ident, type->type, position, frequency, elevationFt, std::string(reader.Field(kName)));
  }
  IndexNavaids();
}

void CNavDatabase::LoadFixes(const std::string& fileName, std::string_view text) {
  NavTextReader reader(fileName, text, &report_);
  enum { kIdent, kLat, kLon };
  reader.Want("FIX", {"ident", "lat", "lon"});
  while (reader.Next() >= 0) {
    char ident[kFixIdentMax + 1];
    CLatLon position;
    if (!ReadIdent<kFixIdentMax>(reader, reader.Field(kIdent), "ident", ident) ||
        !ReadPosition(reader, reader.Field(kLat), reader.Field(kLon), &position)) {
      continue;
    }
    fixes_.emplace_back(ident, position);
  }
  IndexFixes();
}

void CNavDatabase::LoadMagVar(const std::string& fileName, std::string_view text) {
  magVar_.Parse(fileName, text, &report_);
}

void CNavDatabase::IndexAirports() {
  airportPositions_ = PositionsOf(airports_);
  airportCells_.Build(airportPositions_);
  SortByIdent(airports_, &airportsByIdent_);
}

void CNavDatabase::IndexNavaids() {
  navaidPositions_ = PositionsOf(navaids_);
  navaidCells_.Build(navaidPositions_);
  SortByIdent(navaids_, &navaidsByIdent_);
}

void CNavDatabase::IndexFixes() {
  fixPositions_ = PositionsOf(fixes_);
  fixCells_.Build(fixPositions_);
  SortByIdent(fixes_, &fixesByIdent_);
}

// ---- Lookups -------------------------------------------------------------------

size_t CNavDatabase::NearestAirportIndex(std::string_view ident, const CLatLon& near) const {
  return NearestByIdent(airports_, airportsByIdent_, ident, near);
}

const CAirport* CNavDatabase::FindAirport(std::string_view ident, const CLatLon& near) const {
  const size_t index = NearestAirportIndex(ident, near);
  return index == kNotFound ? nullptr : &airports_[index];
}

const CNavPoint* CNavDatabase::FindNavaid(std::string_view ident, const CLatLon& near) const {
  const size_t index = NearestByIdent(navaids_, navaidsByIdent_, ident, near);
  return index == kNotFound ? nullptr : &navaids_[index];
}

const CFix* CNavDatabase::FindFix(std::string_view ident, const CLatLon& near) const {
  const size_t index = NearestByIdent(fixes_, fixesByIdent_, ident, near);
  return index == kNotFound ? nullptr : &fixes_[index];
}

CNavDatabase::Waypoint CNavDatabase::FindWaypoint(std::string_view ident, const CLatLon& near) const {
  Waypoint best;
  double bestNm = 0.0;
  auto consider = [&](WaypointKind kind, const char* recordIdent, const CLatLon* position) {
    const double nm = near.IsValid()
                          ? GreatCircleDistanceNm(near.GetLat(), near.GetLon(), position->GetLat(), position->GetLon())
                          : 0.0;
    // Without a reference position, fixes come before navaids before airports.
    if (best.kind != WaypointKind::None && nm >= bestNm) return;
    best = {kind, recordIdent, *position};
    bestNm = nm;
  };
  if (const CFix* fix = FindFix(ident, near)) consider(WaypointKind::Fix, fix->GetIdent(), fix->GetPosition());
  if (const CNavPoint* navaid = FindNavaid(ident, near)) {
    consider(WaypointKind::Navaid, navaid->GetIdent(), navaid->GetPosition());
  }
  if (const CAirport* airport = FindAirport(ident, near)) {
    consider(WaypointKind::Airport, airport->GetIdent(), airport->GetPosition());
  }
  return best;
}

// ---- Box searches --------------------------------------------------------------

int CNavDatabase::FindNavaidsInBox(CNavPoint* head, const CLatLon& centre, double dLatDeg, double dLonDeg) const {
  if (head == nullptr) return 0;
  return FillChain(head, navaids_, navaidPositions_, navaidCells_, BoxAround(centre, dLatDeg, dLonDeg), CNavPoint(),
                   [](const CNavPoint& navaid) { return navaid.GetType() != static_cast<int32_t>(NavaidType::Ndb); });
}

int CNavDatabase::FindAirportsInBox(CAirport* head, const CLatLon& centre, double dLatDeg, double dLonDeg) const {
  if (head == nullptr) return 0;
  return FillChain(head, airports_, airportPositions_, airportCells_, BoxAround(centre, dLatDeg, dLonDeg), CAirport(),
                   [](const CAirport&) { return true; });
}

int CNavDatabase::FindFixesInBox(CFix* head, const CLatLon& centre, double dLatDeg, double dLonDeg) const {
  if (head == nullptr) return 0;
  return FillChain(head, fixes_, fixPositions_, fixCells_, BoxAround(centre, dLatDeg, dLonDeg), CFix(),
                   [](const CFix&) { return true; });
}

}  // namespace halcyon
