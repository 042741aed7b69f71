// Field marks: every term and number field is checked as its text changes.
#include "ui/field_marks.h"

#include <QCoreApplication>
#include <QPalette>

#include <utility>

#include "fktint/fktint.h"
#include "fktint/term_check.h"
#include "ui/main_window.h"
#include "ui/window_extension.h"

namespace plotwerk::ui {

namespace {

QString Detail(const fktint::TermCheck& check) {
  return QString::fromLatin1(check.detail.data(), static_cast<qsizetype>(check.detail.size()));
}

// The problem in words, translatable; the command line prints the core's English text.
QString Describe(const fktint::TermCheck& check) {
  using fktint::TermProblem;
  switch (check.problem) {
    case TermProblem::kNone:
      return {};
    case TermProblem::kEmpty:
      return QCoreApplication::translate("FieldMarks", "empty term");
    case TermProblem::kUnexpectedCharacter:
      return QCoreApplication::translate("FieldMarks", "unexpected character '%1'").arg(Detail(check));
    case TermProblem::kMissingOperand:
      return QCoreApplication::translate("FieldMarks", "missing operand");
    case TermProblem::kMalformedNumber:
      return QCoreApplication::translate("FieldMarks", "malformed number '%1'").arg(Detail(check));
    case TermProblem::kUnknownFunction:
      return QCoreApplication::translate("FieldMarks", "unknown function name '%1'").arg(Detail(check));
    case TermProblem::kReservedFunction:
      return QCoreApplication::translate("FieldMarks", "reserved function name '%1'").arg(Detail(check));
    case TermProblem::kNameWithoutBracket:
      return QCoreApplication::translate("FieldMarks", "'(' missing after name '%1'").arg(Detail(check));
    case TermProblem::kUnmatchedClosing:
      return QCoreApplication::translate("FieldMarks", "unmatched '%1'").arg(Detail(check));
    case TermProblem::kTooDeep:
      return QCoreApplication::translate("FieldMarks", "brackets nested too deeply");
    case TermProblem::kExponentNotation: {
      // "1E-3": the number before the E and the power of ten after it.
      const QString detail = Detail(check);
      const qsizetype e = detail.indexOf('E');
      QString power = detail.mid(e + 1);
      if (power.startsWith('-')) power = "(" + power + ")";
      return QCoreApplication::translate("FieldMarks", "no exponent notation: write %1*10^%2 for '%3'")
          .arg(detail.left(e), power, detail);
    }
    case TermProblem::kNumberBeforeE:
      return QCoreApplication::translate("FieldMarks", "a number directly before E: write %1*E for '%2'")
          .arg(Detail(check).chopped(1), Detail(check));
  }
  return {};
}

void InstallFieldMarks(MainWindow& window) { new FieldMarks(window); }
const WindowExtensionRegistration kFieldMarks{&InstallFieldMarks};

}  // namespace

QString TermFieldProblem(const std::string& text) {
  if (text.empty()) return {};
  const fktint::TermCheck check = fktint::CheckTerm(text);
  if (check.ok()) return {};
  return QCoreApplication::translate("FieldMarks", "position %1: %2")
      .arg(check.position)
      .arg(Describe(check));
}

QString NumberFieldProblem(const std::string& text, const plot::Parameters& parameters) {
  if (text.empty()) return {};
  const QString problem = TermFieldProblem(text);
  if (!problem.isEmpty()) return problem;
  // It reads, but a number field also needs a value without any code (INT, 1/0, LN(0)).
  const bool failed = fktint::EvaluateTerm(text, 1.0, parameters.p, parameters.q).code != fktint::kEvalOk;
  return failed ? QCoreApplication::translate("FieldMarks", "no value here, read as 0") : QString();
}

FieldMarks::FieldMarks(MainWindow& window) : QObject(&window), window_(window) {
  setObjectName("FieldMarks");
  const TermWidgets& t = window.Terms();
  const OptionWidgets& o = window.Options();
  // As the status line names each field.
  const std::pair<TermEdit*, QString> terms[] = {
      {t.f1_term, "f1(x)"}, {t.f2_term, "f2(x)"}, {t.f3_term, "f3(x)"}, {t.f4_term, "f4(x)"}};
  const QString domain = QCoreApplication::translate("FieldMarks", "Domain");
  const std::pair<TermEdit*, QString> numbers[] = {
      {o.domain_from, domain},
      {o.domain_to, domain},
      {o.parameter_p, "P"},
      {o.parameter_q, "Q"},
      {o.family_step, "d"},
      {o.point_a_x, "A"},
      {o.point_b_x, "B"},
      {o.interval_from, QCoreApplication::translate("FieldMarks", "from")},
      {o.interval_to, QCoreApplication::translate("FieldMarks", "to")},
      {o.animation_step, QString(QChar(0x0394))},
  };
  fields_.reserve(std::size(terms) + std::size(numbers));
  for (const auto& [edit, name] : terms) fields_.push_back({edit, name, true, {}, {}});
  for (const auto& [edit, name] : numbers) fields_.push_back({edit, name, false, {}, {}});
  for (const Field& f : fields_) {
    connect(f.edit, &QLineEdit::textChanged, this, [this, edit = f.edit] { Recheck(edit); });
  }
  for (const Field& f : fields_) Recheck(f.edit);
}

bool FieldMarks::Marked(const TermEdit* field) const {
  for (const Field& f : fields_) {
    if (f.edit == field) return !f.problem.isEmpty();
  }
  return false;
}

void FieldMarks::Recheck(TermEdit* edit) {
  for (Field& f : fields_) {
    if (f.edit != edit) continue;
    const std::string text = edit->Latin1();
    const QString problem =
        f.term ? TermFieldProblem(text) : NumberFieldProblem(text, window_.Plotter().Params());
    const bool changed = problem != f.problem;
    f.problem = problem;
    f.read_as.clear();
    if (f.term && problem.isEmpty() && !text.empty()) {
      const std::string read_as = fktint::CheckTerm(text).read_as;
      f.read_as = QString::fromLatin1(read_as.data(), static_cast<qsizetype>(read_as.size()));
    }
    if (changed) {
      QPalette palette = edit->palette();
      palette.setColor(QPalette::Base,
                       problem.isEmpty() ? window_.palette().color(QPalette::Base) : kMarkColour);
      edit->setPalette(palette);
      edit->setToolTip(problem);
    }
    ShowInStatusLine(&f);
    return;
  }
}

void FieldMarks::ShowInStatusLine(const Field* changed) {
  StatusLine& status = *window_.Status();
  // A derivative button's reason is about f1 as it was: a new f1 makes it stale.
  if (changed && changed->edit == window_.Terms().f1_term) status.ForgetDerivativeFailure();
  // The field just edited first; when it reads, the first other field that does not.
  const Field* shown = changed && !changed->problem.isEmpty() ? changed : nullptr;
  for (const Field& f : fields_) {
    if (shown) break;
    if (!f.problem.isEmpty()) shown = &f;
  }
  if (shown == nullptr && changed && !changed->read_as.isEmpty()) {
    // The field just edited reads with implicit products: say how.
    const QString message = QCoreApplication::translate("FieldMarks", "%1: read as %2")
                                .arg(changed->name, changed->read_as);
    status.SetFieldMessage(message);
    return;
  }
  if (shown == nullptr) {
    // Clear only our own message, not a derivative button's.
    status.ForgetFieldMessage();
    return;
  }
  const QString message =
      QCoreApplication::translate("FieldMarks", "%1: %2").arg(shown->name, shown->problem);
  status.SetFieldMessage(message);
}

}  // namespace plotwerk::ui
