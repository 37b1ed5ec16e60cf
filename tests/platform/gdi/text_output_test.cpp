// Text output: pixels against measurement, colours, background, alignment,
// clipping, double-byte text and tabbed text.
#include <gtest/gtest.h>

#include <cstring>

#include "text_canvas.h"

namespace {

using texttest::Canvas;
using texttest::Extent;
using texttest::Inside;

const COLORREF kWhite = RGB(255, 255, 255);
const COLORREF kRed = RGB(255, 0, 0);
const COLORREF kBlue = RGB(0, 0, 255);

class TextOutTest : public ::testing::Test {
protected:
    void SetUp() override {
        VorPlatformReset();
        canvas = std::make_unique<Canvas>(320, 60);
        ASSERT_TRUE(canvas->Ok());
        dc = canvas->dc();
        SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
        SetBkMode(dc, TRANSPARENT);
    }
    void TearDown() override {
        canvas.reset();
        VorPlatformReset();
    }
    RECT Box(int x, int y, const char* s) {
        SIZE sz = Extent(dc, s);
        return RECT{x, y, x + sz.cx, y + sz.cy};
    }
    std::unique_ptr<Canvas> canvas;
    HDC dc = nullptr;
};

TEST_F(TextOutTest, InkLiesInsideTheMeasuredBox) {
    const char* samples[] = {"Hello, World", "jQ|gy_", "Wij fff", "(\xC1\xD0\xB1\xED)", "\xC4\xFA\xBA\xC3 ok"};
    for (const char* s : samples) {
        canvas->Clear();
        ASSERT_TRUE(TextOutA(dc, 10, 20, s, static_cast<int>(std::strlen(s))));
        RECT ink = canvas->InkBox();
        EXPECT_GT(ink.right, ink.left) << s;
        EXPECT_TRUE(Inside(ink, Box(10, 20, s))) << s;
        // And it is not just a corner of it: ink spans most of the width.
        EXPECT_GE(ink.right - ink.left, Extent(dc, s).cx - 4) << s;
    }
}

TEST_F(TextOutTest, DrawingIsDeterministic) {
    TextOutA(dc, 3, 3, "Deterministic", 13);
    std::string first = canvas->Snapshot();
    canvas->Clear();
    VorPlatformReset();
    Canvas again(320, 60);
    SelectObject(again.dc(), GetStockObject(DEFAULT_GUI_FONT));
    SetBkMode(again.dc(), TRANSPARENT);
    TextOutA(again.dc(), 3, 3, "Deterministic", 13);
    EXPECT_EQ(first, again.Snapshot());
}

// Anti-aliased ink blends with whatever lies under each pixel, whichever
// colours were drawn before: each ink over each ground looks the same drawn
// first or after others, over a ground that changes from column to column it
// looks as over each ground alone, and pixels the ink does not touch keep
// every bit, the unused top byte of a DIB's pixel included.
TEST_F(TextOutTest, AntialiasedInkBlendsWithWhateverLiesUnderEachPixel) {
    const char* text = "Blend Wq@8";
    const int n = static_cast<int>(std::strlen(text));
    const COLORREF inks[] = {RGB(0, 0, 0), RGB(0, 0, 255), RGB(200, 30, 90)};
    const COLORREF grounds[] = {RGB(255, 255, 255), RGB(255, 255, 0), RGB(10, 200, 250)};
    auto Draw = [&](COLORREF ink) {
        SetTextColor(dc, ink);
        ASSERT_TRUE(TextOutA(dc, 4, 10, text, n));
    };
    // A pixel the ink covers by a (1 to 255) is, channel by channel,
    // (ink * a + ground * (255 - a) + 127) / 255 for one a.
    auto IsABlend = [](COLORREF ink, COLORREF ground, COLORREF p) {
        for (unsigned a = 1; a <= 255; ++a) {
            auto mix = [a](unsigned i, unsigned g) { return (i * a + g * (255 - a) + 127) / 255; };
            if (mix(GetRValue(ink), GetRValue(ground)) == GetRValue(p) &&
                mix(GetGValue(ink), GetGValue(ground)) == GetGValue(p) &&
                mix(GetBValue(ink), GetBValue(ground)) == GetBValue(p))
                return true;
        }
        return false;
    };
    std::string alone[3][3];
    for (int i = 0; i < 3; ++i)
        for (int g = 0; g < 3; ++g) {
            canvas->Clear(grounds[g]);
            Draw(inks[i]);
            alone[i][g] = canvas->Snapshot();
            int touched = 0, notABlend = 0;
            for (int y = 0; y < canvas->height(); ++y)
                for (int x = 0; x < canvas->width(); ++x)
                    if (canvas->At(x, y) != grounds[g]) {
                        ++touched;
                        notABlend += !IsABlend(inks[i], grounds[g], canvas->At(x, y));
                    }
            EXPECT_GT(touched, 50) << i << " " << g;
            EXPECT_EQ(0, notABlend) << "ink " << i << " over ground " << g;
        }
    for (int i = 2; i >= 0; --i)
        for (int g = 2; g >= 0; --g) {
            canvas->Clear(grounds[g]);
            Draw(inks[i]);
            EXPECT_EQ(alone[i][g], canvas->Snapshot()) << "ink " << i << " over ground " << g << ", drawn again";
        }

    const int w = canvas->width(), h = canvas->height();
    for (int i = 0; i < 3; ++i) {
        uint32_t* bits = canvas->Bits();
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                const COLORREF c = grounds[(x / 2 + y) % 3];
                bits[y * w + x] = 0xAB000000u | (GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c);
            }
        Draw(inks[i]);
        int touched = 0, wrong = 0;
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                const int g = (x / 2 + y) % 3;
                uint32_t want;
                std::memcpy(&want, alone[i][g].data() + 4 * (static_cast<size_t>(y) * w + x), 4);
                const uint32_t ground = (GetRValue(grounds[g]) << 16) | (GetGValue(grounds[g]) << 8) | GetBValue(grounds[g]);
                const uint32_t got = bits[y * w + x];
                if (want == ground) {
                    wrong += got != (0xAB000000u | ground);
                } else {
                    ++touched;
                    wrong += (got & 0xFFFFFF) != want;
                }
            }
        EXPECT_GT(touched, 50) << "ink " << i;
        EXPECT_EQ(0, wrong) << "ink " << i << " over changing grounds";
    }
}

