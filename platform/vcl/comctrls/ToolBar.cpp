#include "platform/vcl/comctrls/ToolBar.h"

#include <algorithm>

#include "platform/vcl/core/ClassBuilder.h"
#include "platform/vcl/core/ComponentGuard.h"
#include "platform/vcl/graphics/ImageList.h"
#include "platform/vcl/menus/MenuItem.h"
#include "platform/vcl/menus/MenuTracker.h"
#include "platform/vcl/menus/PopupMenu.h"
#include "platform/vcl/comctrls/ToolButton.h"
#include "platform/win/Windows.h"

namespace {

const TEnumInfo EdgeBorderInfo{"TEdgeBorder", {"ebLeft", "ebTop", "ebRight", "ebBottom"}};
const TEnumInfo EdgeStyleInfo{"TEdgeStyle", {"esNone", "esRaised", "esLowered"}};

constexpr int kCaptionPadding = 14;  // around a caption, both sides together
constexpr int kDropDownArrow = 14;   // the arrow part of a drop-down button

void Fill(TCanvas& c, const TRect& r, TColor color) {
    c.GetBrush()->SetStyle(bsSolid);
    c.GetBrush()->SetColor(color);
    c.FillRect(r);
}

void Edge(TCanvas& c, const TRect& r, TColor topLeft, TColor bottomRight) {
    Fill(c, Rect(r.left, r.top, r.right - 1, r.top + 1), topLeft);
    Fill(c, Rect(r.left, r.top, r.left + 1, r.bottom - 1), topLeft);
    Fill(c, Rect(r.left, r.bottom - 1, r.right, r.bottom), bottomRight);
    Fill(c, Rect(r.right - 1, r.top, r.right, r.bottom), bottomRight);
}

// The check pattern of a button that is down but not under the mouse.
void Dither(TCanvas& c, const TRect& r) {
    Fill(c, r, clBtnFace);
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left + ((y + r.left) & 1); x < r.right; x += 2)
            c.SetPixel(x, y, clBtnHighlight);
}

int EdgeWidth(TEdgeStyle inner, TEdgeStyle outer) {
    return (inner != esNone ? 1 : 0) + (outer != esNone ? 1 : 0);
}

bool IsPress(UINT msg) {
    return msg == WM_LBUTTONDOWN || msg == WM_RBUTTONDOWN || msg == WM_MBUTTONDOWN ||
           msg == WM_LBUTTONDBLCLK;
}

}  // namespace

const TClassInfo& TToolBar::StaticClassInfo() {
    using C = TToolBar;
    static const TClassInfo info =
        TClassBuilder<C>("TToolBar")
            .Integer("ButtonHeight", &C::GetButtonHeight, &C::SetButtonHeight, 22)
            .Integer("ButtonWidth", &C::GetButtonWidth, &C::SetButtonWidth, 23)
            .Set("EdgeBorders", EdgeBorderInfo, &C::GetEdgeBorders, &C::SetEdgeBorders, ebTop)
            .Enum("EdgeInner", EdgeStyleInfo, &C::GetEdgeInner, &C::SetEdgeInner, esRaised)
            .Enum("EdgeOuter", EdgeStyleInfo, &C::GetEdgeOuter, &C::SetEdgeOuter, esLowered)
            .Boolean("Flat", &C::GetFlat, &C::SetFlat, false)
            .Reference("HotImages", &C::GetHotImages, &C::SetHotImages)
            .Reference("Images", &C::GetImages, &C::SetImages)
            .Integer("Indent", &C::GetIndent, &C::SetIndent, 0)
            .Boolean("List", &C::GetList, &C::SetList, false)
            .Boolean("ShowCaptions", &C::GetShowCaptions, &C::SetShowCaptions, false)
            .Boolean("Transparent", &C::GetTransparent, &C::SetTransparent, false)
            .Boolean("Wrapable", &C::GetWrapable, &C::SetWrapable, true)
            .Event("OnCustomDraw", &C::OnCustomDraw)
            .Event("OnCustomDrawButton", &C::OnCustomDrawButton)
            .Build();
    return info;
}

TToolBar::TToolBar(TComponent* AOwner) : TCustomControl(AOwner) {
    m_controlStyle |= csAcceptsControls;
    SetColor(clBtnFace);
    SetBounds(0, 0, 150, 29);
    SetAlign(alTop);
}

