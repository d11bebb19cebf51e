#pragma once
// A test seam for every file the project writes: each step of a write goes through one of
// the functions below, and a test can make the next call of any step fail as a full disk or
// a failing device would, to see that the old file survives and the failure is reported.
#include <cstddef>
#include <cstdio>
#include <functional>

namespace io {

enum class FileStep { Create, Write, Flush, Sync, Close, Rename };

inline constexpr FileStep kAllFileSteps[] = {FileStep::Create, FileStep::Write, FileStep::Flush,
                                             FileStep::Sync,   FileStep::Close, FileStep::Rename};

const char* FileStepName(FileStep step);

// Makes the occurrence-th call of step (counted from 1, from the construction) fail with
// errno set to error, for as long as the object lives. One fault at a time: a second one
// replaces the first.
class ScopedFileFault {
public:
    explicit ScopedFileFault(FileStep step, int error, int occurrence = 1);
    ~ScopedFileFault();
    ScopedFileFault(const ScopedFileFault&) = delete;
    ScopedFileFault& operator=(const ScopedFileFault&) = delete;

    // Whether the planned call came and was made to fail.
    bool Fired() const;
};

// Calls hook just before every step the seam takes, for as long as the object lives: a test
// holds a writer still at a chosen step (the lock taken and the new file not yet made, or the
// new file written and not yet in place) while another process writes the same file.
class ScopedFileStepHook {
public:
    explicit ScopedFileStepHook(std::function<void(FileStep)> hook);
    ~ScopedFileStepHook();
    ScopedFileStepHook(const ScopedFileStepHook&) = delete;
    ScopedFileStepHook& operator=(const ScopedFileStepHook&) = delete;
};

// The steps themselves. Each behaves as the C library call it wraps, failing instead when a
// fault is planned for it; a failing close still closes the stream.
std::size_t WriteStream(std::FILE* stream, const void* data, std::size_t size);
bool FlushStream(std::FILE* stream);
bool SyncDescriptor(int fd);
bool CloseStream(std::FILE* stream);
bool RenameFile(const char* from, const char* to);
// Asks the seam before a file is created; false (errno set) when creation is to fail.
bool MayCreate();

}  // namespace io
