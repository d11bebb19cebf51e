#include "platform/io/FileLock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

#include "platform/io/ReplacingFile.h"

namespace io {

namespace {

// Times the lock is taken again after its file was removed under it.
constexpr int kMaxAttempts = 100;

// The process number the holder wrote into the lock file; 0 when there is none to read.
long HolderOf(int fd) {
    char buffer[24] = {};
    const ssize_t length = ::pread(fd, buffer, sizeof buffer - 1, 0);
    if (length <= 0) return 0;
    return std::strtol(buffer, nullptr, 10);
}

}  // namespace

FileLock::FileLock(std::string path) : m_lockPath(std::move(path) + Suffix) {}

FileLock::~FileLock() {
    Unlock();
}

int FileLock::OpenLockFile(bool* writable) {
    // Never through a link: in a shared directory it could be someone else's.
    const int flags = O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK;
    *writable = true;
    int fd = ::open(m_lockPath.c_str(), O_RDWR | O_CREAT | flags, 0666);
    // A lock file another user made (the superuser's save, say) may still be locked read-only.
    if (fd < 0 && errno == EACCES) {
        *writable = false;
        fd = ::open(m_lockPath.c_str(), O_RDONLY | flags);
    }
    return fd;
}

bool FileLock::TryLock() {
    if (m_fd >= 0) return true;
    m_error.clear();
    m_heldByOther = false;
    // A holder removes the lock file as it lets go; a lock taken on the file it removed is
    // no lock at all, so the lock counts only while the name still leads to its file.
    for (int attempt = 0; attempt < kMaxAttempts; ++attempt) {
        bool writable = false;
        const int fd = OpenLockFile(&writable);
        struct stat st {};
        if (fd < 0 || ::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
            const int error = errno;
            m_error = "cannot open the lock file \"" + m_lockPath + "\": " +
                      (fd >= 0 ? std::string("it is not a regular file") : ErrorText(error));
            if (fd >= 0) ::close(fd);
            return false;
        }
        if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
            const int error = errno;
            if (error == EWOULDBLOCK) {
                m_heldByOther = true;
                const long holder = HolderOf(fd);
                m_error = holder > 0 ? "another program (process " + std::to_string(holder) +
                                           ") is saving it"
                                     : std::string("another program is saving it");
            } else {
                m_error = "cannot lock \"" + m_lockPath + "\": " + ErrorText(error);
            }
            ::close(fd);
            return false;
        }
        struct stat now {};
        if (::lstat(m_lockPath.c_str(), &now) != 0 || now.st_dev != st.st_dev ||
            now.st_ino != st.st_ino) {
            ::close(fd);
            continue;
        }
        if (writable) {
            const std::string number = std::to_string(::getpid()) + "\n";
            if (::ftruncate(fd, 0) == 0) (void)!::pwrite(fd, number.data(), number.size(), 0);
        }
        m_fd = fd;
        return true;
    }
    m_error = "cannot lock \"" + m_lockPath + "\": it keeps being replaced";
    return false;
}

void FileLock::Unlock() {
    if (m_fd < 0) return;
    // Removed while still held, so that nothing is left beside the file; whoever opened it
    // meanwhile finds the name gone once he holds it, and tries again.
    ::unlink(m_lockPath.c_str());
    ::close(m_fd);
    m_fd = -1;
}

}  // namespace io
