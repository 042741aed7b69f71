// The main window: its controls and menu as laid out at the design size, the repaint path and
// the handlers that are not navigation, animation or export.
#include "ui/main_window.h"

#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>
#include <QWindow>

#include <cmath>
#include <exception>
#include <string_view>
#include <variant>

#include "fktint/fktint.h"
#include "platform/qt_canvas.h"
#include "plot/field_length.h"
#include "plot/texts.h"
#include "uableitung/uableitung.h"
#include "ui/derivative_status.h"
#include "ui/control_binding.h"
#include "ui/about_window.h"
#include "ui/window_extension.h"
#include "ui/window_fit.h"

namespace plotwerk::ui {

namespace {

// Design size of the client area below the menu: the drawing area is 846 x 597 pixels with the
// result memo hidden, the term panel 89 high below it and the option column 196 wide beside it.
constexpr int kNavigationPanelHeight = 70;
constexpr int kTermPanelHeight = 89;
constexpr int kClientWidth = plot::kDefaultAreaWidth + kOptionColumnWidth;
constexpr int kClientHeight = plot::kDefaultAreaHeight + kTermPanelHeight;
// The term panel gets no narrower than this; its fields shrink down to it (see window_fit.h).
constexpr int kTermPanelMinWidth = kTermPanelLeastWidth;
// The scrolling part of the option column needs this much height to show its last control.
constexpr int kOptionColumnMinHeight = 494;
// Below it, always in sight, the panel with "Draw" and "Result List".
constexpr int kPinnedPanelHeight = 70;
// A drawing area never gets smaller than this, so the mapping never divides by zero.
constexpr int kPaintBoxMinSize = 40;

constexpr int kAnimationIntervalMs = 25;
constexpr int kStepperMin = -10000;
constexpr int kStepperMax = 10000;

// Heights of the controls at the design size, as the toolkit of the layout draws them.
constexpr int kCheckBoxHeight = 17;
constexpr int kEditHeight = 21;
constexpr int kTermEditHeight = 24;
constexpr int kDeriveButtonWidth = 48;
constexpr int kDeriveButtonHeight = 25;
constexpr int kStepperWidth = 17;
constexpr int kStepperHeight = 24;
constexpr int kSpeedButtonSize = 23;
constexpr int kSpeedButtonHeight = 22;
// The interval row: its caption, the field of the lower bound and the width of both fields.
constexpr int kIntervalCaptionLeft = 12;
constexpr int kIntervalFromLeft = 42;
constexpr int kIntervalFieldWidth = 32;

const QColor kPanelGrey(240, 240, 240);
const QColor kNavy(0, 0, 128);

QFont UiFont(const QStringList& families, double points, bool bold = false) {
  QFont font;
  font.setFamilies(families);
  font.setPointSizeF(points);
  font.setBold(bold);
  return font;
}

// Verdana where it is installed; DejaVu Sans, drawn after the same model, elsewhere.
QFont Verdana(double points) { return UiFont({"Verdana", "DejaVu Sans"}, points); }

QWidget* Panel(QWidget* parent, const char* name, const QColor& colour) {
  auto* panel = new QWidget(parent);
  panel->setObjectName(name);
  panel->setAutoFillBackground(true);
  QPalette palette = panel->palette();
  palette.setColor(QPalette::Window, colour);
  panel->setPalette(palette);
  return panel;
}

// A layout whose parts touch each other and the edges of their panel.
template <typename L>
L* Seamless(L* layout) {
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  return layout;
}

template <typename W>
W* Named(W* widget, const char* name) {
  widget->setObjectName(name);
  return widget;
}

// A control whose design height is `box` is centred on that box, so captions line up with the
// edit fields beside them whatever height the style gives the control.
void PlaceCentred(QWidget* w, int x, int y, int width, int box) {
  const int h = std::max(box, w->sizeHint().height());
  w->setGeometry(x, y + (box - h) / 2, width, h);
}

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text, int x, int y,
                  int width = -1) {
  auto* label = Named(new QLabel(text, parent), name);
  label->setTextFormat(Qt::PlainText);
  const QSize hint = label->sizeHint();
  label->setGeometry(x, y, width < 0 ? hint.width() : width, hint.height());
  return label;
}

// The start value of the control with the code name `name` as its text, from the one list of
// controls, so the window starts where a fresh snapshot does.
std::string StartValue(std::string_view name) {
  static const plot::Controls start;
  return ControlText(start, name).value_or("");
}

bool StartChecked(std::string_view name) { return StartValue(name) == "1"; }

QCheckBox* MakeCheckBox(QWidget* parent, const char* name, const QString& text, int x, int y, int width) {
  auto* box = Named(new QCheckBox(text, parent), name);
  box->setChecked(StartChecked(name));
  PlaceCentred(box, x, y, width, kCheckBoxHeight);
  return box;
}

TermEdit* MakeEdit(QWidget* parent, const char* name, int x, int y, int width, int height = kEditHeight) {
  auto* edit = Named(new TermEdit(QString::fromLatin1(StartValue(name)), parent), name);
  edit->setGeometry(x, y, width, height);
  return edit;
}

UpDown* MakeStepper(QWidget* parent, const char* name, int x, int y, int min, int max,
                    int position, int height = kStepperHeight) {
  auto* stepper = Named(new UpDown(min, max, position, parent), name);
  stepper->setGeometry(x, y, kStepperWidth, height);
  return stepper;
}

QAction* MakeItem(QMenu* menu, const char* name, const QString& caption, bool checkable = false) {
  QAction* item = menu->addAction(caption);
  item->setObjectName(name);
  if (checkable) {
    item->setCheckable(true);
    item->setChecked(StartChecked(name));
  }
  return item;
}

void MakeSeparator(QMenu* menu, const char* name) { menu->addSeparator()->setObjectName(name); }

// True for the windows of the program whose closing counts as returning to the main window:
// its own forms (the About window), not menus, tooltips or the platform's dialogs.
bool IsProgramForm(QWindow* window) {
  for (QWidget* w : QApplication::topLevelWidgets()) {
    if (w->windowHandle() == window) return w->property(kProgramFormProperty).toBool();
  }
  return false;
}

// The option column, row by row from the top, as data: what each widget is (the member it goes
// into), its object name, its caption and where it stands at the design size. The order is the
// order of creation; the tab order is set in SetTabOrder.
using OptionSlot = std::variant<QLabel* OptionWidgets::*, TermEdit* OptionWidgets::*, UpDown* OptionWidgets::*,
                                QCheckBox* OptionWidgets::*, QRadioButton* OptionWidgets::*,
                                QPushButton* OptionWidgets::*>;

struct StepperRange {
  int min = kStepperMin;
  int max = kStepperMax;
};

struct OptionRow {
  OptionSlot slot;
  const char* name;
  // English, translated in the window's context; signs and the captions the drawing rewrites
  // have no entry in the catalogue and stay as they are. Empty: no caption.
  const char* caption;
  // x, y, width, height at the design size. A width of 0 is the caption's own width, a height
  // of 0 the usual height of the kind (a check box or radio button is centred on that height).
  QRect place;
  StepperRange range = {};
};

// Check boxes of the left column reach the right column at 100; those alone on their row reach
// the panel's edge.
constexpr int kLeft = 12, kRight = 100, kEdge = kOptionColumnWidth;
constexpr int kLeftWidth = kRight - kLeft, kRightWidth = kEdge - kRight, kFullWidth = kEdge - kLeft;
// The captions right of the point fields, and of the integral and the area.
constexpr int kPointCaptionLeft = 145, kAreaCaptionLeft = 104;

const OptionRow kOptionRows[] = {
    {&OptionWidgets::graph_width_label, "graph_width_label",
     QT_TRANSLATE_NOOP("plotwerk::ui::MainWindow", "Graph width"), {24, 16, 0, 0}},
    {&OptionWidgets::graph_width_text, "graph_width_text", "", {98, 11, 36, 0}},
    {&OptionWidgets::graph_width, "graph_width", "", {134, 11, kStepperWidth, kEditHeight},
     {plot::kMinGraphWidth, plot::kMaxGraphWidth}},
    {&OptionWidgets::first_derivative, "first_derivative",
     QT_TRANSLATE_NOOP("plotwerk::ui::MainWindow", "1st derivat."), {kLeft, 41, kLeftWidth, 0}},
    {&OptionWidgets::second_derivative, "second_derivative",
     QT_TRANSLATE_NOOP("plotwerk::ui::MainWindow", "2nd derivat."), {kRight, 41, kRightWidth, 0}},
    {&OptionWidgets::zeros, "zeros",
     QT_TRANSLATE_NOOP("plotwerk::ui::MainWindow", "Zeros"), {kLeft, 59, kLeftWidth, 0}},
    {&OptionWidgets::extrema, "extrema",
     QT_TRANSLATE_NOOP("plotwerk::ui::MainWindow", "Extrema"), {kRight, 59, kRightWidth, 0}},
    {&OptionWidgets::inflections, "inflections",
     QT_TRANSLATE_NOOP("plotwerk::ui::MainWindow", "Inflection p."), {kLeft, 77, kLeftWidth, 0}},
    {&OptionWidgets::inflection_tangents, "inflection_tangents",
     QT_TRANSLATE_NOOP("plotwerk::ui::MainWindow", "Infl. tangent"), {kRight, 77, kRightWidth, 0}},
    {&OptionWidgets::antiderivative, "antiderivative",
     QT_TRANSLATE_NOOP("plotwerk::ui::MainWindow", "Antiderivative"), {kLeft, 95, kFullWidth, 0}},
    {&OptionWidgets::intersections, "intersections",
     QT_TRANSLATE_NOOP("plotwerk::ui::MainWindow", "Intersection"), {kLeft, 113, kLeftWidth, 0}},
    {&OptionWidgets::show_points, "show_points",
     QT_TRANSLATE_NOOP("plotwerk::ui::MainWindow", "Show points"), {kRight, 113, kRightWidth, 0}},
    {&OptionWidgets::domain_label, "domain_label",
     QT_TRANSLATE_NOOP("plotwerk::ui::MainWindow", "Domain"), {8, 140, 0, 0}},
    {&OptionWidgets::domain_from, "domain_from", "", {56, 136, 41, 0}},
    {&OptionWidgets::domain_between_label, "domain_between_label", "< x <", {104, 140, 0, 0}},
    {&OptionWidgets::domain_to, "domain_to", "", {144, 136, 41, 0}},
    {&OptionWidgets::parameter_p_label, "parameter_p_label",
     QT_TRANSLATE_NOOP("plotwerk::ui::MainWindow", "Parameter P = "), {16, 176, 0, 0}},
    {&OptionWidgets::parameter_p, "parameter_p", "", {106, 171, 41, 0}},
    {&OptionWidgets::parameter_p_stepper, "parameter_p_stepper", "", {148, 169, kStepperWidth, 0}},
    {&OptionWidgets::parameter_q_label, "parameter_q_label",
     QT_TRANSLATE_NOOP("plotwerk::ui::MainWindow", "Parameter Q = "), {16, 200, 0, 0}},
    {&OptionWidgets::parameter_q, "parameter_q", "", {106, 195, 41, 0}},
    {&OptionWidgets::parameter_q_stepper, "parameter_q_stepper", "", {148, 193, kStepperWidth, 0}},
    {&OptionWidgets::family, "family",
     QT_TRANSLATE_NOOP("plotwerk::ui::MainWindow", "Array of functions d ="), {kLeft, 222, 160 - kLeft, 0}},
    {&OptionWidgets::family_step, "family_step", "", {160, 220, 32, 0}},
    {&OptionWidgets::point_a, "point_a",
     QT_TRANSLATE_NOOP("plotwerk::ui::MainWindow", "Point A ("), {kLeft, 248, 84 - kLeft, 0}},
    {&OptionWidgets::point_a_x, "point_a_x", "", {84, 246, 41, 0}},
    {&OptionWidgets::point_a_stepper, "point_a_stepper", "", {125, 245, kStepperWidth, 0}},
    {&OptionWidgets::point_a_y_caption, "point_a_y_caption",
     ";       )", {kPointCaptionLeft, 250, kEdge - kPointCaptionLeft, 0}},
    {&OptionWidgets::point_b, "point_b",
     QT_TRANSLATE_NOOP("plotwerk::ui::MainWindow", "Point B ("), {kLeft, 272, 84 - kLeft, 0}},
    {&OptionWidgets::point_b_x, "point_b_x", "", {84, 270, 41, 0}},
    {&OptionWidgets::point_b_stepper, "point_b_stepper", "", {125, 269, kStepperWidth, 0}},
    {&OptionWidgets::point_b_y_caption, "point_b_y_caption",
     ";       )", {kPointCaptionLeft, 274, kEdge - kPointCaptionLeft, 0}},
    {&OptionWidgets::tangent, "tangent",
     QT_TRANSLATE_NOOP("plotwerk::ui::MainWindow", "Tangent A"), {kLeft, 296, kLeftWidth, 0}},
    {&OptionWidgets::normal, "normal",
     QT_TRANSLATE_NOOP("plotwerk::ui::MainWindow", "Normal A"), {kRight, 296, kRightWidth, 0}},
    {&OptionWidgets::secant, "secant",
     QT_TRANSLATE_NOOP("plotwerk::ui::MainWindow", "Secant AB"), {kLeft, 315, kFullWidth, 0}},
    {&OptionWidgets::integral, "integral",
     QT_TRANSLATE_NOOP("plotwerk::ui::MainWindow", "Integral AB"), {kLeft, 334, kAreaCaptionLeft - kLeft, 0}},
    {&OptionWidgets::integral_caption, "integral_caption",
     "= ", {kAreaCaptionLeft, 335, kEdge - kAreaCaptionLeft, 0}},
    {&OptionWidgets::area_label, "area_label",
     QT_TRANSLATE_NOOP("plotwerk::ui::MainWindow", "Area AB"), {47, 355, 0, 0}},
    {&OptionWidgets::area_caption, "area_caption", "= ", {kAreaCaptionLeft, 355, kEdge - kAreaCaptionLeft, 0}},
    {&OptionWidgets::animate_point_a, "animate_point_a",
     QT_TRANSLATE_NOOP("plotwerk::ui::MainWindow", "Point A"), {104, 380, kRightWidth, 0}},
    {&OptionWidgets::animation_button, "animation_button",
     QT_TRANSLATE_NOOP("plotwerk::ui::MainWindow", "Animation"), {14, 394, 80, 25}},
    {&OptionWidgets::animate_point_b, "animate_point_b",
     QT_TRANSLATE_NOOP("plotwerk::ui::MainWindow", "Point B"), {104, 396, kRightWidth, 0}},
    {&OptionWidgets::animate_parameter, "animate_parameter",
     QT_TRANSLATE_NOOP("plotwerk::ui::MainWindow", "Parameter"), {104, 412, kRightWidth, 0}},
    {&OptionWidgets::interval_label, "interval_label",
     QT_TRANSLATE_NOOP("plotwerk::ui::MainWindow", "from          to"), {kIntervalCaptionLeft, 440, 0, 0}},
    {&OptionWidgets::interval_from, "interval_from", "", {kIntervalFromLeft, 436, kIntervalFieldWidth, 0}},
    {&OptionWidgets::interval_to, "interval_to", "", {98, 436, kIntervalFieldWidth, 0}},
    // The step of the animation is marked with a capital delta.
    {&OptionWidgets::animation_step_label, "animation_step_label", "\u0394", {138, 437, 0, 0}},
    {&OptionWidgets::animation_step, "animation_step", "", {152, 436, 32, 0}},
    {&OptionWidgets::value_table, "value_table",
     QT_TRANSLATE_NOOP("plotwerk::ui::MainWindow", "Value table in list"), {kLeft, 467, kFullWidth, 0}},
};

template <class... F>
struct Overloaded : F... {
  using F::operator()...;
};
template <class... F>
Overloaded(F...) -> Overloaded<F...>;

// Makes the widget of one row, puts it into its member and places it.
void BuildOptionRow(OptionWidgets& widgets, QWidget* panel, const OptionRow& row) {
  const QString caption = QCoreApplication::translate("plotwerk::ui::MainWindow", row.caption);
  const int x = row.place.x(), y = row.place.y(), width = row.place.width();
  const auto height = [&row](int usual) { return row.place.height() > 0 ? row.place.height() : usual; };
  std::visit(Overloaded{
                 [&](QLabel* OptionWidgets::*slot) {
                   widgets.*slot = MakeLabel(panel, row.name, caption, x, y, width > 0 ? width : -1);
                 },
                 [&](TermEdit* OptionWidgets::*slot) {
                   widgets.*slot = MakeEdit(panel, row.name, x, y, width, height(kEditHeight));
                 },
                 [&](UpDown* OptionWidgets::*slot) {
                   const std::string start = StartValue(row.name);
                   widgets.*slot = MakeStepper(panel, row.name, x, y, row.range.min, row.range.max,
                                              start.empty() ? 0 : std::stoi(start), height(kStepperHeight));
                 },
                 [&](QCheckBox* OptionWidgets::*slot) {
                   widgets.*slot = MakeCheckBox(panel, row.name, caption, x, y, width);
                 },
                 [&](QRadioButton* OptionWidgets::*slot) {
                   auto* radio = Named(new QRadioButton(caption, panel), row.name);
                   PlaceCentred(radio, x, y, width, kCheckBoxHeight - 1);
                   radio->setChecked(StartChecked(row.name));
                   widgets.*slot = radio;
                 },
                 [&](QPushButton* OptionWidgets::*slot) {
                   widgets.*slot = Named(new QPushButton(caption, panel), row.name);
                   (widgets.*slot)->setGeometry(row.place);
                 },
             },
             row.slot);
}

// The spaces of the interval caption make room for the field of the lower bound; fonts with
// narrower spaces than the design's get extra word spacing, so "to" still stands clear right of
// the field.
void FitIntervalCaption(QLabel& label) {
  constexpr int kToLeft = kIntervalFromLeft + kIntervalFieldWidth + 3;
  const QString caption = label.text();
  const QString lead = caption.left(caption.lastIndexOf(QLatin1Char(' ')) + 1);
  const int missing = kToLeft - kIntervalCaptionLeft - label.fontMetrics().horizontalAdvance(lead);
  if (missing > 0) {
    QFont font = label.font();
    font.setWordSpacing(std::ceil(missing / 10.0));
    label.setFont(font);
    label.resize(label.sizeHint());
  }
}

}  // namespace

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent) {
  setObjectName("MainWindow");
  setWindowTitle(MainWindowTitle());
  // System menu and maximise box, no minimise box.
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint);
  setFont(UiFont({"MS Sans Serif", "DejaVu Sans"}, 8));

  BuildLayout();
  BuildMenu();
  SetTabOrder();

  animation_timer_ = Named(new QTimer(this), "animation_timer");
  animation_timer_->setInterval(kAnimationIntervalMs);

  Wire();

  // The design size where the screen has room; on a smaller screen the drawing area gives way
  // and the option column scrolls.
  const QSize wanted(kClientWidth,
                     kClientHeight + status_line_->height() + menuBar()->sizeHint().height());
  QRect area(QPoint(0, 0), wanted);
  if (QScreen* screen = QGuiApplication::primaryScreen()) area = screen->availableGeometry();
  setGeometry(InitialGeometry(wanted, area));

  for (WindowExtension install : RegisteredWindowExtensions()) install(*this);
}

