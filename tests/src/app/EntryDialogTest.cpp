// The entry dialog: its controls as described, the double-click edit in place with OK and
// Cancel, the cut at the field widths, upper case where it is forced, Add through Alt+A with
// its refusals, and the in-place edits that are refused because the next load would lose them.
#include <map>

#include "tests/src/app/AppTestFixture.h"

using apptest::AppTest;
using apptest::Box;
using apptest::Info;

namespace {

class EntryDialogTest : public AppTest {
protected:
    // Selects the row titled szTitle and double-clicks it; the dialog's loop runs act.
    void DoubleClickRow(const char* szTitle, std::function<void(TfmAbbr&)> act) {
        form->edtAbbr->SetText(szTitle);
        const TRect row = form->lvData->ItemRect(form->lvData->GetItemIndex(), drBounds);
        const TPoint p = form->lvData->ClientToScreen({row.left + 10, row.top + 3});
        driver->WhenIdle([act] {
            TfmAbbr* dialog = Dialog();
            ASSERT_NE(dialog, nullptr);
            act(*dialog);
        });
        win::Headless::Click(p.x, p.y);
        win::Headless::Click(p.x, p.y);
        win::Headless::ProcessMessages();
    }
    // Opens Add with Alt+A and fills the dialog in, typing as the user would, then presses
    // the named button; a message box that follows is answered when answerBox is set.
    void Add(const std::string& title, const std::string& info, bool command, bool keyword,
             const char* button = "btnOK", bool answerBox = false) {
        driver->WhenIdle([=] {
            TfmAbbr* dialog = Dialog();
            ASSERT_NE(dialog, nullptr);
            TypeFields({title, info});
            if (command) ClickOn(dialog->chkCommand);
            if (keyword) ClickOn(dialog->chkKeyword);
            ClickOn(static_cast<TControl*>(dialog->FindComponent(button)));
        });
        if (answerBox) AnswerBox();
        AltKey('A');
        win::Headless::ProcessMessages();
    }
    // Types into the edits in their tab order from the title on, where the dialog opens.
    static void TypeFields(const std::vector<std::string>& texts) {
        for (const std::string& text : texts) {
            win::Headless::TypeText(text);
            win::Headless::KeyPress(VK_TAB, U'\t');
        }
    }
};

}  // namespace

TEST_F(EntryDialogTest, ControlsStandWhereTheDescriptionPutsThem) {
    std::unique_ptr<TfmAbbr> dialog(TCustomForm::Create<TfmAbbr>(nullptr));
    struct Case {
        TControl* control;
        const char* name;
        TRect bounds;
        const char* caption;
        int tabOrder;
    };
    const Case cases[] = {
        {dialog->Label1, "Label1", {32, 56, 70, 69}, "Title : ", -1},
        {dialog->Label2, "Label2", {33, 87, 68, 100}, "Info : ", -1},
        {dialog->Label3, "Label3", {17, 121, 63, 134}, "Sample:", -1},
        {dialog->Label4, "Label4", {34, 155, 71, 168}, "Flag : ", -1},
        {dialog->edtTitle, "edtTitle", {79, 54, 200, 73}, "", 1},
        {dialog->edtInfo, "edtInfo", {79, 85, 365, 104}, "", 2},
        {dialog->edtSample, "edtSample", {80, 118, 249, 137}, "", 3},
        {dialog->chkCommand, "chkCommand", {79, 152, 149, 173}, "Command", 4},
        {dialog->chkKeyword, "chkKeyword", {184, 153, 248, 174}, "Keyword", 5},
        {dialog->btnOK, "btnOK", {191, 188, 271, 215}, "OK", 6},
        {dialog->btnCancel, "btnCancel", {287, 188, 367, 215}, "Cancel", 7},
    };
    // The description's tab orders, mapped to the ones the controls got: the same order.
    std::map<int, int> byTabOrder;
    for (const Case& c : cases) {
        ASSERT_NE(c.control, nullptr) << c.name;
        EXPECT_EQ(c.control->GetParent(), dialog->skForm1) << c.name;
        // Labels size themselves to their text in the font at hand, and so do the auto
        // sized check boxes and radio buttons, whose height the picture decides.
        if (dynamic_cast<TLabel*>(c.control))
            EXPECT_EQ(c.control->BoundsRect().TopLeft(), c.bounds.TopLeft()) << c.name;
        else if (dynamic_cast<TskCheckBox*>(c.control)) {
            EXPECT_EQ(c.control->BoundsRect().TopLeft(), c.bounds.TopLeft()) << c.name;
            EXPECT_EQ(c.control->GetHeight(), c.bounds.Height()) << c.name;
        } else
            EXPECT_EQ(c.control->BoundsRect(), c.bounds) << c.name;
        EXPECT_EQ(c.control->GetCaption(), c.caption) << c.name;
        if (auto* w = dynamic_cast<TWinControl*>(c.control); w && c.tabOrder >= 0)
            byTabOrder[c.tabOrder] = w->GetTabOrder();
    }
    for (auto it = byTabOrder.begin(); std::next(it) != byTabOrder.end(); ++it)
        EXPECT_LT(it->second, std::next(it)->second) << "tab order " << it->first;
    EXPECT_EQ(dialog->GetCaption(), "Quorvane");
    EXPECT_EQ(dialog->GetClientWidth(), 390);
    EXPECT_EQ(dialog->GetClientHeight(), 223);
    // The same skinned frame as the main window's; alone, it is the first and holds the
    // Alt+Space hook.
    EXPECT_EQ(GetWindowLong(dialog->Handle(), GWL_STYLE) & WS_CAPTION, 0);
    EXPECT_EQ(dialog->skForm1->GetUIStyle(), MacOS);
    EXPECT_EQ(dialog->skForm1->TitleBar()->GetCaption(), "Quorvane");
    EXPECT_EQ(dialog->skForm1->TitleBar()->GetHeight(), 20);
    EXPECT_EQ(dialog->skForm1->TitleBar()->GetButtons()->Count(), 2);
    EXPECT_TRUE(dialog->skForm1->HooksApplication());
    EXPECT_EQ(dialog->m_pInfo, nullptr);
    EXPECT_EQ(dialog->edtTitle->GetCharCase(), ecUpperCase);
    EXPECT_EQ(dialog->edtInfo->GetCharCase(), ecNormal);
    EXPECT_EQ(dialog->edtSample->GetCharCase(), ecUpperCase);
    EXPECT_FALSE(dialog->btnOK->GetDefault());
    EXPECT_FALSE(dialog->btnCancel->GetCancel());
    EXPECT_EQ(dialog->btnOK->GetModalResult(), mrNone);
    EXPECT_EQ(dialog->btnCancel->GetModalResult(), mrCancel);
}

