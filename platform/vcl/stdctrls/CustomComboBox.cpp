#include "platform/vcl/stdctrls/CustomComboBox.h"

#include <algorithm>
#include <cctype>

#include "platform/gfx/Font.h"
#include "platform/vcl/core/ClassBuilder.h"
#include "platform/vcl/core/ComponentGuard.h"
#include "platform/vcl/core/SysUtils.h"
#include "platform/win/Windows.h"

namespace {

constexpr int kVkF4 = VK_F1 + 3;
constexpr int kEdge = 2;  // the sunken client edge

void Fill(TCanvas& Canvas, const TRect& Rect, TColor Color) {
    Canvas.GetBrush()->SetStyle(bsSolid);
    Canvas.GetBrush()->SetColor(Color);
    Canvas.FillRect(Rect);
}

// The small downward triangle, seven pixels wide, centred on (X, Y).
void Arrow(TCanvas& Canvas, int X, int Y, TColor Color) {
    for (int row = 0; row < 4; ++row)
        Fill(Canvas, {X - 3 + row, Y - 2 + row, X + 4 - row, Y - 1 + row}, Color);
}

}  // namespace

const TClassInfo& TCustomComboBox::StaticClassInfo() {
    static const TClassInfo info = TClassBuilder<TCustomComboBox>("TCustomComboBox").Build();
    return info;
}

TCustomComboBox::TCustomComboBox(TComponent* AOwner) : TCustomControl(AOwner) {
    SetColor(clWindow);
    SetTabStop(true);
    m_controlStyle |= csOpaque;
    m_controlStyle &= ~(csClickEvents | csDoubleClicks | csCaptureMouse);
    m_items.OnChange = [this](TObject* Sender) { ItemsChanged(Sender); };
    SetBounds(GetLeft(), GetTop(), 145, FixedHeight());
}

TCustomComboBox::~TCustomComboBox() {
    Destroying();
    m_items.OnChange = nullptr;
}

// Properties.

void TCustomComboBox::SetItemIndex(int Value) {
    if (Value < -1 || Value >= m_items.Count())
        throw EListError("List index out of bounds (" + IntToStr(Value) + ")");
    if (Value == m_itemIndex) return;
    m_itemIndex = Value;
    if (Value >= 0) m_text = m_items.Strings(Value);
    if (m_dropDown) m_dropDown->SetItemIndex(Value);
    Invalidate();
}

std::string TCustomComboBox::GetText() const {
    if (m_itemIndex >= 0) return m_items.Strings(m_itemIndex);
    return m_style == csDropDownList ? std::string() : m_text;
}

void TCustomComboBox::SetText(const std::string& Value) {
    // A list-only box can show only its items, so the text picks one or none.
    const int index = m_items.IndexOf(Value);
    if (m_style == csDropDownList) {
        SetItemIndex(index);
        return;
    }
    m_text = Value;
    m_itemIndex = index;
    Invalidate();
}

void TCustomComboBox::SetStyle(TComboBoxStyle Value) {
    if (Value == csSimple)
        throw EInvalidOperation("A combo box without a drop-down list is not supported");
    m_style = Value;
    Invalidate();
}

void TCustomComboBox::SetDropDownCount(int Value) {
    if (Value < 1) throw EInvalidOperation("DropDownCount must be at least 1");
    m_dropDownCount = Value;
}

void TCustomComboBox::SetSorted(bool Value) {
    if (Value == m_items.GetSorted()) return;
    const std::string shown = GetText();
    m_items.SetSorted(Value);
    m_itemIndex = m_items.IndexOf(shown);
    Invalidate();
}

int TCustomComboBox::GetItemHeight() const {
    return gfx::FontFace::Get(GetFont()->Desc())->Height();
}

int TCustomComboBox::FixedHeight() const {
    return GetItemHeight() + 4 + 2 * kEdge;
}

void TCustomComboBox::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
    // The field is as high as its font needs, whatever the form asks for.
    TCustomControl::SetBounds(ALeft, ATop, AWidth, FixedHeight());
    (void)AHeight;
}

TRect TCustomComboBox::ButtonRect() const {
    const TRect client = GetClientRect();
    const int width = GetSystemMetrics(SM_CXVSCROLL);
    return {std::max(client.left, client.right - width), client.top, client.right, client.bottom};
}

TRect TCustomComboBox::ItemRect() const {
    const TRect client = GetClientRect();
    return {client.left + 1, client.top + 1, ButtonRect().left - 1, client.bottom - 1};
}

HWND TCustomComboBox::ListHandle() const {
    return m_dropDown && m_dropDown->HandleAllocated() ? m_dropDown->Handle() : nullptr;
}

// The list.

void TCustomComboBox::ItemsChanged(TObject*) {
    if (m_itemIndex >= m_items.Count()) m_itemIndex = -1;
    if (m_dropDown) m_dropDown->SetItems(&m_items);
    Invalidate();
}

