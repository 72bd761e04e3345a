#pragma once

#include "analysis/ILoopDataDocument.h"
#include "analysis/ParamStats.h"
#include "analysis/PlotExtent.h"
#include "analysis/PlotKind.h"
#include "analysis/TickPosition.h"
#include "analysis/VChanData.h"
#include "platform/vantrel/IStrevDataChildData.h"
#include "platform/win32/com_ptr.h"

#include <boost/unordered_map.hpp>
#include <boost/unordered_set.hpp>

#include <atomic>
#include <vector>

namespace Tarvik {

using LoopIndexSet = boost::unordered_set<std::int32_t>;

// The analysis result of one document as the views see it: the loops of the current analysis (read
// through the "tarvik" virtual channel and counted by the event statistics), the extents of the
// plotted quantities, cached per-parameter statistics, the straight-line relations over loops and the
// nonlinear pressure-volume relation fits with their intersection. Loop values stay in the channels'
// units; display units come from the document's channel scaling where a view asks for them. Used only
// from the host's calls; no lock. Nothing throws out of it.
class TarvikData final : public IStrevDataChildData {
public:
    // An x value of a loop for FitPVALine.
    using LoopAccessor = double (*)(const TarvikEvent&);
    static double LoopVed(const TarvikEvent& e) { return e.ved; }
    static double LoopPes(const TarvikEvent& e) { return e.pes; }

    // Starts with one reference (the creator's).
    explicit TarvikData(ILoopDataDocument& document);

    HRESULT QueryInterface(REFIID iid, void** out) override;
    ULONG AddRef() override;
    ULONG Release() override;
    HRESULT GetTypeId(DWORD* id) override;
    HRESULT Clone(IUnknown* host, IStrevDataChildData** copy) override;

    // --- Reading an analysis: ResetRanges, per record OpenEventSource and ReadRecordEvents, Recalculate.
    // Opens the loop events of channel (source kind `source`, e.g. kEventSourceVirtual) in record from
    // fromTick; true when the host gave an enumerator.
    bool OpenEventSource(std::int32_t record, std::int32_t fromTick, DWORD channel, DWORD source);
    // Reads the opened record's loop events below limit: each widens the extents unless its state is
    // LastInBlock, and is counted by the event statistics. Returns the number read; 0 when none is open.
    std::int32_t ReadRecordEvents(std::int32_t limit);
    // Lets go of the opened record's enumerator.
    void CloseEventSource() {
        mReader.Reset();
        mConnected = false;
    }
    void ResetRanges();
    // Forgets the intersection and the pressure-volume-area statistics, sets the "pva" channel's
    // calculation from the current fits and rebuilds the pressure-volume-area extent.
    void Recalculate();
    // Forgets the cached loop parameter statistics.
    void ClearLoopMap();
    // The included indices of the loops the user marked.
    void MarkSelectedLoops(LoopIndexSet& selected);
    // Marks exactly the included loops in `selected`.
    void ApplyLoopSelection(const LoopIndexSet& selected);
    // More usable loops (state Valid) than the chosen ESPVR needs: 1 for a line, 2 otherwise.
    bool HasEnoughLoops();
    // A loop trace (and the end-diastolic and end-systolic points) is drawn only for loops that start
    // before this position; (INT_MAX, INT_MAX) for no limit.
    void SetTraceLimit(TickPosition limit) { mTraceLimit = limit; }
    TickPosition GetTraceLimit() const { return mTraceLimit; }

