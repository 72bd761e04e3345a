#include "host/frontend/TableText.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace Vantrel {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

LoopTable twoLoops() {
    LoopTable table;
    table.columns = {{"SW", "mmHg*uL"}, {"HR", "bpm"}, {"CE", ""}};
    table.timeDecimals = 4;
    table.rows = {{1, 0, 0.05, {1234.5678, 500.0, kNaN}}, {2, 0, 0.170049999, {1000.0, 498.0, kNaN}}};
    return table;
}

TEST(TableText, WritesLoopsThenTheSummaryAsTabs) {
    EXPECT_EQ(formatLoopTable(twoLoops(), TableFormat::Tsv),
              "loop\trecord\ttime (s)\tSW (mmHg*uL)\tHR (bpm)\tCE\n"
              "1\t1\t0.05\t1234.57\t500\t\n"
              "2\t1\t0.17\t1000\t498\t\n"
              "\n"
              "loops found\t2\n"
              "mean\t\t\t1117.28\t499\t\n");
}

TEST(TableText, WritesRelationsAsCommasQuotingWhereNeeded) {
    LoopTable table = twoLoops();
    table.rows.clear();
    table.columns = {{"a,b", "\"q\""}};
    table.relations = {{"ESPVR", {"Ees", "mmHg/uL"}, 5.5}, {"ESPVR", {"V0", "uL"}, -1.5e-7}};
    EXPECT_EQ(formatLoopTable(table, TableFormat::Csv), "loop,record,time (s),\"a,b (\"\"q\"\")\"\n"
                                                        "\n"
                                                        "loops found,0\n"
                                                        "mean,,,\n"
                                                        "\n"
                                                        "relation,parameter,value\n"
                                                        "ESPVR,Ees (mmHg/uL),5.5\n"
                                                        "ESPVR,V0 (uL),-1.5e-07\n");
}

TEST(LoopTable, AveragesOnlyTheFiniteValuesOfEachColumn) {
    LoopTable table;
    table.columns = {{"a", ""}, {"b", ""}, {"c", ""}};
    table.rows = {{1, 0, 0, {1.0, kNaN, kNaN}},
                  {2, 0, 0, {2.0, 4.0, std::numeric_limits<double>::infinity()}}};
    const std::vector<double> means = table.means();
    ASSERT_EQ(means.size(), 3u);
    EXPECT_EQ(means[0], 1.5);
    EXPECT_EQ(means[1], 4.0);
    EXPECT_TRUE(std::isnan(means[2]));
}

} // namespace
} // namespace Vantrel
