#pragma once
// TskForm: a panel placed on a form that turns the form into a skinned window. It removes
// the platform caption, paints the 3-pixel frame band, shapes the window with optional
// round top corners, puts a TskTitleBar on top as the caption, keeps a maximised form on
// the work area and, on the first skinned form, offers the window menu on Alt+Space.
#include <memory>
#include <string>

#include "platform/gfx/Geometry.h"
#include "platform/vcl/controls/ControlTypes.h"
#include "platform/vcl/controls/Form.h"
#include "platform/vcl/graphics/Bitmap.h"
#include "platform/vcl/stdctrls/CustomPanel.h"
#include "platform/win/WinDefs.h"

#include "Source/frame/SKTitleBar.h"

class TCanvas;
class TCustomForm;
class TMainMenu;
class TToolBar;
class TToolButton;
class TskFileTheme;
class TskMenuBar;

class TskForm : public TCustomPanel {
    QV_DECLARE_CLASS(TskForm, TCustomPanel)

    explicit TskForm(TComponent* AOwner);
    ~TskForm() override;

    bool GetTitleBarCustom() const;
    void SetTitleBarCustom(bool Value);
    TskFileTheme* GetFileTheme() const { return m_fileTheme; }
    void SetFileTheme(TskFileTheme* Value);
    TskUIStyle GetUIStyle() const { return m_uiStyle; }
    void SetUIStyle(TskUIStyle Value);
    bool GetUIStyleAutoUpdateSub() const { return m_uiStyleAutoUpdateSub; }
    void SetUIStyleAutoUpdateSub(bool Value) { m_uiStyleAutoUpdateSub = Value; }
    TColor GetBorderColor() const { return m_borderColor; }
    void SetBorderColor(TColor Value);
    // The outer border's width; not the platform's client-edge border.
    int GetBorderWidth2() const { return m_borderWidth; }
    void SetBorderWidth2(int Value);
    bool GetTitleBarVisible() const;
    void SetTitleBarVisible(bool Value);
    // The caption is the title bar's; writing also sets the form's.
    std::string GetText() const override;
    void SetText(const std::string& Value) override;
    TCustomPanel* GetFormPanel() const { return m_formPanel; }
    void SetPanel(TCustomPanel* Value);
    TskTitleBarButtons* GetButtons() const;
    void SetButtons(const TskTitleBarButtons* Value);
    TskTitleBarSections* GetSections() const;
    void SetSections(const TskTitleBarSections* Value);
    bool GetDrawAppIcon() const;
    void SetDrawAppIcon(bool Value);
    TFont* GetTitleFont();
    TMainMenu* GetMenu() const { return m_menu; }
    void SetMenu(TMainMenu* Value);
    TColor GetMenuBarColor() const { return m_menuBarColor; }
    void SetMenuBarColor(TColor Value);
    int GetMenuBarHeight() const { return m_menuBarHeight; }
    void SetMenuBarHeight(int Value);
    int GetRoundCorner() const;
    void SetRoundCorner(int Value);
    std::string GetVersion() const { return "5.4"; }
    void SetVersion(const std::string&) {}
    TskTitleBarButtonClickEvent& OnTitleBarCustomBtnsClick();
    TskTitleBarButtonClickEvent& OnTitleBarHelpBtnClick();

    TskTitleBar* TitleBar() const { return m_titleBar; }
    TCustomForm* OwnerForm() const { return m_ownerForm; }
    int GetTitleBarHeight() const;
    bool GetMDIChild() const;
    // The menu bar under the title bar; it exists exactly while a menu is assigned (never
    // on an MDI child form).
    TskMenuBar* MenuBar() const { return m_menuBar; }
    void CreateMenuBar();
    void DestroyMenuBar();
    // Rebuilds the bar's buttons from the menu's top-level items.
    void UpdateMenu();
    // Copies the top-level items' captions and enabled states to their buttons.
    void UpdateTopMenu();
    // Takes the menu's font again and repaints the bar.
    void RepaintMenuBar();
    // The custom drawing of the bar's background and of each of its buttons.
    void DrawMenuBar(TToolBar* Sender, const TRect& ARect, bool& DefaultDraw);
    void DrawButton(TToolBar* Sender, TToolButton* Button, unsigned State, bool& DefaultDraw);
    // Clears the caption bits again when something brought them back.
    void ReAssign();
    void PaintFormBorder();
    void RegionWindow();
    // Sets the message result to 1 when the menu performed the key as a shortcut.
    void ProcessKeyPress(TMessage& Message);
    void NewParentWndProc(TMessage& Message);
    void OnApplicationMessage(MSG& Msg, bool& Handled);
    // Whether this frame holds the application's message hook.
    bool HooksApplication() const { return m_hookedAppMessage; }
    // Whether the contents are shifted up over a maximised MDI child's hidden title bar.
    bool ContentShifted() const { return m_contentShifted; }

protected:
    void Paint() override;
    void Resize() override;
    void Notification(TComponent* AComponent, TOperation Operation) override;
    void WndProc(TMessage& Message) override;

private:
    void TakeOver();
    // Gives the form back its window procedure, caption and the application hook.
    void Detach();
    bool ClearCaptionBits();
    void SizeChanged();
    void ShiftContents(int Dy);
    // Alt alone (Key 0) or an Alt+letter no control took: the menu bar's keyboard.
    void MenuKey(char Key);
    // Shown at design time when a plain main menu is dropped on the form.
    void RecommendSkinnedMenu();
    // The style and file theme the bar is drawn in: the skinned main menu's, else ours.
    TskUIStyle MenuStyle(TskFileTheme*& FileTheme) const;
    void PaintMenuBarEdges(TCanvas& Canvas, int W, int BW);
    TWindowState FormState() const;
    // True once the owner form's destructor began: its form part goes before its children,
    // this among them, and only its windowed-control part may be used then.
    bool OwnerFormGoing() const;
    // The background pattern of the style, read from its resource the first time it shows.
    TBitmap* BackgroundPattern(const char* ResourceName);

    TskTitleBar* m_titleBar = nullptr;
    TMainMenu* m_menu = nullptr;
    TskMenuBar* m_menuBar = nullptr;
    TWndMethod m_savedWndProc;
    TCustomForm* m_ownerForm = nullptr;
    TColor m_borderColor = 0;
    TCustomPanel* m_formPanel = nullptr;
    int m_borderWidth = 0;
    TskUIStyle m_uiStyle = DeepBlue;
    TskFileTheme* m_fileTheme = nullptr;
    TColor m_menuBarColor = 0;
    int m_menuBarHeight = 22;
    bool m_hookedAppMessage = false;
    bool m_uiStyleAutoUpdateSub = false;
    bool m_closing = false;
    bool m_detached = false;
    TRect m_normalBounds;
    bool m_startMaximized = false;
    // Per form, not per process: one maximised MDI child must not mislead the next.
    bool m_contentShifted = false;
    std::unique_ptr<TBitmap> m_backgroundPattern;
    std::string m_backgroundPatternName;
};