MainWindow::~MainWindow() = default;

QString MainWindowTitle() { return QCoreApplication::translate("plotwerk::ui::MainWindow", kMainWindowTitle); }

// ---------------------------------------------------------------------------------------------
// Layout

void MainWindow::BuildLayout() {
  panels_.central_panel = Panel(this, "central_panel", Qt::white);
  setCentralWidget(panels_.central_panel);
  auto* central_layout = Seamless(new QHBoxLayout(panels_.central_panel));

  panels_.picture_panel = Panel(panels_.central_panel, "picture_panel", Qt::white);
  panels_.option_column = Panel(panels_.central_panel, "option_column", kPanelGrey);
  panels_.option_column->setFixedWidth(kOptionColumnWidth);
  panels_.picture_panel->setMinimumWidth(kTermPanelMinWidth);
  central_layout->addWidget(panels_.picture_panel, 1);
  central_layout->addWidget(panels_.option_column);

  auto* column_layout = Seamless(new QVBoxLayout(panels_.option_column));
  panels_.navigation_panel = Panel(panels_.option_column, "navigation_panel", kPanelGrey);
  panels_.navigation_panel->setFixedHeight(kNavigationPanelHeight);
  panels_.options_panel = Panel(panels_.option_column, "options_panel", kPanelGrey);
  panels_.options_panel->setMinimumHeight(kOptionColumnMinHeight);
  // On a low screen the option column scrolls instead of losing its lower controls.
  auto* option_scroll = Named(new QScrollArea(panels_.option_column), "options_scroll");
  option_scroll->setFrameShape(QFrame::NoFrame);
  option_scroll->setWidgetResizable(true);
  option_scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  option_scroll->setWidget(panels_.options_panel);
  // "Draw" and "Result List" stay in sight below the scrolling part, however low the screen.
  panels_.draw_panel = Panel(panels_.option_column, "draw_panel", kPanelGrey);
  panels_.draw_panel->setFixedHeight(kPinnedPanelHeight);
  column_layout->addWidget(panels_.navigation_panel);
  column_layout->addWidget(option_scroll, 1);
  column_layout->addWidget(panels_.draw_panel);

  // The term panel runs along the whole bottom; the memo and the drawing area share the rest.
  auto* picture_layout = Seamless(new QVBoxLayout(panels_.picture_panel));
  auto* upper = Seamless(new QHBoxLayout);
  result_memo_ = Named(new QPlainTextEdit(panels_.picture_panel), "result_memo");
  result_memo_->setFixedWidth(kResultMemoLeastWidth);
  result_memo_->setFont(Verdana(8));
  // The memo widens to its longest line as far as the window allows (window_fit.cpp); a line
  // longer still wraps rather than being cut.
  result_memo_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  result_memo_->setReadOnly(true);
  result_memo_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  result_memo_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  result_memo_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  result_memo_->hide();
  drawing_area_ = Named(new PaintBox(panels_.picture_panel), "drawing_area");
  drawing_area_->setFont(Verdana(8));
  drawing_area_->setMinimumSize(kPaintBoxMinSize, kPaintBoxMinSize);
  drawing_area_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
  upper->addWidget(result_memo_);
  upper->addWidget(drawing_area_, 1);
  panels_.term_panel = Panel(panels_.picture_panel, "term_panel", kPanelGrey);
  panels_.term_panel->setFixedHeight(kTermPanelHeight);
  status_line_ = new StatusLine(panels_.picture_panel);
  picture_layout->addLayout(upper, 1);
  picture_layout->addWidget(status_line_);
  picture_layout->addWidget(panels_.term_panel);

  BuildNavigationPanel();
  BuildOptionColumn();
  BuildTermPanel();
}

