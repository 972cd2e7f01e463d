// EPW weather from the desktop: the import through its dialog into the user's weather folder, a
// run on the station's weather, the project reopened with it; an EPW file chosen in "Ouvrir..."
// or dropped on the window offered for import, a dropped project opened after the question.
#include "UiTestSupport.h"
#include "graphics/QtStrings.h"
#include "model/KslDoc.h"
#include "model/WeatherStation.h"
#include "persistence/ProjectFile.h"
#include "ui/lists/RecordListDlg.h"
#include "ui/main/KslView.h"
#include "ui/main/MainWindow.h"
#include "ui/project/EpwImportDialog.h"
#include "ui/project/ProjectController.h"
#include "ui/records/AmbianceDialog.h"
#include "ui/widgets/ControlNames.h"
#include "weather/EpwImport.h"

#include "support/SyntheticEpw.h"
#include "support/TempFolder.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDropEvent>
#include <QFileDialog>
#include <QLabel>
#include <QMimeData>
#include <QPushButton>
#include <QStatusBar>
#include <QUrl>

#include <gtest/gtest.h>

#include <filesystem>

using namespace quelvan;
using namespace quelvan::ui;
using quelvan::ui::test::ScriptedPrompter;

namespace {

class WeatherImport : public ::testing::Test {
protected:
    void SetUp() override
    {
        // The user's weather folder is the test's own.
        previousDataHome_ = qgetenv("XDG_DATA_HOME");
        qputenv("XDG_DATA_HOME", QByteArray::fromStdString(temp.File("donnees")));
        quelvan::test::WriteSyntheticEpw(epw, "Essai-sur-Mer", [](int) { return 12.5; });
    }
    void TearDown() override { qputenv("XDG_DATA_HOME", previousDataHome_); }

    // Plays the file dialog (choosing the EPW file) and the import dialog (naming the station).
    void AnswerImport(const QString& station, bool createAmbiance = true)
    {
        prompter.onDialog = [this, station, createAmbiance](QDialog& dialog) {
            if (auto* files = dynamic_cast<QFileDialog*>(&dialog)) {
                files->selectFile(ToQ(epw));
                return static_cast<int>(QDialog::Accepted);
            }
            auto* import = dynamic_cast<EpwImportDialog*>(&dialog);
            if (import == nullptr)
                return static_cast<int>(QDialog::Rejected);
            import->SetStationName(station);
            shownLocation = import->findChild<QLabel*>(QStringLiteral("weatherFile"))->text();
            import->SetCreatesAmbiance(createAmbiance);
            return static_cast<int>(QDialog::Accepted);
        };
    }
    QComboBox* ExteriorList() { return window.View().findChild<QComboBox*>(ControlName(1007)); }
    std::filesystem::path StationFile(const std::string& name) const
    {
        return temp.Path() / "donnees" / "quelvan" / "weather" / name;
    }

