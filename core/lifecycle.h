// The lifecycle dispatcher: the first gauge passes every panel service id to
// RunSystemsLifecycle, which starts, steps and shuts down the whole cockpit.
#pragma once

#include <cstdint>
#include <span>

namespace halcyon {

void RunSystemsLifecycle(uint32_t serviceId);

struct LifecycleStep {
  const char* name;
  void (*run)();
};
std::span<const LifecycleStep> StartupList();
std::span<const LifecycleStep> TickList();
std::span<const LifecycleStep> ShutdownList();

// GDI+ runs while this flag is 1; the glass displays draw only then.
void StartGdiplus();
void ResetGdiplusStarted();
void SetGdiplusStarted(uint32_t started);
uint32_t IsGdiplusStarted();

uint8_t AreSystemsLoaded();

}  // namespace halcyon
