#pragma once
/// The report commands of the main window and the simplified-estimate window: printing all
/// layouts, the preview of one layout, the printer set-up, the estimate page's preview and the
/// metafile export. They run on the document's sheet and form as they stand when the command
/// starts; the windows that a preview hides are the design-condition, result and estimate
/// windows.

#include <QObject>
#include <memory>

#include "app/reportpage.h"
#include "reports/printcommands.h"

class AppInteraction;
class DesignDocument;
class ResultWindow;
class QWidget;

class ReportCommands final : public QObject {
  Q_OBJECT

 public:
  /// `printer` is where every layout goes; the windows outlive the commands.
  ReportCommands(DesignDocument& document, AppInteraction& ui, std::unique_ptr<ReportPrinter> printer,
                 QWidget& designWindow, ResultWindow& resultWindow, QWidget& estimateWindow,
                 QObject* parent = nullptr);
  ~ReportCommands() override;

 public slots:
  void printAll();
  /// The Ⅲ-1 page is the routing or the ponding layout, whichever the current kind prints.
  void preview(ReportPage page);
  void printerSetup();
  void previewEstimate(const TextList& lines);
  /// The metafiles go into the process's current directory of the moment, each at the size its
  /// chart has in the result window.
  void metafileExport();

 private:
  class Windows;

  DesignDocument& m_document;
  AppInteraction& m_ui;
  std::unique_ptr<ReportPrinter> m_printer;
  ResultWindow& m_resultWindow;
  std::unique_ptr<Windows> m_windows;
};
