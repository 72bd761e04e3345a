#include <cmath>
#include <filesystem>

#include <gtest/gtest.h>

#include "analysis/TarvikData.h"
#include "analysis/TarvikEdpEvent.h"
#include "host/engine/ComObject.h"
#include "host/framework/EventMarkers.h"
#include "platform/gdi/Png.h"
#include "platform/vantrel/HostDocObject.h"
#include "tests/platform/gdi/Canvas.h"
#include "tests/support/FakeLoopHost.h"
#include "tests/support/ModuleHost.h"
#include "views/TEventDrawClass.h"
#include "views/TarvikEventDrawPolicy.h"

namespace {

using namespace Tarvik;
using FakeLoopHost::LastInBlock;
using FakeLoopHost::MakeLoop;
using LoopDrawClass = StrevClient::TEventDrawClass<TarvikEventDrawPolicy>;
using EdpDrawClass = StrevClient::TEventDrawClass<TarvikEdpEventDrawPolicy>;

// The chain from a data object to the module's loop data: the data's owner
// keeps the loop data under the loop data's type id.
struct FakeOwner : Vantrel::ComObject<IChildDataHost> {
    IUnknown* child = nullptr;
    DWORD askedFor = 0;
    HRESULT GetChildData(DWORD, DWORD typeId, IUnknown** data) override {
        askedFor = typeId;
        *data = child;
        if (child == nullptr)
            return S_FALSE;
        child->AddRef();
        return S_OK;
    }
    void* find(REFIID iid) override {
        return iid == IID_IChildDataHost ? static_cast<IChildDataHost*>(this) : nullptr;
    }
};

struct FakeData : Vantrel::ComObject<IDocumentDataEx> {
    FakeOwner* owner = nullptr;
    HRESULT IsValidPosition(HostTickPosition, WORD*) override { return E_NOTIMPL; }
    HRESULT GetOwnerObject(IUnknown** out) override {
        *out = owner;
        owner->AddRef();
        return S_OK;
    }
    HRESULT PositionOfTickCount(std::int64_t, HostTickPosition*) override { return E_NOTIMPL; }
    HRESULT TickCountOfPosition(HostTickPosition, std::int64_t*) override { return E_NOTIMPL; }
    void* find(REFIID iid) override {
        return iid == IID_IDocumentDataEx ? static_cast<IDocumentDataEx*>(this) : nullptr;
    }
};

// Record 0 holds loops at ticks 0, 100 (excluded) and 200, record 1 loops at
// 1000 and 1100; each ends with its last-in-block event. The loop at (1, 1100)
// is the fifth the analysis includes: number 4.
class EventDrawing : public TarvikTest::ModuleHost {
protected:
    EventDrawing() {
        loopData->GetVChanData().DefineChannels();
        Feed(0, {MakeLoop({0}), MakeLoop({100, 0, 0, 0, 0, TarvikEvent::Marked}), MakeLoop({200}),
                 LastInBlock(300)});
        Feed(1, {MakeLoop({1000}), MakeLoop({1100}), LastInBlock(1200)});
        owner.child = static_cast<IStrevDataChildData*>(loopData);
        data.owner = &owner;
        event.value = 87.5;
        event.hr = 300.0;
    }
    ~EventDrawing() override {
        loopData->Release();
        EXPECT_EQ(host.references, 1u) << "references to the host's data handed out and not released";
    }
    void Feed(std::int32_t record, const std::vector<TarvikEvent>& loops) {
        host.SetEvents(FakeLoopHost::kLoopChannel, record, loops);
        for (const TarvikEvent& e : loops)
            loopData->GetVChanData().AddLoop(record, e);
    }
    std::u16string Label(IPODEventDrawClass& drawClass, LONG record, LONG tick, const void* record_) {
        IAutoOvoString* text = nullptr;
        EXPECT_EQ(drawClass.GetLabel(&data, record, tick, record_, &text), S_OK);
        Ovo::String s;
        s.AssignAndRelease(text);
        return s.ToU16String();
    }

