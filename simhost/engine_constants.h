// The numbers of the host's twin-jet engine model, in one place. They describe
// a low-bypass turbofan of the MD-80's class (two-spool, about 20,000 lb of
// thrust) closely enough for the cockpit's start, indication and fuel logic:
// a start on the air starter motors N2 to about 20 %, fuel then lights the
// engine after a short delay and it accelerates to a ground idle near 60 %
// N2, slowly at first and faster past light-off, with an EGT peak on the way;
// the whole start takes some 35 to 40 seconds. The values are round figures of the kind an
// operator's manual gives (idle and take-off N1/N2, EGT, fuel flow, oil and
// hydraulic pressure), chosen by us, not measured data.
#pragma once

namespace simhost::engine {

// ---- Spool speeds, percent ----
constexpr double kStarterMaxN2Pct = 24.0;   // what the air starter alone reaches
constexpr double kLightOffMinN2Pct = 15.0;  // fuel below this does not light
constexpr double kIdleN2Pct = 60.0;
constexpr double kMaxN2Pct = 100.0;         // throttle fully forward
constexpr double kIdleN1Pct = 25.0;
constexpr double kMaxN1Pct = 98.0;
// Reverse thrust: the throttle's reverse range (-4096..0) gives this share of
// the forward range's power at full reverse.
constexpr double kFullReverseThrottle = 4096.0;
constexpr double kReversePowerShare = 0.7;
constexpr double kFullForwardThrottle = 16384.0;

// ---- Time constants, seconds (first-order lags toward the target) ----
constexpr double kStarterSpinUpS = 6.0;     // 0 -> 20 % N2 in about 11 s
constexpr double kSpoolS = 2.5;             // idle <-> take-off power in about 7 s

// ---- The start after the fuel lever ----
// Fuel reaches the igniters and lights after a short delay (the crew looks
// for the EGT rise within a few seconds of fuel on, or cuts the fuel).
constexpr double kLightOffDelayS = 2.0;
// From light-off the turbine adds its own torque to the starter's: N2 gains
// slowly at first, fastest half way to idle, and eases into idle; light-off
// (about 22 %) to idle in about 20 s. The gain a second is
// kStartAccelMinPctPerS + kStartAccelPeakPctPerS x sin(pi x share of the way).
constexpr double kStartAccelMinPctPerS = 0.5;
constexpr double kStartAccelPeakPctPerS = 2.6;
constexpr double kSpinDownS = 10.0;         // fuel cut: the rotor runs down
constexpr double kEgtRiseS = 3.0;
constexpr double kEgtCoolS = 25.0;

// ---- Exhaust gas temperature, degrees C ----
// During the start the EGT rises from light-off to a peak half way to idle,
// well above the idle value, and falls back as the airflow catches up (the
// EGT lag makes the reading peak at about 540).
constexpr double kStartPeakEgtDegC = 560.0;
constexpr double kIdleEgtDegC = 400.0;
constexpr double kTakeoffEgtDegC = 580.0;   // limit 625 for take-off

// ---- Fuel flow, pounds an hour per engine ----
constexpr double kIdleFuelFlowPph = 1000.0;
constexpr double kTakeoffFuelFlowPph = 9000.0;
// The mixture (0..16384) lets fuel through from this value on.
constexpr double kMixtureFuelOnMin = 100.0;
// Used to turn pounds into gallons when the simulator's own figure is unusable.
constexpr double kDefaultFuelLbPerGallon = 6.7;

// ---- Oil and hydraulic pressure, psi ----
constexpr double kIdleOilPsi = 45.0;
constexpr double kTakeoffOilPsi = 55.0;
constexpr double kHydraulicPumpPsi = 3000.0;  // the engine-driven pump's rating
constexpr double kHydraulicFullN2Pct = 45.0;  // the pump gives its rating from here on

}  // namespace simhost::engine
