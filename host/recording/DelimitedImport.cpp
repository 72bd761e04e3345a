#include "host/recording/DelimitedImport.h"

#include "host/files/RegularFile.h"
#include "host/recording/TextCells.h"
#include "host/recording/TimeAxis.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstring>
#include <limits>

namespace Vantrel {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr std::size_t kNoColumn = std::numeric_limits<std::size_t>::max();
constexpr char kCandidates[] = {'\t', ';', ','}; // in order of preference

struct Failure {
    ImportError error;
};

[[noreturn]] void fail(std::int64_t line, std::size_t column, std::string message) {
    throw Failure{{line, static_cast<std::int32_t>(column), std::move(message)}};
}

bool isBlank(std::string_view line) {
    return line.find_first_not_of(' ') == std::string_view::npos;
}

// A character other than the three delimiters that seems to separate the values of a row.
std::optional<char> foreignSeparator(std::string_view row) {
    const auto first = row.find_first_not_of(' ');
    const auto last = row.find_last_not_of(' ');
    if (first == std::string_view::npos)
        return std::nullopt;
    for (const char c : row.substr(first, last - first + 1))
        if (c == ' ' || (std::ispunct(static_cast<unsigned char>(c)) && c != '.' && c != '+' && c != '-'))
            return c;
    return std::nullopt;
}

struct Header {
    std::vector<ChannelInfo> columns; // every column of the text, the time column too
    std::size_t timeColumn = kNoColumn;
    double timeScale = 1.0; // seconds per unit of the time column
};

class Importer {
public:
    Importer(std::string_view text, const ImportOptions& options)
        : mLines(text.starts_with(kByteOrderMark) ? text.substr(kByteOrderMark.size()) : text),
          mOptions(options) {}

    Recording run();

private:
    char chooseDelimiter(std::string_view header, std::string_view firstRow) const;
    Header parseHeader(std::string_view line, char delimiter) const;
    void findTimeColumn(Header& header) const;
    void readRows(std::string_view firstRow, char delimiter);
    void readRow(std::string_view line, char delimiter);
    [[noreturn]] void raggedRow(std::string_view line, char delimiter) const;
    [[noreturn]] void badCell(std::size_t column, std::string_view cell) const;
    double tickPeriod() const;
    Recording makeRecording(double tickPeriod);

