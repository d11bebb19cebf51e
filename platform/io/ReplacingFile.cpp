#include "platform/io/ReplacingFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>

#include "platform/io/FileFault.h"

namespace io {

namespace {

std::string DirectoryOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

// Makes the rename itself durable. The new file is already complete and in place when this
// runs, so a directory that cannot be synced weakens only what survives a power cut, never
// which of the two files a reader finds; that is why its failure is not reported.
void SyncDirectory(const std::string& directory) {
    const int fd = ::open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

// The file a path names once every link is followed; the path itself when it names nothing
// yet (or a link to nothing), since then there is no file whose place could be lost.
std::string FollowLinks(const std::string& path) {
    char resolved[PATH_MAX];
    if (::realpath(path.c_str(), resolved)) return resolved;
    return path;
}

}  // namespace

std::string ErrorText(int error) {
    return error != 0 ? std::strerror(error) : "the system gave no reason";
}

ReplacingFile::ReplacingFile(std::string path) : m_path(std::move(path)) {
    m_target = FollowLinks(m_path);
    m_newPath = m_target + ".new";
}

ReplacingFile::~ReplacingFile() {
    Discard();
}

std::FILE* ReplacingFile::Create() {
    m_error.clear();
    mode_t mode = 0666;
    struct stat old {};
    if (::stat(m_target.c_str(), &old) == 0) {
        if (S_ISREG(old.st_mode) && (old.st_mode & 0222) == 0) {
            m_error = "\"" + m_target + "\" is read-only";
            return nullptr;
        }
        mode = old.st_mode & 07777;
    }
    // A new file left by an interrupted save is ours to remove; removing a link removes
    // only the link. Whatever appears there again makes the exclusive create below fail.
    struct stat stale {};
    if (::lstat(m_newPath.c_str(), &stale) == 0 && !S_ISDIR(stale.st_mode))
        ::unlink(m_newPath.c_str());

    errno = 0;
    int fd = -1;
    if (MayCreate())
        fd = ::open(m_newPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
                    mode);
    if (fd < 0) {
        m_error = "cannot create \"" + m_newPath + "\": " + ErrorText(errno);
        return nullptr;
    }
    m_created = true;
    // The old file's mode, not the one the umask would leave.
    if (old.st_mode != 0) ::fchmod(fd, mode);
    std::FILE* stream = ::fdopen(fd, "wb");
    if (!stream) {
        const int error = errno;
        ::close(fd);
        Fail("cannot write", error);
        return nullptr;
    }
    return stream;
}

bool ReplacingFile::Commit() {
    if (!m_created) return false;
    if (!RenameFile(m_newPath.c_str(), m_target.c_str())) {
        const int error = errno;
        Discard();
        m_error = "cannot put the new file in its place: " + ErrorText(error);
        return false;
    }
    m_created = false;
    SyncDirectory(DirectoryOf(m_target));
    return true;
}

void ReplacingFile::Discard() {
    if (!m_created) return;
    ::unlink(m_newPath.c_str());
    m_created = false;
}

void ReplacingFile::Fail(const std::string& what, int error) {
    m_error = what + " \"" + m_newPath + "\": " + ErrorText(error);
    Discard();
}

bool ReplacingFile::WriteAll(std::span<const std::uint8_t> bytes) {
    std::FILE* stream = Create();
    if (!stream) return false;
    errno = 0;
    bool ok = WriteStream(stream, bytes.data(), bytes.size()) == bytes.size() &&
              FlushStream(stream) && SyncDescriptor(::fileno(stream));
    int error = errno;
    if (!CloseStream(stream) && ok) {
        ok = false;
        error = errno;
    }
    if (!ok) {
        Fail("cannot write", error);
        return false;
    }
    return Commit();
}

}  // namespace io
