// TScrollBar: geometry, the mouse and keyboard, the SBM_ messages and classic painting.
#include "platform/vcl/stdctrls/ScrollBar.h"

#include <algorithm>

#include "platform/vcl/graphics/Bitmap.h"
#include "platform/vcl/core/ClassBuilder.h"
#include "platform/vcl/core/ComponentGuard.h"
#include "platform/vcl/graphics/Frame3D.h"
#include "platform/vcl/core/SysUtils.h"
#include "platform/win/Windows.h"

namespace {

const TEnumInfo ScrollBarKindInfo{"TScrollBarKind", {"sbHorizontal", "sbVertical"}};

constexpr UINT_PTR kRepeatTimer = 1;
constexpr UINT kFirstRepeatMs = 350;
constexpr UINT kRepeatMs = 50;
constexpr int kMinThumb = 8;

}  // namespace

const TClassInfo& TScrollBar::StaticClassInfo() {
    using C = TScrollBar;
    static const TClassInfo info =
        TClassBuilder<C>("TScrollBar")
            .Enum("Kind", ScrollBarKindInfo, &C::GetKind, &C::SetKind, sbHorizontal)
            .Integer("LargeChange", &C::GetLargeChange, &C::SetLargeChange, 1)
            .Integer("Max", &C::GetMax, &C::SetMax, 100)
            .Integer("Min", &C::GetMin, &C::SetMin, 0)
            .Integer("PageSize", &C::GetPageSize, &C::SetPageSize, 0)
            .Integer("Position", &C::GetPosition, &C::SetPosition, 0)
            .Integer("SmallChange", &C::GetSmallChange, &C::SetSmallChange, 1)
            .Event("OnChange", &C::OnChange)
            .Event("OnScroll", &C::OnScroll)
            .Build();
    return info;
}

TScrollBar::TScrollBar(TComponent* AOwner) : TCustomControl(AOwner) {
    m_controlStyle = csCaptureMouse | csDoubleClicks | csOpaque;
    SetBounds(0, 0, 121, 16);
    SetTabStop(true);
    SetColor(clScrollBar);
}

TScrollBar::~TScrollBar() {
    Destroying();
}

void TScrollBar::SetKind(TScrollBarKind Value) {
    if (Value == m_kind) return;
    m_kind = Value;
    // A bar turned on its side keeps its proportions, as the designer's would.
    if (!(ComponentState() & csLoading)) SetBounds(GetLeft(), GetTop(), GetHeight(), GetWidth());
    Invalidate();
}

void TScrollBar::SetPageSize(int Value) {
    m_pageSize = std::max(Value, 0);
    SetParams(m_position, m_min, m_max);
    Invalidate();
}

void TScrollBar::SetParams(int APosition, int AMin, int AMax) {
    if (AMax < AMin) throw EInvalidOperation("Scroll bar property out of range");
    const bool rangeChanged = AMin != m_min || AMax != m_max;
    m_min = AMin;
    m_max = AMax;
    const int position = std::clamp(APosition, m_min, std::max(MaxPosition(), m_min));
    if (rangeChanged) Invalidate();
    if (position == m_position) return;
    m_position = position;
    Invalidate();
    Change();
}

void TScrollBar::Change() {
    if (OnChange) OnChange(this);
}

void TScrollBar::Scroll(TScrollCode ScrollCode, int& ScrollPos) {
    if (OnScroll) OnScroll(this, ScrollCode, ScrollPos);
}

int TScrollBar::Length() const {
    return m_kind == sbHorizontal ? GetClientWidth() : GetClientHeight();
}

int TScrollBar::Thickness() const {
    return m_kind == sbHorizontal ? GetClientHeight() : GetClientWidth();
}

int TScrollBar::MaxPosition() const {
    return m_max - std::max(m_pageSize - 1, 0);
}

int TScrollBar::ArrowSize() const {
    return std::max(std::min(Thickness(), Length() / 2), 0);
}

int TScrollBar::ThumbStart() const {
    const int arrow = ArrowSize();
    const int track = Length() - 2 * arrow;
    const int span = MaxPosition() - m_min;
    if (!GetEnabled() || span <= 0 || track <= 0) return arrow;
    int thumb = m_pageSize > 0 ? track * m_pageSize / (m_max - m_min + 1) : Thickness();
    thumb = std::max(thumb, kMinThumb);
    if (thumb >= track) return arrow;
    return arrow + (track - thumb) * (m_position - m_min) / span;
}

