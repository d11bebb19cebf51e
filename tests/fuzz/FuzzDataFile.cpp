// The abbreviation data file, read and loaded into the sorted list as the program loads it.
// Any bytes load whole or report their damage; nothing is read past a field.
#include <sys/mman.h>
#include <unistd.h>

#include <string>

#include "src/AbbrData.h"
#include "tests/fuzz/FuzzTarget.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // The reader opens a path, so the bytes go to a file that lives in memory only.
    const int fd = ::memfd_create("quorvane.dat", MFD_CLOEXEC);
    if (fd < 0) return 0;
    std::size_t written = 0;
    while (written < size) {
        const ssize_t n = ::write(fd, data + written, size - written);
        if (n <= 0) break;
        written += static_cast<std::size_t>(n);
    }
    const std::string path = "/proc/self/fd/" + std::to_string(fd);
    CxFile file;
    CxList list;
    AbbrData(file).LoadData(path, list, nullptr);
    AbbrStore(list).ClearData();
    ::close(fd);
    return 0;
}
