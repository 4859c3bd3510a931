#pragma once
/// The simplified-estimate window "調節池容量の計算(簡便法)": the six inputs of the estimate,
/// "計算" writing the storage V and its derivation, "印刷..." handing the derivation to the
/// printed report, "閉じる". The inputs stay as typed between openings; V and the derivation keep
/// the last result until the next "計算".

#include <QWidget>

#include "core/interaction/userinteraction.h"
#include "results/resultsheet.h"

class QComboBox;
class QLineEdit;
class QPushButton;
class TextListModel;
class InputBox;
class ValueLabelWidget;

class EstimateWindow final : public QWidget {
  Q_OBJECT

 public:
  /// `ui` shows the messages of "計算"; `inputBox` edits the value labels.
  EstimateWindow(UserInteraction& ui, InputBox& inputBox, QWidget* parent = nullptr);
  ~EstimateWindow() override;

  /// "1．必要調節容量(簡便法)": the window at the centre of the screen.
  void open();
  /// "計算": reads the inputs, computes, and writes V and the derivation; an input that is no
  /// number or a calculation that fails shows its message and leaves both as they were.
  void compute();
  /// A click on a value label: the input box, captioned with the label's hint, at this window's
  /// position + the label's position + (45, 50); its confirmed text goes into the label.
  void editValue(ValueLabelWidget* label);

  const TextList& lines() const { return m_lines; }
  QString storageText() const;
  ValueLabelWidget* labelA() const { return m_a; }
  ValueLabelWidget* labelN() const { return m_n; }
  ValueLabelWidget* labelB() const { return m_b; }
  QLineEdit* releaseField() const { return m_qc; }
  QLineEdit* areaField() const { return m_area; }
  QComboBox* coefficientField() const { return m_f; }
  QPushButton* computeButton() const { return m_compute; }
  QPushButton* printButton() const { return m_print; }
  TextListModel* linesModel() const { return m_linesModel; }

 signals:
  /// "印刷...": the derivation's lines for the printed report's estimate page.
  void printRequested(const TextList& lines);

 private:
  UserInteraction& m_ui;
  InputBox& m_inputBox;
  TextList m_lines;
  ValueLabelWidget* m_a;
  ValueLabelWidget* m_n;
  ValueLabelWidget* m_b;
  QLineEdit* m_qc;
  QLineEdit* m_area;
  QComboBox* m_f;
  QLineEdit* m_storage;
  QPushButton* m_compute;
  QPushButton* m_print;
  TextListModel* m_linesModel;
};
