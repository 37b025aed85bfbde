#pragma once

#include <QBrush>
#include <QColor>
#include <QPen>

#include <array>

class Settings;

// How an area is drawn: normal, under the mouse (flyby), or selected.
enum class AreaDrawState : int { Normal = 0, Flyby = 1, Selected = 2 };

// The pens and brushes every map view draws with, shared by all views and
// all areas. Built from the preferences on first use, and rebuilt when
// Settings::notifier() tells of a change in what it is built from.
//
// Dotted lines are one pixel on, two off, as Qt::DotLine draws them.
// Straight dotted lines (rectangle outlines, the grid) are filled with
// small dot textures whose origin the painter anchors to the line's start,
// so that a line repainted in pieces shows the same dots as one painted
// whole.
class AreaStyle {
public:
    static constexpr int kDotPeriod = 3;

    struct StatePens {
        QColor color;      // the outline's dots
        QColor back;       // the gaps between them
        QPen dotted;       // one-pixel Qt::DotLine in color (curves, polygons)
        QPen solidBack;    // the same line solid in back, drawn under the dots
        QBrush horizontal; // kDotPeriod x 1 texture: color, back, back
        QBrush vertical;   // 1 x kDotPeriod, the same turned
    };

    // The shared style; built from Settings::app() on first use.
    static const AreaStyle& shared();
    // Rebuilds the shared style from Settings::app().
    static void rebuild();
    // Rebuilds the shared style when the settings it draws with (colours,
    // fill, handles) differ from those it was built from; true when it did.
    static bool refresh();

    explicit AreaStyle(const Settings& settings);

    const StatePens& state(AreaDrawState s) const { return m_states[int(s)]; }

    // "Fill Area", and its hatch brush ("Fill Type" 0 to 5 as horizontal,
    // vertical, forward diagonal, backward diagonal, cross, diagonal cross
    // in "Fill Color").
    bool fill() const { return m_fill; }
    const QBrush& hatch() const { return m_hatch; }
    // "Show Handles", and the handle pattern brush.
    bool showHandles() const { return m_showHandles; }
    const QBrush& handleBrush() const { return m_handleBrush; }

    // True while the application's palette is a dark one (the "Appearance"
    // setting or the desktop's scheme): the window outside the picture
    // follows it.
    static bool darkPalette();

    // The window outside a small picture.
    const QBrush& background() const { return m_background; }
    // Grid dots: grey (0x808080) on transparent, horizontal and vertical.
    const QBrush& gridHorizontal() const { return m_gridHorizontal; }
    const QBrush& gridVertical() const { return m_gridVertical; }

    // The hatch style of a "Fill Type"; out-of-range types take the default
    // (diagonal cross).
    static Qt::BrushStyle hatchStyle(int fillType);

private:
    // The settings a style is built from, in a form that compares.
    static std::array<quint32, 12> sourceOf(const Settings& settings);

    std::array<quint32, 12> m_source;
    std::array<StatePens, 3> m_states;
    bool m_fill = false;
    QBrush m_hatch;
    bool m_showHandles = false;
    QBrush m_handleBrush;
    QBrush m_background;
    QBrush m_gridHorizontal;
    QBrush m_gridVertical;
};
