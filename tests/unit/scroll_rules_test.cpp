#include "ui/scroll_rules.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

struct ScrollCase {
    ScrollRequest request;
    int firstRow;
    int position;
    int newFirstRow;
    bool refresh;
    int thumb;
};

TEST(OnScroll, FollowsTheRequestTable) {
    using R = ScrollRequest;
    const ScrollCase cases[] = {
        {R::LineUp, 3, 0, 2, true, -1},
        {R::LineUp, 1, 0, 0, true, 0},
        {R::LineUp, 0, 0, 0, false, 0},     // at the top: no refresh, thumb back to 0
        {R::LineDown, 0, 0, 1, true, -1},
        {R::LineDown, 5, 0, 6, true, 12},
        {R::LineDown, 6, 0, 6, false, 12},  // at the bottom: no refresh, thumb to 12
        {R::PageUp, 4, 0, 0, true, 0},
        {R::PageUp, 0, 0, 0, true, 0},
        {R::PageDown, 2, 0, 6, true, 12},
        {R::PageDown, 6, 0, 6, true, 12},
        {R::ThumbPosition, 3, 0, 0, true, 0},
        {R::ThumbPosition, 3, 5, 0, true, 0},
        {R::ThumbPosition, 0, 6, 6, true, 12},
        {R::ThumbPosition, 0, 12, 6, true, 12},
        {R::Other, 4, 9, 4, false, -1},
    };
    for (const ScrollCase& c : cases) {
        ScrollOutcome out = OnScroll(c.request, c.firstRow, c.position);
        SCOPED_TRACE(testing::Message() << "request " << static_cast<int>(c.request) << " from "
                                        << c.firstRow << " at " << c.position);
        EXPECT_EQ(out.firstRow, c.newFirstRow);
        EXPECT_EQ(out.refresh, c.refresh);
        EXPECT_EQ(out.thumb, c.thumb);
    }
}

TEST(OnScroll, SixLineDownsFromTheTopReachTheLastSixPairs) {
    int row = 0;
    for (int step = 1; step <= 6; ++step) {
        ScrollOutcome out = OnScroll(ScrollRequest::LineDown, row, 0);
        EXPECT_EQ(out.firstRow, step);
        EXPECT_TRUE(out.refresh);
        EXPECT_EQ(out.thumb, step == 6 ? 12 : -1);
        row = out.firstRow;
    }
    ScrollOutcome seventh = OnScroll(ScrollRequest::LineDown, row, 0);
    EXPECT_EQ(seventh.firstRow, 6);
    EXPECT_FALSE(seventh.refresh);
    EXPECT_EQ(seventh.thumb, 12);
}

TEST(OnScroll, LineRequestsNeverLeaveTheRangeOfFirstRows) {
    for (int row = -2; row <= 9; ++row) {
        for (ScrollRequest request : {ScrollRequest::LineUp, ScrollRequest::LineDown}) {
            ScrollOutcome out = OnScroll(request, row, 0);
            EXPECT_GE(out.firstRow, 0) << row;
            EXPECT_LE(out.firstRow, 6) << row;
        }
    }
}

}  // namespace
}  // namespace qv
