// Writes the seed corpora of the fuzz harnesses (fuzz/<harness>/corpus/seed-*) with the project's
// own writers: the delimited-text export of generated recordings, the storage streams, the channel
// unit cache's Save, the analysis formulas (also as channel lists), the calculation classes' GetArgs and the
// automation messages' parameter texts. scripts/make-fuzz-seeds runs it; the seeds are committed.

#include "analysis/CalcEnumClasses.h"
#include "core/ChannelUnitCache.h"
#include "core/NumberText.h"
#include "core/StorageBinIStreamLite.h"
#include "core/StorageBinOStreamLite.h"
#include "core/String.h"
#include "fuzz/support/HostUnitOwner.h"
#include "fuzz/support/StepModelDocument.h"
#include "host/recording/DelimitedExport.h"
#include "module/AutomationMessageClasses.h"
#include "platform/win32/com_ptr.h"
#include "tableview/TableInterfaces.h"
#include "tools/pvsim/Simulation.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;
using namespace Vantrel;

fs::path gRoot;

void seed(const std::string& harness, const std::string& name, const std::string& bytes) {
    const fs::path folder = gRoot / "fuzz" / harness / "corpus";
    fs::create_directories(folder);
    std::ofstream(folder / ("seed-" + name), std::ios::binary) << bytes;
}

std::string with(char first, const std::string& rest) {
    return std::string(1, first) + rest;
}

constexpr std::string_view kHeaderBytes = "\xAA\xAA\x14\x55";

std::string bytes(std::initializer_list<unsigned char> values) {
    return std::string(values.begin(), values.end());
}

// A generated mouse recording of the given length, its time column in seconds.
Recording mouse(double seconds, bool occlusion = false) {
    PvSim::SimParams params =
        occlusion ? PvSim::SimParams::occlusionPreset() : PvSim::SimParams::steadyPreset();
    params.duration = seconds;
    params.warmupBeats = 5;
    params.occlusionStart = 0.2;
    params.occlusionDuration = seconds;
    return PvSim::simulate(params).recording;
}

// The first ticks of record 0.
Recording firstTicks(const Recording& recording, Tick ticks) {
    std::vector<std::vector<float>> columns;
    for (std::size_t c = 0; c < recording.channelCount(); ++c) {
        const auto samples = recording.record(0).samples(c);
        columns.emplace_back(samples.begin(), samples.begin() + ticks);
    }
    Recording part(recording.channels());
    part.addRecord(Record(recording.record(0).tickPeriod(), std::move(columns)));
    return part;
}

std::string exported(const Recording& recording, Delimiter delimiter, bool timeColumn, int decimals) {
    ExportOptions options;
    options.delimiter = delimiter;
    options.timeColumn = timeColumn;
    options.decimals = decimals;
    return exportDelimitedText(recording, 0, options);
}

void importSeeds() {
    const Recording steady = mouse(0.3);
    seed("delimited_import", "mouse-steady",
         with(0, exported(firstTicks(steady, 250), Delimiter::Comma, true, 3)));
    seed("delimited_import", "tab-untimed-rate",
         with(0x04, exported(firstTicks(steady, 60), Delimiter::Tab, false, 3)));
    seed("delimited_import", "semicolon-exact",
         with(0, exported(firstTicks(steady, 40), Delimiter::Semicolon, true, -1)));
    seed("delimited_import", "one-row-rate",
         with(0x04, exported(firstTicks(steady, 1), Delimiter::Comma, true, 2)));
    Recording awkward(
        {{"LV, pressure", "mmHg"}, {"Say \"hi\"", ""}, {"Flow (raw)", ""}, {"Volume", "u (L)"}});
    std::vector<std::vector<float>> columns(4);
    for (int i = 0; i < 20; ++i)
        for (std::size_t c = 0; c < 4; ++c)
            columns[c].push_back(static_cast<float>(i * (c + 1)) * 0.37F - 3.0F);
    awkward.addRecord(Record(1.0 / 3000.0, std::move(columns)));
    seed("delimited_import", "awkward-titles", with(0, exported(awkward, Delimiter::Comma, true, -1)));
    std::ifstream ragged(gRoot / "tests" / "data" / "frontend" / "ragged-row.csv", std::ios::binary);
    seed("delimited_import", "ragged-row", with(0, std::string(std::istreambuf_iterator<char>(ragged), {})));

    // The analysis: a second of a steady mouse and of an occlusion, read in the ways the first byte
    // chooses (see fuzz/analyze).
    const std::string second = exported(mouse(1.0), Delimiter::Comma, true, 3);
    seed("analyze", "mouse-steady", with(0, second));
    seed("analyze", "mouse-steady-csv-to-file", with(0x03, second));
    seed("analyze", "mouse-steady-ecg", with(0x60, second));
    seed("analyze", "mouse-occlusion-named", with(0x44, exported(mouse(1.0, true), Delimiter::Tab, true, 2)));
    seed("analyze", "untimed-rate",
         with(0x28, exported(firstTicks(mouse(0.6), 600), Delimiter::Semicolon, false, 2)));
}