TToolBar::~TToolBar() {
    for (TToolButton* button : m_buttons) button->m_toolBar = nullptr;
}

TToolButton* TToolBar::Buttons(int Index) const {
    if (Index < 0 || Index >= ButtonCount())
        throw EListError("Tool button index out of bounds (" + IntToStr(Index) + ")");
    return m_buttons[static_cast<std::size_t>(Index)];
}

void TToolBar::InsertButton(TToolButton* Button) {
    Button->m_toolBar = this;
    // While a description is read the buttons come in order; a button placed later goes
    // before the first one at or right of its Left, so new buttons at 0 go first.
    auto at = m_buttons.end();
    if (!(ComponentState() & csLoading))
        at = std::find_if(m_buttons.begin(), m_buttons.end(), [&](const TToolButton* b) {
            return b->GetLeft() >= Button->GetLeft() && b->GetTop() >= Button->GetTop();
        });
    m_buttons.insert(at, Button);
    ArrangeButtons();
}

void TToolBar::RemoveButton(TToolButton* Button) {
    std::erase(m_buttons, Button);
    Button->m_toolBar = nullptr;
    if (m_menuButton == Button) m_menuButton = nullptr;
    if (m_escapedButton == Button) m_escapedButton = nullptr;
    if (!(ComponentState() & csDestroying)) ArrangeButtons();
}

void TToolBar::SetButtonWidth(int Value) {
    if (Value == m_buttonWidth) return;
    m_buttonWidth = Value;
    ArrangeButtons();
}

void TToolBar::SetButtonHeight(int Value) {
    if (Value == m_buttonHeight) return;
    m_buttonHeight = Value;
    ArrangeButtons();
}

void TToolBar::SetFlat(bool Value) {
    if (Value == m_flat) return;
    m_flat = Value;
    Invalidate();
}

void TToolBar::SetShowCaptions(bool Value) {
    if (Value == m_showCaptions) return;
    m_showCaptions = Value;
    ArrangeButtons();
}

void TToolBar::SetList(bool Value) {
    if (Value == m_list) return;
    m_list = Value;
    ArrangeButtons();
}

void TToolBar::SetWrapable(bool Value) {
    if (Value == m_wrapable) return;
    m_wrapable = Value;
    ArrangeButtons();
}

void TToolBar::SetTransparent(bool Value) {
    if (Value == m_transparent) return;
    m_transparent = Value;
    Invalidate();
}

void TToolBar::SetIndent(int Value) {
    if (Value == m_indent) return;
    m_indent = Value;
    ArrangeButtons();
}

void TToolBar::SetEdgeBorders(TEdgeBorders Value) {
    if (Value == m_edgeBorders) return;
    m_edgeBorders = Value;
    ArrangeButtons();
}

void TToolBar::SetEdgeInner(TEdgeStyle Value) {
    if (Value == m_edgeInner) return;
    m_edgeInner = Value;
    ArrangeButtons();
}

void TToolBar::SetEdgeOuter(TEdgeStyle Value) {
    if (Value == m_edgeOuter) return;
    m_edgeOuter = Value;
    ArrangeButtons();
}

void TToolBar::SetImages(TImageList* Value) {
    if (Value == m_images) return;
    if (m_images) m_images->RemoveFreeNotification(this);
    m_images = Value;
    if (Value) Value->FreeNotification(this);
    ArrangeButtons();
}

void TToolBar::SetHotImages(TImageList* Value) {
    if (Value == m_hotImages) return;
    if (m_hotImages) m_hotImages->RemoveFreeNotification(this);
    m_hotImages = Value;
    if (Value) Value->FreeNotification(this);
    Invalidate();
}

void TToolBar::SetAutoSize(bool Value) {
    if (Value == GetAutoSize()) return;
    TCustomControl::SetAutoSize(Value);
    ArrangeButtons();
}

void TToolBar::Notification(TComponent* AComponent, TOperation Operation) {
    TCustomControl::Notification(AComponent, Operation);
    if (Operation != opRemove) return;
    if (AComponent == m_images) SetImages(nullptr);
    if (AComponent == m_hotImages) m_hotImages = nullptr;
}

void TToolBar::Loaded() {
    TCustomControl::Loaded();
    ArrangeButtons();
}

void TToolBar::Resize() {
    TCustomControl::Resize();
    ArrangeButtons();
}

void TToolBar::CMFontChanged(TMessage& Message) {
    TCustomControl::CMFontChanged(Message);
    ArrangeButtons();
}

