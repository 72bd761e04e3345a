// The settings streams of earlier versions, built field by field: what each version holds, how
// old values are converted, and streams that are refused changing nothing.

#include <climits>
#include <cmath>
#include <random>

#include "core/NumericHelpers.h"
#include "core/StorageBinOStreamLite.h"
#include "host/framework/Text.h"
#include "tests/document/RecordingFixture.h"

namespace {

using namespace Tarvik;
using Bytes = std::vector<BYTE>;

constexpr HRESULT kCorrupt = static_cast<HRESULT>(0xA004820Au);

// A legacy stream: the storage header, then raw little-endian fields.
class StreamBuilder {
public:
    StreamBuilder() { U32(kStorageStreamHeader); }
    StreamBuilder& U32(std::uint32_t v) { return Raw(&v, 4); }
    StreamBuilder& Flag(bool v) { return U32(v ? 1 : 0); }
    StreamBuilder& F64(double v) { return Raw(&v, 8); }
    StreamBuilder& Words(int count, std::uint32_t v) {
        for (int i = 0; i < count; ++i)
            U32(v);
        return *this;
    }
    // A string record in the UTF-16 form: marker, count with the terminator, its complement, units.
    StreamBuilder& Text(std::u16string_view text) {
        const auto n = static_cast<std::uint32_t>(text.size() + 1);
        U32(0x80000001u).U32(n).U32(0u - n);
        for (char16_t c : text)
            Raw(&c, 2);
        const char16_t end = 0;
        return Raw(&end, 2);
    }
    const Bytes& Get() const { return mBytes; }

private:
    StreamBuilder& Raw(const void* data, std::size_t size) {
        const auto* p = static_cast<const BYTE*>(data);
        mBytes.insert(mBytes.end(), p, p + size);
        return *this;
    }
    Bytes mBytes;
};

// Stream 0 of version v up to the haemodynamics columns: pressure channel 0, volume channel 1, peak
// height 20 and 0, an analysis of region `region`, markers on, online as given.
StreamBuilder MainHead(std::uint32_t v, bool online = false, std::uint32_t region = 1) {
    StreamBuilder s;
    s.U32(v).U32(0).U32(1).F64(20).F64(0.5).Flag(true);
    s.U32(0).U32(100).U32(0).U32(900); // start (record, tick), end (record, tick)
    s.Flag(true).Flag(online).U32(region);
    return s;
}

class LegacySettings : public TarvikTest::RecordingFixture {
protected:
    void SetUp() override {
        RecordingFixture::SetUp();
        recording = TarvikTest::ImportSample("mouse-occlusion");
        Open(*recording);
        document = &OpenModule();
    }

    HRESULT Load(LONG index, const Bytes& bytes) {
        ComPtr<IPersist> persist;
        DWORD word = 0;
        document->GetSettingsObject(index, kSettingsObjectKind, &word, persist.Put());
        MemoryStream* stream = MemoryStream::Create(bytes);
        const HRESULT hr = persist.Query<IPersistStreamInit>(IID_IPersistStreamInit)->Load(stream);
        stream->Release();
        return hr;
    }

    Bytes Save(LONG index) {
        ComPtr<IPersist> persist;
        DWORD word = 0;
        document->GetSettingsObject(index, kSettingsObjectKind, &word, persist.Put());
        MemoryStream* stream = MemoryStream::Create();
        persist.Query<IPersistStreamInit>(IID_IPersistStreamInit)->Save(stream, FALSE);
        Bytes bytes = stream->Bytes();
        stream->Release();
        return bytes;
    }

    ModelPtr Model(std::int32_t id) { return document->GetModel(id); }

