// Image lists: adding images with masks, drawing them onto pixels, and
// refusing handles that are not (or no longer) image lists.
#include <gtest/gtest.h>

#include <commctrl.h>
#include <vorplatform.h>

#include <vector>

namespace {

// A 32-bit bitmap from top-down pixels (0x00RRGGBB).
HBITMAP MakeBitmap(int w, int h, const std::vector<uint32_t>& px) {
    BITMAPINFO bmi{};
    bmi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    bmi.bmiHeader.biWidth = w;
    bmi.bmiHeader.biHeight = -h;
    bmi.bmiHeader.biPlanes = 1;
    bmi.bmiHeader.biBitCount = 32;
    bmi.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP bmp = CreateDIBSection(nullptr, &bmi, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (bmp && bits) std::memcpy(bits, px.data(), px.size() * 4);
    return bmp;
}

// A memory DC over a w x h bitmap filled with one colour.
struct Canvas {
    HDC dc = nullptr;
    HBITMAP bmp = nullptr;
    HGDIOBJ old = nullptr;
    Canvas(int w, int h, COLORREF fill) {
        HDC screen = GetDC(nullptr);
        dc = CreateCompatibleDC(screen);
        bmp = CreateCompatibleBitmap(screen, w, h);
        ReleaseDC(nullptr, screen);
        old = SelectObject(dc, bmp);
        RECT rc{0, 0, w, h};
        HBRUSH b = CreateSolidBrush(fill);
        FillRect(dc, &rc, b);
        DeleteObject(b);
    }
    ~Canvas() {
        SelectObject(dc, old);
        DeleteObject(bmp);
        DeleteDC(dc);
    }
};

constexpr uint32_t kRed = 0x00FF0000, kBlue = 0x000000FF, kWhite = 0x00FFFFFF, kBlack = 0;

}  // namespace

TEST(ImageList, CreateAddCountAndSize) {
    VorPlatformReset();
    HIMAGELIST il = ImageList_Create(4, 4, ILC_COLOR24 | ILC_MASK, 2, 2);
    ASSERT_NE(il, nullptr);
    int cx = 0, cy = 0;
    EXPECT_TRUE(ImageList_GetIconSize(il, &cx, &cy));
    EXPECT_EQ(cx, 4);
    EXPECT_EQ(cy, 4);
    // A strip two images wide adds two images.
    HBITMAP strip = MakeBitmap(8, 4, std::vector<uint32_t>(32, kRed));
    EXPECT_EQ(ImageList_Add(il, strip, nullptr), 0);
    EXPECT_EQ(ImageList_GetImageCount(il), 2);
    EXPECT_EQ(ImageList_Add(il, strip, nullptr), 2);
    EXPECT_EQ(ImageList_GetImageCount(il), 4);
    EXPECT_TRUE(ImageList_Remove(il, 0));
    EXPECT_EQ(ImageList_GetImageCount(il), 3);
    EXPECT_FALSE(ImageList_Remove(il, 3));
    DeleteObject(strip);
    EXPECT_TRUE(ImageList_Destroy(il));
    EXPECT_EQ(ImageList_Create(0, 4, ILC_COLOR32, 1, 1), nullptr);
}

TEST(ImageList, DrawWithMaskLeavesMaskedPixels) {
    VorPlatformReset();
    HIMAGELIST il = ImageList_Create(4, 4, ILC_COLOR32 | ILC_MASK, 1, 1);
    // Left half red, right half blue; the mask clears the top row.
    std::vector<uint32_t> img(16), mask(16);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x) {
            img[size_t(y * 4 + x)] = x < 2 ? kRed : kBlue;
            mask[size_t(y * 4 + x)] = y == 0 ? kWhite : kBlack;
        }
    HBITMAP hImg = MakeBitmap(4, 4, img), hMask = MakeBitmap(4, 4, mask);
    ASSERT_EQ(ImageList_Add(il, hImg, hMask), 0);
    DeleteObject(hImg);
    DeleteObject(hMask);

    struct Case {
        UINT style;
        bool maskedShowsBackground;
    } cases[] = {{ILD_TRANSPARENT, true}, {ILD_NORMAL, true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.style);
        Canvas canvas(10, 10, RGB(0, 255, 0));
        EXPECT_TRUE(ImageList_Draw(il, 0, canvas.dc, 3, 2, c.style));
        EXPECT_EQ(GetPixel(canvas.dc, 3, 2), RGB(0, 255, 0));   // masked top row
        EXPECT_EQ(GetPixel(canvas.dc, 3, 3), RGB(255, 0, 0));   // red half
        EXPECT_EQ(GetPixel(canvas.dc, 6, 5), RGB(0, 0, 255));   // blue half
        EXPECT_EQ(GetPixel(canvas.dc, 7, 3), RGB(0, 255, 0));   // outside the image
        EXPECT_EQ(GetPixel(canvas.dc, 3, 6), RGB(0, 255, 0));
    }

    // With a background colour set, ILD_NORMAL paints the masked pixels with it.
    ImageList_SetBkColor(il, RGB(9, 9, 9));
    Canvas canvas(10, 10, RGB(0, 255, 0));
    ImageList_Draw(il, 0, canvas.dc, 0, 0, ILD_NORMAL);
    EXPECT_EQ(GetPixel(canvas.dc, 1, 0), RGB(9, 9, 9));
    ImageList_Draw(il, 0, canvas.dc, 5, 5, ILD_TRANSPARENT);
    EXPECT_EQ(GetPixel(canvas.dc, 6, 5), RGB(0, 255, 0));
    ImageList_Destroy(il);
}

