// The lookups of the built-in styles and the store of the skin's pictures.
#include "Source/SKThemes.h"

#include <filesystem>
#include <map>
#include <memory>
#include <stdexcept>

#include "platform/gfx/BmpCodec.h"
#include "platform/gfx/CodecError.h"

namespace {

struct SkinPicture {
    std::vector<std::uint8_t> Data;
    gfx::Bitmap Bitmap;
};

std::string& PictureFolder() {
    static std::string folder;
    return folder;
}

// Pictures are read once and never freed, so the pointers handed out stay valid; they are
// kept by path, so that another folder does not disturb the pictures already handed out.
// A picture that was looked up in vain is remembered as null.
std::map<std::string, std::unique_ptr<SkinPicture>>& PictureCache() {
    static std::map<std::string, std::unique_ptr<SkinPicture>> cache;
    return cache;
}

const SkinPicture* FindPicture(const std::string& resourceName) {
    if (PictureFolder().empty()) return nullptr;
    const std::string path = PictureFolder() + "/" + resourceName + ".bmp";
    auto& cache = PictureCache();
    if (auto found = cache.find(path); found != cache.end()) return found->second.get();

    std::unique_ptr<SkinPicture> picture;
    std::error_code error;
    if (std::filesystem::is_regular_file(path, error)) {
        picture = std::make_unique<SkinPicture>();
        picture->Data = gfx::ReadWholeFile(path, "BMP");
        picture->Bitmap = gfx::ReadBmp(picture->Data);
    }
    return cache.emplace(path, std::move(picture)).first->second.get();
}

// Loads the target with the picture as the platform loads a bitmap resource: the pixels
// and depth change, the transparency settings stay the target's own.
void AssignPicture(gfx::Bitmap& target, const gfx::Bitmap& picture) {
    const bool transparent = target.Transparent();
    const bool colorFixed = target.TransparentColorIsFixed();
    const TColor color = target.TransparentColor();
    target = picture;
    target.SetTransparent(transparent);
    if (colorFixed) {
        target.SetTransparentColor(color);
    } else {
        target.SetTransparentColorAuto();
    }
}

// Cuts frame index (from 1) out of a strip of count equal-width frames.
void SpitBitmap(const gfx::Bitmap& source, gfx::Bitmap& target, int count, int index) {
    const int width = source.Width() / count;
    const int height = source.Height();
    gfx::Bitmap frame(width, height);
    frame.SetFormat(source.Format());
    const int left = width * (index - 1);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            if (left + x >= 0 && left + x < source.Width()) frame.At(x, y) = source.At(left + x, y);
        }
    }
    AssignPicture(target, frame);
}

// The picture of a Str item, or null for any other item or for FromThemeFile.
const gfx::Bitmap* ItemPicture(TskUIStyle style, int item) {
    const TskThemeValue value = GetInsideThemeValue(style, item);
    if (value.Kind != TskType::Str || value.Picture == nullptr) return nullptr;
    const gfx::Bitmap* picture = FindSkinPicture(value.Picture);
    if (picture == nullptr) {
        const std::string where = PictureFolder().empty()
                                      ? "no skin picture folder was set"
                                      : "it is not in '" + PictureFolder() + "'";
        throw std::runtime_error("The skin picture " + std::string(value.Picture) +
                                 " is missing: " + where);
    }
    return picture;
}

}  // namespace

TColor GetInsideThemeColor(TskUIStyle style, int item) {
    const TskThemeValue value = GetInsideThemeValue(style, item);
    return value.Kind == TskType::Color ? value.Value : 0;
}

int GetInsideThemeInt(TskUIStyle style, int item) {
    const TskThemeValue value = GetInsideThemeValue(style, item);
    return value.Kind == TskType::Int ? value.Value : -1;
}

bool GetInsideThemeBool(TskUIStyle style, int item) {
    const TskThemeValue value = GetInsideThemeValue(style, item);
    return value.Kind == TskType::Bool && value.Value != 0;
}

void GetInsideThemeBitmap(TskUIStyle style, int item, gfx::Bitmap* bitmap, int count, int index) {
    if (bitmap == nullptr) return;
    const gfx::Bitmap* picture = ItemPicture(style, item);
    if (count == 0) {
        if (picture != nullptr) AssignPicture(*bitmap, *picture);
        return;
    }
    SpitBitmap(picture != nullptr ? *picture : gfx::Bitmap(), *bitmap, count, index);
}

void SetSkinPictureFolder(const std::string& folder) {
    PictureFolder() = folder;
}

const std::string& GetSkinPictureFolder() {
    return PictureFolder();
}

const gfx::Bitmap* FindSkinPicture(const std::string& resourceName) {
    const SkinPicture* picture = FindPicture(resourceName);
    return picture != nullptr ? &picture->Bitmap : nullptr;
}

const std::vector<std::uint8_t>* FindSkinPictureData(const std::string& resourceName) {
    const SkinPicture* picture = FindPicture(resourceName);
    return picture != nullptr ? &picture->Data : nullptr;
}
