// A memory DC drawing into a top-down 32-bpp DIB section, for pixel-exact
// checks of the GDI primitives.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "vorplatform.h"
#include "windows.h"

namespace gditest {

class Canvas {
public:
    Canvas(int w, int h, COLORREF fill = RGB(255, 255, 255)) : m_w(w), m_h(h) {
        m_dc = CreateCompatibleDC(nullptr);
        BITMAPINFO bi = {};
        bi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
        bi.bmiHeader.biWidth = w;
        bi.bmiHeader.biHeight = -h;
        bi.bmiHeader.biPlanes = 1;
        bi.bmiHeader.biBitCount = 32;
        void* bits = nullptr;
        m_bmp = CreateDIBSection(m_dc, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
        m_bits = static_cast<uint32_t*>(bits);
        m_old = SelectObject(m_dc, m_bmp);
        Fill(fill);
    }
    ~Canvas() {
        SelectObject(m_dc, m_old);
        DeleteDC(m_dc);
        DeleteObject(m_bmp);
    }
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    HDC dc() const { return m_dc; }
    HBITMAP bitmap() const { return m_bmp; }
    int width() const { return m_w; }
    int height() const { return m_h; }

    // The pixel as a COLORREF, read from the DIB memory directly.
    COLORREF At(int x, int y) const {
        uint32_t p = m_bits[y * m_w + x] & 0xFFFFFF;
        return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
    }
    void Fill(COLORREF c) {
        for (int i = 0; i < m_w * m_h; ++i) m_bits[i] = (GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c);
    }
    void Set(int x, int y, COLORREF c) {
        m_bits[y * m_w + x] = (GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c);
    }

    // Rows of characters: '#' where the pixel is `ink`, '.' elsewhere.
    std::string Picture(COLORREF ink, int x0 = 0, int y0 = 0, int x1 = -1, int y1 = -1) const {
        if (x1 < 0) x1 = m_w;
        if (y1 < 0) y1 = m_h;
        std::string s;
        for (int y = y0; y < y1; ++y) {
            for (int x = x0; x < x1; ++x) s += At(x, y) == ink ? '#' : '.';
            s += '\n';
        }
        return s;
    }
    int Count(COLORREF c) const {
        int n = 0;
        for (int y = 0; y < m_h; ++y)
            for (int x = 0; x < m_w; ++x) n += At(x, y) == c;
        return n;
    }

private:
    int m_w, m_h;
    HDC m_dc = nullptr;
    HBITMAP m_bmp = nullptr;
    HGDIOBJ m_old = nullptr;
    uint32_t* m_bits = nullptr;
};

// Every test starts from a freshly started platform.
class GdiTest : public ::testing::Test {
protected:
    void SetUp() override { VorPlatformReset(); }
};

inline std::string Rows(std::initializer_list<const char*> rows) {
    std::string s;
    for (const char* r : rows) {
        s += r;
        s += '\n';
    }
    return s;
}

}  // namespace gditest