    std::unique_ptr<Vantrel::Recording> recording;
    TarvikDocument* document = nullptr;
};

TEST_F(LegacySettings, VersionOneHoldsTheChannelsTheRegionAndTheDetector) {
    StreamBuilder s = MainHead(1);
    s.Words(23, 1).U32(0); // 23 column flags, the trailer
    ASSERT_EQ(Load(0, s.Get()), S_OK);
    const ModelPtr setup = Model(kSetupModel);
    EXPECT_FALSE(GetModelParam<34>(setup)) << "the workflow is off";
    EXPECT_EQ(GetModelParam<1>(setup), 0u);
    EXPECT_EQ(GetModelParam<2>(setup), 1u);
    EXPECT_EQ(GetModelParam<30>(setup), 20.0) << "the unscaled pressure channel leaves the height";
    EXPECT_EQ(GetModelParam<31>(setup), 0.5);
    EXPECT_TRUE(GetModelParam<39>(setup));
    EXPECT_EQ(GetModelParam<59>(setup), (WordPair{100, 0}));
    EXPECT_EQ(GetModelParam<60>(setup), (WordPair{900, 0}));
    EXPECT_EQ(GetModelParam<27>(setup), 1);
    EXPECT_EQ(GetModelParam<28>(setup), 0) << "no ECG source before version 10";
    EXPECT_EQ(GetModelParam<58>(setup), -1);
    EXPECT_FALSE(setup->CommitChange()) << "committed by the reader";
}

TEST_F(LegacySettings, AnOnlineSelectionOfVersionElevenBecomesTheWholeChannel) {
    StreamBuilder s = MainHead(11, true, 0);
    s.Flag(true).Flag(true).U32(0).U32(0);                           // relations shown, linear and linear
    s.Words(23, 1).Words(4, 1).U32(3).Words(4, 1);                   // columns F0-F26, selected loop, F27-F30
    s.U32(1).U32(0).U32(0).Text(u"").Words(3, 0).U32(0).U32(123456); // the cuvette block
    s.U32(0).U32(0).Flag(false).F64(0).Flag(true).Flag(false).Text(u"ECG").U32(0);
    ASSERT_EQ(Load(0, s.Get()), S_OK);
    const ModelPtr setup = Model(kSetupModel);
    EXPECT_EQ(GetModelParam<27>(setup), 1);
    EXPECT_FALSE(GetModelParam<35>(setup));
    EXPECT_FALSE(GetModelParam<39>(setup));
    EXPECT_EQ(GetModelParam<59>(setup), (WordPair{0, 0}));
    EXPECT_EQ(GetModelParam<60>(setup), (WordPair{0, 0}));
    EXPECT_EQ(GetModelParam<29>(setup).first, Ovo::String(u"ECG"));
}

TEST_F(LegacySettings, RelationTypesAndTheColumnsAVersionDoesNotHold) {
    struct Case {
        std::uint32_t espvr, edpvr;
        std::int32_t expectEspvr, expectEdpvr;
    };
    for (const Case c : {Case{1, 2, 1, 1}, Case{0, 0, 0, 0}, Case{7, 3, 0, 1}}) {
        SetModelParam<23>(Model(kLoopViewModel), 0);
        SetModelParam<24>(Model(kLoopViewModel), 1);
        SetModelParam<55>(Model(kHemoTableModel), IntSet{});
        Model(kLoopViewModel)->CommitChange();
        Model(kHemoTableModel)->CommitChange();
        StreamBuilder s = MainHead(2);
        s.Flag(true).Flag(false).U32(c.espvr).U32(c.edpvr);
        for (int flag = 0; flag < 23; ++flag)
            s.Flag(flag != 4); // column 5 hidden
        s.U32(0);
        ASSERT_EQ(Load(0, s.Get()), S_OK);
        EXPECT_EQ(GetModelParam<23>(Model(kLoopViewModel)), c.expectEspvr) << c.espvr;
        EXPECT_EQ(GetModelParam<24>(Model(kLoopViewModel)), c.expectEdpvr) << c.edpvr;
        const IntSet shown = GetModelParam<55>(Model(kHemoTableModel));
        for (std::int32_t id = 0; id <= 29; ++id)
            EXPECT_EQ(shown.count(id), id == 5 ? 0u : 1u) << "column " << id;
    }
}

TEST_F(LegacySettings, OldCuvetteVolumesAreMicrolitres) {
    StreamBuilder s = MainHead(4);
    s.Flag(true).Flag(true).U32(0).U32(0).Words(23, 1).Words(4, 1).U32(0);
    s.U32(1).U32(3).Text(u"12.5").Text(u"").Text(u"x");
    s.U32(0).Text(u"").Words(3, 0).U32(123456).U32(0);
    ASSERT_EQ(Load(0, s.Get()), S_OK);
    const std::vector<double> volumes = GetModelParam<37>(Model(kCuvetteModel));
    ASSERT_EQ(volumes.size(), 3u);
    EXPECT_DOUBLE_EQ(volumes[0], 1.25e-5);
    EXPECT_TRUE(IsEmptyValue(volumes[1]));
    EXPECT_TRUE(IsEmptyValue(volumes[2])) << "a text that is not a number";
}

// Refused streams of either kind leave every setting as it was and no change open.
TEST_F(LegacySettings, RefusedStreamsChangeNothing) {
    for (std::int32_t id : {kLoopViewModel, kHemoTableModel})
        Model(id);
    const Bytes before0 = Save(0), before1 = Save(1);
    StreamBuilder badCheck = MainHead(4);
    badCheck.Flag(true).Flag(true).U32(0).U32(0).Words(23, 1).Words(4, 1).U32(0);
    badCheck.U32(1).U32(0).U32(0).Text(u"").Words(3, 0).U32(999).U32(0);
    StreamBuilder newerBlock = MainHead(4);
    newerBlock.Flag(true).Flag(true).U32(0).U32(0).Words(23, 1).Words(4, 1).U32(0).U32(2);
    StreamBuilder hugeCount = MainHead(5);
    hugeCount.Flag(true).Flag(true).U32(0).U32(0).Words(23, 1).Words(4, 1).U32(0).U32(1).U32(0xFFFFFFFFu);
    StreamBuilder marks;
    marks.U32(1).U32(0).U32(3).U32(static_cast<std::uint32_t>(-2)).Words(3, 1);
    StreamBuilder table;
    table.U32(3).U32(0).U32(0).U32(0).U32(1).U32(65536).U32(65536);
    StreamBuilder extraCheck;
    extraCheck.U32(2).U32(0).U32(0).U32(0).U32(1).U32(0).F64(1).F64(0).U32(7);
    struct Case {
        const char* what;
        LONG index;
        Bytes bytes;
        HRESULT expected;
    };
    const Case cases[] = {
        {"a wrong check word", 0, badCheck.Get(), E_FAIL},
        {"a cuvette block of version 2", 0, newerBlock.Get(), static_cast<HRESULT>(0xA0048205u)},
        {"a count the stream cannot hold", 0, hugeCount.Get(), kCorrupt},
        {"loop marks whose count and check do not sum to 0", 1, marks.Get(), kCorrupt},
        {"a cuvette table the stream cannot hold", 1, table.Get(), kCorrupt},
        {"a wrong check word of stream 1", 1, extraCheck.Get(), E_FAIL},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Load(c.index, c.bytes), c.expected) << c.what;
        EXPECT_EQ(Save(0), before0) << c.what;
        EXPECT_EQ(Save(1), before1) << c.what;
        for (std::int32_t id : {kSetupModel, kLoopViewModel, kCuvetteModel, kHemoTableModel, kSalineModel})
            EXPECT_FALSE(Model(id)->CommitChange()) << c.what << ": no change open in model " << id;
    }
}

