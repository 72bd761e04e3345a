#include "host/engine/FormulaParser.h"

#include "host/engine/FormulaError.h"

#include <gtest/gtest.h>

#include <string>

namespace Vantrel {
namespace {

using Kind = FormulaNode::Kind;

/// The tree in a compact prefix form: numbers as %g, channels as #index, calls as name[args].
std::string show(const FormulaNode& node) {
    switch (node.kind) {
    case Kind::Number: {
        char text[32];
        std::snprintf(text, sizeof text, "%g", node.number);
        return text;
    }
    case Kind::Channel:
        return "#" + std::to_string(node.channel);
    case Kind::Name:
        return node.name;
    case Kind::Negate:
        return "neg(" + show(node.operands[0]) + ")";
    case Kind::Call: {
        std::string text = node.name + "[";
        for (std::size_t i = 0; i < node.operands.size(); ++i)
            text += (i ? "," : "") + show(node.operands[i]);
        return text + "]";
    }
    default: {
        const char* op = node.kind == Kind::Add        ? "+"
                         : node.kind == Kind::Subtract ? "-"
                         : node.kind == Kind::Multiply ? "*"
                                                       : "/";
        return "(" + show(node.operands[0]) + op + show(node.operands[1]) + ")";
    }
    }
}

TEST(FormulaParser, ReadsTheTextsTheModuleAndItsSelfTestsWrite) {
    struct Case {
        const char* text;
        const char* tree;
    } cases[] = {
        {"PVEdpDet(ch1,cmpeakdet(ch1,0.3,0.01))", "pvedpdet[#0,cmpeakdet[#0,0.3,0.01]]"},
        {"PVEcgEdpDet(cmpeakdet(shift(ch1,-0.1),1,0),-1,-1,-1,-1)",
         "pvecgedpdet[cmpeakdet[shift[#0,neg(0.1)],1,0],neg(1),neg(1),neg(1),neg(1)]"},
        {"TarvikAnalyzer(ch1, ch2, PVEdpDet(ch1, CMPeakDet(ch1, 20, 0.5), 20, 0, 1000, -1, -1), 0, 1000, -1, "
         "-1)",
         "tarvikanalyzer[#0,#1,pvedpdet[#0,cmpeakdet[#0,20,0.5],20,0,1000,neg(1),neg(1)],0,1000,neg(1),neg(1)"
         "]"},
        {"PVACalc(tarvik, -1 , 0, 0, 0, 0, 0, 0, 0)", "pvacalc[tarvik,neg(1),0,0,0,0,0,0,0]"},
        {"3 * t * (0.5 * sin(pi/2 - 10 * t) + 0.61)", "((3*t)*((0.5*sin[((pi/2)-(10*t))])+0.61))"},
        {"2+sin(40*t)", "(2+sin[(40*t)])"},
        {"4.60996e-05 + 1E3 + .5 + 5.", "(((4.60996e-05+1000)+0.5)+5)"},
        {"-2*-3", "(neg(2)*neg(3))"},
        {"--+1", "neg(neg(1))"},
        {"channel12 + CH3", "(#11+#2)"},
        {"f()", "f[]"},
        {"a - b - c", "((a-b)-c)"},
        {" \t(1)\r\n", "1"},
        {"(0.002 * ch(2, \"base\") + 0)", "((0.002*#1)+0)"},
        {"TarvikAnalyzer(ch1, pvvolumewithoutvp, ch( 3 ,\"base\"))",
         "tarvikanalyzer[#0,pvvolumewithoutvp,#2]"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(show(FormulaParser::parse(std::string_view(c.text))), c.tree) << c.text;
    }
}

TEST(FormulaParser, ReadsUtf16TextAsTheModuleHandsIt) {
    EXPECT_EQ(show(FormulaParser::parse(std::u16string_view(u"PvaCalc(CH1, 2)"))), "pvacalc[#0,2]");
}

TEST(FormulaParser, RefusesBadTextsNamingThePosition) {
    struct Case {
        const char* text;
        std::size_t position;
        const char* message;
    } cases[] = {
        {"", 0, "the formula is empty"},
        {"   ", 3, "the formula is empty"},
        {"sin(t", 5, "expected ',' or ')' but found the end of the text"},
        {"(1 + 2", 6, "expected ')' but found the end of the text"},
        {"1 + ", 4, "expected a number, a name or '(' but found the end of the text"},
        {"f(1,,2)", 4, "expected a number, a name or '(' but found ','"},
        {"f(1,)", 4, "expected a number, a name or '(' but found ')'"},
        {"1 2", 2, "unexpected '2' after the formula"},
        {"1.2.3", 3, "unexpected '.' after the formula"},
        {"1e", 1, "the exponent of a number needs a digit"},
        {"1e400", 0, "the number is out of range"},
        {". + 1", 0, "a number needs a digit"},
        {"ch0", 0, "channel numbers run from 1 to 2147483647"},
        {"x + ch99999999999", 4, "channel numbers run from 1 to 2147483647"},
        {"ch1(2)", 3, "unexpected '(' after the formula"},
        {"2 # 3", 2, "unexpected '#' after the formula"},
        {"1,5", 1, "unexpected ',' after the formula"},
        {"ch(2, \"raw\")", 6, "ch( takes a channel number and \"base\""},
        {"ch(0, \"base\")", 3, "channel numbers run from 1 to 2147483647"},
        {"ch(x)", 3, "ch( takes a channel number and \"base\""},
    };
    for (const Case& c : cases) {
        try {
            FormulaParser::parse(std::string_view(c.text));
            ADD_FAILURE() << "accepted: " << c.text;
        } catch (const FormulaError& e) {
            EXPECT_EQ(e.position(), c.position) << c.text;
            EXPECT_EQ(e.message(), c.message) << c.text;
        }
    }
}

TEST(FormulaParser, ErrorTextNamesTheColumn) {
    try {
        FormulaParser::parse(std::string_view("sin(1"));
        FAIL();
    } catch (const FormulaError& e) {
        EXPECT_STREQ(e.what(), "column 6: expected ',' or ')' but found the end of the text");
    }
}

TEST(FormulaParser, RefusesNonAsciiAndDeepNestingWithoutCrashing) {
    EXPECT_THROW(FormulaParser::parse(std::u16string_view(u"ch1 \u00b7 2")), FormulaError);
    EXPECT_THROW(FormulaParser::parse(std::u16string_view(u"ch1\0", 4)), FormulaError);
    std::string deep(100000, '(');
    EXPECT_THROW(FormulaParser::parse(std::string_view(deep)), FormulaError);
    std::string minus(100000, '-');
    EXPECT_THROW(FormulaParser::parse(std::string_view(minus + "1")), FormulaError);
    std::string nested;
    for (int i = 0; i < 1000; ++i)
        nested += "sin(";
    EXPECT_THROW(FormulaParser::parse(std::string_view(nested + "1")), FormulaError);
}

TEST(FormulaParser, RecordsNodePositions) {
    FormulaNode node = FormulaParser::parse(std::string_view("f(ch1, 2 * t)"));
    EXPECT_EQ(node.position, 0u);
    EXPECT_EQ(node.operands[0].position, 2u);
    EXPECT_EQ(node.operands[1].position, 7u);
    EXPECT_EQ(node.operands[1].operands[1].position, 11u);
}

} // namespace
} // namespace Vantrel
