// Platform start-up and reset, the clock, the pump, and the automation calls
// of vorplatform.h that belong to USER.
#include <memory>

#include "display/display_backend.h"
#include "gdi/gdi_internal.h"
#include "user/user_internal.h"
#include "user/user_state.h"
#include "vorplatform.h"

namespace vor::user {

namespace {

std::unique_ptr<State> g_state;
DWORD g_clock = 0;
PreTranslateHook g_preTranslate = nullptr;

std::vector<ResetHook>& ResetHooks()
{
    static std::vector<ResetHook> hooks;
    return hooks;
}

void Start()
{
    g_state = std::make_unique<State>();
    g_liveState = g_state.get();
    display::EnsureBackend();
    gdi::Init();
    ResetSysColors();
    CreateDesktop();
    vor::controls::RegisterClasses();
    AttachLinkedModules();
}

}  // namespace

State* g_liveState = nullptr;

State& StartState()
{
    if (!g_state)
        Start();
    return *g_state;
}


DWORD Now()
{
    display::Backend* b = display::Current();
    if (b && b->HasRealClock())
        return b->Now();
    return g_clock;
}

void SetClock(DWORD ms)
{
    g_clock = ms;
}

void SetPreTranslateHook(PreTranslateHook hook)
{
    g_preTranslate = hook;
}

PreTranslateHook GetPreTranslateHook()
{
    return g_preTranslate;
}

void AddResetHook(ResetHook hook)
{
    if (hook)
        ResetHooks().push_back(hook);
}

void RunResetHooks()
{
    // A copy: a hook may register another one.
    std::vector<ResetHook> hooks = ResetHooks();
    for (ResetHook h : hooks)
        h();
}

void ResetPlatform()
{
    if (g_state) {
        State& s = *g_state;
        s.scrollTrack = ScrollTrack();
        DestroyAllWindows();
        DetachAllModules();
        RunResetHooks();
        // Reset hooks of the rooms above may have created windows again.
        DestroyAllWindows();
        ResetCursors();
    }
    ResetGlobalMemory();
    // GDI goes while the old state still answers any call it makes.
    gdi::Reset();
    if (g_state) {
        // A reset from inside a window procedure: the windows still running
        // outlive the table.
        for (auto& kv : g_state->windows)
            ParkIfPinned(kv.second);
    }
    g_liveState = nullptr;
    g_state.reset();
    g_clock = 0;
    Start();
}

}  // namespace vor::user

using namespace vor;
using namespace vor::user;

extern "C" {

VORAPI void VorPlatformReset(void)
{
    ResetPlatform();
}

VORAPI void VorAdvanceClock(DWORD ms)
{
    S();
    DWORD from = Now();
    SetClock(from + ms);
    CaretAdvance(from, from + ms);
}

VORAPI int VorPumpMessages(void)
{
    S();
    int dispatched = 0;
    // A bound so that a handler that posts a message for every message it
    // receives cannot hang the caller.
    const int kLimit = 200000;
    if (vor::display::Backend* b = vor::display::Current())
        b->PollEvents();
    MSG msg;
    while (dispatched < kLimit && PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT)
            break;
        ++dispatched;
        PreTranslateHook hook = GetPreTranslateHook();
        if (hook && hook(&msg))
            continue;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    if (vor::display::Backend* b = vor::display::Current())
        b->PresentIfChanged();
    return dispatched;
}

VORAPI int VorMessageBoxCount(void)
{
    return (int)S().messageBoxes.size();
}

VORAPI const char* VorMessageBoxText(int i)
{
    State& s = S();
    if (i < 0 || i >= (int)s.messageBoxes.size())
        return nullptr;
    return s.messageBoxes[i].text.c_str();
}

VORAPI UINT VorMessageBoxType(int i)
{
    State& s = S();
    if (i < 0 || i >= (int)s.messageBoxes.size())
        return 0;
    return s.messageBoxes[i].type;
}

}  // extern "C"
