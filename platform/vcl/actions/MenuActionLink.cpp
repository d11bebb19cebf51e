#include "platform/vcl/actions/MenuActionLink.h"

#include "platform/vcl/actions/CustomAction.h"
#include "platform/vcl/menus/MenuItem.h"

// Each property is linked while the item still shows the action's value.
#define QV_MENU_LINKED_PROPERTY(Name, Type)                          \
    bool TMenuActionLink::Is##Name##Linked() const {                 \
        return TActionLink::Is##Name##Linked() &&                    \
               m_client->Get##Name() == CustomAction()->Get##Name(); \
    }                                                                \
    void TMenuActionLink::Set##Name(Type Value) {                    \
        if (Is##Name##Linked()) m_client->Set##Name(Value);          \
    }

QV_MENU_LINKED_PROPERTY(Caption, const std::string&)
QV_MENU_LINKED_PROPERTY(Checked, bool)
QV_MENU_LINKED_PROPERTY(Enabled, bool)
QV_MENU_LINKED_PROPERTY(Hint, const std::string&)
QV_MENU_LINKED_PROPERTY(ImageIndex, int)
QV_MENU_LINKED_PROPERTY(ShortCut, TShortCut)
QV_MENU_LINKED_PROPERTY(Visible, bool)
QV_MENU_LINKED_PROPERTY(GroupIndex, int)
QV_MENU_LINKED_PROPERTY(AutoCheck, bool)
