#include "printing/ReportPages.h"

#include "core/NumberText.h"

#include <algorithm>

namespace quelvan::printing {

int PageKindOfFlag(int flag)
{
    switch (flag) {
    case 3:
        return kPageProjectData;
    case 4:
        return kPageMaterialLibrary;
    default:
        return flag;
    }
}

std::vector<int> PageKinds(const PrintFlags& flags)
{
    std::vector<int> kinds;
    for (int flag = 0; flag < kPrintFlagCount; ++flag)
        if (flags[static_cast<size_t>(flag)] != 0)
            kinds.push_back(PageKindOfFlag(flag));
    return kinds;
}

std::string PageTitle(int kind, int lastHour)
{
    switch (kind) {
    case kPageTimeCurves:
        return "Tracé complet dans le temps sur la durée du calcul";
    case kPageLast24Hours:
        return "Tracé dans le temps au cours des dernières 24 heures (temps final = "
            + FormatInt("%d", lastHour) + " h)";
    case kPageWallValues:
        return "Tracé dans la paroi à t = " + FormatInt("%d", lastHour) + " heure";
    case kPageProjectData:
        return "Données du projet";
    case kPageMaterialLibrary:
        return "Liste des matériaux de la bibliothèque de matériaux";
    default:
        return "Erreur";
    }
}

HourWindow TimeWindow(int kind, int recordedHours)
{
    const int end = std::max(recordedHours, 0);
    const int start = kind == kPageLast24Hours ? std::max(end - 24, 0) : 0;
    return { start, end };
}

} // namespace quelvan::printing
