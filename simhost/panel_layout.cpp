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
    {"Fuel_Quantity", 860, 500, 220, 160},
    {"Engine Fire", 1100, 500, 240, 122},
    {"Gear_Handle", 1360, 480, 80, 200},
};

// The altimeter, clock and brake pressure larger, for a closer look. The
// airspeed indicator, whose gauge runs the whole cockpit, stays placed once.
constexpr GaugePlacement kMainZoomedPanel[] = {
    {"Altimeter", 20, 20, 400, 400},
    {"Clock", 440, 120, 300, 300},
    {"Brake_Pressure", 760, 120, 300, 300},
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
};

// The side console.
constexpr GaugePlacement kSidePanel[] = {
    {"Side Switches", 20, 20, 240, 145},
    {"Side Switches2", 280, 20, 185, 145},
};

// The alert display of the overhead annunciator panel, its two halves above
// the control head, as its popup window shows them.
constexpr GaugePlacement kAlertDisplayPanel[] = {
    {"EOAP Display 1", 20, 20, 260, 132},
    {"EOAP Display 2", 20, 170, 260, 132},
    {"EOAP", 20, 320, 537, 106},
};

// The upper pedestal: the system display and rating panel, the radio heads
// and the audio selector.
constexpr GaugePlacement kUpperPedestal[] = {
    {"SDP", 20, 20, 100, 280},
    {"TRP", 140, 20, 100, 120},
    {"Slip", 140, 160, 60, 30},
    {"ADF", 260, 20, 266, 108},
    {"COMM1", 260, 140, 267, 108},
    {"COMM2", 260, 260, 267, 108},
    {"Transponder", 550, 20, 263, 98},
    {"Audio Panel", 550, 140, 175, 135},
    {"SELCAL", 550, 290, 100, 40},
};

constexpr PanelWindowLayout kWindows[] = {
    {10010, "Main panel", 1460, 800, kMainPanel},
    {10280, "Main zoomed panel", 1080, 440, kMainZoomedPanel},
    {10020, "Overhead panel", 780, 680, kOverheadPanel},
    {10050, "Side panel", 485, 185, kSidePanel},
    {10250, "Alert display", 580, 450, kAlertDisplayPanel},
    {10030, "Upper pedestal", 830, 390, kUpperPedestal},
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
