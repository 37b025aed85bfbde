#pragma once

#include <QByteArray>
#include <QString>

// Names for the ids of the string table (res/strings/*.def): Str::SettingsSection
// is 7037 and so on.
namespace Str {
enum Id : int {
#define TSTR(id, name, text) name = id,
#include "res/strings/all.def"
#undef TSTR
};
} // namespace Str

// The system's string table: messages, prompts, keywords, markers and
// setting names, looked up by their numeric ids. The table is compiled in,
// so a lookup never fails for an id that Str names.
//
// The table holds the English texts. Translations are keyed by the id (the
// message id of res/translations/*.ts); the application installs the one of
// the user's language (Translation). What is written to files (keywords,
// markers, tracking comments, setting names) is read through raw(), bytes()
// or untranslated(), never through text().
class Strings {
public:
    // The text as stored (UTF-8 bytes); empty for an unknown id.
    static const char* raw(int id);
    static QByteArray bytes(int id) { return QByteArray(raw(id)); }
    // The English text as a QString, for names written to files.
    static QString untranslated(int id) { return QString::fromUtf8(raw(id)); }
    // The text for the user interface, in the installed translation's
    // language where it has one.
    static QString text(int id);
    // text(id) used as a printf format (translations keep the English
    // text's placeholders in their order).
    static QString format(int id, ...);
    static bool contains(int id);
};
