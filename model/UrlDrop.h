#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

class QMimeData;

// A URL dropped on the map view, with the title that becomes the receiving
// area's comment (empty for plain text, which leaves the comment as it is).
// Both end at a NUL, as the area's texts do.
struct UrlDrop {
    QByteArray url;
    QByteArray title;

    // Browser bookmark data ("Netscape Bookmark"): the URL is the
    // NUL-terminated text at offset 0 (at most 1,024 bytes), the title the
    // NUL-terminated text at offset 1,024.
    static UrlDrop fromBookmark(const QByteArray& data);
    // Plain text: the URL is the text without surrounding blanks and line
    // breaks; no title.
    static UrlDrop fromText(const QString& text);
    // What a drop offers, taken in this order: bookmark data, a URL with
    // its title (text/x-moz-url), the first entry of a URI list, plain text.
    // nullopt when none of them is there.
    static std::optional<UrlDrop> fromMimeData(const QMimeData& data);
    // The MIME types a drop target accepts, in that order.
    static QStringList mimeTypes();

    static constexpr int kTitleAt = 1024;
};
