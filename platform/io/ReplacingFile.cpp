#include "platform/io/ReplacingFile.h"

#include <dirent.h>
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

// The kernel gives up after 40 links in a row; so does the walk below.
constexpr int kMaxLinks = 40;
// Attempts at a free name for the new file before the save gives up.
constexpr int kMaxNewNames = 100;

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

// Walks the links from path to the file they name and checks that each has that file's
// owner. Empty when every link may be followed, else the reason it may not.
std::string CheckLinkOwners(const std::string& path, const struct stat& end) {
    std::string current = path;
    for (int hop = 0; hop < kMaxLinks; ++hop) {
        struct stat link {};
        if (::lstat(current.c_str(), &link) != 0 || !S_ISLNK(link.st_mode)) return "";
        if (link.st_uid != end.st_uid) {
            return "\"" + current +
                   "\" is a link owned by another user than the file it names, and is not "
                   "followed";
        }
        char buffer[PATH_MAX];
        const ssize_t length = ::readlink(current.c_str(), buffer, sizeof buffer - 1);
        if (length < 0) return "";
        const std::string next(buffer, static_cast<std::size_t>(length));
        current = next[0] == '/' ? next : DirectoryOf(current) + "/" + next;
    }
    return "";
}

}  // namespace

std::string ErrorText(int error) {
    return error != 0 ? std::strerror(error) : "the system gave no reason";
}

ReplacingFile::ReplacingFile(std::string path) : m_path(std::move(path)), m_target(m_path) {
    ReadTarget();
    // A refusal is known before anything is created; the caller may ask why at once.
    m_error = m_refusal;
}

void ReplacingFile::ReadTarget() {
    struct stat end {};
    // A name with nothing behind it (a link to nothing included) is replaced itself: there
    // is no file whose place could be lost.
    if (::stat(m_path.c_str(), &end) != 0) return;
    if (!S_ISREG(end.st_mode) && !S_ISDIR(end.st_mode)) {
        // Opening follows the links as the kernel allows, with its own protection.
        m_inPlace = true;
        return;
    }
    m_refusal = CheckLinkOwners(m_path, end);
    char resolved[PATH_MAX];
    if (m_refusal.empty() && ::realpath(m_path.c_str(), resolved)) m_target = resolved;
}

ReplacingFile::~ReplacingFile() {
    Discard();
}

std::FILE* ReplacingFile::Create() {
    m_error.clear();
    if (!m_refusal.empty()) {
        m_error = m_refusal;
        return nullptr;
    }
    if (m_inPlace) return OpenInPlace();

    mode_t mode = 0666;
    struct stat old {};
    const bool hadFile = ::stat(m_target.c_str(), &old) == 0 && S_ISREG(old.st_mode);
    if (hadFile) {
        if ((old.st_mode & 0222) == 0) {
            m_error = "\"" + m_target + "\" is read-only";
            return nullptr;
        }
        mode = old.st_mode & 07777;
    }
    const int fd = CreateBeside(mode);
    if (fd < 0) return nullptr;
    m_created = true;
    if (hadFile) {
        // The old file's owner and group where this writer may give them (a save by the
        // superuser must not take a user's file from him), then its mode, not the one the
        // umask would leave; a change of owner clears the set-id bits, so the mode comes last.
        if (old.st_uid != ::geteuid() || old.st_gid != ::getegid()) {
            if (::fchown(fd, old.st_uid, old.st_gid) != 0) (void)::fchown(fd, -1, old.st_gid);
        }
        ::fchmod(fd, mode);
    }
    std::FILE* stream = ::fdopen(fd, "wb");
    if (!stream) {
        const int error = errno;
        ::close(fd);
        Fail("cannot write", error);
        return nullptr;
    }
    return stream;
}

std::string ReplacingFile::NewFilePrefix() const {
    return m_target + ".new-";
}

void ReplacingFile::RemoveStaleNewFiles() const {
    const std::string whole = NewFilePrefix();
    const std::size_t slash = whole.rfind('/');
    const std::string dir = slash == std::string::npos ? "./" : whole.substr(0, slash + 1);
    const std::string prefix = slash == std::string::npos ? whole : whole.substr(slash + 1);
    DIR* stream = ::opendir(dir.c_str());
    if (!stream) return;
    while (const dirent* entry = ::readdir(stream)) {
        if (std::strncmp(entry->d_name, prefix.c_str(), prefix.size()) != 0) continue;
        const std::string path = dir + entry->d_name;
        struct stat st {};
        if (::lstat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode)) ::unlink(path.c_str());
    }
    ::closedir(stream);
}

int ReplacingFile::CreateBeside(mode_t mode) {
    // A name of this process's own, so that two writers of one file never share (or remove)
    // each other's new file; the exclusive create skips a name something else already holds.
    const std::string stem = NewFilePrefix() + std::to_string(::getpid());
    int fd = -1;
    for (int attempt = 0; attempt < kMaxNewNames; ++attempt) {
        m_newPath = attempt == 0 ? stem : stem + "-" + std::to_string(attempt);
        errno = 0;
        if (!MayCreate()) break;
        fd = ::open(m_newPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
        if (fd >= 0 || errno != EEXIST) break;
    }
    if (fd < 0) m_error = "cannot create \"" + m_newPath + "\": " + ErrorText(errno);
    return fd;
}

std::FILE* ReplacingFile::OpenInPlace() {
    errno = 0;
    int fd = -1;
    if (MayCreate()) fd = ::open(m_target.c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC);
    std::FILE* stream = fd >= 0 ? ::fdopen(fd, "wb") : nullptr;
    if (!stream) {
        m_error = "cannot write \"" + m_target + "\": " + ErrorText(errno);
        if (fd >= 0) ::close(fd);
        return nullptr;
    }
    m_created = true;
    return stream;
}

bool ReplacingFile::Commit() {
    if (!m_created) return false;
    if (m_inPlace) {
        m_created = false;
        return true;
    }
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
    // What was written straight to a device cannot be taken back.
    if (!m_inPlace) ::unlink(m_newPath.c_str());
    m_created = false;
}

void ReplacingFile::Fail(const std::string& what, int error) {
    m_error = what + " \"" + (m_inPlace ? m_target : m_newPath) + "\": " + ErrorText(error);
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
