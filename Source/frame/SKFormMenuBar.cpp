// The skinned form's menu bar: a bar docked under the title bar with one caption button
// per top-level item of the form's main menu, drawn in the style of the menu (a skinned
// main menu) or of the form, and opened by the mouse or from the keyboard.
#include <algorithm>

#include "platform/vcl/controls/ControlCanvas.h"
#include "platform/vcl/controls/Form.h"
#include "platform/vcl/dialogs/MessageDlg.h"
#include "platform/vcl/graphics/Bitmap.h"
#include "platform/vcl/graphics/Canvas.h"
#include "platform/vcl/menus/MainMenu.h"
#include "platform/win/Windows.h"

#include "Source/frame/SKForm.h"
#include "Source/frame/SKMainMenu.h"
#include "Source/frame/SKMenu.h"
#include "Source/frame/SKMenuBar.h"
#include "Source/theme/SKFileTheme.h"

namespace {

constexpr int kBand = 3;  // the dialog frame the platform leaves round the client area
constexpr TColor kDisabledFontColor = 0x808080;
constexpr unsigned kCaptionFlags = DT_CENTER | DT_VCENTER | DT_SINGLELINE;

TColor ThemeColor(TskFileTheme* FileTheme, TskUIStyle Style, int Item) {
    TskUIStyle effective = Style;
    if (UsingFileTheme(FileTheme, Style, effective)) return FileTheme->GetColor(Item);
    return GetInsideThemeColor(effective, Item);
}

// The pinstripe picture stretched over the whole of Rect.
void StretchPicture(TCanvas& Canvas, const TRect& Rect, const char* ResourceName) {
    RegisterSkinPictures();
    TBitmap picture;
    picture.LoadFromResourceName(ResourceName);
    Canvas.StretchDraw(Rect, &picture);
}

}  // namespace

void TskForm::SetMenu(TMainMenu* Value) {
    if (Value != m_menu) {
        TMainMenu* old = m_menu;
        if (old) old->RemoveFreeNotification(this);
        m_menu = Value;
        if (auto* skinned = dynamic_cast<TskMainMenu*>(old); skinned && skinned->HostForm() == this)
            skinned->SetHostForm(nullptr);
        if (Value) Value->FreeNotification(this);
        if (auto* skinned = dynamic_cast<TskMainMenu*>(Value)) skinned->SetHostForm(this);
    }
    if (m_menu) {
        CreateMenuBar();
        RepaintMenuBar();
        UpdateMenu();
    } else {
        DestroyMenuBar();
    }
}

void TskForm::CreateMenuBar() {
    if (m_menuBar || GetMDIChild() || !m_ownerForm) return;
    m_menuBar = new TskMenuBar(this);
    m_menuBar->SetFlat(true);
    m_menuBar->SetEdgeBorders(0);
    m_menuBar->SetEdgeInner(esNone);
    m_menuBar->SetEdgeOuter(esNone);
    m_menuBar->SetShowCaptions(true);
    m_menuBar->SetButtonHeight(m_menuBarHeight);
    m_menuBar->SetHeight(m_menuBarHeight);
    m_menuBar->SetColor(m_menuBarColor);
    if (!(ComponentState() & csDesigning))
        m_menuBar->OnCustomDrawButton = [this](TToolBar* bar, TToolButton* button,
                                               TCustomDrawState state, bool& defaultDraw) {
            DrawButton(bar, button, state, defaultDraw);
        };
    m_menuBar->OnCustomDraw = [this](TToolBar* bar, const TRect& rect, bool& defaultDraw) {
        DrawMenuBar(bar, rect, defaultDraw);
    };
    m_menuBar->SetWrapable(true);
    // Docked under the title bar: the title bar goes to the top first.
    if (m_titleBar) m_titleBar->SetTop(0);
    m_menuBar->SetTop(m_titleBar ? m_titleBar->GetTop() + m_titleBar->GetHeight() : 0);
    m_menuBar->SetParent(this);
    m_menuBar->SetAutoSize(true);
    PaintFormBorder();
}

void TskForm::DestroyMenuBar() {
    if (!GetMDIChild() && m_menuBar) {
        TskMenuBar* bar = m_menuBar;
        m_menuBar = nullptr;
        delete bar;
        PaintFormBorder();
    }
    if (m_menu) SetMenu(nullptr);
}

void TskForm::UpdateMenu() {
    if (!m_menuBar) return;
    if (!m_menu) {
        DestroyMenuBar();
        return;
    }
    m_menuBar->SetItems(m_menu->GetItems());
}

void TskForm::UpdateTopMenu() {
    if (m_menuBar) m_menuBar->UpdateButtons();
}

void TskForm::RepaintMenuBar() {
    if (!m_menuBar || !m_menu) return;
    if (auto* skinned = dynamic_cast<TskMainMenu*>(m_menu)) skinned->ApplyBarFont(m_menuBar->GetFont());
    m_menuBar->Invalidate();
}

void TskForm::SetMenuBarColor(TColor Value) {
    m_menuBarColor = Value;
    if (m_menuBar) m_menuBar->SetColor(Value);
}

void TskForm::SetMenuBarHeight(int Value) {
    m_menuBarHeight = Value;
    if (!m_menuBar) return;
    m_menuBar->SetButtonHeight(Value);
    m_menuBar->SetHeight(Value);
}

