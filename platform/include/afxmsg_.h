// Message-map entry macros and the thunks behind them. Included by afxwin.h.
//
// An entry macro such as ON_WM_LBUTTONDOWN() expands to an AFX_MSGMAP_ENTRY
// whose pfn is AfxMsgSig_vwp::Thunk<C, &ThisClass::OnLButtonDown>: the
// template parameter has the type "void (C::*)(UINT, CPoint)", C being the
// class that declares the handler, so a handler of another signature is a
// compile error. The thunk cracks wParam and lParam and calls the handler.
#pragma once

template <class C>
struct AfxMsgOwner {
    typedef C type;
};
// The class that declares a member function of signature Sig; deduction
// picks the overload with that signature and fails for every other.
template <class Sig, class C>
AfxMsgOwner<C> AfxPmfOwner(Sig C::*);

#define AFX_MSG_THUNK(sigStruct, memberFxn)                                                              \
    (&sigStruct::template Thunk<                                                                         \
        decltype(::AfxPmfOwner<sigStruct::Fn>(&_afxMsgMapSelf::ThisClass::memberFxn))::type,            \
        &_afxMsgMapSelf::ThisClass::memberFxn>)

// Crackers shared by the thunks.
namespace vor_afx {
inline CPoint PointOf(LPARAM lParam) { return CPoint(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)); }
inline CScrollBar* ScrollBarOf(LPARAM lParam)
{
    // FromHandle answers a CScrollBar for a scroll bar control nobody owns.
    return reinterpret_cast<CScrollBar*>(CWnd::FromHandle((HWND)lParam));
}
}  // namespace vor_afx

#define AFX_MSG_SIG(name, signature, call)                      \
    struct name {                                               \
        typedef signature;                                      \
        template <class C, Fn C::*F>                            \
        static BOOL Thunk(CCmdTarget* pTarget, AFX_MSGCALL& c)  \
        {                                                       \
            C* p = static_cast<C*>(pTarget);                    \
            (void)p;                                            \
            call;                                               \
            return TRUE;                                        \
        }                                                       \
    }

// ---- window messages (the thunk sets the message's result) ----
AFX_MSG_SIG(AfxMsgSig_vv, void Fn(), ((p->*F)(), c.lResult = 0));
AFX_MSG_SIG(AfxMsgSig_is, int Fn(LPCREATESTRUCT), c.lResult = (p->*F)((LPCREATESTRUCT)c.lParam));
AFX_MSG_SIG(AfxMsgSig_bs, BOOL Fn(LPCREATESTRUCT), c.lResult = (p->*F)((LPCREATESTRUCT)c.lParam));
AFX_MSG_SIG(AfxMsgSig_bD, BOOL Fn(CDC*), c.lResult = (p->*F)(CDC::FromHandle((HDC)c.wParam)));
AFX_MSG_SIG(AfxMsgSig_vwii, void Fn(UINT, int, int),
            ((p->*F)((UINT)c.wParam, (int)LOWORD(c.lParam), (int)HIWORD(c.lParam)), c.lResult = 0));
AFX_MSG_SIG(AfxMsgSig_vii, void Fn(int, int),
            ((p->*F)((int)(short)LOWORD(c.lParam), (int)(short)HIWORD(c.lParam)), c.lResult = 0));
AFX_MSG_SIG(AfxMsgSig_vw, void Fn(UINT), ((p->*F)((UINT)c.wParam), c.lResult = 0));
AFX_MSG_SIG(AfxMsgSig_vb, void Fn(BOOL), ((p->*F)((BOOL)c.wParam), c.lResult = 0));
AFX_MSG_SIG(AfxMsgSig_vbw, void Fn(BOOL, UINT), ((p->*F)((BOOL)c.wParam, (UINT)c.lParam), c.lResult = 0));
AFX_MSG_SIG(AfxMsgSig_vWw, void Fn(CWnd*), ((p->*F)(CWnd::FromHandle((HWND)c.wParam)), c.lResult = 0));
AFX_MSG_SIG(AfxMsgSig_vWl, void Fn(CWnd*), ((p->*F)(CWnd::FromHandle((HWND)c.lParam)), c.lResult = 0));
AFX_MSG_SIG(AfxMsgSig_vwp, void Fn(UINT, CPoint),
            ((p->*F)((UINT)c.wParam, vor_afx::PointOf(c.lParam)), c.lResult = 0));
