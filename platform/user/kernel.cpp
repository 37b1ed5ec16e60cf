// Kernel services: the clock, the last error, the lstr* and wsprintf
// helpers, process and thread ids, and global memory blocks.
#include <strings.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "user/user_state.h"

namespace {

// The library is loaded with the program, never opened later, so its
// thread-local data can live in the initial block (no lookup call on each
// use; the error is set on many calls).
thread_local DWORD t_lastError __attribute__((tls_model("initial-exec"))) = 0;

// Where a byte sorts for lstrcmpA: punctuation and spaces, then digits, then
// letters (as their lower case), then the bytes of the upper half.
int SortKey(unsigned char c)
{
    if (c >= 0x80)
        return 0x300 + c;
    if (isalpha(c))
        return 0x200 + tolower(c);
    if (isdigit(c))
        return 0x100 + c;
    return c;
}

struct GlobalBlock {
    std::vector<char> bytes;
    UINT flags = 0;
    int locks = 0;
};

// Blocks are checked handles whose values are never reused.
std::map<uintptr_t, GlobalBlock>& Blocks()
{
    static std::map<uintptr_t, GlobalBlock> blocks;
    return blocks;
}

uintptr_t& NextBlock()
{
    static uintptr_t next = 0x30010;
    return next;
}

GlobalBlock* FindBlock(HGLOBAL h)
{
    auto it = Blocks().find((uintptr_t)h);
    return it == Blocks().end() ? nullptr : &it->second;
}

}  // namespace

namespace vor::user {

// A reset frees every block, as the end of a process does.
void ResetGlobalMemory()
{
    Blocks().clear();
}

}  // namespace vor::user

