#include "host/recording/DelimitedImport.h"

#include "host/files/RegularFile.h"
#include "host/recording/TextCells.h"
#include "host/recording/TimeAxis.h"

#include <algorithm>
#include <bit>
#include <cctype>
#include <cmath>
#include <cstring>
#include <limits>
#include <span>
#include <utility>

#if defined(__linux__)
#include <sys/mman.h>
#endif

namespace Vantrel {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr std::size_t kNoColumn = std::numeric_limits<std::size_t>::max();
constexpr char kCandidates[] = {'\t', ';', ','}; // in order of preference
// A step of the time column longer than this many typical steps starts a new block.
constexpr double kBlockGap = 4.0;
constexpr std::size_t kMostRows = static_cast<std::size_t>(std::numeric_limits<Tick>::max());

struct Failure {
    ImportError error;
};

[[noreturn]] void fail(std::int64_t line, std::size_t column, std::string message) {
    throw Failure{{line, static_cast<std::int32_t>(column), std::move(message)}};
}

bool isBlank(std::string_view line) {
    return line.find_first_not_of(' ') == std::string_view::npos;
}

// A cell that stands for a missing sample: empty, or "NaN" in any case.
bool isMissing(std::string_view cell) {
    const auto first = cell.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return true;
    cell = cell.substr(first, cell.find_last_not_of(' ') - first + 1);
    if (cell.front() == '-' || cell.front() == '+')
        cell.remove_prefix(1);
    return equalsIgnoringCase(cell, "nan");
}

// A character other than the three delimiters that seems to separate the values of a row.
std::optional<char> foreignSeparator(std::string_view row) {
    const auto first = row.find_first_not_of(' ');
    const auto last = row.find_last_not_of(' ');
    if (first == std::string_view::npos)
        return std::nullopt;
    for (const char c : row.substr(first, last - first + 1))
        if (c == ' ' ||
            (std::ispunct(static_cast<unsigned char>(c)) && c != '.' && c != '+' && c != '-' && c != '"'))
            return c;
    return std::nullopt;
}

struct Header {
    std::int64_t line = 0;
    std::vector<ChannelInfo> columns; // every column of the text, the time column too
    std::size_t timeColumn = kNoColumn;
    double timeScale = 1.0; // seconds per unit of the time column
};

// Consecutive data rows that make one record.
struct Block {
    std::int64_t firstLine = 0; // the line of its first row
    std::size_t firstRow = 0;   // the index of its first row among all rows
    std::size_t rows = 0;
};

// Numbers written with a decimal comma: a cell of the first data row holds a comma (which is not
// the delimiter, or lies inside quotes) and none holds a point.
bool usesDecimalComma(std::string_view firstRow, char delimiter) {
    std::int32_t badColumn = 0;
    const auto cells = splitHeaderCells(firstRow, delimiter, badColumn);
    bool comma = false;
    for (const std::string& cell : cells.value_or(std::vector<std::string>{})) {
        if (cell.find('.') != std::string::npos)
            return false;
        comma = comma || cell.find(',') != std::string::npos;
    }
    return comma;
}

// A column is written once, front to back: huge pages, where the kernel offers them, spare a page
// fault every 4 KB of it.
void adviseHugePages(void* data, std::size_t bytes) {
#if defined(__linux__) && defined(MADV_HUGEPAGE)
    constexpr std::uintptr_t kHugePage = std::uintptr_t{2} << 20;
    const auto begin = reinterpret_cast<std::uintptr_t>(data);
    const std::uintptr_t first = (begin + kHugePage - 1) & ~(kHugePage - 1);
    const std::uintptr_t last = (begin + bytes) & ~(kHugePage - 1);
    if (last > first)
        madvise(reinterpret_cast<void*>(first), last - first, MADV_HUGEPAGE);
#else
    (void)data;
    (void)bytes;
#endif
}

// How often each value of a time column's steps occurs, while they take few values.
class StepCounts {
public:
    bool ok() const { return mOk; }
    void add(double step) {
        const auto key = std::bit_cast<std::uint64_t>(step);
        for (std::size_t slot = (key * 0x9E3779B97F4A7C15u) >> (64 - kSlotBits);;
             slot = (slot + 1) % kSlots) {
            Entry& entry = mEntries[slot];
            if (entry.count == 0) {
                if (++mUsed > kSlots / 2) {
                    mOk = false;
                    return;
                }
                entry.key = key;
            } else if (entry.key != key) {
                continue;
            }
            ++entry.count;
            return;
        }
    }
    // The value at index n of the steps in ascending order.
    double nth(std::size_t n) const {
        std::vector<std::pair<double, std::size_t>> values;
        for (const Entry& entry : mEntries)
            if (entry.count > 0)
                values.emplace_back(std::bit_cast<double>(entry.key), entry.count);
        std::sort(values.begin(), values.end());
        for (const auto& [value, count] : values) {
            if (n < count)
                return value;
            n -= count;
        }
        return values.back().first;
    }

private:
    static constexpr int kSlotBits = 12;
    static constexpr std::size_t kSlots = std::size_t{1} << kSlotBits;
    struct Entry {
        std::uint64_t key = 0;
        std::size_t count = 0;
    };
    std::vector<Entry> mEntries = std::vector<Entry>(kSlots);
    std::size_t mUsed = 0;
    bool mOk = true;
};

// Whether a line holds nothing but white space.
bool isWhiteSpace(std::string_view line) {
    return line.find_first_not_of(" \t\r") == std::string_view::npos;
}

class Importer {
public:
    Importer(LineReader& lines, const ImportOptions& options) : mLines(lines), mOptions(options) {}

