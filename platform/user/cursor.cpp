// The cursor (SetCursor, ShowCursor), the system cursors and icons, and
// loading cursors, icons and bitmaps from module resources.
#include <algorithm>
#include <cmath>
#include <cstring>
#include <map>
#include <vector>

#include "gdi/gdi_internal.h"
#include "user/module_table.h"
#include "user/user_state.h"

namespace vor::user {

namespace {

// A 32 x 32 monochrome drawing: 0 transparent, 1 black, 2 white, 3 inverted.
struct Canvas {
    int px[32][32] = {};
    void Set(int x, int y, int v)
    {
        if (x >= 0 && x < 32 && y >= 0 && y < 32)
            px[y][x] = v;
    }
    void HLine(int x0, int x1, int y, int v)
    {
        for (int x = x0; x <= x1; ++x)
            Set(x, y, v);
    }
    void VLine(int x, int y0, int y1, int v)
    {
        for (int y = y0; y <= y1; ++y)
            Set(x, y, v);
    }
    void Box(int x0, int y0, int x1, int y1, int fill, int edge)
    {
        for (int y = y0; y <= y1; ++y)
            for (int x = x0; x <= x1; ++x)
                Set(x, y, (x == x0 || x == x1 || y == y0 || y == y1) ? edge : fill);
    }
    // A filled polygon (even-odd, pixel centres) with a black outline.
    void Polygon(const std::vector<POINT>& pts, int fill, int edge)
    {
        for (int y = 0; y < 32; ++y) {
            double cy = y + 0.5;
            std::vector<double> xs;
            for (size_t i = 0; i < pts.size(); ++i) {
                POINT a = pts[i], b = pts[(i + 1) % pts.size()];
                if ((a.y <= cy && b.y > cy) || (b.y <= cy && a.y > cy))
                    xs.push_back(a.x + (cy - a.y) * (b.x - a.x) / (double)(b.y - a.y));
            }
            std::sort(xs.begin(), xs.end());
            for (size_t i = 0; i + 1 < xs.size(); i += 2)
                for (int x = 0; x < 32; ++x)
                    if (x + 0.5 >= xs[i] && x + 0.5 < xs[i + 1])
                        Set(x, y, fill);
        }
        for (size_t i = 0; i < pts.size(); ++i)
            Line(pts[i], pts[(i + 1) % pts.size()], edge);
    }
    void Line(POINT a, POINT b, int v)
    {
        int dx = std::abs(b.x - a.x), dy = -std::abs(b.y - a.y);
        int sx = a.x < b.x ? 1 : -1, sy = a.y < b.y ? 1 : -1, err = dx + dy;
        for (;;) {
            Set(a.x, a.y, v);
            if (a.x == b.x && a.y == b.y)
                break;
            int e2 = 2 * err;
            if (e2 >= dy) {
                err += dy;
                a.x += sx;
            }
            if (e2 <= dx) {
                err += dx;
                a.y += sy;
            }
        }
    }
    // A double-headed arrow along one axis through (cx, cy).
    void DoubleArrow(int cx, int cy, int half, bool horizontal)
    {
        auto P = [&](int along, int across) {
            return horizontal ? POINT{cx + along, cy + across} : POINT{cx + across, cy + along};
        };
        std::vector<POINT> pts = {P(-half, 0), P(-half + 4, -4), P(-half + 4, -1), P(half - 4, -1), P(half - 4, -4),
                                  P(half, 0),  P(half - 4, 4),   P(half - 4, 1),   P(-half + 4, 1), P(-half + 4, 4)};
        Polygon(pts, 2, 1);
    }
};

HCURSOR MakeCursor(const Canvas& c, int hx, int hy)
{
    // AND rows then XOR rows, 4 bytes a row.
    BYTE bits[2 * 32 * 4] = {};
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) {
            int v = c.px[y][x];
            bool andBit = v == 0 || v == 3;
            bool xorBit = v == 2 || v == 3;
            BYTE m = (BYTE)(0x80 >> (x & 7));
            if (andBit)
                bits[y * 4 + x / 8] |= m;
            if (xorBit)
                bits[(32 + y) * 4 + x / 8] |= m;
        }
    HBITMAP mask = CreateBitmap(32, 64, 1, 1, bits);
    if (!mask)
        return nullptr;
    ICONINFO ii = {FALSE, (DWORD)hx, (DWORD)hy, mask, nullptr};
    HCURSOR h = CreateIconIndirect(&ii);
    DeleteObject(mask);
    if (h)
        gdi::MarkIconShared(h);
    return h;
}

Canvas ArrowShape()
{
    Canvas c;
    c.Polygon({{0, 0}, {0, 16}, {4, 12}, {7, 19}, {9, 18}, {6, 11}, {11, 11}}, 2, 1);
    return c;
}

HCURSOR BuildSystemCursor(WORD id)
{
    Canvas c;
    int hx = 0, hy = 0;
    switch (id) {
    case 32513:  // IDC_IBEAM
        c.HLine(12, 14, 4, 1), c.HLine(18, 20, 4, 1);
        c.VLine(15, 5, 5, 1), c.VLine(17, 5, 5, 1);
        c.VLine(16, 5, 20, 1);
        c.VLine(15, 19, 19, 1), c.VLine(17, 19, 19, 1);
        c.HLine(12, 14, 20, 1), c.HLine(18, 20, 20, 1);
        hx = 16, hy = 12;
        break;
    case 32514:  // IDC_WAIT: an hourglass
        c.Box(8, 2, 23, 4, 1, 1);
        c.Box(8, 27, 23, 29, 1, 1);
        c.Polygon({{9, 5}, {22, 5}, {22, 8}, {17, 15}, {17, 16}, {22, 23}, {22, 26}, {9, 26}, {9, 23}, {14, 16},
                   {14, 15}, {9, 8}},
                  2, 1);
        hx = 16, hy = 16;
        break;
    case 32515:  // IDC_CROSS
        c.VLine(16, 4, 28, 1);
        c.HLine(4, 28, 16, 1);
        c.Set(16, 16, 0);
        hx = 16, hy = 16;
        break;
    case 32516:  // IDC_UPARROW
        c.Polygon({{16, 2}, {24, 10}, {19, 10}, {19, 24}, {13, 24}, {13, 10}, {8, 10}}, 2, 1);
        hx = 16, hy = 2;
        break;
    case 32644:  // IDC_SIZEWE
        c.DoubleArrow(16, 16, 11, true);
        hx = 16, hy = 16;
        break;
    case 32645:  // IDC_SIZENS
        c.DoubleArrow(16, 16, 11, false);
        hx = 16, hy = 16;
        break;
    case 32642:  // IDC_SIZENWSE
    case 32643:  // IDC_SIZENESW
    {
        bool nwse = id == 32642;
        for (int i = -9; i <= 9; ++i) {
            int x = 16 + i, y = nwse ? 16 + i : 16 - i;
            c.Set(x, y, 2);
            c.Set(x + 1, y, 1);
            c.Set(x - 1, y, 1);
        }
        int ex = nwse ? 7 : 25, ey = 7, fx = nwse ? 25 : 7, fy = 25;
        c.Polygon({{ex, ey}, {ex + (nwse ? 6 : -6), ey}, {ex, ey + 6}}, 2, 1);
        c.Polygon({{fx, fy}, {fx - (nwse ? 6 : -6), fy}, {fx, fy - 6}}, 2, 1);
        hx = 16, hy = 16;
        break;
    }
    case 32640:  // IDC_SIZE
    case 32646:  // IDC_SIZEALL
        c.DoubleArrow(16, 16, 11, true);
        c.DoubleArrow(16, 16, 11, false);
        c.HLine(6, 26, 16, 2);
        c.VLine(16, 6, 26, 2);
        hx = 16, hy = 16;
        break;
    case 32648:  // IDC_NO: a circle with a bar
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 32; ++x) {
                double d = std::hypot(x + 0.5 - 16, y + 0.5 - 16);
                if (d <= 11 && d >= 8)
                    c.Set(x, y, 1);
                else if (d < 8)
                    c.Set(x, y, 2);
            }
        for (int i = -6; i <= 6; ++i) {
            c.Set(16 + i, 16 + i, 1);
            c.Set(17 + i, 16 + i, 1);
            c.Set(15 + i, 16 + i, 1);
        }
        hx = 16, hy = 16;
        break;
    case 32649:  // IDC_HAND: a pointing hand
        c.Polygon({{9, 1}, {12, 1}, {12, 10}, {21, 12}, {23, 14}, {23, 22}, {20, 27}, {11, 27}, {5, 18}, {5, 15},
                   {7, 15}, {9, 17}},
                  2, 1);
        hx = 10, hy = 1;
        break;
    default:  // IDC_ARROW and the arrow-like ones
        c = ArrowShape();
        if (id == 32650 || id == 32651) {
            c.Box(14, 18, 20, 24, 2, 1);
        }
        hx = 0, hy = 0;
        break;
    }
    return MakeCursor(c, hx, hy);
}

