// The program: the application object, its title, the reference window and the message loop,
// on the real display.
#include <getopt.h>

#include <cstdio>
#include <exception>
#include <string>

#include "Source/theme/SKThemes.h"
#include "platform/vcl/controls/Application.h"
#include "platform/io/ProgramInfo.h"
#include "platform/vcl/core/SysUtils.h"
#include "platform/win/Backend.h"
#include "platform/win/SysParams.h"
#include "src/QuorvaneApp.h"

namespace {

const char kHelp[] =
    "Usage: quorvane [OPTION]\n"
    "\n"
    "Quorvane Reference: the abbreviations that IBM i uses in the names and keywords of its\n"
    "CL commands, beside their meanings, in a window on the X display ($DISPLAY).\n"
    "\n"
    "Options:\n"
    "  -h, --help     Show this text.\n"
    "  -V, --version  Show the program's version.\n";

// Answers the options a program ends on (--help, --version, a wrong one) with the exit
// status, or -1 when the program is to run.
int ReadOptions(int argc, char** argv) {
    static const option options[] = {
        {"help", no_argument, nullptr, 'h'}, {"version", no_argument, nullptr, 'V'}, {}};
    opterr = 0;
    for (int option; (option = getopt_long(argc, argv, ":hV", options, nullptr)) != -1;) {
        if (option == 'h') {
            std::fputs(kHelp, stdout);
            return 0;
        }
        if (option == 'V') {
            io::PrintVersion("quorvane");
            return 0;
        }
        return io::OptionError("quorvane", option, argv);
    }
    if (optind < argc)
        return io::UsageError("quorvane",
                              "unexpected argument '" + std::string(argv[optind]) + "'");
    return -1;
}

}  // namespace

int main(int argc, char** argv) {
    if (const int status = ReadOptions(argc, argv); status >= 0) return status;
    try {
        win::SelectBackend("x11");
        // The desktop shows the program's own picture in its task bar and window switcher.
        if (const gfx::Bitmap* icon = FindSkinPicture("MAINICON")) SetApplicationIcon(*icon);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "quorvane: %s\n", e.what());
        return 1;
    }
    return RunQuorvane();
}
