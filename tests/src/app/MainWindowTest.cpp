// The reference window: its controls as described, the filters and the summary line,
// type-ahead selection, Find, Delete through the popup menu, Save by Alt+S, the link, and
// what the user is told about a damaged or unsavable data file.
#include <sys/stat.h>

#include <filesystem>
#include <map>

#include "tests/common/misc/TurkishLocale.h"
#include "tests/src/app/AppTestFixture.h"

using apptest::AppTest;
using apptest::Box;
using apptest::Info;

namespace {

// ADD is in both categories, ALC only in commands, ALW only in keywords, ZZ in neither.
const std::vector<AbbrInfo> FourRecords = {
    Info("ADD", "add", AbbrFlagCommand | AbbrFlagKeyword),
    Info("ALC", "allocate", AbbrFlagCommand),
    Info("ALW", "allow", AbbrFlagKeyword),
    Info("ZZ", "neither"),
};

}  // namespace

TEST_F(AppTest, ControlsStandWhereTheDescriptionPutsThem) {
    OpenMain({});
    struct Case {
        TControl* control;
        const char* name;
        TRect bounds;  // left, top, right, bottom
        const char* caption;
        int tabOrder;  // -1 for controls without one
        bool visible;
    };
    const Case cases[] = {
        {form->Label1, "Label1", {26, 77, 102, 90}, "Abbreviation:", -1, true},
        {form->Label2, "Label2", {65, 108, 101, 121}, "Show:", -1, true},
        {form->edtAbbr, "edtAbbr", {113, 75, 222, 94}, "", 1, true},
        {form->btnFind, "btnFind", {247, 71, 327, 98}, "&Find", 2, true},
        {form->lvData, "lvData", {25, 136, 562, 384}, "", 3, true},
        {form->rbtnAll, "rbtnAll", {111, 104, 213, 125}, "All Abbreviations", 4, true},
        {form->rbtnCommand, "rbtnCommand", {244, 106, 382, 127}, "Command Abbreviations", 5, true},
        {form->rbtnKeyword, "rbtnKeyword", {408, 106, 540, 127}, "Keyword Abbreviations", 6, true},
        {form->btnAdd, "btnAdd", {375, 73, 455, 100}, "&Add", 7, false},
        {form->btnSave, "btnSave", {472, 74, 552, 101}, "&Save", 8, false},
        {form->lblSum, "lblSum", {28, 398, 59, 411}, "0 abbreviations in total.", -1, true},
        {form->skURLLabel1,
         "skURLLabel1",
         {70, 429, 505, 442},
         "Brontide - Complete information for IBM System i CL commands ",
         -1,
         true},
    };
    // The description's tab orders, mapped to the ones the controls got: the same order.
    std::map<int, int> byTabOrder;
    for (const Case& c : cases) {
        ASSERT_NE(c.control, nullptr) << c.name;
        EXPECT_EQ(c.control->GetParent(), form->sfMain) << c.name;
        // Labels size themselves to their text in the font at hand, and so do the auto
        // sized check boxes and radio buttons, whose height the picture decides.
        if (dynamic_cast<TCustomLabel*>(c.control))
            EXPECT_EQ(c.control->BoundsRect().TopLeft(), c.bounds.TopLeft()) << c.name;
        else if (dynamic_cast<TskCheckBox*>(c.control)) {
            EXPECT_EQ(c.control->BoundsRect().TopLeft(), c.bounds.TopLeft()) << c.name;
            EXPECT_EQ(c.control->GetHeight(), c.bounds.Height()) << c.name;
        } else
            EXPECT_EQ(c.control->BoundsRect(), c.bounds) << c.name;
        EXPECT_EQ(c.control->GetCaption(), c.caption) << c.name;
        EXPECT_EQ(c.control->GetVisible(), c.visible) << c.name;
        if (auto* w = dynamic_cast<TWinControl*>(c.control); w && c.tabOrder >= 0)
            byTabOrder[c.tabOrder] = w->GetTabOrder();
    }
    for (auto it = byTabOrder.begin(); std::next(it) != byTabOrder.end(); ++it)
        EXPECT_LT(it->second, std::next(it)->second) << "tab order " << it->first;
    EXPECT_EQ(form->GetCaption(), "Quorvane Reference");
    EXPECT_EQ(form->GetClientWidth(), 594);
    EXPECT_EQ(form->GetClientHeight(), 469);
    // The skinned frame: no platform caption, only its 3-pixel band round the client area,
    // the MacOS title bar of 20 rows with the window-menu and close buttons, the banner
    // below it, and the Alt+Space hook of the first skinned window.
    EXPECT_EQ(GetWindowLong(form->Handle(), GWL_STYLE) & WS_CAPTION, 0);
    EXPECT_EQ(form->GetWidth(), 600);
    EXPECT_EQ(form->GetHeight(), 475);
    EXPECT_EQ(form->sfMain->GetUIStyle(), MacOS);
    EXPECT_EQ(form->sfMain->GetBorderColor(), 0x7F7F7F);
    EXPECT_EQ(form->sfMain->GetBorderWidth2(), 1);
    EXPECT_EQ(form->sfMain->GetRoundCorner(), 0);
    EXPECT_TRUE(form->sfMain->HooksApplication());
    TskTitleBar* bar = form->sfMain->TitleBar();
    EXPECT_EQ(bar->GetHeight(), 20);
    EXPECT_EQ(bar->GetCaption(), "Quorvane Reference");
    EXPECT_EQ(bar->GetFont()->GetName(), "Tahoma");
    EXPECT_EQ(bar->GetFont()->GetColor(), clBlack);
    ASSERT_EQ(bar->GetButtons()->Count(), 2);
    EXPECT_EQ(bar->GetButtons()->GetItem(0)->GetButtonType(), skControlBox);
    EXPECT_EQ(bar->GetButtons()->GetItem(1)->GetButtonType(), skClose);
    EXPECT_EQ(bar->GetButtons()->GetItem(1)->GetTop(), 4);
    EXPECT_EQ(bar->GetButtons()->GetItem(1)->GetPicNormal()->GetWidth(), 17);
    ASSERT_EQ(bar->GetSections()->Count(), 3);
    EXPECT_EQ(bar->GetSections()->GetItem(2)->GetAlign(), skClient);
    EXPECT_EQ(form->imgTop->GetTop(), 20);
    EXPECT_EQ(form->imgTop->ClientToScreen({0, 0}).y, form->GetTop() + 23);
    EXPECT_EQ(form->imgTop->GetPicture()->GetWidth(), 600);
    EXPECT_EQ(form->imgTop->GetPicture()->GetHeight(), 37);
    EXPECT_EQ(form->edtAbbr->GetCharCase(), ecUpperCase);
    EXPECT_TRUE(form->rbtnAll->GetChecked());
    ASSERT_EQ(form->lvData->GetColumns()->Count(), 2);
    EXPECT_EQ(form->lvData->GetColumns()->Items(0)->GetCaption(), "Abbreviations");
    EXPECT_EQ(form->lvData->GetColumns()->Items(1)->GetWidth(), 360);
    EXPECT_EQ(form->lvData->GetPopupMenu(), form->pmInfo);
    EXPECT_EQ(form->miDel->GetCaption(), "&Delete");
    // The skin draws the popup menu in the stored style and colours.
    EXPECT_EQ(form->pmInfo->GetUIStyle(), MacOS);
    EXPECT_EQ(form->pmInfo->GetMenuItemHeight(), 20);
    EXPECT_EQ(form->pmInfo->GetSelectedColor(), 0xC47339);
    EXPECT_EQ(form->pmInfo->GetBarColor(), clBlack);
    EXPECT_TRUE(static_cast<bool>(form->miDel->OnDrawItem));
}

