// The world-size navigation data of the benchmarks.
#include "bench/world_data.h"

#include <cstdarg>
#include <cstdio>
#include <random>

namespace bench {
namespace {

std::string Ident(int n, int length) {
  std::string ident(length, 'A');
  for (int i = length - 1; i >= 0; --i, n /= 26) ident[i] = static_cast<char>('A' + n % 26);
  return ident;
}

void Append(std::string* text, const char* format, ...) {
  char line[160];
  va_list args;
  va_start(args, format);
  const int length = std::vsnprintf(line, sizeof line, format, args);
  va_end(args);
  if (length > 0) text->append(line, static_cast<size_t>(length) < sizeof line ? length : sizeof line - 1);
}

bool WriteFile(const std::string& path, const std::string& text) {
  std::FILE* file = std::fopen(path.c_str(), "w");
  if (file == nullptr) return false;
  const bool written = std::fwrite(text.data(), 1, text.size(), file) == text.size();
  return std::fclose(file) == 0 && written;
}

}  // namespace

WorldText GenerateWorldText() {
  std::mt19937 random(2027);
  std::uniform_real_distribution<double> lat(-60.0, 72.0), lon(-180.0, 180.0), offset(-0.02, 0.02);
  const char* types[] = {"VOR", "VORDME", "NDB", "DME"};
  WorldText world;
  world.airports = "@APT|ident|lat|lon|elev_ft|name\n@RWY|airport|ident|lat|lon|heading_mag|length_ft|elev_ft\n";
  for (int i = 0; i < kWorldAirports; ++i) {
    const double a = lat(random), o = lon(random);
    const std::string ident = Ident(i, 4);
    Append(&world.airports, "APT|%s|%.6f|%.6f|%d|GENERATED FIELD %d\n", ident.c_str(), a, o, i % 5000, i);
    Append(&world.airports, "RWY|%s|09|%.6f|%.6f|90.0|9000|%d\n", ident.c_str(), a + offset(random), o - 0.02, i % 5000);
    Append(&world.airports, "RWY|%s|27|%.6f|%.6f|270.0|9000|%d\n", ident.c_str(), a + offset(random), o + 0.02,
           i % 5000);
  }
  world.navaids = "@NAV|ident|type|lat|lon|freq|elev_ft|name\n";
  for (int i = 0; i < kWorldNavaids; ++i) {
    Append(&world.navaids, "NAV|%s|%s|%.6f|%.6f|%.2f|%d|GENERATED %d\n", Ident(i, 3).c_str(), types[i % 4], lat(random),
           lon(random), 108.0 + (i % 400) * 0.05, i % 3000, i);
  }
  world.fixes = "@FIX|ident|lat|lon\n";
  for (int i = 0; i < kWorldFixes; ++i) {
    Append(&world.fixes, "FIX|%s|%.6f|%.6f\n", Ident(i, 5).c_str(), lat(random), lon(random));
  }
  return world;
}

bool GenerateWorld(const std::string& folder) {
  const WorldText world = GenerateWorldText();
  return WriteFile(folder + "/airports.txt", world.airports) && WriteFile(folder + "/navaids.txt", world.navaids) &&
         WriteFile(folder + "/waypoints.txt", world.fixes);
}

}  // namespace bench
