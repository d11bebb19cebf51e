#include "Source/frame/SKTitleBar.h"

#include <algorithm>

#include "platform/vcl/controls/Form.h"
#include "platform/vcl/core/ClassBuilder.h"
#include "platform/vcl/core/ComponentGuard.h"
#include "platform/vcl/menus/PopupMenu.h"
#include "platform/win/Windows.h"

#include "Source/theme/SKFileTheme.h"
#include "Source/theme/SKPublic.h"

namespace {

// Inside a skinned form the bar starts this far below and right of the window's corner;
// the frame band there holds the title pictures' first rows and columns.
constexpr int kFrameBand = 3;

}  // namespace

const TClassInfo& TskTitleBar::StaticClassInfo() {
    using C = TskTitleBar;
    static const TClassInfo info =
        TClassBuilder<C>("TskTitleBar")
            .Boolean("Custom", &C::GetCustom, &C::SetCustom, false)
            .Reference("FileTheme", &C::GetFileTheme, &C::SetFileTheme)
            .Enum("UIStyle", TskUIStyleInfo(), &C::GetUIStyle, &C::SetUIStyle, std::nullopt)
            .Boolean("AutoSize", &C::GetAutoSize2, &C::SetAutoSize2, std::nullopt)
            .Publish("Height")
            .Persistent("Sections", [](C& c) { return c.GetSections(); })
            .Persistent("Buttons", [](C& c) { return c.GetButtons(); })
            .Integer("ButtonInterval", &C::GetButtonInterval, &C::SetButtonInterval, 0)
            .Publish("Caption")
            .Publish("Font")
            .Boolean("FormActive", &C::GetActive, &C::SetActive, true)
            .Integer("LeftBtnXOffset", &C::GetLeftBtnXOffset, &C::SetLeftBtnXOffset)
            .Integer("RightBtnXOffset", &C::GetRightBtnXOffset, &C::SetRightBtnXOffset)
            .Boolean("DrawAppIcon", &C::GetDrawAppIcon, &C::SetDrawAppIcon, false)
            .Integer("RoundCorner", &C::GetRoundCorner, &C::SetRoundCorner)
            .Event("OnCustomBtnsClick", &C::OnCustomBtnsClick)
            .Event("OnHelpBtnClick", &C::OnHelpBtnClick)
            .Publish("OnResize")
            .Build();
    return info;
}

TskTitleBar::TskTitleBar(TComponent* AOwner)
    : TCustomPanel(AOwner),
      m_sections(std::make_unique<TskTitleBarSections>(this)),
      m_buttons(std::make_unique<TskTitleBarButtons>(this)) {
    m_controlStyle &= ~csAcceptsControls;
    m_titleBarMenu = new TskTitleBarPopupMenu(this, this);
    for (TskTitleBarBtnType type : {skControlBox, skClose, skMax, skMin})
        m_buttons->Add()->SetButtonType(type);
    SetAlign(alTop);
    SetBevelOuter(bvNone);
    GetFont()->SetColor(clWhite);
    GetFont()->SetName("Tahoma");
    GetFont()->SetStyle(fsBold);
    SetUIStyle(GetSKFormStyle(AOwner));
}

TskTitleBar::~TskTitleBar() {
    Destroying();
    // The collections repaint the bar on change; they go first, while it is whole.
    m_buttons.reset();
    m_sections.reset();
}

TCustomForm* TskTitleBar::Form() {
    return GetParentForm(this);
}

bool TskTitleBar::InForm() const {
    if (!GetParent()) return false;
    return GetParent()->ClassInfo().InheritsFrom("TskForm") ||
           (GetOwner() && GetOwner()->ClassInfo().InheritsFrom("TskMDIForm"));
}

bool TskTitleBar::InMDIForm() const {
    return GetParent() && GetOwner() && GetOwner()->ClassInfo().InheritsFrom("TskMDIForm");
}

// ---------------------------------------------------------------------------------------
// Style

void TskTitleBar::SetFileTheme(TskFileTheme* Value) {
    if (Value != m_fileTheme) {
        if (m_fileTheme) m_fileTheme->RemoveFreeNotification(this);
        m_fileTheme = Value;
        if (Value) Value->FreeNotification(this);
    }
    m_settingFileTheme = true;
    SetUIStyle(m_uiStyle);
    m_settingFileTheme = false;
}

void TskTitleBar::SetUIStyle(TskUIStyle Value) {
    m_uiStyle = Value;
    if (m_custom) return;
    m_sections->BeginUpdate();
    m_sections->Clear();
    m_sections->EndUpdate();
    TskUIStyle effective = Value;
    const bool useFile = UsingFileTheme(m_fileTheme, Value, effective);
    if (useFile)
        UpdateFileTheme();
    else
        UpdateInsideTheme(effective);
    const TskUIStyle style = useFile ? FromThemeFile : effective;
    for (int i = 0; i < m_buttons->Count(); ++i) m_buttons->GetItem(i)->SetUIStyle(style);
    if (m_titleBarMenu) {
        m_titleBarMenu->SetFileTheme(m_fileTheme);
        m_titleBarMenu->SetUIStyle(style);
    }
    if (!m_settingFileTheme) {
        bool black = DrawingRulesStyle(m_fileTheme, Value) == MacOS;
        if (useFile && !black) {
            const TColor c = m_fileTheme->GetColor(SkItem::ControlFontColor);
            black = c == 0x10000 || c == 0x30000 || c == 0x40000 || c == 0x50000;
        }
        GetFont()->SetColor(black ? 0x000000 : 0xFFFFFF);
    }
    SetAutoSize2(true);
    Invalidate();
}

