#include "Source/frame/SKTitleBar.h"

#include "platform/vcl/controls/Application.h"
#include "platform/vcl/controls/Form.h"
#include "platform/vcl/core/ClassBuilder.h"
#include "platform/win/Windows.h"

namespace {

enum MenuIndex { kMinimize = 0, kMaximize = 1, kClose = 3 };

bool HasVisibleButton(TskTitleBar* Bar, TskTitleBarBtnType Type) {
    if (!Bar) return false;
    for (int i = 0; i < Bar->GetButtons()->Count(); ++i) {
        TskTitleBarButton* button = Bar->GetButtons()->GetItem(i);
        if (button->GetVisible() && button->GetButtonType() == Type) return true;
    }
    return false;
}

}  // namespace

const TClassInfo& TskTitleBarPopupMenu::StaticClassInfo() {
    static const TClassInfo info =
        TClassBuilder<TskTitleBarPopupMenu>("TskTitleBarPopupMenu").Build();
    return info;
}

TskTitleBarPopupMenu::TskTitleBarPopupMenu(TComponent* AOwner, TskTitleBar* TitleBar)
    : TskPopupMenu(AOwner), m_titleBar(TitleBar) {
    SetAutoHotkeys(maManual);
    const struct {
        const char* caption;
        void (TskTitleBarPopupMenu::*handler)(TObject*);
    } items[] = {
        {SK_TITLE_MENUITEM_MINIMIZE, &TskTitleBarPopupMenu::OnMin},
        {SK_TITLE_MENUITEM_MAXIMIZE, &TskTitleBarPopupMenu::OnMax},
        {"-", nullptr},
        {SK_TITLE_MENUITEM_CLOSE, &TskTitleBarPopupMenu::OnClose},
    };
    for (const auto& entry : items) {
        auto* item = new TMenuItem(this);
        item->SetCaption(entry.caption);
        if (entry.handler) item->OnClick = [this, h = entry.handler](TObject* s) { (this->*h)(s); };
        GetItems()->Add(item);
    }
    MenuAdded();
}

TskTitleBarPopupMenu::~TskTitleBarPopupMenu() = default;

void TskTitleBarPopupMenu::Popup(int X, int Y) {
    TMenuItem* items = GetItems();
    items->Items(kMinimize)->SetEnabled(HasVisibleButton(m_titleBar, skMin));
    items->Items(kMaximize)->SetEnabled(HasVisibleButton(m_titleBar, skMax));
    items->Items(kClose)->SetEnabled(HasVisibleButton(m_titleBar, skClose));
    // The menu stays above the bar's form.
    SetPopupComponent(m_titleBar);
    TskPopupMenu::Popup(X, Y);
}

void TskTitleBarPopupMenu::OnMin(TObject*) {
    TCustomForm* form = m_titleBar ? m_titleBar->Form() : nullptr;
    if (!form || !Application) return;
    if (form == Application->MainForm())
        SendMessage(form->Handle(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
    else
        form->SetWindowState(wsMinimized);
}

void TskTitleBarPopupMenu::OnMax(TObject*) {
    if (!m_titleBar) return;
    TskTitleBarButtons* buttons = m_titleBar->GetButtons();
    for (int i = 0; i < buttons->Count(); ++i) {
        TskTitleBarButton* button = buttons->GetItem(i);
        if (button->GetVisible() && button->GetButtonType() == skMax) button->DoClick();
    }
}

void TskTitleBarPopupMenu::OnClose(TObject*) {
    if (TCustomForm* form = m_titleBar ? m_titleBar->Form() : nullptr) form->Close();
}
