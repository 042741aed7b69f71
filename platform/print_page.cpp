// The printable page: layout in points on A4, text drawn as text (so a PDF can be searched),
// the picture replayed from its SVG recording.
#include "platform/print_page.h"

#include <QBuffer>
#include <QFont>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgRenderer>
#include <QTextOption>

#include <algorithm>
#include <cmath>

#include "platform/atomic_write.h"
#include "platform/export_error.h"
#include "platform/picture_export.h"
#include "platform/qt_canvas.h"
#include "platform/vector_picture.h"
#include "plot/scene.h"
#include "plot/texts.h"

namespace plotwerk::platform {

namespace {

// The page in points (A4 portrait) and its parts.
constexpr double kPageWidth = 595;
constexpr double kPageHeight = 842;
constexpr double kMargin = 42;
constexpr double kContentWidth = kPageWidth - 2 * kMargin;
constexpr double kTitleSize = 16;
constexpr double kTermSize = 10;
constexpr double kListSize = 8;
constexpr double kGap = 10;
constexpr double kColumnGap = 18;
constexpr double kColumnWidth = (kContentWidth - kColumnGap) / 2;
// The picture takes at most this share of the page's height.
constexpr double kMaxPictureHeight = 0.45 * kPageHeight;
constexpr int kPdfResolution = 1200;

// A tab of the result list moves the text on to the next multiple of this.
constexpr double kTabStop = 36;

QFont PageFont(double size, bool bold = false) {
  QFont font(ChosenFontFamily());
  font.setPixelSize(std::max(1, static_cast<int>(size)));
  font.setBold(bold);
  // No ligatures: "fl" stays two letters for search and copy in a PDF viewer.
  font.setStyleStrategy(QFont::PreferNoShaping);
  return font;
}

QTextOption ListOption() {
  QTextOption option(Qt::AlignLeft | Qt::AlignTop);
  option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
  return option;
}

// A result line at (x, y) in a column of kColumnWidth: each tab moves on to the next tab
// stop, and the text after the last tab wraps within the column. Returns the height taken;
// draws only when `draw`.
double ListLine(QPainter& painter, const QString& line, double x, double y, bool draw) {
  const QStringList parts = line.split(QLatin1Char('\t'));
  const QFontMetricsF metrics(painter.font(), painter.device());
  double at = 0;
  double height = metrics.height();
  for (qsizetype i = 0; i < parts.size(); ++i) {
    if (i > 0) at = (std::floor(at / kTabStop) + 1) * kTabStop;
    at = std::min(at, kColumnWidth - kTabStop);
    const bool last = i + 1 == parts.size();
    const QRectF room(x + at, y, kColumnWidth - at, kPageHeight);
    const QRectF need = painter.boundingRect(room, parts[i], ListOption());
    if (draw) painter.drawText(QRectF(room.topLeft(), QSizeF(room.width(), need.height())), parts[i], ListOption());
    height = std::max(height, need.height());
    at += last ? 0 : need.width();
  }
  return height;
}

QString Text(const std::string& bytes) { return CanvasText(bytes, "Verdana"); }

// Lays out lines in two columns from `top`, continuing on new pages; counts the pages added.
class ColumnWriter {
 public:
  ColumnWriter(QPainter& painter, QPagedPaintDevice& device, double top)
      : painter_(painter), device_(device), top_(top), y_(top) {}

  double Height(const std::string& line) const { return ListLine(painter_, Text(line), 0, 0, false); }

  // Writes the lines; when they all fit on this page in two columns, the second column starts
  // at the heading nearest to the middle, so a short list stands in two even columns.
  void WriteBalanced(const std::vector<std::string>& lines) {
    std::vector<double> heights;
    double total = 0;
    for (const std::string& line : lines) {
      heights.push_back(Height(line));
      total += heights.back();
    }
    const double room = kPageHeight - kMargin - top_;
    std::size_t cut = lines.size();
    double best = room;
    double before = 0;
    for (std::size_t i = 0; i < lines.size(); ++i) {
      const bool heading = !lines[i].empty() && lines[i][0] != '\t';
      const double longer = std::max(before, total - before);
      if (i > 0 && heading && longer <= room && std::fabs(before - total / 2) < best) {
        best = std::fabs(before - total / 2);
        cut = i;
      }
      before += heights[i];
    }
    for (std::size_t i = 0; i < lines.size(); ++i) {
      if (i == cut) NextColumn();
      Write(lines[i], heights[i]);
    }
  }

  void Write(const std::string& line) { Write(line, Height(line)); }

  void Write(const std::string& line, double height) {
    if (y_ + height > kPageHeight - kMargin) NextColumn();
    const double x = kMargin + column_ * (kColumnWidth + kColumnGap);
    ListLine(painter_, Text(line), x, y_, true);
    y_ += height;
  }

  int NewPages() const { return new_pages_; }

  // Starts a new page for the next list.
  void NewPage() {
    device_.newPage();
    ++new_pages_;
    column_ = 0;
    top_ = kMargin;
    y_ = kMargin;
  }

 private:
  void NextColumn() {
    if (column_ == 0) {
      column_ = 1;
      y_ = top_;
      return;
    }
    NewPage();
  }