extern "C" {

VORAPI DWORD WINAPI GetTickCount(void)
{
    vor::user::S();
    return vor::user::Now();
}

VORAPI void WINAPI Sleep(DWORD)
{
    // The virtual clock moves only through VorAdvanceClock.
}

VORAPI DWORD WINAPI GetLastError(void)
{
    return t_lastError;
}

VORAPI void WINAPI SetLastError(DWORD e)
{
    t_lastError = e;
}

VORAPI int WINAPI lstrlenA(LPCSTR s)
{
    return s ? (int)strlen(s) : 0;
}

VORAPI LPSTR WINAPI lstrcpyA(LPSTR d, LPCSTR s)
{
    if (!d)
        return nullptr;
    strcpy(d, s ? s : "");
    return d;
}

VORAPI LPSTR WINAPI lstrcpynA(LPSTR d, LPCSTR s, int n)
{
    if (!d || n <= 0)
        return d;
    int i = 0;
    if (s)
        for (; i < n - 1 && s[i]; ++i)
            d[i] = s[i];
    d[i] = 0;
    return d;
}

VORAPI LPSTR WINAPI lstrcatA(LPSTR d, LPCSTR s)
{
    if (!d)
        return nullptr;
    strcat(d, s ? s : "");
    return d;
}

VORAPI int WINAPI lstrcmpA(LPCSTR a, LPCSTR b)
{
    const unsigned char* p = (const unsigned char*)(a ? a : "");
    const unsigned char* q = (const unsigned char*)(b ? b : "");
    // First the letters without regard to case; the first difference of
    // case decides only between otherwise equal strings.
    int caseOrder = 0;
    for (;; ++p, ++q) {
        if (*p == 0 || *q == 0) {
            if (*p != *q)
                return *p == 0 ? -1 : 1;
            return caseOrder;
        }
        const int kp = SortKey(*p), kq = SortKey(*q);
        if (kp != kq)
            return kp < kq ? -1 : 1;
        if (caseOrder == 0 && *p != *q)
            caseOrder = islower(*p) ? -1 : 1;  // the lower-case letter first
    }
}

VORAPI int WINAPI lstrcmpiA(LPCSTR a, LPCSTR b)
{
    int r = strcasecmp(a ? a : "", b ? b : "");
    return r < 0 ? -1 : r > 0 ? 1 : 0;
}

VORAPI int wvsprintfA(LPSTR out, LPCSTR fmt, va_list args)
{
    if (!out || !fmt)
        return 0;
    va_list copy;
    va_copy(copy, args);
    std::string text = vor::user::FormatWsprintf(fmt, copy);
    va_end(copy);
    // The buffer is at most 1024 bytes, the terminating zero included.
    if (text.size() > 1023)
        text.resize(1023);
    memcpy(out, text.c_str(), text.size() + 1);
    return (int)text.size();
}

VORAPI int wsprintfA(LPSTR out, LPCSTR fmt, ...)
{
    va_list args;
    va_start(args, fmt);
    int n = wvsprintfA(out, fmt, args);
    va_end(args);
    return n;
}

VORAPI void WINAPI OutputDebugStringA(LPCSTR)
{
    // No debugger to receive it.
}

VORAPI int WINAPI MulDiv(int a, int b, int c)
{
    if (c == 0)
        return -1;
    long long p = (long long)a * b;
    // Rounded half away from zero.
    long long q = p / c, r = p % c;
    if (2 * std::llabs(r) >= std::llabs((long long)c))
        q += ((p < 0) != (c < 0)) ? -1 : 1;
    if (q > 0x7FFFFFFF || q < -0x7FFFFFFFLL - 1)
        return -1;
    return (int)q;
}

VORAPI PVOID WINAPI SecureZeroMemory(PVOID ptr, SIZE_T cnt)
{
    volatile char* p = (volatile char*)ptr;
    while (p && cnt--)
        *p++ = 0;
    return ptr;
}

VORAPI LONG WINAPI InterlockedExchange(LONG volatile* p, LONG value)
{
    return p ? __atomic_exchange_n(p, value, __ATOMIC_SEQ_CST) : 0;
}

VORAPI LONG WINAPI InterlockedExchangeAdd(LONG volatile* p, LONG value)
{
    return p ? __atomic_fetch_add(p, value, __ATOMIC_SEQ_CST) : 0;
}

VORAPI LONG WINAPI InterlockedCompareExchange(LONG volatile* p, LONG exchange, LONG comparand)
{
    if (!p)
        return 0;
    __atomic_compare_exchange_n(p, &comparand, exchange, false, __ATOMIC_SEQ_CST, __ATOMIC_SEQ_CST);
    return comparand;  // the value it held
}

VORAPI DWORD WINAPI GetCurrentThreadId(void)
{
    return (DWORD)syscall(SYS_gettid);
}

VORAPI DWORD WINAPI GetCurrentProcessId(void)
{
    return (DWORD)getpid();
}

VORAPI LONG WINAPI InterlockedIncrement(LONG volatile* p)
{
    return p ? __atomic_add_fetch(p, 1, __ATOMIC_SEQ_CST) : 0;
}

VORAPI LONG WINAPI InterlockedDecrement(LONG volatile* p)
{
    return p ? __atomic_sub_fetch(p, 1, __ATOMIC_SEQ_CST) : 0;
}

VORAPI HGLOBAL WINAPI GlobalAlloc(UINT flags, SIZE_T bytes)
{
    if (bytes > ((SIZE_T)1 << 31)) {
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return nullptr;
    }
    uintptr_t h = NextBlock();
    NextBlock() += 8;
    GlobalBlock& b = Blocks()[h];
    b.bytes.assign(bytes, 0);
    b.flags = flags;
    return (HGLOBAL)h;
}

VORAPI HGLOBAL WINAPI GlobalReAlloc(HGLOBAL h, SIZE_T bytes, UINT flags)
{
    GlobalBlock* b = FindBlock(h);
    if (!b || bytes > ((SIZE_T)1 << 31)) {
        SetLastError(ERROR_INVALID_HANDLE);
        return nullptr;
    }
    b->bytes.resize(bytes, 0);
    return h;
}

VORAPI LPVOID WINAPI GlobalLock(HGLOBAL h)
{
    GlobalBlock* b = FindBlock(h);
    if (!b) {
        SetLastError(ERROR_INVALID_HANDLE);
        return nullptr;
    }
    b->locks++;
    // A zero-sized block has no memory to hand out.
    return b->bytes.empty() ? nullptr : b->bytes.data();
}

VORAPI BOOL WINAPI GlobalUnlock(HGLOBAL h)
{
    GlobalBlock* b = FindBlock(h);
    if (!b) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    if (b->locks > 0)
        b->locks--;
    SetLastError(NO_ERROR);
    return b->locks > 0;
}

VORAPI HGLOBAL WINAPI GlobalFree(HGLOBAL h)
{
    if (!h)
        return nullptr;
    auto it = Blocks().find((uintptr_t)h);
    if (it == Blocks().end()) {
        SetLastError(ERROR_INVALID_HANDLE);
        return h;
    }
    Blocks().erase(it);
    return nullptr;
}

VORAPI SIZE_T WINAPI GlobalSize(HGLOBAL h)
{
    GlobalBlock* b = FindBlock(h);
    if (!b) {
        SetLastError(ERROR_INVALID_HANDLE);
        return 0;
    }
    return b->bytes.size();
}

}  // extern "C"
