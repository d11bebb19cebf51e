// The theme manager and the skin library's start-up.
#include "Source/theme/SKMgr.h"

#include "Source/theme/SKBuiltInFileTheme.h"
#include "platform/vcl/core/ClassBuilder.h"
#include "platform/vcl/core/TypInfo.h"

void InitSkinLibrary() {
    static const bool done = [] {
        RegisterSkinPictures();
        RegisterClassesOf<TskFileTheme, TskBuiltInFileTheme, TskThemeManager>();
        return true;
    }();
    (void)done;
}

const TClassInfo& TskThemeMgrCompList::StaticClassInfo() {
    static const TClassInfo info =
        TClassBuilder<TskThemeMgrCompList>("TskThemeMgrCompList").Build();
    return info;
}

const TClassInfo& TskThemeManager::StaticClassInfo() {
    static const TClassInfo info =
        TClassBuilder<TskThemeManager>("TskThemeManager")
            .Enum("UIStyle", TskUIStyleInfo(), &TskThemeManager::GetUIStyle,
                  &TskThemeManager::SetUIStyle, DeepBlue)
            .Reference("FileTheme", &TskThemeManager::GetFileTheme, &TskThemeManager::SetFileTheme)
            .Persistent("CompList", &TskThemeManager::GetCompList)
            .Event("OnUIStyleChanged", &TskThemeManager::OnUIStyleChanged)
            .Build();
    return info;
}

TskThemeManager::TskThemeManager(TComponent* AOwner) : TComponent(AOwner) {
    SetUIStyle(DeepBlue);
}

TskThemeManager::~TskThemeManager() = default;

void TskThemeManager::SetUIStyle(TskUIStyle Value) {
    const bool changed = Value != m_uiStyle;
    m_uiStyle = Value;
    UpdateAll();
    if (changed && OnUIStyleChanged) OnUIStyleChanged(this);
}

void TskThemeManager::SetFileTheme(TskFileTheme* Value) {
    if (m_fileTheme != nullptr) m_fileTheme->RemoveFreeNotification(this);
    m_fileTheme = Value;
    // A file theme of another owner must still tell the manager when it goes.
    if (m_fileTheme != nullptr) m_fileTheme->FreeNotification(this);
    SetUIStyle(m_uiStyle);
}

void TskThemeManager::SetCompList(const TStrings* Value) {
    m_compList.Assign(Value);
}

void TskThemeManager::UpdateAll() {
    TComponent* owner = Owner();
    if (!IsFormOrFrame(owner)) return;
    for (int i = 0; i < m_compList.Count(); ++i) {
        TComponent* component = owner->FindComponent(m_compList.Strings(i));
        if (component == nullptr) continue;
        SetOrdProp(component, "UIStyle", static_cast<std::int64_t>(m_uiStyle));
        SetObjectProp(component, "FileTheme", m_fileTheme);
    }
}

void TskThemeManager::Notification(TComponent* AComponent, TOperation Operation) {
    inherited::Notification(AComponent, Operation);
    if (AComponent == nullptr || Operation != opRemove) return;
    if (AComponent != this) {
        const int index = m_compList.IndexOf(AComponent->GetName());
        if (index >= 0) m_compList.Delete(index);
    }
    if (AComponent == m_fileTheme) {
        m_fileTheme = nullptr;
        m_uiStyle = DeepBlue;
    }
}