  QPainter& painter_;
  QPagedPaintDevice& device_;
  double top_;
  double y_;
  int column_ = 0;
  int new_pages_ = 0;
};

}  // namespace

void SplitValueTable(const std::vector<std::string>& lines, std::vector<std::string>* results,
                     std::vector<std::string>* table) {
  const std::string heading = plot::Localized("Value table");
  std::size_t cut = lines.size();
  for (std::size_t i = 0; i + 1 < lines.size(); ++i) {
    if (lines[i].empty() && lines[i + 1] == heading) {
      cut = i;
      break;
    }
  }
  results->assign(lines.begin(), lines.begin() + static_cast<std::ptrdiff_t>(cut));
  table->assign(lines.begin() + static_cast<std::ptrdiff_t>(std::min(cut + 1, lines.size())), lines.end());
}

PageContent MakePageContent(plot::Plotter& plotter, plot::Controls controls, const QString& title, int width,
                            int height) {
  PageContent page;
  page.title = title.isEmpty() ? QString::fromLatin1(kPageDefaultTitle) : title;
  page.picture_width = std::max(width, 1);
  page.picture_height = std::max(height, 1);
  // The value table belongs to the page whenever it is asked for, shown memo or not.
  if (controls.value_table) controls.result_memo_visible = true;
  plotter.UpdateMapping(page.picture_width, page.picture_height);
  page.picture_svg = RenderSvg(page.picture_width, page.picture_height, kFileBackgroundExtra, [&](plot::Canvas& canvas) { plotter.DrawPicture(canvas, controls); });
  const std::vector<std::string>& terms = plotter.Terms().Terms();
  const std::vector<int>& fields = plotter.Terms().Fields();
  for (std::size_t i = 0; i < terms.size(); ++i) {
    PageTerm t;
    t.term = terms[i];
    t.name = "f" + std::to_string(fields[i]);
    t.colour = i < plotter.TermColours().size() ? plotter.TermColours()[i] : plot::kBlack;
    page.terms.push_back(std::move(t));
  }
  SplitValueTable(plotter.Results().Lines(), &page.results, &page.value_table);
  return page;
}

int PaintPages(QPagedPaintDevice& device, const PageContent& content) {
  QPainter painter;
  if (!painter.begin(&device)) throw ExportError("The printer could not be started.");
  // Points on the page, scaled uniformly into the device's page.
  const double scale = std::min(device.width() / kPageWidth, device.height() / kPageHeight);
  painter.scale(scale, scale);

  double y = kMargin;
  painter.setFont(PageFont(kTitleSize, true));
  painter.setPen(Qt::black);
  const QRectF title_box(kMargin, y, kContentWidth, kTitleSize * 1.6);
  painter.drawText(title_box, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, content.title);
  y += title_box.height() + kGap;

  // The picture keeps its aspect: full width unless that makes it too tall.
  double pw = kContentWidth;
  double ph = pw * content.picture_height / content.picture_width;
  if (ph > kMaxPictureHeight) {
    ph = kMaxPictureHeight;
    pw = ph * content.picture_width / content.picture_height;
  }
  const QRectF picture(kMargin + (kContentWidth - pw) / 2, y, pw, ph);
  QSvgRenderer player(content.picture_svg);
  if (!player.isValid()) throw ExportError("The picture could not be prepared for printing.");
  // The recording holds what the curves draw beyond the area too; the page shows the area.
  painter.save();
  painter.setClipRect(picture);
  player.render(&painter, picture);
  painter.restore();
  painter.setPen(QPen(Qt::black, 0.5));
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(picture);
  y += ph + kGap;

  painter.setFont(PageFont(kTermSize));
  const double term_row = QFontMetricsF(painter.font()).height() + 2;
  for (const PageTerm& t : content.terms) {
    painter.setPen(QColor(t.colour.r, t.colour.g, t.colour.b));
    const std::string line = (t.name.empty() ? std::string() : t.name + ": ") + "Y = " + t.term;
    painter.drawText(QRectF(kMargin, y, kContentWidth, term_row), Qt::AlignLeft | Qt::TextSingleLine, Text(line));
    y += term_row;
  }
  y += kGap;

  painter.setPen(Qt::black);
  painter.setFont(PageFont(kListSize));
  ColumnWriter list(painter, device, y);
  const std::size_t results = std::min(content.results.size(), kMaxPageLines);
  if (results > 0) {
    list.WriteBalanced(std::vector<std::string>(content.results.begin(),
                                                content.results.begin() + static_cast<std::ptrdiff_t>(results)));
  }
  if (!content.value_table.empty()) {
    list.NewPage();
    const std::size_t rows = std::min(content.value_table.size(), kMaxPageLines);
    for (std::size_t i = 0; i < rows; ++i) list.Write(content.value_table[i]);
  }
  if (!painter.end()) throw ExportError("Printing failed.");
  return 1 + list.NewPages();
}

QByteArray RenderPagePdf(const PageContent& content) {
  QBuffer buffer;
  buffer.open(QIODevice::WriteOnly);
  {
    QPdfWriter writer(&buffer);
    writer.setResolution(kPdfResolution);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()));
    writer.setTitle(content.title);
    writer.setCreator(QStringLiteral("Plotwerk"));
    PaintPages(writer, content);
  }
  return buffer.data();
}

void WritePagePdf(const QString& path, const PageContent& content) {
  const QByteArray pdf = RenderPagePdf(content);
  WriteFileAtomically(path, std::span<const std::uint8_t>(reinterpret_cast<const std::uint8_t*>(pdf.constData()),
                                                          static_cast<std::size_t>(pdf.size())));
}

}  // namespace plotwerk::platform
