#include "app/designdocument.h"

#include "core/design/designfile.h"
#include "results/runcalculation.h"

DesignDocument::DesignDocument(std::filesystem::path startDirectory, QObject* parent)
    : QObject(parent),
      m_startDirectory(std::move(startDirectory)),
      m_dialogDirectory(m_startDirectory) {}

void DesignDocument::rememberDialogFile(const std::filesystem::path& file) {
  if (file.has_parent_path()) m_dialogDirectory = file.parent_path();
}

void DesignDocument::applyStartupValues() {
  SetStartupValues(m_form);
  emit formChanged();
}

bool DesignDocument::load(const std::filesystem::path& file, UserInteraction& ui) {
  if (file.empty()) return false;
  rememberDialogFile(file);
  bool loaded = LoadConditions(m_form, file, ui);
  emit formChanged();
  return loaded;
}

bool DesignDocument::save(const std::filesystem::path& file, UserInteraction& ui) {
  if (file.empty()) return false;
  rememberDialogFile(file);
  bool saved = SaveConditions(m_form, file, ui);
  emit formChanged();
  return saved;
}

bool DesignDocument::runCalculation(UserInteraction& ui, ProgressBar& progress) {
  // The result window is out of the way for the whole run, whatever way the run ends.
  hideResults();
  return finishRun(RunCalculation(m_form, m_sheet, ui, progress));
}

bool DesignDocument::runRunoffOnly(UserInteraction& ui) {
  return finishRun(RunRunoffOnly(m_form, m_sheet, ui));
}

bool DesignDocument::runRatingCurvesOnly(UserInteraction& ui) {
  return finishRun(RunRatingCurvesOnly(m_form, m_sheet, ui));
}

bool DesignDocument::finishRun(bool completed) {
  emit formChanged();
  emit sheetChanged();
  emit resultVisibilityChanged(m_sheet.Visible);
  return completed;
}

void DesignDocument::showResults() {
  m_sheet.Show();
  emit resultVisibilityChanged(true);
}

void DesignDocument::hideResults() {
  m_sheet.Hide();
  emit resultVisibilityChanged(false);
}
