#include "TestSuite/UnitTestHelperLib/FormulaDataAdder.h"
#include "TestSuite/UnitTestHelperLib/TestDocumentAccess.h"
#include "TestSuite/UnitTestHelperLib/UnitTestException.h"
#include "core/BitsetRep.h"
#include "host/engine/IRecordingHost.h"
#include "host/recording/Recording.h"
#include "host/testbed/TestDocument.h"
#include "platform/vantrel/IDocumentData.h"
#include "platform/vantrel/IRecordData.h"
#include "platform/vantrel/IUnitService.h"
#include "tests/support/ModuleHost.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <ctime>
#include <limits>

namespace ExtLib {
namespace {

class DataAdderTest : public TarvikTest::ModuleHost {
protected:
    DataAdderTest() { NewTestDocument(document.Put()); }

    ComPtr<FormulaDataAdder> Adder() {
        return ComPtr<FormulaDataAdder>(new FormulaDataAdder(document.Get()));
    }

    std::vector<float> Samples(LONG channel, LONG record = 0) {
        auto data = document.Query<IDocumentData>(IID_IDocumentData);
        ComPtr<ISampleChannel> cursor;
        data->GetChannelSamples(channel, 0, record, INT_MAX, cursor.Put());
        std::vector<float> values(1000);
        ULONG count = 0;
        if (cursor)
            cursor->Read(static_cast<ULONG>(values.size()), values.data(), &count);
        values.resize(count);
        return values;
    }

    template <class Step> static std::string FailureOf(Step step) {
        try {
            step();
        } catch (const UnitTestException& e) {
            return e.message().ToUtf8();
        }
        return {};
    }

