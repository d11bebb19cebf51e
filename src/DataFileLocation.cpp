#include "src/DataFileLocation.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

#include "platform/io/ReplacingFile.h"
#include "src/AbbrData.h"

DataFileLocation DataFileLocation::For(const std::string& szProgramDir, bool bWritable,
                                       const char* szDataHome, const char* szHome) {
    DataFileLocation where;
    where.szShipped = szProgramDir + AbbrData::DataFileName;
    std::string szDataFolder;
    if (szDataHome && szDataHome[0] == '/')
        szDataFolder = szDataHome;
    else if (szHome && szHome[0] == '/')
        szDataFolder = std::string(szHome) + "/.local/share";
    if (bWritable || szDataFolder.empty()) {
        where.szRead = where.szSave = where.szShipped;
        return where;
    }
    where.szUser = szDataFolder + "/" + UserFolderName + "/" + AbbrData::DataFileName;
    where.szSave = where.szUser;
    // Anything at the user's copy's place is read (and reported when it cannot be), so that
    // a save never replaces a copy it did not read.
    struct stat st {};
    where.szRead = ::lstat(where.szUser.c_str(), &st) == 0 ? where.szUser : where.szShipped;
    return where;
}

DataFileLocation DataFileLocation::Find(const std::string& szProgramDir) {
    const std::string szFolder = szProgramDir.empty() ? "." : szProgramDir;
    const bool bWritable = ::access(szFolder.c_str(), W_OK) == 0;
    const char* szHome = std::getenv("HOME");
    if (!szHome || !*szHome) {
        const passwd* pw = ::getpwuid(::getuid());
        szHome = pw ? pw->pw_dir : nullptr;
    }
    return For(szProgramDir, bWritable, std::getenv("XDG_DATA_HOME"), szHome);
}

DataFileLocation DataFileLocation::Beside(const std::string& szPath) {
    DataFileLocation where;
    where.szShipped = where.szRead = where.szSave = szPath;
    return where;
}

bool DataFileLocation::PrepareSave(std::string* pszError) const {
    if (IsPortable()) return true;
    const std::string& szPath = szUser;
    // Each missing folder on the way down, from the first below the root.
    for (std::size_t nSlash = szPath.find('/', 1); nSlash != std::string::npos;
         nSlash = szPath.find('/', nSlash + 1)) {
        const std::string szFolder = szPath.substr(0, nSlash);
        if (::mkdir(szFolder.c_str(), 0700) == 0 || errno == EEXIST) continue;
        if (pszError)
            *pszError = "cannot make the folder \"" + szFolder + "\": " + io::ErrorText(errno);
        return false;
    }
    return true;
}
