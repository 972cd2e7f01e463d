#include "soak/SoakDriver.h"

#include "ui/lists/RecordListDlg.h"
#include "ui/main/CalculationRunner.h"
#include "ui/main/FluxDensityWindow.h"
#include "ui/main/KslView.h"
#include "ui/main/MainWindow.h"
#include "ui/shell/Prompter.h"
#include "ui/studies/AnnualBalanceWindow.h"
#include "ui/studies/DynamicCharacteristicsDialog.h"
#include "ui/widgets/NumberEdit.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDialog>
#include <QFileDialog>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTest>

#include <chrono>
#include <cstdio>
#include <cstdlib>

namespace quelvan::ui::soak {

namespace {

// What a user may type: ordinary values, which let calculations start, and hostile ones:
// numbers outside every bound, a decimal comma, what no field should take (letters, signs
// alone, exponents without digits, other scripts, characters outside the basic plane, a
// right-to-left mark, text that looks like a field of the project file, markup that Qt would
// read as HTML if a name were shown as rich text, among it an image that reads /dev/zero
// without end, and DEL).
const std::vector<QString> kOrdinaryTexts = { QStringLiteral("0.04"), QStringLiteral("0.13"),
    QStringLiteral("0.4"), QStringLiteral("0.7"), QStringLiteral("1"), QStringLiteral("0.035"),
    QStringLiteral("25"), QStringLiteral("10"), QStringLiteral("200"), QStringLiteral("50") };
const std::vector<QString> kHostileTexts = { QStringLiteral("-0.5"), QStringLiteral("0,035"),
    QStringLiteral("1e38"), QStringLiteral("-1e38"), QStringLiteral("1e-45"), QStringLiteral("nan"),
    QStringLiteral("inf"), QStringLiteral("-"), QStringLiteral("."), QStringLiteral("0"),
    QStringLiteral("99999"), QStringLiteral("1,2"), QStringLiteral("abc"), QStringLiteral("é"),
    QStringLiteral("½"), QStringLiteral(" "), QStringLiteral("+"), QStringLiteral("1e"),
    QStringLiteral("0x10"), QStringLiteral("١٢"), QStringLiteral("𝟙"), QStringLiteral("\u202e1"),
    QStringLiteral("%s%n"), QStringLiteral(" N= x"), QStringLiteral("«|;\""),
    QStringLiteral("日本"), QStringLiteral("3.4e38"), QStringLiteral("-90"), QStringLiteral("358"),
    QStringLiteral("1000"), QStringLiteral("<img src=/dev/zero>"), QStringLiteral("<b>gras</b>"),
    QStringLiteral("a\x7f"
                   "b") };

struct Key {
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
};
const std::vector<Key> kKeys = { { Qt::Key_Backspace, {} }, { Qt::Key_Delete, {} },
    { Qt::Key_Left, {} }, { Qt::Key_Right, {} }, { Qt::Key_Home, {} }, { Qt::Key_End, {} },
    { Qt::Key_Up, {} }, { Qt::Key_Down, {} }, { Qt::Key_Return, {} }, { Qt::Key_Escape, {} },
    { Qt::Key_Tab, {} }, { Qt::Key_Z, Qt::ControlModifier },
    { Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier }, { Qt::Key_Y, Qt::ControlModifier },
    { Qt::Key_Backspace, Qt::AltModifier }, { Qt::Key_A, Qt::ControlModifier },
    { Qt::Key_X, Qt::ControlModifier }, { Qt::Key_C, Qt::ControlModifier },
    { Qt::Key_V, Qt::ControlModifier }, { Qt::Key_S, Qt::ControlModifier },
    { Qt::Key_N, Qt::ControlModifier }, { Qt::Key_O, Qt::ControlModifier } };

// Dialogs of Qt that only choose a file, a page or a printer: refused at once (a report sent to
// a printer, or a file written where the soak does not look, is no test of the program).
bool IsPlatformDialog(const QDialog& dialog)
{
    return dialog.inherits("QFileDialog") || dialog.inherits("QPageSetupDialog")
        || dialog.inherits("QPrintPreviewDialog") || dialog.inherits("QAbstractPrintDialog");
}

// Types a text key by key; characters beyond ASCII arrive as the text of their key event, as an
// input method gives them.
void TypeText(QWidget* widget, const QString& text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c.unicode() >= 0x20 && c.unicode() < 0x7F) {
            QTest::keyClick(widget, static_cast<char>(c.unicode()));
            continue;
        }
        const qsizetype length = c.isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, text.mid(i, length), {});
        i += length - 1;
    }
}

