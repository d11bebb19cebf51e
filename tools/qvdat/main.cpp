// qvdat: the tool that builds, exports, imports and checks the abbreviation data file.
#include <getopt.h>
#include <sys/stat.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <string>

#include "common/misc/WinUtil.h"
#include "platform/io/ProgramInfo.h"
#include "src/AbbrData.h"
#include "src/DataFileLocation.h"
#include "tools/qvdat/DataTool.h"

namespace {

const char kHelp[] =
    "Usage: qvdat [OPTION] COMMAND ARGUMENTS\n"
    "\n"
    "Works on quorvane.dat, the abbreviation data file: a record count, then per record the\n"
    "title, meaning and sample, the flags, four reserved integers and four reserved strings.\n"
    "\n"
    "Commands:\n"
    "  where                       Show where the program reads and saves its data file.\n"
    "  export [FILE.dat]           Print the records in file order, one tab-separated line\n"
    "                              each: title, meaning, sample, flags (decimal), the four\n"
    "                              reserved integers, the four reserved strings. A tab, line\n"
    "                              break or backslash inside a field is written \\t, \\n, \\r\n"
    "                              or \\\\.\n"
    "  import FILE.tsv [FILE.dat]  Write a data file from such lines, sorted by title as the\n"
    "                              program keeps them. Empty and repeated titles and fields\n"
    "                              too long for the record are refused with their line\n"
    "                              number, and then nothing is written.\n"
    "  check [FILE.dat]            Report the count, records out of title order, empty and\n"
    "                              repeated titles, and damage (a file that ends early, a\n"
    "                              field stored longer than the record holds, bytes after\n"
    "                              the last record).\n"
    "  build SOURCE.tsv FILE.dat   Make a data file from the readable source table: a header\n"
    "                              line, then per abbreviation its title, meaning, sample,\n"
    "                              command (0 or 1), keyword (0 or 1) and source, separated\n"
    "                              by tabs. Titles must be upper case.\n"
    "\n"
    "Options:\n"
    "  -h, --help                  Show this text.\n"
    "  -V, --version               Show the program's version.\n"
    "\n"
    "Without FILE.dat, export and check read the program's data file and import writes it,\n"
    "found as the program finds it: quorvane.dat beside the program when its folder can be\n"
    "written (a portable copy); otherwise the user's own copy,\n"
    "$XDG_DATA_HOME/quorvane/quorvane.dat (~/.local/share/quorvane/quorvane.dat by default),\n"
    "which is read once it exists, the file shipped beside the program until then.\n"
    "\n"
    "A data file is written beside its final name and moved into place only when complete,\n"
    "so a failed run never damages the previous file; a device such as /dev/stdout is written\n"
    "straight to. Two writers of one file take turns: a run that finds another saving it\n"
    "fails and says so. Errors go to standard error; the exit status is 0 on success, 1 on\n"
    "failure or when check finds a problem, 2 for wrong usage.\n";

int Usage(const std::string& szWhy) {
    return io::UsageError("qvdat", szWhy);
}

// What was printed must reach its destination: a full disk or a closed pipe makes the run a
// failure, whatever the command found.
int Finish(int nStatus) {
    errno = 0;
    std::cout.flush();
    const bool bWritten = std::fflush(stdout) == 0 && !std::cout.fail() && !std::ferror(stdout);
    if (bWritten) return nStatus;
    std::cerr << "qvdat: cannot write the output: "
              << (errno != 0 ? std::strerror(errno) : "the system gave no reason") << "\n";
    return 1;
}

int Run(int argc, char** argv);

// The program's data file as the program finds it. Installed, the program lives in its own
// folder (QVDAT_PROGRAM_DIR from this tool's); in a build tree or a portable copy, beside it.
DataFileLocation ProgramDataFile() {
    std::string szSelf;
    if (!GetModuleDirectory(nullptr, &szSelf))
        return DataFileLocation::Beside(AbbrData::DataFileName);
    char szInstalled[PATH_MAX];
    struct stat st {};
    if (::realpath((szSelf + QVDAT_PROGRAM_DIR).c_str(), szInstalled) &&
        ::stat((std::string(szInstalled) + "/quorvane").c_str(), &st) == 0) {
        return DataFileLocation::Find(std::string(szInstalled) + "/");
    }
    return DataFileLocation::Find(szSelf);
}

}  // namespace

int main(int argc, char** argv) {
    return Finish(Run(argc, argv));
}

namespace {

int Run(int argc, char** argv) {
    static const option options[] = {
        {"help", no_argument, nullptr, 'h'}, {"version", no_argument, nullptr, 'V'}, {}};
    // Options stop at the command, so that a file name after it is never taken for one.
    opterr = 0;
    for (int option; (option = getopt_long(argc, argv, "+:hV", options, nullptr)) != -1;) {
        if (option == 'h') {
            std::cout << kHelp;
            return 0;
        }
        if (option == 'V') {
            std::cout.flush();
            io::PrintVersion("qvdat");
            return 0;
        }
        return io::OptionError("qvdat", option, argv);
    }
    argc -= optind - 1;
    argv += optind - 1;
    if (argc < 2) return Usage("no command given");
    const std::string szCommand = argv[1];
    const int nArgs = argc - 2;
    if (szCommand == "help") {
        std::cout << kHelp;
        return 0;
    }

    DataTool tool(std::cout, std::cerr);
    // The program's own data file, looked for only by the commands given no file.
    if (szCommand == "where" && nArgs == 0) {
        const DataFileLocation where = ProgramDataFile();
        std::cout << "reads: " << where.szRead << "\nsaves: " << where.szSave << "\n";
        return 0;
    }
    if (szCommand == "export" && nArgs <= 1)
        return tool.Export(nArgs ? argv[2] : ProgramDataFile().szRead);
    if (szCommand == "check" && nArgs <= 1)
        return tool.Check(nArgs ? argv[2] : ProgramDataFile().szRead);
    if (szCommand == "import" && nArgs == 2) return tool.Import(argv[2], argv[3]);
    if (szCommand == "import" && nArgs == 1) {
        const DataFileLocation where = ProgramDataFile();
        std::string szWhy;
        if (!where.PrepareSave(&szWhy)) {
            std::cerr << "qvdat: " << where.szSave << " was not written: " << szWhy << "\n";
            return 1;
        }
        return tool.Import(argv[2], where.szSave);
    }
    if (szCommand == "build" && nArgs == 2) return tool.Build(argv[2], argv[3]);
    if (szCommand == "export" || szCommand == "check" || szCommand == "import" ||
        szCommand == "build" || szCommand == "where") {
        return Usage("wrong number of arguments for " + szCommand);
    }
    return Usage("unknown command '" + szCommand + "'");
}

}  // namespace
