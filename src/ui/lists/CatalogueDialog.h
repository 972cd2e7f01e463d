#pragma once

#include "model/MaterialCatalogue.h"

#include <QDialog>

#include <optional>
#include <vector>

class QLabel;
class QLineEdit;
class QTableWidget;

namespace quelvan::ui {

// "Catalogue de matériaux": the generic materials shipped with the program, searched by name and
// family as the user types, with λ, ρ, c and μ (or s_d); a value the catalogue gives by default
// (a membrane's λ, ρ and c) says so. "Ajouter" closes the dialog with the chosen entry; the
// material list makes it a material of the project's own.
class CatalogueDialog : public QDialog {
    Q_OBJECT
public:
    CatalogueDialog(std::vector<CatalogueEntry> entries, QWidget* parent = nullptr);

    // The entries shown, in order, for the search's text.
    void Search(const QString& text);
    int ShownCount() const;
    // Chooses the shown row (from 0); false when there is none.
    bool ChooseRow(int row);
    // The entry chosen on "Ajouter".
    const std::optional<CatalogueEntry>& Chosen() const { return chosen_; }
    QTableWidget* Table() const { return table_; }

    void accept() override;

private:
    void Fill();

    std::vector<CatalogueEntry> entries_;
    std::vector<std::size_t> shown_;
    std::optional<CatalogueEntry> chosen_;
    QLineEdit* search_;
    QTableWidget* table_;
    QLabel* count_;
};

} // namespace quelvan::ui
