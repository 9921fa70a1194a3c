// The ground service electrical panel at the forward entry door: APU power,
// external power and maintenance phone switches, kept in [GSEP]. The GSEP
// gauge reads and moves them; no step acts on them.
#pragma once

#include "core/switch.h"

namespace halcyon {

extern CSwitch g_gsepApuSwitch;       // "apu_switch": 41 on, 120 off
extern CSwitch g_gsepExternalSwitch;  // "ext_switch"
extern CSwitch g_gsepMaintPhone;      // "maint_phone"

void LoadGsep();
void SaveGsep();

}  // namespace halcyon
