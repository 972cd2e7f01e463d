#pragma once

#include "graphics/NGridTable.h"
#include "ui/lists/ListKind.h"

#include <QDialog>

class QLabel;
class QMenu;
class QMenuBar;
class QPushButton;
class QScrollArea;

namespace quelvan::ui {

class Prompter;

// A table of records drawn by an NGridTable under a menu ("Fenêtre", "Edition", "Aide"): one
// row can be selected with the mouse, moved up or down, edited (double click or "Editer"),
// in the layer list added or deleted, and in the material and ambiance lists duplicated
// ("Dupliquer") and, for the user's own records, deleted; a list may add commands of its own
// to the "Edition" menu (the layer list's "Associer Matériau"). OK and "Fermet et
// Enregistrer" close with saving, "Annuler" and "Fermer sans Enregistrer" without. A grid
// taller than the screen scrolls.
class GeneralListDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr int kRowHeight = 18; // data rows

    GeneralListDlg(ListKind kind, Prompter& prompter, QWidget* parent = nullptr);

    ListKind Kind() const { return kind_; }
    graphics::NGridTable& Grid() { return grid_; }
    const graphics::NGridTable& Grid() const { return grid_; }
    // Maximum number of data rows "Ajouter" accepts (0 = no limit).
    void SetRowLimit(int limit) { rowLimit_ = limit; }
    // A line under the grid telling how the rows are edited; empty for none.
    void SetHint(const QString& hint);
    // The selected data row, -1 when none.
    int SelectedRow() const;
    void SelectRow(int row);

    // The commands of the "Edition" menu and the mouse.
    void MoveDown();
    void MoveUp();
    void EditSelected();
    void AddRow();
    void DeleteRow();
    void DuplicateSelected();
    // A left-button press and a double click at a point of the grid area.
    void PressAt(QPoint point);
    void DoubleClickAt(QPoint point);
    // A right click at a point of the grid area: the row under it becomes the selected one (a
    // header or the space around the grid leaves the selection), then the "Edition" menu opens
    // there, so that its commands act on the row clicked.
    void ContextMenuAt(QPoint point, QPoint globalPos);
    QMenu* EditMenu() const { return editMenu_; }
    QWidget* Canvas() const { return canvas_; }
    // Sizes the dialog to the grid (after filling, adding and deleting).
    void FitToGrid();

protected:
    // The Delete key deletes the selected row where the list offers "Supprimer".
    void keyPressEvent(QKeyEvent* event) override;
    // The keys of the grid when it has the focus: Up, Down, Home, End and Space choose the row
    // (the first one when none is chosen), Return edits it, Delete deletes it where the list
    // offers "Supprimer", Insert adds a row (or duplicates the chosen one where records are
    // added by copying). True when the key was one of these.
    bool KeyOnGrid(const QKeyEvent& event);
    // After a command changed the rows (moved, added, deleted): the command's name.
    virtual void RowsChanged(const QString& /*command*/) { }
    // Opens the row's editing dialog; column is the clicked one.
    virtual void EditRow(int row, int column) = 0;
    // Fills a new row inserted at that position ("Ajouter", lists whose rows can be added).
    virtual void FillNewRow(int row);
    virtual void RowDeleted(int row);
    // Whether the row may be deleted (the list says why not).
    virtual bool MayDeleteRow(int row);
    // Duplicates the row's record after it ("Dupliquer", below the row limit).
    virtual void DuplicateRow(int row);
    Prompter& prompter() { return prompter_; }
    // Shows "Le nombre maximum d'élément est atteint" when the rows fill the limit.
    bool RowLimitReached();

private:
    class GridCanvas;
    void NoSelection();

    ListKind kind_;
    Prompter& prompter_;
    graphics::NGridTable grid_;
    int rowLimit_ = 0;
    QMenuBar* menuBar_ = nullptr;
    QMenu* editMenu_ = nullptr;
    QAction* deleteAction_ = nullptr; // "Supprimer", where offered
    QScrollArea* scroll_ = nullptr;
    QWidget* canvas_ = nullptr;
    QPushButton* ok_ = nullptr;
    QPushButton* cancel_ = nullptr;
    QLabel* hint_ = nullptr;
};

} // namespace quelvan::ui
