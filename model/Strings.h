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
class Strings {
public:
    // The text as stored (UTF-8 bytes); empty for an unknown id.
    static const char* raw(int id);
    static QByteArray bytes(int id) { return QByteArray(raw(id)); }
    // The text for the user interface.
    static QString text(int id) { return QString::fromUtf8(raw(id)); }
    static bool contains(int id);
};
