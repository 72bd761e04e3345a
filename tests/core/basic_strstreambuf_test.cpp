#include "core/basic_istrstream.h"
#include "core/basic_ostrstream.h"

#include <gtest/gtest.h>

#include <locale>
#include <string>
#include <vector>

namespace {

using WideBuffer = Ovo::basic_strstreambuf<wchar_t>;

// Records what the buffer allocates and releases.
struct AllocLog {
    static inline std::vector<std::size_t> sizes;
    static inline std::vector<wchar_t*> released;
    static wchar_t* Alloc(std::size_t n) {
        sizes.push_back(n);
        return new wchar_t[n];
    }
    static void Release(wchar_t* p) {
        released.push_back(p);
        delete[] p;
    }
    AllocLog() {
        sizes.clear();
        released.clear();
    }
};

TEST(basic_istrstream, ReadsNumbersInPlaceWithTheClassicLocale) {
    const wchar_t text[] = L"3 1 0.001";
    Ovo::basic_istrstream<wchar_t> in(text);
    in.imbue(std::locale::classic());
    int a = 0, b = 0;
    double c = 0;
    in >> a >> b >> c;
    EXPECT_FALSE(in.fail());
    EXPECT_EQ(a, 3);
    EXPECT_EQ(b, 1);
    EXPECT_DOUBLE_EQ(c, 0.001);
    EXPECT_TRUE(in.eof());
    EXPECT_EQ(std::wstring(text), L"3 1 0.001");
    EXPECT_EQ(in.rdbuf()->state(), WideBuffer::Constant);
}

TEST(basic_istrstream, SeeksWithinTheTextAndRefusesToChangeIt) {
    Ovo::basic_istrstream<wchar_t> in(L"abcdef");
    in.seekg(0, std::ios_base::end);
    EXPECT_EQ(in.tellg(), 6);
    in.seekg(2);
    wchar_t c = 0;
    in >> c;
    EXPECT_EQ(c, L'c');
    EXPECT_TRUE(in.putback(L'c'));  // the same character steps back
    EXPECT_FALSE(in.putback(L'x')); // a different one would write into the constant text
    in.clear();
    in.seekg(7);
    EXPECT_TRUE(in.fail());
}

TEST(basic_strstreambuf, DynamicBufferGrowsByHalfItsSizeAtLeast32) {
    AllocLog log;
    std::wstring expected;
    {
        WideBuffer buffer(&AllocLog::Alloc, &AllocLog::Release);
        std::wostream out(&buffer);
        for (int i = 0; i < 145; ++i) {
            const wchar_t c = static_cast<wchar_t>(L'A' + i % 26);
            out.put(c);
            expected += c;
        }
        EXPECT_EQ(AllocLog::sizes, (std::vector<std::size_t>{32, 64, 96, 144, 216}));
        EXPECT_EQ(AllocLog::released.size(), 4u);
        std::wistream in(&buffer);
        std::wstring back;
        in >> back;
        EXPECT_EQ(back, expected);
    }
    EXPECT_EQ(AllocLog::released.size(), 5u);
}

TEST(basic_strstreambuf, FrozenBufferNeitherGrowsNorIsReleased) {
    AllocLog log;
    wchar_t* kept = nullptr;
    {
        WideBuffer buffer(&AllocLog::Alloc, &AllocLog::Release);
        std::wostream out(&buffer);
        out << L"abc";
        buffer.freeze();
        out << std::wstring(40, L'x');
        EXPECT_TRUE(out.bad());
        EXPECT_EQ(AllocLog::sizes, std::vector<std::size_t>{32});
        EXPECT_EQ(buffer.pcount(), 32);
        kept = buffer.str();
    }
    EXPECT_TRUE(AllocLog::released.empty());
    EXPECT_EQ(std::wstring(kept, 3), L"abc");
    delete[] kept;
}

TEST(basic_ostrstream, StoresWhatFitsAndFailsBeyond) {
    wchar_t array[8] = {};
    Ovo::basic_ostrstream<wchar_t> out(array, 5);
    out << L"abc";
    EXPECT_TRUE(out.good());
    out << 12345;
    EXPECT_TRUE(out.bad());
    EXPECT_EQ(out.pcount(), 5);
    EXPECT_EQ(std::wstring(array, 5), L"abc12");
    EXPECT_EQ(array[5], L'\0');
    EXPECT_THROW(Ovo::basic_ostrstream<wchar_t>(array, 0), std::invalid_argument);
}

TEST(basic_strstreambuf, CallerArrayWithPutStartReadsTheHeadAndWritesTheTail) {
    wchar_t array[10] = L"12345";
    WideBuffer buffer(array, 10, array + 3);
    std::wiostream io(&buffer);
    io << L"xy";
    std::wstring read;
    io >> read; // the get area reaches the text written so far
    EXPECT_EQ(read, L"123xy");
    io.clear();
    io.seekp(1);
    EXPECT_TRUE(io.fail()); // before the put area
}

} // namespace
