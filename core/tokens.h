// The simulator's token variables that the cockpit reads and the host writes:
// for each its number, the name scenario files call it by, the factor from its
// everyday unit to the token's own value, and that everyday unit. This list is
// the one place a token's number and scale are written down; the module reads
// through core/panel_services.h, the host names and writes from the same rows.
//
// Where an enumerator's name carries a unit (AltitudeM, GroundSpeedMps) it is
// the token's own unit; the table's unit is the one the scale converts to:
// token value = everyday value x scale.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <iterator>

namespace halcyon {

constexpr double kFeetPerMetre = 3.28084;

// X(enumerator, number, scenario name, scale, everyday unit)
#define HALCYON_TOKEN_LIST(X)                                                                        \
  X(Tick18, 1, "tick18", 1.0, "ticks")                                                               \
  X(ClockHour, 3, "clock_hour", 1.0, "h")                                                            \
  X(ClockMinute, 4, "clock_minute", 1.0, "min")                                                      \
  X(ClockSecond, 5, "clock_second", 1.0, "s")                                                        \
  X(ZuluHour, 6, "zulu_hour", 1.0, "h")                                                              \
  X(ZuluMinute, 7, "zulu_minute", 1.0, "min")                                                        \
  X(ZuluDayOfYear, 8, "zulu_day", 1.0, "day of year")                                                \
  X(ZuluYear, 9, "zulu_year", 1.0, "year")                                                           \
  X(PanelLights, 10, "panel_lights", 1.0, "flag")                                                    \
  X(StrobeLights, 11, "strobe_lights", 1.0, "flag")                                                  \
  X(PitotHeat, 13, "pitot_heat", 1.0, "flag")                                                        \
  X(LandingLights, 14, "landing_lights", 1.0, "flag")                                                \
  X(AdfAudio, 21, "adf_audio", 1.0, "flag")                                                          \
  X(Comm1Active, 23, "comm1", 1.0, "BCD")                                                            \
  X(Nav1Frequency, 24, "nav1", 1.0, "BCD")                                                           \
  X(Vor1Radial, 25, "vor1_radial", 182.044444444, "deg, 65536 a turn")                               \
  X(Nav1Audio, 26, "nav1_audio", 1.0, "flag")                                                        \
  X(Nav2Frequency, 27, "nav2", 1.0, "BCD")                                                           \
  X(Vor2Radial, 28, "vor2_radial", 182.044444444, "deg, 65536 a turn")                               \
  X(Nav2Audio, 29, "nav2_audio", 1.0, "flag")                                                        \
  X(Dme1Nm, 31, "dme1", 1.0, "NM to the station, the DFGS's VOR proximity")                          \
  X(Dme1Audio, 33, "dme1_audio", 1.0, "flag")                                                        \
  X(Dme2Nm, 35, "dme2", 1.0, "NM")                                                                   \
  X(Dme2Audio, 37, "dme2_audio", 1.0, "flag")                                                        \
  X(TransponderCode, 38, "transponder", 1.0, "BCD")                                                  \
  X(AdfBearingDeg, 39, "adf_bearing", 1.0, "deg, 90 without a station")                              \
  X(CourseNeedle, 40, "course_needle", 1.0, "+-127 full scale")                                      \
  X(GlideSlopeNeedle, 41, "glideslope_needle", 1.0, "+-119 full scale, positive below the slope")    \
  X(Nav1Flags, 42, "nav1_flags", 1.0, "bits, 4 glide slope flagged")                                 \
  X(Nav1ToFrom, 43, "nav_signal", 1.0, "0 off, 1 to, 2 from")                                        \
  X(RisingRunway, 44, "rising_runway", 1.0, "flag")                                                  \
  X(Nav1CourseDeg, 45, "nav1_course", 1.0, "deg")                                                    \
  X(Nav1Code, 46, "nav1_code", 1.0, "bits, 0x80 localizer, 0x40 glide slope, 8 no signal")           \
  X(Nav2CourseNeedle, 50, "course_needle2", 1.0, "+-127 full scale")                                 \
  X(Nav2Flags, 51, "nav2_flags", 1.0, "bits")                                                        \
  X(Nav2ToFrom, 52, "nav2_signal", 1.0, "0 off, 1 to, 2 from")                                       \
  X(Nav2CourseDeg, 54, "nav2_course", 1.0, "deg")                                                    \
  X(Nav2Code, 55, "nav2_code", 1.0, "bits, as nav1_code")                                            \
  X(OnGround, 60, "on_ground", 1.0, "flag")                                                          \
  X(IndicatedAirspeedKt, 61, "ias", 1.0, "kt")                                                       \
  X(MaxOperatingSpeed, 63, "vmo", 128.0, "kt")                                                       \
  X(Mach, 64, "mach", 20480.0, "Mach")                                                               \
  X(VerticalSpeed, 65, "vertical_speed", 1.3, "ft/min")                                              \
  X(StallWarning, 67, "stall_warning", 1.0, "flag")                                                  \
  X(Slip, 69, "slip", 1.0, "ball units")                                                             \
  X(Latitude, 71, "latitude", 40007000.0 / 360.0, "deg north")                                       \
  X(Longitude, 72, "longitude", 281474976710656.0 / 360.0, "deg east")                               \
  X(AltitudeM, 73, "altitude_m", 1.0, "m")                                                           \
  X(AltitudeFt, 74, "altitude", 1.0, "ft")                                                           \
  X(AltimeterMb, 75, "altimeter_mb", 1.0, "mb")                                                      \
  X(AltimeterInHg, 76, "altimeter_inhg", 1.0, "inHg")                                                \
  X(SpeedDecayRecovery, 77, "speed_decay", 1.0, "negative while decaying")                           \
  X(PitchDeg, 78, "pitch", 1.0, "deg, nose down positive")                                           \
  X(BankDeg, 80, "bank", 1.0, "deg")                                                                 \
  X(MagneticHeadingDeg, 81, "magnetic_heading", 1.0, "deg")                                          \
  X(MagneticVariationDeg, 82, "magnetic_variation", 1.0, "deg east")                                 \
  X(HeadingDeg, 86, "heading", 1.0, "deg true")                                                      \
  X(AutopilotEngaged, 103, "autopilot", 1.0, "flag")                                                 \
  X(Nav1Lock, 105, "nav1_lock", 1.0, "flag")                                                         \
  X(HeadingLock, 106, "heading_lock", 1.0, "flag")                                                   \
  X(HeadingBugDeg, 107, "heading_bug", 1.0, "deg")                                                   \
  X(AltitudeLock, 108, "altitude_lock", 1.0, "flag")                                                 \
  X(AutopilotAltitudeFt, 109, "ap_altitude", 1.0, "ft")                                              \
  X(GlideSlopeHold, 111, "glideslope_hold", 1.0, "flag")                                             \
  X(ApproachHold, 112, "approach_hold", 1.0, "flag")                                                 \
  X(YawDamper, 114, "yaw_damper", 1.0, "flag")                                                       \
  X(AutopilotAirspeedHold, 115, "ap_ias_hold", 1.0, "flag")                                          \
  X(AutopilotAirspeedKt, 116, "ap_ias", 1.0, "kt")                                                   \
  X(AutopilotMachHold, 117, "ap_mach_hold", 1.0, "flag")                                             \
  X(AutopilotMach, 118, "ap_mach", 1.0, "Mach")                                                      \
  X(AutopilotVerticalSpeedFpm, 120, "ap_vertical_speed", 1.0, "ft/min")                              \
  X(AutothrottleArmed, 123, "autothrottle_armed", 1.0, "flag")                                       \
  X(TogaPower, 124, "toga", 1.0, "flag")                                                             \
  X(Engine1Throttle, 128, "throttle1", 1.0, "0..16384, negative in reverse")                         \
  X(Engine1Mixture, 130, "mixture1", 1.0, "0 cut off..16384")                                        \
  X(Engine1Combustion, 131, "engine1_running", 1.0, "flag")                                          \
  X(Engine1FuelFlow, 138, "fuel_flow1", 1.0, "lb/h")                                                 \
  X(Engine1Egt, 144, "egt1", 1.0, "engine display units")                                            \
  X(Engine1OilTemperature, 147, "oil_temp1", 117.03, "system display units")                         \
  X(Engine1OilPressure, 148, "oil_pressure1", 1.0, "engine display units")                           \
  X(Engine1OilQuantity, 149, "oil_quantity1", 1024.0, "system display units")                        \
  X(Engine1HydraulicOutput, 150, "hydraulic_output1", 1569.0, "psi")                                 \
  X(Engine1HydraulicQuantity, 151, "hydraulic_quantity1", 862.32, "system display units")            \
  X(Engine2Throttle, 163, "throttle2", 1.0, "0..16384, negative in reverse")                         \
  X(Engine2Mixture, 165, "mixture2", 1.0, "0 cut off..16384")                                        \
  X(Engine2Combustion, 166, "engine2_running", 1.0, "flag")                                          \
  X(Engine2FuelFlow, 173, "fuel_flow2", 1.0, "lb/h")                                                 \
  X(Engine2Egt, 179, "egt2", 1.0, "engine display units")                                            \
  X(Engine2OilTemperature, 182, "oil_temp2", 117.03, "system display units")                         \
  X(Engine2OilPressure, 183, "oil_pressure2", 1.0, "engine display units")                           \
  X(Engine2OilQuantity, 184, "oil_quantity2", 1024.0, "system display units")                        \
  X(Engine2HydraulicOutput, 185, "hydraulic_output2", 1569.0, "psi")                                 \
  X(Engine2HydraulicQuantity, 186, "hydraulic_quantity2", 862.32, "system display units")            \
  X(FuelRightGal, 303, "fuel_right", 1.0, "gal")                                                     \
  X(FuelLeftGal, 304, "fuel_left", 1.0, "gal")                                                       \
  X(FuelCenterGal, 305, "fuel_center", 1.0, "gal")                                                   \
  X(FuelWeightLbPerGallon, 306, "fuel_weight_per_gallon", 1.0, "lb/gal")                             \
  X(Engine1FuelSelector, 307, "fuel_selector1", 1.0, "1 all, 2 left, 3 right, 6 centre")             \
  X(LeftBrakePedal, 320, "brake_left", 1.0, "0..32767")                                              \
  X(RightBrakePedal, 321, "brake_right", 1.0, "0..32767")                                            \
  X(BrakeValue, 322, "brakes", 1.0, "0..32767")                                                      \
  X(ParkingBrake, 323, "parking_brake", 1.0, "flag")                                                 \
  X(SpoilerArm, 324, "spoiler_arm", 1.0, "flag")                                                     \
  X(SpoilerHandle, 325, "spoiler_handle", 1.0, "0 stowed..16384")                                    \
  X(SpoilerLeft, 326, "spoiler_left", 1.0, "0..16383, 1000 and more deployed")                       \
  X(SpoilerRight, 327, "spoiler_right", 1.0, "0..16383, 1000 and more deployed")                     \
  X(FlapHandle, 328, "flap_handle", 1.0, "0..16384, 3276.8 a detent")                               \
  X(FlapPosition, 329, "flaps", 1.0, "0..16384, left")                                               \
  X(FlapPositionRight, 330, "flaps_right", 1.0, "0..16384")                                          \
  X(GearHandle, 331, "gear_handle", 1.0, "0 up, 16383 down")                                         \
  X(GearPosition, 332, "gear_position", 1.0, "nose gear, 0 up..16383 down")                          \
  X(GearLeftPosition, 333, "gear_left", 1.0, "0 up, 16383 down")                                     \
  X(GearRightPosition, 334, "gear_right", 1.0, "0 up, 16383 down")                                   \
  X(UnitsOfMeasure, 335, "units", 1.0, "0 US, 1 metric with feet, 2 metric")                         \
  X(OutsideAirTempDegC, 341, "outside_air_temp", 1.0, "deg C")                                       \
  X(WindSpeedKt, 343, "wind_speed", 1.0, "kt")                                                       \
  X(WindDirectionDeg, 344, "wind_direction", 1.0, "deg")                                             \
  X(AmbientTemp, 350, "outside_temp", 1.0 / 256.0, "deg C")                                          \
  X(MarkerBeacon, 354, "marker", 1.0, "0 none, 1 outer, 2 middle, 3 inner")                          \
  X(MasterAlternator, 363, "master_alternator", 1.0, "flag")                                         \
  X(MasterBattery, 364, "master_battery", 1.0, "flag")                                               \
  X(BeaconLights, 368, "beacon_lights", 1.0, "flag")                                                 \
  X(TaxiLights, 369, "taxi_lights", 1.0, "flag")                                                     \
  X(SimulatorClockSeconds, 557, "sim_seconds", 1.0, "s")                                             \
  X(Engine1Starter, 563, "starter1", 1.0, "flag")                                                    \
  X(Engine2Starter, 573, "starter2", 1.0, "flag")                                                    \
  X(SimulationClock, 604, "sim_clock", 1.0, "s, grows 1/18 s a tick")                                \
  X(RadioAltitudeM, 614, "radio_altitude", 1.0 / kFeetPerMetre, "ft")                                \
  X(Comm1Standby, 617, "comm1_standby", 1.0, "BCD")                                                  \
  X(NavLights, 619, "nav_lights", 1.0, "flag")                                                       \
  X(KeyEventLamp, 620, "key_event_lamp", 1.0, "flag")                                                \
  X(LogoLights, 621, "logo_lights", 1.0, "flag")                                                     \
  X(Engine1N1Pct, 624, "n1_1", 1.0, "%")                                                             \
  X(Engine1N2Pct, 625, "n2_1", 1.0, "%")                                                             \
  X(Engine2N1Pct, 643, "n1_2", 1.0, "%")                                                             \
  X(Engine2N2Pct, 644, "n2_2", 1.0, "%")                                                             \
  X(AvionicsMaster, 740, "avionics_master", 1.0, "flag")                                             \
  X(AutobrakeSetting, 743, "autobrake", 1.0, "the simulator's setting 0..5")                         \
  X(AlertLampAngleRad, 782, "alert_lamp_angle", 1.0, "rad")                                          \
  X(ElevatorTrimRad, 783, "elevator_trim", 1.0, "rad")                                               \
  X(AileronTrimRad, 785, "aileron_trim", 1.0, "rad")                                                 \
  X(SteeringRad, 786, "steering", 1.0, "rad")                                                        \
  X(RudderTrimRad, 787, "rudder_trim", 1.0, "rad")                                                   \
  X(TotalFuelWeightLb, 791, "total_fuel_weight", 1.0, "lb")                                          \
  X(FlightDirector, 792, "flight_director", 1.0, "flag")                                             \
  X(FlightDirectorPitchDeg, 793, "fd_pitch", 1.0, "deg")                                             \
  X(FlightDirectorBankDeg, 794, "fd_bank", 1.0, "deg")                                               \
  X(TotalAirTempDegC, 800, "total_air_temp", 1.0, "deg C")                                           \
  X(MaxOperatingMach, 822, "mmo", 1.0, "Mach")                                                       \
  X(GroundSpeedMps, 832, "ground_speed", 1852.0 / 3600.0, "kt")                                      \
  X(TrueHeadingRad, 834, "true_heading", 0.017453292519943295, "deg")                                \
  X(DfgsFlag848, 848, "dfgs_flag_848", 1.0, "flag")                                                  \
  X(DoorsOpen, 868, "doors_open", 1.0, "nonzero: a door open, the cabin follows the aircraft")       \
  X(Comm2Active, 870, "comm2", 1.0, "BCD")                                                           \
  X(Comm2Standby, 871, "comm2_standby", 1.0, "BCD")                                                  \
  X(Transmitter, 874, "transmitter", 1.0, "0 VHF 2, else VHF 1")                                     \
  X(MarkerAudio, 881, "marker_audio", 1.0, "flag")                                                   \
  X(Engine1Fire, 887, "fire1", 1.0, "flag")                                                          \
  X(Engine2Fire, 888, "fire2", 1.0, "flag")                                                          \
  X(Engine2FuelSelector, 906, "fuel_selector2", 1.0, "1 all, 2 left, 3 right, 6 centre")             \
  X(BankLimitRad, 958, "bank_limit", 1.0, "rad")                                                     \
  X(ApuRpmFraction, 975, "apu_rpm", 0.01, "%")                                                       \
  X(ApuGeneratorSwitch, 978, "apu_generator", 1.0, "flag")                                           \
  X(ApuFire, 980, "apu_fire", 1.0, "flag")

enum class Token : uint32_t {
#define HALCYON_TOKEN_ENUMERATOR(id, number, name, scale, unit) id = number,
  HALCYON_TOKEN_LIST(HALCYON_TOKEN_ENUMERATOR)
#undef HALCYON_TOKEN_ENUMERATOR
};

constexpr uint32_t kMaxTokenId = 1024;

struct TokenInfo {
  Token token;
  const char* name;  // as scenario files write it
  double scale;      // token value = value in `unit` x scale
  const char* unit;
};

inline constexpr TokenInfo kTokenTable[] = {
#define HALCYON_TOKEN_ROW(id, number, name, scale, unit) {Token::id, name, scale, unit},
    HALCYON_TOKEN_LIST(HALCYON_TOKEN_ROW)
#undef HALCYON_TOKEN_ROW
};

constexpr uint32_t TokenNumber(Token token) { return static_cast<uint32_t>(token); }

// Each token number's row in the list, so that a scale is found at once on
// the readers' paths, which run every tick and frame.
inline constexpr std::array<uint16_t, kMaxTokenId> kTokenRows = [] {
  std::array<uint16_t, kMaxTokenId> rows{};
  for (size_t i = 0; i < std::size(kTokenTable); ++i) rows[TokenNumber(kTokenTable[i].token)] = static_cast<uint16_t>(i);
  return rows;
}();

// The row of a token; every enumerator has one, since both come from the list.
constexpr const TokenInfo& DescribeToken(Token token) { return kTokenTable[kTokenRows[TokenNumber(token)]]; }

constexpr double TokenScale(Token token) { return DescribeToken(token).scale; }

// A NAV needle's full-scale deflection either way, in the token's own units,
// as its row's unit text gives it ("+-119 full scale"); 0 for a row without.
constexpr double NeedleFullScale(Token needle) {
  const char* text = DescribeToken(needle).unit;
  if (text[0] != '+' || text[1] != '-' || text[2] < '0' || text[2] > '9') return 0.0;
  double value = 0.0;
  for (const char* digit = text + 2; *digit >= '0' && *digit <= '9'; ++digit) value = value * 10.0 + (*digit - '0');
  return value;
}
static_assert(NeedleFullScale(Token::CourseNeedle) > 0.0 && NeedleFullScale(Token::GlideSlopeNeedle) > 0.0 &&
                  NeedleFullScale(Token::Nav2CourseNeedle) > 0.0,
              "a NAV needle's row gives its full scale");

// The simulator's flap handle (FlapHandle) has six detents, 0 (up) to 5
// (full), one every 3276.8 of its 0..16384. The cockpit and the host read a
// handle set between two detents alike: as the detent above it (a handle
// less than 5 past a detent still stands in it); one past full reads as up.
inline constexpr double kFlapDetentBelow[] = {5.0, 3281.8, 6558.6, 9835.4, 13112.2, 16389.0};
inline constexpr uint32_t kFlapDetentCount = static_cast<uint32_t>(std::size(kFlapDetentBelow));
constexpr uint32_t FlapDetentOfHandle(double handle) {
  for (uint32_t detent = 0; detent < kFlapDetentCount; ++detent) {
    if (handle < kFlapDetentBelow[detent]) return detent;
  }
  return 0;
}
// The handle standing in a detent (0..5).
constexpr double FlapHandleAtDetent(uint32_t detent) { return detent * 16384.0 / (kFlapDetentCount - 1); }
static_assert(FlapDetentOfHandle(FlapHandleAtDetent(3)) == 3 && FlapDetentOfHandle(FlapHandleAtDetent(5)) == 5,
              "a handle in a detent reads as that detent");

// One row a token: numbers strictly rising, names unique.
constexpr bool SameName(const char* a, const char* b) {
  while (*a != '\0' && *a == *b) ++a, ++b;
  return *a == *b;
}
constexpr bool IsTokenTableWellFormed() {
  for (size_t i = 0; i < std::size(kTokenTable); ++i) {
    if (TokenNumber(kTokenTable[i].token) >= kMaxTokenId) return false;
    if (i > 0 && TokenNumber(kTokenTable[i - 1].token) >= TokenNumber(kTokenTable[i].token)) return false;
    for (size_t j = 0; j < i; ++j) {
      if (SameName(kTokenTable[i].name, kTokenTable[j].name)) return false;
    }
  }
  return true;
}
static_assert(IsTokenTableWellFormed(), "token rows out of order, or a number or name twice");

}  // namespace halcyon
