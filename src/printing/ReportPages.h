#pragma once

#include "model/KslDoc.h"

#include <array>
#include <string>
#include <vector>

// Which pages a report holds and what each is called.
namespace quelvan::printing {

// The pages a report can hold. The print-choice flags 0 to 4 ask for the kinds of kPages; a
// flag beyond them asks for the kind of its own number: 5 is the library again, 6 to 9 are
// pages with the title "Erreur" only. (The kinds keep the numbers the report has always given
// them: flag 3 asks for kind 4, flag 4 for kind 5.)
enum class PageKind : int {
    TimeCurves = 0, // complete time plot
    Last24Hours = 1,
    WallValues = 2, // values in the wall at the last hour
    ProjectData = 4,
    MaterialLibrary = 5,
    // The annual balance: chosen apart from the project's print choices (no flag asks for it),
    // printed after their pages.
    AnnualBalance = 100,
    // The condensation check, chosen the same way, printed last.
    Condensation = 101,
};

// The print-choice dialog's box and the page's title.
inline constexpr const char* kAnnualBalanceChoice = "Bilan annuel";
inline constexpr const char* kAnnualBalanceTitle = "Bilan annuel";
inline constexpr const char* kCondensationChoice = "Risque de condensation";
inline constexpr const char* kCondensationTitle = "Risque de condensation";

struct PageInfo {
    PageKind kind;
    const char* choice; // the print-choice dialog's text
    const char* title; // the page title, followed by the last hour and titleEnd when shown
    bool titleShowsHour;
    const char* titleEnd;
};

// Indexed by the print-choice flag that asks for the page.
inline constexpr std::array<PageInfo, 5> kPages { {
    { PageKind::TimeCurves, "Courbes fonction du temps",
        "Tracé complet dans le temps sur la durée du calcul", false, "" },
    { PageKind::Last24Hours, "Courbes fonction du temps, pour les dernières 24 heures",
        "Tracé dans le temps au cours des dernières 24 heures (temps final = ", true, " h)" },
    { PageKind::WallValues, "Courbes des valeurs dans la paroi pour la dernière heure de calcul",
        "Tracé dans la paroi à t = ", true, " heure" },
    { PageKind::ProjectData, "Données du problème", "Données du projet", false, "" },
    { PageKind::MaterialLibrary, "Liste de la bibliothèque de matériaux",
        "Liste des matériaux de la bibliothèque de matériaux", false, "" },
} };

// The print-choice flags, as the project keeps them.
using PrintFlags = decltype(KslDoc::printChoices);

// The page kind a print-choice flag asks for.
PageKind PageKindOfFlag(int flag);
// One kind per set flag, in flag order.
std::vector<PageKind> PageKinds(const PrintFlags& flags);

// Whether the page draws the calculation's hours (the curves against time and in the wall):
// before a run it has nothing to draw.
bool ShowsRun(PageKind kind);
// Whether any chosen page does.
bool ChoosesRunPages(const PrintFlags& flags);
// The input pages only: the choices without the pages that draw the calculation, and with the
// project's data ("Données du projet"), so that the report is never empty.
PrintFlags InputPagesOnly(PrintFlags flags);

// The page title of a kind; lastHour is the last computed hour (recorded hours - 1).
std::string PageTitle(PageKind kind, int lastHour);

// The hours a time page plots: from start to end - 1, counted from the start of the run.
struct HourWindow {
    int start = 0;
    int end = 0;
    int Count() const { return end - start; }
};
// The whole run on the complete page; the last 24 hours on the other one, from hour 0 when
// fewer were recorded.
HourWindow TimeWindow(PageKind kind, int recordedHours);

} // namespace quelvan::printing
