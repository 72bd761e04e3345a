#include "host/engine/FormulaParser.h"

#include "host/engine/FormulaError.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace Vantrel {
namespace {

bool isNameStart(char c) {
    return std::isalpha(static_cast<unsigned char>(c)) != 0 || c == '_';
}

bool isNameChar(char c) {
    return isNameStart(c) || std::isdigit(static_cast<unsigned char>(c)) != 0;
}

bool isDigit(char c) {
    return std::isdigit(static_cast<unsigned char>(c)) != 0;
}

std::string describe(char c) {
    if (c == '\0')
        return "the end of the text";
    return std::string("'") + c + "'";
}

/// Recursive-descent parser over an ASCII text.
class Parser {
public:
    explicit Parser(std::string_view text) : mText(text) {}

    FormulaNode parseFormula() {
        skipBlanks();
        if (peek() == '\0')
            throw FormulaError(mPos, "the formula is empty");
        FormulaNode node = parseSum(0);
        skipBlanks();
        if (peek() != '\0')
            throw FormulaError(mPos, "unexpected " + describe(peek()) + " after the formula");
        return node;
    }

private:
    char peek() const { return mPos < mText.size() ? mText[mPos] : '\0'; }

    void skipBlanks() {
        while (peek() == ' ' || peek() == '\t' || peek() == '\r' || peek() == '\n')
            ++mPos;
    }

    void expect(char c) {
        skipBlanks();
        if (peek() != c)
            throw FormulaError(mPos, std::string("expected '") + c + "' but found " + describe(peek()));
        ++mPos;
    }

    static FormulaNode makeOperator(FormulaNode::Kind kind, FormulaNode left, FormulaNode right) {
        FormulaNode node;
        node.kind = kind;
        node.position = left.position;
        node.operands.push_back(std::move(left));
        node.operands.push_back(std::move(right));
        return node;
    }

    FormulaNode parseSum(int depth) {
        FormulaNode left = parseProduct(depth);
        for (;;) {
            skipBlanks();
            char c = peek();
            if (c != '+' && c != '-')
                return left;
            ++mPos;
            FormulaNode right = parseProduct(depth);
            left = makeOperator(c == '+' ? FormulaNode::Kind::Add : FormulaNode::Kind::Subtract,
                                std::move(left), std::move(right));
        }
    }

    FormulaNode parseProduct(int depth) {
        FormulaNode left = parseUnary(depth);
        for (;;) {
            skipBlanks();
            char c = peek();
            if (c != '*' && c != '/')
                return left;
            ++mPos;
            FormulaNode right = parseUnary(depth);
            left = makeOperator(c == '*' ? FormulaNode::Kind::Multiply : FormulaNode::Kind::Divide,
                                std::move(left), std::move(right));
        }
    }

    FormulaNode parseUnary(int depth) {
        skipBlanks();
        if (depth >= FormulaParser::maxDepth)
            throw FormulaError(mPos, "the formula is nested too deeply");
        char c = peek();
        if (c == '+') {
            ++mPos;
            return parseUnary(depth + 1);
        }
        if (c == '-') {
            FormulaNode node;
            node.kind = FormulaNode::Kind::Negate;
            node.position = mPos++;
            node.operands.push_back(parseUnary(depth + 1));
            return node;
        }
        return parsePrimary(depth);
    }

    FormulaNode parsePrimary(int depth) {
        char c = peek();
        if (c == '(') {
            ++mPos;
            FormulaNode inner = parseSum(depth + 1);
            expect(')');
            return inner;
        }
        if (isDigit(c) || c == '.')
            return parseNumber();
        if (isNameStart(c))
            return parseName(depth);
        throw FormulaError(mPos, "expected a number, a name or '(' but found " + describe(c));
    }

