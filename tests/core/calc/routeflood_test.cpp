#include "core/calc/routeflood.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <new>

#include "core/interaction/recordinginteraction.h"
#include "tests/support/startupcalc.h"

// Counts the allocations of the whole test program, to show that the routing loop makes none.
// The replacement pairs malloc with free throughout; GCC cannot see that across inlining.
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
namespace {
std::atomic<long> g_allocations{0};
}  // namespace

void* operator new(std::size_t size) {
  ++g_allocations;
  if (void* p = std::malloc(size == 0 ? 1 : size)) return p;
  throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }

namespace {

using testing_support::StartupCalc;

// The reference figures come from an independent transcription of the routing in Python that
// makes the same operations in the same order; 1e-6 is far below the 0.0004 m to which a step
// settles, so any difference in the algorithm would show, while summation order would not.
constexpr double kTolerance = 1e-6;
// Storages are five orders of magnitude above levels.
constexpr double kStorageTolerance = 1e-3;

const std::string kAboveTable =
    "標高データの範囲を超えました。\r\rＨＶ曲線の再検討が必要です。\r\r         計算を停止します。";

class RecordingProgressBar : public ProgressBar {
 public:
  void SetRange(int maximum, int step) override { calls.push_back("range " + std::to_string(maximum) + "/" + std::to_string(step)); }
  void StepIt() override { ++steps; }
  void SetPosition(int position) override { calls.push_back("position " + std::to_string(position)); }
  std::vector<std::string> calls;
  int steps = 0;
};

FloodRouting Route(TRenzoku& calc, RecordingInteraction& ui) {
  NoProgressBar progress;
  return RouteFlood(calc, ui, progress);
}

std::vector<double> Times(const std::vector<RoutingPoint>& points) {
  std::vector<double> times;
  for (const RoutingPoint& p : points) times.push_back(p.x);
  return times;
}

}  // namespace

TEST(RouteFloodTest, StartupDesignMatchesTheIndependentReference) {
  TRenzoku calc = StartupCalc();
  RecordingInteraction ui;
  RecordingProgressBar progress;
  FloodRouting r = RouteFlood(calc, ui, progress);
  EXPECT_EQ(r.outcome, kRoutingCompleted);
  EXPECT_TRUE(ui.Entries().empty());
  EXPECT_EQ(progress.calls, (std::vector<std::string>{"range 99/1", "position 0"}));
  EXPECT_EQ(progress.steps, 100);

  ASSERT_EQ(r.blockCount, 99);
  ASSERT_EQ(r.rows.size(), 100u);
  EXPECT_NEAR(r.maxima.MaxLevel, 31.936981201171875, kTolerance);
  EXPECT_EQ(r.maxima.MaxLevelTime, 1440.0);
  EXPECT_NEAR(r.maxima.MaxInflow, 67.00874230279646, kTolerance);
  EXPECT_EQ(r.maxima.MaxInflowTime, 1420.0);
  EXPECT_NEAR(r.maxima.MaxOutflow, 5.887380455504092, kTolerance);
  EXPECT_EQ(r.maxima.MaxOutflowTime, 1440.0);
  EXPECT_NEAR(r.maxLevelStorage, 267775.3497807773, kStorageTolerance);
  EXPECT_NEAR(r.maxLevelArea, 57272.91717529297, kStorageTolerance);

  // The highest level ends block 72 (1440–1460 min): its row is the peak row.
  EXPECT_TRUE(r.peakAtBlockEnd);
  EXPECT_EQ(r.peakBlock, 72);
  EXPECT_EQ(r.peakRow.time, 1460.0);

  // Every row is checked as text against the reference by the routing table's filler.
  EXPECT_EQ(r.rows.front().time, 20.0);
  EXPECT_NEAR(r.rows.back().level, 28.742285156250002, kTolerance);
  EXPECT_EQ(calc.Spillway.LastFlow, 0.0);  // the level never reached the crest
}

