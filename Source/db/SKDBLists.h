#pragma once
// The skinned data-aware list box and lookup list box: the platform's lists with the flat
// frame of the skinned edits, each driving an optional linked skinned vertical scroll bar
// that shows only when the list has more items than fit.
#include "Source/db/SKDBFrame.h"
#include "Source/db/SKDBScrollBars.h"
#include "platform/db/controls/DBListBox.h"
#include "platform/db/controls/DBLookup.h"

class TskScrollBar;

class TskDBListBox : public TDBListBox {
    QV_DECLARE_CLASS(TskDBListBox, TDBListBox)

    explicit TskDBListBox(TComponent* AOwner);
    ~TskDBListBox() override;

    TskFileTheme* GetFileTheme() const { return m_frame.GetFileTheme(); }
    // Also the linked bar's file theme.
    void SetFileTheme(TskFileTheme* Value);
    TskUIStyle GetUIStyle() const { return m_frame.GetUIStyle(); }
    // Takes the style's border colour and passes the style on to the linked bar.
    void SetUIStyle(TskUIStyle Value);
    TColor GetBorderColor() const { return m_frame.GetBorderColor(); }
    void SetBorderColor(TColor Value);
    TskScrollBar* GetVScrollBar() const { return m_bars.Vertical(); }
    void SetVScrollBar(TskScrollBar* Value);

    void UpdateScrollBarsPos() { m_bars.UpdatePositions(); }
    void UpdateScrollBars() { m_bars.UpdateBars(); }
    void ItemsChanged() override;

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;
    void Loaded() override;
    void CreateWnd() override;
    void WndProc(TMessage& Message) override;
    void WMPaint(TMessage& Message) override;
    void WMEraseBkgnd(TMessage& Message) override;

private:
    TskDBFrame m_frame{this};
    TskLinkedScrollBars m_bars{this, TskLinkedScrollBars::HideBar,
                               [this](bool, int Position) { SetTopIndex(Position); }};
};

class TskDBLookupListBox : public TDBLookupListBox {
    QV_DECLARE_CLASS(TskDBLookupListBox, TDBLookupListBox)

    explicit TskDBLookupListBox(TComponent* AOwner);
    ~TskDBLookupListBox() override;

    TskFileTheme* GetFileTheme() const { return m_frame.GetFileTheme(); }
    void SetFileTheme(TskFileTheme* Value);
    TskUIStyle GetUIStyle() const { return m_frame.GetUIStyle(); }
    void SetUIStyle(TskUIStyle Value);
    TColor GetBorderColor() const { return m_frame.GetBorderColor(); }
    void SetBorderColor(TColor Value);
    TskScrollBar* GetVScrollBar() const { return m_bars.Vertical(); }
    void SetVScrollBar(TskScrollBar* Value);

    void UpdateScrollBarsPos() { m_bars.UpdatePositions(); }
    void UpdateScrollBars() { m_bars.UpdateBars(); }
    void ItemsChanged() override;

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;
    void Loaded() override;
    void CreateWnd() override;
    void WndProc(TMessage& Message) override;
    void WMPaint(TMessage& Message) override;
    void WMEraseBkgnd(TMessage& Message) override;

private:
    TskDBFrame m_frame{this};
    TskLinkedScrollBars m_bars{this, TskLinkedScrollBars::HideBar,
                               [this](bool, int Position) { SetTopIndex(Position); }};
};

// Makes the skinned data-aware list boxes known to the form reader.
void RegisterDBListClasses();
