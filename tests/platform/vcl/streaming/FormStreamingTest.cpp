#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <memory>
#include <string>

#include "platform/vcl/streaming/FormParser.h"
#include "platform/vcl/streaming/FormReader.h"
#include "platform/vcl/streaming/FormWriter.h"
#include "platform/vcl/core/SysUtils.h"
#include "platform/vcl/core/TypInfo.h"
#include "tests/platform/vcl/TestComponents.h"

namespace {

const char* const FullDescription = R"(object Form1: TTestForm
  Tag = 7
  object btnOK: TTestWidget
    Left = -26
    Visible = False
    Shape = tsTriangle
    Color = $007F7F7F
    Options = [toBold, toTall]
    Caption = 'It''s ' + #169 +
      ' Quorvane'#13#10'2'
    Ratio = 0.25
    Buddy = pnlMain
    Limits.MinWidth = 130
    Items.Strings = (
      'first'
      'second')
    Columns = <
      item
        Caption = 'Abbreviations'
        Width = 120
      end
      item
        Caption = 'Meaning'
      end>
    Cursor = crHandPoint
    OnClick = btnOKClick
    SkinData = {
      0A1B2C
      3D}
  end
  object pnlMain: TTestWidget
    Color = clBtnFace
    object inner: TTestWidget
      Caption = 'nested'
    end
  end
  object loose: TLoggingComponent
  end
end
)";

class FormStreaming : public ::testing::Test {
protected:
    static void SetUpTestSuite() { RegisterTestClasses(); }

    std::unique_ptr<TTestForm> Load(const std::string& text) {
        auto form = std::make_unique<TTestForm>(nullptr);
        TFormReader("Test.dfm").ReadRootComponent(*form, text);
        return form;
    }
};

TEST_F(FormStreaming, ReadsEveryKindOfValue) {
    auto form = Load(FullDescription);
    ASSERT_NE(form->btnOK, nullptr);
    ASSERT_NE(form->pnlMain, nullptr);
    TTestWidget& w = *form->btnOK;
    EXPECT_EQ(form->GetName(), "Form1");
    EXPECT_EQ(form->GetTag(), 7);
    EXPECT_EQ(w.GetLeft(), -26);
    EXPECT_FALSE(w.GetVisible());
    EXPECT_EQ(w.GetShape(), TTestShape::tsTriangle);
    EXPECT_EQ(w.GetColor(), 0x7F7F7F);
    EXPECT_EQ(w.GetOptions(), toBold | toTall);
    EXPECT_EQ(w.GetCaption(), "It's \xA9 Quorvane\r\n2");
    EXPECT_DOUBLE_EQ(w.GetRatio(), 0.25);
    EXPECT_EQ(w.GetBuddy(), form->pnlMain);
    EXPECT_EQ(w.GetLimits()->GetMinWidth(), 130);
    EXPECT_EQ(w.GetItems()->GetCommaText(), "first,second");
    ASSERT_EQ(w.GetColumns()->Count(), 2);
    EXPECT_EQ(static_cast<TTestColumn*>(w.GetColumns()->Items(0))->Width, 120);
    EXPECT_EQ(static_cast<TTestColumn*>(w.GetColumns()->Items(1))->Caption, "Meaning");
    EXPECT_EQ(static_cast<TTestColumn*>(w.GetColumns()->Items(1))->Width, 50);
    EXPECT_EQ(w.GetCursor(), -21);
    EXPECT_EQ(w.SkinData, (std::vector<std::uint8_t>{0x0A, 0x1B, 0x2C, 0x3D}));
    EXPECT_EQ(form->pnlMain->GetColor(), clBtnFace);

    // The handler is the form's published method.
    w.OnClick(&w);
    EXPECT_EQ(form->Clicks, (std::vector<std::string>{"btnOK"}));

    // Nesting made the inner widget a child; everything is owned by the form.
    auto* inner = static_cast<TTestWidget*>(form->FindComponent("inner"));
    ASSERT_NE(inner, nullptr);
    EXPECT_EQ(inner->ParentWidget, form->pnlMain);
    EXPECT_EQ(form->ComponentCount(), 4);
}

