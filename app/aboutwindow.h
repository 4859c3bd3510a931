#pragma once
/// The about window: the product line, its date and a button that hides the window.

#include <QDialog>

class AboutWindow : public QDialog {
  Q_OBJECT

 public:
  explicit AboutWindow(QWidget* parent = nullptr);
};
