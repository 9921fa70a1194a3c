// "Center Dispatch", the dispatch page of the Center popup: the cabin's seat
// map, the passenger, cargo and fuel figures, the load sheet, the buttons that
// edit the load plan, and the three actions (weights to the FMS, the departure
// plan written and opened, the aircraft loaded in the simulator). Reads the
// load plan and the load sheet; drives the plan, the FMS's PERF INIT, the
// take-off bugs, the payload and fuel of the simulator and panel windows.
#pragma once

#include <cstdint>

#include "platform/gauge.h"

namespace halcyon {

inline constexpr uint32_t kPanelWindowCdu = 10070;

// Element positions the pre-draw shows and hides.
inline constexpr uint32_t kDispatchPaxSummary = 9;
inline constexpr uint32_t kDispatchFirstSheetLine = 10;   // line 15; position 24 holds line 1
inline constexpr uint32_t kDispatchFirstFuelBar = 25;     // 25..28 fuel, 29..36 payload
inline constexpr uint32_t kDispatchFirstFuelFigure = 37;  // 37..40 fuel, 41..48 payload
inline constexpr uint32_t kDispatchFirstSeat = 49;        // seat 0; seat 135 at 184
inline constexpr uint32_t kDispatchElementCount = 185;

platform::ELEMENT_HEADER* CenterDispatchElements();
void CenterDispatchGaugeCallback(platform::GAUGEHDR* gauge, uint32_t service, uintptr_t extra);

int32_t CenterDispatchMouseAddRandomPassenger(platform::PixelPoint point, uint32_t mouseFlags);
int32_t CenterDispatchMouseRemoveRandomPassenger(platform::PixelPoint point, uint32_t mouseFlags);
int32_t CenterDispatchMouseClearPayload(platform::PixelPoint point, uint32_t mouseFlags);
int32_t CenterDispatchMouseFillPayload(platform::PixelPoint point, uint32_t mouseFlags);
int32_t CenterDispatchMouseRandomPayload(platform::PixelPoint point, uint32_t mouseFlags);
int32_t CenterDispatchMousePayloadView(platform::PixelPoint point, uint32_t mouseFlags);
int32_t CenterDispatchMouseAddFuel(platform::PixelPoint point, uint32_t mouseFlags);
int32_t CenterDispatchMouseRemoveFuel(platform::PixelPoint point, uint32_t mouseFlags);
int32_t CenterDispatchMouseClearFuel(platform::PixelPoint point, uint32_t mouseFlags);
int32_t CenterDispatchMouseFillFuel(platform::PixelPoint point, uint32_t mouseFlags);
int32_t CenterDispatchMouseRandomFuel(platform::PixelPoint point, uint32_t mouseFlags);
int32_t CenterDispatchMouseFuelView(platform::PixelPoint point, uint32_t mouseFlags);
int32_t CenterDispatchMouseDeparturePlan(platform::PixelPoint point, uint32_t mouseFlags);
int32_t CenterDispatchMouseLoad(platform::PixelPoint point, uint32_t mouseFlags);
int32_t CenterDispatchMouseMaleDec(platform::PixelPoint point, uint32_t mouseFlags);
int32_t CenterDispatchMouseMaleInc(platform::PixelPoint point, uint32_t mouseFlags);
int32_t CenterDispatchMouseFemaleDec(platform::PixelPoint point, uint32_t mouseFlags);
int32_t CenterDispatchMouseFemaleInc(platform::PixelPoint point, uint32_t mouseFlags);
int32_t CenterDispatchMouseChildDec(platform::PixelPoint point, uint32_t mouseFlags);
int32_t CenterDispatchMouseChildInc(platform::PixelPoint point, uint32_t mouseFlags);
int32_t CenterDispatchMouseF1Dec(platform::PixelPoint point, uint32_t mouseFlags);
int32_t CenterDispatchMouseF1Inc(platform::PixelPoint point, uint32_t mouseFlags);
int32_t CenterDispatchMouseF2Dec(platform::PixelPoint point, uint32_t mouseFlags);
int32_t CenterDispatchMouseF2Inc(platform::PixelPoint point, uint32_t mouseFlags);
int32_t CenterDispatchMouseA1Dec(platform::PixelPoint point, uint32_t mouseFlags);
int32_t CenterDispatchMouseA1Inc(platform::PixelPoint point, uint32_t mouseFlags);
int32_t CenterDispatchMouseLeftTankDec(platform::PixelPoint point, uint32_t mouseFlags);
int32_t CenterDispatchMouseLeftTankInc(platform::PixelPoint point, uint32_t mouseFlags);
int32_t CenterDispatchMouseRightTankDec(platform::PixelPoint point, uint32_t mouseFlags);
int32_t CenterDispatchMouseRightTankInc(platform::PixelPoint point, uint32_t mouseFlags);
int32_t CenterDispatchMouseCenterTankDec(platform::PixelPoint point, uint32_t mouseFlags);
int32_t CenterDispatchMouseCenterTankInc(platform::PixelPoint point, uint32_t mouseFlags);
int32_t CenterDispatchMouseFms(platform::PixelPoint point, uint32_t mouseFlags);

}  // namespace halcyon
