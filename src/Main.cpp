#include "src/Main.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <memory>

#include "common/misc/CxAssert.h"
#include "common/misc/WinUtil.h"
#include "platform/vcl/controls/Application.h"
#include "platform/vcl/core/ClassBuilder.h"
#include "platform/vcl/dialogs/MessageDlg.h"
#include "src/Abbr.h"
#include "src/AbbrData.h"
#include "src/AbbrStore.h"

const TClassInfo& TfmMain::StaticClassInfo() {
    static const TClassInfo info = TClassBuilder<TfmMain>("TfmMain")
                                       .Field("sfMain", &TfmMain::sfMain)
                                       .Field("imgTop", &TfmMain::imgTop)
                                       .Field("Label1", &TfmMain::Label1)
                                       .Field("btnFind", &TfmMain::btnFind)
                                       .Field("lvData", &TfmMain::lvData)
                                       .Field("rbtnAll", &TfmMain::rbtnAll)
                                       .Field("rbtnCommand", &TfmMain::rbtnCommand)
                                       .Field("rbtnKeyword", &TfmMain::rbtnKeyword)
                                       .Field("Label2", &TfmMain::Label2)
                                       .Field("edtAbbr", &TfmMain::edtAbbr)
                                       .Field("btnAdd", &TfmMain::btnAdd)
                                       .Field("btnSave", &TfmMain::btnSave)
                                       .Field("lblSum", &TfmMain::lblSum)
                                       .Field("pmInfo", &TfmMain::pmInfo)
                                       .Field("miDel", &TfmMain::miDel)
                                       .Field("skURLLabel1", &TfmMain::skURLLabel1)
                                       .Method("edtAbbrChange", &TfmMain::edtAbbrChange)
                                       .Method("FormCreate", &TfmMain::FormCreate)
                                       .Method("FormDestroy", &TfmMain::FormDestroy)
                                       .Method("btnAddClick", &TfmMain::btnAddClick)
                                       .Method("btnSaveClick", &TfmMain::btnSaveClick)
                                       .Method("lvDataDblClick", &TfmMain::lvDataDblClick)
                                       .Method("miDelClick", &TfmMain::miDelClick)
                                       .Method("rbtnAllClick", &TfmMain::rbtnAllClick)
                                       .Method("rbtnCommandClick", &TfmMain::rbtnCommandClick)
                                       .Method("rbtnKeywordClick", &TfmMain::rbtnKeywordClick)
                                       .Method("btnFindClick", &TfmMain::btnFindClick)
                                       .Build();
    return info;
}

TfmMain::TfmMain(TComponent* AOwner) : TForm(AOwner) {
    std::string szDirectory;
    if (GetModuleDirectory(nullptr, &szDirectory))
        SetDataLocation(DataFileLocation::Find(szDirectory));
    else
        SetDataLocation(DataFileLocation::Beside(AbbrData::DataFileName));
}

void TfmMain::SetDataPath(const std::string& szPath) {
    SetDataLocation(DataFileLocation::Beside(szPath));
}

void TfmMain::SetDataLocation(const DataFileLocation& location) {
    m_location = location;
    m_szDataPath = location.szRead;
}

TfmMain::~TfmMain() {
    // OnDestroy frees the records; it runs here, while this part of the object still exists.
    if (OnDestroy) {
        TNotifyEvent onDestroy = OnDestroy;
        OnDestroy = nullptr;
        onDestroy(this);
    }
    FreeData();
}

void TfmMain::FormCreate(TObject*) {
    // Abbreviations are ASCII whatever the user's language: "i" is always "I".
    edtAbbr->SetCaseRule(TCaseRule::Invariant);
    InitData();
    LoadData();
    FillList();
}

void TfmMain::FormDestroy(TObject*) {
    FreeData();
}

void TfmMain::InitData() {
    m_pList = new CxList;
    m_pFile = new CxFile;
}