void roundTripSeeds() {
    // Structured inputs (see fuzz/recording_round_trip): bytes of a simple generator.
    std::uint32_t state = 12345;
    for (int n = 0; n < 4; ++n) {
        std::string bytes;
        for (int i = 0; i < 64 + 64 * n; ++i) {
            state = state * 1103515245u + 12345u;
            bytes += static_cast<char>(state >> 24);
        }
        seed("recording_round_trip", "generated-" + std::to_string(n), bytes);
    }
    seed("recording_round_trip", "zeros", std::string(32, '\0'));
}

// A storage stream's bytes as StorageBinOStreamLite writes them.
std::string storageBytes(const std::function<void(StorageBinOStreamLite&)>& write) {
    auto memory = ComPtr<MemoryStream>::Adopt(MemoryStream::Create());
    {
        StorageBinOStreamLite out(memory.Get(), false);
        write(out);
    }
    return std::string(memory->Bytes().begin(), memory->Bytes().end());
}

void streamSeeds() {
    const std::string values = storageBytes([](StorageBinOStreamLite& out) {
        out.WriteU8(0x7F);
        out.WriteU16(0x2345);
        out.WriteU32(0xDEADBEEF);
        out.WriteFloat(1.5F);
        out.WriteDouble(-2.0);
        out.Write8(1, 2);
        out.WriteBytes("ab", 2);
        out.WriteStringRecord(Ovo::String(u"\u00B5V"));
    });
    // Mode 2 (read anything): no fault scripts, eight reads of kinds 0 .. 7, then the bytes.
    std::string reads = bytes({2, 0, 0, 8});
    for (unsigned char kind = 0; kind < 8; ++kind)
        reads += bytes({kind, 2}) + std::string(8, '\0');
    seed("storage_streams", "values-read", reads + values);
    // Mode 0 (save and read back) and 1 (positioned writes) with a few values and no faults.
    seed("storage_streams", "save-values",
         bytes({0, 0, 0, 5, 2, 7, 0, 0, 0, 0, 6, 3, 'a', 'b', 'c', 7, 2, 'h', 0, 'i', 0}));
    seed("storage_streams", "seek-and-write", bytes({1, 0, 0, 6, 3, 5, 0, 1, 2, 3, 0, 9, 2, 4, 1, 1, 0, 0}));
}

void unitCacheSeeds() {
    Fuzz::HostUnitOwner owner;
    Ovo::ChannelUnitCache cache(owner);
    for (const std::int32_t channel : {0, 1, 7})
        cache.FetchDefault(channel);
    const std::string saved = storageBytes([&cache](StorageBinOStreamLite& out) { cache.Save(&out); });
    // A load of arbitrary bytes (flag 1, no faults) given the saved form.
    seed("channel_unit_cache", "saved", bytes({1, 0}) + saved);
    // A cache of two channels saved through a sound stream (flag 0, no faults, channels 5 and 9).
    seed("channel_unit_cache", "save-two", bytes({0, 0, 2, 5, 0, 0, 0, 9, 0, 0, 0}));
}

