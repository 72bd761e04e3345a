#include "host/testbed/TestDocument.h"

#include "core/String.h"
#include "host/engine/CalcClassCatalog.h"
#include "host/engine/FormulaCalcClass.h"
#include "host/testbed/TestDocumentFactory.h"
#include "platform/vantrel/EventRecords.h"
#include "platform/vantrel/IRecordData.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <string>
#include <vector>

namespace Vantrel {
namespace {

/// A data source whose channel sources are formula enumerators of the host's formula calculation,
/// as the module's data adder makes them.
class FormulaSource : public ComObject<IStrevDataSource> {
public:
    FormulaSource(FormulaCalcClass* formulas, IDocumentData* document, std::vector<std::u16string> texts)
        : mFormulas(formulas), mDocument(document), mTexts(std::move(texts)) {}

    HRESULT CreateChannelSource(LONG, LONG channel, IUnknown** source) override {
        ComPtr<ICalcEnum> calc;
        mFormulas->CreateEnumerator(mDocument, calc.Put());
        Ovo::String text(mTexts.at(static_cast<std::size_t>(channel)));
        auto argument = ComPtr<IAutoOvoString>::Adopt(text.GetInterface());
        DWORD flags = 0;
        calc->SetArgs(argument.Get(), &flags);
        return calc->QueryInterface(IID_ISampleChannel, reinterpret_cast<void**>(source));
    }
    HRESULT GetNumTicksAlias(LONGLONG*) override { return E_NOTIMPL; }
    HRESULT GetNumTicks(LONGLONG*) override { return E_NOTIMPL; }
    HRESULT SetChannelMask(Ovo::BitsetRep*) override { return E_NOTIMPL; }
    HRESULT AddChannels(Ovo::BitsetRep*) override { return E_NOTIMPL; }
    HRESULT RemoveChannels(Ovo::BitsetRep*) override { return E_NOTIMPL; }
    HRESULT SetChannelFlags(ULONG, const DWORD*) override { return E_NOTIMPL; }
    HRESULT SetChannelOption(DWORD) override { return E_NOTIMPL; }

private:
    void* find(REFIID iid) override { return iid == IID_IStrevDataSource ? this : nullptr; }

    FormulaCalcClass* mFormulas;
    IDocumentData* mDocument;
    std::vector<std::u16string> mTexts;
};

/// Records what an online-data sink is told.
class SinkLog : public ComObject<IOnlineDataSink> {
public:
    std::vector<std::string> calls;

    HRESULT GetSinkInfo(DWORD*, WORD*) override { return S_OK; }
    HRESULT OnStartSampling(LONG record) override { return log("start " + std::to_string(record)); }
    HRESULT OnNewRecord(LONG record, double, const LONG*, WORD) override {
        return log("record " + std::to_string(record));
    }
    HRESULT OnNewData(LONG count) override { return log("data " + std::to_string(count)); }
    HRESULT OnRecordEnd(LONG record, LONG) override { return log("end " + std::to_string(record)); }
    HRESULT OnStopSampling(WORD) override { return log("stop"); }
    HRESULT OnSamplingNotice(LONG, LONG) override { return S_OK; }
    HRESULT GetRefreshInterval(LONG*) override { return S_OK; }
    HRESULT QueryPosition(LONG, LONG, LONG, LONG, LONG*) override { return S_OK; }

private:
    HRESULT log(std::string call) {
        calls.push_back(std::move(call));
        return S_OK;
    }
    void* find(REFIID iid) override { return iid == IID_IOnlineDataSink ? this : nullptr; }
};

class TestDocumentTest : public ::testing::Test {
protected:
    /// Declares the channels at rates (Hz) with the tick period of the fastest.
    void declare(const std::vector<std::int64_t>& rates, const std::vector<bool>& enabled = {}) {
        std::int64_t fastest = 1;
        for (std::int64_t rate : rates)
            fastest = std::max(fastest, rate);
        const PeriodFraction tick{1, fastest};
        for (std::size_t k = 0; k < rates.size(); ++k) {
            const bool on = enabled.empty() || enabled[k];
            ASSERT_EQ(document->SetupChannel(static_cast<LONG>(k), on, on ? VARIANT_TRUE : VARIANT_FALSE,
                                             nullptr, {1, rates[k]}, &tick, kAbsentArgument, nullptr),
                      S_OK);
        }
    }

