#include "app/buttontabs.h"

#include <QButtonGroup>
#include <QHBoxLayout>
#include <QPushButton>
#include <QStackedWidget>
#include <QVBoxLayout>

ButtonTabs::ButtonTabs(QWidget* parent)
    : QWidget(parent),
      m_row(new QHBoxLayout),
      m_group(new QButtonGroup(this)),
      m_stack(new QStackedWidget(this)) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(4);
  m_row->setSpacing(2);
  m_row->addStretch();
  layout->addLayout(m_row);
  layout->addWidget(m_stack, 1);
  m_group->setExclusive(true);
  connect(m_group, &QButtonGroup::idClicked, this, [this](int index) {
    m_stack->setCurrentIndex(index);
    emit pageChosen(index);
  });
}

int ButtonTabs::addPage(const QString& caption, QWidget* page) {
  const int index = count();
  auto* button = new QPushButton(caption, this);
  button->setCheckable(true);
  button->setFocusPolicy(Qt::TabFocus);
  m_group->addButton(button, index);
  m_row->insertWidget(index, button);
  m_buttons.push_back(button);
  m_stack->addWidget(page);
  if (index == 0) button->setChecked(true);
  return index;
}

QString ButtonTabs::caption(int index) const {
  QAbstractButton* b = button(index);
  return b ? b->text() : QString();
}

QAbstractButton* ButtonTabs::button(int index) const {
  if (index < 0 || index >= count()) return nullptr;
  return m_buttons[static_cast<std::size_t>(index)];
}

void ButtonTabs::setPageVisible(int index, bool visible) {
  if (QAbstractButton* b = button(index)) b->setVisible(visible);
}

bool ButtonTabs::isPageVisible(int index) const {
  QAbstractButton* b = button(index);
  return b && !b->isHidden();
}

int ButtonTabs::currentIndex() const { return m_stack->currentIndex(); }

void ButtonTabs::setCurrentIndex(int index) {
  QAbstractButton* b = button(index);
  if (!b) return;
  b->setChecked(true);
  m_stack->setCurrentIndex(index);
}
