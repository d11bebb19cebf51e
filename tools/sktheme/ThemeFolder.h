#pragma once
// The folder a theme is packed from, which may come from anyone: only regular files inside
// it are read (no link is followed, no name climbs out of it), each no larger than a theme
// needs, and a picture only when it decodes within the theme's picture budget.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

class ThemeFolder {
public:
    // Throws std::runtime_error when the folder cannot be opened.
    explicit ThemeFolder(const std::string& folder);
    ~ThemeFolder();
    ThemeFolder(const ThemeFolder&) = delete;
    ThemeFolder& operator=(const ThemeFolder&) = delete;

    // The bytes of a file named relative to the folder; throws std::runtime_error naming
    // the file when it is outside the folder, reached through a link, not a regular file,
    // unreadable or longer than limit bytes.
    std::vector<std::uint8_t> Read(const std::string& name, std::size_t limit) const;

    // A theme.txt of a thousand lines is a few dozen kilobytes.
    static constexpr std::size_t ManifestLimit = 1 << 20;
    // The largest picture a theme takes, uncompressed at 32 bits, with room for its header.
    static constexpr std::size_t PictureLimit = (std::size_t{1} << 22) + 4096;

private:
    std::string m_folder;
    int m_fd = -1;
};
