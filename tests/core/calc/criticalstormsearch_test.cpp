#include "core/calc/criticalstormsearch.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "core/calc/routingresult.h"
#include "tests/support/startupcalc.h"

namespace {

using testing_support::SetPond;
using testing_support::StartupCalc;

bool SameCase(const StormCase& a, const StormCase& b) {
  return a.waveform == b.waveform && a.duration == b.duration && a.outcome == b.outcome &&
         a.maxLevel == b.maxLevel && a.storage == b.storage && a.maxInflow == b.maxInflow &&
         a.maxOutflow == b.maxOutflow;
}

}  // namespace

TEST(CriticalStormSearchTest, DurationsRunInStepsOfTcUpToTheTypedOne) {
  std::vector<double> day = StormDurations(20, 1440);
  ASSERT_EQ(day.size(), 72u);
  EXPECT_EQ(day.front(), 20);
  EXPECT_EQ(day.back(), 1440);
  EXPECT_EQ(StormDurations(30, 100), (std::vector<double>{30, 60, 90, 100}));
  EXPECT_EQ(StormDurations(20, 10), (std::vector<double>{10}));
  EXPECT_TRUE(StormDurations(0, 100).empty());
}

TEST(CriticalStormSearchTest, TheStartupStormIsAmongTheWorstAndEveryCoreAgreesWithOne) {
  TRenzoku calc = StartupCalc();
  int calls = 0, lastDone = -1;
  StormSearch parallel = SearchCriticalStorm(calc, [&](int done, int total) {
    ++calls;
    lastDone = done;
    EXPECT_EQ(total, 216);
  }, {}, 4);
  ASSERT_EQ(parallel.cases.size(), 216u);
  EXPECT_GE(calls, 1);
  EXPECT_EQ(lastDone, 216);

  const StormCase& worst = parallel.cases[static_cast<std::size_t>(parallel.highestLevel)];
  EXPECT_EQ(worst.waveform, 2);
  const auto& near = parallel.nearHighestLevel;
  auto typed = std::find_if(near.begin(), near.end(), [&](int i) {
    const StormCase& c = parallel.cases[static_cast<std::size_t>(i)];
    return c.waveform == 2 && c.duration == 1440;
  });
  EXPECT_NE(typed, near.end());
  // Central storms of the same length peak lower than the rear-loaded one.
  EXPECT_LT(parallel.cases[71].maxLevel, worst.maxLevel - 0.1);

  StormSearch serial = SearchCriticalStorm(calc, {}, {}, 1);
  ASSERT_EQ(serial.cases.size(), parallel.cases.size());
  for (std::size_t i = 0; i < serial.cases.size(); ++i) {
    EXPECT_TRUE(SameCase(serial.cases[i], parallel.cases[i])) << i;
  }
  EXPECT_EQ(serial.highestLevel, parallel.highestLevel);
  EXPECT_EQ(serial.highestOutflow, parallel.highestOutflow);
}

TEST(CriticalStormSearchTest, AStormThatOverflowsThePondIsTheWorstAndAStopLeavesNoTable) {
  TRenzoku calc = StartupCalc();
  SetPond(calc, {{24.00, 79.0, 0.0}, {26.00, 79.0, 158.0}, {26.01, 18700.0, 251.8},
                 {27.00, 20920.0, 19863.8}, {27.01, 41920.0, 20177.9}, {28.00, 46666.0, 64025.2},
                 {29.00, 49020.0, 111865.2}});
  calc.Time.RainDuration = 200;
  StormSearch search = SearchCriticalStorm(calc);
  ASSERT_EQ(search.cases.size(), 30u);
  EXPECT_EQ(search.cases.front().outcome, kRoutingCompleted);
  const StormCase& worst = search.cases[static_cast<std::size_t>(search.highestLevel)];
  EXPECT_EQ(worst.outcome, kRoutingBeyondPondTable);
  for (int i : search.nearHighestLevel) {
    EXPECT_EQ(search.cases[static_cast<std::size_t>(i)].outcome, kRoutingBeyondPondTable);
  }

  std::stop_source stop;
  stop.request_stop();
  StormSearch stopped = SearchCriticalStorm(calc, {}, stop.get_token());
  EXPECT_TRUE(stopped.stopped);
  EXPECT_TRUE(stopped.cases.empty());
  EXPECT_EQ(stopped.highestLevel, -1);
}
