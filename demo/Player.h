// Plays a gallery script against the gallery window with real input (the
// standard input calls), on the virtual clock, writing a screenshot after
// every step.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "GalleryWnd.h"
#include "Script.h"

namespace gallery {

class Player {
public:
    // Screenshots go to `outDir` (created when missing; none when empty).
    Player(CGalleryWnd& wnd, std::string outDir);

    // Plays every command. A command that cannot be carried out (a cell that
    // is not shown, say) stops the play: false, with `error` as
    // "line N: what is wrong".
    bool Play(const std::vector<Command>& commands, std::string& error);

    // The screenshots written, in order.
    const std::vector<std::string>& Pictures() const { return m_pictures; }

    // Prints "point LINE X Y" for every click, with the script line and the
    // screen point, so that the same clicks can be made elsewhere.
    void TraceClicks(bool on) { m_traceClicks = on; }

    // Lets `ms` milliseconds pass in steps of 10, dispatching what falls due.
    static void Wait(int ms);

private:
    bool Step(const Command& c, std::string& error);
    void Shot(const std::string& name);
    bool CentreOf(const std::string& control, POINT& pt);
    void ClickAt(POINT pt, bool twice = false, bool right = false);
    // Presses at a, moves to b in five steps, releases.
    void Drag(POINT a, POINT b);
    void TypeChar(char ch);

    CGalleryWnd& m_wnd;
    std::string m_outDir;
    std::vector<std::string> m_pictures;
    int m_step = 0;
    int m_line = 0;  // of the command being played
    bool m_traceClicks = false;
};

// Creates every missing directory of a path.
bool MakeDirectories(const std::string& path);

}  // namespace gallery