void TCustomComboBox::SetDroppedDown(bool Value) {
    if (Value == GetDroppedDown()) return;
    if (!Value) {
        m_dropDown->Close();
        ListClosed(false);
        return;
    }
    TComponentGuard guard(this);
    DropDown();
    if (!guard.Exists() || m_items.Count() == 0) return;
    if (!m_dropDown) {
        m_dropDown = new TComboBoxDropDown(this);
        m_dropDown->OnCloseUp = [this](bool chosen) { ListClosed(chosen); };
    }
    m_dropDown->SetFont(GetFont());
    m_dropDown->SetItems(&m_items);
    m_dropDown->SetItemIndex(m_itemIndex);
    const int rows = std::min(m_items.Count(), m_dropDownCount);
    const TPoint below = ClientToScreen({-kEdge, GetHeight() - kEdge});
    TRect bounds{below.x, below.y, below.x + GetWidth(),
                 below.y + rows * m_dropDown->GetItemHeight() + 2};
    // A list that would leave the desktop opens above the field instead.
    RECT work;
    SystemParametersInfo(SPI_GETWORKAREA, 0, &work, 0);
    if (bounds.bottom > work.bottom) {
        const int height = bounds.Height();
        bounds.bottom = below.y - GetHeight();
        bounds.top = bounds.bottom - height;
    }
    m_buttonPressed = true;
    m_dropDown->Open(bounds);
    Invalidate();
}

void TCustomComboBox::ListClosed(bool Chosen) {
    m_buttonPressed = false;
    Invalidate();
    TComponentGuard guard(this);
    if (Chosen && m_dropDown) UserSelect(m_dropDown->GetItemIndex());
    if (guard.Exists()) CloseUp();
}

void TCustomComboBox::UserSelect(int Index) {
    if (Index < 0 || Index >= m_items.Count()) return;
    const bool changed = Index != m_itemIndex;
    SetItemIndex(Index);
    TComponentGuard guard(this);
    Select();
    if (changed && guard.Exists()) Change();
}

void TCustomComboBox::Change() {
    if (OnChange) OnChange(this);
}

void TCustomComboBox::Select() {
    if (OnSelect) OnSelect(this);
}

void TCustomComboBox::DropDown() {
    if (OnDropDown) OnDropDown(this);
}

void TCustomComboBox::CloseUp() {
    if (OnCloseUp) OnCloseUp(this);
}

// Messages and input.

void TCustomComboBox::CreateParams(TCreateParams& Params) {
    TCustomControl::CreateParams(Params);
    Params.ExStyle |= WS_EX_CLIENTEDGE;
}

void TCustomComboBox::WndProc(TMessage& Message) {
    switch (Message.Msg) {
        case WM_GETDLGCODE:
            Message.Result = DLGC_WANTARROWS | DLGC_WANTCHARS;
            // Enter and Escape belong to the open list, not to the form's buttons.
            if (GetDroppedDown()) Message.Result |= DLGC_WANTALLKEYS;
            return;
        case WM_MOUSEWHEEL: {
            const int notches = GET_WHEEL_DELTA_WPARAM(Message.WParam) / WHEEL_DELTA;
            if (GetDroppedDown())
                m_dropDown->Perform(Message.Msg, Message.WParam, Message.LParam);
            else if (notches != 0)
                UserSelect(std::clamp(m_itemIndex - notches, 0, m_items.Count() - 1));
            Message.Result = 0;
            return;
        }
        default:
            TCustomControl::WndProc(Message);
    }
}

void TCustomComboBox::WMKillFocus(TMessage& Message) {
    if (GetDroppedDown()) SetDroppedDown(false);
    TCustomControl::WMKillFocus(Message);
}

void TCustomComboBox::KeyDown(WORD& Key, TShiftState Shift) {
    TCustomControl::KeyDown(Key, Shift);
    if (Key == 0) return;
    const bool open = GetDroppedDown();
    if (Key == kVkF4 || ((Shift & ssAlt) && (Key == VK_DOWN || Key == VK_UP))) {
        SetDroppedDown(!open);
        Key = 0;
        return;
    }
    if (open) {
        switch (Key) {
            case VK_RETURN:
                m_dropDown->Close();
                ListClosed(true);
                break;
            case VK_ESCAPE:
                SetDroppedDown(false);
                break;
            default: {
                // The list moves its highlight; the field follows only on Enter.
                WORD listKey = Key;
                m_dropDown->Perform(WM_KEYDOWN, listKey, 0);
                break;
            }
        }
        Key = 0;
        return;
    }
    const int count = m_items.Count();
    const int page = std::max(m_dropDownCount - 1, 1);
    switch (Key) {
        case VK_UP:
        case VK_LEFT:
            UserSelect(std::max(m_itemIndex - 1, 0));
            break;
        case VK_DOWN:
        case VK_RIGHT:
            UserSelect(std::min(m_itemIndex + 1, count - 1));
            break;
        case VK_PRIOR:
            UserSelect(std::max(m_itemIndex - page, 0));
            break;
        case VK_NEXT:
            UserSelect(std::min(std::max(m_itemIndex, 0) + page, count - 1));
            break;
        case VK_HOME:
            UserSelect(0);
            break;
        case VK_END:
            UserSelect(count - 1);
            break;
        default:
            return;
    }
    Key = 0;
}

