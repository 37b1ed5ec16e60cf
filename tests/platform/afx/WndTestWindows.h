// Windows shared by the framework window tests: a plain window class whose
// procedure logs what reaches it (to see what Default passes on), and a
// top-level frame to put children in.
#pragma once

#include <afxwin.h>

#include <string>
#include <vector>

namespace afxtest {

// What the plain class's own window procedure received, as "name WM_xxx"
// for the messages in `watched` (all when empty).
struct PlainLog {
    std::vector<std::string> lines;
    std::vector<UINT> watched;
};
PlainLog& Plain();

// Registers (again after a reset) the class "AfxTestPlain", whose procedure
// logs into Plain() and then calls DefWindowProc.
LPCSTR PlainClass();

// A visible top-level window of the plain class at (x, y) of size cx, cy.
HWND CreatePlainTop(int x = 0, int y = 0, int cx = 300, int cy = 200);
// A visible child window of the plain class with the given id.
HWND CreatePlainChild(HWND hParent, int id, int x = 10, int y = 10, int cx = 100, int cy = 50);

std::string Hex(UINT v);

}  // namespace afxtest
