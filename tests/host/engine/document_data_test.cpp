#include "host/engine/DocumentData.h"

#include "core/String.h"
#include "host/engine/ChannelObject.h"
#include "host/framework/UnitName.h"
#include "platform/vantrel/EventRecords.h"

#include <gtest/gtest.h>

#include <climits>
#include <stdexcept>
#include <string>
#include <vector>

namespace Vantrel {
namespace {

/// Logs what the document tells it; removes itself from the registry on its second OnNewData when
/// asked to.
class LoggingSink : public ComObject<IOnlineDataSink> {
public:
    std::vector<std::string> calls;
    IOnlineDataSinkRegistry* leaveAfterSecondBlock = nullptr;

    HRESULT GetSinkInfo(DWORD*, WORD*) override { return S_OK; }
    HRESULT OnStartSampling(LONG record) override { return log("start " + std::to_string(record)); }
    HRESULT OnNewRecord(LONG record, double period, const LONG*, WORD isNew) override {
        return log("record " + std::to_string(record) + " " + std::to_string(period) + " " +
                   std::to_string(isNew));
    }
    HRESULT OnNewData(LONG count) override {
        log("data " + std::to_string(count));
        if (leaveAfterSecondBlock && calls.size() == 4)
            leaveAfterSecondBlock->RemoveSink(this);
        return S_OK;
    }
    HRESULT OnRecordEnd(LONG record, LONG) override { return log("end " + std::to_string(record)); }
    HRESULT OnStopSampling(WORD) override { return log("stop"); }
    HRESULT OnSamplingNotice(LONG, LONG) override { return S_OK; }
    HRESULT GetRefreshInterval(LONG* ms) override { return *ms = 100, S_OK; }
    HRESULT QueryPosition(LONG, LONG, LONG, LONG, LONG* p) override { return *p = 0, S_OK; }

private:
    void* find(REFIID iid) override {
        return iid == IID_IOnlineDataSink ? static_cast<IOnlineDataSink*>(this) : nullptr;
    }
    HRESULT log(std::string call) {
        calls.push_back(std::move(call));
        return S_OK;
    }
};

/// Pressure (mmHg) and ECG (no unit, events at 5 and 15) over 20 ticks of 1 ms.
class DocumentDataTest : public ::testing::Test {
protected:
    DocumentDataTest() : recording(std::vector<ChannelInfo>{{"Pressure", "mmHg"}, {"ECG", ""}}) {
        std::vector<float> ramp;
        for (int k = 0; k < 20; ++k)
            ramp.push_back(static_cast<float>(k));
        recording.addRecord(Record(0.001, {ramp, ramp}));
        recording.addEvent(0, 1, {5, 1.0});
        recording.addEvent(0, 1, {15, 2.0});
    }

