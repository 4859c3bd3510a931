#pragma once
/// The design-condition window as data: every text, choice, active page and grid the user
/// edits, the state that the switching keeps consistent with the choices, the caption with the
/// design's name, and the program-wide calculation kind.
///
/// The form holds texts and choices only; nothing is computed from it until a calculation reads
/// it. The windows show a form and forward the user's edits to it; tests and the batch tool
/// drive the same operations without a display.

#include <string>
#include <string_view>

#include "core/design/stringgrid.h"

/// The clickable value labels, which are edited through the input box.
enum class ValueLabel {
  Type1A, Type1X, Type1B,       // r = a/(t^x + b)
  Type2A, Type2X, Type2B,       // r = a/(t + b)^x
  ReturnPeriod,                 // "確率年"
  SpillwayWidth,                // W
  SpillwayCrest,                // HT
  LowerHeight,                  // DL
  LowerWidth,                   // BL, the diameter of a circular orifice
  LowerSill,                    // HL
  UpperHeight,                  // DH
  UpperWidth,                   // BH
  UpperSill,                    // HH
};

/// Captions and pages elsewhere in the program that follow the calculation kind.
struct KindDependentView {
  std::string routingMenuCaption;     // the "Ⅲ-1" preview item of the main window
  bool routingChartMenuVisible;       // the "Ⅲ-2" preview item
  std::string table4MenuCaption;      // the "Ⅳ-4" preview item
  bool dischargePageVisible;          // result page "Ⅲ-2．放流量（図）"
  bool levelPageVisible;              // result page "Ⅲ-3．水位（図）"
  bool pondingPageVisible;            // result page "Ⅲ-2．湛水グラフ"
  std::string table4ReportTitle;      // title of printed report table 4
  std::string table4PagePrefix;       // page-number prefix of printed report table 4
};

/// What the switching does for a calculation kind (0 natural drainage, 1 pump water-level
/// tracking, 2 pump study).
KindDependentView ViewForKind(int calcKind);

class DesignForm {
 public:
  /// A form with the window's own initial values (before the start-up values).
  DesignForm();

  // --- Group 1: rainfall intensity -------------------------------------------------------
  int IntensitySource() const { return m_intensitySource; }  // 0 強度式, 1 定数, 2 実績強度
  int IntensityPage = 0;        // active page: 0 "降雨強度式", 1 "定数", 2 "実績強度"
  int FormulaPage = 0;          // active formula sub-page: 0 "タイプ1", 1 "タイプ2"
  std::string Type1A, Type1X, Type1B;
  std::string Type2A, Type2X, Type2B;
  std::string ReturnPeriod;     // "確率年"
  int TimeUnit = 1;             // "ｔ の単位": 0 "時", 1 "分"
  int Waveform = 2;             // "降雨波形": 0 中央集中型(1), 1 中央集中型(2), 2 後方集中型
  int WaveformPicturePage = 2;  // the picture page beside it, which mirrors the choice
  std::string ConstIntensity;   // "r(mm/hr)="
  StringGrid ObservedGrid;      // "N", "分", "降雨強度": 3 columns, 2 header rows, up to 146 rows
  int ObservedWaveform = 0;     // observed page "降雨波形": 0 "中央型", 1 "後方型"; not in the file
  int ObservedInterval = 1;     // "時間間隔": 0 "1時間", 1 "10分"; never shown, kept in the file

  // --- Group 2: time of concentration and duration ----------------------------------------
  std::string Concentration;    // "到達時間（分） ="; edits by the user go through TypeConcentration
  std::string RainDuration;     // "降雨継続時間(分)="

  // --- Group 3: runoff ---------------------------------------------------------------------
  std::string RunoffCoef;       // "ｆ ：流出係数 ="
  std::string CatchmentArea;    // "Ａ：流域面積（ha）="
  std::string Margin;           // "K ：余裕率 ="
  std::string ExtraInflow;      // "Qfix：流入量（m3/s）="

