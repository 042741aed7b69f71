// The language of the window: English (the source texts) or German, chosen from the system
// locale or from the command line, with Qt's own dialogs in the same language.
#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

namespace plotwerk::ui {

// The languages the window speaks, English first.
QStringList AvailableLanguages();

// `requested` when it is one of the available languages; when it is empty, the first of the
// system's user-interface languages that is available, else English. An unknown request gives
// the empty text.
QString ChooseLanguage(const QString& requested, const QLocale& system);

// Installs the window's translation, Qt's own translation and the plot core's text catalogue
// for `language` (one of AvailableLanguages()), replacing what an earlier call installed;
// English removes them. Call before the windows are created. Returns false when the window's
// translation could not be loaded (Qt's own missing is not an error: its dialogs then stay
// English).
bool InstallLanguage(const QString& language);

// A message of the platform layer (an exception's text) in the window's language.
QString PlatformMessage(const char* english);

// Why a file could not be written or a worksheet not read, in the window's language: the known
// reasons are translated, file names and numbers kept; an unknown reason stays as it is.
QString FileErrorMessage(const QString& english);

}  // namespace plotwerk::ui
