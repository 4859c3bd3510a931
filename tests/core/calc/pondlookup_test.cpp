#include "core/calc/pondlookup.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <initializer_list>
#include <new>
#include <optional>
#include <random>
#include <vector>

#include "core/interaction/recordinginteraction.h"

// Every allocation of this test program is counted, so a test can show that code allocates
// nothing. The replacements pair malloc with free on purpose, which the compiler cannot see
// through inlining.
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
namespace {
std::atomic<long> allocationCount{0};
}

void* operator new(std::size_t size) {
  ++allocationCount;
  if (void* p = std::malloc(size == 0 ? 1 : size)) return p;
  throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }

namespace {

struct Row {
  double h, f, v;
};

TRenzoku Pond(std::initializer_list<Row> rows, int formula = 0) {
  TRenzoku calc;
  for (const Row& row : rows) {
    auto i = static_cast<std::size_t>(calc.Pond.RowCount++);
    calc.Pond.H[i] = row.h;
    calc.Pond.F[i] = row.f;
    calc.Pond.V[i] = row.v;
  }
  calc.Pond.StorageFormula = formula;
  return calc;
}

// The start-up design's pond, with typed storages.
TRenzoku StartupPond() {
  return Pond({{24.00, 79.0, 0.0},         {26.00, 79.0, 158.0},       {26.01, 18700.0, 251.8},
               {27.00, 20920.0, 19863.8},  {27.01, 41920.0, 20177.9},  {28.00, 46666.0, 64025.2},
               {29.00, 49020.0, 111865.2}, {30.00, 51650.0, 162200.2}, {31.00, 54640.0, 215345.2},
               {32.00, 57450.0, 271390.2}, {33.00, 60100.0, 330165.2}, {34.00, 63110.0, 391770.2}},
              -1);
}

// The inversion stops when two successive midpoints agree within 0.0002 m and returns their mean,
// a quarter of the last bracket from one end: its error is at most 0.0003 m.
constexpr double kLevelTolerance = 0.0003;

const std::string kAboveTable =
    "標高データの範囲を超えました。\r\rＨＶ曲線の再検討が必要です。\r\r         計算を停止します。";

}  // namespace

TEST(PondLookupTest, AreaIsLinearBetweenRowsAndFailsAboveTheTable) {
  TRenzoku calc = StartupPond();
  RecordingInteraction ui;
  EXPECT_EQ(LevelToArea(calc, 20.0, ui), 79.0);
  EXPECT_DOUBLE_EQ(LevelToArea(calc, 27.5, ui), 41920.0 + (46666.0 - 41920.0) * 0.49 / 0.99);
  EXPECT_EQ(LevelToArea(calc, 34.0, ui), 63110.0);
  EXPECT_TRUE(ui.Entries().empty());
  EXPECT_EQ(LevelToArea(calc, 34.001, ui), kAboveTableLevel);
  EXPECT_EQ(PondLookup(calc, 3, 35.0, ui), kAboveTableLevel);
  EXPECT_EQ(ui.Texts(), (std::vector<std::string>{kAboveTable, kAboveTable}));
  EXPECT_EQ(PondLookup(calc, 4, 30.0, ui), 0.0);
}

TEST(PondLookupTest, StorageFollowsTheFormulaInsideSegmentsAndExtrapolatesAbove) {
  RecordingInteraction ui;
  TRenzoku typed = StartupPond();
  EXPECT_EQ(LevelToStorage(typed, 23.0, ui), 0.0);
  EXPECT_EQ(LevelToStorage(typed, 26.00, ui), 158.0);  // an inner row is the start of its segment
  EXPECT_EQ(LevelToStorage(typed, 34.00, ui), 391770.2);
  EXPECT_DOUBLE_EQ(LevelToStorage(typed, 35.0, ui), 391770.2 + (391770.2 - 330165.2));

  TRenzoku averageEnd = Pond({{0, 100, 0}, {1, 400, 250}, {2, 400, 650}});
  EXPECT_DOUBLE_EQ(LevelToStorage(averageEnd, 0.5, ui), (250.0 + 100.0) * 0.5 / 2);
  EXPECT_NEAR(LevelToStorage(averageEnd, 1.0 - 1e-12, ui), 250.0, 1e-6);  // continuous from below
  TRenzoku frustum = Pond({{0, 100, 0}, {1, 400, 700.0 / 3}}, 1);
  EXPECT_NEAR(LevelToStorage(frustum, 1.0 - 1e-12, ui), 700.0 / 3, 1e-6);
  EXPECT_TRUE(ui.Entries().empty());
}

