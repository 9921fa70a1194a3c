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

// The Center popup's pages, the notice after loading, the pushback popup.
constexpr GaugePlacement kCenterDispatchPage[] = {{"Center Dispatch", 0, 0, 820, 560}};
constexpr GaugePlacement kCenterOptionsPage[] = {{"Center Options", 0, 0, 650, 500}};
constexpr GaugePlacement kCenterUpdatedNotice[] = {{"Center Updated", 0, 0, 400, 250}};
constexpr GaugePlacement kPushbackPopup[] = {{"Pushback", 0, 0, 600, 380}};

constexpr PanelWindowLayout kWindows[] = {
    {10010, "Main panel", 1460, 800, kMainPanel},
    {10280, "Main zoomed panel", 1080, 440, kMainZoomedPanel},
    {10020, "Overhead panel", 780, 680, kOverheadPanel},
    {10050, "Side panel", 485, 185, kSidePanel},
    {10190, "Center dispatch", 820, 560, kCenterDispatchPage},
    {10210, "Center options", 650, 500, kCenterOptionsPage},
    {10200, "Center updated", 400, 250, kCenterUpdatedNotice},
    {10270, "Pushback", 600, 380, kPushbackPopup},
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