void TfmMain::FreeData() {
    if (m_pList) {
        ClearData();
        delete m_pList;
        m_pList = nullptr;
    }
    delete m_pFile;
    m_pFile = nullptr;
}

AbbrInfo* TfmMain::InsertInfo(AbbrInfo* pInfo) {
    CX_ASSERT(pInfo);
    // An edit in place may have left the list out of title order, and the sorted insertion
    // sees only the records on its way back from the tail: a title elsewhere is looked for
    // here, or a save would write it twice.
    AbbrInfo* pSame = pInfo->szTitle[0] ? FindTitle(pInfo->szTitle, nullptr) : nullptr;
    if (pSame) {
        ShowMessage(AbbrStore::DuplicateMessage(pSame->szTitle), AbbrStore::ErrorCaption);
        return pSame;
    }
    const InsertResult result = AbbrStore(*m_pList).InsertInfo(pInfo);
    if (result.nOutcome != InsertOutcome::Inserted)
        ShowMessage(result.szMessage, AbbrStore::ErrorCaption);
    else
        m_bModified = true;
    return result.pInfo;
}

AbbrInfo* TfmMain::RemoveInfo(AbbrInfo* pInfo) {
    CX_ASSERT(pInfo);
    return AbbrStore(*m_pList).RemoveInfo(pInfo);
}

void TfmMain::ClearData() {
    // The rows point into the records that are about to go.
    if (lvData && !(ComponentState() & csDestroying)) lvData->GetItems()->Clear();
    AbbrStore(*m_pList).ClearData();
}

bool TfmMain::LoadData() {
    ClearData();
    AbbrData::Refusals refusals;
    const AbbrData::ReadResult result = AbbrData(*m_pFile).LoadData(
        m_szDataPath, *m_pList, [&](const InsertResult& refused) { refusals.Add(refused); });
    m_bUnreadable = result.IsUnreadable();
    m_bLoadedDamaged = result.bOpened && (!result.IsWhole() || refusals.Count() > 0);
    m_szBackupPath.clear();
    // Until the first save makes the user's copy, it is the absence of that copy a save
    // expects to find.
    const bool bReadWhatIsSaved = m_szDataPath == SavePath();
    RememberLoaded(bReadWhatIsSaved ? result.stamp : io::FileStamp{});

    std::string szReport =
        m_bUnreadable ? result.UnreadableMessage(m_szDataPath) : result.DamageMessage(m_szDataPath);
    if (refusals.Count() > 0) {
        if (szReport.empty()) szReport = "The data file \"" + m_szDataPath + "\" is damaged.";
        szReport += " " + refusals.Message();
    }
    if (m_bLoadedDamaged && bReadWhatIsSaved) {
        szReport +=
            " The first save keeps this file as \"" + m_szDataPath + AbbrData::BackupSuffix + "\".";
    }
    if (!szReport.empty()) {
        // Also where a log or a terminal keeps it, since the box is gone once answered.
        std::fprintf(stderr, "quorvane: %s\n", szReport.c_str());
        ShowMessage(szReport, AbbrStore::ErrorCaption);
    }
    return result.bOpened;
}

void TfmMain::RememberLoaded(const io::FileStamp& stamp) {
    m_savedStamp = stamp;
    m_loaded = RecordSnapshot::Of(*m_pList);
    // What the file holds is what the window shows: nothing left to save.
    m_bModified = false;
}

