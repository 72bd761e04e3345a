#include "core/BinOStream.h"

namespace Ovo {

namespace {

constexpr DWORD kWideStringMarker = 0x80000001;

} // namespace

BinOStream::~BinOStream() = default;

void BinOStream::Attach(IUnknown* object) {
    mAttached = ComPtr<IUnknown>::Adopt(object);
}

void BinOStream::ReleaseAttached() {
    mAttached.Reset();
}

void BinOStream::WriteStringRecord(const String& text) {
    const DWORD n = static_cast<DWORD>(text.Length()) + 1;
    const DWORD words[3] = {kWideStringMarker, n, 0u - n};
    Put(words, sizeof words);
    Put(text.c_str(), std::streamsize{n} * 2); // the units and the terminator
}

void BinOStream::Flush() {
    if (Buffer()->pubsync() == -1)
        Fail(kSetupFailed);
}

void BinOStream::Rewind() {
    if (Good() && Buffer()->pubseekpos(0, std::ios_base::out) < 0)
        Fail(kShort);
    ReleaseAttached();
}

HRESULT BinOStream::WriteRaw(const void* data, ULONG count) {
    Put(data, count);
    return Result();
}

HRESULT BinOStream::Tell(DWORD* position) {
    return Position(std::ios_base::out, position);
}

HRESULT BinOStream::Seek(LONG position) {
    if (!Good())
        return E_FAIL;
    if (position < 0 || Buffer()->pubseekpos(position, std::ios_base::out) < 0)
        Fail(kShort);
    return Result();
}

HRESULT BinOStream::WriteU16(DWORD value) {
    const auto word = static_cast<WORD>(value & 0xFFFF);
    return WriteRaw(&word, 2);
}

HRESULT BinOStream::WriteString(IAutoOvoString* text) {
    // The module's own representation is written as it is; another is copied.
    WriteStringRecord(String(text));
    return Result();
}

HRESULT BinOStream::Write8(DWORD low, DWORD high) {
    const DWORD words[2] = {low, high};
    return WriteRaw(words, 8);
}

} // namespace Ovo
