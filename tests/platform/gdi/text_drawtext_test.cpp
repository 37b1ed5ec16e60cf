// DrawText: measuring rectangles, placement, ellipsis, prefixes, tabs,
// clipping, and refusals.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <string>

#include "text_canvas.h"

namespace {

using texttest::Canvas;
using texttest::Extent;
using texttest::Inside;

const COLORREF kWhite = RGB(255, 255, 255);

class DrawTextTest : public ::testing::Test {
protected:
    void SetUp() override {
        VorPlatformReset();
        canvas = std::make_unique<Canvas>(300, 120);
        ASSERT_TRUE(canvas->Ok());
        dc = Prepare(*canvas);
    }
    void TearDown() override {
        canvas.reset();
        VorPlatformReset();
    }
    static HDC Prepare(Canvas& c) {
        SelectObject(c.dc(), GetStockObject(DEFAULT_GUI_FONT));
        SetBkMode(c.dc(), TRANSPARENT);
        return c.dc();
    }
    // The pixels of plain TextOut at (x, y), to compare DrawText against.
    std::unique_ptr<Canvas> TextOutAt(int x, int y, const char* s) {
        auto c = std::make_unique<Canvas>(300, 120);
        TextOutA(Prepare(*c), x, y, s, static_cast<int>(std::strlen(s)));
        return c;
    }
    int Ave() {
        TEXTMETRICA tm{};
        GetTextMetricsA(dc, &tm);
        return tm.tmAveCharWidth;
    }
    std::unique_ptr<Canvas> canvas;
    HDC dc = nullptr;
};

TEST_F(DrawTextTest, CalcRectMeasuresAndDrawsNothing) {
    RECT rc{10, 20, 11, 21};
    const int h = DrawTextA(dc, "Measure me", -1, &rc, DT_SINGLELINE | DT_CALCRECT);
    SIZE sz = Extent(dc, "Measure me");
    EXPECT_EQ(sz.cy, h);
    EXPECT_EQ((RECT{10, 20, 10 + sz.cx, 20 + sz.cy}).right, rc.right);
    EXPECT_EQ(10, rc.left);
    EXPECT_EQ(20, rc.top);
    EXPECT_EQ(20 + sz.cy, rc.bottom);
    EXPECT_EQ(0, canvas->InkBox().right);

    RECT multi{0, 0, 200, 0};
    EXPECT_EQ(3 * sz.cy, DrawTextA(dc, "a\r\nbbbb\nccc", -1, &multi, DT_CALCRECT));
    EXPECT_EQ(Extent(dc, "bbbb").cx, multi.right);
    EXPECT_EQ(3 * sz.cy, multi.bottom);

    // Without DT_SINGLELINE a trailing break starts no line of its own.
    RECT trailing{0, 0, 200, 0};
    EXPECT_EQ(sz.cy, DrawTextA(dc, "one\n", -1, &trailing, DT_CALCRECT));
    // DT_SINGLELINE keeps line breaks on the one line.
    RECT single{0, 0, 200, 0};
    EXPECT_EQ(sz.cy, DrawTextA(dc, "a\nb", -1, &single, DT_CALCRECT | DT_SINGLELINE));
    // The empty string has no lines.
    RECT empty{5, 5, 50, 50};
    EXPECT_EQ(0, DrawTextA(dc, "", -1, &empty, DT_CALCRECT));
    EXPECT_EQ(5, empty.right);
    EXPECT_EQ(5, empty.bottom);
}

TEST_F(DrawTextTest, WordBreakWrapsWithinTheWidth) {
    const char* text = "The quick brown fox jumps over the lazy dog";
    RECT rc{0, 0, 80, 0};
    const int h = DrawTextA(dc, text, -1, &rc, DT_WORDBREAK | DT_CALCRECT);
    EXPECT_GT(h, 13 * 2);
    EXPECT_EQ(h % 13, 0);
    EXPECT_LE(rc.right, 80);
    RECT draw{0, 0, 80, 120};
    EXPECT_EQ(h, DrawTextA(dc, text, -1, &draw, DT_WORDBREAK));
    RECT ink = canvas->InkBox();
    EXPECT_LE(ink.right, 80);
    EXPECT_LE(ink.bottom, h);
    EXPECT_GT(ink.bottom, h - 13);
    // A word longer than the line stays whole and widens the rectangle ...
    const char* word = "Supercalifragilistic ok";
    RECT narrow{0, 0, 30, 0};
    EXPECT_EQ(26, DrawTextA(dc, word, -1, &narrow, DT_WORDBREAK | DT_CALCRECT));
    EXPECT_EQ(Extent(dc, "Supercalifragilistic").cx, narrow.right);
    // ... and is clipped when drawn; an edit control's layout breaks it.
    canvas->Clear();
    RECT clipped{0, 0, 30, 120};
    DrawTextA(dc, word, -1, &clipped, DT_WORDBREAK);
    EXPECT_LE(canvas->InkBox().right, 30);
    RECT edit{0, 0, 30, 0};
    EXPECT_GT(DrawTextA(dc, word, -1, &edit, DT_WORDBREAK | DT_EDITCONTROL | DT_CALCRECT), 26);
    EXPECT_LE(edit.right, 30);
    // Ideographs break between any two of them.
    RECT cjk{0, 0, 25, 0};
    EXPECT_EQ(26, DrawTextA(dc, "\xC1\xD0\xB1\xED\xC1\xD0\xB1\xED", -1, &cjk, DT_WORDBREAK | DT_CALCRECT));
}

TEST_F(DrawTextTest, EndEllipsisFitsAndEndsWithDots) {
    const char* text = "A rather long caption that cannot fit";
    char buffer[64];
    std::strcpy(buffer, text);
    RECT rc{10, 10, 90, 30};
    DrawTextA(dc, buffer, -1, &rc, DT_SINGLELINE | DT_END_ELLIPSIS | DT_MODIFYSTRING);
    const std::string shown = buffer;
    ASSERT_GE(shown.size(), 4u);
    EXPECT_EQ("...", shown.substr(shown.size() - 3));
    EXPECT_EQ(std::string(text).substr(0, shown.size() - 3), shown.substr(0, shown.size() - 3));
    EXPECT_LE(Extent(dc, buffer).cx, 80);
    // One more character would not have fitted.
    std::string longer = std::string(text).substr(0, shown.size() - 2) + "...";
    EXPECT_GT(Extent(dc, longer.c_str()).cx, 80);
    // The pixels are the shortened string's, dots included.
    auto expected = TextOutAt(10, 10, buffer);
    EXPECT_TRUE(canvas->SamePixels(*expected));
    EXPECT_LE(canvas->InkBox().right, 90);

    // Text that fits is drawn unchanged.
    canvas->Clear();
    char shortText[16] = "Fits";
    RECT wide{10, 10, 200, 30};
    DrawTextA(dc, shortText, -1, &wide, DT_SINGLELINE | DT_END_ELLIPSIS | DT_MODIFYSTRING);
    EXPECT_STREQ("Fits", shortText);
    EXPECT_TRUE(canvas->SamePixels(*TextOutAt(10, 10, "Fits")));

    // A rectangle narrower than the dots keeps what dots fit and no text.
    canvas->Clear();
    RECT tiny{0, 0, Extent(dc, "..").cx, 20};
    DrawTextA(dc, "Hello", -1, &tiny, DT_SINGLELINE | DT_END_ELLIPSIS);
    EXPECT_TRUE(canvas->SamePixels(*TextOutAt(0, 0, "..")));
}

TEST_F(DrawTextTest, PathEllipsisKeepsTheLastElement) {
    char path[96] = "C:\\Program Files\\Some Vendor\\Application\\file.txt";
    RECT rc{0, 0, 110, 20};
    DrawTextA(dc, path, -1, &rc, DT_SINGLELINE | DT_PATH_ELLIPSIS | DT_MODIFYSTRING);
    const std::string shown = path;
    EXPECT_NE(std::string::npos, shown.find("...\\file.txt"));
    EXPECT_EQ(0u, shown.find("C:"));
    EXPECT_LE(Extent(dc, path).cx, 110);
}

TEST_F(DrawTextTest, CentredPlacementAndReturnValue) {
    const char* s = "Mid";
    const SIZE sz = Extent(dc, s);
    RECT rc{20, 10, 220, 70};
    const int r = DrawTextA(dc, s, -1, &rc, DT_SINGLELINE | DT_CENTER | DT_VCENTER);
    const int x = 20 + (200 - sz.cx) / 2, y = 10 + (60 - sz.cy) / 2;
    EXPECT_TRUE(canvas->SamePixels(*TextOutAt(x, y, s)));
    EXPECT_EQ(y - 10 + sz.cy, r);  // the offset of the text's bottom

    canvas->Clear();
    EXPECT_EQ(60, DrawTextA(dc, s, -1, &rc, DT_SINGLELINE | DT_RIGHT | DT_BOTTOM));
    EXPECT_TRUE(canvas->SamePixels(*TextOutAt(220 - sz.cx, 70 - sz.cy, s)));

    // DT_VCENTER needs DT_SINGLELINE.
    canvas->Clear();
    EXPECT_EQ(sz.cy, DrawTextA(dc, s, -1, &rc, DT_VCENTER));
    EXPECT_TRUE(canvas->SamePixels(*TextOutAt(20, 10, s)));
}

TEST_F(DrawTextTest, PrefixUnderlinesTheNextCharacter) {
    RECT rc{10, 10, 200, 40};
    DrawTextA(dc, "&File", -1, &rc, DT_SINGLELINE);
    auto plain = TextOutAt(10, 10, "File");
    EXPECT_FALSE(canvas->SamePixels(*plain));
    // The difference is a line under "F" only, below the baseline.
    TEXTMETRICA tm{};
    GetTextMetricsA(dc, &tm);
    const int fWidth = Extent(dc, "F").cx;
    for (int y = 0; y < 120; ++y)
        for (int x = 0; x < 300; ++x)
            if (canvas->At(x, y) != plain->At(x, y)) {
                EXPECT_GE(x, 10);
                EXPECT_LT(x, 10 + fWidth);
                EXPECT_GT(y, 10 + tm.tmAscent - 1);
                EXPECT_LT(y, 10 + tm.tmHeight);
                EXPECT_EQ(RGB(0, 0, 0), canvas->At(x, y));
            }

    struct Case {
        const char* text;
        UINT format;
        const char* same;
    } cases[] = {
        {"A&&B", 0, "A&B"},        // a doubled ampersand is one
        {"&File", DT_NOPREFIX, "&File"},
        {"&File", DT_HIDEPREFIX, "File"},
        {"Tail&", 0, "Tail"},       // a lone ampersand at the end is dropped
    };
    for (const Case& c : cases) {
        canvas->Clear();
        DrawTextA(dc, c.text, -1, &rc, DT_SINGLELINE | c.format);
        EXPECT_TRUE(canvas->SamePixels(*TextOutAt(10, 10, c.same))) << c.text;
    }
    // DT_PREFIXONLY draws the underline alone.
    canvas->Clear();
    DrawTextA(dc, "&File", -1, &rc, DT_SINGLELINE | DT_PREFIXONLY);
    RECT ink = canvas->InkBox();
    EXPECT_EQ(10, ink.left);
    EXPECT_EQ(10 + fWidth, ink.right);
    EXPECT_LE(ink.bottom - ink.top, 2);
    // The prefix is not measured.
    RECT calc{0, 0, 0, 0};
    DrawTextA(dc, "&File", -1, &calc, DT_SINGLELINE | DT_CALCRECT);
    EXPECT_EQ(Extent(dc, "File").cx, calc.right);
}

TEST_F(DrawTextTest, TabsExpandToAverageCharacterStops) {
    const int ave = Ave();
    const LONG b = Extent(dc, "b").cx;
    RECT rc{0, 0, 300, 0};
    DrawTextA(dc, "a\tb", -1, &rc, DT_SINGLELINE | DT_EXPANDTABS | DT_CALCRECT);
    EXPECT_EQ(8 * ave + b, rc.right);
    // DT_TABSTOP carries the tab length in bits 8 to 15 (those of DT_CALCRECT
    // and its neighbours, which it excludes): stops every 4 average widths.
    RECT draw{0, 0, 300, 40};
    DrawTextA(dc, "a\tb", -1, &draw, DT_SINGLELINE | DT_EXPANDTABS | DT_TABSTOP | (4 << 8));
    RECT beforeStop{Extent(dc, "a").cx + 1, 0, 4 * ave, 40};
    EXPECT_EQ((beforeStop.right - beforeStop.left) * 40, canvas->CountIn(kWhite, beforeStop));
    RECT atStop{4 * ave, 0, 4 * ave + b, 40};
    EXPECT_LT(canvas->CountIn(kWhite, atStop), (atStop.right - atStop.left) * 40);

    DRAWTEXTPARAMS params{sizeof(DRAWTEXTPARAMS), 2, 0, 0, 0};
    RECT ex{0, 0, 300, 0};
    char text[] = "a\tb";
    DrawTextExA(dc, text, -1, &ex, DT_SINGLELINE | DT_EXPANDTABS | DT_CALCRECT, &params);
    EXPECT_EQ(2 * ave + b, ex.right);
    EXPECT_EQ(3u, params.uiLengthDrawn);
}

TEST_F(DrawTextTest, ClippingToTheRectangle) {
    RECT rc{10, 10, 40, 40};
    DrawTextA(dc, "Overflowing text", -1, &rc, DT_SINGLELINE);
    EXPECT_TRUE(Inside(canvas->InkBox(), rc));
    canvas->Clear();
    DrawTextA(dc, "Overflowing text", -1, &rc, DT_SINGLELINE | DT_NOCLIP);
    EXPECT_GT(canvas->InkBox().right, 40);
    // An opaque background fills only the text cell, inside the rectangle.
    canvas->Clear();
    SetBkMode(dc, OPAQUE);
    SetBkColor(dc, RGB(0, 128, 0));
    DrawTextA(dc, "Overflowing text", -1, &rc, DT_SINGLELINE);
    EXPECT_EQ(RGB(0, 128, 0), canvas->At(10, 10));
    EXPECT_EQ(kWhite, canvas->At(10, 10 + 13));
    EXPECT_EQ(kWhite, canvas->At(40, 10));
}

TEST_F(DrawTextTest, ExternalLeadingAndCounts) {
    TEXTMETRICA tm{};
    GetTextMetricsA(dc, &tm);
    RECT rc{0, 0, 100, 0};
    EXPECT_EQ(2 * (tm.tmHeight + tm.tmExternalLeading),
              DrawTextA(dc, "a\nb", -1, &rc, DT_CALCRECT | DT_EXTERNALLEADING));
    // A count stops short of the NUL.
    rc = RECT{0, 0, 100, 0};
    DrawTextA(dc, "abcdef", 3, &rc, DT_CALCRECT | DT_SINGLELINE);
    EXPECT_EQ(Extent(dc, "abc").cx, rc.right);
}

TEST_F(DrawTextTest, WrappedLinesAreCentredAndCutWords) {
    RECT rc{0, 0, 120, 0};
    const char* text = "one two three four five six";
    const int h = DrawTextA(dc, text, -1, &rc, DT_WORDBREAK | DT_CALCRECT);
    ASSERT_GE(h, 26);
    RECT draw{0, 0, 120, 120};
    DrawTextA(dc, text, -1, &draw, DT_WORDBREAK | DT_CENTER);
    // Every row of ink is centred within a pixel or so of the middle.
    for (int line = 0; line < h / 13; ++line) {
        int left = 300, right = 0;
        for (int y = line * 13; y < line * 13 + 13; ++y)
            for (int x = 0; x < 300; ++x)
                if (canvas->At(x, y) != kWhite) {
                    left = std::min(left, x);
                    right = std::max(right, x + 1);
                }
        ASSERT_LT(left, right) << line;
        EXPECT_LE(std::abs((left + right) - 120), 4) << line;
    }
    // With an ellipsis flag a word longer than the line is cut, not broken.
    canvas->Clear();
    char word[40] = "Incomprehensibilities ok";
    RECT narrow{0, 0, 60, 120};
    DrawTextA(dc, word, -1, &narrow, DT_WORDBREAK | DT_END_ELLIPSIS);
    RECT ink = canvas->InkBox();
    EXPECT_LE(ink.right, 60);
    EXPECT_LE(ink.bottom, 26);  // the cut word and "ok": two lines
    EXPECT_GT(ink.bottom, 13);
}

TEST_F(DrawTextTest, BadArgumentsAreRefused) {
    RECT rc{0, 0, 100, 20};
    EXPECT_EQ(0, DrawTextA(dc, nullptr, 0, &rc, DT_SINGLELINE));
    EXPECT_EQ(0, DrawTextA(dc, nullptr, 5, &rc, DT_SINGLELINE));
    EXPECT_EQ(0, DrawTextA(dc, nullptr, -1, &rc, DT_SINGLELINE));
    EXPECT_EQ(0, DrawTextA(dc, "abc", -2, &rc, 0));
    EXPECT_EQ(0, DrawTextA(dc, "abc", 3, nullptr, 0));
    EXPECT_EQ(0, DrawTextA(nullptr, "abc", 3, &rc, 0));
    DRAWTEXTPARAMS bad{0, 0, 0, 0, 0};
    char text[] = "abc";
    EXPECT_EQ(0, DrawTextExA(dc, text, 3, &rc, 0, &bad));
    EXPECT_EQ(0, canvas->InkBox().right);
    // A truncated lead byte draws one replacement glyph, within the box.
    EXPECT_EQ(13, DrawTextA(dc, "ok\xC1", -1, &rc, DT_SINGLELINE));
    SIZE sz{};
    GetTextExtentPoint32A(dc, "ok\xC1", 3, &sz);
    EXPECT_TRUE(Inside(canvas->InkBox(), RECT{0, 0, sz.cx, sz.cy}));
}

}  // namespace
