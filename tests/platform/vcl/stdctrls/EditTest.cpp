// The single-line edit driven by keyboard, mouse and clipboard, and what it paints.
#include <vector>

#include "platform/vcl/stdctrls/Edit.h"
#include "platform/vcl/stdctrls/EditConsts.h"
#include "platform/vcl/stdctrls/MaskEdit.h"
#include "tests/common/misc/TurkishLocale.h"
#include "tests/platform/vcl/EditTestFixture.h"

using vcltest::EditTest;

namespace {

// Drops digits and turns 'x' into 'y', as a descendant filtering its keys would.
class TFilteredEdit : public TEdit {
public:
    using TEdit::TEdit;

protected:
    void KeyPress(char& Key) override {
        TEdit::KeyPress(Key);
        if (Key >= '0' && Key <= '9') Key = 0;
        if (Key == 'x') Key = 'y';
    }
};

// Paints a two-ring frame over the band after the edit's own painting, as a skinned edit does.
class TFramedEdit : public TCustomMaskEdit {
public:
    explicit TFramedEdit(TComponent* AOwner) : TCustomMaskEdit(AOwner) {
        SetBorderStyle(bsNone);
        SetBorderWidth(2);
    }

protected:
    void WMPaint(TMessage& Message) override {
        TCustomMaskEdit::WMPaint(Message);
        HDC dc = GetWindowDC(Handle());
        const TRect outer{0, 0, GetWidth(), GetHeight()};
        HBRUSH red = CreateSolidBrush(clRed);
        HBRUSH inner = CreateSolidBrush(GetColor());
        FrameRect(dc, outer, red);
        FrameRect(dc, outer.Inflate(-1, -1), inner);
        DeleteObject(red);
        DeleteObject(inner);
        ReleaseDC(Handle(), dc);
    }
};

struct KeyStroke {
    int vk;
    bool shift;
    bool ctrl;
};

}  // namespace

TEST_F(EditTest, TypingWithUpperCaseForcedFiresOnChangeForEveryCharacter) {
    auto* edit = Place<TEdit>(10, 10, 120, 21);
    edit->SetCharCase(ecUpperCase);
    std::vector<std::string> changes;
    edit->OnChange = [&](TObject*) { changes.push_back(edit->GetText()); };
    edit->SetFocus();
    Type("ab1c");
    EXPECT_EQ(edit->GetText(), "AB1C");
    EXPECT_EQ(changes, (std::vector<std::string>{"A", "AB", "AB1", "AB1C"}));
    EXPECT_TRUE(edit->GetModified());

    // From code: one change per new text, none for the same text, and the case still forced.
    changes.clear();
    edit->SetText("xy");
    edit->SetText("XY");
    EXPECT_EQ(changes, (std::vector<std::string>{"XY"}));
    edit->SetCharCase(ecLowerCase);
    EXPECT_EQ(edit->GetText(), "xy");
    EXPECT_EQ(changes.back(), "xy");
}

// Forced case works on characters, typed or pasted alike: a typed "\u00f1" once stayed small
// in an upper-case edit. The invariant rule keeps ASCII to the C locale's rule, which
// Turkish changes (below).
TEST_F(EditTest, ForcedCaseChangesWholeCharactersTypedOrPasted) {
    struct Case {
        TEditCharCase charCase;
        TCaseRule rule;
        std::string input;
        std::string shown;
    };
    const Case cases[] = {
        {ecUpperCase, TCaseRule::Locale, "se\u00f1or na\u00efve", "SE\u00d1OR NA\u00cfVE"},
        {ecUpperCase, TCaseRule::Invariant, "\u00f1and\u00fa \u03b1\u03b2",
         "\u00d1AND\u00da \u0391\u0392"},
        {ecLowerCase, TCaseRule::Locale, "\u00c0\u00c9\u00ce Stra\u00dfe",
         "\u00e0\u00e9\u00ee stra\u00dfe"},
        {ecLowerCase, TCaseRule::Invariant, "\u0416\u0418\u0412 OK \u20ac",
         "\u0436\u0438\u0432 ok \u20ac"},
    };
    for (const Case& c : cases) {
        auto* edit = Place<TEdit>(10, 10, 200, 21);
        edit->SetCharCase(c.charCase);
        edit->SetCaseRule(c.rule);
        edit->SetFocus();
        Type(c.input);
        EXPECT_EQ(edit->GetText(), c.shown) << "typed " << c.input;
        edit->SetText("");
        SetClipboardText(c.input);
        edit->Perform(WM_PASTE);
        EXPECT_EQ(edit->GetText(), c.shown) << "pasted " << c.input;
        delete edit;
    }
}

