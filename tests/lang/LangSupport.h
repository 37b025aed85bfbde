#pragma once

#include <QFile>
#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>

// The shipped translations and the string table's ids, for the language
// tests.
namespace lang {

inline const QStringList kTranslated = {QStringLiteral("de"), QStringLiteral("fr"),
                                        QStringLiteral("es")};

inline QList<int> tableIds() {
    return {
#define TSTR(id, name, text) id,
#include "res/strings/all.def"
#undef TSTR
    };
}

// res/translations/untranslated.txt: the ids written to files and the
// texts that read the same in every language.
inline QSet<int> untranslatedIds() {
    QSet<int> ids;
    QFile file(QStringLiteral(TESSARY_SOURCE_DIR "/res/translations/untranslated.txt"));
    if (!file.open(QIODevice::ReadOnly))
        return ids;
    while (!file.atEnd()) {
        const QString line =
            QString::fromUtf8(file.readLine()).section(QLatin1Char('#'), 0, 0).trimmed();
        if (line.isEmpty())
            continue;
        const int first = line.section(QLatin1Char('-'), 0, 0).toInt();
        const int last =
            line.contains(QLatin1Char('-')) ? line.section(QLatin1Char('-'), 1).toInt() : first;
        for (int id = first; id <= last; ++id)
            ids.insert(id);
    }
    return ids;
}

} // namespace lang
