// Steps of the aircraft systems and flight guidance that the lifecycle calls and that are not built
// yet. Each records its name once and does nothing else; the change that
// builds a step moves its declaration to the system's own header and deletes
// it here.
#pragma once

#include <cstdint>

#include "core/switch.h"

namespace halcyon {

// ---- Accessors of systems not built yet ----
// Read by the sound system and the crew callouts. Each returns its neutral
// value (a cold cockpit) until its system lands; the host and the tests can
// set one by the name in quotes (platform::SetPlaceholderInput).

// Speed cards and ground spoilers: "ground_spoilers_deployed", 0.
bool IsGroundSpoilerDeployed();
// Ice protection: the airfoil anti-ice switch on, "airfoil_anti_ice", 0; the
// engine anti-ice of engine 1 or 2 on, "engine_anti_ice_1" and
// "engine_anti_ice_2", 0.
uint32_t IsAirfoilHeatSwitchOn();
uint32_t IsEngineAntiIceOn(int32_t engine);
// Landing gear: the wheels-lamp switch object that rests at 124 and stands at
// 41 for a while after lift-off with the gear down, "gear_wheels_lamp", 124.
int32_t GetGearWheelsLampPosition();
// Pushback and ground crew: either sequence running or the second one
// pending, "ground_crew_sequence", 0.
bool IsGroundCrewSequenceStarted();
// IRS 1 or 2 status record, "irs_left" and "irs_right": 115 in NAV, [120] off.
int32_t GetIrsStatusPosition(int32_t unit);

void InitStartupSequence();
void LoadOcl();
void LoadCpl();
void LoadSideSwitches();
void InitGear();
void LoadBrakeTemperature();
void LoadIceProtection();
void InitAutoSpoilers();
void LoadAutobrake();
void LoadGear();
void LoadStabTrim();
void InitAutoflightAlerts();
void ResetAltimeter();
void LoadChecklist();
void LoadAudioPanel();
void LoadRain();
void LoadFlaps();
void LoadSpeedCards();
void LoadSlats();
void InitEdp();
void LoadTransponder();
void LoadIrs();
void LoadLongitudeTrim();
void LoadExternalLights();
void LoadMagTrue();
void LoadAdf();
void LoadComm();
void LoadFdr();
void LoadNav();
void LoadOxygen();
void LoadRdi();
void LoadRecirculationFan();
void LoadRudderTrim();
void InitWiper();
void LoadAileronTrim();
void LoadAltimeter();
void LoadCockpitLights();
void LoadAtcId();
void UpdateStartupSequence();
void UpdateAnnunciators();
void UpdateGear();
void UpdateAudioPanel();
void UpdateBrakeTemperature();
void UpdateIceProtection();
void UpdateAutoSpoilers();
void UpdateAutobrake();
void UpdateAlternateGear();
void UpdateStabTrim();
void UpdateTakeoffWarning();
void UpdateExternalLights();
void UpdateAutoflightAlerts();
void UpdateAltimeter();
void UpdateGroundCom();
void UpdatePosStrobeLights();
void UpdateFlaps();
void UpdateSlats();
void UpdateEdp();
void UpdateNav();
void UpdateTransponder();
void UpdateIrs();
void UpdateWiper();
void SaveOcl();
void SaveCpl();
void SaveSideSwitches();
void SaveBrakeTemperature();
void SaveIceProtection();
void SaveAutobrake();
void SaveGear();
void SaveStabTrim();
void SaveChecklist();
void SaveAudioPanel();
void SaveRain();
void SaveFlaps();
void SaveSpeedCards();
void SaveSlats();
void SaveTransponder();
void SaveIrs();
void SaveLongitudeTrim();
void SaveExternalLights();
void SaveMagTrue();
void SaveAdf();
void SaveComm();
void SaveFdr();
void SaveNav();
void SaveOxygen();
void SaveRdi();
void SaveRecirculationFan();
void SaveRudderTrim();
void SaveAileronTrim();
void SaveAltimeter();
void SaveCockpitLights();

// Accessors of the aircraft systems that the SimConnect client calls.
// The TCAS range knob of the transponder panel, 100..103.
extern CSwitch g_tcasRangeSwitch;
void DisarmAutobrakeOnPedal(uint8_t forced);
// The aircraft's own ATC id.
const char* GetAtcId();

}  // namespace halcyon