void MainWindow::BuildNavigationPanel() {
  panels_.navigation_panel->setFont(Verdana(9));
  QPalette palette = panels_.navigation_panel->palette();
  palette.setColor(QPalette::WindowText, kNavy);
  panels_.navigation_panel->setPalette(palette);

  navigation_.navigation_caption =
      MakeLabel(panels_.navigation_panel, "navigation_caption", tr("Coordinate system"), 16, 8);
  auto button = [&](const char* name, Glyph glyph, const QString& hint, int x, int y) {
    auto* b = Named(new SpeedButton(glyph, hint, panels_.navigation_panel), name);
    b->setGeometry(x, y, kSpeedButtonSize, kSpeedButtonHeight);
    return b;
  };
  navigation_.move_left_button = button("move_left_button", Glyph::ArrowLeft, {}, 18, 33);
  navigation_.move_up_button = button("move_up_button", Glyph::ArrowUp, {}, 40, 24);
  navigation_.move_down_button = button("move_down_button", Glyph::ArrowDown, {}, 40, 46);
  navigation_.move_right_button = button("move_right_button", Glyph::ArrowRight, {}, 62, 33);
  navigation_.zoom_in_button = button("zoom_in_button", Glyph::ZoomIn, tr("Zoom in"), 96, 33);
  navigation_.zoom_out_button = button("zoom_out_button", Glyph::ZoomOut, tr("Zoom out"), 120, 33);
  navigation_.basic_setting_button = button("basic_setting_button", Glyph::Reset, tr("Basic setting"), 144, 33);
}

