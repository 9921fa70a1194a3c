// Brake temperatures. The accessor answers 0.0 until the model is built.
#include "systems/brake_temperature.h"

#include "platform/system.h"

namespace halcyon {

double GetSelectedBrakeTemperature() {
  platform::NoteNotBuilt("GetSelectedBrakeTemperature");
  return 0.0;
}

}  // namespace halcyon
