#include "platform/vcl/graphics/ImageList.h"

#include "platform/gfx/BmpCodec.h"
#include "platform/vcl/graphics/Bitmap.h"
#include "platform/vcl/graphics/Canvas.h"
#include "platform/vcl/core/ClassBuilder.h"
#include "platform/vcl/core/Filer.h"
#include "platform/vcl/core/SysUtils.h"

const TClassInfo& TImageList::StaticClassInfo() {
    static const TClassInfo info =
        TClassBuilder<TImageList>("TImageList")
            .Color("BkColor", &TImageList::GetBkColor, &TImageList::SetBkColor, clNone)
            .Integer("Height", &TImageList::GetHeight, &TImageList::SetHeight, 16)
            .Boolean("Masked", &TImageList::GetMasked, &TImageList::SetMasked, true)
            .Integer("Width", &TImageList::GetWidth, &TImageList::SetWidth, 16)
            .Build();
    return info;
}

TImageList::TImageList(TComponent* AOwner)
    : TComponent(AOwner), m_images(std::make_unique<gfx::ImageList>(16, 16)) {}

TImageList::~TImageList() = default;

void TImageList::Change() {
    if (OnChange) OnChange(this);
}

void TImageList::SetWidth(int Value) {
    if (Value == GetWidth()) return;
    if (Value <= 0) throw EInvalidOperation("Invalid image size " + IntToStr(Value));
    m_images = std::make_unique<gfx::ImageList>(Value, GetHeight());
    Change();
}

void TImageList::SetHeight(int Value) {
    if (Value == GetHeight()) return;
    if (Value <= 0) throw EInvalidOperation("Invalid image size " + IntToStr(Value));
    m_images = std::make_unique<gfx::ImageList>(GetWidth(), Value);
    Change();
}

void TImageList::SetMasked(bool Value) {
    if (Value == m_masked) return;
    m_masked = Value;
    Change();
}

void TImageList::SetBkColor(TColor Value) {
    if (Value == m_bkColor) return;
    m_bkColor = Value;
    Change();
}

int TImageList::Add(const TBitmap* Image) {
    if (!Image) return -1;
    const int index = m_images->Add(Image->Image());
    Change();
    return index;
}

int TImageList::AddMasked(const TBitmap* Image, TColor MaskColor) {
    if (!Image) return -1;
    const int index =
        m_masked ? m_images->AddMasked(Image->Image(), MaskColor) : m_images->Add(Image->Image());
    Change();
    return index;
}

void TImageList::Delete(int Index) {
    if (Index < 0 || Index >= Count())
        throw EInvalidOperation("Image index " + IntToStr(Index) + " out of range");
    m_images->Delete(Index);
    Change();
}

void TImageList::Clear() {
    m_images->Clear();
    Change();
}

void TImageList::Draw(TCanvas* Canvas, int X, int Y, int Index, bool Enabled) const {
    if (!Canvas || Index < 0 || Index >= Count()) return;
    gfx::Canvas* target = Canvas->GetTarget();
    if (!target) throw EInvalidOperation("Canvas does not allow drawing");
    m_images->Draw(*target, X, Y, Index, Enabled);
}

void TImageList::GetBitmap(int Index, TBitmap* Image) const {
    if (!Image) return;
    if (Index < 0 || Index >= Count())
        throw EInvalidOperation("Image index " + IntToStr(Index) + " out of range");
    Image->SetImage(m_images->GetBitmap(Index));
}

void TImageList::Assign(const TPersistent* Source) {
    if (auto* list = dynamic_cast<const TImageList*>(Source)) {
        m_images = std::make_unique<gfx::ImageList>(*list->m_images);
        m_masked = list->m_masked;
        m_bkColor = list->m_bkColor;
        return Change();
    }
    inherited::Assign(Source);
}

void TImageList::DefineProperties(TFiler& Filer) {
    inherited::DefineProperties(Filer);
    Filer.DefineBinaryProperty(
        "Bitmap", [this](std::span<const std::uint8_t> data) { ReadImages(data); },
        [this] { return WriteImages(); }, Count() > 0);
}

// Stored as the image count and, for each image, a key colour that none of its shown
// pixels has (4 bytes each, little-endian), then one BMP strip of the images in which the
// hidden pixels have their image's key colour.
std::vector<std::uint8_t> TImageList::WriteImages() const {
    const int w = GetWidth(), h = GetHeight();
    gfx::Bitmap strip(w * Count(), h);
    std::vector<std::uint8_t> data;
    auto put = [&](std::uint32_t v) {
        for (int shift = 0; shift < 32; shift += 8)
            data.push_back(static_cast<std::uint8_t>(v >> shift));
    };
    put(static_cast<std::uint32_t>(Count()));
    for (int i = 0; i < Count(); ++i) {
        const gfx::Bitmap image = m_images->GetBitmap(i);
        auto shows = [&](TColor c) {
            for (int y = 0; y < h; ++y)
                for (int x = 0; x < w; ++x)
                    if (m_images->IsOpaque(i, x, y) && image.GetPixel(x, y) == c) return true;
            return false;
        };
        TColor key = 0xFF00FF;
        while (shows(key)) key = (key + 1) & 0xFFFFFF;
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                strip.SetPixel(i * w + x, y,
                               m_images->IsOpaque(i, x, y) ? image.GetPixel(x, y) : key);
        put(static_cast<std::uint32_t>(key));
    }
    const std::vector<std::uint8_t> bmp = gfx::WriteBmp(strip, gfx::PixelFormat::Bits24);
    data.insert(data.end(), bmp.begin(), bmp.end());
    return data;
}

void TImageList::ReadImages(std::span<const std::uint8_t> data) {
    auto get = [&](std::size_t at) {
        return static_cast<std::uint32_t>(data[at] | (data[at + 1] << 8) | (data[at + 2] << 16) |
                                          (std::uint32_t{data[at + 3]} << 24));
    };
    const std::size_t count = data.size() >= 4 ? get(0) : 0;
    if (data.size() < 4 || count > (data.size() - 4) / 4)
        throw EInvalidGraphic("image list data is too short");
    gfx::Bitmap strip;
    try {
        strip = gfx::ReadBmp(data.subspan(4 + count * 4));
    } catch (const gfx::CodecError& e) {
        throw EInvalidGraphic(std::string("image list data: ") + e.what());
    }
    const int w = GetWidth(), h = GetHeight();
    if (strip.Height() != h || strip.Width() != w * static_cast<int>(count))
        throw EInvalidGraphic("image list data does not hold " + IntToStr(static_cast<int>(count)) +
                              " images of " + IntToStr(w) + " x " + IntToStr(h));
    m_images->Clear();
    for (std::size_t i = 0; i < count; ++i)
        m_images->AddMasked(strip.Copy(Bounds(static_cast<int>(i) * w, 0, w, h)),
                            static_cast<TColor>(get(4 + i * 4)));
    Change();
}