AFX_MSG_SIG(AfxMsgSig_bwsp, BOOL Fn(UINT, short, CPoint),
            c.lResult = (p->*F)((UINT)LOWORD(c.wParam), (short)HIWORD(c.wParam), vor_afx::PointOf(c.lParam)));
AFX_MSG_SIG(AfxMsgSig_bWww, BOOL Fn(CWnd*, UINT, UINT),
            c.lResult = (p->*F)(CWnd::FromHandle((HWND)c.wParam), (UINT)LOWORD(c.lParam), (UINT)HIWORD(c.lParam)));
AFX_MSG_SIG(AfxMsgSig_iWww, int Fn(CWnd*, UINT, UINT),
            c.lResult = (p->*F)(CWnd::FromHandle((HWND)c.wParam), (UINT)LOWORD(c.lParam), (UINT)HIWORD(c.lParam)));
AFX_MSG_SIG(AfxMsgSig_vwww, void Fn(UINT, UINT, UINT),
            ((p->*F)((UINT)c.wParam, (UINT)LOWORD(c.lParam), (UINT)HIWORD(c.lParam)), c.lResult = 0));
AFX_MSG_SIG(AfxMsgSig_vwwx, void Fn(UINT, UINT, CScrollBar*),
            ((p->*F)((UINT)LOWORD(c.wParam), (UINT)HIWORD(c.wParam), vor_afx::ScrollBarOf(c.lParam)),
             c.lResult = 0));
AFX_MSG_SIG(AfxMsgSig_wv, UINT Fn(), c.lResult = (LRESULT)(p->*F)());
AFX_MSG_SIG(AfxMsgSig_wp, UINT Fn(CPoint), c.lResult = (LRESULT)(p->*F)(vor_afx::PointOf(c.lParam)));
AFX_MSG_SIG(AfxMsgSig_hDWw, HBRUSH Fn(CDC*, CWnd*, UINT),
            c.lResult = (LRESULT)(p->*F)(CDC::FromHandle(((AFX_CTLCOLOR*)c.lParam)->hDC),
                                         CWnd::FromHandle(((AFX_CTLCOLOR*)c.lParam)->hWnd),
                                         ((AFX_CTLCOLOR*)c.lParam)->nCtlType));
AFX_MSG_SIG(AfxMsgSig_hDw, HBRUSH Fn(CDC*, UINT),
            c.lResult = (LRESULT)(p->*F)(CDC::FromHandle(((AFX_CTLCOLOR*)c.lParam)->hDC),
                                         ((AFX_CTLCOLOR*)c.lParam)->nCtlType));
AFX_MSG_SIG(AfxMsgSig_vwl, void Fn(UINT, LPARAM), ((p->*F)((UINT)c.wParam, c.lParam), c.lResult = 0));
AFX_MSG_SIG(AfxMsgSig_vww, void Fn(UINT, UINT),
            ((p->*F)((UINT)LOWORD(c.wParam), (UINT)HIWORD(c.wParam)), c.lResult = 0));
AFX_MSG_SIG(AfxMsgSig_vwWb, void Fn(UINT, CWnd*, BOOL),
            ((p->*F)((UINT)LOWORD(c.wParam), CWnd::FromHandle((HWND)c.lParam), (BOOL)HIWORD(c.wParam)),
             c.lResult = 0));
AFX_MSG_SIG(AfxMsgSig_vWp, void Fn(CWnd*, CPoint),
            ((p->*F)(CWnd::FromHandle((HWND)c.wParam), vor_afx::PointOf(c.lParam)), c.lResult = 0));
AFX_MSG_SIG(AfxMsgSig_vbNCC, void Fn(BOOL, NCCALCSIZE_PARAMS*),
            ((p->*F)((BOOL)c.wParam, (NCCALCSIZE_PARAMS*)c.lParam), c.lResult = 0));
