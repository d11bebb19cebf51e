#include "tools/sktheme/ThemeFolder.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <sstream>
#include <stdexcept>

namespace {

std::runtime_error Error(const std::string& what, int error) {
    return std::runtime_error(what + ": " + std::strerror(error));
}

// The name's parts; a name that is absolute, empty or climbs with ".." is refused.
std::vector<std::string> PartsInside(const std::string& name, const std::string& shown) {
    if (name.empty() || name[0] == '/')
        throw std::runtime_error(shown + " is not a name inside the theme folder");
    std::vector<std::string> parts;
    std::stringstream in(name);
    std::string part;
    while (std::getline(in, part, '/')) {
        if (part.empty() || part == ".") continue;
        if (part == "..") throw std::runtime_error(shown + " leads out of the theme folder");
        parts.push_back(part);
    }
    if (parts.empty()) throw std::runtime_error(shown + " names no file");
    return parts;
}

class Descriptor {
public:
    explicit Descriptor(int fd) : m_fd(fd) {}
    ~Descriptor() {
        if (m_fd >= 0) ::close(m_fd);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int Get() const { return m_fd; }
    void Reset(int fd) {
        if (m_fd >= 0) ::close(m_fd);
        m_fd = fd;
    }

private:
    int m_fd;
};

}  // namespace

ThemeFolder::ThemeFolder(const std::string& folder) : m_folder(folder) {
    m_fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (m_fd < 0) throw Error("cannot open the theme folder '" + folder + "'", errno);
}

ThemeFolder::~ThemeFolder() {
    if (m_fd >= 0) ::close(m_fd);
}

std::vector<std::uint8_t> ThemeFolder::Read(const std::string& name, std::size_t limit) const {
    const std::string shown = "'" + name + "' in '" + m_folder + "'";
    const std::vector<std::string> parts = PartsInside(name, shown);
    // Each folder on the way and the file itself are opened without following a link, so
    // nothing outside the folder is reached; O_NONBLOCK keeps a FIFO from blocking the open.
    Descriptor at(::dup(m_fd));
    for (std::size_t i = 0; i + 1 < parts.size(); ++i) {
        const int next =
            ::openat(at.Get(), parts[i].c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
        if (next < 0) throw Error("cannot open " + shown, errno);
        at.Reset(next);
    }
    Descriptor file(
        ::openat(at.Get(), parts.back().c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
    if (file.Get() < 0) throw Error("cannot open " + shown, errno);
    struct stat info {};
    if (::fstat(file.Get(), &info) != 0) throw Error("cannot read " + shown, errno);
    if (!S_ISREG(info.st_mode)) throw std::runtime_error(shown + " is not a regular file");
    if (static_cast<std::uintmax_t>(info.st_size) > limit) {
        throw std::runtime_error(shown + " has " + std::to_string(info.st_size) +
                                 " bytes, more than the " + std::to_string(limit) +
                                 " a theme takes");
    }
    // Read to the end, but never past the limit, whatever the size said.
    std::vector<std::uint8_t> data(static_cast<std::size_t>(info.st_size) + 1);
    std::size_t used = 0;
    for (;;) {
        if (used == data.size()) data.resize(std::min(data.size() * 2, limit + 1));
        const ssize_t got = ::read(file.Get(), data.data() + used, data.size() - used);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) throw Error("cannot read " + shown, errno);
        if (got == 0) break;
        used += static_cast<std::size_t>(got);
        if (used > limit) throw std::runtime_error(shown + " grew past the limit while read");
    }
    data.resize(used);
    return data;
}
