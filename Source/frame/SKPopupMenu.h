#pragma once
// TskPopupMenu: a popup menu that measures and draws every one of its items itself, with
// colours, heights and a left bar taken from its visual style.
#include "platform/vcl/menus/PopupMenu.h"

#include "Source/frame/SKSkinnedMenu.h"

class TImageList;

class TskPopupMenu : public TskSkinnedMenu<TPopupMenu> {
    QV_DECLARE_CLASS(TskPopupMenu, TPopupMenu)

    explicit TskPopupMenu(TComponent* AOwner);
    ~TskPopupMenu() override;

protected:
    TImageList* CheckMarks() const override;
};

// The check mark checked items without an image show, shared by every skinned menu. Built
// on first use, once the skin's pictures can be found.
TImageList* SkinMenuCheckedImages();