template <typename W> std::vector<W*> Usable(const QWidget& parent)
{
    std::vector<W*> found;
    for (W* w : parent.findChildren<W*>())
        if (w->isVisible() && w->isEnabled())
            found.push_back(w);
    return found;
}

} // namespace

SoakPlan SoakPlan::FromEnvironment()
{
    SoakPlan plan;
    if (const char* seed = std::getenv("QUELVAN_SOAK_SEED"))
        plan.seed = std::strtoull(seed, nullptr, 10);
    if (const char* seconds = std::getenv("QUELVAN_SOAK_SECONDS"))
        plan.seconds = std::strtod(seconds, nullptr);
    if (const char* actions = std::getenv("QUELVAN_SOAK_ACTIONS"))
        plan.maxActions = std::strtol(actions, nullptr, 10);
    const char* trace = std::getenv("QUELVAN_SOAK_TRACE");
    plan.trace = trace && std::string(trace) == "1";
    return plan;
}

SoakDriver::SoakDriver(const SoakPlan& plan, QString folder, QStringList projects)
    : plan_(plan)
    , random_(plan.seed)
    , folder_(std::move(folder))
    , projects_(std::move(projects))
{
    window_ = std::make_unique<MainWindow>(this);
    CalculationRunner& runner = window_->View().Runner();
    runner.SetTimerDriven(false);
    runner.SetClock([this] { return clock_; });
    window_->show();
    window_->activateWindow();
    // Menus that run their own event loop are answered here, with a generator of their own so
    // that the main sequence never depends on how often the timer fires.
    watchdog_.setInterval(1);
    QObject::connect(&watchdog_, &QTimer::timeout, [this] { CloseStrays(); });
    watchdog_.start();
}

SoakDriver::~SoakDriver()
{
    watchdog_.stop();
    window_.reset();
}

void SoakDriver::Trace(const QString& what) const
{
    if (plan_.trace)
        std::fprintf(stderr, "soak: %s\n", what.toUtf8().constData());
}

long SoakDriver::Run()
{
    const auto start = std::chrono::steady_clock::now();
    long actions = 0;
    while (plan_.maxActions < 0 || actions < plan_.maxActions) {
        const std::chrono::duration<double> spent = std::chrono::steady_clock::now() - start;
        if (spent.count() >= plan_.seconds)
            break;
        ActOnWindow();
        ++actions;
    }
    return actions;
}

void SoakDriver::Settle()
{
    settled_ = true;
    CloseStrays();
    window_->View().SetCalculationMode(false);
    // Guarded: closing one window may run events that delete another of the list.
    std::vector<QPointer<QWidget>> tops;
    for (QWidget* top : QApplication::topLevelWidgets())
        tops.emplace_back(top);
    for (const QPointer<QWidget>& top : tops)
        if (top && top != window_.get() && top->isVisible())
            top->close();
    QApplication::processEvents();
}

void SoakDriver::CloseStrays()
{
    if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
        std::mt19937_64 choice(plan_.seed ^ static_cast<std::uint64_t>(++popups_));
        std::vector<QAction*> entries;
        for (QAction* action : menu->actions())
            if (action->isEnabled() && !action->isSeparator() && !action->menu())
                entries.push_back(action);
        QAction* chosen
            = !entries.empty() && choice() % 2 == 0 ? entries[choice() % entries.size()] : nullptr;
        menu->close();
        Trace(QStringLiteral("menu entry %1").arg(chosen ? chosen->text() : QStringLiteral("-")));
        if (chosen)
            chosen->trigger();
    } else if (QWidget* popup = QApplication::activePopupWidget()) {
        popup->close();
    }
}

