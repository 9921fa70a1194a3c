// The scenario's token names.
#include "simhost/token_names.h"

#include <cstdlib>
#include <strings.h>

namespace simhost {
namespace {

constexpr double kLatitudeScale = 40007000.0 / 360.0;
constexpr double kLongitudeScale = 281474976710656.0 / 360.0;  // 2^48 per turn
constexpr double kMpsPerKt = 1852.0 / 3600.0;
constexpr double kRadPerDeg = 0.017453292519943295;

constexpr TokenName kTokenNames[] = {
    {"tick18", 1, 1.0, "ticks"},
    {"clock_hour", 3, 1.0, "h"},
    {"clock_minute", 4, 1.0, "min"},
    {"clock_second", 5, 1.0, "s"},
    {"zulu_hour", 6, 1.0, "h"},
    {"zulu_minute", 7, 1.0, "min"},
    {"zulu_day", 8, 1.0, "day of year"},
    {"zulu_year", 9, 1.0, "year"},
    {"course_needle", 40, 1.0, "+-127 full scale"},
    {"glideslope_needle", 41, 1.0, "+-119 full scale, positive below the slope (fly up)"},
    {"nav_signal", 43, 1.0, "1 = valid"},
    {"on_ground", 60, 1.0, "flag"},
    {"ias", 61, 1.0, "kt"},
    {"vmo", 63, 128.0, "kt"},
    {"mach", 64, 20480.0, "Mach"},
    {"vertical_speed", 65, 1.3, "ft/min"},
    {"latitude", 71, kLatitudeScale, "deg north"},
    {"longitude", 72, kLongitudeScale, "deg east"},
    {"altitude_m", 73, 1.0, "m"},
    {"altitude", 74, 1.0, "ft"},
    {"altimeter_mb", 75, 1.0, "mb"},
    {"altimeter_inhg", 76, 1.0, "inHg"},
    {"magnetic_variation", 82, 1.0, "deg east"},
    {"heading", 86, 1.0, "deg"},
    {"autopilot", 103, 1.0, "flag"},
    {"ap_ias_hold", 115, 1.0, "flag"},
    {"ap_ias", 116, 1.0, "kt"},
    {"ap_mach_hold", 117, 1.0, "flag"},
    {"ap_mach", 118, 1.0, "Mach"},
    {"throttle1", 128, 1.0, "0..16384"},
    {"mixture1", 130, 1.0, "0 cut off..16384"},
    {"engine1_running", 131, 1.0, "flag"},
    {"fuel_flow1", 138, 1.0, "lb/h"},
    {"throttle2", 163, 1.0, "0..16384"},
    {"mixture2", 165, 1.0, "0 cut off..16384"},
    {"engine2_running", 166, 1.0, "flag"},
    {"fuel_flow2", 173, 1.0, "lb/h"},
    {"fuel_right", 303, 1.0, "gal"},
    {"fuel_left", 304, 1.0, "gal"},
    {"fuel_center", 305, 1.0, "gal"},
    {"fuel_weight_per_gallon", 306, 1.0, "lb/gal"},
    {"fuel_selector1", 307, 1.0, "1 all, 2 left, 3 right, 6 centre"},
    {"brake_left", 320, 1.0, "0..32767"},
    {"brake_right", 321, 1.0, "0..32767"},
    {"brakes", 322, 1.0, "0..32767"},
    {"parking_brake", 323, 1.0, "flag"},
    {"spoiler_arm", 324, 1.0, "flag"},
    {"spoiler_handle", 325, 1.0, "0 stowed..16384"},
    {"spoiler_left", 326, 1.0, "0..16383, 1000 and more deployed"},
    {"spoiler_right", 327, 1.0, "0..16383, 1000 and more deployed"},
    {"flap_handle", 328, 1.0, "0..16383"},
    {"flaps", 329, 1.0, "0..16383"},
    {"gear_handle", 331, 1.0, "0 up, 16383 down"},
    {"gear_position", 332, 1.0, "0..16383"},
    {"gear_left", 333, 1.0, "0 up, 16383 down"},
    {"gear_right", 334, 1.0, "0 up, 16383 down"},
    {"units", 335, 1.0, "0 US, 1 and 2 metric"},
    {"wind_speed", 343, 1.0, "kt"},
    {"wind_direction", 344, 1.0, "deg"},
    {"outside_temp", 350, 1.0 / 256.0, "deg C"},
    {"master_alternator", 363, 1.0, "flag"},
    {"master_battery", 364, 1.0, "flag"},
    {"starter1", 563, 1.0, "flag"},
    {"starter2", 573, 1.0, "flag"},
    {"sim_clock", 604, 1.0, "s, grows 1/18 s a tick"},
    {"radio_altitude", 614, 0.3048, "ft"},
    {"n1_1", 624, 1.0, "%"},
    {"n2_1", 625, 1.0, "%"},
    {"n1_2", 643, 1.0, "%"},
    {"n2_2", 644, 1.0, "%"},
    {"avionics_master", 740, 1.0, "flag"},
    {"elevator_trim", 783, 1.0, "rad"},
    {"autobrake", 743, 1.0, "the simulator's setting 0..5"},
    {"total_fuel_weight", 791, 1.0, "lb"},
    {"total_air_temp", 800, 1.0, "deg C"},
    {"mmo", 822, 1.0, "Mach"},
    {"ground_speed", 832, kMpsPerKt, "kt"},
    {"true_heading", 834, kRadPerDeg, "deg"},
    {"doors_open", 868, 1.0, "nonzero: a door open"},
    {"fuel_selector2", 906, 1.0, "1 all, 2 left, 3 right, 6 centre"},
    {"apu_rpm", 975, 0.01, "%"},
    {"apu_generator", 978, 1.0, "flag"},
};

}  // namespace

std::span<const TokenName> TokenNames() { return kTokenNames; }

std::optional<TokenName> FindToken(const std::string& nameOrNumber) {
  for (const TokenName& entry : kTokenNames) {
    if (strcasecmp(entry.name, nameOrNumber.c_str()) == 0) return entry;
  }
  char* end = nullptr;
  const long number = std::strtol(nameOrNumber.c_str(), &end, 10);
  if (nameOrNumber.empty() || *end != '\0' || number < 0 || number >= 1024) return std::nullopt;
  for (const TokenName& entry : kTokenNames) {
    if (entry.token == static_cast<uint32_t>(number)) return TokenName{entry.name, entry.token, 1.0, "raw"};
  }
  return TokenName{"", static_cast<uint32_t>(number), 1.0, "raw"};
}

}  // namespace simhost
