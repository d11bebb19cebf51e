#include "platform/win/backend/x11/X11Image.h"

#include <sys/ipc.h>
#include <sys/mman.h>
#include <sys/shm.h>

#include <algorithm>
#include <bit>
#include <cstring>
#include <vector>

// X11's headers define short macros (None, Bool, Status), so they come last.
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XShm.h>

namespace win {

struct X11Image::Segment {
    XShmSegmentInfo info{};
};

namespace {

// An attach the server refuses (a display on another machine) is reported as an error
// after the fact; this handler notes it for the one sync that follows the attach.
bool g_attachFailed = false;
int NoteAttachError(Display*, XErrorEvent*) {
    g_attachFailed = true;
    return 0;
}

// Beyond this many rectangles one bounding rectangle costs less than many small requests.
constexpr std::size_t kMaxRects = 16;

// The shared segment is a staging area, not a second copy of the window: a larger update
// goes through it in pieces, which costs a round trip to the server per refill but keeps
// the memory the server and we share to this much per window.
constexpr std::size_t kSharedBytes = 256 * 1024;

std::vector<TRect> RectsToPut(const gfx::Region& area) {
    if (area.Rects().size() <= kMaxRects) return area.Rects();
    return {area.BoundingBox()};
}

}  // namespace

X11Image::X11Image(Display* display, bool useShm) : m_display(display), m_tryShm(useShm) {}

X11Image::~X11Image() {
    ReleaseShm();
}

void X11Image::ReleaseShm() {
    if (!m_shmImage) return;
    XShmDetach(m_display, &m_segment->info);
    XDestroyImage(m_shmImage);  // frees only the structure: data points into the segment
    shmdt(m_segment->info.shmaddr);
    m_shmImage = nullptr;
    m_segment.reset();
    m_capacity = 0;
    m_stagingHoldsPages = false;
}

void X11Image::ReleaseStaging() {
    if (!m_shmImage || !m_stagingHoldsPages) return;
    // The segment is shared memory: only removing its pages frees them, for both sides.
    madvise(m_segment->info.shmaddr, m_capacity, MADV_REMOVE);
    m_stagingHoldsPages = false;
}

bool X11Image::EnsureShm(std::size_t bytes) {
    if (m_shmImage && m_capacity >= bytes) return true;
    ReleaseShm();
    if (!m_tryShm) return false;
    const int screen = DefaultScreen(m_display);
    auto segment = std::make_unique<Segment>();
    // One row of 32-bit pixels for each 4 bytes: the image only carries the segment's
    // address and its XShmSegmentInfo; each transfer describes its own piece.
    const auto pixels = static_cast<unsigned>(bytes / 4);
    XImage* image = XShmCreateImage(m_display, DefaultVisual(m_display, screen), 24, ZPixmap,
                                    nullptr, &segment->info, pixels, 1);
    if (!image) return m_tryShm = false;
    segment->info.shmid = shmget(IPC_PRIVATE, bytes, IPC_CREAT | 0600);
    if (segment->info.shmid < 0) {
        XDestroyImage(image);
        return m_tryShm = false;
    }
    segment->info.shmaddr = image->data =
        static_cast<char*>(shmat(segment->info.shmid, nullptr, 0));
    segment->info.readOnly = True;
    // Marked for removal at once: the segment goes when both sides detach, even if we crash.
    const bool attached = segment->info.shmaddr != reinterpret_cast<char*>(-1) && [&] {
        g_attachFailed = false;
        auto previous = XSetErrorHandler(NoteAttachError);
        bool ok = XShmAttach(m_display, &segment->info);
        XSync(m_display, False);
        ok = ok && !g_attachFailed;
        XSetErrorHandler(previous);
        return ok;
    }();
    shmctl(segment->info.shmid, IPC_RMID, nullptr);
    if (!attached) {
        if (segment->info.shmaddr != reinterpret_cast<char*>(-1)) shmdt(segment->info.shmaddr);
        image->data = nullptr;
        XDestroyImage(image);
        return m_tryShm = false;
    }
    image->data = segment->info.shmaddr;
    m_shmImage = image;
    m_segment = std::move(segment);
    m_capacity = bytes;
    return true;
}

void X11Image::PutShared(unsigned long window, GC gc, const gfx::Bitmap& pixels,
                         const std::vector<TRect>& rects) {
    const int screen = DefaultScreen(m_display);
    m_stagingHoldsPages = true;
    std::size_t used = 0;
    for (const TRect& r : rects) {
        const std::size_t rowBytes = static_cast<std::size_t>(r.Width()) * 4;
        const int rowsPerPiece = static_cast<int>(std::max<std::size_t>(1, m_capacity / rowBytes));
        for (int top = r.top; top < r.bottom; top += rowsPerPiece) {
            const int rows = std::min(rowsPerPiece, r.bottom - top);
            const std::size_t bytes = rowBytes * static_cast<std::size_t>(rows);
            if (used + bytes > m_capacity) {
                // The server must have read the earlier pieces before they are overwritten.
                XSync(m_display, False);
                used = 0;
            }
            char* piece = m_shmImage->data + used;
            for (int y = 0; y < rows; ++y)
                std::memcpy(piece + y * rowBytes, pixels.Row(top + y) + r.left, rowBytes);
            XImage* image = XShmCreateImage(
                m_display, DefaultVisual(m_display, screen), 24, ZPixmap, piece, &m_segment->info,
                static_cast<unsigned>(r.Width()), static_cast<unsigned>(rows));
            if (!image) continue;
            XShmPutImage(m_display, window, gc, image, 0, 0, r.left, top,
                         static_cast<unsigned>(r.Width()), static_cast<unsigned>(rows), False);
            image->data = nullptr;
            XDestroyImage(image);  // the structure only; its pixels are the segment's
            used += bytes;
        }
    }
}

bool X11Image::Put(unsigned long window, GC gc, const gfx::Bitmap& pixels,
                   const gfx::Region& area) {
    const int width = pixels.Width(), height = pixels.Height();
    if (width <= 0 || height <= 0) return false;
    const gfx::Region clipped = area.Intersected(TRect{0, 0, width, height});
    if (clipped.IsEmpty()) return false;
    const std::vector<TRect> rects = RectsToPut(clipped);
    const std::size_t windowBytes = static_cast<std::size_t>(width) * height * 4;
    if (EnsureShm(std::min(windowBytes, kSharedBytes))) {
        PutShared(window, gc, pixels, rects);
        return true;
    }
    // The plain transfer reads the bitmap where it lies: Xlib copies it into the request.
    const int screen = DefaultScreen(m_display);
    XImage* image =
        XCreateImage(m_display, DefaultVisual(m_display, screen), 24, ZPixmap, 0,
                     reinterpret_cast<char*>(const_cast<Pixel*>(pixels.Data())),
                     static_cast<unsigned>(width), static_cast<unsigned>(height), 32, width * 4);
    if (!image) return false;
    // The pixels are 32-bit words in this machine's order; Xlib swaps them when the server's
    // differs.
    image->byte_order = std::endian::native == std::endian::little ? LSBFirst : MSBFirst;
    for (const TRect& r : rects)
        XPutImage(m_display, window, gc, image, r.left, r.top, r.left, r.top,
                  static_cast<unsigned>(r.Width()), static_cast<unsigned>(r.Height()));
    image->data = nullptr;
    XDestroyImage(image);
    return false;
}

}  // namespace win
