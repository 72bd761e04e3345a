// The channel calculation's own work: the mapping of a display range onto the host's 16-bit codes,
// the widening of an empty range, the selector text it writes, and its persisted settings.

#include <gtest/gtest.h>

#include <cmath>

#include "document/TarvikChannelCalculation.h"
#include "host/framework/ByteStreams.h"

namespace {

using Tarvik::ChannelCalcBase;
using Tarvik::TarvikChannelCalculation;
using Settings = TarvikChannelCalculation::Settings;

// value = (code + offset) x scale, from what the host is given: code = (value + second) x first.
struct Mapping {
    double scale;
    double offset;
};
Mapping Inverse(const ChannelOutputFormat& format) {
    const double scale = 1.0 / format.first;
    return {scale, -format.second / scale};
}

TEST(ChannelCalculation, TheDisplayRangeSpansCodesFromMinus32000To32000) {
    const struct {
        double top, bottom;
        double scale, offset;
    } cases[] = {
        {1.0, -1.0, 1.0 / 32000.0, 0.0},    // code 0 is 0, code 32000 is 1
        {10.0, 0.0, 1.0 / 6400.0, 32000.0}, // code -32000 is 0
        {-1.0, 1.0, -1.0 / 32000.0, 0.0},   // a reversed range stays reversed
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.top);
        const ChannelOutputFormat format = ChannelCalcBase::SampleMapping(c.top, c.bottom, 3);
        const Mapping m = Inverse(format);
        EXPECT_NEAR(m.scale, c.scale, std::fabs(c.scale) * 1e-12);
        EXPECT_NEAR(m.offset, c.offset, 1e-6);
        EXPECT_NEAR((32000.0 + m.offset) * m.scale, c.top, 1e-9);
        EXPECT_NEAR((-32000.0 + m.offset) * m.scale, c.bottom, 1e-9);
        EXPECT_EQ(format.decimals, 3);
        EXPECT_TRUE(std::isinf(format.maximum) && format.maximum > 0);
        EXPECT_TRUE(std::isinf(format.minimum) && format.minimum < 0);
    }
}

TEST(ChannelCalculation, AConstantRangeIsWidenedSoThatItsMappingStaysFinite) {
    double top = 5.0, bottom = 5.0;
    TarvikChannelCalculation::WidenRange(top, bottom);
    EXPECT_DOUBLE_EQ(top, 5.00001);
    EXPECT_DOUBLE_EQ(bottom, 4.99999);

    // One loop with EDV = 300: in single precision 300 +- 1e-5 is 300 again.
    for (const double constant : {300.0, 4e6, -2.5e20, 1e24, 5e30}) {
        SCOPED_TRACE(constant);
        double t = static_cast<float>(constant), b = static_cast<float>(constant);
        TarvikChannelCalculation::WidenRange(t, b);
        EXPECT_GT(t, b);
        const ChannelOutputFormat format = ChannelCalcBase::SampleMapping(t, b, 4);
        EXPECT_TRUE(std::isfinite(format.first) && format.first != 0.0);
        EXPECT_TRUE(std::isfinite(format.second));
    }
    double wide = 1.0, narrow = 0.0;
    TarvikChannelCalculation::WidenRange(wide, narrow);
    EXPECT_EQ(wide, 1.0) << "a range of at least 1e-5 is kept";
}

TEST(ChannelCalculation, AreaParametersReadTheAreaChannelAndTheOthersTheLoopChannel) {
    const auto settings = ComPtr<Settings>::Adopt(Settings::Create());
    settings->loopSource = Ovo::String(u"S");
    settings->areaSource = Ovo::String(u"A");
    settings->loopSourceRef = VirtualChannelRef{3, 0x40000000};
    settings->areaSourceRef = VirtualChannelRef{4, 0x40000000};
    const struct {
        std::uint32_t parameter;
        const char16_t* text;
        DWORD sourceChannel;
    } cases[] = {
        {3, u"TarvikParamSelector(S, 3, 1, 0.001)", 3},
        {25, u"TarvikParamSelector(S, 25, 1, 0.001)", 3},
        {26, u"TarvikPVAParamSelector(A, 26, 1, 0.001)", 4},
        {27, u"TarvikPVAParamSelector(A, 27, 1, 0.001)", 4},
        {28, u"TarvikPVAParamSelector(A, 28, 1, 0.001)", 4},
        {29, u"TarvikParamSelector(S, 29, 1, 0.001)", 3},
    };
    for (const auto& c : cases) {
        settings->parameter = c.parameter;
        VirtualChannelRef source;
        EXPECT_EQ(TarvikChannelCalculation::SelectorText(*settings.Get(), 1.0, 0.001, &source).ToU16String(),
                  c.text);
        EXPECT_EQ(source.channel, c.sourceChannel);
    }
}

TEST(ChannelCalculation, SettingsKeepVersionParameterAndRangeAndRefuseANewerLayout) {
    const auto saved = ComPtr<Settings>::Adopt(Settings::Create(2));
    saved->parameter = 7;
    saved->bottom = 12.5f;
    saved->top = 80.25f;
    saved->decimals = 2.0f;
    saved->unit = Ovo::Unit(L"l", L'm');
    const auto out = ComPtr<Vantrel::ByteOutStream>::Adopt(new Vantrel::ByteOutStream);
    ASSERT_EQ(saved->Save(out.Get()), S_OK);
    EXPECT_EQ(out->bytes().size(), 16u) << "version, parameter, bottom, top";

    const auto loaded = ComPtr<Settings>::Adopt(Settings::Create());
    ASSERT_EQ(
        loaded->Load(ComPtr<Vantrel::ByteInStream>::Adopt(new Vantrel::ByteInStream(out->bytes())).Get()),
        S_OK);
    EXPECT_EQ(loaded->parameter, 7u);
    EXPECT_EQ(loaded->bottom, 12.5f);
    EXPECT_EQ(loaded->top, 80.25f);
    EXPECT_EQ(loaded->decimals, 4.0f) << "not persisted";
    EXPECT_FALSE(*loaded.Get() == *saved.Get()) << "the decimals differ";
    loaded->decimals = 2.0f;
    loaded->channel = 9;
    EXPECT_TRUE(*loaded.Get() == *saved.Get()) << "unit and channel do not count";

    std::vector<BYTE> newer = out->bytes();
    newer[0] = 2;
    const auto refused = ComPtr<Settings>::Adopt(Settings::Create());
    EXPECT_EQ(refused->Load(ComPtr<Vantrel::ByteInStream>::Adopt(new Vantrel::ByteInStream(newer)).Get()),
              kFormatTooNew);
    EXPECT_EQ(refused->parameter, 1u);
    EXPECT_EQ(refused->top, 1.0f);
    newer.resize(6);
    newer[0] = 1;
    EXPECT_EQ(refused->Load(ComPtr<Vantrel::ByteInStream>::Adopt(new Vantrel::ByteInStream(newer)).Get()),
              E_FAIL)
        << "a short stream";
}

} // namespace
