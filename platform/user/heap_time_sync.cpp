// The process heap, the clock calls beyond GetTickCount, the calendar, and
// critical sections.
#include <sys/time.h>

#include <cstdlib>
#include <cstring>
#include <ctime>
#include <mutex>
#include <new>

#include "user/user_state.h"

namespace {

// Each block carries its size in front of it, so that HeapSize can answer;
// the header keeps the block aligned for any type.
struct alignas(std::max_align_t) BlockHeader {
    SIZE_T size;
};

const HANDLE kProcessHeap = (HANDLE)(uintptr_t)0x000A0000;

BlockHeader* HeaderOf(LPCVOID p)
{
    return p ? (BlockHeader*)p - 1 : nullptr;
}

// The system's wall clock, in local time or in UTC.
void ReadCalendar(LPSYSTEMTIME st, bool local)
{
    if (!st)
        return;
    struct timeval tv;
    gettimeofday(&tv, nullptr);
    struct tm t;
    if (local)
        localtime_r(&tv.tv_sec, &t);
    else
        gmtime_r(&tv.tv_sec, &t);
    st->wYear = (WORD)(t.tm_year + 1900);
    st->wMonth = (WORD)(t.tm_mon + 1);
    st->wDayOfWeek = (WORD)t.tm_wday;
    st->wDay = (WORD)t.tm_mday;
    st->wHour = (WORD)t.tm_hour;
    st->wMinute = (WORD)t.tm_min;
    st->wSecond = (WORD)t.tm_sec;
    st->wMilliseconds = (WORD)(tv.tv_usec / 1000);
}

std::recursive_mutex* LockOf(LPCRITICAL_SECTION cs)
{
    return cs ? (std::recursive_mutex*)cs->DebugInfo : nullptr;
}

}  // namespace

extern "C" {

VORAPI HANDLE WINAPI GetProcessHeap(void)
{
    return kProcessHeap;
}

VORAPI LPVOID WINAPI HeapAlloc(HANDLE heap, DWORD flags, SIZE_T bytes)
{
    if (heap != kProcessHeap || bytes > ((SIZE_T)1 << 40)) {
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return nullptr;
    }
    auto* h = (BlockHeader*)((flags & HEAP_ZERO_MEMORY) ? calloc(1, sizeof(BlockHeader) + bytes)
                                                         : malloc(sizeof(BlockHeader) + bytes));
    if (!h) {
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return nullptr;
    }
    h->size = bytes;
    return h + 1;
}

VORAPI LPVOID WINAPI HeapReAlloc(HANDLE heap, DWORD flags, LPVOID mem, SIZE_T bytes)
{
    if (heap != kProcessHeap || !mem || bytes > ((SIZE_T)1 << 40)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    BlockHeader* old = HeaderOf(mem);
    const SIZE_T oldSize = old->size;
    if (flags & HEAP_REALLOC_IN_PLACE_ONLY) {
        if (bytes > oldSize) {
            SetLastError(ERROR_NOT_ENOUGH_MEMORY);
            return nullptr;
        }
        old->size = bytes;
        return mem;
    }
    auto* h = (BlockHeader*)realloc(old, sizeof(BlockHeader) + bytes);
    if (!h) {
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return nullptr;  // the old block stays
    }
    h->size = bytes;
    if ((flags & HEAP_ZERO_MEMORY) && bytes > oldSize)
        memset((char*)(h + 1) + oldSize, 0, bytes - oldSize);
    return h + 1;
}

VORAPI BOOL WINAPI HeapFree(HANDLE heap, DWORD, LPVOID mem)
{
    if (heap != kProcessHeap) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    free(HeaderOf(mem));  // NULL frees nothing and succeeds
    return TRUE;
}

VORAPI SIZE_T WINAPI HeapSize(HANDLE heap, DWORD, LPCVOID mem)
{
    if (heap != kProcessHeap || !mem)
        return (SIZE_T)-1;
    return HeaderOf(mem)->size;
}

VORAPI ULONGLONG WINAPI GetTickCount64(void)
{
    vor::user::S();
    return vor::user::Now();
}

VORAPI BOOL WINAPI QueryPerformanceCounter(LARGE_INTEGER* count)
{
    if (!count)
        return FALSE;
    vor::user::S();
    count->QuadPart = (LONGLONG)vor::user::Now() * 1000;
    return TRUE;
}

VORAPI BOOL WINAPI QueryPerformanceFrequency(LARGE_INTEGER* frequency)
{
    if (!frequency)
        return FALSE;
    frequency->QuadPart = 1000000;
    return TRUE;
}

VORAPI void WINAPI GetSystemTime(LPSYSTEMTIME st)
{
    ReadCalendar(st, false);
}

VORAPI void WINAPI GetLocalTime(LPSYSTEMTIME st)
{
    ReadCalendar(st, true);
}

VORAPI void WINAPI InitializeCriticalSection(LPCRITICAL_SECTION cs)
{
    if (!cs)
        return;
    memset(cs, 0, sizeof(*cs));
    cs->DebugInfo = new (std::nothrow) std::recursive_mutex;
    cs->LockCount = -1;
}

VORAPI BOOL WINAPI InitializeCriticalSectionAndSpinCount(LPCRITICAL_SECTION cs, DWORD spinCount)
{
    InitializeCriticalSection(cs);
    if (!LockOf(cs))
        return FALSE;
    cs->SpinCount = spinCount;
    return TRUE;
}

VORAPI void WINAPI EnterCriticalSection(LPCRITICAL_SECTION cs)
{
    if (std::recursive_mutex* m = LockOf(cs)) {
        m->lock();
        cs->RecursionCount++;
        cs->OwningThread = (HANDLE)(uintptr_t)GetCurrentThreadId();
    }
}

VORAPI BOOL WINAPI TryEnterCriticalSection(LPCRITICAL_SECTION cs)
{
    std::recursive_mutex* m = LockOf(cs);
    if (!m || !m->try_lock())
        return FALSE;
    cs->RecursionCount++;
    cs->OwningThread = (HANDLE)(uintptr_t)GetCurrentThreadId();
    return TRUE;
}

VORAPI void WINAPI LeaveCriticalSection(LPCRITICAL_SECTION cs)
{
    std::recursive_mutex* m = LockOf(cs);
    // Only the owner may leave, and no more often than it entered.
    if (!m || cs->RecursionCount <= 0 || cs->OwningThread != (HANDLE)(uintptr_t)GetCurrentThreadId())
        return;
    if (--cs->RecursionCount == 0)
        cs->OwningThread = nullptr;
    m->unlock();
}

VORAPI void WINAPI DeleteCriticalSection(LPCRITICAL_SECTION cs)
{
    if (!cs)
        return;
    delete LockOf(cs);
    memset(cs, 0, sizeof(*cs));
}

}  // extern "C"
