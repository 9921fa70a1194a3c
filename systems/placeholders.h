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

// Landing gear: the wheels-lamp switch object that rests at 124 and stands at
// 41 for a while after lift-off with the gear down, "gear_wheels_lamp", 124.
int32_t GetGearWheelsLampPosition();
// Pushback and ground crew: either sequence running or the second one
// pending, "ground_crew_sequence", 0.
bool IsGroundCrewSequenceStarted();
// IRS 1 or 2 status record, "irs_left" and "irs_right": 115 in NAV, [120] off.
int32_t GetIrsStatusPosition(int32_t unit);

void InitGear();
void LoadBrakeTemperature();
void LoadAutobrake();
void LoadGear();
void LoadRain();
void LoadFlaps();
void LoadSlats();
void LoadIrs();
void InitWiper();
void LoadAtcId();
void UpdateAnnunciators();
void UpdateGear();
void UpdateBrakeTemperature();
void UpdateAutobrake();
void UpdateAlternateGear();
void UpdateGroundCom();
void UpdateFlaps();
void UpdateSlats();
void UpdateIrs();
void UpdateWiper();
void SaveBrakeTemperature();
void SaveAutobrake();
void SaveGear();
void SaveRain();
void SaveFlaps();
void SaveSlats();
void SaveIrs();

// Accessors of the aircraft systems that the SimConnect client calls.
void DisarmAutobrakeOnPedal(uint8_t forced);
// The aircraft's own ATC id.
const char* GetAtcId();

}  // namespace halcyon
