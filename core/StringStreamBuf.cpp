#include "core/StringStreamBuf.h"

#include <algorithm>
#include <new>
#include <string>

namespace Ovo {

namespace {
constexpr std::size_t kMaxCapacity = 0x7FFFFFFF;
constexpr std::size_t kFirstCapacity = 16;
} // namespace

StringStreamBuf::StringStreamBuf() = default;

void StringStreamBuf::SyncString() {
    if (pbase()) {
        mLength = Written();
        mHighWater = mLength;
        mTarget = String(std::wstring(pbase(), mLength));
    }
    mSynced = true;
    setp(nullptr, nullptr);
}

String StringStreamBuf::str() {
    SyncString();
    return mTarget;
}

void StringStreamBuf::Reserve(std::size_t capacity) {
    const std::size_t written = pbase() ? Written() : mLength;
    if (capacity > kMaxCapacity)
        throw std::bad_alloc();
    mStorage.resize(capacity);
    setp(mStorage.data(), mStorage.data() + mStorage.size());
    pbump(static_cast<int>(written));
}

void StringStreamBuf::SetupPutArea() {
    if (mStorage.size() - mLength < 8)
        Reserve(std::min(std::max(2 * mStorage.size(), kFirstCapacity), kMaxCapacity));
    setp(mStorage.data(), mStorage.data() + mStorage.size());
    pbump(static_cast<int>(mLength));
    mSynced = false;
}

StringStreamBuf::int_type StringStreamBuf::overflow(int_type c) {
    if (traits_type::eq_int_type(c, traits_type::eof()))
        return traits_type::not_eof(c);
    if (mSynced || !pbase())
        SetupPutArea();
    if (pptr() == epptr()) {
        if (mStorage.size() == kMaxCapacity)
            return traits_type::eof();
        Reserve(std::min(std::max(2 * mStorage.size(), kFirstCapacity), kMaxCapacity));
    }
    *pptr() = traits_type::to_char_type(c);
    pbump(1);
    return c;
}

StringStreamBuf::pos_type StringStreamBuf::seekoff(off_type off, std::ios_base::seekdir way,
                                                   std::ios_base::openmode which) {
    if (!(which & std::ios_base::out) || (which & std::ios_base::in))
        return pos_type(off_type(-1));
    if (mSynced || !pbase())
        SetupPutArea();
    mHighWater = std::max(mHighWater, Written());
    if (way == std::ios_base::cur)
        off += static_cast<off_type>(Written());
    else if (way == std::ios_base::end)
        off += static_cast<off_type>(mHighWater);
    if (off < 0 || off > static_cast<off_type>(mHighWater))
        return pos_type(off_type(-1));
    setp(pbase(), epptr());
    pbump(static_cast<int>(off));
    return pos_type(off);
}

StringStreamBuf::pos_type StringStreamBuf::seekpos(pos_type pos, std::ios_base::openmode which) {
    return seekoff(off_type(pos), std::ios_base::beg, which);
}

} // namespace Ovo
