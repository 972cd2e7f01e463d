// The project's edit history: every kind of edit is undone and redone, the modified mark follows
// the saved state, a list dialog gives one step per change, a new project starts afresh.
#include "ui/project/EditHistory.h"
#include "UiTestSupport.h"
#include "graphics/QtStrings.h"
#include "model/KslDoc.h"
#include "model/ProjectState.h"
#include "ui/lists/LayerListAdapter.h"
#include "ui/lists/RecordListDlg.h"
#include "ui/main/KslView.h"
#include "ui/main/MainWindow.h"
#include "ui/project/ProjectController.h"
#include "ui/widgets/ControlNames.h"
#include "ui/widgets/NumberEdit.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

#include <ostream>

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <string>
#include <vector>

using namespace quelvan;
using namespace quelvan::ui;
using quelvan::ui::test::ScriptedPrompter;

namespace {

using DialogStep = std::function<void(QDialog&)>;

// The main window with a queue of dialog steps: each modal dialog is played by the next step,
// then accepted (a dialog whose "OK" refuses stays rejected).
class Desk {
public:
    Desk()
    {
        prompter.onDialog = [this](QDialog& dialog) {
            if (steps.empty())
                return static_cast<int>(QDialog::Rejected);
            const DialogStep step = std::move(steps.front());
            steps.pop_front();
            step(dialog);
            dialog.accept();
            return dialog.result();
        };
    }

    ProjectState State() { return CaptureProjectState(Doc(), window.View().FormValuesShown()); }
    KslDoc& Doc() { return window.Document(); }
    QUndoStack& Stack() { return window.Controller().History().Stack(); }
    template <typename W> W* Control(int id) { return window.findChild<W*>(ControlName(id)); }

    // Opens a list (by its menu entry, as the user does) and plays it.
    void InList(ListKind kind, Side side, std::function<void(RecordListDlg&)> play)
    {
        steps.push_front([play](QDialog& d) { play(dynamic_cast<RecordListDlg&>(d)); });
        if (kind == ListKind::Materials)
            window.Action(QStringLiteral("actionMaterials"))->trigger();
        else if (kind == ListKind::Layers)
            window.Controller().EditList(ListKind::Layers);
        else
            window
                .Action(side == Side::Exterior ? QStringLiteral("actionExteriorAmbiances")
                                               : QStringLiteral("actionInteriorAmbiances"))
                ->trigger();
    }
    // The next editing dialog gets that text in its control.
    void Then(int control, const char* text)
    {
        steps.push_back([control, text](QDialog& d) {
            d.findChild<QLineEdit*>(ControlName(control))->setText(ToQ(text));
        });
    }
    void Retype(int field, const char* text)
    {
        auto* edit = Control<NumberEdit>(field);
        edit->setFocus();
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Delete);
        QTest::keyClicks(edit, ToQ(text));
    }
    void Save()
    {
        prompter.saveNames.push_back(folder.filePath(QStringLiteral("p.ksl")));
        window.SaveProject();
    }
    std::vector<std::string> Layers()
    {
        std::vector<std::string> layers;
        for (const NMaterialLayer& layer : Doc().layers)
            layers.push_back(layer.Material()->Name() + " " + layer.Thickness());
        return layers;
    }

    QTemporaryDir folder;
    ScriptedPrompter prompter;
    std::deque<DialogStep> steps;
    MainWindow window { &prompter };
};

struct EditCase {
    const char* name;
    // Brings the project to the state the edit starts from (then saved), if needed.
    std::function<void(Desk&)> prepare;
    std::function<void(Desk&)> edit;

    friend void PrintTo(const EditCase& c, std::ostream* os) { *os << c.name; }
};

// Duplicates a list's first row and keeps the copy ("Copie de ..."), the own record a deletion
// needs.
void DuplicateFirst(Desk& d, ListKind kind, int nameControl)
{
    d.Then(nameControl, "Copie gardée");
    d.InList(kind, Side::Exterior, [](RecordListDlg& list) {
        list.SelectRow(1);
        list.DuplicateSelected();
    });
}