// Formulas of the module's calculation classes as the front end wrote them for the document, and
// as a user may.
std::vector<std::string> writtenFormulas() {
    return {std::string("TarvikAnalyzer(ch1, ch2, PVEdpDet(ch1, CMPeakDet(ch1, 20, 0), 20, 0, 0, 2147483647, "
                        "2147483647), 0, 0, 2147483647, 2147483647)"),
            std::string("TarvikAnalyzer(ch1, ch2, PVEcgEdpDet(CMPeakDet(ch3, 0.75, 0), 0, 0, 2147483647, "
                        "2147483647), 0, 0, 2147483647, 2147483647)"),
            std::string("TarvikAnalyzer(ch1, pvvolumewithoutvp, PVEdpDet(ch1, CMPeakDet(ch1, 20, 0), 20, 0, "
                        "0, 2147483647, 2147483647), 0, 0, 2147483647, 2147483647)"),
            std::string("TarvikParamSelector(TarvikAnalyzer(ch1, ch2, PVEdpDet(ch1, CMPeakDet(ch1, 20, 0), "
                        "20, 0, 0, 2147483647, 2147483647), 0, 0, 2147483647, 2147483647), 1, 1, 1)"),
            std::string("TarvikParamSelector(TarvikAnalyzer(ch1, ch2, PVEdpDet(ch1, CMPeakDet(ch1, 20, 0), "
                        "20, 0, 0, 2147483647, 2147483647), 0, 0, 2147483647, 2147483647), 29, 1, 1)"),
            std::string("PVEdpDet(ch1, CMPeakDet(ch1, 20, 0), 20, 0, 0, 2147483647, 2147483647)"),
            std::string("ch2"),
            std::string("PVMaxDet(ch1)"),
            std::string("TarvikPVAParamSelector(PvaCalc(TarvikAnalyzer(ch1, ch2, PVEdpDet(ch1, "
                        "CMPeakDet(ch1, 20, 0), 20, 0, 0, 2147483647, 2147483647), 0, 0, 2147483647, "
                        "2147483647), -1, 0, 0, 0, 0, 0, 0, 0), 1, 1, 1)"),
            std::string("ch1 * 2 + sin(2 * pi * t) - shift(ch2, 0.01) / 4"),
            std::string("CMPeakDet(ch1, 10, 0.05)")};
}

void formulaSeeds() {
    int n = 0;
    for (const std::string& formula : writtenFormulas())
        seed("formula", "formula-" + std::to_string(n++), formula);
}