TEST(PondLookupTest, StorageToLevelInvertsTheStorageEverywhereInTheTable) {
  RecordingInteraction ui;
  for (const TRenzoku& calc : {StartupPond(), Pond({{0, 100, 0}, {1, 400, 700.0 / 3}, {3, 900, 0}}, 1)}) {
    TRenzoku pond = calc;
    if (pond.Pond.V[2] == 0) pond.Pond.V[2] = LevelToStorage(pond, 3.0 - 1e-9, ui);
    double bottom = pond.Pond.H[0];
    double top = pond.Pond.H[static_cast<std::size_t>(pond.Pond.RowCount - 1)];
    for (int k = 0; k <= 1000; ++k) {
      double h = bottom + (top - bottom) * k / 1000.0;
      double level = StorageToLevel(pond, LevelToStorage(pond, h, ui), ui);
      ASSERT_NEAR(level, h, kLevelTolerance) << "at h = " << h;
    }
  }
  EXPECT_TRUE(ui.Entries().empty());
}

TEST(PondLookupTest, StoragesJustBelowTheTopRowStayInsideTheTable) {
  RecordingInteraction ui;
  TRenzoku calc = StartupPond();
  for (double v : {391770.0, 391770.2 - 1e-9, 330165.3}) {
    double level = StorageToLevel(calc, v, ui);
    EXPECT_GT(level, 33.0);
    EXPECT_LE(level, 34.0);
  }
  EXPECT_TRUE(ui.Entries().empty());
  EXPECT_EQ(StorageToLevel(calc, 0.0, ui), 24.0);
  EXPECT_EQ(StorageToLevel(calc, 158.0, ui), 26.0);  // an inner row's own storage
  EXPECT_EQ(StorageToLevel(calc, 391770.2, ui), 34.0);
  EXPECT_DOUBLE_EQ(StorageToLevel(calc, 391770.2 + 61605.0, ui), 35.0);
}

TEST(PondLookupTest, TypedStoragesAboveTheFormulaRunOutOfTheTable) {
  // The formula gives less than the typed storage of the top row, so the scan for a storage in
  // the top segment leaves the table: the area lookup's message and the failure value.
  TRenzoku calc = Pond({{0, 100, 0}, {1, 100, 1000}});
  RecordingInteraction ui;
  EXPECT_EQ(StorageToLevel(calc, 500.0, ui), kAboveTableLevel);
  EXPECT_EQ(ui.Texts(), std::vector<std::string>{kAboveTable});
}

TEST(PondLookupTest, SingleRowsAndFlatSegmentsBehaveAsVerticalWalls) {
  RecordingInteraction ui;
  TRenzoku single = Pond({{24.0, 79.0, 0.0}});
  EXPECT_EQ(LevelToStorage(single, 23.0, ui), 0.0);
  EXPECT_DOUBLE_EQ(LevelToStorage(single, 25.0, ui), 79.0);
  EXPECT_DOUBLE_EQ(StorageToLevel(single, 158.0, ui), 26.0);
  TRenzoku dry = Pond({{24.0, 0.0, 0.0}});
  EXPECT_EQ(StorageToLevel(dry, 10.0, ui), 24.0);

  TRenzoku flat = Pond({{24.0, 79.0, 0.0}, {24.0, 79.0, 100.0}, {25.0, 79.0, 179.0}});
  EXPECT_EQ(StorageToLevel(flat, 50.0, ui), 24.0);
  TRenzoku flatTop = Pond({{24.0, 79.0, 0.0}, {25.0, 79.0, 79.0}, {25.0, 100.0, 90.0}});
  EXPECT_DOUBLE_EQ(LevelToStorage(flatTop, 26.0, ui), 190.0);
  EXPECT_DOUBLE_EQ(StorageToLevel(flatTop, 190.0, ui), 26.0);
  EXPECT_TRUE(ui.Entries().empty());
}

