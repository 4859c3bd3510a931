#include "app/mainwindow.h"

#include <QAction>
#include <algorithm>
#include <QCloseEvent>
#include <QLabel>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>

#include "app/aboutwindow.h"
#include "app/appinteraction.h"
#include "app/criticalstormwindow.h"
#include "app/designdocument.h"
#include "app/designwindow.h"
#include "app/estimatewindow.h"
#include "app/inputbox.h"
#include "app/intensitycurvewindow.h"
#include "app/liverecalculation.h"
#include "app/liverecalculationbar.h"
#include "app/reportcommands.h"
#include "app/resultwindow.h"
#include "reports/pdfreport.h"
#include "reports/qtreportprinter.h"
#include "reports/textreport.h"

namespace {

constexpr char kDesignFilter[] = "dat|*.dat";
constexpr char kDesignSuffix[] = "dat";

}  // namespace

MainWindow::MainWindow(DesignDocument& document, AppInteraction& ui,
                       std::unique_ptr<ReportPrinter> printer, QWidget* parent)
    : QMainWindow(parent), m_document(document), m_ui(ui) {
  setWindowTitle(QStringLiteral("ソレムナ Ver2.6"));
  buildMenus();
  buildToolBars();
  m_statusText = new QLabel(this);
  m_statusText->setObjectName(QStringLiteral("statusText"));
  statusBar()->addWidget(m_statusText);

  // The other windows, created once in their fixed order and kept until the process ends. The
  // result window and the intensity-curve window come before the input box, the printed
  // report's pages around the design-condition window, the simplified estimate last.
  m_resultWindow = new ResultWindow(document, ui, this);
  m_intensityCurveWindow = new IntensityCurveWindow(document.form(), ui, this);
  m_inputBox = new InputBox(this);
  m_aboutWindow = new AboutWindow(this);
  m_designWindow = new DesignWindow(document, ui, *m_inputBox, this);
  connect(m_designWindow, &DesignWindow::calculationRequested, this, &MainWindow::runCalculation);
  m_resultWindow->setAnchorWindow(m_designWindow);
  m_estimateWindow = new EstimateWindow(ui, *m_inputBox, this);
  connect(this, &MainWindow::intensityCurveRequested, m_intensityCurveWindow,
          &IntensityCurveWindow::showAtOrigin);
  connect(this, &MainWindow::estimateRequested, m_estimateWindow, &EstimateWindow::open);
  m_criticalStormWindow = new CriticalStormWindow(document, ui, this);
  m_live = new LiveRecalculation(document, this);
  m_designWindow->addBelowStart(new LiveRecalculationBar(*m_live));
  connect(m_designWindow, &DesignWindow::editFinished, m_live, &LiveRecalculation::edited);

  if (!printer) printer = std::make_unique<QtReportPrinter>(this);
  m_reportCommands = new ReportCommands(document, ui, std::move(printer), *m_designWindow,
                                        *m_resultWindow, *m_estimateWindow, this);
  connect(this, &MainWindow::printAllRequested, m_reportCommands, &ReportCommands::printAll);
  connect(this, &MainWindow::previewRequested, m_reportCommands, &ReportCommands::preview);
  connect(this, &MainWindow::printerSetupRequested, m_reportCommands,
          &ReportCommands::printerSetup);
  connect(this, &MainWindow::metafileExportRequested, m_reportCommands,
          &ReportCommands::metafileExport);
  connect(m_estimateWindow, &EstimateWindow::printRequested, m_reportCommands,
          &ReportCommands::previewEstimate);

  connect(&m_document, &DesignDocument::formChanged, this, &MainWindow::followForm);
  followForm();
}

QPoint MainWindow::resultWindowPosition() const {
  return m_designWindow->pos() + QPoint(5, 22);
}

QAction* MainWindow::action(const QString& caption) const {
  for (QAction* candidate : findChildren<QAction*>()) {
    if (candidate->text() == caption) return candidate;
  }
  return nullptr;
}