int TScrollBar::ThumbEnd() const {
    const int arrow = ArrowSize();
    const int track = Length() - 2 * arrow;
    const int span = MaxPosition() - m_min;
    if (!GetEnabled() || span <= 0 || track <= 0) return arrow;
    int thumb = m_pageSize > 0 ? track * m_pageSize / (m_max - m_min + 1) : Thickness();
    thumb = std::max(thumb, kMinThumb);
    if (thumb >= track) return arrow;
    return ThumbStart() + thumb;
}

TScrollBar::Part TScrollBar::PartAt(int Along) const {
    const int arrow = ArrowSize();
    if (Along < 0 || Along >= Length()) return Part::None;
    if (Along < arrow) return Part::LineUp;
    if (Along >= Length() - arrow) return Part::LineDown;
    const int start = ThumbStart(), end = ThumbEnd();
    if (start == end) return Part::None;
    if (Along < start) return Part::PageUp;
    if (Along < end) return Part::Thumb;
    return Part::PageDown;
}

int TScrollBar::StepTarget(TScrollCode Code) const {
    switch (Code) {
        case scLineUp:
            return m_position - m_smallChange;
        case scLineDown:
            return m_position + m_smallChange;
        case scPageUp:
            return m_position - m_largeChange;
        case scPageDown:
            return m_position + m_largeChange;
        case scTop:
            return m_min;
        case scBottom:
            return MaxPosition();
        default:
            return m_position;
    }
}

void TScrollBar::DoScroll(TScrollCode Code, int Pos) {
    TComponentGuard guard(this);
    Scroll(Code, Pos);
    if (!guard.Exists() || Code == scEndScroll) return;
    SetPosition(Pos);
}

void TScrollBar::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    inherited::MouseDown(Button, Shift, X, Y);
    if (Button != mbLeft || !GetEnabled()) return;
    if (GetTabStop() && CanFocus() && !Focused()) SetFocus();
    m_pointer = m_kind == sbHorizontal ? X : Y;
    m_pressed = PartAt(m_pointer);
    switch (m_pressed) {
        case Part::Thumb:
            m_dragOffset = m_pointer - ThumbStart();
            m_trackPos = m_position;
            break;
        case Part::None:
            return;
        default:
            RepeatPressed();
            if (m_handle && m_pressed != Part::None)
                SetTimer(m_handle, kRepeatTimer, kFirstRepeatMs);
            break;
    }
    Invalidate();
}

void TScrollBar::MouseMove(TShiftState Shift, int X, int Y) {
    inherited::MouseMove(Shift, X, Y);
    if (m_pressed == Part::None) return;
    m_pointer = m_kind == sbHorizontal ? X : Y;
    if (m_pressed != Part::Thumb) {
        Invalidate();
        return;
    }
    const int arrow = ArrowSize();
    const int room = (Length() - 2 * arrow) - (ThumbEnd() - ThumbStart());
    const int span = MaxPosition() - m_min;
    if (room <= 0) return;
    const int start = m_pointer - m_dragOffset - arrow;
    const int pos = std::clamp(m_min + (start * span + room / 2) / room, m_min, MaxPosition());
    if (pos == m_trackPos) return;
    m_trackPos = pos;
    DoScroll(scTrack, pos);
}

bool TScrollBar::FinishTracking() {
    if (m_pressed == Part::None) return true;
    const bool dragged = m_pressed == Part::Thumb;
    StopTracking();
    TComponentGuard guard(this);
    if (dragged) DoScroll(scPosition, m_trackPos);
    if (!guard.Exists()) return false;
    DoScroll(scEndScroll, m_position);
    return guard.Exists();
}

void TScrollBar::RepeatPressed() {
    // A page press stops once the thumb has reached the pointer.
    if (PartAt(m_pointer) != m_pressed) return;
    switch (m_pressed) {
        case Part::LineUp:
            DoScroll(scLineUp, StepTarget(scLineUp));
            break;
        case Part::LineDown:
            DoScroll(scLineDown, StepTarget(scLineDown));
            break;
        case Part::PageUp:
            DoScroll(scPageUp, StepTarget(scPageUp));
            break;
        case Part::PageDown:
            DoScroll(scPageDown, StepTarget(scPageDown));
            break;
        default:
            break;
    }
}

