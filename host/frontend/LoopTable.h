#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace Vantrel {

/// A named value with its unit text ("SW", "mmHg*uL"); the unit may be empty.
struct NamedColumn {
    std::string name;
    std::string unit;

    bool operator==(const NamedColumn&) const = default;
};

/// One loop: where the end-diastolic point that opens it lies, and its parameter values in the
/// order of LoopTable::columns (NaN where the module gives none).
struct LoopRow {
    std::int64_t loop = 0;   // from 1, in the order of the recording
    std::int32_t record = 0; // from 0
    double time = 0.0;       // seconds, on the recording's own clock (Record::startTime)
    std::vector<double> values;
    bool excluded = false; // left out of the summary and the relations
};

/// Per column, over the included loops' finite values: their count, mean and sample standard
/// deviation (NaN for a mean of none and a deviation of fewer than two).
struct ColumnSummary {
    std::size_t count = 0;
    double mean = 0.0;
    double sd = 0.0;
};

/// One parameter of a pressure-volume relation fit over the loops ("ESPVR", "Ees", "mmHg/uL"), or a
/// note in its place (value NaN) when the relation is not defined over the loops.
struct RelationValue {
    std::string relation;
    NamedColumn parameter;
    double value = 0.0;
    std::string note;
};

/// The results of an analysis: every loop found, and the relation fits where they exist.
struct LoopTable {
    std::vector<NamedColumn> columns;
    std::vector<LoopRow> rows;
    std::vector<RelationValue> relations;
    /// Decimals of the times: a tenth of the shortest tick period of the recording.
    int timeDecimals = 4;

    /// The loops not excluded.
    std::size_t includedCount() const;
    std::vector<ColumnSummary> summary() const;
};

} // namespace Vantrel
