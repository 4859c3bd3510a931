#include "core/calc/readconditions.h"

#include <gtest/gtest.h>

#include "core/interaction/recordinginteraction.h"
#include "core/text/conversionerror.h"
#include "tests/support/designforms.h"

using testing_support::ItemError;

namespace {

// Values that go through one or two divisions of typed decimals: a few ulps of error at most.
constexpr double kTolerance = 1e-12;

}  // namespace

TEST(ReadConditionsTest, ReadsTheStartupDesignAndWritesBackPitchAndStartLevel) {
  DesignForm form = StartupDesignForm();
  form.UpperSill = "25.000";  // shown in the window, but a single stage reads no upper orifice
  TRenzoku calc;
  RecordingInteraction ui;
  ReadResult read = ReadConditions(calc, form, ui);

  EXPECT_EQ(read.errorFlag, 0);
  EXPECT_EQ(read.pondReader, PondReaderState::Completed);
  EXPECT_TRUE(ui.Entries().empty());
  EXPECT_EQ(calc.Rain.FormulaKind, 1u);
  EXPECT_EQ(calc.Rain.ExponentText, "3/4");
  EXPECT_EQ(calc.Rain.Exponent, 0.75);
  EXPECT_NEAR(calc.LowerOrifice.Area, 0.81, kTolerance);
  EXPECT_EQ(calc.OrificeStages, 1);
  EXPECT_EQ(calc.UpperOrifice.SillLevel, 0.0);
  EXPECT_EQ(calc.UpperOrifice.C1, 0.0);
  EXPECT_EQ(calc.Pond.RowCount, 12);
  EXPECT_EQ(calc.Pond.StorageSource, 1);
  EXPECT_EQ(calc.Routing.StartLevel, 24.0);
  EXPECT_EQ(form.StartLevel, "24.00");
  EXPECT_EQ(form.Pitch, "20.00");
}

TEST(ReadConditionsTest, PitchBecomesAWholeFractionOfTheTimeOfConcentration) {
  struct Case {
    const char *concentration, *typed;
    double pitch;
    const char* text;
  };
  // Halves of Tc/p round to the even count: 20/8 = 2.5 gives 2, 30/4 = 7.5 gives 8.
  for (const Case& c : {Case{"20", "30", 20.0, "20.00"}, Case{"20", "6", 20.0 / 3, "6.67"},
                        Case{"20", "8", 10.0, "10.00"}, Case{"30", "4", 3.75, "3.75"},
                        Case{"20", "0.3", 0.5, "0.50"}}) {
    DesignForm form = StartupDesignForm();
    form.Concentration = c.concentration;
    form.Pitch = c.typed;
    TRenzoku calc;
    RecordingInteraction ui;
    ReadConditions(calc, form, ui);
    EXPECT_NEAR(calc.Time.Pitch, c.pitch, kTolerance) << c.typed;
    EXPECT_EQ(form.Pitch, c.text) << c.typed;
  }
}

TEST(ReadConditionsTest, MalformedNamedItemsAreReportedInReadingOrderBeforeThePondTable) {
  DesignForm form = StartupDesignForm();
  form.LowerSill = "abc";
  form.LowerHeight = "0.9 ";  // a trailing blank is malformed in a named field
  form.SpillwayWidth = "W";
  form.PondGrid.SetRowFromCommaText(2, ",,");  // would be refused, but is never read
  TRenzoku calc;
  RecordingInteraction ui;
  ReadResult read = ReadConditions(calc, form, ui);

  EXPECT_EQ(read.errorFlag, 1);
  EXPECT_EQ(read.pondReader, PondReaderState::NotRun);
  EXPECT_EQ(ui.Texts(), (std::vector<std::string>{ItemError("ｵﾘﾌｨｽ敷高"), ItemError("ｵﾘﾌｨｽ高"),
                                                  ItemError("余水吐き幅")}));
  EXPECT_EQ(calc.Pond.RowCount, 0);
  EXPECT_EQ(form.StartLevel, "0.0");  // the pond reader did not raise it
}

