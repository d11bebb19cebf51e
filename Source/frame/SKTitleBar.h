#pragma once
// TskTitleBar: a skinned window caption. Three title pictures, caption buttons from the
// style's strip, an optional application icon and the caption text, composed off-screen;
// it moves its form when dragged, maximises or restores it on a double-click and offers a
// small window menu.
#include <memory>
#include <string>

#include "platform/vcl/graphics/Bitmap.h"
#include "platform/vcl/stdctrls/CustomPanel.h"

#include "Source/frame/SKPopupMenu.h"
#include "Source/frame/SKTitleBarItems.h"

class TCustomForm;
class TskFileTheme;
class TskTitleBar;

// The window menu: minimise, maximise/restore and close, each enabled only while the bar
// has a visible button of that kind.
class TskTitleBarPopupMenu : public TskPopupMenu {
    QV_DECLARE_CLASS(TskTitleBarPopupMenu, TskPopupMenu)

    TskTitleBarPopupMenu(TComponent* AOwner, TskTitleBar* TitleBar);
    explicit TskTitleBarPopupMenu(TComponent* AOwner) : TskTitleBarPopupMenu(AOwner, nullptr) {}
    ~TskTitleBarPopupMenu() override;

    TskTitleBar* TitleBar() const { return m_titleBar; }
    // Screen coordinates.
    void Popup(int X, int Y) override;

    void OnMin(TObject* Sender);
    void OnMax(TObject* Sender);
    void OnClose(TObject* Sender);

private:
    TskTitleBar* m_titleBar;
};

class TskTitleBar : public TCustomPanel {
    QV_DECLARE_CLASS(TskTitleBar, TCustomPanel)

    explicit TskTitleBar(TComponent* AOwner);
    ~TskTitleBar() override;

    bool GetCustom() const { return m_custom; }
    void SetCustom(bool Value) { m_custom = Value; }
    TskFileTheme* GetFileTheme() const { return m_fileTheme; }
    void SetFileTheme(TskFileTheme* Value);
    TskUIStyle GetUIStyle() const { return m_uiStyle; }
    void SetUIStyle(TskUIStyle Value);
    bool GetAutoSize2() const { return m_autoSize; }
    void SetAutoSize2(bool Value);
    TskTitleBarSections* GetSections() const { return m_sections.get(); }
    void SetSections(const TskTitleBarSections* Value) { m_sections->Assign(Value); }
    TskTitleBarButtons* GetButtons() const { return m_buttons.get(); }
    void SetButtons(const TskTitleBarButtons* Value) { m_buttons->Assign(Value); }
    int GetButtonInterval() const { return m_buttonInterval; }
    void SetButtonInterval(int Value);
    bool GetActive() const { return m_formActive; }
    void SetActive(bool Value);
    int GetLeftBtnXOffset() const { return m_leftBtnXOffset; }
    void SetLeftBtnXOffset(int Value);
    int GetRightBtnXOffset() const { return m_rightBtnXOffset; }
    void SetRightBtnXOffset(int Value);
    bool GetDrawAppIcon() const { return m_drawAppIcon; }
    void SetDrawAppIcon(bool Value);
    int GetRoundCorner() const { return m_roundCorner; }
    void SetRoundCorner(int Value) { m_roundCorner = Value; }

    void UpdateInsideTheme(TskUIStyle Style);
    void UpdateFileTheme();
    void ProcessMaxBtn();
    // Three sections, each with a picture object: the skinned form then paints the frame's
    // top from them.
    bool CanPaint() const;
    TBitmap* GetLeftImage() const;
    TBitmap* GetRightImage() const;
    TBitmap* GetCenterImage() const;
    // Inside a skinned form (or an MDI skinned form), whose frame band holds the pictures'
    // top three rows.
    bool InForm() const;
    bool InMDIForm() const;
    // The form the bar is on, or null.
    TCustomForm* Form();
    TskTitleBarPopupMenu* WindowMenu() const { return m_titleBarMenu; }
    // The button under the pointer at the last paint, -1 for none.
    int HoverIndex() const { return m_hoverIndex; }
    // The top of the caption buttons.
    int ButtonRowTop() const { return m_buttonRowTop; }

    virtual void DrawSectionsTo(TBitmap* Bitmap);
    virtual void DrawButtons(TBitmap* Bitmap);

    TskTitleBarButtonClickEvent OnCustomBtnsClick;
    TskTitleBarButtonClickEvent OnHelpBtnClick;

protected:
    void Paint() override;
    void Notification(TComponent* AComponent, TOperation Operation) override;
    void DblClick() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void CMMouseLeave(TMessage& Message) override;
    void CMFontChanged(TMessage& Message) override;
    void WndProc(TMessage& Message) override;

private:
    friend class TskTitleBarButton;
    TskTitleBarSection* AddSection(TBitmap* Picture, TskTitleBarAlign Align, bool AutoSize);
    void ApplyStyle(bool FileTheme, TskUIStyle Effective);
    TBitmap* SectionImage(int Index) const;
    TPicture* ButtonPicture(TskTitleBarButton* Button, bool Hover);
    void DrawCaption(TCanvas* Canvas, int Left, int Right);
    TBitmap* AppIcon();
    // A stale index (a handler changed the buttons) means no button.
    TskTitleBarButton* ButtonAt(int Index) const;

    TskFileTheme* m_fileTheme = nullptr;
    TskUIStyle m_uiStyle = DeepBlue;
    bool m_autoSize = false;
    std::unique_ptr<TskTitleBarSections> m_sections;
    std::unique_ptr<TskTitleBarButtons> m_buttons;
    int m_buttonInterval = 0;
    bool m_formActive = true;
    int m_leftBtnXOffset = 0;
    int m_rightBtnXOffset = 0;
    bool m_drawAppIcon = false;
    int m_roundCorner = 0;
    bool m_settingFileTheme = false;
    TskTitleBarPopupMenu* m_titleBarMenu = nullptr;
    bool m_custom = false;
    bool m_mouseIsDown = false;
    int m_hoverIndex = -1;
    int m_buttonImageHeight = 0;
    int m_buttonRowTop = 0;
    std::unique_ptr<TBitmap> m_appIcon;  // the application's icon at 16 x 16, made once
};
