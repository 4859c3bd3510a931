#include "reports/textreport.h"

#include <sstream>
#include <string_view>
#include <utility>

#include "core/text/cp932.h"
#include "reports/reservedstream.h"

namespace {

// Collects the report's bytes; the first text that Shift-JIS cannot hold is kept as the fault.
class ReportBytes {
 public:
  void Line(std::string_view text) {
    Encode(text, bytes);
    bytes += "\r\n";
  }

  void List(const TextList& list) {
    for (const std::string& line : list) Line(line);
    Line("");
  }

  void Table(const StringGrid& table, std::size_t fieldWidth) {
    for (int row = 0; row < table.RowCount(); ++row) {
      for (int col = 0; col < table.ColCount(); ++col) {
        const std::string& cell = table.Cell(col, row);
        if (StringGrid::IsEmptyCell(cell)) break;
        m_field.clear();
        Encode(cell, m_field);
        if (m_field.size() < fieldWidth) bytes.append(fieldWidth - m_field.size(), ' ');
        bytes += m_field;
        bytes += ':';
      }
      bytes += "\r\n";
    }
    Line("");
  }

  std::string bytes;
  std::string fault;

 private:
  // Appends the Shift-JIS bytes of `text` to `out`; a text that Shift-JIS cannot hold appends
  // nothing and becomes the fault unless there is one already.
  void Encode(std::string_view text, std::string& out) {
    if (AppendCp932(out, text) || !fault.empty()) return;
    fault = "「" + std::string(text) + "」には Shift-JIS で書けない文字があるため、書き出せません。";
  }

  std::string m_field;  // one table cell's bytes, reused from cell to cell
};

void WritePondSection(const ResultSheet& sheet, const DesignForm& form, ReportBytes& report) {
  if (form.OutletPage() == 0) {
    report.List(sheet.RoutingText);
    report.Line("");
    report.Line("調節池計算結果一覧表");
    report.Table(sheet.RoutingTable, 10);
  } else if (form.PumpCalcKind() == 0) {
    report.Line("");
    report.List(sheet.RoutingText);
    report.Line("4.調節池計算結果(水位追跡)");
    report.Table(sheet.RoutingTable, 10);
  } else if (form.PumpCalcKind() == 1) {
    report.Line("4.湛水グラフ(ポンプ検討)");
    report.Table(sheet.RoutingTable, 10);
  }
}

}  // namespace

std::string WriteTextReport(std::ostream& out, const ResultSheet& sheet, const DesignForm& form) {
  ReportBytes report;
  report.Line("ソレムナ Ver2.5");
  report.Line("");
  report.List(sheet.ConditionsList);
  report.Line("");
  report.Line("2.調節池データ");
  report.Table(sheet.StageTable, 12);
  report.Line("");
  report.List(sheet.HyetographText);
  report.Line("降雨強度(In)");
  report.Table(sheet.IntensityTable, 10);
  report.Line("降雨波形(Q)");
  report.Table(sheet.HyetographTable, 10);
  report.Line("流出ﾊｲﾄﾞﾛｸﾞﾗﾌ(Q)");
  report.Table(sheet.RunoffTable, 10);
  report.Line("");
  WritePondSection(sheet, form, report);
  if (!report.fault.empty()) return report.fault;

  out.write(report.bytes.data(), static_cast<std::streamsize>(report.bytes.size()));
  out.flush();
  return out ? std::string()
             : std::string("Cannot write the text report: the output stream failed.");
}

bool AddTextReport(const ResultSheet& sheet, const DesignForm& form,
                   const std::filesystem::path& directory, AtomicFileSet& files,
                   UserInteraction& ui) {
  if (!ui.Confirm("計算結果をテキスト出力しますか。\r\r出力ファイル名は\r　調節池.txt\rです。")) {
    return false;
  }
  // A start-up design's report is about 27 kB.
  std::ostringstream report = ReservedOutputStream(std::size_t{1} << 17);
  // Running out of memory is no stream failure; let it reach the command as what it is.
  report.exceptions(std::ios::badbit);
  std::string error = WriteTextReport(report, sheet, form);
  if (error.empty()) error = files.Add(directory / kTextReportFileName, std::move(report).str());
  if (!error.empty()) {
    ui.ShowMessage(error);
    return false;
  }
  return true;
}

bool RunTextReport(const ResultSheet& sheet, const DesignForm& form,
                   const std::filesystem::path& directory, UserInteraction& ui) {
  // The file is replaced whole, so a failed write never leaves half a report behind.
  AtomicFileSet file;
  if (!AddTextReport(sheet, form, directory, file, ui) || !CommitFiles(file, ui)) return false;
  ui.ShowMessage(kTextReportWritten);
  return true;
}
