#include "core/StringRep.h"

#include <string>

#include <gtest/gtest.h>

#include "core/String.h"

namespace {

using Ovo::IOvoString;
using Ovo::String;
using OvoString::StringRep;

// A string of another kind, as the host may hand one over: UTF-16 or 8-bit text.
class ForeignString final : public IAutoOvoString {
public:
    explicit ForeignString(std::u16string text) : mWide(std::move(text)), mEncoding(kOvoStringUtf16) {}
    explicit ForeignString(std::string text) : mNarrow(std::move(text)), mEncoding(1) {}

    int releases = 0;

    HRESULT QueryInterface(REFIID, void**) override { return E_NOTIMPL; }
    ULONG AddRef() override { return 2; }
    ULONG Release() override { return static_cast<ULONG>(++releases); }
    HRESULT SetFromBSTR(BSTR) override { return E_NOTIMPL; }
    HRESULT GetBSTR(BSTR* out) override {
        *out = SysAllocStringLen(mWide.data(), static_cast<UINT>(mWide.size()));
        return S_OK;
    }
    HRESULT IsEmpty(VARIANT_BOOL*) override { return E_NOTIMPL; }
    HRESULT GetLength(ULONG*) override { return E_NOTIMPL; }
    HRESULT IsEqual(IAutoOvoString*, VARIANT_BOOL*) override { return E_NOTIMPL; }
    HRESULT IsShared(VARIANT_BOOL*) override { return E_NOTIMPL; }
    LONG GetKind() override { return 3; }
    HRESULT CopyChars(ULONG bytes, void* buffer) override {
        if (mEncoding == kOvoStringUtf16) {
            if (bytes < (mWide.size() + 1) * 2)
                return E_FAIL;
            std::char_traits<char16_t>::copy(static_cast<char16_t*>(buffer), mWide.c_str(), mWide.size() + 1);
        } else {
            if (bytes < mNarrow.size() + 1)
                return E_FAIL;
            std::char_traits<char>::copy(static_cast<char*>(buffer), mNarrow.c_str(), mNarrow.size() + 1);
        }
        return S_OK;
    }
    HRESULT GetInfo(ULONG* length, LONG* encoding) override {
        *length = static_cast<ULONG>(mEncoding == kOvoStringUtf16 ? mWide.size() : mNarrow.size());
        *encoding = mEncoding;
        return S_OK;
    }
    HRESULT GetCapacity(ULONG*) override { return E_NOTIMPL; }
    HRESULT CreateEmpty(ULONG, IAutoOvoString**) override { return E_NOTIMPL; }
    HRESULT GetVariant(VARIANT*) override { return E_NOTIMPL; }

private:
    std::u16string mWide;
    std::string mNarrow;
    LONG mEncoding;
};

// A handle's representation, borrowed for the length of a test.
struct Borrowed {
    explicit Borrowed(const String& s) : rep(s.GetInterface()) {}
    ~Borrowed() { rep->Release(); }
    Ovo::IOvoString* operator->() const { return rep; }
    Ovo::IOvoString* rep;
};

TEST(StringRep, AnswersItsThreeInterfacesOnly) {
    String s(u"x");
    Borrowed rep(s);
    for (const IID& iid : {IID_IUnknown, IID_IAutoOvoString, Ovo::IID_IOvoString}) {
        void* out = nullptr;
        ASSERT_EQ(rep->QueryInterface(iid, &out), S_OK);
        EXPECT_EQ(out, static_cast<void*>(rep.rep));
        rep->Release();
    }
    void* out = &rep;
    EXPECT_EQ(rep->QueryInterface(IID_IClassFactory, &out), E_NOINTERFACE);
    EXPECT_EQ(out, nullptr);
    EXPECT_EQ(rep->GetKind(), 9);
    EXPECT_EQ(rep->Reserved(), 0);
}

TEST(StringRep, SetFromBstrRefusesSharedTextAndTextThatDoesNotFit) {
    String s(u"abc");
    BSTR b = SysAllocString(u"1234567");
    {
        Borrowed shared(s); // a second reference
        EXPECT_EQ(shared->SetFromBSTR(b), E_FAIL);
    }
    EXPECT_EQ(s, String(u"abc"));

    String copy = s;
    copy.MakeUnique();
    IOvoString* own = copy.GetInterface();
    own->Release();                       // back to the handle's single reference
    EXPECT_EQ(own->SetFromBSTR(b), S_OK); // 7 units fit capacity 8
    EXPECT_EQ(copy, String(u"1234567"));
    BSTR eight = SysAllocString(u"12345678");
    EXPECT_EQ(own->SetFromBSTR(eight), E_FAIL);
    EXPECT_EQ(own->SetFromBSTR(nullptr), S_OK);
    EXPECT_TRUE(copy.IsEmpty());
    SysFreeString(b);
    SysFreeString(eight);
}

TEST(StringRep, HandsOutTextAsBstrVariantAndChars) {
    String s(u"abc");
    Borrowed rep(s);
    EXPECT_EQ(rep->GetBSTR(nullptr), E_FAIL);
    BSTR b = SysAllocString(u"to be freed");
    ASSERT_EQ(rep->GetBSTR(&b), S_OK);
    EXPECT_EQ(std::u16string(b, SysStringLen(b)), u"abc");
    SysFreeString(b);

    WCHAR buf[4] = {1, 1, 1, 1};
    EXPECT_EQ(rep->CopyChars(7, buf), E_FAIL);
    EXPECT_EQ(rep->CopyChars(8, buf), S_OK);
    EXPECT_EQ(std::u16string(buf), u"abc");

    VARIANT v;
    ASSERT_EQ(rep->GetVariant(&v), S_OK);
    EXPECT_EQ(v.vt, VT_BSTR);
    EXPECT_EQ(SysStringLen(v.bstrVal), 3u);
    VariantClear(&v);

    Borrowed empty{String()};
    b = nullptr;
    EXPECT_EQ(empty->GetBSTR(&b), S_OK);
    EXPECT_EQ(b, nullptr);
    ASSERT_EQ(empty->GetVariant(&v), S_OK);
    EXPECT_EQ(v.vt, VT_BSTR);
    EXPECT_EQ(v.bstrVal, nullptr);
}

TEST(StringRep, SizesAndNewEmptyRepresentations) {
    String s(u"abc");
    Borrowed rep(s);
    ULONG length = 0, capacity = 0;
    LONG encoding = 0;
    rep->GetInfo(&length, &encoding);
    rep->GetCapacity(&capacity);
    EXPECT_EQ(length, 3u);
    EXPECT_EQ(encoding, 2);
    EXPECT_EQ(capacity, 7u);
    EXPECT_EQ(rep->Length(), 3u);

    for (auto [n, expected] : {std::pair{0u, 7u}, std::pair{7u, 7u}, std::pair{20u, 20u}}) {
        IAutoOvoString* made = nullptr;
        ASSERT_EQ(rep->CreateEmpty(n, &made), S_OK);
        made->GetCapacity(&capacity);
        EXPECT_EQ(capacity, expected) << n;
        VARIANT_BOOL empty = VARIANT_FALSE;
        made->IsEmpty(&empty);
        EXPECT_EQ(empty, VARIANT_TRUE);
        EXPECT_EQ(made->Release(), 0u);
    }
}

TEST(StringRep, EqualityAgainstOwnAndForeignStrings) {
    const String s(u"abc");
    Borrowed rep(s);
    struct Case {
        IAutoOvoString* other;
        VARIANT_BOOL expected;
    };
    String same(u"abc"), longer(u"abcd");
    Borrowed sameRep(same), longerRep(longer);
    ForeignString foreignSame(std::u16string(u"abc")), foreignOther(std::u16string(u"abd"));
    for (const Case& c :
         {Case{rep.rep, VARIANT_TRUE}, Case{sameRep.rep, VARIANT_TRUE}, Case{longerRep.rep, VARIANT_FALSE},
          Case{&foreignSame, VARIANT_TRUE}, Case{&foreignOther, VARIANT_FALSE}}) {
        VARIANT_BOOL equal = 7;
        rep->IsEqual(c.other, &equal);
        EXPECT_EQ(equal, c.expected);
    }
}

TEST(StringRep, ComparesOrdinallyWithBstrs) {
    struct Case {
        const char16_t* own;
        const char16_t* other; // null: a null BSTR
        int sign;
    };
    for (const Case& c : {Case{u"", nullptr, 0}, Case{u"", u"a", -1}, Case{u"", u"", 0},
                          Case{u"a", nullptr, 1}, Case{u"abc", u"abd", -1}, Case{u"abd", u"abc", 1},
                          Case{u"ab", u"abc", -1}, Case{u"abc", u"ab", 1}, Case{u"abc", u"abc", 0}}) {
        String s(c.own);
        BSTR b = c.other != nullptr ? SysAllocString(c.other) : nullptr;
        const int r = OvoString::StringRep::FromText(const_cast<WCHAR*>(s.c_str()))->CompareWithBSTR(b);
        EXPECT_EQ((r > 0) - (r < 0), c.sign) << String(c.own).ToUtf8();
        SysFreeString(b);
    }
}

TEST(StringRep, OwnRepresentationsAreAdoptedForeignOnesCopied) {
    const String s(u"shared");
    IOvoString* rep = s.GetInterface();
    String adopted(static_cast<IAutoOvoString*>(rep));
    EXPECT_EQ(adopted.c_str(), s.c_str());
    rep->Release();

    ForeignString wide(std::u16string(u"wide \u20AC"));
    ForeignString narrow(std::string("ANSI \x80"));
    EXPECT_EQ(String(&wide), String(u"wide \u20AC"));
    EXPECT_EQ(String(&narrow), String(u"ANSI \u20AC"));

    String target(u"old");
    target.AssignAndRelease(&narrow);
    EXPECT_EQ(target, String(u"ANSI \u20AC"));
    EXPECT_EQ(narrow.releases, 1);
}

TEST(StringRep, OutParameterAdoptsWithoutAnExtraReference) {
    String source(u"value");
    String target;
    {
        Ovo::OvoStringOutParam out(target);
        *static_cast<IAutoOvoString**>(out) = source.GetInterface(); // handed out with one reference
    }
    EXPECT_EQ(target.c_str(), source.c_str());
    EXPECT_EQ(source.GetInterface()->Release(), 2u); // source and target, nothing leaked

    ForeignString foreign(std::u16string(u"foreign"));
    {
        Ovo::OvoStringOutParam out(target);
        *static_cast<IAutoOvoString**>(out) = &foreign;
    }
    EXPECT_EQ(target, String(u"foreign"));
    EXPECT_EQ(foreign.releases, 1);
    { Ovo::OvoStringOutParam out(target); }
    EXPECT_TRUE(target.IsEmpty());
}

} // namespace
