// The help window: one page of rich text per language from the program's resources, with the
// list of functions made from the evaluator's name table when the page is loaded.
#pragma once

#include <QDialog>
#include <QMap>
#include <QString>
#include <QStringList>

class QTextBrowser;

namespace plotwerk::ui {

// One line of a page's function block: "NAME | meaning | allowed values" (rich text).
struct FunctionDescription {
  QString meaning;
  QString domain;
};
// The function block of a help page: a comment that starts with kFunctionBlockStart, holding
// one header line "! column | column | column | column" and one line per function; the columns
// are separated by a bar with a space on either side.
inline constexpr char kFunctionBlockStart[] = "<!--FUNCTIONS";
struct FunctionBlock {
  QStringList header;
  QMap<QString, FunctionDescription> described;
};
FunctionBlock ReadFunctionBlock(const QString& page);

// The resource of the help page in `language` ("en", "de"); English for a language without a
// page of its own.
QString HelpResource(const QString& language);
// The page with its function block replaced by the table of callable functions. A function
// the block does not describe still gets its row, with a question mark.
QString HelpPage(const QString& language);

// Non-modal; the main window keeps one and shows it again on F1. Returning from it to the
// main window is not an activation (the view stays as it is).
class HelpWindow : public QDialog {
  Q_OBJECT
 public:
  // An empty language means the language of the window's translation.
  explicit HelpWindow(QWidget* parent = nullptr, const QString& language = {});

  // The language code the loaded translation gives the help: "en" untranslated.
  static QString WindowLanguage();

  QTextBrowser* HelpText;
};

}  // namespace plotwerk::ui
