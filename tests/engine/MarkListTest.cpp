#include <gtest/gtest.h>

#include "engine/MarkList.h"

namespace {
std::vector<int64_t> Walk(CMarkList& marks, uint32_t low, uint32_t high) {
    std::vector<int64_t> out;
    int count = marks.SelectRange(low, high);
    for (int64_t m = marks.Next(); m >= 0; m = marks.Next())
        out.push_back(m);
    EXPECT_EQ(static_cast<size_t>(count), out.size());
    return out;
}
} // namespace

TEST(MarkList, ToggleKeepsOrderAndTwiceIsNothing) {
    CMarkList marks;
    for (uint32_t m : {50u, 10u, 30u})
        EXPECT_EQ(marks.Toggle(m), 1);
    EXPECT_EQ(marks.Toggle(30), -1);
    EXPECT_EQ(marks.Toggle(30), 1);
    ASSERT_EQ(marks.GetCount(), 3);
    EXPECT_EQ(marks.GetAt(0), 10u);
    EXPECT_EQ(marks.GetAt(1), 30u);
    EXPECT_EQ(marks.GetAt(2), 50u);
}

TEST(MarkList, FindAndWalkSubRanges) {
    CMarkList marks;
    EXPECT_EQ(marks.FindFirstAtOrAfter(5), 0);
    EXPECT_EQ(Walk(marks, 0, 100), std::vector<int64_t>{});
    for (uint32_t m : {10u, 20u, 30u})
        marks.Toggle(m);
    EXPECT_EQ(marks.FindFirstAtOrAfter(0), 0);
    EXPECT_EQ(marks.FindFirstAtOrAfter(20), 1);
    EXPECT_EQ(marks.FindFirstAtOrAfter(21), 2);
    EXPECT_EQ(marks.FindFirstAtOrAfter(31), 3);
    EXPECT_EQ(Walk(marks, 15, 30), (std::vector<int64_t>{20, 30}));
    EXPECT_EQ(Walk(marks, 0, 9), std::vector<int64_t>{});
    EXPECT_EQ(Walk(marks, 31, 99), std::vector<int64_t>{});
    EXPECT_EQ(Walk(marks, 11, 19), std::vector<int64_t>{}); // a gap between marks
}

TEST(MarkList, PruneAfterRemovesOnlyMarksPastTheEnd) {
    CMarkList marks;
    for (uint32_t m : {1u, 5u, 9u, 12u})
        marks.Toggle(m);
    EXPECT_EQ(marks.PruneAfter(9), 1);
    EXPECT_EQ(marks.PruneAfter(9), 0);
    EXPECT_EQ(marks.GetCount(), 3);
    marks.ClearMarks();
    EXPECT_EQ(marks.GetCount(), 0);
    EXPECT_EQ(marks.Next(), -1);
}