TEST_F(EntryDialogTest, ADoubleClickShowsTheEntryAndOkWritesTheControlsBackInPlace) {
    AbbrInfo both = Info("DSP", "display", AbbrFlagCommand | AbbrFlagKeyword, "DSPOBJD");
    both.nFlag |= 0x40;
    both.nReserved[0] = 5;
    both.szReserved[1][0] = 'r';
    OpenMain({Info("CRT", "create", AbbrFlagCommand), both});
    AbbrInfo* record = Record("DSP");
    std::string shownTitle, shownInfo, shownSample;
    bool shownCommand = false, shownKeyword = false;
    DoubleClickRow("DSP", [&](TfmAbbr& dialog) {
        EXPECT_EQ(dialog.m_pInfo, record);
        shownTitle = dialog.edtTitle->GetText();
        shownInfo = dialog.edtInfo->GetText();
        shownSample = dialog.edtSample->GetText();
        shownCommand = dialog.chkCommand->GetChecked();
        shownKeyword = dialog.chkKeyword->GetChecked();
        ClickOn(dialog.chkCommand);
        dialog.edtInfo->SetText("Display");
        ClickOn(dialog.btnOK);
    });
    EXPECT_EQ(shownTitle, "DSP");
    EXPECT_EQ(shownInfo, "display");
    EXPECT_EQ(shownSample, "DSPOBJD");
    EXPECT_TRUE(shownCommand);
    EXPECT_TRUE(shownKeyword);
    // The same record, changed in place; what the dialog does not show stays as it was.
    ASSERT_EQ(Record("DSP"), record);
    EXPECT_STREQ(record->szInfo, "Display");
    EXPECT_EQ(record->nFlag, AbbrFlagKeyword | 0x40);
    EXPECT_EQ(record->nReserved[0], 5);
    EXPECT_EQ(record->szReserved[1][0], 'r');
    EXPECT_EQ(form->lvData->GetItems()->GetItem(1)->GetSubItems()->Strings(0), "Display");
}

