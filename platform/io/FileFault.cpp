#include "platform/io/FileFault.h"

#include <unistd.h>

#include <cerrno>
#include <utility>

namespace io {

namespace {

// The seam's one plan. Tests run on one thread, and nothing but a ScopedFileFault sets it.
struct FaultPlan {
    bool active = false;
    FileStep step = FileStep::Write;
    int error = 0;
    int remaining = 0;
    bool fired = false;
};

FaultPlan& Plan() {
    static FaultPlan plan;
    return plan;
}

std::function<void(FileStep)>& Hook() {
    static std::function<void(FileStep)> hook;
    return hook;
}

// True, with errno set, when this call of step is the one planned to fail.
bool Fails(FileStep step) {
    if (Hook()) Hook()(step);
    FaultPlan& plan = Plan();
    if (!plan.active || plan.fired || plan.step != step) return false;
    if (--plan.remaining > 0) return false;
    plan.fired = true;
    errno = plan.error;
    return true;
}

}  // namespace

const char* FileStepName(FileStep step) {
    switch (step) {
        case FileStep::Create: return "create";
        case FileStep::Write: return "write";
        case FileStep::Flush: return "flush";
        case FileStep::Sync: return "sync";
        case FileStep::Close: return "close";
        case FileStep::Rename: return "rename";
    }
    return "?";
}

ScopedFileFault::ScopedFileFault(FileStep step, int error, int occurrence) {
    Plan() = FaultPlan{true, step, error, occurrence < 1 ? 1 : occurrence, false};
}

ScopedFileFault::~ScopedFileFault() {
    Plan() = FaultPlan{};
}

bool ScopedFileFault::Fired() const {
    return Plan().fired;
}

ScopedFileStepHook::ScopedFileStepHook(std::function<void(FileStep)> hook) {
    Hook() = std::move(hook);
}

ScopedFileStepHook::~ScopedFileStepHook() {
    Hook() = nullptr;
}

std::size_t WriteStream(std::FILE* stream, const void* data, std::size_t size) {
    if (size > 0 && Fails(FileStep::Write)) return 0;
    return std::fwrite(data, 1, size, stream);
}

bool FlushStream(std::FILE* stream) {
    if (Fails(FileStep::Flush)) return false;
    return std::fflush(stream) == 0;
}

bool SyncDescriptor(int fd) {
    if (Fails(FileStep::Sync)) return false;
    // A device or pipe written in place may not support syncing; nothing waits there.
    return ::fsync(fd) == 0 || errno == EINVAL;
}

bool CloseStream(std::FILE* stream) {
    const bool fail = Fails(FileStep::Close);
    const int error = errno;
    const bool closed = std::fclose(stream) == 0;
    if (fail) {
        errno = error;
        return false;
    }
    return closed;
}

bool RenameFile(const char* from, const char* to) {
    if (Fails(FileStep::Rename)) return false;
    return std::rename(from, to) == 0;
}

bool MayCreate() {
    return !Fails(FileStep::Create);
}

}  // namespace io
