#pragma once
// A generated pressure-volume recording of rectangular loops with its
// end-diastolic points, and the analyser chain over it ("TarvikAnalyzer" fed
// by "PVEcgEdpDet" over the points), driven through the fake engine.

#include <gtest/gtest.h>

#include "FakeCalcSources.h"
#include "analysis/DetEx_Enumerator.h"
#include "analysis/EEH3Enumerator.h"
#include "analysis/EcgEnumerator.h"

namespace PvRecording {

using Tarvik::TarvikEvent;
using Analyser = EEH3::EEH3Enumerator<Tarvik::DetEx_Enumerator>;
using EcgEnum = EEH3::EEH3Enumerator<Tarvik::EcgEnumerator>;

// `cycles` rectangular loops of `length` ticks (V 50..150, P 10..110, counter-clockwise from
// end-diastole), end-diastolic points at the start of each and one more after the last.
struct Recording {
    std::vector<float> pressure, volume;
    std::vector<OvoEventBase> points;

    Recording(int cycles, int length = 400, int tail = 50, double pMin = 10) {
        const int side = length / 4;
        for (int c = 0; c < cycles; ++c) {
            OvoEventBase point;
            point.tick = c * length;
            points.push_back(point);
            for (int i = 0; i < length; ++i) {
                const int edge = i / side, k = i % side;
                const double step = 100.0 / side;
                const double v[] = {150, 150 - k * step, 50, 50 + k * step};
                const double dp = (110 - pMin) / side;
                const double p[] = {pMin + k * dp, 110, 110 - k * dp, pMin};
                volume.push_back(static_cast<float>(v[edge]));
                pressure.push_back(static_cast<float>(p[edge]));
            }
        }
        OvoEventBase last;
        last.tick = cycles * length;
        points.push_back(last);
        pressure.insert(pressure.end(), static_cast<std::size_t>(tail), static_cast<float>(pMin));
        volume.insert(volume.end(), static_cast<std::size_t>(tail), 150.0f);
    }
};

struct Analysis {
    std::shared_ptr<FakeEngine::SampleData> p, v;
    std::shared_ptr<FakeEngine::EventData> ecg;
    ICalcEnum* points = new EcgEnum(nullptr);
    ICalcEnum* analyser = new Analyser(nullptr);
    std::vector<IUnknown*> owned;
    HRESULT start = E_FAIL;

    Analysis(const Recording& r, const wchar_t* args = L"4 -1 -1 -1 -1", DWORD flags = 0, double dt = 0.001)
        : p(FakeEngine::Samples(r.pressure)), v(FakeEngine::Samples(r.volume)),
          ecg(FakeEngine::Events(r.points)) {
        auto* series = new FakeEngine::EventSeries(ecg);
        auto* pc = new FakeEngine::SampleChannel(p);
        auto* vc = new FakeEngine::SampleChannel(v);
        owned = {series, pc, vc};
        FakeEngine::StartRecord(points, L"4 -1 -1 -1 -1", {series}, dt, flags);
        start = FakeEngine::StartRecord(analyser, args, {pc, vc, points}, dt, flags);
    }
    ~Analysis() {
        analyser->Release();
        points->Release();
        for (IUnknown* u : owned)
            u->Release();
    }
    void Grow(bool complete, std::size_t samples, std::int32_t known) {
        p->complete = v->complete = ecg->complete = complete;
        p->available = v->available = samples;
        ecg->availableTick = known;
    }
    std::vector<TarvikEvent> All(LONG limit = INT32_MAX, HRESULT* last = nullptr) {
        return FakeEngine::Pull<TarvikEvent>(analyser, limit, 3, last);
    }
};

} // namespace PvRecording
