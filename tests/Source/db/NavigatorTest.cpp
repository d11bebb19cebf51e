// The record navigator over the people table: which buttons the dataset's state enables,
// what each does, the delete question, the layout of its buttons, the keys and the repeat
// of a held button on the virtual clock.
#include <functional>
#include <string>
#include <vector>

#include "Source/db/SKDBCtrls.h"
#include "platform/vcl/dialogs/MessageDlg.h"
#include "tests/Source/db/SkinDbTestSupport.h"

namespace skindbtest {

namespace {

// Which buttons are enabled, as letters in button order: "FPNLIDEPCR", a dot for off.
std::string Enabled(TskDBNavigator* nav) {
    const char letters[] = "FPNLIDEPCR";
    std::string result;
    for (int i = nbFirst; i <= nbRefresh; ++i)
        result += nav->Buttons(static_cast<TNavigateBtn>(i))->GetEnabled() ? letters[i] : '.';
    return result;
}

}  // namespace

class Navigator : public SkinDbTest {
protected:
    TskDBNavigator* Nav(int width = 250) {
        auto* nav = Place<TskDBNavigator>(10, 10, width, 30);
        nav->SetDataSource(source.get());
        return nav;
    }
};

TEST_F(Navigator, ButtonsFollowTheDatasetsStateAndPosition) {
    TskDBNavigator* nav = Nav();
    EXPECT_EQ(Enabled(nav), "..........") << "a closed dataset disables everything";
    table->Open();
    EXPECT_EQ(Enabled(nav), "..NLIDE..R") << "at the first record";
    ClickOn(nav->Buttons(nbNext));
    EXPECT_EQ(Name(), "Bob");
    EXPECT_EQ(Enabled(nav), "FPNLIDE..R");
    ClickOn(nav->Buttons(nbLast));
    EXPECT_EQ(Name(), "Cy");
    EXPECT_EQ(Enabled(nav), "FP..IDE..R");
    ClickOn(nav->Buttons(nbEdit));
    EXPECT_EQ(table->GetState(), dsEdit);
    EXPECT_EQ(Enabled(nav), "FP..ID.PCR");
    ClickOn(nav->Buttons(nbCancel));
    EXPECT_EQ(table->GetState(), dsBrowse);
    nav->SetEnabled(false);
    EXPECT_EQ(Enabled(nav), "..........");
    nav->SetEnabled(true);
    EXPECT_EQ(Enabled(nav), "FP..IDE..R");
    table->Close();
    EXPECT_EQ(Enabled(nav), "..........");
}

// The buttons that change data follow what the dataset allows: on a read-only table or a
// query no button offers to insert, delete, edit or refresh, wherever the cursor stands,
// while the moving buttons follow the position as on any dataset.
TEST_F(Navigator, ButtonsThatChangeDataFollowWhatTheDatasetAllows) {
    TSQLiteQuery query(nullptr);
    query.SetDatabase(db.get());
    query.SetSQL("SELECT name, age FROM people ORDER BY id");
    struct Case {
        const char* name;
        std::function<TDataSet*()> open;
        const char* atFirst;
        const char* inTheMiddle;
        const char* atLast;
    };
    const Case cases[] = {
        {"a table",
         [&]() -> TDataSet* {
             table->Open();
             return table.get();
         },
         "..NLIDE..R", "FPNLIDE..R", "FP..IDE..R"},
        {"a read-only table",
         [&]() -> TDataSet* {
             table->SetReadOnly(true);
             table->Open();
             return table.get();
         },
         "..NL......", "FPNL......", "FP........"},
        {"a query",
         [&]() -> TDataSet* {
             query.Open();
             return &query;
         },
         "..NL......", "FPNL......", "FP........"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TDataSet* dataSet = c.open();
        source->SetDataSet(dataSet);
        TskDBNavigator* nav = Nav();
        EXPECT_EQ(Enabled(nav), c.atFirst);
        ClickOn(nav->Buttons(nbNext));
        EXPECT_EQ(Enabled(nav), c.inTheMiddle);
        ClickOn(nav->Buttons(nbLast));
        EXPECT_EQ(Enabled(nav), c.atLast);
        if (c.atLast[5] == '.') {
            // A click on a button that is off changes nothing.
            ClickOn(nav->Buttons(nbDelete));
            ClickOn(nav->Buttons(nbEdit));
            EXPECT_EQ(dataSet->GetRecordCount(), 3);
            EXPECT_EQ(dataSet->GetState(), dsBrowse);
        }
        delete nav;
        dataSet->Close();
        table->SetReadOnly(false);
    }
}

TEST_F(Navigator, AnEmptyDatasetDisablesMovingAndDeleting) {
    db->ExecSQL("DELETE FROM people");
    TskDBNavigator* nav = Nav();
    table->Open();
    EXPECT_EQ(Enabled(nav), "....I.E..R");
}

TEST_F(Navigator, InsertAndPostAddARecord) {
    TskDBNavigator* nav = Nav();
    table->Open();
    ClickOn(nav->Buttons(nbInsert));
    EXPECT_EQ(table->GetState(), dsInsert);
    table->FieldByName("name")->SetAsString("Dee");
    ClickOn(nav->Buttons(nbPost));
    EXPECT_EQ(table->GetState(), dsBrowse);
    EXPECT_EQ(table->GetRecordCount(), 4);
}

TEST_F(Navigator, DeleteAsksFirstUnlessConfirmDeleteIsOff) {
    struct Case {
        const char* name;
        bool confirm;
        WORD answer;  // the key that answers the box, or 0 when no box may show
        int recordsLeft;
    };
    const Case cases[] = {
        {"confirmed", true, VK_RETURN, 2},
        {"cancelled", true, VK_ESCAPE, 3},
        {"not asked", false, 0, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        table->Close();
        db->ExecSQL("DELETE FROM people");
        db->ExecSQL("INSERT INTO people (name) VALUES ('Ann'), ('Bob'), ('Cy')");
        TskDBNavigator* nav = Nav();
        nav->SetConfirmDelete(c.confirm);
        table->Open();
        std::string question;
        bool asked = false;
        if (c.answer)
            driver->WhenIdle([&] {
                TMessageForm* box = TMessageForm::Showing();
                ASSERT_NE(box, nullptr);
                asked = true;
                question = static_cast<TControl*>(box->FindComponent("Message"))->GetCaption();
                EXPECT_EQ(box->Type() & MB_ICONMASK, static_cast<UINT>(MB_ICONQUESTION));
                Headless::KeyPress(c.answer, c.answer == VK_RETURN ? U'\r' : U'\x1b');
            });
        nav->BtnClick(nbDelete);
        Pump();
        EXPECT_EQ(asked, c.answer != 0);
        if (c.answer) {
            EXPECT_EQ(question, "删除记录？");
        }
        EXPECT_EQ(table->GetRecordCount(), c.recordsLeft);
        delete nav;
    }
}

TEST_F(Navigator, BeforeActionAndOnClickSurroundTheAction) {
    TskDBNavigator* nav = Nav();
    std::vector<std::string> log;
    auto Current = [&] { return table->GetActive() ? Name() : std::string("closed"); };
    nav->BeforeAction = [&](TObject*, TNavigateBtn b) {
        log.push_back("before " + std::to_string(b) + " " + Current());
    };
    nav->OnClick = [&](TObject*, TNavigateBtn b) {
        log.push_back("click " + std::to_string(b) + " " + Current());
    };
    nav->BtnClick(nbNext);
    EXPECT_EQ(log, std::vector<std::string>{"click 2 closed"}) << "closed: only OnClick";
    log.clear();
    table->Open();
    nav->BtnClick(nbNext);
    EXPECT_EQ(log, (std::vector<std::string>{"before 2 Ann", "click 2 Bob"}));
}

TEST_F(Navigator, ButtonsShareTheWidthAndTheWidthSnapsToThem) {
    struct Case {
        const char* name;
        TButtonSet visible;
        int width;
        int expectedWidth;
        int buttonWidth;
    };
    const TButtonSet seven =
        kAllNavigateButtons &
        ~(NavigateButton(nbInsert) | NavigateButton(nbDelete) | NavigateButton(nbRefresh));
    const Case cases[] = {
        {"ten at 250", kAllNavigateButtons, 250, 250, 25},
        {"ten at 255", kAllNavigateButtons, 255, 250, 25},
        {"ten at 100 need 200", kAllNavigateButtons, 100, 200, 20},
        {"seven at 250", seven, 250, 245, 35},
        {"none counts as one", 0, 50, 50, 50},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TskDBNavigator* nav = Nav();
        nav->SetVisibleButtons(c.visible);
        nav->SetBounds(10, 10, c.width, 30);
        Pump();
        EXPECT_EQ(nav->GetWidth(), c.expectedWidth);
        EXPECT_EQ(nav->ButtonWidth(), c.buttonWidth);
        int x = 0;
        for (int i = nbFirst; i <= nbRefresh; ++i) {
            TskNavButton* b = nav->Buttons(static_cast<TNavigateBtn>(i));
            if (!b->GetVisible()) {
                EXPECT_GT(b->GetLeft(), nav->GetWidth()) << "hidden button " << i;
                continue;
            }
            EXPECT_EQ(b->GetLeft(), x) << "button " << i;
            EXPECT_EQ(b->GetWidth(), c.buttonWidth) << "button " << i;
            EXPECT_EQ(b->GetHeight(), 30) << "button " << i;
            x += b->GetWidth();
        }
        delete nav;
    }
}

TEST_F(Navigator, AnAlignedNavigatorSpreadsTheLeftoverPixels) {
    TskDBNavigator* nav = Nav();
    nav->SetAlign(alTop);
    Pump();
    // The form's client is wider than ten buttons of its width div 10: the rest goes one
    // pixel each to some buttons, and the row fills the navigator exactly.
    const int width = nav->GetWidth();
    int right = 0, wider = 0;
    for (int i = nbFirst; i <= nbRefresh; ++i) {
        TskNavButton* b = nav->Buttons(static_cast<TNavigateBtn>(i));
        EXPECT_EQ(b->GetLeft(), right);
        right += b->GetWidth();
        if (b->GetWidth() == width / 10 + 1) ++wider;
    }
    EXPECT_EQ(right, width);
    EXPECT_EQ(wider, width % 10);
}

TEST_F(Navigator, ArrowKeysMoveTheFocusOverVisibleButtonsAndSpaceClicks) {
    TskDBNavigator* nav = Nav();
    nav->SetTabStop(true);
    nav->SetVisibleButtons(
        kAllNavigateButtons &
        ~(NavigateButton(nbInsert) | NavigateButton(nbDelete) | NavigateButton(nbRefresh)));
    table->Open();
    ClickOn(nav->Buttons(nbLast));
    EXPECT_TRUE(nav->Focused()) << "a click on a button focuses the navigator";
    EXPECT_EQ(nav->FocusedButton(), nbLast);
    Key(VK_RIGHT);
    EXPECT_EQ(nav->FocusedButton(), nbEdit) << "Right jumps over the hidden buttons";
    Key(VK_RIGHT);
    Key(VK_RIGHT);
    EXPECT_EQ(nav->FocusedButton(), nbCancel);
    Key(VK_RIGHT);
    EXPECT_EQ(nav->FocusedButton(), nbCancel) << "no shown button further right";
    for (int i = 0; i < 8; ++i) Key(VK_LEFT);
    EXPECT_EQ(nav->FocusedButton(), nbFirst);
    Key(VK_RIGHT);
    EXPECT_EQ(nav->FocusedButton(), nbPrior);
    Key(VK_SPACE);
    EXPECT_EQ(Name(), "Bob") << "Space clicks the focused button";
    Key(VK_RIGHT);
    Key(VK_SPACE);
    Key(VK_SPACE);
    EXPECT_EQ(Name(), "Cy") << "a disabled button is not clicked";
}

TEST_F(Navigator, HoldingNextStepsAfter400MsThenEvery100Ms) {
    db->ExecSQL("INSERT INTO people (name) VALUES ('D'), ('E'), ('F'), ('G'), ('H'), ('I')");
    TskDBNavigator* nav = Nav();
    table->Open();
    auto position = [&] { return table->GetRecNo(); };
    Hold(nav->Buttons(nbNext));
    Headless::AdvanceTime(399);
    EXPECT_EQ(position(), 1) << "nothing before 400 ms";
    Headless::AdvanceTime(1);
    EXPECT_EQ(position(), 2);
    Headless::AdvanceTime(99);
    EXPECT_EQ(position(), 2);
    Headless::AdvanceTime(1);
    EXPECT_EQ(position(), 3);
    Headless::AdvanceTime(200);
    EXPECT_EQ(position(), 5);
    Release();
    EXPECT_EQ(position(), 6) << "the release inside clicks once more";
    Headless::AdvanceTime(1000);
    EXPECT_EQ(position(), 6) << "released, it stops";
    EXPECT_FALSE(nav->Buttons(nbNext)->NavRepeating());
}

TEST_F(Navigator, OnlyPriorAndNextRepeat) {
    TskDBNavigator* nav = Nav();
    table->Open();
    ClickOn(nav->Buttons(nbLast));
    Hold(nav->Buttons(nbPrior));
    EXPECT_TRUE(nav->Buttons(nbPrior)->NavRepeating());
    Release();
    Hold(nav->Buttons(nbFirst));
    Headless::AdvanceTime(1000);
    EXPECT_FALSE(nav->Buttons(nbFirst)->NavRepeating());
    Release();
}

TEST_F(Navigator, HintsComeFromTheDefaultsUnlessGiven) {
    TskDBNavigator* nav = Nav();
    EXPECT_EQ(nav->Buttons(nbFirst)->GetHint(), "第一条记录");
    EXPECT_EQ(nav->Buttons(nbRefresh)->GetHint(), "刷新数据");
    nav->GetHints()->SetText("First\n\nNext\n");
    EXPECT_EQ(nav->Buttons(nbFirst)->GetHint(), "First");
    EXPECT_EQ(nav->Buttons(nbPrior)->GetHint(), "前一条记录") << "an empty line keeps the default";
    EXPECT_EQ(nav->Buttons(nbNext)->GetHint(), "Next");
    TStringList defaults;
    defaults.SetText(
        "第一条记录\n前一条记录\n下一条记录\n最后一条记录\n插入记录\n删除记录\n"
        "修改记录\n提交修改\n取消修改\n刷新数据\n");
    nav->SetHints(&defaults);
    EXPECT_EQ(nav->GetHints()->Count(), 0) << "the default text clears the custom hints";
    EXPECT_EQ(nav->Buttons(nbFirst)->GetHint(), "第一条记录");
}

TEST_F(Navigator, ARemovedDataSourceIsForgotten) {
    TskDBNavigator* nav = Nav();
    table->Open();
    source.reset();
    EXPECT_EQ(nav->GetDataSource(), nullptr);
    EXPECT_EQ(Enabled(nav), "..........");
}

}  // namespace skindbtest
