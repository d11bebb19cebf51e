// Writing and reading theme files.
#include "Source/theme/SKThemeFile.h"

#include <strings.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <limits>
#include <map>
#include <set>

#include "platform/gfx/BmpCodec.h"
#include "platform/io/ReplacingFile.h"

namespace {

constexpr char kMagic[] = "SkinLib_TB";
constexpr std::size_t kMagicField = 12;

bool SameName(const std::string& a, const std::string& b) {
    return a.size() == b.size() && strncasecmp(a.data(), b.data(), a.size()) == 0;
}

// The first 12 bytes taken as a zero-terminated text.
bool HasMagic(const std::uint8_t* bytes) {
    const char* text = reinterpret_cast<const char*>(bytes);
    const std::size_t length = strnlen(text, kMagicField);
    return length == std::strlen(kMagic) && std::memcmp(text, kMagic, length) == 0;
}

std::string SystemError() {
    return std::strerror(errno);
}

std::vector<std::uint8_t> ReadFileBytes(const std::string& path, const char* what) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        throw EskThemeFileError("Cannot open " + std::string(what) + " '" + path +
                                "': " + SystemError());
    }
    // A directory opens, and the library's stream then throws its own message, which names
    // no file.
    std::vector<std::uint8_t> data;
    try {
        data.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    } catch (const std::ios_base::failure&) {
        in.setstate(std::ios::badbit);
    }
    if (in.bad()) {
        throw EskThemeFileError("Cannot read " + std::string(what) + " '" + path +
                                "': " + SystemError());
    }
    return data;
}

void PutU32(std::vector<std::uint8_t>& out, std::uint32_t value) {
    for (int shift = 0; shift < 32; shift += 8)
        out.push_back(static_cast<std::uint8_t>(value >> shift));
}

std::uint32_t GetU32(std::span<const std::uint8_t> data, std::size_t offset) {
    return static_cast<std::uint32_t>(data[offset]) |
           static_cast<std::uint32_t>(data[offset + 1]) << 8 |
           static_cast<std::uint32_t>(data[offset + 2]) << 16 |
           static_cast<std::uint32_t>(data[offset + 3]) << 24;
}

// Appends a record whose data follows it directly, then the data.
void PutEntry(std::vector<std::uint8_t>& out, const std::string& name, TskThemeEntryKind kind,
              std::span<const std::uint8_t> data) {
    const std::uint64_t dataOffset = out.size() + SK_THEMEFILE_RECORD_SIZE;
    const std::uint64_t next = dataOffset + data.size();
    if (next > std::numeric_limits<std::uint32_t>::max()) {
        throw EskThemeFileError("The theme file would pass 4 GiB at the entry '" + name + "'");
    }
    const std::size_t nameLength = std::min(name.size(), SK_THEMEFILE_NAME_SIZE);
    out.insert(out.end(), name.begin(), name.begin() + static_cast<std::ptrdiff_t>(nameLength));
    out.insert(out.end(), SK_THEMEFILE_NAME_SIZE - nameLength, 0);
    out.push_back(static_cast<std::uint8_t>(kind));
    PutU32(out, static_cast<std::uint32_t>(dataOffset));
    PutU32(out, static_cast<std::uint32_t>(data.size()));
    PutU32(out, static_cast<std::uint32_t>(next));
    out.insert(out.end(), data.begin(), data.end());
}

template <typename Entries>
const auto& FirstValue(const Entries& entries, const std::string& name) {
    for (const auto& entry : entries) {
        if (SameName(entry.Name, name)) return entry.Value;
    }
    return entries.front().Value;  // not reached: the entry itself matches
}

// Walks the chain of a theme file's bytes. Every record and every piece of data it reads
// must lie inside the file and apart from the header and from each other, which also bounds
// the work and memory to the file's size.
class ThemeFileParser {
public:
    ThemeFileParser(std::span<const std::uint8_t> data, const std::string& sourceName)
        : m_data(data), m_sourceName(sourceName) {}

