#pragma once
// The skinned data-aware list box and lookup list box: the platform's lists with the flat
// frame of the skinned edits, each driving an optional linked skinned vertical scroll bar
// that shows only when the list has more items than fit.
#include "Source/db/SKDBScrollBars.h"
#include "Source/edits/SKFlatFrame.h"
#include "platform/db/controls/DBListBox.h"
#include "platform/db/controls/DBLookup.h"

class TskScrollBar;

// What both lists add to their platform list: the frame and the linked vertical bar, kept
// in step with the list's scrolling and moved to the bar's position directly.
template <class Base>
class TskDBBarLinkedList : public TskFlatFramed<Base> {
public:
    explicit TskDBBarLinkedList(TComponent* AOwner) : TskFlatFramed<Base>(AOwner) {}
    ~TskDBBarLinkedList() override { m_bars.Link(true, nullptr); }

    TskScrollBar* GetVScrollBar() const { return m_bars.Vertical(); }
    void SetVScrollBar(TskScrollBar* Value) {
        if (m_bars.Link(true, Value)) m_bars.UpdatePositions();
    }

    void UpdateScrollBarsPos() { m_bars.UpdatePositions(); }
    void UpdateScrollBars() { m_bars.UpdateBars(); }
    void ItemsChanged() override {
        TskFlatFramed<Base>::ItemsChanged();
        m_bars.UpdateBars();
    }

protected:
    // The linked bar takes the list's file theme and the style it draws in.
    void UIStyleChanged() override { m_bars.ApplyTheme(this->GetFileTheme(), this->GetUIStyle()); }
    void Notification(TComponent* AComponent, TOperation Operation) override {
        TskFlatFramed<Base>::Notification(AComponent, Operation);
        if (Operation == opRemove) m_bars.Removed(AComponent);
    }
    void Loaded() override {
        TskFlatFramed<Base>::Loaded();
        m_bars.UpdatePositions();
    }
    void CreateWnd() override {
        TskFlatFramed<Base>::CreateWnd();
        m_bars.UpdateBars();
    }
    void WndProc(TMessage& Message) override {
        TskFlatFramed<Base>::WndProc(Message);
        m_bars.Follow(Message.Msg);
    }
    void WMPaint(TMessage& Message) override {
        TskFlatFramed<Base>::WMPaint(Message);
        // Selecting the field's item scrolls it into view without a scroll message.
        m_bars.UpdateBars();
    }

private:
    TskLinkedScrollBars m_bars{this, TskLinkedScrollBars::HideBar,
                               [this](bool, int Position) { this->SetTopIndex(Position); }};
};

class TskDBListBox : public TskDBBarLinkedList<TDBListBox> {
    QV_DECLARE_CLASS(TskDBListBox, TDBListBox)

    explicit TskDBListBox(TComponent* AOwner) : TskDBBarLinkedList(AOwner) {}
};

class TskDBLookupListBox : public TskDBBarLinkedList<TDBLookupListBox> {
    QV_DECLARE_CLASS(TskDBLookupListBox, TDBLookupListBox)

    explicit TskDBLookupListBox(TComponent* AOwner) : TskDBBarLinkedList(AOwner) {}
};

// Makes the skinned data-aware list boxes known to the form reader.
void RegisterDBListClasses();