    FormulaNode parseNumber() {
        std::size_t start = mPos;
        while (isDigit(peek()))
            ++mPos;
        if (peek() == '.') {
            ++mPos;
            while (isDigit(peek()))
                ++mPos;
        }
        if (mPos == start + 1 && mText[start] == '.')
            throw FormulaError(start, "a number needs a digit");
        if (peek() == 'e' || peek() == 'E') {
            std::size_t e = mPos++;
            if (peek() == '+' || peek() == '-')
                ++mPos;
            if (!isDigit(peek()))
                throw FormulaError(e, "the exponent of a number needs a digit");
            while (isDigit(peek()))
                ++mPos;
        }
        FormulaNode node;
        node.position = start;
        auto [end, error] = std::from_chars(mText.data() + start, mText.data() + mPos, node.number);
        if (error != std::errc() || !std::isfinite(node.number))
            throw FormulaError(start, "the number is out of range");
        return node;
    }

    FormulaNode parseName(int depth) {
        FormulaNode node;
        node.position = mPos;
        while (isNameChar(peek()))
            node.name += static_cast<char>(std::tolower(static_cast<unsigned char>(mText[mPos++])));
        if (channelReference(node))
            return node;
        skipBlanks();
        if (node.name == "ch" && peek() == '(')
            return parseBaseChannel(node);
        if (peek() != '(') {
            node.kind = FormulaNode::Kind::Name;
            return node;
        }
        node.kind = FormulaNode::Kind::Call;
        ++mPos;
        skipBlanks();
        if (peek() == ')') {
            ++mPos;
            return node;
        }
        for (;;) {
            node.operands.push_back(parseSum(depth + 1));
            skipBlanks();
            if (peek() == ')') {
                ++mPos;
                return node;
            }
            if (peek() != ',')
                throw FormulaError(mPos, "expected ',' or ')' but found " + describe(peek()));
            ++mPos;
        }
    }

    /// ch(N, "base"): channel N in its base units.
    FormulaNode parseBaseChannel(FormulaNode node) {
        ++mPos;
        skipBlanks();
        const std::size_t at = mPos;
        if (!isDigit(peek()))
            throw FormulaError(mPos, "ch( takes a channel number and \"base\"");
        const FormulaNode number = parseNumber();
        if (number.number < 1 || number.number > 2147483647.0 || number.number != std::floor(number.number))
            throw FormulaError(at, "channel numbers run from 1 to 2147483647");
        expect(',');
        skipBlanks();
        const std::size_t textAt = mPos;
        if (mText.substr(mPos, 6) != "\"base\"")
            throw FormulaError(textAt, "ch( takes a channel number and \"base\"");
        mPos += 6;
        expect(')');
        node.kind = FormulaNode::Kind::Channel;
        node.channel = static_cast<std::int32_t>(number.number) - 1;
        node.baseUnits = true;
        node.name = "ch" + std::to_string(node.channel + 1);
        return node;
    }

    /// "chN" or "channelN": turns the node into a channel reference.
    static bool channelReference(FormulaNode& node) {
        std::string_view name = node.name;
        std::string_view digits;
        if (name.starts_with("channel"))
            digits = name.substr(7);
        else if (name.starts_with("ch"))
            digits = name.substr(2);
        if (digits.empty() || !std::all_of(digits.begin(), digits.end(), isDigit))
            return false;
        std::int32_t number = 0;
        auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), number);
        if (error != std::errc() || number < 1)
            throw FormulaError(node.position, "channel numbers run from 1 to 2147483647");
        node.kind = FormulaNode::Kind::Channel;
        node.channel = number - 1;
        return true;
    }

    std::string_view mText;
    std::size_t mPos = 0;
};

} // namespace

FormulaNode FormulaParser::parse(std::string_view text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (static_cast<unsigned char>(text[i]) >= 0x80 || text[i] == '\0')
            throw FormulaError(i, "the formula may hold only ASCII characters");
    }
    return Parser(text).parseFormula();
}

FormulaNode FormulaParser::parse(std::u16string_view text) {
    std::string ascii(text.size(), '\0');
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] >= 0x80 || text[i] == 0)
            throw FormulaError(i, "the formula may hold only ASCII characters");
        ascii[i] = static_cast<char>(text[i]);
    }
    return Parser(ascii).parseFormula();
}

} // namespace Vantrel
