#include "Source/gallery/GalleryRecords.h"

#include <climits>

#include "Source/buttons/SKButton.h"
#include "Source/buttons/SKImagePanel.h"
#include "Source/buttons/SKPanel.h"
#include "Source/db/SKDBCtrls.h"
#include "Source/frame/SKForm.h"
#include "Source/gallery/GalleryRecordActions.h"
#include "Source/gallery/GalleryRecordFields.h"
#include "Source/theme/SKFileTheme.h"
#include "Source/theme/SKMgr.h"
#include "Source/theme/frmThemeMgr.h"
#include "platform/db/DBError.h"
#include "platform/db/DataSource.h"
#include "platform/db/Fields.h"
#include "platform/db/postgres/PgConnection.h"
#include "platform/db/postgres/PgDataSet.h"
#include "platform/db/sqlite/SQLiteDataSet.h"
#include "platform/db/sqlite/SQLiteDatabase.h"
#include "platform/vcl/dialogs/MessageDlg.h"
#include "platform/vcl/stdctrls/Label.h"
#include "platform/win/Windows.h"

namespace {

constexpr int kClientWidth = 720;
constexpr int kClientHeight = 470;

TLabel* AddLabel(TComponent* Owner, TWinControl* Parent, const std::string& Name,
                 const std::string& Caption, int X, int Y) {
    auto* label = new TLabel(Owner);
    label->SetName(Name);
    label->SetCaption(Caption);
    label->SetLeft(X);
    label->SetTop(Y);
    label->SetTransparent(true);
    label->SetParent(Parent);
    return label;
}

}  // namespace

std::string& TfmSkinRecords::DatabasePath() {
    static std::string path;
    return path;
}

TfmSkinRecords::TfmSkinRecords(TComponent* AOwner, const std::string& DatabasePath,
                               TskUIStyle Style, TskFileTheme* FileTheme, TLog Log)
    : TForm(AOwner), m_log(std::move(Log)), m_path(DatabasePath) {
    SetName("fmSkinRecords");
    SetCaption("Records");
    SetBorderStyle(bsSingle);
    SetBounds(90, 60, kClientWidth, kClientHeight);
    SetClientWidth(kClientWidth);
    SetClientHeight(kClientHeight);
    SetColor(0xE7E7E7);
    m_frame = new TskForm(this);
    m_frame->SetName("sfRecords");
    m_frame->SetUIStyle(Style);
    m_frame->SetParent(this);
    m_frame->SetCaption("Records");
    m_body = new TskImagePanel(this);
    m_body->SetName("pnlRecords");
    m_body->SetColor(0xE8E8E8);
    m_body->SetParent(m_frame);
    m_frame->SetPanel(m_body);
    BuildData();
    // The verbs fill lists while the controls are made; the commands open under them.
    OpenData([this] {
        if (m_database)
            m_database->Open();
        else
            m_pgDatabase->Open();
        m_verbs->Open();
    });
    BuildControls();
    ApplyStyle(Style, FileTheme);
    OnShow = [this](TObject*) {
        const TPoint origin = ClientOrigin();
        m_log("records ready " + std::to_string(origin.x) + " " + std::to_string(origin.y));
        LogPlaces();
    };
    OnCloseQuery = [this](TObject*, bool& CanClose) { CanClose = ResolvePendingEdit(true); };
    OnClose = [this](TObject*, TCloseAction& Action) {
        m_log("records closed");
        Action = caFree;
    };
    if (m_openError.empty()) OpenData([this] { m_commands->Open(); });
    ShowOpenResult();
}

