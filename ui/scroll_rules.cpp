#include "ui/scroll_rules.h"

#include <algorithm>

namespace qv {

namespace {

constexpr int kTopRow = 0;
constexpr int kBottomRow = 6;    // the first row that shows the last six pairs
constexpr int kThumbTop = 0;
constexpr int kThumbBottom = 12;
constexpr int kNoThumb = -1;

int ClampRow(int row) { return std::clamp(row, kTopRow, kBottomRow); }

}  // namespace

ScrollOutcome OnScroll(ScrollRequest request, int firstRow, int position) {
    switch (request) {
    case ScrollRequest::LineUp: {
        int n = ClampRow(firstRow - 1);
        return {n, n != firstRow, n == kTopRow ? kThumbTop : kNoThumb};
    }
    case ScrollRequest::LineDown: {
        int n = ClampRow(firstRow + 1);
        return {n, n != firstRow, n == kBottomRow ? kThumbBottom : kNoThumb};
    }
    case ScrollRequest::PageUp:
        return {kTopRow, true, kThumbTop};
    case ScrollRequest::PageDown:
        return {kBottomRow, true, kThumbBottom};
    case ScrollRequest::ThumbPosition:
        // The released thumb shows one half of the table or the other.
        if (position < 6) return {kTopRow, true, kThumbTop};
        return {kBottomRow, true, kThumbBottom};
    case ScrollRequest::Other:
        break;
    }
    return {firstRow, false, kNoThumb};
}

}  // namespace qv