    LineReader mLines;
    const ImportOptions& mOptions;
    Header mHeader;
    std::vector<double> mTimes;
    std::vector<std::vector<float>> mColumns; // one per column; the time column's stays empty
};

Recording Importer::run() {
    const double rate = mOptions.sampleRate;
    if (rate != 0.0 && !(std::isfinite(rate) && rate > 0.0))
        fail(0, 0, "the sample rate must be a positive number of samples per second");
    const auto header = mLines.next();
    if (!header || (isBlank(*header) && mLines.restIsBlank()))
        fail(1, 0, "the file is empty");
    if (isBlank(*header))
        fail(1, 0, "the header row is empty");
    const auto firstRow = mLines.next();
    if (!firstRow || (isBlank(*firstRow) && mLines.restIsBlank()))
        fail(2, 0, "no data rows");
    const char delimiter = chooseDelimiter(*header, *firstRow);
    mHeader = parseHeader(*header, delimiter);
    readRows(*firstRow, delimiter);
    return makeRecording(tickPeriod());
}

char Importer::chooseDelimiter(std::string_view header, std::string_view firstRow) const {
    if (mOptions.delimiter != Delimiter::Detect)
        return delimiterChar(mOptions.delimiter);
    for (const char c : kCandidates)
        if (firstRow.find(c) != std::string_view::npos)
            return c;
    // One value per row, unless the values are separated by something else.
    if (const auto other = foreignSeparator(firstRow))
        fail(2, 0,
             "values separated by " + quotedForMessage(std::string_view(&*other, 1)) +
                 ": comma, tab or semicolon expected");
    for (const char c : kCandidates)
        if (header.find(c) != std::string_view::npos)
            return c;
    return ',';
}

Header Importer::parseHeader(std::string_view line, char delimiter) const {
    std::int32_t badColumn = 0;
    const auto cells = splitHeaderCells(line, delimiter, badColumn);
    if (!cells)
        fail(1, static_cast<std::size_t>(badColumn), "unclosed or misplaced double quote");
    Header header;
    bool allNumbers = true;
    for (std::size_t c = 0; c < cells->size(); ++c) {
        const std::string& cell = (*cells)[c];
        if (!isValidUtf8(cell))
            fail(1, c + 1, "the channel name is not UTF-8 text");
        double number = 0.0;
        allNumbers = allNumbers && parseNumberCell(cell, number);
        header.columns.push_back(parseChannelHeader(cell));
        if (header.columns.back().title.empty())
            fail(1, c + 1, "missing channel name");
    }
    if (allNumbers)
        fail(1, 0, "a header row of channel names is expected, found numbers");
    findTimeColumn(header);
    return header;
}

void Importer::findTimeColumn(Header& header) const {
    const std::string_view name =
        mOptions.timeColumn.empty() ? std::string_view("Time") : mOptions.timeColumn;
    for (std::size_t c = 0; c < header.columns.size() && header.timeColumn == kNoColumn; ++c)
        if (equalsIgnoringCase(header.columns[c].title, name))
            header.timeColumn = c;
    if (header.timeColumn == kNoColumn) {
        if (!mOptions.timeColumn.empty())
            fail(1, 0, "no column named " + quotedForMessage(name));
        return;
    }
    const std::string& unit = header.columns[header.timeColumn].unit;
    if (unit == "ms")
        header.timeScale = 1e-3;
    else if (!unit.empty() && unit != "s")
        fail(1, header.timeColumn + 1,
             "time unit " + quotedForMessage(unit) + " not understood: s or ms expected");
    if (header.columns.size() == 1)
        fail(1, 0, "no channel besides the time column");
}

void Importer::readRows(std::string_view firstRow, char delimiter) {
    mColumns.resize(mHeader.columns.size());
    // Rows tend to be alike; the first one gives the number to reserve room for.
    const std::size_t expectedRows = mLines.remainingBytes() / (firstRow.size() + 1) + 1;
    for (std::size_t c = 0; c < mColumns.size(); ++c)
        c == mHeader.timeColumn ? mTimes.reserve(expectedRows) : mColumns[c].reserve(expectedRows);
    constexpr std::size_t kMostRows = static_cast<std::size_t>(std::numeric_limits<Tick>::max());
    std::size_t rows = 0;
    for (std::optional<std::string_view> line = firstRow; line; line = mLines.next(), ++rows) {
        if (isBlank(*line)) {
            if (mLines.restIsBlank())
                break;
            fail(mLines.lineNumber(), 0, "empty row");
        }
        if (rows == kMostRows)
            fail(mLines.lineNumber(), 0, "more rows than one record holds (2147483647)");
        readRow(*line, delimiter);
    }
}

void Importer::readRow(std::string_view line, char delimiter) {
    const char* cell = line.data();
    const char* const end = cell + line.size();
    const std::size_t count = mColumns.size();
    for (std::size_t c = 0; c < count; ++c) {
        const auto* cellEnd =
            static_cast<const char*>(std::memchr(cell, delimiter, static_cast<std::size_t>(end - cell)));
        if ((cellEnd == nullptr) != (c + 1 == count))
            raggedRow(line, delimiter);
        if (!cellEnd)
            cellEnd = end;
        const std::string_view text(cell, static_cast<std::size_t>(cellEnd - cell));
        if (c == mHeader.timeColumn) {
            double time = 0.0;
            if (!parseNumberCell(text, time))
                badCell(c, text);
            mTimes.push_back(time * mHeader.timeScale);
        } else {
            float sample = 0.0F;
            if (!parseNumberCell(text, sample))
                badCell(c, text);
            mColumns[c].push_back(sample);
        }
        cell = cellEnd + 1;
    }
}

void Importer::raggedRow(std::string_view line, char delimiter) const {
    const auto cells = static_cast<std::size_t>(std::count(line.begin(), line.end(), delimiter)) + 1;
    const std::size_t columns = mColumns.size();
    fail(mLines.lineNumber(), std::min(cells, columns) + 1,
         std::to_string(cells) + (cells == 1 ? " value" : " values") + " where the header has " +
             std::to_string(columns) + (columns == 1 ? " column" : " columns"));
}

void Importer::badCell(std::size_t column, std::string_view cell) const {
    const std::string& title = mHeader.columns[column].title;
    const bool empty = isBlank(cell);
    fail(mLines.lineNumber(), column + 1,
         (empty ? std::string("empty cell") : quotedForMessage(cell) + " is not a number") + " in " +
             quotedForMessage(title) + (empty ? "" : " (a finite number with a decimal point is expected)"));
}

double Importer::tickPeriod() const {
    const double rate = mOptions.sampleRate;
    const std::size_t timeColumn = mHeader.timeColumn;
    if (timeColumn == kNoColumn) {
        if (rate == 0.0)
            fail(1, 0, "no time column and no sample rate given");
        return 1.0 / rate;
    }
    if (mTimes.size() < 2 && rate != 0.0)
        return 1.0 / rate;
    TimeAxisFault fault;
    const auto period = periodFromTimes(mTimes, fault);
    if (!period)
        fail(2 + static_cast<std::int64_t>(fault.row), timeColumn + 1, fault.message);
    if (rate != 0.0 && std::abs(1.0 / *period - rate) > 1e-3 * rate)
        fail(1, timeColumn + 1,
             "the time column gives " + numberText(1.0 / *period) +
                 " samples per second, the sample rate given is " + numberText(rate));
    return *period;
}

Recording Importer::makeRecording(double tickPeriod) {
    std::vector<ChannelInfo> channels;
    std::vector<std::vector<float>> samples;
    for (std::size_t c = 0; c < mColumns.size(); ++c) {
        if (c == mHeader.timeColumn)
            continue;
        channels.push_back(std::move(mHeader.columns[c]));
        samples.push_back(std::move(mColumns[c]));
    }
    Recording recording(std::move(channels));
    recording.addRecord(Record(tickPeriod, std::move(samples)));
    return recording;
}

} // namespace

ImportResult importDelimitedText(std::string_view text, const ImportOptions& options) {
    try {
        return Importer(text, options).run();
    } catch (const Failure& failure) {
        return failure.error;
    }
}

ImportResult importDelimitedFile(const std::filesystem::path& path, const ImportOptions& options) {
    std::string text;
    try {
        text = readRegularFile(path);
    } catch (const FileError& error) {
        return ImportError{0, 0, error.what()};
    }
    return importDelimitedText(text, options);
}

} // namespace Vantrel