void TfmSkinRecords::BuildDatabase() {
    const char* verbsSql = "SELECT code, title FROM verbs ORDER BY title";
    if (IsPgConnectionString(m_path)) {
        m_pgDatabase = new TPgConnection(this);
        m_pgDatabase->SetName("dbRecords");
        m_pgDatabase->SetConnectionString(m_path);
        m_pgDatabase->SetApplicationName("skin_gallery");
        auto* verbs = new TPgQuery(this);
        verbs->SetDatabase(m_pgDatabase);
        verbs->SetSQL(verbsSql);
        auto* commands = new TPgTable(this);
        commands->SetDatabase(m_pgDatabase);
        commands->SetTableName("commands");
        commands->SetIndexFieldNames("command");
        // Another user's post shows here as soon as they announce it.
        commands->SetNotifyChannel("commands");
        commands->SetAutoRefresh(true);
        m_verbs = verbs;
        m_commands = commands;
        return;
    }
    m_database = new TSQLiteDatabase(this);
    m_database->SetName("dbRecords");
    m_database->SetDatabaseName(m_path);
    // Another program's write lock is waited for this long before the window says so.
    m_database->SetBusyTimeout(1000);
    auto* verbs = new TSQLiteQuery(this);
    verbs->SetDatabase(m_database);
    verbs->SetSQL(verbsSql);
    auto* commands = new TSQLiteTable(this);
    commands->SetDatabase(m_database);
    commands->SetTableName("commands");
    commands->SetIndexFieldNames("command");
    m_verbs = verbs;
    m_commands = commands;
}

void TfmSkinRecords::BuildData() {
    BuildDatabase();
    m_verbs->SetName("qryVerbs");
    m_commands->SetName("tblCommands");
    // The verb's title beside its code: a lookup field into the verbs.
    auto* verbTitle = new TStringField(this);
    verbTitle->SetFieldName("VerbTitle");
    verbTitle->SetDisplayLabel("Verb");
    verbTitle->SetSize(30);
    verbTitle->SetFieldKind(fkLookup);
    verbTitle->SetLookupDataSet(m_verbs);
    verbTitle->SetKeyFields("verb");
    verbTitle->SetLookupKeyFields("code");
    verbTitle->SetLookupResultField("title");
    verbTitle->SetDataSet(m_commands);
    m_dsVerbs = new TDataSource(this);
    m_dsVerbs->SetName("dsVerbs");
    m_dsVerbs->SetDataSet(m_verbs);
    m_dsCommands = new TDataSource(this);
    m_dsCommands->SetName("dsCommands");
    m_dsCommands->SetDataSet(m_commands);
    m_dsCommands->OnStateChange = [this](TObject*) { StateChange(); };
    m_dsCommands->OnDataChange = [this](TObject*, TField* Field) { DataChange(Field); };
}

void TfmSkinRecords::BuildControls() {
    auto* navigator = new TskDBNavigator(this);
    navigator->SetName("navCommands");
    navigator->SetBounds(10, 10, 250, 30);
    navigator->SetDataSource(m_dsCommands);
    navigator->SetShowHint(true);
    navigator->SetParent(m_body);
    navigator->OnClick = [this](TObject*, TNavigateBtn Button) {
        m_log("navigator " + NavigateBtnInfo().NameOf(Button));
    };

    m_state = AddLabel(this, m_body, "lblState", "", 272, 18);

    auto* grid = new TskDBGrid(this);
    grid->SetName("grdCommands");
    grid->SetBounds(10, 48, 440, 370);
    grid->SetDataSource(m_dsCommands);
    grid->SetParent(m_body);
    const struct {
        const char* field;
        const char* title;
        int width;
    } columns[] = {
        {"command", "Command", 80}, {"name", "Descriptive name", 220}, {"VerbTitle", "Verb", 90}};
    // Added in one update: the grid lays its columns out once they are complete.
    grid->GetColumns()->BeginUpdate();
    for (const auto& c : columns) {
        TColumn* column = grid->GetColumns()->Add();
        column->SetFieldName(c.field);
        column->GetTitle()->SetCaption(c.title);
        column->SetWidth(c.width);
    }
    grid->GetColumns()->EndUpdate();

    auto* fields = new TskPanel(this);
    fields->SetName("pnlFields");
    fields->SetCaption("Command");
    fields->SetShowButton(false);
    fields->SetBounds(460, 10, 250, 408);
    fields->SetParent(m_body);
    BuildFields(fields);

    auto* close = new TskButton(this);
    close->SetName("btnClose");
    close->SetCaption("Close");
    close->SetBounds(kClientWidth - 90, 428, 80, 27);
    close->SetParent(m_body);
    close->OnClick = [this](TObject*) { Close(); };
    AddRecordActions(this, m_frame, m_body, 426, m_log);
}

