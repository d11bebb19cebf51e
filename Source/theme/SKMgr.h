#pragma once
// TskThemeManager: sets one style and one file theme on a chosen list of the components of
// its form, and InitSkinLibrary, which readies the skin library at start-up.
#include <string>

#include "Source/theme/SKFileTheme.h"
#include "Source/theme/SKThemes.h"
#include "platform/vcl/core/Component.h"
#include "platform/vcl/core/Event.h"
#include "platform/vcl/core/StringList.h"

// Makes the skin's pictures findable and registers its component classes with the form
// reader. Call once at start-up, before any form is read; calling it again does nothing.
void InitSkinLibrary();

// The names of the components a theme manager controls.
class TskThemeMgrCompList : public TStringList {
    QV_DECLARE_CLASS(TskThemeMgrCompList, TStringList)
};

class TskThemeManager : public TComponent {
    QV_DECLARE_CLASS(TskThemeManager, TComponent)

    explicit TskThemeManager(TComponent* AOwner);
    ~TskThemeManager() override;

    TskUIStyle GetUIStyle() const { return m_uiStyle; }
    // Stores the style and updates every listed component; OnUIStyleChanged follows when
    // the style changed.
    void SetUIStyle(TskUIStyle Value);
    TskFileTheme* GetFileTheme() const { return m_fileTheme; }
    void SetFileTheme(TskFileTheme* Value);
    TskThemeMgrCompList* GetCompList() { return &m_compList; }
    // Copies the names.
    void SetCompList(const TStrings* Value);

    // Sets UIStyle, then FileTheme, on each listed component of the owner, in list order,
    // when the owner is a form or a frame. Listed names that match no component are skipped.
    void UpdateAll();
    void UpdateTheme() { UpdateAll(); }

    TNotifyEvent OnUIStyleChanged;

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    TskUIStyle m_uiStyle = FromThemeFile;
    TskFileTheme* m_fileTheme = nullptr;
    TskThemeMgrCompList m_compList;
};
