#pragma once
/// The whole program as the GUI tests drive it: the document in a fresh start directory, the
/// scripted interaction, a recording printer and the main window, shown as at start-up.

#include <QAction>
#include <QApplication>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "app/applicationsetup.h"
#include "app/designdocument.h"
#include "app/designwindow.h"
#include "app/mainwindow.h"
#include "tests/app/support/recordingprinter.h"
#include "tests/app/support/scriptedinteraction.h"

struct ProgramFixture {
  ProgramFixture()
      : document(std::filesystem::path(startDirectory.path().toStdString())),
        window(document, ui, std::unique_ptr<ReportPrinter>(printer)) {
    window.show();
  }

  /// A path in the start directory.
  std::filesystem::path file(const char* name) const {
    return std::filesystem::path(startDirectory.path().toStdString()) / name;
  }
  /// Triggers the menu item or tool button with this caption; fails the test when none has it.
  void trigger(const char* caption) {
    QAction* command = window.action(QString::fromUtf8(caption));
    QVERIFY2(command != nullptr, caption);
    command->trigger();
  }
  DesignForm& form() { return document.form(); }
  DesignWindow& designWindow() { return *window.designWindow(); }

  QTemporaryDir startDirectory;
  ScriptedInteraction ui;
  DesignDocument document;
  RecordingPrinter* printer = new RecordingPrinter;  // owned by the window
  MainWindow window;
};

/// main() of a GUI test: the application set up as the program sets it up, then the tests.
#define VESTARO_GUI_TEST_MAIN(TestClass)      \
  int main(int argc, char** argv) {           \
    QApplication app(argc, argv);             \
    SetUpApplication(app);                    \
    TestClass tests;                          \
    return QTest::qExec(&tests, argc, argv);  \
  }
