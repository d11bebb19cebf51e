// Push buttons with actions: the caption and enabling come from the action, a click runs
// it (and still sets the form's modal result), a freed action is forgotten, and the glyph
// is taken from the action list's image list only while the button has none.
#include "Source/buttons/SKButton.h"
#include "platform/vcl/actions/ActionList.h"
#include "platform/vcl/actions/CustomAction.h"
#include "platform/vcl/graphics/Bitmap.h"
#include "platform/vcl/graphics/ImageList.h"
#include "tests/Source/buttons/ButtonsTestSupport.h"

using namespace buttons_test;

namespace {

class ButtonAction : public ButtonsTest {
protected:
    // Two 8 x 8 images of a plain colour each.
    TImageList* Images() {
        auto* images = new TImageList(form.get());
        images->SetWidth(8);
        images->SetHeight(8);
        for (TColor colour : {TColor(0x0000FF), TColor(0x00FF00)}) {
            TBitmap square(8, 8);
            square.Image().Fill(colour);
            images->Add(&square);
        }
        return images;
    }
    static TColor GlyphColour(TskButton* b) {
        return b->GetGlyph()->GetEmpty() ? clNone : b->GetGlyph()->Image().GetPixel(3, 3);
    }
};

TEST_F(ButtonAction, TheButtonTakesItsActionsCaptionAndStateAndAClickRunsIt) {
    auto* action = new TAction(form.get());
    action->SetCaption("&Save");
    int runs = 0;
    action->OnExecute = [&](TObject*) { ++runs; };
    TskButton* button = Add<TskButton>(20, 20);
    button->SetModalResult(mrOk);
    button->SetAction(action);
    EXPECT_EQ(button->GetCaption(), "&Save");
    action->SetCaption("Save &all");
    action->SetEnabled(false);
    EXPECT_EQ(button->GetCaption(), "Save &all");
    EXPECT_FALSE(button->GetEnabled());
    action->SetEnabled(true);
    ClickOn(button);
    EXPECT_EQ(runs, 1);
    EXPECT_EQ(form->GetModalResult(), mrOk);
    AltKey('A');
    EXPECT_EQ(runs, 2) << "the accelerator of the action's caption";

    delete action;
    EXPECT_EQ(button->GetAction(), nullptr);
    ClickOn(button);  // reaches nothing of the freed action
    EXPECT_EQ(runs, 2);
}

TEST_F(ButtonAction, TheGlyphComesFromTheListsImagesOnlyWhenEveryConditionHolds) {
    struct Case {
        const char* what;
        bool inList;
        bool listHasImages;
        int imageIndex;
        bool glyphBefore;
        TColor expected;
    };
    const Case cases[] = {
        {"image 1 of the list", true, true, 1, false, 0x00FF00},
        {"image 0 of the list", true, true, 0, false, 0x0000FF},
        {"the button has a glyph already", true, true, 1, true, 0x808080},
        {"an index past the images", true, true, 2, false, clNone},
        {"a negative index", true, true, -1, false, clNone},
        {"a list without images", true, false, 1, false, clNone},
        {"an action of no list", false, true, 1, false, clNone},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        auto* list = new TActionList(form.get());
        if (c.listHasImages) list->SetImages(Images());
        auto* action = new TAction(form.get());
        if (c.inList) action->SetActionList(list);
        action->SetImageIndex(c.imageIndex);
        TskButton* button = Add<TskButton>(20, 20);
        if (c.glyphBefore) {
            TBitmap grey(8, 8);
            grey.Image().Fill(0x808080);
            button->SetGlyph(&grey);
        }
        button->SetAction(action);
        EXPECT_EQ(GlyphColour(button), c.expected);
        delete button;
    }
}

TEST_F(ButtonAction, ALaterImageChangeLeavesTheGlyphTheButtonAlreadyTook) {
    auto* list = new TActionList(form.get());
    list->SetImages(Images());
    auto* action = new TAction(form.get());
    action->SetActionList(list);
    TskButton* button = Add<TskButton>(20, 20);
    button->SetAction(action);
    EXPECT_EQ(GlyphColour(button), clNone) << "no image yet";
    action->SetImageIndex(0);
    EXPECT_EQ(GlyphColour(button), 0x0000FF);
    action->SetImageIndex(1);
    EXPECT_EQ(GlyphColour(button), 0x0000FF) << "the glyph is no longer empty";
}

}  // namespace
