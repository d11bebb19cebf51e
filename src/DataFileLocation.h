#pragma once
// Where the program reads and saves its data file. A program whose own folder its user may
// write keeps its data beside it: a portable copy. An installed program, whose folder belongs
// to the system, keeps the user's own copy under $XDG_DATA_HOME/quorvane/ (by default
// ~/.local/share/quorvane/): it reads that copy once it exists, and the file shipped beside
// the executable until then; the first save makes the copy.
#include <string>

struct DataFileLocation {
    // The folder under the user's data folder that holds his copy.
    static constexpr const char* UserFolderName = "quorvane";

    // The file beside the executable.
    std::string szShipped;
    // The user's own copy; empty for a portable copy.
    std::string szUser;
    // Where the program reads, and where it saves.
    std::string szRead;
    std::string szSave;

    bool IsPortable() const { return szUser.empty(); }

    // The rule, from the program's folder (ending with its separator), whether the user may
    // write that folder, and the values of XDG_DATA_HOME and HOME (null when not set). A
    // relative XDG_DATA_HOME is ignored, as the XDG rules ask; with no home either, the data
    // stays beside the program.
    static DataFileLocation For(const std::string& szProgramDir, bool bWritable,
                                const char* szDataHome, const char* szHome);
    // The same for the running user, from the environment and the password database.
    static DataFileLocation Find(const std::string& szProgramDir);
    // For a program that cannot tell its own folder: the file in the current directory.
    static DataFileLocation Beside(const std::string& szPath);

    // Makes the folders of the user's copy that are missing, readable by the user alone.
    // False, with the reason in *pszError, when one cannot be made.
    bool PrepareSave(std::string* pszError) const;
};
