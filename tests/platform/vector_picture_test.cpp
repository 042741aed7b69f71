// The shared start of every vector rendering: font, background rectangle, clear brush, drawing.
#include "platform/vector_picture.h"

#include <gtest/gtest.h>

#include "plot/testing/recording_canvas.h"

namespace plotwerk::platform {
namespace {

using plot::testing::CallKind;
using plot::testing::RecordingCanvas;

TEST(VectorPicture, BackgroundThenPictureOnAClearBrush) {
  for (const int extra : {kClipboardBackgroundExtra, kFileBackgroundExtra}) {
    RecordingCanvas canvas;
    plot::CanvasState seen;
    PaintVectorPicture(canvas, 606, 597, extra, [&seen](plot::Canvas& c) {
      seen = c.State();
      c.MoveTo(0, 0);
      c.LineTo(5, 5);
    });
    ASSERT_EQ(canvas.Calls().size(), 2u);
    const auto& background = canvas.Calls()[0];
    EXPECT_EQ(background.kind, CallKind::Rectangle);
    EXPECT_EQ(background.a, (plot::Point{-1, -1}));
    EXPECT_EQ(background.b, (plot::Point{606 + extra, 597 + extra}));
    EXPECT_EQ(background.state.brush_style, plot::BrushStyle::Solid);
    EXPECT_EQ(background.state.brush_color, plot::kWhite);
    EXPECT_EQ(background.state.pen_color, plot::kBlack);  // the default pen
    EXPECT_EQ(background.state.pen_style, plot::PenStyle::Solid);
    EXPECT_EQ(background.state.pen_width, 1);
    EXPECT_EQ(seen.font_name, "Verdana");
    EXPECT_EQ(seen.font_size, 10);
    EXPECT_EQ(seen.brush_style, plot::BrushStyle::Clear);
    EXPECT_EQ(canvas.Calls()[1].kind, CallKind::Line);
  }
}

}  // namespace
}  // namespace plotwerk::platform
