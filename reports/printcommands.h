#pragma once
/// The print commands of the main window and the simplified-estimate window: print all, the
/// preview of one layout, printing one layout and the estimate page's preview. They fill the
/// layouts from the sheet and hand them to a printer; the windows they hide and show again and
/// the questions they ask go through the interfaces the caller hands in.

#include "core/design/designform.h"
#include "core/interaction/userinteraction.h"
#include "reports/printedpage.h"
#include "reports/printlayouts.h"
#include "results/resultsheet.h"

/// Where the layouts go: the printer chosen with the printer set-up, and its preview.
class ReportPrinter {
 public:
  virtual ~ReportPrinter() = default;
  /// Whether there is a printer to print on.
  virtual bool Available() const = 0;
  /// Prints the layout's pages as one job.
  virtual void Print(const PrintLayout& layout) = 0;
  /// Shows the layout's print preview and returns once it is closed.
  virtual void Preview(const PrintLayout& layout) = 0;
  /// The printer set-up dialog; the printer chosen there is used for every layout from then on.
  virtual void SetUp() = 0;
};

/// The windows that a preview hides: the design-condition and result windows, and with
/// `estimate` also the simplified-estimate window.
class ReportWindows {
 public:
  virtual ~ReportWindows() = default;
  virtual void Hide(bool estimate) = 0;
  virtual void Show(bool estimate) = 0;
};

inline constexpr char kPrintAllQuestion[] = "プリンターの準備はいいですか。\r一括印刷します。";
inline constexpr char kPrintAllDone[] = "出力しました．．．\r印刷が終わるまでお待ち下さい。";

/// Print all: asks kPrintAllQuestion at screen position (80, 0); on Yes prints every layout of
/// the sheet's calculation kind (PrintAllLayouts) as its own job, shows the design-condition
/// and result windows and shows kPrintAllDone. Without a printer nothing is printed and the
/// command still ends with its message. No does nothing.
void PrintAll(const ResultSheet& sheet, const DesignForm& form, ReportPrinter& printer,
              ReportWindows& windows, UserInteraction& ui);

/// The preview of one layout: hides the two windows, shows the preview until it is closed and
/// shows the windows again.
void PreviewLayout(PrintLayoutId id, const ResultSheet& sheet, const DesignForm& form,
                   ReportPrinter& printer, ReportWindows& windows);

/// Prints one layout, without a message when there is no printer; the two windows are hidden
/// and stay hidden until the caller shows them.
void PrintOneLayout(PrintLayoutId id, const ResultSheet& sheet, const DesignForm& form,
                    ReportPrinter& printer, ReportWindows& windows);

/// The simplified estimate's page: hides the three windows, previews the page filled with the
/// estimate's result list and shows the three windows again.
void PreviewEstimate(const TextList& lines, ReportPrinter& printer, ReportWindows& windows);
