// Re-creating a window goes through CM_RECREATEWND and keeps the window's region; the form
// reader runs AfterConstruction on what it creates, and the form's stored client size holds
// whatever that does to its frame.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "platform/vcl/controls/Form.h"
#include "platform/vcl/core/ClassBuilder.h"
#include "platform/vcl/core/Resources.h"
#include "platform/vcl/streaming/FormReader.h"
#include "platform/win/Windows.h"
#include "tests/platform/vcl/ControlTestFixture.h"

namespace {

// Records the CM_RECREATEWND it sees and whether the window was re-created.
class TRecreateProbe : public TCustomControl {
public:
    explicit TRecreateProbe(TComponent* AOwner) : TCustomControl(AOwner) {}
    int seen = 0;

protected:
    void WndProc(TMessage& Message) override {
        if (Message.Msg == CM_RECREATEWND) ++seen;
        TCustomControl::WndProc(Message);
    }
};

// Counts AfterConstruction, and there takes its form's caption away, as a skinned frame
// does, which changes the frame around the form's client area while the form is read.
class TFrameTaker : public TComponent {
    QV_DECLARE_CLASS(TFrameTaker, TComponent)

    explicit TFrameTaker(TComponent* AOwner) : TComponent(AOwner) {}
    void AfterConstruction() override {
        ++constructed;
        if (auto* form = dynamic_cast<TCustomForm*>(GetOwner())) form->SetBorderStyle(bsNone);
    }
    int constructed = 0;
};

const TClassInfo& TFrameTaker::StaticClassInfo() {
    static const TClassInfo info = TClassBuilder<TFrameTaker>("TFrameTaker").Build();
    return info;
}

class TFramedForm : public TForm {
    QV_DECLARE_CLASS(TFramedForm, TForm)

    explicit TFramedForm(TComponent* AOwner) : TForm(AOwner) {}
};

const TClassInfo& TFramedForm::StaticClassInfo() {
    static const TClassInfo info = TClassBuilder<TFramedForm>("TFramedForm").Build();
    return info;
}

constexpr char kFramedFormText[] = R"(object FramedForm: TFramedForm
  Left = 10
  Top = 10
  ClientHeight = 200
  ClientWidth = 300
  object Taker: TFrameTaker
  end
end
)";

class RecreateAndConstruct : public vcltest::VclTest {};

}  // namespace

TEST_F(RecreateAndConstruct, RecreateWndGoesThroughItsMessageAndKeepsTheRegion) {
    vcltest::THostControl host(nullptr);
    host.SetBounds(10, 10, 100, 80);
    auto* probe = new TRecreateProbe(&host);
    probe->SetBounds(5, 5, 40, 30);
    probe->SetParent(&host);
    host.Show();
    SetWindowRgn(host.Handle(), CreateRectRgn(0, 0, 50, 40), FALSE);
    const HWND before = host.Handle();

    host.RecreateWnd();
    probe->RecreateWnd();
    EXPECT_EQ(probe->seen, 1);
    EXPECT_TRUE(IsWindow(host.Handle()));
    EXPECT_NE(host.Handle(), before);
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    ASSERT_NE(GetWindowRgn(host.Handle(), region), ERROR) << "the region went with the old window";
    RECT box;
    GetRgnBox(region, &box);
    EXPECT_EQ(box.right, 50);
    EXPECT_EQ(box.bottom, 40);
    DeleteObject(region);
}

TEST_F(RecreateAndConstruct, TheReaderRunsAfterConstructionAndTheStoredClientSizeHolds) {
    RegisterClasses({&TFrameTaker::StaticClassInfo(), &TFramedForm::StaticClassInfo()});
    static const std::string text = kFramedFormText;
    static const TResourceEntry entry{"TFramedForm", TResourceKind::FormDescription,
                                      reinterpret_cast<const std::uint8_t*>(text.data()),
                                      text.size()};
    RegisterResource(entry);
    std::unique_ptr<TFramedForm> form(TCustomForm::Create<TFramedForm>(nullptr));
    auto* taker = dynamic_cast<TFrameTaker*>(form->FindComponent("Taker"));
    ASSERT_NE(taker, nullptr);
    EXPECT_EQ(taker->constructed, 1);
    EXPECT_EQ(form->GetBorderStyle(), bsNone);
    EXPECT_EQ(form->GetClientWidth(), 300);
    EXPECT_EQ(form->GetClientHeight(), 200);
}