    FakeLoopHost::HostData host;
    FakeLoopHost::Document document{&host};
    TarvikData* loopData = new TarvikData(document);
    FakeOwner owner;
    FakeData data;
    TarvikEvent event;
};

TEST_F(EventDrawing, LoopLabelsNameTheLoopItsValueAndItsPeriod) {
    LoopDrawClass drawClass;
    EXPECT_EQ(Label(drawClass, 1, 1100, &event), u"Tarvik: 4; Value = 87.5; Period = 0.2 s");
    EXPECT_EQ(owner.askedFor, DocMsgId<5>());
    EXPECT_EQ(Label(drawClass, 0, 200, &event), u"Tarvik: 2; Value = 87.5; Period = 0.2 s");
    event.state = TarvikEvent::Marked;
    EXPECT_EQ(Label(drawClass, 1, 1100, &event), u"Tarvik: 4, Excluded. Value = 87.5; Period = 0.2 s");
    event.state = TarvikEvent::LastInBlock;
    EXPECT_EQ(Label(drawClass, 0, 300, &event), u"Last in block. Value = 87.5");
}

TEST_F(EventDrawing, APositionWithoutALoopOfTheModulesLoopDataIsNumberMinusOne) {
    LoopDrawClass drawClass;
    const std::u16string unknown = u"Tarvik: -1; Value = 87.5; Period = 0.2 s";
    EXPECT_EQ(Label(drawClass, 1, 1050, &event), unknown) << "no loop at the tick";
    EXPECT_EQ(Label(drawClass, 2, 2000, &event), unknown) << "a record past the analysis";
    owner.child = &data;
    EXPECT_EQ(Label(drawClass, 1, 1100, &event), unknown) << "child data that is not the loop data";
    owner.child = nullptr;
    EXPECT_EQ(Label(drawClass, 1, 1100, &event), unknown) << "no child data";
    IAutoOvoString* text = nullptr;
    ASSERT_EQ(drawClass.GetLabel(nullptr, 1, 1100, &event, &text), S_OK);
    Ovo::String s;
    s.AssignAndRelease(text);
    EXPECT_EQ(s.ToU16String(), unknown);
}

TEST_F(EventDrawing, AHeartRateThatIsNotAPositiveNumberGivesNoPeriod) {
    for (double hr : {0.0, -60.0, std::nan(""), HUGE_VAL}) {
        event.hr = hr;
        EXPECT_EQ(TarvikEventDrawPolicy::LoopLabel(event, 3).ToU16String(), u"Tarvik: 3; Value = 87.5") << hr;
    }
}

TEST_F(EventDrawing, ColoursFollowTheLoopsState) {
    LoopDrawClass loopsClass;
    EdpDrawClass edpClass;
    TarvikEdpEvent edp;
    struct Case {
        std::uint32_t state;
        COLORREF colour;
    };
    for (const Case c : {Case{0, 0x00FF00}, Case{1, 0x404040}, Case{2, 0x808080}, Case{7, 0x00FF00}}) {
        event.state = c.state;
        COLORREF colour = 0;
        EXPECT_EQ(loopsClass.GetColour(&event, &colour), S_OK);
        EXPECT_EQ(colour, c.colour) << c.state;
    }
    COLORREF colour = 0;
    EXPECT_EQ(edpClass.GetColour(&edp, &colour), S_OK);
    EXPECT_EQ(colour, 0x00FF00u);
    EXPECT_EQ(Label(edpClass, 0, 0, &edp), u"EDP Event");
    IAutoOvoString* text = nullptr;
    EXPECT_EQ(loopsClass.GetColour(nullptr, &colour), E_FAIL);
    EXPECT_EQ(loopsClass.GetLabel(&data, 0, 0, nullptr, &text), E_FAIL);
    EXPECT_EQ(edpClass.GetColour(nullptr, &colour), E_FAIL);
    EXPECT_EQ(edpClass.GetLabel(&data, 0, 0, nullptr, &text), E_FAIL);
}

TEST_F(EventDrawing, BothClassesShareANameAndDifferInTheirTypeId) {
    auto* loopsClass = new LoopDrawClass;
    auto* edpClass = new EdpDrawClass;
    loopsClass->AddRef();
    edpClass->AddRef();
    DWORD loopId = 0;
    DWORD edpId = 0;
    ASSERT_EQ(loopsClass->GetClassId(&loopId), S_OK);
    ASSERT_EQ(edpClass->GetClassId(&edpId), S_OK);
    EXPECT_EQ(loopId >> 16, MessageSpace(TarvikEventDrawGUID));
    EXPECT_NE(loopId >> 16, 0u);
    EXPECT_EQ(loopId & 0xFFFF, 0u);
    EXPECT_EQ(edpId, loopId | 1);
    BSTR name = nullptr;
    loopsClass->GetNameBSTR(&name);
    EXPECT_EQ(std::u16string(name), u"RiDudaEventDrawClass");
    SysFreeString(name);
    EXPECT_EQ(edpClass->IsTypeGuid(nullptr), S_FALSE);

    void* out = nullptr;
    ASSERT_EQ(loopsClass->QueryInterface(IID_ICAFClassObject, &out), S_OK);
    EXPECT_EQ(out, static_cast<ICAFClassObject*>(loopsClass));
    static_cast<IUnknown*>(static_cast<ICAFClassObject*>(out))->Release();
    EXPECT_EQ(loopsClass->QueryInterface(IID_IRecordingView, &out), E_NOINTERFACE);
    EXPECT_EQ(loopsClass->Release(), 0u);
    EXPECT_EQ(edpClass->Release(), 0u);
}

TEST_F(EventDrawing, TheHostDrawsALoopsMarkerAndLabelOnItsTrace) {
    gdi_test::Canvas trace(260, 40);
    LoopDrawClass drawClass;
    const RECT area{0, 0, 260, 40};
    ASSERT_EQ(Vantrel::DrawEventMarker(drawClass, &data, {1, 1100, &event}, trace.dc(), area, 20), S_OK);

    const auto& calls = gdi::DisplayListOf(trace.dc())->Calls();
    ASSERT_EQ(calls.size(), 3u);
    EXPECT_EQ(calls[1].name, "LineTo");
    EXPECT_EQ(calls[1].args, (std::vector<std::int64_t>{20, 0, 20, 40}));
    EXPECT_EQ(calls[1].penColor, 0x00FF00u);
    EXPECT_EQ(calls[2].name, "TextOutW");
    EXPECT_EQ(calls[2].text, u"Tarvik: 4; Value = 87.5; Period = 0.2 s");
    EXPECT_EQ(calls[2].textColor, 0x00FF00u);

    EXPECT_EQ(trace.At(20, 0), RGB(0, 255, 0));
    EXPECT_EQ(trace.At(20, 39), RGB(0, 255, 0));
    EXPECT_EQ(trace.At(19, 20), RGB(255, 255, 255));
    int labelPixels = 0;
    for (auto [x, y] : trace.NotEqual(RGB(255, 255, 255)))
        labelPixels += x > 22 ? 1 : 0;
    EXPECT_GT(labelPixels, 50);

    const auto path = std::filesystem::temp_directory_path() / "tarvik-loop-event-marker.png";
    gdi::SavePng(*gdi::SurfaceOf(trace.bitmap()), path.string());
    EXPECT_EQ(gdi::DifferentPixels(gdi::LoadPng(path.string()), *gdi::SurfaceOf(trace.bitmap())), 0u);
}

TEST_F(EventDrawing, ARefusedEventDrawsNothing) {
    gdi_test::Canvas trace(50, 20);
    LoopDrawClass drawClass;
    EXPECT_EQ(Vantrel::DrawEventMarker(drawClass, &data, {0, 0, nullptr}, trace.dc(), {0, 0, 50, 20}, 5),
              E_FAIL);
    EXPECT_TRUE(trace.NotEqual(RGB(255, 255, 255)).empty());
}

} // namespace
