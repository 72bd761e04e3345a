#pragma once
// Wide output stream whose text is read back as an Ovo::String. Numbers follow
// the stream's locale: the global one at construction (the module locale once
// LocaleInfo is installed), or whatever the writer imbues.

#include <ostream>

#include "core/StringStreamBuf.h"

namespace Ovo {

class OStringStream : public std::basic_ostream<wchar_t> {
public:
    OStringStream() : std::basic_ostream<wchar_t>(nullptr) { rdbuf(&mBuffer); }
    OStringStream(const OStringStream&) = delete;
    OStringStream& operator=(const OStringStream&) = delete;

    // The text written so far; writing may go on after it.
    String str() { return mBuffer.str(); }
    StringStreamBuf* rdbuf() { return &mBuffer; }
    using std::basic_ostream<wchar_t>::rdbuf;

private:
    StringStreamBuf mBuffer;
};

} // namespace Ovo
