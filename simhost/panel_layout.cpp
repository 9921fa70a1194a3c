// Our panel configuration: which gauges each panel window holds, and where.
// Boxes are in the window's pixels; a gauge is drawn scaled from its own
// design size into its box. Windows and gauges not listed here are in no
// window (their gauges stand in the virtual cockpit).
#include "simhost/panel.h"

#include <iterator>

namespace simhost {
namespace {

// The captain's main panel: the glareshield along the top, the flight
// instruments and displays below it, the engine instruments in the middle.
constexpr GaugePlacement kMainPanel[] = {
    {"FMA", 40, 20, 240, 100},
    {"DFGS", 320, 20, 642, 116},
    {"FGCP Lights", 1000, 40, 148, 36},
    {"Clock", 1240, 20, 180, 180},
    {"Airspeed", 40, 200, 260, 260},
    {"EFIS PFD", 320, 190, 300, 250},
    {"EFIS ND", 640, 190, 300, 250},
    {"Altimeter", 960, 200, 260, 260},
    {"Brake_Pressure", 1240, 240, 180, 180},
    {"Standby Attitude", 40, 500, 180, 180},
    {"Standby Combi", 240, 500, 180, 180},
    {"RDI", 440, 500, 180, 180},
    {"EDP", 660, 480, 168, 290},
    {"Fuel_Quantity", 860, 500, 195, 186},
    {"Engine Fire", 1100, 500, 240, 122},
    {"Gear_Handle", 1370, 480, 50, 209},
    // the warning lamps below the standby instruments, the small lamps and
    // buttons beside the gear lever
    {"Warning Lights", 40, 695, 280, 94},
    {"Pellams Warning Lights", 340, 695, 280, 94},
    {"GPWS", 1100, 640, 52, 24},
    {"Annunciator Digital Lights Test", 1170, 636, 32, 33},
    {"ART Annunciator", 1220, 640, 40, 25},
    {"Gear_Indicators", 1100, 700, 124, 33},
    {"Altitude_Alert", 1240, 700, 40, 30},
    // the small forward panel, the DME and the EFIS control panel below,
    // MAG/TRUE beside the brake pressure gauge
    {"DME", 40, 810, 170, 40},
    {"External Lights", 230, 800, 150, 75},
    {"EFIS Dimmer", 400, 800, 50, 90},
    {"EFIS Control", 470, 810, 72, 70},
    {"TOGA Button", 560, 810, 40, 32},
    {"FDCADC", 560, 855, 30, 22},
    {"Wheels", 610, 810, 40, 15},
    {"MagTrue", 1250, 430, 21, 22},
    {"EFIS MCP", 680, 795, 197, 150},
};

// The altimeter, clock and brake pressure larger, for a closer look. The
// airspeed indicator, whose gauge runs the whole cockpit, stays placed once.
constexpr GaugePlacement kMainZoomedPanel[] = {
    {"Altimeter", 20, 20, 400, 400},
    {"Clock", 440, 120, 300, 300},
    {"Brake_Pressure", 760, 120, 300, 300},
};

// The centre instrument panel larger: the engine display at twice its size,
// the fuel quantity, the engine fire panel, the gear lever and lamps.
constexpr GaugePlacement kMainCentredPanel[] = {
    {"EDP", 20, 20, 336, 580},
    {"Fuel_Quantity", 380, 20, 260, 248},
    {"Engine Fire", 380, 300, 360, 183},
    {"Gear_Handle", 680, 20, 66, 276},
    {"Gear_Indicators", 380, 510, 248, 66},
    {"Altitude_Alert", 660, 510, 60, 45},
};

// The overhead panel: the electrical panel with its meters.
constexpr GaugePlacement kOverheadPanel[] = {
    {"Electrical", 20, 20, 410, 460},
    {"Electrical_CSD1_Temperature", 450, 20, 120, 120},
    {"Electrical_CSD2_Temperature", 590, 20, 120, 120},
    {"Electrical_AC_Load_1", 450, 160, 60, 60},
    {"Electrical_AC_Load_APU", 520, 160, 60, 60},
    {"Electrical_AC_Load_2", 590, 160, 60, 60},
    {"Electrical_DC_Load_1", 450, 240, 120, 120},
    {"Electrical_DC_Load_2", 590, 240, 120, 120},
    {"Electrical_AC_Volts", 450, 380, 60, 60},
    {"Electrical_DC_Volts_Amps", 520, 380, 60, 60},
    {"Electrical_Frequency", 590, 380, 60, 60},
    {"Engine_Starter", 20, 500, 210, 115},
    {"Fuel_Pumps", 250, 500, 172, 115},
    {"APU", 440, 460, 200, 190},
    {"APU_EGT", 660, 460, 100, 100},
    {"APU_RPM", 660, 570, 100, 100},
    {"Window Close 1", 760, 0, 20, 20},
};

// The side console.
constexpr GaugePlacement kSidePanel[] = {
    {"Side Switches", 20, 20, 240, 145},
    {"Side Switches2", 280, 20, 185, 145},
    {"Window Close 4", 465, 0, 20, 20},
};

// The upper overhead panel: IRS and FDC, lights, pressurisation and air
// conditioning, ice and rain, the small switch panels and meters.
constexpr GaugePlacement kUpperOverheadPanel[] = {
    {"IRS", 20, 20, 180, 60},
    {"FDC", 220, 20, 225, 105},
    {"OCL", 465, 20, 180, 70},
    {"Cabin_Pressure", 665, 20, 165, 95},
    {"Cabin_Pressure_Indicator", 850, 20, 100, 100},
    {"Cabin_Climb", 970, 20, 100, 100},
    {"Air_Condition", 20, 150, 365, 145},
    {"Air_Condition_L_Valve", 405, 150, 80, 80},
    {"Air_Condition_R_Valve", 495, 150, 80, 80},
    {"Air_Condition_L_Pressure", 585, 150, 80, 80},
    {"Air_Condition_R_Pressure", 675, 150, 80, 80},
    {"Air_Condition_Temperature", 765, 150, 100, 100},
    {"Ice_Protection", 20, 320, 465, 120},
    {"Rain", 505, 320, 375, 220},
    {"Various", 20, 560, 360, 115},
    {"Various2", 400, 560, 110, 155},
    {"Cockpit_Lights", 530, 560, 130, 140},
    {"Pneumatic Pressure", 20, 730, 80, 80},
    {"Recirculation Fan", 120, 730, 65, 70},
    {"Heater Current", 205, 730, 60, 60},
    {"Voice Recorder", 285, 730, 50, 35},
    {"Voice Recorder Meter", 355, 730, 60, 60},
    {"GSEP", 435, 730, 220, 120},
    {"EFDS", 675, 730, 195, 215},
    {"Oxygen Regulator", 890, 730, 210, 140},
    {"Oxygen Pressure", 1120, 730, 60, 60},
    {"Flight Recorder", 890, 890, 195, 85},
};

// The upper pedestal: the lever quadrants, the trims, the radar's head and
// screen, the gear gauges, and beside them the hydraulic pumps, brake
// temperature, TAS/SAT, ART, first officer's lights and the tiller; below,
// the centre-instrument and pedestal lights, the auto brake and the
// pneumatic cross-feed levers.
constexpr GaugePlacement kUpperPedestal[] = {
    {"Throttlebox", 20, 20, 360, 620},
    {"Flapsbox", 400, 20, 210, 620},
    {"Longitude Trim", 630, 20, 200, 520},
    {"Stabilizer Trim", 630, 560, 44, 90},
    {"Rudder Trim", 850, 20, 200, 190},
    {"Aileron Trim", 850, 230, 130, 120},
    {"Radar", 850, 370, 280, 80},
    {"Radar Display", 1070, 20, 300, 250},
    {"Radar Display 2", 1390, 20, 150, 125},
    {"Hydraulic Pumps", 1000, 470, 72, 110},
    {"Gear Lock Indicator", 1100, 470, 30, 30},
    {"Gear Horn VC", 1100, 520, 30, 30},
    {"Alternate Gear", 1150, 300, 70, 335},
    {"Brake Temperature", 1240, 300, 150, 150},
    {"Brake Temperature Controls", 1240, 470, 56, 70},
    {"TAS SAT", 1320, 470, 50, 85},
    {"ART", 1000, 600, 30, 60},
    {"External Lights FO", 1240, 560, 170, 110},
    {"Stearing Wheel", 400, 660, 280, 155},
    {"CPL", 700, 690, 210, 80},
    {"Auto Brake", 930, 680, 75, 100},
    {"Pneumatic XFeed", 1030, 680, 300, 135},
    // the system display and rating panel, the radio heads and the audio
    // selector along the bottom
    {"SDP", 20, 850, 100, 280},
    {"TRP", 140, 850, 100, 120},
    {"Slip", 140, 990, 60, 30},
    {"ADF", 260, 850, 266, 108},
    {"COMM1", 260, 970, 267, 108},
    {"COMM2", 260, 1090, 267, 108},
    {"Transponder", 550, 850, 263, 98},
    {"Audio Panel", 550, 970, 175, 135},
    {"SELCAL", 550, 1120, 100, 40},
};

// The CDU popup, with its close box over the top right corner.
constexpr GaugePlacement kCduPanel[] = {
    {"FMS", 0, 0, 402, 520},
    {"Window Close 6", 382, 0, 20, 20},
};

// The glass displays' popups, each display enlarged to fill its window (a
// click on the screen closes it again). The PFD and ND are on the main panel
// as well; the traffic display is seen in its popup only.
constexpr GaugePlacement kPfdPopup[] = {{"EFIS PFD", 0, 0, 600, 500}};
constexpr GaugePlacement kNdPopup[] = {{"EFIS ND", 0, 0, 600, 500}};
constexpr GaugePlacement kTcasPopup[] = {{"TCAS Display", 0, 0, 500, 500}};

// The popup cards and pages, each filling its own window. The view menu and
// the splash, open through most of a flight, stand in the virtual cockpit.
constexpr GaugePlacement kChecklistCard[] = {{"Checklist", 0, 0, 302, 600}};
constexpr GaugePlacement kSpeedCardsWindow[] = {{"Speed Cards", 0, 0, 170, 340}};
constexpr GaugePlacement kStartFlyingWindow[] = {{"Start Flying", 0, 0, 960, 720}};

// The alert display of the overhead annunciator panel, its two halves above
// the control head, as its popup window shows them.
constexpr GaugePlacement kAlertDisplayPanel[] = {
    {"EOAP Display 1", 20, 20, 260, 132},
    {"EOAP Display 2", 20, 170, 260, 132},
    {"EOAP", 20, 320, 537, 106},
};

// The Center popup's pages, the notice after loading, the pushback popup.
constexpr GaugePlacement kCenterDispatchPage[] = {{"Center Dispatch", 0, 0, 820, 560}};
constexpr GaugePlacement kCenterOptionsPage[] = {{"Center Options", 0, 0, 650, 500}};
constexpr GaugePlacement kCenterUpdatedNotice[] = {{"Center Updated", 0, 0, 400, 250}};
constexpr GaugePlacement kPushbackPopup[] = {{"Pushback", 0, 0, 600, 380}};

// The training centre: the frame, its training list, the Training Guide, the
// pointer overlay (transparent, as large as the main panel it points into)
// and the editor of the pointers.
constexpr GaugePlacement kCenterFrame[] = {{"Center", 0, 0, 960, 600}};
constexpr GaugePlacement kCenterTrainingPage[] = {{"Center Training", 0, 0, 700, 560}};
constexpr GaugePlacement kTrainingGuideWindow[] = {{"Training Guide", 0, 0, 400, 250}};
constexpr GaugePlacement kTrainingPointersOverlay[] = {{"Training Pointers", 0, 0, 1460, 960}};
constexpr GaugePlacement kMentorEditorWindow[] = {{"Mentor VA Editor", 0, 0, 300, 190}};

constexpr PanelWindowLayout kWindows[] = {
    {10010, "Main panel", 1460, 960, kMainPanel},
    {10280, "Main zoomed panel", 1080, 440, kMainZoomedPanel},
    {10020, "Overhead panel", 780, 680, kOverheadPanel},
    {10050, "Side panel", 485, 185, kSidePanel},
    {10290, "Main centred panel", 780, 620, kMainCentredPanel},
    {10170, "Upper overhead panel", 1200, 990, kUpperOverheadPanel},
    {10030, "Upper pedestal", 1560, 1220, kUpperPedestal},
    {10070, "FMS", 402, 520, kCduPanel},
    {10260, "PFD", 600, 500, kPfdPopup},
    {10330, "ND", 600, 500, kNdPopup},
    {10340, "TCAS display", 500, 500, kTcasPopup},
    {10110, "Checklist card", 302, 600, kChecklistCard},
    {10160, "Speed cards", 170, 340, kSpeedCardsWindow},
    {10230, "Start Flying", 960, 720, kStartFlyingWindow},
    {10250, "Alert display", 580, 450, kAlertDisplayPanel},
    {10190, "Center dispatch", 820, 560, kCenterDispatchPage},
    {10210, "Center options", 650, 500, kCenterOptionsPage},
    {10200, "Center updated", 400, 250, kCenterUpdatedNotice},
    {10270, "Pushback", 600, 380, kPushbackPopup},
    {10100, "Center", 960, 600, kCenterFrame},
    {10140, "Center training", 700, 560, kCenterTrainingPage},
    {10120, "Training guide", 400, 250, kTrainingGuideWindow},
    {10130, "Training pointers", 1460, 960, kTrainingPointersOverlay},
    {10350, "Mentor VA Editor", 300, 190, kMentorEditorWindow},
};

}  // namespace

std::span<const PanelWindowLayout> PanelLayout() { return kWindows; }

const PanelWindowLayout* FindPanelWindow(uint32_t ident) {
  for (const PanelWindowLayout& window : kWindows) {
    if (window.ident == ident) return &window;
  }
  return nullptr;
}

}  // namespace simhost
