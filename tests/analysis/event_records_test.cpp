#include "analysis/PVAEvent.h"
#include "analysis/TarvikEdpEvent.h"
#include "analysis/TarvikEvent.h"
#include "analysis/TickPosition.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstring>
#include <limits>
#include <type_traits>

namespace {

// Records are copied into host buffers byte for byte.
static_assert(std::is_trivially_copyable_v<Tarvik::TarvikEvent>);
static_assert(std::is_trivially_copyable_v<Tarvik::TarvikEdpEvent>);
static_assert(std::is_trivially_copyable_v<Tarvik::PVAEvent>);

TEST(EventRecords, PositionSplitsIntoNearestTickAndFraction) {
    struct Case {
        double position;
        std::int32_t tick;
        float fraction;
    };
    const Case cases[] = {
        {2.5, 3, -0.5f},
        {2.49, 2, 0.49f},
        {0.0, 0, 0.0f},
        {1e6 + 0.25, 1000000, 0.25f},
        {2147483646.5, 2147483647, -0.5f},
        {-0.25, 0, -0.25f}, // small negatives truncate toward zero
    };
    for (const Case& c : cases) {
        OvoEventBase event;
        event.SetPosition(c.position);
        EXPECT_EQ(event.tick, c.tick) << c.position;
        EXPECT_FLOAT_EQ(event.fraction, c.fraction) << c.position;
        EXPECT_NEAR(event.GetPosition(), c.position, 1e-6) << c.position;
    }
}

TEST(EventRecords, PositionsOutsideTheTickRangeGiveTheIntegerIndefinite) {
    for (double p : {2147483647.5, 5e9, -3e9, std::numeric_limits<double>::quiet_NaN()}) {
        OvoEventBase event;
        event.SetPosition(p);
        EXPECT_EQ(event.tick, INT32_MIN) << p;
    }
    Tarvik::TarvikEdpEvent edp;
    edp.SetSecondPosition(7.75);
    EXPECT_EQ(edp.secondTick, 8);
    EXPECT_FLOAT_EQ(edp.secondFraction, -0.25f);
    EXPECT_EQ(edp.tick, 0);
}

TEST(EventRecords, IsNoValueAcceptsOnlyItsOwnPattern) {
    EXPECT_TRUE(IsNoValue(NoValue()));
    EXPECT_TRUE(IsNoValue(std::bit_cast<double>(0x7FF8600000000000ull)));
    EXPECT_FALSE(IsNoValue(std::bit_cast<double>(0x7FF8600000000001ull)));
    EXPECT_FALSE(IsNoValue(std::bit_cast<double>(0x7FF8700000000000ull))); // the empty value
    EXPECT_FALSE(IsNoValue(std::numeric_limits<double>::quiet_NaN()));
    EXPECT_FALSE(IsNoValue(std::bit_cast<double>(0xFFF8600000000000ull)));
    EXPECT_FALSE(IsNoValue(0.0));
}

// Every byte of a new loop event is defined: position, value and systolic area
// zero, state valid, reserved zero and every loop value "no value".
TEST(EventRecords, NewLoopEventCarriesNoUninitialisedValue) {
    alignas(Tarvik::TarvikEvent) unsigned char storage[sizeof(Tarvik::TarvikEvent)];
    std::memset(storage, 0xCD, sizeof storage);
    const auto* event = new (storage) Tarvik::TarvikEvent();

    EXPECT_EQ(event->tick, 0);
    EXPECT_EQ(event->fraction, 0.0f);
    EXPECT_EQ(event->value, 0.0);
    EXPECT_EQ(event->state, Tarvik::TarvikEvent::Valid);
    EXPECT_EQ(event->systolicArea, 0.0);
    for (std::size_t offset : {16, 20, 28, 216, 220}) {
        std::int32_t word;
        std::memcpy(&word, storage + offset, 4);
        EXPECT_EQ(word, 0) << offset;
    }
    EXPECT_EQ(event->reserved72, 0.0);
    const std::size_t loopValues[] = {32,  40,  48,  56,  64,  80,  88,  96,  104, 112, 120, 128, 136,
                                      144, 152, 160, 168, 176, 184, 192, 200, 208, 232, 240, 248, 256};
    for (std::size_t offset : loopValues) {
        double v;
        std::memcpy(&v, storage + offset, 8);
        EXPECT_TRUE(IsNoValue(v)) << offset;
    }
}

TEST(EventRecords, NewEdpAndPvaEventsAreDefined) {
    const Tarvik::TarvikEdpEvent edp;
    EXPECT_EQ(edp.GetPosition(), 0.0);
    EXPECT_EQ(edp.GetSecondPosition(), 0.0);
    EXPECT_EQ(edp.value, 0.0);
    EXPECT_EQ(edp.secondValue, 0.0);

    const Tarvik::PVAEvent pva;
    EXPECT_EQ(pva.GetPosition(), 0.0);
    EXPECT_TRUE(IsNoValue(pva.pe));
    EXPECT_TRUE(IsNoValue(pva.pva));
    EXPECT_TRUE(IsNoValue(pva.sw));
    EXPECT_EQ(pva.reserved24, 0.0);
}

TEST(EventRecords, TickPositionNoneIsIntMaxTwice) {
    constexpr TickPosition none = TickPosition::None();
    static_assert(none.record == INT32_MAX && none.tick == INT32_MAX && none.IsNone());
    EXPECT_FALSE((TickPosition{0, INT32_MAX}.IsNone()));
}

} // namespace
