// The region arithmetic behind HRGN objects, update regions and the visible
// regions of windows. A region is a set of disjoint rectangles kept in
// y-x banded order: sorted by top, then left, bands never overlapping.
#pragma once

#include <vector>

#include "vorwintypes.h"

namespace vor {

class Region {
public:
    Region() = default;
    explicit Region(const RECT& rc);  // empty when rc has no area
    Region(int left, int top, int right, int bottom);

    bool IsEmpty() const { return m_rects.empty(); }
    const std::vector<RECT>& Rects() const { return m_rects; }
    RECT Box() const;  // bounding rectangle; all zero when empty

    void Clear() { m_rects.clear(); }
    void SetRect(const RECT& rc);
    void Union(const Region& other);
    void Intersect(const Region& other);
    void Subtract(const Region& other);
    void Xor(const Region& other);
    void Union(const RECT& rc) { Union(Region(rc)); }
    void Intersect(const RECT& rc) { Intersect(Region(rc)); }
    void Subtract(const RECT& rc) { Subtract(Region(rc)); }
    void Offset(int dx, int dy);

    bool Contains(int x, int y) const;
    bool Intersects(const RECT& rc) const;
    bool operator==(const Region& other) const;
    bool operator!=(const Region& other) const { return !(*this == other); }

private:
    std::vector<RECT> m_rects;
};

}  // namespace vor
