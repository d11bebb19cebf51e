#pragma once
// What identifies the contents of a file at one moment: which file it is, its size, its
// modification time and a checksum of its first bytes. A writer takes the stamp of the file
// it read and compares it with the file's stamp before replacing it, so that it does not
// write over what another program saved in between.
#include <cstdint>
#include <string>

namespace io {

struct FileStamp {
    bool exists = false;
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    std::uint64_t size = 0;
    std::int64_t modifiedSeconds = 0;
    std::int64_t modifiedNanoseconds = 0;
    // The checksum covers the first checkedBytes bytes: what the reader used of the file.
    std::uint64_t checkedBytes = 0;
    std::uint64_t checksum = 0;

    // The stamp of an open file, its first checkedBytes bytes summed. A file that cannot be
    // read there has exists false.
    static FileStamp Of(int fd, std::uint64_t checkedBytes);
    // The same for a path; exists is false when nothing is there or it cannot be opened.
    static FileStamp OfPath(const std::string& path, std::uint64_t checkedBytes);
    // The stamp of the whole file at path.
    static FileStamp OfWholeFile(const std::string& path);

    bool operator==(const FileStamp&) const = default;
};

}  // namespace io
