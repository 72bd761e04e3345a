#include <cstring>
#include <vector>

#include "core/MsgData.h"
#include "host/framework/ScriptRecorder.h"
#include "module/ActiveDocumentMessages.h"
#include "module/AutomationMessageClasses.h"
#include "module/MessageIds.h"
#include "platform/win32/com_ptr.h"
#include "platform/win32/variant.h"
#include "selftest/SelfTests.h"
#include "tests/support/ModuleHost.h"

namespace {

using namespace Tarvik;
using TarvikTest::ModuleHost;

class AutomationMessages : public ModuleHost {
protected:
    Ovo::MessageClassList list;
    Ovo::AutomationMessageClasses classes{list};

    Ovo::MsgIdMessageClassObject& Class(WORD n) { return *classes.Find(n); }

    std::u16string DefaultText(WORD n) {
        auto recorder = ComPtr<Vantrel::ScriptRecorder>::Adopt(new Vantrel::ScriptRecorder);
        Class(n).GetDefaultMessageText(0, recorder.Get(), 0);
        return recorder->Script();
    }
    std::vector<std::u16string> Description(WORD n) {
        auto sink = ComPtr<Vantrel::LineSink>::Adopt(new Vantrel::LineSink);
        Class(n).GetDescriptionText(0, sink.Get(), 0);
        std::vector<std::u16string> lines;
        for (const auto& line : sink->Lines())
            lines.push_back(line.text);
        return lines;
    }
    // A host message of class n carrying a data record.
    template <class Record>
    std::u16string MessageText(WORD n, const Record& record, HRESULT* result = nullptr) {
        IMessage* message = nullptr;
        Zar().Messages().CreateMessage(record.id, 0, 0, 0, nullptr, Ovo::ParameterBlock(record), &message);
        auto recorder = ComPtr<Vantrel::ScriptRecorder>::Adopt(new Vantrel::ScriptRecorder);
        HRESULT hr = Class(n).GetMessageText(0, message, recorder.Get(), 0);
        if (result != nullptr)
            *result = hr;
        message->Release();
        return recorder->Script();
    }
};

TEST_F(AutomationMessages, TheTwentySixClassesHaveTheirNumbersTextsAndOptions) {
    EXPECT_EQ(classes.Count(), 26u);
    for (WORD missing : {275, 277, 278, 279})
        EXPECT_EQ(classes.Find(missing), nullptr) << missing;
    DWORD id = 0;
    Class(257).GetMessageId(&id);
    EXPECT_EQ(id, DocMsgId<257>());
    BSTR name = nullptr, category = nullptr;
    Class(257).GetName(&name);
    Class(257).GetCategory(&category);
    EXPECT_EQ(std::u16string(name), u"AnalyzeTarvikNow");
    EXPECT_EQ(std::u16string(category), u"Tarvik");
    SysFreeString(name);
    SysFreeString(category);
    EXPECT_NE(Class(264).Description().ToU16String().find(u"end-systolic"), std::u16string::npos);
    EXPECT_NE(Class(265).Description().ToU16String().find(u"end-diastolic"), std::u16string::npos);
    for (WORD n : {269, 273, 274, 283, 257}) {
        VARIANT_BOOL b = 0;
        Class(n).GetBoolPropertyB(&b);
        EXPECT_EQ(b, n == 257 ? VARIANT_FALSE : VARIANT_TRUE) << n;
    }
    EXPECT_EQ(Class(276).DefaultFlags(), 4u);
    EXPECT_EQ(list.Head()->ClassObject(), static_cast<IMsgIdMessageClassObject*>(&Class(285)));
}

TEST_F(AutomationMessages, DefaultsAreRecordedWithTheParametersFirstWords) {
    EXPECT_EQ(DefaultText(262), u"Call Doc.ApplyTarvikSalineCalibration(Vp:=0)\n");
    EXPECT_EQ(DefaultText(268), u"Call Doc.SelectATarvik(LoopIdx:=0)\n");
    EXPECT_EQ(DefaultText(264), u"Call Doc.ShowESPVRegression(ShowESPVR:=False)\n");
    EXPECT_EQ(DefaultText(266), u"Call Doc.SetESPVRegressionType(RegressionType:=\"\")\n");
    EXPECT_EQ(DefaultText(257), u"Call Doc.AnalyzeTarvikNow\n");
}

TEST_F(AutomationMessages, AMessagesValuesAreRecordedFromItsData) {
    const Ovo::MsgData2<std::int32_t, double> edit{DocMsgId<285>(), 0, kParamLong | (kParamDouble << 4), 2,
                                                   1.5};
    EXPECT_EQ(MessageText(285, edit),
              u"Call Doc.EditParallelConductanceInList(position:=2, parallelConductance:=1.5)\n");

    Ovo::String withComma(u"Lin,ear");
    Ovo::IOvoString* text = withComma.GetInterface();
    const Ovo::MsgData1<IAutoOvoString*> type{DocMsgId<266>(), 0, kParamString, text};
    EXPECT_EQ(MessageText(266, type), u"Call Doc.SetESPVRegressionType(RegressionType:=\"Lin,ear\")\n");

    Ovo::String marker(u"{{x}}");
    Ovo::IOvoString* markerText = marker.GetInterface();
    HRESULT hr = S_OK;
    const Ovo::MsgData1<IAutoOvoString*> bad{DocMsgId<266>(), 0, kParamString, markerText};
    EXPECT_EQ(MessageText(266, bad, &hr), u"");
    EXPECT_EQ(hr, E_INVALIDARG) << "a group marker in a value cannot be written";
    text->Release();
    markerText->Release();

    auto recorder = ComPtr<Vantrel::ScriptRecorder>::Adopt(new Vantrel::ScriptRecorder);
    EXPECT_EQ(Class(285).GetMessageText(0, nullptr, recorder.Get(), 0), E_FAIL);
    EXPECT_EQ(Class(285).GetMessageText(0, nullptr, nullptr, 0), E_FAIL);
}

TEST_F(AutomationMessages, DescriptionsNameEveryParameterInFull) {
    EXPECT_EQ(
        Description(285),
        (std::vector<std::u16string>{
            u"Name:        EditParallelConductanceInList",
            u"Description: Edits the value of a parallel conductance which is currently in the list in the "
            u"saline calibration step",
            u"Parameters:  position - position in the list (starting from 1) of the parallel conductance to "
            u"edit,",
            u"             parallelConductance - the new parallel conductance in prefixed volume units"}));
    EXPECT_EQ(Description(262)[2], u"Parameters:  Vp - parallel conductance, in unprefixed units");
}

class ModuleMessages : public ModuleHost {};

TEST_F(ModuleMessages, TheModulesOwnMessageTypeIsNumberOneOfTheSamplingSpace) {
    auto* message = new Ovo::ActiveDocSpecificMessage(5, 0);
    message->AddRef();
    DWORD typeId = 0;
    message->GetTypeId(&typeId);
    EXPECT_EQ(typeId, MakeMessageId(Zar().MessageIds().NumberOf(HostMsgGuid34A7), 1));
    message->Release();
}

TEST_F(ModuleMessages, TheHostApplicationIsVisibleUnlessItsSettingSaysNo) {
    EXPECT_TRUE(Ovo::IsHostApplicationVisible());
    host->Application().Settings().SetBool(u"ovo\\application\\visible", false);
    EXPECT_FALSE(Ovo::IsHostApplicationVisible());
}

TEST_F(ModuleMessages, WithoutSettingsTheHostApplicationCountsAsVisible) {
    host->Application().SetHasSettings(false);
    EXPECT_TRUE(Ovo::IsHostApplicationVisible());
}

class SelfTestObjects : public ModuleHost {};

TEST_F(SelfTestObjects, AnswerOnlyTheirInterfaceAndGoWithTheLastReference) {
    auto* test = new Tarvik_TestSelector;
    IUnitTest* unit = test;
    unit->AddRef();
    void* out = nullptr;
    EXPECT_EQ(unit->QueryInterface(IID_IUnitTest, &out), S_OK);
    EXPECT_EQ(out, unit);
    unit->Release();
    out = &out;
    EXPECT_EQ(unit->QueryInterface(IID_IMessage, &out), E_NOINTERFACE);
    EXPECT_EQ(out, nullptr);

    EXPECT_EQ(unit->GetTestCount(nullptr), E_FAIL);
    LONG count = -1;
    unit->PrepareTests();
    EXPECT_EQ(unit->GetTestCount(&count), S_OK);
    EXPECT_EQ(count, 7);
    EXPECT_EQ(unit->RunTest(7), E_INVALIDARG);
    IAutoOvoString* owner = nullptr;
    unit->GetOwner(&owner);
    EXPECT_EQ(Ovo::String(owner).ToU16String(), u"param.selector@velmora.example");
    owner->Release();
    EXPECT_EQ(test->Config().mArithString.ToU16String(), u"NOT SET");
    EXPECT_EQ(
        test->Config().mEnumID,
        MakeMessageId(Zar().MessageIds().NumberOf(MakeGuid("{88736FEF-F85F-4B09-862A-B4E59B348DE4}")), 0));
    EXPECT_EQ(test->Config().mNumSamples, 26123u);
    EXPECT_EQ(test->Config().mRecordCount, 3u);
    unit->Release(); // the last reference: the object goes (the sanitizer sees a second deletion)
}

} // namespace

