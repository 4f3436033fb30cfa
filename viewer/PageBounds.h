#pragma once

#include <optional>

// Which page numbers a document accepts and how a split divides it. Pages
// are 1-based.
namespace PageBounds {

bool IsPage(int page, int count);

// The pages that each output of a split gets: 1..page and page+1..count.
struct SplitPlan {
    int firstEnd = 0;  // last page of the first output
    int count = 0;     // pages of the source
};

// Nothing unless both outputs get at least one page.
std::optional<SplitPlan> PlanSplit(int page, int count);

} // namespace PageBounds
