#pragma once
// What every program of the project answers alike: --version prints one line with the
// program's name and the release, and a wrong option or argument gets the reason and a hint
// at --help on standard error, with exit status 2.
#include <string>

namespace io {

inline constexpr int kExitUsage = 2;

// The release the programs were built from, such as "1.0.0".
const char* ReleaseVersion();

// Writes "PROGRAM (Quorvane Reference) VERSION" to standard output.
void PrintVersion(const char* program);

// Writes "PROGRAM: WHY" (when WHY is given) and "Try 'PROGRAM --help'." to standard error
// and answers kExitUsage.
int UsageError(const char* program, const std::string& why = {});

// The usage error for what getopt_long refused, when it was called with opterr = 0 and an
// option string that starts with ':' (after any '+'): an unknown option, or one that lacks
// its value. result is what getopt_long answered.
int OptionError(const char* program, int result, char* const* argv);

}  // namespace io
