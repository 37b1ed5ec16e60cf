// The resource table of the VORLib10 module. Everything here is constant
// data: the cursor masks are computed from their drawings at compile time,
// so no initialiser runs when the library is loaded.
#include <vorresource.h>

#include "VORLib10Res.h"

namespace {

constexpr int kCursorSize = 32;
constexpr int kMaskBytes = kCursorSize / 8 * kCursorSize;  // word-aligned rows of 32 pixels

// One drawing row a string: '.' transparent, '#' black, 'o' white.
using CursorArt = char[kCursorSize][kCursorSize + 1];

struct CursorMasks {
    BYTE andMask[kMaskBytes];
    BYTE xorMask[kMaskBytes];
};

// (screen AND and) XOR xor: transparent is and 1 xor 0, black and 0 xor 0,
// white and 0 xor 1. The leftmost pixel of a byte is its high bit.
constexpr CursorMasks MasksFromArt(const CursorArt& art)
{
    CursorMasks masks{};
    for (int y = 0; y < kCursorSize; ++y) {
        for (int x = 0; x < kCursorSize; ++x) {
            const int i = y * (kCursorSize / 8) + x / 8;
            const BYTE bit = static_cast<BYTE>(0x80 >> (x % 8));
            if (art[y][x] == '.')
                masks.andMask[i] |= bit;
            else if (art[y][x] == 'o')
                masks.xorMask[i] |= bit;
        }
    }
    return masks;
}

// For a bar between an upper and a lower pane: the double bar across the
// middle (rows 14 and 18), arrows up and down with their tips at rows 4
// and 28, all outlined in white so that it shows on any background.
constexpr CursorArt kArtSplitUpDown = {
    "................................",
    "................................",
    "................................",
    "...............ooo..............",
    "..............oo#oo.............",
    ".............oo###oo............",
    "............oo#####oo...........",
    "...........oo#######oo..........",
    "..........oo#########oo.........",
    "..........o###########o.........",
    "..........oooooo#oooooo.........",
    "...............o#o..............",
    "...............o#o..............",
    "..oooooooooooooo#oooooooooooooo.",
    "..o###########################o.",
    "..ooooooooooooooooooooooooooooo.",
    "..ooooooooooooooooooooooooooooo.",
    "..ooooooooooooooooooooooooooooo.",
    "..o###########################o.",
    "..oooooooooooooo#oooooooooooooo.",
    "...............o#o..............",
    "...............o#o..............",
    "..........oooooo#oooooo.........",
    "..........o###########o.........",
    "..........oo#########oo.........",
    "...........oo#######oo..........",
    "............oo#####oo...........",
    ".............oo###oo............",
    "..............oo#oo.............",
    "...............ooo..............",
    "................................",
    "................................",
};

// For a bar between a left and a right pane: the same drawing turned a
// quarter, bar lines in columns 14 and 18, tips in columns 4 and 28.
constexpr CursorArt kArtSplitLeftRight = {
    "................................",
    "................................",
    ".............ooooooo............",
    ".............o#ooo#o............",
    ".............o#ooo#o............",
    ".............o#ooo#o............",
    ".............o#ooo#o............",
    ".............o#ooo#o............",
    ".............o#ooo#o............",
    ".............o#ooo#o............",
    "........ooo..o#ooo#o..ooo.......",
    ".......oo#o..o#ooo#o..o#oo......",
    "......oo##o..o#ooo#o..o##oo.....",
    ".....oo###o..o#ooo#o..o###oo....",
    "....oo####o..o#ooo#o..o####oo...",
    "...oo#####oooo#ooo#oooo#####oo..",
    "...o###########ooo###########o..",
    "...oo#####oooo#ooo#oooo#####oo..",
    "....oo####o..o#ooo#o..o####oo...",
    ".....oo###o..o#ooo#o..o###oo....",
    "......oo##o..o#ooo#o..o##oo.....",
    ".......oo#o..o#ooo#o..o#oo......",
    "........ooo..o#ooo#o..ooo.......",
    ".............o#ooo#o............",
    ".............o#ooo#o............",
    ".............o#ooo#o............",
    ".............o#ooo#o............",
    ".............o#ooo#o............",
    ".............o#ooo#o............",
    ".............o#ooo#o............",
    ".............ooooooo............",
    "................................",
};

constexpr CursorMasks kMasksSplitUpDown = MasksFromArt(kArtSplitUpDown);
constexpr CursorMasks kMasksSplitLeftRight = MasksFromArt(kArtSplitLeftRight);

constexpr VOR_CURSOR_IMAGE kCursorSplitUpDown = {
    kCursorSize, kCursorSize, 16, 16, kMasksSplitUpDown.andMask, kMasksSplitUpDown.xorMask};
constexpr VOR_CURSOR_IMAGE kCursorSplitLeftRight = {
    kCursorSize, kCursorSize, 16, 16, kMasksSplitLeftRight.andMask, kMasksSplitLeftRight.xorMask};

constexpr WORD kGroupSplitUpDownIds[] = {VOR_CURSOR_IMAGE_SPLIT_UPDOWN};
constexpr WORD kGroupSplitLeftRightIds[] = {VOR_CURSOR_IMAGE_SPLIT_LEFTRIGHT};
constexpr VOR_RESOURCE_GROUP kGroupSplitUpDown = {kGroupSplitUpDownIds, 1};
constexpr VOR_RESOURCE_GROUP kGroupSplitLeftRight = {kGroupSplitLeftRightIds, 1};

constexpr VOR_VERSION_STRING kVersionStrings[] = {
    {"FileDescription", "VORLib10 user-interface controls"},
    {"FileVersion", "1.0.0.2"},
    {"InternalName", "VORLib10"},
    {"OriginalFilename", "libVORLib10.so"},
    {"ProductName", "VORLib10"},
    {"ProductVersion", "2.0.1.2"},
};

constexpr VOR_VERSION_INFO kVersion = {
    {
        VS_FFI_SIGNATURE,
        VS_FFI_STRUCVERSION,
        0x00010000, 0x00000002,  // file version 1.0.0.2
        0x00020000, 0x00010002,  // product version 2.0.1.2
        VS_FFI_FILEFLAGSMASK,
        0,
        VOS__WINDOWS32,
        VFT_DLL,
        VFT2_UNKNOWN,
        0, 0,
    },
    kVersionStrings,
    sizeof(kVersionStrings) / sizeof(kVersionStrings[0]),
};

constexpr WORD kLanguage = VOR_LIB_RESOURCE_LANGUAGE;

const VOR_RESOURCE kEntries[] = {
    {RT_CURSOR, MAKEINTRESOURCE(VOR_CURSOR_IMAGE_SPLIT_UPDOWN), kLanguage, &kCursorSplitUpDown,
     sizeof(VOR_CURSOR_IMAGE)},
    {RT_CURSOR, MAKEINTRESOURCE(VOR_CURSOR_IMAGE_SPLIT_LEFTRIGHT), kLanguage, &kCursorSplitLeftRight,
     sizeof(VOR_CURSOR_IMAGE)},
    {RT_GROUP_CURSOR, MAKEINTRESOURCE(IDC_VOR_SPLIT_UPDOWN), kLanguage, &kGroupSplitUpDown,
     sizeof(VOR_RESOURCE_GROUP)},
    {RT_GROUP_CURSOR, MAKEINTRESOURCE(IDC_VOR_SPLIT_LEFTRIGHT), kLanguage, &kGroupSplitLeftRight,
     sizeof(VOR_RESOURCE_GROUP)},
    {RT_VERSION, MAKEINTRESOURCE(VS_VERSION_INFO), kLanguage, &kVersion, sizeof(VOR_VERSION_INFO)},
};

const VOR_RESOURCE_TABLE kTable = {kEntries, sizeof(kEntries) / sizeof(kEntries[0])};

}  // namespace

extern "C" VORAPI const VOR_RESOURCE_TABLE* VorModuleResources(void)
{
    return &kTable;
}
