// Parsing of the gallery's scripts.
#include "Script.h"

#include <windows.h>

#include <cctype>
#include <climits>
#include <cstdlib>
#include <sstream>

namespace gallery {
namespace {

struct Spec {
    const char* name;
    int numbers;    // how many numeric arguments
    int words;      // how many word arguments before the numbers
    bool optionalLast;  // the last number may be left out
    bool rest;      // takes the rest of the line as text
    bool negative = false;  // the numbers may be negative
};

const Spec kSpecs[] = {
    {"click", 2, 0, false, false},      {"dblclick", 2, 0, false, false}, {"rclick", 2, 0, false, false},
    {"move", 2, 0, false, false},       {"drag", 4, 0, false, false},     {"key", 1, 1, true, false},
    {"type", 0, 0, false, true},        {"wait", 1, 0, false, false},     {"cell", 2, 0, false, false},
    {"cellbutton", 2, 0, false, false}, {"button", 0, 1, false, false},   {"hover", 1, 1, false, false},
    {"shot", 0, 1, false, false},       {"clickon", 0, 1, false, false},  {"splitter", 1, 1, false, false, true},
    {"wheel", 1, 1, false, false, true},
};

const Spec* FindSpec(const std::string& name) {
    for (const Spec& s : kSpecs)
        if (name == s.name) return &s;
    return nullptr;
}

bool ParseNumber(const std::string& word, int& out, bool negative) {
    size_t i = (negative && !word.empty() && word[0] == '-') ? 1 : 0;
    if (word.size() <= i || word.size() - i > 9) return false;
    for (size_t k = i; k < word.size(); ++k)
        if (!std::isdigit((unsigned char)word[k])) return false;
    out = std::atoi(word.c_str());
    return true;
}

std::string Lower(std::string s) {
    for (char& c : s) c = (char)std::tolower((unsigned char)c);
    return s;
}

std::string Upper(std::string s) {
    for (char& c : s) c = (char)std::toupper((unsigned char)c);
    return s;
}

std::string Fail(int line, const std::string& what) { return "line " + std::to_string(line) + ": " + what; }

}  // namespace

int Command::Int(size_t i) const { return i < args.size() ? std::atoi(args[i].c_str()) : 0; }

bool IsToolbarButton(const std::string& name) {
    for (const char* n : {"edit", "hide", "add", "up", "down"})
        if (name == n) return true;
    return false;
}

bool IsControlName(const std::string& name) {
    for (const char* n : {"grid", "combo", "log", "lines", "details-item", "details-qty", "details-price",
                          "details-unit", "details-lines", "details-ok", "details-cancel"})
        if (name == n) return true;
    return false;
}

bool IsSplitterName(const std::string& name) { return name == "main" || name == "side"; }

bool ParseKey(const std::string& wordIn, KeyStroke& out) {
    out = KeyStroke{};
    std::string word = Upper(wordIn);
    for (;;) {
        if (word.rfind("SHIFT+", 0) == 0) {
            out.shift = true;
            word = word.substr(6);
        } else if (word.rfind("CTRL+", 0) == 0) {
            out.ctrl = true;
            word = word.substr(5);
        } else if (word.rfind("ALT+", 0) == 0) {
            out.alt = true;
            word = word.substr(4);
        } else {
            break;
        }
    }
    if (word.size() == 1 && (std::isupper((unsigned char)word[0]) || std::isdigit((unsigned char)word[0]))) {
        out.vk = (unsigned char)word[0];
        return true;
    }
    static const struct {
        const char* name;
        unsigned char vk;
    } kNames[] = {{"LEFT", VK_LEFT},     {"RIGHT", VK_RIGHT}, {"UP", VK_UP},       {"DOWN", VK_DOWN},
                  {"TAB", VK_TAB},       {"ENTER", VK_RETURN}, {"ESCAPE", VK_ESCAPE}, {"SPACE", VK_SPACE},
                  {"BACK", VK_BACK},     {"DELETE", VK_DELETE}, {"HOME", VK_HOME},  {"END", VK_END},
                  {"PGUP", VK_PRIOR},    {"PGDN", VK_NEXT},   {"F4", VK_F4}};
    for (const auto& k : kNames)
        if (word == k.name) {
            out.vk = k.vk;
            return true;
        }
    return false;
}

bool ParseScript(const std::string& text, std::vector<Command>& out, std::string& error) {
    out.clear();
    std::vector<Command> commands;
    std::istringstream in(text);
    std::string raw;
    int line = 0;
    while (std::getline(in, raw)) {
        ++line;
        if (!raw.empty() && raw.back() == '\r') raw.pop_back();
        size_t start = raw.find_first_not_of(" \t");
        if (start == std::string::npos || raw[start] == '#') continue;
        for (char c : raw)
            if ((unsigned char)c < 0x20 && c != '\t') {
                error = Fail(line, "control character in the line");
                return false;
            }
        std::istringstream words(raw.substr(start));
        Command cmd;
        cmd.line = line;
        words >> cmd.name;
        cmd.name = Lower(cmd.name);
        const Spec* spec = FindSpec(cmd.name);
        if (!spec) {
            error = Fail(line, "unknown command '" + cmd.name + "'");
            return false;
        }
        if (spec->rest) {
            std::string rest;
            std::getline(words, rest);
            size_t b = rest.find_first_not_of(" \t");
            rest = b == std::string::npos ? std::string() : rest.substr(b);
            if (rest.empty()) {
                error = Fail(line, "'" + cmd.name + "' needs the text to type");
                return false;
            }
            cmd.args.push_back(rest);
            commands.push_back(cmd);
            continue;
        }
        std::string w;
        while (words >> w) cmd.args.push_back(w);
        int want = spec->words + spec->numbers;
        int least = spec->optionalLast ? want - 1 : want;
        if ((int)cmd.args.size() < least || (int)cmd.args.size() > want) {
            error = Fail(line, "'" + cmd.name + "' takes " + std::to_string(want) + " argument" +
                                   (want == 1 ? "" : "s") + ", not " + std::to_string(cmd.args.size()));
            return false;
        }
        for (size_t i = (size_t)spec->words; i < cmd.args.size(); ++i) {
            int v;
            if (!ParseNumber(cmd.args[i], v, spec->negative)) {
                error = Fail(line, "'" + cmd.args[i] + "' is not a number");
                return false;
            }
        }
        if (cmd.name == "key") {
            KeyStroke k;
            if (!ParseKey(cmd.args[0], k)) {
                error = Fail(line, "unknown key '" + cmd.args[0] + "'");
                return false;
            }
            if (cmd.args.size() > 1 && (cmd.Int(1) < 1 || cmd.Int(1) > 1000)) {
                error = Fail(line, "a key count is from 1 to 1000");
                return false;
            }
        }
        if ((cmd.name == "button" || cmd.name == "hover") && !IsToolbarButton(Lower(cmd.args[0]))) {
            error = Fail(line, "no toolbar button '" + cmd.args[0] + "' (edit, hide, add, up, down)");
            return false;
        }
        if (cmd.name == "button" || cmd.name == "hover") cmd.args[0] = Lower(cmd.args[0]);
        if (cmd.name == "wheel" && (cmd.Int(1) == 0 || cmd.Int(1) < -100 || cmd.Int(1) > 100)) {
            error = Fail(line, "a wheel turn is from 1 to 100 notches either way");
            return false;
        }
        if (cmd.name == "clickon" || cmd.name == "splitter" || cmd.name == "wheel") {
            cmd.args[0] = Lower(cmd.args[0]);
            bool ok = cmd.name == "splitter" ? IsSplitterName(cmd.args[0]) : IsControlName(cmd.args[0]);
            if (!ok) {
                error = Fail(line, cmd.name == "splitter" ? "no splitter '" + cmd.args[0] + "' (main, side)"
                                                          : "no control '" + cmd.args[0] + "' (grid, combo, log, lines, details-...)");
                return false;
            }
        }
        if (cmd.name == "shot") {
            for (char c : cmd.args[0])
                if (!std::isalnum((unsigned char)c) && c != '-' && c != '_') {
                    error = Fail(line, "a shot name has letters, digits, '-' and '_' only");
                    return false;
                }
        }
        if (cmd.name == "wait" && cmd.Int(0) > 600000) {
            error = Fail(line, "a wait is at most 600000 ms");
            return false;
        }
        commands.push_back(cmd);
    }
    out = std::move(commands);
    return true;
}

}  // namespace gallery
