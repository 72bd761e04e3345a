// The document's automation commands as an automation client calls them: their
// effects on the step models, each command recorded and replayed, online mode
// and the saline boluses.

#include <cmath>
#include <cstring>
#include <functional>
#include <memory>
#include <vector>

#include "host/framework/Automation.h"
#include "platform/user/msgbox_api.h"
#include "tests/document/CommandFixture.h"

namespace {

using namespace Tarvik;
using Vantrel::Argument;

class DocumentAutomation : public TarvikTest::CommandFixture {
protected:
    void TearDown() override {
        automation.reset();
        handler.Reset();
        CommandFixture::TearDown();
    }

    TarvikDocument& OpenAndAnalyse() {
        TarvikDocument& document = OpenWithSetUp();
        handler = QueryInterfacePtr<IMessageHandler>(document.Identity(), IID_IMessageHandler);
        automation = std::make_unique<Vantrel::Automation>(Zar(), *handler.Get(), &recorder);
        EXPECT_EQ(Call(u"AnalyzeTarvikNow").delivery, S_OK);
        return document;
    }
    // A new recording document for the same recording (or for one of the same channels without data), the
    // module's document opened and analysed in it.
    TarvikDocument& Reopen(bool empty = false) {
        automation.reset();
        handler.Reset();
        recordingDocument->closeModuleDocument();
        recordingDocument.Reset();
        command.Reset();
        Zar().MessageClasses().ReleaseClasses();
        user::Desktop::Reset();
        if (empty) {
            // The module's commands keep the earlier documents, and so their recording, until the module
            // unloads.
            auto next = std::make_unique<Vantrel::Recording>(recording->channels());
            earlierRecordings.push_back(std::move(recording));
            recording = std::move(next);
        }
        return OpenAndAnalyse();
    }
    Vantrel::AutomationResult Call(std::u16string_view name, std::vector<Argument> arguments = {}) {
        return automation->Call(name, arguments);
    }

