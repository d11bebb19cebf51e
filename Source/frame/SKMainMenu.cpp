#include "Source/frame/SKMainMenu.h"

#include "platform/vcl/controls/Form.h"
#include "platform/vcl/core/ClassBuilder.h"
#include "platform/vcl/core/ClassInfo.h"
#include "platform/vcl/graphics/ImageList.h"

#include "Source/frame/SKForm.h"
#include "Source/frame/SKMenu.h"
#include "Source/theme/SKFileTheme.h"

void RegisterSKMainMenuClasses() {
    RegisterClassesOf<TskMainMenu>();
}

const TClassInfo& TskMainMenu::StaticClassInfo() {
    using C = TskMainMenu;
    static const TClassInfo info =
        TClassBuilder<C>("TskMainMenu")
            .Reference("Images", &C::GetImages, &C::SetImages)
            .Boolean("OwnerDraw", &C::GetOwnerDraw, &C::SetOwnerDraw, std::nullopt)
            .Reference("FileTheme", &C::GetFileTheme, &C::SetFileTheme)
            .Enum("UIStyle", TskUIStyleInfo(), &C::GetUIStyle, &C::SetUIStyle, std::nullopt)
            .Integer("MenuItemHeight", &C::GetMenuItemHeight, &C::SetHeight)
            .Integer("SeparatorHeight", &C::GetSeparatorHeight, &C::SetSeparatorHeight)
            .Integer("BarWidth", &C::GetBarWidth, &C::SetBarWidth)
            .Color("BarColor", &C::GetBarColor, &C::SetBarColor)
            .Color("Color", &C::GetColor, &C::SetColor)
            .Color("SeparatorColor", &C::GetSeparatorColor, &C::SetSeparatorColor)
            .Color("SelectedBorderColor", &C::GetSelectedBorderColor, &C::SetSelectedBorderColor)
            .Color("SelectedColor", &C::GetSelectedColor, &C::SetSelectedColor)
            .Color("SelectedFontColor", &C::GetSelectedFontColor, &C::SetSelectedFontColor)
            .Color("FontColor", &C::GetFontColor, &C::SetFontColor)
            .Color("BorderColor", &C::GetBorderColor, &C::SetBorderColor)
            .Boolean("FlatMenu", &C::GetFlatMenu, &C::SetFlatMenu, false)
            .String("FontName", &C::GetFontName, &C::SetFontName)
            .Integer("FontSize", &C::GetFontSize, &C::SetFontSize)
            .Integer("FontCharset", &C::GetFontCharset, &C::SetFontCharset)
            .Boolean("UseSystemFont", &C::GetUseSystemFont, &C::SetUseSystemFont, true)
            .Build();
    return info;
}

TskMainMenu::TskMainMenu(TComponent* AOwner)
    : TMainMenu(AOwner), m_checkMarks(std::make_unique<TImageList>(nullptr)) {
    LoadMenuCheckMark(m_checkMarks.get());
    TMainMenu::SetImages(m_checkMarks.get());
    SetUIStyle(GetSKFormStyle(AOwner));
}

TskMainMenu::~TskMainMenu() {
    Destroying();
    if (m_host) m_host->SetMenu(nullptr);
    // The platform menu still refers to the check-mark list: it lets go of it before the
    // list is freed, not after.
    TMainMenu::SetImages(nullptr);
    m_checkMarks.reset();
}

void TskMainMenu::AfterConstruction() {
    TMainMenu::AfterConstruction();
    auto* form = dynamic_cast<TCustomForm*>(GetOwner());
    if (!form) return;
    for (int i = 0; i < form->ControlCount(); ++i)
        if (auto* frame = dynamic_cast<TskForm*>(form->Controls(i))) {
            frame->SetMenu(this);
            return;
        }
}

TImageList* TskMainMenu::GetImages() const {
    TImageList* images = TMainMenu::GetImages();
    return images == m_checkMarks.get() ? nullptr : images;
}

void TskMainMenu::SetImages(TImageList* Value) {
    TMainMenu::SetImages(Value ? Value : m_checkMarks.get());
}

void TskMainMenu::SetUIStyle(TskUIStyle Value) {
    m_look.ApplyStyle(Value, m_fileTheme);
    if (m_host) m_host->RepaintMenuBar();
}

void TskMainMenu::SetFileTheme(TskFileTheme* Value) {
    if (m_fileTheme != Value) {
        if (m_fileTheme) m_fileTheme->RemoveFreeNotification(this);
        m_fileTheme = Value;
        if (Value) Value->FreeNotification(this);
    }
    SetUIStyle(m_look.UIStyle);
}

void TskMainMenu::SetUseSystemFont(bool Value) {
    m_look.UseSystemFont = Value;
    if (m_host) m_host->RepaintMenuBar();
}

void TskMainMenu::SetHostForm(TskForm* Value) {
    if (Value == m_host) return;
    TskForm* old = m_host;
    m_host = Value;
    // A menu is shown by one form at a time: the form it leaves lets it go.
    if (old && old->GetMenu() == this) old->SetMenu(nullptr);
}

void TskMainMenu::HookItem(TMenuItem* Item) {
    Menu_SetItemEvent(
        Item,
        [this](TObject* s, TCanvas* c, TRect r, bool selected) { DrawItem(s, c, r, selected); },
        [this](TObject* s, TCanvas* c, int& w, int& h) { MeasureItem(s, c, w, h); });
}

void TskMainMenu::MenuAdded() {
    for (int i = 0; i < GetItems()->Count(); ++i) HookItem(GetItems()->Items(i));
    if (m_host) m_host->UpdateMenu();
}

void TskMainMenu::Loaded() {
    TMainMenu::Loaded();
    MenuAdded();
}

void TskMainMenu::MenuChanged(TObject* Sender, TMenuItem* Source, bool Rebuild) {
    TMainMenu::MenuChanged(Sender, Source, Rebuild);
    if (!m_host || (ComponentState() & (csLoading | csDestroying))) return;
    // Items that came or went may be top-level ones: the bar rebuilds only when its buttons
    // no longer match the top-level items.
    if (Rebuild)
        m_host->UpdateMenu();
    else
        m_host->UpdateTopMenu();
}

void TskMainMenu::Notification(TComponent* AComponent, TOperation Operation) {
    const bool userImages =
        AComponent && AComponent == TMainMenu::GetImages() && AComponent != m_checkMarks.get();
    TMainMenu::Notification(AComponent, Operation);
    if (Operation == opInsert) {
        auto* item = dynamic_cast<TMenuItem*>(AComponent);
        if (item && item->GetParentMenu() == this) HookItem(item);
        return;
    }
    if (userImages && !(ComponentState() & csDestroying)) TMainMenu::SetImages(m_checkMarks.get());
    if (AComponent == m_fileTheme) {
        m_fileTheme = nullptr;
        SetUIStyle(DeepBlue);
    }
}

void TskMainMenu::MeasureItem(TObject* Sender, TCanvas* ACanvas, int& Width, int& Height) {
    if (auto* item = dynamic_cast<TMenuItem*>(Sender)) m_look.Measure(*item, ACanvas, Width, Height);
}

void TskMainMenu::DrawItem(TObject* Sender, TCanvas* ACanvas, TRect R, bool Selected) {
    if (auto* item = dynamic_cast<TMenuItem*>(Sender))
        m_look.Draw(*item, ACanvas, R, Selected, GetImages(), m_checkMarks.get(), m_fileTheme);
}
