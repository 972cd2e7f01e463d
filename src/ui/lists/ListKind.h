#pragma once

#include "ui/shell/HelpTopic.h"

#include <array>

namespace quelvan::ui {

// The record lists the list dialog shows.
enum class ListKind : int { Materials = 0, Ambiances = 4, Layers = 7 };

struct ListKindInfo {
    ListKind kind;
    HelpTopic helpTopic; // F1 anywhere in the dialog
    bool columnLines; // grid lines between the columns
    bool rowsAddable; // "Ajouter" and "Supprimer"
    // "Dupliquer" adds the user's own records, which "Supprimer" deletes (built-in ones stay).
    bool ownRecords;
    // The list reads the wall's placement from the form (the ambiance dialog's solar preview),
    // so the form's fields are stored into the project before it opens.
    bool readsForm;
};

inline constexpr std::array<ListKindInfo, 3> kListKinds { {
    { ListKind::Materials, HelpTopic::Materials, false, false, true, false },
    { ListKind::Ambiances, HelpTopic::Ambiances, true, false, true, true },
    { ListKind::Layers, HelpTopic::Layers, false, true, false, false },
} };

constexpr const ListKindInfo& Describe(ListKind kind)
{
    for (const ListKindInfo& info : kListKinds)
        if (info.kind == kind)
            return info;
    return kListKinds.front();
}

} // namespace quelvan::ui
