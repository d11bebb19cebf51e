#pragma once
// TBitmap: a 32-bit picture in memory with a canvas to draw on it, read from and written to
// BMP files and resources, with an optional transparent colour.
#include <memory>
#include <string_view>

#include "platform/gfx/Bitmap.h"
#include "platform/vcl/graphics/Graphic.h"

class TCanvas;
namespace gfx {
class Canvas;
}

// The bit depth a bitmap is stored with; pixels are 32-bit in memory whatever it is.
enum class TPixelFormat {
    pfDevice,
    pf1bit,
    pf4bit,
    pf8bit,
    pf15bit,
    pf16bit,
    pf24bit,
    pf32bit,
    pfCustom
};
using enum TPixelFormat;
// tmAuto takes the bottom-left pixel as the transparent colour; tmFixed the one set.
enum class TTransparentMode { tmAuto, tmFixed };
using enum TTransparentMode;

class TBitmap : public TGraphic {
    QV_DECLARE_CLASS(TBitmap, TGraphic)

    TBitmap();
    TBitmap(int Width, int Height);
    ~TBitmap() override;

    bool GetEmpty() const override { return m_image.IsEmpty(); }
    int GetWidth() const override { return m_image.Width(); }
    int GetHeight() const override { return m_image.Height(); }
    void SetWidth(int Value) override { SetSize(Value, GetHeight()); }
    void SetHeight(int Value) override { SetSize(GetWidth(), Value); }
    void SetSize(int Width, int Height);

    TCanvas* GetCanvas();
    TPixelFormat GetPixelFormat() const;
    // 15 and 16-bit formats are not supported: they raise EInvalidGraphic.
    void SetPixelFormat(TPixelFormat Value);
    bool GetTransparent() const override { return m_image.Transparent(); }
    void SetTransparent(bool Value) override;
    TColor GetTransparentColor() const { return m_image.TransparentColor(); }
    // Fixes the transparent colour (TransparentMode becomes tmFixed).
    void SetTransparentColor(TColor Value);
    TTransparentMode GetTransparentMode() const;
    void SetTransparentMode(TTransparentMode Value);

    // The pixels, for drawing code that works on gfx bitmaps.
    gfx::Bitmap& Image() { return m_image; }
    const gfx::Bitmap& Image() const { return m_image; }
    // Replaces the pixels (the transparency settings come with them).
    void SetImage(const gfx::Bitmap& Value);
    Pixel* ScanLine(int Row);

    void LoadFromBytes(std::span<const std::uint8_t> Data) override;
    std::vector<std::uint8_t> SaveToBytes() const override;
    // A bitmap resource embedded in the executable; EResNotFound when there is none.
    void LoadFromResourceName(std::string_view ResName);

    void Draw(TCanvas& ACanvas, const TRect& Rect) override;
    void Assign(const TPersistent* Source) override;

private:
    gfx::Bitmap m_image;
    std::unique_ptr<gfx::Canvas> m_surface;
    std::unique_ptr<TCanvas> m_canvas;
};

// The bitmap resource of that name; EResNotFound when there is none.
gfx::Bitmap LoadBitmap(std::string_view ResourceName);
