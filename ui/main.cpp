// Plotwerk's desktop program: reads the command line, sets the language, opens the main
// window, runs the loop.
#include <QApplication>
#include <QCommandLineParser>
#include <QIcon>

#include <cstdio>

#include "platform/vector_state.h"
#include "ui/about_window.h"
#include "ui/language.h"
#include "ui/recovery.h"
#include "ui/main_window.h"
#include "ui/worksheet_actions.h"

namespace {

void SetApplicationNames() {
  QCoreApplication::setApplicationName("plotwerk");
  QCoreApplication::setApplicationVersion(PLOTWERK_VERSION);
}

struct Options {
  QCommandLineOption help;
  QCommandLineOption version;
  QCommandLineOption lang{"lang", "Language of the window: en or de (default: from the system locale).",
                          "language"};
};

Options AddOptions(QCommandLineParser& parser) {
  parser.setApplicationDescription("Plotwerk: a plotter for real functions of one real variable.");
  Options options{parser.addHelpOption(), parser.addVersionOption()};
  parser.addOption(options.lang);
  parser.addPositionalArgument("file", "A worksheet (.plotwerk) to open.", "[file]");
  return options;
}

// --help and --version answer before the window system is opened, so they work without a
// display; Qt's own options (-platform, ...) are not known yet and are not errors here.
void AnswerHelpOrVersion(int argc, char* argv[]) {
  QCoreApplication probe(argc, argv);
  SetApplicationNames();
  QCommandLineParser parser;
  const Options options = AddOptions(parser);
  parser.parse(QCoreApplication::arguments());
  if (parser.isSet(options.help)) parser.showHelp(0);
  if (parser.isSet(options.version)) parser.showVersion();
}

}  // namespace

int main(int argc, char* argv[]) {
  AnswerHelpOrVersion(argc, argv);

  QApplication app(argc, argv);
  // Starting the application leaves the vector registers' upper halves in use, which slows
  // every later SSE instruction of the process.
  plotwerk::platform::ClearUpperVectorState();
  SetApplicationNames();
  QGuiApplication::setDesktopFileName("org.plotwerk.Plotwerk");
  QCommandLineParser parser;
  const Options options = AddOptions(parser);
  parser.process(app);  // unknown options end the program with a message

  const QString language = plotwerk::ui::ChooseLanguage(parser.value(options.lang), QLocale::system());
  if (language.isEmpty()) {
    std::fprintf(stderr, "plotwerk: unknown language '%s' (use %s)\n",
                 qUtf8Printable(parser.value(options.lang)),
                 qUtf8Printable(plotwerk::ui::AvailableLanguages().join(" or ")));
    return 2;
  }
  if (!plotwerk::ui::InstallLanguage(language)) {
    std::fprintf(stderr, "plotwerk: the %s translation is missing; the window stays English\n",
                 qUtf8Printable(language));
  }
  QApplication::setApplicationDisplayName(plotwerk::ui::MainWindowTitle());
  QApplication::setWindowIcon(QIcon(":/plotwerk/icon.png"));

  plotwerk::ui::MainWindow window;
  // One About window exists from the start, unshown; the menu opens a fresh one each time.
  plotwerk::ui::AboutWindow about(&window);
  window.show();
  plotwerk::ui::StartRecovery(window);
  // plotwerk FILE.plotwerk opens that worksheet; the parser has already taken --lang and its value.
  const QStringList files = parser.positionalArguments();
  if (!files.isEmpty()) {
    plotwerk::ui::OpenWorksheetFromArguments(window, {QApplication::applicationFilePath(), files.first()});
  }
  return QApplication::exec();
}