bool TfmMain::SaveData() {
    if (m_bUnreadable) {
        ShowMessage("Nothing was saved: the data file could not be read, so \"" + m_szDataPath +
                        "\" is not written over.",
                    AbbrStore::ErrorCaption);
        return false;
    }
    std::string szWhy;
    if (!m_location.PrepareSave(&szWhy)) {
        ShowMessage("The data file \"" + SavePath() + "\" was not saved: " + szWhy + ".",
                    AbbrStore::ErrorCaption);
        return false;
    }
    for (;;) {
        const bool bKeepBackup = m_bLoadedDamaged && m_szDataPath == SavePath();
        const AbbrData::SaveResult result = AbbrData(*m_pFile).SaveData(
            SavePath(), *m_pList, AbbrData::SaveOptions{bKeepBackup, &m_savedStamp});
        if (result.bSaved) {
            // Later saves replace only the file this one wrote; the backup stays as it is.
            m_bLoadedDamaged = false;
            m_szBackupPath = result.szBackupPath;
            m_szDataPath = SavePath();
            RememberLoaded(result.stamp);
            return true;
        }
        if (!result.bChangedByOther) {
            ShowMessage(result.szError, AbbrStore::ErrorCaption);
            return false;
        }
        // The question first, in few words: the box may show no more than its first lines.
        const std::string szQuestion =
            "Another program saved the data file after this window loaded it. Merge its records "
            "with the changes made here, and save? No reloads the file and drops these changes; "
            "Cancel saves nothing.\n\nThe file: \"" +
            SavePath() + "\"";
        const int nAnswer = MessageBox(Handle(), szQuestion.c_str(), ChangedCaption,
                                       MB_YESNOCANCEL | MB_ICONWARNING);
        if (nAnswer == IDNO) {
            m_szDataPath = SavePath();
            LoadData();
            FillList();
            return false;
        }
        if (nAnswer != IDYES || !MergeWithSaved()) return false;
        FillList();
    }
}

bool TfmMain::MergeWithSaved() {
    CxList theirs;
    CxFile file;
    AbbrData::Refusals refusals;
    const AbbrData::ReadResult read = AbbrData(file).LoadData(
        SavePath(), theirs, [&](const InsertResult& refused) { refusals.Add(refused); });
    if (read.IsUnreadable()) {
        ShowMessage(read.UnreadableMessage(SavePath()), AbbrStore::ErrorCaption);
        return false;
    }
    // The rows point into the records the merge replaces.
    lvData->GetItems()->Clear();
    RecordSnapshot theirBase = RecordSnapshot::Of(theirs);
    MergeResult merged;
    // A file the other program removed holds no changes of its own to lay ours over.
    if (read.bOpened) merged = MergeRecords(m_loaded, *m_pList, theirs);
    // What the merge read is now the file a save replaces, and the base of a later merge. A
    // damaged one, or one whose version of a record gave way, is kept as a backup.
    m_savedStamp = read.stamp;
    m_loaded = std::move(theirBase);
    m_szDataPath = SavePath();
    m_bLoadedDamaged =
        (read.bOpened && !read.IsWhole()) || refusals.Count() > 0 || !merged.conflicts.empty();
    if (!merged.conflicts.empty()) {
        std::string szTitles;
        for (std::size_t i = 0; i < merged.conflicts.size() && i < 5; ++i)
            szTitles += (i > 0 ? ", \"" : "\"") + merged.conflicts[i] + "\"";
        if (merged.conflicts.size() > 5) szTitles += ", ...";
        const bool bOne = merged.conflicts.size() == 1;
        ShowMessage(std::to_string(merged.conflicts.size()) +
                        (bOne ? " entry was" : " entries were") +
                        " changed both here and by the other program (" + szTitles +
                        "). The versions made here are kept (an entry deleted here but changed "
                        "there stays); the save keeps the other program's file as \"" +
                        SavePath() + AbbrData::BackupSuffix + "\".",
                    "Information");
    }
    return true;
}

bool TfmMain::IsShown(std::int32_t nFlag) const {
    if (rbtnAll->GetChecked()) return true;
    if (rbtnCommand->GetChecked()) return (nFlag & AbbrFlagCommand) != 0;
    return rbtnKeyword->GetChecked() && (nFlag & AbbrFlagKeyword) != 0;
}

