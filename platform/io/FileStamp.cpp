#include "platform/io/FileStamp.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <limits>

namespace io {

namespace {

// FNV-1a: enough to tell one version of a small file from another, and cheap.
constexpr std::uint64_t kOffsetBasis = 14695981039346656037ull;
constexpr std::uint64_t kPrime = 1099511628211ull;

bool Checksum(int fd, std::uint64_t length, std::uint64_t* sum) {
    std::uint64_t hash = kOffsetBasis;
    unsigned char buffer[65536];
    std::uint64_t offset = 0;
    while (offset < length) {
        const std::uint64_t want = std::min<std::uint64_t>(sizeof buffer, length - offset);
        const ssize_t got = ::pread(fd, buffer, want, static_cast<off_t>(offset));
        if (got <= 0) return false;
        for (ssize_t i = 0; i < got; ++i) hash = (hash ^ buffer[i]) * kPrime;
        offset += static_cast<std::uint64_t>(got);
    }
    *sum = hash;
    return true;
}

}  // namespace

FileStamp FileStamp::Of(int fd, std::uint64_t checkedBytes) {
    FileStamp stamp;
    struct stat st {};
    if (::fstat(fd, &st) != 0) return stamp;
    stamp.device = st.st_dev;
    stamp.inode = st.st_ino;
    stamp.size = static_cast<std::uint64_t>(st.st_size);
    stamp.modifiedSeconds = st.st_mtim.tv_sec;
    stamp.modifiedNanoseconds = st.st_mtim.tv_nsec;
    stamp.checkedBytes = std::min(checkedBytes, stamp.size);
    stamp.exists = Checksum(fd, stamp.checkedBytes, &stamp.checksum);
    if (!stamp.exists) return FileStamp{};
    return stamp;
}

FileStamp FileStamp::OfPath(const std::string& path, std::uint64_t checkedBytes) {
    // Never blocks on a pipe; what is no regular file has no stamp worth comparing.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return FileStamp{};
    struct stat st {};
    FileStamp stamp;
    if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode)) stamp = Of(fd, checkedBytes);
    ::close(fd);
    return stamp;
}

FileStamp FileStamp::OfWholeFile(const std::string& path) {
    return OfPath(path, std::numeric_limits<std::uint64_t>::max());
}

}  // namespace io
