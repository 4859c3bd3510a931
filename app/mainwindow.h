#pragma once
/// The main window "ソレムナ Ver2.6": the frame with the menu bar, the two tool bars and the
/// status bar, from which every command of the program starts. It creates the other windows
/// once and keeps them for the life of the process.

#include <QMainWindow>
#include <memory>

#include "app/reportpage.h"
#include "reports/printcommands.h"

class AboutWindow;
class AppInteraction;
class CriticalStormWindow;
class LiveRecalculation;
class DesignDocument;
class DesignWindow;
class EstimateWindow;
class InputBox;
class IntensityCurveWindow;
class QLabel;
class ReportCommands;
class ResultWindow;

class MainWindow : public QMainWindow {
  Q_OBJECT

 public:
  /// `printer` receives every printed and previewed layout; none: the system's printer.
  MainWindow(DesignDocument& document, AppInteraction& ui,
             std::unique_ptr<ReportPrinter> printer = {}, QWidget* parent = nullptr);

  DesignWindow* designWindow() const { return m_designWindow; }
  InputBox* inputBox() const { return m_inputBox; }
  AboutWindow* aboutWindow() const { return m_aboutWindow; }
  ResultWindow* resultWindow() const { return m_resultWindow; }
  IntensityCurveWindow* intensityCurveWindow() const { return m_intensityCurveWindow; }
  EstimateWindow* estimateWindow() const { return m_estimateWindow; }
  CriticalStormWindow* criticalStormWindow() const { return m_criticalStormWindow; }
  LiveRecalculation* liveRecalculation() const { return m_live; }
  /// Where the result window opens: beside the design-condition window.
  QPoint resultWindowPosition() const;

  /// The menu item or tool button that shows this caption now; null when there is none.
  QAction* action(const QString& caption) const;

 public slots:
  // The commands, in the order of the menus.
  void loadConditions();
  void saveConditions();
  void printAll();
  void preview(ReportPage page);
  void printerSetup();
  void textReport();
  void metafileExport();
  void pdfReport();
  void showIntensityCurve();
  void showDesignWindow();
  void showResults();
  void showEstimate();
  void runCalculation();
  void runRatingCurves();
  void runRunoff();
  void showCriticalStorm();
  void showAbout();

 signals:
  // The commands whose windows and outputs live elsewhere: those connect here.
  void printAllRequested();
  void previewRequested(ReportPage page);
  void printerSetupRequested();
  void metafileExportRequested();
  void intensityCurveRequested();
  void estimateRequested();

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void buildMenus();
  void buildToolBars();
  QAction* addCommand(QMenu* menu, const QString& caption, void (MainWindow::*slot)());
  QAction* addToolCommand(QToolBar* bar, const QString& caption, const QString& hint,
                          const QString& icon, void (MainWindow::*slot)());
  QAction* addPreview(QMenu* menu, const QString& caption, ReportPage page);
  void followForm();
  void firstShow();

  DesignDocument& m_document;
  AppInteraction& m_ui;
  ResultWindow* m_resultWindow = nullptr;
  IntensityCurveWindow* m_intensityCurveWindow = nullptr;
  InputBox* m_inputBox = nullptr;
  AboutWindow* m_aboutWindow = nullptr;
  DesignWindow* m_designWindow = nullptr;
  EstimateWindow* m_estimateWindow = nullptr;
  CriticalStormWindow* m_criticalStormWindow = nullptr;
  LiveRecalculation* m_live = nullptr;
  ReportCommands* m_reportCommands = nullptr;
  QLabel* m_statusText = nullptr;
  QAction* m_routingPreview = nullptr;
  QAction* m_routingChartPreview = nullptr;
  QAction* m_table4Preview = nullptr;
  bool m_shown = false;
};
