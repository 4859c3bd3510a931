#pragma once
/// The value input box ("InputBox"): one text box with "入力" and "取消". It serves every
/// window with value labels and remembers which label it edits through the callback it was
/// opened with.

#include <QDialog>
#include <functional>

class QLineEdit;

class InputBox : public QDialog {
  Q_OBJECT

 public:
  explicit InputBox(QWidget* parent = nullptr);

  /// Opens the box at `position` (screen pixels) with the caption and the text; "入力" hands
  /// the typed text to `accept`, "取消" drops it. The box does not block its caller.
  void edit(const QString& caption, const QString& text, QPoint position,
            std::function<void(const QString&)> accept);

  QLineEdit* textBox() const { return m_text; }

 private:
  void acceptText();

  QLineEdit* m_text;
  std::function<void(const QString&)> m_accept;
};
