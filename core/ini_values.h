// Numbers and switch positions in the aircraft's INI files, read and written
// the way every system does it: the value is read as wide text into a small
// buffer and taken as its leading integer (or as a real number), and written
// with "%d" or a given format.
#pragma once

#include <cstdint>
#include <span>

#include "core/controls.h"
#include "core/switch.h"

namespace halcyon {

// The aircraft's own INI file and the simulator's aircraft configuration.
inline constexpr const wchar_t* kAircraftIni = L".\\SimObjects\\Airplanes\\QZ Halcyon Pro\\HalcyonPro.ini";
inline constexpr const wchar_t* kAircraftCfg = L".\\SimObjects\\Airplanes\\QZ Halcyon Pro\\Aircraft.cfg";

// The buffer most sections use for a number.
constexpr uint32_t kIniNumberBuffer = 20;
// The buffer the systems read a control's position through (4 characters).
constexpr uint32_t kIniSwitchBuffer = 5;

// The leading decimal integer of a text, as the runtime's text-to-integer does:
// blanks, then an optional sign and digits; 0 when there is none; saturated
// at the 32-bit limits.
int32_t LeadingInteger(const wchar_t* text);
// The leading real number of a text; 0.0 when there is none or it is not finite.
double LeadingReal(const wchar_t* text);

int32_t ReadIniInt(const wchar_t* section, const wchar_t* key, const wchar_t* defaultText,
                   uint32_t bufferSize = kIniNumberBuffer, const wchar_t* path = kAircraftIni);
double ReadIniReal(const wchar_t* section, const wchar_t* key, const wchar_t* defaultText,
                   uint32_t bufferSize = kIniNumberBuffer, const wchar_t* path = kAircraftIni);
void WriteIniInt(const wchar_t* section, const wchar_t* key, int32_t value, const wchar_t* path = kAircraftIni);
// Writes a real number with a printf format such as L"%f" or L"%3.1f".
void WriteIniReal(const wchar_t* section, const wchar_t* key, const wchar_t* format, double value,
                  const wchar_t* path = kAircraftIni);

// A control's saved position: read with SetSwitch's range rule, written "%d".
// Loading also registers the control by section and key (core/controls.h),
// so both must be texts that live as long as the module (literals); saving
// notes a control that was never registered.
void LoadSwitch(CSwitch* record, const wchar_t* section, const wchar_t* key, const wchar_t* defaultText,
                uint32_t bufferSize = kIniNumberBuffer);
void SaveSwitch(const CSwitch* record, const wchar_t* section, const wchar_t* key);

// A section's controls in table order, each through a buffer of bufferSize.
void LoadSwitches(const wchar_t* section, std::span<const SwitchKey> keys, uint32_t bufferSize = kIniSwitchBuffer);
void SaveSwitches(const wchar_t* section, std::span<const SwitchKey> keys);

}  // namespace halcyon
