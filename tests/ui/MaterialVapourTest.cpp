// The vapour resistance of a material in the material dialog and the material list: μ or s_d
// with their bounds and the red frame, the built-in μ shown as a hint and never written out,
// the list's μ column, and an edit that is one step of the history, saved and undone.
#include "UiTestSupport.h"
#include "engine/moisture/MoistureWall.h"
#include "graphics/NGridTable.h"
#include "model/KslDoc.h"
#include "model/NMaterialLayer.h"
#include "persistence/ProjectFile.h"
#include "support/TempFolder.h"
#include "ui/lists/MaterialListAdapter.h"
#include "ui/lists/RecordListDlg.h"
#include "ui/main/MainWindow.h"
#include "ui/project/EditHistory.h"
#include "ui/project/ProjectController.h"
#include "ui/records/MaterialDialog.h"
#include "ui/widgets/NumberEdit.h"

#include <QTest>

#include <gtest/gtest.h>

using namespace quelvan;
using namespace quelvan::ui;
using quelvan::ui::test::AcceptAs;
using quelvan::ui::test::ScriptedPrompter;

namespace {

void Type(NumberEdit* field, const QString& text)
{
    field->selectAll();
    QTest::keyClick(field, Qt::Key_Delete);
    QTest::keyClicks(field, text);
}

int RowOf(const KslDoc& doc, const std::string& name)
{
    for (int i = 0; i < doc.materials.Count(); ++i)
        if (doc.materials.At(i).Name() == name)
            return i + 1; // the grid's first row holds the headings
    return -1;
}

TEST(MaterialVapour, DialogRefusesMuAndSdOutOfBoundsWithTheRedFrame)
{
    KslDoc doc;
    const CMaterial& wool = doc.materials.At(RowOf(doc, "Laine de verre") - 1);
    MaterialDialog dialog(wool, nullptr, VapourFields { {}, {}, 1.0 });
    auto* mu = dialog.findChild<NumberEdit*>(QStringLiteral("mu"));
    auto* sd = dialog.findChild<NumberEdit*>(QStringLiteral("sd"));
    ASSERT_NE(mu, nullptr);
    ASSERT_NE(sd, nullptr);
    // The built-in value is a hint, not a text that "OK" would store.
    EXPECT_TRUE(mu->text().isEmpty());
    EXPECT_TRUE(mu->placeholderText().startsWith(QStringLiteral("1 ")));
    dialog.show();
    Type(mu, QStringLiteral("0.5")); // below air's 1
    EXPECT_TRUE(mu->IsRefused());
    EXPECT_TRUE(mu->RefusalText().contains(QStringLiteral("de 1 à")))
        << mu->RefusalText().toStdString();
    dialog.accept();
    EXPECT_FALSE(dialog.TakeResult()); // stays open on the refused value
    Type(mu, QStringLiteral("3"));
    EXPECT_FALSE(mu->IsRefused());
    Type(sd, QStringLiteral("200000")); // beyond any membrane
    EXPECT_TRUE(sd->IsRefused());
    dialog.accept();
    EXPECT_FALSE(dialog.TakeResult());
    Type(sd, QStringLiteral("0,2")); // a decimal comma becomes a point
    dialog.accept();
    EXPECT_TRUE(dialog.TakeResult());
    EXPECT_EQ(dialog.Vapour().mu, "3");
    EXPECT_EQ(dialog.Vapour().sd, "0.2");
}

// μ typed for the glass wool in the list: the list shows it, the check reads it (s_d = μ·d),
// the project saves and reads it back; undone, the project is the original byte for byte.
TEST(MaterialVapour, ListEditIsOneUndoableStepTheCheckReads)
{
    quelvan::test::TempFolder temp { "material-vapour" };
    const std::string path = temp.File("mur.ksl");
    ASSERT_EQ(WriteProjectFile(KslDoc {}, path), WriteResult::Ok);
    const std::string original = quelvan::test::ReadBytes(path);
    ScriptedPrompter prompter;
    MainWindow window(&prompter);
    ASSERT_TRUE(window.OpenFile(path));
    KslDoc& doc = window.Document();
    const int row = RowOf(doc, "Laine de verre");
    ASSERT_GT(row, 0);
    std::string listed;
    prompter.onDialog = [&prompter, &listed, row](QDialog& dialog) {
        auto* list = dynamic_cast<RecordListDlg*>(&dialog);
        if (!list)
            return static_cast<int>(QDialog::Rejected);
        // Replacing the handler ends this lambda's captures: what it needs is copied first.
        std::string& shown = listed;
        const int edited = row;
        // The list's last column is μ: the built-in value before the edit.
        EXPECT_EQ(list->Grid().Cell(edited, 7).text, "1");
        prompter.onDialog = AcceptAs<MaterialDialog>([](MaterialDialog& d) {
            Type(d.findChild<NumberEdit*>(QStringLiteral("mu")), QStringLiteral("3"));
        });
        list->SelectRow(edited);
        list->EditSelected();
        shown = list->Grid().Cell(edited, 7).text;
        return static_cast<int>(QDialog::Accepted);
    };
    ASSERT_TRUE(window.Controller().EditList(ListKind::Materials));
    EXPECT_EQ(listed, "3");
    ASSERT_EQ(doc.vapour.Count(), 1);
    EXPECT_EQ(doc.vapour.At(0).mu, "3");
    std::string error;
    const auto wall = moisture::MoistureWallFromProject(doc, &error);
    ASSERT_TRUE(wall) << error;
    for (const moisture::MoistureLayer& layer : wall->layers) {
        if (layer.name == "Laine de verre") {
            EXPECT_NEAR(layer.sd, 3.0 * layer.thicknessM, 1e-12);
        }
    }
    ASSERT_TRUE(window.Controller().Save());
    KslDoc read;
    ASSERT_EQ(ReadProjectFile(read, path), Failure::None);
    ASSERT_EQ(read.vapour.Count(), 1);
    EXPECT_EQ(read.vapour.At(0), doc.vapour.At(0));

    window.Controller().History().Stack().undo();
    EXPECT_TRUE(window.Document().vapour.IsEmpty());
    ASSERT_TRUE(window.Controller().Save());
    EXPECT_EQ(quelvan::test::ReadBytes(path), original);
}

// "OK" in the dialog without a change and a duplicated built-in material leave the project
// without vapour records: the file stays the one it always was.
TEST(MaterialVapour, UntouchedValuesAreNeverWrittenOut)
{
    KslDoc doc;
    ScriptedPrompter prompter;
    RecordListDlg dialog(
        std::make_unique<MaterialListAdapter>(doc.materials, doc.layers, doc.vapour), prompter);
    prompter.onDialog = AcceptAs<MaterialDialog>([](MaterialDialog&) {});
    dialog.SelectRow(RowOf(doc, "Laine de verre"));
    dialog.EditSelected();
    dialog.DuplicateSelected();
    dialog.ApplyResult();
    EXPECT_TRUE(doc.vapour.IsEmpty());
}

} // namespace
