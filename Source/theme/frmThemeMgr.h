#pragma once
// TfrmMgr: the small dialog that edits which components of its form a theme manager
// reaches, and EditThemeManager, which opens it for one manager.
#include <string>
#include <vector>

#include "platform/vcl/stdctrls/Button.h"
#include "platform/vcl/stdctrls/CheckListBox.h"
#include "platform/vcl/controls/Form.h"

class TskThemeManager;

class TfrmMgr : public TForm {
    QV_DECLARE_CLASS(TfrmMgr, TForm)

    explicit TfrmMgr(TComponent* AOwner);

    // Reads the embedded description "frmThemeMgr", then runs OnCreate.
    void AfterConstruction() override;

    // Lists the components of Owner that a theme manager can reach, in component order,
    // each checked when its name is in Names.
    void LoadComponents(const TComponent* Owner, const TStrings* Names);
    // The names of the checked entries, in list order.
    std::vector<std::string> CheckedNames() const;

    TCheckListBox* List = nullptr;
    TButton* btn_sel = nullptr;
    TButton* btn_unsel = nullptr;
    TButton* btn_ok = nullptr;

    void btn_selClick(TObject* Sender);
    void btn_unselClick(TObject* Sender);

private:
    void CheckAll(bool Checked);
};

// Whether a theme manager can reach the component: its class name begins with "Tsk", it
// publishes UIStyle and FileTheme, and it is not a theme manager itself.
bool IsThemeableComponent(const TComponent* Component);

// Opens TfrmMgr modally for the manager, when its owner is a form or a frame, and on OK
// makes the manager's CompList the checked names in list order. UpdateAll follows however
// the dialog was closed. Returns whether the dialog was shown and closed with OK.
bool EditThemeManager(TskThemeManager* Manager);
