#include "GalleryApp.h"

#include <vorplatform.h>

#include <climits>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "Player.h"
#include "Script.h"

namespace {

// The main window ends the message loop when it goes.
class CMainGalleryWnd : public gallery::CGalleryWnd {
protected:
    void PostNcDestroy() override { ::PostQuitMessage(0); }
};

std::string FullPath(const std::string& path) {
    char full[PATH_MAX];
    return ::realpath(path.c_str(), full) ? std::string(full) : path;
}

}  // namespace

CGalleryApp::CGalleryApp() : CWinApp("vorlib-gallery") {}

BOOL CGalleryApp::InitInstance()
{
    if (m_bInteractive && !VorOpenDisplay("VORLib10 gallery")) {
        std::fprintf(stderr, "vorlib-gallery: %s\n",
                     VorDisplayAvailable() ? "no desktop display could be opened (is DISPLAY set? try xvfb-run)"
                                           : "built without SDL2: the interactive display is off "
                                             "(install libsdl2-dev and rebuild)");
        m_nExit = 1;
        return FALSE;
    }
    m_pGallery = new CMainGalleryWnd;
    if (!m_pGallery->CreateGallery(CRect(0, 0, 1000, 640))) {
        std::fprintf(stderr, "vorlib-gallery: the gallery window could not be created\n");
        delete m_pGallery;
        m_pGallery = nullptr;
        m_nExit = 1;
        return FALSE;
    }
    m_pMainWnd = m_pGallery;
    m_pGallery->UpdateWindow();
    if (m_bInteractive)
        std::printf("vorlib-gallery: the gallery is in its own desktop window; close the window or press Alt+F4 "
                    "to quit.\n");
    std::fflush(stdout);
    return TRUE;
}

int CGalleryApp::PlayHeadless()
{
    std::string text;
    if (m_strScriptFile.empty()) {
        text = gallery::BuiltInScript();
    } else {
        std::ifstream in(m_strScriptFile, std::ios::binary);
        if (!in) {
            std::fprintf(stderr, "vorlib-gallery: cannot read %s\n", m_strScriptFile.c_str());
            return 2;
        }
        std::stringstream ss;
        ss << in.rdbuf();
        text = ss.str();
    }
    const char* source = m_strScriptFile.empty() ? "built-in script" : m_strScriptFile.c_str();
    std::vector<gallery::Command> commands;
    std::string error;
    if (!gallery::ParseScript(text, commands, error)) {
        std::fprintf(stderr, "vorlib-gallery: %s, %s\n", source, error.c_str());
        return 2;
    }
    gallery::Player player(*m_pGallery, m_strOutDir);
    player.TraceClicks(m_bTraceClicks);
    bool ok = player.Play(commands, error);
    PrintEventLog();
    if (!ok) {
        std::fprintf(stderr, "vorlib-gallery: %s, %s\n", source, error.c_str());
        return 2;
    }
    if (!player.Pictures().empty())
        std::printf("Wrote %zu screenshots to %s\n  first %s\n  last  %s\n", player.Pictures().size(),
                    FullPath(m_strOutDir).c_str(), player.Pictures().front().c_str(), player.Pictures().back().c_str());
    return 0;
}

int CGalleryApp::Run()
{
    if (!m_bInteractive) {
        m_nExit = PlayHeadless();
        ExitInstance();
        return m_nExit;
    }
    CWinApp::Run();
    return m_nExit;
}

void CGalleryApp::PrintEventLog() const
{
    std::printf("Event log:\n");
    for (const std::string& line : m_pGallery->EventLines()) std::printf("  %s\n", line.c_str());
    std::fflush(stdout);
}

int CGalleryApp::ExitInstance()
{
    // What the person did, as the host heard it (the window is gone, its
    // object is not).
    if (m_bInteractive && m_pGallery) PrintEventLog();
    if (m_pGallery) {
        if (::IsWindow(m_pGallery->GetSafeHwnd())) m_pGallery->DestroyWindow();
        delete m_pGallery;
        m_pGallery = nullptr;
        m_pMainWnd = nullptr;
    }
    CWinApp::ExitInstance();
    return m_nExit;
}
