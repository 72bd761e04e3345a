#include "host/frontend/TableText.h"

#include "host/recording/TextCells.h"

#include <array>
#include <charconv>
#include <cmath>

namespace Vantrel {

namespace {

// A number as the table writes it: six significant digits, empty when not finite.
std::string_view valueText(double v, std::array<char, 32>& text) {
    if (!std::isfinite(v))
        return {};
    const auto result =
        std::to_chars(text.data(), text.data() + text.size(), v, std::chars_format::general, 6);
    return {text.data(), result.ptr};
}

std::string value(double v) {
    std::array<char, 32> text;
    return std::string(valueText(v, text));
}

std::string heading(const NamedColumn& column) {
    return column.unit.empty() ? column.name : column.name + " (" + column.unit + ")";
}

class Writer {
public:
    explicit Writer(TableFormat format) : mDelimiter(format == TableFormat::Csv ? ',' : '\t') {}

    void cell(std::string_view text) {
        if (!mRowStarted)
            mRowStarted = true;
        else
            mText += mDelimiter;
        if (mDelimiter == ',' && text.find_first_of(",\"") != std::string_view::npos)
            mText += quotedCell(text);
        else
            mText += text;
    }
    void number(double v) {
        std::array<char, 32> text;
        cell(valueText(v, text));
    }
    template <class Integer> void integer(Integer n) {
        std::array<char, 24> text;
        cell({text.data(), std::to_chars(text.data(), text.data() + text.size(), n).ptr});
    }
    void endRow() {
        mText += '\n';
        mRowStarted = false;
    }
    std::size_t size() const { return mText.size(); }
    void reserve(std::size_t bytes) { mText.reserve(bytes); }
    std::string take() { return std::move(mText); }

private:
    char mDelimiter;
    bool mRowStarted = false;
    std::string mText;
};

void writeLoops(const LoopTable& table, Writer& out) {
    out.cell("loop");
    out.cell("record");
    out.cell("time (s)");
    for (const NamedColumn& column : table.columns)
        out.cell(heading(column));
    out.cell("excluded");
    out.endRow();
    for (const LoopRow& row : table.rows) {
        const std::size_t start = out.size();
        out.integer(row.loop);
        out.integer(row.record + 1);
        out.cell(fixedNumberText(row.time, table.timeDecimals));
        for (std::size_t c = 0; c < table.columns.size(); ++c) {
            if (c < row.values.size())
                out.number(row.values[c]);
            else
                out.cell({});
        }
        out.cell(row.excluded ? "yes" : "");
        out.endRow();
        // Rows are alike: the first one tells how much room the table takes.
        if (&row == &table.rows.front())
            out.reserve(out.size() + (out.size() - start) * 5 / 4 * (table.rows.size() - 1) + 4096);
    }
}

void writeSummary(const LoopTable& table, Writer& out) {
    out.cell("loops found");
    out.cell(std::to_string(table.rows.size()));
    out.endRow();
    out.cell("loops included");
    out.cell(std::to_string(table.includedCount()));
    out.endRow();
    const std::vector<ColumnSummary> summary = table.summary();
    const auto row = [&](const char* name, auto cell) {
        out.cell(name);
        out.cell("");
        out.cell("");
        for (const ColumnSummary& column : summary)
            out.cell(cell(column));
        out.endRow();
    };
    out.cell("statistic");
    out.cell("");
    out.cell("");
    for (const NamedColumn& column : table.columns)
        out.cell(heading(column));
    out.endRow();
    row("mean", [](const ColumnSummary& c) { return value(c.mean); });
    row("SD", [](const ColumnSummary& c) { return value(c.sd); });
    row("n", [](const ColumnSummary& c) { return std::to_string(c.count); });
}

void writeRelations(const LoopTable& table, Writer& out) {
    out.cell("relation");
    out.cell("parameter");
    out.cell("value");
    out.endRow();
    for (const RelationValue& relation : table.relations) {
        out.cell(relation.relation);
        out.cell(heading(relation.parameter));
        out.cell(relation.note.empty() ? value(relation.value) : relation.note);
        out.endRow();
    }
}

void writeSummaryAndRelations(const LoopTable& table, Writer& out) {
    writeSummary(table, out);
    if (!table.relations.empty()) {
        out.endRow();
        writeRelations(table, out);
    }
}

} // namespace

std::string formatLoopTable(const LoopTable& table, TableFormat format) {
    Writer out(format);
    writeLoops(table, out);
    out.endRow();
    writeSummaryAndRelations(table, out);
    return out.take();
}

std::string formatLoopRows(const LoopTable& table, TableFormat format) {
    Writer out(format);
    writeLoops(table, out);
    return out.take();
}

std::string formatSummary(const LoopTable& table, TableFormat format) {
    Writer out(format);
    writeSummaryAndRelations(table, out);
    return out.take();
}

} // namespace Vantrel
