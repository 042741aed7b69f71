// "Smooth lines": off at start with the pixel-exact picture, antialiased screen and clipboard
// picture when on, the vector picture untouched, and the markers still draggable.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QMimeData>
#include <QMouseEvent>

#include <set>

#include "platform/qt_canvas.h"
#include "tests/ui/window_fixture.h"
#include "ui/navigation.h"

namespace plotwerk::ui {
namespace {

class SmoothLinesTest : public testing::WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    item = window->findChild<QAction*>("smooth_lines_item");
    ASSERT_NE(item, nullptr);
  }

  // The picture as the window drew it before smoothing existed: a plain canvas on a white image.
  QImage ExactPicture() {
    QImage image(window->PaintWidth(), window->PaintHeight(), QImage::Format_RGB32);
    image.fill(Qt::white);
    plot::Controls controls = window->SnapshotControls();
    platform::QtCanvas canvas(image);
    window->Plotter().Redraw(canvas, image.width(), image.height(), controls);
    return image;
  }

  static std::size_t Colours(const QImage& image) {
    std::set<QRgb> seen;
    for (int y = 0; y < image.height(); ++y) {
      for (int x = 0; x < image.width(); ++x) seen.insert(image.pixel(x, y));
    }
    return seen.size();
  }

  QMimeData const* CopyPicture() {
    window->Menu().copy_vector_item->trigger();
    return QGuiApplication::clipboard()->mimeData();
  }

  void Mouse(QEvent::Type type, int x, int y) {
    const QPointF local(x, y);
    QMouseEvent e(type, local, window->DrawingArea()->mapToGlobal(local),
                  type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton,
                  type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(window->DrawingArea(), &e);
  }

  QAction* item = nullptr;
};

TEST_F(SmoothLinesTest, SmoothsScreenAndClipboardPictureAndTheMarkersStillDrag) {
  EXPECT_TRUE(item->isCheckable());
  EXPECT_FALSE(item->isChecked());
  EXPECT_EQ(window->Menu().coordinate_menu->actions().indexOf(item),
            window->Menu().coordinate_menu->actions().indexOf(window->Menu().coloured_graphs) + 1);
  window->Options().point_a->setChecked(true);
  const QImage exact = Picture();
  ASSERT_EQ(exact, ExactPicture()) << "off: the picture as it always was";
  const QMimeData* copied = CopyPicture();
  ASSERT_NE(copied, nullptr);
  const QByteArray exact_svg = copied->data("image/svg+xml");
  const QImage exact_png = QImage::fromData(copied->data("image/png"), "PNG");

  item->trigger();
  ASSERT_TRUE(window->SmoothLines());
  const QImage smooth = Picture();
  EXPECT_EQ(smooth.size(), exact.size());
  // Antialiasing mixes the line colours with the background: many shades appear.
  EXPECT_GT(Colours(smooth), Colours(exact) + 50);
  copied = CopyPicture();
  ASSERT_NE(copied, nullptr);
  EXPECT_EQ(copied->data("image/svg+xml"), exact_svg) << "the vector picture is unchanged";
  EXPECT_GT(Colours(QImage::fromData(copied->data("image/png"), "PNG")), Colours(exact_png) + 50);

  // The marker's inside keeps its exact colour, so A can still be grabbed and dragged.
  QPoint a(-1, -1);
  for (int y = 0; y < smooth.height() && a.x() < 0; ++y) {
    for (int x = 0; x < smooth.width(); ++x) {
      if ((smooth.pixel(x, y) | 0xFF000000u) == kMarkerAColour) {
        a = QPoint(x, y + 1);  // a little inside the top edge
        break;
      }
    }
  }
  ASSERT_GE(a.x(), 0) << "marker A not found";
  const QString before = window->Options().point_a_x->text();
  Mouse(QEvent::MouseButtonPress, a.x(), a.y());
  Mouse(QEvent::MouseMove, a.x() + 60, a.y());
  Mouse(QEvent::MouseButtonRelease, a.x() + 60, a.y());
  EXPECT_NE(window->Options().point_a_x->text(), before);
  const double moved_to = window->Plotter().Mapping().PixelToWorldX(a.x() + 60);
  EXPECT_NEAR(window->Options().point_a_x->text().replace(',', '.').toDouble(), moved_to, 0.006);

  item->trigger();
  EXPECT_FALSE(window->SmoothLines());
  EXPECT_EQ(Picture(), ExactPicture()) << "off again: pixel-exact";
}

}  // namespace
}  // namespace plotwerk::ui
