// The fixture of the USER tests: window classes whose windows record every
// message they receive (creation included) into the recorder, named by
// their window text, and that a test can give its own answers.
#pragma once

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "VorTestBase.h"
#include "VorTestHost.h"

class UserTest : public VorTestBase {
protected:
    // Return true to answer with *result instead of DefWindowProc.
    using Handler = std::function<bool(HWND, UINT, WPARAM, LPARAM, LRESULT*)>;

    void SetUp() override;
    void TearDown() override;

    // A window of class "Rec" (white background) or "RecDbl" (CS_DBLCLKS),
    // or any class named; the name is its window text.
    HWND Make(const char* name, DWORD style, int x, int y, int cx, int cy, HWND parent = nullptr, DWORD exStyle = 0,
              const char* cls = "Rec", int id = 0);

    std::vector<std::string> Lines() const { return m_recorder.Lines(); }
    std::vector<std::string> Only(const std::vector<UINT>& messages) const { return m_recorder.LinesFor(messages); }
    void Clear() { m_recorder.Clear(); }

    Handler m_handler;  // for every recorded window, creation included

private:
    static LRESULT CALLBACK Proc(HWND, UINT, WPARAM, LPARAM);
    static LRESULT CALLBACK Cbt(int, WPARAM, LPARAM);
    HHOOK m_hook = nullptr;
};
