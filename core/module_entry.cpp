// The module's exports. The gauge table itself belongs to the gauges.
#include "core/module_entry.h"

#include "gauges/gauge_table.h"

namespace {
void ModuleInit() {}
void ModuleDeinit() {}
}  // namespace

extern "C" {

platform::ModuleLinkage Linkage = {
    platform::kModuleId, ModuleInit, ModuleDeinit, 0, 0, platform::kModuleVersion, halcyon::g_gaugeTable.data(),
};

platform::ModuleImports ImportTable = {{platform::kImportPanels, nullptr}, {0, nullptr}};

uint32_t DLLStart() { return 0; }
uint32_t DLLStop() { return 0; }

}
