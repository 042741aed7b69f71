// The EMF recording read back record by record: header, sizes, objects and drawing records.
#include "platform/emf_canvas.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <iterator>
#include <set>
#include <sstream>

#include "emf_reader.h"

namespace plotwerk::platform {
namespace {

using testing::DescribeRecords;
using testing::EmfFile;
using testing::ParseEmf;

// Every character is 7 pixels wide, the line 12 pixels high.
class FixedMeasurer : public TextMeasurer {
 public:
  plot::TextSize Measure(const plot::CanvasState&, std::string_view text) override {
    return {7 * static_cast<int>(text.size()), 12};
  }
};

std::vector<std::string> DrawingLines(const EmfFile& file) { return DescribeRecords(file); }

// The vertices "x,y" of a "Polygon x,y x,y ..." line, in any order.
std::set<std::string> PolygonCorners(const std::string& polygon_line) {
  std::istringstream vertices(polygon_line.substr(std::string("Polygon ").size()));
  return {std::istream_iterator<std::string>(vertices), {}};
}

TEST(EmfCanvas, HeaderDescribesThePictureAndTheFile) {
  FixedMeasurer m;
  EmfCanvas canvas(606, 597, m);
  canvas.Rectangle(-1, -1, 607, 598);
  const std::vector<std::uint8_t> bytes = canvas.Finish();
  const EmfFile file = ParseEmf(bytes);
  EXPECT_EQ(file.header.bounds, (std::array<std::int32_t, 4>{0, 0, 605, 596}));
  // 606 px at 96 dpi = 160.3375 mm; 597 px = 157.956 mm
  EXPECT_EQ(file.header.frame, (std::array<std::int32_t, 4>{0, 0, 16033, 15795}));
  EXPECT_EQ(file.header.bytes, bytes.size());
  EXPECT_EQ(file.header.records, file.records.size());
  EXPECT_EQ(file.records.back().type, static_cast<std::uint32_t>(EmfRecordType::Eof));
  // The reference device and its size in millimetres agree on 96 dpi.
  EXPECT_NEAR(file.header.device[0] * 25.4 / 96, file.header.millimetres[0], 1.0);
  EXPECT_NEAR(file.header.device[1] * 25.4 / 96, file.header.millimetres[1], 1.0);
}

TEST(EmfCanvas, RecordsEveryOperationWithItsState) {
  FixedMeasurer m;
  EmfCanvas canvas(100, 80, m);
  canvas.MoveTo(10, 20);
  canvas.LineTo(30, 40);
  canvas.LineTo(50, 40);  // continues from the current position: no second MoveTo
  canvas.SetPenColor({255, 0, 0});
  canvas.SetPenWidth(2);
  canvas.MoveTo(-50, 0);
  canvas.LineTo(0, 0);
  canvas.SetBrushColor({0, 0, 255});
  canvas.Ellipse(1, 2, 9, 10);
  canvas.SetPenStyle(plot::PenStyle::Clear);
  canvas.SetBrushStyle(plot::BrushStyle::Clear);
  const plot::Point triangle[] = {{0, 0}, {5, 0}, {0, 5}};
  canvas.Polygon(triangle);
  canvas.SetPixel(3, 4, {1, 2, 3});
  const std::vector<std::string> expected = {
      "Pen 0 1 0", "BkMode 2", "BkColor ffffff", "MoveTo 10 20", "LineTo 30 40", "LineTo 50 40",
      "Pen 0 2 ff", "MoveTo -50 0", "LineTo 0 0",
      "Brush 0 ff0000", "BkColor ff0000", "Ellipse 1 2 9 10",
      "Pen 5 2 ff", "Brush 1 ff0000", "BkMode 1", "Polygon 0,0 5,0 0,5",
      "Pixel 3 4 30201"};
  EXPECT_EQ(DrawingLines(ParseEmf(canvas.Finish())), expected);
}

TEST(EmfCanvas, FarCoordinatesAreCutToAMarginAroundThePicture) {
  FixedMeasurer m;
  EmfCanvas canvas(100, 80, m);
  canvas.MoveTo(INT32_MIN, INT32_MAX);
  canvas.LineTo(0, 0);                  // enters the margin on the diagonal
  canvas.LineTo(INT32_MAX, 0);          // leaves it on the same row
  canvas.MoveTo(INT32_MIN, INT32_MIN);
  canvas.LineTo(INT32_MIN, INT32_MAX);  // never near the picture: nothing recorded
  canvas.Rectangle(INT32_MIN, -10, INT32_MAX, 10);
  const plot::Point wedge[] = {{50, 40}, {1 << 30, 40}, {1 << 30, 40 + (1 << 30)}};
  canvas.Polygon(wedge);
  canvas.SetPixel(INT32_MAX, 5, plot::kBlack);     // beyond the margin: nothing recorded
  canvas.Ellipse(1 << 30, 0, (1 << 30) + 10, 10);  // likewise
  const std::vector<std::string> expected = {
      "Pen 0 1 0", "BkMode 2", "BkColor ffffff", "MoveTo -4096 4096", "LineTo 0 0", "LineTo 4196 0",
      "Brush 0 ffffff", "Rectangle -4096 -10 4196 10", "Polygon"};
  const std::vector<std::string> got = DrawingLines(ParseEmf(canvas.Finish()));
  ASSERT_EQ(got.size(), expected.size());
  for (std::size_t i = 0; i + 1 < got.size(); ++i) EXPECT_EQ(got[i], expected[i]);
  // The cut wedge keeps its corner; its far edges run along the margin (the diagonal reaches
  // the bottom margin at x = 50 + 4136).
  EXPECT_EQ(PolygonCorners(got.back()), (std::set<std::string>{"50,40", "4196,40", "4196,4176", "4186,4176"})) << got.back();
}

TEST(EmfCanvas, AnEllipseAroundThePictureBecomesTheMarginAsAPolygon) {
  FixedMeasurer m;
  EmfCanvas canvas(100, 80, m);
  canvas.Ellipse(-(1 << 30), -(1 << 30), 1 << 30, 1 << 30);
  const std::vector<std::string> got = DrawingLines(ParseEmf(canvas.Finish()));
  ASSERT_FALSE(got.empty());
  ASSERT_EQ(got.back().rfind("Polygon ", 0), 0u) << got.back();
  EXPECT_EQ(PolygonCorners(got.back()), (std::set<std::string>{"-4096,-4096", "4196,-4096", "4196,4176", "-4096,4176"})) << got.back();
}

TEST(EmfCanvas, ObjectsAreReplacedNotAccumulated) {
  FixedMeasurer m;
  EmfCanvas canvas(50, 50, m);
  for (int i = 0; i < 1000; ++i) {
    canvas.SetPenColor({static_cast<std::uint8_t>(i), 0, 0});
    canvas.SetBrushColor({0, static_cast<std::uint8_t>(i), 0});
    canvas.SetFontSize(8 + i % 3);
    canvas.Rectangle(0, 0, 10, 10);
    canvas.TextOut(0, 0, "x");
  }
  const EmfFile file = ParseEmf(canvas.Finish());  // also checks every select and delete
  // Pen, brush and font selected plus one being replaced, and the reserved slot 0.
  EXPECT_LE(file.header.handles, 5);
}

TEST(EmfCanvas, TextCarriesFontColoursBackgroundAndAdvances) {
  FixedMeasurer m;
  EmfCanvas canvas(200, 100, m);
  canvas.SetFontName("Verdana");
  canvas.SetFontSize(10);
  canvas.SetFontColor({0, 128, 0});
  canvas.SetBrushColor({255, 255, 0});
  canvas.TextOut(5, 6, "x\x80\xE4");  // euro sign and a-umlaut in code page 1252
  canvas.SetBrushStyle(plot::BrushStyle::Clear);
  canvas.TextOut(7, 8, "ab");
  canvas.TextOut(9, 9, "");  // nothing to draw, nothing recorded
  const EmfFile file = ParseEmf(canvas.Finish());
  const std::vector<std::string> expected = {
      "Font Verdana -13", "BkMode 2", "BkColor ffff", "TextColor 8000", "Text 5 6 x<20ac><e4>",
      "BkMode 1", "Text 7 8 ab"};
  EXPECT_EQ(DrawingLines(file), expected);
  const auto text = std::find_if(file.records.begin(), file.records.end(), [](const testing::EmfRecord& r) {
    return r.type == static_cast<std::uint32_t>(EmfRecordType::ExtTextOutW);
  });
  ASSERT_NE(text, file.records.end());
  // Bounds span the measured extent; the advances add up to the measured width.
  EXPECT_EQ(text->I32(16), 5 + 21 - 1);
  EXPECT_EQ(text->I32(20), 6 + 12 - 1);
  const std::uint32_t off_dx = text->U32(72);
  EXPECT_EQ(text->I32(off_dx) + text->I32(off_dx + 4) + text->I32(off_dx + 8), 21);
}

TEST(EmfCanvas, InvertModeAndTransparentTextBackground) {
  FixedMeasurer m;
  EmfCanvas canvas(20, 20, m);
  canvas.SetTransparentTextBackground();
  canvas.SetPenMode(plot::PenMode::Invert);
  canvas.MoveTo(0, 0);
  canvas.LineTo(5, 5);
  canvas.SetPenMode(plot::PenMode::Copy);
  canvas.LineTo(6, 6);
  const std::vector<std::string> expected = {"Pen 0 1 0", "BkMode 1", "Rop2 6", "MoveTo 0 0", "LineTo 5 5",
                                             "Rop2 13", "LineTo 6 6"};
  EXPECT_EQ(DrawingLines(ParseEmf(canvas.Finish())), expected);
}

TEST(EmfCanvas, FinishedRecordingRefusesDrawing) {
  FixedMeasurer m;
  EmfCanvas canvas(20, 20, m);
  (void)canvas.Finish();
  EXPECT_THROW(canvas.Rectangle(0, 0, 1, 1), std::logic_error);
  EXPECT_THROW((void)canvas.Finish(), std::logic_error);
}

TEST(EmfReader, RejectsDamagedFiles) {
  FixedMeasurer m;
  EmfCanvas canvas(20, 20, m);
  canvas.Rectangle(0, 0, 5, 5);
  const std::vector<std::uint8_t> good = canvas.Finish();
  ASSERT_NO_THROW(ParseEmf(good));
  std::vector<std::uint8_t> truncated(good.begin(), good.end() - 20);  // end-of-file record gone
  EXPECT_THROW(ParseEmf(truncated), std::runtime_error);
  std::vector<std::uint8_t> bad_size = good;
  bad_size[good.size() - 16] = 3;  // EOF record size no longer a multiple of four
  EXPECT_THROW(ParseEmf(bad_size), std::runtime_error);
}

TEST(Cp1252, MapsTheWindowsBlockAndPassesLatin1) {
  EXPECT_EQ(Cp1252ToUnicode(0x41), u'A');
  EXPECT_EQ(Cp1252ToUnicode(0x80), u'\u20AC');
  EXPECT_EQ(Cp1252ToUnicode(0x9F), u'\u0178');
  EXPECT_EQ(Cp1252ToUnicode(0xB7), u'\u00B7');
  EXPECT_EQ(Cp1252ToUnicode(0xFF), u'\u00FF');
}

}  // namespace
}  // namespace plotwerk::platform
