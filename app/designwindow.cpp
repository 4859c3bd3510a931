#include "app/designwindow.h"

#include <QAbstractItemDelegate>
#include <QButtonGroup>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>
#include <tuple>

#include "app/appinteraction.h"
#include "app/designdocument.h"
#include "app/inputbox.h"
#include "app/outletdrawing.h"
#include "app/qtprogressbar.h"
#include "app/stringgridmodel.h"
#include "app/valuelabel.h"
#include "app/waveformpicture.h"
#include "core/design/formoperations.h"

namespace {

const QColor kIntensityLabelColour(Qt::blue);
const QColor kOutletLabelColour(128, 0, 0);  // maroon
// The grids' column widths are pixels for a 9-point font; the screen font is larger.
constexpr double kGridWidthScale = 1.5;

QString qt(const std::string& text) { return QString::fromStdString(text); }

QStringList numbers(std::initializer_list<const char*> items) {
  QStringList list;
  for (const char* item : items) list << QString::fromUtf8(item);
  return list;
}

QLabel* caption(const char* text) { return new QLabel(QString::fromUtf8(text)); }

// A label and its field on one row of a form grid.
void addRow(QGridLayout* grid, const char* label, QWidget* field) {
  const int row = grid->rowCount();
  grid->addWidget(caption(label), row, 0, Qt::AlignRight);
  grid->addWidget(field, row, 1);
}

// The fixed reference text beside the coefficient lists.
QLabel* referenceText(const QStringList& lines) {
  auto* text = new QLabel(lines.join(QLatin1Char('\n')));
  text->setFrameShape(QFrame::StyledPanel);
  text->setStyleSheet(QStringLiteral("QLabel { background: #ffffee; padding: 3px; }"));
  return text;
}

bool isIntensityLabel(ValueLabel label) {
  return label <= ValueLabel::ReturnPeriod;
}

}  // namespace

DesignWindow::DesignWindow(DesignDocument& document, AppInteraction& ui, InputBox& inputBox,
                           QWidget* parent)
    : QWidget(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint),
      m_document(document),
      m_ui(ui),
      m_inputBox(inputBox) {
  setObjectName(QStringLiteral("designWindow"));
  auto* left = new QVBoxLayout;
  left->addWidget(buildIntensityGroup());
  left->addWidget(buildDurationGroup());
  left->addWidget(buildRunoffGroup());
  left->addStretch();

  auto* middle = new QVBoxLayout;
  middle->addWidget(buildOutletGroup());
  middle->addStretch();

  m_progress = new QProgressBar;
  m_progress->setObjectName(QStringLiteral("progress"));
  m_progress->setTextVisible(false);
  m_progressAdapter = std::make_unique<QtProgressBar>(*m_progress);
  auto* colourRow = new QHBoxLayout;
  auto* colourBox = new QGroupBox(QStringLiteral("出力図色"));
  auto* colourLayout = new QHBoxLayout(colourBox);
  addChoice(colourLayout, numbers({"ｶﾗｰ", "白黒"}), QStringLiteral("outputColour"),
            [](const DesignForm& form) { return form.OutputColour; },
            [](DesignForm& form, int index) { form.OutputColour = index; });
  colourRow->addWidget(colourBox);
  auto* start = new QPushButton(QStringLiteral("計算開始"));
  start->setObjectName(QStringLiteral("startCalculation"));
  start->setMinimumHeight(40);
  connect(start, &QPushButton::clicked, this, &DesignWindow::calculationRequested);
  colourRow->addWidget(start, 1);

  auto* right = new QVBoxLayout;
  right->addWidget(buildPondGroup());
  right->addWidget(buildConditionGroup());
  right->addWidget(m_progress);
  right->addLayout(colourRow);
  m_rightColumn = right;
  right->addStretch();

  auto* columns = new QHBoxLayout(this);
  columns->addLayout(left);
  columns->addLayout(middle);
  columns->addLayout(right);
  columns->setSizeConstraint(QLayout::SetFixedSize);

  connect(&m_document, &DesignDocument::formChanged, this, &DesignWindow::refresh);
  refresh();
}

DesignWindow::~DesignWindow() = default;

void DesignWindow::showCentred() {
  adjustSize();
  if (const QScreen* screen = this->screen()) {
    QRect frame = frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    move(frame.topLeft());
  }
  show();
  raise();
}

// --- Building ----------------------------------------------------------------------------