void MainWindow::BuildOptionColumn() {
  QWidget* p = panels_.options_panel;
  p->setFont(Verdana(8));
  QPalette palette = p->palette();
  palette.setColor(QPalette::WindowText, Qt::black);
  p->setPalette(palette);
  for (const OptionRow& row : kOptionRows) BuildOptionRow(options_, p, row);

  options_.graph_width->SetAssociate(options_.graph_width_text);
  options_.animated_choice = Named(new QButtonGroup(p), "animated_choice");
  options_.animated_choice->setExclusive(true);
  for (QRadioButton* rb : {options_.animate_point_a, options_.animate_point_b, options_.animate_parameter}) {
    options_.animated_choice->addButton(rb);
  }
  FitIntervalCaption(*options_.interval_label);
  options_.animation_step_label->setFont(Verdana(10));
  options_.animation_step_label->resize(options_.animation_step_label->sizeHint());

  QWidget* pinned = panels_.draw_panel;
  pinned->setFont(Verdana(8));
  pinned->setPalette(palette);
  options_.draw_button = Named(new QPushButton(tr("Draw"), pinned), "draw_button");
  options_.draw_button->setFont(Verdana(10));
  options_.draw_button->setGeometry(18, 8, 159, 25);
  options_.result_list = Named(new QCheckBox(tr("Result List"), pinned), "result_list");
  options_.result_list->setFont(Verdana(9));
  PlaceCentred(options_.result_list, 40, 44, kOptionColumnWidth - 40, kCheckBoxHeight);
}

