// quelvan-screenshots OUTDIR [NAME...]: opens the desktop application on a new project, drives
// it as a user would and saves a PNG of each window under OUTDIR (all captures, or the named
// ones). scripts/screenshots.sh runs it under Xvfb for docs/images. A capture is one row of
// kCaptures: a file name and what to do before grabbing.
#include "core/ControlText.h"
#include "model/CBCData.h"
#include "model/KslDoc.h"
#include "ui/AnnualBalanceWindow.h"
#include "ui/CondensationWindow.h"
#include "ui/CalculationRunner.h"
#include "ui/DynamicCharacteristicsDialog.h"
#include "ui/EditHistory.h"
#include "ui/FluxDensityWindow.h"
#include "ui/KslView.h"
#include "ui/MainWindow.h"
#include "ui/NumberEdit.h"
#include "ui/ProjectController.h"
#include "ui/Prompter.h"
#include "ui/QtFrench.h"
#include "ui/RecordListDlg.h"
#include "ui/WallComparisonWindow.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPainter>
#include <QTemporaryDir>
#include <QTextStream>
#include <QToolTip>

#include <array>
#include <cmath>
#include <deque>
#include <functional>
#include <numbers>

using namespace quelvan;
using namespace quelvan::ui;

namespace {

// Plays the user's part in every modal window: each dialog run is handed to the next queued
// handler (none: the dialog is cancelled), each question box to the question handler.
class DrivingPrompter final : public Prompter {
public:
    std::deque<std::function<void(QDialog&)>> dialogs;
    std::function<void(QMessageBox&)> onQuestion;

    void Message(QWidget*, const QString& text, Icon) override
    {
        PrintError("message: " + text.toStdString());
    }
    Answer AskYesNoCancel(QWidget* parent, const QString& text) override
    {
        const auto box = QuestionBox(parent, text);
        if (onQuestion)
            onQuestion(*box);
        return Answer::Cancel;
    }
    QString OpenFileName(QWidget*, const QString&) override { return {}; }
    QString SaveFileName(QWidget*, const QString&) override { return {}; }
    int Exec(QDialog& dialog) override
    {
        if (dialogs.empty())
            return QDialog::Rejected;
        const auto handle = std::move(dialogs.front());
        dialogs.pop_front();
        handle(dialog);
        // A handler accepts the dialog by calling accept().
        return dialog.result();
    }
    QAction* ExecMenu(QMenu&, const QPoint&) override { return nullptr; }
};

class Driver {
public:
    explicit Driver(QString folder)
        : folder_(std::move(folder))
    {
        // The same window on every screen, so that the images compare from one run to the next.
        window_.resize(MainWindow::kMinimumWidth, MainWindow::kMinimumHeight);
        window_.move(3, 3);
        window_.show();
        Settle();
    }

    MainWindow& Window() { return window_; }
    int Failures() const { return failures_; }
    KslView& View() { return window_.View(); }

