#include "host/frontend/DocumentLoopAnalyzer.h"

#include "host/document/RecordingDocument.h"
#include "host/framework/Automation.h"
#include "host/framework/HostApplication.h"
#include "host/framework/Text.h"
#include "host/framework/UnitConversion.h"
#include "host/framework/UnitName.h"
#include "host/frontend/AnalysisFormulas.h"
#include "host/frontend/LoopView.h"
#include "host/frontend/ModuleHost.h"
#include "host/frontend/RelationReport.h"
#include "platform/user/Desktop.h"
#include "platform/user/Input.h"
#include "platform/user/combobox.h"
#include "platform/user/user.h"
#include "platform/vantrel/EventRecords.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <regex>
#include <stdexcept>

namespace Vantrel {

namespace {

// The display order of the module's table: SW, Pmax, Pmin, Pmean, Pdev, Vmax, Vmin, SV, Ves, Pes,
// Ved, Ped, HR, CO, Ea, EF, PowMax, dP/dt max, dP/dt min, dV/dt max, dV/dt min, PVA, PE, CE, Tau,
// P@dV/dt max, P@dP/dt max, V@dP/dt max, V@dP/dt min.
constexpr int kParameterIds[] = {1,  8,  9,  10, 11, 4,  5,  3,  6,  12, 7,  13, 14, 2, 16,
                                 15, 17, 18, 19, 20, 21, 26, 27, 28, 29, 22, 23, 24, 25};
constexpr bool fromPva(int id) {
    return id >= 26 && id <= 28;
}
constexpr int kVes = 6, kPes = 12, kVed = 7, kPed = 13;

enum Control : int {
    kPressureChannel = 1003,
    kWholeChannel = 1004,
    kSelection = 1005,
    kPeakHeight = 1006,
    kPeriod = 1007,
    kPeriodUnit = 1063,
    kPressureDetection = 1008,
    kEcgDetection = 1009,
    kVolumeChannel = 1010,
    kQrsChannel = 1011,
};

constexpr const char16_t* kEcgWaves = u"ecgwaves";

// Windows of the host while it runs: the main window, its client area and the recording's data window.
class HostWindows {
public:
    explicit HostWindows(HostApplication& application) : mApplication(application) {
        mMain = CreateWindowExW(0, u"Static", u"Vantrel", WS_POPUP | WS_VISIBLE, 0, 0, 1280, 960, nullptr,
                                nullptr, nullptr, nullptr);
        mClient = CreateWindowExW(0, u"Static", u"", WS_CHILD | WS_VISIBLE, 0, 0, 1280, 900, mMain, nullptr,
                                  nullptr, nullptr);
        mData = CreateWindowExW(0, u"Static", u"", WS_CHILD | WS_VISIBLE, 0, 0, 1000, 700, mClient, nullptr,
                                nullptr, nullptr);
        mApplication.SetMainWindow(mMain);
        mApplication.SetClientWindow(mClient);
    }
    ~HostWindows() {
        mApplication.SetMainWindow(nullptr);
        mApplication.SetClientWindow(nullptr);
        DestroyWindow(mMain);
    }
    HostWindows(const HostWindows&) = delete;
    HostWindows& operator=(const HostWindows&) = delete;
    HWND Data() const { return mData; }

private:
    HostApplication& mApplication;
    HWND mMain = nullptr, mClient = nullptr, mData = nullptr;
};

// The recording document with the module's document in it, closed however the analysis ends.
class OpenDocument {
public:
    OpenDocument(ModuleHost& module, Recording& recording)
        : mDocument(ComPtr<RecordingDocument>::Adopt(
              new RecordingDocument(module.framework(), recording, module.calcClasses(), 1))) {}
    ~OpenDocument() { mDocument->closeModuleDocument(); }
    OpenDocument(const OpenDocument&) = delete;
    OpenDocument& operator=(const OpenDocument&) = delete;
    RecordingDocument* operator->() const { return mDocument.Get(); }
    RecordingDocument& operator*() const { return *mDocument.Get(); }

private:
    ComPtr<RecordingDocument> mDocument;
};

struct LoopEvent {
    double position = 0.0; // tick plus fraction
    bool isLoop = false;
};

std::vector<LoopEvent> loopEvents(const std::vector<std::byte>& bytes, ULONG eventSize) {
    if (eventSize != kLoopEventBytes)
        throw std::runtime_error("the loop channel gave events of " + std::to_string(eventSize) +
                                 " bytes, not loop events");
    std::vector<LoopEvent> events(bytes.size() / kLoopEventBytes);
    for (std::size_t i = 0; i < events.size(); ++i) {
        const auto event = ReadEventRecord<LoopEventHead>(bytes.data() + i * kLoopEventBytes);
        events[i] = {event.tick + static_cast<double>(event.fraction),
                     event.state != LoopEventHead::LastInBlock};
    }
    return events;
}

std::vector<double> eventValues(const std::vector<std::byte>& bytes) {
    std::vector<double> values(bytes.size() / sizeof(EventRecord));
    for (std::size_t i = 0; i < values.size(); ++i)
        values[i] = ReadEventRecord<EventRecord>(bytes.data() + i * sizeof(EventRecord)).value;
    return values;
}

int timeDecimals(const Recording& recording) {
    double fastest = 1.0;
    for (std::int32_t r = 0; r < recording.recordCount(); ++r)
        fastest = std::max(fastest, recording.record(r).sampleRate());
    return static_cast<int>(std::ceil(std::log10(fastest) - 1e-9)) + 1;
}

int itemWithText(HWND combo, const std::u16string& text) {
    const auto count = static_cast<int>(SendMessageW(combo, CB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        std::u16string item(static_cast<std::size_t>(SendMessageW(combo, CB_GETLBTEXTLEN, i, 0)) + 1, u'\0');
        item.resize(static_cast<std::size_t>(SendMessageW(combo, CB_GETLBTEXT, static_cast<WPARAM>(i),
                                                          reinterpret_cast<LPARAM>(item.data()))));
        if (item == text)
            return i;
    }
    return -1;
}

// A number as typed into a dialog: the shortest text that reads back as the same double.
std::u16string typedNumber(double value) {
    char text[32];
    const auto end = std::to_chars(text, text + sizeof text, value).ptr;
    return Utf8ToUtf16(std::string(text, end));
}

// Answers the Settings dialog: the channels asked for, the whole channel or the selection, the QRS
// source of the ECG or the pressure signal with the peak height and period asked for; OK. A dialog
// that keeps itself open is cancelled; accepted tells which.
void answerSettings(const AnalysisRequest& request, const Recording& recording,
                    const std::u16string& ecgTitle, bool& accepted) {
    user::Desktop::Current().Dialogs().Script([&request, &recording, ecgTitle, &accepted](HWND dialog) {
        user::Desktop& desktop = user::Desktop::Current();
        const auto click = [&](int id) {
            SendMessageW(GetDlgItem(dialog, id), BM_CLICK, 0, 0);
            desktop.Pump();
        };
        const auto type = [&](int id, double value) {
            SetWindowTextW(GetDlgItem(dialog, id), typedNumber(value).c_str());
            desktop.Pump();
        };
        if (request.channels) {
            user::ChooseItem(GetDlgItem(dialog, kPressureChannel),
                             static_cast<int>(request.channels->pressure));
            user::ChooseItem(GetDlgItem(dialog, kVolumeChannel), static_cast<int>(request.channels->volume));
            desktop.Pump();
        }
        if (request.selection)
            click(kSelection);
        else if (!request.settings)
            click(kWholeChannel);
        if (request.peakHeight || request.minPeriod)
            click(kPressureDetection);
        if (request.peakHeight) {
            // The dialog takes the height in the pressure unit's base (Pa for kPa) and the module
            // compares it with the channel's values as recorded: the number typed is the height
            // asked for over the unit's prefix, so that the module detects at that height.
            const auto pressure = SendMessageW(GetDlgItem(dialog, kPressureChannel), CB_GETCURSEL, 0, 0);
            double prefix = 1.0;
            if (pressure >= 0 && static_cast<std::size_t>(pressure) < recording.channelCount())
                prefix = prefixCodeFactor(
                    UnitName::split(recording.channels()[static_cast<std::size_t>(pressure)].unit).first);
            type(kPeakHeight, *request.peakHeight / prefix);
        }
        if (request.minPeriod) {
            const HWND unit = GetDlgItem(dialog, kPeriodUnit);
            user::ChooseItem(unit, itemWithText(unit, u"s"));
            desktop.Pump();
            type(kPeriod, *request.minPeriod);
        }
        if (request.channels && request.channels->ecg) {
            click(kEcgDetection);
            user::ChooseItem(GetDlgItem(dialog, kQrsChannel),
                             itemWithText(GetDlgItem(dialog, kQrsChannel), ecgTitle));
            desktop.Pump();
        } else if (request.channels) {
            click(kPressureDetection);
        }
        click(IDOK);
        accepted = !IsWindowVisible(dialog);
        if (!accepted)
            click(IDCANCEL);
    });
}

// The channels of the loop formula "TarvikAnalyzer(chP, chV, ...": the channels the module analysed.
AnalysisChannels channelsOf(const std::u16string& formula) {
    static const std::regex kHead(R"(^TarvikAnalyzer\(ch([0-9]+), ch([0-9]+),)");
    const std::string text = Utf16ToUtf8(formula);
    std::smatch match;
    if (!std::regex_search(text, match, kHead))
        throw std::runtime_error("the module's loop formula reads no recorded channels: " + text);
    return AnalysisChannels{std::stoul(match[1]) - 1, std::stoul(match[2]) - 1, std::nullopt};
}

// The analysed stretch the loop formula ends with: "..., startRecord, startTick, endRecord, endTick)";
// an end of INT_MAX (whole channel) or -1 (online) runs to the end of the recording.
std::optional<std::pair<HostTickPosition, HostTickPosition>> regionOf(const std::u16string& formula,
                                                                      const Recording& recording) {
    static const std::regex kTail(R"(, (-?[0-9]+), (-?[0-9]+), (-?[0-9]+), (-?[0-9]+)\)$)");
    const std::string text = Utf16ToUtf8(formula);
    std::smatch match;
    if (!std::regex_search(text, match, kTail))
        return std::nullopt;
    const auto number = [&](int i) { return static_cast<LONG>(std::stoll(match[i])); };
    const HostTickPosition start{number(1), number(2)};
    HostTickPosition end{number(3), number(4)};
    if (end.record == std::numeric_limits<std::int32_t>::max() || end.record < 0) {
        if (start.record == 0 && start.tick == 0)
            return std::nullopt;
        const std::int32_t last = recording.recordCount() - 1;
        end = {last, static_cast<LONG>(recording.record(last).tickCount())};
    }
    return std::make_pair(start, end);
}

class Reader {
public:
    Reader(RecordingDocument& document, const Recording& recording)
        : mDocument(document), mRecording(recording) {}

    // Every loop with its parameter values, in the order of the parameter ids.
    void readLoops(LoopTable& table) {
        const VirtualChannelDocument::Channel* loops = mDocument.data().channel(u"tarvik");
        if (loops == nullptr || !loops->calculation)
            throw std::runtime_error("the module's document wrote no loop formula");
        std::vector<Calculation> selectors;
        for (const int id : kParameterIds)
            selectors.push_back(mDocument.data().compile(
                Utf8ToUtf16((fromPva(id) ? "TarvikPVAParamSelector(pva, " : "TarvikParamSelector(tarvik, ") +
                            std::to_string(id) + ", 1, 1)")));
        for (std::int32_t r = 0; r < mRecording.recordCount(); ++r) {
            // The events the channel keeps: every selector reads the same, computed once.
            const auto kept = mDocument.data().channelEvents(u"tarvik", r);
            if (!kept)
                throw std::runtime_error("the module's loop formula gives no events");
            const std::vector<LoopEvent> events = loopEvents(*kept, loops->calculation->eventSize());
            std::vector<std::vector<double>> values;
            for (std::size_t p = 0; p < selectors.size(); ++p)
                values.push_back(eventValues(selectors[p].events(r)));
            addRecord(table, r, events, values);
        }
    }

private:
    // A selector gives a value for each loop event or for each loop; the pressure-volume-area
    // selectors none while the module has no relations (too few loops, no fit).
    static double valueOf(const std::vector<double>& column, std::size_t event, std::size_t loop,
                          std::size_t events, std::size_t loopsInRecord) {
        if (column.empty())
            return std::numeric_limits<double>::quiet_NaN();
        if (column.size() == events)
            return column[event];
        if (column.size() == loopsInRecord)
            return column[loop];
        throw std::runtime_error("a selector gave " + std::to_string(column.size()) + " values for " +
                                 std::to_string(loopsInRecord) + " loops");
    }

    void addRecord(LoopTable& table, std::int32_t r, const std::vector<LoopEvent>& events,
                   const std::vector<std::vector<double>>& values) {
        const std::size_t loopsInRecord = static_cast<std::size_t>(
            std::count_if(events.begin(), events.end(), [](const LoopEvent& e) { return e.isLoop; }));
        const Record& record = mRecording.record(r);
        std::size_t loop = 0;
        for (std::size_t i = 0; i < events.size(); ++i) {
            if (!events[i].isLoop)
                continue;
            LoopRow row{static_cast<std::int64_t>(table.rows.size()) + 1,
                        r,
                        record.startTime() + events[i].position / record.sampleRate(),
                        {}};
            for (const auto& column : values)
                row.values.push_back(valueOf(column, i, loop, events.size(), loopsInRecord));
            table.rows.push_back(std::move(row));
            ++loop;
        }
    }

    RecordingDocument& mDocument;
    const Recording& mRecording;
};

// The end points of the loops left in.
LoopPoints pointsOf(const LoopTable& table) {
    const auto column = [&](int id) {
        const auto* at = std::find(std::begin(kParameterIds), std::end(kParameterIds), id);
        std::vector<double> values;
        for (const LoopRow& row : table.rows)
            if (!row.excluded)
                values.push_back(row.values[static_cast<std::size_t>(at - std::begin(kParameterIds))]);
        return values;
    };
    return {column(kVes), column(kPes), column(kVed), column(kPed)};
}

} // namespace

std::span<const int> DocumentLoopAnalyzer::parameterIds() {
    return kParameterIds;
}

DocumentLoopAnalyzer::DocumentLoopAnalyzer(ModuleHost& module) : mModule(module) {}

AnalysisOutcome DocumentLoopAnalyzer::analyze(Recording& recording, const AnalysisRequest& request) {
    InstallRecordingServices(mModule.framework());
    HostWindows windows(mModule.application());
    OpenDocument document(mModule, recording);
    document->setDataWindow(windows.Data());
    if (request.settings)
        for (int s = 0; s < 2; ++s)
            document->storeStream(
                s, std::vector<BYTE>((*request.settings)[s].begin(), (*request.settings)[s].end()));
    if (const HRESULT hr = document->openModuleDocument(mModule.documentClass().Get()); FAILED(hr))
        throw std::runtime_error("the module's document cannot be opened");
    if (request.settings &&
        (document->settingsLoadResult(0) != S_OK || document->settingsLoadResult(1) != S_OK))
        throw SettingsRefused("the module refused the settings it holds");
    const auto handler = QueryInterfacePtr<IMessageHandler>(document->moduleDocument(), IID_IMessageHandler);
    Automation automation(mModule.framework(), *handler.Get());
    if (!request.macro.empty()) {
        try {
            RunMacro(request.macro, automation);
        } catch (const std::runtime_error& error) {
            throw MacroRefused(error.what());
        }
    }
    std::u16string ecgTitle;
    if (request.channels && request.channels->ecg) {
        const ChannelInfo& ecg = recording.channels()[*request.channels->ecg];
        ecgTitle = Utf8ToUtf16(ecg.title + " R waves");
        const std::string formula = "CMPeakDet(ch" + std::to_string(*request.channels->ecg + 1) + ", " +
                                    std::to_string(rWaveHeight(recording, *request.channels->ecg)) + ", 0)";
        if (FAILED(document->data().defineChannel(kEcgWaves, ecgTitle, Utf8ToUtf16(formula))))
            throw std::runtime_error("the ECG channel's R waves cannot be found: " + formula);
    }
    // Kept settings analyse the region they were saved with, selected again as a user does with
    // Reselect; otherwise the stretch asked for is the host's selection.
    document->setSelection(request.selection);
    if (request.settings && !request.selection)
        automation.Call(u"ReselectTarvikAnalyzedRegion", {});
    // Loops to leave out are unchecked in the loop view, opened before the analysis as a user with
    // that view open; the document's notices fill its list.
    std::optional<LoopView> loopView;
    if (!request.excluded.empty())
        loopView.emplace(mModule, static_cast<IHostDocument*>(&*document));
    bool accepted = false;
    answerSettings(request, recording, ecgTitle, accepted);
    automation.Call(u"OpenTarvikSettings", {});
    if (!accepted)
        throw std::runtime_error(
            request.peakHeight || request.minPeriod
                ? "the module's Settings dialog refused the channels, the peak height or the "
                  "period (the height must lie above 0 and at most 1000 of the pressure "
                  "unit's base, the period at most 10000 s)"
                : "the module's Settings dialog refused the channels");
    if (automation.Call(u"AnalyzeTarvikNow", {}).delivery != S_OK)
        throw std::runtime_error("the module did not analyse the recording");
    if (loopView)
        loopView->uncheck(request.excluded);

    AnalysisOutcome outcome;
    const VirtualChannelDocument::Channel* loops = document->data().channel(u"tarvik");
    outcome.channels = channelsOf(loops != nullptr ? loops->formula : u"");
    outcome.region = regionOf(loops->formula, recording);
    if (request.channels)
        outcome.channels.ecg = request.channels->ecg;
    LoopTable& table = outcome.table;
    table.timeDecimals = timeDecimals(recording);
    const ChannelInfo& pressure = recording.channels().at(outcome.channels.pressure);
    const ChannelInfo& volume = recording.channels().at(outcome.channels.volume);
    const LoopParameterNamer namer = mModule.parameterNamer();
    for (const int id : kParameterIds)
        table.columns.push_back(namer(id, pressure, volume));
    Reader(*document, recording).readLoops(table);
    for (const LoopRange& range : request.excluded)
        for (std::int64_t loop = range.first;
             loop <= std::min<std::int64_t>(range.last, std::ssize(table.rows)); ++loop)
            table.rows[static_cast<std::size_t>(loop - 1)].excluded = true;
    const VirtualChannelDocument::Channel* pva = document->data().channel(u"pva");
    table.relations = relationReport(pva != nullptr ? parsePvaFormula(pva->formula) : std::nullopt,
                                     pointsOf(table), pressure.unit, volume.unit);
    if (document->saveSettings() == S_OK && document->storedStream(0) && document->storedStream(1))
        outcome.settings = SettingsStreams{
            std::vector<std::uint8_t>(document->storedStream(0)->begin(), document->storedStream(0)->end()),
            std::vector<std::uint8_t>(document->storedStream(1)->begin(), document->storedStream(1)->end())};
    return outcome;
}

} // namespace Vantrel
