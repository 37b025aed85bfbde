#include "view/GridSnap.h"

#include "model/Settings.h"

#include <algorithm>

namespace {

int snapOne(int v, bool on, int size, int offset) {
    if (!on)
        return v;
    const int step = std::max(size, 1);
    return GridSnap::floorDiv(v - offset, step) * step + offset;
}

} // namespace

GridSnap GridSnap::current() {
    return GridSnap(Settings::app().grid);
}

int GridSnap::floorDiv(int a, int b) {
    const int q = a / b;
    return (a % b != 0 && (a < 0) != (b < 0)) ? q - 1 : q;
}

int GridSnap::snapX(int v) const {
    return snapOne(v, m_grid.enabled, m_grid.sizeX, m_grid.offX);
}

int GridSnap::snapY(int v) const {
    return snapOne(v, m_grid.enabled, m_grid.sizeY, m_grid.offY);
}

QPoint GridSnap::step() const {
    if (!m_grid.enabled)
        return {1, 1};
    return {std::max(m_grid.sizeX, 1), std::max(m_grid.sizeY, 1)};
}
