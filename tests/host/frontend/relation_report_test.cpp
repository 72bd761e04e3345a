// The relations the front end reports from the module's "pva" text: the parameters, the loops and
// volume span they rest on, r² over those loops, and no numbers where the loops cannot define them.

#include "host/frontend/RelationReport.h"

#include <gtest/gtest.h>

#include <cmath>

namespace Vantrel {
namespace {

const RelationValue* find(const std::vector<RelationValue>& rows, const std::string& relation,
                          const std::string& parameter) {
    for (const RelationValue& row : rows)
        if (row.relation == relation && row.parameter.name == parameter)
            return &row;
    return nullptr;
}

TEST(RelationReport, ReadsThePvaTextTheModuleWrites) {
    const auto r = parsePvaFormula(u"PVACalc(tarvik, 0, 1, 12.5, 18.25, -2, 5.5, 0, 1.5, 0.05)");
    ASSERT_TRUE(r);
    EXPECT_EQ(r->espvrType, 0);
    EXPECT_EQ(r->edpvrType, 1);
    EXPECT_EQ(r->volume, 18.25);
    EXPECT_DOUBLE_EQ(r->espvr(2.0), 9.0);
    EXPECT_DOUBLE_EQ(r->edpvr(20.0), 1.5 * std::exp(1.0));
    for (const char16_t* none :
         {u"PVACalc(tarvik, -1 , 0, 0, 0, 0, 0, 0, 0)", u"PVACalc(tarvik, 0, 1, 1, 2)",
          u"TarvikAnalyzer(ch1, ch2)", u"PVACalc(tarvik, 0, 1, 1, 2, 3, 4, 5, 6, x)", u""})
        EXPECT_FALSE(parsePvaFormula(none)) << std::u16string(none).size();
}

TEST(RelationReport, GivesEachRelationItsLoopsSpanAndRSquaredAgainstTheModulesRelation) {
    const auto r = parsePvaFormula(u"PVACalc(tarvik, 0, 1, 12.5, 18.25, 0, 5, 0, 2, 0.05)");
    LoopPoints points;
    points.ves = {10, 12, 14, 16};
    points.pes = {50, 61, 69, 80}; // against P = 5 V: residuals 0, 1, -1, 0
    points.ved = {30, 35, 40, std::nan("")};
    points.ped = {2 * std::exp(1.5), 2 * std::exp(1.75), 2 * std::exp(2.0), 9};
    const std::vector<RelationValue> rows = relationReport(r, points, "mmHg", "uL");
    EXPECT_EQ(find(rows, "ESPVR", "loops")->value, 4);
    EXPECT_EQ(find(rows, "ESPVR", "volume span")->value, 6);
    EXPECT_EQ(find(rows, "ESPVR", "volume span")->parameter.unit, "uL");
    EXPECT_EQ(find(rows, "ESPVR", "Ees")->value, 5);
    EXPECT_EQ(find(rows, "ESPVR", "Ees")->parameter.unit, "mmHg/uL");
    EXPECT_EQ(find(rows, "ESPVR", "V0")->value, 0);
    EXPECT_NEAR(find(rows, "ESPVR", "r²")->value, 1.0 - 2.0 / 482.0, 1e-12); // SS(tot) of 50, 61, 69, 80
    EXPECT_EQ(find(rows, "EDPVR", "loops")->value, 3) << "a point without a volume is left out";
    EXPECT_NEAR(find(rows, "EDPVR", "r²")->value, 1.0, 1e-12);
    EXPECT_EQ(find(rows, "intersect", "Volume at intersect")->value, 18.25);
}

TEST(RelationReport, LoopsThatSpanTooLittleVolumeDefineNoRelation) {
    const auto r = parsePvaFormula(u"PVACalc(tarvik, 0, 1, 12.5, 18.25, 0, 5, 0, 2, 0.05)");
    LoopPoints steady;
    steady.ves = {20.0, 20.5, 21.0}; // a span of 1 in 20.5: under a tenth
    steady.pes = {100, 102, 105};
    steady.ved = {41.0, 43.0, 45.5}; // 4.5 in 43.2: over a tenth
    steady.ped = {8, 8.5, 9};
    const std::vector<RelationValue> rows = relationReport(r, steady, "mmHg", "uL");
    ASSERT_TRUE(find(rows, "ESPVR", "not defined"));
    EXPECT_EQ(find(rows, "ESPVR", "not defined")->note,
              "the loops' volumes span 4.88 % of their mean, less than 10 %");
    EXPECT_FALSE(find(rows, "ESPVR", "Ees"));
    EXPECT_TRUE(find(rows, "EDPVR", "A"));
    EXPECT_FALSE(find(rows, "intersect", "Volume at intersect"))
        << "the relations meet only when both are defined";

    const std::vector<RelationValue> none = relationReport(std::nullopt, steady, "mmHg", "uL");
    EXPECT_EQ(find(none, "EDPVR", "not defined")->note, "the module fitted no relation");
}

} // namespace
} // namespace Vantrel
