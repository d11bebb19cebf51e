#pragma once
// TToolBar: a row (or, wrapping, rows) of tool buttons in the classic look, flat or raised,
// with images and captions. Custom-draw events let the owner paint the background and each
// button with its hot and selected state. A button bound to a menu item drops its submenu
// down below itself; while one is open, moving along the bar (or pressing Left and Right)
// opens the neighbour's instead.
#include <vector>

#include "platform/vcl/controls/CustomControl.h"

class TImageList;
class TToolButton;

// The custom-draw state of a button, in the VCL's ordinal order.
enum TCustomDrawStateFlag : unsigned {
    cdsSelected = 1u << 0,
    cdsGrayed = 1u << 1,
    cdsDisabled = 1u << 2,
    cdsChecked = 1u << 3,
    cdsFocused = 1u << 4,
    cdsDefault = 1u << 5,
    cdsHot = 1u << 6,
    cdsMarked = 1u << 7,
    cdsIndeterminate = 1u << 8,
};
using TCustomDrawState = unsigned;

enum TEdgeBorder : unsigned {
    ebLeft = 1u << 0,
    ebTop = 1u << 1,
    ebRight = 1u << 2,
    ebBottom = 1u << 3
};
using TEdgeBorders = unsigned;
enum TEdgeStyle { esNone, esRaised, esLowered };

class TToolBar;
// The bar's background: set DefaultDraw to False to leave out the buttons' own drawing.
using TTBCustomDrawEvent = TEvent<void(TToolBar* Sender, const TRect& ARect, bool& DefaultDraw)>;
// One button, on the bar's Canvas at the button's bounds; False in DefaultDraw replaces the
// classic face.
using TTBCustomDrawBtnEvent =
    TEvent<void(TToolBar* Sender, TToolButton* Button, TCustomDrawState State, bool& DefaultDraw)>;

class TToolBar : public TCustomControl {
    QV_DECLARE_CLASS(TToolBar, TCustomControl)

    explicit TToolBar(TComponent* AOwner);
    ~TToolBar() override;

    int ButtonCount() const { return static_cast<int>(m_buttons.size()); }
    TToolButton* Buttons(int Index) const;

    int GetButtonWidth() const { return m_buttonWidth; }
    void SetButtonWidth(int Value);
    int GetButtonHeight() const { return m_buttonHeight; }
    void SetButtonHeight(int Value);
    bool GetFlat() const { return m_flat; }
    void SetFlat(bool Value);
    bool GetShowCaptions() const { return m_showCaptions; }
    void SetShowCaptions(bool Value);
    // Images beside the captions instead of above them.
    bool GetList() const { return m_list; }
    void SetList(bool Value);
    bool GetWrapable() const { return m_wrapable; }
    void SetWrapable(bool Value);
    bool GetTransparent() const { return m_transparent; }
    void SetTransparent(bool Value);
    int GetIndent() const { return m_indent; }
    void SetIndent(int Value);
    TEdgeBorders GetEdgeBorders() const { return m_edgeBorders; }
    void SetEdgeBorders(TEdgeBorders Value);
    TEdgeStyle GetEdgeInner() const { return m_edgeInner; }
    void SetEdgeInner(TEdgeStyle Value);
    TEdgeStyle GetEdgeOuter() const { return m_edgeOuter; }
    void SetEdgeOuter(TEdgeStyle Value);
    TImageList* GetImages() const { return m_images; }
    void SetImages(TImageList* Value);
    TImageList* GetHotImages() const { return m_hotImages; }
    void SetHotImages(TImageList* Value);
    void SetAutoSize(bool Value) override;

    // Drops the menu of Button down and follows the user through the bar's menus until one
    // closes without a successor; then clicks the chosen item. SelectFirst highlights the
    // first item, as opening from the keyboard does.
    // Virtual so that a menu bar can go on in its keyboard mode after it.
    virtual void TrackMenu(TToolButton* Button, bool SelectFirst = false);
    // The button whose menu the last TrackMenu closed with Escape, the user stepping back
    // to the bar; null when it ended otherwise.
    TToolButton* EscapedButton() const { return m_escapedButton; }
    // The button whose menu is open, or null.
    TToolButton* MenuButton() const { return m_menuButton; }
    // The custom-draw state the button is drawn with now.
    TCustomDrawState ButtonState(const TToolButton* Button) const;
    // The visible button at a point of the bar's client area, or null.
    TToolButton* ButtonAt(TPoint Pos) const;
    // Places the buttons in rows and, with AutoSize, fits the bar's height to them.
    void ArrangeButtons();

    TTBCustomDrawEvent OnCustomDraw;
    TTBCustomDrawBtnEvent OnCustomDrawButton;

protected:
    // Where the rows of buttons end on the right; a bar that keeps controls of its own at
    // its right end stops them sooner.
    virtual int ButtonsRight() const;
    void Paint() override;
    void Loaded() override;
    void Resize() override;
    void CMFontChanged(TMessage& Message) override;
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    friend class TToolButton;
    void InsertButton(TToolButton* Button);
    void RemoveButton(TToolButton* Button);
    int ButtonWidthFor(TToolButton& Button, TCanvas& Measure) const;
    TRect EdgeInsets() const;
    TToolButton* Neighbour(TToolButton* From, bool Forward) const;
    void DrawButton(TCanvas& Canvas, TToolButton& Button, TCustomDrawState State);
    void DrawEdges(TCanvas& Canvas);

    std::vector<TToolButton*> m_buttons;
    int m_buttonWidth = 23;
    int m_buttonHeight = 22;
    bool m_flat = false;
    bool m_showCaptions = false;
    bool m_list = false;
    bool m_wrapable = true;
    bool m_transparent = false;
    int m_indent = 0;
    TEdgeBorders m_edgeBorders = ebTop;
    TEdgeStyle m_edgeInner = esRaised;
    TEdgeStyle m_edgeOuter = esLowered;
    TImageList* m_images = nullptr;
    TImageList* m_hotImages = nullptr;
    TToolButton* m_menuButton = nullptr;
    TToolButton* m_escapedButton = nullptr;
    bool m_arranging = false;
    bool m_tracking = false;
};
