// The private notification of the grid and its in-place editors.
//
// WM_VOR_NOTIFY is sent (never posted) with wParam 0 and lParam the address
// of an INPLACE_NOTIFY record that lives in the sender for the duration of
// the call; the reply is the message result. Senders send to their owner
// (CWnd::GetOwner: the SetOwner window, else the parent). A text change
// (code 1) is a question: 0 accepts it, anything else refuses it.
//
//   nSource: 0 grid, 1 rich edit editor, 2 combo box editor, 3 button
//   nCode:   1 text change asked for, 2 click, 3 right click,
//            4 double click (from an editor) or button cell pressed (from
//            the grid), 5 text changed (stored)
//   pszText: codes 1 and 5 only; valid during the call only
//   nItem, nSubItem: grid reports only: row and logical column
#pragma once

#include <afxwin.h>

#define WM_VOR_NOTIFY (WM_USER + 10)

typedef struct tagINPLACE_NOTIFY {
    HWND hWnd;
    int nSource;
    int nCode;
    LPCTSTR pszText;
    int nItem;
    int nSubItem;
} INPLACE_NOTIFY;

// The values of nSource and nCode.
enum {
    INPLACE_SOURCE_GRID = 0,
    INPLACE_SOURCE_EDIT = 1,
    INPLACE_SOURCE_COMBO = 2,
    INPLACE_SOURCE_BUTTON = 3
};
enum {
    INPLACE_CODE_TEXTCHANGE = 1,
    INPLACE_CODE_CLICK = 2,
    INPLACE_CODE_RCLICK = 3,
    INPLACE_CODE_DCLICK = 4,
    INPLACE_CODE_TEXTCHANGED = 5
};

// Sends one report from an editor's window to its owner (the SetOwner window,
// else the parent) and answers the reply. A sender without a window answers
// 1 (nothing was there to accept); one without a live owner answers 0, as a
// receiver that does not handle the message would.
inline LRESULT VorSendInPlaceNotify(CWnd* pSender, int nSource, int nCode, const char* pszText)
{
    HWND hSender = pSender ? pSender->GetSafeHwnd() : NULL;
    if (hSender == NULL || !::IsWindow(hSender))
        return 1;
    INPLACE_NOTIFY notify;
    memset(&notify, 0, sizeof(notify));
    notify.hWnd = hSender;
    notify.nSource = nSource;
    notify.nCode = nCode;
    notify.pszText = pszText;
    CWnd* pOwner = pSender->GetOwner();
    HWND hOwner = pOwner ? pOwner->GetSafeHwnd() : NULL;
    if (hOwner == NULL || !::IsWindow(hOwner))
        return 0;
    return ::SendMessage(hOwner, WM_VOR_NOTIFY, 0, (LPARAM)&notify);
}

// The text-change question of an editor E: asked through E::SendNotify, and
// on a 0 reply the text becomes E's last accepted one. An editor without a
// window answers 1 without asking.
template <class E>
int VorOfferInPlaceText(E& editor, const char* pszText)
{
    if (!editor.IsWindow())
        return 1;
    int nReply = (int)editor.SendNotify(INPLACE_CODE_TEXTCHANGE, pszText ? pszText : "");
    if (nReply == 0)
        editor.PushLastText();
    return nReply;
}
