// The whole `vantrel analyze` path in one process: the input's text as a recording file, its
// channels chosen, the module (loaded once, as the host loads it) analysing it through the host's
// engine, and the loop table written to standard output or with -o to a file. Whatever the text,
// the command either succeeds with a well-formed table or fails (status 1, 2 for an output that is
// the recording, 3 for no loops) with one line on standard error besides any warnings, writing
// nothing and leaving an earlier output and the recording as they were.

#include "fuzz/support/FuzzCheck.h"
#include "fuzz/support/FuzzInput.h"
#include "host/frontend/DocumentLoopAnalyzer.h"
#include "host/frontend/ModuleHost.h"
#include "host/frontend/Program.h"

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;
using namespace Vantrel;

const fs::path& folder() {
    static const fs::path path = [] {
        const fs::path made = fs::temp_directory_path() / ("vantrel-fuzz-" + std::to_string(::getpid()));
        fs::remove_all(made);
        fs::create_directories(made);
        std::atexit([] { fs::remove_all(folder()); });
        return made;
    }();
    return path;
}

std::string contents(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

void write(const fs::path& path, std::string_view text) {
    std::ofstream(path, std::ios::binary | std::ios::trunc)
        .write(text.data(), static_cast<std::streamsize>(text.size()));
}

std::vector<std::string> cells(std::string_view line, char delimiter) {
    std::vector<std::string> result;
    for (std::size_t at = 0;;) {
        const std::size_t end = std::min(line.find(delimiter, at), line.size());
        result.emplace_back(line.substr(at, end - at));
        if (end == line.size())
            return result;
        at = end + 1;
    }
}

bool isNumber(const std::string& cell) {
    char* end = nullptr;
    const double value = std::strtod(cell.c_str(), &end);
    return !cell.empty() && end == cell.c_str() + cell.size() && std::isfinite(value);
}

// The loop table: a header, one row per loop numbered from 1 with finite numbers or empty cells (the
// last column says whether the loop is excluded: none is here), a blank line, the count of loops that
// matches the rows, all of them included, and the summary's header, means, SDs and counts.
void checkTable(const std::string& table, char delimiter) {
    std::istringstream lines(table);
    std::string line;
    FUZZ_CHECK(std::getline(lines, line) && line.starts_with(std::string("loop") + delimiter + "record"),
               table);
    const std::size_t columns = cells(line, delimiter).size();
    std::size_t loops = 0;
    while (std::getline(lines, line) && !line.empty()) {
        const std::vector<std::string> row = cells(line, delimiter);
        FUZZ_CHECK(row.size() == columns, "every row has every column: " + line);
        FUZZ_CHECK(row[0] == std::to_string(++loops), "loops are numbered in order: " + line);
        FUZZ_CHECK(isNumber(row[1]) && isNumber(row[2]), "a loop has a record and a time: " + line);
        for (const std::string& cell : row)
            FUZZ_CHECK(cell.empty() || isNumber(cell), "values are finite numbers or empty: " + line);
    }
    const std::string count = std::to_string(loops);
    FUZZ_CHECK(std::getline(lines, line) && line == "loops found" + std::string(1, delimiter) + count,
               "the count of loops matches the rows: " + line);
    FUZZ_CHECK(std::getline(lines, line) && line == "loops included" + std::string(1, delimiter) + count,
               "every loop is included: " + line);
    FUZZ_CHECK(std::getline(lines, line) && line.starts_with("statistic"), "the summary's header follows");
    for (const char* statistic : {"mean", "SD", "n"}) {
        FUZZ_CHECK(std::getline(lines, line) && line.starts_with(statistic), "the summary's rows follow");
        for (const std::string& cell : cells(line, delimiter))
            FUZZ_CHECK(cell == statistic || cell.empty() || isNumber(cell),
                       "the summary holds finite numbers or empty cells: " + line);
    }
}

} // namespace

