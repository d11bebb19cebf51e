// TCustomEdit: laying the text out in lines, scrolling it, and painting it with its
// selection, caret and border band.
#include <algorithm>

#include "platform/vcl/controls/ControlCanvas.h"
#include "platform/vcl/stdctrls/CustomEdit.h"
#include "platform/win/NonClient.h"
#include "platform/win/Windows.h"

namespace {

constexpr UINT_PTR kCaretTimer = 1;
constexpr UINT kCaretBlinkMs = 530;

bool IsContinuation(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

}  // namespace

gfx::Canvas& TCustomEdit::Measure() {
    if (!m_measure) m_measure = std::make_unique<gfx::Canvas>(m_measureBitmap);
    m_measure->SetFont(GetFont()->Desc());
    return *m_measure;
}

int TCustomEdit::LineHeight() {
    if (m_lineHeight <= 0) m_lineHeight = std::max(Measure().TextHeight("Wg"), 1);
    return m_lineHeight;
}

TRect TCustomEdit::GetFormatRect() const {
    if (m_hasFormatRect) return m_formatRect;
    const TRect client = GetClientRect();
    return {client.left + 1, client.top + 1, std::max(client.right - 1, client.left + 1),
            std::max(client.bottom, client.top + 1)};
}

std::string TCustomEdit::DisplayText(int Start, int Length) const {
    std::string_view part(m_editText.data() + Start, Length);
    std::string shown;
    if (m_passwordChar && !MultiLine()) {
        for (char c : part)
            if (!IsContinuation(c)) shown += m_passwordChar;
        return shown;
    }
    for (char c : part) {
        if (c == '\t')
            shown += "    ";
        else
            shown += c;
    }
    return shown;
}

int TCustomEdit::TextWidthOf(int Start, int Length) {
    if (Length <= 0) return 0;
    return Measure().TextWidth(DisplayText(Start, Length));
}

void TCustomEdit::Layout() {
    const TRect format = GetFormatRect();
    if (m_layoutValid && m_layoutWidth == format.Width()) return;
    m_layoutWidth = format.Width();
    m_lines.clear();
    const int size = static_cast<int>(m_editText.size());
    if (!MultiLine()) {
        m_lines.push_back({0, size});
        m_layoutValid = true;
        return;
    }
    const int width = std::max(format.Width(), 1);
    int start = 0;
    for (;;) {
        std::size_t found = m_editText.find('\n', start);
        const int end = found == std::string::npos ? size : static_cast<int>(found);
        int s = start;
        do {
            if (!m_wordWrap || TextWidthOf(s, end - s) <= width) {
                m_lines.push_back({s, end - s});
                break;
            }
            // The longest part that fits, then back to the last blank in it.
            int fits = 0, over = end - s;
            while (fits < over) {
                const int mid = (fits + over + 1) / 2;
                if (TextWidthOf(s, mid) <= width)
                    fits = mid;
                else
                    over = mid - 1;
            }
            while (fits > 0 && IsContinuation(m_editText[s + fits])) --fits;
            int cut = fits;
            while (cut > 0 && m_editText[s + cut] != ' ' && m_editText[s + cut - 1] != ' ') --cut;
            if (cut == 0) cut = fits;
            if (cut == 0) {
                cut = 1;
                while (s + cut < end && IsContinuation(m_editText[s + cut])) ++cut;
            }
            while (s + cut < end && m_editText[s + cut] == ' ') ++cut;
            m_lines.push_back({s, cut});
            s += cut;
        } while (s < end);
        if (end >= size) break;
        start = end + 1;
    }
    m_layoutValid = true;
}

int TCustomEdit::LineCount() {
    Layout();
    return static_cast<int>(m_lines.size());
}

int TCustomEdit::LineFromPos(int Pos) {
    Layout();
    auto it = std::upper_bound(m_lines.begin(), m_lines.end(), Pos,
                               [](int p, const TVisualLine& l) { return p < l.Start; });
    return std::max(static_cast<int>(it - m_lines.begin()) - 1, 0);
}

int TCustomEdit::VisibleLineCount() {
    return std::max(GetFormatRect().Height() / LineHeight(), 1);
}

TAlignment TCustomEdit::TextAlignment() const {
    // The window's style decides, as for the native edit: a descendant may add ES_RIGHT or
    // ES_CENTER in CreateParams without touching Alignment.
    if (!m_handle) return m_alignment;
    const LONG style = GetWindowLong(m_handle, GWL_STYLE);
    if (style & ES_RIGHT) return taRightJustify;
    if (style & ES_CENTER) return taCenter;
    return taLeftJustify;
}

int TCustomEdit::LineX(const TVisualLine& Line) {
    const TRect format = GetFormatRect();
    int offset = 0;
    const TAlignment alignment = TextAlignment();
    if (alignment != taLeftJustify) {
        const int free = std::max(format.Width() - TextWidthOf(Line.Start, Line.Length), 0);
        offset = alignment == taRightJustify ? free : free / 2;
    }
    return format.left + offset - m_scrollX;
}

TPoint TCustomEdit::PosToPoint(int Pos) {
    Layout();
    const int index = LineFromPos(Pos);
    const TVisualLine& line = m_lines[index];
    const int x =
        LineX(line) + TextWidthOf(line.Start, std::min(Pos, line.Start + line.Length) - line.Start);
    return {x, GetFormatRect().top + (index - m_topLine) * LineHeight()};
}

TPoint TCustomEdit::CaretPoint() {
    return PosToPoint(m_caret);
}

int TCustomEdit::PointToPos(TPoint Point) {
    Layout();
    const TRect format = GetFormatRect();
    const int height = LineHeight();
    int row = Point.y - format.top;
    row = row < 0 ? -((height - 1 - row) / height) : row / height;
    const int index = std::clamp(m_topLine + row, 0, static_cast<int>(m_lines.size()) - 1);
    const TVisualLine& line = m_lines[index];
    const int x = Point.x - LineX(line);
    // Prefix widths grow with the length, so search for the nearest boundary.
    int low = 0, high = line.Length;
    while (low < high) {
        const int mid = (low + high) / 2;
        if (TextWidthOf(line.Start, mid) < x)
            low = mid + 1;
        else
            high = mid;
    }
    int pos = line.Start + low;
    while (pos > line.Start && IsContinuation(m_editText[pos])) --pos;
    if (pos > line.Start) {
        int before = pos - 1;
        while (before > line.Start && IsContinuation(m_editText[before])) --before;
        const int right = TextWidthOf(line.Start, pos - line.Start);
        const int left = TextWidthOf(line.Start, before - line.Start);
        if (x - left < right - x) pos = before;
    }
    // A wrapped line's trailing blank belongs to it, but the caret stays before the next line.
    const bool wrapped = index + 1 < static_cast<int>(m_lines.size()) &&
                         m_lines[index + 1].Start == line.Start + line.Length;
    if (wrapped && pos == line.Start + line.Length && pos > line.Start) --pos;
    return pos;
}

void TCustomEdit::ScrollToLine(int Line) {
    Layout();
    const int last = std::max(static_cast<int>(m_lines.size()) - VisibleLineCount(), 0);
    Line = std::clamp(Line, 0, last);
    if (Line == m_topLine) return;
    m_topLine = Line;
    UpdateScrollBars();
    Invalidate();
}

void TCustomEdit::ScrollHorizontally(int Pixels) {
    if (m_wordWrap || Pixels == 0) return;
    Layout();
    int widest = 0;
    for (const TVisualLine& line : m_lines)
        widest = std::max(widest, TextWidthOf(line.Start, line.Length));
    const int limit = std::max(widest - GetFormatRect().Width() + 1, 0);
    const int next = std::clamp(m_scrollX + Pixels, 0, limit);
    if (next == m_scrollX) return;
    m_scrollX = next;
    UpdateScrollBars();
    Invalidate();
}

void TCustomEdit::ScrollCaret() {
    Layout();
    const TRect format = GetFormatRect();
    const int oldTop = m_topLine, oldX = m_scrollX;
    const int index = LineFromPos(m_caret);
    if (MultiLine()) {
        const int visible = VisibleLineCount();
        if (index < m_topLine) m_topLine = index;
        if (index >= m_topLine + visible) m_topLine = index - visible + 1;
        m_topLine =
            std::clamp(m_topLine, 0, std::max(static_cast<int>(m_lines.size()) - visible, 0));
    }
    if (!m_wordWrap) {
        const TVisualLine& line = m_lines[index];
        const int lineWidth = TextWidthOf(line.Start, line.Length);
        const int caretX = TextWidthOf(line.Start, m_caret - line.Start);
        const int width = std::max(format.Width() - 1, 0);
        if (!MultiLine()) m_scrollX = std::min(m_scrollX, std::max(lineWidth - width, 0));
        if (TextAlignment() == taLeftJustify || lineWidth > width) {
            if (caretX < m_scrollX) m_scrollX = caretX;
            if (caretX > m_scrollX + width) m_scrollX = caretX - width;
        } else {
            m_scrollX = 0;
        }
    }
    if (m_topLine != oldTop || m_scrollX != oldX) {
        UpdateScrollBars();
        Invalidate();
    }
}

void TCustomEdit::UpdateScrollBars() {
    if (!m_handle || m_updatingScrollBars || !MultiLine()) return;
    const LONG_PTR style = GetWindowLong(m_handle, GWL_STYLE);
    if (!(style & (WS_VSCROLL | WS_HSCROLL))) return;
    m_updatingScrollBars = true;
    Layout();
    if (style & WS_VSCROLL) {
        SCROLLINFO info;
        info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_DISABLENOSCROLL;
        info.nMax = static_cast<int>(m_lines.size()) - 1;
        info.nPage = VisibleLineCount();
        info.nPos = m_topLine;
        SetScrollInfo(m_handle, SB_VERT, &info, TRUE);
    }
    if (style & WS_HSCROLL) {
        int widest = 0;
        for (const TVisualLine& line : m_lines)
            widest = std::max(widest, TextWidthOf(line.Start, line.Length));
        SCROLLINFO info;
        info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_DISABLENOSCROLL;
        info.nMax = m_wordWrap ? 0 : widest;
        info.nPage = std::max(GetFormatRect().Width(), 0);
        info.nPos = m_scrollX;
        SetScrollInfo(m_handle, SB_HORZ, &info, TRUE);
    }
    m_updatingScrollBars = false;
}

void TCustomEdit::ScrollMessage(int Bar, WPARAM Code) {
    const bool vertical = Bar == SB_VERT;
    const int line = vertical ? 1 : std::max(Measure().TextWidth("x"), 1);
    const int page = vertical ? VisibleLineCount() : std::max(GetFormatRect().Width(), 1);
    const int current = vertical ? m_topLine : m_scrollX;
    int target = current;
    switch (LOWORD(Code)) {
        case SB_LINEUP:
            target -= line;
            break;
        case SB_LINEDOWN:
            target += line;
            break;
        case SB_PAGEUP:
            target -= page;
            break;
        case SB_PAGEDOWN:
            target += page;
            break;
        case SB_THUMBPOSITION:
            target = HIWORD(Code);
            break;
        case SB_THUMBTRACK: {
            SCROLLINFO info;
            info.fMask = SIF_TRACKPOS;
            GetScrollInfo(m_handle, Bar, &info);
            target = info.nTrackPos;
            break;
        }
        case SB_TOP:
            target = 0;
            break;
        case SB_BOTTOM:
            target = 0x7FFFFFF;
            break;
        default:
            return;
    }
    if (vertical)
        ScrollToLine(target);
    else
        ScrollHorizontally(target - current);
}

void TCustomEdit::StartCaretBlink() {
    m_caretShown = true;
    if (m_handle) SetTimer(m_handle, kCaretTimer, kCaretBlinkMs);
}

void TCustomEdit::StopCaretBlink() {
    m_caretShown = false;
    if (m_handle) KillTimer(m_handle, kCaretTimer);
}

void TCustomEdit::RedrawText() {
    if (Focused()) StartCaretBlink();
    Invalidate();
}

void TCustomEdit::WMEraseBkgnd(TMessage& Message) {
    // PaintWindow covers the whole client area; erasing first would only flicker.
    Message.Result = 1;
}

void TCustomEdit::PaintWindow(HDC DC) {
    Layout();
    m_canvas->SetHandle(DC);
    TCanvas& canvas = *m_canvas;
    const TRect client = GetClientRect();
    canvas.GetBrush()->SetColor(GetColor());
    canvas.FillRect(client);
    const int saved = SaveDC(DC);
    const TRect format = GetFormatRect().Intersect(client);
    IntersectClipRect(DC, format.left, format.top, format.right, format.bottom);
    canvas.SetFont(GetFont());
    const TColor textColor = GetEnabled() ? GetFont()->GetColor() : clGrayText;
    const int selStart = GetSelStart(), selEnd = selStart + GetSelLength();
    const bool showSelection = selEnd > selStart && (Focused() || !m_hideSelection);
    const int height = LineHeight();
    const int last = std::min(static_cast<int>(m_lines.size()), m_topLine + VisibleLineCount() + 1);
    for (int i = m_topLine; i < last; ++i) {
        const TVisualLine& line = m_lines[i];
        const int x = LineX(line);
        const int y = GetFormatRect().top + (i - m_topLine) * height;
        canvas.GetBrush()->SetStyle(TBrushStyle::bsClear);
        canvas.GetFont()->SetColor(textColor);
        canvas.TextOut(x, y, DisplayText(line.Start, line.Length));
        const int from = std::max(selStart, line.Start);
        const int to = std::min(selEnd, line.Start + line.Length);
        if (!showSelection || from >= to) continue;
        const int left = x + TextWidthOf(line.Start, from - line.Start);
        const int right = x + TextWidthOf(line.Start, to - line.Start);
        canvas.GetBrush()->SetColor(clHighlight);
        canvas.FillRect({left, y, right, y + height});
        canvas.GetBrush()->SetStyle(TBrushStyle::bsClear);
        canvas.GetFont()->SetColor(clHighlightText);
        canvas.TextOut(left, y, DisplayText(from, to - from));
    }
    if (Focused() && m_caretShown && GetSelLength() == 0) {
        const TPoint caret = CaretPoint();
        canvas.GetBrush()->SetColor(GetFont()->GetColor());
        canvas.FillRect({caret.x, caret.y, caret.x + 1, caret.y + height});
    }
    RestoreDC(DC, saved);
    m_canvas->SetHandle(nullptr);
}

void TCustomEdit::NonClientPaint() {
    if (m_borderWidth <= 0 || !m_handle) return;
    RECT window;
    GetWindowRect(m_handle, &window);
    const TRect whole{0, 0, window.right - window.left, window.bottom - window.top};
    const TRect outer =
        win::ClientFromWindow(whole, static_cast<DWORD>(GetWindowLong(m_handle, GWL_STYLE)),
                              static_cast<DWORD>(GetWindowLong(m_handle, GWL_EXSTYLE)));
    const TRect inner = outer.Inflate(-m_borderWidth, -m_borderWidth);
    HDC dc = GetWindowDC(m_handle);
    HBRUSH brush = CreateSolidBrush(GetColor());
    FillRect(dc, {outer.left, outer.top, outer.right, inner.top}, brush);
    FillRect(dc, {outer.left, inner.bottom, outer.right, outer.bottom}, brush);
    FillRect(dc, {outer.left, inner.top, inner.left, inner.bottom}, brush);
    FillRect(dc, {inner.right, inner.top, outer.right, inner.bottom}, brush);
    DeleteObject(brush);
    ReleaseDC(m_handle, dc);
}
