// Check boxes and radio buttons: the frame of the state picture for each state, the
// caption beside it, the automatic size, toggling by mouse, keys and accelerator, radio
// groups, and what a stored form does to them.
#include "Source/buttons/SKCheckBox.h"
#include "Source/theme/SKControlTheme.h"
#include "platform/vcl/graphics/Bitmap.h"
#include "platform/vcl/stdctrls/CustomPanel.h"
#include "platform/vcl/stdctrls/Edit.h"
#include "platform/vcl/streaming/FormReader.h"
#include "platform/win/Windows.h"
#include "tests/Source/buttons/ButtonsTestSupport.h"

using namespace buttons_test;
using win::Headless;

namespace {

class CheckBoxTest : public ButtonsTest {
protected:
    template <class T>
    T* Box(const char* caption, int x, int y, TWinControl* parent = nullptr) {
        T* box = Add<T>(x, y, parent);
        box->SetCaption(caption);
        box->OnClick = [this, box](TObject*) { clicks.push_back(box->GetCaption()); };
        return box;
    }

    std::vector<std::string> clicks;
};

}  // namespace

TEST_F(CheckBoxTest, EachStateShowsItsFrameAtTheLeftEdgeWithTheCaptionBesideIt) {
    auto* check = Box<TskCheckBox>("", 20, 20);
    auto* radio = Box<TskRadioButton>("", 20, 60);
    TskFileTheme* theme = CodedTheme();
    struct Case {
        bool checked, enabled;
        int frame;
    };
    const Case cases[] = {{true, true, 1}, {false, true, 2}, {true, false, 3}, {false, false, 4}};
    for (TskCheckBox* box : {check, static_cast<TskCheckBox*>(radio)}) {
        box->SetFileTheme(theme);
        box->SetUIStyle(FromThemeFile);
        box->SetTabStop(false);
        // Picture 11 x 11 and an empty caption: 19 wide, the text's height + 6 high.
        EXPECT_EQ(box->GetWidth(), kCheckFrame + 8);
        for (const Case& c : cases) {
            box->SetChecked(c.checked);
            box->SetEnabled(c.enabled);
            const gfx::Bitmap shot = Capture(box);
            const int top = (box->GetHeight() - kCheckFrame) / 2;
            // The radio picture is keyed by its bottom left pixel, which is (0, 10).
            const TColor corner = shot.GetPixel(1, top);
            EXPECT_EQ(CodedFrame(corner), c.frame) << box->ClassName() << " frame " << c.frame;
            EXPECT_EQ(CodedX(corner), 0);
            EXPECT_EQ(CodedY(corner), 0);
            const TColor inner = shot.GetPixel(1 + 5, top + 7);
            EXPECT_EQ(CodedFrame(inner), c.frame);
            EXPECT_EQ(CodedX(inner), 5);
            EXPECT_EQ(CodedY(inner), 7);
        }
    }
    // The caption starts 4 pixels right of the picture.
    check->SetEnabled(true);
    check->SetAutoSize(false);
    check->SetWidth(100);
    const gfx::Bitmap blank = Capture(check);
    check->SetCaption("Keyword");
    const TRect text = DifferenceBox(blank, Capture(check));
    EXPECT_GE(text.left, kCheckFrame + 4);
    EXPECT_LE(text.left, kCheckFrame + 6);
}

TEST_F(CheckBoxTest, AutoSizeFitsThePictureAndTheCaption) {
    auto* box = Box<TskCheckBox>("Command", 20, 20);
    box->GetFont()->SetName("MS Sans Serif");
    box->GetFont()->SetHeight(-11);
    box->SetUIStyle(MacOS);
    TBitmap measure(1, 1);
    measure.GetCanvas()->SetFont(box->GetFont());
    const int textWidth = measure.GetCanvas()->TextWidth("Command");
    const int textHeight = measure.GetCanvas()->TextHeight("W");
    // The MacOS check box frame is 15 x 17.
    EXPECT_EQ(box->GetWidth(), textWidth + 23);
    EXPECT_EQ(box->GetHeight(), std::max(textHeight + 2, 17) + 4);
    box->SetCaption("Command and more");
    EXPECT_EQ(box->GetWidth(), measure.GetCanvas()->TextWidth("Command and more") + 23);
    box->SetUIStyle(DeepBlue);  // 13 x 13 frames
    EXPECT_EQ(box->GetWidth(), measure.GetCanvas()->TextWidth("Command and more") + 21);
}

TEST_F(CheckBoxTest, ATransparentBoxShowsItsParent) {
    auto* box = Box<TskCheckBox>("", 20, 20);
    box->SetColor(clRed);
    EXPECT_EQ(Capture(box).GetPixel(box->GetWidth() - 1, 0), static_cast<TColor>(clRed));
    box->SetTransparent(true);
    EXPECT_EQ(Capture(box).GetPixel(box->GetWidth() - 1, 0), kFormColor);
}

