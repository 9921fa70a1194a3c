// The navigation display's heaviest frame: the expanded arc (and the map)
// over a full 64 x 64 weather grid, with the compass, the heading line, a
// VOR/ILS course with deviation, the glideslope scale, the ADF needle, the
// range arc, the data blocks and readouts, on its native 300 x 250 surface;
// and the map at 40 NM over the world-size navigation database with a busy
// terminal area around the aircraft: a 30-leg route with its turns, a hold
// and a DME arc, every display toggle on, two FIX INFO fixes with radials,
// T/C and T/D.
// Budget 1.7 ms on one core; "allocs_per_frame" counts every heap
// allocation of a frame.
#include <benchmark/benchmark.h>

#include <array>
#include <random>
#include <string>

#include "bench/bench_host.h"
#include "bench/heap_count.h"
#include "bench/world_data.h"
#include "platform/gfx_surface.h"
#include "core/ground_track.h"
#include "displays/efis/display_states.h"
#include "fmc/fms.h"
#include "displays/efis/efis_mcp.h"
#include "displays/nd/nav_display.h"
#include "gauges/element_helpers.h"
#include "host/simconnect_client.h"
#include "platform/system.h"
#include "simhost/sim_host.h"

namespace {

using halcyon::Token;

// A powered cockpit with both IRS in NAV, the EFIS lit, an ILS tuned on
// NAV 1, DME on both receivers, the ADF pointer on, weather radar in WX and
// cloud in every cell of the ND's grid.
simhost::SimHost& StormyApproach() {
  static simhost::SimHost* host = [] {
    simhost::SimHost* made = bench::StartBenchHost("halcyon-nd-bench");
    bench::IrsInNav();
    made->MoveControl("APU", "battery", 41);
    made->MoveControl("EFIS DIMMER", "pfd_dim", 10);
    made->MoveControl("EFIS DIMMER", "nd_dim", 10);
    made->MoveControl("EFIS DIMMER", "wx_dim", 8);
    made->MoveControl("EFIS MCP", "adf1", 1);
    made->MoveControl("EFIS MCP", "range", 2);
    made->MoveControl("RADAR", "mode_switch", 109);
    const bench::TokenValue tokens[] = {
        {Token::Nav1CourseDeg, 250.0},    {Token::Nav1Code, 0xC1},         {Token::CourseNeedle, 30.0},
        {Token::GlideSlopeNeedle, -20.0}, {Token::Nav1ToFrom, 1.0},        {Token::Dme1Nm, 12.4},
        {Token::Dme2Nm, 48.7},            {Token::AdfBearingDeg, 40.0},    {Token::AltitudeFt, 12000.0},
        {Token::WindSpeedKt, 35.0},       {Token::WindDirectionDeg, 270.0}, {Token::MagneticHeadingDeg, 245.0},
        {Token::HeadingDeg, 247.0}};
    bench::SetTokens(*made, tokens);
    made->RunSeconds(6);  // the brightness ramps up
    return made;
  }();
  return *host;
}

void NdFrames(benchmark::State& state, uint32_t mode) {
  simhost::SimHost& host = StormyApproach();
  for (auto& row : halcyon::g_cloudGridNd) {
    for (uint32_t& cell : row) cell = 200;
  }
  halcyon::g_efisMcp.mode = mode;
  platform::ELEMENT_HEADER* screen = halcyon::GetNthElement(host.Module().FindGauge("EFIS ND")->elements, 1);
  halcyon::DrawNavDisplay(screen, 1.0, 0.8, 1.0);  // the surface's kept buffers, made once
  const halcyon::bench::AllocationsPerFrame allocations;
  for (auto _ : state) halcyon::DrawNavDisplay(screen, 1.0, 0.8, 1.0);
  allocations.Report(state);
}

void BM_NdArcFrameFullWeather(benchmark::State& state) { NdFrames(state, halcyon::kEfisModeArc); }
BENCHMARK(BM_NdArcFrameFullWeather)->Unit(benchmark::kMillisecond);
void BM_NdMapFrameFullWeather(benchmark::State& state) { NdFrames(state, halcyon::kEfisModeMap); }
BENCHMARK(BM_NdMapFrameFullWeather)->Unit(benchmark::kMillisecond);
void BM_NdRoseFrame(benchmark::State& state) { NdFrames(state, halcyon::kEfisModeRose); }
BENCHMARK(BM_NdRoseFrame)->Unit(benchmark::kMillisecond);

// ---- The map over the world-size database ----

constexpr double kLatDeg = 47.0;
constexpr double kLonWestDeg = -8.0;  // 8 E

halcyon::CLatLon Near(std::mt19937& random, double reachDeg) {
  std::uniform_real_distribution<double> d(-reachDeg, reachDeg);
  return {kLatDeg + d(random), kLonWestDeg + 1.4 * d(random)};
}
std::string Field(const halcyon::CLatLon& p) {
  char text[48];
  std::snprintf(text, sizeof text, "%.6f|%.6f", p.GetLat(), -p.GetLon());
  return text;
}

// Every record of the world, and a terminal area's worth more within 40 NM:
// 40 navaids, 60 airports, 250 fixes.
void LoadBusyWorld(halcyon::CNavDatabase& db) {
  const bench::WorldText world = bench::GenerateWorldText();
  db.LoadAirports("world airports", world.airports);
  db.LoadNavaids("world navaids", world.navaids);
  db.LoadFixes("world fixes", world.fixes);
  std::mt19937 random(4711);
  const char* types[] = {"VOR", "VORDME", "NDB", "DME"};
  std::string navaids = "@NAV|ident|type|lat|lon|freq|elev_ft|name\n";
  for (int i = 0; i < 40; ++i) {
    navaids += "NAV|T" + std::to_string(100 + i) + "|" + types[i % 4] + "|" + Field(Near(random, 0.6)) + "|113.0|0|T\n";
  }
  std::string airports = "@APT|ident|lat|lon|elev_ft|name\n";
  for (int i = 0; i < 60; ++i) airports += "APT|Q" + std::to_string(100 + i) + "|" + Field(Near(random, 0.6)) + "|0|Q\n";
  std::string fixes = "@FIX|ident|lat|lon\n";
  for (int i = 0; i < 250; ++i) fixes += "FIX|F" + std::to_string(1000 + i) + "|" + Field(Near(random, 0.6)) + "\n";
  db.LoadNavaids("terminal navaids", navaids);
  db.LoadAirports("terminal airports", airports);
  db.LoadFixes("terminal fixes", fixes);
}

// RTE 1 executed: 30 legs zig-zagging ahead along the track, 3 NM apart,
// each with its turn onto the next, a 5000A/9000B window and an ETA; a hold
// at the tenth waypoint and a DME arc into the twentieth.
void FlyBusyRoute(double trackDeg) {
  using namespace halcyon;
  CFmsNav& nav = *g_fms.GetFmsNav();
  CFlightPlan& route = *nav.GetRoute(1);
  route.Clear();
  GeoPointDeg at{kLatDeg, kLonWestDeg};
  for (int i = 0; i < 30; ++i) {
    at = DestinationPoint(at.latitudeDeg, at.longitudeDeg, trackDeg + (i % 2 == 0 ? 20.0 : -20.0), 3.0);
    route.InsertLeg(nullptr, "R" + std::to_string(100 + i), CLatLon(at.latitudeDeg, at.longitudeDeg));
  }
  nav.Activate(1);
  nav.Execute();
  CFlightPlan& flown = *nav.GetRoute(CFmsNav::kActiveSlot);
  int i = 0;
  for (CLeg* leg = flown.GetFirstLeg(); leg != nullptr && leg->GetNext() != nullptr; leg = leg->GetNext(), ++i) {
    const CLatLon& fix = *leg->GetToPosition();
    const double in = InitialBearing(leg->GetFromPosition()->GetLat(), leg->GetFromPosition()->GetLon(), fix.GetLat(),
                                     fix.GetLon());
    const double out = in + (i % 2 == 0 ? -40.0 : 40.0);
    auto point = [&](double bearing, double nm) {
      const GeoPointDeg p = DestinationPoint(fix.GetLat(), fix.GetLon(), bearing, nm);
      return CLatLon(p.latitudeDeg, p.longitudeDeg);
    };
    leg->SetTurnPoints({point(in + 180.0, 0.6), point(out, 0.6), point(in + 180.0, 0.2), point(out, 0.2)});
    flown.SetAltConstraint(leg, 1, 5000.0, AltConstraintType::AtOrAbove);
    flown.SetAltConstraint(leg, 2, 9000.0, AltConstraintType::AtOrBelow);
    leg->SetPrediction(3.0 * (i + 1), 1200.0 + i);
    if (i == 9) flown.SetHold(leg, CHold(in, kTurnRight, 4.0, kUnsetValue, kUnsetValue));
    if (i == 19) {
      std::array<CLatLon, CLeg::kArcPoints> arc;
      for (int k = 0; k < CLeg::kArcPoints; ++k) arc[k] = point(in + 180.0 + 9.0 * k, 1.5);
      leg->SetArcPoints(arc);
    }
  }
  const GeoPointDeg tc = DestinationPoint(kLatDeg, kLonWestDeg, trackDeg, 12.0);
  const GeoPointDeg td = DestinationPoint(kLatDeg, kLonWestDeg, trackDeg, 33.0);
  nav.GetTcPosition()->SetLatLon(tc.latitudeDeg, tc.longitudeDeg);
  nav.GetTdPosition()->SetLatLon(td.latitudeDeg, td.longitudeDeg);
  for (int n = 1; n <= 2; ++n) {
    CFms::FixInfo info;
    info.position = *flown.GetFirstLeg()->GetNext()->GetToPosition();
    for (int k = 0; k < 3; ++k) info.radialMagDeg[k] = 40.0 * n + 90.0 * k;
    g_fms.SetFixInfo(n, info);
  }
}

simhost::SimHost& BusyTerminal() {
  static simhost::SimHost* host = [] {
    simhost::SimHost& made = StormyApproach();
    made.SetToken(Token::OnGround, 1.0);  // the track is the heading
    made.SetScaledToken(Token::Latitude, kLatDeg);
    made.SetScaledToken(Token::Longitude, -kLonWestDeg);
    for (const char* toggle : {"dc_naid", "dc_arpt", "dc_data", "dc_wpt"}) made.MoveControl("EFIS MCP", toggle, 1);
    made.MoveControl("EFIS MCP", "mode", halcyon::kEfisModeMap);
    made.MoveControl("EFIS MCP", "range", 2);
    made.RunSeconds(1);
    LoadBusyWorld(*halcyon::g_fms.GetNavDatabase());
    halcyon::g_fms.AlignToAircraftPosition();
    FlyBusyRoute(halcyon::GetGroundTrack());
    made.RunSeconds(2);  // the nearby lists fill
    return &made;
  }();
  return *host;
}

// One frame, out of line so that a profiler can count this alone
// (valgrind --tool=callgrind --toggle-collect='*DrawBusyMapFrame*').
[[gnu::noinline]] void DrawBusyMapFrame(platform::ELEMENT_HEADER* screen) {
  halcyon::DrawNavDisplay(screen, 1.0, 0.8, 1.0);
}

// Argument 1: every display toggle on; 0: the route alone (toggles off).
void BM_NdMapFrameWorldDatabase(benchmark::State& state) {
  simhost::SimHost& host = BusyTerminal();
  const uint32_t toggles = static_cast<uint32_t>(state.range(0));
  halcyon::g_efisMcp.declutterNaid = halcyon::g_efisMcp.declutterArpt = toggles;
  halcyon::g_efisMcp.declutterData = halcyon::g_efisMcp.declutterWpt = toggles;
  for (auto& row : halcyon::g_cloudGridNd) {
    for (uint32_t& cell : row) cell = 0;
  }
  halcyon::g_efisMcp.mode = halcyon::kEfisModeMap;
  halcyon::g_efisMcp.range = 2;
  platform::ELEMENT_HEADER* screen = halcyon::GetNthElement(host.Module().FindGauge("EFIS ND")->elements, 1);
  halcyon::DrawNavDisplay(screen, 1.0, 0.8, 1.0);
  const halcyon::bench::AllocationsPerFrame allocations;
  for (auto _ : state) DrawBusyMapFrame(screen);
  allocations.Report(state);
  // What one frame draws, from the surface's recording.
  screen->surface->StartRecording();
  halcyon::DrawNavDisplay(screen, 1.0, 0.8, 1.0);
  screen->surface->StopRecording();
  size_t texts = 0, shapes = 0;
  for (const auto& item : screen->surface->Log().Items()) {
    if (item.kind == platform::gfx::DrawnItem::Kind::DrawString) ++texts;
    else if (item.kind != platform::gfx::DrawnItem::Kind::Mark) ++shapes;
  }
  state.counters["texts"] = static_cast<double>(texts);
  state.counters["shapes"] = static_cast<double>(shapes);
  int navaids = 0, airports = 0, fixes = 0;
  for (auto* p = halcyon::g_ndNavaidList; p != nullptr && p->IsSet(); p = p->GetNext()) ++navaids;
  for (auto* p = halcyon::g_ndAirportList; p != nullptr && p->IsSet(); p = p->GetNext()) ++airports;
  for (auto* p = halcyon::g_ndFixList; p != nullptr && p->GetIdent()[0] != 0; p = p->GetNext()) ++fixes;
  state.counters["navaids"] = navaids;
  state.counters["airports"] = airports;
  state.counters["fixes"] = fixes;
}
BENCHMARK(BM_NdMapFrameWorldDatabase)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);

// The once-a-second refill of the three lists at 40 NM around the aircraft.
void BM_NdMapListRefills(benchmark::State& state) {
  BusyTerminal();
  halcyon::CNavDatabase& db = *halcyon::g_fms.GetNavDatabase();
  const halcyon::CLatLon centre(kLatDeg, kLonWestDeg);
  for (auto _ : state) {
    db.FindNavaidsInBox(halcyon::g_ndNavaidList, centre, 40.0 / 60, 80.0 / 60);
    db.FindAirportsInBox(halcyon::g_ndAirportList, centre, 40.0 / 60, 80.0 / 60);
    db.FindFixesInBox(halcyon::g_ndFixList, centre, 40.0 / 60, 80.0 / 60);
  }
}
BENCHMARK(BM_NdMapListRefills)->Unit(benchmark::kMicrosecond);

}  // namespace