QLineEdit* DesignWindow::addText(std::string DesignForm::*field, const QString& name) {
  auto* edit = new QLineEdit;
  edit->setObjectName(name);
  edit->setMaximumWidth(90);
  connect(edit, &QLineEdit::textEdited, this,
          [this, field](const QString& text) { m_document.form().*field = text.toStdString(); });
  connect(edit, &QLineEdit::editingFinished, this, &DesignWindow::editFinished);
  m_texts.push_back({edit, field});
  return edit;
}

QComboBox* DesignWindow::addList(std::string DesignForm::*field, const QString& name,
                                 const QStringList& items,
                                 std::function<void(const QString&)> picked) {
  auto* list = new QComboBox;
  list->setObjectName(name);
  list->setEditable(true);
  list->setInsertPolicy(QComboBox::NoInsert);
  // No inline completion: a typed "1" must stay "1", not become "10".
  list->setCompleter(nullptr);
  list->addItems(items);
  list->setMaximumWidth(90);
  QLineEdit* edit = list->lineEdit();
  connect(edit, &QLineEdit::textEdited, this,
          [this, field](const QString& text) { m_document.form().*field = text.toStdString(); });
  if (!picked) {
    picked = [this, field](const QString& text) { m_document.form().*field = text.toStdString(); };
  }
  connect(list, &QComboBox::textActivated, this, std::move(picked));
  connect(edit, &QLineEdit::editingFinished, this, &DesignWindow::editFinished);
  m_texts.push_back({edit, field});
  return list;
}

QButtonGroup* DesignWindow::addChoice(QBoxLayout* layout, const QStringList& items,
                                      const QString& name,
                                      std::function<int(const DesignForm&)> index,
                                      std::function<void(DesignForm&, int)> choose) {
  auto* group = new QButtonGroup(this);
  group->setObjectName(name);
  for (int i = 0; i < items.size(); ++i) {
    auto* button = new QRadioButton(items[i]);
    group->addButton(button, i);
    layout->addWidget(button);
  }
  connect(group, &QButtonGroup::idClicked, this, [this, choose](int id) {
    choose(m_document.form(), id);
    formEdited();
  });
  m_choices.push_back({group, std::move(index)});
  return group;
}

ValueLabelWidget* DesignWindow::addValueLabel(ValueLabel label, QWidget* parent) {
  auto* widget = new ValueLabelWidget(
      isIntensityLabel(label) ? kIntensityLabelColour : kOutletLabelColour, parent);
  widget->setObjectName(QStringLiteral("value%1").arg(static_cast<int>(label)));
  connect(widget, &ValueLabelWidget::clicked, this, [this, label] { openInputBox(label); });
  m_valueLabels[static_cast<std::size_t>(label)] = widget;
  return widget;
}

QTableView* DesignWindow::addGridView(StringGridModel* model, const QString& name) {
  auto* view = new QTableView;
  view->setObjectName(name);
  view->setModel(model);
  view->verticalHeader()->hide();
  view->verticalHeader()->setDefaultSectionSize(20);
  view->horizontalHeader()->setHighlightSections(false);
  view->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  view->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  view->setEditTriggers(QAbstractItemView::AllEditTriggers);
  connect(view->itemDelegate(), &QAbstractItemDelegate::closeEditor, this,
          &DesignWindow::editFinished);
  return view;
}

QPushButton* DesignWindow::addToolButton(const char* caption, const char* name, const char* hint,
                                         std::function<void()> tool) {
  auto* button = new QPushButton(QString::fromUtf8(caption));
  button->setObjectName(QString::fromUtf8(name));
  button->setToolTip(QString::fromUtf8(hint));
  connect(button, &QPushButton::clicked, this, [this, tool = std::move(tool)] {
    tool();
    formEdited();
  });
  return button;
}