QAction* MainWindow::addCommand(QMenu* menu, const QString& caption, void (MainWindow::*slot)()) {
  QAction* command = menu->addAction(caption);
  connect(command, &QAction::triggered, this, slot);
  return command;
}

QAction* MainWindow::addToolCommand(QToolBar* bar, const QString& caption, const QString& hint,
                                    const QString& icon, void (MainWindow::*slot)()) {
  QAction* command = bar->addAction(QIcon(QStringLiteral(":/icons/") + icon + QStringLiteral(".svg")),
                                    caption);
  command->setToolTip(hint);
  command->setStatusTip(hint);
  connect(command, &QAction::triggered, this, slot);
  return command;
}

QAction* MainWindow::addPreview(QMenu* menu, const QString& caption, ReportPage page) {
  QAction* command = menu->addAction(caption);
  connect(command, &QAction::triggered, this, [this, page] { preview(page); });
  return command;
}

void MainWindow::buildMenus() {
  // The standard shortcuts work wherever the program has the focus, the design-condition
  // window included.
  auto shortcut = [](QAction* command, QKeySequence keys) {
    command->setShortcut(keys);
    command->setShortcutContext(Qt::ApplicationShortcut);
  };

  QMenu* file = menuBar()->addMenu(QStringLiteral("ファイル(&F)"));
  shortcut(addCommand(file, QStringLiteral("1.設計条件読込..."), &MainWindow::loadConditions),
           QKeySequence::Open);
  shortcut(addCommand(file, QStringLiteral("2.設計条件保存..."), &MainWindow::saveConditions),
           QKeySequence::Save);
  file->addSeparator();
  // Exit closes the window; closing asks the question, whichever way it was asked for.
  QAction* exitItem = file->addAction(QStringLiteral("3.終了..."));
  connect(exitItem, &QAction::triggered, this, &QWidget::close);
  shortcut(exitItem, QKeySequence::Quit);

  QMenu* print = menuBar()->addMenu(QStringLiteral("印刷(&P)"));
  shortcut(addCommand(print, QStringLiteral("1.計算書印刷..."), &MainWindow::printAll),
           QKeySequence::Print);
  QMenu* previews = print->addMenu(QStringLiteral("2.計算書ﾌﾟﾚﾋﾞｭｰ"));
  addPreview(previews, QStringLiteral("  <<   目次   >>"), ReportPage::Contents);
  QMenu* conditions = previews->addMenu(QStringLiteral("Ⅰ．設計条件"));
  addPreview(conditions, QStringLiteral("Ⅰ-1．設計条件..."), ReportPage::Conditions);
  addPreview(conditions, QStringLiteral("Ⅰ-2．設計条件(図)..."), ReportPage::ConditionCharts);
  QMenu* hydrograph = previews->addMenu(QStringLiteral("Ⅱ．流出ﾊｲﾄﾞﾛ"));
  addPreview(hydrograph, QStringLiteral("Ⅱ-1．ﾊｲﾄﾞﾛｸﾞﾗﾌ計算..."), ReportPage::Hydrograph);
  addPreview(hydrograph, QStringLiteral("Ⅱ-2．ﾊｲﾄﾞﾛｸﾞﾗﾌ(図)..."), ReportPage::HydrographCharts);
  QMenu* routing = previews->addMenu(QStringLiteral("Ⅲ．洪水調節"));
  m_routingPreview = addPreview(routing, QStringLiteral("Ⅲ-1．洪水調節計算..."), ReportPage::Routing);
  m_routingChartPreview =
      addPreview(routing, QStringLiteral("Ⅲ-2．洪水調節結果(図)..."), ReportPage::RoutingCharts);
  QMenu* tables = previews->addMenu(QStringLiteral("Ⅳ．資料"));
  addPreview(tables, QStringLiteral("Ⅳ-1．[表1]降雨強度..."), ReportPage::Table1);
  addPreview(tables, QStringLiteral("Ⅳ-2．[表2]降雨波形..."), ReportPage::Table2);
  addPreview(tables, QStringLiteral("Ⅳ-3．[表3]流出量..."), ReportPage::Table3);
  m_table4Preview = addPreview(tables, QStringLiteral("Ⅳ-4．[表4]洪水調節結果..."), ReportPage::Table4);
  print->addSeparator();
  addCommand(print, QStringLiteral("3.ﾌﾟﾘﾝﾀｰ設定..."), &MainWindow::printerSetup);

  QMenu* edit = menuBar()->addMenu(QStringLiteral("編集(&E)"));
  addCommand(edit, QStringLiteral("1.テキスト出力..."), &MainWindow::textReport);
  addCommand(edit, QStringLiteral("2.ﾒﾀﾌｧｲﾙ出力..."), &MainWindow::metafileExport);
  addCommand(edit, QStringLiteral("3.PDF出力..."), &MainWindow::pdfReport);

  QMenu* view = menuBar()->addMenu(QStringLiteral("表示(&V)"));
  addCommand(view, QStringLiteral("1．降雨強度曲線図"), &MainWindow::showIntensityCurve);
  view->addSeparator();
  addCommand(view, QStringLiteral("3．設計条件テーブル"), &MainWindow::showDesignWindow);
  addCommand(view, QStringLiteral("2．計算結果テーブル"), &MainWindow::showResults);

  QMenu* analysis = menuBar()->addMenu(QStringLiteral("分析(&A)"));
  addCommand(analysis, QStringLiteral("1．必要調節容量(簡便法)"), &MainWindow::showEstimate);
  analysis->addSeparator();
  shortcut(addCommand(analysis, QStringLiteral("2．洪水調節数値計算"), &MainWindow::runCalculation),
           QKeySequence(Qt::Key_F5));
  analysis->addSeparator();
  addCommand(analysis, QStringLiteral("3．水位 ～容量曲線"), &MainWindow::runRatingCurves);
  addCommand(analysis, QStringLiteral("4．流出ハイドロ計算"), &MainWindow::runRunoff);
  analysis->addSeparator();  // the designed commands above, the additional search below
  addCommand(analysis, QStringLiteral("最危険降雨の探索"), &MainWindow::showCriticalStorm);

  QMenu* system = menuBar()->addMenu(QStringLiteral("システム(&S)"));
  addCommand(system, QStringLiteral("2.このシステムは..."), &MainWindow::showAbout);
}

