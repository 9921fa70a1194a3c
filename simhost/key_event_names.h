// What the key events the cockpit sends do in the simulator, in a few words,
// for the log: one row an event, by the simulator's event number.
#pragma once

#include <cstdint>

namespace simhost {

// The description of a key event; "" for an event the table does not know.
const char* DescribeKeyEvent(uint32_t event);
// Whether the simulator reads the event's value as a signed number (a
// vertical speed, a throttle in reverse), so the log shows it signed.
bool KeyEventTakesSignedValue(uint32_t event);

}  // namespace simhost
