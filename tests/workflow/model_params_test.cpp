// The parameter store: the table of ids, models and kinds, the kinds' equalities, typed access,
// the id sets, and the cuvette table's operations.

#include <gtest/gtest.h>

#include "core/NumericHelpers.h"
#include "tests/workflow/WorkflowFixture.h"

namespace {

using namespace Tarvik;
using TarvikTest::IdsText;
using TarvikTest::WorkflowTest;

class ModelParams : public WorkflowTest {};

TEST_F(ModelParams, EveryModelHoldsExactlyTheParametersTheTableGivesIt) {
    for (std::int32_t id = kFirstModelId; id <= kLastModelId; ++id) {
        const ModelPtr model = document->GetModel(id);
        ASSERT_TRUE(model) << id;
        EXPECT_EQ(model->GetModelId(), id);
        ModelParamSet expected;
        for (ModelParamId p = 0; p < kModelParamCount; ++p) {
            if (kModelParams[static_cast<std::size_t>(p)].model != id)
                continue;
            expected.Set(p);
            const bool registered =
                VisitParamKind(kModelParams[static_cast<std::size_t>(p)].kind,
                               [&]<ModelParamKind K>() { return model->GetParamPtr<K>(p) != nullptr; });
            EXPECT_TRUE(registered) << "model " << id << " id " << p << " with the table's kind";
        }
        EXPECT_EQ(IdsText(model->GetParamIdSet()), IdsText(expected)) << "model " << id;
    }
    EXPECT_EQ(IdsText(document->FindModel()->GetParamIdSet()),
              "0,1,2,27,28,29,30,31,32,34,35,36,39,58,59,60");
}

TEST_F(ModelParams, TypedAccessAnswersOnlyTheRegisteredKind) {
    const ModelPtr pressure = Model<kPressureModel>();
    EXPECT_NE(pressure->GetParamPtr<ModelParamKind::Double>(3), nullptr);
    EXPECT_EQ(pressure->GetParamPtr<ModelParamKind::Bool>(3), nullptr) << "right id, wrong kind";
    EXPECT_EQ(pressure->GetParamPtr<ModelParamKind::Double>(8), nullptr) << "another model's id";
    const ModelPtr table = Model<kHemoTableModel>();
    EXPECT_NE(table->GetParamPtr<ModelParamKind::IdSet>(55), nullptr);
    EXPECT_EQ(table->GetParamPtr<ModelParamKind::IndexSet>(55), nullptr)
        << "kinds 8 and 10 share a type only";
    EXPECT_FALSE(SetModelParam<8>(pressure, 1.0)) << "a setter on a model without the id changes nothing";
    EXPECT_EQ(GetModelParam<55>(table).size(), 30u) << "ids 0 to 29 shown by default";
}

TEST_F(ModelParams, IdSetsTravelAsTwoWords) {
    ModelParamSet ids;
    for (ModelParamId id : {0, 31, 32, 61})
        ids.Set(id);
    EXPECT_EQ(ids.Word(0), 0x80000001u);
    EXPECT_EQ(ids.Word(1), 0x20000001u);
    EXPECT_EQ(ModelParamSet::FromWords(ids.Word(0), ids.Word(1)), ids);
    EXPECT_THROW(ids.Set(62), std::out_of_range);
    EXPECT_THROW(ids.Set(-1), std::out_of_range);
    EXPECT_FALSE(ids.Test(62));
}

BolusRecord Bolus(double value, std::uint32_t word, IntSet members = {}) {
    BolusRecord bolus;
    bolus.value = value;
    bolus.word1 = word;
    bolus.members = std::move(members);
    return bolus;
}

CuvetteTable Table(std::uint32_t rows, std::uint32_t columns) {
    CuvetteTable table;
    table.rows = rows;
    table.columns = columns;
    table.cells = {1, 2, 3, 4, 5, 6};
    return table;
}

TEST(ModelParamKinds, CompareByTheEqualityOfTheirKind) {
    using K = ModelParamKind;
    const double nan = EmptyValue();
    struct Case {
        const char* what;
        bool equal;
        bool expected;
    } cases[] = {
        {"doubles a relative 1e-14 apart", ParamValuesEqual<K::Double>(1.0, 1.0 + 1e-14), true},
        {"doubles a relative 1e-12 apart", ParamValuesEqual<K::Double>(1.0, 1.0 + 1e-12), false},
        {"doubles both below 1e-32", ParamValuesEqual<K::Double>(1e-33, -5e-33), true},
        {"a double and zero", ParamValuesEqual<K::Double>(1e-15, 0.0), false},
        {"two empty doubles", ParamValuesEqual<K::Double>(nan, nan), false},
        {"equal sequences", ParamValuesEqual<K::Doubles>({1.0, 2.0}, {1.0, 2.0}), true},
        {"sequences compare exactly", ParamValuesEqual<K::Doubles>({1.0}, {1.0 + 1e-14}), false},
        {"sequences of other lengths", ParamValuesEqual<K::Doubles>({1.0}, {1.0, 2.0}), false},
        {"units", ParamValuesEqual<K::Unit>(Ovo::Unit(L"S", L'm'), Ovo::Unit(L"S", L'm')), true},
        {"units of other prefixes", ParamValuesEqual<K::Unit>(Ovo::Unit(L"S", L'm'), Ovo::Unit(L"S")), false},
        {"string pairs differing in the second",
         ParamValuesEqual<K::StringPair>({u"ecg", u"a"}, {u"ecg", u"b"}), false},
        {"sets in another order", ParamValuesEqual<K::IdSet>({1, 2, 3}, {3, 2, 1}), true},
        {"sets of other members", ParamValuesEqual<K::IndexSet>({1, 2}, {1, 3}), false},
        {"word pairs", ParamValuesEqual<K::WordPair>({1, 2}, {2, 1}), false},
        {"boluses with ApproxEqual values",
         ParamValuesEqual<K::Boluses>({Bolus(1.0, 3)}, {Bolus(1.0 + 1e-14, 3)}), true},
        {"boluses in another order",
         ParamValuesEqual<K::Boluses>({Bolus(1.0, 3), Bolus(2.0, 4)}, {Bolus(2.0, 4), Bolus(1.0, 3)}), false},
        {"boluses whose sets differ", ParamValuesEqual<K::Boluses>({Bolus(1.0, 3, {1})}, {Bolus(1.0, 3)}),
         false},
        {"tables with the same cells", ParamValuesEqual<K::CuvetteTable>(Table(2, 3), Table(2, 3)), true},
        {"tables with the same cells in other shapes",
         ParamValuesEqual<K::CuvetteTable>(Table(2, 3), Table(3, 2)), false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.equal, c.expected) << c.what;
}

std::string Cells(const CuvetteTable& table) {
    std::string text = std::to_string(table.rows) + "x" + std::to_string(table.columns) + ":";
    for (std::uint32_t r = 0; r < table.rows; ++r) {
        text += r == 0 ? " " : " / ";
        for (std::uint32_t c = 0; c < table.columns; ++c) {
            const double v = table.GetCell(static_cast<std::int32_t>(c), static_cast<std::int32_t>(r));
            text += (c == 0 ? "" : " ") + (IsNaN(v) ? std::string("-") : std::to_string(static_cast<int>(v)));
        }
    }
    return text;
}

TEST(CuvetteTableTest, GrowsAndShiftsCellsKeepingTheirRowAndColumn) {
    CuvetteTable table;
    table.SetCell(2, 3, 7.0);
    EXPECT_EQ(Cells(table), "3x4: - - - - / - - - - / - - - 7");
    EXPECT_TRUE(IsNaN(table.GetCell(-1, 0)));
    EXPECT_TRUE(IsNaN(table.GetCell(4, 0)));

    CuvetteTable square;
    square.SetCell(0, 0, 1);
    square.SetCell(0, 1, 2);
    square.SetCell(1, 0, 3);
    square.SetCell(1, 1, 4);
    square.InsertColumn(0);
    EXPECT_EQ(Cells(square), "2x3: - 1 2 / - 3 4");
    square.InsertColumn(5);
    EXPECT_EQ(Cells(square), "2x6: - 1 2 - - - / - 3 4 - - -");
    square.RemoveColumn(1);
    EXPECT_EQ(Cells(square), "2x5: - 2 - - - / - 4 - - -");
    square.RemoveColumn(5);
    square.RemoveColumn(-1);
    EXPECT_EQ(Cells(square), "2x5: - 2 - - - / - 4 - - -");
    square.SetCell(3, 0, 9);
    EXPECT_EQ(Cells(square), "4x5: - 2 - - - / - 4 - - - / - - - - - / 9 - - - -");

    // Negative indices would address memory before the cells: they change nothing.
    const CuvetteTable before = square;
    square.SetCell(-1, 0, 5);
    square.SetCell(0, -2, 5);
    square.InsertColumn(-1);
    EXPECT_EQ(Cells(square), Cells(before));

    CuvetteTable shortCells = Table(3, 3); // six cells for nine places
    EXPECT_TRUE(IsNaN(shortCells.GetCell(0, 2)));
    shortCells.SetCell(2, 2, 8);
    EXPECT_EQ(Cells(shortCells), "3x3: 1 2 3 / 4 5 6 / - - 8");
}

} // namespace
