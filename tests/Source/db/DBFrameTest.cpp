// The look of the skinned data-aware controls: the flat frame of the edits in two styles
// around each framed control, the check box and radio group drawn exactly as their plain
// skinned kinds, the style falling back when the file theme goes, and the classes known to
// the form reader with their own properties first.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "Source/db/SKDBClasses.h"
#include "Source/db/SKDBCtrls.h"
#include "Source/theme/SKFileTheme.h"
#include "platform/vcl/VclClasses.h"
#include "platform/vcl/streaming/FormReader.h"
#include "platform/vcl/streaming/FormWriter.h"
#include "tests/Source/db/DBSkinTestSupport.h"

using dbskintest::DBSkinTest;

namespace {

class DBFrame : public DBSkinTest {
protected:
    template <class T>
    T* Bound(const char* Field, int Width = 120, int Height = 90) {
        auto* control = Place<T>(20, 20, Width, Height);
        control->SetDataSource(source.get());
        control->SetDataField(Field);
        return control;
    }
};

template <class T>
void ApplyStyle(TWinControl* Control, TskUIStyle Style) {
    if (auto* c = dynamic_cast<T*>(Control)) c->SetUIStyle(Style);
}

template <class T>
TColor BorderOf(TWinControl* Control, bool& Found) {
    auto* c = dynamic_cast<T*>(Control);
    if (c) Found = true;
    return c ? c->GetBorderColor() : 0;
}

void SetStyle(TWinControl* Control, TskUIStyle Style) {
    ApplyStyle<TskDBEdit>(Control, Style);
    ApplyStyle<TskDBMemo>(Control, Style);
    ApplyStyle<TskDBImage>(Control, Style);
    ApplyStyle<TskDBListBox>(Control, Style);
    ApplyStyle<TskDBLookupListBox>(Control, Style);
}

TColor BorderColor(TWinControl* Control) {
    bool found = false;
    TColor color = BorderOf<TskDBEdit>(Control, found);
    if (!found) color = BorderOf<TskDBMemo>(Control, found);
    if (!found) color = BorderOf<TskDBImage>(Control, found);
    if (!found) color = BorderOf<TskDBListBox>(Control, found);
    if (!found) color = BorderOf<TskDBLookupListBox>(Control, found);
    return color;
}

}  // namespace

