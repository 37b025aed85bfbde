#include "wizards/InsertPointValues.h"

#include <QFile>

InsertPointValues::InsertPointValues(const QByteArray& page)
    : m_page(page), m_shown(page), m_body(PageBody::of(page)) {
    m_shown.replace('\r', QByteArray());
}

InsertPointValues InsertPointValues::read(const QString& path) {
    QFile file(path);
    return InsertPointValues(file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray());
}

int InsertPointValues::initialCaret(int insertOffset) const {
    if (insertOffset >= 0)
        return int(std::min<qsizetype>(insertOffset, m_shown.size()));
    const QByteArrayView before = QByteArrayView(m_page).first(m_body.start());
    return int(before.size() - before.count('\r'));
}

qsizetype InsertPointValues::byteOffsetOf(int caret) const {
    qsizetype pos = 0;
    for (int counted = 0; pos < m_page.size() && counted < caret; ++pos) {
        if (m_page[pos] != '\r')
            ++counted;
    }
    return pos;
}

bool InsertPointValues::allows(int caret) const {
    return caret >= 0 && caret <= m_shown.size() && m_body.allowsInsertAt(byteOffsetOf(caret));
}

bool InsertPointValues::canAccept(int caret, bool hasSelection, const QString& imagePath) const {
    return !hasSelection && !imagePath.trimmed().isEmpty() && allows(caret);
}
