// The gauge table exported through Linkage.
#include "gauges/gauge_table.h"

#include "gauges/airspeed.h"

namespace halcyon {

platform::GAUGEHDR* g_gaugeTable[] = {
    &g_airspeedGauge,
    nullptr,
};

}  // namespace halcyon
