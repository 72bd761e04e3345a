#pragma once
// The representation behind Ovo::String: a reference-counted COM object whose
// header and UTF-16 text share one allocation (the text follows the object).
//
// Invariants: 1 <= length word <= capacity; Text()[length word - 1] == 0. The
// length word counts the characters plus the terminator. The narrow cache is an
// 8-bit copy of the text in the thread's code page, made on demand and marked
// stale by every change.

#include <cstdint>

#include "core/IOvoString.h"

namespace OvoString {

class StringRep final : public Ovo::IOvoString {
public:
    static constexpr std::uint32_t kMinCapacity = 8;
    // Largest capacity accepted; beyond it allocation throws std::bad_alloc.
    static constexpr std::uint32_t kMaxCapacity = 0x3FFFFFFF;

    // A new empty representation of capacity max(capacity, 8), count 1.
    static StringRep* Create(std::uint32_t capacity);
    // The process-wide empty representation, without an added reference.
    static StringRep* Empty();
    // The representation whose text starts at text.
    static StringRep* FromText(WCHAR* text) { return reinterpret_cast<StringRep*>(text) - 1; }
    // The module's representation behind a string interface, or null for one of
    // another kind.
    static StringRep* Own(IAutoOvoString* s);

    WCHAR* Text() { return reinterpret_cast<WCHAR*>(this + 1); }
    const WCHAR* Text() const { return reinterpret_cast<const WCHAR*>(this + 1); }
    std::uint32_t LengthWord() const { return mLength; }
    std::uint32_t Characters() const { return mLength - 1; }
    std::uint32_t Capacity() const { return mCapacity; }
    bool Shared() const { return mRefs > 1; }
    // Sets the number of characters (below the capacity) and writes the terminator.
    void SetCharacters(std::uint32_t n);
    void InvalidateNarrow() { mNarrowValid = 0; }
    void FreeNarrow();
    // The narrow copy, rebuilt when it is stale.
    const char* Narrow();
    // Rebuilds the narrow copy in the thread's code page.
    void CopyToNarrow();
    // Ordinal three-way comparison with a BSTR (null and zero-length are empty).
    int CompareWithBSTR(BSTR other) const;

    HRESULT QueryInterface(REFIID iid, void** out) override;
    ULONG AddRef() override;
    ULONG Release() override;
    HRESULT SetFromBSTR(BSTR text) override;
    HRESULT GetBSTR(BSTR* out) override;
    HRESULT IsEmpty(VARIANT_BOOL* out) override;
    HRESULT GetLength(ULONG* out) override;
    HRESULT IsEqual(IAutoOvoString* other, VARIANT_BOOL* out) override;
    HRESULT IsShared(VARIANT_BOOL* out) override;
    LONG GetKind() override { return kOvoStringRepKind; }
    HRESULT CopyChars(ULONG bufferBytes, void* buffer) override;
    HRESULT GetInfo(ULONG* length, LONG* encoding) override;
    HRESULT GetCapacity(ULONG* out) override;
    HRESULT CreateEmpty(ULONG characters, IAutoOvoString** out) override;
    HRESULT GetVariant(VARIANT* out) override;
    ULONG Length() override { return mLength - 1; }
    void Destroy() override { delete this; }
    LONG Reserved() override { return 0; }
    WCHAR* Chars() override { return Text(); }
    ~StringRep() override;

    static void* operator new(std::size_t size, std::uint32_t capacity);
    static void operator delete(void* p);
    static void operator delete(void* p, std::uint32_t capacity);

private:
    explicit StringRep(std::uint32_t capacity) : mCapacity(capacity) {}

    char* mNarrow = nullptr;
    std::int32_t mNarrowValid = 0;
    LONG mRefs = 1;
    std::uint32_t mCapacity;
    std::uint32_t mLength = 1;
};

} // namespace OvoString
