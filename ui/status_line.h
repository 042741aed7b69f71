// The status line under the drawing area: a message on the left (what is wrong with a field, why
// a derivative failed) and the mouse position or the traced value on the right.
#pragma once

#include <QLabel>
#include <QString>
#include <QWidget>

namespace plotwerk::ui {

class StatusLine : public QWidget {
 public:
  explicit StatusLine(QWidget* parent);

  void SetMessage(const QString& text);
  QString Message() const { return message_->text(); }
  void SetPosition(const QString& text);
  QString Position() const { return position_->text(); }

  // The reason the last derivative button found no derivative (empty when it found one). It is
  // shown when set; a new empty reason clears the line only while it still shows the old one.
  void SetDerivativeFailure(const QString& reason);
  // A new f1 makes the derivative's reason stale: cleared from the line while it is shown.
  void ForgetDerivativeFailure();
  // The message about a field that does not read (or how it reads), shown when set.
  void SetFieldMessage(const QString& text);
  // Clears the field message from the line while it is shown, never another message.
  void ForgetFieldMessage();

 private:
  // Clears the line while it shows `text`, a message of ours that has gone out of date.
  void ClearIfShowing(const QString& text);

  QLabel* message_;
  QLabel* position_;
  QString derivative_failure_;
  QString field_message_;
};

}  // namespace plotwerk::ui