AFX_MSG_SIG(AfxMsgSig_lwl, LRESULT Fn(WPARAM, LPARAM), c.lResult = (p->*F)(c.wParam, c.lParam));

// Owner-draw records and other pointers in lParam.
template <class T>
AFX_MSG_SIG(AfxMsgSig_vT, void Fn(T), ((p->*F)((T)c.lParam), c.lResult = 0));
template <class T>
AFX_MSG_SIG(AfxMsgSig_iT, int Fn(T), c.lResult = (p->*F)((T)c.lParam));
template <class T>
AFX_MSG_SIG(AfxMsgSig_viT, void Fn(int, T), ((p->*F)((int)c.wParam, (T)c.lParam), c.lResult = 0));
template <class T>
AFX_MSG_SIG(AfxMsgSig_iiT, int Fn(int, T), c.lResult = (p->*F)((int)c.wParam, (T)c.lParam));

// ---- commands and notifications (the thunk's answer: handled) ----
#define AFX_CMD_SIG(name, signature, body)                      \
    struct name {                                               \
        typedef signature;                                      \
        template <class C, Fn C::*F>                            \
        static BOOL Thunk(CCmdTarget* pTarget, AFX_MSGCALL& c)  \
        {                                                       \
            C* p = static_cast<C*>(pTarget);                    \
            body                                                \
        }                                                       \
    }

AFX_CMD_SIG(AfxCmdSig_vv, void Fn(), (p->*F)(); return TRUE;);
AFX_CMD_SIG(AfxCmdSig_bv, BOOL Fn(), return (p->*F)(););
AFX_CMD_SIG(AfxCmdSig_vw, void Fn(UINT), (p->*F)(c.nID); return TRUE;);
AFX_CMD_SIG(AfxCmdSig_bw, BOOL Fn(UINT), return (p->*F)(c.nID););
AFX_CMD_SIG(AfxCmdSig_vNMHDRpl, void Fn(NMHDR*, LRESULT*),
            if (c.pNotify == NULL) return FALSE; (p->*F)(c.pNotify->pNMHDR, c.pNotify->pResult); return TRUE;);
AFX_CMD_SIG(AfxCmdSig_bNMHDRpl, BOOL Fn(NMHDR*, LRESULT*),
            if (c.pNotify == NULL) return FALSE; return (p->*F)(c.pNotify->pNMHDR, c.pNotify->pResult););
AFX_CMD_SIG(AfxCmdSig_vwNMHDRpl, void Fn(UINT, NMHDR*, LRESULT*),
            if (c.pNotify == NULL) return FALSE; (p->*F)(c.nID, c.pNotify->pNMHDR, c.pNotify->pResult);
            return TRUE;);
AFX_CMD_SIG(AfxCmdSig_bwNMHDRpl, BOOL Fn(UINT, NMHDR*, LRESULT*),
            if (c.pNotify == NULL) return FALSE; return (p->*F)(c.nID, c.pNotify->pNMHDR, c.pNotify->pResult););

// void memberFxn(CCmdUI*): the handler may ask to go on routing.
struct AfxCmdSig_vCmdUI {
    typedef void Fn(CCmdUI*);
    template <class C, Fn C::*F>
    static BOOL Thunk(CCmdTarget* pTarget, AFX_MSGCALL& c)
    {
        CCmdUI* pCmdUI = static_cast<CCmdUI*>(c.pExtra);
        if (pCmdUI == NULL)
            return FALSE;
        pCmdUI->m_bContinueRouting = FALSE;
        (static_cast<C*>(pTarget)->*F)(pCmdUI);
        return !pCmdUI->m_bContinueRouting;
    }
};

// ---------------------------------------------------------------------------
// Entry macros

#define AFX_MSG_ENTRY(msg, sigStruct, memberFxn) \
    {(UINT)(msg), 0, 0, 0, AfxSig_msg, AFX_MSG_THUNK(sigStruct, memberFxn), NULL},

