// The module's own resources (what the linker would have bound into the DLL):
// named blocks of bytes under a type such as "WAVE", "WAV" or "BITMAP". The
// registry is empty by default; tests and the host register what they need.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace platform {

struct ModuleResource;  // opaque, valid until ClearModuleResources

// Names and types are compared without regard to ASCII case, as Windows does;
// a numeric id is named "#<id>".
void RegisterModuleResource(const std::wstring& name, const std::wstring& type, std::vector<uint8_t> bytes);
void ClearModuleResources();

const ModuleResource* FindModuleResource(const wchar_t* name, const wchar_t* type);
const ModuleResource* FindModuleResource(uint16_t id, const wchar_t* type);
// The resource's bytes (never null for a found resource) and their count.
const uint8_t* LoadModuleResource(const ModuleResource* resource);
uint32_t ModuleResourceSize(const ModuleResource* resource);

}  // namespace platform