TEST(PondLookupTest, NoLevelHoldsMoreThanATopSegmentWhoseStorageDoesNotRise) {
  // The top segment rises 1 m without gaining storage: above it the storage stays at the top
  // row's, and a larger storage has no level but is reported as above the table, silently.
  RecordingInteraction ui;
  for (double topArea : {0.0, 50.0}) {
    TRenzoku flat = Pond({{24.0, 79.0, 0.0}, {26.0, 79.0, 158.0}, {27.0, topArea, 158.0}});
    EXPECT_EQ(LevelToStorage(flat, 28.0, ui), 158.0);
    EXPECT_EQ(StorageToLevel(flat, 158.5, ui), kAboveTableLevel);
    EXPECT_EQ(StorageToLevel(flat, 158.0, ui), 27.0);
    EXPECT_NEAR(StorageToLevel(flat, 79.0, ui), 25.0, kLevelTolerance);
  }
  // A top segment that gains storage keeps extrapolating along its slope.
  TRenzoku rising = Pond({{24.0, 79.0, 0.0}, {26.0, 0.0, 79.0}});
  EXPECT_DOUBLE_EQ(StorageToLevel(rising, 118.5, ui), 27.0);
  EXPECT_DOUBLE_EQ(LevelToStorage(rising, 27.0, ui), 118.5);
  EXPECT_TRUE(ui.Entries().empty());
}

TEST(PondLookupTest, LookupsAllocateNothing) {
  TRenzoku calc = StartupPond();
  RecordingInteraction ui;
  double sum = 0;
  long before = allocationCount.load();
  for (int k = 0; k <= 1000; ++k) {
    double h = 24.0 + 10.0 * k / 1000;
    sum += LevelToArea(calc, h, ui) + StorageToLevel(calc, LevelToStorage(calc, h, ui), ui);
    sum += PondLookup(calc, 2, 391770.2 * k / 1000, ui);
  }
  EXPECT_EQ(allocationCount.load(), before);
  EXPECT_GT(sum, 0);
  EXPECT_TRUE(ui.Entries().empty());
}

namespace {

// The storage-to-level inversion computed the plain way, every trial level's storage evaluated,
// for storages inside the table; above the top row it is the lookup itself.
class PlainInversion {
 public:
  explicit PlainInversion(const TRenzoku& calc) : m_calc(calc), P(calc.Pond) {}

  double StorageToLevel(double v, UserInteraction& ui) const {
    int n = std::min(P.RowCount, kPondRowCapacity);
    if (n <= 0) return 0.0;
    int top = n - 1;
    if (v <= P.V[0]) return P.H[0];
    if (v == P.V[At(top)]) return P.H[At(top)];
    if (v > P.V[At(top)]) return ::StorageToLevel(m_calc, v, ui);
    for (int i = 0; i < top; ++i) {
      if (P.V[At(i)] <= v && v < P.V[At(i + 1)]) return InSegment(i, v, ui);
    }
    return 0.0;
  }

 private:
  static std::size_t At(int i) { return static_cast<std::size_t>(i); }

  std::optional<double> Area(int i, double h, UserInteraction& ui) const {
    int n = std::min(P.RowCount, kPondRowCapacity);
    if (i + 1 < n && P.H[At(i)] <= h && h < P.H[At(i + 1)]) {
      return P.F[At(i)] + (P.F[At(i + 1)] - P.F[At(i)]) * (h - P.H[At(i)]) / (P.H[At(i + 1)] - P.H[At(i)]);
    }
    double area = LevelToArea(m_calc, h, ui);
    if (area == kAboveTableLevel) return std::nullopt;
    return area;
  }

