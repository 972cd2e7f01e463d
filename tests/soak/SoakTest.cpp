// The random-input soak: thousands of actions of a seeded random user on the main window and
// every dialog, after which the edit history still walks the whole way back and forth and the
// project saves and reopens identically. The seed is printed first, so that a failure (or a
// sanitizer's report) can be replayed with QUELVAN_SOAK_SEED; QUELVAN_SOAK_SECONDS bounds the
// run (SoakDriver.h).
#include "model/KslDoc.h"
#include "model/ProjectState.h"
#include "persistence/ProjectFile.h"
#include "soak/SoakDriver.h"
#include "support/SyntheticEpw.h"
#include "support/TempFolder.h"
#include "ui/main/KslView.h"
#include "ui/main/MainWindow.h"
#include "ui/project/EditHistory.h"
#include "ui/project/ProjectController.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>

using namespace quelvan;
using namespace quelvan::ui;

namespace {

// What "Ouvrir" may be given: copies of the hostile corpus (read or refused, with its weather
// files) and of the test projects, in the soak's folder, since the soak saves what it opened.
QStringList ProjectsToOpen(const QString& folder)
{
    QStringList files;
    for (const QString& source : { QStringLiteral(QUELVAN_TEST_DATA_DIR "/hostile"),
             QStringLiteral(QUELVAN_TEST_DATA_DIR "/projects") }) {
        const QDir from(source);
        for (const QString& name :
            from.entryList({ QStringLiteral("*.ksl"), QStringLiteral("*.wth") }, QDir::Files)) {
            const QString copy = QDir(folder).filePath(name);
            if (QFile::copy(from.filePath(name), copy) && name.endsWith(QStringLiteral(".ksl")))
                files << copy;
        }
    }
    return files;
}

// The offscreen platform's notes on what it cannot do, repeated thousands of times, would hide
// what matters in the log; every other message passes.
QtMessageHandler platformHandler = nullptr;
void QuietPlatformNotes(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    if (!text.startsWith(QStringLiteral("This plugin does not support"))
        && !text.startsWith(QStringLiteral("QPageSetupDialog: Cannot be used on non-native")))
        platformHandler(type, context, text);
}

TEST(Soak, RandomActionsLeaveAHistoryAndAProjectThatSavesAndReopensIdentically)
{
    const soak::SoakPlan plan = soak::SoakPlan::FromEnvironment();
    std::printf("soak seed %llu (replay: QUELVAN_SOAK_SEED=%llu), %g s\n",
        static_cast<unsigned long long>(plan.seed), static_cast<unsigned long long>(plan.seed),
        plan.seconds);
    std::fflush(stdout);
    platformHandler = qInstallMessageHandler(QuietPlatformNotes);
    QTemporaryDir folder;
    // Imported weather goes into the soak's own folder, never the user's.
    const QByteArray dataHome = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", QDir(folder.path()).filePath(QStringLiteral("donnees")).toUtf8());
    soak::SoakDriver driver(plan, folder.path(), ProjectsToOpen(folder.path()));
    driver.epwFile = folder.filePath(QStringLiteral("essai.epw"));
    test::WriteSyntheticEpw(driver.epwFile.toStdString(), "Essai-sur-Mer",
        [](int hour) { return 10.0 + 8.0 * std::sin(hour * 2.0 * 3.141592653589793 / 24.0); });
    const long actions = driver.Run();
    std::printf("soak: %ld actions, %ld messages, %d weather stations in the project at the end "
                "(QUELVAN_SOAK_ACTIONS=%ld to stop there)\n",
        actions, driver.Messages(), driver.Window().Document().stations.Count(), actions);
    EXPECT_GT(actions, 0);
    driver.Settle();

    MainWindow& window = driver.Window();
    auto state = [&window] {
        return CaptureProjectState(window.Document(), window.View().FormValuesShown());
    };
    // Every step back to the project as it was opened, and forward again to where it was.
    QUndoStack& stack = window.Controller().History().Stack();
    const ProjectState reached = state();
    const int index = stack.index();
    stack.setIndex(0);
    stack.setIndex(index);
    EXPECT_EQ(state(), reached) << "the history did not come back to the project";

    driver.finalSaveName = folder.filePath(QStringLiteral("final-1.ksl"));
    ASSERT_TRUE(window.Controller().SaveAs());
    EXPECT_FALSE(window.Document().modified);
    KslDoc reread;
    ReadError error;
    ASSERT_EQ(ReadProjectFile(reread, driver.finalSaveName.toStdString(), &error), Failure::None)
        << ReadErrorMessage(error);
    std::string difference;
    EXPECT_TRUE(SameProjectData(window.Document(), reread, &difference)) << difference;
    const QString first = driver.finalSaveName;
    ASSERT_TRUE(window.OpenPath(first));
    driver.finalSaveName = folder.filePath(QStringLiteral("final-2.ksl"));
    ASSERT_TRUE(window.Controller().SaveAs());
    EXPECT_EQ(quelvan::test::ReadBytes(driver.finalSaveName.toStdString()),
        quelvan::test::ReadBytes(first.toStdString()));
    qputenv("XDG_DATA_HOME", dataHome);
}

} // namespace
