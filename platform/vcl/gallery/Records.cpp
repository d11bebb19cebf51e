#include "Records.h"

#include <cstdio>

#include "platform/db/DBClasses.h"
#include "platform/db/Fields.h"
#include "platform/db/controls/DBGrid.h"
#include "platform/db/sqlite/SQLiteDataSet.h"
#include "platform/db/sqlite/SQLiteDatabase.h"
#include "platform/vcl/core/ClassBuilder.h"
#include "platform/vcl/dialogs/MessageDlg.h"
#include "platform/vcl/stdctrls/Label.h"

std::string TfmRecords::DatabasePath;

namespace {

void Log(const std::string& line) {
    std::printf("%s\n", line.c_str());
    std::fflush(stdout);
}

}  // namespace

const TClassInfo& TfmRecords::StaticClassInfo() {
    using C = TfmRecords;
    static const TClassInfo info = TClassBuilder<C>("TfmRecords")
                                       .Field("dbRecords", &C::dbRecords)
                                       .Field("tblCommands", &C::tblCommands)
                                       .Field("qryVerbs", &C::qryVerbs)
                                       .Field("tblPictures", &C::tblPictures)
                                       .Field("dsCommands", &C::dsCommands)
                                       .Field("grdCommands", &C::grdCommands)
                                       .Field("lblState", &C::lblState)
                                       .Method("FormCreate", &C::FormCreate)
                                       .Method("FormShow", &C::FormShow)
                                       .Method("FormCloseQuery", &C::FormCloseQuery)
                                       .Method("FormClose", &C::FormClose)
                                       .Method("CommandsStateChange", &C::CommandsStateChange)
                                       .Method("CommandsDataChange", &C::CommandsDataChange)
                                       .Method("btnPostClick", &C::btnPostClick)
                                       .Method("btnCancelClick", &C::btnCancelClick)
                                       .Method("btnCloseClick", &C::btnCloseClick)
                                       .Build();
    return info;
}

void RegisterRecordsClasses() {
    RegisterDBClasses();
    RegisterClassesOf<TfmRecords>();
}

void TfmRecords::FormCreate(TObject*) {
    dbRecords->SetDatabaseName(DatabasePath);
    // The verb's title beside its code: a lookup field into the verbs.
    auto* verbTitle = new TStringField(this);
    verbTitle->SetFieldName("VerbTitle");
    verbTitle->SetDisplayLabel("Verb");
    verbTitle->SetSize(30);
    verbTitle->SetFieldKind(fkLookup);
    verbTitle->SetLookupDataSet(qryVerbs);
    verbTitle->SetKeyFields("verb");
    verbTitle->SetLookupKeyFields("code");
    verbTitle->SetLookupResultField("title");
    verbTitle->SetDataSet(tblCommands);
    try {
        dbRecords->Open();
        qryVerbs->Open();
        tblCommands->Open();
        tblPictures->Open();
    } catch (const EDatabaseError& e) {
        // The window still opens, empty, and says why.
        Log("records error " + e.Message());
        lblState->SetCaption(e.Message());
        MessageBox(Handle(), e.Message().c_str(), "Error", MB_OK | MB_ICONERROR);
        return;
    }
    Log("records open " + std::to_string(tblCommands->GetRecordCount()) + " commands" +
        (tblCommands->GetCanModify() ? "" : " read-only"));
    ShowState();
}

void TfmRecords::FormShow(TObject*) {
    const TPoint origin = ClientOrigin();
    Log("records ready " + std::to_string(origin.x) + " " + std::to_string(origin.y));
}

void TfmRecords::ShowState() {
    if (!tblCommands->GetActive()) return;
    std::string state;
    switch (tblCommands->GetState()) {
        case dsEdit: state = "Editing"; break;
        case dsInsert: state = "Inserting"; break;
        default: state = tblCommands->GetCanModify() ? "Browsing" : "Read-only"; break;
    }
    lblState->SetCaption(state + ", record " + std::to_string(tblCommands->GetRecNo()) + " of " +
                         std::to_string(tblCommands->GetRecordCount()));
}

void TfmRecords::CommandsStateChange(TObject*) {
    if (!tblCommands->GetActive()) return;
    ShowState();
    const char* names[] = {"inactive", "browse", "edit", "insert"};
    Log(std::string("state ") + names[tblCommands->GetState()]);
}

void TfmRecords::CommandsDataChange(TObject*, TField* Field) {
    if (Field || !tblCommands->GetActive() || tblCommands->IsEmpty()) return;
    ShowState();
    if (tblCommands->GetState() == dsBrowse)
        Log("record " + std::to_string(tblCommands->GetRecNo()) + " " +
            tblCommands->FieldByName("command")->GetAsString() + " " +
            tblCommands->FieldByName("name")->GetAsString());
}

void TfmRecords::btnPostClick(TObject*) {
    tblCommands->Post();
}

void TfmRecords::btnCancelClick(TObject*) {
    tblCommands->Cancel();
}

void TfmRecords::btnCloseClick(TObject*) {
    Close();
}

bool TfmRecords::ResolvePendingEdit(TSQLiteTable* Table) {
    if (!Table->GetActive()) return true;
    const TDataSetState state = Table->GetState();
    if (state != dsEdit && state != dsInsert) return true;
    Table->UpdateRecord();  // what the controls hold counts as a change too
    if (!Table->GetModified()) {
        Table->Cancel();
        return true;
    }
    const int answer = MessageBox(Handle(), "The record was changed. Save the change?", "Records",
                                  MB_YESNOCANCEL | MB_ICONQUESTION);
    if (answer == IDCANCEL) return false;
    if (answer == IDNO) {
        Table->Cancel();
        return true;
    }
    Table->Post();  // a refusal raises, and the window stays open with the record in edit
    return true;
}

void TfmRecords::FormCloseQuery(TObject*, bool& CanClose) {
    CanClose = ResolvePendingEdit(tblCommands) && ResolvePendingEdit(tblPictures);
}

void TfmRecords::FormClose(TObject*, TCloseAction& Action) {
    Log("records closed");
    Action = caFree;
}
