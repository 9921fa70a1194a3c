// The glass displays' pictures: the host gives every drawing-surface element
// of the panel a pixel surface of its image size when the panel is installed
// (as the simulator makes a drawing context for such an image), and writes
// what the displays drew as PNG files named by simulated time and gauge.
// A surface no display has drawn into yet is never written.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/gauge.h"
#include "platform/gfx_surface.h"

namespace simhost {

class DisplayPictures {
 public:
  DisplayPictures() = default;
  ~DisplayPictures() { Detach(); }
  DisplayPictures(const DisplayPictures&) = delete;
  DisplayPictures& operator=(const DisplayPictures&) = delete;

  // Gives each element of the gauges' element chains that carries
  // kImageDrawingSurface a surface of its image size.
  void Attach(const std::vector<platform::GAUGEHDR*>& gauges);
  // Takes every surface back from its element and frees it.
  void Detach();

  struct Picture {
    std::string gauge;
    const platform::gfx::Surface* surface = nullptr;
  };
  // Every surface, in gauge order, and the ones a display has drawn into.
  std::vector<Picture> All() const;
  std::vector<Picture> Drawn() const;
  // Whether the gauge named has a screen (drawn or not).
  bool HasScreen(const std::string& gauge) const;

  // Writes a PNG of every drawn display, or of the one gauge named, into
  // `folder` (made when something is to be written): one a gauge, of its
  // first placement that drew. False with a message when a file cannot be
  // written.
  bool Write(const std::string& folder, double simSeconds, const std::string& gauge, std::string* error);
  // Writes a text file into `folder` (made when missing) and lists it as written.
  bool WriteText(const std::string& folder, const std::string& name, const std::string& text, std::string* error);
  // Lists a file that was written into the folder by someone else.
  void NoteWritten(const std::string& name) { written_.push_back(name); }
  // The files written so far, folder-relative names in the order written.
  const std::vector<std::string>& Written() const { return written_; }

 private:
  struct Attached {
    std::string gauge;
    platform::ELEMENT_HEADER* element;
    std::unique_ptr<platform::gfx::Surface> surface;
  };
  std::vector<Attached> attached_;
  std::vector<std::string> written_;
};

// Makes the pictures folder when it is missing; false with a message when it cannot.
bool MakePicturesFolder(const std::string& folder, std::string* error);

// "00-01-30.0_EFIS_ND.png": hours, minutes, seconds of simulated time and the
// gauge name with anything but letters and digits as '_'.
std::string PictureFileName(double simSeconds, const std::string& gauge);

}  // namespace simhost
