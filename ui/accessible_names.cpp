// Accessible names and descriptions of the main window's controls, in the window's language,
// so that a screen reader says what each one is for; and the drawing area's description, a short
// form of the result list that follows every repaint.
#include "ui/accessible_names.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QToolButton>

#include <array>

#include "plot/texts.h"
#include "ui/main_window.h"
#include "ui/window_extension.h"

namespace plotwerk::ui {

namespace {

constexpr char kContext[] = "plotwerk::ui::AccessibleNames";

struct Entry {
  const char* control;
  const char* name;
  const char* description;
};

const Entry kEntries[] = {
    {"move_left_button", QT_TRANSLATE_NOOP("plotwerk::ui::AccessibleNames", "Move left"),
     QT_TRANSLATE_NOOP("plotwerk::ui::AccessibleNames", "Shifts the visible part of the plane to the left (Left arrow on the drawing)")},
    {"move_up_button", QT_TRANSLATE_NOOP("plotwerk::ui::AccessibleNames", "Move up"),
     QT_TRANSLATE_NOOP("plotwerk::ui::AccessibleNames", "Shifts the visible part of the plane upwards (Up arrow on the drawing)")},
    {"move_down_button", QT_TRANSLATE_NOOP("plotwerk::ui::AccessibleNames", "Move down"),
     QT_TRANSLATE_NOOP("plotwerk::ui::AccessibleNames", "Shifts the visible part of the plane downwards (Down arrow on the drawing)")},
    {"move_right_button", QT_TRANSLATE_NOOP("plotwerk::ui::AccessibleNames", "Move right"),
     QT_TRANSLATE_NOOP("plotwerk::ui::AccessibleNames", "Shifts the visible part of the plane to the right (Right arrow on the drawing)")},
    {"zoom_in_button", QT_TRANSLATE_NOOP("plotwerk::ui::AccessibleNames", "Zoom in"),
     QT_TRANSLATE_NOOP("plotwerk::ui::AccessibleNames", "Shows a smaller part of the plane, larger (Ctrl++)")},
    {"zoom_out_button", QT_TRANSLATE_NOOP("plotwerk::ui::AccessibleNames", "Zoom out"),
     QT_TRANSLATE_NOOP("plotwerk::ui::AccessibleNames", "Shows a larger part of the plane, smaller (Ctrl+-)")},
    {"basic_setting_button", QT_TRANSLATE_NOOP("plotwerk::ui::AccessibleNames", "Basic setting"),
     QT_TRANSLATE_NOOP("plotwerk::ui::AccessibleNames", "Shows x from -6 to 6 with equal scales on both axes (Space, Ctrl+0)")},
    {"graph_width_text", QT_TRANSLATE_NOOP("plotwerk::ui::AccessibleNames", "Graph width"),
     QT_TRANSLATE_NOOP("plotwerk::ui::AccessibleNames", "Line width of the graphs, 1 to 6; the Up and Down keys step it")},
    {"graph_width", QT_TRANSLATE_NOOP("plotwerk::ui::AccessibleNames", "Graph width stepper"),
     QT_TRANSLATE_NOOP("plotwerk::ui::AccessibleNames", "Makes the graphs one step thicker or thinner")},
    {"first_derivative", QT_TRANSLATE_NOOP("plotwerk::ui::AccessibleNames", "1st derivative"),
     QT_TRANSLATE_NOOP("plotwerk::ui::AccessibleNames", "Draws the curve of the first derivative of the analysed term")},
    {"second_derivative", QT_TRANSLATE_NOOP("plotwerk::ui::AccessibleNames", "2nd derivative"),
     QT_TRANSLATE_NOOP("plotwerk::ui::AccessibleNames", "Draws the curve of the second derivative of the analysed term")},
    {"zeros", QT_TRANSLATE_NOOP("plotwerk::ui::AccessibleNames", "Zeros"),
     QT_TRANSLATE_NOOP("plotwerk::ui::AccessibleNames", "Marks and lists the zeros of the analysed term")},
    {"extrema", QT_TRANSLATE_NOOP("plotwerk::ui::AccessibleNames", "Extrema"),
     QT_TRANSLATE_NOOP("plotwerk::ui::AccessibleNames", "Marks and lists the maxima and minima of the analysed term")},
    {"inflections", QT_TRANSLATE_NOOP("plotwerk::ui::AccessibleNames", "Inflection points"),
     QT_TRANSLATE_NOOP("plotwerk::ui::AccessibleNames", "Marks and lists the inflection points of the analysed term")},
    {"inflection_tangents", QT_TRANSLATE_NOOP("plotwerk::ui::AccessibleNames", "Inflection tangents"),
     QT_TRANSLATE_NOOP("plotwerk::ui::AccessibleNames", "Draws the tangents at the inflection points")},
    {"antiderivative", QT_TRANSLATE_NOOP("plotwerk::ui::AccessibleNames", "Antiderivative"),
     QT_TRANSLATE_NOOP("plotwerk::ui::AccessibleNames", "Draws an antiderivative of the analysed term")},
    {"intersections", QT_TRANSLATE_NOOP("plotwerk::ui::AccessibleNames", "Intersection points"),
     QT_TRANSLATE_NOOP("plotwerk::ui::AccessibleNames", "Marks and lists where the analysed term meets f2")},
    {"show_points", QT_TRANSLATE_NOOP("plotwerk::ui::AccessibleNames", "Show points"),
     QT_TRANSLATE_NOOP("plotwerk::ui::AccessibleNames", "Writes the points found at the bottom of the drawing")},
    {"domain_from", QT_TRANSLATE_NOOP("plotwerk::ui::AccessibleNames", "Domain from"),
     QT_TRANSLATE_NOOP("plotwerk::ui::AccessibleNames", "The graphs are drawn for x above this value")},
    {"domain_to", QT_TRANSLATE_NOOP("plotwerk::ui::AccessibleNames", "Domain to"),
     QT_TRANSLATE_NOOP("plotwerk::ui::AccessibleNames", "The graphs are drawn for x below this value")},
    {"parameter_p", QT_TRANSLATE_NOOP("plotwerk::ui::AccessibleNames", "Parameter P"),
     QT_TRANSLATE_NOOP("plotwerk::ui::AccessibleNames", "The value of P in the terms; the Up and Down keys step it")},
    {"parameter_p_stepper", QT_TRANSLATE_NOOP("plotwerk::ui::AccessibleNames", "Parameter P stepper"),
     QT_TRANSLATE_NOOP("plotwerk::ui::AccessibleNames", "Makes P one step larger or smaller and draws again")},
    {"parameter_q", QT_TRANSLATE_NOOP("plotwerk::ui::AccessibleNames", "Parameter Q"),
     QT_TRANSLATE_NOOP("plotwerk::ui::AccessibleNames", "The value of Q in the terms and the last P of the array of functions")},
    {"parameter_q_stepper", QT_TRANSLATE_NOOP("plotwerk::ui::AccessibleNames", "Parameter Q stepper"),
     QT_TRANSLATE_NOOP("plotwerk::ui::AccessibleNames", "Makes Q one step larger or smaller and draws again")},
    {"family", QT_TRANSLATE_NOOP("plotwerk::ui::AccessibleNames", "Array of functions"),
     QT_TRANSLATE_NOOP("plotwerk::ui::AccessibleNames", "Draws the term for P from its value up to Q in steps of d")},
    {"family_step", QT_TRANSLATE_NOOP("plotwerk::ui::AccessibleNames", "Step d of the array of functions"),
     QT_TRANSLATE_NOOP("plotwerk::ui::AccessibleNames", "The step of P between two curves of the array")},
    {"point_a", QT_TRANSLATE_NOOP("plotwerk::ui::AccessibleNames", "Point A"),
     QT_TRANSLATE_NOOP("plotwerk::ui::AccessibleNames", "Marks point A on the graph; drag it with the mouse")},
    {"point_a_x", QT_TRANSLATE_NOOP("plotwerk::ui::AccessibleNames", "x of point A"),
     QT_TRANSLATE_NOOP("plotwerk::ui::AccessibleNames", "The abscissa of point A; the Up and Down keys step it")},
    {"point_a_stepper", QT_TRANSLATE_NOOP("plotwerk::ui::AccessibleNames", "Point A stepper"),
     QT_TRANSLATE_NOOP("plotwerk::ui::AccessibleNames", "Moves point A one step to the right or left")},
    {"point_b", QT_TRANSLATE_NOOP("plotwerk::ui::AccessibleNames", "Point B"),
     QT_TRANSLATE_NOOP("plotwerk::ui::AccessibleNames", "Marks point B on the graph; drag it with the mouse")},
    {"point_b_x", QT_TRANSLATE_NOOP("plotwerk::ui::AccessibleNames", "x of point B"),
     QT_TRANSLATE_NOOP("plotwerk::ui::AccessibleNames", "The abscissa of point B; the Up and Down keys step it")},
    {"point_b_stepper", QT_TRANSLATE_NOOP("plotwerk::ui::AccessibleNames", "Point B stepper"),
     QT_TRANSLATE_NOOP("plotwerk::ui::AccessibleNames", "Moves point B one step to the right or left")},
    {"tangent", QT_TRANSLATE_NOOP("plotwerk::ui::AccessibleNames", "Tangent at A"),
     QT_TRANSLATE_NOOP("plotwerk::ui::AccessibleNames", "Draws the tangent to the graph at point A")},
    {"normal", QT_TRANSLATE_NOOP("plotwerk::ui::AccessibleNames", "Normal at A"),
     QT_TRANSLATE_NOOP("plotwerk::ui::AccessibleNames", "Draws the normal to the graph at point A")},
    {"secant", QT_TRANSLATE_NOOP("plotwerk::ui::AccessibleNames", "Secant AB"),
     QT_TRANSLATE_NOOP("plotwerk::ui::AccessibleNames", "Draws the line through the points A and B")},
    {"integral", QT_TRANSLATE_NOOP("plotwerk::ui::AccessibleNames", "Integral AB"),
     QT_TRANSLATE_NOOP("plotwerk::ui::AccessibleNames", "Hatches the area from A to B and gives the definite integral and the area")},
    {"animate_point_a", QT_TRANSLATE_NOOP("plotwerk::ui::AccessibleNames", "Animate point A"),
     QT_TRANSLATE_NOOP("plotwerk::ui::AccessibleNames", "The animation moves point A")},
    {"animation_button", QT_TRANSLATE_NOOP("plotwerk::ui::AccessibleNames", "Animation"),
     QT_TRANSLATE_NOOP("plotwerk::ui::AccessibleNames", "Starts or stops the animation of the chosen value (F2)")},
    {"animate_point_b", QT_TRANSLATE_NOOP("plotwerk::ui::AccessibleNames", "Animate point B"),
     QT_TRANSLATE_NOOP("plotwerk::ui::AccessibleNames", "The animation moves point B")},
    {"animate_parameter", QT_TRANSLATE_NOOP("plotwerk::ui::AccessibleNames", "Animate parameter P"),
     QT_TRANSLATE_NOOP("plotwerk::ui::AccessibleNames", "The animation changes the parameter P")},
    {"interval_from", QT_TRANSLATE_NOOP("plotwerk::ui::AccessibleNames", "From"),
     QT_TRANSLATE_NOOP("plotwerk::ui::AccessibleNames", "Start of the animation and of the search for points")},
    {"interval_to", QT_TRANSLATE_NOOP("plotwerk::ui::AccessibleNames", "To"),
     QT_TRANSLATE_NOOP("plotwerk::ui::AccessibleNames", "End of the animation and of the search for points")},
    {"animation_step", QT_TRANSLATE_NOOP("plotwerk::ui::AccessibleNames", "Animation step"),
     QT_TRANSLATE_NOOP("plotwerk::ui::AccessibleNames", "How much the animated value changes at each step")},
    {"value_table", QT_TRANSLATE_NOOP("plotwerk::ui::AccessibleNames", "Value table in list"),
     QT_TRANSLATE_NOOP("plotwerk::ui::AccessibleNames", "Adds a table of values of the analysed term to the result list")},
    {"draw_button", QT_TRANSLATE_NOOP("plotwerk::ui::AccessibleNames", "Draw"),
     QT_TRANSLATE_NOOP("plotwerk::ui::AccessibleNames", "Draws the checked terms (Enter)")},
    {"result_list", QT_TRANSLATE_NOOP("plotwerk::ui::AccessibleNames", "Result List"),
     QT_TRANSLATE_NOOP("plotwerk::ui::AccessibleNames", "Shows the list of results beside the drawing")},
    {"result_memo", QT_TRANSLATE_NOOP("plotwerk::ui::AccessibleNames", "Results"),
     QT_TRANSLATE_NOOP("plotwerk::ui::AccessibleNames", "The terms, derivatives, integrals and points found, as text")},
    {"drawing_area", QT_TRANSLATE_NOOP("plotwerk::ui::AccessibleNames", "Drawing"),
     QT_TRANSLATE_NOOP("plotwerk::ui::AccessibleNames", "The coordinate system with the graphs")},
    {"derive_button", QT_TRANSLATE_NOOP("plotwerk::ui::AccessibleNames", "First derivative of f1"),
     QT_TRANSLATE_NOOP("plotwerk::ui::AccessibleNames", "Writes the derivative of f1 into f3 and draws it")},
    {"derive_twice_button", QT_TRANSLATE_NOOP("plotwerk::ui::AccessibleNames", "Second derivative of f1"),
     QT_TRANSLATE_NOOP("plotwerk::ui::AccessibleNames", "Writes the second derivative of f1 into f4 and draws it")},
};

// The term fields and their check boxes share one text per kind, with the field's name.
const char* const kTermFieldName = QT_TRANSLATE_NOOP("plotwerk::ui::AccessibleNames", "Term %1(x)");
const char* const kTermFieldDescription =
    QT_TRANSLATE_NOOP("plotwerk::ui::AccessibleNames", "The term %1 in the variable X; Enter draws it");
const char* const kTermBoxName = QT_TRANSLATE_NOOP("plotwerk::ui::AccessibleNames", "Draw %1");
const char* const kTermBoxDescription =
    QT_TRANSLATE_NOOP("plotwerk::ui::AccessibleNames", "Draws the term %1 when checked");
const char* const kStepUp = QT_TRANSLATE_NOOP("plotwerk::ui::AccessibleNames", "%1 up");
const char* const kStepDown = QT_TRANSLATE_NOOP("plotwerk::ui::AccessibleNames", "%1 down");

// The colour names of the term fields f1 to f4, as the drawing area's description says them.
const std::array<const char*, 4> kTermColourNames = {
    QT_TRANSLATE_NOOP("plotwerk::ui::AccessibleNames", "blue"),
    QT_TRANSLATE_NOOP("plotwerk::ui::AccessibleNames", "red"),
    QT_TRANSLATE_NOOP("plotwerk::ui::AccessibleNames", "green"),
    QT_TRANSLATE_NOOP("plotwerk::ui::AccessibleNames", "magenta"),
};

// The description reads at most this many lines of the result list.
constexpr int kDescribedLines = 40;

QString Tr(const char* text) { return QCoreApplication::translate(kContext, text); }

void Describe(QWidget* w, const QString& name, const QString& description) {
  w->setAccessibleName(name);
  w->setAccessibleDescription(description);
}

// Controls without an entry (added later, or by another part of the window) say at least what
// their caption or hint says.
void DescribeFromCaption(QWidget* w) {
  QString caption;
  if (auto* button = qobject_cast<QAbstractButton*>(w)) caption = button->text();
  if (caption.isEmpty()) caption = w->toolTip();
  if (w->accessibleName().isEmpty() && !caption.isEmpty()) w->setAccessibleName(caption);
  if (w->accessibleDescription().isEmpty() && !caption.isEmpty()) {
    w->setAccessibleDescription(w->toolTip().isEmpty() ? caption : w->toolTip());
  }
}

void InstallAccessibleNames(MainWindow& window) {
  for (const Entry& e : kEntries) {
    if (auto* w = window.findChild<QWidget*>(QLatin1String(e.control))) Describe(w, Tr(e.name), Tr(e.description));
  }
  const TermWidgets& t = window.Terms();
  const std::array<std::pair<QWidget*, QWidget*>, 4> terms = {std::pair<QWidget*, QWidget*>{t.f1_plotted, t.f1_term},
                                                              {t.f2_plotted, t.f2_term},
                                                              {t.f3_plotted, t.f3_term},
                                                              {t.f4_plotted, t.f4_term}};
  for (std::size_t i = 0; i < terms.size(); ++i) {
    const QString f = QStringLiteral("f%1").arg(i + 1);
    Describe(terms[i].first, Tr(kTermBoxName).arg(f), Tr(kTermBoxDescription).arg(f));
    Describe(terms[i].second, Tr(kTermFieldName).arg(f), Tr(kTermFieldDescription).arg(f));
  }
  for (UpDown* stepper : window.findChildren<UpDown*>()) {
    const QString name = stepper->accessibleName();
    Describe(stepper->UpButton(), Tr(kStepUp).arg(name), stepper->accessibleDescription());
    Describe(stepper->DownButton(), Tr(kStepDown).arg(name), stepper->accessibleDescription());
  }
  for (QWidget* w : window.findChildren<QWidget*>()) {
    if (w->window() == &window) DescribeFromCaption(w);
  }
  QObject::connect(&window, &MainWindow::Repainted, window.DrawingArea(),
                   [&window] { window.DrawingArea()->setAccessibleDescription(DrawingDescription(window)); });
}
const WindowExtensionRegistration kAccessibleNames{&InstallAccessibleNames};

}  // namespace

QString DrawingDescription(const MainWindow& window) {
  const plot::TermList& terms = window.Plotter().Terms();
  QStringList parts;
  for (std::size_t i = 0; i < terms.Size(); ++i) {
    const int field = terms.Fields()[i];
    const QString colour = window.Plotter().ColourSwitch() && field >= 1 && field <= 4
                               ? Tr(kTermColourNames[static_cast<std::size_t>(field - 1)])
                               : Tr(QT_TRANSLATE_NOOP("plotwerk::ui::AccessibleNames", "black"));
    parts << Tr(QT_TRANSLATE_NOOP("plotwerk::ui::AccessibleNames", "f%1(x) = %2, %3"))
                 .arg(field)
                 .arg(QString::fromLatin1(plot::ShownTerm(terms.Terms()[i])), colour);
  }
  if (parts.isEmpty()) parts << Tr(QT_TRANSLATE_NOOP("plotwerk::ui::AccessibleNames", "No curve drawn"));
  // The points and values found: the result list without the term lines (named above) and
  // without the value table.
  const std::string term_line = plot::Localized("Function Y = ");
  const std::string table = plot::Localized("Value table");
  int described = 0;
  for (const std::string& line : window.Plotter().Results().Lines()) {
    if (line.rfind(table, 0) == 0 || described == kDescribedLines) break;
    if (line.rfind(term_line, 0) == 0) continue;
    parts << QString::fromLatin1(line).simplified();
    ++described;
  }
  return parts.join(QStringLiteral("; "));
}

}  // namespace plotwerk::ui
