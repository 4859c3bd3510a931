#include "core/design/designfile.h"

#include <variant>

#include "core/design/textfile.h"
#include "core/text/conversionerror.h"
#include "core/text/numberreading.h"

namespace {

// A choice or page index stored as an integer line; `set` is what a user's click does, so a
// changed index of a switching choice runs the switching.
struct ChoiceField {
  int min, max;
  int (*get)(const DesignForm&);
  void (*set)(DesignForm&, int);
};

// A text stored as it stands.
struct TextField {
  std::string DesignForm::*member;
};

// A table block: column count, row count, then rows 1 … last as comma text.
struct GridField {
  StringGrid DesignForm::*member;
  int minCols, maxCols, minRows, maxRows;
};

using Field = std::variant<ChoiceField, TextField, GridField>;

const std::vector<Field>& FileFields() {
  using F = DesignForm;
  static const std::vector<Field> fields = {
      ChoiceField{0, 2, [](const F& f) { return f.IntensitySource(); },
                  [](F& f, int i) { f.ChooseIntensitySource(i); }},
      ChoiceField{0, 2, [](const F& f) { return f.IntensityPage; }, [](F& f, int i) { f.IntensityPage = i; }},
      ChoiceField{0, 1, [](const F& f) { return f.FormulaPage; }, [](F& f, int i) { f.FormulaPage = i; }},
      TextField{&F::Type1A}, TextField{&F::Type1X}, TextField{&F::Type1B},
      TextField{&F::Type2A}, TextField{&F::Type2X}, TextField{&F::Type2B},
      TextField{&F::ReturnPeriod},
      ChoiceField{0, 1, [](const F& f) { return f.TimeUnit; }, [](F& f, int i) { f.TimeUnit = i; }},
      ChoiceField{0, 2, [](const F& f) { return f.Waveform; }, [](F& f, int i) { f.Waveform = i; }},
      ChoiceField{0, 2, [](const F& f) { return f.WaveformPicturePage; },
                  [](F& f, int i) { f.WaveformPicturePage = i; }},
      TextField{&F::ConstIntensity},
      GridField{&F::ObservedGrid, 3, 3, 2, 146},
      ChoiceField{0, 1, [](const F& f) { return f.ObservedInterval; },
                  [](F& f, int i) { f.ObservedInterval = i; }},
      TextField{&F::Concentration}, TextField{&F::RainDuration}, TextField{&F::RunoffCoef},
      TextField{&F::CatchmentArea}, TextField{&F::Margin}, TextField{&F::ExtraInflow},
      ChoiceField{0, 1, [](const F& f) { return f.OutletPage(); }, [](F& f, int i) { f.SelectOutletPage(i); }},
      ChoiceField{0, 1, [](const F& f) { return f.OrificeStages(); },
                  [](F& f, int i) { f.ChooseOrificeStages(i); }},
      ChoiceField{0, 1, [](const F& f) { return f.OrificeShape(); },
                  [](F& f, int i) { f.ChooseOrificeShape(i); }},
      TextField{&F::AllowableRelease}, TextField{&F::SpillwayWidth}, TextField{&F::SpillwayCrest},
      TextField{&F::UpperWidth}, TextField{&F::UpperHeight}, TextField{&F::UpperSill},
      TextField{&F::LowerWidth}, TextField{&F::LowerHeight}, TextField{&F::LowerSill},
      ChoiceField{-1, 1, [](const F& f) { return f.PumpCalcKind(); },
                  [](F& f, int i) { f.ChoosePumpCalcKind(i); }},
      TextField{&F::PumpCapacity}, TextField{&F::PumpMin}, TextField{&F::PumpMax},
      TextField{&F::C2}, TextField{&F::C1}, TextField{&F::CircleC}, TextField{&F::SpillwayC},
      ChoiceField{0, 1, [](const F& f) { return f.StorageSource(); },
                  [](F& f, int i) { f.ChooseStorageSource(i); }},
      TextField{&F::InitialStorage},
      GridField{&F::PondGrid, 2, 3, 2, 32},
      ChoiceField{-1, 1, [](const F& f) { return f.StorageFormula; },
                  [](F& f, int i) { f.StorageFormula = i; }},
      TextField{&F::CalcDuration}, TextField{&F::Pitch}, TextField{&F::StartLevel},
  };
  return fields;
}

// One value read from the file, checked and ready to apply.
struct GridValue {
  int cols = 0, rows = 0;
  std::vector<std::string> rowLines;  // rows 1 … rows − 1
};
using Value = std::variant<int, std::string, GridValue>;

// Reads the lines in field order; throws ConversionError with the message of the first fault
// and leaves `faultLine` at its 1-based line.
class FileReader {
 public:
  explicit FileReader(const std::vector<std::string>& lines) : m_lines(lines) {}