TEST_F(EntryDialogTest, CancelEnterEscapeAndTheTitleBarLeaveTheRecordUntouched) {
    AbbrInfo original = Info("DSP", "display", AbbrFlagCommand, "DSPLIB");
    original.nReserved[3] = 9;
    OpenMain({original});
    struct Case {
        const char* name;
        std::function<void(TfmAbbr&)> close;
    };
    const Case cases[] = {
        {"Cancel", [](TfmAbbr& d) { ClickOn(d.btnCancel); }},
        {"Enter, Escape, then Cancel",
         [](TfmAbbr& d) {
             win::Headless::KeyPress(VK_RETURN, U'\r');
             win::Headless::KeyPress(VK_ESCAPE, U'\x1b');
             win::Headless::ProcessMessages();
             EXPECT_TRUE(d.GetVisible());
             ClickOn(d.btnCancel);
         }},
        // Escape is a dialog key wherever the focus is; no button answers it here.
        {"Escape in the sample edit, then Cancel",
         [](TfmAbbr& d) {
             win::Headless::ProcessMessages();
             d.edtSample->SetFocus();
             win::Headless::KeyPress(VK_ESCAPE, U'\x1b');
             win::Headless::ProcessMessages();
             EXPECT_TRUE(d.GetVisible());
             EXPECT_TRUE(d.edtSample->Focused());
             ClickOn(d.btnCancel);
         }},
        {"the title bar's close",
         [](TfmAbbr& d) {
             TskTitleBar* bar = d.skForm1->TitleBar();
             const TPoint p = bar->ClientToScreen({bar->GetWidth() - 11, 9});
             win::Headless::Click(p.x, p.y);
         }},
    };
    for (const Case& c : cases) {
        DoubleClickRow("DSP", [&](TfmAbbr& dialog) {
            dialog.edtTitle->SetText("XYZ");
            dialog.edtInfo->SetText("changed");
            ClickOn(dialog.chkKeyword);
            c.close(dialog);
        });
        EXPECT_EQ(std::memcmp(Record("DSP"), &original, sizeof original), 0) << c.name;
    }
}

// OK writes only what the user changed: an untouched entry stays byte for byte, with its
// reserved fields, the flag bits the dialog does not show, and a small sample or title that
// the upper-case edits show in capitals.
TEST_F(EntryDialogTest, OkOnAnUntouchedEntryChangesNothing) {
    AbbrInfo small = Info("dsp", "display", AbbrFlagCommand, "dspobjd");
    AbbrInfo reserved = Info("RSV", "reserved", AbbrFlagKeyword | 0x7F00, "RSVD");
    reserved.nReserved[0] = -1;
    reserved.nReserved[3] = 123456;
    reserved.szReserved[0][0] = 'a';
    reserved.szReserved[3][0] = 'z';
    AbbrInfo full =
        Info("FULLTTL", std::string(255, 'i').c_str(), 0, std::string(255, 's').c_str());
    struct Case {
        const char* name;
        AbbrInfo record;
        std::function<void(TfmAbbr&)> act;
    };
    const Case cases[] = {
        {"small letters", small, [](TfmAbbr&) {}},
        {"reserved fields and flag bits", reserved, [](TfmAbbr&) {}},
        {"full fields", full, [](TfmAbbr&) {}},
        {"a box checked and unchecked again", reserved,
         [](TfmAbbr& d) {
             ClickOn(d.chkCommand);
             ClickOn(d.chkCommand);
         }},
        {"a letter typed and taken back", small,
         [](TfmAbbr& d) {
             d.edtInfo->SetFocus();
             win::Headless::KeyPress(VK_END, 0);
             win::Headless::TypeText("x");
             win::Headless::KeyPress(VK_BACK, U'\b');
         }},
    };
    for (const Case& c : cases) {
        OpenMain({c.record});
        const auto* record = static_cast<const AbbrInfo*>(form->m_pList->GetFirst());
        ASSERT_NE(record, nullptr) << c.name;
        const AbbrInfo before = *record;
        DoubleClickRow(before.szTitle, [&](TfmAbbr& dialog) {
            c.act(dialog);
            ClickOn(dialog.btnOK);
        });
        EXPECT_EQ(std::memcmp(record, &before, sizeof before), 0) << c.name;
        form.reset();
    }
}

