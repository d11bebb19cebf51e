#include "Source/frame/SKTitleBarItems.h"

#include "platform/vcl/controls/Application.h"
#include "platform/vcl/controls/Form.h"
#include "platform/vcl/core/ClassBuilder.h"
#include "platform/vcl/dialogs/MessageDlg.h"
#include "platform/vcl/graphics/Bitmap.h"
#include "platform/vcl/menus/PopupMenu.h"
#include "platform/win/Windows.h"

#include "Source/frame/SKTitleBar.h"
#include "Source/theme/SKFileTheme.h"
#include "Source/theme/SKPublic.h"

namespace {

constexpr int kButtonFrames = 18;

// The first of each type's three frames in the button strip; 0 for skCustom, which keeps
// the pictures it was given.
int FirstFrame(TskTitleBarBtnType Type, bool Maximized) {
    switch (Type) {
        case skControlBox:
            return 1;
        case skHelp:
            return 4;
        case skMax:
            return Maximized ? 10 : 7;
        case skMin:
            return 13;
        case skClose:
            return 16;
        case skCustom:
            break;
    }
    return 0;
}

}  // namespace

void ShowSkinError(const char* Text) {
    MessageBox(GetActiveWindow(), Text, "Error", MB_OK | MB_ICONERROR);
}

const TEnumInfo& TskTitleBarBtnTypeInfo() {
    static const TEnumInfo info{
        "TskTitleBarBtnType", {"skMax", "skMin", "skClose", "skHelp", "skControlBox", "skCustom"}};
    return info;
}

const TEnumInfo& TskTitleBarAlignInfo() {
    static const TEnumInfo info{"TskTitleBarAlign", {"skLeft", "skRight", "skClient"}};
    return info;
}

// ---------------------------------------------------------------------------------------
// TskTitleBarButton

const TClassInfo& TskTitleBarButton::StaticClassInfo() {
    using C = TskTitleBarButton;
    static const TClassInfo info =
        TClassBuilder<C>("TskTitleBarButton")
            .Enum("UIStyle", TskUIStyleInfo(), &C::GetUIStyle, &C::SetUIStyle, std::nullopt)
            .Enum("ButtonType", TskTitleBarBtnTypeInfo(), &C::GetButtonType, &C::SetButtonType,
                  std::nullopt)
            .Boolean("Transparent", &C::GetTransparent, &C::SetTransparent, std::nullopt)
            .Integer("Top", &C::GetTop, &C::SetTop)
            .Reference("ControlBoxMenu", &C::GetControlBoxMenu, &C::SetControlBoxMenu)
            .Boolean("Visible", &C::GetVisible, &C::SetVisible, true)
            .Persistent("PicNormal", [](C& c) { return c.GetPicNormal(); })
            .Persistent("PicMouseOn", [](C& c) { return c.GetPicMouseOn(); })
            .Persistent("PicMouseDown", [](C& c) { return c.GetPicMouseDown(); })
            .Build();
    return info;
}

TskTitleBarButton::TskTitleBarButton(TCollection* Collection) : TCollectionItem(Collection) {
    const auto changed = [this](TObject*) {
        m_insideFrames.reset();
        Repaint();
    };
    m_picNormal.OnChange = changed;
    m_picMouseOn.OnChange = changed;
    m_picMouseDown.OnChange = changed;
}

TskTitleBarButton::~TskTitleBarButton() {
    m_picNormal.OnChange = nullptr;
    m_picMouseOn.OnChange = nullptr;
    m_picMouseDown.OnChange = nullptr;
}

TskTitleBar* TskTitleBarButton::TitleBar() const {
    auto* buttons = dynamic_cast<TskTitleBarButtons*>(Collection());
    return buttons ? buttons->TitleBar() : nullptr;
}

void TskTitleBarButton::SetUIStyle(TskUIStyle Value) {
    m_uiStyle = Value;
    UpdateUIStyle();
    Repaint();
}

void TskTitleBarButton::SetButtonType(TskTitleBarBtnType Value) {
    if (Value == skControlBox && Collection()) {
        for (int i = 0; i < Collection()->Count(); ++i) {
            auto* other = static_cast<TskTitleBarButton*>(Collection()->Items(i));
            if (other->m_buttonType == skControlBox) {
                ShowSkinError(
                    "Sorry, only one button's ButtonType property can be \"skControlBox\"");
                return;
            }
        }
    }
    m_buttonType = Value;
    UpdateUIStyle();
    Repaint();
}

void TskTitleBarButton::SetTransparent(bool Value) {
    m_transparent = Value;
    Repaint();
}

void TskTitleBarButton::SetTop(int Value) {
    m_top = Value;
    Repaint();
}

