// TskListView: the flat frame, the style, and the linked skinned scroll bars.
#include "Source/edits/SKListView.h"

#include <cstdlib>

#include "Source/edits/SKEdit.h"
#include "Source/edits/SKScrollBar.h"
#include "Source/theme/SKFileTheme.h"
#include "Source/theme/SKPublic.h"
#include "platform/vcl/comctrls/ListView.h"
#include "platform/vcl/core/ClassBuilder.h"
#include "platform/win/Windows.h"

const TClassInfo& TskListView::StaticClassInfo() {
    using C = TskListView;
    static const TClassInfo info =
        TClassBuilder<C>("TskListView")
            .Reference("FileTheme", &C::GetFileTheme, &C::SetFileTheme)
            .Enum("UIStyle", TskUIStyleInfo(), &C::GetUIStyle, &C::SetUIStyle)
            .Color("BorderColor", &C::GetBorderColor, &C::SetBorderColor)
            .Reference("VScrollBar", &C::GetVScrollBar, &C::SetVScrollBar)
            .Reference("HScrollBar", &C::GetHScrollBar, &C::SetHScrollBar)
            .Enum("BorderStyle", TListBorderStyleInfo(), &C::GetBorderStyle, &C::SetBorderStyle,
                  bsSingle)
            .Integer("BorderWidth", &C::GetBorderWidth, &C::SetBorderWidth, 0)
            .Persistent("Columns", [](C& c) { return c.GetColumns(); })
            .Boolean("ColumnClick", &C::GetColumnClick, &C::SetColumnClick, true)
            .Boolean("Ctl3D", &C::GetCtl3D, &C::SetCtl3D, true)
            .Boolean("GridLines", &C::GetGridLines, &C::SetGridLines, false)
            .Boolean("HideSelection", &C::GetHideSelection, &C::SetHideSelection, true)
            .Boolean("MultiSelect", &C::GetMultiSelect, &C::SetMultiSelect, false)
            .Boolean("ReadOnly", &C::GetReadOnly, &C::SetReadOnly, false)
            .Boolean("RowSelect", &C::GetRowSelect, &C::SetRowSelect, false)
            .Boolean("ShowColumnHeaders", &C::GetShowColumnHeaders, &C::SetShowColumnHeaders, true)
            .Enum("SortType", TSortTypeInfo(), &C::GetSortType, &C::SetSortType, stNone)
            .Enum("ViewStyle", TViewStyleInfo(), &C::GetViewStyle, &C::SetViewStyle, vsIcon)
            .Event("OnChange", &C::OnChange)
            .Event("OnColumnClick", &C::OnColumnClick)
            .Event("OnContextPopup", &C::OnContextPopup)
            .Event("OnDeletion", &C::OnDeletion)
            .Event("OnSelectItem", &C::OnSelectItem)
            .Build();
    return info;
}

TskListView::TskListView(TComponent* AOwner) : TCustomListView(AOwner) {
    m_controlStyle |= csOpaque;
    SetBorderStyle(bsNone);
    SetBorderWidth(2);
    m_mouseDown = false;
    m_synchronising = false;
    SetUIStyle(GetSKFormStyle(AOwner));
}

TskListView::~TskListView() {
    // A bar that outlives the list view must not keep calling it.
    SetVScrollBar(nullptr);
    SetHScrollBar(nullptr);
}

void TskListView::SetFileTheme(TskFileTheme* Value) {
    if (m_fileTheme) m_fileTheme->RemoveFreeNotification(this);
    m_fileTheme = Value;
    if (m_fileTheme) m_fileTheme->FreeNotification(this);
    const TColor stored = m_borderColor;
    SetUIStyle(m_uiStyle);
    if ((ComponentState() & csLoading) && m_borderColorRead) SetBorderColor(stored);
}

void TskListView::SetUIStyle(TskUIStyle Value) {
    m_uiStyle = Value;
    TskUIStyle effective = Value;
    UsingFileTheme(m_fileTheme, Value, effective);
    m_borderColor = SkinControlBorderColor(m_fileTheme, Value);
    for (TskScrollBar* bar : {m_vScrollBar, m_hScrollBar})
        if (bar) bar->SetUIStyle(effective);
    Repaint();
}

