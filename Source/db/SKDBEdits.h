#pragma once
// The skinned data-aware edit, memo and image: the platform's controls unchanged in what
// they do with the data, framed by the flat two-pixel ring of the skinned edits in the
// style's control border colour. The memo can drive two linked skinned scroll bars and
// switches its own native bars to match them.
#include "Source/db/SKDBFrame.h"
#include "Source/db/SKDBScrollBars.h"
#include "platform/db/controls/DBEdit.h"
#include "platform/db/controls/DBImage.h"
#include "platform/db/controls/DBMemo.h"

class TskScrollBar;

class TskDBEdit : public TDBEdit {
    QV_DECLARE_CLASS(TskDBEdit, TDBEdit)

    explicit TskDBEdit(TComponent* AOwner);

    TskFileTheme* GetFileTheme() const { return m_frame.GetFileTheme(); }
    void SetFileTheme(TskFileTheme* Value);
    TskUIStyle GetUIStyle() const { return m_frame.GetUIStyle(); }
    // Takes the style's border colour, whatever BorderColor was, and repaints.
    void SetUIStyle(TskUIStyle Value);
    TColor GetBorderColor() const { return m_frame.GetBorderColor(); }
    void SetBorderColor(TColor Value);

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;
    void WndProc(TMessage& Message) override;
    void WMPaint(TMessage& Message) override;
    void WMEraseBkgnd(TMessage& Message) override;

private:
    TskDBFrame m_frame{this};
};

class TskDBMemo : public TDBMemo {
    QV_DECLARE_CLASS(TskDBMemo, TDBMemo)

    explicit TskDBMemo(TComponent* AOwner);
    ~TskDBMemo() override;

    TskFileTheme* GetFileTheme() const { return m_frame.GetFileTheme(); }
    // Also the linked bars' file theme.
    void SetFileTheme(TskFileTheme* Value);
    TskUIStyle GetUIStyle() const { return m_frame.GetUIStyle(); }
    // Takes the style's border colour and passes the style on to the linked bars.
    void SetUIStyle(TskUIStyle Value);
    TColor GetBorderColor() const { return m_frame.GetBorderColor(); }
    void SetBorderColor(TColor Value);
    TskScrollBar* GetVScrollBar() const { return m_bars.Vertical(); }
    void SetVScrollBar(TskScrollBar* Value);
    TskScrollBar* GetHScrollBar() const { return m_bars.Horizontal(); }
    void SetHScrollBar(TskScrollBar* Value);

    void UpdateScrollBarsPos() { m_bars.UpdatePositions(); }
    void UpdateScrollBars() { m_bars.UpdateBars(); }

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;
    void Loaded() override;
    void CreateWnd() override;
    void WndProc(TMessage& Message) override;
    void WMPaint(TMessage& Message) override;
    void WMEraseBkgnd(TMessage& Message) override;

private:
    // The native bars lie under the linked ones: on where a bar is linked, off elsewhere.
    void ApplyNativeScrollBars();
    void ScrollTo(bool Vertical, int Position);

    TskDBFrame m_frame{this};
    TskLinkedScrollBars m_bars{this, TskLinkedScrollBars::HideThumb,
                               [this](bool Vertical, int Position) { ScrollTo(Vertical, Position); }};
};

// Keeps its platform border inside the flat frame.
class TskDBImage : public TDBImage {
    QV_DECLARE_CLASS(TskDBImage, TDBImage)

    explicit TskDBImage(TComponent* AOwner);

    TskFileTheme* GetFileTheme() const { return m_frame.GetFileTheme(); }
    void SetFileTheme(TskFileTheme* Value);
    TskUIStyle GetUIStyle() const { return m_frame.GetUIStyle(); }
    void SetUIStyle(TskUIStyle Value);
    TColor GetBorderColor() const { return m_frame.GetBorderColor(); }
    void SetBorderColor(TColor Value);

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;
    void WndProc(TMessage& Message) override;
    void WMPaint(TMessage& Message) override;
    void WMEraseBkgnd(TMessage& Message) override;

private:
    TskDBFrame m_frame{this};
};

// Makes the skinned data-aware edit, memo and image known to the form reader.
void RegisterDBEditClasses();
