// The gallery's scripts: a small line-oriented text format of user input,
// parsed completely before anything runs so that a mistake is reported with
// its line number and nothing is half done.
//
//   # a comment; blank lines are ignored
//   click X Y            left click at a screen point
//   dblclick X Y         double click
//   rclick X Y           right click
//   move X Y             move the pointer
//   drag X1 Y1 X2 Y2     press at the first point, move to the second, release
//   key KEY [COUNT]      press a key COUNT times (1 by default); KEY is a letter
//                        or digit, or LEFT RIGHT UP DOWN TAB ENTER ESCAPE SPACE
//                        BACK DELETE HOME END PGUP PGDN F4, optionally with a
//                        SHIFT+, CTRL+ or ALT+ prefix
//   type TEXT            type the rest of the line
//   wait MS              let MS milliseconds pass
//   cell ROW COL         click a cell of the grid (COL counts hidden columns)
//   cellbutton ROW COL   click the "..." button of a button cell (making the
//                        cell current first when it is not)
//   button NAME          click a toolbar button: edit, hide, add, up, down
//   hover NAME MS        rest the pointer on a toolbar button for MS ms
//   shot NAME            write an extra screenshot NAME.png
//   clickon NAME         click the middle of a control: grid, combo, log, lines,
//                        or one of the open Details dialog: details-item,
//                        details-qty, details-price, details-unit,
//                        details-lines, details-ok, details-cancel
//   splitter NAME DELTA  drag a splitter's bar by DELTA pixels with the mouse:
//                        main (grid | side panel), side (log above lines)
//   wheel NAME NOTCHES   turn the mouse wheel with the pointer on the middle
//                        of a control (grid, combo, log, lines); negative
//                        NOTCHES turn it towards the user (scroll down)
//
// Numbers are decimal integers, not negative except a splitter's DELTA and
// a wheel's NOTCHES.
#pragma once

#include <string>
#include <vector>

namespace gallery {

struct Command {
    int line = 0;
    std::string name;               // the command word, lower case
    std::vector<std::string> args;  // its arguments as written (type: one, the text)
    int Int(size_t i) const;        // an argument already checked to be a number
};

// Parses a whole script. On failure answers false with `error` set to
// "line N: what is wrong"; `out` is then left empty.
bool ParseScript(const std::string& text, std::vector<Command>& out, std::string& error);

// A key of the `key` command: the virtual-key code and the modifier keys.
struct KeyStroke {
    unsigned char vk = 0;
    bool shift = false, ctrl = false, alt = false;
};
bool ParseKey(const std::string& word, KeyStroke& out);

// The names a script may use.
bool IsToolbarButton(const std::string& name);
bool IsControlName(const std::string& name);
bool IsSplitterName(const std::string& name);

// The script the gallery plays when none is given.
const char* BuiltInScript();

}  // namespace gallery