  std::vector<Value> ReadAll() {
    std::vector<Value> values;
    for (const Field& field : FileFields()) {
      if (const auto* choice = std::get_if<ChoiceField>(&field)) {
        values.emplace_back(ReadInteger(choice->min, choice->max));
      } else if (std::holds_alternative<TextField>(field)) {
        values.emplace_back(NextLine());
      } else {
        const auto& grid = std::get<GridField>(field);
        GridValue value;
        value.cols = ReadInteger(grid.minCols, grid.maxCols);
        value.rows = ReadInteger(grid.minRows, grid.maxRows);
        for (int row = 1; row < value.rows; ++row) value.rowLines.push_back(NextLine());
        values.emplace_back(std::move(value));
      }
    }
    return values;
  }

  int faultLine = 0;

 private:
  // The next line; a file that ends early is refused as a missing integer would be.
  std::string NextLine() {
    faultLine = static_cast<int>(m_next) + 1;
    if (m_next >= m_lines.size()) throw ConversionError::NotAnInteger("");
    return m_lines[m_next++];
  }

  int ReadInteger(int min, int max) {
    std::string text = NextLine();
    int value = ReadStrictInteger(text);
    if (value < min || value > max) throw ConversionError::NotAnInteger(text);
    return value;
  }

  const std::vector<std::string>& m_lines;
  std::size_t m_next = 0;
};

void Apply(DesignForm& form, const Field& field, const Value& value) {
  if (const auto* choice = std::get_if<ChoiceField>(&field)) {
    choice->set(form, std::get<int>(value));
  } else if (const auto* text = std::get_if<TextField>(&field)) {
    form.*(text->member) = std::get<std::string>(value);
  } else {
    const GridValue& gridValue = std::get<GridValue>(value);
    StringGrid& grid = form.*(std::get<GridField>(field).member);
    grid.SetColCount(gridValue.cols);
    grid.SetRowCount(gridValue.rows);
    for (int row = 1; row < gridValue.rows; ++row) {
      grid.SetRowFromCommaText(row, gridValue.rowLines[static_cast<std::size_t>(row - 1)]);
    }
  }
}

}  // namespace

std::vector<std::string> DesignFileLines(const DesignForm& form) {
  std::vector<std::string> lines;
  for (const Field& field : FileFields()) {
    if (const auto* choice = std::get_if<ChoiceField>(&field)) {
      lines.push_back(std::to_string(choice->get(form)));
    } else if (const auto* text = std::get_if<TextField>(&field)) {
      lines.push_back(form.*(text->member));
    } else {
      const StringGrid& grid = form.*(std::get<GridField>(field).member);
      lines.push_back(std::to_string(grid.ColCount()));
      lines.push_back(std::to_string(grid.RowCount()));
      for (int row = 1; row < grid.RowCount(); ++row) lines.push_back(grid.RowCommaText(row));
    }
  }
  return lines;
}

LoadResult ApplyDesignFileLines(DesignForm& form, const std::vector<std::string>& lines) {
  FileReader reader(lines);
  std::vector<Value> values;
  try {
    values = reader.ReadAll();
  } catch (const ConversionError& error) {
    return {false, reader.faultLine, error.what()};
  }
  // The first pass sets every field as a user would, so that changed choices run the switching;
  // the second pass puts back the texts and choices that the switching rewrote.
  DesignForm loaded = form;
  const std::vector<Field>& fields = FileFields();
  for (int pass = 0; pass < 2; ++pass) {
    for (std::size_t i = 0; i < fields.size(); ++i) Apply(loaded, fields[i], values[i]);
  }
  // The pump page's tab is hidden until a design that uses the page is loaded.
  if (loaded.OutletPage() == 1) loaded.PumpTabVisible = true;
  form = std::move(loaded);
  return {true, 0, {}};
}

std::string DesignNameOf(const std::filesystem::path& path) { return path.stem().string(); }

bool SaveConditions(DesignForm& form, const std::filesystem::path& path, UserInteraction& ui) {
  if (path.empty()) return false;
  ShiftJisText text = EncodeShiftJisLines(DesignFileLines(form));
  std::string error = text.ok ? WriteFileAtomically(path, text.bytes) : text.message;
  if (!error.empty()) {
    ui.ShowMessage(error);
    return false;
  }
  form.DesignName = DesignNameOf(path);
  ui.ShowMessage("設計条件を保存しました。");
  return true;
}

bool LoadConditions(DesignForm& form, const std::filesystem::path& path, UserInteraction& ui) {
  if (path.empty()) return false;
  TextFileLines file = ReadShiftJisLines(path);
  if (!file.ok) {
    ui.ShowMessage(file.message);
    return false;
  }
  LoadResult result = ApplyDesignFileLines(form, file.lines);
  if (!result.ok) {
    ui.ShowMessage(result.message);
    return false;
  }
  form.DesignName = DesignNameOf(path);
  ui.ShowMessage("設計条件を読込みました。");
  return true;
}
