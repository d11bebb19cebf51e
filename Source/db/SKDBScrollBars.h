#pragma once
// The skinned scroll bars a data-aware memo or list box drives: linked bars lie over the
// control's edges where its native bars are, copy the native bars' range, position, thumb
// length and state, and move the control to the position the user drags them to.
#include <functional>

#include "Source/theme/SKThemes.h"

class TComponent;
class TWinControl;
class TskFileTheme;
class TskScrollBar;

class TskLinkedScrollBars {
public:
    // How a linked bar shows that there is nothing to scroll.
    enum TIdleLook { HideThumb, HideBar };
    // ScrollTo moves the control to a position of its native bar (vertical or not).
    using TScrollTo = std::function<void(bool Vertical, int Position)>;

    TskLinkedScrollBars(TWinControl* Control, TIdleLook IdleLook, TScrollTo ScrollTo);
    // Unhooks both bars: a bar that outlives the control must not call it.
    ~TskLinkedScrollBars();
    TskLinkedScrollBars(const TskLinkedScrollBars&) = delete;
    TskLinkedScrollBars& operator=(const TskLinkedScrollBars&) = delete;

    TskScrollBar* Vertical() const { return m_vertical; }
    TskScrollBar* Horizontal() const { return m_horizontal; }
    // Links a bar (null unlinks); false when it was linked already. A linked bar must have
    // the control's parent: it is placed in its coordinates.
    bool Link(bool Vertical, TskScrollBar* Value);
    // Forgets a bar that is going away; true when it was linked.
    bool Removed(const TComponent* AComponent);
    // Gives the bars the control's file theme and the style that UsingFileTheme hands back
    // for Style.
    void ApplyTheme(TskFileTheme* Theme, TskUIStyle Style);

    // Lays the bars over the control's edges, then UpdateBars.
    void UpdatePositions();
    // Copies the native bars' state into the linked bars.
    void UpdateBars();
    // Keeps the bars in step after the control handled a message that may have scrolled,
    // resized or moved it.
    void Follow(unsigned Msg);
    bool Synchronising() const { return m_synchronising; }

private:
    // Gives a bar back its free-standing settings.
    void Reset(TskScrollBar* Bar);
    void Sync(TskScrollBar* Bar, bool Vertical);
    void BarChanged(bool Vertical);

    TWinControl* m_control;
    TIdleLook m_idleLook;
    TScrollTo m_scrollTo;
    TskScrollBar* m_vertical = nullptr;
    TskScrollBar* m_horizontal = nullptr;
    bool m_synchronising = false;
    // The left button went down in the control and has not come up: a drag may scroll it.
    bool m_mouseDown = false;
    // The control is being moved to a bar's position; its own scroll reports wait.
    bool m_selfScrolling = false;
};
