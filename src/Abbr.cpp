#include "src/Abbr.h"

#include <cstring>

#include "common/misc/CxAssert.h"
#include "platform/vcl/core/ClassBuilder.h"

const TClassInfo& TfmAbbr::StaticClassInfo() {
    static const TClassInfo info = TClassBuilder<TfmAbbr>("TfmAbbr")
                                       .Field("skForm1", &TfmAbbr::skForm1)
                                       .Field("Label1", &TfmAbbr::Label1)
                                       .Field("Label2", &TfmAbbr::Label2)
                                       .Field("Label3", &TfmAbbr::Label3)
                                       .Field("Label4", &TfmAbbr::Label4)
                                       .Field("edtTitle", &TfmAbbr::edtTitle)
                                       .Field("edtInfo", &TfmAbbr::edtInfo)
                                       .Field("edtSample", &TfmAbbr::edtSample)
                                       .Field("chkCommand", &TfmAbbr::chkCommand)
                                       .Field("chkKeyword", &TfmAbbr::chkKeyword)
                                       .Field("btnOK", &TfmAbbr::btnOK)
                                       .Field("btnCancel", &TfmAbbr::btnCancel)
                                       .Method("FormCreate", &TfmAbbr::FormCreate)
                                       .Method("btnOKClick", &TfmAbbr::btnOKClick)
                                       .Build();
    return info;
}

void TfmAbbr::FormCreate(TObject*) {
    m_pInfo = nullptr;
    // What the user types stops where the record's field does, so what is seen is saved.
    edtTitle->SetMaxLength(static_cast<int>(AbbrTitleMax));
    edtInfo->SetMaxLength(static_cast<int>(AbbrTextMax));
    edtSample->SetMaxLength(static_cast<int>(AbbrTextMax));
    // Titles, and the commands the samples show, are ASCII whatever the user's language:
    // "i" is always "I".
    edtTitle->SetCaseRule(TCaseRule::Invariant);
    edtSample->SetCaseRule(TCaseRule::Invariant);
}

AbbrInfo* TfmAbbr::NewInfo() {
    m_pInfo = new AbbrInfo;
    std::memset(m_pInfo, 0, sizeof(AbbrInfo));
    TransferInfo(false);
    return m_pInfo;
}

void TfmAbbr::SetInfo(AbbrInfo* pInfo) {
    m_pInfo = pInfo;
    TransferInfo(false);
}

bool TfmAbbr::TransferInfo(bool bSave) {
    CX_ASSERT(m_pInfo);
    if (!bSave) {
        edtTitle->SetText(FieldText(m_pInfo->szTitle));
        edtInfo->SetText(FieldText(m_pInfo->szInfo));
        edtSample->SetText(FieldText(m_pInfo->szSample));
        if (m_pInfo->nFlag & AbbrFlagCommand) chkCommand->SetChecked(true);
        if (m_pInfo->nFlag & AbbrFlagKeyword) chkKeyword->SetChecked(true);
        m_shown = {edtTitle->GetText(), edtInfo->GetText(), edtSample->GetText(),
                   chkCommand->GetChecked(), chkKeyword->GetChecked()};
        return true;
    }
    // Only what the user changed is written: the reserved fields, the flag bits the dialog
    // does not show and a field shown in another case than it is stored stay as they are.
    if (edtTitle->GetText() != m_shown.szTitle)
        CopyField(m_pInfo->szTitle, sizeof m_pInfo->szTitle, edtTitle->GetText());
    if (edtInfo->GetText() != m_shown.szInfo)
        CopyField(m_pInfo->szInfo, sizeof m_pInfo->szInfo, edtInfo->GetText());
    if (edtSample->GetText() != m_shown.szSample)
        CopyField(m_pInfo->szSample, sizeof m_pInfo->szSample, edtSample->GetText());
    if (chkCommand->GetChecked() != m_shown.bCommand) m_pInfo->nFlag ^= AbbrFlagCommand;
    if (chkKeyword->GetChecked() != m_shown.bKeyword) m_pInfo->nFlag ^= AbbrFlagKeyword;
    return true;
}

void TfmAbbr::btnOKClick(TObject*) {
    if (TransferInfo(true)) SetModalResult(mrOk);
}

void TfmAbbr::CopyField(char* szField, std::size_t nWidth, const std::string& szText) {
    std::size_t n = std::min(szText.size(), nWidth - 1);
    // Back up over continuation bytes so that a character cut in two is dropped whole.
    if (n < szText.size())
        while (n > 0 && (static_cast<unsigned char>(szText[n]) & 0xC0) == 0x80) --n;
    std::memset(szField, 0, nWidth);
    std::memcpy(szField, szText.data(), n);
}
