#include "platform/vcl/graphics/JPEGImage.h"

#include "platform/gfx/Canvas.h"
#include "platform/gfx/JpegCodec.h"
#include "platform/vcl/graphics/Bitmap.h"
#include "platform/vcl/graphics/Canvas.h"
#include "platform/vcl/core/ClassBuilder.h"
#include "platform/vcl/core/SysUtils.h"

const TClassInfo& TJPEGImage::StaticClassInfo() {
    static const TClassInfo info = TClassBuilder<TJPEGImage>("TJPEGImage").Build();
    return info;
}

void TJPEGImage::SetWidth(int) {
    throw EInvalidGraphic("Cannot change the size of a JPEG image");
}

void TJPEGImage::SetHeight(int) {
    throw EInvalidGraphic("Cannot change the size of a JPEG image");
}

void TJPEGImage::SetCompressionQuality(int Value) {
    if (Value < 1 || Value > 100)
        throw EInvalidGraphic("JPEG quality must be 1 to 100, not " + IntToStr(Value));
    m_quality = Value;
}

void TJPEGImage::LoadFromBytes(std::span<const std::uint8_t> Data) {
    try {
        m_image = gfx::ReadJpeg(Data);
    } catch (const gfx::CodecError& e) {
        throw EInvalidGraphic(e.what());
    }
    m_data.assign(Data.begin(), Data.end());
    Changed();
}

void TJPEGImage::Draw(TCanvas& ACanvas, const TRect& Rect) {
    gfx::Canvas* target = ACanvas.GetTarget();
    if (!target || GetEmpty()) return;
    if (Rect.Width() == GetWidth() && Rect.Height() == GetHeight())
        target->Draw(Rect.left, Rect.top, m_image);
    else
        target->StretchDraw(Rect, m_image);
}

void TJPEGImage::Assign(const TPersistent* Source) {
    if (auto* jpeg = dynamic_cast<const TJPEGImage*>(Source)) {
        m_data = jpeg->m_data;
        m_image = jpeg->m_image;
        m_quality = jpeg->m_quality;
        return Changed();
    }
    if (auto* bitmap = dynamic_cast<const TBitmap*>(Source)) {
        try {
            m_data = gfx::WriteJpeg(bitmap->Image(), m_quality);
            m_image = gfx::ReadJpeg(m_data);
        } catch (const gfx::CodecError& e) {
            throw EInvalidGraphic(e.what());
        }
        return Changed();
    }
    inherited::Assign(Source);
}

void TJPEGImage::AssignTo(TPersistent& Dest) const {
    if (auto* bitmap = dynamic_cast<TBitmap*>(&Dest)) return bitmap->SetImage(m_image);
    inherited::AssignTo(Dest);
}
