// Theme item lookups in a loaded theme file.
#include "Source/theme/SKFileThemeMgr.h"

#include <algorithm>
#include <filesystem>

#include "Source/theme/SKThemes.h"
#include "platform/vcl/graphics/Bitmap.h"
#include "platform/vcl/core/ClassBuilder.h"
#include "platform/vcl/core/SysUtils.h"

namespace {

// The item's name in theme files; empty for a number outside the items.
std::string ItemName(int item) {
    if (item < 1 || item > SK_ITEM_COUNT) return {};
    return SK_FILETHEME_ITEMNAME[static_cast<std::size_t>(item)];
}

// The range each integer item is drawn within. A theme file may hold any number; a size or
// offset far outside these would draw out of bounds or overflow the arithmetic that places
// it, and a negative size would turn rectangles inside out. The title bar's button offsets
// and row top are positions, which the built-in styles already set below zero (the buttons
// of MacOS and WinXP reach 2 pixels, BlueGlass's 3, into the right-hand picture).
struct IntRange {
    int item;
    int low;
    int high;
};
constexpr IntRange kIntRanges[] = {
    {SkItem::TitleBarButtonLeftOffsetInt, -256, 256},
    {SkItem::TitleBarButtonRightOffsetInt, -256, 256},
    {SkItem::TitleBarButtonTopInt, -64, 64},
    {SkItem::FormMinWidthInt, 0, 4096},
    {SkItem::FormRoundCornerInt, 0, 64},
    {SkItem::FormBorderWidthInt, 0, 32},
};

bool HasInteger(const TskThemeFileReader& reader, const std::string& name) {
    for (const TskThemeFileEntry& entry : reader.Entries())
        if (entry.Kind == TskThemeEntryKind::Integer && SameText(entry.Name, name)) return true;
    return false;
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
    return m_reader ? m_reader->GetInteger(ItemName(Item)) : 0;
}

int TskFileThemeMgr::GetInt(int Item) const {
    if (!m_reader) return 0;
    const std::string name = ItemName(Item);
    const int value = m_reader->GetInteger(name);
    // A missing item keeps its -1, which callers take as "not given".
    if (!HasInteger(*m_reader, name)) return value;
    for (const IntRange& range : kIntRanges)
        if (range.item == Item) return std::clamp(value, range.low, range.high);
    return value;
}

std::string TskFileThemeMgr::GetText(const std::string& Name) const {
    return m_reader ? m_reader->GetStr(Name) : std::string();
}

bool TskFileThemeMgr::GetBool(int Item) const {
    return m_reader && m_reader->GetBool(ItemName(Item));
}
