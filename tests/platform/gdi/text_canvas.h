// A 32-bit memory canvas for the text tests: a memory DC with a top-down
// DIB section selected, whose pixels the test reads directly.
#pragma once

#include <windows.h>
#include <vorplatform.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

namespace texttest {

class Canvas {
public:
    Canvas(int width, int height, COLORREF background = RGB(255, 255, 255))
        : m_width(width), m_height(height), m_background(background) {
        m_dc = CreateCompatibleDC(nullptr);
        BITMAPINFO bi{};
        bi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
        bi.bmiHeader.biWidth = width;
        bi.bmiHeader.biHeight = -height;
        bi.bmiHeader.biPlanes = 1;
        bi.bmiHeader.biBitCount = 32;
        bi.bmiHeader.biCompression = BI_RGB;
        void* bits = nullptr;
        m_bitmap = CreateDIBSection(m_dc, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
        m_bits = static_cast<uint32_t*>(bits);
        m_old = SelectObject(m_dc, m_bitmap);
        Clear();
    }
    ~Canvas() {
        SelectObject(m_dc, m_old);
        DeleteObject(m_bitmap);
        DeleteDC(m_dc);
    }
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    bool Ok() const { return m_dc != nullptr && m_bits != nullptr; }
    HDC dc() const { return m_dc; }
    int width() const { return m_width; }
    int height() const { return m_height; }

    void Clear() { Clear(m_background); }
    void Clear(COLORREF c) {
        for (int i = 0; i < m_width * m_height; ++i) m_bits[i] = ToPixel(c);
    }
    COLORREF At(int x, int y) const {
        uint32_t p = m_bits[y * m_width + x];
        return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
    }
    // The bounding box of every pixel that differs from the background;
    // empty (all zero) when nothing was drawn.
    RECT InkBox() const {
        RECT box{m_width, m_height, 0, 0};
        bool any = false;
        for (int y = 0; y < m_height; ++y)
            for (int x = 0; x < m_width; ++x)
                if (At(x, y) != m_background) {
                    any = true;
                    if (x < box.left) box.left = x;
                    if (y < box.top) box.top = y;
                    if (x + 1 > box.right) box.right = x + 1;
                    if (y + 1 > box.bottom) box.bottom = y + 1;
                }
        return any ? box : RECT{0, 0, 0, 0};
    }
    int Count(COLORREF c) const {
        int n = 0;
        for (int y = 0; y < m_height; ++y)
            for (int x = 0; x < m_width; ++x) n += At(x, y) == c;
        return n;
    }
    // Pixels within `tolerance` of c in every channel: anti-aliased glyph
    // stems are rarely covered fully, so "drawn in c" means nearly c.
    int CountNear(COLORREF c, int tolerance) const {
        int n = 0;
        for (int y = 0; y < m_height; ++y)
            for (int x = 0; x < m_width; ++x) {
                COLORREF p = At(x, y);
                n += std::abs(GetRValue(p) - GetRValue(c)) <= tolerance &&
                     std::abs(GetGValue(p) - GetGValue(c)) <= tolerance &&
                     std::abs(GetBValue(p) - GetBValue(c)) <= tolerance;
            }
        return n;
    }
    int CountIn(COLORREF c, const RECT& r) const {
        int n = 0;
        for (int y = r.top; y < r.bottom; ++y)
            for (int x = r.left; x < r.right; ++x) n += At(x, y) == c;
        return n;
    }
    bool SamePixels(const Canvas& other) const {
        if (other.m_width != m_width || other.m_height != m_height) return false;
        for (int i = 0; i < m_width * m_height; ++i)
            if (m_bits[i] != other.m_bits[i]) return false;
        return true;
    }
    // The DIB's memory, each pixel as stored (its top byte included).
    uint32_t* Bits() { return m_bits; }
    std::string Snapshot() const {
        return std::string(reinterpret_cast<const char*>(m_bits), static_cast<size_t>(m_width) * m_height * 4);
    }

private:
    static uint32_t ToPixel(COLORREF c) {
        return (static_cast<uint32_t>(GetRValue(c)) << 16) | (static_cast<uint32_t>(GetGValue(c)) << 8) | GetBValue(c);
    }

    int m_width, m_height;
    COLORREF m_background;
    HDC m_dc = nullptr;
    HBITMAP m_bitmap = nullptr;
    HGDIOBJ m_old = nullptr;
    uint32_t* m_bits = nullptr;
};

inline SIZE Extent(HDC dc, const char* s) {
    SIZE sz{0, 0};
    GetTextExtentPoint32A(dc, s, static_cast<int>(std::strlen(s)), &sz);
    return sz;
}

inline bool Inside(const RECT& inner, const RECT& outer) {
    return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
           inner.bottom <= outer.bottom;
}

}  // namespace texttest