    std::vector<TskThemeFileEntry> Parse() {
        if (m_data.size() < SK_THEMEFILE_HEADER_SIZE) {
            Fail("is too short for a theme file (" + std::to_string(m_data.size()) + " bytes)");
        }
        if (!HasMagic(m_data.data()))
            Fail("is not a theme file: it does not start with SkinLib_TB");
        const std::uint32_t headerSize = GetU32(m_data, 12);
        if (headerSize != SK_THEMEFILE_HEADER_SIZE) {
            Fail("has a header size of " + std::to_string(headerSize) + " instead of 24");
        }
        Occupy(0, SK_THEMEFILE_HEADER_SIZE, "the header");

        std::vector<TskThemeFileEntry> entries;
        std::uint64_t offset = GetU32(m_data, 20);
        std::string from = "the header";
        std::set<std::uint64_t> visited;
        for (;;) {
            if (!visited.insert(offset).second) {
                Fail("loops: " + from + " leads back to the record at offset " +
                     std::to_string(offset));
            }
            Occupy(offset, SK_THEMEFILE_RECORD_SIZE, "the record that " + from + " leads to");
            const std::uint32_t next = GetU32(m_data, offset + 73);
            if (next == 0) break;
            TskThemeFileEntry entry = ReadEntry(offset);
            from = "the entry '" + entry.Name + "'";
            if (entry.Kind <= TskThemeEntryKind::Text) entries.push_back(std::move(entry));
            offset = next;
        }
        TskThemePictureBudget budget("The theme file '" + m_sourceName + "'");
        for (const TskThemeFileEntry& entry : entries)
            if (entry.Kind == TskThemeEntryKind::Picture) budget.AddBytes(entry.Name, entry.Data);
        return entries;
    }

private:
    [[noreturn]] void Fail(const std::string& what) const {
        throw EskThemeFileError("The theme file '" + m_sourceName + "' " + what);
    }

    // Claims the bytes [offset, offset + size) for one part of the file.
    void Occupy(std::uint64_t offset, std::uint64_t size, const std::string& what) {
        if (offset + size > m_data.size()) {
            Fail("is damaged: " + what + " (offset " + std::to_string(offset) + ", " +
                 std::to_string(size) + " bytes) runs past its end at " +
                 std::to_string(m_data.size()));
        }
        if (size == 0) return;
        auto after = m_occupied.upper_bound(offset);
        const bool overlapsNext = after != m_occupied.end() && after->first < offset + size;
        const bool overlapsPrevious =
            after != m_occupied.begin() && std::prev(after)->second > offset;
        if (overlapsNext || overlapsPrevious) {
            Fail("is damaged: " + what + " (offset " + std::to_string(offset) + ", " +
                 std::to_string(size) + " bytes) overlaps another part of the file");
        }
        m_occupied.emplace(offset, offset + size);
    }

    TskThemeFileEntry ReadEntry(std::uint64_t offset) {
        TskThemeFileEntry entry;
        const char* name = reinterpret_cast<const char*>(m_data.data() + offset);
        entry.Name.assign(name, strnlen(name, SK_THEMEFILE_NAME_SIZE));
        entry.Kind = static_cast<TskThemeEntryKind>(m_data[offset + 64]);
        if (entry.Kind > TskThemeEntryKind::Text) return entry;

        const std::uint32_t dataOffset = GetU32(m_data, offset + 65);
        const std::uint32_t size = GetU32(m_data, offset + 69);
        const std::string what = "the data of the entry '" + entry.Name + "'";
        if (entry.Kind == TskThemeEntryKind::Integer && size != 4) {
            Fail("is damaged: the integer entry '" + entry.Name + "' has " + std::to_string(size) +
                 " bytes of data instead of 4");
        }
        if (entry.Kind == TskThemeEntryKind::Flag && size != 1) {
            Fail("is damaged: the flag entry '" + entry.Name + "' has " + std::to_string(size) +
                 " bytes of data instead of 1");
        }
        Occupy(dataOffset, size, what);
        const auto* data = m_data.data() + dataOffset;
        entry.Data.assign(data, data + size);
        return entry;
    }

