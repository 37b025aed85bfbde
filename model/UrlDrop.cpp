#include "model/UrlDrop.h"

#include "model/MapText.h"
#include "model/Strings.h"

#include <QMimeData>

#include <algorithm>

namespace {

const QString kMozUrl = QStringLiteral("text/x-moz-url");
const QString kUriList = QStringLiteral("text/uri-list");
const QString kPlainText = QStringLiteral("text/plain");

QString bookmarkMimeType() {
    return QStringLiteral("application/x-qt-windows-mime;value=\"%1\"")
        .arg(Strings::untranslated(Str::BookmarkFormat));
}

// The NUL-terminated text from offset `at`, read no further than `end`.
QByteArray textAt(const QByteArray& data, qsizetype at, qsizetype end) {
    end = std::min(end, data.size());
    if (at >= end)
        return {};
    const char* first = data.constData() + at;
    return QByteArray(first, std::find(first, data.constData() + end, '\0') - first);
}

// The texts become an area's 8-bit texts, which end at a NUL: whatever a
// drop carries after one is no part of them.
UrlDrop endingAtNul(UrlDrop drop) {
    for (QByteArray* text : {&drop.url, &drop.title}) {
        const qsizetype nul = text->indexOf('\0');
        if (nul >= 0)
            text->truncate(nul);
    }
    return drop;
}

// text/x-moz-url: the URL and the title on two lines, in UTF-16.
UrlDrop fromMozUrl(const QByteArray& data) {
    const QString text =
        QString::fromUtf16(reinterpret_cast<const char16_t*>(data.constData()), data.size() / 2);
    const QStringList lines = text.split(QLatin1Char('\n'));
    UrlDrop drop = UrlDrop::fromText(lines.value(0));
    drop.title = MapText::fromDisplay(lines.value(1).trimmed());
    return drop;
}

// text/uri-list: the first line that is not a comment.
UrlDrop fromUriList(const QByteArray& data) {
    for (const QByteArray& line : data.split('\n')) {
        const QByteArray entry = line.trimmed();
        if (!entry.isEmpty() && !entry.startsWith('#'))
            return {entry, {}};
    }
    return {};
}

} // namespace

UrlDrop UrlDrop::fromBookmark(const QByteArray& data) {
    return {textAt(data, 0, kTitleAt), textAt(data, kTitleAt, data.size())};
}

UrlDrop UrlDrop::fromText(const QString& text) {
    return endingAtNul({MapText::fromDisplay(text.trimmed()), {}});
}

std::optional<UrlDrop> UrlDrop::fromMimeData(const QMimeData& data) {
    if (data.hasFormat(bookmarkMimeType()))
        return fromBookmark(data.data(bookmarkMimeType()));
    if (data.hasFormat(kMozUrl))
        return endingAtNul(fromMozUrl(data.data(kMozUrl)));
    if (data.hasFormat(kUriList))
        return endingAtNul(fromUriList(data.data(kUriList)));
    if (data.hasText())
        return fromText(data.text());
    return std::nullopt;
}

QStringList UrlDrop::mimeTypes() {
    return {bookmarkMimeType(), kMozUrl, kUriList, kPlainText};
}
