#include "Source/frame/SKMainMenu.h"

#include "platform/vcl/controls/Form.h"
#include "platform/vcl/core/ClassBuilder.h"
#include "platform/vcl/core/ClassInfo.h"
#include "platform/vcl/graphics/Font.h"
#include "platform/vcl/graphics/ImageList.h"

#include "Source/frame/SKForm.h"
#include "Source/frame/SKMenu.h"
#include "Source/theme/SKFileTheme.h"

void RegisterSKMainMenuClasses() {
    RegisterClassesOf<TskMainMenu>();
}

const TClassInfo& TskMainMenu::StaticClassInfo() {
    using C = TskMainMenu;
    static const TClassInfo info = [] {
        TClassBuilder<C> builder("TskMainMenu");
        builder.Reference("Images", &C::GetImages, &C::SetImages);
        return AddSkinnedMenuProperties(builder).Build();
    }();
    return info;
}

TskMainMenu::TskMainMenu(TComponent* AOwner)
    : TskSkinnedMenu(AOwner), m_checkMarks(std::make_unique<TImageList>(nullptr)) {
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
    // The skinned frame draws the menu bar; the platform's own bar must not show as well.
    form->SetMenu(nullptr);
    for (int i = 0; i < form->ControlCount(); ++i)
        if (auto* frame = dynamic_cast<TskForm*>(form->Controls(i))) {
            frame->SetMenu(this);
            return;
        }
}

void TskMainMenu::ApplyBarFont(TFont* Font) const {
    if (GetUseSystemFont()) {
        Menu_GetSystemFont(Font);
        return;
    }
    Font->SetName(GetFontName());
    Font->SetSize(GetFontSize());
    Font->SetCharset(GetFontCharset());
    Font->SetColor(GetFontColor());
}

TImageList* TskMainMenu::GetImages() const {
    TImageList* images = TMainMenu::GetImages();
    return images == m_checkMarks.get() ? nullptr : images;
}

void TskMainMenu::SetImages(TImageList* Value) {
    TMainMenu::SetImages(Value ? Value : m_checkMarks.get());
}

void TskMainMenu::LookChanged() {
    if (m_host) m_host->RepaintMenuBar();
}

void TskMainMenu::SetHostForm(TskForm* Value) {
    if (Value == m_host) return;
    TskForm* old = m_host;
    m_host = Value;
    // A menu is shown by one form at a time: the form it leaves lets it go.
    if (old && old->GetMenu() == this) old->SetMenu(nullptr);
}

void TskMainMenu::MenuAdded() {
    TskSkinnedMenu::MenuAdded();
    if (m_host) m_host->UpdateMenu();
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
    TskSkinnedMenu::Notification(AComponent, Operation);
    if (Operation == opRemove && userImages && !(ComponentState() & csDestroying))
        TMainMenu::SetImages(m_checkMarks.get());
}
