// Resources registered at run time are copied; those compiled into the
// program are used where they are, so a large one costs nothing until read.

#include <gtest/gtest.h>

#include <vector>

#include "host/services/Resources.h"

using namespace Orvo;

namespace {
const std::uint8_t kCompiledIn[] = {1, 2, 3, 4, 5};
const TStaticResourceRegistration kStatic(TResourceType::FormDescription, "TEST_STATIC_FORM", kCompiledIn);
}  // namespace

TEST(Resources, CompiledInBytesAreUsedWhereTheyAreAndOthersAreCopied) {
    const TResourceBytes* found = FindResource(TResourceType::FormDescription, "test_static_form");
    ASSERT_NE(found, nullptr);
    EXPECT_EQ(found->data(), kCompiledIn);
    EXPECT_EQ(found->size(), sizeof kCompiledIn);

    {
        std::vector<std::uint8_t> temporary{9, 8, 7};
        RegisterResource(TResourceType::Icon, "TEST_COPIED", temporary);
        temporary.assign(3, 0);  // the registered bytes do not follow
    }
    const TResourceBytes* copied = FindResource(TResourceType::Icon, "TEST_COPIED");
    ASSERT_NE(copied, nullptr);
    EXPECT_EQ(std::vector<std::uint8_t>(copied->begin(), copied->end()), (std::vector<std::uint8_t>{9, 8, 7}));

    // Registering again replaces, a static view with a copy and back.
    RegisterResource(TResourceType::FormDescription, "TEST_STATIC_FORM", std::vector<std::uint8_t>{6});
    EXPECT_EQ(FindResource(TResourceType::FormDescription, "TEST_STATIC_FORM")->size(), 1u);
    RegisterStaticResource(TResourceType::FormDescription, "TEST_STATIC_FORM", kCompiledIn);
    EXPECT_EQ(FindResource(TResourceType::FormDescription, "TEST_STATIC_FORM")->data(), kCompiledIn);
    EXPECT_EQ(FindResource(TResourceType::Bitmap, "TEST_STATIC_FORM"), nullptr);
}

#if defined(__linux__)
#include <fcntl.h>
#include <unistd.h>

#include <cstring>

namespace {
// Four pages of bytes in the program file's read-only data.
constexpr std::size_t kLarge = 4 * 4096;
struct TLargeResource {
    std::uint8_t Bytes[kLarge];
};
constexpr TLargeResource MakeLarge() {
    TLargeResource r{};
    for (std::size_t i = 0; i < kLarge; ++i) r.Bytes[i] = std::uint8_t(i * 7 + 1);
    return r;
}
const TLargeResource kLargeCompiledIn = MakeLarge();

// Whether the page holding `p` is mapped into this process (the kernel's
// page map: bit 63 of the page's entry).
bool PagePresent(const void* p) {
    const int fd = open("/proc/self/pagemap", O_RDONLY);
    if (fd < 0) return true;
    std::uint64_t entry = 0;
    const off_t offset = off_t(reinterpret_cast<std::uintptr_t>(p) / 4096 * sizeof entry);
    const bool read = pread(fd, &entry, sizeof entry, offset) == ssize_t(sizeof entry);
    close(fd);
    return !read || (entry >> 63) != 0;
}
}  // namespace

TEST(Resources, ReadThroughGivesBackOnlyPagesOfTheProgramFileAndKeepsEveryByte) {
    const TLargeResource expected = MakeLarge();
    const TResourceBytes compiled(kLargeCompiledIn.Bytes, kLarge);
    ASSERT_EQ(std::memcmp(compiled.data(), expected.Bytes, kLarge), 0);  // now resident
    const std::uint8_t* middle = compiled.data() + kLarge / 2;
    EXPECT_TRUE(PagePresent(middle));
    ResourceReadThrough(compiled);
    EXPECT_FALSE(PagePresent(middle));
    EXPECT_EQ(std::memcmp(compiled.data(), expected.Bytes, kLarge), 0);  // read back from the file

    // Bytes on the heap would be lost for good: they are kept.
    std::vector<std::uint8_t> heap(expected.Bytes, expected.Bytes + kLarge);
    heap.resize(8 * kLarge, 0x5A);
    ResourceReadThrough(heap);
    EXPECT_EQ(std::memcmp(heap.data(), expected.Bytes, kLarge), 0);
    EXPECT_EQ(heap.back(), 0x5A);
}
#endif
