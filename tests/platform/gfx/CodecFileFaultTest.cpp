#include <gtest/gtest.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>

#include "platform/gfx/BmpCodec.h"
#include "platform/gfx/JpegCodec.h"
#include "platform/gfx/PngCodec.h"
#include "platform/io/FileFault.h"

// Each codec's file writer with each step of the write failing in turn: the picture that
// was there stays whole, and the failure is a CodecError that names the file.
namespace {

std::string ReadText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

}  // namespace

TEST(CodecFiles, AFaultInAnyStepKeepsTheOldPicture) {
    char folderTemplate[] = "/tmp/qvcodec-XXXXXX";
    ASSERT_NE(::mkdtemp(folderTemplate), nullptr);
    const std::string path = std::string(folderTemplate) + "/picture";
    const gfx::Bitmap picture(4, 3, 0xFF336699);
    const struct {
        const char* name;
        std::function<void()> write;
    } writers[] = {
        {"BMP", [&] { gfx::WriteBmpFile(picture, path); }},
        {"JPEG", [&] { gfx::WriteJpegFile(picture, path); }},
        {"PNG", [&] { gfx::WritePng(picture, path); }},
    };
    for (const auto& writer : writers) {
        for (const io::FileStep step : io::kAllFileSteps) {
            SCOPED_TRACE(std::string(writer.name) + ", " + io::FileStepName(step));
            { std::ofstream(path, std::ios::binary) << "old"; }
            io::ScopedFileFault fault(step, EIO);
            try {
                writer.write();
                ADD_FAILURE() << "written although a step failed";
            } catch (const gfx::CodecError& error) {
                EXPECT_EQ(std::string(error.what()).rfind(writer.name, 0), 0u) << error.what();
                EXPECT_NE(std::string(error.what()).find(path), std::string::npos)
                    << error.what();
                EXPECT_NE(std::string(error.what()).find("Input/output error"), std::string::npos)
                    << error.what();
            }
            EXPECT_TRUE(fault.Fired());
            EXPECT_EQ(ReadText(path), "old");
            EXPECT_FALSE(std::filesystem::exists(path + ".new"));
        }
    }
    std::filesystem::remove_all(folderTemplate);
}
