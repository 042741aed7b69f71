// The reasons of a failed derivative: the checker's verdict first, then the differentiator's
// own reading of the term.
#include "ui/derivative_status.h"

#include <QCoreApplication>

#include "fktint/fktint.h"
#include "fktint/term_check.h"
#include "uableitung/term_tree.h"
#include "ui/field_marks.h"

namespace plotwerk::ui {

namespace {

bool IsLetter(char c) { return c >= 'A' && c <= 'Z'; }

// True when the differentiator has a rule for the function of that name.
bool HasRule(std::string_view name) {
  uableitung::PoolScope pool;
  return uableitung::ParseTermTree(std::string(name) + "(X)") != nullptr && !uableitung::ParseFailed;
}

// The first name called with "(" that the differentiator has no rule for, or empty.
std::string UnknownFunction(const std::string& text) {
  for (std::size_t i = 0; i < text.size();) {
    if (!IsLetter(text[i])) {
      ++i;
      continue;
    }
    std::size_t end = i;
    while (end < text.size() && IsLetter(text[end])) ++end;
    if (end < text.size() && text[end] == '(' && !HasRule(std::string_view(text).substr(i, end - i))) {
      return text.substr(i, end - i);
    }
    i = end;
  }
  return {};
}

}  // namespace

QString DerivativeFailure(const std::string& term, const QString& name) {
  if (term.empty())
    return QCoreApplication::translate("DerivativeStatus", "%1 is empty: no derivative").arg(name);
  const QString problem = TermFieldProblem(term);
  if (!problem.isEmpty())
    return QCoreApplication::translate("DerivativeStatus", "%1 cannot be read (%2): no derivative")
        .arg(name, problem);
  if (term.size() > uableitung::kMaxTypedLength) {
    return QCoreApplication::translate("DerivativeStatus", "%1 is too long to differentiate").arg(name);
  }
  const std::string text = fktint::NormaliseTermText(term);
  if (text.size() > uableitung::kMaxTermLength)
    return QCoreApplication::translate("DerivativeStatus", "%1 is too long to differentiate").arg(name);
  bool readable = false;
  {
    uableitung::PoolScope pool;
    try {
      uableitung::ParseFailed = false;
      readable = uableitung::ParseTermTree(text) != nullptr && !uableitung::ParseFailed;
    } catch (const uableitung::DerivationTooLarge&) {
      return QCoreApplication::translate("DerivativeStatus", "%1 is nested too deeply to differentiate")
          .arg(name);
    }
  }
  if (!readable) {
    const std::string unknown = UnknownFunction(text);  // after the pool above is released
    if (!unknown.empty()) {
      return QCoreApplication::translate("DerivativeStatus",
                                         "the differentiator does not know the function %1")
          .arg(QString::fromLatin1(unknown));
    }
    return QCoreApplication::translate(
               "DerivativeStatus",
               "the differentiator cannot read this form of %1 ([ ] is not supported)")
        .arg(name);
  }
  return QCoreApplication::translate("DerivativeStatus", "the derivative of %1 would be too long").arg(name);
}

}  // namespace plotwerk::ui
