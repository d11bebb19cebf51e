#pragma once
// TfmMain: the reference window. It lists the abbreviations beside their meanings, narrows
// the list by category, selects the nearest entry while an abbreviation is typed, and opens,
// adds, deletes and saves entries. It owns the record list, every record and the file object.
#include <string>

#include "common/misc/CxFile.h"
#include "common/misc/CxList.h"
#include "Source/edits/SKEdit.h"
#include "Source/edits/SKListView.h"
#include "Source/edits/SKURLLabel.h"
#include "Source/frame/SKForm.h"
#include "Source/buttons/SKButton.h"
#include "Source/buttons/SKCheckBox.h"
#include "platform/vcl/controls/Form.h"
#include "platform/vcl/stdctrls/Image.h"
#include "platform/vcl/stdctrls/Label.h"
#include "platform/vcl/menus/MenuItem.h"
#include "platform/vcl/menus/PopupMenu.h"
#include "Source/frame/SKPopupMenu.h"
#include "platform/io/FileStamp.h"
#include "src/AbbrInfo.h"
#include "src/AbbrMerge.h"
#include "src/DataFileLocation.h"

class TfmMain : public TForm {
    QV_DECLARE_CLASS(TfmMain, TForm)

    // The caption of the question a save asks when another program saved the file first.
    static constexpr const char* ChangedCaption = "Data file changed";

    explicit TfmMain(TComponent* AOwner);
    ~TfmMain() override;

    TskForm* sfMain = nullptr;
    TImage* imgTop = nullptr;
    TLabel* Label1 = nullptr;
    TskButton* btnFind = nullptr;
    TskListView* lvData = nullptr;
    TskRadioButton* rbtnAll = nullptr;
    TskRadioButton* rbtnCommand = nullptr;
    TskRadioButton* rbtnKeyword = nullptr;
    TLabel* Label2 = nullptr;
    TskMaskEdit* edtAbbr = nullptr;
    TskButton* btnAdd = nullptr;
    TskButton* btnSave = nullptr;
    TLabel* lblSum = nullptr;
    TskPopupMenu* pmInfo = nullptr;
    TMenuItem* miDel = nullptr;
    TskURLLabel* skURLLabel1 = nullptr;

    CxList* m_pList = nullptr;
    CxFile* m_pFile = nullptr;

    void edtAbbrChange(TObject* Sender);
    void FormCreate(TObject* Sender);
    void FormDestroy(TObject* Sender);
    void btnAddClick(TObject* Sender);
    void btnSaveClick(TObject* Sender);
    void lvDataDblClick(TObject* Sender);
    void miDelClick(TObject* Sender);
    void rbtnAllClick(TObject* Sender);
    void rbtnCommandClick(TObject* Sender);
    void rbtnKeywordClick(TObject* Sender);
    void btnFindClick(TObject* Sender);

    // The sorted insertion of a copy; reports an empty or repeated title in a message box.
    // Returns the copy in the list, the record already there, or pInfo for an empty title.
    AbbrInfo* InsertInfo(AbbrInfo* pInfo);
    // Unlinks the first record titled as *pInfo; the caller frees it. Null when none is.
    AbbrInfo* RemoveInfo(AbbrInfo* pInfo);
    void ClearData();
    void FillList();

    // Reads the data file into the list: false when it cannot be opened. A damaged file, and
    // the records refused for their titles, are reported in one box (and on stderr); the
    // records read whole before the damage are kept. A file that is there but cannot be
    // read is reported too, and is never saved over.
    bool LoadData();
    // Writes the list to the data file; false, after an error box, when it was not written.
    // The first save after a damaged load keeps the old file beside the new one, since it
    // still holds the records that could not be read. When another program saved the file
    // after this window loaded it, the user chooses to merge its records with this window's
    // changes and save, to reload its file, or to do neither.
    bool SaveData();
    // Whether the records were changed since they were loaded or saved.
    bool Modified() const { return m_bModified; }
    // Closing with changes not saved asks whether to save them, to discard them or to stay.
    bool CloseQuery() override;
    // When the program ends without having closed its window (a termination signal), asks
    // whether to save the changes, if there are any; a second request to end while it asks
    // ends without a save.
    void KeepChangesOnEnd();

    // Where that first save kept the old file; empty when it kept none.
    const std::string& BackupPath() const { return m_szBackupPath; }

    // Where LoadData reads and SaveData writes (see DataFileLocation); one path set here
    // serves both.
    const std::string& DataPath() const { return m_szDataPath; }
    const std::string& SavePath() const { return m_location.szSave; }
    void SetDataPath(const std::string& szPath);
    void SetDataLocation(const DataFileLocation& location);

private:
    void InitData();
    void FreeData();
    // Whether the filter that is checked shows a record with these flags.
    bool IsShown(std::int32_t nFlag) const;
    // An OK box owned by this window, with the error icon under the error caption and the
    // information icon otherwise.
    void ShowMessage(const std::string& szText, const char* szCaption);
    // Asks "Save changes to the abbreviations?"; IDNO when the program is told to end
    // meanwhile.
    int AskToSave(UINT nButtons);
    // Why an edit in place that gave *pInfo its title cannot stand, or empty when it can.
    std::string EditRefusal(const AbbrInfo* pInfo) const;
    // The record anywhere in the list with this title, other than pExcept; null when none.
    AbbrInfo* FindTitle(const char* szTitle, const AbbrInfo* pExcept) const;

    // The walk's end: the first of the n rows whose title is not below szText, or n.
    int FirstRowNotBelow(int n, const std::string& szText) const;

    // What the file at the save path was when this window loaded it, and by title what the
    // window loaded: a save finds whether another program saved in between, and a merge which
    // changes are this window's.
    void RememberLoaded(const io::FileStamp& stamp);
    // Lays this window's changes over the records another program saved; false when its file
    // cannot be read.
    bool MergeWithSaved();

    DataFileLocation m_location;
    std::string m_szDataPath;
    io::FileStamp m_savedStamp;
    RecordSnapshot m_loaded;
    bool m_bUnreadable = false;
    bool m_bLoadedDamaged = false;
    bool m_bModified = false;
    // FillList's rows were in title order (the record list's order, unless a title was
    // edited in place), and there were this many of them.
    bool m_bRowsInTitleOrder = false;
    int m_nFilledRows = 0;
    std::string m_szBackupPath;
};
