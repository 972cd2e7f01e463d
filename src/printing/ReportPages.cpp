#include "printing/ReportPages.h"

#include "core/NumberText.h"

#include <algorithm>

namespace quelvan::printing {

PageKind PageKindOfFlag(int flag)
{
    if (flag >= 0 && flag < static_cast<int>(kPages.size()))
        return kPages[static_cast<size_t>(flag)].kind;
    return static_cast<PageKind>(flag);
}

std::vector<PageKind> PageKinds(const PrintFlags& flags)
{
    std::vector<PageKind> kinds;
    for (size_t flag = 0; flag < flags.size(); ++flag)
        if (flags[flag] != 0)
            kinds.push_back(PageKindOfFlag(static_cast<int>(flag)));
    return kinds;
}

bool ShowsRun(PageKind kind)
{
    return kind == PageKind::TimeCurves || kind == PageKind::Last24Hours
        || kind == PageKind::WallValues;
}

bool ChoosesRunPages(const PrintFlags& flags)
{
    const std::vector<PageKind> kinds = PageKinds(flags);
    return std::any_of(kinds.begin(), kinds.end(), ShowsRun);
}

PrintFlags InputPagesOnly(PrintFlags flags)
{
    for (size_t flag = 0; flag < flags.size(); ++flag) {
        const PageKind kind = PageKindOfFlag(static_cast<int>(flag));
        if (ShowsRun(kind))
            flags[flag] = 0;
        else if (kind == PageKind::ProjectData)
            flags[flag] = 1;
    }
    return flags;
}

std::string PageTitle(PageKind kind, int lastHour)
{
    for (const PageInfo& page : kPages) {
        if (page.kind != kind)
            continue;
        if (!page.titleShowsHour)
            return page.title;
        return page.title + FormatInt("%d", lastHour) + page.titleEnd;
    }
    if (kind == PageKind::Condensation)
        return kCondensationTitle;
    return kind == PageKind::AnnualBalance ? kAnnualBalanceTitle : "Erreur";
}

HourWindow TimeWindow(PageKind kind, int recordedHours)
{
    const int end = std::max(recordedHours, 0);
    const int start = kind == PageKind::Last24Hours ? std::max(end - 24, 0) : 0;
    return { start, end };
}

} // namespace quelvan::printing
