// The key event table of the log.
#include "simhost/key_event_names.h"

namespace simhost {
namespace {

struct KeyEventName {
  uint32_t event;
  const char* description;
};

constexpr KeyEventName kKeyEventNames[] = {
    {65568, "minute tick"},
    {65570, "gear toggle"},
    {65580, "autopilot master toggle"},
    {65607, "elevator trim down"},
    {65608, "speed decay recovery"},
    {65615, "elevator trim up"},
    {65657, "clock: left key"},
    {65658, "clock: right key"},
    {65640, "NAV 1 whole MHz down"},
    {65641, "NAV 1 whole MHz up"},
    {65642, "NAV 1 fraction down"},
    {65643, "NAV 1 fraction up"},
    {65644, "NAV 2 whole MHz down"},
    {65645, "NAV 2 whole MHz up"},
    {65646, "NAV 2 fraction down"},
    {65647, "NAV 2 fraction up"},
    {65662, "NAV 1 course down"},
    {65663, "NAV 1 course up"},
    {65664, "NAV 2 course down"},
    {65665, "NAV 2 course up"},
    {65696, "steering set"},
    {65707, "COMM 1 frequency set"},
    {65714, "ADF frequency set"},
    {65751, "landing lights toggle"},
    {65752, "parking brake toggle"},
    {65758, "flap handle a detent down"},
    {65759, "flap handle a detent up"},
    {65791, "autopilot off"},
    {65799, "altitude hold engage"},
    {65806, "approach mode"},
    {65808, "altitude hold"},
    {65811, "NAV hold on"},
    {65812, "hold release"},
    {65813, "hold release"},
    {65814, "approach hold release"},
    {65815, "hold release"},
    {65816, "hold release"},
    {65817, "hold release"},
    {65818, "hold release"},
    {65819, "NAV hold off"},
    {65786, "spoiler handle set"},
    {65820, "throttle 1 set"},
    {65821, "throttle 2 set"},
    {65832, "NAV 1 audio off"},
    {65833, "NAV 2 audio off"},
    {65834, "DME 1 audio off"},
    {65835, "DME 2 audio off"},
    {65836, "ADF audio off"},
    {65837, "NAV 1 audio on"},
    {65838, "NAV 2 audio on"},
    {65839, "DME 1 audio on"},
    {65840, "DME 2 audio on"},
    {65841, "ADF audio on"},
    {65860, "autothrottle arm toggle"},
    {65861, "TOGA power toggle"},
    {65883, "barometric setting up a millibar"},
    {65884, "barometric setting down a millibar"},
    {65887, "fuel: single tank selected"},
    {65894, "autopilot vertical speed up 100 ft/min"},
    {65895, "autopilot vertical speed down 100 ft/min"},
    {65896, "autopilot airspeed up a knot"},
    {65897, "autopilot airspeed down a knot"},
    {65916, "autopilot Mach up 0.01"},
    {65917, "autopilot Mach down 0.01"},
    {65919, "engine 1 mixture cut off"},
    {65983, "engine 1 mixture rich (fuel lever on)"},
    {65987, "engine 1 mixture lean (fuel lever off)"},
    {65988, "engine 2 mixture rich (fuel lever on)"},
    {65992, "engine 2 mixture lean (fuel lever off)"},
    {65920, "engine 2 mixture cut off"},
    {65956, "engine 1 fuel selector: all"},
    {65957, "engine 1 fuel selector: left"},
    {65958, "engine 1 fuel selector: right"},
    {65961, "engine 1 fuel selector: centre"},
    {66036, "autopilot vertical speed set"},
    {66037, "autopilot airspeed set"},
    {66038, "autopilot Mach set"},
    {66042, "heading bug set"},
    {66047, "ADF extended frequency reset"},
    {66052, "strobes on"},
    {66053, "strobes off"},
    {66069, "yaw damper on"},
    {66070, "yaw damper off"},
    {66072, "pitot heat on"},
    {66073, "pitot heat off"},
    {66066, "spoiler arm on"},
    {66067, "spoiler arm toggle"},
    {66080, "gear down"},
    {66097, "speed capture"},
    {66103, "vertical speed hold"},
    {66106, "heading hold"},
    {66107, "navigation hold off"},
    {66109, "Mach hold"},
    {66112, "airspeed hold"},
    {66113, "airspeed hold off"},
    {66124, "autopilot altitude set"},
    {66239, "beacon lights toggle"},
    {66240, "taxi lights toggle"},
    {66241, "battery master toggle"},
    {65750, "panel lights toggle"},
    {66242, "alternator master toggle"},
    {66288, "flight director toggle"},
    {66276, "aileron trim left"},
    {66277, "aileron trim right"},
    {66278, "rudder trim left"},
    {66279, "rudder trim right"},
    {66298, "autobrake setting up"},
    {66299, "autobrake setting down"},
    {66293, "avionics master toggle"},
    {66300, "engine 1 starter toggle"},
    {66301, "engine 2 starter toggle"},
    {66375, "token 848 set"},
    {66378, "logo lights toggle"},
    {66379, "navigation lights toggle"},
    {66442, "COMM 2 frequency set"},
    {66462, "ADF extended frequency step"},
    {66466, "VHF both receive"},
    {66478, "marker audio set"},
    {66483, "pushback (1 starts, 0 stops)"},
    {66506, "panel window toggle"},
    {66507, "panel window open"},
    {66508, "panel window close"},
    {66517, "engine 2 fuel selector: all"},
    {66518, "engine 2 fuel selector: left"},
    {66519, "engine 2 fuel selector: right"},
    {66522, "engine 2 fuel selector: centre"},
    {66595, "fuel: all tanks selected"},
    {66704, "APU starter"},
    {66705, "APU off"},
    {66706, "APU generator toggle"},
    {66709, "bank limit up"},
    {66710, "bank limit down"},
};

// The autopilot's and throttles' set events: their values are signed.
constexpr uint32_t kSignedValueEvents[] = {65696, 65820, 65821, 66036, 66037, 66038, 66042, 66124};

}  // namespace

bool KeyEventTakesSignedValue(uint32_t event) {
  for (const uint32_t signedEvent : kSignedValueEvents) {
    if (signedEvent == event) return true;
  }
  return false;
}

const char* DescribeKeyEvent(uint32_t event) {
  for (const KeyEventName& name : kKeyEventNames) {
    if (name.event == event) return name.description;
  }
  return "";
}

}  // namespace simhost
