#include "printing/ReportFrame.h"

#include "core/NumberText.h"
#include "graphics/PainterOps.h"
#include "graphics/QtStrings.h"

#include <QPainter>

namespace quelvan::printing {

using graphics::TextExtent;
using graphics::TextHeight;
using graphics::TextOutTopLeft;

namespace {

QFont ReportFont(double points, bool bold)
{
    QFont font;
    // Arial where it is installed, its metric twin otherwise.
    font.setFamilies({ QStringLiteral("Arial"), QStringLiteral("Liberation Sans"),
        QStringLiteral("DejaVu Sans") });
    font.setPixelSize(static_cast<int>(points * kReportUnitsPerInch / 72.0 + 0.5));
    font.setBold(bold);
    return font;
}

void DrawRule(QPainter& painter, int left, int right, int y)
{
    const QPen previous = painter.pen();
    painter.setPen(QPen(Qt::black, 2));
    painter.drawLine(left, y, right, y);
    painter.setPen(previous);
}

} // namespace

std::string FooterDateText(const QDateTime& when)
{
    const QDate d = when.date();
    const QTime t = when.time();
    return FormatInt("%d", d.day()) + ":" + FormatInt("%d", d.month()) + ":"
        + FormatInt("%d", d.year()) + "  " + FormatInt("%d", t.hour()) + ":"
        + FormatInt("%d", t.minute());
}

std::string FooterCentreText(const std::string& author, const std::string& reference)
{
    return "Auteur = " + author + ", Référence = " + reference;
}

std::string FooterProgramText()
{
    return std::string(kProgramName) + " " + kProgramVersion;
}

std::string FooterProgramText(CalculationMode mode)
{
    return mode == CalculationMode::Fine
        ? FooterProgramText() + " - " + CalculationModeLabel(CalculationMode::Fine)
        : FooterProgramText();
}

QFont TitleFont()
{
    return ReportFont(14.0, true);
}

QFont FooterFont()
{
    return ReportFont(9.0, false);
}

QFont CaptionFont(bool bold)
{
    return ReportFont(10.0, bold);
}

void DrawCentredText(QPainter& painter, int x, int y, const std::string& text)
{
    const QString q = ToQ(text);
    TextOutTopLeft(painter, x - TextExtent(painter, q).width() / 2, y, q, Qt::black);
}

int DrawPageHeader(QPainter& painter, const QRect& rect, const std::string& title)
{
    const int h = TextHeight(painter);
    const int y = rect.top() + h + h / 2;
    DrawCentredText(painter, rect.left() + rect.width() / 2, y, title);
    const int ruleY = y + h / 2 + h;
    DrawRule(painter, rect.left(), rect.right(), ruleY);
    return ruleY;
}

int DrawPageFooter(QPainter& painter, const QRect& rect, const std::string& centreText,
    const QDateTime& when, const std::string& programText)
{
    const int h = TextHeight(painter);
    const int bottom = rect.bottom() + 1;
    const int y = bottom - h;
    TextOutTopLeft(painter, rect.left(), y, ToQ(FooterDateText(when)), Qt::black);
    DrawCentredText(painter, rect.left() + rect.width() / 2, y, centreText);
    const QString program = ToQ(programText);
    TextOutTopLeft(
        painter, rect.right() + 1 - TextExtent(painter, program).width(), y, program, Qt::black);
    const int ruleY = y - h / 2 - 1;
    DrawRule(painter, rect.left(), rect.right(), ruleY);
    return bottom - ruleY;
}

} // namespace quelvan::printing
