#include "model/ZoomLevel.h"

#include "model/Strings.h"

#include <algorithm>

namespace {

int floorDiv(int a, int b) {
    const int q = a / b;
    return (a % b != 0 && (a < 0) != (b < 0)) ? q - 1 : q;
}

constexpr std::array<ZoomLevel, 17> kLevels = {
    ZoomLevel::out(16), ZoomLevel::out(12), ZoomLevel::out(8), ZoomLevel::out(6), ZoomLevel::out(4),
    ZoomLevel::out(3),  ZoomLevel::out(2),  ZoomLevel::in(1),  ZoomLevel::in(2),  ZoomLevel::in(3),
    ZoomLevel::in(4),   ZoomLevel::in(5),   ZoomLevel::in(6),  ZoomLevel::in(7),  ZoomLevel::in(8),
    ZoomLevel::in(12),  ZoomLevel::in(16),
};

// The commands of the levels, in the order of kLevels: 1:1 to 8:1 keep the
// ids they always had.
constexpr std::array<CommandId, 17> kCommands = {
    CommandId::ZoomOut16, CommandId::ZoomOut12, CommandId::ZoomOut8, CommandId::ZoomOut6,
    CommandId::ZoomOut4,  CommandId::ZoomOut3,  CommandId::ZoomOut2, CommandId::Zoom1,
    CommandId::Zoom2,     CommandId::Zoom3,     CommandId::Zoom4,    CommandId::Zoom5,
    CommandId::Zoom6,     CommandId::Zoom7,     CommandId::Zoom8,    CommandId::Zoom12,
    CommandId::Zoom16,
};

} // namespace

int ZoomLevel::toWindow(int p) const {
    return floorDiv(p * m_num, m_den);
}

int ZoomLevel::toPicture(int w) const {
    if (m_den > 1)
        return w * m_den + m_den / 2;
    return floorDiv(w, m_num);
}

int ZoomLevel::scaled(int length) const {
    if (length <= 0)
        return 0;
    return (length * m_num + m_den - 1) / m_den;
}

QString ZoomLevel::text() const {
    return QString::asprintf(Strings::raw(Str::ZoomLevelFormat), m_num, m_den);
}

const std::array<ZoomLevel, 17>& ZoomLevel::levels() {
    return kLevels;
}

int ZoomLevel::index() const {
    const auto it = std::find(kLevels.begin(), kLevels.end(), *this);
    return it == kLevels.end() ? -1 : int(it - kLevels.begin());
}

// A scale between levels steps to the nearest level in that direction.
ZoomLevel ZoomLevel::larger() const {
    for (ZoomLevel z : kLevels) {
        if (z.factor() > factor())
            return z;
    }
    return kLevels.back();
}

ZoomLevel ZoomLevel::smaller() const {
    for (auto it = kLevels.rbegin(); it != kLevels.rend(); ++it) {
        if (it->factor() < factor())
            return *it;
    }
    return kLevels.front();
}

bool ZoomLevel::isLargest() const {
    return factor() >= kLevels.back().factor();
}

bool ZoomLevel::isSmallest() const {
    return factor() <= kLevels.front().factor();
}

ZoomLevel ZoomLevel::fitting(QSize picture, QSize window) {
    for (auto it = kLevels.rbegin(); it != kLevels.rend(); ++it) {
        const QSize s = it->scaled(picture);
        if (s.width() <= window.width() && s.height() <= window.height())
            return *it;
    }
    return kLevels.front();
}

CommandId ZoomLevel::commandOf(ZoomLevel level) {
    const int i = level.index();
    return i < 0 ? CommandId::Zoom1 : kCommands[std::size_t(i)];
}

std::optional<ZoomLevel> ZoomLevel::ofCommand(CommandId id) {
    const auto it = std::find(kCommands.begin(), kCommands.end(), id);
    if (it == kCommands.end())
        return std::nullopt;
    return kLevels[std::size_t(it - kCommands.begin())];
}
