#include "core/String.h"

#include <algorithm>
#include <cstring>
#include <cwctype>
#include <istream>
#include <locale>
#include <new>
#include <vector>

#include "core/StringRep.h"
#include "platform/win32/codepage.h"
#include "platform/win32/utf.h"

namespace Ovo {

using OvoString::StringRep;
using win32::Utf16ToUtf32;
using win32::Utf16ToUtf8;
using win32::Utf32ToUtf16;
using win32::Utf8ToUtf16;

namespace {

class SizeTooBig : public std::bad_alloc {
public:
    const char* what() const noexcept override { return "Ovo::String size too big"; }
};

WCHAR* EmptyText() {
    StringRep* rep = StringRep::Empty();
    rep->AddRef();
    return rep->Text();
}

std::uint32_t CheckedCapacity(std::uint64_t n) {
    if (n > StringRep::kMaxCapacity)
        throw std::bad_alloc();
    return static_cast<std::uint32_t>(n);
}

// A new representation holding a copy of n units, or the shared empty one.
WCHAR* MakeText(const WCHAR* units, std::size_t n) {
    if (n == 0)
        return EmptyText();
    StringRep* rep = StringRep::Create(CheckedCapacity(std::uint64_t{n} + 1));
    std::memcpy(rep->Text(), units, n * sizeof(WCHAR));
    rep->SetCharacters(static_cast<std::uint32_t>(n));
    return rep->Text();
}

WCHAR* MakeText(const std::u16string& text) {
    return MakeText(text.data(), text.size());
}

WCHAR* MakeAnsiText(const char* text, std::size_t n) {
    if (n == 0)
        return EmptyText();
    StringRep* rep = StringRep::Create(CheckedCapacity(std::uint64_t{n} + 1));
    MultiByteToWideChar(CP_ACP, 0, text, static_cast<int>(n), rep->Text(), static_cast<int>(rep->Capacity()));
    rep->SetCharacters(static_cast<std::uint32_t>(n));
    return rep->Text();
}

template <class Char> std::size_t BoundedLength(const Char* text, int n) {
    if (n < 0)
        throw SizeTooBig();
    std::size_t len = 0;
    if (text != nullptr)
        while (len < static_cast<std::size_t>(n) && text[len] != 0)
            ++len;
    return len;
}

template <class Char> std::size_t Length0(const Char* text) {
    return text == nullptr ? 0 : std::char_traits<Char>::length(text);
}

bool Contains(const String& set, WCHAR c) {
    const WCHAR* s = set.c_str();
    return std::find(s, s + set.Length(), c) != s + set.Length();
}

} // namespace

String::String() : mText(EmptyText()) {}
String::String(const WCHAR* text) : mText(MakeText(text, Length0(text))) {}
String::String(const WCHAR* text, int n) : mText(MakeText(text, BoundedLength(text, n))) {}
String::String(const std::u16string& text) : mText(MakeText(text)) {}
String::String(const wchar_t* text) : mText(MakeText(Utf32ToUtf16({text, Length0(text)}))) {}
String::String(const wchar_t* text, int n) : mText(MakeText(Utf32ToUtf16({text, BoundedLength(text, n)}))) {}
String::String(const std::wstring& text) : mText(MakeText(Utf32ToUtf16(text))) {}
String::String(const char* text) : mText(MakeAnsiText(text, Length0(text))) {}

String::String(IAutoOvoString* s) : mText(EmptyText()) {
    if (StringRep* rep = StringRep::Own(s)) {
        rep->AddRef();
        Set(rep);
    } else {
        AssignFromInterface(s);
    }
}

String::String(const String& other) : mText(other.mText) {
    Rep()->AddRef();
}
String::String(String&& other) noexcept : mText(other.mText) {
    other.mText = EmptyText();
}

String& String::operator=(const String& other) {
    other.Rep()->AddRef();
    Set(other.Rep());
    return *this;
}

String& String::operator=(String&& other) noexcept {
    std::swap(mText, other.mText);
    return *this;
}

String::~String() {
    Rep()->Release();
}

String String::FromUtf8(std::string_view utf8) {
    return String(Utf8ToUtf16(utf8));
}
std::string String::ToUtf8() const {
    return Utf16ToUtf8({mText, static_cast<std::size_t>(Length())});
}
std::wstring String::ToWString() const {
    return Utf16ToUtf32({mText, static_cast<std::size_t>(Length())});
}

int String::Length() const {
    return static_cast<int>(Rep()->Characters());
}
int String::Capacity() const {
    return static_cast<int>(Rep()->Capacity());
}

StringRep* String::Rep() const {
    return StringRep::FromText(mText);
}

void String::Set(StringRep* rep) {
    StringRep* old = Rep();
    mText = rep->Text();
    old->Release();
}

void String::AssignUnits(const WCHAR* units, std::size_t n) {
    Set(StringRep::FromText(MakeText(units, n)));
}

void String::AttachBSTR(BSTR text) {
    std::size_t n = SysStringLen(text);
    if (n > 0 && text[n - 1] == 0)
        --n;
    AssignUnits(text, n);
    SysFreeString(text);
}

BSTR String::AllocBSTR() const {
    if (IsEmpty())
        return nullptr;
    BSTR b = SysAllocStringLen(mText, static_cast<UINT>(Length()));
    if (b == nullptr)
        throw std::bad_alloc();
    return b;
}

HRESULT String::PutBSTR(BSTR* out) const {
    if (out == nullptr)
        return S_OK;
    SysFreeString(*out);
    *out = AllocBSTR();
    return S_OK;
}

IOvoString* String::GetInterface() const {
    Rep()->AddRef();
    return Rep();
}

void String::AssignFromInterface(IAutoOvoString* s) {
    ULONG length = 0;
    LONG encoding = 0;
    if (s == nullptr || FAILED(s->GetInfo(&length, &encoding)) || length == 0) {
        Set(StringRep::FromText(EmptyText()));
        return;
    }
    const std::uint32_t capacity = CheckedCapacity(std::uint64_t{length} + 1);
    if (encoding == kOvoStringUtf16) {
        StringRep* rep = StringRep::Create(capacity);
        if (FAILED(s->CopyChars(capacity * sizeof(WCHAR), rep->Text())))
            length = 0;
        rep->SetCharacters(length);
        Set(rep);
        return;
    }
    std::vector<char> bytes(capacity, 0);
    if (FAILED(s->CopyChars(capacity, bytes.data())))
        length = 0;
    Set(StringRep::FromText(MakeAnsiText(bytes.data(), length)));
}

void String::AssignAndRelease(IAutoOvoString* s) {
    AssignFromInterface(s);
    if (s != nullptr)
        s->Release();
}

void String::Adopt(IAutoOvoString* s) {
    if (StringRep* rep = StringRep::Own(s)) {
        Set(rep);
        return;
    }
    AssignAndRelease(s);
}

void String::PrepareChange() {
    if (Rep()->Shared())
        MakeUnique();
    else
        Rep()->InvalidateNarrow();
}

void String::MakeUnique() {
    StringRep* old = Rep();
    if (!old->Shared())
        return;
    StringRep* rep = StringRep::Create(old->Capacity());
    std::memcpy(rep->Text(), old->Text(), std::size_t{old->LengthWord()} * sizeof(WCHAR));
    rep->SetCharacters(old->Characters());
    Set(rep);
}

void String::Reallocate(std::uint32_t capacity) {
    StringRep* old = Rep();
    StringRep* rep = StringRep::Create(capacity);
    const std::uint32_t keep = std::min(old->Characters(), rep->Capacity() - 1);
    std::memcpy(rep->Text(), old->Text(), std::size_t{keep} * sizeof(WCHAR));
    rep->SetCharacters(keep);
    Set(rep);
}

void String::Append(const WCHAR* units, std::size_t n) {
    if (n == 0)
        return;
    const std::uint32_t own = Rep()->Characters();
    const std::uint32_t needed = CheckedCapacity(std::uint64_t{own} + n + 1);
    if (needed > Rep()->Capacity()) {
        // Grow by half again the size needed, so repeated appends are amortised.
        const double grown = static_cast<double>(needed) * 1.5;
        Reallocate(std::min<std::uint32_t>(static_cast<std::uint32_t>(grown), StringRep::kMaxCapacity));
    } else {
        PrepareChange();
    }
    std::memcpy(mText + own, units, n * sizeof(WCHAR));
    Rep()->SetCharacters(needed - 1);
}

String& String::operator+=(const String& other) {
    const String keep(other); // the source may be this string
    Append(keep.mText, static_cast<std::size_t>(keep.Length()));
    return *this;
}

String& String::operator+=(const WCHAR* text) {
    return *this += String(text);
}

String& String::operator+=(WCHAR c) {
    Append(&c, 1);
    return *this;
}

String& String::operator+=(const wchar_t* text) {
    return *this += String(text);
}

void String::AssignChar(WCHAR c) {
    if (Rep()->Shared())
        Set(StringRep::Create(8));
    else
        Rep()->InvalidateNarrow();
    mText[0] = c;
    Rep()->SetCharacters(1);
}

String String::Mid(int start, int count) const {
    const int len = Length();
    start = std::max(start, 0);
    if (start >= len || count <= 0)
        return String();
    return String(mText + start, std::min(count, len - start));
}

void String::Replace(int position, int count, const String& other) {
    const int len = Length();
    position = std::clamp(position, 0, len);
    if (position == len) {
        *this += other;
        return;
    }
    const String insert(other);
    const auto removed = static_cast<std::uint32_t>(std::clamp(count, 0, len - position));
    const auto pos = static_cast<std::uint32_t>(position);
    const auto inserted = static_cast<std::uint32_t>(insert.Length());
    PrepareChange();
    const std::uint32_t tail = Rep()->Characters() - pos - removed;
    std::memmove(mText + pos, mText + pos + removed, std::size_t{tail} * sizeof(WCHAR));
    Rep()->SetCharacters(pos + tail);
    const std::uint32_t lengthWord = CheckedCapacity(std::uint64_t{pos} + tail + inserted + 1);
    if (lengthWord > Rep()->Capacity())
        Reallocate(lengthWord);
    std::memmove(mText + pos + inserted, mText + pos, std::size_t{tail} * sizeof(WCHAR));
    std::memcpy(mText + pos, insert.mText, std::size_t{inserted} * sizeof(WCHAR));
    Rep()->SetCharacters(lengthWord - 1);
}

void String::Erase(int first, int last) {
    const int len = Length();
    first = std::max(first, 0);
    if (first >= last || first >= len)
        return;
    PrepareChange();
    if (last >= len) {
        Rep()->SetCharacters(static_cast<std::uint32_t>(first));
        return;
    }
    std::memmove(mText + first, mText + last, static_cast<std::size_t>(len - last) * sizeof(WCHAR));
    Rep()->SetCharacters(static_cast<std::uint32_t>(len - (last - first)));
}

void String::Resize(int n) {
    const auto target = static_cast<std::uint32_t>(std::max(n, 0));
    const std::uint32_t own = Rep()->Characters();
    const std::uint32_t lengthWord = CheckedCapacity(std::uint64_t{target} + 1);
    if (lengthWord > Rep()->Capacity())
        Reallocate(lengthWord);
    else
        PrepareChange();
    if (target > own)
        std::memset(mText + own, 0, std::size_t{target - own} * sizeof(WCHAR));
    Rep()->SetCharacters(target);
}

int String::FindFirstOf(const String& set, int start) const {
    const int len = Length();
    for (int i = std::max(start, 0); i < len; ++i)
        if (Contains(set, mText[i]))
            return i;
    return -1;
}

int String::FindLastOf(const String& set, int position) const {
    for (int i = std::min(position, Length() - 1); i >= 0; --i)
        if (Contains(set, mText[i]))
            return i;
    return -1;
}

bool String::EqualsNoCase(const String& other) const {
    const int len = Length();
    if (len != other.Length())
        return false;
    for (int i = 0; i < len; ++i)
        if (std::towlower(mText[i]) != std::towlower(other.mText[i]))
            return false;
    return true;
}

void String::TrimRight() {
    const std::locale loc;
    int len = Length();
    auto blank = [&](WCHAR c) {
        const auto w = static_cast<wchar_t>(c);
        return std::isspace(w, loc) || std::isblank(w, loc);
    };
    while (len > 0 && blank(mText[len - 1]))
        --len;
    if (len != Length()) {
        PrepareChange();
        Rep()->SetCharacters(static_cast<std::uint32_t>(len));
    }
}

void String::SemicolonsToCommas() {
    PrepareChange();
    std::replace(mText, mText + Length(), u';', u',');
}

void String::Clear() {
    if (Rep()->Shared())
        Set(StringRep::Create(Rep()->Capacity()));
    Rep()->FreeNarrow();
    Rep()->SetCharacters(0);
}

void String::Reserve(int n) {
    // Never below the text held, so the text always fits.
    const std::uint32_t capacity = std::max({CheckedCapacity(static_cast<std::uint64_t>(std::max(n, 0))),
                                             Rep()->LengthWord(), StringRep::kMinCapacity});
    if (!Rep()->Shared() && Rep()->Capacity() == capacity)
        return;
    Reallocate(capacity);
}

WCHAR* String::PrepareBuffer(int n) {
    const std::uint32_t needed = CheckedCapacity(static_cast<std::uint64_t>(std::max(n, 0)) + 1);
    if (!Rep()->Shared() && Rep()->Capacity() >= needed)
        Rep()->FreeNarrow();
    else
        Set(StringRep::Create(needed));
    Rep()->SetCharacters(0);
    return mText;
}

void String::Renew(int n) {
    Set(StringRep::Create(CheckedCapacity(static_cast<std::uint64_t>(std::max(n, 0)))));
}

void String::ReleaseBuffer() {
    StringRep* rep = Rep();
    const std::uint32_t capacity = rep->Capacity();
    const WCHAR* end = std::find(mText, mText + capacity, u'\0');
    const auto n = static_cast<std::uint32_t>(end - mText);
    rep->InvalidateNarrow();
    rep->SetCharacters(n == capacity ? capacity - 1 : n);
}

void String::ReleaseBuffer(int length) {
    StringRep* rep = Rep();
    rep->InvalidateNarrow();
    rep->SetCharacters(std::min(static_cast<std::uint32_t>(std::max(length, 0)), rep->Capacity() - 1));
}

const char* String::Narrow() const {
    return Rep()->Narrow();
}

bool operator==(const String& a, const String& b) {
    if (a.mText == b.mText)
        return true;
    const int len = a.Length();
    return len == b.Length() && std::equal(a.mText, a.mText + len, b.mText);
}

bool operator<(const String& a, const String& b) {
    return std::lexicographical_compare(a.mText, a.mText + a.Length(), b.mText, b.mText + b.Length());
}

std::wistream& ReadOvoStringWord(std::wistream& in, String& word) {
    std::wstring text;
    in >> text;
    word = String(text);
    return in;
}

} // namespace Ovo
