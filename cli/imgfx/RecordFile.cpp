#include "RecordFile.h"

#include <QFile>
#include <QRegularExpression>

#include <limits>

namespace imgfxcli {

namespace {

// Larger files are not filter records anyone writes by hand.
constexpr qint64 largestFile = 64 * 1024 * 1024;

bool parseWords(const QString& text, std::vector<int32_t>* record, QString* bad) {
    static const QRegularExpression separators(QStringLiteral("[\\s,]+"));
    for (QString line : text.split(u'\n')) {
        line.truncate(line.indexOf(u'#') < 0 ? line.size() : line.indexOf(u'#'));
        for (const QString& word : line.split(separators, Qt::SkipEmptyParts)) {
            bool ok = false;
            const qlonglong v = word.toLongLong(&ok);
            if (!ok || v < std::numeric_limits<int32_t>::min() ||
                v > std::numeric_limits<int32_t>::max()) {
                *bad = word;
                return false;
            }
            record->push_back(int32_t(v));
        }
    }
    return true;
}

} // namespace

bool readRecordFile(const QString& path, int header, std::vector<int32_t>* record, QString* error) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("cannot read record file %1: %2").arg(path, file.errorString());
        return false;
    }
    if (file.size() > largestFile) {
        *error = QStringLiteral("record file %1 is too large").arg(path);
        return false;
    }
    record->clear();
    QString bad;
    if (!parseWords(QString::fromUtf8(file.readAll()), record, &bad)) {
        *error = QStringLiteral("record file %1: \"%2\" is not a 32-bit integer").arg(path, bad);
        return false;
    }
    const qsizetype count = qsizetype(record->size());
    if (count < header) {
        *error = QStringLiteral("record file %1 holds %2 number(s); the record needs at least %3")
                     .arg(path)
                     .arg(count)
                     .arg(header);
        return false;
    }
    const qint64 dimension = (*record)[size_t(header - 1)];
    const qint64 wanted = header + (dimension > 0 ? dimension * dimension : 0);
    if (count != wanted) {
        *error = QStringLiteral("record file %1 holds %2 number(s); dimension %3 needs %4")
                     .arg(path)
                     .arg(count)
                     .arg(dimension)
                     .arg(wanted);
        return false;
    }
    return true;
}

} // namespace imgfxcli