void TskListView::SetBorderColor(TColor Value) {
    m_borderColor = Value;
    if (ComponentState() & csLoading) m_borderColorRead = true;
    Repaint();
}

void TskListView::SetVScrollBar(TskScrollBar* Value) {
    LinkBar(m_vScrollBar, Value, true);
}

void TskListView::SetHScrollBar(TskScrollBar* Value) {
    LinkBar(m_hScrollBar, Value, false);
}

void TskListView::ResetBar(TskScrollBar* Bar) {
    Bar->RemoveFreeNotification(this);
    Bar->OnChange() = nullptr;
    Bar->SetLineButton(0);
    Bar->SetMax(100);
    Bar->SetEnabled(true);
}

void TskListView::LinkBar(TskScrollBar*& Link, TskScrollBar* Value, bool Vertical) {
    if (Value == Link) return;
    if (Link) ResetBar(Link);
    Link = Value;
    if (!Link) return;
    Link->FreeNotification(this);
    Link->SetSmallChange(5);
    Link->SetOrientation(Vertical ? skVertical : skHorizontal);
    if (Vertical)
        Link->OnChange() = [this](TObject* Sender) { OnVScrollBarChange(Sender); };
    else
        Link->OnChange() = [this](TObject* Sender) { OnHScrollBarChange(Sender); };
    Link->BringToFront();
    UpdateScrollBarsPos();
}

void TskListView::UpdateScrollBarsPos() {
    if (ComponentState() & csLoading) return;
    const int left = GetLeft(), top = GetTop(), width = GetWidth(), height = GetHeight();
    if (m_hScrollBar) {
        if (m_hScrollBar->GetHeight() > height) {
            m_hScrollBar->SetTop(top);
        } else {
            int barWidth = width - 2;
            if (m_vScrollBar && m_vScrollBar->GetVisible()) barWidth -= m_vScrollBar->GetWidth();
            m_hScrollBar->SetBounds(left + 1, top + height - m_hScrollBar->GetHeight() - 2,
                                    std::max(barWidth, 0), m_hScrollBar->GetHeight());
        }
    }
    if (m_vScrollBar) {
        if (m_vScrollBar->GetWidth() > width) {
            m_vScrollBar->SetLeft(left);
        } else {
            int barHeight = height - 2;
            if (m_hScrollBar && m_hScrollBar->GetVisible()) barHeight -= m_hScrollBar->GetHeight();
            m_vScrollBar->SetBounds(left + width - m_vScrollBar->GetWidth() - 2, top + 1,
                                    m_vScrollBar->GetWidth(), std::max(barHeight, 0));
        }
    }
    UpdateScrollBars();
}

void TskListView::SyncBar(TskScrollBar* Bar, int NativeBar) {
    SCROLLBARINFO barInfo;
    GetScrollBarInfo(Handle(), NativeBar == SB_VERT ? OBJID_VSCROLL : OBJID_HSCROLL, &barInfo);
    const DWORD state = barInfo.rgstate[0];
    if (state & (STATE_SYSTEM_INVISIBLE | STATE_SYSTEM_UNAVAILABLE)) {
        Bar->SetLineButton(0);
        Bar->SetEnabled(false);
        Bar->SetVisible(false);
    } else {
        Bar->SetLineButton(std::abs(barInfo.xyThumbBottom - barInfo.xyThumbTop));
        Bar->SetEnabled(true);
        Bar->SetVisible(true);
    }
    SCROLLINFO info;
    info.fMask = SIF_ALL;
    GetScrollInfo(Handle(), NativeBar, &info);
    Bar->SetMax(info.nMax - static_cast<int>(info.nPage) + 1);
    Bar->SetMin(info.nMin);
    Bar->SetPosition(info.nPos);
}

