#pragma once
// Assertions for programming errors in the application's own classes. They stay active in
// release builds, because a broken precondition there would otherwise corrupt the records
// silently; a failure ends the program with a message naming the failed expression.
#include <cstdio>
#include <cstdlib>

[[noreturn]] inline void CxAssertFailed(const char* szExpr, const char* szFile, int nLine) {
    std::fprintf(stderr, "Assertion failed: %s, file %s, line %d\n", szExpr, szFile, nLine);
    std::fflush(stderr);
    std::abort();
}

#define CX_ASSERT(expr) ((expr) ? static_cast<void>(0) : CxAssertFailed(#expr, __FILE__, __LINE__))
