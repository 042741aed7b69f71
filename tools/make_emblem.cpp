// Build tool: draws Plotwerk's emblem and writes it as a 138 x 150 GIF with a 256-colour palette
// (for the About window) and as a square PNG (the window icon); given an icon theme folder and an
// icon name, also the desktop icons: PNGs in the sizes a menu asks for and a scalable SVG.
//   make_emblem EMBLEM.gif ICON.png [THEME_DIR NAME]
#include <QColor>
#include <QDir>
#include <QFont>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QSvgGenerator>

#include <gif_lib.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr int kEmblemWidth = 138;
constexpr int kEmblemHeight = 150;
constexpr int kIconSize = 256;
// The hicolor sizes desktops and menus look for.
constexpr int kThemeIconSizes[] = {16, 22, 24, 32, 48, 64, 128, 256};
constexpr int kPaletteSize = 256;
// The last palette entry is the transparent one; the picture gets the other 255.
constexpr int kTransparentIndex = kPaletteSize - 1;
constexpr int kOpaqueColours = kPaletteSize - 1;
constexpr int kOpaqueAlpha = 128;

const QColor kNavy(0, 0, 128);
const QColor kGrid(196, 210, 232);
const QColor kCurveOne(220, 30, 40);
const QColor kCurveTwo(0, 110, 200);
const QColor kPointA(255, 255, 0);