    ComPtr<IUnknown> document;
};

TEST_F(DataAdderTest, AddsARecordComputedFromItsFormulas) {
    auto adder = Adder();
    AddOfflineDataAtRate({Ovo::String(u"sin(30*t)"), Ovo::String(u"2 + t")}, *adder.Get(), 300, 1000.0, 0.0);
    const std::vector<float> pressure = Samples(0);
    const std::vector<float> ramp = Samples(1);
    ASSERT_EQ(pressure.size(), 300u);
    EXPECT_FLOAT_EQ(pressure[52], static_cast<float>(std::sin(30 * 0.052)));
    EXPECT_FLOAT_EQ(ramp[299], 2.299f);
    LONGLONG ticks = 0;
    EXPECT_EQ(adder->GetNumTicks(&ticks), S_OK);
    EXPECT_EQ(ticks, 300);
    EXPECT_EQ(adder->GetNumTicks(nullptr), E_POINTER);
}

TEST_F(DataAdderTest, NoFormulaGivesOneConstantChannel) {
    auto adder = Adder();
    AddOfflineData(*adder.Get(), {}, 20, {}, 0.0);
    EXPECT_EQ(adder->expressions(), std::vector<Ovo::String>{Ovo::String(u"1")});
    EXPECT_EQ(adder->sampleRates(), std::vector<double>{1000.0});
    EXPECT_EQ(Samples(0), std::vector<float>(20, 1.0f));
}

TEST_F(DataAdderTest, RefusesListsOfDifferentLengthsAndRatesItCannotSample) {
    auto adder = Adder();
    EXPECT_EQ(FailureOf([&] {
                  adder->SetExpressions({Ovo::String(u"t")}, 100, {1000.0, 10.0});
              }),
              "TestDataAdder, Line 60 [mExpressions.size() == mSampleRates.size()]");
    EXPECT_EQ(adder->expressions().size(), 1u) << "both lists are taken before the check";
    EXPECT_EQ(
        FailureOf([&] {
            StartOnlineData(*adder.Get(), {Ovo::String(u"t"), Ovo::String(u"t")}, 100, {1000.0, 500.0}, 0.0);
        }),
        "TestDataAdder, Line 446 [canSample]");
    EXPECT_EQ(FailureOf([&] { AddOfflineDataAtRate({Ovo::String(u"t")}, *adder.Get(), 100, 0.5, 0.0); }),
              "TestDataAdder, Line 427 [rate >= 1]");
}

TEST_F(DataAdderTest, AnnouncesTicksOnlyUpToTheRecordsEnd) {
    auto adder = Adder();
    StartOnlineDataAtRate({Ovo::String(u"t")}, *adder.Get(), 250, 1000.0, 0.0);
    adder->AddTicks(100);
    adder->AddTicks(200);
    EXPECT_EQ(adder->ticksAdded(), 250);
    adder->AddTicks(100);
    EXPECT_EQ(adder->ticksAdded(), 250);
    adder->EndSampling();
    RecordPosition end;
    document.Query<IRecordData>(IID_IRecordData)->GetRecordEnd(0, &end);
    EXPECT_EQ(end.mRecordOffset, 250);
    EXPECT_EQ(FailureOf([&] { adder->AddTicks(1); }), "TestDataAdder, Line 487 [mSink]");
}

TEST_F(DataAdderTest, ARecordIsStampedWithItsStartTimeAndZeroMeansNow) {
    auto adder = Adder();
    const double before = static_cast<double>(std::time(nullptr));
    AddOfflineDataAtRate({Ovo::String(u"t")}, *adder.Get(), 10, 1000.0, 0.0);
    const double after = static_cast<double>(std::time(nullptr));
    AddOfflineDataAtRate({Ovo::String(u"t")}, *adder.Get(), 10, 1000.0, 1234.5);
    const Vantrel::Recording* recording =
        document.Query<Vantrel::IRecordingHost>(Vantrel::IID_IRecordingHost)->GetRecording();
    ASSERT_EQ(recording->recordCount(), 2);
    EXPECT_GE(recording->record(0).startTime(), before);
    EXPECT_LE(recording->record(0).startTime(), after);
    EXPECT_EQ(recording->record(1).startTime(), 1234.5);
    EXPECT_FLOAT_EQ(Samples(0, 1)[5], 0.005f) << "t counts from the record's start, whatever its stamp";
}

TEST_F(DataAdderTest, ChannelsAreDeclaredInVoltsShownAtTenVoltsWhenTheirFlagAsksForIt) {
    auto adder = Adder();
    const DWORD flags[] = {0x80000000u, 0x7FFFFFFFu};
    adder->SetChannelFlags(2, flags);
    AddOfflineDataAtRate({Ovo::String(u"t"), Ovo::String(u"t"), Ovo::String(u"t")}, *adder.Get(), 10, 1000.0,
                         0.0);
    auto* declared = static_cast<Vantrel::TestDocument*>(document.Query<IRecordData>(IID_IRecordData).Get());
    const float inf = std::numeric_limits<float>::infinity();
    const struct {
        float shownLow, shownHigh;
    } expected[] = {{10.0f, -10.0f}, {inf, -inf}, {inf, -inf}}; // the third channel has no flag word
    for (std::size_t channel = 0; channel < 3; ++channel) {
        auto conversion =
            ComPtr<IUnknown>(declared->declaredUnit(channel)).Query<IUnitConversion>(IID_IUnitConversion);
        ASSERT_TRUE(conversion) << channel;
        UnitRawInfo raw;
        Ovo::String unit;
        ASSERT_EQ(conversion->GetConversionInfo(&raw, Ovo::OvoStringOutParam(unit), nullptr, nullptr), S_OK);
        EXPECT_EQ(unit, Ovo::String(u"V"));
        EXPECT_EQ(raw.rangeLow, 1.0);
        EXPECT_EQ(raw.rangeHigh, 0.0);
        EXPECT_EQ(raw.shownLow, expected[channel].shownLow) << channel;
        EXPECT_EQ(raw.shownHigh, expected[channel].shownHigh) << channel;
        EXPECT_EQ(raw.decimals, 2u);
        EXPECT_EQ(raw.prefixCode, 1);
        EXPECT_EQ(raw.flags, 0);
    }
}

TEST_F(DataAdderTest, TheChannelMaskSwitchesChannelsOff) {
    auto adder = Adder();
    Ovo::BitsetRep* all = new Ovo::BitsetRep({0x3u}, 0);
    Ovo::BitsetRep* second = new Ovo::BitsetRep({0x2u}, 0);
    adder->SetChannelMask(all);
    adder->RemoveChannels(second);
    EXPECT_TRUE(adder->channelMask().Test(0));
    EXPECT_FALSE(adder->channelMask().Test(1));
    AddOfflineDataAtRate({Ovo::String(u"t"), Ovo::String(u"t")}, *adder.Get(), 10, 1000.0, 0.0);
    EXPECT_FLOAT_EQ(Samples(0)[9], 0.009f);
    EXPECT_TRUE(std::isnan(Samples(1)[9]));
    adder->AddChannels(new Ovo::BitsetRep({0x2u}, 0));
    EXPECT_TRUE(adder->channelMask().Test(1));
}

TEST_F(DataAdderTest, AChannelBeyondItsListGetsNoSource) {
    auto adder = Adder();
    adder->SetExpressions({Ovo::String(u"t")}, 10, {1000.0});
    IUnknown* source = reinterpret_cast<IUnknown*>(this);
    EXPECT_EQ(adder->CreateChannelSource(0, 3, &source), E_FAIL);
    EXPECT_EQ(source, nullptr);
    ComPtr<IUnknown> first;
    EXPECT_EQ(adder->CreateChannelSource(0, 0, first.Put()), S_OK);
    EXPECT_TRUE(first.Query<ISampleChannel>(IID_ISampleChannel));
}

TEST_F(DataAdderTest, WithoutADocumentTheAdderMakesItsOwn) {
    ComPtr<FormulaDataAdder> adder(new FormulaDataAdder(nullptr));
    ASSERT_NE(adder->document(), nullptr);
    EXPECT_NE(adder->document(), document.Get());
    AddOfflineData(*adder.Get(), {Ovo::String(u"t")}, 5, {1000.0}, 0.0);
    LONG records = 0;
    ComPtr<IUnknown>(adder->document()).Query<IDocumentData>(IID_IDocumentData)->GetRecordCount(&records);
    EXPECT_EQ(records, 1);
}

TEST_F(DataAdderTest, AnAdderGoingWithItsRecordOpenEndsIt) {
    auto adder = Adder();
    StartOnlineDataAtRate({Ovo::String(u"t")}, *adder.Get(), 100, 1000.0, 0.0);
    adder->AddTicks(10);
    adder.Reset();
    auto sink =
        document.Query<IDataAcquisition>(IID_IDataAcquisition).Query<IStrevDataSink>(IID_IStrevDataSink);
    VARIANT_BOOL can = VARIANT_FALSE;
    sink->CanSample(&can);
    EXPECT_EQ(can, VARIANT_TRUE) << "no record is left open";
}

} // namespace
} // namespace ExtLib
