#include "VORFunction.h"

CVORFunction::CVORFunction() {}

CVORFunction::CVORFunction(const CVORFunction& other) {}

CVORFunction::~CVORFunction() {}

CVORFunction& CVORFunction::operator=(const CVORFunction& other) {
    return *this;
}

namespace {

// Bytes are compared as chars against ASCII only, so a byte from 0x80 up
// (a lead or trail byte of a double-byte character) matches no test below.
bool IsSign(char c) { return c == '+' || c == '-'; }
bool IsNonZeroDigit(char c) { return c >= '1' && c <= '9'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// States shared by both validators; kFraction is reached by reals only.
enum InputState { kStart, kAfterSign, kInNumber, kAfterLeadingZero, kFraction };

// One step of the state machine; returns false when c has no transition.
bool Step(InputState& state, char c, bool bReal) {
    switch (state) {
    case kStart:
    case kAfterSign:
        if (state == kStart && IsSign(c)) {
            state = kAfterSign;
            return true;
        }
        if (c == '0') {
            state = kAfterLeadingZero;
            return true;
        }
        if (IsNonZeroDigit(c)) {
            state = kInNumber;
            return true;
        }
        return false;
    case kInNumber:
        if (IsDigit(c))
            return true;
        if (bReal && c == '.') {
            state = kFraction;
            return true;
        }
        return false;
    case kAfterLeadingZero:
        if (bReal && c == '.') {
            state = kFraction;
            return true;
        }
        return false;
    case kFraction:
        return IsDigit(c);
    }
    return false;
}

int Validate(const CString& str, bool bReal) {
    const char* p = str;
    const int nLength = str.GetLength();
    InputState state = kStart;
    for (int i = 0; i < nLength; i++) {
        if (!Step(state, (char)p[i], bReal))
            return 0;
    }
    return 1;
}

}  // namespace

int CVORFunction::IsInputNum(const CString& str) {
    return Validate(str, false);
}

int CVORFunction::IsInputReal(const CString& str) {
    return Validate(str, true);
}

void CVORFunction::StringToStringArray(const CString& str, CStringArray& array) {
    // Walk the buffer by length rather than by terminator, so the whole text
    // is split whatever it holds.
    const char* p = str;
    const int nLength = str.GetLength();
    int nStart = 0;
    for (int i = 0; i + 1 < nLength; i++) {
        if (p[i] == '\r' && p[i + 1] == '\n') {
            array.Add(CString(p + nStart, i - nStart));
            nStart = i + 2;
            i++;  // the loop's own step skips the line feed
        }
    }
    if (nStart < nLength)
        array.Add(CString(p + nStart, nLength - nStart));
}
