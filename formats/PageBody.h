#pragma once

#include <QByteArrayView>

#include <utility>
#include <vector>

// Where a page's body lies and where a new tag may go into it. The body
// runs from just after the opening BODY tag (after the closing HEAD tag, or
// the start, when there is none) to the "<" of the last closing BODY tag. A
// new tag may go only between the body's tags: never inside a tag (a ">"
// inside a quoted value does not end it), a comment, an element of text
// (SCRIPT, STYLE, TITLE, TEXTAREA) or a MAP block. Read with the page scan's own tag tokenizer.
class PageBody {
public:
    static PageBody of(QByteArrayView text);

    // Whether the page has a closing BODY tag. A page without one is never
    // written into: the map writer would replace it whole.
    bool hasEnd() const { return m_end > 0; }
    qsizetype start() const { return m_start; }
    qsizetype end() const { return m_end; }
    // Whether a new tag may go at byte offset pos.
    bool allowsInsertAt(qsizetype pos) const;

private:
    using Range = std::pair<qsizetype, qsizetype>; // [first, second)

    qsizetype m_start = 0;
    qsizetype m_end = 0;
    std::vector<Range> m_markup; // tags, comments, SCRIPT and STYLE elements, in order
    std::vector<Range> m_maps;   // complete MAP blocks
};
