// The EFIS control panel: the navigation display's mode and range, the ADF 1
// pointer switch and the four map display-control toggles, from [EFIS MCP]
// of the aircraft INI file. The ND, PFD and FMS read it; the panel gauges'
// mouse functions step and toggle it. No per-tick work.
#pragma once

#include <cstdint>

namespace halcyon {

enum EfisMode : uint32_t { kEfisModeRose = 0, kEfisModeArc = 1, kEfisModeMap = 2, kEfisModePlan = 3 };
constexpr uint32_t kEfisModeMax = kEfisModePlan;
// Range index 0..5: 10, 20, 40, 80, 160, 320 NM (the radar uses the same).
constexpr uint32_t kRangeIndexMax = 5;

// The display-control toggles, by index.
enum EfisDisplayControl : uint32_t { kDcNavaids = 0, kDcAirports = 1, kDcData = 2, kDcWaypoints = 3 };
constexpr uint32_t kEfisDisplayControlCount = 4;

struct EfisMcp {
  uint32_t mode;   // EfisMode
  uint32_t adf1;   // any non-zero value is on
  uint32_t range;  // range index
  uint32_t declutterNaid;
  uint32_t declutterArpt;
  uint32_t declutterData;
  uint32_t declutterWpt;
};
extern EfisMcp g_efisMcp;

// Start-up and shut-down. The mode and range index tables of the drawings:
// a stored value beyond their last entry loads as that entry.
void LoadEfisMcp();
void SaveEfisMcp();

uint32_t GetEfisMode();
uint32_t GetEfisAdf1();
uint32_t GetEfisRange();
// The toggle of index n; 0 for any other n.
uint32_t GetEfisDisplayControl(uint32_t n);

// Steps that stop at their ends.
void IncrementEfisMode();
void DecrementEfisMode();
void IncrementEfisRange();
void DecrementEfisRange();
void ToggleEfisAdf1();
// Flips toggle n (0..3); any other n does nothing.
void ToggleEfisDisplayControl(uint32_t n);

}  // namespace halcyon
