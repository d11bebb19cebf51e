#include "platform/vcl/menus/MainMenu.h"

#include "platform/vcl/core/ClassBuilder.h"

const TClassInfo& TMainMenu::StaticClassInfo() {
    using C = TMainMenu;
    static const TClassInfo info = TClassBuilder<C>("TMainMenu")
                                       .Boolean("AutoMerge", &C::GetAutoMerge, &C::SetAutoMerge)
                                       .Build();
    return info;
}

TMainMenu::TMainMenu(TComponent* AOwner) : TMenu(AOwner) {}

TMainMenu::~TMainMenu() = default;
