// TskMDIForm's menu bar: the panel under the title bar, the tool bar whose buttons stand
// for the shown menu's top-level items, the three control buttons of a maximised child,
// and the bar's drawing in the frame's style.
#include <algorithm>

#include "platform/vcl/comctrls/ToolBar.h"
#include "platform/vcl/comctrls/ToolButton.h"
#include "platform/vcl/controls/Application.h"
#include "platform/vcl/controls/Form.h"
#include "platform/vcl/graphics/Bitmap.h"
#include "platform/vcl/menus/MainMenu.h"
#include "platform/vcl/stdctrls/CustomPanel.h"
#include "platform/win/Windows.h"

#include "Source/buttons/SKImageButton.h"
#include "Source/frame/SKMDIForm.h"
#include "Source/frame/SKMainMenu.h"
#include "Source/theme/SKControlTheme.h"
#include "Source/theme/SKFileTheme.h"
#include "Source/theme/SKPublic.h"
#include "Source/theme/SKThemes.h"

namespace {

constexpr int kCloseTag = -1381;
constexpr int kRestoreTag = -1382;
constexpr int kMinimiseTag = -1383;

}  // namespace

void TskMDIForm::CreateMenuBar() {
    if (m_menuBar) return;
    m_menuPanel = new TPanel(this);
    m_menuPanel->SetBevelOuter(bvNone);
    m_menuPanel->SetBevelInner(bvNone);
    m_menuPanel->SetAlign(alTop);
    m_menuPanel->SetParent(m_form);
    m_menuPanel->SetAutoSize(true);
    m_menuPanel->SetVisible(false);
    m_menuBar = new TToolBar(this);
    m_menuBar->SetParent(m_menuPanel);
    m_menuBar->SetFlat(true);
    m_menuBar->SetEdgeBorders(0);
    m_menuBar->SetShowCaptions(true);
    m_menuBar->SetAutoSize(true);
    m_menuBar->OnCustomDrawButton = [this](TToolBar* Sender, TToolButton* Button, unsigned State,
                                           bool& DefaultDraw) {
        DrawButton(Sender, Button, State, DefaultDraw);
    };
    m_menuBar->OnCustomDraw = [this](TToolBar* Sender, const TRect& ARect, bool& DefaultDraw) {
        DrawMenuBar(Sender, ARect, DefaultDraw);
    };
    if (m_titleBar) m_titleBar->SetTop(0);
    if (ComponentState() & csDesigning) return;
    // The control buttons keep their distance from the panel's right edge.
    m_menuPanel->OnResize = [this](TObject*) { PlaceControlButtons(); };
    RegisterSkinPictures();
    TBitmap strip;
    strip.LoadFromResourceName("MDI_CONTROL_BUTTON");
    struct Spec {
        TskToolBarSpeedButton** button;
        int frame;
        int tag;
    };
    const Spec specs[] = {{&m_closeButton, 3, kCloseTag},
                          {&m_restoreButton, 2, kRestoreTag},
                          {&m_minimiseButton, 1, kMinimiseTag}};
    for (const Spec& spec : specs) {
        auto* button = new TskToolBarSpeedButton(this);
        button->SetParent(m_menuPanel);
        TBitmap glyph;
        SpitBitmap(&strip, &glyph, 3, spec.frame);
        button->SetGlyph(&glyph);
        button->SetTag(spec.tag);
        button->SetTop(1);
        button->SetColor(m_menuBarColor);
        button->OnClick = [this](TObject* Sender) { OnControlButtonClick(Sender); };
        button->BringToFront();
        button->SetVisible(false);
        *spec.button = button;
    }
    PlaceControlButtons();
}

void TskMDIForm::PlaceControlButtons() {
    if (!m_menuPanel) return;
    const int width = m_menuPanel->GetWidth();
    if (m_closeButton) m_closeButton->SetLeft(width - 20);
    if (m_restoreButton) m_restoreButton->SetLeft(width - 38);
    if (m_minimiseButton) m_minimiseButton->SetLeft(width - 56);
}

void TskMDIForm::DestroyMenuBar() {
    if (!m_menuBar) return;
    if (!(ComponentState() & csDesigning)) {
        delete m_closeButton;
        delete m_restoreButton;
        delete m_minimiseButton;
    }
    delete m_menuBar;
    delete m_menuPanel;
    m_menu = nullptr;
    m_shownMenu = nullptr;
}

TskToolBarSpeedButton* TskMDIForm::ControlButton(int Index) const {
    switch (Index) {
        case 0:
            return m_closeButton;
        case 1:
            return m_restoreButton;
        case 2:
            return m_minimiseButton;
        default:
            return nullptr;
    }
}

void TskMDIForm::OnControlButtonClick(TObject* Sender) {
    auto* button = dynamic_cast<TskToolBarSpeedButton*>(Sender);
    if (!button) return;
    // A hidden child is not active: with none there is nothing to act on.
    TCustomForm* child = m_form->ActiveMDIChild();
    if (!child) return;
    switch (button->GetTag()) {
        case kCloseTag:
            child->Close();
            break;
        case kRestoreTag:
            child->SetWindowState(wsNormal);
            break;
        case kMinimiseTag:
            ShowWindow(child->Handle(), SW_SHOWMINIMIZED);
            break;
        default:
            return;
    }
    if (Application) Application->ProcessMessages();
}

