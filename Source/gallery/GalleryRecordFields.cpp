#include "Source/gallery/GalleryRecordFields.h"

#include <string>

#include "Source/db/SKDBCtrls.h"
#include "Source/edits/SKScrollBar.h"
#include "platform/db/DataSet.h"
#include "platform/db/DataSource.h"
#include "platform/db/Field.h"
#include "platform/vcl/stdctrls/Label.h"

namespace {

void AddLabel(TComponent* Owner, TWinControl* Parent, const std::string& Name,
              const std::string& Caption, int X, int Y) {
    auto* label = new TLabel(Owner);
    label->SetName(Name);
    label->SetCaption(Caption);
    label->SetLeft(X);
    label->SetTop(Y);
    label->SetTransparent(true);
    label->SetParent(Parent);
}

TskScrollBar* AddBar(TComponent* Owner, TWinControl* Parent, const std::string& Name) {
    auto* bar = new TskScrollBar(Owner);
    bar->SetName(Name);
    bar->SetBounds(0, 0, 16, 16);
    bar->SetParent(Parent);
    return bar;
}

// The verbs' codes in the order of Titles, for a radio group's values.
std::string CodesOf(TDataSource* Verbs, const char* const* Titles, int Count) {
    TDataSet* verbs = Verbs->GetDataSet();
    std::string codes;
    for (int i = 0; i < Count; ++i) {
        if (verbs && verbs->GetActive() && verbs->Locate("title", {Variant(Titles[i])}))
            codes += verbs->FieldByName("code")->GetAsString();
        codes += '\n';
    }
    if (verbs && verbs->GetActive()) verbs->First();
    return codes;
}

}  // namespace

void AddRecordFields(TComponent* Owner, TWinControl* Panel, int Top, TDataSource* Commands,
                     TDataSource* Verbs) {
    AddLabel(Owner, Panel, "lblCommand", "Co&mmand", 10, Top + 3);
    auto* command = new TskDBEdit(Owner);
    command->SetName("edtCommand");
    command->SetBounds(90, Top, 150, 21);
    command->SetCharCase(ecUpperCase);
    command->SetDataSource(Commands);
    command->SetDataField("command");
    command->SetParent(Panel);

    AddLabel(Owner, Panel, "lblNotes", "N&otes", 10, Top + 28);
    auto* notes = new TskDBMemo(Owner);
    notes->SetName("memNotes");
    notes->SetBounds(10, Top + 44, 230, 66);
    notes->SetDataSource(Commands);
    notes->SetDataField("notes");
    notes->SetParent(Panel);
    notes->SetVScrollBar(AddBar(Owner, Panel, "sbNotes"));

    AddLabel(Owner, Panel, "lblVerbList", "Verb &list", 10, Top + 116);
    auto* verbs = new TskDBLookupListBox(Owner);
    verbs->SetName("lbxVerb");
    verbs->SetBounds(10, Top + 132, 230, 82);
    verbs->SetListSource(Verbs);
    verbs->SetKeyField("code");
    verbs->SetListField("title");
    verbs->SetDataSource(Commands);
    verbs->SetDataField("verb");
    verbs->SetParent(Panel);
    verbs->SetVScrollBar(AddBar(Owner, Panel, "sbVerbs"));

    auto* reviewed = new TskDBCheckBox(Owner);
    reviewed->SetName("chkReviewed");
    reviewed->SetCaption("&Reviewed");
    reviewed->SetLeft(10);
    reviewed->SetTop(Top + 220);
    reviewed->SetDataSource(Commands);
    reviewed->SetDataField("reviewed");
    reviewed->SetParent(Panel);

    // The common verbs by their codes; any other verb checks none of them.
    static const char* const kCommon[] = {"Change", "Display", "Work"};
    auto* common = new TskDBRadioGroup(Owner);
    common->SetName("rgVerb");
    common->SetCaption("Common verb");
    common->SetBounds(10, Top + 246, 230, 46);
    common->SetColumns(3);
    common->GetItems()->SetText("C&hange\nDis&play\nWor&k with");
    common->GetValues()->SetText(CodesOf(Verbs, kCommon, 3));
    common->SetDataSource(Commands);
    common->SetDataField("verb");
    common->SetParent(Panel);
}
