#include "core/StringRep.h"

#include <algorithm>
#include <cstring>
#include <new>

#include "platform/win32/codepage.h"
#include "platform/win32/sync.h"

namespace OvoString {

namespace {

VARIANT_BOOL Bool(bool b) {
    return b ? VARIANT_TRUE : VARIANT_FALSE;
}

// Holds the process's reference to the empty representation until exit.
struct EmptyHolder {
    StringRep* rep;
    EmptyHolder() : rep(StringRep::Create(9)) {}
    ~EmptyHolder() { rep->Release(); }
};

} // namespace

void* StringRep::operator new(std::size_t size, std::uint32_t capacity) {
    return ::operator new (size + std::size_t{capacity} * sizeof(WCHAR));
}

void StringRep::operator delete(void* p) {
    ::operator delete(p);
}

void StringRep::operator delete(void* p, std::uint32_t) {
    ::operator delete(p);
}

StringRep* StringRep::Create(std::uint32_t capacity) {
    capacity = std::max(capacity, kMinCapacity);
    if (capacity > kMaxCapacity)
        throw std::bad_alloc();
    auto* rep = new (capacity) StringRep(capacity);
    std::memset(rep->Text(), 0, std::size_t{capacity} * sizeof(WCHAR));
    return rep;
}

StringRep* StringRep::Empty() {
    static EmptyHolder holder;
    return holder.rep;
}

StringRep* StringRep::Own(IAutoOvoString* s) {
    if (s == nullptr || s->GetKind() != kOvoStringRepKind)
        return nullptr;
    return dynamic_cast<StringRep*>(s);
}

StringRep::~StringRep() {
    FreeNarrow();
}

void StringRep::SetCharacters(std::uint32_t n) {
    mLength = n + 1;
    Text()[n] = 0;
}

void StringRep::FreeNarrow() {
    delete[] mNarrow;
    mNarrow = nullptr;
    mNarrowValid = 0;
}

const char* StringRep::Narrow() {
    if (mNarrowValid != 1) {
        mNarrowValid = 1;
        CopyToNarrow();
    }
    return mNarrow;
}

void StringRep::CopyToNarrow() {
    const int size = WideCharToMultiByte(CP_THREAD_ACP, 0, Text(), static_cast<int>(mLength), nullptr, 0,
                                         nullptr, nullptr);
    auto* narrow = new char[static_cast<std::size_t>(std::max(size, 1))];
    narrow[0] = 0;
    WideCharToMultiByte(CP_THREAD_ACP, 0, Text(), static_cast<int>(mLength), narrow, size, nullptr, nullptr);
    delete[] mNarrow;
    mNarrow = narrow;
}

int StringRep::CompareWithBSTR(BSTR other) const {
    const std::uint32_t own = Characters();
    const std::uint32_t theirs = SysStringLen(other);
    if (own == 0 || theirs == 0)
        return own == theirs ? 0 : (own == 0 ? -1 : 1);
    const std::uint32_t common = std::min(own, theirs);
    for (std::uint32_t i = 0; i < common; ++i)
        if (Text()[i] != other[i])
            return static_cast<int>(Text()[i]) - static_cast<int>(other[i]);
    return own == theirs ? 0 : (own < theirs ? -1 : 1);
}

HRESULT StringRep::QueryInterface(REFIID iid, void** out) {
    if (out == nullptr)
        return E_POINTER;
    if (iid == IID_IUnknown || iid == IID_IAutoOvoString || iid == Ovo::IID_IOvoString) {
        *out = static_cast<Ovo::IOvoString*>(this);
        AddRef();
        return S_OK;
    }
    *out = nullptr;
    return E_NOINTERFACE;
}

ULONG StringRep::AddRef() {
    return static_cast<ULONG>(InterlockedIncrement(&mRefs));
}

ULONG StringRep::Release() {
    const LONG n = InterlockedDecrement(&mRefs);
    if (n == 0)
        Destroy();
    return static_cast<ULONG>(n);
}

HRESULT StringRep::SetFromBSTR(BSTR text) {
    if (Shared())
        return E_FAIL;
    const std::uint32_t n = SysStringLen(text);
    if (n >= mCapacity)
        return E_FAIL;
    if (n != 0)
        std::memcpy(Text(), text, std::size_t{n} * sizeof(WCHAR));
    SetCharacters(n);
    InvalidateNarrow();
    return S_OK;
}

HRESULT StringRep::GetBSTR(BSTR* out) {
    if (out == nullptr)
        return E_FAIL;
    SysFreeString(*out);
    *out = nullptr;
    if (Characters() != 0) {
        *out = SysAllocStringLen(Text(), Characters());
        if (*out == nullptr)
            return E_OUTOFMEMORY;
    }
    return S_OK;
}

HRESULT StringRep::IsEmpty(VARIANT_BOOL* out) {
    *out = Bool(mLength == 1);
    return S_OK;
}

HRESULT StringRep::GetLength(ULONG* out) {
    *out = Characters();
    return S_OK;
}

HRESULT StringRep::IsEqual(IAutoOvoString* other, VARIANT_BOOL* out) {
    if (other == this) {
        *out = VARIANT_TRUE;
        return S_OK;
    }
    if (StringRep* rep = Own(other)) {
        *out = Bool(rep->mLength == mLength &&
                    std::memcmp(rep->Text(), Text(), std::size_t{Characters()} * sizeof(WCHAR)) == 0);
        return S_OK;
    }
    BSTR text = nullptr;
    const HRESULT hr = other->GetBSTR(&text);
    *out = Bool(SUCCEEDED(hr) && CompareWithBSTR(text) == 0);
    SysFreeString(text);
    return hr;
}

HRESULT StringRep::IsShared(VARIANT_BOOL* out) {
    *out = Bool(Shared());
    return S_OK;
}

HRESULT StringRep::CopyChars(ULONG bufferBytes, void* buffer) {
    if (bufferBytes < std::uint64_t{mLength} * sizeof(WCHAR) || buffer == nullptr)
        return E_FAIL;
    std::memcpy(buffer, Text(), std::size_t{mLength} * sizeof(WCHAR));
    return S_OK;
}

HRESULT StringRep::GetInfo(ULONG* length, LONG* encoding) {
    *length = Characters();
    *encoding = kOvoStringUtf16;
    return S_OK;
}

HRESULT StringRep::GetCapacity(ULONG* out) {
    *out = mCapacity - 1;
    return S_OK;
}

HRESULT StringRep::CreateEmpty(ULONG characters, IAutoOvoString** out) {
    if (characters >= kMaxCapacity)
        return E_OUTOFMEMORY;
    *out = Create(characters + 1);
    return S_OK;
}

HRESULT StringRep::GetVariant(VARIANT* out) {
    out->vt = VT_BSTR;
    out->bstrVal = nullptr;
    return GetBSTR(&out->bstrVal);
}

} // namespace OvoString
