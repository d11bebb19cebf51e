#include "common/misc/WinUtil.h"

#include <vector>

#include "platform/win/ModuleFileName.h"

namespace {

// Linux allows longer paths than the 260 characters of the original platform.
constexpr std::uint32_t kMaxModulePath = 4096;

}  // namespace

void SplitPath(const std::string& szPath, std::string* pDrive, std::string* pDir) {
    std::size_t nStart = 0;
    std::string szDrive;
    if (szPath.size() >= 2 && szPath[1] == ':') {
        szDrive = szPath.substr(0, 2);
        nStart = 2;
    }
    const std::size_t nSep = szPath.find_last_of("/\\");
    std::string szDir;
    if (nSep != std::string::npos && nSep >= nStart)
        szDir = szPath.substr(nStart, nSep + 1 - nStart);
    if (pDrive) *pDrive = szDrive;
    if (pDir) *pDir = szDir;
}

int GetModuleDirectory(void* hModule, std::string* pOut) {
    if (!pOut) return 0;
    std::vector<char> buffer(kMaxModulePath);
    const std::uint32_t nLen = GetModuleFileName(hModule, buffer.data(), kMaxModulePath);
    if (nLen == 0 || nLen >= kMaxModulePath) return 0;

    std::string szDrive;
    std::string szDir;
    SplitPath(std::string(buffer.data(), nLen), &szDrive, &szDir);
    *pOut = szDrive + szDir;
    return 1;
}
