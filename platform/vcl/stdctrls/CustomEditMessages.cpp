// TCustomEdit: the messages the native edit answers itself, the clipboard's and the EM_
// family among them.
#include "platform/vcl/stdctrls/CustomEdit.h"
#include "platform/gfx/Font.h"
#include "platform/win/Windows.h"

bool TCustomEdit::HandleEditMessage(TMessage& Message) {
    switch (Message.Msg) {
        case WM_GETDLGCODE: {
            LRESULT code = DLGC_WANTCHARS | DLGC_WANTARROWS | DLGC_HASSETSEL;
            if (MultiLine()) {
                if (Message.WParam == VK_RETURN && m_wantReturns) code |= DLGC_WANTALLKEYS;
                if (m_wantTabs) code |= DLGC_WANTTAB;
            }
            Message.Result = code;
            return true;
        }
        case WM_KEYDOWN:
            KeyDownNative(static_cast<WORD>(Message.WParam));
            return true;
        case WM_CHAR:
            if (Message.WParam >= 0x80)
                TypeCharacter(gfx::EncodeUtf8(static_cast<char32_t>(Message.WParam)));
            else
                CharNative(static_cast<char>(Message.WParam));
            return true;
        case WM_CUT:
            if (m_readOnly || m_passwordChar) return true;
            if (GetSelLength() > 0) {
                SetClipboardText(GetSelText());
                ReplaceSelection("", true);
            }
            return true;
        case WM_COPY:
            if (GetSelLength() > 0 && !m_passwordChar) SetClipboardText(GetSelText());
            return true;
        case WM_PASTE: {
            const std::string clip = GetClipboardText();
            if (!clip.empty()) ReplaceSelection(clip, true);
            return true;
        }
        case WM_CLEAR:
            ClearSelection();
            return true;
        case WM_UNDO:
        case EM_UNDO:
            if (m_canUndo && !m_readOnly) {
                std::string previous = m_undoText;
                m_undoText = m_editText;
                m_editText = std::move(previous);
                m_anchor = m_caret = static_cast<int>(m_editText.size());
                m_modified = true;
                TextChanged();
            }
            Message.Result = TRUE;
            return true;
        case EM_CANUNDO:
            Message.Result = m_canUndo;
            return true;
        case EM_EMPTYUNDOBUFFER:
            m_canUndo = false;
            return true;
        case WM_SETFOCUS:
            inherited::DefaultHandler(Message);
            // A click places the caret itself; arriving any other way selects everything.
            if (m_autoSelect && !m_selecting && !MultiLine()) SelectAll();
            StartCaretBlink();
            Invalidate();
            return true;
        case WM_KILLFOCUS:
            inherited::DefaultHandler(Message);
            StopCaretBlink();
            Invalidate();
            return true;
        case WM_TIMER:
            if (Message.WParam == 1) {
                m_caretShown = !m_caretShown;
                Invalidate();
                return true;
            }
            return false;
        case WM_NCCALCSIZE: {
            inherited::DefaultHandler(Message);
            RECT* r = reinterpret_cast<RECT*>(Message.LParam);
            if (r && m_borderWidth > 0) {
                *r = r->Inflate(-m_borderWidth, -m_borderWidth);
                if (r->right < r->left) r->right = r->left;
                if (r->bottom < r->top) r->bottom = r->top;
            }
            return true;
        }
        case WM_NCPAINT:
            inherited::DefaultHandler(Message);
            NonClientPaint();
            return true;
        case WM_VSCROLL:
            ScrollMessage(SB_VERT, Message.WParam);
            return true;
        case WM_HSCROLL:
            ScrollMessage(SB_HORZ, Message.WParam);
            return true;
        case WM_MOUSEWHEEL:
            if (MultiLine()) {
                const int delta = static_cast<short>(HIWORD(Message.WParam));
                ScrollToLine(m_topLine - delta / 120 * 3);
            }
            return true;
        case WM_SIZE:
            inherited::DefaultHandler(Message);
            InvalidateLayout();
            UpdateScrollBars();
            ScrollCaret();
            return true;
        default:
            return HandleEmMessage(Message);
    }
}

bool TCustomEdit::HandleEmMessage(TMessage& Message) {
    switch (Message.Msg) {
        case EM_GETSEL: {
            const int start = GetSelStart(), end = start + GetSelLength();
            if (auto* p = reinterpret_cast<DWORD*>(Message.WParam)) *p = start;
            if (auto* p = reinterpret_cast<DWORD*>(Message.LParam)) *p = end;
            Message.Result = MAKELPARAM(start, end);
            return true;
        }
        case EM_SETSEL: {
            const int start = static_cast<int>(Message.WParam);
            const int end = static_cast<int>(Message.LParam);
            if (start < 0)
                SetSelection(m_caret, m_caret);
            else
                SetSelection(start, end < 0 ? static_cast<int>(m_editText.size()) : end);
            return true;
        }
        case EM_GETRECT:
            if (auto* r = reinterpret_cast<RECT*>(Message.LParam)) *r = GetFormatRect();
            return true;
        case EM_SETRECT:
        case EM_SETRECTNP:
            if (auto* r = reinterpret_cast<const RECT*>(Message.LParam)) {
                m_formatRect = *r;
                m_hasFormatRect = true;
            } else {
                m_hasFormatRect = false;
            }
            InvalidateLayout();
            if (Message.Msg == EM_SETRECT) Invalidate();
            return true;
        case EM_REPLACESEL:
            if (auto* text = reinterpret_cast<const char*>(Message.LParam))
                ReplaceSelection(text, false);
            return true;
        case EM_LIMITTEXT:
            SetMaxLength(static_cast<int>(Message.WParam));
            return true;
        case EM_GETLIMITTEXT:
            Message.Result = m_maxLength > 0 ? m_maxLength : 0x7FFFFFFE;
            return true;
        case EM_SETREADONLY:
            SetReadOnly(Message.WParam != 0);
            Message.Result = TRUE;
            return true;
        case EM_GETMODIFY:
            Message.Result = m_modified;
            return true;
        case EM_SETMODIFY:
            m_modified = Message.WParam != 0;
            return true;
        case EM_SETPASSWORDCHAR:
            SetPasswordChar(static_cast<char>(Message.WParam));
            return true;
        case EM_GETPASSWORDCHAR:
            Message.Result = static_cast<unsigned char>(m_passwordChar);
            return true;
        case EM_GETLINECOUNT:
            Message.Result = LineCount();
            return true;
        case EM_GETFIRSTVISIBLELINE:
            Message.Result = m_topLine;
            return true;
        case EM_LINEFROMCHAR:
            Message.Result = LineFromPos(
                static_cast<int>(Message.WParam) < 0 ? m_caret : static_cast<int>(Message.WParam));
            return true;
        case EM_LINEINDEX: {
            Layout();
            const int line = static_cast<int>(Message.WParam) < 0
                                 ? LineFromPos(m_caret)
                                 : static_cast<int>(Message.WParam);
            Message.Result = line < static_cast<int>(m_lines.size()) ? m_lines[line].Start : -1;
            return true;
        }
        case EM_LINELENGTH: {
            Layout();
            Message.Result = m_lines[LineFromPos(static_cast<int>(Message.WParam))].Length;
            return true;
        }
        case EM_LINESCROLL:
            ScrollHorizontally(static_cast<int>(Message.WParam) * Measure().TextWidth("x"));
            ScrollToLine(m_topLine + static_cast<int>(Message.LParam));
            Message.Result = TRUE;
            return true;
        case EM_SCROLLCARET:
            ScrollCaret();
            return true;
        default:
            return false;
    }
}
