#pragma once
/// The result window "計算結果テーブル": a view of the result sheet. Its three top pages hold
/// sub-pages with button tabs; the tables and lists are read-only models over the sheet and the
/// charts are drawn from the sheet's charts. Which pages show, which page is open and whether the
/// window is visible are the sheet's (and, for the kind-dependent pages, the form's); the window
/// shows them and writes the user's choices back.

#include <QWidget>
#include <array>
#include <functional>
#include <vector>

#include "charts/chartsizes.h"
#include "core/design/designform.h"
#include "core/interaction/userinteraction.h"
#include "results/resultsheet.h"

class ButtonTabs;
class ChartWidget;
class QButtonGroup;
class QLabel;
class QTabWidget;
class QTableView;
class StringGridModel;
class TextListModel;

class ResultWindow final : public QWidget {
  Q_OBJECT

 public:
  /// The sheet and the form outlive the window; `ui` shows its messages.
  ResultWindow(ResultSheet& sheet, const DesignForm& form, UserInteraction& ui,
               QWidget* parent = nullptr);
  ~ResultWindow() override;

  /// The window is placed at this window's left + 5 and top + 22 whenever it is shown.
  void setAnchorWindow(const QWidget* designWindow) { m_anchor = designWindow; }
  /// Where the chart context menus ask for a picture's file name.
  void setPictureNameAsker(std::function<QString(const QString&)> asker);

  /// Changes the sheet (a calculation run): the window is hidden, the models are reset around
  /// the change, and afterwards the window is shown on its first pages if the sheet says so.
  void changeSheet(const std::function<void()>& change);
  /// "2．計算結果テーブル": shows the window with the tables of the last run on its first pages.
  void showOnFirstPages();
  /// Follows a change of the calculation kind made elsewhere: shows the kind's pages.
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
  void resetModels(bool begin);

  ResultSheet& m_sheet;
  const DesignForm& m_form;
  UserInteraction& m_ui;
  const QWidget* m_anchor = nullptr;
  QTabWidget* m_topPages;
  std::array<ButtonTabs*, 3> m_subPages{};
  std::vector<StringGridModel*> m_tableModels;
  std::vector<QTableView*> m_tableViews;
  std::vector<TextListModel*> m_listModels;
  std::vector<ChartWidget*> m_charts;
  QButtonGroup* m_pondingLabels = nullptr;
  QLabel* m_status;
};