TRect TToolBar::EdgeInsets() const {
    const int w = EdgeWidth(m_edgeInner, m_edgeOuter);
    return {(m_edgeBorders & ebLeft) ? w : 0, (m_edgeBorders & ebTop) ? w : 0,
            (m_edgeBorders & ebRight) ? w : 0, (m_edgeBorders & ebBottom) ? w : 0};
}

int TToolBar::ButtonWidthFor(TToolButton& Button, TCanvas& Measure) const {
    if (Button.IsSeparator()) return Button.m_separatorWidth;
    const int arrow = Button.GetStyle() == tbsDropDown ? kDropDownArrow : 0;
    if (!m_showCaptions) return m_buttonWidth + arrow;
    const int text = Measure.TextWidth(StripHotkey(Button.GetCaption())) + kCaptionPadding;
    const int image = m_images ? m_images->GetWidth() : 0;
    const int content = m_list ? text + (image ? image + 4 : 0) : std::max(text, image + 8);
    if (Button.GetAutoSize()) return content + arrow;
    return std::max(m_buttonWidth, content) + arrow;
}

void TToolBar::ArrangeButtons() {
    if (m_arranging || (ComponentState() & (csLoading | csDestroying))) return;
    m_arranging = true;
    gfx::Bitmap scratch(1, 1);
    gfx::Canvas scratchCanvas(scratch);
    TCanvas measure(&scratchCanvas);
    measure.SetFont(GetFont());
    const TRect edges = EdgeInsets();
    const int right = ButtonsRight();
    int x = edges.left + m_indent;
    int y = edges.top;
    bool rowEmpty = true;
    for (TToolButton* button : m_buttons) {
        if (!button->GetVisible()) continue;
        const int width = ButtonWidthFor(*button, measure);
        if (m_wrapable && !rowEmpty && x + width > right && !button->IsSeparator()) {
            x = edges.left + m_indent;
            y += m_buttonHeight;
        }
        button->SetBounds(x, y, width, m_buttonHeight);
        x += width;
        rowEmpty = false;
        if (button->GetWrap()) {
            x = edges.left + m_indent;
            y += m_buttonHeight;
            rowEmpty = true;
        }
    }
    m_arranging = false;
    if (GetAutoSize()) {
        const int rows = rowEmpty ? y : y + m_buttonHeight;
        const int height = std::max(rows, edges.top + m_buttonHeight) + edges.bottom;
        if (height != GetHeight()) SetHeight(height);
    }
    Invalidate();
}

int TToolBar::ButtonsRight() const {
    return GetWidth() - EdgeInsets().right;
}

TToolButton* TToolBar::ButtonAt(TPoint Pos) const {
    for (TToolButton* button : m_buttons)
        if (button->GetVisible() && button->BoundsRect().Contains(Pos)) return button;
    return nullptr;
}

TCustomDrawState TToolBar::ButtonState(const TToolButton* Button) const {
    TCustomDrawState state = 0;
    if (Button == m_menuButton) state |= cdsHot | cdsSelected;
    if (Button->Hot() && m_flat && Button->GetEnabled()) state |= cdsHot;
    if (Button->Pressed()) state |= cdsSelected;
    if (Button->GetDown()) state |= cdsChecked;
    if (!Button->GetEnabled()) state |= cdsDisabled | cdsGrayed;
    return state;
}

TToolButton* TToolBar::Neighbour(TToolButton* From, bool Forward) const {
    const int n = ButtonCount();
    int index = From->Index();
    for (int tries = 1; tries < n; ++tries) {
        index = (index + (Forward ? 1 : -1) + n) % n;
        TToolButton* b = m_buttons[static_cast<std::size_t>(index)];
        if (b->GetVisible() && b->GetEnabled() && b->DropsMenu()) return b;
    }
    return nullptr;
}