QWidget* DesignWindow::buildFormulaPicture(bool type2) {
  auto* picture = new QWidget;
  auto* grid = new QGridLayout(picture);
  const ValueLabel a = type2 ? ValueLabel::Type2A : ValueLabel::Type1A;
  const ValueLabel x = type2 ? ValueLabel::Type2X : ValueLabel::Type1X;
  const ValueLabel b = type2 ? ValueLabel::Type2B : ValueLabel::Type1B;
  grid->addWidget(addValueLabel(a, picture), 0, 1, Qt::AlignHCenter);
  grid->addWidget(caption("ｒ ="), 1, 0);
  auto* bar = new QFrame;
  bar->setFrameShape(QFrame::HLine);
  bar->setMinimumWidth(150);
  grid->addWidget(bar, 1, 1);
  auto* denominator = new QHBoxLayout;
  denominator->addStretch();
  if (type2) denominator->addWidget(caption("( ｔ"));
  else denominator->addWidget(caption("ｔ"));
  auto exponent = [&] {
    ValueLabelWidget* widget = addValueLabel(x, picture);
    widget->setContentsMargins(0, 0, 0, 12);  // raised above the line of t
    return widget;
  };
  if (!type2) denominator->addWidget(exponent());
  denominator->addWidget(caption("+"));
  denominator->addWidget(addValueLabel(b, picture));
  if (type2) {
    denominator->addWidget(caption(")"));
    denominator->addWidget(exponent());
  }
  denominator->addStretch();
  grid->addLayout(denominator, 2, 1);
  return picture;
}

QGroupBox* DesignWindow::buildIntensityGroup() {
  auto* group = new QGroupBox(QStringLiteral("1．降雨強度(mm/hr)"));
  auto* layout = new QVBoxLayout(group);
  auto* sourceRow = new QHBoxLayout;
  sourceRow->addWidget(caption("降雨強度"));
  addChoice(sourceRow, numbers({"強度式", "定数", "実績強度"}), QStringLiteral("intensitySource"),
            [](const DesignForm& form) { return form.IntensitySource(); },
            [](DesignForm& form, int index) { form.ChooseIntensitySource(index); });
  sourceRow->addStretch();
  layout->addLayout(sourceRow);

  m_intensityPages = new QTabWidget;
  m_intensityPages->setObjectName(QStringLiteral("intensityPages"));
  layout->addWidget(m_intensityPages);

  // Page "降雨強度式": the two formulas, the return period, the unit of t and the waveform.
  auto* formulaPage = new QWidget;
  auto* formulaLayout = new QVBoxLayout(formulaPage);
  m_formulaPages = new QTabWidget;
  m_formulaPages->setObjectName(QStringLiteral("formulaPages"));
  m_formulaPages->addTab(buildFormulaPicture(false), QStringLiteral("タイプ1"));
  m_formulaPages->addTab(buildFormulaPicture(true), QStringLiteral("タイプ2"));
  connect(m_formulaPages, &QTabWidget::currentChanged, this, [this](int page) {
    if (m_refreshing) return;
    m_document.form().FormulaPage = page;
  });
  formulaLayout->addWidget(m_formulaPages);
  auto* periodRow = new QHBoxLayout;
  periodRow->addWidget(caption("確率年"));
  periodRow->addWidget(addValueLabel(ValueLabel::ReturnPeriod, formulaPage));
  periodRow->addSpacing(16);
  auto* unitBox = new QGroupBox(QStringLiteral("ｔ の単位"));
  unitBox->setToolTip(QStringLiteral(" 時間( ｔ )の単位"));
  auto* unitLayout = new QHBoxLayout(unitBox);
  addChoice(unitLayout, numbers({"時", "分"}), QStringLiteral("timeUnit"),
            [](const DesignForm& form) { return form.TimeUnit; },
            [](DesignForm& form, int index) { form.TimeUnit = index; });
  periodRow->addWidget(unitBox);
  periodRow->addStretch();
  formulaLayout->addLayout(periodRow);
  auto* waveformRow = new QHBoxLayout;
  auto* waveformBox = new QGroupBox(QStringLiteral("降雨波形"));
  auto* waveformLayout = new QVBoxLayout(waveformBox);
  addChoice(waveformLayout, numbers({"中央集中型(1)", "中央集中型(2)", "後方集中型"}),
            QStringLiteral("waveform"), [](const DesignForm& form) { return form.Waveform; },
            [](DesignForm& form, int index) { form.ChooseWaveform(index); });
  waveformRow->addWidget(waveformBox);
  m_waveformPages = new QTabWidget;
  m_waveformPages->setObjectName(QStringLiteral("waveformPages"));
  for (int waveform = 0; waveform < 3; ++waveform) {
    m_waveformPages->addTab(new WaveformPicture(waveform), QString::number(waveform + 1));
  }
  connect(m_waveformPages, &QTabWidget::currentChanged, this, [this](int page) {
    if (m_refreshing) return;
    m_document.form().ChooseWaveform(page);
    formEdited();
  });
  waveformRow->addWidget(m_waveformPages);
  formulaLayout->addLayout(waveformRow);
  m_intensityPages->addTab(formulaPage, QStringLiteral("降雨強度式"));

  // Page "定数".
  auto* constPage = new QWidget;
  auto* constLayout = new QVBoxLayout(constPage);
  constLayout->addWidget(caption("降雨強度を定数設定する場合"));
  auto* constGrid = new QGridLayout;
  addRow(constGrid, "r(mm/hr)=",
         addList(&DesignForm::ConstIntensity, QStringLiteral("constIntensity"),
                 numbers({"10", "20", "30", "40", "50", "60", "70", "80", "90", "100"})));
  constGrid->setColumnStretch(2, 1);
  constLayout->addLayout(constGrid);
  constLayout->addStretch();
  m_intensityPages->addTab(constPage, QStringLiteral("定数"));

  // Page "実績強度".
  auto* observedPage = new QWidget;
  auto* observedLayout = new QHBoxLayout(observedPage);
  m_observedModel = new StringGridModel(m_document.form().ObservedGrid, true, this);
  m_observedView = addGridView(m_observedModel, QStringLiteral("observedGrid"));
  m_observedView->setToolTip(QString());
  observedLayout->addWidget(m_observedView);
  auto* observedTools = new QVBoxLayout;
  observedTools->addWidget(addToolButton("CSV読込", "importCsv", "CSVﾌｧｲﾙ読込み", [this] {
    ImportObservedCsv(m_document.form(), m_ui, [this] {
      return m_ui.ChooseFileToOpen({"csv|*.csv", "csv", m_document.startDirectory(), false});
    });
  }));
  auto* observedWaveformBox = new QGroupBox(QStringLiteral("降雨波形"));
  observedWaveformBox->setToolTip(QStringLiteral("CSVファイルの降雨波形を選択"));
  auto* observedWaveformLayout = new QVBoxLayout(observedWaveformBox);
  addChoice(observedWaveformLayout, numbers({"中央型", "後方型"}), QStringLiteral("observedWaveform"),
            [](const DesignForm& form) { return form.ObservedWaveform; },
            [](DesignForm& form, int index) { form.ObservedWaveform = index; });
  observedTools->addWidget(observedWaveformBox);
  observedTools->addStretch();
  observedLayout->addLayout(observedTools);
  m_intensityPages->addTab(observedPage, QStringLiteral("実績強度"));
  return group;
}