void TskTitleBarButton::SetControlBoxMenu(TPopupMenu* Value) {
    if (Value == m_controlBoxMenu) return;
    TskTitleBar* bar = TitleBar();
    if (m_controlBoxMenu && bar) m_controlBoxMenu->RemoveFreeNotification(bar);
    m_controlBoxMenu = Value;
    // The bar forgets the menu for its buttons when the menu goes.
    if (Value && bar) Value->FreeNotification(bar);
    Repaint();
}

void TskTitleBarButton::SetVisible(bool Value) {
    m_visible = Value;
    Repaint();
}

void TskTitleBarButton::LoadFrames(int First) {
    TskTitleBar* bar = TitleBar();
    TskFileTheme* fileTheme = bar ? bar->GetFileTheme() : nullptr;
    TskUIStyle effective = m_uiStyle;
    const bool useFile = UsingFileTheme(fileTheme, m_uiStyle, effective);
    if (!useFile && m_insideFrames && m_insideFrames->Style == effective &&
        m_insideFrames->First == First)
        return;
    // Each picture set below forgets the remembered frames; they are remembered again
    // only once all three are loaded.
    TPicture* pictures[] = {&m_picNormal, &m_picMouseOn, &m_picMouseDown};
    for (int i = 0; i < 3; ++i) {
        TBitmap frame;
        if (useFile)
            fileTheme->GetBitmap(SkItem::TitleBarButtonImage, &frame, kButtonFrames, First + i);
        else
            GetInsideThemeBitmap(effective, SkItem::TitleBarButtonImage, &frame, kButtonFrames,
                                 First + i);
        pictures[i]->SetBitmap(&frame);
    }
    // A theme file may load other pictures under the same object, so only the built-in
    // styles are remembered.
    if (!useFile) m_insideFrames = TInsideFrames{effective, First};
}

void TskTitleBarButton::UpdateUIStyle() {
    TskTitleBar* bar = TitleBar();
    TskUIStyle effective = m_uiStyle;
    if (UsingFileTheme(bar ? bar->GetFileTheme() : nullptr, m_uiStyle, effective))
        UpdateFileTheme();
    else
        UpdateInsideTheme(effective);
}

void TskTitleBarButton::UpdateInsideTheme(TskUIStyle Style) {
    m_transparent = GetInsideThemeBool(Style, SkItem::TitleBarButtonTransparentBool);
    if (m_buttonType != skCustom) {
        LoadFrames(FirstFrame(m_buttonType, false));
        m_top = GetInsideThemeInt(Style, SkItem::TitleBarButtonTopInt);
    }
    if (m_buttonType == skMax) ProcessMaxBtn();
}

void TskTitleBarButton::UpdateFileTheme() {
    TskTitleBar* bar = TitleBar();
    TskFileTheme* fileTheme = bar ? bar->GetFileTheme() : nullptr;
    if (!fileTheme) return UpdateInsideTheme(DeepBlue);
    m_transparent = fileTheme->GetBool(SkItem::TitleBarButtonTransparentBool);
    if (m_buttonType != skCustom) {
        LoadFrames(FirstFrame(m_buttonType, false));
        m_top = fileTheme->GetInt(SkItem::TitleBarButtonTopInt);
    }
    if (m_buttonType == skMax) ProcessMaxBtn();
}

void TskTitleBarButton::ProcessMaxBtn() {
    TskTitleBar* bar = TitleBar();
    if (m_buttonType != skMax || (bar && bar->GetCustom())) return;
    TCustomForm* form = bar ? bar->Form() : nullptr;
    LoadFrames(FirstFrame(skMax, form && form->GetWindowState() == wsMaximized));
}

