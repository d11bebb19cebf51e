#pragma once
// Turkish (tr_TR.UTF-8) as the character locale for one test: there "i" upper-cases to a
// dotted capital, and the C library's byte-wise toupper leaves it small. A system
// without the locale gets it compiled once in the build tree (localedef, from the locales
// package's sources); Active() is false where that cannot be done.
#include <locale.h>
#include <stdlib.h>

#include <cstdlib>
#include <filesystem>
#include <string>

class TurkishLocale {
public:
    TurkishLocale() {
        m_previous = setlocale(LC_CTYPE, nullptr);
        if (setlocale(LC_CTYPE, kName)) {
            m_active = true;
            return;
        }
        const std::filesystem::path folder = BuildFolder() / "test-locales";
        if (!std::filesystem::exists(folder / kName / "LC_CTYPE")) Compile(folder);
        // Only this call looks there; later ones (C.UTF-8) find the system's locales.
        setenv("LOCPATH", folder.c_str(), 1);
        m_active = setlocale(LC_CTYPE, kName) != nullptr;
        unsetenv("LOCPATH");
    }
    ~TurkishLocale() { setlocale(LC_CTYPE, m_previous.c_str()); }
    TurkishLocale(const TurkishLocale&) = delete;
    TurkishLocale& operator=(const TurkishLocale&) = delete;

    bool Active() const { return m_active; }

private:
    static constexpr const char* kName = "tr_TR.UTF-8";

    // The build tree the test program lies in, so that every test program shares one copy;
    // the program's own folder outside a build tree.
    static std::filesystem::path BuildFolder() {
        const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe");
        for (std::filesystem::path p = program.parent_path(); p.has_relative_path();
             p = p.parent_path())
            if (std::filesystem::exists(p / "CMakeCache.txt")) return p;
        return program.parent_path();
    }

    // Compiled aside and moved into place whole, so that tests running side by side never
    // read half a locale.
    static void Compile(const std::filesystem::path& folder) {
        std::error_code error;
        std::filesystem::create_directories(folder, error);
        std::string scratch = (folder / "compiling-XXXXXX").string();
        if (!mkdtemp(scratch.data())) return;
        const std::string made = scratch + "/" + kName;
        const std::string command = "localedef -i tr_TR -f UTF-8 '" + made + "' >/dev/null 2>&1";
        if (std::system(command.c_str()) >= 0) std::filesystem::rename(made, folder / kName, error);
        // Another test may have moved its copy in first.
        std::filesystem::remove_all(scratch, error);
    }

    std::string m_previous;
    bool m_active = false;
};
