#pragma once
// Named resources compiled into the program: bitmaps (complete BMP files),
// form descriptions and icons. A module registers its resources once; lookups
// are by name, without regard to case, like the window services' resources.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace Orvo {

enum class TResourceType : std::uint8_t { Bitmap, FormDescription, Icon };

// A resource's bytes.
using TResourceBytes = std::span<const std::uint8_t>;

// Registers (or replaces) a resource. The bytes are copied.
void RegisterResource(TResourceType type, std::string_view name, std::span<const std::uint8_t> bytes);
// Registers (or replaces) a resource whose bytes live as long as the program
// (data compiled into it): they are used where they are, not copied, so a
// large form description costs no memory until it is read.
void RegisterStaticResource(TResourceType type, std::string_view name, std::span<const std::uint8_t> bytes);
// The resource's bytes, or nullptr when there is none.
const TResourceBytes* FindResource(TResourceType type, std::string_view name);
// Says that `bytes` were just read through and are not needed again soon.
// Bytes in a read-only part of the program file give their memory pages
// back (a large form description is read once, at start-up); a later read
// brings them in again from the file. Other bytes are left as they are.
void ResourceReadThrough(TResourceBytes bytes);

/// A module registers its resources through a static object of this type in
/// one of its sources (the resources are then present before main runs).
struct TResourceRegistration {
    TResourceRegistration(TResourceType type, std::string_view name, std::span<const std::uint8_t> bytes) {
        RegisterResource(type, name, bytes);
    }
};
/// The same for bytes compiled into the program (the generated resource
/// sources), which are used where they are.
struct TStaticResourceRegistration {
    TStaticResourceRegistration(TResourceType type, std::string_view name, std::span<const std::uint8_t> bytes) {
        RegisterStaticResource(type, name, bytes);
    }
};

}  // namespace Orvo
