#include "host/recording/TextCells.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace Vantrel {

char delimiterChar(Delimiter delimiter) {
    switch (delimiter) {
    case Delimiter::Tab:
        return '\t';
    case Delimiter::Semicolon:
        return ';';
    case Delimiter::Detect:
    case Delimiter::Comma:
        break;
    }
    return ',';
}

namespace {

constexpr std::size_t kChunkBytes = std::size_t{1} << 20;

} // namespace

LineReader::LineReader(std::istream& in, std::size_t size) : mIn(&in), mChunk(kChunkBytes), mSize(size) {}

std::size_t LineReader::remainingBytes() const {
    if (!mIn)
        return mText.size() - mPos;
    return mSize > mConsumed ? mSize - mConsumed : 0;
}

// Keeps the unsplit rest, grows the chunk when the rest fills it, and reads behind the rest.
bool LineReader::readChunk() {
    if (mEnded)
        return false;
    const std::size_t rest = mText.size() - mPos;
    if (rest > 0 && mPos > 0)
        std::memmove(mChunk.data(), mText.data() + mPos, rest);
    if (rest == mChunk.size())
        mChunk.resize(2 * mChunk.size());
    mIn->read(mChunk.data() + rest, static_cast<std::streamsize>(mChunk.size() - rest));
    const auto got = static_cast<std::size_t>(mIn->gcount());
    if (!*mIn) {
        mEnded = true;
        mFailed = mIn->bad();
    }
    mText = std::string_view(mChunk.data(), rest + got);
    mPos = 0;
    return got > 0;
}

std::optional<std::string_view> LineReader::next() {
    const void* lf = nullptr;
    for (;;) {
        if (mPos < mText.size())
            lf = std::memchr(mText.data() + mPos, '\n', mText.size() - mPos);
        if (lf || !mIn || !readChunk())
            break;
    }
    if (mPos >= mText.size())
        return std::nullopt;
    const char* start = mText.data() + mPos;
    const std::size_t length =
        lf ? static_cast<std::size_t>(static_cast<const char*>(lf) - start) : mText.size() - mPos;
    mPos += length + (lf ? 1 : 0);
    mConsumed += length + (lf ? 1 : 0);
    ++mLine;
    std::string_view line(start, length);
    if (!line.empty() && line.back() == '\r')
        line.remove_suffix(1);
    return line;
}

namespace {

// Reads a quoted cell starting at the opening quote; returns the position after the closing quote,
// or npos when it is not closed.
std::size_t readQuoted(std::string_view line, std::size_t pos, std::string& cell) {
    for (++pos; pos < line.size(); ++pos) {
        if (line[pos] != '"') {
            cell += line[pos];
        } else if (pos + 1 < line.size() && line[pos + 1] == '"') {
            cell += '"';
            ++pos;
        } else {
            return pos + 1;
        }
    }
    return std::string_view::npos;
}

} // namespace

std::optional<std::vector<std::string>> splitHeaderCells(std::string_view line, char delimiter,
                                                         std::int32_t& badColumn) {
    std::vector<std::string> cells;
    std::size_t pos = 0;
    for (;;) {
        const std::size_t start = std::min(line.find_first_not_of(' ', pos), line.size());
        std::string cell;
        if (start < line.size() && line[start] == '"') {
            pos = readQuoted(line, start, cell);
            if (pos != std::string_view::npos)
                pos = std::min(line.find_first_not_of(' ', pos), line.size());
            if (pos == std::string_view::npos || (pos < line.size() && line[pos] != delimiter)) {
                badColumn = static_cast<std::int32_t>(cells.size() + 1);
                return std::nullopt;
            }
        } else {
            const std::size_t end = std::min(line.find(delimiter, pos), line.size());
            cell = std::string(line.substr(pos, end - pos));
            pos = end;
        }
        cells.push_back(std::move(cell));
        if (pos >= line.size())
            return cells;
        ++pos;
    }
}

std::string quoteCell(std::string_view cell, char delimiter) {
    if (cell.find(delimiter) == std::string_view::npos && cell.find('"') == std::string_view::npos)
        return std::string(cell);
    return quotedCell(cell);
}

std::string quotedCell(std::string_view cell) {
    std::string quoted = "\"";
    for (const char c : cell) {
        quoted += c;
        if (c == '"')
            quoted += '"';
    }
    return quoted + '"';
}

bool beyondFloat(std::string_view cell) {
    float narrow = 0.0F;
    double wide = 0.0;
    return !parseNumberCell(cell, narrow) && parseNumberCell(cell, wide);
}

std::string numberText(double value) {
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

std::string fixedNumberText(double value, int decimals) {
    char buffer[64];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
    if (result.ec != std::errc())
        return roundedNumberText(value);
    std::string_view text(buffer, result.ptr);
    if (text.find('.') != std::string_view::npos) {
        text = text.substr(0, text.find_last_not_of('0') + 1);
        if (text.ends_with('.'))
            text.remove_suffix(1);
    }
    return std::string(text == "-0" ? "0" : text);
}

std::string roundedNumberText(double value) {
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 6);
    return std::string(buffer, result.ptr);
}

namespace {

// Length of the UTF-8 sequence that starts with this byte and the smallest code point it may
// encode; 0 for a byte that cannot start one.
std::pair<int, char32_t> utf8Lead(unsigned char byte) {
    if (byte < 0x80)
        return {1, 0};
    if (byte >= 0xC2 && byte <= 0xDF)
        return {2, 0x80};
    if (byte >= 0xE0 && byte <= 0xEF)
        return {3, 0x800};
    if (byte >= 0xF0 && byte <= 0xF4)
        return {4, 0x10000};
    return {0, 0};
}

} // namespace

bool isValidUtf8(std::string_view text) {
    for (std::size_t i = 0; i < text.size();) {
        const auto [length, least] = utf8Lead(static_cast<unsigned char>(text[i]));
        if (length == 0 || i + static_cast<std::size_t>(length) > text.size())
            return false;
        char32_t code = static_cast<unsigned char>(text[i]) & (0x7F >> length);
        for (int k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(text[i + static_cast<std::size_t>(k)]);
            if ((next & 0xC0) != 0x80)
                return false;
            code = (code << 6) | (next & 0x3F);
        }
        if (code < least || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
            return false;
        i += static_cast<std::size_t>(length);
    }
    return true;
}

bool equalsIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
        if (lower(a[i]) != lower(b[i]))
            return false;
    }
    return true;
}

std::string printableText(std::string_view text) {
    std::string shown(text);
    for (char& c : shown)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F)
            c = '?';
    return shown;
}

std::string quotedForMessage(std::string_view cell) {
    constexpr std::size_t kLongest = 32;
    if (cell.size() <= kLongest)
        return '"' + printableText(cell) + '"';
    std::size_t cut = kLongest;
    while (cut > 0 && (static_cast<unsigned char>(cell[cut]) & 0xC0) == 0x80)
        --cut; // not inside a UTF-8 sequence
    return '"' + printableText(cell.substr(0, cut)) + "...\"";
}

} // namespace Vantrel