TEST_F(CheckBoxTest, ClicksKeysAndTheAcceleratorToggleACheckBox) {
    auto* box = Box<TskCheckBox>("&Command", 20, 20);
    ClickOn(box);
    EXPECT_TRUE(box->GetChecked());
    EXPECT_TRUE(box->Focused());
    Headless::KeyPress(VK_SPACE, U' ');
    Headless::ProcessMessages();
    EXPECT_FALSE(box->GetChecked());
    Add<TEdit>(20, 100)->SetFocus();
    AltKey('C');
    EXPECT_TRUE(box->GetChecked());
    EXPECT_TRUE(box->Focused()) << "the accelerator brings the focus";
    // Writing Checked from code reports the change as a click does, both ways.
    box->SetChecked(false);
    box->SetChecked(false);
    box->SetState(cbChecked);
    box->SetState(cbGrayed);
    EXPECT_FALSE(box->GetChecked());
    EXPECT_EQ(clicks.size(), 6u);
    box->SetEnabled(false);
    AltKey('C');
    EXPECT_FALSE(box->GetChecked());
}

TEST_F(CheckBoxTest, ADoubleClickTogglesACheckBoxTwiceAndChecksARadioButtonOnce) {
    auto* box = Box<TskCheckBox>("box", 20, 20);
    auto* radio = Box<TskRadioButton>("radio", 20, 60);
    int doubleClicks = 0;
    radio->OnDblClick = [&](TObject*) { ++doubleClicks; };
    for (TControl* c : {static_cast<TControl*>(box), static_cast<TControl*>(radio)}) {
        const TPoint p = Middle(c);
        Headless::Click(p.x, p.y);
        Headless::Click(p.x, p.y);
        Headless::ProcessMessages();
    }
    EXPECT_FALSE(box->GetChecked());
    EXPECT_TRUE(radio->GetChecked());
    EXPECT_EQ(doubleClicks, 1);
    EXPECT_EQ(clicks, (std::vector<std::string>{"box", "box", "radio"}));
}

TEST_F(CheckBoxTest, CheckingARadioButtonUnchecksItsGroupOnTheSameParentOnly) {
    auto* panel = Add<TPanel>(200, 10);
    panel->SetBounds(200, 10, 150, 200);
    auto* a = Box<TskRadioButton>("a", 20, 20);
    auto* b = Box<TskRadioButton>("b", 20, 50);
    auto* other = Box<TskRadioButton>("other group", 20, 80);
    other->SetGroupIndex(1);
    auto* elsewhere = Box<TskRadioButton>("elsewhere", 10, 10, panel);
    for (TskRadioButton* r : {a, other, elsewhere}) r->SetChecked(true);
    clicks.clear();

    ClickOn(b);
    EXPECT_FALSE(a->GetChecked());
    EXPECT_TRUE(b->GetChecked());
    EXPECT_TRUE(other->GetChecked());
    EXPECT_TRUE(elsewhere->GetChecked());
    EXPECT_EQ(clicks, std::vector<std::string>{"b"}) << "nothing for the ones unchecked";
    ClickOn(b);
    EXPECT_TRUE(b->GetChecked());
    EXPECT_EQ(clicks.size(), 1u) << "clicking a checked radio button changes nothing";
    // Space does nothing to a radio button.
    b->SetChecked(false);
    b->SetFocus();
    Headless::KeyPress(VK_SPACE, U' ');
    Headless::ProcessMessages();
    EXPECT_FALSE(b->GetChecked());
}

TEST_F(CheckBoxTest, AStoredFormLoadsWithTheLastCheckedRadioButtonOfAGroup) {
    TForm loaded(nullptr);
    TFormReader reader("test");
    reader.ReadRootComponent(loaded, R"(object Stored: TForm
  object First: TskRadioButton
    Caption = 'First'
    Checked = True
    UIStyle = MacOS
    Transparent = True
  end
  object Second: TskRadioButton
    Caption = 'Second'
    Checked = True
  end
  object Flag: TskCheckBox
    Caption = 'Flag'
    State = cbChecked
    AutoSize = True
  end
end
)");
    auto* first = dynamic_cast<TskRadioButton*>(loaded.FindComponent("First"));
    auto* second = dynamic_cast<TskRadioButton*>(loaded.FindComponent("Second"));
    auto* flag = dynamic_cast<TskCheckBox*>(loaded.FindComponent("Flag"));
    ASSERT_TRUE(first && second && flag);
    EXPECT_FALSE(first->GetChecked());
    EXPECT_TRUE(second->GetChecked());
    EXPECT_TRUE(flag->GetChecked());
    EXPECT_EQ(first->GetUIStyle(), MacOS);
    EXPECT_TRUE(first->GetTransparent());
    EXPECT_EQ(first->GetParent(), &loaded);
}