void MainWindow::BuildTermPanel() {
  QWidget* p = panels_.term_panel;
  p->setFont(Verdana(10));
  // At the design width; LayoutTermPanel (window_fit.cpp) moves them when the panel is narrower.
  constexpr int kLeftField = kTermCheckLeft + kTermCheckWidth;
  constexpr int kRightCheck = kLeftField + kTermFieldDesignWidth + kTermFieldGap;
  constexpr int kRightField = kRightCheck + kTermCheckWidth;
  constexpr int kButtons = kRightField + kTermFieldDesignWidth + kTermButtonGap;
  terms_.f1_plotted = MakeCheckBox(p, "f1_plotted", "f1(x) =", kTermCheckLeft, 16, kTermCheckWidth);
  terms_.f1_term = MakeEdit(p, "f1_term", kLeftField, 12, kTermFieldDesignWidth, kTermEditHeight);
  terms_.f2_plotted = MakeCheckBox(p, "f2_plotted", "f2(x) =", kTermCheckLeft, 48, kTermCheckWidth);
  terms_.f2_term = MakeEdit(p, "f2_term", kLeftField, 44, kTermFieldDesignWidth, kTermEditHeight);
  terms_.f3_plotted = MakeCheckBox(p, "f3_plotted", "f3(x) =", kRightCheck, 16, kTermCheckWidth);
  terms_.f3_term = MakeEdit(p, "f3_term", kRightField, 12, kTermFieldDesignWidth, kTermEditHeight);
  terms_.f4_plotted = MakeCheckBox(p, "f4_plotted", "f4(x) =", kRightCheck, 48, kTermCheckWidth);
  terms_.f4_term = MakeEdit(p, "f4_term", kRightField, 44, kTermFieldDesignWidth, kTermEditHeight);
  terms_.derive_button = Named(new QPushButton("f1'(x)", p), "derive_button");
  terms_.derive_button->setGeometry(kButtons, 10, kDeriveButtonWidth, kDeriveButtonHeight);
  terms_.derive_twice_button = Named(new QPushButton("f1\"(x)", p), "derive_twice_button");
  terms_.derive_twice_button->setGeometry(kButtons, 42, kDeriveButtonWidth, kDeriveButtonHeight);
}

