#pragma once

#include <QString>
#include <QStringList>

// The language of the user interface. The program installs one translation
// at start-up, before any window exists: the one named by the "Language"
// setting, else the desktop's (LANGUAGE, LC_ALL, LC_MESSAGES, LANG, the
// order QLocale follows). The translations are compiled into the program
// (:/translations/tessary_<code>.qm); Qt's own texts (standard buttons) come
// from Qt's translations where the system has them.
class Translation {
public:
    // The codes of the shipped languages, English first.
    static QStringList shipped();
    // The language's own name ("Deutsch") for the language setting.
    static QString nativeName(const QString& code);
    // The first shipped language of a list of interface languages
    // ("fr-CA"), "en" where none is shipped.
    static QString choose(const QStringList& uiLanguages);
    // Installs the translation of code (empty: the desktop's language) into
    // the running application, replacing any installed before, and makes
    // its locale the default for numbers shown. Returns the code of the
    // language the interface now speaks ("en" where no translation fits).
    static QString install(const QString& code);
    // Back to English and the system locale.
    static void remove();
    // Whether count takes the singular in the language the interface
    // speaks: 1 in English, German and Spanish, 0 and 1 in French.
    static bool singular(qint64 count);
};
