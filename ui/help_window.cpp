// The help window and its page: the resource of the window's language, whose function block is
// turned into a table of every function the evaluator knows, with the short names that work.
#include "ui/help_window.h"

#include <QAction>
#include <QCoreApplication>
#include <QFile>
#include <QKeySequence>
#include <QMenuBar>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "ui/function_list.h"
#include "ui/main_window.h"
#include "ui/window_extension.h"

namespace plotwerk::ui {

namespace {

constexpr char kHelpResourcePattern[] = ":/plotwerk/help/help_%1.html";
constexpr char kDefaultLanguage[] = "en";
constexpr char kHeaderMark = '!';
// Spaces around the bar, so that a meaning may contain |x|.
constexpr char kColumnSeparator[] = " | ";
constexpr int kHelpWidth = 680;
constexpr int kHelpHeight = 600;

QString ReadResource(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  return QString::fromUtf8(file.readAll());
}

QString Cell(const QString& tag, const QString& text) {
  return QStringLiteral("<%1>%2</%1>").arg(tag, text);
}

QString FunctionTable(const FunctionBlock& block) {
  QString html = QStringLiteral("<table border=\"1\" cellpadding=\"3\" cellspacing=\"0\"><tr>");
  for (const QString& column : block.header) html += Cell("th align=\"left\"", column);
  html += QStringLiteral("</tr>");
  const FunctionDescription unknown{QStringLiteral("?"), QStringLiteral("?")};
  for (const CallableFunction& function : CallableFunctions()) {
    const QString name = QString::fromLatin1(function.name);
    QStringList short_forms;
    for (const std::string& s : function.short_forms) short_forms << QString::fromLatin1(s);
    const FunctionDescription d = block.described.value(name, unknown);
    html += QStringLiteral("<tr>") + Cell("td", "<tt><b>" + name + "</b></tt>") +
            Cell("td", short_forms.isEmpty() ? QStringLiteral("&ndash;")
                                             : "<tt>" + short_forms.join(QStringLiteral(", ")) + "</tt>") +
            Cell("td", d.meaning) + Cell("td", d.domain) + QStringLiteral("</tr>");
  }
  return html + QStringLiteral("</table>");
}

void InstallHelp(MainWindow& window) {
  auto* item = new QAction(MainWindow::tr("Help"), &window);
  item->setObjectName("help_item");
  item->setShortcut(QKeySequence(Qt::Key_F1));
  // Beside "About ...", where a user looks for it.
  window.menuBar()->insertAction(window.Menu().about_item, item);
  QObject::connect(item, &QAction::triggered, &window, [&window] {
    auto* help = window.findChild<HelpWindow*>();
    if (help == nullptr) help = new HelpWindow(&window);
    help->show();
    help->raise();
    help->activateWindow();
  });
}
const WindowExtensionRegistration kHelp{&InstallHelp};

}  // namespace

FunctionBlock ReadFunctionBlock(const QString& page) {
  FunctionBlock block;
  const qsizetype begin = page.indexOf(QLatin1String(kFunctionBlockStart));
  if (begin < 0) return block;
  const qsizetype body = begin + qsizetype(sizeof(kFunctionBlockStart)) - 1;
  const qsizetype end = page.indexOf(QLatin1String("-->"), body);
  if (end < 0) return block;
  for (const QString& line : page.mid(body, end - body).split('\n')) {
    const QString text = line.trimmed();
    if (text.startsWith(QLatin1Char(kHeaderMark))) {
      for (const QString& column : text.mid(1).split(kColumnSeparator)) block.header << column.trimmed();
      continue;
    }
    const QStringList parts = text.split(kColumnSeparator);
    if (parts.size() != 3) continue;
    block.described.insert(parts[0].trimmed(), {parts[1].trimmed(), parts[2].trimmed()});
  }
  return block;
}

QString HelpResource(const QString& language) {
  const QString path = QString::fromLatin1(kHelpResourcePattern).arg(language);
  if (!language.isEmpty() && QFile::exists(path)) return path;
  return QString::fromLatin1(kHelpResourcePattern).arg(QLatin1String(kDefaultLanguage));
}

QString HelpPage(const QString& language) {
  QString page = ReadResource(HelpResource(language));
  const qsizetype begin = page.indexOf(QLatin1String(kFunctionBlockStart));
  const qsizetype end = begin < 0 ? -1 : page.indexOf(QLatin1String("-->"), begin);
  if (end < 0) return page;
  const QString table = FunctionTable(ReadFunctionBlock(page));
  return page.replace(begin, end + 3 - begin, table);
}

QString HelpWindow::WindowLanguage() {
  //: The language code of the help page shown (help_<code>.html): "de" in the German translation.
  return tr("en");
}

HelpWindow::HelpWindow(QWidget* parent, const QString& language) : QDialog(parent) {
  setObjectName("HelpWindow");
  setWindowTitle(tr("Plotwerk help"));
  setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint);
  setModal(false);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  HelpText = new QTextBrowser(this);
  HelpText->setObjectName("HelpText");
  HelpText->setOpenExternalLinks(false);
  HelpText->setHtml(HelpPage(language.isEmpty() ? WindowLanguage() : language));
  layout->addWidget(HelpText);
  resize(kHelpWidth, kHelpHeight);
}

}  // namespace plotwerk::ui
