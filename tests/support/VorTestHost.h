// The framework host of the control tests: a top-level framework window
// that records what it receives from its children and answers the
// library's WM_VOR_NOTIFY from a script, a fixture that owns one, and the
// sequence check that compares a recording against the expected one with
// a readable diff.
#pragma once

#include <gtest/gtest.h>

#include <afxwin.h>

#include <deque>
#include <functional>
#include <map>
#include <string>
#include <vector>

#if __has_include("VorTestBase.h")
#include "VorTestBase.h"
#define VOR_TEST_HOST_BASE VorTestBase
#else
#define VOR_TEST_HOST_BASE ::testing::Test
#endif

// The library's notification message and its record. When the library's
// own header is on the include path it defines them; these are the same
// layout for a build without it.
#if __has_include("VORInPlaceNotify.h")
#include "VORInPlaceNotify.h"
#endif
#ifndef WM_VOR_NOTIFY
#define WM_VOR_NOTIFY (WM_USER + 10)
typedef struct tagINPLACE_NOTIFY {
    HWND hWnd;
    int nSource;
    int nCode;
    LPCTSTR pszText;
    int nItem;
    int nSubItem;
} INPLACE_NOTIFY;
#endif

namespace vor::test {

// ---------------------------------------------------------------------------
// Sequences

// The line diff of two sequences (longest common subsequence), one line a
// row: "  " in both, "- " expected but missing, "+ " recorded but not
// expected. Empty when they are equal.
std::string SequenceDiff(const std::vector<std::string>& expected, const std::vector<std::string>& actual);

// Success when actual equals expected line for line; otherwise a failure
// carrying the diff, for EXPECT_TRUE / ASSERT_TRUE.
::testing::AssertionResult SequenceMatches(const std::vector<std::string>& expected,
                                           const std::vector<std::string>& actual);

// ---------------------------------------------------------------------------
// Records

// One WM_VOR_NOTIFY as the host received it: every field of the record,
// the text copied (the sender's buffer lives only for the call).
struct NotifyRecord {
    WPARAM wParam = 0;
    HWND hWnd = NULL;
    int nSource = 0;
    int nCode = 0;
    bool bHasText = false;  // pszText was not NULL
    std::string strText;
    int nItem = 0;
    int nSubItem = 0;
    LRESULT lReply = 0;  // what the host answered
};

// One message the host received from a child (or anyone), cracked.
struct MessageRecord {
    UINT message = 0;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
    HWND hwndFrom = NULL;  // WM_COMMAND's control, WM_NOTIFY's hwndFrom, WM_DRAWITEM's hwndItem
    UINT nId = 0;          // control id
    UINT nCode = 0;        // notification code (WM_COMMAND's high word, NMHDR::code)
    std::string strLine;   // the text form used by the sequence check
};

// ---------------------------------------------------------------------------
// The host window

class CVorTestHostWnd : public CWnd {
public:
    CVorTestHostWnd();
    ~CVorTestHostWnd() override;

    // A visible top-level window with a client area at the given screen
    // rectangle.
    BOOL CreateHost(const RECT& rcWindow, LPCTSTR lpszTitle = "VorTestHost");

    // Replies to WM_VOR_NOTIFY: a callback when set, else the next queued
    // reply, else 0 (acceptance).
    void QueueReply(LRESULT lReply) { m_replies.push_back(lReply); }
    void SetReplyCallback(std::function<LRESULT(const NotifyRecord&)> fn) { m_replyCallback = std::move(fn); }

    // Which messages the general recorder keeps (WM_COMMAND, WM_NOTIFY,
    // WM_DRAWITEM, WM_MEASUREITEM, WM_VOR_NOTIFY unless changed).
    void RecordMessage(UINT message, bool bRecord = true);

    // Gives a window a name for the text form of the records.
    void NameWindow(HWND hWnd, const std::string& strName) { m_names[hWnd] = strName; }
    std::string WindowName(HWND hWnd) const;

