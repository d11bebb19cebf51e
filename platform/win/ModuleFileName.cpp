#include "platform/win/ModuleFileName.h"

#include <unistd.h>

#include <climits>
#include <cstring>

std::uint32_t GetModuleFileName(void* /*hModule*/, char* szFileName, std::uint32_t nSize) {
    if (!szFileName || nSize == 0) return 0;
    char path[PATH_MAX];
    const ssize_t nLen = ::readlink("/proc/self/exe", path, sizeof path);
    if (nLen <= 0 || static_cast<std::size_t>(nLen) >= sizeof path) return 0;

    const auto nFull = static_cast<std::uint32_t>(nLen);
    if (nFull >= nSize) {
        std::memcpy(szFileName, path, nSize - 1);
        szFileName[nSize - 1] = '\0';
        return nSize;
    }
    std::memcpy(szFileName, path, nFull);
    szFileName[nFull] = '\0';
    return nFull;
}
