#include "host/framework/UnitService.h"

#include "core/BinIStream.h"
#include "core/BinOStream.h"
#include "core/StorageBinOStreamLite.h"
#include "core/String.h"
#include "host/framework/Text.h"
#include "host/framework/UnitConversion.h"
#include "platform/win32/com_ptr.h"

#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

namespace Vantrel {
namespace {

struct Named {
    LONG prefix = 0;
    std::string base;
};

Named describe(IUnknown* unit) {
    ComPtr<IUnitName> name = ComPtr<IUnknown>(unit).Query<IUnitName>(IID_IUnitName);
    Named result;
    Ovo::String base;
    name->GetPrefixCode(&result.prefix);
    name->GetBaseText(Ovo::OvoStringOutParam(base));
    result.base = base.ToUtf8();
    return result;
}

ComPtr<IAutoOvoString> text(const char16_t* t) {
    return ComPtr<IAutoOvoString>::Adopt(Ovo::String(t).GetInterface());
}

class UnitServiceTest : public ::testing::Test {
protected:
    ComPtr<IUnitName> create(LONG prefix, const char* base) {
        ComPtr<IUnitName> unit;
        auto name = ComPtr<IAutoOvoString>::Adopt(Ovo::String(base).GetInterface());
        EXPECT_EQ(service->CreateUnitName(prefix, name.Get(), unit.Put()), S_OK);
        return unit;
    }

    // A two-point conversion of a channel recorded in volts onto mmHg (prefix code 1) or another unit.
    HRESULT make(const char16_t* raw1, const char16_t* raw2, const char16_t* cal1, const char16_t* cal2,
                 ComPtr<IUnknown>& made, LONG prefix = 1, const char16_t* unit = u"mmHg") {
        UnitRawInfo raw;
        raw.prefixCode = 1;
        raw.decimals = 4;
        return service->MakeTwoPointConversion(0, &raw, text(u"V").Get(), text(raw1).Get(), text(raw2).Get(),
                                               text(cal1).Get(), text(cal2).Get(), text(unit).Get(), prefix,
                                               2, 0, made.Put(), nullptr, nullptr, nullptr);
    }

    static const ConversionRecord& recordOf(const ComPtr<IUnknown>& conversion) {
        return *UnitConversion::recordOf(conversion.Get());
    }