TEST(ReadConditionsTest, TimesOutOfRangeAreItemErrorsAndLeaveThePitchAsTyped) {
  DesignForm form = StartupDesignForm();
  form.Concentration = "0";
  form.RainDuration = "-5";
  form.CalcDuration = "0";
  form.Pitch = "0";
  TRenzoku calc;
  RecordingInteraction ui;
  EXPECT_EQ(ReadConditions(calc, form, ui).errorFlag, 1);
  EXPECT_EQ(ui.Texts(), (std::vector<std::string>{ItemError("到達時間"), ItemError("降雨継続時間"),
                                                  ItemError("計算時間"), ItemError("計算ﾋﾟｯﾁ")}));
  EXPECT_EQ(form.Pitch, "0");

  // A valid time of concentration with a negative pitch: only the pitch is refused.
  form = StartupDesignForm();
  form.Pitch = "-1";
  ui.Clear();
  EXPECT_EQ(ReadConditions(calc, form, ui).errorFlag, 1);
  EXPECT_EQ(ui.Texts(), std::vector<std::string>{ItemError("計算ﾋﾟｯﾁ")});
  EXPECT_EQ(form.Pitch, "-1");

  // A malformed time of concentration is the same item; the pitch is then left alone.
  form = StartupDesignForm();
  form.Concentration = "";
  ui.Clear();
  EXPECT_EQ(ReadConditions(calc, form, ui).errorFlag, 1);
  EXPECT_EQ(ui.Texts(), std::vector<std::string>{ItemError("到達時間")});
  EXPECT_EQ(form.Pitch, "20");

  // Durations whose block count could not be tabulated are refused instead of allocated.
  form = StartupDesignForm();
  form.RainDuration = "1e9";
  form.CalcDuration = "1e9";
  ui.Clear();
  EXPECT_EQ(ReadConditions(calc, form, ui).errorFlag, 1);
  EXPECT_EQ(ui.Texts(),
            (std::vector<std::string>{ItemError("降雨継続時間"), ItemError("計算時間")}));
}

TEST(ReadConditionsTest, WorkLimitsRefuseTheFieldToChangeRightBeyondTheirEdges) {
  // Each case: the changes, then the item errors they give (none at the edge itself).
  struct Case {
    void (*change)(DesignForm&);
    std::vector<std::string> errors;
  };
  const Case cases[] = {
      // 50 000 rain blocks of 20 minutes.
      {[](DesignForm& f) { f.RainDuration = "1000000"; }, {}},
      {[](DesignForm& f) { f.RainDuration = "1000001"; }, {ItemError("降雨継続時間")}},
      // 50 000 routing blocks of one step each.
      {[](DesignForm& f) { f.CalcDuration = "1000000"; }, {}},
      {[](DesignForm& f) { f.CalcDuration = "1000001"; }, {ItemError("計算時間")}},
      // 200 000 routing steps: 5 + 5 + 4 999 blocks of 40 steps, and one block more.
      {[](DesignForm& f) { f.CalcDuration = "100020"; f.Pitch = "0.5"; }, {}},
      {[](DesignForm& f) { f.CalcDuration = "100021"; f.Pitch = "0.5"; }, {ItemError("計算時間")}},
      // 200 000 pump steps of 0.5 minutes.
      {[](DesignForm& f) { f.SelectOutletPage(1); f.ChoosePumpCalcKind(0);
                           f.CalcDuration = "100000"; f.Pitch = "0.5"; }, {}},
      {[](DesignForm& f) { f.SelectOutletPage(1); f.ChoosePumpCalcKind(0);
                           f.CalcDuration = "100000.5"; f.Pitch = "0.5"; }, {ItemError("計算時間")}},
      // 500 pump sizes; beyond them the size range comes in its reading place, after the
      // times and before the spillway.
      {[](DesignForm& f) { f.SelectOutletPage(1); f.ChoosePumpCalcKind(1);
                           f.PumpMin = "0.0"; f.PumpMax = "99.8"; }, {}},
      {[](DesignForm& f) { f.SelectOutletPage(1); f.ChoosePumpCalcKind(1);
                           f.PumpMin = "0.0"; f.PumpMax = "100.0";
                           f.CalcDuration = "200000"; f.Pitch = "0.5"; f.SpillwayWidth = "W"; },
       {ItemError("計算時間"), ItemError("ポンプ規模"), ItemError("余水吐き幅")}},
      // Water-level tracking does not try sizes.
      {[](DesignForm& f) { f.SelectOutletPage(1); f.ChoosePumpCalcKind(0);
                           f.PumpMin = "0.0"; f.PumpMax = "1e9"; }, {}},
  };
  for (const Case& c : cases) {
    DesignForm form = StartupDesignForm();
    c.change(form);
    TRenzoku calc;
    RecordingInteraction ui;
    ReadResult result = ReadConditions(calc, form, ui);
    EXPECT_EQ(ui.Texts(), c.errors) << form.RainDuration << " " << form.CalcDuration << " "
                                    << form.PumpMax;
    EXPECT_EQ(result.errorFlag, c.errors.empty() ? 0 : 1);
  }
}

