#pragma once
// A fresh directory under the system's temporary directory, removed with all it holds.
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>

class TempDir {
public:
    TempDir() {
        std::string szTemplate =
            (std::filesystem::temp_directory_path() / "qvtest-XXXXXX").string();
        if (!::mkdtemp(szTemplate.data())) throw std::runtime_error("mkdtemp failed");
        m_path = szTemplate;
    }
    ~TempDir() {
        std::error_code error;
        std::filesystem::permissions(m_path, std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, error);
        std::filesystem::remove_all(m_path, error);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    std::string Path(const std::string& szName) const { return (m_path / szName).string(); }
    const std::filesystem::path& Root() const { return m_path; }

    static std::string ReadAll(const std::string& szPath) {
        std::ifstream in(szPath, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    static void WriteAll(const std::string& szPath, const std::string& szBytes) {
        std::ofstream(szPath, std::ios::binary) << szBytes;
    }

private:
    std::filesystem::path m_path;
};
