#include "reports/metafileexport.h"

#include "charts/chartrenderer.h"
#include "charts/wmfcanvas.h"
#include "core/design/textfile.h"

std::string ChartMetafileBytes(const Chart& chart, ChartSize size) {
  WmfCanvas canvas(size.width, size.height);
  RenderChart(chart, canvas,
              {0, 0, static_cast<double>(size.width), static_cast<double>(size.height)});
  return canvas.Bytes();
}

bool WriteMetafiles(const ResultSheet& sheet, const DesignForm& form,
                    const std::filesystem::path& directory, UserInteraction& ui,
                    const ChartSizeOf& sizeOf) {
  for (const ChartFile& file : ChartFilesForKind(form.ActiveCalcKind)) {
    const ChartSize size = sizeOf ? sizeOf(file) : file.screenSize;
    const std::string error = WriteFileAtomically(directory / (file.baseName + ".wmf"),
                                                  ChartMetafileBytes(sheet.*file.chart, size));
    if (!error.empty()) {
      ui.ShowMessage(error);
      return false;
    }
  }
  return true;
}

bool RunMetafileExport(const ResultSheet& sheet, const DesignForm& form,
                       const std::filesystem::path& directory, UserInteraction& ui,
                       const ChartSizeOf& sizeOf) {
  if (!ui.Confirm("計算結果図をメタファイル出力しますか。")) return false;
  if (!WriteMetafiles(sheet, form, directory, ui, sizeOf)) return false;
  ui.ShowMessage("メタファイル出力終わりました。");
  return true;
}
