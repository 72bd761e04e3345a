// The step models' persisted states, byte for byte, fresh and with values; the saline list's older
// layouts; and states that are cut short or whose counts lie.

#include <bit>
#include <functional>
#include <sstream>

#include <gtest/gtest.h>

#include "core/NumericHelpers.h"
#include "core/StorageBinOStreamLite.h"
#include "tests/workflow/WorkflowFixture.h"
#include "workflow/ModelBaseNoTpl.h"

namespace {

using namespace Tarvik;
using TarvikTest::TestModelDocument;
using TarvikTest::WorkflowTest;
using Bytes = std::vector<std::uint8_t>;

std::string Hex(const Bytes& bytes) {
    static const char digits[] = "0123456789ABCDEF";
    std::string text;
    for (std::uint8_t b : bytes) {
        if (!text.empty())
            text += ' ';
        text += digits[b >> 4];
        text += digits[b & 15];
    }
    return text;
}

Bytes FromHex(const std::string& hex) {
    Bytes bytes;
    std::istringstream in(hex);
    std::string pair;
    while (in >> pair)
        bytes.push_back(static_cast<std::uint8_t>(std::stoul(pair, nullptr, 16)));
    return bytes;
}

// A state's bytes, after the storage header the streams write first.
Bytes Save(Tarvik::Model& model, bool extra) {
    std::stringbuf buffer;
    Ovo::BinOStream out(&buffer, false);
    if (extra)
        model.SaveExtraState(out);
    else
        model.SaveState(out);
    const std::string s = buffer.str();
    return Bytes(s.begin(), s.end());
}

// Loads bytes (after a storage header of version 20) as a state of the given stream version.
bool Load(Tarvik::Model& model, bool extra, const Bytes& bytes, std::uint32_t version = 0) {
    std::stringbuf buffer;
    Ovo::BinOStream header(&buffer, false);
    header.WriteU32(kStorageStreamHeader);
    header.WriteBytes(bytes.data(), static_cast<ULONG>(bytes.size()));
    Ovo::BinIStream in(&buffer, false);
    in.ReadHeader();
    if (extra)
        return model.LoadExtraState(in, version ? version : ModelBaseNoTpl::kExtraStateVersion);
    return model.LoadState(in, version ? version : ModelBaseNoTpl::kStateVersion);
}

template <ModelParamId P> auto Set(ModelParamType<P> value) {
    return [value](TestModelDocument& d) { SetModelParam<P>(d.GetModel(kParamModel<P>), value); };
}
template <class... Steps> auto All(Steps... steps) {
    return [=](TestModelDocument& d) { (steps(d), ...); };
}
const auto Fresh = [](TestModelDocument&) {};

// String records: UTF-16 marker, count with the terminator, its check, the units.
const std::string kEmptyText = "01 00 00 80 01 00 00 00 FF FF FF FF 00 00";
// The empty value, and four of them.
const std::string kEmpty = "00 00 00 00 00 70 F8 7F";
const std::string kEmpty4 = kEmpty + " " + kEmpty + " " + kEmpty + " " + kEmpty;

// n times " byte".
std::string Repeat(const char* byte, int n) {
    std::string text;
    for (int i = 0; i < n; ++i)
        text += std::string(" ") + byte;
    return text;
}

struct Golden {
    const char* what;
    std::int32_t model;
    std::function<void(TestModelDocument&)> set;
    std::string main;
    std::string extra;
};

class ModelStates : public WorkflowTest {
protected:
    std::vector<Golden> Goldens();
};

std::vector<Golden> ModelStates::Goldens() {
    BolusRecord bolus;
    bolus.value = 0.5;
    bolus.word1 = 100;
    bolus.word2 = 3;
    bolus.word3 = 200;
    bolus.word4 = 4;
    bolus.members = {7};
    CuvetteTable table;
    table.SetCell(1, 0, 2.0);
    table.cells.resize(1); // a cell sequence shorter than the table
    return {
        {"set-up", 1, Fresh,
         "01"
         " 00 00 00 80"
         " 00 00 00 80"
         " 00 00 00 00"
         " 00 00 00 00"
         " 00 00 00 00 " +
             kEmptyText +
             " 00 00 00 00 00 00 34 40"
             " 00 00 00 00 00 00 00 00"
             " 08 00 00 00"
             " 00 01 00",
         "FF FF FF FF"
         " 00 00 00 00 00 00 00 00"
         " 00 00 00 00 00 00 00 00"},
        {"set-up", 1,
         All(Set<34>(false), Set<1>(2u), Set<2>(0u), Set<0>(2), Set<27>(1), Set<28>(1),
             Set<29>({u"Ecg", u"x"}), Set<30>(12.5), Set<31>(-1.0), Set<32>(3), Set<35>(true), Set<36>(false),
             Set<39>(true), Set<58>(4), Set<59>({100, 3}), Set<60>({0x7FFFFFFF, 0x7FFFFFFF})),
         "00"
         " 02 00 00 00"
         " 00 00 00 00"
         " 02 00 00 00"
         " 01 00 00 00"
         " 01 00 00 00"
         " 01 00 00 80 04 00 00 00 FC FF FF FF 45 00 63 00 67 00 00 00" // "Ecg"
         " 00 00 00 00 00 00 29 40"
         " 00 00 00 00 00 00 F0 BF"
         " 03 00 00 00"
         " 01 00 01",
         // The record (second word) before the tick (first word): record 3, tick 100.
         "04 00 00 00"
         " 03 00 00 00 64 00 00 00"
         " FF FF FF 7F FF FF FF 7F"},
        {"pressure", 2, Fresh, kEmpty4 + " 00", ""},
        {"pressure", 2, All(Set<3>(0.5), Set<4>(0.0), Set<5>(1.5), Set<6>(100.0), Set<7>(true)),
         "00 00 00 00 00 00 E0 3F"
         " 00 00 00 00 00 00 00 00"
         " 00 00 00 00 00 00 F8 3F"
         " 00 00 00 00 00 00 59 40"
         " 01",
         ""},
        {"conductance", 3, Fresh,
         kEmpty4 + " 00"
                   " 07 00 00 00 01 00 00 80 02 00 00 00 FE FF FF FF 53 00 00 00",
         ""},
        {"conductance", 3, All(Set<8>(NotANumberValue()), Set<12>(true), Set<13>(Ovo::Unit(L"RVU"))),
         // The not-a-number value survives bit for bit; RVU has no prefix (code 1).
         "00 00 00 00 00 60 F8 7F " + kEmpty + " " + kEmpty + " " + kEmpty +
             " 01"
             " 01 00 00 00 01 00 00 80 04 00 00 00 FC FF FF FF 52 00 56 00 55 00 00 00",
         ""},
        {"sampling", 4, Fresh, "00", ""},
        {"sampling", 4, Set<14>(true), "01", ""},
        {"cuvette", 5, Fresh,
         kEmpty + " " + kEmpty +
             " 00"
             " 06 00 00 00 01 00 00 80 02 00 00 00 FE FF FF FF 4C 00 00 00"
             " 00 00 00 00",
         "00 00 00 00 00 00 00 00"},
        {"cuvette", 5,
         All(Set<15>(1500.0), Set<16>(12.5), Set<17>(true), Set<37>({1.0, 2.0}), Set<38>(table)),
         "00 00 00 00 00 70 97 40"
         " 00 00 00 00 00 00 29 40"
         " 01"
         " 06 00 00 00 01 00 00 80 02 00 00 00 FE FF FF FF 4C 00 00 00"
         " 02 00 00 00"
         " 00 00 00 00 00 00 F0 3F"
         " 00 00 00 00 00 00 00 40",
         // Two rows of one column: the cell the sequence lacks is written empty.
         "02 00 00 00"
         " 01 00 00 00 " +
             kEmpty + " " + kEmpty},
        {"saline", 6, Fresh, kEmpty + " 00 00",
         "00 00 00 00"
         " 00 00 00 00"},
        {"saline", 6, All(Set<18>(0.00002), Set<19>(true), Set<40>({bolus}), Set<41>({0})),
         "F1 68 E3 88 B5 F8 F4 3E"
         " 01 00",
         // One bolus: value, words 2, 1, 4, 3; the selection {0}; the bolus's set {7}.
         "01 00 00 00"
         " 00 00 00 00 00 00 E0 3F"
         " 03 00 00 00 64 00 00 00 04 00 00 00 C8 00 00 00"
         " 01 00 00 00 00 00 00 00"
         " 01 00 00 00 07 00 00 00"},
        {"analysis", 7, Fresh, "00 00 00 00", ""},
        {"analysis", 7, Set<20>(1), "01 00 00 00", ""},
        {"loop view", 8, Fresh, "01 01 00 00 00 00 01 00 00 00", "00 00 00 00"},
        {"loop view", 8, All(Set<21>(false), Set<23>(1), Set<24>(0), Set<61>({9})),
         "00 01 01 00 00 00 00 00 00 00", "01 00 00 00 09 00 00 00"},
        {"workflow view", 9, Fresh, "01 00 00 00 01", ""},
        {"workflow view", 9, All(Set<25>(7), Set<26>(false)), "07 00 00 00 00", ""},
        {"alpha", 10, Fresh,
         kEmpty +
             " 00"
             " 02 00 00 00 " +
             kEmpty4,
         ""},
        {"alpha", 10, All(Set<42>(1.5), Set<43>(true), Set<44>(1), Set<45>(6.0), Set<46>(4.0)),
         "00 00 00 00 00 00 F8 3F"
         " 01"
         " 01 00 00 00"
         " 00 00 00 00 00 00 18 40"
         " 00 00 00 00 00 00 10 40 " +
             kEmpty + " " + kEmpty,
         ""},
        {"volume", 11, Fresh,
         "00 " + kEmpty4 + " 07 00 00 00 01 00 00 80 02 00 00 00 FE FF FF FF 4C 00 00 00", ""},
        {"volume", 11, All(Set<54>(true), Set<50>(1.0), Set<51>(2.0), Set<52>(3.0), Set<53>(4.0)),
         "01"
         " 00 00 00 00 00 00 F0 3F"
         " 00 00 00 00 00 00 00 40"
         " 00 00 00 00 00 00 08 40"
         " 00 00 00 00 00 00 10 40"
         " 07 00 00 00 01 00 00 80 02 00 00 00 FE FF FF FF 4C 00 00 00",
         ""},
        {"haemodynamics table", 12, Fresh, "01 00" + Repeat("01", 29), ""},
        {"haemodynamics table", 12, All(Set<56>(false), Set<57>(true), Set<55>({0, 1, 29})),
         "00 01"
         " 01" +
             Repeat("00", 27) + " 01",
         ""},
    };
}

TEST_F(ModelStates, AreWrittenByteForByteAndReadBack) {
    for (const Golden& g : Goldens()) {
        document = std::make_unique<TestModelDocument>();
        g.set(*document);
        const ModelPtr model = document->GetModel(g.model);
        EXPECT_EQ(Hex(Save(*model, false)), g.main) << g.what;
        EXPECT_EQ(Hex(Save(*model, true)), g.extra) << g.what;

        TestModelDocument other;
        const ModelPtr copy = other.GetModel(g.model);
        ASSERT_TRUE(Load(*copy, false, Save(*model, false))) << g.what;
        ASSERT_TRUE(Load(*copy, true, Save(*model, true))) << g.what;
        EXPECT_EQ(Hex(Save(*copy, false)), g.main) << g.what << " read back";
        EXPECT_EQ(Hex(Save(*copy, true)), g.extra) << g.what << " read back";
    }
}

} // namespace

