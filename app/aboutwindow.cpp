#include "app/aboutwindow.h"

#include <QFontInfo>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

AboutWindow::AboutWindow(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("このシステムは"));
  auto* layout = new QVBoxLayout(this);
  auto* product = new QLabel(QStringLiteral("ソレムナ Ver2.6"), this);
  QFont productFont = product->font();
  productFont.setPixelSize(QFontInfo(productFont).pixelSize() * 8 / 5);
  productFont.setBold(true);
  product->setFont(productFont);
  product->setAlignment(Qt::AlignCenter);
  auto* date = new QLabel(QStringLiteral("H22. 10. 18"), this);
  date->setAlignment(Qt::AlignCenter);
  auto* ok = new QPushButton(QStringLiteral("O．K"), this);
  ok->setObjectName(QStringLiteral("aboutOk"));
  connect(ok, &QPushButton::clicked, this, &QWidget::hide);
  layout->addWidget(product);
  layout->addWidget(date);
  layout->addSpacing(8);
  layout->addWidget(ok, 0, Qt::AlignCenter);
  layout->setContentsMargins(32, 20, 32, 16);
  setFixedSize(sizeHint());
}
