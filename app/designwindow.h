#pragma once
/// The design-condition window "設計条件テーブル": a view of the design-condition form. Edits go
/// into the form, choices run the form's switching, and `refresh` makes every widget show the
/// form again; the window keeps no value of its own and computes nothing.

#include <QWidget>
#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/design/designform.h"

class AppInteraction;
class DesignDocument;
class InputBox;
class OutletDrawing;
class ProgressBar;
class QBoxLayout;
class QButtonGroup;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QTabWidget;
class QTableView;
class StringGridModel;
class ValueLabelWidget;

class DesignWindow : public QWidget {
  Q_OBJECT

 public:
  DesignWindow(DesignDocument& document, AppInteraction& ui, InputBox& inputBox,
               QWidget* parent = nullptr);
  ~DesignWindow() override;

  /// Shows the window centred on the desktop.
  void showCentred();
  /// The progress bar as the routing drives it.
  ProgressBar& progressBar() { return *m_progressAdapter; }
  /// The widget of a value label (for the tests and the screenshots).
  ValueLabelWidget* valueLabel(ValueLabel label) const {
    return m_valueLabels[static_cast<std::size_t>(label)];
  }

  /// Makes every widget show the form.
  void refresh();

  /// Adds a widget to the column of the "計算開始" button, below it.
  void addBelowStart(QWidget* widget);

 signals:
  /// The user finished editing a text or a cell (the form already holds it).
  void editFinished();
  /// "計算開始": the main window runs the calculation.
  void calculationRequested();

 private:
  // A text field or editable list that shows one text of the form.
  struct TextBinding {
    QLineEdit* edit;
    std::string DesignForm::*field;
  };
  // A choice (radio buttons) with how the form reads and changes it.
  struct ChoiceBinding {
    QButtonGroup* group;
    std::function<int(const DesignForm&)> index;
  };

  QGroupBox* buildIntensityGroup();
  QGroupBox* buildDurationGroup();
  QGroupBox* buildRunoffGroup();
  QGroupBox* buildOutletGroup();
  QGroupBox* buildPondGroup();
  QGroupBox* buildConditionGroup();
  QWidget* buildFormulaPicture(bool type2);
  QWidget* buildNaturalDrainagePage();
  QWidget* buildPumpPage();

  QLineEdit* addText(std::string DesignForm::*field, const QString& name);
  // An editable list; `picked` handles an item picked from it (by default the text is taken).
  QComboBox* addList(std::string DesignForm::*field, const QString& name, const QStringList& items,
                     std::function<void(const QString&)> picked = {});
  QButtonGroup* addChoice(QBoxLayout* layout, const QStringList& items, const QString& name,
                          std::function<int(const DesignForm&)> index,
                          std::function<void(DesignForm&, int)> choose);
  // A button that runs one of the form's tools, after which every view refreshes.
  QPushButton* addToolButton(const char* caption, const char* name, const char* hint,
                             std::function<void()> tool);
  ValueLabelWidget* addValueLabel(ValueLabel label, QWidget* parent);
  QTableView* addGridView(StringGridModel* model, const QString& name);
  void openInputBox(ValueLabel label);
  void formEdited();

  DesignDocument& m_document;
  AppInteraction& m_ui;
  InputBox& m_inputBox;
  bool m_refreshing = false;

  std::vector<TextBinding> m_texts;
  std::vector<ChoiceBinding> m_choices;
  std::array<ValueLabelWidget*, 15> m_valueLabels{};

  QTabWidget* m_intensityPages = nullptr;
  QTabWidget* m_formulaPages = nullptr;
  QTabWidget* m_waveformPages = nullptr;
  QTabWidget* m_outletPages = nullptr;
  QComboBox* m_concentration = nullptr;
  QLineEdit* m_rainDuration = nullptr;
  QComboBox* m_pitch = nullptr;
  QComboBox* m_c1 = nullptr;
  QComboBox* m_c2 = nullptr;
  QComboBox* m_circleC = nullptr;
  QLineEdit* m_pumpCapacity = nullptr;
  QLineEdit* m_pumpMin = nullptr;
  QComboBox* m_pumpMax = nullptr;
  QButtonGroup* m_storageFormula = nullptr;
  OutletDrawing* m_drawing = nullptr;
  StringGridModel* m_observedModel = nullptr;
  StringGridModel* m_pondModel = nullptr;
  QTableView* m_observedView = nullptr;
  QTableView* m_pondView = nullptr;
  QProgressBar* m_progress = nullptr;
  QBoxLayout* m_rightColumn = nullptr;
  std::unique_ptr<ProgressBar> m_progressAdapter;
};
