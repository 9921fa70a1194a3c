// Loads the cockpit module as the simulator does: open the library, find its
// exports, hand it the panel service table through ImportTable.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "platform/gauge.h"

namespace simhost {

class LoadedModule {
 public:
  LoadedModule() = default;
  ~LoadedModule();
  LoadedModule(const LoadedModule&) = delete;
  LoadedModule& operator=(const LoadedModule&) = delete;

  // Opens the library and fills its import table; false with a message when
  // the file or one of its exports is missing or the linkage is not ours.
  bool Open(const std::string& path, std::string* error);
  void Close();
  bool IsOpen() const { return handle_ != nullptr; }

  uint32_t CallStart() const;
  uint32_t CallStop() const;
  // Moves a cockpit control by its INI section and key, as its gauge would;
  // false when the module has no such control.
  bool MoveControl(const std::string& section, const std::string& key, int32_t position) const;
  // Whether the cockpit saves such a control, and where it stands.
  bool HasControl(const std::string& section, const std::string& key) const;
  bool ControlPosition(const std::string& section, const std::string& key, int32_t* position) const;
  // The lowest and highest position the control takes; false when the
  // module has no such control (or cannot say).
  bool ControlRange(const std::string& section, const std::string& key, int32_t* lowest, int32_t* highest) const;
  // Why the control does not take the position (a light its system sets, a
  // handle between its detents); "" when it does, or the module cannot say.
  std::string ControlRefusal(const std::string& section, const std::string& key, int32_t position) const;
  // What a move of a control without a position is ("a button's press", "a
  // knob's turn"); "" for a control with one, or when the module cannot say.
  std::string ControlAction(const std::string& section, const std::string& key) const;
  // Every control the cockpit knows now: {section, key}, in the order known.
  std::vector<std::pair<std::string, std::string>> ControlNames() const;
  // The flight mode annunciator's text (see HalcyonFmaText); false when the
  // module has none.
  bool FmaText(std::string* text) const;
  // The alert display's active messages (see HalcyonAlertText), in order;
  // false when the module has none.
  bool AlertMessages(std::vector<std::string>* messages) const;
  // The load sheet's text, with "Departure plan.txt" written into the
  // aircraft folder (see HalcyonDispatchCards); false when the module has
  // none or the card could not be written.
  bool DispatchCards(std::string* loadSheet) const;
  // The lesson list and steps (see HalcyonLesson): the result, and what the
  // list or the step shows in `text`; false when the module has none or the
  // action is unknown.
  bool Lesson(const std::string& action, int32_t category, int32_t n, int32_t* result, std::string* text) const;

  // The gauges in Linkage order.
  const std::vector<platform::GAUGEHDR*>& Gauges() const { return gauges_; }
  platform::GAUGEHDR* FindGauge(const std::string& name) const;

 private:
  void* handle_ = nullptr;
  uint32_t (*start_)() = nullptr;
  uint32_t (*stop_)() = nullptr;
  int32_t (*moveControl_)(const char*, const char*, int32_t) = nullptr;
  int32_t (*hasControl_)(const char*, const char*) = nullptr;
  int32_t (*controlPosition_)(const char*, const char*, int32_t*) = nullptr;
  int32_t (*controlRange_)(const char*, const char*, int32_t*, int32_t*) = nullptr;
  int32_t (*controlRefusal_)(const char*, const char*, int32_t, char*, int32_t) = nullptr;
  int32_t (*controlAction_)(const char*, const char*, char*, int32_t) = nullptr;
  int32_t (*controlAt_)(int32_t, char*, int32_t, char*, int32_t) = nullptr;
  int32_t (*fmaText_)(char*, int32_t) = nullptr;
  int32_t (*alertText_)(char*, int32_t) = nullptr;
  int32_t (*dispatchCards_)(char*, int32_t) = nullptr;
  int32_t (*lesson_)(const char*, int32_t, int32_t, char*, int32_t) = nullptr;
  std::vector<platform::GAUGEHDR*> gauges_;
};

// libhalcyon.so in the folder of the running program.
std::string DefaultModulePath();

}  // namespace simhost
