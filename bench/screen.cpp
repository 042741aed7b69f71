// The benchmarks' screen image and its repaint.
#include "bench/screen.h"

#include "platform/qt_canvas.h"

namespace plotwerk::bench {

QImage ScreenImage() { return QImage(kScreenWidth, kScreenHeight, QImage::Format_RGB32); }

void PrepareBasicSetting(plot::Plotter& plotter, const plot::Controls& controls) {
  plotter.ApplyBasicSetting(kScreenWidth, kScreenHeight);
  plotter.DrawCommand(controls);
}

void PaintScreen(plot::Plotter& plotter, plot::Controls& controls, QImage& screen) {
  screen.fill(Qt::white);
  platform::QtCanvas canvas(screen);
  plotter.Redraw(canvas, kScreenWidth, kScreenHeight, controls);
  canvas.Finish();
}

}  // namespace plotwerk::bench
