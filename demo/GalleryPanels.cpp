#include "GalleryPanels.h"

#include "VORFunction.h"
#include "VORLib10Res.h"

namespace {

LPCTSTR PanelClass()
{
    return AfxRegisterWndClass(CS_HREDRAW | CS_VREDRAW, ::LoadCursorA(NULL, IDC_ARROW), NULL);
}

}  // namespace

// ---------------------------------------------------------------------------

BEGIN_MESSAGE_MAP(CColourPanel, CWnd)
ON_WM_PAINT()
ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

BOOL CColourPanel::CreatePanel(CWnd* pParent, const RECT& rect, UINT nID)
{
    return CreateEx(0, PanelClass(), m_strCaption, WS_CHILD | WS_VISIBLE, rect, pParent, nID);
}

BOOL CColourPanel::OnEraseBkgnd(CDC*)
{
    return TRUE;  // OnPaint covers every pixel
}

void CColourPanel::OnPaint()
{
    CPaintDC dc(this);
    CRect rc;
    GetClientRect(&rc);
    dc.FillSolidRect(&rc, m_crFill);
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(RGB(255, 255, 255));
    dc.DrawText(m_strCaption, &rc, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

// ---------------------------------------------------------------------------

BEGIN_MESSAGE_MAP(CTextPanel, CWnd)
ON_WM_PAINT()
END_MESSAGE_MAP()

BOOL CTextPanel::CreatePanel(CWnd* pParent, const RECT& rect, UINT nID)
{
    return CreateEx(WS_EX_CLIENTEDGE, PanelClass(), "text", WS_CHILD | WS_VISIBLE, rect, pParent, nID);
}

void CTextPanel::OnPaint()
{
    CPaintDC dc(this);
    CRect rc;
    GetClientRect(&rc);
    dc.FillSolidRect(&rc, ::GetSysColor(COLOR_WINDOW));
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(::GetSysColor(COLOR_WINDOWTEXT));
    dc.SelectStockObject(DEFAULT_GUI_FONT);

    struct Line {
        LPCTSTR text;
        UINT format;
    };
    // The last line is in code page 936: "extension module resources".
    const Line lines[] = {
        {"Left aligned text", DT_LEFT},
        {"Centred text", DT_CENTER},
        {"Right aligned text", DT_RIGHT},
        {"A line far too long for this panel is cut short with an ellipsis at its end, however wide it is",
         DT_LEFT | DT_END_ELLIPSIS},
        {"\xC0\xA9\xD5\xB9\xC4\xA3\xBF\xE9\xD7\xCA\xD4\xB4", DT_LEFT},
    };
    CRect rcLine(rc.left + 6, rc.top + 6, rc.right - 6, rc.top + 26);
    for (const Line& line : lines) {
        dc.DrawText(line.text, -1, &rcLine, line.format | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
        rcLine.OffsetRect(0, 22);
    }

    // A combo cell's choice string, split by the library's own helper.
    CStringArray choices;
    CVORFunction::StringToStringArray("Red\r\nGreen\r\nBlue", choices);
    CString strChoices = "Choices:";
    for (int i = 0; i < choices.GetSize(); ++i)
        strChoices += (i ? " | " : " ") + choices[i];
    dc.DrawText(strChoices, &rcLine, DT_LEFT | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
}

// ---------------------------------------------------------------------------

BEGIN_MESSAGE_MAP(CFramePanel, CWnd)
ON_WM_PAINT()
END_MESSAGE_MAP()

BOOL CFramePanel::CreatePanel(CWnd* pParent, const RECT& rect, UINT nID)
{
    return CreateEx(0, PanelClass(), "frames", WS_CHILD | WS_VISIBLE, rect, pParent, nID);
}

void CFramePanel::OnPaint()
{
    CPaintDC dc(this);
    CRect rc;
    GetClientRect(&rc);
    const COLORREF crFace = ::GetSysColor(COLOR_3DFACE);
    const COLORREF crLight = ::GetSysColor(COLOR_3DHILIGHT);
    const COLORREF crShadow = ::GetSysColor(COLOR_3DSHADOW);
    dc.FillSolidRect(&rc, crFace);

    // Raised, sunken, and a double (etched) frame.
    CRect rcBox(12, 12, 112, 72);
    dc.Draw3dRect(&rcBox, crLight, crShadow);
    rcBox.OffsetRect(120, 0);
    dc.Draw3dRect(&rcBox, crShadow, crLight);
    rcBox.OffsetRect(120, 0);
    dc.Draw3dRect(&rcBox, crShadow, crLight);
    rcBox.DeflateRect(1, 1);
    dc.Draw3dRect(&rcBox, crLight, crShadow);

    // The splitter cursors, as the library's resource search finds them.
    const WORD ids[] = {IDC_VOR_SPLIT_UPDOWN, IDC_VOR_SPLIT_LEFTRIGHT};
    int x = 12;
    for (WORD id : ids) {
        HINSTANCE hInst = AfxFindResourceHandle(MAKEINTRESOURCE(id), RT_GROUP_CURSOR);
        if (HCURSOR hCursor = ::LoadCursorA(hInst, MAKEINTRESOURCE(id)))
            dc.DrawIcon(x, 88, hCursor);
        x += 48;
    }
}

// ---------------------------------------------------------------------------

BEGIN_MESSAGE_MAP(CGalleryWnd, CWnd)
ON_WM_CREATE()
ON_WM_PAINT()
END_MESSAGE_MAP()

CGalleryWnd::CGalleryWnd()
    : m_panelBlue(RGB(40, 80, 160), "colour panel"), m_panelOrange(RGB(220, 120, 30), "second panel")
{
}

BOOL CGalleryWnd::CreateGallery(const RECT& rect)
{
    LPCTSTR lpszClass = AfxRegisterWndClass(0, ::LoadCursorA(NULL, IDC_ARROW), (HBRUSH)(COLOR_3DFACE + 1));
    return CreateEx(0, lpszClass, "VORLib10 gallery", WS_OVERLAPPEDWINDOW | WS_VISIBLE | WS_CLIPCHILDREN, rect,
                    NULL, 0);
}

int CGalleryWnd::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CWnd::OnCreate(lpCreateStruct) == -1)
        return -1;
    if (!m_panelBlue.CreatePanel(this, CRect(10, 10, 210, 110), 101) ||
        !m_panelOrange.CreatePanel(this, CRect(220, 10, 420, 110), 102) ||
        !m_panelText.CreatePanel(this, CRect(10, 120, 420, 272), 103) ||
        !m_panelFrames.CreatePanel(this, CRect(10, 282, 420, 422), 104))
        return -1;
    return 0;
}

void CGalleryWnd::OnPaint()
{
    CPaintDC dc(this);
    CRect rc;
    GetClientRect(&rc);
    dc.FillSolidRect(&rc, ::GetSysColor(COLOR_3DFACE));
}
