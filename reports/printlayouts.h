#pragma once
/// The page layouts of the printed calculation report, each filled from the result sheet as it
/// stands: the contents, the design conditions (Ⅰ-1, Ⅰ-2), the runoff hydrograph (Ⅱ-1, Ⅱ-2),
/// the pond calculation (Ⅲ-1 in its routing or ponding variant, Ⅲ-2), the tables 1 to 4 and
/// the simplified estimate's page.

#include <optional>
#include <vector>

#include "core/design/designform.h"
#include "reports/printedpage.h"
#include "results/resultsheet.h"

enum class PrintLayoutId {
  Contents,
  Conditions,        // Ⅰ-1
  ConditionCharts,   // Ⅰ-2
  Hydrograph,        // Ⅱ-1
  HydrographCharts,  // Ⅱ-2
  Routing,           // Ⅲ-1 of kinds 0 and 1
  Ponding,           // Ⅲ-1 of kind 2
  RoutingCharts,     // Ⅲ-2
  Table1,
  Table2,
  Table3,
  Table4,
};

/// The Ⅲ-1 layout of a calculation kind: Routing for 0 and 1, Ponding for 2, none otherwise.
std::optional<PrintLayoutId> RoutingLayoutForKind(int calcKind);

/// The layouts that printing all prints for a calculation kind, in their order: eleven for
/// kinds 0 and 1, ten for kind 2 (no Ⅲ-2); none of the pond pages for any other kind.
std::vector<PrintLayoutId> PrintAllLayouts(int calcKind);

/// One layout filled from the sheet; `form` gives the calculation kind (the title of table 4)
/// and "出力図色" (the title colour of the ponding chart).
PrintLayout BuildPrintLayout(PrintLayoutId id, const ResultSheet& sheet, const DesignForm& form);

/// The simplified estimate's page, filled from the estimate window's result list.
PrintLayout BuildEstimateLayout(const TextList& lines);
