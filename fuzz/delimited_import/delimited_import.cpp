// The delimited-text import: any text is either read as a whole recording or refused with one line
// that says where; it is read in time proportional to its length; and what it reads, exported,
// reads back the same.

#include "fuzz/support/FuzzCheck.h"
#include "fuzz/support/FuzzInput.h"
#include "fuzz/support/RecordingCheck.h"
#include "host/recording/DelimitedImport.h"
#include "host/recording/TextCells.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <stdexcept>

namespace {

using namespace Vantrel;

// The first byte chooses the options: the delimiter, a sample rate, the time column's title.
ImportOptions options(std::uint8_t choice) {
    constexpr Delimiter kDelimiters[] = {Delimiter::Detect, Delimiter::Comma, Delimiter::Tab,
                                         Delimiter::Semicolon};
    constexpr double kRates[] = {0.0, 1000.0, 1.0, 0.4};
    const char* const kTimeColumns[] = {"", "time", "T", "Zeit"};
    ImportOptions options;
    options.delimiter = kDelimiters[choice & 3];
    options.sampleRate = kRates[(choice >> 2) & 3];
    options.timeColumn = kTimeColumns[(choice >> 4) & 3];
    return options;
}

void checkRefusal(const ImportError& error, std::string_view text) {
    const std::string message = error.text();
    FUZZ_CHECK(!error.message.empty(), "a refusal says why");
    FUZZ_CHECK(message.find_first_of("\r\n") == std::string::npos, "a refusal is one line: " + message);
    // A line that is missing is named too: the first data row after a header, for instance.
    const auto lines = static_cast<std::int64_t>(std::count(text.begin(), text.end(), '\n')) + 2;
    FUZZ_CHECK(error.line >= 0 && error.line <= lines && error.column >= 0,
               "a refusal points into the text: " + message);
}

void checkRecording(const Recording& recording) {
    FUZZ_CHECK(recording.channelCount() >= 1 && recording.recordCount() >= 1,
               "a recording has channels and records");
    for (const ChannelInfo& channel : recording.channels())
        FUZZ_CHECK(!channel.title.empty() && isValidUtf8(channel.title) && isValidUtf8(channel.unit),
                   "a channel has a title, in UTF-8: " + channel.title);
    for (std::int32_t r = 0; r < recording.recordCount(); ++r) {
        const Record& record = recording.record(r);
        FUZZ_CHECK(std::isfinite(record.tickPeriod()) && record.tickPeriod() > 0.0, "a positive tick period");
        FUZZ_CHECK(record.tickCount() >= 1, "a record holds samples");
        for (std::size_t c = 0; c < record.channelCount(); ++c)
            for (const float sample : record.samples(c))
                FUZZ_CHECK(!std::isinf(sample), "samples are finite or missing");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Fuzz::Input in(data, size);
    const ImportOptions importOptions = options(in.byte());
    const std::string_view text = in.rest();

    std::optional<ImportResult> imported;
    Fuzz::withinBudget("importing the text", size, std::chrono::milliseconds(100),
                       std::chrono::microseconds(1),
                       [&] { imported = importDelimitedText(text, importOptions); });
    const ImportResult& result = *imported;
    if (!result) {
        checkRefusal(result.error(), text);
        return 0;
    }
    const Recording& recording = result.recording();
    checkRecording(recording);
    try {
        Fuzz::checkExportReadsBack(recording, ExportOptions{});
    } catch (const std::invalid_argument& error) {
        FUZZ_CHECK(false, std::string("an imported recording is exported: ") + error.what());
    }
    return 0;
}
