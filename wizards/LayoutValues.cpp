#include "wizards/LayoutValues.h"

#include <algorithm>

LayoutValues::LayoutValues(Kind kind)
    : m_kind(kind), m_columns(kind == ProductMenu ? 1 : 4), m_rows(kind == NavigationBar ? 1 : 4) {}

int LayoutValues::clampedCount(const QString& text, bool* changed) {
    bool ok = false;
    int value = text.trimmed().toInt(&ok);
    if (!ok)
        value = 0;
    const int clamped = std::clamp(value, kMinCount, kMaxCount);
    *changed = !ok || clamped != value;
    return clamped;
}

QString LayoutValues::setColumnsText(const QString& text) {
    bool changed = false;
    const int value = clampedCount(text, &changed);
    if (columnsEditable())
        m_columns = value;
    return changed ? QString::number(value) : text;
}

QString LayoutValues::setRowsText(const QString& text) {
    bool changed = false;
    const int value = clampedCount(text, &changed);
    if (rowsEditable())
        m_rows = value;
    return changed ? QString::number(value) : text;
}

QString LayoutValues::caption(int column, int row) const {
    if (column < 0 || row < 0 || column >= kMaxCount || row >= kMaxCount)
        return {};
    return m_captions[column + kMaxCount * row];
}

void LayoutValues::setCaption(int column, int row, const QString& text) {
    if (column < 0 || row < 0 || column >= kMaxCount || row >= kMaxCount)
        return;
    m_captions[column + kMaxCount * row] = text;
}

ButtonPicture LayoutValues::picture(const QString& library, const QString& style) const {
    ButtonPicture p;
    p.library = library;
    p.style = style;
    for (int r = 0; r < m_rows; ++r) {
        QStringList row;
        for (int c = 0; c < m_columns; ++c)
            row << caption(c, r);
        p.captions << row;
    }
    p.font = font;
    p.textColor = textColor;
    p.outlineColor = outlineColor;
    p.fillerColor = fillerColor;
    p.spacingX = spacingX;
    p.spacingY = spacingY;
    p.offsetX = offsetX;
    p.offsetY = offsetY;
    return p;
}
