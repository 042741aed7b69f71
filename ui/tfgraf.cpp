// The main window: its controls and menu as laid out at the design size, the repaint path and
// the handlers that are not navigation, animation or export.
#include "ui/tfgraf.h"

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

#include "fktint/fktint.h"
#include "platform/qt_canvas.h"
#include "plot/controls_names.h"
#include "plot/field_length.h"
#include "plot/texts.h"
#include "uableitung/uableitung.h"
#include "ui/derivative_status.h"
#include "ui/control_binding.h"
#include "ui/info2/tf35.h"
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
constexpr int kTermEditWidth = 290;
constexpr int kTermEditHeight = 24;
constexpr int kStepperWidth = 17;
constexpr int kStepperHeight = 24;
constexpr int kSpeedButtonSize = 23;
constexpr int kSpeedButtonHeight = 22;

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

// The start value of the control `name` as its text ("0"/"1" for check marks), from the one list
// of controls, so the window starts where a fresh snapshot does.
std::string StartValue(const char* name) {
  static const plot::Controls start;
  std::string value;
  plot::GetControl(start, name, &value);
  return value;
}

bool StartChecked(const char* name) { return StartValue(name) == "1"; }

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

}  // namespace

TFGraf::TFGraf(QWidget* parent) : QMainWindow(parent) {
  setObjectName("TFGraf");
  setWindowTitle(MainWindowTitle());
  // System menu and maximise box, no minimise box.
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint);
  setFont(UiFont({"MS Sans Serif", "DejaVu Sans"}, 8));

  BuildPanels();
  BuildMenu();
  SetTabOrder();

  Timer1 = Named(new QTimer(this), "Timer1");
  Timer1->setInterval(kAnimationIntervalMs);

  Wire();

  // The design size where the screen has room; on a smaller screen the drawing area gives way
  // and the option column scrolls.
  const QSize wanted(kClientWidth,
                     kClientHeight + status_line->height() + menuBar()->sizeHint().height());
  QRect area(QPoint(0, 0), wanted);
  if (QScreen* screen = QGuiApplication::primaryScreen()) area = screen->availableGeometry();
  setGeometry(InitialGeometry(wanted, area));

  for (WindowExtension install : RegisteredWindowExtensions()) install(*this);
}

TFGraf::~TFGraf() = default;

QString MainWindowTitle() { return QCoreApplication::translate("plotwerk::ui::TFGraf", kMainWindowTitle); }

// ---------------------------------------------------------------------------------------------
// Layout