TEST_F(TextOutTest, TextColourAndOpaqueBackground) {
    SetTextColor(dc, kRed);
    TextOutA(dc, 5, 5, "Ill", 3);
    EXPECT_GT(canvas->CountNear(kRed, 40), 10);  // the stems
    EXPECT_EQ(0, canvas->CountNear(RGB(0, 0, 0), 100));

    canvas->Clear();
    SetBkMode(dc, OPAQUE);
    SetBkColor(dc, kBlue);
    TextOutA(dc, 5, 5, "Ill", 3);
    RECT box = Box(5, 5, "Ill");
    EXPECT_EQ(kBlue, canvas->At(box.left, box.top));
    EXPECT_EQ(kBlue, canvas->At(box.right - 1, box.bottom - 1));
    EXPECT_EQ(kWhite, canvas->At(box.right, box.top));
    EXPECT_EQ(kWhite, canvas->At(box.left, box.bottom));
    EXPECT_EQ(kWhite, canvas->At(box.left - 1, box.top));
    const int area = (box.right - box.left) * (box.bottom - box.top);
    EXPECT_EQ(area, area - canvas->CountIn(kWhite, box));  // nothing left white in the cell
    // Red over blue, nothing of the white page left in the cell.
    EXPECT_GT(canvas->CountNear(kRed, 40), 10);
}

TEST_F(TextOutTest, AlignmentMovesTheBox) {
    const char* s = "Align";
    const SIZE sz = Extent(dc, s);
    TEXTMETRICA tm{};
    GetTextMetricsA(dc, &tm);
    struct Case {
        UINT align;
        int left, top;
    } cases[] = {
        {TA_LEFT | TA_TOP, 100, 30},
        {TA_RIGHT | TA_TOP, 100 - sz.cx, 30},
        {TA_CENTER | TA_TOP, 100 - sz.cx / 2, 30},
        {TA_LEFT | TA_BOTTOM, 100, 30 - sz.cy},
        {TA_LEFT | TA_BASELINE, 100, 30 - tm.tmAscent},
    };
    for (const Case& c : cases) {
        // The same text drawn top-left at the expected corner is identical.
        Canvas expected(320, 60);
        SelectObject(expected.dc(), GetStockObject(DEFAULT_GUI_FONT));
        SetBkMode(expected.dc(), TRANSPARENT);
        TextOutA(expected.dc(), c.left, c.top, s, 5);
        canvas->Clear();
        SetTextAlign(dc, c.align);
        TextOutA(dc, 100, 30, s, 5);
        EXPECT_TRUE(canvas->SamePixels(expected)) << c.align;
    }
}

TEST_F(TextOutTest, UpdateCurrentPositionAdvances) {
    SetTextAlign(dc, TA_UPDATECP);
    MoveToEx(dc, 10, 5, nullptr);
    TextOutA(dc, 200, 40, "ab", 2);  // the coordinates are ignored
    POINT cp{};
    GetCurrentPositionEx(dc, &cp);
    EXPECT_EQ(10 + Extent(dc, "ab").cx, cp.x);
    EXPECT_EQ(5, cp.y);
    TextOutA(dc, 0, 0, "cd", 2);
    // Two pieces draw exactly as the whole.
    Canvas whole(320, 60);
    SelectObject(whole.dc(), GetStockObject(DEFAULT_GUI_FONT));
    SetBkMode(whole.dc(), TRANSPARENT);
    TextOutA(whole.dc(), 10, 5, "abcd", 4);
    EXPECT_TRUE(canvas->SamePixels(whole));
}