QGroupBox* DesignWindow::buildDurationGroup() {
  auto* group = new QGroupBox(QStringLiteral("2．降雨波形等"));
  auto* grid = new QGridLayout(group);
  // Typing keeps the text as it stands; the whole-minute rewrite waits until the entry is
  // finished, so that "12." can become "12.6". A picked item rewrites at once.
  m_concentration = addList(&DesignForm::Concentration, QStringLiteral("concentration"),
                            numbers({"6", "10", "15", "20", "25", "30"}),
                            [this](const QString& item) {
                              PickConcentrationFromList(m_document.form(), item.toStdString());
                              formEdited();
                            });
  m_concentration->setToolTip(QStringLiteral("洪水到達時間（分）"));
  connect(m_concentration->lineEdit(), &QLineEdit::editingFinished, this, [this] {
    if (m_refreshing) return;
    DesignForm& form = m_document.form();
    form.TypeConcentration(std::string(form.Concentration));
    formEdited();
  });
  addRow(grid, "到達時間（分） =", m_concentration);
  m_rainDuration = addText(&DesignForm::RainDuration, QStringLiteral("rainDuration"));
  addRow(grid, "降雨継続時間(分)=", m_rainDuration);
  grid->setColumnStretch(2, 1);
  return group;
}

QGroupBox* DesignWindow::buildRunoffGroup() {
  auto* group = new QGroupBox(QStringLiteral("3．流出量(m3/s)"));
  auto* layout = new QVBoxLayout(group);
  auto* formula = new QHBoxLayout;
  formula->addWidget(caption("Q ="));
  auto* fraction = new QVBoxLayout;
  fraction->setSpacing(0);
  fraction->addWidget(caption("1"), 0, Qt::AlignHCenter);
  auto* bar = new QFrame;
  bar->setFrameShape(QFrame::HLine);
  fraction->addWidget(bar);
  fraction->addWidget(caption("360"), 0, Qt::AlignHCenter);
  formula->addLayout(fraction);
  formula->addWidget(caption("・ ｆ ・ｒ ・ Ａ・K+Qfix"));
  formula->addStretch();
  layout->addLayout(formula);
  auto* grid = new QGridLayout;
  addRow(grid, "ｆ ：流出係数 =",
         addList(&DesignForm::RunoffCoef, QStringLiteral("runoffCoef"),
                 numbers({"0.95", "0.90", "0.85", "0.84", "0.80", "0.75", "0.70", "0.65", "0.60",
                          "0.55", "0.50", "0.45", "0.40", "0.35", "0.30", "0.25", "0.20", "0.15",
                          "0.10"})));
  addRow(grid, "Ａ：流域面積（ha）=", addText(&DesignForm::CatchmentArea, QStringLiteral("area")));
  addRow(grid, "K ：余裕率 =",
         addList(&DesignForm::Margin, QStringLiteral("margin"), numbers({"1.0", "1.1", "1.2"})));
  QLineEdit* extra = addText(&DesignForm::ExtraInflow, QStringLiteral("extraInflow"));
  extra->setToolTip(QStringLiteral("流域外等からの流入量(m3/s)"));
  addRow(grid, "Qfix：流入量（m3/s）=", extra);
  grid->setColumnStretch(2, 1);
  layout->addLayout(grid);
  return group;
}

