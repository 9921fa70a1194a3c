// What the simulator sees of the module as a library: the exported linkage
// record with the gauge table, the import table it fills with its panel
// services, and the two exported entry points.
#pragma once

#include <cstdint>

#include "platform/gauge.h"

extern "C" {
extern platform::ModuleLinkage Linkage;
extern platform::ModuleImports ImportTable;
uint32_t DLLStart();
uint32_t DLLStop();
}
