// The memo: wrapping, lines, keys that move between lines, and its native scroll bars.
#include <string>

#include "platform/vcl/stdctrls/Memo.h"
#include "tests/platform/vcl/EditTestFixture.h"

using vcltest::EditTest;

namespace {

std::string Numbered(int count) {
    std::string text;
    for (int i = 0; i < count; ++i) text += (i ? "\nline " : "line ") + std::to_string(i);
    return text;
}

}  // namespace

TEST_F(EditTest, MemoWrapsAtBlanksAndBreaksWordsLongerThanALine) {
    auto* memo = Place<TMemo>(10, 10, 80, 120);
    const std::string text = "alpha beta gamma delta epsilon\nWWWWWWWWWWWWWWWWWWWW";
    memo->SetText(text);
    const int lines = static_cast<int>(memo->Perform(EM_GETLINECOUNT));
    ASSERT_GT(lines, 3);
    gfx::Bitmap scratch(1, 1);
    gfx::Canvas measure(scratch);
    measure.SetFont(memo->GetFont()->Desc());
    const int width = memo->GetFormatRect().Width();
    bool brokeInsideWord = false;
    for (int i = 0; i < lines; ++i) {
        const int start = static_cast<int>(memo->Perform(EM_LINEINDEX, i));
        const int length = static_cast<int>(memo->Perform(EM_LINELENGTH, start));
        std::string line = text.substr(start, length);
        while (!line.empty() && line.back() == ' ') line.pop_back();
        EXPECT_LE(measure.TextWidth(line), width) << line;
        // A wrapped line begins after a blank or a line break, except inside the long word.
        if (start > 0 && text[start - 1] != ' ' && text[start - 1] != '\n') {
            EXPECT_EQ(text[start], 'W') << line;
            brokeInsideWord = true;
        }
    }
    EXPECT_TRUE(brokeInsideWord);

    // Without wrapping only the line breaks count; wrapping again restores the lines.
    memo->SetWordWrap(false);
    EXPECT_EQ(memo->Perform(EM_GETLINECOUNT), 2);
    memo->SetWordWrap(true);
    EXPECT_EQ(memo->Perform(EM_GETLINECOUNT), lines);
}

TEST_F(EditTest, MemoLinesReadAndWriteTheText) {
    auto* memo = Place<TMemo>(10, 10, 185, 89);
    int changes = 0;
    memo->OnChange = [&](TObject*) { ++changes; };
    TStrings* lines = memo->GetLines();
    EXPECT_EQ(lines->Count(), 0);
    lines->Add("one");
    lines->Add("two");
    lines->Insert(0, "zero");
    EXPECT_EQ(memo->GetText(), "zero\none\ntwo");
    EXPECT_EQ(changes, 3);
    lines->SetStrings(1, "ONE");
    lines->Delete(2);
    EXPECT_EQ(memo->GetText(), "zero\nONE");
    EXPECT_EQ(lines->GetText(), "zero\nONE\n");
    memo->SetText("a\r\nb\n");
    EXPECT_EQ(lines->Count(), 2);
    EXPECT_EQ(lines->Strings(1), "b");
    EXPECT_THROW(lines->Strings(2), EStringListError);
}

TEST_F(EditTest, MemoTypesLineBreaksAndMovesBetweenLines) {
    auto* memo = Place<TMemo>(10, 10, 185, 89);
    memo->SetFocus();
    Type("first\nsecond line\nx");
    EXPECT_EQ(memo->GetText(), "first\nsecond line\nx");
    EXPECT_EQ(memo->GetCaretPos(), (TPoint{1, 2}));
    Key(VK_UP);
    EXPECT_EQ(memo->GetCaretPos().y, 1);
    Key(VK_END);
    EXPECT_EQ(memo->GetCaretPos(), (TPoint{11, 1}));
    // The column is kept across a shorter line.
    Key(VK_UP);
    EXPECT_EQ(memo->GetCaretPos(), (TPoint{5, 0}));
    Key(VK_DOWN);
    EXPECT_EQ(memo->GetCaretPos(), (TPoint{11, 1}));
    Key(VK_HOME, true, true);
    EXPECT_EQ(memo->GetSelText(), "first\nsecond line");

    // Without WantReturns, Enter is left to the form.
    memo->SetWantReturns(false);
    Key(VK_END, false, true);
    Key(VK_RETURN, false, false, U'\r');
    EXPECT_EQ(memo->GetText(), "first\nsecond line\nx");
}

TEST_F(EditTest, MemoScrollBarsReportLinesAndPage) {
    auto* memo = Place<TMemo>(10, 10, 185, 0);
    memo->SetScrollBars(ssVertical);
    memo->SetWordWrap(false);
    // Ten whole lines in the formatting rectangle.
    gfx::Bitmap scratch(1, 1);
    gfx::Canvas measure(scratch);
    measure.SetFont(memo->GetFont()->Desc());
    const int height = measure.TextHeight("Wg");
    memo->SetHeight(10 * height + 1 + 4);
    memo->HandleNeeded();

    SCROLLBARINFO bar;
    GetScrollBarInfo(memo->Handle(), OBJID_VSCROLL, &bar);
    EXPECT_EQ(bar.rgstate[0], STATE_SYSTEM_UNAVAILABLE);

    memo->SetText(Numbered(50));
    SCROLLINFO info;
    info.fMask = SIF_ALL;
    ASSERT_TRUE(GetScrollInfo(memo->Handle(), SB_VERT, &info));
    EXPECT_EQ(info.nMin, 0);
    EXPECT_EQ(info.nMax, 49);
    EXPECT_EQ(info.nPage, 10u);
    EXPECT_EQ(info.nPos, 0);
    GetScrollBarInfo(memo->Handle(), OBJID_VSCROLL, &bar);
    EXPECT_EQ(bar.rgstate[0], 0u);

    // An absolute position, a line, a page and the wheel.
    memo->Perform(WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 12));
    EXPECT_EQ(memo->Perform(EM_GETFIRSTVISIBLELINE), 12);
    memo->Perform(WM_VSCROLL, SB_LINEDOWN);
    memo->Perform(WM_VSCROLL, SB_PAGEDOWN);
    EXPECT_EQ(memo->Perform(EM_GETFIRSTVISIBLELINE), 23);
    memo->Perform(WM_VSCROLL, SB_BOTTOM);
    EXPECT_EQ(memo->Perform(EM_GETFIRSTVISIBLELINE), 40);
    GetScrollInfo(memo->Handle(), SB_VERT, &info);
    EXPECT_EQ(info.nPos, 40);
    memo->Perform(WM_MOUSEWHEEL, MAKEWPARAM(0, 120));
    EXPECT_EQ(memo->Perform(EM_GETFIRSTVISIBLELINE), 37);

    // Moving the caret scrolls only as far as needed to show it.
    memo->SetFocus();
    Key(VK_HOME, false, true);
    EXPECT_EQ(memo->Perform(EM_GETFIRSTVISIBLELINE), 0);
    for (int i = 0; i < 10; ++i) Key(VK_DOWN);
    EXPECT_EQ(memo->Perform(EM_GETFIRSTVISIBLELINE), 1);
}
