#pragma once
/// A page control whose tabs are a row of buttons above the pages: the sub-pages of the result
/// window. A page can be taken out of the row without losing its place in the order.

#include <QWidget>
#include <vector>

class QAbstractButton;
class QButtonGroup;
class QHBoxLayout;
class QStackedWidget;

class ButtonTabs final : public QWidget {
  Q_OBJECT

 public:
  explicit ButtonTabs(QWidget* parent = nullptr);

  /// Appends a page with its button caption; returns its index.
  int addPage(const QString& caption, QWidget* page);
  int count() const { return static_cast<int>(m_buttons.size()); }
  QString caption(int index) const;
  QAbstractButton* button(int index) const;

  void setPageVisible(int index, bool visible);
  bool isPageVisible(int index) const;

  int currentIndex() const;
  /// Shows the page without reporting it (the caller already knows).
  void setCurrentIndex(int index);

 signals:
  /// The user chose the page by its button.
  void pageChosen(int index);

 private:
  QHBoxLayout* m_row;
  QButtonGroup* m_group;
  QStackedWidget* m_stack;
  std::vector<QAbstractButton*> m_buttons;
};
