// The electrical system: the two AC buses fed by the engine generators, the
// APU generator or external power, the battery, and the once-a-second power
// verdict that every lamp and display tests. Reads the generator and bus
// switches, the APU, the engines' combustion tokens and the simulator's
// masters; drives the simulator's battery, alternator and avionics masters.
#pragma once

#include <cstdint>

#include "core/switch.h"

namespace halcyon {

// [ELECTRIC] controls; on when their flag is clear unless said otherwise.
extern CSwitch g_gen1Switch;            // "gen_1", default 41
extern CSwitch g_gen2Switch;            // "gen_2", default 41
extern CSwitch g_apuGenSwitch;          // "apu_gen", default 43
extern CSwitch g_apuBus1Switch;         // "apu_bus_1_sw", default 120
extern CSwitch g_apuBus2Switch;         // "apu_bus_2_sw", default 120
extern CSwitch g_externalPowerSwitch;   // "ext_pwr_avaiL", default 45: available and connected
extern CSwitch g_externalBus1Switch;    // "ext_bus_1_sw", default 120
extern CSwitch g_externalBus2Switch;    // "ext_bus_2_sw", default 120
extern CSwitch g_acBusTieSwitch;        // "ac_bus_x_tie", default 44: tie closed
extern CSwitch g_dcBusTieSwitch;        // "dc_bus_x_tie", default 42 (gauges only)
extern CSwitch g_galleyPowerSwitch;     // "galley_pwr", default 120 (gauges only)
extern CSwitch g_meterSelector;         // "indicator_selector", default 1 (gauges only)
extern CSwitch g_csdDisconnectGuard1;   // "csd_disc_1": 43 at every load, saved only
extern CSwitch g_csdDisconnectGuard2;   // "csd_disc_2"
extern CSwitch g_csdTempDisplaySwitch;  // 120 at load, moved by the Electrical gauge

enum ElectricPosition : int32_t {
  kCsdGuardClosed = 43,
  kAcBusTieClosed = 44,
  kExternalPowerAvailable = 45,
};

enum PowerState : int32_t { kPowerNone = 0, kPowerNormal = 1, kPowerTransfer = 2 };
enum PowerSource : int32_t {
  kSourceNone = 0,
  kSourceBattery = 1,
  kSourceGenerator = 2,
  kSourceApu = 3,
  kSourceExternal = 4,
};
enum CsdState : int32_t { kCsdOff = 0, kCsdWarming = 1, kCsdAtTemp = 2, kCsdCooling = 3 };
enum BatteryChargeState : int32_t { kBatteryDischarging = 0, kBatteryCharging = 1, kBatteryFull = 2 };
// Seconds of panel power a full battery gives without AC power.
constexpr double kBatteryFullCharge = 1800.0;

// The simulator's master switches, kept in step with the verdict by toggles.
constexpr uint32_t kKeyEventToggleMasterBattery = 66241;
constexpr uint32_t kKeyEventToggleMasterAlternator = 66242;
constexpr uint32_t kKeyEventToggleAvionicsMaster = 66293;

void LoadElectric();
void UpdateElectric();
void SaveElectric();

// The verdict, recomputed once a second.
uint32_t IsPanelPowered();
uint32_t IsPowerState(uint32_t state);
int32_t GetPowerState();
// 0 until the first verdict after start-up: until then "no power" only means
// "not yet known", and systems that switch off without power wait for it.
uint32_t IsFirstPowerVerdictDone();

// Engines and buses by index 0 (left, engine 1) and 1 (right, engine 2);
// any other index gives 0.
uint32_t IsGeneratorOnline(int32_t side);
uint32_t IsApuFeedingBus(int32_t side);
uint32_t IsExternalPowerFeedingBus(int32_t side);
uint32_t IsAcBusPowered(int32_t side);
uint32_t IsExternalPowerConnected();
uint32_t IsBatteryAvailable();
int32_t GetBatteryChargeState();
double GetBatteryCharge();
// Held within 0..full charge.
void SetBatteryCharge(double charge);
// Slot 0 the source now, slot 1 the source a second ago; 0 for other slots.
int32_t GetPowerSourceIndication(int32_t slot);

// The Electrical gauge's CSD disconnect, and what it shows.
void DisconnectCsd(int32_t engine);
void ReconnectCsd(int32_t engine);
uint32_t IsCsdConnected(int32_t engine);
double GetCsdTemperature(int32_t engine);

// The overhead panel's source lamps of each bus, set every step: the APU lamp
// while the APU feeds a bus its generator does not, the external lamp while
// external power does and neither the generator nor the APU.
uint32_t IsApuOnBusLampOn(int32_t side);
uint32_t IsExternalOnBusLampOn(int32_t side);

}  // namespace halcyon