// Under Turkish, the user's language upper-cases "i" to a dotted capital and lower-cases
// "I" to a dotless small letter; the invariant rule, for identifiers, keeps "I" and "i".
TEST_F(EditTest, TheInvariantCaseRuleIgnoresTheTurkishDottedI) {
    TurkishLocale turkish;
    if (!turkish.Active()) GTEST_SKIP() << "tr_TR.UTF-8 is neither installed nor can be made";
    struct Case {
        TEditCharCase charCase;
        TCaseRule rule;
        std::string shown;
    };
    const Case cases[] = {
        {ecUpperCase, TCaseRule::Invariant, "INZ I\u00d1"},
        {ecUpperCase, TCaseRule::Locale, "\u0130NZ I\u00d1"},
        {ecLowerCase, TCaseRule::Invariant, "inz i\u00f1"},
        {ecLowerCase, TCaseRule::Locale, "inz \u0131\u00f1"},
    };
    for (const Case& c : cases) {
        auto* edit = Place<TEdit>(10, 10, 200, 21);
        edit->SetCharCase(c.charCase);
        edit->SetCaseRule(c.rule);
        edit->SetFocus();
        Type("inz I\u00f1");
        EXPECT_EQ(edit->GetText(), c.shown);
        delete edit;
    }
}

TEST_F(EditTest, CaretAndSelectionFollowArrowsHomeEndAndShift) {
    struct Case {
        const char* name;
        std::vector<KeyStroke> keys;
        int selStart;
        int selLength;
    };
    const Case cases[] = {
        {"home", {{VK_HOME, false, false}}, 0, 0},
        {"left", {{VK_LEFT, false, false}}, 10, 0},
        {"shift+home", {{VK_HOME, true, false}}, 0, 11},
        {"home then shift+right x2",
         {{VK_HOME, false, false}, {VK_RIGHT, true, false}, {VK_RIGHT, true, false}},
         0,
         2},
        {"ctrl+left", {{VK_LEFT, false, true}}, 6, 0},
        {"ctrl+shift+left", {{VK_LEFT, true, true}}, 6, 5},
        {"twice ctrl+left", {{VK_LEFT, false, true}, {VK_LEFT, false, true}}, 0, 0},
        {"home then ctrl+right", {{VK_HOME, false, false}, {VK_RIGHT, false, true}}, 6, 0},
        {"selection then left collapses to its start",
         {{VK_LEFT, true, true}, {VK_LEFT, false, false}},
         6,
         0},
        {"home, end", {{VK_HOME, false, false}, {VK_END, false, false}}, 11, 0},
    };
    for (const Case& c : cases) {
        auto* edit = Place<TEdit>(10, 10, 120, 21);
        edit->SetText("hello world");
        edit->SetAutoSelect(false);
        edit->SetFocus();
        Key(VK_END);
        for (const KeyStroke& k : c.keys) Key(k.vk, k.shift, k.ctrl);
        EXPECT_EQ(edit->GetSelStart(), c.selStart) << c.name;
        EXPECT_EQ(edit->GetSelLength(), c.selLength) << c.name;
        delete edit;
    }
}

TEST_F(EditTest, BackspaceAndDeleteRemoveTheCharacterOrTheSelection) {
    struct Case {
        const char* name;
        int selStart;
        int selLength;
        int vk;
        const char* expected;
        int caret;
    };
    const Case cases[] = {
        {"backspace", 5, 0, VK_BACK, "hell world", 4},
        {"backspace at the start", 0, 0, VK_BACK, "hello world", 0},
        {"delete", 5, 0, VK_DELETE, "helloworld", 5},
        {"delete at the end", 11, 0, VK_DELETE, "hello world", 11},
        {"backspace on a selection", 0, 6, VK_BACK, "world", 0},
        {"delete on a selection", 5, 6, VK_DELETE, "hello", 5},
    };
    for (const Case& c : cases) {
        auto* edit = Place<TEdit>(10, 10, 120, 21);
        edit->SetText("hello world");
        edit->SetFocus();
        edit->SetSelStart(c.selStart);
        edit->SetSelLength(c.selLength);
        Key(c.vk, false, false, c.vk == VK_BACK ? U'\b' : 0);
        EXPECT_EQ(edit->GetText(), c.expected) << c.name;
        EXPECT_EQ(edit->GetSelStart(), c.caret) << c.name;
        delete edit;
    }
}

