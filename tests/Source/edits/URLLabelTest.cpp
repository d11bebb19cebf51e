// The link label: its look as a link, the hover colour the mouse gives it, and the address
// a click hands to the shell.
#include <memory>
#include <string>
#include <vector>

#include "Source/edits/SKURLLabel.h"
#include "platform/vcl/streaming/FormReader.h"
#include "tests/Source/edits/EditsTestSupport.h"

using editstest::EditsTest;

namespace {

constexpr TColor kBlue = 0xFF0000;
constexpr TColor kRed = 0x0000FF;

class URLLabel : public EditsTest {
protected:
    void SetUp() override {
        EditsTest::SetUp();
        label = new TskURLLabel(host.get());
        label->SetParent(host.get());
        label->SetLeft(10);
        label->SetTop(10);
        label->GetFont()->SetHeight(-11);
        label->SetCaption("Go to the page");
        Shot();
    }
    // Moves the pointer onto the label or off it, as the user does.
    void Pointer(bool over) {
        const TPoint p = label->ClientToScreen({over ? 3 : 300, over ? 3 : 150});
        win::Headless::MouseMove(p.x, p.y);
        win::Headless::ProcessMessages();
    }
    int Pixels(TColor color) { return Count(Shot(), label->BoundsRect(), color); }

    TskURLLabel* label = nullptr;
};

TEST_F(URLLabel, StartsAsABlueUnderlinedLinkWithTheHandCursor) {
    EXPECT_EQ(label->GetFont()->GetColor(), kBlue);
    EXPECT_EQ(label->GetFont()->GetStyle(), fsUnderline);
    EXPECT_EQ(label->GetCursor(), crHandPoint);
    EXPECT_TRUE(label->GetAutoSize());
    EXPECT_EQ(label->GetFontLinkColor(), kBlue);
    EXPECT_EQ(label->GetFontHoverColor(), kRed);
    EXPECT_FALSE(label->GetURL().empty());
    EXPECT_GT(Pixels(kBlue), 20) << "the caption is drawn in the link colour";
    EXPECT_EQ(Pixels(kRed), 0);
}

TEST_F(URLLabel, TheMouseOverTheLabelTurnsItToTheHoverColourAndBack) {
    Pointer(true);
    EXPECT_EQ(label->GetFont()->GetColor(), kRed);
    EXPECT_GT(Pixels(kRed), 20);
    EXPECT_EQ(Pixels(kBlue), 0);
    Pointer(false);
    EXPECT_EQ(label->GetFont()->GetColor(), kBlue);
    EXPECT_EQ(Pixels(kRed), 0);
}

TEST_F(URLLabel, ALinkColourShowsAtOnceAHoverColourAtTheNextHover) {
    label->SetLinkColor(0x008000);
    EXPECT_EQ(label->GetFont()->GetColor(), 0x008000);
    EXPECT_GT(Pixels(0x008000), 20);

    label->SetFontHoverColor(0x800080);
    EXPECT_EQ(label->GetFont()->GetColor(), 0x008000);
    Pointer(true);
    EXPECT_EQ(label->GetFont()->GetColor(), 0x800080);
    // A colour set on the font lasts only until the mouse passes.
    label->GetFont()->SetColor(0x00FFFF);
    Pointer(false);
    EXPECT_EQ(label->GetFont()->GetColor(), 0x008000);
}

TEST_F(URLLabel, AClickHandsTheStoredAddressToTheShellAndFiresOnClick) {
    struct Case {
        const char* url;
        std::vector<std::string> opened;
    };
    const Case cases[] = {
        {"https://brontide.example/brontide/index.htm",
         {"https://brontide.example/brontide/index.htm"}},
        {" https://brontide.example/", {" https://brontide.example/"}},
        {"", {}},
        {"  \t\r\n ", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string("URL \"") + c.url + "\"");
        win::Headless::Install();
        host = std::make_unique<editstest::THost>(nullptr);
        host->SetBounds(100, 100, 400, 200);
        label = new TskURLLabel(host.get());
        label->SetParent(host.get());
        label->SetBounds(10, 10, 80, 13);
        label->SetURL(c.url);
        int clicks = 0;
        label->OnClick = [&](TObject* Sender) {
            EXPECT_EQ(Sender, label);
            ++clicks;
        };
        Shot();
        const TPoint p = label->ClientToScreen({3, 3});
        win::Headless::Click(p.x, p.y);
        win::Headless::ProcessMessages();
        EXPECT_EQ(win::Headless::Driver().OpenedUrls(), c.opened);
        EXPECT_EQ(clicks, 1);
    }
}

TEST_F(URLLabel, AFormDescriptionReplacesTheDefaults) {
    RegisterSKURLLabelClasses();
    const char* description = R"(object Link: TskURLLabel
  Cursor = crHandPoint
  Caption = 'Brontide '
  Font.Color = clBlue
  Font.Style = [fsBold, fsUnderline]
  ParentFont = False
  URL = 'https://brontide.example/brontide/index.htm'
  FontHoverColor = clLime
  FontLinkColor = clNavy
end)";
    std::unique_ptr<TComponent> loaded(TFormReader("Link.dfm").ReadComponent(description, nullptr));
    auto* link = dynamic_cast<TskURLLabel*>(loaded.get());
    ASSERT_NE(link, nullptr);
    EXPECT_EQ(link->GetCaption(), "Brontide ");
    EXPECT_EQ(link->GetURL(), "https://brontide.example/brontide/index.htm");
    EXPECT_EQ(link->GetFontHoverColor(), clLime);
    EXPECT_EQ(link->GetFontLinkColor(), clNavy);
    EXPECT_EQ(link->GetFont()->GetColor(), clNavy) << "the link colour, stored after the font";
    EXPECT_EQ(link->GetFont()->GetStyle(), fsBold | fsUnderline);
}

}  // namespace
