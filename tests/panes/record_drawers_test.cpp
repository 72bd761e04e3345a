#include <gtest/gtest.h>

#include <cmath>

#include "PaneFixtures.h"
#include "host/drawing/RecordingDrawSource.h"
#include "panes/TraceDrawer.h"
#include "platform/gdi/probe.h"
#include "tests/support/GoldenImage.h"
#include "tools/pvsim/PvGenerator.h"
#include "tools/pvsim/Simulation.h"

namespace {

using namespace panes_test;
using StrevDraw::EventDrawer;
using StrevDraw::PolyLineTraceDrawer;

constexpr LONG kPressure = 0;
// Rows of a 120-pixel strip: 0 mmHg at row 110, 150 mmHg at row 10.
constexpr double kPressureScale[2] = {-100.0 / 150.0, -165.0};

// Two seconds of a generated left-ventricular recording with its end-diastolic
// points as events of the pressure channel.
struct Generated {
    PvSim::Simulation simulation;
    Generated() : simulation(Make()) {
        for (const PvSim::BeatTruth& beat : simulation.beats)
            simulation.recording.addEvent(0, kPressure, {beat.edTick, 0.0});
    }
    static PvSim::Simulation Make() {
        PvSim::SimParams params;
        params.duration = 2.0;
        params.sampleRate = 1000.0;
        return PvSim::simulate(params);
    }
};

// A lane 400 pixels wide (positions of 5 samples) drawing the pressure trace and its events.
struct LaneDrawing {
    Generated generated;
    ComPtr<Vantrel::RecordingDrawSource> source = ComPtr<Vantrel::RecordingDrawSource>::Adopt(
        new Vantrel::RecordingDrawSource(generated.simulation.recording, 5));
    FakeOwner owner;
    ComPtr<Lane> lane{new Lane(&owner, 0)};
    ComPtr<PolyLineTraceDrawer> trace{new PolyLineTraceDrawer(kPressure, 0, RGB(200, 0, 0))};
    ComPtr<EventDrawer> events{new EventDrawer(kPressure, 0)};
    Canvas canvas{400, 120};

