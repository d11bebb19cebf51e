#include "Source/gallery/GalleryRecordActions.h"

#include "Source/edits/SKToolBar.h"
#include "Source/frame/SKForm.h"
#include "Source/frame/SKMainMenu.h"
#include "platform/db/actions/DBActns.h"
#include "platform/vcl/actions/ActionList.h"
#include "platform/vcl/comctrls/ToolButton.h"
#include "platform/vcl/menus/MenuItem.h"

void AddRecordActions(TForm* Form, TskForm* Frame, TWinControl* Body, int ToolBarTop,
                      const std::function<void(const std::string&)>& Log) {
    auto* list = new TActionList(Form);
    list->SetName("alRecords");
    // Seen before each action runs; the action itself still finds its data set.
    list->OnExecute = [Log](TBasicAction* Action, bool&) { Log("action " + Action->GetName()); };
    TDataSetAction* actions[] = {new TDataSetFirst(Form),  new TDataSetPrior(Form),
                                 new TDataSetNext(Form),   new TDataSetLast(Form),
                                 new TDataSetInsert(Form), new TDataSetDelete(Form),
                                 new TDataSetEdit(Form),   new TDataSetPost(Form),
                                 new TDataSetCancel(Form), new TDataSetRefresh(Form)};
    const char* names[] = {"First",  "Prior", "Next", "Last",   "Insert",
                           "Delete", "Edit",  "Post", "Cancel", "Refresh"};
    for (int i = 0; i < 10; ++i) {
        actions[i]->SetName(std::string("actRecord") + names[i]);
        actions[i]->SetActionList(list);
    }

    auto* menu = new TskMainMenu(Form);
    menu->SetName("mmRecords");
    auto* record = new TMenuItem(Form);
    record->SetName("miRecord");
    record->SetCaption("&Record");
    menu->GetItems()->Add(record);
    for (int i = 0; i < 10; ++i) {
        if (i == 4 || i == 9) {
            auto* line = new TMenuItem(Form);
            line->SetCaption("-");
            record->Add(line);
        }
        auto* item = new TMenuItem(Form);
        item->SetName(std::string("miRecord") + names[i]);
        item->SetAction(actions[i]);
        record->Add(item);
    }
    menu->AfterConstruction();  // gives the menu to the frame's menu bar
    // The window grows by the menu bar, so that what stood below the title stays whole.
    Form->SetClientHeight(Form->GetClientHeight() + Frame->GetMenuBarHeight());

    auto* bar = new TskToolBar(Form);
    bar->SetName("tbRecords");
    bar->SetAlign(alNone);
    bar->SetBounds(10, ToolBarTop, 600, 30);
    bar->SetShowCaptions(true);
    bar->SetParent(Body);
    for (int i = 0; i < 10; ++i) {
        auto* button = new TToolButton(Form);
        button->SetName(std::string("tbRecord") + names[i]);
        button->SetLeft(10000);
        button->SetParent(bar);
        button->SetAction(actions[i]);
    }
}
