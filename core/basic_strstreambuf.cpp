#include "core/basic_strstreambuf.h"

#include <algorithm>

namespace Ovo {

namespace {
constexpr std::streamsize kMinAlloc = 32;
constexpr std::streamsize kMaxSize = 0x7FFFFFFF;
} // namespace

template <class CharT, class Traits>
basic_strstreambuf<CharT, Traits>::basic_strstreambuf(std::streamsize count) {
    Init(nullptr, count, nullptr, 0);
}

template <class CharT, class Traits>
basic_strstreambuf<CharT, Traits>::basic_strstreambuf(AllocFunction alloc, ReleaseFunction release)
    : mAlloc(alloc), mRelease(release) {
    Init(nullptr, 0, nullptr, 0);
}

template <class CharT, class Traits>
basic_strstreambuf<CharT, Traits>::basic_strstreambuf(CharT* array, std::streamsize n, CharT* put) {
    Init(array, n, put, 0);
}

template <class CharT, class Traits>
basic_strstreambuf<CharT, Traits>::basic_strstreambuf(const CharT* text, std::streamsize n) {
    // Never written through: the Constant state refuses every store.
    Init(const_cast<CharT*>(text), n, nullptr, Constant);
}

template <class CharT, class Traits> basic_strstreambuf<CharT, Traits>::~basic_strstreambuf() {
    if ((mState & (Allocated | Frozen)) == Allocated) {
        CharT* array = this->eback();
        mRelease ? mRelease(array) : delete[] array;
    }
    mState &= ~(Allocated | Frozen);
}

template <class CharT, class Traits>
void basic_strstreambuf<CharT, Traits>::Init(CharT* array, std::streamsize n, CharT* put,
                                             std::uint32_t state) {
    mMinAlloc = static_cast<std::int32_t>(kMinAlloc);
    mSeekHigh = nullptr;
    mEnd = nullptr;
    mState = state;
    if (!array) {
        mState |= Dynamic;
        if (n > kMinAlloc)
            mMinAlloc = static_cast<std::int32_t>(std::min(n, kMaxSize));
        return;
    }
    const std::streamsize size = n < 0    ? kMaxSize
                                 : n == 0 ? static_cast<std::streamsize>(Traits::length(array))
                                          : n;
    mEnd = array + size;
    if (!put) {
        this->setg(array, array, mEnd);
    } else {
        put = std::clamp(put, array, mEnd);
        this->setg(array, array, put);
        this->setp(put, mEnd);
    }
    // The text already in the get area counts as written, so that it can be sought.
    mSeekHigh = this->egptr();
}

template <class CharT, class Traits> void basic_strstreambuf<CharT, Traits>::freeze(bool frozen) {
    if (!(mState & Dynamic))
        return;
    if (frozen)
        mState |= Frozen;
    else
        mState &= ~Frozen;
}

template <class CharT, class Traits> CharT* basic_strstreambuf<CharT, Traits>::str() {
    freeze();
    return this->eback();
}

template <class CharT, class Traits> void basic_strstreambuf<CharT, Traits>::RaiseSeekHigh() {
    if (this->pptr() && mSeekHigh < this->pptr())
        mSeekHigh = this->pptr();
}

template <class CharT, class Traits> bool basic_strstreambuf<CharT, Traits>::Grow() {
    CharT* old = this->eback();
    const std::streamsize oldSize = old ? mEnd - old : 0;
    std::streamsize increment = std::max<std::streamsize>(oldSize / 2, mMinAlloc);
    mMinAlloc = static_cast<std::int32_t>(kMinAlloc);
    while (oldSize + increment > kMaxSize) {
        increment /= 2;
        if (increment < 1)
            return false;
    }
    const std::streamsize newSize = oldSize + increment;
    CharT* array = mAlloc ? mAlloc(static_cast<std::size_t>(newSize)) : new CharT[newSize];
    if (!array)
        return false;
    const auto offset = [&](CharT* p) { return p ? p - old : 0; };
    const std::streamsize get = offset(this->gptr()), getEnd = offset(this->egptr());
    const std::streamsize putBase = offset(this->pbase()), put = offset(this->pptr());
    const std::streamsize seekHigh = offset(mSeekHigh);
    if (old) {
        std::copy(old, mEnd, array);
        if (mState & Allocated)
            mRelease ? mRelease(old) : delete[] old;
    }
    mState |= Allocated;
    mEnd = array + newSize;
    mSeekHigh = array + seekHigh;
    this->setg(array, array + get, array + getEnd);
    this->setp(array + putBase, mEnd);
    this->pbump(static_cast<int>(put - putBase));
    return true;
}

template <class CharT, class Traits>
typename basic_strstreambuf<CharT, Traits>::int_type basic_strstreambuf<CharT, Traits>::overflow(int_type c) {
    if (Traits::eq_int_type(c, Traits::eof()))
        return Traits::not_eof(c);
    if (!this->pptr() || this->pptr() >= this->epptr()) {
        if (!(mState & Dynamic) || (mState & (Constant | Frozen)) || !Grow())
            return Traits::eof();
    }
    *this->pptr() = Traits::to_char_type(c);
    this->pbump(1);
    return c;
}

template <class CharT, class Traits>
typename basic_strstreambuf<CharT, Traits>::int_type basic_strstreambuf<CharT, Traits>::underflow() {
    if (!this->gptr())
        return Traits::eof();
    if (this->gptr() < this->egptr())
        return Traits::to_int_type(*this->gptr());
    if (!this->pptr())
        return Traits::eof();
    RaiseSeekHigh();
    if (this->gptr() >= mSeekHigh)
        return Traits::eof();
    this->setg(this->eback(), this->gptr(), mSeekHigh);
    return Traits::to_int_type(*this->gptr());
}

template <class CharT, class Traits>
typename basic_strstreambuf<CharT, Traits>::int_type
basic_strstreambuf<CharT, Traits>::pbackfail(int_type c) {
    if (!this->gptr() || this->gptr() == this->eback())
        return Traits::eof();
    const bool isEof = Traits::eq_int_type(c, Traits::eof());
    const bool differs = !isEof && !Traits::eq(Traits::to_char_type(c), this->gptr()[-1]);
    if (differs && (mState & Constant))
        return Traits::eof();
    this->gbump(-1);
    if (isEof)
        return Traits::not_eof(c);
    if (differs)
        *this->gptr() = Traits::to_char_type(c);
    return c;
}

template <class CharT, class Traits>
typename basic_strstreambuf<CharT, Traits>::pos_type
basic_strstreambuf<CharT, Traits>::seekoff(off_type off, std::ios_base::seekdir way,
                                           std::ios_base::openmode which) {
    RaiseSeekHigh();
    if ((which & std::ios_base::in) && this->gptr())
        return SeekGet(off, way, which);
    if ((which & std::ios_base::out) && this->pptr())
        return SeekPut(off, way);
    return pos_type(off_type(-1));
}

template <class CharT, class Traits>
typename basic_strstreambuf<CharT, Traits>::pos_type
basic_strstreambuf<CharT, Traits>::SeekGet(off_type off, std::ios_base::seekdir way,
                                           std::ios_base::openmode which) {
    const bool alsoOut = (which & std::ios_base::out) && this->pptr();
    CharT* start = this->eback();
    if (way == std::ios_base::cur) {
        if (which & std::ios_base::out)
            return pos_type(off_type(-1));
        off += this->gptr() - start;
    } else if (way == std::ios_base::end) {
        off += mSeekHigh - start;
    }
    if (off < 0 || off > mSeekHigh - start || (alsoOut && start + off < this->pbase()))
        return pos_type(off_type(-1));
    CharT* target = start + off;
    this->setg(start, target, std::max(this->egptr(), target));
    if (alsoOut) {
        this->setp(this->pbase(), this->epptr());
        this->pbump(static_cast<int>(target - this->pbase()));
    }
    return pos_type(off);
}

template <class CharT, class Traits>
typename basic_strstreambuf<CharT, Traits>::pos_type
basic_strstreambuf<CharT, Traits>::SeekPut(off_type off, std::ios_base::seekdir way) {
    CharT* start = this->eback() ? this->eback() : this->pbase();
    if (way == std::ios_base::cur)
        off += this->pptr() - start;
    else if (way == std::ios_base::end)
        off += mSeekHigh - start;
    if (off < 0 || off > mSeekHigh - start || start + off < this->pbase())
        return pos_type(off_type(-1));
    this->setp(this->pbase(), this->epptr());
    this->pbump(static_cast<int>(start + off - this->pbase()));
    return pos_type(off);
}

template <class CharT, class Traits>
typename basic_strstreambuf<CharT, Traits>::pos_type
basic_strstreambuf<CharT, Traits>::seekpos(pos_type pos, std::ios_base::openmode which) {
    return seekoff(off_type(pos), std::ios_base::beg, which);
}

template class basic_strstreambuf<wchar_t>;

} // namespace Ovo