#define ON_WM_CREATE() AFX_MSG_ENTRY(WM_CREATE, AfxMsgSig_is, OnCreate)
#define ON_WM_NCCREATE() AFX_MSG_ENTRY(WM_NCCREATE, AfxMsgSig_bs, OnNcCreate)
#define ON_WM_DESTROY() AFX_MSG_ENTRY(WM_DESTROY, AfxMsgSig_vv, OnDestroy)
#define ON_WM_NCDESTROY() AFX_MSG_ENTRY(WM_NCDESTROY, AfxMsgSig_vv, OnNcDestroy)
#define ON_WM_PAINT() AFX_MSG_ENTRY(WM_PAINT, AfxMsgSig_vv, OnPaint)
#define ON_WM_NCPAINT() AFX_MSG_ENTRY(WM_NCPAINT, AfxMsgSig_vv, OnNcPaint)
#define ON_WM_ERASEBKGND() AFX_MSG_ENTRY(WM_ERASEBKGND, AfxMsgSig_bD, OnEraseBkgnd)
#define ON_WM_SIZE() AFX_MSG_ENTRY(WM_SIZE, AfxMsgSig_vwii, OnSize)
#define ON_WM_MOVE() AFX_MSG_ENTRY(WM_MOVE, AfxMsgSig_vii, OnMove)
#define ON_WM_TIMER() AFX_MSG_ENTRY(WM_TIMER, AfxMsgSig_vw, OnTimer)
#define ON_WM_SETFOCUS() AFX_MSG_ENTRY(WM_SETFOCUS, AfxMsgSig_vWw, OnSetFocus)
#define ON_WM_KILLFOCUS() AFX_MSG_ENTRY(WM_KILLFOCUS, AfxMsgSig_vWw, OnKillFocus)
#define ON_WM_LBUTTONDOWN() AFX_MSG_ENTRY(WM_LBUTTONDOWN, AfxMsgSig_vwp, OnLButtonDown)
#define ON_WM_LBUTTONUP() AFX_MSG_ENTRY(WM_LBUTTONUP, AfxMsgSig_vwp, OnLButtonUp)
#define ON_WM_LBUTTONDBLCLK() AFX_MSG_ENTRY(WM_LBUTTONDBLCLK, AfxMsgSig_vwp, OnLButtonDblClk)
#define ON_WM_RBUTTONDOWN() AFX_MSG_ENTRY(WM_RBUTTONDOWN, AfxMsgSig_vwp, OnRButtonDown)
#define ON_WM_RBUTTONUP() AFX_MSG_ENTRY(WM_RBUTTONUP, AfxMsgSig_vwp, OnRButtonUp)
#define ON_WM_RBUTTONDBLCLK() AFX_MSG_ENTRY(WM_RBUTTONDBLCLK, AfxMsgSig_vwp, OnRButtonDblClk)
#define ON_WM_MBUTTONDOWN() AFX_MSG_ENTRY(WM_MBUTTONDOWN, AfxMsgSig_vwp, OnMButtonDown)
#define ON_WM_MBUTTONUP() AFX_MSG_ENTRY(WM_MBUTTONUP, AfxMsgSig_vwp, OnMButtonUp)
#define ON_WM_MBUTTONDBLCLK() AFX_MSG_ENTRY(WM_MBUTTONDBLCLK, AfxMsgSig_vwp, OnMButtonDblClk)
#define ON_WM_MOUSEMOVE() AFX_MSG_ENTRY(WM_MOUSEMOVE, AfxMsgSig_vwp, OnMouseMove)
#define ON_WM_MOUSEWHEEL() AFX_MSG_ENTRY(WM_MOUSEWHEEL, AfxMsgSig_bwsp, OnMouseWheel)
#define ON_WM_SETCURSOR() AFX_MSG_ENTRY(WM_SETCURSOR, AfxMsgSig_bWww, OnSetCursor)
#define ON_WM_MOUSEACTIVATE() AFX_MSG_ENTRY(WM_MOUSEACTIVATE, AfxMsgSig_iWww, OnMouseActivate)
#define ON_WM_KEYDOWN() AFX_MSG_ENTRY(WM_KEYDOWN, AfxMsgSig_vwww, OnKeyDown)
#define ON_WM_KEYUP() AFX_MSG_ENTRY(WM_KEYUP, AfxMsgSig_vwww, OnKeyUp)
#define ON_WM_CHAR() AFX_MSG_ENTRY(WM_CHAR, AfxMsgSig_vwww, OnChar)
#define ON_WM_SYSKEYDOWN() AFX_MSG_ENTRY(WM_SYSKEYDOWN, AfxMsgSig_vwww, OnSysKeyDown)
#define ON_WM_SYSKEYUP() AFX_MSG_ENTRY(WM_SYSKEYUP, AfxMsgSig_vwww, OnSysKeyUp)
#define ON_WM_SYSCHAR() AFX_MSG_ENTRY(WM_SYSCHAR, AfxMsgSig_vwww, OnSysChar)
#define ON_WM_VSCROLL() AFX_MSG_ENTRY(WM_VSCROLL, AfxMsgSig_vwwx, OnVScroll)
#define ON_WM_HSCROLL() AFX_MSG_ENTRY(WM_HSCROLL, AfxMsgSig_vwwx, OnHScroll)
#define ON_WM_CAPTURECHANGED() AFX_MSG_ENTRY(WM_CAPTURECHANGED, AfxMsgSig_vWl, OnCaptureChanged)
#define ON_WM_CANCELMODE() AFX_MSG_ENTRY(WM_CANCELMODE, AfxMsgSig_vv, OnCancelMode)
#define ON_WM_ENABLE() AFX_MSG_ENTRY(WM_ENABLE, AfxMsgSig_vb, OnEnable)
#define ON_WM_SHOWWINDOW() AFX_MSG_ENTRY(WM_SHOWWINDOW, AfxMsgSig_vbw, OnShowWindow)
#define ON_WM_GETDLGCODE() AFX_MSG_ENTRY(WM_GETDLGCODE, AfxMsgSig_wv, OnGetDlgCode)
#define ON_WM_CTLCOLOR() AFX_MSG_ENTRY(WM_CTLCOLOR, AfxMsgSig_hDWw, OnCtlColor)
#define ON_WM_DRAWITEM() AFX_MSG_ENTRY(WM_DRAWITEM, AfxMsgSig_viT<LPDRAWITEMSTRUCT>, OnDrawItem)
#define ON_WM_MEASUREITEM() AFX_MSG_ENTRY(WM_MEASUREITEM, AfxMsgSig_viT<LPMEASUREITEMSTRUCT>, OnMeasureItem)
#define ON_WM_COMPAREITEM() AFX_MSG_ENTRY(WM_COMPAREITEM, AfxMsgSig_iiT<LPCOMPAREITEMSTRUCT>, OnCompareItem)
#define ON_WM_DELETEITEM() AFX_MSG_ENTRY(WM_DELETEITEM, AfxMsgSig_viT<LPDELETEITEMSTRUCT>, OnDeleteItem)
#define ON_WM_PARENTNOTIFY() AFX_MSG_ENTRY(WM_PARENTNOTIFY, AfxMsgSig_vwl, OnParentNotify)
#define ON_WM_SYSCOLORCHANGE() AFX_MSG_ENTRY(WM_SYSCOLORCHANGE, AfxMsgSig_vv, OnSysColorChange)
#define ON_WM_NCHITTEST() AFX_MSG_ENTRY(WM_NCHITTEST, AfxMsgSig_wp, OnNcHitTest)
#define ON_WM_CLOSE() AFX_MSG_ENTRY(WM_CLOSE, AfxMsgSig_vv, OnClose)
#define ON_WM_ACTIVATE() AFX_MSG_ENTRY(WM_ACTIVATE, AfxMsgSig_vwWb, OnActivate)
#define ON_WM_WINDOWPOSCHANGING() AFX_MSG_ENTRY(WM_WINDOWPOSCHANGING, AfxMsgSig_vT<WINDOWPOS*>, OnWindowPosChanging)
#define ON_WM_WINDOWPOSCHANGED() AFX_MSG_ENTRY(WM_WINDOWPOSCHANGED, AfxMsgSig_vT<WINDOWPOS*>, OnWindowPosChanged)
#define ON_WM_GETMINMAXINFO() AFX_MSG_ENTRY(WM_GETMINMAXINFO, AfxMsgSig_vT<MINMAXINFO*>, OnGetMinMaxInfo)
#define ON_WM_CONTEXTMENU() AFX_MSG_ENTRY(WM_CONTEXTMENU, AfxMsgSig_vWp, OnContextMenu)
#define ON_WM_NCCALCSIZE() AFX_MSG_ENTRY(WM_NCCALCSIZE, AfxMsgSig_vbNCC, OnNcCalcSize)
#define ON_WM_NCLBUTTONDOWN() AFX_MSG_ENTRY(WM_NCLBUTTONDOWN, AfxMsgSig_vwp, OnNcLButtonDown)
#define ON_WM_NCMOUSEMOVE() AFX_MSG_ENTRY(WM_NCMOUSEMOVE, AfxMsgSig_vwp, OnNcMouseMove)