TEST_F(EditTest, ClipboardCutCopyPasteByKeysAndMessages) {
    auto* edit = Place<TEdit>(10, 10, 120, 21);
    edit->SetText("hello world");
    edit->SetFocus();
    edit->SetSelStart(6);
    edit->SetSelLength(5);
    Key('C', false, true, 3);
    EXPECT_EQ(GetClipboardText(), "world");
    EXPECT_EQ(edit->GetText(), "hello world");

    edit->Perform(WM_CUT);
    EXPECT_EQ(GetClipboardText(), "world");
    EXPECT_EQ(edit->GetText(), "hello ");

    Key(VK_HOME);
    Key('V', false, true, 22);
    EXPECT_EQ(edit->GetText(), "worldhello ");
    EXPECT_EQ(edit->GetSelStart(), 5);
    Key(VK_INSERT, true);
    EXPECT_EQ(edit->GetText(), "worldworldhello ");

    // A pasted line break ends the single line's paste.
    SetClipboardText("one\r\ntwo");
    edit->SelectAll();
    edit->Perform(WM_PASTE);
    EXPECT_EQ(edit->GetText(), "one");

    Key('Z', false, true, 26);
    EXPECT_EQ(edit->GetText(), "worldworldhello ");
}

TEST_F(EditTest, ReadOnlyPasswordAndMaxLengthLimitWhatTheUserCanDo) {
    auto* edit = Place<TEdit>(10, 10, 120, 21);
    edit->SetText("secret");
    edit->SetFocus();
    edit->SetReadOnly(true);
    SetClipboardText("clip");
    edit->SelectAll();
    Type("x");
    edit->Perform(WM_CUT);
    edit->Perform(WM_PASTE);
    Key(VK_BACK, false, false, U'\b');
    EXPECT_EQ(edit->GetText(), "secret");
    edit->Perform(WM_COPY);
    EXPECT_EQ(GetClipboardText(), "secret");

    // A password is never copied out.
    edit->SetReadOnly(false);
    edit->SetPasswordChar('*');
    SetClipboardText("clip");
    edit->Perform(WM_COPY);
    edit->Perform(WM_CUT);
    EXPECT_EQ(GetClipboardText(), "clip");
    EXPECT_EQ(edit->GetText(), "secret");

    // MaxLength stops typing and cuts pastes, with a beep; code may still set longer text.
    edit->SetPasswordChar(0);
    edit->SetText("");
    edit->SetMaxLength(3);
    const std::size_t beeps = driver->Beeps().size();
    Type("abcd");
    EXPECT_EQ(edit->GetText(), "abc");
    EXPECT_EQ(driver->Beeps().size(), beeps + 1);
    edit->SetSelStart(1);
    edit->SetSelLength(1);
    SetClipboardText("XYZ");
    edit->Perform(WM_PASTE);
    EXPECT_EQ(edit->GetText(), "aXc");
    edit->SetText("longer");
    EXPECT_EQ(edit->GetText(), "longer");
}

TEST_F(EditTest, KeyPressCanFilterOrReplaceCharacters) {
    auto* edit = Place<TFilteredEdit>(10, 10, 120, 21);
    edit->OnKeyPress = [](TObject*, char& key) {
        if (key == 'a') key = 'b';
    };
    edit->SetFocus();
    Type("a1x2z");
    EXPECT_EQ(edit->GetText(), "byz");
}

