#pragma once

// The driver of quelvan-screenshots: a prompter that plays the user's part in every modal
// window, and the application driven as a user would, each window saved as a PNG.
#include "core/ControlText.h"
#include "model/CBCData.h"
#include "ui/lists/ListKind.h"
#include "ui/lists/RecordListDlg.h"
#include "ui/main/CalculationRunner.h"
#include "ui/main/KslView.h"
#include "ui/main/MainWindow.h"
#include "ui/project/ProjectController.h"
#include "ui/shell/Prompter.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QMessageBox>
#include <QPainter>
#include <QTemporaryDir>
#include <QTextStream>

#include <array>
#include <cmath>
#include <deque>
#include <functional>
#include <numbers>
#include <string>
#include <vector>

namespace quelvan::screenshots {

using namespace quelvan::ui;

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
inline int AmbianceRow(RecordListDlg& list, ProfileType temperature)
{
    for (int row = 1; row < list.Grid().RowCount(); ++row) {
        const CBCData* ambiance = list.RecordAt<CBCData>(row);
        if (ambiance && ambiance->temperature.type == temperature)
            return row;
    }
    return 1;
}

struct Capture {
    const char* name;
    std::function<void(Driver&, const QString&)> take;
};

} // namespace quelvan::screenshots
