// The gallery's script format: what parses, and how a mistake is reported
// (with its line number, and nothing parsed).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include <windows.h>

#include "Script.h"

namespace {

using gallery::Command;
using gallery::ParseScript;

TEST(GalleryScript, ParsesEveryCommandAndSkipsCommentsAndBlankLines) {
    const char* text =
        "# a comment\n"
        "\n"
        "click 10 20\r\n"
        "  DblClick 1 2\n"
        "rclick 3 4\n"
        "move 5 6\n"
        "drag 1 2 3 4\n"
        "key ctrl+a\n"
        "key DOWN 3\n"
        "type hello  world \n"
        "wait 500\n"
        "cell 2 1\n"
        "cellbutton 0 5\n"
        "button Edit\n"
        "hover up 700\n"
        "shot after-edit_1\n"
        "clickon combo\n"
        "splitter main -40\n"
        "wheel Lines -2\n";
    std::vector<Command> cmds;
    std::string error;
    ASSERT_TRUE(ParseScript(text, cmds, error)) << error;
    std::vector<std::string> names;
    for (const Command& c : cmds) names.push_back(c.name);
    EXPECT_EQ(names, (std::vector<std::string>{"click", "dblclick", "rclick", "move", "drag", "key", "key", "type",
                                               "wait", "cell", "cellbutton", "button", "hover", "shot", "clickon",
                                               "splitter", "wheel"}));
    EXPECT_EQ(cmds[0].line, 3);
    EXPECT_EQ(cmds[0].Int(1), 20);
    EXPECT_EQ(cmds[6].Int(1), 3);
    EXPECT_EQ(cmds[7].args, (std::vector<std::string>{"hello  world "}));
    EXPECT_EQ(cmds[11].args[0], "edit");
    EXPECT_EQ(cmds[15].Int(1), -40);
    EXPECT_EQ(cmds[16].args, (std::vector<std::string>{"lines", "-2"}));
}

struct Bad {
    const char* text;
    const char* error;
};

class GalleryScriptErrors : public ::testing::TestWithParam<Bad> {};

TEST_P(GalleryScriptErrors, AreReportedWithTheirLine) {
    std::vector<Command> cmds;
    std::string error;
    EXPECT_FALSE(ParseScript(GetParam().text, cmds, error));
    EXPECT_EQ(error, GetParam().error);
    EXPECT_TRUE(cmds.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Table, GalleryScriptErrors,
    ::testing::Values(Bad{"click 1 2\njump 3\n", "line 2: unknown command 'jump'"},
                      Bad{"click 1\n", "line 1: 'click' takes 2 arguments, not 1"},
                      Bad{"\n\nmove 1 2 3\n", "line 3: 'move' takes 2 arguments, not 3"},
                      Bad{"click 1 -2\n", "line 1: '-2' is not a number"},
                      Bad{"wait soon\n", "line 1: 'soon' is not a number"},
                      Bad{"key NOPE\n", "line 1: unknown key 'NOPE'"},
                      Bad{"key A 0\n", "line 1: a key count is from 1 to 1000"},
                      Bad{"type\n", "line 1: 'type' needs the text to type"},
                      Bad{"button quit\n", "line 1: no toolbar button 'quit' (edit, hide, add, up, down)"},
                      Bad{"clickon sky\n", "line 1: no control 'sky' (grid, combo, log, lines, details-...)"},
                      Bad{"splitter top 4\n", "line 1: no splitter 'top' (main, side)"},
                      Bad{"wheel grid 0\n", "line 1: a wheel turn is from 1 to 100 notches either way"},
                      Bad{"wheel sky -1\n", "line 1: no control 'sky' (grid, combo, log, lines, details-...)"},
                      Bad{"shot ../x\n", "line 1: a shot name has letters, digits, '-' and '_' only"},
                      Bad{"wait 9999999\n", "line 1: a wait is at most 600000 ms"},
                      Bad{"click 1 2\x01\n", "line 1: control character in the line"},
                      Bad{"click 1234567890 1\n", "line 1: '1234567890' is not a number"}));

TEST(GalleryScript, TheBuiltInScriptParses) {
    std::vector<Command> cmds;
    std::string error;
    ASSERT_TRUE(ParseScript(gallery::BuiltInScript(), cmds, error)) << error;
    EXPECT_GT(cmds.size(), 10u);
}

TEST(GalleryScript, KeysCarryTheirModifiers) {
    gallery::KeyStroke k;
    ASSERT_TRUE(gallery::ParseKey("shift+ctrl+TAB", k));
    EXPECT_EQ(k.vk, VK_TAB);
    EXPECT_TRUE(k.shift);
    EXPECT_TRUE(k.ctrl);
    EXPECT_FALSE(k.alt);
    ASSERT_TRUE(gallery::ParseKey("7", k));
    EXPECT_EQ(k.vk, '7');
    EXPECT_FALSE(gallery::ParseKey("ctrl+", k));
    EXPECT_FALSE(gallery::ParseKey("", k));
}

}  // namespace