    HRESULT open(std::vector<std::u16string> texts, double tickPeriod = 0.001) {
        source = ComPtr<FormulaSource>::Adopt(
            new FormulaSource(formulas.Get(), static_cast<IDocumentData*>(document.Get()), std::move(texts)));
        return document->NewRecord(0, source.Get(), tickPeriod, 1.0e9, 0.0, 0, 0, 0, VARIANT_TRUE);
    }

    std::vector<float> samples(LONG channel, LONG record = 0) {
        ComPtr<ISampleChannel> cursor;
        EXPECT_EQ(document->GetChannelSamples(channel, 0, record, INT_MAX, cursor.Put()), S_OK);
        std::vector<float> values(100000);
        ULONG count = 0;
        cursor->Read(static_cast<ULONG>(values.size()), values.data(), &count);
        values.resize(count);
        return values;
    }

    ComPtr<CalcClassCatalog> catalog = ComPtr<CalcClassCatalog>::Adopt(new CalcClassCatalog);
    ComPtr<FormulaCalcClass> formulas = ComPtr<FormulaCalcClass>::Adopt(new FormulaCalcClass(catalog.Get()));
    ComPtr<TestDocument> document = ComPtr<TestDocument>::Adopt(new TestDocument);
    ComPtr<FormulaSource> source;
};

TEST_F(TestDocumentTest, ComputesEachChannelFromItsFormula) {
    declare({1000, 1000});
    ASSERT_EQ(open({u"sin(30*t)", u"3 * t * (0.5 * sin(pi/2 - 10 * t) + 0.61)"}), S_OK);
    EXPECT_EQ(document->AddTicks(700), S_OK);
    EXPECT_EQ(document->AddTicks(300), S_OK);
    EXPECT_EQ(document->EndRecord(0), S_OK);

    RecordPosition end;
    ASSERT_EQ(document->GetRecordEnd(0, &end), S_OK);
    EXPECT_EQ(end.mRecordOffset, 1000);
    const std::vector<float> pressure = samples(0);
    const std::vector<float> pva = samples(1);
    ASSERT_EQ(pressure.size(), 1000u);
    for (int k : {0, 1, 699, 700, 999}) {
        const double t = k / 1000.0;
        EXPECT_FLOAT_EQ(pressure[k], static_cast<float>(std::sin(30 * t))) << k;
        EXPECT_FLOAT_EQ(pva[k], static_cast<float>(3 * t * (0.5 * std::cos(10 * t) + 0.61))) << k;
    }
}

TEST_F(TestDocumentTest, SinksAddedBeforeTheFirstRecordAreToldAsItIsSampled) {
    auto sink = ComPtr<SinkLog>::Adopt(new SinkLog);
    ASSERT_EQ(document->AddSink(sink.Get()), S_OK);
    declare({1000});
    ASSERT_EQ(open({u"1"}), S_OK);
    document->AddTicks(10);
    document->AddTicks(0);
    document->EndRecord(0);
    EXPECT_EQ(sink->calls, (std::vector<std::string>{"start 0", "record 0", "data 10", "end 0", "stop"}));
    EXPECT_EQ(document->EndRecord(0), S_FALSE);
    EXPECT_EQ(document->RemoveSink(sink.Get()), S_OK);
    EXPECT_EQ(document->RemoveSink(sink.Get()), S_FALSE);
}

TEST_F(TestDocumentTest, LaterRecordsKeepTheChannelsOfTheFirst) {
    declare({100, 100}, {true, false});
    ASSERT_EQ(open({u"2*t", u"unused"}, 0.01), S_OK);
    document->AddTicks(5);
    document->EndRecord(0);
    EXPECT_TRUE(std::isnan(samples(1)[0])); // a channel switched off holds no value

    declare({100, 100});
    ASSERT_EQ(open({u"2*t", u"t"}, 0.01), S_OK);
    document->AddTicks(3);
    document->EndRecord(1);
    EXPECT_FLOAT_EQ(samples(1, 1)[2], 0.02f); // t counts from the start of each record
    LONG records = 0;
    document->GetRecordCount(&records);
    EXPECT_EQ(records, 2);

    declare({100, 100, 100});
    VARIANT_BOOL can = VARIANT_TRUE;
    document->CanSample(&can);
    EXPECT_EQ(can, VARIANT_FALSE);
}

TEST_F(TestDocumentTest, RefusesWhatItCannotSample) {
    VARIANT_BOOL can = VARIANT_TRUE;
    document->CanSample(&can);
    EXPECT_EQ(can, VARIANT_FALSE); // no channel declared
    EXPECT_EQ(open({u"1"}), E_INVALIDARG);

    declare({1000, 500}); // a channel slower than the ticks
    document->CanSample(&can);
    EXPECT_EQ(can, VARIANT_FALSE);

    declare({1000, 1000});
    EXPECT_EQ(open({u"sin(30*t)", u"cmpeakdet(ch1, 1)"}), E_INVALIDARG); // not a sample formula
    EXPECT_EQ(document->AddTicks(10), E_UNEXPECTED);
    LONG records = -1;
    document->GetRecordCount(&records);
    EXPECT_EQ(records, 0);
}

TEST_F(TestDocumentTest, EventFormulasReadTheFilledDocument) {
    declare({1000});
    ASSERT_EQ(open({u"sin(30*t)"}), S_OK);
    document->AddTicks(2000);
    document->EndRecord(0);

    ComPtr<ICalcEnum> calc;
    formulas->CreateEnumerator(static_cast<IDocumentData*>(document.Get()), calc.Put());
    Ovo::String text(u"cmpeakdet(ch1,0.3,0.01)");
    auto argument = ComPtr<IAutoOvoString>::Adopt(text.GetInterface());
    DWORD flags = 0;
    ASSERT_EQ(calc->SetArgs(argument.Get(), &flags), S_OK);
    ASSERT_EQ(calc->Start(0, 0, nullptr, 0.001, 0, nullptr, 0), S_OK);
    auto events = calc.Query<IEnumEventEx>(IID_IEnumEventEx);
    EventRecord peaks[20];
    ULONG count = 0;
    LONG position = 0;
    EXPECT_EQ(events->Next(sizeof peaks, INT_MAX, peaks, &count, &position), S_FALSE);
    // sin(30 t) peaks at t = (pi/2 + 2 pi k) / 30 s: ticks 52, 262, 471, ...
    ASSERT_GE(count, 8u);
    EXPECT_NEAR(peaks[0].tick, 52, 1);
    EXPECT_NEAR(peaks[1].tick - peaks[0].tick, 209, 1);
}

TEST(TestDocumentFactoryTest, MakesANewEmptyDocumentEachTime) {
    auto factory = ComPtr<TestDocumentFactory>::Adopt(new TestDocumentFactory);
    ComPtr<IRecordData> first;
    ComPtr<IRecordData> second;
    ASSERT_EQ(factory->CreateDocument(0, IID_IRecordData, reinterpret_cast<void**>(first.Put())), S_OK);
    ASSERT_EQ(factory->CreateDocument(0, IID_IRecordData, reinterpret_cast<void**>(second.Put())), S_OK);
    EXPECT_NE(first.Get(), second.Get());
    RecordPosition end;
    EXPECT_EQ(first->GetRecordEnd(0, &end), E_INVALIDARG);
    EXPECT_TRUE(first.Query<IStrevDataSink>(IID_IStrevDataSink));
    void* none = &end;
    EXPECT_EQ(factory->CreateDocument(0, IID_IStrevDataSource, &none), E_NOINTERFACE);
    EXPECT_EQ(none, nullptr);
}

} // namespace
} // namespace Vantrel