    Recording run();

private:
    std::optional<std::string_view> nextLine();
    std::string_view headerLine();
    char chooseDelimiter(std::string_view header, std::string_view firstRow) const;
    Header parseHeader(std::string_view line, std::int64_t lineNumber, char delimiter) const;
    void findTimeColumn(Header& header) const;
    void readRows(std::string_view firstRow, char delimiter);
    void readLine(std::string_view line, std::int64_t number, char delimiter);
    void readRow(std::string_view line, char delimiter);
    void readQuotedRow(std::string_view line, char delimiter);
    bool takeNumber(std::size_t column, const PlainDecimal& number);
    void takeCell(std::size_t column, std::string_view cell);
    template <class T> bool readNumber(std::string_view cell, T& value);
    [[noreturn]] void raggedRow(std::size_t cells) const;
    [[noreturn]] void badCell(std::size_t column, std::string_view cell) const;
    void splitAtTimeBreaks();
    double typicalStep(std::span<const Block> blocks) const;
    double blockPeriod(const Block& block, double typical) const;
    Recording makeRecording(const std::vector<double>& periods);

    LineReader& mLines;
    const ImportOptions& mOptions;
    Header mHeader;
    bool mDecimalComma = false;
    std::string mCell;      // a cell with its decimal comma made a point
    std::int64_t mLine = 0; // of the row being read
    bool mNewBlock = true;  // the next row starts a block
    std::size_t mRows = 0;  // rows read
    TimeColumn mTimes;
    std::vector<std::vector<float>> mColumns; // one per column; the time column's stays empty
    std::vector<Block> mBlocks;
};

Recording Importer::run() {
    const double rate = mOptions.sampleRate;
    if (rate != 0.0 && !(std::isfinite(rate) && rate > 0.0))
        fail(0, 0, "the sample rate must be a positive number of samples per second");
    const std::string header(headerLine()); // a line read from a stream goes with the next one
    const std::int64_t headerLineNumber = mLines.lineNumber();
    std::optional<std::string_view> firstRow;
    while ((firstRow = nextLine()) && isBlank(*firstRow)) {
    }
    if (!firstRow)
        fail(headerLineNumber + 1, 0, "no data rows");
    const char delimiter = chooseDelimiter(header, *firstRow);
    mDecimalComma = usesDecimalComma(*firstRow, delimiter);
    mHeader = parseHeader(header, headerLineNumber, delimiter);
    findTimeColumn(mHeader);
    mTimes = TimeColumn(mHeader.timeScale);
    readRows(*firstRow, delimiter);
    if (mHeader.timeColumn != kNoColumn)
        splitAtTimeBreaks();
    // A block of one row takes the typical step of the whole column (found only for such a block).
    const bool singleRows =
        std::any_of(mBlocks.begin(), mBlocks.end(), [](const Block& block) { return block.rows < 2; });
    const double typical = mHeader.timeColumn != kNoColumn && singleRows ? typicalStep(mBlocks) : 0.0;
    std::vector<double> periods;
    for (const Block& block : mBlocks)
        periods.push_back(blockPeriod(block, typical));
    return makeRecording(periods);
}

// The next line; the text's byte-order mark is no part of its first line.
std::optional<std::string_view> Importer::nextLine() {
    std::optional<std::string_view> line = mLines.next();
    if (line && mLines.lineNumber() == 1 && line->starts_with(kByteOrderMark))
        line->remove_prefix(kByteOrderMark.size());
    return line;
}

// The first line that is neither blank nor a comment ("#" first).
std::string_view Importer::headerLine() {
    bool comments = false;
    while (const auto line = nextLine()) {
        const auto first = line->find_first_not_of(' ');
        if (first == std::string_view::npos)
            continue;
        if ((*line)[first] != '#')
            return *line;
        comments = true;
    }
    if (!comments)
        fail(1, 0, "the file is empty");
    fail(mLines.lineNumber(), 0, "no header row after the comment lines");
}

char Importer::chooseDelimiter(std::string_view header, std::string_view firstRow) const {
    if (mOptions.delimiter != Delimiter::Detect)
        return delimiterChar(mOptions.delimiter);
    for (const char c : kCandidates)
        if (firstRow.find(c) != std::string_view::npos)
            return c;
    // One value per row, unless the values are separated by something else.
    if (const auto other = foreignSeparator(firstRow))
        fail(mLines.lineNumber(), 0,
             "values separated by " + quotedForMessage(std::string_view(&*other, 1)) +
                 ": comma, tab or semicolon expected");
    for (const char c : kCandidates)
        if (header.find(c) != std::string_view::npos)
            return c;
    return ',';
}

Header Importer::parseHeader(std::string_view line, std::int64_t at, char delimiter) const {
    std::int32_t badColumn = 0;
    const auto cells = splitHeaderCells(line, delimiter, badColumn);
    if (!cells)
        fail(at, static_cast<std::size_t>(badColumn), "unclosed or misplaced double quote");
    Header header;
    header.line = at;
    bool allNumbers = true;
    for (std::size_t c = 0; c < cells->size(); ++c) {
        const std::string& cell = (*cells)[c];
        if (!isValidUtf8(cell))
            fail(at, c + 1, "the channel name is not UTF-8 text");
        double number = 0.0;
        allNumbers = allNumbers && parseNumberCell(cell, number);
        header.columns.push_back(parseChannelHeader(cell));
        if (header.columns.back().title.empty())
            fail(at, c + 1, "missing channel name");
    }
    if (allNumbers)
        fail(at, 0, "a header row of channel names is expected, found numbers");
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
            fail(header.line, 0, "no column named " + quotedForMessage(name));
        return;
    }
    const std::string& unit = header.columns[header.timeColumn].unit;
    if (unit == "ms")
        header.timeScale = 1e-3;
    else if (!unit.empty() && unit != "s")
        fail(header.line, header.timeColumn + 1,
             "time unit " + quotedForMessage(unit) + " not understood: s or ms expected");
    if (header.columns.size() == 1)
        fail(header.line, 0, "no channel besides the time column");
}

