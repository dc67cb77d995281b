// Resources registered at run time are copied; those compiled into the
// program are used where they are, so a large one costs nothing until read.

#include <gtest/gtest.h>

#include <vector>

#include "host/services/Resources.h"

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
