// Steps of the aircraft systems and flight guidance that the lifecycle calls and that are not built
// yet. Each records its name once and does nothing else; the change that
// builds a step moves its declaration to the system's own header and deletes
// it here.
#pragma once

namespace halcyon {

}  // namespace halcyon