// A 32 x 32 colour icon drawn from a circle or triangle with a glyph.
HICON BuildSystemIcon(WORD id)
{
    std::vector<DWORD> argb(32 * 32, 0);
    auto put = [&](int x, int y, DWORD c) {
        if (x >= 0 && x < 32 && y >= 0 && y < 32)
            argb[y * 32 + x] = c;
    };
    DWORD fill = 0xFF0000FF, glyph = 0xFFFFFFFF;
    bool triangle = false, window = false;
    switch (id) {
    case 32513: fill = 0xFFFF0000; break;               // IDI_HAND: red
    case 32514: fill = 0xFF0000C0; break;               // IDI_QUESTION
    case 32515: fill = 0xFFFFFF00; glyph = 0xFF000000; triangle = true; break;  // IDI_EXCLAMATION
    case 32516: fill = 0xFF0000C0; break;               // IDI_ASTERISK
    default: window = true; break;                      // IDI_APPLICATION, IDI_WINLOGO
    }
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) {
            if (window) {
                if (x >= 2 && x <= 29 && y >= 4 && y <= 27)
                    put(x, y, (x == 2 || x == 29 || y == 4 || y == 27) ? 0xFF000000 : (y < 9 ? 0xFF000080 : 0xFFFFFFFF));
            } else if (triangle) {
                int half = (y - 2) / 2;
                if (y >= 2 && y <= 29 && std::abs(x - 16) <= half)
                    put(x, y, std::abs(x - 16) == half || y == 29 ? 0xFF000000 : fill);
            } else {
                double d = std::hypot(x + 0.5 - 16, y + 0.5 - 16);
                if (d <= 14)
                    put(x, y, d > 13 ? 0xFF000000 : fill);
            }
        }
    if (!window) {
        // A glyph: a bar and a dot (the exclamation and information marks),
        // a cross for the error icon, a hook for the question mark.
        if (id == 32513) {
            for (int i = -6; i <= 6; ++i)
                for (int t = -1; t <= 1; ++t) {
                    put(16 + i + t, 16 + i, glyph);
                    put(16 + i + t, 16 - i, glyph);
                }
        } else if (id == 32514) {
            for (int x = 12; x <= 19; ++x)
                put(x, 8, glyph), put(x, 9, glyph);
            for (int y = 8; y <= 14; ++y)
                put(19, y, glyph), put(20, y, glyph);
            for (int y = 14; y <= 19; ++y)
                put(15, y, glyph), put(16, y, glyph);
            for (int x = 15; x <= 20; ++x)
                put(x, 14, glyph);
            put(15, 22, glyph), put(16, 22, glyph), put(15, 23, glyph), put(16, 23, glyph);
        } else {
            int top = id == 32516 ? 14 : 9, bottom = id == 32516 ? 24 : 20, dot = id == 32516 ? 9 : 24;
            for (int y = top; y <= bottom; ++y)
                put(15, y, glyph), put(16, y, glyph);
            put(15, dot, glyph), put(16, dot, glyph), put(15, dot + 1, glyph), put(16, dot + 1, glyph);
        }
    }
    BYTE andMask[32 * 4] = {};
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x)
            if ((argb[y * 32 + x] >> 24) == 0)
                andMask[y * 4 + x / 8] |= (BYTE)(0x80 >> (x & 7));
    HBITMAP color = CreateBitmap(32, 32, 1, 32, argb.data());
    HBITMAP mask = CreateBitmap(32, 32, 1, 1, andMask);
    HICON h = nullptr;
    if (color && mask) {
        ICONINFO ii = {TRUE, 16, 16, mask, color};
        h = CreateIconIndirect(&ii);
    }
    if (color)
        DeleteObject(color);
    if (mask)
        DeleteObject(mask);
    if (h)
        gdi::MarkIconShared(h);
    return h;
}

