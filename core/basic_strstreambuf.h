#pragma once
// Character-array stream buffer for wide characters, the counterpart of the
// standard library's strstreambuf (which exists only for char). It reads a
// caller's array in place, writes into a fixed caller array, or writes into an
// array of its own that grows (dynamic) until it is frozen.
//
// Growth: each step adds half the current size, at least the minimum
// allocation (32 characters, or a larger count given at construction, for the
// first growth only): 32, 64, 96, 144, ... characters.

#include <cstdint>
#include <streambuf>

namespace Ovo {

template <class CharT, class Traits = std::char_traits<CharT>>
class basic_strstreambuf : public std::basic_streambuf<CharT, Traits> {
public:
    using int_type = typename Traits::int_type;
    using pos_type = typename Traits::pos_type;
    using off_type = typename Traits::off_type;
    using AllocFunction = CharT* (*)(std::size_t count);
    using ReleaseFunction = void (*)(CharT* array);

    enum State : std::uint32_t { Allocated = 1, Constant = 2, Dynamic = 4, Frozen = 8 };

    // Dynamic and empty; a count above 32 becomes the first growth step.
    explicit basic_strstreambuf(std::streamsize count = 0);
    // Dynamic, allocating and releasing its arrays through the given functions (null: new[] / delete[]).
    basic_strstreambuf(AllocFunction alloc, ReleaseFunction release);
    // Over the caller's array of n characters (0: up to its NUL; negative: unbounded).
    // Without put the whole array is read; with put, [array, put) is read and
    // [put, array + n) written.
    basic_strstreambuf(CharT* array, std::streamsize n, CharT* put = nullptr);
    // Read-only over a constant text.
    basic_strstreambuf(const CharT* text, std::streamsize n);
    ~basic_strstreambuf() override;
    basic_strstreambuf(const basic_strstreambuf&) = delete;
    basic_strstreambuf& operator=(const basic_strstreambuf&) = delete;

    // A frozen dynamic buffer neither grows nor releases its array.
    void freeze(bool frozen = true);
    // Freezes the buffer and gives its array; the caller now owns it.
    CharT* str();
    // Characters in the put area.
    std::streamsize pcount() const { return this->pptr() ? this->pptr() - this->pbase() : 0; }
    std::uint32_t state() const { return mState; }

protected:
    int_type overflow(int_type c) override;
    int_type pbackfail(int_type c) override;
    int_type underflow() override;
    pos_type seekoff(off_type off, std::ios_base::seekdir way, std::ios_base::openmode which) override;
    pos_type seekpos(pos_type pos, std::ios_base::openmode which) override;

private:
    void Init(CharT* array, std::streamsize n, CharT* put, std::uint32_t state);
    bool Grow();
    void RaiseSeekHigh();
    pos_type SeekGet(off_type off, std::ios_base::seekdir way, std::ios_base::openmode which);
    pos_type SeekPut(off_type off, std::ios_base::seekdir way);

    std::int32_t mMinAlloc = 32;
    CharT* mSeekHigh = nullptr; // end of the text written so far
    CharT* mEnd = nullptr;      // end of the array
    std::uint32_t mState = 0;
    AllocFunction mAlloc = nullptr;
    ReleaseFunction mRelease = nullptr;
};

extern template class basic_strstreambuf<wchar_t>;

} // namespace Ovo
