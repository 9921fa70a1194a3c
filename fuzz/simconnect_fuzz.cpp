// Arbitrary bytes as one incoming client-interface message: reading never
// goes past the message, the texts always end within their buffers, and a
// cloud-state grid lies wholly inside the message.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "host/simconnect_messages.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  // An exact-size copy, so the address sanitizer sees any read past the end.
  std::vector<uint8_t> message(data, data + size);
  const uint32_t length = static_cast<uint32_t>(size);
  const halcyon::IncomingMessage read = halcyon::ReadIncomingMessage(message.empty() ? nullptr : message.data(), length);
  if (std::memchr(read.aircraft.atcId, 0, sizeof(read.aircraft.atcId)) == nullptr) std::abort();
  if (std::memchr(read.aircraft.trafficState, 0, sizeof(read.aircraft.trafficState)) == nullptr) std::abort();
  if (read.kind == halcyon::IncomingKind::CloudState) {
    const uint8_t* first = read.densities;
    if (first < message.data() || first + halcyon::kCloudStateBytes > message.data() + message.size()) std::abort();
    // Every cell is read, as the dispatch copies them into a grid.
    volatile uint32_t sum = 0;
    for (uint32_t i = 0; i < halcyon::kCloudStateBytes; ++i) sum = sum + first[i];
  }
  return 0;
}