void SoakDriver::ActOnWindow()
{
    CloseStrays();
    if (!window_->isVisible())
        window_->show(); // after "Quitter"
    KslView& view = window_->View();
    static const char* const kFields[] = { "c1003", "c1002", "c1001", "c1052" };
    static const char* const kLists[] = { "c1007", "c1009", "c1033", "c1034", "c1011" };
    static const char* const kButtons[] = { "c1058", "c1075", "c1073", "c1077", "c1078", "c1055" };
    const int roll = Below(100);
    if (roll < 22) {
        TypeInto(view.findChild<NumberEdit*>(kFields[Below(4)]));
    } else if (roll < 32) {
        PressKeyIn(Chance(80) ? view.findChild<QWidget*>(kFields[Below(4)]) : window_.get());
    } else if (roll < 44) {
        ChooseIn(view.findChild<QComboBox*>(kLists[Below(5)]));
    } else if (roll < 56) {
        TriggerFrom(window_->menuBar()->actions());
    } else if (roll < 64) {
        TriggerFrom({ window_->Action(QStringLiteral("actionUndo")),
            window_->Action(QStringLiteral("actionRedo")) });
    } else if (roll < 76) {
        auto* button = view.findChild<QPushButton*>(kButtons[Below(6)]);
        Trace(QStringLiteral("button %1").arg(button->text()));
        if (button->isEnabled())
            button->click();
    } else if (roll < 86) {
        RunStep();
    } else if (roll < 90) {
        const QRect square = view.DrawingSquare();
        const QPoint at(
            square.left() + Below(square.width() + 1), square.top() + Below(square.height() + 1));
        Trace(QStringLiteral("press at %1, %2").arg(at.x()).arg(at.y()));
        QTest::mousePress(&view, Qt::LeftButton, {}, at);
        QTest::mouseRelease(&view, Qt::LeftButton, {}, at);
    } else if (roll < 92) {
        const QSize size(780 + Below(600), 500 + Below(500));
        Trace(QStringLiteral("resize %1 x %2").arg(size.width()).arg(size.height()));
        window_->resize(size);
    } else if (roll < 95) {
        ToggleWindows();
    } else if (roll < 97) {
        const int which = Below(3);
        if (which == 0)
            EditAfterRunThenSave();
        else if (which == 1)
            ExportOntoReadFiles();
        else
            TypeLeadingSign();
    } else {
        auto* field = view.findChild<QWidget*>(kFields[Below(4)]);
        Trace(QStringLiteral("context menu of %1").arg(field->objectName()));
        QContextMenuEvent event(
            QContextMenuEvent::Mouse, QPoint(2, 2), field->mapToGlobal(QPoint(2, 2)));
        QApplication::sendEvent(field, &event);
    }
    QApplication::processEvents();
}

void SoakDriver::TypeInto(QWidget* widget)
{
    auto* field = qobject_cast<QLineEdit*>(widget);
    if (!field || !field->isEnabled() || field->isReadOnly())
        return;
    const QString& text = Chance(40) ? Pick(kHostileTexts) : Pick(kOrdinaryTexts);
    Trace(QStringLiteral("type \"%1\" in %2").arg(text, field->objectName()));
    field->setFocus();
    // Names stay short enough for the project file's lines.
    if (Chance(50) || (!qobject_cast<NumberEdit*>(field) && field->text().size() > 20))
        field->selectAll();
    else
        field->setCursorPosition(Below(static_cast<int>(field->text().size()) + 1));
    TypeText(field, text);
}

void SoakDriver::PressKeyIn(QWidget* widget)
{
    if (!widget || !widget->isEnabled())
        return;
    const Key& key = Pick(kKeys);
    Trace(QStringLiteral("key %1 (%2) in %3")
              .arg(key.key)
              .arg(static_cast<int>(key.modifiers))
              .arg(widget->objectName()));
    widget->setFocus();
    QTest::keyClick(widget, key.key, key.modifiers);
}

void SoakDriver::ChooseIn(QWidget* widget)
{
    auto* list = qobject_cast<QComboBox*>(widget);
    if (!list || !list->isEnabled() || list->count() == 0)
        return;
    const int index = Below(list->count());
    Trace(QStringLiteral("choose %1 in %2").arg(index).arg(list->objectName()));
    if (Chance(70))
        list->setCurrentIndex(index);
    else
        QTest::keyClick(list, Chance(50) ? Qt::Key_Down : Qt::Key_Up);
}