// The first byte chooses the options: the format, -o (to a new file, an earlier one, or the recording
// itself), a rate, and how the channels are named; the rest is the recording.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static ModuleHost module;
    Fuzz::Input in(data, size);
    const std::uint8_t choice = in.byte();
    const std::string_view text = in.rest();
    const fs::path recording = folder() / "recording.csv";
    const fs::path output = folder() / "loops.out";
    write(recording, text);
    fs::remove(output);

    std::vector<std::string> arguments{"analyze", recording.string()};
    const bool csv = (choice & 1) != 0;
    if (csv)
        arguments.insert(arguments.end(), {"--format", "csv"});
    const int outputKind =
        (choice >> 1) & 3; // 0 standard output, 1 a new file, 2 an earlier file, 3 the recording
    if (outputKind == 2)
        write(output, "earlier\n");
    if (outputKind != 0)
        arguments.insert(arguments.end(), {"-o", (outputKind == 3 ? recording : output).string()});
    const char* const kRates[] = {nullptr, "1000", "250", "4000"};
    if (const char* rate = kRates[(choice >> 3) & 3])
        arguments.insert(arguments.end(), {"--rate", rate});
    switch ((choice >> 5) & 3) {
    case 1:
        arguments.insert(arguments.end(), {"--pressure", "1", "--volume", "2"});
        break;
    case 2:
        arguments.insert(arguments.end(), {"--pressure", "Pressure", "--volume", "volume"});
        break;
    case 3:
        arguments.insert(arguments.end(), {"--ecg", "3"});
        break;
    default:
        break;
    }

    std::ostringstream out, err;
    const std::vector<std::string_view> views(arguments.begin(), arguments.end());
    int status = 0;
    // Run again after an overrun, the command meets the same files: an output it wrote holds the same.
    Fuzz::withinBudget(
        "analysing the recording", size, std::chrono::seconds(1), std::chrono::microseconds(60), [&] {
            out.str("");
            err.str("");
            status =
                runProgram(views, out, err, [] { return std::make_unique<DocumentLoopAnalyzer>(module); });
        });

    FUZZ_CHECK(contents(recording) == text, "the recording is left as it was");
    // Standard error: warnings about the channels' units, then at most one line of failure.
    std::istringstream lines(err.str());
    std::vector<std::string> failures;
    for (std::string line; std::getline(lines, line);) {
        FUZZ_CHECK(line.starts_with("vantrel: "), "every line on standard error is the program's: " + line);
        if (!line.starts_with("vantrel: warning: "))
            failures.push_back(line);
    }
    FUZZ_CHECK(err.str().empty() || err.str().back() == '\n', "standard error ends its lines");
    if (status == 0 || status == 4) {
        // 4: fewer loops than the pressure's beats; the results are written and one line says so.
        FUZZ_CHECK(outputKind != 3, "the recording is never the output");
        FUZZ_CHECK(failures.size() == (status == 4 ? 1U : 0U),
                   "one line for too few loops only: " + err.str());
        if (status == 4)
            FUZZ_CHECK(failures[0].find(" loops found for ") != std::string::npos, failures[0]);
        const std::string table = outputKind == 0 ? out.str() : contents(output);
        FUZZ_CHECK(outputKind == 0 || out.str().empty(), "with -o nothing goes to standard output");
        checkTable(table, csv ? ',' : '\t');
    } else {
        // 1: the recording cannot be read or analysed; 2: -o names the recording; 3: no loops.
        FUZZ_CHECK(status == (outputKind == 3 ? 2
                              : status == 3   ? 3
                                              : 1),
                   "a failure's status: " + std::to_string(status));
        FUZZ_CHECK(out.str().empty(), "a failure writes nothing");
        FUZZ_CHECK(failures.size() == 1, "a failure is one line on standard error: " + err.str());
        if (status == 3)
            FUZZ_CHECK(failures[0].find(": no loops found") != std::string::npos, failures[0]);
        if (outputKind == 1)
            FUZZ_CHECK(!fs::exists(output), "a failure creates no output");
        if (outputKind == 2)
            FUZZ_CHECK(contents(output) == "earlier\n", "a failure leaves an earlier output");
    }
    std::size_t files = 0;
    for ([[maybe_unused]] const auto& entry : fs::directory_iterator(folder()))
        ++files;
    FUZZ_CHECK(files <= 2, "no temporary file is left");
    return 0;
}
