// The crew's speed cards: a take-off or landing card chosen by weight, shown
// by the Speed Cards gauge, that sets four airspeed bugs at once; the dispatch
// pages and training situations choose the card from a gross weight and pass
// V1, VR and V2 to the FMS. Keeps [SPEED CARDS].
#pragma once

#include <cstdint>

namespace halcyon {

enum SpeedCardType : int32_t { kSpeedCardTakeoff = 0, kSpeedCardLanding = 1 };
// What a set of bugs is taken from.
enum SpeedCardKind : int32_t {
  kSpeedCardTakeoffTable1 = 2,
  kSpeedCardTakeoffTable2 = 3,
  kSpeedCardLandingBug4Vref = 4,   // bug 4 from value 4
  kSpeedCardLandingBug4Value5 = 5, // bug 4 from value 5
};
constexpr int32_t kTakeoffCardRows = 8;
constexpr int32_t kLandingCardRows = 20;
constexpr int32_t kSpeedCardValues = 5;

void LoadSpeedCards();
void SaveSpeedCards();

int32_t GetSpeedCardType();
// The card the gauge shows: the take-off row 0..7, or the landing row + 8.
double GetSpeedCardIndex();
int32_t GetTakeoffCardRow();
int32_t GetLandingCardRow();
void ToggleSpeedCardType();
void IncSpeedCardWeight();
void DecSpeedCardWeight();
// Bugs 1..4 from the current row of the kind's table; other kinds do nothing.
void SetSpeedBugsFromCard(int32_t kind);
// Chooses the kind's row from a gross weight in pounds, sets the bugs from it
// and, for the take-off kinds, gives the FMS V1, VR and V2.
void SetSpeedBugsForWeight(int32_t kind, int32_t pounds);
// One speed of a card, knots: row and value (1..5) of take-off table 1 or 2
// (kinds 2 and 3) or the landing table (4 and 5); 0 outside the tables.
int32_t GetSpeedCardValue(int32_t kind, int32_t row, int32_t value);

}  // namespace halcyon
