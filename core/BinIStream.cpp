#include "core/BinIStream.h"

#include <bit>
#include <cstring>
#include <vector>

#include "core/StringRep.h"
#include "core/XOvo.h"

namespace Ovo {

static_assert(std::endian::native == std::endian::little, "persisted values are little-endian");

namespace {

constexpr DWORD kHeaderMask = 0xFF00FFFF;
constexpr DWORD kHeaderPattern = 0x5500AAAA;
constexpr DWORD kMaxOldStringCount = 64000;
constexpr DWORD kWideStringFlag = 0x80000000u; // the marker bit of a UTF-16 string record

[[noreturn]] void Malformed(String& text) {
    text.Clear();
    throw XOvo(OVO_E_STRING_RECORD);
}

} // namespace

BinIStream::~BinIStream() = default;

void BinIStream::Attach(IUnknown* object) {
    mAttached = ComPtr<IUnknown>::Adopt(object);
}

void BinIStream::ReadHeader() {
    if (!Good()) {
        mVersion = 0;
        return;
    }
    DWORD word = 0;
    const bool read = Get(&word, 4);
    if (read && (word & kHeaderMask) == kHeaderPattern) {
        mVersion = (word >> 16) & 0xFF;
        return;
    }
    mVersion = 1;
    if (read && Buffer()->pubseekoff(-4, std::ios_base::cur, std::ios_base::in) < 0)
        Fail(kShort);
}

DWORD BinIStream::ReadWord() {
    DWORD word = 0;
    Get(&word, 4);
    return word;
}

DWORD BinIStream::ReadU32() {
    return ReadWord();
}

std::int64_t BinIStream::Remaining() {
    std::streambuf* b = Buffer();
    const std::streampos here = b->pubseekoff(0, std::ios_base::cur, std::ios_base::in);
    if (here < 0)
        return -1;
    const std::streampos end = b->pubseekoff(0, std::ios_base::end, std::ios_base::in);
    if (end < 0 || b->pubseekpos(here, std::ios_base::in) != here)
        return -1;
    return static_cast<std::int64_t>(end - here);
}

void BinIStream::ReadString(String& text) {
    DWORD marker = 0;
    DWORD n = 0;
    DWORD check = 0;
    if (mVersion >= 10) {
        marker = ReadWord();
        n = ReadWord();
        check = ReadWord();
    } else {
        n = ReadWord();
    }
    // A stream that failed while the record's words were read leaves them unknown: the record is
    // not judged malformed from them.
    if (!Good()) {
        text.Clear();
        return;
    }
    if (mVersion >= 10 ? n + check != 0 : n > kMaxOldStringCount)
        Malformed(text);
    const bool wide = (marker & kWideStringFlag) != 0;
    const std::int64_t remaining = Remaining();
    if (remaining < 0) {
        Fail(kShort);
        text.Clear();
        return;
    }
    // The count comes from the data: it must fit what is left of the stream,
    // so no size is computed from it that could wrap or be absurd.
    const std::int64_t bytes = std::int64_t{n} * (wide ? 2 : 1);
    if (bytes > remaining || n >= OvoString::StringRep::kMaxCapacity)
        Malformed(text);
    if (wide)
        ReadWideText(text, n);
    else
        ReadAnsiText(text, n);
}

void BinIStream::ReadWideText(String& text, DWORD n) {
    WCHAR* units = text.PrepareBuffer(static_cast<int>(n));
    if (!Get(units, std::streamsize{n} * 2)) {
        text.Clear(); // no half-filled string
        return;
    }
    text.ReleaseBuffer(static_cast<int>(n > 0 && units[n - 1] == 0 ? n - 1 : n));
}

void BinIStream::ReadAnsiText(String& text, DWORD n) {
    std::vector<char> bytes(std::size_t{n} + 1, '\0');
    if (!Get(bytes.data(), n)) {
        text.Clear();
        return;
    }
    text = String(bytes.data());
}

HRESULT BinIStream::ReadRaw(void* target, ULONG count) {
    if (count == 0)
        return Result();
    std::vector<BYTE> scratch(count);
    if (Get(scratch.data(), count))
        std::memcpy(target, scratch.data(), count);
    return Result();
}

HRESULT BinIStream::Tell(DWORD* position) {
    return Position(std::ios_base::in, position);
}

HRESULT BinIStream::ReadU8(BYTE* value) {
    *value = 0;
    if (!Good())
        return E_FAIL;
    const auto c = Buffer()->sbumpc();
    if (c == std::char_traits<char>::eof())
        Fail(kShort);
    else
        *value = static_cast<BYTE>(c);
    return Result();
}

HRESULT BinIStream::Read8(DWORD* low, DWORD* high) {
    DWORD words[2];
    if (Get(words, 8)) {
        *low = words[0];
        *high = words[1];
    }
    return Result();
}

HRESULT BinIStream::ReadString(IAutoOvoString** text) {
    if (text == nullptr)
        return E_POINTER;
    String s;
    ReadString(s);
    *text = s.GetInterface();
    return Result();
}

HRESULT BinIStream::GetVersion(DWORD* version) {
    *version = mVersion;
    return S_OK;
}

} // namespace Ovo
