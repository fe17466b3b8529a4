// How the main dialog's rows follow a scroll request on its scroll control.
#pragma once

namespace qv {

enum class ScrollRequest { LineUp, LineDown, PageUp, PageDown, ThumbPosition, Other };

struct ScrollOutcome {
    int firstRow;   // the new first visible row, 0 to 6
    bool refresh;   // the rows are to be filled anew
    int thumb;      // the thumb position to set, or -1 to leave it
};

// `firstRow` is the first visible row before the request; `position` the
// thumb position that comes with ThumbPosition.
ScrollOutcome OnScroll(ScrollRequest request, int firstRow, int position);

}  // namespace qv
