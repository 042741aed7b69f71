// Why a derivative button could not form a derivative, in words for the status line.
#pragma once

#include <QString>

#include <string>

namespace plotwerk::ui {

// The reason the differentiator gives no derivative of term (shown as `name`, "f1(x)"): the term
// is empty or cannot be read, uses a function the differentiator does not know, or is too long.
QString DerivativeFailure(const std::string& term, const QString& name);

}  // namespace plotwerk::ui
