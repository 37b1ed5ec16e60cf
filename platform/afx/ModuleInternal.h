// What the framework's module support shares between its own files.
#pragma once

#include "afxstat_.h"

namespace vor::afx {

// Deletes (and so unchains) every library object of the state.
void DeleteLibraries(AFX_MODULE_STATE* pState);

// Forgets that a raw entry set the class and factory lists aside.
void ForgetListsSetAside();

// Returns the state to its start: no libraries, no class lists set aside,
// the program's own instance as the resource handle.
void ResetModuleState(AFX_MODULE_STATE* pState);

}  // namespace vor::afx