TEST_F(TextOutTest, ExtTextOutClipsAndFills) {
    RECT rc{20, 10, 45, 30};
    SetBkColor(dc, kBlue);
    ASSERT_TRUE(ExtTextOutA(dc, 15, 12, ETO_CLIPPED | ETO_OPAQUE, &rc, "Clipped text", 12, nullptr));
    RECT ink = canvas->InkBox();
    EXPECT_TRUE(Inside(ink, rc));
    EXPECT_EQ(kBlue, canvas->At(rc.left, rc.top));
    EXPECT_EQ(kBlue, canvas->At(rc.right - 1, rc.bottom - 1));
    EXPECT_GT(canvas->CountIn(RGB(0, 0, 0), rc), 5);

    // Without ETO_CLIPPED the text leaves the rectangle.
    canvas->Clear();
    ExtTextOutA(dc, 15, 12, 0, &rc, "Clipped text", 12, nullptr);
    EXPECT_FALSE(Inside(canvas->InkBox(), rc));
}

TEST_F(TextOutTest, DistancesSpaceTheCharacters) {
    const INT dx[4] = {20, 20, 20, 20};
    ASSERT_TRUE(ExtTextOutA(dc, 0, 0, 0, nullptr, "iiii", 4, dx));
    RECT ink = canvas->InkBox();
    EXPECT_GT(ink.right, 60);
    EXPECT_LE(ink.right, 80);
    // A double-byte character moves by both its bytes' distances.
    canvas->Clear();
    const INT dx2[3] = {10, 15, 7};
    SetTextAlign(dc, TA_UPDATECP);
    MoveToEx(dc, 0, 0, nullptr);
    ExtTextOutA(dc, 0, 0, 0, nullptr, "\xC1\xD0i", 3, dx2);
    POINT cp{};
    GetCurrentPositionEx(dc, &cp);
    EXPECT_EQ(32, cp.x);
}

TEST_F(TextOutTest, ChineseTextDrawsThroughTheFallbackFont) {
    const char list[] = "\xC1\xD0\xB1\xED";  // 列表
    SIZE sz = Extent(dc, list);
    EXPECT_GT(sz.cx, 2 * Extent(dc, "x").cx);
    EXPECT_EQ(13, sz.cy);
    TextOutA(dc, 4, 4, list, 4);
    RECT ink = canvas->InkBox();
    EXPECT_GT(ink.right - ink.left, sz.cx / 2);
    EXPECT_TRUE(Inside(ink, Box(4, 4, list)));
    // In 1252 the same bytes are four Latin letters, and measure differently.
    ASSERT_TRUE(VorSetCodePage(1252));
    EXPECT_NE(sz.cx, Extent(dc, list).cx);
}

TEST_F(TextOutTest, TruncatedLeadBytesAreSafe) {
    // A lead byte at the end of the count does not pair with what follows:
    // it draws as the replacement glyph, as a byte that is no character does.
    const char bytes[] = "ab\xC1\xD0";
    SIZE three{}, replaced{};
    ASSERT_TRUE(GetTextExtentPoint32A(dc, bytes, 3, &three));
    const char alone[] = "ab\xFF";
    ASSERT_TRUE(GetTextExtentPoint32A(dc, alone, 3, &replaced));
    EXPECT_EQ(replaced.cx, three.cx);
    EXPECT_TRUE(TextOutA(dc, 2, 2, bytes, 3));
    EXPECT_TRUE(Inside(canvas->InkBox(), RECT{2, 2, 2 + three.cx, 2 + three.cy}));
    Canvas same(320, 60), paired(320, 60);
    for (Canvas* c : {&same, &paired}) {
        SelectObject(c->dc(), GetStockObject(DEFAULT_GUI_FONT));
        SetBkMode(c->dc(), TRANSPARENT);
    }
    TextOutA(same.dc(), 2, 2, alone, 3);
    TextOutA(paired.dc(), 2, 2, bytes, 4);
    EXPECT_TRUE(canvas->SamePixels(same));
    EXPECT_FALSE(canvas->SamePixels(paired));
    EXPECT_TRUE(TextOutA(dc, 2, 30, "\xC1", 1));
}

