#include "TestSuite/UnitTestHelperLib/EventHelper.h"

#include <gtest/gtest.h>

#include <limits>

namespace ExtLib {
namespace {

OvoEventBase At(std::int32_t tick, float fraction, double value) {
    OvoEventBase event;
    event.tick = tick;
    event.fraction = fraction;
    event.value = value;
    return event;
}

constexpr double inf = std::numeric_limits<double>::infinity();
constexpr double nan = std::numeric_limits<double>::quiet_NaN();

struct SameCase {
    OvoEventBase a;
    OvoEventBase b;
    bool same;
};

class EventHelperSameTest : public ::testing::TestWithParam<SameCase> {};

TEST_P(EventHelperSameTest, ComparesPositionAndValue) {
    const SameCase& c = GetParam();
    EXPECT_EQ(EventHelper::same(c.a, c.b), c.same)
        << EventHelper::Describe(c.a).ToUtf8() << " vs " << EventHelper::Describe(c.b).ToUtf8();
}

// Positions are tick + float fraction, as in the records: 10 + 0.001f lies 0.00100000005 from 10.
INSTANTIATE_TEST_SUITE_P(Cases, EventHelperSameTest,
                         ::testing::Values(SameCase{At(10, 0.0f, 1.0), At(10, 0.001f, 1.0), false},
                                           SameCase{At(10, 0.0f, 1.0), At(10, 0.0009f, 1.0), true},
                                           SameCase{At(5, 0.0f, 1e-13), At(5, 0.0f, -5e-13), true},
                                           SameCase{At(5, 0.0f, 0.0), At(5, 0.0f, 2e-12), false},
                                           SameCase{At(5, 0.0f, 1.0), At(5, 0.0f, 1.000005), true},
                                           SameCase{At(5, 0.0f, 1.0), At(5, 0.0f, 1.00002), false},
                                           SameCase{At(5, 0.0f, inf), At(5, 0.0f, nan), true},
                                           SameCase{At(5, 0.0f, inf), At(6, 0.0f, nan), false},
                                           SameCase{At(5, 0.0f, 1.0), At(5, 0.0f, nan), false},
                                           SameCase{At(5, 0.0f, nan), At(5, 0.0f, 1.0), false}));

TEST(EventHelperTest, RelativeTestDividesByTheFirstValue) {
    // |1.0 - 1.00001| is just above 1e-5 of 1.0 but just below 1e-5 of 1.00001.
    const OvoEventBase a = At(1, 0.0f, 1.0);
    const OvoEventBase b = At(1, 0.0f, 1.00001);
    EXPECT_TRUE(EventHelper::same(b, a));
    EXPECT_FALSE(EventHelper::same(a, b));
}

TEST(EventHelperTest, DescribesPositionAndValueWithSixDigits) {
    EXPECT_EQ(EventHelper::Describe(At(1500, 0.25f, 0.5)), Ovo::String(u"[1500.25, 0.5]"));
    EXPECT_EQ(EventHelper::Describe(At(1234567, 0.0f, 0.5)), Ovo::String(u"[1.23457e+06, 0.5]"));
    EXPECT_EQ(EventHelper::Describe(At(3, -0.5f, nan)), Ovo::String(u"[2.5, nan]"));
}

} // namespace
} // namespace ExtLib
