#pragma once

#include "model/DocumentDialogs.h"
#include "wizards/PageSummary.h"

#include <QSize>
#include <QString>

// "New map in existing HTML - Step 2": the page's IMG tags up to its body
// end, one row each, or a new image added through "Add image to HTML file".
// Next needs a row (or the added image); a row that already names a map
// goes on only when the user agrees to overwrite it. The chosen tag's
// offset goes with the result, so that the save rewrites exactly that tag.
class ImageChoiceValues {
public:
    // Reads the page at htmlPath; an unreadable page gives no rows.
    void load(const QString& htmlPath);
    const PageSummary& page() const { return m_page; }
    int rowCount() const { return int(m_page.images.size()); }
    // The picture a row's SRC names: "/" starts at the filesystem root,
    // anything else in the page's folder; "\" counts as "/".
    QString resolvedPath(int row) const;
    // "%d x %d" of the row's picture, empty when it cannot be measured.
    QString sizeText(int row) const;

    void select(int row) { m_selected = row >= 0 && row < rowCount() ? row : -1; }
    int selected() const { return m_selected; }
    bool canNext() const { return m_selected >= 0 || m_added; }

    // "Add Image...": a new picture whose IMG tag goes at the insertion
    // point (a caret position of the page without carriage returns).
    void addImage(const QString& imagePath, int insertOffset);

    // Next: true with result's picture, name, insertion point and IMG tag
    // filled; false to stay (no row, or the user keeps an existing map).
    bool next(DocumentDialogs::NewMap& result);
    // The map name the user agreed to overwrite on the way (empty for none).
    const QByteArray& agreedName() const { return m_agreed; }

private:
    QString m_htmlPath;
    PageSummary m_page;
    int m_selected = -1;
    bool m_added = false;
    QString m_addedImage;
    int m_addedOffset = -1;
    QByteArray m_agreed;
};