TEST_F(FormStreaming, LaterStoredValuesOverrideEarlierOnes) {
    struct Case {
        const char* properties;
        TColor color;
    };
    const Case cases[] = {
        {"Shape = tsSquare\n Color = clLime", clLime},  // the stored colour wins
        {"Color = clLime\n Shape = tsSquare", clRed},   // the shape's colour wins
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.properties);
        auto form = Load(std::string("object F: TTestForm\n object btnOK: TTestWidget\n ") +
                         c.properties + "\n end\nend\n");
        EXPECT_EQ(form->btnOK->GetColor(), c.color);
        EXPECT_TRUE(form->btnOK->WasLoadingInSetter);
        EXPECT_FALSE(form->btnOK->ComponentState() & csLoading);
    }
}

TEST_F(FormStreaming, LoadedRunsAfterForwardReferencesAreResolved) {
    auto form = Load(FullDescription);
    // btnOK names pnlMain before pnlMain is created.
    EXPECT_TRUE(form->btnOK->LoadedCalled);
    EXPECT_EQ(form->btnOK->BuddyAtLoaded, form->pnlMain);
    EXPECT_TRUE(form->pnlMain->LoadedCalled);
    EXPECT_FALSE(form->ComponentState() & (csLoading | csReading));
}

TEST_F(FormStreaming, ReferencesAndFieldsAreClearedWhenTheComponentGoes) {
    auto form = Load(FullDescription);
    TTestWidget* button = form->btnOK;
    delete form->pnlMain;
    EXPECT_EQ(form->pnlMain, nullptr);
    EXPECT_EQ(button->GetBuddy(), nullptr);
}

// A reference written Form.Component names a component of that form, found among the
// forms the same owner holds, even where the form being read has one of the same name;
// a plain name stays on the form being read. The writer writes such a reference back.
TEST_F(FormStreaming, AReferenceToAnotherFormsComponentResolvesToThatComponent) {
    TComponent application(nullptr);
    auto* other = new TTestForm(&application);
    other->SetName("Other");
    auto* sharedPanel = new TTestWidget(other);
    sharedPanel->SetName("pnlMain");
    auto* onlyThere = new TTestWidget(other);
    onlyThere->SetName("pnlShared");
    struct Case {
        const char* buddy;
        const char* expected;  // "own" for the form's own pnlMain, else the other's name
    };
    const Case cases[] = {
        {"pnlMain", "own"},           {"Other.pnlMain", "pnlMain"},
        {"other.PNLMAIN", "pnlMain"}, {"Other.pnlShared", "pnlShared"},
        {"Form1.pnlMain", "own"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.buddy);
        auto form = std::make_unique<TTestForm>(&application);
        TFormReader("Test.dfm")
            .ReadRootComponent(
                *form,
                std::string("object Form1: TTestForm\n object btnOK: TTestWidget\n  Buddy = ") +
                    c.buddy + "\n end\n object pnlMain: TTestWidget\n end\nend\n");
        TComponent* expected = std::string(c.expected) == "own"
                                   ? static_cast<TComponent*>(form->pnlMain)
                                   : other->FindComponent(c.expected);
        ASSERT_NE(expected, nullptr);
        EXPECT_EQ(form->btnOK->GetBuddy(), expected);
        if (expected->Owner() == other) {
            const std::string written = TFormWriter().WriteDescription(*form);
            EXPECT_NE(written.find(std::string("Buddy = Other.") + expected->GetName()),
                      std::string::npos)
                << written;
            // The other form's component going clears the reference.
            if (expected == onlyThere) {
                delete onlyThere;
                onlyThere = nullptr;
                EXPECT_EQ(form->btnOK->GetBuddy(), nullptr);
            }
        }
        form.reset();
    }
    // A form or component that is not there is an error that names it.
    for (const char* missing : {"Other.pnlNone", "Nobody.pnlMain"}) {
        SCOPED_TRACE(missing);
        auto form = std::make_unique<TTestForm>(&application);
        try {
            TFormReader("Test.dfm")
                .ReadRootComponent(
                    *form,
                    std::string("object Form1: TTestForm\n object btnOK: TTestWidget\n  Buddy = ") +
                        missing + "\n end\nend\n");
            ADD_FAILURE() << "no error";
        } catch (const EReadError& e) {
            EXPECT_NE(std::string(e.Message()).find(std::string("found '") + missing + "'"),
                      std::string::npos)
                << e.Message();
        }
    }
}