    quelvan::test::TempFolder temp { "epw-import" };
    const std::string epw = temp.File("essai.epw");
    QString shownLocation;
    ScriptedPrompter prompter;
    MainWindow window { &prompter };

private:
    QByteArray previousDataHome_;
};

TEST_F(WeatherImport, AStationIsChosenUnderItsNameAndTheProjectReopensWithIt)
{
    window.show();
    AnswerImport(QStringLiteral("Essai-sur-Mer (synthétique)"));
    window.Action(QStringLiteral("actionImportEpw"))->trigger();
    ASSERT_TRUE(prompter.messages.empty()) << prompter.messages.front().text.toStdString();
    EXPECT_EQ(shownLocation, QStringLiteral("Station_Essai-sur-Mer_synthetique.wth"));
    KslDoc& doc = window.Document();
    ASSERT_EQ(doc.stations.Count(), 1);
    EXPECT_EQ(doc.stations.At(0).index, 10);
    EXPECT_EQ(doc.stations.At(0).name, "Essai-sur-Mer (synthétique)");
    ASSERT_TRUE(std::filesystem::is_regular_file(StationFile(doc.stations.At(0).fileName)));
    EXPECT_TRUE(doc.modified);
    // The new exterior ambiance is chosen on the form, under the station's name.
    EXPECT_EQ(ExteriorList()->currentText(), QStringLiteral("Météo d'Essai-sur-Mer (synthétique)"));
    EXPECT_TRUE(window.statusBar()->currentMessage().contains(QStringLiteral("Essai-sur-Mer")));

    prompter.saveNames.push_back(ToQ(temp.File("mur.ksl")));
    ASSERT_TRUE(window.Controller().Save());
    MainWindow reopened(&prompter);
    ASSERT_TRUE(reopened.OpenFile(temp.File("mur.ksl")));
    const KslDoc& read = reopened.Document();
    ASSERT_EQ(read.stations.Count(), 1);
    EXPECT_EQ(read.SelectedAmbiance(Side::Exterior)->cityIndex, 10);
    // The ambiance dialog lists the station after the ten cities and shows it chosen.
    QString city;
    int cities = 0;
    prompter.onDialog = [&](QDialog& dialog) {
        if (auto* list = dynamic_cast<RecordListDlg*>(&dialog)) {
            for (int row = 1; row < list->Grid().RowCount(); ++row)
                if (list->RecordAt<CBCData>(row) == read.SelectedAmbiance(Side::Exterior))
                    list->SelectRow(row);
            list->EditSelected();
        } else if (dynamic_cast<AmbianceDialog*>(&dialog) != nullptr) {
            const auto* cityList = dialog.findChild<QComboBox*>(ControlName(1100));
            city = cityList->currentText();
            cities = cityList->count();
        }
        return static_cast<int>(QDialog::Rejected);
    };
    reopened.Controller().EditList(ListKind::Ambiances, Side::Exterior);
    EXPECT_EQ(city, QStringLiteral("Essai-sur-Mer (synthétique)"));
    EXPECT_EQ(cities, 11);
}

// The ambiance made on a station reads as French writes it: "de" elided before a vowel.
TEST(StationAmbiance, NameElidesDeBeforeAVowel)
{
    EXPECT_EQ(StationAmbianceName(QStringLiteral("Lyon Bron AP")),
        QStringLiteral("Météo de Lyon Bron AP"));
    EXPECT_EQ(StationAmbianceName(QStringLiteral("Orléans")), QStringLiteral("Météo d'Orléans"));
    EXPECT_EQ(StationAmbianceName(QStringLiteral("Évreux")), QStringLiteral("Météo d'Évreux"));
    EXPECT_EQ(StationAmbianceName(QStringLiteral("Le Havre")), QStringLiteral("Météo de Le Havre"));
}

// The import is one step of the edit history: undone, the station, its ambiance and the choice
// on the form go and the project is as saved again; redone, they come back.
TEST_F(WeatherImport, UndoTakesTheStationAndItsAmbianceOutAgain)
{
    window.show();
    const QString before = ExteriorList()->currentText();
    const int ambiances = window.Document().exteriorAmbiances.Count();
    AnswerImport(QStringLiteral("Essai-sur-Mer"));
    ASSERT_TRUE(window.Controller().ImportWeather());
    KslDoc& doc = window.Document();
    ASSERT_EQ(doc.stations.Count(), 1);
    ASSERT_TRUE(doc.modified);
    QAction* undo = window.Action(QStringLiteral("actionUndo"));
    ASSERT_TRUE(undo->isEnabled());

    undo->trigger();
    EXPECT_EQ(doc.stations.Count(), 0);
    EXPECT_EQ(doc.exteriorAmbiances.Count(), ambiances);
    EXPECT_EQ(ExteriorList()->currentText(), before);
    EXPECT_FALSE(doc.modified);

    window.Action(QStringLiteral("actionRedo"))->trigger();
    ASSERT_EQ(doc.stations.Count(), 1);
    EXPECT_EQ(doc.stations.At(0).name, "Essai-sur-Mer");
    EXPECT_EQ(doc.exteriorAmbiances.Count(), ambiances + 1);
    EXPECT_EQ(ExteriorList()->currentText(), QStringLiteral("Météo d'Essai-sur-Mer"));
    EXPECT_TRUE(doc.modified);
}

// Imported again under its name, the station keeps its file and its index; without the
// ambiance, the form's choice stays.
TEST_F(WeatherImport, ImportingTheSameStationAgainReplacesItsFileWhenTheUserSaysSo)
{
    AnswerImport(QStringLiteral("Essai"), false);
    ASSERT_TRUE(window.Controller().ImportWeather());
    const int chosen = window.Document().selectedExterior;
    const std::string year = quelvan::test::ReadBytes(StationFile("Station_Essai.wth").string());
    // Its year is replaced only when the user says so: no undo brings the file back.
    quelvan::test::WriteSyntheticEpw(epw, "Essai-sur-Mer", [](int) { return 3.5; });
    AnswerImport(QStringLiteral("Essai"), false);
    EXPECT_FALSE(window.Controller().ImportWeather());
    ASSERT_EQ(prompter.questions.size(), 1);
    EXPECT_TRUE(
        prompter.questions.back().contains(QStringLiteral("station « Essai » de ce projet")))
        << prompter.questions.back().toStdString();
    EXPECT_EQ(quelvan::test::ReadBytes(StationFile("Station_Essai.wth").string()), year);
    // "Essai !" gives the same file name: the same question, then the station takes the name.
    prompter.answers.push_back(Prompter::Answer::Yes);
    AnswerImport(QStringLiteral("Essai !"), false);
    EXPECT_TRUE(window.Controller().ImportWeather());
    EXPECT_EQ(prompter.questions.size(), 2);
    EXPECT_NE(quelvan::test::ReadBytes(StationFile("Station_Essai.wth").string()), year);
    ASSERT_EQ(window.Document().stations.Count(), 1);
    EXPECT_EQ(window.Document().stations.At(0).name, "Essai !");
    EXPECT_EQ(window.Document().selectedExterior, chosen);
    prompter.questions.clear();
    // Another project finds the file there and asks before replacing it.
    window.Controller().NewProject();
    prompter.answers.push_back(Prompter::Answer::No);
    AnswerImport(QStringLiteral("Essai"), false);
    EXPECT_FALSE(window.Controller().ImportWeather());
    ASSERT_EQ(prompter.questions.size(), 1);
    EXPECT_TRUE(prompter.questions.front().contains(QStringLiteral("Station_Essai.wth")));
    EXPECT_TRUE(window.Document().stations.IsEmpty());
}

// A file of the station's name beside the project would be read instead of the one imported:
// the import says so.
TEST_F(WeatherImport, AFileOfTheStationsNameFoundFirstIsSaid)
{
    prompter.saveNames.push_back(ToQ(temp.File("mur.ksl")));
    ASSERT_TRUE(window.Controller().Save());
    quelvan::test::WriteBytes(temp.File("Station_Essai.wth"), "heure\tancienne\n");
    AnswerImport(QStringLiteral("Essai"), false);
    ASSERT_TRUE(window.Controller().ImportWeather());
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_TRUE(
        prompter.messages.front().text.startsWith(QStringLiteral("Le calcul lira le fichier")))
        << prompter.messages.front().text.toStdString();
    EXPECT_TRUE(prompter.messages.front().text.contains(QStringLiteral("Station_Essai.wth")));
}

TEST_F(WeatherImport, AnEpwChosenInOpenIsOfferedForImportAndTheProjectStays)
{
    prompter.saveNames.push_back(ToQ(temp.File("mur.ksl")));
    ASSERT_TRUE(window.Controller().Save());
    prompter.openNames.push_back(ToQ(epw));
    window.OpenProject(); // the import dialog is cancelled
    EXPECT_TRUE(prompter.messages.empty());
    EXPECT_TRUE(prompter.dialogTitles.contains(QStringLiteral("Importer un fichier météo EPW")));
    EXPECT_EQ(window.windowTitle(), QStringLiteral("mur - Quelvan"));
    EXPECT_EQ(window.Document().fullPath, temp.File("mur.ksl"));
    // A renamed EPW file is known by its LOCATION line.
    std::filesystem::copy_file(epw, temp.File("meteo.txt"));
    prompter.dialogTitles.clear();
    EXPECT_FALSE(window.OpenFile(temp.File("meteo.txt")));
    EXPECT_TRUE(prompter.dialogTitles.contains(QStringLiteral("Importer un fichier météo EPW")));
    EXPECT_TRUE(prompter.messages.empty());
}

// Drops go to the main window, as a window manager delivers them.
bool Drop(QWidget& window, const std::string& path)
{
    QMimeData data;
    data.setUrls({ QUrl::fromLocalFile(ToQ(path)) });
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&window, &enter);
    if (!enter.isAccepted())
        return false;
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&window, &drop);
    return drop.isAccepted();
}