// Blank lines between rows end a block; blank lines at the end end the text. What follows a blank
// line is held back while it is all white space, as the end of the text would drop it.
void Importer::readRows(std::string_view firstRow, char delimiter) {
    mColumns.resize(mHeader.columns.size());
    // Rows tend to be alike; the first one gives the number to reserve room for. Room reserved and
    // never written takes no memory.
    const std::size_t expectedRows = mLines.remainingBytes() / (firstRow.size() + 1) + 1;
    for (std::size_t c = 0; c < mColumns.size(); ++c)
        if (c != mHeader.timeColumn) {
            mColumns[c].reserve(expectedRows);
            adviseHugePages(mColumns[c].data(), mColumns[c].capacity() * sizeof(float));
        }
    std::vector<std::pair<std::int64_t, std::string>> heldBack;
    bool afterBlank = false;
    for (std::optional<std::string_view> line = firstRow; line; line = mLines.next()) {
        if (afterBlank && isWhiteSpace(*line)) {
            heldBack.emplace_back(mLines.lineNumber(), *line);
            continue;
        }
        for (const auto& [number, text] : heldBack)
            readLine(text, number, delimiter);
        heldBack.clear();
        afterBlank = isBlank(*line);
        readLine(*line, mLines.lineNumber(), delimiter);
    }
}