void TFGraf::BuildPanels() {
  Panel5 = Panel(this, "Panel5", Qt::white);
  setCentralWidget(Panel5);
  auto* panel5_layout = new QHBoxLayout(Panel5);
  panel5_layout->setContentsMargins(0, 0, 0, 0);
  panel5_layout->setSpacing(0);

  Panel4 = Panel(Panel5, "Panel4", Qt::white);
  Panel6 = Panel(Panel5, "Panel6", kPanelGrey);
  Panel6->setFixedWidth(kOptionColumnWidth);
  Panel4->setMinimumWidth(kTermPanelMinWidth);
  panel5_layout->addWidget(Panel4, 1);
  panel5_layout->addWidget(Panel6);

  auto* panel6_layout = new QVBoxLayout(Panel6);
  panel6_layout->setContentsMargins(0, 0, 0, 0);
  panel6_layout->setSpacing(0);
  Panel8 = Panel(Panel6, "Panel8", kPanelGrey);
  Panel8->setFixedHeight(kNavigationPanelHeight);
  Panel7 = Panel(Panel6, "Panel7", kPanelGrey);
  Panel7->setMinimumHeight(kOptionColumnMinHeight);
  // On a low screen the option column scrolls instead of losing its lower controls.
  auto* option_scroll = Named(new QScrollArea(Panel6), "Panel7Scroll");
  option_scroll->setFrameShape(QFrame::NoFrame);
  option_scroll->setWidgetResizable(true);
  option_scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  option_scroll->setWidget(Panel7);
  // "Draw" and "Result List" stay in sight below the scrolling part, however low the screen.
  Panel10 = Panel(Panel6, "Panel10", kPanelGrey);
  Panel10->setFixedHeight(kPinnedPanelHeight);
  panel6_layout->addWidget(Panel8);
  panel6_layout->addWidget(option_scroll, 1);
  panel6_layout->addWidget(Panel10);

  // The term panel runs along the whole bottom; the memo and the drawing area share the rest.
  auto* panel4_layout = new QVBoxLayout(Panel4);
  panel4_layout->setContentsMargins(0, 0, 0, 0);
  panel4_layout->setSpacing(0);
  auto* upper = new QHBoxLayout;
  upper->setContentsMargins(0, 0, 0, 0);
  upper->setSpacing(0);
  Mergebnis = Named(new QPlainTextEdit(Panel4), "Mergebnis");
  Mergebnis->setFixedWidth(kResultMemoLeastWidth);
  Mergebnis->setFont(Verdana(8));
  // The memo widens to its longest line as far as the window allows (window_fit.cpp); a line
  // longer still wraps rather than being cut.
  Mergebnis->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  Mergebnis->setReadOnly(true);
  Mergebnis->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  Mergebnis->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  Mergebnis->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  Mergebnis->hide();
  PaintBox1 = Named(new PaintBox(Panel4), "PaintBox1");
  PaintBox1->setFont(Verdana(8));
  PaintBox1->setMinimumSize(kPaintBoxMinSize, kPaintBoxMinSize);
  PaintBox1->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
  upper->addWidget(Mergebnis);
  upper->addWidget(PaintBox1, 1);
  Panel9 = Panel(Panel4, "Panel9", kPanelGrey);
  Panel9->setFixedHeight(kTermPanelHeight);
  status_line = new StatusLine(Panel4);
  panel4_layout->addLayout(upper, 1);
  panel4_layout->addWidget(status_line);
  panel4_layout->addWidget(Panel9);

  BuildPanel8();
  BuildPanel7();
  BuildPanel9();
}

void TFGraf::BuildPanel8() {
  Panel8->setFont(Verdana(9));
  QPalette palette = Panel8->palette();
  palette.setColor(QPalette::WindowText, kNavy);
  Panel8->setPalette(palette);

  Label12 = MakeLabel(Panel8, "Label12", tr("Coordinate system"), 16, 8);
  auto button = [&](const char* name, Glyph glyph, const QString& hint, int x, int y) {
    auto* b = Named(new SpeedButton(glyph, hint, Panel8), name);
    b->setGeometry(x, y, kSpeedButtonSize, kSpeedButtonHeight);
    return b;
  };
  slinks = button("slinks", Glyph::ArrowLeft, {}, 18, 33);
  shoch = button("shoch", Glyph::ArrowUp, {}, 40, 24);
  srunter = button("srunter", Glyph::ArrowDown, {}, 40, 46);
  srechts = button("srechts", Glyph::ArrowRight, {}, 62, 33);
  sgroesser = button("sgroesser", Glyph::ZoomIn, tr("Zoom in"), 96, 33);
  skleiner = button("skleiner", Glyph::ZoomOut, tr("Zoom out"), 120, 33);
  sgrundeinstellung = button("sgrundeinstellung", Glyph::Reset, tr("Basic setting"), 144, 33);
}

