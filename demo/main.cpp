// vorlib-gallery: every control of VORLib10 at work on an order sheet.
//
//   vorlib-gallery [--script FILE] [--out DIR]   play a script headless (the
//                                                built-in tour by default),
//                                                a screenshot after each step
//   vorlib-gallery --interactive                 show it in a desktop window
//
// Exit status: 0 done, 1 the gallery could not start, 2 a bad script or
// bad arguments.
#include <cstdio>
#include <cstring>

#include "GalleryApp.h"

CGalleryApp theApp;

namespace {

void Usage(FILE* to) {
    std::fprintf(to,
                 "usage: vorlib-gallery [--script FILE] [--out DIR] | --interactive\n"
                 "  --script FILE   play FILE instead of the built-in tour (format: demo/Script.h)\n"
                 "  --out DIR       where the screenshots go (default ./out)\n"
                 "  --trace-clicks  print \"point LINE X Y\" for every click the script makes\n"
                 "  --interactive   show the gallery in a desktop window (needs SDL2 and a display)\n");
}

}  // namespace

int main(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        if ((arg == "--out" || arg == "--script") && i + 1 < argc) {
            (arg == "--out" ? theApp.m_strOutDir : theApp.m_strScriptFile) = argv[++i];
        } else if (arg.rfind("--out=", 0) == 0) {
            theApp.m_strOutDir = arg.substr(6);
        } else if (arg.rfind("--script=", 0) == 0) {
            theApp.m_strScriptFile = arg.substr(9);
        } else if (arg == "--trace-clicks") {
            theApp.m_bTraceClicks = true;
        } else if (arg == "--interactive") {
            theApp.m_bInteractive = true;
        } else if (arg == "--help" || arg == "-h") {
            Usage(stdout);
            return 0;
        } else {
            std::fprintf(stderr, "vorlib-gallery: unknown argument '%s'\n", argv[i]);
            Usage(stderr);
            return 2;
        }
    }
    int nResult = AfxWinMain();
    return theApp.m_nExit != 0 ? theApp.m_nExit : nResult;
}
