#pragma once
// TskMDIForm: a component placed on an MDI frame form (FormStyle fsMDIForm) that skins it
// as TskForm skins an ordinary form: the caption goes, a title bar and a menu bar stand
// at the top, the frame band is painted and the window shaped. It watches the frame's MDI
// client: the menu bar shows the active child's menu, the title bar the frame's caption
// with the maximised child's, and while a child is maximised that child's minimise,
// restore and close buttons stand at the right end of the menu bar.
#include <string>

#include "platform/vcl/controls/ControlTypes.h"
#include "platform/vcl/core/Component.h"
#include "platform/win/WinDefs.h"

#include "Source/frame/SKTitleBar.h"

class TCustomForm;
class TMainMenu;
class TPanel;
class TToolBar;
class TToolButton;
class TskFileTheme;
class TskForm;
class TskToolBarSpeedButton;

class TskMDIForm : public TComponent {
    QV_DECLARE_CLASS(TskMDIForm, TComponent)

    explicit TskMDIForm(TComponent* AOwner);
    ~TskMDIForm() override;

    TskUIStyle GetUIStyle() const { return m_uiStyle; }
    void SetUIStyle(TskUIStyle Value);
    TskFileTheme* GetFileTheme() const { return m_fileTheme; }
    void SetFileTheme(TskFileTheme* Value);
    TMainMenu* GetMenu() const { return m_menu; }
    void SetMenu(TMainMenu* Value);
    TColor GetMenuBarColor() const { return m_menuBarColor; }
    void SetMenuBarColor(TColor Value);
    TColor GetBorderColor() const { return m_borderColor; }
    void SetBorderColor(TColor Value);
    std::string GetCaption() const;
    void SetCaption(const std::string& Value);
    bool GetTitleBarDrawAppIcon() const;
    void SetTitleBarDrawAppIcon(bool Value);
    bool GetTitleBarCustom() const;
    void SetTitleBarCustom(bool Value);
    bool GetTitleBarVisible() const;
    void SetTitleBarVisible(bool Value);
    TskTitleBarButtons* GetTitleBarButtons() const;
    void SetTitleBarButtons(const TskTitleBarButtons* Value);
    TskTitleBarSections* GetTitleBarSections() const;
    void SetTitleBarSections(const TskTitleBarSections* Value);
    bool GetTitleBarDrawChildCaptions() const { return m_drawChildCaptions; }
    void SetTitleBarDrawChildCaptions(bool Value) { m_drawChildCaptions = Value; }
    bool GetTitleBarDrawChildMenus() const { return m_drawChildMenus; }
    void SetTitleBarDrawChildMenus(bool Value);
    int GetRoundCorner() const { return m_roundCorner; }
    void SetRoundCorner(int Value);

    // Arrangements of the children that replace the client's own.
    void Tile();
    void Cascade();
    // The skinned frame of the active child, or null.
    TskForm* GetActiveChildSKForm() const;
    // The menu the bar shows: the active child's when there is one and it has a menu.
    TMainMenu* GetMainMenu() const;
    void UpdateMenu();
    void ShowMenuBar();
    void HideMenuBar();
    void ShowControlButtons();
    void HideControlButtons();
    void CreateMenuBar();
    void DestroyMenuBar();
    void PaintBorder();
    void RegionWindow();
    void ProcessKeyPress(TMessage& Message);
    int GetTitleBarHeight() const;
    void OnControlButtonClick(TObject* Sender);
    void OnApplicationMessage(MSG& Msg, bool& Handled);

    TskTitleBar* TitleBar() const { return m_titleBar; }
    TPanel* MenuPanel() const { return m_menuPanel; }
    TToolBar* MenuBar() const { return m_menuBar; }
    TMainMenu* ShownMenu() const { return m_shownMenu; }
    // The control buttons: 0 close, 1 restore, 2 minimise.
    TskToolBarSpeedButton* ControlButton(int Index) const;
    bool HooksApplication() const { return m_hookedAppMessage; }

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    // True once the form's destructor began: its form part goes before its children, this
    // among them, and only its windowed-control part may be used then.
    bool FormGoing() const;
    void NewParentWndProc(TMessage& Message);
    LRESULT NewClientWndProc(HWND hwnd, UINT Msg, WPARAM wParam, LPARAM lParam);
    // Gives the form back its window procedure, caption and the application hook, and the
    // client its own procedure.
    void Detach();
    void SyncCaption();
    void SyncControlButtons();
    void PlaceControlButtons();
    void SizeChanged();
    void DrawButton(TToolBar* Sender, TToolButton* Button, unsigned State, bool& DefaultDraw);
    void DrawMenuBar(TToolBar* Sender, const TRect& ARect, bool& DefaultDraw);

    TCustomForm* m_form = nullptr;
    TWndMethod m_savedWndProc;
    HWND m_client = nullptr;
    WNDPROC m_savedClientProc = nullptr;
    WNDPROC m_clientInstance = nullptr;
    TPanel* m_menuPanel = nullptr;
    TskTitleBar* m_titleBar = nullptr;
    TToolBar* m_menuBar = nullptr;
    bool m_hookedAppMessage = false;
    TskToolBarSpeedButton* m_closeButton = nullptr;
    TskToolBarSpeedButton* m_restoreButton = nullptr;
    TskToolBarSpeedButton* m_minimiseButton = nullptr;
    bool m_drawChildCaptions = true;
    bool m_drawChildMenus = true;
    bool m_closing = false;
    bool m_detached = false;
    TMainMenu* m_menu = nullptr;
    TMainMenu* m_shownMenu = nullptr;
    TskUIStyle m_uiStyle = DeepBlue;
    TskFileTheme* m_fileTheme = nullptr;
    TColor m_menuBarColor = 0;
    TColor m_borderColor = 0;
    int m_borderWidth = 0;
    int m_roundCorner = 0;
};
