// The animation of P, A or B between the bounds ed_von and ed_bis, and the steppers.
#include "ui/animation.h"

#include <QAction>
#include <QPushButton>
#include <QTimer>

#include "plot/animation.h"
#include "ui/tfgraf.h"
#include "ui/window_extension.h"

namespace plotwerk::ui {

namespace {

void InstallAnimation(TFGraf& window) { new AnimationControl(window); }
const WindowExtensionRegistration kAnimation{&InstallAnimation};

plot::StepDirection ToStep(UpDown::Direction d) {
  switch (d) {
    case UpDown::Direction::Up:
      return plot::StepDirection::kUp;
    case UpDown::Direction::Down:
      return plot::StepDirection::kDown;
    case UpDown::Direction::None:
      break;
  }
  return plot::StepDirection::kNone;
}

// One stepper click on a field, read with the window's P and Q; returns the new value.
double StepField(TFGraf& window, TermEdit* field, UpDown::Direction direction) {
  double value = 0;
  field->setText(QString::fromLatin1(
      plot::StepFieldText(field->Latin1(), ToStep(direction), window.Plotter().Params(), value)));
  return value;
}

}  // namespace

AnimationControl::AnimationControl(TFGraf& window) : QObject(&window), window_(window) {
  setObjectName("AnimationControl");
  connect(window.b_animation, &QPushButton::clicked, this, &AnimationControl::b_animationClick);
  connect(window.Animation1, &QAction::triggered, this, &AnimationControl::b_animationClick);
  connect(window.Timer1, &QTimer::timeout, this, &AnimationControl::Timer1Timer);
  connect(window.UpDown2, &UpDown::ChangingEx, this, &AnimationControl::UpDown2ChangingEx);
  connect(window.UpDown3, &UpDown::ChangingEx, this, &AnimationControl::UpDown3ChangingEx);
  connect(window.UpDown4, &UpDown::ChangingEx, this, &AnimationControl::UpDown4ChangingEx);
  connect(window.UpDown5, &UpDown::ChangingEx, this, &AnimationControl::UpDown5ChangingEx);
}

void AnimationControl::b_animationClick() {
  QTimer* timer = window_.Timer1;
  if (timer->isActive()) {
    timer->stop();
    window_.b_animation->setText(tr("Animation"));
    window_.PaintBox1Paint();
  } else {
    timer->start();
    window_.b_animation->setText(tr("Stop"));
  }
}

void AnimationControl::Timer1Timer() {
  plot::Controls controls = window_.SnapshotControls();
  plot::Parameters parameters = window_.Plotter().Params();
  plot::AnimationTick(controls, parameters, animation_);
  window_.Plotter().SetParameters(parameters);
  if (controls.animate_point_a) {
    window_.ed_A->setText(QString::fromLatin1(controls.point_a_x));
  } else if (controls.animate_point_b) {
    window_.ed_B->setText(QString::fromLatin1(controls.point_b_x));
  } else {
    window_.ed_parameter->setText(QString::fromLatin1(controls.parameter_p));
  }
  window_.PaintBox1Paint();
}

void AnimationControl::UpDown2ChangingEx(UpDown::Direction direction) {
  plot::Parameters parameters = window_.Plotter().Params();
  parameters.p = StepField(window_, window_.ed_parameter, direction);
  window_.Plotter().SetParameters(parameters);
  window_.PaintBox1Paint();
}

void AnimationControl::UpDown3ChangingEx(UpDown::Direction direction) {
  StepField(window_, window_.ed_A, direction);
  window_.PaintBox1Paint();
}

void AnimationControl::UpDown4ChangingEx(UpDown::Direction direction) {
  StepField(window_, window_.ed_B, direction);
  window_.PaintBox1Paint();
}

void AnimationControl::UpDown5ChangingEx(UpDown::Direction direction) {
  plot::Parameters parameters = window_.Plotter().Params();
  parameters.q = StepField(window_, window_.ed_q, direction);
  window_.Plotter().SetParameters(parameters);
  window_.PaintBox1Paint();
}

}  // namespace plotwerk::ui