void MainWindow::buildToolBars() {
  QToolBar* files = addToolBar(QStringLiteral("ファイル"));
  files->setObjectName(QStringLiteral("fileToolBar"));
  files->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
  QAction* exitButton = files->addAction(QIcon(QStringLiteral(":/icons/exit.svg")),
                                         QStringLiteral("終了"));
  exitButton->setToolTip(QStringLiteral("終了"));
  connect(exitButton, &QAction::triggered, this, &QWidget::close);
  files->addSeparator();
  addToolCommand(files, QStringLiteral("読込"), QStringLiteral("設計条件読込"),
                 QStringLiteral("load"), &MainWindow::loadConditions);
  addToolCommand(files, QStringLiteral("保存"), QStringLiteral("設計条件保存"),
                 QStringLiteral("save"), &MainWindow::saveConditions);
  addToolCommand(files, QStringLiteral("印刷"), QStringLiteral("印刷"), QStringLiteral("print"),
                 &MainWindow::printAll);
  files->addSeparator();
  addToolCommand(files, QStringLiteral("ﾃｷｽﾄ"), QStringLiteral("テキスト出力..."),
                 QStringLiteral("text"), &MainWindow::textReport);
  addToolCommand(files, QStringLiteral("WMF"), QStringLiteral("ﾒﾀﾌｧｲﾙ出力"),
                 QStringLiteral("metafile"), &MainWindow::metafileExport);
  addToolCommand(files, QStringLiteral("PDF"), QStringLiteral("PDF出力"), QStringLiteral("pdf"),
                 &MainWindow::pdfReport);

  QToolBar* views = addToolBar(QStringLiteral("表示"));
  views->setObjectName(QStringLiteral("viewToolBar"));
  views->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
  addToolCommand(views, QStringLiteral("降雨強度曲線図"), QStringLiteral("降雨強度曲線図"),
                 QStringLiteral("intensitycurve"), &MainWindow::showIntensityCurve);
  views->addSeparator();
  addToolCommand(views, QStringLiteral("設計条件ﾃｰﾌﾞﾙ"), QStringLiteral("設計条件ﾃｰﾌﾞﾙ"),
                 QStringLiteral("designtable"), &MainWindow::showDesignWindow);
  addToolCommand(views, QStringLiteral("計算結果ﾃｰﾌﾞﾙ"), QStringLiteral("調節池計算テーブル"),
                 QStringLiteral("resulttable"), &MainWindow::showResults);
  views->addSeparator();
  addToolCommand(views, QStringLiteral("調節容量計算"), QStringLiteral("調節池容量の計算(簡便法)"),
                 QStringLiteral("estimate"), &MainWindow::showEstimate);
}