void Importer::readLine(std::string_view line, std::int64_t number, char delimiter) {
    mLine = number;
    if (isBlank(line)) {
        mNewBlock = true;
        return;
    }
    if (std::exchange(mNewBlock, false))
        mBlocks.push_back({mLine, mRows, 0});
    if (mBlocks.back().rows == kMostRows)
        fail(mLine, 0, "more rows than one record holds (2147483647)");
    if (std::memchr(line.data(), '"', line.size()))
        readQuotedRow(line, delimiter);
    else
        readRow(line, delimiter);
    ++mBlocks.back().rows;
    ++mRows;
}

// A cell that is a plain decimal right up to its delimiter is taken as it is scanned; any other
// goes the general way.
void Importer::readRow(std::string_view line, char delimiter) {
    const char* cell = line.data();
    const char* const end = cell + line.size();
    const std::size_t count = mColumns.size();
    const char point = mDecimalComma ? ',' : '.';
    for (std::size_t c = 0; c < count; ++c) {
        const bool last = c + 1 == count;
        PlainDecimal number;
        const char* cellEnd = scanPlainDecimal(cell, end, point, number);
        if (cellEnd && (last ? cellEnd == end : cellEnd != end && *cellEnd == delimiter) &&
            takeNumber(c, number)) {
            cell = cellEnd + 1;
            continue;
        }
        cellEnd =
            static_cast<const char*>(std::memchr(cell, delimiter, static_cast<std::size_t>(end - cell)));
        if ((cellEnd == nullptr) != last)
            raggedRow(static_cast<std::size_t>(std::count(line.begin(), line.end(), delimiter)) + 1);
        if (!cellEnd)
            cellEnd = end;
        takeCell(c, std::string_view(cell, static_cast<std::size_t>(cellEnd - cell)));
        cell = cellEnd + 1;
    }
}

// A row with double quotes: a quoted cell may hold the delimiter.
void Importer::readQuotedRow(std::string_view line, char delimiter) {
    std::int32_t badColumn = 0;
    const auto cells = splitHeaderCells(line, delimiter, badColumn);
    if (!cells)
        fail(mLine, static_cast<std::size_t>(badColumn), "unclosed or misplaced double quote");
    if (cells->size() != mColumns.size())
        raggedRow(cells->size());
    for (std::size_t c = 0; c < cells->size(); ++c)
        takeCell(c, (*cells)[c]);
}

// False when the number's value needs its text.
bool Importer::takeNumber(std::size_t column, const PlainDecimal& number) {
    if (column == mHeader.timeColumn) {
        double time = 0.0;
        if (!plainDecimalValue(number, time))
            return false;
        mTimes.push(number, time);
        return true;
    }
    float sample = 0.0F;
    if (!plainDecimalValue(number, sample))
        return false;
    mColumns[column].push_back(sample);
    return true;
}