// The channel list is read from a formula in lower case.
void channelListSeeds() {
    int n = 0;
    for (std::string formula : writtenFormulas()) {
        std::transform(formula.begin(), formula.end(), formula.begin(),
                       [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
        seed("channel_list", "formula-" + std::to_string(n++), formula);
    }
}

void argumentSeeds() {
    const auto& classes = CalcEnums::CalcClassObjects();
    const char16_t* const kArguments[] = {u"4 -1 -1 -1 -1", u"0", u"3 1 0.001", u"8 -1 0 0 0 0 0 0 0"};
    for (std::size_t c = 0; c < classes.size(); ++c)
        for (std::size_t a = 0; a < std::size(kArguments); ++a) {
            ComPtr<ICalcEnum> calc;
            classes[c]->CreateEnumerator(nullptr, calc.Put());
            auto text = ComPtr<IAutoOvoString>::Adopt(Ovo::String(kArguments[a]).GetInterface());
            DWORD flags = 0;
            calc->SetArgs(text.Get(), &flags);
            IAutoOvoString* args = nullptr;
            calc->GetArgs(&args);
            Ovo::String written;
            written.Adopt(args);
            seed("calc_args", "class-" + std::to_string(c) + "-" + std::to_string(a),
                 with(static_cast<char>(c), written.ToUtf8()));
        }
}

void messageSeeds() {
    int n = 0;
    for (const Ovo::MessageClassDef& def : Ovo::AutomationMessageDefs()) {
        const Ovo::MsgIdMessageClassObject messageClass(def, Ovo::String(u"Tarvik"));
        for (const bool fullNames : {false, true}) {
            const std::string text = messageClass.DefaultParamText(fullNames).ToUtf8();
            if (!text.empty())
                seed("message_param_text", "message-" + std::to_string(n++), bytes({1, 1, 0}) + text);
        }
    }
}

void numberSeeds() {
    int n = 0;
    for (const double value : {0.0, 1.5, -2.25e7, 12345.6, 0.001234, 3e150, -7.0}) {
        const std::string shown = FormatDoubleForDisplay(value).ToUtf8();
        seed("number_text", "shown-" + std::to_string(n++), with(0, shown));
        std::wstring fixed;
        NumberToText(fixed, kNumberTextFixed, value, 3);
        seed("number_text", "fixed-" + std::to_string(n++),
             with(0, " " + std::string(fixed.begin(), fixed.end()) + " mV"));
    }
}

// Each step model's fresh states as SaveState and SaveExtraState write them (after the stream
// header), read as the current version with no faults.
void stepModelSeeds() {
    Fuzz::setUpModuleHost();
    Fuzz::StepModelDocument document;
    for (std::int32_t id = 1; id <= 12; ++id)
        for (const bool extra : {false, true}) {
            const Tarvik::ModelPtr model = document.GetModel(id);
            const std::string state = storageBytes([&](StorageBinOStreamLite& out) {
                extra ? model->SaveExtraState(out) : model->SaveState(out);
            });
            // The choice bytes: model id - 1, the block, the current version, no faults.
            seed(
                "step_model_states", "model-" + std::to_string(id) + (extra ? "-extra" : ""),
                bytes({static_cast<unsigned char>(id - 1), static_cast<unsigned char>(extra ? 1 : 0), 1, 0}) +
                    state.substr(4));
        }
}

// The table view manager's column state as SaveState writes it: fresh, and of three columns.
void columnStateSeeds() {
    ComPtr<ITableViewManager> table;
    CreateTableViewManager(table.Put());
    const auto state = [&table] {
        return storageBytes([&table](StorageBinOStreamLite& out) { table->SaveState(0, &out); }).substr(4);
    };
    seed("column_state", "fresh", bytes({0, 0}) + state());
    std::string three;
    for (const std::uint32_t word : {2u, 3u, 1u, 2u, 0u, 80u, 90u, 100u, 1337u})
        for (int i = 0; i < 4; ++i)
            three += static_cast<char>(word >> (8 * i));
    auto memory = ComPtr<MemoryStream>::Adopt(
        MemoryStream::Create(std::vector<BYTE>(kHeaderBytes.begin(), kHeaderBytes.end()), STGM_READ));
    memory->Write(three.data(), static_cast<ULONG>(three.size()), nullptr);
    memory->Seek(LARGE_INTEGER{}, STREAM_SEEK_SET, nullptr);
    {
        StorageBinIStreamLite in(memory.Get());
        table->LoadState(0, &in);
    }
    seed("column_state", "three-columns", bytes({0, 0}) + state());
    seed("column_state", "three-columns-saved", bytes({1, 0}) + state());
}

void commandLineSeeds() {
    const std::vector<std::vector<std::string>> lines = {
        {"analyze", "rec.csv", "--rate", "1000", "--format=csv", "-o", "loops.csv"},
        {"analyze", "--pressure", "LVP", "--volume=2", "--ecg", "ECG", "--", "-odd.csv"},
        {"--help"},
        {"analyze", "--help"},
        {"--version"},
    };
    int n = 0;
    for (const auto& line : lines) {
        std::string bytes;
        for (const std::string& argument : line)
            bytes += argument + '\0';
        seed("command_line", "line-" + std::to_string(n++), bytes);
    }
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: fuzz_make_seeds REPOSITORY\n");
        return 2;
    }
    gRoot = argv[1];
    importSeeds();
    roundTripSeeds();
    streamSeeds();
    unitCacheSeeds();
    formulaSeeds();
    channelListSeeds();
    argumentSeeds();
    messageSeeds();
    commandLineSeeds();
    numberSeeds();
    stepModelSeeds();
    columnStateSeeds();
    return 0;
}