  std::optional<double> Residual(int i, double v, double h, UserInteraction& ui) const {
    std::optional<double> area = Area(i, h, ui);
    if (!area) return std::nullopt;
    double depth = h - P.H[At(i)];
    double storage = P.StorageFormula == 1
                         ? P.V[At(i)] + (*area + P.F[At(i)] + std::sqrt(*area * P.F[At(i)])) * depth / 3
                         : P.V[At(i)] + (*area + P.F[At(i)]) * depth / 2;
    return v - storage;
  }

  double InSegment(int i, double v, UserInteraction& ui) const {
    double base = P.H[At(i)];
    double step = (P.H[At(i + 1)] - base) / 10;
    if (!(step > 0)) return base;
    double lo = base, hi = base;
    for (int k = 1;; ++k) {
      hi = k == 10 ? P.H[At(i + 1)] : base + k * step;
      std::optional<double> g = Residual(i, v, hi, ui);
      if (!g) return kAboveTableLevel;
      if (*g < 0 || std::isnan(*g)) break;
    }
    double prev = hi;
    std::optional<double> gLo = Residual(i, v, lo, ui);
    if (!gLo) return kAboveTableLevel;
    if (*gLo == 0) return lo;
    while (true) {
      double mid = (lo + hi) / 2;
      std::optional<double> gMid = Residual(i, v, mid, ui);
      if (!gMid) return kAboveTableLevel;
      if (*gMid == 0) return mid;
      if (std::fabs(mid - prev) <= 0.0002) return (mid + prev) / 2;
      prev = mid;
      if (*gLo * *gMid < 0) {
        hi = mid;
      } else {
        lo = mid;
        gLo = gMid;
      }
    }
  }

  const TRenzoku& m_calc;
  const decltype(TKisoData::Pond)& P;
};

// A random pond: rising levels with some flat segments, areas mostly rising but sometimes
// zero or falling, storages from either formula or typed (some above, some below the formula).
TRenzoku RandomPond(std::mt19937_64& random) {
  std::uniform_real_distribution<double> unit(0.0, 1.0);
  TRenzoku calc;
  auto& P = calc.Pond;
  P.StorageFormula = static_cast<int>(random() % 3) - 1;
  bool typed = random() % 2 == 0;
  P.RowCount = 1 + static_cast<int>(random() % (random() % 4 == 0 ? 2 : kPondRowCapacity));
  double h = 20 * unit(random) - 5;
  double f = unit(random) < 0.2 ? 0.0 : 1000 * unit(random);
  double v = unit(random) < 0.8 ? 0.0 : 100 * unit(random);
  for (int i = 0; i < P.RowCount; ++i) {
    auto at = static_cast<std::size_t>(i);
    if (i > 0) {
      double depth = unit(random) < 0.1 ? 0.0 : std::ldexp(unit(random), static_cast<int>(random() % 6) - 3);
      double area = unit(random) < 0.1 ? f * unit(random) : f + 30000 * unit(random);
      double lower = f;
      h += depth;
      f = area;
      double formula = P.StorageFormula == 1 ? (area + lower + std::sqrt(area * lower)) * depth / 3
                                             : (area + lower) * depth / 2;
      v += typed ? formula * (0.9 + 0.2 * unit(random)) : formula;
    }
    P.H[at] = h;
    P.F[at] = f;
    P.V[at] = v;
  }
  return calc;
}

// Whether the inversion, plain and through the lookup, gives the plain inversion's bits and
// messages for storage v.
testing::AssertionResult SameAsPlain(const TRenzoku& calc, const PlainInversion& plain,
                                     StorageToLevelLookup& lookup, double v) {
  RecordingInteraction expectedUi, ui, lookupUi;
  double expected = plain.StorageToLevel(v, expectedUi);
  double level = StorageToLevel(calc, v, ui);
  double looked = lookup(v, lookupUi);
  if (std::bit_cast<std::uint64_t>(level) != std::bit_cast<std::uint64_t>(expected) ||
      std::bit_cast<std::uint64_t>(looked) != std::bit_cast<std::uint64_t>(expected)) {
    return testing::AssertionFailure() << "storage " << v << ": " << level << " and " << looked
                                       << " instead of " << expected;
  }
  if (ui.Texts() != expectedUi.Texts() || lookupUi.Texts() != expectedUi.Texts()) {
    return testing::AssertionFailure() << "storage " << v << ": other messages";
  }
  return testing::AssertionSuccess();
}

}  // namespace

