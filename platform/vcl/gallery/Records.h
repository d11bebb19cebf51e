#pragma once
// The gallery's records window: a grid of the IBM CL commands, the current command's
// fields in edits, a lookup of its verb and a memo, and a grid of pictures beside the
// picture of the current one, over the demonstration database.
#include <string>

#include "platform/vcl/controls/Form.h"

class TSQLiteDatabase;
class TSQLiteTable;
class TSQLiteQuery;
class TDataSource;
class TDBGrid;
class TLabel;
class TField;

class TfmRecords : public TForm {
    QV_DECLARE_CLASS(TfmRecords, TForm)

    explicit TfmRecords(TComponent* AOwner) : TForm(AOwner) {}

    // The database file the window opens; set before the window is created.
    static std::string DatabasePath;

    TSQLiteDatabase* dbRecords = nullptr;
    TSQLiteTable* tblCommands = nullptr;
    TSQLiteQuery* qryVerbs = nullptr;
    TSQLiteTable* tblPictures = nullptr;
    TDataSource* dsCommands = nullptr;
    TDBGrid* grdCommands = nullptr;
    TLabel* lblState = nullptr;

    void FormCreate(TObject* Sender);
    void FormShow(TObject* Sender);
    void FormCloseQuery(TObject* Sender, bool& CanClose);
    void FormClose(TObject* Sender, TCloseAction& Action);
    void CommandsStateChange(TObject* Sender);
    void CommandsDataChange(TObject* Sender, TField* Field);
    void btnPostClick(TObject* Sender);
    void btnCancelClick(TObject* Sender);
    void btnCloseClick(TObject* Sender);

private:
    // Asks what to do with a modified record of Table; false keeps the window open.
    bool ResolvePendingEdit(TSQLiteTable* Table);
    void ShowState();
};

// Registers the data layer's classes and the records window's class for its description.
void RegisterRecordsClasses();
