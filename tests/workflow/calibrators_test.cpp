// The pressure and volume calibrators on worked examples, with the host's unit service making the
// conversions, and the channel-unit cache they keep.

#include <sstream>

#include <gtest/gtest.h>

#include "core/BinIStream.h"
#include "core/BinOStream.h"
#include "core/NumberText.h"
#include "core/NumericHelpers.h"
#include "core/StorageBinOStreamLite.h"
#include "host/framework/Text.h"
#include "host/framework/UnitConversion.h"
#include "tests/workflow/WorkflowFixture.h"
#include "workflow/PressureCalibrator.h"
#include "workflow/VolumeCalibrator.h"

namespace {

using namespace Tarvik;
using TarvikTest::WorkflowTest;
using Vantrel::ConversionRecord;
using Vantrel::UnitConversion;

// The host data of a recording whose channels have the conversions given (channel 0 onwards).
class ChannelUnits : public IDocumentData {
public:
    HRESULT QueryInterface(REFIID, void**) override { return E_NOINTERFACE; }
    ULONG AddRef() override { return 2; }
    ULONG Release() override { return 1; }
    HRESULT GetRecordCount(LONG* count) override {
        *count = 1;
        return S_OK;
    }
    HRESULT GetRecordEndTick(LONG, LONG*) override { return E_NOTIMPL; }
    HRESULT GetChannelCount(LONG, DWORD, LONG* count) override {
        *count = static_cast<LONG>(units.size());
        return S_OK;
    }
    HRESULT GetChannelEvents(LONG, LONG, LONG, IEnumEventEx**) override { return E_NOTIMPL; }
    HRESULT GetChannelSamples(LONG, DWORD, LONG, LONG, ISampleChannel**) override { return E_NOTIMPL; }
    HRESULT GetChannelUnit(LONG channel, LONG, DWORD, IUnknown** unit) override {
        *unit = nullptr;
        if (channel < 0 || static_cast<std::size_t>(channel) >= units.size())
            return S_FALSE;
        *unit = static_cast<IUnitConversion*>(
            ComPtr<UnitConversion>(units[static_cast<std::size_t>(channel)]).Detach());
        return S_OK;
    }

    std::vector<ComPtr<UnitConversion>> units;
};

// A channel scaled by the host: scaled = scale * raw + offset, shown in unit with prefix code.
ComPtr<UnitConversion> Scaled(double scale, double offset, const char16_t* unit, LONG prefix) {
    ConversionRecord record;
    record.rawUnit = u"V";
    record.scaling = UnitScalingInfo{scale, offset, 3, prefix, 0, 0xFFFF};
    record.scaledUnit = unit;
    return ComPtr<UnitConversion>::Adopt(new UnitConversion(record));
}

const ConversionRecord& RecordOf(const ComPtr<IUnknown>& conversion) {
    const ConversionRecord* record = UnitConversion::recordOf(conversion.Get());
    if (record == nullptr)
        throw std::runtime_error("not a conversion of the host");
    return *record;
}

std::string Points(const ComPtr<IUnknown>& conversion) {
    const ConversionRecord& r = RecordOf(conversion);
    std::string text;
    for (const std::u16string& point : r.points)
        text += Vantrel::Utf16ToUtf8(point) + " ";
    return text;
}

class Calibrators : public WorkflowTest {
protected:
    Calibrators() {
        data.units = {UnitConversion::fromText("V"), UnitConversion::fromText("mV"),
                      UnitConversion::fromText("V")};
        document->data = &data;
    }

    // The pressure step's two points and its apply flag.
    void PressurePoints(double raw1, double known1, double raw2, double known2, bool apply = true) {
        const ModelPtr pressure = Model<kPressureModel>();
        SetModelParam<3>(pressure, raw1);
        SetModelParam<4>(pressure, known1);
        SetModelParam<5>(pressure, raw2);
        SetModelParam<6>(pressure, known2);
        SetModelParam<7>(pressure, apply);
    }

