// Marks on the edit fields whose text cannot be read: a light red background, a tooltip and a
// message in the status line that say what is wrong and where. Nothing blocks the typing.
#pragma once

#include <QColor>
#include <QObject>
#include <QString>

#include <string>
#include <vector>

#include "plot/parameters.h"

namespace plotwerk::ui {

class MainWindow;
class TermEdit;

// The background of a marked field.
inline const QColor kMarkColour(255, 208, 208);

// What is wrong with a term field's text, or an empty text when it reads (an empty field is
// not wrong). "position 2: unexpected character 'X'".
QString TermFieldProblem(const std::string& text);
// The same for a number field, which must also give a value at X = 1 with the given P and Q.
QString NumberFieldProblem(const std::string& text, const plot::Parameters& parameters);

// The checks of one window, a child object named "FieldMarks".
class FieldMarks : public QObject {
 public:
  explicit FieldMarks(MainWindow& window);

  // Checks the field again and updates its mark and the status line.
  void Recheck(TermEdit* field);
  bool Marked(const TermEdit* field) const;

 private:
  struct Field {
    TermEdit* edit;
    QString name;  // as the status line names it: "f1(x)", "P", "Δ", ...
    bool term;     // a term field (else a number field)
    QString problem;
    QString read_as;  // a readable term with implicit products, every "*" written
  };

  void ShowInStatusLine(const Field* changed);

  MainWindow& window_;
  std::vector<Field> fields_;
};

}  // namespace plotwerk::ui
