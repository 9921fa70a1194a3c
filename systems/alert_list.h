// The overhead annunciator panel's alert list: the active alert messages in
// order of arrival (left and right alerts merged into one "L&R" line), the
// door alerts kept aside while the parking brake message shows, the 12-line
// window with its scrolling, the eight category keys that light and flash,
// the recall of one category, and the glyph frames of the display. The
// once-a-second evaluation of what the other systems report lives in
// systems/alerts.cpp; this file keeps the list and answers the display.
#pragma once

#include <cstdint>

#include "core/switch.h"

namespace halcyon {

// Message ids 0 (blank line) .. 54; each text is 20 characters.
constexpr int32_t kAlertMessageLast = 54;
constexpr int32_t kAlertTextLength = 20;
constexpr int32_t kAlertListCapacity = 50;
constexpr int32_t kAlertDoorListCapacity = 12;
constexpr int32_t kAlertVisibleLines = 12;
constexpr int32_t kAlertCategoryCount = 8;
constexpr int32_t kAlertDoorCategory = 8;

// The messages the list itself treats apart.
enum AlertMessage : int32_t {
  kAlertBlank = 0,
  kAlertParkingBrake = 32,
  kAlertFirstDoor = 45,
  kAlertLastDoor = 53,
};

// Timer objects' positions: a key light or more-light lit (41) or dark
// (120); a flash object flashing (41), its time over (121) or idle (120); the
// recall switch in the recall view (41) or its time over (121).
constexpr int32_t kAlertTimeOver = 121;

extern CSwitch g_eoapRecallSwitch;
extern CSwitch g_eoapKeySwitches[kAlertCategoryCount];    // key of category n at [n - 1]
extern CSwitch g_eoapFlashSwitches[kAlertCategoryCount];  // 36-tick flash per category key
extern CSwitch g_eoapMoreBelowLight;
extern CSwitch g_eoapMoreAboveLight;

// Each tick: the timers, the once-a-second evaluation of every lamp and
// message (or, without panel power, the lists and lamps emptied), the
// lights and the key blink (alerts.cpp).
void UpdateAnnunciators();

// Start-up: both lists, the scroll offset and the key, flash and recall
// objects as after a cold start (part of ResetAnnunciators).
void ResetAlertLists();
// Without panel power: both lists and the scroll offset emptied; the keys,
// the recall and the master lights are left as they are.
void EmptyAlertLists();
// The per-tick steps around the evaluation of UpdateAnnunciators
// (alerts.cpp): before it the recall and flash timers, after it the
// more-lights and the key blink.
void StepAlertTimers();
void StepAlertLights();

// ---- The list ----
// Ids outside 1..54 are ignored.
void AddEoapMessage(int32_t id);
void RemoveEoapMessage(int32_t id);
uint32_t IsEoapMessageListed(int32_t id);
// Index of the first active entry equal to id; 0 when there is none.
int32_t FindEoapMessageIndex(int32_t id);
uint32_t GetEoapMessageCategory(uint32_t id);
uint32_t IsEoapDoorMessage(int32_t id);
bool IsEoapListEmpty();
int32_t GetEoapMessageCount();
int32_t GetEoapDoorCount();
int32_t GetEoapScrollOffset();
// The active entry at an index (0 past the count), and the door list's.
uint32_t GetEoapMessageAt(int32_t index);
uint32_t GetEoapDoorAt(int32_t index);

// A merged pair: left, right and the "L&R" line they combine into.
struct AlertPair {
  int32_t left;
  int32_t right;
  int32_t both;
};
// The pair id belongs to as left or right member; null for any other id.
const AlertPair* FindAlertPair(int32_t id);
// Listed as the evaluation counts it: the id itself, or for a member of a
// merged pair also its combined line.
bool IsAlertShownFor(int32_t id);

// ---- The display chain ----
uint32_t IsEoapRecallMode();
// The category shown by the recall view now (0 outside it).
uint32_t GetEoapRecalledCategory();
// Display line 1..12 -> list index -> message id -> text -> glyph frame.
uint32_t GetEoapLineIndex(uint32_t line);
uint32_t GetEoapLineMessage(int32_t index);
// 20 characters and a terminator; "ERROR" for ids above 54.
const wchar_t* GetEoapMessageText(uint32_t id);
// The frame of the character at pos 1..20 (blank without normal power, the
// test frame during the lamp test).
double GetEoapGlyph(const wchar_t* text, uint32_t pos);
// One display line as the gauge draws it: the message and its category
// (0 for a blank line).
struct AlertLine {
  uint32_t id;
  uint32_t category;
};
AlertLine GetEoapDisplayLine(uint32_t line);

// ---- The keys ----
void ScrollEoapDown();
void ScrollEoapUp();
void RecallEoapCategory(uint32_t category);
void ShowEoapCategoryKey(int32_t category);
void FlashEoapCategoryKey(uint32_t category);
void RefreshEoapKeys();
// Key light of category 1..8 lit; the more-lights lit.
bool IsEoapKeyLit(int32_t category);
bool IsEoapMoreAboveLit();
bool IsEoapMoreBelowLit();

}  // namespace halcyon

// The active list's texts, blanks at the end cut, joined by '|' ("" for an
// empty list), for the simulator host's log; 0 when the buffer is too small.
extern "C" int32_t HalcyonAlertText(char* text, int32_t size);
