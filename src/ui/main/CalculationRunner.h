#pragma once

#include "engine/EngineState.h"
#include "pacing/CalculationWorker.h"
#include "pacing/RunState.h"

#include <QObject>
#include <QTimer>

#include <functional>
#include <optional>

namespace quelvan {
class KslDoc;
}

namespace quelvan::ui {

class Prompter;

// The calculation side of the main view: the engine state, the run state with its buttons and
// the pacing of the steps. The pacing worker is polled from a timer on the interface thread;
// each step is one AdvanceHour, so the interface never waits for more than one step.
class CalculationRunner : public QObject {
    Q_OBJECT
public:
    static constexpr int kPollMilliseconds = 10;

    CalculationRunner(KslDoc& doc, Prompter& prompter, QWidget* window);

    // Where the preparation takes its inputs (the form's current values).
    void SetInputsProvider(std::function<CalculationInputs()> provider);
    // A monotonic clock in seconds; tests give a fake one.
    void SetClock(std::function<double()> clock) { clock_ = std::move(clock); }
    void SetMinimumInterval(double seconds) { minimumInterval_ = seconds; }
    // Whether polls come from the timer (true) or only from PollOnce (tests).
    void SetTimerDriven(bool driven) { timerDriven_ = driven; }

    // Entering calculation mode: state 0, preparation, then state 1 when it succeeded.
    bool EnterCalculation();
    // Leaving calculation mode: ends a live run whatever its state, forgets the calculation,
    // state 0.
    void LeaveCalculation();

    // The run button, "Pas à Pas" and "Stop".
    void PressRun();
    void PressStep();
    void PressStop();

    // One turn of the pacing loop (the timer calls it).
    void PollOnce();

    RunState State() const { return state_; }
    const RunButtons& Buttons() const { return buttons_; }
    void SetTracerShown(bool shown);
    // "Calcul terminé" after the last hour, else "Calcul arrêté après 40 heures".
    static QString EndOfRunText(int hoursComputed, bool complete);
    bool IsPacing() const { return worker_.has_value() && !worker_->IsFinished(); }
    const EngineState& Engine() const { return engine_; }
    EngineState& Engine() { return engine_; }

signals:
    void buttonsChanged();
    // After a preparation or a step: read-outs, chart and the flux window need refreshing.
    void resultsChanged();
    // The run ended, at its last hour or stopped: what the status bar says of it.
    void runEnded(const QString& text);

private:
    void SetRunState(RunState state);
    bool Prepare();
    void EndPacing();
    double Now() const { return clock_(); }

    KslDoc& doc_;
    Prompter& prompter_;
    QWidget* window_;
    EngineState engine_;
    std::optional<CalculationWorker> worker_;
    QTimer timer_;
    std::function<CalculationInputs()> inputs_;
    std::function<double()> clock_;
    double minimumInterval_ = CalculationWorker::kMinimumInterval;
    bool timerDriven_ = true;
    bool tracerShown_ = false;
    RunState state_ = RunState::Idle;
    RunButtons buttons_;
};

} // namespace quelvan::ui
