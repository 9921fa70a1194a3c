// Fire protection records.
#include "systems/fire_protection.h"

namespace halcyon {

CSwitch g_engine1FireHandle{};
CSwitch g_engine2FireHandle{};
CSwitch g_fireAgent1{};
CSwitch g_fireAgent2{};

}  // namespace halcyon