void TCustomComboBox::KeyPress(char& Key) {
    TCustomControl::KeyPress(Key);
    const auto letter = static_cast<unsigned char>(Key);
    if (Key == 0 || letter <= ' ') return;
    const int count = m_items.Count();
    for (int step = 1; step <= count; ++step) {
        const int index = (std::max(m_itemIndex, -1) + step + count) % count;
        const std::string& text = m_items.Strings(index);
        if (!text.empty() &&
            std::toupper(static_cast<unsigned char>(text[0])) == std::toupper(letter)) {
            if (GetDroppedDown())
                m_dropDown->SetItemIndex(index);
            else
                UserSelect(index);
            break;
        }
    }
    Key = 0;
}

void TCustomComboBox::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TComponentGuard guard(this);
    if (CanFocus() && !Focused()) SetFocus();
    if (!guard.Exists()) return;
    // The whole field of a list-only box opens the list, as its button does.
    if (Button == mbLeft && (m_style == csDropDownList || ButtonRect().Contains({X, Y})))
        SetDroppedDown(!GetDroppedDown());
    if (!guard.Exists()) return;
    TCustomControl::MouseDown(Button, Shift, X, Y);
}

void TCustomComboBox::CMFontChanged(TMessage& Message) {
    TCustomControl::CMFontChanged(Message);
    SetBounds(GetLeft(), GetTop(), GetWidth(), FixedHeight());
    Invalidate();
}

// Painting.

void TCustomComboBox::Paint() {
    TCanvas& canvas = *GetCanvas();
    canvas.SetFont(GetFont());
    const TRect client = GetClientRect();
    Fill(canvas, client, GetEnabled() ? GetColor() : clBtnFace);
    const TRect item = ItemRect();
    const bool highlight = Focused() && !GetDroppedDown() && m_style == csDropDownList;
    if (highlight) Fill(canvas, item, clHighlight);
    canvas.GetFont()->SetColor(!GetEnabled() ? clGrayText
                               : highlight   ? clHighlightText
                                             : GetFont()->GetColor());
    canvas.GetBrush()->SetStyle(bsClear);
    TRect text{item.left + 2, item.top, item.right - 1, item.bottom};
    canvas.DrawText(GetText(), text, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
    canvas.GetBrush()->SetStyle(bsSolid);
    if (Focused() && !GetDroppedDown()) {
        canvas.GetBrush()->SetColor(highlight ? clHighlight : GetColor());
        canvas.DrawFocusRect(item);
    }
    PaintButton(canvas, ButtonRect());
}

void TCustomComboBox::PaintButton(TCanvas& Canvas, const TRect& b) {
    Fill(Canvas, b, clBtnFace);
    const int shift = m_buttonPressed ? 1 : 0;
    if (m_buttonPressed) {
        Canvas.GetBrush()->SetColor(clBtnShadow);
        Canvas.FrameRect(b);
    } else {
        Fill(Canvas, {b.left, b.top, b.right - 1, b.top + 1}, cl3DLight);
        Fill(Canvas, {b.left, b.top, b.left + 1, b.bottom - 1}, cl3DLight);
        Fill(Canvas, {b.left + 1, b.top + 1, b.right - 2, b.top + 2}, clBtnHighlight);
        Fill(Canvas, {b.left + 1, b.top + 1, b.left + 2, b.bottom - 2}, clBtnHighlight);
        Fill(Canvas, {b.left, b.bottom - 1, b.right, b.bottom}, cl3DDkShadow);
        Fill(Canvas, {b.right - 1, b.top, b.right, b.bottom}, cl3DDkShadow);
        Fill(Canvas, {b.left + 1, b.bottom - 2, b.right - 1, b.bottom - 1}, clBtnShadow);
        Fill(Canvas, {b.right - 2, b.top + 1, b.right - 1, b.bottom - 1}, clBtnShadow);
    }
    const int x = (b.left + b.right) / 2 + shift;
    const int y = (b.top + b.bottom) / 2 + shift;
    if (GetEnabled()) {
        Arrow(Canvas, x, y, clBtnText);
    } else {
        Arrow(Canvas, x + 1, y + 1, clBtnHighlight);
        Arrow(Canvas, x, y, clBtnShadow);
    }
}
