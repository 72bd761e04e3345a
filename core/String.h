#pragma once
// Ovo::String: the module's text type. A handle of one pointer to the UTF-16
// characters of a shared, reference-counted OvoString::StringRep. Copies share
// the representation; the first change to a shared one makes a private copy.
// All empty strings share one process-wide empty representation.
//
// Units are char16_t. Text in wchar_t (UTF-32 on this platform) and UTF-8 is
// converted at the boundary; 8-bit char text is in the ANSI code page.

#include <iosfwd>
#include <string>
#include <string_view>

#include "core/IOvoString.h"

namespace OvoString {
class StringRep;
}

namespace Ovo {

class String {
public:
    String();
    String(const WCHAR* text);
    // At most n units, stopping at a NUL; n < 0 throws std::bad_alloc.
    String(const WCHAR* text, int n);
    String(const std::u16string& text);
    String(const wchar_t* text);
    String(const wchar_t* text, int n);
    String(const std::wstring& text);
    // 8-bit text in the ANSI code page.
    String(const char* text);
    // The module's own representation is shared; another kind is copied.
    explicit String(IAutoOvoString* s);
    String(const String& other);
    String(String&& other) noexcept;
    String& operator=(const String& other);
    String& operator=(String&& other) noexcept;
    ~String();

    static String FromUtf8(std::string_view utf8);
    std::string ToUtf8() const;
    std::wstring ToWString() const;
    std::u16string ToU16String() const { return std::u16string(c_str(), static_cast<std::size_t>(Length())); }

    int Length() const;
    bool IsEmpty() const { return Length() == 0; }
    const WCHAR* c_str() const { return mText; }
    WCHAR operator[](int i) const { return mText[i]; }
    int Capacity() const;

    // Takes ownership of a BSTR and frees it; a final NUL unit is the terminator.
    void AttachBSTR(BSTR text);
    // A new BSTR of the text; null for the empty text. The caller frees it.
    BSTR AllocBSTR() const;
    // An out-parameter answer: frees *out and puts AllocBSTR() there; S_OK, and nothing done
    // when out is null.
    HRESULT PutBSTR(BSTR* out) const;
    // The representation with one more reference, for handing to the host.
    IOvoString* GetInterface() const;
    void AssignFromInterface(IAutoOvoString* s);
    // Assigns from s (copying) and releases it; null gives the empty string.
    void AssignAndRelease(IAutoOvoString* s);
    // Adopts a representation handed out with a reference (no further AddRef).
    void Adopt(IAutoOvoString* s);

    String& operator+=(const String& other);
    String& operator+=(const WCHAR* text);
    String& operator+=(WCHAR c);
    String& operator+=(const wchar_t* text);
    void AssignChar(WCHAR c);
    String Mid(int start, int count) const;
    void Replace(int position, int count, const String& other);
    void Erase(int first, int last);
    void Resize(int n);
    int FindFirstOf(const String& set, int start = 0) const;
    int FindLastOf(const String& set, int position) const;
    bool EqualsNoCase(const String& other) const;
    void TrimRight();
    void SemicolonsToCommas();

    void Clear();
    void Reserve(int n);
    void MakeUnique();
    // Empties the string keeping room for n characters; returns the buffer.
    WCHAR* PrepareBuffer(int n);
    void Renew(int n);
    // After direct writes into the buffer: the length up to the first NUL.
    void ReleaseBuffer();
    // After direct writes into the buffer: the given length, at most the
    // capacity less one (embedded NULs are kept).
    void ReleaseBuffer(int length);
    // The text as 8-bit text in the thread's code page, cached in the
    // representation until the next change.
    const char* Narrow() const;

    friend bool operator==(const String& a, const String& b);
    friend bool operator<(const String& a, const String& b);

private:
    OvoString::StringRep* Rep() const;
    void Set(OvoString::StringRep* rep);
    void AssignUnits(const WCHAR* units, std::size_t n);
    void Append(const WCHAR* units, std::size_t n);
    void Reallocate(std::uint32_t capacity);
    void PrepareChange();

    WCHAR* mText;
};

inline bool operator!=(const String& a, const String& b) {
    return !(a == b);
}

template <class Range> void TrimRightAll(Range& strings) {
    for (String& s : strings)
        s.TrimRight();
}

// Reads one blank-delimited word of any length.
std::wistream& ReadOvoStringWord(std::wistream& in, String& word);

// Adapter for out-parameters that hand out a string interface:
//   host->GetName(OvoStringOutParam(name));
// When it is destroyed, the module's own representation is adopted by the
// target, another kind is copied and released, and null gives the empty string.
class OvoStringOutParam {
public:
    explicit OvoStringOutParam(String& target) : mTarget(target) {}
    OvoStringOutParam(const OvoStringOutParam&) = delete;
    OvoStringOutParam& operator=(const OvoStringOutParam&) = delete;
    ~OvoStringOutParam() { mTarget.Adopt(mResult); }
    operator IAutoOvoString**() { return &mResult; }

private:
    String& mTarget;
    IAutoOvoString* mResult = nullptr;
};

} // namespace Ovo
