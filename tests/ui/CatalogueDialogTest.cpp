// "Catalogue..." in the material list: the catalogue searched by name and family, a membrane's
// default λ said so, and a material added as one of the user's own in one step of the history,
// saved and reopened with every value, undone back to the original file.
#include "ui/lists/CatalogueDialog.h"
#include "UiTestSupport.h"
#include "engine/InstalledData.h"
#include "graphics/QtStrings.h"
#include "model/KslDoc.h"
#include "persistence/ProjectFile.h"
#include "support/TempFolder.h"
#include "ui/lists/RecordListDlg.h"
#include "ui/main/MainWindow.h"
#include "ui/project/EditHistory.h"
#include "ui/project/ProjectController.h"

#include <QAction>
#include <QTableWidget>
#include <QUndoStack>

#include <gtest/gtest.h>

using namespace quelvan;
using namespace quelvan::ui;
using quelvan::ui::test::ScriptedPrompter;

namespace {

std::vector<CatalogueEntry> Catalogue()
{
    const std::optional<std::string> path = FindMaterialCatalogue();
    EXPECT_TRUE(path);
    std::string error;
    std::optional<std::vector<CatalogueEntry>> entries
        = path ? ReadCatalogueFile(*path, &error) : std::nullopt;
    EXPECT_TRUE(entries) << error;
    return entries.value_or(std::vector<CatalogueEntry> {});
}

// The first membrane sold by its s_d, whose λ, ρ and c are the catalogue's defaults.
const CatalogueEntry* Membrane(const std::vector<CatalogueEntry>& entries)
{
    for (const CatalogueEntry& e : entries)
        if (!e.sd.empty() && e.conductivityDefault)
            return &e;
    return nullptr;
}

TEST(Catalogue, SearchesByNameAndFamilyAndSaysWhichValuesAreDefaults)
{
    const std::vector<CatalogueEntry> entries = Catalogue();
    ASSERT_GT(entries.size(), 100u);
    const CatalogueEntry* membrane = Membrane(entries);
    ASSERT_NE(membrane, nullptr);
    CatalogueDialog dialog(entries);
    EXPECT_EQ(dialog.ShownCount(), static_cast<int>(entries.size()));
    // By family, ignoring case and accents: every row shown is of that family or names it.
    dialog.Search(ToQ(SearchFolded(membrane->family)).toUpper());
    ASSERT_GT(dialog.ShownCount(), 0);
    EXPECT_LT(dialog.ShownCount(), static_cast<int>(entries.size()));
    dialog.Search(ToQ(membrane->name));
    ASSERT_GE(dialog.ShownCount(), 1);
    const QTableWidget* table = dialog.Table();
    EXPECT_EQ(table->item(0, 0)->text().toStdString(), membrane->name);
    EXPECT_TRUE(table->item(0, 2)->text().endsWith(QStringLiteral("(défaut)")));
    EXPECT_EQ(table->item(0, 5)->text().toStdString(), "s_d " + membrane->sd + " m");
    EXPECT_TRUE(table->item(0, 6)->text().contains(QStringLiteral("par défaut")));
    dialog.Search(QStringLiteral("aucun matériau de ce nom"));
    EXPECT_EQ(dialog.ShownCount(), 0);
    dialog.accept(); // nothing to add
    EXPECT_FALSE(dialog.Chosen());
}

TEST(Catalogue, AddedMaterialIsSavedReopenedAndUndone)
{
    const std::vector<CatalogueEntry> entries = Catalogue();
    const CatalogueEntry* membrane = Membrane(entries);
    ASSERT_NE(membrane, nullptr);
    quelvan::test::TempFolder temp { "catalogue" };
    const std::string path = temp.File("mur.ksl");
    ASSERT_EQ(WriteProjectFile(KslDoc {}, path), WriteResult::Ok);
    const std::string original = quelvan::test::ReadBytes(path);
    ScriptedPrompter prompter;
    MainWindow window(&prompter);
    ASSERT_TRUE(window.OpenFile(path));
    const int before = window.Document().materials.Count();

    prompter.onDialog = [&prompter, membrane](QDialog& dialog) {
        auto* list = dynamic_cast<RecordListDlg*>(&dialog);
        if (!list)
            return static_cast<int>(QDialog::Rejected);
        prompter.onDialog = [membrane](QDialog& inner) {
            auto* catalogue = dynamic_cast<CatalogueDialog*>(&inner);
            if (!catalogue)
                return static_cast<int>(QDialog::Rejected);
            catalogue->Search(ToQ(membrane->name));
            catalogue->ChooseRow(0);
            catalogue->accept();
            return static_cast<int>(QDialog::Accepted);
        };
        list->findChild<QAction*>(QStringLiteral("actionCatalogue"))->trigger();
        return static_cast<int>(QDialog::Accepted);
    };
    ASSERT_TRUE(window.Controller().EditList(ListKind::Materials));
    const auto check = [membrane, before](const KslDoc& doc) {
        ASSERT_EQ(doc.materials.Count(), before + 1);
        const CMaterial& added = doc.materials.At(before);
        EXPECT_EQ(added.Name(), membrane->name);
        EXPECT_EQ(added.Conductivity(), membrane->conductivity);
        EXPECT_EQ(added.Density(), membrane->density);
        EXPECT_EQ(added.Capacity(), membrane->capacity);
        ASSERT_EQ(doc.vapour.Count(), 1);
        EXPECT_EQ(doc.vapour.At(0).index, added.LibraryIndex());
        EXPECT_EQ(doc.vapour.At(0).sd, membrane->sd);
        EXPECT_TRUE(doc.vapour.At(0).mu.empty());
    };
    check(window.Document());
    // One step, named after the list and the command.
    EXPECT_EQ(window.Controller().History().Stack().count(), 1);
    ASSERT_TRUE(window.Controller().Save());
    KslDoc read;
    ASSERT_EQ(ReadProjectFile(read, path), Failure::None);
    check(read);

    // Undone: the project is the original file again; redone: every value is back.
    QUndoStack& stack = window.Controller().History().Stack();
    stack.undo();
    EXPECT_EQ(window.Document().materials.Count(), before);
    EXPECT_TRUE(window.Document().vapour.IsEmpty());
    ASSERT_TRUE(window.Controller().Save());
    EXPECT_EQ(quelvan::test::ReadBytes(path), original);
    stack.redo();
    check(window.Document());
    ASSERT_TRUE(window.Controller().Save());
    ASSERT_TRUE(window.OpenFile(path));
    check(window.Document());
}

} // namespace