    // Lets the windows lay out and paint.
    static void Settle()
    {
        for (int i = 0; i < 5; ++i)
            QApplication::processEvents();
    }
    bool Save(QWidget& widget, const QString& name)
    {
        Settle();
        const QString path = QDir(folder_).filePath(name + QStringLiteral(".png"));
        const bool saved = widget.grab().save(path);
        PrintError(
            std::string(saved ? "saved " : "NOT SAVED ") + QFile::encodeName(path).toStdString());
        failures_ += saved ? 0 : 1;
        return saved;
    }
    // A window with one of its menus open over it, as the screen shows them.
    bool SaveWithMenu(QWidget& window, QMenu& menu, const QString& name)
    {
        Settle();
        QPixmap shot = window.grab();
        QPainter painter(&shot);
        painter.drawPixmap(window.mapFromGlobal(menu.pos()), menu.grab());
        painter.end();
        return SavePixmap(shot, name);
    }
    bool SavePixmap(const QPixmap& shot, const QString& name)
    {
        const QString path = QDir(folder_).filePath(name + QStringLiteral(".png"));
        const bool saved = shot.save(path);
        PrintError(
            std::string(saved ? "saved " : "NOT SAVED ") + QFile::encodeName(path).toStdString());
        failures_ += saved ? 0 : 1;
        return saved;
    }
    // Runs open (which opens a modal dialog) and hands the shown dialog to inside.
    void InDialog(const std::function<void()>& open, std::function<void(QDialog&)> inside)
    {
        prompter_.dialogs.push_back([inside = std::move(inside)](QDialog& dialog) {
            dialog.show();
            Settle();
            inside(dialog);
            dialog.hide();
        });
        open();
    }
    // Several windows as they stand on the screen, on a desktop-grey ground.
    bool SaveDesktop(const std::vector<QWidget*>& windows, const QString& name)
    {
        Settle();
        QRect area;
        for (const QWidget* w : windows)
            area = area.united(w->frameGeometry());
        area.adjust(-8, -8, 8, 8);
        QImage image(area.size(), QImage::Format_RGB32);
        image.fill(QColor(90, 110, 127));
        QPainter painter(&image);
        for (QWidget* w : windows) {
            const QPoint at = w->geometry().topLeft() - area.topLeft();
            painter.drawPixmap(at, w->grab());
            painter.setPen(QColor(40, 40, 40));
            painter.drawRect(QRect(at, w->size()).adjusted(-1, -1, 0, 0));
        }
        painter.end();
        const QString path = QDir(folder_).filePath(name + QStringLiteral(".png"));
        const bool saved = image.save(path);
        PrintError(
            std::string(saved ? "saved " : "NOT SAVED ") + QFile::encodeName(path).toStdString());
        failures_ += saved ? 0 : 1;
        return saved;
    }
    // An EPW file of a year whose air follows a daily wave between 8 and 18 °C, made here so
    // that the images never depend on a downloaded file.
    QString SyntheticEpw()
    {
        const QString path = temp_.filePath(QStringLiteral("essai.epw"));
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly))
            return {};
        QTextStream out(&file);
        out << "LOCATION,Essai-sur-Mer,REG,FRA,Essai,000000,47.25,-2.15,1.0,12.0\r\n"
            << "DESIGN CONDITIONS,0\r\nTYPICAL/EXTREME PERIODS,0\r\nGROUND TEMPERATURES,0\r\n"
            << "HOLIDAYS/DAYLIGHT SAVINGS,Yes,0,0,0\r\nCOMMENTS 1,\r\nCOMMENTS 2,\r\n"
            << "DATA PERIODS,1,1,Data,Sunday, 1/ 1,12/31\r\n";
        const std::array<int, 12> days { 31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31 };
        for (int month = 1; month <= 12; ++month)
            for (int day = 1; day <= days[static_cast<size_t>(month - 1)]; ++day)
                for (int hour = 1; hour <= 24; ++hour) {
                    const double air = 13.0 + 5.0 * std::sin((hour - 9) * std::numbers::pi / 12.0);
                    out << "2004," << month << ',' << day << ',' << hour << ",60,?9?9?9?9E0,"
                        << QString::number(air, 'f', 1) << ",5.0,80,99000,0,0,300,0,0,0";
                    for (int field = 16; field < 35; ++field)
                        out << ",0";
                    out << "\r\n";
                }
        return path;
    }
    // The next modal dialog is edited, then accepted.
    void Accept(std::function<void(QDialog&)> edit)
    {
        prompter_.dialogs.push_back([edit = std::move(edit)](QDialog& dialog) {
            edit(dialog);
            dialog.accept();
        });
    }
    // Opens a list dialog, selects a row and opens its editing dialog.
    void InEditor(ListKind kind, Side side, const std::function<int(RecordListDlg&)>& row,
        const std::function<void(QDialog&)>& inside)
    {
        InDialog([&] { window_.Controller().EditList(kind, side); },
            [&, inside](QDialog& dialog) {
                auto& list = static_cast<RecordListDlg&>(dialog);
                prompter_.dialogs.push_back([inside](QDialog& editor) {
                    editor.show();
                    Settle();
                    inside(editor);
                    editor.hide();
                });
                list.SelectRow(row(list));
                list.EditSelected();
            });
    }
    // Enters calculation mode and computes that many hours, then pauses.
    void Calculate(int hours)
    {
        CalculationRunner& runner = View().Runner();
        runner.SetTimerDriven(false);
        runner.SetClock([this] { return clock_; });
        View().SetCalculationMode(true);
        runner.PressRun();
        // One step per interval of the fake clock; a bounded number of turns.
        for (int turn = 0; turn < 4 * hours && runner.Engine().View().hours <= hours; ++turn) {
            clock_ += 0.1;
            runner.PollOnce();
        }
        runner.PressRun();
        Settle();
    }
    void OnQuestion(std::function<void(QMessageBox&)> handle)
    {
        prompter_.onQuestion = std::move(handle);
    }