TEST(RouteFloodTest, BlocksZeroAndOneTakeFiveStepsAndLaterBlocksWholePitches) {
  TRenzoku calc = StartupCalc();
  RecordingInteraction ui;
  FloodRouting r = Route(calc, ui);
  std::vector<double> times = Times(r.level);
  ASSERT_EQ(times.size(), 1u + 10 + 98);
  std::vector<double> start(times.begin(), times.begin() + 13);
  EXPECT_EQ(start, (std::vector<double>{0, 4, 8, 12, 16, 20, 24, 28, 32, 36, 40, 60, 80}));
  EXPECT_EQ(times.back(), 2000.0);

  // A pitch of 20/3 gives three steps a block, and every block still ends on a multiple of 20.
  calc.Time.Pitch = 20.0 / 3;
  r = Route(calc, ui);
  ASSERT_EQ(r.rows.size(), 100u);
  for (std::size_t j = 0; j < r.rows.size(); ++j) {
    EXPECT_EQ(r.rows[j].time, 20.0 * static_cast<double>(j + 1)) << j;
  }
  EXPECT_EQ(r.level.size(), 1u + 10 + 98 * 3);
  EXPECT_NEAR(r.maxima.MaxLevel, 31.54774169921875, kTolerance);
  EXPECT_NEAR(r.maxima.MaxInflowTime, 1433.3333333333333, kTolerance);
  EXPECT_FALSE(r.peakAtBlockEnd);
  EXPECT_NEAR(r.peakRow.time, 1446.6666666666667, kTolerance);

  // 3000 minutes are exactly 150 blocks.
  calc.Time.Pitch = 20;
  calc.Time.CalcDuration = 3000;
  r = Route(calc, ui);
  EXPECT_EQ(r.blockCount, 149);
  ASSERT_EQ(r.rows.size(), 150u);
  EXPECT_EQ(r.rows.back().block, 150);
  EXPECT_EQ(r.rows.back().time, 3000.0);
  calc.Time.CalcDuration = 3010;
  EXPECT_EQ(Route(calc, ui).blockCount, 150);
  EXPECT_EQ(RoutingBlockCount(0.00001, 20), 0);  // never fewer than block 0
  EXPECT_EQ(StepsPerBlock(20, 8), 2);             // 2.5 rounds to the even 2, as the pitch rule
  EXPECT_EQ(StepsPerBlock(30, 20), 2);            // 1.5 rounds to 2
  EXPECT_TRUE(ui.Entries().empty());
}

TEST(RouteFloodTest, PeakBetweenBlockEndsGetsItsOwnRowAtTheFirstPitchAfterIt) {
  TRenzoku calc = StartupCalc();
  calc.Time.Pitch = 10;
  RecordingInteraction ui;
  FloodRouting r = Route(calc, ui);
  EXPECT_NEAR(r.maxima.MaxLevel, 31.64659423828125, kTolerance);
  EXPECT_EQ(r.maxima.MaxLevelTime, 1440.0);
  EXPECT_FALSE(r.peakAtBlockEnd);
  EXPECT_EQ(r.peakRow.time, 1450.0);
  // The inserted row holds the run's maxima, not the values at its time.
  EXPECT_EQ(r.peakRow.inflow, r.maxima.MaxInflow);
  EXPECT_EQ(r.peakRow.outflow, r.maxima.MaxOutflow);
  EXPECT_EQ(r.peakRow.level, r.maxima.MaxLevel);
  EXPECT_NEAR(r.peakRow.storage, 251262.51735280227, kStorageTolerance);
  EXPECT_NEAR(r.peakRow.area, 56456.92980957031, kStorageTolerance);
}

