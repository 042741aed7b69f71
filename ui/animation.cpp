// The animation of P, A or B between the bounds interval_from and interval_to, and the steppers.
#include "ui/animation.h"

#include <QAction>
#include <QPushButton>
#include <QTimer>

#include "plot/animation.h"
#include "ui/main_window.h"
#include "ui/window_extension.h"

namespace plotwerk::ui {

namespace {

void InstallAnimation(MainWindow& window) { new AnimationControl(window); }
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
double StepField(MainWindow& window, TermEdit* field, UpDown::Direction direction) {
  double value = 0;
  field->setText(QString::fromLatin1(
      plot::StepFieldText(field->Latin1(), ToStep(direction), window.Plotter().Params(), value)));
  return value;
}

}  // namespace

AnimationControl::AnimationControl(MainWindow& window) : QObject(&window), window_(window) {
  setObjectName("AnimationControl");
  const OptionWidgets& o = window.Options();
  connect(o.animation_button, &QPushButton::clicked, this, &AnimationControl::OnAnimationClicked);
  connect(window.Menu().animation_item, &QAction::triggered, this, &AnimationControl::OnAnimationClicked);
  connect(window.AnimationTimer(), &QTimer::timeout, this, &AnimationControl::OnAnimationTick);
  connect(o.parameter_p_stepper, &UpDown::ChangingEx, this, &AnimationControl::OnParameterPStepped);
  connect(o.point_a_stepper, &UpDown::ChangingEx, this, &AnimationControl::OnPointAStepped);
  connect(o.point_b_stepper, &UpDown::ChangingEx, this, &AnimationControl::OnPointBStepped);
  connect(o.parameter_q_stepper, &UpDown::ChangingEx, this, &AnimationControl::OnParameterQStepped);
}

void AnimationControl::OnAnimationClicked() {
  QTimer* timer = window_.AnimationTimer();
  if (timer->isActive()) {
    timer->stop();
    window_.Options().animation_button->setText(tr("Animation"));
    window_.RedrawWithResults();
  } else {
    timer->start();
    window_.Options().animation_button->setText(tr("Stop"));
  }
}

void AnimationControl::OnAnimationTick() {
  plot::Controls controls = window_.SnapshotControls();
  plot::Parameters parameters = window_.Plotter().Params();
  plot::AnimationTick(controls, parameters, animation_);
  window_.Plotter().SetParameters(parameters);
  if (controls.animate_point_a) {
    window_.Options().point_a_x->setText(QString::fromLatin1(controls.point_a_x));
  } else if (controls.animate_point_b) {
    window_.Options().point_b_x->setText(QString::fromLatin1(controls.point_b_x));
  } else {
    window_.Options().parameter_p->setText(QString::fromLatin1(controls.parameter_p));
  }
  window_.RedrawWithResults();
}

void AnimationControl::StepParameter(double plot::Parameters::*letter, TermEdit* field,
                                     UpDown::Direction direction) {
  plot::Parameters parameters = window_.Plotter().Params();
  parameters.*letter = StepField(window_, field, direction);
  window_.Plotter().SetParameters(parameters);
  window_.RedrawWithResults();
}

void AnimationControl::OnParameterPStepped(UpDown::Direction direction) {
  StepParameter(&plot::Parameters::p, window_.Options().parameter_p, direction);
}

void AnimationControl::OnPointAStepped(UpDown::Direction direction) {
  StepField(window_, window_.Options().point_a_x, direction);
  window_.RedrawWithResults();
}

void AnimationControl::OnPointBStepped(UpDown::Direction direction) {
  StepField(window_, window_.Options().point_b_x, direction);
  window_.RedrawWithResults();
}

void AnimationControl::OnParameterQStepped(UpDown::Direction direction) {
  StepParameter(&plot::Parameters::q, window_.Options().parameter_q, direction);
}

}  // namespace plotwerk::ui