QWidget* DesignWindow::buildNaturalDrainagePage() {
  auto* page = new QWidget;
  auto* layout = new QVBoxLayout(page);

  auto* shapeBox = new QGroupBox(QStringLiteral("ｵﾘﾌｨｽ、余水吐形状(ｍ)"));
  auto* shapeLayout = new QVBoxLayout(shapeBox);
  m_drawing = new OutletDrawing;
  m_drawing->setObjectName(QStringLiteral("outletDrawing"));
  for (ValueLabel label : {ValueLabel::SpillwayWidth, ValueLabel::SpillwayCrest,
                           ValueLabel::LowerHeight, ValueLabel::LowerWidth, ValueLabel::LowerSill,
                           ValueLabel::UpperHeight, ValueLabel::UpperWidth, ValueLabel::UpperSill}) {
    addValueLabel(label, m_drawing)->move(OutletDrawing::labelPosition(label));
  }
  shapeLayout->addWidget(m_drawing, 0, Qt::AlignHCenter);
  auto* choices = new QHBoxLayout;
  auto* stagesBox = new QGroupBox(QStringLiteral("ｵﾘﾌｨｽ段数"));
  auto* stagesLayout = new QHBoxLayout(stagesBox);
  addChoice(stagesLayout, numbers({"１段", "２段"}), QStringLiteral("orificeStages"),
            [](const DesignForm& form) { return form.OrificeStages(); },
            [](DesignForm& form, int index) { form.ChooseOrificeStages(index); });
  choices->addWidget(stagesBox);
  auto* shapeChoiceBox = new QGroupBox(QStringLiteral("ｵﾘﾌｨｽ形状"));
  shapeChoiceBox->setToolTip(QStringLiteral("下段ｵﾘﾌｨｽ形状"));
  auto* shapeChoiceLayout = new QHBoxLayout(shapeChoiceBox);
  addChoice(shapeChoiceLayout, numbers({"矩形", "円形"}), QStringLiteral("orificeShape"),
            [](const DesignForm& form) { return form.OrificeShape(); },
            [](DesignForm& form, int index) { form.ChooseOrificeShape(index); });
  choices->addWidget(shapeChoiceBox);
  choices->addWidget(addToolButton("標高", "transferElevations", "調節池ﾃﾞｰﾀ標高を転記",
                                   [this] { TransferElevations(m_document.form(), m_ui); }));
  shapeLayout->addLayout(choices);
  auto* backBox = new QGroupBox(QStringLiteral("ｵﾘﾌｨｽｻｲｽﾞ逆算"));
  auto* backLayout = new QHBoxLayout(backBox);
  backLayout->addWidget(caption("Qc(m3/s)"));
  QLineEdit* release = addText(&DesignForm::AllowableRelease, QStringLiteral("allowableRelease"));
  release->setToolTip(QStringLiteral("Qc=下流許容放流量(m3/s)"));
  backLayout->addWidget(release);
  backLayout->addWidget(addToolButton("逆算", "backCalculate", "許容放流量から逆算",
                                     [this] { BackCalculateOrifice(m_document.form(), m_ui); }));
  backLayout->addStretch();
  shapeLayout->addWidget(backBox);
  layout->addWidget(shapeBox);

  auto* coefficientBox = new QGroupBox(QStringLiteral("流量係数"));
  auto* coefficientLayout = new QVBoxLayout(coefficientBox);
  auto* orificeBox = new QGroupBox(QStringLiteral("ｵﾘﾌｨｽ"));
  auto* orificeLayout = new QHBoxLayout(orificeBox);
  auto* orificeGrid = new QGridLayout;
  m_c2 = addList(&DesignForm::C2, QStringLiteral("c2"), numbers({"0.60", "0.85", "0.90"}));
  m_c2->setToolTip(QStringLiteral("C2(1.8DL以上)：ﾍﾞﾙﾏｳｽ有=0.85～0.90。無=0.60"));
  m_c1 = addList(&DesignForm::C1, QStringLiteral("c1"), numbers({"1.70", "1.80"}));
  m_c1->setToolTip(QStringLiteral("C1(1.2DL以内)：1.7～1.8"));
  m_circleC = addList(&DesignForm::CircleC, QStringLiteral("circleC"), numbers({"0.60"}));
  m_circleC->setToolTip(QStringLiteral("C(円管の流量係数)：0.6"));
  addRow(orificeGrid, "C2=", m_c2);
  addRow(orificeGrid, "C1=", m_c1);
  addRow(orificeGrid, "C =", m_circleC);
  orificeLayout->addLayout(orificeGrid);
  orificeLayout->addWidget(referenceText(numbers(
      {"    <<<    参考    >>>", "(1)HL+1.8･DL≦H", "   Q=C2･DL･BL･Sqrt(2･g(H-HL-0.5･DL))",
       "(2)HL+1.2･DL<H<HL+1.8･DL", "   (1)と(3)のQを直線近似", "(3)H≦HL+1.2･DL",
       "   Q=C1･BL･(H-HL)^(3/2)"})));
  coefficientLayout->addWidget(orificeBox);
  auto* spillwayBox = new QGroupBox(QStringLiteral("余水吐"));
  auto* spillwayLayout = new QHBoxLayout(spillwayBox);
  auto* spillwayGrid = new QGridLayout;
  QComboBox* spillwayC =
      addList(&DesignForm::SpillwayC, QStringLiteral("spillwayC"), numbers({"1.70", "1.80"}));
  spillwayC->setToolTip(QStringLiteral("C(余水吐き流量係数)：1.8"));
  addRow(spillwayGrid, "C=", spillwayC);
  spillwayLayout->addLayout(spillwayGrid);
  spillwayLayout->addWidget(referenceText(numbers({"    <<<    参考    >>>", " Q=C･B･H^(3/2)"})));
  coefficientLayout->addWidget(spillwayBox);
  // A disabled coefficient list is silver, an enabled one white.
  for (QComboBox* list : {m_c1, m_c2, m_circleC, spillwayC}) {
    list->setStyleSheet(QStringLiteral("QComboBox:enabled { background: white; }"
                                       "QComboBox:disabled { background: silver; color: black; }"));
  }
  layout->addWidget(coefficientBox);
  return page;
}