TEST(ImageList, AddMaskedAndSelectedBlend) {
    VorPlatformReset();
    HIMAGELIST il = ImageList_Create(2, 2, ILC_COLOR24 | ILC_MASK, 1, 1);
    HBITMAP bmp = MakeBitmap(2, 2, {0x00FF00FF, kRed, kRed, 0x00FF00FF});
    ASSERT_EQ(ImageList_AddMasked(il, bmp, RGB(255, 0, 255)), 0);
    DeleteObject(bmp);
    Canvas canvas(4, 4, RGB(255, 255, 255));
    ImageList_Draw(il, 0, canvas.dc, 0, 0, ILD_TRANSPARENT);
    EXPECT_EQ(GetPixel(canvas.dc, 0, 0), RGB(255, 255, 255));
    EXPECT_EQ(GetPixel(canvas.dc, 1, 0), RGB(255, 0, 0));
    // Selected: half way towards the highlight colour.
    ImageList_Draw(il, 0, canvas.dc, 2, 2, ILD_SELECTED);
    COLORREF hl = GetSysColor(COLOR_HIGHLIGHT);
    COLORREF mixed = GetPixel(canvas.dc, 3, 2);
    EXPECT_NEAR(GetRValue(mixed), (255 + GetRValue(hl)) / 2, 1);
    EXPECT_NEAR(GetBValue(mixed), GetBValue(hl) / 2, 1);
    ImageList_Destroy(il);
}

TEST(ImageList, IconsAreAddedWithTheirMask) {
    VorPlatformReset();
    HIMAGELIST il = ImageList_Create(4, 4, ILC_COLOR32 | ILC_MASK, 1, 1);
    std::vector<uint32_t> color(16, kBlue), mask(16, kBlack);
    mask[0] = kWhite;
    ICONINFO ii{};
    ii.fIcon = TRUE;
    ii.hbmColor = MakeBitmap(4, 4, color);
    ii.hbmMask = MakeBitmap(4, 4, mask);
    HICON icon = CreateIconIndirect(&ii);
    DeleteObject(ii.hbmColor);
    DeleteObject(ii.hbmMask);
    ASSERT_NE(icon, nullptr);
    EXPECT_EQ(ImageList_AddIcon(il, icon), 0);
    EXPECT_EQ(ImageList_ReplaceIcon(il, 0, icon), 0);
    EXPECT_EQ(ImageList_ReplaceIcon(il, 1, icon), -1);
    EXPECT_EQ(ImageList_GetImageCount(il), 1);
    DestroyIcon(icon);
    Canvas canvas(4, 4, RGB(0, 255, 0));
    ImageList_Draw(il, 0, canvas.dc, 0, 0, ILD_TRANSPARENT);
    EXPECT_EQ(GetPixel(canvas.dc, 0, 0), RGB(0, 255, 0));
    EXPECT_EQ(GetPixel(canvas.dc, 1, 0), RGB(0, 0, 255));
    ImageList_Destroy(il);
}

TEST(ImageList, InvalidAndDestroyedHandlesAreRefused) {
    VorPlatformReset();
    HIMAGELIST il = ImageList_Create(4, 4, ILC_COLOR32, 1, 1);
    HIMAGELIST bogus = reinterpret_cast<HIMAGELIST>(uintptr_t(0x1234));
    EXPECT_EQ(ImageList_GetImageCount(bogus), 0);
    EXPECT_FALSE(ImageList_Destroy(bogus));
    EXPECT_TRUE(ImageList_Destroy(il));
    EXPECT_FALSE(ImageList_Destroy(il));
    int cx = 0, cy = 0;
    EXPECT_FALSE(ImageList_GetIconSize(il, &cx, &cy));
    Canvas canvas(4, 4, RGB(0, 0, 0));
    EXPECT_FALSE(ImageList_Draw(il, 0, canvas.dc, 0, 0, ILD_NORMAL));
    EXPECT_EQ(ImageList_Add(il, nullptr, nullptr), -1);
    // A new list never gets the old handle back.
    HIMAGELIST again = ImageList_Create(4, 4, ILC_COLOR32, 1, 1);
    EXPECT_NE(again, il);
    // Out-of-range images are refused as well.
    EXPECT_FALSE(ImageList_Draw(again, 0, canvas.dc, 0, 0, ILD_NORMAL));
    // A reset frees every image list.
    VorPlatformReset();
    EXPECT_FALSE(ImageList_Destroy(again));
}

TEST(ImageList, DrawingLeaksNoGdiObjects) {
    VorPlatformReset();
    HIMAGELIST il = ImageList_Create(4, 4, ILC_COLOR32 | ILC_MASK, 1, 1);
    HBITMAP bmp = MakeBitmap(4, 4, std::vector<uint32_t>(16, kRed));
    ImageList_Add(il, bmp, nullptr);
    DeleteObject(bmp);
    Canvas canvas(8, 8, RGB(0, 0, 0));
    int before = VorGdiObjectCount(VOR_GDI_ALL);
    for (int i = 0; i < 5; ++i) ImageList_Draw(il, 0, canvas.dc, i, i, ILD_TRANSPARENT);
    EXPECT_EQ(VorGdiObjectCount(VOR_GDI_ALL), before);
    ImageList_Destroy(il);
}
