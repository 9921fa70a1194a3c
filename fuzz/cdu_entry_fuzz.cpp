// Any bytes as a scratchpad entry of up to 24 characters: each byte is one
// CDU typing key. Whatever a parser takes must be a value the
// pages can use, and a position written back for the scratchpad reads again
// as the same position to a tenth of a minute.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "fmc/entry_parse.h"

namespace {

constexpr wchar_t kKeys[] = L"0123456789./-ABCDEFGHIJKLMNOPQRSTUVWXYZ ";

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::wstring text;
  constexpr size_t kKeyCount = sizeof(kKeys) / sizeof(wchar_t) - 1;
  for (size_t i = 0; i < size && i < 24; ++i) {
    // A byte that is a key's character types it; any other byte some key.
    const wchar_t typed = static_cast<wchar_t>(data[i]);
    bool isKey = false;
    for (size_t k = 0; k < kKeyCount; ++k) isKey = isKey || kKeys[k] == typed;
    text += isKey ? typed : kKeys[data[i] % kKeyCount];
  }
  halcyon::CLatLon position;
  if (halcyon::ParseLatLon(text, &position)) {
    if (!position.IsValid()) std::abort();
    halcyon::CLatLon again;
    if (!halcyon::ParseLatLon(halcyon::FormatLatLonEntry(position), &again)) std::abort();
    if (std::fabs(again.GetLat() - position.GetLat()) > 1.0 / 1200.0 + 1e-9) std::abort();
    if (halcyon::FormatLatLon(position).size() > 24) std::abort();
  }
  double altitudeFt = -1.0;
  halcyon::AltConstraintType type = halcyon::AltConstraintType::None;
  if (halcyon::ParseAltitudeConstraint(text, &altitudeFt, &type)) {
    if (altitudeFt < 0.0 || altitudeFt > 45000.0 || type == halcyon::AltConstraintType::None) std::abort();
    if (halcyon::FormatAltitudeConstraint(altitudeFt, static_cast<int32_t>(type)).size() > 7) std::abort();
  }
  double courseDeg = -1.0;
  if (halcyon::ParseCourse(text, &courseDeg) && (courseDeg < 0.0 || courseDeg > 360.0)) std::abort();
  std::string ident;
  if (halcyon::ParseIdent(text, 5, &ident) && (ident.empty() || ident.size() > 5)) std::abort();
  return 0;
}
