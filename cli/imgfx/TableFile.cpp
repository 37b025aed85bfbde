#include "TableFile.h"

#include <QFile>
#include <QRegularExpression>

namespace imgfxcli {

bool readTableFile(const QString& path, std::vector<uint8_t>* table, QString* error) {
    QFile file(path);
    // A table is 256 short numbers; anything far larger is not one.
    constexpr qint64 largest = 1 << 16;
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("cannot read the table file %1: %2").arg(path, file.errorString());
        return false;
    }
    const QByteArray bytes = file.read(largest + 1);
    const QStringList words = QString::fromLatin1(bytes).split(
        QRegularExpression(QStringLiteral("[\\s,]+")), Qt::SkipEmptyParts);
    table->clear();
    for (const QString& word : words) {
        bool ok = false;
        const int level = word.toInt(&ok);
        if (!ok || level < 0 || level > 255) {
            *error = QStringLiteral("the table file %1 holds \"%2\", not a level from 0 to 255")
                         .arg(path, word.left(20));
            return false;
        }
        table->push_back(uint8_t(level));
    }
    if (bytes.size() > largest || table->size() != 256) {
        *error = QStringLiteral("the table file %1 holds %2 levels, not 256")
                     .arg(path)
                     .arg(bytes.size() > largest ? QStringLiteral("too many")
                                                 : QString::number(table->size()));
        return false;
    }
    return true;
}

} // namespace imgfxcli