TEST(RouteFloodTest, RaisedPitchStepsTileEachBlockWithoutGapOrOverlap) {
  // Tc = 1.3 min with the smallest pitch 0.5: M = round(2.6) = 3 steps of 1.3/3 min.
  TRenzoku calc = StartupCalc();
  calc.Time.Concentration = 1.3;
  calc.Time.Pitch = 0.5;
  calc.Time.CalcDuration = 13;
  RecordingInteraction ui;
  FloodRouting r = Route(calc, ui);
  ASSERT_EQ(r.rows.size(), 10u);
  for (std::size_t j = 0; j < r.rows.size(); ++j) {
    EXPECT_EQ(r.rows[j].time, 1.3 * static_cast<double>(j + 1)) << j;
  }
  std::vector<double> times = Times(r.level);
  ASSERT_EQ(times.size(), 1u + 10 + 8 * 3);
  for (std::size_t i = 12; i < times.size(); ++i) {
    EXPECT_NEAR(times[i] - times[i - 1], 1.3 / 3, 1e-12) << i;
  }
  // The peak row keeps its time at the pitch after the step start, so it is never a block end.
  EXPECT_FALSE(r.peakAtBlockEnd);
  EXPECT_EQ(r.peakRow.time, r.maxima.MaxLevelTime + 0.5);
}

TEST(RouteFloodTest, PondHeldAtItsStartingStorageReleasesNoMoreThanFlowsIn) {
  TRenzoku calc = StartupCalc();
  calc.Routing.StartLevel = 25.0;  // above the sill: the start level is the floor of the pond
  calc.Rain.Hyetograph.Q.assign(calc.Rain.Hyetograph.Q.size(), 0.0);
  RecordingInteraction ui;
  FloodRouting r = Route(calc, ui);
  ASSERT_EQ(r.outcome, kRoutingCompleted);
  for (std::size_t i = 0; i < r.outflow.size(); ++i) {
    EXPECT_EQ(r.outflow[i].y, 0.0) << i;
    EXPECT_NEAR(r.level[i].y, 25.0, 0.0003) << i;
  }

  // A dry start at the sill with inflow: the outflow is never negative.
  calc = StartupCalc();
  r = Route(calc, ui);
  for (const RoutingPoint& p : r.outflow) EXPECT_GE(p.y, 0.0);
}

TEST(RouteFloodTest, HighStartLevelWithoutInflowPeaksInTheFirstStep) {
  // The pond cannot fall below its start level, so every step ends where the first one did.
  TRenzoku calc = StartupCalc();
  calc.Routing.StartLevel = 31.0;
  calc.Rain.Hyetograph.Q.assign(calc.Rain.Hyetograph.Q.size(), 0.0);
  RecordingInteraction ui;
  FloodRouting r = Route(calc, ui);
  EXPECT_EQ(r.maxima.MaxLevelTime, 0.0);
  EXPECT_NEAR(r.maxima.MaxLevel, 31.0, 0.0003);
  EXPECT_EQ(r.maxima.MaxLevel, r.level[1].y);
  EXPECT_FALSE(r.peakAtBlockEnd);
  EXPECT_EQ(r.peakRow.time, 20.0);  // the start of the first step plus the pitch
}

TEST(RouteFloodTest, PondBelowDatumReportsItsOwnHighestLevel) {
  // A pond whose whole table lies below 0 m: the highest level is negative, not 0.
  TRenzoku calc = StartupCalc();
  for (int i = 0; i < calc.Pond.RowCount; ++i) calc.Pond.H[static_cast<std::size_t>(i)] -= 40;
  calc.Pond.MinLevel -= 40;
  calc.Pond.MaxLevel -= 40;
  calc.LowerOrifice.SillLevel -= 40;
  calc.Spillway.CrestLevel -= 40;
  calc.Routing.StartLevel -= 40;
  RecordingInteraction ui;
  FloodRouting r = Route(calc, ui);
  ASSERT_EQ(r.outcome, kRoutingCompleted);
  EXPECT_NEAR(r.maxima.MaxLevel, 31.936981201171875 - 40, 1e-3);
  EXPECT_TRUE(r.peakAtBlockEnd);
  EXPECT_EQ(r.peakBlock, 72);
}

