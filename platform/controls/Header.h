// The header control ("SysHeader32"): a row of column headings whose
// dividers the user drags to resize columns. Internal to the platform; the
// public face is the HDM_ messages and HDN_ notifications of commctrl.h.
#pragma once

#include <commctrl.h>

#include <string>
#include <vector>

namespace vor::controls {

void RegisterHeaderClass();

template <class T>
class WindowObjects;

class Header {
public:
    explicit Header(HWND hwnd) : m_hwnd(hwnd) {}

    // Height of the header for its font: the text height plus the button
    // edges and a margin.
    int Height() const;

private:
    friend class WindowObjects<Header>;
    // Nothing to let go of before the object is deleted.
    void OnNcDestroy() {}
    struct Item {
        int cxy = 0;
        std::string text;
        int fmt = HDF_LEFT | HDF_STRING;
        LPARAM lParam = 0;
        int iImage = -1;
        int iOrder = 0;
        HBITMAP hbm = nullptr;
    };

    LRESULT Handle(UINT msg, WPARAM wParam, LPARAM lParam);

    int InsertItem(int i, const HDITEMA* p);
    BOOL DeleteItem(int i);
    BOOL GetItem(int i, HDITEMA* p) const;
    BOOL SetItem(int i, const HDITEMA* p);
    void Apply(Item& item, const HDITEMA* p);
    BOOL Layout(HDLAYOUT* layout) const;
    RECT ItemRect(int i) const;
    int HitTest(POINT pt, UINT* flags) const;
    LRESULT Notify(UINT code, int item, HDITEMA* pitem, int button = 0);

    void Paint(HDC hdc, const RECT& clip);
    void PaintItem(HDC hdc, int i, const RECT& rc, bool pressed);

    void OnButtonDown(POINT pt, bool dbl);
    void OnMouseMove(POINT pt);
    void OnButtonUp(POINT pt);
    void EndTrack(bool apply);
    void InvalidateFrom(int i);

    HWND m_hwnd;
    int m_busy = 0;
    bool m_dead = false;
    std::vector<Item> m_items;
    HFONT m_font = nullptr;
    HIMAGELIST m_imageList = nullptr;

    // Divider drag.
    int m_trackItem = -1;
    int m_trackOffset = 0;  // divider's x minus the pointer's x at the press
    int m_trackWidth = 0;
    // Button press on an item.
    int m_pressItem = -1;
    bool m_pressInside = false;
};

}  // namespace vor::controls