// The scene in a unit box of 138 x 150 design units: a tile with a grid, the axes, the two
// opening curves of the program, the point A with its tangent.
void DrawEmblem(QPainter& p, const QRectF& target) {
  p.save();
  p.translate(target.topLeft());
  p.scale(target.width() / kEmblemWidth, target.height() / kEmblemHeight);
  p.setRenderHint(QPainter::Antialiasing);

  const QRectF tile(3, 3, kEmblemWidth - 6, kEmblemHeight - 6);
  QLinearGradient background(tile.topLeft(), tile.bottomLeft());
  background.setColorAt(0, QColor(246, 249, 255));
  background.setColorAt(1, QColor(214, 227, 246));
  QPainterPath tile_path;
  tile_path.addRoundedRect(tile, 16, 16);
  p.fillPath(tile_path, background);

  // What lies on the tile is cut to it by geometry rather than by a clip region, so that the
  // scalable icon (the SVG writer keeps no clipping) looks like the pixel ones.
  auto stroke = [&](const QPainterPath& path, const QPen& pen) {
    QPainterPathStroker stroker(pen);
    p.fillPath(stroker.createStroke(path).intersected(tile_path), pen.color());
  };
  auto line = [&](QPointF a, QPointF b, const QPen& pen) {
    QPainterPath path(a);
    path.lineTo(b);
    stroke(path, pen);
  };

  // World: x from -5.5 to 5.5, y from -4 to 8, centred in the tile.
  const double unit = 11.0;
  const QPointF origin(tile.center().x(), tile.top() + 8.6 * unit);
  auto to_pixel = [&](double x, double y) { return QPointF(origin.x() + x * unit, origin.y() - y * unit); };

  for (int i = -6; i <= 6; ++i) {
    line(to_pixel(i, -6), to_pixel(i, 10), QPen(kGrid, 1));
  }
  for (int j = -5; j <= 9; ++j) {
    line(to_pixel(-7, j), to_pixel(7, j), QPen(kGrid, 1));
  }

  line(to_pixel(-6, 0), to_pixel(5.6, 0), QPen(kNavy, 1.6));
  line(to_pixel(0, -6), to_pixel(0, 7.8), QPen(kNavy, 1.6));
  p.setBrush(kNavy);
  p.setPen(Qt::NoPen);
  const QPointF x_tip = to_pixel(5.9, 0), y_tip = to_pixel(0, 8.1);
  p.drawPolygon(QPolygonF({x_tip, x_tip + QPointF(-7, -3.5), x_tip + QPointF(-7, 3.5)}));
  p.drawPolygon(QPolygonF({y_tip, y_tip + QPointF(-3.5, 7), y_tip + QPointF(3.5, 7)}));

  auto curve = [&](auto f, const QColor& colour) {
    QPainterPath path;
    constexpr int kSteps = 240;
    for (int i = 0; i <= kSteps; ++i) {
      const double x = -6.5 + 13.0 * i / kSteps;
      const QPointF pt = to_pixel(x, f(x));
      if (i == 0) path.moveTo(pt);
      else path.lineTo(pt);
    }
    stroke(path, QPen(colour, 3.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  };
  curve([](double x) { return x * x / 4 - 2; }, kCurveTwo);
  curve([](double x) { return x * std::sin(x + 1); }, kCurveOne);

  // Point A at x = -2.6 with its tangent.
  const double a = -2.6;
  const double fa = a * std::sin(a + 1);
  const double slope = std::sin(a + 1) + a * std::cos(a + 1);
  line(to_pixel(a - 2.4, fa - 2.4 * slope), to_pixel(a + 2.4, fa + 2.4 * slope),
       QPen(QColor(40, 40, 40), 1.6, Qt::DashLine, Qt::RoundCap));
  p.setPen(QPen(Qt::black, 1.4));
  p.setBrush(kPointA);
  p.drawEllipse(to_pixel(a, fa), 5, 5);

  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(kNavy, 2.4));
  p.drawRoundedRect(tile, 16, 16);
  p.restore();
}

struct Box {
  std::vector<std::array<int, 3>> colours;
  int Range(int channel) const {
    int lo = 255, hi = 0;
    for (const auto& c : colours) {
      lo = std::min(lo, c[channel]);
      hi = std::max(hi, c[channel]);
    }
    return hi - lo;
  }
};

// Median cut: splits the colour set at the median of its widest channel until there are as
// many boxes as palette entries; each box's mean is one colour.
std::vector<std::array<int, 3>> MedianCut(std::vector<std::array<int, 3>> colours, int count) {
  std::vector<Box> boxes{Box{std::move(colours)}};
  while (static_cast<int>(boxes.size()) < count) {
    int best = -1, best_range = 0, best_channel = 0;
    for (int i = 0; i < static_cast<int>(boxes.size()); ++i) {
      if (boxes[i].colours.size() < 2) continue;
      for (int ch = 0; ch < 3; ++ch) {
        const int r = boxes[i].Range(ch);
        if (r > best_range) best = i, best_range = r, best_channel = ch;
      }
    }
    if (best < 0) break;
    auto& v = boxes[best].colours;
    std::sort(v.begin(), v.end(), [&](const auto& l, const auto& r) { return l[best_channel] < r[best_channel]; });
    Box upper{std::vector<std::array<int, 3>>(v.begin() + v.size() / 2, v.end())};
    v.resize(v.size() / 2);
    boxes.push_back(std::move(upper));
  }
  std::vector<std::array<int, 3>> palette;
  for (const Box& box : boxes) {
    if (box.colours.empty()) continue;
    std::array<long, 3> sum{};
    for (const auto& c : box.colours) {
      for (int ch = 0; ch < 3; ++ch) sum[ch] += c[ch];
    }
    const long n = static_cast<long>(box.colours.size());
    palette.push_back({int(sum[0] / n), int(sum[1] / n), int(sum[2] / n)});
  }
  return palette;
}

bool WriteGif(const QImage& argb, const std::string& path) {
  const int w = argb.width(), h = argb.height();
  // Half-covered edge pixels are laid on white, the background the emblem is shown on.
  std::vector<std::array<int, 3>> opaque;
  std::vector<std::array<int, 3>> rgb(static_cast<std::size_t>(w) * h);
  std::vector<bool> transparent(rgb.size());
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      const QColor c = QColor::fromRgba(argb.pixel(x, y));
      const double alpha = c.alphaF();
      const std::size_t i = static_cast<std::size_t>(y) * w + x;
      auto over_white = [&](int v) { return int(std::lround(v * alpha + 255 * (1 - alpha))); };
      rgb[i] = {over_white(c.red()), over_white(c.green()), over_white(c.blue())};
      transparent[i] = c.alpha() < kOpaqueAlpha;
      if (!transparent[i]) opaque.push_back(rgb[i]);
    }
  }
  const auto palette = MedianCut(opaque, kOpaqueColours);

  std::vector<GifColorType> colours(kPaletteSize, GifColorType{255, 255, 255});
  for (std::size_t i = 0; i < palette.size(); ++i) {
    colours[i] = GifColorType{GifByteType(palette[i][0]), GifByteType(palette[i][1]), GifByteType(palette[i][2])};
  }
  std::vector<GifByteType> indices(rgb.size());
  for (std::size_t i = 0; i < rgb.size(); ++i) {
    if (transparent[i]) {
      indices[i] = kTransparentIndex;
      continue;
    }
    int best = 0;
    long best_distance = -1;
    for (std::size_t k = 0; k < palette.size(); ++k) {
      long d = 0;
      for (int ch = 0; ch < 3; ++ch) d += long(rgb[i][ch] - palette[k][ch]) * (rgb[i][ch] - palette[k][ch]);
      if (best_distance < 0 || d < best_distance) best = int(k), best_distance = d;
    }
    indices[i] = GifByteType(best);
  }

  const std::string temporary = path + ".part";
  int error = 0;
  GifFileType* gif = EGifOpenFileName(temporary.c_str(), false, &error);
  if (gif == nullptr) return false;
  EGifSetGifVersion(gif, true);
  ColorMapObject* map = GifMakeMapObject(kPaletteSize, colours.data());
  bool ok = map != nullptr && EGifPutScreenDesc(gif, w, h, 8, 0, map) == GIF_OK;
  GraphicsControlBlock gcb{};
  gcb.DisposalMode = DISPOSAL_UNSPECIFIED;
  gcb.UserInputFlag = false;
  gcb.DelayTime = 0;
  gcb.TransparentColor = kTransparentIndex;
  GifByteType extension[4];
  const size_t extension_length = EGifGCBToExtension(&gcb, extension);
  ok = ok && EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, int(extension_length), extension) == GIF_OK;
  ok = ok && EGifPutImageDesc(gif, 0, 0, w, h, false, nullptr) == GIF_OK;
  for (int y = 0; ok && y < h; ++y) {
    ok = EGifPutLine(gif, indices.data() + static_cast<std::size_t>(y) * w, w) == GIF_OK;
  }
  ok = EGifCloseFile(gif, &error) == GIF_OK && ok;
  if (map != nullptr) GifFreeMapObject(map);
  if (!ok || std::rename(temporary.c_str(), path.c_str()) != 0) {
    std::remove(temporary.c_str());
    return false;
  }
  return true;
}

