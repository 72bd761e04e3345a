#include "core/OvoBitset.h"

#include <gtest/gtest.h>

namespace {

constexpr std::uint32_t kOnes = 0xFFFFFFFFu;

TEST(OvoBitset, SetFirstFillsWholeWordsThenMasksThePartialOne) {
    struct Case {
        std::uint32_t n;
        std::vector<std::uint32_t> words;
    };
    const Case cases[] = {
        {0, {0, 0}},      {1, {1, 0}},      {31, {0x7FFFFFFF, 0}},
        {32, {kOnes, 0}}, {33, {kOnes, 1}}, {70, {kOnes, kOnes, 0x3F}},
    };
    for (const Case& c : cases) {
        OvoBitset set({0, 0}, 0);
        set.SetFirst(c.n);
        ASSERT_EQ(set.WordCount(), c.words.size()) << c.n;
        for (std::uint32_t i = 0; i < c.words.size(); ++i)
            EXPECT_EQ(set.Word(i), c.words[i]) << c.n << " word " << i;
    }
}

TEST(OvoBitset, FindFirstAndLastAccountForTheFill) {
    struct Case {
        const char* what;
        OvoBitset set;
        std::int32_t first, last;
    };
    const Case cases[] = {
        {"null handle", OvoBitset(), -1, 0},
        {"empty", OvoBitset({0, 0}, 0), -1, 0},
        {"bits 5 and 40", OvoBitset({1u << 5, 1u << 8}, 0), 5, 41},
        {"top bit of word 1", OvoBitset({0, 0x80000000u}, 0), 63, 64},
        {"only the fill", OvoBitset({0, 0, 0}, kOnes), 96, -1},
        {"bit 3 and the fill", OvoBitset({8, 0}, kOnes), 3, -1},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.set.FindFirst(), c.first) << c.what;
        EXPECT_EQ(c.set.FindLast(), c.last) << c.what;
    }
}

TEST(OvoBitset, OrAndXorExtendTheShorterSideByItsFill) {
    const OvoBitset shortOnes({0x0F, 0}, kOnes);
    const OvoBitset longZeros({0xF0, 0, 0, 0x5}, 0);

    OvoBitset orSet = longZeros;
    orSet |= shortOnes;
    EXPECT_EQ(orSet.WordCount(), 4u);
    EXPECT_EQ(orSet.Word(0), 0xFFu);
    EXPECT_EQ(orSet.Word(2), kOnes);
    EXPECT_EQ(orSet.Word(3), kOnes);
    EXPECT_EQ(orSet.Fill(), kOnes);

    OvoBitset xorSet = shortOnes;
    xorSet ^= longZeros;
    EXPECT_EQ(xorSet.WordCount(), 4u);
    EXPECT_EQ(xorSet.Word(0), 0xFFu);
    EXPECT_EQ(xorSet.Word(2), kOnes);
    EXPECT_EQ(xorSet.Word(3), ~0x5u);
    EXPECT_EQ(xorSet.Fill(), kOnes);
    EXPECT_TRUE(xorSet.Test(100)); // beyond the words: the fill

    OvoBitset self = longZeros;
    self ^= self;
    EXPECT_EQ(self.FindFirst(), -1);
}

TEST(OvoBitset, CopiesAreIndependent) {
    OvoBitset a({0, 0}, 0);
    OvoBitset b = a;
    b.SetFirst(3);
    EXPECT_EQ(a.FindLast(), 0);
    EXPECT_EQ(b.FindLast(), 3);
    a |= b;
    b ^= b;
    EXPECT_EQ(a.FindLast(), 3);
    EXPECT_EQ(b.FindLast(), 0);
}

TEST(OvoBitset, TestReadsTheFillBeyondTheStoredWords) {
    const OvoBitset set({0, 0}, kOnes);
    EXPECT_FALSE(set.Test(10));
    EXPECT_TRUE(set.Test(100));
}

// What the host sees of a set (IOvoBitset), and a set read back from one.
TEST(OvoBitset, TheHostReadsItsWordsAndHandsSetsBack) {
    Ovo::BitsetRep* rep = new Ovo::BitsetRep({5, 6, 7}, kOnes);
    DWORD words[3] = {};
    DWORD fill = 0;
    EXPECT_EQ(rep->CopyWords(1, words, &fill), S_FALSE) << "words were left out";
    EXPECT_EQ(words[0], 5u);
    EXPECT_EQ(words[1], 0u);
    EXPECT_EQ(fill, kOnes);
    EXPECT_EQ(rep->CopyWords(3, words, &fill), S_OK);
    EXPECT_EQ(rep->Destroy(), E_FAIL) << "still referenced";
    IOvoBitset* clone = nullptr;
    ASSERT_EQ(rep->Clone(&clone), S_OK);
    const OvoBitset shared = OvoBitset::FromInterface(rep);
    EXPECT_TRUE(shared.Test(32 + 1)) << "6 has bit 1";
    EXPECT_TRUE(shared.Test(200)) << "the fill";
    rep->Release();
    clone->Release();
    EXPECT_EQ(OvoBitset::FromInterface(nullptr).WordCount(), 0u);
}

} // namespace
