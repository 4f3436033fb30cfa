#include "viewer/PageBounds.h"

namespace PageBounds {

bool IsPage(int page, int count)
{
    return page >= 1 && page <= count;
}

std::optional<SplitPlan> PlanSplit(int page, int count)
{
    if (page < 1 || page >= count)
        return std::nullopt;
    return SplitPlan{page, count};
}

} // namespace PageBounds
