#include "app/estimatewindow.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include "app/inputbox.h"
#include "app/textlistmodel.h"
#include "app/valuelabel.h"
#include "core/calc/storageestimate.h"
#include "core/text/conversionerror.h"
#include "qtdraw/paintercanvas.h"
#include "results/storageestimatetext.h"

namespace {

// Where the input box opens against the label it edits.
constexpr QPoint kInputBoxOffset(45, 50);

QString Q(const std::string& text) { return QString::fromStdString(text); }

QLabel* Caption(const char* text) { return new QLabel(QString::fromUtf8(text)); }

// A coefficient of the intensity formula: blue at rest, its hint as the input box caption.
ValueLabelWidget* ValueLabel(const QString& text, const QString& hint) {
  auto* label = new ValueLabelWidget(Qt::blue, nullptr);
  label->setText(text);
  label->setToolTip(hint);
  return label;
}

}  // namespace

EstimateWindow::EstimateWindow(UserInteraction& ui, InputBox& inputBox, QWidget* parent)
    : QWidget(parent, Qt::Dialog | Qt::WindowStaysOnTopHint), m_ui(ui), m_inputBox(inputBox) {
  setWindowTitle(QStringLiteral("調節池容量の計算(簡便法)"));
  const StorageEstimateInputs defaults;

  // r = a / (t^n + b), with the three coefficients as value labels in their places.
  m_a = ValueLabel(Q(defaults.a), QStringLiteral("a"));
  m_n = ValueLabel(Q(defaults.n), QStringLiteral("x"));
  m_b = ValueLabel(Q(defaults.b), QStringLiteral("b"));
  auto* intensity = new QGroupBox(QStringLiteral("1．降雨強度(mm/hr)"));
  auto* formula = new QGridLayout(intensity);
  formula->addWidget(m_a, 0, 1, 1, 4, Qt::AlignHCenter);
  formula->addWidget(Caption("ｒ ="), 1, 0);
  auto* bar = new QFrame;
  bar->setFrameShape(QFrame::HLine);
  formula->addWidget(bar, 1, 1, 1, 4);
  formula->addWidget(Caption("ｔ"), 2, 1, Qt::AlignRight);
  formula->addWidget(m_n, 2, 2, Qt::AlignTop);
  formula->addWidget(Caption("＋"), 2, 3);
  formula->addWidget(m_b, 2, 4, Qt::AlignLeft);
  formula->setColumnStretch(5, 1);
  for (ValueLabelWidget* label : {m_a, m_n, m_b}) {
    connect(label, &ValueLabelWidget::clicked, this, [this, label] { editValue(label); });
  }

  m_qc = new QLineEdit(Q(defaults.Qc));
  auto* release = new QGroupBox(QStringLiteral("2．許容放流量"));
  auto* releaseLayout = new QHBoxLayout(release);
  releaseLayout->addWidget(Caption("Qc(m3/s)"));
  releaseLayout->addWidget(m_qc);

  m_area = new QLineEdit(Q(defaults.A));
  m_f = new QComboBox;
  m_f->setEditable(true);
  for (const char* item : {"0.95", "0.90", "0.85", "0.84", "0.80", "0.75", "0.70", "0.65", "0.60",
                           "0.55", "0.50", "0.45", "0.40", "0.35", "0.30", "0.25", "0.20", "0.15",
                           "0.10"}) {
    m_f->addItem(QString::fromUtf8(item));
  }
  m_f->setCurrentText(Q(defaults.f));
  auto* runoff = new QGroupBox(QStringLiteral("3．流出量(m3/s)"));
  auto* runoffLayout = new QGridLayout(runoff);
  runoffLayout->addWidget(Caption("Ａ：流域面積（ha）="), 0, 0);
  runoffLayout->addWidget(m_area, 0, 1);
  runoffLayout->addWidget(Caption("ｆ ：流出係数 ="), 1, 0);
  runoffLayout->addWidget(m_f, 1, 1);

  m_storage = new QLineEdit(QStringLiteral("0.0"));
  m_storage->setReadOnly(true);
  m_storage->setAlignment(Qt::AlignRight);
  auto* storage = new QGroupBox(QStringLiteral("V(m3)"));
  (new QHBoxLayout(storage))->addWidget(m_storage);

  m_compute = new QPushButton(QStringLiteral("計算"));
  m_print = new QPushButton(QStringLiteral("印刷..."));
  auto* close = new QPushButton(QStringLiteral("閉じる"));
  connect(m_compute, &QPushButton::clicked, this, &EstimateWindow::compute);
  connect(m_print, &QPushButton::clicked, this, [this] { emit printRequested(m_lines); });
  connect(close, &QPushButton::clicked, this, &QWidget::hide);

  m_linesModel = new TextListModel(m_lines, this);
  auto* derivation = new QListView;
  derivation->setModel(m_linesModel);
  // The derivation lines up fractions with blanks: a fixed-pitch face keeps them in place.
  derivation->setFont(JapaneseFont("ＭＳ ゴシック", 12));
  derivation->setUniformItemSizes(true);

  auto* inputs = new QVBoxLayout;
  inputs->addWidget(intensity);
  inputs->addWidget(release);
  inputs->addWidget(runoff);
  inputs->addWidget(storage);
  inputs->addStretch();
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(m_compute);
  buttons->addWidget(m_print);
  buttons->addWidget(close);
  inputs->addLayout(buttons);

  auto* layout = new QHBoxLayout(this);
  layout->addLayout(inputs, 0);
  layout->addWidget(derivation, 1);
  resize(980, 560);
}

EstimateWindow::~EstimateWindow() = default;

void EstimateWindow::open() {
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    QRect frame = frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    move(frame.topLeft());
  }
  show();
  raise();
  activateWindow();
}

QString EstimateWindow::storageText() const { return m_storage->text(); }

void EstimateWindow::compute() {
  const StorageEstimateInputs inputs{m_a->text().toStdString(),  m_n->text().toStdString(),
                                     m_b->text().toStdString(),  m_qc->text().toStdString(),
                                     m_area->text().toStdString(), m_f->currentText().toStdString()};
  std::optional<StorageEstimate> estimate;
  try {
    estimate = EstimateStorage(inputs, m_ui);
  } catch (const ConversionError& error) {
    m_ui.ShowMessage(error.what());
  }
  if (!estimate) return;
  m_storage->setText(Q(EstimatedStorageText(*estimate)));
  m_lines = StorageEstimateLines(*estimate);
  m_linesModel->reload();
}

void EstimateWindow::editValue(ValueLabelWidget* label) {
  const QPoint at = pos() + label->mapTo(this, QPoint(0, 0)) + kInputBoxOffset;
  m_inputBox.edit(label->toolTip(), label->text(), at,
                  [label](const QString& text) { label->setText(text); });
}
