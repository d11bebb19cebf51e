// The skinned edit and mask edit: the two-pixel frame in the style's border colour where the
// platform border was, kept while the user types, selects and scrolls, the style and the
// stored colour, the file theme going away, and one change event per change.
#include <memory>
#include <string>
#include <vector>

#include "Source/edits/SKEdit.h"
#include "Source/theme/SKFileTheme.h"
#include "Source/theme/SKPublic.h"
#include "platform/vcl/controls/Form.h"
#include "platform/vcl/streaming/FormReader.h"
#include "tests/Source/edits/EditsTestSupport.h"

using editstest::EditsTest;

namespace {

class SkinEdit : public EditsTest {
protected:
    template <class T>
    T* Place(int left, int top, int width, int height) {
        auto* edit = new T(host.get());
        edit->SetBounds(left, top, width, height);
        edit->SetParent(host.get());
        return edit;
    }
    // Every pixel of the outer ring is Border and every pixel of the ring inside it Inner.
    static void ExpectFrame(const gfx::Bitmap& shot, const TRect& r, TColor border, TColor inner) {
        for (int x = r.left; x < r.right; ++x) {
            ASSERT_EQ(shot.GetPixel(x, r.top), border) << "top, x " << x;
            ASSERT_EQ(shot.GetPixel(x, r.bottom - 1), border) << "bottom, x " << x;
        }
        for (int y = r.top; y < r.bottom; ++y) {
            ASSERT_EQ(shot.GetPixel(r.left, y), border) << "left, y " << y;
            ASSERT_EQ(shot.GetPixel(r.right - 1, y), border) << "right, y " << y;
        }
        for (int x = r.left + 1; x < r.right - 1; ++x) {
            ASSERT_EQ(shot.GetPixel(x, r.top + 1), inner) << "inner top, x " << x;
            ASSERT_EQ(shot.GetPixel(x, r.bottom - 2), inner) << "inner bottom, x " << x;
        }
        for (int y = r.top + 1; y < r.bottom - 1; ++y) {
            ASSERT_EQ(shot.GetPixel(r.left + 1, y), inner) << "inner left, y " << y;
            ASSERT_EQ(shot.GetPixel(r.right - 2, y), inner) << "inner right, y " << y;
        }
    }
    static void Type(const std::string& text) {
        win::Headless::TypeText(text);
        win::Headless::ProcessMessages();
    }
};

TEST_F(SkinEdit, FramesInTheStyleBorderColourWithTheTextAreaInside) {
    for (const TskUIStyle style : {MacOS, WinXP}) {
        SCOPED_TRACE(static_cast<int>(style));
        auto* edit = Place<TskEdit>(113, 75, 109, 19);
        auto* mask = Place<TskMaskEdit>(113, 120, 109, 19);
        edit->SetUIStyle(style);
        mask->SetUIStyle(style);
        const TColor border = GetInsideThemeColor(style, SkItem::ControlBorderColor);
        EXPECT_EQ(edit->GetBorderColor(), border);
        EXPECT_EQ(edit->GetBorderStyle(), bsNone);
        EXPECT_EQ(edit->GetBorderWidth(), 2);
        const gfx::Bitmap shot = Shot();
        EXPECT_EQ(edit->GetClientRect(), (TRect{0, 0, 105, 15}));
        const TColor window = ColorToRGB(clWindow);
        ExpectFrame(shot, {113, 75, 222, 94}, border, window);
        ExpectFrame(shot, {113, 120, 222, 139}, border, window);
        EXPECT_EQ(shot.GetPixel(112, 74), clWhite) << "nothing outside the edit";
        delete edit;
        delete mask;
    }
}

TEST_F(SkinEdit, FrameSurvivesTypingSelectingScrollingAndFocusChanges) {
    auto* edit = Place<TskMaskEdit>(20, 20, 60, 19);
    auto* other = Place<TskEdit>(20, 60, 60, 19);
    edit->SetUIStyle(MacOS);
    edit->SetCharCase(ecUpperCase);
    Shot();
    edit->SetFocus();
    Type("a text much longer than the edit is wide");
    win::Headless::KeyDown(VK_SHIFT);
    win::Headless::KeyPress(VK_HOME);
    win::Headless::KeyUp(VK_SHIFT);
    win::Headless::AdvanceTime(1500);  // the caret blinks through a few repaints
    const TColor border = GetInsideThemeColor(MacOS, SkItem::ControlBorderColor);
    ExpectFrame(Shot(), {20, 20, 80, 39}, border, ColorToRGB(clWindow));
    other->SetFocus();
    edit->SetEnabled(false);
    SetWindowPos(edit->Handle(), nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_FRAMECHANGED);
    ExpectFrame(Shot(), {20, 20, 80, 39}, border, ColorToRGB(clWindow));
    EXPECT_EQ(edit->GetText(), "A TEXT MUCH LONGER THAN THE EDIT IS WIDE");
}

TEST_F(SkinEdit, StyleOverwritesTheBorderColourAndAFormsStoredColourWins) {
    auto* edit = Place<TskEdit>(10, 10, 100, 19);
    EXPECT_EQ(edit->GetUIStyle(), DeepBlue) << "no skinned frame on the owner";
    EXPECT_EQ(edit->GetBorderColor(), GetInsideThemeColor(DeepBlue, SkItem::ControlBorderColor));
    edit->SetBorderColor(0x7F7F7F);
    ExpectFrame(Shot(), {10, 10, 110, 29}, 0x7F7F7F, ColorToRGB(clWindow));
    edit->SetUIStyle(Protein);
    EXPECT_EQ(edit->GetBorderColor(), GetInsideThemeColor(Protein, SkItem::ControlBorderColor));

    RegisterSKEditClasses();
    const char* description = R"(object E: TskMaskEdit
  Left = 0
  Top = 0
  Width = 109
  Height = 19
  UIStyle = MacOS
  BorderColor = 8355711
  BorderStyle = bsNone
  CharCase = ecUpperCase
end)";
    std::unique_ptr<TComponent> loaded(TFormReader("E.dfm").ReadComponent(description, nullptr));
    auto* read = dynamic_cast<TskMaskEdit*>(loaded.get());
    ASSERT_NE(read, nullptr);
    EXPECT_EQ(read->GetUIStyle(), MacOS);
    EXPECT_EQ(read->GetBorderColor(), 0x7F7F7F);
    EXPECT_EQ(read->GetCharCase(), ecUpperCase);
    EXPECT_EQ(read->GetBorderStyle(), bsNone);
}