void MainWindow::BuildMenu() {
  QMenuBar* bar = menuBar();
  bar->setObjectName("main_menu");

  menu_.close_item = bar->addAction(tr("Close"));
  menu_.close_item->setObjectName("close_item");
  menu_.close_item->setShortcut(QKeySequence(Qt::Key_Escape));

  menu_.edit_menu = Named(bar->addMenu(tr("Edit")), "edit_menu");
  menu_.edit_menu->menuAction()->setObjectName("edit_menu");
  menu_.copy_vector_item = MakeItem(menu_.edit_menu, "copy_vector_item", tr("Copy vector graphic"));
  menu_.print_vector_item = MakeItem(menu_.edit_menu, "print_vector_item", tr("Print vector graphic"));
  menu_.save_vector_item = MakeItem(menu_.edit_menu, "save_vector_item", tr("Save vector graphic"));
  MakeSeparator(menu_.edit_menu, "results_separator");
  menu_.copy_results_item = MakeItem(menu_.edit_menu, "copy_results_item", tr("Copy result list"));
  menu_.copy_results_item->setEnabled(false);

  menu_.coordinate_menu = Named(bar->addMenu(tr("Coordinate system")), "coordinate_menu");
  menu_.coordinate_menu->menuAction()->setObjectName("coordinate_menu");
  QMenu* coordinates = menu_.coordinate_menu;
  menu_.axes = MakeItem(coordinates, "axes", tr("Represent axes"), true);
  menu_.bold_axes = MakeItem(coordinates, "bold_axes", tr("Highlight axes"), true);
  menu_.frame = MakeItem(coordinates, "frame", tr("Coordinate frame"), true);
  menu_.degrees = MakeItem(coordinates, "degrees", tr("Degrees on the x-axis"), true);
  menu_.radians = MakeItem(coordinates, "radians", tr("Radians on the x-axis"), true);
  MakeSeparator(coordinates, "grid_separator");
  menu_.grid = MakeItem(coordinates, "grid", tr("Grid"), true);
  menu_.fine_grid = MakeItem(coordinates, "fine_grid", tr("mm-Grid"), true);
  menu_.term_captions = MakeItem(coordinates, "term_captions", tr("Show function term"), true);
  menu_.coloured_graphs = MakeItem(coordinates, "coloured_graphs", tr("Colored function graphs"), true);
  MakeSeparator(coordinates, "interval_separator");
  menu_.shrink_interval_item = MakeItem(coordinates, "shrink_interval_item", tr("Decrease display interval"));
  menu_.widen_interval_item = MakeItem(coordinates, "widen_interval_item", tr("Increase display interval"));
  menu_.basic_setting_item = MakeItem(coordinates, "basic_setting_item", tr("Basic setting"));
  menu_.basic_setting_item->setShortcut(QKeySequence(Qt::Key_Space));
  menu_.adjust_y_item = MakeItem(coordinates, "adjust_y_item", tr("Adjust y-Resolution"));
  MakeSeparator(coordinates, "command_separator");
  menu_.animation_item = MakeItem(coordinates, "animation_item", tr("Animation"));
  menu_.animation_item->setShortcut(QKeySequence(Qt::Key_F2));
  menu_.draw_item = MakeItem(coordinates, "draw_item", tr("Draw"));
  // Listed first, Enter is the name the menu shows; Return is the same key on the main block.
  menu_.draw_item->setShortcuts({QKeySequence(Qt::Key_Enter), QKeySequence(Qt::Key_Return)});

  menu_.special_menu = Named(bar->addMenu(tr("Special functions")), "special_menu");
  menu_.special_menu->menuAction()->setObjectName("special_menu");
  QMenu* special = menu_.special_menu;
  menu_.mirror_in_x_axis = MakeItem(special, "mirror_in_x_axis", tr("f1(-x) , Reflection on y-axis"), true);
  menu_.mirror_in_origin = MakeItem(special, "mirror_in_origin", tr("-f1(-x) , Reflection on origin"), true);
  menu_.mirror_in_y_axis = MakeItem(special, "mirror_in_y_axis", tr("-f1(x) , Reflection on x-axis"), true);
  MakeSeparator(special, "shift_separator");
  menu_.shift_along_x =
      MakeItem(special, "shift_along_x", tr("f1(x+p) , Displacement along x-axis"), true);
  menu_.stretch_along_x = MakeItem(special, "stretch_along_x", tr("f1(p*x) , Stretching along x-axis"), true);
  menu_.shift_along_y =
      MakeItem(special, "shift_along_y", tr("f1(x)+p , Displacement along y-axis"), true);
  menu_.stretch_along_y = MakeItem(special, "stretch_along_y", tr("p*f1(x) , Stretching along y-axis"), true);
  MakeSeparator(special, "combine_separator");
  menu_.composition =
      MakeItem(special, "composition", tr("f1(f1(x)) , Successive execution"), true);
  menu_.sum_f1_f2 =
      MakeItem(special, "sum_f1_f2", tr("f1(x)+f2(x) , Addition of function values"), true);
  menu_.difference_f1_f2 =
      MakeItem(special, "difference_f1_f2", tr("f1(x)-f2(x) , Subtraction of function values"), true);
  menu_.product_f1_f2 = MakeItem(special, "product_f1_f2",
                                     tr("f1(x)*f2(x) , Multiplication of function values"), true);
  menu_.quotient_f1_f2 =
      MakeItem(special, "quotient_f1_f2", tr("f1(x)/f2(x) , Division of function values"), true);
  MakeSeparator(special, "inverse_separator");
  menu_.inverse_of_f1 =
      MakeItem(special, "inverse_of_f1", tr("Inverse curve to f1(x) , Reflection on y=x"), true);

  menu_.about_item = bar->addAction(tr("About ..."));
  menu_.about_item->setObjectName("about_item");
}

void MainWindow::SetTabOrder() {
  // Terms first (that is where one starts typing), then the option column from top to bottom;
  // the view buttons and the drawing area join the order in keyboard.cpp. The steppers take
  // no focus: the arrow keys in their fields step them.
  const TermWidgets& t = terms_;
  const OptionWidgets& o = options_;
  const std::vector<QWidget*> order = {
      t.f1_plotted, t.f1_term, t.f2_plotted, t.f2_term, t.f3_plotted, t.f3_term, t.f4_plotted, t.f4_term,
      t.derive_button, t.derive_twice_button, o.graph_width_text, o.first_derivative, o.second_derivative,
      o.zeros, o.extrema, o.inflections, o.inflection_tangents, o.antiderivative, o.intersections,
      o.show_points, o.domain_from, o.domain_to, o.parameter_p, o.parameter_q, o.family, o.family_step,
      o.point_a, o.point_a_x, o.point_b, o.point_b_x, o.tangent, o.normal, o.secant, o.integral,
      o.animation_button, o.animate_parameter, o.interval_from, o.interval_to, o.animation_step,
      o.value_table, o.draw_button, o.result_list, result_memo_};
  for (std::size_t i = 1; i < order.size(); ++i) setTabOrder(order[i - 1], order[i]);
  terms_.f1_term->setFocus();
}