TEST_F(TextOutTest, BadArgumentsAreRefused) {
    EXPECT_TRUE(TextOutA(dc, 0, 0, nullptr, 0));
    EXPECT_FALSE(TextOutA(dc, 0, 0, nullptr, 3));
    EXPECT_FALSE(TextOutA(dc, 0, 0, "abc", -1));
    EXPECT_FALSE(TextOutA(nullptr, 0, 0, "abc", 3));
    EXPECT_FALSE(ExtTextOutA(reinterpret_cast<HDC>(0x777), 0, 0, 0, nullptr, "abc", 3, nullptr));
    EXPECT_EQ(0, canvas->InkBox().right);
}

TEST_F(TextOutTest, ExtremeCoordinatesDrawNothingAndDoNotOverflow) {
    const int big = 0x7FFFFFFF, small = -big - 1;
    SetTextAlign(dc, TA_RIGHT | TA_BOTTOM);
    EXPECT_TRUE(TextOutA(dc, small, small, "far away", 8));
    SetTextAlign(dc, TA_LEFT | TA_TOP | TA_UPDATECP);
    MoveToEx(dc, big - 2, 0, nullptr);
    EXPECT_TRUE(TextOutA(dc, 0, 0, "far away", 8));
    SetTextAlign(dc, TA_LEFT | TA_TOP);
    const INT dx[3] = {big, big, big};
    EXPECT_TRUE(ExtTextOutA(dc, big, big, 0, nullptr, "abc", 3, dx));
    const INT stops[2] = {big, small};
    EXPECT_NE(0, TabbedTextOutA(dc, big, 0, "a\tb\tc", 5, 2, stops, small));
    RECT huge{small, small, big, big};
    EXPECT_NE(0, DrawTextA(dc, "x\ty", -1, &huge, DT_SINGLELINE | DT_CENTER | DT_VCENTER | DT_EXPANDTABS));
    EXPECT_NE(0, DrawTextA(dc, "x y z", -1, &huge, DT_WORDBREAK | DT_CALCRECT));
    EXPECT_EQ(0, canvas->InkBox().right);
}

// ---- tabbed text -------------------------------------------------------------

TEST_F(TextOutTest, TabbedExtentWithNoOneAndSeveralStops) {
    TEXTMETRICA tm{};
    GetTextMetricsA(dc, &tm);
    const int every = 8 * tm.tmAveCharWidth;
    const LONG b = Extent(dc, "b").cx, c = Extent(dc, "c").cx, d = Extent(dc, "d").cx;

    DWORD none = GetTabbedTextExtentA(dc, "a\tb", 3, 0, nullptr);
    EXPECT_EQ(every + b, LOWORD(none));
    EXPECT_EQ(13, HIWORD(none));

    const INT one[1] = {40};
    EXPECT_EQ(80 + c, LOWORD(GetTabbedTextExtentA(dc, "a\tb\tc", 5, 1, one)));

    const INT several[2] = {30, 100};
    EXPECT_EQ(100 + c, LOWORD(GetTabbedTextExtentA(dc, "a\tb\tc", 5, 2, several)));
    // Past the last stop, tabs go on at the default interval.
    const int afterC = 100 + c;
    const int next = (afterC / every + 1) * every;
    EXPECT_EQ(next + d, LOWORD(GetTabbedTextExtentA(dc, "a\tb\tc\td", 7, 2, several)));

    // A negative stop right-aligns what follows it.
    const INT right[2] = {10, -90};
    EXPECT_EQ(90, LOWORD(GetTabbedTextExtentA(dc, "a\tb\tcd", 6, 2, right)));

    // A text wider than the stop moves on to the next one.
    const LONG wide = Extent(dc, "wwwwwwwwww").cx;
    ASSERT_GT(wide, 40);
    EXPECT_EQ(((wide / 40) + 1) * 40 + b, LOWORD(GetTabbedTextExtentA(dc, "wwwwwwwwww\tb", 12, 1, one)));
    EXPECT_EQ(0u, GetTabbedTextExtentA(dc, nullptr, 3, 0, nullptr));
}

TEST_F(TextOutTest, TabbedTextOutDrawsAtTheStops) {
    const INT stops[1] = {100};
    LONG r = TabbedTextOutA(dc, 10, 5, "a\tI", 3, 1, stops, 10);
    EXPECT_EQ(100 + Extent(dc, "I").cx, LOWORD(r));
    // 'I' starts at the stop: nothing between 'a' and x = 110.
    RECT between{10 + Extent(dc, "a").cx + 1, 0, 110, 60};
    EXPECT_EQ(0, (between.right - between.left) * 60 - canvas->CountIn(kWhite, between));
    RECT atStop{110, 0, 110 + Extent(dc, "I").cx, 60};
    EXPECT_LT(canvas->CountIn(kWhite, atStop), (atStop.right - atStop.left) * 60);
}

}  // namespace
