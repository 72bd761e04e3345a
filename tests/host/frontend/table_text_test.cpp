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
              "loop\trecord\ttime (s)\tSW (mmHg*uL)\tHR (bpm)\tCE\texcluded\n"
              "1\t1\t0.05\t1234.57\t500\t\t\n"
              "2\t1\t0.17\t1000\t498\t\t\n"
              "\n"
              "loops found\t2\n"
              "loops included\t2\n"
              "statistic\t\t\tSW (mmHg*uL)\tHR (bpm)\tCE\n"
              "mean\t\t\t1117.28\t499\t\n"
              "SD\t\t\t165.864\t1.41421\t\n"
              "n\t\t\t2\t2\t0\n");
}

// With --summary the loop table and the summary go to files of their own; an excluded loop is marked
// in the table and left out of the summary.
TEST(TableText, SplitsTheTableFromTheSummaryAndLeavesExcludedLoopsOut) {
    LoopTable table = twoLoops();
    table.rows[1].excluded = true;
    EXPECT_EQ(formatLoopRows(table, TableFormat::Csv),
              "loop,record,time (s),SW (mmHg*uL),HR (bpm),CE,excluded\n"
              "1,1,0.05,1234.57,500,,\n"
              "2,1,0.17,1000,498,,yes\n");
    EXPECT_EQ(formatSummary(table, TableFormat::Csv), "loops found,2\n"
                                                      "loops included,1\n"
                                                      "statistic,,,SW (mmHg*uL),HR (bpm),CE\n"
                                                      "mean,,,1234.57,500,\n"
                                                      "SD,,,,,\n"
                                                      "n,,,1,1,0\n");
}

TEST(TableText, WritesRelationsAsCommasQuotingWhereNeeded) {
    LoopTable table = twoLoops();
    table.rows.clear();
    table.columns = {{"a,b", "\"q\""}};
    table.relations = {{"ESPVR", {"Ees", "mmHg/uL"}, 5.5}, {"ESPVR", {"V0", "uL"}, -1.5e-7}};
    EXPECT_EQ(formatLoopTable(table, TableFormat::Csv), "loop,record,time (s),\"a,b (\"\"q\"\")\",excluded\n"
                                                        "\n"
                                                        "loops found,0\n"
                                                        "loops included,0\n"
                                                        "statistic,,,\"a,b (\"\"q\"\")\"\n"
                                                        "mean,,,\n"
                                                        "SD,,,\n"
                                                        "n,,,0\n"
                                                        "\n"
                                                        "relation,parameter,value\n"
                                                        "ESPVR,Ees (mmHg/uL),5.5\n"
                                                        "ESPVR,V0 (uL),-1.5e-07\n");
}

TEST(LoopTable, SummarisesOnlyTheFiniteValuesOfTheIncludedLoops) {
    LoopTable table;
    table.columns = {{"a", ""}, {"b", ""}, {"c", ""}};
    table.rows = {{1, 0, 0, {1.0, kNaN, kNaN}},
                  {2, 0, 0, {2.0, 4.0, std::numeric_limits<double>::infinity()}},
                  {3, 0, 0, {3.0, 8.0, 1.0}},
                  {4, 0, 0, {100.0, 100.0, 100.0}, true}};
    const std::vector<ColumnSummary> summary = table.summary();
    ASSERT_EQ(summary.size(), 3u);
    EXPECT_EQ(summary[0].count, 3u);
    EXPECT_EQ(summary[0].mean, 2.0);
    EXPECT_EQ(summary[0].sd, 1.0);
    EXPECT_EQ(summary[1].count, 2u);
    EXPECT_EQ(summary[1].mean, 6.0);
    EXPECT_DOUBLE_EQ(summary[1].sd, std::sqrt(8.0));
    EXPECT_EQ(summary[2].count, 1u);
    EXPECT_EQ(summary[2].mean, 1.0);
    EXPECT_TRUE(std::isnan(summary[2].sd));
    EXPECT_EQ(table.includedCount(), 3u);
}

} // namespace
} // namespace Vantrel