void TFGraf::BuildPanel7() {
  QWidget* p = Panel7;
  p->setFont(Verdana(8));
  QPalette palette = p->palette();
  palette.setColor(QPalette::WindowText, Qt::black);
  p->setPalette(palette);

  // Check boxes of the left column reach the right column at 100; those alone on their row
  // reach the panel's edge.
  constexpr int kLeft = 12, kRight = 100, kEdge = kOptionColumnWidth;
  constexpr int kLeftWidth = kRight - kLeft, kRightWidth = kEdge - kRight, kFullWidth = kEdge - kLeft;

  Label2 = MakeLabel(p, "Label2", tr("Graph width"), 24, 16);
  ed_breite = MakeEdit(p, "ed_breite", 98, 11, 36);
  UpDown1 = MakeStepper(p, "UpDown1", 134, 11, plot::kMinGraphWidth, plot::kMaxGraphWidth,
                        plot::Controls{}.graph_width, kEditHeight);
  UpDown1->SetAssociate(ed_breite);

  c_1ableitung = MakeCheckBox(p, "c_1ableitung", tr("1st derivat."), kLeft, 41, kLeftWidth);
  c_2ableitung = MakeCheckBox(p, "c_2ableitung", tr("2nd derivat."), kRight, 41, kRightWidth);
  c_nullstellen = MakeCheckBox(p, "c_nullstellen", tr("Zeros"), kLeft, 59, kLeftWidth);
  c_extrema = MakeCheckBox(p, "c_extrema", tr("Extrema"), kRight, 59, kRightWidth);
  c_wendepunkte = MakeCheckBox(p, "c_wendepunkte", tr("Inflection p."), kLeft, 77, kLeftWidth);
  c_wendetangente = MakeCheckBox(p, "c_wendetangente", tr("Infl. tangent"), kRight, 77, kRightWidth);
  c_stammfunktion = MakeCheckBox(p, "c_stammfunktion", tr("Antiderivative"), kLeft, 95, kFullWidth);
  c_schnittpunkte = MakeCheckBox(p, "c_schnittpunkte", tr("Intersection"), kLeft, 113, kLeftWidth);
  c_pktanzeige = MakeCheckBox(p, "c_pktanzeige", tr("Show points"), kRight, 113, kRightWidth);

  Label1 = MakeLabel(p, "Label1", tr("Domain"), 8, 140);
  ed_xvon = MakeEdit(p, "ed_xvon", 56, 136, 41);
  Label3 = MakeLabel(p, "Label3", "< x <", 104, 140);
  ed_xbis = MakeEdit(p, "ed_xbis", 144, 136, 41);

  Label8 = MakeLabel(p, "Label8", tr("Parameter P = "), 16, 176);
  ed_parameter = MakeEdit(p, "ed_parameter", 106, 171, 41);
  UpDown2 = MakeStepper(p, "UpDown2", 148, 169, kStepperMin, kStepperMax, 0);
  Label4 = MakeLabel(p, "Label4", tr("Parameter Q = "), 16, 200);
  ed_q = MakeEdit(p, "ed_q", 106, 195, 41);
  UpDown5 = MakeStepper(p, "UpDown5", 148, 193, kStepperMin, kStepperMax, 0);

  c_schar = MakeCheckBox(p, "c_schar", tr("Array of functions d ="), kLeft, 222, 160 - kLeft);
  ed_schardiff = MakeEdit(p, "ed_schardiff", 160, 220, 32);

  c_punktA = MakeCheckBox(p, "c_punktA", tr("Point A ("), kLeft, 248, 84 - kLeft);
  ed_A = MakeEdit(p, "ed_A", 84, 246, 41);
  UpDown3 = MakeStepper(p, "UpDown3", 125, 245, kStepperMin, kStepperMax, 0);
  Label11 = MakeLabel(p, "Label11", ";       )", 145, 250, kEdge - 145);
  c_punktB = MakeCheckBox(p, "c_punktB", tr("Point B ("), kLeft, 272, 84 - kLeft);
  ed_B = MakeEdit(p, "ed_B", 84, 270, 41);
  UpDown4 = MakeStepper(p, "UpDown4", 125, 269, kStepperMin, kStepperMax, 0);
  Label10 = MakeLabel(p, "Label10", ";       )", 145, 274, kEdge - 145);

  c_tangente = MakeCheckBox(p, "c_tangente", tr("Tangent A"), kLeft, 296, kLeftWidth);
  c_normale = MakeCheckBox(p, "c_normale", tr("Normal A"), kRight, 296, kRightWidth);
  c_sekante = MakeCheckBox(p, "c_sekante", tr("Secant AB"), kLeft, 315, kFullWidth);
  c_integral = MakeCheckBox(p, "c_integral", tr("Integral AB"), kLeft, 334, 104 - kLeft);
  Label13 = MakeLabel(p, "Label13", "= ", 104, 335, kEdge - 104);
  Label14 = MakeLabel(p, "Label14", tr("Area AB"), 47, 355);
  Label15 = MakeLabel(p, "Label15", "= ", 104, 355, kEdge - 104);

  rb_punkta = Named(new QRadioButton(tr("Point A"), p), "rb_punkta");
  PlaceCentred(rb_punkta, 104, 380, kRightWidth, kCheckBoxHeight - 1);
  b_animation = Named(new QPushButton(tr("Animation"), p), "b_animation");
  b_animation->setGeometry(14, 394, 80, 25);
  rb_punktB = Named(new QRadioButton(tr("Point B"), p), "rb_punktB");
  PlaceCentred(rb_punktB, 104, 396, kRightWidth, kCheckBoxHeight - 1);
  rb_parameter = Named(new QRadioButton(tr("Parameter"), p), "rb_parameter");
  PlaceCentred(rb_parameter, 104, 412, kRightWidth, kCheckBoxHeight - 1);
  for (QRadioButton* rb : {rb_punkta, rb_punktB, rb_parameter}) {
    rb->setChecked(StartChecked(rb->objectName().toLatin1().constData()));
  }
  AnimationGroup = Named(new QButtonGroup(p), "AnimationGroup");
  AnimationGroup->setExclusive(true);
  for (QRadioButton* rb : {rb_punkta, rb_punktB, rb_parameter}) AnimationGroup->addButton(rb);

  Label9 = MakeLabel(p, "Label9", tr("from          to"), 12, 440);
  {
    // The spaces of the caption make room for ed_von; fonts with narrower spaces than the
    // design's get extra word spacing, so "to" still stands clear right of the field.
    constexpr int kToLeft = 42 + 32 + 3;
    const QString caption = Label9->text();
    const QString lead = caption.left(caption.lastIndexOf(QLatin1Char(' ')) + 1);
    const int missing = kToLeft - 12 - Label9->fontMetrics().horizontalAdvance(lead);
    if (missing > 0) {
      QFont font = Label9->font();
      font.setWordSpacing(std::ceil(missing / 10.0));
      Label9->setFont(font);
      Label9->resize(Label9->sizeHint());
    }
  }
  ed_von = MakeEdit(p, "ed_von", 42, 436, 32);
  ed_bis = MakeEdit(p, "ed_bis", 98, 436, 32);
  // The step of the animation is marked with a capital delta.
  Label16 = MakeLabel(p, "Label16", QString(QChar(0x0394)), 138, 437);
  Label16->setFont(Verdana(10));
  Label16->resize(Label16->sizeHint());
  ed_delta = MakeEdit(p, "ed_delta", 152, 436, 32);

  c_wertetabelle = MakeCheckBox(p, "c_wertetabelle", tr("Value table in list"), kLeft, 467, kFullWidth);

  QWidget* pinned = Panel10;
  pinned->setFont(Verdana(8));
  pinned->setPalette(palette);
  b_zeichnen = Named(new QPushButton(tr("Draw"), pinned), "b_zeichnen");
  b_zeichnen->setFont(Verdana(10));
  b_zeichnen->setGeometry(18, 8, 159, 25);
  c_ergebnisliste = Named(new QCheckBox(tr("Result List"), pinned), "c_ergebnisliste");
  c_ergebnisliste->setFont(Verdana(9));
  PlaceCentred(c_ergebnisliste, 40, 44, kEdge - 40, kCheckBoxHeight);
}

