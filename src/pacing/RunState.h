#pragma once

#include <optional>
#include <string>

namespace quelvan {

// Where a calculation stands; the values are those the view stores.
enum class RunState : int {
    Idle = 0, // input mode, or between two preparations
    Ready = 1, // calculation prepared, the run can start
    Running = 2, // the worker is requesting steps
    Paused = 3, // the worker waits; single steps allowed
    Finished = 4, // 168 steps done or stopped; the run button re-initialises
};

// The texts of the calculation panel's buttons, defined here only.
inline constexpr const char* kRunTextStart = "Lance Calcul";
inline constexpr const char* kRunTextPause = "Pause";
inline constexpr const char* kRunTextResume = "Reprise";
inline constexpr const char* kRunTextReinitialise = "ReInitialise";
inline constexpr const char* kStepButtonText = "Pas à Pas";
inline constexpr const char* kStopButtonText = "Stop";
inline constexpr const char* kTracerButtonText = "Affiche Traceur";
inline constexpr const char* kModeTextCalculation = "Mode Calcul";
inline constexpr const char* kModeTextInput = "Mode Saisie";
// The mode button names the mode it leads to: "Mode Saisie" in calculation mode, "Mode Calcul"
// in input mode.
constexpr const char* ModeButtonText(bool calculationMode)
{
    return calculationMode ? kModeTextInput : kModeTextCalculation;
}

// The enabled state of the four run buttons and the text of the run button. runText is empty
// while nobody has set a text yet (the button keeps the text of its template).
struct RunButtons {
    bool runEnabled = false;
    bool stepEnabled = false; // "Pas à Pas"
    bool stopEnabled = false; // "Stop"
    bool tracerEnabled = false; // "Affiche Traceur"
    std::optional<std::string> runText;

    friend bool operator==(const RunButtons&, const RunButtons&) = default;
};

// The buttons after entering a state, starting from the previous buttons: every button the
// state does not name keeps its previous value. tracerShown tells whether the curve window is
// shown (states 1 and 3 enable "Affiche Traceur" only when it is not).
//   0: text "Lance Calcul"; run, step, stop and tracer disabled.
//   1: run enabled; tracer enabled unless shown.
//   2: text "Pause"; run and stop enabled, step disabled.
//   3: text "Reprise"; run, step and stop enabled; tracer enabled unless shown.
//   4: text "ReInitialise"; run enabled, step and stop disabled.
// The texts of states 2 and 3 are the ones the run button's handler gives just before.
RunButtons ApplyRunState(RunState state, bool tracerShown, const RunButtons& previous);

// What pressing the run button does in a state.
enum class RunButtonAction {
    None, // state 0: the button is disabled
    StartRun, // state 1 -> 2: start the worker and signal start
    Pause, // state 2 -> 3: signal pause
    Resume, // state 3 -> 2: signal resume
    Reinitialise, // state 4 -> 0, prepare again, then 1
};
RunButtonAction RunButtonActionFor(RunState state);

} // namespace quelvan
