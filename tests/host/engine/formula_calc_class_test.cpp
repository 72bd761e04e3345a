#include "host/engine/FormulaCalcClass.h"

#include "core/String.h"
#include "host/engine/CalcClassCatalog.h"
#include "host/engine/DocumentData.h"
#include "host/engine/FormulaEnumerator.h"
#include "platform/vantrel/EventRecords.h"
#include "tests/support/FakeCalcClass.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <climits>

namespace Vantrel {
namespace {

/// A reader that knows only a class name and a text, as the module's event reader: the catalog
/// gives the "Formula" class, which evaluates any formula on the document it is created for.
class FormulaCalcClassTest : public ::testing::Test {
protected:
    FormulaCalcClassTest() : recording(std::vector<ChannelInfo>{{"P", "mmHg"}, {"E", ""}}) {
        std::vector<float> ramp;
        for (int k = 0; k < 100; ++k)
            ramp.push_back(static_cast<float>(k));
        recording.addRecord(Record(0.01, {ramp, ramp}));
        for (Tick tick : {10, 50, 90})
            recording.addEvent(0, 1, {tick, 1.0});
        catalog->add(static_cast<ICalcEnumClass2*>(relay.Get()));
        catalog->add(static_cast<ICalcEnumClass2*>(formulaClass.Get()));
    }

    ComPtr<ICalcEnum> create(const char16_t* text, HRESULT expected = S_OK) {
        ComPtr<ICalcEnumClass2> found;
        auto name = ComPtr<IAutoOvoString>::Adopt(Ovo::String(u"formula").GetInterface());
        EXPECT_EQ(catalog->FindCalcClass(name.Get(), found.Put()), S_OK);
        ComPtr<ICalcEnum> calc;
        EXPECT_EQ(found->CreateEnumerator(static_cast<IDocumentData*>(document.Get()), calc.Put()), S_OK);
        DWORD flags = 0;
        Ovo::String formula(text);
        ComPtr<IAutoOvoString> argument = ComPtr<IAutoOvoString>::Adopt(formula.GetInterface());
        EXPECT_EQ(calc->SetArgs(argument.Get(), &flags), expected);
        return calc;
    }

    Recording recording;
    ComPtr<DocumentData> document = ComPtr<DocumentData>::Adopt(new DocumentData(recording));
    ComPtr<CalcClassCatalog> catalog = ComPtr<CalcClassCatalog>::Adopt(new CalcClassCatalog);
    ComPtr<FormulaCalcClass> formulaClass =
        ComPtr<FormulaCalcClass>::Adopt(new FormulaCalcClass(catalog.Get()));
    ComPtr<Testing::FakeCalcClass> relay =
        Testing::makeFake({"Relay", "", {{"Event Source"}, {"Offset", 0, -DBL_MAX, DBL_MAX}}});
};

TEST_F(FormulaCalcClassTest, EvaluatesAnEventFormulaThroughTheEnumeratorProtocol) {
    ComPtr<ICalcEnum> calc = create(u"Relay(ch2, 2)");
    ASSERT_EQ(calc->Start(0, 0, nullptr, 0.01, 0, nullptr, 0), S_OK);
    ASSERT_EQ(calc->Seek(0), S_OK);
    ComPtr<IEnumEventEx> events = calc.Query<IEnumEventEx>(IID_IEnumEventEx);
    EXPECT_FALSE(calc.Query<ISampleChannel>(IID_ISampleChannel));
    ULONG size = 0;
    events->GetEventSize(&size);
    EXPECT_EQ(size, 16u);
    EventRecord buffer[8];
    ULONG count = 0;
    LONG position = 0;
    EXPECT_EQ(events->Next(sizeof buffer, INT_MAX, buffer, &count, &position), S_FALSE);
    ASSERT_EQ(count, 3u);
    EXPECT_EQ(buffer[1].tick, 50);
    EXPECT_EQ(buffer[1].value, 3.0);
    EXPECT_EQ(calc->Clear(), S_OK);
}

TEST_F(FormulaCalcClassTest, EvaluatesASampleFormulaAsASampleChannel) {
    ComPtr<ICalcEnum> calc = create(u"2 * ch1 + 1");
    ASSERT_EQ(calc->Start(0, 0, nullptr, 0.01, 0, nullptr, 0), S_OK);
    calc->Seek(98);
    ComPtr<ISampleChannel> samples = calc.Query<ISampleChannel>(IID_ISampleChannel);
    ASSERT_TRUE(samples);
    EXPECT_FALSE(calc.Query<IEnumEventEx>(IID_IEnumEventEx));
    float values[4];
    ULONG count = 0;
    EXPECT_EQ(samples->Read(4, values, &count), S_OK);
    ASSERT_EQ(count, 2u);
    EXPECT_EQ(values[1], 199.0f);
}

TEST_F(FormulaCalcClassTest, RefusesABadTextWithAFailureCodeAndKeepsTheReason) {
    ComPtr<ICalcEnum> calc = create(u"Relay(ch2,", E_INVALIDARG);
    auto* formula = static_cast<FormulaEnumerator*>(calc.Get());
    EXPECT_EQ(formula->error(), "column 11: expected a number, a name or '(' but found the end of the text");
    EXPECT_EQ(calc->Start(0, 0, nullptr, 0.01, 0, nullptr, 0), E_UNEXPECTED);
    create(u"Nothing(ch1)", E_INVALIDARG);
    ComPtr<ICalcEnum> good = create(u"Relay(ch2)");
    EXPECT_EQ(good->Start(7, 0, nullptr, 0.01, 0, nullptr, 0), E_INVALIDARG); // no record 7
}

TEST_F(FormulaCalcClassTest, FollowsARecordWhileItIsSampled) {
    ComPtr<ICalcEnum> calc = create(u"cmpeakdet(ch1, 0.5)");
    recording.startSampling(0.01);
    ASSERT_EQ(calc->Start(1, 0, nullptr, 0.01, 0, nullptr, kCalcStartOnline), S_OK);
    ComPtr<IEnumEventEx> events = calc.Query<IEnumEventEx>(IID_IEnumEventEx);
    EventRecord buffer[8];
    ULONG count = 0;
    LONG position = 0;
    std::vector<std::vector<float>> rise{{0, 1, 2}, {0, 0, 0}};
    recording.appendBlock(rise);
    EXPECT_EQ(events->Next(sizeof buffer, INT_MAX, buffer, &count, &position), S_OK);
    EXPECT_EQ(count, 0u);
    EXPECT_EQ(position, 2); // the candidate peak
    std::vector<std::vector<float>> fall{{1, 0}, {0, 0}};
    recording.appendBlock(fall);
    EXPECT_EQ(events->Next(sizeof buffer, INT_MAX, buffer, &count, &position), S_OK);
    ASSERT_EQ(count, 1u);
    EXPECT_EQ(buffer[0].tick, 2);
    recording.stopSampling();
    EXPECT_EQ(events->Next(sizeof buffer, INT_MAX, buffer, &count, &position), S_FALSE);
}

} // namespace
} // namespace Vantrel
