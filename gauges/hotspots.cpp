// Hotspots and close boxes. Every window change goes out as the simulator's
// key events (66506 toggle, 66507 open, 66508 close) or through
// ShowPanelWindow, which also closes the rest of the view's group; the main
// view hotspots test which view is up with the simulator's window query.
#include "gauges/hotspots.h"

#include <algorithm>
#include <cstddef>
#include <utility>

#include "core/options.h"
#include "core/panel_services.h"
#include "core/panel_windows.h"
#include "crewaids/checklists/checklist.h"
#include "gauges/gauge_kit.h"

namespace halcyon {
namespace {

using platform::ELEMENT_HEADER;
using platform::PixelPoint;

// Panel windows the hotspots bring up.
enum Window : uint32_t {
  kMainPanel = 10010,
  kOverhead = 10020,
  kUpperPedestal = 10030,
  kLowerPedestal = 10040,
  kSidePanel = 10050,
  kFirstOfficerPanel = 10060,
  kCdu = 10070,
  kTrainingCentre = 10100,
  kChecklistCard = 10110,
  kUpperOverhead = 10170,
  kMainVfrPanel = 10220,
  kAlertDisplay = 10250,
  kPushback = 10270,
  kMainZoomedPanel = 10280,
  kMainCentredPanel = 10290,
  kFlightGuidancePanel = 10310,
};

constexpr platform::ELEMENT_HEADER kHotspotDefinitions[] = {
    StaticImage("hotspot"),
    Icon("frame", 0, 0, 2, HotspotElemFrame),
};
constexpr platform::ELEMENT_HEADER kWindowCloseDefinitions[] = {
    StaticImage("close box"),
    StaticImage("click areas"),
};
constexpr uint32_t kCloseBoxClickAreas = 1;

// One element list for each gauge of a family, all alike.
template <size_t N, size_t Count>
class ElementChains {
 public:
  constexpr explicit ElementChains(const platform::ELEMENT_HEADER (&definitions)[N])
      : ElementChains(definitions, std::make_index_sequence<Count>()) {}
  ELEMENT_HEADER* Head(size_t index) { return chains_[index].Head(); }