TEST_F(AppTest, FiltersShowTheirCategoryAndTheSummaryCountsTheRowsShown) {
    OpenMain(FourRecords);
    struct Case {
        TskRadioButton* TfmMain::*button;
        std::vector<std::string> rows;
        const char* summary;
    };
    const Case cases[] = {
        {&TfmMain::rbtnCommand, {"ADD", "ALC"}, "2 abbreviations in total."},
        {&TfmMain::rbtnKeyword, {"ADD", "ALW"}, "2 abbreviations in total."},
        {&TfmMain::rbtnAll, {"ADD", "ALC", "ALW", "ZZ"}, "4 abbreviations in total."},
    };
    for (const Case& c : cases) {
        ClickOn((*form).*c.button);
        win::Headless::ProcessMessages();
        EXPECT_TRUE(((*form).*c.button)->GetChecked()) << c.summary;
        EXPECT_EQ(Rows(), c.rows);
        EXPECT_EQ(form->lblSum->GetCaption(), c.summary);
        for (int i = 0; i < form->lvData->GetItems()->GetCount(); ++i) {
            const TListItem* item = form->lvData->GetItems()->GetItem(i);
            const auto* p = static_cast<const AbbrInfo*>(item->GetData());
            EXPECT_EQ(item->GetCaption(), p->szTitle);
            EXPECT_EQ(item->GetSubItems()->Strings(0), p->szInfo);
        }
    }
}

