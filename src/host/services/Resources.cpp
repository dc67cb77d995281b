#include "host/services/Resources.h"

#include <algorithm>
#include <cctype>
#include <map>
#include <utility>

namespace {

std::string Key(TResourceType type, std::string_view name) {
    std::string k(1, char('0' + int(type)));
    for (char c : name) k.push_back(char(std::toupper(static_cast<unsigned char>(c))));
    return k;
}

// A copy made at registration, or none for static bytes; Bytes views
// whichever holds them.
struct TEntry {
    std::vector<std::uint8_t> Copy;
    TResourceBytes Bytes;
};

std::map<std::string, TEntry>& Table() {
    static std::map<std::string, TEntry> table;
    return table;
}

}  // namespace

void RegisterResource(TResourceType type, std::string_view name, std::span<const std::uint8_t> bytes) {
    TEntry& entry = Table()[Key(type, name)];
    entry.Copy.assign(bytes.begin(), bytes.end());
    entry.Bytes = entry.Copy;
}

void RegisterStaticResource(TResourceType type, std::string_view name, std::span<const std::uint8_t> bytes) {
    TEntry& entry = Table()[Key(type, name)];
    entry.Copy.clear();
    entry.Copy.shrink_to_fit();
    entry.Bytes = bytes;
}

const TResourceBytes* FindResource(TResourceType type, std::string_view name) {
    auto& t = Table();
    auto it = t.find(Key(type, name));
    return it == t.end() ? nullptr : &it->second.Bytes;
}
