// The checks shared by the fuzz targets and by the seed replay test: each
// runs one library routine on a byte string and compares its answer with a
// second formulation of the same rules written here independently, in a
// different shape (decomposition of the text into its parts, a regular
// expression, a splitter built on std::string::find, a printer and re-parser
// for scripts). Each answers an empty string when everything agrees, else a
// description of the disagreement.
#pragma once

#include <afx.h>
#include <afxcoll.h>

#include <regex>
#include <string>
#include <vector>

#include "VORFunction.h"

#if __has_include("Script.h")
#include "Script.h"
#define VOR_FUZZ_HAVE_SCRIPT 1
#endif

namespace vor::fuzz {

inline std::string Printable(const std::string& s) {
    static const char kHex[] = "0123456789abcdef";
    std::string out;
    for (unsigned char c : s) {
        if (c >= 0x20 && c < 0x7f && c != '\\') {
            out += (char)c;
        } else {
            out += "\\x";
            out += kHex[c >> 4];
            out += kHex[c & 15];
        }
    }
    return out;
}

// ---- Number texts by decomposition ----------------------------------------
// A text being typed is: an optional sign, then an integer part that is
// empty, "0", or a non-zero digit followed by digits; a real may add a point
// and digits, but only after a non-empty integer part.

inline bool AllDigits(const std::string& s) {
    for (char c : s)
        if (c < '0' || c > '9') return false;
    return true;
}

inline bool IntegerPartOk(const std::string& s) {
    if (s.empty() || s == "0") return true;
    return s[0] != '0' && AllDigits(s);
}

inline bool NumByParts(std::string s) {
    if (!s.empty() && (s[0] == '+' || s[0] == '-')) s.erase(0, 1);
    return IntegerPartOk(s);
}

inline bool RealByParts(std::string s) {
    if (!s.empty() && (s[0] == '+' || s[0] == '-')) s.erase(0, 1);
    const size_t dot = s.find('.');
    if (dot == std::string::npos) return IntegerPartOk(s);
    const std::string whole = s.substr(0, dot), fraction = s.substr(dot + 1);
    return !whole.empty() && IntegerPartOk(whole) && AllDigits(fraction);
}

// ---- The same languages as regular expressions ----------------------------
// libstdc++'s matcher recurses per character, so very long texts are left
// to the decomposition above.
constexpr size_t kRegexLimit = 300;

inline bool RegexMatch(const std::string& s, const std::regex& re) {
    return std::regex_match(s, re);
}

inline const std::regex& NumRegex() {
    static const std::regex re("[+-]?(0|[1-9][0-9]*)?", std::regex::ECMAScript);
    return re;
}

inline const std::regex& RealRegex() {
    static const std::regex re("[+-]?((0|[1-9][0-9]*)(\\.[0-9]*)?)?", std::regex::ECMAScript);
    return re;
}

// A CString ends at its first zero byte (the platform's strings always agree
// with strlen), so the routines see the text up to there.
inline std::string TextOf(const std::string& bytes) { return bytes.substr(0, bytes.find('\0')); }

inline std::string CheckValidator(const std::string& input, bool bReal) {
    const std::string bytes = TextOf(input);
    const CString str(input.data(), (int)input.size());
    if (str.GetLength() != (int)bytes.size()) return "CString holds another length for " + Printable(input);
    const int got = bReal ? CVORFunction::IsInputReal(str) : CVORFunction::IsInputNum(str);
    const bool byParts = bReal ? RealByParts(bytes) : NumByParts(bytes);
    const char* name = bReal ? "IsInputReal" : "IsInputNum";
    if (got != 0 && got != 1) return std::string(name) + " answered " + std::to_string(got);
    if ((got == 1) != byParts)
        return std::string(name) + "(\"" + Printable(bytes) + "\") = " + std::to_string(got) +
               ", the decomposition says " + (byParts ? "1" : "0");
    if (bytes.size() <= kRegexLimit) {
        const bool byRegex = RegexMatch(bytes, bReal ? RealRegex() : NumRegex());
        if (byRegex != byParts)
            return std::string(name) + "(\"" + Printable(bytes) + "\"): the regular expression says " +
                   (byRegex ? "1" : "0");
    }
    // Every accepted integer text is an accepted real text.
    if (!bReal && got == 1 && CVORFunction::IsInputReal(str) != 1)
        return "IsInputReal refuses the integer text \"" + Printable(bytes) + "\"";
    return std::string();
}

inline std::string CheckInputNum(const std::string& bytes) { return CheckValidator(bytes, false); }
inline std::string CheckInputReal(const std::string& bytes) { return CheckValidator(bytes, true); }

// ---- Choice strings --------------------------------------------------------

// Pieces between "\r\n" found with std::string::find; an empty rest after
// the last separator is not a piece.
inline std::vector<std::string> SplitByFind(const std::string& s) {
    std::vector<std::string> pieces;
    size_t from = 0;
    for (;;) {
        const size_t at = s.find("\r\n", from);
        if (at == std::string::npos) break;
        pieces.push_back(s.substr(from, at - from));
        from = at + 2;
    }
    if (from < s.size()) pieces.push_back(s.substr(from));
    return pieces;
}

inline std::string CheckSplit(const std::string& input) {
    const std::string bytes = TextOf(input);
    CStringArray array;
    array.Add("first");
    array.Add("second");
    const CString str(input.data(), (int)input.size());
    CVORFunction::StringToStringArray(str, array);

    const std::vector<std::string> want = SplitByFind(bytes);
    if (array.GetSize() != (int)want.size() + 2)
        return "StringToStringArray(\"" + Printable(bytes) + "\") gave " + std::to_string(array.GetSize() - 2) +
               " pieces, expected " + std::to_string(want.size());
    if (array[0] != "first" || array[1] != "second") return "the strings already in the array changed";
    std::string joined;
    for (size_t i = 0; i < want.size(); ++i) {
        const CString& got = array[(int)i + 2];
        const std::string piece(static_cast<const char*>(got), (size_t)got.GetLength());
        if (piece != want[i])
            return "piece " + std::to_string(i) + " of \"" + Printable(bytes) + "\" is \"" + Printable(piece) +
                   "\", expected \"" + Printable(want[i]) + "\"";
        // A piece never holds the separator.
        if (piece.find("\r\n") != std::string::npos) return "piece " + std::to_string(i) + " holds CR LF";
        if (i) joined += "\r\n";
        joined += piece;
    }
    // Joining the pieces gives the text back, less one trailing separator.
    std::string expect = bytes;
    if (expect.size() >= 2 && expect.compare(expect.size() - 2, 2, "\r\n") == 0) expect.resize(expect.size() - 2);
    if (!want.empty() && joined != expect) return "the pieces of \"" + Printable(bytes) + "\" do not join back";
    return std::string();
}

// ---- Scripts ---------------------------------------------------------------
#ifdef VOR_FUZZ_HAVE_SCRIPT

// A script's commands printed back as script text, one command a line.
inline std::string PrintScript(const std::vector<gallery::Command>& commands) {
    std::string text;
    for (const gallery::Command& c : commands) {
        text += c.name;
        for (const std::string& a : c.args) text += " " + a;
        text += "\n";
    }
    return text;
}

inline bool IsCommandName(const std::string& name) {
    for (const char* n : {"click", "dblclick", "rclick", "move", "drag", "key", "type", "wait", "cell",
                          "cellbutton", "button", "hover", "shot", "clickon", "splitter"})
        if (name == n) return true;
    return false;
}

inline std::string CheckScript(const std::string& bytes) {
    std::vector<gallery::Command> out{gallery::Command{}};  // must be replaced either way
    std::string error;
    const bool ok = gallery::ParseScript(bytes, out, error);
    // Lines as the parser counts them (getline: a final line needs no LF).
    size_t lines = 0;
    for (char c : bytes) lines += c == '\n';
    if (!bytes.empty() && bytes.back() != '\n') ++lines;
    if (!ok) {
        if (!out.empty()) return "a failed parse left commands behind";
        if (error.rfind("line ", 0) != 0) return "error without a line number: " + Printable(error);
        const long n = std::strtol(error.c_str() + 5, nullptr, 10);
        if (n < 1 || (size_t)n > lines) return "error names line " + std::to_string(n) + " of " + std::to_string(lines);
        return std::string();
    }
    int previous = 0;
    for (const gallery::Command& c : out) {
        if (c.line <= previous || (size_t)c.line > lines) return "command line numbers out of order: " + c.name;
        previous = c.line;
        if (!IsCommandName(c.name)) return "unknown command accepted: " + Printable(c.name);
        for (const std::string& a : c.args) {
            if (a.empty()) return "an empty argument of " + c.name;
            for (unsigned char ch : a)
                if (ch < 0x20 && ch != '\t') return "a control character in an argument of " + c.name;
        }
        if (c.name == "type" && c.args.size() != 1) return "type without exactly one text";
        if (c.name != "type")
            for (const std::string& a : c.args)
                if (a.find_first_of(" \t") != std::string::npos) return "an argument with blanks: " + Printable(a);
    }
    // The printed form parses to the same commands.
    const std::string printed = PrintScript(out);
    std::vector<gallery::Command> again;
    std::string error2;
    if (!gallery::ParseScript(printed, again, error2))
        return "the printed script \"" + Printable(printed) + "\" fails: " + error2;
    if (again.size() != out.size()) return "the printed script has another number of commands";
    for (size_t i = 0; i < out.size(); ++i) {
        if (again[i].name != out[i].name || again[i].args != out[i].args)
            return "command " + std::to_string(i) + " (" + out[i].name + ") changes when printed and parsed again";
        if (again[i].line != (int)i + 1) return "the printed script numbers its lines differently";
        for (size_t k = 0; k < out[i].args.size(); ++k)
            if (again[i].Int(k) != out[i].Int(k)) return "a number changes when printed";
    }
    return std::string();
}
#endif

}  // namespace vor::fuzz
