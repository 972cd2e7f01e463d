#pragma once

#include "engine/EngineState.h"
#include "engine/annual/AnnualBalance.h"
#include "engine/moisture/MoistureStudy.h"
#include "printing/ReportPages.h"

#include <QDateTime>
#include <QRect>
#include <optional>
#include <string>
#include <vector>

class QPainter;
class QPagedPaintDevice;

namespace quelvan {
class KslDoc;
}

namespace quelvan::printing {

// The printed report: one landscape page per print choice set in the document, each with its
// centred title and rule and the footer (print date and time, author and reference, program
// and version). It draws on any painter: a printer, a print preview, a PDF writer or an image.
class ReportPrinter {
public:
    // The document must outlive the printer. form holds the placement, surfaces and ambiances
    // as the form shows them (they may differ from the document until it is saved); run holds
    // the calculation's hourly series and last profiles. The print time is now.
    ReportPrinter(const KslDoc& doc, CalculationInputs form, RunView run);

    // The date and time written in the footers.
    void SetPrintTime(const QDateTime& when) { printTime_ = when; }
    const QDateTime& PrintTime() const { return printTime_; }
    // Replaces the document's print choices for this report only.
    void SetFlags(const PrintFlags& flags);
    // Adds the "Bilan annuel" page after the chosen ones: the year's figures, or why the year
    // could not be computed.
    // The subject names the wall and the weather the year is of (drawn above its title).
    void SetAnnualBalance(std::optional<annual::AnnualBalanceResult> result, std::string refusal,
        std::string subject = {});

    // Adds the "Risque de condensation" page last: the check, or why it could not be made.
    void SetCondensation(std::optional<moisture::Study> study, std::string refusal);

    const KslDoc& Document() const { return doc_; }

    int PageCount() const { return static_cast<int>(kinds_.size()); }
    PageKind KindOfPage(int page) const { return kinds_.at(static_cast<size_t>(page)); }
    std::string PageTitle(int page) const;

    // Draws page p (from 0) on the painter's device, inside its paintable area. The painter is
    // scaled from the device's resolution to report units and restored afterwards.
    void DrawPage(QPainter& painter, int page) const;
    // Draws page p in a rectangle of report units (the painter already maps report units).
    void DrawPageIn(QPainter& painter, const QRect& rect, int page) const;
    // Draws every page on the device, a new device page for each; false when nothing could be
    // drawn (the device refused the painter, or no page is chosen).
    bool PrintAll(QPagedPaintDevice& device) const;

    // Row height of the project data tables, in report units, when they fit the page with it;
    // a long wall makes the rows lower so that everything stays on the page.
    static constexpr int kTableRowHeight = 84;

private:
    const KslDoc& doc_;
    CalculationInputs form_;
    RunView run_;
    QDateTime printTime_;
    std::vector<PageKind> kinds_;
    bool annual_ = false;
    std::optional<annual::AnnualBalanceResult> annualResult_;
    std::string annualRefusal_;
    std::string annualSubject_;
    bool condensation_ = false;
    std::optional<moisture::Study> condensationStudy_;
    std::string condensationRefusal_;
};

} // namespace quelvan::printing