void TfmMain::FillList() {
    // A filter button may be clicked while the form is still being read.
    if (!m_pList) return;
    TListItems* items = lvData->GetItems();
    items->BeginUpdate();
    items->Clear();
    m_bRowsInTitleOrder = true;
    const AbbrInfo* pPrevious = nullptr;
    for (auto* p = static_cast<AbbrInfo*>(m_pList->GetFirst()); p;
         p = static_cast<AbbrInfo*>(m_pList->GetNext())) {
        if (!IsShown(p->nFlag)) continue;
        if (pPrevious && AbbrStore::CompareTitle(pPrevious->szTitle, p->szTitle) > 0)
            m_bRowsInTitleOrder = false;
        pPrevious = p;
        TListItem* item = items->Add();
        item->SetCaption(p->szTitle);
        item->GetSubItems()->Add(p->szInfo);
        item->SetData(p);
    }
    items->EndUpdate();
    m_nFilledRows = items->GetCount();
    lblSum->SetCaption(std::to_string(items->GetCount()) + " abbreviations in total.");
}

int TfmMain::FirstRowNotBelow(int n, const std::string& szText) const {
    TListItems* items = lvData->GetItems();
    const auto nOrder = [&](int i) {
        const auto* p = static_cast<const AbbrInfo*>(items->GetItem(i)->GetData());
        return AbbrStore::CompareTitle(p->szTitle, szText.c_str());
    };
    if (m_bRowsInTitleOrder && n == m_nFilledRows) {
        // Rows in title order: halving finds the same row as the walk, without visiting
        // each of many thousand rows on every keystroke.
        int nLow = 0;
        int nHigh = n;
        while (nLow < nHigh) {
            const int nMiddle = nLow + (nHigh - nLow) / 2;
            if (nOrder(nMiddle) < 0)
                nLow = nMiddle + 1;
            else
                nHigh = nMiddle;
        }
        return nLow;
    }
    for (int i = 0; i < n; ++i)
        if (nOrder(i) >= 0) return i;
    return n;
}

void TfmMain::edtAbbrChange(TObject*) {
    if (!m_pList) return;
    TListItems* items = lvData->GetItems();
    const int n = items->GetCount();
    const std::string szText = edtAbbr->GetText();
    // The exact row, else the row before the first one above the text (the first row when
    // every row is above it), else the last row.
    int nSelect = n - 1;
    const int nStop = FirstRowNotBelow(n, szText);
    if (nStop < n) {
        const auto* p = static_cast<const AbbrInfo*>(items->GetItem(nStop)->GetData());
        const bool bExact = AbbrStore::CompareTitle(p->szTitle, szText.c_str()) == 0;
        nSelect = bExact ? nStop : std::max(nStop - 1, 0);
    }
    lvData->SetItemIndex(nSelect);
    // Whole rows only: the list's last row is often cut to a few pixels, and a selection
    // scrolled only that far is one the user cannot see.
    if (nSelect >= 0) lvData->MakeItemVisible(nSelect, false);
}

void TfmMain::btnFindClick(TObject* Sender) {
    edtAbbrChange(Sender);
    const TListItem* selected = lvData->GetSelected();
    const std::string szText = edtAbbr->GetText();
    if (selected && selected->GetCaption() == szText) return;
    // Formatted without a fixed buffer, so that a long text is shown whole.
    ShowMessage("Information for \"" + szText + "\" not found.", "Information");
}

void TfmMain::btnSaveClick(TObject*) {
    if (!SaveData()) return;
    std::string szText = "Quorvane Reference saved successfully.";
    if (!m_szBackupPath.empty())
        szText += " The damaged file it was loaded from was kept as \"" + m_szBackupPath + "\".";
    ShowMessage(szText, "Information");
}

void TfmMain::miDelClick(TObject*) {
    const TListItem* selected = lvData->GetSelected();
    if (!selected || !selected->GetData()) return;
    if (AbbrInfo* pRemoved = RemoveInfo(static_cast<AbbrInfo*>(selected->GetData()))) {
        delete pRemoved;
        m_bModified = true;
    }
    FillList();
}

