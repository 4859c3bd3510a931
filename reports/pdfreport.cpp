#include "reports/pdfreport.h"

#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "core/text/cp932.h"
#include "pdf/pdferror.h"
#include "pdf/tinkvale.h"
#include "reports/pdfreportpages.h"

namespace {

constexpr char kAuthor[] = "Vestaro";
constexpr char kCreator[] = "ソレムナ Ver2.6";
constexpr char kConfirmation[] =
    "計算結果をPDF出力しますか。\r\r出力ファイル名は\r　調節池計算結果.pdf\rです。";
constexpr char kOpenQuestion[] =
    "[ 調節池計算結果.pdf ]を表示しますか？\r\r(起動まで少し時間がかかります。)";

constexpr int kTitleSize = 12;
constexpr int kHeaderRows = 2;
constexpr int kRowsPerPage = 48;

std::string UnencodableMessage(const std::string& text) {
  return "「" + text + "」には Shift-JIS で書けない文字があるため、書き出せません。";
}

void BeginPage(PdfReportPages& pages, std::string_view title) {
  pages.NextPage();
  pages.DrawFrame();
  pages.DrawTitle(title, kTitleSize);
}

void DrawPondChartsPage(PdfReportPages& pages, const ResultSheet& sheet, int calcKind) {
  if (calcKind == 0 || calcKind == 1) {
    BeginPage(pages, "Ⅲ-2.調節池計算(図)");
    pages.DrawText(30, 40, "調節池計算結果を図示する。", 10);
    pages.DrawText(50, 55, "図1は、時間～流入量(I)、放流量(Q)", 10);
    pages.DrawText(50, 70, "図2は、時間～水位(H)", 10);
    pages.DrawText(40, 125, "図1.時間～流入量(I)、放流量(Q)", 10);
    pages.DrawChart(sheet.DischargeChart, 40, 140, 410, 200);
    pages.DrawText(40, 405, "図2.時間～水位(H)", 10);
    pages.DrawChart(sheet.LevelChart, 40, 440, 410, 200);
  } else if (calcKind == 2) {
    BeginPage(pages, "Ⅲ-2.湛水計算(図)");
    pages.DrawText(30, 40, "湛水計算結果を図示する。", 10);
    pages.DrawChart(sheet.PondingChart, 40, 140, 410, 200);
  }
}

void DrawRoutingTablePage(PdfReportPages& pages, const ResultSheet& sheet, int calcKind) {
  if (calcKind == 0 || calcKind == 1) {
    BeginPage(pages, "Ⅳ.資料-4:[表4]調節池計算");
    if (calcKind == 0) {
      pages.DrawText(400, 53, "放流量=Qo+QL、放流量'=QL", 10);
      pages.DrawText(400, 68, "ここに　Qo：ｵﾘﾌｨｽ放流量", 10);
      pages.DrawText(400, 83, "　　　　QL：余水吐放流量", 10);
    }
    pages.DrawTable(20, 40, "表4:調節池計算", sheet.RoutingTable, 9, kHeaderRows, kRowsPerPage);
  } else if (calcKind == 2) {
    BeginPage(pages, "Ⅳ.資料-4:[表4]湛水計算");
    pages.DrawTable(20, 40, "表4:湛水計算", sheet.RoutingTable, 9, kHeaderRows, kRowsPerPage);
  }
}

// The contents list as the contents page shows it. The list names the printed book's pages; the
// pump study's PDF book also has its ponding chart page, as page 6, so the tables move to 7.
std::vector<std::string> ContentsPageLines(const ResultSheet& sheet, int calcKind) {
  std::vector<std::string> lines = sheet.ContentsList;
  if (calcKind != 2) return lines;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (lines[i] == "  -1.湛水計算         ・・・P5" && i + 1 < lines.size() && lines[i + 1].empty()) {
      lines[i + 1] = "  -2.湛水計算(図)   ・・・P6";
    } else if (lines[i] == "Ⅳ.資　料         　　・・・P6") {
      lines[i] = "Ⅳ.資　料         　　・・・P7";
    }
  }
  return lines;
}

