// Gauge functions that the cockpit's tables point at and that are not built
// yet. Each mouse function records its name once and reports the click as
// handled; the change that builds one moves its declaration to its gauge's
// own header and deletes it here. One function a line, in alphabetical order.
#pragma once

#include <cstdint>

#include "platform/gauge.h"

namespace halcyon {


}  // namespace halcyon