void TFGraf::BuildPanel9() {
  QWidget* p = Panel9;
  p->setFont(Verdana(10));
  constexpr int kCheckWidth = 84 - 12;
  c_f1 = MakeCheckBox(p, "c_f1", "f1(x) =", 12, 16, kCheckWidth);
  ed_f1 = MakeEdit(p, "ed_f1", 84, 12, kTermEditWidth, kTermEditHeight);
  c_f2 = MakeCheckBox(p, "c_f2", "f2(x) =", 12, 48, kCheckWidth);
  ed_f2 = MakeEdit(p, "ed_f2", 84, 44, kTermEditWidth, kTermEditHeight);
  c_f3 = MakeCheckBox(p, "c_f3", "f3(x) =", 384, 16, kCheckWidth);
  ed_f3 = MakeEdit(p, "ed_f3", 456, 12, kTermEditWidth, kTermEditHeight);
  c_f4 = MakeCheckBox(p, "c_f4", "f4(x) =", 384, 48, kCheckWidth);
  ed_f4 = MakeEdit(p, "ed_f4", 456, 44, kTermEditWidth, kTermEditHeight);
  button_fstrich = Named(new QPushButton("f1'(x)", p), "button_fstrich");
  button_fstrich->setGeometry(752, 10, 48, 25);
  button_f2strich = Named(new QPushButton("f1\"(x)", p), "button_f2strich");
  button_f2strich->setGeometry(752, 42, 48, 25);
}

