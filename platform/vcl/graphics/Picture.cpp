#include "platform/vcl/graphics/Picture.h"

#include <algorithm>

#include "platform/vcl/graphics/Bitmap.h"
#include "platform/vcl/core/ClassBuilder.h"
#include "platform/vcl/core/Filer.h"
#include "platform/vcl/graphics/JPEGImage.h"
#include "platform/vcl/core/SysUtils.h"

namespace {

// The graphic classes a picture can hold, by the name its stored data gives.
std::unique_ptr<TGraphic> CreateGraphic(std::string_view className) {
    const TClassInfo* info = nullptr;
    if (SameText(className, "TBitmap"))
        info = &TBitmap::StaticClassInfo();
    else if (SameText(className, "TJPEGImage"))
        info = &TJPEGImage::StaticClassInfo();
    else
        info = GetClass(className);
    if (!info || !info->InheritsFrom(TGraphic::StaticClassInfo()) || !info->CreatePersistent)
        throw EInvalidGraphic("Unknown picture class " + std::string(className));
    return std::unique_ptr<TGraphic>(static_cast<TGraphic*>(info->CreatePersistent()));
}

std::string Extension(const std::string& fileName) {
    const auto dot = fileName.find_last_of('.');
    const auto slash = fileName.find_last_of("/\\");
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return "";
    return fileName.substr(dot);
}

}  // namespace

const TClassInfo& TPicture::StaticClassInfo() {
    static const TClassInfo info = TClassBuilder<TPicture>("TPicture").Build();
    return info;
}

TPicture::TPicture() = default;

TPicture::~TPicture() = default;

void TPicture::Changed() {
    if (OnChange) OnChange(this);
}

void TPicture::Take(std::unique_ptr<TGraphic> graphic) {
    m_graphic = std::move(graphic);
    if (m_graphic) m_graphic->OnChange = [this](TObject*) { Changed(); };
    Changed();
}

void TPicture::SetGraphic(const TGraphic* Value) {
    if (!Value) return Take(nullptr);
    std::unique_ptr<TGraphic> copy = CreateGraphic(Value->ClassName());
    copy->Assign(Value);
    Take(std::move(copy));
}

void TPicture::SetBitmap(const TBitmap* Value) {
    SetGraphic(Value);
}

TBitmap* TPicture::GetBitmap() {
    if (!dynamic_cast<TBitmap*>(m_graphic.get())) Take(std::make_unique<TBitmap>());
    return static_cast<TBitmap*>(m_graphic.get());
}

int TPicture::GetWidth() const {
    return m_graphic ? m_graphic->GetWidth() : 0;
}

int TPicture::GetHeight() const {
    return m_graphic ? m_graphic->GetHeight() : 0;
}

void TPicture::LoadFromFile(const std::string& FileName) {
    const std::string ext = Extension(FileName);
    std::unique_ptr<TGraphic> graphic;
    if (SameText(ext, ".bmp"))
        graphic = std::make_unique<TBitmap>();
    else if (SameText(ext, ".jpg") || SameText(ext, ".jpeg"))
        graphic = std::make_unique<TJPEGImage>();
    else
        throw EInvalidGraphic("Unknown picture file extension (" + ext + ") of " + FileName);
    graphic->LoadFromFile(FileName);
    Take(std::move(graphic));
}

void TPicture::SaveToFile(const std::string& FileName) const {
    if (!m_graphic) throw EInvalidGraphic("The picture is empty: nothing to save to " + FileName);
    m_graphic->SaveToFile(FileName);
}

void TPicture::Assign(const TPersistent* Source) {
    if (!Source) return SetGraphic(nullptr);
    if (auto* picture = dynamic_cast<const TPicture*>(Source))
        return SetGraphic(picture->m_graphic.get());
    if (auto* graphic = dynamic_cast<const TGraphic*>(Source)) return SetGraphic(graphic);
    inherited::Assign(Source);
}

void TPicture::AssignTo(TPersistent& Dest) const {
    if (dynamic_cast<TGraphic*>(&Dest)) return Dest.Assign(m_graphic.get());
    inherited::AssignTo(Dest);
}

void TPicture::DefineProperties(TFiler& Filer) {
    Filer.DefineBinaryProperty(
        "Data", [this](std::span<const std::uint8_t> data) { ReadData(data); },
        [this] { return WriteData(); }, m_graphic && !m_graphic->GetEmpty());
}

// The class name as a length-prefixed string, then the graphic's own data.
void TPicture::ReadData(std::span<const std::uint8_t> data) {
    if (data.empty() || data[0] + 1u > data.size())
        throw EInvalidGraphic("Picture data does not start with a class name");
    const std::string className(reinterpret_cast<const char*>(data.data() + 1), data[0]);
    std::unique_ptr<TGraphic> graphic = CreateGraphic(className);
    graphic->ReadData(data.subspan(1 + data[0]));
    Take(std::move(graphic));
}

std::vector<std::uint8_t> TPicture::WriteData() const {
    const std::string& className = m_graphic->ClassName();
    const std::vector<std::uint8_t> graphic = m_graphic->WriteData();
    std::vector<std::uint8_t> data(1 + className.size() + graphic.size());
    data[0] = static_cast<std::uint8_t>(className.size());
    std::copy(className.begin(), className.end(), data.begin() + 1);
    std::copy(graphic.begin(), graphic.end(),
              data.begin() + 1 + static_cast<std::ptrdiff_t>(className.size()));
    return data;
}