void TfmMain::lvDataDblClick(TObject*) {
    const TListItem* selected = lvData->GetSelected();
    if (!selected || !selected->GetData()) return;
    auto* pInfo = static_cast<AbbrInfo*>(selected->GetData());
    const AbbrInfo previous = *pInfo;
    std::unique_ptr<TfmAbbr> dialog(TCustomForm::Create<TfmAbbr>(this));
    dialog->SetInfo(pInfo);
    if (dialog->ShowModal() != mrOk) return;
    // A record edited in place keeps its place in the list, but the next load would drop it
    // for an empty or repeated title: such an edit is refused as Add refuses it.
    const std::string szRefusal = EditRefusal(pInfo);
    if (!szRefusal.empty()) {
        *pInfo = previous;
        ShowMessage(szRefusal, AbbrStore::ErrorCaption);
    }
    if (std::memcmp(pInfo, &previous, sizeof previous) != 0) m_bModified = true;
    FillList();
}

void TfmMain::btnAddClick(TObject*) {
    std::unique_ptr<TfmAbbr> dialog(TCustomForm::Create<TfmAbbr>(this));
    std::unique_ptr<AbbrInfo> pInfo(dialog->NewInfo());
    if (dialog->ShowModal() == mrOk) {
        InsertInfo(pInfo.get());
        FillList();
    }
}

std::string TfmMain::EditRefusal(const AbbrInfo* pInfo) const {
    if (pInfo->szTitle[0] == '\0') return AbbrStore::EmptyTitleMessage;
    if (const AbbrInfo* pSame = FindTitle(pInfo->szTitle, pInfo))
        return AbbrStore::DuplicateMessage(pSame->szTitle);
    return "";
}

AbbrInfo* TfmMain::FindTitle(const char* szTitle, const AbbrInfo* pExcept) const {
    for (auto* p = static_cast<AbbrInfo*>(m_pList->GetFirst()); p;
         p = static_cast<AbbrInfo*>(m_pList->GetNext())) {
        if (p != pExcept && AbbrStore::CompareTitle(p->szTitle, szTitle) == 0) return p;
    }
    return nullptr;
}

void TfmMain::rbtnAllClick(TObject*) {
    FillList();
}

void TfmMain::rbtnCommandClick(TObject*) {
    FillList();
}

void TfmMain::rbtnKeywordClick(TObject*) {
    FillList();
}

void TfmMain::ShowMessage(const std::string& szText, const char* szCaption) {
    const bool bError = std::strcmp(szCaption, AbbrStore::ErrorCaption) == 0;
    MessageBox(Handle(), szText.c_str(), szCaption,
               MB_OK | (bError ? MB_ICONERROR : MB_ICONINFORMATION));
}

bool TfmMain::CloseQuery() {
    if (!TForm::CloseQuery()) return false;
    if (!m_bModified) return true;
    switch (AskToSave(MB_YESNOCANCEL)) {
        case IDYES:
            // A save that failed has said why; the window stays with its changes.
            if (!SaveData()) return false;
            return true;
        case IDNO:
            m_bModified = false;
            return true;
        default:
            return false;
    }
}

void TfmMain::KeepChangesOnEnd() {
    if (!m_bModified) return;
    // Ending is not the user's to cancel here; asked to end again, it ends without a save.
    if (AskToSave(MB_YESNO) == IDYES) SaveData();
    m_bModified = false;
}

int TfmMain::AskToSave(UINT nButtons) {
    const int nAnswer = MessageBox(Handle(), "Save changes to the abbreviations?",
                                   "Quorvane Reference", nButtons | MB_ICONQUESTION);
    // The box was closed because the program is being ended, not answered.
    return Application->Terminated() ? IDNO : nAnswer;
}
