#pragma once
// Puts a window's pixels to the X server: through a small shared-memory segment (MIT-SHM)
// when the server offers it and can reach our memory, by plain image transfer otherwise,
// and only the rectangles that changed.
#include <cstddef>
#include <memory>
#include <vector>

#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Region.h"

struct _XDisplay;
struct _XImage;
struct _XGC;

namespace win {

class X11Image {
public:
    // `useShm`: try MIT-SHM (the server has it); a failed attach falls back for good.
    X11Image(_XDisplay* display, bool useShm);
    ~X11Image();
    X11Image(const X11Image&) = delete;
    X11Image& operator=(const X11Image&) = delete;

    // Puts `area` (window coordinates) of `pixels` into the window. Returns true when a
    // shared-memory transfer is pending: the caller syncs with the server before the
    // next Put writes into the shared image again.
    bool Put(unsigned long window, _XGC* gc, const gfx::Bitmap& pixels, const gfx::Region& area);
    bool UsesShm() const { return m_shmImage != nullptr; }
    // Gives the shared segment's pages back to the system: its pixels only matter while a
    // transfer is in flight, so an idle window keeps none. Only once the server has read
    // every transfer (after a sync); the next Put finds zeroed pages and fills them again.
    void ReleaseStaging();

private:
    // A segment of at least `bytes`; false when shared memory cannot be used.
    bool EnsureShm(std::size_t bytes);
    void ReleaseShm();
    void PutShared(unsigned long window, _XGC* gc, const gfx::Bitmap& pixels,
                   const std::vector<TRect>& rects);

    _XDisplay* m_display;
    bool m_tryShm;
    _XImage* m_shmImage = nullptr;
    std::size_t m_capacity = 0;
    bool m_stagingHoldsPages = false;
    struct Segment;
    std::unique_ptr<Segment> m_segment;
};

}  // namespace win