void TToolBar::TrackMenu(TToolButton* Button, bool SelectFirst) {
    if (m_tracking || !Button || !Button->DropsMenu()) return;
    TComponentGuard guard(this);
    m_tracking = true;
    m_escapedButton = nullptr;
    TMenuItem* chosen = nullptr;
    TToolButton* current = Button;
    try {
        while (current && guard.Exists()) {
            TToolButton* next = nullptr;
            bool nextSelectsFirst = false;
            TMenuItem* root = current->GetMenuItem();
            TMenu* menu = root ? root->GetParentMenu() : nullptr;
            if (!root || root->Count() == 0) {
                TPopupMenu* dropdown = current->GetDropdownMenu();
                dropdown->DoPopup(dropdown);
                if (!guard.Exists() || current->GetDropdownMenu() != dropdown) break;
                menu = dropdown;
                root = dropdown->GetItems();
            }
            // Submenus are filled in by their item's OnClick before they open.
            TComponentGuard item(root);
            if (root == current->GetMenuItem()) root->Click();
            if (!guard.Exists() || !item.Exists() || root->Count() == 0) break;
            m_menuButton = current;
            Repaint();
            TMenuTracker tracker(menu);
            tracker.OnMouseOutside = [&](UINT msg, TPoint screen) {
                TToolButton* over = ButtonAt(ScreenToClient(screen));
                const bool other =
                    over && over != current && over->GetEnabled() && over->DropsMenu();
                if (msg == WM_MOUSEMOVE || IsPress(msg)) {
                    if (other) {
                        next = over;
                        tracker.Cancel();
                        return true;
                    }
                    if (IsPress(msg) && over == current) {
                        tracker.Cancel();
                        return true;
                    }
                }
                return msg == WM_MOUSEMOVE;
            };
            tracker.OnNavigate = [&](bool forward) {
                next = Neighbour(current, forward);
                if (!next) return false;
                nextSelectsFirst = true;
                tracker.Cancel();
                return true;
            };
            const TPoint topLeft = ClientToScreen(current->BoundsRect().TopLeft());
            const TRect below =
                Bounds(topLeft.x, topLeft.y, current->GetWidth(), current->GetHeight());
            chosen = tracker.TrackBelow(root, below, GetAncestor(Handle(), GA_ROOT), SelectFirst);
            if (!guard.Exists()) return;
            m_menuButton = nullptr;
            if (chosen) break;
            if (!next && tracker.ClosedByEscape()) m_escapedButton = current;
            current = next;
            SelectFirst = nextSelectsFirst;
        }
    } catch (...) {
        if (guard.Exists()) {
            m_menuButton = nullptr;
            m_tracking = false;
        }
        throw;
    }
    m_menuButton = nullptr;
    m_tracking = false;
    // The pointer may have left the buttons while the menu held the mouse.
    POINT cursor;
    GetCursorPos(&cursor);
    TToolButton* under = ButtonAt(ScreenToClient(cursor));
    for (TToolButton* b : m_buttons) b->m_hot = b == under;
    // Made the mouse control again, so that the button hears when the pointer leaves it.
    if (under) SetMouseControl(under);
    Repaint();
    if (chosen) chosen->Click();
}

void TToolBar::DrawEdges(TCanvas& Canvas) {
    const TRect r = ClientRect();
    auto edge = [&](const TRect& box, TEdgeStyle style) {
        if (style == esRaised) Edge(Canvas, box, clBtnHighlight, clBtnShadow);
        if (style == esLowered) Edge(Canvas, box, clBtnShadow, clBtnHighlight);
    };
    // Each side that has a border gets the outer edge and, inside it, the inner one.
    const TRect outer{(m_edgeBorders & ebLeft) ? r.left : r.left - 2,
                      (m_edgeBorders & ebTop) ? r.top : r.top - 2,
                      (m_edgeBorders & ebRight) ? r.right : r.right + 2,
                      (m_edgeBorders & ebBottom) ? r.bottom : r.bottom + 2};
    if (m_edgeOuter != esNone) edge(outer, m_edgeOuter);
    const TRect inner = m_edgeOuter != esNone ? outer.Inflate(-1, -1) : outer;
    if (m_edgeInner != esNone) edge(inner, m_edgeInner);
}

void TToolBar::Paint() {
    TCanvas& canvas = *GetCanvas();
    canvas.SetFont(GetFont());
    const TRect client = ClientRect();
    if (!m_transparent)
        Fill(canvas, client, GetColor());
    else if (GetParent())
        Fill(canvas, client, GetParent()->GetColor());
    DrawEdges(canvas);
    bool defaultDraw = true;
    if (OnCustomDraw) OnCustomDraw(this, client, defaultDraw);
    if (!defaultDraw) return;
    for (TToolButton* button : m_buttons) {
        if (!button->GetVisible()) continue;
        const TCustomDrawState state = ButtonState(button);
        bool drawIt = true;
        canvas.SetFont(GetFont());
        canvas.GetBrush()->SetStyle(bsSolid);
        canvas.GetBrush()->SetColor(GetColor());
        if (OnCustomDrawButton) OnCustomDrawButton(this, button, state, drawIt);
        if (drawIt) DrawButton(canvas, *button, state);
    }
}

