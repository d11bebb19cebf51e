#pragma once
// TJPEGImage: a JPEG picture, kept as its file's bytes and decoded for drawing.
#include <cstdint>
#include <vector>

#include "platform/gfx/Bitmap.h"
#include "platform/vcl/graphics/Graphic.h"

class TJPEGImage : public TGraphic {
    QV_DECLARE_CLASS(TJPEGImage, TGraphic)

    TJPEGImage() = default;

    bool GetEmpty() const override { return m_image.IsEmpty(); }
    int GetWidth() const override { return m_image.Width(); }
    int GetHeight() const override { return m_image.Height(); }
    // A JPEG's size is that of its picture: setting it raises EInvalidGraphic.
    void SetWidth(int Value) override;
    void SetHeight(int Value) override;
    // 1 to 100, used when the picture is compressed from a bitmap.
    int GetCompressionQuality() const { return m_quality; }
    void SetCompressionQuality(int Value);

    const gfx::Bitmap& Image() const { return m_image; }

    void LoadFromBytes(std::span<const std::uint8_t> Data) override;
    std::vector<std::uint8_t> SaveToBytes() const override { return m_data; }
    void Draw(TCanvas& ACanvas, const TRect& Rect) override;
    // Takes a TJPEGImage, or compresses a TBitmap.
    void Assign(const TPersistent* Source) override;

protected:
    // Lets a TBitmap take the decoded picture.
    void AssignTo(TPersistent& Dest) const override;

private:
    std::vector<std::uint8_t> m_data;
    gfx::Bitmap m_image;
    int m_quality = 90;
};
