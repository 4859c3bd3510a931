#include "core/design/formoperations.h"

#include <cmath>
#include <numbers>

#include "core/design/textfile.h"
#include "core/text/conversionerror.h"
#include "core/text/formatnumber.h"
#include "core/text/numberreading.h"

namespace {

constexpr char kPitchAdvice[] =
    "計算ﾋﾟｯﾁ(分)の上限は、洪水到達時間(分)です。\r\r"
    "--------------------------------------------\r"
    "従って\r"
    "計算ﾋﾟｯﾁ(分)は、\r"
    "洪水到達時間(分)と同じ、又は\r"
    "洪水到達時間(分)の約数\r"
    "　(例：洪水到達時間=20分の場合は)\r"
    "　(　　 1の約数 --> 計算ﾋﾟｯﾁ=20分)\r"
    "　(　 　2の約数 --> 計算ﾋﾟｯﾁ=10分)\r"
    "　(　 　4の約数 --> 計算ﾋﾟｯﾁ= 5分)\r"
    "　(　　 5の約数 --> 計算ﾋﾟｯﾁ= 4分)\r"
    "　(　  10の約数 --> 計算ﾋﾟｯﾁ= 2分)\r"
    "--------------------------------------------\r\r"
    "等のように、して下さい。";

constexpr int kFirstDataRow = 2;
constexpr int kObservedRowCount = 146;

bool IsIntensityLabel(ValueLabel label) {
  switch (label) {
    case ValueLabel::Type1A: case ValueLabel::Type1X: case ValueLabel::Type1B:
    case ValueLabel::Type2A: case ValueLabel::Type2X: case ValueLabel::Type2B:
    case ValueLabel::ReturnPeriod: return true;
    default: return false;
  }
}

}  // namespace

void PickPitchFromList(DesignForm& form, std::string_view item, UserInteraction& ui) {
  form.Pitch = item;
  ui.ShowMessage(kPitchAdvice, MessageKind::Warning, {BoxPlacement::Origin::DesignWindow, 200, 80});
}

void PickConcentrationFromList(DesignForm& form, std::string_view item) { form.TypeConcentration(item); }

InputBoxRequest InputBoxFor(const DesignForm& form, ValueLabel label) {
  bool intensity = IsIntensityLabel(label);
  return {form.Hint(label), form.LabelText(label), intensity ? 45 : 275, 85};
}

void AcceptInputBox(DesignForm& form, ValueLabel label, std::string_view text) {
  form.LabelText(label) = text;
}

void BackCalculateOrifice(DesignForm& form, UserInteraction& ui) {
  double size = 0;
  try {
    double qc = ReadStrict(form.AllowableRelease);
    double crest = ReadStrict(form.SpillwayCrest);
    double sill = ReadStrict(form.LowerSill);
    double head = crest - sill;
    bool circular = form.OrificeShape() == 1;
    double c = ReadStrict(circular ? form.CircleC : form.C2);
    double area = qc / c / std::sqrt(19.62 * head);
    size = circular ? std::sqrt(area * 4 / std::numbers::pi) : std::sqrt(area);
  } catch (const ConversionError& error) {
    ui.ShowMessage(error.what());
    return;
  }
  // A head of zero or below, a zero coefficient or a negative release has no real opening.
  if (!std::isfinite(size)) {
    ui.ShowMessage("Invalid floating point operation");
    return;
  }
  std::string text = FormatNumber("0.00", std::floor(size * 100) / 100);
  form.LowerHeight = text;
  form.LowerWidth = text;
}

void TransferElevations(DesignForm& form, UserInteraction& ui) {
  const StringGrid& grid = form.PondGrid;
  int last = kFirstDataRow;
  while (!StringGrid::IsEmptyCell(grid.Cell(0, last))) ++last;
  if (last == kFirstDataRow) {
    ui.ShowMessage("ＨＶ曲線データが有りません。");
    return;
  }
  form.LowerSill = grid.Cell(0, kFirstDataRow);
  form.SpillwayCrest = grid.Cell(0, last - 1);
}

void ClearPondTable(DesignForm& form, UserInteraction& ui) {
  if (!ui.Confirm("データを消去しますか。", {BoxPlacement::Origin::Screen, 670, 320})) return;
  for (int row = kFirstDataRow; row < form.PondGrid.RowCount(); ++row) {
    form.PondGrid.SetRowFromCommaText(row, ",,");
  }
}

void ImportObservedCsv(DesignForm& form, UserInteraction& ui, const std::filesystem::path& path) {
  ImportObservedCsv(form, ui, [&path] { return path; });
}

void ImportObservedCsv(DesignForm& form, UserInteraction& ui,
                       const std::function<std::filesystem::path()>& chooseFile) {
  if (!ui.Confirm("降雨強度(mm/hr)ファイルを読込みますか。", {BoxPlacement::Origin::Screen, 0, 80})) {
    return;
  }
  const std::filesystem::path path = chooseFile();
  if (path.empty()) return;
  TextFileLines file = ReadShiftJisLines(path);
  if (!file.ok) {
    ui.ShowMessage(file.message);
    return;
  }
  StringGrid& grid = form.ObservedGrid;
  grid.SetRowCount(kObservedRowCount);
  int row = kFirstDataRow;
  for (const std::string& line : file.lines) {
    if (line.empty() || row >= kObservedRowCount) break;
    grid.SetRowFromCommaText(row, std::to_string(row - 1) + "," + line);
    ++row;
  }
  grid.SetRowCount(row);
  // Without a data row there is no time to take; the two boxes keep their texts.
  if (row > kFirstDataRow) {
    form.TypeConcentration(grid.Cell(1, kFirstDataRow));
    form.RainDuration = grid.Cell(1, row - 1);
  }
  ui.ShowMessage("降雨強度を読込みました。");
}