TEST_F(WeatherImport, DroppedFilesOpenAsProjectsOrAreOfferedForImport)
{
    {
        KslDoc other;
        other.author = "Déposé";
        ASSERT_EQ(WriteProjectFile(other, temp.File("autre.ksl")), WriteResult::Ok);
    }
    quelvan::test::WriteBytes(temp.File("notes.txt"), "rien");
    EXPECT_FALSE(Drop(window, temp.File("notes.txt")));
    // A modified project asks first; "Annuler" keeps it.
    window.Document().modified = true;
    prompter.answers.push_back(Prompter::Answer::Cancel);
    EXPECT_TRUE(Drop(window, temp.File("autre.ksl")));
    EXPECT_EQ(prompter.questions.size(), 1);
    EXPECT_EQ(window.Document().author, "Nom de l'auteur");
    prompter.answers.push_back(Prompter::Answer::No);
    EXPECT_TRUE(Drop(window, temp.File("autre.ksl")));
    EXPECT_EQ(window.Document().author, "Déposé");
    AnswerImport(QStringLiteral("Essai"));
    EXPECT_TRUE(Drop(window, epw));
    EXPECT_EQ(window.Document().stations.Count(), 1);
    EXPECT_EQ(window.Document().author, "Déposé");
}

// A station's name is cut at its limit where it is typed, pasted or read from the file, and the
// dialog says so; whatever its letters, its weather file is written and the project saves.
TEST_F(WeatherImport, LongStationNamesAreCutWhereTypedAndStillSaved)
{
    weather::EpwImportResult result;
    for (int i = 0; i < 300; ++i)
        result.location += "é";
    EpwImportDialog dialog(QStringLiteral("long.epw"), result, nullptr);
    const auto* limit = dialog.findChild<QLabel*>(QStringLiteral("stationNameLimit"));
    ASSERT_NE(limit, nullptr);
    EXPECT_EQ(dialog.StationName(), QString(kMaxStationNameLength, QChar(0xE9)));
    EXPECT_FALSE(limit->isHidden());
    EXPECT_EQ(limit->text(), QStringLiteral("Le nom d'une station compte au plus 80 caractères"));
    // The file's long place does not push "OK" off a 1024-pixel screen.
    EXPECT_LE(dialog.sizeHint().width(), 1024);
    dialog.SetStationName(QStringLiteral("Lyon"));
    EXPECT_TRUE(limit->isHidden());
    // A station needs a name: "OK" waits for one (spaces alone are none).
    const auto* buttons = dialog.findChild<QDialogButtonBox*>();
    ASSERT_NE(buttons, nullptr);
    EXPECT_TRUE(buttons->button(QDialogButtonBox::Ok)->isEnabled());
    dialog.SetStationName(QStringLiteral("   "));
    EXPECT_FALSE(buttons->button(QDialogButtonBox::Ok)->isEnabled());
    dialog.SetStationName(QStringLiteral("Lyon"));

    window.show();
    for (const QChar letter : { QChar(0xE9), QChar(0x6587) }) {
        AnswerImport(QString(990, letter));
        window.Action(QStringLiteral("actionImportEpw"))->trigger();
        ASSERT_TRUE(prompter.messages.empty()) << prompter.messages.front().text.toStdString();
    }
    const KslDoc& doc = window.Document();
    ASSERT_EQ(doc.stations.Count(), 2);
    for (int s = 0; s < 2; ++s) {
        EXPECT_EQ(ToQ(doc.stations.At(s).name).size(), kMaxStationNameLength);
        EXPECT_LE(doc.stations.At(s).fileName.size(), 255u);
        EXPECT_TRUE(std::filesystem::is_regular_file(StationFile(doc.stations.At(s).fileName)));
    }
    EXPECT_EQ(WriteProjectFile(doc, temp.File("long.ksl")), WriteResult::Ok);
}

} // namespace