TEST_F(AppTest, TypingSelectsTheExactOrTheNearestPrecedingEntry) {
    OpenMain({Info("ADD"), Info("ALC"), Info("ALW")});
    struct Case {
        const char* typed;
        const char* selected;
    };
    const Case cases[] = {
        {"AL", "ADD"}, {"ALC", "ALC"}, {"ALD", "ALC"},    {"ZZZ", "ALW"},
        {"0", "ADD"},  {"", "ADD"},    {"ALWAYS", "ALW"},
    };
    for (const Case& c : cases) {
        form->edtAbbr->SetText(c.typed);
        EXPECT_EQ(SelectedRow(), c.selected) << "typed \"" << c.typed << "\"";
    }
    // Keys go through the edit, which makes them upper case.
    form->edtAbbr->SetText("");
    form->edtAbbr->SetFocus();
    win::Headless::TypeText("alc");
    win::Headless::ProcessMessages();
    EXPECT_EQ(form->edtAbbr->GetText(), "ALC");
    EXPECT_EQ(SelectedRow(), "ALC");
}

TEST_F(AppTest, TypeAheadScrollsTheSelectionIntoViewAndAnEmptyListSelectsNothing) {
    std::vector<AbbrInfo> records;
    for (char a = 'A'; a <= 'Z'; ++a)
        for (char b : {'A', 'B'}) records.push_back(Info(std::string{a, b}.c_str()));
    OpenMain(records);
    form->edtAbbr->SetText("ZB");
    ASSERT_EQ(SelectedRow(), "ZB");
    const int last = form->lvData->GetItems()->GetCount() - 1;
    EXPECT_GE(last, form->lvData->GetTopIndex());
    EXPECT_LT(last, form->lvData->GetTopIndex() + form->lvData->VisibleRowCount() + 1);
    EXPECT_GT(form->lvData->GetTopIndex(), 0);

    form->edtAbbr->SetText("AA");
    EXPECT_EQ(form->lvData->GetTopIndex(), 0);

    ClickOn(form->rbtnCommand);  // no record has a category: no rows
    win::Headless::ProcessMessages();
    form->edtAbbr->SetText("AB");
    EXPECT_EQ(SelectedRow(), "(none)");
}