void Importer::takeCell(std::size_t column, std::string_view cell) {
    if (column == mHeader.timeColumn) {
        double time = 0.0;
        if (!readNumber(cell, time))
            badCell(column, cell);
        mTimes.push(time);
        return;
    }
    float sample = 0.0F;
    if (!readNumber(cell, sample)) {
        if (!isMissing(cell))
            badCell(column, cell);
        sample = std::numeric_limits<float>::quiet_NaN();
    }
    mColumns[column].push_back(sample);
}

// With a decimal comma, a cell's comma is read as the point and a point makes it no number.
template <class T> bool Importer::readNumber(std::string_view cell, T& value) {
    if (!mDecimalComma)
        return parseNumberCell(cell, value);
    if (cell.find('.') != std::string_view::npos)
        return false;
    mCell.assign(cell);
    std::replace(mCell.begin(), mCell.end(), ',', '.');
    return parseNumberCell(mCell, value);
}

void Importer::raggedRow(std::size_t cells) const {
    const std::size_t columns = mColumns.size();
    fail(mLine, std::min(cells, columns) + 1,
         std::to_string(cells) + (cells == 1 ? " value" : " values") + " where the header has " +
             std::to_string(columns) + (columns == 1 ? " column" : " columns"));
}

void Importer::badCell(std::size_t column, std::string_view cell) const {
    const std::string& title = mHeader.columns[column].title;
    const bool empty = isBlank(cell);
    const char* expected = mDecimalComma ? " (a finite number with a decimal comma is expected)"
                                         : " (a finite number with a decimal point is expected)";
    std::string number(cell);
    if (mDecimalComma)
        std::replace(number.begin(), number.end(), ',', '.');
    if (!empty && column != mHeader.timeColumn && beyondFloat(number))
        fail(mLine, column + 1,
             quotedForMessage(cell) + " in " + quotedForMessage(title) +
                 " is beyond the range of a sample (3.4e38 in magnitude)");
    fail(mLine, column + 1,
         (empty ? std::string("empty cell") : quotedForMessage(cell) + " is not a number") + " in " +
             quotedForMessage(title) + (empty ? "" : expected));
}

// The median step between the times of the rows of the blocks given; 0 when none has two rows. A regular
// column's steps take few values, the printed times' rounding aside: they are counted by value, and
// only a column with too many of them has its steps listed.
double Importer::typicalStep(std::span<const Block> blocks) const {
    StepCounts counts;
    std::size_t total = 0;
    for (const Block& block : blocks) {
        double previous = block.rows > 0 ? mTimes[block.firstRow] : 0.0;
        for (std::size_t i = block.firstRow + 1; i < block.firstRow + block.rows && counts.ok(); ++i) {
            const double time = mTimes[i];
            if (const double step = time - previous; step > 0.0) {
                counts.add(step);
                ++total;
            }
            previous = time;
        }
    }
    if (counts.ok())
        return total > 0 ? counts.nth(total / 2) : 0.0;
    std::vector<double> steps;
    for (const Block& block : blocks)
        for (std::size_t i = block.firstRow + 1; i < block.firstRow + block.rows; ++i)
            if (mTimes[i] > mTimes[i - 1])
                steps.push_back(mTimes[i] - mTimes[i - 1]);
    const auto middle = steps.begin() + static_cast<std::ptrdiff_t>(steps.size() / 2);
    std::nth_element(steps.begin(), middle, steps.end());
    return *middle;
}