void TskMDIForm::SetMenu(TMainMenu* Value) {
    if (Value == m_menu) return;
    if (m_menu) m_menu->RemoveFreeNotification(this);
    m_menu = Value;
    if (Value) Value->FreeNotification(this);
    UpdateMenu();
}

void TskMDIForm::SetMenuBarColor(TColor Value) {
    m_menuBarColor = Value;
    if (m_menuBar) m_menuBar->SetColor(Value);
    if (m_menuPanel) m_menuPanel->SetColor(Value);
}

void TskMDIForm::ShowMenuBar() {
    if (m_menuPanel) m_menuPanel->SetVisible(true);
}

void TskMDIForm::HideMenuBar() {
    if (m_menuPanel) m_menuPanel->SetVisible(false);
}

void TskMDIForm::UpdateMenu() {
    if (!m_menuBar) return;
    TMainMenu* shown = GetMainMenu();
    if (shown != m_shownMenu) {
        if (m_shownMenu && m_shownMenu != m_menu) m_shownMenu->RemoveFreeNotification(this);
        m_shownMenu = shown;
        if (shown) shown->FreeNotification(this);
    }
    if (!shown) {
        HideMenuBar();
        return;
    }
    if (m_titleBar) m_titleBar->SetTop(0);
    // The buttons size themselves to their captions in the font they are drawn in.
    if (auto* skinned = dynamic_cast<TskMainMenu*>(shown)) skinned->ApplyBarFont(m_menuBar->GetFont());
    TMenuItem* items = shown->GetItems();
    const int wanted = items->Count();
    // Surplus buttons go from the front; missing ones are added at the end.
    while (m_menuBar->ButtonCount() > wanted) delete m_menuBar->Buttons(0);
    while (m_menuBar->ButtonCount() < wanted) {
        auto* button = new TToolButton(this);
        button->SetParent(m_menuBar);
        button->SetGrouped(true);
        button->SetAutoSize(true);
    }
    for (int i = wanted - 1; i >= 0; --i) m_menuBar->Buttons(i)->SetMenuItem(items->Items(i));
    ShowMenuBar();
    m_menuPanel->SetHeight(m_menuBar->GetHeight());
    m_menuBar->ArrangeButtons();
}

void TskMDIForm::DrawMenuBar(TToolBar* Sender, const TRect& ARect, bool& DefaultDraw) {
    if (DrawingRulesStyle(m_fileTheme, m_uiStyle) != MacOS) return;
    RegisterSkinPictures();
    TBitmap stripes;
    stripes.LoadFromResourceName("MACOS_MENU_BAR");
    Sender->GetCanvas()->StretchDraw(ARect, &stripes);
    DefaultDraw = true;
}

void TskMDIForm::DrawButton(TToolBar* Sender, TToolButton* Button, unsigned State,
                            bool& DefaultDraw) {
    DefaultDraw = false;
    TCanvas* canvas = Sender->GetCanvas();
    // The style is this frame's own; a skinned main menu gives the buttons its font.
    if (auto* skinned = dynamic_cast<TskMainMenu*>(GetMainMenu()))
        skinned->ApplyBarFont(canvas->GetFont());
    TskUIStyle effective = m_uiStyle;
    const bool fileTheme = UsingFileTheme(m_fileTheme, m_uiStyle, effective);
    const auto color = [&](int item) { return GetControlThemeColor(m_fileTheme, m_uiStyle, item); };
    TRect r = Button->BoundsRect();
    const std::string caption = Button->GetCaption();
    const bool hot = State & (cdsHot | cdsSelected);
    const UINT centred = DT_CENTER | DT_VCENTER | DT_SINGLELINE;
    if (hot && DrawingRulesStyle(m_fileTheme, m_uiStyle) == MacOS) {
        RegisterSkinPictures();
        TBitmap face(r.Width(), r.Height());
        TBitmap stripes;
        stripes.LoadFromResourceName("MACOS_MENU_SELECT");
        face.GetCanvas()->StretchDraw(Rect(0, 0, r.Width(), r.Height()), &stripes);
        face.GetCanvas()->GetBrush()->SetStyle(bsClear);
        face.GetCanvas()->GetFont()->Assign(canvas->GetFont());
        face.GetCanvas()->GetFont()->SetColor(color(SkItem::MenuSelectedFontColor));
        TRect text = Rect(0, 0, r.Width(), r.Height() + 2);
        face.GetCanvas()->DrawText(caption, text, centred);
        canvas->Draw(r.left, r.top, &face);
        return;
    }
    if (hot) {
        if (State & cdsSelected) r.right -= 2;
        canvas->GetBrush()->SetStyle(bsSolid);
        canvas->GetBrush()->SetColor(color(SkItem::MenuSelectedBackgroundColor));
        canvas->FillRect(r);
        canvas->GetBrush()->SetColor(color(SkItem::MenuSelectedBorderColor));
        canvas->FrameRect(r);
        if (State & cdsSelected) r.left += 2;
        r.top += 2;
        canvas->GetBrush()->SetStyle(bsClear);
        canvas->GetFont()->SetColor(color(SkItem::MenuSelectedFontColor));
        canvas->DrawText(caption, r, centred);
        return;
    }
    canvas->GetBrush()->SetStyle(bsClear);
    r.top += 2;
    TColor font = color(SkItem::MenuFontColor);
    if (fileTheme && m_fileTheme->GetColor(SkItem::ControlFontColor) == 0x30000) font = 0xFFFFFF;
    canvas->GetFont()->SetColor(font);
    canvas->DrawText(caption, r, centred);
}
