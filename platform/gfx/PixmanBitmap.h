#pragma once
// pixman's views of a bitmap, kept in the bitmap's cache until its pixels move: the pixels
// as they are, the pixels read as opaque, and the picture with a transparent colour as its
// alpha, which is built once per picture and colour instead of testing every pixel on every draw.
#include <pixman.h>

#include "platform/gfx/Bitmap.h"

namespace gfx::pixmanbits {

// The pixels as they are (a8r8g8b8), to draw into; their masks are dropped.
pixman_image_t* Target(Bitmap& bitmap);
// The pixels as they are, for copies that keep the alpha byte.
pixman_image_t* Pixels(const Bitmap& bitmap);
// The pixels read with an opaque alpha byte (x8r8g8b8), as drawn pictures are.
pixman_image_t* OpaquePixels(const Bitmap& bitmap);
// The picture with its transparent colour as alpha: every pixel whose colour, its alpha
// byte aside, is key becomes 0 (transparent), every other one opaque. key is a pixel value
// without its alpha byte.
pixman_image_t* KeyedPixels(const Bitmap& bitmap, Pixel key);

}  // namespace gfx::pixmanbits