// A block also ends where its time column restarts (falls back to the block's first time or
// before it, after two rows at least) or jumps ahead by more than kBlockGap of its typical steps
// (those of its own rows: blocks between blank lines may differ in rate). Smaller irregularities
// stay in their block, whose time axis refuses them.
void Importer::splitAtTimeBreaks() {
    std::vector<Block> blocks;
    for (const Block& block : mBlocks) {
        const double typical = typicalStep(std::span<const Block>(&block, 1));
        Block current = block;
        current.rows = 1;
        double start = mTimes[block.firstRow];
        double previous = start;
        for (std::size_t i = block.firstRow + 1; i < block.firstRow + block.rows; ++i) {
            const double time = mTimes[i];
            const double step = time - previous;
            const bool restarts = current.rows > 1 && time <= start;
            if (restarts || (typical > 0.0 && step > kBlockGap * typical)) {
                blocks.push_back(current);
                current = {block.firstLine + static_cast<std::int64_t>(i - block.firstRow), i, 0};
                start = time;
            }
            ++current.rows;
            previous = time;
        }
        blocks.push_back(current);
    }
    mBlocks = std::move(blocks);
}

double Importer::blockPeriod(const Block& block, double typical) const {
    const double rate = mOptions.sampleRate;
    const std::size_t timeColumn = mHeader.timeColumn;
    if (timeColumn == kNoColumn) {
        if (rate == 0.0)
            fail(mHeader.line, 0, "no time column and no sample rate given");
        return 1.0 / rate;
    }
    if (block.rows < 2 && rate != 0.0)
        return 1.0 / rate;
    if (block.rows < 2 && typical > 0.0)
        return typical;
    TimeAxisFault fault;
    const auto period = periodFromTimes(mTimes, block.firstRow, block.rows, fault);
    if (!period)
        fail(block.firstLine + static_cast<std::int64_t>(fault.row), timeColumn + 1, fault.message);
    if (rate != 0.0 && std::abs(1.0 / *period - rate) > 1e-3 * rate)
        fail(mHeader.line, timeColumn + 1,
             "the time column gives " + roundedNumberText(1.0 / *period) +
                 " samples per second, the sample rate given is " + roundedNumberText(rate));
    return *period;
}

// Column by column, each freed once its blocks have their copies: at most one column is held twice.
Recording Importer::makeRecording(const std::vector<double>& periods) {
    std::vector<ChannelInfo> channels;
    std::vector<std::vector<std::vector<float>>> samples(mBlocks.size()); // by block, then channel
    for (std::size_t c = 0; c < mColumns.size(); ++c) {
        if (c == mHeader.timeColumn)
            continue;
        channels.push_back(std::move(mHeader.columns[c]));
        if (mBlocks.size() == 1) {
            samples.front().push_back(std::move(mColumns[c]));
            continue;
        }
        for (std::size_t b = 0; b < mBlocks.size(); ++b) {
            const auto first = mColumns[c].begin() + static_cast<std::ptrdiff_t>(mBlocks[b].firstRow);
            samples[b].emplace_back(first, first + static_cast<std::ptrdiff_t>(mBlocks[b].rows));
        }
        mColumns[c] = {};
    }
    Recording recording(std::move(channels));
    for (std::size_t b = 0; b < mBlocks.size(); ++b) {
        Record record(periods[b], std::move(samples[b]));
        if (mHeader.timeColumn != kNoColumn)
            record.setStartTime(mTimes[mBlocks[b].firstRow]);
        recording.addRecord(std::move(record));
    }
    return recording;
}

ImportResult importDelimitedText(LineReader& lines, const ImportOptions& options) {
    try {
        return Importer(lines, options).run();
    } catch (const Failure& failure) {
        return failure.error;
    }
}

} // namespace

ImportResult importDelimitedText(std::string_view text, const ImportOptions& options) {
    LineReader lines(text);
    return importDelimitedText(lines, options);
}

// Read a chunk at a time: no copy of the whole file is ever held.
ImportResult importDelimitedStream(RegularFileStream& file, const ImportOptions& options) {
    LineReader lines(file, static_cast<std::size_t>(file.size()));
    ImportResult result = importDelimitedText(lines, options);
    file.finish();
    return result;
}

ImportResult importDelimitedFile(const std::filesystem::path& path, const ImportOptions& options) {
    try {
        RegularFileStream file(path);
        return importDelimitedStream(file, options);
    } catch (const FileError& error) {
        return ImportError{0, 0, error.what()};
    }
}

} // namespace Vantrel
