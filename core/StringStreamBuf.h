#pragma once
// Wide stream buffer whose destination is an Ovo::String. Characters are
// written into a wide array of the buffer's own; SyncString (or str) converts
// the text up to the put position into the target string and closes the put
// area, and the next write re-opens it after that text.

#include <ios>
#include <streambuf>
#include <vector>

#include "core/String.h"

namespace Ovo {

class StringStreamBuf : public std::basic_streambuf<wchar_t> {
public:
    StringStreamBuf();
    StringStreamBuf(const StringStreamBuf&) = delete;
    StringStreamBuf& operator=(const StringStreamBuf&) = delete;

    // The text written so far (synced first), shared.
    String str();
    // Makes the target hold the text up to the put position, then closes the
    // put area. Without writes since the last sync the target stays as it is.
    void SyncString();

protected:
    int_type overflow(int_type c) override;
    pos_type seekoff(off_type off, std::ios_base::seekdir way, std::ios_base::openmode which) override;
    pos_type seekpos(pos_type pos, std::ios_base::openmode which) override;

private:
    void SetupPutArea();
    void Reserve(std::size_t capacity);
    std::size_t Written() const { return static_cast<std::size_t>(pptr() - pbase()); }

    std::ios_base::openmode mMode = std::ios_base::in | std::ios_base::out;
    String mTarget;
    bool mSynced = false;
    std::vector<wchar_t> mStorage;
    std::size_t mLength = 0;    // text length at the last sync
    std::size_t mHighWater = 0; // end of the text written, for seeking
};

} // namespace Ovo
