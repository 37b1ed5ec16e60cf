#include "VorTestHost.h"

#include <commctrl.h>
#include <richedit.h>
#include <vorplatform.h>

#include <algorithm>
#include <cstdio>
#include <sstream>

namespace vor::test {

// ---------------------------------------------------------------------------
// Sequences

std::string SequenceDiff(const std::vector<std::string>& expected, const std::vector<std::string>& actual)
{
    if (expected == actual)
        return std::string();
    const size_t n = expected.size(), m = actual.size();
    // lcs[i][j]: length of the common subsequence of expected[i..] and actual[j..].
    std::vector<std::vector<size_t>> lcs(n + 1, std::vector<size_t>(m + 1, 0));
    for (size_t i = n; i-- > 0;)
        for (size_t j = m; j-- > 0;)
            lcs[i][j] = expected[i] == actual[j] ? lcs[i + 1][j + 1] + 1 : std::max(lcs[i + 1][j], lcs[i][j + 1]);
    std::ostringstream out;
    size_t i = 0, j = 0;
    while (i < n || j < m) {
        if (i < n && j < m && expected[i] == actual[j]) {
            out << "  " << expected[i] << '\n';
            ++i;
            ++j;
        } else if (j < m && (i == n || lcs[i][j + 1] >= lcs[i + 1][j])) {
            out << "+ " << actual[j] << '\n';
            ++j;
        } else {
            out << "- " << expected[i] << '\n';
            ++i;
        }
    }
    return out.str();
}

::testing::AssertionResult SequenceMatches(const std::vector<std::string>& expected,
                                           const std::vector<std::string>& actual)
{
    if (expected == actual)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "sequence differs (" << expected.size() << " expected, " << actual.size()
                                         << " recorded; '-' missing, '+' unexpected):\n"
                                         << SequenceDiff(expected, actual);
}

// ---------------------------------------------------------------------------
// Text forms

namespace {

struct CodeName {
    UINT nCode;
    const char* pszName;
};

const CodeName kButtonCodes[] = {{BN_CLICKED, "BN_CLICKED"},     {BN_PAINT, "BN_PAINT"},
                                 {BN_HILITE, "BN_HILITE"},       {BN_UNHILITE, "BN_UNHILITE"},
                                 {BN_DISABLE, "BN_DISABLE"},     {BN_DOUBLECLICKED, "BN_DOUBLECLICKED"},
                                 {BN_SETFOCUS, "BN_SETFOCUS"},   {BN_KILLFOCUS, "BN_KILLFOCUS"}};
const CodeName kEditCodes[] = {{EN_SETFOCUS, "EN_SETFOCUS"}, {EN_KILLFOCUS, "EN_KILLFOCUS"},
                               {EN_CHANGE, "EN_CHANGE"},     {EN_UPDATE, "EN_UPDATE"},
                               {EN_ERRSPACE, "EN_ERRSPACE"}, {EN_MAXTEXT, "EN_MAXTEXT"},
                               {EN_HSCROLL, "EN_HSCROLL"},   {EN_VSCROLL, "EN_VSCROLL"}};
const CodeName kListBoxCodes[] = {{(UINT)LBN_ERRSPACE, "LBN_ERRSPACE"}, {LBN_SELCHANGE, "LBN_SELCHANGE"},
                                  {LBN_DBLCLK, "LBN_DBLCLK"},           {LBN_SELCANCEL, "LBN_SELCANCEL"},
                                  {LBN_SETFOCUS, "LBN_SETFOCUS"},       {LBN_KILLFOCUS, "LBN_KILLFOCUS"}};
const CodeName kComboCodes[] = {{(UINT)CBN_ERRSPACE, "CBN_ERRSPACE"}, {CBN_SELCHANGE, "CBN_SELCHANGE"},
                                {CBN_DBLCLK, "CBN_DBLCLK"},           {CBN_SETFOCUS, "CBN_SETFOCUS"},
                                {CBN_KILLFOCUS, "CBN_KILLFOCUS"},     {CBN_EDITCHANGE, "CBN_EDITCHANGE"},
                                {CBN_EDITUPDATE, "CBN_EDITUPDATE"},   {CBN_DROPDOWN, "CBN_DROPDOWN"},
                                {CBN_CLOSEUP, "CBN_CLOSEUP"},         {CBN_SELENDOK, "CBN_SELENDOK"},
                                {CBN_SELENDCANCEL, "CBN_SELENDCANCEL"}};
const CodeName kNotifyCodes[] = {
    {NM_OUTOFMEMORY, "NM_OUTOFMEMORY"},     {NM_CLICK, "NM_CLICK"},
    {NM_DBLCLK, "NM_DBLCLK"},               {NM_RETURN, "NM_RETURN"},
    {NM_RCLICK, "NM_RCLICK"},               {NM_RDBLCLK, "NM_RDBLCLK"},
    {NM_SETFOCUS, "NM_SETFOCUS"},           {NM_KILLFOCUS, "NM_KILLFOCUS"},
    {NM_CUSTOMDRAW, "NM_CUSTOMDRAW"},       {NM_HOVER, "NM_HOVER"},
    {NM_RELEASEDCAPTURE, "NM_RELEASEDCAPTURE"},
    {LVN_ITEMCHANGING, "LVN_ITEMCHANGING"}, {LVN_ITEMCHANGED, "LVN_ITEMCHANGED"},
    {LVN_INSERTITEM, "LVN_INSERTITEM"},     {LVN_DELETEITEM, "LVN_DELETEITEM"},
    {LVN_DELETEALLITEMS, "LVN_DELETEALLITEMS"}, {LVN_COLUMNCLICK, "LVN_COLUMNCLICK"},
    {LVN_BEGINDRAG, "LVN_BEGINDRAG"},       {LVN_BEGINRDRAG, "LVN_BEGINRDRAG"},
    {LVN_ITEMACTIVATE, "LVN_ITEMACTIVATE"}, {LVN_GETDISPINFO, "LVN_GETDISPINFO"},
    {LVN_SETDISPINFO, "LVN_SETDISPINFO"},   {LVN_KEYDOWN, "LVN_KEYDOWN"},
    {LVN_BEGINSCROLL, "LVN_BEGINSCROLL"},   {LVN_ENDSCROLL, "LVN_ENDSCROLL"},
    {HDN_ITEMCHANGING, "HDN_ITEMCHANGING"}, {HDN_ITEMCHANGED, "HDN_ITEMCHANGED"},
    {HDN_ITEMCLICK, "HDN_ITEMCLICK"},       {HDN_ITEMDBLCLICK, "HDN_ITEMDBLCLICK"},
    {HDN_DIVIDERDBLCLICK, "HDN_DIVIDERDBLCLICK"}, {HDN_BEGINTRACK, "HDN_BEGINTRACK"},
    {HDN_ENDTRACK, "HDN_ENDTRACK"},         {HDN_TRACK, "HDN_TRACK"},
    {TTN_GETDISPINFO, "TTN_GETDISPINFO"},   {TTN_SHOW, "TTN_SHOW"},
    {TTN_POP, "TTN_POP"},                   {EN_SELCHANGE, "EN_SELCHANGE"},
    {EN_MSGFILTER, "EN_MSGFILTER"},         {EN_REQUESTRESIZE, "EN_REQUESTRESIZE"},
};

template <size_t N>
std::string Lookup(const CodeName (&table)[N], UINT nCode)
{
    for (const CodeName& c : table)
        if (c.nCode == nCode)
            return c.pszName;
    char sz[32];
    std::snprintf(sz, sizeof sz, "code=0x%X", nCode);
    return sz;
}

// WM_COMMAND codes overlap between the control kinds; the sender's class
// tells which table applies.
std::string CommandCodeName(HWND hwndCtl, UINT nCode)
{
    char szClass[64] = "";
    if (hwndCtl != NULL)
        ::GetClassNameA(hwndCtl, szClass, sizeof szClass);
    if (lstrcmpiA(szClass, "Button") == 0)
        return Lookup(kButtonCodes, nCode);
    if (lstrcmpiA(szClass, "Edit") == 0 || lstrcmpiA(szClass, RICHEDIT_CLASSA) == 0 ||
        lstrcmpiA(szClass, RICHEDIT_CLASS10A) == 0)
        return Lookup(kEditCodes, nCode);
    if (lstrcmpiA(szClass, "ListBox") == 0 || lstrcmpiA(szClass, "ComboLBox") == 0)
        return Lookup(kListBoxCodes, nCode);
    if (lstrcmpiA(szClass, "ComboBox") == 0)
        return Lookup(kComboCodes, nCode);
    char sz[32];
    std::snprintf(sz, sizeof sz, "code=0x%X", nCode);
    return sz;
}

std::string FromPart(const std::string& strFrom)
{
    return strFrom.empty() ? std::string() : " from=" + strFrom;
}

std::string Quote(const std::string& s)
{
    std::string out = "\"";
    for (char ch : s) {
        if (ch == '\r')
            out += "\\r";
        else if (ch == '\n')
            out += "\\n";
        else if (ch == '"' || ch == '\\')
            out += std::string("\\") + ch;
        else
            out += ch;
    }
    return out + "\"";
}

}  // namespace

std::string CommandLine(HWND hwndCtl, UINT nCode, UINT nId, const std::string& strFrom)
{
    return "WM_COMMAND " + CommandCodeName(hwndCtl, nCode) + " id=" + std::to_string(nId) + FromPart(strFrom);
}

std::string NotifyLine(UINT nCode, UINT nId, const std::string& strFrom)
{
    return "WM_NOTIFY " + Lookup(kNotifyCodes, nCode) + " id=" + std::to_string(nId) + FromPart(strFrom);
}

// The cell fields are printed for the grid's own reports (source 0, and the
// cell-button press: source 3 code 4); the editors leave them unset.
static bool CarriesCell(int nSource, int nCode)
{
    return nSource == 0 || (nSource == 3 && nCode == 4);
}

std::string VorNotifyLine(const std::string& strFrom, int nSource, int nCode, const char* pszText, int nItem,
                          int nSubItem)
{
    std::ostringstream s;
    s << "WM_VOR_NOTIFY" << FromPart(strFrom) << " src=" << nSource << " code=" << nCode;
    if (pszText != NULL)
        s << " text=" << Quote(pszText);
    if (CarriesCell(nSource, nCode))
        s << " item=" << nItem << " sub=" << nSubItem;
    return s.str();
}

// ---------------------------------------------------------------------------
// The host window

BEGIN_MESSAGE_MAP(CVorTestHostWnd, CWnd)
ON_MESSAGE(WM_VOR_NOTIFY, OnVorNotify)
END_MESSAGE_MAP()

CVorTestHostWnd::CVorTestHostWnd()
{
    for (UINT m : {(UINT)WM_COMMAND, (UINT)WM_NOTIFY, (UINT)WM_DRAWITEM, (UINT)WM_MEASUREITEM, (UINT)WM_VOR_NOTIFY})
        m_recorded[m] = true;
}

CVorTestHostWnd::~CVorTestHostWnd()
{
    if (GetSafeHwnd() != NULL)
        DestroyWindow();
}

BOOL CVorTestHostWnd::CreateHost(const RECT& rcWindow, LPCTSTR lpszTitle)
{
    LPCTSTR lpszClass = AfxRegisterWndClass(0, ::LoadCursorA(NULL, IDC_ARROW), (HBRUSH)(COLOR_BTNFACE + 1));
    return CreateEx(0, lpszClass, lpszTitle, WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, rcWindow.left, rcWindow.top,
                    rcWindow.right - rcWindow.left, rcWindow.bottom - rcWindow.top, NULL, NULL);
}

void CVorTestHostWnd::RecordMessage(UINT message, bool bRecord)
{
    m_recorded[message] = bRecord;
}

std::string CVorTestHostWnd::WindowName(HWND hWnd) const
{
    auto it = m_names.find(hWnd);
    return it == m_names.end() ? std::string() : it->second;
}

void CVorTestHostWnd::ClearRecords()
{
    m_notifications.clear();
    m_messages.clear();
}

std::vector<std::string> CVorTestHostWnd::MessageLines(UINT onlyMessage) const
{
    std::vector<std::string> lines;
    for (const MessageRecord& r : m_messages)
        if (onlyMessage == 0 || r.message == onlyMessage)
            lines.push_back(r.strLine);
    return lines;
}

std::string CVorTestHostWnd::DescribeNotify(const NotifyRecord& r) const
{
    return VorNotifyLine(WindowName(r.hWnd), r.nSource, r.nCode,
                         (r.nCode == 1 || r.nCode == 5) && r.bHasText ? r.strText.c_str() : nullptr, r.nItem,
                         r.nSubItem);
}

std::string CVorTestHostWnd::Describe(UINT message, WPARAM wParam, LPARAM lParam) const
{
    std::ostringstream s;
    switch (message) {
    case WM_COMMAND: {
        HWND hwndCtl = (HWND)lParam;
        s << CommandLine(hwndCtl, HIWORD(wParam), LOWORD(wParam), WindowName(hwndCtl));
        break;
    }
    case WM_NOTIFY: {
        const NMHDR* pHdr = (const NMHDR*)lParam;
        if (pHdr == NULL) {
            s << "WM_NOTIFY (null)";
            break;
        }
        s << NotifyLine(pHdr->code, (UINT)pHdr->idFrom, WindowName(pHdr->hwndFrom));
        if (pHdr->code == EN_SELCHANGE) {
            const SELCHANGE* p = (const SELCHANGE*)lParam;
            s << " sel=" << p->chrg.cpMin << ".." << p->chrg.cpMax;
        }
        if (pHdr->code == LVN_ITEMCHANGING || pHdr->code == LVN_ITEMCHANGED) {
            const NMLISTVIEW* p = (const NMLISTVIEW*)lParam;
            char sz[96];
            std::snprintf(sz, sizeof sz, " item=%d sub=%d old=0x%X new=0x%X changed=0x%X", p->iItem, p->iSubItem,
                          p->uOldState, p->uNewState, p->uChanged);
            s << sz;
        }
        break;
    }
    case WM_DRAWITEM: {
        const DRAWITEMSTRUCT* p = (const DRAWITEMSTRUCT*)lParam;
        char sz[128];
        std::snprintf(sz, sizeof sz, "WM_DRAWITEM type=%u id=%u item=%d action=0x%X state=0x%X", p->CtlType,
                      p->CtlID, (int)p->itemID, p->itemAction, p->itemState);
        s << sz << FromPart(WindowName(p->hwndItem));
        break;
    }
    case WM_MEASUREITEM: {
        const MEASUREITEMSTRUCT* p = (const MEASUREITEMSTRUCT*)lParam;
        char sz[128];
        std::snprintf(sz, sizeof sz, "WM_MEASUREITEM type=%u id=%u item=%d height=%u", p->CtlType, p->CtlID,
                      (int)p->itemID, p->itemHeight);
        s << sz;
        break;
    }
    case WM_VOR_NOTIFY: {
        const INPLACE_NOTIFY* p = (const INPLACE_NOTIFY*)lParam;
        if (p == NULL) {
            s << "WM_VOR_NOTIFY (null)";
            break;
        }
        s << VorNotifyLine(WindowName(p->hWnd), p->nSource, p->nCode,
                           (p->nCode == 1 || p->nCode == 5) ? (const char*)p->pszText : nullptr, p->nItem,
                           p->nSubItem);
        break;
    }
    default: {
        char sz[96];
        std::snprintf(sz, sizeof sz, "message 0x%04X wParam=0x%llX lParam=0x%llX", message,
                      (unsigned long long)wParam, (unsigned long long)lParam);
        s << sz;
        break;
    }
    }
    return s.str();
}

LRESULT CVorTestHostWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    auto it = m_recorded.find(message);
    if (it != m_recorded.end() && it->second) {
        MessageRecord r;
        r.message = message;
        r.wParam = wParam;
        r.lParam = lParam;
        if (message == WM_COMMAND) {
            r.hwndFrom = (HWND)lParam;
            r.nId = LOWORD(wParam);
            r.nCode = HIWORD(wParam);
        } else if (message == WM_NOTIFY && lParam != 0) {
            const NMHDR* pHdr = (const NMHDR*)lParam;
            r.hwndFrom = pHdr->hwndFrom;
            r.nId = (UINT)pHdr->idFrom;
            r.nCode = pHdr->code;
        } else if (message == WM_DRAWITEM && lParam != 0) {
            const DRAWITEMSTRUCT* p = (const DRAWITEMSTRUCT*)lParam;
            r.hwndFrom = p->hwndItem;
            r.nId = p->CtlID;
        } else if (message == WM_MEASUREITEM && lParam != 0) {
            r.nId = ((const MEASUREITEMSTRUCT*)lParam)->CtlID;
        } else if (message == WM_VOR_NOTIFY && lParam != 0) {
            const INPLACE_NOTIFY* p = (const INPLACE_NOTIFY*)lParam;
            r.hwndFrom = p->hWnd;
            r.nCode = (UINT)p->nCode;
        }
        r.strLine = Describe(message, wParam, lParam);
        m_messages.push_back(r);
    }
    return CWnd::WindowProc(message, wParam, lParam);
}