void TskListView::UpdateScrollBars() {
    if ((ComponentState() & (csLoading | csDestroying)) || !HandleAllocated()) return;
    if (!m_vScrollBar && !m_hScrollBar) return;
    const bool wasSynchronising = m_synchronising;
    m_synchronising = true;
    try {
        if (m_vScrollBar) SyncBar(m_vScrollBar, SB_VERT);
        if (m_hScrollBar) SyncBar(m_hScrollBar, SB_HORZ);
    } catch (...) {
        m_synchronising = wasSynchronising;
        throw;
    }
    m_synchronising = wasSynchronising;
}

void TskListView::OnVScrollBarChange(TObject*) {
    if (m_synchronising || !m_vScrollBar) return;
    // The native vertical bar counts rows in every view, so the bar's change is rows.
    const int rows = m_vScrollBar->GetLastChange();
    Scroll(0, rows * RowHeight());
    UpdateScrollBars();
    Invalidate();
}

void TskListView::OnHScrollBarChange(TObject*) {
    if (m_synchronising || !m_hScrollBar) return;
    Scroll(m_hScrollBar->GetLastChange(), 0);
    UpdateScrollBars();
    Invalidate();
}

void TskListView::ItemsChanged() {
    TCustomListView::ItemsChanged();
    UpdateScrollBars();
}

void TskListView::Loaded() {
    TCustomListView::Loaded();
    UpdateScrollBarsPos();
}

void TskListView::Notification(TComponent* AComponent, TOperation Operation) {
    TCustomListView::Notification(AComponent, Operation);
    if (Operation != opRemove) return;
    if (AComponent == m_vScrollBar) m_vScrollBar = nullptr;
    if (AComponent == m_hScrollBar) m_hScrollBar = nullptr;
    if (AComponent == m_fileTheme) {
        m_fileTheme = nullptr;
        SetUIStyle(DeepBlue);
    }
}

void TskListView::DrawFrame() {
    if (HandleAllocated()) DrawControlBorder(this, m_borderColor, GetColor(), true);
}

void TskListView::WMPaint(TMessage& Message) {
    TCustomListView::WMPaint(Message);
    DrawFrame();
    // The program scrolls too (an item made visible, a list filled) and every scroll
    // repaints; the linked bars follow here at the latest.
    UpdateScrollBars();
}

void TskListView::WMEraseBkgnd(TMessage& Message) {
    TCustomListView::WMEraseBkgnd(Message);
    DrawFrame();
}

void TskListView::WndProc(TMessage& Message) {
    switch (Message.Msg) {
        case WM_SIZE:
            UpdateScrollBarsPos();
            TCustomListView::WndProc(Message);
            UpdateScrollBarsPos();
            return;
        case WM_MOVE:
            TCustomListView::WndProc(Message);
            UpdateScrollBarsPos();
            return;
        case WM_LBUTTONDOWN:
            m_mouseDown = true;
            break;
        case WM_LBUTTONUP:
            m_mouseDown = false;
            TCustomListView::WndProc(Message);
            return;
        case CM_VISIBLECHANGED:
            TCustomListView::WndProc(Message);
            if (GetVisible()) {
                UpdateScrollBars();
            } else {
                for (TskScrollBar* bar : {m_vScrollBar, m_hScrollBar})
                    if (bar) bar->SetVisible(false);
            }
            return;
        case WM_NCPAINT:
            TCustomListView::WndProc(Message);
            DrawFrame();
            return;
        default:
            break;
    }
    TCustomListView::WndProc(Message);
    switch (Message.Msg) {
        case WM_VSCROLL:
        case WM_HSCROLL:
        case WM_MOUSEWHEEL:
        case WM_KEYDOWN:
        case WM_DELETEITEM:
        case WM_LBUTTONDOWN:
        case CM_ENABLEDCHANGED:
            UpdateScrollBars();
            break;
        case WM_MOUSEMOVE:
            if (m_mouseDown) UpdateScrollBars();
            break;
        default:
            break;
    }
}

void RegisterSKListViewClasses() {
    RegisterClassesOf<TskListView>();
}