private:
    QString folder_;
    QTemporaryDir temp_;
    DrivingPrompter prompter_;
    MainWindow window_ { &prompter_ };
    double clock_ = 0.0;
    int failures_ = 0;
};

// The first row whose ambiance has that temperature type (else the first row).
int AmbianceRow(RecordListDlg& list, ProfileType temperature)
{
    for (int row = 1; row < list.Grid().RowCount(); ++row) {
        const CBCData* ambiance = list.RecordAt<CBCData>(row);
        if (ambiance && ambiance->temperature.type == temperature)
            return row;
    }
    return 1;
}

// The new project's wall (insulation inside) on the weather of Mâcon, a room of humidity class 3
// at 20 °C: water gathers behind the glass wool in winter. The window at that size (one that
// fits a 1024 × 768 screen, or a 1920 × 1080 one).
void CaptureCondensation(Driver& d, const QString& name, QSize size)
{
    auto* exterior = d.View().findChild<QComboBox*>(QStringLiteral("c1007"));
    exterior->setCurrentIndex(exterior->count() - 1);
    KslDoc& doc = d.Window().Document();
    doc.moisture.Append(std::make_unique<MoistureSettings>(
        MoistureSettings { InteriorHumidity::HumidityClass, "3", "20" }));
    d.Window().ShowCondensation();
    CondensationWindow& window = *d.Window().CondensationRiskWindow();
    window.resize(size);
    window.Recompute();
    for (int turn = 0; turn < 3000 && !window.IsUpToDate(); ++turn)
        QApplication::processEvents(QEventLoop::AllEvents, 10);
    d.Save(window, name);
    window.close();
    doc.moisture.Replace({});
    exterior->setCurrentIndex(2);
}

struct Capture {
    const char* name;
    std::function<void(Driver&, const QString&)> take;
};