// The list's height leaves a few pixels of a last, partial row. Typing titles one row apart
// walks the selection down through that row and up again; each selected row must be painted
// whole inside the list, in the selection's colour from its top line to its bottom line.
TEST_F(AppTest, TypeAheadAndFindShowTheSelectedRowWhole) {
    std::vector<AbbrInfo> records;
    for (char a = 'A'; a <= 'Z'; ++a)
        for (char b : {'A', 'B', 'C'}) records.push_back(Info(std::string{a, b}.c_str()));
    OpenMain(records);
    TskListView* list = form->lvData;
    const TRect client = list->GetClientRect();
    ASSERT_NE((client.Height() - list->HeaderHeight()) % list->RowHeight(), 0)
        << "the list must show a partial row for this test to mean anything";
    const TColor background = ColorToRGB(list->GetColor());

    std::vector<std::string> walk;
    for (const AbbrInfo& info : records) walk.emplace_back(info.szTitle);
    for (auto it = records.rbegin(); it != records.rend(); ++it) walk.emplace_back(it->szTitle);
    for (size_t step = 0; step < walk.size(); ++step) {
        const std::string& title = walk[step];
        if (step % 2 == 0) {
            form->edtAbbr->SetText(title);
        } else {
            form->edtAbbr->SetText(title);
            form->btnFind->Click();
        }
        win::Headless::ProcessMessages();
        ASSERT_EQ(SelectedRow(), title);
        const int index = list->GetSelected()->GetIndex();
        const TRect row = list->ItemRect(index, drBounds);
        ASSERT_GE(row.top, list->HeaderHeight()) << title;
        ASSERT_LE(row.bottom, client.bottom) << title;

        const gfx::Bitmap shot = win::Headless::CaptureWindow(list->Handle());
        const TPoint origin = list->ClientOrigin();
        RECT window;
        GetWindowRect(list->Handle(), &window);
        const int x = origin.x - window.left + 2;
        for (int y : {row.top, row.bottom - 1})
            ASSERT_NE(shot.GetPixel(x, origin.y - window.top + y), background)
                << title << ": line " << y << " of the selected row is not painted selected";
    }
}

TEST_F(AppTest, FindReportsATextThatIsNoEntryWholeWhateverItsLength) {
    const std::string longText(300, 'Q');
    struct Case {
        std::vector<AbbrInfo> records;
        std::string typed;
        std::vector<Box> expected;
    };
    const Case cases[] = {
        {FourRecords, "ALC", {}},
        {FourRecords, "AL", {{"Information", "Information for \"AL\" not found."}}},
        {FourRecords,
         longText,
         {{"Information", "Information for \"" + longText + "\" not found."}}},
        {{}, "ADD", {{"Information", "Information for \"ADD\" not found."}}},
    };
    for (const Case& c : cases) {
        boxes.clear();
        OpenMain(c.records);
        form->edtAbbr->SetText(c.typed);
        if (!c.expected.empty()) AnswerBox();
        ClickOn(form->btnFind);
        win::Headless::ProcessMessages();
        EXPECT_EQ(boxes, c.expected) << c.typed.substr(0, 10);
        form.reset();
    }
}

// Abbreviations are ASCII: under Turkish, a typed "inz" must become "INZ" (the user's
// language would make it a dotted capital, and byte-wise casing left it "iNZ") and be found.
TEST_F(AppTest, TypedAbbreviationsAreUpperCasedAsAsciiWhateverTheLanguage) {
    TurkishLocale turkish;
    if (!turkish.Active()) GTEST_SKIP() << "tr_TR.UTF-8 is neither installed nor can be made";
    OpenMain({Info("DSP"), Info("INZ"), Info("WRK")});
    form->edtAbbr->SetFocus();
    win::Headless::TypeText("inz");
    win::Headless::ProcessMessages();
    EXPECT_EQ(form->edtAbbr->GetText(), "INZ");
    EXPECT_EQ(SelectedRow(), "INZ");
    // Found: no box is shown (an unanswered one would fail the test).
    ClickOn(form->btnFind);
    win::Headless::ProcessMessages();
    EXPECT_TRUE(boxes.empty());
}

// What went wrong is shown with the error icon, what is only news with the information icon.
TEST_F(AppTest, ErrorsShowTheErrorIconAndNewsTheInformationIcon) {
    struct Case {
        const char* name;
        std::function<void()> act;
        UINT icon;
    };
    const Case cases[] = {
        {"not found",
         [this] {
             form->edtAbbr->SetText("NONE");
             ClickOn(form->btnFind);
         },
         MB_ICONINFORMATION},
        {"saved", [] { AltKey('S'); }, MB_ICONINFORMATION},
        {"a repeated title",
         [this] {
             AbbrInfo same = Info("ALC");
             form->InsertInfo(&same);
         },
         MB_ICONERROR},
    };
    OpenMain(FourRecords);
    for (const Case& c : cases) {
        boxTypes.clear();
        AnswerBox();
        c.act();
        win::Headless::ProcessMessages();
        ASSERT_EQ(boxTypes.size(), 1u) << c.name;
        EXPECT_EQ(boxTypes[0] & MB_ICONMASK, c.icon) << c.name;
    }
}

