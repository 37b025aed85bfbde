#include "model/AreaSelection.h"

#include <algorithm>

bool AreaSelection::contains(int index) const {
    return index >= 0 && index < int(m_member.size()) && m_member[std::size_t(index)];
}

std::vector<int> AreaSelection::inMapOrder() const {
    std::vector<int> sorted = m_indices;
    std::sort(sorted.begin(), sorted.end());
    return sorted;
}

void AreaSelection::clear() {
    m_indices.clear();
    m_member.clear();
}

void AreaSelection::setOnly(int index) {
    clear();
    add(index);
}

bool AreaSelection::add(int index) {
    if (index < 0 || contains(index))
        return false;
    if (index >= int(m_member.size()))
        m_member.resize(std::size_t(index) + 1, 0);
    m_member[std::size_t(index)] = 1;
    m_indices.push_back(index);
    return true;
}

bool AreaSelection::remove(int index) {
    if (!contains(index))
        return false;
    m_member[std::size_t(index)] = 0;
    m_indices.erase(std::find(m_indices.begin(), m_indices.end(), index));
    return true;
}

void AreaSelection::toggle(int index) {
    if (!remove(index))
        add(index);
}

// Every index mapped through f; the membership flags built again.
void AreaSelection::renumber(int (*f)(int, int, int), int a, int b) {
    std::vector<int> kept;
    kept.reserve(m_indices.size());
    for (int i : m_indices) {
        const int to = f(i, a, b);
        if (to >= 0)
            kept.push_back(to);
    }
    clear();
    for (int i : kept)
        add(i);
}

void AreaSelection::areaRemoved(int index) {
    if (m_indices.empty())
        return;
    renumber([](int i, int gone, int) { return i == gone ? -1 : i > gone ? i - 1 : i; }, index, 0);
}

void AreaSelection::areaMoved(int from, int to) {
    if (m_indices.empty() || from == to)
        return;
    renumber(
        [](int i, int f, int t) {
            if (i == f)
                return t;
            if (f < t && i > f && i <= t)
                return i - 1;
            if (f > t && i >= t && i < f)
                return i + 1;
            return i;
        },
        from, to);
}

void AreaSelection::areaInserted(int index) {
    if (m_indices.empty())
        return;
    renumber([](int i, int at, int) { return i >= at ? i + 1 : i; }, index, 0);
}

void AreaSelection::keepBelow(int count) {
    if (m_indices.empty())
        return;
    renumber([](int i, int n, int) { return i < n ? i : -1; }, count, 0);
}
