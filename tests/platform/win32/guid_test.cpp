#include "platform/win32/guid.h"

#include <gtest/gtest.h>

namespace {

constexpr GUID kFramework = MakeGuid("{818DA440-8037-11D3-80BC-005004AD3C53}");
static_assert(kFramework.Data1 == 0x818DA440 && kFramework.Data2 == 0x8037 && kFramework.Data3 == 0x11D3);
static_assert(kFramework.Data4[0] == 0x80 && kFramework.Data4[7] == 0x53);

TEST(Guid, TextRoundTripsInUpperCase) {
    EXPECT_EQ(GuidToString(kFramework), "{818DA440-8037-11D3-80BC-005004AD3C53}");
    GUID parsed{};
    ASSERT_TRUE(GuidFromString("{818da440-8037-11d3-80bc-005004ad3c53}", parsed));
    EXPECT_EQ(parsed, kFramework);
}

TEST(Guid, MalformedTextIsRefused) {
    GUID out{};
    for (const char* text :
         {"", "818DA440-8037-11D3-80BC-005004AD3C53", "{818DA440-8037-11D3-80BC-005004AD3C5}",
          "{818DA440-8037-11D3-80BC-005004AD3C5G}", "{818DA440+8037-11D3-80BC-005004AD3C53}"})
        EXPECT_FALSE(GuidFromString(text, out)) << text;
}

} // namespace
