#pragma once
// Bytes the program holds on the heap now, as its allocator counts them:
// glibc's figure (small blocks and mapped large ones), or AddressSanitizer's
// when its allocator stands in for glibc's. No hooks, nothing to install.

#include <cstddef>

#if defined(__SANITIZE_ADDRESS__)
#define TS_HEAP_FROM_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define TS_HEAP_FROM_ASAN 1
#endif
#endif

#ifdef TS_HEAP_FROM_ASAN
// The sanitizer runtime's own count (GCC ships the function, not its header).
extern "C" std::size_t __sanitizer_get_current_allocated_bytes();
#else
#include <malloc.h>
#endif

inline std::size_t heapInUse()
{
#ifdef TS_HEAP_FROM_ASAN
    return __sanitizer_get_current_allocated_bytes();
#else
    const struct mallinfo2 info = mallinfo2();
    return info.uordblks + info.hblkhd;
#endif
}