TEST_F(AppTest, DeleteFromThePopupMenuRemovesTheSelectedRowAtOnce) {
    OpenMain(FourRecords);
    form->edtAbbr->SetText("ALC");
    const TRect row = form->lvData->ItemRect(1, drBounds);
    const TPoint p = form->lvData->ClientToScreen({row.left + 10, row.top + 3});
    driver->WhenIdle([] { win::Headless::KeyPress('D', U'd'); });
    win::Headless::Click(p.x, p.y, 1);
    win::Headless::ProcessMessages();
    EXPECT_EQ(Rows(), (std::vector<std::string>{"ADD", "ALW", "ZZ"}));
    EXPECT_EQ(form->lblSum->GetCaption(), "3 abbreviations in total.");
    EXPECT_EQ(form->m_pList->GetCount(), 3u);
    EXPECT_EQ(Record("ALC"), nullptr);
    // Only Save changes the file.
    EXPECT_EQ(Titles(ReadDataFile()), (std::vector<std::string>{"ADD", "ALC", "ALW", "ZZ"}));

    // With nothing selected, Delete does nothing.
    form->lvData->SetItemIndex(-1);
    form->miDelClick(form->miDel);
    EXPECT_EQ(form->m_pList->GetCount(), 3u);
}

TEST_F(AppTest, AltSSavesTheListInItsOrderAndConfirms) {
    AbbrInfo kept = Info("ZZ", "kept whole", 0x10 | AbbrFlagKeyword, "SMPL");
    kept.nReserved[2] = -7;
    kept.szReserved[3][0] = 'x';
    OpenMain({Info("ALW"), kept, Info("ADD")});
    delete form->RemoveInfo(Record("ALW"));
    form->FillList();
    AnswerBox();
    AltKey('S');
    win::Headless::ProcessMessages();
    EXPECT_EQ(boxes, (std::vector<Box>{{"Information", "Quorvane Reference saved successfully."}}));
    const std::vector<AbbrInfo> saved = ReadDataFile();
    EXPECT_EQ(Titles(saved), (std::vector<std::string>{"ADD", "ZZ"}));
    ASSERT_EQ(saved.size(), 2u);
    EXPECT_EQ(std::memcmp(&saved[1], &kept, sizeof kept), 0);
}

TEST_F(AppTest, AFailedSaveShowsAnErrorAndNoConfirmation) {
    OpenMain(FourRecords);
    form->SetDataPath(dir.Path("missing/quorvane.dat"));
    // A second box, unanswered, would stop the headless loop and fail the test.
    AnswerBox();
    AltKey('S');
    win::Headless::ProcessMessages();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].caption, "Error");
    EXPECT_NE(boxes[0].text.find("was not saved"), std::string::npos) << boxes[0].text;
    EXPECT_FALSE(std::filesystem::exists(dir.Path("missing")));
}

TEST_F(AppTest, LoadingReportsRefusedRecordsAndDamageAndKeepsWhatWasWhole) {
    WriteDataFile(
        {Info("ALC"), Info("ADD", "first"), Info("ADD", "second"), Info(""), Info("ALW")});
    std::string bytes = TempDir::ReadAll(path);
    bytes.resize(bytes.size() - 3);  // the last record's last reserved string is cut short
    TempDir::WriteAll(path, bytes);
    const std::string before = TempDir::ReadAll(path);

    form.reset(TCustomForm::Create<TfmMain>(nullptr));
    form->SetDataPath(path);
    // One box for everything; a second, unanswered, would stop the headless loop.
    AnswerBox();
    EXPECT_TRUE(form->LoadData());
    form->FillList();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0],
              (Box{"Error", "The data file \"" + path +
                                "\" is damaged: record 5 of 5: the file ends inside its fourth "
                                "reserved string. The 4 records before the damage were loaded; "
                                "the file was left as it is. 2 records were not loaded: 1 "
                                "repeats a title already loaded (\"ADD\"); 1 has an empty "
                                "title. The first save keeps this file as \"" +
                                path + ".bak\"."}));
    EXPECT_EQ(Rows(), (std::vector<std::string>{"ADD", "ALC"}));
    EXPECT_STREQ(Record("ADD")->szInfo, "first");
    EXPECT_EQ(TempDir::ReadAll(path), before);
}