// A change writes the field changed, and only that one: typed letters in capitals, the
// record's other bytes as they were.
TEST_F(EntryDialogTest, OkWritesOnlyTheFieldsTheUserChanged) {
    AbbrInfo original = Info("dsp", "display", AbbrFlagCommand | 0x100, "dspobjd");
    original.nReserved[1] = 77;
    OpenMain({original});
    DoubleClickRow("dsp", [](TfmAbbr& dialog) {
        dialog.edtInfo->SetFocus();
        win::Headless::KeyPress(VK_END, 0);
        win::Headless::TypeText(" object");
        ClickOn(dialog.chkKeyword);
        ClickOn(dialog.btnOK);
    });
    AbbrInfo expected = original;
    std::strcpy(expected.szInfo, "display object");
    expected.nFlag |= AbbrFlagKeyword;
    const auto* after = static_cast<const AbbrInfo*>(form->m_pList->GetFirst());
    EXPECT_EQ(std::memcmp(after, &expected, sizeof expected), 0);
    EXPECT_STREQ(after->szSample, "dspobjd");

    DoubleClickRow("dsp", [](TfmAbbr& dialog) {
        dialog.edtSample->SetFocus();
        win::Headless::KeyPress(VK_END, 0);
        win::Headless::TypeText("x");
        ClickOn(dialog.btnOK);
    });
    EXPECT_STREQ(after->szSample, "DSPOBJDX");
    EXPECT_STREQ(after->szTitle, "dsp");
}

// The edits take no more than the record's fields hold, counted in bytes, and never half a
// character: the dialog shows what OK will store.
TEST_F(EntryDialogTest, TheEditsRefuseInputBeyondTheFieldWidths) {
    OpenMain({});
    struct Case {
        const char* name;
        const char* edit;
        std::string typed;
        std::string pasted;
        std::string shown;
    };
    const std::string info254(254, 'm');
    const Case cases[] = {
        {"a title of ten letters", "edtTitle", "abcdefghij", "", "ABCDEFG"},
        {"a pasted title", "edtTitle", "", "abcdefghij", "ABCDEFG"},
        {"a letter of two bytes at the end of the title", "edtTitle", "abcdef\u00f1", "", "ABCDEF"},
        {"a meaning of 300 bytes", "edtInfo", "", std::string(300, 'm'), std::string(255, 'm')},
        {"a letter of two bytes after 254", "edtInfo", "", info254 + "\u00f1", info254},
        {"a sample of 300 bytes", "edtSample", std::string(300, 's'), "", std::string(255, 'S')},
    };
    for (const Case& c : cases) {
        std::string shown;
        driver->WhenIdle([&] {
            TfmAbbr* dialog = Dialog();
            ASSERT_NE(dialog, nullptr);
            auto* edit = static_cast<TskEdit*>(dialog->FindComponent(c.edit));
            edit->SetFocus();
            if (!c.typed.empty()) win::Headless::TypeText(c.typed);
            if (!c.pasted.empty()) {
                SetClipboardText(c.pasted);
                edit->Perform(WM_PASTE);
            }
            win::Headless::ProcessMessages();
            shown = edit->GetText();
            ClickOn(dialog->btnCancel);
        });
        AltKey('A');
        win::Headless::ProcessMessages();
        EXPECT_EQ(shown, c.shown) << c.name;
    }
}

TEST_F(EntryDialogTest, OkCutsTextsAtTheFieldWidthsAndForcesUpperCaseWhereTheDescriptionSays) {
    OpenMain({});
    const std::string longInfo(300, 'm');
    driver->WhenIdle([&] {
        TfmAbbr* dialog = Dialog();
        ASSERT_NE(dialog, nullptr);
        TypeFields({"abcdefghi", "Mixed Case", "crtlib"});
        ClickOn(dialog->btnOK);
    });
    AltKey('A');
    win::Headless::ProcessMessages();
    AbbrInfo* added = Record("ABCDEFG");
    ASSERT_NE(added, nullptr);
    EXPECT_STREQ(added->szInfo, "Mixed Case");
    EXPECT_STREQ(added->szSample, "CRTLIB");

    AbbrInfo info = Info("X");
    TfmAbbr::CopyField(info.szInfo, sizeof info.szInfo, longInfo);
    EXPECT_EQ(std::string(info.szInfo), longInfo.substr(0, 255));
}

TEST_F(EntryDialogTest, TheCutNeverSplitsACharacter) {
    struct Case {
        std::string text;
        std::string stored;
    };
    const Case cases[] = {
        {"ABCDEFG", "ABCDEFG"},
        {"ABCDEF\xC3\x84", "ABCDEF"},         // a two-byte letter across the end
        {"ABCDE\xC3\x84Z", "ABCDE\xC3\x84"},  // ending exactly at the width
        {"ABCD\xE2\x82\xAC\xE2\x82\xAC", "ABCD\xE2\x82\xAC"},
        {"\xF0\x9F\x98\x80\xF0\x9F\x98\x80", "\xF0\x9F\x98\x80"},
    };
    for (const Case& c : cases) {
        char szTitle[8];
        std::memset(szTitle, 'x', sizeof szTitle);
        TfmAbbr::CopyField(szTitle, sizeof szTitle, c.text);
        EXPECT_EQ(std::string(szTitle), c.stored);
        for (std::size_t i = c.stored.size(); i < sizeof szTitle; ++i)
            EXPECT_EQ(szTitle[i], '\0') << "byte " << i;
    }
}

