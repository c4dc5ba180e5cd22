#include "KArray.h"
#include "KStringList.h"

#include "kstring_print.h"

#include <gtest/gtest.h>

namespace {

TEST(KArraySize, CapacityGrowsAndShrinksByTheRule)
{
    KArray<int> a;
    a.SetSize(64);
    EXPECT_EQ(a.GetCapacity(), 128);
    a.SetSize(0);
    EXPECT_EQ(a.GetCapacity(), 64);
    a.SetSize(63);
    EXPECT_EQ(a.GetCapacity(), 64);
    a.SetSize(-5);
    EXPECT_EQ(a.GetCount(), 0);
    EXPECT_EQ(a.GetCapacity(), 64);

    for (int i = 0; i < 200; ++i) {
        a.InsertAt(i);
    }
    a.SetSize(10, true);
    EXPECT_EQ(a.GetCapacity(), 64);
    for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(a[i], i);
    }
    // Slots that come back into use start as zero.
    a.SetSize(12);
    EXPECT_EQ(a[10], 0);
    EXPECT_EQ(a[11], 0);
}

TEST(KArrayInsert, PositionsCountsAndSelfReference)
{
    struct Case {
        int index;
        int n;
        int value;
        const char* after;
        int returned;
    };
    const Case cases[] = {
        {-1, 1, 9, "1239", 3}, {0, 1, 9, "9123", 0}, {1, 2, 9, "19923", 1},
        {7, 1, 9, "1239", 3},  {1, 0, 9, "1923", 1}, {3, -4, 9, "1239", 3},
    };
    for (const Case& c : cases) {
        KArray<int> a;
        for (int v : {1, 2, 3}) {
            a.InsertAt(v);
        }
        EXPECT_EQ(a.InsertAt(c.value, c.index, c.n), c.returned);
        std::string text;
        for (int i = 0; i < a.GetCount(); ++i) {
            text += static_cast<char>('0' + a[i]);
        }
        EXPECT_EQ(text, c.after) << c.index << " " << c.n;
    }
    // An element of the array itself, inserted while the block moves.
    KArray<int> a;
    for (int i = 0; i < 64; ++i) {
        a.InsertAt(i + 100);
    }
    a.InsertAt(a[5], 0, 3);
    EXPECT_EQ(a.GetCount(), 67);
    EXPECT_EQ(a[0], 105);
    EXPECT_EQ(a[2], 105);
    EXPECT_EQ(a[3], 100);
}

TEST(KArrayCopy, PlainValuesAndNoOrder)
{
    KArray<int> a;
    for (int i = 0; i < 70; ++i) {
        a.InsertAt(i);
    }
    KArray<int> b;
    b.Assign(a);
    EXPECT_EQ(b.GetCount(), 70);
    EXPECT_EQ(b.GetCapacity(), 128);
    EXPECT_EQ(b[69], 69);
    KArray<int> c(a);
    c[0] = 5;
    EXPECT_EQ(a[0], 0);
    EXPECT_EQ(a.CompareElements(a[0], a[1]), -2);
    EXPECT_EQ(a.RemoveAt(60, 20), 10);
    EXPECT_EQ(a.GetCount(), 60);
    EXPECT_EQ(a.RemoveAt(60), 0);
}

// Counts live objects, to see what an owning array deletes.
struct Tracked {
    explicit Tracked(int* live) : live(live) { ++*live; }
    virtual ~Tracked() { --*live; }
    int* live;
};

TEST(KPtrArrayOwnership, DeletesWhatItDrops)
{
    int live = 0;
    {
        KPtrArray<Tracked> a;
        for (int i = 0; i < 100; ++i) {
            a.Add(new Tracked(&live));
        }
        EXPECT_EQ(live, 100);
        a.SetSize(70);  // shrinks within the same capacity rule step
        EXPECT_EQ(live, 70);
        a.SetSize(10);  // shrinks the block
        EXPECT_EQ(live, 10);
        EXPECT_EQ(a.RemoveAt(0, 2), 2);
        EXPECT_EQ(live, 8);
        a.SetSize(20);
        EXPECT_EQ(a[19], nullptr);
        a.DeleteAll();
        EXPECT_EQ(live, 0);
        EXPECT_EQ(a.GetCount(), 20);
        EXPECT_EQ(a[0], nullptr);
        // A non-null pointer is owned once only, whatever count is asked for.
        a.InsertAt(new Tracked(&live), 0, 5);
        EXPECT_EQ(a.GetCount(), 21);
        a.InsertAt(nullptr, -1, 3);
        EXPECT_EQ(a.GetCount(), 24);
    }
    EXPECT_EQ(live, 0);
}

TEST(KStringListOwnership, CopiesAreDeep)
{
    KStringList a;
    a.Add("one");
    a.Add("two");
    a.Add("zero", 0);
    a.Add("x", -1, 3);
    ASSERT_EQ(a.GetCount(), 6);
    EXPECT_EQ(a.GetAt(0), "zero");
    EXPECT_EQ(a.GetAt(5), "x");
    EXPECT_EQ(a.GetAt(6), "");
    EXPECT_EQ(a.GetAt(-1), "");
    EXPECT_NE(a[3], a[4]);

    KStringList b(a);
    KStringList c;
    c.Add("old");
    c = a;
    KStringList d;
    d.Assign(a);
    KStringList e;
    e.Copy(a);
    a[1]->Set("changed");
    for (KStringList* list : {&b, &c, &d, &e}) {
        ASSERT_EQ(list->GetCount(), 6);
        EXPECT_EQ(list->GetAt(1), "one");
        EXPECT_NE((*list)[1], a[1]);
    }
    a.Clear();
    EXPECT_EQ(a.GetCount(), 0);
    EXPECT_EQ(a.GetCapacity(), 0);
    EXPECT_EQ(b.GetAt(0), "zero");
    b = b;
    EXPECT_EQ(b.GetCount(), 6);
    b.SetSize(2);
    EXPECT_EQ(b.GetAt(1), "one");
}

TEST(KStringListCompare, CaseSensitiveByDefault)
{
    KStringList a;
    a.Add("Apple");
    a.Add("apple");
    a.Add("banana");
    EXPECT_EQ(a.CompareElements(a[0], a[1]), -1);
    EXPECT_EQ(a.CompareElements(a[0], a[1], false), 0);
    EXPECT_LT(a.CompareElements(a[1], a[2], false), 0);
    EXPECT_EQ(a.CompareElements(a[2], a[1]), 1);
    EXPECT_EQ(a.Find("apple"), 1);
    EXPECT_EQ(a.Find("APPLE", false), 0);
    EXPECT_EQ(a.Find("cherry"), -1);
}

}  // namespace