void TFGraf::BuildMenu() {
  QMenuBar* bar = menuBar();
  bar->setObjectName("MainMenu1");

  M02 = bar->addAction(tr("Close"));
  M02->setObjectName("M02");
  M02->setShortcut(QKeySequence(Qt::Key_Escape));

  Bearbeiten1 = Named(bar->addMenu(tr("Edit")), "Bearbeiten1");
  Bearbeiten1->menuAction()->setObjectName("Bearbeiten1");
  Vektorgrafikkopieren1 = MakeItem(Bearbeiten1, "Vektorgrafikkopieren1", tr("Copy vector graphic"));
  Vektorgrafikdrucken1 = MakeItem(Bearbeiten1, "Vektorgrafikdrucken1", tr("Print vector graphic"));
  Speichern1 = MakeItem(Bearbeiten1, "Speichern1", tr("Save vector graphic"));
  MakeSeparator(Bearbeiten1, "N2");
  M1 = MakeItem(Bearbeiten1, "M1", tr("Copy result list"));
  M1->setEnabled(false);

  M_ksystem = Named(bar->addMenu(tr("Coordinate system")), "M_ksystem");
  M_ksystem->menuAction()->setObjectName("M_ksystem");
  MAchsen1 = MakeItem(M_ksystem, "MAchsen1", tr("Represent axes"), true);
  MAchsen21 = MakeItem(M_ksystem, "MAchsen21", tr("Highlight axes"), true);
  M_rahmen = MakeItem(M_ksystem, "M_rahmen", tr("Coordinate frame"), true);
  M_winkel = MakeItem(M_ksystem, "M_winkel", tr("Degrees on the x-axis"), true);
  M_bogen = MakeItem(M_ksystem, "M_bogen", tr("Radians on the x-axis"), true);
  MakeSeparator(M_ksystem, "N7");
  m_raster = MakeItem(M_ksystem, "m_raster", tr("Grid"), true);
  m_mmraster = MakeItem(M_ksystem, "m_mmraster", tr("mm-Grid"), true);
  m_terme = MakeItem(M_ksystem, "m_terme", tr("Show function term"), true);
  m_farbe = MakeItem(M_ksystem, "m_farbe", tr("Colored function graphs"), true);
  MakeSeparator(M_ksystem, "N6");
  intervallverkleinern = MakeItem(M_ksystem, "intervallverkleinern", tr("Decrease display interval"));
  intervallvergroessern = MakeItem(M_ksystem, "intervallvergroessern", tr("Increase display interval"));
  grundeinstellung = MakeItem(M_ksystem, "grundeinstellung", tr("Basic setting"));
  grundeinstellung->setShortcut(QKeySequence(Qt::Key_Space));
  aufloesunganpassen = MakeItem(M_ksystem, "aufloesunganpassen", tr("Adjust y-Resolution"));
  MakeSeparator(M_ksystem, "N1");
  Animation1 = MakeItem(M_ksystem, "Animation1", tr("Animation"));
  Animation1->setShortcut(QKeySequence(Qt::Key_F2));
  Zeichnen1 = MakeItem(M_ksystem, "Zeichnen1", tr("Draw"));
  // Listed first, Enter is the name the menu shows; Return is the same key on the main block.
  Zeichnen1->setShortcuts({QKeySequence(Qt::Key_Enter), QKeySequence(Qt::Key_Return)});

  M2 = Named(bar->addMenu(tr("Special functions")), "M2");
  M2->menuAction()->setObjectName("M2");
  spiegelungxachse = MakeItem(M2, "spiegelungxachse", tr("f1(-x) , Reflection on y-axis"), true);
  spiegelungursprung = MakeItem(M2, "spiegelungursprung", tr("-f1(-x) , Reflection on origin"), true);
  spiegelungyachse = MakeItem(M2, "spiegelungyachse", tr("-f1(x) , Reflection on x-axis"), true);
  MakeSeparator(M2, "N4");
  verschiebungxachse =
      MakeItem(M2, "verschiebungxachse", tr("f1(x+p) , Displacement along x-axis"), true);
  streckungxachse = MakeItem(M2, "streckungxachse", tr("f1(p*x) , Stretching along x-axis"), true);
  verschiebungyachse =
      MakeItem(M2, "verschiebungyachse", tr("f1(x)+p , Displacement along y-axis"), true);
  streckungyachse = MakeItem(M2, "streckungyachse", tr("p*f1(x) , Stretching along y-axis"), true);
  MakeSeparator(M2, "N3");
  nacheinanderausfuehrung =
      MakeItem(M2, "nacheinanderausfuehrung", tr("f1(f1(x)) , Successive execution"), true);
  funktionsaddition =
      MakeItem(M2, "funktionsaddition", tr("f1(x)+f2(x) , Addition of function values"), true);
  funktionssubtraktion1 =
      MakeItem(M2, "funktionssubtraktion1", tr("f1(x)-f2(x) , Subtraction of function values"), true);
  funktionsmultiplikation = MakeItem(M2, "funktionsmultiplikation",
                                     tr("f1(x)*f2(x) , Multiplication of function values"), true);
  funktionsdivision1 =
      MakeItem(M2, "funktionsdivision1", tr("f1(x)/f2(x) , Division of function values"), true);
  MakeSeparator(M2, "N5");
  Umkehrkurvezuf1x1 =
      MakeItem(M2, "Umkehrkurvezuf1x1", tr("Inverse curve to f1(x) , Reflection on y=x"), true);

  About1 = bar->addAction(tr("About ..."));
  About1->setObjectName("About1");
}