void TScrollBar::StopTracking() {
    if (m_handle) KillTimer(m_handle, kRepeatTimer);
    m_pressed = Part::None;
    Invalidate();
}

void TScrollBar::KeyDown(WORD& Key, TShiftState Shift) {
    inherited::KeyDown(Key, Shift);
    TScrollCode code;
    switch (Key) {
        case VK_LEFT:
        case VK_UP:
            code = scLineUp;
            break;
        case VK_RIGHT:
        case VK_DOWN:
            code = scLineDown;
            break;
        case VK_PRIOR:
            code = scPageUp;
            break;
        case VK_NEXT:
            code = scPageDown;
            break;
        case VK_HOME:
            code = scTop;
            break;
        case VK_END:
            code = scBottom;
            break;
        default:
            return;
    }
    TComponentGuard guard(this);
    DoScroll(code, StepTarget(code));
    if (guard.Exists()) DoScroll(scEndScroll, m_position);
    Key = 0;
}

void TScrollBar::WndProc(TMessage& Message) {
    // The release ends the tracking before the mouse capture goes, since losing the capture
    // otherwise abandons it.
    if (Message.Msg == WM_LBUTTONUP && !FinishTracking()) return;
    if (HandleScrollMessage(Message)) return;
    inherited::WndProc(Message);
}

bool TScrollBar::HandleScrollMessage(TMessage& Message) {
    switch (Message.Msg) {
        case WM_GETDLGCODE:
            Message.Result = DLGC_WANTARROWS;
            return true;
        case WM_TIMER:
            if (Message.WParam != kRepeatTimer) return false;
            if (m_pressed == Part::None || m_pressed == Part::Thumb) {
                KillTimer(m_handle, kRepeatTimer);
            } else {
                SetTimer(m_handle, kRepeatTimer, kRepeatMs);
                RepeatPressed();
            }
            return true;
        case WM_CANCELMODE:
        case WM_CAPTURECHANGED:
            if (m_pressed != Part::None && GetCapture() != m_handle) StopTracking();
            return false;
        case SBM_GETPOS:
            Message.Result = m_position;
            return true;
        case SBM_SETPOS: {
            const int old = m_position;
            SetPosition(static_cast<int>(Message.WParam));
            Message.Result = old;
            return true;
        }
        case SBM_GETRANGE:
            if (auto* p = reinterpret_cast<int*>(Message.WParam)) *p = m_min;
            if (auto* p = reinterpret_cast<int*>(Message.LParam)) *p = m_max;
            return true;
        case SBM_SETRANGE:
            SetParams(m_position, static_cast<int>(Message.WParam),
                      static_cast<int>(Message.LParam));
            return true;
        case SBM_GETSCROLLINFO: {
            auto* info = reinterpret_cast<SCROLLINFO*>(Message.LParam);
            if (!info) return true;
            if (info->fMask & SIF_RANGE) {
                info->nMin = m_min;
                info->nMax = m_max;
            }
            if (info->fMask & SIF_PAGE) info->nPage = static_cast<UINT>(m_pageSize);
            if (info->fMask & SIF_POS) info->nPos = m_position;
            if (info->fMask & SIF_TRACKPOS)
                info->nTrackPos = m_pressed == Part::Thumb ? m_trackPos : m_position;
            Message.Result = TRUE;
            return true;
        }
        case SBM_SETSCROLLINFO: {
            const auto* info = reinterpret_cast<const SCROLLINFO*>(Message.LParam);
            if (info) {
                if (info->fMask & SIF_PAGE) m_pageSize = static_cast<int>(info->nPage);
                const bool range = (info->fMask & SIF_RANGE) != 0;
                SetParams((info->fMask & SIF_POS) ? info->nPos : m_position,
                          range ? info->nMin : m_min,
                          range ? std::max(info->nMax, info->nMin) : m_max);
            }
            Message.Result = m_position;
            return true;
        }
        case SBM_GETSCROLLBARINFO: {
            auto* info = reinterpret_cast<SCROLLBARINFO*>(Message.LParam);
            if (!info) return true;
            RECT window{};
            if (m_handle) GetWindowRect(m_handle, &window);
            info->rcScrollBar = window;
            info->dxyLineButton = ArrowSize();
            info->xyThumbTop = ThumbStart();
            info->xyThumbBottom = ThumbEnd();
            DWORD state = 0;
            if (ThumbStart() == ThumbEnd()) state |= STATE_SYSTEM_UNAVAILABLE;
            if (!Showing()) state |= STATE_SYSTEM_INVISIBLE;
            info->rgstate[0] = state;
            Message.Result = TRUE;
            return true;
        }
        default:
            return false;
    }
}