LRESULT CVorTestHostWnd::OnVorNotify(WPARAM wParam, LPARAM lParam)
{
    NotifyRecord r;
    r.wParam = wParam;
    if (const INPLACE_NOTIFY* p = (const INPLACE_NOTIFY*)lParam) {
        r.hWnd = p->hWnd;
        r.nSource = p->nSource;
        r.nCode = p->nCode;
        r.bHasText = p->pszText != NULL;
        if (r.bHasText)
            r.strText = (const char*)p->pszText;
        r.nItem = p->nItem;
        r.nSubItem = p->nSubItem;
    }
    LRESULT lReply = 0;
    if (m_replyCallback) {
        lReply = m_replyCallback(r);
    } else if (!m_replies.empty()) {
        lReply = m_replies.front();
        m_replies.pop_front();
    }
    r.lReply = lReply;
    m_notifications.push_back(r);
    return lReply;
}

// ---------------------------------------------------------------------------
// The fixture

void VorHostTest::SetUp()
{
    VOR_TEST_HOST_BASE::SetUp();
    m_pHost = new CVorTestHostWnd;
    ASSERT_TRUE(m_pHost->CreateHost(HostRect())) << "the host window could not be created";
    VorPumpMessages();
}

void VorHostTest::TearDown()
{
    delete m_pHost;  // destroys its window
    m_pHost = nullptr;
    VOR_TEST_HOST_BASE::TearDown();
}

HWND VorHostTest::CreateChild(LPCTSTR lpszClass, DWORD dwStyle, const RECT& rc, UINT nId, LPCTSTR lpszText,
                              DWORD dwExStyle)
{
    return ::CreateWindowExA(dwExStyle, lpszClass, lpszText, dwStyle | WS_CHILD, rc.left, rc.top,
                             rc.right - rc.left, rc.bottom - rc.top, HostHwnd(), (HMENU)(UINT_PTR)nId,
                             ::GetModuleHandleA(NULL), NULL);
}

}  // namespace vor::test
