#pragma once
/// The user interaction of the program: Qt message boxes, file dialogs and the desktop's
/// default applications.

#include <QPointer>
#include <QWidget>

#include "app/appinteraction.h"

class QtInteraction : public AppInteraction {
 public:
  /// `parent` owns the boxes; `designWindow` is the origin of boxes placed relative to the
  /// design-condition window (it may be set later, once that window exists).
  explicit QtInteraction(QWidget* parent = nullptr) : m_parent(parent) {}
  void setParent(QWidget* parent) { m_parent = parent; }
  void setDesignWindow(QWidget* designWindow) { m_designWindow = designWindow; }

  void ShowMessage(std::string_view text, MessageKind kind = MessageKind::Plain,
                   BoxPlacement where = {}) override;
  bool Confirm(std::string_view text, BoxPlacement where = {}) override;
  std::filesystem::path ChooseFileToOpen(const FileDialogRequest& request) override;
  std::filesystem::path ChooseFileToSave(const FileDialogRequest& request) override;
  void OpenWithDefaultApplication(const std::filesystem::path& file) override;

  /// A message text as the screen shows it: its "\r" line breaks become new lines.
  static QString screenText(std::string_view text);

 private:
  QPoint origin(const BoxPlacement& where) const;

  QPointer<QWidget> m_parent;
  QPointer<QWidget> m_designWindow;
};
