#include <vector>

#include "core/MsgData.h"
#include "host/framework/ScriptRecorder.h"
#include "module/ActiveDocumentMessages.h"
#include "module/AutomationMessageClasses.h"
#include "module/MessageIds.h"
#include "platform/win32/com_ptr.h"
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
