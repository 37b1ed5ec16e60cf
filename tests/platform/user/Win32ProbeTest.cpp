// A console program written as for Win32 (tests/platform/user/probe) builds
// against the platform's <windows.h> alone and prints what the everyday
// kernel and string calls answer; the whole output is compared here with
// what Windows answers.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "RunProgram.h"
#include "VorTestHost.h"

namespace {

TEST(Win32Probe, EverydayWindowsNamesAnswerAsOnWindows)
{
    const vor::test::ProgramRun run = vor::test::RunProgram(VOR_WIN32_PROBE);
    ASSERT_TRUE(run.bExited);
    EXPECT_EQ(run.nExitCode, 0);
    EXPECT_SEQUENCE((std::vector<std::string>{
                        "ZeroMemory: 0",
                        "MoveMemory: ababcdef",
                        "FillMemory: zzzbcdef",
                        "SecureZeroMemory: 1",
                        "ARRAYSIZE: 12",
                        "FIELD_OFFSET: 4",
                        "CONTAINING_RECORD: 1",
                        "lstrlen: 12",
                        "lstrcpyn: trun",
                        // Sorted as the locale sorts, not by byte value.
                        "lstrcmp apple Banana: -1",
                        "lstrcmp abc ABC: -1",
                        "lstrcmp a_b a1b: -1",
                        "lstrcmp ab abc: -1",
                        "lstrcmpi ABC abc: 0",
                        "lstrcmpi b A: 1",
                        "CharUpper: MIXED CASE 9",
                        "CharLower: mixed case 9",
                        "IsCharAlpha: 1",
                        "wsprintf widths: [   42|42   |-0042]",
                        "wsprintf hex: [ff|FF|0xff|0000BEEF]",
                        "wsprintf misc: [abc|Q|4000000000|4464]",
                        "wsprintf precision: [0|0007|-1234567890123]",
                        "wsprintf no floats: [%|f|f]",
                        "wsprintf limit: 1023",
                        "wsprintf limit zero: 1",
                        // Halves round away from zero; overflow and a zero
                        // divisor answer -1.
                        "MulDiv 7 1 2: 4",
                        "MulDiv -7 1 2: -4",
                        "MulDiv 10 3 4: 8",
                        "MulDiv 0x7FFFFFFF 2 2: 2147483647",
                        "MulDiv 1 1 0: -1",
                        "MulDiv overflow: -1",
                        "SUCCEEDED: 1",
                        "INVALID_HANDLE_VALUE: -1",
                        "HeapAlloc: 1",
                        "HeapReAlloc: 1",
                        "HeapFree: 1",
                        "TryEnterCriticalSection: 1",
                        "InterlockedExchange: 509",
                        "InterlockedCompareExchange: 901",
                        "InterlockedExchangeAdd: 105",
                        "QueryPerformanceFrequency: 1000000",
                        "QueryPerformanceCounter: 1",
                        "GetSystemTime: 1",
                        "GetLocalTime: 1",
                        "GetTickCount64: 1",
                    }),
                    run.lines);
}

}  // namespace
