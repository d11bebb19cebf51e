#pragma once
// The skinned data-aware edit, memo and image: the platform's controls unchanged in what
// they do with the data, framed by the flat two-pixel ring of the skinned edits in the
// style's control border colour. The memo can drive two linked skinned scroll bars and
// switches its own native bars to match them.
#include "Source/db/SKDBScrollBars.h"
#include "Source/edits/SKFlatFrame.h"
#include "platform/db/controls/DBEdit.h"
#include "platform/db/controls/DBImage.h"
#include "platform/db/controls/DBMemo.h"

class TskScrollBar;

class TskDBEdit : public TskFlatFramed<TDBEdit> {
    QV_DECLARE_CLASS(TskDBEdit, TDBEdit)

    explicit TskDBEdit(TComponent* AOwner) : TskFlatFramed<TDBEdit>(AOwner) {}
};

class TskDBMemo : public TskFlatFramed<TDBMemo> {
    QV_DECLARE_CLASS(TskDBMemo, TDBMemo)

    explicit TskDBMemo(TComponent* AOwner) : TskFlatFramed<TDBMemo>(AOwner) {}
    ~TskDBMemo() override;

    TskScrollBar* GetVScrollBar() const { return m_bars.Vertical(); }
    void SetVScrollBar(TskScrollBar* Value);
    TskScrollBar* GetHScrollBar() const { return m_bars.Horizontal(); }
    void SetHScrollBar(TskScrollBar* Value);

    void UpdateScrollBarsPos() { m_bars.UpdatePositions(); }
    void UpdateScrollBars() { m_bars.UpdateBars(); }

protected:
    // The linked bars take the memo's file theme and the style it draws in.
    void UIStyleChanged() override { m_bars.ApplyTheme(GetFileTheme(), GetUIStyle()); }
    void Notification(TComponent* AComponent, TOperation Operation) override;
    void Loaded() override;
    void CreateWnd() override;
    void WndProc(TMessage& Message) override;
    void WMPaint(TMessage& Message) override;

private:
    // The native bars lie under the linked ones: on where a bar is linked, off elsewhere.
    void ApplyNativeScrollBars();
    void ScrollTo(bool Vertical, int Position);

    TskLinkedScrollBars m_bars{
        this, TskLinkedScrollBars::HideThumb,
        [this](bool Vertical, int Position) { ScrollTo(Vertical, Position); }};
};

// Keeps its platform border inside the flat frame.
class TskDBImage : public TskFlatFramed<TDBImage> {
    QV_DECLARE_CLASS(TskDBImage, TDBImage)

    explicit TskDBImage(TComponent* AOwner);
};

// Makes the skinned data-aware edit, memo and image known to the form reader.
void RegisterDBEditClasses();
