#pragma once
/// The pages of the printed calculation report that the preview menu offers.

enum class ReportPage {
  Contents,          // "  <<   目次   >>"
  Conditions,        // Ⅰ-1
  ConditionCharts,   // Ⅰ-2
  Hydrograph,        // Ⅱ-1
  HydrographCharts,  // Ⅱ-2
  Routing,           // Ⅲ-1: the routing page for kinds 0 and 1, the ponding page for kind 2
  RoutingCharts,     // Ⅲ-2, offered for kinds 0 and 1 only
  Table1,            // Ⅳ-1
  Table2,            // Ⅳ-2
  Table3,            // Ⅳ-3
  Table4,            // Ⅳ-4
};
