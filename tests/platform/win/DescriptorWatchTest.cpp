// File descriptors the message loop watches: a handler runs from the loop when its
// descriptor has data, when it was marked ready, and never after it is unwatched.
#include <fcntl.h>
#include <unistd.h>

#include <thread>

#include "WinTestFixture.h"
#include "platform/win/DescriptorWatch.h"

using namespace wintest;
using win::Headless;

namespace {

class DescriptorWatchTest : public WinTest {
protected:
    void SetUp() override {
        WinTest::SetUp();
        // Non-blocking, so that a handler run without data does not wait for it.
        ASSERT_EQ(pipe2(fds, O_NONBLOCK), 0);
    }
    void TearDown() override {
        for (int id : ids) win::UnwatchDescriptor(id);
        close(fds[0]);
        close(fds[1]);
        WinTest::TearDown();
    }
    // Watches the pipe with a handler that reads what is there and counts its calls.
    int Watch() {
        ids.push_back(win::WatchDescriptor(fds[0], [this] {
            ++calls;
            char buffer[16];
            if (read(fds[0], buffer, sizeof buffer) > 0) ++reads;
        }));
        return ids.back();
    }
    void Write() { ASSERT_EQ(write(fds[1], "x", 1), 1); }

    int fds[2] = {-1, -1};
    std::vector<int> ids;
    int calls = 0;
    int reads = 0;
};

TEST_F(DescriptorWatchTest, TheLoopRunsTheHandlerWhenTheDescriptorHasData) {
    Watch();
    Headless::ProcessMessages();
    EXPECT_EQ(calls, 0) << "nothing to read, nothing run";
    Write();
    Headless::ProcessMessages();
    EXPECT_EQ(reads, 1);
    Headless::ProcessMessages();
    EXPECT_EQ(calls, 1) << "once read, the descriptor is quiet again";
}

TEST_F(DescriptorWatchTest, AMarkedWatchRunsOnceWithoutData) {
    const int id = Watch();
    win::MarkWatchReady(id);
    Headless::ProcessMessages();
    Headless::ProcessMessages();
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(reads, 0);
}

TEST_F(DescriptorWatchTest, AnUnwatchedDescriptorIsLeftAlone) {
    const int id = Watch();
    win::UnwatchDescriptor(id);
    Write();
    Headless::ProcessMessages();
    EXPECT_EQ(calls, 0);
    EXPECT_FALSE(win::AnyDescriptorWatched());
}

TEST_F(DescriptorWatchTest, AWaitingLoopWakesForTheDescriptor) {
    HWND hwnd = TopLevel(0, 0, 10, 10);
    ids.push_back(win::WatchDescriptor(fds[0], [&] {
        char buffer[16];
        if (read(fds[0], buffer, sizeof buffer) > 0) PostMessage(hwnd, WM_USER, 0, 0);
    }));
    // The data comes from elsewhere while the loop waits: with nothing else to wait for,
    // the headless loop waits on the descriptor instead of reporting itself stuck.
    std::thread writer([this] { Write(); });
    WaitMessage();
    writer.join();
    MSG msg;
    EXPECT_TRUE(PeekMessage(&msg, hwnd, WM_USER, WM_USER, PM_REMOVE));
    DestroyWindow(hwnd);
}

}  // namespace
