// The thrust rating panel sets the thrust rating system's mode, assumed
// temperature and test flag; its lamps show the mode with panel power. The
// ball of "Slip" rides the simulator's slip variable. Reads the rating
// system, panel power, the lamp test and the CPL and side panel lights.
#include "gauges/thrust_rating_panel.h"

#include "gauges/gauge_kit.h"
#include "gauges/switch_moves.h"
#include "systems/annunciator_lamps.h"
#include "systems/electric.h"
#include "systems/lights.h"
#include "systems/thrust_rating.h"

namespace halcyon {
namespace {

using platform::ELEMENT_HEADER;
using platform::PixelPoint;

template <int32_t kMode>
double RatingLamp(ELEMENT_HEADER*) {
  return Lamp(IsPanelPowered() != 0, GetTrpMode() == kMode);
}

// Dark while the test button is held, lamp test or not.
double NoRatingLamp(ELEMENT_HEADER*) {
  if (GetTrpFlag() != 0) return 0.0;
  return Lamp(IsPanelPowered() != 0, GetTrpMode() == kTrpNone);
}

constinit ElementChain g_trpElements({
    StaticImage("panel"),
    StaticImage("panel light", 47, 17),
    Icon("NO RATING", 0, 0, 2, NoRatingLamp),
    Icon("T/O", 20, 60, 2, RatingLamp<kTrpTakeoff>),
    Icon("T/O FLX", 40, 60, 2, RatingLamp<kTrpFlexTakeoff>),
    Icon("GA", 60, 60, 2, RatingLamp<kTrpGoAround>),
    Icon("MCT", 20, 80, 2, RatingLamp<kTrpMaxContinuous>),
    Icon("CL", 40, 80, 2, RatingLamp<kTrpClimb>),
    Icon("CR", 60, 80, 2, RatingLamp<kTrpCruise>),
    StaticImage("click areas"),
});
constexpr uint32_t kTrpClickAreas = 9;

int32_t RatingButton(int32_t mode, SoundId sound) {
  PressTrpModeButton(mode);
  PlayClick(sound);
  return 1;
}

// The ball: the simulator's slip variable as it comes, scaled to
// the slider's pixels.
constexpr double kSlipPixelsPerUnit = 0.11;
constexpr uint32_t kSlipRelitEnd = 3;

constinit ElementChain g_slipElements({
    StaticImage("tube", 0, 0, kLit),
    ELEMENT_HEADER{.kind = platform::ElementKind::Slider, .x = 14, .y = 0, .imageFlags = kLit,
                   .callback = [](ELEMENT_HEADER* ball) { return ball->tokenValue * kSlipPixelsPerUnit; },
                   .name = "ball", .token = TokenNumber(Token::Slip)},
    StaticImage("cover", 11, 0, kLit),
});

}  // namespace

platform::ELEMENT_HEADER* TrpElements() { return g_trpElements.Head(); }
platform::ELEMENT_HEADER* SlipElements() { return g_slipElements.Head(); }

void TrpGaugeCallback(platform::GAUGEHDR* gauge, uint32_t serviceId, uintptr_t) {
  if (serviceId != platform::kServicePreDraw) return;
  ShowElement(gauge, 1, IsCplPanelLightOn() != 0);
  ShowClickAreas(gauge, kTrpClickAreas);
}

void SlipGaugeCallback(platform::GAUGEHDR* gauge, uint32_t serviceId, uintptr_t) {
  if (serviceId == platform::kServicePreInitialize) ArmRelight(gauge);
  if (serviceId == platform::kServicePreDraw) Relight(gauge, {0, kSlipRelitEnd}, IsSidePanelLightOn() != 0);
}

int32_t TrpMouseModeTo(PixelPoint, uint32_t) { return RatingButton(kTrpTakeoff, kClickButton2); }
int32_t TrpMouseModeToFlx(PixelPoint, uint32_t) { return RatingButton(kTrpFlexTakeoff, kClickButton2); }
int32_t TrpMouseModeGa(PixelPoint, uint32_t) { return RatingButton(kTrpGoAround, kClickButton1); }
int32_t TrpMouseModeMct(PixelPoint, uint32_t) { return RatingButton(kTrpMaxContinuous, kClickButton2); }
int32_t TrpMouseModeCl(PixelPoint, uint32_t) { return RatingButton(kTrpClimb, kClickButton2); }
int32_t TrpMouseModeCr(PixelPoint, uint32_t) { return RatingButton(kTrpCruise, kClickButton1); }

// Held, the test button sets the test flag (and takes the rating away);
// released, it clears the flag.
int32_t TrpMouseTest(PixelPoint, uint32_t flags) {
  SetTrpButton(IsRelease(flags) ? 1 : 0);
  PlayClick(kClickButton1);
  return 1;
}

int32_t TrpMouseTempDec(PixelPoint, uint32_t) {
  DecTrpAssumedTemp();
  return 1;
}
int32_t TrpMouseTempInc(PixelPoint, uint32_t) {
  IncTrpAssumedTemp();
  return 1;
}

}  // namespace halcyon