    std::span<const std::uint8_t> m_data;
    const std::string& m_sourceName;
    std::map<std::uint64_t, std::uint64_t> m_occupied;  // start -> end of each part read
};

}  // namespace

EskThemeFileError::EskThemeFileError(const std::string& message) : std::runtime_error(message) {}
EskThemeFileError::~EskThemeFileError() = default;

void TskThemePictureBudget::Add(const std::string& name, int width, int height) {
    const long long pixels = static_cast<long long>(width) * height;
    const std::string size = std::to_string(width) + " x " + std::to_string(height);
    if (width > SK_THEME_PICTURE_MAX_SIDE || height > SK_THEME_PICTURE_MAX_SIDE ||
        pixels > SK_THEME_PICTURE_MAX_PIXELS) {
        throw EskThemeFileError(m_theme + " is refused: its picture '" + name + "' is " + size +
                                " pixels, more than a theme picture may be (" +
                                std::to_string(SK_THEME_PICTURE_MAX_PIXELS) + " pixels, " +
                                std::to_string(SK_THEME_PICTURE_MAX_SIDE) + " on a side)");
    }
    m_total += pixels;
    if (m_total > SK_THEME_MAX_PIXELS) {
        throw EskThemeFileError(m_theme + " is refused: its pictures up to '" + name + "' hold " +
                                std::to_string(m_total) + " pixels, more than a theme may hold (" +
                                std::to_string(SK_THEME_MAX_PIXELS) + ")");
    }
}

void TskThemePictureBudget::AddBytes(const std::string& name, std::span<const std::uint8_t> data) {
    gfx::BmpSize size;
    try {
        size = gfx::ReadBmpSize(data);
    } catch (const gfx::CodecError&) {
        return;
    }
    Add(name, size.Width, size.Height);
}

bool IsSKThemeFile(const std::string& fileName) {
    std::ifstream in(fileName, std::ios::binary);
    if (!in) return false;
    std::uint8_t head[16];
    if (!in.read(reinterpret_cast<char*>(head), sizeof head)) return false;
    return HasMagic(head);
}

// Writer

TskThemeFileWriter::TskThemeFileWriter(std::string fileName) : m_fileName(std::move(fileName)) {}

TskThemeFileWriter::~TskThemeFileWriter() {
    if (!m_savePending) return;
    try {
        Save();
    } catch (const std::exception& error) {
        // A destructor cannot throw: the failure is told on the standard error instead.
        std::fprintf(stderr, "%s\n", error.what());
    }
}

void TskThemeFileWriter::AddFile(const std::string& name, const std::string& path) {
    m_pictures.push_back({name, {path, {}}});
    m_savePending = true;
}

void TskThemeFileWriter::AddFileData(const std::string& name, std::vector<std::uint8_t> data) {
    m_pictures.push_back({name, {{}, std::move(data)}});
    m_savePending = true;
}

void TskThemeFileWriter::AddStr(const std::string& name, const std::string& text) {
    m_texts.push_back({name, text});
    m_savePending = true;
}

void TskThemeFileWriter::AddInteger(const std::string& name, std::int32_t value) {
    m_integers.push_back({name, value});
    m_savePending = true;
}

void TskThemeFileWriter::AddBool(const std::string& name, bool value) {
    m_flags.push_back({name, value});
    m_savePending = true;
}

