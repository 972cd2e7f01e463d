#pragma once

#include "core/ReadError.h"
#include "engine/CalculationInputs.h"
#include "engine/RunView.h"
#include "engine/solver/JacobiSolver.h"
#include "model/CalculationCheck.h"

#include <memory>
#include <string>
#include <vector>

namespace quelvan {

class KslDoc;
class MessageSink;
struct FineHourEnergies;

// The calculation: network, profiles and matrices, the clock, the recorded hours and what the
// form shows. One object lives as long as the view, so that a preparation in mode 1 can start
// from the previous calculation's temperatures. It never draws and never blocks.
// In the fine mode (CalculationInputs::mode) every hour is made of the fine mode's sub-steps,
// from the previous whole hour's boundary values to this hour's, on the fine mode's nodes; the
// hourly rows, series and displays are made from the state at each whole hour as in the
// standard mode. Mode 1 starts from the previous calculation's temperatures, interpolated when
// they were computed on other nodes; the fine mode's first hour then starts from the profiles'
// values at -3600 s.
class EngineState {
public:
    EngineState();
    // Progress lines of the solver go to the sink, which must outlive the state.
    explicit EngineState(MessageSink& sink);
    ~EngineState();
    EngineState(EngineState&&) noexcept;
    EngineState& operator=(EngineState&&) noexcept;
    EngineState(const EngineState&) = delete;
    EngineState& operator=(const EngineState&) = delete;

    void SetMessageSink(MessageSink& sink);
    // Which code makes the Jacobi sweeps (banded by default); tests and benchmarks compare them.
    void SetSolverPath(solver::SolverPath path) { solverPath_ = path; }
    // Whether each recorded hour writes its row of texts into the document's results table (on
    // by default). A study, which prints figures made from the series, turns it off: the texts
    // would be made and never read.
    void SetWritesResultsTable(bool writes) { writesResultsTable_ = writes; }
    // How the last solve went (empty when there is no calculation).
    solver::JacobiReport LastSolve() const;

    // Resets the document's results, builds the network and the four profiles, solves the
    // initial state (recorded as hour 0 in mode 0) and refreshes the read-outs. Returns no error
    // or the error (also the view's lastError): the fault of the check that refused the inputs
    // (CheckInputs, made first), a Failure or a profile's fault (BuildAmbianceProfile); after an
    // error the state is not prepared and no step can be made.
    ErrorCode PrepareCalculation(KslDoc& doc, const CalculationInputs& inputs);
    // One step at the current clock: transient false solves the steady state; record stores
    // the hour (series, results row unless turned off, energies, envelopes, read-outs) and
    // advances the clock.
    // Does nothing when not prepared, or when 169 hours are already recorded.
    void AdvanceHour(KslDoc& doc, bool transient, bool record);
    // The heat through each surface since the first hour, after the hour just recorded.
    void AccumulateEnergies(const FineHourEnergies& hour);
    // Writes the current values into the document's next results row.
    void RecordResultsRow(KslDoc& doc);
    // Envelopes, chart bounds and the values of the read-outs from the current state.
    void RefreshResultsDisplay();
    // Forgets the calculation (leaving calculation mode); the node temperatures are kept.
    void Unprepare();

    bool IsPrepared() const { return run_.prepared; }
    // Prepared and fewer than 169 hours recorded.
    bool CanAdvance() const;
    // What the calculation shows, kept up to date by every preparation and step: readers hold
    // the reference (nothing is copied); a copy keeps a finished run.
    const RunView& View() const { return run_; }
    // The message of the last error: the check's for inputs the calculation refused,
    // FailureMessage otherwise, for the weather error followed by the file, the line and why it
    // did not read.
    std::string LastErrorMessage() const;

private:
    struct Calculation;

    void ResetRun(KslDoc& doc);
    ErrorCode CheckedBuild(KslDoc& doc, const CalculationInputs& inputs);
    // Carries the previous calculation's temperatures to this one's nodes; false when there are
    // none for them.
    bool StartFromPrevious(int previousNodes, const std::vector<float>& previous);
    // The four boundary values of the profiles at a time in seconds (other values as they are).
    CurrentValues BoundariesAt(double t);
    void EvaluateBoundaries();
    void Step(KslDoc& doc, bool transient, bool record);
    void SolveStandard(bool transient);
    void StandardNodeFluxes();

    MessageSink* sink_;
    solver::SolverPath solverPath_ = solver::SolverPath::Banded;
    bool writesResultsTable_ = true;
    std::unique_ptr<Calculation> calc_;
    RunView run_;
    CalculationCheck verdict_; // the verdict of the last preparation's check
    ReadError weatherError_; // where the last weather error happened
    int computedNodes_ = 0; // node count of the last calculation's temperatures, 0 when none
    std::vector<float> previousPositions_; // their nodes' positions
    CalculationMode previousMode_ = CalculationMode::Standard; // the mode that computed them
};

} // namespace quelvan
