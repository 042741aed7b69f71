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

 private:
  QLabel* message_;
  QLabel* position_;
};

}  // namespace plotwerk::ui
