// The EFIS control panel ("EFIS MCP", and the larger "EFIS MCP2" artwork of
// the same panel), the TCAS control head ("TCAS") and the MAG/TRUE switch
// ("MagTrue"): they step and toggle the state the navigation and traffic
// displays read, and show it back.
#pragma once

#include <cstdint>

#include "platform/gauge.h"

namespace halcyon {

// Pre-draw: the panel lighting with the side panel light, the click areas.
void EfisMcpGaugeCallback(platform::GAUGEHDR* gauge, uint32_t serviceId, uintptr_t extra);
void EfisMcp2GaugeCallback(platform::GAUGEHDR* gauge, uint32_t serviceId, uintptr_t extra);
platform::ELEMENT_HEADER* EfisMcpElements();
platform::ELEMENT_HEADER* EfisMcp2Elements();

// The selectors show their positions powered or not; the display-control
// lamps are lamps.
double EfisMcpElemMode(platform::ELEMENT_HEADER* element);
double EfisMcpElemAdf1(platform::ELEMENT_HEADER* element);
double EfisMcpElemRange(platform::ELEMENT_HEADER* element);
double EfisMcpElemLampNaid(platform::ELEMENT_HEADER* element);
double EfisMcpElemLampArpt(platform::ELEMENT_HEADER* element);
double EfisMcpElemLampData(platform::ELEMENT_HEADER* element);
double EfisMcpElemLampWpt(platform::ELEMENT_HEADER* element);
// The larger artwork shows the same values.
inline constexpr platform::ElementCallback EfisMcp2ElemMode = EfisMcpElemMode;
inline constexpr platform::ElementCallback EfisMcp2ElemAdf1 = EfisMcpElemAdf1;
inline constexpr platform::ElementCallback EfisMcp2ElemRange = EfisMcpElemRange;
inline constexpr platform::ElementCallback EfisMcp2ElemLampNaid = EfisMcpElemLampNaid;
inline constexpr platform::ElementCallback EfisMcp2ElemLampArpt = EfisMcpElemLampArpt;
inline constexpr platform::ElementCallback EfisMcp2ElemLampData = EfisMcpElemLampData;
inline constexpr platform::ElementCallback EfisMcp2ElemLampWpt = EfisMcpElemLampWpt;

// The panel's controls. The two artworks differ in the clicks of the four
// display-control buttons only.
int32_t EfisMcpMouseModeDec(platform::PixelPoint point, uint32_t mouseFlags);
int32_t EfisMcpMouseModeInc(platform::PixelPoint point, uint32_t mouseFlags);
int32_t EfisMcpMouseAdf1(platform::PixelPoint point, uint32_t mouseFlags);
int32_t EfisMcpMouseRangeDec(platform::PixelPoint point, uint32_t mouseFlags);
int32_t EfisMcpMouseRangeInc(platform::PixelPoint point, uint32_t mouseFlags);
int32_t EfisMcpMouseDeclutterNaid(platform::PixelPoint point, uint32_t mouseFlags);
int32_t EfisMcpMouseDeclutterArpt(platform::PixelPoint point, uint32_t mouseFlags);
int32_t EfisMcpMouseDeclutterData(platform::PixelPoint point, uint32_t mouseFlags);
int32_t EfisMcpMouseDeclutterWpt(platform::PixelPoint point, uint32_t mouseFlags);
int32_t EfisMcp2MouseModeDec(platform::PixelPoint point, uint32_t mouseFlags);
int32_t EfisMcp2MouseModeInc(platform::PixelPoint point, uint32_t mouseFlags);
int32_t EfisMcp2MouseAdf1(platform::PixelPoint point, uint32_t mouseFlags);
int32_t EfisMcp2MouseRangeDec(platform::PixelPoint point, uint32_t mouseFlags);
int32_t EfisMcp2MouseRangeInc(platform::PixelPoint point, uint32_t mouseFlags);
int32_t EfisMcp2MouseDeclutterNaid(platform::PixelPoint point, uint32_t mouseFlags);
int32_t EfisMcp2MouseDeclutterArpt(platform::PixelPoint point, uint32_t mouseFlags);
int32_t EfisMcp2MouseDeclutterData(platform::PixelPoint point, uint32_t mouseFlags);
int32_t EfisMcp2MouseDeclutterWpt(platform::PixelPoint point, uint32_t mouseFlags);

// "TCAS": pre-draw shows the click areas.
void TcasGaugeCallback(platform::GAUGEHDR* gauge, uint32_t serviceId, uintptr_t extra);
platform::ELEMENT_HEADER* TcasElements();
// The display button (its click also without a TCAS object), the dimmer
// tenths (only with one), the range knob 100..103.
int32_t TcasMouseButton(platform::PixelPoint point, uint32_t mouseFlags);
int32_t TcasMouseDimmerDec(platform::PixelPoint point, uint32_t mouseFlags);
int32_t TcasMouseDimmerInc(platform::PixelPoint point, uint32_t mouseFlags);
int32_t TcasMouseRangeDec(platform::PixelPoint point, uint32_t mouseFlags);
int32_t TcasMouseRangeInc(platform::PixelPoint point, uint32_t mouseFlags);

// "MagTrue": the heading reference switch and its two lamps.
void MagTrueGaugeCallback(platform::GAUGEHDR* gauge, uint32_t serviceId, uintptr_t extra);
platform::ELEMENT_HEADER* MagTrueElements();
double MagTrueElemLampMag(platform::ELEMENT_HEADER* element);
double MagTrueElemLampTrue(platform::ELEMENT_HEADER* element);
int32_t MagTrueMouseToggle(platform::PixelPoint point, uint32_t mouseFlags);

}  // namespace halcyon
