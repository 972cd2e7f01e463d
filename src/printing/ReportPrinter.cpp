#include "printing/ReportPrinter.h"

#include "graphics/NGridTable.h"
#include "graphics/PainterOps.h"
#include "model/KslDoc.h"
#include "printing/AnnualBalancePage.h"
#include "printing/CondensationPage.h"
#include "printing/DynamicCharacteristicsBlock.h"
#include "printing/MaterialLibraryTable.h"
#include "printing/ProjectDataTables.h"
#include "printing/ReportFrame.h"
#include "printing/TimeCurvePage.h"
#include "printing/WallValuesPage.h"

#include <QPagedPaintDevice>
#include <QPainter>
#include <algorithm>

namespace quelvan::printing {

namespace {
// Space between the project data and the block beside it.
constexpr int kBlockSpacing = 150;
} // namespace

ReportPrinter::ReportPrinter(const KslDoc& doc, CalculationInputs form, RunView run)
    : doc_(doc)
    , form_(std::move(form))
    , run_(std::move(run))
    , printTime_(QDateTime::currentDateTime())
    , kinds_(PageKinds(doc.printChoices))
{
}

void ReportPrinter::SetFlags(const PrintFlags& flags)
{
    kinds_ = PageKinds(flags);
    if (annual_)
        kinds_.push_back(PageKind::AnnualBalance);
    if (condensation_)
        kinds_.push_back(PageKind::Condensation);
}

void ReportPrinter::SetAnnualBalance(
    std::optional<annual::AnnualBalanceResult> result, std::string refusal, std::string subject)
{
    if (!annual_) {
        // Before the condensation page, whichever was set first.
        const auto last = condensation_ ? kinds_.end() - 1 : kinds_.end();
        kinds_.insert(last, PageKind::AnnualBalance);
    }
    annual_ = true;
    annualResult_ = std::move(result);
    annualRefusal_ = std::move(refusal);
    annualSubject_ = std::move(subject);
}

void ReportPrinter::SetCondensation(std::optional<moisture::Study> study, std::string refusal)
{
    if (!condensation_)
        kinds_.push_back(PageKind::Condensation);
    condensation_ = true;
    condensationStudy_ = std::move(study);
    condensationRefusal_ = std::move(refusal);
}

std::string ReportPrinter::PageTitle(int page) const
{
    // Before any calculation no hour is recorded: the titles name hour 0, never hour -1.
    return printing::PageTitle(KindOfPage(page), std::max(run_.hours - 1, 0));
}

void ReportPrinter::DrawPage(QPainter& painter, int page) const
{
    const QPaintDevice* device = painter.device();
    if (device == nullptr)
        return;
    const double scale = static_cast<double>(device->logicalDpiX()) / kReportUnitsPerInch;
    const double scaleY = static_cast<double>(device->logicalDpiY()) / kReportUnitsPerInch;
    painter.save();
    painter.scale(scale, scaleY);
    const QRect rect(0, 0, static_cast<int>(device->width() / scale),
        static_cast<int>(device->height() / scaleY));
    DrawPageIn(painter, rect, page);
    painter.restore();
}

void ReportPrinter::DrawPageIn(QPainter& painter, const QRect& rect, int page) const
{
    const QRect drawing = rect.adjusted(kSideMargin, 0, -kSideMargin, 0);
    painter.save();
    painter.setBackgroundMode(Qt::TransparentMode);
    painter.setPen(QPen(Qt::black, 0));

    painter.setFont(FooterFont());
    const int footerHeight = DrawPageFooter(painter, drawing,
        FooterCentreText(doc_.author, doc_.reference), printTime_, FooterProgramText(run_.mode));
    painter.setFont(TitleFont());
    const int headerRule = DrawPageHeader(painter, drawing, PageTitle(page));
    const QRect body(drawing.left(), headerRule + 1, drawing.width(),
        drawing.bottom() + 1 - footerHeight - headerRule - 1);

    painter.setFont(CaptionFont(true));
    const int captionHeight = graphics::TextHeight(painter);
    const int tableRowHeight = ProjectDataRowHeight(
        doc_, form_, body.height() - 2 * kBodyTopGap, captionHeight, kTableRowHeight);

    switch (KindOfPage(page)) {
    case PageKind::TimeCurves:
    case PageKind::Last24Hours:
        DrawTimeCurvePage(painter, body, KindOfPage(page), run_);
        break;
    case PageKind::WallValues:
        DrawWallValuesPage(painter, body, doc_, form_, run_, tableRowHeight);
        break;
    case PageKind::ProjectData: {
        const QPoint top = body.topLeft() + QPoint(0, kBodyTopGap);
        const DrawnExtent tables = DrawProjectData(painter, doc_, form_, top, tableRowHeight);
        // Beside the wall's tables, where the wall page has its plots: the page has no room
        // below them for a long wall.
        const int x = std::max(tables.right + kBlockSpacing, body.left() + body.width() * 2 / 5);
        DrawDynamicCharacteristics(
            painter, doc_, form_.surfaces, QPoint(x, top.y()), tableRowHeight);
        break;
    }
    case PageKind::MaterialLibrary: {
        const int rowHeight
            = LibraryRowHeight(doc_.materials.Count(), body.height() - 2 * kBodyTopGap, 90, 24);
        graphics::NGridTable table = MaterialLibraryTable(doc_, drawing.width(), rowHeight);
        table.SetPosition({ body.left(), body.top() + kBodyTopGap });
        table.Draw(painter);
        break;
    }
    case PageKind::AnnualBalance:
        DrawAnnualBalancePage(painter, body, annualResult_, annualRefusal_, annualSubject_);
        break;
    case PageKind::Condensation:
        DrawCondensationPage(painter, body, condensationStudy_, condensationRefusal_);
        break;
    default:
        break; // the pages of flags no dialog sets carry their title only
    }
    painter.restore();
}

bool ReportPrinter::PrintAll(QPagedPaintDevice& device) const
{
    if (PageCount() == 0)
        return false;
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    for (int page = 0; page < PageCount(); ++page) {
        if (page > 0)
            device.newPage();
        DrawPage(painter, page);
    }
    return painter.end();
}

} // namespace quelvan::printing
