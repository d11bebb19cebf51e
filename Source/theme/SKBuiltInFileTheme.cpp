// Theme files carried inside form descriptions.
#include "Source/theme/SKBuiltInFileTheme.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "platform/io/FileFault.h"
#include "platform/io/ReplacingFile.h"
#include "platform/vcl/core/ClassBuilder.h"
#include "platform/vcl/core/Filer.h"
#include "platform/vcl/core/SysUtils.h"
#include "platform/win/SysParams.h"

namespace {

bool FileExists(const std::string& path) {
    std::error_code error;
    return std::filesystem::is_regular_file(path, error);
}

}  // namespace

const TClassInfo& TskBuiltInFileTheme::StaticClassInfo() {
    static const TClassInfo info = TClassBuilder<TskBuiltInFileTheme>("TskBuiltInFileTheme")
                                       .String("ThemeFile", &TskBuiltInFileTheme::GetThemeFile,
                                               &TskBuiltInFileTheme::SetThemeFile)
                                       .Build();
    return info;
}

TskBuiltInFileTheme::TskBuiltInFileTheme(TComponent* AOwner) : TskFileTheme(AOwner) {}

TskBuiltInFileTheme::~TskBuiltInFileTheme() = default;

void TskBuiltInFileTheme::DefineProperties(TFiler& Filer) {
    inherited::DefineProperties(Filer);
    Filer.DefineBinaryProperty(
        "SkinData", [this](std::span<const std::uint8_t> data) { ReadSkinData(data); },
        [this] { return WriteSkinData(); }, FileExists(m_builtInThemeFile));
}

std::string TskBuiltInFileTheme::TemporaryThemeFile(const std::string& folder) {
    std::string base = folder;
    if (!base.empty() && base.back() != '/') base += '/';
    std::string path = base + "SKLIBT.skn";
    for (int counter = 1; FileExists(path); ++counter)
        path = base + "SKLIBT" + std::to_string(counter) + ".skn";
    return path;
}

std::vector<std::uint8_t> TskBuiltInFileTheme::WriteSkinData() const {
    std::ifstream in(m_builtInThemeFile, std::ios::binary);
    if (!in)
        throw EWriteError("Cannot open the theme file '" + m_builtInThemeFile + "' to embed it");
    std::vector<std::uint8_t> data((std::istreambuf_iterator<char>(in)),
                                   std::istreambuf_iterator<char>());
    if (in.bad())
        throw EWriteError("Cannot read the theme file '" + m_builtInThemeFile + "' to embed it");
    return data;
}

void TskBuiltInFileTheme::ReadSkinData(std::span<const std::uint8_t> data) {
    // The temporary directory is shared with every other user: the file goes into a
    // directory of its own that only this user can enter, so that no name planted there in
    // advance (a link to someone's file, say) is written through or read back.
    std::string folder = GetTempPath();
    if (!folder.empty() && folder.back() != '/') folder += '/';
    folder += "SKLIBT-XXXXXX";
    if (!::mkdtemp(folder.data()))
        throw EReadError("Cannot make a private folder for the embedded theme in '" +
                         GetTempPath() + "': " + io::ErrorText(errno));
    struct FolderRemover {
        std::string path;
        ~FolderRemover() {
            std::error_code ignored;
            std::filesystem::remove_all(path, ignored);
        }
    } remover{folder};

    const std::string path = TemporaryThemeFile(folder);
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    std::FILE* stream = fd >= 0 ? ::fdopen(fd, "wb") : nullptr;
    if (!stream) {
        const int error = errno;
        if (fd >= 0) ::close(fd);
        throw EReadError("Cannot write the embedded theme to '" + path +
                         "': " + io::ErrorText(error));
    }
    errno = 0;
    bool written = io::WriteStream(stream, data.data(), data.size()) == data.size() &&
                   io::FlushStream(stream);
    int error = errno;
    if (!io::CloseStream(stream) && written) {
        written = false;
        error = errno;
    }
    if (!written)
        throw EReadError("Cannot write the embedded theme to '" + path +
                         "': " + io::ErrorText(error));
    // The reader keeps the whole theme in memory, so the file can go at once (with its
    // folder), whatever the loading made of it.
    inherited::SetThemeFile(path);
}