    Recording recording;
    ComPtr<DocumentData> document = ComPtr<DocumentData>::Adopt(new DocumentData(recording));
};

TEST_F(DocumentDataTest, AnswersItsInterfacesAndRecordFigures) {
    for (const IID* iid : {&IID_IDocumentData, &IID_IChannelLookup, &IID_IDocumentChannels,
                           &IID_IOnlineDataSinkRegistry, &IID_IUnknown}) {
        ComPtr<IUnknown> answer;
        EXPECT_EQ(document->QueryInterface(*iid, reinterpret_cast<void**>(answer.Put())), S_OK);
    }
    LONG value = 0;
    document->GetRecordCount(&value);
    EXPECT_EQ(value, 1);
    document->GetRecordEndTick(0, &value);
    EXPECT_EQ(value, 20);
    document->GetChannelCount(0, kDataSourceScaled, &value);
    EXPECT_EQ(value, 2);
    EXPECT_EQ(document->GetRecordEndTick(1, &value), E_INVALIDARG);
}

TEST_F(DocumentDataTest, HandsOutEventsOfEventChannelsAndSamplesUpToTheEndTick) {
    ComPtr<IEnumEventEx> events;
    EXPECT_EQ(document->GetChannelEvents(0, 0, INT_MAX, events.Put()), S_FALSE);
    EXPECT_FALSE(events);
    ASSERT_EQ(document->GetChannelEvents(1, 0, 15, events.Put()), S_OK);
    EventRecord buffer[4];
    ULONG count = 0;
    LONG position = 0;
    EXPECT_EQ(events->Next(sizeof buffer, INT_MAX, buffer, &count, &position), S_FALSE);
    EXPECT_EQ(count, 1u); // the event at 15 lies at the end tick
    EXPECT_EQ(buffer[0].tick, 5);

    ComPtr<ISampleChannel> samples;
    ASSERT_EQ(
        document->GetChannelSamples(0, kDataSourceScaled | kDataSamplesEnumerator, 0, 12, samples.Put()),
        S_OK);
    float values[32];
    ULONG read = 0;
    samples->Seek(10);
    EXPECT_EQ(samples->Read(32, values, &read), S_OK);
    EXPECT_EQ(read, 2u);
    EXPECT_EQ(samples->Read(32, values, &read), S_FALSE);
    EXPECT_EQ(document->GetChannelSamples(2, 0, 0, INT_MAX, samples.Put()), E_FAIL);
}

TEST_F(DocumentDataTest, LooksUpChannelObjectsWithTheirUnits) {
    ComPtr<IUnknown> first, again;
    ASSERT_EQ(document->GetChannel(0, kChannelObject, first.Put()), S_OK);
    document->GetChannel(0, kChannelObject, again.Put());
    EXPECT_EQ(first.Get(), again.Get());
    ComPtr<IChannelInfo> info = first.Query<IChannelInfo>(IID_IChannelInfo);
    ComPtr<IUnknown> unit;
    ASSERT_EQ(info->GetUnit(unit.Put()), S_OK);
    ComPtr<IUnitName> name = unit.Query<IUnitName>(IID_IUnitName);
    Ovo::String base;
    name->GetBaseText(Ovo::OvoStringOutParam(base));
    EXPECT_EQ(base, Ovo::String("mmHg"));
    UnitScalingInfo scaling;
    ASSERT_EQ(unit.Query<IUnitConversion>(IID_IUnitConversion)
                  ->GetConversionInfo(nullptr, nullptr, &scaling, nullptr),
              S_OK);
    EXPECT_EQ(scaling.hasScaling, 0) << "a recorded channel's conversion, unscaled";
    ComPtr<IUnknown> sameUnit;
    info->GetUnit(sameUnit.Put());
    EXPECT_EQ(sameUnit.Get(), unit.Get()) << "one conversion for the channel's life";
    first.Query<IChannelDataReset>(IID_IChannelDataReset)->DropData();
    EXPECT_EQ(document->channelObject(0)->drops(), 1);
    EXPECT_EQ(document->GetChannelUnit(1, kDataAnyRecord, kDataUnitFlags, unit.Put()), S_FALSE);
    EXPECT_EQ(document->GetChannel(2, kChannelObject, unit.Put()), S_FALSE);
}

TEST_F(DocumentDataTest, NamesItsChannelsAndKeepsTheSelectionOfEach) {
    LONG count = 0;
    ASSERT_EQ(document->GetChannelCount(&count), S_OK);
    EXPECT_EQ(count, 2);
    Ovo::String title;
    ASSERT_EQ(document->GetChannelTitle(1, Ovo::OvoStringOutParam(title)), S_OK);
    EXPECT_EQ(title, Ovo::String("ECG"));
    EXPECT_EQ(document->GetChannelTitle(2, Ovo::OvoStringOutParam(title)), E_INVALIDARG);

    SHORT selected = 1;
    ASSERT_EQ(document->HasSelection(0, &selected), S_OK);
    EXPECT_EQ(selected, 0);
    LONG ends[4] = {7, 7, 7, 7};
    EXPECT_EQ(document->GetSelection(0, &ends[0], &ends[1], &ends[2], &ends[3]), S_FALSE);
    EXPECT_EQ(ends[0], 7) << "left as they were";
    document->setSelection(0, {0, 3}, {0, 12});
    document->HasSelection(0, &selected);
    EXPECT_EQ(selected, -1);
    ASSERT_EQ(document->GetSelection(0, &ends[0], &ends[1], &ends[2], &ends[3]), S_OK);
    EXPECT_EQ((std::vector<LONG>{ends, ends + 4}), (std::vector<LONG>{0, 3, 0, 12}));
    document->HasSelection(1, &selected);
    EXPECT_EQ(selected, 0) << "a selection belongs to its channel";
    document->clearSelection(0);
    document->HasSelection(0, &selected);
    EXPECT_EQ(selected, 0);
    EXPECT_EQ(document->HasSelection(-1, &selected), E_INVALIDARG);
    EXPECT_THROW(document->setSelection(2, {0, 0}, {0, 1}), std::out_of_range);
}

TEST_F(DocumentDataTest, ARecordMayCarryAUnitOfItsOwnOrNone) {
    recording.addRecord(Record(0.001, {{1, 2}, {1, 2}}));
    recording.addRecord(Record(0.001, {{1, 2}, {1, 2}}));
    document->channelObject(0)->setRecordUnit(1, "mmHg");
    document->channelObject(0)->setRecordUnit(2, "");
    ComPtr<IUnknown> channel, first, second, third;
    ASSERT_EQ(document->GetChannelUnit(0, kDataAnyRecord, kDataUnitFlags, channel.Put()), S_OK);
    ASSERT_EQ(document->GetChannelUnit(0, 0, kDataUnitFlags, first.Put()), S_OK);
    ASSERT_EQ(document->GetChannelUnit(0, 1, kDataUnitFlags, second.Put()), S_OK);
    EXPECT_EQ(first.Get(), channel.Get()) << "a record without a unit of its own: the channel's";
    EXPECT_NE(second.Get(), first.Get()) << "the same text, another object";
    EXPECT_EQ(document->GetChannelUnit(0, 2, kDataUnitFlags, third.Put()), S_FALSE);
    EXPECT_FALSE(third);
}

TEST_F(DocumentDataTest, AChannelObjectTellsOfTheCalculationOnItsChannel) {
    ComPtr<IUnknown> object;
    ASSERT_EQ(document->GetChannel(0, kChannelObject, object.Put()), S_OK);
    const auto settings = object.Query<IChannelCalcSettings>(IID_IChannelCalcSettings);
    ASSERT_TRUE(settings);
    LONG source = 9;
    SHORT keepsUnit = 9;
    EXPECT_EQ(settings->GetCalculation(&source, &keepsUnit), S_FALSE);
    document->channelObject(0)->setCalculation(1, false);
    ASSERT_EQ(settings->GetCalculation(&source, &keepsUnit), S_OK);
    EXPECT_EQ(source, 1);
    EXPECT_EQ(keepsUnit, 0);
    document->channelObject(0)->setCalculation(0, true);
    settings->GetCalculation(&source, &keepsUnit);
    EXPECT_EQ(keepsUnit, -1);
    document->channelObject(0)->clearCalculation();
    EXPECT_EQ(settings->GetCalculation(&source, &keepsUnit), S_FALSE);
}

TEST(UnitName, SplitsAPrefixOnlyFromAKnownBase) {
    struct Case {
        const char* text;
        LONG prefix;
        const char* base;
    } cases[] = {{"mmHg", 1, "mmHg"}, {"uL", 6, "L"},        {"\u00b5L", 6, "L"}, {"mV", 7, "V"},
                 {"m", 1, "m"},       {"mm", 7, "m"},        {"kPa", 9, "Pa"},    {"ms", 7, "s"},
                 {"mS", 7, "S"},      {"Volts", 1, "Volts"}, {"RVU", 1, "RVU"},   {"GOhm", 11, "Ohm"}};
    for (const Case& c : cases) {
        ComPtr<IUnitName> unit = UnitName::fromText(c.text);
        LONG prefix = 0;
        Ovo::String base;
        unit->GetPrefixCode(&prefix);
        unit->GetBaseText(Ovo::OvoStringOutParam(base));
        EXPECT_EQ(prefix, c.prefix) << c.text;
        EXPECT_EQ(base.ToUtf8(), c.base) << c.text;
    }
}

TEST_F(DocumentDataTest, TellsItsSinksAsTheRecordingSamples) {
    auto sink = ComPtr<LoggingSink>::Adopt(new LoggingSink);
    auto leaving = ComPtr<LoggingSink>::Adopt(new LoggingSink);
    leaving->leaveAfterSecondBlock = document.Get();
    ASSERT_EQ(document->AddSink(sink.Get()), S_OK);
    ASSERT_EQ(document->AddSink(leaving.Get()), S_OK);
    recording.startSampling(0.5);
    for (std::size_t n : {3u, 0u, 4u, 5u}) {
        std::vector<std::vector<float>> block(2, std::vector<float>(n, 0.0f));
        recording.appendBlock(block);
    }
    recording.stopSampling();
    EXPECT_EQ(sink->calls, (std::vector<std::string>{"start 1", "record 1 0.500000 1", "data 3", "data 4",
                                                     "data 5", "end 1", "stop"}));
    EXPECT_EQ(leaving->calls.size(), 4u);
    EXPECT_EQ(document->RemoveSink(leaving.Get()), S_FALSE);
    EXPECT_EQ(document->RemoveSink(sink.Get()), S_OK);
}

} // namespace
} // namespace Vantrel