TRect TScrollBar::PartRect(int From, int To) const {
    return m_kind == sbHorizontal ? TRect{From, 0, To, Thickness()}
                                  : TRect{0, From, Thickness(), To};
}

void TScrollBar::PaintButton(const TRect& Rect, bool Pressed) {
    TCanvas* canvas = GetCanvas();
    canvas->GetBrush()->SetColor(clBtnFace);
    canvas->FillRect(Rect);
    TRect r = Rect;
    if (Pressed) {
        canvas->GetBrush()->SetColor(clBtnShadow);
        canvas->FrameRect(r);
        return;
    }
    Frame3D(canvas, r, clBtnFace, cl3DDkShadow, 1);
    Frame3D(canvas, r, clBtnHighlight, clBtnShadow, 1);
}

void TScrollBar::PaintArrow(const TRect& Rect, bool Pressed, bool Forward) {
    PaintButton(Rect, Pressed);
    TCanvas* canvas = GetCanvas();
    const int size = std::max(std::min(Rect.Width(), Rect.Height()) / 4, 2);
    const int shift = Pressed ? 1 : 0;
    const int cx = (Rect.left + Rect.right) / 2 + shift;
    const int cy = (Rect.top + Rect.bottom) / 2 + shift;
    const bool enabled = GetEnabled() && ThumbStart() != ThumbEnd();
    // Disabled arrows are etched: a highlight copy under a shadow one.
    for (int pass = enabled ? 1 : 0; pass < 2; ++pass) {
        const int offset = pass == 0 ? 1 : 0;
        canvas->GetBrush()->SetColor(enabled     ? clBtnText
                                     : pass == 0 ? clBtnHighlight
                                                 : clBtnShadow);
        for (int i = 0; i < size; ++i) {
            // Row i of the triangle, counted from its tip, is 2i+1 pixels wide.
            const int tip = Forward ? size / 2 - i : i - size / 2;
            if (m_kind == sbHorizontal) {
                const int x = cx + tip + offset;
                canvas->FillRect({x, cy - i + offset, x + 1, cy + i + 1 + offset});
            } else {
                const int y = cy + tip + offset;
                canvas->FillRect({cx - i + offset, y, cx + i + 1 + offset, y + 1});
            }
        }
    }
}

void TScrollBar::Paint() {
    TCanvas* canvas = GetCanvas();
    const int length = Length(), arrow = ArrowSize();
    const int start = ThumbStart(), end = ThumbEnd();
    const Part over = PartAt(m_pointer);
    // The classic track is a checkerboard of the highlight and the bar's colour.
    TBitmap pattern;
    pattern.SetSize(2, 2);
    for (int i = 0; i < 4; ++i)
        pattern.GetCanvas()->SetPixel(i % 2, i / 2,
                                      (i == 0 || i == 3) ? clBtnHighlight : GetColor());
    canvas->GetBrush()->SetBitmap(&pattern);
    canvas->FillRect(PartRect(arrow, length - arrow));
    canvas->GetBrush()->SetBitmap(nullptr);
    if (m_pressed == Part::PageUp && over == Part::PageUp) {
        canvas->GetBrush()->SetColor(cl3DDkShadow);
        canvas->FillRect(PartRect(arrow, start));
    }
    if (m_pressed == Part::PageDown && over == Part::PageDown) {
        canvas->GetBrush()->SetColor(cl3DDkShadow);
        canvas->FillRect(PartRect(end, length - arrow));
    }
    PaintArrow(PartRect(0, arrow), m_pressed == Part::LineUp && over == Part::LineUp, false);
    PaintArrow(PartRect(length - arrow, length),
               m_pressed == Part::LineDown && over == Part::LineDown, true);
    if (end > start) PaintButton(PartRect(start, end), false);
    if (Focused() && end > start) {
        TRect focus = PartRect(start, end).Inflate(-3, -3);
        canvas->DrawFocusRect(focus);
    }
}
