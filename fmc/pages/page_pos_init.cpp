// POS INIT: the reference airport (1L, its position at 1R), the FMS position
// (2R), the present position (3R) and SET IRS POS (4R). A right key with an
// empty scratchpad copies its position there; SET IRS POS takes one.
#include "fmc/entry_parse.h"
#include "fmc/fms.h"
#include "fmc/pages/page_util.h"
#include "fmc/pages/pages.h"

namespace halcyon {
namespace {

constexpr int kRefAirportRow = 0;
constexpr int kFmsPositionRow = 1;
constexpr int kPresentPositionRow = 2;
constexpr int kSetIrsRow = 3;
constexpr const wchar_t* kBoxedPosition = L"[[[°[[.[ [[[[°[[.[";

}  // namespace

void CPosInitPage::OnLineSelect(int key) {
  CScratchpad& pad = fms_.Scratchpad();
  if (key == 5) return fms_.ShowPage(CduPageId::Index);
  if (key == 11) return fms_.ShowPage(CduPageId::Rte);
  if (pad.IsDelete()) return fms_.PostMessage(CduMessage::InvalidDelete);
  const int row = Row(key);
  if (IsLeftKey(key)) {
    if (row != kRefAirportRow || pad.IsEmpty()) return;
    std::string ident;
    if (!TakeIdentEntry(fms_, kAirportIdentMax, &ident) || FindAirportOrSay(fms_, ident) == nullptr) return;
    refAirport_ = ident;
    pad.Take();
    return;
  }
  if (row == kSetIrsRow && !pad.IsEmpty()) {
    CLatLon entered;
    if (!ParseLatLon(pad.Text(), &entered) || !fms_.GetFmsNav()->SetIrsPosition(entered)) {
      return fms_.PostMessage(CduMessage::InvalidEntry);
    }
    pad.Take();
    return;
  }
  if (!pad.IsEmpty()) return fms_.PostMessage(CduMessage::InvalidEntry);
  CLatLon copied;
  if (row == kRefAirportRow && !refAirport_.empty()) {
    const CAirport* airport = fms_.GetNavDatabase()->FindAirport(refAirport_, SearchCentre(fms_));
    if (airport != nullptr) copied = *airport->GetPosition();
  } else if (row == kFmsPositionRow) {
    copied = *fms_.GetAfmcPosition();
  } else if (row == kPresentPositionRow) {
    copied = fms_.GetFmsNav()->GetAircraftPosition();
  }
  if (copied.IsValid()) pad.Set(FormatLatLonEntry(copied));
}

void CPosInitPage::Draw(CCduScreen& screen) {
  screen.PutCentre(CCduScreen::kTitleLine, L"POS INIT");
  screen.LeftLabel(kRefAirportRow, L"REF AIRPORT");
  screen.LeftData(kRefAirportRow, refAirport_.empty() ? L"----" : Widen(refAirport_).c_str());
  if (!refAirport_.empty()) {
    const CAirport* airport = fms_.GetNavDatabase()->FindAirport(refAirport_, SearchCentre(fms_));
    if (airport != nullptr) screen.RightData(kRefAirportRow, FormatLatLon(*airport->GetPosition()).c_str());
  }
  screen.RightLabel(kFmsPositionRow, L"FMS POS");
  screen.RightData(kFmsPositionRow, FormatLatLon(*fms_.GetAfmcPosition()).c_str(), CduColor::Green);
  screen.RightLabel(kPresentPositionRow, L"PRESENT POS");
  screen.RightData(kPresentPositionRow, FormatLatLon(fms_.GetFmsNav()->GetAircraftPosition()).c_str());
  screen.RightLabel(kSetIrsRow, L"SET IRS POS");
  if (!fms_.GetFmsNav()->IsPositionInitialised()) screen.RightData(kSetIrsRow, kBoxedPosition);
  screen.LeftData(5, L"<INDEX");
  screen.RightData(5, L"ROUTE>");
}

}  // namespace halcyon
