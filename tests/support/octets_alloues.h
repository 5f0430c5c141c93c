#pragma once
// The bytes the allocator holds for the process now, to measure what a
// figure keeps: the sanitizer's count in the sanitizer builds (it replaces
// the allocator), glibc's count of bytes in use otherwise.
#include <cstddef>

#if defined(__SANITIZE_ADDRESS__)
#define KM32_OCTETS_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define KM32_OCTETS_ASAN 1
#endif
#endif

#ifdef KM32_OCTETS_ASAN
// The sanitizer runtime's count of bytes in live allocations (GCC ships the
// runtime without the header that declares it).
extern "C" std::size_t __sanitizer_get_current_allocated_bytes();
#else
#include <malloc.h>
#endif

namespace km32::essais {

inline std::size_t octetsAlloues() {
#ifdef KM32_OCTETS_ASAN
    return __sanitizer_get_current_allocated_bytes();
#else
    return mallinfo2().uordblks;
#endif
}

} // namespace km32::essais
