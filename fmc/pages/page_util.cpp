// Helpers of the CDU pages.
#include "fmc/pages/page_util.h"

#include <cwchar>

namespace halcyon {

bool TakeIdentEntry(CFms& fms, size_t maxLength, std::string* ident) {
  if (!ParseIdent(fms.Scratchpad().Text(), maxLength, ident)) {
    fms.PostMessage(CduMessage::InvalidEntry);
    return false;
  }
  return true;
}

CLatLon SearchCentre(CFms& fms) {
  const CLatLon* position = fms.GetAfmcPosition();
  return position->IsValid() ? *position : fms.GetFmsNav()->GetAircraftPosition();
}

const CAirport* FindAirportOrSay(CFms& fms, const std::string& ident) {
  const CAirport* airport = fms.GetNavDatabase()->FindAirport(ident, SearchCentre(fms));
  if (airport == nullptr) fms.PostMessage(CduMessage::NotInDataBase);
  return airport;
}

std::wstring RouteTitle(const CFmsNav& nav, int32_t n, const wchar_t* suffix) {
  std::wstring title;
  if (nav.HasChangePending(n)) {
    title = L"MOD ";
  } else if (nav.GetExecRoute() == n) {
    title = L"ACT ";
  }
  title += n == 2 ? L"RTE 2" : L"RTE 1";
  return title + suffix;
}

void PutPageNumber(CCduScreen& screen, int page, int pages) {
  wchar_t text[12];
  std::swprintf(text, 12, L"%d/%d", page, pages);
  screen.PutRight(CCduScreen::kTitleLine, text);
}

}  // namespace halcyon
