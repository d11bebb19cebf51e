#pragma once
// TskToolBar: the platform's tool bar with the style's look for buttons under the mouse and
// pressed or checked buttons: a flat rectangle in the style's button colours with the image
// and caption placed on it. Buttons at rest, separators and the layout stay the platform's.
// The skin draws through the bar's own custom-draw events, so a form that assigns them
// replaces its drawing.
#include <string>

#include "Source/buttons/SKCustomButton.h"
#include "Source/theme/SKThemes.h"
#include "platform/vcl/comctrls/ToolBar.h"

class TCanvas;
class TImageList;
class TskFileTheme;

class TskToolBar : public TToolBar, public IskButtonContainer {
    QV_DECLARE_CLASS(TskToolBar, TToolBar)

    explicit TskToolBar(TComponent* AOwner);

    TskUIStyle GetUIStyle() const { return m_uiStyle; }
    // Takes the style's button colours; MacOS and Protein make the bar transparent.
    void SetUIStyle(TskUIStyle Value);
    TskFileTheme* GetFileTheme() const { return m_fileTheme; }
    void SetFileTheme(TskFileTheme* Value);
    TColor GetButtonColor() const { return m_buttonColor; }
    void SetButtonColor(TColor Value);
    TColor GetButtonBorderColor() const { return m_buttonBorderColor; }
    void SetButtonBorderColor(TColor Value);
    TColor GetButtonDownColor() const { return m_buttonDownColor; }
    void SetButtonDownColor(TColor Value);
    // Skinned push buttons put on the bar show what lies under it, as its own buttons do.
    bool ButtonsShowBackdrop() const override { return true; }

    // The bar's background: the parent's image behind a transparent bar.
    void DrawBar(TToolBar* Sender, const TRect& ARect, bool& DefaultDraw);
    // One button: the skin's face for hot, pressed and checked buttons, else the platform's.
    void DrawButton(TToolBar* Sender, TToolButton* Button, TCustomDrawState State,
                    bool& DefaultDraw);
    void DrawHotButton(TCanvas* Canvas, const TRect& R, TImageList* Images, int ImageIndex,
                       const std::string& Caption, bool DropDown);
    void DrawDownButton(TCanvas* Canvas, const TRect& R, TImageList* Images, int ImageIndex,
                        const std::string& Caption, bool DropDown);

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    void DrawFace(TCanvas* Canvas, const TRect& R, TImageList* Images, int ImageIndex,
                  const std::string& Caption, bool DropDown, bool Down);
    static void DrawDropDownArrow(TCanvas* Canvas, const TRect& R);

    TskUIStyle m_uiStyle = DeepBlue;
    TskFileTheme* m_fileTheme = nullptr;
    TColor m_buttonColor = clBtnFace;
    TColor m_buttonBorderColor = clBlack;
    TColor m_buttonDownColor = clBtnFace;
};

// Makes TskToolBar known to the form reader.
void RegisterSKToolBarClasses();
