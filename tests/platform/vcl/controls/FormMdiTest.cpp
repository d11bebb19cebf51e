// MDI: a frame form's client window holds its child forms, lists them front first, and
// arranges them; a child without a frame to live in cannot be created.
#include "platform/vcl/controls/Form.h"
#include "tests/platform/vcl/ControlTestFixture.h"

using vcltest::VclTest;

TEST_F(VclTest, MdiChildrenLiveInTheFramesClientWindow) {
    TForm frame(nullptr);
    frame.SetBounds(0, 0, 600, 400);
    frame.SetFormStyle(fsMDIForm);
    frame.Show();
    ASSERT_NE(frame.ClientHandle(), nullptr);
    RECT client;
    GetClientRect(frame.Handle(), &client);
    RECT mdiClient;
    GetWindowRect(frame.ClientHandle(), &mdiClient);
    EXPECT_EQ(mdiClient.Width(), client.Width());
    EXPECT_EQ(mdiClient.Height(), client.Height());

    TForm first(nullptr), second(nullptr);
    for (TForm* child : {&first, &second}) {
        child->SetBounds(10, 10, 200, 150);
        child->SetFormStyle(fsMDIChild);
        child->Show();
    }
    win::Headless::ProcessMessages();
    EXPECT_EQ(GetAncestor(first.Handle(), GA_PARENT), frame.ClientHandle());
    ASSERT_EQ(frame.MDIChildCount(), 2);
    EXPECT_EQ(frame.MDIChildren(0), &second);
    EXPECT_EQ(frame.ActiveMDIChild(), &second);
    frame.Next();
    EXPECT_EQ(frame.MDIChildren(0), &first);

    frame.Cascade();
    EXPECT_EQ(frame.MDIChildren(1)->GetLeft(), 0);
    EXPECT_GT(frame.MDIChildren(0)->GetLeft(), 0);
    EXPECT_THROW(frame.MDIChildren(2), EListError);
}

TEST_F(VclTest, MdiChildWithoutAFrameFails) {
    TForm child(nullptr);
    child.SetFormStyle(fsMDIChild);
    EXPECT_THROW(child.Show(), EInvalidOperation);
}
