#include "core/design/designform.h"

#include <gtest/gtest.h>

TEST(DesignFormTest, StartupValuesOverrideTheWindowsOwnValues) {
  DesignForm initial;
  EXPECT_EQ(initial.C1, "1.70");
  EXPECT_EQ(initial.SpillwayC, "1.70");
  EXPECT_EQ(initial.UpperSill, "3.000");
  EXPECT_EQ(initial.CalcDuration, "3000");
  EXPECT_EQ(initial.StorageSource(), 0);

  DesignForm form = StartupDesignForm();
  EXPECT_EQ(form.C1, "1.80");
  EXPECT_EQ(form.SpillwayC, "1.80");
  EXPECT_EQ(form.UpperHeight, "0.900");
  EXPECT_EQ(form.UpperSill, "24.000");
  EXPECT_EQ(form.CalcDuration, "2000");
  EXPECT_EQ(form.StorageSource(), 1);
  EXPECT_EQ(form.PondGrid.ColCount(), 3);
  EXPECT_EQ(form.PondGrid.ColWidths, (std::vector<int>{42, 42, 55}));
  EXPECT_EQ(form.StorageFormula, -1);
  EXPECT_FALSE(form.StorageFormulaEnabled());
  EXPECT_EQ(form.CircleC, "-");
  EXPECT_FALSE(form.CircleCEnabled());
  EXPECT_FALSE(form.PumpTabVisible);
  EXPECT_EQ(form.PondGrid.RowCommaText(13), "34.00,63110.0,391770.2");
  EXPECT_EQ(form.PondGrid.RowCommaText(0), "標高(H),面積(F),貯水量(V)");
  EXPECT_EQ(form.Caption(), "設計条件テーブル");
  EXPECT_EQ(form.ActiveCalcKind, 0);
}

TEST(DesignFormTest, SwitchingResetsTheCoefficientsForEveryStageAndShape) {
  DesignForm form = StartupDesignForm();
  form.C1 = "1.70";
  form.C2 = "0.85";
  form.ChooseOrificeStages(1);
  EXPECT_EQ(form.C1, "1.80");
  EXPECT_EQ(form.C2, "0.60");
  EXPECT_TRUE(form.UpperOrificeVisible());

  form.ChooseOrificeShape(1);  // two stages, circular: all three lists enabled
  EXPECT_EQ(form.C1, "1.80");
  EXPECT_EQ(form.CircleC, "0.60");
  EXPECT_TRUE(form.C1Enabled() && form.C2Enabled() && form.CircleCEnabled());
  EXPECT_FALSE(form.LowerHeightVisible());
  EXPECT_EQ(form.Hint(ValueLabel::LowerWidth), "φ=ｵﾘﾌｨｽ直径(m)");

  form.ChooseOrificeStages(0);  // one stage, circular: only "C =" is in use
  EXPECT_EQ(form.C1, "-");
  EXPECT_EQ(form.C2, "-");
  EXPECT_EQ(form.CircleC, "0.60");
  EXPECT_FALSE(form.C1Enabled());

  form.ChooseOrificeShape(0);
  EXPECT_EQ(form.Hint(ValueLabel::LowerWidth), "BL=ｵﾘﾌｨｽ幅(m)");
  EXPECT_EQ(form.CircleC, "-");
  form.C1 = "1.75";
  form.ChooseOrificeShape(0);  // an unchanged choice does not switch
  EXPECT_EQ(form.C1, "1.75");
}

TEST(DesignFormTest, SwitchingFollowsTheIntensitySourceAndTheStorageSource) {
  DesignForm form = StartupDesignForm();
  form.ChooseIntensitySource(2);
  EXPECT_EQ(form.IntensityPage, 2);
  EXPECT_TRUE(form.IntensityTabVisible(2));
  EXPECT_FALSE(form.IntensityTabVisible(0));
  EXPECT_FALSE(form.ConcentrationEnabled());
  EXPECT_FALSE(form.RainDurationEnabled());
  form.ChooseIntensitySource(0);
  EXPECT_EQ(form.IntensityPage, 0);
  EXPECT_TRUE(form.ConcentrationEnabled());

  form.ChooseStorageSource(0);
  EXPECT_EQ(form.PondGrid.ColCount(), 2);
  EXPECT_EQ(form.PondGrid.ColWidths, (std::vector<int>{69, 70}));
  EXPECT_EQ(form.StorageFormula, 1);
  EXPECT_TRUE(form.StorageFormulaEnabled());
  form.ChooseStorageSource(1);  // the third column's cells were dropped with the column
  EXPECT_EQ(form.PondGrid.ColCount(), 3);
  EXPECT_EQ(form.PondGrid.Cell(2, 3), "");
  EXPECT_EQ(form.PondGrid.Cell(1, 3), "79.0");
}

TEST(DesignFormTest, SwitchingSetsTheCalculationKindAndThePumpBoxes) {
  DesignForm form = StartupDesignForm();
  form.ChoosePumpCalcKind(1);  // on the natural-drainage page the pump boxes stay as they are
  EXPECT_EQ(form.ActiveCalcKind, 0);
  EXPECT_EQ(form.PumpCapacity, "0.5");
  EXPECT_EQ(form.PumpMax, "5.0");

  form.SelectOutletPage(1);
  EXPECT_EQ(form.ActiveCalcKind, 2);
  EXPECT_EQ(form.PumpCapacity, "-");
  EXPECT_FALSE(form.PumpCapacityEnabled);
  EXPECT_EQ(form.PumpMin, "0.0");
  EXPECT_EQ(form.PumpMax, "5.0");
  EXPECT_TRUE(form.PumpMaxEnabled);
  EXPECT_TRUE(ViewForKind(form.ActiveCalcKind).pondingPageVisible);
  EXPECT_EQ(ViewForKind(2).table4ReportTitle, "Ⅳ.資料-4[表4]湛水計算結果");

  form.ChoosePumpCalcKind(0);
  EXPECT_EQ(form.ActiveCalcKind, 1);
  EXPECT_EQ(form.PumpCapacity, "0.5");
  EXPECT_EQ(form.PumpMin, "-");
  EXPECT_FALSE(form.PumpMinEnabled);
  KindDependentView view = ViewForKind(1);
  EXPECT_EQ(view.routingMenuCaption, "Ⅲ-1．洪水調節計算");
  EXPECT_TRUE(view.dischargePageVisible && view.levelPageVisible && !view.pondingPageVisible);

  form.ChoosePumpCalcKind(-1);  // the pump page without a kind counts as natural drainage
  EXPECT_EQ(form.ActiveCalcKind, 0);
}

TEST(DesignFormTest, TheTimeOfConcentrationIsRoundedAndCopiedIntoThePitch) {
  DesignForm form = StartupDesignForm();
  form.TypeConcentration("12.6");
  EXPECT_EQ(form.Concentration, "13");
  EXPECT_EQ(form.Pitch, "13");
  form.TypeConcentration("abc");
  EXPECT_EQ(form.Concentration, "");
  EXPECT_EQ(form.Pitch, "13");

  form.ChooseWaveform(0);
  EXPECT_EQ(form.WaveformPicturePage, 0);
}
