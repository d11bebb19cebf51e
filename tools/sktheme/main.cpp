// sktheme: the tool that inspects, unpacks, packs and makes skin theme files (.skn).
#include <getopt.h>

#include <iostream>
#include <string>
#include <vector>

#include "Source/theme/SKThemes.h"
#include "platform/io/ProgramInfo.h"
#include "tools/sktheme/ThemeTool.h"

namespace {

const char kHelp[] =
    "Usage: sktheme [OPTION]... COMMAND ARGUMENTS\n"
    "\n"
    "Works on skin theme files (.skn): a look for the skinned controls made of named\n"
    "pictures, integers (colours among them, as 0xBBGGRR), flags and texts.\n"
    "\n"
    "Commands:\n"
    "  info FILE.skn              List every entry in file order with its kind and its size\n"
    "                             or value, then say whether all 42 theme items are present\n"
    "                             with the kinds the controls read them as.\n"
    "  unpack FILE.skn DIR        Write each picture into DIR as a file named after its entry\n"
    "                             (NAME.bmp), and every entry, values included, in file order\n"
    "                             into DIR/theme.txt, one 'KIND NAME=VALUE' line each.\n"
    "  pack DIR FILE.skn          Make a theme file from DIR/theme.txt and the pictures it\n"
    "                             names: the reverse of unpack.\n"
    "  builtin STYLE FILE.skn     Write a built-in style (MacOS, WinXP, DeepBlue, Protein or\n"
    "                             BlueGlass) as a complete theme file of all 42 items.\n"
    "\n"
    "Options:\n"
    "  --pictures DIR             Where builtin finds the skin's pictures (NAME.bmp); by\n"
    "                             default the pictures built into the skin library.\n"
    "  -h, --help                 Show this text.\n"
    "  -V, --version              Show the program's version.\n"
    "\n"
    "A damaged theme file is refused whole, with the reason. Errors go to standard error; the\n"
    "exit status is 0 on success, 1 on failure, 2 for wrong usage.\n";

int Usage(const std::string& why) {
    return io::UsageError("sktheme", why);
}

}  // namespace

int main(int argc, char** argv) {
    static const option options[] = {{"pictures", required_argument, nullptr, 'p'},
                                     {"help", no_argument, nullptr, 'h'},
                                     {"version", no_argument, nullptr, 'V'},
                                     {}};
    std::string pictures;
    opterr = 0;
    for (int option; (option = getopt_long(argc, argv, ":hV", options, nullptr)) != -1;) {
        switch (option) {
            case 'p':
                pictures = optarg;
                break;
            case 'h':
                std::cout << kHelp;
                return 0;
            case 'V':
                std::cout.flush();
                io::PrintVersion("sktheme");
                return 0;
            default:
                return io::OptionError("sktheme", option, argv);
        }
    }
    const std::vector<std::string> args(argv + optind, argv + argc);
    if (args.empty()) return Usage("no command given");
    const std::string& command = args[0];
    if (command == "help") {
        std::cout << kHelp;
        return 0;
    }
    SetSkinPictureFolder(pictures);

    ThemeTool tool(std::cout, std::cerr);
    const std::size_t count = args.size() - 1;
    if (command == "info" && count == 1) return tool.Info(args[1]);
    if (command == "unpack" && count == 2) return tool.Unpack(args[1], args[2]);
    if (command == "pack" && count == 2) return tool.Pack(args[1], args[2]);
    if (command == "builtin" && count == 2) return tool.Builtin(args[1], args[2]);
    if (command == "info" || command == "unpack" || command == "pack" || command == "builtin") {
        return Usage("wrong number of arguments for " + command);
    }
    return Usage("unknown command '" + command + "'");
}
