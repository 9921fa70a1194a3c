// The TAS/SAT indicator. The accessors answer 0.0 until the system is built.
#include "systems/tas_sat.h"

#include "platform/system.h"

namespace halcyon {

double GetTrueAirspeed() {
  platform::NoteNotBuilt("GetTrueAirspeed");
  return 0.0;
}

double GetTotalAirTemp() {
  platform::NoteNotBuilt("GetTotalAirTemp");
  return 0.0;
}

double GetStaticAirTemp() {
  platform::NoteNotBuilt("GetStaticAirTemp");
  return 0.0;
}

}  // namespace halcyon