    // --- Views.
    // The cached extents of a relation plot's axes: y SW, dP/dt max or Ves (uncorrected loops),
    // x Ved.
    struct PlotRanges {
        PlotExtent x, y;
        bool drawable = false; // more than one loop was read
    };
    PlotRanges GetPRSWPlotRanges() const;
    PlotRanges GetdPdtMaxEDVPlotRanges() const;
    PlotRanges GetSalinePlotRanges();
    // (record, tick) of included loop i; (INT_MAX, INT_MAX) when there is none.
    TickPosition GetLoopPosition(std::int32_t i);
    // Included index of the k-th usable loop (state Valid, counted from 0); -1 when there is none.
    std::int32_t UsableToIncludedIndex(std::int32_t k);
    // True while the host samples and the analysis runs while sampling.
    bool IsOnlineMode();
    // Loads a loop's trace into the working arrays (pressures, volumes); slot kHighlightedTrace is
    // the highlighted loop, the slots after it the newest loop, the one before it, ... (PlotKind.h).
    // False (arrays empty) when that loop is not drawn.
    bool GetLoopTrace(std::int32_t slot, COLORREF& colour);
    // Points of one plot of the loop view (LoopViewPlot: end-diastolic, end-systolic, loop traces) in
    // the working arrays, which stay owned here until the next call. count 0 and null arrays for none.
    void GetAnalysisPlotPoints(std::int32_t plot, std::int32_t& count, const float*& volumes,
                               const float*& pressures, std::int32_t& flag, COLORREF& colour);
    // Points of a relation plot (RelationPlot: PRSW, dP/dt max, saline, PVA-Ved, PVA-Pes, cuvette) over
    // the included loops first .. first + loopCount - 1, as for GetAnalysisPlotPoints.
    void GetRelationPlotPoints(std::int32_t plot, std::int32_t first, std::int32_t loopCount,
                               std::int32_t& count, const float*& x, const float*& y, std::int32_t& flag,
                               COLORREF& colour);
    // Loop parameter id (LoopParamId) of included loop i, from its PVA event for PVA, PE and CE, in
    // display units: pressure and volume levels through the channels' unit conversions, differences,
    // products and rates by their scales. NaN when the loop cannot be read.
    double GetLoopParamValue(std::int32_t id, std::int32_t i);
    // Minimum, maximum, mean and count of loop parameter id in display units over the included loops
    // the user did not mark (values that are not finite left out); with no loops +DBL_MAX, -DBL_MAX, 0
    // and 0. Built on the first request for an id and kept until ClearLoopMap, however the loops
    // change. Always true.
    bool GetParamStats(std::int32_t id, double& minimum, double& maximum, double& mean, std::int32_t& count);
    // The same over the loops' PVA events, for PVA, PE and CE; kept until Recalculate.
    bool GetPVAParamStats(std::int32_t id, double& minimum, double& maximum, double& mean,
                          std::int32_t& count);
    // GetPVAParamStats for PVA, PE and CE (in online mode: false, NaNs and count 0), GetParamStats for
    // the others.
    bool GetParamSummary(std::int32_t id, double& minimum, double& maximum, double& mean,
                         std::int32_t& count);
    // The column title of loop parameter id: its abbreviation, then its unit in parentheses when it
    // has one ("Ved (ul)", "CE").
    Ovo::String GetParamColumnTitle(std::int32_t id);
    // Refills the parameter ids the haemodynamics table shows: 0 to 29 in increasing order, those the
    // table's settings hold and the analysis type does not exclude. Returns their number.
    std::int32_t PrepareTableRows();

    // Extents of the cuvette plot; outputs may be null. True when a known volume has a measurement.
    bool GetCuvetteAxisRange(double* minVolume, double* maxVolume, double* minConductance,
                             double* maxConductance);

    // --- Straight-line relations over loops (intercept b, slope a of y = b + a x, r^2), computed afresh
    // on every call from the points rounded to single precision, leaving out loops that are not
    // Valid and points that are not finite. False, writing nothing, for fewer than two points or
    // when x or y has no spread.
    bool FitPRSWLine(double& intercept, double& slope, double& rSquared);       // (Ved, SW)
    bool FitdPdtMaxEDVLine(double& intercept, double& slope, double& rSquared); // (Ved, dP/dt max)
    bool FitSalineLine(double& intercept, double& slope, double& rSquared);     // (Ved, Ves) uncorrected
    bool FitPVALine(LoopAccessor x, double& intercept, double& slope, double& rSquared); // (x, PVA)
    bool FitLinearEDPVR(double& intercept, double& slope, double& rSquared);             // (Ved, Ped)
    bool FitLinearESPVR(double& intercept, double& slope, double& rSquared);             // (Ves, Pes)

