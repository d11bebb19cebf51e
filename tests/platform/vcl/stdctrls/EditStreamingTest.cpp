// The edit controls and the scroll bar read from and written to form descriptions.
#include "platform/vcl/core/ClassInfo.h"
#include "platform/vcl/stdctrls/Edit.h"
#include "platform/vcl/streaming/FormReader.h"
#include "platform/vcl/streaming/FormWriter.h"
#include "platform/vcl/stdctrls/MaskEdit.h"
#include "platform/vcl/stdctrls/Memo.h"
#include "platform/vcl/stdctrls/ScrollBar.h"
#include "tests/platform/vcl/EditTestFixture.h"
#include "platform/vcl/VclClasses.h"

using vcltest::EditTest;

namespace {

const char* const Description = R"(object Host: TCustomControl
  object edtAbbr: TMaskEdit
    Left = 113
    Top = 75
    Width = 109
    Height = 19
    BorderStyle = bsNone
    CharCase = ecUpperCase
    EditMask = '>LLL;0;_'
    TabOrder = 1
  end
  object edtInfo: TEdit
    Left = 79
    Top = 85
    Width = 286
    Height = 19
    MaxLength = 255
    PasswordChar = '*'
    Text = 'meaning'
  end
  object Memo1: TMemo
    Left = 8
    Top = 110
    Width = 185
    Height = 60
    Lines.Strings = (
      'first'
      'second')
    ScrollBars = ssVertical
    WordWrap = False
  end
  object Bar1: TScrollBar
    Left = 200
    Top = 110
    Width = 16
    Height = 60
    Kind = sbVertical
    Max = 49
    PageSize = 10
    Position = 20
  end
end
)";

}  // namespace

TEST_F(EditTest, EditControlsLoadFromAndWriteToFormDescriptions) {
    RegisterVclClasses();
    host->SetName("Host");
    TFormReader("Edits.dfm").ReadRootComponent(*host, Description);

    auto* mask = dynamic_cast<TMaskEdit*>(host->FindComponent("edtAbbr"));
    auto* edit = dynamic_cast<TEdit*>(host->FindComponent("edtInfo"));
    auto* memo = dynamic_cast<TMemo*>(host->FindComponent("Memo1"));
    auto* bar = dynamic_cast<TScrollBar*>(host->FindComponent("Bar1"));
    ASSERT_TRUE(mask && edit && memo && bar);
    EXPECT_EQ(mask->GetBorderStyle(), bsNone);
    EXPECT_EQ(mask->GetCharCase(), ecUpperCase);
    EXPECT_EQ(mask->GetEditMask(), ">LLL;0;_");
    EXPECT_EQ(mask->GetText(), "   ");
    EXPECT_EQ(edit->GetMaxLength(), 255);
    EXPECT_EQ(edit->GetPasswordChar(), '*');
    EXPECT_EQ(edit->GetText(), "meaning");
    EXPECT_EQ(memo->GetText(), "first\nsecond");
    EXPECT_EQ(memo->GetScrollBars(), ssVertical);
    EXPECT_FALSE(memo->GetWordWrap());
    EXPECT_EQ(bar->GetKind(), sbVertical);
    EXPECT_EQ(bar->GetWidth(), 16);
    EXPECT_EQ(bar->GetPosition(), 20);

    // Written back, each keeps what differs from its defaults and nothing else.
    const std::string written = TFormWriter().WriteDescription(*host);
    for (const char* line :
         {"BorderStyle = bsNone", "CharCase = ecUpperCase", "EditMask = '>LLL;0;_'",
          "MaxLength = 255", "PasswordChar = '*'", "ScrollBars = ssVertical", "WordWrap = False",
          "Kind = sbVertical", "PageSize = 10", "'second'"})
        EXPECT_NE(written.find(line), std::string::npos) << line << "\n" << written;
    for (const char* absent : {"AutoSelect", "HideSelection", "ReadOnly", "SmallChange"})
        EXPECT_EQ(written.find(absent), std::string::npos) << absent;
}
