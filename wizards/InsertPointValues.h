#pragma once

#include "formats/PageBody.h"

#include <QByteArray>
#include <QString>

// The rules of the insertion-point dialogs ("Add new image to HTML file",
// "Add new image and map to existing HTML file"). The page is shown without
// its carriage returns, one character a byte, so that a caret position is
// the insertion offset the map writer takes. A caret is accepted only
// between the tags of the page body, as PageBody says: never inside a tag
// (whatever a quoted value holds), a comment, a script or style element, a
// map, or the head.
class InsertPointValues {
public:
    explicit InsertPointValues(const QByteArray& page);
    // Reads the page; an unreadable one shows as empty (and takes no point).
    static InsertPointValues read(const QString& path);

    // The text the view shows: the page without carriage returns.
    const QByteArray& shownText() const { return m_shown; }
    // Where the caret starts: at insertOffset when it is 0 or more, else at
    // the start of the body.
    int initialCaret(int insertOffset) const;
    // The byte of the page a caret stands before (carriage returns after the
    // caret's character stay behind it), as the writer counts.
    qsizetype byteOffsetOf(int caret) const;
    // Whether a new IMG tag may go at caret.
    bool allows(int caret) const;
    // OK: an image is named, nothing is selected, and the caret is allowed.
    bool canAccept(int caret, bool hasSelection, const QString& imagePath) const;

private:
    QByteArray m_page;
    QByteArray m_shown;
    PageBody m_body;
};