TEST_F(FormStreaming, ComponentsTheFormCreatedItselfAreReused) {
    auto form = std::make_unique<TTestForm>(nullptr);
    TTestWidget* own = form->CreateOwnWidget("pnlMain");
    TFormReader("Own.dfm").ReadRootComponent(
        *form, "object F: TTestForm\n object pnlMain: TTestWidget\n Left = 5\n end\nend\n");
    EXPECT_EQ(form->ComponentCount(), 1);
    EXPECT_EQ(own->GetLeft(), 5);
}

TEST_F(FormStreaming, WriterRoundTrips) {
    auto form = Load(FullDescription);
    const std::string written = TFormWriter().WriteDescription(*form);
    // Values equal to their defaults are not stored; names are.
    EXPECT_EQ(written.find("Ratio = 1.5"), std::string::npos);
    EXPECT_NE(written.find("Cursor = crHandPoint"), std::string::npos);
    EXPECT_NE(written.find("Font"), 0u);

    auto again = Load(written);
    EXPECT_EQ(TFormWriter().WriteDescription(*again), written);
    EXPECT_EQ(again->btnOK->GetCaption(), form->btnOK->GetCaption());
    EXPECT_EQ(again->btnOK->GetBuddy(), again->pnlMain);
    EXPECT_EQ(again->btnOK->SkinData, form->btnOK->SkinData);
    EXPECT_EQ(static_cast<TTestWidget*>(again->FindComponent("inner"))->ParentWidget,
              again->pnlMain);
}

TEST_F(FormStreaming, WriterSplitsLongStringsAndBinaryData) {
    auto form = std::make_unique<TTestForm>(nullptr);
    form->SetName("F");
    TTestWidget* w = form->CreateOwnWidget("btnOK");
    w->SetCaption(std::string(150, 'x') + "'\t");
    w->SkinData.assign(100, 0xAB);
    const std::string written = TFormWriter().WriteDescription(*form);
    EXPECT_NE(written.find("' +\n"), std::string::npos);
    auto again = Load(written);
    EXPECT_EQ(again->btnOK->GetCaption(), w->GetCaption());
    EXPECT_EQ(again->btnOK->SkinData, w->SkinData);
}