TEST_F(DBFrame, EveryFramedControlShowsTheStyleBorderRingAndItsColourInside) {
    struct Case {
        const char* name;
        std::function<TWinControl*()> place;
    };
    const Case cases[] = {
        {"edit", [this] { return Bound<TskDBEdit>("name", 120, 24); }},
        {"memo", [this] { return Bound<TskDBMemo>("notes"); }},
        {"image", [this] { return Bound<TskDBImage>("photo"); }},
        {"list box",
         [this] {
             auto* list = Bound<TskDBListBox>("name");
             list->GetItems()->SetText("Ann\nBob");
             return list;
         }},
        {"lookup list box",
         [this] {
             auto* list = Bound<TskDBLookupListBox>("age");
             list->SetListSource(source.get());
             list->SetKeyField("age");
             list->SetListField("name");
             return list;
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TWinControl* control = c.place();
        table->Open();
        for (const TskUIStyle style : {MacOS, Protein}) {
            SCOPED_TRACE(static_cast<int>(style));
            SetStyle(control, style);
            const TColor border = GetInsideThemeColor(style, SkItem::ControlBorderColor);
            EXPECT_EQ(BorderColor(control), border);
            const gfx::Bitmap shot = Shot(control);
            const int w = control->GetWidth(), h = control->GetHeight();
            const TColor inner = ColorToRGB(control->GetColor());
            for (const TPoint p : {TPoint{0, 0}, TPoint{w / 2, 0}, TPoint{w - 1, h / 2},
                                   TPoint{w / 3, h - 1}, TPoint{0, h - 1}})
                EXPECT_EQ(shot.GetPixel(p.x, p.y), border) << p.x << "," << p.y;
            for (const TPoint p :
                 {TPoint{1, h / 2}, TPoint{w / 2, 1}, TPoint{w - 2, h / 3}, TPoint{w / 2, h - 2}})
                EXPECT_EQ(shot.GetPixel(p.x, p.y), inner) << p.x << "," << p.y;
        }
        table->Close();
        delete control;
    }
}

TEST_F(DBFrame, StoredBorderColourIsDrawnUntilTheStyleChanges) {
    auto* edit = Bound<TskDBEdit>("name", 120, 24);
    edit->SetUIStyle(WinXP);
    edit->SetBorderColor(0x7F7F7F);
    EXPECT_EQ(Shot(edit).GetPixel(60, 0), 0x7F7F7F);
    edit->SetUIStyle(BlueGlass);
    EXPECT_EQ(edit->GetBorderColor(), GetInsideThemeColor(BlueGlass, SkItem::ControlBorderColor));
}

TEST_F(DBFrame, RemovedFileThemeReturnsTheControlsToDeepBlue) {
    auto* memo = Bound<TskDBMemo>("notes");
    auto* list = Bound<TskDBListBox>("name");
    TskScrollBar* bar = NewBar();
    memo->SetVScrollBar(bar);
    auto* theme = new TskFileTheme(host.get());
    for (auto* c : std::initializer_list<TWinControl*>{memo, list}) SetStyle(c, MacOS);
    memo->SetFileTheme(theme);
    list->SetFileTheme(theme);
    EXPECT_EQ(bar->GetFileTheme(), theme) << "the linked bar shares the memo's theme";
    delete theme;
    EXPECT_EQ(memo->GetFileTheme(), nullptr);
    EXPECT_EQ(memo->GetUIStyle(), DeepBlue);
    EXPECT_EQ(memo->GetBorderColor(), 0x000000);
    EXPECT_EQ(list->GetUIStyle(), DeepBlue);
    EXPECT_EQ(list->GetBorderColor(), 0x000000);
    EXPECT_EQ(bar->GetUIStyle(), DeepBlue);
}

TEST_F(DBFrame, CheckBoxAndRadioGroupLookLikeThePlainSkinnedOnes) {
    table->Open();
    for (const TskUIStyle style : {MacOS, WinXP}) {
        SCOPED_TRACE(static_cast<int>(style));
        auto* check = Bound<TskDBCheckBox>("active", 100, 20);
        check->SetCaption("Active");
        check->SetUIStyle(style);
        auto* plain = Place<TskCheckBox>(20, 60, 100, 20);
        plain->SetCaption("Active");
        plain->SetUIStyle(style);
        plain->SetChecked(true);
        ASSERT_TRUE(check->GetChecked()) << "Ann is active";
        EXPECT_EQ(Shot(check), Shot(plain));

        auto* group = Bound<TskDBRadioGroup>("name", 150, 90);
        group->SetUIStyle(style);
        group->GetItems()->SetText("Ann\nBob\nCy");
        auto* plainGroup = Place<TskRadioGroup>(200, 20, 150, 90);
        plainGroup->SetUIStyle(style);
        plainGroup->GetItems()->SetText("Ann\nBob\nCy");
        plainGroup->SetItemIndex(0);
        ASSERT_EQ(group->GetItemIndex(), 0);
        EXPECT_EQ(Shot(group), Shot(plainGroup));
        for (TControl* c : std::initializer_list<TControl*>{check, plain, group, plainGroup})
            delete c;
    }
}

TEST_F(DBFrame, ClassesAreKnownWithTheirOwnProperties) {
    struct Case {
        const char* name;
        std::vector<std::string> own;
    };
    const Case cases[] = {
        {"TskDBEdit", {"FileTheme", "UIStyle", "BorderColor"}},
        {"TskDBMemo", {"FileTheme", "UIStyle", "BorderColor", "VScrollBar", "HScrollBar"}},
        {"TskDBImage", {"FileTheme", "UIStyle", "BorderColor"}},
        {"TskDBListBox", {"FileTheme", "UIStyle", "BorderColor", "VScrollBar"}},
        {"TskDBLookupListBox", {"FileTheme", "UIStyle", "BorderColor", "VScrollBar"}},
        {"TskDBCheckBox",
         {"DataField", "DataSource", "ReadOnly", "ValueChecked", "ValueUnchecked"}},
        {"TskDBRadioGroup",
         {"DataField", "DataSource", "ReadOnly", "Values", "OnChange", "TabStop", "TabOrder"}},
    };
    RegisterSkinDBClasses();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const TClassInfo& info = FindClass(c.name);
        for (const std::string& name : c.own) EXPECT_NE(info.FindProperty(name), nullptr) << name;
        ASSERT_TRUE(info.CreateComponent);
        std::unique_ptr<TComponent> made(info.CreateComponent(nullptr));
        EXPECT_NE(made, nullptr);
    }
}

// A stored form brings every control back with its links, lists and values, and writes
// them out again.
TEST_F(DBFrame, StoredFormReadsAndWritesTheControlsAndTheirLinks) {
    RegisterVclClasses();
    RegisterSkinDBClasses();
    const char* description = R"(object fmStored: TForm
  Left = 0
  Top = 0
  Width = 400
  Height = 300
  object sbNotes: TskScrollBar
    Left = 0
    Top = 0
    Width = 16
    Height = 16
  end
  object memNotes: TskDBMemo
    Left = 10
    Top = 10
    Width = 200
    Height = 100
    UIStyle = MacOS
    BorderColor = 8355711
    VScrollBar = sbNotes
    DataField = 'notes'
  end
  object chkActive: TskDBCheckBox
    Left = 10
    Top = 120
    DataField = 'active'
    ValueChecked = 'Yes;Y'
    ValueUnchecked = 'No'
  end
  object rgName: TskDBRadioGroup
    Left = 10
    Top = 150
    Items.Strings = (
      'Ann'
      'Bob')
    Values.Strings = (
      'A'
      'Bob')
    DataField = 'name'
  end
end)";
    auto form = std::make_unique<TForm>(nullptr);
    TFormReader("Stored.dfm").ReadRootComponent(*form, description);
    auto* memo = dynamic_cast<TskDBMemo*>(form->FindComponent("memNotes"));
    auto* bar = dynamic_cast<TskScrollBar*>(form->FindComponent("sbNotes"));
    auto* check = dynamic_cast<TskDBCheckBox*>(form->FindComponent("chkActive"));
    auto* group = dynamic_cast<TskDBRadioGroup*>(form->FindComponent("rgName"));
    ASSERT_TRUE(memo && bar && check && group);
    EXPECT_EQ(memo->GetVScrollBar(), bar);
    EXPECT_EQ(memo->GetScrollBars(), ssVertical) << "the native bar under the linked one";
    EXPECT_EQ(memo->GetUIStyle(), MacOS);
    EXPECT_EQ(memo->GetBorderColor(), 0x7F7F7F) << "the stored colour wins over the style's";
    EXPECT_EQ(bar->GetLeft(), 10 + 200 - bar->GetWidth() - 2) << "laid out once loaded";
    EXPECT_EQ(check->GetValueChecked(), "Yes;Y");
    EXPECT_EQ(group->ButtonCount(), 2);
    EXPECT_EQ(group->GetButtonValue(0), "A");

    const std::string written = TFormWriter().WriteDescription(*form);
    for (const char* line : {"VScrollBar = sbNotes", "DataField = 'notes'",
                             "ValueChecked = 'Yes;Y'", "ValueUnchecked = 'No'", "'A'"})
        EXPECT_NE(written.find(line), std::string::npos) << line << "\n" << written;
}