TskTitleBarSection* TskTitleBar::AddSection(TBitmap* Picture, TskTitleBarAlign Align,
                                            bool AutoSize) {
    TskTitleBarSection* section = m_sections->Add();
    section->GetPicture()->SetBitmap(Picture);
    if (AutoSize) section->SetAutoSize(true);
    if (Align != skLeft) section->SetAlign(Align);
    return section;
}

void TskTitleBar::ApplyStyle(bool FileTheme, TskUIStyle Style) {
    auto load = [&](int item, TBitmap& b) {
        if (FileTheme)
            m_fileTheme->GetBitmap(item, &b);
        else
            GetInsideThemeBitmap(Style, item, &b, 0, 0);
    };
    auto integer = [&](int item) {
        return FileTheme ? m_fileTheme->GetInt(item) : GetInsideThemeInt(Style, item);
    };
    TBitmap left, right, client, buttons;
    load(SkItem::TitleBarLeftImage, left);
    load(SkItem::TitleBarRightImage, right);
    load(SkItem::TitleBarClientImage, client);
    load(SkItem::TitleBarButtonImage, buttons);
    AddSection(&left, skLeft, true);
    AddSection(&right, skRight, true);
    AddSection(&client, skClient, false);
    m_leftBtnXOffset = integer(SkItem::TitleBarButtonLeftOffsetInt);
    m_rightBtnXOffset = integer(SkItem::TitleBarButtonRightOffsetInt);
    m_buttonImageHeight = buttons.GetHeight();
    m_buttonRowTop = integer(SkItem::TitleBarButtonTopInt) - (InForm() ? kFrameBand : 0);
    if (TCustomForm* form = Form())
        form->GetConstraints()->SetMinWidth(integer(SkItem::FormMinWidthInt));
    m_roundCorner = integer(SkItem::FormRoundCornerInt);
}

void TskTitleBar::UpdateInsideTheme(TskUIStyle Style) {
    ApplyStyle(false, Style);
}

void TskTitleBar::UpdateFileTheme() {
    if (m_fileTheme) ApplyStyle(true, FromThemeFile);
}

void TskTitleBar::SetAutoSize2(bool Value) {
    m_autoSize = Value;
    if (m_sections->Count() == 0) {
        m_autoSize = false;
        return;
    }
    const int height = m_sections->GetItem(0)->GetPicture()->GetHeight();
    SetHeight(std::max(0, height - (InForm() ? kFrameBand : 0)));
}

void TskTitleBar::ProcessMaxBtn() {
    for (int i = 0; i < m_buttons->Count(); ++i) m_buttons->GetItem(i)->ProcessMaxBtn();
}

bool TskTitleBar::CanPaint() const {
    if (m_sections->Count() != 3) return false;
    for (int i = 0; i < 3; ++i)
        if (!m_sections->GetItem(i)->GetPicture()->GetGraphic()) return false;
    return true;
}

TBitmap* TskTitleBar::SectionImage(int Index) const {
    if (Index >= m_sections->Count()) return nullptr;
    return m_sections->GetItem(Index)->GetPicture()->GetBitmap();
}

TBitmap* TskTitleBar::GetLeftImage() const {
    return SectionImage(0);
}

TBitmap* TskTitleBar::GetRightImage() const {
    return SectionImage(1);
}

TBitmap* TskTitleBar::GetCenterImage() const {
    return SectionImage(2);
}

// ---------------------------------------------------------------------------------------
// Plain setters

void TskTitleBar::SetButtonInterval(int Value) {
    m_buttonInterval = Value;
    Invalidate();
}

void TskTitleBar::SetActive(bool Value) {
    m_formActive = Value;
    Invalidate();
}

void TskTitleBar::SetLeftBtnXOffset(int Value) {
    m_leftBtnXOffset = Value;
    Invalidate();
}

void TskTitleBar::SetRightBtnXOffset(int Value) {
    m_rightBtnXOffset = Value;
    Invalidate();
}

void TskTitleBar::SetDrawAppIcon(bool Value) {
    m_drawAppIcon = Value;
    m_appIcon.reset();
    Invalidate();
}

void TskTitleBar::Notification(TComponent* AComponent, TOperation Operation) {
    TCustomPanel::Notification(AComponent, Operation);
    if (Operation != opRemove) return;
    if (AComponent == m_titleBarMenu) m_titleBarMenu = nullptr;
    if (m_buttons)
        for (int i = 0; i < m_buttons->Count(); ++i)
            if (m_buttons->GetItem(i)->GetControlBoxMenu() == AComponent)
                m_buttons->GetItem(i)->SetControlBoxMenu(nullptr);
    if (AComponent == m_fileTheme) {
        m_fileTheme = nullptr;
        if (!(ComponentState() & csDestroying)) SetUIStyle(DeepBlue);
    }
}