void MainWindow::Wire() {
  connect(drawing_area_, &PaintBox::PaintRequested, this, &MainWindow::RedrawWithResults);
  connect(drawing_area_, &PaintBox::Resized, this, &MainWindow::OnDrawingAreaResized);

  connect(options_.draw_button, &QPushButton::clicked, this, &MainWindow::OnDrawClicked);
  connect(menu_.draw_item, &QAction::triggered, this, &MainWindow::OnDrawClicked);
  for (QCheckBox* term_box : {terms_.f1_plotted, terms_.f2_plotted, terms_.f3_plotted, terms_.f4_plotted}) {
    connect(term_box, &QCheckBox::toggled, this, &MainWindow::OnDrawClicked);
  }
  const OptionWidgets& o = options_;
  for (QCheckBox* option : {o.first_derivative, o.second_derivative, o.zeros, o.extrema, o.inflections,
                            o.inflection_tangents, o.antiderivative, o.intersections, o.show_points, o.family,
                            o.point_a, o.point_b, o.tangent, o.normal, o.secant, o.integral, o.value_table}) {
    connect(option, &QCheckBox::toggled, this, &MainWindow::RedrawWithResults);
  }
  connect(options_.result_list, &QCheckBox::toggled, this, &MainWindow::OnResultListToggled);
  connect(options_.graph_width_text, &QLineEdit::textChanged, this, &MainWindow::OnGraphWidthChanged);
  connect(terms_.derive_button, &QPushButton::clicked, this, &MainWindow::OnDeriveClicked);
  connect(terms_.derive_twice_button, &QPushButton::clicked, this, &MainWindow::OnDeriveTwiceClicked);

  connect(menu_.close_item, &QAction::triggered, this, &MainWindow::OnCloseClicked);
  connect(menu_.adjust_y_item, &QAction::triggered, this, &MainWindow::OnAdjustYClicked);
  connect(menu_.about_item, &QAction::triggered, this, &MainWindow::OnAboutClicked);
  const MenuItems& m = menu_;
  for (QAction* option : {m.axes, m.bold_axes, m.frame, m.degrees, m.radians, m.grid, m.fine_grid,
                          m.term_captions, m.coloured_graphs, m.mirror_in_x_axis, m.mirror_in_origin,
                          m.mirror_in_y_axis, m.shift_along_x, m.stretch_along_x, m.shift_along_y,
                          m.stretch_along_y, m.composition, m.sum_f1_f2, m.difference_f1_f2, m.product_f1_f2,
                          m.quotient_f1_f2, m.inverse_of_f1}) {
    connect(option, &QAction::triggered, this, &MainWindow::OnMenuOptionToggled);
  }

  // Remember when one of the program's own forms was active, so that coming back to this
  // window counts as an activation.
  connect(qApp, &QGuiApplication::focusWindowChanged, this, [this](QWindow* window) {
    if (window != nullptr && window != windowHandle() && IsProgramForm(window)) {
      other_window_was_active_ = true;
    }
  });
}

// ---------------------------------------------------------------------------------------------
// Repaint path

int MainWindow::PaintWidth() const { return drawing_area_->width(); }
int MainWindow::PaintHeight() const { return drawing_area_->height(); }

QImage MainWindow::RenderPicture(qreal device_pixel_ratio) {
  const plot::Controls controls = SnapshotControls();
  const int w = std::max(1, PaintWidth());
  const int h = std::max(1, PaintHeight());
  QImage picture;
  plot::Captions written;
  if (device_pixel_ratio == 1.0) {
    // The screen bitmap: every position the drawing computes is one pixel of the image.
    picture = QImage(w, h, QImage::Format_RGB32);
    picture.fill(Qt::white);
    platform::QtCanvas canvas(picture);
    canvas.SetSmooth(smooth_lines_);
    written = plotter_.Redraw(canvas, w, h, controls).captions;
  } else {
    // On a high-DPI screen the picture is still drawn in the area's own pixels (the ones the
    // mouse reports and the view is computed for), on an image of the screen's resolution:
    // lines and text come out crisp instead of blown up.
    picture = QImage(static_cast<int>(std::ceil(w * device_pixel_ratio)),
                     static_cast<int>(std::ceil(h * device_pixel_ratio)), QImage::Format_RGB32);
    picture.setDevicePixelRatio(device_pixel_ratio);
    picture.fill(Qt::white);
    platform::QtCanvas canvas(picture, w, h);
    canvas.SetSmooth(smooth_lines_);
    written = plotter_.Redraw(canvas, w, h, controls).captions;
  }
  // The drawing writes only the captions of what it draws; the others go back to their start
  // texts, so no number of an earlier picture stays behind.
  plot::ShownCaptions shown;
  shown.Update(written);
  options_.point_b_y_caption->setText(QString::fromLatin1(shown.point_b_y));
  options_.point_a_y_caption->setText(QString::fromLatin1(shown.point_a_y));
  options_.integral_caption->setText(QString::fromLatin1(shown.integral));
  options_.area_caption->setText(QString::fromLatin1(shown.area));
  return picture;
}

void MainWindow::Redraw() {
  // The first term's derivatives need the embedded rule table. When it does not inflate (a
  // broken build) the error is reported as the derivative buttons report it, once, and the area
  // keeps its last picture. The message waits for the event loop: a repaint may be running.
  try {
    drawing_area_->Show(RenderPicture(drawing_area_->devicePixelRatioF()));
  } catch (const uableitung::RuleTableError& e) {
    static bool reported = false;
    if (reported) return;
    reported = true;
    const QString text = QString::fromLatin1(e.what());
    QTimer::singleShot(0, this, [this, text] { QMessageBox::critical(this, MainWindowTitle(), text); });
  }
}

