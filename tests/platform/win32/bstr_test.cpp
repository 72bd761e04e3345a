#include "platform/win32/bstr.h"
#include "platform/win32/variant.h"

#include <cstring>

#include <gtest/gtest.h>

namespace {

TEST(Bstr, CarriesAByteCountPrefixAndATerminator) {
    BSTR b = SysAllocString(u"abc");
    ASSERT_NE(b, nullptr);
    std::uint32_t prefix = 0;
    std::memcpy(&prefix, reinterpret_cast<const unsigned char*>(b) - 4, 4);
    EXPECT_EQ(prefix, 6u);
    EXPECT_EQ(SysStringLen(b), 3u);
    EXPECT_EQ(b[3], u'\0');
    SysFreeString(b);
}

TEST(Bstr, LengthCountsEmbeddedNulsAndNullIsEmpty) {
    BSTR b = SysAllocStringLen(u"a\0b", 3);
    EXPECT_EQ(SysStringLen(b), 3u);
    EXPECT_EQ(b[2], u'b');
    SysFreeString(b);

    BSTR zeros = SysAllocStringLen(nullptr, 2);
    EXPECT_EQ(zeros[0], 0);
    EXPECT_EQ(zeros[1], 0);
    SysFreeString(zeros);

    EXPECT_EQ(SysAllocString(nullptr), nullptr);
    EXPECT_EQ(SysStringLen(nullptr), 0u);
    SysFreeString(nullptr);
    EXPECT_EQ(SysAllocStringLen(u"", 0xFFFFFFFFu), nullptr);
}

TEST(Variant, ClearFreesTheStringAndRefusesUnknownTypes) {
    VARIANT v;
    VariantInit(&v);
    EXPECT_EQ(v.vt, VT_EMPTY);
    v.vt = VT_BSTR;
    v.bstrVal = SysAllocString(u"owned");
    EXPECT_EQ(VariantClear(&v), S_OK); // the sanitizer reports a leak otherwise
    EXPECT_EQ(v.vt, VT_EMPTY);

    v.vt = 0x4000;
    EXPECT_EQ(VariantClear(&v), DISP_E_BADVARTYPE);
    EXPECT_EQ(v.vt, 0x4000);
}

} // namespace