    // The small-mammal workflow with the conductance line 1 -> 0.002 S, 2 -> 0.004 S shown in mS.
    void ConductanceLine() {
        SetModelParam<0>(Model<kSetupModel>(), 1);
        const ModelPtr conductance = Model<kConductanceModel>();
        SetModelParam<8>(conductance, 1.0);
        SetModelParam<9>(conductance, 0.002);
        SetModelParam<10>(conductance, 2.0);
        SetModelParam<11>(conductance, 0.004);
        SetModelParam<12>(conductance, true);
    }

    ChannelUnits data;
};

TEST_F(Calibrators, PressureIsTheLineThroughTheStepsPoints) {
    PressureCalibrator calibrator(*document);
    PressurePoints(0.5, 0.0, 1.5, 100.0);
    ComPtr<IUnknown> conversion;
    ASSERT_TRUE(calibrator.GetCalibratedConversion(0, conversion.Put()));
    const ConversionRecord& r = RecordOf(conversion);
    EXPECT_DOUBLE_EQ(r.scaling.scale * 1.0 + r.scaling.offset, 50.0) << "1.0 V reads 50 mmHg";
    EXPECT_EQ(Points(conversion), "0.5 1.5 0 100 ");
    EXPECT_EQ(r.scaledUnit, u"mmHg");
    EXPECT_EQ(r.scaling.prefixCode, 1);
    EXPECT_EQ(r.rawUnit, u"V") << "the raw side is the channel's";
    EXPECT_EQ(calibrator.GetUnit(5).Text(), L"mmHg");

    // A channel recorded in millivolts: its points are written in mV.
    PressurePoints(0.001, 12.25, 0.002, 100.0);
    ASSERT_TRUE(calibrator.GetCalibratedConversion(1, conversion.Put()));
    EXPECT_EQ(Points(conversion), "1m 2m 12.25 100 ");
    EXPECT_NEAR(UnitConversion::recordOf(conversion.Get())->scaling.scale, 87750.0, 1e-6);

    // Below 5e-16 of the prefixed unit a raw value is written as zero.
    PressurePoints(1e-19, 0.0, 0.002, 100.0);
    ASSERT_TRUE(calibrator.GetCalibratedConversion(1, conversion.Put()));
    EXPECT_EQ(Points(conversion), "0m 2m 0 100 ");
}

TEST_F(Calibrators, PressureFailsWithoutPointsAndHandsOutTheCachedConversionWhenNotApplied) {
    PressureCalibrator calibrator(*document);
    IUnknown* conversion = reinterpret_cast<IUnknown*>(&data);
    PressurePoints(0.5, 0.0, 1.5, 100.0, false);
    EXPECT_FALSE(calibrator.GetCalibratedConversion(0, &conversion)) << "nothing cached";
    EXPECT_EQ(conversion, nullptr);

    ASSERT_TRUE(calibrator.Cache().Fetch(0));
    ComPtr<IUnknown> cached = ComPtr<IUnknown>::Adopt(calibrator.Cache().Find(0));
    ComPtr<IUnknown> got;
    ASSERT_TRUE(calibrator.GetCalibratedConversion(0, got.Put()));
    EXPECT_EQ(got.Get(), cached.Get());

    PressurePoints(0.5, 0.0, 1.5, EmptyValue());
    EXPECT_FALSE(calibrator.GetCalibratedConversion(0, got.Put())) << "three of four points";
    PressurePoints(0.5, 0.0, 0.5, 100.0);
    EXPECT_FALSE(calibrator.GetCalibratedConversion(0, got.Put()))
        << "the host makes no line of equal points";
}

TEST_F(Calibrators, NumbersAreWrittenFixedWithTrailingZerosCut) {
    struct Case {
        std::uint32_t flags;
        double value;
        int precision;
        const wchar_t* text;
    } cases[] = {{0, 2.5, 6, L"2.5"},      {0, 100.0, 3, L"100"},  {0, 0.0, 15, L"0"},
                 {0, 12.25, 15, L"12.25"}, {3, 25e6, 3, L"2.5e7"}, {3, 1.5e-7, 3, L"1.5e-7"},
                 {3, 1e7, 3, L"1e7"},      {0, 1e-16, 15, L"0"}};
    for (const Case& c : cases) {
        std::wstring text;
        ASSERT_TRUE(NumberToText(text, c.flags | kNumberTextClassicLocale, c.value, c.precision));
        EXPECT_EQ(text, c.text) << c.value;
    }
}

TEST_F(Calibrators, VolumeRunsItsStagesInOrder) {
    VolumeCalibrator calibrator(*document);
    EXPECT_FALSE(calibrator.IsApplied());
    ConductanceLine();
    EXPECT_TRUE(calibrator.IsApplied());
    const auto [slope, offset] = calibrator.GetConductanceTwoPoint();
    EXPECT_DOUBLE_EQ(slope, 0.002);
    EXPECT_DOUBLE_EQ(offset, 0.0);
    EXPECT_DOUBLE_EQ(calibrator.ComputeVolume(0, 1.5, 1.0), 3.0) << "0.003 S in mS";
    EXPECT_EQ(calibrator.GetUnit(0).Text(), L"mS");

    // Saline: Vp 0.00002 in a unit of microlitres (factor 1e-6) takes 20 off.
    SetModelParam<18>(Model<kSalineModel>(), 0.00002);
    SetModelParam<19>(Model<kSalineModel>(), true);
    EXPECT_NEAR(calibrator.ComputeVolume(0, 1.5, 1e-6), 3.0 - 20.0, 1e-9);

    // Alpha divides while the workflow is in use only.
    SetModelParam<42>(Model<kAlphaModel>(), 2.0);
    SetModelParam<43>(Model<kAlphaModel>(), true);
    EXPECT_NEAR(calibrator.ComputeVolume(0, 1.5, 1e-6), -8.5, 1e-9);
    SetModelParam<34>(Model<kSetupModel>(), false);
    EXPECT_DOUBLE_EQ(calibrator.ComputeVolume(0, 1.5, 1e-6), 1.5 - 20.0)
        << "workflow off: no conductance stage (small needs the workflow), no alpha";
}

TEST_F(Calibrators, TheCuvetteStageRunsForSmallMammalsAndWithTheWorkflowOff) {
    VolumeCalibrator calibrator(*document);
    ConductanceLine();
    const ModelPtr cuvette = Model<kCuvetteModel>();
    SetModelParam<15>(cuvette, 1500.0);
    SetModelParam<16>(cuvette, 12.5);
    SetModelParam<17>(cuvette, true);
    // x = intercept / uc + (slope / uc) u x with uc = 1e-6 (µL) and u = 1e-3 (mS): 3 mS -> 0.003 S.
    EXPECT_NEAR(calibrator.ComputeVolume(0, 1.5, 1.0), 12.5e6 + 1500e6 * 0.003, 1e-3);
    EXPECT_EQ(calibrator.GetUnit(0).Text(), std::wstring(1, Ovo::Unit::kMicro) + L"L");

    // Large mammals: the volume line, and no cuvette stage though its flag is set.
    SetModelParam<0>(Model<kSetupModel>(), 2);
    const ModelPtr volume = Model<kVolumeModel>();
    SetModelParam<50>(volume, 1.0);
    SetModelParam<51>(volume, 2.0);
    SetModelParam<52>(volume, 0.001);
    SetModelParam<53>(volume, 0.003);
    SetModelParam<54>(volume, true);
    EXPECT_NEAR(calibrator.ComputeVolume(0, 1.5, 1.0), 2.0, 1e-12) << "0.002 L in mL";
    EXPECT_EQ(calibrator.GetUnit(0).Text(), L"mL");

    SetModelParam<34>(Model<kSetupModel>(), false);
    EXPECT_NEAR(calibrator.ComputeVolume(0, 1.5, 1.0), 12.5e6 + 1500e6 * 1.5, 1e-3)
        << "workflow off: cuvette stage on the raw value";
}

TEST_F(Calibrators, VolumeUsesTheChannelsOwnScalingWithoutATwoPointStage) {
    data.units[2] = Scaled(2.0, 0.5, u"L", 7); // 2 L per volt plus 0.5 L, shown in mL
    VolumeCalibrator calibrator(*document);
    EXPECT_EQ(calibrator.GetUnit(2).Text(), L"mL") << "the host's conversion";
    EXPECT_DOUBLE_EQ(calibrator.ComputeVolume(2, 1.0, 1.0), 1.0) << "nothing cached yet";
    ASSERT_TRUE(calibrator.Cache().Fetch(2));
    EXPECT_DOUBLE_EQ(calibrator.ComputeVolume(2, 1.0, 1.0), 2500.0);
    EXPECT_EQ(calibrator.BuildVolumeCalcText(2).ToUtf8(), "(2 * ch(3, \"base\") + 0.5)");
}

TEST_F(Calibrators, VolumeTextsForTheAnalysis) {
    VolumeCalibrator calibrator(*document);
    EXPECT_EQ(calibrator.BuildVolumeCalcText(1).ToUtf8(), "ch2");
    ASSERT_TRUE(calibrator.Cache().Fetch(1));
    EXPECT_EQ(calibrator.BuildVolumeCalcText(1).ToUtf8(), "ch(2, \"base\")") << "cached, not scaled";

    ConductanceLine();
    const ModelPtr cuvette = Model<kCuvetteModel>();
    SetModelParam<15>(cuvette, 1500.0);
    SetModelParam<16>(cuvette, 12.5);
    SetModelParam<17>(cuvette, true);
    EXPECT_EQ(calibrator.BuildVolumeCalcText(1).ToUtf8(), "(1500 * (0.002 * ch(2, \"base\") + 0) + 12.5)");
    SetModelParam<15>(cuvette, 0.123456789);
    EXPECT_EQ(calibrator.BuildVolumeCalcText(1).ToUtf8(),
              "(0.123457 * (0.002 * ch(2, \"base\") + 0) + 12.5)");
}

TEST_F(Calibrators, VolumeConversionIsTheLineOfTheChain) {
    VolumeCalibrator calibrator(*document);
    ConductanceLine();
    ComPtr<IUnknown> conversion;
    ASSERT_TRUE(calibrator.GetCalibratedConversion(1, conversion.Put()));
    const ConversionRecord& r = RecordOf(conversion);
    EXPECT_EQ(Points(conversion), "1000m 10000m 2 20 ") << "1 V and 10 V written in the raw mV";
    EXPECT_EQ(r.scaledUnit, u"S");
    EXPECT_EQ(r.scaling.prefixCode, 7);
    const auto* line =
        dynamic_cast<const UnitConversion*>(conversion.Query<IUnitConversion>(IID_IUnitConversion).Get());
    for (double raw : {0.0, 1.0, 2.5})
        EXPECT_NEAR(line->shown(raw), calibrator.ComputeVolume(1, raw, 1e-3), 1e-9) << raw;

    SetModelParam<42>(Model<kAlphaModel>(), EmptyValue());
    SetModelParam<43>(Model<kAlphaModel>(), true);
    EXPECT_FALSE(calibrator.GetCalibratedConversion(1, conversion.Put()))
        << "an empty alpha makes the chain NaN";
}

TEST_F(Calibrators, TheChannelUnitCacheTravelsThroughTheHostsStreams) {
    data.units[2] = Scaled(2.0, 0.5, u"L", 7);
    VolumeCalibrator calibrator(*document);
    ASSERT_TRUE(calibrator.Cache().Fetch(1));
    ASSERT_TRUE(calibrator.Cache().Fetch(2));
    std::stringbuf bytes;
    Ovo::BinOStream out(&bytes, false);
    out.WriteU32(kStorageStreamHeader);
    ASSERT_EQ(calibrator.Cache().Save(&out), S_OK);

    VolumeCalibrator other(*document);
    Ovo::BinIStream in(&bytes, false);
    in.ReadHeader();
    ASSERT_EQ(other.Cache().Load(&in), S_OK);
    EXPECT_EQ(other.Cache().Count(), 2u);
    EXPECT_EQ(other.GetUnit(1).Text(), L"mV");
    EXPECT_EQ(other.GetUnit(2).Text(), L"mL");
    EXPECT_EQ(other.BuildVolumeCalcText(2).ToUtf8(), calibrator.BuildVolumeCalcText(2).ToUtf8());
}

} // namespace
