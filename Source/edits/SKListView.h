#pragma once
// TskListView: the platform's list view framed like the skinned edits, which can drive two
// separate skinned scroll bars laid over the edges where its own scroll bars are, keeping
// them equal to its scrolling both ways.
#include "Source/theme/SKThemes.h"
#include "platform/vcl/comctrls/CustomListView.h"

class TskFileTheme;
class TskScrollBar;

class TskListView : public TCustomListView {
    QV_DECLARE_CLASS(TskListView, TCustomListView)

    explicit TskListView(TComponent* AOwner);
    ~TskListView() override;

    TskFileTheme* GetFileTheme() const { return m_fileTheme; }
    void SetFileTheme(TskFileTheme* Value);
    TskUIStyle GetUIStyle() const { return m_uiStyle; }
    // Takes the style's border colour and passes the style on to the linked bars.
    void SetUIStyle(TskUIStyle Value);
    TColor GetBorderColor() const { return m_borderColor; }
    void SetBorderColor(TColor Value);
    // A linked bar must have the list view's parent: it is laid out in its coordinates.
    TskScrollBar* GetVScrollBar() const { return m_vScrollBar; }
    void SetVScrollBar(TskScrollBar* Value);
    TskScrollBar* GetHScrollBar() const { return m_hScrollBar; }
    void SetHScrollBar(TskScrollBar* Value);

    // Lays the linked bars over the list view's edges, then UpdateScrollBars.
    void UpdateScrollBarsPos();
    // Copies the native bars' state into the linked bars.
    void UpdateScrollBars();

    void ItemsChanged() override;

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;
    void Loaded() override;
    void WndProc(TMessage& Message) override;
    void WMPaint(TMessage& Message) override;
    void WMEraseBkgnd(TMessage& Message) override;

private:
    void OnVScrollBarChange(TObject* Sender);
    void OnHScrollBarChange(TObject* Sender);
    // Unhooks a bar from this list view and gives it its free-standing settings back.
    void ResetBar(TskScrollBar* Bar);
    void LinkBar(TskScrollBar*& Link, TskScrollBar* Value, bool Vertical);
    void SyncBar(TskScrollBar* Bar, int NativeBar);
    void DrawFrame();

    TColor m_borderColor = 0;
    TskUIStyle m_uiStyle = DeepBlue;
    TskFileTheme* m_fileTheme = nullptr;
    TskScrollBar* m_vScrollBar = nullptr;
    TskScrollBar* m_hScrollBar = nullptr;
    bool m_mouseDown = false;
    bool m_synchronising = false;
    bool m_borderColorRead = false;
};

// Makes TskListView known to the form reader.
void RegisterSKListViewClasses();