std::map<WORD, HCURSOR>& SystemCursors()
{
    static std::map<WORD, HCURSOR> m;
    return m;
}

std::map<WORD, HICON>& SystemIcons()
{
    static std::map<WORD, HICON> m;
    return m;
}

// Shared resource icons and cursors: one handle per resource entry.
std::map<std::pair<uint64_t, int>, HICON>& SharedImages()
{
    static std::map<std::pair<uint64_t, int>, HICON> m;
    return m;
}

HICON FromCursorImage(const VOR_CURSOR_IMAGE* ci)
{
    if (!ci || !ci->andMask || !ci->xorMask || ci->width == 0 || ci->height == 0 || ci->width > 256 ||
        ci->height > 256)
        return nullptr;
    int row = ((ci->width + 15) / 16) * 2;
    std::vector<BYTE> bits((size_t)row * ci->height * 2);
    memcpy(bits.data(), ci->andMask, (size_t)row * ci->height);
    memcpy(bits.data() + (size_t)row * ci->height, ci->xorMask, (size_t)row * ci->height);
    HBITMAP mask = CreateBitmap(ci->width, ci->height * 2, 1, 1, bits.data());
    if (!mask)
        return nullptr;
    ICONINFO ii = {FALSE, ci->xHotspot, ci->yHotspot, mask, nullptr};
    HICON h = CreateIconIndirect(&ii);
    DeleteObject(mask);
    return h;
}

