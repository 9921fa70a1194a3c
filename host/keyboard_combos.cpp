// KeyboardInput.ini: the 485 keyboard-command slots, their sections, keys and
// controls, read at creation and written back as a default file when missing.
#include "host/keyboard_combos.h"

#include <cwchar>
#include <new>

#include "core/ini_values.h"
#include "gauges/airspeed.h"
#include "gauges/altimeter.h"
#include "gauges/apu_panel.h"
#include "gauges/audio_panel.h"
#include "gauges/cards.h"
#include "gauges/clock.h"
#include "gauges/dfgs.h"
#include "gauges/electrical.h"
#include "gauges/efis_controls.h"
#include "gauges/efis_displays.h"
#include "gauges/engine_display.h"
#include "gauges/engine_fire.h"
#include "gauges/engine_start_panels.h"
#include "gauges/eoap.h"
#include "gauges/fma.h"
#include "gauges/fms.h"
#include "gauges/forward_panel.h"
#include "gauges/nav.h"
#include "gauges/radio_heads.h"
#include "gauges/side_switches.h"
#include "gauges/air_condition_panel.h"
#include "gauges/cabin_pressure.h"
#include "gauges/hydraulic_brakes.h"
#include "gauges/ice_rain_panels.h"
#include "gauges/irs_fdc.h"
#include "gauges/pedestal.h"
#include "gauges/pedestal_lights.h"
#include "gauges/radar_panel.h"
#include "gauges/second_overhead.h"
#include "gauges/side_gauges.h"
#include "gauges/standby_instruments.h"
#include "gauges/thrust_rating_panel.h"
#include "gauges/trims.h"
#include "gauges/various_panels.h"
#include "gauges/view_menu.h"
#include "gauges/warning_lamps.h"
#include "host/direct_input_keyboard.h"
#include "platform/ini.h"