TEST_F(SkinEdit, ALostFileThemeFallsBackToDeepBlue) {
    auto* edit = Place<TskEdit>(10, 10, 100, 19);
    auto* mask = Place<TskMaskEdit>(10, 40, 100, 19);
    auto* theme = new TskFileTheme(nullptr);
    edit->SetUIStyle(MacOS);
    mask->SetUIStyle(MacOS);
    edit->SetFileTheme(theme);
    mask->SetFileTheme(theme);
    delete theme;
    const TColor deepBlue = GetInsideThemeColor(DeepBlue, SkItem::ControlBorderColor);
    for (TColor color : {edit->GetBorderColor(), mask->GetBorderColor()}) EXPECT_EQ(color, deepBlue);
    EXPECT_EQ(edit->GetFileTheme(), nullptr);
    EXPECT_EQ(mask->GetFileTheme(), nullptr);
    EXPECT_EQ(edit->GetUIStyle(), DeepBlue);
    EXPECT_EQ(mask->GetUIStyle(), DeepBlue);
}

// The reference window's type-ahead runs on every change: one event per change, never two.
TEST_F(SkinEdit, OnChangeFiresOncePerChange) {
    auto* edit = Place<TskEdit>(10, 10, 100, 19);
    auto* mask = Place<TskMaskEdit>(10, 40, 100, 19);
    auto* number = Place<TskNumberEdit>(10, 70, 100, 19);
    std::vector<std::string> log;
    for (TCustomEdit* e : std::initializer_list<TCustomEdit*>{edit, mask, number})
        e->OnChange = [&log](TObject* s) { log.push_back(dynamic_cast<TCustomEdit*>(s)->GetText()); };
    Shot();
    edit->SetText("AB");
    mask->SetText("CD");
    number->SetText("12");
    EXPECT_EQ(log, (std::vector<std::string>{"AB", "CD", "12"}));
    log.clear();
    mask->SetFocus();
    Type("xy");
    EXPECT_EQ(log, (std::vector<std::string>{"x", "xy"})) << "focus selected all";
}

}  // namespace
