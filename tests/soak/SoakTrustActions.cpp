// The soak's actions that walk the faults once found by hand: each acts as the user did and
// checks that no number is wrong, stale or destroyed without a word.
#include "SoakDriver.h"
#include "graphics/QtStrings.h"

#include "engine/CalculationInputs.h"
#include "model/CalculationSource.h"
#include "model/KslDoc.h"
#include "persistence/ResultsFile.h"
#include "support/TempFolder.h"
#include "ui/main/CalculationRunner.h"
#include "ui/main/KslView.h"
#include "ui/main/MainWindow.h"
#include "ui/project/ProjectController.h"
#include "ui/studies/AnnualBalanceWindow.h"
#include "ui/widgets/NumberEdit.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace quelvan::ui::soak {

namespace {

// Whether every character of part comes in typed, in order: what a field kept of a typed text
// (the revert of a range it refuses may drop characters, never bring back old ones).
bool KeptFrom(const QString& typed, const QString& part)
{
    qsizetype at = 0;
    for (const QChar c : part) {
        at = typed.indexOf(c, at);
        if (at < 0)
            return false;
        ++at;
    }
    return true;
}

bool Exists(const std::string& path)
{
    return QFile::exists(ToQ(path));
}

} // namespace

void SoakDriver::EditAfterRunThenSave()
{
    KslDoc& doc = window_->Document();
    KslView& view = window_->View();
    if (doc.unnamed || window_->View().IsCalculationMode())
        return;
    Trace(QStringLiteral("run, edit, save"));
    view.SetCalculationMode(true);
    if (!view.IsCalculationMode())
        return; // refused (its message was shown)
    CalculationRunner& runner = view.Runner();
    runner.PressRun();
    for (int poll = 0; poll < 50 && runner.Engine().CanAdvance(); ++poll) {
        clock_ += 0.1;
        runner.PollOnce();
    }
    view.SetCalculationMode(false);
    TypeInto(view.findChild<NumberEdit*>(Chance(50) ? "c1003" : "c1002"));
    const std::string results = ResultsFilePath(doc);
    const std::string before = quelvan::test::ReadBytes(results);
    const bool existed = Exists(results);
    window_->Controller().Save();
    // Written by this save only for a calculation of the project as it is saved.
    if (Exists(results) && (!existed || quelvan::test::ReadBytes(results) != before)
        && !HoldsCurrentResults(doc))
        ADD_FAILURE() << "results of another calculation saved beside " << doc.fullPath << " (seed "
                      << plan_.seed << ")";
}

void SoakDriver::ExportOntoReadFiles()
{
    if (window_->View().IsCalculationMode())
        return;
    const std::vector<std::string> read
        = ProjectFilesRead(window_->Document(), window_->View().InputsFromControls());
    if (read.empty())
        return;
    const std::string target = Pick(read);
    const std::string before = quelvan::test::ReadBytes(target);
    Trace(QStringLiteral("outputs onto %1").arg(ToQ(target)));
    forcedOutput_ = ToQ(target);
    window_->Action(QStringLiteral("actionExportPdf"))->trigger();
    if (AnnualBalanceWindow* annual = window_->AnnualWindow(); annual && annual->Result())
        annual->findChild<QPushButton*>(QStringLiteral("exportHours"))->click();
    // "Enregistrer sous" may replace the project's own file, which is a save; only the other
    // files it reads are refused.
    if (target != window_->Document().fullPath)
        window_->Controller().SaveAs();
    forcedOutput_.clear();
    QApplication::processEvents();
    if (quelvan::test::ReadBytes(target) != before)
        ADD_FAILURE() << "an output replaced " << target << ", a file the project reads (seed "
                      << plan_.seed << ")";
}

void SoakDriver::TypeLeadingSign()
{
    static const char* const kFields[] = { "c1003", "c1002", "c1001", "c1052" };
    static const char* const kTyped[] = { "-20", "-7", ".5", "-.5", "-0.5", ".25" };
    auto* field = window_->View().findChild<NumberEdit*>(kFields[Below(4)]);
    if (field == nullptr || !field->isEnabled())
        return;
    const QString typed = ToQ(kTyped[Below(6)]);
    Trace(QStringLiteral("type \"%1\" over %2").arg(typed, field->objectName()));
    field->setFocus();
    field->selectAll();
    QTest::keyClicks(field, typed);
    // What the field holds is what was typed, or the part of it the field kept: never the
    // previous value with the typed digits joined to it.
    if (!KeptFrom(typed, field->text()))
        ADD_FAILURE() << "typed \"" << typed.toStdString() << "\" over a selected value, the field "
                      << "holds \"" << field->text().toStdString() << "\" (seed " << plan_.seed
                      << ")";
}

} // namespace quelvan::ui::soak
