#pragma once

#include "model/CommandIds.h"

#include <QPoint>
#include <QSize>
#include <QString>

#include <array>
#include <optional>

// One scale a map view shows its picture at: num:den screen pixels per
// picture pixel, one of the two always 1 (2:1 shows each picture pixel as a
// 2 x 2 square, 1:4 shows every 4 x 4 block of picture pixels as one).
//
// Window and picture coordinates meet at the corners of picture pixels:
// picture corner p lies at window x = floor(p x num / den) - scroll. The
// picture pixel under a window pixel is the one whose square holds the
// window pixel's centre, so that every interaction lands on whole picture
// pixels at every level.
class ZoomLevel {
public:
    constexpr ZoomLevel() = default;
    static constexpr ZoomLevel in(int n) { return ZoomLevel(n, 1); }
    static constexpr ZoomLevel out(int d) { return ZoomLevel(1, d); }

    constexpr int num() const { return m_num; }
    constexpr int den() const { return m_den; }
    constexpr bool isMagnifying() const { return m_num > 1; }
    constexpr bool isReducing() const { return m_den > 1; }

    // The window offset of picture corner p (before scrolling).
    int toWindow(int p) const;
    QPoint toWindow(QPoint p) const { return {toWindow(p.x()), toWindow(p.y())}; }
    // The picture pixel under window offset w (scroll included).
    int toPicture(int w) const;
    QPoint toPicture(QPoint w) const { return {toPicture(w.x()), toPicture(w.y())}; }
    // A picture length on screen, rounded up so that a picture of any size
    // keeps at least one window pixel.
    int scaled(int length) const;
    QSize scaled(QSize size) const { return {scaled(size.width()), scaled(size.height())}; }
    // The factor as a number (0.25 for 1:4).
    double factor() const { return double(m_num) / double(m_den); }

    // "1:4", "2:1": the zoom pane and the zoom menu.
    QString text() const;

    // Every level a view offers, smallest first: one range the menus, the
    // zoom steps and Zoom to Fit share.
    static const std::array<ZoomLevel, 17>& levels();
    // Index in levels(), -1 for a scale that is no level.
    int index() const;
    // The next level up or down, this one at either end of the range.
    ZoomLevel larger() const;
    ZoomLevel smaller() const;
    bool isLargest() const;
    bool isSmallest() const;
    // The largest level at which a picture of this size fits the window.
    static ZoomLevel fitting(QSize picture, QSize window);

    // The command that zooms to a level (Zoom To n:1, 1:n) and back.
    static CommandId commandOf(ZoomLevel level);
    static std::optional<ZoomLevel> ofCommand(CommandId id);

    friend constexpr bool operator==(ZoomLevel, ZoomLevel) = default;

private:
    constexpr ZoomLevel(int num, int den) : m_num(num), m_den(den) {}

    int m_num = 1;
    int m_den = 1;
};
