#pragma once
// Names in form descriptions and steps compare without regard to case, as
// the reader compares them.

#include <cctype>
#include <cstddef>
#include <string_view>

inline bool SameText(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i]))) return false;
    return true;
}
