// Materials and ambiances of the user's own: "Dupliquer" in the material and ambiance lists,
// "Supprimer" of the records added that way, and their way through the project file.
#include "UiTestSupport.h"
#include "model/KslDoc.h"
#include "model/OwnRecords.h"
#include "ui/lists/AmbianceListAdapter.h"
#include "ui/lists/MaterialListAdapter.h"
#include "ui/lists/RecordListDlg.h"
#include "ui/main/KslView.h"
#include "ui/main/MainWindow.h"
#include "ui/project/ProjectController.h"
#include "ui/records/AmbianceDialog.h"
#include "ui/records/MaterialDialog.h"
#include "ui/widgets/ControlNames.h"
#include "ui/widgets/NumberEdit.h"

#include <QComboBox>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace quelvan;
using namespace quelvan::ui;
using quelvan::ui::test::ScriptedPrompter;

namespace {

constexpr int kAccepted = QDialog::Accepted;

// Plays a list dialog (accepted after `play`) and accepts every editing dialog it opens,
// a material dialog with the conductivity "0.5".
std::function<int(QDialog&)> PlayList(std::function<void(RecordListDlg&)> play)
{
    return [play](QDialog& dialog) {
        if (auto* list = dynamic_cast<RecordListDlg*>(&dialog)) {
            play(*list);
            return kAccepted;
        }
        if (auto* material = dynamic_cast<MaterialDialog*>(&dialog))
            material->findChild<NumberEdit*>(ControlName(125))->LoadText("0.5");
        dialog.accept();
        return kAccepted;
    };
}

TEST(OwnRecords, ADuplicatedMaterialSurvivesSaveAndReopen)
{
    QTemporaryDir folder;
    ScriptedPrompter prompter;
    MainWindow window(&prompter);
    KslDoc& doc = window.Document();
    // A copy of "Plâtre" (row 9), used by a layer.
    prompter.onDialog = PlayList([](RecordListDlg& list) {
        list.SelectRow(9);
        list.DuplicateSelected();
    });
    ASSERT_TRUE(window.Controller().EditList(ListKind::Materials));
    ASSERT_EQ(doc.materials.Count(), 20);
    EXPECT_EQ(doc.materials.At(9).Name(), "Copie de Plâtre");
    EXPECT_EQ(doc.materials.At(9).Identifier(), 3020);
    EXPECT_EQ(doc.materials.At(9).Conductivity(), "0.5");
    // A colour of its own: the section tells a layer of the copy from one of the original.
    EXPECT_EQ(doc.materials.At(9).GetColour(), CopyColour({}));
    EXPECT_NE(doc.materials.At(9).GetColour(), doc.materials.At(8).GetColour());
    doc.layers.At(2).SetMaterial(&doc.materials.At(9));
    const QString path = folder.filePath(QStringLiteral("mur.ksl"));
    prompter.saveNames.push_back(path);
    ASSERT_TRUE(window.Controller().SaveAs());

    ASSERT_TRUE(window.Controller().OpenPath(path));
    ASSERT_EQ(doc.materials.Count(), 20);
    EXPECT_EQ(doc.layers.At(2).Material(), &doc.materials.At(9));
    EXPECT_EQ(doc.layers.At(2).Material()->Conductivity(), "0.5");
    EXPECT_EQ(doc.layers.At(2).Material()->GetColour(), CopyColour({}));
}

TEST(OwnRecords, CancelInTheCopysDialogUndoesTheDuplication)
{
    KslDoc doc;
    ScriptedPrompter prompter;
    RecordListDlg list(
        std::make_unique<AmbianceListAdapter>(doc.interiorAmbiances, Side::Interior, 0, 90, 9),
        prompter);
    list.SelectRow(4);
    list.DuplicateSelected(); // the default prompter cancels the dialog
    EXPECT_EQ(prompter.dialogTitles, QStringList { QStringLiteral("Ambiance") });
    EXPECT_EQ(list.Grid().RowCount(), 1 + 9);
    EXPECT_EQ(list.SelectedRow(), 4);
    prompter.onDialog = quelvan::ui::test::AcceptAs<QDialog>([](QDialog&) {});
    list.DuplicateSelected();
    list.ApplyResult();
    ASSERT_EQ(doc.interiorAmbiances.Count(), 10);
    // The first index after the built-in 0-8 but the chosen one (9, which no record has yet).
    EXPECT_EQ(doc.interiorAmbiances.At(4).Index(), 10);
}

TEST(OwnRecords, ListsStopAtTheirMaximum)
{
    KslDoc doc;
    for (int index = kBuiltInMaterialCount; index < kMaxListRecords; ++index)
        doc.AddMaterial(3001 + index, 0, "M", "1", "1", "1");
    ScriptedPrompter prompter;
    RecordListDlg list(
        std::make_unique<MaterialListAdapter>(doc.materials, doc.layers, doc.vapour), prompter);
    list.SelectRow(1);
    list.DuplicateSelected();
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_EQ(prompter.messages[0].text, QStringLiteral("Le nombre maximum d'élément est atteint"));
    EXPECT_TRUE(prompter.dialogTitles.isEmpty());
}

// Deletes each row in turn; the messages shown, one per row ("" when the row went).
QStringList DeleteRows(RecordListDlg& list, ScriptedPrompter& prompter, std::vector<int> rows)
{
    QStringList shown;
    for (const int row : rows) {
        const size_t before = prompter.messages.size();
        list.SelectRow(row);
        list.DeleteRow();
        shown << (prompter.messages.size() > before ? prompter.messages.back().text : QString());
    }
    return shown;
}

TEST(OwnRecords, OnlyOwnRecordsThatNothingUsesAreDeleted)
{
    KslDoc doc;
    doc.layers.At(2).SetMaterial(&doc.AddMaterial(3020, 4, "Terre", "1", "1800", "1000"));
    doc.AddMaterial(3021, 4, "Liège", "0.04", "120", "1500");
    doc.AddAmbiance(4013, Side::Exterior, "Nuit", ProfileType::Constant, ProfileType::Null,
        Period::Day, Period::Day, { "5", "5", "0", "0" }, {});
    doc.AddAmbiance(4014, Side::Exterior, "Jour", ProfileType::Constant, ProfileType::Null,
        Period::Day, Period::Day, { "25", "25", "0", "0" }, {});
    doc.selectedExterior = 12;
    ScriptedPrompter prompter;
    RecordListDlg materials(
        std::make_unique<MaterialListAdapter>(doc.materials, doc.layers, doc.vapour), prompter);
    EXPECT_EQ(DeleteRows(materials, prompter, { 1, 20, 21 }),
        (QStringList { QStringLiteral("« Béton lourd » fait partie de la bibliothèque d'origine : "
                                      "seuls les matériaux ajoutés peuvent être supprimés"),
            QStringLiteral("« Terre » ne peut pas être supprimé : la couche 3 de la paroi est "
                           "faite de ce matériau"),
            QString() }));
    materials.ApplyResult();
    RecordListDlg ambiances(
        std::make_unique<AmbianceListAdapter>(doc.exteriorAmbiances, Side::Exterior, 0, 90, 12),
        prompter);
    EXPECT_EQ(DeleteRows(ambiances, prompter, { 12, 13, 14 }),
        (QStringList { QStringLiteral("« Météo de la ville de Mâcon » fait partie des ambiances "
                                      "d'origine : seules les ambiances ajoutées peuvent être "
                                      "supprimées"),
            QStringLiteral("« Nuit » ne peut pas être supprimée : c'est l'ambiance extérieure "
                           "choisie pour la paroi"),
            QString() }));
    ambiances.ApplyResult();
    EXPECT_EQ(doc.materials.Count(), 20);
    EXPECT_EQ(doc.FindMaterialByName("Liège"), nullptr);
    EXPECT_EQ(doc.exteriorAmbiances.Count(), 13);
    EXPECT_EQ(doc.exteriorAmbiances.At(12).Name(), "Nuit");
}

} // namespace