// The inversion skips trial levels whose side of the root is certain: over many random ponds
// and storages (every row's own storage and its neighbours, random storages, below and above
// the table) it returns the very bits and messages of evaluating every trial level, and so does
// the lookup that keeps each segment's constants and tries the segment it found last first.
TEST(PondLookupTest, StorageToLevelGivesTheBitsOfThePlainInversion) {
  std::mt19937_64 random(20240611);
  std::uniform_real_distribution<double> unit(0.0, 1.0);
  long compared = 0;
  for (int pondIndex = 0; pondIndex < 3000; ++pondIndex) {
    TRenzoku calc = RandomPond(random);
    // Now and then a storage that falls from one row to the next, which tables read from a file
    // never hold but a record may.
    if (pondIndex % 10 == 9 && calc.Pond.RowCount >= 3) calc.Pond.V[1] = calc.Pond.V[2] * 1.5 + 1;
    PlainInversion plain(calc);
    const auto& P = calc.Pond;
    std::vector<double> storages;
    for (int i = 0; i < P.RowCount; ++i) {
      double row = P.V[static_cast<std::size_t>(i)];
      storages.insert(storages.end(), {row, std::nextafter(row, -1e300), std::nextafter(row, 1e300)});
    }
    double top = P.V[static_cast<std::size_t>(P.RowCount - 1)];
    for (int k = 0; k < 60; ++k) storages.push_back((top + 10) * (1.2 * unit(random) - 0.1));
    // Runs of nearby storages, as a routing step seeks them, and jumps between segments.
    std::shuffle(storages.begin(), storages.end(), random);
    for (std::size_t k = 0; k + 1 < storages.size(); k += 7) {
      storages.insert(storages.begin() + static_cast<std::ptrdiff_t>(k + 1), storages[k] * (1 + 1e-6));
    }
    StorageToLevelLookup lookup(calc);
    for (double v : storages) {
      ASSERT_TRUE(SameAsPlain(calc, plain, lookup, v)) << "pond " << pondIndex;
      ++compared;
    }
  }
  EXPECT_GT(compared, 200000);
}

// Storages whose level is one of the bracketing scan's trial levels or one of the first
// midpoints of the bisection, or lies a rounding away from one: the root estimate cannot tell
// that level's side, so the inversion computes it, and gives the plain inversion's bits.
TEST(PondLookupTest, StoragesAtTrialLevelsAndMidpointsGiveTheBitsOfThePlainInversion) {
  std::mt19937_64 random(20261210);
  RecordingInteraction ui;
  for (int pondIndex = 0; pondIndex < 300; ++pondIndex) {
    TRenzoku calc = RandomPond(random);
    PlainInversion plain(calc);
    StorageToLevelLookup lookup(calc);
    const auto& P = calc.Pond;
    for (std::size_t i = 0; i + 1 < static_cast<std::size_t>(P.RowCount); ++i) {
      const double base = P.H[i];
      const double step = (P.H[i + 1] - base) / 10;
      for (int k = 1; k < 10; ++k) {
        double trial = base + k * step;
        double middle = (base + trial) / 2;
        for (double h : {trial, middle, (middle + trial) / 2, (base + middle) / 2}) {
          double v = LevelToStorage(calc, h, ui);
          for (double near : {v, std::nextafter(v, -1e300), std::nextafter(v, 1e300)}) {
            ASSERT_TRUE(SameAsPlain(calc, plain, lookup, near)) << "pond " << pondIndex;
          }
        }
      }
    }
  }
}
