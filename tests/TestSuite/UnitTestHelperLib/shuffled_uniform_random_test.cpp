#include "TestSuite/UnitTestHelperLib/ShuffledUniformRandom.h"

#include <gtest/gtest.h>

#include <climits>

namespace ExtLib {
namespace {

TEST(ShuffledUniformRandomTest, StepIsTheMinimalStandardGenerator) {
    // Park and Miller's published check: from seed 1 the 10000th state is 1043618065.
    std::int32_t seed = 1;
    for (int i = 0; i < 10000; ++i)
        seed = ShuffledUniformRandom::Step(seed);
    EXPECT_EQ(seed, 1043618065);
    // Schrage's method must not overflow at the top of the range.
    EXPECT_EQ(ShuffledUniformRandom::Step(2147483646), 2147466840);
}

TEST(ShuffledUniformRandomTest, ShuffledSequencesMatchAnIndependentComputation) {
    // Values computed independently from the generator's definition (ran1 of Numerical Recipes).
    struct Sequence {
        std::int32_t seed;
        float values[5];
    };
    for (const Sequence& s :
         {Sequence{-1, {0.41599935f, 0.09196489f, 0.75641048f, 0.52970022f, 0.93043649f}},
          Sequence{-12345, {0.92312056f, 0.33314660f, 0.19788842f, 0.94942170f, 0.78380036f}}}) {
        ShuffledUniformRandom random(s.seed);
        for (float expected : s.values)
            EXPECT_FLOAT_EQ(random.Next(), expected) << "seed " << s.seed;
    }
}

TEST(ShuffledUniformRandomTest, SeedsBelowOneRestartTheTable) {
    // 0, a positive seed meeting a fresh state, and INT32_MIN all start from 1 as -1 does.
    ShuffledUniformRandom reference(-1);
    const float first = reference.Next();
    for (std::int32_t seed : {0, 7, INT32_MIN}) {
        ShuffledUniformRandom random(seed);
        EXPECT_EQ(random.Next(), first) << "seed " << seed;
    }
}

TEST(ShuffledUniformRandomTest, DrawsStayInTheirRange) {
    ShuffledUniformRandom random(-99);
    for (int i = 0; i < 10000; ++i) {
        const float u = random.Next();
        ASSERT_GT(u, 0.0f);
        ASSERT_LE(u, static_cast<float>(1.0 - 1.2e-7));
        const std::int32_t r = random.Draw(2);
        ASSERT_GE(r, 0);
        ASSERT_LE(r, 2);
        ASSERT_EQ(random.Draw(-1), 0); // neighbouring events: an empty range draws 0
    }
    EXPECT_LE(ShuffledUniformRandom::SeedFromClock(), 0);
}

} // namespace
} // namespace ExtLib
