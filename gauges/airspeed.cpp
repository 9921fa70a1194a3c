// The "Airspeed" gauge. Every panel service it receives goes to the lifecycle
// first; its own drawing comes with the instrument gauges.
#include "gauges/airspeed.h"

#include "core/lifecycle.h"

namespace halcyon {

void AirspeedGaugeCallback(platform::GAUGEHDR*, uint32_t serviceId, uintptr_t) {
  RunSystemsLifecycle(serviceId);
}

}  // namespace halcyon
