// The message parameter text: splitting it agrees with a plain reading of the rules (each
// question about a group scanned from the start), takes time in proportion to its length, and
// recording or describing a message from it answers without failing the host's recorder.

#include "core/MessageParamText.h"
#include "fuzz/support/FuzzCheck.h"
#include "fuzz/support/FuzzInput.h"
#include "host/framework/ScriptRecorder.h"
#include "platform/win32/com_ptr.h"

#include <string>
#include <vector>

namespace {

using Text = std::u16string;
using Ovo::String;
constexpr std::size_t kEnd = Text::npos;

// The rules as written, one scan from the start for every question: quadratic, for short texts.
bool referenceInside(const Text& text, std::size_t position, const Text& open, const Text& close) {
    if (open.empty())
        return false;
    for (std::size_t from = 0;;) {
        const std::size_t opened = text.find(open, from);
        if (opened == kEnd || opened >= position)
            return false;
        const std::size_t closed = text.find(close, opened + open.size());
        if (closed == kEnd || closed >= position)
            return true;
        from = closed + close.size();
    }
}

std::vector<Text> referenceSplit(const Text& text, const Text& open, const Text& close) {
    std::vector<Text> elements;
    if (text.empty())
        return elements;
    Text group;
    bool pending = false;
    for (std::size_t at = 0;;) {
        const std::size_t comma = text.find(u',', at);
        const Text piece = text.substr(at, comma == kEnd ? kEnd : comma - at);
        if (referenceInside(text, comma, open, close)) {
            group = pending ? group + u", " + piece : piece.substr(std::min(open.size(), piece.size()));
            pending = true;
        } else if (pending) {
            if (piece.find(close) != kEnd)
                group += u", ";
            group += piece.substr(0, piece.size() - std::min(close.size(), piece.size()));
            elements.push_back(group);
            pending = false;
        } else {
            elements.push_back(piece);
        }
        if (comma == kEnd)
            return elements;
        at = comma + 1;
    }
}

std::vector<Text> split(const Text& text, const Text& open, const Text& close) {
    std::vector<Text> elements;
    for (const String& element : Ovo::SplitParamText(String(text), String(open), String(close)))
        elements.push_back(element.ToU16String());
    return elements;
}

// Bytes as UTF-16 code units: each byte one unit, except that 0xFF takes the next two bytes as a
// unit of any value (surrogates and NUL too).
Text units(Fuzz::Input& in, std::size_t most) {
    Text text;
    while (!in.empty() && text.size() < most) {
        const std::uint8_t b = in.byte();
        text += b == 0xFF ? in.raw<char16_t>() : static_cast<char16_t>(b);
    }
    return text;
}

Text marker(Fuzz::Input& in, const char16_t* usual) {
    return in.below(4) == 0 ? units(in, in.below(4)) : Text(usual);
}

std::string utf8(const Text& text) {
    return String(text).ToUtf8();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Fuzz::Input in(data, size);
    const Text open = marker(in, u"{{");
    const Text close = marker(in, u"}}");
    const DWORD flags = in.flag() ? kRecordNoComments : 0;
    const Text text = units(in, kEnd);

    // Linear: the split, the recording and the description of a long text take time per character.
    Fuzz::withinBudget(
        "splitting and recording the parameter text", size, std::chrono::milliseconds(100),
        std::chrono::microseconds(2), [&] {
            split(text, open, close);
            auto recorder = ComPtr<Vantrel::ScriptRecorder>::Adopt(new Vantrel::ScriptRecorder);
            Ovo::RecordMessage(String(u"Msg"), String(text), recorder.Get(), flags);
            Ovo::RecordMessageBlock(String(u"Msg"), String(text), recorder.Get(), flags);
            auto sink = ComPtr<Vantrel::LineSink>::Adopt(new Vantrel::LineSink);
            Ovo::DescriptionText(String(u"Msg"), String(u"A message"), String(text), sink.Get(), 1);
        });
    const std::vector<Text> elements = split(text, open, close);
    std::vector<Text> plain;
    for (std::size_t at = 0; !text.empty();) {
        const std::size_t comma = text.find(u',', at);
        plain.push_back(text.substr(at, comma == kEnd ? kEnd : comma - at));
        if (comma == kEnd)
            break;
        at = comma + 1;
    }
    FUZZ_CHECK(split(text, Text(), Text()) == plain, "without markers every comma separates");
    FUZZ_CHECK(elements.size() <= plain.size(), "groups only join elements");
    FUZZ_CHECK(Ovo::IsInsideGroup(String(text), -1, String(open), String(close)) ==
                   referenceInside(text, kEnd, open, close),
               utf8(text));

    auto recorder = ComPtr<Vantrel::ScriptRecorder>::Adopt(new Vantrel::ScriptRecorder);
    const HRESULT recorded = Ovo::RecordMessage(String(u"Msg"), String(text), recorder.Get(), flags);
    if (split(text, u"{{", u"}}").size() % 3 != 0) {
        FUZZ_CHECK(recorded == E_INVALIDARG && recorder->Written().empty(),
                   "a text of broken triples records nothing");
    } else {
        FUZZ_CHECK(SUCCEEDED(recorded), "whole triples are recorded");
        FUZZ_CHECK(recorder->Script().find(u"Doc.Msg") != kEnd, "the call names the message");
    }
    auto block = ComPtr<Vantrel::ScriptRecorder>::Adopt(new Vantrel::ScriptRecorder);
    Ovo::RecordMessageBlock(String(u"Msg"), String(text), block.Get(), flags);
    auto sink = ComPtr<Vantrel::LineSink>::Adopt(new Vantrel::LineSink);
    Ovo::DescriptionText(String(u"Msg"), String(u"A message"), String(text), sink.Get(), 1);
    FUZZ_CHECK(sink->Lines().size() >= 2, "name and description lines");

    // The reference is quadratic: compared on short texts only.
    if (text.size() <= 1024) {
        FUZZ_CHECK(elements == referenceSplit(text, open, close), utf8(text));
        for (std::size_t position = 0; position <= text.size(); position += 1 + position / 8)
            FUZZ_CHECK(Ovo::IsInsideGroup(String(text), static_cast<int>(position), String(open),
                                          String(close)) == referenceInside(text, position, open, close),
                       utf8(text) + " at " + std::to_string(position));
    }
    return 0;
}
