// Plotwerk's desktop program: reads the command line, sets the language, opens the main
// window, runs the loop.
#include <QApplication>
#include <QCommandLineParser>
#include <QIcon>

#include <cstdio>

#include "ui/info2/tf35.h"
#include "ui/language.h"
#include "ui/tfgraf.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName("plotwerk");
  QApplication::setApplicationVersion(PLOTWERK_VERSION);
  QGuiApplication::setDesktopFileName("org.plotwerk.Plotwerk");

  QCommandLineParser parser;
  parser.setApplicationDescription("Plotwerk: a plotter for real functions of one real variable.");
  parser.addHelpOption();
  parser.addVersionOption();
  const QCommandLineOption lang_option(
      "lang", "Language of the window: en or de (default: from the system locale).", "language");
  parser.addOption(lang_option);
  parser.addPositionalArgument("file", "A worksheet (.plotwerk) to open.", "[file]");
  parser.process(app);  // --help and --version print and exit here

  const QString language = plotwerk::ui::ChooseLanguage(parser.value(lang_option), QLocale::system());
  if (language.isEmpty()) {
    std::fprintf(stderr, "plotwerk: unknown language '%s' (use %s)\n",
                 qUtf8Printable(parser.value(lang_option)),
                 qUtf8Printable(plotwerk::ui::AvailableLanguages().join(" or ")));
    return 2;
  }
  if (!plotwerk::ui::InstallLanguage(language)) {
    std::fprintf(stderr, "plotwerk: the %s translation is missing; the window stays English\n",
                 qUtf8Printable(language));
  }
  QApplication::setApplicationDisplayName(plotwerk::ui::MainWindowTitle());
  QApplication::setWindowIcon(QIcon(":/plotwerk/icon.png"));

  plotwerk::ui::TFGraf window;
  // One About window exists from the start, unshown; the menu opens a fresh one each time.
  plotwerk::ui::TF35 about(&window);
  window.show();
  return QApplication::exec();
}