void TskTitleBarButton::DoClick() {
    TskTitleBar* bar = TitleBar();
    TCustomForm* form = bar ? bar->Form() : nullptr;
    if (!form) return;
    switch (m_buttonType) {
        case skMax:
            if (form->GetWindowState() == wsMaximized) {
                form->SetWindowState(wsNormal);
            } else {
                form->SetWindowState(wsMaximized);
                // Inside a skinned form the form places itself on the size change.
                if (!bar->InForm()) {
                    TRect area = GetWorkAreaRect();
                    area.bottom -= 1;
                    PlaceControl(form, area);
                }
            }
            ProcessMaxBtn();
            break;
        case skMin:
            if (Application && form == Application->MainForm())
                SendMessage(form->Handle(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
            else
                form->SetWindowState(wsMinimized);
            break;
        case skClose:
            form->Close();
            break;
        case skControlBox:
            if (m_controlBoxMenu) {
                const TPoint p = bar->ClientToScreen({0, bar->GetHeight()});
                m_controlBoxMenu->Popup(p.x, p.y);
            }
            break;
        case skHelp:
        case skCustom:
            break;
    }
}

void TskTitleBarButton::Assign(const TPersistent* Source) {
    const auto* source = dynamic_cast<const TskTitleBarButton*>(Source);
    if (!source) return TCollectionItem::Assign(Source);
    SetVisible(source->m_visible);
    SetButtonType(source->m_buttonType);
    SetTransparent(source->m_transparent);
    SetTop(source->m_top);
    SetUIStyle(source->m_uiStyle);
    m_picNormal.Assign(&source->m_picNormal);
    m_picMouseOn.Assign(&source->m_picMouseOn);
    m_picMouseDown.Assign(&source->m_picMouseDown);
    SetControlBoxMenu(source->m_controlBoxMenu);
}

// ---------------------------------------------------------------------------------------
// TskTitleBarSection

const TClassInfo& TskTitleBarSection::StaticClassInfo() {
    using C = TskTitleBarSection;
    static const TClassInfo info =
        TClassBuilder<C>("TskTitleBarSection")
            .Boolean("AutoSize", &C::GetAutoSize, &C::SetAutoSize, false)
            .Integer("Width", &C::GetWidth, &C::SetWidth, 10)
            .Enum("Align", TskTitleBarAlignInfo(), &C::GetAlign, &C::SetAlign, skLeft)
            .Persistent("Picture", [](C& c) { return c.GetPicture(); })
            .Boolean("Stretch", &C::GetStretch, &C::SetStretch, false)
            .Build();
    return info;
}

TskTitleBarSection::TskTitleBarSection(TCollection* Collection) : TCollectionItem(Collection) {
    m_picture.OnChange = [this](TObject*) { PictureChanged(); };
}

TskTitleBarSection::~TskTitleBarSection() {
    m_picture.OnChange = nullptr;
}

void TskTitleBarSection::PictureChanged() {
    if (m_autoSize && m_picture.GetGraphic()) m_width = m_picture.GetWidth();
    Changed(false);
}

void TskTitleBarSection::SetAutoSize(bool Value) {
    m_autoSize = Value;
    if (m_picture.GetGraphic()) m_width = m_picture.GetWidth();
    Changed(false);
}

void TskTitleBarSection::SetWidth(int Value) {
    m_width = Value;
    Changed(false);
}

void TskTitleBarSection::SetAlign(TskTitleBarAlign Value) {
    if (Value == skClient && Collection()) {
        for (int i = 0; i < Collection()->Count(); ++i) {
            if (static_cast<TskTitleBarSection*>(Collection()->Items(i))->m_align == skClient) {
                ShowSkinError("Sorry, only one section's Align property can be \"skClient\"");
                return;
            }
        }
        m_stretch = true;
    }
    m_align = Value;
    Changed(false);
}

void TskTitleBarSection::SetStretch(bool Value) {
    if (!Value && m_align == skClient) return;
    m_stretch = Value;
    Changed(false);
}

void TskTitleBarSection::Assign(const TPersistent* Source) {
    const auto* source = dynamic_cast<const TskTitleBarSection*>(Source);
    if (!source) return TCollectionItem::Assign(Source);
    SetWidth(source->m_width);
    if (source->m_align != m_align) SetAlign(source->m_align);
    m_picture.Assign(&source->m_picture);
    SetStretch(source->m_stretch);
    SetAutoSize(source->m_autoSize);
}

// ---------------------------------------------------------------------------------------
// The collections

const TClassInfo& TskTitleBarButtons::StaticClassInfo() {
    static const TClassInfo info = TClassBuilder<TskTitleBarButtons>("TskTitleBarButtons").Build();
    return info;
}

TskTitleBarButtons::TskTitleBarButtons(TskTitleBar* TitleBar)
    : TCollection(TskTitleBarButton::StaticClassInfo(), TitleBar), m_titleBar(TitleBar) {}

void TskTitleBarButtons::Update(TCollectionItem*) {
    if (m_titleBar && !(m_titleBar->ComponentState() & csDestroying)) m_titleBar->Invalidate();
}

const TClassInfo& TskTitleBarSections::StaticClassInfo() {
    static const TClassInfo info =
        TClassBuilder<TskTitleBarSections>("TskTitleBarSections").Build();
    return info;
}

TskTitleBarSections::TskTitleBarSections(TskTitleBar* TitleBar)
    : TCollection(TskTitleBarSection::StaticClassInfo(), TitleBar), m_titleBar(TitleBar) {}

void TskTitleBarSections::Update(TCollectionItem*) {
    if (m_titleBar && !(m_titleBar->ComponentState() & csDestroying)) m_titleBar->Invalidate();
}
