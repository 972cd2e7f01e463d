#include "ui/main/CalculationRunner.h"

#include "core/Messages.h"
#include "engine/SurfacePrecision.h"
#include "graphics/QtStrings.h"
#include "model/KslDoc.h"
#include "ui/shell/Prompter.h"

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QLabel>
#include <QStringList>
#include <QVBoxLayout>

#include <memory>

namespace quelvan::ui {

namespace {
double SteadyClock()
{
    static QElapsedTimer started = [] {
        QElapsedTimer t;
        t.start();
        return t;
    }();
    return static_cast<double>(started.nsecsElapsed()) * 1e-9;
}
} // namespace

CalculationRunner::CalculationRunner(KslDoc& doc, Prompter& prompter, QWidget* window)
    : QObject(window)
    , doc_(doc)
    , prompter_(prompter)
    , window_(window)
    , clock_(SteadyClock)
{
    timer_.setInterval(kPollMilliseconds);
    connect(&timer_, &QTimer::timeout, this, &CalculationRunner::PollOnce);
    inputs_ = [this] { return InputsFromDocument(doc_); };
    buttons_ = ApplyRunState(RunState::Idle, false, buttons_);
}

QString CalculationRunner::EndOfRunText(int hoursComputed, bool complete)
{
    if (complete)
        return QStringLiteral("Calcul terminé");
    return QStringLiteral("Calcul arrêté après %1 heure%2")
        .arg(hoursComputed)
        .arg(hoursComputed > 1 ? QStringLiteral("s") : QString());
}

void CalculationRunner::SetInputsProvider(std::function<CalculationInputs()> provider)
{
    inputs_ = std::move(provider);
}

void CalculationRunner::SetRunState(RunState state)
{
    state_ = state;
    buttons_ = ApplyRunState(state, tracerShown_, buttons_);
    emit buttonsChanged();
}

void CalculationRunner::SetTracerShown(bool shown)
{
    tracerShown_ = shown;
    // Showing the window disables "Affiche Traceur"; closing it enables the button again (the
    // idle state disables it anyway when the mode is left).
    buttons_.tracerEnabled = !shown && state_ != RunState::Idle;
    emit buttonsChanged();
}

bool CalculationRunner::Prepare()
{
    // The wait box stays up while the network and the profiles are built.
    QDialog wait(window_);
    wait.setWindowTitle(QStringLiteral("Quelvan"));
    auto* layout = new QVBoxLayout(&wait);
    layout->addWidget(new QLabel(ToQ(msg::kPreparing)));
    wait.show();
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    const ErrorCode code = engine_.PrepareCalculation(doc_, inputs_());
    wait.hide();
    emit resultsChanged();
    if (code.IsError()) {
        prompter_.Message(window_, ToQ(engine_.LastErrorMessage()), Prompter::Icon::Stop);
        return false;
    }
    return true;
}

bool CalculationRunner::EnterCalculation()
{
    SetRunState(RunState::Idle);
    const CalculationInputs inputs = inputs_();
    if (!Prepare())
        return false; // stays idle until a preparation succeeds
    SetRunState(RunState::Ready);
    // Said once on entering the calculation, not at every re-initialisation.
    QStringList warnings;
    for (const std::string& warning : SurfacePrecisionWarnings(inputs))
        warnings << ToQ(warning);
    if (!warnings.isEmpty())
        prompter_.Message(
            window_, warnings.join(QStringLiteral("\n\n")), Prompter::Icon::Exclamation);
    return true;
}

void CalculationRunner::EndPacing()
{
    if (worker_ && !worker_->IsFinished())
        worker_->Signal(WorkerEvent::Stop);
    worker_.reset();
    timer_.stop();
}

void CalculationRunner::LeaveCalculation()
{
    EndPacing();
    engine_.Unprepare();
    SetRunState(RunState::Idle);
}

void CalculationRunner::PressRun()
{
    switch (RunButtonActionFor(state_)) {
    case RunButtonAction::StartRun:
        SetRunState(RunState::Running);
        worker_.emplace(CalculationWorker::kMaxSteps, minimumInterval_);
        worker_->Launch(Now());
        worker_->Signal(WorkerEvent::Start);
        if (timerDriven_)
            timer_.start();
        break;
    case RunButtonAction::Pause:
        if (worker_)
            worker_->Signal(WorkerEvent::Pause);
        SetRunState(RunState::Paused);
        break;
    case RunButtonAction::Resume:
        if (worker_)
            worker_->Signal(WorkerEvent::Resume);
        SetRunState(RunState::Running);
        break;
    case RunButtonAction::Reinitialise:
        EndPacing();
        SetRunState(RunState::Idle);
        if (Prepare())
            SetRunState(RunState::Ready);
        break;
    case RunButtonAction::None:
        break;
    }
}

void CalculationRunner::PressStep()
{
    if (worker_)
        worker_->Signal(WorkerEvent::SingleStep);
}

void CalculationRunner::PressStop()
{
    if (worker_)
        worker_->Signal(WorkerEvent::Stop);
}

void CalculationRunner::PollOnce()
{
    if (!worker_)
        return;
    switch (worker_->Poll(Now())) {
    case WorkerAction::Step:
        engine_.AdvanceHour(doc_, true, true);
        emit resultsChanged();
        break;
    case WorkerAction::EndOfRun:
        timer_.stop();
        worker_.reset();
        if (state_ != RunState::Idle && state_ != RunState::Ready) {
            SetRunState(RunState::Finished);
            emit runEnded(EndOfRunText(engine_.View().hours - 1, !engine_.CanAdvance()));
        }
        break;
    case WorkerAction::None:
        break;
    }
}

} // namespace quelvan::ui
