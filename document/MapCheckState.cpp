#include "document/MapCheckState.h"

#include "model/DefaultUrl.h"
#include "model/MapArea.h"

void MapCheckState::start() {
    allHaveUrls = true;
    noneObscured = true;
    firstMissingUrl = 0;
    firstObscured = 0;
    m_covered.clear();
    m_next = 0;
    m_pass = 0;
}

void MapCheckState::examine(int n, MapArea& area) {
    m_next = n + 1;
    if (allHaveUrls && !DefaultUrl::isSet(area.url())) {
        allHaveUrls = false;
        firstMissingUrl = n + 1;
    }
    // The union starts empty: before area 0 nothing covers anything, and an
    // area without a region covers nothing either.
    if (!m_region.setArea(area)) {
        area.setObscured(false);
        return;
    }
    const bool covered = m_covered.coversThenUnite(m_region) && n > 0;
    area.setObscured(covered);
    if (covered && noneObscured) {
        noneObscured = false;
        firstObscured = n + 1;
    }
}

void MapCheckState::finish() {
    m_covered.clear();
    m_region.clear();
    m_next = -1;
    m_pass = -1;
}

MapCheckStatus::State MapCheckState::state() const {
    if (!allHaveUrls)
        return MapCheckStatus::MissingUrl;
    if (!noneObscured)
        return MapCheckStatus::Obscured;
    return MapCheckStatus::Clean;
}

int MapCheckState::stateArea() const {
    switch (state()) {
    case MapCheckStatus::MissingUrl:
        return firstMissingUrl;
    case MapCheckStatus::Obscured:
        return firstObscured;
    default:
        return -1;
    }
}