    // --- Nonlinear relation fits over the usable loops, by Levenberg-Marquardt.
    // ESPVR P = p0 + p1 Ves + p2 Ves^2 through (Ves, Pes): at least 3 points. The three parameters are
    // written whenever points sufficed, also when the fit failed. rSquared may be null; when given,
    // failing statistics fail the fit. rawUnits false: points in display units.
    bool FitQuadraticRelation(std::vector<double>& params, double* rSquared, bool rawUnits);
    // EDPVR Ped = amplitude e^(rate Ved): at least 2 points with Ped > 0 for the start. A negative
    // amplitude fails the fit (both still written). rSquared is written only when the statistics
    // can be formed (more points than 2); outputs may be null.
    bool FitExponentialRelation(double* amplitude, double* rate, double* rSquared, bool rawUnits);
    // Where the chosen ESPVR and EDPVR meet, in the channels' units; cached until Recalculate.
    bool FitPressureVolumeRelations(double& pressure, double& volume);

    VChanData& GetVChanData() { return mVchan; }
    ILoopDataDocument& GetDocument() const { return mDocument; }
    // The loop parameter ids the haemodynamics table shows, as PrepareTableRows left them.
    const std::vector<std::int32_t>& GetVisibleParamIds() const { return mVisibleParamIds; }

    // The ranges of the plotted quantities over the loops read whose state is not LastInBlock
    // (pressure: Pmax and Pmin; volume: Vmax and Vmin), in the channels' units.
    struct Extents {
        PlotExtent pressure, volume, sw, ved, dPdtMax, ves, pes;
        PlotExtent validVes;             // maximum of Ves over the loops with state Valid only
        PlotExtent pva;                  // over every loop's PVA event, rebuilt by Recalculate
        PlotExtent salineVes, salineVed; // uncorrected loops, built by GetSalinePlotRanges
    };
    const Extents& GetExtents() const { return mExtents; }

private:
    TarvikData(const TarvikData& other);
    ~TarvikData() = default;

    void WidenExtents(const TarvikEvent& e);
    void ComputeSalineExtents();
    void ClearPoints();
    void PublishPoints(std::int32_t& count, const float*& x, const float*& y) const;
    std::int32_t OnlineFirstLoop(std::int32_t first, std::int32_t included);
    bool BeforeTraceLimit(const TickPosition& position, const TarvikEvent& loop) const;
    void CollectLoopPoints(std::int32_t plot, COLORREF& colour);
    void CollectRelationPoints(std::int32_t plot, std::int32_t first, std::int32_t loopCount);
    void CollectCuvettePoints();
    bool ReadTraceSamples(std::int32_t record, std::int32_t start, std::int32_t count);
    std::int32_t IncludedCount() const;
    double ChannelFactor(std::uint32_t channel);
    double DisplayValue(std::int32_t id, const TarvikEvent& loop);
    double DisplayValue(std::int32_t id, const PVAEvent& pva);
    const ParamStats& ParamStatsFor(std::int32_t id, bool pva);
    std::int32_t TotalCount() const;

    template <class Points>
    bool FitGlobalLine(Points points, double& intercept, double& slope, double& rSquared);
    bool FitLoopLine(bool withoutVP, double TarvikEvent::*x, double TarvikEvent::*y, double& intercept,
                     double& slope, double& rSquared);
    bool FitIncludedLine(bool endSystolic, double& intercept, double& slope, double& rSquared);
    void CollectRelationData(bool endSystolic, bool rawUnits, std::vector<double>& x, std::vector<double>& y);

    std::atomic<ULONG> mReferences{1};
    ILoopDataDocument& mDocument;
    ComPtr<IEnumEventEx> mReader; // the opened record's loop events
    std::int32_t mReaderRecord = 0;
    std::int32_t mReaderRecordEnd = 0; // the record's end tick when it was opened
    ULONG mReaderEventSize = 0;
    bool mConnected = false;
    std::vector<float> mPressures; // working arrays of the last plot built (pressures or y values)
    std::vector<float> mVolumes;   // (volumes or x values)
    std::vector<std::int32_t> mVisibleParamIds;
    Extents mExtents;
    float mViewFloats[4] = {0.0f, 1.0f, 0.0f, 1.0f};
    double mIntersectionVolume = 0.0;
    double mIntersectionPressure = 0.0;
    std::uint16_t mIntersectionValid = 0;
    std::uint16_t mSalineExtentsValid = 0;
    TickPosition mTraceLimit;
    VChanData mVchan;
    boost::unordered_map<std::int32_t, ParamStats> mLoopParamStats;
    boost::unordered_map<std::int32_t, ParamStats> mPvaParamStats;
};

} // namespace Tarvik
