#include "host/TeskValueArray.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

TEST(TeskValueArray, GrowthStepGrowsByThreeThenByAFifth) {
    TeskValueArray<double> values;
    EXPECT_EQ(values.GetCapacity(), 10);
    EXPECT_EQ(values.GetGrowBy(), 1);

    std::vector<int> capacities;
    std::vector<int> steps;
    for (int i = 0; i < 60; ++i) {
        const int before = values.GetCapacity();
        values.Add(i + 0.5);
        if (values.GetCapacity() != before) {
            capacities.push_back(values.GetCapacity());
            steps.push_back(values.GetGrowBy());
        }
    }
    EXPECT_EQ(capacities, (std::vector<int>{11, 15, 22, 32, 44, 58, 74}));
    EXPECT_EQ(steps, (std::vector<int>{4, 7, 10, 12, 14, 16, 19}));
    ASSERT_EQ(values.GetCount(), 60);
    for (int i = 0; i < 60; ++i) {
        ASSERT_EQ(values.ElementAt(i), i + 0.5) << i;  // every growth keeps the old values
    }
}

TEST(TeskValueArray, ResetStartsTheGrowthAgain) {
    TeskValueArray<std::int32_t> values;
    for (int i = 0; i < 30; ++i) {
        values.Add(7);
    }
    values.Reset();
    EXPECT_EQ(values.GetCount(), 0);
    EXPECT_EQ(values.GetCapacity(), 10);
    EXPECT_EQ(values.GetGrowBy(), 1);
    for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(values.ElementAt(i), 0) << "slot " << i;
    }
    for (int i = 0; i < 11; ++i) {
        values.Add(i);
    }
    EXPECT_EQ(values.GetCapacity(), 11);
    EXPECT_EQ(values.GetGrowBy(), 4);
    values.Add(11);
    EXPECT_EQ(values.GetCapacity(), 15);
}

TEST(TeskValueArray, ResetAtTenSlotsReusesAndZeroesThem) {
    TeskValueArray<std::int32_t> values;
    values.Add(5);
    values.Add(6);
    const std::int32_t* slots = &values.ElementAt(0);
    values.Reset();
    EXPECT_EQ(&values.ElementAt(0), slots);
    EXPECT_EQ(values.ElementAt(0), 0);
    EXPECT_EQ(values.ElementAt(1), 0);
    EXPECT_EQ(values.GetCount(), 0);
}

TEST(TeskValueArray, RemoveAtEdges) {
    struct Case {
        std::vector<double> before;
        int index;
        bool removed;
        std::vector<double> after;
    };
    const Case cases[] = {
        {{1.5}, 0, true, {}},
        {{1, 2, 3}, 0, true, {2, 3}},
        {{1, 2, 3}, 1, true, {1, 3}},
        {{1, 2, 3}, 2, true, {1, 2}},
        {{1, 2, 3}, 3, false, {1, 2, 3}},  // index equal to the count
        {{1, 2, 3}, 9, false, {1, 2, 3}},  // inside the capacity but past the values
        {{1, 2, 3}, 20, false, {1, 2, 3}},
        {{1, 2, 3}, -1, false, {1, 2, 3}},
        {{}, 0, false, {}},
    };
    for (const Case& c : cases) {
        TeskValueArray<double> values;
        for (double v : c.before) {
            values.Add(v);
        }
        EXPECT_EQ(values.RemoveAt(c.index), c.removed) << "index " << c.index;
        std::vector<double> after;
        for (int i = 0; i < values.GetCount(); ++i) {
            after.push_back(values.ElementAt(i));
        }
        EXPECT_EQ(after, c.after) << "index " << c.index;
        EXPECT_EQ(values.GetCapacity(), 10);
    }
}

// Counts live objects so that the tests see each pointed-to value freed exactly once.
struct Counted {
    explicit Counted(int v) : value(v) { ++live; }
    ~Counted() { --live; }
    Counted(const Counted&) = delete;
    Counted& operator=(const Counted&) = delete;
    int value;
    static inline int live = 0;
};

TEST(TeskValueArray, OwnsWhatPointerElementsPointTo) {
    {
        TeskValueArray<Counted*> values;
        for (int i = 0; i < 25; ++i) {  // through several growths
            values.Add(new Counted(i));
        }
        values.Add(nullptr);
        EXPECT_EQ(Counted::live, 25);

        EXPECT_TRUE(values.RemoveAt(3));
        EXPECT_EQ(Counted::live, 24);
        EXPECT_EQ(values.ElementAt(3)->value, 4);
        EXPECT_TRUE(values.RemoveAt(values.GetCount() - 1));  // the null one
        EXPECT_FALSE(values.RemoveAt(values.GetCount()));
        EXPECT_EQ(Counted::live, 24);

        values.Reset();
        EXPECT_EQ(Counted::live, 0);

        values.Add(new Counted(1));
        values.Add(new Counted(2));
        EXPECT_TRUE(values.RemoveAt(1));  // the freed slot keeps a stale copy, never freed twice
        values.Add(new Counted(3));
        EXPECT_EQ(Counted::live, 2);
    }
    EXPECT_EQ(Counted::live, 0);
}

}  // namespace