namespace {

// Little-endian bytes of u32 words and of doubles, for hand-built states.
struct Writer {
    Bytes bytes;
    Writer& U32(std::uint32_t v) {
        for (int i = 0; i < 4; ++i)
            bytes.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
        return *this;
    }
    Writer& F64(double v) {
        const auto bits = std::bit_cast<std::uint64_t>(v);
        U32(static_cast<std::uint32_t>(bits));
        return U32(static_cast<std::uint32_t>(bits >> 32));
    }
};

TEST_F(ModelStates, SalineListsAreReadByTheStreamsVersion) {
    const ModelPtr saline = Model<kSalineModel>();
    std::vector<BolusRecord> boluses(2);
    boluses[0].value = 1.0;
    boluses[0].members = {5};
    boluses[1].value = 2.0;
    boluses[1].members = {6};
    SetModelParam<40>(saline, boluses);
    SetModelParam<41>(saline, {1});
    saline->CommitChange();
    const std::string before = Hex(Save(*saline, true));

    // Below 11: N, N times eight and four bytes, one more word; read and dropped.
    Writer old;
    old.U32(2).F64(9.0).U32(1).F64(9.0).U32(2).U32(0);
    EXPECT_TRUE(Load(*saline, true, old.bytes, 10));
    EXPECT_EQ(Hex(Save(*saline, true)), before);

    // 11: the boluses and the selection; records within the old length keep their sets.
    Writer v11;
    v11.U32(3);
    for (std::uint32_t i = 0; i < 3; ++i)
        v11.F64(10.0 + i).U32(20 + i).U32(30 + i).U32(40 + i).U32(50 + i); // words 2, 1, 4, 3
    v11.U32(1).U32(2);
    ASSERT_TRUE(Load(*saline, true, v11.bytes, 11));
    const std::vector<BolusRecord> read = GetModelParam<40>(saline);
    ASSERT_EQ(read.size(), 3u);
    EXPECT_EQ(read[2].value, 12.0);
    EXPECT_EQ(read[2].word1, 32u);
    EXPECT_EQ(read[2].word2, 22u);
    EXPECT_EQ(read[2].word3, 52u);
    EXPECT_EQ(read[2].word4, 42u);
    EXPECT_EQ(read[0].members, IntSet{5});
    EXPECT_EQ(read[1].members, IntSet{6});
    EXPECT_TRUE(read[2].members.empty()) << "a new bolus has an empty set";
    EXPECT_EQ(GetModelParam<41>(saline), IntSet{2});

    // 12: each bolus's set too.
    Writer v12;
    v12.U32(1).F64(0.5).U32(1).U32(2).U32(3).U32(4).U32(0).U32(2).U32(8).U32(9);
    ASSERT_TRUE(Load(*saline, true, v12.bytes, 12));
    ASSERT_EQ(GetModelParam<40>(saline).size(), 1u);
    EXPECT_EQ(GetModelParam<40>(saline)[0].members, (IntSet{8, 9}));
    EXPECT_TRUE(GetModelParam<41>(saline).empty());
}

TEST_F(ModelStates, LoadedListsReplaceWhatTheModelsHeld) {
    const ModelPtr table = Model<kHemoTableModel>();
    Bytes bytes = FromHex("01 00" + Repeat("01", 29));
    bytes[2 + 26 - 1] = 0; // PVA
    ASSERT_TRUE(Load(*table, false, bytes));
    IntSet expected;
    for (std::int32_t id = 0; id <= 29; ++id)
        if (id != 26)
            expected.insert(id);
    EXPECT_EQ(GetModelParam<55>(table), expected) << "id 0 is never stored and keeps its place";

    const ModelPtr loops = Model<kLoopViewModel>();
    SetModelParam<61>(loops, {1, 2});
    loops->CommitChange();
    ASSERT_TRUE(Load(*loops, true, FromHex("00 00 00 00")));
    EXPECT_TRUE(GetModelParam<61>(loops).empty());
}

TEST_F(ModelStates, StatesCutShortAreRefused) {
    for (const Golden& g : Goldens()) {
        document = std::make_unique<TestModelDocument>();
        g.set(*document);
        const ModelPtr model = document->GetModel(g.model);
        for (bool extra : {false, true}) {
            const Bytes whole = Save(*model, extra);
            for (std::size_t length = 0; length < whole.size(); ++length) {
                TestModelDocument other;
                EXPECT_FALSE(
                    Load(*other.GetModel(g.model), extra, Bytes(whole.begin(), whole.begin() + length)))
                    << g.what << (extra ? " extra" : " main") << " cut to " << length << " bytes";
            }
        }
    }
}

TEST_F(ModelStates, CountsTheStreamCannotHoldAreRefusedBeforeAnythingIsAllocated) {
    // A state's bytes up to its last word, then the count given.
    const auto patched = [](Bytes bytes, std::uint32_t count) {
        bytes.resize(bytes.size() - 4);
        return Writer{bytes}.U32(count).bytes;
    };
    const Bytes cuvetteMain = Save(*Model<kCuvetteModel>(), false);
    struct Case {
        const char* what;
        std::int32_t model;
        bool extra;
        Bytes bytes;
        std::uint32_t version;
    } cases[] = {
        {"loop set of 2^32 - 1 members", kLoopViewModel, true, Writer{}.U32(0xFFFFFFFF).U32(1).bytes, 12},
        {"loop set one member short", kLoopViewModel, true, Writer{}.U32(2).U32(1).bytes, 12},
        {"2^28 well volumes", kCuvetteModel, false, patched(cuvetteMain, 0x10000000), 17},
        // 65536 x 65536 is 0 in 32 bits: a table whose counts disagree with its cells.
        {"a table of 2^32 cells", kCuvetteModel, true, Writer{}.U32(0x10000).U32(0x10000).bytes, 12},
        {"a table of 2^64 - 2^33 + 1 cells", kCuvetteModel, true,
         Writer{}.U32(0xFFFFFFFF).U32(0xFFFFFFFF).bytes, 12},
        {"a table one cell short", kCuvetteModel, true, Writer{}.U32(1).U32(2).F64(1.0).bytes, 12},
        {"2^32 - 1 boluses", kSalineModel, true, Writer{}.U32(0xFFFFFFFF).bytes, 12},
        {"2^31 - 1 old boluses to skip", kSalineModel, true, Writer{}.U32(0x7FFFFFFF).U32(0).bytes, 10},
        {"a selection of 2^32 - 1", kSalineModel, true,
         Writer{}.U32(1).F64(1.0).U32(1).U32(2).U32(3).U32(4).U32(0xFFFFFFFF).bytes, 12},
        {"a bolus set of 2^30", kSalineModel, true,
         Writer{}.U32(1).F64(1.0).U32(1).U32(2).U32(3).U32(4).U32(0).U32(0x40000000).U32(7).bytes, 12},
    };
    for (const Case& c : cases) {
        const ModelPtr model = document->GetModel(c.model);
        const std::string main = Hex(Save(*model, false)), extra = Hex(Save(*model, true));
        EXPECT_FALSE(Load(*model, c.extra, c.bytes, c.version)) << c.what;
        EXPECT_EQ(Hex(Save(*model, false)), main) << c.what << ": nothing changed";
        EXPECT_EQ(Hex(Save(*model, true)), extra) << c.what << ": nothing changed";
    }
}

} // namespace