void MainWindow::followForm() {
  const KindDependentView view = ViewForKind(m_document.form().ActiveCalcKind);
  m_routingPreview->setText(QString::fromStdString(view.routingMenuCaption));
  m_routingChartPreview->setVisible(view.routingChartMenuVisible);
  m_table4Preview->setText(QString::fromStdString(view.table4MenuCaption));
}

void MainWindow::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (!m_shown) {
    m_shown = true;
    firstShow();
  }
}

void MainWindow::firstShow() {
  m_statusText->setMinimumWidth(std::max(0, statusBar()->width() - 105));
  m_statusText->setText(QStringLiteral("Vestaroへようこそ．．．"));
  m_designWindow->showCentred();
  m_document.applyStartupValues();
}

void MainWindow::closeEvent(QCloseEvent* event) {
  if (m_ui.Confirm("終了しますか。", {BoxPlacement::Origin::Screen, 0, 80})) {
    event->accept();
  } else {
    event->ignore();
  }
}

void MainWindow::loadConditions() {
  m_document.hideResults();
  std::filesystem::path file =
      m_ui.ChooseFileToOpen({kDesignFilter, kDesignSuffix, m_document.dialogDirectory(), false});
  m_document.load(file, m_ui);
}

void MainWindow::saveConditions() {
  std::filesystem::path file =
      m_ui.ChooseFileToSave({kDesignFilter, kDesignSuffix, m_document.dialogDirectory(), true});
  m_document.save(file, m_ui);
}

void MainWindow::printAll() { emit printAllRequested(); }

void MainWindow::preview(ReportPage page) { emit previewRequested(page); }

void MainWindow::printerSetup() { emit printerSetupRequested(); }

void MainWindow::textReport() {
  RunTextReport(m_document.sheet(), m_document.form(), m_document.startDirectory(), m_ui);
}

void MainWindow::metafileExport() { emit metafileExportRequested(); }

void MainWindow::pdfReport() {
  PdfReportOutcome outcome = RunPdfReport(m_document.sheet(), m_document.form(),
                                          m_document.startDirectory(), m_ui);
  if (outcome.openRequested) m_ui.OpenWithDefaultApplication(outcome.file);
}

void MainWindow::showIntensityCurve() { emit intensityCurveRequested(); }

void MainWindow::showDesignWindow() {
  m_designWindow->show();
  m_designWindow->raise();
}

void MainWindow::showResults() { m_document.showResults(); }

void MainWindow::showEstimate() { emit estimateRequested(); }

void MainWindow::runCalculation() {
  m_document.runCalculation(m_ui, m_designWindow->progressBar());
}

void MainWindow::runRatingCurves() { m_document.runRatingCurvesOnly(m_ui); }

void MainWindow::runRunoff() { m_document.runRunoffOnly(m_ui); }

void MainWindow::showCriticalStorm() {
  m_criticalStormWindow->show();
  m_criticalStormWindow->raise();
}

void MainWindow::showAbout() {
  m_aboutWindow->show();
  m_aboutWindow->raise();
}
