// The status line: two labels in one row, the message elided when the row is too narrow.
#include "ui/status_line.h"

#include <QHBoxLayout>

namespace plotwerk::ui {

namespace {
constexpr int kMargin = 6;
}  // namespace

StatusLine::StatusLine(QWidget* parent) : QWidget(parent) {
  setObjectName("StatusLine");
  setAutoFillBackground(true);
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(kMargin, 1, kMargin, 1);
  layout->setSpacing(2 * kMargin);
  message_ = new QLabel(this);
  message_->setObjectName("StatusMessage");
  message_->setTextFormat(Qt::PlainText);
  message_->setMinimumWidth(0);
  message_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
  position_ = new QLabel(this);
  position_->setObjectName("StatusPosition");
  position_->setTextFormat(Qt::PlainText);
  position_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  layout->addWidget(message_, 1);
  layout->addWidget(position_);
  // Keep the row's height when both texts are empty, so the drawing area does not jump.
  setFixedHeight(fontMetrics().height() + 4);
}

void StatusLine::SetMessage(const QString& text) {
  message_->setText(text);
  message_->setToolTip(text);
}

void StatusLine::SetPosition(const QString& text) { position_->setText(text); }

void StatusLine::ClearIfShowing(const QString& text) {
  if (Message() == text) SetMessage({});
}

void StatusLine::SetDerivativeFailure(const QString& reason) {
  if (!reason.isEmpty()) {
    SetMessage(reason);
  } else {
    ClearIfShowing(derivative_failure_);
  }
  derivative_failure_ = reason;
}

void StatusLine::ForgetDerivativeFailure() {
  if (derivative_failure_.isEmpty()) return;
  ClearIfShowing(derivative_failure_);
  derivative_failure_.clear();
}

void StatusLine::SetFieldMessage(const QString& text) {
  field_message_ = text;
  SetMessage(text);
}

void StatusLine::ForgetFieldMessage() {
  if (!field_message_.isEmpty()) ClearIfShowing(field_message_);
  field_message_.clear();
}

}  // namespace plotwerk::ui
