// CCmdTarget: the root of message maps and the routing of commands and
// notifications through them.
#include "afxwin.h"

#include <cstddef>
#include <cstdint>

IMPLEMENT_DYNAMIC(CCmdTarget, CObject)

// The root map: no entries, no base.
const AFX_MSGMAP* PASCAL CCmdTarget::_GetBaseMessageMap() { return NULL; }
const AFX_MSGMAP* CCmdTarget::GetMessageMap() const { return &CCmdTarget::messageMap; }
const AFX_MSGMAP CCmdTarget::messageMap = {&CCmdTarget::_GetBaseMessageMap, &CCmdTarget::_messageEntries[0]};
const AFX_MSGMAP_ENTRY CCmdTarget::_messageEntries[] = {
    {0, 0, 0, 0, AfxSig_end, (AFX_PMSGTHUNK)NULL, NULL}
};

CCmdTarget::CCmdTarget() {}

CCmdTarget::~CCmdTarget() {}

const AFX_MSGMAP_ENTRY* AFXAPI AfxFindMessageEntry(const AFX_MSGMAP_ENTRY* lpEntry, UINT nMsg, UINT nCode, UINT nID)
{
    if (lpEntry == NULL)
        return NULL;
    for (; lpEntry->nSig != AfxSig_end; ++lpEntry) {
        UINT nEntryMsg = lpEntry->nMessage;
        if (lpEntry->nSig == AfxSig_regmsg) {
            // Registered messages: the number is known only at run time, and
            // 0 (not yet registered) matches nothing.
            if (lpEntry->pnRegMsg == NULL || *lpEntry->pnRegMsg == 0)
                continue;
            nEntryMsg = *lpEntry->pnRegMsg;
        }
        if (nEntryMsg == nMsg && lpEntry->nCode == nCode && nID >= lpEntry->nID && nID <= lpEntry->nLastID)
            return lpEntry;
    }
    return NULL;
}

namespace {

// The first entry of a map chain for a command or notification. Maps are
// constant data and these messages are never registered ones (which are
// numbered from 0xC000, above every reflected message), so an answer, found
// or not, stays true for the life of the process: a small table keeps the
// latest answers.
struct CommandCacheSlot {
    const AFX_MSGMAP* pMap;
    UINT nMsg;
    UINT nCode;
    UINT nID;
    const AFX_MSGMAP_ENTRY* lpEntry;
};
CommandCacheSlot g_commandCache[512];

const AFX_MSGMAP_ENTRY* SearchCommandEntry(const AFX_MSGMAP* pMap, UINT nMsg, UINT nCode, UINT nID)
{
    for (; pMap != NULL; pMap = pMap->pfnGetBaseMap ? pMap->pfnGetBaseMap() : NULL) {
        const AFX_MSGMAP_ENTRY* lpEntry = AfxFindMessageEntry(pMap->lpEntries, nMsg, nCode, nID);
        if (lpEntry != NULL)
            return lpEntry;
    }
    return NULL;
}

const AFX_MSGMAP_ENTRY* FindCommandEntry(const AFX_MSGMAP* pMap, UINT nMsg, UINT nCode, UINT nID)
{
    if (pMap == NULL || nMsg >= 0xC000)
        return SearchCommandEntry(pMap, nMsg, nCode, nID);
    size_t h = (reinterpret_cast<uintptr_t>(pMap) >> 4) ^ (nMsg * 2654435761u) ^ (nCode * 40503u) ^ (nID * 97u);
    CommandCacheSlot& slot = g_commandCache[h & 511];
    if (slot.pMap == pMap && slot.nMsg == nMsg && slot.nCode == nCode && slot.nID == nID)
        return slot.lpEntry;
    const AFX_MSGMAP_ENTRY* lpEntry = SearchCommandEntry(pMap, nMsg, nCode, nID);
    slot.pMap = pMap;
    slot.nMsg = nMsg;
    slot.nCode = nCode;
    slot.nID = nID;
    slot.lpEntry = lpEntry;
    return lpEntry;
}

}  // namespace

BOOL CCmdTarget::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    // The message rides in the high word (WM_NOTIFY, or a reflected
    // WM_COMMAND / WM_NOTIFY); plain control notifications are WM_COMMAND.
    UINT nMsg = HIWORD((DWORD)nCode);
    UINT nNotifyCode = LOWORD((DWORD)nCode);
    if (nMsg == 0 || (UINT)nCode == CN_UPDATE_COMMAND_UI)
        nMsg = WM_COMMAND;  // the update entries keep the code's low word

    const AFX_MSGMAP_ENTRY* lpEntry = FindCommandEntry(GetMessageMap(), nMsg, nNotifyCode, nID);
    if (lpEntry == NULL)
        return FALSE;
    if (pHandlerInfo != NULL) {
        pHandlerInfo->pTarget = this;
        pHandlerInfo->pfn = lpEntry->pfn;
        return TRUE;
    }
    AFX_MSGCALL call = {};
    call.nMsg = nMsg;
    call.nID = nID;
    call.pNotify = (nMsg == WM_NOTIFY || nMsg == WM_REFLECT_BASE + WM_NOTIFY) ? (AFX_NOTIFY*)pExtra : NULL;
    call.pExtra = (UINT)nCode == CN_UPDATE_COMMAND_UI ? pExtra : NULL;
    // The handler may destroy this object; nothing touches it after.
    return lpEntry->pfn(this, call);
}

// ---------------------------------------------------------------------------
// CCmdUI

CCmdUI::CCmdUI() : m_nID(0), m_nIndex(0), m_pOther(NULL), m_bEnableChanged(FALSE), m_bContinueRouting(FALSE) {}

void CCmdUI::Enable(BOOL bOn)
{
    if (m_pOther != NULL && m_pOther->m_hWnd != NULL)
        m_pOther->EnableWindow(bOn);
    m_bEnableChanged = TRUE;
}

void CCmdUI::SetCheck(int nCheck)
{
    // Only a button can show a check.
    if (m_pOther != NULL && m_pOther->m_hWnd != NULL && (m_pOther->SendMessage(WM_GETDLGCODE) & DLGC_BUTTON))
        m_pOther->SendMessage(BM_SETCHECK, (WPARAM)nCheck);
}

void CCmdUI::SetRadio(BOOL bOn) { SetCheck(bOn ? 1 : 0); }

void CCmdUI::SetText(LPCTSTR lpszText)
{
    if (m_pOther != NULL && m_pOther->m_hWnd != NULL)
        m_pOther->SetWindowText(lpszText != NULL ? lpszText : "");
}

BOOL CCmdUI::DoUpdate(CCmdTarget* pTarget, BOOL bDisableIfNoHndler)
{
    if (pTarget == NULL)
        return FALSE;
    m_bEnableChanged = FALSE;
    BOOL bResult = pTarget->OnCmdMsg(m_nID, (int)CN_UPDATE_COMMAND_UI, this, NULL);
    if (bDisableIfNoHndler && !m_bEnableChanged) {
        AFX_CMDHANDLERINFO info = {NULL, NULL};
        if (!pTarget->OnCmdMsg(m_nID, CN_COMMAND, this, &info))
            Enable(FALSE);
    }
    return bResult;
}
