#pragma once
// Theme files (.skn): the test that tells them from other files, the writer that makes them
// and the reader that loads one whole into memory and answers lookups by name.
//
// Layout, all integers 32-bit little-endian: a 24-byte header (the magic "SkinLib_TB" and
// two zero bytes, the header size 24, the value 1, the offset of the first entry), then a
// chain of 77-byte entry records (a 64-byte name, a kind byte, the data's offset and size,
// the next record's offset) each followed by its data, ended by a record whose next offset
// is 0.
#include <cstdint>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

// A theme file that cannot be opened, created or followed; the message names the file.
class EskThemeFileError : public std::runtime_error {
public:
    explicit EskThemeFileError(const std::string& message);
    ~EskThemeFileError() override;
};

inline constexpr std::uint32_t SK_THEMEFILE_HEADER_SIZE = 24;
inline constexpr std::uint32_t SK_THEMEFILE_RECORD_SIZE = 77;
inline constexpr std::size_t SK_THEMEFILE_NAME_SIZE = 64;

// What the pictures of one theme may hold. A theme's pictures are small strips of button
// states and edges (the largest built-in one has some 10 000 pixels, a whole built-in style
// some 33 000), and each is decoded whenever a control takes on the theme: a hundred times
// that is room for any theme, and keeps a hostile file from costing gigabytes.
inline constexpr int SK_THEME_PICTURE_MAX_SIDE = 4096;
inline constexpr long long SK_THEME_PICTURE_MAX_PIXELS = 1LL << 20;
inline constexpr long long SK_THEME_MAX_PIXELS = 1LL << 22;

// Counts the pictures of one theme against those bounds.
class TskThemePictureBudget {
public:
    // The theme as the errors name it: "The theme file 'x.skn'", say.
    explicit TskThemePictureBudget(std::string theme) : m_theme(std::move(theme)) {}
    // Throws EskThemeFileError naming the theme and the picture when this picture, or all
    // the pictures counted so far with it, are more than a theme may hold.
    void Add(const std::string& name, int width, int height);
    // The same for a picture's bytes, by the size its header gives; bytes that are no
    // readable picture hold no pixels and are left for whoever decodes them to refuse.
    void AddBytes(const std::string& name, std::span<const std::uint8_t> data);
    long long Total() const { return m_total; }

private:
    std::string m_theme;
    long long m_total = 0;
};

// The kind byte of an entry record.
enum class TskThemeEntryKind : std::uint8_t { Picture = 0, Integer = 1, Flag = 2, Text = 3 };

// Whether the file starts with the theme file magic. Never throws: a file that is missing,
// unreadable or shorter than 16 bytes is no theme file.
bool IsSKThemeFile(const std::string& fileName);

// Collects named entries and writes them as a theme file: pictures first, then texts,
// integers and flags, each kind in the order added. Names longer than 64 characters are
// cut. As with name=value lists, an entry's value is the first value added under its name
// (compared without letter case) within its kind.
class TskThemeFileWriter {
public:
    explicit TskThemeFileWriter(std::string fileName);
    // Saves unless Save was called after the last Add; call Save to see its errors, since
    // one here can only be reported on standard error.
    ~TskThemeFileWriter();
    TskThemeFileWriter(const TskThemeFileWriter&) = delete;
    TskThemeFileWriter& operator=(const TskThemeFileWriter&) = delete;

    // The picture file is read only when saving.
    void AddFile(const std::string& name, const std::string& path);
    // A picture whose bytes are at hand rather than in a file.
    void AddFileData(const std::string& name, std::vector<std::uint8_t> data);
    void AddStr(const std::string& name, const std::string& text);
    void AddInteger(const std::string& name, std::int32_t value);
    void AddBool(const std::string& name, bool value);

    // Writes the target file, replacing it. Throws EskThemeFileError when a picture file
    // cannot be read or the target cannot be written; the target is untouched when a
    // picture is missing.
    void Save();
    // The bytes that Save writes.
    std::vector<std::uint8_t> SaveToBuffer() const;

    const std::string& FileName() const { return m_fileName; }

private:
    template <typename T>
    struct Entry {
        std::string Name;
        T Value;
    };
    struct PictureSource {
        std::string Path;  // empty when the bytes are given
        std::vector<std::uint8_t> Data;
    };

    std::string m_fileName;
    std::vector<Entry<PictureSource>> m_pictures;
    std::vector<Entry<std::string>> m_texts;
    std::vector<Entry<std::int32_t>> m_integers;
    std::vector<Entry<bool>> m_flags;
    bool m_savePending = true;
};

// One entry as the file holds it; the data is kept as stored (an integer as its 4 bytes).
struct TskThemeFileEntry {
    std::string Name;
    TskThemeEntryKind Kind = TskThemeEntryKind::Integer;
    std::vector<std::uint8_t> Data;

    std::int32_t Integer() const;
    bool Flag() const;
    std::string Text() const { return {Data.begin(), Data.end()}; }
};

// Loads a theme file whole; later lookups come from memory, so the file may go away. Names
// are compared without letter case and the first entry of a name within its kind wins.
// Entries of an unknown kind are skipped.
class TskThemeFileReader {
public:
    TskThemeFileReader() = default;
    // Loads the file at once.
    explicit TskThemeFileReader(const std::string& fileName);

    // Replaces what was loaded. A file that is missing, is no theme file, or is damaged
    // (a header size other than 24, a record or data outside the file or overlapping
    // another, a chain of records that loops, an integer not 4 bytes long or a flag not 1),
    // or whose pictures are larger than TskThemePictureBudget allows, throws
    // EskThemeFileError and leaves the reader as it was.
    void Load(const std::string& fileName);
    // The same for a file's bytes; sourceName names them in error messages.
    void LoadFromBuffer(std::span<const std::uint8_t> data, const std::string& sourceName);

    // The picture's bytes, or null; they stay owned by the reader.
    const std::vector<std::uint8_t>* GetFile(const std::string& name) const;
    // -1 when missing.
    std::int32_t GetInteger(const std::string& name) const;
    // False when missing.
    bool GetBool(const std::string& name) const;
    // Empty when missing.
    std::string GetStr(const std::string& name) const;

    // Every entry in the order of the chain.
    const std::vector<TskThemeFileEntry>& Entries() const { return m_entries; }

private:
    const TskThemeFileEntry* Find(const std::string& name, TskThemeEntryKind kind) const;

    std::vector<TskThemeFileEntry> m_entries;
};