// Seeded corruptions of a stream 0 of version 14 and a stream 1 of version 7: every load ends,
// refused or read, and a refused one changes nothing. ASan fails the test on any overrun or huge
// allocation.
TEST_F(LegacySettings, CorruptedStreamsNeverCrashAndRefusedOnesChangeNothing) {
    StreamBuilder main = MainHead(14);
    main.Flag(true).Flag(true).U32(0).U32(2).Words(23, 1).Words(4, 1).U32(3).Words(4, 1);
    main.U32(1).U32(2).Text(u"10").Text(u"20").U32(0).Text(u"").Words(4, 0).U32(123456);
    main.U32(1).U32(0).Flag(true).F64(3).Flag(true).Flag(false).Text(u"ECG").U32(8);
    main.U32(2).U32(1).Flag(true).F64(2).F64(1).U32(1).Flag(false).F64(4).F64(5).U32(0);
    StreamBuilder extra;
    extra.U32(7).U32(0).U32(2).U32(static_cast<std::uint32_t>(-2)).U32(1).U32(0);
    extra.U32(1).U32(2).U32(3).Text(u"a").Text(u"5").Text(u"0.25").Text(u"b").Text(u"6").Text(u"0.5");
    extra.F64(2).F64(1).Words(4, 0).Words(4, 0).U32(0).U32(0).U32(1).U32(900).U32(123456);
    for (std::int32_t id : {kLoopViewModel, kHemoTableModel})
        Model(id);
    ASSERT_EQ(Load(0, main.Get()), S_OK);
    ASSERT_EQ(Load(1, extra.Get()), S_OK);
    std::mt19937 random(5111);
    for (const auto& [index, golden] : {std::pair<LONG, Bytes>{0, main.Get()}, {1, extra.Get()}}) {
        for (int round = 0; round < 200; ++round) {
            Bytes corrupt = golden;
            for (int f = 1 + static_cast<int>(random() % 3); f > 0; --f)
                corrupt[4 + random() % (corrupt.size() - 4)] = static_cast<BYTE>(random());
            const Bytes before0 = Save(0), before1 = Save(1);
            if (Load(index, corrupt) != S_OK) {
                EXPECT_EQ(Save(0), before0) << index << " round " << round;
                EXPECT_EQ(Save(1), before1) << index << " round " << round;
            }
        }
    }
}

