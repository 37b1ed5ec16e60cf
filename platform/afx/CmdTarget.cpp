// CCmdTarget: the root of message maps and the routing of commands and
// notifications through them.
#include "afxwin.h"

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

BOOL CCmdTarget::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    // The message rides in the high word (WM_NOTIFY, or a reflected
    // WM_COMMAND / WM_NOTIFY); plain control notifications are WM_COMMAND.
    UINT nMsg = HIWORD((DWORD)nCode);
    UINT nNotifyCode = LOWORD((DWORD)nCode);
    if (nMsg == 0)
        nMsg = WM_COMMAND;
    if ((UINT)nCode == CN_UPDATE_COMMAND_UI)
        return FALSE;  // no command-UI entries in this framework

    for (const AFX_MSGMAP* pMap = GetMessageMap(); pMap != NULL;
         pMap = pMap->pfnGetBaseMap ? pMap->pfnGetBaseMap() : NULL) {
        const AFX_MSGMAP_ENTRY* lpEntry = AfxFindMessageEntry(pMap->lpEntries, nMsg, nNotifyCode, nID);
        if (lpEntry == NULL)
            continue;
        if (pHandlerInfo != NULL) {
            pHandlerInfo->pTarget = this;
            pHandlerInfo->pfn = lpEntry->pfn;
            return TRUE;
        }
        AFX_MSGCALL call = {};
        call.nMsg = nMsg;
        call.nID = nID;
        call.pNotify = (nMsg == WM_NOTIFY || nMsg == WM_REFLECT_BASE + WM_NOTIFY) ? (AFX_NOTIFY*)pExtra : NULL;
        // The handler may destroy this object; nothing touches it after.
        return lpEntry->pfn(this, call);
    }
    return FALSE;
}
