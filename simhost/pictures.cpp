// Drawing surfaces of the panel's glass displays and their PNG files.
#include "simhost/pictures.h"

#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <set>

namespace simhost {

bool MakePicturesFolder(const std::string& folder, std::string* error) {
  if (mkdir(folder.c_str(), 0755) == 0 || errno == EEXIST) return true;
  *error = "cannot make the pictures folder " + folder + ": " + std::strerror(errno);
  return false;
}

void DisplayPictures::Attach(const std::vector<platform::GAUGEHDR*>& gauges) {
  Detach();
  for (platform::GAUGEHDR* gauge : gauges) {
    if (gauge == nullptr) continue;
    for (platform::ELEMENT_HEADER* element = gauge->elements; element != nullptr;
         element = element->nextElement != nullptr ? element->nextElement[0] : nullptr) {
      if ((element->imageFlags & platform::kImageDrawingSurface) == 0) continue;
      auto surface = std::make_unique<platform::gfx::Surface>(element->imageWidth, element->imageHeight);
      element->surface = surface.get();
      attached_.push_back({gauge->name != nullptr ? gauge->name : "", element, std::move(surface)});
    }
  }
}

void DisplayPictures::Detach() {
  for (Attached& attached : attached_) attached.element->surface = nullptr;
  attached_.clear();
}

std::vector<DisplayPictures::Picture> DisplayPictures::All() const {
  std::vector<Picture> pictures;
  for (const Attached& attached : attached_) pictures.push_back({attached.gauge, attached.surface.get()});
  return pictures;
}

std::vector<DisplayPictures::Picture> DisplayPictures::Drawn() const {
  std::vector<Picture> pictures;
  for (const Picture& picture : All()) {
    if (picture.surface->Frames() > 0) pictures.push_back(picture);
  }
  return pictures;
}

bool DisplayPictures::HasScreen(const std::string& gauge) const {
  return std::any_of(attached_.begin(), attached_.end(), [&gauge](const Attached& a) { return a.gauge == gauge; });
}

bool DisplayPictures::Write(const std::string& folder, double simSeconds, const std::string& gauge,
                            std::string* error) {
  bool folderReady = false;
  std::set<std::string> pictured;
  for (const Picture& picture : Drawn()) {
    if (!gauge.empty() && picture.gauge != gauge) continue;
    // A screen placed in several windows draws the same picture in each:
    // the file is of its first placement (a popup shows it in the window's
    // own picture).
    if (!pictured.insert(picture.gauge).second) continue;
    if (!folderReady && !(folderReady = MakePicturesFolder(folder, error))) return false;
    const std::string name = PictureFileName(simSeconds, picture.gauge);
    if (!picture.surface->WritePng(folder + "/" + name, error)) return false;
    written_.push_back(name);
  }
  return true;
}

bool DisplayPictures::WriteText(const std::string& folder, const std::string& name, const std::string& text,
                                std::string* error) {
  if (!MakePicturesFolder(folder, error)) return false;
  FILE* file = std::fopen((folder + "/" + name).c_str(), "wb");
  bool written = file != nullptr && std::fwrite(text.data(), 1, text.size(), file) == text.size();
  if (file != nullptr && std::fclose(file) != 0) written = false;
  if (!written) {
    *error = "cannot write " + folder + "/" + name;
    return false;
  }
  written_.push_back(name);
  return true;
}

std::string PictureFileName(double simSeconds, const std::string& gauge) {
  const double tenths = std::isfinite(simSeconds) && simSeconds > 0 ? std::floor(simSeconds * 10.0 + 1e-6) : 0.0;
  const auto total = static_cast<long long>(tenths);
  char time[48];
  std::snprintf(time, sizeof(time), "%02lld-%02lld-%02lld.%lld", total / 36000, total / 600 % 60, total / 10 % 60,
                total % 10);
  std::string name = time;
  name += '_';
  for (char c : gauge) {
    const bool plain = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
    name += plain ? c : '_';
  }
  return name + ".png";
}

}  // namespace simhost
