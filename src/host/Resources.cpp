#include "host/Resources.h"

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

std::map<std::string, std::vector<std::uint8_t>>& Table() {
    static std::map<std::string, std::vector<std::uint8_t>> table;
    return table;
}

}  // namespace

void RegisterResource(TResourceType type, std::string_view name, std::span<const std::uint8_t> bytes) {
    Table()[Key(type, name)] = std::vector<std::uint8_t>(bytes.begin(), bytes.end());
}

const std::vector<std::uint8_t>* FindResource(TResourceType type, std::string_view name) {
    auto& t = Table();
    auto it = t.find(Key(type, name));
    return it == t.end() ? nullptr : &it->second;
}