QWidget* DesignWindow::buildPumpPage() {
  auto* page = new QWidget;
  auto* layout = new QVBoxLayout(page);
  auto* kindBox = new QGroupBox(QStringLiteral("計算種別"));
  auto* kindLayout = new QHBoxLayout(kindBox);
  addChoice(kindLayout, numbers({"水位追跡", "ポンプ検討"}), QStringLiteral("pumpCalcKind"),
            [](const DesignForm& form) { return form.PumpCalcKind(); },
            [](DesignForm& form, int index) { form.ChoosePumpCalcKind(index); });
  kindLayout->addStretch();
  layout->addWidget(kindBox);
  auto* sizeBox = new QGroupBox(QStringLiteral("ポンプ規模（m3/s）"));
  auto* sizeLayout = new QHBoxLayout(sizeBox);
  m_pumpCapacity = addText(&DesignForm::PumpCapacity, QStringLiteral("pumpCapacity"));
  m_pumpMin = addText(&DesignForm::PumpMin, QStringLiteral("pumpMin"));
  m_pumpMax = addList(&DesignForm::PumpMax, QStringLiteral("pumpMax"),
                      numbers({"1.0", "2.0", "3.0", "4.0", "5.0", "6.0", "7.0", "8.0", "9.0"}));
  sizeLayout->addWidget(m_pumpCapacity);
  sizeLayout->addSpacing(20);
  sizeLayout->addWidget(m_pumpMin);
  sizeLayout->addWidget(caption("～"));
  sizeLayout->addWidget(m_pumpMax);
  sizeLayout->addStretch();
  layout->addWidget(sizeBox);
  layout->addStretch();
  return page;
}

