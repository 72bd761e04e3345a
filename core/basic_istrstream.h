#pragma once
// Input stream that reads a NUL-terminated wide text in place, without copying
// it; the text must outlive the stream. Argument texts of the calculation
// classes are read this way.

#include <istream>

#include "core/basic_strstreambuf.h"

namespace Ovo {

template <class CharT, class Traits = std::char_traits<CharT>>
class basic_istrstream : public std::basic_istream<CharT, Traits> {
public:
    // Reads text up to its NUL.
    explicit basic_istrstream(const CharT* text) : basic_istrstream(text, 0) {}
    // Reads n characters of text (0: up to its NUL).
    basic_istrstream(const CharT* text, std::streamsize n)
        : std::basic_istream<CharT, Traits>(nullptr), mBuffer(text, n) {
        this->rdbuf(&mBuffer);
    }

    basic_strstreambuf<CharT, Traits>* rdbuf() const { return &mBuffer; }
    using std::basic_istream<CharT, Traits>::rdbuf;

private:
    mutable basic_strstreambuf<CharT, Traits> mBuffer;
};

} // namespace Ovo
