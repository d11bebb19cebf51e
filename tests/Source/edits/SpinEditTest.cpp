// The spin edit and its buttons: the buttons' layout, the value and its bounds (also at the
// 32-bit limits and with bounds given the wrong way round), the key filter, pasting, the
// arrows and arrow keys, the held arrow's 400 ms repeat, and read-only beeps.
#include <climits>
#include <memory>
#include <string>

#include "Source/buttons/SKImageButton.h"
#include "Source/edits/SKSpinEdit.h"
#include "platform/vcl/controls/Form.h"
#include "tests/Source/edits/EditsTestSupport.h"

namespace {

class SpinEdit : public ::testing::Test {
protected:
    void SetUp() override {
        driver = &win::Headless::Install();
        form = std::make_unique<TForm>(nullptr);
        form->SetBounds(100, 100, 300, 200);
        spin = new TskSpinEdit(form.get());
        spin->SetBounds(10, 10, 80, 24);
        spin->SetParent(form.get());
        other = new TskEdit(form.get());
        other->SetBounds(10, 60, 80, 19);
        other->SetParent(form.get());
        form->Show();
        Pump();
        spin->SetFocus();
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
    static void Key(int vk) {
        win::Headless::KeyPress(vk);
        Pump();
    }
    std::size_t Beeps() const { return driver->Beeps().size(); }

    win::HeadlessDriver* driver = nullptr;
    std::unique_ptr<TForm> form;
    TskSpinEdit* spin = nullptr;
    TskEdit* other = nullptr;
};

TEST_F(SpinEdit, ButtonsFillTheRightEndAndSplitTheHeight) {
    TskSpinButtons* buttons = spin->Button();
    EXPECT_EQ(spin->GetText(), "0");
    EXPECT_EQ(buttons->GetLeft(), 80 - 15 - 4);
    EXPECT_EQ(buttons->GetHeight(), 20);
    EXPECT_EQ(buttons->UpButton()->BoundsRect(), (TRect{0, 0, 15, 11}));
    EXPECT_EQ(buttons->DownButton()->BoundsRect(), (TRect{0, 10, 15, 20}));
    auto* alone = new TskSpinButtons(form.get());
    alone->SetBounds(0, 0, 8, 25);
    EXPECT_EQ(alone->GetWidth(), 15) << "never narrower than 15";
    EXPECT_EQ(alone->UpButton()->GetHeight(), 13);
    EXPECT_EQ(alone->DownButton()->GetTop(), 12);
    EXPECT_EQ(alone->DownButton()->GetHeight(), 13);
    spin->SetUIStyle(WinXP);
    EXPECT_EQ(buttons->GetUIStyle(), WinXP) << "the buttons follow the edit's style";
}

TEST_F(SpinEdit, ValueIsBoundedTheWayTheBoundsSay) {
    struct Case {
        int min, max;
        const char* text;
        int value;      // what Value reads
        int afterUp;    // the value after an up click
        const char* onExit;
    };
    const Case cases[] = {
        {0, 0, "123456", 123456, 123457, "123456"},  // equal bounds are none
        {0, 10, "25", 25, 10, "10"},
        {0, 10, "10", 10, 10, "10"},
        {0, 10, "abc", 0, 1, "abc"},  // not a number reads as MinValue
        {5, 10, "$7", 5, 6, "$7"},    // decimal only
        {10, 0, "25", 25, 10, "10"},  // bounds given the wrong way round
        {INT_MIN, INT_MAX, "2147483647", INT_MAX, INT_MAX, "2147483647"},
        {INT_MIN, INT_MAX, "99999999999", INT_MIN, INT_MIN + 1, "99999999999"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.text) + " in " + std::to_string(c.min) + ".." + std::to_string(c.max));
        spin->SetMinValue(c.min);
        spin->SetMaxValue(c.max);
        spin->SetText(c.text);
        EXPECT_EQ(spin->GetValue(), c.value);
        spin->SetFocus();
        Pump();
        other->SetFocus();
        Pump();
        EXPECT_EQ(spin->GetText(), c.onExit);
        spin->SetText(c.text);
        spin->UpClick(spin);
        EXPECT_EQ(spin->GetValue(), c.afterUp);
    }
    spin->SetMinValue(0);
    spin->SetMaxValue(0);
    spin->SetIncrement(INT_MAX);
    spin->SetValue(INT_MIN + 5);
    spin->DownClick(spin);
    EXPECT_EQ(spin->GetValue(), INT_MIN) << "stops at the limit instead of wrapping";
}

TEST_F(SpinEdit, KeyFilterAndEditorEnabled) {
    spin->SelectAll();
    std::size_t before = Beeps();
    Type("-12+3.4a");
    EXPECT_EQ(spin->GetText(), "-1234");
    EXPECT_EQ(Beeps() - before, 3u) << "plus, decimal point and letter refused";
    Key(VK_UP);
    EXPECT_EQ(spin->GetText(), "-1233");
    Key(VK_DOWN);
    Key(VK_DOWN);
    EXPECT_EQ(spin->GetText(), "-1235");
    SetClipboardText("7x");
    before = Beeps();
    spin->PasteFromClipboard();
    EXPECT_EQ(spin->GetText(), "-1235");
    EXPECT_EQ(Beeps() - before, 1u);

    spin->SetEditorEnabled(false);
    spin->SetSelStart(5);
    before = Beeps();
    Type("5");
    win::Headless::KeyPress(VK_BACK, U'\b');
    Pump();
    EXPECT_EQ(spin->GetText(), "-1235");
    EXPECT_EQ(Beeps() - before, 2u);
    Key(VK_UP);
    EXPECT_EQ(spin->GetText(), "-1234") << "the arrows still step";
}

TEST_F(SpinEdit, HeldArrowRepeatsEvery400MillisecondsAndReadOnlyBeeps) {
    const TPoint up = spin->Button()->UpButton()->ClientToScreen({5, 5});
    win::Headless::MouseMove(up.x, up.y);
    win::Headless::MouseDown();
    Pump();
    win::Headless::AdvanceTime(399);
    Pump();
    EXPECT_EQ(spin->GetValue(), 0);
    win::Headless::AdvanceTime(1);
    Pump();
    EXPECT_EQ(spin->GetValue(), 1);
    win::Headless::AdvanceTime(800);
    Pump();
    EXPECT_EQ(spin->GetValue(), 3);
    win::Headless::MouseUp();
    Pump();
    EXPECT_EQ(spin->GetValue(), 4) << "the release is the button's click";

    spin->SetReadOnly(true);
    const std::size_t before = Beeps();
    spin->UpClick(spin);
    spin->DownClick(spin);
    EXPECT_EQ(spin->GetValue(), 4);
    EXPECT_EQ(Beeps() - before, 2u);
}

}  // namespace