TEST_F(FormStreaming, BadDescriptionsNameFileLineAndWhatWasExpected) {
    struct Case {
        std::string text;
        const char* message;  // what the error must contain after "Test.dfm:<line>: "
        int line;
    };
    std::string deepObjects = "object F: TTestForm\n";
    for (int i = 0; i < 150; ++i) deepObjects += "object X" + std::to_string(i) + ": TTestWidget\n";
    const Case cases[] = {
        {"object F: TTestForm\n  object X: TNoSuchClass\n  end\nend\n",
         "expected a registered class, found 'TNoSuchClass'", 2},
        {"object F: TTestForm\n  object btnOK: TTestWidget\n    Wide = 1\n  end\nend\n",
         "expected a property of TTestWidget, found 'Wide'", 3},
        {"object F: TTestForm\n  object btnOK: TTestWidget\n    Shape = tsOval\n  end\nend\n",
         "expected one of tsCircle, tsSquare, tsTriangle for Shape, found 'tsOval'", 3},
        {"object F: TTestForm\n  object btnOK: TTestWidget\n    Left = 'ten'\n  end\nend\n",
         "expected an integer for Left, found the string 'ten'", 3},
        {"object F: TTestForm\n  object btnOK: TTestWidget\n    Visible = Yes\n  end\nend\n",
         "expected True or False for Visible", 3},
        {"object F: TTestForm\n  object btnOK: TTestWidget\n    Options = [toBold, toRound]\n  "
         "end\nend\n",
         "found 'toRound'", 3},
        {"object F: TTestForm\n  object btnOK: TTestWidget\n    Color = clPink\n  end\nend\n",
         "expected a colour for Color", 3},
        {"object F: TTestForm\n  object btnOK: TTestWidget\n    Left 5\n  end\nend\n",
         "expected '=', found the number 5", 3},
        {"object F: TTestForm\n  object btnOK: TTestWidget\n    Caption = 'open\n  end\nend\n",
         "expected ' to end the string", 3},
        {"object F: TTestForm\n  object btnOK: TTestWidget\n    Buddy = nobody\n  end\nend\n",
         "expected the name of a component for Buddy, found 'nobody'", 3},
        {"object F: TTestForm\n  object btnOK: TTestWidget\n    OnClick = btnCancelClick\n  "
         "end\nend\n",
         "expected a published method of TTestForm for OnClick, found 'btnCancelClick'", 3},
        {"object F: TTestForm\n  object btnOK: TTestWidget\n    OnClick = Wrong\n  end\nend\n",
         "expected a method of the type of OnClick", 3},
        {"object F: TTestForm\n  object btnOK: TLoggingComponent\n  end\nend\n",
         "expected field btnOK of TTestForm to be able to hold a TLoggingComponent", 2},
        {"object F: TTestForm\n  object a: TTestWidget\n  end\n  object A: TTestWidget\n  "
         "end\nend\n",
         "A component named A already exists", 4},
        {"object F: TTestForm\n  object btnOK: TTestWidget\n    Limits.Height = 3\n  end\nend\n",
         "expected a property of TTestLimits, found 'Height'", 3},
        {"object F: TTestForm\n  object btnOK: TTestWidget\n    Items.Strings = ( 'a' 5 )\n  "
         "end\nend\n",
         "expected a string in the list, found the integer 5", 3},
        {"object F: TTestForm\n  object btnOK: TTestWidget\n    SkinData = { 0A1 }\n  end\nend\n",
         "expected an even number of hexadecimal digits", 3},
        {"object F: TTestForm\n  object btnOK: TTestWidget\n    Columns = < item Size = 1 end >\n  "
         "end\nend\n",
         "expected a property of TTestColumn, found 'Size'", 3},
        {"object F: TTestForm\n  object btnOK: TTestWidget\n    Limits = 3\n  end\nend\n",
         "expected sub-properties (Limits.Name = ...)", 3},
        {"object F: TOtherForm\nend\n", "expected an object of class TTestForm, found TOtherForm",
         1},
        {"object F: TTestForm\n  object btnOK: TTestWidget\n  end\n",
         "expected 'object' or 'end', found the end of the file", 4},
        {"object F: TTestForm\nend\nend\n",
         "expected the end of the file after the last 'end', found 'end'", 3},
        {"inherited F: TTestForm\nend\n",
         "expected 'object' (inherited and inline objects are not supported)", 1},
        {"object F: TTestForm\n  Tag = 12abc\nend\n", "expected a number", 2},
        {"object F: TTestForm\n  Tag = 18446744073709551615\nend\n",
         "expected an integer that fits in 64 bits", 2},
        {"object F: TTestForm\n  Tag = -92233720368547757e\nend\n",
         "expected a number that fits in a double", 2},
        {"object F: TTestForm\n  Tag = 1e999\nend\n", "expected a number that fits in a double",
         2},
        // Nesting is refused long before the stack runs out: 20 000 lists would use it up.
        {"object F: TTestForm\n  Tag = " + std::string(20000, '(') + "\nend\n",
         "objects, lists and collections nested more than 100 deep", 2},
        {"object F: TTestForm\n  Tag = <item Tag = <item Tag = " + std::string(20000, '(') +
             "\nend\n",
         "nested more than 100 deep", 2},
        {deepObjects, "nested more than 100 deep", 101},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        try {
            Load(c.text);
            ADD_FAILURE() << "no error";
        } catch (const EReadError& e) {
            const std::string expected = "Test.dfm:" + std::to_string(c.line) + ": ";
            EXPECT_EQ(e.Message().rfind(expected, 0), 0u) << e.Message();
            EXPECT_NE(e.Message().find(c.message), std::string::npos) << e.Message();
        }
    }
}