  // --- Group 4: outlet works --------------------------------------------------------------
  int OutletPage() const { return m_outletPage; }  // 0 "自然排水", 1 "ポンプ排水"
  bool PumpTabVisible = true;   // whether the tab "ポンプ排水" is in the tab row
  int OrificeStages() const { return m_orificeStages; }  // "ｵﾘﾌｨｽ段数": 0 "１段", 1 "２段"
  int OrificeShape() const { return m_orificeShape; }    // "ｵﾘﾌｨｽ形状": 0 "矩形", 1 "円形"
  std::string AllowableRelease;  // "Qc(m3/s)"
  std::string SpillwayWidth;     // W
  std::string SpillwayCrest;     // HT
  std::string UpperWidth;        // BH
  std::string UpperHeight;       // DH
  std::string UpperSill;         // HH
  std::string LowerWidth;        // BL (the diameter when circular)
  std::string LowerHeight;       // DL
  std::string LowerSill;         // HL
  int PumpCalcKind() const { return m_pumpCalcKind; }  // "計算種別": 0 水位追跡, 1 ポンプ検討, -1
  std::string PumpCapacity, PumpMin, PumpMax;  // "ポンプ規模（m3/s）": capacity, minimum ～ maximum
  bool PumpCapacityEnabled = true, PumpMinEnabled = true, PumpMaxEnabled = true;
  std::string C2;                // "C2="
  std::string C1;                // "C1="
  std::string CircleC;           // "C =" of the circular orifice
  std::string SpillwayC;         // spillway "C="

  // --- Group 5: pond table ----------------------------------------------------------------
  int StorageSource() const { return m_storageSource; }  // "貯水容量": 0 "自動計算", 1 "手入力"
  std::string InitialStorage;    // "V(m3)="
  StringGrid PondGrid;           // "標高(H)", "面積(F)", "貯水量(V)": 2 or 3 columns, 32 rows
  int StorageFormula = 0;        // "計算式設定": 0 両端断面平均法, 1 截頭錐体法, -1 no choice

  // --- Group 6: calculation conditions ----------------------------------------------------
  std::string CalcDuration;      // "計算時間(分)="
  std::string Pitch;             // "計算ﾋﾟｯﾁ(分)="
  std::string StartLevel;        // "計算開始水位(m)="

  int OutputColour = 0;          // "出力図色": 0 "ｶﾗｰ", 1 "白黒"; not in the file

  // --- Program-wide state kept with the form ----------------------------------------------
  /// The file name, without folder and extension, of the last saved or loaded design.
  std::string DesignName;
  /// 0 natural drainage, 1 pump water-level tracking, 2 pump study; set by the switching and by
  /// every calculation run.
  int ActiveCalcKind = 0;

  /// "設計条件テーブル", or "設計条件 " and the design's name once a file was saved or loaded.
  std::string Caption() const;

  // --- Choices whose change runs the switching --------------------------------------------
  void ChooseIntensitySource(int index);
  void ChooseOrificeStages(int index);
  void ChooseOrificeShape(int index);
  void ChooseStorageSource(int index);
  void ChoosePumpCalcKind(int index);
  void SelectOutletPage(int index);

  /// Chooses a "降雨波形" item together with its picture page (choosing either selects both).
  void ChooseWaveform(int index);

  /// Changes "到達時間（分） =" as typing or picking from its list does: a number is rewritten
  /// rounded to whole minutes and copied into "計算ﾋﾟｯﾁ(分)="; any other text clears the box.
  void TypeConcentration(std::string_view text);

  /// Makes the pages, fields and texts follow the current choices (the switching).
  void ApplySwitching();

  // --- What the switching shows, derived from the choices ---------------------------------
  /// Whether the intensity page (0–2) keeps its tab: only the page of the intensity source.
  bool IntensityTabVisible(int page) const { return page == m_intensitySource; }
  /// The time of concentration and duration boxes are disabled for observed intensities.
  bool ConcentrationEnabled() const { return m_intensitySource != 2; }
  bool RainDurationEnabled() const { return m_intensitySource != 2; }
  /// DH, BH, HH and the upper orifice of the drawing.
  bool UpperOrificeVisible() const { return m_orificeStages == 1; }
  /// DL, and the lower orifice drawn as a framed rectangle rather than a circle.
  bool LowerHeightVisible() const { return m_orificeShape == 0; }
  bool C1Enabled() const { return m_orificeShape == 0 || m_orificeStages == 1; }
  bool C2Enabled() const { return C1Enabled(); }
  bool CircleCEnabled() const { return m_orificeShape == 1; }
  bool StorageFormulaEnabled() const { return m_storageSource == 0; }

  /// The hint of a value label, which is also the caption of its input box.
  std::string Hint(ValueLabel label) const;
  /// The text of a value label.
  const std::string& LabelText(ValueLabel label) const;
  std::string& LabelText(ValueLabel label);

  /// Everything the user can see or the file holds, compared field by field.
  bool operator==(const DesignForm&) const = default;

 private:
  void SetChoice(int& choice, int index);

  int m_intensitySource = 0;
  int m_outletPage = 0;
  int m_orificeStages = 0;
  int m_orificeShape = 0;
  int m_pumpCalcKind = 0;
  int m_storageSource = 0;
};

/// Puts the start-up values into the form, as the program does once at start-up.
void SetStartupValues(DesignForm& form);

/// A form as the program shows it right after start-up.
DesignForm StartupDesignForm();