    LaneDrawing() {
        owner.buffered = false;
        lane->SetLayout(0, {}, {0, 0, 400, 120}, 0, 0, 0);
        for (IStrevRecordDrawer* drawer : {static_cast<IStrevRecordDrawer*>(trace.Get()),
                                           static_cast<IStrevRecordDrawer*>(events.Get())}) {
            lane->AddDrawer(0, drawer, 255);
            drawer->SetSource(0, static_cast<IRecordSource*>(source.Get()));
            drawer->Activate(1, 1);
        }
        trace->SetViewRect(1, 0, kPressureScale, nullptr);
    }
    void Draw() {
        StrevDraw::LaneDrawArgs args;
        args.update = {0, 0, 400, 120};
        lane->Draw(canvas.dc, args);
    }
};

TEST(RecordDrawersTest, ALaneShowsAGeneratedPressureTraceWithItsEndDiastolicEvents) {
    LaneDrawing drawing;
    drawing.Draw();
    const auto surface = gdi::SurfaceOf(drawing.canvas.dc);
    ASSERT_TRUE(surface);
    EXPECT_TRUE(golden::Matches(*surface, "panes-pressure-trace-events"));

    const auto markers = gdi::DisplayListOf(drawing.canvas.dc)->Named("Ellipse");
    ASSERT_EQ(markers.size(), drawing.generated.simulation.beats.size());
    const auto& first = drawing.generated.simulation.beats.front();
    ASSERT_EQ(markers[0].args.size(), 4u);
    EXPECT_EQ(markers[0].args[0], first.edTick / 5 - 3) << "a 7-pixel marker round the event's column";
    EXPECT_EQ(markers[0].args[2] - markers[0].args[0], 7);
}

TEST(RecordDrawersTest, TheTracesHighestPointIsTheHighestPressure) {
    LaneDrawing drawing;
    drawing.Draw();
    const auto lines = gdi::DisplayListOf(drawing.canvas.dc)->Named("PolyPolyline");
    ASSERT_FALSE(lines.empty());
    double highest = 0;
    for (const float p : drawing.generated.simulation.recording.record(0).samples(kPressure))
        highest = std::max(highest, static_cast<double>(p));
    const int row = static_cast<int>(std::lround((kPressureScale[1] + highest) * kPressureScale[0]));
    bool reached = false, above = false;
    for (int x = 0; x < 400; ++x) {
        reached |= GetPixel(drawing.canvas.dc, x, row) == RGB(200, 0, 0);
        above |= row > 0 && GetPixel(drawing.canvas.dc, x, row - 2) == RGB(200, 0, 0);
    }
    EXPECT_TRUE(reached);
    EXPECT_FALSE(above);
}

// A segment source that answers the same points without moving on.
struct StuckSource : Vantrel::ComObject<ISegmentSource> {
    int calls = 0;
    HRESULT NextSegments(LONGLONG, LONG x, LONG, POINT* points, LONG* count, LONGLONG* consumed) override {
        ++calls;
        points[0] = {x, 0};
        points[1] = {x, 5};
        *count = 2;
        *consumed = 0;
        return S_OK;
    }
    HRESULT GetPosition(LONGLONG* position) override {
        *position = 0;
        return S_OK;
    }
    HRESULT GetExtent(LONGLONG* extent) override {
        *extent = 0;
        return S_OK;
    }
    void* find(REFIID) override { return nullptr; }
};

struct StuckData : Vantrel::ComObject<IRecordData> {
    HRESULT GetRecordEnd(LONG, RecordPosition*) override { return E_NOTIMPL; }
    HRESULT TickToPosition(LONG, LONG, LONGLONG*) override { return E_NOTIMPL; }
    HRESULT PositionToTick(LONGLONG, LONG* tick) override {
        *tick = 0;
        return S_OK;
    }
    HRESULT CreateSegmentSource(DWORD, LONG, LONGLONG, LONGLONG, LONG, LONG, const double*, DWORD,
                                ISegmentSource** out) override {
        stuck->AddRef();
        *out = stuck;
        return S_OK;
    }
    void* find(REFIID iid) override {
        return iid == IID_IRecordData ? static_cast<IRecordData*>(this) : nullptr;
    }
    StuckSource* stuck = new StuckSource;
    ~StuckData() override { stuck->Release(); }
};

struct StuckRecords : Vantrel::ComObject<IRecordSource> {
    HRESULT GetDataObject(IUnknown** object) override {
        data->AddRef();
        *object = static_cast<IRecordData*>(data);
        return S_OK;
    }
    void* find(REFIID iid) override {
        return iid == IID_IRecordSource ? static_cast<IRecordSource*>(this) : nullptr;
    }
    StuckData* data = new StuckData;
    ~StuckRecords() override { data->Release(); }
};

TEST(RecordDrawersTest, ASegmentSourceThatDoesNotMoveOnEndsTheDrawing) {
    auto records = ComPtr<StuckRecords>::Adopt(new StuckRecords);
    ComPtr<PolyLineTraceDrawer> trace{new PolyLineTraceDrawer(0, 0)};
    trace->SetSource(0, static_cast<IRecordSource*>(records.Get()));
    Canvas canvas(50, 20);
    trace->Draw(canvas.dc, 0, 40, 0, 0, 0, nullptr, 0, nullptr, nullptr);
    EXPECT_EQ(records->data->stuck->calls, 1);
}

TEST(RecordDrawersTest, KeptSegmentsContinueWhereTheyStoodAndAStripBeforeTheRecordIsClipped) {
    LaneDrawing drawing;
    drawing.trace->Draw(drawing.canvas.dc, 0, 100, 0, 0, 0, nullptr, StrevDraw::kDrawKeepSources, nullptr,
                        nullptr);
    ASSERT_TRUE(drawing.trace->KeepsSegments());
    const auto before = gdi::DisplayListOf(drawing.canvas.dc)->Named("PolyPolyline").size();
    // One position before where the source stands: it goes on one position and one pixel later.
    drawing.trace->Draw(drawing.canvas.dc, 99, 150, 0, 0, 99, nullptr, StrevDraw::kDrawKeepSources, nullptr,
                        nullptr);
    const auto calls = gdi::DisplayListOf(drawing.canvas.dc)->Named("PolyPolyline");
    ASSERT_GT(calls.size(), before);
    EXPECT_EQ(calls[before].args.size() > 0, true);
    LONGLONG extent = 0;
    drawing.trace->GetExtent(0, 0, &extent);
    EXPECT_EQ(extent, 100);
    drawing.trace->Draw(drawing.canvas.dc, 150, 160, 0, 0, 150, nullptr, StrevDraw::kDrawDropSources, nullptr,
                        nullptr);
    EXPECT_FALSE(drawing.trace->KeepsSegments());

    // The record starts 30 positions into the strip: nothing is drawn left of column 30.
    Canvas canvas(100, 120);
    drawing.trace->Draw(canvas.dc, -30, 70, 30, 0, 0, nullptr, 0, nullptr, nullptr);
    for (int x = 0; x < 30; ++x)
        for (int y = 0; y < 120; y += 3)
            ASSERT_EQ(GetPixel(canvas.dc, x, y), RGB(255, 255, 255)) << x << "," << y;
    bool drawn = false;
    for (int y = 0; y < 120; ++y)
        drawn |= GetPixel(canvas.dc, 31, y) == RGB(200, 0, 0);
    EXPECT_TRUE(drawn);
}

TEST(RecordDrawersTest, EventsAtTheEndOfTheStripAreLeftOutAndInvalidateForgetsTheLastOne) {
    LaneDrawing drawing;
    const auto& beats = drawing.generated.simulation.beats;
    ASSERT_GE(beats.size(), 2u);
    const LONGLONG second = beats[1].edTick / 5;
    drawing.events->Draw(drawing.canvas.dc, 0, second, 0, 0, 0, nullptr, StrevDraw::kDrawKeepSources, nullptr,
                         nullptr);
    EXPECT_EQ(gdi::DisplayListOf(drawing.canvas.dc)->Named("Ellipse").size(), 1u)
        << "the event at the end is left out";
    LONGLONG extent = 0;
    ASSERT_EQ(drawing.events->GetExtent(0, 0, &extent), S_OK);
    EXPECT_EQ(extent, second);
    drawing.events->Invalidate(0);
    ASSERT_EQ(drawing.events->GetExtent(0, 0, &extent), S_OK);
    EXPECT_EQ(extent, -1);
}

} // namespace
