// Region arithmetic by bands. Every operation rebuilds the canonical form:
// rectangles sorted by top then left, each band (rectangles sharing top and
// bottom) holding disjoint, non-touching spans, and vertically touching
// bands with identical spans merged. Because the form is unique, equality
// is a plain comparison of the rectangle lists.
#include "region.h"

#include <algorithm>

namespace vor {

namespace {

struct Span {
    LONG left, right;
    bool operator==(const Span& o) const { return left == o.left && right == o.right; }
};

enum class Op { Union, Intersect, Subtract, Xor };

bool Inside(bool a, bool b, Op op) {
    switch (op) {
    case Op::Union: return a || b;
    case Op::Intersect: return a && b;
    case Op::Subtract: return a && !b;
    case Op::Xor: return a != b;
    }
    return false;
}

// The spans of a region inside the band [top, bottom): the rectangles of the
// canonical form either cover the whole band or miss it.
void SpansIn(const std::vector<RECT>& rects, LONG top, LONG bottom, std::vector<Span>* out) {
    out->clear();
    for (const RECT& r : rects) {
        if (r.top > top) break;  // sorted by top: nothing later can cover the band
        if (r.top <= top && r.bottom >= bottom) out->push_back({r.left, r.right});
    }
}

// Combines two sorted lists of disjoint spans with a boolean operation by
// sweeping their edges.
void CombineSpans(const std::vector<Span>& a, const std::vector<Span>& b, Op op, std::vector<Span>* out) {
    out->clear();
    std::vector<LONG> xs;
    xs.reserve((a.size() + b.size()) * 2);
    for (const Span& s : a) { xs.push_back(s.left); xs.push_back(s.right); }
    for (const Span& s : b) { xs.push_back(s.left); xs.push_back(s.right); }
    std::sort(xs.begin(), xs.end());
    xs.erase(std::unique(xs.begin(), xs.end()), xs.end());
    size_t ia = 0, ib = 0;
    for (size_t i = 0; i + 1 < xs.size(); ++i) {
        LONG x0 = xs[i], x1 = xs[i + 1];
        while (ia < a.size() && a[ia].right <= x0) ++ia;
        while (ib < b.size() && b[ib].right <= x0) ++ib;
        bool inA = ia < a.size() && a[ia].left <= x0;
        bool inB = ib < b.size() && b[ib].left <= x0;
        if (!Inside(inA, inB, op)) continue;
        if (!out->empty() && out->back().right == x0)
            out->back().right = x1;
        else
            out->push_back({x0, x1});
    }
}

std::vector<RECT> Combine(const std::vector<RECT>& a, const std::vector<RECT>& b, Op op) {
    std::vector<LONG> ys;
    ys.reserve((a.size() + b.size()) * 2);
    for (const RECT& r : a) { ys.push_back(r.top); ys.push_back(r.bottom); }
    for (const RECT& r : b) { ys.push_back(r.top); ys.push_back(r.bottom); }
    std::sort(ys.begin(), ys.end());
    ys.erase(std::unique(ys.begin(), ys.end()), ys.end());

    std::vector<RECT> result;
    std::vector<Span> sa, sb, spans, prevSpans;
    size_t prevStart = 0;  // first rectangle of the previous band in result
    LONG prevBottom = 0;
    bool havePrev = false;
    for (size_t i = 0; i + 1 < ys.size(); ++i) {
        LONG top = ys[i], bottom = ys[i + 1];
        SpansIn(a, top, bottom, &sa);
        SpansIn(b, top, bottom, &sb);
        CombineSpans(sa, sb, op, &spans);
        if (spans.empty()) {
            havePrev = false;
            continue;
        }
        if (havePrev && prevBottom == top && spans == prevSpans) {
            // Same spans directly below: stretch the previous band.
            for (size_t k = prevStart; k < result.size(); ++k) result[k].bottom = bottom;
        } else {
            prevStart = result.size();
            for (const Span& s : spans) result.push_back({s.left, top, s.right, bottom});
            prevSpans = spans;
        }
        prevBottom = bottom;
        havePrev = true;
    }
    return result;
}

bool HasArea(const RECT& rc) { return rc.left < rc.right && rc.top < rc.bottom; }

bool Covers(const RECT& outer, const RECT& inner) {
    return outer.left <= inner.left && outer.top <= inner.top && outer.right >= inner.right &&
           outer.bottom >= inner.bottom;
}

bool Disjoint(const RECT& a, const RECT& b) {
    return a.right <= b.left || b.right <= a.left || a.bottom <= b.top || b.bottom <= a.top;
}

}  // namespace

Region::Region(const RECT& rc) { SetRect(rc); }

Region::Region(int left, int top, int right, int bottom) {
    RECT rc = {left, top, right, bottom};
    SetRect(rc);
}

RECT Region::Box() const {
    RECT box = {0, 0, 0, 0};
    if (m_rects.empty()) return box;
    box = m_rects.front();
    for (const RECT& r : m_rects) {
        box.left = std::min(box.left, r.left);
        box.top = std::min(box.top, r.top);
        box.right = std::max(box.right, r.right);
        box.bottom = std::max(box.bottom, r.bottom);
    }
    return box;
}

void Region::SetRect(const RECT& rc) {
    m_rects.clear();
    if (HasArea(rc)) m_rects.push_back(rc);
}

void Region::Union(const Region& other) {
    if (other.IsEmpty()) return;
    if (IsEmpty()) {
        m_rects = other.m_rects;
        return;
    }
    // One rectangle holding all of the other region is the whole answer,
    // already in canonical form; the sweep is for the rest.
    if (m_rects.size() == 1 && Covers(m_rects[0], other.Box())) return;
    if (other.m_rects.size() == 1 && Covers(other.m_rects[0], Box())) {
        m_rects = other.m_rects;
        return;
    }
    m_rects = Combine(m_rects, other.m_rects, Op::Union);
}

void Region::Intersect(const Region& other) {
    if (IsEmpty()) return;
    if (other.IsEmpty()) {
        m_rects.clear();
        return;
    }
    if (other.m_rects.size() == 1 && Covers(other.m_rects[0], Box())) return;
    if (m_rects.size() == 1 && Covers(m_rects[0], other.Box())) {
        m_rects = other.m_rects;
        return;
    }
    if (Disjoint(Box(), other.Box())) {
        m_rects.clear();
        return;
    }
    m_rects = Combine(m_rects, other.m_rects, Op::Intersect);
}

void Region::Subtract(const Region& other) {
    if (IsEmpty() || other.IsEmpty()) return;
    const RECT box = Box();
    if (Disjoint(box, other.Box())) return;
    if (other.m_rects.size() == 1 && Covers(other.m_rects[0], box)) {
        m_rects.clear();
        return;
    }
    m_rects = Combine(m_rects, other.m_rects, Op::Subtract);
}

void Region::Xor(const Region& other) {
    if (other.IsEmpty()) return;
    if (IsEmpty()) {
        m_rects = other.m_rects;
        return;
    }
    m_rects = Combine(m_rects, other.m_rects, Op::Xor);
}

void Region::Offset(int dx, int dy) {
    for (RECT& r : m_rects) {
        r.left += dx;
        r.right += dx;
        r.top += dy;
        r.bottom += dy;
    }
}

bool Region::Contains(int x, int y) const {
    for (const RECT& r : m_rects) {
        if (r.top > y) break;
        if (y < r.bottom && x >= r.left && x < r.right) return true;
    }
    return false;
}

bool Region::Intersects(const RECT& rc) const {
    if (!HasArea(rc)) return false;
    for (const RECT& r : m_rects) {
        if (r.top >= rc.bottom) break;
        if (r.bottom > rc.top && r.left < rc.right && r.right > rc.left) return true;
    }
    return false;
}

bool Region::operator==(const Region& other) const {
    if (m_rects.size() != other.m_rects.size()) return false;
    for (size_t i = 0; i < m_rects.size(); ++i) {
        const RECT& a = m_rects[i];
        const RECT& b = other.m_rects[i];
        if (a.left != b.left || a.top != b.top || a.right != b.right || a.bottom != b.bottom) return false;
    }
    return true;
}

}  // namespace vor
