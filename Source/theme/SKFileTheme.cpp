// File themes: finding and loading a theme file, and the rule that picks it over a
// built-in style.
#include "Source/theme/SKFileTheme.h"

#include <filesystem>

#include "Source/theme/SKFileThemeMgr.h"
#include "Source/theme/SKPublic.h"
#include "platform/vcl/graphics/Bitmap.h"
#include "platform/vcl/core/ClassBuilder.h"
#include "platform/vcl/core/TypInfo.h"
#include "platform/win/ModuleFileName.h"

namespace {

bool FileExists(const std::string& path) {
    std::error_code error;
    return std::filesystem::is_regular_file(path, error);
}

std::string WithSeparator(std::string folder) {
    if (!folder.empty() && folder.back() != '/') folder += '/';
    return folder;
}

std::string ExecutableDirectory() {
    char path[4096];
    if (GetModuleFileName(nullptr, path, sizeof path) == 0) return {};
    return std::filesystem::path(path).parent_path().string();
}

}  // namespace

const TClassInfo& TskFileTheme::StaticClassInfo() {
    static const TClassInfo info =
        TClassBuilder<TskFileTheme>("TskFileTheme")
            .String("ThemeFile", &TskFileTheme::GetThemeFile, &TskFileTheme::SetThemeFile)
            .Build();
    return info;
}

TskFileTheme::TskFileTheme(TComponent* AOwner)
    : TComponent(AOwner), m_mgr(std::make_unique<TskFileThemeMgr>()) {}

TskFileTheme::~TskFileTheme() = default;

std::vector<std::string> TskFileTheme::ThemeFolders() const {
    return {ExecutableDirectory(), GetWindowsDirectory(), GetSystemDirectory()};
}

std::string TskFileTheme::FindThemeFile(const std::string& name) const {
    if (FileExists(name)) return name;
    const std::string fileName = std::filesystem::path(name).filename().string();
    if (fileName.empty()) return {};
    for (const std::string& folder : ThemeFolders()) {
        if (folder.empty()) continue;
        const std::string path = WithSeparator(folder) + fileName;
        if (FileExists(path)) return path;
    }
    return {};
}

void TskFileTheme::SetThemeFile(const std::string& Value) {
    if (Value == m_themeFile) return;
    const std::string path = FindThemeFile(Value);
    if (path.empty()) return;
    if (!CheckThemeFile(path)) throw Exception(SK_INVALID_SKIN_FILE);
    // Loading first keeps the previous theme in use when the file turns out damaged.
    const bool loaded = m_mgr->LoadFromFile(path);
    m_themeFile = path;
    m_canUse = loaded;
    if (m_canUse) ReloadOwnerControls();
}

void TskFileTheme::ReloadOwnerControls() {
    TComponent* owner = Owner();
    if (owner == nullptr || !owner->ClassInfo().InheritsFrom("TCustomForm")) return;
    for (int i = 0; i < owner->ComponentCount(); ++i) {
        TComponent* component = owner->Components(i);
        if (component->ClassName().compare(0, 3, "Tsk") != 0) continue;
        const TPropInfo* info = GetPropInfo(component, "FileTheme");
        if (info == nullptr || info->Kind != TPropKind::Reference) continue;
        if (GetObjectProp(component, "FileTheme") == this)
            SetObjectProp(component, "FileTheme", this);
    }
}

bool TskFileTheme::CheckThemeFile(const std::string& FileName) const {
    return IsSKThemeFile(FileName);
}

void TskFileTheme::GetBitmap(int Item, TBitmap* Bitmap) const {
    m_mgr->GetBitmap(Item, Bitmap);
}

void TskFileTheme::GetBitmap(int Item, TBitmap* Bitmap, int Count, int Index) const {
    TBitmap whole;
    m_mgr->GetBitmap(Item, &whole);
    SpitBitmap(&whole, Bitmap, Count, Index);
}

TColor TskFileTheme::GetColor(int Item) const {
    return m_mgr->GetColor(Item);
}

int TskFileTheme::GetInt(int Item) const {
    return m_mgr->GetInt(Item);
}

bool TskFileTheme::GetBool(int Item) const {
    return m_mgr->GetBool(Item);
}

bool UsingFileTheme(const TskFileTheme* FileTheme, TskUIStyle Style, TskUIStyle& Effective) {
    Effective = Style;
    if (Style != FromThemeFile) return false;
    if (FileTheme != nullptr && FileTheme->CanUse()) return true;
    Effective = DeepBlue;
    return false;
}

#ifndef QV_SHARED_THEME_DIR
#define QV_SHARED_THEME_DIR "/usr/local/share/quorvane"
#endif

std::string GetWindowsDirectory() {
    return QV_SHARED_THEME_DIR;
}

std::string GetSystemDirectory() {
    return "/usr/share/quorvane";
}

bool IsFormOrFrame(const TComponent* AComponent) {
    if (AComponent == nullptr) return false;
    const TClassInfo& info = AComponent->ClassInfo();
    return info.InheritsFrom("TCustomForm") || info.InheritsFrom("TCustomFrame");
}