// Every page in the report's order. The contents page has no title; its heading stands centred
// in the title band.
void DrawPages(PdfReportPages& pages, const ResultSheet& sheet, int calcKind) {
  pages.StartPage();
  pages.DrawFrame();
  pages.DrawText(240, 15, "目　　次", kTitleSize);
  pages.DrawLines(140, 60, ContentsPageLines(sheet, calcKind), 12);

  BeginPage(pages, "Ⅰ-1.設計条件");
  // The stage table first, so that it stays beside the start of the list when a long list
  // continues on the next page.
  pages.DrawTable(330, 60, "調節池データ", sheet.StageTable, 10, kHeaderRows, 100);
  pages.DrawLines(20, 25, sheet.ConditionsList, 10);

  BeginPage(pages, "Ⅰ-2.設計条件(図)");
  pages.DrawText(30, 40, "1.H～Q曲線", 10);
  pages.DrawText(30, 55, "　オリフィスの水位(H)～放流量(Q)曲線を示す。", 10);
  pages.DrawChart(sheet.RatingChart, 40, 80, 410, 180);
  pages.DrawText(30, 300, "2.H～FV曲線", 10);
  pages.DrawText(30, 315, "　調節池データから、水位(H)～面積(F)及び水位(H)～容量(V)のグラフを示す。",
                 10);
  pages.DrawChart(sheet.AreaChart, 40, 340, 410, 180);
  pages.DrawChart(sheet.StorageChart, 40, 570, 410, 180);

  BeginPage(pages, "Ⅱ-1.流出ﾊｲﾄﾞﾛｸﾞﾗﾌ計算");
  pages.DrawLines(20, 40, sheet.HyetographText, 10);

  BeginPage(pages, "Ⅱ-2.流出ハイドログラフ(図)");
  pages.DrawText(30, 40, "図1.降雨波形(ハイエトグラフ)", 10);
  pages.DrawText(30, 55, "　　資料：[表1]降雨強度一覧表、[表2]降雨波形一覧表参照", 10);
  pages.DrawChart(sheet.HyetographChart, 40, 100, 400, 200);
  pages.DrawText(30, 360, "図2.流出ハイドログラフ", 10);
  pages.DrawText(30, 375, "　　資料：[表3]流出量一覧表参照", 10);
  pages.DrawChart(sheet.RunoffChart, 40, 410, 400, 200);

  BeginPage(pages, "Ⅲ-1.調節池計算");
  pages.DrawLines(20, 40, sheet.RoutingText, 9);

  DrawPondChartsPage(pages, sheet, calcKind);

  BeginPage(pages, "Ⅳ.資料-1:[表1]降雨強度");
  pages.DrawTable(20, 40, "表1:降雨強度", sheet.IntensityTable, 10, kHeaderRows, kRowsPerPage);
  BeginPage(pages, "Ⅳ.資料-2:[表2]降雨波形(ﾊｲｴﾄｸﾞﾗﾌ)");
  pages.DrawTable(20, 40, "表2:降雨波形:ﾊｲｴﾄｸﾞﾗﾌ", sheet.HyetographTable, 10, kHeaderRows,
                  kRowsPerPage);
  BeginPage(pages, "Ⅳ.資料-3:[表3]流出量");
  pages.DrawTable(20, 40, "表3:流出量", sheet.RunoffTable, 10, kHeaderRows, kRowsPerPage);

  DrawRoutingTablePage(pages, sheet, calcKind);
}

}  // namespace

std::string WritePdfReport(std::ostream& out, const ResultSheet& sheet, const DesignForm& form,
                           std::function<std::tm()> clock) {
  const std::optional<std::string> title = Utf8ToCp932(form.DesignName);
  if (!title) return UnencodableMessage(form.DesignName);
  try {
    TInkvale writer;
    writer.Clock = std::move(clock);
    writer.Title = *title;
    writer.Subject = Utf8ToCp932(kPdfReportFileName).value_or("");
    writer.Author = kAuthor;
    writer.Creator = Utf8ToCp932(kCreator).value_or("");
    writer.BeginDoc(&out);
    PdfReportPages pages(writer);
    DrawPages(pages, sheet, form.ActiveCalcKind);
    pages.DrawFooter();
    // The writer puts nothing into the stream before EndDoc, so a refused text leaves it as
    // it was.
    if (!pages.UnencodableText().empty()) return UnencodableMessage(pages.UnencodableText());
    writer.EndDoc(true);
  } catch (const PdfError& error) {
    return error.what();
  }
  return {};
}

bool AddPdfReport(const ResultSheet& sheet, const DesignForm& form,
                  const std::filesystem::path& directory, AtomicFileSet& files,
                  UserInteraction& ui) {
  // The report is drawn in memory and then written whole, so that a failure never leaves a
  // half-written report behind and an existing one stays as it was. The writer gives the
  // stream room for the whole file before it writes it.
  std::ostringstream bytes;
  // Running out of memory is no stream failure; let it reach the command as what it is.
  bytes.exceptions(std::ios::badbit);
  std::string failure = WritePdfReport(bytes, sheet, form);
  if (failure.empty()) failure = files.Add(directory / kPdfReportFileName, std::move(bytes).str());
  if (!failure.empty()) {
    ui.ShowMessage(failure);
    return false;
  }
  return true;
}

bool SavePdfReport(const ResultSheet& sheet, const DesignForm& form,
                   const std::filesystem::path& directory, UserInteraction& ui) {
  AtomicFileSet file;
  if (!AddPdfReport(sheet, form, directory, file, ui) || !CommitFiles(file, ui)) return false;
  ui.ShowMessage(kPdfReportWritten);
  return true;
}

PdfReportOutcome RunPdfReport(const ResultSheet& sheet, const DesignForm& form,
                              const std::filesystem::path& directory, UserInteraction& ui) {
  PdfReportOutcome outcome;
  outcome.file = directory / kPdfReportFileName;
  if (!ui.Confirm(kConfirmation)) return outcome;
  outcome.written = SavePdfReport(sheet, form, directory, ui);
  if (outcome.written) outcome.openRequested = ui.Confirm(kOpenQuestion);
  return outcome;
}
