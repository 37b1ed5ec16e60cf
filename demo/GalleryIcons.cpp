// The gallery's icons, drawn from character maps: '.' is transparent, every
// other character a colour of the map's palette.
#include "GalleryIcons.h"

#include <cstring>

namespace gallery {
namespace {

struct Map {
    const char* rows[16];
};

// The pictures; a hot variant is the same map in brighter colours.
const Map kEdit = {{"................", "...........##...", "..........#oo#..", ".........#ooo#..",
                    "........#ooo#...", ".......#ooo#....", "......#ooo#.....", ".....#ooo#......",
                    "....#ooo#.......", "...#ooo#........", "..#ooo#.........", "..#yy#..........",
                    "..#y#...........", "..##............", "................", "................"}};
const Map kHide = {{"................", "................", "................", ".....######.....",
                    "...##oooooo##...", "..#oo##..##oo#..", ".#oo#.####.#oo#.", "#oo#..####..#oo#",
                    ".#oo#.####.#oo#.", "..#oo##..##oo#..", "...##oooooo##...", ".....######.....",
                    "................", "................", "................", "................"}};
const Map kAdd = {{"................", "................", "......####......", "......#oo#......",
                   "......#oo#......", "......#oo#......", "..####oooo####..", "..#oooooooooo#..",
                   "..#oooooooooo#..", "..####oooo####..", "......#oo#......", "......#oo#......",
                   "......#oo#......", "......####......", "................", "................"}};
const Map kUp = {{"................", ".......##.......", "......#oo#......", ".....#oooo#.....",
                  "....#oooooo#....", "...#oooooooo#...", "..####oooo####..", ".....#oooo#.....",
                  ".....#oooo#.....", ".....#oooo#.....", ".....#oooo#.....", ".....#oooo#.....",
                  ".....######.....", "................", "................", "................"}};
const Map kDown = {{"................", "................", "................", ".....######.....",
                    ".....#oooo#.....", ".....#oooo#.....", ".....#oooo#.....", ".....#oooo#.....",
                    ".....#oooo#.....", "..####oooo####..", "...#oooooooo#...", "....#oooooo#....",
                    ".....#oooo#.....", "......#oo#......", ".......##.......", "................"}};
const Map kBox = {{"................", "................", "...##########...", "..#yyyyyyyyyy#..",
                   ".############y#.", ".#oooooooooo#y#.", ".#oooo##oooo#y#.", ".#oooo##oooo#y#.",
                   ".#oooooooooo#y#.", ".#oooooooooo#y#.", ".#oooooooooo#y#.", ".#oooooooooo##..",
                   ".############...", "................", "................", "................"}};
const Map kTool = {{"................", "..##............", ".#yy#...........", ".#yyy#..........",
                    "..#yyy#.........", "...#yyy#........", "....#yyy#.......", ".....#yyy#......",
                    "......#yyy##....", ".......#yy#o#...", "........##ooo#..", "..........#ooo#.",
                    "...........#oo#.", "............##..", "................", "................"}};
const Map kPaint = {{"................", "......####......", ".....#yyyy#.....", ".....#yyyy#.....",
                     "......#yy#......", "......#yy#......", "....########....", "...#oooooooo#...",
                     "...#oooooooo#...", "...#oooooooo#...", "...#oooooooo#...", "....#oooooo#....",
                     ".....######.....", "................", "................", "................"}};

struct Palette {
    DWORD outline, main, accent;
};

DWORD Colour(char c, const Palette& p) {
    switch (c) {
        case '#': return p.outline;
        case 'o': return p.main;
        case 'y': return p.accent;
        default: return 0;  // transparent
    }
}

HICON MakeIcon(const Map& map, const Palette& pal) {
    DWORD argb[16 * 16];
    BYTE mask[16 * 2];
    std::memset(mask, 0, sizeof mask);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) {
            char c = map.rows[y][x];
            bool clear = c == '.';
            argb[y * 16 + x] = clear ? 0 : (0xFF000000u | Colour(c, pal));
            if (clear) mask[y * 2 + x / 8] |= (BYTE)(0x80 >> (x % 8));
        }
    HBITMAP color = CreateBitmap(16, 16, 1, 32, argb);
    HBITMAP andMask = CreateBitmap(16, 16, 1, 1, mask);
    ICONINFO ii{};
    ii.fIcon = TRUE;
    ii.hbmColor = color;
    ii.hbmMask = andMask;
    HICON icon = (color && andMask) ? CreateIconIndirect(&ii) : NULL;
    if (color) DeleteObject(color);
    if (andMask) DeleteObject(andMask);
    return icon;
}

}  // namespace

HICON CreateGalleryIcon(IconId id) {
    const Palette normal{0x00303030, 0x004080C0, 0x00E0C040};
    const Palette hot{0x00000000, 0x0030A0FF, 0x00FFD800};
    switch (id) {
        case kIconEdit: return MakeIcon(kEdit, normal);
        case kIconEditHot: return MakeIcon(kEdit, hot);
        case kIconHide: return MakeIcon(kHide, normal);
        case kIconHideHot: return MakeIcon(kHide, hot);
        case kIconAdd: return MakeIcon(kAdd, Palette{0x00205020, 0x0040A040, 0});
        case kIconAddHot: return MakeIcon(kAdd, Palette{0x00104010, 0x0050E050, 0});
        case kIconUp: return MakeIcon(kUp, normal);
        case kIconUpHot: return MakeIcon(kUp, hot);
        case kIconDown: return MakeIcon(kDown, normal);
        case kIconDownHot: return MakeIcon(kDown, hot);
        case kIconBox: return MakeIcon(kBox, Palette{0x00503010, 0x00C08040, 0x00E0B070});
        case kIconTool: return MakeIcon(kTool, Palette{0x00202020, 0x00C04020, 0x00A0A0A0});
        case kIconPaint: return MakeIcon(kPaint, Palette{0x00202040, 0x004060E0, 0x00808080});
        default: return NULL;
    }
}

}  // namespace gallery