// A file damaged in its second record loads one record; saving must not throw away the
// others that could not be read, so the first save keeps the old file beside the new one.
TEST_F(AppTest, SaveAfterADamagedLoadKeepsTheOldFileAsABackup) {
    WriteDataFile({Info("ADD", "add"), Info("CRT", "create"), Info("DLT", "delete")});
    std::string bytes = TempDir::ReadAll(path);
    const std::size_t second = bytes.find("CRT") - 4;
    bytes[second] = 100;  // the second title's length, longer than its field
    TempDir::WriteAll(path, bytes);

    form.reset(TCustomForm::Create<TfmMain>(nullptr));
    form->SetDataPath(path);
    AnswerBox();
    EXPECT_TRUE(form->LoadData());
    form->FillList();
    ASSERT_EQ(Rows(), (std::vector<std::string>{"ADD"}));

    AnswerBox();
    form->btnSave->Click();
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[1], (Box{"Information",
                             "Quorvane Reference saved successfully. The damaged file it was "
                             "loaded from was kept as \"" +
                                 path + ".bak\"."}));
    EXPECT_EQ(TempDir::ReadAll(path + ".bak"), bytes);
    EXPECT_EQ(Titles(ReadDataFile()), (std::vector<std::string>{"ADD"}));

    // The next save replaces only what the first one wrote; the backup stays.
    AnswerBox();
    form->btnSave->Click();
    EXPECT_EQ(boxes.back(), (Box{"Information", "Quorvane Reference saved successfully."}));
    EXPECT_EQ(TempDir::ReadAll(path + ".bak"), bytes);
}

