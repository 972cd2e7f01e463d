#pragma once

#include "ui/HelpTopic.h"

#include <array>

namespace quelvan::ui {

// The record lists the list dialog shows.
enum class ListKind : int { Materials = 0, Ambiances = 4, Layers = 7 };

struct ListKindInfo {
    ListKind kind;
    HelpTopic helpTopic; // F1 anywhere in the dialog
    bool columnLines; // grid lines between the columns
    bool rowsAddable; // "Ajouter", "Supprimer" and "Associer Matériau"
};

inline constexpr std::array<ListKindInfo, 3> kListKinds { {
    { ListKind::Materials, HelpTopic::Materials, false, false },
    { ListKind::Ambiances, HelpTopic::Ambiances, true, false },
    { ListKind::Layers, HelpTopic::Layers, false, true },
} };

constexpr const ListKindInfo& Describe(ListKind kind)
{
    for (const ListKindInfo& info : kListKinds)
        if (info.kind == kind)
            return info;
    return kListKinds.front();
}

} // namespace quelvan::ui