namespace {

// Automation arguments, each owning what it holds; positional ones are stored last first.
class Arguments {
public:
    Arguments(std::initializer_list<std::u16string> texts = {}, bool named = false) : mNamed(named) {
        for (auto it = std::rbegin(texts); it != std::rend(texts); ++it) {
            VARIANT v;
            VariantInit(&v);
            v.vt = VT_BSTR;
            v.bstrVal = SysAllocStringLen(it->data(), static_cast<UINT>(it->size()));
            mValues.push_back(v);
        }
    }
    ~Arguments() {
        for (VARIANT& v : mValues)
            VariantClear(&v);
    }
    DISPPARAMS* Params() {
        mParams = {mValues.data(), mNamed ? &mName : nullptr, static_cast<UINT>(mValues.size()),
                   mNamed ? 1u : 0u};
        return &mParams;
    }

private:
    std::vector<VARIANT> mValues;
    bool mNamed;
    DISPID mName = 0;
    DISPPARAMS mParams{};
};

struct CommandRow {
    WORD number;
    const char16_t* name;
    DWORD typeCode;
    std::size_t parameters;
};

// clang-format off
constexpr CommandRow kCommands[] = {
    {256, u"AddSelToTarvikCuvetteCalibration", 0, 0}, {257, u"AnalyzeTarvikNow", 0, 0},
    {258, u"ClearTarvikAnalysis", 0, 0}, {259, u"ReselectTarvikAnalyzedRegion", 0, 0},
    {260, u"ToggleTarvikOnlineMode", 0, 0}, {261, u"ToggleTarvikEventMarkers", 0, 0},
    {262, u"ApplyTarvikSalineCalibration", 0x3, 1}, {263, u"DisableTarvikSalineCalibration", 0, 0},
    {264, u"ShowESPVRegression", 0x1, 1}, {265, u"ShowEDPVRegression", 0x1, 1},
    {266, u"SetESPVRegressionType", 0x7, 1}, {267, u"SetEDPVRegressionType", 0x7, 1},
    {268, u"SelectATarvik", 0x2, 1}, {269, u"TarvikTableRowSelected", 0x1, 1},
    {270, u"ApplyTarvikCuvetteCalibration", 0x33, 2}, {271, u"DisableTarvikCuvetteCalibration", 0, 0},
    {272, u"CopyPVTableToDataPad", 0, 0}, {273, u"SetTarvikPressureValueFromSel", 0x2, 1},
    {274, u"SetTarvikConductanceValueFromSel", 0x2, 1}, {276, u"OpenTarvikSettings", 0, 0},
    {280, u"ArrangeTarvikViews", 0, 0}, {281, u"AddAnalyzedParallelConductance", 0, 0},
    {282, u"RemoveParallelConductanceFromList", 0x2, 1}, {283, u"SetTarvikVolumeValueFromSel", 0x2, 1},
    {284, u"OpenCVXControlSoftware", 0, 0}, {285, u"EditParallelConductanceInList", 0x32, 2},
};
// clang-format on

DWORD DocMsgId(WORD n) {
    return MakeMessageId(MessageSpace(TarvikDocumentGUID), n);
}

DWORD FirstWord(const std::vector<std::uint8_t>& data) {
    DWORD word = 0;
    std::memcpy(&word, data.data(), sizeof word);
    return word;
}

TEST_F(AutomationMessages, EachCommandMakesItsMessageFromAsManyArgumentsAsItHasParameters) {
    ASSERT_EQ(std::size(kCommands), classes.Count());
    for (const CommandRow& row : kCommands) {
        SCOPED_TRACE(row.number);
        Ovo::MsgIdMessageClassObject& c = Class(row.number);
        EXPECT_EQ(c.Name().ToU16String(), row.name);
        EXPECT_EQ(c.Category().ToU16String(), u"Tarvik");
        EXPECT_EQ(c.Params().size(), row.parameters);
        Arguments arguments = row.parameters == 2   ? Arguments{u"1", u"2.5"}
                              : row.parameters == 1 ? Arguments{u"1"}
                                                    : Arguments();
        IMessage* message = nullptr;
        ASSERT_EQ(c.CreateMessage(arguments.Params(), &message), S_OK);
        ASSERT_NE(message, nullptr);
        message->Release();
        const Vantrel::CreatedMessage& made = Zar().Messages().Created().back();
        EXPECT_EQ(made.id, DocMsgId(row.number));
        EXPECT_EQ(made.flags, row.number == 276 ? 4u : 0u);
        EXPECT_EQ(made.hasTarget, 0u);
        EXPECT_EQ(FirstWord(made.data), row.typeCode);
    }
    const auto& slope = Zar().Messages().Created()[14];
    ASSERT_EQ(slope.id, DocMsgId(270));
    double values[2];
    std::memcpy(values, slope.data.data() + 4, sizeof values);
    EXPECT_EQ(values[0], 1.0) << "the slope comes first";
    EXPECT_EQ(values[1], 2.5);
}

TEST_F(AutomationMessages, WrongCountsNamedOrUnconvertibleArgumentsMakeNoMessage) {
    Zar().MessageIds().NameId(0x01020304, u"LoopView");
    struct Case {
        WORD number;
        Arguments arguments;
        HRESULT result;
    };
    Case cases[] = {
        {257, Arguments{u"LoopView", u"more"}, DISP_E_BADPARAMCOUNT},
        {270, Arguments{u"1"}, DISP_E_BADPARAMCOUNT},
        {262, Arguments(), DISP_E_BADPARAMCOUNT},
        {262, Arguments({u"1"}, true), DISP_E_BADPARAMCOUNT},
        {257, Arguments({u"LoopView"}, true), DISP_E_BADPARAMCOUNT},
        {268, Arguments{u"twelve"}, DISP_E_TYPEMISMATCH},
        {269, Arguments{u"-1"}, DISP_E_OVERFLOW},
        {257, Arguments{u"NoSuchView"}, E_INVALIDARG},
    };
    const std::size_t before = Zar().Messages().Created().size();
    for (Case& c : cases) {
        SCOPED_TRACE(c.number);
        IMessage* message = reinterpret_cast<IMessage*>(1);
        EXPECT_EQ(Class(c.number).CreateMessage(c.arguments.Params(), &message), c.result);
        EXPECT_EQ(message, nullptr);
    }
    IMessage* message = nullptr;
    EXPECT_EQ(Class(257).CreateMessage(nullptr, &message), DISP_E_BADPARAMCOUNT);
    EXPECT_EQ(Zar().Messages().Created().size(), before);

    Arguments target{u"loopview"};
    ASSERT_EQ(Class(257).CreateMessage(target.Params(), &message), S_OK);
    message->Release();
    EXPECT_EQ(Zar().Messages().Created().back().hasTarget, 1u);
    EXPECT_EQ(Zar().Messages().Created().back().targetId, 0x01020304u);
    Arguments number{u" 12 "};
    ASSERT_EQ(Class(268).CreateMessage(number.Params(), &message), S_OK);
    message->Release();
    std::int32_t loop = 0;
    std::memcpy(&loop, Zar().Messages().Created().back().data.data() + 4, sizeof loop);
    EXPECT_EQ(loop, 12);
}

TEST_F(AutomationMessages, AFailingMessageServiceIsReportedAndLeavesNoMessage) {
    Zar().Messages().SetFailCreation(true);
    IMessage* message = reinterpret_cast<IMessage*>(1);
    Arguments none;
    EXPECT_EQ(Class(257).CreateMessage(none.Params(), &message), E_FAIL);
    EXPECT_EQ(message, nullptr);
}

TEST_F(AutomationMessages, AMessageForATargetRecordsTheTargetsName) {
    const DWORD view = (static_cast<DWORD>(Zar().MessageIds().NumberOf(TarvikDocumentGUID)) << 16) | 4;
    Zar().MessageIds().NameId(view, u"Loop View");
    IMessage* message = nullptr;
    const DWORD block = 0;
    Zar().Messages().CreateMessage(DocMsgId(257), kMessageRecordsTarget, view, 1, nullptr, &block, &message);
    auto recorder = ComPtr<Vantrel::ScriptRecorder>::Adopt(new Vantrel::ScriptRecorder);
    EXPECT_EQ(Class(257).GetMessageText(0, message, recorder.Get(), 0), S_OK);
    message->Release();
    EXPECT_EQ(recorder->Script(), u"Call Doc.AnalyzeTarvikNow(ViewType:=\"Loop View\")\n");
}

} // namespace
