// The base fixture of the platform and control tests: a fresh platform for
// every test, input helpers that go through the standard input calls, the
// clock, screen pixels, and a recorder of the messages windows receive.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "vorplatform.h"

namespace vor::test {

// One message a recorded window received.
struct RecordedMessage {
    HWND hwnd = nullptr;
    UINT message = 0;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
    UINT code = 0;  // WM_NOTIFY: NMHDR::code; WM_COMMAND: the notification code
};

// Records the messages of the windows attached to it by subclassing them:
// its window procedure appends each message and passes it on. A window
// stays recorded until it is detached, destroyed, or the recorder goes.
class MessageRecorder {
public:
    MessageRecorder();
    ~MessageRecorder();
    MessageRecorder(const MessageRecorder&) = delete;
    MessageRecorder& operator=(const MessageRecorder&) = delete;

    // `name` is how the window appears in Lines(); its class name if null.
    void Attach(HWND hwnd, const char* name = nullptr);
    void Detach(HWND hwnd);
    void Clear() { m_messages.clear(); }
    // For window procedures that record their own messages (creation
    // sequences happen before a window can be subclassed): a name for a
    // window, and one message to append.
    void Name(HWND hwnd, const char* name);
    void Note(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

    // Messages that are not recorded (WM_GETTEXT, WM_NCHITTEST, ...).
    void Ignore(UINT message);
    void IgnoreDefaults();  // hit tests, cursor, text queries, NC mouse moves

    const std::vector<RecordedMessage>& Messages() const { return m_messages; }
    // The recording as text lines, "name WM_XXX" followed by the arguments
    // that are values (not pointers), for EXPECT_SEQUENCE: see LineFor.
    std::vector<std::string> Lines() const;
    // Only the lines of one window or of some messages.
    std::vector<std::string> LinesOf(HWND hwnd) const;
    std::vector<std::string> LinesFor(const std::vector<UINT>& messages) const;
    std::string LineFor(const RecordedMessage& m) const;
    std::string NameOf(HWND hwnd) const;
    int Count(UINT message, HWND hwnd = nullptr) const;

    static std::string MessageName(UINT message);

private:
    static LRESULT CALLBACK Proc(HWND, UINT, WPARAM, LPARAM);
    void Record(const RecordedMessage& m);

    std::vector<RecordedMessage> m_messages;
    std::vector<UINT> m_ignored;
    struct Entry {
        HWND hwnd;
        WNDPROC old;
        std::string name;
    };
    std::vector<Entry> m_windows;
    std::vector<std::pair<HWND, std::string>> m_names;
    friend struct RecorderRegistry;
};

}  // namespace vor::test

class VorTestBase : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Input helpers: each queues the events through the standard input
    // calls and pumps the queue afterwards. Buttons are VK_LBUTTON,
    // VK_RBUTTON, VK_MBUTTON.
    static void MoveMouse(int x, int y);
    static void Press(int button = VK_LBUTTON);
    static void Release(int button = VK_LBUTTON);
    static void Click(int x, int y, int button = VK_LBUTTON);
    static void DoubleClick(int x, int y);
    // Turns the wheel by nDelta (WHEEL_DELTA a notch, positive away from
    // the user) with the pointer at a screen point.
    static void Wheel(int x, int y, int nDelta);
    // The sideways wheel (tilt); a positive delta is to the right.
    static void HWheel(int x, int y, int nDelta);
    static void RightClick(int x, int y) { Click(x, y, VK_RBUTTON); }
    static void KeyDown(BYTE vk);
    static void KeyUp(BYTE vk);
    static void KeyPress(BYTE vk);
    // Types 8-bit text on the US layout (Shift for capitals and symbols).
    static void TypeText(const char* text);

    static int Pump() { return VorPumpMessages(); }
    // Moves the clock and pumps.
    static void Advance(DWORD ms);

    static COLORREF ScreenPixel(int x, int y);
    // Writes the screen (or a part) to VOR_TEST_OUTPUT_DIR/<name>.png.
    static bool SavePng(const char* name, const RECT* area = nullptr);

    vor::test::MessageRecorder m_recorder;
};
