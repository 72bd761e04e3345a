#pragma once
// Output stream into a caller's array of fixed size. Text beyond the array is
// not stored and fails the stream; nothing is terminated or allocated.

#include <ostream>
#include <stdexcept>

#include "core/basic_strstreambuf.h"

namespace Ovo {

template <class CharT, class Traits = std::char_traits<CharT>>
class basic_ostrstream : public std::basic_ostream<CharT, Traits> {
public:
    // array must not be null and size must be positive (the buffer would read a size of 0 as
    // the length of a text in array).
    basic_ostrstream(CharT* array, std::streamsize size)
        : std::basic_ostream<CharT, Traits>(nullptr), mBuffer(array, CheckedSize(array, size), array) {
        this->rdbuf(&mBuffer);
    }

    // Characters written so far.
    std::streamsize pcount() const { return mBuffer.pcount(); }

private:
    static std::streamsize CheckedSize(const CharT* array, std::streamsize size) {
        if (!array || size <= 0)
            throw std::invalid_argument("basic_ostrstream needs an array of positive size");
        return size;
    }

    basic_strstreambuf<CharT, Traits> mBuffer;
};

} // namespace Ovo
