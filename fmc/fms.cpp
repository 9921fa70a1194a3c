// The FMS computer object and its start-up and shut-down steps. Reads nothing
// yet; writes the CDU brightness to the aircraft INI file at shut-down.
#include "fmc/fms.h"

#include "core/ini_values.h"

namespace halcyon {

CFms g_fms;

CFms::CFms() { keysPressed_.reserve(kKeyLogSize); }

CFms::~CFms() = default;

void CFms::SetIrsAligning(uint8_t on) {
  irsAligning_ = on;
  if (on == 0) alignDone_ = 0;
}

void CFms::AlignToAircraftPosition() {
  if (irsAligning_ != 0) alignDone_ = 1;
}

void CFms::KeyPressed(uint32_t keyCode) {
  if (keysPressed_.size() == kKeyLogSize) keysPressed_.erase(keysPressed_.begin());
  keysPressed_.push_back(keyCode);
}

void CFms::SetTakeoffSpeeds(uint32_t v1Kt, int32_t vrKt, uint32_t v2Kt) {
  v1Kt_ = v1Kt;
  vrKt_ = vrKt;
  v2Kt_ = v2Kt;
}

void InitFms() {}

void SaveFms() { WriteIniReal(L"FMS", L"BrightnessControL", L"%f", g_fms.GetBrightness()); }

}  // namespace halcyon
