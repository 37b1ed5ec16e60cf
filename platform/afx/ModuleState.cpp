// The module state of the program: one record, constant-initialised, that
// every module (the program and each extension library) shares.
#include "afxstat_.h"

#include "afx/ModuleInternal.h"
#include "user/user_internal.h"

namespace {

// Zero at load; no constructor runs for it, so it is valid from the first
// call of the first static initialiser of any module.
AFX_MODULE_STATE g_programState = {};
bool g_resetHookRegistered = false;
bool g_programHandlesFilled = false;

// The program's handles are filled on first use (and first use after a
// reset) rather than at load: the loader knows the program only once the
// platform has started.
void FillProgramHandles(AFX_MODULE_STATE* pState)
{
    if (g_programHandlesFilled)
        return;
    g_programHandlesFilled = true;
    if (pState->m_hCurrentInstanceHandle == NULL)
        pState->m_hCurrentInstanceHandle = ::GetModuleHandleA(NULL);
    if (pState->m_hCurrentResourceHandle == NULL)
        pState->m_hCurrentResourceHandle = pState->m_hCurrentInstanceHandle;
}

void ResetModuleState()
{
    vor::afx::ResetModuleState(&g_programState);
    g_programHandlesFilled = false;
}

}  // namespace

VORAPI AFX_MODULE_STATE* AfxGetModuleState()
{
    if (!g_resetHookRegistered) {
        g_resetHookRegistered = true;
        vor::user::AddResetHook(&ResetModuleState);
    }
    FillProgramHandles(&g_programState);
    return &g_programState;
}

namespace vor::afx {

void ResetModuleState(AFX_MODULE_STATE* pState)
{
    // The application object belongs to the program, not to the platform:
    // it survives a reset, as does its name. Everything a module chained in
    // or set aside goes.
    DeleteLibraries(pState);
    pState->m_classList.m_pHead = NULL;
    pState->m_factoryList.m_pHead = NULL;
    pState->m_pClassInit = NULL;
    pState->m_pFactoryInit = NULL;
    ForgetListsSetAside();
    pState->m_bDLL = FALSE;
    pState->m_bSystem = FALSE;
    // Filled again on next use: the program's instance after the reset is
    // the loader's to say.
    pState->m_hCurrentInstanceHandle = NULL;
    pState->m_hCurrentResourceHandle = NULL;
}

}  // namespace vor::afx