const EditCase kEdits[] = {
    { "FormField", nullptr, [](Desk& d) { d.Retype(1002, "0.1"); } },
    { "Placement", nullptr, [](Desk& d) { d.Control<QComboBox>(1033)->setCurrentIndex(0); } },
    { "AmbianceChoice", nullptr, [](Desk& d) { d.Control<QComboBox>(1007)->setCurrentIndex(0); } },
    { "LayerEdited", nullptr,
        [](Desk& d) {
            d.Then(1041, "150");
            d.InList(ListKind::Layers, {}, [](RecordListDlg& l) {
                l.SelectRow(1);
                l.EditSelected();
            });
        } },
    { "LayerAssociated", nullptr,
        [](Desk& d) {
            const CMaterial& earth = d.Doc().materials.At(5);
            d.InList(ListKind::Layers, {}, [&earth](RecordListDlg& l) {
                l.SelectRow(3);
                static_cast<LayerListAdapter&>(l.List()).AssociateMaterial(l, earth);
            });
        } },
    { "MaterialEdited", nullptr,
        [](Desk& d) {
            d.Then(128, "Béton très lourd");
            d.InList(ListKind::Materials, {}, [](RecordListDlg& l) {
                l.SelectRow(1);
                l.EditSelected();
            });
        } },
    { "MaterialDuplicated", nullptr, [](Desk& d) { DuplicateFirst(d, ListKind::Materials, 128); } },
    { "MaterialDeleted", [](Desk& d) { DuplicateFirst(d, ListKind::Materials, 128); },
        [](Desk& d) {
            d.InList(ListKind::Materials, {}, [](RecordListDlg& l) {
                l.SelectRow(2); // the copy, after its original
                l.DeleteRow();
            });
        } },
    { "AmbianceEdited", nullptr,
        [](Desk& d) {
            d.Then(1021, "Nuit claire");
            d.InList(ListKind::Ambiances, Side::Interior, [](RecordListDlg& l) {
                l.SelectRow(1);
                l.EditSelected();
            });
        } },
    { "AmbianceDuplicated", nullptr,
        [](Desk& d) { DuplicateFirst(d, ListKind::Ambiances, 1021); } },
    { "AmbianceDeleted", [](Desk& d) { DuplicateFirst(d, ListKind::Ambiances, 1021); },
        [](Desk& d) {
            d.InList(ListKind::Ambiances, Side::Exterior, [](RecordListDlg& l) {
                l.SelectRow(2);
                l.DeleteRow();
            });
        } },
    { "References", nullptr,
        [](Desk& d) {
            d.Then(1093, "A. Dupont");
            d.window.Controller().References();
        } },
};

class EveryEdit : public testing::TestWithParam<EditCase> { };

TEST_P(EveryEdit, IsUndoneToTheSavedStateAndRedone)
{
    Desk d;
    if (GetParam().prepare) {
        GetParam().prepare(d);
        d.Save();
    }
    ASSERT_FALSE(d.Doc().modified);
    const ProjectState before = d.State();
    GetParam().edit(d);
    const ProjectState after = d.State();
    ASSERT_NE(after, before) << "the edit changed nothing";
    EXPECT_TRUE(d.Doc().modified);
    EXPECT_EQ(d.Stack().count() - d.Stack().cleanIndex(), 1) << "one step for one change";

    d.window.Action(QStringLiteral("actionUndo"))->trigger();
    EXPECT_EQ(d.State(), before);
    EXPECT_EQ(d.Doc().StoredFormValues(), before.form);
    EXPECT_FALSE(d.Doc().modified);
    d.window.Action(QStringLiteral("actionRedo"))->trigger();
    EXPECT_EQ(d.State(), after);
    EXPECT_TRUE(d.Doc().modified);
    // The wall drawn and computed is the restored one: its layers point into its library.
    for (const NMaterialLayer& layer : d.Doc().layers)
        EXPECT_GE(d.Doc().materials.IndexOf(layer.Material()), 0);
}

INSTANTIATE_TEST_SUITE_P(Kinds, EveryEdit, testing::ValuesIn(kEdits),
    [](const testing::TestParamInfo<EditCase>& info) { return std::string(info.param.name); });

