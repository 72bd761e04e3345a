#include <gtest/gtest.h>

#include "host/engine/ComObject.h"
#include "module/MessageIds.h"
#include "platform/vantrel/DocView.h"
#include "tests/support/ModuleHost.h"
#include "views/PreviewRange.h"

namespace {

using namespace Tarvik;

// Positions of record r, tick t count r * 1000000 + t ticks from the start;
// the reported form of a position is its tick plus 1000; record 99 is not in
// the data.
struct FakeData : Vantrel::ComObject<IHostDataObject, IDocumentDataEx> {
    std::int64_t tickCount = 0;
    void* find(REFIID iid) override {
        if (iid == IID_IHostDataObject)
            return static_cast<IHostDataObject*>(this);
        return iid == IID_IDocumentDataEx ? static_cast<IDocumentDataEx*>(this) : nullptr;
    }
    HRESULT MapPosition(HostTickPosition in, HostTickPosition* out) override {
        *out = in;
        return S_OK;
    }
    HRESULT ReportPosition(HostTickPosition in, HostTickPosition* out) override {
        *out = {in.record, in.tick + 1000};
        return S_OK;
    }
    HRESULT GetTickCount(DWORD, std::int64_t* count) override {
        *count = tickCount;
        return S_OK;
    }
    HRESULT IsValidPosition(HostTickPosition p, WORD* valid) override {
        *valid = p.record != 99 ? 1 : 0;
        return S_OK;
    }
    HRESULT GetOwnerObject(IUnknown**) override { return E_NOTIMPL; }
    HRESULT PositionOfTickCount(std::int64_t count, HostTickPosition* p) override {
        *p = {0, static_cast<LONG>(count)};
        return S_OK;
    }
    HRESULT TickCountOfPosition(HostTickPosition p, std::int64_t* count) override {
        *count = std::int64_t{p.record} * 1000000 + p.tick;
        return S_OK;
    }
};

struct FakeSelection : Vantrel::ComObject<IHostSelection> {
    HostTickPosition first{0, 0}, last{0, 0};
    WORD present = 1;
    HRESULT ends = S_OK;
    void* find(REFIID iid) override {
        return iid == IID_IHostSelection ? static_cast<IHostSelection*>(this) : nullptr;
    }
    HRESULT GetEnds(HostTickPosition* a, HostTickPosition* b) override {
        *a = first;
        *b = last;
        return ends;
    }
    HRESULT HasSelection(WORD* p) override {
        *p = present;
        return S_OK;
    }
};

struct FakeView : Vantrel::ComObject<IRecordingView> {
    void* find(REFIID iid) override {
        return iid == IID_IRecordingView ? static_cast<IRecordingView*>(this) : nullptr;
    }
    HRESULT GetShownRange(HostTickPosition* a, HostTickPosition* b) override {
        *a = {1, 10};
        *b = {1, 20};
        return S_OK;
    }
    HRESULT GetCompression(double* c) override {
        *c = 7.5;
        return S_OK;
    }
};

struct FakeHost : Vantrel::ComObject<IHostDocObject, IHostDocumentEx> {
    FakeData* data = nullptr;
    FakeSelection* selection = nullptr;
    FakeView* view = nullptr;
    DWORD askedFor = 0;
    void* find(REFIID iid) override {
        if (iid == IID_IHostDocObject)
            return static_cast<IHostDocObject*>(this);
        return iid == IID_IHostDocumentEx ? static_cast<IHostDocumentEx*>(this) : nullptr;
    }
    template <class I, class T> static HRESULT Give(T* object, I** out) {
        *out = object;
        if (!object)
            return S_FALSE;
        object->AddRef();
        return S_OK;
    }
    HRESULT GetDataObject(DWORD, IHostDataObject** out) override { return Give(data, out); }
    HRESULT GetSelection(DWORD, IHostSelection** out) override { return Give(selection, out); }
    HRESULT GetTitle(BSTR*) override { return E_NOTIMPL; }
    HRESULT GetObjectById(DWORD id, IUnknown** out) override {
        askedFor = id;
        return Give(static_cast<IUnknown*>(view), out);
    }
};

class PreviewRange : public TarvikTest::ModuleHost {
protected:
    PreviewRange() { host.data = &data; }
    void Run() { GetPreviewRange(&host, start, end, compression); }

    FakeData data;
    FakeSelection selection;
    FakeView view;
    FakeHost host;
    TickPosition start, end;
    double compression = -1;
};

TEST_F(PreviewRange, ASelectionFitsFourHundredPixelsOnTheLadder) {
    host.selection = &selection;
    struct Case {
        LONG ticks;
        double compression;
    };
    for (const Case c : {Case{400, 1}, Case{401, 2}, Case{2000, 5}, Case{400000, 1000}, Case{400001, 2000},
                         Case{40000000, 2000}, Case{-50, 1}}) {
        selection.first = {0, 100};
        selection.last = {0, 100 + c.ticks};
        Run();
        EXPECT_EQ(compression, c.compression) << c.ticks;
        EXPECT_EQ(start, (TickPosition{0, 1100}));
        EXPECT_EQ(end, (TickPosition{0, 1100 + c.ticks}));
    }
}

TEST_F(PreviewRange, WithoutASelectionTheHostsViewDecides) {
    host.view = &view;
    Run();
    EXPECT_EQ(start, (TickPosition{1, 1010}));
    EXPECT_EQ(end, (TickPosition{1, 1020}));
    EXPECT_EQ(compression, 7.5);
    EXPECT_EQ(host.askedFor, (MsgIdClass<HostMsgGuidC203, 2>::Id()));

    host.selection = &selection;
    selection.present = 0;
    Run();
    EXPECT_EQ(compression, 7.5) << "an empty selection is no selection";
    selection.present = 1;
    selection.ends = E_FAIL;
    Run();
    EXPECT_EQ(start, (TickPosition{1, 1010}));
}

TEST_F(PreviewRange, ASelectionReportedAsOnePositionTakesTheViewsCompression) {
    host.selection = &selection;
    selection.first = selection.last = {0, 300};
    Run();
    EXPECT_EQ(start, end);
    EXPECT_EQ(compression, 1.0);
    host.view = &view;
    Run();
    EXPECT_EQ(start, (TickPosition{0, 1300}));
    EXPECT_EQ(compression, 7.5);
}

TEST_F(PreviewRange, RejectedEndsFallBackToTheEndOfTheRecording) {
    host.selection = &selection;
    selection.first = {99, 0};
    selection.last = {99, 10};
    Run();
    EXPECT_EQ(start, (TickPosition{0, 0}));
    EXPECT_EQ(end, (TickPosition{0, 0})) << "no ticks in the recording";
    data.tickCount = 5000;
    Run();
    EXPECT_EQ(end, (TickPosition{0, 6000}));
}

TEST_F(PreviewRange, NeitherSelectionNorViewShowsTheStartAtCompressionOne) {
    Run();
    EXPECT_EQ(start, (TickPosition{0, 1000}));
    EXPECT_EQ(end, (TickPosition{0, 1000}));
    EXPECT_EQ(compression, 1.0);
}

TEST_F(PreviewRange, MissingHostObjectsGiveTheOriginAtCompressionOne) {
    GetPreviewRange(nullptr, start, end, compression);
    EXPECT_EQ(start, (TickPosition{0, 0}));
    EXPECT_EQ(compression, 1.0);
    host.data = nullptr;
    compression = -1;
    Run();
    EXPECT_EQ(end, (TickPosition{0, 0}));
    EXPECT_EQ(compression, 1.0);
}

} // namespace