void TFGraf::SetTabOrder() {
  // Terms first (that is where one starts typing), then the option column from top to bottom;
  // the view buttons and the drawing area join the order in keyboard.cpp. The steppers take
  // no focus: the arrow keys in their fields step them.
  const std::vector<QWidget*> order = {
      c_f1, ed_f1, c_f2, ed_f2, c_f3, ed_f3, c_f4, ed_f4, button_fstrich, button_f2strich,
      ed_breite, c_1ableitung, c_2ableitung, c_nullstellen, c_extrema, c_wendepunkte,
      c_wendetangente, c_stammfunktion, c_schnittpunkte, c_pktanzeige, ed_xvon, ed_xbis,
      ed_parameter, ed_q, c_schar, ed_schardiff, c_punktA, ed_A, c_punktB, ed_B, c_tangente,
      c_normale, c_sekante, c_integral, b_animation, rb_parameter, ed_von, ed_bis, ed_delta,
      c_wertetabelle, b_zeichnen, c_ergebnisliste, Mergebnis};
  for (std::size_t i = 1; i < order.size(); ++i) setTabOrder(order[i - 1], order[i]);
  ed_f1->setFocus();
}

void TFGraf::Wire() {
  connect(PaintBox1, &PaintBox::PaintRequested, this, &TFGraf::PaintBox1Paint);
  connect(PaintBox1, &PaintBox::Resized, this, &TFGraf::FormResize);

  connect(b_zeichnen, &QPushButton::clicked, this, &TFGraf::b_zeichnenClick);
  connect(Zeichnen1, &QAction::triggered, this, &TFGraf::b_zeichnenClick);
  for (QCheckBox* term_box : {c_f1, c_f2, c_f3, c_f4}) {
    connect(term_box, &QCheckBox::toggled, this, &TFGraf::b_zeichnenClick);
  }
  for (QCheckBox* option :
       {c_1ableitung, c_2ableitung, c_nullstellen, c_extrema, c_wendepunkte, c_wendetangente,
        c_stammfunktion, c_schnittpunkte, c_pktanzeige, c_schar, c_punktA, c_punktB, c_tangente,
        c_normale, c_sekante, c_integral, c_wertetabelle}) {
    connect(option, &QCheckBox::toggled, this, &TFGraf::PaintBox1Paint);
  }
  connect(c_ergebnisliste, &QCheckBox::toggled, this, &TFGraf::Bergebnis);
  connect(ed_breite, &QLineEdit::textChanged, this, &TFGraf::TB1Change);
  connect(button_fstrich, &QPushButton::clicked, this, &TFGraf::button_fstrichClick);
  connect(button_f2strich, &QPushButton::clicked, this, &TFGraf::button_f2strichClick);

  connect(M02, &QAction::triggered, this, &TFGraf::SEndeClick);
  connect(aufloesunganpassen, &QAction::triggered, this, &TFGraf::S31Click);
  connect(About1, &QAction::triggered, this, &TFGraf::About1Click);
  for (QAction* option :
       {MAchsen1, MAchsen21, M_rahmen, M_winkel, M_bogen, m_raster, m_mmraster, m_terme, m_farbe,
        spiegelungxachse, spiegelungursprung, spiegelungyachse, verschiebungxachse,
        streckungxachse, verschiebungyachse, streckungyachse, nacheinanderausfuehrung,
        funktionsaddition, funktionssubtraktion1, funktionsmultiplikation, funktionsdivision1,
        Umkehrkurvezuf1x1}) {
    connect(option, &QAction::triggered, this, [this, option] { Menueinstellungen(option); });
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

int TFGraf::PaintWidth() const { return PaintBox1->width(); }
int TFGraf::PaintHeight() const { return PaintBox1->height(); }

QImage TFGraf::RenderPicture(qreal device_pixel_ratio) {
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
  Label10->setText(QString::fromLatin1(shown.point_b_y));
  Label11->setText(QString::fromLatin1(shown.point_a_y));
  Label13->setText(QString::fromLatin1(shown.integral));
  Label15->setText(QString::fromLatin1(shown.area));
  return picture;
}

void TFGraf::Redraw() {
  // The first term's derivatives need the embedded rule table. When it does not inflate (a
  // broken build) the error is reported as the derivative buttons report it, once, and the area
  // keeps its last picture. The message waits for the event loop: a repaint may be running.
  try {
    PaintBox1->Show(RenderPicture(PaintBox1->devicePixelRatioF()));
  } catch (const uableitung::RuleTableError& e) {
    static bool reported = false;
    if (reported) return;
    reported = true;
    const QString text = QString::fromLatin1(e.what());
    QTimer::singleShot(0, this, [this, text] { QMessageBox::critical(this, MainWindowTitle(), text); });
  }
}

void TFGraf::PaintBox1Paint() {
  Redraw();
  if (!Mergebnis->isHidden()) ShowResultList();
  emit Repainted();
}

void TFGraf::ShowResultList() {
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
    Panel4->layout()->activate();
    plotter_.SetView(view);
    Redraw();
  }
  if (text == Mergebnis->toPlainText()) return;
  // Keep the reader's place while the list is refreshed at every repaint (the animation).
  const int v = Mergebnis->verticalScrollBar()->value();
  Mergebnis->setPlainText(text);
  Mergebnis->verticalScrollBar()->setValue(v);
}

// ---------------------------------------------------------------------------------------------
// Handlers

void TFGraf::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (!first_show_done_) {
    // The first activation: the window opens with the basic setting and the default terms.
    first_show_done_ = true;
    FormActivate();
  }
}