QGroupBox* DesignWindow::buildOutletGroup() {
  auto* group = new QGroupBox(QStringLiteral("4．調節池設定 (入力は、数値を「ﾏｳｽ左ﾎﾞﾀﾝ」ｸﾘｯｸ)"));
  auto* layout = new QVBoxLayout(group);
  m_outletPages = new QTabWidget;
  m_outletPages->setObjectName(QStringLiteral("outletPages"));
  m_outletPages->addTab(buildNaturalDrainagePage(), QStringLiteral("自然排水"));
  m_outletPages->addTab(buildPumpPage(), QStringLiteral("ポンプ排水"));
  connect(m_outletPages, &QTabWidget::currentChanged, this, [this](int page) {
    if (m_refreshing) return;
    m_document.form().SelectOutletPage(page);
    formEdited();
  });
  layout->addWidget(m_outletPages);
  return group;
}

QGroupBox* DesignWindow::buildPondGroup() {
  auto* group = new QGroupBox(QStringLiteral("5．調節池容量設定"));
  auto* layout = new QVBoxLayout(group);
  auto* sourceBox = new QGroupBox(QStringLiteral("貯水容量"));
  auto* sourceLayout = new QHBoxLayout(sourceBox);
  addChoice(sourceLayout, numbers({"自動計算", "手入力"}), QStringLiteral("storageSource"),
            [](const DesignForm& form) { return form.StorageSource(); },
            [](DesignForm& form, int index) { form.ChooseStorageSource(index); });
  auto* initialBox = new QGroupBox(QStringLiteral("貯水量初期値(m3)"));
  auto* initialLayout = new QHBoxLayout(initialBox);
  initialLayout->addWidget(caption("V(m3)="));
  initialLayout->addWidget(addText(&DesignForm::InitialStorage, QStringLiteral("initialStorage")));
  auto* top = new QHBoxLayout;
  top->addWidget(sourceBox);
  top->addWidget(initialBox);
  layout->addLayout(top);

  m_pondModel = new StringGridModel(m_document.form().PondGrid, true, this);
  m_pondView = addGridView(m_pondModel, QStringLiteral("pondGrid"));
  m_pondView->setToolTip(QStringLiteral("標高、面積を入力して下さい。"));
  m_pondView->setMinimumHeight(340);
  auto* tableRow = new QHBoxLayout;
  tableRow->addWidget(m_pondView);
  auto* tableTools = new QVBoxLayout;
  auto* formulaBox = new QGroupBox(QStringLiteral("計算式設定"));
  auto* formulaLayout = new QVBoxLayout(formulaBox);
  m_storageFormula = addChoice(
      formulaLayout, numbers({"両端断面平均法", "截頭錐体法"}), QStringLiteral("storageFormula"),
      [](const DesignForm& form) { return form.StorageFormula; },
      [](DesignForm& form, int index) { form.StorageFormula = index; });
  tableTools->addWidget(formulaBox);
  tableTools->addWidget(addToolButton("消去", "clearPond", "調節池データ消去",
                                      [this] { ClearPondTable(m_document.form(), m_ui); }));
  tableTools->addStretch();
  tableRow->addLayout(tableTools);
  layout->addLayout(tableRow);
  return group;
}

QGroupBox* DesignWindow::buildConditionGroup() {
  auto* group = new QGroupBox(QStringLiteral("6．洪水計算条件"));
  auto* grid = new QGridLayout(group);
  addRow(grid, "計算時間(分)=", addText(&DesignForm::CalcDuration, QStringLiteral("calcDuration")));
  m_pitch = addList(&DesignForm::Pitch, QStringLiteral("pitch"),
                    numbers({"20", "18", "16", "14", "12", "10", "8", "6", "5", "4", "2", "1", "0.5"}),
                    [this](const QString& item) {
                      PickPitchFromList(m_document.form(), item.toStdString(), m_ui);
                      formEdited();
                    });
  addRow(grid, "計算ﾋﾟｯﾁ(分)=", m_pitch);
  QLineEdit* startLevel = addText(&DesignForm::StartLevel, QStringLiteral("startLevel"));
  startLevel->setToolTip(QStringLiteral("計算開始水位(m)：「池底面の標高」又は「堆砂面の標高」"));
  addRow(grid, "計算開始水位(m)=", startLevel);
  grid->setColumnStretch(2, 1);
  return group;
}

