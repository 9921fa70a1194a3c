// The aircraft's panel as the simulator builds it from the panel
// configuration: panel windows by ident, the gauges placed in each, and one
// instance of every placed gauge with its own element chain (the module's
// gauge header is the first placement; a further placement gets a copy of
// the header and of its elements). A gauge no window places stands in the
// virtual cockpit (window 0). Each frame the simulator reads every element's
// bound token and polls its callback; what it read can be dumped as text or
// drawn as a schematic picture (the gauges' artwork is not ours).
#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "platform/gauge.h"

namespace simhost {

// A gauge placed in a window: its box in the window's pixels.
struct GaugePlacement {
  const char* gauge;
  int32_t x;
  int32_t y;
  int32_t width;
  int32_t height;
};

struct PanelWindowLayout {
  uint32_t ident;
  const char* name;
  int32_t width;
  int32_t height;
  std::span<const GaugePlacement> gauges;
};

// A gauge placed in a window beyond our panel configuration, as another
// panel configuration would place it (a test's second CDU).
struct WindowPlacement {
  uint32_t window;
  GaugePlacement placement;
};

// Where the simulator draws a slider, in its gauge's design pixels: its
// place moved by its x and y values, each at its scale.
struct SliderPoint {
  double x;
  double y;
};
SliderPoint SliderPosition(const platform::ELEMENT_HEADER& slider);

// Our panel configuration (panel_layout.cpp).
std::span<const PanelWindowLayout> PanelLayout();
const PanelWindowLayout* FindPanelWindow(uint32_t ident);

class Panel {
 public:
  struct Instance {
    uint32_t window = 0;                        // 0: the virtual cockpit
    const GaugePlacement* placement = nullptr;  // null in the virtual cockpit
    platform::GAUGEHDR* header = nullptr;       // what the simulator passes to the gauge
    bool copy = false;                          // a further placement of its gauge
  };

  Panel();
  ~Panel();
  Panel(const Panel&) = delete;
  Panel& operator=(const Panel&) = delete;

  // One instance per placement of the module's gauges (those of the layout,
  // then the further ones); the module's own headers first, in gauge order,
  // then the copies in layout order.
  void Build(const std::vector<platform::GAUGEHDR*>& gauges, std::span<const WindowPlacement> further = {});
  void Clear();

  const std::vector<Instance>& Instances() const { return instances_; }
  std::vector<platform::GAUGEHDR*> Headers() const;
  // The instance of a gauge in a window (0: the first placement anywhere);
  // null when the gauge is not there.
  const Instance* Find(const std::string& gauge, uint32_t window = 0) const;

  // Reads each element's bound token and polls its callback, as the
  // simulator does before it draws the instance, and turns each needle with
  // a speed limit towards its value by as far as it may turn in the frame's
  // time (a frame of no time, a redraw, turns none).
  static void Poll(const Instance& instance, double frameSeconds = 0.0);
  void PollAll(double frameSeconds = 0.0) const;

  // Every gauge of a window, element by element: "03 needle  IAS  value 250.000 frame - visible lit",
  // with a slider's y, a sprite's turn and shift, a limited needle's drawn
  // angle and a string's text.
  std::string Dump(uint32_t window) const;
  // A schematic PNG of a window: each gauge's box and name, needles at their
  // angles, drums and digit windows as numbers, lamps lit or dark. False with
  // a message when the file cannot be written.
  bool WriteSchematic(uint32_t window, const std::string& path, std::string* error) const;
  // The same of one placed gauge alone, its box enlarged when small; false
  // with a message for a gauge of the virtual cockpit (no box) or a file that
  // cannot be written.
  bool WriteSchematic(const Instance& instance, const std::string& path, std::string* error) const;

 private:
  struct Copy;
  std::vector<Instance> instances_;
  std::vector<std::unique_ptr<Copy>> copies_;
};

}  // namespace simhost
