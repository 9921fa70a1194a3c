// A test card for the drawing layer: one picture at 300 x 250 design units
// that uses every kind of primitive the glass displays draw (fills, outlines,
// dashes, ellipses, arcs, curves, clips of every mode, text in every
// alignment), so a person can check it by eye and a benchmark can time it.
#pragma once

#include "platform/gfx.h"

namespace halcyon::test {

constexpr int kTestCardWidth = 300;
constexpr int kTestCardHeight = 250;

// Draws the whole card, scaled from its design space to the canvas's pixels.
void DrawTestCard(platform::gfx::Canvas& canvas, double brightness = 1.0);

}  // namespace halcyon::test
