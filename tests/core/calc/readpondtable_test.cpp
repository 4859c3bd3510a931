#include "core/calc/readpondtable.h"

#include <gtest/gtest.h>

#include <initializer_list>

#include "core/interaction/recordinginteraction.h"

namespace {

// Storages are sums of a few products of typed decimals.
constexpr double kTolerance = 1e-9;

const std::string kNoArea = "標高に対応する面積データが有りません。";

// A form whose pond table holds `rows` (comma texts) from the first data row.
DesignForm FormWithRows(std::initializer_list<const char*> rows, int storageSource = 0,
                        int formula = 0) {
  DesignForm form;
  SetStartupValues(form);
  form.ChooseStorageSource(storageSource);
  form.StorageFormula = formula;
  for (int row = 2; row < form.PondGrid.RowCount(); ++row)
    form.PondGrid.SetRowFromCommaText(row, ",,");
  int row = 2;
  for (const char* text : rows) form.PondGrid.SetRowFromCommaText(row++, text);
  return form;
}

struct PondRead {
  int flag;
  TRenzoku calc;
  std::vector<std::string> messages;
};

PondRead Read(DesignForm& form, double startLevel = 0) {
  PondRead result{0, {}, {}};
  result.calc.Pond.StorageSource = form.StorageSource();
  result.calc.Pond.StorageFormula = form.StorageFormula;
  result.calc.Routing.StartLevel = startLevel;
  RecordingInteraction ui;
  result.flag = ReadPondTable(result.calc, form, ui);
  result.messages = ui.Texts();
  return result;
}

}  // namespace

TEST(ReadPondTableTest, TheTableIsTheUnbrokenRunOfNumericElevations) {
  DesignForm form = FormWithRows({"24,79", "25,80", "26,90", ",,", "28,100"});
  PondRead read = Read(form);
  EXPECT_EQ(read.flag, 0);
  EXPECT_EQ(read.calc.Pond.RowCount, 3);
  EXPECT_EQ(read.calc.Pond.MaxLevel, 26.0);
  EXPECT_EQ(read.calc.Pond.H[3], 0.0);

  form = FormWithRows({"24,79", "x,80", "26,90"});
  form.PondGrid.SetCell(0, 2, " 24 ");  // blanks around a number are trimmed
  read = Read(form);
  EXPECT_EQ(read.calc.Pond.RowCount, 1);
  EXPECT_EQ(read.calc.Pond.H[0], 24.0);

  // A grid longer than the record holds is read up to its capacity.
  form = FormWithRows({});
  form.PondGrid.SetRowCount(45);
  for (int row = 2; row < 45; ++row) {
    form.PondGrid.SetRowFromCommaText(row, std::to_string(row) + ",10");
  }
  read = Read(form);
  EXPECT_EQ(read.flag, 0);
  EXPECT_EQ(read.calc.Pond.RowCount, 30);
  EXPECT_EQ(read.calc.Pond.MaxLevel, 31.0);
}

TEST(ReadPondTableTest, ComputesStoragesWithEitherFormula) {
  DesignForm form = FormWithRows({"24.00,79.0", "26.00,79.0"}, 0, 0);
  PondRead averageEnd = Read(form);
  EXPECT_EQ(averageEnd.calc.Pond.V[0], 0.0);
  EXPECT_NEAR(averageEnd.calc.Pond.V[1], 158.0, kTolerance);
  form.StorageFormula = 1;
  EXPECT_NEAR(Read(form).calc.Pond.V[1], 158.0, kTolerance);  // equal areas: both formulas agree

  form = FormWithRows({"0,100", "1,400"}, 0, 1);
  form.InitialStorage = "10";
  PondRead frustum = Read(form);
  EXPECT_EQ(frustum.calc.Pond.V[0], 10.0);
  EXPECT_NEAR(frustum.calc.Pond.V[1], 10 + 700.0 / 3, kTolerance);
  form.StorageFormula = 0;
  form.InitialStorage = "abc";  // a malformed initial storage is 0, without a message
  PondRead averaged = Read(form);
  EXPECT_NEAR(averaged.calc.Pond.V[1], 250.0, kTolerance);
  EXPECT_TRUE(averaged.messages.empty());
}

