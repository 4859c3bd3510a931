#pragma once
/// The one owner of the program's state: the design-condition form, the result sheet and the
/// directories the commands use. Every window holds a reference to it and shows what it holds;
/// the signals tell the windows when to follow.

#include <QObject>
#include <filesystem>

#include "core/design/designform.h"
#include "core/interaction/progressbar.h"
#include "core/interaction/userinteraction.h"
#include "results/resultsheet.h"

class DesignDocument : public QObject {
  Q_OBJECT

 public:
  /// A form with the window's initial values (the start-up values come with `applyStartupValues`)
  /// and an empty sheet; `startDirectory` is where the reports are written.
  explicit DesignDocument(std::filesystem::path startDirectory, QObject* parent = nullptr);

  DesignForm& form() { return m_form; }
  const DesignForm& form() const { return m_form; }
  ResultSheet& sheet() { return m_sheet; }
  const ResultSheet& sheet() const { return m_sheet; }

  /// The process's current directory at start-up: the text and PDF reports go there.
  const std::filesystem::path& startDirectory() const { return m_startDirectory; }
  /// Where the load and save dialogs open: the start directory until a file was chosen, then
  /// the folder of the last chosen file.
  const std::filesystem::path& dialogDirectory() const { return m_dialogDirectory; }
  void rememberDialogFile(const std::filesystem::path& file);

  /// The start-up values and the switching they run, once when the program starts.
  void applyStartupValues();

  /// The load and save commands with the chosen file (empty for a cancelled dialog).
  bool load(const std::filesystem::path& file, UserInteraction& ui);
  bool save(const std::filesystem::path& file, UserInteraction& ui);

  /// The full run and the two partial runs; the sheet is filled and shown when they complete.
  bool runCalculation(UserInteraction& ui, ProgressBar& progress);
  bool runRunoffOnly(UserInteraction& ui);
  bool runRatingCurvesOnly(UserInteraction& ui);

  /// Shows the result window on its first pages, or hides it.
  void showResults();
  void hideResults();

  /// Called by a window after it changed the form in a way other windows show (a choice, the
  /// switching, a tool): every view refreshes.
  void notifyFormChanged() { emit formChanged(); }
  /// Called after the sheet was replaced outside a run command: views over the sheet reload.
  void notifySheetChanged() { emit sheetChanged(); }

 signals:
  /// The form changed beyond the field being typed in: views refresh from it.
  void formChanged();
  /// A run wrote the result sheet: views over the sheet reload.
  void sheetChanged();
  /// The result window is to be shown (on the sheet's current pages) or hidden.
  void resultVisibilityChanged(bool visible);

 private:
  // Emits what a run changed: the form (the pitch and the kind), the sheet and its visibility.
  bool finishRun(bool completed);

  DesignForm m_form;
  ResultSheet m_sheet;
  std::filesystem::path m_startDirectory;
  std::filesystem::path m_dialogDirectory;
};
