// The "FMS" gauge: the CDU faceplate. Its keys hand their key codes to the
// FMS computer (CLR clears the whole scratchpad when held), its rocker sets
// the CDU brightness, its keyboard-entry button turns CDU typing from the PC
// keyboard on and off, a click on the screen toggles the CDU popup, and on
// every pre-draw the FMS draws its page into the screen. Five annunciators
// and the keyboard-entry lamp. Plays no sounds. "FMS Display 2" and "FMS
// Display 3" are the lit screens of the other CDU positions.
#pragma once

#include <cstdint>

#include "platform/gauge.h"

namespace halcyon {

// Passes one key code to the FMS computer. Returns 1.
int32_t PressCduKey(uint32_t code);
template <uint32_t kCode>
int32_t FmsMouseCduKey(platform::PixelPoint, uint32_t) {
  return PressCduKey(kCode);
}

// The keys, by the code each sends.
inline constexpr platform::MouseFunction FmsMouseLsk1L = FmsMouseCduKey<0>;
inline constexpr platform::MouseFunction FmsMouseLsk2L = FmsMouseCduKey<1>;
inline constexpr platform::MouseFunction FmsMouseLsk3L = FmsMouseCduKey<2>;
inline constexpr platform::MouseFunction FmsMouseLsk4L = FmsMouseCduKey<3>;
inline constexpr platform::MouseFunction FmsMouseLsk5L = FmsMouseCduKey<4>;
inline constexpr platform::MouseFunction FmsMouseLsk6L = FmsMouseCduKey<5>;
inline constexpr platform::MouseFunction FmsMouseLsk1R = FmsMouseCduKey<6>;
inline constexpr platform::MouseFunction FmsMouseLsk2R = FmsMouseCduKey<7>;
inline constexpr platform::MouseFunction FmsMouseLsk3R = FmsMouseCduKey<8>;
inline constexpr platform::MouseFunction FmsMouseLsk4R = FmsMouseCduKey<9>;
inline constexpr platform::MouseFunction FmsMouseLsk5R = FmsMouseCduKey<10>;
inline constexpr platform::MouseFunction FmsMouseLsk6R = FmsMouseCduKey<11>;
inline constexpr platform::MouseFunction FmsMouseKeyInitRef = FmsMouseCduKey<12>;
inline constexpr platform::MouseFunction FmsMouseKeyDirIntc = FmsMouseCduKey<13>;
inline constexpr platform::MouseFunction FmsMouseKeyRte = FmsMouseCduKey<14>;
inline constexpr platform::MouseFunction FmsMouseKeyLegs = FmsMouseCduKey<15>;
inline constexpr platform::MouseFunction FmsMouseKeyClb = FmsMouseCduKey<16>;
inline constexpr platform::MouseFunction FmsMouseKeyCrz = FmsMouseCduKey<17>;
inline constexpr platform::MouseFunction FmsMouseKeyDes = FmsMouseCduKey<18>;
inline constexpr platform::MouseFunction FmsMouseKeyPrevPage = FmsMouseCduKey<19>;
inline constexpr platform::MouseFunction FmsMouseKeyNextPage = FmsMouseCduKey<20>;
inline constexpr platform::MouseFunction FmsMouseKeyMenu = FmsMouseCduKey<21>;
inline constexpr platform::MouseFunction FmsMouseKeyFix = FmsMouseCduKey<22>;
inline constexpr platform::MouseFunction FmsMouseKeyDepArr = FmsMouseCduKey<23>;
inline constexpr platform::MouseFunction FmsMouseKeyHold = FmsMouseCduKey<24>;
inline constexpr platform::MouseFunction FmsMouseKeyProg = FmsMouseCduKey<25>;
inline constexpr platform::MouseFunction FmsMouseKeyExec = FmsMouseCduKey<26>;
inline constexpr platform::MouseFunction FmsMouseKey1 = FmsMouseCduKey<27>;
inline constexpr platform::MouseFunction FmsMouseKey2 = FmsMouseCduKey<28>;
inline constexpr platform::MouseFunction FmsMouseKey3 = FmsMouseCduKey<29>;
inline constexpr platform::MouseFunction FmsMouseKey4 = FmsMouseCduKey<30>;
inline constexpr platform::MouseFunction FmsMouseKey5 = FmsMouseCduKey<31>;
inline constexpr platform::MouseFunction FmsMouseKey6 = FmsMouseCduKey<32>;
inline constexpr platform::MouseFunction FmsMouseKey7 = FmsMouseCduKey<33>;
inline constexpr platform::MouseFunction FmsMouseKey8 = FmsMouseCduKey<34>;
inline constexpr platform::MouseFunction FmsMouseKey9 = FmsMouseCduKey<35>;
inline constexpr platform::MouseFunction FmsMouseKeyDot = FmsMouseCduKey<36>;
inline constexpr platform::MouseFunction FmsMouseKey0 = FmsMouseCduKey<37>;
inline constexpr platform::MouseFunction FmsMouseKeyPlusMinus = FmsMouseCduKey<38>;
inline constexpr platform::MouseFunction FmsMouseKeyA = FmsMouseCduKey<39>;
inline constexpr platform::MouseFunction FmsMouseKeyB = FmsMouseCduKey<40>;
inline constexpr platform::MouseFunction FmsMouseKeyC = FmsMouseCduKey<41>;
inline constexpr platform::MouseFunction FmsMouseKeyD = FmsMouseCduKey<42>;
inline constexpr platform::MouseFunction FmsMouseKeyE = FmsMouseCduKey<43>;
inline constexpr platform::MouseFunction FmsMouseKeyF = FmsMouseCduKey<44>;
inline constexpr platform::MouseFunction FmsMouseKeyG = FmsMouseCduKey<45>;
inline constexpr platform::MouseFunction FmsMouseKeyH = FmsMouseCduKey<46>;
inline constexpr platform::MouseFunction FmsMouseKeyI = FmsMouseCduKey<47>;
inline constexpr platform::MouseFunction FmsMouseKeyJ = FmsMouseCduKey<48>;
inline constexpr platform::MouseFunction FmsMouseKeyK = FmsMouseCduKey<49>;
inline constexpr platform::MouseFunction FmsMouseKeyL = FmsMouseCduKey<50>;
inline constexpr platform::MouseFunction FmsMouseKeyM = FmsMouseCduKey<51>;
inline constexpr platform::MouseFunction FmsMouseKeyN = FmsMouseCduKey<52>;
inline constexpr platform::MouseFunction FmsMouseKeyO = FmsMouseCduKey<53>;
inline constexpr platform::MouseFunction FmsMouseKeyP = FmsMouseCduKey<54>;
inline constexpr platform::MouseFunction FmsMouseKeyQ = FmsMouseCduKey<55>;
inline constexpr platform::MouseFunction FmsMouseKeyR = FmsMouseCduKey<56>;
inline constexpr platform::MouseFunction FmsMouseKeyS = FmsMouseCduKey<57>;
inline constexpr platform::MouseFunction FmsMouseKeyT = FmsMouseCduKey<58>;
inline constexpr platform::MouseFunction FmsMouseKeyU = FmsMouseCduKey<59>;
inline constexpr platform::MouseFunction FmsMouseKeyV = FmsMouseCduKey<60>;
inline constexpr platform::MouseFunction FmsMouseKeyW = FmsMouseCduKey<61>;
inline constexpr platform::MouseFunction FmsMouseKeyX = FmsMouseCduKey<62>;
inline constexpr platform::MouseFunction FmsMouseKeyY = FmsMouseCduKey<63>;
inline constexpr platform::MouseFunction FmsMouseKeyZ = FmsMouseCduKey<64>;
inline constexpr platform::MouseFunction FmsMouseKeySpace = FmsMouseCduKey<65>;
inline constexpr platform::MouseFunction FmsMouseKeyDel = FmsMouseCduKey<66>;
inline constexpr platform::MouseFunction FmsMouseKeySlash = FmsMouseCduKey<67>;

// CLR: code 68, or 69 (the whole scratchpad) when it comes within three
// ticks of the CLR before, as the repeats of a held button do.
int32_t FmsMouseKeyClr(platform::PixelPoint point, uint32_t mouseFlags);
// The brightness rocker: a tenth down or up, within 0..1.
int32_t FmsMouseBrightnessDec(platform::PixelPoint point, uint32_t mouseFlags);
int32_t FmsMouseBrightnessInc(platform::PixelPoint point, uint32_t mouseFlags);
// Makes the PC-keyboard reader on the simulator's main window (exclusive,
// foreground) when there is none, else deletes it. Returns 1; no sound.
int32_t FmsMouseKeyboardInputToggle(platform::PixelPoint point, uint32_t mouseFlags);

// Key event 66506 with the CDU popup window 10070.
int32_t FmsMouseToggleWindow(platform::PixelPoint point, uint32_t mouseFlags);

// Pre-draw: the FMS computer's page on the screen (element 1), the key
// lighting (element 8) with the pedestal's panel light.
void FmsGaugeCallback(platform::GAUGEHDR* gauge, uint32_t serviceId, uintptr_t extra);
platform::ELEMENT_HEADER* FmsElements();

// The annunciators: a route page shown, MSG, EXEC, and two lit only in the lamp test.
double FmsElemLampRoute(platform::ELEMENT_HEADER* element);
double FmsElemLampMsg(platform::ELEMENT_HEADER* element);
double FmsElemLampSpare1(platform::ELEMENT_HEADER* element);
double FmsElemLampExec(platform::ELEMENT_HEADER* element);
double FmsElemLampSpare2(platform::ELEMENT_HEADER* element);
// Lit while the PC-keyboard reader exists (no power or lamp test).
double FmsElemKeyboardLamp(platform::ELEMENT_HEADER* element);

// The other CDUs' screens: hidden as the panel installs, then shown while
// the panel has power ("FMS Display 3": normal power only), looked at once a
// second after the tick's work (KeepFmsDisplays) and shown so on every draw.
void FmsDisplay2GaugeCallback(platform::GAUGEHDR* gauge, uint32_t serviceId, uintptr_t extra);
void FmsDisplay3GaugeCallback(platform::GAUGEHDR* gauge, uint32_t serviceId, uintptr_t extra);
void KeepFmsDisplays();
platform::ELEMENT_HEADER* FmsDisplay2Elements();
platform::ELEMENT_HEADER* FmsDisplay3Elements();

}  // namespace halcyon
