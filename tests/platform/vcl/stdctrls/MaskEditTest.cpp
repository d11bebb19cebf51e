// The masked edit: typing through a mask, deleting, pasting, the value it reports, and the
// plain edit it is without a mask.
#include <vector>

#include "platform/vcl/stdctrls/MaskEdit.h"
#include "platform/vcl/core/SysUtils.h"
#include "tests/platform/vcl/EditTestFixture.h"

using vcltest::EditTest;

TEST_F(EditTest, MaskEditTypingFollowsTheMask) {
    struct Case {
        const char* mask;
        const char* typed;
        const char* editText;
        const char* text;
        int beeps;  // characters the mask refused
    };
    const Case cases[] = {
        {"000-0000;1;_", "5551234", "555-1234", "555-1234", 0},
        {"000-0000;0;_", "5551234", "555-1234", "5551234", 0},
        {"LL00;1;_", "a1b23", "ab23", "ab23", 1},
        {">LL<ll;1;_", "abCD", "ABcd", "ABcd", 0},
        {"!99/99/00;1;_", "1231", "12/31/__", "12/31/  ", 0},
        {"\\(000\\) 000;1;*", "12", "(12*) ***", "(12 )    ", 0},
        {"aaa;1;_", "a-b", "ab_", "ab ", 1},
        {"##0;1;_", "-5x9", "-59", "-59", 1},
        {"00;1;_", "123", "12", "12", 1},
    };
    for (const Case& c : cases) {
        auto* edit = Place<TMaskEdit>(10, 10, 120, 21);
        edit->SetEditMask(c.mask);
        edit->SetFocus();
        Pump();
        const std::size_t beeps = driver->Beeps().size();
        Type(c.typed);
        EXPECT_EQ(edit->GetEditText(), c.editText) << c.mask;
        EXPECT_EQ(edit->GetText(), c.text) << c.mask;
        EXPECT_EQ(driver->Beeps().size() - beeps, static_cast<std::size_t>(c.beeps)) << c.mask;
        delete edit;
    }
}

TEST_F(EditTest, MaskEditDeletesToBlanksAndKeepsLiterals) {
    auto* edit = Place<TMaskEdit>(10, 10, 120, 21);
    edit->SetEditMask("000-000;1;_");
    edit->SetFocus();
    Type("123456");
    Key(VK_BACK, false, false, U'\b');
    EXPECT_EQ(edit->GetEditText(), "123-45_");
    EXPECT_EQ(edit->GetSelStart(), 6);
    Key(VK_HOME);
    Key(VK_DELETE);
    EXPECT_EQ(edit->GetEditText(), "_23-45_");
    // Backspace over a literal blanks the input position before it.
    edit->SetSelStart(4);
    Key(VK_BACK, false, false, U'\b');
    EXPECT_EQ(edit->GetEditText(), "_2_-45_");
    edit->SelectAll();
    Key(VK_DELETE);
    EXPECT_EQ(edit->GetEditText(), "___-___");

    // Pasted characters are typed in turn; the mask skips what it refuses.
    SetClipboardText("9a87-65");
    edit->SetSelStart(0);
    edit->Perform(WM_PASTE);
    EXPECT_EQ(edit->GetEditText(), "987-65_");
}

TEST_F(EditTest, MaskEditTextFromCodeAndValidation) {
    auto* edit = Place<TMaskEdit>(10, 10, 120, 21);
    std::vector<std::string> changes;
    edit->OnChange = [&](TObject*) { changes.push_back(edit->GetEditText()); };
    edit->SetText("5551234");
    edit->SetEditMask("000-0000;0;_");
    EXPECT_EQ(edit->GetEditText(), "555-1234");
    EXPECT_EQ(edit->GetText(), "5551234");
    EXPECT_NO_THROW(edit->ValidateEdit());
    edit->SetText("55");
    EXPECT_EQ(edit->GetEditText(), "55_-____");
    EXPECT_THROW(edit->ValidateEdit(), EInvalidOperation);
    EXPECT_EQ(changes, (std::vector<std::string>{"5551234", "555-1234", "55_-____"}));

    // Dropping the mask leaves a plain edit holding the value, blanks as spaces.
    edit->SetEditMask("");
    EXPECT_EQ(edit->GetText(), "55     ");
}

TEST_F(EditTest, MaskEditWithoutAMaskForcesUpperCaseAsTheUserTypes) {
    auto* edit = Place<TMaskEdit>(10, 10, 120, 21);
    edit->SetCharCase(ecUpperCase);
    edit->SetBorderStyle(bsNone);
    std::vector<std::string> changes;
    edit->OnChange = [&](TObject*) { changes.push_back(edit->GetText()); };
    edit->SetFocus();
    Type("crt");
    Key(VK_BACK, false, false, U'\b');
    EXPECT_EQ(changes, (std::vector<std::string>{"C", "CR", "CRT", "CR"}));
}
