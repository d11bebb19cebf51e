// TCustomEdit: properties, the text and its selection, and the native handling of keys,
// characters and the mouse.
#include "platform/vcl/stdctrls/CustomEdit.h"

#include <algorithm>
#include <cctype>

#include "platform/vcl/core/ClassBuilder.h"
#include "platform/vcl/core/ComponentGuard.h"
#include "platform/vcl/controls/ControlCanvas.h"
#include "platform/win/Windows.h"

namespace {

const TEnumInfo CharCaseInfo{"TEditCharCase", {"ecNormal", "ecUpperCase", "ecLowerCase"}};
const TEnumInfo EditBorderStyleInfo{
    "TBorderStyle",
    {"bsNone", "bsSingle", "bsSizeable", "bsDialog", "bsToolWindow", "bsSizeToolWin"}};
const TEnumInfo EditAlignmentInfo{"TAlignment", {"taLeftJustify", "taRightJustify", "taCenter"}};

bool IsContinuation(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

bool IsWordChar(char c) {
    return !std::isspace(static_cast<unsigned char>(c));
}

bool ShiftDown() {
    return (GetKeyState(VK_SHIFT) & 0x8000) != 0;
}

bool ControlDown() {
    return (GetKeyState(VK_CONTROL) & 0x8000) != 0;
}

}  // namespace

const TClassInfo& TCustomEdit::StaticClassInfo() {
    using C = TCustomEdit;
    static const TClassInfo info =
        TClassBuilder<C>("TCustomEdit")
            .Boolean("AutoSelect", &C::GetAutoSelect, &C::SetAutoSelect, true)
            .Hidden()
            .Enum("BorderStyle", EditBorderStyleInfo, &C::GetBorderStyle, &C::SetBorderStyle,
                  bsSingle)
            .Hidden()
            .Integer("BorderWidth", &C::GetBorderWidth, &C::SetBorderWidth, 0)
            .Hidden()
            .Enum("CharCase", CharCaseInfo, &C::GetCharCase, &C::SetCharCase, ecNormal)
            .Hidden()
            .Boolean("Ctl3D", &C::GetCtl3D, &C::SetCtl3D, true)
            .Hidden()
            .Boolean("HideSelection", &C::GetHideSelection, &C::SetHideSelection, true)
            .Hidden()
            .Integer("MaxLength", &C::GetMaxLength, &C::SetMaxLength, 0)
            .Hidden()
            // A character property: streamed as a one-character string, '' for none.
            .String(
                "PasswordChar",
                [](C& c) {
                    return c.GetPasswordChar() ? std::string(1, c.GetPasswordChar())
                                               : std::string();
                },
                [](C& c, const std::string& v) { c.SetPasswordChar(v.empty() ? 0 : v[0]); })
            .Stored([](C& c) { return c.GetPasswordChar() != 0; })
            .Hidden()
            .Boolean("ReadOnly", &C::GetReadOnly, &C::SetReadOnly, false)
            .Hidden()
            .Enum("Alignment", EditAlignmentInfo, &C::GetAlignment, &C::SetAlignment, taLeftJustify)
            .Hidden()
            .Event("OnChange", &C::OnChange)
            .Hidden()
            .Build();
    return info;
}

TCustomEdit::TCustomEdit(TComponent* AOwner)
    : TWinControl(AOwner), m_canvas(std::make_unique<TControlCanvas>(this)) {
    m_controlStyle = csClickEvents | csSetCaption | csDoubleClicks | csCaptureMouse;
    SetBounds(0, 0, 121, 21);
    SetTabStop(true);
    SetColor(clWindow);
    SetCursor(crIBeam);
}

TCustomEdit::~TCustomEdit() {
    Destroying();
}

bool TCustomEdit::MultiLine() const {
    if (m_handle) return (GetWindowLong(m_handle, GWL_STYLE) & ES_MULTILINE) != 0;
    TCreateParams params;
    const_cast<TCustomEdit*>(this)->CreateParams(params);
    return (params.Style & ES_MULTILINE) != 0;
}

void TCustomEdit::CreateParams(TCreateParams& Params) {
    inherited::CreateParams(Params);
    Params.Style |= ES_AUTOHSCROLL | ES_AUTOVSCROLL;
    if (m_borderStyle != bsNone) {
        if (m_ctl3D)
            Params.ExStyle |= WS_EX_CLIENTEDGE;
        else
            Params.Style |= WS_BORDER;
    }
    if (m_alignment == taRightJustify) Params.Style |= ES_RIGHT;
    if (m_alignment == taCenter) Params.Style |= ES_CENTER;
    if (m_readOnly) Params.Style |= ES_READONLY;
    if (!m_hideSelection) Params.Style |= ES_NOHIDESEL;
    if (m_charCase == ecUpperCase) Params.Style |= ES_UPPERCASE;
    if (m_charCase == ecLowerCase) Params.Style |= ES_LOWERCASE;
    if (m_passwordChar) Params.Style |= ES_PASSWORD;
    Params.WindowClass.hbrBackground = clNone;
}

void TCustomEdit::CreateWnd() {
    inherited::CreateWnd();
    // The border width is taken off the client area, so re-measure the frame now.
    if (m_borderWidth > 0)
        SetWindowPos(m_handle, nullptr, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_FRAMECHANGED);
    InvalidateLayout();
    UpdateScrollBars();
}

void TCustomEdit::SetText(const std::string& Value) {
    std::string text = ApplyCharCase(Value);
    text.erase(std::remove(text.begin(), text.end(), '\r'), text.end());
    if (text == m_editText) return;
    ReplaceText(text);
    Perform(CM_TEXTCHANGED);
}

void TCustomEdit::ReplaceText(const std::string& Value) {
    m_undoText = m_editText;
    m_canUndo = false;
    m_editText = Value;
    m_anchor = m_caret = 0;
    m_scrollX = 0;
    m_topLine = 0;
    TextChanged();
}

void TCustomEdit::TextChanged() {
    InvalidateLayout();
    m_caretX = -1;
    UpdateScrollBars();
    ScrollCaret();
    RedrawText();
    Change();
}

void TCustomEdit::Change() {
    if (OnChange) OnChange(this);
}

bool TCustomEdit::AcceptsEdit(const std::string&) const {
    return true;
}

std::string TCustomEdit::ApplyCharCase(std::string Text) const {
    if (m_charCase == ecUpperCase) return UpperCaseText(Text, m_caseRule);
    if (m_charCase == ecLowerCase) return LowerCaseText(Text, m_caseRule);
    return Text;
}

bool TCustomEdit::ReplaceSelection(std::string Text, bool FromUser) {
    if (FromUser && m_readOnly) return false;
    Text.erase(std::remove(Text.begin(), Text.end(), '\r'), Text.end());
    if (!MultiLine()) {
        // A single line keeps only what comes before the first line break.
        const std::size_t lineBreak = Text.find('\n');
        if (lineBreak != std::string::npos) Text.erase(lineBreak);
    }
    Text = ApplyCharCase(std::move(Text));
    const int from = std::min(m_anchor, m_caret);
    const int to = std::max(m_anchor, m_caret);
    if (FromUser && m_maxLength > 0) {
        const int room = m_maxLength - (static_cast<int>(m_editText.size()) - (to - from));
        if (room <= 0 && !Text.empty()) {
            MessageBeep(0);
            return false;
        }
        if (static_cast<int>(Text.size()) > room) {
            int cut = std::max(room, 0);
            while (cut > 0 && IsContinuation(Text[cut])) --cut;
            Text.erase(cut);
        }
    }
    std::string next = m_editText;
    next.replace(from, to - from, Text);
    if (next == m_editText && Text.empty()) return false;
    if (FromUser && !AcceptsEdit(next)) return false;
    m_undoText = m_editText;
    m_canUndo = true;
    m_editText = std::move(next);
    m_anchor = m_caret = from + static_cast<int>(Text.size());
    if (FromUser) m_modified = true;
    TextChanged();
    return true;
}

int TCustomEdit::GetSelStart() const {
    return std::min(m_anchor, m_caret);
}

void TCustomEdit::SetSelStart(int Value) {
    SetSelection(Value, Value);
}

int TCustomEdit::GetSelLength() const {
    return std::abs(m_caret - m_anchor);
}

void TCustomEdit::SetSelLength(int Value) {
    const int start = GetSelStart();
    SetSelection(start, start + Value);
}

std::string TCustomEdit::GetSelText() const {
    return m_editText.substr(GetSelStart(), GetSelLength());
}

void TCustomEdit::SetSelText(const std::string& Value) {
    ReplaceSelection(Value, false);
}

void TCustomEdit::SelectAll() {
    SetSelection(0, static_cast<int>(m_editText.size()));
}

void TCustomEdit::ClearSelection() {
    if (GetSelLength() > 0) ReplaceSelection("", true);
}

void TCustomEdit::SetSelection(int Anchor, int Caret) {
    const int size = static_cast<int>(m_editText.size());
    Anchor = std::clamp(Anchor, 0, size);
    Caret = std::clamp(Caret, 0, size);
    while (Anchor > 0 && Anchor < size && IsContinuation(m_editText[Anchor])) --Anchor;
    while (Caret > 0 && Caret < size && IsContinuation(m_editText[Caret])) --Caret;
    if (Anchor == m_anchor && Caret == m_caret) return;
    m_anchor = Anchor;
    m_caret = Caret;
    m_caretX = -1;
    ScrollCaret();
    RedrawText();
    // A drag offers its selection once, when the button goes up.
    if (!m_selecting) OfferSelection();
}

void TCustomEdit::OfferSelection() {
    if (GetSelLength() > 0 && !m_passwordChar && HandleAllocated() && Focused())
        SetPrimarySelectionText(GetSelText());
}

void TCustomEdit::PasteSelectionAt(TPoint Point) {
    // Read before the focus moves: arriving here must neither select everything nor offer
    // this edit's own text in place of what the user selected elsewhere.
    const std::string text = m_readOnly ? std::string() : GetPrimarySelectionText();
    if (!Focused() && CanFocus()) {
        m_selecting = true;
        SetFocus();
        m_selecting = false;
    }
    if (m_readOnly || !Focused() || text.empty()) return;
    const int pos = PointToPos(Point);
    SetSelection(pos, pos);
    ReplaceSelection(text, true);
}

void TCustomEdit::CutToClipboard() {
    Perform(WM_CUT);
}

void TCustomEdit::CopyToClipboard() {
    Perform(WM_COPY);
}

void TCustomEdit::PasteFromClipboard() {
    Perform(WM_PASTE);
}

void TCustomEdit::Undo() {
    Perform(WM_UNDO);
}

void TCustomEdit::SetMaxLength(int Value) {
    m_maxLength = std::max(Value, 0);
}

void TCustomEdit::SetCharCase(TEditCharCase Value) {
    if (Value == m_charCase) return;
    m_charCase = Value;
    const std::string converted = ApplyCharCase(m_editText);
    if (converted != m_editText) {
        const int anchor = m_anchor, caret = m_caret;
        ReplaceText(converted);
        SetSelection(anchor, caret);
    }
}

void TCustomEdit::SetPasswordChar(char Value) {
    if (Value == m_passwordChar) return;
    m_passwordChar = Value;
    InvalidateLayout();
    Invalidate();
}

void TCustomEdit::SetReadOnly(bool Value) {
    m_readOnly = Value;
}

void TCustomEdit::SetHideSelection(bool Value) {
    if (Value == m_hideSelection) return;
    m_hideSelection = Value;
    Invalidate();
}

void TCustomEdit::SetBorderStyle(TBorderStyle Value) {
    if (Value != bsNone) Value = bsSingle;
    if (Value == m_borderStyle) return;
    m_borderStyle = Value;
    RecreateWnd();
}

void TCustomEdit::SetBorderWidth(int Value) {
    Value = std::max(Value, 0);
    if (Value == m_borderWidth) return;
    m_borderWidth = Value;
    if (m_handle)
        SetWindowPos(m_handle, nullptr, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_FRAMECHANGED);
}

void TCustomEdit::SetCtl3D(bool Value) {
    if (Value == m_ctl3D) return;
    m_ctl3D = Value;
    RecreateWnd();
}

void TCustomEdit::SetAlignment(TAlignment Value) {
    if (Value == m_alignment) return;
    m_alignment = Value;
    m_scrollX = 0;
    RecreateWnd();
    Invalidate();
}

void TCustomEdit::CMFontChanged(TMessage& Message) {
    InvalidateLayout();
    m_lineHeight = 0;
    inherited::CMFontChanged(Message);
}

void TCustomEdit::CMEnabledChanged(TMessage& Message) {
    inherited::CMEnabledChanged(Message);
    Invalidate();
}

void TCustomEdit::CMColorChanged(TMessage& Message) {
    inherited::CMColorChanged(Message);
    if (m_handle) RedrawWindow(m_handle, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE);
}

void TCustomEdit::WndProc(TMessage& Message) {
    switch (Message.Msg) {
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK: {
            // The native edit takes the press first, as Windows' own edit does; the control's
            // mouse events follow.
            m_selecting = true;
            TComponentGuard guard(this);
            MouseDownNative({GET_X_LPARAM(Message.LParam), GET_Y_LPARAM(Message.LParam)},
                            (Message.WParam & MK_SHIFT) != 0, Message.Msg == WM_LBUTTONDBLCLK);
            if (!guard.Exists()) return;
            break;
        }
        case WM_MOUSEMOVE:
            if (m_selecting && (Message.WParam & MK_LBUTTON))
                MouseMoveNative({GET_X_LPARAM(Message.LParam), GET_Y_LPARAM(Message.LParam)});
            break;
        case WM_LBUTTONUP:
            if (m_selecting) {
                m_selecting = false;
                OfferSelection();
            }
            break;
        case WM_MBUTTONDOWN: {
            // The middle button pastes the text selected last, here or in another program.
            TComponentGuard guard(this);
            PasteSelectionAt({GET_X_LPARAM(Message.LParam), GET_Y_LPARAM(Message.LParam)});
            if (!guard.Exists()) return;
            break;
        }
        default:
            break;
    }
    inherited::WndProc(Message);
}

void TCustomEdit::DefaultHandler(TMessage& Message) {
    if (HandleEditMessage(Message)) return;
    inherited::DefaultHandler(Message);
}

void TCustomEdit::KeyDownNative(WORD Key) {
    const bool shift = ShiftDown();
    const bool ctrl = ControlDown();
    const int size = static_cast<int>(m_editText.size());
    switch (Key) {
        case VK_LEFT:
            if (!shift && GetSelLength() > 0 && !ctrl)
                MoveCaret(GetSelStart(), false);
            else
                MoveCaret(ctrl ? WordLeft(m_caret) : PrevChar(m_caret), shift);
            return;
        case VK_RIGHT:
            if (!shift && GetSelLength() > 0 && !ctrl)
                MoveCaret(std::max(m_anchor, m_caret), false);
            else
                MoveCaret(ctrl ? WordRight(m_caret) : NextChar(m_caret), shift);
            return;
        case VK_HOME:
        case VK_END: {
            if (ctrl || !MultiLine()) {
                MoveCaret(Key == VK_HOME ? 0 : size, shift);
                return;
            }
            Layout();
            const TVisualLine& line = m_lines[LineFromPos(m_caret)];
            MoveCaret(Key == VK_HOME ? line.Start : line.Start + line.Length, shift);
            return;
        }
        case VK_UP:
        case VK_DOWN:
        case VK_PRIOR:
        case VK_NEXT: {
            if (!MultiLine()) return;
            Layout();
            const TPoint at = PosToPoint(m_caret);
            if (m_caretX < 0) m_caretX = at.x;
            const int step = (Key == VK_UP || Key == VK_DOWN) ? 1 : std::max(VisibleLineCount(), 1);
            const int direction = (Key == VK_UP || Key == VK_PRIOR) ? -1 : 1;
            const int line = std::clamp(LineFromPos(m_caret) + direction * step, 0,
                                        static_cast<int>(m_lines.size()) - 1);
            if (Key == VK_PRIOR || Key == VK_NEXT) ScrollToLine(m_topLine + direction * step);
            const int keepX = m_caretX;
            const int y = (line - m_topLine) * LineHeight() + GetFormatRect().top;
            MoveCaret(PointToPos({keepX, y}), shift);
            m_caretX = keepX;
            return;
        }
        case VK_DELETE:
            if (shift)
                Perform(WM_CUT);
            else if (GetSelLength() == 0 && m_caret < size) {
                m_anchor = NextChar(m_caret);
                ReplaceSelection("", true);
            } else
                ClearSelection();
            return;
        case VK_INSERT:
            if (ctrl)
                Perform(WM_COPY);
            else if (shift)
                Perform(WM_PASTE);
            return;
        default:
            break;
    }
    if (!ctrl || shift) return;
    switch (Key) {
        case 'C':
            Perform(WM_COPY);
            break;
        case 'X':
            Perform(WM_CUT);
            break;
        case 'V':
            Perform(WM_PASTE);
            break;
        case 'Z':
            Perform(WM_UNDO);
            break;
        case 'A':
            SelectAll();
            break;
        default:
            break;
    }
}

void TCustomEdit::CharNative(char Ch) {
    const unsigned char c = static_cast<unsigned char>(Ch);
    if (c == VK_BACK) {
        if (m_readOnly) return;
        if (GetSelLength() == 0) {
            if (m_caret == 0) return;
            m_anchor = ControlDown() ? WordLeft(m_caret) : PrevChar(m_caret);
        }
        ReplaceSelection("", true);
        return;
    }
    if (c == '\r' || c == '\n') {
        if (MultiLine() && m_wantReturns) ReplaceSelection("\n", true);
        return;
    }
    if (c == '\t') {
        if (MultiLine() && m_wantTabs) ReplaceSelection("\t", true);
        return;
    }
    // Other control characters are the clipboard's shortcuts, handled with their keys.
    if (c < 0x20 || c == 0x7F) return;
    TypeCharacter(std::string(1, Ch));
}

void TCustomEdit::TypeCharacter(const std::string& Utf8) {
    if (Utf8.empty()) return;
    if (m_readOnly) {
        MessageBeep(0);
        return;
    }
    ReplaceSelection(Utf8, true);
}

void TCustomEdit::MoveCaret(int Pos, bool Extend) {
    SetSelection(Extend ? m_anchor : Pos, Pos);
    // A key brings the caret back into view even when it stays where it was.
    ScrollCaret();
}

int TCustomEdit::PrevChar(int Pos) const {
    if (Pos <= 0) return 0;
    --Pos;
    while (Pos > 0 && IsContinuation(m_editText[Pos])) --Pos;
    return Pos;
}

int TCustomEdit::NextChar(int Pos) const {
    const int size = static_cast<int>(m_editText.size());
    if (Pos >= size) return size;
    ++Pos;
    while (Pos < size && IsContinuation(m_editText[Pos])) ++Pos;
    return Pos;
}

int TCustomEdit::WordLeft(int Pos) const {
    while (Pos > 0 && !IsWordChar(m_editText[Pos - 1])) --Pos;
    while (Pos > 0 && IsWordChar(m_editText[Pos - 1])) --Pos;
    return Pos;
}

int TCustomEdit::WordRight(int Pos) const {
    const int size = static_cast<int>(m_editText.size());
    while (Pos < size && IsWordChar(m_editText[Pos])) ++Pos;
    while (Pos < size && !IsWordChar(m_editText[Pos])) ++Pos;
    return Pos;
}

void TCustomEdit::MouseDownNative(TPoint Point, bool Shift, bool Double) {
    if (!Focused() && CanFocus()) SetFocus();
    const int pos = PointToPos(Point);
    if (Double) {
        int start = pos, end = pos;
        while (start > 0 && IsWordChar(m_editText[start - 1])) --start;
        while (end < static_cast<int>(m_editText.size()) && IsWordChar(m_editText[end])) ++end;
        SetSelection(start, end);
        return;
    }
    MoveCaret(pos, Shift);
}

void TCustomEdit::MouseMoveNative(TPoint Point) {
    MoveCaret(PointToPos(Point), true);
}
