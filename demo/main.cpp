// vorlib-gallery [--out DIR]: writes DIR/gallery.png (DIR defaults to
// ./out), prints where, and exits 0 on success.
#include "GalleryApp.h"

#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>

CGalleryApp theApp;

int main(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--out") == 0 && i + 1 < argc) {
            theApp.m_strOutDir = argv[++i];
        } else if (std::strncmp(argv[i], "--out=", 6) == 0) {
            theApp.m_strOutDir = argv[i] + 6;
        } else if (std::strcmp(argv[i], "--help") == 0) {
            std::printf("usage: vorlib-gallery [--out DIR]\n");
            return 0;
        } else {
            std::fprintf(stderr, "vorlib-gallery: unknown argument %s\nusage: vorlib-gallery [--out DIR]\n", argv[i]);
            return 2;
        }
    }
    int nResult = AfxWinMain();
    if (nResult == 0 && !theApp.m_strWritten.empty()) {
        char szFull[PATH_MAX];
        const char* pszShown = ::realpath(theApp.m_strWritten.c_str(), szFull) ? szFull : theApp.m_strWritten.c_str();
        std::printf("vorlib-gallery: wrote %s\n", pszShown);
    }
    return nResult;
}
