// The small widgets the main window is built from: term edit fields, up-down steppers, flat
// picture buttons and the drawing area that shows the off-screen picture.
#pragma once

#include <QIcon>
#include <QImage>
#include <QLineEdit>
#include <QToolButton>
#include <QValidator>
#include <QWidget>

#include <functional>
#include <string>

class QMouseEvent;

namespace plotwerk::ui {

// Upper-cases what is typed and refuses every character that is not a printable single byte of
// code page 1252 as it reaches the core through QString::toLatin1(): the edit keeps its old text
// instead of silently turning the character into a question mark.
// A text longer than plot::kMaxFieldLength (a paste, usually) is cut to that length and
// `on_cut` is told.
class Latin1UpperValidator : public QValidator {
 public:
  using QValidator::QValidator;
  State validate(QString& input, int& pos) const override;
  std::function<void()> on_cut;
};

// The upper-case counterpart of a Latin-1 character; characters whose capital lies outside
// Latin-1 (ß, ÿ, µ) stay as they are.
QChar UpperLatin1(QChar c);
// True when the character survives toLatin1() unchanged and is not a control character.
bool IsTermCharacter(QChar c);

// An edit field of the main window: upper-cases as typed, refuses what toLatin1() cannot hold.
// A text too long for a field is cut, with a notice under the field saying so.
class TermEdit : public QLineEdit {
 public:
  explicit TermEdit(const QString& text, QWidget* parent);
  // The notice shown when a text was cut to the field's length.
  static QString CutNotice();
  // The field's text as code page 1252 bytes for the core.
  std::string Latin1() const;
};

// An up-down stepper: two small arrow buttons. Each click reports its direction first
// (ChangingEx) and then moves the position within the range, without wrapping. A stepper with
// an associated edit field reads its position from the field's number and writes the new
// position back into it, as a stepper bound to a field does.
class UpDown : public QWidget {
  Q_OBJECT
 public:
  enum class Direction { None, Up, Down };

  UpDown(int min, int max, int position, QWidget* parent);

  void SetAssociate(QLineEdit* edit);
  // The current position; with an associated field, the field's number when it is a whole
  // number inside the range, otherwise the last valid position.
  int Position() const;
  // Moves to the position (kept within the range) without touching the associated field, as
  // when the field holds no number the stepper takes.
  void SetPosition(int position);
  int Min() const { return min_; }
  int Max() const { return max_; }

  // One click, as the arrows do it; also used by the arrow keys of the associated field.
  void Click(Direction direction);

  QToolButton* UpButton() const { return up_; }
  QToolButton* DownButton() const { return down_; }

 signals:
  void ChangingEx(plotwerk::ui::UpDown::Direction direction);
  void PositionChanged(int position);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  int min_, max_;
  mutable int position_;
  QLineEdit* associate_ = nullptr;
  QToolButton* up_;
  QToolButton* down_;
};

// The glyphs of the flat view-navigation buttons.
enum class Glyph { ArrowLeft, ArrowUp, ArrowDown, ArrowRight, ZoomIn, ZoomOut, Reset };
// An icon drawn at 1x, 2x and 3x so that it stays crisp on high-DPI screens.
QIcon GlyphIcon(Glyph glyph);

// A flat picture button with a hint, like the view buttons of the coordinate-system panel.
class SpeedButton : public QToolButton {
 public:
  SpeedButton(Glyph glyph, const QString& hint, QWidget* parent);
};

// The drawing area. It shows the last picture handed to it in one copy; the picture is also
// the "visible canvas" whose pixels the mouse handlers read and on which the rubber band is
// drawn between two repaints. When the shown picture no longer fits the widget (after a
// resize), painting asks the owner for a fresh one first.
class PaintBox : public QWidget {
  Q_OBJECT
 public:
  explicit PaintBox(QWidget* parent);

  // Replaces the shown picture (its device pixel ratio says how it maps onto the widget).
  void Show(QImage picture);
  // The shown picture; draw on it (and call update()) for marks between two repaints.
  QImage& Screen() { return screen_; }
  const QImage& Screen() const { return screen_; }
  // The colour of the shown pixel at the widget position (x, y), or black outside.
  QRgb ShownPixel(int x, int y) const;

 signals:
  // Asks the owner to render a picture of the current size (the paint handler).
  void PaintRequested();
  void Resized(QSize size);
  void MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, int x, int y);
  void MouseMove(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers, int x, int y);
  void MouseUp(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, int x, int y);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  bool PictureFits() const;

  QImage screen_;
  bool painting_ = false;
};

}  // namespace plotwerk::ui