namespace halcyon {

CKeyboardCombos* g_keyboardCombos = nullptr;

namespace {

struct KeyboardSlot {
  const wchar_t* section;  // null: the slot has no key
  const wchar_t* key;
  platform::MouseFunction control;  // what a press of the combination clicks
};

// One row a slot, in slot order. The names are the file's, spelling slips
// included: users' files are keyed by them. Each "inc" key clicks the
// control's increasing half and each "dec" key its decreasing half.
constexpr KeyboardSlot kKeyboardSlots[kKeyboardSlotCount] = {
    {L"CHECKLIST", L"Checklist inc", ChecklistMouseChecklistInc},  // 0
    {L"CHECKLIST", L"Checklist dec", ChecklistMouseChecklistDec},  // 1
    {L"CHECKLIST", L"Close", ChecklistMouseClose},  // 2
    {L"CHECKLIST", L"Checklist next", ChecklistMouseNextItem},  // 3
    {L"NAV", L"Toggle active", NavMouseToggleActive},  // 4
    {L"AIRSPEED", L"Bug1 inc", AirspeedMouseBug1Inc},  // 5
    {L"AIRSPEED", L"Bug1 dec", AirspeedMouseBug1Dec},  // 6
    {L"AIRSPEED", L"Bug2 inc", AirspeedMouseBug2Inc},  // 7
    {L"AIRSPEED", L"Bug2 dec", AirspeedMouseBug2Dec},  // 8
    {L"AIRSPEED", L"Bug3 inc", AirspeedMouseBug3Inc},  // 9
    {L"AIRSPEED", L"Bug3 dec", AirspeedMouseBug3Dec},  // 10
    {L"AIRSPEED", L"Bug4 inc", AirspeedMouseBug4Inc},  // 11
    {L"AIRSPEED", L"Bug4 dec", AirspeedMouseBug4Dec},  // 12
    {L"AIRSPEED", L"Bug5 inc", AirspeedMouseBug5Inc},  // 13
    {L"AIRSPEED", L"Bug5 dec", AirspeedMouseBug5Dec},  // 14
    {L"ALTIMETER", L"Reference Index inc", AltimeterMouseRefIndexInc},  // 15
    {L"ALTIMETER", L"Reference Index dec", AltimeterMouseRefIndexDec},  // 16
    {L"FGCP Lights", L"Backlight", FgcpLightsMouseBacklight},  // 17
    {L"FGCP Lights", L"Digital", FgcpLightsMouseDigital},  // 18
    {L"DFGS", L"Speed inc", DfgsMouseSpeedInc},  // 19
    {L"DFGS", L"Speed dec", DfgsMouseSpeedDec},  // 20
    {L"DFGS", L"Speed view", DfgsMouseSpeedView},  // 21
    {L"DFGS", L"ATS", DfgsMouseAutothrottleSwitch},  // 22
    {L"DFGS", L"FD", DfgsMouseFlightDirector},  // 23
    {L"DFGS", L"AP master", DfgsMouseApMaster},  // 24
    {L"DFGS", L"DFGS 1 2", DfgsMouseDfgsSelect},  // 25
    {L"DFGS", L"Heading hold dec", DfgsMouseHeadingDec},  // 26
    {L"DFGS", L"Heading hold inc", DfgsMouseHeadingInc},  // 27
    {L"DFGS", L"Heading switch in", DfgsMouseHeadingSwitchIn},  // 28
    {L"DFGS", L"Heading switch out", DfgsMouseHeadingSwitchOut},  // 29
    {L"DFGS", L"VS dec", DfgsMouseVsDec},  // 30
    {L"DFGS", L"VS inc", DfgsMouseVsInc},  // 31
    {L"DFGS", L"Altitude preselect", DfgsMouseAltitudePreselect},  // 32
    {L"DFGS", L"Altitude dec", DfgsMouseAltitudeDec},  // 33
    {L"DFGS", L"Altitude inc", DfgsMouseAltitudeInc},  // 34
    {L"DFGS", L"FMS override", DfgsMouseFmsOverride},  // 35
    {L"DFGS", L"Speed select", DfgsMouseSpeedSelect},  // 36
    {L"DFGS", L"Mach select", DfgsMouseMachSelect},  // 37
    {L"DFGS", L"EPR lim", DfgsMouseEprLim},  // 38
    {L"DFGS", L"LNAV", DfgsMouseLnav},  // 39
    {L"DFGS", L"VOR", DfgsMouseVor},  // 40
    {L"DFGS", L"ILS", DfgsMouseIls},  // 41
    {L"DFGS", L"Autoland", DfgsMouseAutoland},  // 42
    {L"DFGS", L"VS", DfgsMouseVs},  // 43
    {L"DFGS", L"IAS Mach", DfgsMouseIasMach},  // 44
    {L"DFGS", L"VNAV", DfgsMouseVnav},  // 45
    {L"DFGS", L"Altitude hold", DfgsMouseAltitudeHold},  // 46
    {L"DFGS", L"Turbulence", DfgsMouseTurbulence},  // 47
    {L"FMA", L"ATS", FmaMouseAts},  // 48
    {L"FMA", L"AP", FmaMouseAp},  // 49
    {L"FMA", L"Reset", FmaMouseReset},  // 50
    {L"RDI", L"Select left", RdiMouseSelectLeft},  // 51
    {L"RDI", L"Select right", RdiMouseSelectRight},  // 52
    {L"WARNING LIGHTS", L"ABS", WarningLightsMouseAbs},  // 53
    {L"WARNING LIGHTS", L"Stick pusher", WarningLightsMouseStickPusher},  // 54
    {L"WARNING LIGHTS", L"Warning", WarningLightsMouseWarning},  // 55
    {L"WARNING LIGHTS", L"Caution", WarningLightsMouseCaution},  // 56
    {L"DIGITAL LIGHTS TEST", L"Test", AnnunciatorDigitalLightsTestMouseTest},  // 57
    {L"GPWS", L"Inhibit below gs", GpwsMouseInhibitBelowGs},  // 58
    {L"GPWS", L"Test", GpwsMouseTest},  // 59
    {L"ENGINE FIRE", L"Handle left 1", EngineFireMouseHandleLeft1},  // 60
    {L"ENGINE FIRE", L"Handle left 2", EngineFireMouseHandleLeft2},  // 61
    {L"ENGINE FIRE", L"Handle right 1", EngineFireMouseHandleRight1},  // 62
    {L"ENGINE FIRE", L"Handle right 2", EngineFireMouseHandleRight2},  // 63
    {L"ENGINE FIRE", L"Bell off", EngineFireMouseBellOff},  // 64
    {L"ENGINE FIRE", L"Test", EngineFireMouseTest},  // 65
    {L"TOGA", L"TOGA", TogaButtonMousePress},  // 66
    {L"EFIS DIM", L"Test", EfisDimmerMouseTest},  // 67
    {L"EFIS DIM", L"DH inc", EfisDimmerMouseDhInc},  // 68
    {L"EFIS DIM", L"DH dec", EfisDimmerMouseDhDec},  // 69
    {L"EFIS DIM", L"PFD inc", EfisDimmerMousePfdInc},  // 70
    {L"EFIS DIM", L"PFD dec", EfisDimmerMousePfdDec},  // 71
    {L"EFIS DIM", L"ND inc", EfisDimmerMouseNdInc},  // 72
    {L"EFIS DIM", L"ND dec", EfisDimmerMouseNdDec},  // 73
    {L"EFIS DIM", L"WX inc", EfisDimmerMouseWxInc},  // 74
    {L"EFIS DIM", L"WX dec", EfisDimmerMouseWxDec},  // 75
    {L"EFIS DIM", L"Switch dec", EfisControlMouseSwitchDec},  // 76
    {L"EFIS DIM", L"Switch inc", EfisControlMouseSwitchInc},  // 77
    {L"ENGINE DISPLAY PANEL", L"EPR manual 1 inc", EdpMouseEprManual1Inc},  // 78
    {L"ENGINE DISPLAY PANEL", L"EPR manual 1 toggle", EdpMouseEprManual1Toggle},  // 79
    {L"ENGINE DISPLAY PANEL", L"EPR manual 1 dec", EdpMouseEprManual1Dec},  // 80
    {L"ENGINE DISPLAY PANEL", L"EPR manual 2 inc", EdpMouseEprManual2Inc},  // 81
    {L"ENGINE DISPLAY PANEL", L"EPR manual 2 toggle", EdpMouseEprManual2Toggle},  // 82
    {L"ENGINE DISPLAY PANEL", L"EPR manual 2 dec", EdpMouseEprManual2Dec},  // 83
    {L"ENGINE DISPLAY PANEL", L"Fuel used display", EdpMouseFuelUsedDisplay},  // 84
    {L"ENGINE DISPLAY PANEL", L"Fuel used reset", EdpMouseFuelUsedReset},  // 85
    {L"THRUST RATING PANEL", L"Mode TO", TrpMouseModeTo},  // 86
    {L"THRUST RATING PANEL", L"Mode TO FLX", TrpMouseModeToFlx},  // 87
    {L"THRUST RATING PANEL", L"Mode GA", TrpMouseModeGa},  // 88
    {L"THRUST RATING PANEL", L"Mode MCT", TrpMouseModeMct},  // 89
    {L"THRUST RATING PANEL", L"Mode CL", TrpMouseModeCl},  // 90
    {L"THRUST RATING PANEL", L"Mode CR", TrpMouseModeCr},  // 91
    {L"THRUST RATING PANEL", L"Test", TrpMouseTest},  // 92
    {L"THRUST RATING PANEL", L"Temp inc", TrpMouseTempInc},  // 93
    {L"THRUST RATING PANEL", L"Temp dec", TrpMouseTempDec},  // 94
    {L"ELECTRICAL", L"CSD 1 inc", ElectricalMouseCsd1Inc},  // 95
    {L"ELECTRICAL", L"CSD 1 dec", ElectricalMouseCsd1Dec},  // 96
    {L"ELECTRICAL", L"CSD 2 inc", ElectricalMouseCsd2Inc},  // 97
    {L"ELECTRICAL", L"CSD 2 dec", ElectricalMouseCsd2Dec},  // 98
    {L"ELECTRICAL", L"CSD rise", ElectricalMouseCsdRise},  // 99
    {L"ELECTRICAL", L"GEN 1 inc", ElectricalMouseGen1Inc},  // 100
    {L"ELECTRICAL", L"GEN 1 dec", ElectricalMouseGen1Dec},  // 101
    {L"ELECTRICAL", L"GEN 2 inc", ElectricalMouseGen2Inc},  // 102
    {L"ELECTRICAL", L"GEN 2 dec", ElectricalMouseGen2Dec},  // 103
    {L"ELECTRICAL", L"APU GEN", ElectricalMouseApuGen},  // 104
    {L"ELECTRICAL", L"APU bus 1", ElectricalMouseApuBus1},  // 105
    {L"ELECTRICAL", L"APU bus 2", ElectricalMouseApuBus2},  // 106
    {L"ELECTRICAL", L"EXT bus 1", ElectricalMouseExtBus1},  // 107
    {L"ELECTRICAL", L"EXT bus 2", ElectricalMouseExtBus2},  // 108
    {L"ELECTRICAL", L"AC bus x-tie", ElectricalMouseAcBusCrossTie},  // 109
    {L"ELECTRICAL", L"DC bus x-tie", ElectricalMouseDcBusCrossTie},  // 110
    {L"ELECTRICAL", L"Galley", ElectricalMouseGalley},  // 111
    {L"ELECTRICAL", L"Indicator selector dec", ElectricalMouseIndicatorSelectorDec},  // 112
    {L"ELECTRICAL", L"Indicator selector inc", ElectricalMouseIndicatorSelectorInc},  // 113
    {L"ELECTRICAL", L"Exteral power avail", ElectricalMouseExtPowerAvailable},  // 114
    {L"ELECTRICAL", L"CSD reset", ElectricalMouseCsdReset},  // 115
    {L"APU", L"Fire agent 1", ApuMouseFireAgent1},  // 116
    {L"APU", L"Fire agent 2", ApuMouseFireAgent2},  // 117
    {L"APU", L"Air switch inc", ApuMouseAirSwitchInc},  // 118
    {L"APU", L"Air switch dec", ApuMouseAirSwitchDec},  // 119
    {L"APU", L"Doors guard", ApuMouseDoorsGuard},  // 120
    {L"APU", L"Doors auto inc", ApuMouseDoorsAutoInc},  // 121
    {L"APU", L"Doors auto dec", ApuMouseDoorsAutoDec},  // 122
    {L"APU", L"Fire cont", ApuMouseFireControl},  // 123
    {L"APU", L"Master inc", ApuMouseMasterInc},  // 124
    {L"APU", L"Master dec", ApuMouseMasterDec},  // 125
    {L"APU", L"Emer power", ApuMouseEmergencyPower},  // 126
    {L"APU", L"Battery", ApuMouseBattery},  // 127
    {L"APU", L"Pump", EngineStarterMouseStartPump},  // 128
    {L"APU", L"Ignition inc", EngineStarterMouseIgnitionInc},  // 129
    {L"APU", L"Ignition dec", EngineStarterMouseIgnitionDec},  // 130
    {L"APU", L"Fuel heat left", EngineStarterMouseFuelHeatLeft},  // 131
    {L"APU", L"Fuel heat right", EngineStarterMouseFuelHeatRight},  // 132
    {L"APU", L"Left inc", EngineStarterMouseStarterLeftInc},  // 133
    {L"APU", L"Left dec", EngineStarterMouseStarterLeftDec},  // 134
    {L"APU", L"Right inc", EngineStarterMouseStarterRightInc},  // 135
    {L"APU", L"Right dec", EngineStarterMouseStarterRightDec},  // 136
    {L"FUEL PUMPS", L"Fwd left", FuelPumpsMouseFwdLeft},  // 137
    {L"FUEL PUMPS", L"Fwd center", FuelPumpsMouseFwdCenter},  // 138
    {L"FUEL PUMPS", L"Fwd right", FuelPumpsMouseFwdRight},  // 139
    {L"FUEL PUMPS", L"Aft left", FuelPumpsMouseAftLeft},  // 140
    {L"FUEL PUMPS", L"Aft center", FuelPumpsMouseAftCenter},  // 141
    {L"FUEL PUMPS", L"Aft right", FuelPumpsMouseAftRight},  // 142
    {L"ICE PROTECTION", L"Emer lights inc", IceProtectionMouseEmergencyLightsInc},  // 143
    {L"ICE PROTECTION", L"Emer lights dec", IceProtectionMouseEmergencyLightsDec},  // 144
    {L"ICE PROTECTION", L"No smoke inc", IceProtectionMouseNoSmokingInc},  // 145
    {L"ICE PROTECTION", L"No smoke dec", IceProtectionMouseNoSmokingDec},  // 146
    {L"ICE PROTECTION", L"No seatbelt inc", IceProtectionMouseSeatbeltInc},  // 147
    {L"ICE PROTECTION", L"No seatbelt dec", IceProtectionMouseSeatbeltDec},  // 148
    {L"ICE PROTECTION", L"Meter selector inc", IceProtectionMouseMeterSelectorInc},  // 149
    {L"ICE PROTECTION", L"Meter selector dec", IceProtectionMouseMeterSelectorDec},  // 150
    {L"ICE PROTECTION", L"Air foil", IceProtectionMouseAirfoil},  // 151
    {L"ICE PROTECTION", L"Tail", IceProtectionMouseTail},  // 152
    {L"ICE PROTECTION", L"Windows anti fog", IceProtectionMouseWindowsAntiFog},  // 153
    {L"ICE PROTECTION", L"Windows anti ice", IceProtectionMouseWindowsAntiIce},  // 154
    {L"ICE PROTECTION", L"Engine left", IceProtectionMouseEngineLeft},  // 155
    {L"ICE PROTECTION", L"Engine right", IceProtectionMouseEngineRight},  // 156
    {L"IRS", L"Switch1 dec", IrsMouseSwitch1Dec},  // 157
    {L"IRS", L"Switch1 inc", IrsMouseSwitch1Inc},  // 158
    {L"IRS", L"Switch2 dec", IrsMouseSwitch2Dec},  // 159
    {L"IRS", L"Switch2 inc", IrsMouseSwitch2Inc},  // 160
    {L"FDC", L"CADC inc", FdcMouseCadcInc},  // 161
    {L"FDC", L"CADC dec", FdcMouseCadcDec},  // 162
    {L"FDC", L"FD CMD inc", FdcMouseFdCmdInc},  // 163
    {L"FDC", L"FD CMD dec", FdcMouseFdCmdDec},  // 164
    {L"FDC", L"Vert gyro inc", FdcMouseVertGyroInc},  // 165
    {L"FDC", L"Vert gyro dec", FdcMouseVertGyroDec},  // 166
    {L"RAIN", L"Repellent source", RainMouseRepellentSource},  // 167
    {L"RAIN", L"Repellent discharge left", RainMouseRepellentDischargeLeft},  // 168
    {L"RAIN", L"Repellent discharge right", RainMouseRepellentDischargeRight},  // 169
    {L"RAIN", L"Wiper dec", RainMouseWiperDec},  // 170
    {L"RAIN", L"Wiper inc", RainMouseWiperInc},  // 171
    {L"RAIN", L"Annunciator lights test", nullptr},  // 172
    {L"RAIN", L"Annunciator lights dim", RainMouseAnnunciatorLightsDim},  // 173
    {L"RAIN", L"Air cond shutoff override", RainMouseAirCondShutoffOverride},  // 174
    {L"RAIN", L"Ram air", RainMouseRamAir},  // 175
    {L"OCL", L"Panel light", OclMousePanelLight},  // 176
    {L"OCL", L"Flood light", OclMouseFloodLight},  // 177
    {L"CABIN PRESSURE", L"System selector", CabinPressureMouseSystemSelector},  // 178
    {L"CABIN PRESSURE", L"Landing alt selector dec", CabinPressureMouseLandingAltCoarseDec},  // 179
    {L"CABIN PRESSURE", L"Landing alt selector inc", CabinPressureMouseLandingAltCoarseInc},  // 180
    {L"CABIN PRESSURE", L"Landing alt selector dec2", CabinPressureMouseLandingAltFineDec},  // 181
    {L"CABIN PRESSURE", L"Landing alt selector inc2", CabinPressureMouseLandingAltFineInc},  // 182
    {L"CABIN PRESSURE", L"Landing baro dec", CabinPressureMouseLandingBaroDec},  // 183
    {L"CABIN PRESSURE", L"Landing baro inc", CabinPressureMouseLandingBaroInc},  // 184
    {L"CABIN PRESSURE", L"Flow light test", CabinPressureMouseFlowLightTest},  // 185
    {L"CABIN PRESSURE", L"Rate limit dec", CabinPressureMouseRateLimitDec},  // 186
    {L"CABIN PRESSURE", L"Rate limit inc", CabinPressureMouseRateLimitInc},  // 187
    {L"AIR CONDITION", L"Cockpit temp cold", AirConditionMouseCockpitTempCold},  // 188
    {L"AIR CONDITION", L"Cockpit temp hot", AirConditionMouseCockpitTempHot},  // 189
    {L"AIR CONDITION", L"Cockpit temp auto", AirConditionMouseCockpitTempAuto},  // 190
    {L"AIR CONDITION", L"Cabin temp cold", AirConditionMouseCabinTempCold},  // 191
    {L"AIR CONDITION", L"Cabin temp hot", AirConditionMouseCabinTempHot},  // 192
    {L"AIR CONDITION", L"Cabin temp auto", AirConditionMouseCabinTempAuto},  // 193
    {L"AIR CONDITION", L"Supply left inc", AirConditionMouseSupplyLeftInc},  // 194
    {L"AIR CONDITION", L"Supply left dec", AirConditionMouseSupplyLeftDec},  // 195
    {L"AIR CONDITION", L"Supply right inc", AirConditionMouseSupplyRightInc},  // 196
    {L"AIR CONDITION", L"Supply right dec", AirConditionMouseSupplyRightDec},  // 197
    {L"AIR CONDITION", L"Temp select", AirConditionMouseTempSelect},  // 198
    {L"AIR CONDITION", L"Radio rack venturi", AirConditionMouseRadioRackVenturi},  // 199
    {L"MISC", L"PA light", VariousMousePaLight},  // 200
    {L"MISC", L"Attendant call", VariousMouseAttendantCall},  // 201
    {L"MISC", L"Attendant call light", VariousMouseAttendantCallLight},  // 202
    {L"MISC", L"Anti skid", VariousMouseAntiSkid},  // 203
    {L"MISC", L"Anti skid test", VariousMouseAntiSkidTest},  // 204
    {L"MISC", L"Stall test 1", VariousMouseStallTest1},  // 205
    {L"MISC", L"Stall test 2", VariousMouseStallTest2},  // 206
    {L"MISC", L"Yaw damp inc", VariousMouseYawDampInc},  // 207
    {L"MISC", L"Yaw damp dec", VariousMouseYawDampDec},  // 208
    {L"MISC", L"Max speed warn test inc", VariousMouseMaxSpeedWarnTestInc},  // 209
    {L"MISC", L"Max speed warn test dec", VariousMouseMaxSpeedWarnTestDec},  // 210
    {L"MISC", L"Mach trim comp", VariousMouseMachTrimComp},  // 211
    {L"MISC", L"Sync dec", Various2MouseSyncDec},  // 212
    {L"MISC", L"Sync inc", Various2MouseSyncInc},  // 213
    {L"MISC", L"GPWS dec", Various2MouseGpwsUp},  // 214
    {L"MISC", L"GPWS inc", Various2MouseGpwsDown},  // 215
    {L"COCKPIT LIGHTS", L"Circuit breaker inc", CockpitLightsMouseCircuitBreakerInc},  // 216
    {L"COCKPIT LIGHTS", L"Circuit breaker dec", CockpitLightsMouseCircuitBreakerDec},  // 217
    {L"COCKPIT LIGHTS", L"Standby compass inc", CockpitLightsMouseStandbyCompassInc},  // 218
    {L"COCKPIT LIGHTS", L"Standby compass dec", CockpitLightsMouseStandbyCompassDec},  // 219
    {L"COCKPIT LIGHTS", L"Thunderstorm", CockpitLightsMouseThunderstorm},  // 220
    {L"COCKPIT LIGHTS", L"Flood inc", CockpitLightsMouseFloodInc},  // 221
    {L"COCKPIT LIGHTS", L"Flood dec", CockpitLightsMouseFloodDec},  // 222
    {L"ELECTRONIC OVERHEAD ANNUNCIATON PANEL", L"Scroll up", EoapMouseScrollUp},  // 223
    {L"ELECTRONIC OVERHEAD ANNUNCIATON PANEL", L"Scroll down", EoapMouseScrollDown},  // 224
    {L"ELECTRONIC OVERHEAD ANNUNCIATON PANEL", L"Elec", EoapMouseElec},  // 225
    {L"ELECTRONIC OVERHEAD ANNUNCIATON PANEL", L"Ice", EoapMouseIce},  // 226
    {L"ELECTRONIC OVERHEAD ANNUNCIATON PANEL", L"Eng", EoapMouseEng},  // 227
    {L"ELECTRONIC OVERHEAD ANNUNCIATON PANEL", L"Ctrl", EoapMouseCtrl},  // 228
    {L"ELECTRONIC OVERHEAD ANNUNCIATON PANEL", L"misc", EoapMouseMisc},  // 229
    {L"ELECTRONIC OVERHEAD ANNUNCIATON PANEL", L"Hyd", EoapMouseHyd},  // 230
    {L"ELECTRONIC OVERHEAD ANNUNCIATON PANEL", L"Mon", EoapMouseMon},  // 231
    {L"ELECTRONIC OVERHEAD ANNUNCIATON PANEL", L"Door", EoapMouseDoor},  // 232
    {L"MISC", L"Recirc fan switch inc", RecirculationFanMouseSwitchInc},  // 233
    {L"MISC", L"Recirc fan switch dec", RecirculationFanMouseSwitchDec},  // 234
    {L"VOICE RECORDER", L"Test", VoiceRecorderMouseTest},  // 235
    {L"ADF", L"ADF1 x00 inc", AdfMouseAdf1HundredsInc},  // 236
    {L"ADF", L"ADF1 x00 dec", AdfMouseAdf1HundredsDec},  // 237
    {L"ADF", L"ADF1 0x0 inc", AdfMouseAdf1TensInc},  // 238
    {L"ADF", L"ADF1 0x0 dec", AdfMouseAdf1TensDec},  // 239
    {L"ADF", L"ADF1 00x inc", AdfMouseAdf1UnitsInc},  // 240
    {L"ADF", L"ADF1 00x dec", AdfMouseAdf1UnitsDec},  // 241
    {L"ADF", L"ADF1 ext inc", AdfMouseAdf1ExtInc},  // 242
    {L"ADF", L"ADF1 ext dec", AdfMouseAdf1ExtDec},  // 243
    {L"ADF", L"ADF2 x00 inc", AdfMouseAdf2HundredsInc},  // 244
    {L"ADF", L"ADF2 x00 dec", AdfMouseAdf2HundredsDec},  // 245
    {L"ADF", L"ADF2 0x0 inc", AdfMouseAdf2TensInc},  // 246
    {L"ADF", L"ADF2 0x0 dec", AdfMouseAdf2TensDec},  // 247
    {L"ADF", L"ADF2 00x inc", AdfMouseAdf2UnitsInc},  // 248
    {L"ADF", L"ADF2 00x dec", AdfMouseAdf2UnitsDec},  // 249
    {L"ADF", L"ADF2 ext inc", AdfMouseAdf2ExtInc},  // 250
    {L"ADF", L"ADF2 ext dec", AdfMouseAdf2ExtDec},  // 251
    {L"ADF", L"TFR switch", AdfMouseTfrSwitch},  // 252
    {L"ADF", L"A1 switch", AdfMouseA1Switch},  // 253
    {L"ADF", L"ANT switch", AdfMouseAntSwitch},  // 254
    {L"COMM1", L"Freq 1 0xx00 inc", Comm1MouseFreq1MhzInc},  // 255
    {L"COMM1", L"Freq 1 0xx00 dec", Comm1MouseFreq1MhzDec},  // 256
    {L"COMM1", L"Freq 1 000xx inc", Comm1MouseFreq1KhzInc},  // 257
    {L"COMM1", L"Freq 1 000xx dec", Comm1MouseFreq1KhzDec},  // 258
    {L"COMM1", L"Freq 2 0xx00 inc", Comm1MouseFreq2MhzInc},  // 259
    {L"COMM1", L"Freq 2 0xx00 dec", Comm1MouseFreq2MhzDec},  // 260
    {L"COMM1", L"Freq 2 000xx inc", Comm1MouseFreq2KhzInc},  // 261
    {L"COMM1", L"Freq 2 000xx dec", Comm1MouseFreq2KhzDec},  // 262
    {L"COMM1", L"TFR switch", Comm1MouseTfrSwitch},  // 263
    {L"COMM1", L"Squelch switch", Comm1MouseSquelchSwitch},  // 264
    {L"COMM2", L"Freq 1 0xx00 inc", Comm2MouseFreq1MhzInc},  // 265
    {L"COMM2", L"Freq 1 0xx00 dec", Comm2MouseFreq1MhzDec},  // 266
    {L"COMM2", L"Freq 1 000xx inc", Comm2MouseFreq1KhzInc},  // 267
    {L"COMM2", L"Freq 1 000xx dec", Comm2MouseFreq1KhzDec},  // 268
    {L"COMM2", L"Freq 2 0xx00 inc", Comm2MouseFreq2MhzInc},  // 269
    {L"COMM2", L"Freq 2 0xx00 dec", Comm2MouseFreq2MhzDec},  // 270
    {L"COMM2", L"Freq 2 000xx inc", Comm2MouseFreq2KhzInc},  // 271
    {L"COMM2", L"Freq 2 000xx dec", Comm2MouseFreq2KhzDec},  // 272
    {L"COMM2", L"TFR switch", Comm2MouseTfrSwitch},  // 273
    {L"COMM2", L"Squelch switch", Comm2MouseSquelchSwitch},  // 274
    {L"TRANSPONDER", L"Transfer", TransponderMouseTransfer},  // 275
    {L"TRANSPONDER", L"Above below inc", TransponderMouseAboveBelowInc},  // 276
    {L"TRANSPONDER", L"Above below dec", TransponderMouseAboveBelowDec},  // 277
    {L"TRANSPONDER", L"TCAS range dec", TransponderMouseTcasRangeDec},  // 278
    {L"TRANSPONDER", L"TCAS range inc", TransponderMouseTcasRangeInc},  // 279
    {L"TRANSPONDER", L"Ident", TransponderMouseIdent},  // 280
    {L"TRANSPONDER", L"Mode inc", TransponderMouseModeInc},  // 281
    {L"TRANSPONDER", L"Mode dec", TransponderMouseModeDec},  // 282
    {L"CENTER INSTRUMENT & PEDESTAL LIGHTS", L"Panel", CplMousePanel},  // 283
    {L"CENTER INSTRUMENT & PEDESTAL LIGHTS", L"Digital", CplMouseDigital},  // 284
    {L"CENTER INSTRUMENT & PEDESTAL LIGHTS", L"Flood", CplMouseFlood},  // 285
    {L"AUTO BRAKE SYSTEM", L"Arm", AutoBrakeMouseArm},  // 286
    {L"AUTO BRAKE SYSTEM", L"Mode dec", AutoBrakeMouseModeDec},  // 287
    {L"AUTO BRAKE SYSTEM", L"Mode inc", AutoBrakeMouseModeInc},  // 288
    {L"STABILIZER TRIM", L"Arm inc", StabilizerTrimMouseArmInc},  // 289
    {L"STABILIZER TRIM", L"Arm dec", StabilizerTrimMouseArmDec},  // 290
    {L"RUDDER TRIM", L"Trim inc", RudderTrimMouseTrimInc},  // 291
    {L"RUDDER TRIM", L"Trim dec", RudderTrimMouseTrimDec},  // 292
    {nullptr, nullptr, nullptr},  // 293: no key
    {nullptr, nullptr, nullptr},  // 294: no key
    {L"LONGITUDE TRIM", L"Indicator inc", LongitudeTrimMouseTrimUp},  // 295
    {L"LONGITUDE TRIM", L"Indicator dec", LongitudeTrimMouseTrimDown},  // 296
    {L"LONGITUDE TRIM", L"MAC inc", LongitudeTrimMouseMacInc},  // 297
    {L"LONGITUDE TRIM", L"MAC dec", LongitudeTrimMouseMacDec},  // 298
    {L"LONGITUDE TRIM", L"TO flaps inc", LongitudeTrimMouseToFlapsInc},  // 299
    {L"LONGITUDE TRIM", L"TO flaps dec", LongitudeTrimMouseToFlapsDec},  // 300
    {L"LONGITUDE TRIM", L"Autotrim", LongitudeTrimMouseAutotrim},  // 301
    {L"PNEUMATIC X-FEED", L"left valve", PneumaticXFeedMouseLeftValve},  // 302
    {L"PNEUMATIC X-FEED", L"Right valve", PneumaticXFeedMouseRightValve},  // 303
    {L"THROTTLEBOX", L"Hydraulic", ThrottleboxMouseHydraulic},  // 304
    {L"THROTTLEBOX", L"Gear horn", ThrottleboxMouseGearHorn},  // 305
    {L"THROTTLEBOX", L"Fuel shutoff left", ThrottleboxMouseFuelShutoffLeft},  // 306
    {L"THROTTLEBOX", L"Fuel shutoff right", ThrottleboxMouseFuelShutoffRight},  // 307
    {L"THROTTLEBOX", L"Fuel x-feed", ThrottleboxMouseFuelXFeed},  // 308
    {L"FLAPSBOX", L"Manual cabin pressure", FlapsboxMouseManualCabinPressure},  // 309
    {L"FLAPSBOX", L"Cabin pressure rate inc", FlapsboxMouseCabinPressureRateInc},  // 310
    {L"FLAPSBOX", L"Cabin pressure rate dec", FlapsboxMouseCabinPressureRateDec},  // 311
    {L"ALTERNATE GEAR", L"Handle inc", AlternateGearMouseHandleInc},  // 312
    {L"ALTERNATE GEAR", L"Handle dec", AlternateGearMouseHandleDec},  // 313
    {L"RADAR", L"Brightness dec", RadarMouseBrightnessDec},  // 314
    {L"RADAR", L"Brightness inc", RadarMouseBrightnessInc},  // 315
    {L"RADAR", L"Range dec", RadarMouseRangeDec},  // 316
    {L"RADAR", L"Range inc", RadarMouseRangeInc},  // 317
    {L"RADAR", L"Mode dec", RadarMouseModeDec},  // 318
    {L"RADAR", L"Mode inc", RadarMouseModeInc},  // 319
    {L"RADAR", L"Gain dec", RadarMouseGainDec},  // 320
    {L"RADAR", L"Gain inc", RadarMouseGainInc},  // 321
    {L"RADAR", L"Tilt dec", RadarMouseTiltDec},  // 322
    {L"RADAR", L"Tilt inc", RadarMouseTiltInc},  // 323
    {L"RADAR", L"Stabilizer", RadarMouseStabilizer},  // 324
    {L"AUDIO PANEL", L"Radio int inc", AudioPanelMouseRadioIntInc},  // 325
    {L"AUDIO PANEL", L"Radio int dec", AudioPanelMouseRadioIntDec},  // 326
    {L"AUDIO PANEL", L"Ident", AudioPanelMouseIdent},  // 327
    {L"AUDIO PANEL", L"Volume vhf1", AudioPanelMouseVolumeVhf1},  // 328
    {L"AUDIO PANEL", L"Volume vhf2", AudioPanelMouseVolumeVhf2},  // 329
    {L"AUDIO PANEL", L"Volume vhf3", AudioPanelMouseVolumeVhf3},  // 330
    {L"AUDIO PANEL", L"Volume int", AudioPanelMouseVolumeInt},  // 331
    {L"AUDIO PANEL", L"Volume nav1", AudioPanelMouseVolumeNav1},  // 332
    {L"AUDIO PANEL", L"Volume nav2", AudioPanelMouseVolumeNav2},  // 333
    {L"AUDIO PANEL", L"Volume mkr", AudioPanelMouseVolumeMkr},  // 334
    {L"AUDIO PANEL", L"Volume pa", AudioPanelMouseVolumePa},  // 335
    {L"AUDIO PANEL", L"Volume adf1", AudioPanelMouseVolumeAdf1},  // 336
    {L"AUDIO PANEL", L"Volume adf2", AudioPanelMouseVolumeAdf2},  // 337
    {L"AUDIO PANEL", L"Mic vhf1", AudioPanelMouseMicVhf1},  // 338
    {L"AUDIO PANEL", L"Mic vhf2", AudioPanelMouseMicVhf2},  // 339
    {L"AUDIO PANEL", L"Mic vhf3", AudioPanelMouseMicVhf3},  // 340
    {L"AUDIO PANEL", L"Mic pa", AudioPanelMouseMicPa},  // 341
    {L"AUDIO PANEL", L"Mic int", AudioPanelMouseMicInt},  // 342
    {L"SIDE SWITCHES", L"Panel lights", SideSwitchesMousePanelLights},  // 343
    {L"SIDE SWITCHES", L"Digital lights", SideSwitchesMouseDigitalLights},  // 344
    {L"SIDE SWITCHES", L"Flood lights", SideSwitchesMouseFloodLights},  // 345
    {L"SIDE SWITCHES", L"Alternate static", SideSwitchesMouseAlternateStatic},  // 346
    {L"HYDRAULIC PUMPS", L"Engine 1 inc", HydraulicPumpsMouseEngine1Inc},  // 347
    {L"HYDRAULIC PUMPS", L"Engine 1 dec", HydraulicPumpsMouseEngine1Dec},  // 348
    {L"HYDRAULIC PUMPS", L"Engine 2 inc", HydraulicPumpsMouseEngine2Inc},  // 349
    {L"HYDRAULIC PUMPS", L"Engine 2 dec", HydraulicPumpsMouseEngine2Dec},  // 350
    {L"HYDRAULIC PUMPS", L"Aux inc", HydraulicPumpsMouseAuxInc},  // 351
    {L"HYDRAULIC PUMPS", L"Aux dec", HydraulicPumpsMouseAuxDec},  // 352
    {L"HYDRAULIC PUMPS", L"Transfer", HydraulicPumpsMouseTransfer},  // 353
    {L"BRAKE TEMPERATURE CONTROL", L"Temp selector inc", BrakeTemperatureControlsMouseTempSelectorInc},  // 354
    {L"BRAKE TEMPERATURE CONTROL", L"Temp selector dec", BrakeTemperatureControlsMouseTempSelectorDec},  // 355
    {L"BRAKE TEMPERATURE CONTROL", L"Test", BrakeTemperatureControlsMouseTest},  // 356
    {L"BRAKE TEMPERATURE CONTROL", L"ART inc", nullptr},  // 357
    {L"BRAKE TEMPERATURE CONTROL", L"ART dec", nullptr},  // 358
    {L"EXTERNAL LIGHTS", L"Flood 1", ExternalLightsFoMouseFlood1},  // 359
    {L"EXTERNAL LIGHTS", L"Flood 2", ExternalLightsFoMouseFlood2},  // 360
    {L"EXTERNAL LIGHTS", L"Pos strobe inc", ExternalLightsFoMousePosStrobeInc},  // 361
    {L"EXTERNAL LIGHTS", L"Pos strobe dec", ExternalLightsFoMousePosStrobeDec},  // 362
    {L"TAS SAT", L"Toggle", TasSatMouseToggle},  // 363
    {L"MENU", L"Open", MenuMouseOpen},  // 364
    {L"MENU", L"Close", MenuMouseClose},  // 365
    {L"MENU", L"Item 1", MenuMouseItem1},  // 366
    {L"MENU", L"Item 2", MenuMouseItem2},  // 367
    {L"MENU", L"Item 3", MenuMouseItem3},  // 368
    {L"MENU", L"Item 4", MenuMouseItem4},  // 369
    {L"MENU", L"Item 5", MenuMouseItem5},  // 370
    {L"MENU", L"Item 6", MenuMouseItem6},  // 371
    {L"MENU", L"Item 7", MenuMouseItem7},  // 372
    {L"MENU", L"Item 8", MenuMouseItem8},  // 373
    {L"MENU", L"Item 9", MenuMouseItem9},  // 374
    {L"MENU", L"Item 10", MenuMouseItem10},  // 375
    {L"MENU", L"Item 11", MenuMouseItem11},  // 376
    {L"MENU", L"Item 12", MenuMouseItem12},  // 377
    {L"SPEED CARDS", L"Close", SpeedCardsMouseClose},  // 378
    {L"SPEED CARDS", L"Type", SpeedCardsMouseType},  // 379
    {L"SPEED CARDS", L"Weight inc", SpeedCardsMouseWeightInc},  // 380
    {L"SPEED CARDS", L"Weight dec", SpeedCardsMouseWeightDec},  // 381
    {L"SPEED CARDS", L"Set ASI bugs 1", SpeedCardsMouseSetAsiBugs1},  // 382
    {L"SPEED CARDS", L"Set ASI bugs 2", SpeedCardsMouseSetAsiBugs2},  // 383
    {L"GROUND SERVICE ELECTRIC POWER", L"APU", GsepMouseApu},  // 384
    {L"GROUND SERVICE ELECTRIC POWER", L"External", GsepMouseExternal},  // 385
    {L"GROUND SERVICE ELECTRIC POWER", L"Maintenance phone", GsepMouseMaintenancePhone},  // 386
    {L"ENGINE FIRE DETECTION SYSTEM", L"APU inc", EfdsMouseApuInc},  // 387
    {L"ENGINE FIRE DETECTION SYSTEM", L"APU dec", EfdsMouseApuDec},  // 388
    {L"ENGINE FIRE DETECTION SYSTEM", L"Engine 1 inc", EfdsMouseEngine1Inc},  // 389
    {L"ENGINE FIRE DETECTION SYSTEM", L"Engine 1 dec", EfdsMouseEngine1Dec},  // 390
    {L"ENGINE FIRE DETECTION SYSTEM", L"Engine 2 inc", EfdsMouseEngine2Inc},  // 391
    {L"ENGINE FIRE DETECTION SYSTEM", L"Engine 2 dec", EfdsMouseEngine2Dec},  // 392
    {L"OXYGEN", L"Supply regulator", OxygenRegulatorMouseSupplyRegulator},  // 393
    {L"OXYGEN", L"Master", OxygenRegulatorMouseMaster},  // 394
    {L"FLIGHT DATA RECORDER", L"Test inc", FlightRecorderMouseTestInc},  // 395
    {L"FLIGHT DATA RECORDER", L"Test dec", FlightRecorderMouseTestDec},  // 396
    {L"FMS", L"LSK 1L", FmsMouseLsk1L},  // 397
    {L"FMS", L"LSK 2L", FmsMouseLsk2L},  // 398
    {L"FMS", L"LSK 3L", FmsMouseLsk3L},  // 399
    {L"FMS", L"LSK 4L", FmsMouseLsk4L},  // 400
    {L"FMS", L"LSK 5L", FmsMouseLsk5L},  // 401
    {L"FMS", L"LSK 6L", FmsMouseLsk6L},  // 402
    {L"FMS", L"LSK 1R", FmsMouseLsk1R},  // 403
    {L"FMS", L"LSK 2R", FmsMouseLsk2R},  // 404
    {L"FMS", L"LSK 3R", FmsMouseLsk3R},  // 405
    {L"FMS", L"LSK 4R", FmsMouseLsk4R},  // 406
    {L"FMS", L"LSK 5R", FmsMouseLsk5R},  // 407
    {L"FMS", L"LSK 6R", FmsMouseLsk6R},  // 408
    {L"FMS", L"INIT REF", FmsMouseKeyInitRef},  // 409
    {L"FMS", L"DIR INTC", FmsMouseKeyDirIntc},  // 410
    {L"FMS", L"RTE", FmsMouseKeyRte},  // 411
    {L"FMS", L"LEGS", FmsMouseKeyLegs},  // 412
    {L"FMS", L"CLB", FmsMouseKeyClb},  // 413
    {L"FMS", L"CRZ", FmsMouseKeyCrz},  // 414
    {L"FMS", L"DES", FmsMouseKeyDes},  // 415
    {L"FMS", L"PREV PAGE", FmsMouseKeyPrevPage},  // 416
    {L"FMS", L"NEXT PAGE", FmsMouseKeyNextPage},  // 417
    {L"FMS", L"MENU", FmsMouseKeyMenu},  // 418
    {L"FMS", L"FIX", FmsMouseKeyFix},  // 419
    {L"FMS", L"DEP ARR", FmsMouseKeyDepArr},  // 420
    {L"FMS", L"HOLD", FmsMouseKeyHold},  // 421
    {L"FMS", L"PROG", FmsMouseKeyProg},  // 422
    {L"FMS", L"EXEC", FmsMouseKeyExec},  // 423
    {L"FMS", L"1", FmsMouseKey1},  // 424
    {L"FMS", L"2", FmsMouseKey2},  // 425
    {L"FMS", L"3", FmsMouseKey3},  // 426
    {L"FMS", L"4", FmsMouseKey4},  // 427
    {L"FMS", L"5", FmsMouseKey5},  // 428
    {L"FMS", L"6", FmsMouseKey6},  // 429
    {L"FMS", L"7", FmsMouseKey7},  // 430
    {L"FMS", L"8", FmsMouseKey8},  // 431
    {L"FMS", L"9", FmsMouseKey9},  // 432
    {L"FMS", L"dot", FmsMouseKeyDot},  // 433
    {L"FMS", L"0", FmsMouseKey0},  // 434
    {L"FMS", L"plus minus", FmsMouseKeyPlusMinus},  // 435
    {L"FMS", L"A", FmsMouseKeyA},  // 436
    {L"FMS", L"B", FmsMouseKeyB},  // 437
    {L"FMS", L"C", FmsMouseKeyC},  // 438
    {L"FMS", L"D", FmsMouseKeyD},  // 439
    {L"FMS", L"E", FmsMouseKeyE},  // 440
    {L"FMS", L"F", FmsMouseKeyF},  // 441
    {L"FMS", L"G", FmsMouseKeyG},  // 442
    {L"FMS", L"H", FmsMouseKeyH},  // 443
    {L"FMS", L"I", FmsMouseKeyI},  // 444
    {L"FMS", L"J", FmsMouseKeyJ},  // 445
    {L"FMS", L"K", FmsMouseKeyK},  // 446
    {L"FMS", L"L", FmsMouseKeyL},  // 447
    {L"FMS", L"M", FmsMouseKeyM},  // 448
    {L"FMS", L"N", FmsMouseKeyN},  // 449
    {L"FMS", L"O", FmsMouseKeyO},  // 450
    {L"FMS", L"P", FmsMouseKeyP},  // 451
    {L"FMS", L"Q", FmsMouseKeyQ},  // 452
    {L"FMS", L"R", FmsMouseKeyR},  // 453
    {L"FMS", L"S", FmsMouseKeyS},  // 454
    {L"FMS", L"T", FmsMouseKeyT},  // 455
    {L"FMS", L"U", FmsMouseKeyU},  // 456
    {L"FMS", L"V", FmsMouseKeyV},  // 457
    {L"FMS", L"W", FmsMouseKeyW},  // 458
    {L"FMS", L"X", FmsMouseKeyX},  // 459
    {L"FMS", L"Y", FmsMouseKeyY},  // 460
    {L"FMS", L"Z", FmsMouseKeyZ},  // 461
    {L"FMS", L"Blank", FmsMouseKeySpace},  // 462
    {L"FMS", L"Del", FmsMouseKeyDel},  // 463
    {L"FMS", L"Slash", FmsMouseKeySlash},  // 464
    {L"FMS", L"Clr", FmsMouseKeyClr},  // 465
    {L"FMS", L"Brightness dec", FmsMouseBrightnessDec},  // 466
    {L"FMS", L"Brightness inc", FmsMouseBrightnessInc},  // 467
    {L"FMS", L"Keyboard input toggle", FmsMouseKeyboardInputToggle},  // 468
    {L"TCAS", L"Dimmer dec", TcasMouseDimmerDec},  // 469
    {L"TCAS", L"Dimmer inc", TcasMouseDimmerInc},  // 470
    {L"EFIS MCP", L"Mode dec", EfisMcpMouseModeDec},  // 471
    {L"EFIS MCP", L"Mode inc", EfisMcpMouseModeInc},  // 472
    {L"EFIS MCP", L"ADF 1", EfisMcpMouseAdf1},  // 473
    {L"EFIS MCP", L"Range dec", EfisMcpMouseRangeDec},  // 474
    {L"EFIS MCP", L"Range inc", EfisMcpMouseRangeInc},  // 475
    {L"EFIS MCP", L"Declutter NAID", EfisMcpMouseDeclutterNaid},  // 476
    {L"EFIS MCP", L"Declutter ARPT", EfisMcpMouseDeclutterArpt},  // 477
    {L"EFIS MCP", L"Declutter DATA", EfisMcpMouseDeclutterData},  // 478
    {L"EFIS MCP", L"Declutter WPT", EfisMcpMouseDeclutterWpt},  // 479
    {L"MAG TRUE SWITCH", L"Toggle", MagTrueMouseToggle},  // 480
    {L"LANDING LIGHTS", L"Up", ExternalLightsMouseLandingLightsUp},  // 481
    {L"LANDING LIGHTS", L"Down", ExternalLightsMouseLandingLightsDown},  // 482
    {L"NAV", L"Course inc", NavMouseCourseInc},  // 483
    {L"NAV", L"Course dec", NavMouseCourseDec},  // 484
};

constexpr const wchar_t* kHelpLines[] = {
    L"****************************************************************************",
    L"You can specify up to 4 keys in a single keyboard combo.",
    L"Valid  keys: 0-9, a-z, ctrl, shift, alt, f1-f12.",
    L"Exampel: ctrl+alt+1+q.",
    L"Many more special character/control keys are also available. Please refer to the User Manual.",
    L"Enable keyboard commands with the ENABLED variable just below.",
    L"****************************************************************************",
};

constexpr const wchar_t* kHelpSection = L"HELP";
constexpr const wchar_t* kCombosSection = L"KEYBOARD COMBOS";
constexpr const wchar_t* kNoFile = L"nofile";

const wchar_t* DefaultCombo(uint32_t slot) { return slot == kKeyboardSlotChecklistNext ? L"space" : L""; }

bool FileHasHelp() {
  wchar_t probe[kKeyboardComboChars] = {};
  platform::GetPrivateProfileString(kHelpSection, L"0", kNoFile, probe, kKeyboardComboChars, kKeyboardInputIni);
  return std::wcscmp(probe, kNoFile) != 0;
}

}  // namespace

CKeyboardCombos::CKeyboardCombos() {
  enabled_ = ReadIniInt(kCombosSection, L"Enabled", L"0", kKeyboardComboChars, kKeyboardInputIni) == 1 ? 1 : 0;
  for (uint32_t slot = 0; slot < kKeyboardSlotCount; ++slot) {
    const KeyboardSlot& row = kKeyboardSlots[slot];
    if (row.section == nullptr) continue;
    platform::GetPrivateProfileString(row.section, row.key, DefaultCombo(slot), combo_[slot], kKeyboardComboChars,
                                      kKeyboardInputIni);
  }
}

CKeyboardCombos::~CKeyboardCombos() {
  if (FileHasHelp()) return;
  for (size_t line = 0; line < std::size(kHelpLines); ++line) {
    const wchar_t key[2] = {static_cast<wchar_t>(L'0' + line), L'\0'};
    platform::WritePrivateProfileString(kHelpSection, key, kHelpLines[line], kKeyboardInputIni);
  }
  platform::WritePrivateProfileString(kCombosSection, L"Enabled", enabled_ != 0 ? L"1" : L"0", kKeyboardInputIni);
  for (uint32_t slot = 0; slot < kKeyboardSlotCount; ++slot) {
    const KeyboardSlot& row = kKeyboardSlots[slot];
    if (row.section != nullptr) platform::WritePrivateProfileString(row.section, row.key, combo_[slot], kKeyboardInputIni);
  }
}

const wchar_t* CKeyboardCombos::GetCombo(uint32_t slot) const {
  return combo_[slot < kKeyboardSlotCount ? slot : kKeyboardSlotCount];
}

void CreateKeyboardCombos() {
  if (g_keyboardCombos == nullptr) g_keyboardCombos = new (std::nothrow) CKeyboardCombos();
}

void FreeKeyboardInput() {
  DeleteDirectInputKeyboard();
  delete g_keyboardCombos;
  g_keyboardCombos = nullptr;
}

platform::MouseFunction KeyboardCommandControl(uint32_t slot) {
  return slot < kKeyboardSlotCount ? kKeyboardSlots[slot].control : nullptr;
}

const wchar_t* KeyboardCommandSection(uint32_t slot) {
  return slot < kKeyboardSlotCount ? kKeyboardSlots[slot].section : nullptr;
}

const wchar_t* KeyboardCommandKey(uint32_t slot) {
  return slot < kKeyboardSlotCount ? kKeyboardSlots[slot].key : nullptr;
}

}  // namespace halcyon
