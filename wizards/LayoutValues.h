#pragma once

#include "wizards/ButtonPicture.h"

#include <QString>
#include <QStringList>

#include <array>

// What one layout page of the Image wizard holds, without its widgets: the
// kind of picture, the grid counts, every caption typed, and the font,
// colours, spacing and offsets. Captions beyond the counts are kept, so that
// lowering a count and raising it again brings them back.
class LayoutValues {
public:
    enum Kind { NavigationBar = 0, ProductMenu = 1, CustomGrid = 2 };
    static constexpr int kMinCount = 2;
    static constexpr int kMaxCount = 9;

    explicit LayoutValues(Kind kind = CustomGrid);

    Kind kind() const { return m_kind; }
    // The page's dialog id (210, 211, 212) and its title's string id.
    int pageId() const { return 210 + int(m_kind); }
    bool columnsEditable() const { return m_kind != ProductMenu; }
    bool rowsEditable() const { return m_kind != NavigationBar; }

    int columns() const { return m_columns; }
    int rows() const { return m_rows; }
    // A count edit's text: read as a number (anything else counts as 0),
    // clamped to 2..9 and taken when that count is editable. Returns the text
    // the edit must show afterwards (the clamped value when it differs).
    QString setColumnsText(const QString& text);
    QString setRowsText(const QString& text);

    QString caption(int column, int row) const;
    void setCaption(int column, int row, const QString& text);

    ButtonFont font;
    quint32 textColor = 0x00FFFFFF;
    quint32 outlineColor = 0x00000000;
    // White around the buttons, as most pages are behind a bar, not a
    // colour the user has to change first.
    quint32 fillerColor = 0x00FFFFFF;
    int spacingX = 5, spacingY = 5;
    int offsetX = 0, offsetY = 0;

    // The picture these values describe: the captions within the counts,
    // row by row, in the given style library and style.
    ButtonPicture picture(const QString& library, const QString& style) const;

private:
    static int clampedCount(const QString& text, bool* changed);
    Kind m_kind;
    int m_columns;
    int m_rows;
    std::array<QString, kMaxCount * kMaxCount> m_captions;
};
