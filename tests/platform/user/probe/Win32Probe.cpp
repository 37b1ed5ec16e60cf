// A small console program written as for Win32, with nothing but
// <windows.h> and the C library: the everyday names such a program uses
// without thinking. It prints one line a check; the test that runs it
// compares the whole output.
#include <windows.h>
#include <stdio.h>

struct RECORD {
    int nFirst;
    char szName[12];
    LONG lValue;
};

static void Show(LPCSTR pszWhat, LPCSTR pszValue)
{
    printf("%s: %s\n", pszWhat, pszValue);
}

static void ShowInt(LPCSTR pszWhat, LONGLONG n)
{
    char sz[64];
    wsprintf(sz, TEXT("%I64d"), n);
    Show(pszWhat, sz);
}

static int Sign(int n)
{
    return n < 0 ? -1 : n > 0 ? 1 : 0;
}

int main(int argc, char* argv[])
{
    UNREFERENCED_PARAMETER(argc);
    UNREFERENCED_PARAMETER(argv);

    // Memory blocks.
    RECORD rec;
    FillMemory(&rec, sizeof(rec), 0xAB);
    ZeroMemory(&rec, sizeof(rec));
    ShowInt("ZeroMemory", rec.nFirst + rec.lValue + rec.szName[5]);
    CopyMemory(rec.szName, "abcdefgh", 9);
    MoveMemory(rec.szName + 2, rec.szName, 6);  // overlapping
    Show("MoveMemory", rec.szName);
    FillMemory(rec.szName, 3, 'z');
    Show("FillMemory", rec.szName);
    char szSecret[8] = "secret";
    ShowInt("SecureZeroMemory", SecureZeroMemory(szSecret, sizeof(szSecret)) == szSecret && szSecret[0] == 0 &&
                                    szSecret[5] == 0);
    ShowInt("ARRAYSIZE", ARRAYSIZE(rec.szName));
    ShowInt("FIELD_OFFSET", FIELD_OFFSET(RECORD, szName));
    RECORD* pBack = CONTAINING_RECORD(&rec.lValue, RECORD, lValue);
    ShowInt("CONTAINING_RECORD", pBack == &rec);

    // Strings.
    TCHAR szBuf[32];
    lstrcpy(szBuf, TEXT("Hello"));
    lstrcat(szBuf, TEXT(", world"));
    ShowInt("lstrlen", lstrlen(szBuf));
    lstrcpyn(szBuf, TEXT("truncated"), 5);
    Show("lstrcpyn", szBuf);
    ShowInt("lstrcmp apple Banana", Sign(lstrcmp("apple", "Banana")));
    ShowInt("lstrcmp abc ABC", Sign(lstrcmp("abc", "ABC")));
    ShowInt("lstrcmp a_b a1b", Sign(lstrcmp("a_b", "a1b")));
    ShowInt("lstrcmp ab abc", Sign(lstrcmp("ab", "abc")));
    ShowInt("lstrcmpi ABC abc", lstrcmpi("ABC", "abc"));
    ShowInt("lstrcmpi b A", Sign(lstrcmpi("b", "A")));
    lstrcpy(szBuf, TEXT("Mixed Case 9"));
    CharUpper(szBuf);
    Show("CharUpper", szBuf);
    CharLower(szBuf);
    Show("CharLower", szBuf);
    ShowInt("IsCharAlpha", IsCharAlpha('q') && !IsCharAlpha('7') && IsCharAlphaNumeric('7'));

    // wsprintf: the Windows format, not printf's.
    wsprintf(szBuf, "[%5d|%-5d|%05d]", 42, 42, -42);
    Show("wsprintf widths", szBuf);
    wsprintf(szBuf, "[%x|%X|%#x|%08lX]", 255, 255, 255, 0xBEEFUL);
    Show("wsprintf hex", szBuf);
    wsprintf(szBuf, "[%.3s|%c|%u|%hd]", "abcdef", 'Q', 4000000000U, 70000);
    Show("wsprintf misc", szBuf);
    wsprintf(szBuf, "[%.0d|%.4d|%I64d]", 0, 7, -1234567890123LL);
    Show("wsprintf precision", szBuf);
    wsprintf(szBuf, "[%%|%f|%5.1f]", 1.5);
    Show("wsprintf no floats", szBuf);
    char szLong[1100];
    char szOut[1100];
    FillMemory(szLong, 1099, 'x');
    szLong[1099] = 0;
    FillMemory(szOut, sizeof(szOut), '#');
    ShowInt("wsprintf limit", wsprintf(szOut, "%s", szLong));
    ShowInt("wsprintf limit zero", szOut[1023] == 0 && szOut[1024] == '#');

    // Numbers.
    ShowInt("MulDiv 7 1 2", MulDiv(7, 1, 2));
    ShowInt("MulDiv -7 1 2", MulDiv(-7, 1, 2));
    ShowInt("MulDiv 10 3 4", MulDiv(10, 3, 4));
    ShowInt("MulDiv 0x7FFFFFFF 2 2", MulDiv(0x7FFFFFFF, 2, 2));
    ShowInt("MulDiv 1 1 0", MulDiv(1, 1, 0));
    ShowInt("MulDiv overflow", MulDiv(0x40000000, 4, 1));
    ShowInt("SUCCEEDED", SUCCEEDED(S_OK) && FAILED(E_FAIL) && !FAILED(S_FALSE));
    ShowInt("INVALID_HANDLE_VALUE", (LONG_PTR)INVALID_HANDLE_VALUE);

    // The process heap.
    HANDLE hHeap = GetProcessHeap();
    BYTE* pBlock = (BYTE*)HeapAlloc(hHeap, HEAP_ZERO_MEMORY, 40);
    ShowInt("HeapAlloc", pBlock != NULL && pBlock[39] == 0 && HeapSize(hHeap, 0, pBlock) == 40);
    pBlock[0] = 7;
    pBlock = (BYTE*)HeapReAlloc(hHeap, HEAP_ZERO_MEMORY, pBlock, 80);
    ShowInt("HeapReAlloc", pBlock != NULL && pBlock[0] == 7 && pBlock[79] == 0 && HeapSize(hHeap, 0, pBlock) == 80);
    ShowInt("HeapFree", HeapFree(hHeap, 0, pBlock));

    // Locks and counters.
    CRITICAL_SECTION cs;
    InitializeCriticalSection(&cs);
    EnterCriticalSection(&cs);
    EnterCriticalSection(&cs);  // the owner may enter again
    ShowInt("TryEnterCriticalSection", TryEnterCriticalSection(&cs));
    LeaveCriticalSection(&cs);
    LeaveCriticalSection(&cs);
    LeaveCriticalSection(&cs);
    DeleteCriticalSection(&cs);
    LONG volatile lCount = 5;
    ShowInt("InterlockedExchange", InterlockedExchange(&lCount, 9) * 100 + lCount);
    ShowInt("InterlockedCompareExchange", InterlockedCompareExchange(&lCount, 1, 9) * 100 + lCount);
    ShowInt("InterlockedExchangeAdd", InterlockedExchangeAdd(&lCount, 4) * 100 + lCount);

    // Time.
    LARGE_INTEGER liFrequency, liCount;
    ShowInt("QueryPerformanceFrequency", QueryPerformanceFrequency(&liFrequency) ? liFrequency.QuadPart : 0);
    ShowInt("QueryPerformanceCounter", QueryPerformanceCounter(&liCount) && liCount.QuadPart >= 0);
    SYSTEMTIME st;
    GetSystemTime(&st);
    ShowInt("GetSystemTime", st.wYear >= 2020 && st.wMonth >= 1 && st.wMonth <= 12 && st.wDay >= 1 &&
                                 st.wDay <= 31 && st.wMilliseconds < 1000);
    GetLocalTime(&st);
    ShowInt("GetLocalTime", st.wYear >= 2020 && st.wHour < 24 && st.wDayOfWeek < 7);
    ShowInt("GetTickCount64", GetTickCount64() == GetTickCount());
    return 0;
}