TEST(RouteFloodTest, StopsWhenTheLevelLeavesThePondTable) {
  TRenzoku calc = StartupCalc();
  for (double& q : calc.Rain.Hyetograph.Q) q *= 3;
  RecordingInteraction ui;
  RecordingProgressBar progress;
  FloodRouting r = RouteFlood(calc, ui, progress);
  EXPECT_EQ(r.outcome, kRoutingBeyondPondTable);
  EXPECT_LT(r.rows.size(), 100u);
  EXPECT_EQ(progress.calls.back(), "position 0");
  EXPECT_TRUE(ui.Entries().empty());

  // A single-row pond is a vertical wall: any rise leaves it at once.
  TRenzoku wall = StartupCalc();
  testing_support::SetPond(wall, {{24.0, 79.0, 0.0}});
  r = Route(wall, ui);
  EXPECT_EQ(r.outcome, kRoutingBeyondPondTable);
  EXPECT_TRUE(r.rows.empty());
  wall.Rain.Hyetograph.Q.assign(wall.Rain.Hyetograph.Q.size(), 0.0);
  r = Route(wall, ui);
  EXPECT_EQ(r.outcome, kRoutingCompleted);
  EXPECT_EQ(r.maxima.MaxLevel, 24.0);

  // A top segment that gains no storage holds nothing above its top row.
  TRenzoku capped = StartupCalc();
  testing_support::SetPond(capped, {{24.0, 79.0, 0.0}, {26.0, 79.0, 158.0}, {40.0, 0.0, 158.0}});
  r = Route(capped, ui);
  EXPECT_EQ(r.outcome, kRoutingBeyondPondTable);
  EXPECT_TRUE(ui.Entries().empty());
}

TEST(RouteFloodTest, StorageThatCannotBeTurnedIntoALevelStopsTheRunInAnyBlock) {
  // Typed storages above what the areas give: a storage in the top segment scans past the table.
  TRenzoku calc = StartupCalc();
  testing_support::SetPond(calc, {{24.0, 79.0, 0.0}, {26.0, 79.0, 2000.0}});
  RecordingInteraction ui;
  RecordingProgressBar progress;
  FloodRouting r = RouteFlood(calc, ui, progress);
  EXPECT_EQ(r.outcome, kRoutingBeyondPondTable);
  EXPECT_TRUE(r.rows.empty());  // stopped in block 0
  ASSERT_FALSE(ui.Texts().empty());
  for (const std::string& text : ui.Texts()) EXPECT_EQ(text, kAboveTable);
  EXPECT_EQ(progress.calls, (std::vector<std::string>{"range 99/1"}));
}

TEST(RouteFloodTest, EmptyPondTableIsNotRouted) {
  TRenzoku calc = StartupCalc();
  calc.Pond.RowCount = 0;
  RecordingInteraction ui;
  RecordingProgressBar progress;
  FloodRouting r = RouteFlood(calc, ui, progress);
  EXPECT_EQ(r.outcome, kRoutingNotStarted);
  EXPECT_EQ(ui.Texts(), (std::vector<std::string>{"処理を中断します。"}));
  EXPECT_TRUE(progress.calls.empty());
}

TEST(RouteFloodTest, LoopAllocatesNothingWhateverTheRunLength) {
  auto allocationsFor = [](double minutes) {
    TRenzoku calc = StartupCalc();
    calc.Time.CalcDuration = minutes;
    RecordingInteraction ui;
    NoProgressBar progress;
    long before = g_allocations;
    FloodRouting r = RouteFlood(calc, ui, progress);
    long made = g_allocations - before;
    EXPECT_EQ(r.outcome, kRoutingCompleted);
    return made;
  };
  EXPECT_EQ(allocationsFor(20000), allocationsFor(2000));
}
