// The edges of the panel gauges' rules that span several gauges: the range
// of elements each instrument relights with its light, element by element
// on both sides of the range's ends.
#include <gtest/gtest.h>

#include <string>

#include "core/options.h"
#include "core/switch.h"
#include "tests/cockpit.h"

namespace halcyon::test {
namespace {

// The light switches as the pilot sets them: section and key of the record.
struct Light {
  const char* section;
  const char* key;
};
constexpr Light kCplPanelLight{"CPL", "panel_light"};
constexpr Light kSidePanelLight{"SIDE SWITCHES", "paneL"};
constexpr Light kOverheadLight{"OCL", "panel_light"};

// Elements [first, end) of a gauge are relit by its light.
struct RelitRange {
  const char* gauge;
  Light light;
  uint32_t first;
  uint32_t end;
};
constexpr RelitRange kRanges[] = {
    {"ADF", kCplPanelLight, 5, 17},
    {"COMM1", kCplPanelLight, 4, 18},
    {"COMM2", kCplPanelLight, 4, 18},
    {"Standby Attitude", kCplPanelLight, 0, 5},
    {"Standby Combi", kCplPanelLight, 0, 13},
    {"RDI", kSidePanelLight, 2, 6},
    {"TAS SAT", kSidePanelLight, 1, 9},
    {"Brake Temperature", kSidePanelLight, 0, 2},
    {"Slip", kSidePanelLight, 0, 3},
    {"Pneumatic Pressure", kOverheadLight, 0, 2},
    {"Heater Current", kOverheadLight, 0, 2},
    {"Voice Recorder Meter", kOverheadLight, 0, 2},
    {"Oxygen Pressure", kOverheadLight, 0, 2},
};

uint32_t ElementCount(const Cockpit& cockpit, const char* gauge) {
  uint32_t count = 0;
  for (const platform::ELEMENT_HEADER* element = cockpit.gauge(gauge)->elements; element != nullptr;
       element = element->nextElement != nullptr ? element->nextElement[0] : nullptr) {
    ++count;
  }
  return count;
}

// Switched on or off, a gauge's range vanishes on the next frame and comes
// back two ticks later, lit or unlit; the elements just outside it stay
// (the click-area overlays shown, as they are not in any range).
TEST(GaugeRelighting, EachInstrumentRelightsExactlyItsRange) {
  Cockpit cockpit;
  cockpit.setOption(kOptionClickAreas, true).powerUp().draw().runTicks(3).draw();
  for (const bool on : {true, false}) {
    for (const Light& light : {kCplPanelLight, kSidePanelLight, kOverheadLight}) {
      cockpit.control(light.section, light.key, on ? kSwitchOn : kSwitchOff).draw();
      for (const RelitRange& range : kRanges) {
        if (std::string(range.light.section) != light.section) continue;
        const std::string where = std::string(range.gauge) + (on ? ", light on" : ", light off");
        if (range.first > 0) {
          EXPECT_TRUE(cockpit.elementVisible(range.gauge, range.first - 1)) << where;
        }
        EXPECT_FALSE(cockpit.elementVisible(range.gauge, range.first)) << where;
        EXPECT_FALSE(cockpit.elementVisible(range.gauge, range.end - 1)) << where;
        if (range.end < ElementCount(cockpit, range.gauge)) {
          EXPECT_TRUE(cockpit.elementVisible(range.gauge, range.end)) << where;
        }
      }
      cockpit.runTicks(2).draw();
      for (const RelitRange& range : kRanges) {
        if (std::string(range.light.section) != light.section) continue;
        for (uint32_t n = range.first; n < range.end; ++n) {
          EXPECT_TRUE(cockpit.elementVisible(range.gauge, n)) << range.gauge << " element " << n;
          EXPECT_EQ(cockpit.elementLit(range.gauge, n), on) << range.gauge << " element " << n;
        }
      }
    }
  }
}

}  // namespace
}  // namespace halcyon::test
