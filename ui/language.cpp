// Translators of the window and of Qt, and the catalogue that puts the plot core's words
// (result list, picture labels) into the window's language.
#include "ui/language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QRegularExpression>
#include <QTranslator>

#include <memory>
#include <string>

#include "plot/texts.h"

namespace plotwerk::ui {

namespace {

constexpr char kCoreContext[] = "plotwerk::plot";
constexpr char kPlatformContext[] = "plotwerk::platform";

// The phrases the plot core hands to Localized(), listed here so that lupdate finds them.
[[maybe_unused]] constexpr const char* kCorePhrases[] = {
    QT_TRANSLATE_NOOP("plotwerk::plot", "does not exist"),
    QT_TRANSLATE_NOOP("plotwerk::plot", "cannot be determined"),
    QT_TRANSLATE_NOOP("plotwerk::plot", "Function Y = "),
    QT_TRANSLATE_NOOP("plotwerk::plot", "Domain ("),
    QT_TRANSLATE_NOOP("plotwerk::plot", "1st derivative"),
    QT_TRANSLATE_NOOP("plotwerk::plot", "2nd derivative"),
    QT_TRANSLATE_NOOP("plotwerk::plot", "Area under f1 between "),
    QT_TRANSLATE_NOOP("plotwerk::plot", "Area between f1 and f2 between "),
    QT_TRANSLATE_NOOP("plotwerk::plot", "Definite integral f1 between "),
    QT_TRANSLATE_NOOP("plotwerk::plot", "Definite integral f1-f2 between "),
    QT_TRANSLATE_NOOP("plotwerk::plot", "Zeros"),
    QT_TRANSLATE_NOOP("plotwerk::plot", "Extrema"),
    QT_TRANSLATE_NOOP("plotwerk::plot", "Minimum"),
    QT_TRANSLATE_NOOP("plotwerk::plot", "Maximum"),
    QT_TRANSLATE_NOOP("plotwerk::plot", "Inflection points"),
    QT_TRANSLATE_NOOP("plotwerk::plot", "Intersection points"),
    QT_TRANSLATE_NOOP("plotwerk::plot", "Intersection points between f1 and f2"),
    QT_TRANSLATE_NOOP("plotwerk::plot", "Function f2: Y = "),
    QT_TRANSLATE_NOOP("plotwerk::plot", "Value table"),
    QT_TRANSLATE_NOOP("plotwerk::plot", "Value table cut after %1 of %2 rows"),
    QT_TRANSLATE_NOOP("plotwerk::plot", "endless"),
    QT_TRANSLATE_NOOP("plotwerk::plot", "Array of functions: only the first %1 curves drawn"),
    QT_TRANSLATE_NOOP("plotwerk::plot", "Zeros: "),
    QT_TRANSLATE_NOOP("plotwerk::plot", "Extreme points: "),
    QT_TRANSLATE_NOOP("plotwerk::plot", "Intersections: "),
    QT_TRANSLATE_NOOP("plotwerk::plot", "Inflection Points: "),
    QT_TRANSLATE_NOOP("plotwerk::plot", "Antiderivative f1"),
    QT_TRANSLATE_NOOP("plotwerk::plot", "Inverse function"),
    // Point labels: short names (numbered when a kind occurs more than once) and coordinates.
    QT_TRANSLATE_NOOP("plotwerk::plot", "Z%1"),
    QT_TRANSLATE_NOOP("plotwerk::plot", "Max%1"),
    QT_TRANSLATE_NOOP("plotwerk::plot", "Min%1"),
    QT_TRANSLATE_NOOP("plotwerk::plot", "I%1"),
    QT_TRANSLATE_NOOP("plotwerk::plot", "X%1"),
    QT_TRANSLATE_NOOP("plotwerk::plot", "%1(%2; %3)"),
};

// The fixed messages of the picture writers and the printer.
[[maybe_unused]] constexpr const char* kPlatformMessages[] = {
    QT_TRANSLATE_NOOP("plotwerk::platform", "The picture has no pixels to save."),
    QT_TRANSLATE_NOOP("plotwerk::platform", "The picture is too large for a BMP file."),
    QT_TRANSLATE_NOOP("plotwerk::platform", "The picture is too large for a GIF file."),
    QT_TRANSLATE_NOOP("plotwerk::platform", "The PNG encoder failed."),
    QT_TRANSLATE_NOOP("plotwerk::platform", "Unknown picture format."),
    QT_TRANSLATE_NOOP("plotwerk::platform", "The picture could not be prepared for printing."),
    QT_TRANSLATE_NOOP("plotwerk::platform", "The printer could not be started."),
    QT_TRANSLATE_NOOP("plotwerk::platform", "Printing failed."),
    // Why a file could not be written (the all-or-nothing writer) or read (the worksheet reader).
    QT_TRANSLATE_NOOP("plotwerk::platform", "the symbolic link points to nothing that exists"),
    QT_TRANSLATE_NOOP("plotwerk::platform", "the file is write-protected"),
    QT_TRANSLATE_NOOP("plotwerk::platform",
                      "the file belongs to another owner or group, which a new file could not keep"),
    QT_TRANSLATE_NOOP("plotwerk::platform", "no such file"),
    QT_TRANSLATE_NOOP("plotwerk::platform", "it is a folder"),
    QT_TRANSLATE_NOOP("plotwerk::platform", "not a regular file"),
    QT_TRANSLATE_NOOP("plotwerk::platform", "the file is larger than a worksheet can be"),
};

// File errors with a name or numbers in them: the English pattern and its text with %1, %2 for
// the captured parts; `reason_last`: the last part is a reason, translated in turn.
struct MessagePattern {
  const char* english;
  const char* text;
  bool reason_last;
};
const MessagePattern kFileErrorPatterns[] = {
    {R"re(^Cannot write "(.*)": (.*)$)re", QT_TRANSLATE_NOOP("plotwerk::platform", "Cannot write \"%1\": %2"), true},
    {R"re(^the file has (\d+) other hard link\(s\), which replacing it would break$)re",
     QT_TRANSLATE_NOOP("plotwerk::platform", "the file has %1 other hard link(s), which replacing it would break"),
     false},
    {R"re(^the file has (\d+) bytes, more than a worksheet can hold \((\d+) bytes\)$)re",
     QT_TRANSLATE_NOOP("plotwerk::platform", "the file has %1 bytes, more than a worksheet can hold (%2 bytes)"),
     false},
};

std::unique_ptr<QTranslator> g_window_translator;
std::unique_ptr<QTranslator> g_qt_translator;

// The plot core works in code page 1252 bytes; German needs nothing beyond Latin-1.
std::string CoreText(std::string_view english) {
  const std::string key(english);
  return QCoreApplication::translate(kCoreContext, key.c_str()).toLatin1().toStdString();
}

void RemoveTranslators() {
  for (auto* translator : {&g_window_translator, &g_qt_translator}) {
    if (*translator) QCoreApplication::removeTranslator(translator->get());
    translator->reset();
  }
  plot::SetTextCatalogue(nullptr);
  plot::SetDecimalCommaInTerms(false);
}

}  // namespace

QStringList AvailableLanguages() { return {QStringLiteral("en"), QStringLiteral("de")}; }

QString ChooseLanguage(const QString& requested, const QLocale& system) {
  const QStringList available = AvailableLanguages();
  if (!requested.isEmpty()) return available.contains(requested) ? requested : QString();
  for (const QString& ui_language : system.uiLanguages()) {
    // "de-AT" and "de_DE" both mean German.
    const QString base = ui_language.section(QLatin1Char('-'), 0, 0).section(QLatin1Char('_'), 0, 0);
    if (available.contains(base)) return base;
  }
  return available.constFirst();
}

bool InstallLanguage(const QString& language) {
  RemoveTranslators();
  if (language == QLatin1String("en")) return true;
  auto window = std::make_unique<QTranslator>();
  if (!window->load(QStringLiteral(":/i18n/plotwerk_%1.qm").arg(language))) return false;
  QCoreApplication::installTranslator(window.get());
  g_window_translator = std::move(window);
  auto qt = std::make_unique<QTranslator>();
  if (qt->load(QStringLiteral("qtbase_%1").arg(language),
               QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    QCoreApplication::installTranslator(qt.get());
    g_qt_translator = std::move(qt);
  }
  plot::SetTextCatalogue(&CoreText);
  // German writes every number with a decimal comma, the ones inside terms too.
  plot::SetDecimalCommaInTerms(language == QLatin1String("de"));
  return true;
}

QString PlatformMessage(const char* english) {
  return QCoreApplication::translate(kPlatformContext, english);
}

QString FileErrorMessage(const QString& english) {
  for (const MessagePattern& pattern : kFileErrorPatterns) {
    const QRegularExpression re(QString::fromLatin1(pattern.english), QRegularExpression::DotMatchesEverythingOption);
    const QRegularExpressionMatch match = re.match(english);
    if (!match.hasMatch()) continue;
    const QString text = QCoreApplication::translate(kPlatformContext, pattern.text);
    const QString first = match.captured(1);
    if (match.lastCapturedIndex() == 1) return text.arg(first);
    const QString second = pattern.reason_last ? FileErrorMessage(match.captured(2)) : match.captured(2);
    // Both at once, so that a "%2" in a file name stays as it is.
    return text.arg(first, second);
  }
  return QCoreApplication::translate(kPlatformContext, english.toUtf8().constData());
}

}  // namespace plotwerk::ui
