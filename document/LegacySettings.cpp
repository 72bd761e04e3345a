#include "document/LegacySettings.h"

#include <array>
#include <climits>
#include <locale>
#include <map>
#include <optional>
#include <sstream>
#include <vector>

#include "core/NumericHelpers.h"
#include "core/Unit.h"
#include "core/XOvo.h"
#include "document/TarvikDocument.h"
#include "workflow/ModelParamAccess.h"
#include "workflow/ModelState.h"
#include "workflow/PressureCalibrator.h"
#include "workflow/VolumeCalibrator.h"

namespace Tarvik {

namespace {

constexpr std::uint32_t kCheckWord = 123456;
constexpr std::uint32_t kNoPosition = 0x7FFFFFFF;
constexpr double kMicro = 1e-6; // the micro prefix factor of the old cuvette values
// Haemodynamics-table column flags of stream 0: F0 to F30.
constexpr std::size_t kColumnFlags = 31;

template <class T> using Field = std::optional<T>;

// A number text: empty, not a number, or a value.
struct NumberText {
    enum class Kind { Empty, Unreadable, Value } kind = Kind::Empty;
    double value = 0.0;

    // The empty value for an empty or unreadable text.
    double OrEmpty() const { return kind == Kind::Value ? value : EmptyValue(); }
};

// The fields of a legacy stream, each present only when the stream still held it.
class Fields {
public:
    explicit Fields(Ovo::BinIStream& in) : mIn(in) {}

    bool Good() const { return mIn.Good(); }
    Ovo::BinIStream& Stream() { return mIn; }

    Field<std::uint32_t> U32() { return Raw<std::uint32_t>(); }
    Field<std::int32_t> I32() { return Raw<std::int32_t>(); }
    Field<double> F64() { return Raw<double>(); }
    Field<bool> Flag() {
        const Field<std::uint32_t> word = U32();
        return word ? Field<bool>(*word != 0) : std::nullopt;
    }
    // (record, tick) in the stream, kept as the set-up model's (tick, record) pair.
    Field<WordPair> Position() {
        const Field<std::uint32_t> record = U32();
        const Field<std::uint32_t> tick = U32();
        return record && tick ? Field<WordPair>(WordPair{*tick, *record}) : std::nullopt;
    }
    // A string record; a malformed one refuses the stream.
    Field<Ovo::String> Text() {
        if (!mIn.Good())
            return std::nullopt;
        Ovo::String text;
        if (!ModelState::ReadText(mIn, text))
            throw XOvo(OVO_E_UNEXPECTED_DATA);
        return text;
    }
    Field<NumberText> Number() {
        const Field<Ovo::String> text = Text();
        if (!text)
            return std::nullopt;
        NumberText number;
        if (text->IsEmpty())
            return number;
        std::wistringstream parse(text->ToWString());
        parse.imbue(std::locale::classic());
        double value = 0.0;
        if (parse >> value) {
            number.kind = NumberText::Kind::Value;
            number.value = value;
        } else {
            number.kind = NumberText::Kind::Unreadable;
        }
        return number;
    }
    void Skip(int words) {
        for (int i = 0; i < words; ++i)
            U32();
    }
    // Whether count items of at least itemBytes each fit in what is left.
    bool Fits(std::uint64_t count, std::uint64_t itemBytes) {
        return ModelState::CountFits(mIn, count, itemBytes);
    }
    // A block version above 1 is newer than any reader here.
    void BlockVersion() {
        const Field<std::uint32_t> version = U32();
        if (version && *version > 1)
            throw XOvo(OVO_E_PERSISTED_DATA);
    }

private:
    template <class T> Field<T> Raw() {
        T value{};
        if (!mIn.Good() || FAILED(ReadInto(value)) || !mIn.Good())
            return std::nullopt;
        return value;
    }
    HRESULT ReadInto(std::uint32_t& v) { return mIn.ReadU32(reinterpret_cast<DWORD*>(&v)); }
    HRESULT ReadInto(std::int32_t& v) { return mIn.Read4(reinterpret_cast<LONG*>(&v)); }
    HRESULT ReadInto(double& v) { return mIn.Read8(&v); }