TEST_F(EditTest, CharactersBeyondAsciiAreTypedWholeAndFilteredByTheirLeadByte) {
    // Typed as an input method sends them: one WM_CHAR per character, not per byte.
    auto* edit = Place<TEdit>(10, 10, 160, 21);
    edit->SetFocus();
    Type("caf\u00e9 \u20ac\U0001F600");
    EXPECT_EQ(edit->GetText(), "caf\u00e9 \u20ac\U0001F600");
    Key(VK_BACK, false, false, U'\b');
    Key(VK_BACK, false, false, U'\b');
    EXPECT_EQ(edit->GetText(), "caf\u00e9 ");

    // A filter that knows only ASCII sees a byte it does not know and drops the character.
    auto* filtered = Place<TEdit>(10, 40, 160, 21);
    filtered->OnKeyPress = [](TObject*, char& key) {
        if (static_cast<unsigned char>(key) >= 0x80) key = 0;
    };
    filtered->SetFocus();
    Type("na\u00efve");
    EXPECT_EQ(filtered->GetText(), "nave");
}

TEST_F(EditTest, MouseClickDragShiftClickAndDoubleClickSelect) {
    auto* edit = Place<TEdit>(10, 10, 200, 21);
    edit->SetText("alpha beta gamma");
    Pump();
    const int y = 10;
    const TPoint farLeft = Screen(edit, {0, y}), farRight = Screen(edit, {190, y});

    // A click gives the focus without selecting everything.
    win::Headless::Click(farRight.x, farRight.y);
    Pump();
    EXPECT_TRUE(edit->Focused());
    EXPECT_EQ(edit->GetSelStart(), 16);
    EXPECT_EQ(edit->GetSelLength(), 0);
    EXPECT_EQ(GetCapture(), nullptr) << "the release gives the mouse back";

    win::Headless::MouseMove(farLeft.x, farLeft.y);
    win::Headless::MouseDown();
    win::Headless::MouseMove(farRight.x, farRight.y);
    win::Headless::MouseUp();
    Pump();
    EXPECT_EQ(edit->GetSelStart(), 0);
    EXPECT_EQ(edit->GetSelLength(), 16);

    // Shift+click keeps the anchor where the caret was.
    edit->SetSelStart(6);
    win::Headless::KeyDown(VK_SHIFT);
    win::Headless::Click(farRight.x, farRight.y);
    win::Headless::KeyUp(VK_SHIFT);
    Pump();
    EXPECT_EQ(edit->GetSelStart(), 6);
    EXPECT_EQ(edit->GetSelLength(), 10);

    // A double click on "beta" selects the word.
    edit->SetSelStart(7);
    const TPoint inBeta = Screen(edit, edit->CaretPoint());
    win::Headless::Click(inBeta.x, inBeta.y + 3);
    win::Headless::Click(inBeta.x, inBeta.y + 3);
    Pump();
    EXPECT_EQ(edit->GetSelText(), "beta");
}

// The text a user selects (by a drag, by keys, by a double click) becomes what a middle
// click pastes, in this edit, another edit or another program; a password never does, and
// the middle click pastes at its own point without touching the clipboard.
TEST_F(EditTest, SelectedTextIsWhatAMiddleClickPastes) {
    auto* source = Place<TEdit>(10, 10, 200, 21);
    auto* target = Place<TEdit>(10, 40, 200, 21);
    auto* password = Place<TEdit>(10, 70, 200, 21);
    auto* readOnly = Place<TEdit>(10, 100, 200, 21);
    source->SetText("alpha beta gamma");
    target->SetText("onetwo");
    password->SetText("secret");
    password->SetPasswordChar('*');
    readOnly->SetText("fixed");
    readOnly->SetReadOnly(true);
    Pump();
    SetClipboardText("clip");
    SetPrimarySelectionText("");

    // A drag offers its selection once the button is up.
    const int y = 10;
    const TPoint farLeft = Screen(source, {0, y}), farRight = Screen(source, {190, y});
    win::Headless::MouseMove(farLeft.x, farLeft.y);
    win::Headless::MouseDown();
    win::Headless::MouseMove(farRight.x, farRight.y);
    Pump();
    EXPECT_EQ(GetPrimarySelectionText(), "") << "offered while the drag still runs";
    win::Headless::MouseUp();
    Pump();
    EXPECT_EQ(GetPrimarySelectionText(), "alpha beta gamma");

    // Keys select too.
    Key(VK_HOME);
    Key(VK_RIGHT, true, true);
    EXPECT_EQ(GetPrimarySelectionText(), "alpha ");

    // A password's selection stays where it was.
    password->SetFocus();
    password->SelectAll();
    Pump();
    EXPECT_EQ(GetPrimarySelectionText(), "alpha ");

    // The middle click pastes where it lands, in the edit under it, and moves the focus there.
    target->SetSelStart(3);
    const TPoint into = Screen(target, {target->CaretPoint().x, y});
    target->SetSelStart(6);
    win::Headless::MouseMove(into.x, into.y);
    win::Headless::MouseDown(2);
    win::Headless::MouseUp(2);
    Pump();
    EXPECT_EQ(target->GetText(), "onealpha two");
    EXPECT_TRUE(target->Focused());
    EXPECT_EQ(GetClipboardText(), "clip") << "the clipboard is not the middle button's";

    // A read-only edit takes nothing.
    const TPoint intoReadOnly = Screen(readOnly, {20, y});
    win::Headless::MouseMove(intoReadOnly.x, intoReadOnly.y);
    win::Headless::MouseDown(2);
    win::Headless::MouseUp(2);
    Pump();
    EXPECT_EQ(readOnly->GetText(), "fixed");
}

