#include "panes/DrawerBase.h"

#include <gtest/gtest.h>

#include "FakeRecordSource.h"

namespace {

using panes_test::FakeData;
using panes_test::FakeSource;
using StrevDraw::DrawerBase;

// The smallest drawer: counts its Invalidate calls.
class Drawer : public DrawerBase {
public:
    using DrawerBase::DrawerBase;
    HRESULT QueryDataByPosition(DWORD_PTR, LONGLONG, double*, LONG*) override { return S_FALSE; }
    HRESULT SetViewRect(DWORD_PTR, LONG, const double*, IUnknown*) override { return S_OK; }
    HRESULT Invalidate(DWORD what) override {
        lastInvalidate = what;
        return S_OK;
    }
    HRESULT Draw(HDC, LONGLONG, LONGLONG, LONGLONG, LONG, LONG, const RECT*, DWORD, const TimeAxisLayout*,
                 const RecordTime*) override {
        return S_OK;
    }
    HRESULT HitTest(DWORD, DWORD_PTR, LONG, LONG, LONG*) override { return S_FALSE; }
    DWORD lastInvalidate = 0;
};

ComPtr<Drawer> MakeDrawer(LONG channel, LONG displayChannel = StrevDraw::kNoChannel,
                          DWORD displaySelector = 0) {
    return ComPtr<Drawer>(new Drawer(StrevDraw::kTraceKind, 0x2000 | 0x5A, channel, 0xC0000003u,
                                     displayChannel, displaySelector));
}

TEST(DrawerBaseTest, DisplayChannelFallsBackToTheChannelPair) {
    ChannelPair pair;
    MakeDrawer(3)->GetDisplayChannel(&pair);
    EXPECT_EQ(pair, (ChannelPair{3, 0xC0000003u}));
    MakeDrawer(3, 5, 0x40u)->GetDisplayChannel(&pair);
    EXPECT_EQ(pair, (ChannelPair{5, 0x40u}));
    MakeDrawer(3, 5, 0x40u)->GetChannel(&pair);
    EXPECT_EQ(pair, (ChannelPair{3, 0xC0000003u}));
}

TEST(DrawerBaseTest, AnswersItsOwnInterfaceOnly) {
    auto drawer = MakeDrawer(0);
    void* out = reinterpret_cast<void*>(1);
    EXPECT_EQ(drawer->QueryInterface(IID_IRecordData, &out), E_NOINTERFACE);
    EXPECT_EQ(out, nullptr);
    ASSERT_EQ(drawer->QueryInterface(IID_IStrevRecordDrawer, &out), S_OK);
    EXPECT_EQ(out, static_cast<IStrevRecordDrawer*>(drawer.Get()));
    EXPECT_EQ(drawer->QueryInterface(IID_IUnknown, &out), S_OK);
    drawer->Release();
    drawer->Release();
}

TEST(DrawerBaseTest, ReadsValuesThroughTheSourcesDataObject) {
    std::vector<std::string> log;
    auto* data = new FakeData(&log);
    auto source = ComPtr<IRecordSource>(new FakeSource(data, &log));
    auto drawer = MakeDrawer(4);

    double value = -1;
    EXPECT_EQ(drawer->QueryData(10, &value), S_FALSE) << "no source yet";
    drawer->SetSource(0, source.Get());
    ASSERT_EQ(drawer->QueryData(10, &value), S_OK);
    EXPECT_EQ(value, 5.0);
    EXPECT_EQ(data->lastKey, 0x2000u | 0xC0000003u) << "low byte of the data flags replaced by the selector";
    EXPECT_EQ(data->lastChannel, 4);

    auto none = MakeDrawer(-1);
    none->SetSource(0, source.Get());
    value = -1;
    EXPECT_EQ(none->QueryData(10, &value), S_FALSE);
    EXPECT_EQ(value, 0.0);
}

TEST(DrawerBaseTest, ActivationTakesTheSourceCookieAndSetSourceEndsIt) {
    std::vector<std::string> log;
    auto source = ComPtr<IRecordSource>(new FakeSource(new FakeData(&log), &log));
    auto drawer = MakeDrawer(0);
    drawer->Activate(0, 0);
    EXPECT_EQ(drawer->SourceCookie(), -1) << "no data object: no cookie";
    EXPECT_TRUE(drawer->IsAttached());
    EXPECT_EQ(drawer->lastInvalidate, 0xFF000000u);

    drawer->SetSource(0, source.Get());
    EXPECT_FALSE(drawer->IsAttached());
    drawer->Activate(0, 0xFFFF);
    EXPECT_TRUE(drawer->IsActive());
    EXPECT_EQ(drawer->SourceCookie(), 7);
    drawer->Deactivate(0, 0);
    EXPECT_FALSE(drawer->IsAttached());
    EXPECT_TRUE(drawer->IsActive());
}

TEST(DrawerBaseTest, LastReleaseLetsGoOfTheDataObjectBeforeTheSource) {
    std::vector<std::string> log;
    {
        auto drawer = MakeDrawer(0);
        IRecordSource* source = new FakeSource(new FakeData(&log), &log);
        drawer->SetSource(0, source);
        drawer->SetSource(0, source); // rebinding the same source keeps it alive
        log.clear();
    }
    // The source dies with the drawer's release and then lets go of its data object.
    EXPECT_EQ(log, (std::vector<std::string>{"data", "source", "data"}));
}

TEST(DrawerBaseTest, OperationsItDoesNotOfferAnswerNotImplemented) {
    auto drawer = MakeDrawer(0);
    IStrevRecordDrawer* copy = reinterpret_cast<IStrevRecordDrawer*>(1);
    EXPECT_EQ(drawer->Clone(0, &copy), E_NOTIMPL);
    EXPECT_EQ(copy, nullptr);
    EXPECT_EQ(drawer->GetPaneId(nullptr), E_NOTIMPL);
    EXPECT_EQ(drawer->ReleaseSources(), E_NOTIMPL);
    EXPECT_EQ(drawer->GetExtent(0, 0, nullptr), S_FALSE);
    DWORD layer = 1;
    LONG left = 1, right = 1;
    drawer->GetLayout(nullptr, &layer, &left, &right);
    EXPECT_EQ(layer + left + right, 0u);
    EXPECT_EQ(drawer->Lane(), -2);
    drawer->SetOrder(0, 3);
    EXPECT_EQ(drawer->Lane(), 3);
}

} // namespace