    Ovo::BinIStream& mIn;
};

// The version word of a legacy stream: S_OK when it lies in 1 .. newest.
HRESULT CheckVersion(const Field<std::uint32_t>& version, std::uint32_t newest) {
    if (!version || *version == 0)
        return OVO_E_UNEXPECTED_DATA;
    return *version > newest ? OVO_E_PERSISTED_DATA : S_OK;
}

template <ModelParamId P, class T> void SetIf(const ModelPtr& model, const Field<T>& value) {
    if (value)
        SetModelParam<P>(model, static_cast<ModelParamType<P>>(*value));
}

// --- Stream 0 -----------------------------------------------------------------------------------

struct CuvetteRecord {
    bool apply = false;
    double slope = 0.0;
    double intercept = 0.0;
};

struct MainSettings {
    std::uint32_t version = 0;
    Field<std::uint32_t> pressure, volume;
    Field<double> peakHeight, peakSecond;
    Field<bool> analysisExists;
    Field<WordPair> start, end;
    Field<bool> markers, online;
    Field<std::uint32_t> region;
    Field<bool> showEspvr, showEdpvr;
    Field<std::uint32_t> espvrType, edpvrType;
    std::array<Field<bool>, kColumnFlags> columns;
    Field<std::int32_t> selectedLoop;
    Field<std::vector<double>> wellVolumes;
    Field<std::uint32_t> edpSource;
    Field<bool> salineApply;
    Field<double> salineValue;
    Field<bool> tableOption, cuvetteApply;
    Field<Ovo::String> ecgSource;
    Field<std::uint32_t> setupSetting;
    std::map<std::uint32_t, CuvetteRecord> cuvettes; // by channel, the last record of each
    // E_FAIL for a wrong check word of the cuvette block, 0xA004820A for a count the stream cannot
    // hold.
    HRESULT result = S_OK;
};

void ReadColumns(Fields& in, MainSettings& s) {
    for (std::size_t i = 0; i < 23; ++i)
        s.columns[i] = in.Flag();
    if (s.version >= 3) {
        for (std::size_t i = 23; i < 27; ++i)
            s.columns[i] = in.Flag();
        s.selectedLoop = in.I32();
    } else {
        for (std::size_t i = 23; i < 27; ++i)
            s.columns[i] = true;
        s.selectedLoop = -1;
    }
    for (std::size_t i = 27; i < kColumnFlags; ++i)
        s.columns[i] = s.version >= 7 ? in.Flag() : Field<bool>(true);
}

void ReadCuvetteBlock(Fields& in, MainSettings& s) {
    in.BlockVersion();
    const Field<std::uint32_t> count = in.U32();
    if (count && !in.Fits(*count, 4)) {
        s.result = OVO_E_UNEXPECTED_DATA;
        return;
    }
    if (count) {
        std::vector<double> volumes;
        for (std::uint32_t i = 0; i < *count && in.Good(); ++i)
            if (const Field<NumberText> number = in.Number()) {
                const double v = number->OrEmpty();
                volumes.push_back(IsEmptyValue(v) ? v : v * kMicro);
            }
        if (in.Good())
            s.wellVolumes = std::move(volumes);
    }
    in.U32();
    in.Text();
    in.Skip(s.version >= 5 ? 4 : 3);
    const Field<std::uint32_t> check = in.U32();
    if (!check || *check != kCheckWord)
        s.result = E_FAIL;
}

void ReadCuvetteRecords(Fields& in, MainSettings& s) {
    const Field<std::uint32_t> count = in.U32();
    if (count && !in.Fits(*count, 24))
        s.result = OVO_E_UNEXPECTED_DATA;
    if (!count || s.result != S_OK)
        return;
    for (std::uint32_t i = 0; i < *count && in.Good(); ++i) {
        const Field<std::uint32_t> channel = in.U32();
        const Field<bool> apply = in.Flag();
        const Field<double> slope = in.F64();
        const Field<double> intercept = in.F64();
        if (channel && apply && slope && intercept)
            s.cuvettes[*channel] = {*apply, *slope, *intercept};
    }
}

MainSettings ReadMain(Fields& in, std::uint32_t version) {
    MainSettings s;
    s.version = version;
    s.pressure = in.U32();
    s.volume = in.U32();
    s.peakHeight = in.F64();
    s.peakSecond = in.F64();
    s.analysisExists = in.Flag();
    s.start = in.Position();
    s.end = in.Position();
    s.markers = in.Flag();
    s.online = in.Flag();
    s.region = in.U32();
    if (version >= 2) {
        s.showEspvr = in.Flag();
        s.showEdpvr = in.Flag();
        s.espvrType = in.U32();
        s.edpvrType = in.U32();
    }
    ReadColumns(in, s);
    if (version >= 4) {
        ReadCuvetteBlock(in, s);
        if (s.result != S_OK)
            return s;
    }
    if (version >= 6) {
        s.edpSource = in.U32();
        in.U32();
    }
    if (version >= 8) {
        s.salineApply = in.Flag();
        s.salineValue = in.F64();
    }
    if (version >= 9) {
        s.tableOption = in.Flag();
        s.cuvetteApply = in.Flag();
    }
    if (version >= 10)
        s.ecgSource = in.Text();
    if (version >= 12)
        s.setupSetting = in.U32();
    if (version >= 14)
        ReadCuvetteRecords(in, s);
    in.U32(); // the trailer, not tested
    return s;
}

// The analysis flags of steps 6 to 9, after the rules of the old versions.
void ApplyAnalysisFlags(const MainSettings& s, const ModelPtr& setup) {
    Field<bool> analysis = s.analysisExists, online = s.online;
    Field<WordPair> start = s.start, end = s.end;
    Field<std::int32_t> region;
    if (s.region)
        region = static_cast<std::int32_t>(*s.region);
    if (s.version <= 12 && online && *online)
        end = WordPair{kNoPosition, kNoPosition};
    if (region && *region == 0 && online && *online && s.version <= 11) {
        online = false;
        analysis = false;
        region = 1;
        start = end = WordPair{0, 0};
    }
    SetIf<39>(setup, analysis);
    SetIf<59>(setup, start);
    SetIf<60>(setup, end);
    SetIf<36>(setup, s.markers);
    SetIf<35>(setup, online);
    SetIf<27>(setup, region);
}

void ApplyRelationTypes(const MainSettings& s, const ModelPtr& loopView) {
    SetIf<21>(loopView, s.showEspvr);
    SetIf<22>(loopView, s.showEdpvr);
    if (s.espvrType && *s.espvrType <= 1)
        SetModelParam<23>(loopView, static_cast<std::int32_t>(*s.espvrType));
    if (s.edpvrType && (*s.edpvrType == 0 || *s.edpvrType == 2))
        SetModelParam<24>(loopView, *s.edpvrType == 0 ? 0 : 1);
}

// Shown columns: id 0 always; 1 to 21 follow F0 to F20, 22 to 25 F27 to F30, 26 to 29 F23 to F26.
void ApplyColumns(const MainSettings& s, const ModelPtr& table) {
    IntSet shown = GetModelParam<55>(table);
    shown.insert(0);
    const auto follow = [&](std::int32_t id, const Field<bool>& flag) {
        if (!flag)
            return;
        if (*flag)
            shown.insert(id);
        else
            shown.erase(id);
    };
    for (std::int32_t id = 1; id <= 21; ++id)
        follow(id, s.columns[static_cast<std::size_t>(id - 1)]);
    for (std::int32_t id = 22; id <= 25; ++id)
        follow(id, s.columns[static_cast<std::size_t>(id + 5)]);
    for (std::int32_t id = 26; id <= 29; ++id)
        follow(id, s.columns[static_cast<std::size_t>(id - 3)]);
    SetModelParam<55>(table, shown);
}

void ApplyMain(const MainSettings& s, TarvikDocument& document) {
    const ModelPtr setup = document.GetModel(kSetupModel);
    const ModelPtr loopView = document.GetModel(kLoopViewModel);
    const ModelPtr table = document.GetModel(kHemoTableModel);
    const ModelPtr cuvette = document.GetModel(kCuvetteModel);
    const ModelPtr saline = document.GetModel(kSalineModel);
    SetModelParam<34>(setup, false);
    SetIf<1>(setup, s.pressure);
    SetIf<2>(setup, s.volume);
    if (s.peakHeight) {
        double height = *s.peakHeight;
        if (s.version < 13 && s.pressure)
            document.ApplyInverseChannelScaling(*s.pressure, height);
        SetModelParam<30>(setup, height);
    }
    SetIf<31>(setup, s.peakSecond);
    ApplyAnalysisFlags(s, setup);
    ApplyRelationTypes(s, loopView);
    ApplyColumns(s, table);
    SetIf<58>(setup, s.selectedLoop);
    SetIf<37>(cuvette, s.wellVolumes);
    if (s.edpSource)
        SetModelParam<28>(setup, *s.edpSource <= 1 ? static_cast<std::int32_t>(*s.edpSource) : 0);
    SetIf<19>(saline, s.salineApply);
    SetIf<18>(saline, s.salineValue);
    SetIf<57>(table, s.tableOption);
    SetIf<17>(cuvette, s.cuvetteApply);
    if (s.ecgSource) {
        StringPair source = GetModelParam<29>(setup);
        source.first = *s.ecgSource;
        SetModelParam<29>(setup, source);
    } else if (s.version < 10) {
        SetModelParam<28>(setup, 0);
    }
    if (s.setupSetting)
        SetModelParam<32>(setup, static_cast<std::int32_t>(*s.setupSetting));
    if (s.volume) {
        if (const auto it = s.cuvettes.find(*s.volume); it != s.cuvettes.end()) {
            SetModelParam<17>(cuvette, it->second.apply);
            SetModelParam<15>(cuvette, it->second.slope * kMicro);
            SetModelParam<16>(cuvette, it->second.intercept * kMicro);
        }
    }
    document.RegisterVirtualChannels();
    for (const ModelPtr& model : {setup, loopView, table, cuvette, saline})
        model->CommitChange();
}

// --- Stream 1 -----------------------------------------------------------------------------------

struct CellText {
    std::int32_t row = 0; // the well: the table column and the volume index
    NumberText text;
};

struct ExtraSettings {
    std::uint32_t version = 0;
    std::vector<std::int32_t> marked;
    bool hasCuvette = false;
    std::vector<CellText> conductances; // cell (0, row) of the cuvette table
    std::vector<CellText> volumes;      // volume row
    Field<double> slope, intercept;
    Field<WordPair> start, end;
    std::unique_ptr<Ovo::ChannelUnitCache> volumeUnits; // read from the stream (version 8 on)
};

HRESULT ReadMarks(Fields& in, ExtraSettings& s) {
    in.U32();
    const Field<std::int32_t> count = in.I32();
    const Field<std::int32_t> check = in.I32();
    if (!count || !check)
        return S_OK;
    if (static_cast<std::int64_t>(*count) + *check != 0)
        return OVO_E_UNEXPECTED_DATA;
    if (*count > 0 && !in.Fits(static_cast<std::uint64_t>(*count), 4))
        return OVO_E_UNEXPECTED_DATA;
    for (std::int32_t i = 0; i < *count && in.Good(); ++i)
        if (const Field<std::uint32_t> value = in.U32(); value && *value == 1)
            s.marked.push_back(i);
    return S_OK;
}

HRESULT ReadCuvetteTable(Fields& in, ExtraSettings& s) {
    in.BlockVersion();
    const Field<std::uint32_t> rows = in.U32();
    const Field<std::uint32_t> columns = s.version >= 3 ? in.U32() : Field<std::uint32_t>(3);
    if (!rows || !columns)
        return S_OK;
    if (!in.Fits(std::uint64_t{*rows} * *columns, 4))
        return OVO_E_UNEXPECTED_DATA;
    s.hasCuvette = true;
    for (std::uint32_t r = 0; r < *rows && in.Good(); ++r)
        for (std::uint32_t c = 0; c < *columns && in.Good(); ++c) {
            const Field<NumberText> text = in.Number();
            if (!text)
                break;
            const CellText cell{static_cast<std::int32_t>(r), *text};
            if (s.version < 3 || c == 2)
                s.conductances.push_back(cell);
            else if (c == 1)
                s.volumes.push_back(cell);
        }
    s.slope = in.F64();
    s.intercept = in.F64();
    return S_OK;
}

HRESULT ReadExtra(Fields& in, ExtraSettings& s, TarvikDocument& document) {
    if (const HRESULT hr = ReadMarks(in, s); hr != S_OK || s.version == 1)
        return hr;
    if (const HRESULT hr = ReadCuvetteTable(in, s); hr != S_OK)
        return hr;
    if (s.version >= 4)
        in.Skip(4);
    if (s.version >= 5)
        in.Skip(4);
    if (s.version >= 7) {
        s.start = in.Position();
        s.end = in.Position();
    }
    if (s.version >= 8) {
        s.volumeUnits = std::make_unique<Ovo::ChannelUnitCache>(document);
        if (const HRESULT hr = s.volumeUnits->Load(&in.Stream()); hr != S_OK)
            return hr;
    }
    const Field<std::uint32_t> check = in.U32();
    return check && *check == kCheckWord ? S_OK : E_FAIL;
}

// The scale, offset and prefix code of a conversion (converted = raw * F + O): its own line when
// it scales, else the raw values in the raw unit.
struct Line {
    double factor = 1.0;
    double offset = 0.0;
    std::int32_t prefixCode = 1;
    bool scales = false;
};

Line LineOf(IUnknown* conversion) {
    Line line;
    const auto info = QueryInterfacePtr<IUnitConversion>(conversion, IID_IUnitConversion);
    UnitRawInfo raw;
    UnitScalingInfo scaling;
    raw.flags = scaling.flags = scaling.hasScaling = 0;
    if (!info || FAILED(info->GetConversionInfo(&raw, nullptr, &scaling, nullptr)))
        return line;
    line.scales = scaling.hasScaling != 0;
    if (line.scales) {
        line.factor = scaling.scale;
        line.offset = scaling.offset;
        line.prefixCode = scaling.prefixCode;
    } else {
        line.prefixCode = raw.prefixCode;
    }
    return line;
}

// Moves a cuvette calibration kept against the volume channel's raw values onto its converted
// values. A conversion "allows" the table's conversion when it scales.
void ConvertLegacyCuvetteCalibration(TarvikDocument& document) {
    const ModelPtr setup = document.GetModel(kSetupModel);
    const ModelPtr cuvette = document.GetModel(kCuvetteModel);
    const auto channel = static_cast<std::int32_t>(GetModelParam<2>(setup));
    const ComPtr<IUnknown> cached =
        ComPtr<IUnknown>::Adopt(document.GetVolumeCalibrator().Cache().Find(channel));
    const Line line = LineOf(cached.Get());
    double slope = GetModelParam<15>(cuvette), intercept = GetModelParam<16>(cuvette);
    if (ApproxEqual(slope, 0.0)) {
        slope = 1e-6;
        intercept = 0.0;
    } else if (line.factor != 0.0) {
        intercept -= line.offset * slope / line.factor;
        slope = slope / line.factor / Ovo::PrefixCodeScale(line.prefixCode);
    }
    SetModelParam<15>(cuvette, slope);
    SetModelParam<16>(cuvette, intercept);

    Line table = line;
    if (!cached || !line.scales) {
        table = Line{};
        if (GetModelParam<39>(setup)) {
            const auto record = static_cast<LONG>(GetModelParam<59>(setup).second);
            const ComPtr<IUnknown> other = document.GetChannelConversionAt(record, channel, kDataUnitFlags);
            table = LineOf(other.Get());
        }
    }
    if (!table.scales)
        return;
    CuvetteTable cells = GetModelParam<38>(cuvette);
    for (double& cell : cells.cells)
        if (!IsNaN(cell))
            cell = (cell * table.factor + table.offset) * Ovo::PrefixCodeScale(table.prefixCode);
    SetModelParam<38>(cuvette, cells);
}

void ApplyCuvetteTable(const ExtraSettings& s, const ModelPtr& cuvette) {
    std::vector<double> volumes = GetModelParam<37>(cuvette);
    CuvetteTable table = GetModelParam<38>(cuvette);
    for (const CellText& cell : s.conductances)
        table.SetCell(0, cell.row, cell.text.OrEmpty());
    for (const CellText& cell : s.volumes) {
        if (cell.text.kind == NumberText::Kind::Unreadable)
            continue;
        const auto index = static_cast<std::size_t>(cell.row);
        if (volumes.size() <= index)
            volumes.resize(index + 1, EmptyValue());
        volumes[index] = cell.text.OrEmpty();
    }
    SetModelParam<37>(cuvette, volumes);
    SetModelParam<38>(cuvette, table);
    if (s.slope && s.intercept) {
        double slope = *s.slope;
        if (s.version < 6 && ApproxEqual(slope, 0.0))
            slope = 1.0;
        SetModelParam<16>(cuvette, *s.intercept);
        SetModelParam<15>(cuvette, slope);
    }
}

void ApplyExtra(ExtraSettings& s, TarvikDocument& document) {
    const ModelPtr loopView = document.GetModel(kLoopViewModel);
    const ModelPtr cuvette = document.GetModel(kCuvetteModel);
    const ModelPtr setup = document.GetModel(kSetupModel);
    if (!s.marked.empty()) {
        IntSet kept = GetModelParam<61>(loopView);
        kept.insert(s.marked.begin(), s.marked.end());
        SetModelParam<61>(loopView, kept);
    }
    if (s.version >= 2) {
        if (s.hasCuvette)
            ApplyCuvetteTable(s, cuvette);
        SetIf<59>(setup, s.start);
        SetIf<60>(setup, s.end);
        if (s.volumeUnits)
            document.GetVolumeCalibrator().Cache().TakeUnits(*s.volumeUnits);
        else
            document.GetVolumeCalibrator().Cache().Fetch(static_cast<std::int32_t>(GetModelParam<2>(setup)));
        if (s.version < 9)
            ConvertLegacyCuvetteCalibration(document);
        document.GetPressureCalibrator().Cache().Fetch(static_cast<std::int32_t>(GetModelParam<1>(setup)));
    }
    for (const ModelPtr& model : {loopView, cuvette, setup})
        model->CommitChange();
}

} // namespace

HRESULT LoadLegacyMainSettings(Ovo::BinIStream& in, TarvikDocument& document) {
    Fields fields(in);
    const Field<std::uint32_t> version = fields.U32();
    if (const HRESULT hr = CheckVersion(version, 17); hr != S_OK)
        return hr;
    const MainSettings settings = ReadMain(fields, *version);
    if (settings.result != S_OK)
        return settings.result;
    ApplyMain(settings, document);
    return S_OK;
}

HRESULT LoadLegacyExtraSettings(Ovo::BinIStream& in, TarvikDocument& document) {
    Fields fields(in);
    const Field<std::uint32_t> version = fields.U32();
    if (const HRESULT hr = CheckVersion(version, 12); hr != S_OK)
        return hr;
    ExtraSettings settings;
    settings.version = *version;
    if (const HRESULT hr = ReadExtra(fields, settings, document); hr != S_OK)
        return hr;
    ApplyExtra(settings, document);
    return S_OK;
}

} // namespace Tarvik