void SoakDriver::TriggerFrom(const QList<QAction*>& actions)
{
    std::vector<QAction*> entries;
    std::vector<QList<QAction*>> pending { actions };
    while (!pending.empty()) {
        const QList<QAction*> level = pending.back();
        pending.pop_back();
        for (QAction* action : level) {
            if (!action || !action->isEnabled() || action->isSeparator())
                continue;
            if (action->menu())
                pending.push_back(action->menu()->actions());
            else if (action->objectName() != QStringLiteral("actionPrint")) // a real printer
                entries.push_back(action);
        }
    }
    if (entries.empty())
        return;
    QAction* action = Pick(entries);
    Trace(QStringLiteral("menu %1").arg(action->text()));
    action->trigger();
}

void SoakDriver::RunStep()
{
    CalculationRunner& runner = window_->View().Runner();
    const int polls = 1 + Below(30);
    Trace(QStringLiteral("%1 polls").arg(polls));
    for (int i = 0; i < polls; ++i) {
        clock_ += Chance(80) ? 0.1 : 0.01;
        runner.PollOnce();
    }
}

void SoakDriver::ToggleWindows()
{
    const int which = Below(3);
    Trace(QStringLiteral("window %1").arg(which));
    if (which == 0) {
        if (DynamicCharacteristicsDialog* dialog = window_->DynamicDialog())
            dialog->close();
        else
            window_->ShowDynamicCharacteristics();
    } else if (which == 1 && !window_->View().IsCalculationMode()) {
        // A year starts on its own thread; it is stopped after a few turns of the event loop.
        window_->ShowAnnualBalance();
        for (int turn = Below(20); turn > 0; --turn)
            QApplication::processEvents(QEventLoop::AllEvents, 5);
        if (AnnualBalanceWindow* annual = window_->AnnualWindow())
            annual->close();
    } else if (FluxDensityWindow* tracer = window_->View().Tracer()) {
        tracer->close();
    }
}

void SoakDriver::Message(QWidget*, const QString& text, Icon icon)
{
    ++messages_;
    Trace(QStringLiteral("message: %1").arg(text));
    // The box the program would show, drawn without waiting for a click: a message quoting a
    // typed name must not read it as markup.
    MessageBoxFor(nullptr, text, icon)->grab();
}

Prompter::Answer SoakDriver::AskYesNoCancel(QWidget*, const QString& text)
{
    Trace(QStringLiteral("question: %1").arg(text));
    if (settled_)
        return Answer::No;
    if (!forcedOutput_.isEmpty())
        return Answer::Yes;
    const int answer = Below(3);
    return answer == 0 ? Answer::Yes : (answer == 1 ? Answer::No : Answer::Cancel);
}

QString SoakDriver::OpenFileName(QWidget*, const QString&)
{
    if (settled_ || projects_.isEmpty() || Chance(20))
        return {};
    return projects_.at(Below(static_cast<int>(projects_.size())));
}

QString SoakDriver::SaveFileName(QWidget*, const QString&)
{
    if (settled_)
        return finalSaveName;
    if (!forcedOutput_.isEmpty())
        return forcedOutput_;
    const int choice = Below(4);
    if (choice == 0)
        return {};
    if (choice == 1) // a folder that does not exist: the save fails and says so
        return folder_ + QStringLiteral("/absent/p.ksl");
    const QString path = folder_ + QStringLiteral("/soak-%1.ksl").arg(choice);
    if (!projects_.contains(path))
        projects_ << path;
    return path;
}

QAction* SoakDriver::ExecMenu(QMenu& menu, const QPoint&)
{
    std::vector<QAction*> entries;
    for (QAction* action : menu.actions())
        if (action->isEnabled() && !action->isSeparator())
            entries.push_back(action);
    if (settled_ || entries.empty() || Chance(30))
        return nullptr;
    QAction* action = Pick(entries);
    if (QMenu* submenu = action->menu()) { // "Associer Matériau"
        const QList<QAction*> choices = submenu->actions();
        action = choices.isEmpty() ? nullptr : choices.at(Below(static_cast<int>(choices.size())));
        if (!action || action->isSeparator())
            return nullptr;
    }
    Trace(QStringLiteral("context entry %1").arg(action->text()));
    action->trigger();
    return action;
}

