#include "platform/vcl/core/Resources.h"

#include <cstdio>
#include <cstdlib>
#include <map>

#include "platform/vcl/core/SysUtils.h"

namespace {

struct Caseless {
    bool operator()(const std::string& a, const std::string& b) const {
        return CompareText(a, b) < 0;
    }
};

std::map<std::string, TResourceEntry, Caseless>& Entries() {
    static std::map<std::string, TResourceEntry, Caseless> entries;
    return entries;
}

std::map<std::string, std::string, Caseless>& Strings() {
    static std::map<std::string, std::string, Caseless> strings;
    return strings;
}

// With QV_TRACE_RESOURCES set, each resource found is named on stderr as it is found: how a
// profile of a start learns which resources that start reads.
std::optional<std::span<const std::uint8_t>> Found(const TResourceEntry& entry) {
    static const bool trace = std::getenv("QV_TRACE_RESOURCES") != nullptr;
    if (trace) std::fprintf(stderr, "resource %s\n", entry.Name);
    return std::span<const std::uint8_t>(entry.Bytes, entry.Size);
}

std::string Unescape(std::string_view text) {
    std::string result;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\\' && i + 1 < text.size()) {
            const char next = text[++i];
            result += next == 'n' ? '\n' : (next == 't' ? '\t' : next);
        } else {
            result += text[i];
        }
    }
    return result;
}

void AddStringTable(const TResourceEntry& entry) {
    const std::string_view text(reinterpret_cast<const char*>(entry.Bytes), entry.Size);
    std::size_t pos = 0;
    int line = 0;
    while (pos < text.size()) {
        std::size_t end = text.find('\n', pos);
        if (end == std::string_view::npos) end = text.size();
        std::string_view row = text.substr(pos, end - pos);
        pos = end + 1;
        ++line;
        if (!row.empty() && row.back() == '\r') row.remove_suffix(1);
        if (row.empty() || row.front() == ';') continue;
        const auto eq = row.find('=');
        if (eq == std::string_view::npos || eq == 0)
            throw EResNotFound(std::string(entry.Name) + ":" + IntToStr(line) +
                               ": expected Ident=Text in a string table");
        std::string ident(row.substr(0, eq));
        std::int64_t number = 0;
        if (TryStrToInt(ident, number)) ident = IntToStr(number);
        Strings()[ident] = Unescape(row.substr(eq + 1));
    }
}

}  // namespace

void RegisterResource(const TResourceEntry& Entry) {
    Entries()[Entry.Name] = Entry;
    if (Entry.Kind == TResourceKind::StringTable) AddStringTable(Entry);
}

void RegisterResources(std::span<const TResourceEntry> Entries) {
    for (const TResourceEntry& entry : Entries) RegisterResource(entry);
}

std::optional<std::span<const std::uint8_t>> FindResource(std::string_view Name) {
    auto it = Entries().find(std::string(Name));
    if (it == Entries().end()) return std::nullopt;
    return Found(it->second);
}

std::optional<std::span<const std::uint8_t>> FindResource(std::string_view Name,
                                                          TResourceKind Kind) {
    auto it = Entries().find(std::string(Name));
    if (it == Entries().end() || it->second.Kind != Kind) return std::nullopt;
    return Found(it->second);
}

std::string LoadStr(int Ident) {
    return LoadStr(IntToStr(Ident));
}

std::string LoadStr(std::string_view Name) {
    auto it = Strings().find(std::string(Name));
    return it == Strings().end() ? std::string() : it->second;
}

bool HasResourceString(std::string_view Name) {
    return Strings().count(std::string(Name)) > 0;
}
