// The navigation database at world size: 250,000 records (50,000 airports
// with two runways each, 50,000 navaids, 150,000 fixes) made up by a
// generator, loaded from their files, then searched at the map display's
// range. The searches must answer exactly as a plain scan in file order, so
// the benchmark checks that before it times them.
#include <benchmark/benchmark.h>
#include <malloc.h>
#include <stdlib.h>
#include <unistd.h>

#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "bench/world_data.h"
#include "nav/nav_database.h"

namespace halcyon {
namespace {

// The map display's box at the 80 NM range: R/60 by 2R/60 degrees.
constexpr double kBoxLatDeg = 80.0 / 60.0;
constexpr double kBoxLonDeg = 160.0 / 60.0;

// A folder of generated data, made once, as the simulator's working folder.
const std::string& WorldFolder() {
  static const std::string folder = [] {
    char pattern[] = "/tmp/halcyon-nav-bench-XXXXXX";
    if (mkdtemp(pattern) == nullptr) return std::string();
    const std::string root(pattern);
    if (system(("mkdir -p " + root + "/NavData").c_str()) != 0 || !bench::GenerateWorld(root + "/NavData")) return std::string();
    return root;
  }();
  return folder;
}

bool LoadWorld(CNavDatabase* db) {
  const std::string& folder = WorldFolder();
  if (folder.empty() || chdir(folder.c_str()) != 0) return false;
  db->Load(L".\\NavData\\");
  return db->Fixes().size() == bench::kWorldFixes;
}

// One database loaded for the searches; null when the data did not load.
const CNavDatabase* LoadedWorld() {
  static CNavDatabase db;
  static const bool loaded = LoadWorld(&db);
  return loaded ? &db : nullptr;
}

void BM_LoadWorldDatabase(benchmark::State& state) {
  if (WorldFolder().empty()) {
    state.SkipWithError("cannot write the generated data");
    return;
  }
  double heapMb = 0.0;
  for (auto _ : state) {
    const size_t before = mallinfo2().uordblks;
    CNavDatabase db;
    if (!LoadWorld(&db)) state.SkipWithError("the generated data did not load");
    heapMb = static_cast<double>(mallinfo2().uordblks - before) / (1024.0 * 1024.0);
    benchmark::DoNotOptimize(db.Airports().data());
  }
  state.counters["records"] = bench::kWorldAirports + bench::kWorldNavaids + bench::kWorldFixes;
  state.counters["heap_MB"] = heapMb;
}
BENCHMARK(BM_LoadWorldDatabase)->Unit(benchmark::kMillisecond)->Iterations(3);

// Random box centres, the same for the indexed search and the scan.
std::vector<CLatLon> Centres() {
  std::mt19937 random(17);
  std::uniform_real_distribution<double> lat(-55.0, 65.0), lon(-175.0, 175.0);
  std::vector<CLatLon> centres;
  for (int i = 0; i < 1024; ++i) centres.emplace_back(lat(random), lon(random));
  return centres;
}

// What a plain scan of every fix in file order finds in the box.
int ScanFixes(const CNavDatabase& db, const CLatLon& centre, std::vector<const CFix*>* found) {
  found->clear();
  for (const CFix& fix : db.Fixes()) {
    const CLatLon& p = *fix.GetPosition();
    if (p.GetLat() > centre.GetLat() - kBoxLatDeg && p.GetLat() < centre.GetLat() + kBoxLatDeg &&
        p.GetLon() > centre.GetLon() - kBoxLonDeg && p.GetLon() < centre.GetLon() + kBoxLonDeg) {
      found->push_back(&fix);
    }
  }
  return static_cast<int>(found->size());
}

void BM_FindFixesInBox(benchmark::State& state) {
  const CNavDatabase* world = LoadedWorld();
  if (world == nullptr) {
    state.SkipWithError("the generated data did not load");
    return;
  }
  const CNavDatabase& db = *world;
  const std::vector<CLatLon> centres = Centres();
  CFix head;
  std::vector<const CFix*> scan;
  // The same records in the same order as the scan, for every centre.
  for (const CLatLon& centre : centres) {
    const int count = db.FindFixesInBox(&head, centre, kBoxLatDeg, kBoxLonDeg);
    bool same = count == ScanFixes(db, centre, &scan);
    const CFix* record = &head;
    for (size_t i = 0; same && i < scan.size(); ++i, record = record->GetNext()) {
      same = std::string(record->GetIdent()) == scan[i]->GetIdent() &&
             record->GetPosition()->GetLat() == scan[i]->GetPosition()->GetLat();
    }
    if (!same) {
      state.SkipWithError("the box search differs from the scan");
      return;
    }
  }
  size_t next = 0;
  int64_t found = 0;
  for (auto _ : state) {
    found += db.FindFixesInBox(&head, centres[next++ % centres.size()], kBoxLatDeg, kBoxLonDeg);
  }
  state.counters["fixes_per_box"] = static_cast<double>(found) / static_cast<double>(state.iterations());
}
BENCHMARK(BM_FindFixesInBox)->Unit(benchmark::kMicrosecond);

// The plain scan itself, for comparison.
void BM_ScanFixesInBox(benchmark::State& state) {
  const CNavDatabase* world = LoadedWorld();
  if (world == nullptr) {
    state.SkipWithError("the generated data did not load");
    return;
  }
  const CNavDatabase& db = *world;
  const std::vector<CLatLon> centres = Centres();
  std::vector<const CFix*> scan;
  size_t next = 0;
  for (auto _ : state) benchmark::DoNotOptimize(ScanFixes(db, centres[next++ % centres.size()], &scan));
}
BENCHMARK(BM_ScanFixesInBox)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace halcyon
