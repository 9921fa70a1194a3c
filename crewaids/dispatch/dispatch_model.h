// The load the crew plans on the dispatch page: 136 passenger seats, three
// cargo holds and three fuel tanks, all in whole pounds, with the weight sums
// and the take-off centre of gravity. Reads the payload stations of
// Aircraft.cfg and [FUEL] of the aircraft INI file at start-up, the tank
// tokens 303-306 on request; writes [FUEL] at shut-down.
#pragma once

#include <cstdint>

namespace halcyon {

// Seat contents.
inline constexpr uint32_t kSeatEmpty = 0;
inline constexpr uint32_t kSeatMale = 1;
inline constexpr uint32_t kSeatFemale = 2;
inline constexpr uint32_t kSeatChild = 3;

inline constexpr int32_t kSeatCount = 136;
inline constexpr int32_t kHoldCount = 3;  // 0 F1, 1 F2, 2 A1
inline constexpr int32_t kTankCount = 3;  // 0 left, 1 center, 2 right
inline constexpr int32_t kHoldLimitLb[kHoldCount] = {3037, 3037, 3322};
inline constexpr int32_t kTankCapacityLb[kTankCount] = {9266, 20596, 9266};

inline constexpr int32_t kEmptyOperatingWeightLb = 79686;
inline constexpr int32_t kTaxiFuelLb = 920;
inline constexpr int32_t kMaxZeroFuelWeightLb = 117000;
inline constexpr int32_t kMaxRampWeightLb = 150500;
inline constexpr int32_t kMaxTakeoffWeightLb = 149500;
inline constexpr int32_t kCompartmentMbLimitLb = 6078;

// ---- Passengers and cargo ----
uint32_t GetSeat(int32_t seat);                // the kind in a seat; kSeatEmpty outside 0..135
double GetDispatchValue(int32_t seat);         // 1.0 occupied (0.0 in the figures view)
int32_t GetPassengerCount();
int32_t CountDispatchItems(uint32_t kind);
int32_t GetPassengerWeight();
int32_t GetDispatchWeight(int32_t hold);       // 0..2 a hold, 3 all three
double GetZoneWeight(int32_t zone);            // cabin zone 1..4
void AddDispatchItem(uint32_t kind);
void RemoveDispatchItem(uint32_t kind);
void AddRandomPassenger();
void RemoveRandomPassenger();
void ClearPayload();
void FillPayload();
void RandomPayload();
void SetDispatchFieldA(int32_t hold);          // one cargo step more
void SetDispatchFieldB(int32_t hold);          // one cargo step less

// ---- Fuel ----
int32_t GetFuelQuantity(int32_t tank);         // 0 left, 1 center, 2 right, 3 all three
void ClearFuel();
void FillFuel();
void RandomFuel();
void AddFuelBalanced();
void RemoveFuelBalanced();
void IncreaseDispatchValue(int32_t tank);
void DecreaseDispatchValue(int32_t tank);
void ReadFuelFromSimulator();

// ---- Weights, balance, views ----
int32_t GetZeroFuelWeight();
int32_t GetTakeoffWeight();                    // the ramp weight: zero-fuel weight and all fuel
double ComputeTakeoffData();                   // take-off CG, % MAC, 0..35
void SetPayloadView(uint32_t view);
void SetFuelView(uint32_t view);
uint32_t GetPayloadView();
uint32_t GetFuelView();

// ---- Lifecycle ----
void LoadFuel();
void SaveFuel();

}  // namespace halcyon
