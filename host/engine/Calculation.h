#pragma once

#include "host/engine/CalcTerm.h"
#include "host/engine/RecordRun.h"

#include <memory>
#include <string>
#include <vector>

namespace Vantrel {

/// A formula bound to a recording and to the calculation classes it names, ready to evaluate
/// record by record. Copies share the bound formula. The recording (and the host object) must
/// outlive the calculation and every run of it.
class Calculation {
public:
    /// key: the formula as bound, with the formulas of the channels it names in their place (see key()).
    Calculation(const Recording& recording, std::shared_ptr<const CalcTerm> root, ComPtr<IUnknown> host,
                std::string key);

    /// True for an event formula (a calculation class, CMPeakDet, a channel's events), false for
    /// a sample formula.
    bool givesEvents() const { return mRoot->givesEvents(); }
    /// Bytes per event of an event formula.
    ULONG eventSize() const { return mRoot->eventSize; }
    /// The class that draws the events of an event formula (asked of the calculation class only
    /// when wanted); 0 for none.
    DWORD drawClassId() const;
    /// The formula of a sample formula; null for an event formula.
    std::shared_ptr<const SampleExpression> samples() const { return mRoot->signal; }

    /// Starts an event formula on a record; online when the record is still being sampled.
    std::unique_ptr<RecordRun> start(std::int32_t record, bool online) const;
    /// The events of a record, eventSize() bytes each: all of them for a complete record, those
    /// ready now for one being sampled. Throws FormulaError as RecordRun does.
    std::vector<std::byte> events(std::int32_t record) const;
    /// The same into out, which keeps its memory for the next record or run.
    void events(std::int32_t record, std::vector<std::byte>& out) const;

    const CalcTerm& root() const { return *mRoot; }
    /// What the calculation computes, written out: two calculations of one engine with the same key
    /// give the same events, whatever channel names their texts used.
    const std::string& key() const { return mKey; }

private:
    const Recording* mRecording;
    std::shared_ptr<const CalcTerm> mRoot;
    ComPtr<IUnknown> mHost;
    std::string mKey;
};

} // namespace Vantrel
