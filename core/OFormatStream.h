#pragma once
// Positional format stream. Set up on a format text with numbered placeholders
// %1 to %20, it takes the arguments one after the other (written with the usual
// insertions, each closed by EndArgument) and, when the highest placeholder's
// argument is closed, writes the format to its destination with every
// placeholder replaced by its argument, so translations may reorder them.
//
// Format rules: "%%" is one literal percent sign (collapsed only in a format
// that has placeholders); a backslash right after a placeholder's digits ends
// it and is dropped ("%1\2"); "%0", a number above 20, a sign or anything but a
// digit after "%" is literal text. A placeholder may occur more than once and
// repeats its argument. At most 20 placeholder occurrences are substituted.
// All arguments share a buffer of 1024 characters; text beyond it is lost.
// Surplus arguments are ignored; with fewer than expected nothing is written.

#include <array>
#include <streambuf>
#include <string>
#include <vector>

#include "core/String.h"
#include "core/basic_ostrstream.h"

namespace Ovo {

class OFormatStream {
public:
    explicit OFormatStream(const String& format);
    virtual ~OFormatStream();
    OFormatStream(const OFormatStream&) = delete;
    OFormatStream& operator=(const OFormatStream&) = delete;

    // Makes destination the output and parses the format; a format without
    // placeholders is written at once.
    void SetFormat(std::wstreambuf* destination);

    // Writes into the current argument (numbers in the global locale at construction).
    template <class T> OFormatStream& operator<<(const T& value) {
        mArguments << value;
        return *this;
    }
    // Writes a text as the whole current argument and closes it.
    OFormatStream& operator<<(const String& text);
    OFormatStream& operator<<(const wchar_t* text);
    // Closes the current argument.
    void EndArgument();

    std::wostream& ArgumentStream() { return mArguments; }

private:
    static constexpr int kMaxPlaceholders = 20;
    static constexpr std::size_t kArgumentBufferSize = 1024;

    struct PlaceholderRecord {
        std::size_t percent; // position of the "%"
        std::size_t end;     // just after the digits (and a swallowed backslash)
        int argument;        // 1 to 20
        bool literalPercent; // the text before it holds "%%"
    };
    struct ArgumentText {
        std::size_t start = 0;
        std::size_t length = 0;
    };

    void Parse();
    void WriteSegment(std::size_t from, std::size_t to, bool collapsePercent);
    void WriteOutput();

    String mFormat;
    std::wstring mText; // the format in wide characters
    std::array<wchar_t, kArgumentBufferSize> mArgumentBuffer{};
    basic_ostrstream<wchar_t> mArguments;
    std::size_t mLastPosition = 0;
    int mCurrentArgument = 0;
    int mExpectedArguments = 0;
    std::vector<PlaceholderRecord> mRecords;
    std::array<ArgumentText, kMaxPlaceholders + 1> mArgumentTexts{};
    bool mTailPercent = false;
    std::wstreambuf* mDestination = nullptr;
};

} // namespace Ovo
