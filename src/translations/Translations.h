// Which language Orvando speaks, and putting its translations in place.
#pragma once

#include <QLocale>
#include <QProcessEnvironment>
#include <QStringList>

class QCoreApplication;

class Translations
{
public:
    // The languages shipped besides English, as their translation files name them.
    static QStringList shipped();

    // The first of the user's languages (most preferred first, as QLocale::uiLanguages gives them)
    // that Orvando speaks; English when it speaks none of them.
    static QLocale choose(const QStringList &uiLanguages);

    // A terminal's language: LC_ALL, then LC_MESSAGES, then LANG, as the C library reads them.
    // "C", "POSIX" or nothing set means English.
    static QLocale fromEnvironment(const QProcessEnvironment &environment);

    // Whether ORVANDO_PSEUDO_TRANSLATION asks for the lengthened, accented texts that show where
    // a layout is too tight for a longer language.
    static bool pseudoRequested(const QProcessEnvironment &environment);

    // Installs English's plural forms, which every language falls back on, then the translation of
    // `language` (or the pseudo-translation) over them. The application owns the translators.
    // Numbers, sizes and dates follow the system's region when it speaks the same language, and
    // the language's own conventions otherwise (a German text never shows English month names).
    static void install(QCoreApplication *application, const QLocale &language, bool pseudo = false);

    // Takes every translation out again: English source texts, as a JSON answer needs them.
    static void uninstall(QCoreApplication *application);
};