TskUIStyle TskForm::MenuStyle(TskFileTheme*& FileTheme) const {
    if (auto* skinned = dynamic_cast<TskMainMenu*>(m_menu)) {
        FileTheme = skinned->GetFileTheme();
        return skinned->GetUIStyle();
    }
    FileTheme = m_fileTheme;
    return m_uiStyle;
}

void TskForm::DrawMenuBar(TToolBar* Sender, const TRect& ARect, bool&) {
    TskFileTheme* fileTheme = nullptr;
    const TskUIStyle style = MenuStyle(fileTheme);
    if (DrawingRulesStyle(fileTheme, style) == MacOS)
        StretchPicture(*Sender->GetCanvas(), ARect, "MACOS_MENU_BAR");
}

void TskForm::DrawButton(TToolBar* Sender, TToolButton* Button, unsigned State,
                         bool& DefaultDraw) {
    DefaultDraw = false;
    if (Button->IsSeparator()) return;
    if (m_menuBar == Sender) State = m_menuBar->DrawState(Button);
    TskFileTheme* fileTheme = nullptr;
    const TskUIStyle style = MenuStyle(fileTheme);
    TCanvas& canvas = *Sender->GetCanvas();
    TFont* font = canvas.GetFont();
    if (auto* skinned = dynamic_cast<TskMainMenu*>(m_menu)) skinned->ApplyBarFont(font);
    const std::string caption = Button->GetCaption();
    TRect r = Button->BoundsRect();
    const bool selected = State & cdsSelected;
    if (State & (cdsHot | cdsSelected)) {
        if (DrawingRulesStyle(fileTheme, style) == MacOS) {
            TBitmap face(r.Width(), r.Height());
            TCanvas* faceCanvas = face.GetCanvas();
            StretchPicture(*faceCanvas, Rect(0, 0, r.Width(), r.Height()), "MACOS_MENU_SELECT");
            faceCanvas->GetBrush()->SetStyle(bsClear);
            faceCanvas->SetFont(font);
            faceCanvas->GetFont()->SetColor(
                ThemeColor(fileTheme, style, SkItem::MenuSelectedFontColor));
            TRect text = Rect(0, 0, r.Width(), r.Height() + 2);
            faceCanvas->DrawText(caption, text, kCaptionFlags);
            canvas.Draw(r.left, r.top, &face);
            return;
        }
        if (selected) r.right -= 2;
        canvas.GetBrush()->SetStyle(bsSolid);
        canvas.GetBrush()->SetColor(
            ThemeColor(fileTheme, style, SkItem::MenuSelectedBackgroundColor));
        canvas.FillRect(r);
        canvas.GetBrush()->SetColor(ThemeColor(fileTheme, style, SkItem::MenuSelectedBorderColor));
        canvas.FrameRect(r);
        if (selected) r.left += 2;
        r.top += 2;
        canvas.GetBrush()->SetStyle(bsClear);
        font->SetColor(ThemeColor(fileTheme, style, SkItem::MenuSelectedFontColor));
        canvas.DrawText(caption, r, kCaptionFlags);
        return;
    }
    canvas.GetBrush()->SetStyle(bsClear);
    r.top += 2;
    TColor color = ThemeColor(fileTheme, style, SkItem::MenuFontColor);
    TskUIStyle effective = style;
    if (UsingFileTheme(fileTheme, style, effective) &&
        fileTheme->GetColor(SkItem::ControlFontColor) == 0x30000)
        color = 0xFFFFFF;
    if (State & cdsDisabled) color = kDisabledFontColor;
    font->SetColor(color);
    canvas.DrawText(caption, r, kCaptionFlags);
}

void TskForm::PaintMenuBarEdges(TCanvas& Canvas, int W, int BW) {
    if (!m_menuBar || !m_menuBar->GetVisible() || BW >= kBand) return;
    const int h = m_titleBar ? m_titleBar->GetHeight() : 0;
    const int m = m_menuBar->GetHeight();
    Canvas.GetBrush()->SetColor(m_menuBar->GetColor());
    Canvas.FillRect(Rect(BW, h + kBand, kBand, h + kBand + m));
    Canvas.FillRect(Rect(W - kBand, h + kBand, W - BW, h + kBand + m));
}

void TskForm::MenuKey(char Key) {
    if (!m_menuBar || !m_menuBar->Showing() || !m_ownerForm) return;
    if (!IsWindowEnabled(m_ownerForm->Handle())) return;
    if (Key == 0) {
        m_menuBar->EnterKeyboardMode();
    } else if (Key != ' ' && !m_menuBar->OpenAccelerator(Key)) {
        MessageBeep(0);
    }
}

void TskForm::RecommendSkinnedMenu() {
    const std::string formName = m_ownerForm ? m_ownerForm->GetName() : std::string();
    const std::string text =
        "Strongly recommend you to use \"TskMainMenu\" instead of \"TMainMenu\".\r\n\r\n"
        "If you still want to use TMainForm, \r\n\r\nset " +
        formName + "'s MENU property to NIL please." + "\r\n\r\n" + "And set " + GetName() +
        "'s MENU property to this Menu when you finished designing the menu.";
    MessageBox(GetActiveWindow(), text.c_str(), "Information", MB_OK | MB_ICONINFORMATION);
}
