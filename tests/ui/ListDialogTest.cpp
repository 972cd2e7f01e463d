#include "UiTestSupport.h"
#include "graphics/QtStrings.h"
#include "model/KslDoc.h"
#include "ui/lists/AmbianceListAdapter.h"
#include "ui/lists/LayerListAdapter.h"
#include "ui/lists/MaterialListAdapter.h"
#include "ui/lists/RecordListDlg.h"
#include "ui/main/KslView.h"
#include "ui/main/MainWindow.h"
#include "ui/project/ProjectController.h"
#include "ui/records/AmbianceDialog.h"
#include "ui/records/LayerDialog.h"
#include "ui/records/MaterialDialog.h"
#include "ui/widgets/ControlNames.h"
#include "ui/widgets/NumberEdit.h"

#include <QApplication>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMenu>
#include <QTest>

#include <gtest/gtest.h>

using namespace quelvan;
using namespace quelvan::ui;
using quelvan::ui::test::AcceptAs;
using quelvan::ui::test::ScriptedPrompter;

namespace {

// The centre of a data row's cell, in the grid area's coordinates.
QPoint CellCentre(const RecordListDlg& dialog, int row, int column)
{
    const auto& grid = dialog.Grid();
    return { (grid.ColumnLeft(column) + grid.ColumnRight(column)) / 2,
        (grid.RowTop(row) + grid.RowBottom(row)) / 2 };
}

void ClickRow(RecordListDlg& dialog, int row, int column = 1)
{
    QTest::mouseClick(dialog.Canvas(), Qt::LeftButton, {}, CellCentre(dialog, row, column));
}

void RightClickRow(RecordListDlg& dialog, int row)
{
    const QPoint at = CellCentre(dialog, row, 1);
    QContextMenuEvent event(QContextMenuEvent::Mouse, at, dialog.Canvas()->mapToGlobal(at));
    QApplication::sendEvent(dialog.Canvas(), &event);
}

TEST(ListDialog, TheContextMenuActsOnTheRowRightClickedInEveryList)
{
    KslDoc doc;
    ScriptedPrompter prompter;
    std::vector<std::unique_ptr<RecordListModel>> lists;
    lists.push_back(std::make_unique<MaterialListAdapter>(doc.materials, doc.layers, doc.vapour));
    lists.push_back(
        std::make_unique<AmbianceListAdapter>(doc.interiorAmbiances, Side::Interior, 0, 90, 2));
    lists.push_back(std::make_unique<LayerListAdapter>(doc.layers, doc.materials));
    for (auto& list : lists) {
        RecordListDlg dialog(std::move(list), prompter);
        ClickRow(dialog, 2);
        RightClickRow(dialog, 3);
        EXPECT_EQ(dialog.SelectedRow(), 3) << dialog.windowTitle().toStdString();
        RightClickRow(dialog, 3); // a second right click keeps it selected
        EXPECT_EQ(dialog.SelectedRow(), 3) << dialog.windowTitle().toStdString();
    }
    EXPECT_EQ(prompter.menusShown, 6);
    // In the layer list: row 1 selected, "Supprimer" chosen on row 3 deletes row 3.
    const std::vector<const NMaterialLayer*> kept { &doc.layers.At(0), &doc.layers.At(1) };
    RecordListDlg layers(std::make_unique<LayerListAdapter>(doc.layers, doc.materials), prompter);
    ClickRow(layers, 1);
    prompter.menuChoices.push_back(QStringLiteral("Supprimer"));
    RightClickRow(layers, 3);
    // The Delete key deletes the selection too.
    ClickRow(layers, 1);
    QTest::keyClick(&layers, Qt::Key_Delete);
    layers.ApplyResult();
    ASSERT_EQ(doc.layers.Count(), 1);
    EXPECT_EQ(&doc.layers.At(0), kept[1]);
}

TEST(ListDialog, MaterialsReorderedByTheMouseAndTheMenu)
{
    KslDoc doc;
    ScriptedPrompter prompter;
    const std::string first = doc.materials.At(0).Name();
    const std::string second = doc.materials.At(1).Name();
    const int count = doc.materials.Count();
    RecordListDlg dialog(
        std::make_unique<MaterialListAdapter>(doc.materials, doc.layers, doc.vapour), prompter);
    dialog.MoveDown(); // nothing selected
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_EQ(prompter.messages[0].text, QStringLiteral("Aucune ligne selectionnée ..."));
    ClickRow(dialog, 1);
    EXPECT_EQ(dialog.SelectedRow(), 1);
    dialog.MoveUp(); // first row: nothing happens, no message
    EXPECT_EQ(prompter.messages.size(), 1u);
    dialog.MoveDown();
    EXPECT_EQ(dialog.SelectedRow(), 2);
    dialog.ApplyResult();
    EXPECT_EQ(doc.materials.At(0).Name(), second);
    EXPECT_EQ(doc.materials.At(1).Name(), first);
    EXPECT_EQ(doc.materials.Count(), count);
}

TEST(ListDialog, ClickingTheSelectedRowDeselectsIt)
{
    KslDoc doc;
    ScriptedPrompter prompter;
    RecordListDlg dialog(std::make_unique<LayerListAdapter>(doc.layers, doc.materials), prompter);
    ClickRow(dialog, 2);
    ClickRow(dialog, 2);
    EXPECT_EQ(dialog.SelectedRow(), -1);
}

TEST(ListDialog, EditingTwiceKeepsOnlyTheLastCopy)
{
    KslDoc doc;
    ScriptedPrompter prompter;
    const CMaterial* stored = &doc.materials.At(2);
    const int identifier = stored->Identifier();
    RecordListDlg dialog(
        std::make_unique<MaterialListAdapter>(doc.materials, doc.layers, doc.vapour), prompter);
    int edits = 0;
    prompter.onDialog = AcceptAs<MaterialDialog>([&edits](MaterialDialog& d) {
        auto* name = d.findChild<QLineEdit*>(ControlName(128));
        name->setText(QStringLiteral("Essai %1").arg(++edits));
    });
    ClickRow(dialog, 3);
    dialog.EditSelected();
    QTest::mouseDClick(dialog.Canvas(), Qt::LeftButton, {}, CellCentre(dialog, 3, 1));
    EXPECT_EQ(edits, 2);
    EXPECT_EQ(dialog.RecordAt<CMaterial>(3)->Name(), "Essai 2");
    EXPECT_NE(stored->Name(), "Essai 2"); // the project is untouched until the result is taken
    dialog.ApplyResult();
    EXPECT_EQ(&doc.materials.At(2), stored);
    EXPECT_EQ(stored->Name(), "Essai 2");
    EXPECT_EQ(stored->Identifier(), identifier);
}

TEST(ListDialog, CancelLeavesEveryRecordUnchanged)
{
    ScriptedPrompter prompter;
    MainWindow window(&prompter);
    KslDoc& doc = window.Document();
    std::vector<std::string> before;
    for (const NMaterialLayer& layer : doc.layers)
        before.push_back(layer.Material()->Name() + "/" + layer.Thickness());
    prompter.onDialog = [&prompter](QDialog& dialog) {
        auto* list = dynamic_cast<RecordListDlg*>(&dialog);
        if (!list)
            return static_cast<int>(QDialog::Rejected);
        list->SelectRow(1);
        list->MoveDown();
        list->AddRow();
        list->SelectRow(1);
        prompter.onDialog = AcceptAs<LayerDialog>([](LayerDialog& d) {
            d.findChild<NumberEdit*>(ControlName(1041))->LoadText(QStringLiteral("999"));
        });
        list->EditSelected();
        return static_cast<int>(QDialog::Rejected);
    };
    EXPECT_FALSE(window.Controller().EditList(ListKind::Layers));
    std::vector<std::string> after;
    for (const NMaterialLayer& layer : doc.layers)
        after.push_back(layer.Material()->Name() + "/" + layer.Thickness());
    EXPECT_EQ(after, before);
    EXPECT_FALSE(doc.modified);
}

TEST(ListDialog, LayerListRefusesAnEighthLayer)
{
    KslDoc doc;
    ScriptedPrompter prompter;
    RecordListDlg dialog(std::make_unique<LayerListAdapter>(doc.layers, doc.materials), prompter);
    while (dialog.Grid().RowCount() - 1 < LayerListAdapter::kMaxLayers)
        dialog.AddRow();
    EXPECT_TRUE(prompter.messages.empty());
    dialog.AddRow();
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_EQ(prompter.messages[0].text, QStringLiteral("Le nombre maximum d'élément est atteint"));
    EXPECT_EQ(dialog.Grid().RowCount() - 1, 7);
    dialog.ApplyResult();
    EXPECT_EQ(doc.layers.Count(), 7);
}

TEST(ListDialog, AssociateMaterialListsInsulantsAfterTheSeparator)
{
    KslDoc doc;
    doc.materials.At(0).SetConductivity("0.09"); // exactly the limit: an insulant
    // Beyond the 20 identifiers 3001 to 3020, materials of the user's own are offered too.
    doc.AddMaterial(3020, 0, "Terre", "1.1", "1800", "1000");
    doc.AddMaterial(3021, 0, "Liège", "0.04", "120", "1500");
    ScriptedPrompter prompter;
    RecordListDlg dialog(std::make_unique<LayerListAdapter>(doc.layers, doc.materials), prompter);
    QMenu* associate = nullptr;
    for (QAction* action : dialog.EditMenu()->actions())
        if (action->menu() && action->text() == QStringLiteral("Associer &Matériau"))
            associate = action->menu();
    ASSERT_NE(associate, nullptr);
    bool afterSeparator = false;
    int checked = 0;
    int position = -1; // in the library, which each group follows
    for (QAction* action : associate->actions()) {
        if (action->isSeparator()) {
            afterSeparator = true;
            position = -1;
            continue;
        }
        const CMaterial* material = doc.FindMaterialByIndex(action->data().toInt() - 3001);
        ASSERT_NE(material, nullptr);
        EXPECT_EQ(afterSeparator, std::stod(material->Conductivity()) <= 0.09) << material->Name();
        EXPECT_GT(doc.materials.IndexOf(material),
            std::exchange(position, doc.materials.IndexOf(material)));
        ++checked;
    }
    EXPECT_EQ(checked, doc.materials.Count());
    // Choosing one gives the selected layer that material, in a copy.
    const NMaterialLayer* stored = &doc.layers.At(0);
    const CMaterial* before = stored->Material();
    dialog.SelectRow(1);
    associate->actions().back()->trigger();
    EXPECT_NE(dialog.RecordAt<NMaterialLayer>(1)->Material(), before);
    EXPECT_EQ(stored->Material(), before);
    dialog.ApplyResult();
    EXPECT_EQ(
        doc.layers.At(0).Material()->Identifier(), associate->actions().back()->data().toInt());
}

TEST(ListDialog, AmbianceRowsShowOnlyTheValuesOfRangedProfiles)
{
    using T = ProfileType;
    using Row = std::vector<std::string>;
    const std::array<std::string, 4> t { "25", "35", "15", "" };
    const std::array<std::string, 4> f { "0", "500", "8", "16" };
    NList<CBCData> records;
    records.Append(std::make_unique<CBCData>(kAmbianceIdentifierBase, "A", Side::Exterior,
        T::Sinusoid, T::Square, Period::Day, Period::Week, t, f));
    records.Append(std::make_unique<CBCData>(
        4002, "B", Side::Exterior, T::Null, T::Null, Period::Week, Period::Day, t, f));
    records.Append(std::make_unique<CBCData>(
        4003, "C", Side::Exterior, T::Solar, T::Solar, Period::Day, Period::Week, t, f));
    records.Append(std::make_unique<CBCData>(
        4004, "D", Side::Exterior, T::Weather, T::Weather, Period::Day, Period::Day, t, f));
    records.Append(std::make_unique<CBCData>( // the other side's: not listed, kept last
        kAmbianceIdentifierBase, "E", Side::Interior, T::Null, T::Null, Period::Day, Period::Day, t,
        f));
    ScriptedPrompter prompter;
    RecordListDlg list(
        std::make_unique<AmbianceListAdapter>(records, Side::Exterior, 0, 90, 0), prompter);
    // Period, value 1 and value 2 of the temperature, then of the flux.
    auto texts = [&list](int row) {
        Row cells;
        for (const int column : { 2, 3, 4, 6, 7, 8 })
            cells.push_back(list.Grid().Cell(row, column).text);
        return cells;
    };
    EXPECT_EQ(texts(1), (Row { "Jour", "25", "35", "Semaine", "0", "500" }));
    EXPECT_EQ(texts(2), (Row { "Semaine", "25", "35", "Jour", "---", "---" })); // null flux
    EXPECT_EQ(texts(3), (Row { "Jour", "---", "---", "Semaine", "---", "---" })); // computed
    EXPECT_EQ(texts(4), (Row { "Jour", "---", "---", "Jour", "---", "---" })); // weather file
    ASSERT_EQ(list.Grid().RowCount(), 5);
    list.SelectRow(4);
    list.MoveUp();
    list.ApplyResult();
    ASSERT_EQ(records.Count(), 5);
    EXPECT_EQ(records.At(2).Name(), "D");
    EXPECT_EQ(records.At(4).Name(), "E");
}

TEST(ListDialog, ChosenAmbianceSurvivesAReorder)
{
    ScriptedPrompter prompter;
    MainWindow window(&prompter);
    KslDoc& doc = window.Document();
    auto* list = window.View().findChild<QComboBox*>(ControlName(1007));
    ASSERT_NE(list, nullptr);
    const QString chosen = list->currentText();
    const int chosenRow = list->currentIndex() + 1;
    ASSERT_EQ(chosenRow, 3);
    prompter.onDialog = AcceptAs<RecordListDlg>([](RecordListDlg& d) {
        d.SelectRow(3); // the chosen one
        d.MoveUp();
        d.MoveUp();
        d.SelectRow(5);
        d.MoveDown();
    });
    emit window.View().ambianceListRequested(Side::Exterior);
    EXPECT_EQ(list->currentText(), chosen);
    EXPECT_EQ(list->currentIndex(), 0);
    EXPECT_EQ(ToQ(doc.exteriorAmbiances.At(0).Name()), chosen);
    EXPECT_TRUE(doc.modified);
}

// A list is used from the keyboard alone: the grid has the focus when the dialog opens, the
// arrows, Home and End choose the row, Return edits it, Insert adds one and Delete deletes it.
TEST(ListDialog, KeysAloneChooseEditAddAndDeleteRows)
{
    KslDoc doc;
    ScriptedPrompter prompter;
    RecordListDlg dialog(std::make_unique<LayerListAdapter>(doc.layers, doc.materials), prompter);
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    EXPECT_EQ(dialog.focusWidget(), dialog.Canvas());
    EXPECT_TRUE(dialog.Canvas()->focusPolicy() & Qt::TabFocus);
    QWidget* grid = dialog.Canvas();
    const int rows = dialog.Grid().RowCount() - 1;
    ASSERT_EQ(rows, 3);

    QTest::keyClick(grid, Qt::Key_Down); // none chosen: the first row
    EXPECT_EQ(dialog.SelectedRow(), 1);
    QTest::keyClick(grid, Qt::Key_Down);
    EXPECT_EQ(dialog.SelectedRow(), 2);
    QTest::keyClick(grid, Qt::Key_End);
    EXPECT_EQ(dialog.SelectedRow(), rows);
    QTest::keyClick(grid, Qt::Key_Down); // stays on the last row
    EXPECT_EQ(dialog.SelectedRow(), rows);
    QTest::keyClick(grid, Qt::Key_Home);
    EXPECT_EQ(dialog.SelectedRow(), 1);
    QTest::keyClick(grid, Qt::Key_Up);
    EXPECT_EQ(dialog.SelectedRow(), 1);

    // Return opens the chosen row's dialog; its thickness comes back into the row.
    prompter.onDialog = AcceptAs<LayerDialog>([](LayerDialog& layer) {
        auto* thickness = layer.findChild<NumberEdit*>(ControlName(1041));
        thickness->selectAll();
        QTest::keyClicks(thickness, QStringLiteral("77"));
    });
    QTest::keyClick(grid, Qt::Key_Return);
    ASSERT_EQ(prompter.dialogTitles.size(), 1);
    EXPECT_TRUE(prompter.messages.empty()); // no "Aucune ligne selectionnée ..."
    QTest::keyClick(grid, Qt::Key_Insert);
    EXPECT_EQ(dialog.Grid().RowCount() - 1, rows + 1);
    EXPECT_EQ(dialog.SelectedRow(), 2); // the new row, after the chosen one
    QTest::keyClick(grid, Qt::Key_Delete);
    QTest::keyClick(grid, Qt::Key_End);
    QTest::keyClick(grid, Qt::Key_Delete);
    EXPECT_EQ(dialog.Grid().RowCount() - 1, rows - 1);
    dialog.ApplyResult();
    ASSERT_EQ(doc.layers.Count(), rows - 1);
    EXPECT_EQ(doc.layers.At(0).Thickness(), "77");
}

} // namespace
