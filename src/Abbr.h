#pragma once
// TfmAbbr: the entry dialog. It shows one abbreviation record in its controls and, on OK,
// writes the controls back into it; it validates nothing and never owns the record.
#include <cstddef>
#include <string>

#include "Source/buttons/SKButton.h"
#include "Source/buttons/SKCheckBox.h"
#include "Source/edits/SKEdit.h"
#include "Source/frame/SKForm.h"
#include "platform/vcl/controls/Form.h"
#include "platform/vcl/stdctrls/Label.h"
#include "src/AbbrInfo.h"

class TfmAbbr : public TForm {
    QV_DECLARE_CLASS(TfmAbbr, TForm)

    explicit TfmAbbr(TComponent* AOwner) : TForm(AOwner) {}

    TskForm* skForm1 = nullptr;
    TLabel* Label1 = nullptr;
    TLabel* Label2 = nullptr;
    TLabel* Label3 = nullptr;
    TLabel* Label4 = nullptr;
    TskEdit* edtTitle = nullptr;
    TskEdit* edtInfo = nullptr;
    TskEdit* edtSample = nullptr;
    TskCheckBox* chkCommand = nullptr;
    TskCheckBox* chkKeyword = nullptr;
    TskButton* btnOK = nullptr;
    TskButton* btnCancel = nullptr;

    AbbrInfo* m_pInfo = nullptr;

    void FormCreate(TObject* Sender);
    void btnOKClick(TObject* Sender);

    // A new zero-filled record, bound and shown; the caller owns it.
    AbbrInfo* NewInfo();
    // Binds a record that someone else owns, to be changed in place on OK.
    void SetInfo(AbbrInfo* pInfo);
    // Record to controls (bSave false) or controls to record (bSave true).
    bool TransferInfo(bool bSave);

    // Copies at most nWidth - 1 bytes of szText into szField and NUL-fills the rest; the cut
    // never splits a UTF-8 character.
    static void CopyField(char* szField, std::size_t nWidth, const std::string& szText);

private:
    // What TransferInfo(false) showed, to tell what the user changed.
    struct Shown {
        std::string szTitle, szInfo, szSample;
        bool bCommand = false, bKeyword = false;
    };
    Shown m_shown;
};