void TfmSkinRecords::BuildFields(TWinControl* Panel) {
    const int top = static_cast<TskPanel*>(Panel)->TitleHeight() + 8;
    AddLabel(this, Panel, "lblVerb", "&Verb", 10, top + 3);
    auto* verb = new TskDBLookupComboBox(this);
    verb->SetName("lcbVerb");
    verb->SetBounds(90, top, 150, 21);
    verb->SetDataSource(m_dsCommands);
    verb->SetDataField("verb");
    verb->SetListSource(m_dsVerbs);
    verb->SetKeyField("code");
    verb->SetListField("title");
    verb->SetParent(Panel);

    // The descriptive name typed, or begun with a verb chosen from the list.
    AddLabel(this, Panel, "lblName", "&Name", 10, top + 33);
    auto* name = new TskDBComboBox(this);
    name->SetName("cbxName");
    name->SetBounds(90, top + 30, 150, 21);
    name->SetDataSource(m_dsCommands);
    name->SetDataField("name");
    name->SetParent(Panel);
    if (m_verbs->GetActive()) {
        while (!m_verbs->GetEOF()) {
            name->GetItems()->Add(m_verbs->FieldByName("title")->GetAsString());
            m_verbs->Next();
        }
        m_verbs->First();
    }
    AddRecordFields(this, Panel, top + 62, m_dsCommands, m_dsVerbs);
}

void TfmSkinRecords::ApplyStyle(TskUIStyle Style, TskFileTheme* FileTheme) {
    m_manager = new TskThemeManager(this);
    m_manager->SetName("tmRecords");
    for (int i = 0; i < ComponentCount(); ++i)
        if (IsThemeableComponent(Components(i)))
            m_manager->GetCompList()->Add(Components(i)->GetName());
    m_manager->SetFileTheme(Style == FromThemeFile ? FileTheme : nullptr);
    m_manager->SetUIStyle(Style);
}

// A missing, damaged, locked or foreign database leaves the data closed; the window still
// opens and says why, and the rest of the program goes on.
void TfmSkinRecords::OpenData(const std::function<void()>& Open) {
    try {
        Open();
    } catch (const EDatabaseError& e) {
        m_openError = e.Message();
        m_commands->Close();
        m_verbs->Close();
        if (m_database) m_database->Close();
        if (m_pgDatabase) m_pgDatabase->Close();
    }
}

void TfmSkinRecords::ShowOpenResult() {
    if (m_openError.empty()) {
        m_log("records open " + std::to_string(m_commands->GetRecordCount()) + " commands");
        ShowState();
        return;
    }
    m_log("records error " + m_openError);
    m_state->SetCaption("No commands");
    // The message stands where the grid and the fields would: they have nothing to show.
    for (const char* name : {"grdCommands", "pnlFields"})
        if (auto* control = dynamic_cast<TControl*>(FindComponent(name)))
            control->SetVisible(false);
    TLabel* message = AddLabel(this, m_body, "lblOpenError", "", 10, 56);
    message->SetWordWrap(true);
    message->SetWidth(kClientWidth - 20);
    message->SetCaption("The commands cannot be shown.\n\n" + m_openError);
}

