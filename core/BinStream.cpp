#include "core/BinStream.h"

namespace Ovo {

bool BinStream::Get(void* data, std::streamsize n) {
    if (!Good())
        return false;
    if (n > 0 && mBuffer->sgetn(static_cast<char*>(data), n) != n) {
        Fail(kShort);
        return false;
    }
    return true;
}

bool BinStream::Put(const void* data, std::streamsize n) {
    if (!Good())
        return false;
    if (n > 0 && mBuffer->sputn(static_cast<const char*>(data), n) != n) {
        Fail(kShort);
        return false;
    }
    return true;
}

HRESULT BinStream::Position(std::ios_base::openmode which, DWORD* position) {
    if (!Good())
        return E_FAIL;
    const std::streampos here = mBuffer->pubseekoff(0, std::ios_base::cur, which);
    if (here < 0)
        Fail(kShort);
    else
        *position = static_cast<DWORD>(here);
    return Result();
}

} // namespace Ovo
