#pragma once
// A list of equal-sized images cut from strip bitmaps, each with a mask, drawn onto a
// canvas normally or greyed out (TImageList).
#include <vector>

#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Canvas.h"

namespace gfx {

class ImageList {
public:
    // Images are width x height; both must be positive (std::invalid_argument otherwise).
    ImageList(int width, int height);

    int Width() const { return m_width; }
    int Height() const { return m_height; }
    int Count() const { return static_cast<int>(m_images.size()); }

    // Cuts the strip into as many images as it is wide (at least one: a narrower strip
    // becomes one image and the rest of that image stays transparent). Add keeps every
    // pixel; AddMasked makes the pixels equal to key transparent, with clDefault meaning
    // the strip's bottom-left pixel as in TImageList. Both return the first new index, or
    // -1 for an empty strip.
    int Add(const Bitmap& strip);
    int AddMasked(const Bitmap& strip, TColor key);
    void Delete(int index);  // std::out_of_range for an index past the end
    void Clear() { m_images.clear(); }

    // Draws image index with its top left corner at the logical (x, y), inside the
    // canvas's clip. Disabled images are embossed: the shape of their dark pixels in the
    // shadow colour with a highlight one pixel down and right, as Windows greys toolbar
    // images. Returns false, drawing nothing, when index is not an image of the list.
    bool Draw(Canvas& canvas, int x, int y, int index, bool enabled = true) const;

    // The image's pixels as added (masked pixels keep the key colour).
    Bitmap GetBitmap(int index) const;
    // Whether the image shows its pixel at (x, y).
    bool IsOpaque(int index, int x, int y) const;

private:
    struct Image {
        Bitmap pixels;
        std::vector<std::uint8_t> opaque;  // 1 where shown, row by row, width x height
        // The pixels drawn: opaque where shown, 0 (transparent) elsewhere.
        Bitmap drawn;
    };
    int AddStrip(const Bitmap& strip, bool masked, Pixel key);
    const Image& At(int index) const;
    // Calls put(deviceX, deviceY, imageX, imageY, count) for every row span of a
    // width x height rectangle at device (left, top) that the canvas may draw on.
    template <typename Put>
    static void ForClippedSpans(Canvas& canvas, int left, int top, int width, int height, Put put);

    int m_width;
    int m_height;
    std::vector<Image> m_images;
};

}  // namespace gfx