// In this order: the calculation captures come after the input ones.
const Capture kCaptures[] = {
    { "main-input", [](Driver& d, const QString& n) { d.Save(d.Window(), n); } },
    { "edit-menu",
        [](Driver& d, const QString& n) {
            // Two edits, the orientation then the exterior surface resistance typed, the second
            // undone: "Annuler" and "Rétablir" name them.
            d.View().findChild<QComboBox*>(QStringLiteral("c1033"))->setCurrentIndex(5);
            auto* rse = d.View().findChild<NumberEdit*>(QStringLiteral("c1002"));
            rse->setText(QStringLiteral("0.1"));
            emit rse->textEdited(rse->text());
            QUndoStack& stack = d.Window().Controller().History().Stack();
            stack.undo();
            QMenuBar* bar = d.Window().menuBar();
            QAction* edit = bar->actions().at(1);
            edit->menu()->popup(bar->mapToGlobal(bar->actionGeometry(edit).bottomLeft()));
            d.SaveWithMenu(d.Window(), *edit->menu(), n);
            edit->menu()->hide();
            stack.undo();
        } },
    { "bad-value",
        [](Driver& d, const QString& n) {
            // A negative surface resistance typed: the red frame, and the bound in the tooltip.
            auto* rse = d.View().findChild<NumberEdit*>(QStringLiteral("c1002"));
            rse->setText(QStringLiteral("-0.5"));
            emit rse->textEdited(rse->text());
            QToolTip::showText(rse->mapToGlobal(QPoint(4, rse->height() + 2)), rse->toolTip(), rse);
            QWidget* tip = nullptr;
            for (QWidget* top : QApplication::topLevelWidgets())
                if (top->inherits("QTipLabel") && top->isVisible())
                    tip = top;
            if (tip) {
                Driver::Settle();
                QPixmap shot = d.Window().grab(QRect(0, 0, 520, 200));
                QPainter painter(&shot);
                painter.drawPixmap(d.Window().mapFromGlobal(tip->pos()), tip->grab());
                painter.end();
                d.SavePixmap(shot, n);
            }
            QToolTip::hideText();
            d.Window().Controller().History().Stack().undo();
        } },
    { "yellow-list",
        [](Driver& d, const QString& n) {
            auto* list = d.View().findChild<QComboBox*>(QStringLiteral("c1007"));
            list->showPopup();
            list->view()->setCurrentIndex(list->model()->index(2, 0));
            d.Save(*list->view()->window(), n);
            list->hidePopup();
        } },
    { "material-list-duplicated",
        [](Driver& d, const QString& n) {
            d.InDialog([&] { d.Window().Controller().EditList(ListKind::Materials); },
                [&](QDialog& dialog) {
                    // "Dupliquer" on "Laine de verre", the copy's conductivity set to 0.032.
                    d.Accept([](QDialog& editor) {
                        editor.findChild<NumberEdit*>(QStringLiteral("c125"))
                            ->LoadText(QStringLiteral("0.032"));
                    });
                    auto& list = static_cast<RecordListDlg&>(dialog);
                    list.SelectRow(16);
                    list.DuplicateSelected();
                    d.Save(dialog, n);
                });
        } },
    { "layers",
        [](Driver& d, const QString& n) {
            d.InDialog([&] { d.Window().Controller().EditList(ListKind::Layers); },
                [&](QDialog& dialog) { d.Save(dialog, n); });
        } },
    { "material-dialog",
        [](Driver& d, const QString& n) {
            d.InEditor(
                ListKind::Materials, Side::Exterior, [](RecordListDlg&) { return 1; },
                [&](QDialog& dialog) { d.Save(dialog, n); });
        } },
    { "ambiance-dialog",
        [](Driver& d, const QString& n) {
            d.InEditor(
                ListKind::Ambiances, Side::Exterior,
                [](RecordListDlg& list) { return AmbianceRow(list, ProfileType::Sinusoid); },
                [&](QDialog& dialog) { d.Save(dialog, n); });
        } },
    { "dynamic-dialog",
        [](Driver& d, const QString& n) {
            d.Window().ShowDynamicCharacteristics();
            d.Save(*d.Window().DynamicDialog(), n);
            d.Window().DynamicDialog()->close();
        } },
    { "annual-window",
        [](Driver& d, const QString& n) {
            // The weather of Mâcon outside (the exterior list's last row), the room at 20 °C.
            auto choose = [&](int id, int row) {
                auto* list = d.View().findChild<QComboBox*>(QStringLiteral("c%1").arg(id));
                list->setCurrentIndex(row < 0 ? list->count() - 1 : row);
            };
            choose(1007, -1);
            choose(1009, 1);
            d.Window().ShowAnnualBalance();
            AnnualBalanceWindow& window = *d.Window().AnnualWindow();
            for (int turn = 0; turn < 3000 && window.IsComputing(); ++turn) {
                QApplication::processEvents(QEventLoop::AllEvents, 10);
            }
            d.Save(window, n);
            window.close();
            choose(1007, 2);
            choose(1009, 2);
        } },
    { "compare-window",
        [](Driver& d, const QString& n) {
            // The new project's wall (insulation inside) beside it reversed (outside) and with
            // its insulation doubled.
            d.Window().ShowWallComparison();
            WallComparisonWindow& window = *d.Window().ComparisonWindow();
            window.AddVariant(WallComparisonWindow::Variant::Reversed);
            window.AddVariant(WallComparisonWindow::Variant::ThickerInsulation);
            for (int turn = 0; turn < 3000 && window.IsComputing(); ++turn)
                QApplication::processEvents(QEventLoop::AllEvents, 10);
            d.Save(window, n);
            window.close();
        } },
    { "condensation-window",
        [](Driver& d, const QString& n) { CaptureCondensation(d, n, { 1000, 720 }); } },
    { "condensation-window-1920",
        [](Driver& d, const QString& n) { CaptureCondensation(d, n, { 1880, 1010 }); } },
    { "save-question",
        [](Driver& d, const QString& n) {
            d.OnQuestion([&](QMessageBox& box) {
                box.show();
                d.Save(box, n);
            });
            d.Window().Document().modified = true;
            d.Window().Controller().MaybeSave();
            d.Window().Document().modified = false;
        } },
    { "page-setup",
        [](Driver& d, const QString& n) {
            d.InDialog(
                [&] { d.Window().PrinterSetup(); }, [&](QDialog& dialog) { d.Save(dialog, n); });
        } },
    { "main-calculation",
        [](Driver& d, const QString& n) {
            d.Calculate(40);
            d.Save(d.Window(), n);
        } },
    { "flux-window",
        [](Driver& d, const QString& n) {
            if (!d.View().IsCalculationMode())
                d.Calculate(40);
            d.Save(*d.View().Tracer(), n);
        } },
    { "flux-beside",
        [](Driver& d, const QString& n) {
            if (!d.View().IsCalculationMode())
                d.Calculate(40);
            d.SaveDesktop({ &d.Window(), d.View().Tracer() }, n);
        } },
    { "epw-import",
        [](Driver& d, const QString& n) {
            d.View().SetCalculationMode(false);
            const QString epw = d.SyntheticEpw();
            d.Accept([epw](QDialog& dialog) {
                static_cast<QFileDialog&>(dialog).selectFile(epw);
                dialog.setResult(QDialog::Accepted);
            });
            d.Accept([&](QDialog& dialog) {
                dialog.show();
                d.Save(dialog, n);
                dialog.hide();
            });
            d.Window().Controller().ImportWeather();
            d.Save(d.Window(), n + QStringLiteral("-chosen"));
        } },
    { "ambiance-station",
        [](Driver& d, const QString& n) {
            // The exterior list's last row: the ambiance made on the imported station.
            d.InEditor(
                ListKind::Ambiances, Side::Exterior,
                [](RecordListDlg& list) { return list.Grid().RowCount() - 1; },
                [&](QDialog& dialog) {
                    auto* city = dialog.findChild<QComboBox*>(QStringLiteral("c1100"));
                    city->showPopup();
                    d.SaveDesktop({ &dialog, city->view()->window() }, n);
                    city->hidePopup();
                });
            d.Window().Document().modified = false;
        } },
};

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quelvan"));
    const auto french = UseFrench();
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() < 2) {
        PrintError("usage: quelvan-screenshots OUTDIR [NAME...]");
        return 2;
    }
    const QString& folder = arguments.at(1);
    QDir().mkpath(folder);
    const QStringList wanted = arguments.mid(2);
    Driver driver(folder);
    for (const Capture& capture : kCaptures) {
        const QString name = QString::fromUtf8(capture.name);
        if (wanted.isEmpty() || wanted.contains(name))
            capture.take(driver, name);
    }
    driver.View().SetCalculationMode(false);
    return driver.Failures() == 0 ? 0 : 1;
}
