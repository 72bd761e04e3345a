#include <vector>

#include <gtest/gtest.h>

#include "core/MessageParamText.h"
#include "host/framework/ScriptRecorder.h"

namespace {

using Ovo::String;

std::vector<std::u16string> Elements(const char16_t* text) {
    std::vector<std::u16string> result;
    for (const String& element : Ovo::SplitParamText(String(text), String(u"{{"), String(u"}}")))
        result.push_back(element.ToU16String());
    return result;
}

TEST(ParamText, SplitsAtCommasOutsideGroups) {
    using E = std::vector<std::u16string>;
    EXPECT_EQ(Elements(u"rect,area,{{1,2,3,4}}"), (E{u"rect", u"area", u"1, 2, 3, 4"}));
    EXPECT_EQ(Elements(u"a,b,"), (E{u"a", u"b", u""}));
    EXPECT_EQ(Elements(u"x,{{solo}},y"), (E{u"x", u"{{solo}}", u"y"}))
        << "a group without a comma keeps its markers";
    EXPECT_EQ(Elements(u"x,{{1,2"), (E{u"x"})) << "a group never closed is dropped";
    EXPECT_EQ(Elements(u""), E{});
    EXPECT_TRUE(Ovo::IsInsideGroup(String(u"a,{{b,c}}"), 5, String(u"{{"), String(u"}}")));
    EXPECT_FALSE(Ovo::IsInsideGroup(String(u"a,{{b,c}}"), 5, String(), String(u"}}")));
}

TEST(ParamText, TypeNamesGiveScriptTypeCodes) {
    EXPECT_EQ(Ovo::ParamTypeCode(String(u"string")), 2);
    EXPECT_EQ(Ovo::ParamTypeCode(String(u"safearray")), 3);
    EXPECT_EQ(Ovo::ParamTypeCode(String(u"rect")), 4);
    EXPECT_EQ(Ovo::ParamTypeCode(String(u"bool")), 5);
    EXPECT_EQ(Ovo::ParamTypeCode(String(u"long")), 0);
    EXPECT_EQ(Ovo::ParamTypeCode(String(u"String")), 0) << "the caller lower-cases";
}

struct Recorded {
    HRESULT result;
    std::u16string script;
};

Recorded Record(const char16_t* paramText, DWORD flags = 0) {
    auto* recorder = new Vantrel::ScriptRecorder;
    HRESULT hr = Ovo::RecordMessage(String(u"Msg"), String(paramText), recorder, flags);
    Recorded recorded{hr, recorder->Script()};
    recorder->Release();
    return recorded;
}

TEST(ParamText, RecordsOneCallStatementPerMessage) {
    struct Case {
        const char16_t* text;
        const char16_t* script;
    };
    const Case cases[] = {
        {u"LONG,position,2,double,parallelConductance,1.5",
         u"Call Doc.Msg(position:=2, parallelConductance:=1.5)\n"},
        {u"string,s,a;;b", u"Call Doc.Msg(s:=\"a,b\")\n"},
        {u"bool,x;y,1", u"Call Doc.Msg(x,y:=True)\n"},
        {u"a,b,", u"Call Doc.Msg(b:=)\n"},
        {u"", u"Call Doc.Msg\n"},
    };
    for (const Case& c : cases) {
        Recorded r = Record(c.text);
        EXPECT_EQ(r.result, S_OK) << String(c.text).ToUtf8();
        EXPECT_EQ(r.script, c.script) << String(c.text).ToUtf8();
    }
}

TEST(ParamText, ATextThatIsNotWholeTriplesRecordsNothingAndSaysSo) {
    Recorded r = Record(u"double,v");
    EXPECT_EQ(r.result, E_INVALIDARG);
    EXPECT_EQ(r.script, u"");
}

TEST(ParamText, ArraysAndRectanglesUseTheBlockForm) {
    Recorded r = Record(u"rect,area,{{1,2,3,4}},LONG,n;m,7");
    EXPECT_EQ(r.script, u"' Begin Msg\n"
                        u"Dim area = Array(1, 2, 3, 4)\n"
                        u"n,m = 7\n"
                        u"Call Doc.Msg(area:=area, n,m:=n,m)\n"
                        u"' End Msg\n\n");
    auto* recorder = new Vantrel::ScriptRecorder;
    Ovo::RecordMessageBlock(String(u"Msg"), String(u"safearray,list,{{7,5}}"), recorder, kRecordNoComments);
    EXPECT_EQ(recorder->Script(), u"Dim list = Array(7, 5)\nCall Doc.Msg(list:=list)\n")
        << "no comment lines";
    recorder->Release();
}

TEST(ParamText, AnEmptyGroupItemOfAnArrayIsZero) {
    auto* recorder = new Vantrel::ScriptRecorder;
    String value(u"{{}},5");
    EXPECT_EQ(Ovo::RecordArrayArgument(recorder, String(u"list - the values"), value, 0), S_OK);
    EXPECT_EQ(recorder->Script(), u"Dim list = Array(0,5)\n");
    EXPECT_EQ(value.ToU16String(), u"list") << "the value becomes the variable";
    recorder->Release();
}

TEST(ParamText, TheOpeningCommentCarriesTheCommentFlag) {
    auto* recorder = new Vantrel::ScriptRecorder;
    Ovo::RecordMessageBlock(String(u"Msg"), String(), recorder, 0x4);
    ASSERT_EQ(recorder->Written().size(), 3u);
    EXPECT_EQ(recorder->Written()[0].flags, 0x4u | kRecordCommentLine);
    EXPECT_EQ(recorder->Written()[1].flags, 0x4u);
    EXPECT_EQ(recorder->Written()[2].flags, 0x4u);
    recorder->Release();
}

TEST(ParamText, AFailingRecorderIsAnsweredWithItsResult) {
    auto* recorder = new Vantrel::ScriptRecorder;
    recorder->FailSlot(23);
    EXPECT_EQ(Ovo::RecordMessage(String(u"Msg"), String(), recorder, 0), E_FAIL);
    recorder->FailSlot(20);
    EXPECT_EQ(Ovo::RecordMessage(String(u"Msg"), String(), recorder, 0), E_FAIL);
    EXPECT_TRUE(recorder->Written().empty());
    recorder->Release();
}

TEST(ParamText, DescribesNameDescriptionAndParameters) {
    auto* sink = new Vantrel::LineSink;
    Ovo::DescriptionText(
        String(u"EditParallelConductanceInList"), String(u"Edits a value"),
        String(u"LONG,position - position in the list,0,double,parallelConductance - new; value,0"), sink, 9);
    ASSERT_EQ(sink->Lines().size(), 4u);
    EXPECT_EQ(sink->Lines()[0].text, u"Name:        EditParallelConductanceInList");
    EXPECT_EQ(sink->Lines()[1].text, u"Description: Edits a value");
    EXPECT_EQ(sink->Lines()[2].text, u"Parameters:  position - position in the list,");
    EXPECT_EQ(sink->Lines()[3].text, u"             parallelConductance - new, value");
    EXPECT_EQ(sink->Lines()[3].cookie, 9u);
    sink->Release();
}

} // namespace
