// vestaro: the program with its windows. `vestaro [FILE.dat]` starts on the start-up design, or
// loads FILE.dat as the load command would.
#include <QApplication>
#include <QScreen>
#include <filesystem>

#include "app/applicationsetup.h"
#include "app/designdocument.h"
#include "app/designwindow.h"
#include "app/mainwindow.h"
#include "app/qtinteraction.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  SetUpApplication(app);

  DesignDocument document(std::filesystem::current_path());
  QtInteraction ui;
  MainWindow mainWindow(document, ui);
  ui.setParent(&mainWindow);
  ui.setDesignWindow(mainWindow.designWindow());
  // The frame fills the screen even where no window manager maximises it.
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    mainWindow.setGeometry(screen->availableGeometry());
  }
  mainWindow.showMaximized();

  const QStringList arguments = QApplication::arguments();
  if (arguments.size() > 1) {
    document.load(std::filesystem::path(arguments.at(1).toStdString()), ui);
  }
  return QApplication::exec();
}