TEST_F(EditTest, AutoSelectSelectsEverythingOnlyWhenEnteredByKeyboard) {
    auto* first = Place<TEdit>(10, 10, 120, 21);
    auto* second = Place<TEdit>(10, 40, 120, 21);
    first->SetText("one");
    second->SetText("two");
    second->SetAutoSelect(false);
    first->SetFocus();
    Pump();
    EXPECT_EQ(first->GetSelLength(), 3);
    second->SetFocus();
    Pump();
    EXPECT_EQ(second->GetSelLength(), 0);
}

TEST_F(EditTest, FrameStylesAndBorderWidthShapeTheClientArea) {
    struct Case {
        const char* name;
        TBorderStyle style;
        bool ctl3D;
        int borderWidth;
        TRect client;
    };
    const Case cases[] = {
        {"3-D border", bsSingle, true, 0, {0, 0, 96, 16}},
        {"flat border", bsSingle, false, 0, {0, 0, 98, 18}},
        {"no border", bsNone, true, 0, {0, 0, 100, 20}},
        {"no border, band of 2", bsNone, true, 2, {0, 0, 96, 16}},
        {"3-D border and band of 1", bsSingle, true, 1, {0, 0, 94, 14}},
    };
    for (const Case& c : cases) {
        auto* edit = Place<TEdit>(10, 10, 100, 20);
        edit->SetBorderStyle(c.style);
        edit->SetCtl3D(c.ctl3D);
        edit->SetBorderWidth(c.borderWidth);
        edit->HandleNeeded();
        EXPECT_EQ(edit->GetClientRect(), c.client) << c.name;
        const LONG_PTR ex = GetWindowLong(edit->Handle(), GWL_EXSTYLE);
        const LONG_PTR style = GetWindowLong(edit->Handle(), GWL_STYLE);
        EXPECT_EQ((ex & WS_EX_CLIENTEDGE) != 0, c.style == bsSingle && c.ctl3D) << c.name;
        EXPECT_EQ((style & WS_BORDER) != 0, c.style == bsSingle && !c.ctl3D) << c.name;
        delete edit;
    }
}

TEST_F(EditTest, TextStaysOutOfTheBorderBandAndInsideTheFormattingRectangle) {
    auto* edit = Place<TEdit>(10, 10, 60, 21);
    edit->SetBorderStyle(bsNone);
    edit->SetBorderWidth(2);
    edit->SetColor(clYellow);
    edit->SetText("WWWWWWWWWWWWWWWWWWWW");
    edit->SetFocus();
    Key(VK_END);
    gfx::Bitmap shot = Shot(edit);
    for (int x = 0; x < 60; ++x)
        for (int y : {0, 1, 19, 20}) ASSERT_EQ(shot.GetPixel(x, y), clYellow) << x << "," << y;
    for (int y = 0; y < 21; ++y)
        for (int x : {0, 1, 58, 59}) ASSERT_EQ(shot.GetPixel(x, y), clYellow) << x << "," << y;

    // A formatting rectangle set without redrawing is where the text goes from then on.
    RECT format{10, 0, 30, 17};
    edit->Perform(EM_SETRECTNP, 0, reinterpret_cast<LPARAM>(&format));
    RECT back;
    edit->Perform(EM_GETRECT, 0, reinterpret_cast<LPARAM>(&back));
    EXPECT_EQ(back, format);
    edit->Invalidate();
    shot = Shot(edit);
    bool inked = false;
    for (int y = 2; y < 19; ++y)
        for (int x = 2; x < 58; ++x) {
            if (shot.GetPixel(x, y) == clYellow) continue;
            inked = true;
            ASSERT_TRUE(x >= 12 && x < 32) << x << "," << y;
        }
    EXPECT_TRUE(inked);
}