    ComPtr<IMessageHandler> handler;
    Vantrel::ScriptRecorder recorder;
    std::unique_ptr<Vantrel::Automation> automation;
    std::vector<std::unique_ptr<Vantrel::Recording>> earlierRecordings;
};

struct Effect {
    const char16_t* command;
    std::vector<Argument> arguments;
    std::function<bool(TarvikDocument&)> holds;
};

TEST_F(DocumentAutomation, EachHandlerChangesItsModels) {
    TarvikDocument& document = OpenAndAnalyse();
    SetModelParam<34>(document.FindModel(), false); // without the workflow every calibration may apply
    document.FindModel()->CommitChange();
    recordingDocument->setSelection(std::make_pair(HostTickPosition{1, 100}, HostTickPosition{1, 400}));
    const double pressurePoint = GetModelParam<3>(document.GetModel(kPressureModel));
    const bool markers = GetModelParam<36>(document.FindModel());
    const auto cuvette = [&] { return document.GetModel(kCuvetteModel); };
    const auto saline = [&] { return document.GetModel(kSalineModel); };
    const auto loopView = [&] { return document.GetModel(kLoopViewModel); };
    const auto setup = [&] { return document.FindModel(); };
    const std::int32_t loops = document.LoopData().GetVChanData().GetStats()->total();
    const auto near = [](double a, double b) { return std::abs(a - b) <= 1e-12 * std::abs(b); };
    const Effect effects[] = {
        {u"ApplyTarvikCuvetteCalibration",
         {Argument::Number(2), Argument::Number(3)},
         [&](TarvikDocument&) {
             return near(GetModelParam<15>(cuvette()), 2e-6) && near(GetModelParam<16>(cuvette()), 3e-6) &&
                    GetModelParam<17>(cuvette());
         }},
        {u"DisableTarvikCuvetteCalibration",
         {},
         [&](TarvikDocument&) { return !GetModelParam<17>(cuvette()); }},
        {u"ApplyTarvikSalineCalibration",
         {Argument::Number(5e-6)},
         [&](TarvikDocument&) { return GetModelParam<18>(saline()) == 5e-6 && GetModelParam<19>(saline()); }},
        {u"DisableTarvikSalineCalibration",
         {},
         [&](TarvikDocument&) { return !GetModelParam<19>(saline()); }},
        {u"ShowESPVRegression",
         {Argument::Bool(true)},
         [&](TarvikDocument&) { return GetModelParam<21>(loopView()); }},
        {u"ShowEDPVRegression",
         {Argument::Bool(false)},
         [&](TarvikDocument&) { return !GetModelParam<22>(loopView()); }},
        {u"SetESPVRegressionType",
         {Argument::Text(u"Quadratic")},
         [&](TarvikDocument&) { return GetModelParam<23>(loopView()) == 1; }},
        {u"SetESPVRegressionType",
         {Argument::Text(u"Lin")},
         [&](TarvikDocument&) {
             return GetModelParam<23>(loopView()) == 1;
         }}, // an unknown text changes nothing
        {u"SetEDPVRegressionType",
         {Argument::Text(u"exponential")},
         [&](TarvikDocument&) { return GetModelParam<24>(loopView()) == 1; }},
        {u"SelectATarvik",
         {Argument::Long(2)},
         [&](TarvikDocument&) { return GetModelParam<58>(setup()) == 2; }},
        {u"SelectATarvik",
         {Argument::Long(loops)},
         [&](TarvikDocument&) { return GetModelParam<58>(setup()) == -1; }},
        {u"SelectATarvik",
         {Argument::Long(3)},
         [&](TarvikDocument&) { return GetModelParam<58>(setup()) == 3; }},
        {u"SelectATarvik",
         {Argument::Long(-7)},
         [&](TarvikDocument&) { return GetModelParam<58>(setup()) == -1; }},
        {u"TarvikTableRowSelected",
         {Argument::Long(0)},
         [&](TarvikDocument&) { return GetModelParam<58>(setup()) == 0; }},
        {u"SetTarvikPressureValueFromSel",
         {Argument::Long(2)},
         [&](TarvikDocument& d) {
             const double point = GetModelParam<3>(d.GetModel(kPressureModel));
             return point == pressurePoint || (std::isnan(point) && std::isnan(pressurePoint));
         }},
        {u"SetTarvikPressureValueFromSel",
         {Argument::Long(0)},
         [&](TarvikDocument& d) {
             const double mean = GetModelParam<3>(d.GetModel(kPressureModel));
             return mean > 5.0 && mean < 150.0; // a mouse's ventricular pressure in mmHg
         }},
        {u"SetTarvikVolumeValueFromSel",
         {Argument::Long(1)},
         [&](TarvikDocument& d) { return std::isfinite(GetModelParam<51>(d.GetModel(kVolumeModel))); }},
        {u"AddAnalyzedParallelConductance",
         {},
         [&](TarvikDocument&) {
             const auto boluses = GetModelParam<40>(saline());
             return boluses.size() == 1 && GetModelParam<41>(saline()) == IntSet{0} &&
                    GetModelParam<18>(saline()) == boluses[0].value && boluses[0].word1 == 0;
         }},
        {u"EditParallelConductanceInList",
         {Argument::Long(1), Argument::Number(4.5)},
         [&](TarvikDocument&) {
             const auto boluses = GetModelParam<40>(saline());
             return near(boluses.at(0).value, 4.5e-6) && boluses[0].word1 == BolusRecord::kUnset &&
                    near(GetModelParam<18>(saline()), 4.5e-6);
         }},
        {u"RemoveParallelConductanceFromList",
         {Argument::Long(0)},
         [&](TarvikDocument&) { return GetModelParam<40>(saline()).size() == 1; }},
        {u"RemoveParallelConductanceFromList",
         {Argument::Long(1)},
         [&](TarvikDocument&) {
             return GetModelParam<40>(saline()).empty() && std::isnan(GetModelParam<18>(saline())) &&
                    !GetModelParam<19>(saline());
         }},
        {u"ToggleTarvikEventMarkers",
         {},
         [&](TarvikDocument&) { return GetModelParam<36>(setup()) != markers; }},
    };
    for (const Effect& effect : effects) {
        SCOPED_TRACE(
            std::string(effect.command, effect.command + std::char_traits<char16_t>::length(effect.command)));
        const Vantrel::AutomationResult result = Call(effect.command, effect.arguments);
        EXPECT_EQ(result.creation, S_OK);
        EXPECT_EQ(result.delivery, S_OK) << "every automation message is handled";
        EXPECT_TRUE(effect.holds(document));
    }
}

// The values of a created message's parameter block: numbers as doubles, texts left out.
std::vector<double> BlockValues(const std::vector<std::uint8_t>& block) {
    std::vector<double> values;
    DWORD codes = 0;
    std::memcpy(&codes, block.data(), sizeof codes);
    std::size_t at = sizeof codes;
    for (; codes != 0; codes >>= 4) {
        const DWORD code = codes & 0xF;
        if (code == kParamDouble) {
            double v = 0.0;
            std::memcpy(&v, block.data() + at, sizeof v);
            values.push_back(v);
            at += sizeof v;
        } else if (code == kParamString) {
            at += sizeof(void*);
        } else {
            std::int32_t v = 0;
            std::memcpy(&v, block.data() + at, sizeof v);
            values.push_back(code == kParamLong ? v : static_cast<double>(static_cast<std::uint32_t>(v)));
            at += sizeof v;
        }
    }
    return values;
}

// What the recorder writes, replayed, makes the same messages: numbers to the six significant digits
// of their text.
TEST_F(DocumentAutomation, EveryCommandRecordedAndReplayedReachesItsHandlerWithItsValues) {
    TarvikDocument& document = OpenAndAnalyse();
    const std::pair<const char16_t*, std::vector<Argument>> calls[] = {
        {u"AddSelToTarvikCuvetteCalibration", {}},
        {u"ClearTarvikAnalysis", {}},
        {u"AnalyzeTarvikNow", {}},
        {u"ReselectTarvikAnalyzedRegion", {}},
        {u"ToggleTarvikOnlineMode", {}},
        {u"ToggleTarvikOnlineMode", {}},
        {u"ToggleTarvikEventMarkers", {}},
        {u"ApplyTarvikSalineCalibration", {Argument::Number(1234.5678)}},
        {u"DisableTarvikSalineCalibration", {}},
        {u"ShowESPVRegression", {Argument::Bool(true)}},
        {u"ShowEDPVRegression", {Argument::Bool(false)}},
        {u"SetESPVRegressionType", {Argument::Text(u"Linear")}},
        {u"SetEDPVRegressionType", {Argument::Text(u"Exponential")}},
        {u"SelectATarvik", {Argument::Long(-1)}},
        {u"TarvikTableRowSelected", {Argument::Long(2)}},
        {u"ApplyTarvikCuvetteCalibration", {Argument::Number(0.001234567), Argument::Number(-2.5)}},
        {u"DisableTarvikCuvetteCalibration", {}},
        {u"CopyPVTableToDataPad", {}},
        {u"SetTarvikPressureValueFromSel", {Argument::Long(1)}},
        {u"SetTarvikConductanceValueFromSel", {Argument::Long(0)}},
        {u"OpenTarvikSettings", {}},
        {u"ArrangeTarvikViews", {}},
        {u"AddAnalyzedParallelConductance", {}},
        {u"RemoveParallelConductanceFromList", {Argument::Long(5)}},
        {u"SetTarvikVolumeValueFromSel", {Argument::Long(0)}},
        {u"OpenCVXControlSoftware", {}},
        {u"EditParallelConductanceInList", {Argument::Long(7), Argument::Number(98765.4321)}},
    };
    // The message a call makes is the first one made during it; handlers make further ones.
    std::vector<Vantrel::CreatedMessage> direct;
    for (const auto& [name, arguments] : calls) {
        const std::size_t before = Zar().Messages().Created().size();
        EXPECT_EQ(Call(name, arguments).delivery, S_OK);
        direct.push_back(Zar().Messages().Created().at(before));
    }
    const std::u16string macro = recorder.Script();
    Vantrel::Automation replay(Zar(), *handler.Get());
    const std::size_t first = Zar().Messages().Created().size();
    ASSERT_NO_THROW(Vantrel::RunMacro(macro, replay));
    std::vector<Vantrel::CreatedMessage> replayed;
    for (std::size_t i = first; i < Zar().Messages().Created().size(); ++i)
        if ((Zar().Messages().Created()[i].id >> 16) == MessageSpace(TarvikDocumentGUID) &&
            (Zar().Messages().Created()[i].id & 0xFFFF) >= 256)
            replayed.push_back(Zar().Messages().Created()[i]);
    // Messages the handlers send themselves (SelectATarvik from a row, ...) come between the calls.
    std::vector<Vantrel::CreatedMessage> replayedCalls;
    std::size_t next = 0;
    for (const auto& m : replayed)
        if (next < direct.size() && m.id == direct[next].id) {
            replayedCalls.push_back(m);
            ++next;
        }
    ASSERT_EQ(replayedCalls.size(), direct.size());
    for (std::size_t i = 0; i < direct.size(); ++i) {
        SCOPED_TRACE(i);
        const std::vector<double> a = BlockValues(direct[i].data), b = BlockValues(replayedCalls[i].data);
        ASSERT_EQ(a.size(), b.size());
        for (std::size_t v = 0; v < a.size(); ++v)
            EXPECT_NEAR(b[v], a[v], 5e-6 * std::abs(a[v])) << "six significant digits";
    }
    EXPECT_NE(macro.find(u"Call Doc.ApplyTarvikSalineCalibration(Vp:=1234.57)"), std::u16string::npos);
    EXPECT_NE(macro.find(u"Call Doc.SetEDPVRegressionType(RegressionType:=\"Exponential\")"),
              std::u16string::npos);
    EXPECT_EQ(GetModelParam<24>(document.GetModel(kLoopViewModel)), 1);
}

} // namespace

