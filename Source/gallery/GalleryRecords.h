#pragma once
// The skin gallery's records window: a skinned form over the demonstration database with
// the skinned data-aware controls, a navigator and a grid of the IBM CL commands and the
// current command's fields beside them. It prints what happens, one line each, for the
// end-to-end test.
#include <functional>
#include <string>

#include "Source/theme/SKThemes.h"
#include "platform/vcl/controls/Form.h"

class TDataSet;
class TDataSource;
class TField;
class TLabel;
class TPgConnection;
class TSQLiteDatabase;
class TskFileTheme;
class TskForm;
class TskImagePanel;
class TskThemeManager;

class TfmSkinRecords : public TForm {
public:
    using TLog = std::function<void(const std::string&)>;

    // Opens the database at DatabasePath (an SQLite file or a PostgreSQL connection string)
    // in the style (and file theme, which may be null).
    TfmSkinRecords(TComponent* AOwner, const std::string& DatabasePath, TskUIStyle Style,
                   TskFileTheme* FileTheme, TLog Log);

    TDataSource* Commands() const { return m_dsCommands; }
    TDataSource* Verbs() const { return m_dsVerbs; }

    // Settles a change still in the current command before the window or the program
    // closes: the user says whether to post it. CanStay offers Cancel, which keeps the
    // window open and answers false; without it (the program is ending anyway) a change
    // that is not posted whole is not written at all.
    bool ResolvePendingEdit(bool CanStay);

    // The demonstration database beside the program, which --records may replace with
    // another file or a PostgreSQL connection string.
    static std::string& DatabasePath();

private:
    void BuildData();
    void OpenData(const std::function<void()>& Open);
    // The database and its two sets, on SQLite or on PostgreSQL.
    void BuildDatabase();
    void BuildControls();
    // The current command's fields, on the panel right of the grid.
    void BuildFields(TWinControl* Panel);
    void ShowOpenResult();
    void ApplyStyle(TskUIStyle Style, TskFileTheme* FileTheme);
    void StateChange();
    void DataChange(TField* Field);
    void ShowState();
    void LogPlaces();

    TLog m_log;
    std::string m_path;
    TskForm* m_frame = nullptr;
    TskImagePanel* m_body = nullptr;
    TskThemeManager* m_manager = nullptr;
    TSQLiteDatabase* m_database = nullptr;
    TPgConnection* m_pgDatabase = nullptr;
    TDataSet* m_commands = nullptr;
    TDataSet* m_verbs = nullptr;
    TDataSource* m_dsCommands = nullptr;
    TDataSource* m_dsVerbs = nullptr;
    TLabel* m_state = nullptr;
    std::string m_openError;  // why the data could not be opened; empty when it was
};

// Shows the records window over TfmSkinRecords::DatabasePath(), owned by Owner, in the
// style of Owner's skinned frame and with the file theme its theme manager "tmGallery"
// holds; a second call brings the open one to the front.
void ShowSkinRecords(TComponent* Owner, TfmSkinRecords::TLog Log);
// The records window that Owner holds open, or null.
TfmSkinRecords* FindSkinRecords(TComponent* Owner);
