#include "GalleryApp.h"

#include <vorplatform.h>

#include <sys/stat.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace {

// Creates every missing directory of the path.
bool MakeDirectories(const std::string& strPath)
{
    std::string strSoFar;
    size_t pos = 0;
    while (pos <= strPath.size()) {
        size_t next = strPath.find('/', pos);
        if (next == std::string::npos)
            next = strPath.size();
        strSoFar = strPath.substr(0, next);
        if (!strSoFar.empty() && ::mkdir(strSoFar.c_str(), 0777) != 0 && errno != EEXIST)
            return false;
        pos = next + 1;
    }
    struct stat st;
    return ::stat(strPath.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

}  // namespace

CGalleryApp::CGalleryApp() : CWinApp("vorlib-gallery") {}

BOOL CGalleryApp::InitInstance()
{
    m_pGallery = new CGalleryWnd;
    if (!m_pGallery->CreateGallery(CRect(0, 0, 440, 470))) {
        delete m_pGallery;
        m_pGallery = nullptr;
        std::fprintf(stderr, "vorlib-gallery: the gallery window could not be created\n");
        return FALSE;
    }
    m_pMainWnd = m_pGallery;
    m_pGallery->UpdateWindow();
    return TRUE;
}

int CGalleryApp::ExitInstance()
{
    // Run has dispatched everything and painted what was invalid: the screen
    // shows the gallery now.
    VorPumpMessages();
    int nResult = 0;
    if (!MakeDirectories(m_strOutDir)) {
        std::fprintf(stderr, "vorlib-gallery: cannot create %s: %s\n", m_strOutDir.c_str(), std::strerror(errno));
        nResult = 1;
    } else {
        std::string strPath = m_strOutDir + "/gallery.png";
        CRect rcWindow;
        m_pGallery->GetWindowRect(&rcWindow);
        if (VorSaveScreenPng(strPath.c_str(), &rcWindow)) {
            m_strWritten = strPath;
        } else {
            std::fprintf(stderr, "vorlib-gallery: cannot write %s\n", strPath.c_str());
            nResult = 1;
        }
    }
    if (m_pGallery != nullptr) {
        m_pGallery->DestroyWindow();
        delete m_pGallery;
        m_pGallery = nullptr;
        m_pMainWnd = nullptr;
    }
    CWinApp::ExitInstance();
    return nResult;
}
