#pragma once
// Resources compiled into the executable (qv_embed_resources in CMake) and found by name,
// as Win32 finds a module's resources: pictures, form descriptions, string tables, data.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

enum class TResourceKind { Bitmap, FormDescription, StringTable, Data };

struct TResourceEntry {
    const char* Name;  // the file name without its extension
    TResourceKind Kind;
    const std::uint8_t* Bytes;
    std::size_t Size;
};

// Called by the registration function generated for each target; the entries' bytes must
// outlive the program (they are static arrays). A later entry of the same name wins.
void RegisterResources(std::span<const TResourceEntry> Entries);
void RegisterResource(const TResourceEntry& Entry);

// Names are compared without case, as Win32 compares them.
std::optional<std::span<const std::uint8_t>> FindResource(std::string_view Name);
std::optional<std::span<const std::uint8_t>> FindResource(std::string_view Name,
                                                          TResourceKind Kind);

// Resource strings from string tables: lines "Ident=Text" where Ident is a number or a
// name; "\n" in Text is a line break. Blank lines and lines starting with ';' are skipped.
// An unknown identifier gives the empty string, as LoadString does.
std::string LoadStr(int Ident);
std::string LoadStr(std::string_view Name);
bool HasResourceString(std::string_view Name);
