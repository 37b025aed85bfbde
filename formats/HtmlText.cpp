#include "formats/HtmlText.h"

#include <string_view>

namespace HtmlText {

namespace {
constexpr char kQuoteEntity[] = "&quot;";
constexpr qsizetype kQuoteEntityLength = sizeof(kQuoteEntity) - 1;
} // namespace

bool equalsNoCase(QByteArrayView a, QByteArrayView b) {
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i) {
        if (upper(a[i]) != upper(b[i]))
            return false;
    }
    return true;
}

bool endsWithNoCase(QByteArrayView text, QByteArrayView tail) {
    return text.size() >= tail.size() && equalsNoCase(text.last(tail.size()), tail);
}

QByteArray toUpper(QByteArrayView text) {
    QByteArray out(text.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < text.size(); ++i)
        out[i] = upper(text[i]);
    return out;
}

qsizetype find(QByteArrayView text, QByteArrayView needle, qsizetype from) {
    const std::string_view in(text.data(), std::size_t(text.size()));
    const std::size_t at =
        in.find(std::string_view(needle.data(), std::size_t(needle.size())), std::size_t(from));
    return at == std::string_view::npos ? -1 : qsizetype(at);
}

QByteArray unquote(QByteArrayView value) {
    if (!value.contains('&')) // nearly every value, COORDS of a million points among them
        return value.toByteArray();
    QByteArray out;
    out.reserve(value.size());
    qsizetype from = 0;
    for (qsizetype at; (at = value.indexOf(QByteArrayView(kQuoteEntity), from)) >= 0;) {
        out.append(value.sliced(from, at - from));
        out.append('"');
        from = at + kQuoteEntityLength;
    }
    out.append(value.sliced(from));
    return out;
}

void appendQuoted(QByteArray& out, QByteArrayView value) {
    out.append('"');
    qsizetype from = 0;
    for (qsizetype at; (at = value.indexOf('"', from)) >= 0;) {
        out.append(value.sliced(from, at - from));
        out.append(kQuoteEntity, kQuoteEntityLength);
        from = at + 1;
    }
    out.append(value.sliced(from));
    out.append('"');
}

} // namespace HtmlText
