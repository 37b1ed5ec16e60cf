// vorlib-gallery's application object: creates the gallery window, then
// either plays a script headless (the default) or hands the window to a
// person through the interactive display.
#pragma once

#include <afxwin.h>

#include <string>

#include "GalleryWnd.h"

class CGalleryApp : public CWinApp {
public:
    CGalleryApp();

    std::string m_strOutDir = "out";     // where screenshots go
    std::string m_strScriptFile;         // empty: the built-in tour
    bool m_bInteractive = false;
    bool m_bTraceClicks = false;         // print the screen point of every scripted click
    int m_nExit = 0;                      // the program's exit status

    BOOL InitInstance() override;
    int Run() override;
    int ExitInstance() override;

private:
    int PlayHeadless();
    void PrintEventLog() const;
    gallery::CGalleryWnd* m_pGallery = nullptr;
};