std::vector<std::uint8_t> TskThemeFileWriter::SaveToBuffer() const {
    std::vector<std::uint8_t> out(kMagicField, 0);
    std::memcpy(out.data(), kMagic, std::strlen(kMagic));
    PutU32(out, SK_THEMEFILE_HEADER_SIZE);
    PutU32(out, 1);
    PutU32(out, SK_THEMEFILE_HEADER_SIZE);

    for (const auto& picture : m_pictures) {
        const PictureSource& source = FirstValue(m_pictures, picture.Name);
        if (source.Path.empty()) {
            PutEntry(out, picture.Name, TskThemeEntryKind::Picture, source.Data);
        } else {
            PutEntry(out, picture.Name, TskThemeEntryKind::Picture,
                     ReadFileBytes(source.Path, "the picture file"));
        }
    }
    for (const auto& text : m_texts) {
        const std::string& value = FirstValue(m_texts, text.Name);
        PutEntry(out, text.Name, TskThemeEntryKind::Text,
                 {reinterpret_cast<const std::uint8_t*>(value.data()), value.size()});
    }
    for (const auto& integer : m_integers) {
        std::vector<std::uint8_t> data;
        PutU32(data, static_cast<std::uint32_t>(FirstValue(m_integers, integer.Name)));
        PutEntry(out, integer.Name, TskThemeEntryKind::Integer, data);
    }
    for (const auto& flag : m_flags) {
        const std::uint8_t data = FirstValue(m_flags, flag.Name) ? 1 : 0;
        PutEntry(out, flag.Name, TskThemeEntryKind::Flag, {&data, 1});
    }

    // The terminating record: no name, kind 2, no data, no next.
    out.insert(out.end(), SK_THEMEFILE_NAME_SIZE, 0);
    out.push_back(static_cast<std::uint8_t>(TskThemeEntryKind::Flag));
    out.insert(out.end(), 12, 0);
    return out;
}

void TskThemeFileWriter::Save() {
    // A failed save is not tried again by the destructor: the caller has seen its error.
    m_savePending = false;
    const std::vector<std::uint8_t> bytes = SaveToBuffer();
    // Beside the old theme and renamed over it only when whole, so that a full disk never
    // leaves a damaged theme where a good one was.
    io::ReplacingFile out(m_fileName);
    if (!out.WriteAll(bytes))
        throw EskThemeFileError("Cannot save the theme file '" + m_fileName + "': " + out.Error());
}

// Reader

std::int32_t TskThemeFileEntry::Integer() const {
    if (Data.size() != 4) return -1;
    return static_cast<std::int32_t>(GetU32(Data, 0));
}

bool TskThemeFileEntry::Flag() const {
    return !Data.empty() && Data[0] != 0;
}

TskThemeFileReader::TskThemeFileReader(const std::string& fileName) {
    Load(fileName);
}

void TskThemeFileReader::Load(const std::string& fileName) {
    const std::vector<std::uint8_t> data = ReadFileBytes(fileName, "the theme file");
    LoadFromBuffer(data, fileName);
}

void TskThemeFileReader::LoadFromBuffer(std::span<const std::uint8_t> data,
                                        const std::string& sourceName) {
    m_entries = ThemeFileParser(data, sourceName).Parse();
}

const TskThemeFileEntry* TskThemeFileReader::Find(const std::string& name,
                                                  TskThemeEntryKind kind) const {
    for (const TskThemeFileEntry& entry : m_entries) {
        if (entry.Kind == kind && SameName(entry.Name, name)) return &entry;
    }
    return nullptr;
}

const std::vector<std::uint8_t>* TskThemeFileReader::GetFile(const std::string& name) const {
    const TskThemeFileEntry* entry = Find(name, TskThemeEntryKind::Picture);
    return entry != nullptr ? &entry->Data : nullptr;
}

std::int32_t TskThemeFileReader::GetInteger(const std::string& name) const {
    const TskThemeFileEntry* entry = Find(name, TskThemeEntryKind::Integer);
    return entry != nullptr ? entry->Integer() : -1;
}

bool TskThemeFileReader::GetBool(const std::string& name) const {
    const TskThemeFileEntry* entry = Find(name, TskThemeEntryKind::Flag);
    return entry != nullptr && entry->Flag();
}

std::string TskThemeFileReader::GetStr(const std::string& name) const {
    const TskThemeFileEntry* entry = Find(name, TskThemeEntryKind::Text);
    return entry != nullptr ? entry->Text() : std::string();
}