// A message of one's own: LRESULT memberFxn(WPARAM, LPARAM).
#define ON_MESSAGE(message, memberFxn) AFX_MSG_ENTRY(message, AfxMsgSig_lwl, memberFxn)
// A message whose number RegisterWindowMessage gave at run time.
#define ON_REGISTERED_MESSAGE(nMessageVariable, memberFxn) \
    {0xC000, 0, 0, 0, AfxSig_regmsg, AFX_MSG_THUNK(AfxMsgSig_lwl, memberFxn), &(nMessageVariable)},

// ---- reflected window messages, handled by the child itself ----
#define ON_WM_CTLCOLOR_REFLECT() AFX_MSG_ENTRY(WM_REFLECT_BASE + WM_CTLCOLOR, AfxMsgSig_hDw, CtlColor)
#define ON_WM_DRAWITEM_REFLECT() AFX_MSG_ENTRY(WM_REFLECT_BASE + WM_DRAWITEM, AfxMsgSig_vT<LPDRAWITEMSTRUCT>, DrawItem)
#define ON_WM_MEASUREITEM_REFLECT() \
    AFX_MSG_ENTRY(WM_REFLECT_BASE + WM_MEASUREITEM, AfxMsgSig_vT<LPMEASUREITEMSTRUCT>, MeasureItem)