bool TFGraf::event(QEvent* e) {
  if (e->type() == QEvent::WindowActivate && first_show_done_ && other_window_was_active_) {
    // Back from another form of the program (the About window): the picture is drawn afresh,
    // but the view the user has set up stays.
    other_window_was_active_ = false;
    emit Activated();
    b_zeichnenClick();
  }
  return QMainWindow::event(e);
}

void TFGraf::closeEvent(QCloseEvent* event) {
  Timer1->stop();
  QMainWindow::closeEvent(event);
}

void TFGraf::FormActivate() {
  emit Activated();
  plotter_.ApplyBasicSetting(PaintWidth(), PaintHeight());
  b_zeichnenClick();
}

void TFGraf::MatchYToX() {
  const int w = PaintWidth(), h = PaintHeight();
  if (w <= 0 || h <= 0) return;
  plot::PlotView view = plotter_.View();
  view.y_min = h * view.x_min / w;
  view.y_max = h * view.x_max / w;
  plotter_.SetView(view);
}

void TFGraf::FormResize() { MatchYToX(); }

void TFGraf::b_zeichnenClick() {
  plotter_.DrawCommand(SnapshotControls());
  PaintBox1Paint();
}

void TFGraf::SEndeClick() { close(); }

void TFGraf::Bergebnis() {
  const bool visible = Mergebnis->isHidden();
  // Filled (and sized) before it is shown, so the drawing area gets its final width at once.
  if (visible) ShowResultList();
  Mergebnis->setVisible(visible);
  // Lay the panel out now, so the drawing area has its new width for the y range below.
  Panel4->layout()->activate();
  M1->setEnabled(visible);
  MatchYToX();
}