TEST(EditHistory, AListSessionGivesOneStepPerChangeEachUndoneInTurn)
{
    Desk d;
    const std::vector<std::string> opened = d.Layers();
    ASSERT_EQ(opened.size(), 3u);
    d.InList(ListKind::Layers, {}, [](RecordListDlg& l) {
        l.SelectRow(1);
        l.MoveDown(); // the first layer becomes the second
        l.AddRow(); // 100 mm of the first material after it
        l.SelectRow(4);
        l.DeleteRow(); // the last layer
    });
    const std::vector<std::string> moved { opened[1], opened[0], opened[2] };
    std::vector<std::string> added = moved;
    added.insert(added.begin() + 2, "Béton lourd 100");
    const std::vector<std::string> deleted(added.begin(), added.begin() + 3);
    ASSERT_EQ(d.Layers(), deleted);
    EXPECT_EQ(d.Stack().count(), 3);
    EXPECT_EQ(d.Stack().undoText(), QStringLiteral("Couches : Supprimer"));
    EXPECT_EQ(d.window.Action(QStringLiteral("actionUndo"))->text(),
        QStringLiteral("&Annuler : Couches : Supprimer"));
    for (const auto& expected : { added, moved, opened }) {
        d.Stack().undo();
        EXPECT_EQ(d.Layers(), expected);
    }
    EXPECT_FALSE(d.Doc().modified);
}

TEST(EditHistory, KeystrokesInOneFieldMakeOneStepThatTheFieldsKeysUndoAndRedo)
{
    Desk d;
    auto* rse = d.Control<NumberEdit>(1002);
    d.Retype(1002, "0.05");
    d.Retype(1052, "0.2");
    EXPECT_EQ(d.Stack().count(), 2);
    QTest::keyClick(rse, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(d.Control<NumberEdit>(1052)->text(), QStringLiteral("0.13"));
    QTest::keyClick(rse, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(rse->text(), QStringLiteral("0.04"));
    EXPECT_FALSE(d.Doc().modified);
    QTest::keyClick(rse, Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(rse->text(), QStringLiteral("0.05"));
    QTest::keyClick(rse, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(d.Control<NumberEdit>(1052)->text(), QStringLiteral("0.2"));
    // Typing a field back to its value leaves no step.
    d.Retype(1003, "0.4");
    EXPECT_EQ(d.Stack().count(), 2);
}

TEST(EditHistory, TheSaveQuestionFollowsTheSavedStateAndANewOrOpenedProjectStartsAfresh)
{
    Desk d;
    EXPECT_EQ(d.window.windowTitle(), QStringLiteral("Sans nom - Quelvan"));
    d.Retype(1002, "0.1");
    // The title's modified mark follows the same state as the question.
    EXPECT_EQ(d.window.windowTitle(), QStringLiteral("Sans nom* - Quelvan"));
    d.Save();
    EXPECT_FALSE(d.Doc().modified);
    EXPECT_EQ(d.window.windowTitle(), QStringLiteral("p - Quelvan"));
    d.Stack().undo();
    EXPECT_TRUE(d.Doc().modified);
    EXPECT_EQ(d.window.windowTitle(), QStringLiteral("p* - Quelvan"));
    d.prompter.answers.push_back(Prompter::Answer::Cancel);
    d.window.NewProject();
    EXPECT_EQ(d.prompter.questions.size(), 1);
    d.Stack().redo(); // back to what the file holds: no question
    EXPECT_EQ(d.window.windowTitle(), QStringLiteral("p - Quelvan"));
    d.window.NewProject();
    EXPECT_EQ(d.prompter.questions.size(), 1);
    EXPECT_EQ(d.Stack().count(), 0);
    EXPECT_FALSE(d.window.Action(QStringLiteral("actionUndo"))->isEnabled());
    EXPECT_EQ(d.Control<NumberEdit>(1002)->text(), QStringLiteral("0.04"));

    // An opened project starts afresh too, unmodified, whatever the history held before.
    d.Retype(1002, "0.2");
    d.Retype(1001, "0.3");
    ASSERT_EQ(d.Stack().count(), 2);
    d.Stack().undo();
    ASSERT_TRUE(d.window.OpenFile(d.folder.filePath(QStringLiteral("p.ksl")).toStdString()));
    EXPECT_EQ(d.Stack().count(), 0);
    EXPECT_FALSE(d.Doc().modified);
    EXPECT_FALSE(d.window.Action(QStringLiteral("actionRedo"))->isEnabled());
    EXPECT_EQ(d.Control<NumberEdit>(1002)->text(), QStringLiteral("0.1"));
}

TEST(EditHistory, LockedInCalculationMode)
{
    Desk d;
    d.Retype(1002, "0.1");
    QAction* undo = d.window.Action(QStringLiteral("actionUndo"));
    ASSERT_TRUE(undo->isEnabled());
    d.window.View().SetCalculationMode(true);
    ASSERT_TRUE(d.window.View().IsCalculationMode());
    EXPECT_FALSE(undo->isEnabled());
    d.window.View().SetCalculationMode(false);
    EXPECT_TRUE(undo->isEnabled());
}

} // namespace
