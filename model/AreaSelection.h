#pragma once

#include <vector>

// The areas a map view has selected, by index into the document's areas:
// in the order they were selected, the first being the key area (the one
// Arrange lines the others up with, and the one single-area commands act
// on). Windowless; the view owns one and keeps it in step with the
// document's notices (an area removed or moved renumbers the others).
class AreaSelection {
public:
    const std::vector<int>& indices() const { return m_indices; }
    int count() const { return int(m_indices.size()); }
    bool empty() const { return m_indices.empty(); }
    // The first area selected, -1 for none.
    int key() const { return m_indices.empty() ? -1 : m_indices.front(); }
    bool contains(int index) const;
    // The selected indices in map order (ascending).
    std::vector<int> inMapOrder() const;

    void clear();
    // Exactly this area (-1: none).
    void setOnly(int index);
    // Adds an area at the end (the key when the selection was empty);
    // false when it was already selected or index is negative.
    bool add(int index);
    bool remove(int index);
    // Adds an unselected area, removes a selected one.
    void toggle(int index);

    // Document notices: area index went away (it leaves the selection and
    // later ones move down), one moved from one place to another (those in
    // between shift by one toward from), an area was added at index (later
    // ones move up), and only areas below count remain.
    void areaRemoved(int index);
    void areaMoved(int from, int to);
    void areaInserted(int index);
    void keepBelow(int count);

    friend bool operator==(const AreaSelection& a, const AreaSelection& b) {
        return a.m_indices == b.m_indices;
    }

private:
    void renumber(int (*)(int, int, int), int a, int b);
    std::vector<int> m_indices;
    // m_member[i] is nonzero while area i is selected, so that painting
    // asks about each of 1,024 areas at no cost; grown on demand.
    std::vector<unsigned char> m_member;
};