// The emblem centred on a square of `size` units.
void DrawIcon(QPainter& p, double size) {
  const double scale = size / kEmblemHeight;
  const double w = kEmblemWidth * scale;
  DrawEmblem(p, QRectF((size - w) / 2, 0, w, size));
}

// Writes a file through a temporary name that replaces the target only when complete.
template <typename Write>
bool WriteReplacing(const std::string& path, Write write) {
  const std::string temporary = path + ".part";
  if (!write(temporary) || std::rename(temporary.c_str(), path.c_str()) != 0) {
    std::remove(temporary.c_str());
    std::fprintf(stderr, "make_emblem: cannot write %s\n", path.c_str());
    return false;
  }
  return true;
}

bool WritePngIcon(int size, const std::string& path) {
  QImage icon(size, size, QImage::Format_ARGB32_Premultiplied);
  icon.fill(Qt::transparent);
  {
    QPainter p(&icon);
    DrawIcon(p, size);
  }
  return WriteReplacing(path, [&](const std::string& temporary) {
    return icon.save(QString::fromLocal8Bit(temporary.c_str()), "PNG");
  });
}

bool WriteSvgIcon(const std::string& path) {
  return WriteReplacing(path, [&](const std::string& temporary) {
    QSvgGenerator svg;
    svg.setFileName(QString::fromLocal8Bit(temporary.c_str()));
    svg.setSize(QSize(kIconSize, kIconSize));
    svg.setViewBox(QRect(0, 0, kIconSize, kIconSize));
    svg.setTitle("Plotwerk");
    QPainter p;
    if (!p.begin(&svg)) return false;
    // The emblem has no text, but the writer records the painter's font: give it a real size.
    QFont font;
    font.setPixelSize(12);
    p.setFont(font);
    DrawIcon(p, kIconSize);
    return p.end();
  });
}

bool MakeDirectories(const QString& path) { return QDir().mkpath(path); }

// THEME_DIR/<n>x<n>/apps/NAME.png for every size and THEME_DIR/scalable/apps/NAME.svg.
bool WriteThemeIcons(const QString& theme_dir, const QString& name) {
  for (int size : kThemeIconSizes) {
    const QString dir = QStringLiteral("%1/%2x%2/apps").arg(theme_dir).arg(size);
    if (!MakeDirectories(dir) || !WritePngIcon(size, (dir + "/" + name + ".png").toStdString())) return false;
  }
  const QString dir = theme_dir + "/scalable/apps";
  return MakeDirectories(dir) && WriteSvgIcon((dir + "/" + name + ".svg").toStdString());
}

}  // namespace

int main(int argc, char* argv[]) {
  if (argc != 3 && argc != 5) {
    std::fprintf(stderr, "usage: make_emblem EMBLEM.gif ICON.png [THEME_DIR NAME]\n");
    return 2;
  }
  QImage emblem(kEmblemWidth, kEmblemHeight, QImage::Format_ARGB32_Premultiplied);
  emblem.fill(Qt::transparent);
  {
    QPainter p(&emblem);
    DrawEmblem(p, QRectF(0, 0, kEmblemWidth, kEmblemHeight));
  }
  if (!WriteGif(emblem.convertToFormat(QImage::Format_ARGB32), argv[1])) {
    std::fprintf(stderr, "make_emblem: cannot write %s\n", argv[1]);
    return 1;
  }

  if (!WritePngIcon(kIconSize, argv[2])) return 1;
  if (argc == 5 && !WriteThemeIcons(QString::fromLocal8Bit(argv[3]), QString::fromLocal8Bit(argv[4]))) return 1;
  return 0;
}
