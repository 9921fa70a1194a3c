// Steps of the crew aids that the lifecycle calls and that are not built
// yet. Each records its name once and does nothing else; the change that
// builds a step moves its declaration to the system's own header and deletes
// it here.
#pragma once

#include <cstdint>

namespace halcyon {


}  // namespace halcyon
