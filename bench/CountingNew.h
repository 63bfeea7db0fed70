#pragma once
// Counts every call of the global operator new, so a benchmark can show that some work
// allocates nothing. The replacements may be defined once in a program: include this from the
// one file of a benchmark program that has main.
#include <atomic>
#include <cstdint>
#include <cstdlib>
#include <new>

namespace {
std::atomic<uint64_t> g_newCalls{0};

// The calls so far.
inline uint64_t NewCalls() {
    return g_newCalls.load(std::memory_order_relaxed);
}

void* CountedAlloc(std::size_t n) {
    g_newCalls.fetch_add(1, std::memory_order_relaxed);
    return std::malloc(n ? n : 1);
}

void* CountedAlignedAlloc(std::size_t n, std::align_val_t al) {
    g_newCalls.fetch_add(1, std::memory_order_relaxed);
    std::size_t a = static_cast<std::size_t>(al);
    return std::aligned_alloc(a, (n + a - 1) / a * a);
}
} // namespace

void* operator new(std::size_t n) {
    if (void* p = CountedAlloc(n)) return p;
    throw std::bad_alloc();
}
void* operator new[](std::size_t n) {
    if (void* p = CountedAlloc(n)) return p;
    throw std::bad_alloc();
}
void* operator new(std::size_t n, const std::nothrow_t&) noexcept {
    return CountedAlloc(n);
}
void* operator new[](std::size_t n, const std::nothrow_t&) noexcept {
    return CountedAlloc(n);
}
void* operator new(std::size_t n, std::align_val_t al) {
    if (void* p = CountedAlignedAlloc(n, al)) return p;
    throw std::bad_alloc();
}
void* operator new[](std::size_t n, std::align_val_t al) {
    if (void* p = CountedAlignedAlloc(n, al)) return p;
    throw std::bad_alloc();
}
// The replacements below pair malloc with free; GCC sees only the names once they are inlined.
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
#endif
void operator delete(void* p) noexcept {
    std::free(p);
}
void operator delete[](void* p) noexcept {
    std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
    std::free(p);
}
void operator delete[](void* p, std::size_t) noexcept {
    std::free(p);
}
void operator delete(void* p, const std::nothrow_t&) noexcept {
    std::free(p);
}
void operator delete[](void* p, const std::nothrow_t&) noexcept {
    std::free(p);
}
void operator delete(void* p, std::align_val_t) noexcept {
    std::free(p);
}
void operator delete[](void* p, std::align_val_t) noexcept {
    std::free(p);
}
void operator delete(void* p, std::size_t, std::align_val_t) noexcept {
    std::free(p);
}
void operator delete[](void* p, std::size_t, std::align_val_t) noexcept {
    std::free(p);
}
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic pop
#endif