#define ON_WM_COMPAREITEM_REFLECT() \
    AFX_MSG_ENTRY(WM_REFLECT_BASE + WM_COMPAREITEM, AfxMsgSig_iT<LPCOMPAREITEMSTRUCT>, CompareItem)
#define ON_WM_DELETEITEM_REFLECT() \
    AFX_MSG_ENTRY(WM_REFLECT_BASE + WM_DELETEITEM, AfxMsgSig_vT<LPDELETEITEMSTRUCT>, DeleteItem)
#define ON_WM_HSCROLL_REFLECT() AFX_MSG_ENTRY(WM_REFLECT_BASE + WM_HSCROLL, AfxMsgSig_vww, HScroll)
#define ON_WM_VSCROLL_REFLECT() AFX_MSG_ENTRY(WM_REFLECT_BASE + WM_VSCROLL, AfxMsgSig_vww, VScroll)
#define ON_WM_PARENTNOTIFY_REFLECT() AFX_MSG_ENTRY(WM_REFLECT_BASE + WM_PARENTNOTIFY, AfxMsgSig_vwl, ParentNotify)

// ---- commands ----
#define AFX_CMD_ENTRY(msg, code, id, idLast, kind, sigStruct, memberFxn)                             \
    {(UINT)(msg), (UINT)(WORD)(code), (UINT)(WORD)(id), (UINT)(WORD)(idLast), kind,                  \
     AFX_MSG_THUNK(sigStruct, memberFxn), NULL},

#define ON_COMMAND(id, memberFxn) AFX_CMD_ENTRY(WM_COMMAND, CN_COMMAND, id, id, AfxSig_cmd, AfxCmdSig_vv, memberFxn)
#define ON_COMMAND_EX(id, memberFxn) \
    AFX_CMD_ENTRY(WM_COMMAND, CN_COMMAND, id, id, AfxSig_cmdEx, AfxCmdSig_bw, memberFxn)
