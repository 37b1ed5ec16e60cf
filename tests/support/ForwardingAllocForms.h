// The array and no-throw forms of the global allocation functions, each
// passing to the plain operator new / operator delete of the test program
// that includes this, so every allocation and its release go through that
// one pair (the sanitizers check that they agree). Include it in exactly one
// source file of a program that replaces operator new and operator delete.
#pragma once

#include <cstddef>
#include <new>

void* operator new[](size_t n) { return ::operator new(n); }
void* operator new(size_t n, const std::nothrow_t&) noexcept
{
    try {
        return ::operator new(n);
    } catch (...) {
        return nullptr;
    }
}
void* operator new[](size_t n, const std::nothrow_t&) noexcept { return ::operator new(n, std::nothrow); }
void operator delete[](void* p) noexcept { ::operator delete(p); }
void operator delete[](void* p, size_t) noexcept { ::operator delete(p); }
void operator delete(void* p, const std::nothrow_t&) noexcept { ::operator delete(p); }
void operator delete[](void* p, const std::nothrow_t&) noexcept { ::operator delete(p); }
