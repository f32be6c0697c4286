// The language of the desktop program: the user's choice, kept in the settings, and the
// translators it installs at the start (the program's own and Qt's for its dialogs).
#pragma once

#include <QCoreApplication>
#include <QLocale>
#include <QString>
#include <QStringList>

class CLanguage {
    Q_DECLARE_TR_FUNCTIONS(CLanguage)

public:
    // The stored choice: a language code ("de", "en"), or empty for the system's language.
    static QString Load();
    static void Save(const QString& code);
    // The codes of the languages the program carries translations for, English first.
    static QStringList Available();
    // The locale the choice stands for.
    static QLocale LocaleFor(const QString& code);
    // Installs the translators for the choice into the application (their parent); false when
    // the program has no translation for that language, which then speaks English.
    static bool Install(QCoreApplication& app, const QString& code);
    // The code of the language the program speaks now, by its translators ("en" without one).
    static QString Speaking();
};
