#pragma once
// TskMainMenu: the main menu of a skinned form. It attaches itself to the TskForm of its
// form, which shows it in a menu bar of its own, keeps that bar in step with its items,
// and measures and draws every drop-down item as the skinned popup menu does. The form
// draws the bar's buttons in this menu's style, file theme and font.
#include <memory>

#include "platform/vcl/menus/MainMenu.h"

#include "Source/frame/SKSkinnedMenu.h"

class TFont;
class TImageList;
class TskForm;

class TskMainMenu : public TskSkinnedMenu<TMainMenu> {
    QV_DECLARE_CLASS(TskMainMenu, TMainMenu)

    explicit TskMainMenu(TComponent* AOwner);
    ~TskMainMenu() override;
    // Gives the menu to the skinned frame among its form's controls, if there is one.
    void AfterConstruction() override;

    // Reads null while the menu draws from its own check-mark list; writing null puts that
    // list back.
    TImageList* GetImages() const override;
    void SetImages(TImageList* Value) override;

    // The skinned form whose menu bar shows this menu; the form sets and clears it.
    TskForm* HostForm() const { return m_host; }
    void SetHostForm(TskForm* Value);
    // The menu's own check mark, drawn for checked items without an image.
    TImageList* CheckMarks() const override { return m_checkMarks.get(); }

    // The font of the bar's buttons: the platform's menu font, or the menu's own font with
    // its colour when UseSystemFont is off.
    void ApplyBarFont(TFont* Font) const;

    // Installs the item handlers on every item, then has the host rebuild its bar.
    void MenuAdded() override;
    void MenuChanged(TObject* Sender, TMenuItem* Source, bool Rebuild) override;

protected:
    // Repaints the host form's bar in the new style or font.
    void LookChanged() override;
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    std::unique_ptr<TImageList> m_checkMarks;
    TskForm* m_host = nullptr;
};

// Registers the skinned main menu for form descriptions.
void RegisterSKMainMenuClasses();
