// The number edit on a form: its key filter, typing and pasting, leaving it with what was
// typed, masks with literals and sections, selecting the decimals on entry, and its text
// drawn against the right edge.
#include <memory>
#include <string>

#include "Source/edits/SKEdit.h"
#include "platform/vcl/controls/Form.h"
#include "platform/vcl/core/SysUtils.h"
#include "tests/Source/edits/EditsTestSupport.h"

namespace {

class NumberEdit : public ::testing::Test {
protected:
    void SetUp() override {
        driver = &win::Headless::Install();
        form = std::make_unique<TForm>(nullptr);
        form->SetBounds(100, 100, 300, 200);
        number = new TskNumberEdit(form.get());
        number->SetBounds(10, 10, 100, 19);
        number->SetParent(form.get());
        other = new TskEdit(form.get());
        other->SetBounds(10, 50, 100, 19);
        other->SetParent(form.get());
        form->Show();
        Pump();
        number->SetFocus();
        Pump();
    }
    void TearDown() override {
        form.reset();
        win::Headless::Install();
    }
    static void Pump() { win::Headless::ProcessMessages(); }
    static void Type(const std::string& text) {
        win::Headless::TypeText(text);
        Pump();
    }
    static void Key(int vk, char32_t ch = 0) {
        win::Headless::KeyPress(vk, ch);
        Pump();
    }
    void Leave() {
        other->SetFocus();
        Pump();
    }
    std::size_t Beeps() const { return driver->Beeps().size(); }

    win::HeadlessDriver* driver = nullptr;
    std::unique_ptr<TForm> form;
    TskNumberEdit* number = nullptr;
    TskEdit* other = nullptr;
};

TEST_F(NumberEdit, StartsAtZeroWithTheDecimalsSelectedOnEntry) {
    EXPECT_EQ(number->GetText(), "0.00");
    EXPECT_EQ(number->GetValue(), 0);
    EXPECT_EQ(number->GetSelStart(), 2);
    EXPECT_EQ(number->GetSelLength(), 2);
}

TEST_F(NumberEdit, TypedNumberIsFormattedOnLeaving) {
    number->SelectAll();
    Type("12");
    EXPECT_EQ(number->GetValue(), 12);
    Leave();
    EXPECT_EQ(number->GetText(), "12.00");
    number->SetFocus();
    Pump();
    number->SelectAll();
    Key(VK_BACK, '\b');
    EXPECT_EQ(number->GetText(), "");
    Leave();
    EXPECT_EQ(number->GetText(), "0.00") << "an empty edit becomes zero";
}

TEST_F(NumberEdit, KeyFilterRefusesWithABeep) {
    struct Case {
        const char* mask;
        const char* start;
        int selStart;
        char key;
        bool accepted;
    };
    const Case cases[] = {
        {"0.00", "", 0, '7', true},
        {"0.00", "1", 1, '.', true},
        {"0.00", "1.5", 3, '.', false},  // a second separator
        {"0.00", "", 0, '-', false},     // no minus in the mask
        {"0.00", "", 0, 'a', false},
        {"0.00", "", 0, '+', false},
        {"0.00", "", 0, ',', false},
        {"0", "1", 1, '.', false},  // no decimals in the mask
        {"0.00;-0.00", "", 0, '-', true},
        {"0.00;-0.00", "5", 1, '-', false},  // only at the start
        {"0.00;-0.00", "-5", 0, '-', false},  // only once
        {"0.00", "12", 2, '\b', true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.mask) + " \"" + c.start + "\" + " + c.key);
        number->SetMask(c.mask);
        number->SetText(c.start);
        number->SetSelStart(c.selStart);
        const std::size_t before = Beeps();
        Type(std::string(1, c.key));
        EXPECT_EQ(number->GetText() != c.start, c.accepted) << number->GetText();
        EXPECT_EQ(Beeps() - before, c.accepted ? 0u : 1u);
    }
}

TEST_F(NumberEdit, PasteGoesThroughTheSameFilter) {
    number->SetText("1");
    number->SetSelStart(1);
    SetClipboardText("2.5");
    win::Headless::KeyDown(VK_CONTROL);
    Key('V');
    win::Headless::KeyUp(VK_CONTROL);
    Pump();
    EXPECT_EQ(number->GetText(), "12.5");
    for (const char* refused : {"abc", "3.1", "-4", "1e5"}) {
        SCOPED_TRACE(refused);
        SetClipboardText(refused);
        const std::size_t before = Beeps();
        number->PasteFromClipboard();
        EXPECT_EQ(number->GetText(), "12.5");
        EXPECT_GE(Beeps() - before, 1u);
    }
}

TEST_F(NumberEdit, MaskWithLiteralsConvertsBackSoTheUserCanLeave) {
    number->SetMask("0.00 kg");
    number->SetValue(4);
    EXPECT_EQ(number->GetText(), "4.00 kg");
    Leave();
    EXPECT_EQ(number->GetValue(), 4);
    EXPECT_EQ(number->GetText(), "4.00 kg");

    number->SetMask("#,##0.00;(#,##0.00)");
    number->SetValue(-1234.5);
    EXPECT_EQ(number->GetText(), "(1,234.50)");
    number->SetFocus();
    Pump();
    Leave();
    EXPECT_EQ(number->GetValue(), -1234.5);
    EXPECT_EQ(number->GetText(), "(1,234.50)");
}

TEST_F(NumberEdit, TextThatDoesNotConvertRestoresTheLastGoodValueAndRaises) {
    number->SetValue(3);
    EXPECT_THROW(number->SetText("."), EConvertError);
    EXPECT_EQ(number->GetText(), "3.00");
    EXPECT_EQ(number->GetValue(), 3);
    number->SetText("-");
    EXPECT_EQ(number->GetValue(), 3) << "a lone minus waits for digits";
}

TEST_F(NumberEdit, TextIsDrawnAgainstTheRightEdge) {
    number->SetValue(5);
    Leave();
    const gfx::Bitmap shot = win::Headless::CaptureWindow(number->Handle());
    const TColor window = ColorToRGB(clWindow);
    int leftmostInk = -1, rightmostInk = -1;
    for (int x = 2; x < 98; ++x)
        for (int y = 2; y < 17; ++y)
            if (shot.GetPixel(x, y) != window) {
                if (leftmostInk < 0) leftmostInk = x;
                rightmostInk = x;
            }
    ASSERT_GE(leftmostInk, 0);
    EXPECT_GT(leftmostInk, 60) << "the text starts in the right part";
    EXPECT_GE(rightmostInk, 90) << "and ends at the right edge";
}

}  // namespace
