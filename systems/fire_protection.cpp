// Engine fire detection and extinguishing. For now only the bottle records
// that the fire panel and its tooltip share.
#include "systems/fire_protection.h"

namespace halcyon {

CSwitch g_fireAgent1;
CSwitch g_fireAgent2;

}  // namespace halcyon
