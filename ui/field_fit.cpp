// Number fields show their whole text: a text wider than its field is set in a smaller font
// (down to kLeastPoints), and a field at the column's right edge may widen up to the edge.
#include <QEvent>
#include <QFontMetricsF>

#include <algorithm>
#include <vector>

#include "ui/main_window.h"
#include "ui/window_extension.h"
#include "ui/window_fit.h"

namespace plotwerk::ui {

namespace {

constexpr double kLeastPoints = 6;
// The frame and inner margins of an edit field, both sides together, and the cursor.
constexpr int kEditChrome = 9;
constexpr int kEdgeMargin = 2;

class FieldFit : public QObject {
 public:
  explicit FieldFit(MainWindow& window) : QObject(&window) {
    const OptionWidgets& o = window.Options();
    const struct {
      TermEdit* edit;
      bool may_widen;  // nothing stands to its right
    } fields[] = {{o.domain_from, false}, {o.domain_to, true},      {o.parameter_p, false},
                  {o.parameter_q, false}, {o.family_step, true},    {o.point_a_x, false},
                  {o.point_b_x, false},   {o.interval_from, false}, {o.interval_to, false},
                  {o.animation_step, true}};
    for (const auto& f : fields) {
      fields_.push_back({f.edit, f.edit->font(), f.edit->width(), f.may_widen});
      connect(f.edit, &QLineEdit::textChanged, this, [this, i = fields_.size() - 1] { Fit(fields_[i]); });
      Fit(fields_.back());
    }
  }

 private:
  struct Field {
    TermEdit* edit;
    QFont font;
    int design_width;
    bool may_widen;
  };

  static void Fit(const Field& f) {
    const double needed = QFontMetricsF(f.font).horizontalAdvance(f.edit->text());
    int width = f.design_width;
    if (f.may_widen && needed + kEditChrome > width) {
      const int edge = kOptionColumnWidth - kEdgeMargin - f.edit->x();
      width = std::max(width, std::min(edge, static_cast<int>(needed) + kEditChrome + 1));
    }
    if (width != f.edit->width()) f.edit->resize(width, f.edit->height());
    const double room = width - kEditChrome;
    QFont font = f.font;
    if (needed > room && room > 0) {
      font.setPointSizeF(std::max(kLeastPoints, f.font.pointSizeF() * room / needed));
    }
    if (font != f.edit->font()) f.edit->setFont(font);
  }

  std::vector<Field> fields_;
};

void InstallFieldFit(MainWindow& window) { new FieldFit(window); }
const WindowExtensionRegistration kFieldFit{&InstallFieldFit};

}  // namespace

}  // namespace plotwerk::ui