    const std::vector<NotifyRecord>& Notifications() const { return m_notifications; }
    const std::vector<MessageRecord>& Messages() const { return m_messages; }
    // The text forms of the recorded messages, optionally only of one message.
    std::vector<std::string> MessageLines(UINT onlyMessage = 0) const;
    void ClearRecords();

    // The text form of one record, also usable to build expected lines.
    std::string DescribeNotify(const NotifyRecord& r) const;
    std::string Describe(UINT message, WPARAM wParam, LPARAM lParam) const;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    afx_msg LRESULT OnVorNotify(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

private:
    std::vector<NotifyRecord> m_notifications;
    std::vector<MessageRecord> m_messages;
    std::deque<LRESULT> m_replies;
    std::function<LRESULT(const NotifyRecord&)> m_replyCallback;
    std::map<UINT, bool> m_recorded;
    std::map<HWND, std::string> m_names;
};

// Expected lines in the recorder's text form. strFrom is the name given to
// the sender with NameWindow (none: no from= part). WM_COMMAND codes are
// named after the sender's window class, since they overlap between kinds.
std::string CommandLine(HWND hwndCtl, UINT nCode, UINT nId, const std::string& strFrom = std::string());
std::string NotifyLine(UINT nCode, UINT nId, const std::string& strFrom = std::string());
// The cell fields are part of the line for the grid's own reports (source
// 0, and source 3 code 4); the text for codes 1 and 5 when not NULL.
std::string VorNotifyLine(const std::string& strFrom, int nSource, int nCode, const char* pszText = NULL,
                          int nItem = -1, int nSubItem = -1);

// ---------------------------------------------------------------------------
// The fixture

class VorHostTest : public VOR_TEST_HOST_BASE {
protected:
    void SetUp() override;
    void TearDown() override;

    // A child of the host; WS_CHILD is added. NULL when creation failed.
    HWND CreateChild(LPCTSTR lpszClass, DWORD dwStyle, const RECT& rc, UINT nId, LPCTSTR lpszText = "",
                     DWORD dwExStyle = 0);

    // A framework control object's window as a child of the host, through
    // its own Create (WS_CHILD and WS_VISIBLE are added): the form
    // Create(dwStyle, rect, pParent, nID) of the list, combo, list box, edit
    // and rich edit controls, and Create(lpszText, dwStyle, ...) of the
    // button and static.
    template <class T>
    BOOL CreateOnHost(T& ctrl, DWORD dwStyle, const RECT& rc, UINT nId)
    {
        return ctrl.Create(dwStyle | WS_CHILD | WS_VISIBLE, rc, m_pHost, nId);
    }
    template <class T>
    BOOL CreateOnHost(T& ctrl, LPCTSTR lpszText, DWORD dwStyle, const RECT& rc, UINT nId)
    {
        return ctrl.Create(lpszText, dwStyle | WS_CHILD | WS_VISIBLE, rc, m_pHost, nId);
    }

    // A point of the host's client area in screen coordinates, for the
    // input helpers.
    POINT HostToScreen(int x, int y) const
    {
        const RECT rc = HostRect();
        return POINT{rc.left + x, rc.top + y};
    }

    CVorTestHostWnd& Host() { return *m_pHost; }
    HWND HostHwnd() const { return m_pHost ? m_pHost->GetSafeHwnd() : NULL; }

    // The host's client area on the screen.
    static RECT HostRect() { return RECT{40, 40, 680, 520}; }

private:
    CVorTestHostWnd* m_pHost = nullptr;
};

}  // namespace vor::test

// EXPECT_SEQUENCE(expected, actual): both are std::vector<std::string>; an
// expected list written in braces with more than one line goes in
// parentheses, since the macro would split it at its commas.
#ifndef EXPECT_SEQUENCE
#define EXPECT_SEQUENCE(expected, actual) EXPECT_TRUE(::vor::test::SequenceMatches(expected, actual))
#endif
#ifndef ASSERT_SEQUENCE
#define ASSERT_SEQUENCE(expected, actual) ASSERT_TRUE(::vor::test::SequenceMatches(expected, actual))
#endif
