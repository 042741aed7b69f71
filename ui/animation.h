// The animation of P, A or B on Timer1 and the four 0.01 steppers of P, Q, A and B.
#pragma once

#include <QObject>

#include "plot/animation.h"
#include "ui/widgets.h"

namespace plotwerk::ui {

class TFGraf;

// The animation and stepper handlers, a child object of the window created when the window
// is built.
class AnimationControl : public QObject {
  Q_OBJECT

 public:
  explicit AnimationControl(TFGraf& window);

  // Starts or stops the animation.
  void b_animationClick();
  // One animation step and one repaint. The repaint is drawn before the handler returns and
  // the toolkit merges the screen updates, so a slow tick delays the next one instead of
  // queueing repaints.
  void Timer1Timer();

  void UpDown2ChangingEx(UpDown::Direction direction);  // P
  void UpDown3ChangingEx(UpDown::Direction direction);  // A
  void UpDown4ChangingEx(UpDown::Direction direction);  // B
  void UpDown5ChangingEx(UpDown::Direction direction);  // Q

  // Whether the animation moves its value upward at the next tick.
  bool Upward() const { return animation_.upward; }

 private:
  TFGraf& window_;
  plot::Animation animation_;
};

}  // namespace plotwerk::ui
