#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <string>

#include "Source/theme/SKThemeFile.h"
#include "platform/gfx/Color.h"
#include "platform/io/FileFault.h"
#include "tests/Source/themes/ThemeTestSupport.h"

// The theme file's bytes as the writer lays them out, the reader's lookups, the magic test,
// and damaged files, which the reader refuses whole.
namespace {

using theme_test::Bytes;
using theme_test::ReadBytes;
using theme_test::TempFolder;
using theme_test::ThemeBytes;
using theme_test::WriteBytes;

constexpr std::uint8_t kPicture = 0, kInteger = 1, kFlag = 2, kText = 3;

Bytes AsBytes(const std::string& text) {
    return Bytes(text.begin(), text.end());
}

TskThemeFileReader ReaderOf(const Bytes& bytes) {
    TskThemeFileReader reader;
    reader.LoadFromBuffer(bytes, "test.skn");
    return reader;
}

TEST(ThemeFileWriter, AWriterWithNoEntriesLeavesHeaderAndEndRecord) {
    TempFolder folder;
    const std::string path = folder.Path("empty.skn");
    { TskThemeFileWriter writer(path); }  // saved when it goes

    const Bytes bytes = ReadBytes(path);
    ASSERT_EQ(bytes.size(), 101u);
    EXPECT_EQ(bytes, ThemeBytes().Header().End().Get());

    const TskThemeFileReader reader(path);
    EXPECT_TRUE(reader.Entries().empty());
    for (const std::string name : {"", "ButtonImage", "x"}) {
        EXPECT_EQ(reader.GetInteger(name), -1);
        EXPECT_FALSE(reader.GetBool(name));
        EXPECT_EQ(reader.GetStr(name), "");
        EXPECT_EQ(reader.GetFile(name), nullptr);
    }
}

TEST(ThemeFileWriter, OneIntegerMakesA182ByteFileWithTheValueAt101) {
    TempFolder folder;
    const std::string path = folder.Path("one.skn");
    TskThemeFileWriter writer(path);
    writer.AddInteger("A", clBtnFace);
    writer.Save();

    const Bytes bytes = ReadBytes(path);
    ASSERT_EQ(bytes.size(), 182u);
    EXPECT_EQ(bytes,
              ThemeBytes().Header().Record("A", kInteger, 101, 4, 105).U32(0x8000000F).End().Get());
    // A system colour is negative and must come back so.
    EXPECT_EQ(TskThemeFileReader(path).GetInteger("a"), clBtnFace);
}

TEST(ThemeFileWriter, EachKindFollowsItsRecordInPictureTextIntegerFlagOrder) {
    TempFolder folder;
    const std::string picturePath = folder.Path("p.bmp");
    WriteBytes(picturePath, AsBytes("PIC"));
    const std::string path = folder.Path("kinds.skn");
    TskThemeFileWriter writer(path);
    writer.AddBool("On", true);
    writer.AddInteger("N", 7);
    writer.AddStr("T", "hi");
    writer.AddStr("Empty", "");
    writer.AddFile("P", picturePath);
    writer.AddFileData("Q", AsBytes("QQ"));
    writer.Save();

    ThemeBytes expected;
    expected.Header();
    expected.Record("P", kPicture, 101, 3, 104).Raw("PIC");
    expected.Record("Q", kPicture, 181, 2, 183).Raw("QQ");
    expected.Record("T", kText, 260, 2, 262).Raw("hi");
    expected.Record("Empty", kText, 339, 0, 339);
    expected.Record("N", kInteger, 416, 4, 420).U32(7);
    expected.Record("On", kFlag, 497, 1, 498).Raw("\x01");
    expected.End();
    EXPECT_EQ(ReadBytes(path), expected.Get());

    // Everything is read into memory, so the file may go.
    const TskThemeFileReader reader(path);
    std::filesystem::remove(path);
    ASSERT_NE(reader.GetFile("p"), nullptr);
    EXPECT_EQ(*reader.GetFile("p"), AsBytes("PIC"));
    EXPECT_EQ(*reader.GetFile("Q"), AsBytes("QQ"));
    EXPECT_EQ(reader.GetStr("t"), "hi");
    EXPECT_EQ(reader.GetStr("Empty"), "");
    EXPECT_EQ(reader.GetInteger("N"), 7);
    EXPECT_TRUE(reader.GetBool("ON"));
}

TEST(ThemeFileWriter, NamesFillTheirSixtyFourBytesAndLongerOnesAreCut) {
    const std::string name64(64, 'N');
    struct Case {
        std::string added;
        std::string stored;
    };
    TempFolder folder;
    for (const Case& c : {Case{name64, name64}, Case{name64 + "tail", name64}}) {
        TskThemeFileWriter writer(folder.Path("unused.skn"));
        writer.AddBool(c.added, true);
        const Bytes bytes = writer.SaveToBuffer();
        ASSERT_EQ(bytes.size(), 24u + 77 + 1 + 77);
        EXPECT_EQ(std::string(bytes.begin() + 24, bytes.begin() + 88), name64);
        EXPECT_EQ(bytes[88], kFlag) << "the kind follows the name with no terminator between";

        const TskThemeFileReader reader = ReaderOf(bytes);
        ASSERT_EQ(reader.Entries().size(), 1u);
        EXPECT_EQ(reader.Entries()[0].Name, c.stored);
        EXPECT_TRUE(reader.GetBool(c.stored));
    }
}

TEST(ThemeFileWriter, ARepeatedNameWritesTheFirstValueOfItsKind) {
    TempFolder folder;
    TskThemeFileWriter writer(folder.Path("unused.skn"));
    writer.AddInteger("Size", 1);
    writer.AddInteger("SIZE", 2);
    writer.AddInteger("Other", 3);
    writer.AddStr("size", "text");
    const TskThemeFileReader reader = ReaderOf(writer.SaveToBuffer());
    ASSERT_EQ(reader.Entries().size(), 4u);
    EXPECT_EQ(reader.Entries()[2].Name, "SIZE");
    EXPECT_EQ(reader.Entries()[2].Integer(), 1);
    EXPECT_EQ(reader.Entries()[3].Integer(), 3);
    EXPECT_EQ(reader.GetStr("Size"), "text");
}

TEST(ThemeFileWriter, AMissingPictureFailsTheSaveAndLeavesTheOldFile) {
    TempFolder folder;
    const std::string path = folder.Path("theme.skn");
    WriteBytes(path, AsBytes("old"));
    TskThemeFileWriter writer(path);
    writer.AddInteger("N", 1);
    writer.AddFile("P", folder.Path("missing.bmp"));
    try {
        writer.Save();
        ADD_FAILURE() << "saved without its picture";
    } catch (const EskThemeFileError& error) {
        EXPECT_NE(std::string(error.what()).find("missing.bmp"), std::string::npos) << error.what();
    }
    EXPECT_EQ(ReadBytes(path), AsBytes("old"));

    TskThemeFileWriter nowhere(folder.Path("no/such/folder.skn"));
    EXPECT_THROW(nowhere.Save(), EskThemeFileError);
}

// Each step of the save fails in turn (sktheme's builtin and pack save through this writer):
// the old theme stays whole and the error says why.
TEST(ThemeFileWriter, AFaultInAnyStepLeavesTheOldFileAndSaysWhy) {
    for (const io::FileStep step : io::kAllFileSteps) {
        SCOPED_TRACE(io::FileStepName(step));
        TempFolder folder;
        const std::string path = folder.Path("theme.skn");
        WriteBytes(path, AsBytes("old"));
        TskThemeFileWriter writer(path);
        writer.AddInteger("N", 1);
        io::ScopedFileFault fault(step, ENOSPC);
        try {
            writer.Save();
            ADD_FAILURE() << "saved although a step failed";
        } catch (const EskThemeFileError& error) {
            EXPECT_NE(std::string(error.what()).find("No space left on device"), std::string::npos)
                << error.what();
        }
        EXPECT_TRUE(fault.Fired());
        EXPECT_EQ(ReadBytes(path), AsBytes("old"));
        EXPECT_FALSE(std::filesystem::exists(path + ".new"));
    }
}

TEST(ThemeFileReader, FollowsTheChainWhereverItLeadsAndSkipsUnknownKinds) {
    // The header points at the last record, which leads back to the first.
    ThemeBytes file;
    file.Header(183);
    file.Record("Late", kInteger, 101, 4, 105).U32(5);    // 24
    file.Record("Odd", 9, 0, 0, 261).Raw("?");            // 105
    file.Record("Early", kFlag, 260, 1, 24).Raw("\x01");  // 183
    file.End();                                           // 261
    const TskThemeFileReader reader = ReaderOf(file.Get());
    ASSERT_EQ(reader.Entries().size(), 2u);
    EXPECT_EQ(reader.Entries()[0].Name, "Early");
    EXPECT_EQ(reader.Entries()[1].Name, "Late");
    EXPECT_TRUE(reader.GetBool("early"));
    EXPECT_EQ(reader.GetInteger("late"), 5);
}

TEST(ThemeFileReader, LooksUpWithinAKindAndTheFirstOfANameWins) {
    ThemeBytes file;
    file.Header();
    file.Record("Same", kPicture, 101, 2, 103).Raw("BM");
    file.Record("same", kInteger, 180, 4, 184).U32(11);
    file.Record("SAME", kInteger, 261, 4, 265).U32(22);
    file.Record("Flag", kFlag, 342, 1, 343).Raw("\x07");
    file.End();
    const TskThemeFileReader reader = ReaderOf(file.Get());
    EXPECT_EQ(*reader.GetFile("SAME"), AsBytes("BM"));
    EXPECT_EQ(reader.GetInteger("Same"), 11);
    EXPECT_FALSE(reader.GetBool("Same"));
    EXPECT_EQ(reader.GetStr("Same"), "");
    EXPECT_TRUE(reader.GetBool("flag")) << "any byte but 0 is true";
}

TEST(ThemeFileReader, TellsThemeFilesByTheirMagic) {
    struct Case {
        const char* what;
        std::string bytes;
        bool theme;
    };
    const std::string zeros(16, '\0');
    const Case cases[] = {
        {"the magic and two zeros", std::string("SkinLib_TB\0\0", 12) + zeros, true},
        {"the magic ended within its field", std::string("SkinLib_TB\0X", 12) + zeros, true},
        {"a letter after the magic", "SkinLib_TBX" + zeros, false},
        {"twelve letters", "SkinLib_TBXY" + zeros, false},
        {"a shorter magic", std::string("SkinLib_T\0\0\0", 12) + zeros, false},
        {"fewer than 16 bytes", std::string("SkinLib_TB\0\0\0", 13), false},
        {"an empty file", "", false},
        {"a bitmap", "BM" + zeros, false},
    };
    TempFolder folder;
    for (const Case& c : cases) {
        const std::string path = folder.Path("file.skn");
        WriteBytes(path, AsBytes(c.bytes));
        EXPECT_EQ(IsSKThemeFile(path), c.theme) << c.what;
    }
    EXPECT_FALSE(IsSKThemeFile(folder.Path("missing.skn")));
    EXPECT_FALSE(IsSKThemeFile(folder.Path("")));
}

// A file of every kind, as the writer makes it; the damage cases below are made from it.
ThemeBytes SoundFile() {
    ThemeBytes file;
    file.Header();
    file.Record("Pic", kPicture, 101, 3, 104).Raw("PIC");  // 24
    file.Record("Txt", kText, 181, 2, 183).Raw("hi");      // 104
    file.Record("Int", kInteger, 260, 4, 264).U32(42);     // 183
    file.Record("Flag", kFlag, 341, 1, 342).Raw("\x01");   // 264
    file.End();                                            // 342
    return file;
}

void PutU32(Bytes& bytes, std::size_t offset, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) bytes[offset + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

TEST(ThemeFileReader, RefusesAFileCutAnywhere) {
    const Bytes whole = SoundFile().Get();
    ASSERT_EQ(ReaderOf(whole).Entries().size(), 4u);
    for (std::size_t length = 0; length < whole.size(); ++length) {
        const Bytes cut(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(length));
        EXPECT_THROW(ReaderOf(cut), EskThemeFileError) << "cut to " << length << " bytes";
    }
}

TEST(ThemeFileReader, RefusesDamagedFilesWithTheReason) {
    struct Case {
        const char* what;
        std::size_t offset;  // of the 32-bit field changed, or of the byte for a kind
        std::uint32_t value;
        const char* reason;
    };
    const Case cases[] = {
        {"magic", 0, 0x6E696B73, "not a theme file"},
        {"header size", 12, 25, "header size of 25"},
        {"first entry beyond the end", 20, 400, "runs past its end"},
        {"first entry inside the header", 20, 4, "overlaps"},
        {"next loops to the first", 264 + 73, 24, "loops"},
        {"next loops to itself", 183 + 73, 183, "loops"},
        {"next into another record", 183 + 73, 30, "overlaps"},
        {"next beyond the end", 104 + 73, 0xFFFFFFF0, "runs past its end"},
        {"picture size beyond the end", 24 + 69, 0xFFFFFFFF, "runs past its end"},
        {"text data beyond the end", 104 + 65, 418, "runs past its end"},
        {"integer data over a record", 183 + 65, 120, "overlaps"},
        {"two entries share their data", 104 + 65, 101, "overlaps"},
        {"integer of 5 bytes", 183 + 69, 5, "instead of 4"},
        {"flag of no bytes", 264 + 69, 0, "instead of 1"},
    };
    for (const Case& c : cases) {
        Bytes bytes = SoundFile().Get();
        PutU32(bytes, c.offset, c.value);
        try {
            ReaderOf(bytes);
            ADD_FAILURE() << c.what << ": accepted";
        } catch (const EskThemeFileError& error) {
            const std::string message = error.what();
            EXPECT_NE(message.find(c.reason), std::string::npos) << c.what << ": " << message;
            EXPECT_NE(message.find("test.skn"), std::string::npos) << message;
        }
    }
}

// A few bytes can claim a picture of billions of pixels, which every control taking on the
// theme would decode: the reader bounds each picture and all of them together.
TEST(ThemeFileReader, RefusesPicturesLargerThanAThemeNeeds) {
    using theme_test::RunLengthBmp;
    struct Case {
        const char* what;
        std::vector<Bytes> pictures;
        const char* reason;  // null when the file is taken
    };
    const Case cases[] = {
        {"the largest picture", {RunLengthBmp(4096, 256)}, nullptr},
        {"one row too wide", {RunLengthBmp(4097, 1)}, "its picture 'P0' is 4097 x 1 pixels"},
        {"one column too tall", {RunLengthBmp(1, 4097)}, "its picture 'P0' is 1 x 4097 pixels"},
        {"too many pixels", {RunLengthBmp(1025, 1024)}, "1025 x 1024 pixels, more than a theme"},
        {"a huge claim", {RunLengthBmp(5792, 5792)}, "5792 x 5792"},
        {"every picture a theme may hold", std::vector<Bytes>(4, RunLengthBmp(1024, 1024)),
         nullptr},
        {"one picture more", std::vector<Bytes>(5, RunLengthBmp(1024, 1024)),
         "its pictures up to 'P4' hold 5242880 pixels"},
        {"bytes that are no picture hold none", {AsBytes("BM"), AsBytes("xyz")}, nullptr},
    };
    TempFolder folder;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TskThemeFileWriter writer(folder.Path("unused.skn"));
        for (std::size_t i = 0; i < c.pictures.size(); ++i)
            writer.AddFileData("P" + std::to_string(i), c.pictures[i]);
        const Bytes bytes = writer.SaveToBuffer();
        if (c.reason == nullptr) {
            EXPECT_EQ(ReaderOf(bytes).Entries().size(), c.pictures.size());
            continue;
        }
        try {
            ReaderOf(bytes);
            ADD_FAILURE() << "accepted";
        } catch (const EskThemeFileError& error) {
            const std::string message = error.what();
            EXPECT_NE(message.find(c.reason), std::string::npos) << message;
            EXPECT_EQ(message.rfind("The theme file 'test.skn' is refused", 0), 0u) << message;
        }
    }
}

TEST(ThemeFileReader, AFailedLoadKeepsWhatWasLoadedBefore) {
    TempFolder folder;
    const std::string good = folder.Path("good.skn");
    const std::string bad = folder.Path("bad.skn");
    WriteBytes(good, SoundFile().Get());
    Bytes damaged = SoundFile().Get();
    PutU32(damaged, 264 + 73, 24);
    WriteBytes(bad, damaged);

    TskThemeFileReader reader(good);
    EXPECT_THROW(reader.Load(bad), EskThemeFileError);
    EXPECT_THROW(reader.Load(folder.Path("missing.skn")), EskThemeFileError);
    EXPECT_EQ(reader.GetInteger("Int"), 42);
    EXPECT_EQ(reader.Entries().size(), 4u);
}

}  // namespace