void MainWindow::RedrawWithResults() {
  Redraw();
  if (!result_memo_->isHidden()) ShowResultList();
  emit Repainted();
}

void MainWindow::ShowResultList() {
  QString text;
  for (const std::string& line : plotter_.Results().Lines()) {
    if (!text.isEmpty()) text += QLatin1Char('\n');
    text += QString::fromLatin1(line);
  }
  if (FitResultMemo(*this, text)) {
    // The drawing area beside the memo has changed its width: draw it again at once, so the
    // shown picture never has the old size. A longer list is no change of the view the user
    // asked for, so the view stays (and a worksheet opens to the picture it was saved with).
    const plot::PlotView view = plotter_.View();
    panels_.picture_panel->layout()->activate();
    plotter_.SetView(view);
    Redraw();
  }
  if (text == result_memo_->toPlainText()) return;
  // Keep the reader's place while the list is refreshed at every repaint (the animation).
  const int v = result_memo_->verticalScrollBar()->value();
  result_memo_->setPlainText(text);
  result_memo_->verticalScrollBar()->setValue(v);
}

// ---------------------------------------------------------------------------------------------
// Handlers

void MainWindow::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (!first_show_done_) {
    // The first activation: the window opens with the basic setting and the default terms.
    first_show_done_ = true;
    OnFirstShown();
  }
}

bool MainWindow::event(QEvent* e) {
  if (e->type() == QEvent::WindowActivate && first_show_done_ && other_window_was_active_) {
    // Back from another form of the program (the About window): the picture is drawn afresh,
    // but the view the user has set up stays.
    other_window_was_active_ = false;
    emit Activated();
    OnDrawClicked();
  }
  return QMainWindow::event(e);
}

void MainWindow::closeEvent(QCloseEvent* event) {
  animation_timer_->stop();
  QMainWindow::closeEvent(event);
}

void MainWindow::OnFirstShown() {
  emit Activated();
  plotter_.ApplyBasicSetting(PaintWidth(), PaintHeight());
  OnDrawClicked();
}

void MainWindow::MatchYToX() {
  const int w = PaintWidth(), h = PaintHeight();
  if (w <= 0 || h <= 0) return;
  plot::PlotView view = plotter_.View();
  view.y_min = h * view.x_min / w;
  view.y_max = h * view.x_max / w;
  plotter_.SetView(view);
}

void MainWindow::OnDrawingAreaResized() { MatchYToX(); }

void MainWindow::OnDrawClicked() {
  plotter_.DrawCommand(SnapshotControls());
  RedrawWithResults();
}

void MainWindow::OnCloseClicked() { close(); }

void MainWindow::OnResultListToggled() {
  const bool visible = result_memo_->isHidden();
  // Filled (and sized) before it is shown, so the drawing area gets its final width at once.
  if (visible) ShowResultList();
  result_memo_->setVisible(visible);
  // Lay the panel out now, so the drawing area has its new width for the y range below.
  panels_.picture_panel->layout()->activate();
  menu_.copy_results_item->setEnabled(visible);
  MatchYToX();
}

void MainWindow::OnMenuOptionToggled() { RedrawWithResults(); }

void MainWindow::OnGraphWidthChanged() { Redraw(); }

void MainWindow::OnAdjustYClicked() {
  MatchYToX();
  Redraw();
}

void MainWindow::OnAboutClicked() {
  AboutWindow about(this);
  about.exec();
  // Hand the activation back explicitly: without a window manager nobody else does.
  activateWindow();
}

namespace {

// The derivative of a field's text for a derivative button; an unreadable embedded rule table
// (a broken build) is reported and leaves the field as it was. When there is no derivative the
// status line says why.
bool DeriveInto(MainWindow& window, TermEdit& target, const std::string& term, int order) {
  try {
    std::string result = uableitung::DeriveTerm(term);
    QString failure;
    if (result.empty()) failure = DerivativeFailure(term, "f1(x)");
    if (order == 2 && failure.isEmpty()) {
      const std::string first = result;
      result = uableitung::DeriveTerm(first);
      if (result.empty()) failure = DerivativeFailure(first, "f1'(x)");
    }
    // A derivative too long for the field is no derivative, rather than a cut-off term.
    if (result.size() > static_cast<std::size_t>(plot::kMaxFieldLength)) {
      result.clear();
      failure = QCoreApplication::translate("DerivativeStatus", "the derivative of %1 would be too long")
                    .arg(order == 2 ? "f1'(x)" : "f1(x)");
    }
    target.setText(QString::fromLatin1(plot::ShownTerm(result)));
    window.Status()->SetDerivativeFailure(failure);
    return true;
  } catch (const std::exception& e) {
    QMessageBox::critical(&window, MainWindowTitle(), QString::fromLatin1(e.what()));
    return false;
  }
}

}  // namespace

void MainWindow::OnDeriveClicked() {
  if (DeriveInto(*this, *terms_.f3_term, terms_.f1_term->Latin1(), 1)) OnDrawClicked();
}

void MainWindow::OnDeriveTwiceClicked() {
  if (DeriveInto(*this, *terms_.f4_term, terms_.f1_term->Latin1(), 2)) OnDrawClicked();
}

// ---------------------------------------------------------------------------------------------

namespace {
std::vector<WindowExtension>& ExtensionRegistry() {
  static std::vector<WindowExtension> registry;
  return registry;
}
}  // namespace

WindowExtensionRegistration::WindowExtensionRegistration(WindowExtension install) {
  ExtensionRegistry().push_back(install);
}

const std::vector<WindowExtension>& RegisteredWindowExtensions() { return ExtensionRegistry(); }

}  // namespace plotwerk::ui