// The whole 64-bit range reads as written; hexadecimal is the bit pattern.
TEST(FormParser, IntegersAtTheEdgesOfTheRange) {
    const struct {
        const char* text;
        std::int64_t value;
    } cases[] = {
        {"-9223372036854775808", std::numeric_limits<std::int64_t>::min()},
        {"9223372036854775807", std::numeric_limits<std::int64_t>::max()},
        {"$FFFFFFFFFFFFFFFF", -1},
        {"-$8000000000000000", std::numeric_limits<std::int64_t>::min()},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        const TFormObject object =
            TFormParser(std::string("object F: TTestForm\n  Tag = ") + c.text + "\nend\n", "T.dfm")
                .ParseDescription();
        ASSERT_EQ(object.Properties.size(), 1u);
        EXPECT_EQ(object.Properties[0].Value.Integer, c.value);
    }
    std::int64_t value = 0;
    EXPECT_FALSE(TryStrToInt("9223372036854775808", value));
    EXPECT_FALSE(TryStrToInt("-9223372036854775809", value));
}

TEST_F(FormStreaming, ReadComponentCreatesTheRootByClassName) {
    auto owner = std::make_unique<TComponent>(nullptr);
    TComponent* root =
        TFormReader("Made.dfm").ReadComponent("object Made: TTestForm\nend\n", owner.get());
    EXPECT_EQ(root->ClassName(), "TTestForm");
    EXPECT_EQ(root->Owner(), owner.get());
    EXPECT_THROW(TFormReader("Bad.dfm").ReadComponent("object X: TUnknown\nend\n", owner.get()),
                 EReadError);
    EXPECT_EQ(owner->ComponentCount(), 1);
}

TEST(PublishedProperties, AccessByNameAsTextAndTyped) {
    TTestWidget w(nullptr);
    EXPECT_TRUE(IsHasProperty(&w, "Color"));
    EXPECT_TRUE(IsHasProperty(&w, "tag"));  // inherited, and names compare without case
    EXPECT_FALSE(IsHasProperty(&w, "FileTheme"));

    SetOrdProp(&w, "Shape", static_cast<int>(TTestShape::tsSquare));
    EXPECT_EQ(GetEnumProp(&w, "Shape"), "tsSquare");
    SetPropValue(&w, "Options", "[toWide]");
    EXPECT_EQ(GetOrdProp(&w, "Options"), toWide);
    SetPropValue(&w, "Color", "clNavy");
    EXPECT_EQ(GetPropValue(&w, "Color"), "clNavy");
    SetPropValue(&w, "Color", "$00E7E7E7");
    EXPECT_EQ(w.GetColor(), 0xE7E7E7);
    SetPropValue(&w, "Limits.MaxWidth", "640");
    EXPECT_EQ(GetPropValue(&w, "Limits.MaxWidth"), "640");

    TTestWidget other(nullptr);
    SetObjectProp(&w, "Buddy", &other);
    EXPECT_EQ(GetObjectProp(&w, "Buddy"), &other);
    TTestLimits limits;
    limits.SetMinWidth(9);
    SetObjectProp(&w, "Limits", &limits);  // owned objects are assigned to
    EXPECT_EQ(w.GetLimits()->GetMinWidth(), 9);

    EXPECT_THROW(SetOrdProp(&w, "Caption", 1), EPropertyError);
    EXPECT_THROW(SetOrdProp(&w, "Shape", 7), EPropertyError);
    EXPECT_THROW(GetOrdProp(&w, "Missing"), EPropertyError);
    TLoggingComponent notAWidget(nullptr);
    EXPECT_THROW(SetObjectProp(&w, "Buddy", &notAWidget), EPropertyError);
}

}  // namespace
