#include "formats/PageBody.h"

#include "formats/HtmlPageScan.h"

#include <algorithm>

namespace {

bool strictlyInside(const std::vector<std::pair<qsizetype, qsizetype>>& ranges, qsizetype pos) {
    return std::any_of(ranges.begin(), ranges.end(),
                       [pos](const auto& r) { return r.first < pos && pos < r.second; });
}

} // namespace

PageBody PageBody::of(QByteArrayView text) {
    PageBody body;
    qsizetype headEnd = 0, bodyStart = -1, mapStart = -1;
    HtmlTag tag;
    for (qsizetype pos = text.indexOf('<'); pos >= 0; pos = text.indexOf('<', tag.resume)) {
        HtmlPageScan::readTag(text, pos, tag);
        qsizetype end = tag.end;
        if (const QByteArrayView raw = HtmlPageScan::rawTextElement(tag); !raw.isEmpty()) {
            const qsizetype close = HtmlPageScan::findClosingTag(text, tag.end, raw);
            if (close < text.size()) {
                HtmlPageScan::readTag(text, close, tag);
                end = tag.end;
            } else {
                end = tag.resume = text.size();
            }
        } else if (tag.is("BODY")) {
            if (tag.closing)
                body.m_end = tag.start;
            else if (bodyStart < 0)
                bodyStart = tag.end;
        } else if (tag.is("MAP")) {
            if (!tag.closing && mapStart < 0) {
                mapStart = tag.start;
            } else if (tag.closing && mapStart >= 0) {
                body.m_maps.emplace_back(mapStart, tag.end);
                mapStart = -1;
            }
        } else if (tag.is("HEAD") && tag.closing && headEnd == 0) {
            headEnd = tag.end;
        }
        body.m_markup.emplace_back(pos, end);
        if (tag.resume >= text.size())
            break;
    }
    body.m_start = bodyStart >= 0 ? bodyStart : headEnd;
    return body;
}

bool PageBody::allowsInsertAt(qsizetype pos) const {
    if (!hasEnd() || pos < m_start || pos > m_end)
        return false;
    // Tags are in order and do not overlap: the last one that starts before
    // pos is the only one that can hold it.
    const auto after = std::lower_bound(m_markup.begin(), m_markup.end(), pos,
                                        [](const Range& r, qsizetype p) { return r.first < p; });
    if (after != m_markup.begin() && pos < std::prev(after)->second)
        return false;
    return !strictlyInside(m_maps, pos);
}