void TToolBar::DrawButton(TCanvas& Canvas, TToolButton& Button, TCustomDrawState State) {
    const TRect r = Button.BoundsRect();
    if (Button.IsSeparator()) {
        if (Button.GetStyle() == tbsDivider || m_flat) {
            const int x = r.left + r.Width() / 2 - 1;
            Fill(Canvas, Rect(x, r.top + 1, x + 1, r.bottom - 1), clBtnShadow);
            Fill(Canvas, Rect(x + 1, r.top + 1, x + 2, r.bottom - 1), clBtnHighlight);
        }
        return;
    }
    const bool pushed = State & (cdsSelected | cdsChecked);
    if (State & cdsChecked && !(State & (cdsHot | cdsSelected))) Dither(Canvas, r.Inflate(-1, -1));
    if (m_flat) {
        if (pushed)
            Edge(Canvas, r, clBtnShadow, clBtnHighlight);
        else if (State & cdsHot)
            Edge(Canvas, r, clBtnHighlight, clBtnShadow);
    } else if (pushed) {
        Edge(Canvas, r, cl3DDkShadow, clBtnHighlight);
        Edge(Canvas, r.Inflate(-1, -1), clBtnShadow, cl3DLight);
    } else {
        Edge(Canvas, r, clBtnHighlight, cl3DDkShadow);
        Edge(Canvas, r.Inflate(-1, -1), cl3DLight, clBtnShadow);
    }
    const int shift = pushed ? 1 : 0;
    const bool dropDown = Button.GetStyle() == tbsDropDown;
    TRect content = r.Offset(shift, shift);
    if (dropDown) {
        content.right -= kDropDownArrow;
        const int x = content.right;
        Fill(Canvas, Rect(x, r.top + 2, x + 1, r.bottom - 2), clBtnShadow);
        Fill(Canvas, Rect(x + 1, r.top + 2, x + 2, r.bottom - 2), clBtnHighlight);
        const int cx = x + kDropDownArrow / 2;
        const int cy = r.top + r.Height() / 2;
        const TColor arrow = (State & cdsDisabled) ? clGrayText : clBtnText;
        for (int i = 0; i < 3; ++i)
            Fill(Canvas, Rect(cx - 2 + i, cy - 1 + i, cx + 3 - i, cy + i), arrow);
    }
    const bool enabled = !(State & cdsDisabled);
    const TImageList* images = (State & cdsHot) && m_hotImages ? m_hotImages : m_images;
    const int index = Button.GetImageIndex();
    const bool hasImage = images && index >= 0 && index < images->Count();
    const std::string caption = m_showCaptions ? Button.GetCaption() : std::string();
    const int textHeight = caption.empty() ? 0 : Canvas.TextHeight("Wg");
    TRect text = content;
    if (hasImage) {
        const int w = images->GetWidth();
        const int h = images->GetHeight();
        int x, y;
        if (m_list || caption.empty()) {
            x = m_list && !caption.empty() ? content.left + 5
                                           : content.left + (content.Width() - w) / 2;
            y = content.top + (content.Height() - h) / 2;
            text.left = x + w + 2;
        } else {
            x = content.left + (content.Width() - w) / 2;
            y = content.top + (content.Height() - h - textHeight - 2) / 2;
            text.top = y + h + 2;
            text.bottom = text.top + textHeight;
        }
        images->Draw(&Canvas, x, y, index, enabled);
    }
    if (caption.empty()) return;
    Canvas.GetBrush()->SetStyle(bsClear);
    const unsigned flags = DT_SINGLELINE | DT_VCENTER | (hasImage && m_list ? DT_LEFT : DT_CENTER);
    if (!enabled) {
        TRect emboss = text.Offset(1, 1);
        Canvas.GetFont()->SetColor(clBtnHighlight);
        Canvas.DrawText(caption, emboss, flags);
        Canvas.GetFont()->SetColor(clBtnShadow);
    } else {
        Canvas.GetFont()->SetColor(GetFont()->GetColor());
    }
    Canvas.DrawText(caption, text, flags);
    Canvas.GetBrush()->SetStyle(bsSolid);
}
