// The dispatch load plan: passengers seated at start-up up to the configured
// payload, the saved fuel, the editing operations at their limits, random
// loads that never leave them, and the weight and balance figures.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>

#include "core/panel_services.h"
#include "crewaids/dispatch/dispatch_model.h"
#include "platform/ini.h"
#include "platform/system.h"
#include "tests/cockpit.h"

namespace halcyon::test {
namespace {

constexpr const char* kIni = Cockpit::kAircraftIniFile;
constexpr const char* kCfg = Cockpit::kAircraftCfgFile;

// The planned fuel taken from the simulator at one pound a gallon.
void SetTanks(Cockpit& cockpit, double leftLb, double centerLb, double rightLb) {
  cockpit.set(Token::FuelLeftGal, leftLb).set(Token::FuelCenterGal, centerLb).set(Token::FuelRightGal, rightLb);
  cockpit.set(Token::FuelWeightLbPerGallon, 1.0);
  ReadFuelFromSimulator();
}

int32_t OccupiedSeats() {
  int32_t occupied = 0;
  for (int32_t seat = 0; seat < kSeatCount; ++seat) occupied += GetSeat(seat) != kSeatEmpty ? 1 : 0;
  return occupied;
}

bool Traced(const Cockpit& cockpit, const std::string& text) {
  for (const std::string& line : cockpit.trace(simhost::Phase::Startup)) {
    if (line.find(text) != std::string::npos) return true;
  }
  return false;
}

TEST(Dispatch, StartUpSeatsTheConfiguredPayloadAndTheFuelRoundTrips) {
  Cockpit cockpit({.start = false});
  cockpit.writeFile(kCfg,
                    "[WEIGHT_AND_BALANCE]\r\n"
                    "station_load.0 = 4000.9, 20.0, 0.0, 0.0\r\n"
                    "station_load.1 = 3500.0, 5.0, 0.0, 0.0\r\n"
                    "station_load.2 = abc, -10.0, 0.0, 0.0\r\n"
                    "station_load.3 = 2000, -25.0, 0.0, 0.0\r\n");
  cockpit.writeFile(kIni, "[FUEL]\r\nfuel_right=5000\r\nfuel_left=4990\r\nfuel_center=12.7\r\n");
  cockpit.start();
  // 4000 + 3500 + 0 + 2000 lb: seated until reached, so the last passenger
  // (80 to 175 lb) took the cabin over it.
  EXPECT_GE(GetPassengerWeight(), 9500);
  EXPECT_LT(GetPassengerWeight(), 9500 + 175);
  EXPECT_EQ(GetPassengerCount(), OccupiedSeats());
  EXPECT_GT(GetDispatchWeight(3), 0) << "each passenger's baggage";
  EXPECT_EQ(GetFuelQuantity(2), 5000);
  EXPECT_EQ(GetFuelQuantity(0), 4990);
  EXPECT_EQ(GetFuelQuantity(1), 12);
  IncreaseDispatchValue(1);
  DecreaseDispatchValue(0);
  cockpit.shutdown();
  EXPECT_EQ(cockpit.ini("FUEL", "fuel_right"), "5000");
  EXPECT_EQ(cockpit.ini("FUEL", "fuel_left"), "4890");
  EXPECT_EQ(cockpit.ini("FUEL", "fuel_center"), "112");
  EXPECT_EQ(cockpit.iniKeys("FUEL"), (std::vector<std::string>{"fuel_right", "fuel_left", "fuel_center"}));
}

TEST(Dispatch, WithoutFilesOnePassengerAndFullTanks) {
  Cockpit cockpit({.start = false});
  std::filesystem::remove(cockpit.path(kCfg));
  cockpit.start();
  EXPECT_EQ(GetPassengerCount(), 1) << "the cabin is seated at least once";
  EXPECT_EQ(OccupiedSeats(), 1);
  EXPECT_EQ(GetFuelQuantity(0), 9266);
  EXPECT_EQ(GetFuelQuantity(1), 20596);
  EXPECT_EQ(GetFuelQuantity(2), 9266);
  EXPECT_EQ(GetFuelQuantity(3), 39128);
  EXPECT_EQ(GetFuelQuantity(4), 0);
  EXPECT_EQ(GetFuelQuantity(-1), 0);
}

TEST(Dispatch, BadFilesGiveTheDefaultsWithALineEach) {
  Cockpit cockpit({.start = false});
  cockpit.writeFile(kCfg,
                    "[WEIGHT_AND_BALANCE]\r\nstation_load.0 = 2147483647\r\nstation_load.1 = 2147483647\r\n"
                    "station_load.2 = 99999999999999\r\nstation_load.3 = 2147483647\r\n");
  cockpit.writeFile(kIni, "[FUEL]\r\nfuel_right=-500\r\nfuel_left=99999999999\r\nfuel_center=abc\r\n");
  cockpit.start();
  EXPECT_EQ(GetPassengerCount(), kSeatCount) << "a payload beyond the cabin fills it and stops";
  EXPECT_EQ(GetFuelQuantity(2), 9266);
  EXPECT_EQ(GetFuelQuantity(0), 9266);
  EXPECT_EQ(GetFuelQuantity(1), 20596);
  EXPECT_TRUE(Traced(cockpit, "[FUEL] fuel_right = \"-500\""));
  EXPECT_TRUE(Traced(cockpit, "[FUEL] fuel_left = \"99999999999\""));
  EXPECT_TRUE(Traced(cockpit, "[FUEL] fuel_center = \"abc\""));
}

TEST(Dispatch, FuelAtTheCapacitiesIsTakenAndOnePoundMoreIsNot) {
  Cockpit cockpit({.start = false});
  cockpit.writeFile(kIni, "[FUEL]\r\nfuel_right=9267\r\nfuel_left=0\r\nfuel_center=20596\r\n");
  cockpit.start();
  EXPECT_EQ(GetFuelQuantity(2), 9266) << "9267 is no quantity of the tank: full";
  EXPECT_EQ(GetFuelQuantity(0), 0);
  EXPECT_EQ(GetFuelQuantity(1), 20596);
}

TEST(Dispatch, SeatsFillAndEmptyOnlyWithinTheCabin) {
  Cockpit cockpit;
  ClearPayload();
  EXPECT_EQ(GetPassengerCount(), 0);
  EXPECT_EQ(GetDispatchWeight(3), 0);
  RemoveDispatchItem(kSeatMale);
  RemoveRandomPassenger();
  EXPECT_EQ(GetPassengerCount(), 0) << "nothing to remove";
  AddDispatchItem(kSeatChild);
  AddDispatchItem(kSeatFemale);
  AddDispatchItem(4);
  AddDispatchItem(kSeatEmpty);
  EXPECT_EQ(GetPassengerCount(), 2);
  EXPECT_EQ(CountDispatchItems(kSeatChild), 1);
  EXPECT_EQ(GetPassengerWeight(), 80 + 135);
  RemoveDispatchItem(kSeatMale);
  EXPECT_EQ(GetPassengerCount(), 2) << "no male aboard";
  RemoveDispatchItem(kSeatChild);
  EXPECT_EQ(GetPassengerCount(), 1);
  EXPECT_EQ(CountDispatchItems(kSeatChild), 0);
  EXPECT_EQ(CountDispatchItems(kSeatFemale), 1);

  for (int32_t n = 0; n < 200; ++n) AddDispatchItem(kSeatMale);
  EXPECT_EQ(GetPassengerCount(), kSeatCount);
  EXPECT_EQ(CountDispatchItems(kSeatMale), kSeatCount - 1);
  const int32_t cargoLb = GetDispatchWeight(3);
  AddRandomPassenger();
  AddDispatchItem(kSeatChild);
  EXPECT_EQ(GetPassengerCount(), kSeatCount);
  EXPECT_EQ(GetDispatchWeight(3), cargoLb) << "no seat, no baggage";

  EXPECT_EQ(GetDispatchValue(0), 1.0);
  SetPayloadView(1);
  EXPECT_EQ(GetDispatchValue(0), 0.0) << "the figures view";
  SetPayloadView(2);
  EXPECT_EQ(GetPayloadView(), 0u);
  SetFuelView(1);
  EXPECT_EQ(GetFuelView(), 1u);
  SetFuelView(7);
  EXPECT_EQ(GetFuelView(), 0u);
  EXPECT_EQ(GetDispatchValue(136), 0.0);
  EXPECT_EQ(GetDispatchValue(-1), 0.0);
}

TEST(Dispatch, ZonesSplitTheCabinAndTheFullAircraftWeighsItsSum) {
  Cockpit cockpit;
  ClearPayload();
  EXPECT_EQ(GetZeroFuelWeight(), 79686);
  for (int32_t n = 0; n < kSeatCount; ++n) AddDispatchItem(kSeatMale);
  EXPECT_EQ(GetZoneWeight(1), 35 * 175.0);
  EXPECT_EQ(GetZoneWeight(2), 40 * 175.0);
  EXPECT_EQ(GetZoneWeight(3), 35 * 175.0);
  EXPECT_EQ(GetZoneWeight(4), 26 * 175.0);
  EXPECT_EQ(GetZoneWeight(0), 0.0);
  EXPECT_EQ(GetZoneWeight(5), 0.0);
  for (int32_t hold = 0; hold < 3; ++hold) {
    for (int32_t n = 0; n < 400; ++n) SetDispatchFieldA(hold);
  }
  EXPECT_EQ(GetDispatchWeight(0), 3037);
  EXPECT_EQ(GetDispatchWeight(1), 3037);
  EXPECT_EQ(GetDispatchWeight(2), 3322);
  EXPECT_EQ(GetDispatchWeight(3), 9396);
  EXPECT_EQ(GetDispatchWeight(4), 0);
  EXPECT_EQ(GetZeroFuelWeight(), 79686 + 23800 + 9396);
  SetTanks(cockpit, 1000, 2000, 3000);
  EXPECT_EQ(GetTakeoffWeight(), 112882 + 6000);
  // 25 - 0.004329004 x 6125 - 0.002424242 x 7000 + 0.002797292 x 4550
  //    - 0.002807862 x 3037 + 0.001604492 x 3037 + 0.003208985 x 3322
  EXPECT_NEAR(ComputeTakeoffData(), 1.2484486, 1e-6);
}

TEST(Dispatch, TheCentreOfGravityIsHeldWithin0And35) {
  Cockpit cockpit;
  ClearPayload();
  for (int32_t n = 0; n < 400; ++n) SetDispatchFieldA(2);
  EXPECT_EQ(ComputeTakeoffData(), 35.0) << "25 + 0.003208985 x 3322 = 35.66";
  for (int32_t n = 0; n < 400; ++n) SetDispatchFieldB(2);
  EXPECT_EQ(GetDispatchWeight(2), 0);
  EXPECT_EQ(ComputeTakeoffData(), 25.0);
  for (int32_t n = 0; n < 300; ++n) SetDispatchFieldA(1);
  EXPECT_NEAR(ComputeTakeoffData(), 25.0 + 0.001604492 * 3037, 1e-9) << "hold F2 moves it aft";
  for (int32_t n = 0; n < 300; ++n) SetDispatchFieldB(1);
  for (int32_t n = 0; n < 300; ++n) SetDispatchFieldA(0);
  EXPECT_NEAR(ComputeTakeoffData(), 25.0 - 0.002807862 * 3037, 1e-9) << "hold F1 moves it forward";
  for (int32_t n = 0; n < 30; ++n) AddDispatchItem(kSeatMale);
  EXPECT_GT(ComputeTakeoffData(), 0.0);
  for (int32_t n = 0; n < kSeatCount; ++n) AddDispatchItem(kSeatMale);
  EXPECT_EQ(ComputeTakeoffData(), 0.0) << "-14.3 held at 0";
}

TEST(Dispatch, CargoStepsTenPoundsOrTheFastClickMultiple) {
  Cockpit cockpit;
  ClearPayload();
  cockpit.runTicks(4);
  SetDispatchFieldA(0);
  EXPECT_EQ(GetDispatchWeight(0), 10);
  SetDispatchFieldA(0);
  EXPECT_EQ(GetDispatchWeight(0), 60) << "a fast click: 10 x 5";
  cockpit.runTicks(4);
  SetDispatchFieldB(0);
  EXPECT_EQ(GetDispatchWeight(0), 50);
  SetDispatchFieldA(3);
  SetDispatchFieldB(-1);
  EXPECT_EQ(GetDispatchWeight(3), 50);
}

TEST(Dispatch, BalancedFuelStepsKeepTheWingsLevel) {
  Cockpit cockpit;
  cockpit.runTicks(4);
  SetTanks(cockpit, 9266, 20400, 9266);
  AddFuelBalanced();
  EXPECT_EQ(GetFuelQuantity(1), 20596) << "wings full: 250 lb into the center, held at its capacity";
  cockpit.runTicks(4);
  SetTanks(cockpit, 9266, 1000, 9265);
  AddFuelBalanced();
  EXPECT_EQ(GetFuelQuantity(1), 1000) << "one wing not full";
  EXPECT_EQ(GetFuelQuantity(2), 9266);
  cockpit.runTicks(4);
  SetTanks(cockpit, 5000, 0, 5010);
  AddFuelBalanced();
  EXPECT_EQ(GetFuelQuantity(0), 5010) << "the lower wing catches up, no further";
  EXPECT_EQ(GetFuelQuantity(2), 5010);
  cockpit.runTicks(4);
  AddFuelBalanced();
  EXPECT_EQ(GetFuelQuantity(0), 5035);
  EXPECT_EQ(GetFuelQuantity(2), 5035);
  cockpit.runTicks(4);
  SetTanks(cockpit, 5010, 0, 5000);
  AddFuelBalanced();
  EXPECT_EQ(GetFuelQuantity(0), 5010);
  EXPECT_EQ(GetFuelQuantity(2), 5010);
  AddFuelBalanced();
  EXPECT_EQ(GetFuelQuantity(0), 5135) << "a fast click: 25 x 5";
  EXPECT_EQ(GetFuelQuantity(2), 5135);
  cockpit.runTicks(4);
  SetTanks(cockpit, 9250, 0, 9250);
  AddFuelBalanced();
  EXPECT_EQ(GetFuelQuantity(0), 9266);
  EXPECT_EQ(GetFuelQuantity(2), 9266);

  cockpit.runTicks(4);
  SetTanks(cockpit, 5000, 10, 5050);
  RemoveFuelBalanced();
  EXPECT_EQ(GetFuelQuantity(1), 0) << "the center first, 10 lb to 0 in one step";
  EXPECT_EQ(GetFuelQuantity(2), 5050);
  cockpit.runTicks(4);
  RemoveFuelBalanced();
  EXPECT_EQ(GetFuelQuantity(2), 5025);
  EXPECT_EQ(GetFuelQuantity(0), 5000);
  SetTanks(cockpit, 5000, 0, 5010);
  cockpit.runTicks(4);
  RemoveFuelBalanced();
  EXPECT_EQ(GetFuelQuantity(2), 5000) << "the higher wing stops at the lower";
  EXPECT_EQ(GetFuelQuantity(0), 5000);
  cockpit.runTicks(4);
  RemoveFuelBalanced();
  EXPECT_EQ(GetFuelQuantity(0), 4975);
  EXPECT_EQ(GetFuelQuantity(2), 4975);
  cockpit.runTicks(4);
  SetTanks(cockpit, 4030, 0, 4000);
  RemoveFuelBalanced();
  EXPECT_EQ(GetFuelQuantity(0), 4005);
  EXPECT_EQ(GetFuelQuantity(2), 4000);
  cockpit.runTicks(4);
  SetTanks(cockpit, 5000, 1, 5000);
  RemoveFuelBalanced();
  EXPECT_EQ(GetFuelQuantity(1), 0) << "one pound in the center is taken first";
  EXPECT_EQ(GetFuelQuantity(0), 5000);
  cockpit.runTicks(4);
  SetTanks(cockpit, 10, 0, 10);
  RemoveFuelBalanced();
  EXPECT_EQ(GetFuelQuantity(3), 0);

  SetTanks(cockpit, 9200, 20550, 9266);
  IncreaseDispatchValue(0);
  IncreaseDispatchValue(1);
  IncreaseDispatchValue(2);
  IncreaseDispatchValue(3);
  EXPECT_EQ(GetFuelQuantity(0), 9266);
  EXPECT_EQ(GetFuelQuantity(1), 20596);
  EXPECT_EQ(GetFuelQuantity(2), 9266);
  SetTanks(cockpit, 150, 50, 0);
  DecreaseDispatchValue(0);
  DecreaseDispatchValue(1);
  DecreaseDispatchValue(2);
  EXPECT_EQ(GetFuelQuantity(0), 50);
  EXPECT_EQ(GetFuelQuantity(1), 0);
  EXPECT_EQ(GetFuelQuantity(2), 0);
  ClearFuel();
  EXPECT_EQ(GetFuelQuantity(3), 0);
  FillFuel();
  EXPECT_EQ(GetFuelQuantity(3), 39128);
}

TEST(Dispatch, FuelFromTheSimulatorIsWeighedAndNeverOverflows) {
  Cockpit cockpit;
  cockpit.set(Token::FuelRightGal, 1000.5).set(Token::FuelLeftGal, 900.0).set(Token::FuelCenterGal, 10.0);
  cockpit.set(Token::FuelWeightLbPerGallon, 6.7);
  ReadFuelFromSimulator();
  EXPECT_EQ(GetFuelQuantity(2), 6703) << "6703.35 truncated";
  EXPECT_EQ(GetFuelQuantity(0), 6030);
  EXPECT_EQ(GetFuelQuantity(1), 67);
  cockpit.set(Token::FuelRightGal, NAN).set(Token::FuelLeftGal, 1e12).set(Token::FuelCenterGal, 1e12);
  ReadFuelFromSimulator();
  EXPECT_EQ(GetFuelQuantity(2), 0);
  EXPECT_EQ(GetFuelQuantity(0), INT32_MAX);
  EXPECT_EQ(GetFuelQuantity(3), INT32_MAX) << "held, not wrapped";
  EXPECT_EQ(GetTakeoffWeight(), INT32_MAX);
  AddFuelBalanced();
  IncreaseDispatchValue(1);
  EXPECT_EQ(GetFuelQuantity(1), 20596);
}

TEST(Dispatch, RandomLoadsFollowTheirDraws) {
  Cockpit cockpit;
  int high = 0;
  // Seeds far apart: the first draws of neighbouring small seeds lie close together.
  for (uint32_t seed = 1; seed <= 40 * 104729; seed += 104729) {
    platform::SeedRandom(seed);
    RandomFuel();
    const int32_t wing = GetFuelQuantity(0);
    EXPECT_EQ(wing, GetFuelQuantity(2));
    if (GetFuelQuantity(1) == 0) {
      EXPECT_LE(wing, 18532 / 2);
    } else {
      EXPECT_EQ(wing, 9266);
    }
    platform::SeedRandom(seed);
    const int32_t draw = platform::Random() % 39128;
    EXPECT_EQ(GetFuelQuantity(3), draw < 18533 ? draw / 2 * 2 : draw) << "seed " << seed;
    EXPECT_EQ(GetFuelQuantity(1), draw < 18533 ? 0 : draw - 18532);
    high += draw >= 18533 ? 1 : 0;
  }
  EXPECT_GT(high, 5) << "both branches drawn";
  platform::SeedRandom(3);
  FillPayload();
  EXPECT_EQ(GetPassengerCount(), kSeatCount);
  EXPECT_EQ(OccupiedSeats(), kSeatCount);
  EXPECT_EQ(GetDispatchWeight(3), 9396);
  EXPECT_GT(CountDispatchItems(kSeatMale), CountDispatchItems(kSeatChild)) << "half male, a tenth children";
}

// The draws of the random source from a seed, as the model takes them.
std::vector<int> Draws(uint32_t seed, int count) {
  platform::SeedRandom(seed);
  std::vector<int> draws;
  for (int n = 0; n < count; ++n) draws.push_back(platform::Random());
  return draws;
}

// A seed whose baggage draws (after `before` other draws) give that hold
// order and 10, 20 or 30 lb, so the holds can be stepped to meet it.
uint32_t BaggageSeed(int before, int order, int* baggageLb) {
  for (uint32_t seed = 1;; ++seed) {
    const std::vector<int> d = Draws(seed, before + 2);
    *baggageLb = d[before + 1] % 40;
    if (d[before] % 3 == order && *baggageLb % 10 == 0 && *baggageLb > 0) return seed;
  }
}

// Steps a hold by whole cargo steps of 10 lb (slow clicks).
void StepHold(Cockpit& cockpit, int32_t hold, int32_t lb) {
  for (int32_t n = 0; n < std::abs(lb) / 10; ++n) {
    cockpit.runTicks(4);
    if (lb > 0) SetDispatchFieldA(hold); else SetDispatchFieldB(hold);
  }
}

TEST(Dispatch, BaggageGoesToTheFirstHoldOfItsOrderThatHoldsIt) {
  Cockpit cockpit;
  constexpr int32_t kOrders[3][3] = {{0, 1, 2}, {1, 0, 2}, {2, 1, 0}};
  for (int order = 0; order < 3; ++order) {
    int baggageLb = 0;
    // A random passenger draws the seat, the kind, then the order and the weight.
    const uint32_t seed = BaggageSeed(2, order, &baggageLb);
    for (int position = 0; position < 3; ++position) {
      FillPayload();
      for (uint32_t kind = 1; kind <= 3; ++kind) {
        for (int n = 0; n < kSeatCount; ++n) RemoveDispatchItem(kind);
      }
      ASSERT_EQ(GetPassengerCount(), 0);
      // The holds before `position` full, the one at it and those after it
      // just room for the bag: the first of these takes it.
      for (int later = position; later < 3; ++later) StepHold(cockpit, kOrders[order][later], -baggageLb);
      const int32_t hold = kOrders[order][position];
      platform::SeedRandom(seed);
      AddRandomPassenger();
      EXPECT_EQ(GetDispatchWeight(hold), kHoldLimitLb[hold]) << "order " << order << " position " << position;
      EXPECT_EQ(GetDispatchWeight(3), 9396 - (2 - position) * baggageLb);
    }
    // No room anywhere: the bag stays behind.
    platform::SeedRandom(seed);
    const int32_t before = GetPassengerCount();
    AddRandomPassenger();
    EXPECT_EQ(GetPassengerCount(), before + 1);
    EXPECT_EQ(GetDispatchWeight(3), 9396);

    // A passenger leaving (seat draw, then order and weight) takes the bag
    // from the first hold of the order that has it.
    const uint32_t leaveSeed = BaggageSeed(1, order, &baggageLb);
    for (int position = 0; position < 3; ++position) {
      ClearPayload();
      AddDispatchItem(kSeatMale);
      for (int later = position; later < 3; ++later) StepHold(cockpit, kOrders[order][later], baggageLb);
      const int32_t hold = kOrders[order][position];
      platform::SeedRandom(leaveSeed);
      RemoveRandomPassenger();
      EXPECT_EQ(GetPassengerCount(), 0);
      EXPECT_EQ(GetDispatchWeight(hold), 0) << "order " << order << " position " << position;
      EXPECT_EQ(GetDispatchWeight(3), (2 - position) * baggageLb);
    }
  }
}

TEST(Dispatch, RandomPayloadSeatsItsDrawAndThenSetsTheHolds) {
  Cockpit cockpit;
  for (uint32_t seed : {1u, 2u, 3u, 5u, 8u}) {
    const std::vector<int> d = Draws(seed, 1 + 4 * kSeatCount + 3);
    const int32_t seated = std::max(d[0] % kSeatCount, 1);
    platform::SeedRandom(seed);
    RandomPayload();
    EXPECT_EQ(GetPassengerCount(), seated) << "seed " << seed;
    // Each passenger took four draws: seat, kind, hold order, baggage.
    EXPECT_EQ(GetDispatchWeight(0), d[1 + 4 * seated] % 3037);
    EXPECT_EQ(GetDispatchWeight(1), d[2 + 4 * seated] % 3037);
    EXPECT_EQ(GetDispatchWeight(2), d[3 + 4 * seated] % 3322);
  }
}

// A seed whose draw number `index` (from 0) gives `remainder` modulo `n`.
uint32_t SeedWithDraw(int index, int n, int remainder) {
  for (uint32_t seed = 1;; ++seed) {
    if (Draws(seed, index + 1)[index] % n == remainder) return seed;
  }
}

// Seating at start-up stops once the cabin weighs the configured payload:
// exactly that much is enough, a pound more takes one passenger more. Each
// random passenger takes four draws: seat, kind, hold order and baggage.
TEST(Dispatch, StartUpSeatingStopsOnTheExactPayload) {
  Cockpit cockpit;
  constexpr uint32_t kSeed = 54;
  const std::vector<int> d = Draws(kSeed, 16);
  auto weightOf = [&d](int passenger) {
    const int r = d[4 * passenger + 1] % 100;
    return r < 50 ? 175 : r < 90 ? 135 : 80;
  };
  const int twoLb = weightOf(0) + weightOf(1);
  struct Sample {
    int payloadLb;
    int32_t seated;
  };
  for (const Sample& sample : {Sample{twoLb - 1, 2}, Sample{twoLb, 2}, Sample{twoLb + 1, 3}}) {
    cockpit.writeFile(kCfg, "[WEIGHT_AND_BALANCE]\r\nstation_load.0 = " + std::to_string(sample.payloadLb - 10) +
                                ", 20.0, 0.0, 0.0\r\nstation_load.3 = 10\r\n");
    platform::ClearIniCache();
    ClearPayload();
    platform::SeedRandom(kSeed);
    LoadFuel();
    EXPECT_EQ(GetPassengerCount(), sample.seated) << sample.payloadLb << " lb of " << twoLb;
  }
}

// The draws next to each limit of the random rules: a random passenger's
// kind (a seat draw, then the kind: below 50 male, below 90 female, else a
// child) and the random fuel (below 18533 lb the wings alone).
TEST(Dispatch, RandomKindAndFuelOnBothSidesOfTheirDrawLimits) {
  Cockpit cockpit;
  struct KindSample {
    int draw;
    uint32_t kind;
  };
  for (const KindSample& sample : {KindSample{0, kSeatMale}, KindSample{49, kSeatMale}, KindSample{50, kSeatFemale},
                                   KindSample{89, kSeatFemale}, KindSample{90, kSeatChild},
                                   KindSample{99, kSeatChild}}) {
    ClearPayload();
    platform::SeedRandom(SeedWithDraw(1, 100, sample.draw));
    AddRandomPassenger();
    EXPECT_EQ(CountDispatchItems(sample.kind), 1) << "draw " << sample.draw;
    EXPECT_EQ(GetPassengerCount(), 1);
  }
  struct FuelSample {
    int draw;
    int32_t wingLb;
    int32_t centerLb;
  };
  for (const FuelSample& sample : {FuelSample{0, 0, 0}, FuelSample{1, 0, 0}, FuelSample{18531, 9265, 0},
                                   FuelSample{18532, 9266, 0}, FuelSample{18533, 9266, 1},
                                   FuelSample{32767, 9266, 14235}}) {
    platform::SeedRandom(SeedWithDraw(0, 32768, sample.draw));
    RandomFuel();
    EXPECT_EQ(GetFuelQuantity(0), sample.wingLb) << "draw " << sample.draw;
    EXPECT_EQ(GetFuelQuantity(2), sample.wingLb) << "draw " << sample.draw;
    EXPECT_EQ(GetFuelQuantity(1), sample.centerLb) << "draw " << sample.draw;
  }
}

// A seeded run of 136000 random passengers (a thousand cabins filled from
// empty): half are men, two in five women, one in ten children; each bag
// (0 to 39 lb, 19.5 on average) goes to F1, F2 or A1 first, a third each, and
// as no hold fills up on the way it stays there. Each count lies within four
// standard deviations of its expectation (binomial for the kinds, sqrt(N p
// (1 - p)); for the sums the variance of one bag): a fair source passes that
// 99.99 % of the time, while one step off a limit of the kind draw (1 % of
// the passengers, 1360) is 7 deviations away. The source's 15 bits favour
// the low remainders of 100 by 1 in 328, far inside the tolerance.
TEST(Dispatch, RandomPassengersComeInTheirProportions) {
  Cockpit cockpit;
  platform::SeedRandom(54);
  constexpr int kCabins = 1000;
  constexpr double kN = kCabins * kSeatCount;
  double kinds[4] = {};
  double holdLb[3] = {};
  double firstSeatFront = 0.0;
  for (int cabin = 0; cabin < kCabins; ++cabin) {
    ClearPayload();
    for (int n = 0; n < kSeatCount; ++n) {
      AddRandomPassenger();
      if (n == 0) firstSeatFront += GetZoneWeight(1) + GetZoneWeight(2) > 0.0 ? 1.0 : 0.0;
    }
    ASSERT_EQ(GetPassengerCount(), kSeatCount);
    for (uint32_t kind = 1; kind <= 3; ++kind) kinds[kind] += CountDispatchItems(kind);
    for (int32_t hold = 0; hold < 3; ++hold) holdLb[hold] += GetDispatchWeight(hold);
  }
  auto binomial = [](double n, double p, double count, const char* what) {
    EXPECT_NEAR(count, n * p, 4.0 * std::sqrt(n * p * (1.0 - p))) << what;
  };
  binomial(kN, 0.5, kinds[kSeatMale], "men");
  binomial(kN, 0.4, kinds[kSeatFemale], "women");
  binomial(kN, 0.1, kinds[kSeatChild], "children");
  // The first passenger of a cabin sits on the drawn seat: seats 0 to 74 of 136.
  binomial(kCabins, 75.0 / 136.0, firstSeatFront, "first passenger in zones 1 and 2");
  // A bag: uniform on 0..39 lb, mean 19.5, variance (40^2 - 1) / 12.
  constexpr double kMeanLb = 19.5;
  constexpr double kVarianceLb2 = (40.0 * 40.0 - 1.0) / 12.0;
  const double totalLb = holdLb[0] + holdLb[1] + holdLb[2];
  EXPECT_NEAR(totalLb, kN * kMeanLb, 4.0 * std::sqrt(kN * kVarianceLb2)) << "all bags";
  // One hold's share: each passenger gives X with probability 1/3.
  const double second = (kVarianceLb2 + kMeanLb * kMeanLb) / 3.0;
  const double holdSigma = std::sqrt(kN * (second - kMeanLb * kMeanLb / 9.0));
  for (int32_t hold = 0; hold < 3; ++hold) {
    EXPECT_NEAR(holdLb[hold], kN * kMeanLb / 3.0, 4.0 * holdSigma) << "hold " << hold;
  }
}

TEST(Dispatch, HundredsOfRandomEditsNeverLeaveTheLimits) {
  Cockpit cockpit;
  platform::SeedRandom(20261207);
  void (*const edits[])() = {
      [] { AddDispatchItem(1 + platform::Random() % 3); }, [] { RemoveDispatchItem(platform::Random() % 5); },
      AddRandomPassenger, RemoveRandomPassenger, ClearPayload, FillPayload, RandomPayload,
      [] { SetDispatchFieldA(platform::Random() % 4); }, [] { SetDispatchFieldB(platform::Random() % 4); },
      ClearFuel, FillFuel, RandomFuel, AddFuelBalanced, RemoveFuelBalanced,
      [] { IncreaseDispatchValue(platform::Random() % 4); }, [] { DecreaseDispatchValue(platform::Random() % 4); },
  };
  constexpr int kEdits = sizeof edits / sizeof edits[0];
  int emptyAfterRandomPayload = 0;
  for (int n = 0; n < 3000; ++n) {
    const int edit = platform::Random() % kEdits;
    edits[edit]();
    if (edit == 6 && GetPassengerCount() == 0) ++emptyAfterRandomPayload;
    if (n % 7 == 0) cockpit.runTicks(1);
    ASSERT_EQ(GetPassengerCount(), OccupiedSeats()) << "edit " << n;
    ASSERT_EQ(GetPassengerCount(), CountDispatchItems(1) + CountDispatchItems(2) + CountDispatchItems(3));
    ASSERT_EQ(GetPassengerWeight(), GetZoneWeight(1) + GetZoneWeight(2) + GetZoneWeight(3) + GetZoneWeight(4));
    for (int32_t hold = 0; hold < kHoldCount; ++hold) {
      ASSERT_GE(GetDispatchWeight(hold), 0);
      ASSERT_LE(GetDispatchWeight(hold), kHoldLimitLb[hold]) << "hold " << hold << " edit " << n;
    }
    for (int32_t tank = 0; tank < kTankCount; ++tank) {
      ASSERT_GE(GetFuelQuantity(tank), 0);
      ASSERT_LE(GetFuelQuantity(tank), kTankCapacityLb[tank]) << "tank " << tank << " edit " << n;
    }
    const double cg = ComputeTakeoffData();
    ASSERT_TRUE(cg >= 0.0 && cg <= 35.0);
  }
  EXPECT_EQ(emptyAfterRandomPayload, 0) << "a random cabin is never empty";
}

}  // namespace
}  // namespace halcyon::test