void TFGraf::Menueinstellungen(QAction* item) {
  // The toolkit has already inverted the item's check mark when it was triggered.
  Q_UNUSED(item);
  PaintBox1Paint();
}

void TFGraf::TB1Change() { Redraw(); }

void TFGraf::S31Click() {
  MatchYToX();
  Redraw();
}

void TFGraf::About1Click() {
  TF35 about(this);
  about.exec();
  // Hand the activation back explicitly: without a window manager nobody else does.
  activateWindow();
}

namespace {

// The derivative of a field's text for a derivative button; an unreadable embedded rule table
// (a broken build) is reported and leaves the field as it was. When there is no derivative the
// status line says why.
bool DeriveInto(TFGraf& window, TermEdit& target, const std::string& term, int order) {
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
    StatusLine& status = *window.status_line;
    if (!failure.isEmpty()) {
      status.SetMessage(failure);
    } else if (status.Message() == status.property("derivative_message").toString()) {
      status.SetMessage({});
    }
    status.setProperty("derivative_message", failure);
    return true;
  } catch (const std::exception& e) {
    QMessageBox::critical(&window, MainWindowTitle(), QString::fromLatin1(e.what()));
    return false;
  }
}

}  // namespace

void TFGraf::button_fstrichClick() {
  if (DeriveInto(*this, *ed_f3, ed_f1->Latin1(), 1)) b_zeichnenClick();
}

void TFGraf::button_f2strichClick() {
  if (DeriveInto(*this, *ed_f4, ed_f1->Latin1(), 2)) b_zeichnenClick();
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