 private:
  template <size_t... I>
  constexpr ElementChains(const platform::ELEMENT_HEADER (&definitions)[N], std::index_sequence<I...>)
      : chains_{(static_cast<void>(I), ElementChain<N>(definitions))...} {}
  ElementChain<N> chains_[Count];
};

constinit ElementChains<std::size(kHotspotDefinitions), kHotspotNumbers.size()> g_hotspotElements(
    kHotspotDefinitions);
constinit ElementChains<std::size(kWindowCloseDefinitions), kWindowCloseNumbers.size()> g_windowCloseElements(
    kWindowCloseDefinitions);

template <size_t Count>
ptrdiff_t IndexOf(const std::array<int32_t, Count>& numbers, int32_t number) {
  const auto found = std::find(numbers.begin(), numbers.end(), number);
  return found == numbers.end() ? -1 : found - numbers.begin();
}

int32_t Toggle(uint32_t ident) { return SendKeyControl(kKeyEventTogglePanelWindow, ident); }

int32_t Close(uint32_t ident) {
  ClosePanelWindow(ident);
  return 1;
}

int32_t Show(uint32_t ident) {
  ShowPanelWindow(ident);
  return 1;
}

bool Visible(uint32_t ident) { return IsPanelWindowVisible(ident); }

// A main view flipped to its variant; the flight-guidance popup goes with the old view.
int32_t FlipView(uint32_t shownWhenUp, uint32_t variant, uint32_t testedView) {
  Show(Visible(testedView) ? shownWhenUp : variant);
  return Close(kFlightGuidancePanel);
}

}  // namespace

platform::ELEMENT_HEADER* HotspotElements(int32_t number) {
  const ptrdiff_t index = IndexOf(kHotspotNumbers, number);
  return index < 0 ? nullptr : g_hotspotElements.Head(static_cast<size_t>(index));
}

platform::ELEMENT_HEADER* WindowCloseElements(int32_t number) {
  const ptrdiff_t index = IndexOf(kWindowCloseNumbers, number);
  return index < 0 ? nullptr : g_windowCloseElements.Head(static_cast<size_t>(index));
}

double HotspotElemFrame(ELEMENT_HEADER*) { return GetOption(kOptionHotspots) != 0 ? 1.0 : 0.0; }

void WindowCloseGaugeCallback(platform::GAUGEHDR* gauge, uint32_t serviceId, uintptr_t) {
  if (serviceId == platform::kServicePreDraw) ShowClickAreas(gauge, kCloseBoxClickAreas);
}

// The zoomed panel over whichever main view is up; over the VFR or centred
// panel the main panel comes back first.
int32_t Hotspot1MouseClick(PixelPoint, uint32_t) {
  if (Visible(kMainVfrPanel) || Visible(kMainCentredPanel)) Show(kMainPanel);
  Toggle(kMainZoomedPanel);
  return Close(kFlightGuidancePanel);
}

int32_t Hotspot2MouseClick(PixelPoint, uint32_t) { return FlipView(kMainPanel, kMainVfrPanel, kMainVfrPanel); }
int32_t Hotspot3MouseCdu(PixelPoint, uint32_t) { return Toggle(kCdu); }
int32_t Hotspot3MouseUpperPedestal(PixelPoint, uint32_t) { return Toggle(kUpperPedestal); }
int32_t Hotspot3MouseLowerPedestal(PixelPoint, uint32_t) { return Toggle(kLowerPedestal); }
int32_t Hotspot3MouseCdu2(PixelPoint, uint32_t) { return Toggle(kCdu); }
int32_t Hotspot4MouseClick(PixelPoint, uint32_t) { return Toggle(kFirstOfficerPanel); }
int32_t Hotspot5MouseClick(PixelPoint, uint32_t) { return Toggle(kAlertDisplay); }
int32_t Hotspot8MouseClick(PixelPoint, uint32_t) { return Toggle(kSidePanel); }
int32_t Hotspot9MouseUpper(PixelPoint, uint32_t) { return Toggle(kUpperOverhead); }
int32_t Hotspot9MouseLower(PixelPoint, uint32_t) { return Toggle(kOverhead); }
int32_t Hotspot10MouseClick(PixelPoint, uint32_t) { return FlipView(kMainVfrPanel, kMainPanel, kMainPanel); }
int32_t Hotspot11MouseClick(PixelPoint, uint32_t) { return Toggle(kSidePanel); }
int32_t Hotspot12MouseCdu(PixelPoint, uint32_t) { return Toggle(kCdu); }
int32_t Hotspot12MouseUpperPedestal(PixelPoint, uint32_t) { return Toggle(kUpperPedestal); }
int32_t Hotspot12MouseLowerPedestal(PixelPoint, uint32_t) { return Toggle(kLowerPedestal); }
int32_t Hotspot13MouseUpper(PixelPoint, uint32_t) { return Show(kUpperOverhead); }
int32_t Hotspot13MouseLower(PixelPoint, uint32_t) { return Toggle(kOverhead); }
int32_t Hotspot14MouseClick(PixelPoint, uint32_t) { return Toggle(kUpperOverhead); }
int32_t Hotspot15MouseUpper(PixelPoint, uint32_t) { return Toggle(kUpperPedestal); }
int32_t Hotspot15MouseLower(PixelPoint, uint32_t) { return Show(kLowerPedestal); }
int32_t Hotspot16MouseUpper(PixelPoint, uint32_t) { return Show(kUpperPedestal); }

// Both pedestal windows go, whichever of them is open.
int32_t Hotspot16MouseLower(PixelPoint, uint32_t) {
  Close(kUpperPedestal);
  return Close(kLowerPedestal);
}

int32_t Hotspot20MouseClick(PixelPoint, uint32_t) { return Close(kSidePanel); }
int32_t Hotspot21MouseClick(PixelPoint, uint32_t) { return Close(kFirstOfficerPanel); }
int32_t Hotspot22MouseClick(PixelPoint, uint32_t) { return Toggle(kChecklistCard); }
int32_t Hotspot23MouseClick(PixelPoint, uint32_t) { return Toggle(kTrainingCentre); }
int32_t Hotspot24MouseClick(PixelPoint, uint32_t) {
  return FlipView(kMainPanel, kMainCentredPanel, kMainCentredPanel);
}
int32_t Hotspot25MouseCdu(PixelPoint, uint32_t) { return Toggle(kCdu); }
int32_t Hotspot25MouseUpperPedestal(PixelPoint, uint32_t) { return Toggle(kUpperPedestal); }
int32_t Hotspot25MouseLowerPedestal(PixelPoint, uint32_t) { return Toggle(kLowerPedestal); }
int32_t Hotspot25MouseCdu2(PixelPoint, uint32_t) { return Toggle(kCdu); }
int32_t Hotspot28MouseClick(PixelPoint, uint32_t) { return Toggle(kFlightGuidancePanel); }

int32_t Hotspot30MouseClick(PixelPoint, uint32_t) {
  StepChecklist();
  return 1;
}

int32_t Hotspot31MouseClick(PixelPoint, uint32_t) { return Toggle(kPushback); }

int32_t WindowClose1MouseClick(PixelPoint, uint32_t) { return Close(kOverhead); }
int32_t WindowClose2MouseClick(PixelPoint, uint32_t) { return Close(kUpperPedestal); }
int32_t WindowClose3MouseClick(PixelPoint, uint32_t) { return Close(kLowerPedestal); }
int32_t WindowClose4MouseClick(PixelPoint, uint32_t) { return Close(kSidePanel); }
int32_t WindowClose5MouseClick(PixelPoint, uint32_t) { return Close(kFirstOfficerPanel); }
int32_t WindowClose6MouseClick(PixelPoint, uint32_t) { return Close(kCdu); }
int32_t WindowClose8MouseClick(PixelPoint, uint32_t) { return Close(kAlertDisplay); }
int32_t WindowClose9MouseClick(PixelPoint, uint32_t) { return Close(kUpperOverhead); }

}  // namespace halcyon