TEST(ReadPondTableTest, RaisesAStartLevelBelowThePondBottom) {
  DesignForm form = FormWithRows({"24.0,79.0"});
  PondRead single = Read(form, 0.0);
  EXPECT_EQ(single.flag, 0);
  EXPECT_EQ(single.calc.Pond.RowCount, 1);
  EXPECT_EQ(single.calc.Pond.MinLevel, 24.0);
  EXPECT_EQ(single.calc.Pond.MaxLevel, 24.0);
  EXPECT_EQ(single.calc.Routing.StartLevel, 24.0);
  EXPECT_EQ(form.StartLevel, "24.00");

  form.StartLevel = "25.5";
  EXPECT_EQ(Read(form, 25.5).calc.Routing.StartLevel, 25.5);
  EXPECT_EQ(form.StartLevel, "25.5");
}

TEST(ReadPondTableTest, RefusesMissingValuesWithTheirMessages) {
  DesignForm empty = FormWithRows({});
  PondRead read = Read(empty);
  EXPECT_EQ(read.flag, 1);
  EXPECT_EQ(read.messages, std::vector<std::string>{"標高データが有りません。"});

  DesignForm noFirstArea = FormWithRows({"24,", "25,80"});
  read = Read(noFirstArea);
  EXPECT_EQ(read.flag, 1);
  EXPECT_EQ(read.messages, std::vector<std::string>{kNoArea});

  DesignForm noThirdArea = FormWithRows({"24,79", "25,80", "26,a", "27,90"});
  read = Read(noThirdArea, 0.0);
  EXPECT_EQ(read.flag, 1);
  EXPECT_EQ(read.messages, std::vector<std::string>{kNoArea});
  EXPECT_EQ(read.calc.Pond.H[1], 25.0);  // rows before the fault stay
  EXPECT_EQ(read.calc.Pond.H[2], 0.0);
  EXPECT_EQ(noThirdArea.StartLevel, "0.0");

  DesignForm noStorage = FormWithRows({"24,79,0", "25,80, "}, 1);
  read = Read(noStorage);
  EXPECT_EQ(read.flag, 1);
  EXPECT_EQ(read.messages, std::vector<std::string>{"標高に対応する容量データが有りません。"});
}

TEST(ReadPondTableTest, RefusesFallingElevationsNegativeAreasAndFallingTypedStorages) {
  DesignForm falling = FormWithRows({"24,79", "26,80", "25.9,90"});
  PondRead read = Read(falling);
  EXPECT_EQ(read.flag, 1);
  EXPECT_EQ(read.messages, std::vector<std::string>{"標高データが不正です。\r\r訂正して下さい。"});

  DesignForm lessStored = FormWithRows({"24,79,0", "25,80,100", "26,90,99"}, 1);
  read = Read(lessStored);
  EXPECT_EQ(read.flag, 1);
  EXPECT_EQ(read.messages,
            std::vector<std::string>{"貯水量データが不正です。\r\r訂正して下さい。"});

  // A negative area is refused in any row, the first included; each row is checked for its
  // elevation first, then for its area, then for its typed storage.
  const std::string badArea = "面積データが不正です。\r\r訂正して下さい。";
  for (auto rows : {std::initializer_list<const char*>{"24,-1,0", "25,80,100"},
                    std::initializer_list<const char*>{"24,79,0", "25,-80,90"}}) {
    DesignForm negative = FormWithRows(rows, 1);
    read = Read(negative);
    EXPECT_EQ(read.flag, 1);
    EXPECT_EQ(read.messages, std::vector<std::string>{badArea});
  }
  DesignForm fallingAndNegative = FormWithRows({"24,79", "23,-80"});
  EXPECT_EQ(Read(fallingAndNegative).messages,
            std::vector<std::string>{"標高データが不正です。\r\r訂正して下さい。"});
  DesignForm computedNegative = FormWithRows({"24,79", "25,-80"});
  EXPECT_EQ(Read(computedNegative).messages, std::vector<std::string>{badArea});

  // Equal neighbours are allowed, and the first row is not compared with the initial storage.
  DesignForm equal = FormWithRows({"24,79,0", "24,80,0", "25,90,100", "26,90,100"}, 1);
  equal.InitialStorage = "500";
  read = Read(equal);
  EXPECT_EQ(read.flag, 0);
  EXPECT_TRUE(read.messages.empty());
  EXPECT_EQ(read.calc.Pond.RowCount, 4);
}