int SoakDriver::Exec(QDialog& dialog)
{
    Trace(QStringLiteral("dialog %1").arg(dialog.windowTitle()));
    if (auto* files = qobject_cast<QFileDialog*>(&dialog); files && !forcedOutput_.isEmpty()) {
        files->selectFile(forcedOutput_);
        return QDialog::Accepted;
    }
    if (auto* files = qobject_cast<QFileDialog*>(&dialog); files && !settled_ && !epwFile.isEmpty()
        && dialog.windowTitle() == QStringLiteral("Importer un fichier météo EPW") && Chance(80)) {
        files->selectFile(epwFile);
        return QDialog::Accepted;
    }
    if (settled_ || depth_ >= 3 || IsPlatformDialog(dialog))
        return QDialog::Rejected;
    ++depth_;
    bool finished = false;
    const auto connection
        = QObject::connect(&dialog, &QDialog::finished, &dialog, [&finished] { finished = true; });
    // Shown as exec would show it: modal and active, so that the main window's shortcuts do
    // not reach past it.
    dialog.setWindowModality(Qt::ApplicationModal);
    dialog.show();
    dialog.activateWindow();
    QApplication::processEvents();
    for (int actions = Below(12); actions > 0 && !finished; --actions) {
        ActInDialog(dialog);
        QApplication::processEvents();
    }
    if (!finished && Chance(65))
        dialog.accept(); // a dialog may refuse its "OK" (a reference too long) and stay open
    if (!finished)
        dialog.reject();
    QObject::disconnect(connection);
    dialog.hide();
    --depth_;
    window_->activateWindow();
    return dialog.result();
}

void SoakDriver::ActInDialog(QDialog& dialog)
{
    CloseStrays();
    if (auto* list = qobject_cast<RecordListDlg*>(&dialog); list && Chance(70))
        return ActInList(*list);
    const int roll = Below(100);
    if (roll < 40) {
        const auto fields = Usable<QLineEdit>(dialog);
        if (!fields.empty())
            TypeInto(Pick(fields));
    } else if (roll < 55) {
        const auto widgets = Usable<QWidget>(dialog);
        if (!widgets.empty())
            PressKeyIn(Pick(widgets));
    } else if (roll < 75) {
        const auto lists = Usable<QComboBox>(dialog);
        if (!lists.empty())
            ChooseIn(Pick(lists));
    } else {
        // Boxes, spin arrows and buttons ("OK" and "Annuler" among them); the annual balance
        // stays out of the printed report, whose year would take minutes here.
        std::vector<QAbstractButton*> buttons;
        for (QAbstractButton* button : Usable<QAbstractButton>(dialog))
            if (button->objectName() != QStringLiteral("annualBalance"))
                buttons.push_back(button);
        if (!buttons.empty()) {
            QAbstractButton* button = Pick(buttons);
            Trace(QStringLiteral("click %1").arg(button->text()));
            button->click();
        }
    }
}

void SoakDriver::ActInList(RecordListDlg& list)
{
    const graphics::NGridTable& grid = list.Grid();
    const int row = Below(grid.RowCount() + 1); // one beyond the last: outside the grid
    const int column = Below(grid.ColumnCount());
    const QPoint at = row < grid.RowCount()
        ? QPoint((grid.ColumnLeft(column) + grid.ColumnRight(column)) / 2,
            (grid.RowTop(row) + grid.RowBottom(row)) / 2)
        : QPoint(1, list.Canvas()->height() - 1);
    const int roll = Below(100);
    Trace(QStringLiteral("list %1 at row %2: %3").arg(list.windowTitle()).arg(row).arg(roll));
    if (roll < 35)
        QTest::mouseClick(list.Canvas(), Qt::LeftButton, {}, at);
    else if (roll < 45)
        QTest::mouseDClick(list.Canvas(), Qt::LeftButton, {}, at);
    else if (roll < 65)
        list.ContextMenuAt(at, list.Canvas()->mapToGlobal(at));
    else if (roll < 90)
        TriggerFrom(list.EditMenu()->actions());
    else
        QTest::keyClick(&list, Qt::Key_Delete);
}

} // namespace quelvan::ui::soak