// --- Behaviour ---------------------------------------------------------------------------

void DesignWindow::addBelowStart(QWidget* widget) {
  m_rightColumn->insertWidget(m_rightColumn->count() - 1, widget);
}

void DesignWindow::formEdited() { m_document.notifyFormChanged(); }

void DesignWindow::openInputBox(ValueLabel label) {
  const InputBoxRequest request = InputBoxFor(m_document.form(), label);
  const ValueLabelWidget* widget = valueLabel(label);
  const QPoint position =
      widget->mapTo(this, QPoint(0, 0)) + pos() + QPoint(request.offsetLeft, request.offsetTop);
  m_inputBox.edit(qt(request.caption), qt(request.text), position, [this, label](const QString& text) {
    AcceptInputBox(m_document.form(), label, text.toStdString());
    formEdited();
  });
}

void DesignWindow::refresh() {
  m_refreshing = true;
  const DesignForm& form = m_document.form();
  setWindowTitle(qt(form.Caption()));

  for (const TextBinding& binding : m_texts) {
    const QString text = qt(form.*binding.field);
    if (binding.edit->text() != text) binding.edit->setText(text);
  }
  for (const ChoiceBinding& binding : m_choices) {
    const int index = binding.index(form);
    if (QAbstractButton* button = binding.group->button(index)) {
      button->setChecked(true);
    } else if (QAbstractButton* checked = binding.group->checkedButton()) {
      // No choice: the group shows no button checked.
      binding.group->setExclusive(false);
      checked->setChecked(false);
      binding.group->setExclusive(true);
    }
  }

  for (int page = 0; page < m_intensityPages->count(); ++page) {
    m_intensityPages->setTabVisible(page, form.IntensityTabVisible(page));
  }
  m_intensityPages->setCurrentIndex(form.IntensityPage);
  m_formulaPages->setCurrentIndex(form.FormulaPage);
  m_waveformPages->setCurrentIndex(form.WaveformPicturePage);
  m_outletPages->setTabVisible(1, form.PumpTabVisible);
  m_outletPages->setCurrentIndex(form.OutletPage());

  m_concentration->setEnabled(form.ConcentrationEnabled());
  m_rainDuration->setEnabled(form.RainDurationEnabled());
  m_c1->setEnabled(form.C1Enabled());
  m_c2->setEnabled(form.C2Enabled());
  m_circleC->setEnabled(form.CircleCEnabled());
  m_pumpCapacity->setEnabled(form.PumpCapacityEnabled);
  m_pumpMin->setEnabled(form.PumpMinEnabled);
  m_pumpMax->setEnabled(form.PumpMaxEnabled);
  for (QAbstractButton* button : m_storageFormula->buttons()) {
    button->setEnabled(form.StorageFormulaEnabled());
  }

  for (std::size_t i = 0; i < m_valueLabels.size(); ++i) {
    const auto label = static_cast<ValueLabel>(i);
    ValueLabelWidget* widget = m_valueLabels[i];
    widget->setText(qt(form.LabelText(label)));
    widget->setToolTip(qt(form.Hint(label)));
    // The labels on the drawing have no layout to size them.
    if (widget->parentWidget() == m_drawing) widget->adjustSize();
  }
  for (ValueLabel upper : {ValueLabel::UpperHeight, ValueLabel::UpperWidth, ValueLabel::UpperSill}) {
    valueLabel(upper)->setVisible(form.UpperOrificeVisible());
  }
  valueLabel(ValueLabel::LowerHeight)->setVisible(form.LowerHeightVisible());
  m_drawing->setOrifices(form.UpperOrificeVisible(), !form.LowerHeightVisible());

  for (auto [model, view, grid] : {std::tuple{m_observedModel, m_observedView, &form.ObservedGrid},
                                   std::tuple{m_pondModel, m_pondView, &form.PondGrid}}) {
    model->reload();
    int width = 0;
    for (int col = 0; col < grid->ColCount(); ++col) {
      const int designed = col < static_cast<int>(grid->ColWidths.size()) ? grid->ColWidths[col] : 64;
      const int colWidth = static_cast<int>(designed * kGridWidthScale);
      view->setColumnWidth(col, colWidth);
      width += colWidth;
    }
    view->setFixedWidth(width + view->verticalScrollBar()->sizeHint().width() + 2 * view->frameWidth());
  }
  m_refreshing = false;
}
