#include "platform/win/backend/x11/X11Image.h"

#include <sys/ipc.h>
#include <sys/shm.h>

#include <bit>
#include <cstring>

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
}

bool X11Image::EnsureShm(int width, int height) {
    if (m_shmImage && m_shmImage->width == width && m_shmImage->height == height) return true;
    ReleaseShm();
    if (!m_tryShm) return false;
    const int screen = DefaultScreen(m_display);
    auto segment = std::make_unique<Segment>();
    XImage* image = XShmCreateImage(m_display, DefaultVisual(m_display, screen), 24, ZPixmap,
                                    nullptr, &segment->info, static_cast<unsigned>(width),
                                    static_cast<unsigned>(height));
    if (!image) return m_tryShm = false;
    const std::size_t bytes = static_cast<std::size_t>(image->bytes_per_line) * height;
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
    return true;
}

bool X11Image::Put(unsigned long window, GC gc, const gfx::Bitmap& pixels,
                   const gfx::Region& area) {
    const int width = pixels.Width(), height = pixels.Height();
    if (width <= 0 || height <= 0) return false;
    const gfx::Region clipped = area.Intersected(TRect{0, 0, width, height});
    if (clipped.IsEmpty()) return false;
    const std::vector<TRect> rects = RectsToPut(clipped);
    if (EnsureShm(width, height)) {
        for (const TRect& r : rects) {
            for (int y = r.top; y < r.bottom; ++y)
                std::memcpy(m_shmImage->data + y * m_shmImage->bytes_per_line + r.left * 4,
                            pixels.Row(y) + r.left, static_cast<std::size_t>(r.Width()) * 4);
            XShmPutImage(m_display, window, gc, m_shmImage, r.left, r.top, r.left, r.top,
                         static_cast<unsigned>(r.Width()), static_cast<unsigned>(r.Height()),
                         False);
        }
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