HICON FromIconImage(const VOR_ICON_IMAGE* ii)
{
    if (!ii || !ii->argb || ii->width == 0 || ii->height == 0 || ii->width > 256 || ii->height > 256)
        return nullptr;
    int row = ((ii->width + 15) / 16) * 2;
    std::vector<BYTE> andBits((size_t)row * ii->height, 0);
    if (ii->andMask) {
        memcpy(andBits.data(), ii->andMask, andBits.size());
    } else {
        for (int y = 0; y < ii->height; ++y)
            for (int x = 0; x < ii->width; ++x)
                if ((ii->argb[y * ii->width + x] >> 24) == 0)
                    andBits[y * row + x / 8] |= (BYTE)(0x80 >> (x & 7));
    }
    HBITMAP color = CreateBitmap(ii->width, ii->height, 1, 32, ii->argb);
    HBITMAP mask = CreateBitmap(ii->width, ii->height, 1, 1, andBits.data());
    HICON h = nullptr;
    if (color && mask) {
        ICONINFO info = {TRUE, (DWORD)(ii->width / 2), (DWORD)(ii->height / 2), mask, color};
        h = CreateIconIndirect(&info);
    }
    if (color)
        DeleteObject(color);
    if (mask)
        DeleteObject(mask);
    return h;
}

// The image of a group that best fits the size asked for (0: the first).
int PickImage(ModuleRecord* m, const VOR_RESOURCE* group, LPCSTR imageType, int cx, int cy)
{
    const VOR_RESOURCE_GROUP* g = (const VOR_RESOURCE_GROUP*)group->data;
    if (!g || !g->ids || g->count == 0)
        return -1;
    int best = -1;
    long bestScore = 0;
    for (WORD i = 0; i < g->count; ++i) {
        int idx = FindEntry(m, imageType, MAKEINTRESOURCEA(g->ids[i]), group->language);
        if (idx < 0)
            continue;
        const VOR_RESOURCE& e = m->table->entries[idx];
        int w = 0, h = 0;
        if (imageType == RT_CURSOR) {
            const VOR_CURSOR_IMAGE* ci = (const VOR_CURSOR_IMAGE*)e.data;
            if (ci)
                w = ci->width, h = ci->height;
        } else {
            const VOR_ICON_IMAGE* ii = (const VOR_ICON_IMAGE*)e.data;
            if (ii)
                w = ii->width, h = ii->height;
        }
        long score = (cx <= 0 && cy <= 0) ? 0 : std::labs((long)w - cx) + std::labs((long)h - cy);
        if (best < 0 || score < bestScore) {
            best = idx;
            bestScore = score;
        }
        if (cx <= 0 && cy <= 0)
            break;
    }
    return best;
}

HICON LoadGroupImage(HINSTANCE hInst, LPCSTR name, bool cursor, int cx, int cy, bool shared)
{
    ModuleRecord* m = ModuleOf(hInst);
    if (!m || !m->table)
        return nullptr;
    int gi = FindEntry(m, cursor ? RT_GROUP_CURSOR : RT_GROUP_ICON, name, 0);
    if (gi < 0) {
        SetLastError(ERROR_RESOURCE_NAME_NOT_FOUND);
        return nullptr;
    }
    int idx = PickImage(m, &m->table->entries[gi], cursor ? RT_CURSOR : RT_ICON, cx, cy);
    if (idx < 0) {
        SetLastError(ERROR_RESOURCE_NAME_NOT_FOUND);
        return nullptr;
    }
    auto key = std::make_pair(m->serial, idx);
    if (shared) {
        auto it = SharedImages().find(key);
        if (it != SharedImages().end())
            return it->second;
    }
    const VOR_RESOURCE& e = m->table->entries[idx];
    HICON h = cursor ? FromCursorImage((const VOR_CURSOR_IMAGE*)e.data) : FromIconImage((const VOR_ICON_IMAGE*)e.data);
    if (h && shared) {
        gdi::MarkIconShared(h);
        SharedImages()[key] = h;
    }
    return h;
}

