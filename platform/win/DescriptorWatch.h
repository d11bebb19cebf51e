#pragma once
// File descriptors the message loop watches beside its input: a handler runs from the loop
// when its descriptor has bytes to read, as a timer procedure does when its time comes.
// Database connections wait for the server's notifications this way.
#include <functional>
#include <vector>

struct pollfd;

namespace win {

// Runs Handler from the message loop whenever Fd is readable. Answers the watch's id.
int WatchDescriptor(int Fd, std::function<void()> Handler);
void UnwatchDescriptor(int Id);
// Runs the handler on the loop's next turn even though the descriptor has nothing new: for
// a reader that took more from it than it has handled yet.
void MarkWatchReady(int Id);

// For the message loop and the backends.
bool AnyDescriptorWatched();
bool AnyWatchMarkedReady();
// Adds a pollfd for each watched descriptor.
void AppendWatchedDescriptors(std::vector<pollfd>& Fds);
// Waits up to TimeoutMs (0: not at all) for a watched descriptor, then runs the handlers of
// the ready ones. Answers whether any ran.
bool DispatchWatchedDescriptors(int TimeoutMs);

}  // namespace win