namespace {

using Tarvik::WordPair;

// Online mode's switches on the occlusion sample in three records (and on a document without data), as one
// table: each case prepares the document, switches (answering the question when one comes) and names what
// follows.
TEST_F(DocumentAutomation, OnlineModeStartsWhereSamplingWillContinueOrClearsAfterAsking) {
    const std::uint32_t ticks = static_cast<std::uint32_t>(recording->record(2).tickCount());
    const WordPair dataEnd{ticks, 2}, open{kOpenEnd, kOpenEnd}, nextRecord{0, 3};
    const auto analyseSelection = [this](TarvikDocument& d) {
        SetModelParam<27>(d.FindModel(), kSelectionRegion);
        d.FindModel()->CommitChange();
        recordingDocument->setSelection(std::make_pair(HostTickPosition{1, 100}, HostTickPosition{1, 2000}));
        Call(u"AnalyzeTarvikNow");
    };
    struct Case {
        const char* name;
        std::function<void(TarvikDocument&)> prepare;
        int answer; // 0: no question expected
        bool empty; // a document without data
        bool online;
        WordPair start, end;
        std::int32_t region;
    };
    const Case cases[] = {
        {"an analysis up to the end of the data goes on with an open end", [](TarvikDocument&) {}, 0, false,
         true, WordPair{0, 0}, open, kWholeChannel},
        {"an analysis that ends earlier is cleared after OK", analyseSelection, IDOK, false, true, nextRecord,
         open, kWholeChannel},
        {"Cancel changes nothing", analyseSelection, IDCANCEL, false, false, WordPair{100, 1},
         WordPair{2000, 1}, kSelectionRegion},
        {"without an analysis the region starts at the next record",
         [this](TarvikDocument&) { Call(u"ClearTarvikAnalysis"); }, 0, false, true, nextRecord, open,
         kWholeChannel},
        {"switching off ends the region at the data sampled so far",
         [this](TarvikDocument&) { Call(u"ToggleTarvikOnlineMode"); }, 0, false, false, WordPair{0, 0},
         dataEnd, kWholeChannel},
        {"in a document without data the region starts at the first record",
         [this](TarvikDocument&) { Call(u"ClearTarvikAnalysis"); }, 0, true, true, WordPair{0, 0}, open,
         kWholeChannel},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TarvikDocument& document = recordingDocument ? Reopen(c.empty) : OpenAndAnalyse();
        c.prepare(document);
        user::ScriptedMessageBoxes& boxes = user::Desktop::Current().MessageBoxes();
        if (c.answer != 0)
            boxes.Answer(c.answer);
        const std::size_t asked = boxes.Shown().size();
        EXPECT_EQ(Call(u"ToggleTarvikOnlineMode").delivery, S_OK);
        EXPECT_EQ(boxes.Shown().size(), asked + (c.answer != 0 ? 1 : 0));
        const ModelPtr setup = document.FindModel();
        EXPECT_EQ(GetModelParam<35>(setup), c.online);
        EXPECT_EQ(GetModelParam<59>(setup), c.start);
        EXPECT_EQ(GetModelParam<60>(setup), c.end);
        EXPECT_EQ(GetModelParam<27>(setup), c.region);
    }
}

// The workflow's sampling step switches online mode on without a question, and not at all when the
// analysed region would not continue.
TEST_F(DocumentAutomation, TheSamplingStepSwitchesQuietly) {
    TarvikDocument& document = OpenAndAnalyse();
    SetModelParam<27>(document.FindModel(), kSelectionRegion);
    recordingDocument->setSelection(std::make_pair(HostTickPosition{1, 100}, HostTickPosition{1, 2000}));
    Call(u"AnalyzeTarvikNow");
    EnterStep(document, 4);
    EXPECT_FALSE(GetModelParam<35>(document.FindModel()));
    EXPECT_TRUE(user::Desktop::Current().MessageBoxes().Shown().empty());
    SetModelParam<27>(document.FindModel(), kWholeChannel);
    document.FindModel()->CommitChange();
    Call(u"AnalyzeTarvikNow");
    EnterStep(document, 7);
    EnterStep(document, 4);
    EXPECT_TRUE(GetModelParam<35>(document.FindModel()));
    EnterStep(document, 7);
    EXPECT_FALSE(GetModelParam<35>(document.FindModel())) << "leaving the sampling step switches it off";
}

// Selecting one saline bolus of the step's list analyses its region (shown around its middle) and
// applies its loop map; an index that the stored settings made negative is ignored.
TEST_F(DocumentAutomation, OneSelectedBolusIsAnalysedAndABadIndexIgnored) {
    TarvikDocument& document = OpenAndAnalyse();
    SetModelParam<27>(document.FindModel(), kSelectionRegion);
    document.FindModel()->CommitChange();
    BolusRecord bolus;
    bolus.value = 1e-6;
    bolus.word1 = 100; // start tick, record
    bolus.word2 = 1;
    bolus.word3 = 301; // end tick, record
    bolus.word4 = 1;
    bolus.members = {0};
    const ModelPtr saline = document.GetModel(kSalineModel);
    SetModelParam<40>(saline, std::vector<BolusRecord>{bolus});
    SetModelParam<41>(saline, IntSet{-3});
    saline->CommitChange();
    EXPECT_TRUE(recordingDocument->shownPositions().empty()) << "a negative index selects no bolus";
    SetModelParam<41>(saline, IntSet{0});
    saline->CommitChange();
    ASSERT_EQ(recordingDocument->shownPositions().size(), 1u);
    EXPECT_EQ(recordingDocument->shownPositions()[0].record, 1);
    EXPECT_EQ(recordingDocument->shownPositions()[0].tick, 200);
    EXPECT_EQ(GetModelParam<59>(document.FindModel()), (WordPair{100, 1}));
    EXPECT_EQ(GetModelParam<60>(document.FindModel()), (WordPair{301, 1}));
    EXPECT_EQ(GetModelParam<61>(document.GetModel(kLoopViewModel)), IntSet{0});
}

} // namespace
