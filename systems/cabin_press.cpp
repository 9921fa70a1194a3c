// Cabin pressurisation. The accessors answer 0.0 until the model is built.
#include "systems/cabin_press.h"

#include "platform/system.h"

namespace halcyon {

double GetCabinAltitude() {
  platform::NoteNotBuilt("GetCabinAltitude");
  return 0.0;
}

double GetCabinDiffPressure() {
  platform::NoteNotBuilt("GetCabinDiffPressure");
  return 0.0;
}

double GetCabinRate() {
  platform::NoteNotBuilt("GetCabinRate");
  return 0.0;
}

}  // namespace halcyon
