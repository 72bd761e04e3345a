#pragma once

#include "host/engine/CalcClassCatalog.h"
#include "host/engine/SampleExpression.h"
#include "platform/vantrel/EventRecords.h"
#include "platform/vantrel/ICalcEnumClass2.h"
#include "platform/vantrel/IEnumEventEx.h"
#include "platform/win32/com_ptr.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace Vantrel {

/// The events a virtual channel has computed for a complete record, kept for every formula that
/// names it; null when it has none to give (the formula then computes them itself).
using KeptEvents = std::function<std::shared_ptr<const std::vector<std::byte>>(std::int32_t record)>;

/// One bound part of a formula: what it computes and from what.
struct CalcTerm {
    enum class Kind {
        Samples,       // a sample formula (channels, t, arithmetic, sin, shift)
        Peaks,         // CMPeakDet over a sample formula
        ChannelEvents, // a channel's stored events
        Module,        // a call of a calculation class
    };

    Kind kind = Kind::Samples;
    std::size_t position = 0; // where the term starts in the formula text
    std::string name;         // the function name as written, lower case

    std::shared_ptr<const SampleExpression> signal; // Samples, Peaks
    double minHeight = 0.0;                         // Peaks
    double minPeriodSeconds = 0.0;                  // Peaks
    std::size_t channel = 0;                        // ChannelEvents

    ComPtr<ICalcEnumClass2> calcClass;     // Module
    ComPtr<CalcClassCatalog> catalog;      // Module: told of every run, when the class came from one
    std::u16string arguments;              // Module: the argument text SetArgs receives
    std::vector<CalcTerm> sources;         // Module, in argument order
    ULONG eventSize = sizeof(EventRecord); // bytes per event of an event term
    ComPtr<IEnumEventEx> probe;            // Module: an enumerator made at binding, never started
    KeptEvents kept;                       // an event term a virtual channel's name stands for

    bool givesEvents() const { return kind != Kind::Samples; }
};

} // namespace Vantrel
