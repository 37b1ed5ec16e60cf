// What the USER room offers the framework (platform/afx) and the stock
// controls beyond the public Win32 calls. Nothing here is exported.
#pragma once

#include "windows.h"

namespace vor::user {

// The framework's pre-translation: VorPumpMessages and the framework's own
// pump call it for every queued message before TranslateMessage and
// DispatchMessage; a TRUE answer means the message was consumed.
using PreTranslateHook = BOOL (*)(MSG* pMsg);
void SetPreTranslateHook(PreTranslateHook hook);
PreTranslateHook GetPreTranslateHook();

// Called by VorPlatformReset after every window is destroyed and before the
// GDI objects are freed, in the order registered; each room above USER
// registers one to return to its freshly started state.
using ResetHook = void (*)();
void AddResetHook(ResetHook hook);

// Registers the dialog window class ("#32770"); called with the stock
// controls' classes.
void RegisterDialogClass();

}  // namespace vor::user

// Registers the window classes of the stock controls (list view, header,
// rich edit, combo box, list box, button, tooltip, scroll bar). Called by
// USER at start-up and after each reset; defined in platform/controls.
namespace vor::controls {
void RegisterClasses();
}
