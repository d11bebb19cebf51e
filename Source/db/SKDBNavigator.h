#pragma once
// TskDBNavigator: a row of ten skinned push buttons that move through, edit and save the
// records of the dataset behind a data source (first, prior, next, last, insert, delete,
// edit, post, cancel, refresh). The buttons follow the dataset's state through a private
// data link; Prior and Next repeat while held.
#include <memory>
#include <string>

#include "Source/buttons/SKButton.h"
#include "Source/buttons/SKCustomButton.h"
#include "platform/db/DataLink.h"
#include "platform/db/controls/NavigateBtn.h"
#include "platform/vcl/core/StringList.h"
#include "platform/vcl/stdctrls/CustomPanel.h"

class TDataSource;
class TTimer;
class TskDBNavigator;

// The navigator's link: it tells the navigator when the dataset moves, starts or stops
// editing, opens or closes.
class TskNavDataLink : public TDataLink {
public:
    explicit TskNavDataLink(TskDBNavigator* Navigator);
    ~TskNavDataLink() override;

protected:
    void EditingChanged() override;
    void DataSetChanged() override;
    void ActiveChanged() override;

private:
    TskDBNavigator* m_navigator;
};

// What a navigator button allows beyond a push button: only repeating while held.
enum TskNavButtonStyle : unsigned { nsAllowTimer = 1u << 0 };
using TskNavButtonStyles = unsigned;

// One button of the navigator: a glyph without caption, no tab stop of its own, a focus
// mark when the navigator has the focus and this is its focused button, and for Prior and
// Next a repeat that starts after 400 ms and then runs every 100 ms.
class TskNavButton : public TskButton {
    QV_DECLARE_CLASS(TskNavButton, TskButton)

    explicit TskNavButton(TComponent* AOwner);
    ~TskNavButton() override;

    TNavigateBtn GetIndex() const { return m_index; }
    void SetIndex(TNavigateBtn Value) { m_index = Value; }
    TskNavButtonStyles GetNavStyle() const { return m_navStyle; }
    void SetNavStyle(TskNavButtonStyles Value) { m_navStyle = Value; }
    // Whether the navigator's repeat is running for this button.
    bool NavRepeating() const;

protected:
    void Paint() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;

private:
    void TimerExpired(TObject* Sender);
    void StopRepeat();

    TNavigateBtn m_index = nbFirst;
    TskNavButtonStyles m_navStyle = 0;
    std::unique_ptr<TTimer> m_repeatTimer;
};

class TskDBNavigator : public TCustomPanel, public IskButtonContainer {
    QV_DECLARE_CLASS(TskDBNavigator, TCustomPanel)

    explicit TskDBNavigator(TComponent* AOwner);
    ~TskDBNavigator() override;

    TskFileTheme* GetFileTheme() const { return m_fileTheme; }
    void SetFileTheme(TskFileTheme* Value);
    TskUIStyle GetUIStyle() const { return m_uiStyle; }
    // Stores the style and passes it, with the file theme, to every button.
    void SetUIStyle(TskUIStyle Value);
    TDataSource* GetDataSource() const;
    void SetDataSource(TDataSource* Value);
    TButtonSet GetVisibleButtons() const { return m_visibleButtons; }
    // Shows and hides buttons; the visible ones share the navigator's width.
    // (Named apart from TControl::SetVisible, which shows and hides the whole navigator.)
    void SetVisibleButtons(TButtonSet Value);
    TStrings* GetHints();
    void SetHints(const TStrings* Value);
    bool GetConfirmDelete() const { return m_confirmDelete; }
    void SetConfirmDelete(bool Value) { m_confirmDelete = Value; }
    TCursor GetCursor() const { return TCustomPanel::GetCursor(); }
    // Sets the navigator's cursor and every button's.
    void SetCursor(TCursor Value);

    // The action of one button, as a click on it runs it.
    void BtnClick(TNavigateBtn Index);
    TskNavButton* Buttons(TNavigateBtn Index) const { return m_buttons[Index]; }
    TNavigateBtn FocusedButton() const { return m_focusedButton; }
    int ButtonWidth() const { return m_buttonWidth; }

    // The width and height the navigator needs for its visible buttons, from at least W, H.
    void CalcMinSize(int& W, int& H);
    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
    void GetChildren(const std::function<void(TComponent*)>& Proc, TComponent* Root) override;
    bool ButtonsShowBackdrop() const override { return true; }

    // Called by the data link.
    void DataChanged();
    void EditingChanged();
    void ActiveChanged();

    ENavClick BeforeAction;
    ENavClick OnClick;

protected:
    void Loaded() override;
    void Notification(TComponent* AComponent, TOperation Operation) override;
    void KeyDown(WORD& Key, TShiftState Shift) override;
    void WndProc(TMessage& Message) override;
    void WMSize(TMessage& Message) override;
    void WMSetFocus(TMessage& Message) override;
    void WMKillFocus(TMessage& Message) override;
    void CMEnabledChanged(TMessage& Message) override;

private:
    friend class TskNavButton;

    void InitButtons();
    void InitHints();
    void SetSize(int& W, int& H);
    int VisibleCount() const;
    void ClickHandler(TObject* Sender);
    void BtnMouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    void MoveFocus(TNavigateBtn To);

    std::unique_ptr<TskNavDataLink> m_dataLink;
    TskNavButton* m_buttons[nbRefresh + 1] = {};
    TButtonSet m_visibleButtons = kAllNavigateButtons;
    TskUIStyle m_uiStyle = DeepBlue;
    TskFileTheme* m_fileTheme = nullptr;
    int m_minButtonWidth = 20;
    int m_minButtonHeight = 18;
    int m_buttonWidth = 0;
    TNavigateBtn m_focusedButton = nbFirst;
    TStringList m_hints;
    std::unique_ptr<TStringList> m_defaultHints;
    bool m_confirmDelete = true;
};

// Makes TskDBNavigator known to the form reader.
void RegisterSKDBNavigatorClasses();