    ComPtr<UnitService> service = ComPtr<UnitService>::Adopt(new UnitService);
};

TEST_F(UnitServiceTest, ATwoPointConversionIsTheLineThroughItsPoints) {
    // 0.5 V reads 0 mmHg and 1.5 V reads 100 mmHg, so 1.0 V reads 50 mmHg.
    ComPtr<IUnknown> made;
    UnitRawInfo raw;
    raw.prefixCode = 1;
    raw.rangeHigh = 10.0;
    ComPtr<IAutoOvoString> unitText, pointsText;
    DWORD points = 0;
    ASSERT_EQ(service->MakeTwoPointConversion(0, &raw, text(u"V").Get(), text(u"500m").Get(),
                                              text(u"1.5").Get(), text(u"0").Get(), text(u"100").Get(),
                                              text(u"mmHg").Get(), 1, 2, 0, made.Put(), unitText.Put(),
                                              pointsText.Put(), &points),
              S_OK);
    ComPtr<IUnitConversion> conversion = made.Query<IUnitConversion>(IID_IUnitConversion);
    ASSERT_TRUE(conversion);
    UnitRawInfo gotRaw;
    UnitScalingInfo scaling;
    Ovo::String rawName, scaledName;
    ASSERT_EQ(conversion->GetConversionInfo(&gotRaw, Ovo::OvoStringOutParam(rawName), &scaling,
                                            Ovo::OvoStringOutParam(scaledName)),
              S_OK);
    EXPECT_DOUBLE_EQ(scaling.scale * 1.0 + scaling.offset, 50.0);
    EXPECT_DOUBLE_EQ(scaling.scale, 100.0);
    EXPECT_NE(scaling.hasScaling, 0);
    EXPECT_EQ(scaling.decimals, 2u) << "the scaled decimals come from the caller";
    EXPECT_EQ(scaling.prefixCode, 1);
    EXPECT_EQ(gotRaw.rangeHigh, 10.0) << "the raw side is the channel's own";
    EXPECT_EQ(rawName, Ovo::String("V"));
    EXPECT_EQ(scaledName, Ovo::String("mmHg"));
    EXPECT_EQ(describe(made.Get()).base, "mmHg") << "a scaled conversion names its scaled unit";
    EXPECT_EQ(ReadString(unitText.Get()), u"mmHg");
    EXPECT_EQ(ReadString(pointsText.Get()), u"500m->0;1.5->100");
    EXPECT_EQ(points, 2u);
    DWORD size = 0;
    EXPECT_EQ(service->GetConversionRecordSize(made.Get(), &size), S_OK);
    EXPECT_EQ(size, 144u);
    EXPECT_EQ(service->GetConversionRecordSize(create(1, "V").Get(), &size), E_INVALIDARG);
}

TEST_F(UnitServiceTest, CalibratedPointsAreInTheCalibratedUnitWithItsPrefix) {
    // Raw 1 mV and 2 mV onto 10 and 20 microlitres: scaled base units are litres.
    ComPtr<IUnknown> made;
    ASSERT_EQ(make(u"1m", u"2m", u"10", u"20", made, 6, u"L"), S_OK);
    const UnitConversion* conversion =
        dynamic_cast<UnitConversion*>(made.Query<IUnitConversion>(IID_IUnitConversion).Get());
    EXPECT_NEAR(conversion->shown(1.5e-3), 15.0, 1e-12);
    EXPECT_NEAR(recordOf(made).scaling.scale, 1e-2, 1e-17) << "litres per volt";
    EXPECT_EQ(describe(made.Get()).prefix, 6);
}

TEST_F(UnitServiceTest, PointTextsAreANumberAndAnOptionalPrefix) {
    struct Case {
        const char16_t* text;
        bool ok;
        double value;
    } cases[] = {{u"1.5m", true, 1.5e-3},  {u"2", true, 2.0},
                 {u"-4k", true, -4e3},     {u"2e-3", true, 2e-3},
                 {u"3\u00b5", true, 3e-6}, {u"3u", true, 3e-6},
                 {u"7G", true, 7e9},       {u"", false, 0},
                 {u"m", false, 0},         {u"1mm", false, 0},
                 {u"1 m", false, 0},       {u"1.5.2", false, 0},
                 {u"1,5", true, 1.5},      {u"x", false, 0},
                 {u"1e999", false, 0},     {u"0.000000000000000", true, 0.0}};
    for (const Case& c : cases) {
        double value = -1;
        EXPECT_EQ(parsePointText(c.text, value), c.ok) << Utf16ToUtf8(c.text);
        if (c.ok) {
            EXPECT_NEAR(value, c.value, std::abs(c.value) * 1e-15) << Utf16ToUtf8(c.text);
        }
    }
}

TEST_F(UnitServiceTest, RefusesPointsThatMakeNoLine) {
    ComPtr<IUnknown> made;
    EXPECT_EQ(make(u"1m", u"0.001", u"0", u"100", made), E_INVALIDARG) << "equal raw points";
    EXPECT_EQ(make(u"abc", u"1", u"0", u"100", made), E_INVALIDARG);
    EXPECT_EQ(make(u"0", u"1", u"0", u"", made), E_INVALIDARG);
    EXPECT_EQ(make(u"0", u"1", u"0", u"100", made, 12), E_INVALIDARG) << "prefix code";
    EXPECT_EQ(make(u"0", u"1e-300", u"0", u"1e300", made), E_INVALIDARG) << "an infinite slope";
    EXPECT_FALSE(made);
}

TEST_F(UnitServiceTest, WritesAndReadsConversionsBack) {
    ComPtr<IUnknown> calibrated;
    ASSERT_EQ(make(u"1m", u"2m", u"10", u"20", calibrated, 6, u"L"), S_OK);
    std::stringbuf bytes;
    Ovo::BinOStream out(&bytes, false);
    out.WriteU32(kStorageStreamHeader);
    ASSERT_EQ(service->WriteConversion(&out, calibrated.Get()), S_OK);
    ASSERT_EQ(service->WriteConversion(&out, create(7, "V").Get()), S_OK) << "a unit name as a conversion";
    Ovo::BinIStream in(&bytes, false);
    in.ReadHeader();
    ComPtr<IUnknown> back, name;
    ASSERT_EQ(service->ReadConversion(&in, back.Put()), S_OK);
    ASSERT_EQ(service->ReadConversion(&in, name.Put()), S_OK);
    const ConversionRecord& a = recordOf(calibrated);
    const ConversionRecord& b = recordOf(back);
    EXPECT_EQ(b.scaling.scale, a.scaling.scale);
    EXPECT_EQ(b.scaling.offset, a.scaling.offset);
    EXPECT_EQ(b.scaling.hasScaling, a.scaling.hasScaling);
    EXPECT_EQ(b.scaling.prefixCode, 6);
    EXPECT_EQ(b.raw.decimals, 4u);
    EXPECT_EQ(b.rawUnit, u"V");
    EXPECT_EQ(b.scaledUnit, u"L");
    EXPECT_EQ(b.points, a.points);
    EXPECT_EQ(describe(name.Get()).prefix, 7);
    EXPECT_EQ(describe(name.Get()).base, "V");
    EXPECT_EQ(recordOf(name).scaling.hasScaling, 0);
    ComPtr<IUnknown> none;
    EXPECT_EQ(service->ReadConversion(&in, none.Put()), E_FAIL) << "the stream has ended";
    EXPECT_FALSE(none);
}

TEST_F(UnitServiceTest, ARawConversionKeepsItsRawSideAndDoesNotScale) {
    UnitRawInfo raw;
    raw.rangeLow = -5.0;
    raw.rangeHigh = 5.0;
    raw.shownLow = -10.0f;
    raw.shownHigh = 10.0f;
    raw.decimals = 3;
    raw.prefixCode = 7;
    ComPtr<IUnknown> made;
    ASSERT_EQ(service->CreateRawConversion(&raw, text(u"V").Get(), made.Put()), S_OK);
    const ConversionRecord& record = recordOf(made);
    EXPECT_EQ(record.raw.shownHigh, 10.0f);
    EXPECT_EQ(record.raw.decimals, 3u);
    EXPECT_EQ(record.scaling.hasScaling, 0);
    EXPECT_EQ(describe(made.Get()).prefix, 7);
    EXPECT_EQ(describe(made.Get()).base, "V");
    raw.prefixCode = 12;
    EXPECT_EQ(service->CreateRawConversion(&raw, text(u"V").Get(), made.Put()), E_INVALIDARG);
    EXPECT_FALSE(made);
    EXPECT_EQ(service->CreateRawConversion(nullptr, text(u"V").Get(), made.Put()), E_INVALIDARG);
}

TEST_F(UnitServiceTest, RefusesBadPrefixesStreamsAndObjectsThatAreNoUnits) {
    ComPtr<IUnitName> unit;
    EXPECT_EQ(service->CreateUnitName(0, nullptr, unit.Put()), E_INVALIDARG);
    EXPECT_EQ(service->CreateUnitName(12, nullptr, unit.Put()), E_INVALIDARG);
    std::stringbuf bytes;
    Ovo::BinOStream out(&bytes, false);
    EXPECT_EQ(service->WriteConversion(&out, static_cast<IUnitService*>(service.Get())), E_INVALIDARG);
    out.WriteU32(kStorageStreamHeader);
    out.WriteU32(7); // an unknown format
    Ovo::BinIStream in(&bytes, false);
    in.ReadHeader();
    ComPtr<IUnknown> read;
    EXPECT_EQ(service->ReadConversion(&in, read.Put()), E_FAIL);
    std::stringbuf truncated;
    Ovo::BinOStream cut(&truncated, false);
    cut.WriteU32(kStorageStreamHeader);
    cut.WriteU32(1);
    cut.WriteDouble(0.0);
    Ovo::BinIStream short_(&truncated, false);
    short_.ReadHeader();
    EXPECT_EQ(service->ReadConversion(&short_, read.Put()), E_FAIL);
    EXPECT_FALSE(read);
    ComPtr<IUnknown> fallback;
    ASSERT_EQ(service->GetDefaultConversion(fallback.Put()), S_OK);
    EXPECT_EQ(describe(fallback.Get()).base, "V");
    EXPECT_EQ(describe(fallback.Get()).prefix, 1);
    EXPECT_EQ(recordOf(fallback).scaling.hasScaling, 0);
}

} // namespace
} // namespace Vantrel
