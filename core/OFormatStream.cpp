#include "core/OFormatStream.h"

#include <algorithm>

namespace Ovo {

namespace {

bool IsDigit(wchar_t c) {
    return c >= L'0' && c <= L'9';
}

} // namespace

OFormatStream::OFormatStream(const String& format)
    : mFormat(format), mText(format.ToWString()), mArguments(mArgumentBuffer.data(), kArgumentBufferSize) {}

OFormatStream::~OFormatStream() = default;

void OFormatStream::SetFormat(std::wstreambuf* destination) {
    mDestination = destination;
    Parse();
    if (mRecords.empty())
        WriteSegment(0, mText.size(), false);
}

void OFormatStream::Parse() {
    bool literalPercent = false;
    std::size_t pos = 0;
    while ((pos = mText.find(L'%', pos)) != std::wstring::npos) {
        if (pos + 1 < mText.size() && mText[pos + 1] == L'%') {
            literalPercent = true;
            pos += 2;
            continue;
        }
        std::size_t end = pos + 1;
        int number = 0;
        for (; end < mText.size() && IsDigit(mText[end]); ++end)
            number = std::min(number * 10 + (mText[end] - L'0'), 1000);
        if (number < 1 || number > kMaxPlaceholders) {
            ++pos; // literal
            continue;
        }
        if (end < mText.size() && mText[end] == L'\\')
            ++end;
        mExpectedArguments = std::max(mExpectedArguments, number);
        if (mRecords.size() < kMaxPlaceholders) {
            mRecords.push_back({pos, end, number, literalPercent});
            literalPercent = false;
        }
        pos = end;
    }
    mTailPercent = literalPercent;
}

OFormatStream& OFormatStream::operator<<(const String& text) {
    mArguments << text.ToWString();
    EndArgument();
    return *this;
}

OFormatStream& OFormatStream::operator<<(const wchar_t* text) {
    if (text)
        mArguments << text;
    EndArgument();
    return *this;
}

void OFormatStream::EndArgument() {
    if (mCurrentArgument >= mExpectedArguments)
        return;
    const auto position = static_cast<std::size_t>(mArguments.pcount());
    ++mCurrentArgument;
    mArgumentTexts[mCurrentArgument] = {mLastPosition, position - mLastPosition};
    mLastPosition = position;
    if (mCurrentArgument == mExpectedArguments)
        WriteOutput();
}

void OFormatStream::WriteSegment(std::size_t from, std::size_t to, bool collapsePercent) {
    if (!mDestination)
        return;
    if (!collapsePercent) {
        mDestination->sputn(mText.data() + from, static_cast<std::streamsize>(to - from));
        return;
    }
    for (std::size_t i = from; i < to; ++i) {
        mDestination->sputc(mText[i]);
        if (mText[i] == L'%' && i + 1 < to && mText[i + 1] == L'%')
            ++i;
    }
}

void OFormatStream::WriteOutput() {
    std::size_t scan = 0;
    for (const PlaceholderRecord& record : mRecords) {
        WriteSegment(scan, record.percent, record.literalPercent);
        const ArgumentText& argument = mArgumentTexts[record.argument];
        if (mDestination)
            mDestination->sputn(mArgumentBuffer.data() + argument.start,
                                static_cast<std::streamsize>(argument.length));
        scan = record.end;
    }
    WriteSegment(scan, mText.size(), mTailPercent);
}

} // namespace Ovo
