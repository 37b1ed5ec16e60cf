// The wsprintf format: %[-][#][0][width][.precision][size]type, with size
// h (16 bits), l (32 bits, as a Win32 LONG) or I64, and types c C d i u x X
// p s S. It is not printf's: no floating point, no '+', ' ' or '*', and a
// percent sign followed by anything else writes that character.
#include <cstdint>
#include <string>

#include "user/user_state.h"

namespace vor::user {

namespace {

enum class Size { Default, Short, Long, Wide64 };

struct Spec {
    bool left = false;
    bool prefix = false;
    bool zero = false;
    int width = 0;
    int precision = -1;  // none given
    Size size = Size::Default;
};

// Pads `body` (with `sign` before it) to the field width.
void Emit(std::string& out, const Spec& spec, const std::string& sign, const std::string& body)
{
    const int len = (int)(sign.size() + body.size());
    const int pad = spec.width > len ? spec.width - len : 0;
    if (spec.left) {
        out += sign + body;
        out.append((size_t)pad, ' ');
    } else if (spec.zero) {
        out += sign;
        out.append((size_t)pad, '0');
        out += body;
    } else {
        out.append((size_t)pad, ' ');
        out += sign + body;
    }
}

std::string Digits(uint64_t value, unsigned base, bool upper, int precision)
{
    const char* digits = upper ? "0123456789ABCDEF" : "0123456789abcdef";
    std::string s;
    do {
        s.insert(s.begin(), digits[value % base]);
        value /= base;
    } while (value != 0);
    // A precision is a minimum count of digits; none, or 0, means 1.
    if (precision > (int)s.size())
        s.insert(0, (size_t)(precision - (int)s.size()), '0');
    return s;
}

// One wide character in the ANSI code page.
std::string Narrow(const WCHAR* text, int count)
{
    if (text == nullptr || count == 0)
        return std::string();
    int n = WideCharToMultiByte(CP_ACP, 0, text, count, nullptr, 0, nullptr, nullptr);
    if (n <= 0)
        return std::string();
    std::string s((size_t)n, '\0');
    WideCharToMultiByte(CP_ACP, 0, text, count, &s[0], n, nullptr, nullptr);
    if (count < 0 && !s.empty() && s.back() == 0)
        s.pop_back();
    return s;
}

}  // namespace

std::string FormatWsprintf(const char* format, va_list args)
{
    std::string out;
    for (const char* p = format; *p != 0; ++p) {
        if (*p != '%') {
            out += *p;
            continue;
        }
        ++p;
        Spec spec;
        for (;; ++p) {
            if (*p == '-')
                spec.left = true;
            else if (*p == '#')
                spec.prefix = true;
            else if (*p == '0')
                spec.zero = true;
            else
                break;
        }
        while (*p >= '0' && *p <= '9')
            spec.width = spec.width * 10 + (*p++ - '0');
        if (*p == '.') {
            ++p;
            spec.precision = 0;
            while (*p >= '0' && *p <= '9')
                spec.precision = spec.precision * 10 + (*p++ - '0');
        }
        if (*p == 'h') {
            spec.size = Size::Short;
            ++p;
        } else if (*p == 'l') {
            spec.size = Size::Long;
            ++p;
        } else if (p[0] == 'I' && p[1] == '6' && p[2] == '4') {
            spec.size = Size::Wide64;
            p += 3;
        }
        if (*p == 0)
            break;
        const char type = *p;
        switch (type) {
        case 'c':
        case 'C': {
            // In this narrow form c is a byte and C a wide character; h and
            // l choose the narrow or the wide one explicitly.
            const bool wide = spec.size == Size::Long || (type == 'C' && spec.size != Size::Short);
            const int value = va_arg(args, int);
            if (wide) {
                const WCHAR ch = (WCHAR)value;
                Emit(out, spec, "", Narrow(&ch, 1));
            } else {
                Emit(out, spec, "", std::string(1, (char)value));
            }
            break;
        }
        case 's':
        case 'S': {
            const bool wide = spec.size == Size::Long || (type == 'S' && spec.size != Size::Short);
            std::string text;
            if (wide) {
                const WCHAR* w = va_arg(args, const WCHAR*);
                text = w ? Narrow(w, -1) : std::string("(null)");
            } else {
                const char* a = va_arg(args, const char*);
                text = a ? std::string(a) : std::string("(null)");
            }
            // For strings the precision is the most characters copied.
            if (spec.precision >= 0 && (int)text.size() > spec.precision)
                text.resize((size_t)spec.precision);
            Emit(out, spec, "", text);
            break;
        }
        case 'd':
        case 'i':
        case 'u':
        case 'x':
        case 'X': {
            const bool isSigned = type == 'd' || type == 'i';
            int64_t sv = 0;
            uint64_t uv = 0;
            if (spec.size == Size::Wide64) {
                const uint64_t raw = va_arg(args, unsigned long long);
                sv = (int64_t)raw;
                uv = raw;
            } else {
                // Default, h and l all take an int's slot; l is 32 bits as
                // a Win32 LONG is.
                const unsigned int raw = va_arg(args, unsigned int);
                if (spec.size == Size::Short) {
                    sv = (int16_t)raw;
                    uv = (uint16_t)raw;
                } else {
                    sv = (int32_t)raw;
                    uv = raw;
                }
            }
            std::string sign;
            if (isSigned && sv < 0) {
                sign = "-";
                uv = (uint64_t)0 - (uint64_t)sv;
            } else if (isSigned) {
                uv = (uint64_t)sv;
            }
            const int precision = spec.precision > 0 ? spec.precision : 1;
            if (type == 'x' || type == 'X') {
                if (spec.prefix)
                    sign = type == 'x' ? "0x" : "0X";
                Emit(out, spec, sign, Digits(uv, 16, type == 'X', precision));
            } else {
                Emit(out, spec, sign, Digits(uv, 10, false, precision));
            }
            break;
        }
        case 'p': {
            // A pointer: all its hexadecimal digits, in capitals.
            const uintptr_t value = (uintptr_t)va_arg(args, void*);
            Emit(out, spec, "", Digits(value, 16, true, (int)(2 * sizeof(void*))));
            break;
        }
        default:
            // Not a type: the character itself (so "%%" writes one '%').
            out += type;
            break;
        }
    }
    return out;
}

}  // namespace vor::user
