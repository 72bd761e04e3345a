#include "core/CIArray.h"
#include "core/InterfaceArray.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Counts its references and logs every release, so tests see who was released and in which order.
struct Counted : IUnknown {
    Counted(int id, std::vector<int>& log) : id(id), log(log) {}
    HRESULT QueryInterface(REFIID, void**) override { return E_NOINTERFACE; }
    ULONG AddRef() override { return ++refs; }
    ULONG Release() override {
        log.push_back(id);
        return --refs;
    }
    int id;
    ULONG refs = 1;
    std::vector<int>& log;
};

TEST(CArrayVoidP, GrowsInStepsOrByDoubling) {
    struct Case {
        std::uint32_t capacity, step, newSize;
        bool doubling;
        std::uint32_t grownCapacity;
    };
    const Case cases[] = {
        {0, 0, 1, true, 8},                            // step 0 means 8: max(8, 0)
        {8, 8, 9, true, 16},                           // (9 / 8 + 1) x 8
        {8, 8, 9, false, 16},   {16, 4, 17, true, 32}, // doubling beats (17 / 4 + 1) x 4 = 20
        {16, 4, 17, false, 20}, {16, 4, 16, true, 16}, // fits: no growth
    };
    for (const Case& c : cases) {
        CArrayVoidP array(c.capacity, c.step);
        array.mDoubling = c.doubling;
        array.SetSize(c.newSize);
        EXPECT_EQ(array.GetCapacity(), c.grownCapacity) << c.capacity << "/" << c.step << " -> " << c.newSize;
        EXPECT_EQ(array.GetCount(), c.newSize);
        for (std::uint32_t i = 0; i < c.newSize; ++i)
            EXPECT_EQ(array[i], nullptr);
    }
}

TEST(CArrayVoidP, ElementAtPastTheEndGrowsByStepPlusIndexAndKeepsContents) {
    CArrayVoidP array(0, 4);
    array.mDoubling = 0;
    int marker = 0;
    *array.ElementAt(0) = &marker;
    EXPECT_EQ(array.GetCapacity(), 4u); // 4 + 0
    *array.ElementAt(10) = &marker;
    EXPECT_EQ(array.GetCapacity(), 14u); // 4 + 10
    EXPECT_EQ(array.GetCount(), 11u);
    EXPECT_EQ(array[0], &marker);
    EXPECT_EQ(array[5], nullptr);
    EXPECT_EQ(array[10], &marker);
}

TEST(CArrayVoidP, ImpossibleSizesFailAsAllocationFailures) {
    CArrayVoidP array;
    EXPECT_THROW(array.SetSize(0xFFFFFFF0u), std::bad_alloc);
    EXPECT_THROW(array.ElementAt(0xFFFFFFFFu), std::bad_alloc);
    EXPECT_EQ(array.GetCount(), 0u);
}

TEST(IUnknownArray, HoldsOneReferencePerElementAndReleasesLastFirst) {
    std::vector<int> log;
    Counted a(1, log), b(2, log), c(3, log);
    {
        IUnknownArray array;
        array.Add(&a);
        array.Add(nullptr);
        array.Add(&b);
        array.Add(&c);
        EXPECT_EQ(a.refs, 2u);
        EXPECT_EQ(array.GetCount(), 4u);
    }
    EXPECT_EQ(log, (std::vector<int>{3, 2, 1}));
    EXPECT_EQ(a.refs + b.refs + c.refs, 3u);
}

TEST(IUnknownArray, RemoveAtReleasesAndClosesTheGap) {
    std::vector<int> log;
    Counted a(1, log), b(2, log), c(3, log);
    InterfaceArray<Counted> array;
    for (Counted* p : {&a, &b, &c})
        array.Add(p);
    array.RemoveAt(1);
    EXPECT_EQ(log, std::vector<int>{2});
    ASSERT_EQ(array.GetCount(), 2u);
    EXPECT_EQ(array[0], &a);
    EXPECT_EQ(array[1], &c);
    array.RemoveAt(1); // the last: released, nothing moves
    array.RemoveAt(5); // past the count: nothing
    EXPECT_EQ(log, (std::vector<int>{2, 3}));
    ASSERT_EQ(array.GetCount(), 1u);
    EXPECT_EQ(array[0], &a);
}

TEST(IUnknownArray, ShrinkingReleasesTheCutElementsAndHalvesSparseStorage) {
    std::vector<int> log;
    std::vector<Counted> items;
    items.reserve(40);
    for (int i = 0; i < 40; ++i)
        items.emplace_back(i, log);
    IUnknownArray array(0, 8);
    for (Counted& item : items)
        array.Add(&item);
    ASSERT_EQ(array.GetCapacity(), 64u);

    array.Resize(20); // not below a quarter: storage kept
    EXPECT_EQ(array.GetCapacity(), 64u);
    EXPECT_EQ(log.size(), 20u);
    EXPECT_EQ(log.front(), 39);
    EXPECT_EQ(log.back(), 20);

    log.clear();
    array.Resize(3); // below 16: halved, first 3 kept
    EXPECT_EQ(array.GetCapacity(), 32u);
    EXPECT_EQ(log.size(), 17u);
    EXPECT_EQ(array.GetAt(2), &items[2]);
    EXPECT_EQ(items[3].refs, 1u);
    EXPECT_EQ(items[2].refs, 2u);
}

TEST(CIArray, DeletesItsObjects) {
    static std::vector<std::string> deleted;
    struct Owned {
        explicit Owned(std::string name) : name(std::move(name)) {}
        ~Owned() { deleted.push_back(name); }
        std::string name;
    };
    {
        CIArray<Owned> array;
        array.Add(std::make_unique<Owned>("first"));
        array.Add(std::make_unique<Owned>("second"));
        array.Add(std::make_unique<Owned>("third"));
        EXPECT_EQ(array.GetAt(1)->name, "second");
        array.Resize(2);
        EXPECT_EQ(deleted, std::vector<std::string>{"third"});
    }
    EXPECT_EQ(deleted, (std::vector<std::string>{"third", "second", "first"}));
}

} // namespace
