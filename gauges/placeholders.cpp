// Placeholders for gauge functions not built yet.
#include "gauges/placeholders.h"

#include "platform/system.h"

namespace halcyon {
namespace {

int32_t NotBuilt(const char* functionName) {
  platform::NoteNotBuilt(functionName);
  return 1;
}

}  // namespace


}  // namespace halcyon
