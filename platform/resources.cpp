// Module resource registry.
#include "platform/resources.h"

#include <cwctype>
#include <deque>
#include <map>

namespace platform {

struct ModuleResource {
  std::vector<uint8_t> bytes;
};

namespace {

struct Registry {
  // Records are never moved or freed before ClearModuleResources, so a
  // pointer handed out stays good even when a name is registered again.
  std::deque<ModuleResource> records;
  std::map<std::wstring, ModuleResource*> byKey;
};

Registry& State() {
  static Registry registry;
  return registry;
}

std::wstring Key(const std::wstring& name, const std::wstring& type) {
  std::wstring key = type + L'\n' + name;
  for (wchar_t& c : key) {
    if (c < 0x80) c = static_cast<wchar_t>(std::towupper(static_cast<wint_t>(c)));
  }
  return key;
}

}  // namespace

void RegisterModuleResource(const std::wstring& name, const std::wstring& type, std::vector<uint8_t> bytes) {
  Registry& registry = State();
  registry.records.push_back({std::move(bytes)});
  registry.byKey[Key(name, type)] = &registry.records.back();
}

void ClearModuleResources() { State() = Registry{}; }

const ModuleResource* FindModuleResource(const wchar_t* name, const wchar_t* type) {
  if (name == nullptr || type == nullptr) return nullptr;
  const auto it = State().byKey.find(Key(name, type));
  return it == State().byKey.end() ? nullptr : it->second;
}

const ModuleResource* FindModuleResource(uint16_t id, const wchar_t* type) {
  return FindModuleResource((L"#" + std::to_wstring(id)).c_str(), type);
}

const uint8_t* LoadModuleResource(const ModuleResource* resource) {
  static const uint8_t kEmpty = 0;
  if (resource == nullptr) return nullptr;
  return resource->bytes.empty() ? &kEmpty : resource->bytes.data();
}

uint32_t ModuleResourceSize(const ModuleResource* resource) {
  return resource == nullptr ? 0 : static_cast<uint32_t>(resource->bytes.size());
}

}  // namespace platform
