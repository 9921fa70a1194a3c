// The records of the navigation database: airports with their runways,
// radio navaids and named fixes. The database keeps them in arrays; the map
// display asks for copies of those near it as chains of records (each points
// to the next), which it owns and frees through the chain's head. Positions
// are north and west positive, headings in degrees magnetic.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "nav/latlon.h"

namespace halcyon {

// Longest ident of each kind, and the placeholders of records not set.
constexpr size_t kAirportIdentMax = 4;
constexpr size_t kRunwayIdentMax = 3;   // "16L"
constexpr size_t kNavaidIdentMax = 5;
constexpr size_t kFixIdentMax = 5;
constexpr const char* kAirportPlaceholder = "----";
constexpr const char* kNavaidPlaceholder = "-----";

// An ident of at most kMax characters, kept in the record itself.
template <size_t kMax>
class NavIdent {
 public:
  NavIdent() = default;
  explicit NavIdent(const char* text) { Assign(text); }
  // Copies at most kMax characters; false (and the ident emptied) when
  // the text is longer.
  bool Assign(const char* text, size_t length) {
    const bool fits = length <= kMax;
    if (!fits) length = 0;
    for (size_t i = 0; i < length; ++i) text_[i] = text[i];
    text_[length] = '\0';
    return fits;
  }
  bool Assign(const char* text) { return Assign(text, std::char_traits<char>::length(text)); }
  const char* c_str() const { return text_; }
  bool empty() const { return text_[0] == '\0'; }
  bool operator==(const char* other) const { return std::strcmp(text_, other) == 0; }

 private:
  char text_[kMax + 1] = {};
};

// What makes a record a link of a chain: the next record, which the record
// owns. Freeing a record frees the rest of its chain one record after the
// other, in constant stack however long the chain. A copy of a record takes
// its values only: it is never part of the original's chain.
template <typename Record>
class ChainLink {
 public:
  ChainLink() = default;
  ChainLink(const ChainLink&) {}
  ChainLink& operator=(const ChainLink&) { return *this; }
  ~ChainLink() { FreeRest(); }

  Record* GetNext() const { return next_; }
  void SetNext(Record* next) { next_ = next; }
  // Deletes every record after this one; this one ends the chain then.
  void FreeRest() {
    Record* record = next_;
    next_ = nullptr;
    while (record != nullptr) {
      Record* after = record->GetNext();
      record->SetNext(nullptr);
      delete record;
      record = after;
    }
  }

 private:
  Record* next_ = nullptr;
};

// One landing direction of a runway: its ident, threshold and magnetic
// heading.
class CRunway {
 public:
  CRunway() = default;
  CRunway(const char* ident, const CLatLon& threshold, double headingMagDeg, double lengthFt, double elevationFt);

  const char* GetIdent() const { return ident_.c_str(); }
  // The ident is set and the threshold is a valid position.
  bool IsSet() const { return !ident_.empty() && position_.IsValid(); }
  CLatLon* GetPosition() { return &position_; }
  const CLatLon* GetPosition() const { return &position_; }
  double GetHeading() const { return headingMagDeg_; }  // degrees magnetic
  double GetLengthFt() const { return lengthFt_; }      // kUnsetValue when unknown
  double GetElevationFt() const { return elevationFt_; }

 private:
  NavIdent<kRunwayIdentMax> ident_;
  CLatLon position_;
  double headingMagDeg_ = kUnsetValue;
  double lengthFt_ = kUnsetValue;
  double elevationFt_ = kUnsetValue;
};

class CAirport : public ChainLink<CAirport> {
 public:
  // The ident placeholder, an unset position and values, no next record.
  CAirport();
  CAirport(const char* ident, const CLatLon& position, double elevationFt, std::string name);

  const char* GetIdent() const { return ident_.c_str(); }
  bool IsSet() const { return !(ident_ == kAirportPlaceholder); }
  CLatLon* GetPosition() { return &position_; }
  const CLatLon* GetPosition() const { return &position_; }
  double GetElevationFt() const { return elevationFt_; }
  const std::string& GetName() const { return name_; }

  // Every runway of the airport, as the database lists them.
  const std::vector<CRunway>& GetRunways() const { return runways_; }
  void AddRunway(const CRunway& runway) { runways_.push_back(runway); }
  // The selected runway (a route's departure or arrival runway); not set
  // until one is chosen.
  CRunway* GetRunway() { return &selected_; }
  const CRunway* GetRunway() const { return &selected_; }
  // Chooses the runway with that ident; false (and the choice kept) when the
  // airport has none such.
  bool SelectRunway(const char* ident);
  void ClearRunway() { selected_ = CRunway(); }

 private:
  NavIdent<kAirportIdentMax> ident_;
  CLatLon position_;
  double elevationFt_ = kUnsetValue;
  std::string name_;
  std::vector<CRunway> runways_;
  CRunway selected_;
};

enum class NavaidType : int32_t { Vor = 1, VorDme = 2, Ndb = 3, Dme = 4 };

class CNavPoint : public ChainLink<CNavPoint> {
 public:
  // The ident placeholder, an unset position and values, no next record.
  CNavPoint();
  CNavPoint(const char* ident, NavaidType type, const CLatLon& position, double frequency, double elevationFt,
            std::string name);

  const char* GetIdent() const { return ident_.c_str(); }
  int32_t GetType() const { return static_cast<int32_t>(type_); }  // 1 VOR, 2 VOR/DME, 3 NDB, 4 DME
  bool IsSet() const { return !(ident_ == kNavaidPlaceholder); }
  CLatLon* GetPosition() { return &position_; }
  const CLatLon* GetPosition() const { return &position_; }
  double GetFrequency() const { return frequency_; }  // MHz (VOR, DME) or kHz (NDB); kUnsetValue unknown
  double GetElevationFt() const { return elevationFt_; }
  const std::string& GetName() const { return name_; }

 private:
  NavIdent<kNavaidIdentMax> ident_;
  NavaidType type_ = NavaidType::Vor;
  CLatLon position_;
  double frequency_ = kUnsetValue;
  double elevationFt_ = kUnsetValue;
  std::string name_;
};

class CFix : public ChainLink<CFix> {
 public:
  // An empty ident and an unset position: a fresh list head reads as the
  // end of an empty list, so nothing is drawn before the first search.
  CFix() = default;
  CFix(const char* ident, const CLatLon& position);

  const char* GetIdent() const { return ident_.c_str(); }
  CLatLon* GetPosition() { return &position_; }
  const CLatLon* GetPosition() const { return &position_; }

 private:
  NavIdent<kFixIdentMax> ident_;
  CLatLon position_;
};

}  // namespace halcyon
