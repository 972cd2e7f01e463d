// quelvan-screenshots OUTDIR [NAME...]: opens the desktop application on a new project, drives
// it as a user would and saves a PNG of each window under OUTDIR (all captures, or the named
// ones). scripts/screenshots.sh runs it under Xvfb for docs/images. A capture is one row of
// kCaptures: a file name and what to do before grabbing.
#include "ScreenshotDriver.h"
#include "core/ControlText.h"
#include "graphics/QtStrings.h"
#include "model/CBCData.h"
#include "model/KslDoc.h"
#include "ui/lists/CatalogueDialog.h"
#include "ui/lists/RecordListDlg.h"
#include "ui/main/CalculationRunner.h"
#include "ui/main/FluxDensityWindow.h"
#include "ui/main/KslView.h"
#include "ui/main/MainWindow.h"
#include "ui/project/EditHistory.h"
#include "ui/project/ProjectController.h"
#include "ui/shell/Prompter.h"
#include "ui/shell/QtFrench.h"
#include "ui/studies/AnnualBalanceWindow.h"
#include "ui/studies/CondensationWindow.h"
#include "ui/studies/DynamicCharacteristicsDialog.h"
#include "ui/studies/WallComparisonWindow.h"
#include "ui/widgets/NumberEdit.h"

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
#include <QThread>
#include <QToolTip>

#include <array>
#include <cmath>
#include <deque>
#include <functional>
#include <numbers>

using namespace quelvan;
using namespace quelvan::ui;

namespace {

using namespace quelvan::screenshots;

// The new project's wall on the weather of Mâcon, a room of humidity class 3 at 20 °C, the
// window at a size for a 1024 × 768 or a 1920 × 1080 screen.
std::function<void(Driver&, const QString&)> CondensationCapture(QSize size)
{
    return [size](Driver& d, const QString& name) {
        auto* exterior = d.View().findChild<QComboBox*>(QStringLiteral("c1007"));
        exterior->setCurrentIndex(exterior->count() - 1);
        KslDoc& doc = d.Window().Document();
        doc.moisture.Append(std::make_unique<MoistureSettings>(
            MoistureSettings { InteriorHumidity::HumidityClass, "3", "20" }));
        d.Window().ShowCondensation();
        CondensationWindow& window = *d.Window().CondensationRiskWindow();
        window.resize(size);
        // The check runs on its thread (with the annual balance): waited for, two minutes at most.
        for (int turn = 0; turn < 6000 && !window.IsUpToDate(); ++turn) {
            QApplication::processEvents(QEventLoop::AllEvents, 10);
            QThread::msleep(20);
        }
        d.Save(window, name);
        window.close(); // deleted at once, so that the next capture opens a window of its own
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        doc.moisture.Replace({});
        exterior->setCurrentIndex(2);
    };
}

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
    { "catalogue",
        [](Driver& d, const QString& n) {
            // "Catalogue..." of the material list, searched for the membranes.
            d.InDialog([&] { d.Window().Controller().EditList(ListKind::Materials); },
                [&](QDialog& list) {
                    d.InDialog(
                        [&] {
                            list.findChild<QAction*>(QStringLiteral("actionCatalogue"))->trigger();
                        },
                        [&](QDialog& dialog) {
                            static_cast<CatalogueDialog&>(dialog).Search(
                                QStringLiteral("membrane"));
                            d.Save(dialog, n);
                        });
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
    { "condensation-window", CondensationCapture({ 1000, 720 }) },
    { "condensation-window-1920", CondensationCapture({ 1880, 1010 }) },
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
        const QString name = ToQ(capture.name);
        if (wanted.isEmpty() || wanted.contains(name))
            capture.take(driver, name);
    }
    driver.View().SetCalculationMode(false);
    return driver.Failures() == 0 ? 0 : 1;
}
