#include "platform/vcl/graphics/Bitmap.h"

#include "platform/gfx/BmpCodec.h"
#include "platform/gfx/Canvas.h"
#include "platform/vcl/graphics/Canvas.h"
#include "platform/vcl/core/ClassBuilder.h"
#include "platform/vcl/core/Resources.h"
#include "platform/vcl/core/SysUtils.h"

namespace {

const TEnumInfo PixelFormatInfo{"TPixelFormat",
                                {"pfDevice", "pf1bit", "pf4bit", "pf8bit", "pf15bit", "pf16bit",
                                 "pf24bit", "pf32bit", "pfCustom"}};

}  // namespace

const TClassInfo& TBitmap::StaticClassInfo() {
    static const TClassInfo info = TClassBuilder<TBitmap>("TBitmap").Build();
    return info;
}

TBitmap::TBitmap() = default;

TBitmap::TBitmap(int Width, int Height) : m_image(Width, Height) {}

TBitmap::~TBitmap() = default;

void TBitmap::SetSize(int Width, int Height) {
    if (Width == GetWidth() && Height == GetHeight()) return;
    m_image.SetSize(std::max(Width, 0), std::max(Height, 0));
    Changed();
}

TCanvas* TBitmap::GetCanvas() {
    if (!m_canvas) {
        m_surface = std::make_unique<gfx::Canvas>(m_image);
        m_canvas = std::make_unique<TCanvas>(m_surface.get());
        m_canvas->OnChange = [this](TObject*) { Changed(); };
    }
    return m_canvas.get();
}

TPixelFormat TBitmap::GetPixelFormat() const {
    switch (m_image.Format()) {
        case gfx::PixelFormat::Device:
            return pfDevice;
        case gfx::PixelFormat::Bits1:
            return pf1bit;
        case gfx::PixelFormat::Bits4:
            return pf4bit;
        case gfx::PixelFormat::Bits8:
            return pf8bit;
        case gfx::PixelFormat::Bits24:
            return pf24bit;
        case gfx::PixelFormat::Bits32:
            return pf32bit;
    }
    return pfCustom;
}

void TBitmap::SetPixelFormat(TPixelFormat Value) {
    gfx::PixelFormat format;
    switch (Value) {
        case pfDevice:
            format = gfx::PixelFormat::Device;
            break;
        case pf1bit:
            format = gfx::PixelFormat::Bits1;
            break;
        case pf4bit:
            format = gfx::PixelFormat::Bits4;
            break;
        case pf8bit:
            format = gfx::PixelFormat::Bits8;
            break;
        case pf24bit:
            format = gfx::PixelFormat::Bits24;
            break;
        case pf32bit:
            format = gfx::PixelFormat::Bits32;
            break;
        default:
            throw EInvalidGraphic("The pixel format " +
                                  PixelFormatInfo.NameOf(static_cast<int>(Value)) +
                                  " is not supported");
    }
    if (format == m_image.Format()) return;
    m_image.SetFormat(format);
    Changed();
}

void TBitmap::SetTransparent(bool Value) {
    if (Value == m_image.Transparent()) return;
    m_image.SetTransparent(Value);
    Changed();
}

void TBitmap::SetTransparentColor(TColor Value) {
    m_image.SetTransparentColor(Value);
    Changed();
}

TTransparentMode TBitmap::GetTransparentMode() const {
    return m_image.TransparentColorIsFixed() ? tmFixed : tmAuto;
}

void TBitmap::SetTransparentMode(TTransparentMode Value) {
    if (Value == GetTransparentMode()) return;
    if (Value == tmAuto)
        m_image.SetTransparentColorAuto();
    else
        m_image.SetTransparentColor(m_image.TransparentColor());
    Changed();
}

void TBitmap::SetImage(const gfx::Bitmap& Value) {
    m_image = Value;
    Changed();
}

Pixel* TBitmap::ScanLine(int Row) {
    if (Row < 0 || Row >= GetHeight())
        throw EInvalidGraphic("Scan line index " + IntToStr(Row) + " out of range");
    return m_image.Row(Row);
}

void TBitmap::LoadFromBytes(std::span<const std::uint8_t> Data) {
    try {
        const bool transparent = m_image.Transparent();
        m_image = gfx::ReadBmp(Data);
        m_image.SetTransparent(transparent);
    } catch (const gfx::CodecError& e) {
        throw EInvalidGraphic(e.what());
    }
    Changed();
}

std::vector<std::uint8_t> TBitmap::SaveToBytes() const {
    try {
        return gfx::WriteBmp(m_image);
    } catch (const gfx::CodecError& e) {
        throw EInvalidGraphic(e.what());
    }
}

void TBitmap::LoadFromResourceName(std::string_view ResName) {
    const auto data = FindResource(ResName, TResourceKind::Bitmap);
    if (!data) throw EResNotFound("Resource " + std::string(ResName) + " not found");
    LoadFromBytes(*data);
}

void TBitmap::Draw(TCanvas& ACanvas, const TRect& Rect) {
    gfx::Canvas* target = ACanvas.GetTarget();
    if (!target || GetEmpty()) return;
    const bool stretched = Rect.Width() != GetWidth() || Rect.Height() != GetHeight();
    if (!stretched)
        target->Draw(Rect.left, Rect.top, m_image);
    else if (m_image.Transparent())
        target->StretchDrawTransparent(Rect, m_image, m_image.TransparentColor());
    else
        target->StretchDraw(Rect, m_image);
}

void TBitmap::Assign(const TPersistent* Source) {
    if (auto* bitmap = dynamic_cast<const TBitmap*>(Source)) return SetImage(bitmap->m_image);
    if (!Source) return SetImage(gfx::Bitmap());
    inherited::Assign(Source);
}

gfx::Bitmap LoadBitmap(std::string_view ResourceName) {
    TBitmap bitmap;
    bitmap.LoadFromResourceName(ResourceName);
    return bitmap.Image();
}