TEST(ReadConditionsTest, MalformedStrictFieldEndsReadingAtOnce) {
  DesignForm form = StartupDesignForm();
  form.LowerSill = "x";
  form.SpillwayC = "zz";
  form.RunoffCoef = "0.5";
  TRenzoku calc;
  RecordingInteraction ui;
  try {
    ReadConditions(calc, form, ui);
    FAIL() << "no conversion error";
  } catch (const ConversionError& error) {
    EXPECT_STREQ(error.what(), "'zz' is not a valid floating point value");
  }
  EXPECT_EQ(ui.Texts(), std::vector<std::string>{ItemError("ｵﾘﾌｨｽ敷高")});
  EXPECT_EQ(calc.Runoff.Coef, 0.0);  // read after the spillway coefficient
}

TEST(ReadConditionsTest, OrificeShapeAndStagesDecideWhichFieldsAreRead) {
  DesignForm form = StartupDesignForm();
  form.ChooseOrificeShape(1);
  form.LowerWidth = "0.9";
  form.LowerHeight = "junk";  // not read for a circular orifice
  TRenzoku circular;
  RecordingInteraction ui;
  EXPECT_EQ(ReadConditions(circular, form, ui).errorFlag, 0);
  EXPECT_EQ(circular.LowerOrifice.Shape, 1);
  EXPECT_EQ(circular.LowerOrifice.Height, 0.9);
  EXPECT_NEAR(circular.LowerOrifice.Area, 0.636172512351933, kTolerance);
  EXPECT_EQ(circular.LowerOrifice.CircleC, 0.6);
  EXPECT_EQ(circular.LowerOrifice.C1, 0.0);
  EXPECT_EQ(circular.LowerOrifice.C2, 0.0);
  form.LowerWidth = "d";
  EXPECT_EQ(ReadConditions(circular, form, ui).errorFlag, 1);
  EXPECT_EQ(ui.Texts(), std::vector<std::string>{ItemError("ｵﾘﾌｨｽ径")});

  form = StartupDesignForm();
  form.ChooseOrificeStages(1);
  form.UpperSill = "30.000";
  form.UpperHeight = "0.5";
  form.UpperWidth = "0.4";
  form.C1 = "1.75";
  TRenzoku twoStages;
  ui.Clear();
  EXPECT_EQ(ReadConditions(twoStages, form, ui).errorFlag, 0);
  EXPECT_EQ(twoStages.OrificeStages, 2);
  EXPECT_EQ(twoStages.UpperOrifice.SillLevel, 30.0);
  EXPECT_NEAR(twoStages.UpperOrifice.Area, 0.2, kTolerance);
  EXPECT_EQ(twoStages.UpperOrifice.C1, 1.75);
  EXPECT_EQ(twoStages.LowerOrifice.C1, 1.75);
}

TEST(ReadConditionsTest, PagesSelectTheCalculationKindAndTheIntensitySource) {
  DesignForm form = StartupDesignForm();
  form.SelectOutletPage(1);
  TRenzoku calc;
  RecordingInteraction ui;
  for (auto [choice, kind] : {std::pair{0, 1u}, std::pair{1, 2u}, std::pair{-1, 0u}}) {
    form.ChoosePumpCalcKind(choice);
    ReadConditions(calc, form, ui);
    EXPECT_EQ(calc.CalcKind, kind) << choice;
  }
  EXPECT_EQ(calc.Pump.Capacity, 0.0);  // the "-" of an unused box
  EXPECT_EQ(calc.Pump.MaxCapacity, 5.0);

  form = StartupDesignForm();
  form.FormulaPage = 1;
  for (auto [exponent, value] :
       {std::pair{"0.89", 0.89}, std::pair{"3/", 0.0}, std::pair{"3/4", 0.75}}) {
    form.Type2X = exponent;
    ReadConditions(calc, form, ui);
    EXPECT_EQ(calc.Rain.FormulaKind, 2u);
    EXPECT_EQ(calc.Rain.Exponent, value) << exponent;
    EXPECT_EQ(calc.Rain.CoefA, 1824.0);
  }
  form.IntensityPage = 1;
  ReadConditions(calc, form, ui);
  EXPECT_EQ(calc.Rain.FormulaKind, 0u);
  EXPECT_EQ(calc.Rain.ConstIntensity, 50.0);
  form.IntensityPage = 2;
  form.RainDuration = "1e9";  // observed rain takes its blocks from the grid, not the duration
  ReadConditions(calc, form, ui);
  EXPECT_EQ(calc.Rain.FormulaKind, 3u);
  EXPECT_TRUE(ui.Entries().empty());
}