TEST_F(EntryDialogTest, AddInsertsInTitleOrderAndRefusesEmptyAndRepeatedTitles) {
    OpenMain({Info("ADD", "add"), Info("DLT", "delete")});
    Add("CRT", "create", true, false);
    EXPECT_EQ(Rows(), (std::vector<std::string>{"ADD", "CRT", "DLT"}));
    EXPECT_EQ(form->lblSum->GetCaption(), "3 abbreviations in total.");
    EXPECT_EQ(Record("CRT")->nFlag, AbbrFlagCommand);

    struct Case {
        const char* title;
        Box expected;
    };
    const Case cases[] = {
        {"", {"Error", "Empty title found!"}},
        {"dlt", {"Error", "Duplicate information found : \"DLT\""}},
    };
    for (const Case& c : cases) {
        boxes.clear();
        Add(c.title, "other", false, true, "btnOK", true);
        EXPECT_EQ(boxes, std::vector<Box>{c.expected}) << c.title;
        EXPECT_EQ(Rows(), (std::vector<std::string>{"ADD", "CRT", "DLT"})) << c.title;
        EXPECT_STREQ(Record("DLT")->szInfo, "delete");
    }

    // Cancel inserts nothing and shows nothing.
    boxes.clear();
    Add("ZAP", "zap", false, false, "btnCancel");
    EXPECT_TRUE(boxes.empty());
    EXPECT_EQ(form->m_pList->GetCount(), 3u);
}

TEST_F(EntryDialogTest, AnEditInPlaceThatTheNextLoadWouldLoseIsRefused) {
    OpenMain({Info("ADD", "add"), Info("CRT", "create", AbbrFlagCommand), Info("DLT")});
    const AbbrInfo before = *Record("CRT");
    struct Case {
        const char* title;
        Box expected;
    };
    const Case cases[] = {
        {"", {"Error", "Empty title found!"}},
        {"DLT", {"Error", "Duplicate information found : \"DLT\""}},
    };
    for (const Case& c : cases) {
        boxes.clear();
        DoubleClickRow("CRT", [&](TfmAbbr& dialog) {
            dialog.edtTitle->SetText(c.title);
            dialog.edtInfo->SetText("changed");
            AnswerBox();
            ClickOn(dialog.btnOK);
        });
        EXPECT_EQ(boxes, std::vector<Box>{c.expected}) << c.title;
        EXPECT_EQ(std::memcmp(Record("CRT"), &before, sizeof before), 0) << c.title;
        EXPECT_EQ(Rows(), (std::vector<std::string>{"ADD", "CRT", "DLT"}));
    }

    // A new title that no other entry has is taken, and the entry keeps its place.
    boxes.clear();
    DoubleClickRow("CRT", [](TfmAbbr& dialog) {
        dialog.edtTitle->SetText("ZZZ");
        ClickOn(dialog.btnOK);
    });
    EXPECT_TRUE(boxes.empty());
    EXPECT_EQ(Rows(), (std::vector<std::string>{"ADD", "ZZZ", "DLT"}));

    // The list is out of title order now; Add still finds the title anywhere in it, or the
    // save would write it twice and the next load drop one.
    boxes.clear();
    Add("ZZZ", "again", false, false, "btnOK", true);
    EXPECT_EQ(boxes, (std::vector<Box>{{"Error", "Duplicate information found : \"ZZZ\""}}));
    EXPECT_EQ(Rows(), (std::vector<std::string>{"ADD", "ZZZ", "DLT"}));
}

TEST_F(EntryDialogTest, TypeAheadWalksRowsThatAnEditInPlacePutOutOfTitleOrder) {
    OpenMain({Info("ADD"), Info("CRT"), Info("DLT"), Info("DSP")});
    DoubleClickRow("CRT", [](TfmAbbr& dialog) {
        dialog.edtTitle->SetText("ZZZ");
        ClickOn(dialog.btnOK);
    });
    ASSERT_EQ(Rows(), (std::vector<std::string>{"ADD", "ZZZ", "DLT", "DSP"}));
    // The walk stops at ZZZ, the first row above the text, and takes the row before it; a
    // search by halving would land on DSP itself.
    form->edtAbbr->SetText("DSP");
    EXPECT_EQ(SelectedRow(), "ADD");
    form->edtAbbr->SetText("AB");
    EXPECT_EQ(SelectedRow(), "ADD");
}