bool TfmSkinRecords::ResolvePendingEdit(bool CanStay) {
    if (!m_commands->GetActive()) return true;
    if (m_commands->GetState() != dsEdit && m_commands->GetState() != dsInsert) return true;
    try {
        m_commands->UpdateRecord();  // what the controls hold is part of the change
    } catch (const EDatabaseError& e) {
        if (CanStay) {
            MessageBox(Handle(), e.Message().c_str(), "Error", MB_OK | MB_ICONERROR);
            return false;
        }
        m_log("records discarded " + e.Message());
        m_commands->Cancel();
        return true;
    }
    if (!m_commands->GetModified()) {
        m_commands->Cancel();
        return true;
    }
    // The question stands over the record it is about, in front of the other windows.
    Show();
    SetWindowPos(Handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    TField* command = m_commands->FindField("command");
    const std::string question = "The command " + (command ? command->GetAsString() + " " : "") +
                                 "was changed. Save the change?";
    for (;;) {
        m_log("records ask");
        const int answer = MessageBox(Handle(), question.c_str(), "Records",
                                      (CanStay ? MB_YESNOCANCEL : MB_YESNO) | MB_ICONQUESTION);
        if (answer == IDYES) {
            try {
                m_commands->Post();
                m_log("records saved");
                return true;
            } catch (const EDatabaseError& e) {
                // The record stays in edit: the user mends it, or drops the change.
                MessageBox(Handle(), e.Message().c_str(), "Error", MB_OK | MB_ICONERROR);
                if (CanStay) return false;
                continue;
            }
        }
        // Closing the question while the program ends (a second request to end) is a No.
        if (answer == IDNO || !CanStay) {
            m_commands->Cancel();
            m_log("records discarded");
            return true;
        }
        return false;
    }
}

void TfmSkinRecords::ShowState() {
    // The data opens before the controls are made: the label may not be there yet.
    if (!m_state || !m_commands->GetActive()) return;
    const char* names[] = {"Closed", "Browsing", "Editing", "Inserting"};
    m_state->SetCaption(std::string(names[m_commands->GetState()]) + ", record " +
                        std::to_string(m_commands->GetRecNo()) + " of " +
                        std::to_string(m_commands->GetRecordCount()));
}

void TfmSkinRecords::StateChange() {
    if (!m_commands || !m_commands->GetActive()) return;
    ShowState();
    const char* names[] = {"inactive", "browse", "edit", "insert"};
    m_log(std::string("state ") + names[m_commands->GetState()]);
}

void TfmSkinRecords::DataChange(TField* Field) {
    if (Field || !m_commands->GetActive() || m_commands->IsEmpty()) return;
    ShowState();
    if (m_commands->GetState() == dsBrowse)
        m_log("record " + std::to_string(m_commands->GetRecNo()) + " " +
              m_commands->FieldByName("command")->GetAsString() + " " +
              m_commands->FieldByName("name")->GetAsString());
}

void TfmSkinRecords::LogPlaces() {
    for (int i = 0; i < ComponentCount(); ++i) {
        auto* control = dynamic_cast<TControl*>(Components(i));
        if (!control || !control->Showing()) continue;
        const TPoint middle =
            control->ClientToScreen({control->GetWidth() / 2, control->GetHeight() / 2});
        m_log("place " + control->GetName() + " " + std::to_string(middle.x) + " " +
              std::to_string(middle.y));
    }
    // The navigator's buttons by their names, for a test to press them.
    if (auto* navigator = dynamic_cast<TskDBNavigator*>(FindComponent("navCommands")))
        for (int i = nbFirst; i <= nbRefresh; ++i) {
            TskNavButton* button = navigator->Buttons(static_cast<TNavigateBtn>(i));
            const TPoint middle =
                button->ClientToScreen({button->GetWidth() / 2, button->GetHeight() / 2});
            m_log("place " + NavigateBtnInfo().NameOf(i) + " " + std::to_string(middle.x) + " " +
                  std::to_string(middle.y));
        }
}

TfmSkinRecords* FindSkinRecords(TComponent* Owner) {
    return dynamic_cast<TfmSkinRecords*>(Owner->FindComponent("fmSkinRecords"));
}

void ShowSkinRecords(TComponent* Owner, TfmSkinRecords::TLog Log) {
    if (auto* open = FindSkinRecords(Owner)) {
        open->Show();
        open->BringToFront();
        return;
    }
    auto* manager = dynamic_cast<TskThemeManager*>(Owner->FindComponent("tmGallery"));
    TskFileTheme* theme = manager ? manager->GetFileTheme() : nullptr;
    const TskUIStyle style = manager ? manager->GetUIStyle() : GetSKFormStyle(Owner);
    auto* window = new TfmSkinRecords(Owner, TfmSkinRecords::DatabasePath(), style, theme, Log);
    window->Show();
}
