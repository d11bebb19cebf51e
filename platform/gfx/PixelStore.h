#pragma once
// The storage of a bitmap's pixels. A large picture (a window's surface, a decoded photo) is
// filled or painted over entirely as soon as it is made, so its pages are mapped in one call
// instead of one fault per 4 KB page as the first drawing reaches them, and go back to the
// system as soon as the picture is freed instead of staying in the allocator's heap.
#include <cstddef>
#include <new>
#include <vector>

#include "platform/gfx/Color.h"

namespace gfx {

// Under AddressSanitizer every picture comes from the heap, where overruns are caught.
#if defined(__SANITIZE_ADDRESS__)
#define QV_PIXELS_FROM_HEAP 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define QV_PIXELS_FROM_HEAP 1
#endif
#endif

namespace detail {
void* MapPixelPages(std::size_t bytes);
void UnmapPixelPages(void* pages, std::size_t bytes);
}  // namespace detail

template <typename T>
struct PixelAllocator {
    using value_type = T;
    // Below this a picture comes from the ordinary heap: small ones share pages.
#ifdef QV_PIXELS_FROM_HEAP
    static constexpr std::size_t kMappedBytes = static_cast<std::size_t>(-1);
#else
    static constexpr std::size_t kMappedBytes = 256 * 1024;
#endif

    PixelAllocator() = default;
    template <typename U>
    PixelAllocator(const PixelAllocator<U>&) {}

    T* allocate(std::size_t n) {
        if (n > static_cast<std::size_t>(-1) / sizeof(T)) throw std::bad_array_new_length();
        const std::size_t bytes = n * sizeof(T);
        if (bytes < kMappedBytes) return static_cast<T*>(::operator new(bytes));
        return static_cast<T*>(detail::MapPixelPages(bytes));
    }
    void deallocate(T* p, std::size_t n) {
        const std::size_t bytes = n * sizeof(T);
        if (bytes < kMappedBytes)
            ::operator delete(p);
        else
            detail::UnmapPixelPages(p, bytes);
    }
    friend bool operator==(const PixelAllocator&, const PixelAllocator&) {
        return true;
    }
};

using PixelStore = std::vector<Pixel, PixelAllocator<Pixel>>;

}  // namespace gfx
