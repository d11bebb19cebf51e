#pragma once
// The skinned data-aware list box and lookup list box: the platform's lists with the flat
// frame of the skinned edits, each driving an optional linked skinned vertical scroll bar
// that shows only when the list has more items than fit.
#include "Source/db/SKDBScrollBars.h"
#include "Source/edits/SKFlatFrame.h"
#include "platform/db/controls/DBListBox.h"
#include "platform/db/controls/DBLookup.h"

class TskScrollBar;

class TskDBListBox : public TskFlatFramed<TDBListBox> {
    QV_DECLARE_CLASS(TskDBListBox, TDBListBox)

    explicit TskDBListBox(TComponent* AOwner) : TskFlatFramed<TDBListBox>(AOwner) {}
    ~TskDBListBox() override;

    TskScrollBar* GetVScrollBar() const { return m_bars.Vertical(); }
    void SetVScrollBar(TskScrollBar* Value);

    void UpdateScrollBarsPos() { m_bars.UpdatePositions(); }
    void UpdateScrollBars() { m_bars.UpdateBars(); }
    void ItemsChanged() override;

protected:
    // The linked bar takes the list's file theme and the style it draws in.
    void UIStyleChanged() override { m_bars.ApplyTheme(GetFileTheme(), GetUIStyle()); }
    void Notification(TComponent* AComponent, TOperation Operation) override;
    void Loaded() override;
    void CreateWnd() override;
    void WndProc(TMessage& Message) override;
    void WMPaint(TMessage& Message) override;

private:
    TskLinkedScrollBars m_bars{this, TskLinkedScrollBars::HideBar,
                               [this](bool, int Position) { SetTopIndex(Position); }};
};

class TskDBLookupListBox : public TskFlatFramed<TDBLookupListBox> {
    QV_DECLARE_CLASS(TskDBLookupListBox, TDBLookupListBox)

    explicit TskDBLookupListBox(TComponent* AOwner) : TskFlatFramed<TDBLookupListBox>(AOwner) {}
    ~TskDBLookupListBox() override;

    TskScrollBar* GetVScrollBar() const { return m_bars.Vertical(); }
    void SetVScrollBar(TskScrollBar* Value);

    void UpdateScrollBarsPos() { m_bars.UpdatePositions(); }
    void UpdateScrollBars() { m_bars.UpdateBars(); }
    void ItemsChanged() override;

protected:
    // The linked bar takes the list's file theme and the style it draws in.
    void UIStyleChanged() override { m_bars.ApplyTheme(GetFileTheme(), GetUIStyle()); }
    void Notification(TComponent* AComponent, TOperation Operation) override;
    void Loaded() override;
    void CreateWnd() override;
    void WndProc(TMessage& Message) override;
    void WMPaint(TMessage& Message) override;

private:
    TskLinkedScrollBars m_bars{this, TskLinkedScrollBars::HideBar,
                               [this](bool, int Position) { SetTopIndex(Position); }};
};

// Makes the skinned data-aware list boxes known to the form reader.
void RegisterDBListClasses();