#define ON_COMMAND_RANGE(id, idLast, memberFxn) \
    AFX_CMD_ENTRY(WM_COMMAND, CN_COMMAND, id, idLast, AfxSig_cmd, AfxCmdSig_vw, memberFxn)
#define ON_COMMAND_EX_RANGE(id, idLast, memberFxn) \
    AFX_CMD_ENTRY(WM_COMMAND, CN_COMMAND, id, idLast, AfxSig_cmdEx, AfxCmdSig_bw, memberFxn)

#define ON_UPDATE_COMMAND_UI(id, memberFxn) \
    AFX_CMD_ENTRY(WM_COMMAND, CN_UPDATE_COMMAND_UI, id, id, AfxSig_cmdEx, AfxCmdSig_vCmdUI, memberFxn)
#define ON_UPDATE_COMMAND_UI_RANGE(id, idLast, memberFxn) \
    AFX_CMD_ENTRY(WM_COMMAND, CN_UPDATE_COMMAND_UI, id, idLast, AfxSig_cmdEx, AfxCmdSig_vCmdUI, memberFxn)

// A control notification sent as WM_COMMAND: void memberFxn().
#define ON_CONTROL(wNotifyCode, id, memberFxn) \
    AFX_CMD_ENTRY(WM_COMMAND, wNotifyCode, id, id, AfxSig_cmd, AfxCmdSig_vv, memberFxn)
#define ON_CONTROL_RANGE(wNotifyCode, id, idLast, memberFxn) \
    AFX_CMD_ENTRY(WM_COMMAND, wNotifyCode, id, idLast, AfxSig_cmd, AfxCmdSig_vw, memberFxn)

#define ON_BN_CLICKED(id, memberFxn) ON_CONTROL(BN_CLICKED, id, memberFxn)
#define ON_BN_DOUBLECLICKED(id, memberFxn) ON_CONTROL(BN_DOUBLECLICKED, id, memberFxn)
#define ON_BN_SETFOCUS(id, memberFxn) ON_CONTROL(BN_SETFOCUS, id, memberFxn)
#define ON_BN_KILLFOCUS(id, memberFxn) ON_CONTROL(BN_KILLFOCUS, id, memberFxn)
#define ON_CBN_SELCHANGE(id, memberFxn) ON_CONTROL(CBN_SELCHANGE, id, memberFxn)
#define ON_CBN_DBLCLK(id, memberFxn) ON_CONTROL(CBN_DBLCLK, id, memberFxn)
#define ON_CBN_SETFOCUS(id, memberFxn) ON_CONTROL(CBN_SETFOCUS, id, memberFxn)
#define ON_CBN_KILLFOCUS(id, memberFxn) ON_CONTROL(CBN_KILLFOCUS, id, memberFxn)
#define ON_CBN_EDITCHANGE(id, memberFxn) ON_CONTROL(CBN_EDITCHANGE, id, memberFxn)
#define ON_CBN_EDITUPDATE(id, memberFxn) ON_CONTROL(CBN_EDITUPDATE, id, memberFxn)
#define ON_CBN_DROPDOWN(id, memberFxn) ON_CONTROL(CBN_DROPDOWN, id, memberFxn)
#define ON_CBN_CLOSEUP(id, memberFxn) ON_CONTROL(CBN_CLOSEUP, id, memberFxn)
#define ON_CBN_SELENDOK(id, memberFxn) ON_CONTROL(CBN_SELENDOK, id, memberFxn)
#define ON_CBN_SELENDCANCEL(id, memberFxn) ON_CONTROL(CBN_SELENDCANCEL, id, memberFxn)
#define ON_LBN_SELCHANGE(id, memberFxn) ON_CONTROL(LBN_SELCHANGE, id, memberFxn)
#define ON_LBN_DBLCLK(id, memberFxn) ON_CONTROL(LBN_DBLCLK, id, memberFxn)
#define ON_LBN_SELCANCEL(id, memberFxn) ON_CONTROL(LBN_SELCANCEL, id, memberFxn)
#define ON_LBN_SETFOCUS(id, memberFxn) ON_CONTROL(LBN_SETFOCUS, id, memberFxn)
#define ON_LBN_KILLFOCUS(id, memberFxn) ON_CONTROL(LBN_KILLFOCUS, id, memberFxn)
#define ON_EN_CHANGE(id, memberFxn) ON_CONTROL(EN_CHANGE, id, memberFxn)
#define ON_EN_UPDATE(id, memberFxn) ON_CONTROL(EN_UPDATE, id, memberFxn)
#define ON_EN_SETFOCUS(id, memberFxn) ON_CONTROL(EN_SETFOCUS, id, memberFxn)
#define ON_EN_KILLFOCUS(id, memberFxn) ON_CONTROL(EN_KILLFOCUS, id, memberFxn)
#define ON_EN_MAXTEXT(id, memberFxn) ON_CONTROL(EN_MAXTEXT, id, memberFxn)
#define ON_EN_HSCROLL(id, memberFxn) ON_CONTROL(EN_HSCROLL, id, memberFxn)
#define ON_EN_VSCROLL(id, memberFxn) ON_CONTROL(EN_VSCROLL, id, memberFxn)
#define ON_STN_CLICKED(id, memberFxn) ON_CONTROL(STN_CLICKED, id, memberFxn)

