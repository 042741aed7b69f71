// The animation of P, A or B on animation_timer and the four 0.01 steppers of P, Q, A and B.
#pragma once

#include <QObject>

#include "plot/animation.h"
#include "ui/widgets.h"

namespace plotwerk::ui {

class MainWindow;

// The animation and stepper handlers, a child object of the window created when the window
// is built.
class AnimationControl : public QObject {
  Q_OBJECT

 public:
  explicit AnimationControl(MainWindow& window);

  // Starts or stops the animation.
  void OnAnimationClicked();
  // One animation step and one repaint. The repaint is drawn before the handler returns and
  // the toolkit merges the screen updates, so a slow tick delays the next one instead of
  // queueing repaints.
  void OnAnimationTick();

  void OnParameterPStepped(UpDown::Direction direction);  // P
  void OnPointAStepped(UpDown::Direction direction);  // A
  void OnPointBStepped(UpDown::Direction direction);  // B
  void OnParameterQStepped(UpDown::Direction direction);  // Q

  // Whether the animation moves its value upward at the next tick.
  bool Upward() const { return animation_.upward; }

 private:
  // A stepper click on the field of P or Q: the field moves and the plotter takes the value.
  void StepParameter(double plot::Parameters::*letter, TermEdit* field, UpDown::Direction direction);

  MainWindow& window_;
  plot::Animation animation_;
};

}  // namespace plotwerk::ui
