// Display backends: where the screen surface is shown and where real input
// comes from. USER owns the one current backend; GDI knows nothing of it.
//
// The headless backend is always there: the screen stays in memory, the
// clock is the virtual clock that only VorAdvanceClock moves, and no input
// arrives except through the standard input calls. An interactive backend
// (SDL2) plugs in through the same interface:
//   - HasRealClock() answers true and Now() the monotonic clock in ms, so
//     GetTickCount and the timers run in real time;
//   - PollEvents() turns pending window-system events into the standard
//     input calls (SetCursorPos / mouse_event / keybd_event), so real input
//     takes the same queue and routing as scripted input;
//   - WaitEvents(timeout) blocks until input arrives or the timeout passes
//     (GetMessage uses it when nothing is queued and a timer is pending);
//   - Present() shows the screen, of which `dirty` (screen coordinates) was
//     drawn since the last present; PresentIfChanged() calls it only when
//     the screen generation moved since the last present;
//   - WorkArea() gives the part of the screen a person sees, when that is
//     less than the whole screen (pop-ups such as drop-down lists keep
//     inside it); false: the whole screen.
// Nothing here is exported from VORPlatform.
#pragma once

#include <cstdint>
#include <memory>

#include "windows.h"

namespace vor::display {

class Backend {
public:
    virtual ~Backend() = default;
    virtual const char* Name() const = 0;
    virtual bool HasRealClock() const = 0;
    virtual DWORD Now() = 0;
    virtual void PollEvents() = 0;
    // True when an event may have arrived before the timeout.
    virtual bool WaitEvents(DWORD timeoutMs) = 0;
    virtual void Present(const uint32_t* pixels, int width, int height, const RECT& dirty) = 0;
    virtual bool WorkArea(RECT* /*rc*/) { return false; }

    void PresentIfChanged();

private:
    uint64_t m_presentedGeneration = 0;
};

// The current backend (installed by EnsureBackend on first use).
Backend* Current();
// Installs the headless backend unless one is installed already.
void EnsureBackend();
// Replaces the current backend (an interactive host installs SDL2 here
// before its first platform call).
void InstallBackend(std::unique_ptr<Backend> backend);

std::unique_ptr<Backend> CreateHeadlessBackend();

}  // namespace vor::display
