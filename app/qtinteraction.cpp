#include "app/qtinteraction.h"

#include <QDesktopServices>
#include <QFileDialog>
#include <QMessageBox>
#include <QUrl>

namespace {

// "dat|*.dat" becomes Qt's "dat (*.dat)".
QString qtFilter(const std::string& filter) {
  const QString text = QString::fromStdString(filter);
  const qsizetype bar = text.indexOf(QLatin1Char('|'));
  if (bar < 0) return text;
  return text.left(bar) + QStringLiteral(" (") + text.mid(bar + 1) + QLatin1Char(')');
}

std::filesystem::path runFileDialog(QWidget* parent, const FileDialogRequest& request,
                                    QFileDialog::AcceptMode mode) {
  QFileDialog dialog(parent);
  dialog.setAcceptMode(mode);
  dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                     : QFileDialog::AnyFile);
  dialog.setNameFilter(qtFilter(request.filter));
  dialog.setDefaultSuffix(QString::fromStdString(request.defaultSuffix));
  dialog.setDirectory(QString::fromStdString(request.directory.string()));
  dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.confirmOverwrite);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return std::filesystem::path(dialog.selectedFiles().constFirst().toStdString());
}

}  // namespace

QString QtInteraction::screenText(std::string_view text) {
  QString screen = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
  screen.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  return screen;
}

QPoint QtInteraction::origin(const BoxPlacement& where) const {
  switch (where.origin) {
    case BoxPlacement::Origin::Screen: return {where.left, where.top};
    case BoxPlacement::Origin::DesignWindow:
      if (m_designWindow) return m_designWindow->pos() + QPoint(where.left, where.top);
      return {where.left, where.top};
    case BoxPlacement::Origin::Centred: break;
  }
  return {};
}

void QtInteraction::ShowMessage(std::string_view text, MessageKind kind, BoxPlacement where) {
  QMessageBox box(kind == MessageKind::Warning ? QMessageBox::Warning : QMessageBox::Information,
                  QStringLiteral("Vestaro"), screenText(text), QMessageBox::Ok, m_parent);
  if (where.origin != BoxPlacement::Origin::Centred) box.move(origin(where));
  box.exec();
}

bool QtInteraction::Confirm(std::string_view text, BoxPlacement where) {
  QMessageBox box(QMessageBox::Question, QStringLiteral("Vestaro"), screenText(text),
                  QMessageBox::Yes | QMessageBox::No, m_parent);
  box.setDefaultButton(QMessageBox::Yes);
  if (where.origin != BoxPlacement::Origin::Centred) box.move(origin(where));
  return box.exec() == QMessageBox::Yes;
}

std::filesystem::path QtInteraction::ChooseFileToOpen(const FileDialogRequest& request) {
  return runFileDialog(m_parent, request, QFileDialog::AcceptOpen);
}

std::filesystem::path QtInteraction::ChooseFileToSave(const FileDialogRequest& request) {
  return runFileDialog(m_parent, request, QFileDialog::AcceptSave);
}

void QtInteraction::OpenWithDefaultApplication(const std::filesystem::path& file) {
  QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(file.string())));
}
