// Module loading through the dynamic loader.
#include "simhost/module_loader.h"

#include <dlfcn.h>

#include <algorithm>

#include "platform/simulator.h"
#include "simhost/sim_root.h"

namespace simhost {

LoadedModule::~LoadedModule() { Close(); }

bool LoadedModule::Open(const std::string& path, std::string* error) {
  Close();
  handle_ = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (handle_ == nullptr) {
    *error = std::string("cannot load the module: ") + dlerror();
    return false;
  }
  auto* linkage = static_cast<platform::ModuleLinkage*>(dlsym(handle_, "Linkage"));
  auto* imports = static_cast<platform::ModuleImports*>(dlsym(handle_, "ImportTable"));
  start_ = reinterpret_cast<uint32_t (*)()>(dlsym(handle_, "DLLStart"));
  stop_ = reinterpret_cast<uint32_t (*)()>(dlsym(handle_, "DLLStop"));
  if (linkage == nullptr || imports == nullptr || start_ == nullptr || stop_ == nullptr) {
    *error = "the module lacks one of Linkage, ImportTable, DLLStart, DLLStop";
    Close();
    return false;
  }
  if (linkage->moduleId != platform::kModuleId || linkage->version != platform::kModuleVersion) {
    *error = "the module's linkage record is not a gauge module's";
    Close();
    return false;
  }
  moveControl_ = reinterpret_cast<int32_t (*)(const char*, const char*, int32_t)>(dlsym(handle_, "HalcyonMoveControl"));
  hasControl_ = reinterpret_cast<int32_t (*)(const char*, const char*)>(dlsym(handle_, "HalcyonHasControl"));
  controlPosition_ =
      reinterpret_cast<int32_t (*)(const char*, const char*, int32_t*)>(dlsym(handle_, "HalcyonControlPosition"));
  controlRange_ = reinterpret_cast<int32_t (*)(const char*, const char*, int32_t*, int32_t*)>(
      dlsym(handle_, "HalcyonControlRange"));
  controlRefusal_ = reinterpret_cast<int32_t (*)(const char*, const char*, int32_t, char*, int32_t)>(
      dlsym(handle_, "HalcyonControlRefusal"));
  controlAction_ =
      reinterpret_cast<int32_t (*)(const char*, const char*, char*, int32_t)>(dlsym(handle_, "HalcyonControlAction"));
  controlAt_ = reinterpret_cast<int32_t (*)(int32_t, char*, int32_t, char*, int32_t)>(dlsym(handle_, "HalcyonControlAt"));
  fmaText_ = reinterpret_cast<int32_t (*)(char*, int32_t)>(dlsym(handle_, "HalcyonFmaText"));
  alertText_ = reinterpret_cast<int32_t (*)(char*, int32_t)>(dlsym(handle_, "HalcyonAlertText"));
  dispatchCards_ = reinterpret_cast<int32_t (*)(char*, int32_t)>(dlsym(handle_, "HalcyonDispatchCards"));
  lesson_ = reinterpret_cast<int32_t (*)(const char*, int32_t, int32_t, char*, int32_t)>(dlsym(handle_, "HalcyonLesson"));
  if (imports->panels.id == platform::kImportPanels) imports->panels.table = platform::sim::PanelTable();
  gauges_.clear();
  for (platform::GAUGEHDR** gauge = linkage->gauges; gauge != nullptr && *gauge != nullptr; ++gauge) {
    gauges_.push_back(*gauge);
  }
  return true;
}

void LoadedModule::Close() {
  if (handle_ != nullptr) dlclose(handle_);
  handle_ = nullptr;
  start_ = nullptr;
  stop_ = nullptr;
  moveControl_ = nullptr;
  hasControl_ = nullptr;
  controlPosition_ = nullptr;
  controlRange_ = nullptr;
  controlRefusal_ = nullptr;
  controlAction_ = nullptr;
  controlAt_ = nullptr;
  gauges_.clear();
}

uint32_t LoadedModule::CallStart() const { return start_ != nullptr ? start_() : 0; }
uint32_t LoadedModule::CallStop() const { return stop_ != nullptr ? stop_() : 0; }

bool LoadedModule::MoveControl(const std::string& section, const std::string& key, int32_t position) const {
  return moveControl_ != nullptr && moveControl_(section.c_str(), key.c_str(), position) != 0;
}

bool LoadedModule::HasControl(const std::string& section, const std::string& key) const {
  return hasControl_ != nullptr && hasControl_(section.c_str(), key.c_str()) != 0;
}

bool LoadedModule::ControlPosition(const std::string& section, const std::string& key, int32_t* position) const {
  return controlPosition_ != nullptr && controlPosition_(section.c_str(), key.c_str(), position) != 0;
}

bool LoadedModule::ControlRange(const std::string& section, const std::string& key, int32_t* lowest,
                                int32_t* highest) const {
  return controlRange_ != nullptr && controlRange_(section.c_str(), key.c_str(), lowest, highest) != 0;
}

std::string LoadedModule::ControlRefusal(const std::string& section, const std::string& key, int32_t position) const {
  char text[256];
  if (controlRefusal_ == nullptr ||
      controlRefusal_(section.c_str(), key.c_str(), position, text, static_cast<int32_t>(sizeof(text))) == 0) {
    return "";
  }
  return text;
}

std::string LoadedModule::ControlAction(const std::string& section, const std::string& key) const {
  char text[256];
  if (controlAction_ == nullptr ||
      controlAction_(section.c_str(), key.c_str(), text, static_cast<int32_t>(sizeof(text))) == 0) {
    return "";
  }
  return text;
}

std::vector<std::pair<std::string, std::string>> LoadedModule::ControlNames() const {
  std::vector<std::pair<std::string, std::string>> names;
  if (controlAt_ == nullptr) return names;
  char section[256];
  char key[256];
  for (int32_t i = 0; controlAt_(i, section, sizeof(section), key, sizeof(key)) != 0; ++i) names.emplace_back(section, key);
  return names;
}

bool LoadedModule::FmaText(std::string* text) const {
  char buffer[64];
  if (fmaText_ == nullptr || fmaText_(buffer, static_cast<int32_t>(sizeof(buffer))) == 0) return false;
  *text = buffer;
  return true;
}

bool LoadedModule::AlertMessages(std::vector<std::string>* messages) const {
  char buffer[1200];  // 50 messages of 20 characters and their separators
  if (alertText_ == nullptr || alertText_(buffer, static_cast<int32_t>(sizeof(buffer))) == 0) return false;
  messages->clear();
  const std::string text = buffer;
  for (size_t start = 0; start < text.size();) {
    const size_t end = std::min(text.find('|', start), text.size());
    messages->push_back(text.substr(start, end - start));
    start = end + 1;
  }
  return true;
}

bool LoadedModule::DispatchCards(std::string* loadSheet) const {
  char buffer[4096];
  if (dispatchCards_ == nullptr || dispatchCards_(buffer, static_cast<int32_t>(sizeof(buffer))) != 1) return false;
  *loadSheet = buffer;
  return true;
}

bool LoadedModule::Lesson(const std::string& action, int32_t category, int32_t n, int32_t* result,
                          std::string* text) const {
  if (lesson_ == nullptr) return false;
  std::string buffer(16384, '\0');
  *result = lesson_(action.c_str(), category, n, buffer.data(), static_cast<int32_t>(buffer.size()));
  *text = buffer.c_str();
  return *result >= 0;
}

platform::GAUGEHDR* LoadedModule::FindGauge(const std::string& name) const {
  for (platform::GAUGEHDR* gauge : gauges_) {
    if (gauge->name != nullptr && name == gauge->name) return gauge;
  }
  return nullptr;
}

std::string DefaultModulePath() { return ProgramFolder() + "/libhalcyon.so"; }

}  // namespace simhost
