// Feeds every file named on the command line (a directory stands for the files in it) to
// the target, one at a time, as libFuzzer replays a corpus. An exception that escapes the
// target, or a crash, fails the run.
#include <cstdio>
#include <exception>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "tests/fuzz/FuzzTarget.h"

namespace {

int Replay(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        std::fprintf(stderr, "cannot open %s\n", path.c_str());
        return 1;
    }
    const std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)),
                                          std::istreambuf_iterator<char>());
    try {
        LLVMFuzzerTestOneInput(bytes.data(), bytes.size());
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s: escaped: %s\n", path.c_str(), error.what());
        return 1;
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    int failures = 0;
    int files = 0;
    for (int i = 1; i < argc; ++i) {
        const std::filesystem::path arg = argv[i];
        std::vector<std::filesystem::path> paths;
        if (std::filesystem::is_directory(arg)) {
            for (const auto& entry : std::filesystem::directory_iterator(arg))
                if (entry.is_regular_file()) paths.push_back(entry.path());
        } else {
            paths.push_back(arg);
        }
        for (const auto& path : paths) {
            ++files;
            failures += Replay(path);
        }
    }
    std::printf("%d files replayed, %d failed\n", files, failures);
    return failures == 0 && files > 0 ? 0 : 1;
}
