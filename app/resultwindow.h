#pragma once
/// The result window "計算結果テーブル": a view of the result sheet. Its three top pages hold
/// sub-pages with button tabs; the tables and lists are read-only models over the sheet and the
/// charts are drawn from the sheet's charts. Which pages show, which page is open and whether the
/// window is visible are the sheet's (and, for the kind-dependent pages, the form's); the window
/// shows them and writes the user's choices back.

#include <QWidget>
#include <array>
#include <vector>

#include "charts/chartsizes.h"
#include "results/resultsheet.h"

class AppInteraction;
class ButtonTabs;
class ChartWidget;
class DesignDocument;
class QButtonGroup;
class QLabel;
class QTabWidget;
class QTableView;
class StringGridModel;
class TextListModel;

class ResultWindow final : public QWidget {
  Q_OBJECT

 public:
  /// Shows the document's sheet and follows its signals; the document outlives the window.
  /// `ui` asks where chart pictures go and reports what fails.
  ResultWindow(DesignDocument& document, AppInteraction& ui, QWidget* parent = nullptr);
  ~ResultWindow() override;

  /// The window is placed at this window's left + 5 and top + 22 whenever it is shown.
  void setAnchorWindow(const QWidget* designWindow) { m_anchor = designWindow; }

  /// A run wrote the sheet: tables, lists and charts show what it holds now.
  void reload();
  /// Shows the window on its first pages at its place, or hides it.
  void setShown(bool shown);
  /// Shows the pages of the form's calculation kind.
  void followCalcKind();

  // What the window shows, for the commands and tests.
  QTabWidget* topPages() const { return m_topPages; }
  ButtonTabs* subPages(int topPage) const;
  StringGridModel* tableModel(const StringGrid& table) const;
  TextListModel* listModel(const TextList& list) const;
  ChartWidget* chartWidget(const Chart& chart) const;
  /// The "ラベル" choice of the ponding chart.
  QButtonGroup* pondingLabels() const { return m_pondingLabels; }
  QLabel* statusText() const { return m_status; }

 protected:
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;

 private:
  QWidget* tablePage(const QString& group, StringGrid& table);
  QWidget* listGroup(const QString& group, const TextList& list);
  ChartWidget* chart(const Chart& chart, ChartSize size);
  QWidget* designConditionsPage();
  QWidget* pondingPage();
  void landOnFirstPages();
  void syncPages();

  DesignDocument& m_document;
  ResultSheet& m_sheet;
  AppInteraction& m_ui;
  const QWidget* m_anchor = nullptr;
  QTabWidget* m_topPages;
  std::array<ButtonTabs*, 3> m_subPages{};
  struct Table {
    const StringGrid* grid;
    StringGridModel* model;
    QTableView* view;
  };
  std::vector<Table> m_tables;
  std::vector<TextListModel*> m_listModels;
  std::vector<ChartWidget*> m_charts;
  QButtonGroup* m_pondingLabels = nullptr;
  QLabel* m_status;
};
