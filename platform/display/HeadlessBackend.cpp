// The headless backend: nothing is shown, time is the virtual clock, and no
// input arrives except through the standard input calls.
#include "display/display_backend.h"
#include "gdi/gdi_internal.h"

namespace vor::display {

namespace {

class HeadlessBackend : public Backend {
public:
    const char* Name() const override { return "headless"; }
    bool HasRealClock() const override { return false; }
    DWORD Now() override { return 0; }  // unused: USER keeps the virtual clock
    void PollEvents() override {}
    bool WaitEvents(DWORD) override { return false; }
    void Present(const uint32_t*, int, int, const RECT&) override {}
};

std::unique_ptr<Backend>& Slot()
{
    static std::unique_ptr<Backend> backend;
    return backend;
}

}  // namespace

void Backend::PresentIfChanged()
{
    uint64_t g = gdi::ScreenGeneration();
    if (g == m_presentedGeneration)
        return;
    m_presentedGeneration = g;
    RECT dirty;
    if (!gdi::TakeScreenDirty(&dirty))
        dirty = RECT{0, 0, 0, 0};
    Present(gdi::ScreenPixels(), gdi::ScreenWidth(), gdi::ScreenHeight(), dirty);
}

Backend* Current()
{
    return Slot().get();
}

void EnsureBackend()
{
    if (!Slot())
        Slot() = CreateHeadlessBackend();
}

void InstallBackend(std::unique_ptr<Backend> backend)
{
    if (backend)
        Slot() = std::move(backend);
}

std::unique_ptr<Backend> CreateHeadlessBackend()
{
    return std::make_unique<HeadlessBackend>();
}

}  // namespace vor::display