TEST_F(EditTest, SelectionIsHighlightedWhileFocusedOrWhenNotHidden) {
    auto* edit = Place<TEdit>(10, 10, 120, 21);
    auto* other = Place<TEdit>(10, 40, 120, 21);
    edit->SetText("WWW");
    edit->SetFocus();
    edit->SelectAll();
    const TColor highlight = ColorToRGB(clHighlight);
    auto highlighted = [&] {
        const gfx::Bitmap shot = Shot(edit);
        for (int y = 0; y < shot.Height(); ++y)
            for (int x = 0; x < shot.Width(); ++x)
                if (shot.GetPixel(x, y) == highlight) return true;
        return false;
    };
    EXPECT_TRUE(highlighted());
    other->SetFocus();
    EXPECT_FALSE(highlighted());
    edit->SetHideSelection(false);
    EXPECT_TRUE(highlighted());
}

TEST_F(EditTest, RightAlignedTextEndsAtTheRightEdge) {
    auto* left = Place<TEdit>(10, 10, 120, 21);
    auto* right = Place<TEdit>(10, 40, 120, 21);
    right->SetAlignment(taRightJustify);
    for (TEdit* e : {left, right}) e->SetText("123");
    auto inkSpan = [&](TEdit* e) {
        const gfx::Bitmap shot = Shot(e);
        const TColor window = ColorToRGB(clWindow);
        int first = -1, last = -1;
        for (int x = 2; x < shot.Width() - 2; ++x)
            for (int y = 2; y < shot.Height() - 2; ++y)
                if (shot.GetPixel(x, y) != window) {
                    if (first < 0) first = x;
                    last = x;
                }
        return std::pair{first, last};
    };
    EXPECT_LT(inkSpan(left).first, 8);
    EXPECT_GT(inkSpan(right).second, 108);
    EXPECT_GT(inkSpan(right).first, 60);
}

TEST_F(EditTest, CaretStaysVisibleInTextLongerThanTheEdit) {
    auto* edit = Place<TEdit>(10, 10, 50, 21);
    edit->SetFocus();
    Type("the quick brown fox jumps");
    const TRect format = edit->GetFormatRect();
    EXPECT_GE(edit->CaretPoint().x, format.left);
    EXPECT_LT(edit->CaretPoint().x, format.right);
    Key(VK_HOME);
    EXPECT_EQ(edit->CaretPoint().x, format.left);
}

TEST_F(EditTest, FrameADescendantPaintsAfterTheEditSurvivesTypingAndSelecting) {
    auto* edit = Place<TFramedEdit>(10, 10, 60, 21);
    edit->SetCharCase(ecUpperCase);
    edit->SetFocus();
    Type("framed text longer than the edit");
    Key(VK_HOME, true);
    win::Headless::AdvanceTime(2000);
    const gfx::Bitmap shot = Shot(edit);
    EXPECT_EQ(edit->GetText(), "FRAMED TEXT LONGER THAN THE EDIT");
    EXPECT_EQ(edit->GetClientRect(), (TRect{0, 0, 56, 17}));
    const TColor window = ColorToRGB(clWindow);
    for (int x = 0; x < 60; ++x) {
        ASSERT_EQ(shot.GetPixel(x, 0), clRed) << x;
        ASSERT_EQ(shot.GetPixel(x, 20), clRed) << x;
        if (x > 0 && x < 59) {
            ASSERT_EQ(shot.GetPixel(x, 1), window) << x;
            ASSERT_EQ(shot.GetPixel(x, 19), window) << x;
        }
    }
    for (int y = 1; y < 20; ++y) {
        ASSERT_EQ(shot.GetPixel(0, y), clRed) << y;
        ASSERT_EQ(shot.GetPixel(1, y), window) << y;
        ASSERT_EQ(shot.GetPixel(58, y), window) << y;
    }
}
