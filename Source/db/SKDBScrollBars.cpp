#include "Source/db/SKDBScrollBars.h"

#include <algorithm>
#include <cstdlib>

#include "Source/edits/SKScrollBar.h"
#include "Source/theme/SKFileTheme.h"
#include "platform/vcl/controls/WinControl.h"
#include "platform/win/Windows.h"

TskLinkedScrollBars::TskLinkedScrollBars(TWinControl* Control, TIdleLook IdleLook,
                                         TScrollTo ScrollTo)
    : m_control(Control), m_idleLook(IdleLook), m_scrollTo(std::move(ScrollTo)) {}

TskLinkedScrollBars::~TskLinkedScrollBars() {
    Link(true, nullptr);
    Link(false, nullptr);
}

void TskLinkedScrollBars::Reset(TskScrollBar* Bar) {
    Bar->RemoveFreeNotification(m_control);
    Bar->OnChange() = nullptr;
    Bar->SetLineButton(0);
    Bar->SetMax(100);
    Bar->SetEnabled(true);
}

bool TskLinkedScrollBars::Link(bool Vertical, TskScrollBar* Value) {
    TskScrollBar*& link = Vertical ? m_vertical : m_horizontal;
    if (Value == link) return false;
    if (link) Reset(link);
    link = Value;
    if (!link) return true;
    link->FreeNotification(m_control);
    link->SetOrientation(Vertical ? skVertical : skHorizontal);
    link->OnChange() = [this, Vertical](TObject*) { BarChanged(Vertical); };
    link->BringToFront();
    return true;
}

bool TskLinkedScrollBars::Removed(const TComponent* AComponent) {
    if (!AComponent) return false;
    if (AComponent == m_vertical) {
        m_vertical = nullptr;
        return true;
    }
    if (AComponent == m_horizontal) {
        m_horizontal = nullptr;
        return true;
    }
    return false;
}

void TskLinkedScrollBars::ApplyTheme(TskFileTheme* Theme, TskUIStyle Style) {
    TskUIStyle effective = Style;
    UsingFileTheme(Theme, Style, effective);
    for (TskScrollBar* bar : {m_vertical, m_horizontal}) {
        if (!bar) continue;
        bar->SetFileTheme(Theme);
        bar->SetUIStyle(effective);
    }
}

void TskLinkedScrollBars::UpdatePositions() {
    if (m_control->ComponentState() & (csLoading | csDestroying)) return;
    const int left = m_control->GetLeft(), top = m_control->GetTop();
    const int width = m_control->GetWidth(), height = m_control->GetHeight();
    if (m_horizontal) {
        int barWidth = width - 2;
        if (m_vertical) barWidth -= m_vertical->GetWidth();
        m_horizontal->SetBounds(left + 1, top + height - m_horizontal->GetHeight() - 2,
                                std::max(barWidth, 0), m_horizontal->GetHeight());
    }
    if (m_vertical) {
        int barHeight = height - 2;
        if (m_horizontal) barHeight -= m_horizontal->GetHeight();
        m_vertical->SetBounds(left + width - m_vertical->GetWidth() - 2, top + 1,
                              m_vertical->GetWidth(), std::max(barHeight, 0));
    }
    UpdateBars();
}

void TskLinkedScrollBars::Sync(TskScrollBar* Bar, bool Vertical) {
    HWND handle = m_control->Handle();
    SCROLLBARINFO barInfo;
    GetScrollBarInfo(handle, Vertical ? OBJID_VSCROLL : OBJID_HSCROLL, &barInfo);
    const bool idle = barInfo.rgstate[0] & (STATE_SYSTEM_INVISIBLE | STATE_SYSTEM_UNAVAILABLE);
    if (idle) {
        Bar->SetLineButton(0);
        Bar->SetEnabled(false);
    } else {
        Bar->SetLineButton(std::abs(barInfo.xyThumbBottom - barInfo.xyThumbTop));
        if (m_idleLook == HideThumb && !Vertical)
            Bar->SetSmallChange(
                static_cast<TScrollBarInc>(std::clamp(3 * Bar->GetPageSize(), 1, 32767)));
        Bar->SetEnabled(true);
    }
    if (m_idleLook == HideThumb)
        Bar->SetSliderVisible(!idle);
    else
        Bar->SetVisible(!idle);
    SCROLLINFO info;
    info.fMask = SIF_ALL;
    GetScrollInfo(handle, Vertical ? SB_VERT : SB_HORZ, &info);
    Bar->SetMax(info.nMax - static_cast<int>(info.nPage) + 1);
    Bar->SetMin(info.nMin);
    Bar->SetPosition(info.nPos);
}

void TskLinkedScrollBars::UpdateBars() {
    if (m_selfScrolling || (m_control->ComponentState() & (csLoading | csDestroying)) ||
        !m_control->HandleAllocated())
        return;
    if (!m_vertical && !m_horizontal) return;
    const bool was = m_synchronising;
    m_synchronising = true;
    try {
        if (m_vertical) Sync(m_vertical, true);
        if (m_horizontal) Sync(m_horizontal, false);
    } catch (...) {
        m_synchronising = was;
        throw;
    }
    m_synchronising = was;
}

void TskLinkedScrollBars::BarChanged(bool Vertical) {
    TskScrollBar* bar = Vertical ? m_vertical : m_horizontal;
    if (m_synchronising || !bar) return;
    // The control is moved to the bar's position directly: a scroll message carries its
    // position in 16 bits, too few for long lists and texts.
    m_selfScrolling = true;
    try {
        m_scrollTo(Vertical, bar->GetPosition());
    } catch (...) {
        m_selfScrolling = false;
        throw;
    }
    m_selfScrolling = false;
    UpdateBars();
    m_control->Invalidate();
}

void TskLinkedScrollBars::Follow(unsigned Msg) {
    switch (Msg) {
        case WM_LBUTTONDOWN:
            m_mouseDown = true;
            UpdateBars();
            break;
        case WM_LBUTTONUP:
            m_mouseDown = false;
            break;
        case WM_MOUSEMOVE:
            if (m_mouseDown) UpdateBars();
            break;
        case WM_SIZE:
        case WM_MOVE:
            UpdatePositions();
            break;
        case WM_VSCROLL:
        case WM_HSCROLL:
        case WM_MOUSEWHEEL:
        case WM_KEYDOWN:
        case CM_ENABLEDCHANGED:
            UpdateBars();
            break;
        default:
            break;
    }
}
