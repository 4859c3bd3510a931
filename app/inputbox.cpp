#include "app/inputbox.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <utility>

InputBox::InputBox(QWidget* parent) : QDialog(parent), m_text(new QLineEdit(this)) {
  setWindowTitle(QStringLiteral("InputBox"));
  setWindowModality(Qt::ApplicationModal);
  m_text->setObjectName(QStringLiteral("inputText"));
  m_text->setMinimumWidth(180);
  auto* enter = new QPushButton(QStringLiteral("入力"), this);
  enter->setObjectName(QStringLiteral("inputEnter"));
  enter->setDefault(true);
  auto* cancel = new QPushButton(QStringLiteral("取消"), this);
  cancel->setObjectName(QStringLiteral("inputCancel"));
  connect(enter, &QPushButton::clicked, this, &InputBox::acceptText);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(enter);
  buttons->addWidget(cancel);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(m_text);
  layout->addLayout(buttons);
}

void InputBox::edit(const QString& caption, const QString& text, QPoint position,
                    std::function<void(const QString&)> accept) {
  setWindowTitle(caption);
  m_text->setText(text);
  m_text->selectAll();
  m_accept = std::move(accept);
  move(position);
  show();
  raise();
  activateWindow();
  m_text->setFocus();
}

void InputBox::acceptText() {
  // The callback may open the box again, so it is taken out before it runs.
  auto accept = std::exchange(m_accept, {});
  hide();
  if (accept) accept(m_text->text());
}
