// The watched descriptors and the running of their handlers.
#include "platform/win/DescriptorWatch.h"

#include <poll.h>

#include <algorithm>

namespace win {
namespace {

struct Watch {
    int id;
    int fd;
    std::function<void()> handler;
    bool marked = false;
};

// The loop's own table, like its timers: one message loop per program.
std::vector<Watch>& Watches() {
    static std::vector<Watch> watches;
    return watches;
}

}  // namespace

int WatchDescriptor(int Fd, std::function<void()> Handler) {
    static int nextId = 0;
    Watches().push_back({++nextId, Fd, std::move(Handler)});
    return nextId;
}

void UnwatchDescriptor(int Id) {
    auto& watches = Watches();
    watches.erase(std::remove_if(watches.begin(), watches.end(),
                                 [&](const Watch& w) { return w.id == Id; }),
                  watches.end());
}

void MarkWatchReady(int Id) {
    for (Watch& w : Watches())
        if (w.id == Id) w.marked = true;
}

bool AnyDescriptorWatched() {
    return !Watches().empty();
}

bool AnyWatchMarkedReady() {
    const auto& watches = Watches();
    return std::any_of(watches.begin(), watches.end(), [](const Watch& w) { return w.marked; });
}

void AppendWatchedDescriptors(std::vector<pollfd>& Fds) {
    for (const Watch& w : Watches()) Fds.push_back({w.fd, POLLIN, 0});
}

bool DispatchWatchedDescriptors(int TimeoutMs) {
    if (Watches().empty()) return false;
    std::vector<pollfd> fds;
    AppendWatchedDescriptors(fds);
    const int timeout = AnyWatchMarkedReady() ? 0 : TimeoutMs;
    if (poll(fds.data(), fds.size(), timeout) < 0) return false;
    // A handler may add or remove watches: the ready ones are collected first, by id.
    std::vector<int> ready;
    const auto& watches = Watches();
    for (std::size_t i = 0; i < fds.size() && i < watches.size(); ++i)
        if (watches[i].marked || (fds[i].revents & (POLLIN | POLLHUP | POLLERR)))
            ready.push_back(watches[i].id);
    for (int id : ready) {
        auto& current = Watches();
        auto it = std::find_if(current.begin(), current.end(), [&](const Watch& w) { return w.id == id; });
        if (it == current.end()) continue;
        it->marked = false;
        const std::function<void()> handler = it->handler;
        handler();
    }
    return !ready.empty();
}

}  // namespace win
