#include "platform/gfx/PixelStore.h"

#include <sys/mman.h>

namespace gfx::detail {

void* MapPixelPages(std::size_t bytes) {
    void* pages = mmap(nullptr, bytes, PROT_READ | PROT_WRITE,
                       MAP_PRIVATE | MAP_ANONYMOUS | MAP_POPULATE, -1, 0);
    if (pages == MAP_FAILED) throw std::bad_alloc();
    return pages;
}

void UnmapPixelPages(void* pages, std::size_t bytes) {
    munmap(pages, bytes);
}

}  // namespace gfx::detail
