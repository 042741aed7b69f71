// The reasons of a failed derivative: the checker's verdict first, then the differentiator's
// own reading of the term.
#include "ui/derivative_status.h"

#include <QCoreApplication>

#include "uableitung/no_derivative.h"
#include "ui/field_marks.h"

namespace plotwerk::ui {

QString DerivativeFailure(const std::string& term, const QString& name) {
  const uableitung::NoDerivativeReason why = uableitung::WhyNoDerivative(term);
  switch (why.kind) {
    case uableitung::NoDerivative::kEmpty:
      return QCoreApplication::translate("DerivativeStatus", "%1 is empty: no derivative").arg(name);
    case uableitung::NoDerivative::kUnreadable:
      return QCoreApplication::translate("DerivativeStatus", "%1 cannot be read (%2): no derivative")
          .arg(name, TermFieldProblem(term));
    case uableitung::NoDerivative::kTooLong:
      return QCoreApplication::translate("DerivativeStatus", "%1 is too long to differentiate").arg(name);
    case uableitung::NoDerivative::kTooDeep:
      return QCoreApplication::translate("DerivativeStatus", "%1 is nested too deeply to differentiate")
          .arg(name);
    case uableitung::NoDerivative::kUnknownFunction:
      return QCoreApplication::translate("DerivativeStatus",
                                         "the differentiator does not know the function %1")
          .arg(QString::fromLatin1(why.function));
    case uableitung::NoDerivative::kUnreadableForm:
      return QCoreApplication::translate(
                 "DerivativeStatus",
                 "the differentiator cannot read this form of %1 ([ ] is not supported)")
          .arg(name);
    case uableitung::NoDerivative::kTooLarge:
      break;
  }
  return QCoreApplication::translate("DerivativeStatus", "the derivative of %1 would be too long").arg(name);
}

}  // namespace plotwerk::ui
