#include "platform/io/ProgramInfo.h"

#include <getopt.h>

#include <cstdio>

#ifndef QV_RELEASE_VERSION
#define QV_RELEASE_VERSION "unknown"
#endif

namespace io {

const char* ReleaseVersion() {
    return QV_RELEASE_VERSION;
}

void PrintVersion(const char* program) {
    std::printf("%s (Quorvane Reference) %s\n", program, ReleaseVersion());
}

int UsageError(const char* program, const std::string& why) {
    if (!why.empty()) std::fprintf(stderr, "%s: %s\n", program, why.c_str());
    std::fprintf(stderr, "Try '%s --help'.\n", program);
    return kExitUsage;
}

int OptionError(const char* program, int result, char* const* argv) {
    const std::string option = argv[optind - 1];
    if (result == ':') return UsageError(program, "the option '" + option + "' needs a value");
    return UsageError(program, "unknown option '" + option + "'");
}

}  // namespace io