// ---- WM_NOTIFY notifications: void memberFxn(NMHDR*, LRESULT*) ----
#define ON_NOTIFY(wNotifyCode, id, memberFxn) \
    AFX_CMD_ENTRY(WM_NOTIFY, wNotifyCode, id, id, AfxSig_cmd, AfxCmdSig_vNMHDRpl, memberFxn)
// void memberFxn(UINT id, NMHDR*, LRESULT*)
#define ON_NOTIFY_RANGE(wNotifyCode, id, idLast, memberFxn) \
    AFX_CMD_ENTRY(WM_NOTIFY, wNotifyCode, id, idLast, AfxSig_cmd, AfxCmdSig_vwNMHDRpl, memberFxn)
// BOOL memberFxn(UINT id, NMHDR*, LRESULT*): FALSE routes it on.
#define ON_NOTIFY_EX(wNotifyCode, id, memberFxn) \
    AFX_CMD_ENTRY(WM_NOTIFY, wNotifyCode, id, id, AfxSig_cmdEx, AfxCmdSig_bwNMHDRpl, memberFxn)
#define ON_NOTIFY_EX_RANGE(wNotifyCode, id, idLast, memberFxn) \
    AFX_CMD_ENTRY(WM_NOTIFY, wNotifyCode, id, idLast, AfxSig_cmdEx, AfxCmdSig_bwNMHDRpl, memberFxn)

// ---- reflected notifications, handled by the control that sent them ----
// void memberFxn(); consumes the notification.
#define ON_CONTROL_REFLECT(wNotifyCode, memberFxn) \
    AFX_CMD_ENTRY(WM_REFLECT_BASE + WM_COMMAND, wNotifyCode, 0, 0, AfxSig_cmd, AfxCmdSig_vv, memberFxn)
// BOOL memberFxn(): FALSE lets the parent handle it as well.
#define ON_CONTROL_REFLECT_EX(wNotifyCode, memberFxn) \
    AFX_CMD_ENTRY(WM_REFLECT_BASE + WM_COMMAND, wNotifyCode, 0, 0, AfxSig_cmdEx, AfxCmdSig_bv, memberFxn)
// void memberFxn(NMHDR*, LRESULT*); consumes the notification.
#define ON_NOTIFY_REFLECT(wNotifyCode, memberFxn) \
    AFX_CMD_ENTRY(WM_REFLECT_BASE + WM_NOTIFY, wNotifyCode, 0, 0, AfxSig_cmd, AfxCmdSig_vNMHDRpl, memberFxn)
// BOOL memberFxn(NMHDR*, LRESULT*): FALSE lets the parent see it as well.
#define ON_NOTIFY_REFLECT_EX(wNotifyCode, memberFxn) \
    AFX_CMD_ENTRY(WM_REFLECT_BASE + WM_NOTIFY, wNotifyCode, 0, 0, AfxSig_cmdEx, AfxCmdSig_bNMHDRpl, memberFxn)