// A system cursor or icon: built on first use, then the same handle.
HICON SystemImage(LPCSTR name, bool cursor)
{
    static const WORD cursors[] = {32512, 32513, 32514, 32515, 32516, 32640, 32641, 32642,
                                   32643, 32644, 32645, 32646, 32648, 32649, 32650, 32651};
    WORD id = IS_INTRESOURCE(name) ? (WORD)(ULONG_PTR)name : 0;
    bool known = cursor ? std::find(std::begin(cursors), std::end(cursors), id) != std::end(cursors)
                        : (id >= 32512 && id <= 32517);
    if (!known) {
        SetLastError(ERROR_RESOURCE_NAME_NOT_FOUND);
        return nullptr;
    }
    auto& m = cursor ? SystemCursors() : SystemIcons();
    auto it = m.find(id);
    if (it != m.end())
        return it->second;
    HICON h = cursor ? BuildSystemCursor(id) : BuildSystemIcon(id);
    if (h)
        m[id] = h;
    return h;
}

}  // namespace

void ResetCursors()
{
    // GDI frees every object at reset; forget the handles.
    SystemCursors().clear();
    SystemIcons().clear();
    SharedImages().clear();
}

}  // namespace vor::user

using namespace vor;
using namespace vor::user;

extern "C" {

VORAPI HCURSOR WINAPI SetCursor(HCURSOR h)
{
    State& s = S();
    HCURSOR old = s.cursor;
    s.cursor = h;
    return old;
}

VORAPI HCURSOR WINAPI GetCursor(void)
{
    return S().cursor;
}

VORAPI int WINAPI ShowCursor(BOOL bShow)
{
    State& s = S();
    s.cursorShowCount += bShow ? 1 : -1;
    return s.cursorShowCount;
}

VORAPI HCURSOR WINAPI LoadCursorA(HINSTANCE hInst, LPCSTR name)
{
    S();
    if (!name) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    if (!hInst)
        return SystemImage(name, true);
    return LoadGroupImage(hInst, name, true, 0, 0, true);
}

VORAPI HICON WINAPI LoadIconA(HINSTANCE hInst, LPCSTR name)
{
    S();
    if (!name) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    if (!hInst)
        return SystemImage(name, false);
    return LoadGroupImage(hInst, name, false, GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON), true);
}

VORAPI HANDLE WINAPI LoadImageA(HINSTANCE hInst, LPCSTR name, UINT type, int cx, int cy, UINT flags)
{
    S();
    if (!name || (flags & LR_LOADFROMFILE)) {
        // Images come from module resources only.
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    bool shared = (flags & LR_SHARED) != 0;
    if (type == IMAGE_CURSOR || type == IMAGE_ICON) {
        bool cursor = type == IMAGE_CURSOR;
        if (flags & LR_DEFAULTSIZE) {
            if (cx == 0)
                cx = GetSystemMetrics(cursor ? SM_CXCURSOR : SM_CXICON);
            if (cy == 0)
                cy = GetSystemMetrics(cursor ? SM_CYCURSOR : SM_CYICON);
        }
        if (!hInst) {
            // System images are shared whatever the flags say.
            return cursor ? (HANDLE)LoadCursorA(nullptr, name) : (HANDLE)LoadIconA(nullptr, name);
        }
        return LoadGroupImage(hInst, name, cursor, cx, cy, shared);
    }
    if (type == IMAGE_BITMAP)
        return LoadBitmapA(hInst, name);
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
}

VORAPI HBITMAP WINAPI LoadBitmapA(HINSTANCE hInst, LPCSTR name)
{
    S();
    ModuleRecord* m = ModuleOf(hInst);
    if (!m || !m->table || !name)
        return nullptr;
    int idx = FindEntry(m, RT_BITMAP, name, 0);
    if (idx < 0) {
        SetLastError(ERROR_RESOURCE_NAME_NOT_FOUND);
        return nullptr;
    }
    const VOR_BITMAP_IMAGE* b = (const VOR_BITMAP_IMAGE*)m->table->entries[idx].data;
    if (!b || !b->rgb || !b->width || !b->height)
        return nullptr;
    return CreateBitmap(b->width, b->height, 1, 32, b->rgb);
}

}  // extern "C"
