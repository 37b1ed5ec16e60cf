// vorlib-gallery: puts the gallery window on the screen, lets it paint,
// writes a picture of the screen and ends.
#pragma once

#include <afxwin.h>

#include <string>

#include "GalleryPanels.h"

class CGalleryApp : public CWinApp {
public:
    CGalleryApp();

    // Where the picture goes; the directory is created when missing.
    std::string m_strOutDir = "out";
    // The file written, empty until then.
    std::string m_strWritten;

    BOOL InitInstance() override;
    int ExitInstance() override;

private:
    CGalleryWnd* m_pGallery = nullptr;
};
