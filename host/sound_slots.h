// The 250 sound slots of the cockpit, in slot order, one row a line: the
// name each slot's WAV file is made from. A name is appended to
// "Sound\HalcyonPro\VXMD80 " (no blank when it begins with a hyphen) and
// ".wav"; an empty name is a slot without a sound. tools/make_sound_pack.sh
// reads this table too, so keep one quoted name per row.
#pragma once

#include <cstddef>

constexpr size_t kSoundSlotCount = 250;

constexpr const wchar_t* kSoundSlotNames[kSoundSlotCount] = {
    L"Checklist 01 00",                                 // 0
    L"Checklist 01 01",                                 // 1
    L"Checklist 01 02",                                 // 2
    L"Checklist 01 03",                                 // 3
    L"Checklist 01 04",                                 // 4
    L"Checklist 01 05",                                 // 5
    L"Checklist 01 06",                                 // 6
    L"Checklist 01 07",                                 // 7
    L"Checklist 01 08",                                 // 8
    L"Checklist 01 09",                                 // 9
    L"Checklist 01 10",                                 // 10
    L"Checklist 01 11",                                 // 11
    L"Checklist 01 12",                                 // 12
    L"Checklist 01 13",                                 // 13
    L"Checklist 01 14",                                 // 14
    L"Checklist 01 15",                                 // 15
    L"Checklist 01 16",                                 // 16
    L"Checklist 01 17",                                 // 17
    L"Checklist 01 18",                                 // 18
    L"Checklist 01 19",                                 // 19
    L"Checklist 01 20",                                 // 20
    L"Checklist 01 21",                                 // 21
    L"Checklist 01 22",                                 // 22
    L"Checklist 01 23",                                 // 23
    L"Checklist 01 24",                                 // 24
    L"Checklist 01 25",                                 // 25
    L"Checklist 01 26",                                 // 26
    L"Checklist 01 27",                                 // 27
    L"Checklist 00 00",                                 // 28
    L"Checklist 02 00",                                 // 29
    L"Checklist 02 01",                                 // 30
    L"Checklist 02 02",                                 // 31
    L"Checklist 02 03",                                 // 32
    L"Checklist 02 04",                                 // 33
    L"Checklist 02 05",                                 // 34
    L"Checklist 02 06",                                 // 35
    L"Checklist 02 07",                                 // 36
    L"Checklist 00 00",                                 // 37
    L"Checklist 03 00",                                 // 38
    L"Checklist 03 01",                                 // 39
    L"Checklist 03 02",                                 // 40
    L"Checklist 03 03",                                 // 41
    L"Checklist 03 04",                                 // 42
    L"Checklist 03 05",                                 // 43
    L"Checklist 03 06",                                 // 44
    L"Checklist 03 07",                                 // 45
    L"Checklist 03 08",                                 // 46
    L"Checklist 03 09",                                 // 47
    L"Checklist 03 10",                                 // 48
    L"Checklist 03 11",                                 // 49
    L"Checklist 00 00",                                 // 50
    L"Checklist 04 00",                                 // 51
    L"Checklist 04 01",                                 // 52
    L"Checklist 04 02",                                 // 53
    L"Checklist 04 03",                                 // 54
    L"Checklist 04 04",                                 // 55
    L"Checklist 04 05",                                 // 56
    L"Checklist 04 06",                                 // 57
    L"Checklist 04 07",                                 // 58
    L"Checklist 04 08",                                 // 59
    L"Checklist 04 09",                                 // 60
    L"Checklist 04 10",                                 // 61
    L"Checklist 00 00",                                 // 62
    L"Checklist 05 00",                                 // 63
    L"Checklist 05 01",                                 // 64
    L"Checklist 05 02",                                 // 65
    L"Checklist 05 03",                                 // 66
    L"Checklist 05 04",                                 // 67
    L"Checklist 05 05",                                 // 68
    L"Checklist 05 06",                                 // 69
    L"Checklist 05 07",                                 // 70
    L"Checklist 05 08",                                 // 71
    L"Checklist 05 09",                                 // 72
    L"Checklist 05 10",                                 // 73
    L"Checklist 05 11",                                 // 74
    L"Checklist 05 12",                                 // 75
    L"Checklist 05 13",                                 // 76
    L"Checklist 05 14",                                 // 77
    L"Checklist 00 00",                                 // 78
    L"Checklist 06 00",                                 // 79
    L"Checklist 06 01",                                 // 80
    L"Checklist 06 02",                                 // 81
    L"Checklist 06 03",                                 // 82
    L"Checklist 00 00",                                 // 83
    L"Checklist 07 00",                                 // 84
    L"Checklist 07 01",                                 // 85
    L"Checklist 07 02",                                 // 86
    L"Checklist 07 03",                                 // 87
    L"Checklist 07 04",                                 // 88
    L"Checklist 07 05",                                 // 89
    L"Checklist 07 06",                                 // 90
    L"Checklist 07 07",                                 // 91
    L"Checklist 07 08",                                 // 92
    L"Checklist 07 09",                                 // 93
    L"Checklist 07 10",                                 // 94
    L"Checklist 07 11",                                 // 95
    L"Checklist 07 12",                                 // 96
    L"Checklist 07 13",                                 // 97
    L"Checklist 00 00",                                 // 98
    L"Checklist 08 00",                                 // 99
    L"Checklist 08 01",                                 // 100
    L"Checklist 08 02",                                 // 101
    L"Checklist 08 03",                                 // 102
    L"Checklist 08 04",                                 // 103
    L"Checklist 08 05",                                 // 104
    L"Checklist 08 06",                                 // 105
    L"Checklist 08 07",                                 // 106
    L"Checklist 08 08",                                 // 107
    L"Checklist 00 00",                                 // 108
    L"Checklist 09 00",                                 // 109
    L"Checklist 09 01",                                 // 110
    L"Checklist 09 02",                                 // 111
    L"Checklist 09 03",                                 // 112
    L"Checklist 09 04",                                 // 113
    L"Checklist 09 05",                                 // 114
    L"Checklist 09 06",                                 // 115
    L"Checklist 09 07",                                 // 116
    L"Checklist 09 08",                                 // 117
    L"Checklist 09 09",                                 // 118
    L"Checklist 09 10",                                 // 119
    L"Checklist 09 11",                                 // 120
    L"Checklist 09 12",                                 // 121
    L"Checklist 00 00",                                 // 122
    L"Checklist 10 00",                                 // 123
    L"Checklist 10 01",                                 // 124
    L"Checklist 10 02",                                 // 125
    L"Checklist 10 03",                                 // 126
    L"Checklist 10 04",                                 // 127
    L"Checklist 10 05",                                 // 128
    L"Checklist 10 06",                                 // 129
    L"Checklist 10 07",                                 // 130
    L"Checklist 10 08",                                 // 131
    L"Checklist 10 09",                                 // 132
    L"Checklist 10 10",                                 // 133
    L"Checklist 10 11",                                 // 134
    L"Checklist 10 12",                                 // 135
    L"Checklist 10 13",                                 // 136
    L"Checklist 10 14",                                 // 137
    L"Checklist 10 15",                                 // 138
    L"Checklist 10 16",                                 // 139
    L"Checklist 10 17",                                 // 140
    L"Checklist 10 18",                                 // 141
    L"Checklist 10 19",                                 // 142
    L"Checklist 10 20",                                 // 143
    L"Checklist 10 21",                                 // 144
    L"Checklist 10 22",                                 // 145
    L"Checklist 10 23",                                 // 146
    L"Checklist 10 24",                                 // 147
    L"Checklist 00 00",                                 // 148
    L"Callout Altitude 01",                             // 149
    L"Callout Altitude 02",                             // 150
    L"Callout Altitude 03",                             // 151
    L"Callout Altitude 04",                             // 152
    L"Callout Altitude 05",                             // 153
    L"Callout Altitude 06",                             // 154
    L"Callout Altitude 07",                             // 155
    L"Callout Altitude 08",                             // 156
    L"Callout Altitude 09",                             // 157
    L"Callout Altitude 10",                             // 158
    L"Callout Altitude 11",                             // 159
    L"Callout Altitude 12",                             // 160
    L"Callout Altitude 13",                             // 161
    L"Callout Engine Start 01",                         // 162
    L"Callout Engine Start 02",                         // 163
    L"Callout Engine Start 03",                         // 164
    L"Callout Engine Start 04",                         // 165
    L"Callout Flaps 01",                                // 166
    L"Callout Flaps 02",                                // 167
    L"Callout Flaps 03",                                // 168
    L"Callout Flaps 04",                                // 169
    L"Callout Flaps 05",                                // 170
    L"Callout Flaps 06",                                // 171
    L"Callout Gear 01",                                 // 172
    L"Callout Gear 02",                                 // 173
    L"Callout Gear 03",                                 // 174
    L"Callout TO 01",                                   // 175
    L"Callout TO 02",                                   // 176
    L"Callout TO 03",                                   // 177
    L"Callout TO 04",                                   // 178
    L"Callout TO 05",                                   // 179
    L"Callout 60kts Manual Braking",                    // 180
    L"Callout Auto Throttle On",                        // 181
    L"Callout Glideslope Capture",                      // 182
    L"Callout Localizer Capture",                       // 183
    L"Callout Park Brake Set",                          // 184
    L"Ground Com 01",                                   // 185
    L"Ground Com 02",                                   // 186
    L"Ground Com 03",                                   // 187
    L"Ground Com 04",                                   // 188
    L"Ground Com 05",                                   // 189
    L"Ground Com 06",                                   // 190
    L"Ground Com 07",                                   // 191
    L"Ground Com 08",                                   // 192
    L"Ground Com 09",                                   // 193
    L"Ground Com 10",                                   // 194
    L"Ground Com 11",                                   // 195
    L"Ground Com 12",                                   // 196
    L"",                                                // 197
    L"-gear_wind",                                      // 198
    L"-spoiler_wind",                                   // 199
    L"-brake_rub",                                      // 200
    L"-attendant_call",                                 // 201
    L"-seat_belt",                                      // 202
    L"-minimums",                                       // 203
    L"TCAS Traffic Traffic",                            // 204
    L"TCAS Clear Of Conflict",                          // 205
    L"TCAS Monitor Vertical Speed",                     // 206
    L"TCAS Maintain Vertical Speed Maintain",           // 207
    L"TCAS Maintain Vertical Speed Crossing Maintain",  // 208
    L"TCAS Adjust Vertical Speed",                      // 209
    L"TCAS Climb Climb",                                // 210
    L"TCAS Climb Crossing Climb",                       // 211
    L"TCAS Descend Descend",                            // 212
    L"TCAS Descend Crossing Descend",                   // 213
    L"TCAS Increase Climb",                             // 214
    L"TCAS Increase Descent",                           // 215
    L"TCAS Test OK",                                    // 216
    L"Gear Warning",                                    // 217
    L"Stabilizer Trim",                                 // 218
    L"Stabilizer Motion",                               // 219
    L"TO Stabilizer",                                   // 220
    L"TO Slats",                                        // 221
    L"TO Flaps",                                        // 222
    L"TO Spoiler",                                      // 223
    L"TO Brakes",                                       // 224
    L"Stall Warning",                                   // 225
    L"Overspeed Warning",                               // 226
    L"Overspeed Slats Warning",                         // 227
    L"Altitude Alert",                                  // 228
    L"Altitude Alert 2",                                // 229
    L"AP Disconnect",                                   // 230
    L"GPWS Dont Sink",                                  // 231
    L"GPWS Glideslope",                                 // 232
    L"GPWS Sinkrate",                                   // 233
    L"GPWS Terrain",                                    // 234
    L"GPWS To Low Flaps",                               // 235
    L"GPWS To Low Gear",                                // 236
    L"GPWS To Low Terrain",                             // 237
    L"GPWS Whoop",                                      // 238
    L"Fire Right Engine",                               // 239
    L"Fire Left Engine",                                // 240
    L"Switch FL1",                                      // 241
    L"Switch FL2",                                      // 242
    L"Switch FL3",                                      // 243
    L"Switch FL4",                                      // 244
    L"Switch PB1",                                      // 245
    L"Switch PB2",                                      // 246
    L"Switch RC1",                                      // 247
    L"Switch RS1",                                      // 248
    L"Switch RS2",                                      // 249
};