// Another program saved the file after this window loaded it: the save asks, and each answer
// keeps what it says and nothing is dropped in silence.
TEST_F(AppTest, ASaveOverAFileAnotherProgramSavedAsksToMergeOrReload) {
    struct Case {
        const char* szName;
        char cAnswer;
        std::vector<std::string> fileAfter;
        std::vector<std::string> rowsAfter;
        std::vector<std::string> captions;
    };
    const Case cases[] = {
        {"merge",
         'y',
         {"ADD", "ALC", "ALW", "MINE", "THEIR"},
         {"ADD", "ALC", "ALW", "MINE", "THEIR"},
         {TfmMain::ChangedCaption, "Information"}},
        {"reload",
         'n',
         {"ADD", "ALC", "ALW", "THEIR"},
         {"ADD", "ALC", "ALW", "THEIR"},
         {TfmMain::ChangedCaption}},
        {"neither",
         0x1B,
         {"ADD", "ALC", "ALW", "THEIR"},
         {"ADD", "ALC", "ALW", "MINE"},
         {TfmMain::ChangedCaption}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        boxes.clear();
        OpenMain({Info("ADD"), Info("ALC"), Info("ALW")});
        AbbrInfo mine = Info("MINE", "added here");
        form->InsertInfo(&mine);
        form->FillList();
        // The other program's save: one record added, by the same code as a window's.
        CxList other;
        for (const char* szTitle : {"ADD", "ALC", "ALW", "THEIR"}) {
            AbbrInfo info = Info(szTitle);
            AbbrStore(other).InsertInfo(&info);
        }
        CxFile file;
        ASSERT_TRUE(AbbrData(file).SaveData(path, other).bSaved);
        AbbrStore(other).ClearData();

        if (c.cAnswer == 0x1B) {
            driver->WhenIdle([this] {
                TMessageForm* box = TMessageForm::Showing();
                boxes.push_back({box->GetCaption(), ""});
                win::Headless::KeyPress(VK_ESCAPE, U'\x1b');
            });
        } else {
            AnswerBox(c.cAnswer);
        }
        if (c.captions.size() > 1) AnswerBox();
        form->btnSave->Click();
        std::vector<std::string> captions;
        for (const Box& box : boxes) captions.push_back(box.caption);
        EXPECT_EQ(captions, c.captions);
        EXPECT_EQ(Titles(ReadDataFile()), c.fileAfter);
        EXPECT_EQ(Rows(), c.rowsAfter);
    }
}

// Both windows changed one entry: the merge keeps this window's version, says so, and keeps
// the other program's whole file as the backup, so that its version is not lost either.
TEST_F(AppTest, AnEntryChangedOnBothSidesKeepsThisWindowsVersionAndTheOtherAsABackup) {
    OpenMain({Info("ADD", "base"), Info("ALC", "base")});
    std::strcpy(Record("ADD")->szInfo, "ours");
    CxList other;
    for (const char* szTitle : {"ADD", "ALC"}) {
        AbbrInfo info = Info(szTitle, "theirs");
        AbbrStore(other).InsertInfo(&info);
    }
    CxFile file;
    ASSERT_TRUE(AbbrData(file).SaveData(path, other).bSaved);
    AbbrStore(other).ClearData();
    const std::string theirs = TempDir::ReadAll(path);

    for (int i = 0; i < 3; ++i) AnswerBox();
    form->btnSave->Click();
    ASSERT_EQ(boxes.size(), 3u);
    EXPECT_EQ(boxes[0].caption, TfmMain::ChangedCaption);
    EXPECT_EQ(boxes[1], (Box{"Information",
                             "1 entry was changed both here and by the other program "
                             "(\"ADD\"). The versions made here are kept (an entry deleted "
                             "here but changed there stays); the save keeps the other "
                             "program's file as \"" +
                                 path + ".bak\"."}));
    EXPECT_EQ(boxes[2].caption, "Information");
    const std::vector<AbbrInfo> saved = ReadDataFile();
    ASSERT_EQ(Titles(saved), (std::vector<std::string>{"ADD", "ALC"}));
    EXPECT_STREQ(saved[0].szInfo, "ours");
    EXPECT_STREQ(saved[1].szInfo, "theirs");
    EXPECT_EQ(TempDir::ReadAll(path + ".bak"), theirs);
}

// A file that is there but cannot be read is said so, and never saved over: a pipe, which
// also must not hold the window up.
TEST_F(AppTest, AFileThatCannotBeReadIsReportedAndNeverSavedOver) {
    ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0);
    form.reset(TCustomForm::Create<TfmMain>(nullptr));
    form->SetDataPath(path);
    AnswerBox();
    EXPECT_FALSE(form->LoadData());
    form->FillList();
    AnswerBox();
    EXPECT_FALSE(form->SaveData());
    EXPECT_EQ(boxes, (std::vector<Box>{
                         {"Error",
                          "The data file cannot be read: it is not a regular file. "
                          "The list is empty, and saving is refused so that \"" +
                              path + "\" is not written over."},
                         {"Error", "Nothing was saved: the data file could not be read, so \"" +
                                       path + "\" is not written over."}}));
    struct stat st {};
    ASSERT_EQ(::stat(path.c_str(), &st), 0);
    EXPECT_TRUE(S_ISFIFO(st.st_mode));
}

TEST_F(AppTest, AMissingFileStartsEmptyWithoutAMessage) {
    form.reset(TCustomForm::Create<TfmMain>(nullptr));
    form->SetDataPath(dir.Path("none.dat"));
    // A box would wait for an answer that never comes, which stops the headless loop.
    EXPECT_FALSE(form->LoadData());
    form->FillList();
    EXPECT_TRUE(boxes.empty());
    EXPECT_EQ(form->lblSum->GetCaption(), "0 abbreviations in total.");
}

TEST_F(AppTest, TheLinkOpensItsPageOnTheExampleHost) {
    OpenMain({});
    ClickOn(form->skURLLabel1);
    win::Headless::ProcessMessages();
    EXPECT_EQ(driver->OpenedUrls(),
              (std::vector<std::string>{"https://brontide.example/brontide/index.htm"}));
}