// A stream cut short is read as far as it goes: the fields it lacks keep their values.
TEST_F(LegacySettings, AShortStreamSetsOnlyWhatItHolds) {
    const Bytes full = MainHead(1).Get();
    const Bytes cut(full.begin(), full.begin() + 4 + 4 + 4); // header, version, pressure channel
    ASSERT_EQ(Load(0, cut), S_OK);
    const ModelPtr setup = Model(kSetupModel);
    EXPECT_EQ(GetModelParam<1>(setup), 0u);
    EXPECT_EQ(GetModelParam<2>(setup), 0x80000000u) << "not in the stream";
    EXPECT_EQ(GetModelParam<30>(setup), 20.0);
}

TEST_F(LegacySettings, StreamOneMarksLoopsAndReadsTheOldCuvetteTable) {
    StreamBuilder s;
    s.U32(3).U32(0).U32(4).U32(static_cast<std::uint32_t>(-4)).U32(1).U32(0).U32(1).U32(0);
    s.U32(1).U32(2).U32(3); // cuvette block 1, two rows of three columns
    s.Text(u"a").Text(u"5").Text(u"0.25").Text(u"b").Text(u"x").Text(u"");
    s.F64(0).F64(3).U32(123456); // slope 0 becomes 1 below version 6
    ASSERT_EQ(Load(1, s.Get()), S_OK);
    EXPECT_EQ(GetModelParam<61>(Model(kLoopViewModel)), (IntSet{0, 2}));
    const ModelPtr cuvette = Model(kCuvetteModel);
    const std::vector<double> volumes = GetModelParam<37>(cuvette);
    ASSERT_GE(volumes.size(), 1u);
    EXPECT_EQ(volumes[0], 5.0);
    const CuvetteTable table = GetModelParam<38>(cuvette);
    EXPECT_EQ(table.GetCell(0, 0), 0.25);
    EXPECT_TRUE(IsEmptyValue(table.GetCell(1, 0)));
}

// Below version 9 the cuvette calibration was kept against the volume channel's raw values; it is
// moved onto the values of the channel's conversion (converted = raw F + O, in a unit of prefix
// factor P): slope s / F / P, intercept c - O s / F, cells (cell F + O) P.
TEST_F(LegacySettings, OldCuvetteCalibrationsMoveOntoTheChannelsConversion) {
    UnitRawInfo raw;
    const auto text = [](const char16_t* t) { return ComPtr<IAutoOvoString>::Adopt(Vantrel::MakeString(t)); };
    ComPtr<IUnknown> line;
    ASSERT_EQ(Zar().Units().MakeTwoPointConversion(
                  0, &raw, text(u"mmHg").Get(), text(u"1").Get(), text(u"2").Get(), text(u"3").Get(),
                  text(u"5").Get(), text(u"L").Get(), 7, 3, 0, line.Put(), nullptr, nullptr, nullptr),
              S_OK);
    ASSERT_EQ(recordingDocument->data().applyUnit(0, line.Get()), S_OK);
    UnitScalingInfo scaling;
    line.Query<IUnitConversion>(IID_IUnitConversion)->GetConversionInfo(nullptr, nullptr, &scaling, nullptr);
    const double F = scaling.scale, O = scaling.offset, P = 1e-3;

    SetModelParam<2>(Model(kSetupModel), 0u); // the volume channel is channel 1, mmHg
    SetModelParam<1>(Model(kSetupModel), 1u);
    ASSERT_TRUE(Model(kSetupModel)->CommitChange());
    StreamBuilder s;
    s.U32(7).U32(0).U32(0).U32(0).U32(1).U32(1).U32(3).Text(u"").Text(u"").Text(u"3");
    s.F64(4).F64(10).Words(4, 0).Words(4, 0);
    s.U32(0).U32(0).U32(INT_MAX).U32(INT_MAX).U32(123456);
    ASSERT_EQ(Load(1, s.Get()), S_OK);
    const ModelPtr cuvette = Model(kCuvetteModel);
    EXPECT_DOUBLE_EQ(GetModelParam<15>(cuvette), 4 / F / P);
    EXPECT_DOUBLE_EQ(GetModelParam<16>(cuvette), 10 - O * 4 / F);
    EXPECT_DOUBLE_EQ(GetModelParam<38>(cuvette).GetCell(0, 0), (3 * F + O) * P);
}

} // namespace
