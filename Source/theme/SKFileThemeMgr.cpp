// Theme item lookups in a loaded theme file.
#include "Source/theme/SKFileThemeMgr.h"

#include <filesystem>

#include "Source/theme/SKThemes.h"
#include "platform/vcl/graphics/Bitmap.h"
#include "platform/vcl/core/ClassBuilder.h"

namespace {

// The item's name in theme files; empty for a number outside the items.
std::string ItemName(int item) {
    if (item < 1 || item > SK_ITEM_COUNT) return {};
    return SK_FILETHEME_ITEMNAME[static_cast<std::size_t>(item)];
}

}  // namespace

const TClassInfo& TskFileThemeMgr::StaticClassInfo() {
    static const TClassInfo info = TClassBuilder<TskFileThemeMgr>("TskFileThemeMgr").Build();
    return info;
}

TskFileThemeMgr::TskFileThemeMgr() = default;

TskFileThemeMgr::~TskFileThemeMgr() = default;

bool TskFileThemeMgr::LoadFromFile(const std::string& FileName) {
    std::error_code error;
    if (!std::filesystem::exists(FileName, error)) return false;
    // The old reader goes only once the new one has read the whole file.
    auto reader = std::make_unique<TskThemeFileReader>(FileName);
    m_reader = std::move(reader);
    return true;
}

void TskFileThemeMgr::GetBitmap(int Item, TBitmap* Bitmap) const {
    if (!m_reader || Bitmap == nullptr) return;
    const std::vector<std::uint8_t>* data = m_reader->GetFile(ItemName(Item));
    if (data != nullptr) Bitmap->LoadFromBytes(*data);
}

TColor TskFileThemeMgr::GetColor(int Item) const {
    return GetInt(Item);
}

int TskFileThemeMgr::GetInt(int Item) const {
    return m_reader ? m_reader->GetInteger(ItemName(Item)) : 0;
}

bool TskFileThemeMgr::GetBool(int Item) const {
    return m_reader && m_reader->GetBool(ItemName(Item));
}
