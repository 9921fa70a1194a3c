// IRS heading and navigation validity as the EFIS source selector sees it.
#include "systems/irs_validity.h"

#include "displays/efis/efis_dimmer.h"
#include "systems/placeholders.h"

namespace halcyon {

namespace {

constexpr int32_t kIrsFirstHeadingState = 113;
constexpr int32_t kIrsNavState = 115;

bool GivesHeading(int32_t unit) {
  const int32_t state = GetIrsStatusPosition(unit);
  return state >= kIrsFirstHeadingState && state <= kIrsNavState;
}

}  // namespace

uint32_t IsIrsHeadingValid() {
  switch (GetSwitch(&g_efisSourceSwitch)) {
    case kEfisSourceNormal:
      return GivesHeading(1) || GivesHeading(2) ? 1 : 0;
    case kEfisSourceIrs1:
      return GivesHeading(1) ? 1 : 0;
    case kEfisSourceIrs2:
      return GivesHeading(2) ? 1 : 0;
    default:
      return 0;
  }
}

uint32_t IsIrsNavValid() {
  switch (GetSwitch(&g_efisSourceSwitch)) {
    case kEfisSourceNormal:
    case kEfisSourceIrs1:
      return GetIrsStatusPosition(1) == kIrsNavState ? 1 : 0;
    case kEfisSourceIrs2:
      return GetIrsStatusPosition(2) == kIrsNavState ? 1 : 0;
    default:
      return 0;
  }
}

}  // namespace halcyon
