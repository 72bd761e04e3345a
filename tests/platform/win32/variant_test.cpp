#include "platform/win32/variant.h"

#include <cmath>
#include <string>

#include <gtest/gtest.h>

#include "platform/win32/locale.h"

namespace {

VARIANT Text(const char16_t* text) {
    VARIANT v;
    VariantInit(&v);
    v.vt = VT_BSTR;
    v.bstrVal = SysAllocString(text);
    return v;
}

VARIANT Double(double value) {
    VARIANT v;
    VariantInit(&v);
    v.vt = VT_R8;
    v.dblVal = value;
    return v;
}

VARIANT Long(LONG value) {
    VARIANT v;
    VariantInit(&v);
    v.vt = VT_I4;
    v.lVal = value;
    return v;
}

VARIANT Bool(bool value) {
    VARIANT v;
    VariantInit(&v);
    v.vt = VT_BOOL;
    v.boolVal = value ? VARIANT_TRUE : VARIANT_FALSE;
    return v;
}

std::u16string TextOf(const VARIANT& v) {
    return std::u16string(v.bstrVal, SysStringLen(v.bstrVal));
}

// Each case converts under English (United States); failures leave dest alone.
struct TextToNumber {
    const char16_t* text;
    VARTYPE vt;
    HRESULT result;
    double value; // as a double, whatever the type
};

TEST(VariantChangeTypeEx, ReadsNumbersFromTextAsEnglishWritesThem) {
    const TextToNumber cases[] = {
        {u"42", VT_I4, S_OK, 42},
        {u"  -7 ", VT_I4, S_OK, -7},
        {u"1,234", VT_I4, S_OK, 1234},
        {u"2.5", VT_I4, S_OK, 2}, // half to even
        {u"3.5", VT_I4, S_OK, 4},
        {u"1e3", VT_I4, S_OK, 1000},
        {u"abc", VT_I4, DISP_E_TYPEMISMATCH, 0},
        {u"", VT_I4, DISP_E_TYPEMISMATCH, 0},
        {u"12abc", VT_I4, DISP_E_TYPEMISMATCH, 0},
        {u"1e", VT_R8, DISP_E_TYPEMISMATCH, 0},
        {u"3000000000", VT_I4, DISP_E_OVERFLOW, 0},
        {u"3000000000", VT_UI4, S_OK, 3000000000.0},
        {u"-1", VT_UI4, DISP_E_OVERFLOW, 0},
        {u"1,5", VT_R8, S_OK, 15}, // "," groups thousands in English
        {u"0.125", VT_R8, S_OK, 0.125},
        {u"-.5E-2", VT_R8, S_OK, -0.005},
        {u"True", VT_BOOL, S_OK, -1},
        {u"false", VT_BOOL, S_OK, 0},
        {u"2", VT_BOOL, S_OK, -1},
        {u"yes", VT_BOOL, DISP_E_TYPEMISMATCH, 0},
    };
    for (const TextToNumber& c : cases) {
        SCOPED_TRACE(std::string(c.text, c.text + std::char_traits<char16_t>::length(c.text)));
        VARIANT source = Text(c.text);
        VARIANT dest = Long(99);
        EXPECT_EQ(VariantChangeTypeEx(&dest, &source, kLocaleEnglishUS, 0, c.vt), c.result);
        if (c.result != S_OK) {
            EXPECT_EQ(dest.vt, VT_I4);
            EXPECT_EQ(dest.lVal, 99);
        } else {
            ASSERT_EQ(dest.vt, c.vt);
            const double value = c.vt == VT_I4    ? dest.lVal
                                 : c.vt == VT_UI4 ? dest.ulVal
                                 : c.vt == VT_R8  ? dest.dblVal
                                                  : dest.boolVal;
            EXPECT_DOUBLE_EQ(value, c.value);
        }
        VariantClear(&source);
    }
}

TEST(VariantChangeTypeEx, WritesNumbersAsTextAndConvertsBetweenNumbers) {
    VARIANT dest;
    VariantInit(&dest);
    for (const auto& [source, text] : {std::pair{Double(0.1), u"0.1"}, std::pair{Double(1e20), u"1E+20"},
                                       std::pair{Double(1234567.5), u"1234567.5"}, std::pair{Long(-3), u"-3"},
                                       std::pair{Bool(true), u"-1"}}) {
        EXPECT_EQ(VariantChangeTypeEx(&dest, &source, kLocaleEnglishUS, 0, VT_BSTR), S_OK);
        EXPECT_EQ(TextOf(dest), text);
        VariantClear(&dest);
    }
    VARIANT big = Double(2147483648.0);
    EXPECT_EQ(VariantChangeTypeEx(&dest, &big, kLocaleEnglishUS, 0, VT_I4), DISP_E_OVERFLOW);
    VARIANT nan = Double(std::nan(""));
    EXPECT_EQ(VariantChangeTypeEx(&dest, &nan, kLocaleEnglishUS, 0, VT_I4), DISP_E_OVERFLOW);
    VARIANT truth = Bool(true);
    EXPECT_EQ(VariantChangeTypeEx(&dest, &truth, kLocaleEnglishUS, 0, VT_UI4), S_OK);
    EXPECT_EQ(dest.ulVal, 0xFFFFFFFFu);
    VARIANT negative = Long(-1);
    EXPECT_EQ(VariantChangeTypeEx(&dest, &negative, kLocaleEnglishUS, 0, VT_UI4), DISP_E_OVERFLOW);
    VARIANT empty;
    VariantInit(&empty);
    EXPECT_EQ(VariantChangeTypeEx(&dest, &empty, kLocaleEnglishUS, 0, VT_R8), S_OK);
    EXPECT_EQ(dest.dblVal, 0.0);
}

TEST(VariantChangeTypeEx, ConvertsInPlaceAndFollowsTheUserLocaleWhenAsked) {
    VARIANT v = Text(u"12.5");
    EXPECT_EQ(VariantChangeTypeEx(&v, &v, kLocaleEnglishUS, 0, VT_R8), S_OK); // frees the text
    EXPECT_EQ(v.dblVal, 12.5);

    const UserLocale saved = GetUserLocale();
    UserLocale german = saved;
    german.decimal = u",";
    german.thousand = u".";
    SetUserLocale(german);
    VARIANT comma = Text(u"1.234,5");
    VARIANT dest;
    VariantInit(&dest);
    EXPECT_EQ(VariantChangeTypeEx(&dest, &comma, LOCALE_USER_DEFAULT, 0, VT_R8), S_OK);
    EXPECT_EQ(dest.dblVal, 1234.5);
    EXPECT_EQ(VariantChangeTypeEx(&dest, &comma, kLocaleEnglishUS, 0, VT_R8), DISP_E_TYPEMISMATCH);
    SetUserLocale(saved);
    VariantClear(&comma);

    EXPECT_EQ(VariantChangeTypeEx(&dest, &v, 1031, 0, VT_BSTR), E_INVALIDARG);
    EXPECT_EQ(VariantChangeTypeEx(&dest, &v, kLocaleEnglishUS, 1, VT_BSTR), E_INVALIDARG);
    EXPECT_EQ(VariantChangeTypeEx(&dest, &v, kLocaleEnglishUS, 0, 0x4000), DISP_E_BADVARTYPE);
}

TEST(VariantCopy, DuplicatesTextAndReplacesWhatTheTargetHeld) {
    VARIANT source = Text(u"target");
    VARIANT dest = Text(u"old"); // freed by the copy
    EXPECT_EQ(VariantCopy(&dest, &source), S_OK);
    EXPECT_NE(dest.bstrVal, source.bstrVal);
    EXPECT_EQ(TextOf(dest), u"target");
    EXPECT_EQ(VariantCopy(&dest, &dest), S_OK);
    VariantClear(&dest);
    VariantClear(&source);

    VARIANT odd;
    VariantInit(&odd);
    odd.vt = 0x4000;
    EXPECT_EQ(VariantCopy(&dest, &odd), DISP_E_BADVARTYPE);
}

} // namespace
