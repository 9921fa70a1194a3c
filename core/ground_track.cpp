// The one-second ring of positions behind the ground track.
#include "core/ground_track.h"

#include <array>

#include "core/helpers.h"
#include "core/panel_services.h"
#include "core/switch.h"
#include "nav/great_circle.h"

namespace halcyon {
namespace {

struct TrackSample {
  double latitudeDeg;
  double longitudeDeg;  // west positive
  double trackDeg;
};

std::array<TrackSample, kGroundTrackSlots> g_groundTrack{};

// The slot of this tick; TICK18 never goes below 0, but a bad value must not
// index outside the ring.
size_t CurrentSlot() { return TruncateSaturated<uint64_t>(CurrentTick18()) % kGroundTrackSlots; }

}  // namespace

GeoPointDeg AircraftPosition() {
  // The simulator counts longitude eastward; the ring keeps west positive.
  return {ReadScaledToken(Token::Latitude), -ReadScaledToken(Token::Longitude)};
}

void InitGroundTrack() {
  const GeoPointDeg present = AircraftPosition();
  const double heading = ReadToken(Token::HeadingDeg);
  g_groundTrack.fill({present.latitudeDeg, present.longitudeDeg, heading});
}

void UpdateGroundTrack() {
  const size_t s = CurrentSlot();
  const size_t next = (s + 1) % kGroundTrackSlots;  // written 17 ticks ago: the oldest
  const size_t prev = (s + kGroundTrackSlots - 1) % kGroundTrackSlots;
  const GeoPointDeg present = AircraftPosition();
  TrackSample& sample = g_groundTrack[s];
  sample.latitudeDeg = present.latitudeDeg;
  sample.longitudeDeg = present.longitudeDeg;

  const TrackSample& previous = g_groundTrack[prev];
  const TrackSample& oldest = g_groundTrack[next];
  // Standing still in either coordinate: in the air the track holds.
  if (previous.latitudeDeg == present.latitudeDeg || previous.longitudeDeg == present.longitudeDeg) {
    sample.trackDeg = IsSimVar60Set() != 0 ? ReadToken(Token::HeadingDeg) : previous.trackDeg;
    return;
  }
  if (IsSimVar60Set() == 0 && oldest.latitudeDeg != present.latitudeDeg && oldest.longitudeDeg != present.longitudeDeg) {
    const double track = InitialBearing(oldest.latitudeDeg, oldest.longitudeDeg, present.latitudeDeg, present.longitudeDeg);
    // Too short a distance to resolve: the heading is the better guess.
    sample.trackDeg = track != kUnsetValue ? track : ReadToken(Token::HeadingDeg);
    return;
  }
  sample.trackDeg = ReadToken(Token::HeadingDeg);
}

double GetGroundTrack() { return g_groundTrack[CurrentSlot()].trackDeg; }

}  // namespace halcyon
