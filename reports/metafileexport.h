#pragma once
/// The metafile export: the result charts as placeable Windows metafiles of fixed names, for
/// pasting into other documents.

#include <filesystem>
#include <functional>
#include <string>

#include "charts/chartsizes.h"
#include "core/design/designform.h"
#include "core/interaction/userinteraction.h"
#include "reports/chartfiles.h"
#include "results/resultsheet.h"

/// The size a chart's picture gets; by default its size in the result window.
using ChartSizeOf = std::function<ChartSize(const ChartFile&)>;

/// The metafile bytes of one chart at `size` px.
std::string ChartMetafileBytes(const Chart& chart, ChartSize size);

/// Writes the metafiles of the form's ActiveCalcKind into `directory` in their order, each
/// "<name>.wmf" replaced whole. A file that cannot be written shows its error and stops there;
/// the files written before it stay. Returns whether every file was written.
bool WriteMetafiles(const ResultSheet& sheet, const DesignForm& form,
                    const std::filesystem::path& directory, UserInteraction& ui,
                    const ChartSizeOf& sizeOf = {});

/// The metafile command: asks "計算結果図をメタファイル出力しますか。"; on Yes writes the files
/// (WriteMetafiles) and, when all are written, shows "メタファイル出力終わりました。". Declining
/// writes nothing. Returns whether every file was written.
bool RunMetafileExport(const ResultSheet& sheet, const DesignForm& form,
                       const std::filesystem::path& directory, UserInteraction& ui,
                       const ChartSizeOf& sizeOf = {});
